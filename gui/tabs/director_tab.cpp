#include "tabs/director_tab.h"

#include "core/wait.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/camera_address.h"
#include "protocol/parameter_block.h"
#include "seams/message_box.h"
#include "settings/input_rules.h"
#include "support/apply_mark.h"
#include "support/value_widgets.h"
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
using namespace value_widgets;

namespace {

// The student side's block leaves after the teacher side's, so that the two cameras are not
// written at the same moment.
constexpr int kStudentApplyDelayMs = 300;
constexpr int kStudentObtainDelayMs = 800;
// The teacher side's answer, late on a loaded machine, is waited for up to this before the student
// side's block leaves anyway (the poller fails an unanswered request at 5.5 s).
constexpr int kTeacherAnswerBoundMs = 2000;
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
void set_codes(const CodeWidgets (&widgets)[N], const std::array<CodeSwitch, N> &codes)
{
    for (size_t i = 0; i < N; ++i) {
        widgets[i].box->setChecked(codes[i].on);
        widgets[i].code->setText(codes[i].code);
    }
}

} // namespace

DirectorTab::DirectorTab(const Widgets &widgets, DirectorSection &values, const CameraSlots &cameras,
                         const CameraPorts &ports, ControlLink &link, const WindowChoices &choices,
                         const TeacherSection &teacher, const StudentSection &student, const bool &loading_config,
                         QWidget *window)
    : ui(widgets)
    , m_values(values)
    , m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_choices(choices)
    , m_teacher(teacher)
    , m_student(student)
    , m_loading_config(loading_config)
    , m_window(window)
{
    keep_values();
    ui.director_server_Port_Edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(input::port_number_pattern()), m_window));
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
    // The board camera's address is not typed by hand.
    ui.director_board_IP_Edit->hide();
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
    DirectorSection sent = m_values;
    // The tab's own blackboard camera field is never filled, and an empty address would clear
    // the one the wizard gave both pano cameras: the Board 1 camera's address goes instead.
    if (sent.blackboard_camera_ip.isEmpty())
        sent.blackboard_camera_ip = camera_address::address_part(m_slots[Slot::BoardFeature].field_text);
    return sent;
}

void DirectorTab::keep_values()
{
    keep_text(this, ui.director_teacher_IP_Edit, m_values.teacher_pano_ip);
    keep_text(this, ui.director_student_IP_Edit, m_values.student_pano_ip);
    keep_text(this, ui.director_board_IP_Edit, m_values.blackboard_camera_ip);
    keep_text(this, ui.director_camera_Port_Edit, m_values.pano_port);
    keep_text(this, ui.director_camera_Baudrate_Edit, m_values.uart_baud);
    keep_checked_index(this,
                       {ui.director_protocol_udp_radioButton, ui.director_protocol_tcp_radioButton,
                        ui.director_protocol_serial_radioButton},
                       m_values.communicate_mode);
    keep_checked_index(this, {ui.director_command_type_hex_radioButton, ui.director_command_type_ascii_radioButton},
                       m_values.command_mode);
    keep_text(this, ui.director_server_IP_Edit, m_values.broadcast_ip);
    keep_text(this, ui.director_server_Port_Edit, m_values.broadcast_port);
    keep_text(this, ui.director_switch_auto_lineEdit, m_values.switch_auto);
    keep_text(this, ui.director_switch_manual_lineEdit, m_values.switch_manual);
    keep_checked_index(this,
                       {ui.director_code_send_mode_single_radioButton, ui.director_code_send_mode_triple_radioButton,
                        ui.director_code_send_mode_continuously_radioButton},
                       m_values.command_times);
    keep_checked_index(this, {ui.director_strategy_external_radioButton, ui.director_strategy_interior_radioButton},
                       m_values.strategy);
    const Groups g = groups_of(ui);
    const auto keep_codes = [this](const CodeWidgets *widgets, CodeSwitch *codes, int count) {
        for (int i = 0; i < count; ++i) {
            keep_checked(this, widgets[i].box, codes[i].on);
            keep_text(this, widgets[i].code, codes[i].code);
        }
    };
    keep_codes(g.teacher, m_values.teacher.data(), 5);
    keep_codes(g.student, m_values.student.data(), 4);
    keep_codes(g.board, m_values.board.data(), 2);
    keep_codes(g.interior, m_values.interior.data(), 5);
    keep_codes(g.blackboard, m_values.blackboard.data(), 2);
    keep_value(this, ui.director_keep_interval_label, m_values.keep_interval);
    keep_value(this, ui.director_moving_interval_label, m_values.moving_interval);
    keep_value(this, ui.director_multi_interval_label, m_values.multi_interval);
    // The form's label and slider as they start; the slider's slots keep them from here on.
    m_values.min_switch_time = {ui.director_interior_min_switch_time_label->text(),
                                ui.director_interior_min_switch_time_Slider->value()};
}

void DirectorTab::show_applied() { ui.director_apply_Button->setText(tr("Apply")); }

void DirectorTab::on_director_apply_Button_clicked()
{
    const QString block =
        director_parameters::set_block(director_settings(), m_choices.camera_layout == kSixCameraLayout);

    const bool teacherSent = m_slots[Slot::TeacherPano].udp_flag;
    const int answersBefore = m_echoes[size_t(request_poller::Kind::TeacherApply)];
    if (teacherSent) {
        emit request_armed(request_poller::Kind::TeacherApply, false);
        m_link.sendMsg_Net(m_slots[Slot::TeacherPano].destination, m_ports.udp_port(Side::Teacher),
                           director_parameters::routed(QLatin1String(parameter_block::kTeacherSection), block), false);
        ui.director_apply_Button->setText(tr("Apply"));
    } else {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the teacher pano camera"));
    }

    wait_ms_until(kStudentApplyDelayMs, kTeacherAnswerBoundMs, [&] {
        return !teacherSent || m_echoes[size_t(request_poller::Kind::TeacherApply)] != answersBefore;
    });

    if (m_slots[Slot::StudentPano].udp_flag) {
        emit request_armed(request_poller::Kind::StudentApply, false);
        m_link.sendMsg_Net(m_slots[Slot::StudentPano].destination, m_ports.udp_port(Side::Student),
                           director_parameters::routed(QLatin1String(parameter_block::kStudentSection), block), false);
        ui.director_apply_Button->setText(tr("Apply"));
    } else {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the student pano camera"));
    }
}

void DirectorTab::on_director_obtain_Button_clicked()
{
    const bool teacherSent = m_slots[Slot::TeacherPano].udp_flag;
    const int answersBefore = m_echoes[size_t(request_poller::Kind::TeacherObtain)];
    if (teacherSent) {
        const QString text = director_parameters::obtain_block(QLatin1String(parameter_block::kTeacherSection));
        qDebug().noquote() << text;
        m_link.sendMsg_Net(m_slots[Slot::TeacherPano].destination, m_ports.udp_port(Side::Teacher), text, false);
        emit request_armed(request_poller::Kind::TeacherObtain, false);
    } else {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the teacher pano camera"));
    }

    if (m_slots[Slot::StudentPano].udp_flag) {
        wait_ms_until(kStudentObtainDelayMs, kTeacherAnswerBoundMs, [&] {
            return !teacherSent || m_echoes[size_t(request_poller::Kind::TeacherObtain)] != answersBefore;
        });
        m_link.sendMsg_Net(m_slots[Slot::StudentPano].destination, m_ports.udp_port(Side::Student),
                           director_parameters::obtain_block(QLatin1String(parameter_block::kStudentSection)), false);
        emit request_armed(request_poller::Kind::StudentObtain, false);
    } else {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the student pano camera"));
    }
}

void DirectorTab::request_echoed(request_poller::Kind kind) { ++m_echoes[size_t(kind)]; }

void DirectorTab::read_director_section(const QString &text)
{
    for (const director_parameters::ReadItem &item : director_parameters::read_answer(text)) {
        qDebug().noquote() << director_parameters::row(item.field).log_label << item.value;
        if (director_parameters::take(m_values, item))
            show_director_value(item.field);
    }
}

void DirectorTab::show_director_value(Field field)
{
    const Groups g = groups_of(ui);
    const auto show_codes = [](const CodeWidgets *widgets, CodeSwitch *codes, int count, bool boxes) {
        for (int i = 0; i < count; ++i) {
            if (boxes)
                widgets[i].box->setChecked(codes[i].on);
            else
                show_text(widgets[i].code, codes[i].code);
        }
    };
    switch (field) {
    case Field::TeacherPanoIp:
    case Field::StudentPanoIp:
    case Field::BlackboardCameraIp:
        // Sent, never read back.
        return;
    case Field::PanoPort: show_text(ui.director_camera_Port_Edit, m_values.pano_port); return;
    case Field::UartBaud: show_text(ui.director_camera_Baudrate_Edit, m_values.uart_baud); return;
    case Field::BroadcastIp: show_text(ui.director_server_IP_Edit, m_values.broadcast_ip); return;
    case Field::BroadcastPort: show_text(ui.director_server_Port_Edit, m_values.broadcast_port); return;
    case Field::SwitchAuto: show_text(ui.director_switch_auto_lineEdit, m_values.switch_auto); return;
    case Field::SwitchManual: show_text(ui.director_switch_manual_lineEdit, m_values.switch_manual); return;
    case Field::TeacherWalkUpPlatform: show_codes(&g.teacher[0], &m_values.teacher[0], 1, false); return;
    case Field::TeacherKeepStand: show_codes(&g.teacher[1], &m_values.teacher[1], 1, false); return;
    case Field::TeacherWalkMoving: show_codes(&g.teacher[2], &m_values.teacher[2], 1, false); return;
    case Field::TeacherWalkDownPlatform: show_codes(&g.teacher[3], &m_values.teacher[3], 1, false); return;
    case Field::TeacherHaveObjectMulti: show_codes(&g.teacher[4], &m_values.teacher[4], 1, false); return;
    case Field::StudentStandUp: show_codes(&g.student[0], &m_values.student[0], 1, false); return;
    case Field::StudentKeepStand: show_codes(&g.student[1], &m_values.student[1], 1, false); return;
    case Field::StudentSitDown: show_codes(&g.student[2], &m_values.student[2], 1, false); return;
    case Field::StudentHaveObjectMulti: show_codes(&g.student[3], &m_values.student[3], 1, false); return;
    case Field::BlackboardHaveObjectTracked: show_codes(&g.board[0], &m_values.board[0], 1, false); return;
    case Field::BlackboardNoneObjectTracked: show_codes(&g.board[1], &m_values.board[1], 1, false); return;
    case Field::InnerTeacherFeature: show_codes(&g.interior[0], &m_values.interior[0], 1, false); return;
    case Field::InnerTeacherPano: show_codes(&g.interior[1], &m_values.interior[1], 1, false); return;
    case Field::InnerStudentFeature: show_codes(&g.interior[2], &m_values.interior[2], 1, false); return;
    case Field::InnerStudentPano: show_codes(&g.interior[3], &m_values.interior[3], 1, false); return;
    case Field::InnerBlackboardFeature: show_codes(&g.interior[4], &m_values.interior[4], 1, false); return;
    case Field::Blackboard1Feature: show_codes(&g.blackboard[0], &m_values.blackboard[0], 1, false); return;
    case Field::Blackboard2Feature: show_codes(&g.blackboard[1], &m_values.blackboard[1], 1, false); return;
    case Field::CommunicateMode:
        show_checked_index({ui.director_protocol_udp_radioButton, ui.director_protocol_tcp_radioButton,
                            ui.director_protocol_serial_radioButton},
                           m_values.communicate_mode);
        return;
    case Field::CommandMode: {
        const int mode = m_values.command_mode;
        show_checked_index({ui.director_command_type_hex_radioButton, ui.director_command_type_ascii_radioButton},
                           mode);
        set_director_command_validator(mode + 1);
        return;
    }
    case Field::CommandTimes:
        show_checked_index({ui.director_code_send_mode_single_radioButton,
                            ui.director_code_send_mode_triple_radioButton,
                            ui.director_code_send_mode_continuously_radioButton},
                           m_values.command_times);
        return;
    case Field::Strategy: {
        const int strategy = m_values.strategy;
        show_checked_index({ui.director_strategy_external_radioButton, ui.director_strategy_interior_radioButton},
                           strategy);
        qDebug() << (strategy == 0 ? "外部导播" : "内部导播");
        set_director_widgets(strategy, true);
        return;
    }
    case Field::KeepInterval: show_value(ui.director_keep_interval_label, m_values.keep_interval); return;
    case Field::MovingInterval: show_value(ui.director_moving_interval_label, m_values.moving_interval); return;
    case Field::MultiInterval: show_value(ui.director_multi_interval_label, m_values.multi_interval); return;
    case Field::TeacherEnable: show_codes(g.teacher, m_values.teacher.data(), 5, true); return;
    case Field::StudentEnable: show_codes(g.student, m_values.student.data(), 4, true); return;
    case Field::BlackboardEnable: show_codes(g.board, m_values.board.data(), 2, true); return;
    case Field::InnerEnable: show_codes(g.interior, m_values.interior.data(), 5, true); return;
    case Field::BlackboardDirectorEnable: show_codes(g.blackboard, m_values.blackboard.data(), 2, true); return;
    case Field::MinSwitchTime:
        show_slider(m_values.min_switch_time, ui.director_interior_min_switch_time_label,
                    ui.director_interior_min_switch_time_Slider);
        return;
    }
}

void DirectorTab::show_stored(bool command_type_named, bool strategy_named)
{
    // In the order of the settings file's rows. Checking a radio button from here runs none of
    // its clicked slots: the validator and the strategy's enabling follow a named choice here.
    show_checked_index({ui.director_protocol_udp_radioButton, ui.director_protocol_tcp_radioButton,
                        ui.director_protocol_serial_radioButton},
                       m_values.communicate_mode);
    show_checked_index({ui.director_command_type_hex_radioButton, ui.director_command_type_ascii_radioButton},
                       m_values.command_mode);
    if (command_type_named)
        set_director_command_validator(m_values.command_mode + 1);
    show_text(ui.director_server_IP_Edit, m_values.broadcast_ip);
    show_text(ui.director_server_Port_Edit, m_values.broadcast_port);
    show_text(ui.director_switch_auto_lineEdit, m_values.switch_auto);
    show_text(ui.director_switch_manual_lineEdit, m_values.switch_manual);
    show_checked_index({ui.director_code_send_mode_single_radioButton, ui.director_code_send_mode_triple_radioButton,
                        ui.director_code_send_mode_continuously_radioButton},
                       m_values.command_times);
    show_checked_index({ui.director_strategy_external_radioButton, ui.director_strategy_interior_radioButton},
                       m_values.strategy);
    if (strategy_named)
        set_director_widgets(m_values.strategy, true);
    const QVector<CodeWidgets> codes = codes_of(groups_of(ui));
    const auto code_switch = [this](int i) -> CodeSwitch & {
        if (i < 5)
            return m_values.teacher[size_t(i)];
        if ((i -= 5) < 4)
            return m_values.student[size_t(i)];
        if ((i -= 4) < 2)
            return m_values.board[size_t(i)];
        if ((i -= 2) < 5)
            return m_values.interior[size_t(i)];
        return m_values.blackboard[size_t(i - 5)];
    };
    // The blackboard rows (the last three) come boxes first, then codes.
    constexpr int kFirstBlackboard = 15;
    for (int i = 0; i < kFirstBlackboard; ++i) {
        codes[i].box->setChecked(code_switch(i).on);
        show_text(codes[i].code, code_switch(i).code);
    }
    for (int i = kFirstBlackboard; i < codes.size(); ++i)
        codes[i].box->setChecked(code_switch(i).on);
    for (int i = kFirstBlackboard; i < codes.size(); ++i)
        show_text(codes[i].code, code_switch(i).code);
    show_slider(m_values.min_switch_time, ui.director_interior_min_switch_time_label,
                ui.director_interior_min_switch_time_Slider);
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
    m_values.min_switch_time = d.min_switch_time;
    show_slider(m_values.min_switch_time, ui.director_interior_min_switch_time_label,
                ui.director_interior_min_switch_time_Slider);
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
    if (m_teacher.customer_model || m_student.customer_model) {
        ui.director_interior_board_blackboard_checkBox->setEnabled(false);
        ui.director_interior_board_blackboard_lineEdit->setEnabled(false);
    }
}

void DirectorTab::pano_address_known(Side side, const QString &address)
{
    (side == Side::Teacher ? ui.director_teacher_IP_Edit : ui.director_student_IP_Edit)->setText(address);
}

void DirectorTab::pano_camera_released(Side side)
{
    if (side == Side::Teacher)
        ui.director_teacher_IP_Edit->clear();
    else if (side == Side::Student)
        ui.director_student_IP_Edit->clear();
}

void DirectorTab::board_pano_released() { ui.director_board_IP_Edit->clear(); }

void DirectorTab::disable_board_controls()
{
    for (QWidget *w : std::initializer_list<QWidget *>{ui.director_strategy_external_radioButton,
                                                       ui.director_interior_board_blackboard_checkBox,
                                                       ui.director_interior_board_blackboard_lineEdit})
        w->setEnabled(false);
}

void DirectorTab::show_board_view(bool two_boards)
{
    // The interior director sends one blackboard code for one board camera, and a code per
    // board for two.
    ui.director_interior_board_blackboard_checkBox->setVisible(!two_boards);
    ui.director_interior_board_blackboard_lineEdit->setVisible(!two_boards);
    ui.director_interior_board_blackboard_checkBox->setChecked(!two_boards);
    for (QWidget *w : std::initializer_list<QWidget *>{ui.director_interior_board_blackboard_checkBox_2,
                                                       ui.director_interior_board_blackboard_lineEdit_2,
                                                       ui.director_interior_board_blackboard_checkBox_3,
                                                       ui.director_interior_board_blackboard_lineEdit_3})
        w->setVisible(two_boards);
    ui.director_interior_board_blackboard_checkBox_2->setChecked(two_boards);
    ui.director_interior_board_blackboard_checkBox_3->setChecked(two_boards);
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
    m_values.min_switch_time.text = slider_text::number_text(value);
    ui.director_interior_min_switch_time_label->setText(m_values.min_switch_time.text);
}

void DirectorTab::on_director_interior_min_switch_time_Slider_valueChanged(int value)
{
    m_values.min_switch_time.position = value;
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
