#pragma once

#include <QSettings>
#include <QString>

#include <functional>

// Rewrites a whole INI settings file without ever leaving a half-written or empty file behind.
// Every key of the old file is dropped and fill() writes the new content; the new file is
// written beside the old one and takes its place only when it was written completely, so a
// write that fails, or a process that ends before the write, leaves the previous file whole.
// Returns false, and writes why to the log, when the file could not be written. The content
// that could not be written stays pending in the settings class of this process: readers in
// the process see it, and the next write of the file through the settings class writes it.
bool rewrite_settings_file(const QString &path, const std::function<void(QSettings &)> &fill);
