// The Apply of the Recorder Map Config tab: takes the port settings into use and, with port
// mapping, hands the mapping to the recording host's forwarding tool ("camera.ini" and its
// script in the "portforward" folder beside the executable).
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "core/port_forward_script.h"
#include "settings/camera_ini.h"
#include "settings/port_forward.h"

#include <QDebug>
#include <QLineEdit>

namespace {
constexpr int kScriptStartDelayMs = 500; // lets "camera.ini" settle before the tool reads it
constexpr int kNoticeMs = 2000;
} // namespace

portforward::Fields MainWindow::port_forward_fields()
{
    portforward::Fields f;
    f.mapping = ui->port_map_checkBox->isChecked();
    f.username = ui->recorder_username_Edit->text();
    f.password = ui->recorder_password_Edit->text();
    f.host_ip = ui->recorder_host_ip_Edit->text();
    f.teacher_ip = ui->recorder_teacher_ip_Edit->text();
    f.student_ip = ui->recorder_student_ip_Edit->text();
    f.teacher_rtsp = ui->rtsp_port_Edit->text();
    f.teacher_visca = ui->visca_port_Edit->text();
    f.teacher_udp = ui->udp_port_Edit->text();
    f.teacher_tcp = ui->tcp_port_Edit->text();
    f.teacher_backup = ui->backup_port_Edit->text();
    f.student_rtsp = ui->student_rtsp_port_Edit->text();
    f.student_visca = ui->student_visca_port_Edit->text();
    f.student_udp = ui->student_udp_port_Edit->text();
    f.student_tcp = ui->student_tcp_port_Edit->text();
    f.student_backup = ui->student_backup_port_Edit->text();
    // As the search port getter takes it, without storing anything yet.
    f.search_port = ui->upgrade_port_Edit->text().isEmpty() ? Mcast_Port : ui->upgrade_port_Edit->text();
    return f;
}

void MainWindow::on_apply_port_Button_clicked()
{
    if (!port_settings_changed) {
        ui->apply_port_Button->setText(tr("Apply"));
        return;
    }
    const QMessageBox::StandardButton answer =
        msgbox::information(this, tr("Information"), tr("Port modification, other operations will be interrupted!"),
                            QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) {
        if (answer == QMessageBox::Cancel)
            qDebug() << "MainWindow::QMessageBox::Cancel";
        // Nothing was taken into use: the edited ports stay pending for the next Apply.
        return;
    }

    // Everything is checked before anything changes: a refused input leaves the cameras
    // connected and the ports in use as they were.
    const portforward::Fields fields = port_forward_fields();
    const portforward::Check check = portforward::check(fields);
    switch (check.fault) {
    case portforward::Fault::None:
        break;
    case portforward::Fault::Login:
        msgbox::warning(this, tr("Warning"), tr("Username and password cannot be empty!"));
        return;
    case portforward::Fault::Address:
        msgbox::warning(this, tr("Warning"), tr("Network information fill in error"));
        return;
    case portforward::Fault::Port:
        msgbox::warning(this, tr("Warning"), tr("Port fill in error: \"%1\" is not a port from 1 to 65535").arg(check.text));
        return;
    }

    recorder_port_map_enabled = fields.mapping;
    disconnect_for_port_change();
    mcast_port = get_upgrade_port().toInt();

    bool handedOver = true;
    if (!recorder_port_map_enabled) {
        const portforward::CameraPorts own = portforward::own_ports();
        teacher_visca_port = student_visca_port = own.visca;
        teacher_tcp_port = student_tcp_port = own.tcp;
        teacher_udp_port = student_udp_port = own.udp;
        teacher_rtsp_port = student_rtsp_port = own.rtsp;
        teacher_backup_port = student_backup_port = own.backup;
    } else {
        recorder_host_ip = fields.host_ip;
        recorder_teacher_ip = fields.teacher_ip;
        recorder_student_ip = fields.student_ip;
        recorder_username = fields.username;
        recorder_password = fields.password;
        // The teacher and student cameras are reached at the host's address on the mapped ports.
        for (QLineEdit *edit : {ui->student_feature_IP_Edit, ui->student_pano_IP_Edit, ui->teacher_feature_IP_Edit,
                                ui->teacher_pano_IP_Edit})
            edit->setText(recorder_host_ip);
        teacher_visca_port = get_teacher_visca_port().toInt();
        teacher_tcp_port = get_teacher_tcp_port().toInt();
        teacher_udp_port = get_teacher_udp_port().toInt();
        teacher_rtsp_port = get_teacher_rtsp_port();
        teacher_backup_port = get_teacher_backup_port().toInt();
        student_visca_port = get_student_visca_port().toInt();
        student_tcp_port = get_student_tcp_port().toInt();
        student_udp_port = get_student_udp_port().toInt();
        student_rtsp_port = get_student_rtsp_port();
        student_backup_port = get_student_backup_port().toInt();
        qDebug() << "recorder host ip:" << recorder_host_ip << ",";
        handedOver = hand_over_port_mapping(fields);
    }

    qDebug() << "recorder_port_map_enabled:" << recorder_port_map_enabled;
    if (!handedOver)
        return; // the host did not get the mapping: Apply stays pending, so it can be tried again
    port_settings_changed = false;
    ui->apply_port_Button->setText(tr("Apply"));
}

void MainWindow::disconnect_for_port_change()
{
    // Every link was made on the old ports. A connect still under way is ended as well (the
    // toggle marks it), so that none goes on with them.
    using Toggle = void (MainWindow::*)();
    const struct {
        camera_slot::Slot slot;
        Toggle toggle;
    } cameras[] = {
        {camera_slot::Slot::TeacherFeature, &MainWindow::on_teacher_feature_connect_Button_clicked},
        {camera_slot::Slot::TeacherPano, &MainWindow::on_teacher_pano_connect_Button_clicked},
        {camera_slot::Slot::StudentFeature, &MainWindow::on_student_feature_connect_Button_clicked},
        {camera_slot::Slot::StudentPano, &MainWindow::on_student_pano_connect_Button_clicked},
        {camera_slot::Slot::BoardFeature, &MainWindow::on_board_feature_connect_Button_clicked},
        {camera_slot::Slot::BoardPano, &MainWindow::on_board_pano_connect_Button_clicked},
    };
    for (const auto &camera : cameras) {
        if (slot_refs(camera.slot).flag || slot_run(camera.slot).connecting)
            (this->*camera.toggle)();
    }
    if (rtsp_preview_connected)
        on_rtsp_connect_Button_clicked();
}

bool MainWindow::hand_over_port_mapping(const portforward::Fields &fields)
{
    const QString iniPath = portforward_script::camera_ini_path();
    QString why;
    if (!camera_ini::write(iniPath, fields, &why)) {
        qWarning() << "camera.ini not written:" << why;
        msgbox::warning(this, tr("Warning"), tr("Failed to save the port forwarding settings to %1").arg(iniPath));
        return false;
    }
    wait_ms(kScriptStartDelayMs);

    const portforward_script::Launch launch = portforward_script::launch();
    qDebug() << "cmd arguments :" << launch.arguments;
    qint64 pid = 0;
    QString text;
    bool started = false;
    switch (portforward_script::start(&pid)) {
    case portforward_script::Outcome::Started:
        qDebug() << "Cmd process started with pid" << pid;
        text = tr("Port forwarding script opened successfully");
        started = true;
        break;
    case portforward_script::Outcome::Missing:
        qDebug() << "Failed to start cmd: no script" << portforward_script::script_path();
        text = tr("Port forwarding script not found: %1").arg(portforward_script::script_path());
        break;
    case portforward_script::Outcome::Failed:
        qDebug() << "Failed to start cmd";
        text = tr("Failed to enable port forwarding script");
        break;
    }
    msgbox::Request notice;
    notice.icon = QMessageBox::Information;
    notice.title = QStringLiteral("Information");
    notice.text = text;
    msgbox::notice(notice, kNoticeMs);
    return started;
}
