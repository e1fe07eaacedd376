#include "fuzz/teacher_section_entry.h"

#include "fuzz/fuzz_text.h"
#include "protocol/reply_values.h"
#include "protocol/teacher_parameters.h"
#include "model/slider_text.h"

namespace tp = teacher_parameters;

namespace {

const fuzz_text::ReplyField<tp::Reply> kFields[] = {
    {"pano_sensitivity", &tp::Reply::pano_sensitivity, true},
    {"feature_distance", &tp::Reply::feature_distance, false},
    {"pano_distance", &tp::Reply::pano_distance, false},
    {"pano_pan_offset", &tp::Reply::pano_pan_offset, false},
    {"pano_tilt_offset", &tp::Reply::pano_tilt_offset, false},
    {"losing_object_strategy", &tp::Reply::losing_object_strategy, false},
    {"multi_object_strategy", &tp::Reply::multi_object_strategy, true},
    {"tracking_mode", &tp::Reply::tracking_mode, true},
    {"time_to_pano_delay", &tp::Reply::time_to_pano_delay, false},
    {"time_lost_delay", &tp::Reply::time_lost_delay, false},
    {"board_detect_time", &tp::Reply::board_detect_time, false},
    {"board_continue_time", &tp::Reply::board_continue_time, false},
    {"board_lose_time", &tp::Reply::board_lose_time, false},
    {"board_face_interval_time", &tp::Reply::board_face_interval_time, false},
    {"board_detect_enable", &tp::Reply::board_detect_enable, true},
    {"board_face_enable", &tp::Reply::board_face_enable, true},
    {"board_hand_enable", &tp::Reply::board_hand_enable, true},
    {"config_switch", &tp::Reply::config_switch, true},
    {"feature_persontrack_mode", &tp::Reply::feature_persontrack_mode, true},
    {"auto_tracking", &tp::Reply::auto_tracking, true},
    {"manual_focus", &tp::Reply::manual_focus, true},
    {"auto_tilt", &tp::Reply::auto_tilt, true},
    {"boardsnap_mode", &tp::Reply::boardsnap_mode, true},
    {"feature_realtime_track", &tp::Reply::feature_realtime_track, true},
    {"ptzspeed_level", &tp::Reply::ptzspeed_level, false},
    {"username", &tp::Reply::username, false},
    {"password", &tp::Reply::password, false},
    {"feature_version", &tp::Reply::feature_version, false},
    {"pano_version", &tp::Reply::pano_version, false},
    {"device_model", &tp::Reply::device_model, false},
};

// A choice key names an entry only for one of its own values, and that entry sends it again.
template <typename Index, typename Value>
QString check_choice(const char *key, const QString &read, Index index, Value value, int entries)
{
    const std::optional<int> i = index(read);
    if (!i)
        return QString();
    if (*i < 0 || *i >= entries || value(*i) != read)
        return QStringLiteral("%1 \"%2\" selects entry %3").arg(QLatin1String(key), read).arg(*i);
    return QString();
}

QString check_numbers(const tp::Reply &r)
{
    // Whatever the text, the conversions give a number (the sliders clamp it to their range).
    for (const QString *v : {&r.pano_pan_offset, &r.pano_tilt_offset}) {
        const int n = reply_values::number(*v);
        const int position = reply_values::offset_position(*v);
        if (position != (n == 0 ? 40 : n / 5 + 40))
            return QStringLiteral("offset \"%1\" gives position %2").arg(*v).arg(position);
    }
    for (const QString *v : {&r.feature_distance, &r.pano_distance}) {
        const int position = slider_text::distance_position(*v);
        // The distance texts the sliders show come back to their own positions.
        if (position >= 1 && position <= 171 && slider_text::distance_position(slider_text::distance_text(position)) != position)
            return QStringLiteral("distance position %1 does not survive its text").arg(position);
    }
    for (const QString *v : {&r.pano_sensitivity, &r.time_to_pano_delay, &r.time_lost_delay, &r.board_detect_time,
                             &r.board_continue_time, &r.board_lose_time, &r.board_face_interval_time,
                             &r.ptzspeed_level})
        reply_values::number(*v);
    for (const QString *v : {&r.auto_tracking, &r.manual_focus, &r.auto_tilt, &r.feature_realtime_track}) {
        const std::optional<bool> on = reply_values::zero_one(*v);
        if (on && *v != (*on ? QLatin1String("1") : QLatin1String("0")))
            return QStringLiteral("switch \"%1\" read as %2").arg(*v).arg(*on);
    }
    const int config = tp::config_switch_index(r.config_switch);
    const int person = tp::persontrack_index(r.feature_persontrack_mode);
    if (config < 0 || config > 1 || person < 0 || person > 1)
        return QStringLiteral("config switch %1, person track %2").arg(config).arg(person);
    return QString();
}

// A teacher Apply made of the input's lines reads back through the same reader.
QString check_round_trip(const QString &text, fuzz_text::Numbers &numbers)
{
    const QStringList p = fuzz_text::pieces(text, 16);
    TeacherSection v;
    tp::ApplyTarget target;
    target.feature_camera_ip = p[0];
    v.pano_sensitivity.text = p[1];
    v.feature_distance.text = p[2];
    v.pano_distance.text = p[3];
    v.pano_pan_offset.text = p[4];
    v.pano_tilt_offset.text = p[5];
    v.time_to_pano_delay = int(numbers.next32());
    v.time_lost_delay = int(numbers.next32());
    v.ptzspeed_level = p[8];
    v.board_detect_time.text = p[9];
    v.board_continue_time.text = p[10];
    v.board_lose_time.text = p[11];
    v.board_face_interval_time.text = p[12];
    v.losing_object_strategy = numbers.below(6) - 1;
    v.multi_object_strategy = numbers.below(4) - 1;
    v.tracking_mode = numbers.below(8) - 1;
    const quint32 bits = numbers.next32();
    v.board_detect_enable = bits & 1;
    v.board_face_enable = bits & 2;
    v.board_hand_enable = bits & 4;
    v.auto_tracking = bits & 8;
    v.feature_persontrack = (bits & 16) ? 1 : 0;
    v.manual_focus = bits & 32;
    v.auto_tilt = bits & 64;
    v.feature_realtime_track = bits & 128;
    target.boardsnap = bits & 256;
    v.boardsnap_entry = numbers.below(6) - 1;

    const QString block = tp::apply_block(v, target, teacher_region_keys::ApplyRegions());
    const tp::Reply r = tp::read_reply(block);
    const auto clean = fuzz_text::without_breaks;
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const QString failure = fuzz_text::check_sent_read({
        {"pano_sensitivity", clean(v.pano_sensitivity.text).left(1), r.pano_sensitivity},
        {"feature_distance", clean(v.feature_distance.text), r.feature_distance},
        {"pano_distance", clean(v.pano_distance.text), r.pano_distance},
        {"pano_pan_offset", clean(v.pano_pan_offset.text), r.pano_pan_offset},
        {"pano_tilt_offset", clean(v.pano_tilt_offset.text), r.pano_tilt_offset},
        {"losing_object_strategy", tp::losing_strategy_value(v.losing_object_strategy), r.losing_object_strategy},
        {"multi_object_strategy", tp::multi_strategy_value(v.multi_object_strategy), r.multi_object_strategy},
        {"tracking_mode", tp::tracking_mode_value(v.tracking_mode), r.tracking_mode},
        {"time_to_pano_delay", QString::number(v.time_to_pano_delay), r.time_to_pano_delay},
        {"time_lost_delay", QString::number(v.time_lost_delay), r.time_lost_delay},
        {"ptzspeed_level", clean(v.ptzspeed_level), r.ptzspeed_level},
        {"board_detect_time", clean(v.board_detect_time.text), r.board_detect_time},
        {"board_continue_time", clean(v.board_continue_time.text), r.board_continue_time},
        {"board_lose_time", clean(v.board_lose_time.text), r.board_lose_time},
        {"board_face_interval_time", clean(v.board_face_interval_time.text), r.board_face_interval_time},
        {"board_detect_enable", flag(v.board_detect_enable), r.board_detect_enable},
        {"board_face_enable", flag(v.board_face_enable), r.board_face_enable},
        {"board_hand_enable", flag(v.board_hand_enable), r.board_hand_enable},
        {"auto_tracking", flag(v.auto_tracking), r.auto_tracking},
        {"feature_persontrack_mode", flag(v.feature_persontrack == 1), r.feature_persontrack_mode},
        {"manual_focus", flag(v.manual_focus), r.manual_focus},
        {"auto_tilt", flag(v.auto_tilt), r.auto_tilt},
        {"feature_realtime_track", flag(v.feature_realtime_track), r.feature_realtime_track},
        {"boardsnap_mode", target.boardsnap ? tp::boardsnap_value(v.boardsnap_entry) : QString(), r.boardsnap_mode},
    });
    if (!failure.isEmpty())
        return failure;
    // What the reply gives back into a section is what was sent: the section survives its block.
    TeacherSection back;
    tp::fill(back, r, false);
    for (const auto &pair : {std::make_pair(&back.pano_pan_offset, &v.pano_pan_offset),
                             std::make_pair(&back.feature_distance, &v.feature_distance),
                             std::make_pair(&back.board_lose_time, &v.board_lose_time)}) {
        if (pair.first->text != clean(pair.second->text))
            return QStringLiteral("a slider text \"%1\" came back as \"%2\"").arg(pair.second->text, pair.first->text);
    }
    if (back.time_to_pano_delay != v.time_to_pano_delay || back.time_lost_delay != v.time_lost_delay
        || back.auto_tilt != v.auto_tilt || back.feature_persontrack != v.feature_persontrack)
        return QStringLiteral("the section does not survive its block");
    if (tp::tracking_mode_index(r.tracking_mode) != (v.tracking_mode >= 0 && v.tracking_mode < 6
                                                          ? std::optional<int>(v.tracking_mode)
                                                          : std::nullopt))
        return QStringLiteral("tracking mode %1 does not read back").arg(v.tracking_mode);
    return QString();
}

} // namespace

QString check_teacher_section_input(const uint8_t *data, size_t size)
{
    const QString text = fuzz_text::latin1(data, size);
    const tp::Reply r = tp::read_reply(text);
    const QString read = fuzz_text::check_fields(text, r, kFields);
    if (!read.isEmpty())
        return read;
    QString failure = check_choice("losing_object_strategy", r.losing_object_strategy, tp::losing_strategy_index,
                                   tp::losing_strategy_value, 4);
    if (failure.isEmpty())
        failure = check_choice("multi_object_strategy", r.multi_object_strategy, tp::multi_strategy_index,
                               tp::multi_strategy_value, 2);
    if (failure.isEmpty())
        failure = check_choice("tracking_mode", r.tracking_mode, tp::tracking_mode_index, tp::tracking_mode_value, 6);
    if (failure.isEmpty())
        failure = check_choice("boardsnap_mode", r.boardsnap_mode, tp::boardsnap_entry, tp::boardsnap_value, 4);
    if (failure.isEmpty())
        failure = check_numbers(r);
    if (!failure.isEmpty())
        return failure;

    // A reply that carries no region key changes no region.
    if (!tp::carries_region_keys(text)) {
        teacher_region_keys::TeacherRegionCoord before;
        before.tracking = {1, 2, 3, 4};
        teacher_region_keys::TeacherRegionCoord after = before;
        tp::store_regions(text, after);
        bool same = after.tracking == before.tracking && after.feature == before.feature
            && after.snapshot == before.snapshot && after.pano_shield_enable.isNull() && after.pano_board_enable.isNull();
        for (int i = 0; i < teacher_region_keys::kShieldCount; ++i)
            same = same && after.shield[i] == before.shield[i];
        for (int i = 0; i < teacher_region_keys::kBoardCount; ++i)
            same = same && after.board[i] == before.board[i];
        if (!same)
            return QStringLiteral("a reply without region keys changed the regions");
    }
    fuzz_text::Numbers numbers(data, size);
    return check_round_trip(text, numbers);
}
