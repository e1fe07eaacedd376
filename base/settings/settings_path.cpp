#include "settings/settings_path.h"

#include <QStandardPaths>

QString settings_file_path()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/config.ini");
}

QString manual_director_file_path()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/manual_director.ini");
}
