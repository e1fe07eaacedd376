#include "core/installed_catalogue.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace installed_catalogue {
namespace {

// Qt's catalogue without its word on the layout direction. Qt turns every window of the
// application right to left when a catalogue says "RTL" (Arabic's does); the tool's forms are
// drawn left to right in every language, with their pages' widgets at fixed points, so the
// windows keep the direction they have. The message boxes take the language's own (msgbox).
class QtCatalogue : public QTranslator
{
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override
    {
        if (qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0)
            return QString();
        return QTranslator::translate(context, source, disambiguation, n);
    }
};

// Guarded: a window that owns the catalogue may be destroyed before the application.
QPointer<QTranslator> gCurrent;
// Owned by the application, loaded anew for each language.
QPointer<QtCatalogue> gQt;
bool gQtLoaded = false;
QLocale::Language gLanguage = QLocale::AnyLanguage;
QString gQtFolder;

QString qt_folder()
{
    return gQtFolder.isEmpty() ? QLibraryInfo::location(QLibraryInfo::TranslationsPath) : gQtFolder;
}

void install_qt_catalogue(QLocale::Language language)
{
    if (gQt)
        QCoreApplication::removeTranslator(gQt);
    gQtLoaded = false;
    if (language == QLocale::AnyLanguage)
        return;
    if (!gQt)
        gQt = new QtCatalogue(QCoreApplication::instance());
    const QString folder = qt_folder();
    if (!gQt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
        qDebug().noquote() << "No Qt catalogue for" << QLocale::languageToString(language) << "in" << folder
                           << "- the boxes' standard buttons take the tool's own texts, Qt's other texts stay English";
        return;
    }
    qDebug().noquote() << "Qt catalogue:" << gQt->filePath();
    QCoreApplication::installTranslator(gQt);
    gQtLoaded = true;
}

} // namespace

void install(QTranslator *translator, QLocale::Language language)
{
    if (gCurrent && gCurrent != translator)
        QCoreApplication::removeTranslator(gCurrent);
    // Beneath the tool's catalogue, whose texts answer first.
    install_qt_catalogue(language);
    if (translator) {
        // Removed first so that a second install does not leave it in the list twice.
        QCoreApplication::removeTranslator(translator);
        QCoreApplication::installTranslator(translator);
    }
    gCurrent = translator;
    gLanguage = language;
}

QTranslator *current() { return gCurrent; }

QTranslator *qt_catalogue() { return gQtLoaded ? gQt.data() : nullptr; }

Qt::LayoutDirection text_direction()
{
    return gLanguage == QLocale::AnyLanguage ? Qt::LayoutDirectionAuto : QLocale(gLanguage).textDirection();
}

void set_qt_folder(const QString &folder) { gQtFolder = folder; }

} // namespace installed_catalogue
