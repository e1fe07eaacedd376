// The window's share of the control link: the route of the text answers (the manual director
// console while it runs, the wizard while the window is hidden, else the reply parser), and the
// console's cameras, which it tells the link.
#include "mainwindow/window_features.h"
#include "ui_mainwindow.h"

#include "core/wait.h"
#include "protocol/camera_address.h"
#include "protocol/parameter_block.h"
#include "protocol/parameter_reply.h"
#include "protocol/protocol_log.h"
#include "seams/message_box.h"

#include <QDebug>

using camera_slot::Side;

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
// The window's control link: its rules and its replies. The features that own what a send reads
// tell the link as it changes: the camera connections the address fields, the tab layout the main
// tabs, the Options tab the mapped ports.

void WindowFeatures::wire_control_link()
{
    control_link = std::make_unique<ControlLink>(&camera_slots);
    ControlLink::Rules rules;
    rules.text_port = [this](Side side) { return camera_ports.udp_port(side); };
    control_link->set_rules(rules);
    QObject::connect(control_link.get(), &ControlLink::textReply, control_link.get(),
                     [this](const QByteArray &reply, bool datagram) { route_text_reply(reply, datagram); });
    QObject::connect(control_link.get(), &ControlLink::commandFormatError, control_link.get(),
                     [this] { msgbox::information(m_window, tr("information"), tr("Command format error")); });
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
    control_link->set_manual_direct_camera(teacher, ip, tcp_up);
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
    if (control_link->manual_direct().run) {
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
