#pragma once

#include "core/log_fold.h"
#include "transfer/packet_reader.h"
#include "transfer/transfer_files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

class QTcpSocket;

// One TCP client link of the file-transfer protocol: a connect that never blocks (connected()
// or connect_failed() within the time-out), every whole packet that has arrived handed on in
// order, a share of them in each turn of the event loop, a file streamed in chunks as the
// socket takes them, and an end to a camera that falls silent.
class TransferLink : public QObject
{
    Q_OBJECT

public:
    // The camera answers a connect within a few hundred milliseconds on its own network.
    static constexpr int kConnectTimeoutMs = 1500;
    // Chunk of a streamed file, and how much may wait in the socket before the next chunk.
    static constexpr int kStreamChunkBytes = 4096;
    static constexpr qint64 kMaxQueuedBytes = 256 * 1024;
    // One socket read: a burst of packets is taken in reads of this size.
    static constexpr qint64 kReadBytes = 64 * 1024;
    // What the socket takes in ahead of the reading; beyond it the camera waits (TCP's own flow
    // control), so a camera that sends without end grows no buffer.
    static constexpr qint64 kReadBufferBytes = 256 * 1024;
    // The longest a transfer waits on a camera is the 73 s an MTD upgrade's completion gives it
    // to write its image and restart; a camera that neither sends nor takes anything on an open
    // link for well over twice that is gone, and the link ends as lost (scaled by the time seam).
    static constexpr int kSilenceMs = 180000;

    explicit TransferLink(const QString &name, QObject *parent = nullptr);
    ~TransferLink() override;

    void set_read_layout(transfer::Layout layout) { m_reader.set_layout(layout); }
    transfer::Layout read_layout() const { return m_reader.layout(); }

    // Drops any connection and connects.
    void connect_to(const transfer::Endpoint &endpoint);
    bool is_open() const { return m_state == State::Open; }
    bool is_idle() const { return m_state == State::Idle; }
    bool send(const QByteArray &bytes);
    // Ends the connection without a signal.
    void close();

    // Streams `size` bytes of the file (the size the camera was told) behind what was sent;
    // chunk_sent() per chunk, stream_finished() at the end (false when a read gave nothing
    // before the end). False when the file does not open ("open file error!").
    bool stream_file(const QString &path, qint64 size);
    bool streaming() const { return m_file.isOpen(); }

signals:
    void connected();
    void connect_failed(const QString &reason);
    void packet(const transfer::Packet &packet);
    // The camera closed the connection, it failed while open, or the camera was silent for
    // kSilenceMs; the packets that came before it have been handed on.
    void lost(const QString &reason);
    void chunk_sent(qint64 bytes);
    void stream_finished(bool ok);

private:
    enum class State { Idle, Connecting, Open };

    void on_connected();
    void on_error();
    void on_timeout();
    // Bytes came or left: the camera is still there.
    void heard();
    void on_silence();
    // A share of the packets; once none is left after the camera's end (m_lost_reason), the
    // link ends as lost.
    void read_packets();
    void end_lost();
    void pump();
    void end_stream();

    QString m_name;
    QTcpSocket *m_socket = nullptr;
    QTimer m_connect_timer;
    QTimer m_silence_timer;
    QTimer m_read_resume; // the next share of the reading, in the next turn
    PacketReader m_reader;
    log_fold::Run m_log_fold;
    QElapsedTimer m_fold_clock; // since the last note of packets left out of the log
    State m_state = State::Idle;
    quint64 m_generation = 0; // grows at every connect and close; a handler that ended the link stops the reading
    bool m_reading = false;
    QString m_lost_reason; // the end the camera made, told once its packets are read
    QFile m_file;
    qint64 m_stream_size = 0;
    qint64 m_stream_sent = 0;
    bool m_pumping = false;
};
