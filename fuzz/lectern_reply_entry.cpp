#include "fuzz/lectern_reply_entry.h"

#include "protocol/lectern_reply.h"
#include "protocol/reply_values.h"

#include <QByteArray>
#include <QRegularExpression>

namespace {

bool is_key(const QString &key)
{
    static const QRegularExpression re(QStringLiteral("^\\w+(\\.\\w+)*$"));
    return re.match(key).hasMatch();
}

QString check_pairs(const QString &text)
{
    const QVector<lectern_reply::Pair> pairs = lectern_reply::key_values(text);
    // Each pair takes at least a key character, "=" and a value character of the text.
    if (pairs.size() > text.size() / 3 + 1)
        return QStringLiteral("%1 pairs from %2 characters").arg(pairs.size()).arg(text.size());
    int from = 0;
    for (const lectern_reply::Pair &p : pairs) {
        if (!is_key(p.key))
            return QStringLiteral("key \"%1\" is no dotted word").arg(p.key);
        if (p.value.isEmpty())
            return QStringLiteral("empty value of \"%1\"").arg(p.key);
        if (p.value != p.value.trimmed())
            return QStringLiteral("value of \"%1\" keeps white space").arg(p.key);
        for (QChar c : {QLatin1Char('\n'), QLatin1Char('"'), QLatin1Char('\'')}) {
            if (p.value.contains(c))
                return QStringLiteral("value of \"%1\" holds a line feed or a quote").arg(p.key);
        }
        // Pairs come in the order of the text.
        const int at = text.indexOf(p.key, from);
        if (at < 0)
            return QStringLiteral("key \"%1\" not found after position %2").arg(p.key).arg(from);
        from = at + p.key.size();

        const int choice = lectern_reply::body_mode_choice(p.value);
        if (choice < -1 || choice > 3)
            return QStringLiteral("body mode choice %1").arg(choice);
        const int start = lectern_reply::start_position_index(p.value);
        if (start != 0 && start != 1)
            return QStringLiteral("start position %1").arg(start);
        reply_values::number(p.value);
        lectern_reply::target_of(p.key);
    }
    return QString();
}

} // namespace

QString check_lectern_reply_input(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), int(size));
    const lectern_reply::Body answer = lectern_reply::classify(body);
    if (answer.json) {
        if (!answer.text.isEmpty())
            return QStringLiteral("a JSON answer with text");
        if (const auto server = lectern_reply::director_server(answer.object)) {
            if (server->on() != (server->enable != QLatin1String("0")))
                return QStringLiteral("director server on/off disagrees with \"%1\"").arg(server->enable);
            server->timesNumber();
        }
        return QString();
    }
    if (!answer.object.isEmpty())
        return QStringLiteral("a text answer with an object");
    const int nul = body.indexOf('\0');
    if (answer.text != QString::fromUtf8(nul < 0 ? body : body.left(nul)))
        return QStringLiteral("text is not the body up to its first zero byte");
    return check_pairs(answer.text);
}
