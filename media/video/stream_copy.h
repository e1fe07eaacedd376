#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

// Records a camera's RTSP stream into a file as it comes, without decoding it: the ffmpeg
// command copies the stream into a fragmented MP4, which stays playable however it ends. For
// the RTSP addresses that this system's libVLC cannot record. GUI thread.
class StreamCopy : public QObject
{
    Q_OBJECT

public:
    StreamCopy(const QString &url, const QString &file, QObject *parent = nullptr);
    ~StreamCopy() override;

    QString file() const { return target; }
    bool running() const { return process.state() != QProcess::NotRunning; }
    // Asks ffmpeg to close the file and deletes this object once it has ended; it is killed
    // when it has not ended within kFinishMs.
    void finish();

    static constexpr int kFinishMs = 5000;

private:
    QProcess process;
    QString target;
};
