// The Default action of the Board and Director tabs, the reset of every tab at once, and the Director
// tab's strategy enabling and code validators.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "settings/config_values.h"
#include "settings/input_rules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include <initializer_list>

namespace {

// The camera addresses of a fresh installation (those the form shows).
const char *const kTeacherFeatureAddress = "192.168.1.100";
const char *const kTeacherPanoAddress = "192.168.1.101";
const char *const kStudentFeatureAddress = "192.168.1.163";
const char *const kStudentPanoAddress = "192.168.1.164";
const char *const kBoardFeatureAddress = "192.168.1.165";
const char *const kBoardPanoAddress = "192.168.1.166";
// The recording host that receives the director codes.
const char *const kDirectorServerAddress = "192.168.1.200";

struct CodeRow {
    QCheckBox *box;
    QLineEdit *code;
    const char *defaultCode;
};

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
    teacher_tab->on_teacher_default_Button_clicked();
    student_tab->on_student_default_Button_clicked();
    on_board_default_Button_clicked();
    set_director_defaults();

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

void MainWindow::on_board_default_Button_clicked()
{
    ui->board_sensitivity_label->setText(QStringLiteral("4"));
    ui->board_sensitivity_Slider->setValue(4);
    ui->board_target_lost_timeout_label->setText(QStringLiteral("3"));
    ui->board_target_lost_timeout_Slider->setValue(3);
    ui->board_enable_checkBox->setChecked(true);
    // A connected camera keeps the address it was reached at.
    if (!udp_board_feature_flag)
        ui->board_feature_IP_Edit->setText(QString::fromLatin1(kBoardFeatureAddress));
    if (!udp_board_pano_flag)
        ui->board_pano_IP_Edit->setText(QString::fromLatin1(kBoardPanoAddress));
    ui->board_multi_object_pano_one_radioButton->setChecked(true);
    ui->board_multi_object_pano_two_radioButton->setChecked(false);
    ui->board_lose_object_pano_one_radioButton->setChecked(true);
    ui->board_lose_object_pano_two_radioButton->setChecked(false);
    ui->board_lost_pano_delay_label->setValue(30);
    mark_apply(ui->board_apply_Button);
}

void MainWindow::on_director_default_Button_clicked() { set_director_defaults(); }

void MainWindow::set_director_defaults()
{
    ui->director_server_IP_Edit->setText(QString::fromLatin1(kDirectorServerAddress));
    ui->director_server_Port_Edit->setText(QStringLiteral("9999"));
    ui->director_protocol_udp_radioButton->setChecked(true);
    ui->director_command_type_hex_radioButton->setChecked(true);
    ui->director_code_send_mode_single_radioButton->setChecked(true);
    ui->director_strategy_interior_radioButton->setChecked(true);
    set_director_widgets(1, true);
    ui->director_switch_auto_lineEdit->setText(QStringLiteral("FF 00 00 00 00 01"));
    ui->director_switch_manual_lineEdit->setText(QStringLiteral("FF 00 00 00 00 02"));
    const CodeRow rows[] = {
        {ui->director_external_teacher_on_the_platform_checkBox, ui->director_external_teacher_on_the_platform_lineEdit,
         "FF 01 00 00 00 11"},
        {ui->director_external_teacher_still_checkBox, ui->director_external_teacher_still_lineEdit, "FF 01 00 00 00 12"},
        {ui->director_external_teacher_moving_checkBox, ui->director_external_teacher_moving_lineEdit,
         "FF 01 00 00 00 13"},
        {ui->director_external_teacher_under_the_platform_checkBox,
         ui->director_external_teacher_under_the_platform_lineEdit, "FF 01 00 00 00 14"},
        {ui->director_external_teacher_multi_objective_checkBox, ui->director_external_teacher_multi_objective_lineEdit,
         "FF 01 00 00 00 15"},
        {ui->director_external_student_stood_up_checkBox, ui->director_external_student_stood_up_lineEdit,
         "FF 02 00 00 00 21"},
        {ui->director_external_student_feature_in_place_checkBox,
         ui->director_external_student_feature_in_place_lineEdit, "FF 02 00 00 00 22"},
        {ui->director_external_student_sat_down_checkBox, ui->director_external_student_sat_down_lineEdit,
         "FF 02 00 00 00 23"},
        {ui->director_external_student_multi_objective_checkBox, ui->director_external_student_multi_objective_lineEdit,
         "FF 02 00 00 00 24"},
        {ui->director_external_board_have_action_checkBox, ui->director_external_board_have_action_lineEdit,
         "FF 03 00 00 00 31"},
        {ui->director_external_board_none_action_checkBox, ui->director_external_board_none_action_lineEdit,
         "FF 03 00 00 00 32"},
        {ui->director_interior_teacher_feature_checkBox, ui->director_interior_teacher_feature_lineEdit, "FF 22 22"},
        {ui->director_interior_teacher_pano_checkBox, ui->director_interior_teacher_pano_lineEdit, "FF 11 11"},
        {ui->director_interior_student_feature_checkBox, ui->director_interior_student_feature_lineEdit, "FF 44 44"},
        {ui->director_interior_student_pano_checkBox, ui->director_interior_student_pano_lineEdit, "FF 33 33"},
        {ui->director_interior_board_blackboard_checkBox, ui->director_interior_board_blackboard_lineEdit, "FF 55 55"},
        {ui->director_interior_board_blackboard_checkBox_2, ui->director_interior_board_blackboard_lineEdit_2,
         "FF 55 55"},
        {ui->director_interior_board_blackboard_checkBox_3, ui->director_interior_board_blackboard_lineEdit_3,
         "FF 55 55"},
    };
    for (const CodeRow &row : rows) {
        row.box->setChecked(true);
        row.code->setText(QString::fromLatin1(row.defaultCode));
    }
    ui->director_keep_interval_label->setValue(1);
    ui->director_moving_interval_label->setValue(1);
    ui->director_multi_interval_label->setValue(1);
    ui->director_interior_min_switch_time_label->setText(QStringLiteral("3"));
    ui->director_interior_min_switch_time_Slider->setValue(3);
    mark_apply(ui->director_apply_Button);
}

void MainWindow::set_director_widgets(int strategy, bool enable)
{
    if (strategy != 0 && strategy != 1)
        return;
    const bool external = strategy == 0 ? enable : !enable;
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->director_external_teacher_on_the_platform_checkBox, ui->director_external_teacher_on_the_platform_lineEdit,
             ui->director_external_teacher_still_checkBox, ui->director_external_teacher_still_lineEdit,
             ui->director_external_teacher_moving_checkBox, ui->director_external_teacher_moving_lineEdit,
             ui->director_external_teacher_under_the_platform_checkBox,
             ui->director_external_teacher_under_the_platform_lineEdit,
             ui->director_external_teacher_multi_objective_checkBox, ui->director_external_teacher_multi_objective_lineEdit,
             ui->director_external_student_stood_up_checkBox, ui->director_external_student_stood_up_lineEdit,
             ui->director_external_student_feature_in_place_checkBox,
             ui->director_external_student_feature_in_place_lineEdit, ui->director_external_student_sat_down_checkBox,
             ui->director_external_student_sat_down_lineEdit, ui->director_external_student_multi_objective_checkBox,
             ui->director_external_student_multi_objective_lineEdit, ui->director_external_board_have_action_checkBox,
             ui->director_external_board_have_action_lineEdit, ui->director_external_board_none_action_checkBox,
             ui->director_external_board_none_action_lineEdit})
        w->setEnabled(external);
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->director_interior_teacher_feature_checkBox, ui->director_interior_teacher_feature_lineEdit,
             ui->director_interior_teacher_pano_checkBox, ui->director_interior_teacher_pano_lineEdit,
             ui->director_interior_student_feature_checkBox, ui->director_interior_student_feature_lineEdit,
             ui->director_interior_student_pano_checkBox, ui->director_interior_student_pano_lineEdit,
             ui->director_interior_board_blackboard_checkBox, ui->director_interior_board_blackboard_lineEdit,
             ui->director_interior_board_blackboard_checkBox_2, ui->director_interior_board_blackboard_lineEdit_2,
             ui->director_interior_board_blackboard_checkBox_3, ui->director_interior_board_blackboard_lineEdit_3,
             ui->director_interior_min_switch_time_Slider, ui->director_interior_min_switch_time_label, ui->label_48,
             ui->label_53, ui->label_52})
        w->setEnabled(!external);
    // The customer model has no single blackboard camera to switch to.
    if (teacher_customer_model_flag || student_customer_model_flag) {
        ui->director_interior_board_blackboard_checkBox->setEnabled(false);
        ui->director_interior_board_blackboard_lineEdit->setEnabled(false);
    }
}

void MainWindow::set_director_command_validator(int command_type)
{
    const QRegularExpression pattern(input::director_code_pattern(command_type));
    for (QLineEdit *edit : {ui->director_switch_auto_lineEdit, ui->director_switch_manual_lineEdit,
                            ui->director_external_teacher_on_the_platform_lineEdit,
                            ui->director_external_teacher_still_lineEdit, ui->director_external_teacher_moving_lineEdit,
                            ui->director_external_teacher_under_the_platform_lineEdit,
                            ui->director_external_teacher_multi_objective_lineEdit,
                            ui->director_external_student_stood_up_lineEdit,
                            ui->director_external_student_feature_in_place_lineEdit,
                            ui->director_external_student_sat_down_lineEdit,
                            ui->director_external_student_multi_objective_lineEdit,
                            ui->director_external_board_have_action_lineEdit,
                            ui->director_external_board_none_action_lineEdit,
                            ui->director_interior_teacher_feature_lineEdit, ui->director_interior_teacher_pano_lineEdit,
                            ui->director_interior_student_feature_lineEdit, ui->director_interior_student_pano_lineEdit,
                            ui->director_interior_board_blackboard_lineEdit,
                            ui->director_interior_board_blackboard_lineEdit_2,
                            ui->director_interior_board_blackboard_lineEdit_3}) {
        // Each switch of the command type replaces the field's validator; the old one goes
        // with it, so switching back and forth does not pile validators up.
        const QValidator *old = edit->validator();
        edit->setValidator(new QRegularExpressionValidator(pattern, edit));
        if (old && old->parent() == edit)
            delete old;
    }
}
