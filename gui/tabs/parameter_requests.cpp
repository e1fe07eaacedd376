#include "tabs/parameter_requests.h"

#include "core/time_scale.h"
#include "model/camera_slots.h"
#include "protocol/tracking_modes.h"
#include "seams/message_box.h"

#include <QDebug>
#include <QTimer>

using request_poller::Kind;
using request_poller::Outcome;

namespace {
// The poll: an answered request ends within half a second, an unanswered one at the eleventh
// poll, about 5.5 s after it went out.
constexpr int kParaResponseMs = 500;
} // namespace

ParameterRequests::ParameterRequests(const CameraSlots &cameras, const TeacherSection &teacher, QWidget *window)
    : m_slots(cameras)
    , m_teacher(teacher)
    , m_window(window)
    , para_response_timer(new QTimer(this))
{
    para_response_timer->setInterval(timescale::scaled(kParaResponseMs));
    connect(para_response_timer, &QTimer::timeout, this, &ParameterRequests::get_para_response);
}

void ParameterRequests::start_polling() { para_response_timer->start(); }

void ParameterRequests::arm(Kind kind, bool silent) { requests.arm(kind, silent); }

void ParameterRequests::cancel(Kind kind) { requests.cancel(kind); }

void ParameterRequests::pano_camera_released(camera_slot::Side side)
{
    if (side == camera_slot::Side::Teacher)
        cancel(request_poller::Kind::TeacherObtain);
}

void ParameterRequests::clear() { requests.clear(); }

bool ParameterRequests::pending(Kind kind) const { return requests[kind].wait; }

bool ParameterRequests::answer_request(Kind kind) { return requests.answer(kind); }

void ParameterRequests::get_para_response()
{
    // Every pair is settled before a box opens: a box runs its own event loop, in which this
    // slot runs again, and must find nothing of this tick left to do.
    const QVector<request_poller::Result> ended = requests.tick();
    for (const request_poller::Result &result : ended)
        show_request_outcome(result);
}

void ParameterRequests::show_request_outcome(const request_poller::Result &result)
{
    const bool failed = result.outcome == Outcome::Failed;
    switch (result.kind) {
    case Kind::TeacherObtain:
        if (failed) {
            qDebug() << "MainWindow::Teacher Obtain Timeout Notice!!!";
            msgbox::warning(m_window, tr("Warning"), tr("teacher obtain fail"));
        } else if (result.silent) {
            qInfo().noquote() << tr("Nothing will be executed!");
        } else {
            msgbox::information(m_window, tr("Information"), tr("teacher obtain success"));
        }
        break;
    case Kind::TeacherApply:
        if (failed) {
            qDebug() << "MainWindow::Teacher Apply Timeout Notice!!!";
            msgbox::warning(m_window, tr("Warning"), tr("teacher apply fail"));
            break;
        }
        qDebug() << "teacher apply success!";
        msgbox::information(m_window, tr("Information"), tr("teacher apply success"));
        // A lectern-mode M19 changes its own settings with the apply: read them back, quietly.
        if (m_slots[camera_slot::Slot::TeacherFeature].device_model == QLatin1String("M19")
            && m_teacher.tracking_mode == tracking_modes::Lectern)
            emit teacher_obtain_wanted(true);
        break;
    case Kind::StudentObtain:
        if (failed) {
            qDebug() << "i:" << result.ticks;
            qDebug() << "MainWindow::Student Obtain Timeout Notice!!!";
            msgbox::warning(m_window, tr("Warning"), tr("student obtain fail"));
            break;
        }
        qDebug() << "get  success!";
        if (result.silent)
            emit student_points_read_back();
        else
            msgbox::information(m_window, tr("Information"), tr("student obtain success"));
        break;
    case Kind::StudentApply:
        if (failed) {
            qDebug() << "l:" << result.ticks;
            qDebug() << "MainWindow::Student Apply Timeout Notice!!!";
            msgbox::warning(m_window, tr("Warning"), tr("student apply fail"));
            break;
        }
        qDebug() << "student apply success!";
        msgbox::information(m_window, tr("Information"), tr("student apply success"));
        break;
    }
}
