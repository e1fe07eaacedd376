#pragma once

#include "model/camera_slot.h"

#include <QString>

// The first-run wizard's direct camera commands: the preset blocks of its preset buttons, the
// pads' VISCA texts, the calibration, tracking and crop commands. Each is one text the wizard
// sends and waits for no answer to.
namespace wizard_commands {

// The presets of the teacher and student pano cameras, by the word after "set" or "call".
enum class Preset { Pano, Platform, Preset2, Preset3, Board, SecondPano };
// "setpano" ... "callsecondpano".
QString preset_word(Preset preset, bool set);
// The side's preset block (the teacher's or the student's pano camera).
QString preset_block(camera_slot::Side side, Preset preset, bool set);

// The three buttons of the board page. The first blackboard camera (choice 1) stores its right
// board and its pano as the platform and preset 2; any other choice names the second camera's
// own words. The left board is the pano preset of either.
enum class BoardButton { Left, Right, Pano };
QString board_word(BoardButton button, int camera_choice, bool set);
// The board preset block, relayed through the teacher pano camera.
QString board_block(BoardButton button, int camera_choice, bool set);

// The pads' keys.
enum class PadKey { LeftUp, Up, RightUp, Left, Right, LeftDown, Down, RightDown, Home, ZoomIn, ZoomOut };
// The speed level of the teacher PTZ speed slider: its value, 10 for 0.
int speed_level(int slider_value);
// What a press (or Home's click) sends to the side's close-up camera at the speed levels.
QString pad_press(PadKey key, int pan_level, int tilt_level);
// What a release sends: the drive or zoom stop; nothing for Home.
QString pad_release(PadKey key);

// The calibration stored ("setcalibrate") or forgotten ("cancelcalibrate") by the side's pano.
QString calibration(camera_slot::Side side, bool set);
// The side's tracking started or stopped.
QString tracking(camera_slot::Side side, bool start);
// The pano camera where a side's tracking starts and stops: the side's own, whatever step is
// shown (a status answer or a lost preview may change the other side's box).
camera_slot::Slot tracking_camera(camera_slot::Side side);
// The teacher pano camera forgets its board pano, platform or tracking area.
enum class Forget { BoardPano, Platform, TrackingArea };
QString forget(Forget what);
// The pano crop while the side's regions are edited (on) and afterwards (off); VISCA.
QString crop(bool editing);
QString crop_status_request(camera_slot::Side side);
QString tracking_status_request(camera_slot::Side side);

} // namespace wizard_commands
