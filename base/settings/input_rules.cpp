#include "settings/input_rules.h"

#include <QDebug>
#include <QRegularExpression>
#include <QStringList>

namespace input {

bool is_valid_ipv4(const QString &text)
{
    const QStringList pieces = text.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (pieces.isEmpty()) {
        qDebug() << "MainWindow 输入为空";
        return false;
    }
    const QString address = pieces.first().trimmed();
    static const QRegularExpression dotted(QStringLiteral(
        "^(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])(\\.(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])){3}$"));
    if (!dotted.match(address).hasMatch()) {
        qDebug() << "MainWindow IP 格式无效：" << address;
        return false;
    }
    const QStringList parts = address.split(QLatin1Char('.'));
    if (parts.size() != 4) {
        qDebug() << "MainWindow IP 部分数量错误";
        return false;
    }
    for (const QString &part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok, 10);
        if (!ok || value > 255) {
            qDebug() << "MainWindow IP 部分值无效：" << part;
            return false;
        }
    }
    return true;
}

bool is_valid_netmask(const QString &text)
{
    static const QRegularExpression mask(QStringLiteral(
        "^((254|252|248|240|224|192|128|0)\\.0\\.0\\.0|255\\.(254|252|248|240|224|192|128|0)\\.0\\.0|"
        "255\\.255\\.(254|252|248|240|224|192|128|0)\\.0|255\\.255\\.255\\.(254|252|248|240|224|192|128|0))$"));
    return mask.match(text).hasMatch();
}

bool is_valid_mac(const QString &text)
{
    static const QRegularExpression mac(QStringLiteral("^%1(:%1){5}$").arg(mac_byte_pattern()));
    return mac.match(text).hasMatch();
}

QString port_number_pattern() { return QStringLiteral("(0|%1)").arg(nonzero_port_pattern()); }

QString nonzero_port_pattern()
{
    return QStringLiteral("([1-9][0-9]{0,3}|[1-5][0-9]{4}|6[0-4][0-9]{3}|65[0-4][0-9]{2}|655[0-2][0-9]|6553[0-5])");
}

namespace {
const char kDottedPart[] = "(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)";
}

QString camera_field_pattern()
{
    return QStringLiteral("\\b(?:%1\\.){3}%1[\\/:][1-9][0-9]{3}\\b").arg(QLatin1String(kDottedPart));
}

QString director_server_pattern()
{
    return QStringLiteral("((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])[.]){3}"
                          "(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])/[0-9a-z]{6}");
}

bool is_dotted_address(const QString &text)
{
    static const QRegularExpression dotted(
        QStringLiteral("\\A(?:(?:%1\\.){3}%1)\\z").arg(QLatin1String(kDottedPart)));
    const bool valid = dotted.match(text).hasMatch();
    if (!valid)
        qDebug() << "GuideConfig::check ip addr error";
    return valid;
}

QString mac_byte_pattern() { return QStringLiteral("([0-9a-fA-F]{2})"); }

QString director_code_pattern(int command_type)
{
    switch (command_type) {
    case 1:
        return QStringLiteral("[a-fA-F0-9 ]+$");
    case 2:
        return QStringLiteral(".*$");
    default:
        return QString();
    }
}

} // namespace input
