#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

#include <functional>

// A second network namespace beside the test's own, joined to it by a veth pair: the test's
// side holds 10.250.0.1/24, the peer's side 10.250.0.2/24 and any further addresses asked for.
// The peer namespace belongs to a worker thread of this object (a thread may have a network
// namespace of its own): sockets created by run() live in it. Everything goes with the test
// process even when it dies: the peer namespace with its thread, the veth pair with the test's
// own namespace (NETNS tests run in one of their own). The constructor returns once both ends of
// the pair carry packets. Needs root, as NETNS tests do.
class NetnsPeer
{
public:
    static constexpr const char *kLocalAddress = "10.250.0.1";
    static constexpr const char *kPeerAddress = "10.250.0.2";

    // extraPeerAddresses: more addresses (10.250.0.x) on the peer's side.
    explicit NetnsPeer(const QStringList &extraPeerAddresses = {});
    ~NetnsPeer();

    // Empty when the namespaces stand, else what failed.
    QString error() const { return m_error; }
    // Runs work in the peer namespace's thread and returns when it is done.
    void run(const std::function<void()> &work);
    QThread *thread() { return &m_thread; }
    QObject *context() { return m_context; }

    // Runs a command of the system (through /bin/sh) in the test's namespace, or in the peer's;
    // false (with its output in error()) when it fails. Bounded to 10 s.
    bool shell(const QString &command);
    bool peerShell(const QString &command);

private:
    QThread m_thread;
    QObject *m_context = nullptr;
    long m_peerTid = 0;
    QString m_veth;
    QString m_error;
};
