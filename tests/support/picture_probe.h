#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>

class QFFmpeg;
class RtspThread;

// One live picture for a test, built and torn down with rtsp_stream as the program's owners
// do: counts the pictures and failures that reach the GUI thread and keeps a few pictures.
class PictureProbe : public QObject
{
    Q_OBJECT

public:
    explicit PictureProbe(QObject *parent = nullptr);
    ~PictureProbe() override; // stops a running picture

    // create + connect + start; false when the stream did not open.
    bool start(const QString &url, int width, int height, bool allFrames = true);
    // rtsp_stream::stop with the given waits; returns the milliseconds it took.
    qint64 stop(int afterDecoderStopMs = 0, int afterThreadStopMs = 0);
    // Pumps events until count pictures have arrived or timeoutMs passed.
    bool waitForPictures(int count, int timeoutMs);
    bool waitForFailure(int timeoutMs);

    QFFmpeg *decoder = nullptr;
    RtspThread *thread = nullptr;
    int pictureCount = 0;
    int failureCount = 0;
    QImage lastPicture;
    QList<QSize> sizes;     // every distinct size seen, in order
    QList<QImage::Format> formats;
};
