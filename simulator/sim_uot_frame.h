#pragma once

#include <QByteArray>

// The frames a camera answers in on a TCP control link: "UOT" and a zero byte, the port the
// payload comes from (6791 text, 1259 VISCA), the payload length (each a 32-bit little-endian
// integer), then the payload.
namespace simuot {

constexpr int kHeaderSize = 12;
constexpr quint32 kTextPort = 6791;
constexpr quint32 kViscaPort = 1259;

// The 12 header bytes; the length is written as given, so a test can send a lying header.
QByteArray header(quint32 port, quint32 length);
// One whole frame carrying payload.
QByteArray frame(quint32 port, const QByteArray &payload);

} // namespace simuot
