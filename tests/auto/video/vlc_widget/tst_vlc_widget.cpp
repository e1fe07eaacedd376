// The preview widget offscreen: its background, border and overlays as painted, the last
// picture, snapshots, drops, restart and the liveness check, and closing seven camera previews
// at once while the window keeps turning.
#include "core/time_scale.h"
#include "media_clips.h"
#include "rtsp/rtsp_server_process.h"
#include "video/vlcthread.h"
#include "video/vlcwidget.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
constexpr int kStartTimeoutMs = 15000;
constexpr quint16 kRtspPort = 8554;
const QColor kBorder(QStringLiteral("#626161"));

enum Overlay { TextRightTop, DateRightTop, Hidden, ImageLeftBottom };

// Pixels of the grab that differ from the reference inside the rectangle.
int changed(const QImage &a, const QImage &b, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}
} // namespace
Q_DECLARE_METATYPE(Overlay)

class tst_VlcWidget : public QObject
{
    Q_OBJECT

    QString clip;  // 4 s
    QString brief; // 1 s
    RtspServerProcess server;

    std::unique_ptr<VlcWidget> widget(const QString &url)
    {
        auto w = std::make_unique<VlcWidget>();
        w->resize(480, 270);
        w->setCallback(true);
        w->setUrl(url);
        w->show();
        return w;
    }

    // From open() until the player plays, or -1 when it does not.
    qint64 msUntilPlaying(const QString &url)
    {
        auto w = widget(url);
        QElapsedTimer clock;
        clock.start();
        w->open();
        const bool playing = QTest::qWaitFor([&] { return w->getIsPlaying(); }, kStartTimeoutMs);
        const qint64 ms = playing ? clock.elapsed() : -1;
        w->close();
        return ms;
    }

private slots:
    void initTestCase()
    {
        clip = QDir::current().filePath(QStringLiteral("clip.mp4"));
        brief = QDir::current().filePath(QStringLiteral("brief.mp4"));
        QVERIFY(media_clips::make(clip, 4));
        QVERIFY(media_clips::make(brief, 1));
        RtspServerProcess::Options options;
        options.port = kRtspPort;
        options.size = QSize(320, 180);
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
    }

    void cleanup() { timescale::setFactor(1.0); }

    void backgroundAndBorderWhileClosed_data()
    {
        QTest::addColumn<int>("borderWidth");
        QTest::newRow("border 2") << 2;
        QTest::newRow("no border") << 0;
    }
    void backgroundAndBorderWhileClosed()
    {
        QFETCH(int, borderWidth);
        auto w = widget(QString());
        QImage blue(40, 30, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        w->setBgImage(blue);
        w->setBorderWidth(borderWidth);
        const QImage shot = w->grab().toImage();
        QCOMPARE(QColor(shot.pixel(240, 135)), QColor(Qt::blue));
        QCOMPARE(QColor(shot.pixel(0, 135)) == kBorder, borderWidth > 0);
        QCOMPARE(QColor(shot.pixel(260, 135)) == QColor(Qt::blue), false); // unscaled, centred
    }

    void lastPictureAndClose()
    {
        auto w = widget(clip);
        QVERIFY(w->getImage().isNull());
        QSignalSpy started(w.get(), &VlcWidget::receivePlayStart);
        w->open();
        QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, kStartTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!w->getImage().isNull(), kStartTimeoutMs);
        QCOMPARE(w->getImage().size(), QSize(1920, 1080));
        w->close();
        QVERIFY(w->getImage().isNull());
        QVERIFY(!w->player()->isRunning());
    }

    void openOfAPictureFileShowsItWithoutPlayer()
    {
        const QString still = QDir::current().filePath(QStringLiteral("still.png"));
        QImage red(64, 32, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(still));
        auto w = widget(still);
        w->open();
        QCOMPARE(w->getImage().size(), QSize(64, 32));
        QVERIFY(!w->player()->isRunning());
    }

    // Overlays are painted over the picture: the widget is hidden, which keeps its picture
    // still while the player plays on, then painted with and without the overlay.
    void overlays_data()
    {
        QTest::addColumn<Overlay>("overlay");
        QTest::addColumn<QRect>("where");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("text right-top") << TextRightTop << QRect(240, 0, 240, 60) << true;
        QTest::newRow("date whatever the text") << DateRightTop << QRect(240, 0, 240, 60) << true;
        QTest::newRow("hidden") << Hidden << QRect(0, 0, 480, 270) << false;
        QTest::newRow("picture left-bottom") << ImageLeftBottom << QRect(4, 250, 20, 10) << true;
    }
    void overlays()
    {
        QFETCH(Overlay, overlay);
        QFETCH(QRect, where);
        QFETCH(bool, drawn);
        auto w = widget(clip);
        w->open();
        QTRY_VERIFY_WITH_TIMEOUT(!w->getImage().isNull(), kStartTimeoutMs);
        w->hide();
        QTest::qWait(100);
        const QImage before = w->grab().toImage();
        w->setOSD1FontSize(30);
        w->setOSD1Color(QColor(0, 255, 0));
        w->setOSD1Text(overlay == DateRightTop ? QString() : QStringLiteral("WWWW"));
        w->setOSD1Format(overlay == DateRightTop ? VlcWidget::OSDFormat_Date : VlcWidget::OSDFormat_Text);
        QImage magenta(20, 10, QImage::Format_RGB32);
        magenta.fill(Qt::magenta);
        w->setOSD2Image(magenta);
        w->setOSD2Format(VlcWidget::OSDFormat_Image);
        w->setOSD1Visible(overlay == TextRightTop || overlay == DateRightTop);
        w->setOSD2Visible(overlay == ImageLeftBottom);
        const QImage after = w->grab().toImage();
        QCOMPARE(changed(before, after, where) > 20, drawn);
        if (overlay == ImageLeftBottom) // at the overlay area's left (4), its height (260) less 10
            QCOMPARE(QColor(after.pixel(14, 255)), QColor(Qt::magenta));
        // Nothing outside the overlay's corner changes.
        QCOMPARE(changed(before, after, QRect(0, 100, 200, 60)), 0);
        w->close();
    }

    void snapshots()
    {
        const QString shot = QDir::current().filePath(QStringLiteral("snap.jpg"));
        auto w = widget(clip);
        w->snap(shot);
        QVERIFY(!QFile::exists(shot)); // no picture yet
        w->open();
        QTRY_VERIFY_WITH_TIMEOUT(!w->getImage().isNull(), kStartTimeoutMs);
        w->snap(shot);
        QImageReader reader(shot);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(1920, 1080));
        w->close();
    }

    void drops_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("restarts");
        QTest::newRow("file") << QStringLiteral("text/uri-list") << true << true;
        QTest::newRow("tree item without a parent") << QStringLiteral("application/x-qabstractitemmodeldatalist") << true << false;
        QTest::newRow("plain text") << QStringLiteral("text/plain") << false << false;
    }
    void drops()
    {
        QFETCH(QString, format);
        QFETCH(bool, accepted);
        QFETCH(bool, restarts);
        timescale::setFactor(0.1);
        auto w = widget(QString());
        QSignalSpy dragged(w.get(), &VlcWidget::fileDrag);
        QMimeData data;
        if (format == QLatin1String("text/uri-list"))
            data.setUrls({QUrl::fromLocalFile(clip)});
        else
            data.setData(format, QByteArray("x"));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.get(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        if (!accepted)
            return;
        QDropEvent drop(QPointF(10, 10), enter.dropAction(), &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.get(), &drop);
        QVERIFY(w->isDragging());
        QCOMPARE(dragged.count(), restarts ? 1 : 0);
        if (restarts) {
            QCOMPARE(dragged.first().first().toString(), clip);
            QTRY_VERIFY_WITH_TIMEOUT(w->player()->isRunning(), 2000); // 500 ms later, scaled
        }
        QTRY_VERIFY_WITH_TIMEOUT(!w->isDragging(), 2000);
        w->close();
    }

    void restartDelay_data()
    {
        QTest::addColumn<int>("delay");
        QTest::newRow("default 500 ms") << -1;
        QTest::newRow("at once") << 0;
    }
    void restartDelay()
    {
        QFETCH(int, delay);
        timescale::setFactor(0.2);
        auto w = widget(QString());
        if (delay < 0)
            w->restart(clip);
        else
            w->restart(clip, delay);
        QCOMPARE(w->player()->isRunning(), delay == 0);
        QTRY_VERIFY_WITH_TIMEOUT(w->player()->isRunning(), 2000);
        QCOMPARE(w->getUrl(), clip);
        w->close();
    }

    void pauseAndNext()
    {
        auto w = widget(clip);
        w->next(); // no pause before: nothing
        QCOMPARE(w->property("isPause").toBool(), false);
        w->open();
        QTRY_VERIFY_WITH_TIMEOUT(w->getIsPlaying(), kStartTimeoutMs);
        w->pause();
        w->pause(); // a second pause does not resume
        QTRY_COMPARE_WITH_TIMEOUT(w->player()->getState(), int(VlcThread::Paused), 5000);
        QTest::qWait(300);
        QCOMPARE(w->player()->getState(), int(VlcThread::Paused));
        w->next();
        QTRY_VERIFY_WITH_TIMEOUT(w->getIsPlaying(), 5000);
        w->close();
    }

    // With checkLive a stream that stopped is reopened (every 10 s). The check restarts a
    // player that does not play yet too, so a check within a start cuts it off before it
    // plays. In the program 10 s hold many starts; here the interval is four starts as measured
    // just before (200 ms at the least), also where a start takes long (instrumented builds, a
    // loaded machine).
    void livenessReopens()
    {
        const qint64 startMs = msUntilPlaying(brief);
        QVERIFY(startMs >= 0);
        timescale::setFactor(qBound(0.02, 4.0 * double(startMs) / VlcWidget::kCheckIntervalMs, 1.0));
        const int checkMs = timescale::scaled(VlcWidget::kCheckIntervalMs);
        qInfo("a start took %lld ms: a check every %d ms", startMs, checkMs);
        const int waitMs = kStartTimeoutMs + 2 * checkMs;
        auto w = widget(brief);
        w->setCheckLive(true);
        QSignalSpy started(w.get(), &VlcWidget::receivePlayStart);
        QSignalSpy finished(w.get(), &VlcWidget::receivePlayFinsh);
        w->open();
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() >= 1, waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(started.count() >= 2, waitMs);
        w->close();
    }

    // The wizard closes a side's seven previews when it changes step: each stop reaches its
    // decoder at once, and the window's timers run during the waits.
    void closingSevenCameraPreviews()
    {
        std::vector<std::unique_ptr<VlcWidget>> previews;
        for (int i = 0; i < 7; ++i) {
            previews.push_back(widget(server.url(1 + i % 5)));
            previews.back()->open();
        }
        for (auto &w : previews)
            QTRY_VERIFY_WITH_TIMEOUT(!w->getImage().isNull(), kStartTimeoutMs);
        QCOMPARE(previews.front()->getImage().size(), QSize(1920, 1080));
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] { ++ticks; });
        tick.start(5);
        QElapsedTimer clock;
        clock.start();
        for (auto &w : previews)
            w->close();
        const qint64 ms = clock.elapsed();
        QVERIFY2(ms < 3000, qPrintable(QString::number(ms)));
        QVERIFY(ticks > 0);
        for (auto &w : previews)
            QVERIFY(!w->player()->isRunning());
    }
};

QTEST_MAIN(tst_VlcWidget)
#include "tst_vlc_widget.moc"
