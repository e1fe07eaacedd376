// The preview player: libVLC playing files and an HTTP stream in callback mode (pictures, end,
// recording in one file and in segments, the port probe) and RTSP camera addresses played
// through the project's decoder against the RTSP test server (pictures, failures, quick stop,
// one box for a refused login, snapshot and recording).
#include "core/media_address.h"
#include "core/reachability.h"
#include "core/time_scale.h"
#include "log_capture.h"
#include "media_clips.h"
#include "recording_presenter.h"
#include "rtsp/rtsp_server_process.h"
#include "seams/message_box.h"
#include "video/qffmpeg.h"
#include "video/vlcthread.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
constexpr int kStartTimeoutMs = 15000; // libVLC loads its plugins on the first start
constexpr int kEndTimeoutMs = 20000;   // a clip of a few seconds plays in real time
constexpr quint16 kRtspPort = 8554;
constexpr quint16 kDyingPort = 8555;
constexpr quint16 kLoginPort = 8556;

quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

uint checksum(const QImage &image)
{
    return qHash(QByteArray::fromRawData(reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes())));
}

// Counts what a player reports and keeps the pictures, as a widget would.
struct Watch {
    explicit Watch(VlcThread *player)
        : started(player, &VlcThread::receivePlayStart), errors(player, &VlcThread::receivePlayError),
          finished(player, &VlcThread::receivePlayFinsh)
    {
        QObject::connect(player, &VlcThread::receiveImage, player, [this](const QImage &image) {
            pictures.append(image);
            sums.append(checksum(image));
        });
    }
    QSignalSpy started;
    QSignalSpy errors;
    QSignalSpy finished;
    QList<QImage> pictures;
    QList<uint> sums;
};

std::unique_ptr<VlcThread> player(const QString &url)
{
    auto p = std::make_unique<VlcThread>();
    p->setCallback(true);
    p->setUrl(url);
    return p;
}

void play(VlcThread *p)
{
    p->play();
    p->start();
}

// Stops a player and returns the milliseconds until its thread has ended.
qint64 stopAndTime(VlcThread *p)
{
    QElapsedTimer clock;
    clock.start();
    p->stop();
    while (p->isRunning() && clock.elapsed() < kEndTimeoutMs)
        QTest::qWait(5);
    return clock.elapsed();
}
} // namespace

class tst_VlcThread : public QObject
{
    Q_OBJECT

    QString moving;   // 3 s
    QString longer;   // 5 s
    QString longerTs; // 5 s as MPEG-TS, for a live HTTP stream
    QString movingTs; // 3 s as MPEG-TS, for HTTP
    RtspServerProcess server;
    std::unique_ptr<RecordingPresenter> boxes;

private slots:
    void initTestCase()
    {
        moving = QDir::current().filePath(QStringLiteral("moving.mp4"));
        longer = QDir::current().filePath(QStringLiteral("longer.mp4"));
        movingTs = QDir::current().filePath(QStringLiteral("moving.ts"));
        QVERIFY(media_clips::make(moving, 3));
        QVERIFY(media_clips::make(longer, 5));
        QVERIFY(media_clips::make(movingTs, 3));
        longerTs = QDir::current().filePath(QStringLiteral("longer.ts"));
        QVERIFY(media_clips::make(longerTs, 5));
        RtspServerProcess::Options options;
        options.port = kRtspPort;
        options.size = QSize(640, 360);
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
        boxes = std::make_unique<RecordingPresenter>();
    }

    void cleanup()
    {
        timescale::setFactor(1.0);
        boxes->clear();
        QCOMPARE(QFFmpeg::instances(), 0);
    }

    void libvlcPictures_data()
    {
        QTest::addColumn<bool>("overHttp");
        QTest::newRow("file") << false;
        QTest::newRow("http on loopback") << true;
    }
    void libvlcPictures()
    {
        QFETCH(bool, overHttp);
        media_clips::HttpFile http(movingTs, "video/mp2t");
        QString url = moving;
        if (overHttp) {
            QVERIFY(http.listen(QHostAddress::LocalHost, 0));
            url = QStringLiteral("http://127.0.0.1:%1/moving.ts").arg(http.serverPort());
        }
        auto p = player(url);
        Watch watch(p.get());
        const QDateTime before = p->getLastTime();
        play(p.get());
        QTRY_COMPARE_WITH_TIMEOUT(watch.started.count(), 1, kStartTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(watch.pictures.size() > 10, kStartTimeoutMs);
        QCOMPARE(watch.pictures.first().size(), QSize(1920, 1080));
        QVERIFY(p->getIsPlaying());
        QVERIFY(p->getLastTime() > before);
        // The clip ends by itself: the end stops the player.
        QTRY_COMPARE_WITH_TIMEOUT(watch.finished.count(), 1, kEndTimeoutMs);
        QVERIFY(!p->isRunning() || p->wait(2000));
        QCOMPARE(watch.errors.count(), 0);
        QCOMPARE(p->getState(), 0);
    }

    // Each picture is the player's own copy: a kept one stays as it arrived while the stream goes
    // on, and stays readable after the stream has ended and its buffer is gone.
    void keptPicturesStayAsTheyArrived()
    {
        auto p = player(moving);
        Watch watch(p.get());
        play(p.get());
        QTRY_COMPARE_WITH_TIMEOUT(watch.finished.count(), 1, kEndTimeoutMs);
        QVERIFY(watch.pictures.size() > 10);
        QVERIFY(QSet<uint>(watch.sums.begin(), watch.sums.end()).size() > 5); // the picture moved
        for (int i = 0; i < watch.pictures.size(); ++i)
            QCOMPARE(checksum(watch.pictures.at(i)), watch.sums.at(i));
    }

    // A GUI thread that is busy for a while finds one picture waiting, not a queue of them.
    void busyGuiThreadFindsOnePicture()
    {
        auto p = player(longer);
        Watch watch(p.get());
        play(p.get());
        QTRY_VERIFY_WITH_TIMEOUT(watch.pictures.size() > 2, kStartTimeoutMs);
        QThread::msleep(600); // about 15 pictures come meanwhile
        QVERIFY(p->undeliveredPictures() <= 1);
        const int before = watch.pictures.size();
        QCoreApplication::processEvents();
        QVERIFY2(watch.pictures.size() - before <= 1, qPrintable(QString::number(watch.pictures.size() - before)));
        stopAndTime(p.get());
    }

    void probeOfAClosedPort()
    {
        LogCapture log;
        auto p = player(QStringLiteral("http://127.0.0.1:%1/stream.ts").arg(closedPort()));
        p->setCheckConn(true);
        Watch watch(p.get());
        play(p.get());
        QTRY_COMPARE_WITH_TIMEOUT(watch.finished.count(), 1, kEndTimeoutMs);
        QCOMPARE(watch.errors.count(), 1);
        QCOMPARE(watch.started.count(), 0);
        QVERIFY(log.contains(QStringLiteral("connect error")));
    }

    void recordsOneFile()
    {
        const QString file = QDir::current().filePath(QStringLiteral("one.mp4"));
        auto p = player(moving);
        p->setSaveFile(true);
        p->setFileName(file);
        Watch watch(p.get());
        play(p.get());
        QTRY_COMPARE_WITH_TIMEOUT(watch.finished.count(), 1, kEndTimeoutMs);
        QVERIFY2(media_clips::videoSeconds(file) > 2.0, qPrintable(file));
        QVERIFY(watch.pictures.size() > 10); // shown and written at once
    }

    // Segments of a live stream are cut into files named by channel and start time, and the first
    // segment is recorded too (the player exists only once the thread has started it). The test
    // cuts through the timer's own slot, each time the segment under way holds video: how much a
    // segment cut by the clock holds follows how fast the machine started the player.
    void cutsSegments()
    {
        timescale::setFactor(0.15);
        media_clips::HttpFile live(longerTs, "video/mp2t", 5000);
        QVERIFY(live.listen(QHostAddress::LocalHost, 0));
        const QString root = QDir::current().filePath(QStringLiteral("segments"));
        auto p = player(QStringLiteral("http://127.0.0.1:%1/live.ts").arg(live.serverPort()));
        p->setSaveFile(true);
        p->setSaveInterval(3600); // the timer outlasts the stream
        p->setSavePath(root);
        Watch watch(p.get());
        play(p.get());
        const QString first = QFileInfo(p->getFileName()).fileName(); // named when play() cut it
        const QString day = QDir(root).filePath(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
        QStringList recorded; // libVLC's files of the segments cut so far
        const auto segmentUnderWay = [&] {
            const QStringList now = QDir(day).entryList({QStringLiteral("vlc-record*")}, QDir::Files);
            for (const QString &file : now)
                if (!recorded.contains(file))
                    return file;
            return QString();
        };
        for (int cut = 0; cut < 2; ++cut) {
            // Names are by the second: a cut in the second of the last one would reuse its name.
            const QString last = p->getFileName();
            QTRY_VERIFY_WITH_TIMEOUT(!segmentUnderWay().isEmpty()
                                         && media_clips::videoSeconds(QDir(day).filePath(segmentUnderWay())) > 0.6
                                         && media_address::segmentName(day, QStringLiteral("Ch1"),
                                                                       QDateTime::currentDateTime()) != last,
                                     kStartTimeoutMs);
            QCOMPARE(watch.finished.count(), 0);
            recorded << segmentUnderWay();
            p->saveVideo();
        }
        QTRY_COMPARE_WITH_TIMEOUT(watch.finished.count(), 1, kEndTimeoutMs);
        const QRegularExpression named(QStringLiteral("^Ch1_\\d{4}-\\d\\d-\\d\\d-\\d\\d-\\d\\d-\\d\\d\\.\\w+$"));
        QStringList segments;
        QTRY_VERIFY_WITH_TIMEOUT((segments = QDir(day).entryList(QDir::Files, QDir::Name)).filter(named).size() >= 3, 5000);
        QVERIFY2(segments.filter(QStringLiteral("vlc-record")).isEmpty(), qPrintable(segments.join(' ')));
        QVERIFY2(segments.filter(named).first().startsWith(first + QLatin1Char('.')), qPrintable(segments.join(' ')));
        // The last one may be cut short by the end of the stream.
        for (const QString &segment : segments.filter(named).mid(0, 2))
            QVERIFY2(media_clips::videoSeconds(QDir(day).filePath(segment)) > 0.5, qPrintable(segment));
    }

    void rtspPictures()
    {
        auto p = player(server.url(1));
        Watch watch(p.get());
        const QDateTime before = p->getLastTime();
        play(p.get());
        QTRY_COMPARE_WITH_TIMEOUT(watch.started.count(), 1, kStartTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(watch.pictures.size() > 5, kStartTimeoutMs);
        // The size the wizard's detection counts on.
        QCOMPARE(watch.pictures.last().size(), QSize(1920, 1080));
        QVERIFY(p->getIsPlaying());
        QCOMPARE(p->getState(), int(VlcThread::Playing));
        QVERIFY(p->getLastTime() > before);
        p->pause();
        QCOMPARE(p->getState(), int(VlcThread::Paused));
        p->next();
        QCOMPARE(p->getState(), int(VlcThread::Playing));
        QVERIFY(stopAndTime(p.get()) < 1000);
        QCOMPARE(watch.finished.count(), 1);
        QCOMPARE(watch.errors.count(), 0);
        QCOMPARE(p->getState(), 0);
        QVERIFY(!p->getIsPlaying());
    }

    void rtspEnds_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("refused port") << true;
        QTest::newRow("server killed mid-stream") << false;
    }
    void rtspEnds()
    {
        QFETCH(bool, refused);
        RtspServerProcess dying;
        QString url = QStringLiteral("rtsp://127.0.0.1:%1/1").arg(closedPort());
        if (!refused) {
            RtspServerProcess::Options options;
            options.port = kDyingPort;
            options.size = QSize(320, 180);
            QVERIFY2(dying.start(options), qPrintable(dying.errorString()));
            url = dying.url(1);
        }
        auto p = player(url);
        Watch watch(p.get());
        play(p.get());
        if (!refused) {
            QTRY_VERIFY_WITH_TIMEOUT(watch.pictures.size() > 2, kStartTimeoutMs);
            dying.kill();
        }
        QTRY_COMPARE_WITH_TIMEOUT(watch.finished.count(), 1, kEndTimeoutMs);
        QCOMPARE(watch.errors.count(), refused ? 1 : 0);
        QCOMPARE(watch.started.count(), refused ? 0 : 1);
        QVERIFY(p->wait(2000));
    }

    // Stopping reaches the decoder at once, also while it waits on a camera that says nothing.
    void rtspStopIsQuick_data()
    {
        QTest::addColumn<bool>("whileOpening");
        QTest::newRow("playing") << false;
        QTest::newRow("opening a silent camera") << true;
    }
    void rtspStopIsQuick()
    {
        QFETCH(bool, whileOpening);
        auto p = player(server.url(2));
        Watch watch(p.get());
        if (whileOpening)
            QVERIFY(server.pause());
        play(p.get());
        if (whileOpening)
            QTest::qWait(300);
        else
            QTRY_VERIFY_WITH_TIMEOUT(watch.pictures.size() > 2, kStartTimeoutMs);
        const qint64 ms = stopAndTime(p.get());
        server.resume();
        QVERIFY2(ms < 600, qPrintable(QString::number(ms)));
        QCOMPARE(watch.finished.count(), 1);
        QCOMPARE(watch.errors.count(), 0);
    }

    // A camera that refuses the login: the player reports it once and the owner shows one box.
    void rtspLoginRefusedShowsOneBox()
    {
        RtspServerProcess guarded;
        RtspServerProcess::Options options;
        options.port = kLoginPort;
        options.size = QSize(320, 180);
        options.auth = QStringLiteral("admin:secret");
        QVERIFY2(guarded.start(options), qPrintable(guarded.errorString()));
        auto p = player(guarded.url(1));
        Watch watch(p.get());
        QObject::connect(p.get(), &VlcThread::receivePlayError, p.get(), [] {
            msgbox::warning(nullptr, QStringLiteral("RTSP Connection Error"), QStringLiteral("refused"));
        });
        play(p.get());
        QTRY_COMPARE_WITH_TIMEOUT(watch.finished.count(), 1, kEndTimeoutMs);
        QTest::qWait(200); // a box FFmpeg would ask for comes queued
        QCOMPARE(watch.errors.count(), 1);
        QCOMPARE(boxes->shown.size(), 1);
    }

    void rtspSnapshotAndRecording()
    {
        const QString shot = QDir::current().filePath(QStringLiteral("shot.png"));
        const QString file = QDir::current().filePath(QStringLiteral("camera.mp4"));
        auto p = player(server.url(3));
        p->setSaveFile(true);
        p->setFileName(file);
        Watch watch(p.get());
        play(p.get());
        QTRY_VERIFY_WITH_TIMEOUT(watch.pictures.size() > 2, kStartTimeoutMs);
        p->readMediaInfo();
        QCOMPARE(QSize(p->getVideoWidth(), p->getVideoHeight()), QSize(640, 360));
        p->snap(shot);
        QCOMPARE(QImageReader(shot).format(), QByteArray("png"));
        QCOMPARE(QImageReader(shot).size(), QSize(640, 360));
        QTest::qWait(2500);
        stopAndTime(p.get());
        QTRY_VERIFY_WITH_TIMEOUT(media_clips::videoSeconds(file) > 1.0, 8000);
    }
};

QTEST_MAIN(tst_VlcThread)
#include "tst_vlc_thread.moc"
