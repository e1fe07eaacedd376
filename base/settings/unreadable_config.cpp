#include "settings/unreadable_config.h"

#include "settings/config_tables.h"

#include <QFile>
#include <QSettings>
#include <QStringList>

namespace unreadable_config {

namespace {
// The tool's own file is a few KiB; a far larger one is not one it wrote, and is not parsed.
constexpr qint64 kLargestConfigBytes = 1024 * 1024;
// Earlier files set aside in the same second keep their names: the new one gets the next number.
constexpr int kAsideNumbers = 1000;

QStringList tool_groups()
{
    return {QStringLiteral("LANGUAGE_CONF"),
            QStringLiteral("PORT_CONF"),
            QStringLiteral("UPGRADE"),
            QString::fromLatin1(config::teacher_group().name),
            QString::fromLatin1(config::student_group().name),
            QString::fromLatin1(config::board_group().name),
            QString::fromLatin1(config::director_group().name)};
}
} // namespace

bool is_unreadable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // there, but it cannot be read at all
    const QByteArray head = file.read(kLargestConfigBytes + 1);
    if (head.size() > kLargestConfigBytes)
        return true;
    if (head.trimmed().isEmpty())
        return false;
    file.close();
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return true;
    const QStringList groups = tool_groups();
    for (const QString &key : settings.allKeys()) {
        const int slash = key.indexOf(QLatin1Char('/'));
        if (slash > 0 && groups.contains(key.left(slash)))
            return false;
    }
    return true;
}

QString aside_path(const QString &path, const QDateTime &when)
{
    return path + QStringLiteral(".unreadable-") + when.toString(QStringLiteral("yyyyMMdd-hhmmss"));
}

bool set_aside(const QString &path, const QDateTime &when, QString *aside, QString *why)
{
    const QString first = aside_path(path, when);
    QString name = first;
    for (int number = 2; QFile::exists(name) && number <= kAsideNumbers; ++number)
        name = first + QLatin1Char('-') + QString::number(number);
    if (aside)
        *aside = name;
    QFile file(path);
    if (file.rename(name))
        return true;
    if (why)
        *why = file.errorString();
    return false;
}

} // namespace unreadable_config
