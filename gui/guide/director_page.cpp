#include "guide/director_page.h"


#include "core/wait.h"
#include "net/wizard_link.h"
#include "protocol/wizard_blocks.h"
#include "settings/input_rules.h"
#include "seams/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScopeGuard>
#include <QStackedWidget>

namespace {

using camera_slot::Slot;
namespace dp = director_parameters;
using dp::Field;

// The camera takes one director block before the other side's goes out.
constexpr int kAfterDirectorMs = 300;
// Command types 1 and 2; any other has no rule.
const char *const kCodePatterns[3] = {"", "[a-fA-F0-9 ]+$", "[a-zA-Z0-9 ]+$"};

struct Code {
    QCheckBox *box;
    QLineEdit *edit;
};

struct Codes {
    std::array<Code, 5> teacher;
    std::array<Code, 4> student;
    std::array<Code, 2> board;
    std::array<Code, 5> interior;
    std::array<Code, 2> blackboard;
};

Codes codes_of(const DirectorPage::Widgets &ui)
{
    return {{{{ui.director_external_teacher_on_the_platform_checkBox, ui.director_external_teacher_on_the_platform_lineEdit},
              {ui.director_external_teacher_still_checkBox, ui.director_external_teacher_still_lineEdit},
              {ui.director_external_teacher_moving_checkBox, ui.director_external_teacher_moving_lineEdit},
              {ui.director_external_teacher_under_the_platform_checkBox,
               ui.director_external_teacher_under_the_platform_lineEdit},
              {ui.director_external_teacher_multi_objective_checkBox, ui.director_external_teacher_multi_objective_lineEdit}}},
            {{{ui.director_external_student_stood_up_checkBox, ui.director_external_student_stood_up_lineEdit},
              {ui.director_external_student_feature_in_place_checkBox, ui.director_external_student_feature_in_place_lineEdit},
              {ui.director_external_student_sat_down_checkBox, ui.director_external_student_sat_down_lineEdit},
              {ui.director_external_student_multi_objective_checkBox, ui.director_external_student_multi_objective_lineEdit}}},
            {{{ui.director_external_board_have_action_checkBox, ui.director_external_board_have_action_lineEdit},
              {ui.director_external_board_none_action_checkBox, ui.director_external_board_none_action_lineEdit}}},
            {{{ui.director_interior_teacher_feature_checkBox, ui.director_interior_teacher_feature_lineEdit},
              {ui.director_interior_teacher_pano_checkBox, ui.director_interior_teacher_pano_lineEdit},
              {ui.director_interior_student_feature_checkBox, ui.director_interior_student_feature_lineEdit},
              {ui.director_interior_student_pano_checkBox, ui.director_interior_student_pano_lineEdit},
              {ui.director_interior_board_blackboard_checkBox, ui.director_interior_board_blackboard_lineEdit}}},
            {{{ui.director_interior_board_blackboard_checkBox_2, ui.director_interior_board_blackboard_lineEdit_2},
              {ui.director_interior_board_blackboard_checkBox_3, ui.director_interior_board_blackboard_lineEdit_3}}}};
}

template <size_t N>
void read_codes(const std::array<Code, N> &codes, std::array<CodeSwitch, N> &values)
{
    for (size_t i = 0; i < N; ++i)
        values[i] = {codes[i].box->isChecked(), codes[i].edit->text()};
}

template <size_t N>
void show_boxes(const std::array<Code, N> &codes, const std::array<CodeSwitch, N> &values)
{
    for (size_t i = 0; i < N; ++i)
        codes[i].box->setChecked(values[i].on);
}

template <size_t N>
std::vector<QCheckBox *> boxes_of(const std::array<Code, N> &codes)
{
    std::vector<QCheckBox *> out;
    for (const Code &c : codes)
        out.push_back(c.box);
    return out;
}

} // namespace

DirectorPage::DirectorPage(const Widgets &widgets, WizardLink &link, const Guide_Data_Update_Manage &addresses,
                           const QStackedWidget &pages, QWidget *window)
    : ui(widgets), m_link(link), m_addresses(addresses), m_pages(pages), m_window(window)
{
    for (int type = 0; type < 3; ++type)
        m_validators[type] = new QRegularExpressionValidator(QRegularExpression(QLatin1String(kCodePatterns[type])), this);
    ui.director_server_IP_Edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(input::director_server_pattern()), this));
    ui.director_server_Port_Edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(input::nonzero_port_pattern()), this));
    ui.director_strategy_stackedWidget->setCurrentIndex(0);
    connect(ui.director_strategy_comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DirectorPage::on_director_strategy_comboBox_currentIndexChanged);

    // The flags first: a control that also saves finds its change marked.
    QVector<QLineEdit *> edits = code_fields();
    edits << ui.director_server_IP_Edit << ui.director_server_Port_Edit;
    for (QLineEdit *edit : edits)
        connect(edit, &QLineEdit::textChanged, this, &DirectorPage::mark_changed);
    for (QComboBox *list : {ui.director_protocol_comboBox, ui.director_command_type_comboBox,
                            ui.director_code_send_mode_comboBox, ui.director_strategy_comboBox})
        connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DirectorPage::mark_changed);
    const Codes codes = codes_of(ui);
    std::vector<QCheckBox *> boxes;
    for (const auto &group : {boxes_of(codes.teacher), boxes_of(codes.student), boxes_of(codes.board),
                              boxes_of(codes.interior), boxes_of(codes.blackboard)})
        boxes.insert(boxes.end(), group.begin(), group.end());
    for (QCheckBox *box : boxes) {
        if (box == ui.director_external_teacher_on_the_platform_checkBox)
            connect(box, &QCheckBox::pressed, this, [this] {
                mark_changed();
                qDebug() << "GuideConfig::platform_checkBox_pressed---------";
            });
        else
            connect(box, &QCheckBox::stateChanged, this, &DirectorPage::mark_changed);
    }

    for (QLineEdit *edit : edits)
        connect(edit, &QLineEdit::textChanged, this, &DirectorPage::slot_director);
    for (QComboBox *list : {ui.director_protocol_comboBox, ui.director_command_type_comboBox,
                            ui.director_code_send_mode_comboBox, ui.director_strategy_comboBox})
        connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DirectorPage::slot_director);
    for (QCheckBox *box : boxes)
        connect(box, &QCheckBox::clicked, this, &DirectorPage::slot_director);
}

void DirectorPage::on_director_strategy_comboBox_currentIndexChanged(int index)
{
    if (index == 0 || index == 1)
        ui.director_strategy_stackedWidget->setCurrentIndex(index);
}

void DirectorPage::set_layout(int layout)
{
    const bool six = layout == 3;
    const std::pair<QWidget *, QCheckBox *> rows[] = {
        {ui.director_interior_board_blackboard_widget1, ui.director_interior_board_blackboard_checkBox},
        {ui.director_interior_board_blackboard_widget2, ui.director_interior_board_blackboard_checkBox_2},
        {ui.director_interior_board_blackboard_widget3, ui.director_interior_board_blackboard_checkBox_3},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        const bool shown = (i == 0) != six;
        rows[i].first->setVisible(shown);
        rows[i].second->setChecked(shown);
    }
}

QVector<QLineEdit *> DirectorPage::code_fields() const
{
    QVector<QLineEdit *> fields{ui.director_switch_auto_lineEdit, ui.director_switch_manual_lineEdit};
    const Codes c = codes_of(ui);
    for (const Code &code : c.teacher)
        fields << code.edit;
    for (const Code &code : c.student)
        fields << code.edit;
    for (const Code &code : c.board)
        fields << code.edit;
    for (const Code &code : c.interior)
        fields << code.edit;
    for (const Code &code : c.blackboard)
        fields << code.edit;
    return fields;
}

DirectorSection DirectorPage::section() const
{
    DirectorSection s;
    s.communicate_mode = ui.director_protocol_comboBox->currentIndex();
    s.command_mode = ui.director_command_type_comboBox->currentIndex();
    s.broadcast_ip = ui.director_server_IP_Edit->text();
    s.broadcast_port = ui.director_server_Port_Edit->text();
    s.switch_auto = ui.director_switch_auto_lineEdit->text();
    s.switch_manual = ui.director_switch_manual_lineEdit->text();
    s.command_times = ui.director_code_send_mode_comboBox->currentIndex();
    s.strategy = ui.director_strategy_comboBox->currentIndex() == 0 ? 0 : 1;
    const Codes c = codes_of(ui);
    read_codes(c.teacher, s.teacher);
    read_codes(c.student, s.student);
    read_codes(c.board, s.board);
    read_codes(c.interior, s.interior);
    read_codes(c.blackboard, s.blackboard);
    return s;
}

void DirectorPage::director_apply()
{
    qDebug() << "GuideConfig::saveDirectorParams------------------";
    if (m_pages.currentIndex() != kDirectorPage)
        return;
    qDebug() << "GuideConfig::saveDirectorParams";
    const QString block = wizard_blocks::director_block(section(), m_addresses);
    if (m_sends++ == 0)
        emit sending(true);
    const auto ended = qScopeGuard([this] {
        if (--m_sends == 0)
            emit sending(false);
    });
    struct SideSend {
        Slot pano;
        const char *routing;
        const char *refusal;
        const char *log;
        void (DirectorPageSignals::*sent)();
    };
    const SideSend sides[] = {
        {Slot::TeacherPano, parameter_block::kTeacherSection, QT_TR_NOOP("Please connect the teacher pano camera"),
         "Teacher Send_buff:", &DirectorPageSignals::teacher_request_sent},
        {Slot::StudentPano, parameter_block::kStudentSection, QT_TR_NOOP("Please connect the student pano camera"),
         "Student Send_buff:", &DirectorPageSignals::student_request_sent},
    };
    for (const SideSend &side : sides) {
        if (!m_link.connected(side.pano)) {
            // Without the teacher side the student side is not tried either.
            msgbox::warning(m_window, tr("Warning"), tr(side.refusal));
            return;
        }
        const QString text = dp::routed(QLatin1String(side.routing), block);
        emit(this->*side.sent)();
        if (QHostAddress *destination = m_link.destination(side.pano)) {
            qDebug().noquote() << side.log << text;
            m_link.sendMsg_Net(destination, WizardLink::kTrackingPort, text, false);
        }
        wait_ms(kAfterDirectorMs);
    }
}

void DirectorPage::slot_director()
{
    qDebug() << "GuideConfig::slot_director-----------";
    if (!director_params_changed)
        return;
    director_params_changed = false;
    director_apply();
}

void DirectorPage::set_director_command_validator(int type)
{
    QRegularExpressionValidator *validator = m_validators[type == 1 || type == 2 ? type : 0];
    for (QLineEdit *edit : code_fields())
        edit->setValidator(validator);
}

void DirectorPage::show_reply(const QVector<dp::ReadItem> &items)
{
    for (const dp::ReadItem &item : items) {
        DirectorSection values = section();
        if (dp::take(values, item))
            show_field(values, item.field);
        if (item.field == Field::CommandMode && (item.value == QLatin1String("0") || item.value == QLatin1String("1")))
            set_director_command_validator(item.value == QLatin1String("0") ? 1 : 2);
        qDebug().noquote() << dp::row(item.field).log_label << item.value;
    }
}

void DirectorPage::show_field(const DirectorSection &v, Field field)
{
    const Codes c = codes_of(ui);
    switch (field) {
    case Field::CommunicateMode: ui.director_protocol_comboBox->setCurrentIndex(v.communicate_mode); break;
    case Field::CommandMode: ui.director_command_type_comboBox->setCurrentIndex(v.command_mode); break;
    case Field::BroadcastIp: ui.director_server_IP_Edit->setText(v.broadcast_ip); break;
    case Field::BroadcastPort: ui.director_server_Port_Edit->setText(v.broadcast_port); break;
    case Field::SwitchAuto: ui.director_switch_auto_lineEdit->setText(v.switch_auto); break;
    case Field::SwitchManual: ui.director_switch_manual_lineEdit->setText(v.switch_manual); break;
    case Field::CommandTimes: ui.director_code_send_mode_comboBox->setCurrentIndex(v.command_times); break;
    case Field::Strategy: ui.director_strategy_comboBox->setCurrentIndex(v.strategy); break;
    case Field::TeacherEnable: show_boxes(c.teacher, v.teacher); break;
    case Field::StudentEnable: show_boxes(c.student, v.student); break;
    case Field::BlackboardEnable: show_boxes(c.board, v.board); break;
    case Field::InnerEnable: show_boxes(c.interior, v.interior); break;
    case Field::BlackboardDirectorEnable: show_boxes(c.blackboard, v.blackboard); break;
    case Field::TeacherWalkUpPlatform:
    case Field::TeacherKeepStand:
    case Field::TeacherWalkMoving:
    case Field::TeacherWalkDownPlatform:
    case Field::TeacherHaveObjectMulti: {
        const size_t i = size_t(int(field) - int(Field::TeacherWalkUpPlatform));
        c.teacher[i].edit->setText(v.teacher[i].code);
        break;
    }
    case Field::StudentStandUp:
    case Field::StudentKeepStand:
    case Field::StudentSitDown:
    case Field::StudentHaveObjectMulti: {
        const size_t i = size_t(int(field) - int(Field::StudentStandUp));
        c.student[i].edit->setText(v.student[i].code);
        break;
    }
    case Field::BlackboardHaveObjectTracked: c.board[0].edit->setText(v.board[0].code); break;
    case Field::BlackboardNoneObjectTracked: c.board[1].edit->setText(v.board[1].code); break;
    case Field::InnerTeacherFeature:
    case Field::InnerTeacherPano:
    case Field::InnerStudentFeature:
    case Field::InnerStudentPano:
    case Field::InnerBlackboardFeature: {
        const size_t i = size_t(int(field) - int(Field::InnerTeacherFeature));
        c.interior[i].edit->setText(v.interior[i].code);
        break;
    }
    case Field::Blackboard1Feature: c.blackboard[0].edit->setText(v.blackboard[0].code); break;
    case Field::Blackboard2Feature: c.blackboard[1].edit->setText(v.blackboard[1].code); break;
    default: break; // the addresses, port, baud rate, intervals and minimum switch time are not the page's
    }
}
