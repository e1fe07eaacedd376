#include "cameras/visca_replies.h"

#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "model/pano_status.h"
#include "protocol/protocol_log.h"
#include "protocol/ptz_commands.h"
#include "protocol/visca_reply.h"
#include "protocol/zoom_multiple.h"
#include "seams/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

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

ViscaReplies::ViscaReplies(const Widgets &widgets, CameraSlots &camera_slots, const CameraPorts &ports,
                           ControlLink &link, PanoStatus &status, Host &host, QWidget *window)
    : ui(widgets)
    , m_slots(camera_slots)
    , m_ports(ports)
    , m_link(link)
    , m_status(status)
    , m_host(host)
    , m_window(window)
{
    connect(&m_link, &ControlLink::viscaReply, this, &ViscaReplies::check_role_reply);
    // Each pano camera waits for its own tracking status.
    connect(m_slots[Slot::TeacherPano].response_timer, &QTimer::timeout, this,
            &ViscaReplies::slot_response_timeout_tip);
    connect(m_slots[Slot::StudentPano].response_timer, &QTimer::timeout, this,
            &ViscaReplies::slot_student_response_timeout_tip);
}

float ViscaReplies::find_matching_multiple(float position)
{
    qDebug() << "find_matching_multiple:" << position;
    if (std::isnan(position))
        qDebug() << "No matching range found";
    return float(zoom_multiple::find_matching_multiple(position));
}

void ViscaReplies::forget_feature_model(Side side)
{
    if (side == Side::Teacher) {
        teacher_model_j22_flag = teacher_model_r6_flag = teacher_model_j57_flag = false;
        teacher_zoom_optical_max_value_flag = false;
    } else {
        student_model_j22_flag = student_model_r6_flag = student_model_j57_flag = false;
        student_zoom_optical_max_value_flag = false;
    }
}

ViscaReplies::FeatureModel ViscaReplies::feature_model(Side side) const
{
    if (side == Side::Teacher)
        return {teacher_model_j22_flag, teacher_model_r6_flag, teacher_model_j57_flag,
                teacher_zoom_optical_max_value_flag};
    return {student_model_j22_flag, student_model_r6_flag, student_model_j57_flag, student_zoom_optical_max_value_flag};
}

void ViscaReplies::forget_optical_end(Side side)
{
    (side == Side::Teacher ? teacher_zoom_optical_max_value_flag : student_zoom_optical_max_value_flag) = false;
}

QList<Slot> ViscaReplies::visca_reply_slots(const ViscaReplyOrigin &origin) const
{
    QList<Slot> found;
    if (origin.tcp_link == 1 || origin.tcp_link == 2) {
        // The link of a side goes to the camera whose TCP flag is set (both, when the two slots
        // are one camera).
        const bool teacher = origin.tcp_link == 1;
        for (Slot slot : teacher ? QList<Slot>{Slot::TeacherFeature, Slot::TeacherPano}
                                 : QList<Slot>{Slot::StudentFeature, Slot::StudentPano}) {
            if (m_slots[slot].tcp_flag && m_slots[slot].destination)
                found << slot;
        }
        return found;
    }
    if (origin.sender.isNull())
        return found;
    // Cameras reached through the recording host's port forwarding share its address: the
    // sender's port (the side's mapped VISCA port) then tells the sides apart.
    QList<Slot> onPort;
    for (Slot slot : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano,
                      Slot::BoardFeature, Slot::BoardPano}) {
        const QHostAddress *destination = m_slots[slot].destination;
        if (!destination || !destination->isEqual(origin.sender, QHostAddress::ConvertV4MappedToIPv4))
            continue;
        found << slot;
        if (origin.sender_port == m_ports.visca_port(camera_slot::side(slot)))
            onPort << slot;
    }
    return onPort.isEmpty() ? found : onPort;
}

void ViscaReplies::check_role_reply(const QByteArray &reply, const ViscaReplyOrigin &origin)
{
    const QString hex = visca_reply::hex_text(reply);
    qDebug() << "visca length:" << reply.size() << ",byteArray.toHex=" << log_hex(reply, kLogDumpLimit);
    QWidget *page = ui.tabWidget->currentWidget();
    if (hex == visca_reply::focus_auto_text()) {
        if (page == ui.tab_teacher)
            ui.teacher_pano_auto_mode_Button->setChecked(true);
        else if (page == ui.tab_student)
            ui.student_pano_auto_mode_Button->setChecked(true);
    }
    if (hex == visca_reply::focus_manual_text()) {
        if (page == ui.tab_teacher)
            ui.teacher_pano_manual_mode_Button->setChecked(true);
        else if (page == ui.tab_student)
            ui.student_pano_manual_mode_Button->setChecked(true);
    }
    if (visca_reply::carries_values(reply.size()))
        resolver_zoom_value(reply, origin);
}

void ViscaReplies::resolver_zoom_value(const QByteArray &reply, const ViscaReplyOrigin &origin)
{
    const int length = reply.size();
    qDebug() << "resolver_zoom_value:byteArrayFromHex=" << reply;
    qDebug() << "resolver_zoom_value:zoomLength=" << length;
    const QString &teacherModel = m_slots[Slot::TeacherFeature].device_model;
    const QString &studentModel = m_slots[Slot::StudentFeature].device_model;

    switch (length) {
    case 7: {
        const int v = visca_reply::value_field(reply, 2);
        qDebug() << "resolver_zoom_value:tempDataInt=" << v;
        qDebug() << "student model=" << studentModel << ",teacher mode=" << teacherModel << ",tempDataInt=" << v;
        const bool j57 = teacherModel == kJ57 || studentModel == kJ57;
        const bool r6 = teacherModel == kR6 || studentModel == kR6;
        QWidget *page = ui.tabWidget->currentWidget();
        if (j57 || r6) {
            const double ratio = j57 ? find_matching_multiple(float(v)) : zoom_multiple::r6_ratio(v);
            qDebug() << "local_rate_by_zoom: " << ratio;
            if ((student_model_r6_flag || student_model_j57_flag) && page == ui.tab_student)
                ui.student_zoom_lineEdit->setText(zoom_multiple::magnification_text(ratio));
            if ((teacher_model_r6_flag || teacher_model_j57_flag) && page == ui.tab_teacher)
                ui.teacher_zoom_lineEdit->setText(zoom_multiple::magnification_text(ratio));
            return;
        }
        qDebug() << "resolver_zoom_value:current_zoom_value=" << v;
        if (v > zoom_multiple::kMaxZoomPosition)
            return;
        const float optical = zoom_multiple::j22_optical(v);
        qDebug() << "resolver_zoom_value:optical_zoom_value=" << optical << teacher_model_j22_flag
                 << student_model_j22_flag;
        if (teacher_model_j22_flag) {
            teacher_zoom_optical_max_value_flag = optical == 20.0f;
            ui.teacher_zoom_lineEdit->setText(zoom_multiple::magnification_text(optical));
        }
        if (student_model_j22_flag) {
            student_zoom_optical_max_value_flag = optical == 20.0f;
            ui.student_zoom_lineEdit->setText(zoom_multiple::magnification_text(optical));
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
        // A pan/tilt position: left of and below the centre come as 16-bit two's complement, as
        // the absolute-position commands write them. Only an R6 close-up camera answers its
        // position in this shape; other models' 11-byte replies (a J22's digital zoom) are no
        // position. It belongs to the camera that sent it: a side never builds on the other
        // side's camera.
        const int pan = qint16(quint16(first));
        const int tilt = qint16(quint16(second));
        qDebug() << "PT_PAN_VALUE = " << pan << ",PT_TILT_VALUE =" << tilt;
        for (Slot slot : visca_reply_slots(origin)) {
            if ((slot == Slot::TeacherFeature || slot == Slot::StudentFeature) && m_slots[slot].device_model == kR6)
                m_host.pan_tilt_reported(camera_slot::side(slot), pan, tilt);
        }
        if (teacherModel == kR6 || studentModel == kR6)
            digital = first;
        qDebug() << "resolver_zoom_value:current_zoom_value[11]=" << digital;
        if (digital > zoom_multiple::kMaxDigitalZoomValue)
            return;
        const double magnification = zoom_multiple::j22_digital(digital);
        qDebug() << "resolver_zoom_value:digital_zoom_value[11]=" << magnification;
        if (teacher_model_j22_flag) {
            if (digital == 0) {
                teacher_zoom_optical_max_value_flag = false;
                m_link.sendMsg_Net(m_slots[Slot::TeacherFeature].destination, m_ports.visca_port(Side::Teacher),
                                   ptz_commands::zoom_position_inquiry(), true);
            } else {
                ui.teacher_zoom_lineEdit->setText(zoom_multiple::magnification_text(magnification));
            }
        }
        if (student_model_j22_flag) {
            if (digital == 0) {
                student_zoom_optical_max_value_flag = false;
                m_link.sendMsg_Net(m_slots[Slot::StudentFeature].destination, m_ports.visca_port(Side::Student),
                                   ptz_commands::zoom_position_inquiry(), true);
            } else {
                ui.student_zoom_lineEdit->setText(zoom_multiple::magnification_text(magnification));
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
void ViscaReplies::store_model_reply(const QByteArray &reply, const ViscaReplyOrigin &origin)
{
    const QString code = visca_reply::normalized_model(visca_reply::model_code(reply));
    qDebug() << "CurModel :" << visca_reply::model_code(reply);
    if (code.isEmpty())
        return;
    const int tab = ui.tabWidget->currentIndex();
    qDebug() << "ui->tabWidget->currentIndex() = " << tab;

    const bool teacherFeatureConnected = m_slots[Slot::TeacherFeature].udp_flag;
    const bool studentFeatureConnected = m_slots[Slot::StudentFeature].udp_flag;
    QList<Slot> answered = visca_reply_slots(origin);
    bool teacherFeatureActs = false;
    bool studentFeatureActs = false;
    if (!origin.sender.isNull() || origin.tcp_link != 0) {
        // The board pano keeps no model.
        for (Slot slot : answered) {
            if (slot != Slot::BoardPano)
                m_slots[slot].device_model = code;
        }
        teacherFeatureActs = answered.contains(Slot::TeacherFeature) && teacherFeatureConnected;
        studentFeatureActs = answered.contains(Slot::StudentFeature) && studentFeatureConnected;
        if (!answered.isEmpty())
            qDebug() << "MainWindow:: model reply from" << camera_slot::name(answered.first());
    } else {
        QWidget *page = ui.tabWidget->currentWidget();
        if (page == ui.tab_teacher) {
            if (teacherFeatureConnected)
                answered << Slot::TeacherFeature;
            if (m_slots[Slot::TeacherPano].udp_flag)
                answered << Slot::TeacherPano;
        } else if (page == ui.tab_student) {
            if (studentFeatureConnected)
                answered << Slot::StudentFeature;
            if (m_slots[Slot::StudentPano].udp_flag)
                answered << Slot::StudentPano;
        } else {
            answered << Slot::BoardFeature;
        }
        for (Slot slot : answered)
            m_slots[slot].device_model = code;
        teacherFeatureActs = teacherFeatureConnected;
        studentFeatureActs = studentFeatureConnected;
    }

    if (answered.contains(Slot::StudentFeature) || answered.contains(Slot::StudentPano)) {
        // Both student cameras J57: the student position calibration is offered.
        student_calibration_widgets_shown =
            m_slots[Slot::StudentFeature].device_model == kJ57 && m_slots[Slot::StudentPano].device_model == kJ57;
        m_host.set_student_calibration_widgets_visible(student_calibration_widgets_shown);
    }

    int layout = ui.choose_camera_comboBox->currentIndex();
    const int layoutBefore = layout;
    if (code == kJ22) {
        if (teacherFeatureActs) {
            teacher_model_j22_flag = true;
            ui.teacher_zoom_lineEdit->show();
        }
        if (studentFeatureActs) {
            student_model_j22_flag = true;
            ui.student_zoom_lineEdit->show();
        }
    } else if (code == kJ57) {
        if (teacherFeatureActs) {
            ui.teacher_zoom_lineEdit->show();
            teacher_model_j57_flag = true;
            ui.tabWidget_3->setTabEnabled(1, true);
            ui.label_persontrack->show();
            ui.teacher_feature_persontrack_comboBox->show();
        }
        if (studentFeatureActs) {
            ui.student_zoom_lineEdit->show();
            student_model_j57_flag = true;
            ui.tabWidget_2->setTabEnabled(1, true);
        }
        if (layout == 0 || layout == 1)
            layout = 2;
    } else if (code == kR6) {
        if (teacherFeatureActs) {
            teacher_model_r6_flag = true;
            ui.teacher_zoom_lineEdit->show();
            ui.teacher_auto_calibration_pushButton->show();
            ui.teacher_feature_image_max_toolButton->show();
            ui.tabWidget_3->setEnabled(true);
        }
        if (studentFeatureActs) {
            student_model_r6_flag = true;
            ui.student_zoom_lineEdit->show();
            ui.student_auto_calibration_pushButton->show();
            ui.student_feature_image_max_toolButton->show();
            ui.tabWidget_2->setEnabled(true);
        }
        if (layout == 0)
            layout = 1;
    } else if (code == kM19) {
        if (teacherFeatureActs) {
            ui.lectern_mode_radioButton->show();
            ui.tabWidget_3->setTabEnabled(1, true);
        }
        if (layout == 0)
            layout = 1;
    } else if (code == kM5) {
        if (teacherFeatureActs)
            ui.teacher_board_hand_enable_checkBox->show();
    }
    if (layout != layoutBefore) {
        ui.choose_camera_comboBox->setCurrentIndex(layout);
        m_host.camera_layout_chosen(layout);
    }
    // The preset lists' PTZ target depends on the model now known.
    if (code == kM5 || code == kJ57 || code == kR6 || code == kM19) {
        if (m_slots[Slot::TeacherFeature].udp_flag)
            m_host.teacher_preset_list_changed(ui.teacher_preset_list->currentText());
        if (m_slots[Slot::StudentFeature].udp_flag)
            m_host.student_preset_list_changed(ui.student_preset_list->currentText());
    }
    qDebug() << "current connect device model :" << code;
}

void ViscaReplies::feature_camera_released(Side side)
{
    forget_feature_model(side);
    if (side == Side::Teacher)
        ui.teacher_zoom_lineEdit->hide();
    else if (side == Side::Student)
        ui.student_zoom_lineEdit->hide();
}

void ViscaReplies::slot_response_timeout_tip() { response_timeout(true); }
void ViscaReplies::slot_student_response_timeout_tip() { response_timeout(false); }

void ViscaReplies::response_timeout(bool teacher)
{
    if (!m_status.end_pano_status_wait(teacher ? Side::Teacher : Side::Student))
        return;
    const bool j57 =
        m_slots[Slot::StudentFeature].device_model == kJ57 || m_slots[Slot::TeacherFeature].device_model == kJ57;
    msgbox::warning(m_window, tr("Warning"),
                    j57 ? tr("Failed to get config, please reconnect or click Get button to get config!")
                        : tr("tracking configuration get failed, please try disconnecting and reconnecting"));
    QWidget *page = ui.tabWidget->currentWidget();
    if (teacher && page == ui.tab_teacher && m_slots[Slot::TeacherPano].udp_flag) {
        qDebug() << "get the teacher configuration timeout!";
        m_host.teacher_track_check(true);
        m_host.update_tab_enabled(true);
    } else if (!teacher && page == ui.tab_student && m_slots[Slot::StudentPano].udp_flag) {
        qDebug() << "get the student configuration timeout!";
        m_host.student_track_check(true);
        m_host.update_tab_enabled(true);
    }
}
