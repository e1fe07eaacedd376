// The simulated close-up camera watched through the tool's own decoder: VISCA position and zoom
// commands sent over UDP as the tool sends them must move the served picture to the part of the
// panorama picture that a pinhole camera turned that far sees. The expected parts are worked
// out by hand below, not by the simulator's code.
#include "picture_probe.h"
#include "sim_camera.h"
#include "sim_closeup.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtMath>
#include <QtTest>

#include <cmath>

namespace {
const QString kAddress = QStringLiteral("127.0.0.2");
constexpr quint16 kRtspPort = 554;
const QSize kPicture(960, 540);
const QSize kStream(320, 180);
// Panorama 90 degrees wide: focal length 480 picture pixels. Close-up 2·atan(0.5) wide: it
// covers 2·480·0.5 = 480 by 270 picture pixels at its widest zoom.
constexpr double kPanoFov = 90.0;
const double kCloseupFov = 2.0 * qRadiansToDegrees(std::atan(0.5));
constexpr double kMatchGrey = 4.0;   // mean difference of a matching picture after H.264
constexpr int kFollowMs = 5000;      // the picture follows in a few hundred ms; bound for a busy machine
constexpr int kReplyMs = 2000;

// Smooth in every direction, so scaling and coding change little, but different everywhere, so
// a part shifted by a few pixels no longer matches.
QImage panorama()
{
    QImage image(kPicture, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(255 * x / (kPicture.width() - 1), 255 * y / (kPicture.height() - 1),
                                      128 + int(100 * std::sin(x * M_PI / 80) * std::cos(y * M_PI / 60))));
    return image;
}

double meanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 255.0;
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}
} // namespace

class tst_SimCloseup : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    QImage picture = panorama();
    SimCamera camera{kAddress, QStringLiteral("R6")};
    SimCloseupPictures closeup{&camera};
    PictureProbe probe;
    QUdpSocket tool;
    qint64 slowestFollowMs = 0;

    // Sends one command as the tool does and collects the datagrams answered to it.
    QByteArray ask(const QByteArray &hexText, int replies)
    {
        tool.writeDatagram(QByteArray::fromHex(hexText), QHostAddress(kAddress), 1259);
        QByteArray got;
        QDeadlineTimer deadline(kReplyMs);
        for (int n = 0; n < replies && QTest::qWaitFor([&] { return tool.hasPendingDatagrams(); }, deadline.remainingTime()); ++n)
            got += tool.receiveDatagram().data();
        return got;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        const QString file = folder.filePath(QStringLiteral("pano.png"));
        QVERIFY(picture.save(file));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        RtspServerProcess::Options options;
        options.address = kAddress;
        options.port = kRtspPort;
        options.size = kStream;
        options.picture = file;
        QVERIFY2(closeup.start(options, SimCloseupOptics{kPicture, kStream, kPanoFov, kCloseupFov}), qPrintable(closeup.errorString()));
        QVERIFY(tool.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        QVERIFY(probe.start(closeup.server().url(1), kStream.width(), kStream.height()));
        QVERIFY(probe.waitForPictures(1, kFollowMs));
    }

    void cleanupTestCase()
    {
        probe.stop();
        qInfo("slowest follow: %lld ms", slowestFollowMs);
    }

    // Each row ends where the previous one did not, so an old picture cannot pass for it.
    void follows_data()
    {
        QTest::addColumn<QByteArrayList>("commands");
        QTest::addColumn<QByteArray>("answers"); // to the pan/tilt inquiry, then the zoom inquiry
        QTest::addColumn<QRect>("part");         // of the panorama picture
        const QByteArray wide = " 90 50 00 00 00 00 FF";
        QTest::newRow("home: the middle") << QByteArrayList{"81 01 06 04 FF"}
                                          << "90 50 00 00 00 00 00 00 00 00 FF" + wide << QRect(240, 135, 480, 270);
        // pan 216 = 15.0 degrees: 480·tan 15° = 128.6 right; tilt -144 = -10.0: 480·tan 10° = 84.6 down.
        QTest::newRow("pan 216, tilt -144") << QByteArrayList{"81 01 06 02 16 12 00 00 0D 08 0F 0F 07 00 FF"}
                                            << "90 50 00 00 0D 08 0F 0F 07 00 FF" + wide << QRect(369, 220, 480, 270);
        // pan 648 = 45.0 degrees: the axis meets the right edge; the part stops there.
        QTest::newRow("stopped at the right edge") << QByteArrayList{"81 01 06 02 16 12 00 02 08 08 00 00 00 00 FF"}
                                                   << "90 50 00 02 08 08 00 00 00 00 FF" + wide << QRect(480, 135, 480, 270);
        // tilt 432 = 30.0 degrees up: 480·tan 30° = 277 above the middle, beyond the top.
        QTest::newRow("stopped at the top edge") << QByteArrayList{"81 01 06 02 16 12 00 00 00 00 00 01 0B 00 FF"}
                                                 << "90 50 00 00 00 00 00 01 0B 00 FF" + wide << QRect(240, 0, 480, 270);
        // pan -300 (0xFED4) = -20.83 degrees: 480·tan = 182.6 left; zoom 16384 doubles the picture:
        // 240 by 135 around (297.4, 270), its top at 202.5 rounded up.
        QTest::newRow("pan -300 zoomed in twice")
            << QByteArrayList{"81 01 06 02 16 12 0F 0E 0D 04 00 00 00 00 FF", "81 01 04 47 04 00 00 00 FF"}
            << QByteArray("90 50 0F 0E 0D 04 00 00 00 00 FF 90 50 04 00 00 00 FF") << QRect(177, 203, 240, 135);
        QTest::newRow("zoom back, home again") << QByteArrayList{"81 01 04 47 00 00 00 00 FF", "81 01 06 04 FF"}
                                               << "90 50 00 00 00 00 00 00 00 00 FF" + wide << QRect(240, 135, 480, 270);
    }

    void follows()
    {
        QFETCH(QByteArrayList, commands);
        QFETCH(QByteArray, answers);
        QFETCH(QRect, part);
        auto scaled = [this](const QRect &r) {
            return picture.copy(r).scaled(kStream, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        };
        const QImage expected = scaled(part);
        QElapsedTimer sent;
        sent.start();
        for (const QByteArray &command : commands)
            QCOMPARE(ask(command, 2).toHex(' '), QByteArray("90 41 ff 90 51 ff"));
        QCOMPARE((ask("81 09 06 12 FF", 1) + ask("81 09 04 47 FF", 1)).toHex(' ').toUpper(), answers.toUpper());

        double difference = 255.0;
        QDeadlineTimer deadline(kFollowMs);
        while ((difference = meanDifference(probe.lastPicture, expected)) >= kMatchGrey && !deadline.hasExpired())
            QTest::qWait(20);
        slowestFollowMs = std::max(slowestFollowMs, sent.elapsed());
        const QRect served = closeup.crop();
        QVERIFY2(difference < kMatchGrey, qPrintable(QStringLiteral("mean difference %1, serving %2,%3 %4x%5")
                                                         .arg(difference).arg(served.x()).arg(served.y())
                                                         .arg(served.width()).arg(served.height())));
        // A part ten picture pixels away must not pass as well.
        QVERIFY(meanDifference(probe.lastPicture, scaled(part.translated(part.x() > 20 ? -10 : 10, 0))) > kMatchGrey);
    }

    // A close-up of another model, 2·atan(2/3) wide, sees 2·480·2/3 = 640 by 360 picture pixels
    // from home; a field of view no camera has changes nothing.
    void anotherModel()
    {
        QCOMPARE(ask("81 01 06 04 FF", 2).toHex(' '), QByteArray("90 41 ff 90 51 ff"));
        QVERIFY(closeup.setCloseupFov(2.0 * qRadiansToDegrees(std::atan(2.0 / 3.0))));
        QCOMPARE(closeup.crop(), QRect(160, 90, 640, 360));
        QVERIFY(!closeup.setCloseupFov(180.0));
        QCOMPARE(closeup.crop(), QRect(160, 90, 640, 360));
        QVERIFY(closeup.setCloseupFov(kCloseupFov));
    }
};

QTEST_MAIN(tst_SimCloseup)
#include "tst_sim_closeup.moc"
