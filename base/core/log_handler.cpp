#include "core/log_handler.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

QString gLogFilePath = QStringLiteral("Corvane.log");
QMutex gLogMutex;

bool removeFileIfTooLarge(const QString &path, qint64 limit)
{
    QFileInfo info(path);
    if (!info.exists()) {
        qDebug() << "File" << path << "does not exist.";
        return false;
    }
    if (info.size() <= limit)
        return false;
    if (!QFile::remove(path)) {
        qDebug() << "Failed to delete file" << path;
        return false;
    }
    qDebug() << "File" << path << "deleted due to size exceeding" << limit << "bytes.";
    return true;
}

QString formatLogLine(const QDateTime &when, const QMessageLogContext &context, const QString &msg)
{
    return QStringLiteral("%1  %2[%3]  : %4\n")
        .arg(when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss:zzz")),
             QString::fromUtf8(context.file ? context.file : ""),
             QString::number(context.line), msg);
}

void logMessageHandler(QtMsgType, const QMessageLogContext &context, const QString &msg)
{
    // Formatted before the lock, so entries may land slightly out of time-stamp order.
    const QString text = formatLogLine(QDateTime::currentDateTime(), context, msg);
    QMutexLocker locker(&gLogMutex);
    QFile file(gLogFilePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream << text << Qt::endl;
    file.close();
}

void installLogHandler(const QString &fileName)
{
    if (removeFileIfTooLarge(QStringLiteral("Corvane.log"), kLogFileSizeLimit))
        qDebug() << "LOG::File was deleted.";
    else
        qDebug() << "LOG::File was not deleted.";
    if (!fileName.isEmpty()) {
        QMutexLocker locker(&gLogMutex);
        gLogFilePath = fileName;
    }
    qInstallMessageHandler(logMessageHandler);
}

void uninstallLogHandler()
{
    qInstallMessageHandler(nullptr);
}
