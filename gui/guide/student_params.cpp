#include "guide/student_params.h"

#include "core/wait.h"
#include "guide/student_area_step.h"
#include "guide/tracking_test.h"
#include "net/wizard_link.h"
#include "protocol/wizard_blocks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

namespace {

using camera_slot::Slot;

// The page's controls settle before the block is built.
constexpr int kSaveSettleMs = 200;
// The camera takes a block before the next request.
constexpr int kAfterSaveMs = 50;

} // namespace

StudentParams::StudentParams(const Widgets &widgets, WizardLink &link, const StudentAreaStep &area,
                             const Guide_Data_Update_Manage &addresses, const TrackingTest &tracking)
    : ui(widgets), m_link(link), m_area(area), m_addresses(addresses), m_tracking(tracking)
{
    QLabel *label = ui.student_target_lost_timeout_label;
    connect(ui.student_target_lost_timeout_Slider, &QSlider::sliderMoved, label,
            [label](int v) { label->setText(QString::number(v)); });
    connect(ui.student_target_lost_timeout_Slider, &QSlider::valueChanged, this, [this, label](int v) {
        label->setText(QString::number(v));
        mark_changed();
    });
    // The flags first: a control that also saves finds its change marked.
    for (QComboBox *list : {ui.student_target_lost_action_comboBox, ui.student_multi_objective_action_comboBox})
        connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &StudentParams::mark_changed);
    connect(ui.student_feature_continue_time_label, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &StudentParams::mark_changed);
    for (QCheckBox *box : {ui.student_starting_up_checkBox, ui.student_pano_switch_checkBox,
                           ui.student_face_detect_checkBox})
        connect(box, &QCheckBox::stateChanged, this, &StudentParams::mark_changed);

    for (QComboBox *list : {ui.student_target_lost_action_comboBox, ui.student_multi_objective_action_comboBox})
        connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &StudentParams::slot_save_student_params);
    connect(ui.student_target_lost_timeout_Slider, &QSlider::sliderReleased, this,
            &StudentParams::slot_save_student_params);
    connect(ui.student_feature_continue_time_label, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &StudentParams::slot_save_student_params);
    for (QCheckBox *box : {ui.student_starting_up_checkBox, ui.student_pano_switch_checkBox,
                           ui.student_face_detect_checkBox})
        connect(box, &QCheckBox::clicked, this, &StudentParams::slot_save_student_params);
}

StudentSection StudentParams::section() const
{
    StudentSection s;
    s.losing_object_strategy = ui.student_target_lost_action_comboBox->currentIndex();
    s.time_delay = {ui.student_target_lost_timeout_label->text(), ui.student_target_lost_timeout_Slider->value()};
    s.multi_object_strategy = ui.student_multi_objective_action_comboBox->currentIndex();
    s.feature_continue_max_time = ui.student_feature_continue_time_label->value();
    s.auto_tracking = ui.student_starting_up_checkBox->isChecked();
    s.face_detect = ui.student_face_detect_checkBox->isChecked();
    s.pano_switch = ui.student_pano_switch_checkBox->isChecked();
    s.shield_enabled = m_area.shield_boxes();
    return s;
}

void StudentParams::student_apply()
{
    QHostAddress *destination = m_link.destination(Slot::StudentPano);
    if (!m_link.connected(Slot::StudentPano) || !destination) {
        qDebug() << "Please connect the camera";
        return;
    }
    qDebug() << "Str:" << ui.student_feature_continue_time_label->text();
    const QString block = wizard_blocks::student_block(section(), m_addresses.student_feature_ip, m_area.block_area());
    qDebug().noquote() << "student_apply:" << block;
    emit student_request_sent();
    m_link.sendMsg_Net(destination, WizardLink::kTrackingPort, block, false);
}

void StudentParams::saveStudentParams()
{
    if (m_tracking.tracking_shown(camera_slot::Side::Student) || !student_params_changed)
        return;
    qDebug() << "GuideConfig::saveStudentParams";
    student_params_changed = false;
    student_apply();
    wait_ms(kAfterSaveMs);
}

void StudentParams::slot_save_student_params()
{
    if (m_showing_reply)
        return; // the reply's own save follows once the page shows all of it
    qDebug() << "GuideConfig::slot_save_student_params()";
    wait_ms(kSaveSettleMs);
    saveStudentParams();
}

void StudentParams::show_reply(const wizard_reply::StudentKeys &k)
{
    m_showing_reply = true;
    if (k.losing_object_strategy)
        ui.student_target_lost_action_comboBox->setCurrentIndex(*k.losing_object_strategy);
    if (k.time_delay) {
        // The slider first: its value change writes its number into the label.
        ui.student_target_lost_timeout_Slider->setValue(k.time_delay->number);
        ui.student_target_lost_timeout_label->setText(k.time_delay->text);
    }
    if (k.multi_object_strategy)
        ui.student_multi_objective_action_comboBox->setCurrentIndex(*k.multi_object_strategy);
    if (k.feature_continue_max_time)
        ui.student_feature_continue_time_label->setValue(*k.feature_continue_max_time);
    const std::pair<QCheckBox *, std::optional<bool>> boxes[] = {
        {ui.student_starting_up_checkBox, k.auto_tracking},
        {ui.student_face_detect_checkBox, k.face_detect},
        {ui.student_pano_switch_checkBox, k.pano_switch},
    };
    for (const auto &[box, on] : boxes) {
        if (on)
            box->setChecked(*on);
    }
    m_showing_reply = false;
}

void StudentParams::set_options_enabled(bool on)
{
    for (QWidget *control : std::initializer_list<QWidget *>{
             ui.student_target_lost_action_comboBox, ui.student_target_lost_timeout_Slider,
             ui.student_multi_objective_action_comboBox, ui.student_feature_continue_time_label,
             ui.student_starting_up_checkBox, ui.student_pano_switch_checkBox, ui.student_face_detect_checkBox})
        control->setEnabled(on);
}

void StudentParams::store_options(StudentSection &s) const
{
    s.feature_continue_max_time = ui.student_feature_continue_time_label->value();
    s.face_detect = ui.student_face_detect_checkBox->isChecked();
}

void StudentParams::show_options(const StudentSection &s)
{
    const bool changed = student_params_changed;
    m_showing_reply = true;
    ui.student_feature_continue_time_label->setValue(s.feature_continue_max_time);
    ui.student_face_detect_checkBox->setChecked(s.face_detect);
    m_showing_reply = false;
    student_params_changed = changed;
}
