#pragma once

#include <QDateTime>
#include <QImage>
#include <QMutex>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <atomic>

struct libvlc_instance_t;
struct libvlc_media_t;
struct libvlc_media_player_t;
struct libvlc_event_manager_t;
struct libvlc_event_t;
class QFFmpeg;
class StreamCopy;
struct VlcFrameContext;

// Plays one media address for one preview widget through libVLC: files, HTTP streams and
// capture devices. An RTSP camera address (this system's libVLC has no RTSP client) is played
// through the project's FFmpeg decoder instead, on this same thread, and its pictures take the
// same road and signals.
//
// Pictures reach the widget in one of two ways. Callback mode: each finished picture is copied
// out of the decoding buffer under its mutex and handed over queued; at most one picture per
// player waits for the GUI thread, a newer one replaces it. Window mode: libVLC draws straight
// into the render widget's X11 window. In both modes the player is built on this thread, so the
// start (receivePlayStart) and its errors (receivePlayError) come by signal, never from play().
class VlcThread : public QThread
{
    Q_OBJECT

public:
    explicit VlcThread(QObject *parent = nullptr);
    ~VlcThread() override;

    // libVLC's player states, as getState answers them.
    enum State { NothingSpecial = 0, Opening, Buffering, Playing, Paused, Stopped, Ended, Error };

    void setRenderWidget(QWidget *widget) { renderWidget = widget; }

    QString getUrl() const { return url; }
    bool getCallback() const { return callback; }
    bool getIsNetStream() const { return isNetStream; }
    bool getIsDshow() const { return isDshow; }
    // Pictures come through receiveImage: callback mode, or an RTSP address in either mode.
    bool getPicturesByCallback() const;
    int getVideoWidth() const { return videoWidth.load(); }
    int getVideoHeight() const { return videoHeight.load(); }
    int getBufferWidth() const { return bufferWidth.load(); }
    int getBufferHeight() const { return bufferHeight.load(); }
    int getRotate() const { return rotate; }
    int getCheckTime() const { return checkTime; }
    bool getCheckConn() const { return checkConn; }
    bool getPlayRepeat() const { return playRepeat; }
    QString getHardware() const { return hardware; }
    QString getTransport() const { return transport; }
    int getCaching() const { return caching; }
    bool getSaveFile() const { return saveFile; }
    int getSaveInterval() const { return saveInterval; }
    QString getSavePath() const { return savePath; }
    QString getFileFlag() const { return fileFlag; }
    QString getFileName() const { return fileName; }

    QDateTime getLastTime();
    bool getIsPlaying();
    int getState();
    qint64 getLength();
    qint64 getPosition();
    void setPosition(qint64 ms);
    float getRate();
    void setRate(float rate);
    bool getMuted();
    int getVolume();
    int getTrack();
    int getTrackCount();
    void setMuted(bool muted);
    void setVolume(int volume);
    void setTrack(int track);

    // The libVLC arguments init() starts an instance with (for the log and the tests).
    QStringList instanceArguments() const;
    // Pictures waiting for the GUI thread (0 or 1).
    int undeliveredPictures();

signals:
    void receivePlayStart();
    void receivePlayError();
    void receivePlayFinsh();
    void receiveImage(QImage image);
    void fileLengthReceive(qint64 length);
    void filePositionReceive(qint64 position);
    void fileVolumeReceive(int volume, bool muted);

public slots:
    bool init();
    void free();
    void readMediaInfo();
    void readPlayInfo();
    void readPosition();
    void setPosition();
    void initSave();
    void saveOne(const QString &fileName);
    void saveVideo();
    void saveVideo(const QString &fileName);
    void renameVideo();

    void setVideoWidth(int width) { videoWidth = width; }
    void setVideoHeight(int height) { videoHeight = height; }
    void setBufferWidth(int width) { bufferWidth = width; }
    void setBufferHeight(int height) { bufferHeight = height; }
    void setCheckTime(int ms) { checkTime = ms; }
    void setCheckConn(bool on) { checkConn = on; }
    void setPlayRepeat(bool on) { playRepeat = on; }
    void setCallback(bool on) { callback = on; }
    void setHardware(const QString &name) { hardware = name; }
    void setTransport(const QString &name) { transport = name; }
    void setCaching(int ms) { caching = ms; }
    void setSaveFile(bool on) { saveFile = on; }
    void setSaveInterval(int seconds) { saveInterval = seconds; }
    void setSavePath(const QString &path) { savePath = path; }
    void setFileFlag(const QString &flag) { fileFlag = flag; }
    void setFileName(const QString &name) { fileName = name; }
    void setUrl(const QString &url);
    void setOption(const QString &option);

    void play();
    void pause();
    void next();
    void stop();
    void snap(const QString &fileName);

protected:
    void run() override;

private:
    static void onVlcEvent(const libvlc_event_t *event, void *data);
    static void *lockPicture(void *opaque, void **planes);
    static void unlockPicture(void *opaque, void *picture, void *const *planes);
    static void displayPicture(void *opaque, void *picture);

    bool initVlc();
    bool initRtsp();
    bool probe();
    void playRtsp();
    // Any thread: keeps a copy as the one picture waiting for the GUI thread.
    void offerPicture(const QImage &picture);
    void deliverPicture();
    void toggleRecord(const QString &folder);
    void startCopy(const QString &file);
    void stopCopies();
    void touchLastTime();
    bool rtspPath() const;

    std::atomic<bool> isStop{false};
    std::atomic<bool> isPlay{false};
    std::atomic<bool> isPolling{false};
    std::atomic<bool> userStopped{false}; // stop() asked, as opposed to an end or a failure
    bool isNetStream = false;
    bool isDshow = false;
    QMutex mutex; // one segment step at a time
    std::atomic<qint64> lastTimeMs;
    std::atomic<int> videoWidth{16};
    std::atomic<int> videoHeight{9};
    std::atomic<int> bufferWidth{1920};
    std::atomic<int> bufferHeight{1080};
    int rotate = 0;
    int checkTime = 1000;
    bool checkConn = false;
    bool playRepeat = false;
    QString url;
    QString activeUrl; // the address being played, read by libVLC's event thread
    bool callback = false;
    QString hardware = QStringLiteral("d3d11va");
    QString transport = QStringLiteral("tcp");
    int caching = 300;
    bool saveFile = false;
    int saveInterval = 0;
    QString savePath;
    QString fileFlag = QStringLiteral("Ch1");
    QString fileName;
    QString recordFile;
    bool firstSave = true;
    bool recording = false; // libVLC records the current segment (GUI thread, under playerMutex)
    QTimer saveTimer;
    std::atomic<qint64> length{0};
    QPointer<QWidget> renderWidget;
    unsigned long windowId = 0; // the render widget's X11 window, taken on the GUI thread

    libvlc_instance_t *vlcInst = nullptr;
    libvlc_media_t *vlcMedia = nullptr;
    libvlc_media_player_t *vlcPlayer = nullptr;
    libvlc_event_manager_t *vlcEvent = nullptr;
    VlcFrameContext *frameContext = nullptr;
    QMutex playerMutex; // the GUI thread's reads of the player against free()

    // An RTSP address: the decoder opened and played on this thread.
    QMutex decoderMutex;
    QFFmpeg *decoder = nullptr;
    std::atomic<int> rtspState{NothingSpecial};
    std::atomic<bool> rtspPaused{false};
    QString singleCopyFile;      // single-file recording of an RTSP address
    QPointer<StreamCopy> copy;   // the running recording of an RTSP address (GUI thread)
    QImage lastPicture;          // for a snapshot of an RTSP address (GUI thread)

    QMutex pictureMutex;
    QImage pendingPicture;
    bool deliveryQueued = false;
};
