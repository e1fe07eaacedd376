#include "video/rtsp_log_alert.h"

#include <QStringList>

namespace {
struct AlertRule {
    QStringList needles; // any of them
    const char *logLine;
    const char *warningText;
};

const AlertRule kAlertRules[] = {
    {{QStringLiteral("401 Unauthorized")},
     "QFFmpeg ff_log_callback: 401 Unauthorized detected.",
     "RTSP authentication failed. Please go to the web page and disable RTSP authentication."},
    {{QStringLiteral("4XX Client Error"), QStringLiteral("Client Error")},
     "QFFmpeg ff_log_callback: 4XX Client Error detected.",
     "RTSP client error occurred. Please check the URL format and network connectivity."},
    {{QStringLiteral("5XX Server Error"), QStringLiteral("Server Error")},
     "QFFmpeg ff_log_callback: 5XX Server Error detected.",
     "RTSP server error occurred. Please check if the streaming service is available."},
};
} // namespace

QString rtspLogAlertTitle() { return QStringLiteral("RTSP Connection Error"); }

bool rtspLogAlertFor(const QString &message, RtspLogAlert *alert)
{
    for (const AlertRule &rule : kAlertRules) {
        for (const QString &needle : rule.needles) {
            if (message.contains(needle)) {
                if (alert) {
                    alert->logLine = QString::fromLatin1(rule.logLine);
                    alert->warningText = QString::fromLatin1(rule.warningText);
                }
                return true;
            }
        }
    }
    return false;
}
