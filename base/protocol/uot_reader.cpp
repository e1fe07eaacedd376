#include "protocol/uot_reader.h"

#include "protocol/protocol_log.h"

#include <QtEndian>

#include <cstring>

namespace {
const char kMarker[4] = {'U', 'O', 'T', '\0'};

// The bytes still buffered behind a header or a frame, shown for context: shorter than the
// reply dumps (kLogDumpLimit), as they repeat what the next lines show.
constexpr int kBufferLogLimit = 256;

// The magic as the header names it: its bytes before the first zero byte.
QString magic_text(const char *header)
{
    const void *zero = std::memchr(header, 0, 4);
    return QString::fromLatin1(header, zero ? static_cast<int>(static_cast<const char *>(zero) - header) : 4);
}
} // namespace

UotReader::UotReader(const QString &link_name)
    : m_link(link_name)
{
}

void UotReader::append(const QByteArray &bytes)
{
    if (m_pos == m_buffer.size()) {
        m_buffer.clear();
        m_pos = 0;
    }
    m_buffer.append(bytes);
}

void UotReader::clear()
{
    m_buffer.clear();
    m_pos = 0;
}

void UotReader::compact()
{
    if (m_pos == 0)
        return;
    if (m_pos >= m_buffer.size())
        m_buffer.clear();
    else
        m_buffer.remove(0, m_pos);
    m_pos = 0;
}

void UotReader::resynchronise(const char *reason, quint32 port, quint32 length)
{
    const int from = m_pos + 1;
    const int next = m_buffer.indexOf(QByteArray::fromRawData(kMarker, 4), from);
    if (next >= 0) {
        qCWarning(lcProtocol).noquote().nospace()
            << "UOT reader [" << m_link << "]: " << reason << " (port " << port << ", length "
            << length << "), skipped " << (next - m_pos) << " bytes to the next frame marker";
        m_pos = next;
        return;
    }
    // No whole marker follows; keep a trailing start of one, whose rest may come with the
    // next read.
    int keep = 0;
    for (int k = 3; k > 0; --k) {
        if (m_buffer.size() - from >= k
            && std::memcmp(m_buffer.constData() + m_buffer.size() - k, kMarker, static_cast<size_t>(k)) == 0) {
            keep = k;
            break;
        }
    }
    qCWarning(lcProtocol).noquote().nospace()
        << "UOT reader [" << m_link << "]: " << reason << " (port " << port << ", length " << length
        << "), no frame marker follows, dropped " << (buffered() - keep) << " bytes";
    m_pos = m_buffer.size() - keep;
    compact();
}

bool UotReader::take_frame(Frame *frame)
{
    for (;;) {
        switch (next(frame)) {
        case Step::Frame:
            return true;
        case Step::Skipped:
            continue;
        case Step::NeedMore:
            return false;
        }
    }
}

UotReader::Step UotReader::next(Frame *frame)
{
    const Step step = read_step(frame);
    if (step == Step::Skipped)
        ++m_skipped;
    return step;
}

UotReader::Step UotReader::read_step(Frame *frame)
{
    const int available = buffered();
    if (available == 0) {
        compact();
        return Step::NeedMore;
    }
    if (available < kHeaderSize) {
        qCDebug(lcProtocol) << "the byte length is less than 8";
        compact();
        return Step::NeedMore;
    }
    const char *header = m_buffer.constData() + m_pos;
    const bool marker_ok = std::memcmp(header, kMarker, 4) == 0;
    const quint32 port = qFromLittleEndian<quint32>(header + 4);
    const quint32 length = qFromLittleEndian<quint32>(header + 8);
    qCDebug(lcProtocol).noquote().nospace() << "get_Data->header:" << magic_text(header) << ", port:" << port
                                  << ",length:" << length << ",total_length:" << available;

    if (!marker_ok) {
        resynchronise("bad frame marker", port, length);
        return Step::Skipped;
    }
    if (length > kMaxPayloadSize) {
        resynchronise("frame length beyond the bound", port, length);
        return Step::Skipped;
    }
    // length is at most kMaxPayloadSize here, so this cannot overflow.
    const int frame_size = kHeaderSize + static_cast<int>(length);
    if (port == kViscaPort) {
        qCDebug(lcProtocol).nospace() << " Visca Port:" << port << ",get_Data->length:" << length
                                      << ",tmp_buffer:"
                                      << log_bytes(header, available, kBufferLogLimit);
    }
    if (available < frame_size) {
        qCDebug(lcProtocol) << "the byteArray length is not equal to receivedata";
        compact();
        return Step::NeedMore;
    }
    if (port != kTextPort && port != kViscaPort) {
        qCWarning(lcProtocol).noquote().nospace() << "UOT reader [" << m_link << "]: frame for unknown port "
                                        << port << " skipped (" << length << " bytes)";
        m_pos += frame_size;
        return Step::Skipped;
    }

    frame->port = port;
    frame->payload = QByteArray(header + kHeaderSize, static_cast<int>(length));
    m_pos += frame_size;
    qCDebug(lcProtocol).nospace()
        << (port == kTextPort ? "[TRACK] Resolver NewVersion {" : "[VISCA] Resolver NewVersion {")
        << log_bytes(frame->payload.constData(), frame->payload.size(), kLogDumpLimit) << "}";
    qCDebug(lcProtocol).nospace()
        << "the total length is [" << buffered() << "], splitArray"
        << log_bytes(m_buffer.constData() + m_pos, buffered(), kBufferLogLimit);
    if (buffered() == 0)
        compact();
    return Step::Frame;
}

int UotReader::feed(const QByteArray &bytes, const std::function<void(const Frame &)> &handle)
{
    append(bytes);
    int count = 0;
    Frame frame;
    while (take_frame(&frame)) {
        ++count;
        handle(frame);
    }
    return count;
}
