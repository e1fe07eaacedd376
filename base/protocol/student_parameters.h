#pragma once

#include "model/section_values.h"
#include "model/student_region_points.h"
#include "protocol/student_region_coord.h"
#include "protocol/parameter_block.h"

#include <QString>
#include <QVector>

#include <array>

// The student parameter block without widgets: the items of the student Apply in the order the
// camera expects, the Obtain and calibration-height requests, and the device-model rule of the
// student reply.
namespace student_parameters {

using parameter_block::Item;

// Where the block goes and what goes with it: the feature camera's address as the camera is to
// know it, and whether both student cameras are J57 and show the position-calibration widgets
// (the calibration points go with the block).
struct ApplyTarget {
    QString feature_camera_ip;
    bool calibration_shown = false;
};

// "11110"/"00000" in the old point format, "111111"/"000000" in the new one.
QString designated_enable(bool checked, bool old_format);

// The item lines: the section's values, the calibration group (only when shown), the area
// corners, the designated points and the shields (in the section's point format). A radio pair
// with no button checked goes as its second choice for the lost target, its first otherwise.
QVector<Item> apply_items(const StudentSection &section, const ApplyTarget &target, const StudentRegionPoints &points);

// "student_parameter", "set_tracking_config_file" and the item lines, joined by line feeds, with
// none after the last line.
QString apply_block(const StudentSection &section, const ApplyTarget &target, const StudentRegionPoints &points);

// "student_parameter\nget_tracking_config_file" and "student_parameter\nget_director_config_file".
QString obtain_block();
QString director_obtain_block();

// The calibration height choice as a block of its own: "pano_calibrate_height=" 90 for an item
// text holding "90cm", else 0.
QString calibration_height_block(const QString &item_text);

// The reply's "pano_calibrate_height": index 1 ("90cm") when it holds "90", else 0.
int calibration_height_index(const QString &value);

// The device-model step of a student reply (value empty when the key is missing): the eptz and
// cutout buttons are offered only by models whose code holds "O"; the customer-model flag of
// the student configuration is kept only by an "O" model whose code also holds "S2".
struct DeviceModelStep {
    bool eptz_buttons_enabled = false;
    bool keep_customer_flag = false;
};
DeviceModelStep device_model_step(const QString &model);

// The keys of a student reply that the Student tab reads besides its points, as the reply
// carries them: null when the key is missing; a choice or switch key by its one character, any
// other key by its whole value.
struct Reply {
    QString pano_sensitivity; // one character
    QString pano_object_size;
    QString pano_height;
    QString pano_length;
    QString pano_camera_height;
    QString pano_pan_offset;
    QString pano_tilt_offset;
    QString eptz_mode;              // one character
    QString losing_object_strategy; // one character
    QString time_delay;
    QString multi_object_strategy; // one character
    QString pan_speed;
    QString response_time;
    QString feature_continue_max_time;
    QString time_to_pano_delay;
    QString config_switch; // one character, like the switches below
    QString auto_tracking;
    QString face_detect;
    QString pano_switch;
    QString ptzspeed_level;
    QString pano_designated_number_of_people;
    QString pano_calibrate_height;
    QString feature_version;
    QString pano_version;
    QString device_model;
    // The reply confirms an Apply ("set_student_config_file"): it says nothing of the model.
    bool apply_confirmation = false;
};
Reply read_reply(const QString &text);

// The reply's keys into the section (its points and region checks aside), each by its reading
// rule; a key the reply does not hold, or a choice value its key does not know, leaves its
// member. keep_ptzspeed_level: the calibration view holds the field, which keeps its text. A
// reply other than an Apply's confirmation decides the customer model by its device model.
void fill(StudentSection &section, const Reply &reply, bool keep_ptzspeed_level);

// What a reply's region keys made of the check boxes and the point format, into the section.
void take_region_checks(StudentSection &section, const StudentRegionChecks &checks);

// Stores every point and shield key the reply carries (student_point_keys::store_reply_points)
// and its four enable strings into coord; returns which of them it carried.
StudentReplyKeys store_reply_regions(const QString &reply, StudentRegionPoints &points, StudentRegionCoord &coord);

// An auto-calibration answer ("student_autocalibrate_status") that reports a failure.
bool autocalibrate_failed(const QString &value);

} // namespace student_parameters
