#include "wizard/teacher_display_region.h"

#include <QDebug>

#include <cmath>

namespace wizard_regions {

using region_geometry::camera_to_scene;
using teacher_region_keys::enable_char;

const char *const kTrackingName = "TrackingRegion";
const char *const kSnapshotName = "SnapshotRegion";
const char *const kShieldNames[kShieldCount] = {"ShieldRegionOne", "ShieldRegionTwo", "ShieldRegionThree",
                                                "ShieldRegionFour"};
const char *const kBoardNames[kBoardCount] = {"BoardRegionLeft", "BoardRegionRight", "BoardRegionCenter"};

namespace {

// One enable string onto its boxes and enable flags.
template <size_t N>
void take_enables(const QString &enable, const char *name, bool regions_shown,
                  std::array<std::optional<bool>, N> &boxes, std::array<bool, N> &enabled)
{
    if (enable.isNull()) {
        qDebug().noquote() << QStringLiteral("GuideConfig::teacher_region_coord.%1.isNull()").arg(QLatin1String(name));
        return;
    }
    for (size_t i = 0; i < N; ++i) {
        const std::optional<bool> on = enable_char(enable, int(i));
        if (!on)
            continue;
        boxes[i] = *on;
        if (!*on || regions_shown)
            enabled[i] = *on;
    }
}

int truncated(double v)
{
    // Scene rectangles are a few hundred units at most; anything else is no region.
    if (!std::isfinite(v) || std::abs(v) > 1e6)
        return 0;
    return int(std::trunc(v));
}

} // namespace

BoxChanges teacher_restore_region(const teacher_region_keys::TeacherRegionCoord &coord, bool regions_shown,
                                  TeacherDisplayRegion &display, RegionFlags &flags)
{
    BoxChanges changes;
    flags.snapshot_region_valid = true;
    display.snapshot = camera_to_scene(coord.snapshot);
    display.tracking = camera_to_scene(coord.tracking);
    qDebug() << "GuideConfig::teacher_restore_region->" << display.tracking.x << display.tracking.y
             << display.tracking.w << display.tracking.h;
    flags.track_region_valid = true;

    take_enables(coord.pano_shield_enable, "pano_shield_enable", regions_shown, changes.shield,
                 flags.shield_region_enabled);
    for (int i = 0; i < kShieldCount; ++i) {
        flags.shield_region_valid[size_t(i)] = true;
        display.shield[size_t(i)] = camera_to_scene(coord.shield[i]);
    }

    qDebug() << "GuideConfig::teacher_region_coord.pano_board_enable:" << coord.pano_board_enable;
    take_enables(coord.pano_board_enable, "pano_board_enable", regions_shown, changes.board,
                 flags.board_region_enabled);
    for (int i = 0; i < kBoardCount; ++i) {
        flags.board_region_valid[size_t(i)] = true;
        display.board[size_t(i)] = camera_to_scene(coord.board[i]);
    }
    return changes;
}

RegionRect collected(const QRectF &r)
{
    return {truncated(r.x()), truncated(r.y()), truncated(r.width()), truncated(r.height())};
}

RegionRect redrawn(const RegionRect &stored)
{
    return {stored.x - 1, stored.y - 1, stored.w, stored.h};
}

teacher_region_keys::ApplyRegions apply_regions(const TeacherDisplayRegion &display, const RegionFlags &flags,
                                                const std::array<bool, kShieldCount> &shield_boxes,
                                                const std::array<bool, kBoardCount> &board_boxes)
{
    teacher_region_keys::ApplyRegions a;
    a.snapshot = display.snapshot;
    a.snapshot_known = flags.snapshot_region_valid;
    a.tracking = display.tracking;
    a.tracking_known = flags.track_region_valid;
    for (int i = 0; i < kShieldCount; ++i) {
        a.shield[i] = display.shield[size_t(i)];
        a.shield_known[i] = flags.shield_region_valid[size_t(i)];
        a.shield_checked[i] = shield_boxes[size_t(i)];
    }
    for (int i = 0; i < kBoardCount; ++i) {
        a.board[i] = display.board[size_t(i)];
        a.board_known[i] = flags.board_region_valid[size_t(i)];
        a.board_checked[i] = board_boxes[size_t(i)];
    }
    return a;
}

} // namespace wizard_regions
