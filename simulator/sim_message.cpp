#include "sim_message.h"

#include <QElapsedTimer>

namespace {

const char *transportName(SimTransport transport)
{
    return transport == SimTransport::Tcp ? "TCP" : "UDP";
}

QString printable(const QByteArray &bytes)
{
    QString result;
    for (char c : bytes) {
        const uchar u = uchar(c);
        if (c == '\n')
            result += QLatin1String("\\n");
        else if (c == '\\')
            result += QLatin1String("\\\\");
        else if (u >= 0x20 && u < 0x7F)
            result += QLatin1Char(c);
        else
            result += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
    }
    return result;
}

QString endpoint(const QHostAddress &address, quint16 port)
{
    return address.toString() + QLatin1Char(':') + QString::number(port);
}

} // namespace

qint64 simClockMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return clock.elapsed();
}

QString SimMessage::describe() const
{
    const QString local = endpoint(localAddress, localPort);
    const QString peer = endpoint(peerAddress, peerPort);
    QString line = QStringLiteral("%1 %2 %3 %4 %5 ")
                       .arg(double(timeMs) / 1000.0, 0, 'f', 3)
                       .arg(QLatin1String(transportName(transport)))
                       .arg(direction == SimDirection::Received ? peer : local)
                       .arg(QLatin1String("->"))
                       .arg(direction == SimDirection::Received ? local : peer);
    switch (event) {
    case SimEvent::TcpConnected:
        return line + QLatin1String("link accepted");
    case SimEvent::TcpClosed:
        return line + QLatin1String("link closed");
    case SimEvent::BadFrame:
        return line + QStringLiteral("bad frame header %1, link dropped").arg(QString::fromLatin1(payload.toHex(' ')));
    case SimEvent::Data:
        break;
    }
    QByteArray body = payload;
    if (transport == SimTransport::Tcp && !framePort) {
        line += QLatin1String("[unframed] ");
    } else if (transport == SimTransport::Tcp && direction == SimDirection::Received) {
        line += QStringLiteral("[frame port %1] ").arg(framePort);
    } else if (transport == SimTransport::Tcp) {
        // What the camera wrote starts with its UOT header; show the header's fields.
        const int headerSize = 12;
        if (body.size() >= headerSize) {
            const auto *h = reinterpret_cast<const uchar *>(body.constData());
            const quint32 length = quint32(h[8]) | (quint32(h[9]) << 8) | (quint32(h[10]) << 16) | (quint32(h[11]) << 24);
            line += QStringLiteral("[UOT port %1 length %2] ").arg(framePort).arg(length);
            body = body.mid(headerSize);
        } else {
            line += QStringLiteral("[part of a UOT header] ");
        }
    }
    switch (channel) {
    case SimChannel::Text:
        return line + QLatin1String("text \"") + printable(body) + QLatin1Char('"');
    case SimChannel::Visca:
        return line + QLatin1String("visca ") + QString::fromLatin1(body.toHex(' ').toUpper());
    case SimChannel::KeepAlive:
        return line + QLatin1String("keep-alive");
    case SimChannel::Other:
        break;
    }
    return line + QLatin1String("bytes ") + QString::fromLatin1(body.toHex(' ').toUpper());
}
