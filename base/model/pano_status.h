#pragma once

#include "model/camera_slot.h"

// What the pano cameras' status answers and connects leave behind, per side. The reply parser
// writes it; the connections arm and forget it; the status time-outs, the region editor, the
// tracking buttons, the board tracking and the close handler read it.
struct PanoStatus {
    // The tracking status last taken: 1 started, 2 stopped (also before any answer).
    int teacher_cur_track_status = 2;
    int student_cur_track_status = 2;
    int board_cur_track_status = 2;
    // The pano connect waits for the status answer: an "error" then means a camera of the wrong
    // type.
    bool teacher_pano_status_pending = false;
    bool student_pano_status_pending = false;
    // The pano answered its status request: its time-out has nothing left to warn of.
    bool tracking_status_received = false; // teacher
    bool student_tracking_status_received = false;
    // The crop state as last reported; a tip shows only on a change, and none for the first
    // answer after a connect (quiet).
    bool teacher_crop_start_status = false;
    bool teacher_crop_stop_status = false;
    bool student_crop_start_status = false;
    bool student_crop_stop_status = false;
    bool teacher_crop_status_quiet = false;
    bool student_crop_status_quiet = false;
    // The teacher pano was let go since it last connected.
    bool teacher_pano_offline = false;
    // A status answer asked for the side's configuration; that answer asks once for the
    // director configuration.
    bool teacher_obtain_chain_flag = false;
    bool student_obtain_chain_flag = false;
    bool board_obtain_chain_flag = false;

    // The side's field (the board has only a tracking status and a chain).
    int &cur_track_status(camera_slot::Side side);
    bool &obtain_chain_flag(camera_slot::Side side);
    bool &pano_status_pending(camera_slot::Side side);
    bool &status_received(camera_slot::Side side);
    bool &crop_start_status(camera_slot::Side side);
    bool &crop_stop_status(camera_slot::Side side);
    bool &crop_status_quiet(camera_slot::Side side);

    // A teacher or student pano connects: its status is awaited, its first crop answer is quiet.
    void pano_connect_begins(camera_slot::Side side);
    // True, and the wait ended, while the side's pano has not answered its status request.
    bool end_pano_status_wait(camera_slot::Side side);
    // The side's pano let go: no status awaited, its crop state forgotten (and the teacher's
    // next crop answer tips again).
    void pano_camera_released(camera_slot::Side side);
};
