#include "transfer/transfer_link.h"

#include "core/time_scale.h"

#include <QDebug>
#include <QNetworkProxy>
#include <QTcpSocket>

TransferLink::TransferLink(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_socket(new QTcpSocket(this))
{
    m_socket->setProxy(QNetworkProxy::NoProxy);
    m_connect_timer.setSingleShot(true);
    m_silence_timer.setSingleShot(true);
    connect(&m_connect_timer, &QTimer::timeout, this, &TransferLink::on_timeout);
    connect(&m_silence_timer, &QTimer::timeout, this, &TransferLink::on_silence);
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
    end_stream();
    m_state = State::Idle;
    m_reader.clear();
    m_socket->abort();
}

bool TransferLink::send(const QByteArray &bytes)
{
    if (m_state != State::Open) {
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
    if (m_state == State::Open)
        m_silence_timer.start(timescale::scaled(kSilenceMs));
}

void TransferLink::on_silence()
{
    if (m_state != State::Open)
        return;
    const QString reason = QStringLiteral("nothing from the camera for %1 ms").arg(m_silence_timer.interval());
    qDebug().noquote() << m_name << "lost:" << reason;
    close();
    emit lost(reason);
}

void TransferLink::on_error()
{
    const QString reason = m_socket->errorString();
    if (m_state == State::Connecting) {
        close();
        emit connect_failed(reason);
        return;
    }
    if (m_state != State::Open)
        return;
    // What came before the end is still handled.
    read_packets();
    if (m_state != State::Open)
        return;
    qDebug().noquote() << m_name << "lost:" << reason;
    close();
    emit lost(reason);
}

void TransferLink::read_packets()
{
    const quint64 generation = m_generation;
    while (m_state == State::Open && m_socket->bytesAvailable() > 0) {
        m_reader.append(m_socket->read(kReadBytes));
        transfer::Packet p;
        while (m_reader.take(p)) {
            qDebug().nospace() << " " << m_name << "::receivePack ack =" << p.step << ",cmd =" << p.letter;
            emit packet(p);
            if (generation != m_generation)
                return;
        }
    }
}

bool TransferLink::stream_file(const QString &path, qint64 size)
{
    end_stream();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
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
    if (!m_file.isOpen() || m_pumping)
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
