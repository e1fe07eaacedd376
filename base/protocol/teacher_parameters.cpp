#include "protocol/teacher_parameters.h"

#include "protocol/reply_values.h"
#include "protocol/tracking_command.h"
#include "model/slider_text.h"

#include <QDebug>

#include <limits>

namespace teacher_parameters {

namespace {
QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

QString pick(const char *const *values, int count, int index)
{
    return index >= 0 && index < count ? QString::fromLatin1(values[index]) : QString(QLatin1String(""));
}

std::optional<int> index_of(const char *const *values, int count, const QString &value)
{
    for (int i = 0; i < count; ++i) {
        if (value == QLatin1String(values[i]))
            return i;
    }
    return std::nullopt;
}

const char *const kLosing[] = {"0", "1", "2", "11"};
const char *const kMulti[] = {"1", "2"};
const char *const kModes[] = {"0", "1", "2", "3", "4", "5"};
const char *const kSnap[] = {"0", "1", "2", "4"};

// The lectern HTTP interface counts the feature area in four times the region units.
constexpr int kLecternScale = 4;
} // namespace

QString losing_strategy_value(int index) { return pick(kLosing, 4, index); }
QString multi_strategy_value(int index) { return pick(kMulti, 2, index); }
QString tracking_mode_value(int index) { return pick(kModes, 6, index); }
QString boardsnap_value(int entry)
{
    return entry >= 0 && entry < 4 ? QString::fromLatin1(kSnap[entry]) : QStringLiteral("0");
}

QVector<Item> apply_items(const TeacherSection &v, const ApplyTarget &target,
                          const teacher_region_keys::ApplyRegions &regions,
                          const std::optional<RegionRect> &snapshot_fallback)
{
    QVector<Item> items = {
        {QStringLiteral("feature_camera_ip"), target.feature_camera_ip},
        {QStringLiteral("pano_sensitivity"), v.pano_sensitivity.text},
        {QStringLiteral("feature_distance"), v.feature_distance.text},
        {QStringLiteral("pano_distance"), v.pano_distance.text},
        {QStringLiteral("pano_pan_offset"), v.pano_pan_offset.text},
        {QStringLiteral("pano_tilt_offset"), v.pano_tilt_offset.text},
        {QStringLiteral("losing_object_strategy"), losing_strategy_value(v.losing_object_strategy)},
        {QStringLiteral("multi_object_strategy"), multi_strategy_value(v.multi_object_strategy)},
        {QStringLiteral("tracking_mode"), tracking_mode_value(v.tracking_mode)},
        {QStringLiteral("time_to_pano_delay"), QString::number(v.time_to_pano_delay)},
        {QStringLiteral("time_lost_delay"), QString::number(v.time_lost_delay)},
        // The camera's own hold before it gives up a target that does not move.
        {QStringLiteral("target_no_action_hold_time"), QStringLiteral("300")},
        {QStringLiteral("ptzspeed_level"), v.ptzspeed_level},
        {QStringLiteral("board_detect_enable"), flag(v.board_detect_enable)},
        {QStringLiteral("board_face_enable"), flag(v.board_face_enable)},
        {QStringLiteral("board_hand_enable"), flag(v.board_hand_enable)},
        {QStringLiteral("board_detect_time"), v.board_detect_time.text},
        {QStringLiteral("board_continue_time"), v.board_continue_time.text},
        {QStringLiteral("board_lose_time"), v.board_lose_time.text},
        {QStringLiteral("board_face_interval_time"), v.board_face_interval_time.text},
        {QStringLiteral("auto_tracking"), flag(v.auto_tracking)},
        {QStringLiteral("feature_persontrack_mode"), flag(v.feature_persontrack == 1)},
        {QStringLiteral("auto_zoom"), QStringLiteral("1")},
        {QStringLiteral("manual_focus"), flag(v.manual_focus)},
        {QStringLiteral("auto_tilt"), flag(v.auto_tilt)},
        {QStringLiteral("feature_realtime_track"), flag(v.feature_realtime_track)},
        {QStringLiteral("whole_tracking"), QStringLiteral("0")},
    };
    if (target.boardsnap)
        items.append({QStringLiteral("boardsnap_mode"), boardsnap_value(v.boardsnap_entry)});

    qDebug() << "teacher_draw_snapshot_finish:" << regions.snapshot_known;
    QVector<teacher_region_keys::Item> region_items = teacher_region_keys::apply_region_items(regions);
    if (!regions.snapshot_known && snapshot_fallback) {
        // The first four region items are the snapshot's x, y, width and height.
        const RegionRect &f = *snapshot_fallback;
        const int values[4] = {f.x, f.y, f.w, f.h};
        for (int i = 0; i < 4; ++i)
            region_items[i].second = QString::number(values[i]);
    }
    for (const teacher_region_keys::Item &r : region_items)
        items.append({r.first, r.second});
    return items;
}

QString apply_block(const TeacherSection &section, const ApplyTarget &target,
                    const teacher_region_keys::ApplyRegions &regions, const std::optional<RegionRect> &snapshot_fallback)
{
    return parameter_block::build({QLatin1String(parameter_block::kTeacherSection),
                                   QLatin1String(parameter_block::kSetTrackingConfigFile)},
                                  apply_items(section, target, regions, snapshot_fallback))
        + QLatin1Char('\n');
}

bool is_lectern_model(const QString &feature_model) { return feature_model == QLatin1String("M19"); }

QString obtain_block()
{
    return parameter_block::join({QLatin1String(parameter_block::kTeacherSection),
                                  QLatin1String(parameter_block::kGetTrackingConfigFile)});
}

QString director_obtain_block()
{
    return parameter_block::join({QLatin1String(parameter_block::kTeacherSection),
                                  QLatin1String(parameter_block::kGetDirectorConfigFile)});
}

QString focus_inquiry(const QString &pano_model) { return tracking_command::focus_inquiry(pano_model); }

namespace {
// The feature area comes from a reply and may hold any integer: the product stops at the bounds
// of int instead of overflowing.
int lectern_units(int v)
{
    return int(qBound<qint64>(std::numeric_limits<int>::min(), qint64(v) * kLecternScale,
                              std::numeric_limits<int>::max()));
}
} // namespace

RegionRect lectern_area(const RegionRect &f)
{
    return {lectern_units(f.x), lectern_units(f.y), lectern_units(f.w), lectern_units(f.h)};
}

QJsonObject lectern_area_object(const RegionRect &feature)
{
    const RegionRect a = lectern_area(feature);
    QJsonObject o;
    o.insert(QStringLiteral("tracking.area.left_up_x"), a.x);
    o.insert(QStringLiteral("tracking.area.left_up_y"), a.y);
    o.insert(QStringLiteral("tracking.area.right_down_x"), a.w);
    o.insert(QStringLiteral("tracking.area.right_down_y"), a.h);
    return o;
}

std::optional<int> losing_strategy_index(const QString &value) { return index_of(kLosing, 4, value); }
std::optional<int> multi_strategy_index(const QString &oneChar) { return index_of(kMulti, 2, oneChar); }
std::optional<int> tracking_mode_index(const QString &oneChar) { return index_of(kModes, 6, oneChar); }
std::optional<int> boardsnap_entry(const QString &oneChar) { return index_of(kSnap, 4, oneChar); }
int config_switch_index(const QString &oneChar) { return oneChar == QLatin1String("1") ? 0 : 1; }
int persontrack_index(const QString &oneChar) { return oneChar == QLatin1String("0") ? 0 : 1; }

bool carries_region_keys(const QString &reply)
{
    namespace rk = teacher_region_keys;
    const auto has = [&reply](const char *key) { return parameter_block::has_key(reply, QLatin1String(key)); };
    const auto hasRect = [&has](const rk::RegionKeys &k) { return has(k.x) || has(k.y) || has(k.w) || has(k.h); };
    if (has(rk::kShieldEnableKey) || has(rk::kBoardEnableKey) || hasRect(rk::kSnapshotKeys)
        || hasRect(rk::kFeatureKeys) || hasRect(rk::kTrackingKeys))
        return true;
    for (const rk::RegionKeys &k : rk::kShieldKeys) {
        if (hasRect(k))
            return true;
    }
    for (const rk::RegionKeys &k : rk::kBoardKeys) {
        if (hasRect(k))
            return true;
    }
    return false;
}

void store_regions(const QString &reply, teacher_region_keys::TeacherRegionCoord &coord)
{
    teacher_region_keys::store_teacher_region_keys(reply, coord);
    // A region at the very top edge would fail the scene's bounds test and not be drawn.
    if (parameter_block::has_key(reply, QLatin1String(teacher_region_keys::kTrackingKeys.y)) && coord.tracking.y == 0)
        coord.tracking.y = 5;
}

Reply read_reply(const QString &t)
{
    const auto one = [&t](const char *key) { return parameter_block::one_char_value(t, QLatin1String(key)); };
    const auto line = [&t](const char *key) { return parameter_block::value(t, QLatin1String(key)); };
    Reply r;
    r.pano_sensitivity = one("pano_sensitivity");
    r.feature_distance = line("feature_distance");
    r.pano_distance = line("pano_distance");
    r.pano_pan_offset = line("pano_pan_offset");
    r.pano_tilt_offset = line("pano_tilt_offset");
    r.losing_object_strategy = line("losing_object_strategy");
    r.multi_object_strategy = one("multi_object_strategy");
    r.tracking_mode = one("tracking_mode");
    r.time_to_pano_delay = line("time_to_pano_delay");
    r.time_lost_delay = line("time_lost_delay");
    r.board_detect_time = line("board_detect_time");
    r.board_continue_time = line("board_continue_time");
    r.board_lose_time = line("board_lose_time");
    r.board_face_interval_time = line("board_face_interval_time");
    r.board_detect_enable = one("board_detect_enable");
    r.board_face_enable = one("board_face_enable");
    r.board_hand_enable = one("board_hand_enable");
    r.config_switch = one("config_switch");
    r.feature_persontrack_mode = one("feature_persontrack_mode");
    r.auto_tracking = one("auto_tracking");
    r.manual_focus = one("manual_focus");
    r.auto_tilt = one("auto_tilt");
    r.boardsnap_mode = one("boardsnap_mode");
    r.feature_realtime_track = one("feature_realtime_track");
    r.ptzspeed_level = line("ptzspeed_level");
    r.username = line("username");
    r.password = line("password");
    r.feature_version = line("feature_version");
    r.pano_version = line("pano_version");
    r.device_model = line("device_model");
    return r;
}

void fill(TeacherSection &s, const Reply &r, bool keep_ptzspeed_level)
{
    using reply_values::number;
    const auto take_slider = [](SliderText &member, const QString &text, int position) {
        if (!text.isNull())
            member = {text, position};
    };
    const auto take_number = [](int &member, const QString &text) {
        if (!text.isNull())
            member = number(text);
    };
    const auto take_index = [](int &member, const std::optional<int> &index) {
        if (index)
            member = *index;
    };
    const auto take_switch = [](bool &member, const QString &oneChar) {
        if (const auto on = reply_values::zero_one(oneChar))
            member = *on;
    };
    const auto take_text = [](QString &member, const QString &text) {
        if (!text.isNull())
            member = text;
    };
    take_slider(s.pano_sensitivity, r.pano_sensitivity, number(r.pano_sensitivity));
    take_slider(s.feature_distance, r.feature_distance, slider_text::distance_position(r.feature_distance));
    take_slider(s.pano_distance, r.pano_distance, slider_text::distance_position(r.pano_distance));
    take_slider(s.pano_pan_offset, r.pano_pan_offset, reply_values::offset_position(r.pano_pan_offset));
    take_slider(s.pano_tilt_offset, r.pano_tilt_offset, reply_values::offset_position(r.pano_tilt_offset));
    take_index(s.losing_object_strategy, losing_strategy_index(r.losing_object_strategy));
    take_index(s.multi_object_strategy, multi_strategy_index(r.multi_object_strategy));
    take_index(s.tracking_mode, tracking_mode_index(r.tracking_mode));
    take_number(s.time_to_pano_delay, r.time_to_pano_delay);
    take_number(s.time_lost_delay, r.time_lost_delay);
    take_slider(s.board_detect_time, r.board_detect_time, number(r.board_detect_time));
    take_slider(s.board_continue_time, r.board_continue_time, number(r.board_continue_time));
    take_slider(s.board_lose_time, r.board_lose_time, number(r.board_lose_time));
    take_slider(s.board_face_interval_time, r.board_face_interval_time, number(r.board_face_interval_time));
    for (const auto &row : {std::make_pair(&s.board_detect_enable, &r.board_detect_enable),
                            std::make_pair(&s.board_face_enable, &r.board_face_enable),
                            std::make_pair(&s.board_hand_enable, &r.board_hand_enable)}) {
        if (!row.second->isNull())
            *row.first = reply_values::one_checks(*row.second);
    }
    if (!r.feature_persontrack_mode.isNull())
        s.feature_persontrack = persontrack_index(r.feature_persontrack_mode);
    take_switch(s.auto_tracking, r.auto_tracking);
    take_switch(s.manual_focus, r.manual_focus);
    take_switch(s.auto_tilt, r.auto_tilt);
    take_index(s.boardsnap_entry, boardsnap_entry(r.boardsnap_mode));
    take_switch(s.feature_realtime_track, r.feature_realtime_track);
    if (!keep_ptzspeed_level)
        take_text(s.ptzspeed_level, r.ptzspeed_level);
    take_text(s.feature_version, r.feature_version);
    take_text(s.pano_version, r.pano_version);
    if (!r.device_model.isNull())
        s.customer_model = false;
}

} // namespace teacher_parameters
