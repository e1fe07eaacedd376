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
    const ViscaReplies::FeatureModel model = visca_replies->feature_model(side);
    return {model.r6 || model.j57, model.j22, model.optical_max};
}

void MainWindow::forget_zoom_optical_max(Side side)
{
    visca_replies->forget_optical_end(side);
}

void MainWindow::set_board_widgets_enabled(bool enable) { set_widget_status(2, enable); }

void MainWindow::set_board_cur_track_status(int status) { board_cur_track_status = status; }

bool MainWindow::preview_connected() const { return camera_connections->preview_connected(); }

QHostAddress *MainWindow::preview_destination() const { return camera_connections->preview_destination(); }

void MainWindow::camera_menu_closed(Side side)
{
    picture_previews->menu_dialog_closed(side);
}

int MainWindow::preview_pan_speed() const { return pads->teacher_speeds().pan; }

int MainWindow::preview_tilt_speed() const { return pads->teacher_speeds().tilt; }
