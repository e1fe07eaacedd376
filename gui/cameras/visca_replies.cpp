#include "cameras/visca_replies.h"

#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "model/pano_status.h"
#include "model/section_values.h"
#include "protocol/protocol_log.h"
#include "protocol/ptz_commands.h"
#include "protocol/visca_reply.h"
#include "protocol/zoom_multiple.h"
#include "seams/message_box.h"

#include <QDebug>
#include <QLineEdit>
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

ViscaReplies::ViscaReplies(const Widgets &widgets, CameraSlots &camera_slots, const CameraPorts &ports,
                           ControlLink &link, PanoStatus &status, const WindowChoices &choices,
                           const OpenPage &page, QWidget *window)
    : ui(widgets)
    , m_slots(camera_slots)
    , m_ports(ports)
    , m_link(link)
    , m_status(status)
    , m_choices(choices)
    , m_page(page)
    , m_window(window)
{
    connect(&m_link, &ControlLink::viscaReply, this, &ViscaReplies::check_role_reply);
    // Each pano camera waits for its own tracking status.
    connect(m_slots[Slot::TeacherPano].response_timer, &QTimer::timeout, this,
            &ViscaReplies::slot_response_timeout_tip);
    connect(m_slots[Slot::StudentPano].response_timer, &QTimer::timeout, this,
            &ViscaReplies::slot_student_response_timeout_tip);
    // The zoom fields show once a model reply offers them.
    ui.teacher_zoom_lineEdit->hide();
    ui.student_zoom_lineEdit->hide();
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
    const OpenPage::Page page = m_page.open_page();
    const bool focusAuto = hex == visca_reply::focus_auto_text();
    if (focusAuto || hex == visca_reply::focus_manual_text()) {
        if (page == OpenPage::Page::Teacher)
            emit focus_mode_reported(Side::Teacher, !focusAuto);
        else if (page == OpenPage::Page::Student)
            emit focus_mode_reported(Side::Student, !focusAuto);
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
        const OpenPage::Page page = m_page.open_page();
        if (j57 || r6) {
            const double ratio = j57 ? find_matching_multiple(float(v)) : zoom_multiple::r6_ratio(v);
            qDebug() << "local_rate_by_zoom: " << ratio;
            if ((student_model_r6_flag || student_model_j57_flag) && page == OpenPage::Page::Student)
                ui.student_zoom_lineEdit->setText(zoom_multiple::magnification_text(ratio));
            if ((teacher_model_r6_flag || teacher_model_j57_flag) && page == OpenPage::Page::Teacher)
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
                emit pan_tilt_reported(camera_slot::side(slot), pan, tilt);
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
    const int tab = m_page.open_index();
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
        const OpenPage::Page page = m_page.open_page();
        if (page == OpenPage::Page::Teacher) {
            if (teacherFeatureConnected)
                answered << Slot::TeacherFeature;
            if (m_slots[Slot::TeacherPano].udp_flag)
                answered << Slot::TeacherPano;
        } else if (page == OpenPage::Page::Student) {
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
        emit student_calibration_offered(m_slots[Slot::StudentFeature].device_model == kJ57
                                         && m_slots[Slot::StudentPano].device_model == kJ57);
    }

    int layout = m_choices.camera_layout;
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
        }
        if (studentFeatureActs) {
            ui.student_zoom_lineEdit->show();
            student_model_j57_flag = true;
        }
        if (layout == 0 || layout == 1)
            layout = 2;
    } else if (code == kR6) {
        if (teacherFeatureActs) {
            teacher_model_r6_flag = true;
            ui.teacher_zoom_lineEdit->show();
        }
        if (studentFeatureActs) {
            student_model_r6_flag = true;
            ui.student_zoom_lineEdit->show();
        }
        if (layout == 0)
            layout = 1;
    } else if (code == kM19) {
        if (layout == 0)
            layout = 1;
    }
    // The controls of the model show on the tabs.
    if (teacherFeatureActs)
        emit feature_model_known(Side::Teacher, code);
    if (studentFeatureActs)
        emit feature_model_known(Side::Student, code);
    if (layout != layoutBefore)
        emit layout_suggested(layout);
    // The preset lists' PTZ target depends on the model now known.
    if (code == kM5 || code == kJ57 || code == kR6 || code == kM19)
        emit preset_target_known();
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

void ViscaReplies::zoom_homed(Side side)
{
    forget_optical_end(side);
    (side == Side::Teacher ? ui.teacher_zoom_lineEdit : ui.student_zoom_lineEdit)->setText(QStringLiteral("1.0x"));
}

// The zoom field is refreshed from the side's close-up camera, whatever camera the stop went to.
void ViscaReplies::zoom_stopped(Side side, bool in)
{
    const bool teacher = side == Side::Teacher;
    const FeatureModel model = feature_model(side);
    const bool r6OrJ57 = model.r6 || model.j57;
    if (!r6OrJ57 && model.j22) {
        if (teacher && in)
            qDebug() << "equals_Model:" << model.optical_max;
        if (!teacher && !in)
            qDebug() << "on_student_zoomin_Button_pressed:";
    }
    const QString refresh = ptz_commands::zoom_refresh(r6OrJ57, model.j22, model.optical_max);
    if (!refresh.isEmpty())
        m_link.sendMsg_Net(m_slots[teacher ? Slot::TeacherFeature : Slot::StudentFeature].destination,
                           m_ports.visca_port(side), refresh, true);
    if (teacher && !in && !r6OrJ57 && model.j22)
        qDebug() << "teacher_zoom_optical_max_value_flag:" << (model.optical_max ? "true" : "false");
    if (!teacher && !in && !r6OrJ57)
        qDebug() << "on_student_zoomout_Button_released:student_model_flag: " << (model.j22 ? "true" : "false")
                 << "/student_zoom_optical_max_value_flag: " << (model.optical_max ? "true" : "false");
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
    const OpenPage::Page page = m_page.open_page();
    if (teacher && page == OpenPage::Page::Teacher && m_slots[Slot::TeacherPano].udp_flag) {
        qDebug() << "get the teacher configuration timeout!";
        emit track_check_wanted(Side::Teacher, true);
        emit tabs_enabled_wanted(true);
    } else if (!teacher && page == OpenPage::Page::Student && m_slots[Slot::StudentPano].udp_flag) {
        qDebug() << "get the student configuration timeout!";
        emit track_check_wanted(Side::Student, true);
        emit tabs_enabled_wanted(true);
    }
}
