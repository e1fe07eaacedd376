#include "tabs/board_tab.h"

#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/parameter_reply.h"
#include "seams/message_box.h"
#include "support/apply_mark.h"
#include "support/value_widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

#include <initializer_list>

using camera_slot::Side;
using camera_slot::Slot;
using namespace value_widgets;

BoardTab::BoardTab(const Widgets &widgets, BoardSection &values, const CameraSlots &cameras, const CameraPorts &ports,
                   ControlLink &link, const bool &loading_config, QWidget *window)
    : ui(widgets)
    , m_values(values)
    , m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_loading_config(loading_config)
    , m_window(window)
{
    keep_values();
    connect(ui.board_default_Button, &QPushButton::clicked, this, &BoardTab::on_board_default_Button_clicked);
    connect(ui.board_sensitivity_Slider, &QSlider::sliderMoved, this,
            &BoardTab::on_board_sensitivity_Slider_sliderMoved);
    connect(ui.board_sensitivity_Slider, &QSlider::valueChanged, this,
            &BoardTab::on_board_sensitivity_Slider_valueChanged);
    connect(ui.board_target_lost_timeout_Slider, &QSlider::sliderMoved, this,
            &BoardTab::on_board_target_lost_timeout_Slider_sliderMoved);
    connect(ui.board_target_lost_timeout_Slider, &QSlider::valueChanged, this,
            &BoardTab::on_board_target_lost_timeout_Slider_valueChanged);
    connect(ui.board_enable_checkBox, &QCheckBox::stateChanged, this, &BoardTab::on_board_enable_checkBox_stateChanged);
    // The text overload is the one the slot took by name; it comes with every value change.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    connect(ui.board_lost_pano_delay_label, qOverload<const QString &>(&QSpinBox::valueChanged), this,
            &BoardTab::on_board_lost_pano_delay_label_valueChanged);
    QT_WARNING_POP
    connect(ui.board_apply_Button, &QPushButton::clicked, this, &BoardTab::on_board_apply_Button_clicked);
    connect(ui.board_obtain_Button, &QPushButton::clicked, this, &BoardTab::on_board_obtain_Button_clicked);
    connect(ui.board_sensitivity_Slider, &QSlider::sliderPressed, this,
            &BoardTab::on_board_sensitivity_Slider_sliderPressed);
    connect(ui.board_target_lost_timeout_Slider, &QSlider::sliderPressed, this,
            &BoardTab::on_board_target_lost_timeout_Slider_sliderPressed);
    connect(ui.board_multi_object_pano_one_radioButton, &QRadioButton::clicked, this,
            &BoardTab::on_board_multi_object_pano_one_radioButton_clicked);
    connect(ui.board_multi_object_pano_two_radioButton, &QRadioButton::clicked, this,
            &BoardTab::on_board_multi_object_pano_two_radioButton_clicked);
    connect(ui.board_lose_object_pano_one_radioButton, &QRadioButton::clicked, this,
            &BoardTab::on_board_lose_object_pano_one_radioButton_clicked);
    connect(ui.board_lose_object_pano_two_radioButton, &QRadioButton::clicked, this,
            &BoardTab::on_board_lose_object_pano_two_radioButton_clicked);
    connect(ui.board_enable_checkBox, &QCheckBox::clicked, this, &BoardTab::on_board_enable_checkBox_clicked);
    connect(ui.board_enable_checkBox_2, &QCheckBox::clicked, this, &BoardTab::on_board_enable_checkBox_2_clicked);
}

bool BoardTab::board_pano_connected() const { return m_slots[Slot::BoardPano].udp_flag; }

void BoardTab::keep_values()
{
    // The form's labels and sliders as they start; their slots keep them from here on.
    m_values.pano_sensitivity = {ui.board_sensitivity_label->text(), ui.board_sensitivity_Slider->value()};
    m_values.time_delay = {ui.board_target_lost_timeout_label->text(), ui.board_target_lost_timeout_Slider->value()};
    keep_checked(this, ui.board_enable_checkBox, m_values.feature_enable);
    keep_checked(this, ui.board_enable_checkBox_2, m_values.feature1_enable);
    keep_value(this, ui.board_lost_pano_delay_label, m_values.lost_to_pano_delay);
    keep_checked_index(this, {ui.board_multi_object_pano_one_radioButton, ui.board_multi_object_pano_two_radioButton},
                       m_values.multi_object_strategy);
    keep_checked_index(this, {ui.board_lose_object_pano_one_radioButton, ui.board_lose_object_pano_two_radioButton},
                       m_values.losing_object_strategy);
    m_values.feature_version = ui.board_version_feature_info_label->text();
    m_values.pano_version = ui.board_version_pano_info_label->text();
}

void BoardTab::show_applied() { ui.board_apply_Button->setText(tr("Apply")); }

void BoardTab::mark_changed() { mark_apply(ui.board_apply_Button); }

void BoardTab::mark_side_changed(camera_slot::Side side)
{
    if (side == camera_slot::Side::Board)
        mark_changed();
}

void BoardTab::enable_group_controls(int camera, bool enable)
{
    if (camera != 2)
        return;
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui.board_sensitivity_Slider, ui.board_sensitivity_label, ui.board_target_lost_timeout_Slider,
             ui.board_target_lost_timeout_label, ui.board_enable_checkBox, ui.board_enable_checkBox_2,
             ui.board_multi_object_pano_one_radioButton, ui.board_lose_object_pano_one_radioButton,
             ui.board_multi_object_pano_two_radioButton, ui.board_lose_object_pano_two_radioButton,
             ui.board_obtain_Button, ui.board_apply_Button, ui.board_default_Button})
        w->setEnabled(enable);
}

void BoardTab::disable_board_controls()
{
    for (QWidget *w : {ui.groupBox_23, ui.groupBox_24, ui.groupBox_25, ui.groupBox_26})
        w->setEnabled(false);
}

void BoardTab::show_board_view(bool two_boards)
{
    ui.board_feature_ip_label->setText(two_boards ? tr("Board 1") : tr("Board IP"));
    ui.board_enable_checkBox->setText(two_boards ? tr("Enable 1") : tr("Enable"));
    ui.board_2_connect_widget->setVisible(two_boards);
    ui.board_2_ptz_widget->setVisible(two_boards);
    ui.board_2_preset_widget->setVisible(two_boards);
    ui.board_enable_checkBox_2->setVisible(two_boards);
    ui.board_enable_checkBox_2->setChecked(two_boards);
}

void BoardTab::retranslate(int camera_layout)
{
    if (camera_layout == 3) {
        ui.board_feature_ip_label->setText(tr("Board 1"));
        ui.board_enable_checkBox->setText(tr("Enable 1"));
    }
}

// ---------------------------------------------------------------------------
// Apply and Obtain, through the teacher pano camera

void BoardTab::on_board_apply_Button_clicked()
{
    qDebug() << "udp_board_feature_flag=" << (m_slots[Slot::BoardFeature].udp_flag ? "true" : "false");
    const QString text =
        board_parameters::apply_block(m_values, m_slots[Slot::BoardFeature].field_text,
                                      m_slots[Slot::BoardPano].field_text);
    qDebug().noquote() << "Send_buff:" << text;

    if (!m_slots[Slot::TeacherPano].udp_flag) {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the teacher pano camera"));
        return;
    }
    emit request_armed(request_poller::Kind::TeacherApply, false);
    m_link.sendMsg_Net(m_slots[Slot::TeacherPano].destination, m_ports.udp_port(Side::Teacher), text, false);
    ui.board_apply_Button->setText(tr("Apply"));
}

// Sent whether or not the teacher pano camera is connected: without it the send path has no
// destination and the armed request ends in "teacher obtain fail".
void BoardTab::on_board_obtain_Button_clicked()
{
    const QString text = board_parameters::obtain_block();
    qDebug().noquote() << "BoardObtain:" << text;
    m_link.sendMsg_Net(m_slots[Slot::TeacherPano].destination, m_ports.udp_port(Side::Teacher), text, false);
    emit request_armed(request_poller::Kind::TeacherObtain, false);
    ui.board_apply_Button->setText(tr("Apply"));
}

// ---------------------------------------------------------------------------
// The board pano camera's block

void BoardTab::show_relayed_keys(const board_parameters::RelayReading &reading)
{
    board_parameters::fill(m_values, reading);
    if (reading.feature_enable)
        ui.board_enable_checkBox->setChecked(m_values.feature_enable);
    if (reading.feature1_enable)
        ui.board_enable_checkBox_2->setChecked(m_values.feature1_enable);
    if (reading.lost_to_pano_delay)
        show_value(ui.board_lost_pano_delay_label, m_values.lost_to_pano_delay);
}

void BoardTab::read_board_section(const QString &text)
{
    const board_parameters::PanoReading r = board_parameters::read_pano_block(text, &board_region_coord);
    board_parameters::fill(m_values, r);
    if (!r.sensitivity.isNull())
        show_slider(m_values.pano_sensitivity, ui.board_sensitivity_label, ui.board_sensitivity_Slider);
    if (!r.time_delay.isNull())
        show_slider(m_values.time_delay, ui.board_target_lost_timeout_label, ui.board_target_lost_timeout_Slider);
    if (r.multi_object_strategy)
        show_checked_index({ui.board_multi_object_pano_one_radioButton, ui.board_multi_object_pano_two_radioButton},
                           m_values.multi_object_strategy);
    if (r.losing_object_strategy)
        show_checked_index({ui.board_lose_object_pano_one_radioButton, ui.board_lose_object_pano_two_radioButton},
                           m_values.losing_object_strategy);
    restore_board_region();
    if (!r.feature_version.isNull())
        ui.board_version_feature_info_label->setText(m_values.feature_version);
    if (!r.pano_version.isNull())
        ui.board_version_pano_info_label->setText(m_values.pano_version);
}

void BoardTab::show_stored()
{
    // In the order of the settings file's rows.
    show_slider(m_values.pano_sensitivity, ui.board_sensitivity_label, ui.board_sensitivity_Slider);
    show_slider(m_values.time_delay, ui.board_target_lost_timeout_label, ui.board_target_lost_timeout_Slider);
    ui.board_enable_checkBox->setChecked(m_values.feature_enable);
    show_checked_index({ui.board_multi_object_pano_one_radioButton, ui.board_multi_object_pano_two_radioButton},
                       m_values.multi_object_strategy);
    show_checked_index({ui.board_lose_object_pano_one_radioButton, ui.board_lose_object_pano_two_radioButton},
                       m_values.losing_object_strategy);
}

void BoardTab::restore_board_region()
{
    using namespace board_parameters;
    board_areas.board_track_flag = true;
    const WindowArea track = window_area(board_region_coord.track);
    board_areas.board_track_start = track.top_left;
    board_areas.board_track_end = track.bottom_right;

    for (int i = 0; i < kShieldCount; ++i) {
        board_areas.board_shield_drawn[i] = true;
        const WindowArea shield = window_area(board_region_coord.shields[i]);
        board_areas.board_shield_start[i] = shield.top_left;
        board_areas.board_shield_end[i] = shield.bottom_right;
    }
    // The boxes and the shields shown follow the reply's switches; the preview is drawn again.
    emit shields_read(board_region_coord.pano_shield_enable);
}

BoardTab::Preview BoardTab::preview() const
{
    Preview p;
    p.track_known = board_areas.board_track_flag;
    p.track = {board_areas.board_track_start, board_areas.board_track_end};
    for (int i = 0; i < board_parameters::kShieldCount; ++i) {
        p.shields[i] = {board_areas.board_shield_start[i], board_areas.board_shield_end[i]};
        p.shield_drawn[i] = board_areas.board_shield_drawn[i];
        p.shield_visible[i] = board_areas.board_shield_visible[i];
    }
    return p;
}

bool BoardTab::board_tracking_status_changed(const parameter_reply::StatusPart &part)
{
    // Both words in one answer end in the stopped state.
    const int reported = part.stop ? 2 : (part.start ? 1 : 3);
    if (reported == board_reported_track_status) {
        qDebug() << "board tracking status unchanged:" << reported;
        return false;
    }
    board_reported_track_status = reported;
    return true;
}

void BoardTab::forget_board_tracking_status() { board_reported_track_status = 0; }

// ---------------------------------------------------------------------------
// Default

void BoardTab::on_board_default_Button_clicked()
{
    m_values.pano_sensitivity = {QStringLiteral("4"), 4};
    show_slider(m_values.pano_sensitivity, ui.board_sensitivity_label, ui.board_sensitivity_Slider);
    m_values.time_delay = {QStringLiteral("3"), 3};
    show_slider(m_values.time_delay, ui.board_target_lost_timeout_label, ui.board_target_lost_timeout_Slider);
    ui.board_enable_checkBox->setChecked(true);
    // A connected camera keeps the address it was reached at.
    emit default_addresses_wanted(Side::Board);
    ui.board_multi_object_pano_one_radioButton->setChecked(true);
    ui.board_multi_object_pano_two_radioButton->setChecked(false);
    ui.board_lose_object_pano_one_radioButton->setChecked(true);
    ui.board_lose_object_pano_two_radioButton->setChecked(false);
    ui.board_lost_pano_delay_label->setValue(30);
    mark_apply(ui.board_apply_Button);
}

// ---------------------------------------------------------------------------
// Slider labels and change marks

void BoardTab::on_board_sensitivity_Slider_sliderMoved(int value)
{
    m_values.pano_sensitivity.text = slider_text::number_text(value);
    ui.board_sensitivity_label->setText(m_values.pano_sensitivity.text);
}

void BoardTab::on_board_sensitivity_Slider_valueChanged(int value)
{
    m_values.pano_sensitivity.position = value;
    on_board_sensitivity_Slider_sliderMoved(value);
    mark_apply_unless_loading(m_loading_config, ui.board_apply_Button);
}

void BoardTab::on_board_target_lost_timeout_Slider_sliderMoved(int value)
{
    m_values.time_delay.text = slider_text::number_text(value);
    ui.board_target_lost_timeout_label->setText(m_values.time_delay.text);
}

void BoardTab::on_board_target_lost_timeout_Slider_valueChanged(int value)
{
    m_values.time_delay.position = value;
    on_board_target_lost_timeout_Slider_sliderMoved(value);
    mark_apply_unless_loading(m_loading_config, ui.board_apply_Button);
}

// A change of the board camera switches while the board pano camera is connected reads
// "Apply"; a click on the box (its clicked slot) then adds the star.
void BoardTab::on_board_enable_checkBox_stateChanged(int)
{
    if (board_pano_connected())
        ui.board_apply_Button->setText(tr("Apply"));
}

void BoardTab::on_board_lost_pano_delay_label_valueChanged(const QString &)
{
    if (board_pano_connected())
        ui.board_apply_Button->setText(tr("Apply"));
}

void BoardTab::on_board_sensitivity_Slider_sliderPressed() { mark_apply(ui.board_apply_Button); }
void BoardTab::on_board_target_lost_timeout_Slider_sliderPressed() { mark_apply(ui.board_apply_Button); }
void BoardTab::on_board_multi_object_pano_one_radioButton_clicked() { mark_apply(ui.board_apply_Button); }
void BoardTab::on_board_multi_object_pano_two_radioButton_clicked() { mark_apply(ui.board_apply_Button); }
void BoardTab::on_board_lose_object_pano_one_radioButton_clicked() { mark_apply(ui.board_apply_Button); }
void BoardTab::on_board_lose_object_pano_two_radioButton_clicked() { mark_apply(ui.board_apply_Button); }

// The box's state change ("Apply") comes before its click, so a click ends marked.
void BoardTab::on_board_enable_checkBox_clicked(bool)
{
    if (board_pano_connected())
        mark_apply(ui.board_apply_Button);
}

void BoardTab::on_board_enable_checkBox_2_clicked()
{
    if (board_pano_connected())
        mark_apply(ui.board_apply_Button);
}
