#pragma once

#include "model/section_values.h"
#include "protocol/parameter_block.h"
#include "protocol/teacher_region_keys.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

#include <optional>

// The teacher parameter block without widgets: the items of the teacher Apply in the order the
// camera expects, the Obtain requests, and the reading rules of the teacher reply's choice keys.
namespace teacher_parameters {

using parameter_block::Item;
using region_geometry::RegionRect;

// Values of the radio groups; an index that names no button (nothing checked) gives "".
QString losing_strategy_value(int index); // "0", "1", "2", "11"
QString multi_strategy_value(int index);  // "1", "2"
QString tracking_mode_value(int index);   // "0" to "5"
// Snapshot effects: None "0", Float "1", Alpha "2", Nobody "4"; no entry counts as None.
QString boardsnap_value(int entry);

// Where the block goes: the feature camera's address as the camera is to know it, and whether
// the feature camera (model M19) takes the snapshot effect "boardsnap_mode".
struct ApplyTarget {
    QString feature_camera_ip;
    bool boardsnap = false;
};

// The 65 item lines (66 with boardsnap_mode): the section's values, then the regions. A
// snapshot region the camera has not reported goes as snapshot_fallback when given, else as
// zeros. Sliders go as their labels' texts, spin boxes as their numbers, switches as "1"/"0".
QVector<Item> apply_items(const TeacherSection &section, const ApplyTarget &target,
                          const teacher_region_keys::ApplyRegions &regions,
                          const std::optional<RegionRect> &snapshot_fallback = std::nullopt);

// "teacher_parameter", "set_tracking_config_file" and the item lines, each line ending with a
// line feed.
QString apply_block(const TeacherSection &section, const ApplyTarget &target,
                    const teacher_region_keys::ApplyRegions &regions,
                    const std::optional<RegionRect> &snapshot_fallback = std::nullopt);

// The feature camera model that has the lectern mode (its HTTP interface) and the snapshot
// effect key "boardsnap_mode": "M19", compared whole and case-sensitive.
bool is_lectern_model(const QString &feature_model);

// "teacher_parameter\nget_tracking_config_file" and "teacher_parameter\nget_director_config_file".
QString obtain_block();
QString director_obtain_block();

// The focus-mode inquiry to the pano camera after an Obtain: "81 09 04 38 FF" for a J57,
// "8A 09 04 38 FF" (its crop picture) for an M19, nothing for other models.
QString focus_inquiry(const QString &pano_model);

// The feature tracking area of a lectern-mode M19 camera in the unit its HTTP interface uses
// (four times the region space), as the snapshot fallback and as the "effect_area" object.
// A product beyond the range of int stops at its bound.
RegionRect lectern_area(const RegionRect &feature);
QJsonObject lectern_area_object(const RegionRect &feature);

// Reading rules of the teacher reply's choice keys: the index of the widget entry to select, or
// nothing for a value the key does not know.
std::optional<int> losing_strategy_index(const QString &value);     // "0" "1" "2" "11"
std::optional<int> multi_strategy_index(const QString &oneChar);    // "1" "2"
std::optional<int> tracking_mode_index(const QString &oneChar);     // "0" .. "5"
std::optional<int> boardsnap_entry(const QString &oneChar);         // "0" "1" "2", "4" is entry 3
int config_switch_index(const QString &oneChar);                    // "1": Tracking Config 1
int persontrack_index(const QString &oneChar);                      // "0": Close

// Whether the reply carries any region key or region enable string (a reply that only confirms
// an Apply carries none).
bool carries_region_keys(const QString &reply);

// Stores the region keys of a teacher reply into coord. A tracking region whose y ("pano_tilt_
// scale") comes as 0 is kept as 5, inside the scene's drawable band.
void store_regions(const QString &reply, teacher_region_keys::TeacherRegionCoord &coord);

// The keys of a teacher reply that the Teacher tab reads, as the reply carries them: null when
// the key is missing; a choice or switch key by its one character, any other key by its whole
// value.
struct Reply {
    QString pano_sensitivity; // one character
    QString feature_distance;
    QString pano_distance;
    QString pano_pan_offset;
    QString pano_tilt_offset;
    QString losing_object_strategy;
    QString multi_object_strategy; // one character
    QString tracking_mode;         // one character
    QString time_to_pano_delay;
    QString time_lost_delay;
    QString board_detect_time;
    QString board_continue_time;
    QString board_lose_time;
    QString board_face_interval_time;
    QString board_detect_enable; // one character, like the switches below
    QString board_face_enable;
    QString board_hand_enable;
    QString config_switch;
    QString feature_persontrack_mode;
    QString auto_tracking;
    QString manual_focus;
    QString auto_tilt;
    QString boardsnap_mode;
    QString feature_realtime_track;
    QString ptzspeed_level;
    QString username;
    QString password;
    QString feature_version;
    QString pano_version;
    QString device_model;
};
Reply read_reply(const QString &text);

// The reply's keys into the section, each by its reading rule; a key the reply does not hold, or
// a choice value its key does not know, leaves its member. A slider's value takes the text as
// received and the position it gives (the tab's slider then clamps it and, when it moves, writes
// its own text). keep_ptzspeed_level: the calibration view holds the field, which keeps its
// text. A reply that names the device model clears the customer model.
void fill(TeacherSection &section, const Reply &reply, bool keep_ptzspeed_level);

} // namespace teacher_parameters
