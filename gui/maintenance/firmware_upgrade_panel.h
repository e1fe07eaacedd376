#pragma once

#include "settings/upgrade_types.h"
#include "support/form_widgets.h"
#include "transfer/firmware_session.h"

#include <QObject>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QWidget;
class TransferPorts;

#define FIRMWARE_UPGRADE_PANEL_WIDGETS(X) \
    X(QLabel, label_66) \
    X(QLabel, label_67) \
    X(QPushButton, open_Button) \
    X(QProgressBar, progressBar) \
    X(QPushButton, query_Button) \
    X(QTextEdit, textEdit) \
    X(QPushButton, upgrade_Button) \
    X(QLineEdit, upgrade_filename_lineEdit) \
    X(QLineEdit, upgrade_ip_lineEdit) \
    X(QComboBox, upgrade_type_comboBox) \
    X(QComboBox, worktype_comboBox)

// The Upgrade tab's Upgrade page: the choice of the firmware file (dialog, or a file dropped
// anywhere on the window) and its type, the version query and the upgrade, shown as the
// upgrade socket's session (FirmwareSession, owned here) reports them. What that socket says of
// archives goes on to the Backup page.
class FirmwareUpgradePanel : public QObject
{
    Q_OBJECT

public:
    struct Widgets {
        FIRMWARE_UPGRADE_PANEL_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // settings: the group UPGRADE (the type list's mode, the model check, the work type), which
    // the work type choice changes; its page fields follow the installer's and the session's
    // changes.
    FirmwareUpgradePanel(const Widgets &widgets, upgrade::Settings &settings, const TransferPorts &ports,
                         QWidget *window);
    ~FirmwareUpgradePanel() override;

    // The device list handed this camera over.
    void set_address(const QString &address);
    // The settings file read the group UPGRADE (or took a fresh installation's): the page shows
    // its type list and entry, the camera's address, the file and the work type.
    void show_stored_settings(bool from_file);
    // The texts set over the form's, which a language switch's re-texting put back.
    void retranslate();

    void on_open_Button_clicked();
    void on_query_Button_clicked();
    void on_upgrade_Button_clicked();
    void on_upgrade_type_comboBox_activated(int index);
    void on_worktype_comboBox_activated(int index);

signals:
    void backup_status_text(const QString &text); // label_83
    void backup_file_text(const QString &text);   // label_81

protected:
    // An upgrade file dropped anywhere on the window.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The group UPGRADE as the settings file loaded it reaches the session before its first use.
    void take_settings();
    void show_type_list(const upgrade::TypeList &list);
    void show_log(const QString &text);
    void set_controls_enabled(bool enabled);
    void take_upgrade_file(const QString &path);

    const Widgets ui;
    upgrade::Settings &m_settings;
    const TransferPorts &m_ports;
    QWidget *m_window;
    FirmwareSession m_session;
    bool m_model_taken = false;
    QString m_log;
    QString m_connection_text;
    QString m_status_text;
};
