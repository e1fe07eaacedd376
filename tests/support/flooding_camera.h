#pragma once

#include "event_turns.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <thread>

// A camera's TCP control port (6793) that floods the link it accepts with one unit, repeated as
// fast as the link takes it, from a thread of its own through a plain socket, so that nothing of
// the camera grows in the test's process. When the time is up or stop() is called it ends the
// unit under way, writes the closing bytes and holds the link open until it is destroyed. A
// connection that fails (a link's probe, aborted at once) gives way to the next one.
class FloodingCamera
{
public:
    FloodingCamera() = default;
    ~FloodingCamera();
    FloodingCamera(const FloodingCamera &) = delete;
    FloodingCamera &operator=(const FloodingCamera &) = delete;

    // Listens on address (127.0.0.x); false when the port cannot be bound.
    bool listen(const QString &address);
    // Starts the flood on the link accepted first (or next), for at most ms.
    void flood(const QByteArray &unit, const QByteArray &closing, int ms);
    void stop() { m_stop = true; }
    // Bytes the link took so far.
    qint64 sent() const { return m_sent; }

private:
    qint64 write_some(int link, const char *data, int size);
    void run(const QByteArray &block, const QByteArray &closing, int ms);

    int m_listener = -1;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_release{false};
    std::atomic<qint64> m_sent{0};
};

// The process while a FloodingCamera floods: its memory growth over what it held when the watch
// was made, and the longest gap between the turns of its event loop (turns). Past limitKiB of
// growth the flood is stopped, so that a reader that keeps everything fails its test at once and
// not with the machine's memory.
class FloodWatch
{
public:
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory aside (its quarantine, 256 MiB) and a shadow of what is
    // in use: a bounded reader's churn shows as that much more. A reader that keeps everything
    // still passes it within a second or two.
    static constexpr qint64 kDefaultLimitKiB = (100 + 300) * 1024;
#else
    static constexpr qint64 kDefaultLimitKiB = 100 * 1024; // far above what a bounded reader holds
#endif

    explicit FloodWatch(FloodingCamera &camera, qint64 limitKiB = kDefaultLimitKiB);
    // The memory could be read.
    bool valid() const { return m_before > 0; }
    bool exceeded() const { return m_growth > m_limit; }
    qint64 limitKiB() const { return m_limit; }
    // The peak growth so far.
    qint64 peakGrowthKiB() const;
    // Since the watch was made.
    qint64 elapsedMs() const { return m_clock.elapsed(); }
    void stop() { turns.stop(); }

    EventTurns turns;

private:
    QElapsedTimer m_clock;
    qint64 m_limit;
    qint64 m_before;
    qint64 m_growth = 0;
};
