// The Board tab's parameters. Which blackboard cameras take part, their addresses and the delay
// back to the panorama live in the teacher pano camera (Apply and Obtain go there); the board
// pano camera's own tracking block is only read, and its areas are kept for the board preview.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "protocol/board_parameters.h"
#include "protocol/parameter_reply.h"

#include <QCheckBox>
#include <QDebug>
#include <QHostAddress>

void MainWindow::on_board_apply_Button_clicked()
{
    board_parameters::RelaySettings settings;
    settings.feature_ip_text = ui->board_feature_IP_Edit->text();
    settings.feature1_ip_text = ui->board_pano_IP_Edit->text();
    settings.feature_enable = ui->board_enable_checkBox->isChecked();
    settings.feature1_enable = ui->board_enable_checkBox_2->isChecked();
    settings.lost_to_pano_delay = QString::number(ui->board_lost_pano_delay_label->value());
    qDebug() << "udp_board_feature_flag=" << (udp_board_feature_flag ? "true" : "false");
    const QString text = board_parameters::apply_block(settings);
    qDebug().noquote() << "Send_buff:" << text;

    if (!udp_teacher_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the teacher pano camera"));
        return;
    }
    parameter_requests->arm(request_poller::Kind::TeacherApply);
    sendMsg_Net(teacher_pano_destination, teacher_udp_port, text, false);
    ui->board_apply_Button->setText(tr("Apply"));
}

// Sent whether or not the teacher pano camera is connected: without it the send path has no
// destination and the armed request ends in "teacher obtain fail".
void MainWindow::on_board_obtain_Button_clicked()
{
    const QString text = board_parameters::obtain_block();
    qDebug().noquote() << "BoardObtain:" << text;
    sendMsg_Net(teacher_pano_destination, teacher_udp_port, text, false);
    parameter_requests->arm(request_poller::Kind::TeacherObtain);
    ui->board_apply_Button->setText(tr("Apply"));
}

void MainWindow::read_board_section(const QString &text)
{
    const board_parameters::PanoReading r = board_parameters::read_pano_block(text, &board_region_coord);
    // Label first, then the slider from it.
    if (!r.sensitivity.isNull()) {
        ui->board_sensitivity_label->setText(r.sensitivity);
        ui->board_sensitivity_Slider->setValue(board_parameters::number_value(r.sensitivity));
    }
    if (!r.time_delay.isNull()) {
        ui->board_target_lost_timeout_label->setText(r.time_delay);
        ui->board_target_lost_timeout_Slider->setValue(board_parameters::number_value(r.time_delay));
    }
    if (r.multi_object_strategy)
        (*r.multi_object_strategy == 0 ? ui->board_multi_object_pano_one_radioButton
                                       : ui->board_multi_object_pano_two_radioButton)
            ->setChecked(true);
    if (r.losing_object_strategy)
        (*r.losing_object_strategy == 0 ? ui->board_lose_object_pano_one_radioButton
                                        : ui->board_lose_object_pano_two_radioButton)
            ->setChecked(true);
    restore_board_region();
    if (!r.feature_version.isNull())
        ui->board_version_feature_info_label->setText(r.feature_version);
    if (!r.pano_version.isNull())
        ui->board_version_pano_info_label->setText(r.pano_version);
}

void MainWindow::restore_board_region()
{
    using namespace board_parameters;
    board_track_flag = true;
    const WindowArea track = window_area(board_region_coord.track);
    board_track_start = track.top_left;
    board_track_end = track.bottom_right;

    QCheckBox *const boxes[kShieldCount] = {ui->board_shield_one_checkBox, ui->board_shield_two_checkBox,
                                            ui->board_shield_three_checkBox, ui->board_shield_four_checkBox};
    for (int i = 0; i < kShieldCount; ++i) {
        switch (shield_switch(board_region_coord.pano_shield_enable, i)) {
        case ShieldSwitch::On:
            boxes[i]->setChecked(true);
            if (ui->board_show_region_checkBox->isChecked())
                board_shield_visible[i] = true;
            break;
        case ShieldSwitch::Off:
            boxes[i]->setChecked(false);
            board_shield_visible[i] = false;
            break;
        case ShieldSwitch::Unchanged:
            break;
        }
    }
    for (int i = 0; i < kShieldCount; ++i) {
        board_shield_drawn[i] = true;
        const WindowArea shield = window_area(board_region_coord.shields[i]);
        board_shield_start[i] = shield.top_left;
        board_shield_end[i] = shield.bottom_right;
    }
    ui->board_pano_region_widget->update();
}

bool MainWindow::board_tracking_status_changed(const parameter_reply::StatusPart &part)
{
    // Both words in one answer end in the stopped state.
    const int reported = part.stop ? 2 : (part.start ? 1 : 3);
    if (reported == board_reported_track_status) {
        qDebug() << "board tracking status unchanged:" << reported;
        return false;
    }
    board_reported_track_status = reported;
    return true;
}

void MainWindow::forget_board_tracking_status() { board_reported_track_status = 0; }

// ---- change markers ----

void MainWindow::on_board_sensitivity_Slider_sliderPressed() { mark_apply(ui->board_apply_Button); }
void MainWindow::on_board_target_lost_timeout_Slider_sliderPressed() { mark_apply(ui->board_apply_Button); }
void MainWindow::on_board_multi_object_pano_one_radioButton_clicked() { mark_apply(ui->board_apply_Button); }
void MainWindow::on_board_multi_object_pano_two_radioButton_clicked() { mark_apply(ui->board_apply_Button); }
void MainWindow::on_board_lose_object_pano_one_radioButton_clicked() { mark_apply(ui->board_apply_Button); }
void MainWindow::on_board_lose_object_pano_two_radioButton_clicked() { mark_apply(ui->board_apply_Button); }

// The box's state change ("Apply") comes before its click, so a click ends marked.
void MainWindow::on_board_enable_checkBox_clicked(bool)
{
    if (udp_board_pano_flag)
        mark_apply(ui->board_apply_Button);
}

void MainWindow::on_board_enable_checkBox_2_clicked()
{
    if (udp_board_pano_flag)
        mark_apply(ui->board_apply_Button);
}
