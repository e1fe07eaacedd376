#include "protocol/director_parameters.h"

#include "protocol/parameter_block.h"

#include <initializer_list>

namespace director_parameters {

namespace {

using namespace parameter_block;

constexpr Row kRows[kFieldCount] = {
    {Field::TeacherPanoIp, "teacher_pano_ip", ValueKind::Text, "teacher_pano_ip="},
    {Field::StudentPanoIp, "student_pano_ip", ValueKind::Text, "student_pano_ip="},
    {Field::BlackboardCameraIp, "blackboard_camera_ip", ValueKind::Text, "blackboard_camera_ip="},
    {Field::PanoPort, "pano_port", ValueKind::Text, "pano_port="},
    {Field::UartBaud, "uart_baud", ValueKind::Text, "uart_baud="},
    {Field::CommunicateMode, "communicate_mode", ValueKind::OneChar, "communicate_mode="},
    {Field::CommandMode, "command_mode", ValueKind::OneChar, "command_mode="},
    {Field::BroadcastIp, "director_broadcast_ip", ValueKind::Text, "director_broadcast_ip="},
    {Field::BroadcastPort, "director_broadcast_port", ValueKind::Text, "director_broadcast_port="},
    {Field::SwitchAuto, "switch_auto", ValueKind::Text, "switch_auto="},
    {Field::SwitchManual, "switch_manual", ValueKind::Text, "switch_manual="},
    {Field::CommandTimes, "director_command_times", ValueKind::OneChar, "director_command_times="},
    {Field::Strategy, "director_strategy", ValueKind::OneChar, "director_strategy="},
    {Field::TeacherEnable, "extern_director_teacher_enable", ValueKind::Flags, "extern_director_teacher_enable="},
    {Field::TeacherWalkUpPlatform, "teacher_walk_up_platform", ValueKind::Text, "teacher_walk_up_platform="},
    {Field::TeacherKeepStand, "teacher_keep_stand", ValueKind::Text, "teacher_keep_stand="},
    {Field::TeacherWalkMoving, "teacher_walk_moving", ValueKind::Text, "teacher_walk_moving="},
    {Field::TeacherWalkDownPlatform, "teacher_walk_down_platform", ValueKind::Text, "teacher_walk_down_platform="},
    {Field::TeacherHaveObjectMulti, "teacher_have_object_multi", ValueKind::Text, "teacher_have_object_multi="},
    {Field::KeepInterval, "extern_director_keep_interval", ValueKind::Number, "extern_director_keep_interval="},
    {Field::MovingInterval, "extern_director_moving_interval", ValueKind::Number, "extern_director_moving_interval="},
    {Field::MultiInterval, "extern_director_multi_interval", ValueKind::Number, "extern_director_multi_interval="},
    {Field::StudentEnable, "extern_director_student_enable", ValueKind::Flags, "extern_director_student_enable="},
    {Field::StudentStandUp, "student_stand_up", ValueKind::Text, "student_stand_up="},
    {Field::StudentKeepStand, "student_keep_stand", ValueKind::Text, "student_keep_stand="},
    {Field::StudentSitDown, "student_sit_down", ValueKind::Text, "student_sit_down="},
    {Field::StudentHaveObjectMulti, "student_have_object_multi", ValueKind::Text, "student_have_object_multi="},
    {Field::BlackboardEnable, "extern_director_blackboard_enable", ValueKind::Flags,
     "extern_director_blackboard_enable="},
    {Field::BlackboardHaveObjectTracked, "blackboard_have_object_tracked", ValueKind::Text, "extern_board_have_action="},
    {Field::BlackboardNoneObjectTracked, "blackboard_none_object_tracked", ValueKind::Text, "extern_board_none_action="},
    {Field::InnerEnable, "inner_director_enable", ValueKind::Flags, "inner_director_enable="},
    {Field::BlackboardDirectorEnable, "blackboard_director_enable", ValueKind::Flags, "blackboard_director_enable="},
    {Field::InnerTeacherFeature, "inner_teacher_feature", ValueKind::Text, "inner_teacher_feature="},
    {Field::InnerTeacherPano, "inner_teacher_pano", ValueKind::Text, "inner_teacher_pano="},
    {Field::InnerStudentFeature, "inner_student_feature", ValueKind::Text, "inner_student_feature="},
    {Field::InnerStudentPano, "inner_student_pano", ValueKind::Text, "inner_student_pano="},
    {Field::InnerBlackboardFeature, "inner_blackboard_feature", ValueKind::Text, "inner_blackboard_feature="},
    {Field::Blackboard1Feature, "blackboard1_feature", ValueKind::Text, "blackboard1_feature="},
    {Field::Blackboard2Feature, "blackboard2_feature", ValueKind::Text, "blackboard2_feature="},
    {Field::MinSwitchTime, "min_switch_time", ValueKind::Number, "min_switch_time="},
};

// The groups of an answer, in reading order.
constexpr Field kCommonGroup[] = {
    Field::PanoPort,      Field::UartBaud,       Field::CommunicateMode, Field::CommandMode,
    Field::BroadcastIp,   Field::BroadcastPort,  Field::SwitchAuto,      Field::KeepInterval,
    Field::MovingInterval, Field::MultiInterval, Field::SwitchManual,    Field::CommandTimes,
    Field::Strategy,
};
constexpr Field kTeacherEvents[] = {
    Field::TeacherEnable,           Field::TeacherWalkUpPlatform, Field::TeacherKeepStand, Field::TeacherWalkMoving,
    Field::TeacherWalkDownPlatform, Field::TeacherHaveObjectMulti,
};
constexpr Field kStudentEvents[] = {
    Field::StudentEnable, Field::StudentStandUp, Field::StudentKeepStand, Field::StudentSitDown,
    Field::StudentHaveObjectMulti,
};
constexpr Field kBlackboardEvents[] = {
    Field::BlackboardEnable,
    Field::BlackboardHaveObjectTracked,
    Field::BlackboardNoneObjectTracked,
};
constexpr Field kInteriorViews[] = {
    Field::InnerEnable,         Field::InnerTeacherFeature,      Field::InnerTeacherPano,
    Field::InnerStudentFeature, Field::InnerStudentPano,         Field::InnerBlackboardFeature,
    Field::MinSwitchTime,       Field::BlackboardDirectorEnable, Field::Blackboard1Feature,
    Field::Blackboard2Feature,
};

QString flags(std::initializer_list<bool> on)
{
    QString s;
    for (bool b : on)
        s.append(b ? QLatin1Char('1') : QLatin1Char('0'));
    return s;
}

// A choice with no button checked goes as its first one.
QString digit(int n)
{
    return QString::number(qMax(0, n));
}

template <size_t N>
void read_group(const QString &text, const Field (&group)[N], QVector<ReadItem> *out)
{
    for (Field field : group) {
        const Row &r = row(field);
        const QString key = QLatin1String(r.key);
        const QString v = r.kind == ValueKind::OneChar ? one_char_value(text, key) : value(text, key);
        if (!v.isNull())
            out->append({field, v});
    }
}

} // namespace

const Row (&rows())[kFieldCount]
{
    return kRows;
}

const Row &row(Field field)
{
    return kRows[int(field) - 1];
}

DirectorSection default_settings()
{
    DirectorSection s;
    s.communicate_mode = 0;
    s.command_mode = 0;
    s.command_times = 0;
    s.strategy = 1;
    s.broadcast_ip = QStringLiteral("192.168.1.200");
    s.broadcast_port = QStringLiteral("9999");
    s.switch_auto = QStringLiteral("FF 00 00 00 00 01");
    s.switch_manual = QStringLiteral("FF 00 00 00 00 02");
    const char *const teacher[] = {"FF 01 00 00 00 11", "FF 01 00 00 00 12", "FF 01 00 00 00 13", "FF 01 00 00 00 14",
                                   "FF 01 00 00 00 15"};
    const char *const student[] = {"FF 02 00 00 00 21", "FF 02 00 00 00 22", "FF 02 00 00 00 23",
                                   "FF 02 00 00 00 24"};
    const char *const board[] = {"FF 03 00 00 00 31", "FF 03 00 00 00 32"};
    const char *const interior[] = {"FF 22 22", "FF 11 11", "FF 44 44", "FF 33 33", "FF 55 55"};
    // Board 1 and Board 2 share the single blackboard view's code.
    const char *const blackboard[] = {"FF 55 55", "FF 55 55"};
    auto fill = [](auto &codes, const char *const *texts) {
        for (size_t i = 0; i < codes.size(); ++i)
            codes[i] = {true, QString::fromLatin1(texts[i])};
    };
    fill(s.teacher, teacher);
    fill(s.student, student);
    fill(s.board, board);
    fill(s.interior, interior);
    fill(s.blackboard, blackboard);
    s.keep_interval = s.moving_interval = s.multi_interval = 1;
    s.min_switch_time = {QStringLiteral("3"), 3};
    return s;
}

QString wire_value(const DirectorSection &s, Field field, bool six)
{
    switch (field) {
    case Field::TeacherPanoIp: return s.teacher_pano_ip;
    case Field::StudentPanoIp: return s.student_pano_ip;
    case Field::BlackboardCameraIp: return s.blackboard_camera_ip;
    case Field::PanoPort: return s.pano_port;
    case Field::UartBaud: return s.uart_baud;
    case Field::CommunicateMode: return digit(s.communicate_mode);
    case Field::CommandMode: return digit(s.command_mode);
    case Field::BroadcastIp: return s.broadcast_ip;
    case Field::BroadcastPort: return s.broadcast_port;
    case Field::SwitchAuto: return s.switch_auto;
    case Field::SwitchManual: return s.switch_manual;
    case Field::CommandTimes: return digit(s.command_times);
    case Field::Strategy: return digit(s.strategy);
    case Field::TeacherEnable:
        return flags({s.teacher[0].on, s.teacher[1].on, s.teacher[2].on, s.teacher[3].on, s.teacher[4].on});
    case Field::TeacherWalkUpPlatform: return s.teacher[0].code;
    case Field::TeacherKeepStand: return s.teacher[1].code;
    case Field::TeacherWalkMoving: return s.teacher[2].code;
    case Field::TeacherWalkDownPlatform: return s.teacher[3].code;
    case Field::TeacherHaveObjectMulti: return s.teacher[4].code;
    case Field::KeepInterval: return QString::number(s.keep_interval);
    case Field::MovingInterval: return QString::number(s.moving_interval);
    case Field::MultiInterval: return QString::number(s.multi_interval);
    case Field::StudentEnable: return flags({s.student[0].on, s.student[1].on, s.student[2].on, s.student[3].on});
    case Field::StudentStandUp: return s.student[0].code;
    case Field::StudentKeepStand: return s.student[1].code;
    case Field::StudentSitDown: return s.student[2].code;
    case Field::StudentHaveObjectMulti: return s.student[3].code;
    case Field::BlackboardEnable: return flags({s.board[0].on, s.board[1].on});
    case Field::BlackboardHaveObjectTracked: return s.board[0].code;
    case Field::BlackboardNoneObjectTracked: return s.board[1].code;
    case Field::InnerEnable:
        return flags({s.interior[0].on, s.interior[1].on, s.interior[2].on, s.interior[3].on,
                      s.interior[4].on && !six});
    case Field::BlackboardDirectorEnable: return flags({s.blackboard[0].on && six, s.blackboard[1].on && six});
    case Field::InnerTeacherFeature: return s.interior[0].code;
    case Field::InnerTeacherPano: return s.interior[1].code;
    case Field::InnerStudentFeature: return s.interior[2].code;
    case Field::InnerStudentPano: return s.interior[3].code;
    case Field::InnerBlackboardFeature: return s.interior[4].code;
    case Field::Blackboard1Feature: return s.blackboard[0].code;
    case Field::Blackboard2Feature: return s.blackboard[1].code;
    case Field::MinSwitchTime: return s.min_switch_time.text;
    }
    return QString();
}

QString set_block(const DirectorSection &settings, bool six_camera_layout)
{
    QVector<Item> items;
    items.reserve(kFieldCount);
    for (const Row &r : kRows)
        items.append({QLatin1String(r.key), wire_value(settings, r.field, six_camera_layout)});
    return build({QLatin1String(kDirectorSection), QLatin1String(kSetDirectorConfigFile)}, items);
}

QString routed(const QString &routing_line, const QString &block)
{
    return routing_line + QLatin1Char('\n') + block;
}

QString obtain_block(const QString &routing_line)
{
    return join({routing_line, QLatin1String(kGetDirectorConfigFile)});
}

QVector<ReadItem> read_answer(const QString &text)
{
    QVector<ReadItem> items;
    const bool teacher = text.contains(QLatin1String(kTeacherSection));
    read_group(text, kCommonGroup, &items);
    if (teacher)
        read_group(text, kTeacherEvents, &items);
    if (text.contains(QLatin1String(kStudentSection)))
        read_group(text, kStudentEvents, &items);
    if (text.contains(QLatin1String(kBoardSection)))
        read_group(text, kBlackboardEvents, &items);
    if (teacher) {
        read_group(text, kInteriorViews, &items);
        read_group(text, kBlackboardEvents, &items);
    }
    return items;
}

namespace {
// A one-character choice: "0" the first, "1" the second, ... of count; any other character none.
bool take_choice(int &member, const QString &value, int count)
{
    for (int i = 0; i < count; ++i) {
        if (value == QString::number(i)) {
            member = i;
            return true;
        }
    }
    return false;
}

template <size_t N>
void take_flags(std::array<CodeSwitch, N> &codes, const QString &flags)
{
    for (size_t i = 0; i < N; ++i)
        codes[i].on = flag_at(flags, int(i));
}
} // namespace

bool take(DirectorSection &s, const ReadItem &item)
{
    const QString &v = item.value;
    switch (item.field) {
    case Field::TeacherPanoIp:
    case Field::StudentPanoIp:
    case Field::BlackboardCameraIp:
        // Sent, never read back.
        return false;
    case Field::PanoPort: s.pano_port = v; return true;
    case Field::UartBaud: s.uart_baud = v; return true;
    case Field::CommunicateMode: return take_choice(s.communicate_mode, v, 3);
    case Field::CommandMode: return take_choice(s.command_mode, v, 2);
    case Field::BroadcastIp: s.broadcast_ip = v; return true;
    case Field::BroadcastPort: s.broadcast_port = v; return true;
    case Field::SwitchAuto: s.switch_auto = v; return true;
    case Field::SwitchManual: s.switch_manual = v; return true;
    case Field::CommandTimes: return take_choice(s.command_times, v, 3);
    case Field::Strategy: return take_choice(s.strategy, v, 2);
    case Field::TeacherEnable: take_flags(s.teacher, v); return true;
    case Field::TeacherWalkUpPlatform: s.teacher[0].code = v; return true;
    case Field::TeacherKeepStand: s.teacher[1].code = v; return true;
    case Field::TeacherWalkMoving: s.teacher[2].code = v; return true;
    case Field::TeacherWalkDownPlatform: s.teacher[3].code = v; return true;
    case Field::TeacherHaveObjectMulti: s.teacher[4].code = v; return true;
    case Field::KeepInterval: s.keep_interval = number_value(v); return true;
    case Field::MovingInterval: s.moving_interval = number_value(v); return true;
    case Field::MultiInterval: s.multi_interval = number_value(v); return true;
    case Field::StudentEnable: take_flags(s.student, v); return true;
    case Field::StudentStandUp: s.student[0].code = v; return true;
    case Field::StudentKeepStand: s.student[1].code = v; return true;
    case Field::StudentSitDown: s.student[2].code = v; return true;
    case Field::StudentHaveObjectMulti: s.student[3].code = v; return true;
    case Field::BlackboardEnable: take_flags(s.board, v); return true;
    case Field::BlackboardHaveObjectTracked: s.board[0].code = v; return true;
    case Field::BlackboardNoneObjectTracked: s.board[1].code = v; return true;
    case Field::InnerEnable: take_flags(s.interior, v); return true;
    case Field::BlackboardDirectorEnable: take_flags(s.blackboard, v); return true;
    case Field::InnerTeacherFeature: s.interior[0].code = v; return true;
    case Field::InnerTeacherPano: s.interior[1].code = v; return true;
    case Field::InnerStudentFeature: s.interior[2].code = v; return true;
    case Field::InnerStudentPano: s.interior[3].code = v; return true;
    case Field::InnerBlackboardFeature: s.interior[4].code = v; return true;
    case Field::Blackboard1Feature: s.blackboard[0].code = v; return true;
    case Field::Blackboard2Feature: s.blackboard[1].code = v; return true;
    case Field::MinSwitchTime: s.min_switch_time = {v, number_value(v)}; return true;
    }
    return false;
}

bool flag_at(const QString &flags, int index)
{
    return index >= 0 && index < flags.size() && flags.at(index) == QLatin1Char('1');
}

int number_value(const QString &value)
{
    bool ok = false;
    const int n = value.toInt(&ok, 10);
    return ok ? n : 0;
}

} // namespace director_parameters
