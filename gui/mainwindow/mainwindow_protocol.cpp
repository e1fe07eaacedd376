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
#include "protocol/protocol_log.h"
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

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kManualDirectSettleMs = 1000;
constexpr int kLogBytesLimit = 512; // a flood of bytes must not flood the log as well

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
// The window's control link: its rules and its replies.

void MainWindow::wire_control_link()
{
    control_link = new ControlLink(&camera_slots, this);
    ControlLink::Rules rules;
    rules.choose = [this](const QString &address, const QHostAddress *destination) {
        return choose_link(address, destination);
    };
    rules.mapped_ports = [this] { return options_tab->mapped_ports(); };
    rules.text_port = [this](Side side) { return side == Side::Student ? student_udp_port : teacher_udp_port; };
    rules.console_uses_link = [this](int side) {
        return side == 1 ? manual_direct_teacher_tcp_flag : manual_direct_student_tcp_flag;
    };
    control_link->set_rules(rules);
    connect(control_link, &ControlLink::textReply, this, &MainWindow::route_text_reply);
    connect(control_link, &ControlLink::commandFormatError, this,
            [this] { msgbox::information(this, tr("information"), tr("Command format error")); });
}

void MainWindow::sendMsg_Net(QHostAddress *destination, int port, const QString &text, bool hex)
{
    control_link->sendMsg_Net(destination, port, text, hex);
}

link_choice::Choice MainWindow::choose_link(const QString &address, const QHostAddress *destination)
{
    qDebug().noquote().nospace() << "MainWindow::manual_direct_run:[" << manual_direct_run << "],IP:[" << address
                                 << "],manual_direct_teacher_ip:[" << manual_direct_teacher_ip << "]";
    if (manual_direct_run) {
        link_choice::ManualDirect console{true, manual_direct_teacher_ip, manual_direct_student_ip,
                                          manual_direct_teacher_tcp_flag, manual_direct_student_tcp_flag};
        return link_choice::choose_manual_direct(address, console);
    }
    auto camera = [&](QLineEdit *field, Slot slot) {
        const CameraSlotRecord &record = camera_slots[slot];
        return link_choice::Slot{camera_address::address_part(field->text()), record.udp_flag,
                                 record.destination != nullptr && record.destination == destination,
                                 record.tcp_flag};
    };
    link_choice::Slots cameras;
    cameras.teacher_feature = camera(ui->teacher_feature_IP_Edit, Slot::TeacherFeature);
    cameras.teacher_pano = camera(ui->teacher_pano_IP_Edit, Slot::TeacherPano);
    cameras.student_feature = camera(ui->student_feature_IP_Edit, Slot::StudentFeature);
    cameras.student_pano = camera(ui->student_pano_IP_Edit, Slot::StudentPano);
    // The board cameras have no TCP link.
    cameras.board_feature = camera(ui->board_feature_IP_Edit, Slot::BoardFeature);
    cameras.board_feature.tcp = false;
    cameras.board_pano = camera(ui->board_pano_IP_Edit, Slot::BoardPano);
    cameras.board_pano.tcp = false;
    qDebug() << "ui->tabWidget->count():" << ui->tabWidget->count();
    cameras.board_tab_current = ui->tabWidget->count() == eight_tab && ui->tabWidget->currentIndex() == 2;
    return link_choice::choose(address, cameras);
}

void MainWindow::route_text_reply(const QByteArray &reply, bool datagram)
{
    dispatch_reply(reply);
    if (datagram)
        qDebug().noquote().nospace() << "byteArray[" << log_bytes(reply, kLogBytesLimit) << "]"
                                     << "isVisible[" << isVisible() << "]";
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
                             << log_bytes(reply, kLogBytesLimit) << "]";
        return;
    }
    resolver_param(reply);
}

// ---------------------------------------------------------------------------
// The parser of text answers.

void MainWindow::send_parameter_request(QHostAddress *destination, int port, const QStringList &lines)
{
    control_link->send_parameter_request(destination, port, lines);
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
    qDebug().noquote().nospace() << "MainWindow::resolver_param[" << log_bytes(reply, kLogBytesLimit) << "]";
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
                pads->on_board_stopTrack_Button_clicked();
        }
        if (part.type_mismatch) {
            set_widget_status(2, true);
            board_cur_track_status = 2;
            if (udp_board_pano_flag)
                run_slot_by_name("board_pano_connect_toggle");
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
            run_slot_by_name(teacher ? "teacher_pano_connect_toggle" : "student_pano_connect_toggle");
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
