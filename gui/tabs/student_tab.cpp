#include "tabs/student_tab.h"

#include "core/wait.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/camera_address.h"
#include "protocol/ptz_commands.h"
#include "protocol/parameter_block.h"
#include "protocol/reply_values.h"
#include "protocol/student_parameters.h"
#include "protocol/teacher_parameters.h"
#include "protocol/tracking_command.h"
#include "protocol/tracking_modes.h"
#include "seams/message_box.h"
#include "model/slider_text.h"
#include "support/apply_mark.h"
#include "support/value_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

#include <initializer_list>

using camera_slot::Side;
using camera_slot::Slot;
namespace sp = student_parameters;
using namespace value_widgets;

namespace {
constexpr int kObtainReplyWaitMs = 500; // the block's answer usually comes within this wait
// A late answer is waited for up to this, so that the focus inquiry follows it on the wire and in
// the log; a camera that has not answered by then counts as silent (the poller fails it at 5.5 s).
constexpr int kObtainReplyBoundMs = 2000;
constexpr int kFocusReplyWaitMs = 800;  // and the focus-mode answer within this one
} // namespace

StudentTab::StudentTab(const Widgets &widgets, StudentSection &values, const TeacherSection &teacher,
                       StudentRegionPoints &points, const CameraSlots &cameras, const CameraPorts &ports,
                       const portforward::Fields &port_fields, ControlLink &link, const CalibrationView &calibration,
                       int &cur_track_status, const bool &loading_config, QWidget *window)
    : ui(widgets)
    , m_values(values)
    , m_teacher(teacher)
    , m_points(points)
    , m_slots(cameras)
    , m_ports(ports)
    , m_port_fields(port_fields)
    , m_link(link)
    , m_calibration(calibration)
    , m_loading_config(loading_config)
    , m_window(window)
    , m_side(Side::Student, {ui.student_config_comboBox, ui.student_obtain_Button, ui.student_apply_Button}, cameras,
             ports, link, cur_track_status, *this, window)
{
    keep_values();
    using S = StudentTab;
    connect(ui.student_apply_Button, &QPushButton::clicked, this, &S::on_student_apply_Button_clicked);
    connect(ui.student_obtain_Button, &QPushButton::clicked, this, &S::on_student_obtain_Button_clicked);
    connect(ui.student_sensitivity_Slider, &QSlider::sliderPressed, this,
            &S::on_student_sensitivity_Slider_sliderPressed);
    connect(ui.student_objectsize_Slider, &QSlider::sliderPressed, this,
            &S::on_student_objectsize_Slider_sliderPressed);
    connect(ui.student_panOffset_Slider, &QSlider::sliderPressed, this, &S::on_student_panOffset_Slider_sliderPressed);
    connect(ui.student_tiltOffset_Slider, &QSlider::sliderPressed, this,
            &S::on_student_tiltOffset_Slider_sliderPressed);
    connect(ui.student_target_lost_timeout_Slider, &QSlider::sliderPressed, this,
            &S::on_student_target_lost_timeout_Slider_sliderPressed);
    connect(ui.student_none_action_radioButton, &QAbstractButton::clicked, this,
            &S::on_student_none_action_radioButton_clicked);
    connect(ui.student_pano_one_action_radioButton, &QAbstractButton::clicked, this,
            &S::on_student_pano_one_action_radioButton_clicked);
    connect(ui.student_cutout_radioButton, &QAbstractButton::clicked, this, &S::on_student_cutout_radioButton_clicked);
    connect(ui.student_eptz_radioButton, &QAbstractButton::clicked, this, &S::on_student_eptz_radioButton_clicked);
    connect(ui.student_small_pano_radioButton, &QAbstractButton::clicked, this,
            &S::on_student_small_pano_radioButton_clicked);
    connect(ui.student_return_pano_action_radioButton, &QAbstractButton::clicked, this,
            &S::on_student_return_pano_action_radioButton_clicked);
    connect(ui.student_starting_up_checkBox, &QAbstractButton::clicked, this,
            &S::on_student_starting_up_checkBox_clicked);
    connect(ui.student_face_detect_checkBox, &QAbstractButton::clicked, this,
            &S::on_student_face_detect_checkBox_clicked);
    connect(ui.student_pano_switch_checkBox, &QAbstractButton::clicked, this,
            &S::on_student_pano_switch_checkBox_clicked);
    connect(ui.student_startTrack_Button, &QPushButton::clicked, this, &S::on_student_startTrack_Button_clicked);
    connect(ui.student_stopTrack_Button, &QPushButton::clicked, this, &S::on_student_stopTrack_Button_clicked);
    connect(ui.student_config_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &S::on_student_config_comboBox_currentIndexChanged);
    connect(ui.student_config_comboBox, qOverload<int>(&QComboBox::activated), this,
            &S::on_student_config_comboBox_activated);
    connect(ui.student_pano_auto_mode_Button, &QPushButton::clicked, this,
            &S::on_student_pano_auto_mode_Button_clicked);
    connect(ui.student_pano_manual_mode_Button, &QPushButton::clicked, this,
            &S::on_student_pano_manual_mode_Button_clicked);
    connect(ui.student_preset_list, qOverload<const QString &>(&QComboBox::currentIndexChanged), this,
            &S::on_student_preset_list_currentIndexChanged);
    connect(ui.student_default_Button, &QPushButton::clicked, this, &S::on_student_default_Button_clicked);
    connect(ui.student_sensitivity_Slider, &QSlider::sliderMoved, this, &S::on_student_sensitivity_Slider_sliderMoved);
    connect(ui.student_sensitivity_Slider, &QSlider::valueChanged, this,
            &S::on_student_sensitivity_Slider_valueChanged);
    connect(ui.student_objectsize_Slider, &QSlider::sliderMoved, this, &S::on_student_objectsize_Slider_sliderMoved);
    connect(ui.student_objectsize_Slider, &QSlider::valueChanged, this, &S::on_student_objectsize_Slider_valueChanged);
    connect(ui.student_panOffset_Slider, &QSlider::sliderMoved, this, &S::on_student_panOffset_Slider_sliderMoved);
    connect(ui.student_panOffset_Slider, &QSlider::valueChanged, this, &S::on_student_panOffset_Slider_valueChanged);
    connect(ui.student_tiltOffset_Slider, &QSlider::sliderMoved, this, &S::on_student_tiltOffset_Slider_sliderMoved);
    connect(ui.student_tiltOffset_Slider, &QSlider::valueChanged, this, &S::on_student_tiltOffset_Slider_valueChanged);
    connect(ui.student_target_lost_timeout_Slider, &QSlider::sliderMoved, this,
            &S::on_student_target_lost_timeout_Slider_sliderMoved);
    connect(ui.student_target_lost_timeout_Slider, &QSlider::valueChanged, this,
            &S::on_student_target_lost_timeout_Slider_valueChanged);
    connect(ui.student_feature_continue_time_label, qOverload<const QString &>(&QSpinBox::valueChanged), this,
            &S::on_student_feature_continue_time_label_valueChanged);
    connect(ui.student_camera_height_lineEdit, &QLineEdit::textChanged, this,
            &S::on_student_camera_height_lineEdit_textChanged);

    // The installation-position fields and the focus-mode page are not offered (the panorama
    // cameras focus by themselves).
    ui.student_camera_length_lineEdit->hide();
    ui.student_object_height_lineEdit->hide();
    ui.tabWidget_2->removeTab(ui.tabWidget_2->indexOf(ui.tab_19));
    ui.student_pano_auto_mode_Button->setChecked(true);
}

void StudentTab::keep_values()
{
    const struct {
        SliderText &value;
        QLabel *label;
        QSlider *slider;
    } sliders[] = {
        {m_values.pano_sensitivity, ui.student_sensitivity_label, ui.student_sensitivity_Slider},
        {m_values.pano_object_size, ui.student_objectsize_label, ui.student_objectsize_Slider},
        {m_values.pano_pan_offset, ui.student_panOffset_label, ui.student_panOffset_Slider},
        {m_values.pano_tilt_offset, ui.student_tiltOffset_label, ui.student_tiltOffset_Slider},
        {m_values.time_delay, ui.student_target_lost_timeout_label, ui.student_target_lost_timeout_Slider},
    };
    // The form's labels and sliders as they start; their slots keep them from here on.
    for (const auto &row : sliders)
        row.value = {row.label->text(), row.slider->value()};
    keep_text(this, ui.student_camera_height_lineEdit, m_values.pano_height);
    keep_text(this, ui.student_camera_length_lineEdit, m_values.pano_length);
    keep_text(this, ui.student_object_height_lineEdit, m_values.pano_camera_height);
    keep_checked_index(this, {ui.student_none_action_radioButton, ui.student_pano_one_action_radioButton},
                       m_values.losing_object_strategy);
    keep_checked_index(this, {ui.student_cutout_radioButton, ui.student_eptz_radioButton}, m_values.eptz_mode);
    keep_checked_index(this, {ui.student_small_pano_radioButton, ui.student_return_pano_action_radioButton},
                       m_values.multi_object_strategy);
    // The pad drives at the level's speed; the field takes "10", one digit, or nothing while typing.
    connect(ui.student_ptzspeed_level, &QLineEdit::textChanged, this, [](const QString &text) {
        qDebug() << "MainWindow::student ptzspeed level = " << ptz_commands::speed_level(text);
    });
    ui.student_ptzspeed_level->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QString::fromLatin1(ptz_commands::kSpeedLevelPattern)), ui.student_ptzspeed_level));
    keep_text(this, ui.student_ptzspeed_level, m_values.ptzspeed_level);
    keep_value(this, ui.student_feature_continue_time_label, m_values.feature_continue_max_time);
    keep_value(this, ui.director_time_pano_delay_label, m_values.time_to_pano_delay);
    keep_checked(this, ui.student_starting_up_checkBox, m_values.auto_tracking);
    keep_checked(this, ui.student_face_detect_checkBox, m_values.face_detect);
    keep_checked(this, ui.student_pano_switch_checkBox, m_values.pano_switch);
    keep_index(this, ui.student_preset_list, m_values.preset_index);
    m_values.feature_version = ui.student_version_feature_info_label->text();
    m_values.pano_version = ui.student_version_pano_info_label->text();
}

void StudentTab::mark_changed() { mark_apply(ui.student_apply_Button); }

void StudentTab::pad_slowed(Side side, bool slow)
{
    if (side == Side::Student)
        ui.student_ptzspeed_level->setText(QString::number(slow ? 1 : student_ptzspeed_saved_level));
}

void StudentTab::mark_side_changed(Side side)
{
    if (side == Side::Student)
        mark_changed();
}

void StudentTab::show_applied() { ui.student_apply_Button->setText(tr("Apply")); }

void StudentTab::enable_group_controls(int camera, bool enable)
{
    if (camera != 1)
        return;
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui.student_sensitivity_Slider, ui.student_sensitivity_label, ui.student_objectsize_Slider,
             ui.student_objectsize_label, ui.student_panOffset_Slider, ui.student_panOffset_label,
             ui.student_tiltOffset_Slider, ui.student_tiltOffset_label, ui.student_feature_continue_time_label,
             ui.label_104, ui.student_ptzspeed_level, ui.student_camera_height_lineEdit, ui.student_eptz_radioButton,
             ui.student_cutout_radioButton, ui.student_none_action_radioButton, ui.student_pano_one_action_radioButton,
             ui.student_target_lost_timeout_Slider, ui.student_target_lost_timeout_label,
             ui.student_small_pano_radioButton, ui.student_return_pano_action_radioButton,
             ui.student_ptz_pano_detect_checkBox, ui.student_starting_up_checkBox, ui.student_face_detect_checkBox,
             ui.student_pano_switch_checkBox, ui.student_obtain_Button, ui.student_apply_Button,
             ui.student_default_Button, ui.student_startTrack_Button})
        w->setEnabled(enable);
}

void StudentTab::feature_camera_released(Side side)
{
    if (side == Side::Student)
        ui.tabWidget_2->setTabEnabled(1, false);
}

void StudentTab::feature_model_known(Side side, const QString &model)
{
    if (side != Side::Student)
        return;
    if (model == QLatin1String("J57"))
        ui.tabWidget_2->setTabEnabled(1, true);
    else if (model == QLatin1String("R6"))
        ui.tabWidget_2->setEnabled(true);
}

void StudentTab::focus_mode_reported(Side side, bool manual)
{
    if (side == Side::Student)
        (manual ? ui.student_pano_manual_mode_Button : ui.student_pano_auto_mode_Button)->setChecked(true);
}

void StudentTab::preset_target_known()
{
    if (m_slots[Slot::StudentFeature].udp_flag)
        on_student_preset_list_currentIndexChanged(ui.student_preset_list->currentText());
}

void StudentTab::pano_camera_released(Side side)
{
    if (side != Side::Student)
        return;
    m_values.feature_version.clear();
    m_values.pano_version.clear();
    ui.student_version_feature_info_label->clear();
    ui.student_version_pano_info_label->clear();
}

void StudentTab::side_track_check(Side side, bool enable)
{
    if (side == Side::Student)
        student_track_check(enable);
}

void StudentTab::follow_layout(int layout)
{
    // The calibration page only makes sense on an R6 close-up camera then.
    const bool two = layout == 0;
    for (QWidget *w : std::initializer_list<QWidget *>{ui.label_12, ui.label_43, ui.student_panOffset_Slider,
                                                       ui.student_panOffset_label, ui.label_33, ui.label_13,
                                                       ui.label_32, ui.student_tiltOffset_Slider,
                                                       ui.student_tiltOffset_label, ui.label_34})
        w->setEnabled(!two);
    const CameraSlotRecord &feature = m_slots[Slot::StudentFeature];
    ui.tabWidget_2->setEnabled(!two || (feature.device_model == QLatin1String("R6") && feature.udp_flag));
}

void StudentTab::set_camera_install_pos(const QString &height, const QString &length, const QString &objectHeight)
{
    ui.student_camera_height_lineEdit->setText(height);
    ui.student_camera_length_lineEdit->setText(length);
    ui.student_object_height_lineEdit->setText(objectHeight);
    mark_changed();
}

// ---------------------------------------------------------------------------
// Apply

QString StudentTab::student_apply_text()
{
    sp::ApplyTarget target;
    target.feature_camera_ip = m_ports.port_map_enabled()
        ? m_port_fields.student_ip
        : camera_address::address_part(m_slots[Slot::StudentFeature].field_text);
    student_ptzspeed_saved_level = reply_values::number(m_values.ptzspeed_level);
    target.calibration_shown = calibration_offered_now;
    const QString text = sp::apply_block(m_values, target, m_points);
    qDebug().noquote() << text;
    return text;
}

bool StudentTab::pano_ready_or_warn()
{
    const CameraSlotRecord &pano = m_slots[Slot::StudentPano];
    if (pano.udp_flag && pano.destination)
        return true;
    msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
    return false;
}

void StudentTab::send_block(const QString &text)
{
    m_link.sendMsg_Net(m_slots[Slot::StudentPano].destination, m_ports.udp_port(Side::Student), text, false);
}

void StudentTab::on_student_apply_Button_clicked()
{
    if (!pano_ready_or_warn())
        return;
    const QString text = student_apply_text();
    emit request_armed(request_poller::Kind::StudentApply, false);
    send_block(text);
    ui.student_apply_Button->setText(tr("Apply"));
}

// ---------------------------------------------------------------------------
// Obtain and the calibration height

void StudentTab::on_student_obtain_Button_clicked() { student_obtain(false); }

void StudentTab::student_obtain(bool silent)
{
    if (!pano_ready_or_warn())
        return;
    const QString text = sp::obtain_block();
    qDebug().noquote() << text;
    send_block(text);
    emit request_armed(request_poller::Kind::StudentObtain, silent);
    const int sectionsBefore = m_sections_read;
    wait_ms_until(kObtainReplyWaitMs, kObtainReplyBoundMs, [&] { return m_sections_read != sectionsBefore; });
    const CameraSlotRecord &pano = m_slots[Slot::StudentPano];
    const QString inquiry = teacher_parameters::focus_inquiry(pano.device_model);
    if (!inquiry.isEmpty() && pano.udp_flag && pano.destination)
        m_link.sendMsg_Net(pano.destination, m_ports.visca_port(Side::Student), inquiry, true);
    wait_ms(kFocusReplyWaitMs);
}

void StudentTab::send_calibration_height(const QString &text)
{
    qDebug() << "MainWindow::pano_calibrate_height:" << text;
    if (!pano_ready_or_warn())
        return;
    const QString block = sp::calibration_height_block(text);
    qDebug().noquote() << "MainWindow:: sendMsg:" << block;
    send_block(block);
}

// ---------------------------------------------------------------------------
// The student key table of a reply

void StudentTab::resolve_student_autocalibrate_status(const QString &value)
{
    qDebug() << "student_autocalibrate_status:" << value;
    if (sp::autocalibrate_failed(value)) {
        emit autocalibrate_failed();
        return;
    }
    // The pass changed the camera's points: read them back and tell the calibration dialog.
    student_obtain(true);
}

void StudentTab::read_student_section(const QString &t)
{
    ++m_sections_read;
    using reply_values::number;
    const sp::Reply r = sp::read_reply(t);
    // While the calibration view is on, the field holds the calibration's own speed.
    const bool calibrating = m_calibration.calibration_shown(Side::Student);
    sp::fill(m_values, r, calibrating);

    if (!r.pano_sensitivity.isNull())
        show_slider(m_values.pano_sensitivity, ui.student_sensitivity_label, ui.student_sensitivity_Slider);
    if (!r.pano_object_size.isNull())
        show_slider(m_values.pano_object_size, ui.student_objectsize_label, ui.student_objectsize_Slider);
    if (!r.pano_height.isNull())
        show_text(ui.student_camera_height_lineEdit, m_values.pano_height);
    if (!r.pano_length.isNull())
        show_text(ui.student_camera_length_lineEdit, m_values.pano_length);
    if (!r.pano_camera_height.isNull())
        show_text(ui.student_object_height_lineEdit, m_values.pano_camera_height);
    if (!r.pano_pan_offset.isNull())
        show_slider(m_values.pano_pan_offset, ui.student_panOffset_label, ui.student_panOffset_Slider);
    if (!r.pano_tilt_offset.isNull())
        show_slider(m_values.pano_tilt_offset, ui.student_tiltOffset_label, ui.student_tiltOffset_Slider);
    if (reply_values::zero_one(r.eptz_mode))
        show_checked_index({ui.student_cutout_radioButton, ui.student_eptz_radioButton}, m_values.eptz_mode);
    if (reply_values::zero_one(r.losing_object_strategy))
        show_checked_index({ui.student_none_action_radioButton, ui.student_pano_one_action_radioButton},
                           m_values.losing_object_strategy);
    if (!r.time_delay.isNull())
        show_slider(m_values.time_delay, ui.student_target_lost_timeout_label, ui.student_target_lost_timeout_Slider);
    if (r.multi_object_strategy == QLatin1String("1") || r.multi_object_strategy == QLatin1String("2"))
        show_checked_index({ui.student_small_pano_radioButton, ui.student_return_pano_action_radioButton},
                           m_values.multi_object_strategy);
    if (!r.pan_speed.isNull())
        qDebug() << "pan_speed:" << r.pan_speed;
    if (!r.response_time.isNull())
        qDebug() << "response_time :" << r.response_time;
    if (!r.feature_continue_max_time.isNull())
        show_value(ui.student_feature_continue_time_label, m_values.feature_continue_max_time);
    if (!r.time_to_pano_delay.isNull())
        show_value(ui.director_time_pano_delay_label, m_values.time_to_pano_delay);
    if (!r.config_switch.isNull()) {
        const QSignalBlocker quiet(ui.student_config_comboBox);
        ui.student_config_comboBox->setCurrentIndex(teacher_parameters::config_switch_index(r.config_switch));
    }
    if (reply_values::zero_one(r.auto_tracking))
        ui.student_starting_up_checkBox->setChecked(m_values.auto_tracking);
    if (reply_values::zero_one(r.face_detect))
        ui.student_face_detect_checkBox->setChecked(m_values.face_detect);
    if (reply_values::zero_one(r.pano_switch))
        ui.student_pano_switch_checkBox->setChecked(m_values.pano_switch);
    if (!r.ptzspeed_level.isNull()) {
        qDebug() << "ptzspeed_level=" << r.ptzspeed_level;
        if (!calibrating)
            show_text(ui.student_ptzspeed_level, m_values.ptzspeed_level);
        student_ptzspeed_saved_level = number(r.ptzspeed_level);
    }

    if (!r.pano_designated_number_of_people.isNull())
        emit people_number_read();
    const StudentReplyKeys carried = sp::store_reply_regions(t, m_points, student_region_coord);
    if (!r.pano_calibrate_height.isNull()) {
        qDebug() << "MainWindow::pano_calibrate_height[0]:" << r.pano_calibrate_height;
        // The camera reports what it holds; the choice's own slot would send it straight back.
        emit calibration_height_reported(sp::calibration_height_index(r.pano_calibrate_height));
    }
    // The points are converted in place: only those this reply carried (an Apply's confirmation
    // carries none, and must not convert the installer's points a second time).
    apply_student_region_keys(carried);

    if (!r.feature_version.isNull())
        ui.student_version_feature_info_label->setText(m_values.feature_version);
    if (!r.pano_version.isNull()) {
        ui.student_version_pano_info_label->setText(m_values.pano_version);
        student_track_check(true);
        emit tabs_enabled_wanted(true);
    }

    // An Apply's confirmation says nothing about the camera's model; without this it would take
    // the eptz and cutout choice away after every Apply.
    if (r.apply_confirmation)
        return;
    qDebug() << "student device_model:" << r.device_model;
    const sp::DeviceModelStep step = sp::device_model_step(r.device_model);
    if (step.eptz_buttons_enabled)
        qDebug() << "student eptz flag is true";
    ui.student_eptz_radioButton->setEnabled(step.eptz_buttons_enabled);
    ui.student_cutout_radioButton->setEnabled(step.eptz_buttons_enabled);
    // fill has cleared the customer model unless the model keeps it.
    if (m_teacher.customer_model || m_values.customer_model)
        emit board_controls_disable_wanted();
    // The director follow-up of a status answer's obtain comes after the section (resolver_param).
}

void StudentTab::show_stored_preset() { show_index(ui.student_preset_list, m_values.preset_index); }

void StudentTab::show_stored()
{
    // In the order of the settings file's rows; the points need no widget.
    show_slider(m_values.pano_sensitivity, ui.student_sensitivity_label, ui.student_sensitivity_Slider);
    show_slider(m_values.pano_object_size, ui.student_objectsize_label, ui.student_objectsize_Slider);
    show_text(ui.student_camera_height_lineEdit, m_values.pano_height);
    show_text(ui.student_camera_length_lineEdit, m_values.pano_length);
    show_text(ui.student_object_height_lineEdit, m_values.pano_camera_height);
    show_slider(m_values.pano_pan_offset, ui.student_panOffset_label, ui.student_panOffset_Slider);
    show_slider(m_values.pano_tilt_offset, ui.student_tiltOffset_label, ui.student_tiltOffset_Slider);
    show_checked_index({ui.student_none_action_radioButton, ui.student_pano_one_action_radioButton},
                       m_values.losing_object_strategy);
    show_slider(m_values.time_delay, ui.student_target_lost_timeout_label, ui.student_target_lost_timeout_Slider);
    show_checked_index({ui.student_small_pano_radioButton, ui.student_return_pano_action_radioButton},
                       m_values.multi_object_strategy);
    show_value(ui.student_feature_continue_time_label, m_values.feature_continue_max_time);
    ui.student_starting_up_checkBox->setChecked(m_values.auto_tracking);
    ui.student_face_detect_checkBox->setChecked(m_values.face_detect);
    ui.student_pano_switch_checkBox->setChecked(m_values.pano_switch);
}

void StudentTab::apply_student_region_keys(const StudentReplyKeys &carried)
{
    const StudentRegionChecks checks =
        ::parse_student_region_coord(student_region_coord, m_points, m_values.old_point_format, carried);
    sp::take_region_checks(m_values, checks);
    emit regions_read(checks);
}

// ---------------------------------------------------------------------------
// Marks: any change on the tab says it has not been applied yet.

void StudentTab::on_student_sensitivity_Slider_sliderPressed() { mark_changed(); }
void StudentTab::on_student_objectsize_Slider_sliderPressed() { mark_changed(); }
void StudentTab::on_student_panOffset_Slider_sliderPressed() { mark_changed(); }
void StudentTab::on_student_tiltOffset_Slider_sliderPressed() { mark_changed(); }
void StudentTab::on_student_target_lost_timeout_Slider_sliderPressed() { mark_changed(); }
void StudentTab::on_student_none_action_radioButton_clicked() { mark_changed(); }
void StudentTab::on_student_pano_one_action_radioButton_clicked() { mark_changed(); }
void StudentTab::on_student_cutout_radioButton_clicked() { mark_changed(); }
void StudentTab::on_student_eptz_radioButton_clicked() { mark_changed(); }
void StudentTab::on_student_small_pano_radioButton_clicked() { mark_changed(); }
void StudentTab::on_student_return_pano_action_radioButton_clicked() { mark_changed(); }
void StudentTab::on_student_starting_up_checkBox_clicked() { mark_changed(); }
void StudentTab::on_student_face_detect_checkBox_clicked() { mark_changed(); }
void StudentTab::on_student_pano_switch_checkBox_clicked() { mark_changed(); }

// ---------------------------------------------------------------------------
// Tracking

void StudentTab::student_tracking(bool start)
{
    const QString word = QString::fromLatin1(start ? tracking_command::kStart : tracking_command::kStop);
    m_side.send_tracking_command(word);
    if (!start)
        qDebug() << "MainWindow::student stop track:"
                 << tracking_command::command_text(QString::fromLatin1(parameter_block::kStudentSection), word);
    emit widget_status_wanted(1, !start);
    m_side.set_cur_track_status(start ? 1 : 2);
}

void StudentTab::tracking(bool start) { student_tracking(start); }

void StudentTab::enable_region_display(bool enable) { emit region_display_enabled_wanted(Side::Student, enable); }

void StudentTab::stop_tracking()
{
    if (m_side.cur_track_status() == 1 && m_side.pano_connected())
        student_tracking(false);
}

void StudentTab::begin_auto_calibrate()
{
    qDebug() << "start auto calibrate ...";
    auto_calibrate(tracking_command::kBeginAutocalibrate);
}

void StudentTab::end_auto_calibrate()
{
    qDebug() << "stop auto calibrate ...";
    auto_calibrate(tracking_command::kEndAutocalibrate);
}

void StudentTab::auto_calibrate(const char *word)
{
    if (m_side.pano_connected_or_warn())
        m_side.send_tracking_command(QString::fromLatin1(word));
}

void StudentTab::on_student_startTrack_Button_clicked()
{
    if (m_side.pano_connected_or_warn())
        student_tracking(true);
}

void StudentTab::on_student_stopTrack_Button_clicked()
{
    if (m_side.pano_connected_or_warn())
        student_tracking(false);
}

void StudentTab::on_student_config_comboBox_currentIndexChanged(int index)
{
    qDebug() << "on_student_config_comboBox_currentIndexChanged:" << index;
    m_side.switch_tracking_config(index);
}

void StudentTab::on_student_config_comboBox_activated(int index)
{
    qDebug() << "on_student_config_comboBox_activated:" << index;
}

void StudentTab::on_student_pano_auto_mode_Button_clicked(bool) { m_side.send_pano_focus(false); }
void StudentTab::on_student_pano_manual_mode_Button_clicked(bool) { m_side.send_pano_focus(true); }

// The refill keeps the chosen entry: the set-up refills the list after the settings file has
// chosen the stored preset.
void StudentTab::fill_pano_preset_list()
{
    const int chosen = ui.student_preset_list->currentIndex();
    ui.student_preset_list->clear();
    for (const char *entry : tracking_modes::student_preset_entries())
        ui.student_preset_list->addItem(tr(entry));
    if (chosen > 0 && chosen < ui.student_preset_list->count())
        ui.student_preset_list->setCurrentIndex(chosen);
}

void StudentTab::on_student_preset_list_currentIndexChanged(const QString &text)
{
    const QString &model = m_slots[Slot::StudentFeature].device_model;
    qDebug() << "student currentIndexChanged :" << text << ", device model:" << model;
    emit pad_crop_changed(text == tr(tracking_modes::kPanoCropEntry) && tracking_modes::crop_by_prefix(model));
}

void StudentTab::set_student_obtain_apply_enabled(bool enable) { m_side.set_obtain_apply_enabled(enable); }
void StudentTab::student_track_check(bool enable) { m_side.track_check(enable); }
void StudentTab::set_student_config_combo(int index) { m_side.set_config_combo(index); }

// ---------------------------------------------------------------------------
// Default, slider labels and the marks the settings load leaves off

void StudentTab::on_student_default_Button_clicked()
{
    m_values.pano_sensitivity = {QStringLiteral("4"), 4};
    show_slider(m_values.pano_sensitivity, ui.student_sensitivity_label, ui.student_sensitivity_Slider);
    m_values.pano_object_size = {QStringLiteral("1.0"), 6};
    show_slider(m_values.pano_object_size, ui.student_objectsize_label, ui.student_objectsize_Slider);
    m_points.set_defaults(m_values.old_point_format);
    ui.student_camera_height_lineEdit->setText(QStringLiteral("2.2"));
    ui.student_camera_length_lineEdit->setText(QStringLiteral("6.0"));
    ui.student_object_height_lineEdit->setText(QStringLiteral("0.0"));
    ui.student_ptzspeed_level->setText(QStringLiteral("10"));
    m_values.pano_pan_offset = {QStringLiteral("0"), 40};
    show_slider(m_values.pano_pan_offset, ui.student_panOffset_label, ui.student_panOffset_Slider);
    m_values.pano_tilt_offset = {QStringLiteral("0"), 40};
    show_slider(m_values.pano_tilt_offset, ui.student_tiltOffset_label, ui.student_tiltOffset_Slider);
    ui.student_none_action_radioButton->setChecked(false);
    ui.student_pano_one_action_radioButton->setChecked(true);
    m_values.time_delay = {QStringLiteral("0"), 0};
    show_slider(m_values.time_delay, ui.student_target_lost_timeout_label, ui.student_target_lost_timeout_Slider);
    ui.student_small_pano_radioButton->setChecked(true);
    ui.student_return_pano_action_radioButton->setChecked(false);
    ui.student_eptz_radioButton->setChecked(false);
    ui.student_cutout_radioButton->setChecked(true);
    ui.student_feature_continue_time_label->setValue(30);
    ui.student_starting_up_checkBox->setChecked(true);
    ui.student_face_detect_checkBox->setChecked(false);
    ui.student_ptz_pano_detect_checkBox->setChecked(false);
    ui.student_pano_switch_checkBox->setChecked(true);
    ui.director_time_pano_delay_label->setValue(2);
    mark_changed();
}

void StudentTab::slider_moved(SliderText &value, QLabel *label, const QString &text)
{
    value.text = text;
    label->setText(value.text);
}

void StudentTab::slider_value_changed(SliderText &value, QLabel *label, int position, const QString &text)
{
    value = {text, position};
    label->setText(value.text);
    mark_apply_unless_loading(m_loading_config, ui.student_apply_Button);
}

void StudentTab::on_student_sensitivity_Slider_sliderMoved(int value)
{
    slider_moved(m_values.pano_sensitivity, ui.student_sensitivity_label, slider_text::number_text(value));
}
void StudentTab::on_student_sensitivity_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.pano_sensitivity, ui.student_sensitivity_label, value,
                         slider_text::number_text(value));
}
void StudentTab::on_student_objectsize_Slider_sliderMoved(int value)
{
    slider_moved(m_values.pano_object_size, ui.student_objectsize_label, slider_text::size_text(value));
}
void StudentTab::on_student_objectsize_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.pano_object_size, ui.student_objectsize_label, value, slider_text::size_text(value));
}
void StudentTab::on_student_panOffset_Slider_sliderMoved(int value)
{
    slider_moved(m_values.pano_pan_offset, ui.student_panOffset_label, slider_text::offset_text(value));
}
void StudentTab::on_student_panOffset_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.pano_pan_offset, ui.student_panOffset_label, value, slider_text::offset_text(value));
}
void StudentTab::on_student_tiltOffset_Slider_sliderMoved(int value)
{
    slider_moved(m_values.pano_tilt_offset, ui.student_tiltOffset_label, slider_text::offset_text(value));
}
void StudentTab::on_student_tiltOffset_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.pano_tilt_offset, ui.student_tiltOffset_label, value,
                         slider_text::offset_text(value));
}
void StudentTab::on_student_target_lost_timeout_Slider_sliderMoved(int value)
{
    slider_moved(m_values.time_delay, ui.student_target_lost_timeout_label, slider_text::number_text(value));
}
void StudentTab::on_student_target_lost_timeout_Slider_valueChanged(int value)
{
    slider_value_changed(m_values.time_delay, ui.student_target_lost_timeout_label, value,
                         slider_text::number_text(value));
}

void StudentTab::on_student_feature_continue_time_label_valueChanged(const QString &)
{
    mark_apply_unless_loading(m_loading_config, ui.student_apply_Button);
}

// Typed by hand or put in by the installation-position dialog; marks the tab in every case.
void StudentTab::on_student_camera_height_lineEdit_textChanged(const QString &) { mark_changed(); }
