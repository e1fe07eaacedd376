#include "protocol/parameter_block.h"

#include "protocol/protocol_log.h"

namespace parameter_block {

namespace {
bool breaks_line(QChar c)
{
    switch (c.unicode()) {
    case 0x0000: // ends the text on the camera's side
    case 0x000A:
    case 0x000B:
    case 0x000C:
    case 0x000D:
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

bool has_line_break(const QString &text)
{
    for (QChar c : text) {
        if (breaks_line(c))
            return true;
    }
    return false;
}

QString without_line_breaks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (!breaks_line(c))
            out.append(c);
    }
    return out;
}

QString needle_of(const QString &key)
{
    return key.endsWith(QLatin1Char('=')) ? key : key + QLatin1Char('=');
}

// Position of the first character of the key's value, or -1.
int value_start(const QString &text, const QString &key)
{
    const QString needle = needle_of(key);
    if (needle.size() < 2)
        return -1;
    int end = text.indexOf(QChar(0));
    if (end < 0)
        end = text.size();
    int from = 0;
    while (from <= end - needle.size()) {
        const int at = text.indexOf(needle, from);
        if (at < 0 || at + needle.size() > end)
            return -1;
        if (at == 0 || text.at(at - 1) == QLatin1Char('\n'))
            return at + needle.size();
        from = at + 1;
    }
    return -1;
}
} // namespace

QString join(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n'));
}

QString item_line(const QString &key, const QString &value)
{
    if (key.isEmpty() || key.contains(QLatin1Char('=')) || has_line_break(key)) {
        qCWarning(lcProtocol) << "parameter block: item with unusable key" << key << "left out";
        return QString();
    }
    QString clean = value;
    if (has_line_break(value)) {
        qCWarning(lcProtocol) << "parameter block: line breaks removed from the value of" << key;
        clean = without_line_breaks(value);
    }
    return key + QLatin1Char('=') + clean;
}

QString command_line(const QString &verb)
{
    return item_line(QLatin1String(kCommandKey), verb);
}

QString build(const QStringList &head_lines, const QVector<Item> &items)
{
    QStringList lines;
    lines.reserve(head_lines.size() + items.size());
    for (const QString &line : head_lines) {
        if (has_line_break(line)) {
            qCWarning(lcProtocol) << "parameter block: line breaks removed from the line" << line;
            lines.append(without_line_breaks(line));
        } else {
            lines.append(line);
        }
    }
    for (const Item &item : items) {
        const QString line = item_line(item.key, item.value);
        if (!line.isNull())
            lines.append(line);
    }
    return join(lines);
}

QString reply_text(const QByteArray &reply)
{
    const int zero = reply.indexOf('\0');
    return QString::fromLatin1(reply.constData(), zero < 0 ? reply.size() : zero);
}

QString value(const QString &text, const QString &key)
{
    const int start = value_start(text, key);
    if (start < 0)
        return QString();
    int end = start;
    while (end < text.size() && text.at(end) != QLatin1Char('\n') && !text.at(end).isNull())
        ++end;
    return QString(text.constData() + start, end - start);
}

QString one_char_value(const QString &text, const QString &key)
{
    const QString v = value(text, key);
    return v.isNull() ? v : v.left(1);
}

bool has_key(const QString &text, const QString &key)
{
    return value_start(text, key) >= 0;
}

} // namespace parameter_block
