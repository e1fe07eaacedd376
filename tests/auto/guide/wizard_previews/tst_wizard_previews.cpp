// The wizard's step previews on its form without the wizard, against simulated cameras and their
// RTSP pictures on port 554 (every address of the test's own network namespace): what a connect
// and a disconnect leave (picture, link, destination, marks, requests), the board cameras' root
// path, a failed check, a refused picture port, close-all, a click or a close-all during a
// connect, and a pano lost while its tracking test runs.
#include "core/reachability.h"
#include "core/time_scale.h"
#include "guide/wizard_command_keys.h"
#include "guide/wizard_previews.h"
#include "video/vlcwidget.h"
#include "wizard_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using camera_slot::Side;
using camera_slot::Slot;
using Preview = WizardPreviews::Preview;
Q_DECLARE_METATYPE(WizardPreviews::Preview)
Q_DECLARE_METATYPE(camera_slot::Slot)
Q_DECLARE_METATYPE(camera_slot::Side)

namespace {
constexpr int kPictureMs = 20000; // the first picture of a fresh RTSP session, with VLC's start
constexpr int kWaitMs = 3000;
const char kUnreachable[] = "127.0.0.99";

const char *kFields[] = {"teacher_calibration_feature_ip_lineEdit", "teacher_calibration_pano_ip_lineEdit",
                         "teacher_region_pano_ip_lineEdit",         "teacher_preset_feature_ip_lineEdit",
                         "teacher_preset_pano_ip_lineEdit",         "teacher_track_test_feature_ip_lineEdit",
                         "teacher_track_test_pano_ip_lineEdit",     "student_calibration_feature_ip_lineEdit",
                         "student_calibration_pano_ip_lineEdit",    "student_region_pano_ip_lineEdit",
                         "student_preset_feature_ip_lineEdit",      "student_preset_pano_ip_lineEdit",
                         "student_track_test_feature_ip_lineEdit",  "student_track_test_pano_ip_lineEdit"};

// The wizard's page of each preview's step: a player paints and keeps pictures only while shown.
int pageOf(Preview p)
{
    const int pages[] = {1, 1, 3, 4, 4, 6, 6, 7, 7, 8, 9, 9, 11, 11};
    return pages[int(p)];
}

Slot slotOf(Preview p)
{
    const int i = int(p) % 7;
    const bool pano = i == 1 || i == 2 || i == 4 || i == 6;
    if (int(p) < 7)
        return pano ? Slot::TeacherPano : Slot::TeacherFeature;
    return pano ? Slot::StudentPano : Slot::StudentFeature;
}

struct Rig : WizardRig {
    WizardCommandKeys keys{CORVANE_FORM_WIDGETS(WizardCommandKeys, WIZARD_COMMAND_KEYS_WIDGETS, ui), link, *this, &window};
    WizardPreviews previews{CORVANE_FORM_WIDGETS(WizardPreviews, WIZARD_PREVIEWS_WIDGETS, ui), link, keys, *this, &window};
    QStringList news;
    QStringList locks;
    Rig()
    {
        using P = WizardPreviews;
        QObject::connect(&previews, &P::pad_enabled_wanted, &keys, &WizardCommandKeys::set_pad_enabled);
        QObject::connect(&previews, &P::presets_enabled_wanted, &keys, &WizardCommandKeys::set_presets_enabled);
        QObject::connect(&previews, &P::tracking_controls_enabled_wanted, &keys,
                         &WizardCommandKeys::set_tracking_controls_enabled);
        QObject::connect(&previews, &P::teacher_crop_lock_wanted, &keys, &WizardCommandKeys::set_teacher_crop_lock);
        QObject::connect(&previews, &P::preset_camera_chosen, &keys, &WizardCommandKeys::set_preset_camera);
        QObject::connect(&previews, &P::board_keys_shown_wanted, &keys, &WizardCommandKeys::show_board_keys);
        QObject::connect(&previews, &P::params_complete, [this](Side s) { news << QStringLiteral("complete %1").arg(int(s)); });
        QObject::connect(&previews, &P::board_block_wanted, [this] { news << QStringLiteral("board block"); });
        QObject::connect(&keys, &WizardCommandKeys::pages_locked,
                         [this](Side s, bool locked) { locks << QStringLiteral("%1 %2").arg(int(s)).arg(locked); });
        link.set_layout(1);
        previews.set_layout(1);
        previews.set_stored_addresses(WizardCameras::address(Slot::TeacherFeature), "127.0.0.6", "127.0.0.7");
        for (int p = 0; p < WizardPreviews::kPreviewCount; ++p)
            field(Preview(p))->setText(WizardCameras::address(slotOf(Preview(p))));
        window.resize(994, 727);
        window.show();
    }
    QLineEdit *field(Preview p) { return window.findChild<QLineEdit *>(kFields[int(p)]); }
    QPushButton *button(Preview p)
    {
        QString name = QString(kFields[int(p)]).replace("_ip_lineEdit", "_connect_Button");
        name.replace("teacher_preset_", "teacher_perset_").replace("student_preset_", "student_perset_");
        return window.findChild<QPushButton *>(name);
    }
};
} // namespace

class tst_WizardPreviews : public QObject
{
    Q_OBJECT

    WizardCameras cameras;
    RtspServerProcess server; // on every address: "/1", "/2" and the board cameras' "/"

    QStringList texts(Slot slot)
    {
        QStringList out;
        for (const QString &t : cameras.taken(slot))
            if (t.startsWith("text:"))
                out << t.mid(5).replace('\n', ' ');
        return out;
    }

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.02);
        QVERIFY(cameras.start());
        QVERIFY2(WizardCameras::startPictures(server), qPrintable(server.errorString()));
    }
    void init()
    {
        cameras.clear();
        reachability::setCheck([](const QString &h) { return h != QLatin1String(kUnreachable); });
    }

    // Each preview: its picture from the camera's path, the camera the wizard's link now sends
    // to, what the pano camera is asked, and everything undone by its disconnect.
    void connectAndDisconnect_data()
    {
        QTest::addColumn<Preview>("preview");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("asked"); // of the side's pano camera, by its connect
        QTest::addColumn<QString>("news");
        const QString tStatus = "teacher_parameter get_tracking_status";
        const QString sStatus = "student_parameter get_tracking_status";
        const QString tCrop = "teacher_parameter command=get_crop_status";
        const QString sCrop = "student_parameter command=get_crop_status";
        QTest::newRow("teacher calibration feature") << Preview::TeacherCalibrationFeature << "rtsp://127.0.0.2:554/1" << "" << "";
        QTest::newRow("teacher calibration pano") << Preview::TeacherCalibrationPano << "rtsp://127.0.0.3:554/2" << tStatus << "complete 0";
        QTest::newRow("teacher region pano") << Preview::TeacherRegionPano << "rtsp://127.0.0.3:554/2" << tCrop + '|' + tStatus << "complete 0";
        QTest::newRow("teacher preset feature") << Preview::TeacherPresetFeature << "rtsp://127.0.0.2:554/1" << "" << "";
        QTest::newRow("teacher preset pano") << Preview::TeacherPresetPano << "rtsp://127.0.0.3:554/2" << tStatus << "complete 0";
        QTest::newRow("teacher test feature") << Preview::TeacherTrackTestFeature << "rtsp://127.0.0.2:554/1" << "" << "";
        QTest::newRow("teacher test pano") << Preview::TeacherTrackTestPano << "rtsp://127.0.0.3:554/2" << tStatus << "complete 0";
        QTest::newRow("student calibration feature") << Preview::StudentCalibrationFeature << "rtsp://127.0.0.4:554/1" << "" << "";
        QTest::newRow("student calibration pano") << Preview::StudentCalibrationPano << "rtsp://127.0.0.5:554/2" << sStatus << "complete 1";
        QTest::newRow("student region pano") << Preview::StudentRegionPano << "rtsp://127.0.0.5:554/2" << sCrop + '|' + sStatus << "complete 1";
        QTest::newRow("student preset feature") << Preview::StudentPresetFeature << "rtsp://127.0.0.4:554/1" << "" << "";
        QTest::newRow("student preset pano") << Preview::StudentPresetPano << "rtsp://127.0.0.5:554/2" << sStatus << "complete 1";
        QTest::newRow("student test feature") << Preview::StudentTrackTestFeature << "rtsp://127.0.0.4:554/1" << "" << "";
        QTest::newRow("student test pano") << Preview::StudentTrackTestPano << "rtsp://127.0.0.5:554/2" << sStatus << "complete 1";
    }
    void connectAndDisconnect()
    {
        QFETCH(Preview, preview);
        QFETCH(QString, asked);
        const Slot slot = slotOf(preview);
        const Slot pano = int(preview) < 7 ? Slot::TeacherPano : Slot::StudentPano;
        Rig rig;
        rig.ui->stackedWidget->setCurrentIndex(pageOf(preview));
        rig.button(preview)->click();
        QCOMPARE(rig.button(preview)->text(), QStringLiteral("Disconnect"));
        QTEST(rig.previews.player(preview)->getUrl(), "url");
        QVERIFY(rig.link.connected(slot));
        QCOMPARE(rig.link.destination(slot)->toString(), WizardCameras::address(slot));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.previews.player(preview)->getImage().isNull(), kPictureMs);
        QCOMPARE(rig.previews.player(preview)->getImage().size(), QSize(1920, 1080));
        if (!asked.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(texts(pano).join('|'), asked, kWaitMs);
        QTEST(rig.news.join(','), "news");
        QVERIFY(rig.boxes.shown.isEmpty());
        rig.button(preview)->click();
        QCOMPARE(rig.button(preview)->text(), QStringLiteral("Connect"));
        QVERIFY(!rig.link.connected(slot));
        QVERIFY(!rig.link.destination(slot));
        QVERIFY(!rig.previews.player(preview)->getIsPlaying());
        const int steps[] = {0, 0, 1, 2, 2, 3, 3, 4, 4, 5, 6, 6, 7, 7};
        QVERIFY(rig.previews.step_closed(WizardPreviews::Step(steps[int(preview)])));
    }

    // The preset step's camera combo on "Board 1": the preview reconnects to the board camera's
    // address alone, which serves its picture on the root path, and the pad drives that camera.
    void boardCameraOnItsRootPath()
    {
        Rig rig;
        rig.link.set_layout(2); // the layouts with a board camera offer it in the combos
        rig.previews.set_layout(2);
        rig.previews.set_page(4);
        rig.link.set_page(4);
        rig.ui->stackedWidget->setCurrentIndex(4);
        rig.button(Preview::TeacherPresetFeature)->click();
        rig.ui->teacher_preset_comboBox->setCurrentIndex(1);
        QCOMPARE(rig.previews.player(Preview::TeacherPresetFeature)->getUrl(), QStringLiteral("rtsp://127.0.0.6"));
        QCOMPARE(rig.link.destination(Slot::TeacherFeature)->toString(), QStringLiteral("127.0.0.6"));
        QCOMPARE(rig.ui->teacher_track_test_comboBox->currentIndex(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.previews.player(Preview::TeacherPresetFeature)->getImage().isNull(), kPictureMs);
        QVERIFY(rig.boxes.shown.isEmpty());
    }

    // The target combos off their steps: the stacks' pages, the fields, the other combo, the
    // board keys by layout, and the board block owed sent once.
    void targetCombos_data()
    {
        QTest::addColumn<bool>("presetCombo");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys"); // left and right board keys shown
        QTest::newRow("board 1, five cameras") << true << 2 << "1" << 1 << 1 << "127.0.0.6" << "11";
        QTest::newRow("board 1, six cameras") << true << 3 << "1" << 1 << 1 << "127.0.0.6" << "10";
        QTest::newRow("board 2") << true << 3 << "1" << 2 << 1 << "127.0.0.7" << "01";
        QTest::newRow("test combo, board 2") << false << 3 << "1" << 2 << 1 << "127.0.0.7" << "01";
        QTest::newRow("back to the feature, three presets") << true << 2 << "0" << 0 << 2 << "127.0.0.2" << "11";
        QTest::newRow("back to the feature, board pano") << false << 2 << "4" << 0 << 3 << "127.0.0.2" << "11";
    }
    void targetCombos()
    {
        QFETCH(bool, presetCombo);
        QFETCH(int, layout);
        QFETCH(QString, mode);
        QFETCH(int, index);
        Rig rig;
        rig.previews.set_layout(layout);
        rig.previews.set_tracking_mode(mode);
        rig.previews.set_board_apply_owed(true);
        QComboBox *combo = presetCombo ? rig.ui->teacher_preset_comboBox : rig.ui->teacher_track_test_comboBox;
        QComboBox *other = presetCombo ? rig.ui->teacher_track_test_comboBox : rig.ui->teacher_preset_comboBox;
        if (index == 0) // from a board camera back to the feature camera
            combo->setCurrentIndex(1);
        rig.news.clear();
        combo->setCurrentIndex(index);
        QCOMPARE(other->currentIndex(), index);
        QTEST(rig.ui->teacher_preset_stackedWidget->currentIndex(), "page");
        QTEST(rig.ui->teacher_track_test_stackedWidget->currentIndex(), "page");
        QTEST(rig.ui->teacher_preset_feature_ip_lineEdit->text(), "field");
        QTEST(rig.ui->teacher_track_test_feature_ip_lineEdit->text(), "field");
        const bool calls = !presetCombo;
        QWidget *left = calls ? rig.ui->get_board_left_preset : rig.ui->board_left_preset;
        QWidget *right = calls ? rig.ui->get_board_right_preset : rig.ui->board_right_preset;
        QTEST(QString("%1%2").arg(!left->isHidden()).arg(!right->isHidden()), "keys");
        QCOMPARE(rig.news.count("board block"), index != 0 ? 1 : 0);
        QVERIFY(!rig.previews.is_on(Preview::TeacherPresetFeature)); // off its step: no reconnect
    }

    // A failed check releases the camera that failed, not the other side's.
    void failedCheck_data()
    {
        QTest::addColumn<Preview>("preview");
        for (Preview p : {Preview::TeacherCalibrationFeature, Preview::TeacherRegionPano, Preview::StudentCalibrationFeature,
                          Preview::StudentCalibrationPano, Preview::StudentRegionPano, Preview::StudentPresetPano,
                          Preview::StudentTrackTestPano, Preview::StudentTrackTestFeature})
            QTest::addRow("%d", int(p)) << p;
    }
    void failedCheck()
    {
        QFETCH(Preview, preview);
        const Slot slot = slotOf(preview);
        Rig rig;
        // The other cameras are there, connected by their previews.
        for (Slot other : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano}) {
            rig.link.set_connected(other, true);
            rig.link.set_destination(other, WizardCameras::address(other));
        }
        rig.field(preview)->setText(kUnreachable);
        rig.button(preview)->click();
        QCOMPARE(rig.boxes.texts(), QStringList{"Connection timeout"});
        QCOMPARE(rig.button(preview)->text(), QStringLiteral("Connect"));
        QVERIFY(!rig.link.connected(slot));
        QVERIFY(!rig.link.destination(slot));
        for (Slot other : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano})
            if (other != slot) {
                QVERIFY2(rig.link.connected(other), qPrintable(camera_slot::name(other)));
                QVERIFY2(rig.link.destination(other), qPrintable(camera_slot::name(other)));
            }
        QVERIFY(!rig.previews.player(preview)->getIsPlaying());
    }

    // A picture port that refuses: the warning, while the control link and the marks stand.
    void refusedPicturePort()
    {
        Rig rig;
        rig.previews.set_rtsp_ports("9", "9");
        rig.button(Preview::TeacherCalibrationPano)->click();
        QTRY_COMPARE_WITH_TIMEOUT(rig.boxes.texts(), QStringList{"RTSP authentication failed. Please check if "
                                                                 "authentication is enabled on the web or other exceptions!"},
                                  kWaitMs);
        QCOMPARE(rig.boxes.shown[0].title, QStringLiteral("RTSP Connection Error"));
        QVERIFY(rig.link.connected(Slot::TeacherPano));
        QCOMPARE(rig.button(Preview::TeacherCalibrationPano)->text(), QStringLiteral("Disconnect"));
    }

    // Close-all lets go of the side's cameras altogether: a command afterwards says so.
    void closeAllClearsTheMarks()
    {
        Rig rig;
        rig.button(Preview::TeacherCalibrationFeature)->click();
        rig.button(Preview::TeacherCalibrationPano)->click();
        rig.button(Preview::StudentCalibrationPano)->click();
        rig.previews.close_teacher_previews();
        for (Slot s : {Slot::TeacherFeature, Slot::TeacherPano}) {
            QVERIFY(!rig.link.connected(s));
            QVERIFY(!rig.link.destination(s));
        }
        QVERIFY(rig.link.connected(Slot::StudentPano));
        QVERIFY(!rig.previews.is_on(Preview::TeacherCalibrationPano));
        QVERIFY(rig.previews.is_on(Preview::StudentCalibrationPano));
        rig.ui->teacher_show_calibration_Button->setEnabled(true);
        rig.ui->teacher_show_calibration_Button->click();
        QCOMPARE(rig.boxes.texts(), QStringList{"Please connect the camera"});
        rig.previews.close_student_previews();
        QVERIFY(!rig.link.connected(Slot::StudentPano));
    }

    // What comes while a connect waits runs after it: a second click is dropped, a close-all
    // and a step's toggle wait their turn.
    void reentryDuringAConnect()
    {
        Rig rig;
        int checks = 0;
        reachability::setCheck([&](const QString &) {
            if (++checks == 1) {
                rig.button(Preview::TeacherCalibrationPano)->click();
                rig.previews.close_teacher_previews();
                rig.previews.toggle(Preview::TeacherCalibrationFeature);
            }
            return true;
        });
        rig.button(Preview::TeacherCalibrationPano)->click();
        // The pano's connect ended before the close-all, then the feature connected.
        QCOMPARE(checks, 2);
        QVERIFY(!rig.previews.is_on(Preview::TeacherCalibrationPano));
        QVERIFY(!rig.link.connected(Slot::TeacherPano) && !rig.link.destination(Slot::TeacherPano));
        QVERIFY(rig.previews.is_on(Preview::TeacherCalibrationFeature));
        QVERIFY(rig.link.connected(Slot::TeacherFeature) && rig.link.destination(Slot::TeacherFeature));
        QTRY_COMPARE_WITH_TIMEOUT(texts(Slot::TeacherPano), QStringList{"teacher_parameter get_tracking_status"}, kWaitMs);
    }

    // The pano of a running tracking test goes: the test stops first, so its stop reaches the
    // camera, no warning comes and the pages unlock.
    void panoLostDuringTrackingTest_data()
    {
        QTest::addColumn<Side>("side");
        QTest::newRow("teacher") << Side::Teacher;
        QTest::newRow("student") << Side::Student;
    }
    void panoLostDuringTrackingTest()
    {
        QFETCH(Side, side);
        const bool teacher = side == Side::Teacher;
        const Preview pano = teacher ? Preview::TeacherTrackTestPano : Preview::StudentTrackTestPano;
        const Slot camera = teacher ? Slot::TeacherPano : Slot::StudentPano;
        Rig rig;
        rig.button(pano)->click();
        QCheckBox *show = teacher ? rig.ui->teacher_show_tracking_checkBox : rig.ui->student_show_tracking_checkBox;
        QVERIFY(show->isEnabled());
        show->setChecked(true);
        rig.button(pano)->click();
        QVERIFY(!show->isChecked());
        const QString section = teacher ? "teacher_parameter" : "student_parameter";
        QTRY_COMPARE_WITH_TIMEOUT(texts(camera).mid(1).join('|'),
                                  section + " set_tracking_config_command command=start|" + section
                                      + " set_tracking_config_command command=stop",
                                  kWaitMs);
        QVERIFY(rig.boxes.shown.isEmpty());
        QCOMPARE(rig.locks, (QStringList{QString("%1 1").arg(int(side)), QString("%1 0").arg(int(side))}));
        QCOMPARE(rig.keys.run_state(side), int(WizardCommandKeys::Stopped));
    }
};

QTEST_MAIN(tst_WizardPreviews)
#include "tst_wizard_previews.moc"
