// A process whose FFmpeg cannot be loaded still makes, opens and lets go of decoders: each open
// fails with a log line that says why, the load is tried and logged once, and nothing crashes.
#include "log_capture.h"
#include "picture_probe.h"
#include "video/ffmpeg_library.h"
#include "video/qffmpeg.h"
#include "video/rtspthread.h"

#include <QtTest>

class tst_FfmpegMissing : public QObject
{
    Q_OBJECT

private slots:
    // One case per process: the first load's result holds for the rest of it.
    void opensFailWithTheReason()
    {
        const QString reason = QStringLiteral("libcorvane-missing-avutil");
        ffmpeg_library::useNames({reason + QStringLiteral(".so.57")});
        LogCapture logs;
        for (int connect = 0; connect < 2; ++connect) {
            PictureProbe probe;
            QVERIFY(!probe.start(QStringLiteral("rtsp://127.0.0.1:9/1"), 480, 270));
            QVERIFY(!probe.thread->isRunning());
            probe.stop();
        }
        {
            QFFmpeg unopened; // made and let go without an open
        }
        QVERIFY(!ffmpeg_library::load());
        QVERIFY(!ffmpeg_library::loaded());
        QVERIFY(!QFFmpeg::acquireFrame());
        QCOMPARE(logs.count(QStringLiteral("QFFmpeg::FFmpeg cannot be loaded: ")), 1);
        QCOMPARE(logs.count(QStringLiteral("QFFmpeg::Init failed: FFmpeg is not loaded: ")), 2);
        QVERIFY2(logs.count(reason) >= 3, qPrintable(QString::number(logs.count(reason))));
        QCOMPARE(logs.count(QStringLiteral("QFFmpeg::QFFmpeg destructor completed successfully")), 3);
    }
};

QTEST_MAIN(tst_FfmpegMissing)
#include "tst_ffmpeg_missing.moc"
