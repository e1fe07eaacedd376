// The window's share of the control link: the rule that picks a command's link from the address
// fields, the slots' flags and the current tab, the route of the text answers (the manual
// director console while it runs, the wizard while the window is hidden, else the reply parser),
// and the console's cameras.
#include "mainwindow/window_features.h"
#include "ui_mainwindow.h"

#include "core/wait.h"
#include "protocol/camera_address.h"
#include "protocol/link_choice.h"
#include "protocol/parameter_block.h"
#include "protocol/parameter_reply.h"
#include "protocol/protocol_log.h"
#include "seams/message_box.h"

#include <QDebug>
#include <QHostAddress>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kManualDirectSettleMs = 1000;

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

void WindowFeatures::wire_control_link()
{
    control_link = std::make_unique<ControlLink>(&camera_slots);
    ControlLink::Rules rules;
    rules.choose = [this](const QString &address, const QHostAddress *destination) {
        return choose_link(address, destination);
    };
    rules.mapped_ports = [this] { return options_tab->mapped_ports(); };
    rules.text_port = [this](Side side) { return camera_ports.udp_port(side); };
    rules.console_uses_link = [this](int side) {
        return side == 1 ? manual_direct_teacher_tcp_flag : manual_direct_student_tcp_flag;
    };
    control_link->set_rules(rules);
    QObject::connect(control_link.get(), &ControlLink::textReply, control_link.get(),
                     [this](const QByteArray &reply, bool datagram) { route_text_reply(reply, datagram); });
    QObject::connect(control_link.get(), &ControlLink::commandFormatError, control_link.get(),
                     [this] { msgbox::information(m_window, tr("information"), tr("Command format error")); });
}

link_choice::Choice WindowFeatures::choose_link(const QString &address, const QHostAddress *destination)
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
    cameras.board_tab_current = ui->tabWidget->count() == TabLayout::eight_tab && ui->tabWidget->currentIndex() == 2;
    return link_choice::choose(address, cameras);
}

void WindowFeatures::route_text_reply(const QByteArray &reply, bool datagram)
{
    dispatch_reply(reply);
    if (datagram)
        qDebug().noquote().nospace() << "byteArray[" << log_bytes(reply, kLogDumpLimit) << "]"
                                     << "isVisible[" << m_shell.window_visible() << "]";
}

// ---------------------------------------------------------------------------
// For the manual director console and the calibration code.

void WindowFeatures::set_manual_direct_ip(bool teacher, const QString &ip, bool tcp_up)
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

void WindowFeatures::set_teacher_ip_edits(const QString &text)
{
    ui->teacher_feature_IP_Edit->setText(text);
    ui->teacher_pano_IP_Edit->setText(text);
}

void WindowFeatures::set_student_ip_edits(const QString &text)
{
    ui->student_feature_IP_Edit->setText(text);
    ui->student_pano_IP_Edit->setText(text);
}

// ---------------------------------------------------------------------------
// Replies.

void WindowFeatures::dispatch_reply(const QByteArray &reply)
{
    if (manual_direct_run) {
        const QString text = parameter_block::reply_text(reply);
        for (const parameter_reply::Side side : {parameter_reply::Side::Student, parameter_reply::Side::Teacher}) {
            const std::optional<parameter_reply::StatusPart> part = parameter_reply::console_status_part(text, side);
            if (!part)
                continue;
            const bool student = side == parameter_reply::Side::Student;
            int &status = pano_status.cur_track_status(student ? Side::Student : Side::Teacher);
            if (part->start)
                status = 1;
            if (part->stop)
                status = 2;
            qDebug() << (student ? "student resolver tou param student_cur_track_status:"
                                 : "teacher resolver tou param teacher_cur_track_status:")
                     << status;
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
        if (!m_shell.console_listens())
            qWarning().noquote().nospace() << "MainWindow::dispatch_reply no manual director console listens, reply "
                                              "not handled["
                                           << message << "]";
        m_shell.console_reply(message);
        return;
    }
    if (!m_shell.window_visible()) {
        // The wizard reads the replies while it runs; until it does, they are dropped here.
        qWarning().noquote().nospace() << "MainWindow::dispatch_reply the wizard does not read replies yet, reply not handled["
                             << log_bytes(reply, kLogDumpLimit) << "]";
        return;
    }
    reply_parser->resolver_param(reply);
}
