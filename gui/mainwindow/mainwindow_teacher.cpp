// The teacher tracking parameters: Apply, Obtain, the teacher key table of a reply, and the
// "Apply(*)" marks of the tab's controls.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "protocol/camera_address.h"
#include "protocol/parameter_block.h"
#include "protocol/reply_values.h"
#include "protocol/teacher_parameters.h"
#include "settings/config_values.h"

#include <QCheckBox>
#include <QDebug>
#include <QHostAddress>
#include <QJsonDocument>
#include <QLabel>
#include <QMetaMethod>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <initializer_list>

namespace {
constexpr int kObtainReplyWaitMs = 500; // the block's answer usually comes within this wait
constexpr int kFocusReplyWaitMs = 800;  // and the focus-mode answer within this one
constexpr int kLecternPostWaitMs = 500; // the server settings reach the camera before the area

// The index of the first checked button, or -1.
int checked_index(std::initializer_list<const QRadioButton *> buttons)
{
    int i = 0;
    for (const QRadioButton *b : buttons) {
        if (b->isChecked())
            return i;
        ++i;
    }
    return -1;
}

void set_label_and_slider(QLabel *label, QSlider *slider, const QString &text, int position)
{
    label->setText(text);
    slider->setValue(position);
}
} // namespace

void MainWindow::run_named_handler(const char *name, bool argument)
{
    const QByteArray withArgument = QByteArray(name) + "(bool)";
    const QByteArray withoutArgument = QByteArray(name) + "()";
    if (metaObject()->indexOfMethod(withArgument.constData()) >= 0)
        QMetaObject::invokeMethod(this, name, Qt::DirectConnection, Q_ARG(bool, argument));
    else if (metaObject()->indexOfMethod(withoutArgument.constData()) >= 0)
        QMetaObject::invokeMethod(this, name, Qt::DirectConnection);
    else
        qDebug() << "MainWindow: no handler" << name;
}

// ---------------------------------------------------------------------------
// Apply

QString MainWindow::teacher_apply_text()
{
    // A camera that reported one distance only leaves the close-up label empty; it goes with
    // the panorama distance rather than as an empty value.
    if (ui->teacher_fea_distance_label->text().isEmpty())
        ui->teacher_fea_distance_label->setText(ui->teacher_distance_label->text());

    teacher_parameters::ApplyValues v;
    v.feature_camera_ip = recorder_port_map_enabled ? ui->recorder_teacher_ip_Edit->text()
                                                    : camera_address::address_part(ui->teacher_feature_IP_Edit->text());
    v.pano_sensitivity = ui->teacher_sensitivity_label->text();
    v.feature_distance = ui->teacher_fea_distance_label->text();
    v.pano_distance = ui->teacher_distance_label->text();
    v.pano_pan_offset = ui->teacher_panOffset_label->text();
    v.pano_tilt_offset = ui->teacher_tiltOffset_label->text();
    v.losing_object_strategy = checked_index({ui->teacher_none_action_radioButton, ui->teacher_pano_action_radioButton,
                                              ui->teacher_platform_action_radioButton,
                                              ui->teacher_student_pano_action_radioButton});
    v.multi_object_strategy =
        checked_index({ui->teacher_feature_location_radioButton, ui->teacher_return_pano_action_radioButton});
    v.tracking_mode = checked_index({ui->other_mode_radioButton, ui->follow_mode_radioButton,
                                     ui->binocular_mode_radioButton, ui->mixed_mode_radioButton,
                                     ui->board_pano_mode_radioButton, ui->lectern_mode_radioButton});
    v.time_to_pano_delay = QString::number(ui->teacher_target_lost_delay_label->value());
    v.time_lost_delay = QString::number(ui->teacher_hold_time_label->value());
    v.ptzspeed_level = ui->teacher_ptzspeed_level->text();
    teacher_ptzspeed_value = reply_values::number(v.ptzspeed_level);
    v.board_detect_enable = ui->teacher_board_enable_checkBox->isChecked();
    v.board_face_enable = ui->teacher_board_face_enable_checkBox->isChecked();
    v.board_hand_enable = ui->teacher_board_hand_enable_checkBox->isChecked();
    v.board_detect_time = ui->teacher_board_detect_label->text();
    v.board_continue_time = ui->teacher_board_hold_label->text();
    v.board_lose_time = ui->teacher_board_lose_label->text();
    v.board_face_interval_time = ui->teacher_board_space_label->text();
    v.auto_tracking = ui->teacher_starting_up_checkBox->isChecked();
    v.feature_persontrack = ui->teacher_feature_persontrack_comboBox->currentIndex() == 1;
    v.manual_focus = ui->teacher_manual_focus_checkBox->isChecked();
    v.auto_tilt = ui->teacher_vertical_movement_checkBox->isChecked();
    v.feature_realtime_track = ui->teacher_feature_tracking_checkBox->isChecked();
    const bool m19 = teacher_feature_device_model == QLatin1String("M19");
    if (m19)
        v.boardsnap_entry = ui->teacher_board_effect_list->currentIndex();

    // A lectern-mode M19 that has not reported a snapshot region gets its feature area there.
    std::optional<region_geometry::RegionRect> snapshot_fallback;
    if (m19 && ui->lectern_mode_radioButton->isChecked())
        snapshot_fallback = teacher_parameters::lectern_area(teacher_region_rects().feature);

    const QString text = teacher_parameters::apply_block(v, teacher_apply_regions(), snapshot_fallback);
    qDebug().noquote() << text;
    return text;
}

void MainWindow::post_lectern_effect_area()
{
    post_tracking_server();
    wait_ms(kLecternPostWaitMs);
    const region_geometry::RegionRect area = teacher_parameters::lectern_area(teacher_region_rects().feature);
    post_effect_area(area.x, area.y, area.w, area.h);
}

void MainWindow::on_teacher_apply_Button_clicked()
{
    if (!udp_teacher_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    collect_region_rects();
    if (teacher_feature_device_model == QLatin1String("M19") && ui->lectern_mode_radioButton->isChecked()) {
        post_lectern_effect_area();
        // The camera may have gone while the post waited.
        if (!udp_teacher_pano_flag || !teacher_pano_destination) {
            msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
            return;
        }
    }
    const QString text = teacher_apply_text();
    parameter_requests->arm(request_poller::Kind::TeacherApply);
    sendMsg_Net(teacher_pano_destination, teacher_udp_port, text, false);
    ui->teacher_apply_Button->setText(tr("Apply"));
}

// ---------------------------------------------------------------------------
// Obtain

void MainWindow::on_teacher_obtain_Button_clicked() { teacher_obtain(false); }

void MainWindow::teacher_obtain(bool silent)
{
    if (!udp_teacher_pano_flag || !teacher_pano_destination) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    const QString text = teacher_parameters::obtain_block();
    qDebug().noquote() << text;
    sendMsg_Net(teacher_pano_destination, teacher_udp_port, text, false);
    parameter_requests->arm(request_poller::Kind::TeacherObtain, silent);
    // The regions of the answer are drawn afresh.
    set_teacher_region_redraw_pending(true);
    clear_region_scene();
    wait_ms(kObtainReplyWaitMs);
    const QString inquiry = teacher_parameters::focus_inquiry(teacher_pano_device_model);
    if (!inquiry.isEmpty() && udp_teacher_pano_flag && teacher_pano_destination)
        sendMsg_Net(teacher_pano_destination, teacher_visca_port, inquiry, true);
    wait_ms(kFocusReplyWaitMs);
}

// ---------------------------------------------------------------------------
// The teacher key table of a reply

void MainWindow::read_teacher_section(const QString &t)
{
    using parameter_block::one_char_value;
    using parameter_block::value;
    using reply_values::number;
    namespace tp = teacher_parameters;
    const auto one = [&t](const char *key) { return one_char_value(t, QLatin1String(key)); };
    const auto line = [&t](const char *key) { return value(t, QLatin1String(key)); };

    QString v;
    if (!(v = one("pano_sensitivity")).isNull())
        set_label_and_slider(ui->teacher_sensitivity_label, ui->teacher_sensitivity_Slider, v, number(v));
    if (!(v = line("feature_distance")).isNull())
        set_label_and_slider(ui->teacher_fea_distance_label, ui->teacher_fea_distance_Slider, v,
                             config::distance_position(v));
    if (!(v = line("pano_distance")).isNull())
        set_label_and_slider(ui->teacher_distance_label, ui->teacher_distance_Slider, v, config::distance_position(v));
    // A camera that reports one distance fills both.
    if (ui->teacher_fea_distance_label->text().isEmpty())
        ui->teacher_fea_distance_label->setText(ui->teacher_distance_label->text());
    if (!(v = line("pano_pan_offset")).isNull())
        set_label_and_slider(ui->teacher_panOffset_label, ui->teacher_panOffset_Slider, v,
                             reply_values::offset_position(v));
    if (!(v = line("pano_tilt_offset")).isNull())
        set_label_and_slider(ui->teacher_tiltOffset_label, ui->teacher_tiltOffset_Slider, v,
                             reply_values::offset_position(v));

    if (const auto i = tp::losing_strategy_index(line("losing_object_strategy"))) {
        QRadioButton *const buttons[] = {ui->teacher_none_action_radioButton, ui->teacher_pano_action_radioButton,
                                         ui->teacher_platform_action_radioButton,
                                         ui->teacher_student_pano_action_radioButton};
        buttons[*i]->setChecked(true);
    }
    if (const auto i = tp::multi_strategy_index(one("multi_object_strategy"))) {
        QRadioButton *const buttons[] = {ui->teacher_feature_location_radioButton,
                                         ui->teacher_return_pano_action_radioButton};
        buttons[*i]->setChecked(true);
    }
    if (const auto i = tp::tracking_mode_index(one("tracking_mode"))) {
        QRadioButton *const buttons[] = {ui->other_mode_radioButton,      ui->follow_mode_radioButton,
                                         ui->binocular_mode_radioButton,  ui->mixed_mode_radioButton,
                                         ui->board_pano_mode_radioButton, ui->lectern_mode_radioButton};
        // Binocular and mixed share the follow mode's handler.
        const char *const handlers[] = {"on_other_mode_radioButton_clicked",      "on_follow_mode_radioButton_clicked",
                                        "on_follow_mode_radioButton_clicked",     "on_follow_mode_radioButton_clicked",
                                        "on_board_pano_mode_radioButton_clicked", "on_lectern_mode_radioButton_clicked"};
        buttons[*i]->setChecked(true);
        run_named_handler(handlers[*i], true);
    }
    if (!(v = line("time_to_pano_delay")).isNull())
        ui->teacher_target_lost_delay_label->setValue(number(v));
    if (!(v = line("time_lost_delay")).isNull())
        ui->teacher_hold_time_label->setValue(number(v));

    const struct {
        const char *key;
        QLabel *label;
        QSlider *slider;
    } boardTimes[] = {
        {"board_detect_time", ui->teacher_board_detect_label, ui->teacher_board_detect_Slider},
        {"board_continue_time", ui->teacher_board_hold_label, ui->teacher_board_hold_Slider},
        {"board_lose_time", ui->teacher_board_lose_label, ui->teacher_board_lose_Slider},
        {"board_face_interval_time", ui->teacher_board_space_label, ui->teacher_board_space_Slider},
    };
    for (const auto &row : boardTimes) {
        if (!(v = line(row.key)).isNull())
            set_label_and_slider(row.label, row.slider, v, number(v));
    }
    const struct {
        const char *key;
        QCheckBox *box;
    } boardEnables[] = {
        {"board_detect_enable", ui->teacher_board_enable_checkBox},
        {"board_face_enable", ui->teacher_board_face_enable_checkBox},
        {"board_hand_enable", ui->teacher_board_hand_enable_checkBox},
    };
    for (const auto &row : boardEnables) {
        if (!(v = one(row.key)).isNull())
            row.box->setChecked(reply_values::one_checks(v));
    }
    if (!(v = one("config_switch")).isNull()) {
        const QSignalBlocker quiet(ui->teacher_config_comboBox);
        ui->teacher_config_comboBox->setCurrentIndex(tp::config_switch_index(v));
    }
    if (!(v = one("feature_persontrack_mode")).isNull())
        ui->teacher_feature_persontrack_comboBox->setCurrentIndex(tp::persontrack_index(v));
    if (const auto on = reply_values::zero_one(one("auto_tracking")))
        ui->teacher_starting_up_checkBox->setChecked(*on);
    if (!(v = one("manual_focus")).isNull()) {
        if (const auto on = reply_values::zero_one(v))
            ui->teacher_manual_focus_checkBox->setChecked(*on);
        // The two-camera layout has no separate close-up camera to focus by hand.
        ui->teacher_manual_focus_checkBox->setEnabled(tab_layout->camera_layout() != 0);
    }
    if (const auto on = reply_values::zero_one(one("auto_tilt")))
        ui->teacher_vertical_movement_checkBox->setChecked(*on);
    if (const auto entry = tp::boardsnap_entry(one("boardsnap_mode")))
        ui->teacher_board_effect_list->setCurrentIndex(*entry);
    if (const auto on = reply_values::zero_one(one("feature_realtime_track")))
        ui->teacher_feature_tracking_checkBox->setChecked(*on);
    if (!(v = line("ptzspeed_level")).isNull()) {
        // While the calibration view is on, the field holds the calibration's own speed.
        if (!ui->teacher_show_Calibration_checkBox->isChecked())
            ui->teacher_ptzspeed_level->setText(v);
        teacher_ptzspeed_value = number(v);
    }

    // The regions of an answer that carries them; a reply that only confirms an Apply would
    // otherwise put the previous answer's regions and enable strings over the installer's edits.
    const bool regions = tp::carries_region_keys(t);
    if (regions)
        tp::store_regions(t, teacher_region_coord());
    if (!(v = line("username")).isNull()) {
        web_username = v;
        qDebug() << "Web Username:" << web_username;
    }
    if (!(v = line("password")).isNull()) {
        web_password = v;
        qDebug() << "Web Password: (received, not logged)";
    }
    if (regions)
        parse_teacher_region_coord();

    if (!(v = line("feature_version")).isNull())
        ui->teacher_version_feature_info_label->setText(v);
    if (!(v = line("pano_version")).isNull()) {
        ui->teacher_version_pano_info_label->setText(v);
        run_named_handler("teacher_track_check", true);
        update_tab_enabled(true);
    }
    // The director follow-up of a status answer's obtain comes after the section (resolver_param).
    if (!(v = line("device_model")).isNull()) {
        qDebug() << "teacher device_model:" << v;
        teacher_customer_model_flag = false;
    }
}

// ---------------------------------------------------------------------------
// Marks: any change on the tab says it has not been applied yet.

void MainWindow::on_teacher_none_action_radioButton_clicked() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_pano_action_radioButton_clicked() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_platform_action_radioButton_clicked() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_student_pano_action_radioButton_clicked() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_starting_up_checkBox_clicked() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_manual_focus_checkBox_clicked() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_vertical_movement_checkBox_clicked() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_feature_tracking_checkBox_clicked() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_board_enable_checkBox_clicked() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_board_face_enable_checkBox_clicked() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_board_hand_enable_checkBox_clicked() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_sensitivity_Slider_sliderPressed() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_fea_distance_Slider_sliderPressed() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_distance_Slider_sliderPressed() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_panOffset_Slider_sliderPressed() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_tiltOffset_Slider_sliderPressed() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_board_detect_Slider_sliderPressed() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_board_hold_Slider_sliderPressed() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_board_lose_Slider_sliderPressed() { mark_apply(ui->teacher_apply_Button); }
void MainWindow::on_teacher_board_space_Slider_sliderPressed() { mark_apply(ui->teacher_apply_Button); }

// The effect list marks whenever its entry changes, during the settings load too.
void MainWindow::on_teacher_board_effect_list_currentIndexChanged(int index)
{
    qDebug() << "current Index:" << index;
    mark_apply(ui->teacher_apply_Button);
}
