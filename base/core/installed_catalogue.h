#pragma once

class QTranslator;

// The one translation catalogue of the user interface installed in the application. Installing
// another removes the one before, so a text missing from the new catalogue shows its source
// text and never the language chosen earlier (the start-up catalogue included).
namespace installed_catalogue {

// Installs the translator (not owned) as the interface catalogue; the previous one is removed
// from the application first. A translator already installed is installed again at the front.
void install(QTranslator *translator);
// The catalogue installed last, or nullptr (none yet, or it has been destroyed meanwhile).
QTranslator *current();

} // namespace installed_catalogue
