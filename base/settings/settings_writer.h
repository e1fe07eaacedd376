#pragma once

#include <QSettings>
#include <QString>

#include <functional>

// Writes a whole INI settings file anew without ever leaving a half-written or empty file in
// its place. fill() writes the new content (in the settings class's own INI format) into a
// file beside the old one; what reached the disk is read back and checked; only then does it
// replace the old file, in one step. A write that fails (a read-only folder, a full disk) or a
// process that ends during the save leaves the previous file byte for byte. Returns false,
// and writes why to the log, when the file could not be written. Readers of the file in this
// process see the new content at once. The new file is readable by its owner only.
bool rewrite_settings_file(const QString &path, const std::function<void(QSettings &)> &fill);
