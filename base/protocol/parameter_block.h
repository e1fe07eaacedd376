#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// `parameter block`: the text of parameter requests and answers. Lines joined by a single "\n",
// no line feed at the end:
//
//   [routing line]   "teacher_parameter" or "student_parameter" before a board or director
//                    section sent through a pano camera
//   section line     "teacher_parameter", "student_parameter", "board_parameter",
//                    "director_parameter"
//   [command line]   "get_tracking_config_file", "set_tracking_config_file", ...
//   item lines       key "=" value, no blanks around "="
//
// Answers use the same grammar; their lines may come in any order.
namespace parameter_block {

// Section lines.
constexpr char kTeacherSection[] = "teacher_parameter";
constexpr char kStudentSection[] = "student_parameter";
constexpr char kBoardSection[] = "board_parameter";
constexpr char kDirectorSection[] = "director_parameter";

// Command lines.
constexpr char kGetTrackingConfigFile[] = "get_tracking_config_file";
constexpr char kSetTrackingConfigFile[] = "set_tracking_config_file";
constexpr char kSetTrackingConfigCommand[] = "set_tracking_config_command";
constexpr char kGetDirectorConfigFile[] = "get_director_config_file";
constexpr char kSetDirectorConfigFile[] = "set_director_config_file";
constexpr char kGetTrackingStatus[] = "get_tracking_status";
constexpr char kCommandKey[] = "command";

struct Item
{
    QString key;
    QString value;
};

// The lines joined by "\n", without a line feed at the end.
QString join(const QStringList &lines);

// "key=value". A value cannot carry a line break (it would end the item and start a line of
// its own on the camera's side): line feeds, carriage returns, other line and paragraph
// separators and zero characters are removed from it, with a warning. A key that is empty or
// holds "=" or any of those characters names no item: the result is a null string, with a
// warning.
QString item_line(const QString &key, const QString &value);

// "command=" + verb, the one item of a "set_tracking_config_command" block.
QString command_line(const QString &verb);

// The head lines (routing, section, command), then one item line per item; items whose key
// is refused by item_line are left out.
QString build(const QStringList &head_lines, const QVector<Item> &items = {});

// The text of an answer: its bytes before the first zero byte, read as Latin-1.
QString reply_text(const QByteArray &reply);

// Key lookup in an answer. The key is given with or without its "="; it matches only at the
// start of a line, so "pan_speed" never matches inside "pano_pan_speed=", and the first such
// line wins. The text counts as ending at its first zero character.
//
// value: everything after the "=" up to the next line feed or the end; a null string when the
// key is absent (an absent key leaves its widget unchanged), an empty one when the line ends
// at the "=".
QString value(const QString &text, const QString &key);

// A one-character value (flags, one-digit choices): the first character of value(), empty when
// the line ends at the "=" (never a character past the end), null when the key is absent.
QString one_char_value(const QString &text, const QString &key);

bool has_key(const QString &text, const QString &key);

} // namespace parameter_block
