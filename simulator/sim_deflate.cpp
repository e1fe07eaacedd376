#include "sim_deflate.h"

namespace simdeflate {
namespace {

// Bits go out least significant first; Huffman codes are written from their top bit.
class BitWriter
{
public:
    void bits(quint32 value, int count)
    {
        for (int i = 0; i < count; ++i)
            bit((value >> i) & 1u);
    }
    void code(quint32 code, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            bit((code >> i) & 1u);
    }
    QByteArray finish()
    {
        if (m_used)
            m_bytes.append(char(m_current));
        m_used = 0;
        m_current = 0;
        return m_bytes;
    }
    void reserve(int bytes) { m_bytes.reserve(bytes); }

private:
    void bit(quint32 b)
    {
        m_current |= quint8(b << m_used);
        if (++m_used == 8) {
            m_bytes.append(char(m_current));
            m_used = 0;
            m_current = 0;
        }
    }
    QByteArray m_bytes;
    quint8 m_current = 0;
    int m_used = 0;
};

// A fixed-code literal (bytes 0 to 143 have 8-bit codes from 0x30, 144 to 255 9-bit codes from 0x190).
void literal(BitWriter &out, quint8 byte)
{
    if (byte < 144)
        out.code(0x30u + byte, 8);
    else
        out.code(0x190u + (byte - 144u), 9);
}

constexpr int kLongestMatch = 258;

quint32 crc32Run(quint8 byte, qint64 count)
{
    static quint32 table[256];
    static bool ready = false;
    if (!ready) {
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    quint32 crc = 0xFFFFFFFFu;
    for (qint64 i = 0; i < count; ++i)
        crc = table[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

quint32 adler32Run(quint8 byte, qint64 count)
{
    constexpr quint64 kMod = 65521;
    const quint64 n = quint64(count);
    const quint64 a = (1 + n % kMod * byte) % kMod;
    // b = sum over i of (1 + i * byte), i = 1..n
    // n (n + 1) / 2, halving the even factor before reducing
    const quint64 triangle =
        (n % 2 == 0 ? (n / 2) % kMod * ((n + 1) % kMod) : n % kMod * (((n + 1) / 2) % kMod)) % kMod;
    const quint64 b = (n % kMod + triangle * byte) % kMod;
    return quint32((b << 16) | a);
}

void appendLe32(QByteArray &bytes, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        bytes.append(char((v >> (8 * i)) & 0xFFu));
}

} // namespace

QByteArray runStream(char byte, qint64 count)
{
    BitWriter out;
    out.reserve(int(qMin<qint64>(count / 150 + 64, 1 << 30)));
    out.bits(1, 1); // the final block
    out.bits(1, 2); // fixed codes
    qint64 left = count;
    if (left > 0) {
        literal(out, quint8(byte));
        --left;
    }
    for (; left >= kLongestMatch; left -= kLongestMatch) {
        out.code(0xC5, 8); // length code 285: 258 bytes, no extra bits
        out.code(0, 5);    // distance code 0: distance 1
    }
    for (; left > 0; --left)
        literal(out, quint8(byte));
    out.code(0, 7); // end of block (code 256)
    return out.finish();
}

QByteArray gzipRun(char byte, qint64 count)
{
    QByteArray bytes = QByteArray::fromHex("1f8b0800000000000003"); // deflate, no name, no time, Unix
    bytes += runStream(byte, count);
    appendLe32(bytes, crc32Run(quint8(byte), count));
    appendLe32(bytes, quint32(count & 0xFFFFFFFFu));
    return bytes;
}

QByteArray zlibRun(char byte, qint64 count)
{
    QByteArray bytes = QByteArray::fromHex("7801"); // deflate with a 32 KiB window, no dictionary
    bytes += runStream(byte, count);
    const quint32 adler = adler32Run(quint8(byte), count);
    for (int i = 3; i >= 0; --i)
        bytes.append(char((adler >> (8 * i)) & 0xFFu));
    return bytes;
}

} // namespace simdeflate
