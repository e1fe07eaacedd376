// The Board and Director tabs against simulated cameras on loopback: the director settings
// round-trip through both pano cameras, a silent student pano camera, the board settings
// through the teacher pano camera, the board pano camera's chain of answers, and a board pano
// camera that answers every command with a status.
#include "camera_slot_setup.h"
#include "core/time_scale.h"
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

namespace {

constexpr int kReplyMs = 3000; // loopback answers within milliseconds; this only bounds a failure
constexpr int kSettleMs = 200; // long enough for a loop of answers on loopback to show itself

const QString kTeacherPano = QStringLiteral("127.0.0.3");
const QString kStudentPano = QStringLiteral("127.0.0.5");
const QString kBoardPano = QStringLiteral("127.0.0.7");

int countReceived(const SimCamera &camera, const QString &text)
{
    int n = 0;
    for (const SimMessage &m : camera.received()) {
        if (m.isText() && m.text().contains(text))
            ++n;
    }
    return n;
}

int countText(const SimCamera &camera)
{
    int n = 0;
    for (const SimMessage &m : camera.received()) {
        if (m.isText())
            ++n;
    }
    return n;
}

} // namespace

class tst_BoardDirectorCameras : public QObject
{
    Q_OBJECT

    std::unique_ptr<RecordingPresenter> boxes;
    std::unique_ptr<MainWindow> window;
    MainWindow *w = nullptr;
    std::unique_ptr<SimCamera> teacherPano, studentPano, boardPano;

    Ui::MainWindow *ui() const { return w->ui; }

    // The poller's boxes so far.
    QStringList outcomes() const { return boxes->texts(); }

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.05);
        // Six cameras: the Board tab with both blackboard cameras.
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"));
        boxes.reset(new RecordingPresenter);
        window.reset(new MainWindow);
        w = window.get();
        // A hidden main window hands every text answer to the wizard.
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        teacherPano.reset(new SimCamera(kTeacherPano, QStringLiteral("J57")));
        studentPano.reset(new SimCamera(kStudentPano, QStringLiteral("J57")));
        boardPano.reset(new SimCamera(kBoardPano, QStringLiteral("J57")));
        for (SimCamera *c : {teacherPano.get(), studentPano.get(), boardPano.get()})
            QVERIFY2(c->start(), qPrintable(c->lastError()));
    }

    void cleanupTestCase()
    {
        if (window) {
            camslot::detachAll(*w);
            delete window->guide_config;
        }
        window.reset();
    }

    void init()
    {
        camslot::detachAll(*w);
        for (SimCamera *c : {teacherPano.get(), studentPano.get(), boardPano.get()}) {
            c->setFault(SimFault::None);
            c->setResponder(nullptr);
            c->clearRecords();
        }
        w->parameter_requests->clear();
        w->board_obtain_chain_flag = false;
        w->board_cur_track_status = 2;
        w->forget_board_tracking_status();
        w->control_link->closeUdpServer();
        boxes->clear();
    }

    // Apply writes the tab into both pano cameras; Obtain brings it back from them.
    void directorRoundTrip()
    {
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, kTeacherPano));
        QVERIFY(camslot::attach(*w, Slot::StudentPano, kStudentPano));
        ui()->director_default_Button->click();
        ui()->director_strategy_external_radioButton->click();
        ui()->director_command_type_ascii_radioButton->click();
        ui()->director_protocol_tcp_radioButton->setChecked(true);
        ui()->director_code_send_mode_triple_radioButton->setChecked(true);
        ui()->director_server_IP_Edit->setText(QStringLiteral("127.0.0.9"));
        ui()->director_server_Port_Edit->setText(QStringLiteral("12777"));
        ui()->director_external_teacher_still_checkBox->setChecked(false);
        ui()->director_external_teacher_still_lineEdit->setText(QStringLiteral("TEACHER STILL"));
        ui()->director_external_student_sat_down_checkBox->setChecked(false);
        ui()->director_external_student_stood_up_lineEdit->setText(QStringLiteral("STUDENT UP"));
        ui()->director_external_board_none_action_lineEdit->setText(QStringLiteral("NO BOARD"));
        ui()->director_interior_teacher_pano_lineEdit->setText(QStringLiteral("PANO VIEW"));
        ui()->director_interior_board_blackboard_checkBox_3->setChecked(false);
        ui()->director_keep_interval_label->setValue(4);
        ui()->director_interior_min_switch_time_Slider->setValue(6);

        ui()->director_apply_Button->click();
        QCOMPARE(ui()->director_apply_Button->text(), QStringLiteral("Apply"));
        QTRY_COMPARE_WITH_TIMEOUT(outcomes(),
                                  (QStringList{QStringLiteral("teacher apply success"), QStringLiteral("student apply success")}),
                                  kReplyMs);
        for (SimCamera *c : {teacherPano.get(), studentPano.get()}) {
            const SimParameterStore director = c->section(QStringLiteral("director_parameter"));
            QCOMPARE(director.value(QStringLiteral("director_strategy")), QStringLiteral("0"));
            QCOMPARE(director.value(QStringLiteral("command_mode")), QStringLiteral("1"));
            QCOMPARE(director.value(QStringLiteral("extern_director_teacher_enable")), QStringLiteral("10111"));
            QCOMPARE(director.value(QStringLiteral("teacher_keep_stand")), QStringLiteral("TEACHER STILL"));
            QCOMPARE(director.value(QStringLiteral("blackboard_director_enable")), QStringLiteral("10"));
            QCOMPARE(director.value(QStringLiteral("inner_director_enable")), QStringLiteral("11110"));
            QCOMPARE(director.value(QStringLiteral("min_switch_time")), QStringLiteral("6"));
        }
        QCOMPARE(countReceived(*teacherPano, QStringLiteral("teacher_parameter\ndirector_parameter\nset_director_config_file\n")), 1);
        QCOMPARE(countReceived(*studentPano, QStringLiteral("student_parameter\ndirector_parameter\nset_director_config_file\n")), 1);

        // Back to the defaults in the tab, then read the cameras.
        ui()->director_default_Button->click();
        ui()->director_command_type_hex_radioButton->click();
        boxes->clear();
        ui()->director_obtain_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(outcomes(),
                                  (QStringList{QStringLiteral("teacher obtain success"), QStringLiteral("student obtain success")}),
                                  kReplyMs);
        QVERIFY(ui()->director_strategy_external_radioButton->isChecked());
        QVERIFY(ui()->director_command_type_ascii_radioButton->isChecked());
        QVERIFY(ui()->director_protocol_tcp_radioButton->isChecked());
        QVERIFY(ui()->director_code_send_mode_triple_radioButton->isChecked());
        QCOMPARE(ui()->director_server_IP_Edit->text(), QStringLiteral("127.0.0.9"));
        QCOMPARE(ui()->director_server_Port_Edit->text(), QStringLiteral("12777"));
        QVERIFY(!ui()->director_external_teacher_still_checkBox->isChecked());
        QCOMPARE(ui()->director_external_teacher_still_lineEdit->text(), QStringLiteral("TEACHER STILL"));
        QVERIFY(!ui()->director_external_student_sat_down_checkBox->isChecked());
        QCOMPARE(ui()->director_external_student_stood_up_lineEdit->text(), QStringLiteral("STUDENT UP"));
        QCOMPARE(ui()->director_external_board_none_action_lineEdit->text(), QStringLiteral("NO BOARD"));
        QCOMPARE(ui()->director_interior_teacher_pano_lineEdit->text(), QStringLiteral("PANO VIEW"));
        QVERIFY(!ui()->director_interior_board_blackboard_checkBox_3->isChecked());
        QVERIFY(ui()->director_interior_board_blackboard_checkBox_2->isChecked());
        QCOMPARE(ui()->director_keep_interval_label->value(), 4);
        QCOMPARE(ui()->director_interior_min_switch_time_label->text(), QStringLiteral("6"));
        QCOMPARE(ui()->director_interior_min_switch_time_Slider->value(), 6);
        // ASCII codes once more: the fields take any text.
        QLineEdit *code = ui()->director_switch_auto_lineEdit;
        code->clear();
        QTest::keyClicks(code, QStringLiteral("Go-on"));
        QCOMPARE(code->text(), QStringLiteral("Go-on"));
    }

    // The teacher side is served and reported; the silent student side fails on its own.
    void silentStudentPano()
    {
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, kTeacherPano));
        QVERIFY(camslot::attach(*w, Slot::StudentPano, kStudentPano));
        studentPano->setFault(SimFault::Silent);
        ui()->director_apply_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(outcomes(),
                                  (QStringList{QStringLiteral("teacher apply success"), QStringLiteral("student apply fail")}),
                                  kReplyMs * 3);
        QCOMPARE(countReceived(*studentPano, QStringLiteral("set_director_config_file")), 1);
        QCOMPARE(boxes->shown.last().title, QStringLiteral("Warning"));

        boxes->clear();
        ui()->director_obtain_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(outcomes(),
                                  (QStringList{QStringLiteral("teacher obtain success"), QStringLiteral("student obtain fail")}),
                                  kReplyMs * 3);
    }

    // Only the student pano camera: the teacher warning first, the student block still goes.
    void onlyStudentPano()
    {
        QVERIFY(camslot::attach(*w, Slot::StudentPano, kStudentPano));
        ui()->director_apply_Button->click();
        QCOMPARE(outcomes().value(0), QStringLiteral("Please connect the teacher pano camera"));
        QVERIFY(!w->teacher_apply_wait);
        QTRY_COMPARE_WITH_TIMEOUT(outcomes(),
                                  (QStringList{QStringLiteral("Please connect the teacher pano camera"),
                                               QStringLiteral("student apply success")}),
                                  kReplyMs);
        QCOMPARE(countText(*teacherPano), 0);
    }

    // Board Apply and Obtain go through the teacher pano camera.
    void boardThroughTeacherPano()
    {
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, kTeacherPano));
        ui()->board_feature_IP_Edit->setText(QStringLiteral("127.0.0.6/left board"));
        ui()->board_pano_IP_Edit->setText(QStringLiteral("127.0.0.7"));
        ui()->board_enable_checkBox->setChecked(false);
        ui()->board_enable_checkBox_2->setChecked(true);
        ui()->board_lost_pano_delay_label->setValue(45);
        ui()->board_apply_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(outcomes(), QStringList{QStringLiteral("teacher apply success")}, kReplyMs);
        QCOMPARE(countReceived(*teacherPano, QStringLiteral(
                                                 "teacher_parameter\nboard_parameter\nset_tracking_config_file\n"
                                                 "board_feature_ip=127.0.0.6\nboard_feature1_ip=127.0.0.7\n"
                                                 "board_feature_enable=0\nboard_feature1_enable=1\n"
                                                 "board_lost_to_pano_delay=45\n")),
                 1);
        const SimParameterStore board = teacherPano->section(QStringLiteral("board_parameter"));
        QCOMPARE(board.value(QStringLiteral("board_feature_ip")), QStringLiteral("127.0.0.6"));
        QCOMPARE(board.value(QStringLiteral("board_lost_to_pano_delay")), QStringLiteral("45"));

        ui()->board_enable_checkBox->setChecked(true);
        ui()->board_enable_checkBox_2->setChecked(false);
        ui()->board_lost_pano_delay_label->setValue(30);
        boxes->clear();
        ui()->board_obtain_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(outcomes(), QStringList{QStringLiteral("teacher obtain success")}, kReplyMs);
        QVERIFY(!ui()->board_enable_checkBox->isChecked());
        QVERIFY(ui()->board_enable_checkBox_2->isChecked());
        QCOMPARE(ui()->board_lost_pano_delay_label->value(), 45);
    }

    // A board answer of the teacher pano camera counts only for a pending obtain: one that
    // comes unasked cannot end the next obtain as a success.
    void unaskedBoardAnswer()
    {
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, kTeacherPano));
        QVERIFY(teacherPano->pushDatagram(false, "teacher_parameter\nboard_parameter\nget_tracking_config_file\n"
                                                 "board_lost_to_pano_delay=77",
                                          QHostAddress(QStringLiteral("127.0.0.1")), 7791));
        QTRY_COMPARE_WITH_TIMEOUT(ui()->board_lost_pano_delay_label->value(), 77, kReplyMs);
        QVERIFY(!w->teacher_obtain_ok);
        teacherPano->setFault(SimFault::Silent);
        ui()->board_obtain_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(outcomes(), QStringList{QStringLiteral("teacher obtain fail")}, kReplyMs * 3);
    }

    // The board pano camera's status answer asks for its block, and its block for its director
    // block: the Board tab and the blackboard codes are filled from the camera.
    void boardPanoChain()
    {
        QVERIFY(camslot::attach(*w, Slot::BoardPano, kBoardPano));
        boardPano->setValue(QStringLiteral("board_parameter"), QStringLiteral("pano_sensitivity"), QStringLiteral("2"));
        boardPano->setValue(QStringLiteral("board_parameter"), QStringLiteral("time_delay"), QStringLiteral("9"));
        boardPano->setValue(QStringLiteral("board_parameter"), QStringLiteral("multi_object_strategy"), QStringLiteral("1"));
        boardPano->setValue(QStringLiteral("board_parameter"), QStringLiteral("pano_pan_scale"), QStringLiteral("100"));
        boardPano->setValue(QStringLiteral("board_parameter"), QStringLiteral("pano_tilt_scale"), QStringLiteral("51"));
        boardPano->setValue(QStringLiteral("board_parameter"), QStringLiteral("pano_pan_increment"), QStringLiteral("200"));
        boardPano->setValue(QStringLiteral("board_parameter"), QStringLiteral("pano_tilt_increment"), QStringLiteral("99"));
        boardPano->setValue(QStringLiteral("board_parameter"), QStringLiteral("pano_shield_enable"), QStringLiteral("1010"));
        boardPano->setValue(QStringLiteral("board_parameter"), QStringLiteral("pano_version"), QStringLiteral("B-PANO 2.0"));
        boardPano->setValue(QStringLiteral("director_parameter"), QStringLiteral("blackboard_have_object_tracked"),
                            QStringLiteral("FF 03 00 00 00 41"));
        boardPano->setValue(QStringLiteral("director_parameter"), QStringLiteral("extern_director_blackboard_enable"),
                            QStringLiteral("01"));
        boardPano->setTrackingStatus(QStringLiteral("board_parameter"), QStringLiteral("stop"));

        w->sendMsg_Net(w->board_pano_destination, w->teacher_udp_port, QStringLiteral("board_parameter\nget_tracking_status"),
                       false);
        QTRY_COMPARE_WITH_TIMEOUT(countReceived(*boardPano, QStringLiteral("get_director_config_file")), 1, kReplyMs);
        QTRY_COMPARE_WITH_TIMEOUT(ui()->director_external_board_have_action_lineEdit->text(),
                                  QStringLiteral("FF 03 00 00 00 41"), kReplyMs);
        QVERIFY(!ui()->director_external_board_have_action_checkBox->isChecked());
        QVERIFY(ui()->director_external_board_none_action_checkBox->isChecked());
        QCOMPARE(ui()->board_sensitivity_Slider->value(), 2);
        QCOMPARE(ui()->board_target_lost_timeout_label->text(), QStringLiteral("9"));
        QVERIFY(ui()->board_multi_object_pano_two_radioButton->isChecked());
        QCOMPARE(ui()->board_version_pano_info_label->text(), QStringLiteral("B-PANO 2.0"));
        QCOMPARE(w->board_track_start, QPoint(95, 377));
        QCOMPARE(w->board_track_end, QPoint(245, 450));
        QVERIFY(ui()->board_shield_one_checkBox->isChecked());
        QVERIFY(!ui()->board_shield_two_checkBox->isChecked());
        QVERIFY(!w->board_obtain_chain_flag);
        QTest::qWait(kSettleMs);
        QCOMPARE(countReceived(*boardPano, QStringLiteral("get_director_config_file")), 1);
    }

    // A board pano camera that answers every command with its tracking status: the reactive
    // stop and the request for its block go out once for each change of the reported status,
    // not for ever; the installer's Start and Stop go out on each click.
    void statusAnsweringCameraDoesNotLoop()
    {
        QVERIFY(camslot::attach(*w, Slot::BoardPano, kBoardPano));
        w->forget_board_tracking_status(); // as the board pano connect leaves it
        boardPano->setResponder([this](const SimMessage &request, const QVector<QByteArray> &) {
            if (!request.isText())
                return QVector<QByteArray>{};
            const QString status = boardPano->trackingStatus(QStringLiteral("board_parameter"));
            return QVector<QByteArray>{QByteArray("board_parameter\nboard_tracking_status=") + status.toLatin1()};
        });
        QPushButton *start = ui()->board_startTrack_Button;
        QPushButton *stop = ui()->board_stopTrack_Button;
        const QString stopCommand = QStringLiteral("command=stop");
        const QString startCommand = QStringLiteral("command=start");
        const QString blockRequest = QStringLiteral("board_parameter\nget_tracking_config_file");
        // The commands the camera has received: once the expected number has come (or the
        // wait for it has been given up), after a pause in which a loop would show itself.
        auto settled = [&](int expected) {
            (void)QTest::qWaitFor([&] { return countText(*boardPano) >= expected; }, kReplyMs);
            QTest::qWait(kSettleMs);
            return countText(*boardPano);
        };

        // Stop: the camera reports "stop", a change from nothing reported: one reactive stop and
        // one request for the block, whose answers report "stop" again.
        stop->setEnabled(true);
        stop->click();
        QCOMPARE(settled(3), 3);
        QCOMPARE(countReceived(*boardPano, stopCommand), 2);
        QCOMPARE(countReceived(*boardPano, blockRequest), 1);
        QCOMPARE(w->board_cur_track_status, 2);

        // Start: a change to "start": the block once more, no stop.
        start->setEnabled(true);
        start->click();
        QCOMPARE(settled(5), 5);
        QCOMPARE(countReceived(*boardPano, startCommand), 1);
        QCOMPARE(countReceived(*boardPano, stopCommand), 2);
        QCOMPARE(countReceived(*boardPano, blockRequest), 2);
        QCOMPARE(w->board_cur_track_status, 1);

        // Stop again: a change back to "stop".
        stop->setEnabled(true);
        stop->click();
        QCOMPARE(settled(8), 8);
        QCOMPARE(countReceived(*boardPano, stopCommand), 4);
        QCOMPARE(countReceived(*boardPano, blockRequest), 3);

        // The same status once more: the click alone.
        stop->click();
        QCOMPARE(settled(9), 9);
        QCOMPARE(countReceived(*boardPano, stopCommand), 5);
        QCOMPARE(countReceived(*boardPano, blockRequest), 3);
        QCOMPARE(w->board_cur_track_status, 2);
        boardPano->setResponder(nullptr);
    }
};

QTEST_MAIN(tst_BoardDirectorCameras)
#include "tst_board_director_cameras.moc"
