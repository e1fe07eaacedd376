#include "sim_uot_frame.h"

#include "sim_control_frame.h"

namespace simuot {

QByteArray header(quint32 port, quint32 length)
{
    QByteArray bytes("UOT", 3);
    bytes.append('\0');
    simAppendLe32(&bytes, port);
    simAppendLe32(&bytes, length);
    return bytes;
}

QByteArray frame(quint32 port, const QByteArray &payload)
{
    return header(port, quint32(payload.size())) + payload;
}

} // namespace simuot
