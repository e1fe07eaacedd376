#pragma once

#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <cstdarg>
#include <cstdint>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/hwcontext.h>
#include <libswscale/swscale.h>
}

class QThread;

// What FFmpeg's interrupt callback is handed: when the last packet came and whether Stop has
// asked every blocking call to give up. Written by the decoding thread (reads) and the GUI
// thread (Stop), read by whichever thread is inside FFmpeg.
struct QFFmpegInterruptRecord {
    std::atomic<std::int64_t> lastReadTime{0}; // seconds since the epoch; 0 until Init
    std::atomic<bool> stopTriggered{false};
    // Latched when the watchdog fires: a stream once declared lost stays lost, even when the
    // demuxer still hands out a packet it had buffered (its parser's last frame).
    std::atomic<bool> watchdogFired{false};
};

// Turns one camera's RTSP stream into RGB pictures of the size its creator sets. Init opens
// the stream; InitInBackground runs it on a thread of its own and tells the result with Opened,
// so that the creator's (GUI) thread keeps turning while FFmpeg connects and probes. Play, the
// read-and-decode loop, runs on a decoding thread of its own (RtspThread) and hands every
// picture over queued with GetImage; a lost stream is reported once with FrameFailed. A
// watchdog in FFmpeg's interrupt callback makes any blocking network call give up after about
// 5 seconds without data.
class QFFmpeg : public QObject
{
    Q_OBJECT

public:
    explicit QFFmpeg(QObject *parent = nullptr);
    ~QFFmpeg() override;

    bool Init();
    // Runs Init on a thread of its own (once per decoder: false, and nothing runs, when it was
    // opened before); Opened carries its result. The decoder is not destroyed under a running
    // open: the destructor cancels it and waits.
    bool InitInBackground();
    bool opening() const { return openActive.load(); }
    // Makes a running open give up at FFmpeg's next look at the interrupt callback (a connect
    // that is let go meanwhile); once the open has ended it does nothing.
    void cancelOpen();
    bool openCancelled() const { return openWasCancelled.load(); }
    // Makes a blocking open or read give up at FFmpeg's next look, from any thread and without
    // waiting: an Init still opening fails, and Play leaves without reporting a failure. For an
    // owner whose own thread runs Init and Play (a preview player).
    void interrupt();
    // Whether FFmpeg's alerts (authentication, client and server errors) raised on the calling
    // thread show their warning box; they are logged either way. On by default; a thread whose
    // owner reports a failed open itself turns it off, so the installer sees one box.
    static void setAlertBoxesOnThisThread(bool shown);
    void Play();
    // Stop's short waits handle the GUI thread's events when it runs there (HandleEvents); a
    // destructor blocks instead, so that no event reaches an owner that is half destroyed.
    enum class StopWaits { HandleEvents, Block };
    void Stop(StopWaits waits = StopWaits::HandleEvents);
    void setAllFrames(bool all) { allFrames.store(all); }
    void get_av_frame();

    // Spare decoded frames shared by all decoders, at most kFramePoolLimit of them.
    static AVFrame *acquireFrame();
    static void releaseFrame(AVFrame *frame);
    static int framePoolSize();
    static int instances();

    bool isHwTypeSupported(AVHWDeviceType type);
    bool createHwDeviceContext();
    static void networkDeinit();
    qint64 frameTimestamp();

    // After Init: whether pictures are decoded on a hardware device, and the stream's size.
    bool hardwareDecoding() const { return hwAccel; }
    int streamWidth() const { return videoWidth; }
    int streamHeight() const { return videoHeight; }
    // How much of the stream, in microseconds, FFmpeg may analyse while opening it.
    qint64 analysisCapUs() const { return pAVFormatContext ? pAVFormatContext->max_analyze_duration : 0; }

    static constexpr int kFramePoolLimit = 10;
    static constexpr int kWatchdogSeconds = 5; // a stream silent for longer than this is lost

    // Set by the creator between construction and Init.
    QString url;
    int imageWidth = 480;
    int imageHeight = 270;

signals:
    void GetImage(QImage image);
    void FrameFailed();
    // Emitted on the opening thread when InitInBackground's open has ended.
    void Opened(bool ok);

private:
    static enum AVPixelFormat getHwFormat(AVCodecContext *context, const enum AVPixelFormat *formats);
    static int interruptCallback(void *opaque);
    static void ff_log_callback(void *avcl, int level, const char *fmt, va_list vl);

    // Sets FFmpeg's log level and callback up and makes this decoder's format context and
    // frames; FFmpeg must be loaded.
    void prepare();
    bool setUpHardware();
    bool receivePicture();
    SwsContext *scalerFor(const AVFrame *frame);
    void closeStream();
    void freeConversion();
    // Releases what a failed Init built.
    void abandonInit();
    void waitForPlayToLeave();

    bool prepared = false; // prepare has run
    QFFmpegInterruptRecord interruptRecord; // holds lastReadTime and Stop's trigger
    QMutex mutex;                           // one conversion or the teardown at a time
    AVFrame *pAVFrameRGB = nullptr;
    AVFormatContext *pAVFormatContext = nullptr;
    bool formatOpened = false;
    AVCodecContext *pAVCodecContext = nullptr;
    AVFrame *pAVFrame = nullptr;
    AVFrame *pHwFrame = nullptr;
    SwsContext *pSwsContext = nullptr;
    SwsContext *pHwSwsContext = nullptr;
    const AVCodec *pAVCodec = nullptr;
    AVPacket avPacket{};
    AVBufferRef *hwDeviceCtx = nullptr;
    AVHWDeviceType hwDeviceType = AV_HWDEVICE_TYPE_NONE;
    // The hardware configuration's format, per decoder so that the format negotiation of one
    // stream never sees another's choice.
    AVPixelFormat hwPixelFormat = AV_PIX_FMT_NONE;
    std::atomic<bool> allFrames{true};
    bool hwAccel = false;
    bool hwScaling = false;
    uint8_t *outBuffer = nullptr;
    int outBufferSize = 0;
    int videoWidth = 0;
    int videoHeight = 0;
    int videoStreamIndex = -1;
    std::atomic<bool> initialized{false};
    std::atomic<bool> stopInProgress{false};
    std::atomic<int8_t> playState{1}; // 1 may play, 0 stop requested, -1 Play has left

    // What the current scaler converts from: a picture of another size or format gets a
    // scaler of its own instead of being read as something it is not.
    AVPixelFormat swsSourceFormat = AV_PIX_FMT_NONE;
    int swsSourceWidth = 0;
    int swsSourceHeight = 0;

    // Whether Play is inside its loop, and the thread it runs on, so that teardown never
    // happens under it.
    std::atomic<bool> playActive{false};
    QMutex playThreadMutex;
    QPointer<QThread> playThread;
    std::atomic<qint64> timestampCalls{0};

    QThread *opener = nullptr; // the thread of InitInBackground
    std::atomic<bool> openActive{false};
    std::atomic<bool> openWasCancelled{false};

    static int instanceCount;
    static QMutex instanceMutex;
    static QList<AVFrame *> framePool;
    static QMutex framePoolMutex;
};
