// Preset Set and Call of the Teacher, Student and Board tabs, the dropping of a stored board
// pano or platform position, the blackboard tracking start and stop, and the director test.
// One command per click; the camera's answer, if any, goes to the reply parser.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "protocol/preset_commands.h"

#include <QDebug>

void MainWindow::teacher_preset(bool set)
{
    if (!udp_teacher_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    const preset_commands::TeacherListMode mode = ui->board_pano_mode_radioButton->isChecked()
                                                      ? preset_commands::TeacherListMode::BoardPano
                                                  : ui->other_mode_radioButton->isChecked()
                                                      ? preset_commands::TeacherListMode::Other
                                                      : preset_commands::TeacherListMode::Follow;
    const preset_commands::TeacherPosition position =
        preset_commands::teacher_position(ui->teacher_preset_list->currentIndex(), mode);
    bool mark = true;
    switch (position.kind) {
    case preset_commands::TeacherPosition::None:
        return;
    case preset_commands::TeacherPosition::Word:
        sendMsg_Net(teacher_pano_destination, teacher_udp_port,
                    preset_commands::teacher_command((set ? QStringLiteral("set") : QStringLiteral("call")) + position.word),
                    false);
        break;
    case preset_commands::TeacherPosition::PanoramaCrop: {
        const preset_commands::CropCommand crop = preset_commands::panorama_crop(teacher_feature_device_model, set);
        if (crop.visca) {
            sendMsg_Net(teacher_pano_destination, teacher_visca_port, crop.text, true);
            mark = position.mark_after_visca;
        } else {
            sendMsg_Net(teacher_pano_destination, teacher_udp_port, preset_commands::teacher_command(crop.text), false);
        }
        break;
    }
    }
    if (mark)
        mark_apply(ui->teacher_apply_Button);
}

void MainWindow::student_preset(bool set)
{
    if (!udp_student_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    const int index = ui->student_preset_list->currentIndex();
    if (index == 0) {
        sendMsg_Net(student_pano_destination, student_udp_port,
                    preset_commands::student_command(set ? QStringLiteral("setpano") : QStringLiteral("callpano")), false);
    } else if (index == 1) {
        const preset_commands::CropCommand crop = preset_commands::panorama_crop(student_feature_device_model, set);
        if (crop.visca)
            sendMsg_Net(student_pano_destination, student_visca_port, crop.text, true);
        else
            sendMsg_Net(student_pano_destination, student_udp_port, preset_commands::student_command(crop.text), false);
    } else {
        return;
    }
    if (set)
        mark_apply(ui->student_apply_Button);
}

void MainWindow::board_preset(const QString &word, bool mark)
{
    if (!udp_teacher_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the teacher pano camera"));
        return;
    }
    sendMsg_Net(teacher_pano_destination, teacher_udp_port, preset_commands::board_preset_command(word), false);
    if (mark)
        mark_apply(ui->board_apply_Button);
}

void MainWindow::board_tracking(bool start)
{
    if (!udp_board_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    sendMsg_Net(board_pano_destination, teacher_udp_port,
                preset_commands::board_tracking_command(start ? QStringLiteral("start") : QStringLiteral("stop")), false);
    // The board tab's controls stay off while the blackboard camera tracks.
    set_widget_status(2, !start);
    board_cur_track_status = start ? 1 : 2;
}

void MainWindow::on_teacher_setPano_Button_clicked() { teacher_preset(true); }
void MainWindow::on_teacher_callPano_Button_clicked() { teacher_preset(false); }
void MainWindow::on_student_setPano_one_Button_clicked() { student_preset(true); }
void MainWindow::on_student_callPano_one_Button_clicked() { student_preset(false); }

void MainWindow::on_teacher_delBoardPano_Button_clicked()
{
    if (!udp_teacher_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    sendMsg_Net(teacher_pano_destination, teacher_udp_port, preset_commands::teacher_command(QStringLiteral("cancelboard")),
                false);
}

void MainWindow::on_teacher_delPlatform_Button_clicked()
{
    if (!udp_teacher_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    sendMsg_Net(teacher_pano_destination, teacher_udp_port,
                preset_commands::teacher_command(QStringLiteral("cancelplatform")), false);
}

void MainWindow::on_board_setBoard_one_Button_clicked() { board_preset(QStringLiteral("setpano"), true); }
void MainWindow::on_board_callBoard_one_Button_clicked() { board_preset(QStringLiteral("callpano"), false); }
void MainWindow::on_board_setBoard_two_Button_clicked() { board_preset(QStringLiteral("setplatform"), true); }
void MainWindow::on_board_callBoard_two_Button_clicked() { board_preset(QStringLiteral("callplatform"), false); }
void MainWindow::on_board_setBoardPano_Button_clicked() { board_preset(QStringLiteral("setpreset2"), true); }
void MainWindow::on_board_callBoardPano_Button_clicked() { board_preset(QStringLiteral("callpreset2"), false); }
void MainWindow::on_board_setBoard_two_Button_2_clicked() { board_preset(QStringLiteral("setboard1platform"), true); }
void MainWindow::on_board_callBoard_two_Button_2_clicked() { board_preset(QStringLiteral("callboard1platform"), false); }
void MainWindow::on_board_setBoardPano_Button_2_clicked() { board_preset(QStringLiteral("setboard1preset2"), true); }
void MainWindow::on_board_callBoardPano_Button_2_clicked() { board_preset(QStringLiteral("callboard1preset2"), false); }
void MainWindow::on_board_startTrack_Button_clicked() { board_tracking(true); }
void MainWindow::on_board_stopTrack_Button_clicked() { board_tracking(false); }

void MainWindow::on_director_test_button_clicked()
{
    if (udp_teacher_pano_flag)
        sendMsg_Net(teacher_pano_destination, teacher_udp_port, preset_commands::director_test(true), false);
    else
        msgbox::warning(this, tr("Warning"), tr("Please connect the teacher pano camera"));
    if (udp_student_pano_flag)
        sendMsg_Net(student_pano_destination, student_udp_port, preset_commands::director_test(false), false);
    else
        msgbox::warning(this, tr("Warning"), tr("Please connect the student pano camera"));
}
