#include "sim_wire.h"

#include "sim_camera.h"

#include <QUdpSocket>
#include <QtTest>

#include <algorithm>

namespace simwire {

QStringList receivedUpToMarkers(SimCamera &camera, int timeoutMs)
{
    static const QByteArray kMarker = "marker";
    const auto isMarker = [](const SimMessage &m) { return m.payload == kMarker; };
    QUdpSocket socket;
    for (quint16 port : {camera.ports().visca, camera.ports().text})
        socket.writeDatagram(kMarker, QHostAddress(camera.address()), port);
    const bool arrived = QTest::qWaitFor(
        [&] {
            const QVector<SimMessage> r = camera.received();
            return std::count_if(r.begin(), r.end(), isMarker) == 2;
        },
        timeoutMs);
    QStringList got;
    for (const SimMessage &m : camera.received())
        if (!isMarker(m) && (m.isText() || m.isVisca()))
            got << (m.isVisca() ? QString::fromLatin1(m.payload.toHex(' ').toUpper()) : m.text());
    if (!arrived)
        got << QStringLiteral("(markers lost)");
    camera.clearRecords();
    return got;
}

QStringList receivedSince(const SimCamera &camera, int from, Kind kind)
{
    QStringList got;
    const QVector<SimMessage> received = camera.received();
    for (int i = from; i < received.size(); ++i) {
        const SimMessage &m = received[i];
        if (m.direction != SimDirection::Received)
            continue;
        if (kind == Kind::Text && m.isText())
            got << m.text();
        else if (kind == Kind::Visca && m.isVisca())
            got << QString::fromLatin1(m.payload.toHex(' ').toUpper());
    }
    return got;
}

} // namespace simwire
