#include "transfer/transfer_link.h"

#include "core/time_scale.h"
#include "core/turn_share.h"

#include <QDebug>
#include <QNetworkProxy>
#include <QTcpSocket>

namespace {
// A run of identical packets in the log is told of at least this often while it lasts.
constexpr int kFoldNoteMs = 1000;

// What tells two packets apart in the log: all they carry.
QByteArray fold_unit(const transfer::Packet &p)
{
    return p.letter + QByteArray::number(p.step) + ':' + QByteArray::number(p.length) + ':'
           + QByteArray::number(p.parameter) + ':' + p.text + '\0' + p.data;
}
} // namespace

TransferLink::TransferLink(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_socket(new QTcpSocket(this))
    , m_log_fold(name)
{
    m_socket->setProxy(QNetworkProxy::NoProxy);
    m_socket->setReadBufferSize(kReadBufferBytes);
    m_connect_timer.setSingleShot(true);
    m_silence_timer.setSingleShot(true);
    m_read_resume.setSingleShot(true);
    m_read_resume.setInterval(0);
    m_fold_clock.start();
    connect(&m_connect_timer, &QTimer::timeout, this, &TransferLink::on_timeout);
    connect(&m_silence_timer, &QTimer::timeout, this, &TransferLink::on_silence);
    connect(&m_read_resume, &QTimer::timeout, this, &TransferLink::read_packets);
    connect(m_socket, &QTcpSocket::connected, this, &TransferLink::on_connected);
    // Whatever comes from the camera, or leaves for it, shows it is still there.
    connect(m_socket, &QTcpSocket::readyRead, this, &TransferLink::heard);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &TransferLink::heard);
    connect(m_socket, &QTcpSocket::readyRead, this, &TransferLink::read_packets);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &TransferLink::on_error);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &TransferLink::pump);
}

TransferLink::~TransferLink()
{
    m_socket->disconnect(this);
}

void TransferLink::connect_to(const transfer::Endpoint &endpoint)
{
    close();
    m_state = State::Connecting;
    m_socket->connectToHost(endpoint.host, endpoint.port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    if (m_state == State::Connecting)
        m_connect_timer.start(kConnectTimeoutMs);
}

void TransferLink::close()
{
    ++m_generation;
    m_connect_timer.stop();
    m_silence_timer.stop();
    m_read_resume.stop();
    m_lost_reason.clear();
    end_stream();
    m_state = State::Idle;
    m_reader.clear();
    m_log_fold.end();
    m_socket->abort();
}

bool TransferLink::send(const QByteArray &bytes)
{
    if (m_state != State::Open || !m_lost_reason.isEmpty()) {
        qDebug().noquote() << m_name << "sends nothing: no connection";
        return false;
    }
    return m_socket->write(bytes) == bytes.size();
}

void TransferLink::on_connected()
{
    m_connect_timer.stop();
    m_state = State::Open;
    heard();
    emit connected();
}

void TransferLink::on_timeout()
{
    if (m_state != State::Connecting)
        return;
    close();
    emit connect_failed(QStringLiteral("no connection within %1 ms").arg(kConnectTimeoutMs));
}

void TransferLink::heard()
{
    if (m_state == State::Open && m_lost_reason.isEmpty())
        m_silence_timer.start(timescale::scaled(kSilenceMs));
}

void TransferLink::on_silence()
{
    if (m_state != State::Open || !m_lost_reason.isEmpty())
        return;
    m_lost_reason = QStringLiteral("nothing from the camera for %1 ms").arg(m_silence_timer.interval());
    read_packets();
}

void TransferLink::on_error()
{
    const QString reason = m_socket->errorString();
    if (m_state == State::Connecting) {
        close();
        emit connect_failed(reason);
        return;
    }
    if (m_state != State::Open || !m_lost_reason.isEmpty())
        return;
    m_lost_reason = reason;
    m_silence_timer.stop();
    // What came before the end is still handed on, a share in each turn.
    read_packets();
}

void TransferLink::end_lost()
{
    const QString reason = m_lost_reason;
    qDebug().noquote() << m_name << "lost:" << reason;
    close();
    emit lost(reason);
}

// Hands on the packets in stream order until the socket is empty, a share at a time (TurnShare);
// the rest waits for the next turn of the event loop.
void TransferLink::read_packets()
{
    // A handler that waits with events handled lets the socket signal again: the reading under
    // way goes on with those bytes itself.
    if (m_reading || m_state != State::Open)
        return;
    m_reading = true;
    const quint64 generation = m_generation;
    TurnShare share;
    transfer::Packet p;
    for (;;) {
        if (share.spent()) {
            m_read_resume.start();
            break;
        }
        if (!m_reader.take(p)) {
            if (m_socket->bytesAvailable() <= 0)
                break;
            m_reader.append(m_socket->read(kReadBytes));
            continue;
        }
        share.took();
        const bool left_out = m_log_fold.leave_out(fold_unit(p));
        if (!left_out)
            qDebug().nospace() << " " << m_name << "::receivePack ack =" << p.step << ",cmd =" << p.letter;
        {
            const log_fold::Quiet quiet(left_out);
            emit packet(p);
        }
        if (generation != m_generation) {
            m_reading = false;
            return;
        }
    }
    m_reading = false;
    if (m_log_fold.pending() > 0 && m_fold_clock.hasExpired(kFoldNoteMs)) {
        m_log_fold.note();
        m_fold_clock.restart();
    }
    if (!m_read_resume.isActive() && !m_lost_reason.isEmpty())
        end_lost();
}

bool TransferLink::stream_file(const QString &path, qint64 size)
{
    end_stream();
    if (m_state != State::Open || !m_lost_reason.isEmpty()) {
        qDebug().noquote() << m_name << "streams nothing: no connection";
        return false;
    }
    m_file.setFileName(path);
    // Checked again here: the file may have been swapped since it was chosen.
    if (!transfer::chosen_file_readable(path) || !m_file.open(QIODevice::ReadOnly)) {
        qDebug() << "open file error!" << path;
        return false;
    }
    m_stream_size = size;
    m_stream_sent = 0;
    pump();
    return true;
}

void TransferLink::pump()
{
    // Once the camera has ended the link nothing more goes out.
    if (!m_file.isOpen() || m_pumping || !m_lost_reason.isEmpty())
        return;
    m_pumping = true; // a handler of chunk_sent may send or close; no second pump inside this one
    const quint64 generation = m_generation;
    while (m_stream_sent < m_stream_size && m_socket->bytesToWrite() < kMaxQueuedBytes) {
        const QByteArray chunk = m_file.read(qMin<qint64>(kStreamChunkBytes, m_stream_size - m_stream_sent));
        if (chunk.isEmpty()) {
            qDebug().noquote() << m_name << "read of the file failed at" << m_stream_sent << "of" << m_stream_size << "bytes";
            end_stream();
            m_pumping = false;
            emit stream_finished(false);
            return;
        }
        m_socket->write(chunk);
        m_stream_sent += chunk.size();
        emit chunk_sent(chunk.size());
        if (generation != m_generation) {
            m_pumping = false;
            return;
        }
    }
    m_pumping = false;
    if (m_stream_sent == m_stream_size) {
        end_stream();
        emit stream_finished(true);
    }
}

void TransferLink::end_stream()
{
    if (m_file.isOpen())
        m_file.close();
    m_stream_size = 0;
    m_stream_sent = 0;
}
