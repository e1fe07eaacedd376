#pragma once

#include <QByteArray>
#include <QtGlobal>

// `control frame`: what goes before every payload on a TCP control link. The camera reads the
// port to tell a text command (6791) from VISCA bytes (1259), then the payload length.
//
//   offset 0  u32 LE  port the payload is meant for
//   offset 4  u32 LE  payload length (0 for a keep-alive)
//   offset 8          payload
namespace control_frame {

constexpr int kHeaderSize = 8;
constexpr quint32 kTextPort = 6791;
constexpr quint32 kViscaPort = 1259;

// The header and the payload, ready to be written whole to the link.
QByteArray build(quint32 port, const QByteArray &payload);

// The header alone with length 0: keeps an idle link open.
QByteArray keep_alive(quint32 port);

// The recorder's mapped ports, as typed in the port fields (0 when a field is empty).
struct MappedPorts
{
    bool enabled = false; // recorder port mapping is on
    int teacher_visca = 0;
    int student_visca = 0;
    int teacher_text = 0;
    int student_text = 0;
};

// The port for the header. With port mapping on, the sender holds a mapped port but the link
// itself already runs through the mapping, so the header must name the camera's own port:
// a mapped VISCA port becomes 1259, a mapped text port 6791 (VISCA fields tried first).
// Without mapping, or for any other port, the port is kept.
quint32 header_port(int port, const MappedPorts &mapped);

} // namespace control_frame
