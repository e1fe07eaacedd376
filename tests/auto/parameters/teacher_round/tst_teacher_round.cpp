// One full round on the Teacher tab against simulated cameras with live pictures: connect the
// teacher pair, Obtain, change the sensitivity and drag the snapshot region, Apply, Obtain again;
// the tab and the camera agree (the region up to the two truncating conversions). With
// CORVANE_SHOT_DIR set (a run under Xvfb) the window and the camera's record are kept there.
#define QTEST_QPA_MOUSE_HANDLING
#include "core/reachability.h"
#include "core/time_scale.h"
#include "regions/customgraphicsrectitem.h"
#include "regions/customgraphicsscene.h"
#include "regions/rectfmanage.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "rtsp/rtsp_server_process.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "test_env.h"
#include "ui_mainwindow.h"
#include "video/rtsp_stream.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QtTest>

#include <memory>

using region_geometry::RegionRect;

namespace QTest {
template<>
char *toString(const RegionRect &r)
{
    return qstrdup(QStringLiteral("(%1, %2, %3, %4)").arg(r.x).arg(r.y).arg(r.w).arg(r.h).toLatin1().constData());
}
} // namespace QTest

namespace {
constexpr double kTimeScale = 0.1; // the connects' waits of 1.3 to 2 s take a tenth
constexpr int kPictureMs = 15000;
constexpr int kBoxMs = 10000;
const QString kFeature = QStringLiteral("127.0.0.2");
const QString kPano = QStringLiteral("127.0.0.3");
const QString kTeacher = QStringLiteral("teacher_parameter");

CustomGraphicsRectItem *itemNamed(MainWindow *w, const QString &name)
{
    for (RectFManage *record : w->region_editor->scene()->graphicsRectList()) {
        if (record->regionName == name)
            return dynamic_cast<CustomGraphicsRectItem *>(record->item);
    }
    return nullptr;
}

QString describe(const SimMessage &m)
{
    if (m.isVisca())
        return QString::fromLatin1(m.payload.toHex(' ').toUpper());
    return m.text();
}
} // namespace

class tst_TeacherRound : public QObject
{
    Q_OBJECT

    SimCameraHost host;
    std::unique_ptr<RtspServerProcess> servers[2];

private slots:
    void initTestCase()
    {
        const QString addresses[2] = {kFeature, kPano};
        for (int i = 0; i < 2; ++i) {
            QVERIFY(host.addCamera(addresses[i], QStringLiteral("J57")));
            servers[i].reset(new RtspServerProcess);
            RtspServerProcess::Options options;
            options.address = addresses[i];
            options.port = 554;
            options.size = QSize(320, 180);
            options.pattern = i ? QStringLiteral("ball") : QStringLiteral("smpte");
            QVERIFY2(servers[i]->start(options), qPrintable(servers[i]->errorString()));
        }
        QVERIFY(host.startAll());
        reachability::setCheck([](const QString &) { return true; });
        timescale::setFactor(kTimeScale);
    }

    void cleanupTestCase() { timescale::setFactor(1.0); }

    void round()
    {
        SimCamera *pano = host.cameraAt(kPano);
        const struct {
            const char *key;
            const char *value;
        } held[] = {{"pano_sensitivity", "3"},
                    {"pano_pan_scale", "41"},
                    {"pano_tilt_scale", "80"},
                    {"pano_pan_increment", "560"},
                    {"pano_tilt_increment", "120"},
                    {"boardsnapshot_pan_scale", "100"},
                    {"boardsnapshot_tilt_scale", "100"},
                    {"boardsnapshot_pan_increment", "200"},
                    {"boardsnapshot_tilt_increment", "120"}};
        for (const auto &h : held)
            pano->setValue(kTeacher, QLatin1String(h.key), QLatin1String(h.value));

        RecordingPresenter boxes;
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=1\n"));
        std::unique_ptr<MainWindow> window(new MainWindow);
        MainWindow *w = window.get();
        Ui::MainWindow *ui = w->ui;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));

        // Connect the teacher pair.
        ui->teacher_feature_IP_Edit->setText(kFeature);
        ui->teacher_feature_connect_Button->click();
        ui->teacher_pano_IP_Edit->setText(kPano);
        ui->teacher_pano_connect_Button->click();
        QVERIFY(w->udp_teacher_feature_flag && w->udp_teacher_pano_flag);
        QTRY_VERIFY_WITH_TIMEOUT(!ui->teacher_labVideo_pano->pixmap(Qt::ReturnByValue).isNull(), kPictureMs);
        // The pano connect's status answer has the tab read once, without a box.
        QTRY_COMPARE_WITH_TIMEOUT(ui->teacher_version_pano_info_label->text(), QStringLiteral("V1.0.0-sim"), kBoxMs);
        QCOMPARE(ui->teacher_sensitivity_label->text(), QStringLiteral("3"));
        QVERIFY(boxes.shown.isEmpty());

        // The installer shows the regions and obtains.
        ui->teacher_show_region_checkBox->setChecked(true);
        w->on_teacher_show_region_checkBox_clicked(true);
        ui->teacher_obtain_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{QStringLiteral("teacher obtain success")}, kBoxMs);
        QCOMPARE(w->region_editor->region_rects().snapshot, (RegionRect{75, 75, 150, 90}));
        QCOMPARE(w->region_editor->region_rects().tracking, (RegionRect{30, 60, 420, 90}));

        // The snapshot region 20 right and 10 down, and the sensitivity from 3 to 1.
        ui->teacher_snapshot_region_radioButton->setChecked(true);
        w->region_editor->on_teacher_snapshot_region_radioButton_clicked(true);
        CustomGraphicsRectItem *snapshot = itemNamed(w, QStringLiteral("SnapshotRegion"));
        QVERIFY(snapshot);
        QWidget *viewport = ui->graphicsView->viewport();
        const QPoint grab = ui->graphicsView->mapFromScene(snapshot->rect().translated(snapshot->pos()).center());
        QTest::mouseMove(viewport, grab);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, grab);
        QTest::mouseMove(viewport, grab + QPoint(10, 5));
        QTest::mouseMove(viewport, grab + QPoint(20, 10));
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, grab + QPoint(20, 10));
        ui->teacher_sensitivity_Slider->setValue(1);
        QCOMPARE(ui->teacher_apply_Button->text(), QStringLiteral("Apply(*)"));

        ui->teacher_apply_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts().size(), 2, kBoxMs);
        QCOMPARE(boxes.texts().last(), QStringLiteral("teacher apply success"));
        QCOMPARE(ui->teacher_apply_Button->text(), QStringLiteral("Apply"));
        QCOMPARE(pano->value(kTeacher, QStringLiteral("pano_sensitivity")), QStringLiteral("1"));
        // Scene (95, 85, 150, 90) in camera units.
        QCOMPARE(pano->value(kTeacher, QStringLiteral("boardsnapshot_pan_scale")), QStringLiteral("126"));
        QCOMPARE(pano->value(kTeacher, QStringLiteral("boardsnapshot_tilt_scale")), QStringLiteral("113"));
        QCOMPARE(pano->value(kTeacher, QStringLiteral("boardsnapshot_pan_increment")), QStringLiteral("200"));
        QCOMPARE(pano->value(kTeacher, QStringLiteral("boardsnapshot_tilt_increment")), QStringLiteral("120"));

        // Obtain again: the tab shows what the camera holds.
        ui->teacher_sensitivity_Slider->setValue(4);
        ui->teacher_obtain_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts().size(), 3, kBoxMs);
        QCOMPARE(boxes.texts().last(), QStringLiteral("teacher obtain success"));
        QCOMPARE(ui->teacher_sensitivity_label->text(), pano->value(kTeacher, QStringLiteral("pano_sensitivity")));
        QCOMPARE(ui->teacher_sensitivity_Slider->value(), 1);
        // 126 and 113 come back as 94 and 84: the two truncations lose a unit each way.
        QCOMPARE(w->region_editor->region_rects().snapshot, (RegionRect{94, 84, 150, 90}));
        CustomGraphicsRectItem *redrawn = itemNamed(w, QStringLiteral("SnapshotRegion"));
        QVERIFY(redrawn);
        QCOMPARE(redrawn->rect().translated(redrawn->pos()), QRectF(94, 84, 150, 90));
        QCOMPARE(w->teacher_apply_text().section(QLatin1String("\nboardsnapshot_pan_scale="), 1).section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("125"));

        const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (!dir.isEmpty()) {
            QVERIFY(QDir().mkpath(dir));
            QTest::qWait(500); // a few more pictures, and the window painted
            QVERIFY(w->grab().save(QDir(dir).filePath(QStringLiteral("teacher_round.png"))));
            QFile record(QDir(dir).filePath(QStringLiteral("teacher_round_pano_received.txt")));
            QVERIFY(record.open(QIODevice::WriteOnly | QIODevice::Truncate));
            for (const SimMessage &m : pano->received()) {
                if (m.isText() || m.isVisca())
                    record.write((QStringLiteral("<< ") + describe(m).replace(QLatin1Char('\n'), QLatin1String(" | "))
                                  + QLatin1Char('\n'))
                                     .toUtf8());
            }
        }

        ui->teacher_pano_connect_Button->click();
        ui->teacher_feature_connect_Button->click();
        QVERIFY(!w->udp_teacher_pano_flag && !w->udp_teacher_feature_flag);
        delete w->guide_config; // the window never deletes its wizard
        window.reset();
        QTRY_COMPARE_WITH_TIMEOUT(rtsp_stream::pendingCount(), 0, 5000);
    }
};

QTEST_MAIN(tst_TeacherRound)
#include "tst_teacher_round.moc"
