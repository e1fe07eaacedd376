// The start and stop sequences of a live picture (rtsp_stream, RtspThread, QFFmpeg::Stop) and
// the ends of a stream (server killed or silent, picture size changed) against the GStreamer
// RTSP server on loopback.
#include "core/time_scale.h"
#include "event_turns.h"
#include "log_capture.h"
#include "picture_probe.h"
#include "rtsp/rtsp_server_process.h"
#include "smpte_bars.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSemaphore>
#include <QTcpServer>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {
constexpr quint16 kPort = 8554;
constexpr int kPictureTimeoutMs = 10000; // a picture comes within a second; bound for a busy machine
constexpr int kThreadFirstWaitMs = 3000;  // RtspThread::stop's first wait for its thread
const QString kNotRunning = QStringLiteral("RtspThread is not running, skip stop operation");

enum StreamEnd { Killed, Silent, SizeChanged };
enum OpenEnd { Opens, StoppedMeanwhile, OwnerGoesMeanwhile };
} // namespace
Q_DECLARE_METATYPE(StreamEnd)
Q_DECLARE_METATYPE(OpenEnd)

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

    void startAndStopTwice_data()
    {
        QTest::addColumn<int>("afterDecoderStopMs");
        QTest::addColumn<int>("afterThreadStopMs");
        QTest::addColumn<bool>("threadStoppedFirst"); // twice, before the stop function stops both
        QTest::newRow("no waits") << 0 << 0 << false;
        QTest::newRow("teacher close-up waits") << 500 << 100 << false;
        QTest::newRow("thread stopped first") << 0 << 0 << true;
    }

    void startAndStopTwice()
    {
        QFETCH(int, afterDecoderStopMs);
        QFETCH(int, afterThreadStopMs);
        QFETCH(bool, threadStoppedFirst);
        timescale::setFactor(0.1);
        const int ownerWaits = timescale::scaled(afterDecoderStopMs) + timescale::scaled(afterThreadStopMs);
        for (int round = 0; round < 2; ++round) {
            LogCapture logs;
            PictureProbe probe;
            QVERIFY(probe.start(server.url(1), 480, 270));
            QVERIFY(probe.waitForPictures(3, kPictureTimeoutMs));
            if (threadStoppedFirst) {
                probe.thread->stop();
                QVERIFY(!probe.thread->isRunning());
                probe.thread->stop();
            }
            // Beside the owner's event-pumping waits, a healthy stream stops within one read.
            const qint64 ms = probe.stop(afterDecoderStopMs, afterThreadStopMs) - ownerWaits;
            probe.stop(); // both pointers are null: nothing to do
            QVERIFY(!probe.decoder && !probe.thread);
            QCOMPARE(QFFmpeg::instances(), 0);
            QVERIFY2(ms < 500, qPrintable(QStringLiteral("round %1: %2 ms").arg(round).arg(ms)));
            QCOMPARE(logs.count(kNotRunning), threadStoppedFirst ? 2 : 0);
            QVERIFY(!logs.contains(QStringLiteral("did not finish")));
            QVERIFY(!logs.contains(QStringLiteral("kept until it finishes")));
            QCOMPARE(probe.failureCount, 0);
        }
    }

    // The open runs beside the caller, whose events go on (a 10 ms timer turns); a stop or the
    // owner's end during it makes the open give up, and no decoder goes while its open runs.
    void openKeepsEventsTurning_data()
    {
        QTest::addColumn<bool>("silent"); // a port that accepts and never answers
        QTest::addColumn<OpenEnd>("end");
        QTest::newRow("stream opens") << false << Opens;
        QTest::newRow("silent, stopped during the open") << true << StoppedMeanwhile;
        QTest::newRow("silent, owner destroyed during the open") << true << OwnerGoesMeanwhile;
    }
    void openKeepsEventsTurning()
    {
        QFETCH(bool, silent);
        QFETCH(OpenEnd, end);
        QTcpServer quiet;
        QVERIFY(quiet.listen(QHostAddress::LocalHost));
        const QString url = silent ? QStringLiteral("rtsp://127.0.0.1:%1/1").arg(quiet.serverPort()) : server.url(1);
        auto owner = std::make_unique<QObject>();
        QFFmpeg *decoder = nullptr;
        RtspThread *thread = nullptr;
        rtsp_stream::create(owner.get(), url, 480, 270, decoder, thread);
        const QPointer<QFFmpeg> opened(decoder);
        qint64 endAskedAt = -1;
        bool keptWhileOpening = false;
        QElapsedTimer clock;
        clock.start();
        EventTurns turns;
        turns.onTurn = [&](int n) {
            if (n != 20 || end == Opens)
                return;
            endAskedAt = clock.elapsed();
            if (end == StoppedMeanwhile) {
                rtsp_stream::stop(decoder, thread, {});
                keptWhileOpening = opened && opened->opening();
            } else {
                owner.reset();
            }
        };
        const bool started = rtsp_stream::start(opened.data(), thread);
        QCOMPARE(started, end == Opens);
        if (end == Opens) {
            // The stop's waits (the decoder's 50 ms settle among them) turn the events too.
            QVERIFY(thread->isRunning());
            // A decoder is opened once: starting it again fails at once (the guard bounds a wait
            // for an open that never comes).
            QTimer guard;
            connect(&guard, &QTimer::timeout, opened, [&] { emit opened->Opened(false); });
            guard.start(2000);
            QElapsedTimer again;
            again.start();
            QVERIFY(!rtsp_stream::start(opened.data(), thread));
            QVERIFY2(again.elapsed() < 1000, qPrintable(QString::number(again.elapsed())));
            guard.stop();
            QTest::qWait(300); // Play is in its loop
            const int before = turns.turns;
            rtsp_stream::stop(decoder, thread, {});
            QVERIFY(turns.turns > before);
        }
        turns.stop();
        QVERIFY2(turns.longestGap < 500, qPrintable(QString::number(turns.longestGap)));
        if (end != Opens) {
            // Before the 5 s watchdog would have ended the open.
            QVERIFY(turns.turns >= 20);
            QVERIFY2(clock.elapsed() - endAskedAt < 2000, qPrintable(QString::number(clock.elapsed() - endAskedAt)));
            QCOMPARE(keptWhileOpening, end == StoppedMeanwhile);
            QVERIFY(!opened);
        }
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
    }

    // A thread that does not end within the waits is never terminated: it keeps its decoder
    // alive until it ends, and both are released then, also when their owner went meanwhile.
    void threadStillRunningKeepsBothUntilItEnds()
    {
        LogCapture logs;
        auto *owner = new PictureProbe;
        QVERIFY(owner->start(server.url(4), 480, 270));
        QSemaphore entered;
        QSemaphore release;
        std::atomic<bool> first{true};
        // A receiver called on the decoding thread that blocks it, as a stuck FFmpeg call would.
        connect(owner->decoder, &QFFmpeg::GetImage, [&](QImage) {
            if (first.exchange(false)) {
                entered.release();
                release.tryAcquire(1, 10000);
            }
        });
        QVERIFY(entered.tryAcquire(1, kPictureTimeoutMs));

        QPointer<QFFmpeg> keptDecoder = owner->decoder;
        QPointer<RtspThread> keptThread = owner->thread;
        timescale::setFactor(0.01); // the thread's 3000 + 1000 ms become 40 ms
        owner->stop();
        QVERIFY(!owner->decoder && !owner->thread);
        QVERIFY(keptDecoder && keptThread && keptThread->isRunning());
        QCOMPARE(rtsp_stream::pendingCount(), 1);
        QVERIFY(logs.contains(QStringLiteral("kept until it finishes")));

        delete owner;
        QVERIFY(keptDecoder && keptThread);
        QCOMPARE(QFFmpeg::instances(), 1);

        release.release();
        QTRY_VERIFY_WITH_TIMEOUT(!keptDecoder && !keptThread, 5000);
        QCOMPARE(rtsp_stream::pendingCount(), 0);
        QVERIFY(!logs.contains(QStringLiteral("forcing termination")));
    }

    // An owner destroyed with its picture running deletes the decoder first (its first child);
    // the decoder waits for the thread that uses it before it tears anything down.
    void ownerDestroyedWhilePlaying()
    {
        LogCapture logs;
        auto *owner = new PictureProbe;
        QVERIFY(owner->start(server.url(5), 480, 270));
        QVERIFY(owner->waitForPictures(3, kPictureTimeoutMs));
        owner->decoder = nullptr; // forgotten without a stop: both go as its children
        owner->thread = nullptr;
        QElapsedTimer clock;
        clock.start();
        delete owner;
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(QFFmpeg::instances(), 0);
        QVERIFY(logs.contains(QStringLiteral("QFFmpeg::Decoding thread still running, waiting for it to finish")));
        QVERIFY(logs.contains(QStringLiteral("Stopping FFmpeg at thread exit")));
    }

    void streamEndsOnce_data()
    {
        QTest::addColumn<StreamEnd>("end");
        QTest::addColumn<bool>("allFrames");
        QTest::addColumn<int>("earliestMs");
        QTest::addColumn<int>("latestMs");
        QTest::addColumn<QStringList>("expectedLog"); // "a|b": either
        const QString failed = QStringLiteral("QFFmpeg: FrameFailed signal emitted due to read failure");
        // The connection closes and the blocked read ends at once, classed by how it ended.
        QTest::newRow("server killed") << Killed << true << 0 << 3000
                                       << QStringList{failed, QStringLiteral("QFFmpeg: Stream ended (EOF detected)|"
                                                                             "QFFmpeg: Connection reset by peer|"
                                                                             "QFFmpeg: I/O error")};
        // Only the watchdog ends the read, more than 5 whole seconds after the last packet, and
        // no packet the parser still flushes can restart it.
        QTest::newRow("server silent")
            << Silent << true << 4500 << 7800
            << QStringList{QStringLiteral("QFFmpeg: Possible device disconnection or network failure"),
                           QStringLiteral("QFFmpeg: av_read_frame failed with error code: -1414092869"),
                           QStringLiteral("QFFmpeg: Unknown read error - possible device disconnection or network failure"),
                           failed};
        // Both modes check the size, so that no picture is converted with a scaler made for
        // another size; the owner reconnects.
        const QStringList sizeChange{QStringLiteral("QFFmpeg:: videoHeight: 180 ,videoWidth: 320")};
        QTest::newRow("size changed, all frames") << SizeChanged << true << 0 << 6000 << sizeChange;
        QTest::newRow("size changed, key frames") << SizeChanged << false << 0 << 6000 << sizeChange;
    }

    void streamEndsOnce()
    {
        QFETCH(StreamEnd, end);
        QFETCH(bool, allFrames);
        QFETCH(int, earliestMs);
        QFETCH(int, latestMs);
        QFETCH(QStringList, expectedLog);
        RtspServerProcess lost;
        RtspServerProcess::Options options;
        options.port = kPort + 1;
        options.size = QSize(320, 180);
        if (end == SizeChanged) {
            options.switchSize = QSize(640, 360);
            options.switchAfterMs = 1000;
        }
        QVERIFY2(lost.start(options), qPrintable(lost.errorString()));
        LogCapture logs;
        PictureProbe probe;
        QVERIFY(probe.start(lost.url(1), 480, 270, allFrames));
        QVERIFY(probe.waitForPictures(1, kPictureTimeoutMs));

        QElapsedTimer clock;
        clock.start();
        if (end == Killed)
            lost.kill();
        else if (end == Silent)
            QVERIFY(lost.pause());
        QVERIFY2(probe.waitForFailure(latestMs + 1000), qPrintable(logs.lines().join('\n')));
        const qint64 ms = clock.elapsed();
        QVERIFY2(ms >= earliestMs && ms <= latestMs, qPrintable(QStringLiteral("FrameFailed after %1 ms").arg(ms)));

        // Once only, and the thread waits idle for its owner's stop.
        QTest::qWait(500);
        QVERIFY2(probe.failureCount == 1, qPrintable(QStringLiteral("%1 failures\n--- log:\n%2")
                                                         .arg(probe.failureCount)
                                                         .arg(logs.lines().join('\n'))));
        QVERIFY(probe.thread->isRunning());
        QVERIFY(logs.contains(QStringLiteral("QFFmpeg::Play method cleanup completed")));
        for (const QString &line : qAsConst(expectedLog)) {
            const QStringList either = line.split(QLatin1Char('|'));
            const bool found =
                std::any_of(either.cbegin(), either.cend(), [&](const QString &text) { return logs.contains(text); });
            QVERIFY2(found, qPrintable(line + QStringLiteral("\n--- log:\n") + logs.lines().join('\n')));
        }
        // Key-frame mode converted only the key picture of the first second, the other mode all.
        if (end == SizeChanged)
            QVERIFY2(allFrames ? probe.pictureCount > 10 : probe.pictureCount <= 2,
                     qPrintable(QString::number(probe.pictureCount)));
        // Every picture delivered before was whole and of the size asked for.
        QCOMPARE(probe.sizes, QList<QSize>{QSize(480, 270)});
        QString why;
        QVERIFY2(looksLikeSmpteBars(probe.lastPicture, &why), qPrintable(why));
        QVERIFY(!logs.contains(QStringLiteral("Scaler made for")));

        // The ended Play loop needs no polls and the idle thread leaves within the first of its
        // waits. How long that takes beside the owner's 600 ms follows the scheduler: the bound
        // only says that nothing hangs.
        const qint64 stopMs = probe.stop(500, 100);
        QVERIFY2(stopMs < 600 + kThreadFirstWaitMs, qPrintable(QString::number(stopMs)));
        QVERIFY2(!logs.contains(QStringLiteral("did not finish")), qPrintable(logs.lines().join('\n')));
        QVERIFY2(!logs.contains(QStringLiteral("Still waiting for Play loop")), qPrintable(logs.lines().join('\n')));
        QVERIFY(!logs.contains(QStringLiteral("kept until it finishes")));
    }
};

QTEST_MAIN(tst_RtspStream)
#include "tst_rtsp_stream.moc"
