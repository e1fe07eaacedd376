#include "mainwindow/reply_parser.h"

#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "model/pano_status.h"
#include "net/control_link.h"
#include "protocol/camera_address.h"
#include "protocol/parameter_block.h"
#include "protocol/parameter_reply.h"
#include "protocol/protocol_log.h"
#include "protocol/request_poller.h"
#include "seams/message_box.h"

#include <QDebug>
#include <QTimer>

using camera_slot::Side;
using camera_slot::Slot;
namespace {

Slot pano_slot(Side side)
{
    return side == Side::Board ? Slot::BoardPano : side == Side::Student ? Slot::StudentPano : Slot::TeacherPano;
}

QLatin1String section_line(Side side)
{
    using namespace parameter_block;
    return QLatin1String(side == Side::Board     ? kBoardSection
                         : side == Side::Student ? kStudentSection
                                                 : kTeacherSection);
}

Side side_of(parameter_reply::Side side)
{
    return side == parameter_reply::Side::Board     ? Side::Board
           : side == parameter_reply::Side::Student ? Side::Student
                                                    : Side::Teacher;
}

// The command types of the director section: hex, ASCII.
constexpr int kHexCommands = 0;
constexpr int kAsciiCommands = 1;

// The interior director codes of the console's pictures, in the order a reply is compared with
// them.
struct ConsoleCode
{
    int interior; // the code's index in DirectorSection::interior
    const char *message;
};
const ConsoleCode kConsoleCodes[] = {
    {0, "teacher feature"},
    {1, "teacher pano"},
    {3, "student pano"},
    {2, "student feature"},
};
} // namespace

void ReplyRoute::wizard_reply(const QByteArray &reply)
{
    qWarning().noquote().nospace() << "MainWindow::dispatch_reply no wizard reads replies, reply not handled["
                                   << log_bytes(reply, kLogDumpLimit) << "]";
}

ReplyParser::ReplyParser(CameraSlots &cameras, const CameraPorts &ports, ControlLink &link, PanoStatus &status,
                         const DirectorSection &director, RequestAnswers &requests, BoardStatusMemory &board,
                         ReplyRoute &route, QWidget *window)
    : m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_status(status)
    , m_director(director)
    , m_requests(requests)
    , m_board(board)
    , m_route(route)
    , m_window(window)
{
    connect(&m_link, &ControlLink::textReply, this, &ReplyParser::route_text_reply);
}

void ReplyParser::route_text_reply(const QByteArray &reply, bool datagram)
{
    dispatch_reply(reply);
    if (datagram)
        qDebug().noquote().nospace() << "byteArray[" << log_bytes(reply, kLogDumpLimit) << "]"
                                     << "isVisible[" << m_route.window_visible() << "]";
}

void ReplyParser::dispatch_reply(const QByteArray &reply)
{
    if (m_link.manual_direct().run) {
        console_answer(reply);
        return;
    }
    if (!m_route.window_visible()) {
        m_route.wizard_reply(reply);
        return;
    }
    resolver_param(reply);
}

void ReplyParser::console_answer(const QByteArray &reply)
{
    const QString text = parameter_block::reply_text(reply);
    for (const parameter_reply::Side side : {parameter_reply::Side::Student, parameter_reply::Side::Teacher}) {
        const std::optional<parameter_reply::StatusPart> part = parameter_reply::console_status_part(text, side);
        if (!part)
            continue;
        const bool student = side == parameter_reply::Side::Student;
        int &status = m_status.cur_track_status(student ? Side::Student : Side::Teacher);
        if (part->start)
            status = 1;
        if (part->stop)
            status = 2;
        qDebug() << (student ? "student resolver tou param student_cur_track_status:"
                             : "teacher resolver tou param teacher_cur_track_status:")
                 << status;
    }

    QString compared = text;
    if (m_director.command_mode == kHexCommands)
        compared = QString::fromLatin1(reply.toHex());
    else if (m_director.command_mode == kAsciiCommands)
        compared = camera_address::remove_spaces(text);
    QString message = text;
    for (const ConsoleCode &code : kConsoleCodes) {
        const QString field = camera_address::remove_spaces(m_director.interior[size_t(code.interior)].code);
        // An empty code field names no picture, even for an empty reply.
        if (!field.isEmpty() && compared.compare(field, Qt::CaseInsensitive) == 0) {
            message = QString::fromLatin1(code.message);
            break;
        }
    }
    qDebug().noquote().nospace() << "MainWindow:: str[" << compared << "],data[" << message << "]";
    if (!m_route.console_listens())
        qWarning().noquote().nospace() << "MainWindow::dispatch_reply no manual director console listens, reply "
                                          "not handled["
                                       << message << "]";
    m_route.console_reply(message);
}

void ReplyParser::resolver_param(const QByteArray &reply)
{
    using parameter_reply::Kind;
    using Request = request_poller::Kind;
    qDebug().noquote().nospace() << "MainWindow::resolver_param[" << log_bytes(reply, kLogDumpLimit) << "]";
    const QString text = parameter_block::reply_text(reply);

    parameter_reply::Flags flags;
    flags.teacher_request_pending = m_requests.pending(Request::TeacherObtain)
                                    || m_requests.pending(Request::TeacherApply);
    flags.student_request_pending = m_requests.pending(Request::StudentObtain)
                                    || m_requests.pending(Request::StudentApply);
    flags.teacher_pano_status_pending = m_status.teacher_pano_status_pending;
    flags.student_pano_status_pending = m_status.student_pano_status_pending;
    const parameter_reply::Classification c = parameter_reply::classify(text, flags);

    for (parameter_reply::Echo echo : c.echoes) {
        qDebug() << parameter_reply::echo_log_line(echo);
        const bool teacher = parameter_reply::echo_is_teacher(echo);
        const bool apply = parameter_reply::echo_answers_apply(echo);
        // Only a request that waits is answered: the echo of a request that already failed
        // must not end the next one as a success.
        const Request kind = teacher ? (apply ? Request::TeacherApply : Request::TeacherObtain)
                                     : (apply ? Request::StudentApply : Request::StudentObtain);
        m_requests.answer_request(kind);
        emit request_echoed(kind);
    }

    switch (c.kind) {
    case Kind::Unmatched:
        return;
    case Kind::BoardRelayed:
        read_board_relayed_keys(text);
        return;
    case Kind::TeacherCropStatus:
    case Kind::StudentCropStatus:
        show_crop_status(c.kind == Kind::TeacherCropStatus, c.crop_start, c.crop_stop);
        return;
    case Kind::TeacherSection:
        emit teacher_section_read(text);
        continue_obtain_chain(Side::Teacher);
        return;
    case Kind::StudentAutocalibrate:
        emit student_autocalibrate_reported(c.autocalibrate_value);
        return;
    case Kind::StudentSection:
        emit student_section_read(text);
        continue_obtain_chain(Side::Student);
        return;
    case Kind::BoardSection:
        emit board_section_read(text);
        continue_obtain_chain(Side::Board);
        return;
    case Kind::DirectorSection:
        emit director_section_read(text);
        return;
    case Kind::TrackingStatus:
        for (const parameter_reply::StatusPart &part : c.status_parts) {
            if (!apply_tracking_status(part))
                return;
        }
        return;
    }
}

void ReplyParser::send_parameter_request(Side side, const QStringList &lines)
{
    m_link.send_parameter_request(m_slots[pano_slot(side)].destination, m_ports.udp_port(side), lines);
}

void ReplyParser::continue_obtain_chain(Side side)
{
    bool &chained = m_status.obtain_chain_flag(side);
    if (!chained || !m_slots[pano_slot(side)].udp_flag)
        return;
    send_parameter_request(side, {section_line(side), QLatin1String(parameter_block::kGetDirectorConfigFile)});
    chained = false;
}

void ReplyParser::read_board_relayed_keys(const QString &text)
{
    qDebug() << "get tracking config success!";
    emit board_relayed_keys_read(board_parameters::read_relay_answer(text));
    // The board Obtain is a teacher obtain; an answer nobody waits for (a late one, after its
    // obtain failed) ends nothing.
    m_requests.answer_request(request_poller::Kind::TeacherObtain);
}

void ReplyParser::show_crop_status(bool teacher, bool start, bool stop)
{
    const Side s = teacher ? Side::Teacher : Side::Student;
    bool &startStatus = m_status.crop_start_status(s);
    bool &stopStatus = m_status.crop_stop_status(s);
    bool &quiet = m_status.crop_status_quiet(s);
    const char *side = teacher ? "teacher" : "student";
    // A tip only on a change, and none for the first answer after a connect.
    auto tip = [&](const QString &message) {
        if (!quiet)
            emit status_notice_wanted(teacher, message);
        else
            quiet = false;
    };
    // Both words may come in one answer: start is taken first, so stop wins.
    if (start && !startStatus) {
        stopStatus = false;
        startStatus = true;
        tip(tr("Panorama cropping has been enabled"));
        qDebug().noquote().nospace() << "[0]" << side << " crop status= " << start << "," << side
                                     << "_crop_start_status = " << startStatus;
    }
    if (stop && !stopStatus) {
        stopStatus = true;
        startStatus = false;
        tip(tr("Panorama cropping has been suspended"));
        qDebug().noquote().nospace() << "[1]" << side << " crop status= " << stop << "," << side
                                     << "_crop_stop_status = " << stopStatus;
    }
}

bool ReplyParser::apply_tracking_status(const parameter_reply::StatusPart &part)
{
    using parameter_block::kGetTrackingConfigFile;
    const Side side = side_of(part.side);
    int &status = m_status.cur_track_status(side);

    if (side == Side::Board) {
        // The stop and the request below go out once per change of the reported status: a
        // camera that answers each of them with its status would otherwise be asked for ever.
        const bool changed = m_board.board_tracking_status_changed(part);
        if (part.start) {
            emit widget_status_wanted(2, false);
            status = 1;
        }
        if (part.stop) {
            emit widget_status_wanted(2, true);
            status = 2;
            if (changed)
                emit board_tracking_stop_wanted();
        }
        if (part.type_mismatch) {
            emit widget_status_wanted(2, true);
            status = 2;
            if (m_slots[Slot::BoardPano].udp_flag)
                emit pano_release_wanted(side);
            msgbox::warning(m_window, tr("Warning"), tr("Connection types do not match"));
            return false;
        }
        if (!changed)
            return false;
        send_parameter_request(side, {section_line(side), QLatin1String(kGetTrackingConfigFile)});
        m_status.board_obtain_chain_flag = true;
        return false;
    }

    const bool teacher = side == Side::Teacher;
    const int tab = teacher ? 0 : 1;
    // Each pano has its own wait: this answer ends only its side's.
    m_status.status_received(side) = true;
    m_slots[pano_slot(side)].response_timer->stop();
    if (teacher)
        qDebug() << "19:20:23" << "---LEAVE---MainWindow::";
    auto set_tabs = [&](bool enabled) {
        emit widget_status_wanted(tab, enabled);
        if (teacher)
            emit widget_status_wanted(2, enabled);
    };
    const bool lecternModel = teacher && m_slots[Slot::TeacherFeature].device_model == QLatin1String("M19");
    if (part.start) {
        set_tabs(false);
        status = 1;
        if (lecternModel)
            emit lectern_director_enabled_wanted(false);
    }
    if (part.stop) {
        set_tabs(true);
        status = 2;
        if (lecternModel)
            emit lectern_director_enabled_wanted(true);
    }
    qDebug() << (teacher ? "teacher resolver param teacher_cur_track_status:"
                         : "student resolver param student_cur_track_status:")
             << status;

    if (part.type_mismatch) {
        m_status.pano_status_pending(side) = false;
        set_tabs(true);
        status = 2;
        if (m_slots[pano_slot(side)].udp_flag)
            emit pano_release_wanted(side);
        msgbox::warning(m_window, tr("Warning"), tr("Connection types do not match"));
        return false;
    }
    send_parameter_request(side, {section_line(side), QLatin1String(kGetTrackingConfigFile)});
    m_status.obtain_chain_flag(side) = true;
    return true;
}
