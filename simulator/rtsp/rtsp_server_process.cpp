#include "rtsp/rtsp_server_process.h"

#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <sys/types.h>

namespace {
constexpr int kConnectProbeMs = 200;  // one connection attempt while waiting for the server
constexpr int kTermWaitMs = 3000;     // a server given SIGTERM ends within this
constexpr int kWriteWaitMs = 100;     // a crop line into the server's input pipe
} // namespace

RtspServerProcess::RtspServerProcess(QObject *parent)
    : QObject(parent)
{
    process.setProcessChannelMode(QProcess::MergedChannels);
}

RtspServerProcess::~RtspServerProcess() { stop(); }

QString RtspServerProcess::pythonPath()
{
    // Debian's GStreamer bindings belong to Debian's interpreter, not to one on the PATH.
    return QStringLiteral("/usr/bin/python3");
}

QString RtspServerProcess::scriptPath()
{
    const QByteArray overridden = qgetenv("CORVANE_RTSP_SERVER_SCRIPT");
    if (!overridden.isEmpty())
        return QString::fromLocal8Bit(overridden);
    const QByteArray source = qgetenv("CORVANE_SOURCE_DIR");
    if (!source.isEmpty())
        return QString::fromLocal8Bit(source) + QStringLiteral("/simulator/rtsp/rtsp_server.py");
    return QStringLiteral(CORVANE_RTSP_SCRIPT_DIR "/rtsp_server.py");
}

QStringList RtspServerProcess::arguments(const Options &o)
{
    auto size = [](QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); };
    QStringList args{scriptPath(),
                     QStringLiteral("--address"), o.address,
                     QStringLiteral("--port"), QString::number(o.port),
                     QStringLiteral("--size"), size(o.size),
                     QStringLiteral("--fps"), QString::number(o.fps),
                     QStringLiteral("--bitrate"), QString::number(o.bitrateKbit),
                     QStringLiteral("--pattern"), o.pattern,
                     QStringLiteral("--format"), o.rawFormat,
                     // A test that crashes must not leave a server behind.
                     QStringLiteral("--exit-with-parent")};
    if (!o.clip.isEmpty())
        args << QStringLiteral("--clip") << o.clip;
    if (!o.picture.isEmpty())
        args << QStringLiteral("--picture") << o.picture;
    if (o.switchSize.isValid())
        args << QStringLiteral("--switch-size") << size(o.switchSize) << QStringLiteral("--switch-after-ms")
             << QString::number(o.switchAfterMs);
    if (o.shared)
        args << QStringLiteral("--shared");
    if (!o.auth.isEmpty())
        args << QStringLiteral("--auth") << o.auth;
    return args;
}

bool RtspServerProcess::start(const Options &options, int timeoutMs)
{
    stop();
    current = options;
    error.clear();
    printed.clear();
    paused = false;
    process.start(pythonPath(), arguments(options));
    if (!process.waitForStarted(timeoutMs)) {
        error = QStringLiteral("cannot start %1: %2").arg(pythonPath(), process.errorString());
        return false;
    }
    if (!waitUntilAccepting(timeoutMs)) {
        printed += process.readAll();
        if (error.isEmpty())
            error = QStringLiteral("server did not accept on %1:%2 within %3 ms")
                        .arg(options.address).arg(options.port).arg(timeoutMs);
        error += QStringLiteral("; output: ") + QString::fromLocal8Bit(printed);
        stop();
        return false;
    }
    return true;
}

bool RtspServerProcess::waitUntilAccepting(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    bool announced = false;
    while (!deadline.hasExpired()) {
        if (process.state() != QProcess::Running) {
            error = QStringLiteral("server exited with code %1").arg(process.exitCode());
            return false;
        }
        if (!announced) {
            process.waitForReadyRead(kConnectProbeMs);
            printed += process.readAll();
            announced = printed.contains("rtsp_server: ready");
            continue;
        }
        QTcpSocket probe;
        probe.connectToHost(current.address, current.port);
        if (probe.waitForConnected(kConnectProbeMs)) {
            probe.abort();
            return true;
        }
        QThread::msleep(20);
    }
    return false;
}

void RtspServerProcess::stop()
{
    if (process.state() == QProcess::NotRunning)
        return;
    if (paused)
        resume();
    process.terminate();
    if (!process.waitForFinished(kTermWaitMs)) {
        process.kill();
        process.waitForFinished(kTermWaitMs);
    }
    printed += process.readAll();
}

bool RtspServerProcess::pause()
{
    if (!isRunning())
        return false;
    paused = ::kill(pid_t(process.processId()), SIGSTOP) == 0;
    return paused;
}

bool RtspServerProcess::resume()
{
    if (!isRunning())
        return false;
    const bool ok = ::kill(pid_t(process.processId()), SIGCONT) == 0;
    if (ok)
        paused = false;
    return ok;
}

void RtspServerProcess::kill()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(kTermWaitMs);
    paused = false;
}

bool RtspServerProcess::setCrop(const QRect &crop)
{
    if (!isRunning())
        return false;
    const QByteArray line = crop.isNull() ? QByteArray("crop\n")
                                          : QStringLiteral("crop %1 %2 %3 %4\n")
                                                .arg(crop.x()).arg(crop.y()).arg(crop.width()).arg(crop.height())
                                                .toLatin1();
    // The line is short; a pipe takes it at once unless the server is stopped (SIGSTOP), when
    // it waits in the pipe and is read on resume.
    if (process.write(line) != line.size())
        return false;
    process.waitForBytesWritten(kWriteWaitMs);
    return true;
}

bool RtspServerProcess::isRunning() const { return process.state() == QProcess::Running; }

qint64 RtspServerProcess::processId() const { return process.processId(); }

QString RtspServerProcess::output() const
{
    return QString::fromLocal8Bit(printed + const_cast<QProcess &>(process).readAll());
}

QString RtspServerProcess::url(int path) const
{
    return QStringLiteral("rtsp://%1:%2/%3").arg(current.address).arg(current.port).arg(path);
}

bool RtspServerProcess::makeClip(const QString &path, QSize size, int fps, int seconds, QString *errorOut)
{
    const QStringList args{
        QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"),
        QStringLiteral("-f"), QStringLiteral("lavfi"),
        QStringLiteral("-i"), QStringLiteral("testsrc2=size=%1x%2:rate=%3").arg(size.width()).arg(size.height()).arg(fps),
        QStringLiteral("-t"), QString::number(seconds),
        QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("veryfast"),
        QStringLiteral("-g"), QString::number(fps), QStringLiteral("-bf"), QStringLiteral("0"),
        QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), path};
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    // Encoding runs at several times real time; the bound is generous for a slow machine.
    const bool finished = ffmpeg.waitForStarted() && ffmpeg.waitForFinished(30000 + seconds * 10000);
    if (!finished || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0) {
        if (errorOut)
            *errorOut = QStringLiteral("ffmpeg failed: ") + QString::fromLocal8Bit(ffmpeg.readAll());
        if (ffmpeg.state() != QProcess::NotRunning) {
            ffmpeg.kill();
            ffmpeg.waitForFinished();
        }
        return false;
    }
    return true;
}
