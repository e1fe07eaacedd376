#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// Reading rules of the values "config.ini" keeps (the sliders' label texts and positions are
// model/slider_text's). No widget is touched here.
namespace config {

// The text of a stored value. An unquoted value with commas comes back from the INI reader as
// a list; it is put together again rather than read as empty.
QString text_of(const QVariant &value);

// Flags. A plain flag is set by any number but 0; Board_Detect_Enable only by the text "1";
// Board_enable is set by 1, cleared by 0 (and by an absent key) and left alone otherwise.
bool flag_set(const QString &text);
bool flag_set_if_one(const QString &text);
std::optional<bool> flag_one_or_zero(const QString &text);
QString flag_text(bool checked);

// Customer model code of the camera: "KLOR" sets the flag, "Other" clears it, anything else
// (lower case included) leaves it.
std::optional<bool> customer_model(const QString &text);
QString customer_model_text(bool flag);

} // namespace config
