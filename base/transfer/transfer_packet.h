#pragma once

#include <QByteArray>
#include <QtGlobal>

// The camera's file-transfer packet (receivePack): an operation letter, three reserved bytes,
// length, step and parameter (signed 32-bit little-endian), a zero-terminated text field and a
// 2048-byte data block. Two layouts: 2320 bytes with a 256-byte text field (work type 1) and
// 2124 bytes with a 60-byte one (work type 2).
namespace transfer {

enum class Layout { Long, Short };

constexpr int kLongPacketBytes = 2320;
constexpr int kShortPacketBytes = 2124;
constexpr int kDataBlockBytes = 2048;
// The word every query and backup request carries twice.
constexpr const char *kHandshake = "tupa";

constexpr int packet_size(Layout layout) { return layout == Layout::Long ? kLongPacketBytes : kShortPacketBytes; }
constexpr int text_field_size(Layout layout) { return layout == Layout::Long ? 256 : 60; }
constexpr int data_offset(Layout layout) { return layout == Layout::Long ? 272 : 76; }
// Work type 2 ("TYPE2") reads and writes the short layout, every other one the long.
constexpr Layout layout_for_work_type(int work_type) { return work_type == 2 ? Layout::Short : Layout::Long; }

struct Packet {
    char letter = 0;     // 'U' upgrade, 'Q' query, 'E' error, 'B' backup/export, 'R' restore/import
    qint32 length = 0;   // a data packet's valid bytes, else a file size (or 4, the handshake's)
    qint32 step = 0;
    qint32 parameter = 0;
    QByteArray text;     // the text field up to its first zero byte (never beyond the field)
    QByteArray data;     // the data block, kDataBlockBytes bytes
};

// The packet's bytes; a text longer than its field keeps field size - 1 bytes and its zero,
// a data block is cut or zero-filled to kDataBlockBytes.
QByteArray encode(const Packet &packet, Layout layout);
// One packet from exactly packet_size(layout) bytes.
Packet decode(const char *bytes, Layout layout);
// The bytes of a block up to its first zero byte, or all of them.
QByteArray zero_terminated(const QByteArray &block);

// The requests: the version query (step 10 for the Query button, 9 before an upgrade) and the
// backup or export carry the handshake word; the upgrade and the restore or import carry the
// file's size, name and MD5 text (32 lower-case hexadecimal characters and a zero byte).
QByteArray query_request(int step, Layout layout);
QByteArray backup_request(Layout layout);
QByteArray upgrade_request(int type_code, const QByteArray &file_name, const QByteArray &md5, qint32 size, Layout layout);
QByteArray restore_request(const QByteArray &archive_name, const QByteArray &md5, qint32 size, Layout layout);

} // namespace transfer
