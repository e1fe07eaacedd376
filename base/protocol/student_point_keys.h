#pragma once

#include "protocol/student_region_coord.h"
#include "model/student_region_points.h"
#include "protocol/parameter_block.h"

#include <QVector>

#include <array>

// The point keys of the student parameter block, without widgets: how Apply turns the student
// area corners, designated points, shields and position-calibration points into item lines, and
// how a reply stores them back. Points live in label space (480 by 270, the student pano
// preview); the block carries the camera's 640 by 360 space; calibration points travel times 8.
namespace student_point_keys {

using parameter_block::Item;

// Label to camera: trunc((v / 1.5) * 2), in double precision.
int to_camera(int label);

// Which stored corner is which, from their positions alone (the installer draws them in any
// order): the two lowest on the picture are the forward row, the left one of them forward left;
// of the other two the one with the smaller x is backward right (the camera's view is seen
// mirrored), the last one backward left.
struct CornerOrder {
    int forward_left = 0;
    int forward_right = 0;
    int backward_right = 0;
    int backward_left = 0;
};
CornerOrder order_corners(const std::array<QPoint, 4> &corners);

// "forward_left_x" ... "backward_left_y", x at most 639 and y at most 359.
QVector<Item> corner_items(const std::array<QPoint, 4> &corners);

// "pano_designated_first_x" ... "pano_designated_fourth_y", and for the new point format
// (old_format false) also the fifth and sixth ("pano_designated_six_x") point.
QVector<Item> designated_items(const std::array<QPoint, 6> &points, bool old_format);

// The sixteen shield keys, shields one to four. A drawn shield sends the edge it lies on and
// its extent; a shield never drawn sends its fixed line.
QVector<Item> shield_items(const std::array<std::array<QPoint, 4>, 4> &shields, const std::array<bool, 4> &drawn);

// "pano_calibrate_enable" = "1111", then points 1 to 4 of the pano and of the feature
// calibration, each coordinate times 8.
QVector<Item> calibration_items(const std::array<QPoint, 6> &pano, const std::array<QPoint, 6> &feature);

// Stores every point and shield key the reply carries (values as decimal integers, 0 when not a
// number; a missing key leaves its point as it was): corners and designated points in camera
// units, calibration points in the sent unit, the shields into coord.
// Returns which points and shields the reply carried (its enable strings are the caller's).
StudentReplyKeys store_reply_points(const QString &reply, StudentRegionPoints &points, StudentRegionCoord &coord);

// The key names, for tests and the reply's order of lookup.
extern const char *const kCornerKeys[4][2];
extern const char *const kDesignatedKeys[6][2];
extern const char *const kPanoCalibrateKeys[6][2];
extern const char *const kFeatureCalibrateKeys[6][2];

} // namespace student_point_keys
