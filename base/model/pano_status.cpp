#include "model/pano_status.h"

using camera_slot::Side;

int &PanoStatus::cur_track_status(Side side)
{
    return side == Side::Board     ? board_cur_track_status
           : side == Side::Student ? student_cur_track_status
                                   : teacher_cur_track_status;
}

bool &PanoStatus::obtain_chain_flag(Side side)
{
    return side == Side::Board     ? board_obtain_chain_flag
           : side == Side::Student ? student_obtain_chain_flag
                                   : teacher_obtain_chain_flag;
}

bool &PanoStatus::pano_status_pending(Side side)
{
    return side == Side::Student ? student_pano_status_pending : teacher_pano_status_pending;
}

bool &PanoStatus::status_received(Side side)
{
    return side == Side::Student ? student_tracking_status_received : tracking_status_received;
}

bool &PanoStatus::crop_start_status(Side side)
{
    return side == Side::Student ? student_crop_start_status : teacher_crop_start_status;
}

bool &PanoStatus::crop_stop_status(Side side)
{
    return side == Side::Student ? student_crop_stop_status : teacher_crop_stop_status;
}

bool &PanoStatus::crop_status_quiet(Side side)
{
    return side == Side::Student ? student_crop_status_quiet : teacher_crop_status_quiet;
}

void PanoStatus::pano_connect_begins(Side side)
{
    pano_status_pending(side) = true;
    crop_status_quiet(side) = true;
}

bool PanoStatus::end_pano_status_wait(Side side)
{
    bool &received = status_received(side);
    if (received)
        return false;
    received = true;
    return true;
}

void PanoStatus::pano_camera_released(Side side)
{
    pano_status_pending(side) = false;
    crop_start_status(side) = crop_stop_status(side) = false;
    // The student pano's quiet mark is left as it was: its next connect sets it anyway.
    if (side == Side::Teacher)
        teacher_crop_status_quiet = false;
}
