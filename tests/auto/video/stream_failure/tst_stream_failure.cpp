// A stream that is lost while it plays: the server killed (connections closed) or paused
// (connections open, nothing sent). The paused case waits for the watchdog in real time.
#include "log_capture.h"
#include "picture_probe.h"
#include "rtsp/rtsp_server_process.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {
constexpr quint16 kPort = 8554;
constexpr int kPictureTimeoutMs = 10000;
} // namespace

class tst_StreamFailure : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QTRY_COMPARE_WITH_TIMEOUT(rtsp_stream::pendingCount(), 0, 5000);
        QCOMPARE(QFFmpeg::instances(), 0);
    }

    void lostStreamFailsOnce_data()
    {
        QTest::addColumn<bool>("pause");
        QTest::addColumn<int>("earliestMs");
        QTest::addColumn<int>("latestMs");
        QTest::addColumn<QStringList>("expectedLog");
        // Killed: the connection closes and the blocked read ends at once.
        QTest::newRow("server killed") << false << 0 << 3000
                                       << QStringList{QStringLiteral("QFFmpeg: av_read_frame failed with error code:")};
        // Paused: only the watchdog ends the read, more than 5 whole seconds after the last
        // packet (so between 5 and 7 seconds).
        QTest::newRow("server paused") << true << 4500 << 7800
                                       << QStringList{QStringLiteral("QFFmpeg: Possible device disconnection or network failure"),
                                                      QStringLiteral("QFFmpeg: av_read_frame failed with error code: -1414092869"),
                                                      QStringLiteral("QFFmpeg: Unknown read error - possible device disconnection or network failure")};
    }

    void lostStreamFailsOnce()
    {
        QFETCH(bool, pause);
        QFETCH(int, earliestMs);
        QFETCH(int, latestMs);
        QFETCH(QStringList, expectedLog);

        RtspServerProcess server;
        RtspServerProcess::Options options;
        options.port = kPort;
        options.size = QSize(320, 180);
        QVERIFY2(server.start(options), qPrintable(server.errorString()));

        LogCapture logs;
        PictureProbe probe;
        QVERIFY(probe.start(server.url(1), 480, 270));
        QVERIFY(probe.waitForPictures(5, kPictureTimeoutMs));

        QElapsedTimer lost;
        lost.start();
        if (pause)
            QVERIFY(server.pause());
        else
            server.kill();
        QVERIFY2(probe.waitForFailure(latestMs + 1000), qPrintable(logs.lines().join('\n')));
        const qint64 ms = lost.elapsed();
        QVERIFY2(ms >= earliestMs && ms <= latestMs, qPrintable(QStringLiteral("FrameFailed after %1 ms").arg(ms)));

        // Once only, and the thread waits idle for its owner's stop.
        QTest::qWait(1000);
        QCOMPARE(probe.failureCount, 1);
        QVERIFY(probe.thread->isRunning());
        QVERIFY(logs.contains(QStringLiteral("QFFmpeg: FrameFailed signal emitted due to read failure")));
        for (const QString &line : expectedLog)
            QVERIFY2(logs.contains(line), qPrintable(line + QStringLiteral("\n--- log:\n") + logs.lines().join('\n')));
        if (!pause) {
            // The class text matches how the connection ended.
            const bool classified = logs.contains(QStringLiteral("QFFmpeg: Stream ended (EOF detected)"))
                || logs.contains(QStringLiteral("QFFmpeg: Connection reset by peer"))
                || logs.contains(QStringLiteral("QFFmpeg: I/O error"));
            QVERIFY2(classified, qPrintable(logs.lines().join('\n')));
        }

        const qint64 stopMs = probe.stop(500, 100);
        QVERIFY2(stopMs < 600 + 500, qPrintable(QString::number(stopMs)));
        QVERIFY(!logs.contains(QStringLiteral("did not finish")));
        server.stop();
    }
};

QTEST_MAIN(tst_StreamFailure)
#include "tst_stream_failure.moc"
