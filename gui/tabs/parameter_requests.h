#pragma once

#include "model/camera_slot.h"
#include "protocol/request_poller.h"

#include <QCoreApplication>
#include <QObject>

class QTimer;
class QWidget;

// The obtain and apply requests of both sides (board requests count as teacher ones, director
// requests as both) and the poll that every 500 ms turns the answered ones into success boxes
// and the ones left unanswered too long into failure boxes.
class ParameterRequests : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // What an ended request leads to beyond its box.
    class Host
    {
    public:
        virtual ~Host() = default;
        virtual QString teacher_feature_model() const = 0;
        virtual bool lectern_mode_chosen() const = 0;
        // The teacher settings read back without a success box.
        virtual void teacher_obtain_quietly() = 0;
        // The quiet student obtain after an auto-calibration pass ended well: the calibration
        // dialog takes the points.
        virtual void student_points_read_back() = 0;
    };

    ParameterRequests(Host &host, QWidget *window);

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
    bool pending(request_poller::Kind kind) const;
    // A reply echoed a request of this kind: counts only while one is pending.
    bool answer_request(request_poller::Kind kind);
    // The pending, answered and silent flags of one kind, which the window's older names still
    // reach.
    request_poller::Pair &flags(request_poller::Kind kind) { return requests[kind]; }

    void get_para_response();

private:
    void show_request_outcome(const request_poller::Result &result);

    Host &m_host;
    QWidget *m_window;
    request_poller::Requests requests;
    QTimer *para_response_timer = nullptr;
};
