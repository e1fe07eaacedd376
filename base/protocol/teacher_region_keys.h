#pragma once

#include "model/region_geometry.h"

#include <QPair>
#include <array>
#include <QString>
#include <QVector>

#include <optional>

// The region keys of the teacher parameter block, without widgets: reading them from a teacher
// reply into camera-space values, the two enable strings, and the region section of a teacher
// apply (keys, order and values).
namespace teacher_region_keys {

using region_geometry::RegionRect;

constexpr int kShieldCount = 4;
constexpr int kBoardCount = 3;

// The region values of the last teacher reply, in the camera's 640 by 360 space. A key missing
// from a reply leaves its field as it was.
struct TeacherRegionCoord
{
    RegionRect snapshot;
    RegionRect feature;
    int fea_pan_position = 0;
    int fea_tilt_position = 0;
    RegionRect tracking;
    QString pano_shield_enable;     // null until a reply carried "pano_shield_enable"
    RegionRect shield[kShieldCount];
    QString pano_board_enable;      // null until a reply carried "teacher_board_enable"
    RegionRect board[kBoardCount];
};

// The teacher regions in scene units (480 by 270), as read from a reply or collected from the
// region scene.
struct TeacherRegionRects
{
    RegionRect feature;
    RegionRect snapshot;
    RegionRect tracking;
    RegionRect shield[kShieldCount];
    RegionRect board[kBoardCount]; // 1 left, 2 right, 3 centre
};

// The four keys of one region: x ("pan ... scale"), y ("tilt ... scale"), width and height
// ("... increment").
struct RegionKeys
{
    const char *x;
    const char *y;
    const char *w;
    const char *h;
};

extern const RegionKeys kSnapshotKeys;
extern const RegionKeys kFeatureKeys;
extern const RegionKeys kTrackingKeys;
extern const RegionKeys kShieldKeys[kShieldCount];
extern const RegionKeys kBoardKeys[kBoardCount]; // 1 left, 2 right, 3 centre
// The four key names in the order x, y, width, height.
inline std::array<const char *, 4> key_list(const RegionKeys &keys) { return {keys.x, keys.y, keys.w, keys.h}; }
constexpr char kShieldEnableKey[] = "pano_shield_enable";
constexpr char kBoardEnableKey[] = "teacher_board_enable";

// Value of a key in a reply: the text after "key=" up to the next line feed, found only at the
// start of a line (the first such line wins); null when the key is absent.
QString reply_value(const QString &reply, const QString &key);

// Stores every region key the reply carries. Numbers are read as decimal integers; a present
// key with an empty or non-numeric value stores 0. The enable strings are kept whole.
void store_teacher_region_keys(const QString &reply, TeacherRegionCoord &coord);

// One character of an enable string: '1' on, '0' off; any other character, and a character
// the string does not have, says nothing (the check box and flags stay as they are).
std::optional<bool> enable_char(const QString &enable, int index);

// "0000" with character i set to '1' for each checked shield i; likewise "000" for the boards.
QString shield_enable_text(const bool checked[kShieldCount]);
QString board_enable_text(const bool checked[kBoardCount]);

// What the teacher apply sends of the regions. The rectangles are in scene units (as collected
// from the scene); a region is sent converted only when its known flag is set.
struct ApplyRegions
{
    RegionRect snapshot;
    RegionRect tracking;
    RegionRect shield[kShieldCount];
    RegionRect board[kBoardCount];
    bool snapshot_known = false;
    bool tracking_known = false;
    bool shield_known[kShieldCount] = {false, false, false, false};
    bool board_known[kBoardCount] = {false, false, false};
    bool shield_checked[kShieldCount] = {false, false, false, false};
    bool board_checked[kBoardCount] = {false, false, false};
};

// The tracking region the camera gets while none is known: 20, 80, 610, 80 in camera units.
constexpr RegionRect kDefaultCameraTracking = {20, 80, 610, 80};

// The VISCA text that turns the camera's own drawing of its regions on ("81 01 04 57 02 FF") or
// off ("81 01 04 57 01 FF").
QString region_display_visca(bool on);

using Item = QPair<QString, QString>;

// The region items of the teacher apply in the order the camera expects: snapshot, tracking,
// "pano_shield_enable", shields 1 to 4, "teacher_board_enable", boards 1 to 3 (left, right,
// centre). Unknown snapshot, shield and board regions go as zeros.
QVector<Item> apply_region_items(const ApplyRegions &regions);

// The same items as text, one "key=value\n" line each.
QString apply_region_section(const ApplyRegions &regions);

} // namespace teacher_region_keys
