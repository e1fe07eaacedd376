#include "discovery/network_config.h"

#include "settings/input_rules.h"

#include <QCoreApplication>
#include <QDebug>
#include <QVector>

namespace netconfig {
namespace {
constexpr int kMacParts = 6;

// The four parts of a dotted text as numbers; a part that is no number counts as 0.
QVector<int> dotted_parts(const QString &text)
{
    QVector<int> parts;
    for (const QString &part : text.split(QLatin1Char('.')))
        parts.append(part.toInt());
    parts.resize(4);
    return parts;
}

bool same_subnet(const QString &address, const QString &mask, const QString &gateway)
{
    const QVector<int> a = dotted_parts(address);
    const QVector<int> m = dotted_parts(mask);
    const QVector<int> g = dotted_parts(gateway);
    for (int i = 0; i < 4; ++i) {
        if ((a[i] & m[i]) != (g[i] & m[i]))
            return false;
    }
    return true;
}
} // namespace

bool check_network_fields(const NetworkConfig &config)
{
    if (config.dhcp == 0) {
        if (!input::is_valid_ipv4(config.ip) || !input::is_valid_netmask(config.netmask)
            || !input::is_valid_ipv4(config.gateway) || !input::is_valid_ipv4(config.fdns)
            || !same_subnet(config.ip, config.netmask, config.gateway))
            return false;
    }
    QStringList upper;
    for (const QString &part : config.mac)
        upper.append(part.toUpper());
    return upper.size() == kMacParts && input::is_valid_mac(mac_text(upper));
}

Check check(const NetworkConfig &config)
{
    bool incomplete = config.ip.isEmpty() || config.netmask.isEmpty() || config.gateway.isEmpty()
                      || config.mac.size() != kMacParts;
    for (const QString &part : config.mac)
        incomplete = incomplete || part.isEmpty();
    if (incomplete)
        return Check::Incomplete;
    if (!check_network_fields(config))
        return Check::Invalid;
    qDebug() << "数据填写正确！";
    return Check::Ok;
}

const char *check_message(Check check)
{
    switch (check) {
    case Check::Incomplete:
        return QT_TRANSLATE_NOOP("MainWindow", "The network information is incomplete");
    case Check::Invalid:
        return QT_TRANSLATE_NOOP("MainWindow", "Network information fill in error");
    case Check::Ok:
        break;
    }
    return "";
}

QString mac_text(const QStringList &parts) { return parts.join(QLatin1Char(':')); }

NetworkConfig from_device(const Dev_info &device)
{
    NetworkConfig config;
    config.ip = device.ip;
    config.netmask = device.netmask;
    config.gateway = device.gateway;
    config.fdns = device.fdns.isEmpty() ? device.gateway : device.fdns;
    for (int i = 0; i < kMacParts; ++i)
        config.mac.append(device.mac.mid(3 * i, 2));
    return config;
}

} // namespace netconfig
