#pragma once

#include <QByteArray>
#include <QLoggingCategory>

// Log lines of the camera control wire formats. They reach the program's log like any other
// message; a test or a fuzz target can silence the chatty debug lines by this one category.
Q_DECLARE_LOGGING_CATEGORY(lcProtocol)

// How many bytes of one reply or command a log line shows: a camera's answers are far shorter,
// and a flood of bytes must not flood the log as well.
constexpr int kLogDumpLimit = 512;

// Received or sent bytes for a log line: at most limit of them, then "...(N bytes)", so that a
// flood of bytes does not flood the log as well.
QByteArray log_bytes(const char *data, int size, int limit);
inline QByteArray log_bytes(const QByteArray &bytes, int limit)
{
    return log_bytes(bytes.constData(), bytes.size(), limit);
}
// The same in hexadecimal digits (separator between bytes unless 0); the "...(N bytes)" note
// stays readable text.
QByteArray log_hex(const QByteArray &bytes, int limit, char separator = '\0');
