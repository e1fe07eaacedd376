#pragma once

#include <QElapsedTimer>

// The work one run of a reader does in a turn of the event loop: so many items or so long,
// whichever ends first. A peer that sends without end would otherwise hold the window, and the
// installer's next click, for as long as it sends; the reader leaves the rest to a later turn.
// One per run: a run started inside another (a handler that waits with events handled) counts
// its own share.
class TurnShare
{
public:
    static constexpr int kItems = 64; // a few milliseconds of the window's handling of replies
    static constexpr int kMs = 10;    // a slow handler's items yield sooner

    TurnShare() { m_clock.start(); }
    bool spent() const { return m_taken >= kItems || m_clock.elapsed() >= kMs; }
    void took() { ++m_taken; }

private:
    QElapsedTimer m_clock;
    int m_taken = 0;
};
