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

} // namespace simwire
