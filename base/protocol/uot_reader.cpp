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
    , m_fold(QStringLiteral("UOT reader [%1]").arg(link_name))
{
}

UotReader::~UotReader() { note_dropped(); }

void UotReader::append(const QByteArray &bytes)
{
    if (m_pos == m_buffer.size()) {
        m_buffer.clear();
        m_pos = 0;
    } else if (m_pos >= buffered()) {
        // Bytes taken off while more keep coming (a reader that never runs dry): moving the rest
        // costs no more than taking them did, and the buffer does not grow by what was read.
        compact();
    }
    m_buffer.append(bytes);
    if (m_max_held > 0)
        drop_beyond_bound();
}

// The oldest units go: the newest frames are the camera's latest word, and the answer to a
// command sent during a flood is among them.
void UotReader::drop_beyond_bound()
{
    while (buffered() > m_max_held && buffered() >= kHeaderSize) {
        const Unit unit = front();
        if (!unit.whole)
            break;
        m_pos += unit.size;
        ++m_dropped;
        ++m_drop_note.frames;
        m_drop_note.bytes += unit.size;
    }
}

void UotReader::note_dropped()
{
    if (m_drop_note.frames == 0)
        return;
    qCWarning(lcProtocol).noquote().nospace()
        << "UOT reader [" << m_link << "]: " << m_drop_note.frames << " frames dropped (" << m_drop_note.bytes
        << " bytes): more than " << m_max_held << " bytes waited to be handed on";
    m_drop_note = {};
}

void UotReader::write_notes()
{
    m_fold.note();
    note_dropped();
}

void UotReader::clear()
{
    m_buffer.clear();
    m_pos = 0;
    m_fold.end();
    note_dropped();
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

int UotReader::damaged_stretch(int *keep) const
{
    const int next = m_buffer.indexOf(QByteArray::fromRawData(kMarker, 4), m_pos + 1);
    *keep = 0;
    if (next >= 0)
        return next - m_pos;
    // No whole marker follows; keep a trailing start of one, whose rest may come with the next
    // read.
    for (int k = 3; k > 0; --k) {
        if (m_buffer.size() - (m_pos + 1) >= k
            && std::memcmp(m_buffer.constData() + m_buffer.size() - k, kMarker, static_cast<size_t>(k)) == 0) {
            *keep = k;
            break;
        }
    }
    return buffered() - *keep;
}

void UotReader::resynchronise(const char *reason, quint32 port, quint32 length, int stretch, int keep, bool log)
{
    if (m_pos + stretch + keep < m_buffer.size()) { // a marker follows
        if (log)
            qCWarning(lcProtocol).noquote().nospace()
                << "UOT reader [" << m_link << "]: " << reason << " (port " << port << ", length " << length
                << "), skipped " << stretch << " bytes to the next frame marker";
        m_pos += stretch;
        return;
    }
    if (log)
        qCWarning(lcProtocol).noquote().nospace()
            << "UOT reader [" << m_link << "]: " << reason << " (port " << port << ", length " << length
            << "), no frame marker follows, dropped " << stretch << " bytes";
    m_pos += stretch;
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

UotReader::Unit UotReader::front() const
{
    Unit unit;
    const char *header = m_buffer.constData() + m_pos;
    unit.marker_ok = std::memcmp(header, kMarker, 4) == 0;
    unit.port = qFromLittleEndian<quint32>(header + 4);
    unit.length = qFromLittleEndian<quint32>(header + 8);
    unit.damaged = !unit.marker_ok || unit.length > kMaxPayloadSize;
    if (unit.damaged) {
        unit.size = damaged_stretch(&unit.keep);
        unit.whole = true;
    } else {
        // length is at most kMaxPayloadSize when not damaged, so this cannot overflow.
        unit.size = kHeaderSize + static_cast<int>(unit.length);
        unit.whole = buffered() >= unit.size;
    }
    return unit;
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
    const Unit unit = front();
    const auto log_header = [&] {
        qCDebug(lcProtocol).noquote().nospace() << "get_Data->header:" << magic_text(header) << ", port:" << unit.port
                                                << ",length:" << unit.length << ",total_length:" << available;
        if (!unit.damaged && unit.port == kViscaPort) {
            qCDebug(lcProtocol).nospace() << " Visca Port:" << unit.port << ",get_Data->length:" << unit.length
                                          << ",tmp_buffer:" << log_bytes(header, available, kBufferLogLimit);
        }
    };
    if (!unit.whole) {
        log_header();
        qCDebug(lcProtocol) << "the byteArray length is not equal to receivedata";
        compact();
        return Step::NeedMore;
    }

    // A whole frame, or a damaged stretch up to the next marker: known whole before anything of
    // it is logged, so that a run of identical ones can be left out of the log.
    const bool left_out = m_fold.leave_out(header, unit.size);
    if (!left_out)
        log_header();
    if (unit.damaged) {
        resynchronise(unit.marker_ok ? "frame length beyond the bound" : "bad frame marker", unit.port, unit.length,
                      unit.size, unit.keep, !left_out);
        return Step::Skipped;
    }
    if (unit.port != kTextPort && unit.port != kViscaPort) {
        if (!left_out)
            qCWarning(lcProtocol).noquote().nospace() << "UOT reader [" << m_link << "]: frame for unknown port "
                                                      << unit.port << " skipped (" << unit.length << " bytes)";
        m_pos += unit.size;
        return Step::Skipped;
    }

    frame->port = unit.port;
    frame->payload = QByteArray(header + kHeaderSize, static_cast<int>(unit.length));
    frame->left_out = left_out;
    m_pos += unit.size;
    if (!left_out) {
        qCDebug(lcProtocol).nospace()
            << (unit.port == kTextPort ? "[TRACK] Resolver NewVersion {" : "[VISCA] Resolver NewVersion {")
            << log_bytes(frame->payload.constData(), frame->payload.size(), kLogDumpLimit) << "}";
        qCDebug(lcProtocol).nospace() << "the total length is [" << buffered() << "], splitArray"
                                      << log_bytes(m_buffer.constData() + m_pos, buffered(), kBufferLogLimit);
    }
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
