#pragma once

#include "model/camera_slot.h"
#include "model/section_values.h"
#include "protocol/request_poller.h"
#include "tabs/request_answers.h"

#include <QCoreApplication>
#include <QObject>

class CameraSlots;
class QTimer;
class QWidget;

// What an ended request leads to beyond its box.
class ParameterRequestsSignals : public QObject
{
    Q_OBJECT

signals:
    // A lectern-mode M19 changed its own settings with the apply: the teacher settings are read
    // back without a success box.
    void teacher_obtain_wanted(bool silent);
    // The quiet student obtain after an auto-calibration pass ended well: the calibration dialog
    // takes the points.
    void student_points_read_back();
};

// The obtain and apply requests of both sides (board requests count as teacher ones, director
// requests as both) and the poll that every 500 ms turns the answered ones into success boxes
// and the ones left unanswered too long into failure boxes.
class ParameterRequests : public ParameterRequestsSignals, public RequestAnswers
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // cameras and teacher: the teacher close-up camera's model and the tracking mode chosen.
    ParameterRequests(const CameraSlots &cameras, const TeacherSection &teacher, QWidget *window);

    // The poll runs from here on.
    void start_polling();

    // A request of this kind went out; silent (obtains only) ends a success without a box.
    void arm(request_poller::Kind kind, bool silent = false);
    // The request ends without an outcome (its camera went away).
    void cancel(request_poller::Kind kind);
    // A teacher obtain still waiting ends without an outcome; nothing of it (an answer seen, its
    // count, its quietness) reaches the next one.
    void pano_camera_released(camera_slot::Side side);
    // Every request back to idle.
    void clear();
    bool pending(request_poller::Kind kind) const override;
    // A reply echoed a request of this kind: counts only while one is pending.
    bool answer_request(request_poller::Kind kind) override;
    // The pending, answered and silent flags of one kind, which the window's older names still
    // reach.
    request_poller::Pair &flags(request_poller::Kind kind) { return requests[kind]; }

    void get_para_response();

private:
    void show_request_outcome(const request_poller::Result &result);

    const CameraSlots &m_slots;
    const TeacherSection &m_teacher;
    QWidget *m_window;
    request_poller::Requests requests;
    QTimer *para_response_timer = nullptr;
};
