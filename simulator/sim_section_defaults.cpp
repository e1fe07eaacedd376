#include "sim_section_defaults.h"

#include "sim_parameter_block.h"

namespace {

struct Entry {
    const char *key;
    const char *value;
};

// Teacher pano camera: the tracking keys with the values of a freshly reset camera, then the
// regions in camera units of the 640 by 360 panorama picture, then what it only reports.
const Entry kTeacher[] = {
    {"pano_sensitivity", "2"},
    {"feature_distance", "7.5"},
    {"pano_distance", "7.5"},
    {"pano_pan_offset", "0"},
    {"pano_tilt_offset", "0"},
    {"losing_object_strategy", "1"},
    {"multi_object_strategy", "1"},
    {"tracking_mode", "2"},
    {"time_to_pano_delay", "30"},
    {"time_lost_delay", "2"},
    {"target_no_action_hold_time", "300"},
    {"ptzspeed_level", "10"},
    {"board_detect_enable", "0"},
    {"board_face_enable", "0"},
    {"board_hand_enable", "0"},
    {"board_detect_time", "3"},
    {"board_continue_time", "5"},
    {"board_lose_time", "3"},
    {"board_face_interval_time", "5"},
    {"auto_tracking", "1"},
    {"feature_persontrack_mode", "0"},
    {"auto_zoom", "1"},
    {"manual_focus", "1"},
    {"auto_tilt", "0"},
    {"feature_realtime_track", "1"},
    {"whole_tracking", "0"},
    {"boardsnap_mode", "0"},
    {"config_switch", "1"},
    {"boardsnapshot_pan_scale", "0"},
    {"boardsnapshot_tilt_scale", "0"},
    {"boardsnapshot_pan_increment", "0"},
    {"boardsnapshot_tilt_increment", "0"},
    {"pano_pan_scale", "20"},
    {"pano_tilt_scale", "80"},
    {"pano_pan_increment", "610"},
    {"pano_tilt_increment", "80"},
    {"pano_shield_enable", "0000"},
    {"pano_pan_first_shield_scale", "0"},
    {"pano_tilt_first_shield_scale", "0"},
    {"pano_pan_first_shield_increment", "0"},
    {"pano_tilt_first_shield_increment", "0"},
    {"pano_pan_second_shield_scale", "0"},
    {"pano_tilt_second_shield_scale", "0"},
    {"pano_pan_second_shield_increment", "0"},
    {"pano_tilt_second_shield_increment", "0"},
    {"pano_pan_third_shield_scale", "0"},
    {"pano_tilt_third_shield_scale", "0"},
    {"pano_pan_third_shield_increment", "0"},
    {"pano_tilt_third_shield_increment", "0"},
    {"pano_pan_fourth_shield_scale", "0"},
    {"pano_tilt_fourth_shield_scale", "0"},
    {"pano_pan_fourth_shield_increment", "0"},
    {"pano_tilt_fourth_shield_increment", "0"},
    {"teacher_board_enable", "000"},
    {"board_pan_first_scale", "0"},
    {"board_tilt_first_scale", "0"},
    {"board_pan_first_increment", "0"},
    {"board_tilt_first_increment", "0"},
    {"board_pan_second_scale", "0"},
    {"board_tilt_second_scale", "0"},
    {"board_pan_second_increment", "0"},
    {"board_tilt_second_increment", "0"},
    {"board_pan_third_scale", "0"},
    {"board_tilt_third_scale", "0"},
    {"board_pan_third_increment", "0"},
    {"board_tilt_third_increment", "0"},
    {"fea_pan_scale", "0"},
    {"fea_tilt_scale", "0"},
    {"fea_pan_increment", "0"},
    {"fea_tilt_increment", "0"},
    {"username", "admin"},
    {"password", "admin"},
    {"feature_version", "V1.0.0-sim"},
    {"pano_version", "V1.0.0-sim"},
};

// Student pano camera: the area corners and designated points are the tool's defaults in
// camera units, the shields the fixed lines of shields that were never drawn.
const Entry kStudent[] = {
    {"pano_sensitivity", "4"},
    {"pano_object_size", "1.0"},
    {"pano_height", "2.2"},
    {"pano_length", "6.0"},
    {"pano_camera_height", "0.0"},
    {"pano_pan_offset", "0"},
    {"pano_tilt_offset", "0"},
    {"losing_object_strategy", "1"},
    {"eptz_mode", "0"},
    {"time_delay", "0"},
    {"multi_object_strategy", "1"},
    {"ptzspeed_level", "10"},
    {"pan_speed", "20"},
    {"response_time", "0.0"},
    {"feature_continue_max_time", "30"},
    {"time_to_pano_delay", "2"},
    {"pano_camera_format", "0"},
    {"pano_max_angle", "84"},
    {"pano_pan_correction", "-5"},
    {"pano_tilt_correction", "3.6"},
    {"auto_tracking", "1"},
    {"face_detect", "0"},
    {"pano_switch", "1"},
    {"config_switch", "1"},
    {"pano_shield_enable", "0000"},
    {"pano_designated_number_of_people", "1"},
    {"pano_designated_enable", "00000"},
    {"pano_student_forward_enable", "1"},
    {"pano_calibrate_height", "0"},
    {"forward_left_x", "133"},
    {"forward_left_y", "266"},
    {"forward_right_x", "506"},
    {"forward_right_y", "266"},
    {"backward_right_x", "226"},
    {"backward_right_y", "80"},
    {"backward_left_x", "413"},
    {"backward_left_y", "80"},
    {"pano_designated_first_x", "92"},
    {"pano_designated_first_y", "312"},
    {"pano_designated_second_x", "508"},
    {"pano_designated_second_y", "312"},
    {"pano_designated_third_x", "468"},
    {"pano_designated_third_y", "156"},
    {"pano_designated_fourth_x", "368"},
    {"pano_designated_fourth_y", "156"},
    {"pano_pan_first_shield_scale", "0"},
    {"pano_tilt_first_shield_scale", "330"},
    {"pano_pan_first_shield_increment", "30"},
    {"pano_tilt_first_shield_increment", "359"},
    {"pano_pan_second_shield_scale", "610"},
    {"pano_tilt_second_shield_scale", "359"},
    {"pano_pan_second_shield_increment", "639"},
    {"pano_tilt_second_shield_increment", "330"},
    {"pano_pan_third_shield_scale", "639"},
    {"pano_tilt_third_shield_scale", "30"},
    {"pano_pan_third_shield_increment", "610"},
    {"pano_tilt_third_shield_increment", "0"},
    {"pano_pan_fourth_shield_scale", "30"},
    {"pano_tilt_fourth_shield_scale", "0"},
    {"pano_pan_fourth_shield_increment", "0"},
    {"pano_tilt_fourth_shield_increment", "30"},
    {"feature_version", "V1.0.0-sim"},
    {"pano_version", "V1.0.0-sim"},
};

// Board: first what a teacher pano camera keeps for the blackboard cameras (the relay keys),
// then the blackboard pano camera's own tracking block.
const Entry kBoardRelay[] = {
    {"board_feature_ip", ""},
    {"board_feature1_ip", ""},
    {"board_feature_enable", "1"},
    {"board_feature1_enable", "0"},
    {"board_lost_to_pano_delay", "30"},
};

const Entry kBoardOwn[] = {
    {"pano_sensitivity", "4"},
    {"time_delay", "3"},
    {"multi_object_strategy", "0"},
    {"losing_object_strategy", "0"},
    {"pano_pan_scale", "20"},
    {"pano_tilt_scale", "80"},
    {"pano_pan_increment", "600"},
    {"pano_tilt_increment", "200"},
    {"pano_shield_enable", "0000"},
    {"pano_pan_first_shield_scale", "0"},
    {"pano_tilt_first_shield_scale", "0"},
    {"pano_pan_first_shield_increment", "0"},
    {"pano_tilt_first_shield_increment", "0"},
    {"pano_pan_second_shield_scale", "0"},
    {"pano_tilt_second_shield_scale", "0"},
    {"pano_pan_second_shield_increment", "0"},
    {"pano_tilt_second_shield_increment", "0"},
    {"pano_pan_third_shield_scale", "0"},
    {"pano_tilt_third_shield_scale", "0"},
    {"pano_pan_third_shield_increment", "0"},
    {"pano_tilt_third_shield_increment", "0"},
    {"pano_pan_fourth_shield_scale", "0"},
    {"pano_tilt_fourth_shield_scale", "0"},
    {"pano_pan_fourth_shield_increment", "0"},
    {"pano_tilt_fourth_shield_increment", "0"},
    {"feature_version", "V1.0.0-sim"},
    {"pano_version", "V1.0.0-sim"},
};

// Director: the interior strategy with the usual codes; the addresses stay on loopback.
const Entry kDirector[] = {
    {"pano_port", "5678"},
    {"uart_baud", "9600"},
    {"communicate_mode", "0"},
    {"command_mode", "0"},
    {"director_broadcast_ip", "127.0.0.1"},
    {"director_broadcast_port", "9999"},
    {"switch_auto", "FF 00 00 00 00 01"},
    {"switch_manual", "FF 00 00 00 00 02"},
    {"director_command_times", "0"},
    {"director_strategy", "1"},
    {"extern_director_teacher_enable", "11111"},
    {"teacher_walk_up_platform", "FF 01 00 00 00 11"},
    {"teacher_keep_stand", "FF 01 00 00 00 12"},
    {"teacher_walk_moving", "FF 01 00 00 00 13"},
    {"teacher_walk_down_platform", "FF 01 00 00 00 14"},
    {"teacher_have_object_multi", "FF 01 00 00 00 15"},
    {"extern_director_keep_interval", "1"},
    {"extern_director_moving_interval", "1"},
    {"extern_director_multi_interval", "1"},
    {"extern_director_student_enable", "1111"},
    {"student_stand_up", "FF 02 00 00 00 21"},
    {"student_keep_stand", "FF 02 00 00 00 22"},
    {"student_sit_down", "FF 02 00 00 00 23"},
    {"student_have_object_multi", "FF 02 00 00 00 24"},
    {"extern_director_blackboard_enable", "11"},
    {"blackboard_have_object_tracked", "FF 03 00 00 00 31"},
    {"blackboard_none_object_tracked", "FF 03 00 00 00 32"},
    {"inner_director_enable", "11111"},
    {"blackboard_director_enable", "00"},
    {"inner_teacher_feature", "FF 22 22"},
    {"inner_teacher_pano", "FF 11 11"},
    {"inner_student_feature", "FF 44 44"},
    {"inner_student_pano", "FF 33 33"},
    {"inner_blackboard_feature", "FF 55 55"},
    {"blackboard1_feature", "FF 55 55"},
    {"blackboard2_feature", "FF 55 55"},
    {"min_switch_time", "3"},
};

template <size_t N>
void appendAll(SimItems *items, const Entry (&table)[N])
{
    for (const Entry &entry : table)
        items->append({QString::fromLatin1(entry.key), QString::fromLatin1(entry.value)});
}

struct Alias {
    const char *section;
    const char *sentKey;
    const char *storedKey;
};

const Alias kAliases[] = {
    {"student_parameter", "pano_pan_speed", "pan_speed"},
};

} // namespace

namespace simdefaults {

SimParameterStore forSection(const QString &section)
{
    SimItems items;
    if (section == QLatin1String(simblock::kTeacher)) {
        appendAll(&items, kTeacher);
    } else if (section == QLatin1String(simblock::kStudent)) {
        appendAll(&items, kStudent);
    } else if (section == QLatin1String(simblock::kBoard)) {
        appendAll(&items, kBoardRelay);
        appendAll(&items, kBoardOwn);
    } else if (section == QLatin1String(simblock::kDirector)) {
        appendAll(&items, kDirector);
    }
    return SimParameterStore(items);
}

const QStringList &boardRelayKeys()
{
    static const QStringList keys = [] {
        QStringList result;
        for (const Entry &entry : kBoardRelay)
            result << QString::fromLatin1(entry.key);
        return result;
    }();
    return keys;
}

QString storedKey(const QString &section, const QString &key)
{
    for (const Alias &alias : kAliases) {
        if (section == QLatin1String(alias.section) && key == QLatin1String(alias.sentKey))
            return QString::fromLatin1(alias.storedKey);
    }
    return key;
}

} // namespace simdefaults
