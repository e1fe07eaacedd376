// The camera menu dialog on its own: the key codes of its seven buttons, the two kinds of
// picture, and its own link to a camera's stream (the RTSP test server on 127.0.0.1), which
// every way out lets go, Escape included, also while the link still opens.
#include "core/reachability.h"
#include "core/time_scale.h"
#include "dialogs/osdmenu.h"
#include "recording_presenter.h"
#include "rtsp/rtsp_server_process.h"
#include "ui_osdmenu.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"

#include <QPainter>
#include <QtTest>

namespace {
constexpr int kWaitMs = 15000; // a first picture, or a thread's end, on a busy machine

QImage halves(QSize size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::red);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), Qt::blue);
    return image;
}
} // namespace

class tst_OsdMenu : public QObject
{
    Q_OBJECT

    RtspServerProcess server;
    RecordingPresenter boxes;

private slots:
    void initTestCase()
    {
        RtspServerProcess::Options options;
        options.size = QSize(320, 180);
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
        timescale::setFactor(0.2);
    }

    void init() { boxes.clear(); }

    // The arrows send their key while held and 9 on release; OK, BACK and MENU one key a click.
    void keys_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("OK") << "osd_ok_Button" << QList<int>{1};
        QTest::newRow("UP") << "osd_up_Button" << QList<int>{2, 9};
        QTest::newRow("DOWN") << "osd_down_Button" << QList<int>{3, 9};
        QTest::newRow("LEFT") << "osd_left_Button" << QList<int>{4, 9};
        QTest::newRow("RIGHT") << "osd_right_Button" << QList<int>{5, 9};
        QTest::newRow("BACK") << "osd_back_Button" << QList<int>{6};
        QTest::newRow("MENU") << "osd_menu_Button" << QList<int>{7};
    }
    void keys()
    {
        QFETCH(QString, button);
        QFETCH(QList<int>, codes);
        OSDMenu dialog;
        dialog.show();
        QSignalSpy keys(&dialog, &OSDMenu::osd_control);
        auto *pressed = dialog.findChild<QPushButton *>(button);
        QTest::mousePress(pressed, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(keys.count(), codes.size() == 2 ? 1 : 0);
        QTest::mouseRelease(pressed, Qt::LeftButton, {}, QPoint(5, 5));
        QList<int> sent;
        for (const QList<QVariant> &key : keys)
            sent << key.at(0).toInt();
        QCOMPARE(sent, codes);
    }

    // The window's pictures are stretched over the whole dialog; those of the dialog's own link
    // keep their aspect inside the picture area; a picture without height is dropped.
    void pictures()
    {
        OSDMenu dialog;
        dialog.show();
        QCOMPARE(dialog.size(), QSize(1024, 576));
        QImage tall = halves(QSize(100, 400));
        dialog.display_image(tall);
        QCOMPARE(dialog.form()->osd_labVideo->pixmap(Qt::ReturnByValue).size(), QSize(1024, 576));
        dialog.rtsp_SetImage(QImage());
        QCOMPARE(dialog.form()->osd_labVideo->pixmap(Qt::ReturnByValue).size(), QSize(1024, 576));
        dialog.rtsp_SetImage(halves(QSize(400, 400)));
        const QSize area = dialog.form()->osd_labVideo->size();
        const int side = qMin(area.width(), area.height());
        QCOMPARE(dialog.form()->osd_labVideo->pixmap(Qt::ReturnByValue).size(), QSize(side, side));
    }

    // The dialog's own picture of a camera: Escape or the close button lets it go at once and
    // says so; a dialog without its own link says nothing; a stream port that takes no
    // connection is "Connection timeout" and the keys still work; Escape while the link still
    // waits for the camera leaves nothing behind.
    void ownLink_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("leave");     // "escape", "close"
        QTest::addColumn<bool>("leaveEarly");   // while the link waits for the camera
        QTest::addColumn<bool>("picture");
        QTest::addColumn<int>("closedSignals");
        QTest::newRow("playing, Escape") << "8554" << "escape" << false << true << 1;
        QTest::newRow("playing, close button") << "8554" << "close" << false << true << 1;
        QTest::newRow("no such port") << "8555" << "escape" << false << false << 0;
        QTest::newRow("Escape while opening") << "8554" << "escape" << true << false << 0;
    }
    void ownLink()
    {
        QFETCH(QString, port);
        QFETCH(QString, leave);
        QFETCH(bool, leaveEarly);
        QFETCH(bool, picture);
        QFETCH(int, closedSignals);
        OSDMenu dialog;
        dialog.show();
        QSignalSpy closed(&dialog, &OSDMenu::close_osdMenu);
        QSignalSpy keys(&dialog, &OSDMenu::osd_control);
        auto leaveDialog = [&] {
            leave == QLatin1String("escape") ? QTest::keyClick(&dialog, Qt::Key_Escape) : void(dialog.close());
        };
        // Left as soon as the decoder exists: its stream still opens.
        QTimer early;
        connect(&early, &QTimer::timeout, &dialog, [&] {
            if (dialog.findChild<QFFmpeg *>()) {
                early.stop();
                leaveDialog();
            }
        });
        if (leaveEarly)
            early.start(1);
        dialog.open_rtsp_link(QStringLiteral("127.0.0.1"), port);
        QCOMPARE(dialog.rtsp_running(), picture);
        if (picture) {
            QCOMPARE(QFFmpeg::instances(), 1);
            QTRY_VERIFY_WITH_TIMEOUT(!dialog.form()->osd_labVideo->pixmap(Qt::ReturnByValue).isNull(), kWaitMs);
        }
        QCOMPARE(boxes.texts(), port == QLatin1String("8555") ? QStringList{"Connection timeout"} : QStringList());
        dialog.form()->osd_ok_Button->click();
        QCOMPARE(keys.count(), 1);
        if (!leaveEarly)
            leaveDialog();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(QFFmpeg::instances(), 0);
        QCOMPARE(rtsp_stream::pendingCount(), 0);
        QCOMPARE(closed.count(), closedSignals);
    }

    // With CORVANE_SHOT_DIR set: the dialog playing its own picture, the keys over it.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (dir.isEmpty())
            QSKIP("CORVANE_SHOT_DIR not set");
        OSDMenu dialog;
        dialog.show();
        dialog.open_rtsp_link(QStringLiteral("127.0.0.1"), QStringLiteral("8554"));
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.form()->osd_labVideo->pixmap(Qt::ReturnByValue).isNull(), kWaitMs);
        QTest::qWait(500);
        QVERIFY(dialog.grab().save(dir + QStringLiteral("/osd-menu.png")));
        dialog.close();
    }
};

QTEST_MAIN(tst_OsdMenu)
#include "tst_osd_menu.moc"
