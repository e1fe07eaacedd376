// The wizard's previews, pads and preset keys wired in its frame, against simulated cameras and
// their RTSP pictures on port 554 (every address of the test's own network namespace): a step
// entered connects its previews, a pad drives the step's close-up camera at the options' speed,
// a preset key reaches the side's pano camera, and the finish leaves no player thread running.
#include "core/reachability.h"
#include "core/time_scale.h"
#include "guide/arrowkeyviews.h"
#include "guide/guideconfig.h"
#include "shared_scene.h"
#include "test_env.h"
#include "video/vlcthread.h"
#include "video/vlcwidget.h"
#include "wizard_rig.h"
#include "wizard_steps.h"

#include <QPushButton>
#include <QSlider>
#include <QtTest>

using camera_slot::Slot;
Q_DECLARE_METATYPE(camera_slot::Slot)

namespace {
constexpr int kPictureMs = 20000; // the first picture of a fresh RTSP session, with VLC's start
} // namespace

class tst_WizardWired : public QObject
{
    Q_OBJECT

    RecordingPresenter boxes;
    WizardCameras cameras;
    RtspServerProcess server;

private slots:
    void initTestCase()
    {
        msgbox::setPresenter(&boxes);
        reachability::setCheck([](const QString &) { return true; });
        timescale::setFactor(0.02);
        QVERIFY(cameras.start());
        QVERIFY2(WizardCameras::startPictures(server), qPrintable(server.errorString()));
    }

    void stepPreviewsPadsAndPresets_data()
    {
        QTest::addColumn<int>("parent"); // the step in the wizard's list
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<QString>("pad");
        QTest::addColumn<Slot>("padCamera");
        QTest::addColumn<QString>("presets"); // the preset keys the step may show, '|' between
        QTest::addColumn<Slot>("presetCamera");
        QTest::addColumn<QString>("presetSent");
        const QString setPano = "text:%1_parameter\nset_tracking_config_command\ncommand=setpano";
        QTest::newRow("teacher preset step") << 1 << 3 << "teacher_preset_feature_vlc_3" << "teacher_ptz_config_preset_view"
                                             << Slot::TeacherFeature
                                             << "teacher_follow_mode_pano_preset|teacher_three_mode_pano_preset"
                                             << Slot::TeacherPano << setPano.arg("teacher");
        QTest::newRow("student preset step") << 2 << 2 << "student_preset_feature_vlc_10" << "student_ptz_config_preset_view"
                                             << Slot::StudentFeature << "student_pano_preset" << Slot::StudentPano
                                             << setPano.arg("student");
    }
    void stepPreviewsPadsAndPresets()
    {
        QFETCH(int, parent);
        QFETCH(int, row);
        QFETCH(QString, preview);
        QFETCH(QString, pad);
        QFETCH(Slot, padCamera);
        QFETCH(QString, presets);
        QFETCH(Slot, presetCamera);
        QFETCH(QString, presetSent);
        // Four cameras, in the order of the slots.
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=0\nTracking_Number_Camera=1\n"
                                               "Feature_IP=%1\nPano_IP=%2\n[STUDENT_CONF]\nFeature_IP=%3\nPano_IP=%4\n")
                                    .arg(WizardCameras::address(Slot::TeacherFeature), WizardCameras::address(Slot::TeacherPano),
                                         WizardCameras::address(Slot::StudentFeature),
                                         WizardCameras::address(Slot::StudentPano)));
        SharedScene scene;
        GuideConfig wizard(scene);
        wizard.show();
        clickStep(wizard, parent, row);
        auto *player = child<VlcWidget>(wizard, preview);
        QTRY_VERIFY_WITH_TIMEOUT(!player->getImage().isNull(), kPictureMs);
        // Level 3 on the options' slider (after the camera's block was read into it) drives the
        // pads at speed 3.
        child<QSlider>(wizard, QStringLiteral("teacher_ptzspeed_level_Slider"))->setValue(3);

        cameras.clear();
        QPushButton *up = child<ArrowKeyViews>(wizard, pad)->findChild<QPushButton *>(QStringLiteral("ptz_up"));
        QVERIFY(up->isEnabled());
        QTest::mousePress(up, Qt::LeftButton);
        QTest::mouseRelease(up, Qt::LeftButton);
        QTRY_COMPARE(cameras.taken(padCamera),
                     QStringList({"visca:81 01 06 01 03 03 03 01 FF", "visca:81 01 06 01 03 03 03 03 FF"}));

        QPushButton *preset = nullptr;
        for (const QString &name : presets.split('|'))
            if (child<QPushButton>(wizard, name)->isVisibleTo(&wizard))
                preset = child<QPushButton>(wizard, name);
        QVERIFY(preset && preset->isEnabled());
        cameras.clear();
        preset->click();
        QTRY_VERIFY(cameras.taken(presetCamera).contains(presetSent));

        // The finish lets go of every preview: no player thread runs after it.
        clickStep(wizard, 3, 0); // "Director Strategy"
        boxes.answerNext(QMessageBox::Ok);
        child<QPushButton>(*child(wizard, QStringLiteral("bottom_step13")), QStringLiteral("apply"))->click();
        for (VlcWidget *p : wizard.findChildren<VlcWidget *>()) {
            QVERIFY2(!p->getIsPlaying(), qPrintable(p->objectName()));
            QVERIFY2(!p->player() || !p->player()->isRunning(), qPrintable(p->objectName()));
        }
    }
};

QTEST_MAIN(tst_WizardWired)
#include "tst_wizard_wired.moc"
