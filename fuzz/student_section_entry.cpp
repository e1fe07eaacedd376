#include "fuzz/student_section_entry.h"

#include "fuzz/fuzz_text.h"
#include "protocol/reply_values.h"
#include "protocol/student_parameters.h"
#include "protocol/student_point_keys.h"
#include "model/slider_text.h"

namespace sp = student_parameters;

namespace {

const fuzz_text::ReplyField<sp::Reply> kFields[] = {
    {"pano_sensitivity", &sp::Reply::pano_sensitivity, true},
    {"pano_object_size", &sp::Reply::pano_object_size, false},
    {"pano_height", &sp::Reply::pano_height, false},
    {"pano_length", &sp::Reply::pano_length, false},
    {"pano_camera_height", &sp::Reply::pano_camera_height, false},
    {"pano_pan_offset", &sp::Reply::pano_pan_offset, false},
    {"pano_tilt_offset", &sp::Reply::pano_tilt_offset, false},
    {"eptz_mode", &sp::Reply::eptz_mode, true},
    {"losing_object_strategy", &sp::Reply::losing_object_strategy, true},
    {"time_delay", &sp::Reply::time_delay, false},
    {"multi_object_strategy", &sp::Reply::multi_object_strategy, true},
    {"pan_speed", &sp::Reply::pan_speed, false},
    {"response_time", &sp::Reply::response_time, false},
    {"feature_continue_max_time", &sp::Reply::feature_continue_max_time, false},
    {"time_to_pano_delay", &sp::Reply::time_to_pano_delay, false},
    {"config_switch", &sp::Reply::config_switch, true},
    {"auto_tracking", &sp::Reply::auto_tracking, true},
    {"face_detect", &sp::Reply::face_detect, true},
    {"pano_switch", &sp::Reply::pano_switch, true},
    {"ptzspeed_level", &sp::Reply::ptzspeed_level, false},
    {"pano_designated_number_of_people", &sp::Reply::pano_designated_number_of_people, false},
    {"pano_calibrate_height", &sp::Reply::pano_calibrate_height, false},
    {"feature_version", &sp::Reply::feature_version, false},
    {"pano_version", &sp::Reply::pano_version, false},
    {"device_model", &sp::Reply::device_model, false},
};

QString check_rules(const sp::Reply &r)
{
    const sp::DeviceModelStep step = sp::device_model_step(r.device_model);
    if (step.eptz_buttons_enabled != r.device_model.contains(QLatin1Char('O'))
        || (step.keep_customer_flag && !step.eptz_buttons_enabled))
        return QStringLiteral("device model \"%1\" misread").arg(r.device_model);
    const int height = sp::calibration_height_index(r.pano_calibrate_height);
    if (height != 0 && height != 1)
        return QStringLiteral("calibration height index %1").arg(height);
    const int size = slider_text::size_position(r.pano_object_size);
    if (size >= 1 && size <= 16 && slider_text::size_position(slider_text::size_text(size)) != size)
        return QStringLiteral("object size position %1 does not survive its text").arg(size);
    for (const QString *v : {&r.pano_pan_offset, &r.pano_tilt_offset})
        reply_values::offset_position(*v);
    return QString();
}

bool differs_by_at_most(int a, int b, int limit)
{
    return qint64(a) - qint64(b) <= limit && qint64(b) - qint64(a) <= limit;
}

bool in_label_space(const QPoint &p)
{
    return p.x() >= 0 && p.x() <= 480 && p.y() >= 0 && p.y() <= 270;
}

// A point that went out and came back: the conversions lose at most two units, and a coordinate
// that comes back 0 takes its default.
bool came_back(const QPoint &sent, const QPoint &read)
{
    if (!in_label_space(sent))
        return true;
    return (differs_by_at_most(sent.x(), read.x(), 2) || sent.x() <= 2)
        && (differs_by_at_most(sent.y(), read.y(), 2) || sent.y() <= 2);
}

// The tab after the reply sends an Apply; that Apply, read back, gives the tab the same state.
QString check_round_trip(const QString &text, const StudentRegionPoints &tab, bool old_format,
                         fuzz_text::Numbers &numbers)
{
    const QStringList p = fuzz_text::pieces(text, 12);
    StudentSection v;
    sp::ApplyTarget target;
    target.feature_camera_ip = p[0];
    v.pano_sensitivity.text = p[1];
    v.pano_object_size.text = p[2];
    v.pano_height = p[3];
    v.time_delay.text = p[4];
    v.ptzspeed_level = p[5];
    v.feature_continue_max_time = int(numbers.next32());
    v.people_number = p[7];
    const quint32 bits = numbers.next32();
    v.losing_object_strategy = (bits & 1) ? 0 : 1;
    v.eptz_mode = (bits & 2) ? 1 : 0;
    v.multi_object_strategy = (bits & 4) ? 1 : 0;
    v.designated_enabled = bits & 8;
    v.forward_enabled = bits & 16;
    target.calibration_shown = bits & 32;
    for (int i = 0; i < 4; ++i)
        v.shield_enabled[size_t(i)] = bits & (64u << i);
    v.old_point_format = old_format;

    const QString block = sp::apply_block(v, target, tab);
    const sp::Reply r = sp::read_reply(block);
    const auto clean = fuzz_text::without_breaks;
    const QString failure = fuzz_text::check_sent_read({
        {"pano_sensitivity", clean(v.pano_sensitivity.text).left(1), r.pano_sensitivity},
        {"pano_object_size", clean(v.pano_object_size.text), r.pano_object_size},
        {"pano_height", clean(v.pano_height), r.pano_height},
        {"time_delay", clean(v.time_delay.text), r.time_delay},
        {"ptzspeed_level", clean(v.ptzspeed_level), r.ptzspeed_level},
        {"feature_continue_max_time", QString::number(v.feature_continue_max_time), r.feature_continue_max_time},
        {"pano_designated_number_of_people", clean(v.people_number), r.pano_designated_number_of_people},
        {"losing_object_strategy", v.losing_object_strategy == 0 ? QStringLiteral("0") : QStringLiteral("1"),
         r.losing_object_strategy},
        {"eptz_mode", v.eptz_mode == 1 ? QStringLiteral("1") : QStringLiteral("0"), r.eptz_mode},
        {"multi_object_strategy", v.multi_object_strategy == 1 ? QStringLiteral("2") : QStringLiteral("1"),
         r.multi_object_strategy},
    });
    if (!failure.isEmpty())
        return failure;
    // The section's choices and numbers survive their block.
    StudentSection section;
    sp::fill(section, r, false);
    if (section.losing_object_strategy != v.losing_object_strategy || section.eptz_mode != v.eptz_mode
        || section.multi_object_strategy != v.multi_object_strategy
        || section.feature_continue_max_time != v.feature_continue_max_time)
        return QStringLiteral("the section does not survive its block");

    StudentRegionPoints back = tab;
    StudentRegionCoord coord;
    const StudentReplyKeys carried = sp::store_reply_regions(block, back, coord);
    const StudentRegionChecks checks = parse_student_region_coord(coord, back, old_format, carried);
    if (checks.old_format != old_format || checks.designated_region != v.designated_enabled
        || checks.track_region != v.forward_enabled
        || checks.pos_calibration_region != (target.calibration_shown ? std::optional<bool>(true) : std::nullopt))
        return QStringLiteral("the enable strings of an Apply read back otherwise");
    for (int i = 0; i < 4; ++i) {
        if (checks.shield[size_t(i)] != v.shield_enabled[size_t(i)])
            return QStringLiteral("shield %1's box reads back otherwise").arg(i + 1);
        if (tab.student_shield_drawn[size_t(i)] && !back.student_shield_drawn[size_t(i)])
            return QStringLiteral("drawn shield %1 reads back as not drawn").arg(i + 1);
    }
    // The corners go in the order their positions give; each comes back as one of those sent.
    for (const QPoint &corner : back.student_area_points) {
        bool found = false;
        for (const QPoint &sent : tab.student_area_points)
            found = found || came_back(sent, corner);
        if (!found)
            return QStringLiteral("corner %1,%2 came back from none of the corners sent").arg(corner.x()).arg(corner.y());
    }
    const int designated = old_format ? 4 : 6;
    for (int i = 0; i < 6; ++i) {
        const QPoint &sent = tab.student_designated_points[size_t(i)];
        const QPoint &read = back.student_designated_points[size_t(i)];
        if (i < designated ? !came_back(sent, read) : sent != read)
            return QStringLiteral("designated point %1: %2,%3 came back as %4,%5")
                .arg(i + 1).arg(sent.x()).arg(sent.y()).arg(read.x()).arg(read.y());
    }
    if (target.calibration_shown) {
        for (int i = 0; i < 4; ++i) {
            const QPoint sent = tab.pano_calibrate_points[size_t(i)];
            const QPoint read = back.pano_calibrate_points[size_t(i)];
            if ((sent.x() != 0 && read.x() != sent.x()) || (sent.y() != 0 && read.y() != sent.y()))
                return QStringLiteral("calibration point %1: %2,%3 came back as %4,%5")
                    .arg(i + 1).arg(sent.x()).arg(sent.y()).arg(read.x()).arg(read.y());
        }
    }
    return QString();
}

} // namespace

QString check_student_section_input(const uint8_t *data, size_t size)
{
    const QString text = fuzz_text::latin1(data, size);
    const sp::Reply r = sp::read_reply(text);
    const QString read = fuzz_text::check_fields(text, r, kFields);
    if (!read.isEmpty())
        return read;
    if (r.apply_confirmation != text.contains(QLatin1String("set_student_config_file")))
        return QStringLiteral("Apply confirmation misread");
    QString failure = check_rules(r);
    if (!failure.isEmpty())
        return failure;

    // The tab as a settings file may have left it: any corner and designated point.
    fuzz_text::Numbers numbers(data, size);
    StudentRegionPoints tab;
    for (QPoint &point : tab.student_area_points)
        point = QPoint(numbers.next_int(), numbers.next_int());
    for (QPoint &point : tab.student_designated_points)
        point = QPoint(numbers.next_int(), numbers.next_int());
    const bool oldFormatBefore = numbers.next32() & 1;

    const StudentRegionPoints before = tab;
    StudentRegionCoord coord;
    const StudentReplyKeys carried = sp::store_reply_regions(text, tab, coord);
    const StudentRegionChecks checks = parse_student_region_coord(coord, tab, oldFormatBefore, carried);
    // What the reply did not carry stays as it was.
    for (int i = 0; i < 4; ++i) {
        for (int axis = 0; axis < 2; ++axis) {
            const auto coordinate = [axis](const QPoint &q) { return axis == 0 ? q.x() : q.y(); };
            const int was = coordinate(before.student_area_points[size_t(i)]);
            if (!carried.area[size_t(i)][size_t(axis)] && was != 0
                && coordinate(tab.student_area_points[size_t(i)]) != was)
                return QStringLiteral("corner %1 changed without its key").arg(i + 1);
        }
    }
    for (int i = checks.old_format ? 4 : 6; i < 6; ++i) {
        if (tab.student_designated_points[size_t(i)] != before.student_designated_points[size_t(i)]
            && !carried.designated[size_t(i)][0] && !carried.designated[size_t(i)][1])
            return QStringLiteral("designated point %1 changed without its keys").arg(i + 1);
    }
    return check_round_trip(text, tab, checks.old_format, numbers);
}
