#include "protocol/student_parameters.h"

#include "protocol/reply_values.h"
#include "protocol/student_point_keys.h"

namespace student_parameters {

namespace {
QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
QString or_default(const QString &text, const char *fallback)
{
    return text.isEmpty() ? QString::fromLatin1(fallback) : text;
}
} // namespace

QString designated_enable(bool checked, bool old_format)
{
    if (old_format)
        return checked ? QStringLiteral("11110") : QStringLiteral("00000");
    return checked ? QStringLiteral("111111") : QStringLiteral("000000");
}

QVector<Item> apply_items(const StudentSection &v, const ApplyTarget &target, const StudentRegionPoints &points)
{
    QString shields;
    for (bool on : v.shield_enabled)
        shields += flag(on);
    QVector<Item> items = {
        {QStringLiteral("feature_camera_ip"), target.feature_camera_ip},
        {QStringLiteral("pano_sensitivity"), v.pano_sensitivity.text},
        {QStringLiteral("pano_object_size"), v.pano_object_size.text},
        {QStringLiteral("pano_height"), v.pano_height},
        {QStringLiteral("pano_pan_offset"), v.pano_pan_offset.text},
        {QStringLiteral("pano_tilt_offset"), v.pano_tilt_offset.text},
        {QStringLiteral("losing_object_strategy"), v.losing_object_strategy == 0 ? QStringLiteral("0") : QStringLiteral("1")},
        {QStringLiteral("eptz_mode"), flag(v.eptz_mode == 1)},
        {QStringLiteral("time_delay"), v.time_delay.text},
        {QStringLiteral("multi_object_strategy"), v.multi_object_strategy == 1 ? QStringLiteral("2") : QStringLiteral("1")},
        {QStringLiteral("ptzspeed_level"), v.ptzspeed_level},
        {QStringLiteral("pano_pan_speed"), or_default(v.pan_speed, "20")},
        {QStringLiteral("response_time"), or_default(v.response_time, "0.0")},
        {QStringLiteral("feature_continue_max_time"), QString::number(v.feature_continue_max_time)},
        {QStringLiteral("time_to_pano_delay"), QString::number(v.time_to_pano_delay)},
        // The pano lens: picture format, field of view and its mounting corrections.
        {QStringLiteral("pano_camera_format"), QStringLiteral("0")},
        {QStringLiteral("pano_max_angle"), QStringLiteral("84")},
        {QStringLiteral("pano_pan_correction"), QStringLiteral("-5")},
        {QStringLiteral("pano_tilt_correction"), QStringLiteral("3.6")},
        {QStringLiteral("auto_tracking"), flag(v.auto_tracking)},
        {QStringLiteral("face_detect"), flag(v.face_detect)},
        {QStringLiteral("pano_switch"), flag(v.pano_switch)},
        {QStringLiteral("pano_shield_enable"), shields},
        {QStringLiteral("pano_designated_number_of_people"), v.people_number},
        {QStringLiteral("pano_designated_enable"), designated_enable(v.designated_enabled, v.old_point_format)},
        {QStringLiteral("pano_student_forward_enable"), flag(v.forward_enabled)},
    };
    if (target.calibration_shown)
        items += student_point_keys::calibration_items(points.pano_calibrate_points, points.feature_calibrate_points);
    items += student_point_keys::corner_items(points.student_area_points);
    items += student_point_keys::designated_items(points.student_designated_points, v.old_point_format);
    items += student_point_keys::shield_items(points.student_shield_points, points.student_shield_drawn);
    return items;
}

QString apply_block(const StudentSection &section, const ApplyTarget &target, const StudentRegionPoints &points)
{
    return parameter_block::build({QLatin1String(parameter_block::kStudentSection),
                                   QLatin1String(parameter_block::kSetTrackingConfigFile)},
                                  apply_items(section, target, points));
}

QString obtain_block()
{
    return parameter_block::join({QLatin1String(parameter_block::kStudentSection),
                                  QLatin1String(parameter_block::kGetTrackingConfigFile)});
}

QString director_obtain_block()
{
    return parameter_block::join({QLatin1String(parameter_block::kStudentSection),
                                  QLatin1String(parameter_block::kGetDirectorConfigFile)});
}

QString calibration_height_block(const QString &item_text)
{
    const QString height = item_text.contains(QLatin1String("90cm")) ? QStringLiteral("90") : QStringLiteral("0");
    return parameter_block::build({QLatin1String(parameter_block::kStudentSection),
                                   QLatin1String(parameter_block::kSetTrackingConfigFile)},
                                  {{QStringLiteral("pano_calibrate_height"), height}});
}

int calibration_height_index(const QString &value) { return value.contains(QLatin1String("90")) ? 1 : 0; }

DeviceModelStep device_model_step(const QString &model)
{
    DeviceModelStep step;
    step.eptz_buttons_enabled = model.contains(QLatin1Char('O'));
    step.keep_customer_flag = step.eptz_buttons_enabled && model.contains(QLatin1String("S2"));
    return step;
}

Reply read_reply(const QString &t)
{
    const auto one = [&t](const char *key) { return parameter_block::one_char_value(t, QLatin1String(key)); };
    const auto line = [&t](const char *key) { return parameter_block::value(t, QLatin1String(key)); };
    Reply r;
    r.pano_sensitivity = one("pano_sensitivity");
    r.pano_object_size = line("pano_object_size");
    r.pano_height = line("pano_height");
    r.pano_length = line("pano_length");
    r.pano_camera_height = line("pano_camera_height");
    r.pano_pan_offset = line("pano_pan_offset");
    r.pano_tilt_offset = line("pano_tilt_offset");
    r.eptz_mode = one("eptz_mode");
    r.losing_object_strategy = one("losing_object_strategy");
    r.time_delay = line("time_delay");
    r.multi_object_strategy = one("multi_object_strategy");
    r.pan_speed = line("pan_speed");
    r.response_time = line("response_time");
    r.feature_continue_max_time = line("feature_continue_max_time");
    r.time_to_pano_delay = line("time_to_pano_delay");
    r.config_switch = one("config_switch");
    r.auto_tracking = one("auto_tracking");
    r.face_detect = one("face_detect");
    r.pano_switch = one("pano_switch");
    r.ptzspeed_level = line("ptzspeed_level");
    r.pano_designated_number_of_people = line("pano_designated_number_of_people");
    r.pano_calibrate_height = line("pano_calibrate_height");
    r.feature_version = line("feature_version");
    r.pano_version = line("pano_version");
    r.device_model = line("device_model");
    r.apply_confirmation = t.contains(QLatin1String("set_student_config_file"));
    return r;
}

StudentReplyKeys store_reply_regions(const QString &t, StudentRegionPoints &points, StudentRegionCoord &coord)
{
    StudentReplyKeys carried = student_point_keys::store_reply_points(t, points, coord);
    const struct {
        const char *key;
        QString *field;
        bool *carried;
    } enables[] = {
        {"pano_student_forward_enable", &coord.pano_student_forward_enable, &carried.forward_enable},
        {"pano_designated_enable", &coord.pano_designated_enable, &carried.designated_enable},
        {"pano_shield_enable", &coord.pano_shield_enable, &carried.shield_enable},
        {"pano_calibrate_enable", &coord.pano_calibrate_enable, &carried.calibrate_enable},
    };
    for (const auto &row : enables) {
        const QString v = parameter_block::value(t, QLatin1String(row.key));
        if (!v.isNull()) {
            *row.field = v;
            *row.carried = true;
        }
    }
    return carried;
}

void fill(StudentSection &s, const Reply &r, bool keep_ptzspeed_level)
{
    using reply_values::number;
    const auto take_slider = [](SliderText &member, const QString &text, int position) {
        if (!text.isNull())
            member = {text, position};
    };
    const auto take_text = [](QString &member, const QString &text) {
        if (!text.isNull())
            member = text;
    };
    const auto take_number = [](int &member, const QString &text) {
        if (!text.isNull())
            member = number(text);
    };
    const auto take_switch = [](bool &member, const QString &oneChar) {
        if (const auto on = reply_values::zero_one(oneChar))
            member = *on;
    };
    take_slider(s.pano_sensitivity, r.pano_sensitivity, number(r.pano_sensitivity));
    take_slider(s.pano_object_size, r.pano_object_size, slider_text::size_position(r.pano_object_size));
    take_text(s.pano_height, r.pano_height);
    take_text(s.pano_length, r.pano_length);
    take_text(s.pano_camera_height, r.pano_camera_height);
    take_slider(s.pano_pan_offset, r.pano_pan_offset, reply_values::offset_position(r.pano_pan_offset));
    take_slider(s.pano_tilt_offset, r.pano_tilt_offset, reply_values::offset_position(r.pano_tilt_offset));
    if (const auto eptz = reply_values::zero_one(r.eptz_mode))
        s.eptz_mode = *eptz ? 1 : 0;
    if (const auto pano = reply_values::zero_one(r.losing_object_strategy))
        s.losing_object_strategy = *pano ? 1 : 0;
    take_slider(s.time_delay, r.time_delay, number(r.time_delay));
    if (r.multi_object_strategy == QLatin1String("1"))
        s.multi_object_strategy = 0;
    else if (r.multi_object_strategy == QLatin1String("2"))
        s.multi_object_strategy = 1;
    take_text(s.pan_speed, r.pan_speed);
    take_text(s.response_time, r.response_time);
    take_number(s.feature_continue_max_time, r.feature_continue_max_time);
    take_number(s.time_to_pano_delay, r.time_to_pano_delay);
    take_switch(s.auto_tracking, r.auto_tracking);
    take_switch(s.face_detect, r.face_detect);
    take_switch(s.pano_switch, r.pano_switch);
    if (!keep_ptzspeed_level)
        take_text(s.ptzspeed_level, r.ptzspeed_level);
    take_text(s.people_number, r.pano_designated_number_of_people);
    take_text(s.feature_version, r.feature_version);
    take_text(s.pano_version, r.pano_version);
    // An Apply's confirmation says nothing of the camera's model.
    if (!r.apply_confirmation && !device_model_step(r.device_model).keep_customer_flag)
        s.customer_model = false;
}

void take_region_checks(StudentSection &s, const StudentRegionChecks &checks)
{
    s.old_point_format = checks.old_format;
    if (checks.designated_region)
        s.designated_enabled = *checks.designated_region;
    if (checks.track_region)
        s.forward_enabled = *checks.track_region;
    for (size_t i = 0; i < s.shield_enabled.size(); ++i) {
        if (checks.shield[i])
            s.shield_enabled[i] = *checks.shield[i];
    }
}

bool autocalibrate_failed(const QString &value) { return value.contains(QLatin1String("fail")); }

} // namespace student_parameters
