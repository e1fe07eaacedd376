#pragma once

#include <QDateTime>
#include <QString>

// A "config.ini" the tool cannot take: it cannot be opened, the settings class cannot parse it,
// or it has content but no key of the seven groups the tool writes (LANGUAGE_CONF, PORT_CONF,
// UPGRADE, TEACHER_CONF, STUDENT_CONF, BOARD_CONF, DIRECTOR_CONF). Read as it is, such a file
// would set every control to zero. An empty file is not one of them; one larger than 1 MiB, far
// beyond any the tool writes, is.

namespace unreadable_config {

bool is_unreadable(const QString &path);

// The name the file is kept under beside itself: "config.ini.unreadable-<yyyyMMdd-hhmmss>".
QString aside_path(const QString &path, const QDateTime &when);

// Moves the file to aside_path(path, when), or, when a file of that name is there already, to
// that name with "-2", "-3", ... added; *aside is the name. False, with the system's reason in
// *why, when it cannot be moved (it then stays whole where it is).
bool set_aside(const QString &path, const QDateTime &when, QString *aside, QString *why);

} // namespace unreadable_config
