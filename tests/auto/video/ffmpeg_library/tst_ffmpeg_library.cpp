// FFmpeg loaded by the first decoder's open rather than with the program: the libraries the
// program was built with resolve, a missing library or function is named, and the first decoder
// leaves the load to its open's thread, so that the GUI thread never waits for it.
#include "log_capture.h"
#include "video/ffmpeg_library.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"

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
        QVERIFY(!ffmpeg_library::loaded()); // a resolve is no load
    }

    // The first decoder is made without FFmpeg and loads it in its open, which runs on a thread
    // of its own; decoders made later find it loaded.
    void firstOpenLoads()
    {
        LogCapture logs;
        QObject owner;
        QFFmpeg *decoder = nullptr;
        RtspThread *thread = nullptr;
        rtsp_stream::create(&owner, QStringLiteral("rtsp://127.0.0.1:9/1"), 480, 270, decoder, thread);
        QVERIFY(!ffmpeg_library::loaded());
        QVERIFY(!rtsp_stream::start(decoder, thread)); // nothing listens there
        QVERIFY(ffmpeg_library::loaded());
        QVERIFY(logs.contains(QStringLiteral("QFFmpeg::Init failed:avformat_open_input failed")));
        rtsp_stream::stop(decoder, thread, {});
        QCOMPARE(logs.count(QStringLiteral("FFmpeg cannot be loaded")), 0);
    }
};

QTEST_MAIN(tst_FfmpegLibrary)
#include "tst_ffmpeg_library.moc"
