#include "video/qffmpeg.h"

#include "seams/message_box.h"
#include "core/time_scale.h"
#include "core/wait.h"
#include "video/decoder_choice.h"
#include "video/ffmpeg_library.h"
#include "video/read_error_text.h"
#include "video/rtsp_log_alert.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QThread>

#include <cstdio>
#include <ctime>

int QFFmpeg::instanceCount = 0;
QMutex QFFmpeg::instanceMutex;
QList<AVFrame *> QFFmpeg::framePool;
QMutex QFFmpeg::framePoolMutex;

namespace {

constexpr int kAssumedWidth = 1920;  // used when the stream reports no size
constexpr int kAssumedHeight = 1080;
constexpr int kStopSettleMs = 50;     // lets a blocked read notice the trigger
constexpr int kStopPollMs = 10;
constexpr int kStopPolls = 20;        // Stop waits about 200 ms for Play to leave
constexpr int kDestructorPolls = 50;  // the destructor waits about 500 ms more

thread_local bool tAlertBoxesShown = true;

QDebug log() { return qDebug().noquote(); }
QDebug warn() { return qWarning().noquote(); }

// FFmpeg is loaded by the first decoder's open, off the GUI thread (ffmpeg_library). Its
// functions are called only where it is loaded: by a decoder that has made its FFmpeg objects
// (prepare), or after a look at ffmpegLoaded().
bool ffmpegLoaded() { return ffmpeg_library::loaded() != nullptr; }
const FfmpegLibrary &ff() { return *ffmpeg_library::loaded(); }

QString errorText(int code)
{
    char buffer[64] = {0};
    ff().av_strerror(code, buffer, sizeof buffer);
    return QString::fromLocal8Bit(buffer);
}

QString pixelFormatName(int format)
{
    const char *name = ff().av_get_pix_fmt_name(static_cast<AVPixelFormat>(format));
    return name ? QString::fromLatin1(name) : QStringLiteral("none");
}

QString deviceTypeName(AVHWDeviceType type)
{
    const char *name = ff().av_hwdevice_get_type_name(type);
    return name ? QString::fromLatin1(name) : QStringLiteral("none");
}

struct DeviceTypeName {
    const char *name;
    AVHWDeviceType type;
};

// The decoder type names of the Options tab that select one hardware device type.
const DeviceTypeName kNamedDeviceTypes[] = {
    {"DXVA2", AV_HWDEVICE_TYPE_DXVA2},
    {"D3D11VA", AV_HWDEVICE_TYPE_D3D11VA},
    {"CUDA", AV_HWDEVICE_TYPE_CUDA},
    {"QSV", AV_HWDEVICE_TYPE_QSV},
};

// The order in which the automatic choice tries the device types.
const AVHWDeviceType kAutomaticOrder[] = {
    AV_HWDEVICE_TYPE_QSV,
    AV_HWDEVICE_TYPE_D3D11VA,
    AV_HWDEVICE_TYPE_CUDA,
    AV_HWDEVICE_TYPE_DXVA2,
};

bool namedDeviceType(const QString &name, AVHWDeviceType *type)
{
    for (const DeviceTypeName &entry : kNamedDeviceTypes) {
        if (name == QLatin1String(entry.name)) {
            *type = entry.type;
            return true;
        }
    }
    return false;
}

bool isAutomaticName(const QString &name)
{
    return name == QLatin1String("AUTO") || name == QLatin1String("ANY");
}

void sleepMs(int ms) { QThread::msleep(static_cast<unsigned long>(timescale::scaled(ms))); }

// A pause of Stop: on the GUI thread the window's events go on meanwhile.
void pauseMs(int ms, bool handleEvents)
{
    if (handleEvents)
        wait_ms(ms);
    else
        sleepMs(ms);
}

bool onGuiThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

std::int64_t nowSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

// The warning box of an RTSP alert; widgets only ever live in the GUI thread.
void showAlertBox(const QString &text)
{
    msgbox::Request request;
    request.icon = QMessageBox::Warning;
    request.title = rtspLogAlertTitle();
    request.text = text;
    request.buttons = QMessageBox::Ok;
    request.parent = nullptr;
    msgbox::show(request);
}

} // namespace

QFFmpeg::QFFmpeg(QObject *parent)
    : QObject(parent)
{
    hwAccel = gHwAccelEnabled;
    AVHWDeviceType named = AV_HWDEVICE_TYPE_NONE;
    if (namedDeviceType(gDecoderType, &named))
        hwDeviceType = named;
    {
        QMutexLocker locker(&instanceMutex);
        ++instanceCount;
        log() << "QFFmpeg instance created, total count:" << instanceCount;
    }
    // The first decoder's open loads FFmpeg and makes these objects then, on its own thread.
    if (ffmpegLoaded())
        prepare();
}

void QFFmpeg::prepare()
{
    prepared = true;
    ff().av_log_set_level(AV_LOG_DEBUG);
    ff().av_log_set_callback(&QFFmpeg::ff_log_callback);
    ff().avformat_network_init();
    pAVFormatContext = ff().avformat_alloc_context();
    pAVFrame = ff().av_frame_alloc();
    pAVFrameRGB = ff().av_frame_alloc();
}

QFFmpeg::~QFFmpeg()
{
    log() << "enter ~QFFmpeg";
    if (opener) {
        // Init still works on this object: it gives up at once and is waited for.
        if (openActive.load()) {
            warn() << "QFFmpeg::Open still running, cancelling it before cleanup";
            cancelOpen();
        }
        opener->wait();
        delete opener;
        opener = nullptr;
    }
    if (playState.load() == 1) {
        log() << "QFFmpeg::Stopping playback before cleanup";
        Stop(StopWaits::Block);
        for (int i = 0; i < kDestructorPolls && playActive.load() && playState.load() != -1; ++i)
            sleepMs(kStopPollMs);
    }
    // Nothing below may run while Play, or the thread that ran it, can still touch this object.
    waitForPlayToLeave();
    log() << "leave 1111";

    QMutexLocker locker(&mutex);
    log() << "QFFmpeg::Resource cleanup started with mutex protection";
    if (pAVFormatContext)
        pAVFormatContext->interrupt_callback = AVIOInterruptCB{nullptr, nullptr};
    if (pHwSwsContext) {
        ff().sws_freeContext(pHwSwsContext);
        pHwSwsContext = nullptr;
        hwScaling = false;
    }
    if (outBuffer)
        ff().av_freep(&outBuffer);
    outBufferSize = 0;
    log() << "leave 11";

    // The frames go back before the count drops, so that the last decoder leaves the pool empty.
    releaseFrame(pAVFrame);
    pAVFrame = nullptr;
    releaseFrame(pHwFrame);
    pHwFrame = nullptr;
    log() << "leave 1";

    {
        QMutexLocker countLocker(&instanceMutex);
        --instanceCount;
        log() << "QFFmpeg instance destroyed, remaining count:" << instanceCount;
        if (instanceCount <= 0) {
            log() << "Cleaning up frame pool";
            QMutexLocker poolLocker(&framePoolMutex);
            for (AVFrame *frame : qAsConst(framePool))
                ff().av_frame_free(&frame);
            framePool.clear();
        }
    }
    log() << "leave 2";

    try {
        if (pAVCodecContext) {
            // Only an opened decoder has anything to flush.
            if (ff().avcodec_is_open(pAVCodecContext))
                ff().avcodec_flush_buffers(pAVCodecContext);
            ff().avcodec_free_context(&pAVCodecContext);
            log() << "QFFmpeg::Successfully freed codec context";
        }
    } catch (...) {
        warn() << "QFFmpeg::Exception during codec context cleanup";
    }
    log() << "leave 3";

    if (hwDeviceCtx)
        ff().av_buffer_unref(&hwDeviceCtx);
    log() << "leave 4";

    try {
        if (pAVFormatContext) {
            closeStream();
            log() << "Successfully closed format context";
        }
    } catch (...) {
        warn() << "Exception during format context cleanup";
    }
    log() << "leave 5";

    if (pSwsContext) {
        ff().sws_freeContext(pSwsContext);
        pSwsContext = nullptr;
    }
    if (ffmpegLoaded()) {
        ff().av_frame_free(&pAVFrameRGB);
        ff().av_packet_unref(&avPacket);
    }
    initialized = false;
    playState = 0;
    log() << "leave 6";
    log() << "QFFmpeg::QFFmpeg destructor completed successfully";
    log() << "~QFFmpeg exit";
}

void QFFmpeg::waitForPlayToLeave()
{
    if (playActive.load()) {
        warn() << "QFFmpeg::Play still running, waiting for it to leave before cleanup";
        playState = 0;
        interruptRecord.stopTriggered = true;
        while (playActive.load())
            QThread::msleep(kStopPollMs);
    }
    QThread *thread = nullptr;
    {
        QMutexLocker locker(&playThreadMutex);
        thread = playThread.data();
    }
    // The thread that ran Play may still hold this decoder (it stops it on its way out).
    if (thread && thread != QThread::currentThread() && thread->isRunning()) {
        warn() << "QFFmpeg::Decoding thread still running, waiting for it to finish before cleanup";
        thread->requestInterruption();
        thread->wait();
    }
}

void QFFmpeg::closeStream()
{
    if (!pAVFormatContext)
        return;
    pAVFormatContext->interrupt_callback = AVIOInterruptCB{nullptr, nullptr};
    if (formatOpened)
        ff().avformat_close_input(&pAVFormatContext);
    else
        ff().avformat_free_context(pAVFormatContext);
    pAVFormatContext = nullptr;
    formatOpened = false;
}

void QFFmpeg::freeConversion()
{
    ff().av_freep(&outBuffer);
    outBufferSize = 0;
    if (pSwsContext) {
        ff().sws_freeContext(pSwsContext);
        pSwsContext = nullptr;
    }
    if (pHwSwsContext) {
        ff().sws_freeContext(pHwSwsContext);
        pHwSwsContext = nullptr;
    }
    hwScaling = false;
}

void QFFmpeg::abandonInit()
{
    // Each part goes only when it is there, and once: a later Init or the destructor finds
    // nothing of it left to free.
    freeConversion();
    releaseFrame(pHwFrame);
    pHwFrame = nullptr;
    ff().av_buffer_unref(&hwDeviceCtx);
    ff().avcodec_free_context(&pAVCodecContext);
    closeStream();
}

bool QFFmpeg::Init()
{
    if (initialized.load())
        return true;
    if (!prepared) {
        QString why;
        if (!ffmpeg_library::load(&why)) {
            warn() << "QFFmpeg::Init failed: FFmpeg is not loaded:" << why;
            return false;
        }
        prepare();
    }
    if (!pAVFormatContext || !pAVFrame || !pAVFrameRGB) {
        warn() << "QFFmpeg::Init failed: no format context or frames to open the stream with";
        return false;
    }
    if (imageWidth < 1 || imageHeight < 1) {
        warn() << "QFFmpeg::Init failed: picture size" << imageWidth << "x" << imageHeight;
        return false;
    }

    // At most 1 s of the stream is analysed before the first picture (microseconds).
    AVDictionary *options = nullptr;
    ff().av_dict_set(&options, "rtsp_transport", "tcp", 0);
    // No socket time-out: a 50 ms one would end any stream that pauses; the 5 s watchdog judges.
    ff().av_dict_set(&options, "probesize", "32768", 0);
    ff().av_dict_set(&options, "analyzeduration", "1000000", 0);

    pAVFormatContext->interrupt_callback.callback = &QFFmpeg::interruptCallback;
    pAVFormatContext->interrupt_callback.opaque = &interruptRecord;
    interruptRecord.lastReadTime = nowSeconds();
    log() << " QFFmpeg:: enter avformat_open_input,url [" + url + "]";

    const QByteArray address = url.toUtf8();
    int result = ff().avformat_open_input(&pAVFormatContext, address.constData(), nullptr, &options);
    log() << " QFFmpeg:: leave avformat_open_input";
    if (result != 0) {
        warn() << "QFFmpeg::Init failed:avformat_open_input failed" << result << errorText(result);
        ff().av_dict_free(&options);
        // FFmpeg frees a context it could not open; one still held is freed here.
        abandonInit();
        return false;
    }
    formatOpened = true;
    interruptRecord.lastReadTime = nowSeconds();
    ff().av_dict_free(&options);
    log() << "result: " << result;

    result = ff().avformat_find_stream_info(pAVFormatContext, nullptr);
    if (result < 0) {
        warn() << "QFFmpeg::Init failed:avformat_find_stream_info failed";
        abandonInit();
        return false;
    }
    log() << "QFFmpeg::avformat_find_stream_info result: " << result;

    videoStreamIndex = -1;
    for (unsigned i = 0; i < pAVFormatContext->nb_streams; ++i) {
        if (pAVFormatContext->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
            videoStreamIndex = int(i);
            break;
        }
    }
    if (videoStreamIndex < 0) {
        warn() << "QFFmpeg::Init failed:videoStreamIndex failed";
        abandonInit();
        return false;
    }

    pAVCodecContext = ff().avcodec_alloc_context3(nullptr);
    if (!pAVCodecContext) {
        warn() << "QFFmpeg::Failed to allocate codec context";
        abandonInit();
        return false;
    }
    if (ff().avcodec_parameters_to_context(pAVCodecContext, pAVFormatContext->streams[videoStreamIndex]->codecpar) < 0) {
        warn() << "QFFmpeg::Failed to copy codec parameters to codec context";
        abandonInit();
        return false;
    }

    videoWidth = pAVCodecContext->width;
    videoHeight = pAVCodecContext->height;
    if (videoWidth <= 0 || videoHeight <= 0) {
        warn() << "QFFmpeg::Init failed:the video stream resolution is error!";
        videoWidth = kAssumedWidth;
        videoHeight = kAssumedHeight;
    }

    outBufferSize = ff().av_image_get_buffer_size(AV_PIX_FMT_RGB24, imageWidth, imageHeight, 1);
    outBuffer = outBufferSize > 0 ? static_cast<uint8_t *>(ff().av_malloc(size_t(outBufferSize))) : nullptr;
    if (!outBuffer
        || ff().av_image_fill_arrays(pAVFrameRGB->data, pAVFrameRGB->linesize, outBuffer, AV_PIX_FMT_RGB24,
                                imageWidth, imageHeight, 1) < 0) {
        warn() << "QFFmpeg::Init failed: no picture buffer of" << imageWidth << "x" << imageHeight;
        abandonInit();
        return false;
    }
    log() << "QFFmpeg::Init: videoWidth:" << videoWidth << ",videoHeight:" << videoHeight;

    pAVCodec = ff().avcodec_find_decoder(pAVCodecContext->codec_id);
    if (!pAVCodec) {
        warn() << "QFFmpeg::Failed to find decoder";
        abandonInit();
        return false;
    }

    if (hwAccel)
        setUpHardware();

    // The scaler starts from the format the decoding path normally yields; a picture that
    // arrives in another format or size gets its own scaler (scalerFor).
    swsSourceFormat = hwAccel ? AV_PIX_FMT_NV12 : AV_PIX_FMT_YUV420P;
    swsSourceWidth = videoWidth;
    swsSourceHeight = videoHeight;
    pSwsContext = ff().sws_getContext(videoWidth, videoHeight, swsSourceFormat, imageWidth, imageHeight,
                                 AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr);

    if (hwAccel && hwDeviceType == AV_HWDEVICE_TYPE_CUDA) {
        pHwSwsContext = ff().sws_getContext(videoWidth, videoHeight, AV_PIX_FMT_NV12, imageWidth, imageHeight,
                                       AV_PIX_FMT_RGB24, SWS_FAST_BILINEAR, nullptr, nullptr, nullptr);
        if (pHwSwsContext) {
            hwScaling = true;
            log() << "QFFmpeg::Hardware scaling context created successfully";
        }
    }

    ff().av_frame_free(&pAVFrame);
    pAVFrame = acquireFrame();
    if (hwAccel) {
        ff().av_frame_free(&pHwFrame);
        pHwFrame = acquireFrame();
    }

    if (!pAVFrame || (hwAccel && !pHwFrame) || ff().avcodec_open2(pAVCodecContext, pAVCodec, nullptr) < 0) {
        warn() << "QFFmpeg::Init failed:avcodec_open2 failed";
        abandonInit();
        return false;
    }

    log() << "QFFmpeg::Init suscess";
    log() << "videoWidth=" << videoWidth;
    log() << "videoHeight=" << videoHeight;
    initialized = true;
    return true;
}

bool QFFmpeg::InitInBackground()
{
    if (opener) {
        warn() << "QFFmpeg::InitInBackground refused: a decoder is opened once";
        return false;
    }
    openActive = true;
    opener = QThread::create([this] {
        const bool ok = Init();
        openActive = false;
        emit Opened(ok);
    });
    opener->setObjectName(QStringLiteral("rtsp open"));
    opener->start();
    return true;
}

void QFFmpeg::cancelOpen()
{
    if (!openActive.load())
        return;
    openWasCancelled = true;
    interruptRecord.stopTriggered = true;
    log() << "QFFmpeg::Open cancelled, interrupting it";
}

void QFFmpeg::interrupt()
{
    std::int8_t mayPlay = 1;
    playState.compare_exchange_strong(mayPlay, 0);
    interruptRecord.stopTriggered = true;
    if (openActive.load())
        openWasCancelled = true;
    log() << "QFFmpeg::Interrupted by its owner";
}

void QFFmpeg::setAlertBoxesOnThisThread(bool shown) { tAlertBoxesShown = shown; }

bool QFFmpeg::setUpHardware()
{
    const QString name = gDecoderType;
    bool wanted = true;
    AVHWDeviceType type = AV_HWDEVICE_TYPE_NONE;
    if (namedDeviceType(name, &type)) {
        hwDeviceType = type;
        if (!isHwTypeSupported(type)) {
            warn() << "QFFmpeg::Specified hardware acceleration type" << name << "is not supported by the system";
            warn() << "QFFmpeg::Falling back to auto detection mode";
            hwDeviceType = AV_HWDEVICE_TYPE_NONE;
        }
    } else if (isAutomaticName(name)) {
        hwDeviceType = AV_HWDEVICE_TYPE_NONE;
    } else {
        wanted = false;
    }

    if (!wanted || !createHwDeviceContext()) {
        warn() << "QFFmpeg::Hardware acceleration initialization failed, falling back to software decoding";
        hwAccel = false;
        return false;
    }
    pAVCodecContext->hw_device_ctx = ff().av_buffer_ref(hwDeviceCtx);
    pAVCodecContext->get_format = &QFFmpeg::getHwFormat;
    pAVCodecContext->opaque = this;
    pHwFrame = ff().av_frame_alloc();
    if (!pAVCodecContext->hw_device_ctx || !pHwFrame) {
        warn() << "QFFmpeg::Failed to allocate hardware frame";
        // Software decoding must not be handed hardware surfaces it cannot read.
        ff().av_buffer_unref(&pAVCodecContext->hw_device_ctx);
        pAVCodecContext->get_format = ff().avcodec_default_get_format;
        ff().av_buffer_unref(&hwDeviceCtx);
        ff().av_frame_free(&pHwFrame);
        hwAccel = false;
        return false;
    }
    return true;
}

bool QFFmpeg::isHwTypeSupported(AVHWDeviceType type)
{
    if (!ffmpeg_library::load())
        return false;
    AVBufferRef *probe = nullptr;
    const int result = ff().av_hwdevice_ctx_create(&probe, type, nullptr, nullptr, 0);
    if (result >= 0) {
        log() << "QFFmpeg::Hardware acceleration type supported:" << deviceTypeName(type);
        ff().av_buffer_unref(&probe);
        return true;
    }
    warn() << "QFFmpeg::Hardware acceleration type not supported:" << deviceTypeName(type) << " Error:" << result
           << "-" << errorText(result);
    return false;
}

bool QFFmpeg::createHwDeviceContext()
{
    if (!pAVCodec)
        return false;
    const bool decoderHasCapabilities = pAVCodec->capabilities != 0;

    auto tryType = [this](AVHWDeviceType type) {
        for (int i = 0;; ++i) {
            const AVCodecHWConfig *config = ff().avcodec_get_hw_config(pAVCodec, i);
            if (!config)
                return false;
            if (!(config->methods & AV_CODEC_HW_CONFIG_METHOD_HW_DEVICE_CTX) || config->device_type != type)
                continue;
            hwPixelFormat = config->pix_fmt;
            const int result = ff().av_hwdevice_ctx_create(&hwDeviceCtx, type, nullptr, nullptr, 0);
            if (result >= 0) {
                hwDeviceType = type;
                log() << "QFFmpeg::Successfully created hardware device context:" << deviceTypeName(type);
                log() << "QFFmpeg::Hardware pixel format:" << pixelFormatName(hwPixelFormat);
                return true;
            }
            warn() << "QFFmpeg::Failed to create hardware device context for" << deviceTypeName(type) << ": Error"
                   << result << "-" << errorText(result);
        }
    };

    if (hwDeviceType != AV_HWDEVICE_TYPE_NONE) {
        if (decoderHasCapabilities && tryType(hwDeviceType))
            return true;
    } else if (decoderHasCapabilities) {
        for (AVHWDeviceType type : kAutomaticOrder) {
            if (tryType(type))
                return true;
        }
    }
    hwPixelFormat = AV_PIX_FMT_NONE;
    warn() << "QFFmpeg::Failed to create any hardware device context";
    return false;
}

enum AVPixelFormat QFFmpeg::getHwFormat(AVCodecContext *context, const enum AVPixelFormat *formats)
{
    auto *self = static_cast<QFFmpeg *>(context->opaque);
    const AVPixelFormat wanted = self ? self->hwPixelFormat : AV_PIX_FMT_NONE;
    bool offered = false;
    for (const AVPixelFormat *p = formats; *p != AV_PIX_FMT_NONE; ++p) {
        log() << "  " + pixelFormatName(*p);
        if (*p == wanted)
            offered = true;
    }
    if (offered && wanted != AV_PIX_FMT_NONE) {
        log() << "Selected hardware pixel format:" << pixelFormatName(wanted);
        return wanted;
    }
    warn() << "QFFmpeg::Failed to get HW surface format";
    return formats[0];
}

int QFFmpeg::interruptCallback(void *opaque)
{
    auto *record = static_cast<QFFmpegInterruptRecord *>(opaque);
    if (!record)
        return 0;
    const std::int64_t last = record->lastReadTime.load();
    if (last <= 0)
        return 0;
    if (record->stopTriggered.load() || record->watchdogFired.load())
        return 1;
    if (nowSeconds() - last > kWatchdogSeconds) {
        if (!record->watchdogFired.exchange(true))
            warn() << "QFFmpeg: Possible device disconnection or network failure";
        return 1;
    }
    return 0;
}

void QFFmpeg::ff_log_callback(void *, int level, const char *fmt, va_list vl)
{
    if ((level & 0xff) > AV_LOG_ERROR || !fmt)
        return;
    char buffer[1024];
    va_list copy;
    va_copy(copy, vl);
    std::vsnprintf(buffer, sizeof buffer, fmt, copy);
    va_end(copy);

    RtspLogAlert alert;
    if (!rtspLogAlertFor(QString::fromUtf8(buffer), &alert))
        return;
    warn() << alert.logLine;
    if (!tAlertBoxesShown)
        return;

    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    if (QThread::currentThread() == app->thread()) {
        showAlertBox(alert.warningText);
    } else {
        // FFmpeg reports from the decoding thread too; the box is shown by the GUI thread.
        const QString text = alert.warningText;
        QMetaObject::invokeMethod(app, [text] { showAlertBox(text); }, Qt::QueuedConnection);
    }
}

void QFFmpeg::Play()
{
    playActive = true;
    {
        QMutexLocker locker(&playThreadMutex);
        playThread = QThread::currentThread();
    }
    bool previousGavePicture = false;

    while (initialized.load() && playState.load() != 0) {
        int result = ff().av_read_frame(pAVFormatContext, &avPacket);
        if (result < 0) {
            if (playState.load() == 0)
                break;
            warn() << "QFFmpeg: av_read_frame failed with error code:" << result;
            warn() << readErrorClassText(result);
            emit FrameFailed();
            warn() << "QFFmpeg: FrameFailed signal emitted due to read failure";
            break;
        }
        interruptRecord.lastReadTime = nowSeconds();
        if (playState.load() == 0) {
            ff().av_packet_unref(&avPacket);
            break;
        }
        if (avPacket.stream_index != videoStreamIndex) {
            ff().av_packet_unref(&avPacket);
            continue;
        }

        result = ff().avcodec_send_packet(pAVCodecContext, &avPacket);
        if (result < 0) {
            warn() << "QFFmpeg::Error sending packet for decoding";
            emit FrameFailed();
            if (!previousGavePicture) {
                ff().av_packet_unref(&avPacket);
                continue;
            }
            // The previous picture is still in pAVFrame and goes out once more.
        } else if (!receivePicture()) {
            previousGavePicture = false;
            ff().av_packet_unref(&avPacket);
            continue;
        }

        if (playState.load() == 0) {
            log() << "QFFmpeg::Stop flag detected during frame processing";
            ff().av_packet_unref(&avPacket);
            break;
        }

        // A picture of another size than the stream announced ends the stream in both modes:
        // the owner reconnects, and nothing is ever converted with a scaler made for another
        // size.
        if (pAVFrame->width != videoWidth || pAVFrame->height != videoHeight) {
            emit FrameFailed();
            warn() << "QFFmpeg:: videoHeight:" << videoHeight << ",videoWidth:" << videoWidth;
            ff().av_packet_unref(&avPacket);
            break;
        }
        if (allFrames.load() || (avPacket.flags & AV_PKT_FLAG_KEY))
            get_av_frame();

        previousGavePicture = true;
        ff().av_packet_unref(&avPacket);
    }

    log() << "QFFmpeg::Play loop exited, performing cleanup";
    if (pAVCodecContext && ff().avcodec_is_open(pAVCodecContext)) {
        ff().avcodec_send_packet(pAVCodecContext, nullptr);
        AVFrame *drain = ff().av_frame_alloc();
        if (drain) {
            while (ff().avcodec_receive_frame(pAVCodecContext, drain) == 0)
                ff().av_frame_unref(drain);
            ff().av_frame_free(&drain);
        }
    }
    if (ffmpegLoaded())
        ff().av_packet_unref(&avPacket);
    log() << "QFFmpeg::Play method cleanup completed";
    playState = -1;
    playActive = false;
}

bool QFFmpeg::receivePicture()
{
    if (hwAccel && pHwFrame) {
        if (ff().avcodec_receive_frame(pAVCodecContext, pHwFrame) != 0) {
            log() << "QFFmpeg::Error during hardware decoding";
            return false;
        }
        ff().av_frame_unref(pAVFrame);
        if (pHwFrame->format == hwPixelFormat) {
            if (ff().av_hwframe_transfer_data(pAVFrame, pHwFrame, 0) < 0) {
                warn() << "QFFmpeg::Error transferring data from hardware frame";
                return false;
            }
        } else {
            // A picture the decoder made in system memory (after a negotiation without the
            // hardware format): copied into a buffer of its own format and size.
            pAVFrame->format = pHwFrame->format;
            pAVFrame->width = pHwFrame->width;
            pAVFrame->height = pHwFrame->height;
            if (ff().av_frame_get_buffer(pAVFrame, 0) < 0 || ff().av_frame_copy(pAVFrame, pHwFrame) < 0) {
                warn() << "QFFmpeg::Error copying decoded frame";
                ff().av_frame_unref(pAVFrame);
                return false;
            }
        }
        return true;
    }
    if (ff().avcodec_receive_frame(pAVCodecContext, pAVFrame) != 0) {
        log() << "QFFmpeg::Error during decoding";
        return false;
    }
    return true;
}

SwsContext *QFFmpeg::scalerFor(const AVFrame *frame)
{
    const auto format = static_cast<AVPixelFormat>(frame->format);
    if (hwScaling && pHwSwsContext && format == AV_PIX_FMT_NV12 && frame->width == videoWidth
        && frame->height == videoHeight)
        return pHwSwsContext;
    if (format == swsSourceFormat && frame->width == swsSourceWidth && frame->height == swsSourceHeight)
        return pSwsContext;
    SwsContext *scaler = ff().sws_getContext(frame->width, frame->height, format, imageWidth, imageHeight,
                                        AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!scaler) {
        warn() << "QFFmpeg::No scaler for pixel format" << pixelFormatName(format) << frame->width << "x"
               << frame->height;
        return nullptr;
    }
    log() << "QFFmpeg::Scaler made for pixel format" << pixelFormatName(format) << frame->width << "x"
          << frame->height;
    ff().sws_freeContext(pSwsContext);
    pSwsContext = scaler;
    swsSourceFormat = format;
    swsSourceWidth = frame->width;
    swsSourceHeight = frame->height;
    return pSwsContext;
}

void QFFmpeg::get_av_frame()
{
    QMutexLocker locker(&mutex);
    if (playState.load() == 0 || !pAVFrame || !pAVFrameRGB || !pSwsContext || !outBuffer || !pAVFrame->data[0]) {
        log() << "QFFmpeg::get_av_frame: Resources not available, skipping frame processing";
        return;
    }
    SwsContext *scaler = scalerFor(pAVFrame);
    const int rows = scaler ? ff().sws_scale(scaler, pAVFrame->data, pAVFrame->linesize, 0, pAVFrame->height,
                                        pAVFrameRGB->data, pAVFrameRGB->linesize)
                            : 0;
    if (rows < 1) {
        warn() << "QFFmpeg::Frame scaling failed";
        return;
    }
    const QImage view(outBuffer, imageWidth, imageHeight, pAVFrameRGB->linesize[0], QImage::Format_RGB888);
    emit GetImage(view.copy());
}

void QFFmpeg::Stop(StopWaits waits)
{
    const bool handleEvents = waits == StopWaits::HandleEvents && onGuiThread();
    log() << "enter QFFmpeg::Stop()";
    if (stopInProgress.exchange(true)) {
        log() << "Stop() already in progress, skipping duplicate call";
        return;
    }
    if (!initialized.load()) {
        playState = 0;
        stopInProgress = false;
        log() << "QFFmpeg::QFFmpeg was not properly initialized, performing simple cleanup";
        log() << "leave QFFmpeg::Stop() - simple cleanup completed";
        return;
    }

    playState = 0;
    if (pAVFormatContext && pAVFormatContext->interrupt_callback.callback) {
        interruptRecord.stopTriggered = true;
        log() << "QFFmpeg::Triggered interrupt callback to stop blocking operations";
        if (playActive.load())
            pauseMs(kStopSettleMs, handleEvents);
    } else {
        log() << "QFFmpeg::pAVFormatContext is NULL or interrupt callback not set, skipping interrupt handling";
    }

    log() << "QFFmpeg::Waiting for Play loop to exit...";
    for (int i = 0; i < kStopPolls; ++i) {
        // Play that never started or has already left needs no waiting.
        if (playState.load() == -1 || !playActive.load())
            break;
        pauseMs(kStopPollMs, handleEvents);
        if (i % 10 == 0)
            log() << "QFFmpeg::Still waiting for Play loop, iteration:" << i;
    }
    stopInProgress = false;
    log() << "QFFmpeg::leave QFFmpeg::Stop()";
}

AVFrame *QFFmpeg::acquireFrame()
{
    {
        QMutexLocker locker(&framePoolMutex);
        if (!framePool.isEmpty())
            return framePool.takeFirst();
    }
    const FfmpegLibrary *library = ffmpeg_library::load();
    return library ? library->av_frame_alloc() : nullptr;
}

void QFFmpeg::releaseFrame(AVFrame *frame)
{
    if (!frame)
        return;
    QMutexLocker locker(&framePoolMutex);
    if (framePool.size() >= kFramePoolLimit) {
        ff().av_frame_free(&frame);
        return;
    }
    ff().av_frame_unref(frame);
    framePool.append(frame);
}

int QFFmpeg::framePoolSize()
{
    QMutexLocker locker(&framePoolMutex);
    return framePool.size();
}

int QFFmpeg::instances()
{
    QMutexLocker locker(&instanceMutex);
    return instanceCount;
}

void QFFmpeg::networkDeinit()
{
    if (!ffmpegLoaded())
        return;
    try {
        ff().avformat_network_deinit();
        log() << "QFFmpeg::Network deinitialized successfully";
    } catch (...) {
        warn() << "QFFmpeg::Exception during network deinit";
    }
}

qint64 QFFmpeg::frameTimestamp()
{
    ++timestampCalls;
    return QDateTime::currentMSecsSinceEpoch();
}
