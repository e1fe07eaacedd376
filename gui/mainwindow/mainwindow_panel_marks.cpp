// The labels beside the parameter sliders, kept in the slider's own format, and the "Apply(*)"
// mark that tells the installer a tab has changes not yet sent. Changes made while the
// settings file is loaded (loading_config) leave the value slots' marks off.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "settings/config_values.h"
#include "tabs/apply_mark.h"

void MainWindow::mark_apply(QPushButton *button) { ::mark_apply(button); }

void MainWindow::mark_apply_unless_loading(QPushButton *button) { ::mark_apply_unless_loading(settings_file->loading_config(), button); }

// ---- Teacher tab ----

void MainWindow::on_teacher_sensitivity_Slider_sliderMoved(int value)
{
    ui->teacher_sensitivity_label->setText(QString::number(value));
}

void MainWindow::on_teacher_sensitivity_Slider_valueChanged(int value)
{
    on_teacher_sensitivity_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->teacher_apply_Button);
}

void MainWindow::on_teacher_fea_distance_Slider_sliderMoved(int value)
{
    ui->teacher_fea_distance_label->setText(config::distance_text(value));
}

void MainWindow::on_teacher_fea_distance_Slider_valueChanged(int value)
{
    on_teacher_fea_distance_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->teacher_apply_Button);
}

void MainWindow::on_teacher_distance_Slider_sliderMoved(int value)
{
    ui->teacher_distance_label->setText(config::distance_text(value));
}

void MainWindow::on_teacher_distance_Slider_valueChanged(int value)
{
    on_teacher_distance_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->teacher_apply_Button);
}

void MainWindow::on_teacher_panOffset_Slider_sliderMoved(int value)
{
    ui->teacher_panOffset_label->setText(config::offset_text(value));
}

void MainWindow::on_teacher_panOffset_Slider_valueChanged(int value)
{
    on_teacher_panOffset_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->teacher_apply_Button);
}

void MainWindow::on_teacher_tiltOffset_Slider_sliderMoved(int value)
{
    ui->teacher_tiltOffset_label->setText(config::offset_text(value));
}

void MainWindow::on_teacher_tiltOffset_Slider_valueChanged(int value)
{
    on_teacher_tiltOffset_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->teacher_apply_Button);
}

void MainWindow::on_teacher_board_detect_Slider_sliderMoved(int value)
{
    ui->teacher_board_detect_label->setText(QString::number(value));
}

void MainWindow::on_teacher_board_detect_Slider_valueChanged(int value)
{
    on_teacher_board_detect_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->teacher_apply_Button);
}

void MainWindow::on_teacher_board_hold_Slider_sliderMoved(int value)
{
    ui->teacher_board_hold_label->setText(QString::number(value));
}

void MainWindow::on_teacher_board_hold_Slider_valueChanged(int value)
{
    on_teacher_board_hold_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->teacher_apply_Button);
}

void MainWindow::on_teacher_board_lose_Slider_sliderMoved(int value)
{
    ui->teacher_board_lose_label->setText(QString::number(value));
}

void MainWindow::on_teacher_board_lose_Slider_valueChanged(int value)
{
    on_teacher_board_lose_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->teacher_apply_Button);
}

void MainWindow::on_teacher_board_space_Slider_sliderMoved(int value)
{
    ui->teacher_board_space_label->setText(QString::number(value));
}

void MainWindow::on_teacher_board_space_Slider_valueChanged(int value)
{
    on_teacher_board_space_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->teacher_apply_Button);
}

// The two delay spin boxes mark the tab whenever their value changes, during the load too.
void MainWindow::on_teacher_hold_time_label_valueChanged(int) { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_target_lost_delay_label_valueChanged(int) { mark_apply(ui->teacher_apply_Button); }

// ---- Student tab ----

void MainWindow::on_student_sensitivity_Slider_sliderMoved(int value)
{
    ui->student_sensitivity_label->setText(QString::number(value));
}

void MainWindow::on_student_sensitivity_Slider_valueChanged(int value)
{
    on_student_sensitivity_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->student_apply_Button);
}

void MainWindow::on_student_objectsize_Slider_sliderMoved(int value)
{
    ui->student_objectsize_label->setText(config::size_text(value));
}

void MainWindow::on_student_objectsize_Slider_valueChanged(int value)
{
    on_student_objectsize_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->student_apply_Button);
}

void MainWindow::on_student_panOffset_Slider_sliderMoved(int value)
{
    ui->student_panOffset_label->setText(config::offset_text(value));
}

void MainWindow::on_student_panOffset_Slider_valueChanged(int value)
{
    on_student_panOffset_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->student_apply_Button);
}

void MainWindow::on_student_tiltOffset_Slider_sliderMoved(int value)
{
    ui->student_tiltOffset_label->setText(config::offset_text(value));
}

void MainWindow::on_student_tiltOffset_Slider_valueChanged(int value)
{
    on_student_tiltOffset_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->student_apply_Button);
}

void MainWindow::on_student_target_lost_timeout_Slider_sliderMoved(int value)
{
    ui->student_target_lost_timeout_label->setText(QString::number(value));
}

void MainWindow::on_student_target_lost_timeout_Slider_valueChanged(int value)
{
    on_student_target_lost_timeout_Slider_sliderMoved(value);
    mark_apply_unless_loading(ui->student_apply_Button);
}

void MainWindow::on_student_feature_continue_time_label_valueChanged(const QString &)
{
    mark_apply_unless_loading(ui->student_apply_Button);
}

// Typed by hand or put in by the installation-position dialog; marks the tab in every case.
void MainWindow::on_student_camera_height_lineEdit_textChanged(const QString &) { mark_apply(ui->student_apply_Button); }
