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

// The first-run wizard's rule: by the step it shows and the addresses typed on its first page,
// not by destination objects. Of `cameras` the wizard uses the teacher and student slots (their
// field address is the address part of the camera settings field; connected is the camera's
// preview mark) and the board slots' field addresses as board 1 and board 2.
struct WizardStep
{
    int page = 0;   // the stacked page: 0 camera settings, 1..6 teacher, 7..11 student, 12 director
    int layout = 0; // 0 = 2 cameras (one camera per side), 1..3 = 4, 5, 6 cameras
};
// The teacher rules first, then the student rules, a student match overriding a teacher one:
// - teacher feature on pages 1, 4, 6 when the address is the teacher feature's, and on pages
//   4, 6 when it is a board camera's (the feature preview shows a board camera there);
// - teacher pano on pages 1, 2, 3, 4, 6, 12 when the address is the teacher pano's, or in the
//   2-camera layout the teacher feature's;
// - student feature on every page when the address is the student feature's;
// - student pano when it is the student pano's, or in the 2-camera layout the student feature's.
// A camera matches only while it is connected; it takes its side's link when its TCP flag is
// set, else UDP. An address that no rule of the step matches goes by UDP.
Choice choose_wizard(const QString &address, const Slots &cameras, const WizardStep &step);

} // namespace link_choice
