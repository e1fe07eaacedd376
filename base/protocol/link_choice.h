#pragma once

#include <QString>

// Which control link a command to a camera takes: the TCP link of the teacher side, the TCP
// link of the student side, or a UDP datagram to the destination's own address. Pure: the control
// link passes what it holds of its camera slots and does the sending.
namespace link_choice {

enum class Link { Udp, TeacherTcp, StudentTcp };

// One camera slot as the send path sees it.
struct Slot
{
    QString field_address;       // the slot's address field up to its first "/"
    bool connected = false;      // udp_<camera>_flag
    bool is_destination = false; // the destination is this slot's own destination object
    bool tcp = false;            // the side's TCP link was opened to this camera
};

struct Slots
{
    Slot teacher_feature, teacher_pano, student_feature, student_pano, board_feature, board_pano;
    // The Board tab is the current main tab: its cameras are driven by UDP whatever else matched.
    bool board_tab_current = false;
};

// The manual director console's own two cameras, matched by address while it runs.
struct ManualDirect
{
    bool run = false;
    QString teacher_ip, student_ip;
    bool teacher_tcp = false, student_tcp = false;
};

struct Choice
{
    Link link = Link::Udp;
    // Which check decided, for the log: "teacher feature", ..., "board tab", "manual director
    // teacher", "manual director student", or "unmatched".
    QString matched;
};

// address: the destination's address text. A slot matches when its field names the address,
// it is connected and the destination is its own object; it then takes its side's link when
// its TCP flag is set, else UDP. A destination that matches no slot goes by UDP, never over a
// link that an earlier send chose: that link may lead to another camera.
Choice choose(const QString &address, const Slots &cameras);
Choice choose_manual_direct(const QString &address, const ManualDirect &console);

} // namespace link_choice
