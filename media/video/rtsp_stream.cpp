#include "video/rtsp_stream.h"

#include "core/wait.h"
#include "video/qffmpeg.h"
#include "video/rtspthread.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSet>
#include <QPointer>
#include <QTimer>

#include <atomic>

namespace rtsp_stream {
namespace {

constexpr int kReapPollMs = 100; // how often a kept pair looks whether its thread has ended

std::atomic<int> gPending{0};

// Decoders whose start waits for their open, and those of them that stop let go of meanwhile:
// start releases such a pair when the open has ended. GUI thread only.
QSet<QFFmpeg *> gOpening;
QSet<QFFmpeg *> gReleasedWhileOpening;

void deletePair(QFFmpeg *decoder, RtspThread *thread)
{
    delete decoder;
    delete thread;
}

// Keeps a decoder and its still running thread until the thread has ended. They lose their
// parent, so that an owner destroyed meanwhile cannot delete them under the thread.
void keepUntilFinished(QFFmpeg *decoder, RtspThread *thread)
{
    qWarning().noquote() << "rtsp_stream: decoding thread still running after stop; decoder and thread kept until it finishes";
    if (decoder)
        decoder->setParent(nullptr);
    thread->setParent(nullptr);
    ++gPending;
    auto *poll = new QTimer;
    poll->setInterval(kReapPollMs);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, decoder, thread] {
        if (!thread->isFinished())
            return;
        poll->stop();
        thread->wait(); // returns at once: run() has ended
        deletePair(decoder, thread);
        --gPending;
        qDebug().noquote() << "rtsp_stream: finished decoding thread released with its decoder";
        poll->deleteLater();
    });
    poll->start();
}

} // namespace

void create(QObject *owner, const QString &url, int width, int height, QFFmpeg *&decoder, RtspThread *&thread)
{
    decoder = new QFFmpeg(owner);
    decoder->imageWidth = width;
    decoder->imageHeight = height;
    decoder->url = url;
    thread = new RtspThread(owner);
}

bool start(QFFmpeg *decoder, RtspThread *thread)
{
    if (!decoder || !thread)
        return false;
    const QPointer<QFFmpeg> d(decoder);
    const QPointer<RtspThread> t(thread);
    bool ended = false;
    bool started = false;
    QObject context; // the result's delivery ends with this call
    QObject::connect(decoder, &QFFmpeg::Opened, &context, [&](bool ok) {
        ended = true;
        if (!ok || !d || !t || d->openCancelled() || gReleasedWhileOpening.contains(d))
            return;
        t->ffmpeg = d;
        t->start();
        started = true;
    });
    // A second start of the same decoder would wait for an Opened that never comes.
    if (!decoder->InitInBackground())
        return false;
    gOpening.insert(decoder);
    // The result comes as a queued call, after any box the open asked for. The decoder's own
    // destruction (its owner went) also ends the wait: the destructor waited for the open.
    while (!ended && d)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    gOpening.remove(decoder);
    if (gReleasedWhileOpening.remove(decoder)) {
        RtspThread *kept = t.data();
        deletePair(d.data(), kept);
        --gPending;
        qDebug().noquote() << "rtsp_stream: stream let go while opening released with its thread";
        return false;
    }
    return started;
}

void stop(QFFmpeg *&decoder, RtspThread *&thread, const StopWaits &waits)
{
    QFFmpeg *d = decoder;
    RtspThread *t = thread;
    decoder = nullptr;
    thread = nullptr;

    if (d && waits.disconnectPictures)
        QObject::disconnect(d, &QFFmpeg::GetImage, nullptr, nullptr);
    // Nothing that runs during the waits below (an owner destroyed meanwhile) may delete them.
    if (d)
        d->setParent(nullptr);
    if (t)
        t->setParent(nullptr);
    if (d && gOpening.contains(d)) {
        // start still waits for this open: it gives up at once, and start releases both.
        qDebug().noquote() << "rtsp_stream: stream let go while opening; its open is cancelled";
        d->cancelOpen();
        gReleasedWhileOpening.insert(d);
        ++gPending;
        return;
    }
    if (d)
        d->Stop();
    if (waits.afterDecoderStopMs > 0)
        wait_ms(waits.afterDecoderStopMs);
    if (t)
        t->stop();
    if (waits.afterThreadStopMs > 0)
        wait_ms(waits.afterThreadStopMs);

    if (t && t->isRunning())
        keepUntilFinished(d, t);
    else
        deletePair(d, t);
}

int pendingCount() { return gPending.load(); }

} // namespace rtsp_stream
