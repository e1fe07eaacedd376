// The student tab against its parameter block: the Apply text byte for byte (fresh start in the
// old point format, after a reply in the new one with the calibration group), each key of a
// reply into its widget, the points and shields of a reply, the device-model step, the
// calibration widgets and the "Apply(*)" marks.
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "window_holder.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QHostAddress>
#include <QtTest>

#include <memory>

namespace {

// A fresh installation: every tab at its defaults.
struct FreshWindow : WindowHolder {
    FreshWindow() : WindowHolder(QString()) {}
};

// The fixed lines of shields never drawn.
const char kFixedShields[] = "pano_pan_first_shield_scale=0\n"
                             "pano_tilt_first_shield_scale=330\n"
                             "pano_pan_first_shield_increment=30\n"
                             "pano_tilt_first_shield_increment=359\n"
                             "pano_pan_second_shield_scale=610\n"
                             "pano_tilt_second_shield_scale=359\n"
                             "pano_pan_second_shield_increment=639\n"
                             "pano_tilt_second_shield_increment=330\n"
                             "pano_pan_third_shield_scale=639\n"
                             "pano_tilt_third_shield_scale=30\n"
                             "pano_pan_third_shield_increment=610\n"
                             "pano_tilt_third_shield_increment=0\n"
                             "pano_pan_fourth_shield_scale=30\n"
                             "pano_tilt_fourth_shield_scale=0\n"
                             "pano_pan_fourth_shield_increment=0\n"
                             "pano_tilt_fourth_shield_increment=30";

const char kReply[] = "student_parameter\n"
                      "get_tracking_config_file\n"
                      "pano_sensitivity=6\n"
                      "pano_object_size=1.5\n"
                      "pano_height=3.0\n"
                      "pano_length=7.5\n"
                      "pano_camera_height=0.5\n"
                      "pano_pan_offset=-12\n"
                      "pano_tilt_offset=25\n"
                      "eptz_mode=1\n"
                      "losing_object_strategy=0\n"
                      "time_delay=5\n"
                      "multi_object_strategy=2\n"
                      "pan_speed=30\n"
                      "response_time=0.8\n"
                      "feature_continue_max_time=60\n"
                      "time_to_pano_delay=4\n"
                      "config_switch=2\n"
                      "auto_tracking=0\n"
                      "face_detect=1\n"
                      "pano_switch=0\n"
                      "ptzspeed_level=5\n"
                      "forward_left_x=133\n"
                      "forward_left_y=266\n"
                      "forward_right_x=506\n"
                      "forward_right_y=266\n"
                      "backward_right_x=226\n"
                      "backward_right_y=80\n"
                      "backward_left_x=413\n"
                      "backward_left_y=80\n"
                      "pano_designated_number_of_people=2\n"
                      "pano_student_forward_enable=1\n"
                      "pano_designated_enable=111111\n"
                      "pano_designated_first_x=92\n"
                      "pano_designated_first_y=312\n"
                      "pano_designated_second_x=508\n"
                      "pano_designated_second_y=312\n"
                      "pano_designated_third_x=468\n"
                      "pano_designated_third_y=156\n"
                      "pano_designated_fourth_x=368\n"
                      "pano_designated_fourth_y=156\n"
                      "pano_designated_fifth_x=256\n"
                      "pano_designated_fifth_y=156\n"
                      "pano_designated_six_x=152\n"
                      "pano_designated_six_y=156\n"
                      "pano_calibrate_first_x=80\n"
                      "pano_calibrate_first_y=160\n"
                      "pano_calibrate_second_x=240\n"
                      "pano_calibrate_second_y=320\n"
                      "pano_calibrate_third_x=400\n"
                      "pano_calibrate_third_y=480\n"
                      "pano_calibrate_fourth_x=560\n"
                      "pano_calibrate_fourth_y=640\n"
                      "feature_calibrate_first_x=8\n"
                      "feature_calibrate_first_y=16\n"
                      "feature_calibrate_second_x=24\n"
                      "feature_calibrate_second_y=32\n"
                      "feature_calibrate_third_x=40\n"
                      "feature_calibrate_third_y=48\n"
                      "feature_calibrate_fourth_x=56\n"
                      "feature_calibrate_fourth_y=64\n"
                      "pano_shield_enable=0110\n"
                      "pano_calibrate_height=90\n"
                      "pano_pan_first_shield_scale=0\n"
                      "pano_tilt_first_shield_scale=330\n"
                      "pano_pan_first_shield_increment=30\n"
                      "pano_tilt_first_shield_increment=359\n"
                      "pano_pan_second_shield_scale=639\n"
                      "pano_tilt_second_shield_scale=200\n"
                      "pano_pan_second_shield_increment=400\n"
                      "pano_tilt_second_shield_increment=0\n"
                      "pano_pan_third_shield_scale=639\n"
                      "pano_tilt_third_shield_scale=30\n"
                      "pano_pan_third_shield_increment=610\n"
                      "pano_tilt_third_shield_increment=0\n"
                      "pano_pan_fourth_shield_scale=30\n"
                      "pano_tilt_fourth_shield_scale=0\n"
                      "pano_pan_fourth_shield_increment=0\n"
                      "pano_tilt_fourth_shield_increment=30\n"
                      "feature_version=SF1\n"
                      "pano_version=SP2\n"
                      "device_model=OS2";

} // namespace

class tst_StudentPanel : public QObject
{
    Q_OBJECT

private slots:
    // A fresh start: the tab's defaults in the old point format (the form checks shield one),
    // the default corners and designated points, the fixed lines of shields never drawn, no
    // calibration group; no line feed at the end.
    void applyTextFreshStart()
    {
        FreshWindow w;
        QVERIFY(w->student_use_old_version_flag);
        QCOMPARE(w->student_apply_text(), QStringLiteral("student_parameter\n"
                                                         "set_tracking_config_file\n"
                                                         "feature_camera_ip=192.168.1.163\n"
                                                         "pano_sensitivity=4\n"
                                                         "pano_object_size=1.0\n"
                                                         "pano_height=2.2\n"
                                                         "pano_pan_offset=0\n"
                                                         "pano_tilt_offset=0\n"
                                                         "losing_object_strategy=1\n"
                                                         "eptz_mode=0\n"
                                                         "time_delay=0\n"
                                                         "multi_object_strategy=1\n"
                                                         "ptzspeed_level=10\n"
                                                         "pano_pan_speed=20\n"
                                                         "response_time=0.0\n"
                                                         "feature_continue_max_time=30\n"
                                                         "time_to_pano_delay=2\n"
                                                         "pano_camera_format=0\n"
                                                         "pano_max_angle=84\n"
                                                         "pano_pan_correction=-5\n"
                                                         "pano_tilt_correction=3.6\n"
                                                         "auto_tracking=1\n"
                                                         "face_detect=0\n"
                                                         "pano_switch=1\n"
                                                         "pano_shield_enable=1000\n"
                                                         "pano_designated_number_of_people=0\n"
                                                         "pano_designated_enable=00000\n"
                                                         "pano_student_forward_enable=0\n"
                                                         "forward_left_x=133\n"
                                                         "forward_left_y=266\n"
                                                         "forward_right_x=506\n"
                                                         "forward_right_y=266\n"
                                                         "backward_right_x=226\n"
                                                         "backward_right_y=80\n"
                                                         "backward_left_x=413\n"
                                                         "backward_left_y=80\n"
                                                         "pano_designated_first_x=92\n"
                                                         "pano_designated_first_y=312\n"
                                                         "pano_designated_second_x=508\n"
                                                         "pano_designated_second_y=312\n"
                                                         "pano_designated_third_x=468\n"
                                                         "pano_designated_third_y=156\n"
                                                         "pano_designated_fourth_x=368\n"
                                                         "pano_designated_fourth_y=156\n")
                                              + QLatin1String(kFixedShields));
        QCOMPARE(w->student_ptzspeed_saved_level, 10);
    }

    // After a reply in the new point format, with the calibration widgets shown: the tab sends
    // what the reply put into it (labels in the sliders' own formats: "-12" shows as "-10"),
    // the corners after the two truncating conversions, six designated points, the calibration
    // points times 8 and the shields from their polygons.
    void applyTextAfterReply()
    {
        FreshWindow w;
        RecordingPresenter boxes;
        w->student_calibration_widgets_shown = true;
        w->read_student_section(QString::fromLatin1(kReply));
        QVERIFY(!w->student_use_old_version_flag);
        QCOMPARE(w->student_apply_text(), QStringLiteral("student_parameter\n"
                                                         "set_tracking_config_file\n"
                                                         "feature_camera_ip=192.168.1.163\n"
                                                         "pano_sensitivity=6\n"
                                                         "pano_object_size=1.5\n"
                                                         "pano_height=3.0\n"
                                                         "pano_pan_offset=-10\n"
                                                         "pano_tilt_offset=+25\n"
                                                         "losing_object_strategy=0\n"
                                                         "eptz_mode=1\n"
                                                         "time_delay=5\n"
                                                         "multi_object_strategy=2\n"
                                                         "ptzspeed_level=5\n"
                                                         "pano_pan_speed=30\n"
                                                         "response_time=0.8\n"
                                                         "feature_continue_max_time=60\n"
                                                         "time_to_pano_delay=4\n"
                                                         "pano_camera_format=0\n"
                                                         "pano_max_angle=84\n"
                                                         "pano_pan_correction=-5\n"
                                                         "pano_tilt_correction=3.6\n"
                                                         "auto_tracking=0\n"
                                                         "face_detect=1\n"
                                                         "pano_switch=0\n"
                                                         "pano_shield_enable=0110\n"
                                                         "pano_designated_number_of_people=2\n"
                                                         "pano_designated_enable=111111\n"
                                                         "pano_student_forward_enable=1\n"
                                                         "pano_calibrate_enable=1111\n"
                                                         "pano_calibrate_first_x=80\n"
                                                         "pano_calibrate_first_y=160\n"
                                                         "pano_calibrate_second_x=240\n"
                                                         "pano_calibrate_second_y=320\n"
                                                         "pano_calibrate_third_x=400\n"
                                                         "pano_calibrate_third_y=480\n"
                                                         "pano_calibrate_fourth_x=560\n"
                                                         "pano_calibrate_fourth_y=640\n"
                                                         "feature_calibrate_first_x=8\n"
                                                         "feature_calibrate_first_y=16\n"
                                                         "feature_calibrate_second_x=24\n"
                                                         "feature_calibrate_second_y=32\n"
                                                         "feature_calibrate_third_x=40\n"
                                                         "feature_calibrate_third_y=48\n"
                                                         "feature_calibrate_fourth_x=56\n"
                                                         "feature_calibrate_fourth_y=64\n"
                                                         "forward_left_x=132\n"
                                                         "forward_left_y=265\n"
                                                         "forward_right_x=505\n"
                                                         "forward_right_y=265\n"
                                                         "backward_right_x=225\n"
                                                         "backward_right_y=80\n"
                                                         "backward_left_x=412\n"
                                                         "backward_left_y=80\n"
                                                         "pano_designated_first_x=92\n"
                                                         "pano_designated_first_y=312\n"
                                                         "pano_designated_second_x=508\n"
                                                         "pano_designated_second_y=312\n"
                                                         "pano_designated_third_x=468\n"
                                                         "pano_designated_third_y=156\n"
                                                         "pano_designated_fourth_x=368\n"
                                                         "pano_designated_fourth_y=156\n"
                                                         "pano_designated_fifth_x=256\n"
                                                         "pano_designated_fifth_y=156\n"
                                                         "pano_designated_six_x=152\n"
                                                         "pano_designated_six_y=156\n"
                                                         "pano_pan_first_shield_scale=0\n"
                                                         "pano_tilt_first_shield_scale=329\n"
                                                         "pano_pan_first_shield_increment=29\n"
                                                         "pano_tilt_first_shield_increment=359\n"
                                                         "pano_pan_second_shield_scale=639\n"
                                                         "pano_tilt_second_shield_scale=200\n"
                                                         "pano_pan_second_shield_increment=400\n"
                                                         "pano_tilt_second_shield_increment=0\n"
                                                         "pano_pan_third_shield_scale=639\n"
                                                         "pano_tilt_third_shield_scale=29\n"
                                                         "pano_pan_third_shield_increment=609\n"
                                                         "pano_tilt_third_shield_increment=0\n"
                                                         "pano_pan_fourth_shield_scale=29\n"
                                                         "pano_tilt_fourth_shield_scale=0\n"
                                                         "pano_pan_fourth_shield_increment=0\n"
                                                         "pano_tilt_fourth_shield_increment=29"));
        // The reply's height choice reached the box without being sent back to the camera
        // (which, not connected here, would have been refused with a box).
        QCOMPARE(w.ui()->student_calibration_comboBox->currentIndex(), 1);
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(w->student_ptzspeed_saved_level, 5);
    }

    // The new point format's designated enable reads "111111" once the box is checked; the
    // designated box itself follows "111111" in the reply.
    void designatedFollowsTheReply()
    {
        FreshWindow w;
        w->read_student_section(QStringLiteral("student_parameter\npano_designated_enable=111111"));
        QVERIFY(w.ui()->student_designated_region_checkBox->isChecked());
        QVERIFY(!w->student_use_old_version_flag);
        QVERIFY(w->student_apply_text().contains(QLatin1String("\npano_designated_enable=111111\n")));
        QVERIFY(w->student_apply_text().contains(QLatin1String("\npano_designated_six_y=")));
        w->read_student_section(QStringLiteral("student_parameter\npano_designated_enable=11110"));
        QVERIFY(w->student_use_old_version_flag);
        QVERIFY(w->student_apply_text().contains(QLatin1String("\npano_designated_enable=11110\n")));
        QVERIFY(!w->student_apply_text().contains(QLatin1String("pano_designated_fifth")));
    }

    void replyKeys_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char *name, const char *reply, const char *object, const char *property,
                            const QVariant &expected) {
            QTest::newRow(name) << QStringLiteral("student_parameter\n") + QLatin1String(reply)
                                << QString::fromLatin1(object) << QByteArray(property) << expected;
        };
        row("sensitivity 7", "pano_sensitivity=7", "student_sensitivity_Slider", "value", 7);
        row("sensitivity one character", "pano_sensitivity=72", "student_sensitivity_label", "text", "7");
        row("object size", "pano_object_size=2.0", "student_objectsize_Slider", "value", 16);
        row("object size 0.6", "pano_object_size=0.6", "student_objectsize_Slider", "value", 2);
        row("pan offset -12 slider", "pano_pan_offset=-12", "student_panOffset_Slider", "value", 38);
        row("pan offset 0", "pano_tilt_offset=0", "student_tiltOffset_Slider", "value", 40);
        row("height", "pano_height=2.7", "student_camera_height_lineEdit", "text", "2.7");
        row("length", "pano_length=8.0", "student_camera_length_lineEdit", "text", "8.0");
        row("object height", "pano_camera_height=1.2", "student_object_height_lineEdit", "text", "1.2");
        row("eptz 1", "eptz_mode=1", "student_eptz_radioButton", "checked", true);
        row("eptz 2 leaves it", "eptz_mode=2", "student_cutout_radioButton", "checked", true);
        row("losing 0", "losing_object_strategy=0", "student_none_action_radioButton", "checked", true);
        row("multi 2", "multi_object_strategy=2", "student_return_pano_action_radioButton", "checked", true);
        row("multi 3 leaves it", "multi_object_strategy=3", "student_small_pano_radioButton", "checked", true);
        row("time delay", "time_delay=9", "student_target_lost_timeout_Slider", "value", 9);
        row("continue time", "feature_continue_max_time=90", "student_feature_continue_time_label", "value", 90);
        row("pano delay", "time_to_pano_delay=7", "director_time_pano_delay_label", "value", 7);
        row("config switch 1", "config_switch=1", "student_config_comboBox", "currentIndex", 0);
        row("config switch 0", "config_switch=0", "student_config_comboBox", "currentIndex", 1);
        row("auto tracking", "auto_tracking=0", "student_starting_up_checkBox", "checked", false);
        row("face detect", "face_detect=1", "student_face_detect_checkBox", "checked", true);
        row("pano switch other", "pano_switch=5", "student_pano_switch_checkBox", "checked", true);
        row("ptz speed", "ptzspeed_level=4", "student_ptzspeed_level", "text", "4");
        row("people", "pano_designated_number_of_people=5", "people_number_lineEdit", "text", "5");
        row("forward enable", "pano_student_forward_enable=1", "student_track_region_checkBox", "checked", true);
        row("shield enable", "pano_shield_enable=0001", "student_shield_four_checkBox", "checked", true);
        row("shield enable off", "pano_shield_enable=0001", "student_shield_one_checkBox", "checked", false);
        row("short shield enable", "pano_shield_enable=0", "student_shield_one_checkBox", "checked", false);
        row("calibrate enable", "pano_calibrate_enable=1111", "student_pos_calibration_region_checkBox", "checked",
            true);
        row("height 90", "pano_calibrate_height=90", "student_calibration_comboBox", "currentIndex", 1);
        row("versions", "feature_version=A\npano_version=B", "student_version_pano_info_label", "text", "B");
        row("eptz buttons", "device_model=XO1", "student_eptz_radioButton", "enabled", true);
        row("no device model", "pano_sensitivity=4", "student_cutout_radioButton", "enabled", false);
    }

    void replyKeys()
    {
        QFETCH(QString, reply);
        QFETCH(QString, object);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);
        FreshWindow w;
        RecordingPresenter boxes;
        w->read_student_section(reply);
        QObject *target = w->findChild<QObject *>(object);
        QVERIFY2(target, qPrintable(object));
        QCOMPARE(target->property(property.constData()), expected);
        QVERIFY(boxes.shown.isEmpty());
    }

    void pointsOfAReply()
    {
        FreshWindow w;
        w->read_student_section(QString::fromLatin1(kReply));
        const StudentRegionPoints &p = w->student_points;
        QCOMPARE(p.student_area_points[0], QPoint(99, 199));
        QCOMPARE(p.student_area_points[2], QPoint(169, 60));
        QCOMPARE(p.student_designated_points[5], QPoint(114, 117));
        QCOMPARE(p.pano_calibrate_points[3], QPoint(70, 80));
        QCOMPARE(p.pano_calibrate_points[4], QPoint(160, 50)); // not in the reply: its default
        QCOMPARE(p.feature_calibrate_points[1], QPoint(3, 4));
        QVERIFY(p.student_shield_drawn[1]);
        QCOMPARE(p.student_shield_points[1][0], QPoint(480, 150));
        QCOMPARE(p.student_shield_points[1][3], QPoint(300, 0));
        QCOMPARE(w->student_pano_pan_speed, QStringLiteral("30"));
        QCOMPARE(w->student_response_time, QStringLiteral("0.8"));
    }

    // The confirmation of an Apply carries no point: the installer's points and boxes stay, and
    // the next Apply sends the same block.
    void confirmationKeepsThePoints()
    {
        FreshWindow w;
        w->read_student_section(QString::fromLatin1(kReply));
        w->student_points.student_area_points[0] = QPoint(120, 220);
        w.ui()->student_shield_four_checkBox->setChecked(true);
        const QString before = w->student_apply_text();
        w->read_student_section(QStringLiteral("student_parameter\nset_student_config_file"));
        QCOMPARE(w->student_points.student_area_points[0], QPoint(120, 220));
        QVERIFY(w.ui()->student_shield_four_checkBox->isChecked());
        QCOMPARE(w->student_apply_text(), before);
        // Nor does it take the eptz choice away from a camera that offers it.
        QVERIFY(w.ui()->student_eptz_radioButton->isEnabled());
        QVERIFY(w.ui()->student_cutout_radioButton->isEnabled());
    }

    // While the calibration view is on, the reply's speed reaches only the stored level.
    void ptzSpeedDuringCalibration()
    {
        FreshWindow w;
        w.ui()->student_show_Calibration_checkBox->setChecked(true);
        w.ui()->student_ptzspeed_level->setText(QStringLiteral("2"));
        w->read_student_section(QStringLiteral("student_parameter\nptzspeed_level=9"));
        QCOMPARE(w.ui()->student_ptzspeed_level->text(), QStringLiteral("2"));
        QCOMPARE(w->student_ptzspeed_saved_level, 9);
    }

    // The student customer flag survives only an "O" model with "S2"; either flag disables the
    // board widgets.
    void deviceModelStep_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("flagAfter");
        QTest::newRow("OS2") << "device_model=OS2" << true;
        QTest::newRow("O") << "device_model=O1" << false;
        QTest::newRow("missing") << "pano_sensitivity=4" << false;
    }

    void deviceModelStep()
    {
        QFETCH(QString, model);
        QFETCH(bool, flagAfter);
        FreshWindow w;
        w->student_customer_model_flag = true;
        w.ui()->student_showCalibration_Button->setEnabled(true);
        w->read_student_section(QStringLiteral("student_parameter\n") + model);
        QCOMPARE(w->student_customer_model_flag, flagAfter);
        // disable_board_widgets ran only while a customer flag is set (the button's own state;
        // its page may be disabled as a whole).
        QCOMPARE(w.ui()->student_showCalibration_Button->testAttribute(Qt::WA_ForceDisabled), flagAfter);
    }

    // The answer of an auto-calibration pass: a failure tells the calibration dialog; a success
    // asks for the camera's points again (here refused: the camera is not connected).
    void autocalibrateStatus()
    {
        FreshWindow w;
        RecordingPresenter boxes;
        QSignalSpy failed(w.window.get(), &MainWindow::autocalibrate_update_fail);
        w->resolve_student_autocalibrate_status(QStringLiteral("fail:3"));
        QCOMPARE(failed.count(), 1);
        QVERIFY(boxes.shown.isEmpty());
        w->resolve_student_autocalibrate_status(QStringLiteral("success"));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Please connect the camera")});
        // The obtain never went out, so nothing silent is left waiting.
        QVERIFY(!w->student_silent_obtain_flag);
        QVERIFY(!w->student_obtain_wait);
    }

    void calibrationWidgets()
    {
        FreshWindow w;
        w->show();
        QWidget *const widgets[] = {w.ui()->student_pos_calibration_region_radioButton,
                                    w.ui()->student_pos_calibration_region_checkBox,
                                    w.ui()->student_calibrate_area_toolButton, w.ui()->student_calibration_comboBox};
        for (QWidget *x : widgets)
            QVERIFY(x->isHidden());
        w->set_student_calibration_widgets_visible(true);
        for (QWidget *x : widgets)
            QVERIFY(!x->isHidden());
        w->set_student_calibration_widgets_visible(false);
        for (QWidget *x : widgets)
            QVERIFY(x->isHidden());

        // The tool button follows the calibration box's state.
        w.ui()->student_calibrate_area_toolButton->setEnabled(false);
        w.ui()->student_pos_calibration_region_checkBox->setChecked(true);
        QVERIFY(w.ui()->student_calibrate_area_toolButton->isEnabled());
        w.ui()->student_pos_calibration_region_checkBox->setChecked(false);
        QVERIFY(!w.ui()->student_calibrate_area_toolButton->isEnabled());
    }

    // Choosing a height sends it alone when the camera is connected, and is refused otherwise.
    void calibrationHeightRefusedWithoutCamera()
    {
        FreshWindow w;
        RecordingPresenter boxes;
        w.ui()->student_calibration_comboBox->setCurrentIndex(1);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Please connect the camera")});
        QVERIFY(!w->student_apply_wait);
    }

    void marks_data()
    {
        QTest::addColumn<QString>("object");
        for (const char *n : {"student_none_action_radioButton", "student_pano_one_action_radioButton",
                              "student_cutout_radioButton", "student_eptz_radioButton", "student_small_pano_radioButton",
                              "student_return_pano_action_radioButton", "student_starting_up_checkBox",
                              "student_face_detect_checkBox", "student_pano_switch_checkBox", "student_sensitivity_Slider",
                              "student_objectsize_Slider", "student_panOffset_Slider", "student_tiltOffset_Slider",
                              "student_target_lost_timeout_Slider"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }

    void marks()
    {
        QFETCH(QString, object);
        FreshWindow w;
        w->settings_file->loading_config() = true; // these marks do not wait for the load to end
        w.ui()->student_apply_Button->setText(QStringLiteral("Apply"));
        QObject *o = w->findChild<QObject *>(object);
        QVERIFY(o);
        if (auto *slider = qobject_cast<QSlider *>(o))
            emit slider->sliderPressed();
        else
            emit qobject_cast<QAbstractButton *>(o)->clicked();
        QCOMPARE(w.ui()->student_apply_Button->text(), QStringLiteral("Apply(*)"));
    }

    void refusedWithoutCamera()
    {
        FreshWindow w;
        RecordingPresenter boxes;
        w.ui()->student_apply_Button->click();
        w.ui()->student_obtain_Button->click();
        QCOMPARE(boxes.texts(), (QStringList{QStringLiteral("Please connect the camera"),
                                             QStringLiteral("Please connect the camera")}));
        QVERIFY(!w->student_apply_wait);
        QVERIFY(!w->student_obtain_wait);
    }
};

QTEST_MAIN(tst_StudentPanel)
#include "tst_student_panel.moc"
