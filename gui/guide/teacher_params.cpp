#include "guide/teacher_params.h"

#include "core/wait.h"
#include "guide/teacher_region_step.h"
#include "guide/tracking_test.h"
#include "guide/tracking_mode_step.h"
#include "net/wizard_link.h"
#include "protocol/teacher_parameters.h"
#include "protocol/wizard_blocks.h"
#include "protocol/wizard_commands.h"
#include "seams/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QHostAddress>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

using camera_slot::Slot;

// The page's controls settle (a slider's release, a list's change) before the block is built.
constexpr int kSaveSettleMs = 200;
// The camera takes a block before the next request.
constexpr int kAfterSaveMs = 50;

void show_slider(QSlider *slider, QLabel *label, const std::optional<wizard_reply::SliderValue> &v)
{
    if (!v)
        return;
    // The slider first: its own value change writes its number into the label, which then
    // shows the reply's text as it came (a text that is no number included).
    slider->setValue(v->number);
    label->setText(v->text);
}

void check(QCheckBox *box, const std::optional<bool> &on)
{
    if (on)
        box->setChecked(*on);
}

} // namespace

TeacherParams::TeacherParams(const Widgets &widgets, WizardLink &link, const TrackingModeStep &mode,
                             TeacherRegionStep &regions, const Guide_Data_Update_Manage &addresses,
                             const TrackingTest &tracking, QWidget *window)
    : ui(widgets), m_link(link), m_mode(mode), m_regions(regions), m_addresses(addresses),
      m_tracking(tracking), m_window(window)
{
    connect(ui.teacher_camera_config_pushButton, &QPushButton::clicked, this,
            &TeacherParams::on_teacher_camera_config_pushButton_clicked);
    // The flags first: a control that also saves finds its change marked.
    wire_labels();
    wire_saves();
}

void TeacherParams::wire_labels()
{
    const auto label_follows = [this](QSlider *slider, QLabel *label) {
        connect(slider, &QSlider::sliderMoved, label, [label](int v) { label->setText(QString::number(v)); });
        connect(slider, &QSlider::valueChanged, label, [label](int v) { label->setText(QString::number(v)); });
        // Only the release marks the change: a value changed by the keyboard or the wheel goes
        // with the next save caused by something else.
        connect(slider, &QSlider::sliderReleased, this, &TeacherParams::mark_changed);
    };
    label_follows(ui.teacher_target_lost_timeout_Slider, ui.teacher_target_lost_timeout_label);
    label_follows(ui.teacher_ptzspeed_level_Slider, ui.teacher_ptzspeed_level_label);
    label_follows(ui.teacher_board_detect_Slider, ui.teacher_board_detect_label);
    label_follows(ui.teacher_board_hold_Slider, ui.teacher_board_hold_label);
    connect(ui.teacher_ptzspeed_level_Slider, &QSlider::valueChanged, this, [this](int v) {
        m_pan_speed = m_tilt_speed = wizard_commands::speed_level(v);
        emit pad_speeds_changed(m_pan_speed, m_tilt_speed);
    });
    for (QComboBox *list : {ui.target_lost_action_comboBox, ui.multi_objective_action_comboBox})
        connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &TeacherParams::mark_changed);
    for (QCheckBox *box : {ui.teacher_starting_up_checkBox, ui.teacher_manual_focus_checkBox,
                           ui.teacher_vertical_movement_checkBox, ui.teacher_board_enable_checkBox})
        connect(box, &QCheckBox::stateChanged, this, &TeacherParams::mark_changed);
}

void TeacherParams::wire_saves()
{
    for (QCheckBox *box : {ui.teacher_starting_up_checkBox, ui.teacher_manual_focus_checkBox,
                           ui.teacher_vertical_movement_checkBox, ui.teacher_board_enable_checkBox})
        connect(box, &QCheckBox::clicked, this, &TeacherParams::slot_save_teacher_params);
    for (QComboBox *list : {ui.multi_objective_action_comboBox, ui.target_lost_action_comboBox})
        connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &TeacherParams::slot_save_teacher_params);
    for (QSlider *slider : {ui.teacher_target_lost_timeout_Slider, ui.teacher_ptzspeed_level_Slider,
                            ui.teacher_board_detect_Slider, ui.teacher_board_hold_Slider})
        connect(slider, &QSlider::sliderReleased, this, &TeacherParams::slot_save_teacher_params);
}

TeacherSection TeacherParams::section() const
{
    TeacherSection s;
    s.losing_object_strategy = ui.target_lost_action_comboBox->currentIndex();
    s.multi_object_strategy = ui.multi_objective_action_comboBox->currentIndex();
    s.tracking_mode = m_mode.mode_code();
    // The label's number; a reply's text that is none goes as where the slider stands.
    bool numeric = false;
    const int delay = ui.teacher_target_lost_timeout_label->text().toInt(&numeric);
    s.time_to_pano_delay = numeric ? delay : ui.teacher_target_lost_timeout_Slider->value();
    s.ptzspeed_level = ui.teacher_ptzspeed_level_label->text();
    s.board_detect_enable = ui.teacher_board_enable_checkBox->isChecked();
    s.board_detect_time = {ui.teacher_board_detect_label->text(), ui.teacher_board_detect_Slider->value()};
    s.board_continue_time = {ui.teacher_board_hold_label->text(), ui.teacher_board_hold_Slider->value()};
    s.auto_tracking = ui.teacher_starting_up_checkBox->isChecked();
    s.manual_focus = ui.teacher_manual_focus_checkBox->isChecked();
    s.auto_tilt = ui.teacher_vertical_movement_checkBox->isChecked();
    return s;
}

void TeacherParams::teacher_apply()
{
    QHostAddress *destination = m_link.destination(Slot::TeacherPano);
    const bool connected = m_link.connected(Slot::TeacherPano);
    qDebug() << "GuideConfig::teacher_apply()  udp_teacher_pano_flag:" << connected << ",teacher_panoDest:"
             << (destination ? destination->toString() : QString());
    if (!connected || !destination)
        return;
    const teacher_region_keys::ApplyRegions regions = m_regions.collected_apply_regions();
    qDebug() << "GuideConfig::teacher_apply:" << m_addresses.teacher_feature_ip;
    if (regions.tracking_known) {
        const region_geometry::RegionRect c = region_geometry::scene_to_camera(regions.tracking);
        qDebug().noquote() << QString::asprintf(
            "GuideConfig::[1]teacher_tracking_region: start_x= %d,start_y= %d,end_x= %d,end_y= %d", c.x, c.y, c.w, c.h);
    } else {
        qDebug().noquote() << "GuideConfig::[0]teacher_tracking_region: start_x= 20,start_y= 80,end_x= 610,end_y= 80";
    }
    const QString block = wizard_blocks::teacher_block(section(), m_addresses.teacher_feature_ip, regions);
    emit teacher_request_sent();
    m_link.sendMsg_Net(destination, WizardLink::kTrackingPort, block, false);
}

void TeacherParams::board_apply()
{
    if (!m_link.connected(Slot::TeacherPano)) {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the teacher pano camera"));
        return;
    }
    emit teacher_request_sent();
    // Without a destination the link logs and sends nothing.
    m_link.sendMsg_Net(m_link.destination(Slot::TeacherPano), WizardLink::kTrackingPort,
                       wizard_blocks::board_block(m_addresses), false);
}

void TeacherParams::saveTeacherParams()
{
    if (m_tracking.tracking_shown(camera_slot::Side::Teacher) || !teacher_params_changed)
        return;
    qDebug() << "GuideConfig::saveTeacherParams";
    teacher_params_changed = false;
    teacher_apply();
    wait_ms(kAfterSaveMs);
}

void TeacherParams::slot_save_teacher_params()
{
    if (m_showing_reply)
        return; // the reply's own save follows once the page shows all of it
    qDebug() << "GuideConfig::slot_save_teacher_params()";
    wait_ms(kSaveSettleMs);
    saveTeacherParams();
}

void TeacherParams::on_teacher_camera_config_pushButton_clicked()
{
    ui.teacher_camera_config_pushButton->setChecked(false);
    if (!m_link.connected(Slot::TeacherPano)) {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    emit teacher_request_sent();
    m_regions.show_on_next_reply();
    m_link.sendMsg_Net(m_link.destination(Slot::TeacherPano), WizardLink::kTrackingPort,
                       teacher_parameters::obtain_block(), false);
    m_regions.clear_region_scene();
    teacher_params_changed = true;
    qDebug() << "GuideConfig::on_teacher_camera_config_pushButton_clicked:";
}

void TeacherParams::show_reply(const wizard_reply::TeacherKeys &k)
{
    m_showing_reply = true;
    if (k.losing_object_strategy)
        ui.target_lost_action_comboBox->setCurrentIndex(*k.losing_object_strategy);
    if (k.multi_object_strategy)
        ui.multi_objective_action_comboBox->setCurrentIndex(*k.multi_object_strategy);
    show_slider(ui.teacher_target_lost_timeout_Slider, ui.teacher_target_lost_timeout_label, k.time_to_pano_delay);
    show_slider(ui.teacher_board_detect_Slider, ui.teacher_board_detect_label, k.board_detect_time);
    show_slider(ui.teacher_board_hold_Slider, ui.teacher_board_hold_label, k.board_continue_time);
    check(ui.teacher_board_enable_checkBox, k.board_detect_enable);
    check(ui.teacher_starting_up_checkBox, k.auto_tracking);
    check(ui.teacher_manual_focus_checkBox, k.manual_focus);
    check(ui.teacher_vertical_movement_checkBox, k.auto_tilt);
    show_slider(ui.teacher_ptzspeed_level_Slider, ui.teacher_ptzspeed_level_label, k.ptzspeed_level);
    m_showing_reply = false;
}

void TeacherParams::set_options_enabled(bool on)
{
    for (QWidget *control : std::initializer_list<QWidget *>{
             ui.target_lost_action_comboBox, ui.teacher_target_lost_timeout_Slider, ui.multi_objective_action_comboBox,
             ui.teacher_starting_up_checkBox, ui.teacher_vertical_movement_checkBox, ui.teacher_board_enable_checkBox,
             ui.teacher_board_detect_Slider, ui.teacher_board_hold_Slider})
        control->setEnabled(on);
}

void TeacherParams::store_options(TeacherSection &t) const
{
    t.losing_object_strategy = ui.target_lost_action_comboBox->currentIndex();
    t.target_lost_timeout_index = ui.teacher_target_lost_timeout_Slider->value();
    t.time_to_pano_delay = ui.teacher_target_lost_timeout_label->text().toInt();
    t.multi_object_strategy = ui.multi_objective_action_comboBox->currentIndex();
    t.auto_tracking = ui.teacher_starting_up_checkBox->isChecked();
    t.manual_focus = ui.teacher_manual_focus_checkBox->isChecked();
    t.auto_tilt = ui.teacher_vertical_movement_checkBox->isChecked();
    t.board_detect_enable = ui.teacher_board_enable_checkBox->isChecked();
    t.board_detect_time = {ui.teacher_board_detect_label->text(), ui.teacher_board_detect_Slider->value()};
    t.board_continue_time = {ui.teacher_board_hold_label->text(), ui.teacher_board_hold_Slider->value()};
}

void TeacherParams::show_options(const TeacherSection &t)
{
    const bool changed = teacher_params_changed;
    m_showing_reply = true;
    ui.target_lost_action_comboBox->setCurrentIndex(t.losing_object_strategy);
    ui.teacher_target_lost_timeout_Slider->setValue(t.target_lost_timeout_index);
    ui.teacher_target_lost_timeout_label->setText(QString::number(t.time_to_pano_delay));
    ui.multi_objective_action_comboBox->setCurrentIndex(t.multi_object_strategy);
    ui.teacher_starting_up_checkBox->setChecked(t.auto_tracking);
    ui.teacher_manual_focus_checkBox->setChecked(t.manual_focus);
    ui.teacher_vertical_movement_checkBox->setChecked(t.auto_tilt);
    ui.teacher_board_enable_checkBox->setChecked(t.board_detect_enable);
    ui.teacher_board_detect_Slider->setValue(t.board_detect_time.position);
    ui.teacher_board_detect_label->setText(t.board_detect_time.text);
    ui.teacher_board_hold_Slider->setValue(t.board_continue_time.position);
    ui.teacher_board_hold_label->setText(t.board_continue_time.text);
    m_showing_reply = false;
    teacher_params_changed = changed;
}

void TeacherParams::set_get_request_enabled(bool on) { ui.teacher_camera_config_pushButton->setEnabled(on); }
