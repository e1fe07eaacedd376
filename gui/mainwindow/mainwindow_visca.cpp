// The cameras' VISCA replies: focus mode, zoom position and digital zoom shown beside the pads,
// the model code (which decides the controls a camera gets, its zoom display and the camera
// layout), the pan/tilt position for auto-calibration; and the warning owed when a pano camera
// does not answer its tracking status request.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "protocol/ptz_commands.h"
#include "protocol/visca_reply.h"
#include "protocol/zoom_multiple.h"

#include <QDebug>
#include <QTimer>

#include <cmath>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
const QLatin1String kJ22("J22");
const QLatin1String kJ57("J57");
const QLatin1String kR6("R6");
const QLatin1String kM19("M19");
const QLatin1String kM5("M5");
} // namespace

float MainWindow::find_matching_multiple(float position)
{
    qDebug() << "find_matching_multiple:" << position;
    if (std::isnan(position))
        qDebug() << "No matching range found";
    return float(zoom_multiple::find_matching_multiple(position));
}

QList<Slot> MainWindow::visca_reply_slots(const ViscaReplyOrigin &origin) const
{
    QList<Slot> found;
    if (origin.tcp_link == 1 || origin.tcp_link == 2) {
        // The link of a side goes to the camera whose TCP flag is set (both, when the two slots
        // are one camera).
        const bool teacher = origin.tcp_link == 1;
        if (teacher ? (teacher_feature_tcp_flag && teacher_feature_destination)
                    : (student_feature_tcp_flag && student_feature_destination))
            found << (teacher ? Slot::TeacherFeature : Slot::StudentFeature);
        if (teacher ? (teacher_pano_tcp_flag && teacher_pano_destination)
                    : (student_pano_tcp_flag && student_pano_destination))
            found << (teacher ? Slot::TeacherPano : Slot::StudentPano);
        return found;
    }
    if (origin.sender.isNull())
        return found;
    const struct {
        Slot slot;
        QHostAddress *destination;
    } candidates[] = {
        {Slot::TeacherFeature, teacher_feature_destination}, {Slot::TeacherPano, teacher_pano_destination},
        {Slot::StudentFeature, student_feature_destination}, {Slot::StudentPano, student_pano_destination},
        {Slot::BoardFeature, board_feature_destination},     {Slot::BoardPano, board_pano_destination},
    };
    // Cameras reached through the recording host's port forwarding share its address: the
    // sender's port (the side's mapped VISCA port) then tells the sides apart.
    QList<Slot> onPort;
    for (const auto &c : candidates) {
        if (!c.destination || !c.destination->isEqual(origin.sender, QHostAddress::ConvertV4MappedToIPv4))
            continue;
        found << c.slot;
        const int port = camera_slot::side(c.slot) == Side::Student ? student_visca_port : teacher_visca_port;
        if (origin.sender_port == port)
            onPort << c.slot;
    }
    return onPort.isEmpty() ? found : onPort;
}

void MainWindow::check_role_reply(const QByteArray &reply, const ViscaReplyOrigin &origin)
{
    const QString hex = visca_reply::hex_text(reply);
    qDebug() << "visca length:" << reply.size() << ",byteArray.toHex=" << hex;
    QWidget *page = ui->tabWidget->currentWidget();
    if (hex == visca_reply::focus_auto_text()) {
        if (page == ui->tab_teacher)
            ui->teacher_pano_auto_mode_Button->setChecked(true);
        else if (page == ui->tab_student)
            ui->student_pano_auto_mode_Button->setChecked(true);
    }
    if (hex == visca_reply::focus_manual_text()) {
        if (page == ui->tab_teacher)
            ui->teacher_pano_manual_mode_Button->setChecked(true);
        else if (page == ui->tab_student)
            ui->student_pano_manual_mode_Button->setChecked(true);
    }
    if (visca_reply::carries_values(reply.size()))
        resolver_zoom_value(reply, origin);
}

void MainWindow::resolver_zoom_value(const QByteArray &reply, const ViscaReplyOrigin &origin)
{
    const int length = reply.size();
    qDebug() << "resolver_zoom_value:byteArrayFromHex=" << reply;
    qDebug() << "resolver_zoom_value:zoomLength=" << length;

    switch (length) {
    case 7: {
        const int v = visca_reply::value_field(reply, 2);
        qDebug() << "resolver_zoom_value:tempDataInt=" << v;
        qDebug() << "student model=" << student_feature_device_model << ",teacher mode=" << teacher_feature_device_model
                 << ",tempDataInt=" << v;
        const bool j57 = teacher_feature_device_model == kJ57 || student_feature_device_model == kJ57;
        const bool r6 = teacher_feature_device_model == kR6 || student_feature_device_model == kR6;
        QWidget *page = ui->tabWidget->currentWidget();
        if (j57 || r6) {
            const double ratio = j57 ? find_matching_multiple(float(v)) : zoom_multiple::r6_ratio(v);
            qDebug() << "local_rate_by_zoom: " << ratio;
            if ((student_model_r6_flag || student_model_j57_flag) && page == ui->tab_student)
                ui->student_zoom_lineEdit->setText(zoom_multiple::magnification_text(ratio));
            if ((teacher_model_r6_flag || teacher_model_j57_flag) && page == ui->tab_teacher)
                ui->teacher_zoom_lineEdit->setText(zoom_multiple::magnification_text(ratio));
            return;
        }
        qDebug() << "resolver_zoom_value:current_zoom_value=" << v;
        if (v > zoom_multiple::kMaxZoomPosition)
            return;
        const float optical = zoom_multiple::j22_optical(v);
        qDebug() << "resolver_zoom_value:optical_zoom_value=" << optical << teacher_model_j22_flag << student_model_j22_flag;
        if (teacher_model_j22_flag) {
            teacher_zoom_optical_max_value_flag = optical == 20.0f;
            ui->teacher_zoom_lineEdit->setText(zoom_multiple::magnification_text(optical));
        }
        if (student_model_j22_flag) {
            student_zoom_optical_max_value_flag = optical == 20.0f;
            ui->student_zoom_lineEdit->setText(zoom_multiple::magnification_text(optical));
        }
        return;
    }
    case 9:
        store_model_reply(reply, origin);
        return;
    case 11: {
        const int first = visca_reply::value_field(reply, 2);
        const int second = visca_reply::value_field(reply, 6);
        qDebug() << "resolver_zoom_value:tempDataInt=" << first;
        qDebug() << "resolver_zoom_value:tempDataInt=" << second;
        int digital = second;
        if (teacher_feature_device_model == kR6 || student_feature_device_model == kR6) {
            // Positions left of and below the centre come as 16-bit two's complement, as the
            // absolute-position commands write them.
            PT_PAN_VALUE = qint16(quint16(first));
            PT_TILT_VALUE = qint16(quint16(second));
            qDebug() << "PT_PAN_VALUE = " << PT_PAN_VALUE << ",PT_TILT_VALUE =" << PT_TILT_VALUE
                     << ",student_slot_auto_calibration_flag=" << student_slot_auto_calibration_flag
                     << ",teacher_slot_auto_calibration_flag=" << teacher_slot_auto_calibration_flag;
            if (student_slot_auto_calibration_flag)
                slot_student_auto_calibration();
            if (teacher_slot_auto_calibration_flag)
                slot_teacher_auto_calibration();
            digital = first;
        }
        qDebug() << "resolver_zoom_value:current_zoom_value[11]=" << digital;
        if (digital > zoom_multiple::kMaxDigitalZoomValue)
            return;
        const double magnification = zoom_multiple::j22_digital(digital);
        qDebug() << "resolver_zoom_value:digital_zoom_value[11]=" << magnification;
        if (teacher_model_j22_flag) {
            if (digital == 0) {
                teacher_zoom_optical_max_value_flag = false;
                sendMsg_Net(teacher_feature_destination, teacher_visca_port, ptz_commands::zoom_position_inquiry(), true);
            } else {
                ui->teacher_zoom_lineEdit->setText(zoom_multiple::magnification_text(magnification));
            }
        }
        if (student_model_j22_flag) {
            if (digital == 0) {
                student_zoom_optical_max_value_flag = false;
                sendMsg_Net(student_feature_destination, student_visca_port, ptz_commands::zoom_position_inquiry(), true);
            } else {
                ui->student_zoom_lineEdit->setText(zoom_multiple::magnification_text(magnification));
            }
        }
        return;
    }
    case 15:
        for (int offset : {2, 6, 10})
            qDebug() << "resolver_zoom_value:tempDataInt=" << visca_reply::value_field(reply, offset);
        return;
    default:
        return;
    }
}

// The model is kept for the camera that answered. A reply whose sender is not known (no origin)
// is kept by the tab the installer stands on, as the reply alone cannot tell.
void MainWindow::store_model_reply(const QByteArray &reply, const ViscaReplyOrigin &origin)
{
    const QString code = visca_reply::normalized_model(visca_reply::model_code(reply));
    qDebug() << "CurModel :" << visca_reply::model_code(reply);
    if (code.isEmpty())
        return;
    const int tab = ui->tabWidget->currentIndex();
    qDebug() << "ui->tabWidget->currentIndex() = " << tab;

    QList<Slot> answered = visca_reply_slots(origin);
    bool teacherFeatureActs = false;
    bool studentFeatureActs = false;
    if (!origin.sender.isNull() || origin.tcp_link != 0) {
        for (Slot slot : answered) {
            if (QString *model = slot_refs(slot).device_model)
                *model = code;
        }
        teacherFeatureActs = answered.contains(Slot::TeacherFeature) && udp_teacher_feature_flag;
        studentFeatureActs = answered.contains(Slot::StudentFeature) && udp_student_feature_flag;
        if (!answered.isEmpty())
            qDebug() << "MainWindow:: model reply from" << camera_slot::name(answered.first());
    } else {
        QWidget *page = ui->tabWidget->currentWidget();
        if (page == ui->tab_teacher) {
            if (udp_teacher_feature_flag)
                answered << Slot::TeacherFeature;
            if (udp_teacher_pano_flag)
                answered << Slot::TeacherPano;
        } else if (page == ui->tab_student) {
            if (udp_student_feature_flag)
                answered << Slot::StudentFeature;
            if (udp_student_pano_flag)
                answered << Slot::StudentPano;
        } else {
            answered << Slot::BoardFeature;
        }
        for (Slot slot : answered)
            *slot_refs(slot).device_model = code;
        teacherFeatureActs = udp_teacher_feature_flag;
        studentFeatureActs = udp_student_feature_flag;
    }

    if (answered.contains(Slot::StudentFeature) || answered.contains(Slot::StudentPano)) {
        // Both student cameras J57: the student position calibration is offered.
        student_calibration_widgets_shown = student_feature_device_model == kJ57 && student_pano_device_model == kJ57;
        set_student_calibration_widgets_visible(student_calibration_widgets_shown);
    }

    int layout = ui->choose_camera_comboBox->currentIndex();
    const int layoutBefore = layout;
    if (code == kJ22) {
        if (teacherFeatureActs) {
            teacher_model_j22_flag = true;
            ui->teacher_zoom_lineEdit->show();
        }
        if (studentFeatureActs) {
            student_model_j22_flag = true;
            ui->student_zoom_lineEdit->show();
        }
    } else if (code == kJ57) {
        if (teacherFeatureActs) {
            ui->teacher_zoom_lineEdit->show();
            teacher_model_j57_flag = true;
            ui->tabWidget_3->setTabEnabled(1, true);
            ui->label_persontrack->show();
            ui->teacher_feature_persontrack_comboBox->show();
        }
        if (studentFeatureActs) {
            ui->student_zoom_lineEdit->show();
            student_model_j57_flag = true;
            ui->tabWidget_2->setTabEnabled(1, true);
        }
        if (layout == 0 || layout == 1)
            layout = 2;
    } else if (code == kR6) {
        if (teacherFeatureActs) {
            teacher_model_r6_flag = true;
            ui->teacher_zoom_lineEdit->show();
            ui->teacher_auto_calibration_pushButton->show();
            ui->teacher_feature_image_max_toolButton->show();
            ui->tabWidget_3->setEnabled(true);
        }
        if (studentFeatureActs) {
            student_model_r6_flag = true;
            ui->student_zoom_lineEdit->show();
            ui->student_auto_calibration_pushButton->show();
            ui->student_feature_image_max_toolButton->show();
            ui->tabWidget_2->setEnabled(true);
        }
        if (layout == 0)
            layout = 1;
    } else if (code == kM19) {
        if (teacherFeatureActs) {
            ui->lectern_mode_radioButton->show();
            ui->tabWidget_3->setTabEnabled(1, true);
        }
        if (layout == 0)
            layout = 1;
    } else if (code == kM5) {
        if (teacherFeatureActs)
            ui->teacher_board_hand_enable_checkBox->show();
    }
    if (layout != layoutBefore) {
        ui->choose_camera_comboBox->setCurrentIndex(layout);
        on_choose_camera_comboBox_currentIndexChanged(layout);
    }
    // The preset lists' PTZ target depends on the model now known.
    if (code == kM5 || code == kJ57 || code == kR6 || code == kM19) {
        if (udp_teacher_feature_flag)
            on_teacher_preset_list_currentIndexChanged(ui->teacher_preset_list->currentText());
        if (udp_student_feature_flag)
            on_student_preset_list_currentIndexChanged(ui->student_preset_list->currentText());
    }
    qDebug() << "current connect device model :" << code;
}

void MainWindow::slot_response_timeout_tip() { response_timeout(true); }
void MainWindow::slot_student_response_timeout_tip() { response_timeout(false); }

// Each pano has its own wait: an answer or a disconnect of one never silences the other's.
void MainWindow::response_timeout(bool teacher)
{
    bool &received = teacher ? tracking_status_received : student_tracking_status_received;
    if (received)
        return;
    received = true;
    const bool j57 = student_feature_device_model == kJ57 || teacher_feature_device_model == kJ57;
    msgbox::warning(this, tr("Warning"),
                    j57 ? tr("Failed to get config, please reconnect or click Get button to get config!")
                        : tr("tracking configuration get failed, please try disconnecting and reconnecting"));
    QWidget *page = ui->tabWidget->currentWidget();
    if (teacher && page == ui->tab_teacher && udp_teacher_pano_flag) {
        qDebug() << "get the teacher configuration timeout!";
        teacher_track_check(true);
        update_tab_enabled(true);
    } else if (!teacher && page == ui->tab_student && udp_student_pano_flag) {
        qDebug() << "get the student configuration timeout!";
        student_track_check(true);
        update_tab_enabled(true);
    }
}
