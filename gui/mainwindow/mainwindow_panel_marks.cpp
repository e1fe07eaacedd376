// The labels beside the parameter sliders, kept in the slider's own format, and the "Apply(*)"
// mark that tells the installer a tab has changes not yet sent. Changes made while the
// settings file is loaded (loading_config) leave the value slots' marks off.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "settings/config_values.h"
#include "tabs/apply_mark.h"

void MainWindow::mark_apply(QPushButton *button) { ::mark_apply(button); }

void MainWindow::mark_apply_unless_loading(QPushButton *button) { ::mark_apply_unless_loading(settings_file->loading_config(), button); }

// ---- Board tab ----

void MainWindow::on_board_sensitivity_Slider_sliderMoved(int value)
{
    ui->board_sensitivity_label->setText(QString::number(value));
}

void MainWindow::on_board_sensitivity_Slider_valueChanged(int value)
{
    on_board_sensitivity_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->board_apply_Button);
}

void MainWindow::on_board_target_lost_timeout_Slider_sliderMoved(int value)
{
    ui->board_target_lost_timeout_label->setText(QString::number(value));
}

void MainWindow::on_board_target_lost_timeout_Slider_valueChanged(int value)
{
    on_board_target_lost_timeout_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->board_apply_Button);
}

// A change of the board camera switches while the board pano camera is connected reads
// "Apply"; a click on the box (its clicked slot) then adds the star.
void MainWindow::on_board_enable_checkBox_stateChanged(int)
{
    if (udp_board_pano_flag)
        ui->board_apply_Button->setText(tr("Apply"));
}

void MainWindow::on_board_lost_pano_delay_label_valueChanged(const QString &)
{
    if (udp_board_pano_flag)
        ui->board_apply_Button->setText(tr("Apply"));
}

// ---- Director tab ----

void MainWindow::on_director_interior_min_switch_time_Slider_sliderMoved(int value)
{
    ui->director_interior_min_switch_time_label->setText(QString::number(value));
}

void MainWindow::on_director_interior_min_switch_time_Slider_valueChanged(int value)
{
    on_director_interior_min_switch_time_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->director_apply_Button);
}

void MainWindow::on_director_server_IP_Edit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_server_Port_Edit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_switch_auto_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_switch_manual_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_external_teacher_on_the_platform_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_external_teacher_still_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_external_teacher_moving_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_external_teacher_under_the_platform_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_external_teacher_multi_objective_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_external_student_stood_up_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_external_student_feature_in_place_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_external_student_sat_down_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_external_student_multi_objective_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_external_board_have_action_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_external_board_none_action_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_interior_teacher_feature_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_interior_teacher_pano_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_interior_student_feature_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_interior_student_pano_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_interior_board_blackboard_lineEdit_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_interior_board_blackboard_lineEdit_2_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}
void MainWindow::on_director_interior_board_blackboard_lineEdit_3_textChanged(const QString &)
{
    mark_apply_unless_loading(ui->director_apply_Button);
}

// The strategy and command type buttons: the clicked(bool) slot switches, its clicked() twin
// (run after it, by the order of declaration) marks the tab.
void MainWindow::on_director_strategy_external_radioButton_clicked(bool checked)
{
    if (checked)
        set_director_widgets(0, true);
}
void MainWindow::on_director_strategy_external_radioButton_clicked() { mark_apply(ui->director_apply_Button); }

void MainWindow::on_director_strategy_interior_radioButton_clicked(bool checked)
{
    if (checked)
        set_director_widgets(1, true);
}
void MainWindow::on_director_strategy_interior_radioButton_clicked() { mark_apply(ui->director_apply_Button); }

void MainWindow::on_director_command_type_hex_radioButton_clicked(bool checked)
{
    if (checked)
        set_director_command_validator(1);
}
void MainWindow::on_director_command_type_hex_radioButton_clicked() { mark_apply(ui->director_apply_Button); }

void MainWindow::on_director_command_type_ascii_radioButton_clicked(bool checked)
{
    if (checked)
        set_director_command_validator(2);
}
void MainWindow::on_director_command_type_ascii_radioButton_clicked() { mark_apply(ui->director_apply_Button); }
