#include "protocol/control_frame.h"

#include <QtEndian>

namespace control_frame {

QByteArray build(quint32 port, const QByteArray &payload)
{
    QByteArray frame(kHeaderSize, Qt::Uninitialized);
    qToLittleEndian<quint32>(port, frame.data());
    qToLittleEndian<quint32>(static_cast<quint32>(payload.size()), frame.data() + 4);
    frame.append(payload);
    return frame;
}

QByteArray keep_alive(quint32 port)
{
    return build(port, QByteArray());
}

quint32 header_port(int port, const MappedPorts &mapped)
{
    // An empty field reads 0 and names no port.
    auto is = [port](int field) { return field > 0 && field == port; };
    if (mapped.enabled) {
        if (is(mapped.teacher_visca) || is(mapped.student_visca))
            return kViscaPort;
        if (is(mapped.teacher_text) || is(mapped.student_text))
            return kTextPort;
    }
    return static_cast<quint32>(port);
}

} // namespace control_frame
