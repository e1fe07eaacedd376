// Preloaded (LD_PRELOAD) into the program that bench/startup_bench.py starts, the tool or the
// hello world alike, so that both are timed by the same hook and neither needs a marker of its
// own. It writes to the descriptor STARTUP_PROBE_FD, in nanoseconds since STARTUP_PROBE_T0 (the
// launcher's CLOCK_MONOTONIC just before it started the program):
//   "app N"      when the application object is being built (the loader, the static objects
//                and main() up to there are behind);
//   "exposed N"  once the first expose of a window has been handled, that is, once the window
//                has painted itself and is on the screen.
#include <QCoreApplication>
#include <QEvent>
#include <QExposeEvent>
#include <QObject>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <time.h>
#include <unistd.h>

namespace {

long long since_start()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const char *t0 = std::getenv("STARTUP_PROBE_T0");
    return now.tv_sec * 1000000000LL + now.tv_nsec - (t0 ? std::atoll(t0) : 0);
}

void report(const char *what)
{
    const char *fd_text = std::getenv("STARTUP_PROBE_FD");
    if (!fd_text)
        return;
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%s %lld\n", what, since_start());
    if (n > 0 && ::write(std::atoi(fd_text), line, std::size_t(n)) < 0)
        std::perror("startup_probe");
}

class FirstExpose : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (done || event->type() != QEvent::Expose || !watched->isWindowType()
            || static_cast<QExposeEvent *>(event)->region().isEmpty())
            return false;
        done = true;
        // Handled here, so that the time includes the window's first paint and flush.
        static_cast<QObject *>(watched)->event(event);
        report("exposed");
        return true;
    }

private:
    bool done = false;
};

void install()
{
    report("app");
    QCoreApplication::instance()->installEventFilter(new FirstExpose(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
