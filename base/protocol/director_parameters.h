#pragma once

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

// One code with its on/off box.
struct CodeSwitch
{
    bool on = true;
    QString code;
};

// The director tab's values as the widgets hold them.
struct DirectorSettings
{
    QString teacher_pano_ip;
    QString student_pano_ip;
    QString blackboard_camera_ip;
    QString pano_port;
    QString uart_baud;
    int communicate_mode = 0; // 0 UDP, 1 TCP, 2 serial
    int command_mode = 0;     // 0 hex, 1 ASCII
    QString broadcast_ip;
    QString broadcast_port;
    QString switch_auto;
    QString switch_manual;
    int command_times = 0; // 0 single, 1 triple, 2 continuously
    int strategy = 1;      // 0 external, 1 interior
    // On the platform, still, moving, under the platform, multi-objective.
    CodeSwitch teacher[5];
    QString keep_interval;
    QString moving_interval;
    QString multi_interval;
    // Stood up, close-up in place, sat down, multi-objective.
    CodeSwitch student[4];
    // Board in use, no board action.
    CodeSwitch board[2];
    // Teacher close-up, teacher panorama, student close-up, student panorama, blackboard.
    CodeSwitch interior[5];
    // Board 1 and Board 2 of the six-camera layout.
    CodeSwitch blackboard[2];
    QString min_switch_time;
};

// What the Director tab's Default puts in: the recording host 192.168.1.200 at port 9999, the
// switch codes, every event's and view's code switched on, intervals of 1 and a minimum switch
// time of 3, with UDP, hex codes sent once and the interior strategy. The camera addresses, the
// pano port and the baud rate stay empty: Default leaves those fields as they are.
DirectorSettings default_settings();

// The value a field is sent with. In the six-camera layout the two blackboard cameras take the
// place of the single blackboard view: the fifth character of `inner_director_enable` is then
// "0", and `blackboard_director_enable` carries the Board 1 and Board 2 boxes ("00" in the
// other layouts).
QString wire_value(const DirectorSettings &settings, Field field, bool six_camera_layout);

// "director_parameter", "set_director_config_file" and the forty items, joined by "\n", no
// line feed at the end. Line breaks in a value are removed (a value cannot start a line).
QString set_block(const DirectorSettings &settings, bool six_camera_layout);

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

// Character i of an on/off string: true only for "1" (a short string switches the rest off).
bool flag_at(const QString &flags, int index);

// A number of an answer: base 10, no number gives 0.
int number_value(const QString &value);

} // namespace director_parameters
