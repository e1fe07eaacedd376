// The camera control links of the main window: the send path (one UDP socket for every camera,
// one TCP link per side), the links' connects and keep-alives, and the replies: UDP datagrams,
// UOT frames of the two TCP links, and their routing to the console, the wizard or the parser.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "core/time_scale.h"
#include "core/wait.h"
#include "protocol/board_parameters.h"
#include "protocol/camera_address.h"
#include "protocol/control_frame.h"
#include "protocol/link_choice.h"
#include "protocol/parameter_block.h"
#include "protocol/parameter_reply.h"
#include "protocol/visca_text.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QMetaMethod>
#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

namespace {
constexpr int kProbeConnectMs = 500;  // a camera's TCP port answers at once when it is up
constexpr int kLinkConnectMs = 1500;
constexpr int kKeepAliveMs = 900000;  // cameras drop a control link idle for longer
constexpr int kConnectPollMs = 10;    // the window keeps painting between two looks at the socket
constexpr int kManualDirectSettleMs = 1000;
constexpr int kLogBytesLimit = 512;   // a flood of bytes must not flood the log as well

QByteArray log_bytes(const QByteArray &bytes)
{
    if (bytes.size() <= kLogBytesLimit)
        return bytes;
    return bytes.left(kLogBytesLimit) + "...(" + QByteArray::number(bytes.size()) + " bytes)";
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

// The director code fields of the console's pictures, in the order a reply is compared with them.
struct ConsoleCode
{
    QLineEdit *Ui::MainWindow::*field;
    const char *message;
};
const ConsoleCode kConsoleCodes[] = {
    {&Ui::MainWindow::director_interior_teacher_feature_lineEdit, "teacher feature"},
    {&Ui::MainWindow::director_interior_teacher_pano_lineEdit, "teacher pano"},
    {&Ui::MainWindow::director_interior_student_pano_lineEdit, "student pano"},
    {&Ui::MainWindow::director_interior_student_feature_lineEdit, "student feature"},
};
} // namespace

// ---------------------------------------------------------------------------
// Set-up of the links (called once by the window's set-up).

void MainWindow::wire_control_links()
{
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
}

void MainWindow::mark_tcp_link_failed(int side, const char *reason, int detail)
{
    QTcpSocket *socket = side == 1 ? teacher_tcp_socket : student_tcp_socket;
    bool &failed = side == 1 ? teacher_tcp_link_failed : student_tcp_link_failed;
    // Only a link that carries commands can fail; a refused connect of a link not in use is
    // the connect's own business.
    const bool inUse = side == 1
        ? (teacher_feature_tcp_flag || teacher_pano_tcp_flag || manual_direct_teacher_tcp_flag)
        : (student_feature_tcp_flag || student_pano_tcp_flag || manual_direct_student_tcp_flag);
    if (!inUse || failed)
        return;
    qWarning().noquote().nospace() << "MainWindow:: " << (side == 1 ? "teacher" : "student") << " TCP link failed ("
                                   << reason << " " << detail << ": " << socket->errorString()
                                   << "), its commands go by UDP until the camera is connected again";
    failed = true;
}

// ---------------------------------------------------------------------------
// Send path.

void MainWindow::sendMsg_Net(QHostAddress *destination, int port, const QString &text, bool hex)
{
    qDebug().noquote().nospace() << "MainWindow::sendMsg_Net[" << text << "],port[" << port << "],flag["
                                 << (hex ? "true" : "false") << "]";

    QByteArray payload;
    if (hex) {
        const visca_text::ParseResult parsed = visca_text::hex_text_to_bytes(text);
        if (!parsed.ok) {
            qWarning().noquote().nospace() << "MainWindow::sendMsg_Net bad hex token[" << parsed.bad_token << "]";
            msgbox::information(this, tr("information"), tr("Command format error"));
            return;
        }
        payload = parsed.bytes;
    } else {
        payload = text.toLocal8Bit();
    }

    if (!destination) {
        qDebug() << "MainWindow::sendMsg_Net destination is NULL";
        return;
    }
    if (!udpClient) {
        qDebug() << "MainWindow::sendMsg_Net udpClient is NULL";
        return;
    }
    const QString address = destination->toString();
    qDebug().noquote().nospace() << "MainWindow::manual_direct_run:[" << manual_direct_run << "],IP:[" << address
                                 << "],manual_direct_teacher_ip:[" << manual_direct_teacher_ip << "]";

    link_choice::Choice choice;
    if (!manual_direct_run) {
        auto camera = [&](QLineEdit *field, bool connected, QHostAddress *own, bool tcp) {
            return link_choice::Slot{camera_address::address_part(field->text()), connected,
                                     own != nullptr && own == destination, tcp};
        };
        link_choice::Slots cameras;
        cameras.teacher_feature = camera(ui->teacher_feature_IP_Edit, udp_teacher_feature_flag,
                                         teacher_feature_destination, teacher_feature_tcp_flag);
        cameras.teacher_pano = camera(ui->teacher_pano_IP_Edit, udp_teacher_pano_flag, teacher_pano_destination,
                                      teacher_pano_tcp_flag);
        cameras.student_feature = camera(ui->student_feature_IP_Edit, udp_student_feature_flag,
                                         student_feature_destination, student_feature_tcp_flag);
        cameras.student_pano = camera(ui->student_pano_IP_Edit, udp_student_pano_flag, student_pano_destination,
                                      student_pano_tcp_flag);
        // The board cameras have no TCP link.
        cameras.board_feature = camera(ui->board_feature_IP_Edit, udp_board_feature_flag, board_feature_destination,
                                       false);
        cameras.board_pano = camera(ui->board_pano_IP_Edit, udp_board_pano_flag, board_pano_destination, false);
        qDebug() << "ui->tabWidget->count():" << ui->tabWidget->count();
        cameras.board_tab_current = ui->tabWidget->count() == eight_tab && ui->tabWidget->currentIndex() == 2;
        choice = link_choice::choose(address, cameras);
    } else {
        link_choice::ManualDirect console{true, manual_direct_teacher_ip, manual_direct_student_ip,
                                          manual_direct_teacher_tcp_flag, manual_direct_student_tcp_flag};
        choice = link_choice::choose_manual_direct(address, console);
    }

    if (choice.link != link_choice::Link::Udp) {
        const int side = choice.link == link_choice::Link::TeacherTcp ? 1 : 2;
        if (send_over_tcp(side, port, payload))
            return;
    }
    send_over_udp(destination, port, payload, !hex && !payload.isEmpty());
}

bool MainWindow::send_over_tcp(int side, int port, const QByteArray &payload)
{
    QTcpSocket *socket = side == 1 ? teacher_tcp_socket : student_tcp_socket;
    if (side == 1 ? teacher_tcp_link_failed : student_tcp_link_failed)
        return false;
    if (socket->state() != QAbstractSocket::ConnectedState) {
        mark_tcp_link_failed(side, "link not connected, state", int(socket->state()));
        return false;
    }

    control_frame::MappedPorts mapped;
    mapped.enabled = recorder_port_map_enabled;
    mapped.teacher_visca = ui->visca_port_Edit->text().toInt();
    mapped.student_visca = ui->student_visca_port_Edit->text().toInt();
    mapped.teacher_text = ui->udp_port_Edit->text().toInt();
    mapped.student_text = ui->student_udp_port_Edit->text().toInt();
    const quint32 headerPort = control_frame::header_port(port, mapped);
    const QByteArray frame = control_frame::build(headerPort, payload);

    const qint64 written = socket->write(frame);
    if (written != frame.size()) {
        // A socket write takes the whole frame or fails: nothing went out, so the datagram
        // carries the command instead.
        mark_tcp_link_failed(side, "write failed", int(written));
        return false;
    }
    tcp_socket_flag = true;
    currentState = side;
    qDebug().noquote().nospace() << "MainWindow:: tcp connection succeeded, totalByte[" << log_bytes(frame).toHex(' ')
                                 << "],totalByte.size[" << frame.size() << "],currentState[" << currentState
                                 << "],Port:" << headerPort;
    return true;
}

void MainWindow::send_over_udp(QHostAddress *destination, int port, const QByteArray &payload, bool expects_text_answer)
{
    tcp_socket_flag = false;
    currentState = 0;
    // Text answers to a datagram come back to the reply socket; it must be listening.
    if (expects_text_answer && udpServer && udpServer->state() != QAbstractSocket::BoundState)
        closeUdpServer();
    const qint64 written = udpClient->writeDatagram(payload, *destination, quint16(port));
    if (written != payload.size()) {
        qWarning().noquote().nospace() << "MainWindow:: udp send failed[" << udpClient->errorString()
                                       << "],destination[" << destination->toString() << "], port[" << port << "]";
        return;
    }
    qDebug().noquote().nospace() << "MainWindow:: udp connection succeeded, params[" << log_bytes(payload)
                                 << "],destination[" << destination->toString() << "], port[" << port << "]";
}

void MainWindow::closeUdpServer()
{
    qDebug() << __LINE__ << " MainWindow::closeUdpServer [enter]";
    udpServer->close();
    udpServer->setProxy(QNetworkProxy::NoProxy);
    if (!udpServer->bind(QHostAddress::AnyIPv4, udp_server_port))
        qWarning().noquote().nospace() << "MainWindow::closeUdpServer bind to port " << udp_server_port
                                       << " failed: " << udpServer->errorString();
    // One connection however often the socket is re-bound.
    connect(udpServer, &QUdpSocket::readyRead, this, &MainWindow::readResponseData, Qt::UniqueConnection);
    qDebug() << __LINE__ << " MainWindow::closeUdpServer [leave]";
}

bool MainWindow::probe_tcp_connect(const QString &ip, int port)
{
    probe_tcp_socket->abort();
    probe_tcp_socket->connectToHost(ip, quint16(port), QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    const bool connected = wait_until_connected(probe_tcp_socket, kProbeConnectMs);
    // After the abort the socket is unconnected at once: nothing to wait for.
    probe_tcp_socket->abort();
    probe_tcp_socket->disconnectFromHost();
    return connected;
}

void MainWindow::connect_teacher_pano_tcp(const QString &ip)
{
    if (!probe_tcp_connect(ip, teacher_tcp_port)) {
        closeUdpServer();
        teacher_pano_tcp_flag = false;
        return;
    }
    // The side has one link: re-pointing it takes it from the teacher feature camera, unless
    // both slots name the same camera.
    const bool featureHadLink = teacher_feature_tcp_flag;
    const bool featureSameCamera = teacher_feature_destination
                                   && teacher_feature_destination->isEqual(QHostAddress(ip));
    if (teacher_feature_tcp_flag) {
        teacher_feature_tcp_flag = false;
        teacher_feature_keepalive_timer->stop();
    }

    teacher_tcp_socket->abort();
    teacher_tcp_socket->connectToHost(ip, quint16(teacher_tcp_port), QIODevice::ReadWrite,
                                      QAbstractSocket::AnyIPProtocol);
    qDebug().noquote().nospace() << "TCP:teacherPanoTcp->connectToHost ip[" << ip << "],port[" << teacher_tcp_port
                                 << "]";
    if (wait_until_connected(teacher_tcp_socket, kLinkConnectMs)) {
        qDebug() << "Teacher Pano TCP: [connection successful]";
        teacher_pano_tcp_flag = true;
        teacher_pano_keepalive_timer->stop();
        teacher_pano_keepalive_timer->start(timescale::scaled(kKeepAliveMs));
        if (featureHadLink && featureSameCamera) {
            teacher_feature_tcp_flag = true;
            teacher_feature_keepalive_timer->start(timescale::scaled(kKeepAliveMs));
        }
    } else {
        qDebug() << "Teacher Pano TCP: [connection timeout]";
        teacher_pano_tcp_flag = false;
        teacher_tcp_socket->abort();
        teacher_tcp_socket->disconnectFromHost();
    }
    if (featureHadLink && !teacher_feature_tcp_flag)
        qDebug() << "MainWindow::connect_teacher_pano_tcp the teacher feature camera lost the TCP link, its "
                    "commands go by UDP";
}

void MainWindow::stop_keepalive_timers()
{
    teacher_pano_keepalive_timer->stop();
    teacher_feature_keepalive_timer->stop();
    student_pano_keepalive_timer->stop();
    student_feature_keepalive_timer->stop();
    teacher_tcp_socket->abort();
    student_tcp_socket->abort();
}

void MainWindow::keep_link_alive(QHostAddress *destination, bool tcp_flag, int port, const char *log_text,
                                 QTimer *timer, bool link_failed)
{
    // A failed link is not kept alive: the camera's commands go by UDP until it is connected again.
    if (!destination || !tcp_flag || link_failed)
        return;
    qDebug() << log_text;
    sendMsg_Net(destination, port, QString(), false);
    timer->stop();
    timer->setSingleShot(true);
    timer->start(timescale::scaled(kKeepAliveMs));
}

void MainWindow::teacher_pano_tcp_keepalive()
{
    keep_link_alive(teacher_pano_destination, teacher_pano_tcp_flag, teacher_udp_port,
                    "MainWindow::Keep alive teacher pano connection", teacher_pano_keepalive_timer,
                    teacher_tcp_link_failed);
}

void MainWindow::teacher_feature_tcp_keepalive()
{
    keep_link_alive(teacher_feature_destination, teacher_feature_tcp_flag, teacher_udp_port,
                    "MainWindow::Keep alive teacher feature connection", teacher_feature_keepalive_timer,
                    teacher_tcp_link_failed);
}

void MainWindow::student_tcp_keepalive()
{
    keep_link_alive(student_pano_destination, student_pano_tcp_flag, student_udp_port,
                    "MainWindow::Keep alive student pano connection", student_pano_keepalive_timer,
                    student_tcp_link_failed);
}

void MainWindow::student_feature_tcp_keepalive()
{
    keep_link_alive(student_feature_destination, student_feature_tcp_flag, student_udp_port,
                    "MainWindow::Keep alive student feature connection", student_feature_keepalive_timer,
                    student_tcp_link_failed);
}

// ---------------------------------------------------------------------------
// For the manual director console and the calibration code.

void MainWindow::set_manual_direct_ip(bool teacher, const QString &ip, bool tcp_up)
{
    manual_direct_run = true;
    if (teacher) {
        manual_direct_teacher_ip = ip;
        manual_direct_teacher_tcp_flag = tcp_up;
    } else {
        manual_direct_student_ip = ip;
        manual_direct_student_tcp_flag = tcp_up;
    }
    wait_ms(kManualDirectSettleMs);
}

void MainWindow::set_teacher_ip_edits(const QString &text)
{
    ui->teacher_feature_IP_Edit->setText(text);
    ui->teacher_pano_IP_Edit->setText(text);
}

void MainWindow::set_student_ip_edits(const QString &text)
{
    ui->student_feature_IP_Edit->setText(text);
    ui->student_pano_IP_Edit->setText(text);
}

QString MainWindow::bytes_to_hex_text(const unsigned char *data, int count)
{
    return visca_text::bytes_to_hex_text(data, count);
}

QString MainWindow::visca_absolute_position(int pan, int tilt)
{
    return visca_text::visca_absolute_position(pan, tilt);
}

QString MainWindow::visca_absolute_pan_tilt(int pan_degrees, int tilt_degrees)
{
    return visca_text::visca_absolute_pan_tilt(pan_degrees, tilt_degrees);
}

QString MainWindow::remove_spaces(const QString &text) { return camera_address::remove_spaces(text); }

QString MainWindow::address_part(const QString &text) { return camera_address::address_part(text); }

// ---------------------------------------------------------------------------
// Replies.

void MainWindow::readResponseData()
{
    qDebug().noquote().nospace() << "MainWindow::readUdpData,tcp_socket_flag[" << tcp_socket_flag << "],"
                       << "],currentState[" << currentState << "]";
    // Each datagram is taken off the socket before it is handed on: a reply handled during a
    // wait lets this slot run again for the next one.
    while (udpServer->hasPendingDatagrams()) {
        const QByteArray reply = udpServer->receiveDatagram().data();
        dispatch_reply(reply);
        qDebug().noquote().nospace() << "byteArray[" << log_bytes(reply) << "]" << "isVisible[" << isVisible() << "]";
    }
}

// Each link is read when it signals, into its own reader, so that bytes of the two links never
// mix and none wait for a later send to the same side. A socket does not signal again while
// its readyRead is handled: bytes that arrive while an answer is handled (during a wait) are
// read when it is done.
void MainWindow::teacher_tcp_ready_read()
{
    while (teacher_tcp_socket->bytesAvailable() > 0)
        parseReadData(teacher_link_reader, teacher_tcp_socket->readAll());
}

void MainWindow::student_tcp_ready_read()
{
    while (student_tcp_socket->bytesAvailable() > 0)
        parseReadData(student_link_reader, student_tcp_socket->readAll());
}

void MainWindow::readSocUdpData()
{
    while (udpClient->hasPendingDatagrams()) {
        // The sender tells which camera answered.
        const QNetworkDatagram datagram = udpClient->receiveDatagram();
        ViscaReplyOrigin origin;
        origin.sender = datagram.senderAddress();
        origin.sender_port = quint16(datagram.senderPort());
        check_role_reply(datagram.data(), origin);
    }
}

void MainWindow::parseReadData(UotReader &reader, const QByteArray &bytes)
{
    qDebug().noquote().nospace() << "parseReadData:[" << log_bytes(bytes).toHex(' ') << "]";
    // The link tells which camera answered.
    ViscaReplyOrigin origin;
    origin.tcp_link = &reader == &teacher_link_reader ? 1 : 2;
    reader.feed(bytes, [this, origin](const UotReader::Frame &frame) {
        if (frame.port == UotReader::kTextPort)
            dispatch_reply(frame.payload);
        else
            check_role_reply(frame.payload, origin);
    });
}

void MainWindow::dispatch_reply(const QByteArray &reply)
{
    if (manual_direct_run) {
        const QString text = parameter_block::reply_text(reply);
        if (text.contains(QLatin1String("student_parameter")) && text.contains(QLatin1String("student_tracking_status"))) {
            if (text.contains(QLatin1String("start")))
                student_cur_track_status = 1;
            if (text.contains(QLatin1String("stop")))
                student_cur_track_status = 2;
            qDebug() << "student resolver tou param student_cur_track_status:" << student_cur_track_status;
        }
        if (text.contains(QLatin1String("teacher_parameter")) && text.contains(QLatin1String("teacher_tracking_status"))) {
            if (text.contains(QLatin1String("start")))
                teacher_cur_track_status = 1;
            if (text.contains(QLatin1String("stop")))
                teacher_cur_track_status = 2;
            qDebug() << "teacher resolver tou param teacher_cur_track_status:" << teacher_cur_track_status;
        }

        QString compared = text;
        if (ui->director_command_type_hex_radioButton->isChecked())
            compared = QString::fromLatin1(reply.toHex());
        else if (ui->director_command_type_ascii_radioButton->isChecked())
            compared = camera_address::remove_spaces(text);
        QString message = text;
        for (const ConsoleCode &code : kConsoleCodes) {
            const QString field = camera_address::remove_spaces((ui->*code.field)->text());
            // An empty code field names no picture, even for an empty reply.
            if (!field.isEmpty() && compared.compare(field, Qt::CaseInsensitive) == 0) {
                message = QString::fromLatin1(code.message);
                break;
            }
        }
        qDebug().noquote().nospace() << "MainWindow:: str[" << compared << "],data[" << message << "]";
        if (!isSignalConnected(QMetaMethod::fromSignal(&MainWindow::send)))
            qWarning().noquote().nospace() << "MainWindow::dispatch_reply no manual director console listens, reply "
                                              "not handled["
                                           << message << "]";
        emit send(message);
        return;
    }
    if (!isVisible()) {
        // The wizard reads the replies while it runs; until it does, they are dropped here.
        qWarning().noquote().nospace() << "MainWindow::dispatch_reply the wizard does not read replies yet, reply not handled["
                             << log_bytes(reply) << "]";
        return;
    }
    resolver_param(reply);
}

// ---------------------------------------------------------------------------
// The parser of text answers.

void MainWindow::send_parameter_request(QHostAddress *destination, int port, const QStringList &lines)
{
    sendMsg_Net(destination, port, parameter_block::join(lines), false);
}

bool MainWindow::run_slot_by_name(const char *slot)
{
    // The connect toggles and the panels' buttons come with their own features; a slot that
    // is not there yet is logged instead of run.
    if (QMetaObject::invokeMethod(this, slot, Qt::DirectConnection))
        return true;
    qWarning() << "MainWindow::resolver_param cannot run" << slot << "yet";
    return false;
}

void MainWindow::resolver_param(const QByteArray &reply)
{
    using namespace parameter_block;
    using parameter_reply::Kind;
    qDebug().noquote().nospace() << "MainWindow::resolver_param[" << log_bytes(reply) << "]";
    const QString text = reply_text(reply);

    parameter_reply::Flags flags;
    flags.teacher_request_pending = teacher_obtain_wait || teacher_apply_wait;
    flags.student_request_pending = student_obtain_wait || student_apply_wait;
    flags.teacher_pano_status_pending = teacher_pano_status_pending;
    flags.student_pano_status_pending = student_pano_status_pending;
    const parameter_reply::Classification c = parameter_reply::classify(text, flags);

    for (parameter_reply::Echo echo : c.echoes) {
        qDebug() << parameter_reply::echo_log_line(echo);
        const bool teacher = parameter_reply::echo_is_teacher(echo);
        const bool apply = parameter_reply::echo_answers_apply(echo);
        using request_poller::Kind;
        // Only a request that waits is answered: the echo of a request that already failed
        // must not end the next one as a success.
        answer_request(teacher ? (apply ? Kind::TeacherApply : Kind::TeacherObtain)
                               : (apply ? Kind::StudentApply : Kind::StudentObtain));
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
        read_teacher_section(text);
        if (teacher_obtain_chain_flag && udp_teacher_pano_flag) {
            send_parameter_request(teacher_pano_destination, teacher_udp_port,
                                   {QLatin1String(kTeacherSection), QLatin1String(kGetDirectorConfigFile)});
            teacher_obtain_chain_flag = false;
        }
        return;
    case Kind::StudentAutocalibrate:
        resolve_student_autocalibrate_status(c.autocalibrate_value);
        return;
    case Kind::StudentSection:
        read_student_section(text);
        if (student_obtain_chain_flag && udp_student_pano_flag) {
            send_parameter_request(student_pano_destination, student_udp_port,
                                   {QLatin1String(kStudentSection), QLatin1String(kGetDirectorConfigFile)});
            student_obtain_chain_flag = false;
        }
        return;
    case Kind::BoardSection:
        read_board_section(text);
        if (board_obtain_chain_flag && udp_board_pano_flag) {
            send_parameter_request(board_pano_destination, teacher_udp_port,
                                   {QLatin1String(kBoardSection), QLatin1String(kGetDirectorConfigFile)});
            board_obtain_chain_flag = false;
        }
        return;
    case Kind::DirectorSection:
        read_director_section(text);
        return;
    case Kind::TrackingStatus:
        for (const parameter_reply::StatusPart &part : c.status_parts) {
            if (!apply_tracking_status(part))
                return;
        }
        return;
    }
}

void MainWindow::read_board_relayed_keys(const QString &text)
{
    qDebug() << "get tracking config success!";
    const board_parameters::RelayReading r = board_parameters::read_relay_answer(text);
    if (r.feature_enable)
        ui->board_enable_checkBox->setChecked(*r.feature_enable);
    if (r.feature1_enable)
        ui->board_enable_checkBox_2->setChecked(*r.feature1_enable);
    if (r.lost_to_pano_delay)
        ui->board_lost_pano_delay_label->setValue(*r.lost_to_pano_delay);
    // The board Obtain is a teacher obtain; an answer nobody waits for (a late one, after its
    // obtain failed) ends nothing.
    answer_request(request_poller::Kind::TeacherObtain);
}

void MainWindow::show_crop_status(bool teacher, bool start, bool stop)
{
    bool &startStatus = teacher ? teacher_crop_start_status : student_crop_start_status;
    bool &stopStatus = teacher ? teacher_crop_stop_status : student_crop_stop_status;
    bool &quiet = teacher ? teacher_crop_status_quiet : student_crop_status_quiet;
    const char *side = teacher ? "teacher" : "student";
    // A tip only on a change, and none for the first answer after a connect.
    auto tip = [&](const QString &message) {
        if (!quiet)
            flash_status_label(teacher, message);
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

bool MainWindow::apply_tracking_status(const parameter_reply::StatusPart &part)
{
    using namespace parameter_block;
    using parameter_reply::Side;

    if (part.side == Side::Board) {
        // The stop and the request below go out once per change of the reported status: a
        // camera that answers each of them with its status would otherwise be asked for ever.
        const bool changed = board_tracking_status_changed(part);
        if (part.start) {
            set_widget_status(2, false);
            board_cur_track_status = 1;
        }
        if (part.stop) {
            set_widget_status(2, true);
            board_cur_track_status = 2;
            if (changed)
                run_slot_by_name("on_board_stopTrack_Button_clicked");
        }
        if (part.type_mismatch) {
            set_widget_status(2, true);
            board_cur_track_status = 2;
            if (udp_board_pano_flag)
                run_slot_by_name("on_board_pano_connect_Button_clicked");
            msgbox::warning(this, tr("Warning"), tr("Connection types do not match"));
            return false;
        }
        if (!changed)
            return false;
        send_parameter_request(board_pano_destination, teacher_udp_port,
                               {QLatin1String(kBoardSection), QLatin1String(kGetTrackingConfigFile)});
        board_obtain_chain_flag = true;
        return false;
    }

    const bool teacher = part.side == Side::Teacher;
    const int tab = teacher ? 0 : 1;
    int &status = teacher ? teacher_cur_track_status : student_cur_track_status;
    // Each pano has its own wait: this answer ends only its side's.
    (teacher ? tracking_status_received : student_tracking_status_received) = true;
    (teacher ? response_timeout_timer : student_response_timeout_timer)->stop();
    if (teacher)
        qDebug() << "19:20:23" << "---LEAVE---MainWindow::";
    auto set_tabs = [&](bool enabled) {
        set_widget_status(tab, enabled);
        if (teacher)
            set_widget_status(2, enabled);
    };
    const bool lecternModel = teacher && teacher_feature_device_model == QLatin1String("M19");
    if (part.start) {
        set_tabs(false);
        status = 1;
        if (lecternModel)
            ui->groupBox_36->setEnabled(false);
    }
    if (part.stop) {
        set_tabs(true);
        status = 2;
        if (lecternModel)
            ui->groupBox_36->setEnabled(true);
    }
    qDebug() << (teacher ? "teacher resolver param teacher_cur_track_status:"
                         : "student resolver param student_cur_track_status:")
             << status;

    if (part.type_mismatch) {
        (teacher ? teacher_pano_status_pending : student_pano_status_pending) = false;
        set_tabs(true);
        status = 2;
        if (teacher ? udp_teacher_pano_flag : udp_student_pano_flag)
            run_slot_by_name(teacher ? "on_teacher_pano_connect_Button_clicked" : "on_student_pano_connect_Button_clicked");
        msgbox::warning(this, tr("Warning"), tr("Connection types do not match"));
        return false;
    }
    if (teacher) {
        send_parameter_request(teacher_pano_destination, teacher_udp_port,
                               {QLatin1String(kTeacherSection), QLatin1String(kGetTrackingConfigFile)});
        teacher_obtain_chain_flag = true;
    } else {
        send_parameter_request(student_pano_destination, student_udp_port,
                               {QLatin1String(kStudentSection), QLatin1String(kGetTrackingConfigFile)});
        student_obtain_chain_flag = true;
    }
    return true;
}
