#include "settings/settings_path.h"

#include <QStandardPaths>

QString settings_file_path()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/config.ini");
}
