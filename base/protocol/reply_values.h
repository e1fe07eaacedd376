#pragma once

#include <QString>

#include <optional>

// Reading rules shared by the key tables of the teacher and student replies. The widgets'
// setters are the callers'; these only convert the text after "key=".
namespace reply_values {

// A decimal integer, surrounding blanks ignored; 0 when the text is empty or no number ("5.0",
// "12x", beyond an int). The one such rule: the lectern answers and the settings file's stored
// values read their numbers with it too.
int number(const QString &text);

// Pan and tilt offset sliders (0 to 80) from a received offset: 40 for 0, otherwise the offset
// divided by 5 (toward zero) plus 40 ("37" gives 47, "-35" gives 33, "-12" gives 38).
int offset_position(const QString &text);

// A check box flag: "1" checks, "0" unchecks, anything else leaves the box.
std::optional<bool> zero_one(const QString &oneChar);

// A check box that "1" checks and anything else unchecks.
bool one_checks(const QString &oneChar);

} // namespace reply_values
