#pragma once

#include "model/slider_text.h"

#include <QString>

#include <array>

// The values of the four parameter sections, one record each: the keys of the section's block,
// typed. The reply readers fill them, the tabs show and edit them, the block writers send them
// and the settings file stores them; the first-run wizard writes its blocks from the same
// records. Beside the block's keys each record keeps what the settings file stores of its tab.
//
// A radio group is the index of its checked button, -1 while none is checked; a list the index
// of its current entry. A number typed into a spin box is its value; a value shown by a slider
// and its label is a SliderText.

struct TeacherSection {
    SliderText pano_sensitivity;
    SliderText feature_distance;
    SliderText pano_distance;
    SliderText pano_pan_offset;
    SliderText pano_tilt_offset;
    int losing_object_strategy = -1; // none, pano, platform, student pano: "0", "1", "2", "11"
    int multi_object_strategy = -1;  // feature location, return to pano: "1", "2"
    int tracking_mode = -1;          // other, follow, binocular, mixed, board pano, lectern: "0" to "5"
    int time_to_pano_delay = 0;      // seconds before the camera goes back to the panorama
    // The first-run wizard's slider of that time, kept as the file has it for the wizard's next run.
    int target_lost_timeout_index = 0;
    int time_lost_delay = 0;         // seconds a lost target is held
    QString ptzspeed_level;          // as typed: "10", one digit, or nothing
    bool board_detect_enable = false;
    bool board_face_enable = false;
    bool board_hand_enable = false;
    SliderText board_detect_time;
    SliderText board_continue_time;
    SliderText board_lose_time;
    SliderText board_face_interval_time;
    bool auto_tracking = false;
    int feature_persontrack = 0; // entry of the person-track list: 0 close, 1 open
    bool manual_focus = false;
    bool auto_tilt = false;
    bool feature_realtime_track = false;
    int boardsnap_entry = -1; // snapshot effect: none, float, alpha, nobody (model M19 only)
    // The cameras' firmware, as the last reply gave it.
    QString feature_version;
    QString pano_version;

    // Kept by the settings file beside the block's keys.
    int preset_index = 0;        // the teacher preset list's entry
    bool customer_model = false; // the customer model has no board cameras
    QString param_save_path;     // where the tab's parameters are exported
};

struct StudentSection {
    SliderText pano_sensitivity;
    SliderText pano_object_size;
    QString pano_height;        // the camera's height, as typed
    QString pano_length;        // read from a reply and stored, never sent
    QString pano_camera_height; // the object height, likewise
    SliderText pano_pan_offset;
    SliderText pano_tilt_offset;
    int losing_object_strategy = -1; // none, back to the first pano preset: "0", "1"
    int eptz_mode = -1;              // cutout, eptz: "0", "1"
    SliderText time_delay;
    int multi_object_strategy = -1; // small pano, return to pano: "1", "2"
    QString ptzspeed_level;         // as typed
    QString pan_speed;              // as the camera last reported it; empty: never reported
    QString response_time;          // likewise
    int feature_continue_max_time = 0;
    int time_to_pano_delay = 0;
    bool auto_tracking = false;
    bool face_detect = false;
    bool pano_switch = false;
    std::array<bool, 4> shield_enabled{};
    QString people_number; // people who make a designated area count, as typed
    bool designated_enabled = false;
    bool forward_enabled = false;
    // The camera speaks the older point format: four designated points, five-character enable.
    bool old_point_format = true;
    QString feature_version;
    QString pano_version;

    // Kept by the settings file beside the block's keys.
    int preset_index = 0;
    bool customer_model = false;
    QString param_save_path;
};

struct BoardSection {
    // Kept by the teacher pano camera: which blackboard cameras take part, and the delay before
    // the teacher side goes back to its panorama.
    bool feature_enable = true;
    bool feature1_enable = false;
    int lost_to_pano_delay = 30;
    // The board pano camera's own block, only read.
    SliderText pano_sensitivity;
    SliderText time_delay;
    int multi_object_strategy = -1;  // board 0, board 1: "0", "1"
    int losing_object_strategy = -1; // board 0, board 1: "0", "1"
    QString feature_version;
    QString pano_version;

    // Kept by the settings file beside the block's keys.
    QString param_save_path;
};

// One director code with its on/off box.
struct CodeSwitch {
    bool on = true;
    QString code;

    bool operator==(const CodeSwitch &other) const { return on == other.on && code == other.code; }
    bool operator!=(const CodeSwitch &other) const { return !(*this == other); }
};

// How the pano cameras send director codes to the recording host and which code goes with each
// classroom event or camera view. A code is stored and sent as typed.
struct DirectorSection {
    QString teacher_pano_ip;
    QString student_pano_ip;
    QString blackboard_camera_ip;
    QString pano_port;
    QString uart_baud;
    int communicate_mode = -1; // UDP, TCP, serial
    int command_mode = -1;     // hex, ASCII
    QString broadcast_ip;
    QString broadcast_port;
    QString switch_auto;
    QString switch_manual;
    int command_times = -1; // single, triple, continuously
    int strategy = -1;      // external, interior
    // On the platform, still, moving, under the platform, multi-objective.
    std::array<CodeSwitch, 5> teacher;
    int keep_interval = 1;
    int moving_interval = 1;
    int multi_interval = 1;
    // Stood up, close-up in place, sat down, multi-objective.
    std::array<CodeSwitch, 4> student;
    // Board in use, no board action.
    std::array<CodeSwitch, 2> board;
    // Teacher close-up, teacher panorama, student close-up, student panorama, blackboard.
    std::array<CodeSwitch, 5> interior;
    // Board 1 and Board 2 of the six-camera layout.
    std::array<CodeSwitch, 2> blackboard;
    SliderText min_switch_time;
};

// What the settings file keeps of the window beside the sections: the Options tab's decoder
// and language list entries and the camera layout (0 to 3 for two, four, five and six cameras).
struct WindowChoices {
    int decoder_index = 0;
    int language_index = 0;
    int camera_layout = 0;
};
