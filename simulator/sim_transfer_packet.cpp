#include "sim_transfer_packet.h"

#include <cstring>

namespace simtransfer {
namespace {
int textBytes(Layout layout) { return layout == Layout::Long ? 256 : 60; }
int blockAt(Layout layout) { return 16 + textBytes(layout); }

void putInt(char *at, qint32 value)
{
    const quint32 v = quint32(value);
    for (int i = 0; i < 4; ++i)
        at[i] = char((v >> (8 * i)) & 0xff);
}

qint32 getInt(const char *at)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= quint32(quint8(at[i])) << (8 * i);
    return qint32(v);
}
} // namespace

int packetBytes(Layout layout) { return blockAt(layout) + kBlockBytes; }

QByteArray packet(char letter, qint32 length, qint32 step, const QByteArray &text, const QByteArray &block,
                  Layout layout, qint32 parameter)
{
    QByteArray bytes(packetBytes(layout), '\0');
    char *b = bytes.data();
    b[0] = letter;
    putInt(b + 4, length);
    putInt(b + 8, step);
    putInt(b + 12, parameter);
    const QByteArray t = text.left(textBytes(layout) - 1);
    std::memcpy(b + 16, t.constData(), size_t(t.size()));
    const QByteArray k = block.left(kBlockBytes);
    std::memcpy(b + blockAt(layout), k.constData(), size_t(k.size()));
    return bytes;
}

Packet read(const QByteArray &bytes, Layout layout)
{
    Packet p;
    const char *b = bytes.constData();
    p.letter = b[0];
    p.length = getInt(b + 4);
    p.step = getInt(b + 8);
    p.parameter = getInt(b + 12);
    const QByteArray text(b + 16, textBytes(layout));
    const int zero = text.indexOf('\0');
    p.text = zero < 0 ? text : text.left(zero);
    p.block = QByteArray(b + blockAt(layout), kBlockBytes);
    return p;
}

} // namespace simtransfer
