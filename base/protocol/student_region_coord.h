#pragma once

#include "model/student_region_points.h"

#include <QString>

#include <array>
#include <optional>

// The student region values of the last student reply that are not points: the four enable
// strings and the sixteen shield values. Each string stays null until a reply carried its key;
// a key missing from a reply leaves its field as it was.
struct StudentRegionCoord {
    QString pano_student_forward_enable;
    QString pano_designated_enable;
    QString pano_shield_enable;
    QString pano_calibrate_enable;
    // Shields 1 to 4, each start x ("pan ... scale"), start y ("tilt ... scale"), end x
    // ("pan ... increment"), end y ("tilt ... increment"), in the camera's 640 by 360 space;
    // 639 as an x and 359 as a y are the right and the bottom edge of the picture.
    std::array<int, 16> shield_values{};

    int shield_value(int shield, int part) const { return shield_values[size_t(shield * 4 + part)]; }
};

// What the student region parse decides for the Student tab's check boxes: a value to set, or
// nothing to change.
struct StudentRegionChecks {
    std::optional<bool> pos_calibration_region; // student_pos_calibration_region_checkBox
    std::optional<bool> designated_region;      // student_designated_region_checkBox
    std::optional<bool> track_region;           // student_track_region_checkBox
    std::array<std::optional<bool>, 4> shield{}; // student_shield_one_checkBox .. four
    bool old_format = true;                     // student_use_old_version_flag afterwards
};

// Which values of the student panel one reply carried. The points are stored by a reply in
// camera units and converted in place, so a point the reply did not carry must not be converted
// again; likewise an enable string or shield of an earlier reply must not undo what the installer
// changed since (a reply that only confirms an Apply carries none of them).
struct StudentReplyKeys {
    // Per point, its x and its y.
    std::array<std::array<bool, 2>, 4> area{};
    std::array<std::array<bool, 2>, 6> designated{};
    std::array<std::array<bool, 2>, 6> pano_calibrate{};
    std::array<std::array<bool, 2>, 6> feature_calibrate{};
    // Any of the shield's four keys.
    std::array<bool, 4> shield{};
    bool forward_enable = false;
    bool designated_enable = false;
    bool shield_enable = false;
    bool calibrate_enable = false;

    // Every key: a reply to an Obtain.
    static StudentReplyKeys all();
};

// The student reply's points back into the panel's spaces, without widgets. Before the call the
// reply has stored the area and designated points in camera units (640 by 360), the calibration
// points in the sent unit (times 8) and the shield values in coord; afterwards:
// - the area corners and designated points are in label space (480 by 270), a coordinate that
//   comes out 0 taking its default; points 5 and 6 only for the new point format;
// - the calibration points are divided by 8, a 0 taking its default;
// - each shield's polygon follows its stored start and end on the picture's edges, and the
//   shield counts as drawn; a start and end that fit none of the shield's edge cases leave the
//   polygon alone and the shield counts as not drawn (Apply then sends its fixed line);
// - the enable strings give the check boxes and the point format (old_format is the format
//   before the call, kept when the designated enable string is null).
// Only what keys says the reply carried is touched.
StudentRegionChecks parse_student_region_coord(const StudentRegionCoord &coord, StudentRegionPoints &points,
                                               bool old_format,
                                               const StudentReplyKeys &keys = StudentReplyKeys::all());
