#include "settings/config_tables.h"

#include "protocol/reply_values.h"
#include "settings/config_values.h"

#include <QSettings>

#include <cstring>
#include <utility>

namespace config {
namespace {

KeyRow text(const char *key, QString *(*member)(Stored &))
{
    KeyRow row{key, Kind::Text};
    row.text = member;
    return row;
}
KeyRow slider(const char *key, Kind kind, SliderText *(*member)(Stored &))
{
    KeyRow row{key, kind};
    row.slider = member;
    return row;
}
KeyRow number(const char *key, Kind kind, int *(*member)(Stored &))
{
    KeyRow row{key, kind};
    row.number = member;
    return row;
}
KeyRow flag(const char *key, bool *(*member)(Stored &), Kind kind = Kind::Flag)
{
    KeyRow row{key, kind};
    row.flag = member;
    return row;
}
KeyRow choice(const char *key, int *(*member)(Stored &), std::vector<ChoiceCode> codes)
{
    KeyRow row{key, Kind::Choice};
    row.number = member;
    row.choices = std::move(codes);
    return row;
}
KeyRow write_only(KeyRow row)
{
    row.read = false;
    return row;
}
KeyRow with_fallback(KeyRow row, const char *fallback)
{
    row.fallback = fallback;
    return row;
}
KeyRow point(const char *key, int index, bool x)
{
    KeyRow row{key, Kind::Point};
    row.point = index;
    row.x_axis = x;
    return row;
}

// The member accessors of the rows, by path from the stored values.
#define CORVANE_MEMBER(path) [](Stored &s) { return &s.path; }

// The twenty point keys in the order of reading and writing: the four corners (keys ending in
// "_SET"), then the six designated points (the sixth spelled "SIX").
const char *const kPointKeys[20] = {
    "STUDENT_FORWARD_LEFT_X_SET",   "STUDENT_FORWARD_LEFT_Y_SET",   "STUDENT_FORWARD_RIGHT_X_SET",
    "STUDENT_FORWARD_RIGHT_Y_SET",  "STUDENT_BACKWARD_RIGHT_X_SET", "STUDENT_BACKWARD_RIGHT_Y_SET",
    "STUDENT_BACKWARD_LEFT_X_SET",  "STUDENT_BACKWARD_LEFT_Y_SET",  "STUDENT_DESIGNATED_FIRST_X",
    "STUDENT_DESIGNATED_FIRST_Y",   "STUDENT_DESIGNATED_SECOND_X",  "STUDENT_DESIGNATED_SECOND_Y",
    "STUDENT_DESIGNATED_THIRD_X",   "STUDENT_DESIGNATED_THIRD_Y",   "STUDENT_DESIGNATED_FOURTH_X",
    "STUDENT_DESIGNATED_FOURTH_Y",  "STUDENT_DESIGNATED_FIFTH_X",   "STUDENT_DESIGNATED_FIFTH_Y",
    "STUDENT_DESIGNATED_SIX_X",     "STUDENT_DESIGNATED_SIX_Y",
};

GroupTable make_teacher()
{
    GroupTable g{"TEACHER_CONF", {}, {}};
    // Written here by the main window; a hand-written file may have it in STUDENT_CONF only.
    KeyRow studentPreset = with_fallback(number("Student_Set_Preset", Kind::Index, CORVANE_MEMBER(student.preset_index)),
                                         "STUDENT_CONF/Student_Set_Preset");
    KeyRow guideState{"Tracking_Guide_State", Kind::Constant};
    guideState.constant = "1";
    guideState.read = false; // the start-up reads it, not the loader
    // The wizard start-up reads it.
    KeyRow layout = write_only(number("Tracking_Number_Camera", Kind::Index, CORVANE_MEMBER(choices.camera_layout)));
    KeyRow customer = flag("Customer_Model", CORVANE_MEMBER(teacher.customer_model), Kind::CustomerModel);
    g.rows = {
        text("Feature_IP", CORVANE_MEMBER(address_fields[int(camera_slot::Slot::TeacherFeature)])),
        text("Pano_IP", CORVANE_MEMBER(address_fields[int(camera_slot::Slot::TeacherPano)])),
        slider("Sensitivity", Kind::TextThenValue, CORVANE_MEMBER(teacher.pano_sensitivity)),
        number("Set_Preset", Kind::Index, CORVANE_MEMBER(teacher.preset_index)),
        studentPreset,
        slider("Feature_Distance", Kind::Distance, CORVANE_MEMBER(teacher.feature_distance)),
        customer,
        slider("Pano_Distance", Kind::Distance, CORVANE_MEMBER(teacher.pano_distance)),
        text("Pan_Offset", CORVANE_MEMBER(teacher.pano_pan_offset.text)),
        slider("Pan_Offset_Index", Kind::Value, CORVANE_MEMBER(teacher.pano_pan_offset)),
        text("Tilt_Offset", CORVANE_MEMBER(teacher.pano_tilt_offset.text)),
        slider("Tilt_Offset_Index", Kind::Value, CORVANE_MEMBER(teacher.pano_tilt_offset)),
        choice("Target_Lost_Action", CORVANE_MEMBER(teacher.losing_object_strategy),
               {{"0", 0}, {"1", 1}, {"2", 2}, {"11", 3}}),
        flag("Board_Detect_Enable", CORVANE_MEMBER(teacher.board_detect_enable), Kind::FlagIfOne),
        text("Board_Detect_Time", CORVANE_MEMBER(teacher.board_detect_time.text)),
        slider("Board_Detect_Time_Index", Kind::Value, CORVANE_MEMBER(teacher.board_detect_time)),
        text("Board_Hold_Time", CORVANE_MEMBER(teacher.board_continue_time.text)),
        slider("Board_Hold_Time_Index", Kind::Value, CORVANE_MEMBER(teacher.board_continue_time)),
        text("Board_Lose_Time", CORVANE_MEMBER(teacher.board_lose_time.text)),
        slider("Board_Lose_Time_Index", Kind::Value, CORVANE_MEMBER(teacher.board_lose_time)),
        text("Board_Space_Time", CORVANE_MEMBER(teacher.board_face_interval_time.text)),
        slider("Board_Space_Time_Index", Kind::Value, CORVANE_MEMBER(teacher.board_face_interval_time)),
        choice("Multi_Objective_Action", CORVANE_MEMBER(teacher.multi_object_strategy), {{"1", 0}, {"2", 1}}),
        choice("Tracking_Mode", CORVANE_MEMBER(teacher.tracking_mode),
               {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}}),
        number("Decoder_Current_Index", Kind::Index, CORVANE_MEMBER(choices.decoder_index)),
        number("Target_Lost_Timeout", Kind::Number, CORVANE_MEMBER(teacher.time_to_pano_delay)),
        // The wizard's own key: the window shows nothing of it, but its save must not lose it.
        number("Target_Lost_Timeout_Index", Kind::Number, CORVANE_MEMBER(teacher.target_lost_timeout_index)),
        number("Hold_Times", Kind::Number, CORVANE_MEMBER(teacher.time_lost_delay)),
        flag("Starting_Up_Track", CORVANE_MEMBER(teacher.auto_tracking)),
        flag("Manual_Focus", CORVANE_MEMBER(teacher.manual_focus)),
        flag("Vertical_Movement", CORVANE_MEMBER(teacher.auto_tilt)),
        flag("Feature_Real_Time_Track", CORVANE_MEMBER(teacher.feature_realtime_track)),
        text("Param_Save_Path", CORVANE_MEMBER(teacher.param_save_path)),
        guideState,
        layout,
    };
    g.save_order = {"Feature_IP", "Pano_IP", "Sensitivity", "Feature_Distance", "Pano_Distance",
                    "Pan_Offset", "Pan_Offset_Index", "Tilt_Offset", "Tilt_Offset_Index", "Set_Preset",
                    "Student_Set_Preset", "Tracking_Guide_State", "Tracking_Number_Camera",
                    "Decoder_Current_Index", "Customer_Model", "Target_Lost_Action", "Multi_Objective_Action",
                    "Tracking_Mode", "Target_Lost_Timeout", "Target_Lost_Timeout_Index", "Hold_Times", "Board_Detect_Enable",
                    "Board_Detect_Time", "Board_Detect_Time_Index", "Board_Hold_Time", "Board_Hold_Time_Index",
                    "Board_Lose_Time", "Board_Lose_Time_Index", "Board_Space_Time", "Board_Space_Time_Index",
                    "Starting_Up_Track", "Manual_Focus", "Vertical_Movement", "Feature_Real_Time_Track",
                    "Param_Save_Path"};
    return g;
}

GroupTable make_student()
{
    GroupTable g{"STUDENT_CONF", {}, {}};
    g.rows = {
        text("Feature_IP", CORVANE_MEMBER(address_fields[int(camera_slot::Slot::StudentFeature)])),
        text("Pano_IP", CORVANE_MEMBER(address_fields[int(camera_slot::Slot::StudentPano)])),
        slider("Sensitivity", Kind::TextThenValue, CORVANE_MEMBER(student.pano_sensitivity)),
        slider("Object_Size", Kind::Size, CORVANE_MEMBER(student.pano_object_size)),
        flag("Customer_Model", CORVANE_MEMBER(student.customer_model), Kind::CustomerModel),
        text("Height", CORVANE_MEMBER(student.pano_height)),
        text("Length", CORVANE_MEMBER(student.pano_length)),
        text("Object_Height", CORVANE_MEMBER(student.pano_camera_height)),
        text("Pan_Offset", CORVANE_MEMBER(student.pano_pan_offset.text)),
        slider("Pan_Offset_Index", Kind::Value, CORVANE_MEMBER(student.pano_pan_offset)),
        text("Tilt_Offset", CORVANE_MEMBER(student.pano_tilt_offset.text)),
        slider("Tilt_Offset_Index", Kind::Value, CORVANE_MEMBER(student.pano_tilt_offset)),
        choice("Target_Lost_Action", CORVANE_MEMBER(student.losing_object_strategy), {{"0", 0}, {"1", 1}}),
        text("Target_Lost_Timeout", CORVANE_MEMBER(student.time_delay.text)),
        slider("Target_Lost_Timeout_Index", Kind::Value, CORVANE_MEMBER(student.time_delay)),
        choice("Multi_Objective_Action", CORVANE_MEMBER(student.multi_object_strategy), {{"1", 0}, {"2", 1}}),
        number("Continue_Time", Kind::Number, CORVANE_MEMBER(student.feature_continue_max_time)),
        flag("Starting_Up_Track", CORVANE_MEMBER(student.auto_tracking)),
        flag("Face_Detect", CORVANE_MEMBER(student.face_detect)),
        flag("Pano_Switch", CORVANE_MEMBER(student.pano_switch)),
    };
    for (int i = 0; i < 20; ++i)
        g.rows.push_back(point(kPointKeys[i], i / 2, i % 2 == 0));
    // Written for the camera's sake but never read back: the form's choice stands at start.
    g.rows.push_back(write_only(choice("EPTZ_Model", CORVANE_MEMBER(student.eptz_mode), {{"1", 1}, {"0", 0}})));
    g.rows.push_back(write_only(text("Param_Save_Path", CORVANE_MEMBER(student.param_save_path))));

    g.save_order = {"Feature_IP", "Pano_IP", "Sensitivity", "Object_Size", "Height", "Length",
                    "Object_Height", "Pan_Offset", "Pan_Offset_Index", "Tilt_Offset", "Tilt_Offset_Index",
                    "Customer_Model", "EPTZ_Model", "Target_Lost_Action", "Target_Lost_Timeout",
                    "Target_Lost_Timeout_Index", "Multi_Objective_Action", "Continue_Time", "Starting_Up_Track",
                    "Face_Detect"};
    for (const char *key : kPointKeys)
        g.save_order.push_back(key);
    g.save_order.push_back("Pano_Switch");
    g.save_order.push_back("Param_Save_Path");
    return g;
}

GroupTable make_board()
{
    GroupTable g{"BOARD_CONF", {}, {}};
    g.rows = {
        text("Feature_IP", CORVANE_MEMBER(address_fields[int(camera_slot::Slot::BoardFeature)])),
        text("Pano_IP", CORVANE_MEMBER(address_fields[int(camera_slot::Slot::BoardPano)])),
        slider("Sensitivity", Kind::TextThenValue, CORVANE_MEMBER(board.pano_sensitivity)),
        text("Target_Lost_Timeout", CORVANE_MEMBER(board.time_delay.text)),
        slider("Target_Lost_Timeout_Index", Kind::Value, CORVANE_MEMBER(board.time_delay)),
        flag("Board_enable", CORVANE_MEMBER(board.feature_enable), Kind::FlagOneOrZero),
        choice("Multi_Objective_Action", CORVANE_MEMBER(board.multi_object_strategy), {{"0", 0}, {"1", 1}}),
        // The lost-target choice is written under Target_Lost_Action; files that only have the
        // older Lose_Objective_Action key are still read.
        with_fallback(choice("Target_Lost_Action", CORVANE_MEMBER(board.losing_object_strategy), {{"0", 0}, {"1", 1}}),
                      "BOARD_CONF/Lose_Objective_Action"),
        write_only(text("Param_Save_Path", CORVANE_MEMBER(board.param_save_path))),
    };
    g.save_order = {"Feature_IP", "Pano_IP", "Sensitivity", "Target_Lost_Timeout", "Target_Lost_Timeout_Index",
                    "Board_enable", "Multi_Objective_Action", "Target_Lost_Action", "Param_Save_Path"};
    return g;
}

// The eighteen flag-and-code pairs of the Director tab in the writer's order: the eleven
// external events, the four interior views, then the three blackboard rows (whose keys carry
// their own suffixes, "_Enable_1", "_Code_1").
struct DirectorPair {
    const char *enableKey;
    const char *codeKey;
};

constexpr int kDirectorPairCount = 18;
const DirectorPair kDirectorPairs[kDirectorPairCount] = {
    {"External_Teacher_On_Platform_Enable", "External_Teacher_On_Platform_Code"},
    {"External_Teacher_Still_Enable", "External_Teacher_Still_Code"},
    {"External_Teacher_Moving_Enable", "External_Teacher_Moving_Code"},
    {"External_Teacher_Under_Platform_Enable", "External_Teacher_Under_Platform_Code"},
    {"External_Teacher_Multi_Object_Enable", "External_Teacher_Multi_Object_Code"},
    {"External_Student_Stood_Up_Enable", "External_Student_Stood_Up_Code"},
    {"External_Student_Feature_Place_Enable", "External_Student_Feature_Place_Code"},
    {"External_Student_Sat_Down_Enable", "External_Student_Sat_Down_Code"},
    {"External_Student_Multi_Object_Enable", "External_Student_Multi_Object_Code"},
    {"External_Board_Have_Action_Enable", "External_Board_Have_Action_Code"},
    {"External_Board_None_Action_Enable", "External_Board_None_Action_Code"},
    {"Interior_Teacher_Feature_Enable", "Interior_Teacher_Feature_Code"},
    {"Interior_Teacher_Pano_Enable", "Interior_Teacher_Pano_Code"},
    {"Interior_Student_Feature_Enable", "Interior_Student_Feature_Code"},
    {"Interior_Student_Pano_Enable", "Interior_Student_Pano_Code"},
    {"Interior_Blackboard_Enable", "Interior_Blackboard_Code"},
    {"Interior_Blackboard_Enable_1", "Interior_Blackboard_Code_1"},
    {"Interior_Blackboard_Enable_2", "Interior_Blackboard_Code_2"},
};
constexpr int kFirstBlackboardPair = 15;

// Pair i's code switch: the five teacher events, the four student events, the two board events,
// the five interior views (the blackboard view last), then Board 1 and Board 2.
CodeSwitch &director_pair(Stored &s, int pair)
{
    DirectorSection &d = s.director;
    if (pair < 5)
        return d.teacher[size_t(pair)];
    if ((pair -= 5) < 4)
        return d.student[size_t(pair)];
    if ((pair -= 4) < 2)
        return d.board[size_t(pair)];
    if ((pair -= 2) < 5)
        return d.interior[size_t(pair)];
    return d.blackboard[size_t(pair - 5)];
}

template <int Pair>
bool *pair_on(Stored &s)
{
    return &director_pair(s, Pair).on;
}

template <int Pair>
QString *pair_code(Stored &s)
{
    return &director_pair(s, Pair).code;
}

template <size_t... I>
std::array<KeyRow, kDirectorPairCount> pair_rows(bool enable, std::index_sequence<I...>)
{
    return {(enable ? flag(kDirectorPairs[I].enableKey, &pair_on<int(I)>)
                    : text(kDirectorPairs[I].codeKey, &pair_code<int(I)>))...};
}

GroupTable make_director()
{
    GroupTable g{"DIRECTOR_CONF", {}, {}};
    g.rows = {
        // Kept for the next save only: the loader leaves the form's port and baud rate.
        write_only(text("Camera_Port", CORVANE_MEMBER(director.pano_port))),
        write_only(text("Camera_Baudrate", CORVANE_MEMBER(director.uart_baud))),
        choice("Protocol", CORVANE_MEMBER(director.communicate_mode), {{"0", 0}, {"1", 1}, {"2", 2}}),
        choice("Command_Type", CORVANE_MEMBER(director.command_mode), {{"0", 0}, {"1", 1}}),
        text("Director_IP", CORVANE_MEMBER(director.broadcast_ip)),
        text("Director_Port", CORVANE_MEMBER(director.broadcast_port)),
        text("Code_Switch_Auto", CORVANE_MEMBER(director.switch_auto)),
        text("Code_Switch_Manual", CORVANE_MEMBER(director.switch_manual)),
        choice("Send_Mode", CORVANE_MEMBER(director.command_times), {{"0", 0}, {"1", 1}, {"2", 2}}),
        choice("Director_Strategy", CORVANE_MEMBER(director.strategy), {{"0", 0}, {"1", 1}}),
    };
    const auto seq = std::make_index_sequence<kDirectorPairCount>();
    const std::array<KeyRow, kDirectorPairCount> enables = pair_rows(true, seq);
    const std::array<KeyRow, kDirectorPairCount> codes = pair_rows(false, seq);
    for (int i = 0; i < kFirstBlackboardPair; ++i) {
        g.rows.push_back(enables[size_t(i)]);
        g.rows.push_back(codes[size_t(i)]);
    }
    // The blackboard rows are read boxes first, then codes.
    for (int i = kFirstBlackboardPair; i < kDirectorPairCount; ++i)
        g.rows.push_back(enables[size_t(i)]);
    for (int i = kFirstBlackboardPair; i < kDirectorPairCount; ++i)
        g.rows.push_back(codes[size_t(i)]);
    // Lower-case "time": the key as every stored file has it.
    g.rows.push_back(slider("Interior_Min_Switch_time", Kind::TextThenValue, CORVANE_MEMBER(director.min_switch_time)));

    g.save_order = {"Camera_Port", "Camera_Baudrate", "Protocol", "Command_Type", "Director_IP", "Director_Port",
                    "Code_Switch_Auto", "Code_Switch_Manual", "Send_Mode", "Director_Strategy"};
    for (const DirectorPair &pair : kDirectorPairs) {
        g.save_order.push_back(pair.enableKey);
        g.save_order.push_back(pair.codeKey);
    }
    g.save_order.push_back("Interior_Min_Switch_time");
    return g;
}

#undef CORVANE_MEMBER

} // namespace

const GroupTable &teacher_group()
{
    static const GroupTable table = make_teacher();
    return table;
}

const GroupTable &student_group()
{
    static const GroupTable table = make_student();
    return table;
}

const GroupTable &board_group()
{
    static const GroupTable table = make_board();
    return table;
}

const GroupTable &director_group()
{
    static const GroupTable table = make_director();
    return table;
}

const std::vector<const GroupTable *> &tab_groups()
{
    static const std::vector<const GroupTable *> groups = {&teacher_group(), &student_group(), &board_group(),
                                                           &director_group()};
    return groups;
}

const KeyRow *find_row(const GroupTable &group, const char *key)
{
    for (const KeyRow &row : group.rows) {
        if (std::strcmp(row.key, key) == 0)
            return &row;
    }
    return nullptr;
}

} // namespace config

namespace config {

bool read_key(const KeyRow &row, const QString &text, Stored &stored)
{
    switch (row.kind) {
    case Kind::Text:
        *row.text(stored) = text;
        break;
    case Kind::TextThenValue:
    case Kind::Distance:
    case Kind::Size: {
        // The label first: when the slider then moves, its own text stands instead.
        int position = reply_values::number(text);
        if (row.kind == Kind::Distance)
            position = slider_text::distance_position(text);
        else if (row.kind == Kind::Size)
            position = slider_text::size_position(text);
        *row.slider(stored) = {text, position};
        break;
    }
    case Kind::Value:
        row.slider(stored)->position = reply_values::number(text);
        break;
    case Kind::Number:
    case Kind::Index:
        *row.number(stored) = reply_values::number(text);
        break;
    case Kind::Flag:
        *row.flag(stored) = flag_set(text);
        break;
    case Kind::FlagIfOne:
        *row.flag(stored) = flag_set_if_one(text);
        break;
    case Kind::FlagOneOrZero:
        if (const auto checked = flag_one_or_zero(text)) {
            *row.flag(stored) = *checked;
            break;
        }
        return false;
    case Kind::Choice:
        for (const ChoiceCode &choice : row.choices) {
            if (text == QLatin1String(choice.code)) {
                *row.number(stored) = choice.value;
                return true;
            }
        }
        return false;
    case Kind::CustomerModel:
        if (const auto flag = customer_model(text)) {
            *row.flag(stored) = *flag;
            break;
        }
        return false;
    case Kind::Point: {
        QPoint &p = stored.student_points[size_t(row.point)];
        if (row.x_axis)
            p.setX(reply_values::number(text));
        else
            p.setY(reply_values::number(text));
        break;
    }
    case Kind::Constant:
        return false;
    }
    return true;
}

QVariant written_value(const KeyRow &row, const Stored &values)
{
    // The accessors serve both ways; nothing is changed through them here.
    Stored &stored = const_cast<Stored &>(values);
    switch (row.kind) {
    case Kind::Text:
        return *row.text(stored);
    case Kind::TextThenValue:
    case Kind::Distance:
    case Kind::Size:
        return row.slider(stored)->text;
    case Kind::Value:
        return QString::number(row.slider(stored)->position);
    case Kind::Number:
        return QString::number(*row.number(stored));
    case Kind::Index:
        return *row.number(stored);
    case Kind::Flag:
    case Kind::FlagIfOne:
    case Kind::FlagOneOrZero:
        return flag_text(*row.flag(stored));
    case Kind::Choice:
        for (const ChoiceCode &choice : row.choices) {
            if (*row.number(stored) == choice.value)
                return QString::fromLatin1(choice.code);
        }
        // No button checked: an empty value, never another key's code.
        return QString();
    case Kind::CustomerModel:
        return customer_model_text(*row.flag(stored));
    case Kind::Point: {
        const QPoint &p = stored.student_points[size_t(row.point)];
        return row.x_axis ? p.x() : p.y();
    }
    case Kind::Constant:
        return QString::fromLatin1(row.constant);
    }
    return QString();
}

QStringList read_group(QSettings &settings, const GroupTable &group, Stored &stored)
{
    QStringList taken;
    for (const KeyRow &row : group.rows) {
        if (!row.read)
            continue;
        QString key = QString::fromLatin1(group.name) + QLatin1Char('/') + QString::fromLatin1(row.key);
        if (row.fallback && !settings.contains(key))
            key = QString::fromLatin1(row.fallback);
        if (read_key(row, text_of(settings.value(key)), stored))
            taken << QString::fromLatin1(row.key);
    }
    return taken;
}

void write_group(QSettings &settings, const GroupTable &group, const Stored &stored)
{
    settings.beginGroup(QString::fromLatin1(group.name));
    for (const char *key : group.save_order) {
        const KeyRow *row = find_row(group, key);
        if (!row || !row->written)
            continue;
        settings.setValue(QString::fromLatin1(key), written_value(*row, stored));
    }
    settings.endGroup();
}

} // namespace config
