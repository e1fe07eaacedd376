// Manual calibration and the reversal compensation on the form without the window, against
// simulated cameras: what the cameras receive for Calibration, Reset and the cross, and whole
// compensation runs fed with pictures through the real picture slot (moved after a number of
// steps, flat, missing, unwritable, removed, or left over from an earlier run).
#include "cameras/picture_previews.h"
#include "core/time_scale.h"
#include "form_rig.h"
#include "log_capture.h"
#include "protocol/ptz_commands.h"
#include "sim_camera.h"
#include "sim_wire.h"
#include "support/apply_mark.h"
#include "tabs/manual_calibration.h"
#include "tabs/reversal_compensation.h"
#include "textured_scene.h"

#include <QLabel>
#include <QtTest>

using camera_slot::Side;
using camera_slot::Slot;
using Capture = PictureCaptures::Capture;

namespace {
const QString kConnect = QStringLiteral("Please connect the camera");
const QString kNoPicture = QStringLiteral("no usable picture");
const QString kUndecided = QStringLiteral("could not tell");

// No free preview and no camera menu, and the picture slots' captures as the compensation reaches
// them.
struct Host : PictureCaptures, FreePreview, MenuCamera {
    PicturePreviews *previews = nullptr;
    int menu_camera(Side) const override { return -1; }
    bool preview_connected() const override { return false; }
    QHostAddress *preview_destination() const override { return nullptr; }
    // Each capture is fed a picture as soon as it is armed, however long the machine takes.
    std::function<void()> feed;
    void arm(Capture c) override
    {
        previews->arm(c);
        if (feed)
            QTimer::singleShot(0, previews, feed);
    }
    bool armed(Capture c) const override { return previews->armed(c); }
    QImage captured(Capture c) const override { return previews->captured(c); }
    bool standard_image_saved() const override { return previews->standard_image_saved(); }
    const cv::Mat &moved_image() const override { return previews->moved_image(); }
};

struct Rig : FormRig {
    Host host;
    PicturePreviews previews{CORVANE_FORM_WIDGETS(PicturePreviews, PICTURE_PREVIEWS_WIDGETS, ui), cameras, host, host,
                             &formHost.window};
    ManualCalibration manual{CORVANE_FORM_WIDGETS(ManualCalibration, MANUAL_CALIBRATION_WIDGETS, ui),
                             cameras,
                             ports,
                             link,
                             status,
                             teacher_values,
                             student_values,
                             &formHost.window};
    ReversalCompensation compensation{CORVANE_FORM_WIDGETS(ReversalCompensation, REVERSAL_COMPENSATION_WIDGETS, ui),
                                      cameras, ports, link, host, &formHost.window};
    Rig()
    {
        host.previews = &previews;
        // The side's Apply, level (7 last applied) and zoom keys, switched as their owners do.
        auto named = [this](Side side, const char *name) {
            return formHost.window.findChild<QWidget *>(
                QLatin1String(side == Side::Teacher ? "teacher" : "student") + QLatin1String(name));
        };
        QObject::connect(&manual, &ManualCalibration::apply_mark_wanted, [named](Side side) {
            mark_apply(static_cast<QPushButton *>(named(side, "_apply_Button")));
        });
        QObject::connect(&manual, &ManualCalibration::pad_slowed, [named](Side side, bool slow) {
            static_cast<QLineEdit *>(named(side, "_ptzspeed_level"))->setText(QLatin1String(slow ? "1" : "7"));
        });
        QObject::connect(&manual, &ManualCalibration::zoom_enabled_wanted, [named](Side side, bool enable) {
            named(side, "_zoomin_Button")->setEnabled(enable);
            named(side, "_zoomout_Button")->setEnabled(enable);
        });
        const std::pair<Slot, const char *> attached[] = {
            {Slot::TeacherFeature, "127.0.0.2"}, {Slot::TeacherPano, "127.0.0.3"}, {Slot::StudentPano, "127.0.0.5"}};
        for (const auto &a : attached) {
            cameras.set_destination(a.first, QLatin1String(a.second));
            cameras[a.first].udp_flag = true;
        }
    }
};

// The close-up's picture at the label size, moved 6 pixels to the right once it has moved.
QImage picture(bool moved, bool flat)
{
    cv::Mat m = flat ? cv::Mat(270, 480, CV_8UC3, cv::Scalar(90, 90, 90))
                     : textured_scene::view(480, 270, moved ? 24 : 0, 0, 1.0);
    return QImage(m.data, m.cols, m.rows, int(m.step), QImage::Format_RGB888).copy();
}

} // namespace

class tst_Compensation : public QObject
{
    Q_OBJECT
    std::unique_ptr<SimCamera> feature, pano, studentPano;

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.05);
        feature = std::make_unique<SimCamera>(QStringLiteral("127.0.0.2"));
        pano = std::make_unique<SimCamera>(QStringLiteral("127.0.0.3"));
        studentPano = std::make_unique<SimCamera>(QStringLiteral("127.0.0.5"));
        QVERIFY(feature->start() && pano->start() && studentPano->start());
    }
    void init()
    {
        for (SimCamera *c : {feature.get(), pano.get(), studentPano.get()})
            simwire::receivedUpToMarkers(*c);
    }

    // One control of the Teacher or Student tab pressed; what the side's pano camera received
    // (text blocks and VISCA), the tab afterwards and the boxes.
    void calibration_data()
    {
        QTest::addColumn<QString>("side");    // teacher, student
        QTest::addColumn<QString>("actions"); // calibrate, reset, on, off, on+off (off clicked during on's wait)
        QTest::addColumn<QString>("camera");  // the pano camera's model, "tracking", "gone" (not connected)
        QTest::addColumn<QStringList>("received");
        // Apply's text / box / level / zoom enabled / Calibration enabled [/ the warning box]
        QTest::addColumn<QString>("after");
        const QString tb = QStringLiteral("teacher_parameter\nset_tracking_config_command\ncommand=");
        const QString sb = QStringLiteral("student_parameter\nset_tracking_config_command\ncommand=");
        const QStringList on{"8A 01 04 47 04 00 00 00 FF"}, off{"8A 01 04 47 00 00 00 00 FF"}, none;
        const QString idle = QStringLiteral("Apply/off/10/on/off");
        QTest::newRow("teacher Calibration marks Apply")
            << "teacher" << "calibrate" << "M5" << QStringList{tb + "setcalibrate"} << "Apply(*)/off/10/on/off";
        QTest::newRow("teacher Reset leaves Apply") << "teacher" << "reset" << "M5" << QStringList{tb + "cancelcalibrate"}
                                                   << idle;
        QTest::newRow("student Calibration")
            << "student" << "calibrate" << "M19" << QStringList{sb + "setcalibrate"} << "Apply(*)/off/10/on/off";
        QTest::newRow("Calibration without the pano") << "teacher" << "calibrate" << "M5 gone" << none
                                                     << idle + "/" + kConnect;
        QTest::newRow("teacher cross on, M5") << "teacher" << "on" << "M5" << on << "Apply/on/1/off/on";
        QTest::newRow("teacher cross on, M19: no command") << "teacher" << "on" << "M19" << none << "Apply/on/1/on/on";
        QTest::newRow("student cross on, M19") << "student" << "on" << "M19" << on << "Apply/on/1/off/on";
        QTest::newRow("cross on while tracking") << "teacher" << "on" << "M5 tracking" << on << "Apply/on/1/off/off";
        QTest::newRow("teacher cross off: saved level") << "teacher" << "off" << "M5" << off << "Apply/off/7/on/off";
        QTest::newRow("cross on without the pano: undone") << "teacher" << "on" << "M5 gone" << none
                                                          << idle + "/" + kConnect;
        QTest::newRow("cross off after the pano went") << "student" << "off" << "M5 gone" << none << "Apply/off/7/on/off";
        QTest::newRow("off clicked during on's wait") << "teacher" << "on+off" << "M5" << on + off << "Apply/off/7/on/off";
    }
    void calibration()
    {
        QFETCH(QString, side);
        QFETCH(QString, actions);
        QFETCH(QString, camera);
        QFETCH(QStringList, received);
        QFETCH(QString, after);
        Rig rig;
        const bool teacher = side == QLatin1String("teacher");
        const Slot slot = teacher ? Slot::TeacherPano : Slot::StudentPano;
        rig.cameras[slot].device_model = camera.section(QLatin1Char(' '), 0, 0);
        rig.cameras[slot].udp_flag = !camera.endsWith(QLatin1String("gone"));
        if (camera.endsWith(QLatin1String("tracking")))
            (teacher ? rig.status.teacher_cur_track_status : rig.status.student_cur_track_status) = 1;
        auto widget = [&](const char *name) { return rig.formHost.window.findChild<QWidget *>(side + name); };
        auto *cross = static_cast<QCheckBox *>(widget("_show_Calibration_checkBox"));
        auto *apply = static_cast<QPushButton *>(widget("_apply_Button"));
        auto *calibrate = static_cast<QPushButton *>(widget("_showCalibration_Button"));
        auto *level = static_cast<QLineEdit *>(widget("_ptzspeed_level"));
        widget("_pano_calibration_label")->hide();
        apply->setText(QStringLiteral("Apply"));
        level->setText(QStringLiteral("10"));
        calibrate->setEnabled(false);
        widget("_zoomin_Button")->setEnabled(true);
        if (actions == QLatin1String("calibrate"))
            emit calibrate->clicked();
        else if (actions == QLatin1String("reset"))
            emit static_cast<QPushButton *>(widget("_showCalibration_Reset_Button"))->clicked();
        else if (actions == QLatin1String("off")) {
            // As the callers that untick the box do it.
            cross->setChecked(true);
            cross->setChecked(false);
            emit cross->clicked(false);
        } else {
            if (actions == QLatin1String("on+off"))
                QTimer::singleShot(0, cross, [cross] { cross->click(); });
            cross->click();
        }
        QCOMPARE(simwire::receivedUpToMarkers(teacher ? *pano : *studentPano), received);
        const QStringList state = QStringList{apply->text(), cross->isChecked() ? "on" : "off", level->text(),
                                              widget("_zoomin_Button")->isEnabled() ? "on" : "off",
                                              calibrate->isEnabled() ? "on" : "off"}
                                  + rig.boxes.texts();
        QCOMPARE(state.join(QLatin1Char('/')), after);
        QCOMPARE(!widget("_pano_calibration_label")->isHidden(), cross->isChecked());
    }

    // A whole compensation run, fed with a picture through the close-up's picture slot whenever
    // a capture is armed; what the close-up camera received, the box and the log.
    void compensation_data()
    {
        QTest::addColumn<QString>("axis");     // tilt, pan
        QTest::addColumn<QString>("pictures"); // moving, gone, close, flat, none, null, stop-after-standard, remove-standard, stale
        QTest::addColumn<int>("moveAt");       // the step after which the picture moved (0 never)
        QTest::addColumn<bool>("secondPress"); // the other button pressed during the run
        QTest::addColumn<int>("steps");        // step commands sent (-1: nothing at all)
        QTest::addColumn<QString>("count");    // the count written, or none
        QTest::addColumn<QString>("box");
        QTest::newRow("tilt moves at step 1") << "tilt" << "moving" << 1 << false << 1 << "01" << "";
        QTest::newRow("tilt moves at step 5") << "tilt" << "moving" << 5 << false << 5 << "05" << "";
        QTest::newRow("pan moves at step 5") << "pan" << "moving" << 5 << false << 5 << "05" << "";
        QTest::newRow("pan never moves: 51") << "pan" << "moving" << 0 << false << 51 << "33" << "";
        QTest::newRow("flat picture: undecided") << "tilt" << "flat" << 0 << false << 1 << "" << kUndecided;
        QTest::newRow("no pictures") << "pan" << "none" << 0 << false << 0 << "" << kNoPicture;
        QTest::newRow("standard picture not written") << "tilt" << "null" << 0 << false << 0 << "" << kNoPicture;
        QTest::newRow("no moved picture") << "tilt" << "stop-after-standard" << 0 << false << 1 << "" << kNoPicture;
        QTest::newRow("standard picture unreadable") << "pan" << "remove-standard" << 0 << false << 1 << ""
                                                    << kNoPicture;
        QTest::newRow("an earlier run's pictures") << "tilt" << "stale" << 1 << false << 0 << "" << kNoPicture;
        QTest::newRow("second press refused") << "tilt" << "moving" << 2 << true << 2 << "02" << "";
        QTest::newRow("camera gone at step 2") << "tilt" << "gone" << 0 << false << 2 << "" << kConnect;
        QTest::newRow("no camera") << "tilt" << "none" << 0 << false << -1 << "" << kConnect;
        QTest::newRow("window closed at step 2: measuring mode left, nothing more")
            << "pan" << "close" << 0 << false << 2 << "" << "";
    }
    void compensation()
    {
        QFETCH(QString, axis);
        QFETCH(QString, pictures);
        QFETCH(int, moveAt);
        QFETCH(bool, secondPress);
        QFETCH(int, steps);
        QFETCH(QString, count);
        QFETCH(QString, box);
        const bool tilt = axis == QLatin1String("tilt");
        QStringList received;
        if (steps >= 0) {
            received << "81 03 06 07 02 FF" << "81 01 06 04 FF"
                     << (tilt ? "81 01 06 02 16 12 00 00 00 00 00 00 04 08 FF"
                              : "81 01 06 02 16 12 00 00 0D 08 00 00 00 00 FF")
                     << (tilt ? "81 01 06 02 16 12 00 00 00 00 0F 0F 07 00 FF"
                              : "81 01 06 02 16 12 0F 0E 0E 00 00 00 00 00 FF");
            for (int i = 0; i < steps; ++i)
                received << (tilt ? "81 03 06 05 03 01 01 FF FF" : "81 03 06 05 02 01 01 FF FF");
            if (!count.isEmpty())
                received << QString::fromLatin1(tilt ? "81 03 06 06 00 FF 02 %1 FF" : "81 03 06 06 01 %1 00 FF FF").arg(count);
            if (box != kConnect) // nothing more after the camera went
                received << "81 03 06 07 01 FF";
        }
        Rig rig;
        QFile::remove(QStringLiteral("standardImg.png"));
        rig.cameras[Slot::TeacherFeature].udp_flag = steps >= 0;
        QPushButton *start = tilt ? rig.ui->teacher_tilt_compensation_pushButton : rig.ui->teacher_pan_compensation_pushButton;
        QPushButton *other = tilt ? rig.ui->teacher_pan_compensation_pushButton : rig.ui->teacher_tilt_compensation_pushButton;
        if (pictures == QLatin1String("stale")) {
            // A picture of each kind taken before the run.
            for (Capture c : {Capture::Standard, Capture::Moved}) {
                rig.previews.arm(c);
                rig.previews.teacher_feature_SetImage(picture(false, false));
            }
            QVERIFY(rig.previews.standard_image_saved());
            pictures = QStringLiteral("none");
        }
        int stepsSeen = 0;
        const QByteArray stepPrefix = QByteArray::fromHex(tilt ? "8103060503" : "8103060502");
        connect(feature.get(), &SimCamera::messageReceived, &rig.previews, [&](const SimMessage &m) {
            if (!m.isVisca() || !m.payload.startsWith(stepPrefix))
                return;
            if (++stepsSeen == 2 && pictures == QLatin1String("gone"))
                rig.cameras[Slot::TeacherFeature].udp_flag = false;
            if (stepsSeen == 2 && pictures == QLatin1String("close"))
                rig.compensation.stop();
            if (stepsSeen == 1 && secondPress)
                QTimer::singleShot(0, other, [other] { other->click(); });
        });
        bool standardSeen = false;
        rig.host.feed = [&] {
            if (pictures == QLatin1String("none"))
                return;
            if (rig.previews.standard_image_saved())
                standardSeen = true;
            if (standardSeen && pictures == QLatin1String("stop-after-standard"))
                return;
            if (pictures == QLatin1String("remove-standard") && rig.previews.armed(Capture::Moved))
                QFile::remove(QStringLiteral("standardImg.png"));
            if (pictures == QLatin1String("null"))
                rig.previews.teacher_feature_SetImage(QImage());
            else
                rig.previews.teacher_feature_SetImage(
                    picture(moveAt > 0 && stepsSeen >= moveAt, pictures == QLatin1String("flat")));
        };
        LogCapture log;
        start->click();
        QVERIFY(!rig.compensation.running());
        QCOMPARE(simwire::receivedUpToMarkers(*feature), received);
        QCOMPARE(rig.boxes.texts().size(), box.isEmpty() ? 0 : 1);
        if (!box.isEmpty())
            QVERIFY2(rig.boxes.texts().first().contains(box), qPrintable(rig.boxes.texts().first()));
        QCOMPARE(log.contains(QStringLiteral("already running")), secondPress);
    }
};

QTEST_MAIN(tst_Compensation)
#include "tst_compensation.moc"
