#pragma once

#include "model/camera_slot.h"
#include "protocol/request_poller.h"

#include <QCoreApplication>
#include <QObject>

class CameraPorts;
class CameraSlots;
class ControlLink;
class QStringList;
struct PanoStatus;
namespace board_parameters {
struct RelayReading;
}
namespace parameter_reply {
struct StatusPart;
}

// The parser of the cameras' text answers: which case an answer is, the requests it confirms,
// the section it hands to its tab's reader, the crop and tracking status it takes, and the
// requests a status answer chains (the side's configuration, then its director configuration).
class ReplyParser : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // What the answers change of the tabs and the camera connections.
    class Host
    {
    public:
        virtual ~Host() = default;
        // The obtain and apply requests: whether one of a kind waits, and an echo of one, which
        // counts only while it waits.
        virtual bool request_pending(request_poller::Kind kind) const = 0;
        virtual bool answer_request(request_poller::Kind kind) = 0;
        // The key tables of each section, and the student auto-calibration answer.
        virtual void read_teacher_section(const QString &text) = 0;
        virtual void read_student_section(const QString &text) = 0;
        virtual void read_board_section(const QString &text) = 0;
        virtual void read_director_section(const QString &text) = 0;
        virtual void resolve_student_autocalibrate_status(const QString &value) = 0;
        // The board settings a teacher pano relays, into the Board tab.
        virtual void show_board_relayed_keys(const board_parameters::RelayReading &reading) = 0;
        // Records a board status answer; true when it differs from the last one reported.
        virtual bool board_tracking_status_changed(const parameter_reply::StatusPart &part) = 0;
        // The Board tab's Stop Track, for a board pano that reports it stopped.
        virtual void stop_board_tracking() = 0;
        // A pano of the wrong type lets go, as its connect button would do.
        virtual void toggle_pano_connect(camera_slot::Side side) = 0;
        // A side's tab (0 teacher, 1 student, 2 board) stays locked while its pano tracks.
        virtual void set_widget_status(int camera, bool enable) = 0;
        // A tip under the side's pictures for a while; events are handled meanwhile.
        virtual void flash_status_label(bool teacher, const QString &text) = 0;
        // An M19 teacher camera's lectern director settings follow its tracking.
        virtual void set_lectern_director_enabled(bool enable) = 0;
    };

    ReplyParser(CameraSlots &cameras, const CameraPorts &ports, ControlLink &link, PanoStatus &status, Host &host,
                QWidget *window);

    void resolver_param(const QByteArray &reply);

private:
    void read_board_relayed_keys(const QString &text);
    void show_crop_status(bool teacher, bool start, bool stop);
    // False when the answer's later parts are not to be run.
    bool apply_tracking_status(const parameter_reply::StatusPart &part);
    // A request of lines to the side's pano at its text port.
    void send_parameter_request(camera_slot::Side side, const QStringList &lines);
    // The director configuration a status answer's chain asks for once, after the section.
    void continue_obtain_chain(camera_slot::Side side);

    CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    PanoStatus &m_status;
    Host &m_host;
    QWidget *m_window;
};
