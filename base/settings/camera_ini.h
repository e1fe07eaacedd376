#pragma once

#include "settings/port_forward.h"

#include <QList>
#include <QPair>
#include <QString>

// "camera.ini", the file from which the recording host's forwarding script takes the mapping:
// group "RECORDER", one text value per key. The file is updated in place, so keys that the
// host-side tool keeps in it stay.
namespace camera_ini {

// The keys of group "RECORDER" in the order they are written, with their values. A mapped
// port left empty is written as the camera's own port, the port the program then uses.
QList<QPair<QString, QString>> recorder_entries(const portforward::Fields &fields);

// Writes the entries into the file at path and flushes it to disk; the file is then readable by
// its owner only. False, with the reason in *error, when the file could not be written.
bool write(const QString &path, const portforward::Fields &fields, QString *error);

} // namespace camera_ini
