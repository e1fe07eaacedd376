// The Recorder Map Config tab's ports: the address check used before talking to an address,
// the port getters (mapped port or the camera's own) and the change marks of the tab.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "settings/input_rules.h"
#include "settings/port_settings.h"

namespace {
// The cameras' own ports, used while the ports are not mapped through the recording host.
const QString kOwnRtsp = QStringLiteral("554");
const QString kOwnVisca = QStringLiteral("1259");
const QString kOwnUdp = QStringLiteral("6791");
const QString kOwnTcp = QStringLiteral("6793");
const QString kOwnBackup = QStringLiteral("5555");
} // namespace

bool MainWindow::is_valid_ipv4(const QString &text) { return input::is_valid_ipv4(text); }

QString MainWindow::get_teacher_rtsp_port()
{
    return T_RTSP_Port = ports::mapped_or_own(recorder_port_map_enabled, ui->rtsp_port_Edit->text(), kOwnRtsp);
}

QString MainWindow::get_teacher_visca_port()
{
    return T_Visca_Port = ports::mapped_or_own(recorder_port_map_enabled, ui->visca_port_Edit->text(), kOwnVisca);
}

QString MainWindow::get_teacher_udp_port()
{
    return T_UDP_Port = ports::mapped_or_own(recorder_port_map_enabled, ui->udp_port_Edit->text(), kOwnUdp);
}

QString MainWindow::get_teacher_tcp_port()
{
    return T_TCP_Port = ports::mapped_or_own(recorder_port_map_enabled, ui->tcp_port_Edit->text(), kOwnTcp);
}

QString MainWindow::get_teacher_backup_port()
{
    return T_Backup_Port = ports::mapped_or_own(recorder_port_map_enabled, ui->backup_port_Edit->text(), kOwnBackup);
}

QString MainWindow::get_student_rtsp_port()
{
    return S_RTSP_Port = ports::mapped_or_own(recorder_port_map_enabled, ui->student_rtsp_port_Edit->text(), kOwnRtsp);
}

QString MainWindow::get_student_visca_port()
{
    return S_Visca_Port =
               ports::mapped_or_own(recorder_port_map_enabled, ui->student_visca_port_Edit->text(), kOwnVisca);
}

QString MainWindow::get_student_udp_port()
{
    return S_UDP_Port = ports::mapped_or_own(recorder_port_map_enabled, ui->student_udp_port_Edit->text(), kOwnUdp);
}

QString MainWindow::get_student_tcp_port()
{
    return S_TCP_Port = ports::mapped_or_own(recorder_port_map_enabled, ui->student_tcp_port_Edit->text(), kOwnTcp);
}

QString MainWindow::get_student_backup_port()
{
    return S_Backup_Port =
               ports::mapped_or_own(recorder_port_map_enabled, ui->student_backup_port_Edit->text(), kOwnBackup);
}

QString MainWindow::get_upgrade_port()
{
    // The search port is not mapped; an empty field keeps the port in use.
    if (!ui->upgrade_port_Edit->text().isEmpty())
        Mcast_Port = ui->upgrade_port_Edit->text();
    return Mcast_Port;
}

void MainWindow::mark_port_settings_changed()
{
    ui->apply_port_Button->setText(tr("Apply(*)"));
    port_settings_changed = true;
}

void MainWindow::on_rtsp_port_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_visca_port_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_udp_port_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_tcp_port_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_backup_port_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_student_rtsp_port_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_student_visca_port_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_student_udp_port_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_student_tcp_port_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_student_backup_port_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_upgrade_port_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_recorder_username_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_recorder_password_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_recorder_host_ip_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_recorder_teacher_ip_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_recorder_student_ip_Edit_textChanged(const QString &) { mark_port_settings_changed(); }
void MainWindow::on_port_map_checkBox_stateChanged(int) { mark_port_settings_changed(); }
