#include "video/stream_copy.h"

#include <QDebug>
#include <QTimer>

StreamCopy::StreamCopy(const QString &url, const QString &file, QObject *parent)
    : QObject(parent), target(file)
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    const QStringList arguments{
        QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"),
        QStringLiteral("-rtsp_transport"), QStringLiteral("tcp"), QStringLiteral("-i"), url,
        QStringLiteral("-map"), QStringLiteral("0:v"), QStringLiteral("-c"), QStringLiteral("copy"),
        QStringLiteral("-movflags"), QStringLiteral("+frag_keyframe+empty_moov+default_base_moof"),
        QStringLiteral("-f"), QStringLiteral("mp4"), QStringLiteral("-y"), file};
    process.start(QStringLiteral("ffmpeg"), arguments);
    qDebug().noquote() << "StreamCopy: recording" << file;
}

StreamCopy::~StreamCopy()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
    }
}

void StreamCopy::finish()
{
    if (process.state() == QProcess::NotRunning) {
        deleteLater();
        return;
    }
    connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, [this] {
        qDebug().noquote() << "StreamCopy: closed" << target;
        deleteLater();
    });
    QTimer::singleShot(kFinishMs, this, [this] { process.kill(); });
    process.terminate(); // ffmpeg writes what it holds and closes the file on SIGTERM
}
