// The pan/tilt/zoom pads of the Teacher, Student and Board tabs (two on the Board tab): a
// direction or zoom button drives the camera while held, its release stops it; Home turns the
// camera to its home position. Also the PTZ speed levels and ptzspeed, which fills the speed
// placeholders of a command.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"

#include <QDebug>

using ptz_commands::Direction;

namespace {
constexpr int kHomeSettleMs = 9000; // the camera reaches home before its zoom is asked
} // namespace

QString MainWindow::ptzspeed(const QString &command_template, int hindex, int vindex)
{
    qDebug() << "MainWindow::ptzspeed level hindex=" << hindex << ",vindex = " << vindex;
    return ptz_commands::fill_speed(command_template, hindex, vindex);
}

void MainWindow::on_teacher_ptzspeed_level_textChanged(const QString &text)
{
    const int level = ptz_commands::speed_level(text);
    teacher_pan_speed = teacher_tilt_speed = level;
    qDebug() << "MainWindow::teacher ptzspeed level = " << level;
}

void MainWindow::on_student_ptzspeed_level_textChanged(const QString &text)
{
    const int level = ptz_commands::speed_level(text);
    student_pan_speed = student_tilt_speed = level;
    qDebug() << "MainWindow::student ptzspeed level = " << level;
}

// Which camera a pad drives, chosen anew for every command: a change of preset entry between
// press and release sends the stop to the newly chosen camera.
MainWindow::PadTarget MainWindow::pad_target(Pad pad) const
{
    PadTarget target;
    switch (pad) {
    case Pad::Teacher: {
        const ptz_commands::PadRoute route = ptz_commands::teacher_pad_route(teacher_ptz_to_pano, teacher_ptz_pano_prefix);
        target.connected = udp_teacher_feature_flag;
        target.destination = route.to_pano ? teacher_pano_destination : teacher_feature_destination;
        target.port = teacher_visca_port;
        target.pan_speed = teacher_pan_speed;
        target.tilt_speed = teacher_tilt_speed;
        target.crop = route.crop;
        break;
    }
    case Pad::Student: {
        const ptz_commands::PadRoute route = ptz_commands::student_pad_route(
            student_feature_device_model, ui->student_preset_list->currentIndex(), student_ptz_pano_prefix);
        target.connected = udp_student_feature_flag;
        target.destination = route.to_pano ? student_pano_destination : student_feature_destination;
        target.port = student_visca_port;
        target.pan_speed = student_pan_speed;
        target.tilt_speed = student_tilt_speed;
        target.crop = route.crop;
        break;
    }
    case Pad::Board:
    case Pad::Board2:
        target.connected = pad == Pad::Board ? udp_board_feature_flag : udp_board_pano_flag;
        target.destination = pad == Pad::Board ? board_feature_destination : board_pano_destination;
        target.port = teacher_visca_port;
        target.pan_speed = teacher_pan_speed;
        target.tilt_speed = teacher_tilt_speed;
        break;
    }
    return target;
}

void MainWindow::pad_press(Pad pad, Direction direction)
{
    const PadTarget target = pad_target(pad);
    if (!target.connected) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    sendMsg_Net(target.destination, target.port,
                ptzspeed(ptz_commands::direction_template(direction, target.crop), target.pan_speed, target.tilt_speed),
                true);
}

void MainWindow::pad_release(Pad pad)
{
    const PadTarget target = pad_target(pad);
    if (!target.connected) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    sendMsg_Net(target.destination, target.port, ptz_commands::stop(target.crop), true);
}

void MainWindow::pad_zoom(Pad pad, bool in)
{
    const PadTarget target = pad_target(pad);
    if (!target.connected) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    sendMsg_Net(target.destination, target.port,
                in ? ptz_commands::zoom_in(target.crop) : ptz_commands::zoom_out(target.crop), true);
}

void MainWindow::pad_zoom_release(Pad pad, bool in)
{
    const PadTarget target = pad_target(pad);
    if (!target.connected) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    if (pad == Pad::Board || pad == Pad::Board2) {
        sendMsg_Net(target.destination, target.port, ptz_commands::zoom_stop(false), true);
        return;
    }
    sendMsg_Net(target.destination, target.port, ptz_commands::zoom_stop(target.crop), true);

    // The zoom field is refreshed from the side's feature camera, whatever the stop's camera was.
    const bool teacher = pad == Pad::Teacher;
    const bool r6OrJ57 = teacher ? (teacher_model_r6_flag || teacher_model_j57_flag)
                                 : (student_model_r6_flag || student_model_j57_flag);
    const bool j22 = teacher ? teacher_model_j22_flag : student_model_j22_flag;
    const bool opticalMax = teacher ? teacher_zoom_optical_max_value_flag : student_zoom_optical_max_value_flag;
    if (!r6OrJ57 && j22) {
        if (teacher && in)
            qDebug() << "equals_Model:" << opticalMax;
        if (!teacher && !in)
            qDebug() << "on_student_zoomin_Button_pressed:";
    }
    const QString refresh = ptz_commands::zoom_refresh(r6OrJ57, j22, opticalMax);
    if (!refresh.isEmpty())
        sendMsg_Net(teacher ? teacher_feature_destination : student_feature_destination,
                    teacher ? teacher_visca_port : student_visca_port, refresh, true);
    if (teacher && !in && !r6OrJ57 && j22)
        qDebug() << "teacher_zoom_optical_max_value_flag:" << (opticalMax ? "true" : "false");
    if (!teacher && !in && !r6OrJ57)
        qDebug() << "on_student_zoomout_Button_released:student_model_flag: " << (j22 ? "true" : "false")
                 << "/student_zoom_optical_max_value_flag: " << (opticalMax ? "true" : "false");
}

void MainWindow::pad_home(Pad pad)
{
    const PadTarget target = pad_target(pad);
    if (!target.connected) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    if (pad == Pad::Board || pad == Pad::Board2) {
        sendMsg_Net(target.destination, target.port, ptz_commands::home(false), true);
        return;
    }
    const bool teacher = pad == Pad::Teacher;
    sendMsg_Net(target.destination, target.port, ptz_commands::home(target.crop), true);
    (teacher ? teacher_zoom_optical_max_value_flag : student_zoom_optical_max_value_flag) = false;
    (teacher ? ui->teacher_zoom_lineEdit : ui->student_zoom_lineEdit)->setText(QStringLiteral("1.0x"));
    wait_ms(kHomeSettleMs);
    // Read after the wait: a camera disconnected meanwhile has no destination, and nothing goes.
    sendMsg_Net(teacher ? teacher_feature_destination : student_feature_destination,
                teacher ? teacher_visca_port : student_visca_port, ptz_commands::zoom_position_inquiry(), true);
}

// teacher pad
void MainWindow::on_teacher_ptz_up_Button_pressed() { pad_press(Pad::Teacher, Direction::Up); }
void MainWindow::on_teacher_ptz_up_Button_released() { pad_release(Pad::Teacher); }
void MainWindow::on_teacher_ptz_down_Button_pressed() { pad_press(Pad::Teacher, Direction::Down); }
void MainWindow::on_teacher_ptz_down_Button_released() { pad_release(Pad::Teacher); }
void MainWindow::on_teacher_ptz_left_Button_pressed() { pad_press(Pad::Teacher, Direction::Left); }
void MainWindow::on_teacher_ptz_left_Button_released() { pad_release(Pad::Teacher); }
void MainWindow::on_teacher_ptz_right_Button_pressed() { pad_press(Pad::Teacher, Direction::Right); }
void MainWindow::on_teacher_ptz_right_Button_released() { pad_release(Pad::Teacher); }
void MainWindow::on_teacher_ptz_leftup_Button_pressed() { pad_press(Pad::Teacher, Direction::LeftUp); }
void MainWindow::on_teacher_ptz_leftup_Button_released() { pad_release(Pad::Teacher); }
void MainWindow::on_teacher_ptz_leftdown_Button_pressed() { pad_press(Pad::Teacher, Direction::LeftDown); }
void MainWindow::on_teacher_ptz_leftdown_Button_released() { pad_release(Pad::Teacher); }
void MainWindow::on_teacher_ptz_rightup_Button_pressed() { pad_press(Pad::Teacher, Direction::RightUp); }
void MainWindow::on_teacher_ptz_rightup_Button_released() { pad_release(Pad::Teacher); }
void MainWindow::on_teacher_ptz_rightdown_Button_pressed() { pad_press(Pad::Teacher, Direction::RightDown); }
void MainWindow::on_teacher_ptz_rightdown_Button_released() { pad_release(Pad::Teacher); }
void MainWindow::on_teacher_ptz_reset_Button_clicked() { pad_home(Pad::Teacher); }
void MainWindow::on_teacher_zoomin_Button_pressed() { pad_zoom(Pad::Teacher, true); }
void MainWindow::on_teacher_zoomin_Button_released() { pad_zoom_release(Pad::Teacher, true); }
void MainWindow::on_teacher_zoomout_Button_pressed() { pad_zoom(Pad::Teacher, false); }
void MainWindow::on_teacher_zoomout_Button_released() { pad_zoom_release(Pad::Teacher, false); }

// student pad
void MainWindow::on_student_ptz_up_Button_pressed() { pad_press(Pad::Student, Direction::Up); }
void MainWindow::on_student_ptz_up_Button_released() { pad_release(Pad::Student); }
void MainWindow::on_student_ptz_down_Button_pressed() { pad_press(Pad::Student, Direction::Down); }
void MainWindow::on_student_ptz_down_Button_released() { pad_release(Pad::Student); }
void MainWindow::on_student_ptz_left_Button_pressed() { pad_press(Pad::Student, Direction::Left); }
void MainWindow::on_student_ptz_left_Button_released() { pad_release(Pad::Student); }
void MainWindow::on_student_ptz_right_Button_pressed() { pad_press(Pad::Student, Direction::Right); }
void MainWindow::on_student_ptz_right_Button_released() { pad_release(Pad::Student); }
void MainWindow::on_student_ptz_leftup_Button_pressed() { pad_press(Pad::Student, Direction::LeftUp); }
void MainWindow::on_student_ptz_leftup_Button_released() { pad_release(Pad::Student); }
void MainWindow::on_student_ptz_leftdown_Button_pressed() { pad_press(Pad::Student, Direction::LeftDown); }
void MainWindow::on_student_ptz_leftdown_Button_released() { pad_release(Pad::Student); }
void MainWindow::on_student_ptz_rightup_Button_pressed() { pad_press(Pad::Student, Direction::RightUp); }
void MainWindow::on_student_ptz_rightup_Button_released() { pad_release(Pad::Student); }
void MainWindow::on_student_ptz_rightdown_Button_pressed() { pad_press(Pad::Student, Direction::RightDown); }
void MainWindow::on_student_ptz_rightdown_Button_released() { pad_release(Pad::Student); }
void MainWindow::on_student_ptz_reset_Button_clicked() { pad_home(Pad::Student); }
void MainWindow::on_student_zoomin_Button_pressed() { pad_zoom(Pad::Student, true); }
void MainWindow::on_student_zoomin_Button_released() { pad_zoom_release(Pad::Student, true); }
void MainWindow::on_student_zoomout_Button_pressed() { pad_zoom(Pad::Student, false); }
void MainWindow::on_student_zoomout_Button_released() { pad_zoom_release(Pad::Student, false); }

// board pad
void MainWindow::on_board_ptz_up_Button_pressed() { pad_press(Pad::Board, Direction::Up); }
void MainWindow::on_board_ptz_up_Button_released() { pad_release(Pad::Board); }
void MainWindow::on_board_ptz_down_Button_pressed() { pad_press(Pad::Board, Direction::Down); }
void MainWindow::on_board_ptz_down_Button_released() { pad_release(Pad::Board); }
void MainWindow::on_board_ptz_left_Button_pressed() { pad_press(Pad::Board, Direction::Left); }
void MainWindow::on_board_ptz_left_Button_released() { pad_release(Pad::Board); }
void MainWindow::on_board_ptz_right_Button_pressed() { pad_press(Pad::Board, Direction::Right); }
void MainWindow::on_board_ptz_right_Button_released() { pad_release(Pad::Board); }
void MainWindow::on_board_ptz_leftup_Button_pressed() { pad_press(Pad::Board, Direction::LeftUp); }
void MainWindow::on_board_ptz_leftup_Button_released() { pad_release(Pad::Board); }
void MainWindow::on_board_ptz_leftdown_Button_pressed() { pad_press(Pad::Board, Direction::LeftDown); }
void MainWindow::on_board_ptz_leftdown_Button_released() { pad_release(Pad::Board); }
void MainWindow::on_board_ptz_rightup_Button_pressed() { pad_press(Pad::Board, Direction::RightUp); }
void MainWindow::on_board_ptz_rightup_Button_released() { pad_release(Pad::Board); }
void MainWindow::on_board_ptz_rightdown_Button_pressed() { pad_press(Pad::Board, Direction::RightDown); }
void MainWindow::on_board_ptz_rightdown_Button_released() { pad_release(Pad::Board); }
void MainWindow::on_board_ptz_reset_Button_clicked() { pad_home(Pad::Board); }
void MainWindow::on_board_zoomin_Button_pressed() { pad_zoom(Pad::Board, true); }
void MainWindow::on_board_zoomin_Button_released() { pad_zoom_release(Pad::Board, true); }
void MainWindow::on_board_zoomout_Button_pressed() { pad_zoom(Pad::Board, false); }
void MainWindow::on_board_zoomout_Button_released() { pad_zoom_release(Pad::Board, false); }

// board pad of the second blackboard camera
void MainWindow::on_board_ptz_up_Button_2_pressed() { pad_press(Pad::Board2, Direction::Up); }
void MainWindow::on_board_ptz_up_Button_2_released() { pad_release(Pad::Board2); }
void MainWindow::on_board_ptz_down_Button_2_pressed() { pad_press(Pad::Board2, Direction::Down); }
void MainWindow::on_board_ptz_down_Button_2_released() { pad_release(Pad::Board2); }
void MainWindow::on_board_ptz_left_Button_2_pressed() { pad_press(Pad::Board2, Direction::Left); }
void MainWindow::on_board_ptz_left_Button_2_released() { pad_release(Pad::Board2); }
void MainWindow::on_board_ptz_right_Button_2_pressed() { pad_press(Pad::Board2, Direction::Right); }
void MainWindow::on_board_ptz_right_Button_2_released() { pad_release(Pad::Board2); }
void MainWindow::on_board_ptz_leftup_Button_2_pressed() { pad_press(Pad::Board2, Direction::LeftUp); }
void MainWindow::on_board_ptz_leftup_Button_2_released() { pad_release(Pad::Board2); }
void MainWindow::on_board_ptz_leftdown_Button_2_pressed() { pad_press(Pad::Board2, Direction::LeftDown); }
void MainWindow::on_board_ptz_leftdown_Button_2_released() { pad_release(Pad::Board2); }
void MainWindow::on_board_ptz_rightup_Button_2_pressed() { pad_press(Pad::Board2, Direction::RightUp); }
void MainWindow::on_board_ptz_rightup_Button_2_released() { pad_release(Pad::Board2); }
void MainWindow::on_board_ptz_rightdown_Button_2_pressed() { pad_press(Pad::Board2, Direction::RightDown); }
void MainWindow::on_board_ptz_rightdown_Button_2_released() { pad_release(Pad::Board2); }
void MainWindow::on_board_ptz_reset_Button_2_clicked() { pad_home(Pad::Board2); }
void MainWindow::on_board_zoomin_Button_2_pressed() { pad_zoom(Pad::Board2, true); }
void MainWindow::on_board_zoomin_Button_2_released() { pad_zoom_release(Pad::Board2, true); }
void MainWindow::on_board_zoomout_Button_2_pressed() { pad_zoom(Pad::Board2, false); }
void MainWindow::on_board_zoomout_Button_2_released() { pad_zoom_release(Pad::Board2, false); }
