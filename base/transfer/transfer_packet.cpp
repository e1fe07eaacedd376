#include "transfer/transfer_packet.h"

#include <QtEndian>

namespace transfer {
namespace {
constexpr int kLengthOffset = 4;
constexpr int kStepOffset = 8;
constexpr int kParameterOffset = 12;
constexpr int kTextOffset = 16;

Packet request(char letter, qint32 length, qint32 step, qint32 parameter, const QByteArray &text, const QByteArray &data)
{
    Packet p;
    p.letter = letter;
    p.length = length;
    p.step = step;
    p.parameter = parameter;
    p.text = text;
    p.data = data;
    return p;
}

QByteArray handshake() { return QByteArray(kHandshake); }
} // namespace

QByteArray encode(const Packet &packet, Layout layout)
{
    QByteArray bytes(packet_size(layout), '\0');
    char *b = bytes.data();
    b[0] = packet.letter;
    qToLittleEndian<qint32>(packet.length, b + kLengthOffset);
    qToLittleEndian<qint32>(packet.step, b + kStepOffset);
    qToLittleEndian<qint32>(packet.parameter, b + kParameterOffset);
    const QByteArray text = zero_terminated(packet.text).left(text_field_size(layout) - 1);
    memcpy(b + kTextOffset, text.constData(), size_t(text.size()));
    const QByteArray data = packet.data.left(kDataBlockBytes);
    memcpy(b + data_offset(layout), data.constData(), size_t(data.size()));
    return bytes;
}

Packet decode(const char *bytes, Layout layout)
{
    Packet p;
    p.letter = bytes[0];
    p.length = qFromLittleEndian<qint32>(bytes + kLengthOffset);
    p.step = qFromLittleEndian<qint32>(bytes + kStepOffset);
    p.parameter = qFromLittleEndian<qint32>(bytes + kParameterOffset);
    p.text = zero_terminated(QByteArray(bytes + kTextOffset, text_field_size(layout)));
    p.data = QByteArray(bytes + data_offset(layout), kDataBlockBytes);
    return p;
}

QByteArray zero_terminated(const QByteArray &block)
{
    const int zero = block.indexOf('\0');
    return zero < 0 ? block : block.left(zero);
}

QByteArray query_request(int step, Layout layout)
{
    return encode(request('Q', 4, step, 1, handshake(), handshake()), layout);
}

QByteArray backup_request(Layout layout) { return encode(request('B', 4, 1, 1, handshake(), handshake()), layout); }

QByteArray upgrade_request(int type_code, const QByteArray &file_name, const QByteArray &md5, qint32 size, Layout layout)
{
    return encode(request('U', size, 9, type_code, file_name, md5), layout);
}

QByteArray restore_request(const QByteArray &archive_name, const QByteArray &md5, qint32 size, Layout layout)
{
    return encode(request('R', size, 1, 1, archive_name, md5), layout);
}

} // namespace transfer
