#pragma once

#include <QByteArray>
#include <QtGlobal>

// The camera's file-transfer packet as the simulated camera writes and reads it: letter, three
// zero bytes, length, step and parameter as little-endian 32-bit integers, a text field (256
// bytes, or 60 in the short form) and a 2048-byte block.
namespace simtransfer {

enum class Layout { Long, Short };

constexpr int kBlockBytes = 2048;
int packetBytes(Layout layout);

struct Packet {
    char letter = 0;
    qint32 length = 0;
    qint32 step = 0;
    qint32 parameter = 0;
    QByteArray text;  // up to its first zero byte
    QByteArray block; // kBlockBytes bytes
};

// The packet's bytes (text cut to the field less its zero byte, block cut or zero-filled).
QByteArray packet(char letter, qint32 length, qint32 step, const QByteArray &text = QByteArray(),
                  const QByteArray &block = QByteArray(), Layout layout = Layout::Long, qint32 parameter = 0);
// One packet out of exactly packetBytes(layout) bytes.
Packet read(const QByteArray &bytes, Layout layout);

} // namespace simtransfer
