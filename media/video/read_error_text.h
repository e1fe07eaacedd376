#pragma once

#include <QString>

// The words logged for a failed read of the stream, chosen by FFmpeg's error code. Codes are
// compared with the platform's own error numbers; an abort by the watchdog and every code not
// listed get the catch-all text.
QString readErrorClassText(int code);
