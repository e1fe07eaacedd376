// What a preview player reads from its address: the kind of source, the capture-device text and
// its options, the camera to probe, libVLC's demux argument, the capture device on this system
// and the recordings a segment is named from.
#include "core/media_address.h"

#include <QtTest>

class tst_MediaAddress : public QObject
{
    Q_OBJECT

private slots:
    void classify_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("net");
        QTest::addColumn<bool>("dshow");
        QTest::newRow("capture with size") << "video=Cam|1280x720" << "dshow://:dshow-vdev=Cam:dshow-size=1280*720" << false << true;
        QTest::newRow("capture without size") << "video=Cam" << "dshow://:dshow-vdev=Cam:dshow-size=1920*1080" << false << true;
        QTest::newRow("capture, three pieces") << "video=Cam|1x2|x" << "dshow://:dshow-vdev=Cam:dshow-size=1920*1080" << false << true;
        QTest::newRow("RTSP any case") << "RTSP://1.2.3.4/1" << "RTSP://1.2.3.4/1" << true << false;
        QTest::newRow("http") << "http://h/x.ts" << "http://h/x.ts" << true << false;
        QTest::newRow("file") << "/tmp/a.mp4" << "/tmp/a.mp4" << false << false;
        QTest::newRow("Video= is no capture") << "Video=Cam" << "Video=Cam" << false << false;
    }
    void classify()
    {
        QFETCH(QString, address);
        const media_address::Classified c = media_address::classify(address);
        QTEST(c.url, "kept");
        QTEST(c.isNetStream, "net");
        QTEST(c.isDshow, "dshow");
    }

    void captureOptions()
    {
        QCOMPARE(media_address::dshowOptions(media_address::classify(QStringLiteral("video=Cam|1280x720")).url),
                 QStringList({":dshow-vdev=Cam", ":dshow-size=1280*720", ":live-caching=2000"}));
        QCOMPARE(media_address::dshowOptions(QStringLiteral("dshow://:dshow-vdev=A::live-caching=50")),
                 QStringList({":dshow-vdev=A", ":live-caching=50", ":dshow-size=1920*1080"}));
    }

    void probeTarget_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("credentials and port") << "rtsp://admin:pw@192.168.5.163:8554/1" << "192.168.5.163" << 8554;
        QTest::newRow("no port") << "rtsp://192.168.5.163/2" << "192.168.5.163" << 554;
        QTest::newRow("port") << "rtsp://10.0.0.9:1554/1" << "10.0.0.9" << 1554;
        QTest::newRow("credentials, no port") << "rtsp://a:b@10.0.0.9/1" << "10.0.0.9" << 554;
        QTest::newRow("empty port") << "rtsp://10.0.0.9:/1" << "10.0.0.9" << 554;
        QTest::newRow("no address") << "rtsp://camera/1" << "" << 554;
    }
    void probeTarget()
    {
        QFETCH(QString, address);
        const media_address::ProbeTarget target = media_address::probeTarget(address);
        QTEST(target.host, "host");
        QTEST(int(target.port), "port");
    }

    void demuxArgument_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("argument");
        QTest::newRow("h265") << "/v/a.h265" << "--demux=h265";
        QTest::newRow("h264") << "/v/a.h264" << "--demux=h264";
        QTest::newRow("mp4") << "/v/a.mp4" << "";
        QTest::newRow("none") << "/v/a" << "";
    }
    void demuxArgument()
    {
        QFETCH(QString, address);
        QTEST(media_address::demuxArgument(address), "argument");
    }

    void captureDeviceOfThisSystem_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("by name") << "video=USB Cam|1280x720" << "v4l2:///dev/video2"
                                 << QStringList({":v4l2-width=1280", ":v4l2-height=720", ":live-caching=2000"});
        QTest::newRow("by node") << "video=/dev/video0" << "v4l2:///dev/video0"
                                 << QStringList({":v4l2-width=1920", ":v4l2-height=1080", ":live-caching=2000"});
        QTest::newRow("unknown") << "video=Other" << "" << QStringList();
    }
    void captureDeviceOfThisSystem()
    {
        QFETCH(QString, address);
        const QList<media_address::CaptureDevice> devices{{"/dev/video0", "Integrated"}, {"/dev/video2", "USB Cam"}};
        const media_address::CaptureMedia media = media_address::v4l2ForDshow(media_address::classify(address).url, devices);
        QTEST(media.location, "location");
        QTEST(media.options, "options");
        QCOMPARE(media.found, !media.location.isEmpty());
    }

    void recordingNames()
    {
        const QDateTime start(QDate(2024, 5, 6), QTime(7, 8, 9));
        const QString segment = media_address::segmentName(QStringLiteral("/r/2024-05-06"), QStringLiteral("Ch1"), start);
        QCOMPARE(segment, QStringLiteral("/r/2024-05-06/Ch1_2024-05-06-07-08-09"));
        QCOMPARE(media_address::segmentStart(segment), start);
        QCOMPARE(media_address::dayFolder(QStringLiteral("rec"), start.date(), QStringLiteral("/app")),
                 QStringLiteral("/app/rec/2024-05-06"));
        QCOMPARE(media_address::dayFolder(QStringLiteral("C:/rec"), start.date(), QStringLiteral("/app")),
                 QStringLiteral("C:/rec/2024-05-06"));
        // Segments cut more often than the match window: the closest recording wins.
        const QStringList entries{"vlc-record-2024-05-06-07h08m11s-Ch1-.ts", "vlc-record-2024-05-06-07h08m08s-Ch1-.ts",
                                  "vlc-record-2024-05-06-07h08m09s-Ch2-.ts", "vlc-record-2024-05-06-07h08m14s-Ch1-.ts",
                                  "vlc-record-bad-Ch1.ts", "Ch1_2024-05-06-07-08-09.ts"};
        qint64 diff = -1;
        QCOMPARE(media_address::findRecording(entries, QStringLiteral("Ch1"), start, &diff),
                 QStringLiteral("vlc-record-2024-05-06-07h08m08s-Ch1-.ts"));
        QCOMPARE(diff, 1);
        QCOMPARE(media_address::findRecording({"vlc-record-2024-05-06-07h08m14s-Ch1-.mp4"}, QStringLiteral("Ch1"), start),
                 QString());
    }
};

QTEST_GUILESS_MAIN(tst_MediaAddress)
#include "tst_media_address.moc"
