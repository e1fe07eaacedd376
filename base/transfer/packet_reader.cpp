#include "transfer/packet_reader.h"

void PacketReader::set_layout(transfer::Layout layout)
{
    m_layout = layout;
    clear();
}

void PacketReader::append(const QByteArray &bytes)
{
    if (m_start > 0) {
        m_buffer.remove(0, m_start);
        m_start = 0;
    }
    m_buffer.append(bytes);
}

bool PacketReader::take(transfer::Packet &packet)
{
    const int size = transfer::packet_size(m_layout);
    if (buffered() < size)
        return false;
    packet = transfer::decode(m_buffer.constData() + m_start, m_layout);
    m_start += size;
    if (m_start == m_buffer.size()) {
        m_buffer.clear();
        m_start = 0;
    }
    return true;
}

void PacketReader::clear()
{
    m_buffer.clear();
    m_start = 0;
}
