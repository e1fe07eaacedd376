#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// Clips made with the ffmpeg command for the player tests: a moving test picture, two key frames
// a second with their stream headers, no B-frames, as a camera sends: libVLC shows the first
// picture at once, and a recording begun at any moment can be decoded.
namespace media_clips {
inline bool make(const QString &path, int seconds, const QString &size = QStringLiteral("320x180"))
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                  QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("testsrc2=size=%1:rate=25").arg(size), QStringLiteral("-t"),
                  QString::number(seconds), QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-g"),
                  QStringLiteral("12"), QStringLiteral("-bf"), QStringLiteral("0"), QStringLiteral("-x264-params"),
                  QStringLiteral("repeat-headers=1"), QStringLiteral("-pix_fmt"),
                  QStringLiteral("yuv420p"), path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0 && QFile::exists(path);
}

// Seconds of video that ffprobe decodes from a file; -1 when it has no readable video stream.
inline double videoSeconds(const QString &path)
{
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"),
                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"), QStringLiteral("v:0"),
                 QStringLiteral("-count_frames"), QStringLiteral("-show_entries"),
                 QStringLiteral("stream=r_frame_rate,nb_read_frames"), QStringLiteral("-of"),
                 QStringLiteral("csv=p=0"), path});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return -1;
    const QString firstLine = QString::fromLatin1(probe.readAllStandardOutput()).trimmed().section(QLatin1Char('\n'), 0, 0);
    const QStringList fields = firstLine.trimmed().split(QLatin1Char(','));
    if (fields.size() < 2)
        return -1;
    const QStringList rate = fields.at(0).split(QLatin1Char('/'));
    const double fps = rate.value(0).toDouble() / qMax(1.0, rate.value(1, QStringLiteral("1")).toDouble());
    const double packets = fields.at(1).toDouble();
    return fps > 0 && packets > 0 ? packets / fps : -1;
}

// Serves one file to every HTTP GET, at once or, as a live HTTP stream comes, spread evenly over
// pacedMs.
class HttpFile : public QTcpServer
{
public:
    explicit HttpFile(const QString &path, const QByteArray &type, int pacedMs = 0)
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            body = file.readAll();
        contentType = type;
        connect(this, &QTcpServer::newConnection, this, [this, pacedMs] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, pacedMs] {
                    request += socket->readAll();
                    if (!request.contains("\r\n\r\n"))
                        return;
                    request.clear();
                    socket->write("HTTP/1.0 200 OK\r\nContent-Type: " + contentType + "\r\nContent-Length: "
                                  + QByteArray::number(body.size()) + "\r\n\r\n");
                    if (pacedMs <= 0) {
                        socket->write(body);
                        socket->disconnectFromHost();
                        return;
                    }
                    auto *tick = new QTimer(socket);
                    auto *sent = new int(0);
                    connect(tick, &QTimer::destroyed, [sent] { delete sent; });
                    connect(tick, &QTimer::timeout, socket, [this, socket, tick, sent] {
                        const int slice = qMax(1, body.size() / kSlices);
                        socket->write(body.mid(*sent, slice));
                        *sent += slice;
                        if (*sent >= body.size()) {
                            tick->stop();
                            socket->disconnectFromHost();
                        }
                    });
                    tick->start(pacedMs / kSlices);
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QByteArray body;
    static constexpr int kSlices = 50;

private:
    QByteArray contentType;
    QByteArray request;
};
} // namespace media_clips
