// Start and stop of tracking, the configuration switch with its stop question, the pano focus
// buttons, the tracking mode radios with their preset lists, the PTZ target flags and the
// obtain/apply checks of the teacher and student tabs: the texts on the wire to simulated pano
// cameras, the widgets each command locks, and the boxes, answered through RecordingPresenter.
#include "camera_slot_setup.h"
#include "core/reachability.h"
#include "guide/guideconfig.h"
#include "net/httpmanager.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "sim_camera.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QHostAddress>
#include <QtTest>

#include <memory>

namespace {

constexpr int kAnswerMs = 2000; // loopback datagrams come within milliseconds; this only bounds a failure
constexpr int kSilenceMs = 300; // how long a test waits to be sure nothing is sent
const QString kTeacherPano = QStringLiteral("127.0.0.2");
const QString kStudentPano = QStringLiteral("127.0.0.3");

QByteArray command(const char *section, const char *word)
{
    return QByteArray(section) + "\nset_tracking_config_command\ncommand=" + word;
}

struct WindowHolder {
    std::unique_ptr<MainWindow> window;
    WindowHolder()
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"));
        window.reset(new MainWindow);
    }
    ~WindowHolder()
    {
        camslot::detachAll(*window);
        delete window->http_manager;
        delete window->guide_config;
    }
    // A pano camera as a connect leaves it: over UDP, or with the side's TCP link.
    bool connectTeacherPano(bool tcp = false)
    {
        return camslot::attach(*window, camslot::Slot::TeacherPano, kTeacherPano, tcp);
    }
    bool connectStudentPano(bool tcp = false)
    {
        return camslot::attach(*window, camslot::Slot::StudentPano, kStudentPano, tcp);
    }
    MainWindow *operator->() const { return window.get(); }
    Ui::MainWindow *ui() const { return window->ui; }
};

// The text payloads a camera received from index `from` on.
QList<QByteArray> texts(const SimCamera &camera, int from = 0)
{
    QList<QByteArray> list;
    const QVector<SimMessage> seen = camera.received();
    for (int i = from; i < seen.size(); ++i) {
        if (seen.at(i).isText())
            list << seen.at(i).payload;
    }
    return list;
}

bool waitForTexts(const SimCamera &camera, int count, int from = 0)
{
    QElapsedTimer clock;
    clock.start();
    while (texts(camera, from).size() < count && clock.elapsed() < kAnswerMs)
        camera.waitForMessage([](const SimMessage &m) { return m.isText(); }, 50, camera.receivedCount());
    return texts(camera, from).size() >= count;
}

QStringList listEntries(const QComboBox *combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

const QStringList kFollowList = {"Num 0 : Pano", "Num 1 : Paltform", "Num 2 : Left Board", "Num 3 : Right Board",
                                 "Num 11 : Board Pano", "Num 60 : Pano Crop"};

} // namespace

class tst_TrackingCommands : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        teacherCamera.reset(new SimCamera(kTeacherPano, QStringLiteral("J57")));
        studentCamera.reset(new SimCamera(kStudentPano, QStringLiteral("J57")));
        QVERIFY2(teacherCamera->start(), qPrintable(teacherCamera->lastError()));
        QVERIFY2(studentCamera->start(), qPrintable(studentCamera->lastError()));
    }
    void cleanup()
    {
        teacherCamera.reset();
        studentCamera.reset();
    }

    // Starting teacher tracking locks the teacher and board tabs (and, on an M19, the lectern
    // director group; with the regions shown, the region controls); stopping opens them again.
    void teacherStartStop_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("showRegions");
        QTest::addColumn<bool>("tcp");
        QTest::newRow("J57") << "J57" << false << false;
        QTest::newRow("M19, regions shown") << "M19" << true << false;
        QTest::newRow("J57 over the TCP link") << "J57" << false << true;
    }
    void teacherStartStop()
    {
        QFETCH(QString, model);
        QFETCH(bool, showRegions);
        QFETCH(bool, tcp);
        RecordingPresenter boxes;
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        QVERIFY(w.connectTeacherPano(tcp));
        w->teacher_feature_device_model = model;
        ui->teacher_show_region_checkBox->setChecked(showRegions);
        ui->groupBox_36->setEnabled(false);
        ui->teacher_track_region_radioButton->setEnabled(true);

        ui->teacher_startTrack_Button->click();
        QVERIFY(waitForTexts(*teacherCamera, 1));
        QCOMPARE(texts(*teacherCamera), QList<QByteArray>{command("teacher_parameter", "start")});
        const auto start = teacherCamera->waitForMessage([](const SimMessage &m) { return m.isText(); }, 0);
        QVERIFY(start);
        QCOMPARE(start->transport, tcp ? SimTransport::Tcp : SimTransport::Udp);
        if (tcp)
            QCOMPARE(start->framePort, quint32(6791));
        else
            QCOMPARE(start->localPort, quint16(6791));
        QCOMPARE(w->teacher_cur_track_status, 1);
        QVERIFY(!ui->teacher_sensitivity_Slider->isEnabled());
        QVERIFY(!ui->teacher_startTrack_Button->isEnabled());
        QVERIFY(ui->teacher_stopTrack_Button->isEnabled());
        QVERIFY(!ui->board_setBoard_one_Button->isEnabled());
        QVERIFY(!ui->board_sensitivity_Slider->isEnabled());
        QVERIFY(ui->student_sensitivity_Slider->isEnabled());
        QCOMPARE(ui->teacher_track_region_radioButton->isEnabled(), !showRegions);
        QVERIFY(!ui->groupBox_36->isEnabled());

        ui->teacher_stopTrack_Button->click();
        QVERIFY(waitForTexts(*teacherCamera, 2));
        QCOMPARE(texts(*teacherCamera).last(), command("teacher_parameter", "stop"));
        QCOMPARE(w->teacher_cur_track_status, 2);
        QVERIFY(ui->teacher_sensitivity_Slider->isEnabled());
        QVERIFY(ui->teacher_startTrack_Button->isEnabled());
        QVERIFY(ui->board_setBoard_one_Button->isEnabled());
        QVERIFY(ui->teacher_track_region_radioButton->isEnabled());
        // Only an M19 opens the lectern director group.
        QCOMPARE(ui->groupBox_36->isEnabled(), model == QLatin1String("M19"));
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(studentCamera->receivedCount(), 0);
    }

    void studentStartStop()
    {
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        QVERIFY(w.connectStudentPano());
        ui->student_startTrack_Button->click();
        QVERIFY(waitForTexts(*studentCamera, 1));
        QCOMPARE(w->student_cur_track_status, 1);
        QVERIFY(!ui->student_sensitivity_Slider->isEnabled());
        QVERIFY(ui->teacher_sensitivity_Slider->isEnabled());
        QVERIFY(ui->board_setBoard_one_Button->isEnabled());
        ui->student_stopTrack_Button->click();
        QVERIFY(waitForTexts(*studentCamera, 2));
        QCOMPARE(texts(*studentCamera),
                 (QList<QByteArray>{command("student_parameter", "start"), command("student_parameter", "stop")}));
        QCOMPARE(w->student_cur_track_status, 2);
        QVERIFY(ui->student_sensitivity_Slider->isEnabled());
        QCOMPARE(teacherCamera->receivedCount(), 0);
    }

    void withoutPanoCamera_data()
    {
        QTest::addColumn<QString>("button");
        for (const char *b : {"teacher_startTrack_Button", "teacher_stopTrack_Button", "student_startTrack_Button",
                              "student_stopTrack_Button"})
            QTest::newRow(b) << b;
    }
    void withoutPanoCamera()
    {
        QFETCH(QString, button);
        RecordingPresenter boxes;
        WindowHolder w;
        w->findChild<QPushButton *>(button)->click();
        QCOMPARE(boxes.texts(), QStringList{"Please connect the camera"});
        QCOMPARE(boxes.shown.first().title, QStringLiteral("Warning"));
        QCOMPARE(boxes.shown.first().icon, QMessageBox::Warning);
        QCOMPARE(w->teacher_cur_track_status, 2);
        QCOMPARE(w->student_cur_track_status, 2);
        QVERIFY(w.ui()->teacher_sensitivity_Slider->isEnabled());
        QTest::qWait(kSilenceMs);
        QCOMPARE(teacherCamera->receivedCount() + studentCamera->receivedCount(), 0);
    }

    // Closing stops each side that tracks and whose pano camera is still there.
    void stopAllTracking_data()
    {
        QTest::addColumn<bool>("teacherTracks");
        QTest::addColumn<bool>("teacherConnected");
        QTest::addColumn<bool>("studentTracks");
        QTest::addColumn<bool>("studentConnected");
        QTest::newRow("both track") << true << true << true << true;
        QTest::newRow("only the student tracks") << false << true << true << true;
        QTest::newRow("teacher pano gone") << true << false << true << true;
        QTest::newRow("nothing tracks") << false << true << false << true;
    }
    void stopAllTracking()
    {
        QFETCH(bool, teacherTracks);
        QFETCH(bool, teacherConnected);
        QFETCH(bool, studentTracks);
        QFETCH(bool, studentConnected);
        WindowHolder w;
        if (teacherConnected)
            QVERIFY(w.connectTeacherPano());
        if (studentConnected)
            QVERIFY(w.connectStudentPano());
        w->teacher_cur_track_status = teacherTracks ? 1 : 2;
        w->student_cur_track_status = studentTracks ? 1 : 2;
        w->stop_all_tracking();
        const bool teacherStops = teacherTracks && teacherConnected;
        const bool studentStops = studentTracks && studentConnected;
        if (teacherStops)
            QVERIFY(waitForTexts(*teacherCamera, 1));
        if (studentStops)
            QVERIFY(waitForTexts(*studentCamera, 1));
        QTest::qWait(kSilenceMs);
        QCOMPARE(texts(*teacherCamera),
                 teacherStops ? QList<QByteArray>{command("teacher_parameter", "stop")} : QList<QByteArray>{});
        QCOMPARE(texts(*studentCamera),
                 studentStops ? QList<QByteArray>{command("student_parameter", "stop")} : QList<QByteArray>{});
        QCOMPARE(w->teacher_cur_track_status, teacherStops ? 2 : (teacherTracks ? 1 : 2));
    }

    // Entry 0 is configuration 1, entry 1 configuration 2.
    void configSwitch_data()
    {
        QTest::addColumn<bool>("teacher");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QByteArray>("word");
        QTest::newRow("teacher to 2") << true << 0 << 1 << QByteArray("switchtoconfig2");
        QTest::newRow("teacher to 1") << true << 1 << 0 << QByteArray("switchtoconfig1");
        QTest::newRow("student to 2") << false << 0 << 1 << QByteArray("switchtoconfig2");
        QTest::newRow("student to 1") << false << 1 << 0 << QByteArray("switchtoconfig1");
    }
    void configSwitch()
    {
        QFETCH(bool, teacher);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QByteArray, word);
        RecordingPresenter boxes;
        WindowHolder w;
        QVERIFY(w.connectTeacherPano());
        QVERIFY(w.connectStudentPano());
        QComboBox *combo = teacher ? w.ui()->teacher_config_comboBox : w.ui()->student_config_comboBox;
        {
            const QSignalBlocker quiet(combo);
            combo->setCurrentIndex(from);
        }
        combo->setCurrentIndex(to);
        SimCamera &camera = teacher ? *teacherCamera : *studentCamera;
        QVERIFY(waitForTexts(camera, 1));
        QTest::qWait(kSilenceMs);
        QCOMPARE(texts(camera), QList<QByteArray>{command(teacher ? "teacher_parameter" : "student_parameter",
                                                          word.constData())});
        QCOMPARE(combo->currentIndex(), to);
        QVERIFY(boxes.shown.isEmpty());
        // The camera keeps the configuration it was told.
        QCOMPARE(camera.value(teacher ? QStringLiteral("teacher_parameter") : QStringLiteral("student_parameter"),
                              QStringLiteral("config_switch")),
                 to == 0 ? QStringLiteral("1") : QStringLiteral("2"));
    }

    // While the camera tracks, the switch asks first: OK stops the tracking, then switches.
    void configSwitchStopsTrackingOnOk_data()
    {
        QTest::addColumn<bool>("teacher");
        QTest::newRow("teacher") << true;
        QTest::newRow("student") << false;
    }
    void configSwitchStopsTrackingOnOk()
    {
        QFETCH(bool, teacher);
        RecordingPresenter boxes;
        boxes.answerNext(QMessageBox::Ok);
        WindowHolder w;
        QVERIFY(w.connectTeacherPano());
        QVERIFY(w.connectStudentPano());
        const char *section = teacher ? "teacher_parameter" : "student_parameter";
        QPushButton *start = teacher ? w.ui()->teacher_startTrack_Button : w.ui()->student_startTrack_Button;
        QComboBox *combo = teacher ? w.ui()->teacher_config_comboBox : w.ui()->student_config_comboBox;
        SimCamera &camera = teacher ? *teacherCamera : *studentCamera;
        start->click();
        QVERIFY(waitForTexts(camera, 1));
        QCOMPARE(combo->currentIndex(), 0);

        combo->setCurrentIndex(1);
        QVERIFY(waitForTexts(camera, 3));
        QCOMPARE(boxes.shown.size(), 1);
        const msgbox::Request question = boxes.shown.first();
        QCOMPARE(question.title, QStringLiteral("Information"));
        QCOMPARE(question.text, QStringLiteral("Unable to update tracking configurations, do you want to stop tracking?"));
        QCOMPARE(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(question.icon, QMessageBox::Warning);
        QCOMPARE(texts(camera), (QList<QByteArray>{command(section, "start"), command(section, "stop"),
                                                   command(section, "switchtoconfig2")}));
        // The stop went first, the switch after the camera had time to end its tracking.
        const QVector<SimMessage> seen = camera.received();
        QVERIFY(seen.at(2).timeMs - seen.at(1).timeMs >= 150);
        QCOMPARE(teacher ? w->teacher_cur_track_status : w->student_cur_track_status, 2);
        QVERIFY(start->isEnabled());
        QCOMPARE(combo->currentIndex(), 1);
    }

    // Cancel leaves the tracking running, sends nothing and shows the former configuration
    // again, without a second question.
    void configSwitchCancelled()
    {
        RecordingPresenter boxes;
        boxes.answerNext(QMessageBox::Cancel);
        WindowHolder w;
        QVERIFY(w.connectTeacherPano());
        w.ui()->teacher_startTrack_Button->click();
        QVERIFY(waitForTexts(*teacherCamera, 1));
        const int from = teacherCamera->receivedCount();
        w.ui()->teacher_config_comboBox->setCurrentIndex(1);
        QCOMPARE(w.ui()->teacher_config_comboBox->currentIndex(), 0);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(w->teacher_cur_track_status, 1);
        QVERIFY(!w.ui()->teacher_startTrack_Button->isEnabled());
        QTest::qWait(kSilenceMs);
        QCOMPARE(teacherCamera->receivedCount(), from);
    }

    void configSwitchWithoutPanoCamera()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        w.ui()->student_config_comboBox->setCurrentIndex(1);
        QCOMPARE(w.ui()->student_config_comboBox->currentIndex(), 0);
        QCOMPARE(boxes.texts(), QStringList{"Please connect the camera"});
        QTest::qWait(kSilenceMs);
        QCOMPARE(studentCamera->receivedCount(), 0);
    }

    // The pano camera going away during the wait after the stop: the switch is not sent and
    // the list goes back.
    void configSwitchPanoGoneDuringStop()
    {
        RecordingPresenter boxes;
        boxes.answerNext(QMessageBox::Ok);
        WindowHolder w;
        QVERIFY(w.connectTeacherPano());
        w->teacher_cur_track_status = 1;
        QTimer::singleShot(50, w.window.get(), [&w] { camslot::detach(*w.window, camslot::Slot::TeacherPano); });
        w.ui()->teacher_config_comboBox->setCurrentIndex(1);
        QCOMPARE(w.ui()->teacher_config_comboBox->currentIndex(), 0);
        QTest::qWait(kSilenceMs);
        QCOMPARE(texts(*teacherCamera), QList<QByteArray>{command("teacher_parameter", "stop")});
    }

    // The focus buttons send a VISCA command to the side's pano camera: on the crop address
    // for an M19 feature camera, else on 81, even though the pano camera gets it.
    void panoFocus_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("teacher");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("teacher auto, M19") << "teacher_pano_auto_mode_Button" << true << "M19"
                                           << QByteArray::fromHex("8A01043802FF");
        QTest::newRow("teacher manual, M19") << "teacher_pano_manual_mode_Button" << true << "M19"
                                             << QByteArray::fromHex("8A01043803FF");
        QTest::newRow("teacher auto, J57") << "teacher_pano_auto_mode_Button" << true << "J57"
                                           << QByteArray::fromHex("8101043802FF");
        QTest::newRow("student manual, R6") << "student_pano_manual_mode_Button" << false << "R6"
                                            << QByteArray::fromHex("8101043803FF");
        QTest::newRow("student auto, M19") << "student_pano_auto_mode_Button" << false << "M19"
                                           << QByteArray::fromHex("8A01043802FF");
    }
    void panoFocus()
    {
        QFETCH(QString, button);
        QFETCH(bool, teacher);
        QFETCH(QString, model);
        QFETCH(QByteArray, bytes);
        WindowHolder w;
        QVERIFY(w.connectTeacherPano());
        QVERIFY(w.connectStudentPano());
        w->teacher_feature_device_model = w->student_feature_device_model = model;
        w->findChild<QAbstractButton *>(button)->click();
        SimCamera &camera = teacher ? *teacherCamera : *studentCamera;
        const auto sent = camera.waitForMessage([](const SimMessage &m) { return m.isVisca(); }, kAnswerMs);
        QVERIFY(sent);
        QCOMPARE(sent->payload, bytes);
        QCOMPARE(sent->localPort, quint16(1259));
        QTest::qWait(100);
        QCOMPARE((teacher ? *studentCamera : *teacherCamera).receivedCount(), 0);
        // The head took it: the focus is as the button says.
        QVERIFY(camera.ptz(model == QLatin1String("M19")).focusManual == button.contains(QLatin1String("manual")));
    }

    void panoFocusWithoutCameraIsSilent()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        for (const char *b : {"teacher_pano_auto_mode_Button", "teacher_pano_manual_mode_Button",
                              "student_pano_auto_mode_Button", "student_pano_manual_mode_Button"})
            w->findChild<QAbstractButton *>(QLatin1String(b))->click();
        QTest::qWait(kSilenceMs);
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(teacherCamera->receivedCount() + studentCamera->receivedCount(), 0);
    }

    // A mode radio shows its settings page and preset list and sends nothing.
    void modeRadios_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("other") << "other_mode_radioButton" << 0
                               << QStringList{"Num 0 : Pano", "Num 1 : Left Board", "Num 2 : Center Board",
                                              "Num 3 : Right Board", "Num 11 : Board Pano", "Num 60 : Pano Crop"};
        QTest::newRow("follow") << "follow_mode_radioButton" << 0 << kFollowList;
        QTest::newRow("binocular") << "binocular_mode_radioButton" << 0 << kFollowList;
        QTest::newRow("mixed") << "mixed_mode_radioButton" << 0 << kFollowList;
        QTest::newRow("board pano") << "board_pano_mode_radioButton" << 0
                                    << QStringList{"Num 1 : Paltform", "Num 2 : Left Board", "Num 3 : Right Board",
                                                   "Num 11 : Board Pano", "Num 60 : Pano Crop"};
    }
    void modeRadios()
    {
        QFETCH(QString, radio);
        WindowHolder w;
        QVERIFY(w.connectTeacherPano());
        Ui::MainWindow *ui = w.ui();
        ui->mode_stackedWidget->setCurrentIndex(1);
        ui->teacher_preset_list->clear();
        ui->teacher_preset_list->addItem(QStringLiteral("stale"));
        w->findChild<QRadioButton *>(radio)->click();
        QTEST(ui->mode_stackedWidget->currentIndex(), "page");
        QTEST(listEntries(ui->teacher_preset_list), "entries");
        QCOMPARE(ui->teacher_preset_list->currentIndex(), 0);
        QTest::qWait(kSilenceMs);
        QCOMPARE(teacherCamera->receivedCount(), 0);
    }

    // The lectern radio keeps the preset list; a mode slot called with false changes nothing;
    // Default picks the binocular mode with the follow mode's list.
    void modeListKeptOrDefaulted()
    {
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        ui->board_pano_mode_radioButton->click();
        const QStringList boardPano = listEntries(ui->teacher_preset_list);
        w->on_lectern_mode_radioButton_clicked(false);
        QCOMPARE(ui->mode_stackedWidget->currentIndex(), 1);
        QCOMPARE(listEntries(ui->teacher_preset_list), boardPano);
        w->on_other_mode_radioButton_clicked(false);
        QCOMPARE(ui->mode_stackedWidget->currentIndex(), 1);
        QCOMPARE(listEntries(ui->teacher_preset_list), boardPano);

        ui->teacher_default_Button->click();
        QVERIFY(ui->binocular_mode_radioButton->isChecked());
        QCOMPARE(ui->mode_stackedWidget->currentIndex(), 0);
        QCOMPARE(listEntries(ui->teacher_preset_list), kFollowList);
    }

    // "Num 60 : Pano Crop" points the PTZ pads at the panorama crop as the feature model allows;
    // any other entry clears the flags.
    void presetFlags_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("prefix");
        QTest::addColumn<bool>("toPano");
        QTest::newRow("M19") << "M19" << true << true;
        QTest::newRow("J57") << "J57" << false << true;
        QTest::newRow("R6") << "R6" << true << false;
        QTest::newRow("M5") << "M5" << true << false;
        QTest::newRow("none") << "" << false << false;
    }
    void presetFlags()
    {
        QFETCH(QString, model);
        QFETCH(bool, prefix);
        QFETCH(bool, toPano);
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        w->teacher_feature_device_model = w->student_feature_device_model = model;
        ui->follow_mode_radioButton->click();
        ui->teacher_preset_list->setCurrentIndex(5);
        QCOMPARE(w->teacher_ptz_pano_prefix, prefix);
        QCOMPARE(w->teacher_ptz_to_pano, toPano);
        ui->teacher_preset_list->setCurrentIndex(1);
        QVERIFY(!w->teacher_ptz_pano_prefix);
        QVERIFY(!w->teacher_ptz_to_pano);

        ui->student_preset_list->setCurrentIndex(1);
        QCOMPARE(w->student_ptz_pano_prefix, prefix);
        ui->student_preset_list->setCurrentIndex(0);
        QVERIFY(!w->student_ptz_pano_prefix);
    }

    void studentPresetList()
    {
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        QCOMPARE(listEntries(ui->student_preset_list), (QStringList{"Num 0 : Pano", "Num 60 : Pano Crop"}));
        ui->student_preset_list->setCurrentIndex(1);
        w->fill_pano_preset_list();
        QCOMPARE(listEntries(ui->student_preset_list), (QStringList{"Num 0 : Pano", "Num 60 : Pano Crop"}));
        QCOMPARE(ui->student_preset_list->currentIndex(), 1);
    }

    // Obtain and Apply work only while the side's camera does not track.
    void trackChecks_data()
    {
        QTest::addColumn<bool>("teacher");
        QTest::addColumn<bool>("enable");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("buttons");
        QTest::newRow("teacher, stopped") << true << true << 2 << true;
        QTest::newRow("teacher, tracking") << true << true << 1 << false;
        QTest::newRow("teacher, disabled") << true << false << 2 << false;
        QTest::newRow("student, stopped") << false << true << 2 << true;
        QTest::newRow("student, tracking") << false << true << 1 << false;
        QTest::newRow("student, disabled") << false << false << 1 << false;
    }
    void trackChecks()
    {
        QFETCH(bool, teacher);
        QFETCH(bool, enable);
        QFETCH(int, status);
        QFETCH(bool, buttons);
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        if (teacher) {
            w->teacher_cur_track_status = status;
            // Called by name, as the parameter replies call it.
            QVERIFY(QMetaObject::invokeMethod(w.window.get(), "teacher_track_check", Q_ARG(bool, enable)));
            QCOMPARE(ui->teacher_show_region_checkBox->isEnabled(), enable);
            QCOMPARE(ui->teacher_obtain_Button->isEnabled(), buttons);
            QCOMPARE(ui->teacher_apply_Button->isEnabled(), buttons);
            QVERIFY(ui->student_obtain_Button->isEnabled());
        } else {
            w->student_cur_track_status = status;
            QVERIFY(QMetaObject::invokeMethod(w.window.get(), "student_track_check", Q_ARG(bool, enable)));
            QCOMPARE(ui->student_show_region_checkBox->isEnabled(), enable);
            QCOMPARE(ui->student_obtain_Button->isEnabled(), buttons);
            QCOMPARE(ui->student_apply_Button->isEnabled(), buttons);
            QVERIFY(ui->teacher_obtain_Button->isEnabled());
        }
    }

    // A press on a pano camera's connect button holds Obtain and Apply back until the pano's
    // parameter reply; the time-out of its status wait gives them back.
    void panoToggleAndTimeOut_data()
    {
        QTest::addColumn<bool>("teacher");
        QTest::newRow("teacher") << true;
        QTest::newRow("student") << false;
    }
    void panoToggleAndTimeOut()
    {
        QFETCH(bool, teacher);
        RecordingPresenter boxes;
        reachability::setCheck([](const QString &) { return false; });
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        QPushButton *obtain = teacher ? ui->teacher_obtain_Button : ui->student_obtain_Button;
        QPushButton *apply = teacher ? ui->teacher_apply_Button : ui->student_apply_Button;
        QCheckBox *showRegion = teacher ? ui->teacher_show_region_checkBox : ui->student_show_region_checkBox;
        (teacher ? ui->teacher_pano_IP_Edit : ui->student_pano_IP_Edit)->setText(teacher ? kTeacherPano : kStudentPano);
        (teacher ? ui->teacher_pano_connect_Button : ui->student_pano_connect_Button)->click();
        QVERIFY(!obtain->isEnabled());
        QVERIFY(!apply->isEnabled());
        QVERIFY(!showRegion->isEnabled());
        reachability::setCheck({});

        QVERIFY(teacher ? w.connectTeacherPano() : w.connectStudentPano());
        ui->tabWidget->setCurrentWidget(teacher ? ui->tab_teacher : ui->tab_student);
        w->tracking_status_received = w->student_tracking_status_received = false;
        if (teacher)
            w->visca_replies->slot_response_timeout_tip();
        else
            w->visca_replies->slot_student_response_timeout_tip();
        QVERIFY(obtain->isEnabled());
        QVERIFY(apply->isEnabled());
        QVERIFY(showRegion->isEnabled());
    }

    // A model reply of the feature camera sets the PTZ target of the entry already chosen.
    void modelReplySetsPresetFlags_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("prefix");
        QTest::addColumn<bool>("toPano");
        QTest::newRow("J57") << QByteArray::fromHex("905000000000" "4A57" "FF") << false << true;
        QTest::newRow("M19") << QByteArray::fromHex("905000000000" "4D19" "FF") << true << true;
        QTest::newRow("R6") << QByteArray::fromHex("905000000000" "5206" "FF") << true << false;
    }
    void modelReplySetsPresetFlags()
    {
        QFETCH(QByteArray, reply);
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        const QString teacherFeature = QStringLiteral("127.0.0.4");
        const QString studentFeature = QStringLiteral("127.0.0.5");
        QVERIFY(camslot::attach(*w.window, camslot::Slot::TeacherFeature, teacherFeature));
        QVERIFY(camslot::attach(*w.window, camslot::Slot::StudentFeature, studentFeature));
        ui->follow_mode_radioButton->click();
        ui->teacher_preset_list->setCurrentIndex(5);
        ui->student_preset_list->setCurrentIndex(1);
        QVERIFY(!w->teacher_ptz_to_pano && !w->teacher_ptz_pano_prefix && !w->student_ptz_pano_prefix);

        ViscaReplyOrigin origin;
        origin.sender = QHostAddress(teacherFeature);
        origin.sender_port = 1259;
        w->visca_replies->check_role_reply(reply, origin);
        QTEST(w->teacher_ptz_pano_prefix, "prefix");
        QTEST(w->teacher_ptz_to_pano, "toPano");
        origin.sender = QHostAddress(studentFeature);
        w->visca_replies->check_role_reply(reply, origin);
        QTEST(w->student_ptz_pano_prefix, "prefix");
    }

private:
    std::unique_ptr<SimCamera> teacherCamera;
    std::unique_ptr<SimCamera> studentCamera;
};

QTEST_MAIN(tst_TrackingCommands)
#include "tst_tracking_commands.moc"
