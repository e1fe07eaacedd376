#pragma once

#include <QString>

// What the automatic calibration sends to a side's close-up camera and how it turns the offset
// found between the close-up and the panorama picture into the position that camera is sent to.
namespace auto_calibration {

// Where the close-up camera is sent before its picture is compared, in position units: the
// first attempt of each side, then the two retries (the same for both sides).
constexpr int kTeacherStartTilt = -144;
constexpr int kStudentStartTilt = -115;
constexpr int kFirstRetryTilt = -187;
constexpr int kSecondRetryTilt = -288;

// "81 09 06 12 FF": the close-up camera answers with its pan/tilt position.
QString pan_tilt_inquiry();

// Horizontal field of view in degrees of a close-up camera of the model (as it reported it;
// compared whole and case-sensitive): 72.5 for an unknown or empty model.
float camera_view_angle(bool student, const QString &model);

struct Position {
    int pan = 0;
    int tilt = 0;
};

// The position that centres the close-up camera on the panorama centre: x_out and y_out are the
// panorama centre's offset from the close-up picture's centre in pixels of a 1920-wide picture
// (right and up positive), fov the close-up camera's horizontal field of view, from the
// position the camera stood at. Each axis moves by its own offset; an offset of 0 keeps that
// axis where it stands.
Position target_position(float fov, float x_out, float y_out, Position from);

} // namespace auto_calibration
