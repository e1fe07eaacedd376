#include "protocol/student_region_coord.h"

#include "model/region_geometry.h"

#include <QDebug>

namespace {

using region_geometry::camera_to_scene;

// The picture's right and bottom edge in the two spaces.
constexpr int kCameraRight = 639;
constexpr int kCameraBottom = 359;
constexpr int kLabelRight = 480;
constexpr int kLabelBottom = 270;

const QPoint kAreaDefaults[4] = {{100, 200}, {380, 200}, {310, 60}, {170, 60}};
const QPoint kDesignatedDefaults[6] = {{69, 234}, {381, 234}, {351, 117}, {276, 117}, {192, 117}, {114, 117}};
const QPoint kCalibrationDefaults[6] = {{100, 200}, {380, 200}, {310, 60}, {170, 60}, {160, 50}, {150, 40}};

int or_default(int v, int fallback) { return v == 0 ? fallback : v; }

using Carried = std::array<bool, 2>;

// Each coordinate the reply carried, converted; the others stay. A 0 (never reported, or
// reported as 0) takes its default.
QPoint camera_point_to_label(const QPoint &p, const QPoint &fallback, const Carried &carried)
{
    return {or_default(carried[0] ? camera_to_scene(p.x()) : p.x(), fallback.x()),
            or_default(carried[1] ? camera_to_scene(p.y()) : p.y(), fallback.y())};
}

QPoint calibration_point(const QPoint &p, const QPoint &fallback, const Carried &carried)
{
    return {or_default(carried[0] ? p.x() / 8 : p.x(), fallback.x()),
            or_default(carried[1] ? p.y() / 8 : p.y(), fallback.y())};
}

// A drawn shield's polygon from its stored start and end; false when they fit none of the
// shield's edge cases.
bool shield_polygon(int shield, int sx, int sy, int ex, int ey, std::array<QPoint, 4> &q)
{
    const auto c = [](int v) { return camera_to_scene(v); };
    switch (shield) {
    case 0: {
        const QPoint a(sx, sy == kCameraBottom ? kLabelBottom : c(sy));
        if (ey == kCameraBottom) {
            q = {a, QPoint(0, 268), QPoint(0, 268), QPoint(c(ex), kLabelBottom)};
            return true;
        }
        if (ex == kCameraRight) {
            q = {a, QPoint(0, 268), QPoint(kLabelRight, kLabelBottom), QPoint(kLabelRight, c(ey))};
            return true;
        }
        return false;
    }
    case 1:
    case 2: {
        const QPoint a(sx == kCameraRight ? kLabelRight : c(sx), sy == kCameraBottom ? kLabelBottom : c(sy));
        if (ey == 0) {
            q = {a, QPoint(kLabelRight, 0), QPoint(kLabelRight, 0), QPoint(c(ex), 0)};
            return true;
        }
        if (ex == 0) {
            q = {a, QPoint(kLabelRight, 0), QPoint(0, 0), QPoint(0, c(ey))};
            return true;
        }
        return false;
    }
    default: {
        const QPoint a(sx == kCameraRight ? kLabelRight : c(sx), c(sy));
        if (ex == 0) {
            q = {a, QPoint(0, 0), QPoint(0, 0), QPoint(0, c(ey))};
            return true;
        }
        if (ey == kCameraBottom) {
            q = {a, QPoint(0, 0), QPoint(0, kLabelBottom), QPoint(c(ex), kLabelBottom)};
            return true;
        }
        return false;
    }
    }
}

} // namespace

StudentReplyKeys StudentReplyKeys::all()
{
    StudentReplyKeys k;
    const Carried both = {true, true};
    k.area.fill(both);
    k.designated.fill(both);
    k.pano_calibrate.fill(both);
    k.feature_calibrate.fill(both);
    k.shield.fill(true);
    k.forward_enable = k.designated_enable = k.shield_enable = k.calibrate_enable = true;
    return k;
}

StudentRegionChecks parse_student_region_coord(const StudentRegionCoord &coord, StudentRegionPoints &points,
                                               bool old_format, const StudentReplyKeys &keys)
{
    StudentRegionChecks checks;
    checks.old_format = old_format;

    // An enable string the reply did not carry counts as none.
    const auto carried = [](bool inReply, const QString &text) { return inReply ? text : QString(); };

    const QString calibrate = carried(keys.calibrate_enable, coord.pano_calibrate_enable);
    if (calibrate.isNull())
        qDebug() << "MainWindow::student_region_coord.pano_calibrate_enable.isNull()";
    else
        checks.pos_calibration_region = calibrate == QLatin1String("111111") || calibrate == QLatin1String("1111");

    const QString designated = carried(keys.designated_enable, coord.pano_designated_enable);
    if (designated.isNull()) {
        qDebug() << "MainWindow::student_region_coord.pano_designated_enable.isNull()";
    } else if (designated == QLatin1String("11110")) {
        checks.designated_region = true;
        checks.old_format = true;
    } else if (designated == QLatin1String("111111")) {
        checks.designated_region = true;
        checks.old_format = false;
    } else {
        checks.designated_region = false;
        checks.old_format = designated == QLatin1String("00000");
    }
    qDebug() << "MainWindow::student_use_old_version_flag = " << checks.old_format;

    const QString forward = carried(keys.forward_enable, coord.pano_student_forward_enable);
    if (forward.isNull())
        qDebug() << "MainWindow::student_region_coord.pano_student_forward_enable.isNull()";
    else
        checks.track_region = forward == QLatin1String("1");

    const QString shields = carried(keys.shield_enable, coord.pano_shield_enable);
    qDebug() << "MainWindow::pano_shield_enable: " << shields;
    if (shields.isNull()) {
        qDebug() << "MainWindow::student_region_coord.pano_shield_enable.isNull()";
    } else {
        // A string shorter than four characters, or another character than '0' or '1', leaves
        // that shield's box alone.
        for (int i = 0; i < 4 && i < shields.size(); ++i) {
            if (shields.at(i) == QLatin1Char('1'))
                checks.shield[size_t(i)] = true;
            else if (shields.at(i) == QLatin1Char('0'))
                checks.shield[size_t(i)] = false;
        }
    }

    for (int i = 0; i < 4; ++i)
        points.student_area_points[size_t(i)] =
            camera_point_to_label(points.student_area_points[size_t(i)], kAreaDefaults[i], keys.area[size_t(i)]);
    const int designatedCount = checks.old_format ? 4 : 6;
    for (int i = 0; i < designatedCount; ++i)
        points.student_designated_points[size_t(i)] =
            camera_point_to_label(points.student_designated_points[size_t(i)], kDesignatedDefaults[i],
                                  keys.designated[size_t(i)]);

    for (int i = 0; i < 6; ++i)
        points.feature_calibrate_points[size_t(i)] =
            calibration_point(points.feature_calibrate_points[size_t(i)], kCalibrationDefaults[i],
                              keys.feature_calibrate[size_t(i)]);
    for (int i = 0; i < 6; ++i)
        points.pano_calibrate_points[size_t(i)] =
            calibration_point(points.pano_calibrate_points[size_t(i)], kCalibrationDefaults[i],
                              keys.pano_calibrate[size_t(i)]);

    qDebug() << "MainWindow::屏蔽区1 start_x:" << coord.shield_value(0, 0) << coord.shield_value(0, 1);
    qDebug() << "MainWindow::屏蔽区1 delta_x:" << coord.shield_value(0, 2) << coord.shield_value(0, 3);
    for (int k = 0; k < 4; ++k) {
        if (!keys.shield[size_t(k)])
            continue;
        std::array<QPoint, 4> polygon = points.student_shield_points[size_t(k)];
        const bool drawn = shield_polygon(k, coord.shield_value(k, 0), coord.shield_value(k, 1),
                                          coord.shield_value(k, 2), coord.shield_value(k, 3), polygon);
        if (drawn)
            points.student_shield_points[size_t(k)] = polygon;
        points.student_shield_drawn[size_t(k)] = drawn;
    }
    return checks;
}
