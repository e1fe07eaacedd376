#include "netns_peer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
constexpr int kCommandMs = 10000;
}

NetnsPeer::NetnsPeer(const QStringList &extraPeerAddresses)
    : m_veth(QStringLiteral("cv%1").arg(getpid() % 100000))
{
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    m_thread.start();
    bool unshared = false;
    run([&] {
        unshared = unshare(CLONE_NEWNET) == 0;
        m_peerTid = syscall(SYS_gettid);
    });
    if (!unshared) {
        m_error = QStringLiteral("no network namespace of its own for the peer thread (root needed)");
        return;
    }
    const QString a = m_veth + QStringLiteral("a");
    const QString b = m_veth + QStringLiteral("b");
    QString peerSetup = QStringLiteral("ip link set lo up && ip addr add %1/24 dev %2").arg(QLatin1String(kPeerAddress), b);
    for (const QString &address : extraPeerAddresses)
        peerSetup += QStringLiteral(" && ip addr add %1/24 dev %2").arg(address, b);
    peerSetup += QStringLiteral(" && ip link set %1 up").arg(b);
    if (!shell(QStringLiteral("ip link add %1 type veth peer name %2 && ip link set %2 netns %3 && ip addr add %4/24 dev %1 && ip link set %1 up")
                   .arg(a, b)
                   .arg(m_peerTid)
                   .arg(QLatin1String(kLocalAddress)))
        || !peerShell(peerSetup))
        return;
    // "ip link set up" returns before the link carries anything: the kernel's link watch turns
    // each end on later, apart from the command (the later, the busier the machine, above all
    // while other namespaces come and go), and until then the end drops what is sent on it.
    // Both ends are on once their operational state reads UP, which the link watch sets as it
    // turns the end on.
    const auto up = [](const QString &link) {
        return QStringLiteral("ip -o link show dev %1 | grep -q \" state UP \"").arg(link);
    };
    if (!QTest::qWaitFor([&] { return shell(up(a)) && peerShell(up(b)); }, kCommandMs)) {
        m_error = QStringLiteral("the veth pair %1/%2 is not up after %3 ms").arg(a, b).arg(kCommandMs);
        return;
    }
    m_error.clear(); // what the polls before the last one failed on
}

NetnsPeer::~NetnsPeer()
{
    m_context->deleteLater(); // deleted as the thread finishes
    m_context = nullptr;
    m_thread.quit();
    m_thread.wait();
    // The pair goes with the peer namespace; this only tidies up early.
    QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("ip link del %1a 2>/dev/null").arg(m_veth)});
}

void NetnsPeer::run(const std::function<void()> &work)
{
    if (m_context)
        QMetaObject::invokeMethod(m_context, work, Qt::BlockingQueuedConnection);
}

bool NetnsPeer::shell(const QString &command)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    const bool done = process.waitForFinished(kCommandMs);
    if (done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    if (!done)
        process.kill();
    m_error = command + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAll());
    return false;
}

bool NetnsPeer::peerShell(const QString &command)
{
    return shell(QStringLiteral("nsenter --net=/proc/%1/task/%2/ns/net /bin/sh -c '%3'").arg(getpid()).arg(m_peerTid).arg(command));
}
