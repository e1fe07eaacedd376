#include "protocol/preset_commands.h"

#include <QStringList>

namespace preset_commands {

namespace {
QString block(std::initializer_list<const char *> lines, const QString &word)
{
    QStringList parts;
    for (const char *line : lines)
        parts << QLatin1String(line);
    parts << QStringLiteral("command=") + word;
    return parts.join(QLatin1Char('\n'));
}
} // namespace

QString teacher_command(const QString &word)
{
    return block({"teacher_parameter", "set_tracking_config_command"}, word);
}

QString student_command(const QString &word)
{
    return block({"student_parameter", "set_tracking_config_command"}, word);
}

QString board_preset_command(const QString &word)
{
    return block({"teacher_parameter", "board_parameter", "set_tracking_config_command"}, word);
}

QString board_tracking_command(const QString &word)
{
    return block({"board_parameter", "set_tracking_config_command"}, word);
}

QString director_test(bool teacher)
{
    return block({teacher ? "teacher_parameter" : "student_parameter", "director_parameter", "set_director_config_command"},
                 QStringLiteral("testcmd"));
}

QString teacher_position_command(const QString &word, bool set)
{
    return teacher_command((set ? QStringLiteral("set") : QStringLiteral("call")) + word);
}

QString student_pano_command(bool set)
{
    return student_command(set ? QStringLiteral("setpano") : QStringLiteral("callpano"));
}

QString cancel_board_pano()
{
    return teacher_command(QStringLiteral("cancelboard"));
}

QString cancel_platform()
{
    return teacher_command(QStringLiteral("cancelplatform"));
}

QString board_position_command(BoardPosition position, bool set)
{
    const char *word = "";
    switch (position) {
    case BoardPosition::Board0: word = "pano"; break;
    case BoardPosition::Board1: word = "platform"; break;
    case BoardPosition::Pano: word = "preset2"; break;
    case BoardPosition::SecondBoard1: word = "board1platform"; break;
    case BoardPosition::SecondPano: word = "board1preset2"; break;
    }
    return board_preset_command((set ? QStringLiteral("set") : QStringLiteral("call")) + QLatin1String(word));
}

QString board_tracking(bool start)
{
    return board_tracking_command(start ? QStringLiteral("start") : QStringLiteral("stop"));
}

TeacherPosition teacher_position(int index, TeacherListMode mode)
{
    // Rows: list index 0 to 5; columns: board-pano list, other list, follow list.
    struct Row {
        const char *boardPano;
        const char *other;
        const char *follow;
    };
    static const Row kRows[] = {
        {"platform", "pano", "pano"},
        {"preset2", "platform", "platform"},
        {"preset3", "preset3", "preset2"},
        {"board", "preset2", "preset3"},
        {"crop", "board", "board"},
        {nullptr, "crop", "crop"},
    };
    TeacherPosition position;
    if (index < 0 || index >= int(sizeof(kRows) / sizeof(kRows[0])))
        return position;
    const Row &row = kRows[index];
    const char *word = mode == TeacherListMode::BoardPano ? row.boardPano
                       : mode == TeacherListMode::Other   ? row.other
                                                          : row.follow;
    if (!word)
        return position;
    if (qstrcmp(word, "crop") == 0) {
        position.kind = TeacherPosition::PanoramaCrop;
        position.mark_after_visca = !(mode == TeacherListMode::BoardPano && index == 4);
    } else {
        position.kind = TeacherPosition::Word;
        position.word = QLatin1String(word);
    }
    return position;
}

CropCommand panorama_crop(const QString &feature_model, bool set)
{
    if (feature_model == QLatin1String("M19") || feature_model == QLatin1String("R6")
        || feature_model == QLatin1String("M5"))
        return {true, set ? QStringLiteral("8A 01 04 3F 01 3C FF") : QStringLiteral("8A 01 04 3F 02 3C FF")};
    if (feature_model == QLatin1String("J57"))
        return {true, set ? QStringLiteral("81 01 04 3F 01 00 FF") : QStringLiteral("81 01 04 3F 02 00 FF")};
    return {false, set ? QStringLiteral("setsecondpano") : QStringLiteral("callsecondpano")};
}

} // namespace preset_commands
