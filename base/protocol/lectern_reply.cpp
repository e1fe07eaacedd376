#include "protocol/lectern_reply.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>

namespace lectern_reply {

namespace {

struct KeyTarget {
    const char *key;
    Target target;
};

// In the order in which a key is compared; the first equal key decides.
const KeyTarget kKeyTable[] = {
    {"common.track_mode", Target::LogOnly},
    {"common.track", Target::LogOnly},
    {"common.debug_mode", Target::LogOnly},
    {"common.osd_mode", Target::LogOnly},
    {"tracking.return_preset_time", Target::RetentionTime},
    {"tracking.preset", Target::StartPosition},
    {"tracking.body", Target::LogOnly},
    {"tracking.body_mode", Target::BodyMode},
    {"tracking.body_thresh", Target::BodyThresh},
    {"tracking.auto_zoom", Target::AutoZoom},
    {"tracking.auto_tilt", Target::AutoTilt},
    {"tracking.stop_direction", Target::LogOnly},
    {"tracking.area.enable", Target::LogOnly},
    {"tracking.area.left_up_x", Target::LogOnly},
    {"tracking.area.left_up_y", Target::LogOnly},
    {"tracking.area.right_down_x", Target::LogOnly},
    {"tracking.area.right_down_y", Target::LogOnly},
    {"autoframe.zoom_thresh", Target::LogOnly},
    {"region.preset", Target::LogOnly},
};

// A member as text; a camera that sends a number instead of a string is read the same.
QString member_text(const QJsonObject &data, const char *key)
{
    const QJsonValue value = data.value(QLatin1String(key));
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

} // namespace

Body classify(const QByteArray &body)
{
    Body result;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error == QJsonParseError::NoError && !document.isNull()) {
        result.json = true;
        result.object = document.object(); // empty for an array
        return result;
    }
    const int nul = body.indexOf('\0');
    result.text = QString::fromUtf8(nul < 0 ? body : body.left(nul));
    return result;
}

QVector<Pair> key_values(const QString &text)
{
    // Blanks around "=" are spaces and tabs only: with any white space a key whose value is
    // empty would take the next line as its value, and that line's key would be lost.
    static const QRegularExpression pattern(
        QStringLiteral("(\\w+(\\.\\w+)*)[ \\t]*=[ \\t]*[\"']?([^\"'\\n]+)[\"']?"));
    QVector<Pair> pairs;
    QRegularExpressionMatchIterator it = pattern.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        // A value of white space alone ("\r" of an empty CRLF line) is an empty value.
        const QString value = match.captured(3).trimmed();
        if (!value.isEmpty())
            pairs.append({match.captured(1), value});
    }
    return pairs;
}

Target target_of(const QString &key)
{
    for (const KeyTarget &row : kKeyTable) {
        if (key == QLatin1String(row.key))
            return row.target;
    }
    return Target::Unknown;
}

int start_position_index(const QString &value) { return value == QLatin1String("-1") ? 0 : 1; }

int body_mode_choice(const QString &value)
{
    if (value == QLatin1String("0"))
        return 0;
    if (value == QLatin1String("1"))
        return 1;
    if (value == QLatin1String("2"))
        return 2;
    if (value == QLatin1String("4"))
        return 3;
    return -1;
}

bool switch_on(const QString &value) { return value != QLatin1String("0"); }

std::optional<DirectorServer> director_server(const QJsonObject &answer)
{
    const QJsonObject data = answer.value(QStringLiteral("data")).toObject();
    if (data.isEmpty())
        return std::nullopt;
    DirectorServer server;
    server.enable = member_text(data, "tracking.server_enable");
    server.address = member_text(data, "tracking.server_addr");
    server.port = member_text(data, "tracking.server_port");
    server.times = member_text(data, "tracking.times");
    return server;
}

} // namespace lectern_reply
