#pragma once

#include "model/section_values.h"

#include <QString>
#include <QVector>

// The director block: how the pano cameras send director codes to the recording host and which
// code goes with each classroom event or camera view. The same block goes to the teacher and
// the student pano camera, each behind its own routing line; the board pano camera answers with
// its own copy, from which the blackboard part is read.
namespace director_parameters {

// The forty items of the block, numbered in sending order.
enum class Field {
    TeacherPanoIp = 1,
    StudentPanoIp,
    BlackboardCameraIp,
    PanoPort,
    UartBaud,
    CommunicateMode,
    CommandMode,
    BroadcastIp,
    BroadcastPort,
    SwitchAuto,
    SwitchManual,
    CommandTimes,
    Strategy,
    TeacherEnable, // 14
    TeacherWalkUpPlatform,
    TeacherKeepStand,
    TeacherWalkMoving,
    TeacherWalkDownPlatform,
    TeacherHaveObjectMulti,
    KeepInterval, // 20
    MovingInterval,
    MultiInterval,
    StudentEnable, // 23
    StudentStandUp,
    StudentKeepStand,
    StudentSitDown,
    StudentHaveObjectMulti,
    BlackboardEnable, // 28
    BlackboardHaveObjectTracked,
    BlackboardNoneObjectTracked,
    InnerEnable, // 31
    BlackboardDirectorEnable,
    InnerTeacherFeature,
    InnerTeacherPano,
    InnerStudentFeature,
    InnerStudentPano,
    InnerBlackboardFeature,
    Blackboard1Feature,
    Blackboard2Feature,
    MinSwitchTime, // 40
};

constexpr int kFieldCount = 40;

// How a value is read back from an answer.
enum class ValueKind {
    Text,    // up to the next line feed, a zero character or the end
    OneChar, // the single character after "="
    Number,  // as Text, then base 10 (no number gives 0)
    Flags,   // as Text: a string of "1"/"0", character i for box i
};

struct Row
{
    Field field;
    const char *key;
    ValueKind kind;
    const char *log_label; // the label of the debug line of a value read back
};

// The rows in sending order (row i is Field(i + 1)).
const Row (&rows())[kFieldCount];
const Row &row(Field field);

// What the Director tab's Default puts in: the recording host 192.168.1.200 at port 9999, the
// switch codes, every event's and view's code switched on, intervals of 1 and a minimum switch
// time of 3, with UDP, hex codes sent once and the interior strategy. The camera addresses, the
// pano port and the baud rate stay empty: Default leaves those fields as they are.
DirectorSection default_settings();

// The value a field is sent with. In the six-camera layout the two blackboard cameras take the
// place of the single blackboard view: the fifth character of `inner_director_enable` is then
// "0", and `blackboard_director_enable` carries the Board 1 and Board 2 boxes ("00" in the
// other layouts). A choice with no button checked goes as its first one.
QString wire_value(const DirectorSection &settings, Field field, bool six_camera_layout);

// "director_parameter", "set_director_config_file" and the forty items, joined by "\n", no
// line feed at the end. Line breaks in a value are removed (a value cannot start a line).
QString set_block(const DirectorSection &settings, bool six_camera_layout);

// The block behind a routing line: "teacher_parameter" or "student_parameter", "\n", block.
QString routed(const QString &routing_line, const QString &block);

// "teacher_parameter" or "student_parameter", "\n", "get_director_config_file".
QString obtain_block(const QString &routing_line);

// One value found in an answer.
struct ReadItem
{
    Field field;
    QString value; // by the row's kind: one character, or the whole text value
};

// The values of a director answer in reading order, by groups:
// 1. always: pano_port, uart_baud, communicate_mode, command_mode, director_broadcast_ip,
//    director_broadcast_port, switch_auto, the three intervals, switch_manual,
//    director_command_times, director_strategy;
// 2. with "teacher_parameter" in the answer: the teacher events (rows 14 to 19);
// 3. with "student_parameter": the student events (rows 23 to 27);
// 4. with "board_parameter": the blackboard events (rows 28 to 30);
// 5. with "teacher_parameter": rows 31, 33 to 37, 40, 32, 38, 39, then 28 to 30 again.
// A key the answer does not hold gives no item.
QVector<ReadItem> read_answer(const QString &text);

// One value read into the section, as the Director tab shows it: a choice only for one of its own
// characters, a number by number_value, an on/off string box by box; the camera addresses are
// never read back. False when the value changed nothing it names.
bool take(DirectorSection &section, const ReadItem &item);

// Character i of an on/off string: true only for "1" (a short string switches the rest off).
bool flag_at(const QString &flags, int index);

// A number of an answer: base 10, no number gives 0.
int number_value(const QString &value);

} // namespace director_parameters
