#include "settings/settings_writer.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QTemporaryFile>

namespace {

using Content = QMap<QString, QString>;

QString text_of(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

Content content_of(QSettings &settings)
{
    Content content;
    for (const QString &key : settings.allKeys())
        content.insert(key, text_of(settings.value(key)));
    return content;
}

bool fail(const QString &path, const char *why)
{
    qDebug() << "MainWindow::save_config failed, the previous config.ini is kept:" << path << why;
    return false;
}

// The bytes parsed as the settings class parses a file it has never seen: written to a new
// file (every write checked) and read from there.
bool holds(const QByteArray &bytes, const Content &expected, const QString &folder)
{
    QTemporaryFile check(folder + QStringLiteral("/config.ini.check.XXXXXX"));
    if (!check.open() || check.write(bytes) != bytes.size() || !check.flush())
        return false;
    check.close();
    QSettings reread(check.fileName(), QSettings::IniFormat);
    return reread.status() == QSettings::NoError && content_of(reread) == expected;
}

// The settings class caches each file it has read and reads it again only when its size or
// time stamp changed. A new file of the old size written within the same clock tick would go
// unnoticed by readers in this process; its time stamp is then moved on.
void make_readers_see(const QString &path, const Content &expected)
{
    QSettings reader(path, QSettings::IniFormat);
    if (content_of(reader) == expected)
        return;
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(1), QFileDevice::FileModificationTime);
    file.close();
    reader.sync();
    if (content_of(reader) != expected)
        qDebug() << "MainWindow::save_config: readers in this process may still see the old" << path;
}

} // namespace

bool rewrite_settings_file(const QString &path, const std::function<void(QSettings &)> &fill)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder))
        return fail(path, "no folder");

    // The new content, written by the settings class into a file of its own beside the old one.
    QTemporaryFile staging(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!staging.open())
        return fail(path, "no room for a new file");
    staging.close();
    Content content;
    {
        QSettings settings(staging.fileName(), QSettings::IniFormat);
        fill(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return fail(path, "cannot write the new file");
        content = content_of(settings);
    }
    QFile written(staging.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return fail(path, "cannot read the new file");
    const QByteArray bytes = written.readAll();
    written.close();
    // The settings class may report success for a file cut short by a full disk: what reached
    // the disk is read back before it replaces anything.
    if (!holds(bytes, content, folder))
        return fail(path, "the new file is incomplete");
    staging.remove();

    // One step from the old file to the new one; unbuffered, so that every failed write shows.
    // The file holds the recorder's password: its owner's only, whatever the old one allowed. A
    // file system without permissions (vfat, SMB) refuses that; the settings are saved anyway,
    // as the mount's own permissions allow, rather than lost.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(path, "cannot replace the old file");
    if (!out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        qWarning().noquote() << "MainWindow::save_config cannot make" << path
                             << "readable by its owner only; it is saved with the folder's permissions";
    if (out.write(bytes) != bytes.size() || !out.commit())
        return fail(path, "cannot replace the old file");

    make_readers_see(path, content);
    return true;
}
