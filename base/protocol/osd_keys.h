#pragma once

#include <QString>

// The camera's on-screen menu driven by VISCA keys: the `OSD key code`s of the camera menu
// dialog and the Preview page, the command each sends, and where a key goes.
namespace osd_keys {

enum Key { Ok = 1, Up = 2, Down = 3, Left = 4, Right = 5, Back = 6, Menu = 7, MenuClosed = 8, Released = 9 };

// The command text of a key code; empty for any other code.
QString command_for_key(int key);

// Where dispose_osd_command sends a key: the page that is showing decides (first match), and
// the chosen camera must be connected.
enum class Page { Teacher, Student, Board, UpgradePreview, Other };
enum class Target { None, TeacherFeature, TeacherPano, StudentFeature, StudentPano, BoardFeature, Preview };
struct Route {
    Page page = Page::Other;
    int teacher_menu_object = 0; // teacher_switch_menu_object_comboBox: 0 feature, 1 pano
    int student_menu_object = 0;
    bool teacher_feature = false, teacher_pano = false; // connected flags
    bool student_feature = false, student_pano = false;
    bool board_feature = false;
    bool preview = false; // rtsp_preview_connected
};
Target target(const Route &route);

// The seven buttons of the Preview page.
enum class PreviewButton { Menu, Back, Ok, Up, Down, Left, Right };
// The key a button sends in menu mode.
int menu_key(PreviewButton button);
// In PTZ mode: what a press sends (the arrows with the pad's speeds), and what a release sends
// (empty for OK, which sends Home on press only).
QString ptz_pressed(PreviewButton button, int pan_speed, int tilt_speed);
QString ptz_released(PreviewButton button);

} // namespace osd_keys
