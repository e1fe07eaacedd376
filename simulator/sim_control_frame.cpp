#include "sim_control_frame.h"

quint32 simReadLe32(const QByteArray &bytes, int offset)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData() + offset);
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

void simAppendLe32(QByteArray *bytes, quint32 value)
{
    bytes->append(char(value & 0xFF));
    bytes->append(char((value >> 8) & 0xFF));
    bytes->append(char((value >> 16) & 0xFF));
    bytes->append(char((value >> 24) & 0xFF));
}

SimControlFrameReader::Status SimControlFrameReader::next(SimControlFrame *frame)
{
    if (m_buffer.size() < kHeaderSize)
        return Status::NeedMore;
    const quint32 port = simReadLe32(m_buffer, 0);
    const quint32 length = simReadLe32(m_buffer, 4);
    if (length > kMaxPayload) {
        frame->port = port;
        frame->payload = m_buffer.left(kHeaderSize);
        return Status::Oversized;
    }
    // length is bounded above, so the sum cannot overflow.
    const qint64 total = qint64(kHeaderSize) + qint64(length);
    if (m_buffer.size() < total)
        return Status::NeedMore;
    frame->port = port;
    frame->payload = m_buffer.mid(kHeaderSize, int(length));
    m_buffer.remove(0, int(total));
    return Status::Frame;
}
