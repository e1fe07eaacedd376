#include "discovery/discovery_messages.h"

#include <QCoreApplication>
#include <QDebug>
#include <QStringList>
#include <QUuid>

#include <cstring>

namespace discovery {
namespace {
constexpr int kPrefixChars = 9;
const char *const kPrefixes[] = {"SEARCH * ", "REPLY OK ", "CONFIGNET", "SUCCEED *", "FAILED * "};
constexpr int kIdChars = 32;
constexpr int kMacChars = 17;
constexpr int kSecondsPerDay = 86400;

// Cuts the values out of one answer and notes what was missing or too long.
class Cutter
{
public:
    explicit Cutter(const QString &text) : m_text(text) {}

    // The value behind the first occurrence of key and `skip` more characters (its "="): up to
    // its line's end, or to two characters before next when that follows on the same line; at
    // most `limit` characters.
    QString value(const char *key, int skip, const char *next, int limit = kMaxFieldChars)
    {
        const int at = m_text.indexOf(QLatin1String(key));
        if (at < 0) {
            m_missing << QLatin1String(key);
            return QString();
        }
        const int from = qMin(at + int(std::strlen(key)) + skip, int(m_text.size()));
        int end = m_text.size();
        for (int i = from; i < m_text.size(); ++i) {
            if (m_text.at(i) == QLatin1Char('\r') || m_text.at(i) == QLatin1Char('\n')) {
                end = i;
                break;
            }
        }
        if (next) {
            // Two keys on one line: the camera's two-character line end is taken off as well.
            const int n = m_text.indexOf(QLatin1String(next), from);
            if (n >= 0 && n < end)
                end = qMax(from, n - 2);
        }
        if (end - from > limit) {
            m_long << QLatin1String(key);
            end = from + limit;
        }
        return m_text.mid(from, end - from);
    }

    void log() const
    {
        if (!m_missing.isEmpty())
            qDebug().noquote() << "MyThread::run answer without" << m_missing.join(QLatin1String(", "));
        if (!m_long.isEmpty())
            qDebug().noquote() << "MyThread::run answer values cut to their length:" << m_long.join(QLatin1String(", "));
    }

private:
    const QString &m_text;
    QStringList m_missing;
    QStringList m_long;
};

QString two_digits(qint32 value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }
} // namespace

QString datagram_text(const QByteArray &datagram)
{
    const int zero = datagram.indexOf('\0');
    return QString::fromUtf8(zero < 0 ? datagram : datagram.left(zero));
}

ReplyKind reply_kind(const QString &text)
{
    const QString head = text.left(kPrefixChars);
    for (int i = 0; i < int(sizeof kPrefixes / sizeof kPrefixes[0]); ++i) {
        if (head == QLatin1String(kPrefixes[i]))
            return static_cast<ReplyKind>(i);
    }
    return ReplyKind::Search;
}

Dev_info parse_reply(const QString &text, ReplyKind kind)
{
    Dev_info info;
    Cutter cut(text);
    if (kind == ReplyKind::Succeed) {
        info.client_id = cut.value("Client ID:", 0, nullptr, kIdChars);
        info.device_id = cut.value("Device ID:", 0, nullptr, kIdChars);
        cut.log();
        return info;
    }
    if (kind != ReplyKind::Reply)
        return info;

    info.version = cut.value("VERSION:", 0, "DEVICE_MODEL:");
    info.device_model = cut.value("DEVICE_MODEL:", 0, "Client ID:");
    info.client_id = cut.value("Client ID:", 0, nullptr, kIdChars);
    info.device_id = cut.value("Device ID:", 0, nullptr, kIdChars);
    if (text.contains(QLatin1String("Uptime="))) {
        bool ok = false;
        info.uptime_seconds = cut.value("Uptime=", 0, "DHCP").toInt(&ok);
        if (!ok || info.uptime_seconds < 0) {
            qDebug().noquote() << "MyThread::run answer with an uptime that is no count of seconds";
            info.uptime_seconds = 0;
        }
        const qint32 s = info.uptime_seconds;
        info.uptime_days = s / kSecondsPerDay;
        info.uptime_hours = s % kSecondsPerDay / 3600;
        info.uptime_minutes = s % 3600 / 60;
        info.uptime_secs = s % 60;
        info.uptime = uptime_text(info.uptime_days, info.uptime_hours, info.uptime_minutes, info.uptime_secs);
    } else {
        info.uptime = QStringLiteral("00:00:00");
    }
    info.dhcp = text.contains(QLatin1String("DHCP=1"));
    info.ip = cut.value("IP=", 0, "MASK");
    info.netmask = cut.value("MASK", 1, "GATEWAY");
    info.gateway = cut.value("GATEWAY", 1, "MAC");
    info.mac = cut.value("MAC", 1, nullptr, kMacChars);
    info.fdns = text.contains(QLatin1String("FDNS")) ? cut.value("FDNS", 1, nullptr) : QString();
    cut.log();
    return info;
}

QString uptime_text(qint32 days, qint32 hours, qint32 minutes, qint32 seconds)
{
    const QString clock = two_digits(hours) + QLatin1Char(':') + two_digits(minutes) + QLatin1Char(':') + two_digits(seconds);
    if (days < 1)
        return clock;
    return QString::number(days) + QCoreApplication::translate("MainWindow", "Day") + QLatin1Char(' ') + clock;
}

QString make_search_client_id()
{
    QString id = QUuid::createUuid().toString();
    id.remove(QLatin1Char('{')).remove(QLatin1Char('-')).remove(QLatin1Char('}'));
    return id;
}

QByteArray search_message(const QString &client_id)
{
    return (QStringLiteral("SEARCH * UPGRADE") + QStringLiteral("\r\nClient ID:") + client_id).toLocal8Bit();
}

QByteArray config_message(const netconfig::NetworkConfig &config, const QString &device_id, const QString &client_id)
{
    const QString text = QStringLiteral("CONFIGNET") + QStringLiteral("\nDevice ID:") + device_id
                         + QStringLiteral("\nClient ID:") + client_id + QStringLiteral("\ndhcp=")
                         + QString::number(config.dhcp) + QStringLiteral("\nipaddr=") + config.ip
                         + QStringLiteral("\nnetmask=") + config.netmask + QStringLiteral("\ngateway=")
                         + config.gateway + QStringLiteral("\nfdns=") + config.fdns + QStringLiteral("\nmacaddr=")
                         + netconfig::mac_text(config.mac);
    return text.toLocal8Bit();
}

QByteArray reboot_message(const QString &device_id, const QString &client_id)
{
    return (QStringLiteral("CAMERA_REBOOT") + QStringLiteral("\nDevice ID:") + device_id + QStringLiteral("\nClient ID:")
            + client_id)
        .toLocal8Bit();
}

} // namespace discovery
