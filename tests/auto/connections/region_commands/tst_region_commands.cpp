// The region controls of the teacher tab against a simulated teacher panorama camera that the
// real connect toggle reached, with its RTSP pictures: the exact texts each control puts on the
// wire (the region display switch as VISCA, the crop status request, clearing the snapshot,
// cancelling the tracking area), and the regions drawn over the live panorama picture.
#define QTEST_QPA_MOUSE_HANDLING

#include "core/reachability.h"
#include "core/time_scale.h"
#include "regions/customgraphicsrectitem.h"
#include "regions/customgraphicsscene.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "rtsp/rtsp_server_process.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "smpte_bars.h"
#include "test_env.h"
#include "ui_mainwindow.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"

#include <QDir>
#include <QElapsedTimer>
#include <QtTest>

#include <memory>

namespace {
const QString kPano = QStringLiteral("127.0.0.3"); // the teacher pano's place among the slots
constexpr double kTimeScale = 0.1;
constexpr int kPictureTimeoutMs = 15000;
constexpr int kQuietMs = 150; // nothing more arrives within this after the expected commands

const QString kShowOn = QStringLiteral("81 01 04 57 02 FF");
const QString kShowOff = QStringLiteral("81 01 04 57 01 FF");
const QString kCropStatus = QStringLiteral("teacher_parameter\ncommand=get_crop_status");
const QString kCancelSnapshot = QStringLiteral("teacher_parameter\nset_tracking_config_command\ncommand=cancelsnapshotarea");
const QString kCancelTracking = QStringLiteral("teacher_parameter\nset_tracking_config_command\ncommand=canceltrackingarea");

// A command as the camera saw it: VISCA as upper-case hex text, text blocks as they are, with
// the port it was meant for (the frame header's port on the TCP link, else the local port).
struct Seen {
    QString text;
    int port;
};

QList<Seen> commandsSeen(const SimCamera *camera)
{
    QList<Seen> out;
    for (const SimMessage &m : camera->received()) {
        if (!m.isVisca() && !m.isText())
            continue;
        const int port = m.transport == SimTransport::Tcp ? int(m.framePort) : int(m.localPort);
        out << Seen{m.isVisca() ? QString::fromLatin1(m.payload.toHex(' ').toUpper()) : m.text(), port};
    }
    return out;
}
} // namespace

class tst_RegionCommands : public QObject
{
    Q_OBJECT

    SimCameraHost host;
    RtspServerProcess server;
    RecordingPresenter boxes;
    std::unique_ptr<MainWindow> w;

    SimCamera *camera() const { return host.cameraAt(kPano); }

    QStringList regionsOnScene() const
    {
        QStringList out;
        for (RectFManage *record : w->region_scene->graphicsRectList()) {
            auto *item = dynamic_cast<CustomGraphicsRectItem *>(record->item);
            if (!item || !item->isVisible())
                continue;
            const QRectF r = item->rect().translated(item->pos());
            out << QStringLiteral("%1 %2 %3 %4 %5").arg(record->regionName).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        }
        out.sort();
        return out;
    }

    // The installer's drag on the preview while a region is armed for drawing.
    void drag(const QPoint &from, const QPoint &to)
    {
        QWidget *viewport = w->ui->graphicsView->viewport();
        QTest::mouseMove(viewport, from);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(viewport, (from + to) / 2);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
    }

    void click(QAbstractButton *button)
    {
        QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
        button->click();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(host.addCamera(kPano, QStringLiteral("J57")));
        QVERIFY(host.startAll());
        RtspServerProcess::Options options;
        options.address = kPano;
        options.port = 554;
        options.size = QSize(640, 360);
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
        reachability::setCheck([](const QString &) { return true; });
        timescale::setFactor(kTimeScale);

        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"));
        w.reset(new MainWindow);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->ui->tabWidget->setCurrentWidget(w->ui->tab_teacher);
        w->ui->teacher_pano_IP_Edit->setText(kPano);
        w->ui->teacher_pano_connect_Button->click();
        QVERIFY(w->udp_teacher_pano_flag);
        QCOMPARE(w->ui->teacher_pano_connect_Button->text(), QStringLiteral("Disconnect"));
        QVERIFY(!w->teacher_pano_offline);
    }

    void cleanupTestCase()
    {
        if (w) {
            if (w->udp_teacher_pano_flag)
                w->ui->teacher_pano_connect_Button->click();
            QTRY_COMPARE_WITH_TIMEOUT(rtsp_stream::pendingCount(), 0, 5000);
            delete w->guide_config; // the window never deletes its wizard
            w.reset();
        }
        QCOMPARE(QFFmpeg::instances(), 0);
        timescale::setFactor(1.0);
    }

    void init()
    {
        camera()->setFault(SimFault::None);
        QTest::qWait(kQuietMs); // answers to earlier commands are in
        camera()->clearRecords();
    }

    // What each region control sends to the teacher pano camera, in order and on which port.
    void controlsOnTheWire_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("teacherModel"); // the teacher (close-up) camera's model
        QTest::addColumn<bool>("panoOffline");    // the pano was marked disconnected since its connect
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("ports");

        QTest::newRow("show regions, J57") << "show on" << "J57" << false << QStringList{kShowOn, kCropStatus} << QList<int>{1259, 6791};
        QTest::newRow("show regions, no teacher camera") << "show on" << "" << false << QStringList{kShowOn, kCropStatus} << QList<int>{1259, 6791};
        QTest::newRow("show regions, M19") << "show on" << "M19" << false << QStringList{kShowOff, kCropStatus} << QList<int>{1259, 6791};
        QTest::newRow("show regions, M5") << "show on" << "M5" << false << QStringList{kShowOff, kCropStatus} << QList<int>{1259, 6791};
        QTest::newRow("hide regions, J57") << "show off" << "J57" << false << QStringList{kShowOff, kCropStatus} << QList<int>{1259, 6791};
        QTest::newRow("hide regions, M19") << "show off" << "M19" << false << QStringList{kShowOff, kCropStatus} << QList<int>{1259, 6791};
        QTest::newRow("show regions, pano marked offline: no crop status")
            << "show on" << "J57" << true << QStringList{kShowOn} << QList<int>{1259};
        QTest::newRow("hide regions, pano marked offline: no crop status")
            << "show off" << "J57" << true << QStringList{kShowOff} << QList<int>{1259};
        QTest::newRow("clear snapshot") << "clear snapshot" << "J57" << false << QStringList{kCancelSnapshot} << QList<int>{6791};
        QTest::newRow("cancel tracking area") << "cancel tracking" << "J57" << false << QStringList{kCancelTracking} << QList<int>{6791};
    }

    void controlsOnTheWire()
    {
        QFETCH(QString, control);
        QFETCH(QString, teacherModel);
        QFETCH(bool, panoOffline);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, ports);

        const QString modelBefore = w->teacher_feature_device_model;
        w->teacher_feature_device_model = teacherModel;
        w->teacher_pano_offline = panoOffline;
        Ui::MainWindow *ui = w->ui;
        if (control == QLatin1String("show on") || control == QLatin1String("show off")) {
            // The box starts in the other state, so the click turns it as named.
            ui->teacher_show_region_checkBox->setChecked(control == QLatin1String("show off"));
            click(ui->teacher_show_region_checkBox);
            QCOMPARE(ui->teacher_show_region_checkBox->isChecked(), control == QLatin1String("show on"));
        } else {
            // The region buttons act while the regions are shown; showing them sends its own.
            ui->teacher_show_region_checkBox->setChecked(false);
            click(ui->teacher_show_region_checkBox);
            QVERIFY(camera()->waitForMessage([](const SimMessage &m) { return m.isText() && m.text() == kCropStatus; }, 5000));
            QTest::qWait(kQuietMs);
            camera()->clearRecords();
        }
        if (control == QLatin1String("clear snapshot")) {
            click(ui->clear_snapshot_region_pushButton);
            QCOMPARE(w->teacher_region_rects.snapshot.w, 0);
        } else if (control == QLatin1String("cancel tracking")) {
            click(ui->del_track_region_pushButton);
            QVERIFY(w->teacher_region_redraw_pending);
            QVERIFY(w->region_scene->graphicsRectList().isEmpty());
        }
        w->teacher_feature_device_model = modelBefore;
        w->teacher_pano_offline = false;
        w->teacher_region_redraw_pending = false;

        QElapsedTimer clock;
        clock.start();
        while (commandsSeen(camera()).size() < texts.size() && clock.elapsed() < 5000)
            QTest::qWait(5);
        QTest::qWait(kQuietMs);
        QStringList gotTexts;
        QList<int> gotPorts;
        for (const Seen &s : commandsSeen(camera())) {
            gotTexts << s.text;
            gotPorts << s.port;
        }
        QCOMPARE(gotTexts, texts);
        QCOMPARE(gotPorts, ports);
        QVERIFY(boxes.texts().isEmpty());
    }

    // The live panorama picture with the tracking, snapshot, a shield and a blackboard region
    // drawn over it as the installer draws them; saved when CORVANE_SHOT_DIR is set.
    void regionsOverLivePicture()
    {
        Ui::MainWindow *ui = w->ui;
        ui->teacher_show_region_checkBox->setChecked(false);
        w->on_teacher_show_region_checkBox_clicked(false);
        w->teacher_region_rects = {};
        QTRY_VERIFY_WITH_TIMEOUT(!ui->teacher_labVideo_pano->pixmap(Qt::ReturnByValue).isNull(), kPictureTimeoutMs);
        const QImage picture = ui->teacher_labVideo_pano->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(picture.size(), QSize(480, 270));
        QString why;
        QVERIFY2(looksLikeSmpteBars(picture, &why), qPrintable(why));

        // Showing the regions puts the default tracking region up (the camera reported none).
        click(ui->teacher_show_region_checkBox);
        QVERIFY(ui->teacher_track_region_radioButton->isChecked());
        QCOMPARE(regionsOnScene(), QStringList{"TrackingRegion 15 60 450 120"});

        // No stored snapshot: the snapshot button arms drawing, the drag draws it.
        click(ui->teacher_snapshot_region_radioButton);
        QCOMPARE(w->region_scene->currentAction(), int(CustomGraphicsScene::RectType));
        drag(QPoint(170, 8), QPoint(310, 52));

        click(ui->teacher_shield_region_radioButton);
        ui->teacher_shield_one_checkBox->setChecked(false);
        click(ui->teacher_shield_one_checkBox);
        QCOMPARE(w->region_scene->getTrackingRegionName(), QStringLiteral("ShieldRegionOne"));
        drag(QPoint(30, 190), QPoint(130, 260));

        click(ui->teacher_board_region_radioButton);
        ui->teacher_board_one_checkBox->setChecked(false);
        click(ui->teacher_board_one_checkBox);
        QCOMPARE(w->region_scene->getTrackingRegionName(), QStringLiteral("BoardRegionLeft"));
        drag(QPoint(290, 75), QPoint(440, 165));

        QCOMPARE(regionsOnScene(), (QStringList{"BoardRegionLeft 290 75 150 90", "ShieldRegionOne 30 190 100 70",
                                                "SnapshotRegion 170 8 140 44", "TrackingRegion 15 60 450 120"}));

        const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (!dir.isEmpty()) {
            QVERIFY(QDir().mkpath(dir));
            QTest::qWait(500); // a few more pictures, and the window painted
            const QRect preview(ui->teacher_labVideo_pano->mapTo(w.get(), QPoint(0, 0)), ui->teacher_labVideo_pano->size());
            QVERIFY(w->grab(preview).save(QDir(dir).filePath(QStringLiteral("teacher_pano_regions_live.png"))));
            QVERIFY(w->grab().save(QDir(dir).filePath(QStringLiteral("teacher_tab_regions_live.png"))));
        }
    }
};

QTEST_MAIN(tst_RegionCommands)
#include "tst_region_commands.moc"
