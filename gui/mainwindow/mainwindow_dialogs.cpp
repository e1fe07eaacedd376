// The window's side of its three dialogs: the openers' buttons, and what the openers and the
// manual director console ask of the window (DialogLaunchers::Host).
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs/osdmenu.h"
#include "protocol/ptz_commands.h"

#include <QTimer>

using camera_slot::Side;
using camera_slot::Slot;

void MainWindow::wire_dialog_launchers()
{
    dialog_launchers = new DialogLaunchers(CORVANE_FORM_WIDGETS(DialogLaunchers, DIALOG_LAUNCHERS_WIDGETS, ui),
                                           static_cast<DialogLaunchers::Host &>(*this), this);
    connect(this, &MainWindow::send, dialog_launchers, &DialogLaunchers::console_reply);
}

ControlLink &MainWindow::control_link() { return features->link(); }

const CameraPorts &MainWindow::camera_ports() const { return features->ports(); }

QString MainWindow::interface_language() const { return language; }

int MainWindow::teacher_pan_speed() const { return ptz_commands::speed_level(features->teacher_section().ptzspeed_level); }

int MainWindow::teacher_tilt_speed() const { return ptz_commands::speed_level(features->teacher_section().ptzspeed_level); }

QWidget *MainWindow::main_window() { return this; }

const CameraSlots &MainWindow::camera_slots() const { return features->slot_records(); }

QString MainWindow::camera_field(Slot slot) const
{
    const QLineEdit *const fields[] = {ui->teacher_feature_IP_Edit, ui->teacher_pano_IP_Edit, ui->student_feature_IP_Edit,
                                       ui->student_pano_IP_Edit,    ui->board_feature_IP_Edit, ui->board_pano_IP_Edit};
    return fields[int(slot)]->text();
}

bool MainWindow::teacher_menu_navigation() const { return ui->teacher_navigate_osd_mode_radioButton->isChecked(); }

int MainWindow::menu_object(Side side) const
{
    return (side == Side::Teacher ? ui->teacher_switch_menu_object_comboBox : ui->student_switch_menu_object_comboBox)
        ->currentIndex();
}

void MainWindow::camera_menu_opened(Side side) { features->previews().menu_dialog_opened(side); }

void MainWindow::camera_menu_closed(Side side)
{
    CameraMenuKeys &keys = features->menu_key_controls();
    if (side == Side::Teacher)
        keys.set_teacher_osd_menu_show_flag();
    else if (side == Side::Student)
        keys.set_student_osd_menu_show_flag();
    else
        keys.set_board_osd_menu_show_flag();
}

void MainWindow::camera_menu_key(int key) { features->menu_key_controls().dispose_osd_command(key); }

void MainWindow::feed_camera_menu(OSDMenu *dialog)
{
    connect(this, &MainWindow::send_stream_to_feature, dialog, &OSDMenu::display_image);
}

QStringList MainWindow::install_position() const
{
    return {ui->student_camera_height_lineEdit->text(), ui->student_camera_length_lineEdit->text(),
            ui->student_object_height_lineEdit->text()};
}

void MainWindow::set_camera_install_pos(const QString &height, const QString &length, const QString &objectHeight)
{
    features->student().set_camera_install_pos(height, length, objectHeight);
}

bool MainWindow::chinese_interface() const { return ui->language_select_comboBox->currentIndex() == 0; }

void MainWindow::close_enlarged_dialogs() { features->close_enlarged_dialogs(); }

void MainWindow::release_cameras_for_console() { features->connections().stop_connect_timer()->start(); }

void MainWindow::close_for_director()
{
    close_by_director = true;
    close();
}
