#pragma once

#include <QThread>

#include <atomic>

class QFFmpeg;

// Runs one decoder's Play loop so that reading and decoding never block the GUI thread. It
// does not own the decoder: the decoder must outlive the thread's run (rtsp_stream keeps both
// until the thread has finished).
class RtspThread : public QThread
{
    Q_OBJECT

public:
    explicit RtspThread(QObject *parent = nullptr);
    ~RtspThread() override;

    // Stops the decoder and waits for the thread; on the GUI thread the window's events go on
    // during the waits. A thread that has not finished after the waits is left to finish by
    // itself: it is never terminated, since a thread killed inside FFmpeg can leave the
    // library's state broken.
    void stop();
    bool isStopped() const { return stopped.load(); }

    QFFmpeg *ffmpeg = nullptr; // set by the creator after a successful Init; not owned

protected:
    void run() override;

private:
    // Waits up to ms (scaled) for run() to end; on the GUI thread events are handled meanwhile.
    bool finishWithin(int ms);

    std::atomic<bool> stopped{false};
};
