#include "fuzz/parameter_block_entry.h"

#include "fuzz/fuzz_text.h"
#include "protocol/parameter_block.h"
#include "protocol/parameter_reply.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace {
// Straightforward model of the lookup: the lines of the text up to its first zero character,
// searched for the first that starts with "key=".
QStringList reference_lines(const QString &text)
{
    const int zero = text.indexOf(QChar(0));
    return (zero >= 0 ? text.left(zero) : text).split(QLatin1Char('\n'));
}

QString reference_value(const QStringList &lines, const QString &key)
{
    const QString needle = key.endsWith(QLatin1Char('=')) ? key : key + QLatin1Char('=');
    if (needle.size() < 2)
        return QString();
    for (const QString &line : lines) {
        if (line.startsWith(needle))
            return QString(line.constData() + needle.size(), line.size() - needle.size());
    }
    return QString();
}

const QRegularExpression &line_breaks()
{
    static const QRegularExpression re(QStringLiteral("[\\x{0}\\n\\x{B}\\x{C}\\r\\x{85}\\x{2028}\\x{2029}]"));
    return re;
}

QString check_lookup(const QString &text, const QStringList &lines, const QString &key)
{
    const QString got = parameter_block::value(text, key);
    const QString want = reference_value(lines, key);
    if (got.isNull() != want.isNull() || got != want)
        return QStringLiteral("value of \"%1\": got \"%2\", want \"%3\"").arg(key, got, want);
    if (got.contains(QLatin1Char('\n')) || got.contains(QChar(0)))
        return QStringLiteral("value of \"%1\" runs over a line end").arg(key);
    const QString one = parameter_block::one_char_value(text, key);
    if (one.isNull() != got.isNull() || one != got.left(1))
        return QStringLiteral("one-character value of \"%1\" is \"%2\"").arg(key, one);
    if (parameter_block::has_key(text, key) == got.isNull())
        return QStringLiteral("has_key of \"%1\" disagrees with value").arg(key);
    return QString();
}

QString check_classification(const QString &text)
{
    using namespace parameter_reply;
    Classification first;
    for (int bits = 0; bits < 16; ++bits) {
        Flags flags;
        flags.teacher_request_pending = bits & 1;
        flags.student_request_pending = bits & 2;
        flags.teacher_pano_status_pending = bits & 4;
        flags.student_pano_status_pending = bits & 8;
        const Classification c = classify(text, flags);
        if (bits == 0)
            first = c;
        if (c.kind != first.kind)
            return QStringLiteral("the kind of an answer depends on the request flags");
        if (!flags.teacher_request_pending && !flags.student_request_pending && !c.echoes.isEmpty())
            return QStringLiteral("echo found while no request waits");
        if ((c.kind == Kind::TrackingStatus) == c.status_parts.isEmpty())
            return QStringLiteral("tracking status kind and its parts disagree");
        for (int i = 0; i < c.status_parts.size(); ++i) {
            const StatusPart &p = c.status_parts.at(i);
            if (p.type_mismatch && i != c.status_parts.size() - 1)
                return QStringLiteral("a part runs after a type mismatch");
            if (p.type_mismatch && !p.error)
                return QStringLiteral("type mismatch without an error");
            if (p.side == Side::Board && p.error != p.type_mismatch)
                return QStringLiteral("board error that is not a type mismatch");
            if (i > 0 && int(p.side) <= int(c.status_parts.at(i - 1).side))
                return QStringLiteral("status parts out of order");
        }
        if (c.kind == Kind::StudentAutocalibrate
            && c.autocalibrate_failed != c.autocalibrate_value.contains(QLatin1String("fail")))
            return QStringLiteral("auto-calibration failure misread");
    }
    return QString();
}

// Builds a block from the answer's lines taken as items, and reads every item back.
QString check_round_trip(const QString &raw)
{
    QVector<parameter_block::Item> items;
    const QStringList lines = raw.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size() && i < 32; ++i) {
        const QString &line = lines.at(i);
        const int eq = line.indexOf(QLatin1Char('='));
        // Alternate item splits, so that keys with line breaks and "=" reach the builder too.
        if (eq < 0 || (i % 3) == 2)
            items.append({line.left(line.size() / 2), line.mid(line.size() / 2)});
        else
            items.append({line.left(eq), line.mid(eq + 1)});
    }
    const QStringList head{QLatin1String(parameter_block::kTeacherSection),
                           QLatin1String(parameter_block::kSetTrackingConfigFile)};
    const QString block = parameter_block::build(head, items);
    if (block.endsWith(QLatin1Char('\n')))
        return QStringLiteral("block ends with a line feed");

    int accepted = 0;
    QSet<QString> seen;
    const QString back = parameter_block::reply_text(block.toLatin1());
    if (back != block)
        return QStringLiteral("block does not survive its Latin-1 bytes");
    for (const parameter_block::Item &item : items) {
        const bool refused = item.key.isEmpty() || item.key.contains(QLatin1Char('='))
            || item.key.contains(line_breaks());
        if (refused)
            continue;
        ++accepted;
        if (seen.contains(item.key))
            continue;
        seen.insert(item.key);
        const QString want = QString(item.value).remove(line_breaks());
        const QString got = parameter_block::value(back, item.key);
        if (got != want || got.isNull())
            return QStringLiteral("item \"%1\" reads back as \"%2\", want \"%3\"").arg(item.key, got, want);
    }
    if (block.count(QLatin1Char('\n')) != head.size() + accepted - 1)
        return QStringLiteral("block of %1 items has %2 line feeds").arg(accepted).arg(block.count(QLatin1Char('\n')));
    return QString();
}
} // namespace

QString check_parameter_block_input(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QString text = parameter_block::reply_text(bytes);
    if (text.contains(QChar(0)) || text.size() > bytes.size())
        return QStringLiteral("answer text runs past the first zero byte");

    QString failure = check_classification(text);
    if (!failure.isEmpty())
        return failure;

    // The whole input, zero characters included, as text to look keys up in.
    const QString raw = fuzz_text::latin1(data, size);
    if (raw.size() != bytes.size())
        return QStringLiteral("the input reaches the lookups cut to %1 of its %2 bytes").arg(raw.size()).arg(bytes.size());
    QStringList keys{QStringLiteral("pan_speed"), QStringLiteral("pano_pan_speed"), QStringLiteral("tracking_mode="),
                     QStringLiteral("student_autocalibrate_status"), QStringLiteral("a"), QStringLiteral("=")};
    const QStringList lines = raw.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size() && i < 16; ++i) {
        const QString key = lines.at(i).section(QLatin1Char('='), 0, 0);
        keys << key << key.mid(1);
    }
    const QStringList text_lines = reference_lines(text);
    const QStringList raw_lines = reference_lines(raw);
    for (const QString &key : qAsConst(keys)) {
        failure = check_lookup(text, text_lines, key);
        if (failure.isEmpty())
            failure = check_lookup(raw, raw_lines, key);
        if (!failure.isEmpty())
            return failure;
    }
    return check_round_trip(raw);
}
