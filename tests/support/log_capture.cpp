#include "log_capture.h"

#include "core/log_fold.h"

#include <QtGlobal>

namespace {
QMutex gCaptureMutex;
QStringList gCaptured;
QtMessageHandler gPrevious = nullptr;

void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    // What the log file leaves out is not captured either.
    if (log_fold::quiet())
        return;
    QMutexLocker locker(&gCaptureMutex);
    gCaptured.append(message);
}
} // namespace

LogCapture::LogCapture()
{
    clear();
    gPrevious = qInstallMessageHandler(capture);
}

LogCapture::~LogCapture() { qInstallMessageHandler(gPrevious); }

QStringList LogCapture::lines() const
{
    QMutexLocker locker(&gCaptureMutex);
    return gCaptured;
}

int LogCapture::count(const QString &text) const
{
    QMutexLocker locker(&gCaptureMutex);
    int n = 0;
    for (const QString &line : qAsConst(gCaptured))
        n += line.contains(text) ? 1 : 0;
    return n;
}

void LogCapture::clear()
{
    QMutexLocker locker(&gCaptureMutex);
    gCaptured.clear();
}
