#include "guide/wizard_replies.h"

#include "core/wait.h"
#include "guide/director_page.h"
#include "guide/student_area_step.h"
#include "guide/student_params.h"
#include "guide/teacher_params.h"
#include "guide/teacher_region_step.h"
#include "guide/tracking_mode_step.h"
#include "net/wizard_link.h"
#include "protocol/student_parameters.h"
#include "protocol/teacher_parameters.h"
#include "seams/message_box.h"

#include <QDebug>
#include <QLabel>

namespace {

using camera_slot::Side;
using camera_slot::Slot;
using wizard_reply::Classification;
using wizard_reply::CropState;
using wizard_reply::Kind;
using wizard_reply::StatusPart;

// How long a crop status stays on the step.
constexpr int kStatusShownMs = 1000;

} // namespace

WizardReplies::WizardReplies(const Widgets &widgets, WizardLink &link, const Pages &pages, QWidget *window)
    : ui(widgets), m_link(link), m_pages(pages), m_window(window)
{
    // The status texts show only while flashed.
    ui.teacher_tip_label->hide();
    ui.student_tip_label->hide();
    connect(&m_pages.teacher, &TeacherParamsSignals::teacher_request_sent, this, [this] { m_pending.teacher = true; });
    connect(&m_pages.student, &StudentParamsSignals::student_request_sent, this, [this] { m_pending.student = true; });
    connect(&m_pages.director, &DirectorPageSignals::teacher_request_sent, this, [this] { m_pending.teacher = true; });
    connect(&m_pages.director, &DirectorPageSignals::student_request_sent, this, [this] { m_pending.student = true; });
}

void WizardReplies::crop_preview_connected(Side side)
{
    (side == Side::Teacher ? m_teacher_crop : m_student_crop).query = true;
}

void WizardReplies::crop_preview_closed(Side side)
{
    (side == Side::Teacher ? m_teacher_crop : m_student_crop) = CropState();
}

void WizardReplies::flash_status_label(bool teacher, const QString &text)
{
    QLabel *label = teacher ? ui.teacher_tip_label : ui.student_tip_label;
    label->setVisible(true);
    label->setText(text);
    wait_ms(kStatusShownMs);
    label->hide();
}

void WizardReplies::resolver_param(const QByteArray &reply)
{
    qDebug() << "GuideConfig::buff 1:" << reply;
    const QString text = wizard_reply::working_text(reply);
    const Classification c = wizard_reply::classify(text, m_pending, m_teacher_crop, m_student_crop);
    for (const QString &line : c.echo_logs)
        qDebug().noquote() << line;
    switch (c.kind) {
    case Kind::TeacherCrop:
    case Kind::StudentCrop:
        if (c.crop_announced)
            flash_status_label(c.kind == Kind::TeacherCrop, c.crop_started ? tr("Panorama cropping has been enabled")
                                                                           : tr("Panorama cropping has been suspended"));
        break;
    case Kind::TeacherBlock: teacher_block(text); break;
    case Kind::StudentBlock: student_block(text); break;
    case Kind::DirectorBlock: m_pages.director.show_reply(wizard_reply::read_director_keys(text)); break;
    case Kind::TrackingStatus:
        for (const StatusPart &part : c.status)
            tracking_status_part(part);
        break;
    case Kind::Unmatched: break;
    }
}

void WizardReplies::teacher_block(const QString &text)
{
    const wizard_reply::TeacherKeys keys = wizard_reply::read_teacher_keys(text);
    m_pages.teacher.show_reply(keys);
    if (!keys.tracking_mode.isNull())
        m_pages.mode.restore_tracking_mode_radio(keys.tracking_mode);
    // A reply without regions (the echo of a set) leaves them: restored from the record of an
    // earlier reply they would put the region boxes back as the camera had them before the set.
    if (wizard_reply::carries_teacher_regions(text)) {
        wizard_reply::store_teacher_regions(text, m_pages.teacher_regions.region_coord());
        m_pages.teacher_regions.teacher_restore_region();
    }
    emit teacher_params_complete();
    if (teacher_director_query_due && m_link.connected(Slot::TeacherPano)) {
        const QString request = teacher_parameters::director_obtain_block();
        m_link.sendMsg_Net(m_link.destination(Slot::TeacherPano), WizardLink::kTrackingPort, request, false);
        qDebug().noquote() << request;
        teacher_director_query_due = false;
    }
}

void WizardReplies::student_block(const QString &text)
{
    m_pages.student.show_reply(wizard_reply::read_student_keys(text));
    m_pages.student_area.read_reply(text);
    m_pages.student_area.parse_student_region_coord();
    emit student_params_complete();
    if (student_director_query_due && m_link.connected(Slot::StudentPano)) {
        const QString request = student_parameters::director_obtain_block();
        m_link.sendMsg_Net(m_link.destination(Slot::StudentPano), WizardLink::kTrackingPort, request, false);
        qDebug().noquote() << request;
        student_director_query_due = false;
    }
}

void WizardReplies::tracking_status_part(const StatusPart &part)
{
    const bool teacher = part.side == wizard_reply::Side::Teacher;
    emit tracking_status(teacher ? Side::Teacher : Side::Student, part.start, part.stop, part.error);
    if (part.error) {
        msgbox::warning(m_window, tr("Warning"), tr("Connection types do not match"));
        return;
    }
    if (part.stop)
        qDebug() << (teacher ? "GuideConfig::teacher tracking stop ->" : "GuideConfig::student tracking stop ->");
    const Slot pano = teacher ? Slot::TeacherPano : Slot::StudentPano;
    const QString request = teacher ? teacher_parameters::obtain_block() : student_parameters::obtain_block();
    m_link.sendMsg_Net(m_link.destination(pano), WizardLink::kTrackingPort, request, false);
    (teacher ? teacher_director_query_due : student_director_query_due) = true;
}
