#include "protocol/visca_text.h"

#include <QVector>

namespace visca_text {

namespace {
int hex_digit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// One or two hex digits; anything else (sign, "0x", a third digit) is not a byte.
bool token_to_byte(const QString &token, unsigned char *byte)
{
    if (token.isEmpty() || token.size() > 2)
        return false;
    int value = 0;
    for (QChar c : token) {
        const int d = hex_digit(c);
        if (d < 0)
            return false;
        value = value * 16 + d;
    }
    *byte = static_cast<unsigned char>(value);
    return true;
}
} // namespace

ParseResult hex_text_to_bytes(const QString &text)
{
    ParseResult result;
    const QVector<QStringRef> pieces = text.splitRef(QLatin1Char(' '), Qt::KeepEmptyParts);
    QByteArray bytes;
    bytes.reserve(pieces.size());
    for (const QStringRef &piece : pieces) {
        if (piece.isEmpty())
            continue;
        // A line end or tab around a token (a command copied from a text field) is not part
        // of the byte; inside a token it still is, and fails it.
        const QString token = piece.trimmed().toString();
        unsigned char byte = 0;
        if (!token_to_byte(token, &byte)) {
            result.bad_token = piece.toString();
            return result;
        }
        bytes.append(static_cast<char>(byte));
    }
    result.ok = true;
    result.bytes = bytes;
    return result;
}

QString bytes_to_hex_text(const unsigned char *data, int count)
{
    static const char kDigits[] = "0123456789ABCDEF";
    if (!data || count <= 0)
        return QString();
    QString text;
    text.reserve(count * 3 - 1);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text.append(QLatin1Char(' '));
        text.append(QLatin1Char(kDigits[data[i] >> 4]));
        text.append(QLatin1Char(kDigits[data[i] & 0x0F]));
    }
    return text;
}

QString bytes_to_hex_text(const QByteArray &bytes)
{
    return bytes_to_hex_text(reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
}

QString visca_absolute_position(int pan, int tilt)
{
    const quint16 p = static_cast<quint16>(static_cast<unsigned int>(pan) & 0xFFFFu);
    const quint16 t = static_cast<quint16>(static_cast<unsigned int>(tilt) & 0xFFFFu);
    const unsigned char bytes[15] = {
        0x81, 0x01, 0x06, 0x02, 0x16, 0x12,
        static_cast<unsigned char>((p >> 12) & 0x0F), static_cast<unsigned char>((p >> 8) & 0x0F),
        static_cast<unsigned char>((p >> 4) & 0x0F), static_cast<unsigned char>(p & 0x0F),
        static_cast<unsigned char>((t >> 12) & 0x0F), static_cast<unsigned char>((t >> 8) & 0x0F),
        static_cast<unsigned char>((t >> 4) & 0x0F), static_cast<unsigned char>(t & 0x0F),
        0xFF,
    };
    return bytes_to_hex_text(bytes, 15);
}

namespace {
// Any int of degrees divided by the step size fits a 64-bit integer, so the truncation is
// defined for every argument; only the low 16 bits of the result are sent.
int degrees_to_position(int degrees)
{
    const qint64 steps = static_cast<qint64>(degrees / kDegreesPerStep);
    return static_cast<int>(static_cast<quint64>(steps) & 0xFFFFu);
}
} // namespace

QString visca_absolute_pan_tilt(int pan_degrees, int tilt_degrees)
{
    return visca_absolute_position(degrees_to_position(pan_degrees), degrees_to_position(tilt_degrees));
}

} // namespace visca_text
