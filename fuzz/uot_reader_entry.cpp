#include "fuzz/uot_reader_entry.h"

#include "protocol/protocol_log.h"
#include "protocol/uot_reader.h"

#include <QByteArrayList>
#include <QVector>

namespace {
QByteArrayList frames_of_whole_stream(const QByteArray &stream)
{
    UotReader reader;
    QByteArrayList frames;
    reader.feed(stream, [&](const UotReader::Frame &f) { frames.append(QByteArray::number(f.port) + ':' + f.payload); });
    return frames;
}

// Whether every frame of part comes in whole, in the same order (a reader that drops some of
// the frames hands out the others unchanged).
bool in_order_within(const QByteArrayList &part, const QByteArrayList &whole)
{
    int at = 0;
    for (const QByteArray &f : part) {
        while (at < whole.size() && whole.at(at) != f)
            ++at;
        if (at == whole.size())
            return false;
        ++at;
    }
    return true;
}

QString check_frame(const UotReader::Frame &f)
{
    if (f.port != UotReader::kTextPort && f.port != UotReader::kViscaPort)
        return QStringLiteral("frame handed on for port %1").arg(f.port);
    if (static_cast<quint32>(f.payload.size()) > UotReader::kMaxPayloadSize)
        return QStringLiteral("payload of %1 bytes beyond the bound").arg(f.payload.size());
    return QString();
}
} // namespace

QString check_uot_reader_input(const uint8_t *data, size_t size)
{
    if (size < 2)
        return QString();
    const int max_read = data[0] % 64 + 1;
    quint32 seed = data[1];
    const bool feed_while_handling = (data[1] & 1) != 0;
    const QByteArray stream(reinterpret_cast<const char *>(data + 2), static_cast<int>(size - 2));

    // The same stream in reads of varying size.
    QVector<QByteArray> reads;
    for (int at = 0; at < stream.size();) {
        seed = seed * 1103515245u + 12345u;
        const int n = static_cast<int>((seed >> 16) % static_cast<quint32>(max_read)) + 1;
        reads.append(stream.mid(at, n));
        at += n;
    }

    UotReader reader(QStringLiteral("fuzz"));
    QByteArrayList frames;
    QString failure;
    int next_read = 0;
    int depth = 0;
    std::function<void(const UotReader::Frame &)> handle = [&](const UotReader::Frame &f) {
        frames.append(QByteArray::number(f.port) + ':' + f.payload);
        const QString bad = check_frame(f);
        if (failure.isEmpty() && !bad.isEmpty())
            failure = bad;
        // A consumer that processes events while it handles a frame: the next read of the
        // link arrives and is fed before this frame's handling ends.
        if (feed_while_handling && depth < 8 && next_read < reads.size()) {
            ++depth;
            reader.feed(reads.at(next_read++), handle);
            --depth;
        }
    };
    while (next_read < reads.size()) {
        reader.feed(reads.at(next_read++), handle);
        if (failure.isEmpty()
            && reader.buffered() >= UotReader::kHeaderSize + static_cast<int>(UotReader::kMaxPayloadSize))
            failure = QStringLiteral("%1 bytes left buffered after a read").arg(reader.buffered());
    }
    if (!failure.isEmpty())
        return failure;

    const QByteArrayList whole = frames_of_whole_stream(stream);
    if (frames != whole) {
        return QStringLiteral("%1 frames from reads of up to %2 bytes, %3 from the whole stream")
            .arg(frames.size())
            .arg(max_read)
            .arg(whole.size());
    }

    // The same reads into a reader that holds few bytes: it drops the oldest whole units, never
    // a part of one, and holds no more than its bound unless what it holds is the start of one
    // frame.
    UotReader bounded(QStringLiteral("fuzz, bounded"));
    const int held = UotReader::kHeaderSize + (data[1] >> 1);
    bounded.set_max_held(held);
    QByteArrayList kept;
    for (const QByteArray &read : reads) {
        bounded.append(read);
        const int buffered = bounded.buffered();
        UotReader::Frame f;
        if (buffered > held && (bounded.take_frame(&f) || bounded.buffered() != buffered))
            return QStringLiteral("%1 bytes held beyond the bound of %2, not all of one frame").arg(buffered).arg(held);
        while (bounded.take_frame(&f))
            kept.append(QByteArray::number(f.port) + ':' + f.payload);
    }
    if (!in_order_within(kept, whole))
        return QStringLiteral("%1 frames kept of %2 below a bound of %3 bytes, not all of them whole and in order")
            .arg(kept.size())
            .arg(whole.size())
            .arg(held);
    return QString();
}

void before_uot_reader_input(size_t size)
{
    // The category object itself is not const; only its accessor returns it so.
    const_cast<QLoggingCategory &>(lcProtocol()).setEnabled(QtDebugMsg, size % 32 == 0);
}
