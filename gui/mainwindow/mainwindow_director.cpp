// The Director tab: the director block sent to both pano cameras, its Obtain, the reading of
// the cameras' director answers, and the tab's change marks.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "protocol/director_parameters.h"
#include "protocol/parameter_block.h"

#include <QCheckBox>
#include <QDebug>
#include <QHostAddress>
#include <QLineEdit>
#include <QRadioButton>

using director_parameters::Field;

namespace {

// The student side's block leaves after the teacher side's, so that the two cameras are not
// written at the same moment.
constexpr int kStudentApplyDelayMs = 300;
constexpr int kStudentObtainDelayMs = 800;

struct CodeWidgets
{
    QCheckBox *box;
    QLineEdit *code;
};

struct Groups
{
    CodeWidgets teacher[5];
    CodeWidgets student[4];
    CodeWidgets board[2];
    CodeWidgets interior[5];
    CodeWidgets blackboard[2];
};

Groups groups_of(const Ui::MainWindow *ui)
{
    return Groups{
        {{ui->director_external_teacher_on_the_platform_checkBox, ui->director_external_teacher_on_the_platform_lineEdit},
         {ui->director_external_teacher_still_checkBox, ui->director_external_teacher_still_lineEdit},
         {ui->director_external_teacher_moving_checkBox, ui->director_external_teacher_moving_lineEdit},
         {ui->director_external_teacher_under_the_platform_checkBox,
          ui->director_external_teacher_under_the_platform_lineEdit},
         {ui->director_external_teacher_multi_objective_checkBox, ui->director_external_teacher_multi_objective_lineEdit}},
        {{ui->director_external_student_stood_up_checkBox, ui->director_external_student_stood_up_lineEdit},
         {ui->director_external_student_feature_in_place_checkBox, ui->director_external_student_feature_in_place_lineEdit},
         {ui->director_external_student_sat_down_checkBox, ui->director_external_student_sat_down_lineEdit},
         {ui->director_external_student_multi_objective_checkBox, ui->director_external_student_multi_objective_lineEdit}},
        {{ui->director_external_board_have_action_checkBox, ui->director_external_board_have_action_lineEdit},
         {ui->director_external_board_none_action_checkBox, ui->director_external_board_none_action_lineEdit}},
        {{ui->director_interior_teacher_feature_checkBox, ui->director_interior_teacher_feature_lineEdit},
         {ui->director_interior_teacher_pano_checkBox, ui->director_interior_teacher_pano_lineEdit},
         {ui->director_interior_student_feature_checkBox, ui->director_interior_student_feature_lineEdit},
         {ui->director_interior_student_pano_checkBox, ui->director_interior_student_pano_lineEdit},
         {ui->director_interior_board_blackboard_checkBox, ui->director_interior_board_blackboard_lineEdit}},
        {{ui->director_interior_board_blackboard_checkBox_2, ui->director_interior_board_blackboard_lineEdit_2},
         {ui->director_interior_board_blackboard_checkBox_3, ui->director_interior_board_blackboard_lineEdit_3}},
    };
}

template <size_t N>
void read_codes(const CodeWidgets (&widgets)[N], director_parameters::CodeSwitch (&codes)[N])
{
    for (size_t i = 0; i < N; ++i)
        codes[i] = {widgets[i].box->isChecked(), widgets[i].code->text()};
}

template <size_t N>
void set_boxes(const CodeWidgets (&widgets)[N], const QString &flags)
{
    for (size_t i = 0; i < N; ++i)
        widgets[i].box->setChecked(director_parameters::flag_at(flags, int(i)));
}

// The button of a one-character choice: "0" the first, "1" the second, "2" the third; any other
// character none.
QRadioButton *choice(const QString &value, std::initializer_list<QRadioButton *> buttons)
{
    int i = 0;
    for (QRadioButton *b : buttons) {
        if (value == QString::number(i++))
            return b;
    }
    return nullptr;
}

int checked_index(std::initializer_list<const QRadioButton *> buttons)
{
    int i = 0;
    for (const QRadioButton *b : buttons) {
        if (b->isChecked())
            return i;
        ++i;
    }
    return 0;
}

} // namespace

director_parameters::DirectorSettings MainWindow::director_settings() const
{
    director_parameters::DirectorSettings s;
    s.teacher_pano_ip = ui->director_teacher_IP_Edit->text();
    s.student_pano_ip = ui->director_student_IP_Edit->text();
    s.blackboard_camera_ip = ui->director_board_IP_Edit->text();
    s.pano_port = ui->director_camera_Port_Edit->text();
    s.uart_baud = ui->director_camera_Baudrate_Edit->text();
    s.communicate_mode = checked_index({ui->director_protocol_udp_radioButton, ui->director_protocol_tcp_radioButton,
                                        ui->director_protocol_serial_radioButton});
    s.command_mode = checked_index({ui->director_command_type_hex_radioButton, ui->director_command_type_ascii_radioButton});
    s.broadcast_ip = ui->director_server_IP_Edit->text();
    s.broadcast_port = ui->director_server_Port_Edit->text();
    s.switch_auto = ui->director_switch_auto_lineEdit->text();
    s.switch_manual = ui->director_switch_manual_lineEdit->text();
    s.command_times = checked_index({ui->director_code_send_mode_single_radioButton,
                                     ui->director_code_send_mode_triple_radioButton,
                                     ui->director_code_send_mode_continuously_radioButton});
    s.strategy = checked_index({ui->director_strategy_external_radioButton, ui->director_strategy_interior_radioButton});
    const Groups g = groups_of(ui);
    read_codes(g.teacher, s.teacher);
    s.keep_interval = QString::number(ui->director_keep_interval_label->value());
    s.moving_interval = QString::number(ui->director_moving_interval_label->value());
    s.multi_interval = QString::number(ui->director_multi_interval_label->value());
    read_codes(g.student, s.student);
    read_codes(g.board, s.board);
    read_codes(g.interior, s.interior);
    read_codes(g.blackboard, s.blackboard);
    s.min_switch_time = ui->director_interior_min_switch_time_label->text();
    return s;
}

void MainWindow::on_director_apply_Button_clicked()
{
    const QString block = director_parameters::set_block(director_settings(), tab_layout->camera_layout() == 3);

    if (udp_teacher_pano_flag) {
        parameter_requests->arm(request_poller::Kind::TeacherApply);
        sendMsg_Net(teacher_pano_destination, teacher_udp_port,
                    director_parameters::routed(QLatin1String(parameter_block::kTeacherSection), block), false);
        ui->director_apply_Button->setText(tr("Apply"));
    } else {
        msgbox::warning(this, tr("Warning"), tr("Please connect the teacher pano camera"));
    }

    wait_ms(kStudentApplyDelayMs);

    if (udp_student_pano_flag) {
        parameter_requests->arm(request_poller::Kind::StudentApply);
        sendMsg_Net(student_pano_destination, student_udp_port,
                    director_parameters::routed(QLatin1String(parameter_block::kStudentSection), block), false);
        ui->director_apply_Button->setText(tr("Apply"));
    } else {
        msgbox::warning(this, tr("Warning"), tr("Please connect the student pano camera"));
    }
}

void MainWindow::on_director_obtain_Button_clicked()
{
    if (udp_teacher_pano_flag) {
        const QString text = director_parameters::obtain_block(QLatin1String(parameter_block::kTeacherSection));
        qDebug().noquote() << text;
        sendMsg_Net(teacher_pano_destination, teacher_udp_port, text, false);
        parameter_requests->arm(request_poller::Kind::TeacherObtain);
    } else {
        msgbox::warning(this, tr("Warning"), tr("Please connect the teacher pano camera"));
    }

    if (udp_student_pano_flag) {
        wait_ms(kStudentObtainDelayMs);
        sendMsg_Net(student_pano_destination, student_udp_port,
                    director_parameters::obtain_block(QLatin1String(parameter_block::kStudentSection)), false);
        parameter_requests->arm(request_poller::Kind::StudentObtain);
    } else {
        msgbox::warning(this, tr("Warning"), tr("Please connect the student pano camera"));
    }
}

void MainWindow::read_director_section(const QString &text)
{
    for (const director_parameters::ReadItem &item : director_parameters::read_answer(text)) {
        qDebug().noquote() << director_parameters::row(item.field).log_label << item.value;
        apply_director_value(item.field, item.value);
    }
}

void MainWindow::apply_director_value(Field field, const QString &value)
{
    const Groups g = groups_of(ui);
    QLineEdit *text_field = nullptr;
    switch (field) {
    case Field::TeacherPanoIp:
    case Field::StudentPanoIp:
    case Field::BlackboardCameraIp:
        // Sent, never read back.
        return;
    case Field::PanoPort: text_field = ui->director_camera_Port_Edit; break;
    case Field::UartBaud: text_field = ui->director_camera_Baudrate_Edit; break;
    case Field::BroadcastIp: text_field = ui->director_server_IP_Edit; break;
    case Field::BroadcastPort: text_field = ui->director_server_Port_Edit; break;
    case Field::SwitchAuto: text_field = ui->director_switch_auto_lineEdit; break;
    case Field::SwitchManual: text_field = ui->director_switch_manual_lineEdit; break;
    case Field::TeacherWalkUpPlatform: text_field = g.teacher[0].code; break;
    case Field::TeacherKeepStand: text_field = g.teacher[1].code; break;
    case Field::TeacherWalkMoving: text_field = g.teacher[2].code; break;
    case Field::TeacherWalkDownPlatform: text_field = g.teacher[3].code; break;
    case Field::TeacherHaveObjectMulti: text_field = g.teacher[4].code; break;
    case Field::StudentStandUp: text_field = g.student[0].code; break;
    case Field::StudentKeepStand: text_field = g.student[1].code; break;
    case Field::StudentSitDown: text_field = g.student[2].code; break;
    case Field::StudentHaveObjectMulti: text_field = g.student[3].code; break;
    case Field::BlackboardHaveObjectTracked: text_field = g.board[0].code; break;
    case Field::BlackboardNoneObjectTracked: text_field = g.board[1].code; break;
    case Field::InnerTeacherFeature: text_field = g.interior[0].code; break;
    case Field::InnerTeacherPano: text_field = g.interior[1].code; break;
    case Field::InnerStudentFeature: text_field = g.interior[2].code; break;
    case Field::InnerStudentPano: text_field = g.interior[3].code; break;
    case Field::InnerBlackboardFeature: text_field = g.interior[4].code; break;
    case Field::Blackboard1Feature: text_field = g.blackboard[0].code; break;
    case Field::Blackboard2Feature: text_field = g.blackboard[1].code; break;

    case Field::CommunicateMode:
        if (QRadioButton *b = choice(value, {ui->director_protocol_udp_radioButton, ui->director_protocol_tcp_radioButton,
                                             ui->director_protocol_serial_radioButton}))
            b->setChecked(true);
        return;
    case Field::CommandMode:
        if (value == QLatin1String("0")) {
            ui->director_command_type_hex_radioButton->setChecked(true);
            set_director_command_validator(1);
        } else if (value == QLatin1String("1")) {
            ui->director_command_type_ascii_radioButton->setChecked(true);
            set_director_command_validator(2);
        }
        return;
    case Field::CommandTimes:
        if (QRadioButton *b = choice(value, {ui->director_code_send_mode_single_radioButton,
                                             ui->director_code_send_mode_triple_radioButton,
                                             ui->director_code_send_mode_continuously_radioButton}))
            b->setChecked(true);
        return;
    case Field::Strategy:
        if (value == QLatin1String("0")) {
            ui->director_strategy_external_radioButton->setChecked(true);
            qDebug() << "外部导播";
            set_director_widgets(0, true);
        } else if (value == QLatin1String("1")) {
            ui->director_strategy_interior_radioButton->setChecked(true);
            qDebug() << "内部导播";
            set_director_widgets(1, true);
        }
        return;
    case Field::KeepInterval:
        ui->director_keep_interval_label->setValue(director_parameters::number_value(value));
        return;
    case Field::MovingInterval:
        ui->director_moving_interval_label->setValue(director_parameters::number_value(value));
        return;
    case Field::MultiInterval:
        ui->director_multi_interval_label->setValue(director_parameters::number_value(value));
        return;
    case Field::TeacherEnable: set_boxes(g.teacher, value); return;
    case Field::StudentEnable: set_boxes(g.student, value); return;
    case Field::BlackboardEnable: set_boxes(g.board, value); return;
    case Field::InnerEnable: set_boxes(g.interior, value); return;
    case Field::BlackboardDirectorEnable: set_boxes(g.blackboard, value); return;
    case Field::MinSwitchTime:
        ui->director_interior_min_switch_time_label->setText(value);
        ui->director_interior_min_switch_time_Slider->setValue(director_parameters::number_value(value));
        return;
    }
    if (text_field)
        text_field->setText(value);
}

// ---- change markers: one body for the radio buttons and the event and view boxes ----

void MainWindow::on_director_protocol_udp_radioButton_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_protocol_tcp_radioButton_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_protocol_serial_radioButton_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_code_send_mode_single_radioButton_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_code_send_mode_triple_radioButton_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_code_send_mode_continuously_radioButton_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_external_teacher_on_the_platform_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_external_teacher_still_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_external_teacher_moving_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_external_teacher_under_the_platform_checkBox_clicked()
{
    mark_apply(ui->director_apply_Button);
}
void MainWindow::on_director_external_teacher_multi_objective_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_external_student_stood_up_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_external_student_feature_in_place_checkBox_clicked()
{
    mark_apply(ui->director_apply_Button);
}
void MainWindow::on_director_external_student_sat_down_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_external_student_multi_objective_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_external_board_have_action_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_external_board_none_action_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_interior_teacher_feature_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_interior_teacher_pano_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_interior_student_feature_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_interior_student_pano_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
void MainWindow::on_director_interior_board_blackboard_checkBox_clicked() { mark_apply(ui->director_apply_Button); }
