// The reply parser's needs that the window meets from the Board tab, the pads, the connections
// and the lectern page.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

using camera_slot::Side;

bool MainWindow::request_pending(request_poller::Kind kind) const { return parameter_requests->pending(kind); }

void MainWindow::show_board_relayed_keys(const board_parameters::RelayReading &reading)
{
    if (reading.feature_enable)
        ui->board_enable_checkBox->setChecked(*reading.feature_enable);
    if (reading.feature1_enable)
        ui->board_enable_checkBox_2->setChecked(*reading.feature1_enable);
    if (reading.lost_to_pano_delay)
        ui->board_lost_pano_delay_label->setValue(*reading.lost_to_pano_delay);
}

void MainWindow::stop_board_tracking() { pads->on_board_stopTrack_Button_clicked(); }

void MainWindow::toggle_pano_connect(Side side)
{
    if (side == Side::Teacher)
        camera_connections->on_teacher_pano_connect_Button_clicked();
    else if (side == Side::Student)
        camera_connections->on_student_pano_connect_Button_clicked();
    else
        camera_connections->on_board_pano_connect_Button_clicked();
}

void MainWindow::set_lectern_director_enabled(bool enable) { ui->groupBox_36->setEnabled(enable); }
