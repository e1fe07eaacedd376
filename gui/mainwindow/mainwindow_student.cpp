// The student tracking parameters: Apply, Obtain, the calibration height, the student key table
// of a reply with its points, and the "Apply(*)" marks of the tab's controls.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "protocol/camera_address.h"
#include "protocol/parameter_block.h"
#include "protocol/reply_values.h"
#include "protocol/student_parameters.h"
#include "protocol/student_point_keys.h"
#include "protocol/teacher_parameters.h"
#include "settings/config_values.h"

#include <QCheckBox>
#include <QDebug>
#include <QHostAddress>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {
constexpr int kObtainReplyWaitMs = 500; // the block's answer usually comes within this wait
constexpr int kFocusReplyWaitMs = 800;  // and the focus-mode answer within this one

void set_label_and_slider(QLabel *label, QSlider *slider, const QString &text, int position)
{
    label->setText(text);
    slider->setValue(position);
}
} // namespace

// ---------------------------------------------------------------------------
// Apply

QString MainWindow::student_apply_text()
{
    student_parameters::ApplyValues v;
    v.feature_camera_ip = recorder_port_map_enabled ? ui->recorder_student_ip_Edit->text()
                                                    : camera_address::address_part(ui->student_feature_IP_Edit->text());
    v.pano_sensitivity = ui->student_sensitivity_label->text();
    v.pano_object_size = ui->student_objectsize_label->text();
    v.pano_height = ui->student_camera_height_lineEdit->text();
    v.pano_pan_offset = ui->student_panOffset_label->text();
    v.pano_tilt_offset = ui->student_tiltOffset_label->text();
    v.none_action = ui->student_none_action_radioButton->isChecked();
    v.eptz = ui->student_eptz_radioButton->isChecked();
    v.time_delay = ui->student_target_lost_timeout_label->text();
    v.return_pano = ui->student_return_pano_action_radioButton->isChecked();
    v.ptzspeed_level = ui->student_ptzspeed_level->text();
    student_ptzspeed_saved_level = reply_values::number(v.ptzspeed_level);
    v.pano_pan_speed = student_pano_pan_speed;
    v.response_time = student_response_time;
    v.feature_continue_max_time = QString::number(ui->student_feature_continue_time_label->value());
    v.time_to_pano_delay = QString::number(ui->director_time_pano_delay_label->value());
    v.auto_tracking = ui->student_starting_up_checkBox->isChecked();
    v.face_detect = ui->student_face_detect_checkBox->isChecked();
    v.pano_switch = ui->student_pano_switch_checkBox->isChecked();
    v.shield_checked = {ui->student_shield_one_checkBox->isChecked(), ui->student_shield_two_checkBox->isChecked(),
                        ui->student_shield_three_checkBox->isChecked(), ui->student_shield_four_checkBox->isChecked()};
    v.people_number = ui->people_number_lineEdit->text();
    v.designated_checked = ui->student_designated_region_checkBox->isChecked();
    v.forward_checked = ui->student_track_region_checkBox->isChecked();
    v.calibration_shown = student_calibration_widgets_shown;
    v.old_format = student_use_old_version_flag;
    const QString text = student_parameters::apply_block(v, student_points);
    qDebug().noquote() << text;
    return text;
}

void MainWindow::on_student_apply_Button_clicked()
{
    if (!udp_student_pano_flag || !student_pano_destination) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    const QString text = student_apply_text();
    parameter_requests->arm(request_poller::Kind::StudentApply);
    sendMsg_Net(student_pano_destination, student_udp_port, text, false);
    ui->student_apply_Button->setText(tr("Apply"));
}

// ---------------------------------------------------------------------------
// Obtain and the calibration height

void MainWindow::on_student_obtain_Button_clicked() { student_obtain(false); }

void MainWindow::student_obtain(bool silent)
{
    if (!udp_student_pano_flag || !student_pano_destination) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    const QString text = student_parameters::obtain_block();
    qDebug().noquote() << text;
    sendMsg_Net(student_pano_destination, student_udp_port, text, false);
    parameter_requests->arm(request_poller::Kind::StudentObtain, silent);
    wait_ms(kObtainReplyWaitMs);
    const QString inquiry = teacher_parameters::focus_inquiry(student_pano_device_model);
    if (!inquiry.isEmpty() && udp_student_pano_flag && student_pano_destination)
        sendMsg_Net(student_pano_destination, student_visca_port, inquiry, true);
    wait_ms(kFocusReplyWaitMs);
}

void MainWindow::on_student_calibration_comboBox_currentIndexChanged(const QString &text)
{
    qDebug() << "MainWindow::pano_calibrate_height:" << text;
    if (!udp_student_pano_flag || !student_pano_destination) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    const QString block = student_parameters::calibration_height_block(text);
    qDebug().noquote() << "MainWindow:: sendMsg:" << block;
    sendMsg_Net(student_pano_destination, student_udp_port, block, false);
}

void MainWindow::on_student_pos_calibration_region_checkBox_stateChanged(int state)
{
    ui->student_calibrate_area_toolButton->setEnabled(state != 0);
}

void MainWindow::set_student_calibration_widgets_visible(bool visible)
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->student_pos_calibration_region_radioButton, ui->student_pos_calibration_region_checkBox,
             ui->student_calibrate_area_toolButton, ui->student_calibration_comboBox})
        w->setVisible(visible);
}

// ---------------------------------------------------------------------------
// The student key table of a reply

void MainWindow::resolve_student_autocalibrate_status(const QString &value)
{
    qDebug() << "student_autocalibrate_status:" << value;
    if (value.contains(QLatin1String("fail"))) {
        emit autocalibrate_update_fail();
        return;
    }
    // The pass changed the camera's points: read them back and tell the calibration dialog.
    student_obtain(true);
}

void MainWindow::read_student_section(const QString &t)
{
    using parameter_block::one_char_value;
    using parameter_block::value;
    using reply_values::number;
    const auto one = [&t](const char *key) { return one_char_value(t, QLatin1String(key)); };
    const auto line = [&t](const char *key) { return value(t, QLatin1String(key)); };

    QString v;
    if (!(v = one("pano_sensitivity")).isNull())
        set_label_and_slider(ui->student_sensitivity_label, ui->student_sensitivity_Slider, v, number(v));
    if (!(v = line("pano_object_size")).isNull())
        set_label_and_slider(ui->student_objectsize_label, ui->student_objectsize_Slider, v, config::size_position(v));
    if (!(v = line("pano_height")).isNull())
        ui->student_camera_height_lineEdit->setText(v);
    if (!(v = line("pano_length")).isNull())
        ui->student_camera_length_lineEdit->setText(v);
    if (!(v = line("pano_camera_height")).isNull())
        ui->student_object_height_lineEdit->setText(v);
    if (!(v = line("pano_pan_offset")).isNull())
        set_label_and_slider(ui->student_panOffset_label, ui->student_panOffset_Slider, v,
                             reply_values::offset_position(v));
    if (!(v = line("pano_tilt_offset")).isNull())
        set_label_and_slider(ui->student_tiltOffset_label, ui->student_tiltOffset_Slider, v,
                             reply_values::offset_position(v));
    if (const auto eptz = reply_values::zero_one(one("eptz_mode")))
        (*eptz ? ui->student_eptz_radioButton : ui->student_cutout_radioButton)->setChecked(true);
    if (const auto pano = reply_values::zero_one(one("losing_object_strategy")))
        (*pano ? ui->student_pano_one_action_radioButton : ui->student_none_action_radioButton)->setChecked(true);
    if (!(v = line("time_delay")).isNull())
        set_label_and_slider(ui->student_target_lost_timeout_label, ui->student_target_lost_timeout_Slider, v,
                             number(v));
    v = one("multi_object_strategy");
    if (v == QLatin1String("1"))
        ui->student_small_pano_radioButton->setChecked(true);
    else if (v == QLatin1String("2"))
        ui->student_return_pano_action_radioButton->setChecked(true);
    if (!(v = line("pan_speed")).isNull()) {
        student_pano_pan_speed = v;
        qDebug() << "pan_speed:" << v;
    }
    if (!(v = line("response_time")).isNull()) {
        student_response_time = v;
        qDebug() << "response_time :" << v;
    }
    if (!(v = line("feature_continue_max_time")).isNull())
        ui->student_feature_continue_time_label->setValue(number(v));
    if (!(v = line("time_to_pano_delay")).isNull())
        ui->director_time_pano_delay_label->setValue(number(v));
    if (!(v = one("config_switch")).isNull()) {
        const QSignalBlocker quiet(ui->student_config_comboBox);
        ui->student_config_comboBox->setCurrentIndex(teacher_parameters::config_switch_index(v));
    }
    if (const auto on = reply_values::zero_one(one("auto_tracking")))
        ui->student_starting_up_checkBox->setChecked(*on);
    if (const auto on = reply_values::zero_one(one("face_detect")))
        ui->student_face_detect_checkBox->setChecked(*on);
    if (const auto on = reply_values::zero_one(one("pano_switch")))
        ui->student_pano_switch_checkBox->setChecked(*on);
    if (!(v = line("ptzspeed_level")).isNull()) {
        qDebug() << "ptzspeed_level=" << v;
        // While the calibration view is on, the field holds the calibration's own speed.
        if (!ui->student_show_Calibration_checkBox->isChecked())
            ui->student_ptzspeed_level->setText(v);
        student_ptzspeed_saved_level = number(v);
    }

    if (!(v = line("pano_designated_number_of_people")).isNull())
        ui->people_number_lineEdit->setText(v);
    StudentReplyKeys carried = student_point_keys::store_reply_points(t, student_points, student_region_coord);
    const struct {
        const char *key;
        QString *field;
        bool *carried;
    } enables[] = {
        {"pano_student_forward_enable", &student_region_coord.pano_student_forward_enable, &carried.forward_enable},
        {"pano_designated_enable", &student_region_coord.pano_designated_enable, &carried.designated_enable},
        {"pano_shield_enable", &student_region_coord.pano_shield_enable, &carried.shield_enable},
        {"pano_calibrate_enable", &student_region_coord.pano_calibrate_enable, &carried.calibrate_enable},
    };
    for (const auto &row : enables) {
        if (!(v = line(row.key)).isNull()) {
            *row.field = v;
            *row.carried = true;
        }
    }
    if (!(v = line("pano_calibrate_height")).isNull()) {
        qDebug() << "MainWindow::pano_calibrate_height[0]:" << v;
        // The camera reports what it holds; the choice's own slot would send it straight back.
        const QSignalBlocker quiet(ui->student_calibration_comboBox);
        ui->student_calibration_comboBox->setCurrentIndex(student_parameters::calibration_height_index(v));
    }
    // The points are converted in place: only those this reply carried (an Apply's confirmation
    // carries none, and must not convert the installer's points a second time).
    apply_student_region_keys(carried);

    if (!(v = line("feature_version")).isNull())
        ui->student_version_feature_info_label->setText(v);
    if (!(v = line("pano_version")).isNull()) {
        ui->student_version_pano_info_label->setText(v);
        run_named_handler("student_track_check", true);
        update_tab_enabled(true);
    }

    // An Apply's confirmation says nothing about the camera's model; without this it would take
    // the eptz and cutout choice away after every Apply.
    if (t.contains(QLatin1String("set_student_config_file")))
        return;
    const QString model = line("device_model");
    qDebug() << "student device_model:" << model;
    const student_parameters::DeviceModelStep step = student_parameters::device_model_step(model);
    if (step.eptz_buttons_enabled)
        qDebug() << "student eptz flag is true";
    ui->student_eptz_radioButton->setEnabled(step.eptz_buttons_enabled);
    ui->student_cutout_radioButton->setEnabled(step.eptz_buttons_enabled);
    if (!step.keep_customer_flag)
        student_customer_model_flag = false;
    if (teacher_customer_model_flag || student_customer_model_flag)
        disable_board_widgets();
    // The director follow-up of a status answer's obtain comes after the section (resolver_param).
}

void MainWindow::parse_student_region_coord() { apply_student_region_keys(StudentReplyKeys::all()); }

void MainWindow::apply_student_region_keys(const StudentReplyKeys &carried)
{
    const StudentRegionChecks checks =
        ::parse_student_region_coord(student_region_coord, student_points, student_use_old_version_flag, carried);
    student_use_old_version_flag = checks.old_format;
    const auto apply = [](QCheckBox *box, const std::optional<bool> &on) {
        if (on)
            box->setChecked(*on);
    };
    apply(ui->student_pos_calibration_region_checkBox, checks.pos_calibration_region);
    apply(ui->student_designated_region_checkBox, checks.designated_region);
    apply(ui->student_track_region_checkBox, checks.track_region);
    QCheckBox *const shields[4] = {ui->student_shield_one_checkBox, ui->student_shield_two_checkBox,
                                   ui->student_shield_three_checkBox, ui->student_shield_four_checkBox};
    for (int i = 0; i < 4; ++i)
        apply(shields[i], checks.shield[size_t(i)]);
}

// ---------------------------------------------------------------------------
// Marks: any change on the tab says it has not been applied yet.

void MainWindow::on_student_sensitivity_Slider_sliderPressed() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_objectsize_Slider_sliderPressed() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_panOffset_Slider_sliderPressed() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_tiltOffset_Slider_sliderPressed() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_target_lost_timeout_Slider_sliderPressed() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_none_action_radioButton_clicked() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_pano_one_action_radioButton_clicked() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_cutout_radioButton_clicked() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_eptz_radioButton_clicked() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_small_pano_radioButton_clicked() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_return_pano_action_radioButton_clicked() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_starting_up_checkBox_clicked() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_face_detect_checkBox_clicked() { mark_apply(ui->student_apply_Button); }
void MainWindow::on_student_pano_switch_checkBox_clicked() { mark_apply(ui->student_apply_Button); }
