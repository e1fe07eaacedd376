#pragma once

#include "model/camera_slot.h"

#include <QString>

// The manual calibration's command words and the calibration cross, and the `VISCA command
// text`s of the reversal compensation of the teacher close-up camera.
namespace calibration_commands {

// The words of the pano camera's "set_tracking_config_command" block that store and forget
// the calibration the installer aimed by hand (tracking_command::command_text builds the block).
constexpr char kSetCalibrate[] = "setcalibrate";
constexpr char kCancelCalibrate[] = "cancelcalibrate";

// The cross over the pano camera's crop picture, shown or hidden.
QString cross(bool on);
// Whether the side's pano camera of this model draws the cross: "M5" for the teacher, "M19" or
// "M5" for the student (compared whole and case-sensitive).
bool draws_cross(camera_slot::Side side, const QString &pano_model);

enum class Axis { Tilt, Pan };

// The close-up camera's measuring mode, entered before the measurement and left after it.
QString measuring_mode(bool on);
// The two approach positions: after them the camera stands just after a change of direction.
QString first_approach(Axis axis);
QString second_approach(Axis axis);
// One small step in the direction that follows the change.
QString step(Axis axis);
// The command that writes the measured step count to the camera: "VN" takes the count as two
// hex digits (ptz_commands::fill_speed).
QString result_template(Axis axis);

// A measurement gives up after this many steps without a moved picture and writes this count.
constexpr int kMaxSteps = 51;

} // namespace calibration_commands
