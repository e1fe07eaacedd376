#pragma once

#include <QString>

// The address texts of the camera slots as the installer types them ("192.168.1.20",
// sometimes followed by "/" and a note).
namespace camera_address {

// The text without any white-space character: blank, tab, line feed and every other character
// that counts as space, NEL (U+0085) and no-break space (U+00A0) among them.
QString remove_spaces(const QString &text);

// The part of the text before its first "/" (the whole text when it has none).
QString address_part(const QString &text);

} // namespace camera_address
