#pragma once

#include "seams/desktop_services.h"
#include "settings/upgrade_types.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

class ArchiveSession;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TransferPorts;

#define BACKUP_PANEL_WIDGETS(X) \
    X(QLineEdit, backup_ip_lineEdit) \
    X(QLabel, backup_file_path_label) \
    X(QPushButton, backup_pushButton) \
    X(QLabel, label_81) \
    X(QLabel, label_83) \
    X(QPushButton, restore_pushButton)

// The Upgrade tab's Backup page: the full backup of a camera's configuration into a file the
// installer chooses, and its restore, on the command socket's session; and the state of every
// backup in label_83 (this page's transfers, and what the upgrade socket says of archives).
class BackupPanel : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        BACKUP_PANEL_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // settings: the work type, which chooses the requests' layout.
    BackupPanel(const Widgets &widgets, ArchiveSession &session, const upgrade::Settings &settings,
                const TransferPorts &ports, QWidget *window);

    // The device list handed this camera over.
    void set_address(const QString &address);
    // The state of a backup (label_83) and of the backup file (label_81).
    void show_backup_status(const QString &text);
    void show_backup_file(const QString &text);
    // The settings file was read (from_file): a configuration backup an earlier run left in the
    // working folder is noted.
    void show_kept_backup(bool from_file);
    // The texts set over the form's, which a language switch's re-texting put back.
    void retranslate();

    void on_backup_pushButton_clicked();
    void on_restore_pushButton_clicked();

private:
    // The archive chosen in the save or open dialog, shown as the page's file; empty when none.
    QString choose_archive(desktop::FileRequest::Kind kind);

    const Widgets ui;
    ArchiveSession &m_session;
    const upgrade::Settings &m_settings;
    const TransferPorts &m_ports;
    QWidget *m_window;
    QString backup_file_path;
    QString m_status_text;
};
