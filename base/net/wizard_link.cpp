#include "net/wizard_link.h"

#include "protocol/camera_address.h"

#include <QDebug>
#include <QHostAddress>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
const char *flag_text(bool flag) { return flag ? "true" : "false"; }

// The log words of a released destination.
const char *destination_name(Slot camera)
{
    switch (camera) {
    case Slot::TeacherFeature:
        return "teacher feature";
    case Slot::TeacherPano:
        return "teacher pano";
    case Slot::StudentFeature:
        return "student feature";
    case Slot::StudentPano:
        return "student pano";
    case Slot::BoardFeature:
    case Slot::BoardPano:
        break;
    }
    return "board";
}
} // namespace

WizardLink::WizardLink(QObject *parent)
    : QObject(parent)
{
    ControlLink::Rules rules;
    rules.text_port = [](Side) { return kTrackingPort; };
    m_link.set_rules(rules);
    connect(&m_link, &ControlLink::textReply, this, [this](const QByteArray &reply) { emit textReply(reply); });
    connect(&m_link, &ControlLink::commandFormatError, this, &WizardLink::commandFormatError);
    connect(&m_link, &ControlLink::datagramAnswersExpected, this, &WizardLink::datagramAnswersExpected);
}

WizardLink::~WizardLink() = default;

void WizardLink::set_page(int page)
{
    m_step.page = page;
    m_link.set_wizard_step(m_step);
}

void WizardLink::set_layout(int layout)
{
    m_step.layout = layout;
    m_link.set_wizard_step(m_step);
}

void WizardLink::set_address_field(Slot camera, const QString &text)
{
    m_link.set_slot_field_address(camera, camera_address::address_part(text));
}

void WizardLink::set_connected(Slot camera, bool connected) { m_cameras[camera].udp_flag = connected; }

bool WizardLink::connected(Slot camera) const { return m_cameras[camera].udp_flag; }

bool WizardLink::tcp_flag(Slot camera) const { return m_cameras[camera].tcp_flag; }

QHostAddress *WizardLink::set_destination(Slot camera, const QString &address)
{
    return m_cameras.set_destination(camera, camera_address::address_part(address));
}

QHostAddress *WizardLink::destination(Slot camera) const { return m_cameras[camera].destination; }

void WizardLink::delete_destination(Slot camera)
{
    if (!m_cameras[camera].destination)
        return;
    m_cameras.clear_destination(camera);
    qDebug().noquote().nospace() << "delete " << destination_name(camera) << " dest";
}

void WizardLink::delete_teacher_destinations()
{
    m_cameras.clear_destination(Slot::TeacherFeature);
    m_cameras.clear_destination(Slot::TeacherPano);
}

void WizardLink::delete_student_destinations()
{
    m_cameras.clear_destination(Slot::StudentFeature);
    m_cameras.clear_destination(Slot::StudentPano);
}

void WizardLink::sendMsg_Net(QHostAddress *destination, int port, const QString &text, bool hex)
{
    m_link.sendMsg_Net(destination, port, text, hex);
}

bool WizardLink::probe_tcp_connect(const QString &address, int port) { return m_link.probe_tcp_connect(address, port); }

void WizardLink::start_link(Slot camera, const QString &address) { m_link.open_side_tcp_link(camera, address, kTcpPort); }

void WizardLink::startTeacherFeatureTcp(const QString &address)
{
    start_link(Slot::TeacherFeature, address);
    qDebug().nospace() << "GuideConfig::startTeacherFeatureTcp = " << flag_text(tcp_flag(Slot::TeacherFeature));
}

void WizardLink::startTeacherPanoTcp(const QString &address) { start_link(Slot::TeacherPano, address); }

void WizardLink::startStudnetFeatureTcp(const QString &address)
{
    start_link(Slot::StudentFeature, address);
    qDebug().noquote().nospace() << "GuideConfig::startStudnetFeatureTcp,connectIP[" << address
                                 << "],student_feature_tcp_flag[" << flag_text(tcp_flag(Slot::StudentFeature)) << "]";
}

void WizardLink::startStudentPanoTcp(const QString &address)
{
    start_link(Slot::StudentPano, address);
    qDebug().noquote().nospace() << "GuideConfig::startStudentPanoTcp,connectIP[" << address
                                 << "],student_pano_tcp_flag[" << flag_text(tcp_flag(Slot::StudentPano)) << "]";
}

void WizardLink::stopTeacherFeatureTcp() { m_link.close_slot_link(Slot::TeacherFeature); }

void WizardLink::stopTeacherPanoTcp() { m_link.close_slot_link(Slot::TeacherPano); }

void WizardLink::stopStudentFeatureTcp()
{
    m_link.close_slot_link(Slot::StudentFeature);
    qDebug().noquote().nospace() << "GuideConfig::stopStudentFeatureTcp,student_pano_tcp_flag["
                                 << flag_text(tcp_flag(Slot::StudentPano)) << "]";
}

void WizardLink::stopStudentPanoTcp()
{
    m_link.close_slot_link(Slot::StudentPano);
    qDebug().noquote().nospace() << "GuideConfig::stopStudentPanoTcp,student_feature_tcp_flag["
                                 << flag_text(tcp_flag(Slot::StudentFeature)) << "]";
}

void WizardLink::abort_camera_link() { m_link.close_side_link(Side::Teacher); }

void WizardLink::stop_keepalive_timers() { m_link.stop_keepalive_timers(); }

void WizardLink::teacher_tcp_keepalive()
{
    m_link.teacher_pano_tcp_keepalive();
    m_link.teacher_feature_tcp_keepalive();
}

void WizardLink::student_tcp_keepalive()
{
    m_link.student_tcp_keepalive();
    m_link.student_feature_tcp_keepalive();
}

QTimer *WizardLink::keepalive_timer(Side side) const
{
    return m_link.keepalive_timer(side == Side::Student ? Slot::StudentPano : Slot::TeacherPano);
}

void WizardLink::connection_timeout(Slot camera)
{
    m_link.close_slot_link(camera);
    set_connected(camera, false);
    delete_destination(camera);
}
