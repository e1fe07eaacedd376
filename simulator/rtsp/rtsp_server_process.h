#pragma once

#include <QObject>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Starts and controls rtsp_server.py (Debian's GStreamer RTSP server) as a child process: the
// picture service of a simulated camera, for tests, benchmarks and trying the tool by hand.
class RtspServerProcess : public QObject
{
    Q_OBJECT

public:
    struct Options {
        QString address = QStringLiteral("127.0.0.1");
        quint16 port = 8554;
        QSize size{640, 360};    // of the test pattern
        int fps = 25;
        int bitrateKbit = 2048;
        QString pattern = QStringLiteral("smpte"); // videotestsrc pattern
        QString rawFormat = QStringLiteral("I420"); // I420, Y42B, Y444 or NV12 into x264
        QString clip;            // serve this H.264 clip instead of the pattern
        QString picture;         // serve this still picture (PNG, JPEG) scaled to size instead
        QSize switchSize;        // when valid: the pattern alternates between size and this
        int switchAfterMs = 2000;
        bool shared = false;     // one pipeline for all clients of a path
        QString auth;            // "user:password": require basic authentication
    };

    explicit RtspServerProcess(QObject *parent = nullptr);
    ~RtspServerProcess() override; // stops a running server

    // Starts the server and waits until it accepts connections; false (with errorString())
    // when it exits or does not accept within timeoutMs.
    bool start(const Options &options, int timeoutMs = 15000);
    // Ends the server (SIGCONT first when paused, then SIGTERM, SIGKILL after a short wait).
    void stop();
    // SIGSTOP / SIGCONT: the server keeps its connections open but sends nothing.
    bool pause();
    bool resume();
    // SIGKILL: the connections close at once, as when a camera loses power.
    void kill();

    // Serves this part of the picture (in the picture's pixels), scaled to the stream's size; a
    // null rectangle serves the whole picture. Only with Options::picture; the stream follows
    // within a few frames. False when the server does not run.
    bool setCrop(const QRect &crop);

    bool isRunning() const;
    qint64 processId() const;
    QString errorString() const { return error; }
    QString output() const; // what the server printed so far

    // "rtsp://address:port/path" of stream path 1 to 5.
    QString url(int path) const;
    const Options &options() const { return current; }

    // The interpreter and script used; CORVANE_RTSP_SERVER_SCRIPT overrides the script.
    static QString pythonPath();
    static QString scriptPath();
    static QStringList arguments(const Options &options);

    // Makes an H.264 clip of the ffmpeg test source with the ffmpeg command (one key frame a
    // second, no B-frames), for Options::clip. False with a reason when ffmpeg fails.
    static bool makeClip(const QString &path, QSize size, int fps, int seconds, QString *error = nullptr);

private:
    bool waitUntilAccepting(int timeoutMs);

    QProcess process;
    Options current;
    QString error;
    QByteArray printed;
    bool paused = false;
};
