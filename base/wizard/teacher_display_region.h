#pragma once

#include "model/region_geometry.h"
#include "protocol/teacher_region_keys.h"

#include <QRectF>
#include <QString>

#include <array>
#include <optional>

// The first-run wizard's teacher regions, without widgets: the rectangles as displayed on the
// region scene (`teacher_display_region`, scene units), the flags that say which are in use,
// known and shown, their fill from a camera reply and what the teacher block sends of them.
// The main window keeps regions of its own; the wizard borrows only its scene.
namespace wizard_regions {

using region_geometry::RegionRect;

constexpr int kShieldCount = teacher_region_keys::kShieldCount;
constexpr int kBoardCount = teacher_region_keys::kBoardCount;

// The region items' names on the scene. Board one is the left, two the right, three the centre.
extern const char *const kTrackingName;
extern const char *const kSnapshotName;
extern const char *const kShieldNames[kShieldCount];
extern const char *const kBoardNames[kBoardCount];

// The tracking region shown when the stored one does not fit the scene.
constexpr RegionRect kDefaultTracking = {15, 60, 450, 120};

// Every region's rectangle as displayed (left, top, width, height in scene units); all zero at
// first.
struct TeacherDisplayRegion {
    RegionRect tracking;
    RegionRect snapshot;
    std::array<RegionRect, kBoardCount> board{};
    std::array<RegionRect, kShieldCount> shield{};
};

struct RegionFlags {
    std::array<bool, kShieldCount> shield_region_enabled{}; // in use: displayed and painted
    std::array<bool, kBoardCount> board_region_enabled{};
    // The region's values are sent by the teacher block: known from a reply.
    bool track_region_valid = false;
    bool snapshot_region_valid = false;
    std::array<bool, kBoardCount> board_region_valid{};
    std::array<bool, kShieldCount> shield_region_valid{};
    bool snapshot_region_shown = false;
    bool track_region_shown = false;
    // Show the regions once the next reply has been read (the get request arms it).
    bool region_display_pending = false;
};

// What a reply's enable strings do to the region boxes: a state to set, or none.
struct BoxChanges {
    std::array<std::optional<bool>, kShieldCount> shield{};
    std::array<std::optional<bool>, kBoardCount> board{};
};

// A value of a reply in camera units on the scene: halved, then times 1.5, each step toward zero
// (region_geometry::camera_to_scene), so an odd value loses a unit: 3 gives 1, 7 gives 4.
// teacher_restore_region: every region of coord into display; the snapshot, tracking, shields and
// boards become valid. Character n of an enable string checks box n ('1', which enables the
// region only while the regions are shown) or unchecks it and disables the region ('0'); any
// other character, and a character the string does not have, changes nothing.
BoxChanges teacher_restore_region(const teacher_region_keys::TeacherRegionCoord &coord, bool regions_shown,
                                  TeacherDisplayRegion &display, RegionFlags &flags);

// An item's rectangle read back from the scene (item_scene_rect: one unit right of and below
// the drawn rectangle, the drawn width and height), truncated toward zero.
RegionRect collected(const QRectF &scene_rect);
// The rectangle an item is drawn at again from its stored one: one unit up and left.
RegionRect redrawn(const RegionRect &stored);

// What the teacher block sends: the stored rectangles, each converted when its region is valid,
// and the states of the shield and board boxes.
teacher_region_keys::ApplyRegions apply_regions(const TeacherDisplayRegion &display, const RegionFlags &flags,
                                                const std::array<bool, kShieldCount> &shield_boxes,
                                                const std::array<bool, kBoardCount> &board_boxes);

} // namespace wizard_regions
