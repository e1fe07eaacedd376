// The camera's on-screen menu keys: those of the camera menu dialog, sent to the camera chosen
// on the tab that is showing, and the seven buttons of the Upgrade tab's Preview page, which
// are menu keys in menu mode and a small pan/tilt/zoom pad in PTZ mode.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "protocol/osd_keys.h"

#include <QDebug>

using osd_keys::PreviewButton;

void MainWindow::dispose_osd_command(int key)
{
    const QString command = osd_keys::command_for_key(key);
    // The pages are found by their objects: the Board tab sits at index 2 in both layouts that
    // have it, and the Upgrade tab's index depends on the Board tab.
    QWidget *page = ui->tabWidget->currentWidget();
    osd_keys::Route route;
    if (page == ui->tab_teacher)
        route.page = osd_keys::Page::Teacher;
    else if (page == ui->tab_student)
        route.page = osd_keys::Page::Student;
    else if (page == ui->tab_board)
        route.page = osd_keys::Page::Board;
    else if (page == ui->tab_6 && ui->upgrade_tabWidget->currentWidget() == ui->tab_11)
        route.page = osd_keys::Page::UpgradePreview;
    route.teacher_menu_object = ui->teacher_switch_menu_object_comboBox->currentIndex();
    route.student_menu_object = ui->student_switch_menu_object_comboBox->currentIndex();
    route.teacher_feature = udp_teacher_feature_flag;
    route.teacher_pano = udp_teacher_pano_flag;
    route.student_feature = udp_student_feature_flag;
    route.student_pano = udp_student_pano_flag;
    route.board_feature = udp_board_feature_flag;
    route.preview = rtsp_preview_connected;

    switch (osd_keys::target(route)) {
    case osd_keys::Target::None:
        return;
    case osd_keys::Target::TeacherFeature:
        sendMsg_Net(teacher_feature_destination, teacher_visca_port, command, true);
        return;
    case osd_keys::Target::TeacherPano:
        sendMsg_Net(teacher_pano_destination, teacher_visca_port, command, true);
        return;
    case osd_keys::Target::StudentFeature:
        sendMsg_Net(student_feature_destination, student_visca_port, command, true);
        return;
    case osd_keys::Target::StudentPano:
        sendMsg_Net(student_pano_destination, student_visca_port, command, true);
        return;
    case osd_keys::Target::BoardFeature:
        sendMsg_Net(board_feature_destination, teacher_visca_port, command, true);
        return;
    case osd_keys::Target::Preview:
        sendMsg_Net(rtsp_preview_destination, teacher_visca_port, command, true);
        return;
    }
}

void MainWindow::set_teacher_osd_menu_show_flag()
{
    dispose_osd_command(osd_keys::MenuClosed);
    teacher_osd_menu_open = false;
    main_preview_active = true;
    ui->teacher_navigate_ptz_mode_radioButton->setChecked(true);
}

void MainWindow::set_student_osd_menu_show_flag()
{
    dispose_osd_command(osd_keys::MenuClosed);
    student_osd_menu_open = false;
    main_preview_active = true;
}

void MainWindow::set_board_osd_menu_show_flag()
{
    dispose_osd_command(osd_keys::MenuClosed);
    board_osd_menu_open = false;
    main_preview_active = true;
}

void MainWindow::on_upgrade_preview_comboBox_activated(int index)
{
    if (index == 0) {
        ui->osd_back_Button->setText(tr("Zoom in"));
        ui->osd_menu_Button->setText(tr("Zoom out"));
    } else {
        ui->osd_back_Button->setText(tr("BACK"));
        ui->osd_menu_Button->setText(tr("MENU"));
    }
}

void MainWindow::preview_button(int buttonIndex, bool pressed)
{
    const auto button = PreviewButton(buttonIndex);
    const bool ptzMode = ui->upgrade_preview_comboBox->currentIndex() == 0;
    if (!ptzMode) {
        if (!pressed)
            return;
        if (button == PreviewButton::Menu) {
            dispose_osd_command(osd_keys::Menu);
            rtsp_preview_osd_menu_open = true;
        } else if (rtsp_preview_osd_menu_open) {
            dispose_osd_command(osd_keys::menu_key(button));
        }
        return;
    }
    if (!rtsp_preview_connected)
        return;
    const QString command = pressed ? osd_keys::ptz_pressed(button, teacher_pan_speed, teacher_tilt_speed)
                                    : osd_keys::ptz_released(button);
    if (!command.isEmpty())
        sendMsg_Net(rtsp_preview_destination, teacher_visca_port, command, true);
}

void MainWindow::on_osd_menu_Button_pressed() { preview_button(int(PreviewButton::Menu), true); }
void MainWindow::on_osd_menu_Button_released() { preview_button(int(PreviewButton::Menu), false); }
void MainWindow::on_osd_back_Button_pressed() { preview_button(int(PreviewButton::Back), true); }
void MainWindow::on_osd_back_Button_released() { preview_button(int(PreviewButton::Back), false); }
void MainWindow::on_osd_ok_Button_pressed() { preview_button(int(PreviewButton::Ok), true); }
void MainWindow::on_osd_ok_Button_released() { preview_button(int(PreviewButton::Ok), false); }
void MainWindow::on_osd_up_Button_pressed() { preview_button(int(PreviewButton::Up), true); }
void MainWindow::on_osd_up_Button_released() { preview_button(int(PreviewButton::Up), false); }
void MainWindow::on_osd_down_Button_pressed() { preview_button(int(PreviewButton::Down), true); }
void MainWindow::on_osd_down_Button_released() { preview_button(int(PreviewButton::Down), false); }
void MainWindow::on_osd_left_Button_pressed() { preview_button(int(PreviewButton::Left), true); }
void MainWindow::on_osd_left_Button_released() { preview_button(int(PreviewButton::Left), false); }
void MainWindow::on_osd_right_Button_pressed() { preview_button(int(PreviewButton::Right), true); }
void MainWindow::on_osd_right_Button_released() { preview_button(int(PreviewButton::Right), false); }
