// The teacher and student tabs against simulated pano cameras, over datagrams and over the TCP
// link: Obtain fills the tab with what the camera holds, Apply changes what the camera holds
// (the block it receives is the tab's, byte for byte), and a silent camera ends in the failure
// box. The poll and the waits run 20 times faster than in the program.
// Mouse events go through the platform layer, so that a drag carries its button as a real one.
#define QTEST_QPA_MOUSE_HANDLING
#include "camera_slot_setup.h"
#include "core/time_scale.h"
#include "regions/customgraphicsrectitem.h"
#include "regions/customgraphicsscene.h"
#include "regions/rectfmanage.h"
#include "model/region_geometry.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "sim_camera.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QHostAddress>
#include <QtTest>

#include <memory>

using camslot::Slot;
using region_geometry::RegionRect;

namespace QTest {
template<>
char *toString(const RegionRect &r)
{
    return qstrdup(QStringLiteral("(%1, %2, %3, %4)").arg(r.x).arg(r.y).arg(r.w).arg(r.h).toLatin1().constData());
}
} // namespace QTest

namespace {

constexpr int kBoxMs = 5000; // an answer comes within milliseconds; this only bounds a failure
const QString kTeacher = QStringLiteral("teacher_parameter");
const QString kStudent = QStringLiteral("student_parameter");

// The text blocks a camera received that hold the word.
QStringList received(const SimCamera &camera, const QString &word)
{
    QStringList out;
    for (const SimMessage &m : camera.received()) {
        if (m.isText() && m.text().contains(word))
            out << m.text();
    }
    return out;
}

bool receivedVisca(const SimCamera &camera, const QByteArray &bytes)
{
    for (const SimMessage &m : camera.received()) {
        if (m.isVisca() && m.payload == bytes)
            return true;
    }
    return false;
}

CustomGraphicsRectItem *itemNamed(MainWindow *w, const QString &name)
{
    for (RectFManage *record : w->region_editor->scene()->graphicsRectList()) {
        if (record->regionName == name)
            return dynamic_cast<CustomGraphicsRectItem *>(record->item);
    }
    return nullptr;
}

} // namespace

class tst_ParametersSim : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    MainWindow *w = nullptr;
    std::unique_ptr<RecordingPresenter> boxes;

    // Waits for the next box and returns its text.
    QString nextBox(int before)
    {
        if (!QTest::qWaitFor([&] { return boxes->shown.size() > before; }, kBoxMs))
            return QStringLiteral("(no box)");
        return boxes->shown.at(before).text;
    }

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.05);
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=2\n"));
        window.reset(new MainWindow);
        w = window.get();
        // Text answers reach the tabs only while the main window is shown.
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    void cleanupTestCase()
    {
        camslot::detachAll(*w);
        delete w->guide_config;
        window.reset();
        timescale::setFactor(1.0);
    }

    void init()
    {
        boxes.reset(new RecordingPresenter);
        w->parameter_requests->clear();
    }

    void cleanup()
    {
        camslot::detachAll(*w);
        boxes.reset();
    }

    void links_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::newRow("datagrams") << false;
        QTest::newRow("tcp link") << true;
    }

    // Obtain fills the teacher tab with what the camera holds and draws its regions; a J57 pano
    // camera is asked for its focus mode.
    void teacherObtainFillsTheTab_data() { links_data(); }
    void teacherObtainFillsTheTab()
    {
        QFETCH(bool, tcp);
        SimCamera camera(QStringLiteral("127.0.0.2"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        const struct {
            const char *key;
            const char *value;
        } held[] = {{"pano_sensitivity", "3"},       {"feature_distance", "5.0"},       {"pano_distance", "12.5"},
                    {"pano_pan_offset", "-35"},      {"losing_object_strategy", "2"},   {"time_to_pano_delay", "45"},
                    {"board_detect_enable", "1"},   {"pano_pan_scale", "41"},          {"pano_tilt_scale", "80"},
                    {"pano_pan_increment", "560"},  {"pano_tilt_increment", "120"},    {"pano_shield_enable", "0100"},
                    {"pano_pan_second_shield_scale", "200"}, {"pano_tilt_second_shield_scale", "20"},
                    {"pano_pan_second_shield_increment", "120"}, {"pano_tilt_second_shield_increment", "60"},
                    {"feature_version", "F-2.1"},   {"pano_version", "P-3.0"}};
        for (const auto &h : held)
            camera.setValue(kTeacher, QLatin1String(h.key), QLatin1String(h.value));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.2"), tcp));
        w->teacher_pano_device_model = QStringLiteral("J57");
        w->ui->teacher_show_region_checkBox->setChecked(true);
        w->on_teacher_show_region_checkBox_clicked(true);

        w->ui->teacher_obtain_Button->click();
        QCOMPARE(nextBox(0), QStringLiteral("teacher obtain success"));
        Ui::MainWindow *ui = w->ui;
        QCOMPARE(ui->teacher_sensitivity_label->text(), QStringLiteral("3"));
        QCOMPARE(ui->teacher_sensitivity_Slider->value(), 3);
        QCOMPARE(ui->teacher_fea_distance_label->text(), QStringLiteral("5.0"));
        QCOMPARE(ui->teacher_distance_Slider->value(), 96);
        QCOMPARE(ui->teacher_panOffset_Slider->value(), 33);
        QCOMPARE(ui->teacher_panOffset_label->text(), QStringLiteral("-35"));
        QVERIFY(ui->teacher_platform_action_radioButton->isChecked());
        QCOMPARE(ui->teacher_target_lost_delay_label->value(), 45);
        QVERIFY(ui->teacher_board_enable_checkBox->isChecked());
        QVERIFY(ui->teacher_shield_two_checkBox->isChecked());
        QVERIFY(!ui->teacher_shield_one_checkBox->isChecked());
        QCOMPARE(ui->teacher_version_feature_info_label->text(), QStringLiteral("F-2.1"));
        QCOMPARE(ui->teacher_version_pano_info_label->text(), QStringLiteral("P-3.0"));
        QCOMPARE(w->web_username, QStringLiteral("admin"));
        // The regions in scene units, and on the scene.
        QCOMPARE(w->region_editor->region_rects().tracking, (RegionRect{30, 60, 420, 90}));
        QCOMPARE(w->region_editor->region_rects().shield[1], (RegionRect{150, 15, 90, 45}));
        QVERIFY(itemNamed(w, QStringLiteral("TrackingRegion")));
        QVERIFY(itemNamed(w, QStringLiteral("ShieldRegionTwo")));
        QVERIFY(receivedVisca(camera, QByteArray::fromHex("81090438FF")));
        QCOMPARE(received(camera, QStringLiteral("get_tracking_config_file")),
                 QStringList{QStringLiteral("teacher_parameter\nget_tracking_config_file")});
    }

    // Apply sends the tab, edited after an Obtain (sensitivity and the snapshot region dragged on
    // the scene), and the camera holds it; a second Obtain shows it again.
    void teacherApplyChangesTheCamera_data() { links_data(); }
    void teacherApplyChangesTheCamera()
    {
        QFETCH(bool, tcp);
        SimCamera camera(QStringLiteral("127.0.0.2"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        camera.setValue(kTeacher, QStringLiteral("pano_pan_scale"), QStringLiteral("41"));
        camera.setValue(kTeacher, QStringLiteral("pano_pan_increment"), QStringLiteral("560"));
        camera.setValue(kTeacher, QStringLiteral("pano_tilt_increment"), QStringLiteral("120"));
        const struct {
            const char *key;
            const char *value;
        } snapshot[] = {{"boardsnapshot_pan_scale", "100"}, {"boardsnapshot_tilt_scale", "100"},
                        {"boardsnapshot_pan_increment", "200"}, {"boardsnapshot_tilt_increment", "120"}};
        for (const auto &h : snapshot)
            camera.setValue(kTeacher, QLatin1String(h.key), QLatin1String(h.value));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.2"), tcp));
        w->ui->teacher_show_region_checkBox->setChecked(true);
        w->on_teacher_show_region_checkBox_clicked(true);
        w->ui->teacher_obtain_Button->click();
        QCOMPARE(nextBox(0), QStringLiteral("teacher obtain success"));

        w->ui->teacher_sensitivity_Slider->setValue(4);
        w->ui->teacher_vertical_movement_checkBox->setChecked(true);
        w->ui->teacher_snapshot_region_radioButton->setChecked(true);
        w->region_editor->on_teacher_snapshot_region_radioButton_clicked(true);
        CustomGraphicsRectItem *region = itemNamed(w, QStringLiteral("SnapshotRegion"));
        QVERIFY(region);
        const QRectF before = region->rect().translated(region->pos());
        w->collect_region_rects();
        QCOMPARE(w->region_editor->region_rects().snapshot, (RegionRect{75, 75, 150, 90}));
        QWidget *viewport = w->ui->graphicsView->viewport();
        const QPoint grab = w->ui->graphicsView->mapFromScene(before.center());
        QTest::mouseMove(viewport, grab);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, grab);
        QTest::mouseMove(viewport, grab + QPoint(10, 5));
        QTest::mouseMove(viewport, grab + QPoint(20, 10));
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, grab + QPoint(20, 10));
        const QRectF after = region->rect().translated(region->pos());
        QCOMPARE(after, before.translated(20, 10));

        w->ui->teacher_apply_Button->click();
        QCOMPARE(nextBox(1), QStringLiteral("teacher apply success"));
        QCOMPARE(w->ui->teacher_apply_Button->text(), QStringLiteral("Apply"));
        const QStringList sets = received(camera, QStringLiteral("set_tracking_config_file"));
        QCOMPARE(sets.size(), 1);
        // What went out is the tab's block, byte for byte.
        QCOMPARE(sets[0], w->teacher_apply_text());
        QCOMPARE(camera.value(kTeacher, QStringLiteral("pano_sensitivity")), QStringLiteral("4"));
        QCOMPARE(camera.value(kTeacher, QStringLiteral("auto_tilt")), QStringLiteral("1"));
        // Scene (95, 85, 150, 90) in camera units.
        QCOMPARE(w->region_editor->region_rects().snapshot, (RegionRect{95, 85, 150, 90}));
        QCOMPARE(camera.value(kTeacher, QStringLiteral("boardsnapshot_pan_scale")), QStringLiteral("126"));
        QCOMPARE(camera.value(kTeacher, QStringLiteral("boardsnapshot_tilt_scale")), QStringLiteral("113"));
        QCOMPARE(camera.value(kTeacher, QStringLiteral("boardsnapshot_pan_increment")), QStringLiteral("200"));
        QCOMPARE(camera.value(kTeacher, QStringLiteral("boardsnapshot_tilt_increment")), QStringLiteral("120"));
        // The tracking region went back as the scene holds it: 41 became 30 there, and goes as 40.
        QCOMPARE(camera.value(kTeacher, QStringLiteral("pano_pan_scale")), QStringLiteral("40"));
        QCOMPARE(camera.value(kTeacher, QStringLiteral("pano_pan_increment")), QStringLiteral("560"));

        // Read back: the tab and the camera agree, the region up to the two truncations.
        w->ui->teacher_sensitivity_Slider->setValue(1);
        w->ui->teacher_obtain_Button->click();
        QCOMPARE(nextBox(2), QStringLiteral("teacher obtain success"));
        QCOMPARE(w->ui->teacher_sensitivity_label->text(), QStringLiteral("4"));
        // 126 and 113 come back as 94 and 84: the two truncations lose a unit.
        QCOMPARE(w->region_editor->region_rects().snapshot, (RegionRect{94, 84, 150, 90}));
        CustomGraphicsRectItem *redrawn = itemNamed(w, QStringLiteral("SnapshotRegion"));
        QVERIFY(redrawn);
        QCOMPARE(redrawn->rect().translated(redrawn->pos()), QRectF(94, 84, 150, 90));
    }

    // A camera that answers nothing: the failure box at the eleventh poll, for Obtain and
    // Apply of both sides.
    void silentCamera_data()
    {
        QTest::addColumn<bool>("teacher");
        QTest::addColumn<bool>("apply");
        QTest::addColumn<QString>("text");
        QTest::newRow("teacher obtain") << true << false << "teacher obtain fail";
        QTest::newRow("teacher apply") << true << true << "teacher apply fail";
        QTest::newRow("student obtain") << false << false << "student obtain fail";
        QTest::newRow("student apply") << false << true << "student apply fail";
    }

    void silentCamera()
    {
        QFETCH(bool, teacher);
        QFETCH(bool, apply);
        QFETCH(QString, text);
        const QString address = teacher ? QStringLiteral("127.0.0.2") : QStringLiteral("127.0.0.3");
        SimCamera camera(address, QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        camera.setFault(SimFault::Silent);
        QVERIFY(camslot::attach(*w, teacher ? Slot::TeacherPano : Slot::StudentPano, address));
        QPushButton *button = teacher ? (apply ? w->ui->teacher_apply_Button : w->ui->teacher_obtain_Button)
                                      : (apply ? w->ui->student_apply_Button : w->ui->student_obtain_Button);
        button->click();
        QCOMPARE(nextBox(0), text);
        QCOMPARE(boxes->shown[0].title, QStringLiteral("Warning"));
        QVERIFY(camera.receivedCount() > 0); // it was asked
        // Once the camera speaks again, the next request is a success.
        camera.setFault(SimFault::None);
        button->click();
        QCOMPARE(nextBox(1), text.replace(QLatin1String("fail"), QLatin1String("success")));
    }

    // Obtain fills the student tab with what the camera holds: values, points, shields, the new
    // point format.
    void studentObtainFillsTheTab_data() { links_data(); }
    void studentObtainFillsTheTab()
    {
        QFETCH(bool, tcp);
        SimCamera camera(QStringLiteral("127.0.0.3"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        const struct {
            const char *key;
            const char *value;
        } held[] = {{"pano_sensitivity", "6"},          {"pano_object_size", "1.5"},
                    {"pano_pan_offset", "-12"},         {"eptz_mode", "1"},
                    {"pan_speed", "33"},                {"feature_continue_max_time", "75"},
                    {"pano_designated_enable", "111111"}, {"pano_designated_fifth_x", "256"},
                    {"pano_designated_fifth_y", "156"},   {"pano_designated_six_x", "152"},
                    {"pano_designated_six_y", "156"},     {"pano_shield_enable", "0110"},
                    {"pano_pan_second_shield_scale", "639"}, {"pano_tilt_second_shield_scale", "200"},
                    {"pano_pan_second_shield_increment", "400"}, {"pano_tilt_second_shield_increment", "0"},
                    {"pano_calibrate_height", "90"},      {"device_model", "JO57"}};
        for (const auto &h : held)
            camera.setValue(kStudent, QLatin1String(h.key), QLatin1String(h.value));
        QVERIFY(camslot::attach(*w, Slot::StudentPano, QStringLiteral("127.0.0.3"), tcp));
        w->student_pano_device_model = QStringLiteral("J57");
        w->student_use_old_version_flag = true;

        w->ui->student_obtain_Button->click();
        QCOMPARE(nextBox(0), QStringLiteral("student obtain success"));
        Ui::MainWindow *ui = w->ui;
        QCOMPARE(ui->student_sensitivity_Slider->value(), 6);
        QCOMPARE(ui->student_objectsize_label->text(), QStringLiteral("1.5"));
        QCOMPARE(ui->student_panOffset_Slider->value(), 38);
        QVERIFY(ui->student_eptz_radioButton->isChecked());
        QVERIFY(ui->student_eptz_radioButton->isEnabled());
        QCOMPARE(ui->student_feature_continue_time_label->value(), 75);
        QCOMPARE(w->student_pano_pan_speed, QStringLiteral("33"));
        QVERIFY(!w->student_use_old_version_flag);
        QVERIFY(ui->student_designated_region_checkBox->isChecked());
        QVERIFY(ui->student_shield_two_checkBox->isChecked());
        QVERIFY(!ui->student_shield_one_checkBox->isChecked());
        QCOMPARE(ui->student_calibration_comboBox->currentIndex(), 1);
        const StudentRegionPoints &p = w->student_points;
        // The camera's corners are the defaults in camera units, back in label space.
        QCOMPARE(p.student_area_points[0], QPoint(99, 199));
        QCOMPARE(p.student_designated_points[4], QPoint(192, 117));
        QVERIFY(p.student_shield_drawn[1]);
        QCOMPARE(p.student_shield_points[1][0], QPoint(480, 150));
        QVERIFY(receivedVisca(camera, QByteArray::fromHex("81090438FF")));
        // The height the reply chose was not sent back.
        QVERIFY(received(camera, QStringLiteral("pano_calibrate_height")).isEmpty());
    }

    // Apply changes what the student camera holds; a second Obtain shows it again.
    void studentApplyChangesTheCamera_data() { links_data(); }
    void studentApplyChangesTheCamera()
    {
        QFETCH(bool, tcp);
        SimCamera camera(QStringLiteral("127.0.0.3"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::StudentPano, QStringLiteral("127.0.0.3"), tcp));
        w->student_use_old_version_flag = false;
        w->student_calibration_widgets_shown = false;
        w->ui->student_sensitivity_Slider->setValue(7);
        w->ui->student_tiltOffset_Slider->setValue(44);
        w->ui->student_designated_region_checkBox->setChecked(true);
        w->ui->student_track_region_checkBox->setChecked(true);
        w->student_points.set_defaults(false);
        w->student_points.student_area_points[0] = QPoint(90, 210);

        w->ui->student_apply_Button->click();
        QCOMPARE(nextBox(0), QStringLiteral("student apply success"));
        const QStringList sets = received(camera, QStringLiteral("set_tracking_config_file"));
        QCOMPARE(sets.size(), 1);
        const QString tab = w->student_apply_text();
        if (sets[0] != tab) {
            const QStringList a = sets[0].split(QLatin1Char('\n')), b = tab.split(QLatin1Char('\n'));
            for (int i = 0; i < qMin(a.size(), b.size()); ++i)
                if (a[i] != b[i])
                    qWarning() << "line" << i << a[i] << b[i];
        }
        QCOMPARE(sets[0], tab);
        QCOMPARE(camera.value(kStudent, QStringLiteral("pano_sensitivity")), QStringLiteral("7"));
        QCOMPARE(camera.value(kStudent, QStringLiteral("pano_tilt_offset")), QStringLiteral("+20"));
        QCOMPARE(camera.value(kStudent, QStringLiteral("pano_designated_enable")), QStringLiteral("111111"));
        QCOMPARE(camera.value(kStudent, QStringLiteral("pano_student_forward_enable")), QStringLiteral("1"));
        QCOMPARE(camera.value(kStudent, QStringLiteral("forward_left_x")), QStringLiteral("120"));
        QCOMPARE(camera.value(kStudent, QStringLiteral("forward_left_y")), QStringLiteral("280"));
        QCOMPARE(camera.value(kStudent, QStringLiteral("pano_designated_six_x")), QStringLiteral("152"));
        // The camera keeps the pan speed it is sent under its own key.
        QCOMPARE(camera.value(kStudent, QStringLiteral("pan_speed")),
                 w->student_pano_pan_speed.isEmpty() ? QStringLiteral("20") : w->student_pano_pan_speed);

        w->ui->student_sensitivity_Slider->setValue(0);
        w->ui->student_obtain_Button->click();
        QCOMPARE(nextBox(1), QStringLiteral("student obtain success"));
        QCOMPARE(w->ui->student_sensitivity_Slider->value(), 7);
        QCOMPARE(w->ui->student_tiltOffset_label->text(), QStringLiteral("+20"));
        QCOMPARE(w->student_points.student_area_points[0], QPoint(90, 210));
        QVERIFY(w->ui->student_designated_region_checkBox->isChecked());
    }

    // The calibration height goes alone and needs no answer.
    void calibrationHeight()
    {
        SimCamera camera(QStringLiteral("127.0.0.3"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::StudentPano, QStringLiteral("127.0.0.3")));
        {
            const QSignalBlocker quiet(w->ui->student_calibration_comboBox);
            w->ui->student_calibration_comboBox->setCurrentIndex(0);
        }
        w->ui->student_calibration_comboBox->setCurrentIndex(1);
        QTRY_COMPARE_WITH_TIMEOUT(camera.value(kStudent, QStringLiteral("pano_calibrate_height")), QStringLiteral("90"),
                                  kBoxMs);
        QCOMPARE(received(camera, QStringLiteral("pano_calibrate_height")),
                 QStringList{QStringLiteral("student_parameter\nset_tracking_config_file\npano_calibrate_height=90")});
        QTest::qWait(400); // more than eleven polls
        QVERIFY(boxes->shown.isEmpty());
    }
};

QTEST_MAIN(tst_ParametersSim)
#include "tst_parameters_sim.moc"
