// The wizard's region editing on the main window's scene and its student area over the student
// preview, on the wizard's form without the frame: a reply's regions displayed (out of bounds:
// the default), boxes that hide and bring back a region where it was, a shield never drawn put
// into drawing, the mouse at the wizard's own coordinates, the overlays as painted and put away
// as a side's tracking-test pano goes.
#include "guide/student_area_step.h"
#include "guide/teacher_region_step.h"
#include "boxes_tracking.h"
#include "guide_rig.h"
#include "regions/rectfmanage.h"

#include <QGraphicsItem>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using camera_slot::Slot;
using region_geometry::RegionRect;
Q_DECLARE_METATYPE(camera_slot::Side)

namespace {

struct Regions : GuideRig {
    BoxesTracking tracking{*ui.teacher_show_tracking_checkBox, *ui.student_show_tracking_checkBox};
    QCheckBox regionsShown;
    std::unique_ptr<TeacherRegionStep> teacher;
    std::unique_ptr<StudentAreaStep> student;
    Regions()
    {
        connect_camera(Slot::TeacherPano, QStringLiteral("127.0.0.31"));
        connect_camera(Slot::StudentPano, QStringLiteral("127.0.0.32"));
        regionsShown.setChecked(true);
        ui.student_show_region_checkBox->setChecked(true);
        teacher = std::make_unique<TeacherRegionStep>(
            CORVANE_FORM_WIDGETS(TeacherRegionStep, TEACHER_REGION_STEP_WIDGETS, &ui), scene, link, regionsShown);
        student = std::make_unique<StudentAreaStep>(
            CORVANE_FORM_WIDGETS(StudentAreaStep, STUDENT_AREA_STEP_WIDGETS, &ui), link, *teacher,
            *ui.student_show_region_checkBox, tracking, *ui.stackedWidget, &window);
        // Both show-regions boxes checked, as their slots do it.
        teacher->regions_shown_changed(true);
        student->regions_shown_changed(true);
    }
    // The scene's items of the name, as drawn (left, top, width, height), visible ones marked.
    QStringList items(const QString &name) const
    {
        QStringList out;
        for (const RectFManage *r : scene.region_scene.graphicsRectList()) {
            if (r->regionName != name)
                continue;
            const QRectF drawn = r->item->mapRectToScene(r->item->boundingRect()).adjusted(1, 1, -1, -1);
            out << QStringLiteral("%1,%2,%3,%4%5")
                       .arg(drawn.x())
                       .arg(drawn.y())
                       .arg(drawn.width())
                       .arg(drawn.height())
                       .arg(r->item->isVisible() ? "" : " hidden");
        }
        return out;
    }
    void press(QPoint p) { QTest::mousePress(&window, Qt::LeftButton, {}, p); }
    void drag(QPoint from, QPoint to)
    {
        press(from);
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        QTest::mouseRelease(&window, Qt::LeftButton, {}, to);
    }
};

} // namespace

class tst_WizardRegions : public QObject
{
    Q_OBJECT

private slots:
    // The reply's tracking region (480, 0, 0, 270 on the scene) fails the bounds test: the
    // default is shown in its place; shield two comes in bounds, board one is not shown while
    // its box stays unchecked.
    void replyDisplayed()
    {
        Regions r;
        auto &coord = r.teacher->region_coord();
        coord.tracking = {640, 0, 0, 360};
        coord.shield[1] = {41, 81, 201, 101};
        coord.pano_shield_enable = QStringLiteral("01");
        coord.pano_board_enable = QStringLiteral("0");
        r.teacher->show_on_next_reply();
        r.teacher->on_teacher_track_region_radioButton_clicked(false);
        r.ui.teacher_track_region_radioButton->setChecked(true);
        // The radio marked the tracking region shown before the reply came.
        r.teacher->on_teacher_shield_region_radioButton_clicked(false);
        r.teacher->teacher_restore_region();
        QCOMPARE(r.teacher->display().tracking, (RegionRect{480, 0, 0, 270}));
        QVERIFY(r.ui.teacher_shield_two_checkBox->isChecked());
        QCOMPARE(r.items(QStringLiteral("ShieldRegionTwo")), QStringList{"30,60,150,75"});
        QVERIFY(r.items(QStringLiteral("BoardRegionLeft")).isEmpty());
        QVERIFY(!r.teacher->flags().region_display_pending);
    }

    void trackingDefaultWhenOutOfBounds()
    {
        Regions r;
        r.teacher->region_coord().tracking = {640, 0, 0, 360};
        r.ui.teacher_snapshot_region_radioButton->click(); // marks the tracking region shown
        r.scene.clear_region_scene();
        r.teacher->show_on_next_reply();
        r.teacher->teacher_restore_region();
        QCOMPARE(r.items(QStringLiteral("TrackingRegion")), QStringList{"15,60,450,120"});
        QVERIFY(r.ui.teacher_track_region_radioButton->isChecked());
        // Collected back, one unit right of and below the drawn place; the block converts that.
        r.teacher->collect_region_rects();
        QCOMPARE(r.teacher->display().tracking, (RegionRect{16, 61, 450, 120}));
    }

    // Unchecking hides the item and keeps it; checking again puts it back where it was.
    void shieldBoxHidesAndBringsBack()
    {
        Regions r;
        // The scene names an item after its current region.
        r.scene.region_scene.setTrackingRegionName(QStringLiteral("ShieldRegionThree"));
        r.scene.region_scene.addGraphicsRectItem(QStringLiteral("ShieldRegionThree"), 100, 50, 80, 40, 2);
        r.ui.teacher_shield_three_checkBox->setChecked(false);
        r.ui.teacher_shield_three_checkBox->click();
        QCOMPARE(r.items(QStringLiteral("ShieldRegionThree")), QStringList{"100,50,80,40"});
        r.ui.teacher_shield_three_checkBox->click();
        QCOMPARE(r.items(QStringLiteral("ShieldRegionThree")), QStringList{"100,50,80,40 hidden"});
        r.ui.teacher_shield_three_checkBox->click();
        QCOMPARE(r.items(QStringLiteral("ShieldRegionThree")), QStringList{"100,50,80,40"});
    }

    // A shield never drawn puts the scene into drawing with the red dashed pen, named after it.
    void neverDrawnShieldIsDrawn()
    {
        Regions r;
        r.ui.teacher_shield_one_checkBox->setChecked(false);
        r.ui.teacher_shield_one_checkBox->click();
        QCOMPARE(r.scene.region_scene.currentAction(), int(CustomGraphicsScene::RectType));
        QCOMPARE(r.scene.region_scene.itemType(), int(TeacherRegionStep::ShieldPen));
        QVERIFY(r.items(QStringLiteral("ShieldRegionOne")).isEmpty());
    }

    // The mouse at the wizard's own coordinates: a shield line from the left edge to the bottom,
    // a corner dragged; each change marks the student parameters.
    void studentMouse()
    {
        Regions r;
        QSignalSpy changes(r.student.get(), &StudentAreaStepSignals::student_area_changed);
        r.ui.student_shield_one_checkBox->setChecked(true);
        r.ui.student_shield_region_radioButton->click();
        r.drag(QPoint(316, 200), QPoint(700, 340));
        QCOMPARE(r.student->area().student_shield_polygons[0],
                 (std::array<QPoint, 4>{QPoint(0, 122), QPoint(0, 267), QPoint(0, 267), QPoint(385, 267)}));
        r.ui.student_track_region_radioButton->click();
        r.drag(QPoint(422, 285), QPoint(430, 300));
        QCOMPARE(r.student->area().student_track_points[0], QPoint(115, 222));
        QCOMPARE(changes.count(), 2);
        // While the tracking test runs nothing moves.
        r.ui.student_show_tracking_checkBox->setChecked(true);
        r.drag(QPoint(430, 300), QPoint(500, 300));
        QCOMPARE(r.student->area().student_track_points[0], QPoint(115, 222));
    }

    // The overlay as painted: the finished shield hatched in red, the corner markers in green.
    void studentOverlayPainted()
    {
        Regions r;
        r.ui.student_shield_one_checkBox->setChecked(true);
        r.ui.student_shield_region_radioButton->click();
        r.drag(QPoint(316, 200), QPoint(700, 340));
        r.ui.student_track_region_radioButton->click();
        const QImage shot = r.ui.student_pano_region_widget->grab().toImage();
        if (!qEnvironmentVariableIsEmpty("CORVANE_SHOT_DIR"))
            shot.save(qEnvironmentVariable("CORVANE_SHOT_DIR") + QStringLiteral("/wizard-student-area.png"));
        QCOMPARE(shot.pixelColor(0, 200), QColor(Qt::red));      // the shield's left edge
        QCOMPARE(shot.pixelColor(92, 192), QColor(Qt::green));   // corner 0's marker (100, 200)
        r.ui.student_show_region_checkBox->setChecked(false);
        QVERIFY(r.ui.student_pano_region_widget->grab().toImage().pixelColor(92, 192) != QColor(Qt::green));
    }

    // A side's tracking-test pano goes (still connected as it goes): that side's overlay box is
    // unchecked without a warning; the teacher overlay forgets its regions only when the teacher
    // pano goes.
    void trackingTestPanoGone_data()
    {
        QTest::addColumn<camera_slot::Side>("side");
        QTest::addColumn<bool>("teacherBox");
        QTest::addColumn<bool>("studentBox");
        QTest::addColumn<bool>("teacherShield"); // the teacher overlay's shield still in use
        QTest::newRow("teacher pano") << camera_slot::Side::Teacher << false << true << false;
        QTest::newRow("student pano") << camera_slot::Side::Student << true << false << true;
    }
    void trackingTestPanoGone()
    {
        QFETCH(camera_slot::Side, side);
        QFETCH(bool, teacherBox);
        QFETCH(bool, studentBox);
        QFETCH(bool, teacherShield);
        Regions r;
        r.ui.teacher_shield_one_checkBox->setChecked(false);
        r.ui.teacher_shield_one_checkBox->click();
        QVERIFY(r.teacher->flags().shield_region_enabled[0]);
        r.ui.teacher_show_tracking_region_checkBox->setChecked(true);
        r.ui.student_show_tracking_region_checkBox->setChecked(true);
        r.student->tracking_test_pano_gone(side);
        QCOMPARE(r.ui.teacher_show_tracking_region_checkBox->isChecked(), teacherBox);
        QCOMPARE(r.ui.student_show_tracking_region_checkBox->isChecked(), studentBox);
        QCOMPARE(r.teacher->flags().shield_region_enabled[0], teacherShield);
        QVERIFY(r.boxes.shown.isEmpty());
    }

    // The teacher regions over the teacher tracking-test preview, on that step only: the
    // tracking region in green, an enabled shield dashed in red.
    void teacherOverlayPainted()
    {
        Regions r;
        auto &coord = r.teacher->region_coord();
        coord.tracking = {41, 81, 401, 161};
        coord.shield[0] = {401, 41, 101, 101};
        coord.pano_shield_enable = QStringLiteral("1");
        r.teacher->teacher_restore_region();
        r.ui.teacher_show_tracking_region_checkBox->setEnabled(true);
        r.ui.teacher_show_tracking_region_checkBox->setChecked(true);
        r.ui.stackedWidget->setCurrentIndex(StudentAreaStep::kTeacherTrackTestPage);
        const QImage shot = r.ui.widget_7->grab().toImage();
        if (!qEnvironmentVariableIsEmpty("CORVANE_SHOT_DIR"))
            shot.save(qEnvironmentVariable("CORVANE_SHOT_DIR") + QStringLiteral("/wizard-teacher-overlay.png"));
        QCOMPARE(shot.pixelColor(30, 100), QColor(Qt::green)); // the tracking region's left edge at 30
        QCOMPARE(shot.pixelColor(300, 30), QColor(Qt::red));   // the shield's top edge at 30
        r.ui.stackedWidget->setCurrentIndex(0);
        QVERIFY(r.ui.widget_7->grab().toImage().pixelColor(30, 100) != QColor(Qt::green));
    }
};

QTEST_MAIN(tst_WizardRegions)
#include "tst_wizard_regions.moc"
