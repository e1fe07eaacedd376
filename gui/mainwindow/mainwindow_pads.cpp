// The pads', presets' and menu keys' needs, met from the state the window's other features
// keep: the preset lists' pad redirection, the VISCA replies' model flags, the board tracking
// status, the Board tab's controls, the free preview and the camera menu dialogs' flags.
#include "mainwindow/mainwindow.h"

using camera_slot::Side;

Pads::Redirection MainWindow::pad_redirection() const
{
    return {teacher_ptz_to_pano, teacher_ptz_pano_prefix, student_ptz_pano_prefix};
}

Pads::FeatureZoom MainWindow::feature_zoom(Side side) const
{
    if (side == Side::Teacher)
        return {teacher_model_r6_flag || teacher_model_j57_flag, teacher_model_j22_flag,
                teacher_zoom_optical_max_value_flag};
    return {student_model_r6_flag || student_model_j57_flag, student_model_j22_flag,
            student_zoom_optical_max_value_flag};
}

void MainWindow::forget_zoom_optical_max(Side side)
{
    (side == Side::Teacher ? teacher_zoom_optical_max_value_flag : student_zoom_optical_max_value_flag) = false;
}

void MainWindow::set_board_widgets_enabled(bool enable) { set_widget_status(2, enable); }

void MainWindow::set_board_cur_track_status(int status) { board_cur_track_status = status; }

bool MainWindow::preview_connected() const { return rtsp_preview_connected; }

QHostAddress *MainWindow::preview_destination() const { return rtsp_preview_destination; }

void MainWindow::camera_menu_closed(Side side)
{
    (side == Side::Teacher       ? teacher_osd_menu_open
         : side == Side::Student ? student_osd_menu_open
                                 : board_osd_menu_open)
        = false;
    main_preview_active = true;
}

int MainWindow::preview_pan_speed() const { return pads->teacher_speeds().pan; }

int MainWindow::preview_tilt_speed() const { return pads->teacher_speeds().tilt; }
