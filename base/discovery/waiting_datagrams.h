#pragma once

#include <QByteArray>
#include <QQueue>

// The datagrams read from the search sockets that wait for a parse thread. A search that a
// whole site answers at once brings far more answers than parse threads may run, and each of
// them is kept until a thread is free. Only beyond kMaxWaiting, which no site reaches, are
// datagrams dropped, and then counted: one log line as the queue fills, one with the count once
// it has emptied again (or is cleared), however long the flood lasts.
class WaitingDatagrams
{
public:
    // A site's few hundred cameras answer one search within milliseconds; 4096 datagrams of at
    // most 4 KiB (discovery::kMaxDatagramBytes) hold 16 MiB at most.
    static constexpr int kMaxWaiting = 4096;

    WaitingDatagrams() = default;
    ~WaitingDatagrams();
    WaitingDatagrams(const WaitingDatagrams &) = delete;
    WaitingDatagrams &operator=(const WaitingDatagrams &) = delete;

    // False when the queue is full: the datagram is dropped and counted.
    bool push(const QByteArray &datagram);
    bool isEmpty() const { return m_waiting.isEmpty(); }
    int size() const { return m_waiting.size(); }
    // The oldest datagram; the queue must not be empty.
    QByteArray take();
    // Drops what waits, with a log line of how many; for a new search, whose list starts empty.
    void clear();

private:
    void note_dropped();

    QQueue<QByteArray> m_waiting;
    qint64 m_dropped = 0; // since the queue filled, not yet in a log line
};
