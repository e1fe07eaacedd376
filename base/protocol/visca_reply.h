#pragma once

#include <QByteArray>
#include <QString>

// The cameras' VISCA replies as the tool reads them: a reply starts with 0x90 and ends with
// 0xFF; which reply it is follows from its length alone (7 zoom position, 9 model, 11 two
// value fields, 15 three value fields, 4 focus mode or role).
namespace visca_reply {

// The reply as lower-case hex digits without separators ("905002ff"), the form the focus-mode
// and role replies are compared in.
QString hex_text(const QByteArray &reply);

// Focus-mode replies to "81 09 04 38 FF" (and the role replies 2 and 3, which read the same).
inline QString focus_auto_text() { return QStringLiteral("905002ff"); }
inline QString focus_manual_text() { return QStringLiteral("905003ff"); }

// A value field of four bytes from offset, each carrying one hex digit in its low four bits,
// most significant first: b0 * 4096 + (b1 & 15) * 256 + (b2 & 15) * 16 + (b3 & 15). The first
// byte is taken whole, as the cameras' replies are read. Bytes beyond the reply read as 0.
int value_field(const QByteArray &reply, int offset);

// The model code of a 9-byte model reply: byte 6 as one character, then byte 7 as a lower-case
// hex number without leading zeros (0x4A 0x57 give "J57", 0x52 0x06 give "R6"). Empty for a
// reply of another length or without a model letter (byte 6 zero).
QString model_code(const QByteArray &reply);

// "R17" cameras behave as "R6" ones; every other code stands as it is.
QString normalized_model(const QString &code);

// Whether a reply of this length carries values resolver_zoom_value reads.
bool carries_values(int length);

} // namespace visca_reply
