#include "net/control_link.h"

#include "core/log_fold.h"
#include "core/time_scale.h"
#include "core/turn_share.h"
#include "core/wait.h"
#include "model/camera_slots.h"
#include "protocol/parameter_block.h"
#include "protocol/protocol_log.h"
#include "protocol/visca_text.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kProbeConnectMs = 500; // a camera's TCP port answers at once when it is up
constexpr int kLinkConnectMs = 1500;
constexpr int kWizardLinkConnectMs = 1000; // the wizard gives a camera that took the probe less time
constexpr int kKeepAliveMs = 900000; // cameras drop a control link idle for longer
constexpr int kConnectPollMs = 10;   // the window keeps painting between two looks at the socket
// Bytes taken off a link at a time: thousands of small frames, a whole parameter block. The
// socket holds no more than this either, so that one turn of the event loop takes in at most
// this much of a camera that sends as fast as it can; the camera waits for the rest.
constexpr qint64 kReadChunkBytes = 64 * 1024;
// Bytes of a link read and not yet handed on, at most: four of the longest frames, or tens of
// thousands of answers, which the window hands on within about a second. A camera that sends
// faster than that has its oldest frames dropped, counted in the log.
constexpr int kLinkHeldBytes = 4 * 1024 * 1024;
static_assert(kLinkHeldBytes >= UotReader::kHeaderSize + int(UotReader::kMaxPayloadSize),
              "a link holds a frame of the longest length a camera may send");
// Bytes written on a link that its camera has not taken, at most, beyond what the system
// buffers: thousands of commands. A camera that takes nothing while its answers keep coming (a
// status answer asks for the configuration) would grow the socket's buffer without end.
constexpr qint64 kLinkUnsentBytes = 1024 * 1024;
// Hosts that send to the reply socket unasked are logged once each, up to this many: a scan
// or a flood from many addresses must grow neither the memory nor the log.
constexpr int kForeignSendersLogged = 64;
// Replies left out of the log (a run of identical ones) are told of this long after the first
// of them at the latest: a flood shows in the log once a second while it lasts, and its end
// within a second even when nothing else comes.
constexpr int kFoldNoteMs = 1000;

// The address as IPv4 when it is one (also when written IPv4-mapped), for comparing senders.
QHostAddress plain_address(const QHostAddress &address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : address;
}

// Waits, handling events, until the socket is connected; false when it ends unconnected
// (refused, aborted meanwhile) or the time runs out.
bool wait_until_connected(QTcpSocket *socket, int ms)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 limit = timescale::scaled(ms);
    for (;;) {
        const QAbstractSocket::SocketState state = socket->state();
        if (state == QAbstractSocket::ConnectedState)
            return true;
        if (state == QAbstractSocket::UnconnectedState || clock.elapsed() >= limit)
            return false;
        ::wait_ms(kConnectPollMs);
    }
}

QTcpSocket *make_socket(QObject *parent)
{
    auto *socket = new QTcpSocket(parent);
    socket->setProxy(QNetworkProxy::NoProxy);
    return socket;
}

// A reader's next share, run in a later turn of the event loop.
QTimer *zero_timer(QObject *parent)
{
    auto *timer = new QTimer(parent);
    timer->setSingleShot(true);
    timer->setInterval(0);
    return timer;
}

Slot pano_of_side(Slot slot)
{
    return camera_slot::side(slot) == Side::Student ? Slot::StudentPano : Slot::TeacherPano;
}

Slot other_slot_of_side(Slot slot)
{
    switch (slot) {
    case Slot::TeacherFeature:
        return Slot::TeacherPano;
    case Slot::TeacherPano:
        return Slot::TeacherFeature;
    case Slot::StudentFeature:
        return Slot::StudentPano;
    case Slot::StudentPano:
        return Slot::StudentFeature;
    case Slot::BoardFeature:
        return Slot::BoardPano;
    case Slot::BoardPano:
        break;
    }
    return Slot::BoardFeature;
}
} // namespace

ControlLink::Options ControlLink::Options::wizard()
{
    Options options;
    options.owner = Owner::Wizard;
    options.bind_reply_socket = false;
    options.text_replies_only = true;
    return options;
}

ControlLink::ControlLink(CameraSlots *camera_slots, QObject *parent)
    : ControlLink(camera_slots, Options(), parent)
{
}

ControlLink::ControlLink(CameraSlots *camera_slots, const Options &options, QObject *parent)
    : QObject(parent)
    , m_slots(camera_slots)
    , m_options(options)
    , m_log(options.owner == Owner::Wizard ? QStringLiteral("GuideConfig") : QStringLiteral("MainWindow"))
{
    udpClient = new QUdpSocket(this);
    udpClient->setProxy(QNetworkProxy::NoProxy);
    connect(udpClient, &QUdpSocket::readyRead, this, &ControlLink::readSocUdpData);
    if (m_options.bind_reply_socket) {
        udpServer = new QUdpSocket(this);
        connect(udpServer, &QUdpSocket::readyRead, this, &ControlLink::readResponseData);
    }
    probe_tcp_socket = make_socket(this);
    teacher_tcp_socket = make_socket(this);
    student_tcp_socket = make_socket(this);
    for (QTcpSocket *link : {teacher_tcp_socket, student_tcp_socket})
        link->setReadBufferSize(kReadChunkBytes);
    for (UotReader *reader : {&teacher_link_reader, &student_link_reader})
        reader->set_max_held(kLinkHeldBytes);
    for (LinkRead *read : {&teacher_link_read, &student_link_read})
        read->resume = zero_timer(this);
    connect(teacher_link_read.resume, &QTimer::timeout, this, [this] { read_link(1); });
    connect(student_link_read.resume, &QTimer::timeout, this, [this] { read_link(2); });
    m_reply_read_resume = zero_timer(this);
    m_visca_read_resume = zero_timer(this);
    connect(m_reply_read_resume, &QTimer::timeout, this, &ControlLink::readResponseData);
    connect(m_visca_read_resume, &QTimer::timeout, this, &ControlLink::readSocUdpData);
    m_fold_note = new QTimer(this);
    m_fold_note->setSingleShot(true);
    connect(m_fold_note, &QTimer::timeout, this, [this] {
        teacher_link_reader.write_notes();
        student_link_reader.write_notes();
        m_text_datagram_fold.note();
        m_visca_datagram_fold.note();
    });

    // The socket is the context: the hooks go with the socket.
    connect(teacher_tcp_socket, &QTcpSocket::readyRead, teacher_tcp_socket, [this] { teacher_tcp_ready_read(); });
    connect(student_tcp_socket, &QTcpSocket::readyRead, student_tcp_socket, [this] { student_tcp_ready_read(); });
    // A newly connected link starts a fresh byte stream and may carry commands again.
    connect(teacher_tcp_socket, &QTcpSocket::connected, this, [this] {
        teacher_link_reader.clear();
        teacher_tcp_link_failed = false;
    });
    connect(student_tcp_socket, &QTcpSocket::connected, this, [this] {
        student_link_reader.clear();
        student_tcp_link_failed = false;
    });
    connect(teacher_tcp_socket, &QAbstractSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) { mark_tcp_link_failed(1, "socket error", int(error)); });
    connect(student_tcp_socket, &QAbstractSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) { mark_tcp_link_failed(2, "socket error", int(error)); });

    if (m_slots) {
        // The wizard's side timer runs the pano's keep-alive first, then the feature's.
        connect(keepalive_timer(Slot::TeacherPano), &QTimer::timeout, this, &ControlLink::teacher_pano_tcp_keepalive);
        connect(keepalive_timer(Slot::TeacherFeature), &QTimer::timeout, this,
                &ControlLink::teacher_feature_tcp_keepalive);
        connect(keepalive_timer(Slot::StudentPano), &QTimer::timeout, this, &ControlLink::student_tcp_keepalive);
        connect(keepalive_timer(Slot::StudentFeature), &QTimer::timeout, this,
                &ControlLink::student_feature_tcp_keepalive);
    }
}

QTimer *ControlLink::keepalive_timer(Slot slot) const
{
    return (*m_slots)[wizard() ? pano_of_side(slot) : slot].keepalive_timer;
}

// A side timer stops only once neither camera of the side holds the link.
void ControlLink::stop_keepalive(Slot slot)
{
    if (wizard() && (*m_slots)[other_slot_of_side(slot)].tcp_flag)
        return;
    keepalive_timer(slot)->stop();
}

ControlLink::~ControlLink() = default;

void ControlLink::set_rules(const Rules &rules) { m_rules = rules; }

void ControlLink::set_slot_field_address(Slot slot, const QString &address) { m_field_addresses[int(slot)] = address; }

void ControlLink::set_main_tabs(int count, bool board_tab_current)
{
    m_main_tab_count = count;
    m_board_tab_current = board_tab_current;
}

void ControlLink::set_manual_direct_camera(bool teacher, const QString &ip, bool tcp_up)
{
    m_manual_direct.run = true;
    (teacher ? m_manual_direct.teacher_ip : m_manual_direct.student_ip) = ip;
    (teacher ? m_manual_direct.teacher_tcp : m_manual_direct.student_tcp) = tcp_up;
}

void ControlLink::set_manual_direct_running(bool run)
{
    if (run) {
        m_manual_direct.run = true;
        return;
    }
    release_manual_direct_camera(true);
    release_manual_direct_camera(false);
    m_manual_direct = link_choice::ManualDirect();
}

bool ControlLink::open_manual_direct_link(bool teacher, const QString &ip, int port)
{
    QTcpSocket *link = teacher ? teacher_tcp_socket : student_tcp_socket;
    link->abort();
    link->connectToHost(ip, quint16(port), QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    if (wait_until_connected(link, kLinkConnectMs))
        return true;
    abort_link(link);
    return false;
}

void ControlLink::release_manual_direct_camera(bool teacher)
{
    bool &tcp = teacher ? m_manual_direct.teacher_tcp : m_manual_direct.student_tcp;
    if (tcp)
        abort_link(teacher ? teacher_tcp_socket : student_tcp_socket);
    tcp = false;
    QString &ip = teacher ? m_manual_direct.teacher_ip : m_manual_direct.student_ip;
    // Its late answers are no longer taken, as for a camera slot let go.
    if (!ip.isEmpty())
        forget_answers_from(QHostAddress(ip), -1);
    ip.clear();
}

QTcpSocket *ControlLink::side_socket(int side) const
{
    return side == 1 ? teacher_tcp_socket : student_tcp_socket;
}

void ControlLink::mark_tcp_link_failed(int side, const char *reason, int detail)
{
    QTcpSocket *socket = side_socket(side);
    bool &failed = side == 1 ? teacher_tcp_link_failed : student_tcp_link_failed;
    // Only a link that carries commands can fail; a refused connect of a link not in use is
    // the connect's own business.
    bool inUse = side == 1 ? m_manual_direct.teacher_tcp : m_manual_direct.student_tcp;
    if (m_slots) {
        const Slot feature = side == 1 ? Slot::TeacherFeature : Slot::StudentFeature;
        const Slot pano = side == 1 ? Slot::TeacherPano : Slot::StudentPano;
        inUse = inUse || (*m_slots)[feature].tcp_flag || (*m_slots)[pano].tcp_flag;
    }
    if (!inUse || failed)
        return;
    qWarning().noquote().nospace() << m_log << ":: " << (side == 1 ? "teacher" : "student") << " TCP link failed ("
                                   << reason << " " << detail << ": " << socket->errorString()
                                   << "), its commands go by UDP until the camera is connected again";
    failed = true;
}

// ---------------------------------------------------------------------------
// Send path.

void ControlLink::sendMsg_Net(QHostAddress *destination, int port, const QString &text, bool hex)
{
    qDebug().noquote().nospace() << m_log << "::sendMsg_Net[" << text << "],port[" << port << "],flag["
                                 << (hex ? "true" : "false") << "]";

    QByteArray payload;
    if (hex) {
        const visca_text::ParseResult parsed = visca_text::hex_text_to_bytes(text);
        if (!parsed.ok) {
            qWarning().noquote().nospace() << m_log << "::sendMsg_Net bad hex token[" << parsed.bad_token << "]";
            emit commandFormatError();
            return;
        }
        payload = parsed.bytes;
    } else {
        payload = text.toLocal8Bit();
    }

    if (!destination) {
        qDebug().noquote() << m_log + QStringLiteral("::sendMsg_Net destination is NULL");
        return;
    }
    if (!udpClient) {
        qDebug().noquote() << m_log + QStringLiteral("::sendMsg_Net udpClient is NULL");
        return;
    }
    m_sent_to.insert(plain_address(*destination));
    const link_choice::Choice choice = choose_link(destination->toString(), destination);
    if (choice.link != link_choice::Link::Udp) {
        const int side = choice.link == link_choice::Link::TeacherTcp ? 1 : 2;
        if (send_over_tcp(side, port, payload))
            return;
    }
    send_over_udp(destination, port, payload, !hex && !payload.isEmpty());
}

link_choice::Choice ControlLink::choose_link(const QString &address, const QHostAddress *destination) const
{
    if (wizard()) {
        link_choice::Slots cameras;
        auto camera = [&](Slot slot) {
            const CameraSlotRecord &record = (*m_slots)[slot];
            return link_choice::Slot{m_field_addresses[int(slot)], record.udp_flag, false, record.tcp_flag};
        };
        cameras.teacher_feature = camera(Slot::TeacherFeature);
        cameras.teacher_pano = camera(Slot::TeacherPano);
        cameras.student_feature = camera(Slot::StudentFeature);
        cameras.student_pano = camera(Slot::StudentPano);
        // Board 1 and board 2: only their addresses count.
        cameras.board_feature.field_address = m_field_addresses[int(Slot::BoardFeature)];
        cameras.board_pano.field_address = m_field_addresses[int(Slot::BoardPano)];
        const link_choice::Choice choice = link_choice::choose_wizard(address, cameras, m_wizard_step);
        log_wizard_choice(choice);
        return choice;
    }
    qDebug().noquote().nospace() << "MainWindow::manual_direct_run:[" << m_manual_direct.run << "],IP:[" << address
                                 << "],manual_direct_teacher_ip:[" << m_manual_direct.teacher_ip << "]";
    if (m_manual_direct.run)
        return link_choice::choose_manual_direct(address, m_manual_direct);
    link_choice::Slots cameras;
    if (m_slots) {
        auto camera = [&](Slot slot) {
            const CameraSlotRecord &record = (*m_slots)[slot];
            return link_choice::Slot{m_field_addresses[int(slot)], record.udp_flag,
                                     record.destination != nullptr && record.destination == destination,
                                     record.tcp_flag};
        };
        cameras.teacher_feature = camera(Slot::TeacherFeature);
        cameras.teacher_pano = camera(Slot::TeacherPano);
        cameras.student_feature = camera(Slot::StudentFeature);
        cameras.student_pano = camera(Slot::StudentPano);
        // The board cameras have no TCP link.
        cameras.board_feature = camera(Slot::BoardFeature);
        cameras.board_feature.tcp = false;
        cameras.board_pano = camera(Slot::BoardPano);
        cameras.board_pano.tcp = false;
    }
    // The log line keeps the words the window's log has always had here.
    qDebug() << "ui->tabWidget->count():" << m_main_tab_count;
    cameras.board_tab_current = m_board_tab_current;
    return link_choice::choose(address, cameras);
}

void ControlLink::log_wizard_choice(const link_choice::Choice &choice) const
{
    if (choice.matched == QLatin1String("unmatched")) {
        qDebug().noquote().nospace() << m_log << "::sendMsg_Net no camera of page " << m_wizard_step.page
                                     << " has this address: by UDP";
        return;
    }
    qDebug().noquote().nospace() << m_log << "::" << QString(choice.matched).replace(QLatin1Char(' '), QLatin1Char('_'))
                                 << "_tcp_flag [" << (choice.link != link_choice::Link::Udp ? "true" : "false") << "]";
}

void ControlLink::send_parameter_request(QHostAddress *destination, int port, const QStringList &lines)
{
    sendMsg_Net(destination, port, parameter_block::join(lines), false);
}

bool ControlLink::send_over_tcp(int side, int port, const QByteArray &payload)
{
    QTcpSocket *socket = side_socket(side);
    if (side == 1 ? teacher_tcp_link_failed : student_tcp_link_failed)
        return false;
    if (socket->state() != QAbstractSocket::ConnectedState) {
        mark_tcp_link_failed(side, "link not connected, state", int(socket->state()));
        return false;
    }
    // Its camera takes nothing: the link fails as a write that fails does.
    if (socket->bytesToWrite() > kLinkUnsentBytes) {
        mark_tcp_link_failed(side, "the camera takes nothing, bytes waiting", int(socket->bytesToWrite()));
        return false;
    }

    const quint32 headerPort = control_frame::header_port(port, m_mapped_ports);
    const QByteArray frame = control_frame::build(headerPort, payload);

    const qint64 written = socket->write(frame);
    if (written != frame.size()) {
        // A socket write takes the whole frame or fails: nothing went out, so the datagram
        // carries the command instead.
        mark_tcp_link_failed(side, "write failed", int(written));
        return false;
    }
    m_tcp_socket_flag = true;
    m_current_state = side;
    qDebug().noquote().nospace() << m_log << ":: tcp connection succeeded, totalByte["
                                 << log_hex(frame, kLogDumpLimit, ' ') << "],totalByte.size[" << frame.size()
                                 << "],currentState[" << m_current_state << "],Port:" << headerPort;
    return true;
}

void ControlLink::send_over_udp(QHostAddress *destination, int port, const QByteArray &payload, bool expects_text_answer)
{
    m_tcp_socket_flag = false;
    m_current_state = 0;
    // Text answers to a datagram come back to a reply socket; it must be listening.
    if (expects_text_answer) {
        if (udpServer)
            ensure_reply_socket();
        else
            emit datagramAnswersExpected(*destination);
    }
    const qint64 written = udpClient->writeDatagram(payload, *destination, quint16(port));
    if (written != payload.size()) {
        qWarning().noquote().nospace() << m_log << ":: udp send failed[" << udpClient->errorString()
                                       << "],destination[" << destination->toString() << "], port[" << port << "]";
        return;
    }
    qDebug().noquote().nospace() << m_log << ":: udp connection succeeded, params["
                                 << log_bytes(payload, kLogDumpLimit) << "],destination[" << destination->toString()
                                 << "], port[" << port << "]";
}

void ControlLink::closeUdpServer()
{
    if (!udpServer)
        return;
    qDebug() << 236 << " MainWindow::closeUdpServer [enter]";
    udpServer->close();
    udpServer->setProxy(QNetworkProxy::NoProxy);
    if (!udpServer->bind(QHostAddress::AnyIPv4, udp_server_port))
        qWarning().noquote().nospace() << "MainWindow::closeUdpServer bind to port " << udp_server_port
                                       << " failed: " << udpServer->errorString();
    qDebug() << 244 << " MainWindow::closeUdpServer [leave]";
}

void ControlLink::ensure_reply_socket()
{
    if (udpServer && udpServer->state() != QAbstractSocket::BoundState)
        closeUdpServer();
}

void ControlLink::expect_datagram_answers(const QHostAddress &from)
{
    m_sent_to.insert(plain_address(from));
    ensure_reply_socket();
}

// ---------------------------------------------------------------------------
// The sides' TCP links.

bool ControlLink::probe_tcp_connect(const QString &ip, int port)
{
    probe_tcp_socket->abort();
    probe_tcp_socket->connectToHost(ip, quint16(port), QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    const bool connected = wait_until_connected(probe_tcp_socket, kProbeConnectMs);
    // After the abort the socket is unconnected at once: nothing to wait for.
    probe_tcp_socket->abort();
    probe_tcp_socket->disconnectFromHost();
    return connected;
}

void ControlLink::abort_link(QTcpSocket *link)
{
    // What was written last (a camera taken out of a mode as it is let go) goes out first: an
    // abort throws away what the socket still buffers. flush() writes without waiting. An
    // aborted socket is unconnected at once: nothing to wait for.
    link->flush();
    link->abort();
    link->disconnectFromHost();
    // The frames of the released camera still waiting are not handed on while the link serves
    // the next one.
    const bool teacher = link == teacher_tcp_socket;
    (teacher ? teacher_link_reader : student_link_reader).clear();
    (teacher ? teacher_link_read : student_link_read).resume->stop();
}

void ControlLink::connect_teacher_pano_tcp(const QString &ip, int port)
{
    CameraSlotRecord &pano = (*m_slots)[Slot::TeacherPano];
    CameraSlotRecord &feature = (*m_slots)[Slot::TeacherFeature];
    if (!probe_tcp_connect(ip, port)) {
        closeUdpServer();
        pano.tcp_flag = false;
        return;
    }
    // The side has one link: re-pointing it takes it from the teacher feature camera, unless
    // both slots name the same camera.
    const bool featureHadLink = feature.tcp_flag;
    const bool featureSameCamera = feature.destination && feature.destination->isEqual(QHostAddress(ip));
    if (feature.tcp_flag) {
        feature.tcp_flag = false;
        feature.keepalive_timer->stop();
    }

    teacher_tcp_socket->abort();
    teacher_tcp_socket->connectToHost(ip, quint16(port), QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    qDebug().noquote().nospace() << "TCP:teacherPanoTcp->connectToHost ip[" << ip << "],port[" << port << "]";
    if (wait_until_connected(teacher_tcp_socket, kLinkConnectMs)) {
        qDebug() << "Teacher Pano TCP: [connection successful]";
        pano.tcp_flag = true;
        pano.keepalive_timer->stop();
        pano.keepalive_timer->start(timescale::scaled(kKeepAliveMs));
        if (featureHadLink && featureSameCamera) {
            feature.tcp_flag = true;
            feature.keepalive_timer->start(timescale::scaled(kKeepAliveMs));
        }
    } else {
        qDebug() << "Teacher Pano TCP: [connection timeout]";
        pano.tcp_flag = false;
        abort_link(teacher_tcp_socket);
    }
    if (featureHadLink && !feature.tcp_flag)
        qDebug() << "MainWindow::connect_teacher_pano_tcp the teacher feature camera lost the TCP link, its "
                    "commands go by UDP";
}

void ControlLink::open_side_tcp_link(Slot slot, const QString &address, int port)
{
    const bool teacher = camera_slot::side(slot) == Side::Teacher;
    QTcpSocket *link = teacher ? teacher_tcp_socket : student_tcp_socket;
    CameraSlotRecord &record = (*m_slots)[slot];

    if (!probe_tcp_connect(address, port)) {
        if (udpServer)
            closeUdpServer();
        else
            emit datagramAnswersExpected(QHostAddress(address));
        record.tcp_flag = false;
        release_tcp_flags_not_on_link(camera_slot::side(slot), port);
        return;
    }
    // The window's log keeps its own lines of these connects.
    const bool windowLog = !wizard();
    if (windowLog && slot == Slot::StudentFeature)
        qDebug() << " MainWindow::isEnabledTCP [enter]";
    link->abort();
    link->connectToHost(address, quint16(port), QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    if (windowLog && slot == Slot::StudentFeature)
        qDebug() << " MainWindow::isEnabledTCP [leave]";
    const bool connected = wait_until_connected(link, wizard() ? kWizardLinkConnectMs : kLinkConnectMs);
    if (windowLog && slot == Slot::TeacherFeature)
        qDebug() << (connected ? "Teacher Feature TCP: [connection successful]" : "Teacher Feature TCP: [connection timeout]");
    if (connected) {
        record.tcp_flag = true;
        keepalive_timer(slot)->stop();
        keepalive_timer(slot)->start();
    } else {
        record.tcp_flag = false;
        // A connect that did not complete leaves the link to nobody (the socket may still be
        // connecting).
        const bool otherFlag = slot == Slot::TeacherFeature ? (*m_slots)[Slot::TeacherPano].tcp_flag : true;
        if (otherFlag || wizard())
            abort_link(link);
    }
    if (windowLog && slot == Slot::TeacherFeature)
        qDebug() << "teacher_feature_tcp_flag:" << record.tcp_flag;
    // During the connect's wait the other slot of the side may have pointed the link at its own
    // camera: a slot keeps its flag only for a link to its camera.
    release_tcp_flags_not_on_link(camera_slot::side(slot), port);
}

// The side has one link; a camera whose link was re-pointed at the other camera of the side (or
// lost) sends by UDP from now on instead of over a socket connected elsewhere.
void ControlLink::release_tcp_flags_not_on_link(Side side, int port)
{
    if (side == Side::Board)
        return;
    const bool teacher = side == Side::Teacher;
    QTcpSocket *link = teacher ? teacher_tcp_socket : student_tcp_socket;
    const struct {
        Slot slot;
        const char *name;
    } entries[] = {
        {teacher ? Slot::TeacherFeature : Slot::StudentFeature,
         teacher ? "teacher_feature_tcp_flag" : "student_feature_tcp_flag"},
        {teacher ? Slot::TeacherPano : Slot::StudentPano, teacher ? "teacher_pano_tcp_flag" : "student_pano_tcp_flag"},
    };
    const bool linkUp = link->state() == QAbstractSocket::ConnectedState;
    for (const auto &entry : entries) {
        CameraSlotRecord &record = (*m_slots)[entry.slot];
        if (!record.tcp_flag)
            continue;
        const bool onLink = linkUp && record.destination && link->peerPort() == quint16(port)
                            && link->peerAddress().isEqual(*record.destination, QHostAddress::ConvertV4MappedToIPv4);
        if (onLink)
            continue;
        qDebug().noquote() << m_log + QStringLiteral("::") << entry.name
                           << "cleared: the side's link no longer goes to that camera";
        record.tcp_flag = false;
        stop_keepalive(entry.slot);
    }
}

void ControlLink::close_slot_link(Slot slot)
{
    forget_answers_of(slot);
    if (camera_slot::side(slot) == Side::Board)
        return;
    CameraSlotRecord &record = (*m_slots)[slot];
    record.tcp_flag = false;
    if (!(*m_slots)[other_slot_of_side(slot)].tcp_flag)
        abort_link(camera_slot::side(slot) == Side::Teacher ? teacher_tcp_socket : student_tcp_socket);
    stop_keepalive(slot);
}

void ControlLink::close_side_link(Side side)
{
    if (side == Side::Board)
        return;
    const bool teacher = side == Side::Teacher;
    for (Slot slot : {teacher ? Slot::TeacherFeature : Slot::StudentFeature, teacher ? Slot::TeacherPano : Slot::StudentPano}) {
        (*m_slots)[slot].tcp_flag = false;
        keepalive_timer(slot)->stop();
    }
    abort_link(teacher ? teacher_tcp_socket : student_tcp_socket);
}

// A released camera's late text answers are no longer taken, unless another slot still uses
// its address.
void ControlLink::forget_answers_of(Slot slot)
{
    if (const QHostAddress *released = (*m_slots)[slot].destination)
        forget_answers_from(*released, int(slot));
}

void ControlLink::forget_answers_from(const QHostAddress &released, int except_slot)
{
    const QHostAddress address = plain_address(released);
    for (int i = 0; m_slots && i < camera_slot::kSlotCount; ++i) {
        const QHostAddress *other = (*m_slots)[Slot(i)].destination;
        if (i != except_slot && other && plain_address(*other) == address)
            return;
    }
    m_sent_to.remove(address);
}

void ControlLink::stop_keepalive_timers()
{
    for (Slot slot : {Slot::TeacherPano, Slot::TeacherFeature, Slot::StudentPano, Slot::StudentFeature}) {
        keepalive_timer(slot)->stop();
        (*m_slots)[slot].tcp_flag = false;
    }
    teacher_tcp_socket->abort();
    student_tcp_socket->abort();
}

void ControlLink::keep_link_alive(Slot slot, const char *what)
{
    CameraSlotRecord &record = (*m_slots)[slot];
    const Side side = camera_slot::side(slot);
    const bool linkFailed = side == Side::Teacher ? teacher_tcp_link_failed : student_tcp_link_failed;
    // A failed link is not kept alive: the camera's commands go by UDP until it is connected again.
    if (!record.destination || !record.tcp_flag || linkFailed)
        return;
    qDebug().noquote() << m_log + QStringLiteral("::Keep alive ") + QLatin1String(what) + QStringLiteral(" connection");
    const int port = m_rules.text_port ? m_rules.text_port(side) : int(control_frame::kTextPort);
    if (wizard()) {
        // The wizard's rule goes by the step shown, where a keep-alive may match no camera: it
        // goes on the link it keeps alive.
        qDebug().noquote().nospace() << m_log << "::sendMsg_Net[],port[" << port << "],flag[false]";
        send_over_tcp(side == Side::Teacher ? 1 : 2, port, QByteArray());
    } else {
        sendMsg_Net(record.destination, port, QString(), false);
    }
    QTimer *timer = keepalive_timer(slot);
    timer->stop();
    timer->setSingleShot(true);
    timer->start(timescale::scaled(kKeepAliveMs));
}

void ControlLink::teacher_pano_tcp_keepalive()
{
    keep_link_alive(Slot::TeacherPano, "teacher pano");
}

void ControlLink::teacher_feature_tcp_keepalive()
{
    keep_link_alive(Slot::TeacherFeature, "teacher feature");
}

void ControlLink::student_tcp_keepalive()
{
    keep_link_alive(Slot::StudentPano, "student pano");
}

void ControlLink::student_feature_tcp_keepalive()
{
    keep_link_alive(Slot::StudentFeature, "student feature");
}

// ---------------------------------------------------------------------------
// Replies.

void ControlLink::readResponseData()
{
    qDebug().noquote().nospace() << "MainWindow::readUdpData,tcp_socket_flag[" << m_tcp_socket_flag << "],"
                                 << "],currentState[" << m_current_state << "]";
    read_datagram_share(udpServer, m_reply_read_resume, [this](const QNetworkDatagram &datagram) {
        if (!answer_expected_from(datagram.senderAddress(), "MainWindow::readUdpData"))
            return;
        const log_fold::Quiet quiet(
            m_text_datagram_fold.leave_out(datagram.data(), plain_address(datagram.senderAddress()).toString()));
        emit textReply(datagram.data(), true);
    });
    note_left_out_later(m_text_datagram_fold.pending() > 0);
}

// Each datagram is taken off the socket before it is handed on: a reply handled during a wait
// lets the reader run again for the next one. A host that sends as fast as it can would hold the
// window in one read: after a share (TurnShare) the rest wait for the next turn of the event loop.
// Datagrams ignored count too, as a flood of them costs the same reads.
void ControlLink::read_datagram_share(QUdpSocket *socket, QTimer *resume,
                                      const std::function<void(const QNetworkDatagram &)> &take)
{
    TurnShare share;
    while (socket->hasPendingDatagrams()) {
        if (share.spent()) {
            resume->start();
            return;
        }
        share.took();
        take(socket->receiveDatagram());
    }
}

void ControlLink::note_left_out_later(bool pending)
{
    if (pending && !m_fold_note->isActive())
        m_fold_note->start(timescale::scaled(kFoldNoteMs));
}

bool ControlLink::answer_expected_from(const QHostAddress &sender, const char *reader)
{
    const QHostAddress address = plain_address(sender);
    if (m_sent_to.contains(address))
        return true;
    if (m_foreign_senders_logged.contains(address) || m_foreign_senders_log_full)
        return false;
    if (m_foreign_senders_logged.size() < kForeignSendersLogged) {
        m_foreign_senders_logged.insert(address);
        qWarning().noquote().nospace() << reader << " answer from [" << address.toString()
                                       << "] ignored: no command was sent there (further ones from it are not logged)";
    } else {
        m_foreign_senders_log_full = true;
        qWarning().noquote().nospace() << reader << " answers from more than " << kForeignSendersLogged
                                       << " unknown senders: further ones are ignored and not logged";
    }
    return false;
}

// Each link is read when it signals, into its own reader, so that bytes of the two links never
// mix and none wait for a later send to the same side.
void ControlLink::teacher_tcp_ready_read()
{
    if (teacher_tcp_socket->bytesAvailable() > 0)
        read_link(1);
}

void ControlLink::student_tcp_ready_read()
{
    if (student_tcp_socket->bytesAvailable() > 0)
        read_link(2);
}

// Hands on the link's frames in stream order until its socket is empty, a share at a time
// (TurnShare); the rest waits for the next turn of the event loop. Frames the reader skips (another port, a damaged header) count as frames: a flood of them
// would otherwise run through a whole socket read, thousands of frames, before the budget is
// looked at. Every turn takes in what the socket holds (at most kReadChunkBytes), so that the
// reader, not the socket, holds what waits, and drops the oldest beyond kLinkHeldBytes.
void ControlLink::read_link(int side)
{
    QTcpSocket *socket = side_socket(side);
    UotReader &reader = side == 1 ? teacher_link_reader : student_link_reader;
    LinkRead &read = side == 1 ? teacher_link_read : student_link_read;
    // A reply handled during a wait lets the link signal again: the read that runs goes on
    // with those bytes itself, after the frames before them.
    if (read.active)
        return;
    read.active = true;
    TurnShare share;
    if (socket->state() == QAbstractSocket::ConnectedState && socket->bytesAvailable() > 0)
        parseReadData(reader, socket->read(kReadChunkBytes));
    UotReader::Frame frame;
    for (;;) {
        // A link released or re-pointed meanwhile (by a handler waiting with events handled)
        // has nothing more of its camera to hand on.
        if (socket->state() != QAbstractSocket::ConnectedState)
            break;
        if (share.spent()) {
            read.resume->start();
            break;
        }
        const UotReader::Step step = reader.next(&frame);
        if (step != UotReader::Step::NeedMore) {
            share.took();
            if (step == UotReader::Step::Frame) {
                const log_fold::Quiet quiet(frame.left_out);
                hand_on(frame, side);
            }
            continue;
        }
        if (socket->bytesAvailable() <= 0)
            break;
        parseReadData(reader, socket->read(kReadChunkBytes));
    }
    read.active = false;
    note_left_out_later(reader.notes_pending());
}

void ControlLink::readSocUdpData()
{
    read_datagram_share(udpClient, m_visca_read_resume, [this](const QNetworkDatagram &datagram) {
        // The sender tells which camera answered; a host no command went to answers nothing.
        if (m_options.text_replies_only)
            return;
        if (!answer_expected_from(datagram.senderAddress(), "MainWindow::readSocUdpData"))
            return;
        ViscaReplyOrigin origin;
        origin.sender = datagram.senderAddress();
        origin.sender_port = quint16(datagram.senderPort());
        const log_fold::Quiet quiet(
            m_visca_datagram_fold.leave_out(datagram.data(), plain_address(origin.sender).toString()));
        emit viscaReply(datagram.data(), origin);
    });
    note_left_out_later(m_visca_datagram_fold.pending() > 0);
}

void ControlLink::parseReadData(UotReader &reader, const QByteArray &bytes)
{
    const qint64 dropped = reader.dropped();
    reader.append(bytes);
    // A read that made the reader drop frames is told of in its note: a flood would otherwise
    // write a dump at every turn.
    if (reader.dropped() == dropped)
        qDebug().noquote().nospace() << "parseReadData:[" << log_hex(bytes, kLogDumpLimit, ' ') << "]";
}

void ControlLink::hand_on(const UotReader::Frame &frame, int side)
{
    if (frame.port == UotReader::kTextPort) {
        emit textReply(frame.payload, false);
    } else if (!m_options.text_replies_only) {
        // The link tells which camera answered.
        ViscaReplyOrigin origin;
        origin.tcp_link = side;
        emit viscaReply(frame.payload, origin);
    } else {
        qDebug().noquote().nospace() << m_log << ":: frame for port " << frame.port << " not taken ("
                                     << frame.payload.size() << " bytes)";
    }
}
