#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMetaType>
#include <QString>

enum class SimTransport { Udp, Tcp };

enum class SimDirection { Received, Sent };

enum class SimEvent {
    Data,         // a datagram, or a frame of a TCP link
    TcpConnected, // a TCP link was accepted
    TcpClosed,    // a TCP link ended (closed by either side)
    BadFrame,     // a TCP frame header named an absurd length; the camera dropped the link
};

enum class SimChannel {
    Text,      // parameter blocks: UDP text port, or frames for port 6791
    Visca,     // VISCA bytes: UDP VISCA port, or frames for port 1259
    KeepAlive, // a TCP frame with length 0
    Other,     // a frame for another port, garbage, or an event
};

// One entry of a simulated camera's record: what arrived (or what it sent), on which
// transport and port, from (or to) whom, and when.
struct SimMessage {
    SimDirection direction = SimDirection::Received;
    SimEvent event = SimEvent::Data;
    SimTransport transport = SimTransport::Udp;
    SimChannel channel = SimChannel::Other;
    QHostAddress localAddress;
    quint16 localPort = 0;  // the camera's port it arrived on or left from
    QHostAddress peerAddress;
    quint16 peerPort = 0;
    quint32 framePort = 0;  // TCP: the port the frame header names; 0 for UDP and unframed bytes
    QByteArray payload;     // received: the payload alone; sent: the bytes as written, header included
    qint64 timeMs = 0;      // simClockMs() when recorded

    bool isText() const { return event == SimEvent::Data && channel == SimChannel::Text; }
    bool isVisca() const { return event == SimEvent::Data && channel == SimChannel::Visca; }
    // The payload as Latin-1 text.
    QString text() const { return QString::fromLatin1(payload); }
    // One line for a console or a test's failure message.
    QString describe() const;
};

Q_DECLARE_METATYPE(SimMessage)

// Milliseconds on a monotonic clock shared by every camera of the process.
qint64 simClockMs();
