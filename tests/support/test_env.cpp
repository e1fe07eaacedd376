#include "test_env.h"

#include "core/time_scale.h"
#include "settings/settings_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <malloc.h>

namespace testenv {

void writeConfigIni(const QString &iniText)
{
    // Written through QSettings: QSettings caches files per process and would not notice a
    // rewrite of the same size within the same second.
    QSettings settings(settings_file_path(), QSettings::IniFormat);
    settings.clear();
    QString group;
    for (const QString &rawLine : iniText.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        settings.setValue(group + QLatin1Char('/') + line.left(eq), line.mid(eq + 1));
    }
    settings.sync();
}

void writeConfigIniRaw(const QByteArray &bytes)
{
    const QString path = settings_file_path();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void removeConfigIni()
{
    // Something that is no file (a FIFO, a folder) goes first: the settings class would wait on it.
    const QFileInfo info(settings_file_path());
    if (info.isDir())
        QDir(info.filePath()).removeRecursively();
    else if (info.exists() && !info.isFile())
        QFile::remove(info.filePath());
    QSettings settings(settings_file_path(), QSettings::IniFormat);
    settings.clear();
    settings.sync();
    QFile::remove(settings_file_path());
}

bool clearWorkingFolder(QString *why)
{
    // QDir("") is the current folder: an unset root must not count as one.
    const QString given = QString::fromLocal8Bit(qgetenv("CORVANE_TEST_ROOT"));
    const QString root = given.isEmpty() ? QString() : QDir(given).canonicalPath();
    const QString here = QDir::current().canonicalPath();
    if (root.isEmpty() || !(here + QLatin1Char('/')).startsWith(root + QLatin1Char('/'))) {
        if (why)
            *why = QStringLiteral("%1 is not inside the runner's own folder (CORVANE_TEST_ROOT); run the test "
                                  "through ctest")
                       .arg(here);
        return false;
    }
    for (const QString &name : QDir::current().entryList(QDir::Files))
        QFile::remove(name);
    return true;
}

QString sourceDir() { return QString::fromLocal8Bit(qgetenv("CORVANE_SOURCE_DIR")); }

QByteArray patternBytes(int size, int seed)
{
    QByteArray b;
    for (int i = 0; i < size; ++i)
        b.append(char((i * seed + i / 7) & 0xff));
    return b;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QString mappedFiles()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? QString::fromUtf8(maps.readAll()) : QString();
}

qint64 memoryKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(QByteArray(field) + ':'))
            return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

qint64 resetPeakMemoryKiB()
{
    ::malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
        return -1;
    clear.close();
    return memoryKiB("VmRSS");
}

TimeFactor::TimeFactor(double factor)
    : m_before(timescale::factor())
{
    timescale::setFactor(factor);
}

TimeFactor::~TimeFactor() { timescale::setFactor(m_before); }

} // namespace testenv
