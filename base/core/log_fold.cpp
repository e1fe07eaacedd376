#include "core/log_fold.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QPointer>
#include <QThread>

#include <cstring>

namespace log_fold {
namespace {

// Quiet objects alive in the application's thread, and whether that thread has handled an event
// that runs other code since the outermost one began. Read and written by that thread only.
int g_quiet_depth = 0;
bool g_quiet_lapsed = false;

// Sees every event of the application's thread; the kinds that run code of their own (a timer,
// a socket, a queued call, input) end the quiet of the handling they interrupt.
class EventWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (g_quiet_depth > 0 && !g_quiet_lapsed) {
            switch (event->type()) {
            case QEvent::Timer:
            case QEvent::ZeroTimerEvent:
            case QEvent::SockAct:
            case QEvent::SockClose:
            case QEvent::MetaCall:
                g_quiet_lapsed = true;
                break;
            default:
                if (event->spontaneous())
                    g_quiet_lapsed = true;
                break;
            }
        }
        return false;
    }
};

bool in_application_thread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

void watch_events()
{
    static QPointer<EventWatch> watch;
    if (watch)
        return;
    watch = new EventWatch(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watch);
}

} // namespace

Run::Run(const QString &source)
    : m_source(source)
{
}

Run::~Run() { note(); }

bool Run::leave_out(const char *data, int size, const QString &who)
{
    const bool same = m_has_last && m_last.size() == size && who == m_who
                      && (size == 0 || std::memcmp(m_last.constData(), data, size_t(size)) == 0);
    if (!same) {
        note();
        m_last = QByteArray(data, size);
        m_has_last = true;
        m_who = who;
        m_in_run = 1;
        return false;
    }
    if (m_in_run < kRepeatsLogged) {
        ++m_in_run;
        return false;
    }
    ++m_left_out;
    return true;
}

void Run::note()
{
    if (m_left_out == 0)
        return;
    const qint64 count = m_left_out;
    m_left_out = 0;
    const QString who = m_who.isEmpty() ? QString() : QLatin1String(" [") + m_who + QLatin1Char(']');
    qInfo().noquote().nospace() << m_source << who << ": " << count
                                << " more replies identical to the last one logged were left out of the log";
}

void Run::end()
{
    note();
    m_has_last = false;
    m_last.clear();
    m_who.clear();
    m_in_run = 0;
}

Quiet::Quiet(bool on)
{
    if (!on || !in_application_thread())
        return;
    watch_events();
    m_active = true;
    ++g_quiet_depth;
}

Quiet::~Quiet()
{
    if (m_active && --g_quiet_depth == 0)
        g_quiet_lapsed = false;
}

bool quiet()
{
    // Other threads never touch the counts.
    return in_application_thread() && g_quiet_depth > 0 && !g_quiet_lapsed;
}

} // namespace log_fold
