#pragma once

#include <QString>

// FFmpeg's error messages that the installer must act on (RTSP authentication, client and
// server errors), turned into one log line and one warning text each.
struct RtspLogAlert {
    QString logLine;
    QString warningText;
};

// Title of the warning box that shows an alert.
QString rtspLogAlertTitle();

// The alert for one formatted FFmpeg message, first match wins; false when the message is
// none of them.
bool rtspLogAlertFor(const QString &message, RtspLogAlert *alert);
