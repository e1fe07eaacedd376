#include "tabs/teacher_tab.h"

#include "core/wait.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/camera_address.h"
#include "protocol/ptz_commands.h"
#include "protocol/reply_values.h"
#include "protocol/teacher_parameters.h"
#include "protocol/tracking_command.h"
#include "protocol/tracking_modes.h"
#include "seams/message_box.h"
#include "model/slider_text.h"
#include "support/apply_mark.h"
#include "support/radio_choice.h"
#include "support/value_widgets.h"
#include "tabs/lectern_mode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>

#include <initializer_list>

using camera_slot::Side;
using camera_slot::Slot;
namespace tp = teacher_parameters;
using namespace value_widgets;

namespace {
constexpr int kObtainReplyWaitMs = 500; // the block's answer usually comes within this wait
// A late answer is waited for up to this, so that the focus inquiry follows it on the wire and in
// the log; a camera that has not answered by then counts as silent (the poller fails it at 5.5 s).
constexpr int kObtainReplyBoundMs = 2000;
constexpr int kFocusReplyWaitMs = 800;  // and the focus-mode answer within this one
constexpr int kLecternPostWaitMs = 500; // the server settings reach the camera before the area
} // namespace

TeacherTab::TeacherTab(const Widgets &widgets, TeacherSection &values, const CameraSlots &cameras,
                       const CameraPorts &ports, const portforward::Fields &port_fields, const WindowChoices &choices,
                       ControlLink &link, LecternMode &lectern, TeacherRegions &regions,
                       const CalibrationView &calibration, int &cur_track_status, const bool &loading_config,
                       QWidget *window)
    : ui(widgets)
    , m_values(values)
    , m_slots(cameras)
    , m_ports(ports)
    , m_port_fields(port_fields)
    , m_choices(choices)
    , m_link(link)
    , m_lectern(lectern)
    , m_regions(regions)
    , m_calibration(calibration)
    , m_loading_config(loading_config)
    , m_window(window)
    , m_side(Side::Teacher, {ui.teacher_config_comboBox, ui.teacher_obtain_Button, ui.teacher_apply_Button}, cameras,
             ports, link, cur_track_status, *this, window)
{
    keep_values();
    using T = TeacherTab;
    connect(ui.teacher_apply_Button, &QPushButton::clicked, this, &T::on_teacher_apply_Button_clicked);
    connect(ui.teacher_obtain_Button, &QPushButton::clicked, this, &T::on_teacher_obtain_Button_clicked);
    connect(ui.teacher_none_action_radioButton, &QAbstractButton::clicked, this,
            &T::on_teacher_none_action_radioButton_clicked);
    connect(ui.teacher_pano_action_radioButton, &QAbstractButton::clicked, this,
            &T::on_teacher_pano_action_radioButton_clicked);
    connect(ui.teacher_platform_action_radioButton, &QAbstractButton::clicked, this,
            &T::on_teacher_platform_action_radioButton_clicked);
    connect(ui.teacher_student_pano_action_radioButton, &QAbstractButton::clicked, this,
            &T::on_teacher_student_pano_action_radioButton_clicked);
    connect(ui.teacher_starting_up_checkBox, &QAbstractButton::clicked, this,
            &T::on_teacher_starting_up_checkBox_clicked);
    connect(ui.teacher_manual_focus_checkBox, &QAbstractButton::clicked, this,
            &T::on_teacher_manual_focus_checkBox_clicked);
    connect(ui.teacher_vertical_movement_checkBox, &QAbstractButton::clicked, this,
            &T::on_teacher_vertical_movement_checkBox_clicked);
    connect(ui.teacher_feature_tracking_checkBox, &QAbstractButton::clicked, this,
            &T::on_teacher_feature_tracking_checkBox_clicked);
    connect(ui.teacher_board_enable_checkBox, &QAbstractButton::clicked, this,
            &T::on_teacher_board_enable_checkBox_clicked);
    connect(ui.teacher_board_face_enable_checkBox, &QAbstractButton::clicked, this,
            &T::on_teacher_board_face_enable_checkBox_clicked);
    connect(ui.teacher_board_hand_enable_checkBox, &QAbstractButton::clicked, this,
            &T::on_teacher_board_hand_enable_checkBox_clicked);
    connect(ui.teacher_sensitivity_Slider, &QSlider::sliderPressed, this,
            &T::on_teacher_sensitivity_Slider_sliderPressed);
    connect(ui.teacher_fea_distance_Slider, &QSlider::sliderPressed, this,
            &T::on_teacher_fea_distance_Slider_sliderPressed);
    connect(ui.teacher_distance_Slider, &QSlider::sliderPressed, this, &T::on_teacher_distance_Slider_sliderPressed);
    connect(ui.teacher_panOffset_Slider, &QSlider::sliderPressed, this, &T::on_teacher_panOffset_Slider_sliderPressed);
    connect(ui.teacher_tiltOffset_Slider, &QSlider::sliderPressed, this,
            &T::on_teacher_tiltOffset_Slider_sliderPressed);
    connect(ui.teacher_board_detect_Slider, &QSlider::sliderPressed, this,
            &T::on_teacher_board_detect_Slider_sliderPressed);
    connect(ui.teacher_board_hold_Slider, &QSlider::sliderPressed, this,
            &T::on_teacher_board_hold_Slider_sliderPressed);
    connect(ui.teacher_board_lose_Slider, &QSlider::sliderPressed, this,
            &T::on_teacher_board_lose_Slider_sliderPressed);
    connect(ui.teacher_board_space_Slider, &QSlider::sliderPressed, this,
            &T::on_teacher_board_space_Slider_sliderPressed);
    connect(ui.teacher_board_effect_list, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &T::on_teacher_board_effect_list_currentIndexChanged);
    connect(ui.teacher_startTrack_Button, &QPushButton::clicked, this, &T::on_teacher_startTrack_Button_clicked);
    connect(ui.teacher_stopTrack_Button, &QPushButton::clicked, this, &T::on_teacher_stopTrack_Button_clicked);
    connect(ui.teacher_config_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &T::on_teacher_config_comboBox_currentIndexChanged);
    connect(ui.teacher_config_comboBox, qOverload<int>(&QComboBox::activated), this,
            &T::on_teacher_config_comboBox_activated);
    connect(ui.teacher_pano_auto_mode_Button, &QPushButton::clicked, this,
            &T::on_teacher_pano_auto_mode_Button_clicked);
    connect(ui.teacher_pano_manual_mode_Button, &QPushButton::clicked, this,
            &T::on_teacher_pano_manual_mode_Button_clicked);
    connect(ui.other_mode_radioButton, &QRadioButton::clicked, this, &T::on_other_mode_radioButton_clicked);
    connect(ui.follow_mode_radioButton, &QRadioButton::clicked, this, &T::on_follow_mode_radioButton_clicked);
    connect(ui.binocular_mode_radioButton, &QRadioButton::clicked, this, &T::on_binocular_mode_radioButton_clicked);
    connect(ui.mixed_mode_radioButton, &QRadioButton::clicked, this, &T::on_mixed_mode_radioButton_clicked);
    connect(ui.board_pano_mode_radioButton, &QRadioButton::clicked, this, &T::on_board_pano_mode_radioButton_clicked);
    connect(ui.lectern_mode_radioButton, &QRadioButton::clicked, this, &T::on_lectern_mode_radioButton_clicked);
    connect(ui.teacher_preset_list, qOverload<const QString &>(&QComboBox::currentIndexChanged), this,
            &T::on_teacher_preset_list_currentIndexChanged);
    connect(ui.teacher_default_Button, &QPushButton::clicked, this, &T::on_teacher_default_Button_clicked);
    connect(ui.teacher_sensitivity_Slider, &QSlider::sliderMoved, this, &T::on_teacher_sensitivity_Slider_sliderMoved);
    connect(ui.teacher_sensitivity_Slider, &QSlider::valueChanged, this,
            &T::on_teacher_sensitivity_Slider_valueChanged);
    connect(ui.teacher_fea_distance_Slider, &QSlider::sliderMoved, this,
            &T::on_teacher_fea_distance_Slider_sliderMoved);
    connect(ui.teacher_fea_distance_Slider, &QSlider::valueChanged, this,
            &T::on_teacher_fea_distance_Slider_valueChanged);
    connect(ui.teacher_distance_Slider, &QSlider::sliderMoved, this, &T::on_teacher_distance_Slider_sliderMoved);
    connect(ui.teacher_distance_Slider, &QSlider::valueChanged, this, &T::on_teacher_distance_Slider_valueChanged);
    connect(ui.teacher_panOffset_Slider, &QSlider::sliderMoved, this, &T::on_teacher_panOffset_Slider_sliderMoved);
    connect(ui.teacher_panOffset_Slider, &QSlider::valueChanged, this, &T::on_teacher_panOffset_Slider_valueChanged);
    connect(ui.teacher_tiltOffset_Slider, &QSlider::sliderMoved, this, &T::on_teacher_tiltOffset_Slider_sliderMoved);
    connect(ui.teacher_tiltOffset_Slider, &QSlider::valueChanged, this, &T::on_teacher_tiltOffset_Slider_valueChanged);
    connect(ui.teacher_board_detect_Slider, &QSlider::sliderMoved, this,
            &T::on_teacher_board_detect_Slider_sliderMoved);
    connect(ui.teacher_board_detect_Slider, &QSlider::valueChanged, this,
            &T::on_teacher_board_detect_Slider_valueChanged);
    connect(ui.teacher_board_hold_Slider, &QSlider::sliderMoved, this, &T::on_teacher_board_hold_Slider_sliderMoved);
    connect(ui.teacher_board_hold_Slider, &QSlider::valueChanged, this, &T::on_teacher_board_hold_Slider_valueChanged);
    connect(ui.teacher_board_lose_Slider, &QSlider::sliderMoved, this, &T::on_teacher_board_lose_Slider_sliderMoved);
    connect(ui.teacher_board_lose_Slider, &QSlider::valueChanged, this, &T::on_teacher_board_lose_Slider_valueChanged);
    connect(ui.teacher_board_space_Slider, &QSlider::sliderMoved, this, &T::on_teacher_board_space_Slider_sliderMoved);
    connect(ui.teacher_board_space_Slider, &QSlider::valueChanged, this,
            &T::on_teacher_board_space_Slider_valueChanged);
    connect(ui.teacher_hold_time_label, qOverload<int>(&QSpinBox::valueChanged), this,
            &T::on_teacher_hold_time_label_valueChanged);
    connect(ui.teacher_target_lost_delay_label, qOverload<int>(&QSpinBox::valueChanged), this,
            &T::on_teacher_target_lost_delay_label_valueChanged);

    // Out of view until a model offers them, or never offered; of the calibration pages the
    // reversal compensation's and the focus mode's are not offered (the panorama cameras focus by
    // themselves). The lectern mode's director server stays read-only.
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui.teacher_board_hand_enable_checkBox, ui.label_persontrack, ui.teacher_feature_persontrack_comboBox,
             ui.teacher_board_effect_list, ui.lectern_mode_radioButton, ui.teacher_board_lose_Slider,
             ui.teacher_board_lose_label, ui.teacher_board_space_Slider, ui.teacher_board_space_label})
        w->hide();
    ui.tabWidget_3->removeTab(ui.tabWidget_3->indexOf(ui.tab_5));
    ui.tabWidget_3->removeTab(ui.tabWidget_3->indexOf(ui.tab_18));
    ui.teacher_pano_auto_mode_Button->setChecked(true);
    ui.groupBox_36->setEnabled(false);
}

void TeacherTab::keep_values()
{
    const struct {
        SliderText &value;
        QLabel *label;
        QSlider *slider;
    } sliders[] = {
        {m_values.pano_sensitivity, ui.teacher_sensitivity_label, ui.teacher_sensitivity_Slider},
        {m_values.feature_distance, ui.teacher_fea_distance_label, ui.teacher_fea_distance_Slider},
        {m_values.pano_distance, ui.teacher_distance_label, ui.teacher_distance_Slider},
        {m_values.pano_pan_offset, ui.teacher_panOffset_label, ui.teacher_panOffset_Slider},
        {m_values.pano_tilt_offset, ui.teacher_tiltOffset_label, ui.teacher_tiltOffset_Slider},
        {m_values.board_detect_time, ui.teacher_board_detect_label, ui.teacher_board_detect_Slider},
        {m_values.board_continue_time, ui.teacher_board_hold_label, ui.teacher_board_hold_Slider},
        {m_values.board_lose_time, ui.teacher_board_lose_label, ui.teacher_board_lose_Slider},
        {m_values.board_face_interval_time, ui.teacher_board_space_label, ui.teacher_board_space_Slider},
    };
    // The form's labels and sliders as they start; their slots keep them from here on.
    for (const auto &row : sliders)
        row.value = {row.label->text(), row.slider->value()};
    keep_checked_index(this,
                       {ui.teacher_none_action_radioButton, ui.teacher_pano_action_radioButton,
                        ui.teacher_platform_action_radioButton, ui.teacher_student_pano_action_radioButton},
                       m_values.losing_object_strategy);
    keep_checked_index(this, {ui.teacher_feature_location_radioButton, ui.teacher_return_pano_action_radioButton},
                       m_values.multi_object_strategy);
    keep_checked_index(this,
                       {ui.other_mode_radioButton, ui.follow_mode_radioButton, ui.binocular_mode_radioButton,
                        ui.mixed_mode_radioButton, ui.board_pano_mode_radioButton, ui.lectern_mode_radioButton},
                       m_values.tracking_mode);
    keep_value(this, ui.teacher_target_lost_delay_label, m_values.time_to_pano_delay);
    keep_value(this, ui.teacher_hold_time_label, m_values.time_lost_delay);
    // The pads drive at the level's speed; the field takes "10", one digit, or nothing while typing.
    connect(ui.teacher_ptzspeed_level, &QLineEdit::textChanged, this, [](const QString &text) {
        qDebug() << "MainWindow::teacher ptzspeed level = " << ptz_commands::speed_level(text);
    });
    ui.teacher_ptzspeed_level->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(ptz_commands::kSpeedLevelPattern)),
                                        m_window));
    keep_text(this, ui.teacher_ptzspeed_level, m_values.ptzspeed_level);
    keep_checked(this, ui.teacher_board_enable_checkBox, m_values.board_detect_enable);
    keep_checked(this, ui.teacher_board_face_enable_checkBox, m_values.board_face_enable);
    keep_checked(this, ui.teacher_board_hand_enable_checkBox, m_values.board_hand_enable);
    keep_checked(this, ui.teacher_starting_up_checkBox, m_values.auto_tracking);
    keep_index(this, ui.teacher_feature_persontrack_comboBox, m_values.feature_persontrack);
    keep_checked(this, ui.teacher_manual_focus_checkBox, m_values.manual_focus);
    keep_checked(this, ui.teacher_vertical_movement_checkBox, m_values.auto_tilt);
    keep_index(this, ui.teacher_board_effect_list, m_values.boardsnap_entry);
    keep_checked(this, ui.teacher_feature_tracking_checkBox, m_values.feature_realtime_track);
    keep_index(this, ui.teacher_preset_list, m_values.preset_index);
    m_values.feature_version = ui.teacher_version_feature_info_label->text();
    m_values.pano_version = ui.teacher_version_pano_info_label->text();
}

void TeacherTab::mark_changed() { mark_apply(ui.teacher_apply_Button); }

void TeacherTab::pad_slowed(Side side, bool slow)
{
    if (side == Side::Teacher)
        ui.teacher_ptzspeed_level->setText(QString::number(slow ? 1 : teacher_ptzspeed_value));
}

void TeacherTab::show_side_applied(Side side)
{
    if (side == Side::Teacher)
        show_applied();
}

void TeacherTab::enable_board_effect(bool enable) { ui.teacher_board_effect_list->setEnabled(enable); }

void TeacherTab::mark_side_changed(Side side)
{
    if (side == Side::Teacher)
        mark_changed();
}

void TeacherTab::show_applied() { ui.teacher_apply_Button->setText(tr("Apply")); }

void TeacherTab::enable_group_controls(int camera, bool enable)
{
    if (camera != 0)
        return;
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui.teacher_sensitivity_Slider, ui.teacher_sensitivity_label, ui.teacher_fea_distance_Slider,
             ui.teacher_fea_distance_label, ui.teacher_distance_Slider, ui.teacher_distance_label,
             ui.teacher_panOffset_Slider, ui.teacher_panOffset_label, ui.teacher_tiltOffset_Slider,
             ui.teacher_tiltOffset_label, ui.teacher_feature_persontrack_comboBox, ui.teacher_none_action_radioButton,
             ui.teacher_pano_action_radioButton, ui.teacher_platform_action_radioButton,
             ui.teacher_student_pano_action_radioButton, ui.teacher_target_lost_delay_label,
             ui.teacher_hold_time_label, ui.label_99, ui.label_56, ui.label_93, ui.teacher_ptzspeed_level,
             ui.teacher_board_enable_checkBox, ui.teacher_board_face_enable_checkBox,
             ui.teacher_board_hand_enable_checkBox, ui.teacher_board_detect_Slider, ui.teacher_board_detect_label,
             ui.teacher_board_hold_Slider, ui.teacher_board_hold_label, ui.teacher_board_lose_Slider,
             ui.teacher_board_lose_label})
        w->setEnabled(enable);
    ui.teacher_board_space_Slider->setEnabled(false);
    ui.teacher_board_space_label->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui.teacher_starting_up_checkBox, ui.teacher_manual_focus_checkBox, ui.teacher_vertical_movement_checkBox,
             ui.teacher_feature_tracking_checkBox, ui.teacher_obtain_Button, ui.teacher_apply_Button,
             ui.teacher_default_Button, ui.teacher_startTrack_Button, ui.teacher_feature_location_radioButton,
             ui.teacher_return_pano_action_radioButton, ui.binocular_mode_radioButton, ui.follow_mode_radioButton,
             ui.mixed_mode_radioButton, ui.board_pano_mode_radioButton, ui.other_mode_radioButton,
             ui.lectern_mode_radioButton, ui.teacher_board_effect_list})
        w->setEnabled(enable);
}

void TeacherTab::follow_layout(int layout)
{
    // The calibration pages only make sense on an R6 close-up camera then.
    const bool two = layout == 0;
    const CameraSlotRecord &feature = m_slots[Slot::TeacherFeature];
    ui.teacher_basic_settings_widget->setEnabled(!two);
    ui.tabWidget_3->setEnabled(!two || (feature.device_model == QLatin1String("R6") && feature.udp_flag));
    ui.teacher_manual_focus_checkBox->setEnabled(!two);
    ui.teacher_target_list_action_delay_widget->setEnabled(!two);
}

void TeacherTab::feature_camera_released(Side side)
{
    if (side != Side::Teacher)
        return;
    for (QWidget *w : std::initializer_list<QWidget *>{ui.label_persontrack, ui.teacher_feature_persontrack_comboBox,
                                                       ui.teacher_board_hand_enable_checkBox})
        w->hide();
    ui.tabWidget_3->setTabEnabled(1, false);
}

void TeacherTab::feature_model_known(Side side, const QString &model)
{
    if (side != Side::Teacher)
        return;
    if (model == QLatin1String("J57")) {
        ui.tabWidget_3->setTabEnabled(1, true);
        ui.label_persontrack->show();
        ui.teacher_feature_persontrack_comboBox->show();
    } else if (model == QLatin1String("R6")) {
        ui.tabWidget_3->setEnabled(true);
    } else if (model == QLatin1String("M19")) {
        ui.lectern_mode_radioButton->show();
        ui.tabWidget_3->setTabEnabled(1, true);
    } else if (model == QLatin1String("M5")) {
        ui.teacher_board_hand_enable_checkBox->show();
    }
}

void TeacherTab::focus_mode_reported(Side side, bool manual)
{
    if (side == Side::Teacher)
        (manual ? ui.teacher_pano_manual_mode_Button : ui.teacher_pano_auto_mode_Button)->setChecked(true);
}

void TeacherTab::preset_target_known()
{
    if (m_slots[Slot::TeacherFeature].udp_flag)
        on_teacher_preset_list_currentIndexChanged(ui.teacher_preset_list->currentText());
}

void TeacherTab::pano_camera_released(Side side)
{
    if (side != Side::Teacher)
        return;
    m_values.feature_version.clear();
    m_values.pano_version.clear();
    ui.teacher_version_feature_info_label->clear();
    ui.teacher_version_pano_info_label->clear();
}

void TeacherTab::teacher_cameras_gone()
{
    ui.lectern_mode_radioButton->hide();
    ui.teacher_board_effect_list->hide();
    ui.mode_stackedWidget->setCurrentIndex(0);
}

void TeacherTab::side_track_check(Side side, bool enable)
{
    if (side == Side::Teacher)
        teacher_track_check(enable);
}

void TeacherTab::show_unused_controls(bool shown)
{
    ui.teacher_feature_tracking_checkBox->setVisible(shown);
    ui.board_pano_mode_radioButton->setVisible(shown);
}

// ---- marks: any change on the tab says it has not been applied yet ----


void TeacherTab::on_teacher_none_action_radioButton_clicked() { mark_changed(); }
void TeacherTab::on_teacher_pano_action_radioButton_clicked() { mark_changed(); }
void TeacherTab::on_teacher_platform_action_radioButton_clicked() { mark_changed(); }
void TeacherTab::on_teacher_student_pano_action_radioButton_clicked() { mark_changed(); }
void TeacherTab::on_teacher_starting_up_checkBox_clicked() { mark_changed(); }
void TeacherTab::on_teacher_manual_focus_checkBox_clicked() { mark_changed(); }
void TeacherTab::on_teacher_vertical_movement_checkBox_clicked() { mark_changed(); }
void TeacherTab::on_teacher_feature_tracking_checkBox_clicked() { mark_changed(); }
void TeacherTab::on_teacher_board_enable_checkBox_clicked() { mark_changed(); }
void TeacherTab::on_teacher_board_face_enable_checkBox_clicked() { mark_changed(); }
void TeacherTab::on_teacher_board_hand_enable_checkBox_clicked() { mark_changed(); }
void TeacherTab::on_teacher_sensitivity_Slider_sliderPressed() { mark_changed(); }
void TeacherTab::on_teacher_fea_distance_Slider_sliderPressed() { mark_changed(); }
void TeacherTab::on_teacher_distance_Slider_sliderPressed() { mark_changed(); }
void TeacherTab::on_teacher_panOffset_Slider_sliderPressed() { mark_changed(); }
void TeacherTab::on_teacher_tiltOffset_Slider_sliderPressed() { mark_changed(); }
void TeacherTab::on_teacher_board_detect_Slider_sliderPressed() { mark_changed(); }
void TeacherTab::on_teacher_board_hold_Slider_sliderPressed() { mark_changed(); }
void TeacherTab::on_teacher_board_lose_Slider_sliderPressed() { mark_changed(); }
void TeacherTab::on_teacher_board_space_Slider_sliderPressed() { mark_changed(); }

// The slider labels in each slider's own format; the settings load leaves their marks off.
void TeacherTab::slider_moved(SliderText &value, QLabel *label, const QString &text)
{
    value.text = text;
    label->setText(value.text);
}

void TeacherTab::slider_value_changed(SliderText &value, QLabel *label, int position, const QString &text)
{
    value = {text, position};
    label->setText(value.text);
    mark_apply_unless_loading(m_loading_config, ui.teacher_apply_Button);
}

void TeacherTab::on_teacher_sensitivity_Slider_sliderMoved(int value)
{
    slider_moved(m_values.pano_sensitivity, ui.teacher_sensitivity_label, slider_text::number_text(value));
}
void TeacherTab::on_teacher_sensitivity_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.pano_sensitivity, ui.teacher_sensitivity_label, value,
                         slider_text::number_text(value));
}
void TeacherTab::on_teacher_fea_distance_Slider_sliderMoved(int value)
{
    slider_moved(m_values.feature_distance, ui.teacher_fea_distance_label, slider_text::distance_text(value));
}
void TeacherTab::on_teacher_fea_distance_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.feature_distance, ui.teacher_fea_distance_label, value,
                         slider_text::distance_text(value));
}
void TeacherTab::on_teacher_distance_Slider_sliderMoved(int value)
{
    slider_moved(m_values.pano_distance, ui.teacher_distance_label, slider_text::distance_text(value));
}
void TeacherTab::on_teacher_distance_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.pano_distance, ui.teacher_distance_label, value, slider_text::distance_text(value));
}
void TeacherTab::on_teacher_panOffset_Slider_sliderMoved(int value)
{
    slider_moved(m_values.pano_pan_offset, ui.teacher_panOffset_label, slider_text::offset_text(value));
}
void TeacherTab::on_teacher_panOffset_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.pano_pan_offset, ui.teacher_panOffset_label, value, slider_text::offset_text(value));
}
void TeacherTab::on_teacher_tiltOffset_Slider_sliderMoved(int value)
{
    slider_moved(m_values.pano_tilt_offset, ui.teacher_tiltOffset_label, slider_text::offset_text(value));
}
void TeacherTab::on_teacher_tiltOffset_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.pano_tilt_offset, ui.teacher_tiltOffset_label, value,
                         slider_text::offset_text(value));
}
void TeacherTab::on_teacher_board_detect_Slider_sliderMoved(int value)
{
    slider_moved(m_values.board_detect_time, ui.teacher_board_detect_label, slider_text::number_text(value));
}
void TeacherTab::on_teacher_board_detect_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.board_detect_time, ui.teacher_board_detect_label, value,
                         slider_text::number_text(value));
}
void TeacherTab::on_teacher_board_hold_Slider_sliderMoved(int value)
{
    slider_moved(m_values.board_continue_time, ui.teacher_board_hold_label, slider_text::number_text(value));
}
void TeacherTab::on_teacher_board_hold_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.board_continue_time, ui.teacher_board_hold_label, value,
                         slider_text::number_text(value));
}
void TeacherTab::on_teacher_board_lose_Slider_sliderMoved(int value)
{
    slider_moved(m_values.board_lose_time, ui.teacher_board_lose_label, slider_text::number_text(value));
}
void TeacherTab::on_teacher_board_lose_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.board_lose_time, ui.teacher_board_lose_label, value,
                         slider_text::number_text(value));
}
void TeacherTab::on_teacher_board_space_Slider_sliderMoved(int value)
{
    slider_moved(m_values.board_face_interval_time, ui.teacher_board_space_label, slider_text::number_text(value));
}
void TeacherTab::on_teacher_board_space_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.board_face_interval_time, ui.teacher_board_space_label, value,
                         slider_text::number_text(value));
}

// The two delay spin boxes mark the tab whenever their value changes, during the load too.
void TeacherTab::on_teacher_hold_time_label_valueChanged(int) { mark_changed(); }
void TeacherTab::on_teacher_target_lost_delay_label_valueChanged(int) { mark_changed(); }

bool TeacherTab::lectern_model() const { return tp::is_lectern_model(m_slots[Slot::TeacherFeature].device_model); }

// ---------------------------------------------------------------------------
// Apply

QString TeacherTab::teacher_apply_text()
{
    // A camera that reported one distance only leaves the close-up label empty; it goes with
    // the panorama distance rather than as an empty value.
    if (m_values.feature_distance.text.isEmpty()) {
        m_values.feature_distance.text = m_values.pano_distance.text;
        ui.teacher_fea_distance_label->setText(m_values.feature_distance.text);
    }

    tp::ApplyTarget target;
    target.feature_camera_ip = m_ports.port_map_enabled()
        ? m_port_fields.teacher_ip
        : camera_address::address_part(m_slots[Slot::TeacherFeature].field_text);
    teacher_ptzspeed_value = reply_values::number(m_values.ptzspeed_level);
    const bool m19 = lectern_model();
    target.boardsnap = m19;

    // A lectern-mode M19 that has not reported a snapshot region gets its feature area there.
    std::optional<region_geometry::RegionRect> snapshot_fallback;
    if (m19 && ui.lectern_mode_radioButton->isChecked())
        snapshot_fallback = tp::lectern_area(m_regions.feature_rect());

    const QString text = tp::apply_block(m_values, target, m_regions.apply_regions(), snapshot_fallback);
    qDebug().noquote() << text;
    return text;
}

void TeacherTab::post_lectern_effect_area()
{
    m_lectern.post_tracking_server();
    wait_ms(kLecternPostWaitMs);
    const region_geometry::RegionRect area = tp::lectern_area(m_regions.feature_rect());
    m_lectern.post_effect_area(area.x, area.y, area.w, area.h);
}

void TeacherTab::on_teacher_apply_Button_clicked()
{
    if (!m_side.pano_connected_or_warn())
        return;
    m_regions.collect_scene_regions();
    if (lectern_model() && ui.lectern_mode_radioButton->isChecked()) {
        post_lectern_effect_area();
        // The camera may have gone while the post waited.
        if (!m_side.pano_connected() || !m_slots[Slot::TeacherPano].destination) {
            msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
            return;
        }
    }
    const QString text = teacher_apply_text();
    emit request_armed(request_poller::Kind::TeacherApply, false);
    m_link.sendMsg_Net(m_slots[Slot::TeacherPano].destination, m_ports.udp_port(Side::Teacher), text, false);
    ui.teacher_apply_Button->setText(tr("Apply"));
}

// ---------------------------------------------------------------------------
// Obtain

void TeacherTab::on_teacher_obtain_Button_clicked() { teacher_obtain(false); }

void TeacherTab::teacher_obtain(bool silent)
{
    const CameraSlotRecord &pano = m_slots[Slot::TeacherPano];
    if (!pano.udp_flag || !pano.destination) {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    const QString text = tp::obtain_block();
    qDebug().noquote() << text;
    m_link.sendMsg_Net(pano.destination, m_ports.udp_port(Side::Teacher), text, false);
    emit request_armed(request_poller::Kind::TeacherObtain, silent);
    // The regions of the answer are drawn afresh.
    m_regions.redraw_on_next_reply();
    const int sectionsBefore = m_sections_read;
    wait_ms_until(kObtainReplyWaitMs, kObtainReplyBoundMs, [&] { return m_sections_read != sectionsBefore; });
    const QString inquiry = tp::focus_inquiry(pano.device_model);
    if (!inquiry.isEmpty() && pano.udp_flag && pano.destination)
        m_link.sendMsg_Net(pano.destination, m_ports.visca_port(Side::Teacher), inquiry, true);
    wait_ms(kFocusReplyWaitMs);
}

// ---------------------------------------------------------------------------
// The teacher key table of a reply

void TeacherTab::read_teacher_section(const QString &t)
{
    ++m_sections_read;
    using reply_values::number;
    const tp::Reply r = tp::read_reply(t);
    // While the calibration view is on, the field holds the calibration's own speed.
    const bool calibrating = m_calibration.calibration_shown(Side::Teacher);
    tp::fill(m_values, r, calibrating);

    if (!r.pano_sensitivity.isNull())
        show_slider(m_values.pano_sensitivity, ui.teacher_sensitivity_label, ui.teacher_sensitivity_Slider);
    if (!r.feature_distance.isNull())
        show_slider(m_values.feature_distance, ui.teacher_fea_distance_label, ui.teacher_fea_distance_Slider);
    if (!r.pano_distance.isNull())
        show_slider(m_values.pano_distance, ui.teacher_distance_label, ui.teacher_distance_Slider);
    // A camera that reports one distance fills both.
    if (m_values.feature_distance.text.isEmpty()) {
        m_values.feature_distance.text = m_values.pano_distance.text;
        ui.teacher_fea_distance_label->setText(m_values.feature_distance.text);
    }
    if (!r.pano_pan_offset.isNull())
        show_slider(m_values.pano_pan_offset, ui.teacher_panOffset_label, ui.teacher_panOffset_Slider);
    if (!r.pano_tilt_offset.isNull())
        show_slider(m_values.pano_tilt_offset, ui.teacher_tiltOffset_label, ui.teacher_tiltOffset_Slider);

    if (tp::losing_strategy_index(r.losing_object_strategy))
        show_checked_index({ui.teacher_none_action_radioButton, ui.teacher_pano_action_radioButton,
                            ui.teacher_platform_action_radioButton, ui.teacher_student_pano_action_radioButton},
                           m_values.losing_object_strategy);
    if (tp::multi_strategy_index(r.multi_object_strategy))
        show_checked_index({ui.teacher_feature_location_radioButton, ui.teacher_return_pano_action_radioButton},
                           m_values.multi_object_strategy);
    if (tp::tracking_mode_index(r.tracking_mode)) {
        const int mode = m_values.tracking_mode;
        show_checked_index({ui.other_mode_radioButton, ui.follow_mode_radioButton, ui.binocular_mode_radioButton,
                            ui.mixed_mode_radioButton, ui.board_pano_mode_radioButton, ui.lectern_mode_radioButton},
                           mode);
        // Binocular and mixed share the follow mode's handler.
        void (TeacherTab::*const handlers[])(bool) = {
            &TeacherTab::on_other_mode_radioButton_clicked,      &TeacherTab::on_follow_mode_radioButton_clicked,
            &TeacherTab::on_follow_mode_radioButton_clicked,     &TeacherTab::on_follow_mode_radioButton_clicked,
            &TeacherTab::on_board_pano_mode_radioButton_clicked, &TeacherTab::on_lectern_mode_radioButton_clicked};
        (this->*handlers[mode])(true);
    }
    if (!r.time_to_pano_delay.isNull())
        show_value(ui.teacher_target_lost_delay_label, m_values.time_to_pano_delay);
    if (!r.time_lost_delay.isNull())
        show_value(ui.teacher_hold_time_label, m_values.time_lost_delay);

    const struct {
        const QString &value;
        SliderText &member;
        QLabel *label;
        QSlider *slider;
    } boardTimes[] = {
        {r.board_detect_time, m_values.board_detect_time, ui.teacher_board_detect_label, ui.teacher_board_detect_Slider},
        {r.board_continue_time, m_values.board_continue_time, ui.teacher_board_hold_label, ui.teacher_board_hold_Slider},
        {r.board_lose_time, m_values.board_lose_time, ui.teacher_board_lose_label, ui.teacher_board_lose_Slider},
        {r.board_face_interval_time, m_values.board_face_interval_time, ui.teacher_board_space_label,
         ui.teacher_board_space_Slider},
    };
    for (const auto &row : boardTimes) {
        if (!row.value.isNull())
            show_slider(row.member, row.label, row.slider);
    }
    const struct {
        const QString &value;
        const bool &member;
        QCheckBox *box;
    } boardEnables[] = {
        {r.board_detect_enable, m_values.board_detect_enable, ui.teacher_board_enable_checkBox},
        {r.board_face_enable, m_values.board_face_enable, ui.teacher_board_face_enable_checkBox},
        {r.board_hand_enable, m_values.board_hand_enable, ui.teacher_board_hand_enable_checkBox},
    };
    for (const auto &row : boardEnables) {
        if (!row.value.isNull())
            row.box->setChecked(row.member);
    }
    if (!r.config_switch.isNull()) {
        const QSignalBlocker quiet(ui.teacher_config_comboBox);
        ui.teacher_config_comboBox->setCurrentIndex(tp::config_switch_index(r.config_switch));
    }
    if (!r.feature_persontrack_mode.isNull())
        show_index(ui.teacher_feature_persontrack_comboBox, m_values.feature_persontrack);
    if (reply_values::zero_one(r.auto_tracking))
        ui.teacher_starting_up_checkBox->setChecked(m_values.auto_tracking);
    if (!r.manual_focus.isNull()) {
        if (reply_values::zero_one(r.manual_focus))
            ui.teacher_manual_focus_checkBox->setChecked(m_values.manual_focus);
        // The two-camera layout has no separate close-up camera to focus by hand.
        ui.teacher_manual_focus_checkBox->setEnabled(m_choices.camera_layout != 0);
    }
    if (reply_values::zero_one(r.auto_tilt))
        ui.teacher_vertical_movement_checkBox->setChecked(m_values.auto_tilt);
    if (tp::boardsnap_entry(r.boardsnap_mode))
        show_index(ui.teacher_board_effect_list, m_values.boardsnap_entry);
    if (reply_values::zero_one(r.feature_realtime_track))
        ui.teacher_feature_tracking_checkBox->setChecked(m_values.feature_realtime_track);
    if (!r.ptzspeed_level.isNull()) {
        if (!calibrating)
            show_text(ui.teacher_ptzspeed_level, m_values.ptzspeed_level);
        teacher_ptzspeed_value = number(r.ptzspeed_level);
    }

    if (!r.username.isNull()) {
        m_lectern.set_web_username(r.username);
        qDebug() << "Web Username:" << r.username;
    }
    if (!r.password.isNull()) {
        m_lectern.set_web_password(r.password);
        qDebug() << "Web Password: (received, not logged)";
    }
    // The regions of an answer that carries them; a reply that only confirms an Apply would
    // otherwise put the previous answer's regions and enable strings over the installer's edits.
    if (tp::carries_region_keys(t))
        m_regions.read_reply_regions(t);

    if (!r.feature_version.isNull())
        ui.teacher_version_feature_info_label->setText(m_values.feature_version);
    if (!r.pano_version.isNull()) {
        ui.teacher_version_pano_info_label->setText(m_values.pano_version);
        teacher_track_check(true);
        emit tabs_enabled_wanted(true);
    }
    // The director follow-up of a status answer's obtain comes after the section (resolver_param).
    // A reply that names the model has cleared the customer model (fill).
    if (!r.device_model.isNull())
        qDebug() << "teacher device_model:" << r.device_model;
}

void TeacherTab::show_stored()
{
    // In the order of the settings file's rows.
    show_slider(m_values.pano_sensitivity, ui.teacher_sensitivity_label, ui.teacher_sensitivity_Slider);
    show_index(ui.teacher_preset_list, m_values.preset_index);
    show_slider(m_values.feature_distance, ui.teacher_fea_distance_label, ui.teacher_fea_distance_Slider);
    show_slider(m_values.pano_distance, ui.teacher_distance_label, ui.teacher_distance_Slider);
    show_slider(m_values.pano_pan_offset, ui.teacher_panOffset_label, ui.teacher_panOffset_Slider);
    show_slider(m_values.pano_tilt_offset, ui.teacher_tiltOffset_label, ui.teacher_tiltOffset_Slider);
    show_checked_index({ui.teacher_none_action_radioButton, ui.teacher_pano_action_radioButton,
                        ui.teacher_platform_action_radioButton, ui.teacher_student_pano_action_radioButton},
                       m_values.losing_object_strategy);
    ui.teacher_board_enable_checkBox->setChecked(m_values.board_detect_enable);
    show_slider(m_values.board_detect_time, ui.teacher_board_detect_label, ui.teacher_board_detect_Slider);
    show_slider(m_values.board_continue_time, ui.teacher_board_hold_label, ui.teacher_board_hold_Slider);
    show_slider(m_values.board_lose_time, ui.teacher_board_lose_label, ui.teacher_board_lose_Slider);
    show_slider(m_values.board_face_interval_time, ui.teacher_board_space_label, ui.teacher_board_space_Slider);
    show_checked_index({ui.teacher_feature_location_radioButton, ui.teacher_return_pano_action_radioButton},
                       m_values.multi_object_strategy);
    // Checked without its handler: the mode's page and presets follow at set-up.
    show_checked_index({ui.other_mode_radioButton, ui.follow_mode_radioButton, ui.binocular_mode_radioButton,
                        ui.mixed_mode_radioButton, ui.board_pano_mode_radioButton, ui.lectern_mode_radioButton},
                       m_values.tracking_mode);
    show_value(ui.teacher_target_lost_delay_label, m_values.time_to_pano_delay);
    show_value(ui.teacher_hold_time_label, m_values.time_lost_delay);
    ui.teacher_starting_up_checkBox->setChecked(m_values.auto_tracking);
    ui.teacher_manual_focus_checkBox->setChecked(m_values.manual_focus);
    ui.teacher_vertical_movement_checkBox->setChecked(m_values.auto_tilt);
    ui.teacher_feature_tracking_checkBox->setChecked(m_values.feature_realtime_track);
}

// The lectern page shows, and the camera's lectern settings are read into it.
void TeacherTab::on_lectern_mode_radioButton_clicked(bool checked)
{
    ui.mode_stackedWidget->setCurrentIndex(tracking_modes::settings_page(tracking_modes::Lectern));
    m_lectern.lectern_chosen(checked);
}

// The effect list marks whenever its entry changes, during the settings load too.
void TeacherTab::on_teacher_board_effect_list_currentIndexChanged(int index)
{
    qDebug() << "current Index:" << index;
    mark_changed();
}

// ---------------------------------------------------------------------------
// Tracking

// While the teacher camera tracks, the teacher and board tabs are locked.
void TeacherTab::teacher_tracking(bool start)
{
    m_side.send_tracking_command(QString::fromLatin1(start ? tracking_command::kStart : tracking_command::kStop));
    emit widget_status_wanted(0, !start);
    emit widget_status_wanted(2, !start);
    m_side.set_cur_track_status(start ? 1 : 2);
    if (lectern_model())
        ui.groupBox_36->setEnabled(!start);
    emit tracking_switched(Side::Teacher, start);
}

void TeacherTab::tracking(bool start) { teacher_tracking(start); }

void TeacherTab::enable_region_display(bool enable) { emit region_display_enabled_wanted(Side::Teacher, enable); }

void TeacherTab::stop_tracking()
{
    if (m_side.cur_track_status() == 1 && m_side.pano_connected())
        teacher_tracking(false);
}

void TeacherTab::on_teacher_startTrack_Button_clicked()
{
    if (m_side.pano_connected_or_warn())
        teacher_tracking(true);
}

void TeacherTab::on_teacher_stopTrack_Button_clicked()
{
    if (m_side.pano_connected_or_warn())
        teacher_tracking(false);
}

void TeacherTab::on_teacher_config_comboBox_currentIndexChanged(int index)
{
    qDebug() << "on_teacher_config_comboBox_currentIndexChanged:" << index;
    m_side.switch_tracking_config(index);
}

void TeacherTab::on_teacher_config_comboBox_activated(int index)
{
    qDebug() << "on_teacher_config_comboBox_activated:" << index;
}

void TeacherTab::on_teacher_pano_auto_mode_Button_clicked(bool) { m_side.send_pano_focus(false); }
void TeacherTab::on_teacher_pano_manual_mode_Button_clicked(bool) { m_side.send_pano_focus(true); }

// Nothing goes to the camera: the mode travels with the next teacher Apply.
void TeacherTab::show_teacher_mode(int mode)
{
    ui.mode_stackedWidget->setCurrentIndex(tracking_modes::settings_page(mode));
    const QVector<const char *> entries = tracking_modes::teacher_preset_entries(mode);
    if (entries.isEmpty())
        return;
    ui.teacher_preset_list->clear();
    for (const char *entry : entries)
        ui.teacher_preset_list->addItem(tr(entry));
}

void TeacherTab::fill_mode_preset_list()
{
    if (!ui.other_mode_radioButton->isChecked())
        return;
    ui.teacher_preset_list->clear();
    for (const char *entry : tracking_modes::teacher_preset_entries(tracking_modes::Other))
        ui.teacher_preset_list->addItem(tr(entry));
}

void TeacherTab::on_other_mode_radioButton_clicked(bool checked)
{
    if (checked)
        show_teacher_mode(tracking_modes::Other);
}

void TeacherTab::on_follow_mode_radioButton_clicked(bool checked)
{
    if (checked)
        show_teacher_mode(tracking_modes::Follow);
}

// Binocular and mixed mode offer the follow mode's presets.
void TeacherTab::on_binocular_mode_radioButton_clicked(bool checked) { on_follow_mode_radioButton_clicked(checked); }
void TeacherTab::on_mixed_mode_radioButton_clicked(bool checked) { on_follow_mode_radioButton_clicked(checked); }

void TeacherTab::on_board_pano_mode_radioButton_clicked(bool checked)
{
    if (checked)
        show_teacher_mode(tracking_modes::BoardPano);
}

void TeacherTab::on_teacher_preset_list_currentIndexChanged(const QString &text)
{
    const QString &model = m_slots[Slot::TeacherFeature].device_model;
    qDebug() << "teacher currentIndexChanged :" << text << ", device model:" << model;
    const bool crop = text == tr(tracking_modes::kPanoCropEntry);
    emit pad_redirection_changed(crop && tracking_modes::crop_on_pano(model),
                                 crop && tracking_modes::crop_by_prefix(model));
}

void TeacherTab::set_teacher_obtain_apply_enabled(bool enable) { m_side.set_obtain_apply_enabled(enable); }
void TeacherTab::teacher_track_check(bool enable) { m_side.track_check(enable); }
void TeacherTab::set_teacher_config_combo(int index) { m_side.set_config_combo(index); }

// ---------------------------------------------------------------------------
// Default

void TeacherTab::on_teacher_default_Button_clicked()
{
    const auto take = [](SliderText &value, const char *text, int position) {
        value = {QString::fromLatin1(text), position};
    };
    take(m_values.pano_sensitivity, "2", 2);
    show_slider(m_values.pano_sensitivity, ui.teacher_sensitivity_label, ui.teacher_sensitivity_Slider);
    take(m_values.feature_distance, "7.5", slider_text::distance_position(QStringLiteral("7.5")));
    show_slider(m_values.feature_distance, ui.teacher_fea_distance_label, ui.teacher_fea_distance_Slider);
    take(m_values.pano_distance, "7.5", slider_text::distance_position(QStringLiteral("7.5")));
    show_slider(m_values.pano_distance, ui.teacher_distance_label, ui.teacher_distance_Slider);
    m_values.ptzspeed_level = QStringLiteral("10");
    show_text(ui.teacher_ptzspeed_level, m_values.ptzspeed_level);
    take(m_values.pano_pan_offset, "0", 40);
    show_slider(m_values.pano_pan_offset, ui.teacher_panOffset_label, ui.teacher_panOffset_Slider);
    take(m_values.pano_tilt_offset, "0", 40);
    show_slider(m_values.pano_tilt_offset, ui.teacher_tiltOffset_label, ui.teacher_tiltOffset_Slider);
    ui.teacher_none_action_radioButton->setChecked(false);
    ui.teacher_pano_action_radioButton->setChecked(true);
    ui.teacher_platform_action_radioButton->setChecked(false);
    ui.teacher_student_pano_action_radioButton->setChecked(false);
    ui.teacher_feature_location_radioButton->setChecked(true);
    ui.teacher_return_pano_action_radioButton->setChecked(false);
    ui.teacher_target_lost_delay_label->setValue(30);
    ui.teacher_hold_time_label->setValue(2);
    ui.other_mode_radioButton->setChecked(false);
    ui.follow_mode_radioButton->setChecked(false);
    ui.mixed_mode_radioButton->setChecked(false);
    ui.lectern_mode_radioButton->setChecked(false);
    ui.binocular_mode_radioButton->setChecked(true);
    // The follow mode's handler fills the preset list of the binocular mode.
    on_follow_mode_radioButton_clicked(true);
    ui.board_pano_mode_radioButton->setChecked(false);
    m_lectern.show_defaults();
    ui.teacher_board_enable_checkBox->setChecked(false);
    ui.teacher_board_face_enable_checkBox->setChecked(false);
    ui.teacher_board_hand_enable_checkBox->setChecked(false);
    take(m_values.board_detect_time, "3", 3);
    show_slider(m_values.board_detect_time, ui.teacher_board_detect_label, ui.teacher_board_detect_Slider);
    take(m_values.board_continue_time, "5", 5);
    show_slider(m_values.board_continue_time, ui.teacher_board_hold_label, ui.teacher_board_hold_Slider);
    take(m_values.board_lose_time, "3", 3);
    show_slider(m_values.board_lose_time, ui.teacher_board_lose_label, ui.teacher_board_lose_Slider);
    take(m_values.board_face_interval_time, "5", 5);
    show_slider(m_values.board_face_interval_time, ui.teacher_board_space_label, ui.teacher_board_space_Slider);
    ui.teacher_starting_up_checkBox->setChecked(true);
    ui.teacher_manual_focus_checkBox->setChecked(true);
    ui.teacher_vertical_movement_checkBox->setChecked(false);
    ui.teacher_feature_tracking_checkBox->setChecked(true);
    mark_changed();
}

void TeacherTab::set_lectern_director_enabled(bool enable) { ui.groupBox_36->setEnabled(enable); }
