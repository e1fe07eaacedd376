#include "settings/settings_writer.h"

#include <QDebug>

bool rewrite_settings_file(const QString &path, const std::function<void(QSettings &)> &fill)
{
    // Through QSettings itself rather than a file of our own: the process-wide cache of the
    // settings class then holds what was written, and a later reader in this process sees it.
    QSettings settings(path, QSettings::IniFormat);
    // Written to a temporary file beside the old one, renamed over it on success.
    settings.setAtomicSyncRequired(true);
    settings.clear();
    fill(settings);
    settings.sync();
    // A format error can only come from reading the old file; the new one is written all the same.
    if (settings.status() == QSettings::AccessError) {
        qDebug() << "MainWindow::save_config failed, the previous config.ini is kept:" << path;
        return false;
    }
    return true;
}
