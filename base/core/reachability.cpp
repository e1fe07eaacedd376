#include "core/reachability.h"

#include "core/wait.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkProxy>
#include <QProcess>
#include <QTcpSocket>
#include <QTimer>

namespace reachability {
namespace {
Check gCheck;
PortCheck gPortCheck;
constexpr int kCancelLookMs = 20;      // how often a port probe looks at its cancel flag
constexpr int kPingReplyWaitS = 4;    // what an installer sees from one Windows ping
constexpr int kPingHardLimitMs = 6000; // ping itself gives up after 4 s; this only guards a hung child
constexpr int kPingStartMs = 1000;     // starting the child is a fork and an exec
constexpr int kPollFinishMs = 10;      // the child's end is looked for this long per round...
constexpr int kPollEventsMs = 40;      // ...then the window's events run this long
} // namespace

void setCheck(Check check) { gCheck = std::move(check); }

bool isReachable(const QString &host)
{
    return gCheck ? gCheck(host) : systemPing(host);
}

bool systemPing(const QString &host)
{
    QProcess ping;
    ping.start(QStringLiteral("ping"),
               {QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-W"),
                QString::number(kPingReplyWaitS), QStringLiteral("--"), host});
    if (!ping.waitForStarted(kPingStartMs)) {
        qWarning() << "ping could not be started:" << ping.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    // The window keeps painting while ping runs.
    while (ping.state() != QProcess::NotRunning && clock.elapsed() < kPingHardLimitMs) {
        if (ping.waitForFinished(kPollFinishMs))
            break;
        wait_ms(kPollEventsMs);
    }
    if (ping.state() != QProcess::NotRunning) {
        ping.kill();
        ping.waitForFinished(kPingStartMs);
        return false;
    }
    return ping.exitStatus() == QProcess::NormalExit && ping.exitCode() == 0;
}

void setPortCheck(PortCheck check) { gPortCheck = std::move(check); }

bool portAccepts(const QString &host, quint16 port, int ms, const std::atomic<bool> *cancel)
{
    if (gPortCheck)
        return gPortCheck(host, port, ms);
    if (host.isEmpty())
        return false;
    QTcpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QTimer look;
    QObject::connect(&socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    // A refused port answers at once: no need to sit out the time limit.
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (cancel && cancel->load())
            loop.quit();
    });
    socket.connectToHost(host, port);
    limit.start(ms);
    look.start(kCancelLookMs);
    if (socket.state() != QAbstractSocket::ConnectedState && socket.state() != QAbstractSocket::UnconnectedState)
        loop.exec();
    const bool accepted = socket.state() == QAbstractSocket::ConnectedState;
    socket.abort();
    return accepted;
}
} // namespace reachability
