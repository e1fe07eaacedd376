#pragma once

#include "model/student_region_points.h"
#include "protocol/parameter_block.h"

#include <QString>
#include <QVector>

#include <array>

// The student parameter block without widgets: the items of the student Apply in the order the
// camera expects, the Obtain and calibration-height requests, and the device-model rule of the
// student reply.
namespace student_parameters {

using parameter_block::Item;

// What the student tab holds, already in the texts the block carries.
struct ApplyValues {
    QString feature_camera_ip;
    QString pano_sensitivity;
    QString pano_object_size;
    QString pano_height;
    QString pano_pan_offset;
    QString pano_tilt_offset;
    bool none_action = false;  // losing the target: stay (else back to the first pano preset)
    bool eptz = false;         // eptz (else cutout)
    QString time_delay;
    bool return_pano = false;  // several targets: back to pano (else the small pano)
    QString ptzspeed_level;
    QString pano_pan_speed;    // as the camera last reported it; empty: never reported
    QString response_time;     // likewise
    QString feature_continue_max_time;
    QString time_to_pano_delay;
    bool auto_tracking = false;
    bool face_detect = false;
    bool pano_switch = false;
    std::array<bool, 4> shield_checked{};
    QString people_number;
    bool designated_checked = false;
    bool forward_checked = false;
    // Both student cameras are J57 and show the position-calibration widgets: the calibration
    // points go with the block.
    bool calibration_shown = false;
    // The camera speaks the old point format: four designated points, five-character enable.
    bool old_format = true;
};

// "11110"/"00000" in the old point format, "111111"/"000000" in the new one.
QString designated_enable(bool checked, bool old_format);

// The item lines: the tab's values, the calibration group (only when shown), the area corners,
// the designated points and the shields.
QVector<Item> apply_items(const ApplyValues &values, const StudentRegionPoints &points);

// "student_parameter", "set_tracking_config_file" and the item lines, joined by line feeds, with
// none after the last line.
QString apply_block(const ApplyValues &values, const StudentRegionPoints &points);

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

} // namespace student_parameters
