#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

// A camera's TCP control port that keeps every byte it receives, exactly as it arrived, and can
// write any bytes back on its last link.
struct RawCamera {
    static constexpr int kWaitMs = 3000; // loopback delivers within milliseconds; this bounds a failure
    QTcpServer server;
    QTcpSocket *link = nullptr;
    QByteArray received;
    bool listen(const QString &address, quint16 port = 6793)
    {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *s = server.nextPendingConnection()) {
                link = s;
                QObject::connect(s, &QTcpSocket::readyRead, [this, s] { received += s->readAll(); });
            }
        });
        return server.listen(QHostAddress(address), port);
    }
    // The first n bytes received (waiting for them), taken off; empty when they do not come.
    QByteArray take(int n)
    {
        if (!QTest::qWaitFor([&] { return received.size() >= n; }, kWaitMs))
            return QByteArray();
        const QByteArray bytes = received.left(n);
        received.remove(0, n);
        return bytes;
    }
    // Writes the bytes on the last link as one write.
    bool write(const QByteArray &bytes)
    {
        if (!link && !QTest::qWaitFor([&] { return link != nullptr; }, kWaitMs))
            return false;
        link->write(bytes);
        return link->flush() || bytes.isEmpty();
    }
};
