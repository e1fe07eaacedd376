#pragma once

// Test-side helpers for the camera simulator's tests: the frames are written and read here by
// hand, not with the simulator's own code, so that a fault in its framing shows.

#include <QByteArray>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

namespace simtest {

constexpr int kReplyMs = 2000;  // loopback answers come within milliseconds; this only bounds a failure
constexpr int kSilenceMs = 300; // how long a test listens to be sure nothing comes

inline QByteArray le32(quint32 v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

inline quint32 readLe32(const QByteArray &b, int offset)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | quint8(b.at(offset + i));
    return v;
}

// The tool's control frame: port and length (32-bit little-endian), then the payload.
inline QByteArray controlFrame(quint32 port, const QByteArray &payload)
{
    return le32(port) + le32(quint32(payload.size())) + payload;
}

// "81 09 11 49 FF" -> its bytes.
inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}

struct UotFrame {
    quint32 port = 0;
    quint32 length = 0;
    QByteArray payload;
};

// Takes one whole UOT frame off the front of buffer; false (buffer untouched) when the buffer
// holds no whole frame. A buffer that does not start with "UOT\0" fails the calling test.
inline bool takeUotFrame(QByteArray *buffer, UotFrame *frame)
{
    if (buffer->size() < 12)
        return false;
    if (buffer->left(4) != QByteArray("UOT\0", 4)) {
        QTest::qFail(qPrintable(QStringLiteral("no UOT marker at the front of %1").arg(QString::fromLatin1(buffer->toHex(' ')))),
                     __FILE__, __LINE__);
        return false;
    }
    const quint32 length = readLe32(*buffer, 8);
    if (quint64(buffer->size()) < 12ull + length)
        return false;
    frame->port = readLe32(*buffer, 4);
    frame->length = length;
    frame->payload = buffer->mid(12, int(length));
    buffer->remove(0, int(12 + length));
    return true;
}

// Waits (handling events, so a camera of this thread answers) until a datagram is pending.
inline bool waitDatagram(QUdpSocket &socket, QNetworkDatagram *datagram, int timeoutMs = kReplyMs)
{
    if (!QTest::qWaitFor([&] { return socket.hasPendingDatagrams(); }, timeoutMs))
        return false;
    *datagram = socket.receiveDatagram();
    return true;
}

// Listens for kSilenceMs (or the given time) and says whether nothing arrived.
inline bool staysSilent(QUdpSocket &socket, int ms = kSilenceMs)
{
    QTest::qWait(ms);
    return !socket.hasPendingDatagrams();
}

// Reads the TCP link into buffer until it holds a whole UOT frame, and takes it.
inline bool waitUotFrame(QTcpSocket &socket, QByteArray *buffer, UotFrame *frame, int timeoutMs = kReplyMs)
{
    return QTest::qWaitFor(
        [&] {
            buffer->append(socket.readAll());
            return takeUotFrame(buffer, frame);
        },
        timeoutMs);
}

// A client socket connected to address:port within the time, the camera answering meanwhile.
inline bool connectTcp(QTcpSocket &socket, const QString &address, quint16 port, int timeoutMs = kReplyMs)
{
    socket.connectToHost(QHostAddress(address), port);
    return QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; }, timeoutMs);
}

// The socket the tool answers text on: 127.0.0.1 at the reply port.
inline bool bindReplySocket(QUdpSocket &socket, quint16 port = 7791)
{
    return socket.bind(QHostAddress(QStringLiteral("127.0.0.1")), port);
}

inline QByteArray lines(std::initializer_list<const char *> parts)
{
    QByteArray text;
    for (const char *part : parts) {
        if (!text.isEmpty())
            text.append('\n');
        text.append(part);
    }
    return text;
}

// The value of key in a reply, read only at the start of a line up to its line feed.
inline QString replyValue(const QByteArray &reply, const QString &key)
{
    const QStringList all = QString::fromLatin1(reply).split(QLatin1Char('\n'));
    for (const QString &line : all) {
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return QString();
}

} // namespace simtest
