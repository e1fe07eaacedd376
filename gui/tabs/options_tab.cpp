#include "tabs/options_tab.h"

#include "core/port_forward_script.h"
#include "core/wait.h"
#include "model/camera_ports.h"
#include "net/control_link.h"
#include "seams/message_box.h"
#include "settings/camera_ini.h"
#include "settings/input_rules.h"
#include "settings/port_forward.h"
#include "settings/port_settings.h"
#include "support/next_show.h"
#include "support/value_widgets.h"
#include "video/decoder_choice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {
// Threads a decoder uses: one in software, four with hardware decoding.
constexpr int kSoftwareThreads = 1;
constexpr int kHardwareThreads = 4;
constexpr int kScriptStartDelayMs = 500; // lets "camera.ini" settle before the tool reads it
constexpr int kNoticeMs = 2000;

// The cameras' own ports, used while the ports are not mapped through the recording host.
const QString kOwnRtsp = QStringLiteral("554");
const QString kOwnVisca = QStringLiteral("1259");
const QString kOwnUdp = QStringLiteral("6791");
const QString kOwnTcp = QStringLiteral("6793");
const QString kOwnBackup = QStringLiteral("5555");

QString about_qt_text()
{
    return QStringLiteral(
               "<h3>About Qt</h3>"
               "<p>This program uses Qt version %1.</p>"
               "<p>Qt is a C++ toolkit for cross-platform application development.</p>"
               "<p>Qt provides single-source portability across all major desktop operating systems. "
               "It is also available for embedded Linux and other embedded and mobile operating systems.</p>"
               "<p>Qt is available under multiple licensing options designed to accommodate the needs of "
               "its various users.</p>"
               "<p>Qt licensed under a commercial license agreement is appropriate for development of "
               "proprietary/commercial software where you do not want to share any source code with third "
               "parties or otherwise cannot comply with the terms of the GNU (L)GPL.</p>"
               "<p>Qt licensed under the GNU (L)GPL is appropriate for the development of Qt&nbsp;applications "
               "provided you can comply with the terms and conditions of the respective licenses.</p>"
               "<p>Please see <a href=\"http://qt.io/licensing/\">qt.io/licensing</a> for an overview of Qt "
               "licensing.</p>"
               "<p>Copyright (C) The Qt Company Ltd. and other contributors.</p>"
               "<p>Qt and the Qt logo are trademarks of The Qt Company Ltd.</p>"
               "<p>Qt is The Qt Company Ltd. product developed as an open source project. "
               "See <a href=\"http://qt.io/\">qt.io</a> for more information.</p>")
        .arg(QLatin1String(qVersion()));
}
} // namespace

OptionsTab::OptionsTab(const Widgets &widgets, CameraPorts &ports, portforward::Fields &port_fields,
                       WindowChoices &choices, ControlLink &link, QWidget *window)
    : ui(widgets)
    , m_ports(ports)
    , m_fields(port_fields)
    , m_choices(choices)
    , m_link(link)
    , m_window(window)
{
    value_widgets::keep_index(this, ui.decoder_select_comboBox, m_choices.decoder_index);
    value_widgets::keep_index(this, ui.language_select_comboBox, m_choices.language_index);
    connect(ui.language_select_comboBox, qOverload<int>(&QComboBox::activated), this, &OptionsTab::language_chosen);
    // The dots of a password are missing from some of the form's fonts: laying them out looks
    // through every fallback font, which waits until the folded recorder fields are first shown.
    QLineEdit *password = ui.recorder_password_Edit;
    on_next_show(password, [password] { password->setEchoMode(QLineEdit::Password); });
    value_widgets::keep_checked(this, ui.port_map_checkBox, m_fields.mapping);
    for (const PortField &field : port_field_edits())
        value_widgets::keep_text(this, field.edit, m_fields.*field.member);
    connect(ui.decoder_select_comboBox, &QComboBox::currentTextChanged, this,
            &OptionsTab::on_decoder_select_comboBox_currentTextChanged);
    connect(ui.copyright_description_btn, &QPushButton::clicked, this, &OptionsTab::on_copyright_description_btn_clicked);
    // Every field of the port tab marks the port settings changed, whatever it holds.
    for (QLineEdit *field : {ui.rtsp_port_Edit, ui.visca_port_Edit, ui.udp_port_Edit, ui.tcp_port_Edit,
                             ui.backup_port_Edit, ui.student_rtsp_port_Edit, ui.student_visca_port_Edit,
                             ui.student_udp_port_Edit, ui.student_tcp_port_Edit, ui.student_backup_port_Edit,
                             ui.upgrade_port_Edit, ui.recorder_username_Edit, ui.recorder_password_Edit,
                             ui.recorder_host_ip_Edit, ui.recorder_teacher_ip_Edit, ui.recorder_student_ip_Edit})
        connect(field, &QLineEdit::textChanged, this, &OptionsTab::mark_port_settings_changed);
    connect(ui.port_map_checkBox, &QCheckBox::stateChanged, this, &OptionsTab::mark_port_settings_changed);
    // The mapping in use changes with the Apply, or as the settings file loads, which sets the
    // switch right after it.
    for (QLineEdit *field : {ui.visca_port_Edit, ui.student_visca_port_Edit, ui.udp_port_Edit, ui.student_udp_port_Edit})
        connect(field, &QLineEdit::textChanged, this, &OptionsTab::tell_link_mapped_ports);
    connect(ui.port_map_checkBox, &QCheckBox::stateChanged, this, &OptionsTab::tell_link_mapped_ports);
    tell_link_mapped_ports();
    connect(ui.apply_port_Button, &QPushButton::clicked, this, &OptionsTab::on_apply_port_Button_clicked);
}

// ---------------------------------------------------------------------------
// Options tab

void OptionsTab::on_decoder_select_comboBox_currentTextChanged(const QString &text)
{
    qDebug() << "MainWindow::on_decoder_select_comboBox_currentTextChanged - 选择解码器:" << text;
    gDecoderType = text;
    gHwAccelEnabled = text != QLatin1String("NONE");
    qDebug() << "MainWindow::全局解码状态更新 - 硬件加速:" << (gHwAccelEnabled ? "true" : "false")
             << "线程数:" << (gHwAccelEnabled ? kHardwareThreads : kSoftwareThreads) << "解码器类型:" << text;
}

void OptionsTab::on_copyright_description_btn_clicked()
{
    msgbox::Request about;
    about.parent = m_window;
    about.title = tr("About Corvane");
    about.text = about_qt_text();
    about.buttons = QMessageBox::Ok;
    msgbox::show(about);
}

void OptionsTab::retranslate()
{
    if (m_port_settings_changed)
        ui.apply_port_Button->setText(tr("Apply(*)"));
}

// ---------------------------------------------------------------------------
// Ports

QString OptionsTab::get_teacher_rtsp_port()
{
    CameraPorts::Values &v = m_ports.edit();
    return v.T_RTSP_Port = ports::mapped_or_own(v.recorder_port_map_enabled, ui.rtsp_port_Edit->text(), kOwnRtsp);
}

QString OptionsTab::get_teacher_visca_port()
{
    CameraPorts::Values &v = m_ports.edit();
    return v.T_Visca_Port = ports::mapped_or_own(v.recorder_port_map_enabled, ui.visca_port_Edit->text(), kOwnVisca);
}

QString OptionsTab::get_teacher_udp_port()
{
    CameraPorts::Values &v = m_ports.edit();
    return v.T_UDP_Port = ports::mapped_or_own(v.recorder_port_map_enabled, ui.udp_port_Edit->text(), kOwnUdp);
}

QString OptionsTab::get_teacher_tcp_port()
{
    CameraPorts::Values &v = m_ports.edit();
    return v.T_TCP_Port = ports::mapped_or_own(v.recorder_port_map_enabled, ui.tcp_port_Edit->text(), kOwnTcp);
}

QString OptionsTab::get_teacher_backup_port()
{
    CameraPorts::Values &v = m_ports.edit();
    return v.T_Backup_Port =
               ports::mapped_or_own(v.recorder_port_map_enabled, ui.backup_port_Edit->text(), kOwnBackup);
}

QString OptionsTab::get_student_rtsp_port()
{
    CameraPorts::Values &v = m_ports.edit();
    return v.S_RTSP_Port =
               ports::mapped_or_own(v.recorder_port_map_enabled, ui.student_rtsp_port_Edit->text(), kOwnRtsp);
}

QString OptionsTab::get_student_visca_port()
{
    CameraPorts::Values &v = m_ports.edit();
    return v.S_Visca_Port =
               ports::mapped_or_own(v.recorder_port_map_enabled, ui.student_visca_port_Edit->text(), kOwnVisca);
}

QString OptionsTab::get_student_udp_port()
{
    CameraPorts::Values &v = m_ports.edit();
    return v.S_UDP_Port = ports::mapped_or_own(v.recorder_port_map_enabled, ui.student_udp_port_Edit->text(), kOwnUdp);
}

QString OptionsTab::get_student_tcp_port()
{
    CameraPorts::Values &v = m_ports.edit();
    return v.S_TCP_Port = ports::mapped_or_own(v.recorder_port_map_enabled, ui.student_tcp_port_Edit->text(), kOwnTcp);
}

QString OptionsTab::get_student_backup_port()
{
    CameraPorts::Values &v = m_ports.edit();
    return v.S_Backup_Port =
               ports::mapped_or_own(v.recorder_port_map_enabled, ui.student_backup_port_Edit->text(), kOwnBackup);
}

QString OptionsTab::get_upgrade_port()
{
    // The search port is not mapped; an empty field keeps the port in use.
    CameraPorts::Values &v = m_ports.edit();
    if (!ui.upgrade_port_Edit->text().isEmpty())
        v.Mcast_Port = ui.upgrade_port_Edit->text();
    return v.Mcast_Port;
}

control_frame::MappedPorts OptionsTab::mapped_ports() const
{
    control_frame::MappedPorts mapped;
    mapped.enabled = m_ports.port_map_enabled();
    mapped.teacher_visca = ui.visca_port_Edit->text().toInt();
    mapped.student_visca = ui.student_visca_port_Edit->text().toInt();
    mapped.teacher_text = ui.udp_port_Edit->text().toInt();
    mapped.student_text = ui.student_udp_port_Edit->text().toInt();
    return mapped;
}

void OptionsTab::tell_link_mapped_ports() { m_link.set_mapped_ports(mapped_ports()); }

void OptionsTab::mark_port_settings_changed()
{
    ui.apply_port_Button->setText(tr("Apply(*)"));
    m_port_settings_changed = true;
}

// ---------------------------------------------------------------------------
// Recorder port forwarding

std::vector<OptionsTab::PortField> OptionsTab::port_field_edits() const
{
    using F = portforward::Fields;
    return {
        {&F::teacher_rtsp, ui.rtsp_port_Edit},           {&F::teacher_visca, ui.visca_port_Edit},
        {&F::teacher_udp, ui.udp_port_Edit},             {&F::teacher_tcp, ui.tcp_port_Edit},
        {&F::teacher_backup, ui.backup_port_Edit},       {&F::student_rtsp, ui.student_rtsp_port_Edit},
        {&F::student_visca, ui.student_visca_port_Edit}, {&F::student_udp, ui.student_udp_port_Edit},
        {&F::student_tcp, ui.student_tcp_port_Edit},     {&F::student_backup, ui.student_backup_port_Edit},
        {&F::search_port, ui.upgrade_port_Edit},         {&F::username, ui.recorder_username_Edit},
        {&F::password, ui.recorder_password_Edit},       {&F::host_ip, ui.recorder_host_ip_Edit},
        {&F::teacher_ip, ui.recorder_teacher_ip_Edit},   {&F::student_ip, ui.recorder_student_ip_Edit},
    };
}

void OptionsTab::show_stored_ports()
{
    ui.port_map_checkBox->setChecked(m_fields.mapping);
    // In the settings file's order: the ports, then the recording host's login and addresses.
    const std::vector<PortField> fields = port_field_edits();
    const auto show = [&fields](QString portforward::Fields::*member, portforward::Fields &values) {
        for (const PortField &field : fields) {
            if (field.member == member)
                value_widgets::show_text(field.edit, values.*member);
        }
    };
    for (const ports::PortRow &row : ports::port_rows())
        show(row.field, m_fields);
    for (const ports::RecorderRow &row : ports::recorder_rows())
        show(row.field, m_fields);
}

void OptionsTab::cameras_connected_changed(bool any) { ui.language_select_comboBox->setEnabled(!any); }

void OptionsTab::show_language(int index) { ui.language_select_comboBox->setCurrentIndex(index); }

void OptionsTab::show_stored_decoder() { value_widgets::show_index(ui.decoder_select_comboBox, m_choices.decoder_index); }

portforward::Fields OptionsTab::port_forward_fields() const
{
    portforward::Fields f = m_fields;
    // As the search port getter takes it, without storing anything yet.
    if (f.search_port.isEmpty())
        f.search_port = m_ports.values().Mcast_Port;
    return f;
}

transfer::PortMapping OptionsTab::transfer_mapping() const
{
    transfer::PortMapping m;
    m.enabled = m_ports.port_map_enabled();
    m.teacher_ip = ui.recorder_teacher_ip_Edit->text();
    m.student_ip = ui.recorder_student_ip_Edit->text();
    m.host_ip = ui.recorder_host_ip_Edit->text();
    m.teacher_backup_port = ui.backup_port_Edit->text().toInt();
    m.student_backup_port = ui.student_backup_port_Edit->text().toInt();
    return m;
}

void OptionsTab::write_default_ports()
{
    // As typed: each field it changes marks the Apply.
    const std::vector<PortField> fields = port_field_edits();
    const auto write = [&fields](QString portforward::Fields::*member, const char *text) {
        for (const PortField &field : fields) {
            if (field.member == member)
                field.edit->setText(QString::fromLatin1(text));
        }
    };
    for (const ports::PortRow &row : ports::port_rows())
        write(row.field, row.mapped_default);
    for (const ports::RecorderRow &row : ports::recorder_rows())
        write(row.field, row.default_text);
}

void OptionsTab::on_apply_port_Button_clicked()
{
    if (!m_port_settings_changed) {
        ui.apply_port_Button->setText(tr("Apply"));
        return;
    }
    const QMessageBox::StandardButton answer =
        msgbox::information(m_window, tr("Information"), tr("Port modification, other operations will be interrupted!"),
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
        msgbox::warning(m_window, tr("Warning"), tr("Username and password cannot be empty!"));
        return;
    case portforward::Fault::Address:
        msgbox::warning(m_window, tr("Warning"), tr("Network information fill in error"));
        return;
    case portforward::Fault::Port:
        msgbox::warning(m_window, tr("Warning"),
                        tr("Port fill in error: \"%1\" is not a port from 1 to 65535").arg(check.text));
        return;
    }

    // The host's script must be there and its file written before anything changes: otherwise
    // the cameras stay connected and the ports, address fields and switch stay as they were.
    if (fields.mapping && !portforward_script::has_script()) {
        qDebug() << "Port forwarding not applied: no script" << portforward_script::script_path();
        msgbox::warning(m_window, tr("Warning"),
                        tr("Port forwarding script not found: %1").arg(portforward_script::script_path()));
        return;
    }
    if (fields.mapping && !write_camera_ini(fields))
        return;

    CameraPorts::Values &v = m_ports.edit();
    v.recorder_port_map_enabled = fields.mapping;
    tell_link_mapped_ports();
    emit port_change_disconnect_wanted();
    v.mcast_port = get_upgrade_port().toInt();

    bool handedOver = true;
    if (!v.recorder_port_map_enabled) {
        const portforward::CameraPorts own = portforward::own_ports();
        v.teacher_visca_port = v.student_visca_port = own.visca;
        v.teacher_tcp_port = v.student_tcp_port = own.tcp;
        v.teacher_udp_port = v.student_udp_port = own.udp;
        v.teacher_rtsp_port = v.student_rtsp_port = own.rtsp;
        v.teacher_backup_port = v.student_backup_port = own.backup;
    } else {
        v.recorder_host_ip = fields.host_ip;
        v.recorder_teacher_ip = fields.teacher_ip;
        v.recorder_student_ip = fields.student_ip;
        v.recorder_username = fields.username;
        v.recorder_password = fields.password;
        // The teacher and student cameras are reached at the host's address on the mapped ports.
        emit camera_addresses_mapped(v.recorder_host_ip);
        v.teacher_visca_port = get_teacher_visca_port().toInt();
        v.teacher_tcp_port = get_teacher_tcp_port().toInt();
        v.teacher_udp_port = get_teacher_udp_port().toInt();
        v.teacher_rtsp_port = get_teacher_rtsp_port();
        v.teacher_backup_port = get_teacher_backup_port().toInt();
        v.student_visca_port = get_student_visca_port().toInt();
        v.student_tcp_port = get_student_tcp_port().toInt();
        v.student_udp_port = get_student_udp_port().toInt();
        v.student_rtsp_port = get_student_rtsp_port();
        v.student_backup_port = get_student_backup_port().toInt();
        qDebug() << "recorder host ip:" << v.recorder_host_ip << ",";
        handedOver = start_forwarding_script();
    }

    qDebug() << "recorder_port_map_enabled:" << v.recorder_port_map_enabled;
    if (!handedOver)
        return; // the host did not get the mapping: Apply stays pending, so it can be tried again
    m_port_settings_changed = false;
    ui.apply_port_Button->setText(tr("Apply"));
}

bool OptionsTab::write_camera_ini(const portforward::Fields &fields)
{
    const QString iniPath = portforward_script::camera_ini_path();
    QString why;
    if (camera_ini::write(iniPath, fields, &why))
        return true;
    qWarning() << "camera.ini not written:" << why;
    msgbox::warning(m_window, tr("Warning"), tr("Failed to save the port forwarding settings to %1").arg(iniPath));
    return false;
}

bool OptionsTab::start_forwarding_script()
{
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
