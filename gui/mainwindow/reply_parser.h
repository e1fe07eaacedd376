#pragma once

#include "model/camera_slot.h"
#include "model/section_values.h"
#include "protocol/board_parameters.h"
#include "protocol/request_poller.h"
#include "tabs/board_status_memory.h"
#include "tabs/request_answers.h"

#include <QCoreApplication>
#include <QObject>

class CameraPorts;
class CameraSlots;
class ControlLink;
class QStringList;
struct PanoStatus;
namespace parameter_reply {
struct StatusPart;
}

// Where a text answer goes instead of the parser: the manual director console while it runs, the
// wizard while the window is hidden. The window implements it.
class ReplyRoute
{
public:
    virtual ~ReplyRoute() = default;
    virtual bool window_visible() const = 0;
    // Whether a console listens, and an answer as the console's message.
    virtual bool console_listens() const = 0;
    virtual void console_reply(const QString &message) = 0;
    // A text answer while the window is hidden: the wizard's. Without a wizard it is dropped.
    virtual void wizard_reply(const QByteArray &reply);
};

// What the answers change of the tabs and the camera connections.
class ReplyParserSignals : public QObject
{
    Q_OBJECT

signals:
    // The key tables of each section, and the student auto-calibration answer.
    void teacher_section_read(const QString &text);
    void student_section_read(const QString &text);
    void board_section_read(const QString &text);
    void director_section_read(const QString &text);
    // An answer echoed a request of this kind (whether or not one still waited).
    void request_echoed(request_poller::Kind kind);
    void student_autocalibrate_reported(const QString &value);
    // The board settings a teacher pano relays, into the Board tab.
    void board_relayed_keys_read(const board_parameters::RelayReading &reading);
    // The Board tab's Stop Track, for a board pano that reports it stopped.
    void board_tracking_stop_wanted();
    // A pano of the wrong type lets go, as its connect button would do.
    void pano_release_wanted(camera_slot::Side side);
    // A side's tab (0 teacher, 1 student, 2 board) stays locked while its pano tracks.
    void widget_status_wanted(int camera, bool enable);
    // A tip under the side's pictures for a while; events are handled meanwhile.
    void status_notice_wanted(bool teacher, const QString &text);
    // An M19 teacher camera's lectern director settings follow its tracking.
    void lectern_director_enabled_wanted(bool enable);
};

// The parser of the cameras' text answers: which case an answer is, the requests it confirms,
// the section it hands to its tab's reader, the crop and tracking status it takes, and the
// requests a status answer chains (the side's configuration, then its director configuration).
// The control link's text answers come here first: while the manual director console runs they
// go to it (named by the director codes they match), while the window is hidden they are
// dropped (the wizard reads them), else they are parsed.
class ReplyParser : public ReplyParserSignals
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // director: the command type and interior codes a console answer is compared with; requests:
    // the obtains and applies an echo answers; board: the board status last reported; route: the
    // console and the window.
    ReplyParser(CameraSlots &cameras, const CameraPorts &ports, ControlLink &link, PanoStatus &status,
                const DirectorSection &director, RequestAnswers &requests, BoardStatusMemory &board,
                ReplyRoute &route, QWidget *window);

    // The route of a text answer (see the class), then its log line when it came as a datagram.
    void route_text_reply(const QByteArray &reply, bool datagram);
    void dispatch_reply(const QByteArray &reply);
    void resolver_param(const QByteArray &reply);

private:
    void console_answer(const QByteArray &reply);
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
    const DirectorSection &m_director;
    RequestAnswers &m_requests;
    BoardStatusMemory &m_board;
    ReplyRoute &m_route;
    QWidget *m_window;
};
