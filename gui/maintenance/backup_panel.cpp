#include "maintenance/backup_panel.h"

#include "maintenance/transfer_ports.h"
#include "seams/desktop_services.h"
#include "transfer/archive_session.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kBackupFilter = QStringLiteral("Backup Files(*.tar.gz)");
// The archive of a full backup, by the name the camera gives it.
const QString kKeptBackup = QStringLiteral("data.tar.gz");
} // namespace

BackupPanel::BackupPanel(const Widgets &widgets, ArchiveSession &session, const upgrade::Settings &settings,
                         const TransferPorts &ports, QWidget *window)
    : ui(widgets)
    , m_session(session)
    , m_settings(settings)
    , m_ports(ports)
    , m_window(window)
{
    connect(ui.backup_pushButton, &QPushButton::clicked, this, &BackupPanel::on_backup_pushButton_clicked);
    connect(ui.restore_pushButton, &QPushButton::clicked, this, &BackupPanel::on_restore_pushButton_clicked);
    connect(&m_session, &ArchiveSession::backup_status_text, this, &BackupPanel::show_backup_status);
}

void BackupPanel::set_address(const QString &address) { ui.backup_ip_lineEdit->setText(address); }

void BackupPanel::show_backup_status(const QString &text)
{
    m_status_text = text;
    ui.label_83->setText(text);
}

void BackupPanel::show_backup_file(const QString &text) { ui.label_81->setText(text); }

void BackupPanel::show_kept_backup(bool from_file)
{
    if (from_file && QFileInfo::exists(kKeptBackup))
        ui.label_81->setText(tr("exist"));
}

void BackupPanel::retranslate()
{
    if (!m_status_text.isEmpty())
        ui.label_83->setText(m_status_text);
    if (!backup_file_path.isEmpty())
        ui.backup_file_path_label->setText(backup_file_path);
    if (QFileInfo::exists(kKeptBackup))
        ui.label_81->setText(tr("exist"));
}

QString BackupPanel::choose_archive(desktop::FileRequest::Kind kind)
{
    // Both dialogs start at the archive name the camera gives a full backup.
    const QString &start = kKeptBackup;
    const QString path = kind == desktop::FileRequest::Save
                             ? desktop::save_file_name(m_window, tr("save backup file"), start, kBackupFilter)
                             : desktop::open_file_name(m_window, tr("select backup file"), start, kBackupFilter);
    if (!path.isEmpty()) {
        backup_file_path = path;
        ui.backup_file_path_label->setText(path);
    }
    return path;
}

void BackupPanel::on_backup_pushButton_clicked()
{
    const QString path = choose_archive(desktop::FileRequest::Save);
    if (!path.isEmpty())
        m_session.backup(ui.backup_ip_lineEdit->text(), m_ports.transfer_mapping(), path, m_settings.work_type);
}

void BackupPanel::on_restore_pushButton_clicked()
{
    const QString path = choose_archive(desktop::FileRequest::Open);
    if (!path.isEmpty())
        m_session.restore(ui.backup_ip_lineEdit->text(), m_ports.transfer_mapping(), path, m_settings.work_type);
}
