#pragma once

#include <QString>

// What the first-run wizard's steps share: the camera layout, the stored wizard state, the six
// camera addresses as the steps read them, where the installer is, which side tracks and which
// step previews were let go. The tracking mode in effect is the mode step's (currentMode), the
// blocks' changed flags and the pads' speeds the parameter pages'.
// The wizard's builder owns it; each step holds it by reference and writes only what its comment
// names it for. The cameras' connected marks and destinations are the wizard link's.
struct GuideState {
    static constexpr int kTracking = 1; // teacher_run_state, student_run_state
    static constexpr int kStopped = 2;

    // current_number_camera: 0..3 for 2, 4, 5 and 6 cameras; the camera settings step.
    int current_number_camera = 0;
    // current_state: TEACHER_CONF/Tracking_Guide_State as read at start ("0" on a first run).
    QString current_state;

    // t_feature_ip_edit ...: the six address fields as initGuideConfig last copied them (an
    // address may carry "/" and more behind it).
    QString t_feature_ip_edit;
    QString t_pano_ip_edit;
    QString t_board_ip_edit;  // board 1
    QString t_board_ip_edit2; // board 2
    QString s_feature_ip_edit;
    QString s_pano_ip_edit;

    // The last move was a click in the step list (cleared by Next): entering the track mode,
    // preset and student steps then sends no block.
    bool tree_item_clicked = false;
    // The step shown is a student step: the pads and commands address the student side.
    bool student_step = false;
    // Tracking was started on that side during the wizard; and whether it runs now.
    bool teacher_track_state = false;
    bool student_track_state = false;
    int teacher_run_state = kStopped;
    int student_run_state = kStopped;

    // A step's previews were let go (or failed): entering the step connects them no more.
    bool teacher_calibration_preview_closed = false;
    bool teacher_region_preview_closed = false;
    bool teacher_preset_preview_closed = false;
    bool teacher_track_test_preview_closed = false;
    bool student_calibration_preview_closed = false;
    bool student_region_preview_closed = false;
    bool student_preset_preview_closed = false;
    bool student_track_test_preview_closed = false;

    // isFirstClick: a board address or the layout changed since the board block was last sent.
    bool isFirstClick = true;
};
