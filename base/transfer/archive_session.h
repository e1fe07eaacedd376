#pragma once

#include "transfer/archive_receiver.h"
#include "transfer/notice.h"
#include "transfer/transfer_files.h"
#include "transfer/transfer_link.h"
#include "transfer/transfer_texts.h"

#include <QObject>
#include <QString>

// The command socket's transfers: the full backup and restore of the Backup page and the role
// export and import of the Teacher, Student and Board tabs. One at a time; starting one drops
// the one before. An archive comes into a file beside its target and replaces it only when its
// MD5 matches, so a failed, cut-off or refused transfer leaves the previous archive as it was.
// Every transfer ends in finished(); the window shows the texts, boxes and painting changes the
// signals carry and never decides anything itself.
class ArchiveSession : public QObject
{
    Q_OBJECT

public:
    enum class Operation { None, Backup, Restore, Export, Import };

    explicit ArchiveSession(QObject *parent = nullptr);
    ~ArchiveSession() override;

    // The Backup button, once the installer chose where the archive goes (work type: the
    // request's layout).
    void backup(const QString &address, const transfer::PortMapping &mapping, const QString &file_path, int work_type);
    // The Restore button, once the installer chose the archive.
    void restore(const QString &address, const transfer::PortMapping &mapping, const QString &file_path, int work_type);
    // A role's export into its archive in the working folder, from the role's panorama camera
    // (its address field).
    void export_role(transfer::Role role, const QString &address_field, bool zr72_student);
    // A role's import of the archive chosen for it (the role's file path field).
    void import_role(transfer::Role role, const QString &address_field, const QString &file_path, bool zr72_student);

    Operation operation() const { return m_operation; }

signals:
    void backup_status_text(const QString &text); // label_83
    void notice(const transfer::Notice &notice);
    // The role's region widgets stop taking the window's painting and mouse handling while its
    // archive travels, and take it again when the transfer has ended, whatever its outcome.
    void region_painting_paused(transfer::Role role);
    void region_painting_resumed(transfer::Role role);
    void finished(ArchiveSession::Operation operation, bool ok);

private:
    void start(Operation operation, transfer::Role role, const transfer::Endpoint &endpoint);
    void on_connected();
    void on_connect_failed(const QString &reason);
    void on_packet(const transfer::Packet &packet);
    void on_lost(const QString &reason);
    void receive_step(const transfer::Packet &packet);
    void send_step(int step);
    void send_archive_request(const QByteArray &md5);
    void finish_receive();
    void judge_full_backup();
    void on_stream_finished(bool ok);
    // Ends the transfer: closes the socket, drops a partial archive, lets the role's widgets
    // paint again and reports. A failure shows the operation's failure text (a restore's is
    // given: the camera's refusal, or "disconnect" when the link was cut).
    void end(bool ok, const char *restore_failure = transfer::text::kDisconnect);
    void fail() { end(false); }
    QString archive_path() const;

    TransferLink commandClient{QStringLiteral("MainWindow::commandClient"), this};
    transfer::Md5Job m_md5{this};
    Operation m_operation = Operation::None;
    int transfer_mode = 0; // 3 full backup, 4 full restore (the operation in progress)
    transfer::Role cur_backup_mode = transfer::Role::None;
    transfer::Layout m_request_layout = transfer::Layout::Long;
    QString m_file_path;   // the archive chosen, or the role's archive
    QString m_send_name;   // the name a restore or import announces
    bool m_zr72_student = false;
    qint64 m_send_size = 0;
    ArchiveReceiver m_receiver;
    QByteArray backup_filemd5;
    QByteArray recv_file_name;
    bool m_first_packet = false; // the camera sent a packet of this transfer
    bool m_painting_paused = false;
};

Q_DECLARE_METATYPE(ArchiveSession::Operation)
