#pragma once

#include "settings/port_forward.h"

#include <QString>

#include <vector>

// The port group PORT_CONF of "config.ini" and the rule by which a port is chosen with and
// without the recording host's port forwarding ("port mapping"). The teacher machine's mapped
// ports are the cameras' own ports plus 20000, the student machine's plus 10000.
namespace ports {

// What the program keeps of a port key besides its stored text.
enum class Member {
    None, // the field only (backup and search ports)
    Text, // a text member (the RTSP ports)
    Int,  // an int member (VISCA, text command and TCP ports)
};

struct PortRow {
    const char *key;                      // PORT_CONF key, also the name of its port_settings member
    QString portforward::Fields::*field;  // its field of the Recorder Map Config tab
    const char *mapped_default; // the field's text when nothing is stored, and the mapped port then
    const char *own_port;       // the camera's own port, used without mapping
    Member member;
};

// The eleven port keys in the loader's order.
const std::vector<PortRow> &port_rows();

struct RecorderRow {
    const char *key;
    QString portforward::Fields::*field;
    const char *default_text;
};

// The five recording host keys (user name, password, three addresses) in the loader's order.
const std::vector<RecorderRow> &recorder_rows();

// Keys of PORT_CONF in the order the writer writes them.
const std::vector<const char *> &port_save_order();

// What the loader makes of a stored port text. A text that is no port from 1 to 65535 counts as
// nothing stored, so that no port is later cut to 16 bits.
struct PortDecision {
    QString field_text;  // the stored text, or the mapped default when nothing is stored
    QString member_text; // the port the program uses: mapped (stored or default) or the own port
    bool replaced = false; // the stored text is no port from 1 to 65535: the default stands in
};
PortDecision decide_port(const PortRow &row, const QString &stored, bool mapping);

// The port text a getter returns: the mapped field's text while mapping is on and the field
// is filled, the camera's own port otherwise.
QString mapped_or_own(bool mapping, const QString &field_text, const QString &own_port);

// The text of a recorder field after loading: the stored text, or its default when empty.
QString recorder_field_text(const RecorderRow &row, const QString &stored);

} // namespace ports
