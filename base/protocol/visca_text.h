#pragma once

#include <QByteArray>
#include <QString>

// `VISCA command text`: camera commands written as hex byte tokens separated by blanks
// ("81 01 06 04 FF"), and the absolute-position commands the calibration builds.
namespace visca_text {

struct ParseResult
{
    bool ok = false;
    QByteArray bytes;  // the command's bytes when ok, else empty
    QString bad_token; // the first token that is not a byte, when not ok
};

// Splits the text at single blanks (runs of blanks give empty pieces, which are skipped) and
// reads each piece as one byte of one or two hex digits, either case. A piece that is not such
// a byte (a placeholder such as "HK" left unfilled, "0x81", "-1", or more than two digits such
// as "123", which must not be cut to its low byte) fails the whole text: the caller shows
// "Command format error" and sends nothing. An empty text gives no bytes and succeeds.
ParseResult hex_text_to_bytes(const QString &text);

// Each byte as two upper-case hex digits, bytes separated by one blank ("81 01 FF").
QString bytes_to_hex_text(const QByteArray &bytes);
QString bytes_to_hex_text(const unsigned char *data, int count);

// The 15-byte absolute position command 81 01 06 02 16 12 p p p p t t t t FF: pan and tilt
// speeds 0x16 and 0x12, then the four nibbles of pan and of tilt, highest first, one per byte.
// Only the low 16 bits of each value are written (a negative value gives its two's complement).
QString visca_absolute_position(int pan, int tilt);

// Degrees to positions at 0.069444 degrees per step, truncated toward zero.
QString visca_absolute_pan_tilt(int pan_degrees, int tilt_degrees);

// Degrees per position step of the pan/tilt drive.
constexpr double kDegreesPerStep = 0.069444;

} // namespace visca_text
