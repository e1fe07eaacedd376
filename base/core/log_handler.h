#pragma once

#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QtGlobal>

// The program's log: one file, appended to under one mutex by whatever thread logs.
extern QString gLogFilePath;
extern QMutex gLogMutex;

// Log files beyond this size are started afresh at the next start.
constexpr qint64 kLogFileSizeLimit = 524288000;

bool removeFileIfTooLarge(const QString &path, qint64 limit);
void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg);
void installLogHandler(const QString &fileName);
// Puts Qt's default handler back, so that no message written during static destruction
// reaches the log path and mutex after they are gone.
void uninstallLogHandler();
// The text of one log entry, without the end-of-line the writer adds after it.
QString formatLogLine(const QDateTime &when, const QMessageLogContext &context, const QString &msg);
