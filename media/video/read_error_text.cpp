#include "video/read_error_text.h"

#include <cerrno>

extern "C" {
#include <libavutil/error.h>
}

namespace {
struct ReadErrorClass {
    int code;
    const char *text;
};

const ReadErrorClass kReadErrorClasses[] = {
    {AVERROR_EOF, "QFFmpeg: Stream ended (EOF detected)"},
    {AVERROR(EIO), "QFFmpeg: I/O error - possible device disconnection or network failure"},
    {AVERROR(ECONNRESET), "QFFmpeg: Connection reset by peer - network disconnection detected"},
    {AVERROR(ECONNABORTED), "QFFmpeg: Connection aborted - network interruption detected"},
    {AVERROR(ETIMEDOUT), "QFFmpeg: Connection timeout - network or device issue"},
    {AVERROR(ENOTCONN), "QFFmpeg: Socket not connected - device or network disconnection"},
    {AVERROR(ENETDOWN), "QFFmpeg: Network is down - network disconnection detected"},
    {AVERROR(ENETUNREACH), "QFFmpeg: Network unreachable - network connectivity issue"},
    {AVERROR(EHOSTUNREACH), "QFFmpeg: Host unreachable - device or network issue"},
};
} // namespace

QString readErrorClassText(int code)
{
    for (const ReadErrorClass &c : kReadErrorClasses) {
        if (c.code == code)
            return QString::fromLatin1(c.text);
    }
    return QStringLiteral("QFFmpeg: Unknown read error - possible device disconnection or network failure");
}
