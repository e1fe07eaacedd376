#include "core/log_handler.h"

#include "core/log_fold.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <memory>

QString gLogFilePath = QStringLiteral("Corvane.log");
QMutex gLogMutex;

namespace {
// The log file stays open between messages, under gLogMutex: heavy logging (a flood of
// replies) must not cost an open and a close per line.
std::unique_ptr<QFile> gLogFile;

// The line the size check writes when it removed the file.
QString removed_line(const QString &path, qint64 limit)
{
    QString text;
    QDebug(&text) << "File" << path << "deleted due to size exceeding" << limit << "bytes.";
    return text.trimmed();
}

// With gLogMutex held: the file at gLogFilePath, open for appending; null when it cannot be
// opened. A file removed or renamed meanwhile is begun again at the path.
QFile *open_log_file()
{
    if (gLogFile && gLogFile->fileName() == gLogFilePath && QFileInfo::exists(gLogFilePath))
        return gLogFile.get();
    gLogFile = std::make_unique<QFile>(gLogFilePath);
    if (gLogFile->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return gLogFile.get();
    gLogFile.reset();
    return nullptr;
}

void close_log_file()
{
    QMutexLocker locker(&gLogMutex);
    gLogFile.reset();
}

void write_entry(QFile *file, const QString &text)
{
    file->write((text + QLatin1Char('\n')).toUtf8());
    file->flush();
}
} // namespace

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
    qDebug().noquote() << removed_line(path, limit);
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
    if (log_fold::quiet())
        return;
    // Formatted before the lock, so entries may land slightly out of time-stamp order.
    const QString text = formatLogLine(QDateTime::currentDateTime(), context, msg);
    QMutexLocker locker(&gLogMutex);
    QFile *file = open_log_file();
    if (!file)
        return;
    // The size limit holds while running too: a file grown beyond it is begun afresh, its first
    // entry saying why. One that cannot be cut stays and is appended to.
    if (file->size() > kLogFileSizeLimit && file->resize(0))
        write_entry(file, formatLogLine(QDateTime::currentDateTime(), QMessageLogContext(),
                                        removed_line(gLogFilePath, kLogFileSizeLimit)));
    write_entry(file, text);
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
    close_log_file();
}
