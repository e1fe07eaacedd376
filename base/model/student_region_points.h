#pragma once

#include <QPoint>

#include <array>

// The point sets of the student panel, drawn on the student panorama preview and exchanged with
// the student camera: the four corners of the student area, six designated points, four
// shields of four points each, and the position-calibration points of the pano and the feature
// picture. One record, so that the settings file, the reply parser, the mouse handlers and the
// painters all work on the same points.
struct StudentRegionPoints {
    // Corners of the student area in label space (480 by 270): forward left, forward right,
    // backward right, backward left as the settings file names them; Apply sorts them itself.
    std::array<QPoint, 4> student_area_points{};
    // Designated points 1 to 6 in label space; only 1 to 4 are used by the old point format.
    std::array<QPoint, 6> student_designated_points{};
    // Four shields, each of the four points Q0 to Q3, in label space.
    std::array<std::array<QPoint, 4>, 4> student_shield_points{};
    // Shield k has been drawn.
    std::array<bool, 4> student_shield_drawn{};
    // Position-calibration points 1 to 6 of the pano and the feature picture.
    std::array<QPoint, 6> pano_calibrate_points{};
    std::array<QPoint, 6> feature_calibrate_points{};
    // Their drag positions, in label space like the points (the calibration dialog shifts them
    // onto its pictures), whether each is put down (drawn with its number at its point) and
    // whether it is drawn at all.
    std::array<QPoint, 6> pano_calibrate_pos{};
    std::array<QPoint, 6> feature_calibrate_pos{};
    std::array<bool, 6> pano_calibrate_done{};
    std::array<bool, 6> feature_calibrate_done{};
    std::array<bool, 6> pano_calibrate_visible{};
    std::array<bool, 6> feature_calibrate_visible{};

    // The ten points the settings file keeps, numbered 0 to 9: the four corners, then the six
    // designated points.
    static constexpr int kStoredPointCount = 10;
    QPoint &stored_point(int index);
    const QPoint &stored_point(int index) const;

    // The Student tab's defaults: the corners and designated points 1 to 4, and 5 and 6 only
    // for the new point format (old_format false). Shields and calibration points stay.
    void set_defaults(bool old_format);
};

// The calibration dialog shows the pictures at 640 by 360, the window at 480 by 270. The factor
// is 1.33 rather than 4/3 (a window point 480 lands on 638, inside the dialog's mouse area); every
// window point survives the trip there and back, since 1.33 is above 1.
namespace calibrate_scale {
constexpr double kDialogFactor = 1.33;
QPoint to_dialog(const QPoint &window_point);
QPoint to_window(const QPoint &dialog_point);
} // namespace calibrate_scale
