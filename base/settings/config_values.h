#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// Reading rules of the values "config.ini" keeps, and the label formats of the sliders whose
// positions the file derives from the label text. No widget is touched here.
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

// Distance sliders (1 to 171) show (p - 1) * 0.1 + 3.0 with one decimal; the stored label text
// gives back the nearest position. A text that is no number counts as 0.
QString distance_text(int position);
int distance_position(const QString &text);

// Object size slider (1 to 16): (p - 1) * 0.1 + 0.5, the same way round.
QString size_text(int position);
int size_position(const QString &text);

// Pan and tilt offset sliders (0 to 80): 5 * v - 200, written "0" at 40 and with its sign
// otherwise ("+35", "-120").
QString offset_text(int position);

} // namespace config
