#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The eight user-interface languages: the entry of language_select_comboBox, the name the
// window and the settings file use, the system language it stands for and its catalogue.
namespace language {

constexpr int kCount = 8;
constexpr int kChineseIndex = 0;
constexpr int kEnglishIndex = 1;

// The entry for a system language; every language not among the eight gives English.
int index_for_locale(QLocale::Language language);
// The name of an entry ("Chinese" ... "Spanish"), or nothing outside 0 to 7.
std::optional<QString> name_for_index(int index);
// The catalogue resource of an entry; English outside 0 to 7.
QString catalogue_for_index(int index);
// The system language an entry stands for (the language of Qt's catalogue beside its own);
// English outside 0 to 7.
QLocale::Language locale_for_index(int index);
// The catalogue resource of a language by its name; English for any other name.
QString catalogue_for_name(const QString &name);

} // namespace language
