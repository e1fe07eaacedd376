#pragma once

#include "transfer/transfer_packet.h"

#include <QByteArray>

// Reassembles one link's byte stream into packets of one layout. Bytes come in reads of any
// size; every whole packet is taken out, the rest waits for the next read, so the buffer never
// holds more than one read and one partial packet.
class PacketReader
{
public:
    explicit PacketReader(transfer::Layout layout = transfer::Layout::Long) : m_layout(layout) {}

    transfer::Layout layout() const { return m_layout; }
    // Another layout; what was buffered is dropped.
    void set_layout(transfer::Layout layout);
    void append(const QByteArray &bytes);
    // The next whole packet, in order; false while none is complete.
    bool take(transfer::Packet &packet);
    int buffered() const { return m_buffer.size() - m_start; }
    void clear();

private:
    transfer::Layout m_layout;
    QByteArray m_buffer;
    int m_start = 0; // bytes of m_buffer already taken
};
