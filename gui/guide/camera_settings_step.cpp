#include "guide/camera_settings_step.h"

#include "core/reachability.h"
#include "model/guide_state.h"
#include "net/wizard_link.h"
#include "protocol/camera_address.h"
#include "seams/message_box.h"
#include "settings/input_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr Slot kFieldOrder[] = {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature,
                                Slot::StudentPano,    Slot::BoardFeature, Slot::BoardPano};
} // namespace

CameraSettingsStep::CameraSettingsStep(const Widgets &widgets, GuideState &state, WizardLink &link, QWidget *window)
    : w(widgets)
    , m_state(state)
    , m_link(link)
    , m_window(window)
{
    init_input_validators();
    for (Slot camera : kFieldOrder) {
        QLineEdit *edit = field(camera);
        connect(edit, &QLineEdit::textChanged, this, [this, camera](const QString &text) { address_edited(camera, text); });
        m_link.set_address_field(camera, edit->text());
    }
    connect(w.teacher_choose_camera_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CameraSettingsStep::on_teacher_choose_camera_comboBox_currentIndexChanged);
    w.teacher_director_ip_widget->hide();
}

QLineEdit *CameraSettingsStep::field(Slot camera) const
{
    switch (camera) {
    case Slot::TeacherFeature:
        return w.teacher_feature_ip_lineEdit;
    case Slot::TeacherPano:
        return w.teacher_pano_ip_lineEdit;
    case Slot::StudentFeature:
        return w.student_feature_ip_lineEdit;
    case Slot::StudentPano:
        return w.student_pano_ip_lineEdit;
    case Slot::BoardFeature:
        return w.teacher_board_ip_lineEdit;
    case Slot::BoardPano:
        break;
    }
    return w.teacher_board_2_ip_lineEdit;
}

int CameraSettingsStep::layout() const { return w.teacher_choose_camera_comboBox->currentIndex(); }

QStringList CameraSettingsStep::addresses() const
{
    QStringList out;
    for (Slot camera : kFieldOrder)
        out << field(camera)->text();
    return out;
}

void CameraSettingsStep::set_addresses(const QStringList &addresses)
{
    for (int i = 0; i < camera_slot::kSlotCount; ++i)
        field(kFieldOrder[i])->setText(addresses.value(i));
}

void CameraSettingsStep::init_input_validators()
{
    const QRegularExpression address(input::camera_field_pattern());
    for (QLineEdit *edit : {w.teacher_feature_ip_lineEdit, w.student_feature_ip_lineEdit, w.teacher_pano_ip_lineEdit,
                            w.student_pano_ip_lineEdit, w.teacher_board_ip_lineEdit})
        edit->setValidator(new QRegularExpressionValidator(address, m_window));
}

void CameraSettingsStep::apply_layout(int layout)
{
    w.teacher_choose_camera_comboBox->setCurrentIndex(layout);
    if (w.teacher_choose_camera_comboBox->currentIndex() == layout)
        on_teacher_choose_camera_comboBox_currentIndexChanged(layout);
}

void CameraSettingsStep::on_teacher_choose_camera_comboBox_currentIndexChanged(int index)
{
    qDebug() << "Widget:on_choose_camera_currentIndexChanged:" << index;
    m_state.current_number_camera = index;
    static const char *const kLogs[] = {"2 camera:", "4 camera:", "5 camera:", "6 camera:"};
    const int branch = index == 0 || index == 1 || index == 2 ? index : 3;
    qDebug() << kLogs[branch];
    const bool two = branch == 0;
    w.teacher_feature_label->setText(two ? tr("TeacherIP") : tr("Teacher Feature IP"));
    w.student_feature_label->setText(two ? tr("StudentIP") : tr("Student Feature IP"));
    w.teacher_pano_ip_widget->setVisible(!two);
    w.student_pano_ip_widget->setVisible(!two);
    w.teacher_board_ip_widget->setVisible(branch >= 2);
    w.teacher_director_ip_widget->setVisible(branch == 3);
    m_link.set_layout(index);
    emit layout_chosen(index);
    m_state.isFirstClick = true;
    update_teacher_option_boxes();
}

void CameraSettingsStep::update_teacher_option_boxes()
{
    const bool enabled = m_state.teacher_run_state == GuideState::kStopped && m_state.current_number_camera != 0;
    w.teacher_manual_focus_groupBox->setEnabled(enabled);
    w.teacher_lost_action_time_groupBox->setEnabled(enabled);
}

void CameraSettingsStep::update_teacher_speed_box()
{
    w.teacher_ptz_speed_level_groupBox->setEnabled(m_state.teacher_run_state == GuideState::kStopped);
}

void CameraSettingsStep::address_edited(Slot camera, const QString &text)
{
    m_link.set_address_field(camera, text);
    const bool two = m_state.current_number_camera == 0;
    switch (camera) {
    case Slot::TeacherFeature:
    case Slot::StudentFeature:
        if (two)
            emit pano_address_edited(camera_slot::side(camera));
        break;
    case Slot::TeacherPano:
    case Slot::StudentPano:
        if (!two)
            emit pano_address_edited(camera_slot::side(camera));
        break;
    case Slot::BoardFeature:
    case Slot::BoardPano:
        m_state.isFirstClick = true;
        break;
    }
}

bool CameraSettingsStep::check(const QString &text)
{
    return input::is_dotted_address(camera_address::address_part(text));
}

bool CameraSettingsStep::verifyHostOnLine(const QString &address)
{
    return reachability::isReachable(address);
}

bool CameraSettingsStep::checkAddress(const QString &text)
{
    const QString address = camera_address::address_part(text);
    qDebug() << "GuideConfig::checkAddress" << address;
    QString problem;
    if (address.isEmpty())
        problem = tr("It is detected that all input boxes are empty!");
    else if (!check(address))
        problem = tr("Network information error detected!");
    else if (!verifyHostOnLine(address))
        problem = tr("The input IP timeout is detected, and the connection may fail!");
    if (problem.isEmpty())
        return true;
    msgbox::warning(m_window, tr("Warning"), problem);
    return false;
}
