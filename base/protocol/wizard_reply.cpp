#include "protocol/wizard_reply.h"

#include "protocol/parameter_block.h"
#include "protocol/reply_values.h"
#include "protocol/student_point_keys.h"

#include <QDebug>

#include <vector>

namespace wizard_reply {

namespace {

using parameter_block::one_char_value;
using parameter_block::value;
namespace dp = director_parameters;

bool has(const QString &text, const char *word) { return text.contains(QLatin1String(word)); }

void take_crop(Classification &c, CropState &state, const QString &text, const char *log_label)
{
    const auto log = [&](const char *what) {
        qDebug().noquote() << QString::fromLatin1(log_label) + QLatin1String(what)
                                  + (state.query ? QLatin1String("true") : QLatin1String("false"));
    };
    if (has(text, "start") && !state.started) {
        state.stopped = false;
        state.started = true;
        c.crop_started = true;
        log(" start [");
    } else if (has(text, "stop") && !state.stopped) {
        state.stopped = true;
        state.started = false;
        log(" stop [");
    } else {
        return;
    }
    c.crop_changed = true;
    c.crop_announced = !state.query;
    state.query = false;
}

StatusPart status_part(Side side, const QString &text)
{
    return {side, has(text, "start"), has(text, "stop"), has(text, "error")};
}

// Choices: the value's index in the list; a value the list does not hold gives none.
std::optional<int> choice(const QString &v, std::initializer_list<const char *> values)
{
    int i = 0;
    for (const char *known : values) {
        if (v == QLatin1String(known))
            return i;
        ++i;
    }
    return std::nullopt;
}

std::optional<SliderValue> slider(const QString &text, const char *key)
{
    const QString v = value(text, QLatin1String(key));
    if (v.isNull())
        return std::nullopt;
    return SliderValue{v, reply_values::number(v)};
}

// "1" checks, "0" unchecks, anything else (or nothing) changes nothing.
std::optional<bool> zero_one(const QString &text, const char *key)
{
    return reply_values::zero_one(one_char_value(text, QLatin1String(key)));
}

template <class Keys>
struct CheckRow {
    const char *key;
    std::optional<bool> Keys::*member;
};
template <class Keys>
struct SliderRow {
    const char *key;
    std::optional<SliderValue> Keys::*member;
};

const SliderRow<TeacherKeys> kTeacherSliders[] = {
    {"time_to_pano_delay", &TeacherKeys::time_to_pano_delay},
    {"board_detect_time", &TeacherKeys::board_detect_time},
    {"board_continue_time", &TeacherKeys::board_continue_time},
    {"ptzspeed_level", &TeacherKeys::ptzspeed_level},
};
const CheckRow<TeacherKeys> kTeacherChecks[] = {
    {"auto_tracking", &TeacherKeys::auto_tracking},
    {"manual_focus", &TeacherKeys::manual_focus},
    {"auto_tilt", &TeacherKeys::auto_tilt},
};
const CheckRow<StudentKeys> kStudentChecks[] = {
    {"auto_tracking", &StudentKeys::auto_tracking},
    {"face_detect", &StudentKeys::face_detect},
    {"pano_switch", &StudentKeys::pano_switch},
};

template <class Keys, size_t N>
void read_sliders(Keys &keys, const QString &text, const SliderRow<Keys> (&rows)[N])
{
    for (const auto &row : rows)
        keys.*row.member = slider(text, row.key);
}

template <class Keys, size_t N>
void read_checks(Keys &keys, const QString &text, const CheckRow<Keys> (&rows)[N])
{
    for (const auto &row : rows)
        keys.*row.member = zero_one(text, row.key);
}

// The wizard's director groups.
constexpr dp::Field kCommon[] = {dp::Field::CommunicateMode, dp::Field::CommandMode, dp::Field::BroadcastIp,
                                 dp::Field::BroadcastPort,   dp::Field::SwitchAuto,  dp::Field::SwitchManual,
                                 dp::Field::CommandTimes,    dp::Field::Strategy};
constexpr dp::Field kTeacherEvents[] = {dp::Field::TeacherEnable,           dp::Field::TeacherWalkUpPlatform,
                                        dp::Field::TeacherKeepStand,        dp::Field::TeacherWalkMoving,
                                        dp::Field::TeacherWalkDownPlatform, dp::Field::TeacherHaveObjectMulti};
constexpr dp::Field kStudentEvents[] = {dp::Field::StudentEnable, dp::Field::StudentStandUp,
                                        dp::Field::StudentKeepStand, dp::Field::StudentSitDown,
                                        dp::Field::StudentHaveObjectMulti};
constexpr dp::Field kBoardEvents[] = {dp::Field::BlackboardEnable, dp::Field::BlackboardHaveObjectTracked,
                                      dp::Field::BlackboardNoneObjectTracked};
constexpr dp::Field kInteriorViews[] = {dp::Field::InnerEnable,         dp::Field::InnerTeacherFeature,
                                        dp::Field::InnerTeacherPano,    dp::Field::InnerStudentFeature,
                                        dp::Field::InnerStudentPano,    dp::Field::InnerBlackboardFeature};
constexpr dp::Field kBlackboardCameras[] = {dp::Field::BlackboardDirectorEnable, dp::Field::Blackboard1Feature,
                                            dp::Field::Blackboard2Feature};

// Each field of the group the reply holds, in order. gated: the group's first field is its
// enable string, without which none of the group is read.
template <size_t N>
void read_group(const QString &text, const dp::Field (&group)[N], bool gated, QVector<dp::ReadItem> &out)
{
    if (gated && !parameter_block::has_key(text, QLatin1String(dp::row(group[0]).key)))
        return;
    for (dp::Field field : group) {
        const dp::Row &r = dp::row(field);
        const QString key = QLatin1String(r.key);
        const QString v = r.kind == dp::ValueKind::OneChar ? one_char_value(text, key) : value(text, key);
        if (!v.isNull())
            out.append({field, v});
    }
}

} // namespace

QString working_text(const QByteArray &reply)
{
    const int zero = reply.indexOf('\0');
    return QString::fromUtf8(reply.constData(), zero < 0 ? reply.size() : zero);
}

Classification classify(const QString &text, const Pending &pending, CropState &teacher, CropState &student)
{
    Classification c;
    const bool t = has(text, parameter_block::kTeacherSection);
    if (t && has(text, "teacher_crop_status")) {
        c.kind = Kind::TeacherCrop;
        take_crop(c, teacher, text, "teacher_query_crop_flag");
        return c;
    }
    const bool s = has(text, parameter_block::kStudentSection);
    if (s && has(text, "student_crop_status")) {
        c.kind = Kind::StudentCrop;
        take_crop(c, student, text, "student_connect_first_query_flag");
        return c;
    }
    const bool d = has(text, parameter_block::kDirectorSection);
    const bool get_tracking = has(text, parameter_block::kGetTrackingConfigFile);
    const bool get_director = has(text, parameter_block::kGetDirectorConfigFile);
    if (pending.teacher) {
        if (has(text, "set_teacher_config_file"))
            c.echo_logs << QStringLiteral("set teacher tracking config success!");
        if (t && get_tracking)
            c.echo_logs << QStringLiteral("get teacher tracking config success!");
        if (t && get_director)
            c.echo_logs << QStringLiteral("get director config success!");
    }
    const bool teacher_status = has(text, "teacher_tracking_status");
    if (t && !d && !teacher_status) {
        c.kind = Kind::TeacherBlock;
        return c;
    }
    const bool student_status = has(text, "student_tracking_status");
    if (pending.student) {
        if (has(text, "set_student_config_file"))
            c.echo_logs << QStringLiteral("set student tracking config success!");
        if (s && get_tracking)
            c.echo_logs << QStringLiteral("get student tracking config success!");
        if (s && get_director)
            c.echo_logs << QStringLiteral("get director config success!");
    }
    if (s && !d && !student_status) {
        c.kind = Kind::StudentBlock;
        return c;
    }
    if (d) {
        c.kind = Kind::DirectorBlock;
        return c;
    }
    if (t && teacher_status) {
        c.status << status_part(Side::Teacher, text);
        if (c.status.last().error) {
            c.kind = Kind::TrackingStatus;
            return c;
        }
    }
    if (s && student_status)
        c.status << status_part(Side::Student, text);
    if (!c.status.isEmpty())
        c.kind = Kind::TrackingStatus;
    return c;
}

TeacherKeys read_teacher_keys(const QString &text)
{
    TeacherKeys k;
    k.losing_object_strategy = choice(value(text, QStringLiteral("losing_object_strategy")), {"0", "1", "2", "11"});
    k.multi_object_strategy = choice(one_char_value(text, QStringLiteral("multi_object_strategy")), {"1", "2"});
    k.tracking_mode = one_char_value(text, QStringLiteral("tracking_mode"));
    read_sliders(k, text, kTeacherSliders);
    const QString board = one_char_value(text, QStringLiteral("board_detect_enable"));
    if (!board.isNull())
        k.board_detect_enable = reply_values::one_checks(board);
    read_checks(k, text, kTeacherChecks);
    return k;
}

void store_teacher_regions(const QString &text, teacher_region_keys::TeacherRegionCoord &coord)
{
    teacher_region_keys::store_teacher_region_keys(text, coord);
}

StudentKeys read_student_keys(const QString &text)
{
    StudentKeys k;
    k.losing_object_strategy = choice(one_char_value(text, QStringLiteral("losing_object_strategy")), {"0", "1"});
    k.time_delay = slider(text, "time_delay");
    k.multi_object_strategy = choice(one_char_value(text, QStringLiteral("multi_object_strategy")), {"1", "2"});
    const QString continue_time = value(text, QStringLiteral("feature_continue_max_time"));
    if (!continue_time.isNull())
        k.feature_continue_max_time = reply_values::number(continue_time);
    read_checks(k, text, kStudentChecks);
    return k;
}

bool StudentRegionCoord::carries_shield(int shield) const
{
    for (int part = 0; part < 4; ++part) {
        if (!value(shield, part))
            return false;
    }
    return true;
}

StudentRegionCoord read_student_regions(const QString &text)
{
    const auto number = [&text](const char *key) -> std::optional<int> {
        const QString v = value(text, QLatin1String(key));
        if (v.isNull())
            return std::nullopt;
        return reply_values::number(v);
    };
    StudentRegionCoord coord;
    for (size_t i = 0; i < 4; ++i) {
        coord.corners[i * 2] = number(student_point_keys::kCornerKeys[i][0]);
        coord.corners[i * 2 + 1] = number(student_point_keys::kCornerKeys[i][1]);
    }
    coord.pano_shield_enable = value(text, QLatin1String(teacher_region_keys::kShieldEnableKey));
    for (int k = 0; k < teacher_region_keys::kShieldCount; ++k) {
        const auto keys = teacher_region_keys::key_list(teacher_region_keys::kShieldKeys[k]);
        for (int part = 0; part < 4; ++part)
            coord.shield_values[size_t(k * 4 + part)] = number(keys[size_t(part)]);
    }
    return coord;
}

bool carries_teacher_regions(const QString &text)
{
    using namespace teacher_region_keys;
    std::vector<const char *> keys = {kShieldEnableKey, kBoardEnableKey};
    for (const RegionKeys *group : {&kSnapshotKeys, &kTrackingKeys})
        for (const char *key : key_list(*group))
            keys.push_back(key);
    for (const RegionKeys &group : kShieldKeys)
        for (const char *key : key_list(group))
            keys.push_back(key);
    for (const RegionKeys &group : kBoardKeys)
        for (const char *key : key_list(group))
            keys.push_back(key);
    for (const char *key : keys) {
        if (parameter_block::has_key(text, QLatin1String(key)))
            return true;
    }
    return false;
}

QVector<dp::ReadItem> read_director_keys(const QString &text)
{
    QVector<dp::ReadItem> items;
    read_group(text, kCommon, false, items);
    const bool teacher = has(text, parameter_block::kTeacherSection);
    if (teacher)
        read_group(text, kTeacherEvents, true, items);
    if (has(text, parameter_block::kStudentSection))
        read_group(text, kStudentEvents, true, items);
    if (has(text, parameter_block::kBoardSection))
        read_group(text, kBoardEvents, true, items);
    if (teacher) {
        read_group(text, kInteriorViews, true, items);
        read_group(text, kBlackboardCameras, false, items);
        read_group(text, kBoardEvents, true, items);
    }
    return items;
}

} // namespace wizard_reply
