#include "core/installed_catalogue.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

namespace installed_catalogue {
namespace {
// Guarded: a window that owns the catalogue may be destroyed before the application.
QPointer<QTranslator> gCurrent;
} // namespace

void install(QTranslator *translator)
{
    if (gCurrent && gCurrent != translator)
        QCoreApplication::removeTranslator(gCurrent);
    if (translator) {
        // Removed first so that a second install does not leave it in the list twice.
        QCoreApplication::removeTranslator(translator);
        QCoreApplication::installTranslator(translator);
    }
    gCurrent = translator;
}

QTranslator *current() { return gCurrent; }

} // namespace installed_catalogue
