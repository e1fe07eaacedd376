#include "settings/config_tables.h"

#include <cstring>

namespace config {
namespace {

KeyRow text(const char *key, const char *control) { return {key, Kind::Text, control}; }
KeyRow value(const char *key, const char *control) { return {key, Kind::Value, control}; }
KeyRow flag(const char *key, const char *control) { return {key, Kind::Flag, control}; }
KeyRow label_slider(const char *key, Kind kind, const char *label, const char *slider)
{
    return {key, kind, label, slider};
}
KeyRow choice(const char *key, std::vector<ChoiceCode> codes)
{
    KeyRow row{key, Kind::Choice};
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
    KeyRow studentPreset{"Student_Set_Preset", Kind::Index, "student_preset_list"};
    // Written here by the main window; a hand-written file may have it in STUDENT_CONF only.
    studentPreset.fallback = "STUDENT_CONF/Student_Set_Preset";
    KeyRow guideState{"Tracking_Guide_State", Kind::Constant};
    guideState.constant = "1";
    guideState.read = false; // the start-up reads it, not the loader
    KeyRow layout{"Tracking_Number_Camera", Kind::Index, "choose_camera_comboBox"};
    layout.read = false; // the wizard start-up reads it
    g.rows = {
        text("Feature_IP", "teacher_feature_IP_Edit"),
        text("Pano_IP", "teacher_pano_IP_Edit"),
        label_slider("Sensitivity", Kind::TextThenValue, "teacher_sensitivity_label", "teacher_sensitivity_Slider"),
        {"Set_Preset", Kind::Index, "teacher_preset_list"},
        studentPreset,
        label_slider("Feature_Distance", Kind::Distance, "teacher_fea_distance_label", "teacher_fea_distance_Slider"),
        {"Customer_Model", Kind::CustomerModel},
        label_slider("Pano_Distance", Kind::Distance, "teacher_distance_label", "teacher_distance_Slider"),
        text("Pan_Offset", "teacher_panOffset_label"),
        value("Pan_Offset_Index", "teacher_panOffset_Slider"),
        text("Tilt_Offset", "teacher_tiltOffset_label"),
        value("Tilt_Offset_Index", "teacher_tiltOffset_Slider"),
        choice("Target_Lost_Action", {{"0", "teacher_none_action_radioButton"},
                                      {"1", "teacher_pano_action_radioButton"},
                                      {"2", "teacher_platform_action_radioButton"},
                                      {"11", "teacher_student_pano_action_radioButton"}}),
        {"Board_Detect_Enable", Kind::FlagIfOne, "teacher_board_enable_checkBox"},
        text("Board_Detect_Time", "teacher_board_detect_label"),
        value("Board_Detect_Time_Index", "teacher_board_detect_Slider"),
        text("Board_Hold_Time", "teacher_board_hold_label"),
        value("Board_Hold_Time_Index", "teacher_board_hold_Slider"),
        text("Board_Lose_Time", "teacher_board_lose_label"),
        value("Board_Lose_Time_Index", "teacher_board_lose_Slider"),
        text("Board_Space_Time", "teacher_board_space_label"),
        value("Board_Space_Time_Index", "teacher_board_space_Slider"),
        choice("Multi_Objective_Action", {{"1", "teacher_feature_location_radioButton"},
                                          {"2", "teacher_return_pano_action_radioButton"}}),
        choice("Tracking_Mode", {{"0", "other_mode_radioButton"},
                                 {"1", "follow_mode_radioButton"},
                                 {"2", "binocular_mode_radioButton"},
                                 {"3", "mixed_mode_radioButton"},
                                 {"4", "board_pano_mode_radioButton"},
                                 {"5", "lectern_mode_radioButton"}}),
        {"Decoder_Current_Index", Kind::Index, "decoder_select_comboBox"},
        value("Target_Lost_Timeout", "teacher_target_lost_delay_label"),
        value("Hold_Times", "teacher_hold_time_label"),
        flag("Starting_Up_Track", "teacher_starting_up_checkBox"),
        flag("Manual_Focus", "teacher_manual_focus_checkBox"),
        flag("Vertical_Movement", "teacher_vertical_movement_checkBox"),
        flag("Feature_Real_Time_Track", "teacher_feature_tracking_checkBox"),
        text("Param_Save_Path", "teacher_filepath_lineEdit"),
        guideState,
        layout,
    };
    g.save_order = {"Feature_IP", "Pano_IP", "Sensitivity", "Feature_Distance", "Pano_Distance",
                    "Pan_Offset", "Pan_Offset_Index", "Tilt_Offset", "Tilt_Offset_Index", "Set_Preset",
                    "Student_Set_Preset", "Tracking_Guide_State", "Tracking_Number_Camera",
                    "Decoder_Current_Index", "Customer_Model", "Target_Lost_Action", "Multi_Objective_Action",
                    "Tracking_Mode", "Target_Lost_Timeout", "Hold_Times", "Board_Detect_Enable",
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
        text("Feature_IP", "student_feature_IP_Edit"),
        text("Pano_IP", "student_pano_IP_Edit"),
        label_slider("Sensitivity", Kind::TextThenValue, "student_sensitivity_label", "student_sensitivity_Slider"),
        label_slider("Object_Size", Kind::Size, "student_objectsize_label", "student_objectsize_Slider"),
        {"Customer_Model", Kind::CustomerModel},
        text("Height", "student_camera_height_lineEdit"),
        text("Length", "student_camera_length_lineEdit"),
        text("Object_Height", "student_object_height_lineEdit"),
        text("Pan_Offset", "student_panOffset_label"),
        value("Pan_Offset_Index", "student_panOffset_Slider"),
        text("Tilt_Offset", "student_tiltOffset_label"),
        value("Tilt_Offset_Index", "student_tiltOffset_Slider"),
        choice("Target_Lost_Action", {{"0", "student_none_action_radioButton"},
                                      {"1", "student_pano_one_action_radioButton"}}),
        text("Target_Lost_Timeout", "student_target_lost_timeout_label"),
        value("Target_Lost_Timeout_Index", "student_target_lost_timeout_Slider"),
        choice("Multi_Objective_Action", {{"1", "student_small_pano_radioButton"},
                                          {"2", "student_return_pano_action_radioButton"}}),
        value("Continue_Time", "student_feature_continue_time_label"),
        flag("Starting_Up_Track", "student_starting_up_checkBox"),
        flag("Face_Detect", "student_face_detect_checkBox"),
        flag("Pano_Switch", "student_pano_switch_checkBox"),
    };
    for (int i = 0; i < 20; ++i)
        g.rows.push_back(point(kPointKeys[i], i / 2, i % 2 == 0));
    // Written for the camera's sake but never read back: the form's choice stands at start.
    g.rows.push_back(write_only(choice("EPTZ_Model", {{"1", "student_eptz_radioButton"},
                                                      {"0", "student_cutout_radioButton"}})));
    g.rows.push_back(write_only(text("Param_Save_Path", "student_filepath_lineEdit")));

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
        text("Feature_IP", "board_feature_IP_Edit"),
        text("Pano_IP", "board_pano_IP_Edit"),
        label_slider("Sensitivity", Kind::TextThenValue, "board_sensitivity_label", "board_sensitivity_Slider"),
        text("Target_Lost_Timeout", "board_target_lost_timeout_label"),
        value("Target_Lost_Timeout_Index", "board_target_lost_timeout_Slider"),
        {"Board_enable", Kind::FlagOneOrZero, "board_enable_checkBox"},
        choice("Multi_Objective_Action", {{"0", "board_multi_object_pano_one_radioButton"},
                                          {"1", "board_multi_object_pano_two_radioButton"}}),
        // The lost-target choice is written under Target_Lost_Action; files that only have the
        // older Lose_Objective_Action key are still read.
        with_fallback(choice("Target_Lost_Action", {{"0", "board_lose_object_pano_one_radioButton"},
                                                    {"1", "board_lose_object_pano_two_radioButton"}}),
                      "BOARD_CONF/Lose_Objective_Action"),
        write_only(text("Param_Save_Path", "board_filepath_lineEdit")),
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
    const char *box;
    const char *code;
};

const DirectorPair kDirectorPairs[18] = {
    {"External_Teacher_On_Platform_Enable", "External_Teacher_On_Platform_Code",
     "director_external_teacher_on_the_platform_checkBox", "director_external_teacher_on_the_platform_lineEdit"},
    {"External_Teacher_Still_Enable", "External_Teacher_Still_Code", "director_external_teacher_still_checkBox",
     "director_external_teacher_still_lineEdit"},
    {"External_Teacher_Moving_Enable", "External_Teacher_Moving_Code", "director_external_teacher_moving_checkBox",
     "director_external_teacher_moving_lineEdit"},
    {"External_Teacher_Under_Platform_Enable", "External_Teacher_Under_Platform_Code",
     "director_external_teacher_under_the_platform_checkBox", "director_external_teacher_under_the_platform_lineEdit"},
    {"External_Teacher_Multi_Object_Enable", "External_Teacher_Multi_Object_Code",
     "director_external_teacher_multi_objective_checkBox", "director_external_teacher_multi_objective_lineEdit"},
    {"External_Student_Stood_Up_Enable", "External_Student_Stood_Up_Code",
     "director_external_student_stood_up_checkBox", "director_external_student_stood_up_lineEdit"},
    {"External_Student_Feature_Place_Enable", "External_Student_Feature_Place_Code",
     "director_external_student_feature_in_place_checkBox", "director_external_student_feature_in_place_lineEdit"},
    {"External_Student_Sat_Down_Enable", "External_Student_Sat_Down_Code",
     "director_external_student_sat_down_checkBox", "director_external_student_sat_down_lineEdit"},
    {"External_Student_Multi_Object_Enable", "External_Student_Multi_Object_Code",
     "director_external_student_multi_objective_checkBox", "director_external_student_multi_objective_lineEdit"},
    {"External_Board_Have_Action_Enable", "External_Board_Have_Action_Code",
     "director_external_board_have_action_checkBox", "director_external_board_have_action_lineEdit"},
    {"External_Board_None_Action_Enable", "External_Board_None_Action_Code",
     "director_external_board_none_action_checkBox", "director_external_board_none_action_lineEdit"},
    {"Interior_Teacher_Feature_Enable", "Interior_Teacher_Feature_Code", "director_interior_teacher_feature_checkBox",
     "director_interior_teacher_feature_lineEdit"},
    {"Interior_Teacher_Pano_Enable", "Interior_Teacher_Pano_Code", "director_interior_teacher_pano_checkBox",
     "director_interior_teacher_pano_lineEdit"},
    {"Interior_Student_Feature_Enable", "Interior_Student_Feature_Code", "director_interior_student_feature_checkBox",
     "director_interior_student_feature_lineEdit"},
    {"Interior_Student_Pano_Enable", "Interior_Student_Pano_Code", "director_interior_student_pano_checkBox",
     "director_interior_student_pano_lineEdit"},
    {"Interior_Blackboard_Enable", "Interior_Blackboard_Code", "director_interior_board_blackboard_checkBox",
     "director_interior_board_blackboard_lineEdit"},
    {"Interior_Blackboard_Enable_1", "Interior_Blackboard_Code_1", "director_interior_board_blackboard_checkBox_2",
     "director_interior_board_blackboard_lineEdit_2"},
    {"Interior_Blackboard_Enable_2", "Interior_Blackboard_Code_2", "director_interior_board_blackboard_checkBox_3",
     "director_interior_board_blackboard_lineEdit_3"},
};
constexpr int kFirstBlackboardPair = 15;

GroupTable make_director()
{
    GroupTable g{"DIRECTOR_CONF", {}, {}};
    g.rows = {
        // Kept for the next save only: the loader leaves the form's port and baud rate.
        write_only(text("Camera_Port", "director_camera_Port_Edit")),
        write_only(text("Camera_Baudrate", "director_camera_Baudrate_Edit")),
        choice("Protocol", {{"0", "director_protocol_udp_radioButton"},
                            {"1", "director_protocol_tcp_radioButton"},
                            {"2", "director_protocol_serial_radioButton"}}),
        choice("Command_Type", {{"0", "director_command_type_hex_radioButton"},
                                {"1", "director_command_type_ascii_radioButton"}}),
        text("Director_IP", "director_server_IP_Edit"),
        text("Director_Port", "director_server_Port_Edit"),
        text("Code_Switch_Auto", "director_switch_auto_lineEdit"),
        text("Code_Switch_Manual", "director_switch_manual_lineEdit"),
        choice("Send_Mode", {{"0", "director_code_send_mode_single_radioButton"},
                             {"1", "director_code_send_mode_triple_radioButton"},
                             {"2", "director_code_send_mode_continuously_radioButton"}}),
        choice("Director_Strategy", {{"0", "director_strategy_external_radioButton"},
                                     {"1", "director_strategy_interior_radioButton"}}),
    };
    for (int i = 0; i < kFirstBlackboardPair; ++i) {
        g.rows.push_back(flag(kDirectorPairs[i].enableKey, kDirectorPairs[i].box));
        g.rows.push_back(text(kDirectorPairs[i].codeKey, kDirectorPairs[i].code));
    }
    // The blackboard rows are read boxes first, then codes.
    for (int i = kFirstBlackboardPair; i < 18; ++i)
        g.rows.push_back(flag(kDirectorPairs[i].enableKey, kDirectorPairs[i].box));
    for (int i = kFirstBlackboardPair; i < 18; ++i)
        g.rows.push_back(text(kDirectorPairs[i].codeKey, kDirectorPairs[i].code));
    // Lower-case "time": the key as every stored file has it.
    g.rows.push_back(label_slider("Interior_Min_Switch_time", Kind::TextThenValue,
                                  "director_interior_min_switch_time_label",
                                  "director_interior_min_switch_time_Slider"));

    g.save_order = {"Camera_Port", "Camera_Baudrate", "Protocol", "Command_Type", "Director_IP", "Director_Port",
                    "Code_Switch_Auto", "Code_Switch_Manual", "Send_Mode", "Director_Strategy"};
    for (const DirectorPair &pair : kDirectorPairs) {
        g.save_order.push_back(pair.enableKey);
        g.save_order.push_back(pair.codeKey);
    }
    g.save_order.push_back("Interior_Min_Switch_time");
    return g;
}

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

const KeyRow *find_row(const GroupTable &group, const char *key)
{
    for (const KeyRow &row : group.rows) {
        if (std::strcmp(row.key, key) == 0)
            return &row;
    }
    return nullptr;
}

} // namespace config
