#include "video/rtspthread.h"

#include "core/time_scale.h"
#include "video/qffmpeg.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>

namespace {
constexpr int kFinishWaitMs = 3000;  // a healthy loop leaves within one read
constexpr int kSecondWaitMs = 1000;  // the bound the owners rely on: 3000 + 1000 ms
constexpr int kIdlePassMs = 100;     // how often an ended loop looks for the interruption
constexpr unsigned long kEndPollMs = 5; // the GUI thread looks for the end this often

QDebug log() { return qDebug().noquote(); }
QDebug warn() { return qWarning().noquote(); }

unsigned long scaledMs(int ms) { return static_cast<unsigned long>(timescale::scaled(ms)); }
} // namespace

RtspThread::RtspThread(QObject *parent)
    : QThread(parent)
{
}

void RtspThread::run()
{
    QFFmpeg *decoder = ffmpeg;
    if (!decoder) {
        warn() << "RtspThread: FFmpeg object is null, cannot start playback";
        return;
    }
    try {
        decoder->Play();
        // The thread stays until it is told to go, also after a failed stream.
        while (!isInterruptionRequested())
            msleep(kIdlePassMs);
    } catch (...) {
        warn() << "RtspThread: Exception occurred during playback";
    }
    if (!stopped.exchange(true)) {
        log() << "Stopping FFmpeg at thread exit";
        decoder->Stop();
    }
}

void RtspThread::stop()
{
    log() << "enter RtspThread::stop()";
    if (!isRunning()) {
        log() << "RtspThread is not running, skip stop operation";
        return;
    }
    if (stopped.load()) {
        log() << "RtspThread already stopped, skip duplicate stop operation";
        return;
    }
    if (ffmpeg) {
        log() << "Stopping FFmpeg before thread termination";
        stopped = true;
        ffmpeg->Stop();
    }
    requestInterruption();
    quit();
    if (!finishWithin(kFinishWaitMs)) {
        warn() << "RtspThread: Thread did not finish within timeout, waiting for it to end by itself";
        if (!finishWithin(kSecondWaitMs))
            warn() << "RtspThread: Thread still running after the waits; its decoder is kept until it finishes";
    }
    log() << "leave RtspThread::stop()";
}

bool RtspThread::finishWithin(int ms)
{
    const QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return wait(scaledMs(ms));
    QElapsedTimer clock;
    clock.start();
    const qint64 limit = timescale::scaled(ms);
    while (!wait(kEndPollMs)) {
        if (clock.elapsed() >= limit)
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

RtspThread::~RtspThread()
{
    log() << "enter ~RtspThread()";
    try {
        if (isRunning() && !stopped.load()) {
            if (ffmpeg) {
                log() << "Stopping FFmpeg in destructor";
                stopped = true;
                ffmpeg->Stop(QFFmpeg::StopWaits::Block);
            }
            requestInterruption();
            quit();
            if (!wait(scaledMs(kFinishWaitMs))) {
                warn() << "RtspThread: Thread did not finish within timeout in destructor, waiting for it to end";
                wait();
            }
        } else {
            log() << "RtspThread is not running or already stopped, no need to stop again";
            // A QThread object must not go while its thread runs.
            if (isRunning()) {
                requestInterruption();
                wait();
            }
        }
    } catch (...) {
        warn() << "Exception occurred while stopping FFmpeg in destructor";
    }
    log() << "leave ~RtspThread()";
}
