// The wizard's direct commands on its form without the wizard, against four simulated cameras:
// what each preset, pad, calibration, region, tracking and auto key puts on the wire, to which
// camera, and the warnings, marks and locks around it.
#include "core/time_scale.h"
#include "guide/arrowkeyviews.h"
#include "guide/wizard_command_keys.h"
#include "wizard_rig.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using camera_slot::Side;
using camera_slot::Slot;
Q_DECLARE_METATYPE(camera_slot::Slot)
Q_DECLARE_METATYPE(camera_slot::Side)

namespace {
constexpr int kWaitMs = 3000; // loopback answers within milliseconds; this only bounds a failure
constexpr int kQuietMs = 150; // long enough for a datagram on loopback that should not come

QString teacher(const char *word) { return QStringLiteral("text:teacher_parameter\nset_tracking_config_command\ncommand=") + word; }
QString student(const char *word) { return QStringLiteral("text:student_parameter\nset_tracking_config_command\ncommand=") + word; }
QString board(const char *word)
{
    return QStringLiteral("text:teacher_parameter\nboard_parameter\nset_tracking_config_command\ncommand=") + word;
}

struct Rig : WizardRig {
    WizardCommandKeys keys{CORVANE_FORM_WIDGETS(WizardCommandKeys, WIZARD_COMMAND_KEYS_WIDGETS, ui), link, *this, &window};
    QStringList dirty;
    QStringList locks;
    Rig()
    {
        QObject::connect(&keys, &WizardCommandKeys::params_changed, [this](Side s) { dirty << QString::number(int(s)); });
        QObject::connect(&keys, &WizardCommandKeys::pages_locked,
                         [this](Side s, bool locked) { locks << QStringLiteral("%1 %2").arg(int(s)).arg(locked); });
        keys.set_presets_enabled(Side::Teacher, true);
        keys.set_presets_enabled(Side::Student, true);
        keys.set_tracking_controls_enabled(Side::Teacher, true);
        keys.set_tracking_controls_enabled(Side::Student, true);
        for (auto pad : {WizardCommandKeys::Pad::TeacherCalibration, WizardCommandKeys::Pad::TeacherPreset,
                         WizardCommandKeys::Pad::TeacherTrackTest, WizardCommandKeys::Pad::StudentCalibration,
                         WizardCommandKeys::Pad::StudentPreset, WizardCommandKeys::Pad::StudentTrackTest})
            keys.set_pad_enabled(pad, true);
        for (QWidget *w : window.findChildren<QWidget *>(QRegularExpression("show_.*checkBox|auto_|calibration_.*Button")))
            w->setEnabled(true);
        window.show();
    }
    // The camera's preview connected it: its connected mark and its destination (no TCP link:
    // every command goes as a datagram).
    void attach(Slot slot)
    {
        link.set_connected(slot, true);
        link.set_destination(slot, WizardCameras::address(slot));
    }
    template <typename T = QPushButton>
    T *widget(const QString &name) { return window.findChild<T *>(name); }
};
} // namespace

class tst_WizardCommandKeys : public QObject
{
    Q_OBJECT

    WizardCameras cameras;

    // What each camera took once the expected camera has its count, the others after a pause.
    QStringList takenBy(Slot slot, int count)
    {
        // Too few are shown by the caller's comparison of what was taken.
        (void)QTest::qWaitFor([&] { return cameras.taken(slot).size() >= count; }, kWaitMs);
        return cameras.taken(slot);
    }
    bool othersQuiet(Slot except)
    {
        QTest::qWait(kQuietMs);
        for (int s = 0; s < 4; ++s)
            if (Slot(s) != except && !cameras.taken(Slot(s)).isEmpty())
                return false;
        return true;
    }

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.02);
        QVERIFY(cameras.start());
    }
    void init() { cameras.clear(); }

    void presets_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("choice"); // the preset step's camera
        QTest::addColumn<Slot>("camera");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("dirty"); // the sides whose block is owed
        const Slot T = Slot::TeacherPano, S = Slot::StudentPano;
        QTest::newRow("student pano") << "student_pano_preset" << 0 << S << student("setpano") << "1";
        QTest::newRow("student pano call") << "get_student_pano_preset" << 0 << S << student("callpano") << "";
        QTest::newRow("student crop") << "student_pano_crop_preset" << 0 << S << student("setsecondpano") << "1";
        QTest::newRow("student crop call") << "get_student_pano_crop_preset" << 0 << S << student("callsecondpano") << "";
        const struct { const char *button, *word; bool dirty; } teacherRows[] = {
            {"teacher_follow_mode_pano_preset", "setpano", true},
            {"teacher_three_mode_pano_preset", "setpano", true},
            {"get_teacher_follow_mode_pano_preset", "callpano", false},
            {"get_teacher_three_mode_pano_preset", "callpano", false},
            {"teacher_follow_mode_platform_preset", "setplatform", true},
            {"teacher_board_pano_mode_platform_preset", "setplatform", false},
            {"get_teacher_follow_mode_platform_preset", "callplatform", false},
            {"get_teacher_board_pano_mode_platform_preset", "callplatform", false},
            {"teacher_three_mode_left_preset", "setplatform", true},
            {"get_teacher_three_mode_left_preset", "callplatform", false},
            {"teacher_follow_mode_left_preset", "setpreset2", true},
            {"get_teacher_follow_mode_left_preset", "callpreset2", false},
            {"teacher_three_mode_right_preset", "setpreset2", false},
            {"get_teacher_three_mode_right_preset", "callpreset2", false},
            {"teacher_follow_mode_right_preset", "setpreset3", true},
            {"get_teacher_follow_mode_right_preset", "callpreset3", false},
            {"teacher_three_mode_center_preset", "setpreset3", false},
            {"get_teacher_three_mode_center_preset", "callpreset3", false},
            {"teacher_follow_mode_board_pano_preset", "setboard", true},
            {"teacher_three_mode_board_pano_preset", "setboard", false},
            {"teacher_board_pano_mode_preset", "setboard", false},
            {"get_teacher_follow_mode_board_pano_preset", "callboard", false},
            {"get_teacher_three_mode_board_pano_preset", "callboard", false},
            {"get_teacher_board_pano_mode_preset", "callboard", false},
            {"teacher_follow_mode_pano_crop_preset", "setsecondpano", true},
            {"teacher_three_mode_pano_crop_preset", "setsecondpano", false},
            {"teacher_board_pano_mode_pano_crop_preset", "setsecondpano", false},
            {"get_teacher_follow_mode_pano_crop_preset", "callsecondpano", false},
            {"get_teacher_three_mode_pano_crop_preset", "callsecondpano", false},
            {"get_teacher_board_pano_mode_pano_crop_preset", "callsecondpano", false},
        };
        for (const auto &r : teacherRows)
            QTest::newRow(r.button) << r.button << 0 << T << teacher(r.word) << (r.dirty ? "0" : "");
        const struct { const char *button; int choice; const char *word; bool dirty; } boardRows[] = {
            {"board_left_preset", 1, "setpano", true},
            {"board_left_preset", 2, "setpano", true},
            {"get_board_left_preset", 2, "callpano", false},
            {"board_right_preset", 1, "setplatform", true},
            {"board_right_preset", 2, "setboard1platform", true},
            {"get_board_right_preset", 1, "callplatform", false},
            {"get_board_right_preset", 2, "callboard1platform", false},
            {"board_pano_preset", 1, "setpreset2", true},
            {"board_pano_preset", 2, "setboard1preset2", true},
            {"get_board_pano_preset", 1, "callpreset2", false},
            {"get_board_pano_preset", 2, "callboard1preset2", false},
        };
        for (const auto &r : boardRows)
            QTest::addRow("%s, board %d", r.button, r.choice)
                << r.button << r.choice << T << board(r.word) << (r.dirty ? "0" : "");
    }
    void presets()
    {
        QFETCH(QString, button);
        QFETCH(int, choice);
        QFETCH(Slot, camera);
        Rig rig;
        rig.attach(Slot::TeacherPano);
        rig.attach(Slot::StudentPano);
        rig.keys.set_preset_camera(choice);
        rig.widget(button)->click();
        QTEST(takenBy(camera, 1).join('|'), "sent");
        QVERIFY(othersQuiet(camera));
        QTEST(rig.dirty.join(','), "dirty");
        QVERIFY(rig.boxes.shown.isEmpty());
    }

    // Without its side's pano camera every preset key warns once and sends nothing; the board
    // pano key of the teacher pages asks for any camera.
    void presetsWarnWithoutPano()
    {
        Rig rig;
        rig.attach(Slot::TeacherFeature);
        rig.attach(Slot::StudentFeature);
        const QList<QPushButton *> keys = rig.window.findChildren<QPushButton *>(QRegularExpression("_preset$"));
        QCOMPARE(keys.size(), 40);
        for (QPushButton *key : keys) {
            rig.boxes.clear();
            key->click();
            QCOMPARE(rig.boxes.shown.size(), 1);
            const bool anyCamera = key->objectName().contains(QRegularExpression("student|mode_board_pano_preset$|board_pano_mode_preset$"));
            QCOMPARE(rig.boxes.shown[0].text, anyCamera ? QStringLiteral("Please connect the camera")
                                                        : QStringLiteral("Please connect the teacher pano camera"));
        }
        QVERIFY(othersQuiet(Slot::BoardFeature));
    }

    // A pad drives the close-up camera of the side the step shows, whichever pad it is.
    void pads_data()
    {
        QTest::addColumn<QString>("pad");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("studentStep");
        QTest::addColumn<int>("slider");
        QTest::addColumn<Slot>("camera");
        QTest::addColumn<QString>("sent");
        const QString stop = "visca:81 01 06 01 03 03 03 03 FF";
        const QString zoomStop = "visca:81 01 04 07 00 FF";
        const Slot TF = Slot::TeacherFeature, SF = Slot::StudentFeature;
        const char *teacherPads[] = {"teacher_ptz_calibration_view", "teacher_ptz_config_preset_view",
                                     "teacher_ptz_tracking_test_view"};
        const char *studentPads[] = {"student_ptz_calibration_view", "student_ptz_config_preset_view",
                                     "student_ptz_tracking_test_view"};
        const struct { const char *key, *press; bool zoom; } keys[] = {
            {"ptz_left_up", "visca:81 01 06 01 07 07 01 01 FF", false},
            {"ptz_up", "visca:81 01 06 01 07 07 03 01 FF", false},
            {"ptz_right_up", "visca:81 01 06 01 07 07 02 01 FF", false},
            {"ptz_left", "visca:81 01 06 01 07 07 01 03 FF", false},
            {"ptz_right", "visca:81 01 06 01 07 07 02 03 FF", false},
            {"ptz_left_down", "visca:81 01 06 01 07 07 01 02 FF", false},
            {"ptz_down", "visca:81 01 06 01 07 07 03 02 FF", false},
            {"ptz_right_down", "visca:81 01 06 01 07 07 02 02 FF", false},
            {"zoom_in", "visca:81 01 04 07 26 FF", true},
            {"zoom_out", "visca:81 01 04 07 36 FF", true},
        };
        for (int p = 0; p < 3; ++p)
            for (const auto &k : keys)
                QTest::addRow("%s %s", teacherPads[p], k.key)
                    << teacherPads[p] << k.key << false << 7 << TF << QString(k.press) + '|' + (k.zoom ? zoomStop : stop);
        for (int p = 0; p < 3; ++p)
            QTest::addRow("%s home", studentPads[p]) << studentPads[p] << "ptz_reset" << true << 7 << SF << "visca:81 01 06 04 FF";
        QTest::newRow("slider at 0 is level 10") << "student_ptz_config_preset_view" << "ptz_left_up" << true << 0 << SF
                                                 << "visca:81 01 06 01 0A 0A 01 01 FF|" + stop;
        QTest::newRow("teacher pad on a student step") << "teacher_ptz_calibration_view" << "ptz_down" << true << 1 << SF
                                                       << "visca:81 01 06 01 01 01 03 02 FF|" + stop;
    }
    void pads()
    {
        QFETCH(QString, pad);
        QFETCH(QString, key);
        QFETCH(bool, studentStep);
        QFETCH(int, slider);
        QFETCH(Slot, camera);
        QFETCH(QString, sent);
        Rig rig;
        for (Slot s : {Slot::TeacherFeature, Slot::StudentFeature})
            rig.attach(s);
        rig.keys.set_student_step(studentStep);
        rig.keys.set_pad_speeds(wizard_commands::speed_level(slider), wizard_commands::speed_level(slider));
        QPushButton *button = rig.widget<ArrowKeyViews>(pad)->findChild<QPushButton *>(key);
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(takenBy(camera, int(sent.count('|')) + 1).join('|'), sent);
        QVERIFY(othersQuiet(camera));
    }

    void calibration_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Slot>("camera");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("dirty");
        QTest::newRow("teacher reset") << "teacher_calibration_reset_Button" << Slot::TeacherPano << teacher("cancelcalibrate") << "";
        QTest::newRow("teacher calibration") << "teacher_show_calibration_Button" << Slot::TeacherPano << teacher("setcalibrate") << "0";
        QTest::newRow("student reset") << "student_calibration_reset_Button" << Slot::StudentPano << student("cancelcalibrate") << "";
        QTest::newRow("student calibration") << "student_show_calibration_Button" << Slot::StudentPano << student("setcalibrate") << "";
        QTest::newRow("auto board pano") << "teacher_auto_board_pano_Button" << Slot::TeacherPano << teacher("cancelboard") << "";
        QTest::newRow("auto platform") << "teacher_auto_platform_Button" << Slot::TeacherPano << teacher("cancelplatform") << "";
        QTest::newRow("auto DET track") << "teacher_auto_track_region_pushButton" << Slot::TeacherPano
                                        << teacher("canceltrackingarea") << "0";
    }
    void calibration()
    {
        QFETCH(QString, button);
        QFETCH(Slot, camera);
        {
            Rig rig; // no pano camera: the warning alone
            rig.widget(button)->click();
            QCOMPARE(rig.boxes.texts(), QStringList{"Please connect the camera"});
            QVERIFY(rig.regionCalls.isEmpty());
        }
        Rig rig;
        rig.attach(camera);
        rig.widget(button)->click();
        QTEST(takenBy(camera, 1).join('|'), "sent");
        QVERIFY(othersQuiet(camera));
        QTEST(rig.dirty.join(','), "dirty");
        QCOMPARE(rig.regionCalls.join(','), button.contains("track_region") ? "clear,show" : "");
        QVERIFY(!rig.widget(button)->isChecked());
    }

    // The crop while regions are edited, then the crop status unless the region pano was lost.
    void showRegion_data()
    {
        QTest::addColumn<Side>("side");
        QTest::addColumn<bool>("cropLock");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("calls");
        const QString tStatus = "text:teacher_parameter\ncommand=get_crop_status";
        const QString sStatus = "text:student_parameter\ncommand=get_crop_status";
        QTest::newRow("teacher") << Side::Teacher << false
                                 << "visca:81 01 04 57 02 FF|" + tStatus + "|visca:81 01 04 57 01 FF|" + tStatus
                                 << "editing 0 1,visible 1,editing 0 0,visible 0";
        QTest::newRow("teacher, crop locked") << Side::Teacher << true << "visca:81 01 04 57 02 FF|visca:81 01 04 57 01 FF"
                                              << "editing 0 1,visible 1,editing 0 0,visible 0";
        QTest::newRow("student") << Side::Student << true
                                 << "visca:81 01 04 57 02 FF|" + sStatus + "|visca:81 01 04 57 01 FF|" + sStatus
                                 << "editing 1 1,editing 1 0";
    }
    void showRegion()
    {
        QFETCH(Side, side);
        QFETCH(bool, cropLock);
        QFETCH(QString, sent);
        const Slot pano = side == Side::Teacher ? Slot::TeacherPano : Slot::StudentPano;
        Rig rig;
        QCheckBox *show = rig.widget<QCheckBox>(side == Side::Teacher ? "teacher_show_region_checkBox"
                                                                      : "student_show_region_checkBox");
        show->click(); // no camera: nothing at all
        QVERIFY(rig.boxes.shown.isEmpty() && rig.regionCalls.isEmpty());
        show->setChecked(false);
        rig.attach(pano);
        rig.keys.set_teacher_crop_lock(cropLock);
        show->click();
        QVERIFY(rig.keys.regions_shown(side));
        show->click();
        QVERIFY(!rig.keys.regions_shown(side));
        QCOMPARE(takenBy(pano, int(sent.count('|')) + 1).join('|'), sent);
        QVERIFY(othersQuiet(pano));
        QTEST(rig.regionCalls.join(','), "calls");
    }

    // A click on the box while the crop waits is applied after the wait: the camera and the
    // regions end as the box shows.
    void clickDuringTheCropWait()
    {
        Rig rig;
        rig.attach(Slot::TeacherPano);
        QCheckBox *show = rig.widget<QCheckBox>("teacher_show_region_checkBox");
        QTimer::singleShot(0, show, [show] { show->click(); });
        show->click();
        QVERIFY(!show->isChecked());
        QVERIFY(!rig.keys.regions_shown(Side::Teacher));
        QCOMPARE(rig.regionCalls.join(','), QStringLiteral("editing 0 1,visible 1,editing 0 0,visible 0"));
        QCOMPARE(takenBy(Slot::TeacherPano, 4).last(), QStringLiteral("text:teacher_parameter\ncommand=get_crop_status"));
        QCOMPARE(cameras.taken(Slot::TeacherPano).at(2), QStringLiteral("visca:81 01 04 57 01 FF"));
    }

    // A box changed by a status answer or a lost preview while the other side's step shows still
    // starts or stops its own side's pano camera.
    void trackingTest_data()
    {
        QTest::addColumn<Side>("side");
        QTest::addColumn<bool>("studentStep");
        QTest::newRow("teacher on a teacher step") << Side::Teacher << false;
        QTest::newRow("teacher on a student step") << Side::Teacher << true;
        QTest::newRow("student on a teacher step") << Side::Student << false;
        QTest::newRow("student on a student step") << Side::Student << true;
    }
    void trackingTest()
    {
        QFETCH(Side, side);
        QFETCH(bool, studentStep);
        const Slot pano = side == Side::Teacher ? Slot::TeacherPano : Slot::StudentPano;
        Rig rig;
        rig.attach(Slot::TeacherPano);
        rig.attach(Slot::StudentPano);
        rig.keys.set_student_step(studentStep);
        QCheckBox *show = rig.widget<QCheckBox>(side == Side::Teacher ? "teacher_show_tracking_checkBox"
                                                                      : "student_show_tracking_checkBox");
        rig.keys.set_tracking_shown(side, true); // a status answer ticks it
        QVERIFY(show->isChecked());
        QCOMPARE(rig.keys.run_state(side), int(WizardCommandKeys::Running));
        QVERIFY(rig.keys.tracking_shown(side));
        rig.keys.stop_tracking_test(side);
        QCOMPARE(rig.keys.run_state(side), int(WizardCommandKeys::Stopped));
        QVERIFY(rig.keys.track_state(side));
        const QString s = side == Side::Teacher ? "teacher" : "student";
        QCOMPARE(takenBy(pano, 2).join('|'), (side == Side::Teacher ? teacher("start") + '|' + teacher("stop")
                                                                    : student("start") + '|' + student("stop")));
        QVERIFY(othersQuiet(pano));
        QCOMPARE(rig.locks, (QStringList{QString("%1 1").arg(int(side)), QString("%1 0").arg(int(side))}));
    }
};

QTEST_MAIN(tst_WizardCommandKeys)
#include "tst_wizard_command_keys.moc"
