#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

struct SimCameraState;

// The camera's side of the VISCA-style byte commands: the inquiries the tool asks (model, zoom,
// focus mode, pan/tilt position, digital zoom) and the commands it gives (drive, home, absolute
// position, zoom, presets, role, menu keys, focus mode). Replies start with 0x90 and end with
// 0xFF; a value field is four bytes each carrying one hex digit of a 16-bit value, most
// significant first.
namespace simvisca {

// A model code is one letter followed by a number in lower-case hex without leading zeros
// ("R6", "M5", "M19", "J57", "J22"); the model reply carries the letter's byte and the number's
// byte, which the tool reads back as the same text.
bool isValidModel(const QString &code);
// The zoom position a camera of this model stands at after power-up (the lowest position of its
// zoom table for "J57", 0 otherwise).
int initialZoom(const QString &code);

QByteArray modelReply(const QString &code);     // 9 bytes: 90 50 00 00 00 00 letter number FF
QByteArray zoomReply(int position);             // 7 bytes: 90 50 and one value field, FF
QByteArray focusReply(bool manual);             // 90 50 02 FF (auto) or 90 50 03 FF (manual)
QByteArray panTiltReply(int pan, int tilt);     // 11 bytes: 90 50, pan field, tilt field, FF
QByteArray digitalZoomReply(int optical, int digital); // 11 bytes: optical field, digital field
QByteArray roleReply(int role);                 // 90 50 0N FF
QByteArray ack();                               // 90 41 FF
QByteArray completion();                        // 90 51 FF
QByteArray syntaxError();                       // 90 60 02 FF
// The four bytes of a value field for the low 16 bits of value.
QByteArray valueField(int value);

// The camera's replies to one payload, in the order it sends them; none for a payload that is
// not a VISCA message to this camera (no address byte 0x81 or 0x8A, or no closing 0xFF).
// Changes the state as the command says.
QVector<QByteArray> answer(SimCameraState &state, const QByteArray &payload);

} // namespace simvisca
