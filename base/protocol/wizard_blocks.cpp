#include "protocol/wizard_blocks.h"

#include "protocol/camera_address.h"
#include "protocol/director_parameters.h"
#include "protocol/student_point_keys.h"
#include "protocol/teacher_parameters.h"

namespace wizard_blocks {

namespace {

using parameter_block::build;
using namespace parameter_block;

QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
Item fixed(const char *key, const char *value) { return {QLatin1String(key), QLatin1String(value)}; }

// The binocular mode: what a fresh installation tracks with.
constexpr int kDefaultMode = 2;
constexpr int kModeCount = 5;

// Layouts: 2 for five cameras (board 1), 3 for six (boards 1 and 2).
constexpr int kFiveCameras = 2;
constexpr int kSixCameras = 3;

} // namespace

QString tracking_mode_value(int mode)
{
    return QString::number(mode >= 0 && mode < kModeCount ? mode : kDefaultMode);
}

QVector<Item> teacher_items(const TeacherSection &v, const QString &feature_ip_text,
                            const teacher_region_keys::ApplyRegions &regions)
{
    QVector<Item> items = {
        {QStringLiteral("feature_camera_ip"), camera_address::address_part(feature_ip_text)},
        // The wizard leaves the sensitivity, distances and offsets at the camera's usual values.
        fixed("pano_sensitivity", "2"),
        fixed("feature_distance", "7.5"),
        fixed("pano_distance", "7.5"),
        fixed("pano_pan_offset", "0"),
        fixed("pano_tilt_offset", "0"),
        {QStringLiteral("losing_object_strategy"), teacher_parameters::losing_strategy_value(v.losing_object_strategy)},
        {QStringLiteral("multi_object_strategy"), teacher_parameters::multi_strategy_value(v.multi_object_strategy)},
        {QStringLiteral("tracking_mode"), tracking_mode_value(v.tracking_mode)},
        {QStringLiteral("time_to_pano_delay"), QString::number(v.time_to_pano_delay)},
        fixed("target_no_action_hold_time", "300"),
        {QStringLiteral("ptzspeed_level"), v.ptzspeed_level},
        {QStringLiteral("board_detect_enable"), flag(v.board_detect_enable)},
        {QStringLiteral("board_detect_time"), v.board_detect_time.text},
        {QStringLiteral("board_continue_time"), v.board_continue_time.text},
        fixed("board_lose_time", "3"),
        fixed("board_face_interval_time", "3"),
        {QStringLiteral("auto_tracking"), flag(v.auto_tracking)},
        fixed("auto_zoom", "1"),
        {QStringLiteral("manual_focus"), flag(v.manual_focus)},
        {QStringLiteral("auto_tilt"), flag(v.auto_tilt)},
        fixed("whole_tracking", "0"),
    };
    for (const teacher_region_keys::Item &r : teacher_region_keys::apply_region_items(regions))
        items.append({r.first, r.second});
    return items;
}

QString teacher_block(const TeacherSection &section, const QString &feature_ip_text,
                      const teacher_region_keys::ApplyRegions &regions)
{
    return build({QLatin1String(kTeacherSection), QLatin1String(kSetTrackingConfigFile)},
                 teacher_items(section, feature_ip_text, regions))
        + QLatin1Char('\n');
}

QVector<Item> student_items(const StudentSection &v, const QString &feature_ip_text, const StudentArea &area)
{
    QString shields;
    for (bool on : v.shield_enabled)
        shields += flag(on);
    QVector<Item> items = {
        {QStringLiteral("feature_camera_ip"), camera_address::address_part(feature_ip_text)},
        // The wizard sends the pano camera's usual sensitivity, object size, height and offsets.
        fixed("pano_sensitivity", "4"),
        fixed("pano_object_size", "1.0"),
        fixed("pano_height", "2.2"),
        fixed("pano_pan_offset", "0"),
        fixed("pano_tilt_offset", "0"),
        {QStringLiteral("losing_object_strategy"), v.losing_object_strategy == 1 ? QStringLiteral("1") : QStringLiteral("0")},
        fixed("eptz_mode", "1"),
        {QStringLiteral("time_delay"), v.time_delay.text},
        {QStringLiteral("multi_object_strategy"), v.multi_object_strategy == 1 ? QStringLiteral("2") : QStringLiteral("1")},
        fixed("pano_pan_speed", "20"),
        fixed("response_time", "1.0"),
        {QStringLiteral("feature_continue_max_time"), QString::number(v.feature_continue_max_time)},
        // The pano lens: picture format, field of view and its mounting corrections.
        fixed("pano_camera_format", "0"),
        fixed("pano_max_angle", "84"),
        fixed("pano_pan_correction", "-5"),
        fixed("pano_tilt_correction", "3.6"),
        {QStringLiteral("auto_tracking"), flag(v.auto_tracking)},
        {QStringLiteral("face_detect"), flag(v.face_detect)},
        {QStringLiteral("pano_switch"), flag(v.pano_switch)},
        {QStringLiteral("pano_shield_enable"), shields},
    };
    items += student_point_keys::corner_items(area.corners);
    items += student_point_keys::shield_items(area.shields, area.shield_ready);
    return items;
}

QString student_block(const StudentSection &section, const QString &feature_ip_text, const StudentArea &area)
{
    return build({QLatin1String(kStudentSection), QLatin1String(kSetTrackingConfigFile)},
                 student_items(section, feature_ip_text, area));
}

QString board_block(const Guide_Data_Update_Manage &a)
{
    const QVector<Item> items = {
        {QStringLiteral("board_feature_ip"), camera_address::address_part(a.board_feature_ip)},
        {QStringLiteral("board_feature1_ip"), camera_address::address_part(a.board_pano_ip)},
        {QStringLiteral("board_feature1_enable"), flag(a.camera_number == kSixCameras)},
        {QStringLiteral("board_feature_enable"), flag(a.camera_number == kFiveCameras || a.camera_number == kSixCameras)},
    };
    return build({QLatin1String(kTeacherSection), QLatin1String(kBoardSection), QLatin1String(kSetTrackingConfigFile)},
                 items)
        + QLatin1Char('\n');
}

QVector<Item> director_items(const DirectorSection &section, const Guide_Data_Update_Manage &a)
{
    namespace dp = director_parameters;
    DirectorSection s = section;
    const bool two_cameras = a.camera_number == 0;
    s.teacher_pano_ip = two_cameras ? a.teacher_feature_ip : a.teacher_pano_ip;
    s.student_pano_ip = two_cameras ? a.student_feature_ip : a.student_pano_ip;
    s.blackboard_camera_ip = a.board_feature_ip;
    // The pano cameras' director port and serial speed, and the shortest time between two
    // switches, as the recording hosts expect them.
    s.pano_port = QStringLiteral("8791");
    s.uart_baud = QStringLiteral("9600");
    s.min_switch_time.text = QStringLiteral("3");
    QVector<Item> items;
    for (const dp::Row &row : dp::rows()) {
        if (row.field == dp::Field::KeepInterval || row.field == dp::Field::MovingInterval
            || row.field == dp::Field::MultiInterval)
            continue;
        items.append({QLatin1String(row.key), dp::wire_value(s, row.field, a.camera_number == kSixCameras)});
    }
    return items;
}

QString director_block(const DirectorSection &section, const Guide_Data_Update_Manage &addresses)
{
    return build({QLatin1String(kDirectorSection), QLatin1String(kSetDirectorConfigFile)},
                 director_items(section, addresses));
}

} // namespace wizard_blocks
