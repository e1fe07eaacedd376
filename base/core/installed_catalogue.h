#pragma once

#include <QLocale>

class QString;
class QTranslator;

// The translation catalogues of the user interface installed in the application: the tool's own
// and, beneath it, Qt's catalogue of the same language (the texts Qt's widgets draw themselves:
// the message boxes' standard buttons, the line edits' menus, the file dialogs). Installing
// another pair removes the one before, so a text missing from the new catalogue shows its source
// text and never the language chosen earlier (the start-up catalogue included).
namespace installed_catalogue {

// Installs the translator (not owned) as the interface catalogue of `language`, with Qt's
// catalogue of that language beneath it. Where the system has none (Qt ships none for Thai and
// Indonesian, or its catalogues are not installed) a log line says so: Qt's other texts stay
// English, and the standard buttons of the tool's boxes still read in the language, from the
// tool's own catalogue. AnyLanguage installs no Qt catalogue. The previous catalogues are removed
// from the application first; a translator already installed is installed again at the front.
void install(QTranslator *translator, QLocale::Language language = QLocale::AnyLanguage);
// The tool's catalogue installed last, or nullptr (none yet, or it has been destroyed meanwhile).
QTranslator *current();
// Qt's catalogue installed beneath it, or nullptr (none found for its language, or none named).
QTranslator *qt_catalogue();
// The direction the installed language reads in (LayoutDirectionAuto when none is named): the
// message boxes take it, the windows keep theirs.
Qt::LayoutDirection text_direction();
// Where Qt's catalogues are looked for: Qt's translations folder, or the one a test chose
// (an empty text puts Qt's back).
void set_qt_folder(const QString &folder);

} // namespace installed_catalogue
