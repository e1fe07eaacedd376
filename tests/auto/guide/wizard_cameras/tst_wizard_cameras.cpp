// The wizard's data against simulated cameras, on its form without the frame: after the
// teacher and student saves the cameras hold what the pages, the region scene and the student
// area show (up to the conversions to the cameras' 640 by 360 space); a tracking status starts
// the chain of follow-up requests, which asks for the director block once; director replies
// switch the code rule without making validators. Camera answers come back to the reply port
// as the main window's reply socket takes them. Everything runs in the test's own network
// namespace.
#include "core/time_scale.h"
#include "guide/director_page.h"
#include "guide/student_area_step.h"
#include "guide/student_params.h"
#include "guide/teacher_params.h"
#include "guide/teacher_region_step.h"
#include "guide/tracking_mode_step.h"
#include "guide/wizard_replies.h"
#include "boxes_tracking.h"
#include "guide_rig.h"
#include "regions/rectfmanage.h"
#include "sim_camera.h"

#include <QGraphicsItem>
#include <QNetworkDatagram>
#include <QRegularExpressionValidator>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

using camera_slot::Slot;

namespace {

constexpr int kWaitMs = 3000; // loopback answers within milliseconds; this only bounds a failure
constexpr int kReplyPort = 7791;
constexpr int kTeacherRegionPage = 4;
constexpr int kStudentRegionPage = 9;

// The cameras' space from the scene's or the overlay's, as the blocks turn it.
int turned(double v) { return int(v / 1.5 * 2); }

struct Wizard : GuideRig {
    BoxesTracking tracking{*ui.teacher_show_tracking_checkBox, *ui.student_show_tracking_checkBox};
    QCheckBox teacherRegionsShown;
    QUdpSocket replySocket;
    std::unique_ptr<TrackingModeStep> mode;
    std::unique_ptr<TeacherRegionStep> regions;
    std::unique_ptr<TeacherParams> teacher;
    std::unique_ptr<StudentAreaStep> area;
    std::unique_ptr<StudentParams> student;
    std::unique_ptr<DirectorPage> director;
    std::unique_ptr<WizardReplies> replies;

    Wizard()
    {
        timescale::setFactor(0.01);
        link.set_layout(1);
        mode = std::make_unique<TrackingModeStep>(CORVANE_FORM_WIDGETS(TrackingModeStep, TRACKING_MODE_STEP_WIDGETS, &ui),
                                                  link, &window);
        regions = std::make_unique<TeacherRegionStep>(
            CORVANE_FORM_WIDGETS(TeacherRegionStep, TEACHER_REGION_STEP_WIDGETS, &ui), scene, link, teacherRegionsShown);
        teacher = std::make_unique<TeacherParams>(CORVANE_FORM_WIDGETS(TeacherParams, TEACHER_PARAMS_WIDGETS, &ui),
                                                  link, *mode, *regions, addresses, tracking,
                                                  &window);
        area = std::make_unique<StudentAreaStep>(CORVANE_FORM_WIDGETS(StudentAreaStep, STUDENT_AREA_STEP_WIDGETS, &ui),
                                                 link, *regions, *ui.student_show_region_checkBox,
                                                 tracking, *ui.stackedWidget, &window);
        student = std::make_unique<StudentParams>(CORVANE_FORM_WIDGETS(StudentParams, STUDENT_PARAMS_WIDGETS, &ui),
                                                  link, *area, addresses, tracking);
        director = std::make_unique<DirectorPage>(CORVANE_FORM_WIDGETS(DirectorPage, DIRECTOR_PAGE_WIDGETS, &ui), link,
                                                  addresses, *ui.stackedWidget, &window);
        replies = std::make_unique<WizardReplies>(
            CORVANE_FORM_WIDGETS(WizardReplies, WIZARD_REPLIES_WIDGETS, &ui), link,
            WizardReplies::Pages{*mode, *teacher, *regions, *student, *area, *director}, &window);
        // What the frame wires: the saves after a block read or a mode click, the changes of the
        // regions and of the student area.
        QObject::connect(replies.get(), &WizardRepliesSignals::teacher_params_complete, teacher.get(),
                         &TeacherParams::slot_save_teacher_params);
        QObject::connect(replies.get(), &WizardRepliesSignals::student_params_complete, student.get(),
                         &StudentParams::slot_save_student_params);
        QObject::connect(mode.get(), &TrackingModeStepSignals::mode_clicked, teacher.get(), [this] {
            teacher->mark_changed();
            teacher->slot_save_teacher_params();
        });
        QObject::connect(regions.get(), &TeacherRegionStepSignals::regions_changed, teacher.get(),
                         &TeacherParams::mark_changed);
        regions->listen_to_scene(true); // the wizard shows
        QObject::connect(area.get(), &StudentAreaStepSignals::student_area_changed, student.get(),
                         &StudentParams::mark_changed);
        // The main window's reply socket hands the wizard every text answer while it is hidden.
        replySocket.bind(QHostAddress::AnyIPv4, kReplyPort);
        QObject::connect(&replySocket, &QUdpSocket::readyRead, replies.get(), [this] {
            while (replySocket.hasPendingDatagrams())
                replies->resolver_param(replySocket.receiveDatagram().data());
        });
    }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(&window, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        QTest::mouseRelease(&window, Qt::LeftButton, {}, to);
    }
    QGraphicsItem *regionItem(const QString &name) const
    {
        for (const RectFManage *r : scene.region_scene.graphicsRectList()) {
            if (r->regionName == name)
                return r->item;
        }
        return nullptr;
    }
};

int count(const SimCamera &camera, const QString &text)
{
    int n = 0;
    for (const SimMessage &m : camera.received())
        n += m.isText() && m.text().contains(text) ? 1 : 0;
    return n;
}

} // namespace

class tst_WizardCameras : public QObject
{
    Q_OBJECT

private slots:
    // The get reply puts the camera's tracking region on the scene; the installer moves it and
    // edits the page and the mode; the camera then holds what the step shows.
    void teacherCameraHoldsThePage()
    {
        SimCamera camera(QStringLiteral("127.0.0.41"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        const QStringList region = {"101", "81", "401", "161"};
        const char *const keys[] = {"pano_pan_scale", "pano_tilt_scale", "pano_pan_increment", "pano_tilt_increment"};
        for (int i = 0; i < 4; ++i)
            camera.setValue(QStringLiteral("teacher_parameter"), QLatin1String(keys[i]), region[i]);
        Wizard w;
        w.link.set_page(kTeacherRegionPage);
        w.addresses.teacher_feature_ip = QStringLiteral("192.168.8.20");
        w.connect_camera(Slot::TeacherPano, camera.address());
        w.teacherRegionsShown.setChecked(true);
        w.regions->regions_shown_changed(true);
        w.ui.teacher_camera_config_pushButton->setEnabled(true);
        w.ui.teacher_camera_config_pushButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(w.regionItem(QStringLiteral("TrackingRegion")), kWaitMs);
        // Camera (101, 81, 401, 161) on the scene: halved, then times 1.5.
        QGraphicsItem *item = w.regionItem(QStringLiteral("TrackingRegion"));
        QCOMPARE(item->mapRectToScene(item->boundingRect()).adjusted(1, 1, -1, -1), QRectF(75, 60, 300, 120));

        item->moveBy(10, 5);
        w.ui.target_lost_action_comboBox->setCurrentIndex(3);
        w.ui.multi_objective_action_comboBox->setCurrentIndex(1);
        w.ui.teacher_target_lost_timeout_Slider->setValue(7);
        w.ui.teacher_ptzspeed_level_Slider->setValue(4);
        w.ui.teacher_board_enable_checkBox->setChecked(true);
        w.ui.teacher_vertical_movement_checkBox->setChecked(false);
        w.ui.teacher_follow_mode_toolButton->click();
        const auto held = [&camera](const char *key) {
            return camera.value(QStringLiteral("teacher_parameter"), QLatin1String(key));
        };
        QTRY_COMPARE_WITH_TIMEOUT(held("tracking_mode"), w.mode->current_mode(), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(held("losing_object_strategy"), QStringLiteral("11"), kWaitMs);
        QCOMPARE(held("multi_object_strategy"), QStringLiteral("2"));
        QCOMPARE(held("time_to_pano_delay"), w.ui.teacher_target_lost_timeout_label->text());
        QCOMPARE(held("ptzspeed_level"), w.ui.teacher_ptzspeed_level_label->text());
        QCOMPARE(held("board_detect_time"), w.ui.teacher_board_detect_label->text());
        QCOMPARE(held("board_continue_time"), w.ui.teacher_board_hold_label->text());
        QCOMPARE(held("board_detect_enable"), QStringLiteral("1"));
        QCOMPARE(held("auto_tilt"), QStringLiteral("0"));
        QCOMPARE(held("feature_camera_ip"), QStringLiteral("192.168.8.20"));
        // The region as drawn now, read back one unit right of and below its place, turned.
        const QRectF drawn = item->mapRectToScene(item->boundingRect()).adjusted(1, 1, -1, -1);
        const int expected[] = {turned(drawn.x() + 1), turned(drawn.y() + 1), turned(drawn.width()),
                                turned(drawn.height())};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(held(keys[i]), QString::number(expected[i]));
    }

    // The get reply's values reach the page one by one; the save that follows sends the page
    // once it shows all of them, where a list changed by the reply used to send at once a block
    // of half the camera's values and half the page's old ones.
    void replyIsSavedWhole()
    {
        SimCamera camera(QStringLiteral("127.0.0.45"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        const QString section = QStringLiteral("teacher_parameter");
        camera.setValue(section, QStringLiteral("losing_object_strategy"), QStringLiteral("2"));
        camera.setValue(section, QStringLiteral("multi_object_strategy"), QStringLiteral("2"));
        camera.setValue(section, QStringLiteral("time_to_pano_delay"), QStringLiteral("9"));
        Wizard w;
        w.link.set_page(kTeacherRegionPage);
        w.connect_camera(Slot::TeacherPano, camera.address());
        QVERIFY(w.ui.teacher_target_lost_timeout_label->text() != QStringLiteral("9"));
        w.ui.teacher_camera_config_pushButton->setEnabled(true);
        w.ui.teacher_camera_config_pushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(count(camera, QStringLiteral("set_tracking_config_file")), 1, kWaitMs);
        QTest::qWait(100);
        QStringList sent;
        for (const SimMessage &m : camera.received()) {
            if (m.isText() && m.text().contains(QStringLiteral("set_tracking_config_file")))
                sent << m.text();
        }
        QCOMPARE(sent.size(), 1);
        QVERIFY(sent[0].contains(QStringLiteral("\ntime_to_pano_delay=9\n")));
        QVERIFY(sent[0].contains(QStringLiteral("\nlosing_object_strategy=2\n")));
    }

    // The student area drawn with the mouse and the page's values reach the camera.
    void studentCameraHoldsThePage()
    {
        SimCamera camera(QStringLiteral("127.0.0.42"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        Wizard w;
        w.link.set_page(kStudentRegionPage);
        w.addresses.student_feature_ip = QStringLiteral("192.168.8.30/x");
        w.connect_camera(Slot::StudentPano, camera.address());
        w.ui.student_show_region_checkBox->setChecked(true);
        w.area->regions_shown_changed(true);
        w.ui.student_target_lost_action_comboBox->setCurrentIndex(1);
        w.ui.student_multi_objective_action_comboBox->setCurrentIndex(1);
        w.ui.student_target_lost_timeout_Slider->setValue(9);
        w.ui.student_feature_continue_time_label->setValue(150);
        w.ui.student_face_detect_checkBox->setChecked(true);
        w.ui.student_track_region_radioButton->click();
        w.drag(QPoint(695, 278), QPoint(720, 300)); // corner 1, (380, 200) on the preview
        w.ui.student_shield_one_checkBox->setChecked(false);
        w.ui.student_shield_two_checkBox->setChecked(true);
        w.ui.student_shield_region_radioButton->click();
        w.drag(QPoint(790, 150), QPoint(500, 80)); // from the right edge to the top
        QVERIFY(w.student->params_changed());
        w.student->slot_save_student_params();
        const auto held = [&camera](const char *key) {
            return camera.value(QStringLiteral("student_parameter"), QLatin1String(key));
        };
        QTRY_COMPARE_WITH_TIMEOUT(held("feature_continue_max_time"), QStringLiteral("150"), kWaitMs);
        QCOMPARE(held("feature_camera_ip"), QStringLiteral("192.168.8.30"));
        QCOMPARE(held("losing_object_strategy"), QStringLiteral("1"));
        QCOMPARE(held("multi_object_strategy"), QStringLiteral("2"));
        QCOMPARE(held("time_delay"), w.ui.student_target_lost_timeout_label->text());
        QCOMPARE(held("face_detect"), QStringLiteral("1"));
        QCOMPARE(held("pano_shield_enable"), QStringLiteral("0100"));
        // The corners as shown: the lower two are the forward row, left to right; of the upper
        // two the left one is backward right.
        const auto &corners = w.area->area().student_track_points;
        QCOMPARE(corners[1], QPoint(405, 222));
        const std::pair<const char *, int> sent[] = {
            {"forward_left_x", turned(corners[0].x())},  {"forward_left_y", turned(corners[0].y())},
            {"forward_right_x", turned(corners[1].x())}, {"forward_right_y", turned(corners[1].y())},
            {"backward_right_x", turned(corners[3].x())}, {"backward_right_y", turned(corners[3].y())},
            {"backward_left_x", turned(corners[2].x())}, {"backward_left_y", turned(corners[2].y())},
        };
        for (const auto &[key, value] : sent)
            QCOMPARE(held(key), QString::number(value));
        // Shield two from the right edge to the top: its start's height and its end's x.
        const auto &shield = w.area->area().student_shield_polygons[1];
        QCOMPARE(held("pano_pan_second_shield_scale"), QStringLiteral("639"));
        QCOMPARE(held("pano_tilt_second_shield_scale"), QString::number(turned(shield[0].y())));
        QCOMPARE(held("pano_pan_second_shield_increment"), QString::number(turned(shield[3].x())));
        QCOMPARE(held("pano_tilt_second_shield_increment"), QStringLiteral("0"));
    }

    // The echo of a set holds no region key: the boxes stay as the installer left them, where
    // restoring from the earlier reply's record put them back as the camera had them.
    void setEchoLeavesTheRegionBoxes()
    {
        Wizard w;
        w.connect_camera(Slot::TeacherPano, QStringLiteral("127.0.0.44"));
        w.replies->resolver_param("teacher_parameter\nget_tracking_config_file\npano_shield_enable=0000\n"
                                  "teacher_board_enable=000");
        QVERIFY(!w.ui.teacher_shield_two_checkBox->isChecked());
        w.ui.teacher_shield_two_checkBox->setChecked(true);
        w.ui.teacher_board_three_checkBox->setChecked(true);
        w.replies->resolver_param("teacher_parameter\nset_teacher_config_file");
        QVERIFY(w.ui.teacher_shield_two_checkBox->isChecked());
        QVERIFY(w.ui.teacher_board_three_checkBox->isChecked());
    }

    // A tracking status asks for the configuration; the block that answers asks for the
    // director block once, the next block does not.
    void statusChain()
    {
        SimCamera camera(QStringLiteral("127.0.0.43"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        Wizard w;
        w.link.set_page(kTeacherRegionPage);
        w.connect_camera(Slot::TeacherPano, camera.address());
        QSignalSpy statuses(w.replies.get(), &WizardRepliesSignals::tracking_status);
        w.replies->resolver_param("teacher_parameter\nteacher_tracking_status=start");
        QCOMPARE(statuses.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(count(camera, QStringLiteral("get_director_config_file")), 1, kWaitMs);
        QCOMPARE(count(camera, QStringLiteral("get_tracking_config_file")), 1);
        w.replies->resolver_param("teacher_parameter\nget_tracking_config_file\nauto_tracking=1");
        QTest::qWait(50);
        QCOMPARE(count(camera, QStringLiteral("get_director_config_file")), 1);
        QVERIFY(w.ui.teacher_starting_up_checkBox->isChecked());
        // An error answers nothing and warns.
        w.replies->resolver_param("teacher_parameter\nteacher_tracking_status=error");
        QCOMPARE(w.boxes.texts(), QStringList{QStringLiteral("Connection types do not match")});
        QTest::qWait(50);
        QCOMPARE(count(camera, QStringLiteral("get_tracking_config_file")), 1);
    }

    // A crop status right after the preview connected answers its question silently; a change
    // after it is shown; a repeated one ends the reading (no regions restored from nothing).
    void cropStatus()
    {
        Wizard w;
        QSignalSpy blocks(w.replies.get(), &WizardRepliesSignals::teacher_params_complete);
        w.replies->crop_preview_connected(camera_slot::Side::Teacher);
        w.ui.teacher_tip_label->setText(QString());
        w.replies->resolver_param("teacher_parameter\nteacher_crop_status=start");
        QCOMPARE(w.ui.teacher_tip_label->text(), QString());
        w.replies->resolver_param("teacher_parameter\nteacher_crop_status=stop");
        QCOMPARE(w.ui.teacher_tip_label->text(), QStringLiteral("Panorama cropping has been suspended"));
        QVERIFY(w.ui.teacher_tip_label->isHidden());
        w.replies->resolver_param("teacher_parameter\nteacher_crop_status=stop");
        QCOMPARE(blocks.count(), 0);
    }

    // "1" lets the code fields take letters, "2" changes nothing; the validators are the
    // page's own, made once.
    void directorCodeRule()
    {
        Wizard w;
        QLineEdit *code = w.ui.director_switch_auto_lineEdit;
        const auto accepts = [code](QString text) {
            int pos = 0;
            return code->validator() && code->validator()->validate(text, pos) == QValidator::Acceptable;
        };
        const auto validators = [&w] {
            return w.window.findChildren<QValidator *>().size() + w.director->findChildren<QValidator *>().size();
        };
        const int before = validators();
        const QValidator *hex = nullptr;
        for (int round = 0; round < 3; ++round) {
            w.replies->resolver_param("teacher_parameter\ndirector_parameter\ncommand_mode=1");
            QVERIFY(accepts(QStringLiteral("zz 12")));
            w.replies->resolver_param("teacher_parameter\ndirector_parameter\ncommand_mode=2");
            QVERIFY(accepts(QStringLiteral("zz 12")));
            w.replies->resolver_param("teacher_parameter\ndirector_parameter\ncommand_mode=0");
            QVERIFY(!accepts(QStringLiteral("zz 12")) && accepts(QStringLiteral("FF 01")));
            QVERIFY(!hex || code->validator() == hex);
            hex = code->validator();
        }
        QCOMPARE(w.ui.director_command_type_comboBox->currentIndex(), 0);
        // A director reply used to make twenty new validators.
        QCOMPARE(validators(), before);
    }
};

QTEST_MAIN(tst_WizardCameras)
#include "tst_wizard_cameras.moc"
