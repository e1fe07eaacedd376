// A stream whose picture size changes while it plays (the server alternates between two
// sizes). Run under the ASan build as well: no picture may be read outside its planes.
#include "log_capture.h"
#include "picture_probe.h"
#include "rtsp/rtsp_server_process.h"
#include "smpte_bars.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"

#include <QtTest>

namespace {
constexpr quint16 kPort = 8554;
constexpr int kPictureTimeoutMs = 10000;
} // namespace

class tst_SizeChange : public QObject
{
    Q_OBJECT

    RtspServerProcess server;

private slots:
    void initTestCase()
    {
        RtspServerProcess::Options options;
        options.port = kPort;
        options.size = QSize(320, 180);
        options.switchSize = QSize(640, 360);
        options.switchAfterMs = 1000;
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
    }

    void cleanup()
    {
        QTRY_COMPARE_WITH_TIMEOUT(rtsp_stream::pendingCount(), 0, 5000);
        QCOMPARE(QFFmpeg::instances(), 0);
    }

    void sizeChangeEndsTheStream_data()
    {
        QTest::addColumn<bool>("allFrames");
        QTest::addColumn<QSize>("pictureSize");
        QTest::newRow("all frames") << true << QSize(480, 270);
        QTest::newRow("all frames, larger picture") << true << QSize(960, 540);
        QTest::newRow("key frames") << false << QSize(480, 270);
        QTest::newRow("key frames, small picture") << false << QSize(240, 135);
    }

    // Both modes report the change once and end the loop, so the owner reconnects; every
    // picture delivered before is whole and of the requested size.
    void sizeChangeEndsTheStream()
    {
        QFETCH(bool, allFrames);
        QFETCH(QSize, pictureSize);
        LogCapture logs;
        PictureProbe probe;
        QVERIFY(probe.start(server.url(1), pictureSize.width(), pictureSize.height(), allFrames));
        QCOMPARE(probe.decoder->streamWidth(), 320);
        QCOMPARE(probe.decoder->streamHeight(), 180);
        // The first switch comes a second after the stream starts; a bound for a busy machine.
        QVERIFY2(probe.waitForFailure(6000), qPrintable(logs.lines().join('\n')));
        QVERIFY(logs.contains(QStringLiteral("QFFmpeg:: videoHeight: 180 ,videoWidth: 320")));
        QTest::qWait(300);
        QCOMPARE(probe.failureCount, 1);
        QVERIFY(logs.contains(QStringLiteral("QFFmpeg::Play method cleanup completed")));
        QVERIFY(probe.pictureCount >= 1);
        QCOMPARE(probe.sizes, QList<QSize>{pictureSize});
        QString why;
        QVERIFY2(looksLikeSmpteBars(probe.lastPicture, &why), qPrintable(why));
        QVERIFY(!logs.contains(QStringLiteral("Scaler made for")));
        probe.stop();
    }
};

QTEST_MAIN(tst_SizeChange)
#include "tst_size_change.moc"
