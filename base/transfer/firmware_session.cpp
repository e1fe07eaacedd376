#include "transfer/firmware_session.h"

#include "core/time_scale.h"
#include "settings/input_rules.h"
#include "transfer/transfer_texts.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

using namespace transfer;

namespace {
constexpr int kPercent = 100;
constexpr int kReceivedPercent = 70;
constexpr int kVerifiedPercent = 85;
constexpr int kRestartingPercent = 98;
// The progress counter grows by half a chunk for every chunk sent, against a maximum of the
// file's size and 5 %: the bar stands near half when the stream ends, and the camera's steps
// set it to the percentages above.
constexpr int kProgressPerChunk = 2048;
} // namespace

FirmwareSession::FirmwareSession(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<transfer::Notice>();
    for (QTimer *t : {&m_delay_timer, &m_reply_timer, &upgrade_timer, &restore_timer})
        t->setSingleShot(true);
    connect(&m_delay_timer, &QTimer::timeout, this, [this] {
        if (!connect_transfer_server())
            end(false, false);
    });
    connect(&m_reply_timer, &QTimer::timeout, this, [this] {
        qDebug() << "FirmwareSession: no version reply within" << kVersionReplyWaitMs << "ms";
        continue_upgrade();
    });
    connect(&upgrade_timer, &QTimer::timeout, this, &FirmwareSession::upgrade_success);
    connect(&restore_timer, &QTimer::timeout, this, &FirmwareSession::backup_success);
    connect(&m_md5, &Md5Job::done, this, &FirmwareSession::send_upgrade_request);
    connect(&tcpClient, &TransferLink::connected, this, &FirmwareSession::on_connected);
    connect(&tcpClient, &TransferLink::connect_failed, this, &FirmwareSession::on_connect_failed);
    connect(&tcpClient, &TransferLink::packet, this, &FirmwareSession::on_packet);
    connect(&tcpClient, &TransferLink::lost, this, &FirmwareSession::on_lost);
    connect(&tcpClient, &TransferLink::chunk_sent, this, &FirmwareSession::on_chunk_sent);
    connect(&tcpClient, &TransferLink::stream_finished, this, &FirmwareSession::on_stream_finished);
}

FirmwareSession::~FirmwareSession() = default;

void FirmwareSession::set_work_type(int work_type)
{
    m_work_type = work_type == 2 ? 2 : 1;
    tcpClient.close();
    tcpClient.set_read_layout(layout());
    m_receiver.cancel();
    recv_prepared = false;
    const bool was_running = running();
    m_phase = Phase::Idle;
    m_delay_timer.stop();
    m_reply_timer.stop();
    emit progress_reset();
    emit connection_text(shown(text::kDisconnect));
    emit status_text(shown(text::kDisconnect));
    emit backup_status_text(shown(text::kDisconnect));
    emit controls_enabled(true);
    if (was_running)
        emit finished(false);
}

void FirmwareSession::type_activated(int index)
{
    upgradeModel = upgrade::code_for_index(upgrade_mode, index, upgradeModel);
    last_upgrade_type = upgradeModel;
}

upgrade::TypeList FirmwareSession::type_list() const
{
    return upgrade::type_list(upgrade_mode, upgradeModel, last_upgrade_type,
                              upgrade_mode == QLatin1String("Full") ? mtd_partitions : QVector<upgrade::MtdPartition>());
}

// ---- starting ----

void FirmwareSession::query(const QString &address, const PortMapping &mapping)
{
    if (running()) {
        qDebug() << "connect_flag == true";
        return;
    }
    if (!tcpClient.is_idle()) {
        qDebug() << "FirmwareSession::query: the upgrade socket is open";
        return;
    }
    m_address = address;
    m_mapping = mapping;
    m_phase = Phase::Querying;
    if (!connect_transfer_server())
        m_phase = Phase::Idle;
}

void FirmwareSession::upgrade(const QString &address, const PortMapping &mapping, const QString &file_path,
                              const QString &type_text)
{
    if (running() || upgrade_timer.isActive()) {
        qDebug() << "FirmwareSession::upgrade: a transfer runs";
        return;
    }
    if (address.isEmpty()) {
        emit notice(warning(text::kAddressError));
        return;
    }
    if (file_path.isEmpty()) {
        emit notice(warning(text::kSelectPack));
        return;
    }
    if (type_text == QLatin1String("  ")) {
        emit notice(warning(text::kSelectType));
        return;
    }
    if (const auto code = upgrade::code_for_type_text(upgrade_mode, type_text, mtd_partitions))
        upgradeModel = *code;
    const QString name = file_path.section(QLatin1Char('/'), -1);
    const upgrade::FileCheck check = upgrade::check_upgrade_file(upgradeModel, name, mtd_partitions);
    if (check.outcome != upgrade::FileCheck::Ok) {
        if (check.outcome == upgrade::FileCheck::Mismatch)
            emit notice(warning(text::kFileTypeMismatch));
        emit file_name_refused();
        return;
    }
    upgradeModel = check.code;
    m_address = address;
    m_mapping = mapping;
    upgrade_file_path = file_path;
    m_phase = Phase::Delay;
    emit controls_enabled(false);
    m_delay_timer.start(timescale::scaled(kConnectDelayMs));
}

bool FirmwareSession::connect_transfer_server()
{
    send_progress = 0;
    if (!input::is_valid_ipv4(m_address)) {
        emit notice(warning(text::kAddressError));
        return false;
    }
    emit connection_text(shown(text::kConnecting));
    emit query_enabled(false);
    if (m_phase == Phase::Delay)
        m_phase = Phase::Connecting;
    tcpClient.set_read_layout(layout());
    tcpClient.connect_to(set_upgrade_backup_port(m_address, m_mapping));
    return true;
}

void FirmwareSession::on_connected()
{
    emit connection_text(shown(text::kConnected));
    emit status_text(shown(text::kWaitingUpgrade));
    emit controls_enabled(m_phase == Phase::Querying);
    emit query_enabled(true);
    if (m_phase == Phase::Querying) {
        query_purpose = 1;
        transfer_mode = 1;
        tcpClient.send(query_request(10, layout()));
    } else if (m_phase == Phase::Connecting) {
        transfer_mode = 2;
        query_purpose = query_purpose == 1 ? 2 : 0;
        m_reply_received = false;
        m_phase = Phase::AwaitVersion;
        tcpClient.send(query_request(9, layout()));
        m_reply_timer.start(kVersionReplyWaitMs);
    }
}

void FirmwareSession::on_connect_failed(const QString &reason)
{
    qDebug().noquote() << "FirmwareSession: connect failed:" << reason;
    emit query_enabled(true);
    emit connection_text(shown(text::kTimedOut));
    const bool was_running = running();
    m_phase = Phase::Idle;
    emit controls_enabled(true);
    if (was_running)
        emit finished(false);
}

// ---- the upgrade after its version reply ----

void FirmwareSession::continue_upgrade()
{
    if (m_phase != Phase::AwaitVersion)
        return;
    m_reply_timer.stop();
    const QString name = upgrade_file_path.section(QLatin1Char('/'), -1);
    if (upgrade_verify && upgradeModel == 4 && (!m_reply_received || !upgrade::model_matches(m_work_type, name, m_reply))) {
        emit notice(information(text::kFileTypeMismatch));
        emit file_name_refused();
        emit status_text(shown(text::kDisconnect));
        end(false, false);
        return;
    }
    QFile file(upgrade_file_path);
    m_file_size = chosen_file_readable(upgrade_file_path) && file.open(QIODevice::ReadOnly) ? file.size() : -1;
    if (m_file_size < 0 || m_file_size > std::numeric_limits<qint32>::max()) {
        emit notice(warning(text::kOpenFileFailed));
        emit log_text(QString());
        end(false, false);
        return;
    }
    m_phase = Phase::Hashing;
    m_md5.start(upgrade_file_path);
}

void FirmwareSession::send_upgrade_request(const QByteArray &md5)
{
    if (m_phase != Phase::Hashing)
        return;
    if (md5.isEmpty()) {
        emit notice(warning(text::kOpenFileFailed));
        emit log_text(QString());
        end(false, false);
        return;
    }
    qDebug() << "FirmwareSession: md5" << md5;
    const QByteArray name = upgrade_file_path.section(QLatin1Char('/'), -1).toLocal8Bit();
    if (name.size() >= text_field_size(layout()))
        qDebug() << "FirmwareSession: the file name is cut to" << text_field_size(layout()) - 1 << "bytes";
    m_phase = Phase::Upgrading;
    tcpClient.send(upgrade_request(upgradeModel, name, md5, qint32(m_file_size), layout()));
}

// ---- what the camera sends ----

void FirmwareSession::on_packet(const Packet &packet)
{
    switch (packet.letter) {
    case 'U':
        if (layout() == Layout::Long)
            qDebug() << "==========rPackage->ack:" << packet.step;
        upgrade_step(packet.step);
        break;
    case 'Q':
        version_reply(packet);
        break;
    case 'E':
        camera_error();
        break;
    case 'B':
        archive_receive(packet);
        break;
    case 'R':
        archive_send(packet.step);
        break;
    default:
        break;
    }
}

void FirmwareSession::version_reply(const Packet &packet)
{
    m_reply = upgrade::read_version_reply(packet, layout());
    m_reply_received = true;
    emit log_text(upgrade::version_log_text(m_reply));
    if (query_purpose != 2 && upgrade_mode == QLatin1String("Full")) {
        mtd_partitions = upgrade::parse_mtd_partitions(m_reply.listing);
        emit type_list_changed(type_list());
    }
    if (query_purpose == 1 && m_phase == Phase::Querying) {
        tcpClient.close();
        emit connection_text(shown(text::kDisconnect));
        emit status_text(shown(text::kDisconnect));
        m_phase = Phase::Idle;
        emit finished(true);
        return;
    }
    continue_upgrade();
}

void FirmwareSession::upgrade_step(int step)
{
    switch (step) {
    case 0: {
        emit status_text(shown(text::kTransmitting));
        send_progress = 0;
        m_progress_max = m_file_size + 5 * (m_file_size / 100);
        m_streaming_upgrade = true;
        if (!tcpClient.stream_file(upgrade_file_path, m_file_size))
            end(false, false);
        break;
    }
    case 1:
        emit status_text(shown(text::kNoDiskSpace));
        emit progress_reset();
        end(false, false);
        break;
    case 3:
        emit progress(kReceivedPercent, kPercent);
        emit status_text(shown(text::kReceiveFinish));
        break;
    case 5:
        emit progress(kVerifiedPercent, kPercent);
        emit status_text(shown(text::kVerifySucceed));
        break;
    case 6:
        emit log_text(QString());
        emit progress_reset();
        emit status_text(shown(text::kVerifyFail));
        end(false, true);
        break;
    case 7:
    case 9:
        tcpClient.close();
        emit connection_text(shown(text::kDisconnect));
        emit controls_enabled(true);
        emit progress(kRestartingPercent, kPercent);
        emit log_text(QString());
        // The socket's work is done; the upgrade ends when the camera has had time to restart.
        m_phase = Phase::Idle;
        upgrade_timer.start(timescale::scaled(upgradeModel == 4 ? kUpgradeDoneMtdMs : kUpgradeDoneMs));
        break;
    case 8:
        emit log_text(QString());
        emit status_text(shown(text::kUpgradeFail));
        end(false, true);
        break;
    default:
        break;
    }
}

void FirmwareSession::camera_error()
{
    emit status_text(shown(text::kArmNotFound));
    emit log_text(QString());
    emit progress_reset();
    end(false, true);
}

void FirmwareSession::on_chunk_sent(qint64)
{
    send_progress += kProgressPerChunk;
    if (m_streaming_upgrade)
        emit progress(int(qMin<qint64>(send_progress, std::numeric_limits<int>::max())),
                      int(qMin<qint64>(m_progress_max, std::numeric_limits<int>::max())));
}

void FirmwareSession::on_stream_finished(bool ok)
{
    send_progress = 0;
    if (ok) {
        if (m_streaming_upgrade)
            emit upload_finished();
        return;
    }
    if (m_streaming_upgrade) {
        end(false, false);
    } else {
        tcpClient.close();
        emit backup_status_text(shown(text::kRestoreFailed));
    }
}

void FirmwareSession::upgrade_success()
{
    emit progress(kPercent, kPercent);
    emit notice(information(text::kUpgradeSuccess));
    emit progress(0, kPercent);
    emit status_text(shown(text::kDisconnect));
    emit finished(true);
}

void FirmwareSession::on_lost(const QString &reason)
{
    qDebug().noquote() << "MainWindow::displayError_upgrade" << reason;
    m_receiver.cancel();
    recv_prepared = false;
    emit backup_status_text(shown(text::kDisconnect));
    emit status_text(shown(text::kDisconnect));
    emit progress_reset();
    emit log_text(QString());
    end(false, true);
}

void FirmwareSession::end(bool ok, bool refill_types)
{
    tcpClient.close();
    m_delay_timer.stop();
    m_reply_timer.stop();
    emit connection_text(shown(text::kDisconnect));
    emit controls_enabled(true);
    emit query_enabled(true);
    if (refill_types)
        emit type_list_changed(type_list());
    const bool was_running = running();
    m_phase = Phase::Idle;
    if (was_running)
        emit finished(ok);
}

// ---- archives on the upgrade socket ----

void FirmwareSession::archive_receive(const Packet &packet)
{
    if (!recv_prepared) {
        keep_saved_copy(QDir::current().filePath(QString::fromLatin1(kFullArchiveName)));
        recv_prepared = true;
    }
    switch (packet.step) {
    case 1: {
        const QString name = plain_file_name(packet.text);
        qDebug() << "FirmwareSession: archive" << packet.text << "of" << packet.length << "bytes";
        if (name.isEmpty()) {
            qDebug() << "FirmwareSession: no file name to receive into";
            finish_archive_receive(false);
            break;
        }
        if (!m_receiver.begin(QDir::current().filePath(name), packet.length, zero_terminated(packet.data),
                              ArchiveReceiver::Place::WorkingFolder)) {
            finish_archive_receive(false);
            break;
        }
        emit backup_status_text(shown(text::kStartReceive));
        break;
    }
    case 2:
        switch (m_receiver.append(packet.length, packet.data)) {
        case ArchiveReceiver::Append::More:
            break;
        case ArchiveReceiver::Append::Complete:
            qDebug() << "goto RECV_FINISH";
            finish_archive_receive(true);
            break;
        default:
            finish_archive_receive(false);
            break;
        }
        break;
    case 3:
        finish_archive_receive(m_receiver.active());
        break;
    case 4:
        finish_archive_receive(false);
        break;
    default:
        break;
    }
}

void FirmwareSession::finish_archive_receive(bool whole)
{
    const bool ok = whole && m_receiver.finish();
    m_receiver.cancel();
    recv_prepared = false;
    tcpClient.close();
    qDebug() << "tcpClient->close()";
    if (ok) {
        emit notice(information(text::kBackupSuccess));
        emit backup_file_text(shown(text::kExist));
        if (layout() == Layout::Long)
            emit backup_status_text(shown(text::kBackupSuccess));
    } else {
        emit backup_status_text(shown(text::kBackupFailed));
    }
    end(ok, false);
}

void FirmwareSession::archive_send(int step)
{
    switch (step) {
    case 2:
        tcpClient.close();
        emit backup_status_text(shown(text::kNoDiskSpace));
        end(false, false);
        break;
    case 3: {
        emit backup_status_text(shown(text::kTransmitting));
        m_streaming_upgrade = false;
        // The camera asks for this file unasked by the installer: a link would hand it whatever
        // the link points to, a FIFO would hold the window at the open.
        const QString archive = QDir::current().filePath(QString::fromLatin1(kFullArchiveName));
        const bool plain = folder_entry(archive) != Entry::Other;
        if (!plain)
            qDebug().noquote() << archive << "is a link or no regular file: nothing is sent";
        if (!plain || !tcpClient.stream_file(archive, QFileInfo(archive).size()))
            emit backup_status_text(shown(text::kRestoreFailed));
        break;
    }
    case 4:
        emit backup_status_text(shown(text::kRestoring));
        break;
    case 5:
        emit backup_status_text(shown(text::kRestoreFailed));
        end(false, false);
        break;
    case 6:
        tcpClient.close();
        restore_timer.start(timescale::scaled(kRestoreDoneMs));
        break;
    default:
        break;
    }
}

void FirmwareSession::backup_success()
{
    emit backup_status_text(shown(text::kRestoreSuccess));
    emit notice(information(text::kRestoreSuccess));
}
