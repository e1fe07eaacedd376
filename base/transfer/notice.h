#pragma once

#include <QCoreApplication>
#include <QMetaType>
#include <QString>

// A message box a transfer asks the window to show: "Information" or "Warning" (the title
// follows the kind) and its text, translated in the window's context.
namespace transfer {

struct Notice {
    enum Kind { Information, Warning };
    Kind kind = Information;
    QString text;
};

// A source text of the window's catalogue, translated.
inline QString shown(const char *source) { return QCoreApplication::translate("MainWindow", source); }
inline Notice information(const char *source) { return {Notice::Information, shown(source)}; }
inline Notice warning(const char *source) { return {Notice::Warning, shown(source)}; }

} // namespace transfer

Q_DECLARE_METATYPE(transfer::Notice)
