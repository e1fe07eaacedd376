#pragma once

#include <QString>

// What the Apply of the Recorder Map Config tab checks and which ports it takes into use. With
// port mapping the teacher and student cameras are reached at the recording host's address on
// the ports the host forwards; without it at their own addresses on their own ports.
namespace portforward {

// The tab's texts as typed.
struct Fields {
    bool mapping = false;
    QString username, password;
    QString host_ip, teacher_ip, student_ip;
    // Mapped ports; an empty field means the camera's own port.
    QString teacher_rtsp, teacher_visca, teacher_udp, teacher_tcp, teacher_backup;
    QString student_rtsp, student_visca, student_udp, student_tcp, student_backup;
    // The device search port in use: its field, or the stored port while the field is empty.
    QString search_port;
};

enum class Fault {
    None,
    Login,   // user name and password both empty
    Address, // the host, teacher or student address is no IPv4 address
    Port,    // a port that is used is no number from 1 to 65535
};

struct Check {
    Fault fault = Fault::None;
    QString text; // the address or port text that failed
};

// A decimal number from 1 to 65535 without leading zeros or anything around it.
bool is_port(const QString &text);

// Checks only what the chosen mode uses: without mapping the search port alone; with mapping
// the login (user name and password may not both be empty), the host, teacher and student
// addresses, the ten mapped ports (an empty one is the camera's own port) and the search port.
// The first fault in that order is reported.
Check check(const Fields &fields);

// The ports one camera pair is reached at.
struct CameraPorts {
    QString rtsp;
    int visca = 0;
    int udp = 0;
    int tcp = 0;
    int backup = 0;
};

// The cameras' own ports, used without mapping and for every empty mapped field.
CameraPorts own_ports();

} // namespace portforward
