#include "picture_probe.h"

#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

PictureProbe::PictureProbe(QObject *parent)
    : QObject(parent)
{
}

PictureProbe::~PictureProbe()
{
    if (decoder || thread)
        stop();
}

bool PictureProbe::start(const QString &url, int width, int height, bool allFrames)
{
    rtsp_stream::create(this, url, width, height, decoder, thread);
    decoder->setAllFrames(allFrames);
    connect(decoder, &QFFmpeg::GetImage, this, [this](QImage image) {
        if (pictureCount == 0) {
            firstPicture = image;
            msToFirstPicture = clock.elapsed();
        }
        ++pictureCount;
        lastPicture = image;
        if (!sizes.contains(image.size()))
            sizes.append(image.size());
        if (!formats.contains(image.format()))
            formats.append(image.format());
        emit pictureArrived();
    }, Qt::QueuedConnection);
    connect(decoder, &QFFmpeg::FrameFailed, this, [this] {
        if (failureCount == 0)
            msAtFirstFailure = clock.elapsed();
        ++failureCount;
        emit failed();
    }, Qt::QueuedConnection);
    clock.start();
    return rtsp_stream::start(decoder, thread);
}

qint64 PictureProbe::stop(int afterDecoderStopMs, int afterThreadStopMs)
{
    QElapsedTimer timer;
    timer.start();
    rtsp_stream::stop(decoder, thread, {afterDecoderStopMs, afterThreadStopMs, true});
    return timer.elapsed();
}

bool PictureProbe::waitForPictures(int count, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (pictureCount < count && !deadline.hasExpired())
        QTest::qWait(20);
    return pictureCount >= count;
}

bool PictureProbe::waitForFailure(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (failureCount == 0 && !deadline.hasExpired())
        QTest::qWait(20);
    return failureCount > 0;
}
