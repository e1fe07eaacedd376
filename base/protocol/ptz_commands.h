#pragma once

#include <QString>

// The pads' `VISCA command text`s: pan/tilt drive, stop, home and zoom, the speed placeholders
// and which camera of a side a pad drives. "81" addresses the camera that receives the command,
// "8A" the panorama crop picture of the models M19, R6 and M5.
namespace ptz_commands {

enum class Direction { Up, Down, Left, Right, LeftUp, LeftDown, RightUp, RightDown };

// "HK" and "VN" filled with hindex and vindex as two upper-case hex digits each ("0A" for 10):
// every "H", "K", "V", "N" of the template is replaced, in that order. The values are 8-bit:
// only their low eight bits are written.
QString fill_speed(const QString &command_template, int hindex, int vindex);
// The same with its log line: the pads' speeds, a J57's role and the compensation's steps.
QString ptzspeed(const QString &command_template, int hindex, int vindex);

// The PTZ speed level typed in a level field: its decimal number, 10 when it is not a number or 0.
int speed_level(const QString &text);
// What a level field takes while typing: "10", one digit, or nothing.
constexpr char kSpeedLevelPattern[] = "10|([0-9]{0,1})";

QString direction_template(Direction direction, bool crop);
QString drive(Direction direction, bool crop, int pan_speed, int tilt_speed);
QString stop(bool crop);
QString home(bool crop);
// Zoom in and out at speed 6 on "81"; the crop picture zooms in at 3 and out at 2.
QString zoom_in(bool crop);
QString zoom_out(bool crop);
QString zoom_stop(bool crop);

inline QString zoom_position_inquiry() { return QStringLiteral("81 09 04 47 FF"); }
// Asked of every camera but the board pano right after its connect: the model reply.
inline QString model_inquiry() { return QStringLiteral("81 09 11 49 FF"); }
// A J57 takes the role of its slot: "VN" filled with the slot's role number (fill_speed, vindex).
inline QString role_template() { return QStringLiteral("81 0C 0C VN FF"); }
// Asked of a J22 standing at its optical end: the digital zoom reply.
inline QString digital_zoom_inquiry() { return QStringLiteral("81 19 04 57 FF"); }

// The inquiry that refreshes a side's zoom field after a zoom release, empty when none follows:
// the zoom position for R6 and J57, for J22 the digital zoom at its optical end and the zoom
// position below it, nothing for any other model.
QString zoom_refresh(bool r6_or_j57, bool j22, bool optical_max);

// Which camera of the side a pad command goes to, and with which address byte.
struct PadRoute {
    bool to_pano = false; // the side's pano camera instead of its feature camera
    bool crop = false;    // address "8A"
};
PadRoute teacher_pad_route(bool ptz_to_pano, bool pano_prefix);
// The student pad drives the pano camera while a J57 feature camera has "Num 60 : Pano Crop"
// (index 1) chosen.
PadRoute student_pad_route(const QString &feature_model, int preset_index, bool pano_prefix);

} // namespace ptz_commands
