#pragma once

#include "transfer/archive_receiver.h"
#include "transfer/notice.h"
#include "transfer/transfer_files.h"
#include "transfer/transfer_link.h"
#include "transfer/upgrade_rules.h"

#include <QObject>
#include <QString>
#include <QTimer>

// The Upgrade page's side of the file-transfer protocol on the upgrade socket: the version
// query and the firmware upgrade, the camera's steps with their progress and messages, and the
// archives a camera sends or asks for on this socket. It decides everything; the window shows
// what the signals say and passes the installer's choices in. Nothing here blocks: connects,
// waits and the MD5 of a firmware image run while the event loop goes on.
class FirmwareSession : public QObject
{
    Q_OBJECT

public:
    // An upgrade connects this long after the button, so that the link of a query just before
    // is let go by the camera first.
    static constexpr int kConnectDelayMs = 1000;
    // Wait for the version reply an upgrade asks for before its model check; a camera answers
    // in about 100 ms.
    static constexpr int kVersionReplyWaitMs = 3000;
    // From the camera's last step to the end of an upgrade: an MTD image is written to flash
    // and the camera restarts; the other types restart sooner.
    static constexpr int kUpgradeDoneMtdMs = 73000;
    static constexpr int kUpgradeDoneMs = 20000;
    // From a restore's last step on this socket to "Restore Success": the camera applies it.
    static constexpr int kRestoreDoneMs = 20000;

    explicit FirmwareSession(QObject *parent = nullptr);
    ~FirmwareSession() override;

    // The work type ("TYPE1" 1, "TYPE2" 2) chooses the packet layout; choosing one closes the
    // socket and resets the page.
    void set_work_type(int work_type);
    int work_type() const { return m_work_type; }
    // "Simple" or "Full": the type list; verify: the model check of MTD upgrades.
    void set_upgrade_mode(const QString &mode) { upgrade_mode = mode; }
    void set_verify(bool verify) { upgrade_verify = verify; }
    void set_upgrade_model(int code) { upgradeModel = last_upgrade_type = code; }
    int upgrade_model() const { return upgradeModel; }
    // The installer chose entry `index` of the type list.
    void type_activated(int index);
    upgrade::TypeList type_list() const;

    // The Query button for the camera at address (upgrade_ip_lineEdit).
    void query(const QString &address, const transfer::PortMapping &mapping);
    // The Upgrade button: the file chosen (upgrade_file_path) and the type list's current text.
    void upgrade(const QString &address, const transfer::PortMapping &mapping, const QString &file_path,
                 const QString &type_text);
    // A query or upgrade uses the socket (from the button to the camera's last step; an upgrade's
    // completion time after it takes no socket, and a query may run meanwhile).
    bool running() const { return m_phase != Phase::Idle; }

signals:
    void connection_text(const QString &text);    // label_66
    void status_text(const QString &text);        // label_67
    void backup_status_text(const QString &text); // label_83
    void backup_file_text(const QString &text);   // label_81
    void progress(int value, int maximum);        // progressBar
    void progress_reset();
    void log_text(const QString &text);           // textEdit, whole; empty clears it
    void controls_enabled(bool enabled);          // upgrade_Button and worktype_comboBox
    void query_enabled(bool enabled);             // query_Button
    void type_list_changed(const upgrade::TypeList &list);
    void file_name_refused();                     // upgrade_filename_lineEdit is cleared
    // The whole firmware file went out; the camera checks it next (textEdit takes the keyboard).
    void upload_finished();
    void notice(const transfer::Notice &notice);
    // A query or upgrade ended (an upgrade that reached the camera's last step once its
    // completion time has passed). Checks that refuse to start one show a notice only.
    void finished(bool ok);

private:
    enum class Phase { Idle, Querying, Delay, Connecting, AwaitVersion, Hashing, Upgrading };

    bool connect_transfer_server();
    void on_connected();
    void on_connect_failed(const QString &reason);
    void on_packet(const transfer::Packet &packet);
    void on_lost(const QString &reason);
    void version_reply(const transfer::Packet &packet);
    void continue_upgrade();
    void send_upgrade_request(const QByteArray &md5);
    void upgrade_step(int step);
    void camera_error();
    void archive_receive(const transfer::Packet &packet);
    void finish_archive_receive(bool whole);
    void archive_send(int step);
    void on_chunk_sent(qint64 bytes);
    void on_stream_finished(bool ok);
    void upgrade_success();
    void backup_success();
    // Closes the socket and puts the page back: controls enabled, "disconnect".
    void end(bool ok, bool refill_types);
    transfer::Layout layout() const { return transfer::layout_for_work_type(m_work_type); }

    TransferLink tcpClient{QStringLiteral("MainWindow::tcpClient"), this};
    transfer::Md5Job m_md5{this};
    QTimer m_delay_timer;
    QTimer m_reply_timer;
    QTimer upgrade_timer;
    QTimer restore_timer;
    Phase m_phase = Phase::Idle;
    int m_work_type = 1;
    QString upgrade_mode = QStringLiteral("Simple");
    bool upgrade_verify = true;
    int upgradeModel = 5;
    int last_upgrade_type = 5;
    int transfer_mode = 0; // 1 version query, 2 firmware upgrade
    qint8 query_purpose = 0;
    QString m_address;
    transfer::PortMapping m_mapping;
    QString upgrade_file_path;
    qint64 m_file_size = 0;
    upgrade::VersionReply m_reply;
    bool m_reply_received = false;
    QVector<upgrade::MtdPartition> mtd_partitions;
    bool m_streaming_upgrade = false; // the stream under way is the firmware (else an archive)
    qint64 send_progress = 0;
    qint64 m_progress_max = 0;
    ArchiveReceiver m_receiver;
    bool recv_prepared = false;
};
