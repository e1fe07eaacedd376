// The wizard's teacher side on its form without the frame: the mode buttons (a refused click
// leaves the mode in effect checked), the saves that wait for the tracking test to stop, the
// block as the page and the mode make it, the get request and a reply's keys on the page. The
// teacher pano camera is a datagram socket on loopback in the test's own network namespace.
#include "core/time_scale.h"
#include "guide/teacher_params.h"
#include "guide/teacher_region_step.h"
#include "guide/tracking_mode_step.h"
#include "boxes_tracking.h"
#include "guide_rig.h"
#include "support/resources.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTranslator>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

using camera_slot::Slot;

namespace {

constexpr int kWaitMs = 2000; // loopback delivers at once; this only bounds a failure
const QString kPanoAddress = QStringLiteral("127.0.0.21");

// The teacher pano camera's text port: what the wizard sent it.
struct PanoPort {
    QUdpSocket socket;
    PanoPort() { socket.bind(QHostAddress(kPanoAddress), WizardLink::kTrackingPort); }
    QString next(int waitMs = kWaitMs)
    {
        if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(waitMs))
            return QString();
        return QString::fromUtf8(socket.receiveDatagram().data());
    }
};

struct TeacherSide : GuideRig {
    BoxesTracking tracking{*ui.teacher_show_tracking_checkBox, *ui.student_show_tracking_checkBox};
    QCheckBox regionsShown;
    std::unique_ptr<TrackingModeStep> mode;
    std::unique_ptr<TeacherRegionStep> regions;
    std::unique_ptr<TeacherParams> params;
    explicit TeacherSide(bool connected)
    {
        timescale::setFactor(0.01);
        addresses.teacher_feature_ip = QStringLiteral("192.168.5.20/x");
        if (connected)
            connect_camera(Slot::TeacherPano, kPanoAddress);
        mode = std::make_unique<TrackingModeStep>(CORVANE_FORM_WIDGETS(TrackingModeStep, TRACKING_MODE_STEP_WIDGETS, &ui),
                                                  link, &window);
        regions = std::make_unique<TeacherRegionStep>(
            CORVANE_FORM_WIDGETS(TeacherRegionStep, TEACHER_REGION_STEP_WIDGETS, &ui), scene, link, regionsShown);
        params = std::make_unique<TeacherParams>(CORVANE_FORM_WIDGETS(TeacherParams, TEACHER_PARAMS_WIDGETS, &ui), link,
                                                 *mode, *regions, addresses, tracking,
                                                 &window);
        // sign_teacher_params_complete as the frame raises it after a mode click.
        QObject::connect(mode.get(), &TrackingModeStep::mode_clicked, params.get(), [this] {
            params->mark_changed();
            params->slot_save_teacher_params();
        });
    }
    QToolButton *modeButton(int code) const
    {
        QToolButton *const buttons[] = {ui.teacher_three_mode_toolButton, ui.teacher_follow_mode_toolButton,
                                        ui.teacher_binocular_mode_toolButton, ui.teacher_mixed_mode_toolButton,
                                        ui.teacher_board_pano_mode_toolButton};
        return buttons[code];
    }
    QString checkedModes() const
    {
        QString out;
        for (int code = 0; code < 5; ++code)
            out += modeButton(code)->isChecked() ? QString::number(code) : QString();
        return out;
    }
};

QString item(const QString &block, const QString &key)
{
    for (const QString &line : block.split('\n')) {
        if (line.startsWith(key + '='))
            return line.mid(key.size() + 1);
    }
    return QStringLiteral("<none>");
}

} // namespace

class tst_WizardTeacherSide : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { corvane_init_resources(); }

    void modeClick_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<QString>("restored");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("sent"); // "tracking_mode" of the block sent, "-" for none
        // The clicked button used to stay checked while the mode stayed the old one.
        QTest::newRow("refused, no mode yet") << false << "" << 1 << "" << "" << "-";
        QTest::newRow("refused, mixed in effect") << false << "3" << 1 << "3" << "3" << "-";
        QTest::newRow("board pano") << true << "" << 4 << "4" << "4" << "4";
        QTest::newRow("the mode in effect again still saves") << true << "2" << 2 << "2" << "2" << "2";
    }

    void modeClick()
    {
        QFETCH(bool, connected);
        QFETCH(QString, restored);
        QFETCH(int, clicked);
        PanoPort pano;
        TeacherSide side(connected);
        side.mode->restore_tracking_mode_radio(restored);
        QSignalSpy clicks(side.mode.get(), &TrackingModeStepSignals::mode_clicked);
        side.modeButton(clicked)->click();
        QTEST(side.mode->current_mode(), "mode");
        QTEST(side.checkedModes(), "checked");
        QCOMPARE(side.boxes.texts(),
                 connected ? QStringList() : QStringList{QStringLiteral("Please connect the teacher pano camera")});
        QCOMPARE(clicks.count(), connected ? 1 : 0);
        const QString block = pano.next(connected ? kWaitMs : 50);
        QTEST(block.isNull() ? QStringLiteral("-") : item(block, QStringLiteral("tracking_mode")), "sent");
    }

    // The buttons' texts are translated; the mode goes by the button in every language.
    void modeInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"zh", "en", "ja", "ko", "id", "th", "ar", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void modeInEveryLanguage()
    {
        QFETCH(QString, language);
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(":/trans/%1.qm").arg(language)));
        QCoreApplication::installTranslator(&catalogue);
        PanoPort pano;
        TeacherSide side(true);
        side.ui.retranslateUi(&side.window);
        side.ui.teacher_board_pano_mode_toolButton->click();
        QCoreApplication::removeTranslator(&catalogue);
        QCOMPARE(side.mode->current_mode(), QStringLiteral("4"));
    }

    // Only "0" to "4" restore; a reply's last line may give a NUL. Nothing is sent.
    void restore_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("mode");
        QTest::newRow("three presets") << "0" << "0";
        QTest::newRow("7") << "7" << "1";
        QTest::newRow("NUL") << QString(QChar(0)) << "1";
        QTest::newRow("two digits") << "11" << "1";
    }

    void restore()
    {
        QFETCH(QString, code);
        PanoPort pano;
        TeacherSide side(true);
        side.mode->restore_tracking_mode_radio(QStringLiteral("1"));
        side.mode->restore_tracking_mode_radio(code);
        QTEST(side.mode->current_mode(), "mode");
        QTEST(side.checkedModes(), "mode");
        QVERIFY(pano.next(50).isNull());
    }

    // While the tracking test runs an edit stays marked; the first save after it sends it once.
    void saveWaitsForTheTrackingTest()
    {
        PanoPort pano;
        TeacherSide side(true);
        side.ui.teacher_show_tracking_checkBox->setChecked(true);
        side.ui.target_lost_action_comboBox->setCurrentIndex(3);
        QVERIFY(side.params->params_changed());
        QVERIFY(pano.next(50).isNull());
        side.ui.teacher_show_tracking_checkBox->setChecked(false);
        side.params->slot_save_teacher_params();
        const QString block = pano.next();
        QVERIFY(block.startsWith(QStringLiteral("teacher_parameter\nset_tracking_config_file\n")));
        QCOMPARE(item(block, QStringLiteral("losing_object_strategy")), QStringLiteral("11"));
        QCOMPARE(item(block, QStringLiteral("feature_camera_ip")), QStringLiteral("192.168.5.20"));
        QCOMPARE(item(block, QStringLiteral("tracking_mode")), QStringLiteral("2"));
        QCOMPARE(item(block, QStringLiteral("pano_pan_increment")), QStringLiteral("610"));
        QVERIFY(!side.params->params_changed());
        side.params->slot_save_teacher_params();
        QVERIFY(pano.next(50).isNull());
    }

    void getRequest()
    {
        PanoPort pano;
        TeacherSide off(false);
        // The step enables the button once its preview connects.
        off.ui.teacher_camera_config_pushButton->setEnabled(true);
        off.ui.teacher_camera_config_pushButton->click();
        QCOMPARE(off.boxes.texts(), QStringList{QStringLiteral("Please connect the camera")});
        TeacherSide side(true);
        side.scene.region_scene.addGraphicsRectItem(QStringLiteral("TrackingRegion"), 20, 20, 100, 50, 0);
        side.ui.teacher_camera_config_pushButton->setEnabled(true);
        side.ui.teacher_camera_config_pushButton->click();
        QCOMPARE(pano.next(), QStringLiteral("teacher_parameter\nget_tracking_config_file"));
        QVERIFY(side.scene.region_scene.items().isEmpty() && side.scene.region_scene.graphicsRectList().isEmpty());
        QVERIFY(side.params->params_changed());
        QVERIFY(side.regions->flags().region_display_pending);
    }

    // The board block goes through the teacher pano camera, which must be connected.
    void boardBlock()
    {
        PanoPort pano;
        TeacherSide off(false);
        off.params->board_apply();
        QCOMPARE(off.boxes.texts(), QStringList{QStringLiteral("Please connect the teacher pano camera")});
        TeacherSide side(true);
        side.addresses.board_feature_ip = QStringLiteral("192.168.5.165/a");
        side.addresses.board_pano_ip = QStringLiteral("192.168.5.166");
        side.addresses.camera_number = 2;
        side.params->board_apply();
        QCOMPARE(pano.next(), QStringLiteral("teacher_parameter\nboard_parameter\nset_tracking_config_file\n"
                                             "board_feature_ip=192.168.5.165\nboard_feature1_ip=192.168.5.166\n"
                                             "board_feature1_enable=0\nboard_feature_enable=1\n"));
    }

    // The label shows the reply's text as it came, the slider the number (clamped).
    void replyOnThePage()
    {
        TeacherSide side(false);
        side.params->show_reply(wizard_reply::read_teacher_keys(
            QStringLiteral("time_to_pano_delay=abc\nlosing_object_strategy=11\nptzspeed_level=0\nmanual_focus=1")));
        QCOMPARE(side.ui.teacher_target_lost_timeout_label->text(), QStringLiteral("abc"));
        QCOMPARE(side.ui.teacher_target_lost_timeout_Slider->value(),
                 side.ui.teacher_target_lost_timeout_Slider->minimum());
        QCOMPARE(side.ui.target_lost_action_comboBox->currentIndex(), 3);
        QVERIFY(side.ui.teacher_manual_focus_checkBox->isChecked());
        QCOMPARE(side.params->pan_speed(), 10);
    }
};

QTEST_MAIN(tst_WizardTeacherSide)
#include "tst_wizard_teacher_side.moc"
