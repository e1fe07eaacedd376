#include "video/vlcthread.h"

#include "core/media_address.h"
#include "core/reachability.h"
#include "core/time_scale.h"
#include "video/qffmpeg.h"
#include "video/stream_copy.h"
#include "video/vlc_library.h"
#include "video/vlc_record.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include <mutex>
#include <vector>

// libVLC's picture buffer of one player in callback mode, handed to its video callbacks.
struct VlcFrameContext {
    QMutex mutex;
    VlcThread *thread = nullptr;
    std::vector<uchar> buffer;
    int width = 0;
    int height = 0;
};

namespace {
constexpr int kPollSleepMs = 300;    // between two position polls of a local file
constexpr int kLoopSleepMs = 1;      // the run loop's look at its flags
constexpr int kFinishSleepMs = 100;  // lets libVLC's last callbacks run out before free()
constexpr int kRenameSleepMs = 300;  // lets libVLC close the last recording before it is named
constexpr int kRenameDelayMs = 2000; // lets libVLC close a segment before it is named
constexpr int kPlayInfoDelayMs = 1000;
constexpr int kMediaInfoDelayMs = 2000;
constexpr int kRepeatMarginMs = 500; // a repeating file jumps back this close to its end
constexpr int kMinSegmentSeconds = 10;

QString stamp() { return QTime::currentTime().toString(QStringLiteral("HH:mm:ss zzz")); }
QDebug log() { return qDebug().noquote(); }

const libvlc_event_type_t kEvents[] = {
    libvlc_MediaPlayerLengthChanged, libvlc_MediaPlayerTimeChanged, libvlc_MediaPlayerPositionChanged,
    libvlc_MediaParsedChanged,       libvlc_MediaPlayerOpening,     libvlc_MediaPlayerPlaying,
    libvlc_MediaPlayerPaused,        libvlc_MediaPlayerStopped,     libvlc_MediaPlayerEndReached,
    libvlc_MediaPlayerEncounteredError,
};

// This system's video capture devices, for the capture-device addresses.
QList<media_address::CaptureDevice> captureDevices()
{
    QList<media_address::CaptureDevice> devices;
    const QDir sys(QStringLiteral("/sys/class/video4linux"));
    for (const QString &entry : sys.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QFile nameFile(sys.filePath(entry + QStringLiteral("/name")));
        QString name;
        if (nameFile.open(QIODevice::ReadOnly))
            name = QString::fromUtf8(nameFile.readAll()).trimmed();
        devices.append({QStringLiteral("/dev/") + entry, name});
    }
    return devices;
}

// libVLC's functions, for the calls made with a player, media or instance at hand: they exist
// only once a load has succeeded.
const VlcLibrary *vlc() { return vlc_library::loaded(); }

// The first libVLC start loads libVLC, on its player's thread. A failed load is logged once by
// vlc_library; each start then fails as one whose instance cannot be made.
bool loadVlc()
{
    static std::once_flag versionLogged;
    if (!vlc_library::load())
        return false;
    std::call_once(versionLogged, [] { log() << stamp() << "init vlc lib ok" << vlc()->libvlc_get_version(); });
    return true;
}
} // namespace

VlcThread::VlcThread(QObject *parent)
    : QThread(parent), lastTimeMs(QDateTime::currentMSecsSinceEpoch())
{
    setObjectName(QStringLiteral("VlcThread"));
    savePath = QCoreApplication::applicationDirPath();
    fileName = QStringLiteral("%1/%2_%3.mp4")
                   .arg(savePath, fileFlag, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss")));
    saveTimer.setInterval(60000);
    connect(&saveTimer, &QTimer::timeout, this, QOverload<>::of(&VlcThread::saveVideo));
    connect(this, &VlcThread::receivePlayFinsh, &saveTimer, &QTimer::stop);
    // The first segment is recorded once the player has an input to record from.
    connect(this, &VlcThread::receivePlayStart, this, [this] {
        if (!saveFile)
            return;
        if (rtspPath()) {
            if (saveInterval == 0 && !singleCopyFile.isEmpty())
                startCopy(singleCopyFile);
            else if (saveInterval > kMinSegmentSeconds - 1 && !copy)
                startCopy(fileName + QStringLiteral(".mp4"));
        } else if (saveInterval > kMinSegmentSeconds - 1 && !recording) {
            QMutexLocker locker(&mutex);
            QString folder;
            media_address::splitPath(fileName, &folder, nullptr);
            QMutexLocker player(&playerMutex);
            recording = vlc_record::setRecording(vlcPlayer, folder, true);
        }
    });
}

VlcThread::~VlcThread()
{
    saveTimer.stop();
    if (isRunning()) {
        stop();
        wait();
    }
}

bool VlcThread::rtspPath() const { return media_address::isRtsp(url); }

bool VlcThread::getPicturesByCallback() const { return callback || rtspPath(); }

void VlcThread::touchLastTime() { lastTimeMs = QDateTime::currentMSecsSinceEpoch(); }

void VlcThread::setUrl(const QString &address)
{
    const media_address::Classified c = media_address::classify(address);
    url = c.url;
    if (address.isEmpty())
        return;
    isNetStream = c.isNetStream;
    isDshow = c.isDshow;
}

QStringList VlcThread::instanceArguments() const
{
    return {QStringLiteral("-I"), QStringLiteral("dummy"), QStringLiteral("--no-osd"), QStringLiteral("--no-stats"),
            QStringLiteral("--ignore-config"), QStringLiteral("--no-video-on-top"),
            QStringLiteral("--no-video-title-show"), QStringLiteral("--no-snapshot-preview"),
            media_address::demuxArgument(url), QStringLiteral("--meta-title=") + fileFlag};
}

// ---------------------------------------------------------------------------------------------
// Start and teardown (the player thread).

bool VlcThread::probe()
{
    if (!checkConn || !isNetStream)
        return true;
    const media_address::ProbeTarget target = media_address::probeTarget(url);
    if (reachability::portAccepts(target.host, target.port, checkTime, &isStop))
        return true;
    log() << stamp() << url << "connect error";
    return false;
}

bool VlcThread::init()
{
    if (url.isEmpty())
        return false;
    activeUrl = url;
    return rtspPath() ? initRtsp() : initVlc();
}

bool VlcThread::initVlc()
{
    if (!probe())
        return false;
    if (!loadVlc())
        return false;
    QElapsedTimer clock;
    clock.start();

    const QStringList arguments = instanceArguments();
    QList<QByteArray> bytes;
    for (int i = 0; i < arguments.size(); ++i)
        bytes << (i == arguments.size() - 1 ? arguments.at(i).toLatin1() : arguments.at(i).toUtf8());
    std::vector<const char *> argv;
    for (const QByteArray &b : qAsConst(bytes))
        argv.push_back(b.constData());
    libvlc_instance_t *instance = vlc()->libvlc_new(int(argv.size()), argv.data());
    if (!instance)
        return false;

    libvlc_media_t *media = nullptr;
    QStringList captureOptions;
    if (isDshow) {
        // A DirectShow device name is looked up among this system's V4L2 capture devices.
        const media_address::CaptureMedia capture = media_address::v4l2ForDshow(url, captureDevices());
        if (capture.found) {
            media = vlc()->libvlc_media_new_location(instance, capture.location.toUtf8().constData());
            captureOptions = capture.options;
            log() << stamp() << fileFlag << "capture device" << url << "->" << capture.location;
        } else {
            log() << stamp() << fileFlag << "no capture device for" << url;
        }
    } else if (media_address::opensAsLocation(url, isNetStream, isDshow)) {
        media = vlc()->libvlc_media_new_location(instance, url.toUtf8().constData());
    } else {
        media = vlc()->libvlc_media_new_path(instance, QDir::toNativeSeparators(url).toUtf8().constData());
    }
    if (!media) {
        vlc()->libvlc_release(instance);
        return false;
    }
    libvlc_media_player_t *player = vlc()->libvlc_media_player_new_from_media(media);
    if (!player) {
        vlc()->libvlc_media_release(media);
        vlc()->libvlc_release(instance);
        return false;
    }
    vlc()->libvlc_video_set_key_input(player, 0);
    vlc()->libvlc_video_set_mouse_input(player, 0);

    if (callback) {
        frameContext = new VlcFrameContext;
        frameContext->thread = this;
        frameContext->width = bufferWidth;
        frameContext->height = bufferHeight;
        frameContext->buffer.assign(size_t(bufferWidth) * size_t(bufferHeight) * 4, 0);
        vlc()->libvlc_video_set_callbacks(player, &VlcThread::lockPicture, &VlcThread::unlockPicture,
                                          &VlcThread::displayPicture, frameContext);
        vlc()->libvlc_video_set_format(player, "RV32", unsigned(bufferWidth), unsigned(bufferHeight), unsigned(bufferWidth * 4));
    } else {
        if (!windowId) {
            vlc()->libvlc_media_player_release(player);
            vlc()->libvlc_media_release(media);
            vlc()->libvlc_release(instance);
            return false;
        }
        vlc()->libvlc_media_player_set_xwindow(player, uint32_t(windowId));
    }
    {
        QMutexLocker locker(&playerMutex);
        vlcInst = instance;
        vlcMedia = media;
        vlcPlayer = player;
    }

    setOption(QStringLiteral(":avcodec-hw=") + hardware);
    setOption(QStringLiteral(":rtsp-") + transport);
    setOption(QStringLiteral(":network-caching=") + QString::number(caching));
    if (isDshow)
        for (const QString &option : qAsConst(captureOptions))
            setOption(option);
    if (videoWidth != 16 || videoHeight != 9)
        vlc()->libvlc_video_set_aspect_ratio(player, QStringLiteral("%1:%2").arg(videoWidth).arg(videoHeight).toUtf8().constData());
    if (saveFile && saveInterval == 0)
        saveOne(fileName);

    vlcEvent = vlc()->libvlc_media_player_event_manager(player);
    for (libvlc_event_type_t type : kEvents)
        vlc()->libvlc_event_attach(vlcEvent, type, &VlcThread::onVlcEvent, this);
    vlc()->libvlc_media_player_play(player);
    log() << stamp() << fileFlag
          << QStringLiteral("初始化完 -> 用时: %1 秒  地址: %2").arg(double(clock.elapsed()) / 1000.0, 0, 'f', 3).arg(url);
    return true;
}

bool VlcThread::initRtsp()
{
    if (!probe())
        return false;
    auto *d = new QFFmpeg;
    d->url = url;
    d->imageWidth = bufferWidth;
    d->imageHeight = bufferHeight;
    // Both arrive on this thread, inside Play.
    connect(d, &QFFmpeg::GetImage, d, [this](QImage picture) {
        if (!rtspPaused.load())
            offerPicture(picture);
    }, Qt::DirectConnection);
    connect(d, &QFFmpeg::FrameFailed, d, [this, d] {
        isStop = true;
        d->interrupt();
    }, Qt::DirectConnection);
    {
        QMutexLocker locker(&decoderMutex);
        decoder = d;
    }
    if (isStop.load())
        d->interrupt(); // stopped before the decoder was there to be told
    rtspState = Opening;
    const bool opened = d->Init();
    if (!opened || isStop.load()) {
        rtspState = Error;
        return false;
    }
    rtspState = Playing;
    if (saveFile && saveInterval == 0)
        saveOne(fileName);
    log() << stamp() << fileFlag << QStringLiteral("初始化完 -> 地址: %1").arg(url);
    return true;
}

void VlcThread::playRtsp()
{
    QFFmpeg *d = nullptr;
    {
        QMutexLocker locker(&decoderMutex);
        d = decoder;
    }
    if (d)
        d->Play();
    rtspState = userStopped.load() ? Stopped : Ended;
}

void VlcThread::run()
{
    // This thread's owner reports a failed open by receivePlayError: one box, not FFmpeg's too.
    QFFmpeg::setAlertBoxesOnThisThread(false);
    while (!isStop.load()) {
        if (isPlay.load()) {
            if (init()) {
                isPlay = false;
                if (isStop.load())
                    break;
                emit receivePlayStart();
                if (rtspPath()) {
                    playRtsp();
                    break;
                }
                continue;
            }
            if (!isStop.load())
                emit receivePlayError();
            break;
        }
        if (!isNetStream && isPolling.load()) {
            readPosition();
            msleep(kPollSleepMs);
        }
        msleep(kLoopSleepMs);
    }
    msleep(kFinishSleepMs);
    free();
    emit receivePlayFinsh();
    log() << stamp() << fileFlag << "stop vlc thread";
}

void VlcThread::free()
{
    libvlc_instance_t *instance = nullptr;
    libvlc_media_t *media = nullptr;
    libvlc_media_player_t *player = nullptr;
    {
        QMutexLocker locker(&playerMutex);
        if (saveFile && vlcPlayer && recording)
            recording = !vlc_record::setRecording(vlcPlayer, QString(), false);
        instance = vlcInst;
        media = vlcMedia;
        player = vlcPlayer;
        vlcInst = nullptr;
        vlcMedia = nullptr;
        vlcPlayer = nullptr;
    }
    if (vlcEvent) {
        for (libvlc_event_type_t type : kEvents)
            vlc()->libvlc_event_detach(vlcEvent, type, &VlcThread::onVlcEvent, this);
        vlcEvent = nullptr;
    }
    if (instance)
        vlc()->libvlc_release(instance);
    if (media)
        vlc()->libvlc_media_release(media);
    if (player)
        vlc()->libvlc_media_player_release(player);
    // Released players call back no more: the buffer can go.
    delete frameContext;
    frameContext = nullptr;

    QFFmpeg *d = nullptr;
    {
        QMutexLocker locker(&decoderMutex);
        d = decoder;
        decoder = nullptr;
    }
    delete d;
    rtspState = NothingSpecial;
    rtspPaused = false;

    isStop = false;
    isPlay = false;
    isPolling = false;
    userStopped = false;
    videoWidth = 16;
    videoHeight = 9;
    bufferWidth = 1920;
    bufferHeight = 1080;
    rotate = 0;
    firstSave = true;
    if (saveFile) {
        msleep(kRenameSleepMs);
        // Names and recordings belong to the GUI thread.
        QMetaObject::invokeMethod(this, [this] {
            stopCopies();
            renameVideo();
        }, Qt::QueuedConnection);
    }
}

// ---------------------------------------------------------------------------------------------
// Requests from the GUI thread.

void VlcThread::play()
{
    if (!callback && !rtspPath())
        windowId = renderWidget ? static_cast<unsigned long>(renderWidget->winId()) : 0;
    isPlay = true;
    QTimer::singleShot(kPlayInfoDelayMs, this, &VlcThread::readPlayInfo);
    QTimer::singleShot(kMediaInfoDelayMs, this, &VlcThread::readMediaInfo);
    if (saveFile && saveInterval > kMinSegmentSeconds - 1) {
        saveTimer.start(timescale::scaled(saveInterval * 1000));
        saveVideo();
    }
}

void VlcThread::stop()
{
    userStopped = true;
    isStop = true;
    QMutexLocker locker(&decoderMutex);
    if (decoder)
        decoder->interrupt();
}

void VlcThread::pause()
{
    if (rtspPath()) {
        QMutexLocker locker(&decoderMutex);
        if (decoder && rtspState.load() != NothingSpecial) {
            rtspPaused = !rtspPaused.load();
            if (rtspState.load() == Playing || rtspState.load() == Paused)
                rtspState = rtspPaused.load() ? Paused : Playing;
        }
        return;
    }
    QMutexLocker locker(&playerMutex);
    if (!vlcPlayer)
        return;
    isPolling = false;
    vlc()->libvlc_media_player_pause(vlcPlayer);
}

void VlcThread::next()
{
    if (rtspPath()) {
        pause();
        return;
    }
    QMutexLocker locker(&playerMutex);
    if (!vlcPlayer)
        return;
    isPolling = true;
    vlc()->libvlc_media_player_pause(vlcPlayer);
}

void VlcThread::setOption(const QString &option)
{
    QMutexLocker locker(&playerMutex);
    if (vlcMedia)
        vlc()->libvlc_media_add_option(vlcMedia, option.toUtf8().constData());
}

void VlcThread::snap(const QString &file)
{
    if (rtspPath()) {
        // What libVLC's snapshot gives: the current picture at the video size, as PNG.
        if (lastPicture.isNull())
            return;
        const int w = videoWidth.load();
        const int h = videoHeight.load();
        const QImage shot = (w > 0 && h > 0 && QSize(w, h) != lastPicture.size())
            ? lastPicture.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            : lastPicture;
        if (!shot.save(file, "PNG"))
            qWarning().noquote() << "VlcThread: snapshot not written:" << file;
        return;
    }
    QMutexLocker locker(&playerMutex);
    if (vlcPlayer)
        vlc()->libvlc_video_take_snapshot(vlcPlayer, 0, file.toUtf8().constData(), unsigned(videoWidth.load()),
                                          unsigned(videoHeight.load()));
}

// ---------------------------------------------------------------------------------------------
// Reading.

QDateTime VlcThread::getLastTime()
{
    if (!getPicturesByCallback() && getIsPlaying())
        touchLastTime();
    return QDateTime::fromMSecsSinceEpoch(lastTimeMs.load());
}

bool VlcThread::getIsPlaying()
{
    if (rtspPath())
        return rtspState.load() == Playing;
    QMutexLocker locker(&playerMutex);
    return vlcPlayer && vlc()->libvlc_media_player_is_playing(vlcPlayer);
}

int VlcThread::getState()
{
    if (rtspPath())
        return rtspState.load();
    QMutexLocker locker(&playerMutex);
    return vlcPlayer ? int(vlc()->libvlc_media_player_get_state(vlcPlayer)) : 0;
}

qint64 VlcThread::getLength()
{
    QMutexLocker locker(&playerMutex);
    length = (vlcPlayer && !rtspPath()) ? vlc()->libvlc_media_player_get_length(vlcPlayer) : 0;
    return length.load();
}

qint64 VlcThread::getPosition()
{
    QMutexLocker locker(&playerMutex);
    return vlcPlayer ? vlc()->libvlc_media_player_get_time(vlcPlayer) : 0;
}

void VlcThread::setPosition(qint64 ms)
{
    QMutexLocker locker(&playerMutex);
    if (vlcPlayer && !isNetStream && !isDshow)
        vlc()->libvlc_media_player_set_time(vlcPlayer, ms);
}

void VlcThread::setPosition() { setPosition(0); }

float VlcThread::getRate()
{
    QMutexLocker locker(&playerMutex);
    return (vlcPlayer && !isNetStream && !isDshow) ? vlc()->libvlc_media_player_get_rate(vlcPlayer) : 1.0f;
}

void VlcThread::setRate(float rate)
{
    QMutexLocker locker(&playerMutex);
    if (vlcPlayer && !isNetStream && !isDshow)
        vlc()->libvlc_media_player_set_rate(vlcPlayer, rate);
}

bool VlcThread::getMuted()
{
    QMutexLocker locker(&playerMutex);
    return vlcPlayer ? vlc()->libvlc_audio_get_mute(vlcPlayer) == 1 : false;
}

int VlcThread::getVolume()
{
    QMutexLocker locker(&playerMutex);
    return vlcPlayer ? vlc()->libvlc_audio_get_volume(vlcPlayer) : 0;
}

int VlcThread::getTrack()
{
    QMutexLocker locker(&playerMutex);
    return vlcPlayer ? vlc()->libvlc_audio_get_track(vlcPlayer) : 0;
}

int VlcThread::getTrackCount()
{
    QMutexLocker locker(&playerMutex);
    return vlcPlayer ? vlc()->libvlc_audio_get_track_count(vlcPlayer) : 0;
}

void VlcThread::setMuted(bool muted)
{
    QMutexLocker locker(&playerMutex);
    if (vlcPlayer)
        vlc()->libvlc_audio_set_mute(vlcPlayer, muted ? 1 : 0);
}

void VlcThread::setVolume(int volume)
{
    QMutexLocker locker(&playerMutex);
    if (vlcPlayer)
        vlc()->libvlc_audio_set_volume(vlcPlayer, volume);
}

void VlcThread::setTrack(int track)
{
    QMutexLocker locker(&playerMutex);
    if (vlcPlayer)
        vlc()->libvlc_audio_set_track(vlcPlayer, track);
}

void VlcThread::readPlayInfo()
{
    qint64 len = 0;
    int volume = 0;
    bool muted = false;
    {
        QMutexLocker locker(&playerMutex);
        if (vlcPlayer) {
            len = vlc()->libvlc_media_player_get_length(vlcPlayer);
            volume = vlc()->libvlc_audio_get_volume(vlcPlayer);
            muted = vlc()->libvlc_audio_get_mute(vlcPlayer) == 1;
        }
    }
    length = len;
    emit fileLengthReceive(len);
    emit fileVolumeReceive(volume, muted);
}

void VlcThread::readMediaInfo()
{
    int width = 0;
    int height = 0;
    if (rtspPath()) {
        QMutexLocker locker(&decoderMutex);
        if (!decoder || rtspState.load() == Opening || rtspState.load() == NothingSpecial)
            return;
        width = decoder->streamWidth();
        height = decoder->streamHeight();
    } else {
        QMutexLocker locker(&playerMutex);
        if (!vlcMedia)
            return;
        libvlc_media_track_t **tracks = nullptr;
        const unsigned count = vlc()->libvlc_media_tracks_get(vlcMedia, &tracks);
        bool found = false;
        for (unsigned i = 0; i < count && !found; ++i) {
            if (tracks[i]->i_type != libvlc_track_video || !tracks[i]->video)
                continue;
            found = true;
            width = int(tracks[i]->video->i_width);
            height = int(tracks[i]->video->i_height);
            if (tracks[i]->video->i_orientation == libvlc_video_orient_top_left)
                rotate = 0;
            else if (tracks[i]->video->i_orientation == libvlc_video_orient_right_top)
                rotate = 90;
        }
        if (tracks)
            vlc()->libvlc_media_tracks_release(tracks, count);
        if (!found)
            return;
    }
    if (width <= 0 || height <= 0)
        return;
    videoWidth = width;
    videoHeight = height;
    log() << stamp() << fileFlag << url << "videoWidth" << width << "videoHeight" << height << "rotate" << rotate;
}

void VlcThread::readPosition()
{
    QMutexLocker locker(&playerMutex);
    if (!vlcPlayer)
        return;
    const qint64 time = vlc()->libvlc_media_player_get_time(vlcPlayer);
    if (time > 0 && !isNetStream) {
        emit filePositionReceive(time);
        if (playRepeat && length.load() - time < kRepeatMarginMs)
            vlc()->libvlc_media_player_set_time(vlcPlayer, 0);
    }
    if (vlc()->libvlc_media_player_get_state(vlcPlayer) == libvlc_Ended && !isNetStream && !isDshow)
        isStop = true;
}

// ---------------------------------------------------------------------------------------------
// libVLC's callbacks.

void VlcThread::onVlcEvent(const libvlc_event_t *event, void *data)
{
    auto *self = static_cast<VlcThread *>(data);
    switch (event->type) {
    case libvlc_MediaParsedChanged:
        log() << stamp() << "mediaInfo: " << event->u.media_parsed_changed.new_status;
        break;
    case libvlc_MediaPlayerOpening:
        log() << stamp() << "stateChanged: " << "libvlc_MediaPlayerOpening";
        break;
    case libvlc_MediaPlayerPlaying:
        log() << stamp() << "stateChanged: " << "libvlc_MediaPlayerPlaying";
        break;
    case libvlc_MediaPlayerPaused:
        log() << stamp() << "stateChanged: " << "libvlc_MediaPlayerPaused";
        break;
    case libvlc_MediaPlayerStopped:
        log() << stamp() << "stateChanged: " << "libvlc_MediaPlayerStopped";
        break;
    case libvlc_MediaPlayerEndReached:
        self->isStop = true;
        log() << stamp() << "stateChanged: " << "libvlc_MediaPlayerEndReached";
        break;
    case libvlc_MediaPlayerEncounteredError:
        self->isStop = true;
        emit self->receivePlayError();
        log() << stamp() << "mediaError: " << "libvlc_MediaPlayerEncounteredError";
        break;
    case libvlc_MediaPlayerTimeChanged: {
        const qint64 time = event->u.media_player_time_changed.new_time;
        if (time == 0)
            break;
        emit self->filePositionReceive(time);
        if (self->playRepeat && self->length.load() - time < kRepeatMarginMs) {
            QMetaObject::invokeMethod(self, QOverload<>::of(&VlcThread::setPosition), Qt::QueuedConnection);
            log() << stamp() << self->fileFlag << "repeat" << self->activeUrl;
        }
        break;
    }
    case libvlc_MediaPlayerLengthChanged: {
        const qint64 len = event->u.media_player_length_changed.new_length;
        if (len == 0)
            break;
        self->length = len;
        emit self->fileLengthReceive(len);
        log() << stamp() << "fileTotal: " << len;
        break;
    }
    default:
        break;
    }
}

void *VlcThread::lockPicture(void *opaque, void **planes)
{
    auto *context = static_cast<VlcFrameContext *>(opaque);
    context->mutex.lock();
    planes[0] = context->buffer.data();
    return nullptr;
}

void VlcThread::unlockPicture(void *opaque, void *, void *const *)
{
    auto *context = static_cast<VlcFrameContext *>(opaque);
    // The picture leaves as a copy made before libVLC may write the buffer again: the receiver
    // never sees a half-written picture, nor one that points into a buffer freed at the end.
    const QImage view(context->buffer.data(), context->width, context->height, context->width * 4,
                      QImage::Format_RGB32);
    context->thread->offerPicture(view.copy());
    context->mutex.unlock();
}

void VlcThread::displayPicture(void *, void *) {}

void VlcThread::offerPicture(const QImage &picture)
{
    touchLastTime();
    QMutexLocker locker(&pictureMutex);
    pendingPicture = picture;
    if (deliveryQueued)
        return; // the waiting picture is replaced: a busy GUI thread gets the newest one only
    deliveryQueued = true;
    QMetaObject::invokeMethod(this, [this] { deliverPicture(); }, Qt::QueuedConnection);
}

void VlcThread::deliverPicture()
{
    QImage picture;
    {
        QMutexLocker locker(&pictureMutex);
        picture = std::move(pendingPicture);
        pendingPicture = QImage();
        deliveryQueued = false;
    }
    if (picture.isNull())
        return;
    if (rtspPath())
        lastPicture = picture;
    emit receiveImage(picture);
}

int VlcThread::undeliveredPictures()
{
    QMutexLocker locker(&pictureMutex);
    return deliveryQueued ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// Recording.

void VlcThread::initSave()
{
    if (saveFile && saveInterval == 0)
        saveOne(fileName);
}

void VlcThread::saveOne(const QString &file)
{
    if (rtspPath()) {
        singleCopyFile = file; // started with the stream, on the GUI thread
        return;
    }
    setOption(media_address::singleFileOption(file));
}

void VlcThread::saveVideo()
{
    if (!saveFile)
        return;
    QString name;
    {
        QMutexLocker locker(&mutex);
        const QString folder = media_address::dayFolder(savePath, QDate::currentDate(), QCoreApplication::applicationDirPath());
        QDir().mkpath(folder);
        fileName = media_address::segmentName(folder, fileFlag, QDateTime::currentDateTime());
        name = fileName;
    }
    saveVideo(name);
}

void VlcThread::saveVideo(const QString &name)
{
    QMutexLocker locker(&mutex);
    if (firstSave) {
        recordFile = name;
    } else if (rtspPath()) {
        stopCopies(); // its file already carries the segment's name
        recordFile = name;
    } else {
        {
            QMutexLocker player(&playerMutex);
            if (recording)
                recording = !vlc_record::setRecording(vlcPlayer, QString(), false);
        }
        QTimer::singleShot(timescale::scaled(kRenameDelayMs), this, &VlcThread::renameVideo);
    }
    firstSave = false;
    if (rtspPath()) {
        if (rtspState.load() == Playing || rtspState.load() == Paused)
            startCopy(name + QStringLiteral(".mp4"));
        return;
    }
    QString folder;
    media_address::splitPath(name, &folder, nullptr);
    QMutexLocker player(&playerMutex);
    if (vlcPlayer)
        recording = vlc_record::setRecording(vlcPlayer, folder, true);
}

void VlcThread::renameVideo()
{
    QMutexLocker locker(&mutex);
    if (rtspPath()) {
        recordFile = fileName; // written under its own name from the start
        return;
    }
    QString folder;
    QString name;
    media_address::splitPath(recordFile, &folder, &name);
    // libVLC keeps the container of a transport stream it records (a camera's or an HTTP
    // stream): ".ts" files are named too.
    const QStringList entries = QDir(folder).entryList(
        {QStringLiteral("*.avi"), QStringLiteral("*.mp4"), QStringLiteral("*.mkv"), QStringLiteral("*.ts")},
        QDir::Files, QDir::NoSort);
    qint64 diff = 0;
    const QString found = media_address::findRecording(entries, fileFlag, media_address::segmentStart(recordFile), &diff);
    if (!found.isEmpty()) {
        const QString from = folder + QLatin1Char('/') + found;
        const QString to = folder + QLatin1Char('/') + name + QLatin1Char('.') + found.section(QLatin1Char('.'), -1);
        if (QFile::rename(from, to))
            log() << stamp() << fileFlag << "rename" << diff << from << to;
        else
            qWarning().noquote() << stamp() << fileFlag << "rename failed" << from << to;
    }
    recordFile = fileName;
}

void VlcThread::startCopy(const QString &file)
{
    if (copy)
        copy->finish();
    QDir().mkpath(QFileInfo(file).absolutePath());
    copy = new StreamCopy(url, file, this);
}

void VlcThread::stopCopies()
{
    if (copy)
        copy->finish();
    copy = nullptr;
}
