#pragma once

#include <QSemaphore>

#include <functional>

// Keeps a detector's model unread until release(): hold() goes to the detector's construction
// (YOLO::LoadHold) and runs on its reading thread before anything is read. The hold gives up
// after kBoundMs, so that a detector that reads in front of its caller still ends: the test
// then finds the model read where it must not be.
class HeldLoad
{
public:
    static constexpr int kBoundMs = 10000;

    std::function<void()> hold()
    {
        return [this] { m_released.tryAcquire(1, kBoundMs); };
    }
    void release() { m_released.release(); }

private:
    QSemaphore m_released;
};
