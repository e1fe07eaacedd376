#include "settings/unreadable_config.h"

#include "settings/config_tables.h"
#include "settings/port_settings.h"
#include "settings/upgrade_types.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <cstdio>

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

// Every key ("GROUP/key") each save writes, whatever the controls hold, in the order of the
// file the settings class writes: groups and keys sorted. LANGUAGE_CONF's one key is written
// only for a known language and is not among them.
QStringList always_written_keys()
{
    QStringList keys;
    auto add = [&keys](const char *group, const std::vector<const char *> &names) {
        for (const char *name : names)
            keys << QString::fromLatin1(group) + QLatin1Char('/') + QString::fromLatin1(name);
    };
    add("PORT_CONF", ports::port_save_order());
    add("UPGRADE", upgrade::save_order());
    for (const config::GroupTable *group :
         {&config::teacher_group(), &config::student_group(), &config::board_group(), &config::director_group()}) {
        std::vector<const char *> written;
        for (const char *key : group->save_order) {
            const config::KeyRow *row = config::find_row(*group, key);
            if (row && row->written)
                written.push_back(key);
        }
        add(group->name, written);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

// The keys of the file's lines, as "GROUP/key", and how its last line ends. Only what tells a
// cut is read here; the settings class parses the file itself.
struct Lines {
    QSet<QString> keys;     // of the ended lines
    QString unfinished_key; // the key of an unfinished last line, when it got as far as "="
    bool last_line_ended = true;
};

Lines scan_lines(const QByteArray &bytes)
{
    Lines lines;
    const QList<QByteArray> all = bytes.split('\n');
    QString group;
    for (int i = 0; i < all.size(); ++i) {
        const QByteArray line = all.at(i).trimmed();
        const bool last = i == all.size() - 1;
        if (last && !line.isEmpty())
            lines.last_line_ended = false;
        if (line.startsWith('[') && line.endsWith(']')) {
            group = QString::fromUtf8(line.mid(1, line.size() - 2).trimmed());
            continue;
        }
        const int eq = line.indexOf('=');
        if (eq <= 0 || line.startsWith(';'))
            continue;
        const QString key = group + QLatin1Char('/') + QString::fromUtf8(line.left(eq).trimmed());
        if (last)
            lines.unfinished_key = key;
        else
            lines.keys.insert(key);
    }
    return lines;
}

QStringList cut_off_keys(const Lines &lines)
{
    static const QStringList order = always_written_keys();
    const QString firstGroup = order.first().section(QLatin1Char('/'), 0, 0) + QLatin1Char('/');
    int lastPresent = -1;
    int firstMissing = -1;
    int firstGroupSize = 0;
    for (int i = 0; i < order.size(); ++i) {
        if (order.at(i).startsWith(firstGroup))
            ++firstGroupSize;
        // The unfinished line was there: it decides where the file ends.
        if (lines.keys.contains(order.at(i)) || order.at(i) == lines.unfinished_key)
            lastPresent = i;
        else if (firstMissing < 0)
            firstMissing = i;
    }
    if (firstMissing < 0 || lastPresent < 0 || lastPresent > firstMissing)
        return {}; // nothing missing, nothing that tells a cut, or a gap
    if (lines.last_line_ended && lastPresent + 1 < firstGroupSize)
        return {};
    QStringList cut = order.mid(firstMissing);
    if (order.at(lastPresent) == lines.unfinished_key)
        cut.prepend(lines.unfinished_key);
    return cut;
}
} // namespace

Verdict examine(const QString &path)
{
    Verdict verdict;
    // Opening a FIFO waits for a writer, and a device may never end: only a regular file is read.
    if (!QFileInfo(path).isFile()) {
        verdict.unreadable = true;
        return verdict;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        verdict.unreadable = true; // there, but it cannot be read at all
        return verdict;
    }
    const QByteArray head = file.read(kLargestConfigBytes + 1);
    file.close();
    if (head.size() > kLargestConfigBytes) {
        verdict.unreadable = true;
        return verdict;
    }
    if (head.trimmed().isEmpty())
        return verdict;
    // Before the parse: a line cut in its key reads as a line the settings class cannot parse.
    verdict.cut_off = cut_off_keys(scan_lines(head));
    if (!verdict.cut_off.isEmpty())
        return verdict;
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        verdict.unreadable = true;
        return verdict;
    }
    const QStringList groups = tool_groups();
    for (const QString &key : settings.allKeys()) {
        const int slash = key.indexOf(QLatin1Char('/'));
        if (slash > 0 && groups.contains(key.left(slash)))
            return verdict;
    }
    verdict.unreadable = true;
    return verdict;
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
    if (!QFileInfo(path).isFile()) {
        // QFile's rename gives its own words for a FIFO it will not copy; the system's reason is
        // the one that helps.
        if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(name).constData()) == 0)
            return true;
        if (why)
            *why = qt_error_string(errno);
        return false;
    }
    QFile file(path);
    if (file.rename(name))
        return true;
    if (why)
        *why = file.errorString();
    return false;
}

} // namespace unreadable_config
