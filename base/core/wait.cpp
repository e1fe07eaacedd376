#include "core/wait.h"

#include "core/time_scale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {
constexpr int kMaxRoundMs = 100; // events are handled in rounds of at most 100 ms
}

void wait_ms(int ms)
{
    const qint64 total = timescale::scaled(ms);
    QElapsedTimer clock; // monotonic
    clock.start();
    if (total <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // A timer wakes the dispatcher at the end of each round, so the wait blocks in the event
    // dispatcher instead of spinning while nothing is pending.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    qint64 remaining = total;
    while (remaining > 0) {
        wake.start(int(qMin<qint64>(remaining, kMaxRoundMs)));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        remaining = total - clock.elapsed();
    }
}

void wait_ms_until(int ms, int boundMs, const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    wait_ms(ms);
    const qint64 total = timescale::scaled(boundMs);
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    // done() is looked at after every batch of events, so the wait ends with the one that did it.
    while (!done() && clock.elapsed() < total) {
        wake.start(int(qMin<qint64>(total - clock.elapsed(), kMaxRoundMs)));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

void run_beside_gui(std::function<void()> work)
{
    const std::unique_ptr<QThread> worker(QThread::create(std::move(work)));
    QTimer wake;
    wake.setSingleShot(true);
    // The worker's end posts an event to this thread, which wakes the dispatcher at once.
    QObject::connect(worker.get(), &QThread::finished, &wake, [] {});
    worker->start();
    while (!worker->isFinished()) {
        wake.start(kMaxRoundMs);
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    worker->wait(); // returns at once: only the thread's last instructions are left
}
