#pragma once

// What the benchmarks share: waiting with the event loop, the event loop's gaps, medians, CPU
// clocks and pinning, the settings that show the main window at start.
#include "settings/settings_path.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QVector>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <sched.h>
#include <time.h>

namespace bench {

// Log lines of the decoders would only cost time here.
inline void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

// Runs the event loop for ms without polling, so the bench itself costs no CPU meanwhile.
inline void pumpFor(int ms)
{
    QEventLoop loop;
    // A coarse timer may end a 10 s window half a second early or late.
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// How long the calling thread's event loop stops: the gaps between two turns of a 10 ms timer
// (a precise one, which never turns early), from its construction or the last restart().
struct GapMeter {
    static constexpr int kTickMs = 10;
    QTimer tick;
    QElapsedTimer sinceTurn;
    QVector<qint64> gaps;

    GapMeter()
    {
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(kTickMs);
        QObject::connect(&tick, &QTimer::timeout, [this] { gaps.append(sinceTurn.restart()); });
        sinceTurn.start();
        tick.start();
    }
    qint64 longest() const { return gaps.isEmpty() ? 0 : *std::max_element(gaps.cbegin(), gaps.cend()); }
    qint64 percentile99() const
    {
        QVector<qint64> sorted = gaps;
        std::sort(sorted.begin(), sorted.end());
        return sorted.isEmpty() ? 0 : sorted[std::min<int>(sorted.size() - 1, sorted.size() * 99 / 100)];
    }
    int over(qint64 ms) const
    {
        return int(std::count_if(gaps.cbegin(), gaps.cend(), [ms](qint64 gap) { return gap > ms; }));
    }
    void restart()
    {
        gaps.clear();
        sinceTurn.restart();
    }
};

// The settings of an installation whose wizard is done, so that the main window shows at start.
inline void showMainWindowAtStart()
{
    QSettings settings(settings_file_path(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("TEACHER_CONF/Tracking_Number_Camera"), 3);
    settings.setValue(QStringLiteral("TEACHER_CONF/Tracking_Guide_State"), QStringLiteral("1"));
}

inline double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// CPU milliseconds so far of CLOCK_THREAD_CPUTIME_ID (the calling thread) or
// CLOCK_PROCESS_CPUTIME_ID.
inline double cpuMs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1.0e6;
}

// "WxH"; invalid when the text is not one.
inline QSize parseSize(const QString &text)
{
    const QStringList parts = text.split('x');
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

// The threads of this process (the ids in /proc/self/task).
inline QVector<pid_t> processThreads()
{
    QVector<pid_t> ids;
    for (const QString &name : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        ids << pid_t(name.toInt());
    return ids;
}

inline cpu_set_t firstCpus(int count)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    for (int cpu = 0; cpu < count; ++cpu)
        CPU_SET(cpu, &set);
    return set;
}

// Threads of this process that may run on a CPU beyond the first count.
inline int threadsBeyond(int count)
{
    const cpu_set_t wanted = firstCpus(count);
    int beyond = 0;
    for (pid_t id : processThreads()) {
        cpu_set_t has;
        CPU_ZERO(&has);
        if (sched_getaffinity(id, sizeof has, &has) != 0)
            continue; // ended meanwhile
        cpu_set_t outside;
        CPU_XOR(&outside, &has, &wanted);
        CPU_AND(&outside, &outside, &has);
        beyond += CPU_COUNT(&outside) > 0 ? 1 : 0;
    }
    return beyond;
}

// Every thread of this process, and the threads and processes it starts from now on, run on
// CPUs 0 to count - 1. Each thread has an affinity of its own: pinning the calling thread alone
// (sched_setaffinity(0, ...)) would leave the workers already started (OpenCV's, Qt's) on every
// CPU. A thread started by an unpinned one during a pass is caught by the next.
inline void pinToCpus(int count)
{
    const cpu_set_t set = firstCpus(count);
    constexpr int kPasses = 5;
    for (int pass = 0; pass < kPasses && threadsBeyond(count) > 0; ++pass) {
        for (pid_t id : processThreads()) {
            if (sched_setaffinity(id, sizeof set, &set) != 0 && errno != ESRCH)
                std::perror("sched_setaffinity");
        }
    }
}

// The stream open's own log lines (QFFmpeg::Init), by which a benchmark sees opens overlap.
enum class OpenLine { Other, Begins, LeavesOpenInput, Ends };

inline OpenLine openLine(const QString &message)
{
    if (message.contains(QLatin1String("enter avformat_open_input")))
        return OpenLine::Begins;
    if (message.contains(QLatin1String("leave avformat_open_input")))
        return OpenLine::LeavesOpenInput;
    if (message.contains(QLatin1String("Init suscess")) || message.contains(QLatin1String("Init failed")))
        return OpenLine::Ends;
    return OpenLine::Other;
}

// An open's log line on standard error with the time on clock and the thread that wrote it.
inline void printOpenLine(const QElapsedTimer &clock, const QString &message)
{
    std::fprintf(stderr, "%6lld ms  thread %p  %s\n", static_cast<long long>(clock.elapsed()),
                 static_cast<void *>(QThread::currentThreadId()), qPrintable(message.trimmed()));
}

} // namespace bench
