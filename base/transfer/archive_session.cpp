#include "transfer/archive_session.h"

#include "settings/input_rules.h"
#include "transfer/transfer_texts.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

using namespace transfer;

namespace {
constexpr int kMd5Chars = 32;

const char *role_log_name(Role role)
{
    switch (role) {
    case Role::Teacher: return "teacher";
    case Role::Student: return "student";
    case Role::Board: return "board";
    case Role::None: break;
    }
    return "";
}
} // namespace

ArchiveSession::ArchiveSession(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<transfer::Notice>();
    qRegisterMetaType<ArchiveSession::Operation>();
    qRegisterMetaType<transfer::Role>();
    connect(&commandClient, &TransferLink::connected, this, &ArchiveSession::on_connected);
    connect(&commandClient, &TransferLink::connect_failed, this, &ArchiveSession::on_connect_failed);
    connect(&commandClient, &TransferLink::packet, this, &ArchiveSession::on_packet);
    connect(&commandClient, &TransferLink::lost, this, &ArchiveSession::on_lost);
    connect(&commandClient, &TransferLink::stream_finished, this, &ArchiveSession::on_stream_finished);
    connect(&m_md5, &Md5Job::done, this, &ArchiveSession::send_archive_request);
}

ArchiveSession::~ArchiveSession() = default;

// ---- starting ----

void ArchiveSession::backup(const QString &address, const PortMapping &mapping, const QString &file_path, int work_type)
{
    transfer_mode = 3;
    if (!input::is_valid_ipv4(address))
        emit notice(warning(text::kAddressError));
    m_file_path = file_path;
    m_request_layout = layout_for_work_type(work_type);
    emit backup_status_text(shown(text::kConnecting));
    start(Operation::Backup, Role::None, set_upgrade_backup_port(address, mapping));
}

void ArchiveSession::restore(const QString &address, const PortMapping &mapping, const QString &file_path, int work_type)
{
    transfer_mode = 4;
    if (!input::is_valid_ipv4(address))
        emit notice(warning(text::kAddressError));
    if (!chosen_file_readable(file_path)) {
        emit notice(warning(import_check_message(ImportCheck::Missing)));
        return;
    }
    m_file_path = file_path;
    m_send_name = QString::fromLatin1(kFullArchiveName);
    m_request_layout = layout_for_work_type(work_type);
    emit backup_status_text(shown(text::kConnecting));
    start(Operation::Restore, Role::None, set_upgrade_backup_port(address, mapping));
}

void ArchiveSession::export_role(Role role, const QString &address_field, bool zr72_student)
{
    if (!input::is_valid_ipv4(address_field))
        emit notice(warning(text::kAddressError));
    m_zr72_student = zr72_student;
    m_file_path = QDir::current().filePath(role_archive_name(role, zr72_student));
    m_request_layout = Layout::Long;
    start(Operation::Export, role, parameter_endpoint(address_field));
}

void ArchiveSession::import_role(Role role, const QString &address_field, const QString &file_path, bool zr72_student)
{
    const ImportCheck check = check_import_file(role, file_path, zr72_student);
    if (check != ImportCheck::Ok) {
        emit notice(warning(import_check_message(check)));
        return;
    }
    if (!input::is_valid_ipv4(address_field))
        emit notice(warning(text::kAddressError));
    m_file_path = file_path;
    m_send_name = role_archive_name(role, zr72_student);
    m_request_layout = Layout::Long;
    start(Operation::Import, role, parameter_endpoint(address_field));
}

void ArchiveSession::start(Operation operation, Role role, const Endpoint &endpoint)
{
    if (m_operation != Operation::None) {
        qDebug() << "ArchiveSession: a new transfer drops the one under way";
        end(false);
    }
    m_operation = operation;
    cur_backup_mode = role;
    backup_filemd5.clear();
    recv_file_name.clear();
    m_first_packet = false;
    commandClient.set_read_layout(Layout::Long);
    commandClient.connect_to(endpoint);
}

void ArchiveSession::on_connected()
{
    switch (m_operation) {
    case Operation::Backup:
        emit backup_status_text(shown(text::kConnected));
        commandClient.send(backup_request(m_request_layout));
        emit backup_status_text(shown(text::kStartBackup));
        break;
    case Operation::Restore:
        emit backup_status_text(shown(text::kConnected));
        m_md5.start(m_file_path);
        break;
    case Operation::Export:
        if (cur_backup_mode != Role::Student)
            qDebug() << "Connect success";
        m_painting_paused = true;
        emit region_painting_paused(cur_backup_mode);
        commandClient.send(backup_request(Layout::Long));
        break;
    case Operation::Import:
        m_painting_paused = true;
        emit region_painting_paused(cur_backup_mode);
        m_md5.start(m_file_path);
        break;
    case Operation::None:
        break;
    }
}

void ArchiveSession::on_connect_failed(const QString &reason)
{
    qDebug().noquote() << "ArchiveSession: connect failed:" << reason;
    const Operation operation = m_operation;
    if (operation == Operation::Backup || operation == Operation::Restore)
        emit backup_status_text(shown(text::kTimedOut));
    else if (operation != Operation::None)
        emit notice(warning(text::kConnectionTimeout));
    m_operation = Operation::None;
    if (operation != Operation::None)
        emit finished(operation, false);
}

void ArchiveSession::send_archive_request(const QByteArray &md5)
{
    if (m_operation != Operation::Restore && m_operation != Operation::Import)
        return;
    const qint64 size = QFileInfo(m_file_path).size();
    if (md5.isEmpty() || size > std::numeric_limits<qint32>::max()) {
        fail();
        return;
    }
    qDebug() << "ArchiveSession: md5 of" << m_file_path << md5;
    m_send_size = size;
    commandClient.send(restore_request(m_send_name.toLocal8Bit(), md5, qint32(size), m_request_layout));
}

// ---- what the camera sends ----

void ArchiveSession::on_packet(const Packet &packet)
{
    if (packet.letter == 'B' && (m_operation == Operation::Backup || m_operation == Operation::Export))
        receive_step(packet);
    else if (packet.letter == 'R' && (m_operation == Operation::Restore || m_operation == Operation::Import))
        send_step(packet.step);
}

void ArchiveSession::receive_step(const Packet &packet)
{
    const bool role = cur_backup_mode != Role::None;
    switch (packet.step) {
    case 1:
        backup_filemd5 = packet.data.left(kMd5Chars);
        recv_file_name = packet.text;
        qDebug() << "MainWindow:: backup_filemd5: " << backup_filemd5 << "cur_backup_mode: " << int(cur_backup_mode);
        if (role)
            qDebug() << role_log_name(cur_backup_mode);
        m_first_packet = true;
        // A role's archive replaces the one before only once it came whole; that one is kept as
        // its saved copy then.
        if (!m_receiver.begin(m_file_path, packet.length, backup_filemd5,
                              role ? ArchiveReceiver::Place::WorkingFolder : ArchiveReceiver::Place::Chosen))
            fail();
        break;
    case 2:
        if (!m_receiver.active()) {
            qDebug() << "ArchiveSession: data before the archive was announced";
            fail();
            break;
        }
        switch (m_receiver.append(packet.length, packet.data)) {
        case ArchiveReceiver::Append::More:
            break;
        case ArchiveReceiver::Append::Complete:
            qDebug() << "cur_backup_mode:" << int(cur_backup_mode);
            // A full backup is judged when the camera closes the connection.
            if (role)
                finish_receive();
            break;
        default:
            fail();
            break;
        }
        break;
    case 3:
        if (role)
            finish_receive();
        break;
    case 4:
        if (!role)
            emit notice(warning(text::kExportFailure));
        fail();
        break;
    default:
        break;
    }
}

void ArchiveSession::finish_receive()
{
    qDebug() << "recv file finish";
    const bool whole = m_receiver.active() && m_receiver.received() == m_receiver.size();
    if (!whole || !m_receiver.finish()) {
        fail();
        return;
    }
    qDebug() << "Export success";
    emit notice(information(text::kExportSuccess));
    end(true);
}

void ArchiveSession::judge_full_backup()
{
    if (!m_first_packet) {
        qDebug() << "ArchiveSession: the camera closed before it sent the archive";
        fail();
        return;
    }
    const bool whole = m_receiver.active() && m_receiver.received() == m_receiver.size();
    if (!whole || !m_receiver.finish()) {
        qDebug() << "ArchiveSession: backup failed";
        fail();
        return;
    }
    qDebug() << "ArchiveSession: Backup Success";
    emit backup_status_text(shown(text::kBackupSuccess));
    emit notice(information(text::kBackupSuccess));
    end(true);
}

void ArchiveSession::send_step(int step)
{
    const bool role = cur_backup_mode != Role::None;
    switch (step) {
    case 2:
        end(false, text::kNoDiskSpace);
        break;
    case 3:
        if (!role)
            emit backup_status_text(shown(text::kTransmitting));
        if (!commandClient.stream_file(m_file_path, m_send_size))
            fail();
        break;
    case 4:
        if (!role)
            emit backup_status_text(shown(text::kRestoring));
        break;
    case 5:
        end(false, text::kRestoreFailed);
        break;
    case 6:
        if (role) {
            emit notice(information(text::kImportSuccess));
        } else {
            emit backup_status_text(shown(text::kRestoreSuccess));
            emit notice(information(text::kRestoreSuccess));
        }
        end(true);
        break;
    default:
        break;
    }
}

void ArchiveSession::on_stream_finished(bool ok)
{
    if (ok)
        qDebug() << "upload finish";
    else
        fail();
}

void ArchiveSession::on_lost(const QString &reason)
{
    qDebug().noquote() << "MainWindow::displayError" << reason;
    if (cur_backup_mode != Role::None)
        qDebug() << "MainWindow::displayError()  execute other backup files.";
    if (m_operation == Operation::Backup)
        judge_full_backup();
    else
        fail();
}

void ArchiveSession::end(bool ok, const char *restore_failure)
{
    const Operation operation = m_operation;
    if (operation == Operation::None)
        return;
    m_operation = Operation::None;
    commandClient.close();
    m_receiver.cancel();
    if (!ok) {
        switch (operation) {
        case Operation::Backup:
            emit backup_status_text(shown(text::kBackupFailed));
            break;
        case Operation::Restore:
            emit backup_status_text(shown(restore_failure));
            break;
        case Operation::Export:
            emit notice(warning(text::kExportFailure));
            break;
        case Operation::Import:
            emit notice(warning(text::kImportFailure));
            break;
        case Operation::None:
            break;
        }
    }
    if (m_painting_paused) {
        m_painting_paused = false;
        emit region_painting_resumed(cur_backup_mode);
    }
    emit finished(operation, ok);
}
