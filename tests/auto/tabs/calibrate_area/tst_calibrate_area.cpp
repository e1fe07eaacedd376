// The student calibration dialog and its button without the window, against a simulated student
// pano camera: the points through the dialog's scale and back, dragging with its clamps and hit
// test, opening and closing by the button with either camera gone, and what the camera receives
// for Start and Stop, and that the points are painted only when they change.
#include "form_rig.h"
#include "region_views.h"
#include "sim_camera.h"
#include "sim_wire.h"
#include "tabs/student_calibrate_area.h"
#include "tabs/student_tab.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

using camera_slot::Slot;

namespace {
const QString kBlock = QStringLiteral("student_parameter\nset_tracking_config_command\ncommand=");
const QString kConnect = QStringLiteral("Please connect the camera");

// No calibration cross shows.
struct NoCross : CalibrationView {
    bool calibration_shown(camera_slot::Side) const override { return false; }
    void hide_calibration(camera_slot::Side) override {}
};

// The Student tab, its region controls (the calibration button and the region display box) and
// the dialog's feature, wired as the window wires them; the pictures' destination is recorded.
struct Rig : FormRig {
    NoCross noCross;
    int trackStatus = 2;
    bool loading = false;
    bool expand_open = false;
    portforward::Fields portFields;
    WindowChoices choices;
    BoardPreviewAreas board;
    StudentTab student{CORVANE_FORM_WIDGETS(StudentTab, STUDENT_TAB_WIDGETS, formHost.ui),
                       student_values,
                       teacher_values,
                       student_points,
                       cameras,
                       ports,
                       portFields,
                       link,
                       noCross,
                       trackStatus,
                       loading,
                       &formHost.window};
    RegionViews views{*this, choices, board, noCross};
    StudentRegions &regions = views.regions;
    StudentCalibrateArea area{cameras, student_points, &formHost.window};
    Calibrate_Area_Expand dialog{area.dialog_host(), &formHost.window};
    Rig()
    {
        using A = StudentCalibrateArea;
        QObject::connect(&regions, &StudentRegions::calibrate_area_clicked, &area,
                         &A::on_student_calibrate_area_toolButton_clicked);
        QObject::connect(&area, &A::calibrate_button_enabled_wanted, &regions,
                         &StudentRegions::enable_calibrate_button);
        QObject::connect(&area, &A::region_display_checked_wanted, &regions, &StudentRegions::check_region_display);
        QObject::connect(&area, &A::dialog_open_changed, [this](bool open) { expand_open = open; });
        QObject::connect(&area, &A::auto_calibrate_wanted, &student, &StudentTab::run_auto_calibrate);
        QObject::connect(&area, &A::points_synced, &regions, &StudentRegions::repaint_student_regions);
        area.attach_dialog(&dialog);
        for (Slot s : {Slot::StudentFeature, Slot::StudentPano}) {
            cameras.set_destination(s, QStringLiteral("127.0.0.5"));
            cameras[s].udp_flag = true;
        }
        ui->student_pos_calibration_region_checkBox->setChecked(true);
    }
    QPushButton *button(const char *name) { return dialog.findChild<QPushButton *>(name); }
    void mouse(QEvent::Type type, const QPoint &at, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &event);
    }
    // "press x,y", "move x,y", "release x,y", "click" (the tool button), "escape", "start",
    // "stop", "ok"/"cancel" (the next box's answer), "gone=feature|pano", "success", "fail".
    void step(const QString &step)
    {
        const QString word = step.section(QLatin1Char(' '), 0, 0);
        const QStringList xy = step.section(QLatin1Char(' '), 1).split(QLatin1Char(','));
        const QPoint at = xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint();
        if (word == QLatin1String("press"))
            mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
        else if (word == QLatin1String("move"))
            mouse(QEvent::MouseMove, at, Qt::LeftButton);
        else if (word == QLatin1String("release"))
            mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
        else if (word == QLatin1String("click"))
            ui->student_calibrate_area_toolButton->click();
        else if (word == QLatin1String("escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (word == QLatin1String("start"))
            button("start_auto_calibrate_Button")->click();
        else if (word == QLatin1String("stop"))
            button("end_auto_calibrate_Button")->click();
        else if (word == QLatin1String("ok") || word == QLatin1String("cancel"))
            boxes.answerNext(word == QLatin1String("ok") ? QMessageBox::Ok : QMessageBox::Cancel);
        else if (word == QLatin1String("gone=feature") || word == QLatin1String("gone=pano"))
            cameras[word.endsWith(QLatin1String("pano")) ? Slot::StudentPano : Slot::StudentFeature].udp_flag = false;
        else if (word == QLatin1String("success"))
            dialog.update_success();
        else if (word == QLatin1String("fail"))
            dialog.update_fail();
        else
            QFAIL(qPrintable(step));
    }
};

QString pointsText(const std::array<QPoint, 6> &points)
{
    QStringList list;
    for (int i = 0; i < 4; ++i)
        list << QStringLiteral("%1,%2").arg(points[size_t(i)].x()).arg(points[size_t(i)].y());
    return list.join(QLatin1Char(' '));
}
} // namespace

class tst_CalibrateArea : public QObject
{
    Q_OBJECT
    std::unique_ptr<SimCamera> pano;

private slots:
    void initTestCase()
    {
        pano = std::make_unique<SimCamera>(QStringLiteral("127.0.0.5"));
        QVERIFY(pano->start());
    }
    // What an earlier row sent may still be on its way.
    void init() { simwire::receivedUpToMarkers(*pano); }

    // The four feature and pano points start at the same window points, the dialog is opened by
    // its button, the steps run, and the dialog is closed by the button (once more opening it);
    // the window's points are then compared.
    void drag_data()
    {
        QTest::addColumn<QString>("start");   // the window's four points, feature and pano alike
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("feature"); // the window's feature points afterwards
        QTest::addColumn<QString>("pano");
        const QString p = QStringLiteral("100,200 300,200 310,60 480,270");
        QTest::newRow("no drag: there and back") << p << "" << p << p;
        // Point 2 at (300, 200) is at (399, 266) in the dialog, 465 on its y axis.
        QTest::newRow("feature point 2 to (300, 400)") << p << "press 399,465; move 300,400; release 300,400"
                                                      << "100,200 226,151 310,60 480,270" << p;
        QTest::newRow("pano point 2 to (900, 300)") << p << "press 1039,465; move 900,300; release 900,300" << p
                                                   << "100,200 195,76 310,60 480,270";
        QTest::newRow("press at x 639 is outside") << p << "press 639,558; move 300,400; release 300,400" << p << p;
        QTest::newRow("two points in reach: the lower-numbered")
            << "100,100 102,101 310,60 480,270" << "press 135,333; move 200,400; release 200,400"
            << "150,151 102,101 310,60 480,270" << "100,100 102,101 310,60 480,270";
        QTest::newRow("press at y 199 goes to 200") << "150,0 300,200 310,60 480,270" << "press 200,199; release 200,199"
                                                    << "150,1 300,200 310,60 480,270" << "150,0 300,200 310,60 480,270";
        QTest::newRow("release outside both pictures puts the point down")
            << p << "press 399,465; move 100,300; release 700,50" << "100,200 75,76 310,60 480,270" << p;
        QTest::newRow("escape gives the points back") << p << "press 399,465; move 300,400; release 300,400; escape; click"
                                                      << "100,200 226,151 310,60 480,270" << p;
        QTest::newRow("default") << p << "ok; default" << "312,171 302,96 162,102 150,173"
                                 << "312,171 302,96 162,102 150,173";
    }
    void drag()
    {
        QFETCH(QString, start);
        QFETCH(QString, steps);
        Rig rig;
        StudentRegionPoints &w = rig.student.points();
        const QStringList corners = start.split(QLatin1Char(' '));
        for (int i = 0; i < 4; ++i) {
            const QStringList xy = corners[i].split(QLatin1Char(','));
            w.feature_calibrate_points[size_t(i)] = w.pano_calibrate_points[size_t(i)] =
                QPoint(xy[0].toInt(), xy[1].toInt());
        }
        rig.step(QStringLiteral("click"));
        QVERIFY(rig.dialog.isVisible());
        for (const QString &s : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
            if (s == QLatin1String("default"))
                rig.button("student_calibrate_default_Button")->click();
            else
                rig.step(s);
        }
        rig.step(QStringLiteral("click"));
        QTEST(pointsText(w.feature_calibrate_points), "feature");
        QTEST(pointsText(w.pano_calibrate_points), "pano");
    }

    // The overlays paint the points where the scale puts them, and only when something changed.
    void painting()
    {
        Rig rig;
        rig.student.points().feature_calibrate_points[0] = QPoint(300, 200); // (399, 266) in the dialog
        rig.step(QStringLiteral("click"));
        QCOMPARE(rig.dialog.grab().toImage().pixelColor(396, 466), QColor(Qt::red));
        QWidget *overlay = rig.dialog.findChild<QWidget *>(QStringLiteral("student_feature_calibrate_widget"));
        struct Count : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *e) override
            {
                paints += e->type() == QEvent::Paint;
                return false;
            }
        } count;
        QTest::qWait(50);
        overlay->installEventFilter(&count);
        QTest::qWait(100);
        QCOMPARE(count.paints, 0);
        rig.step(QStringLiteral("press 399,465"));
        rig.step(QStringLiteral("move 300,400"));
        QTRY_VERIFY(count.paints > 0);
    }

    // A point not put down is drawn at its drag position, which goes to the dialog's picture and
    // back to the window's picture points.
    void unplaced_data()
    {
        QTest::addColumn<bool>("pano");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QPoint>("pixel"); // red in the dialog: the square's left edge, when not null
        QTest::addColumn<QPoint>("pos");   // the window's drag position afterwards
        QTest::newRow("feature point") << false << "" << QPoint(396, 466) << QPoint(300, 200);
        QTest::newRow("pano point") << true << "" << QPoint(1036, 466) << QPoint(300, 200);
        // Point 1 at (100, 100) is at (133, 332) in the dialog; closed before the release.
        QTest::newRow("feature drag not finished") << false << "press 133,332; move 300,400; escape" << QPoint()
                                                   << QPoint(226, 151);
        QTest::newRow("pano drag not finished") << true << "press 773,332; move 900,300; escape" << QPoint()
                                                << QPoint(195, 76);
    }
    void unplaced()
    {
        QFETCH(bool, pano);
        QFETCH(QString, steps);
        Rig rig;
        StudentRegionPoints &w = rig.student.points();
        auto &points = pano ? w.pano_calibrate_points : w.feature_calibrate_points;
        auto &pos = pano ? w.pano_calibrate_pos : w.feature_calibrate_pos;
        points[0] = QPoint(100, 100);
        pos[0] = QPoint(300, 200);
        (pano ? w.pano_calibrate_visible : w.feature_calibrate_visible)[0] = true;
        (pano ? w.pano_calibrate_done : w.feature_calibrate_done)[0] = steps.isEmpty() ? false : true;
        rig.step(QStringLiteral("click"));
        QFETCH(QPoint, pixel);
        if (!pixel.isNull())
            QCOMPARE(rig.dialog.grab().toImage().pixelColor(pixel), QColor(Qt::red));
        for (const QString &s : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts))
            rig.step(s);
        if (rig.dialog.isVisible())
            rig.step(QStringLiteral("click"));
        QTEST(pos[0], "pos");
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("sent");  // what the student pano camera received
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("after"); // dialog shown, pictures wanted, show-region box, Start, Stop enabled
        const QString end = kBlock + "end_autocalibrate", begin = kBlock + "begin_autocalibrate";
        const QString ask = QStringLiteral("Do you want to start automatic calibration?");
        QTest::newRow("open") << "click" << QStringList() << QStringList() << "11011";
        QTest::newRow("open without feature camera") << "gone=feature; click" << QStringList() << QStringList{kConnect}
                                                     << "00111";
        QTest::newRow("open without pano camera") << "gone=pano; click" << QStringList() << QStringList{kConnect}
                                                  << "00111";
        QTest::newRow("second click closes and opens") << "click; click" << QStringList() << QStringList() << "11010";
        QTest::newRow("click after the pano camera went")
            << "click; gone=pano; click" << QStringList() << QStringList{kConnect} << "00110";
        QTest::newRow("closed while calibrating with the pano camera gone")
            << "click; ok; start; gone=pano; escape" << QStringList{begin} << QStringList{ask} << "00110";
        QTest::newRow("outcome without a run") << "click; success; fail" << QStringList() << QStringList() << "11011";
        QTest::newRow("outcome after stop") << "click; ok; start; stop; fail; success" << QStringList{begin, end}
                                            << QStringList{ask} << "11010";
        QTest::newRow("start") << "click; ok; start" << QStringList{begin} << QStringList{ask} << "11001";
        QTest::newRow("start cancelled") << "click; cancel; start" << QStringList() << QStringList{ask} << "11011";
        QTest::newRow("start, stop") << "click; ok; start; stop" << QStringList{begin, end} << QStringList{ask}
                                     << "11010";
        QTest::newRow("camera failed")
            << "click; ok; start; fail" << QStringList{begin, end}
            << QStringList{ask, "Auto-Calibration Failed. Please try again."} << "11010";
        QTest::newRow("camera succeeded") << "click; ok; start; success" << QStringList{begin, end}
                                          << QStringList{ask, "Auto-Calibration Successful."} << "11010";
        QTest::newRow("closed while calibrating opens in manual editing")
            << "click; ok; start; click" << QStringList{begin, end} << QStringList{ask} << "11010";
    }
    void buttons()
    {
        QFETCH(QString, steps);
        Rig rig;
        rig.ui->student_show_region_checkBox->setChecked(true);
        for (const QString &s : steps.split(QStringLiteral("; ")))
            rig.step(s);
        QStringList got;
        for (const QString &m : simwire::receivedUpToMarkers(*pano))
            got << m;
        QTEST(got, "sent");
        QTEST(rig.boxes.texts(), "boxes");
        const QString after = QString::number(rig.dialog.isVisible()) + QString::number(rig.expand_open)
                              + QString::number(rig.ui->student_show_region_checkBox->isChecked())
                              + QString::number(rig.button("start_auto_calibrate_Button")->isEnabled())
                              + QString::number(rig.button("end_auto_calibrate_Button")->isEnabled());
        QTEST(after, "after");
    }
};

QTEST_MAIN(tst_CalibrateArea)
#include "tst_calibrate_area.moc"
