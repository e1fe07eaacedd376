#include "fuzz/director_section_entry.h"

#include "fuzz/fuzz_text.h"
#include "protocol/director_parameters.h"
#include "protocol/parameter_block.h"

namespace dp = director_parameters;
using dp::Field;

namespace {

// The routing line an answer must hold for a field to be read from it, or null for the fields
// read from every answer; the board events are read with either of two.
bool group_allowed(const QString &text, Field field)
{
    const int n = int(field);
    const bool teacher = text.contains(QLatin1String(parameter_block::kTeacherSection));
    if (n <= 3)
        return false; // the camera addresses are sent, never read back
    if (n >= 14 && n <= 19)
        return teacher;
    if (n >= 23 && n <= 27)
        return text.contains(QLatin1String(parameter_block::kStudentSection));
    if (n >= 28 && n <= 30)
        return teacher || text.contains(QLatin1String(parameter_block::kBoardSection));
    if (n >= 31)
        return teacher;
    return true;
}

QString check_items(const QString &text, const QVector<dp::ReadItem> &items)
{
    QVector<bool> seen(dp::kFieldCount + 1, false);
    for (const dp::ReadItem &item : items) {
        const dp::Row &row = dp::row(item.field);
        if (!group_allowed(text, item.field))
            return QStringLiteral("%1 read from an answer without its routing line").arg(QLatin1String(row.key));
        QString failure =
            fuzz_text::check_read_value(text, row.key, item.value, row.kind == dp::ValueKind::OneChar);
        if (!failure.isEmpty())
            return failure;
        for (int i = -1; i <= item.value.size(); ++i) {
            if (dp::flag_at(item.value, i) != (i >= 0 && i < item.value.size() && item.value.at(i) == QLatin1Char('1')))
                return QStringLiteral("flag %1 of \"%2\" misread").arg(i).arg(item.value);
        }
        bool ok = false;
        const int n = item.value.toInt(&ok, 10);
        if (dp::number_value(item.value) != (ok ? n : 0))
            return QStringLiteral("number \"%1\" misread").arg(item.value);
        seen[int(item.field)] = true;
    }
    for (const dp::Row &row : dp::rows()) {
        if (group_allowed(text, row.field) && parameter_block::has_key(text, QLatin1String(row.key))
            && !seen[int(row.field)])
            return QStringLiteral("%1 in the answer but not read").arg(QLatin1String(row.key));
    }
    return QString();
}

// A director block made of the input's lines, behind every routing line, reads back.
QString check_round_trip(const QString &text, fuzz_text::Numbers &numbers)
{
    const QStringList p = fuzz_text::pieces(text, 28);
    DirectorSection s;
    int at = 0;
    for (QString *v : {&s.teacher_pano_ip, &s.student_pano_ip, &s.blackboard_camera_ip, &s.pano_port, &s.uart_baud,
                       &s.broadcast_ip, &s.broadcast_port, &s.switch_auto, &s.switch_manual, &s.min_switch_time.text})
        *v = p[at++];
    for (int *v : {&s.keep_interval, &s.moving_interval, &s.multi_interval})
        *v = int(numbers.next32());
    const quint32 bits = numbers.next32();
    int bit = 0;
    for (CodeSwitch *group : {s.teacher.data(), s.student.data(), s.board.data(), s.interior.data(), s.blackboard.data()}) {
        const int count = group == s.teacher.data() ? 5 : group == s.student.data() ? 4 : group == s.interior.data() ? 5 : 2;
        for (int i = 0; i < count; ++i) {
            group[i].on = bits & (1u << (bit++ % 32));
            group[i].code = p[at++ % p.size()];
        }
    }
    s.communicate_mode = numbers.below(4) - 1;
    s.command_mode = numbers.below(3) - 1;
    s.command_times = numbers.below(4) - 1;
    s.strategy = numbers.below(3) - 1;
    const bool six = numbers.next32() & 1;

    const QString answer = dp::routed(QLatin1String(parameter_block::kTeacherSection), dp::set_block(s, six))
        + QStringLiteral("\nstudent_parameter\nboard_parameter");
    const QVector<dp::ReadItem> items = dp::read_answer(answer);
    QVector<bool> seen(dp::kFieldCount + 1, false);
    for (const dp::ReadItem &item : items) {
        const dp::Row &row = dp::row(item.field);
        QString want = fuzz_text::without_breaks(dp::wire_value(s, item.field, six));
        if (row.kind == dp::ValueKind::OneChar)
            want = want.left(1);
        if (item.value != want)
            return QStringLiteral("%1 sent as \"%2\", read back \"%3\"").arg(QLatin1String(row.key), want, item.value);
        seen[int(item.field)] = true;
    }
    for (int n = 4; n <= dp::kFieldCount; ++n) {
        if (!seen[n])
            return QStringLiteral("%1 sent but not read back").arg(QLatin1String(dp::row(Field(n)).key));
    }
    // What the answer gives back into a section is what was sent (a choice with no button
    // checked went as its first one).
    DirectorSection back;
    for (const dp::ReadItem &item : items)
        dp::take(back, item);
    if (back.keep_interval != s.keep_interval || back.multi_interval != s.multi_interval
        || back.communicate_mode != qMax(0, s.communicate_mode) || back.strategy != qMax(0, s.strategy)
        || back.teacher[2] != CodeSwitch{s.teacher[2].on, fuzz_text::without_breaks(s.teacher[2].code)}
        || back.student[0].on != s.student[0].on)
        return QStringLiteral("the director section does not survive its block");
    return QString();
}

} // namespace

QString check_director_section_input(const uint8_t *data, size_t size)
{
    const QString text = fuzz_text::latin1(data, size);
    const QString failure = check_items(text, dp::read_answer(text));
    if (!failure.isEmpty())
        return failure;
    fuzz_text::Numbers numbers(data, size);
    return check_round_trip(text, numbers);
}
