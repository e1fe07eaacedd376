// The start and stop sequences of a live picture (rtsp_stream, RtspThread, QFFmpeg::Stop)
// against a real RTSP server on loopback.
#include "core/time_scale.h"
#include "log_capture.h"
#include "picture_probe.h"
#include "rtsp/rtsp_server_process.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSemaphore>
#include <QtTest>

#include <atomic>

namespace {
constexpr quint16 kPort = 8554;
constexpr int kPictureTimeoutMs = 10000;
} // namespace

class tst_RtspStream : public QObject
{
    Q_OBJECT

    RtspServerProcess server;

private slots:
    void initTestCase()
    {
        RtspServerProcess::Options options;
        options.port = kPort;
        options.size = QSize(320, 180);
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
    }

    void cleanup()
    {
        timescale::setFactor(1.0);
        server.resume();
        QTRY_COMPARE_WITH_TIMEOUT(rtsp_stream::pendingCount(), 0, 5000);
        QCOMPARE(QFFmpeg::instances(), 0);
    }

    void startAndStopTwiceInARow_data()
    {
        QTest::addColumn<int>("afterDecoderStopMs");
        QTest::addColumn<int>("afterThreadStopMs");
        QTest::newRow("no waits") << 0 << 0;
        QTest::newRow("teacher close-up") << 500 << 100;
        QTest::newRow("student camera") << 600 << 100;
        QTest::newRow("preview") << 300 << 0;
    }

    void startAndStopTwiceInARow()
    {
        QFETCH(int, afterDecoderStopMs);
        QFETCH(int, afterThreadStopMs);
        // The owners' event-pumping waits are shortened; the thread's own waits keep their
        // real length, so a thread that needed them would show in the time.
        for (int round = 0; round < 2; ++round) {
            timescale::setFactor(0.1);
            const int ownerWaits = timescale::scaled(afterDecoderStopMs) + timescale::scaled(afterThreadStopMs);
            timescale::setFactor(1.0);
            LogCapture logs;
            PictureProbe probe;
            QVERIFY(probe.start(server.url(1), 480, 270));
            QVERIFY(probe.waitForPictures(3, kPictureTimeoutMs));
            timescale::setFactor(0.1);
            const qint64 ms = probe.stop(afterDecoderStopMs, afterThreadStopMs);
            timescale::setFactor(1.0);
            QVERIFY(!probe.decoder && !probe.thread);
            QCOMPARE(QFFmpeg::instances(), 0);
            QVERIFY2(ms - ownerWaits < 500, qPrintable(QStringLiteral("round %1: %2 ms").arg(round).arg(ms)));
            QVERIFY(!logs.contains(QStringLiteral("did not finish")));
            QVERIFY(!logs.contains(QStringLiteral("kept until it finishes")));
            QCOMPARE(probe.failureCount, 0);
        }
    }

    void secondStopIsHarmless()
    {
        LogCapture logs;
        PictureProbe probe;
        QVERIFY(probe.start(server.url(2), 240, 135));
        QVERIFY(probe.waitForPictures(1, kPictureTimeoutMs));
        probe.thread->stop();
        QVERIFY(!probe.thread->isRunning());
        probe.thread->stop();
        QCOMPARE(logs.count(QStringLiteral("RtspThread is not running, skip stop operation")), 1);
        probe.stop();
        probe.stop(); // both pointers are null: nothing to do
        QVERIFY(!probe.decoder && !probe.thread);
    }

    // A read that waits for data returns as soon as Stop triggers the interrupt.
    void stopWhileReadIsBlocked()
    {
        LogCapture logs;
        PictureProbe probe;
        QVERIFY(probe.start(server.url(3), 480, 270));
        QVERIFY(probe.waitForPictures(3, kPictureTimeoutMs));
        QVERIFY(server.pause());
        QTest::qWait(700); // what was under way drains; then the reader waits in FFmpeg
        const int before = probe.pictureCount;
        QTest::qWait(800);
        QCOMPARE(probe.pictureCount, before);

        const qint64 ms = probe.stop();
        QVERIFY2(ms < 1000, qPrintable(QString::number(ms)));
        QVERIFY(logs.contains(QStringLiteral("QFFmpeg::Triggered interrupt callback to stop blocking operations")));
        QVERIFY(logs.contains(QStringLiteral("QFFmpeg::Play method cleanup completed")));
        // Stop left long before its 200 ms of polling were up.
        QVERIFY(!logs.contains(QStringLiteral("QFFmpeg::Still waiting for Play loop, iteration: 10")));
        QCoreApplication::processEvents();
        QCOMPARE(probe.failureCount, 0); // a read failing after Stop is no stream failure
        QVERIFY(server.resume());
    }

    // A thread that does not end within the waits keeps its decoder alive until it ends; the
    // objects are released afterwards and nothing is terminated.
    void threadStillRunningKeepsBothUntilItEnds()
    {
        LogCapture logs;
        auto *owner = new QObject;
        QFFmpeg *decoder = nullptr;
        RtspThread *thread = nullptr;
        rtsp_stream::create(owner, server.url(4), 480, 270, decoder, thread);
        QSemaphore entered;
        QSemaphore release;
        std::atomic<bool> first{true};
        // A receiver called on the decoding thread that blocks it, as a stuck FFmpeg call would.
        connect(decoder, &QFFmpeg::GetImage, [&](QImage) {
            if (first.exchange(false)) {
                entered.release();
                release.tryAcquire(1, 10000);
            }
        });
        QVERIFY(rtsp_stream::start(decoder, thread));
        QVERIFY(entered.tryAcquire(1, kPictureTimeoutMs));

        QPointer<QFFmpeg> keptDecoder = decoder;
        QPointer<RtspThread> keptThread = thread;
        timescale::setFactor(0.01); // the thread's 3000 + 1000 ms become 40 ms
        rtsp_stream::stop(decoder, thread, {});
        timescale::setFactor(1.0);
        QVERIFY(!decoder && !thread);
        QVERIFY(keptDecoder && keptThread);
        QVERIFY(keptThread->isRunning());
        QCOMPARE(rtsp_stream::pendingCount(), 1);
        QVERIFY(logs.contains(QStringLiteral("kept until it finishes")));

        delete owner; // the kept pair no longer belongs to it
        QVERIFY(keptDecoder && keptThread);
        QCOMPARE(QFFmpeg::instances(), 1);

        release.release();
        QTRY_VERIFY_WITH_TIMEOUT(!keptDecoder && !keptThread, 5000);
        QCOMPARE(rtsp_stream::pendingCount(), 0);
        QCOMPARE(QFFmpeg::instances(), 0);
        QVERIFY(!logs.contains(QStringLiteral("forcing termination")));
    }

    // An owner destroyed with its picture still running deletes the decoder first (its first
    // child); the decoder waits for the thread that uses it before it tears anything down.
    void ownerDestroyedWhilePlaying()
    {
        LogCapture logs;
        auto *owner = new QObject;
        QFFmpeg *decoder = nullptr;
        RtspThread *thread = nullptr;
        rtsp_stream::create(owner, server.url(5), 480, 270, decoder, thread);
        std::atomic<int> pictures{0};
        connect(decoder, &QFFmpeg::GetImage, [&](QImage) { ++pictures; });
        QVERIFY(rtsp_stream::start(decoder, thread));
        QTRY_VERIFY_WITH_TIMEOUT(pictures.load() >= 3, kPictureTimeoutMs);
        QElapsedTimer clock;
        clock.start();
        delete owner;
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(QFFmpeg::instances(), 0);
        QVERIFY(logs.contains(QStringLiteral("QFFmpeg::Decoding thread still running, waiting for it to finish before cleanup")));
        QVERIFY(logs.contains(QStringLiteral("Stopping FFmpeg at thread exit")));
    }
};

QTEST_MAIN(tst_RtspStream)
#include "tst_rtsp_stream.moc"
