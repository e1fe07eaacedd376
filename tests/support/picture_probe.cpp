#include "picture_probe.h"

#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
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
        ++pictureCount;
        lastPicture = image;
        if (!sizes.contains(image.size()))
            sizes.append(image.size());
        if (!formats.contains(image.format()))
            formats.append(image.format());
    }, Qt::QueuedConnection);
    connect(decoder, &QFFmpeg::FrameFailed, this, [this] { ++failureCount; }, Qt::QueuedConnection);
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
