// The Teacher and Student tabs' needs, met from the state and methods the window's other
// features keep: the tab layout, the request poller, the region editing, the VISCA replies'
// calibration choice, the calibration dialog's signal and the pads' redirection flags.
#include "mainwindow/mainwindow.h"

#include "protocol/teacher_parameters.h"

void MainWindow::stop_all_tracking()
{
    teacher_tab->stop_tracking();
    student_tab->stop_tracking();
}

void MainWindow::set_tab_widgets_enabled(int tab, bool enable) { set_widget_status(tab, enable); }

void MainWindow::set_tabs_enabled(bool enable) { update_tab_enabled(enable); }

void MainWindow::arm_request(request_poller::Kind kind, bool silent) { parameter_requests->arm(kind, silent); }

int MainWindow::camera_layout() const { return tab_layout->camera_layout(); }

void MainWindow::collect_scene_regions() { collect_region_rects(); }

teacher_region_keys::ApplyRegions MainWindow::apply_regions() const { return teacher_apply_regions(); }

void MainWindow::set_region_widgets_enabled(bool enable) { set_teacher_region_widgets(enable); }

region_geometry::RegionRect MainWindow::teacher_feature_rect() const { return teacher_region_rects().feature; }

void MainWindow::redraw_regions_on_next_reply()
{
    set_teacher_region_redraw_pending(true);
    clear_region_scene();
}

void MainWindow::read_teacher_regions(const QString &reply)
{
    teacher_parameters::store_regions(reply, teacher_region_coord());
    parse_teacher_region_coord();
}

void MainWindow::set_teacher_pad_redirection(bool to_pano, bool crop)
{
    teacher_ptz_pano_prefix = crop;
    teacher_ptz_to_pano = to_pano;
}

void MainWindow::disable_board_for_customer_model() { disable_board_widgets(); }

void MainWindow::autocalibrate_failed() { emit autocalibrate_update_fail(); }

bool MainWindow::calibration_widgets_shown() const { return student_calibration_widgets_shown; }

void MainWindow::set_student_pad_crop(bool crop) { student_ptz_pano_prefix = crop; }
