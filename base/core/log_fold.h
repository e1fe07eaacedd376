#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The log of a camera that repeats itself. A camera stuck in a loop, or a host that floods a
// link, sends the same reply thousands of times a second, and every one of them would write the
// same lines: the log would grow by hundreds of MB and, started afresh at its size limit, lose
// what came before. So a run of identical replies from one source logs its first few in full,
// and then one line says how many more were left out.
namespace log_fold {

// Identical replies in a row logged in full: enough to show each answer of a command repeated
// by hand, and that a flood is one; the replies after them tell nothing new.
constexpr int kRepeatsLogged = 5;

// One source's run of identical replies (one TCP link, one socket's datagrams).
class Run
{
public:
    // source names the replies in the note, e.g. "UOT reader [teacher]".
    explicit Run(const QString &source);
    ~Run();
    Run(const Run &) = delete;
    Run &operator=(const Run &) = delete;

    // Whether this reply, given as the bytes that tell identical ones apart, is to be left out of
    // the log: the ones after the first kRepeatsLogged of a run. A reply that ends a run first
    // writes the note of the replies left out. who, when not empty, names the sender in the note.
    bool leave_out(const char *data, int size, const QString &who = QString());
    bool leave_out(const QByteArray &unit, const QString &who = QString())
    {
        return leave_out(unit.constData(), unit.size(), who);
    }
    // Writes the note of the replies left out since the last note, if any; the run goes on.
    void note();
    // note(), and the next reply begins a new run.
    void end();
    // Replies left out and not yet in a note.
    qint64 pending() const { return m_left_out; }

private:
    QString m_source;
    QString m_who;
    QByteArray m_last;
    bool m_has_last = false;
    int m_in_run = 0;       // identical replies in a row so far, up to kRepeatsLogged + 1
    qint64 m_left_out = 0;  // left out since the last note
};

// While one lives, this thread's log lines are left out: those that handling a reply left out of
// the log writes. It lapses as soon as the thread handles a timer, socket, queued call or input
// event meanwhile (a wait or a box inside the handling), so nothing else that runs then is
// silenced. Only the application's thread is quieted; elsewhere it does nothing.
class Quiet
{
public:
    // on false: does nothing, for a reply that is logged.
    explicit Quiet(bool on = true);
    ~Quiet();
    Quiet(const Quiet &) = delete;
    Quiet &operator=(const Quiet &) = delete;

private:
    bool m_active = false;
};

// Whether a line written now is left out (the log handler asks).
bool quiet();

} // namespace log_fold
