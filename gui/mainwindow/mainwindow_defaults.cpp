// The Default action of the Teacher and Student tabs, and the reset of every tab at once.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "protocol/board_parameters.h"
#include "settings/config_values.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <initializer_list>

namespace {

// The camera addresses of a fresh installation (those the form shows).
const char *const kTeacherFeatureAddress = "192.168.1.100";
const char *const kTeacherPanoAddress = "192.168.1.101";
const char *const kStudentFeatureAddress = "192.168.1.163";
const char *const kStudentPanoAddress = "192.168.1.164";
const char *const kBoardFeatureAddress = board_parameters::kDefaultFeatureAddress;
const char *const kBoardPanoAddress = board_parameters::kDefaultPanoAddress;

} // namespace

void MainWindow::set_all_defaults()
{
    // A connected camera keeps the address it was reached at: later applies send that field
    // to the camera as its own address.
    const struct {
        QLineEdit *field;
        bool connected;
        const char *address;
    } cameras[] = {
        {ui->teacher_feature_IP_Edit, udp_teacher_feature_flag, kTeacherFeatureAddress},
        {ui->teacher_pano_IP_Edit, udp_teacher_pano_flag, kTeacherPanoAddress},
        {ui->student_feature_IP_Edit, udp_student_feature_flag, kStudentFeatureAddress},
        {ui->student_pano_IP_Edit, udp_student_pano_flag, kStudentPanoAddress},
        {ui->board_feature_IP_Edit, udp_board_feature_flag, kBoardFeatureAddress},
        {ui->board_pano_IP_Edit, udp_board_pano_flag, kBoardPanoAddress},
    };
    for (const auto &camera : cameras) {
        if (!camera.connected)
            camera.field->setText(QString::fromLatin1(camera.address));
    }
    on_teacher_default_Button_clicked();
    on_student_default_Button_clicked();
    board_tab->on_board_default_Button_clicked();
    director_tab->set_director_defaults();

    // The strips say what a click on them would do at the present width.
    QString strip;
    if (width() == 1164)
        strip = tr("<\nf\no\nl\nd\n<");
    else if (width() >= 894 && width() <= 899)
        strip = tr(">\ne\nx\np\na\nn\nd\n>");
    else
        return;
    for (QPushButton *b : {ui->teacher_show_param_pushButton, ui->student_show_param_pushButton,
                           ui->board_show_param_pushButton, ui->director_show_param_pushButton})
        b->setText(strip);
}

void MainWindow::on_teacher_default_Button_clicked()
{
    ui->teacher_sensitivity_label->setText(QStringLiteral("2"));
    ui->teacher_sensitivity_Slider->setValue(2);
    ui->teacher_fea_distance_label->setText(QStringLiteral("7.5"));
    ui->teacher_fea_distance_Slider->setValue(config::distance_position(QStringLiteral("7.5")));
    ui->teacher_distance_label->setText(QStringLiteral("7.5"));
    ui->teacher_distance_Slider->setValue(config::distance_position(QStringLiteral("7.5")));
    ui->teacher_ptzspeed_level->setText(QStringLiteral("10"));
    ui->teacher_panOffset_label->setText(QStringLiteral("0"));
    ui->teacher_panOffset_Slider->setValue(40);
    ui->teacher_tiltOffset_label->setText(QStringLiteral("0"));
    ui->teacher_tiltOffset_Slider->setValue(40);
    ui->teacher_none_action_radioButton->setChecked(false);
    ui->teacher_pano_action_radioButton->setChecked(true);
    ui->teacher_platform_action_radioButton->setChecked(false);
    ui->teacher_student_pano_action_radioButton->setChecked(false);
    ui->teacher_feature_location_radioButton->setChecked(true);
    ui->teacher_return_pano_action_radioButton->setChecked(false);
    ui->teacher_target_lost_delay_label->setValue(30);
    ui->teacher_hold_time_label->setValue(2);
    ui->other_mode_radioButton->setChecked(false);
    ui->follow_mode_radioButton->setChecked(false);
    ui->mixed_mode_radioButton->setChecked(false);
    ui->lectern_mode_radioButton->setChecked(false);
    ui->binocular_mode_radioButton->setChecked(true);
    // The follow mode's handler fills the preset list of the binocular mode.
    on_follow_mode_radioButton_clicked(true);
    ui->board_pano_mode_radioButton->setChecked(false);
    {
        // The lectern page's own slots post each change to the camera over HTTP; a Default
        // sends nothing.
        const QSignalBlocker quietHold(ui->lectern_director_hold_time_label);
        const QSignalBlocker quietRetention(ui->target_retention_time_label_spinBox);
        ui->lectern_director_hold_time_label->setValue(120);
        ui->target_retention_time_label_spinBox->setValue(6);
    }
    ui->teacher_board_enable_checkBox->setChecked(false);
    ui->teacher_board_face_enable_checkBox->setChecked(false);
    ui->teacher_board_hand_enable_checkBox->setChecked(false);
    ui->teacher_board_detect_label->setText(QStringLiteral("3"));
    ui->teacher_board_detect_Slider->setValue(3);
    ui->teacher_board_hold_label->setText(QStringLiteral("5"));
    ui->teacher_board_hold_Slider->setValue(5);
    ui->teacher_board_lose_label->setText(QStringLiteral("3"));
    ui->teacher_board_lose_Slider->setValue(3);
    ui->teacher_board_space_label->setText(QStringLiteral("5"));
    ui->teacher_board_space_Slider->setValue(5);
    ui->teacher_starting_up_checkBox->setChecked(true);
    ui->teacher_manual_focus_checkBox->setChecked(true);
    ui->teacher_vertical_movement_checkBox->setChecked(false);
    ui->teacher_feature_tracking_checkBox->setChecked(true);
    mark_apply(ui->teacher_apply_Button);
}

void MainWindow::on_student_default_Button_clicked()
{
    ui->student_sensitivity_label->setText(QStringLiteral("4"));
    ui->student_sensitivity_Slider->setValue(4);
    ui->student_objectsize_label->setText(QStringLiteral("1.0"));
    ui->student_objectsize_Slider->setValue(6);
    student_points.set_defaults(student_use_old_version_flag);
    ui->student_camera_height_lineEdit->setText(QStringLiteral("2.2"));
    ui->student_camera_length_lineEdit->setText(QStringLiteral("6.0"));
    ui->student_object_height_lineEdit->setText(QStringLiteral("0.0"));
    ui->student_ptzspeed_level->setText(QStringLiteral("10"));
    ui->student_panOffset_label->setText(QStringLiteral("0"));
    ui->student_panOffset_Slider->setValue(40);
    ui->student_tiltOffset_label->setText(QStringLiteral("0"));
    ui->student_tiltOffset_Slider->setValue(40);
    ui->student_none_action_radioButton->setChecked(false);
    ui->student_pano_one_action_radioButton->setChecked(true);
    ui->student_target_lost_timeout_label->setText(QStringLiteral("0"));
    ui->student_target_lost_timeout_Slider->setValue(0);
    ui->student_small_pano_radioButton->setChecked(true);
    ui->student_return_pano_action_radioButton->setChecked(false);
    ui->student_eptz_radioButton->setChecked(false);
    ui->student_cutout_radioButton->setChecked(true);
    ui->student_feature_continue_time_label->setValue(30);
    ui->student_starting_up_checkBox->setChecked(true);
    ui->student_face_detect_checkBox->setChecked(false);
    ui->student_ptz_pano_detect_checkBox->setChecked(false);
    ui->student_pano_switch_checkBox->setChecked(true);
    ui->director_time_pano_delay_label->setValue(2);
    mark_apply(ui->student_apply_Button);
}
