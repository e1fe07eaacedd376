// The teacher tab against its parameter block: the Apply text byte for byte (fresh start, after
// a reply, model M19 in lectern mode), each key of a reply into its widget, Default (which sends
// and posts nothing) and the "Apply(*)" marks.
#include "guide/guideconfig.h"
#include "log_capture.h"
#include "recording_presenter.h"
#include "mainwindow/mainwindow.h"
#include "window_holder.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QHostAddress>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

// A fresh installation: every tab at its defaults.
struct FreshWindow : WindowHolder {
    FreshWindow() : WindowHolder(QString()) {}
};

QString freshHead(const char *mode = "2")
{
    return QStringLiteral("teacher_parameter\n"
                          "set_tracking_config_file\n"
                          "feature_camera_ip=192.168.1.100\n"
                          "pano_sensitivity=2\n"
                          "feature_distance=7.5\n"
                          "pano_distance=7.5\n"
                          "pano_pan_offset=0\n"
                          "pano_tilt_offset=0\n"
                          "losing_object_strategy=1\n"
                          "multi_object_strategy=1\n"
                          "tracking_mode=")
        + QLatin1String(mode)
        + QStringLiteral("\n"
                         "time_to_pano_delay=30\n"
                         "time_lost_delay=2\n"
                         "target_no_action_hold_time=300\n"
                         "ptzspeed_level=10\n"
                         "board_detect_enable=0\n"
                         "board_face_enable=0\n"
                         "board_hand_enable=0\n"
                         "board_detect_time=3\n"
                         "board_continue_time=5\n"
                         "board_lose_time=3\n"
                         "board_face_interval_time=5\n"
                         "auto_tracking=1\n"
                         "feature_persontrack_mode=0\n"
                         "auto_zoom=1\n"
                         "manual_focus=1\n"
                         "auto_tilt=0\n"
                         "feature_realtime_track=1\n"
                         "whole_tracking=0\n");
}

QString snapshot(int x, int y, int w, int h)
{
    return QStringLiteral("boardsnapshot_pan_scale=%1\nboardsnapshot_tilt_scale=%2\n"
                          "boardsnapshot_pan_increment=%3\nboardsnapshot_tilt_increment=%4\n")
        .arg(x)
        .arg(y)
        .arg(w)
        .arg(h);
}

QString rect(const char *prefix, const char *ordinal, const char *infix, int x, int y, int w, int h)
{
    // prefix "pano"/"board", ordinal "first".., infix "_shield" or "".
    return QStringLiteral("%1_pan_%2%3_scale=%4\n%1_tilt_%2%3_scale=%5\n%1_pan_%2%3_increment=%6\n"
                          "%1_tilt_%2%3_increment=%7\n")
        .arg(QLatin1String(prefix), QLatin1String(ordinal), QLatin1String(infix))
        .arg(x)
        .arg(y)
        .arg(w)
        .arg(h);
}

QString regions(const QString &snap, const QString &tracking, const char *shieldEnable, const QString &shields,
                const char *boardEnable, const QString &boards)
{
    return snap + tracking + QStringLiteral("pano_shield_enable=") + QLatin1String(shieldEnable) + QLatin1Char('\n')
        + shields + QStringLiteral("teacher_board_enable=") + QLatin1String(boardEnable) + QLatin1Char('\n') + boards;
}

QString tracking(int x, int y, int w, int h)
{
    return QStringLiteral("pano_pan_scale=%1\npano_tilt_scale=%2\npano_pan_increment=%3\npano_tilt_increment=%4\n")
        .arg(x)
        .arg(y)
        .arg(w)
        .arg(h);
}

QString zeroShields(int from = 0)
{
    const char *const ordinals[] = {"first", "second", "third", "fourth"};
    QString s;
    for (int i = from; i < 4; ++i)
        s += rect("pano", ordinals[i], "_shield", 0, 0, 0, 0);
    return s;
}

QString zeroBoards()
{
    return rect("board", "first", "", 0, 0, 0, 0) + rect("board", "second", "", 0, 0, 0, 0)
        + rect("board", "third", "", 0, 0, 0, 0);
}

const char kReply[] = "teacher_parameter\n"
                      "get_tracking_config_file\n"
                      "pano_sensitivity=3\n"
                      "feature_distance=5.0\n"
                      "pano_distance=12.5\n"
                      "pano_pan_offset=37\n"
                      "pano_tilt_offset=-120\n"
                      "losing_object_strategy=11\n"
                      "multi_object_strategy=2\n"
                      "tracking_mode=4\n"
                      "time_to_pano_delay=45\n"
                      "time_lost_delay=1\n"
                      "ptzspeed_level=7\n"
                      "board_detect_enable=1\n"
                      "board_detect_time=4\n"
                      "board_continue_time=6\n"
                      "board_lose_time=2\n"
                      "board_face_interval_time=8\n"
                      "auto_tracking=0\n"
                      "feature_persontrack_mode=1\n"
                      "manual_focus=0\n"
                      "auto_tilt=1\n"
                      "feature_realtime_track=0\n"
                      "boardsnapshot_pan_scale=0\n"
                      "boardsnapshot_tilt_scale=0\n"
                      "boardsnapshot_pan_increment=0\n"
                      "boardsnapshot_tilt_increment=0\n"
                      "pano_pan_scale=133\n"
                      "pano_tilt_scale=80\n"
                      "pano_pan_increment=600\n"
                      "pano_tilt_increment=120\n"
                      "pano_shield_enable=1010\n"
                      "pano_pan_first_shield_scale=100\n"
                      "pano_tilt_first_shield_scale=100\n"
                      "pano_pan_first_shield_increment=60\n"
                      "pano_tilt_first_shield_increment=40\n"
                      "teacher_board_enable=010\n"
                      "board_pan_second_scale=200\n"
                      "board_tilt_second_scale=20\n"
                      "board_pan_second_increment=120\n"
                      "board_tilt_second_increment=60\n"
                      "feature_version=F1.2\n"
                      "pano_version=P3.4\n"
                      "device_model=KO";

} // namespace

class tst_TeacherPanel : public QObject
{
    Q_OBJECT

private slots:
    // A fresh start: the tab's defaults (the form checks shield one and board one), no region
    // reported yet, whatever the scene shows.
    void applyTextFreshStart()
    {
        FreshWindow w;
        QCOMPARE(w->teacher_apply_text(),
                 freshHead() + regions(snapshot(0, 0, 0, 0), tracking(20, 80, 610, 80), "1000", zeroShields(), "100",
                                       zeroBoards()));
        QCOMPARE(w->teacher_ptzspeed_value, 10);
    }

    // After a reply the tab sends what the reply put into it, the labels in the sliders' own
    // formats, and the reported regions back in camera units (after the two truncating
    // conversions: 133 comes back as 132).
    void applyTextAfterReply()
    {
        FreshWindow w;
        w->read_teacher_section(QString::fromLatin1(kReply));
        const QString expected =
            QStringLiteral("teacher_parameter\n"
                           "set_tracking_config_file\n"
                           "feature_camera_ip=192.168.1.100\n"
                           "pano_sensitivity=3\n"
                           "feature_distance=5.0\n"
                           "pano_distance=12.5\n"
                           "pano_pan_offset=+35\n"
                           "pano_tilt_offset=-120\n"
                           "losing_object_strategy=11\n"
                           "multi_object_strategy=2\n"
                           "tracking_mode=4\n"
                           "time_to_pano_delay=45\n"
                           "time_lost_delay=1\n"
                           "target_no_action_hold_time=300\n"
                           "ptzspeed_level=7\n"
                           "board_detect_enable=1\n"
                           "board_face_enable=0\n"
                           "board_hand_enable=0\n"
                           "board_detect_time=4\n"
                           "board_continue_time=6\n"
                           "board_lose_time=2\n"
                           "board_face_interval_time=8\n"
                           "auto_tracking=0\n"
                           "feature_persontrack_mode=1\n"
                           "auto_zoom=1\n"
                           "manual_focus=0\n"
                           "auto_tilt=1\n"
                           "feature_realtime_track=0\n"
                           "whole_tracking=0\n")
            + regions(snapshot(0, 0, 0, 0), tracking(132, 80, 600, 120), "1010",
                      rect("pano", "first", "_shield", 100, 100, 60, 40) + zeroShields(1), "010",
                      rect("board", "first", "", 0, 0, 0, 0) + rect("board", "second", "", 200, 20, 120, 60)
                          + rect("board", "third", "", 0, 0, 0, 0));
        QCOMPARE(w->teacher_apply_text(), expected);
        QCOMPARE(w->teacher_ptzspeed_value, 7);
    }

    // A feature camera of model M19 adds boardsnap_mode; in lectern mode its feature area (four
    // times the region units) stands in for a snapshot region not yet reported.
    void applyTextM19Lectern()
    {
        FreshWindow w;
        w->teacher_feature_device_model = QStringLiteral("M19");
        w.ui()->teacher_board_effect_list->setCurrentIndex(3);
        w.ui()->lectern_mode_radioButton->setChecked(true);
        w->region_editor->region_rects().feature = {10, 20, 30, 40};
        QCOMPARE(w->teacher_apply_text(),
                 freshHead("5") + QStringLiteral("boardsnap_mode=4\n")
                     + regions(snapshot(40, 80, 120, 160), tracking(20, 80, 610, 80), "1000", zeroShields(), "100",
                               zeroBoards()));

        // Not in lectern mode: zeros for the snapshot, boardsnap_mode still there.
        w.ui()->binocular_mode_radioButton->setChecked(true);
        w.ui()->teacher_board_effect_list->setCurrentIndex(1);
        const QString text = w->teacher_apply_text();
        QVERIFY(text.contains(QLatin1String("whole_tracking=0\nboardsnap_mode=1\n") + snapshot(0, 0, 0, 0)));
    }

    // An empty close-up distance label goes out as the panorama distance, not as
    // "feature_distance=" with nothing behind it.
    void emptyFeatureDistanceIsFilledFirst()
    {
        FreshWindow w;
        w.ui()->teacher_distance_label->setText(QStringLiteral("9.0"));
        w.ui()->teacher_fea_distance_label->clear();
        const QString text = w->teacher_apply_text();
        QVERIFY(text.contains(QLatin1String("\nfeature_distance=9.0\npano_distance=9.0\n")));
        QVERIFY(!text.contains(QLatin1String("feature_distance=\n")));
        QCOMPARE(w.ui()->teacher_fea_distance_label->text(), QStringLiteral("9.0"));
    }

    // With port mapping the recorder's address of the teacher camera goes in its place; an
    // address with a note after "/" goes without it.
    void featureCameraAddress()
    {
        FreshWindow w;
        w.ui()->teacher_feature_IP_Edit->setText(QStringLiteral("10.1.2.3/front"));
        QVERIFY(w->teacher_apply_text().contains(QLatin1String("\nfeature_camera_ip=10.1.2.3\n")));
        w->recorder_port_map_enabled = true;
        w.ui()->recorder_teacher_ip_Edit->setText(QStringLiteral("172.16.0.9"));
        QVERIFY(w->teacher_apply_text().contains(QLatin1String("\nfeature_camera_ip=172.16.0.9\n")));
    }

    // One reply key at a time into its widget; the widgets start from the defaults.
    void replyKeys_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char *name, const char *reply, const char *object, const char *property,
                            const QVariant &expected) {
            QTest::newRow(name) << QStringLiteral("teacher_parameter\n") + QLatin1String(reply)
                                << QString::fromLatin1(object) << QByteArray(property) << expected;
        };
        row("sensitivity one character", "pano_sensitivity=12", "teacher_sensitivity_label", "text", "1");
        row("sensitivity slider", "pano_sensitivity=3", "teacher_sensitivity_Slider", "value", 3);
        row("distance 7.5", "feature_distance=7.5\npano_distance=20.0", "teacher_fea_distance_Slider", "value", 46);
        row("distance 20.0", "pano_distance=20.0", "teacher_distance_Slider", "value", 171);
        row("distance 3.1", "pano_distance=3.1", "teacher_distance_Slider", "value", 2);
        row("distance label", "pano_distance=3.1", "teacher_distance_label", "text", "3.1");
        row("offset 37 slider", "pano_pan_offset=37", "teacher_panOffset_Slider", "value", 47);
        row("offset 37 label", "pano_pan_offset=37", "teacher_panOffset_label", "text", "+35");
        row("offset -35", "pano_tilt_offset=-35", "teacher_tiltOffset_Slider", "value", 33);
        row("offset 0", "pano_tilt_offset=-35\npano_pan_offset=0", "teacher_panOffset_Slider", "value", 40);
        row("losing 11", "losing_object_strategy=11", "teacher_student_pano_action_radioButton", "checked", true);
        row("losing 2", "losing_object_strategy=2", "teacher_platform_action_radioButton", "checked", true);
        row("losing 5 leaves it", "losing_object_strategy=5", "teacher_pano_action_radioButton", "checked", true);
        row("multi 2", "multi_object_strategy=2", "teacher_return_pano_action_radioButton", "checked", true);
        row("mode 0", "tracking_mode=0", "other_mode_radioButton", "checked", true);
        row("mode 9 leaves it", "tracking_mode=9", "binocular_mode_radioButton", "checked", true);
        row("lost delay", "time_to_pano_delay=120", "teacher_target_lost_delay_label", "value", 120);
        row("hold time", "time_lost_delay=0", "teacher_hold_time_label", "value", 0);
        row("board time label", "board_continue_time=12", "teacher_board_hold_label", "text", "12");
        row("board time slider", "board_continue_time=12", "teacher_board_hold_Slider", "value", 12);
        row("board enable 1", "board_face_enable=1", "teacher_board_face_enable_checkBox", "checked", true);
        row("board enable other", "board_detect_enable=1\nboard_hand_enable=x", "teacher_board_hand_enable_checkBox",
            "checked", false);
        row("config switch 1", "config_switch=1", "teacher_config_comboBox", "currentIndex", 0);
        row("config switch 2", "config_switch=2", "teacher_config_comboBox", "currentIndex", 1);
        row("persontrack 0", "feature_persontrack_mode=0", "teacher_feature_persontrack_comboBox", "currentIndex", 0);
        row("persontrack x", "feature_persontrack_mode=x", "teacher_feature_persontrack_comboBox", "currentIndex", 1);
        row("auto tracking 0", "auto_tracking=0", "teacher_starting_up_checkBox", "checked", false);
        row("auto tracking other", "auto_tracking=7", "teacher_starting_up_checkBox", "checked", true);
        row("auto tilt", "auto_tilt=1", "teacher_vertical_movement_checkBox", "checked", true);
        row("realtime", "feature_realtime_track=0", "teacher_feature_tracking_checkBox", "checked", false);
        row("boardsnap 4", "boardsnap_mode=4", "teacher_board_effect_list", "currentIndex", 3);
        row("boardsnap 3 leaves it", "boardsnap_mode=3", "teacher_board_effect_list", "currentIndex", 0);
        row("boardsnap 2", "boardsnap_mode=2", "teacher_board_effect_list", "currentIndex", 2);
        row("ptz speed", "ptzspeed_level=6", "teacher_ptzspeed_level", "text", "6");
        row("missing key leaves it", "pano_distance=8.0", "teacher_fea_distance_label", "text", "7.5");
        row("feature version", "feature_version=F9 x", "teacher_version_feature_info_label", "text", "F9 x");
        row("pano version", "pano_version=P7", "teacher_version_pano_info_label", "text", "P7");
        row("value to the end", "feature_version=V1.0", "teacher_version_feature_info_label", "text", "V1.0");
        row("shield enable", "pano_shield_enable=0100", "teacher_shield_two_checkBox", "checked", true);
        row("board enable three", "teacher_board_enable=001", "teacher_board_three_checkBox", "checked", true);
    }

    void replyKeys()
    {
        QFETCH(QString, reply);
        QFETCH(QString, object);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);
        FreshWindow w;
        w->read_teacher_section(reply);
        QObject *target = w->findChild<QObject *>(object);
        QVERIFY2(target, qPrintable(object));
        QCOMPARE(target->property(property.constData()), expected);
    }

    // A camera that reports an empty close-up distance gets the panorama distance shown there.
    void oneDistanceFillsBoth()
    {
        FreshWindow w;
        w.ui()->teacher_fea_distance_Slider->setValue(1);
        w->read_teacher_section(QStringLiteral("teacher_parameter\nfeature_distance=\npano_distance=8.0"));
        QCOMPARE(w.ui()->teacher_fea_distance_label->text(), QStringLiteral("8.0"));
        QCOMPARE(w.ui()->teacher_distance_Slider->value(), 51);
    }

    // The confirmation of an Apply carries no region: the boxes the installer changed since the
    // last answer stay, and no region is marked as reported.
    void confirmationKeepsTheInstallersRegions()
    {
        FreshWindow w;
        w->read_teacher_section(QStringLiteral("teacher_parameter\nget_tracking_config_file\npano_shield_enable=1000\n"
                                               "teacher_board_enable=100"));
        w.ui()->teacher_shield_three_checkBox->setChecked(true);
        w.ui()->teacher_board_two_checkBox->setChecked(true);
        w->region_editor->region_rects().tracking = {50, 50, 100, 100};
        w->read_teacher_section(QStringLiteral("teacher_parameter\nset_teacher_config_file"));
        QVERIFY(w.ui()->teacher_shield_three_checkBox->isChecked());
        QVERIFY(w.ui()->teacher_board_two_checkBox->isChecked());
        QCOMPARE(w->region_editor->region_rects().tracking.x, 50);

        FreshWindow fresh;
        fresh->read_teacher_section(QStringLiteral("teacher_parameter\nset_teacher_config_file"));
        QVERIFY(!fresh->teacher_apply_regions().tracking_known);
        QVERIFY(fresh->teacher_apply_text().contains(QLatin1String("\npano_pan_scale=20\n")));
    }

    // "Tracking Config 1/2" follows the reply without running the switch's own slots.
    void configSwitchIsQuiet()
    {
        FreshWindow w;
        QSignalSpy changed(w.ui()->teacher_config_comboBox, SIGNAL(currentIndexChanged(int)));
        w->read_teacher_section(QStringLiteral("teacher_parameter\nconfig_switch=0"));
        QCOMPARE(w.ui()->teacher_config_comboBox->currentIndex(), 1);
        QCOMPARE(changed.count(), 0);
    }

    // While the calibration view is on, the reply's speed reaches only the stored value.
    void ptzSpeedDuringCalibration()
    {
        FreshWindow w;
        w.ui()->teacher_show_Calibration_checkBox->setChecked(true);
        w.ui()->teacher_ptzspeed_level->setText(QStringLiteral("3"));
        w->read_teacher_section(QStringLiteral("teacher_parameter\nptzspeed_level=8"));
        QCOMPARE(w.ui()->teacher_ptzspeed_level->text(), QStringLiteral("3"));
        QCOMPARE(w->teacher_ptzspeed_value, 8);
    }

    // The two-camera layout disables the manual focus box whenever a reply sets it.
    void manualFocusByLayout_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("two cameras") << 0 << false;
        QTest::newRow("four cameras") << 1 << true;
    }

    void manualFocusByLayout()
    {
        QFETCH(int, layout);
        QFETCH(bool, enabled);
        FreshWindow w;
        w->tab_layout->set_camera_layout(layout);
        w.ui()->teacher_manual_focus_checkBox->setEnabled(!enabled);
        w->read_teacher_section(QStringLiteral("teacher_parameter\nmanual_focus=0"));
        QVERIFY(!w.ui()->teacher_manual_focus_checkBox->isChecked());
        QCOMPARE(w.ui()->teacher_manual_focus_checkBox->isEnabled(), enabled);
    }

    // A reply without a key leaves every widget and region as it was.
    void missingKeysChangeNothing()
    {
        FreshWindow w;
        const QString before = w->teacher_apply_text();
        w->read_teacher_section(QStringLiteral("teacher_parameter\nget_tracking_config_file\nunknown_key=1"));
        QCOMPARE(w->teacher_apply_text(), before);
    }

    // The login of the HTTP interface is kept; the password never reaches the log.
    void loginKeys()
    {
        FreshWindow w;
        LogCapture log;
        w->read_teacher_section(
            QStringLiteral("teacher_parameter\nusername=installer\npassword=s3cr#t/@x\ndevice_model=M19"));
        QCOMPARE(w->web_username, QStringLiteral("installer"));
        QCOMPARE(w->web_password, QStringLiteral("s3cr#t/@x"));
        QCOMPARE(log.count(QStringLiteral("s3cr#t/@x")), 0);
        QVERIFY(log.contains(QStringLiteral("installer")));
    }

    // device_model clears the customer flag; a reply without it leaves the flag.
    void deviceModelStep()
    {
        FreshWindow w;
        w->teacher_customer_model_flag = true;
        w->read_teacher_section(QStringLiteral("teacher_parameter\npano_sensitivity=2"));
        QVERIFY(w->teacher_customer_model_flag);
        w->read_teacher_section(QStringLiteral("teacher_parameter\ndevice_model=J57"));
        QVERIFY(!w->teacher_customer_model_flag);
    }

    // Default sets the tab and sends nothing: the lectern page's spin boxes, whose own slots
    // post to the camera, change without a signal. set_all_defaults the same.
    void defaultPostsNothing()
    {
        FreshWindow w;
        QSpinBox *hold = w.ui()->lectern_director_hold_time_label;
        QSpinBox *retention = w.ui()->target_retention_time_label_spinBox;
        hold->setValue(50);
        retention->setValue(2);
        int signalsSeen = 0;
        QObject::connect(hold, QOverload<int>::of(&QSpinBox::valueChanged), [&] { ++signalsSeen; });
        QObject::connect(retention, QOverload<int>::of(&QSpinBox::valueChanged), [&] { ++signalsSeen; });
        w.ui()->teacher_apply_Button->setText(QStringLiteral("Apply"));
        w.ui()->teacher_default_Button->click();
        QCOMPARE(hold->value(), 120);
        QCOMPARE(retention->value(), 6);
        QCOMPARE(signalsSeen, 0);
        QCOMPARE(w.ui()->teacher_apply_Button->text(), QStringLiteral("Apply(*)"));
        QVERIFY(!w->parameter_requests->pending(request_poller::Kind::TeacherApply));

        hold->setValue(50);
        retention->setValue(2);
        signalsSeen = 0;
        w->set_all_defaults();
        QCOMPARE(hold->value(), 120);
        QCOMPARE(signalsSeen, 0);
        // The spin boxes still speak for the installer afterwards.
        hold->setValue(60);
        QCOMPARE(signalsSeen, 1);
    }

    // Every control of the tab marks it changed; the effect list even while the settings load.
    void marks_data()
    {
        QTest::addColumn<QString>("object");
        for (const char *n :
             {"teacher_none_action_radioButton", "teacher_pano_action_radioButton", "teacher_platform_action_radioButton",
              "teacher_student_pano_action_radioButton", "teacher_starting_up_checkBox", "teacher_manual_focus_checkBox",
              "teacher_vertical_movement_checkBox", "teacher_feature_tracking_checkBox",
              "teacher_board_enable_checkBox", "teacher_board_face_enable_checkBox",
              "teacher_board_hand_enable_checkBox"})
            QTest::newRow(n) << QString::fromLatin1(n);
        for (const char *n :
             {"teacher_sensitivity_Slider", "teacher_fea_distance_Slider", "teacher_distance_Slider",
              "teacher_panOffset_Slider", "teacher_tiltOffset_Slider", "teacher_board_detect_Slider",
              "teacher_board_hold_Slider", "teacher_board_lose_Slider", "teacher_board_space_Slider"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }

    void marks()
    {
        QFETCH(QString, object);
        FreshWindow w;
        w->settings_file->loading_config() = true; // these marks do not wait for the load to end
        w.ui()->teacher_apply_Button->setText(QStringLiteral("Apply"));
        QObject *o = w->findChild<QObject *>(object);
        QVERIFY(o);
        if (auto *slider = qobject_cast<QSlider *>(o))
            emit slider->sliderPressed();
        else
            emit qobject_cast<QAbstractButton *>(o)->clicked();
        QCOMPARE(w.ui()->teacher_apply_Button->text(), QStringLiteral("Apply(*)"));
    }

    void effectListMarksWhileLoading()
    {
        FreshWindow w;
        LogCapture log;
        w->settings_file->loading_config() = true;
        w.ui()->teacher_apply_Button->setText(QStringLiteral("Apply"));
        w.ui()->teacher_board_effect_list->setCurrentIndex(2);
        QCOMPARE(w.ui()->teacher_apply_Button->text(), QStringLiteral("Apply(*)"));
        QVERIFY(log.contains(QStringLiteral("current Index: 2")));
    }

    // Apply and Obtain without the pano camera: a warning, nothing armed.
    void refusedWithoutCamera()
    {
        FreshWindow w;
        RecordingPresenter boxes;
        w.ui()->teacher_apply_Button->setText(QStringLiteral("Apply(*)"));
        w.ui()->teacher_apply_Button->click();
        w.ui()->teacher_obtain_Button->click();
        QCOMPARE(boxes.texts(), (QStringList{QStringLiteral("Please connect the camera"),
                                             QStringLiteral("Please connect the camera")}));
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Warning"));
        QCOMPARE(boxes.shown[0].icon, QMessageBox::Warning);
        QVERIFY(!w->teacher_apply_wait);
        QVERIFY(!w->teacher_obtain_wait);
        QCOMPARE(w.ui()->teacher_apply_Button->text(), QStringLiteral("Apply(*)"));
        // A quiet re-obtain that never went out leaves nothing quiet for the next obtain.
        w->teacher_obtain(true);
        QVERIFY(!w->teacher_obtain_wait && !w->teacher_silent_obtain_flag);
    }
};

QTEST_MAIN(tst_TeacherPanel)
#include "tst_teacher_panel.moc"
