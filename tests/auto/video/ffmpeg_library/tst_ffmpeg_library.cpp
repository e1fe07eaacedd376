// FFmpeg loaded by the first decoder rather than with the program: the libraries the program was
// built with resolve, a missing library or function is named, and a process without FFmpeg
// still makes, opens and lets go of decoders: the open fails with a log line, nothing crashes.
#include "log_capture.h"
#include "picture_probe.h"
#include "video/ffmpeg_library.h"
#include "video/qffmpeg.h"

#include <QtTest>

class tst_FfmpegLibrary : public QObject
{
    Q_OBJECT

private slots:
    void resolve_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("reason"); // empty: every function resolved
        QTest::newRow("the program's FFmpeg") << ffmpeg_library::defaultNames() << QString();
        QTest::newRow("a library missing")
            << QStringList{ffmpeg_library::defaultNames().first(), "libcorvane-missing.so.1"} << "libcorvane-missing";
        QTest::newRow("a function missing") << QStringList{"libz.so.1"} << "av_buffer_ref not found in libz.so.1";
    }
    void resolve()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, reason);
        FfmpegLibrary functions;
        QString why;
        QCOMPARE(ffmpeg_library::resolve(names, &functions, &why), reason.isEmpty());
        QVERIFY2(reason.isEmpty() ? why.isEmpty() : why.contains(reason), qPrintable(why));
        if (reason.isEmpty())
            QVERIFY(functions.avformat_open_input && functions.sws_scale && functions.avcodec_default_get_format);
    }

    // Last: the first load's result holds for the rest of the process.
    void withoutFfmpeg()
    {
        ffmpeg_library::useNames({QStringLiteral("libcorvane-missing-avutil.so.57")});
        LogCapture logs;
        for (int connect = 0; connect < 2; ++connect) {
            PictureProbe probe;
            QVERIFY(!probe.start(QStringLiteral("rtsp://127.0.0.1:9/1"), 480, 270));
            probe.stop();
        }
        QVERIFY(!ffmpeg_library::load());
        QVERIFY(!QFFmpeg::acquireFrame());
        QCOMPARE(logs.count(QStringLiteral("QFFmpeg::FFmpeg cannot be loaded: ")), 1);
        QVERIFY(logs.contains(QStringLiteral("libcorvane-missing-avutil")));
        QCOMPARE(logs.count(QStringLiteral("QFFmpeg::Init failed: FFmpeg is not loaded")), 2);
        QCOMPARE(logs.count(QStringLiteral("QFFmpeg::QFFmpeg destructor completed successfully")), 2);
    }
};

QTEST_MAIN(tst_FfmpegLibrary)
#include "tst_ffmpeg_library.moc"
