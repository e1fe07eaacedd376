#pragma once

#include <QString>

// The six camera slots of the main window and what is fixed per slot: its side, its role
// number, its log label, the RTSP address of its picture and the waits of its disconnect.
namespace camera_slot {

enum class Slot { TeacherFeature, TeacherPano, StudentFeature, StudentPano, BoardFeature, BoardPano };
constexpr int kSlotCount = 6;
enum class Side { Teacher, Student, Board };

Side side(Slot slot);
// The teacher and student panorama cameras: they follow the pano sequence after the picture.
bool is_side_pano(Slot slot);
// The slot's role number for the role command "81 0C 0C VN FF"; -1 for the board pano, which
// has no role.
int role_number(Slot slot);
// "teacher_feature" ... "board_pano", as the slot's members are named.
QString name(Slot slot);
// "Teacher Feature CameraIp: " ... the log label of the connect.
QString log_label(Slot slot);

// What an address field holds: the address (the text before its first "/", the whole text
// without one) and whether the field is a path (its second "/"-section is not empty).
struct AddressField {
    QString address;
    bool is_path = false;
};
AddressField parse_address_field(const QString &text);

// The RTSP address of the slot's picture. A path field is opened as it stands ("rtsp://" + the
// field), with "/1" after it for the board slots; otherwise "rtsp://" + address + ":" + port
// + "/2" for the teacher and student pano and "/1" for every other slot.
QString rtsp_url(Slot slot, const QString &field_text, const QString &rtsp_port);
// The free preview of the Upgrade tab: always "rtsp://" + address + ":" + port + "/1".
QString preview_rtsp_url(const QString &address, const QString &port);

// Waits of a slot's disconnect around stopping its picture: after the decoder's stop, after the
// thread's stop; the teacher pano instead handles pending events once after the thread stop.
struct DisconnectWaits {
    int after_decoder_stop_ms = 0;
    int after_thread_stop_ms = 0;
    bool events_once_after = false;
};
DisconnectWaits disconnect_waits(Slot slot);

} // namespace camera_slot
