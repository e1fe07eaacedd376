// The parser of text answers (resolver_param): which case an answer is, what each case sets,
// the echoes that confirm a request, and the follow-up requests that a status answer chains;
// set and get round trips through a simulated camera.
#include "camera_slot_setup.h"
#include "core/time_scale.h"
#include "guide/guideconfig.h"
#include "log_capture.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "sim_camera.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QHostAddress>
#include <QTimer>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

using camslot::Slot;

namespace {
constexpr int kReplyMs = 3000; // loopback answers within milliseconds; this only bounds a failure
} // namespace

// The main window with the slots the parser runs by name and that come with other features
// (the pano connect toggles): here they only record a call.
class ProbeWindow : public MainWindow
{
    Q_OBJECT
public:
    QStringList calls;
public slots:
    void teacher_pano_connect_toggle() { calls << QStringLiteral("teacher pano toggle"); }
    void student_pano_connect_toggle() { calls << QStringLiteral("student pano toggle"); }
    void board_pano_connect_toggle() { calls << QStringLiteral("board pano toggle"); }
};

class tst_ReplyParser : public QObject
{
    Q_OBJECT

    std::unique_ptr<RecordingPresenter> boxes;
    std::unique_ptr<ProbeWindow> window;
    ProbeWindow *w = nullptr;

    void parse(const QByteArray &reply) { w->resolver_param(reply); }

    // The text commands a camera received, in order.
    static QStringList texts(const SimCamera &camera)
    {
        QStringList out;
        for (const SimMessage &m : camera.received()) {
            if (m.isText())
                out << m.text();
        }
        return out;
    }

    // Follow-up requests the parser sent (by their log lines; no camera is needed for them).
    static QStringList sentTexts(const LogCapture &log)
    {
        QStringList out;
        for (const QString &line : log.lines()) {
            if (line.startsWith(QLatin1String("MainWindow::sendMsg_Net[")) && line.endsWith(QLatin1String("flag[false]")))
                out << line.section(QLatin1String("MainWindow::sendMsg_Net["), 1).section(QLatin1String("],port["), 0, 0);
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.05);
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=2\n"));
        boxes.reset(new RecordingPresenter);
        window.reset(new ProbeWindow);
        w = window.get();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        // The answered flags are what these tests look at: the request poller, which ends the
        // answered requests, stays out of the way.
        w->parameter_requests->findChild<QTimer *>()->stop();
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
        w->control_link->reset_links();
        w->teacher_obtain_wait = w->teacher_obtain_ok = w->teacher_apply_wait = w->teacher_apply_ok = false;
        w->student_obtain_wait = w->student_obtain_ok = w->student_apply_wait = w->student_apply_ok = false;
        w->student_silent_obtain_flag = false;
        w->teacher_crop_start_status = w->teacher_crop_stop_status = false;
        w->student_crop_start_status = w->student_crop_stop_status = false;
        w->teacher_crop_status_quiet = w->student_crop_status_quiet = false;
        w->teacher_pano_status_pending = w->student_pano_status_pending = false;
        w->tracking_status_received = w->student_tracking_status_received = false;
        w->teacher_obtain_chain_flag = w->student_obtain_chain_flag = w->board_obtain_chain_flag = false;
        w->teacher_cur_track_status = w->student_cur_track_status = w->board_cur_track_status = 2;
        w->forget_board_tracking_status();
        w->teacher_feature_device_model.clear();
        w->region_editor->region_coord() = {};
        w->ui->groupBox_36->setEnabled(true);
        w->control_link->closeUdpServer();
        w->calls.clear();
        boxes->clear();
    }

    // ---- round trips through a camera ----

    void setThenGet_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::newRow("TCP link") << true;
        QTest::newRow("datagrams") << false;
    }
    void setThenGet()
    {
        QFETCH(bool, tcp);
        SimCamera camera(QStringLiteral("127.0.0.2"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.2"), tcp));

        w->teacher_apply_wait = true;
        w->sendMsg_Net(w->teacher_pano_destination, w->teacher_udp_port,
                       QStringLiteral("teacher_parameter\nset_tracking_config_file\npano_pan_scale=40\npano_tilt_scale=60\n"
                                      "pano_pan_increment=500\npano_tilt_increment=200\npano_shield_enable=1010"),
                       false);
        QTRY_VERIFY_WITH_TIMEOUT(w->teacher_apply_ok, kReplyMs);
        QVERIFY(!w->teacher_obtain_ok);
        QCOMPARE(camera.value(QStringLiteral("teacher_parameter"), QStringLiteral("pano_tilt_scale")), QStringLiteral("60"));

        w->teacher_apply_wait = false;
        w->teacher_obtain_wait = true;
        w->sendMsg_Net(w->teacher_pano_destination, w->teacher_udp_port,
                       QStringLiteral("teacher_parameter\nget_tracking_config_file"), false);
        QTRY_VERIFY_WITH_TIMEOUT(w->teacher_obtain_ok, kReplyMs);
        const region_geometry::RegionRect expected{40, 60, 500, 200};
        QCOMPARE(w->region_editor->region_coord().tracking, expected);
        QCOMPARE(w->region_editor->region_coord().pano_shield_enable, QStringLiteral("1010"));
        // Nothing was chained: no status answer started a chain.
        QCOMPARE(texts(camera).size(), 2);
    }

    void studentEchoes()
    {
        SimCamera camera(QStringLiteral("127.0.0.3"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::StudentPano, QStringLiteral("127.0.0.3"), true));
        w->student_apply_wait = true;
        w->sendMsg_Net(w->student_pano_destination, w->student_udp_port,
                       QStringLiteral("student_parameter\nset_tracking_config_file\nstudent_sensitivity=3"), false);
        QTRY_VERIFY_WITH_TIMEOUT(w->student_apply_ok, kReplyMs);
        w->student_apply_wait = false;
        w->student_obtain_wait = true;
        w->sendMsg_Net(w->student_pano_destination, w->student_udp_port,
                       QStringLiteral("student_parameter\nget_tracking_config_file"), false);
        QTRY_VERIFY_WITH_TIMEOUT(w->student_obtain_ok, kReplyMs);
        QVERIFY(!w->teacher_obtain_ok && !w->teacher_apply_ok);
    }

    // A status answer asks for the section's configuration, and that answer for the director
    // configuration, once.
    void statusChain_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<QString>("section");
        QTest::newRow("teacher, TCP") << int(Slot::TeacherPano) << true << "teacher_parameter";
        QTest::newRow("teacher, datagrams") << int(Slot::TeacherPano) << false << "teacher_parameter";
        QTest::newRow("student, TCP") << int(Slot::StudentPano) << true << "student_parameter";
        QTest::newRow("board, datagrams") << int(Slot::BoardPano) << false << "board_parameter";
    }
    void statusChain()
    {
        QFETCH(int, slot);
        QFETCH(bool, tcp);
        QFETCH(QString, section);
        SimCamera camera(QStringLiteral("127.0.0.4"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        camera.setTrackingStatus(section, QStringLiteral("start"));
        QVERIFY(camslot::attach(*w, Slot(slot), QStringLiteral("127.0.0.4"), tcp));
        // Each pano waits on its own timer.
        w->response_timeout_timer->start();
        w->student_response_timeout_timer->start();

        const int port = Slot(slot) == Slot::StudentPano ? w->student_udp_port : w->teacher_udp_port;
        w->sendMsg_Net(camslot::destination(*w, Slot(slot)), port, section + QStringLiteral("\nget_tracking_status"), false);
        const QStringList chain{section + QStringLiteral("\nget_tracking_status"),
                                section + QStringLiteral("\nget_tracking_config_file"),
                                section + QStringLiteral("\nget_director_config_file")};
        QTRY_COMPARE_WITH_TIMEOUT(texts(camera).size(), 3, kReplyMs);
        // The director answer asks for nothing more.
        QTest::qWait(100);
        QCOMPARE(texts(camera), chain);
        QVERIFY(!w->teacher_obtain_chain_flag && !w->student_obtain_chain_flag && !w->board_obtain_chain_flag);
        if (Slot(slot) == Slot::TeacherPano) {
            QCOMPARE(w->teacher_cur_track_status, 1);
            QVERIFY(w->tracking_status_received);
            QVERIFY(!w->response_timeout_timer->isActive());
            QVERIFY(w->student_response_timeout_timer->isActive()); // the student pano still owes its answer
        } else if (Slot(slot) == Slot::StudentPano) {
            QCOMPARE(w->student_cur_track_status, 1);
            QVERIFY(w->student_tracking_status_received);
            QVERIFY(!w->student_response_timeout_timer->isActive());
            QVERIFY(w->response_timeout_timer->isActive()); // the teacher pano still owes its answer
        } else {
            QCOMPARE(w->board_cur_track_status, 1);
        }
        w->response_timeout_timer->stop();
        w->student_response_timeout_timer->stop();
    }

    // ---- tracking status answers ----

    void trackingStatus_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("teacherPending");
        QTest::addColumn<bool>("studentPending");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("teacherStatus");
        QTest::addColumn<int>("studentStatus");
        QTest::addColumn<int>("boardStatus");
        QTest::addColumn<QStringList>("followUps");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("mismatch");
        QTest::addColumn<bool>("groupBox36");

        const QStringList teacherFollowUp{"teacher_parameter\nget_tracking_config_file"};
        const QStringList studentFollowUp{"student_parameter\nget_tracking_config_file"};
        QTest::newRow("teacher start") << QByteArray("teacher_parameter\nteacher_tracking_status=start") << false << false << ""
                                       << 1 << 2 << 2 << teacherFollowUp << QStringList{} << false << true;
        QTest::newRow("teacher start, lectern model") << QByteArray("teacher_parameter\nteacher_tracking_status=start") << false << false << "M19"
                                                      << 1 << 2 << 2 << teacherFollowUp << QStringList{} << false << false;
        QTest::newRow("start and stop: stopped") << QByteArray("teacher_parameter\nteacher_tracking_status=start,stop") << false << false << ""
                                                 << 2 << 2 << 2 << teacherFollowUp << QStringList{} << false << true;
        QTest::newRow("teacher error after a connect") << QByteArray("teacher_parameter\nteacher_tracking_status=error") << true << false << ""
                                                       << 2 << 2 << 2 << QStringList{} << QStringList{"teacher pano toggle"} << true << true;
        QTest::newRow("teacher error at another time") << QByteArray("teacher_parameter\nteacher_tracking_status=error") << false << false << ""
                                                       << 2 << 2 << 2 << teacherFollowUp << QStringList{} << false << true;
        QTest::newRow("student start") << QByteArray("student_parameter\nstudent_tracking_status=start") << false << false << ""
                                       << 2 << 1 << 2 << studentFollowUp << QStringList{} << false << true;
        QTest::newRow("student error after a connect") << QByteArray("student_parameter\nstudent_tracking_status=error") << false << true << ""
                                                       << 2 << 2 << 2 << QStringList{} << QStringList{"student pano toggle"} << true << true;
        QTest::newRow("teacher and student in one answer")
            << QByteArray("teacher_parameter\nteacher_tracking_status=start\nstudent_parameter\nstudent_tracking_status=start")
            << false << false << "" << 1 << 1 << 2 << (teacherFollowUp + studentFollowUp) << QStringList{} << false << true;
        QTest::newRow("teacher mismatch ends the answer")
            << QByteArray("teacher_parameter\nteacher_tracking_status=error\nstudent_parameter\nstudent_tracking_status=start")
            << true << false << "" << 2 << 2 << 2 << QStringList{} << QStringList{"teacher pano toggle"} << true << true;
        QTest::newRow("board start") << QByteArray("board_parameter\nboard_tracking_status=start") << false << false << ""
                                     << 2 << 2 << 1 << QStringList{"board_parameter\nget_tracking_config_file"} << QStringList{} << false << true;
        QTest::newRow("board stop") << QByteArray("board_parameter\nboard_tracking_status=stop") << false << false << ""
                                    << 2 << 2 << 2
                                    << QStringList{"board_parameter\nset_tracking_config_command\ncommand=stop",
                                                   "board_parameter\nget_tracking_config_file"}
                                    << QStringList{} << false << true;
        QTest::newRow("board error, always a mismatch") << QByteArray("board_parameter\nboard_tracking_status=error") << false << false << ""
                                                        << 2 << 2 << 2 << QStringList{} << QStringList{"board pano toggle"} << true << true;
    }
    void trackingStatus()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, teacherPending);
        QFETCH(bool, studentPending);
        QFETCH(QString, model);
        QFETCH(int, teacherStatus);
        QFETCH(int, studentStatus);
        QFETCH(int, boardStatus);
        QFETCH(QStringList, followUps);
        QFETCH(QStringList, calls);
        QFETCH(bool, mismatch);
        QFETCH(bool, groupBox36);

        // The pano cameras are connected (without a camera behind them: the follow-ups are
        // seen in the log).
        w->udp_teacher_pano_flag = w->udp_student_pano_flag = w->udp_board_pano_flag = true;
        w->teacher_pano_status_pending = teacherPending;
        w->student_pano_status_pending = studentPending;
        w->teacher_feature_device_model = model;
        LogCapture log;
        parse(reply);
        w->udp_teacher_pano_flag = w->udp_student_pano_flag = w->udp_board_pano_flag = false;

        QCOMPARE(w->teacher_cur_track_status, teacherStatus);
        QCOMPARE(w->student_cur_track_status, studentStatus);
        QCOMPARE(w->board_cur_track_status, boardStatus);
        QCOMPARE(sentTexts(log), followUps);
        QCOMPARE(w->calls, calls);
        QCOMPARE(boxes->texts().contains(QStringLiteral("Connection types do not match")), mismatch);
        if (mismatch)
            QCOMPARE(boxes->shown.last().title, QStringLiteral("Warning"));
        QCOMPARE(w->ui->groupBox_36->isEnabled(), groupBox36);
        if (teacherPending && mismatch)
            QVERIFY(!w->teacher_pano_status_pending);
        QCOMPARE(w->teacher_obtain_chain_flag, followUps.contains(QStringLiteral("teacher_parameter\nget_tracking_config_file")));
        QCOMPARE(w->student_obtain_chain_flag, followUps.contains(QStringLiteral("student_parameter\nget_tracking_config_file")));
        QCOMPARE(w->board_obtain_chain_flag, followUps.contains(QStringLiteral("board_parameter\nget_tracking_config_file")));
    }

    // A pano that is not connected any more is not toggled (which would connect it).
    void mismatchOfADisconnectedPano()
    {
        w->teacher_pano_status_pending = true;
        parse("teacher_parameter\nteacher_tracking_status=error");
        QCOMPARE(w->calls, QStringList{});
        QCOMPARE(boxes->texts(), QStringList{QStringLiteral("Connection types do not match")});
    }

    // ---- crop status ----

    void cropStatus_data()
    {
        QTest::addColumn<bool>("teacher");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("quiet");
        QTest::addColumn<bool>("startBefore");
        QTest::addColumn<bool>("start");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QStringList>("tips");
        QTest::addColumn<bool>("quietAfter");

        const QString on = QStringLiteral("Panorama cropping has been enabled");
        const QString off = QStringLiteral("Panorama cropping has been suspended");
        QTest::newRow("teacher start") << true << QByteArray("teacher_parameter\nteacher_crop_status=start") << false << false
                                       << true << false << QStringList{on} << false;
        QTest::newRow("teacher start after a connect: no tip") << true << QByteArray("teacher_parameter\nteacher_crop_status=start")
                                                              << true << false << true << false << QStringList{} << false;
        QTest::newRow("teacher start again: nothing") << true << QByteArray("teacher_parameter\nteacher_crop_status=start") << false
                                                      << true << true << false << QStringList{} << false;
        QTest::newRow("teacher stop") << true << QByteArray("teacher_parameter\nteacher_crop_status=stop") << false << true
                                      << false << true << QStringList{off} << false;
        QTest::newRow("teacher start and stop") << true << QByteArray("teacher_parameter\nteacher_crop_status=start stop") << false
                                                << false << false << true << QStringList{on, off} << false;
        QTest::newRow("student start") << false << QByteArray("student_parameter\nstudent_crop_status=start") << false << false
                                       << true << false << QStringList{on} << false;
        QTest::newRow("student stop after a connect") << false << QByteArray("student_parameter\nstudent_crop_status=stop") << true
                                                      << true << false << true << QStringList{} << false;
    }
    void cropStatus()
    {
        QFETCH(bool, teacher);
        QFETCH(QByteArray, reply);
        QFETCH(bool, quiet);
        QFETCH(bool, startBefore);
        QFETCH(bool, start);
        QFETCH(bool, stop);
        QFETCH(QStringList, tips);
        QFETCH(bool, quietAfter);

        bool &startStatus = teacher ? w->teacher_crop_start_status : w->student_crop_start_status;
        bool &stopStatus = teacher ? w->teacher_crop_stop_status : w->student_crop_stop_status;
        bool &quietFlag = teacher ? w->teacher_crop_status_quiet : w->student_crop_status_quiet;
        QLabel *label = teacher ? w->ui->teacher_tip_label : w->ui->student_tip_label;
        startStatus = startBefore;
        quietFlag = quiet;
        QStringList shown;
        QTimer watch; // the tip shows during the parse, which waits
        connect(&watch, &QTimer::timeout, [&] {
            if (!label->isHidden() && (shown.isEmpty() || shown.last() != label->text()))
                shown << label->text();
        });
        watch.start(1);
        parse(reply);
        watch.stop();
        QCOMPARE(shown, tips);
        QVERIFY(label->isHidden());
        QCOMPARE(startStatus, start);
        QCOMPARE(stopStatus, stop);
        QCOMPARE(quietFlag, quietAfter);
        // The other side is untouched.
        QVERIFY(!(teacher ? w->student_crop_start_status : w->teacher_crop_start_status));
    }

    // ---- echoes and sections ----

    void echoes_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("pending"); // "teacher obtain", "teacher apply", "student obtain", "student apply" or ""
        QTest::addColumn<QString>("answered");

        QTest::newRow("teacher apply confirmed") << QByteArray("teacher_parameter\nset_teacher_config_file") << "teacher apply" << "teacher apply";
        QTest::newRow("confirmation with nothing pending") << QByteArray("teacher_parameter\nset_teacher_config_file") << "" << "";
        QTest::newRow("teacher obtain answered") << QByteArray("teacher_parameter\nget_tracking_config_file\npano_sensitivity=2") << "teacher obtain" << "teacher obtain";
        QTest::newRow("director answer of the teacher pano") << QByteArray("teacher_parameter\ndirector_parameter\nget_director_config_file") << "teacher obtain" << "teacher obtain";
        QTest::newRow("student apply confirmed") << QByteArray("student_parameter\nset_student_config_file") << "student apply" << "student apply";
        QTest::newRow("student obtain answered") << QByteArray("student_parameter\nget_tracking_config_file") << "student obtain" << "student obtain";
        QTest::newRow("a student answer does not answer the teacher") << QByteArray("student_parameter\nget_tracking_config_file") << "teacher obtain" << "";
        QTest::newRow("board answer relayed by the teacher pano")
            << QByteArray("teacher_parameter\nboard_parameter\nget_tracking_config_file") << "teacher obtain" << "teacher obtain";
        // A relayed board answer nobody waits for (a late one) answers nothing.
        QTest::newRow("late board answer relayed by the teacher pano")
            << QByteArray("teacher_parameter\nboard_parameter\nget_tracking_config_file") << "" << "";
        QTest::newRow("confirmation of an apply while only the obtain waits")
            << QByteArray("teacher_parameter\nset_teacher_config_file") << "teacher obtain" << "";
        QTest::newRow("board answer relayed by the teacher pano, an apply pending")
            << QByteArray("teacher_parameter\nboard_parameter\nget_tracking_config_file") << "teacher apply" << "";
    }
    void echoes()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, pending);
        QFETCH(QString, answered);
        w->teacher_obtain_wait = pending == QLatin1String("teacher obtain");
        w->teacher_apply_wait = pending == QLatin1String("teacher apply");
        w->student_obtain_wait = pending == QLatin1String("student obtain");
        w->student_apply_wait = pending == QLatin1String("student apply");
        parse(reply);
        QCOMPARE(w->teacher_obtain_ok, answered == QLatin1String("teacher obtain"));
        QCOMPARE(w->teacher_apply_ok, answered == QLatin1String("teacher apply"));
        QCOMPARE(w->student_obtain_ok, answered == QLatin1String("student obtain"));
        QCOMPARE(w->student_apply_ok, answered == QLatin1String("student apply"));
    }

    // The teacher section's keys are read whatever their order; a teacher answer with a
    // director section is not read as the teacher's.
    void teacherRegionKeys_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("read");
        QTest::newRow("in the order sent") << QByteArray("teacher_parameter\nget_tracking_config_file\npano_pan_scale=20\npano_tilt_scale=80\npano_pan_increment=610\npano_tilt_increment=80") << true;
        QTest::newRow("in another order") << QByteArray("pano_tilt_increment=80\npano_pan_increment=610\nteacher_parameter\npano_tilt_scale=80\nget_tracking_config_file\npano_pan_scale=20") << true;
        QTest::newRow("last value without a line feed, then a zero byte") << QByteArray("teacher_parameter\npano_pan_scale=20\npano_tilt_scale=80\npano_pan_increment=610\npano_tilt_increment=80\0" "99", 103) << true;
        QTest::newRow("director section") << QByteArray("teacher_parameter\ndirector_parameter\npano_pan_scale=20\npano_tilt_scale=80\npano_pan_increment=610\npano_tilt_increment=80") << false;
        QTest::newRow("tracking status") << QByteArray("teacher_parameter\nteacher_tracking_status=stop\npano_pan_scale=20\npano_tilt_scale=80\npano_pan_increment=610\npano_tilt_increment=80") << false;
    }
    void teacherRegionKeys()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, read);
        parse(reply);
        const region_geometry::RegionRect expected = read ? region_geometry::RegionRect{20, 80, 610, 80} : region_geometry::RegionRect{};
        QCOMPARE(w->region_editor->region_coord().tracking, expected);
    }

    // The board settings a teacher pano relays set the board tab; absent keys leave it.
    void boardRelayed_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("second");
        QTest::addColumn<int>("delay");
        QTest::newRow("both on") << QByteArray("board_feature_enable=1\nboard_feature1_enable=1\nboard_lost_to_pano_delay=7") << true << true << 7;
        QTest::newRow("second off") << QByteArray("board_feature_enable=1\nboard_feature1_enable=0\nboard_lost_to_pano_delay=12") << true << false << 12;
        QTest::newRow("anything else is off") << QByteArray("board_feature_enable=x\nboard_feature1_enable=") << false << false << 3;
        QTest::newRow("keys absent") << QByteArray() << true << false << 3;
    }
    void boardRelayed()
    {
        QFETCH(QByteArray, keys);
        QFETCH(bool, first);
        QFETCH(bool, second);
        QFETCH(int, delay);
        w->ui->board_enable_checkBox->setChecked(true);
        w->ui->board_enable_checkBox_2->setChecked(false);
        w->ui->board_lost_pano_delay_label->setValue(3);
        w->parameter_requests->arm(request_poller::Kind::TeacherObtain);
        parse("teacher_parameter\nboard_parameter\nget_tracking_config_file\n" + keys);
        QCOMPARE(w->ui->board_enable_checkBox->isChecked(), first);
        QCOMPARE(w->ui->board_enable_checkBox_2->isChecked(), second);
        QCOMPARE(w->ui->board_lost_pano_delay_label->value(), delay);
        QVERIFY(w->teacher_obtain_ok);
    }

    void autocalibration_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("obtain");
        QTest::newRow("success") << QByteArray("student_parameter\nstudent_autocalibrate_status=success") << true;
        QTest::newRow("failure") << QByteArray("student_parameter\nstudent_autocalibrate_status=fail:no target") << false;
    }
    void autocalibration()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, obtain);
        QVERIFY(camslot::attach(*w, Slot::StudentPano, QStringLiteral("127.0.0.3")));
        QSignalSpy failed(w, &MainWindow::autocalibrate_update_fail);
        LogCapture log;
        parse(reply);
        // A success reads the points back with a quiet obtain.
        QCOMPARE(w->student_obtain_wait, obtain);
        QCOMPARE(w->student_silent_obtain_flag, obtain);
        QCOMPARE(sentTexts(log), obtain ? QStringList{QStringLiteral("student_parameter\nget_tracking_config_file")}
                                        : QStringList{});
        QCOMPARE(failed.size(), obtain ? 0 : 1);
    }

    // An answer that matches no case changes nothing.
    void unmatchedAnswer()
    {
        w->teacher_obtain_wait = w->student_obtain_wait = true;
        LogCapture log;
        parse("hello camera");
        parse(QByteArray());
        QVERIFY(!w->teacher_obtain_ok && !w->student_obtain_ok);
        QCOMPARE(sentTexts(log), QStringList{});
        QCOMPARE(boxes->shown.size(), 0);
    }
};

QTEST_MAIN(tst_ReplyParser)
#include "tst_reply_parser.moc"
