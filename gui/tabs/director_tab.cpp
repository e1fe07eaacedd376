#include "tabs/director_tab.h"

#include "core/wait.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/parameter_block.h"
#include "seams/message_box.h"
#include "settings/input_rules.h"
#include "support/apply_mark.h"
#include "support/radio_choice.h"

#include <QCheckBox>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QSpinBox>
#include <QVector>

#include <initializer_list>

using camera_slot::Side;
using camera_slot::Slot;
using director_parameters::Field;

namespace {

// The student side's block leaves after the teacher side's, so that the two cameras are not
// written at the same moment.
constexpr int kStudentApplyDelayMs = 300;
constexpr int kStudentObtainDelayMs = 800;
constexpr int kSixCameraLayout = 3;

struct CodeWidgets
{
    QCheckBox *box;
    QLineEdit *code;
};

// The code fields by the block's groups, in the order of DirectorSection's arrays.
struct Groups
{
    CodeWidgets teacher[5];
    CodeWidgets student[4];
    CodeWidgets board[2];
    CodeWidgets interior[5];
    CodeWidgets blackboard[2];
};

Groups groups_of(const DirectorTab::Widgets &ui)
{
    return Groups{
        {{ui.director_external_teacher_on_the_platform_checkBox, ui.director_external_teacher_on_the_platform_lineEdit},
         {ui.director_external_teacher_still_checkBox, ui.director_external_teacher_still_lineEdit},
         {ui.director_external_teacher_moving_checkBox, ui.director_external_teacher_moving_lineEdit},
         {ui.director_external_teacher_under_the_platform_checkBox,
          ui.director_external_teacher_under_the_platform_lineEdit},
         {ui.director_external_teacher_multi_objective_checkBox,
          ui.director_external_teacher_multi_objective_lineEdit}},
        {{ui.director_external_student_stood_up_checkBox, ui.director_external_student_stood_up_lineEdit},
         {ui.director_external_student_feature_in_place_checkBox,
          ui.director_external_student_feature_in_place_lineEdit},
         {ui.director_external_student_sat_down_checkBox, ui.director_external_student_sat_down_lineEdit},
         {ui.director_external_student_multi_objective_checkBox,
          ui.director_external_student_multi_objective_lineEdit}},
        {{ui.director_external_board_have_action_checkBox, ui.director_external_board_have_action_lineEdit},
         {ui.director_external_board_none_action_checkBox, ui.director_external_board_none_action_lineEdit}},
        {{ui.director_interior_teacher_feature_checkBox, ui.director_interior_teacher_feature_lineEdit},
         {ui.director_interior_teacher_pano_checkBox, ui.director_interior_teacher_pano_lineEdit},
         {ui.director_interior_student_feature_checkBox, ui.director_interior_student_feature_lineEdit},
         {ui.director_interior_student_pano_checkBox, ui.director_interior_student_pano_lineEdit},
         {ui.director_interior_board_blackboard_checkBox, ui.director_interior_board_blackboard_lineEdit}},
        {{ui.director_interior_board_blackboard_checkBox_2, ui.director_interior_board_blackboard_lineEdit_2},
         {ui.director_interior_board_blackboard_checkBox_3, ui.director_interior_board_blackboard_lineEdit_3}},
    };
}

// The eighteen code fields in the groups' order; the first eleven belong to the external strategy.
constexpr int kExternalCodes = 11;
QVector<CodeWidgets> codes_of(const Groups &g)
{
    QVector<CodeWidgets> all;
    for (const auto &group : {std::make_pair(g.teacher, 5), std::make_pair(g.student, 4), std::make_pair(g.board, 2),
                              std::make_pair(g.interior, 5), std::make_pair(g.blackboard, 2)})
        all.append(QVector<CodeWidgets>(group.first, group.first + group.second));
    return all;
}

template <size_t N>
void read_codes(const CodeWidgets (&widgets)[N], std::array<CodeSwitch, N> &codes)
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

template <size_t N>
void set_codes(const CodeWidgets (&widgets)[N], const std::array<CodeSwitch, N> &codes)
{
    for (size_t i = 0; i < N; ++i) {
        widgets[i].box->setChecked(codes[i].on);
        widgets[i].code->setText(codes[i].code);
    }
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

// The director block counts a radio group with no button checked as its first choice.
constexpr int kNoneChecked = 0;

} // namespace

DirectorTab::DirectorTab(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports,
                         ControlLink &link, Host &host, const bool &loading_config, QWidget *window)
    : ui(widgets)
    , m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_host(host)
    , m_loading_config(loading_config)
    , m_window(window)
{
    connect(ui.director_default_Button, &QPushButton::clicked, this, &DirectorTab::on_director_default_Button_clicked);
    connect(ui.director_interior_min_switch_time_Slider, &QSlider::sliderMoved, this,
            &DirectorTab::on_director_interior_min_switch_time_Slider_sliderMoved);
    connect(ui.director_interior_min_switch_time_Slider, &QSlider::valueChanged, this,
            &DirectorTab::on_director_interior_min_switch_time_Slider_valueChanged);
    // Every text field of the tab marks it changed, unless the settings file is being loaded.
    const QVector<CodeWidgets> codes = codes_of(groups_of(ui));
    for (QLineEdit *field : {ui.director_server_IP_Edit, ui.director_server_Port_Edit, ui.director_switch_auto_lineEdit,
                             ui.director_switch_manual_lineEdit})
        connect(field, &QLineEdit::textChanged, this, &DirectorTab::mark_changed_unless_loading);
    for (const CodeWidgets &c : codes)
        connect(c.code, &QLineEdit::textChanged, this, &DirectorTab::mark_changed_unless_loading);
    // One click runs both slots of these buttons in this order: the switch of the strategy or
    // the command type, then the mark.
    connect(ui.director_strategy_external_radioButton, &QRadioButton::clicked, this,
            qOverload<bool>(&DirectorTab::on_director_strategy_external_radioButton_clicked));
    connect(ui.director_strategy_external_radioButton, &QRadioButton::clicked, this,
            qOverload<>(&DirectorTab::on_director_strategy_external_radioButton_clicked));
    connect(ui.director_strategy_interior_radioButton, &QRadioButton::clicked, this,
            qOverload<bool>(&DirectorTab::on_director_strategy_interior_radioButton_clicked));
    connect(ui.director_strategy_interior_radioButton, &QRadioButton::clicked, this,
            qOverload<>(&DirectorTab::on_director_strategy_interior_radioButton_clicked));
    connect(ui.director_command_type_hex_radioButton, &QRadioButton::clicked, this,
            qOverload<bool>(&DirectorTab::on_director_command_type_hex_radioButton_clicked));
    connect(ui.director_command_type_hex_radioButton, &QRadioButton::clicked, this,
            qOverload<>(&DirectorTab::on_director_command_type_hex_radioButton_clicked));
    connect(ui.director_command_type_ascii_radioButton, &QRadioButton::clicked, this,
            qOverload<bool>(&DirectorTab::on_director_command_type_ascii_radioButton_clicked));
    connect(ui.director_command_type_ascii_radioButton, &QRadioButton::clicked, this,
            qOverload<>(&DirectorTab::on_director_command_type_ascii_radioButton_clicked));
    connect(ui.director_apply_Button, &QPushButton::clicked, this, &DirectorTab::on_director_apply_Button_clicked);
    connect(ui.director_obtain_Button, &QPushButton::clicked, this, &DirectorTab::on_director_obtain_Button_clicked);
    // The remaining radio buttons and the sixteen event and view boxes mark the tab changed;
    // Board 1 and Board 2 have no mark of their own.
    for (QRadioButton *button :
         {ui.director_protocol_udp_radioButton, ui.director_protocol_tcp_radioButton,
          ui.director_protocol_serial_radioButton, ui.director_code_send_mode_single_radioButton,
          ui.director_code_send_mode_triple_radioButton, ui.director_code_send_mode_continuously_radioButton})
        connect(button, &QRadioButton::clicked, this, &DirectorTab::mark_changed);
    for (const CodeWidgets &c : codes.mid(0, codes.size() - 2))
        connect(c.box, &QCheckBox::clicked, this, &DirectorTab::mark_changed);
}

void DirectorTab::mark_changed() { mark_apply(ui.director_apply_Button); }

void DirectorTab::mark_changed_unless_loading()
{
    mark_apply_unless_loading(m_loading_config, ui.director_apply_Button);
}

// ---------------------------------------------------------------------------
// Apply, Obtain and the cameras' answers

DirectorSection DirectorTab::director_settings() const
{
    DirectorSection s;
    s.teacher_pano_ip = ui.director_teacher_IP_Edit->text();
    s.student_pano_ip = ui.director_student_IP_Edit->text();
    s.blackboard_camera_ip = ui.director_board_IP_Edit->text();
    s.pano_port = ui.director_camera_Port_Edit->text();
    s.uart_baud = ui.director_camera_Baudrate_Edit->text();
    s.communicate_mode = checked_index({ui.director_protocol_udp_radioButton, ui.director_protocol_tcp_radioButton,
                                        ui.director_protocol_serial_radioButton},
                                       kNoneChecked);
    s.command_mode =
        checked_index({ui.director_command_type_hex_radioButton, ui.director_command_type_ascii_radioButton}, kNoneChecked);
    s.broadcast_ip = ui.director_server_IP_Edit->text();
    s.broadcast_port = ui.director_server_Port_Edit->text();
    s.switch_auto = ui.director_switch_auto_lineEdit->text();
    s.switch_manual = ui.director_switch_manual_lineEdit->text();
    s.command_times = checked_index({ui.director_code_send_mode_single_radioButton,
                                     ui.director_code_send_mode_triple_radioButton,
                                     ui.director_code_send_mode_continuously_radioButton},
                                    kNoneChecked);
    s.strategy = checked_index({ui.director_strategy_external_radioButton, ui.director_strategy_interior_radioButton},
                               kNoneChecked);
    const Groups g = groups_of(ui);
    read_codes(g.teacher, s.teacher);
    s.keep_interval = ui.director_keep_interval_label->value();
    s.moving_interval = ui.director_moving_interval_label->value();
    s.multi_interval = ui.director_multi_interval_label->value();
    read_codes(g.student, s.student);
    read_codes(g.board, s.board);
    read_codes(g.interior, s.interior);
    read_codes(g.blackboard, s.blackboard);
    s.min_switch_time = {ui.director_interior_min_switch_time_label->text(),
                         ui.director_interior_min_switch_time_Slider->value()};
    return s;
}

void DirectorTab::on_director_apply_Button_clicked()
{
    const QString block =
        director_parameters::set_block(director_settings(), m_host.camera_layout() == kSixCameraLayout);

    if (m_slots[Slot::TeacherPano].udp_flag) {
        m_host.arm_request(request_poller::Kind::TeacherApply, false);
        m_link.sendMsg_Net(m_slots[Slot::TeacherPano].destination, m_ports.udp_port(Side::Teacher),
                           director_parameters::routed(QLatin1String(parameter_block::kTeacherSection), block), false);
        ui.director_apply_Button->setText(tr("Apply"));
    } else {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the teacher pano camera"));
    }

    wait_ms(kStudentApplyDelayMs);

    if (m_slots[Slot::StudentPano].udp_flag) {
        m_host.arm_request(request_poller::Kind::StudentApply, false);
        m_link.sendMsg_Net(m_slots[Slot::StudentPano].destination, m_ports.udp_port(Side::Student),
                           director_parameters::routed(QLatin1String(parameter_block::kStudentSection), block), false);
        ui.director_apply_Button->setText(tr("Apply"));
    } else {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the student pano camera"));
    }
}

void DirectorTab::on_director_obtain_Button_clicked()
{
    if (m_slots[Slot::TeacherPano].udp_flag) {
        const QString text = director_parameters::obtain_block(QLatin1String(parameter_block::kTeacherSection));
        qDebug().noquote() << text;
        m_link.sendMsg_Net(m_slots[Slot::TeacherPano].destination, m_ports.udp_port(Side::Teacher), text, false);
        m_host.arm_request(request_poller::Kind::TeacherObtain, false);
    } else {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the teacher pano camera"));
    }

    if (m_slots[Slot::StudentPano].udp_flag) {
        wait_ms(kStudentObtainDelayMs);
        m_link.sendMsg_Net(m_slots[Slot::StudentPano].destination, m_ports.udp_port(Side::Student),
                           director_parameters::obtain_block(QLatin1String(parameter_block::kStudentSection)), false);
        m_host.arm_request(request_poller::Kind::StudentObtain, false);
    } else {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the student pano camera"));
    }
}

void DirectorTab::read_director_section(const QString &text)
{
    for (const director_parameters::ReadItem &item : director_parameters::read_answer(text)) {
        qDebug().noquote() << director_parameters::row(item.field).log_label << item.value;
        apply_director_value(item.field, item.value);
    }
}

void DirectorTab::apply_director_value(Field field, const QString &value)
{
    const Groups g = groups_of(ui);
    QLineEdit *text_field = nullptr;
    switch (field) {
    case Field::TeacherPanoIp:
    case Field::StudentPanoIp:
    case Field::BlackboardCameraIp:
        // Sent, never read back.
        return;
    case Field::PanoPort: text_field = ui.director_camera_Port_Edit; break;
    case Field::UartBaud: text_field = ui.director_camera_Baudrate_Edit; break;
    case Field::BroadcastIp: text_field = ui.director_server_IP_Edit; break;
    case Field::BroadcastPort: text_field = ui.director_server_Port_Edit; break;
    case Field::SwitchAuto: text_field = ui.director_switch_auto_lineEdit; break;
    case Field::SwitchManual: text_field = ui.director_switch_manual_lineEdit; break;
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
        if (QRadioButton *b = choice(value, {ui.director_protocol_udp_radioButton, ui.director_protocol_tcp_radioButton,
                                             ui.director_protocol_serial_radioButton}))
            b->setChecked(true);
        return;
    case Field::CommandMode:
        if (value == QLatin1String("0")) {
            ui.director_command_type_hex_radioButton->setChecked(true);
            set_director_command_validator(1);
        } else if (value == QLatin1String("1")) {
            ui.director_command_type_ascii_radioButton->setChecked(true);
            set_director_command_validator(2);
        }
        return;
    case Field::CommandTimes:
        if (QRadioButton *b = choice(value, {ui.director_code_send_mode_single_radioButton,
                                             ui.director_code_send_mode_triple_radioButton,
                                             ui.director_code_send_mode_continuously_radioButton}))
            b->setChecked(true);
        return;
    case Field::Strategy:
        if (value == QLatin1String("0")) {
            ui.director_strategy_external_radioButton->setChecked(true);
            qDebug() << "外部导播";
            set_director_widgets(0, true);
        } else if (value == QLatin1String("1")) {
            ui.director_strategy_interior_radioButton->setChecked(true);
            qDebug() << "内部导播";
            set_director_widgets(1, true);
        }
        return;
    case Field::KeepInterval:
        ui.director_keep_interval_label->setValue(director_parameters::number_value(value));
        return;
    case Field::MovingInterval:
        ui.director_moving_interval_label->setValue(director_parameters::number_value(value));
        return;
    case Field::MultiInterval:
        ui.director_multi_interval_label->setValue(director_parameters::number_value(value));
        return;
    case Field::TeacherEnable: set_boxes(g.teacher, value); return;
    case Field::StudentEnable: set_boxes(g.student, value); return;
    case Field::BlackboardEnable: set_boxes(g.board, value); return;
    case Field::InnerEnable: set_boxes(g.interior, value); return;
    case Field::BlackboardDirectorEnable: set_boxes(g.blackboard, value); return;
    case Field::MinSwitchTime:
        ui.director_interior_min_switch_time_label->setText(value);
        ui.director_interior_min_switch_time_Slider->setValue(director_parameters::number_value(value));
        return;
    }
    if (text_field)
        text_field->setText(value);
}

// ---------------------------------------------------------------------------
// Default, the strategy's controls and the code validators

void DirectorTab::on_director_default_Button_clicked() { set_director_defaults(); }

void DirectorTab::set_director_defaults()
{
    const DirectorSection d = director_parameters::default_settings();
    ui.director_server_IP_Edit->setText(d.broadcast_ip);
    ui.director_server_Port_Edit->setText(d.broadcast_port);
    ui.director_protocol_udp_radioButton->setChecked(true);
    ui.director_command_type_hex_radioButton->setChecked(true);
    ui.director_code_send_mode_single_radioButton->setChecked(true);
    ui.director_strategy_interior_radioButton->setChecked(true);
    set_director_widgets(1, true);
    ui.director_switch_auto_lineEdit->setText(d.switch_auto);
    ui.director_switch_manual_lineEdit->setText(d.switch_manual);
    const Groups g = groups_of(ui);
    set_codes(g.teacher, d.teacher);
    set_codes(g.student, d.student);
    set_codes(g.board, d.board);
    set_codes(g.interior, d.interior);
    set_codes(g.blackboard, d.blackboard);
    ui.director_keep_interval_label->setValue(d.keep_interval);
    ui.director_moving_interval_label->setValue(d.moving_interval);
    ui.director_multi_interval_label->setValue(d.multi_interval);
    ui.director_interior_min_switch_time_label->setText(d.min_switch_time.text);
    ui.director_interior_min_switch_time_Slider->setValue(d.min_switch_time.position);
    mark_apply(ui.director_apply_Button);
}

void DirectorTab::set_director_widgets(int strategy, bool enable)
{
    if (strategy != 0 && strategy != 1)
        return;
    const bool external = strategy == 0 ? enable : !enable;
    const QVector<CodeWidgets> codes = codes_of(groups_of(ui));
    for (int i = 0; i < codes.size(); ++i) {
        codes[i].box->setEnabled(i < kExternalCodes ? external : !external);
        codes[i].code->setEnabled(i < kExternalCodes ? external : !external);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{ui.director_interior_min_switch_time_Slider,
                                                       ui.director_interior_min_switch_time_label, ui.label_48,
                                                       ui.label_53, ui.label_52})
        w->setEnabled(!external);
    // The customer model has no single blackboard camera to switch to.
    if (m_host.customer_model(true) || m_host.customer_model(false)) {
        ui.director_interior_board_blackboard_checkBox->setEnabled(false);
        ui.director_interior_board_blackboard_lineEdit->setEnabled(false);
    }
}

void DirectorTab::set_director_command_validator(int command_type)
{
    const QRegularExpression pattern(input::director_code_pattern(command_type));
    QVector<QLineEdit *> fields{ui.director_switch_auto_lineEdit, ui.director_switch_manual_lineEdit};
    for (const CodeWidgets &c : codes_of(groups_of(ui)))
        fields.append(c.code);
    for (QLineEdit *edit : fields) {
        // Each switch of the command type replaces the field's validator; the old one goes
        // with it, so switching back and forth does not pile validators up.
        const QValidator *old = edit->validator();
        edit->setValidator(new QRegularExpressionValidator(pattern, edit));
        if (old && old->parent() == edit)
            delete old;
    }
}

// ---------------------------------------------------------------------------
// The minimum switch time's label and the two-slot radio buttons

void DirectorTab::on_director_interior_min_switch_time_Slider_sliderMoved(int value)
{
    ui.director_interior_min_switch_time_label->setText(QString::number(value));
}

void DirectorTab::on_director_interior_min_switch_time_Slider_valueChanged(int value)
{
    on_director_interior_min_switch_time_Slider_sliderMoved(value);
    mark_changed_unless_loading();
}

void DirectorTab::on_director_strategy_external_radioButton_clicked(bool checked)
{
    if (checked)
        set_director_widgets(0, true);
}
void DirectorTab::on_director_strategy_external_radioButton_clicked() { mark_changed(); }

void DirectorTab::on_director_strategy_interior_radioButton_clicked(bool checked)
{
    if (checked)
        set_director_widgets(1, true);
}
void DirectorTab::on_director_strategy_interior_radioButton_clicked() { mark_changed(); }

void DirectorTab::on_director_command_type_hex_radioButton_clicked(bool checked)
{
    if (checked)
        set_director_command_validator(1);
}
void DirectorTab::on_director_command_type_hex_radioButton_clicked() { mark_changed(); }

void DirectorTab::on_director_command_type_ascii_radioButton_clicked(bool checked)
{
    if (checked)
        set_director_command_validator(2);
}
void DirectorTab::on_director_command_type_ascii_radioButton_clicked() { mark_changed(); }
