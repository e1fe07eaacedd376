#include "fuzz/transfer_packet_entry.h"

#include "transfer/packet_reader.h"
#include "transfer/transfer_files.h"
#include "transfer/upgrade_rules.h"

#include <QByteArrayList>

using namespace transfer;

namespace {
QString check_packet(const Packet &p, Layout layout)
{
    if (p.text.size() > text_field_size(layout) || p.text.contains('\0'))
        return QStringLiteral("a text field of %1 bytes").arg(p.text.size());
    if (p.data.size() != kDataBlockBytes)
        return QStringLiteral("a data block of %1 bytes").arg(p.data.size());
    // What a packet says is what its bytes say: written again, it reads the same.
    const Packet again = decode(encode(p, layout).constData(), layout);
    if (again.letter != p.letter || again.length != p.length || again.step != p.step || again.parameter != p.parameter
        || again.text != p.text.left(text_field_size(layout) - 1) || again.data != p.data)
        return QStringLiteral("a packet that does not read back");
    if (p.letter == 'Q') {
        const upgrade::VersionReply reply = upgrade::read_version_reply(p, layout);
        if (reply.soc_major.size() > 1)
            return QStringLiteral("soc_major of %1 characters").arg(reply.soc_major.size());
        if (upgrade::parse_mtd_partitions(reply.listing).size() > upgrade::kMaxPartitions)
            return QStringLiteral("more partitions than the table holds");
    }
    const QString name = plain_file_name(p.text);
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == QLatin1String(".")
        || name == QLatin1String(".."))
        return QStringLiteral("a file name that leaves the folder: %1").arg(name);
    return QString();
}

QByteArray shown(const Packet &p) { return p.letter + QByteArray::number(p.step) + ':' + QByteArray::number(p.length) + p.text; }
} // namespace

QString check_transfer_packet_input(const uint8_t *data, size_t size)
{
    if (size < 2)
        return QString();
    const int max_read = (data[0] % 64 + 1) * 37;
    quint32 seed = data[1];
    const Layout layout = (data[1] & 1) ? Layout::Short : Layout::Long;
    const QByteArray stream(reinterpret_cast<const char *>(data + 2), int(size - 2));

    PacketReader reader(layout);
    QByteArrayList packets;
    Packet p;
    for (int at = 0; at < stream.size();) {
        seed = seed * 1103515245u + 12345u;
        const int n = int((seed >> 16) % quint32(max_read)) + 1;
        reader.append(stream.mid(at, n));
        at += n;
        while (reader.take(p)) {
            const QString bad = check_packet(p, layout);
            if (!bad.isEmpty())
                return bad;
            packets.append(shown(p));
        }
        if (reader.buffered() >= packet_size(layout))
            return QStringLiteral("a whole packet left in the buffer");
    }
    if (packets.size() != stream.size() / packet_size(layout) || reader.buffered() != stream.size() % packet_size(layout))
        return QStringLiteral("%1 packets of a stream of %2 bytes").arg(packets.size()).arg(stream.size());
    PacketReader whole(layout);
    whole.append(stream);
    QByteArrayList at_once;
    while (whole.take(p))
        at_once.append(shown(p));
    if (at_once != packets)
        return QStringLiteral("the packets depend on the cut of the reads");
    return QString();
}
