#include "fuzz/discovery_reply_entry.h"

#include "discovery/discovery_messages.h"

#include <QByteArray>

QString check_discovery_reply_input(const uint8_t *data, size_t size)
{
    // The receiver reads at most kMaxDatagramBytes of a datagram.
    const QByteArray datagram(reinterpret_cast<const char *>(data),
                              int(qMin<size_t>(size, size_t(discovery::kMaxDatagramBytes))));
    const QString text = discovery::datagram_text(datagram);
    const discovery::ReplyKind kind = discovery::reply_kind(text);
    if (int(kind) < 0 || int(kind) > 4)
        return QStringLiteral("kind %1").arg(int(kind));
    const Dev_info info = discovery::parse_reply(text, kind);
    if (kind != discovery::ReplyKind::Reply && kind != discovery::ReplyKind::Succeed
        && !(info.ip.isEmpty() && info.device_id.isEmpty() && info.client_id.isEmpty()))
        return QStringLiteral("fields read from a datagram of kind %1").arg(int(kind));
    if (info.client_id.size() > 32 || info.device_id.size() > 32 || info.mac.size() > 17)
        return QStringLiteral("an ID or MAC beyond its length");
    for (const QString &value : {info.version, info.device_model, info.ip, info.netmask, info.gateway, info.fdns}) {
        if (value.size() > discovery::kMaxFieldChars)
            return QStringLiteral("a value of %1 characters").arg(value.size());
        if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
            return QStringLiteral("a value running over its line: %1").arg(value);
    }
    if (info.uptime_seconds < 0 || info.uptime_hours < 0 || info.uptime_hours > 23 || info.uptime_minutes < 0
        || info.uptime_minutes > 59 || info.uptime_secs < 0 || info.uptime_secs > 59
        || qint64(info.uptime_days) * 86400 + info.uptime_hours * 3600 + info.uptime_minutes * 60 + info.uptime_secs
               != info.uptime_seconds)
        return QStringLiteral("uptime %1 split as %2 %3 %4 %5")
            .arg(info.uptime_seconds).arg(info.uptime_days).arg(info.uptime_hours).arg(info.uptime_minutes).arg(info.uptime_secs);
    if (kind == discovery::ReplyKind::Reply && info.uptime.isEmpty())
        return QStringLiteral("an answer without an uptime text");
    return QString();
}
