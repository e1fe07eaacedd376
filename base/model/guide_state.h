#pragma once

#include <QString>

// What the first-run wizard's steps share: the camera layout, the stored wizard state, the six
// camera addresses as the steps read them, where the installer is and
// which side tracks. The tracking mode in effect is the mode step's (currentMode), the blocks'
// changed flags and the pads' speeds the parameter pages', whether tracking was started the
// command keys' and which step previews were let go the previews'.
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
    // Whether the side's tracking runs now (the command keys start and stop it).
    int teacher_run_state = kStopped;
    int student_run_state = kStopped;

    // isFirstClick: a board address or the layout changed since the board block was last sent;
    // the next step entry hands it to the previews, which send the block with the board's preview.
    bool isFirstClick = true;
};
