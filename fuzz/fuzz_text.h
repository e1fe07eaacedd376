#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <initializer_list>
#include <cstdint>

// Shared conversions of the fuzz entries: turning an input into the text and values a reader is given.
namespace fuzz_text {

// Every byte of the input as one Latin-1 character, zero bytes included. (The QByteArray
// overload of QString::fromLatin1 stops at the first zero byte, which would keep every input
// with a zero inside away from the readers.)
inline QString latin1(const uint8_t *data, size_t size)
{
    return QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<int>(size));
}

// The first `count` pieces of the text between line feeds, missing ones empty: values of a block
// to build from the same input.
inline QStringList pieces(const QString &text, int count)
{
    QStringList out = text.split(QLatin1Char('\n')).mid(0, count);
    while (out.size() < count)
        out.append(QString());
    return out;
}

// What a value keeps once the block builder has taken out its line breaks and zero characters.
inline QString without_breaks(const QString &value)
{
    QString out = QLatin1String(""); // an empty value is still a value
    for (QChar c : value) {
        switch (c.unicode()) {
        case 0x0000: case 0x000A: case 0x000B: case 0x000C: case 0x000D: case 0x0085: case 0x2028: case 0x2029:
            break;
        default:
            out.append(c);
        }
    }
    return out;
}

// Reads little-endian integers from the input, cycling over it; 0 for an empty input.
class Numbers
{
public:
    Numbers(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    quint32 next32()
    {
        quint32 v = 0;
        for (int i = 0; i < 4 && m_size > 0; ++i)
            v |= quint32(m_data[m_at++ % m_size]) << (8 * i);
        return v;
    }
    int next_int() { return static_cast<int>(next32()); }
    // A value in 0 .. bound - 1.
    int below(int bound) { return static_cast<int>(next32() % quint32(bound)); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

} // namespace fuzz_text

namespace fuzz_text {

// Checks one value a section reader took from the text: null exactly when no line starts with
// "key=", otherwise the rest of the first such line (its first character for a one-character
// key); the text ends at its first zero character. Empty when it holds, else what went wrong.
inline QString check_read_value(const QString &text, const char *key, const QString &got, bool one_char)
{
    const int zero = text.indexOf(QChar(0));
    const QString needle = QLatin1String(key) + QLatin1Char('=');
    QString want;
    const QStringList lines = (zero < 0 ? text : text.left(zero)).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(needle)) {
            want = line.mid(needle.size());
            if (want.isNull())
                want = QLatin1String("");
            if (one_char)
                want = want.left(1);
            break;
        }
    }
    if (got.isNull() != want.isNull() || got != want)
        return QStringLiteral("\"%1\" read as \"%2\", want \"%3\"").arg(QLatin1String(key), got, want);
    return QString();
}

// One key of a section reader's result record.
template <typename Reply>
struct ReplyField
{
    const char *key;
    QString Reply::*member;
    bool one_char;
};

// check_read_value for every key of the table.
template <typename Reply, size_t N>
QString check_fields(const QString &text, const Reply &reply, const ReplyField<Reply> (&fields)[N])
{
    for (const ReplyField<Reply> &f : fields) {
        const QString failure = check_read_value(text, f.key, reply.*f.member, f.one_char);
        if (!failure.isEmpty())
            return failure;
    }
    return QString();
}

// One item of a block built from the input: the value sent and the value read back.
struct SentRead
{
    const char *key;
    QString sent;
    QString read;
};

// Every item read back as sent (a null string: the item was not sent, and must not be read).
inline QString check_sent_read(std::initializer_list<SentRead> rows)
{
    for (const SentRead &row : rows) {
        if (row.sent.isNull() != row.read.isNull() || row.sent != row.read)
            return QStringLiteral("Apply sent %1=\"%2\", read back \"%3\"").arg(QLatin1String(row.key), row.sent, row.read);
    }
    return QString();
}

} // namespace fuzz_text
