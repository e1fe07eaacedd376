// The Teacher and Student tabs and the lectern page without the window, against simulated pano
// cameras and the teacher feature camera's HTTP interface: each button's bytes to its pano (start,
// stop, the configuration switch and its question, pano focus, Obtain with its focus inquiry,
// Apply, the calibration height), a reply's keys into the tab and back out with the next Apply,
// the marks, the modes and preset lists, Default, the faults once mended (a pano gone during a
// wait, replies that must not write back), and the lectern page: what its radio reads, what each
// control posts, the director server, logins, and the area an M19 Apply posts.
#include "core/time_scale.h"
#include "form_rig.h"
#include "log_capture.h"
#include "protocol/parameter_block.h"
#include "protocol/tracking_modes.h"
#include "sim_camera.h"
#include "sim_http.h"
#include "sim_wire.h"
#include "region_views.h"
#include "tabs/lectern_mode.h"
#include "tabs/student_tab.h"
#include "tabs/teacher_tab.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <algorithm>

using camera_slot::Slot;
using request_poller::Kind;

namespace {
const QString kT = QStringLiteral("teacher_parameter\nset_tracking_config_command\ncommand=");
const QString kS = QStringLiteral("student_parameter\nset_tracking_config_command\ncommand=");
const QString kConnect = QStringLiteral("Please connect the camera");
const QString kStopQuestion = QStringLiteral("Unable to update tracking configurations, do you want to stop tracking?");
constexpr int kReplyMs = 3000; // loopback answers at once; this only bounds a failure
constexpr int kAnswerMs = 5000; // the lectern camera's HTTP answers; this only bounds a failure
constexpr int kSilenceMs = 300; // how long a test waits to be sure nothing is sent
const QString kCamera = QStringLiteral("127.0.0.2"); // the teacher feature camera's HTTP interface

// t: the teacher pano (127.0.0.3), s: the student pano (127.0.0.5).
QString panoAddress(QChar side) { return side == QLatin1Char('t') ? "127.0.0.3" : "127.0.0.5"; }

// The teacher regions and the calibration views as the region editor and the manual calibration
// keep them (the views are the boxes on the form); what the tabs ask of them is recorded.
struct Host : TeacherRegions, CalibrationView {
    Ui::MainWindow *ui = nullptr;
    QStringList calls;
    void collect_scene_regions() override { calls << "collect"; }
    teacher_region_keys::ApplyRegions apply_regions() const override { return {}; }
    region_geometry::RegionRect feature_rect() const override { return {10, 20, 300, 200}; }
    void redraw_on_next_reply() override { calls << "redraw"; }
    void read_reply_regions(const QString &) override { calls << "regions"; }
    bool calibration_shown(camera_slot::Side side) const override
    {
        return (side == camera_slot::Side::Teacher ? ui->teacher_show_Calibration_checkBox
                                                   : ui->student_show_Calibration_checkBox)
            ->isChecked();
    }
    void hide_calibration(camera_slot::Side) override {}
};

struct Rig : FormRig {
    Host host;
    int teacherStatus = 2;
    int studentStatus = 2;
    bool loading = false;
    portforward::Fields portFields;
    WindowChoices choices;
    BoardPreviewAreas board;
    LecternMode lectern{CORVANE_FORM_WIDGETS(LecternMode, LECTERN_MODE_WIDGETS, formHost.ui), cameras,
                        &formHost.window};
    TeacherTab teacher{CORVANE_FORM_WIDGETS(TeacherTab, TEACHER_TAB_WIDGETS, formHost.ui),
                       teacher_values,
                       cameras,
                       ports,
                       portFields,
                       choices,
                       link,
                       lectern,
                       host,
                       host,
                       teacherStatus,
                       loading,
                       &formHost.window};
    StudentTab student{CORVANE_FORM_WIDGETS(StudentTab, STUDENT_TAB_WIDGETS, formHost.ui),
                       student_values,
                       teacher_values,
                       student_points,
                       cameras,
                       ports,
                       portFields,
                       link,
                       host,
                       studentStatus,
                       loading,
                       &formHost.window};
    // The student tab's region boxes and calibration height list.
    RegionViews views{*this, choices, board, host};
    StudentRegions &regions = views.regions;
    Rig()
    {
        host.ui = ui;
        // What the tabs tell, recorded; the region boxes and their display box switched by their
        // owners.
        const auto status = [this](int t, bool on) { host.calls << QStringLiteral("tab %1 %2").arg(t).arg(on); };
        QObject::connect(&teacher, &TeacherTab::widget_status_wanted, status);
        QObject::connect(&student, &StudentTab::widget_status_wanted, status);
        const auto tabs = [this](bool on) { host.calls << QStringLiteral("tabs %1").arg(on); };
        QObject::connect(&teacher, &TeacherTab::tabs_enabled_wanted, tabs);
        QObject::connect(&student, &StudentTab::tabs_enabled_wanted, tabs);
        const auto arm = [this](Kind kind, bool silent) {
            const char *names[] = {"teacher obtain", "teacher apply", "student obtain", "student apply"};
            host.calls << QStringLiteral("arm %1%2").arg(names[int(kind)], silent ? " silent" : "");
        };
        QObject::connect(&teacher, &TeacherTab::request_armed, arm);
        QObject::connect(&student, &StudentTab::request_armed, arm);
        QObject::connect(&teacher, &TeacherTab::tracking_switched, [this](camera_slot::Side, bool start) {
            if (ui->teacher_show_region_checkBox->isChecked())
                host.calls << QStringLiteral("region widgets %1").arg(!start);
        });
        const auto displayBox = [this](camera_slot::Side side, bool enable) {
            (side == camera_slot::Side::Teacher ? ui->teacher_show_region_checkBox : ui->student_show_region_checkBox)
                ->setEnabled(enable);
        };
        QObject::connect(&teacher, &TeacherTab::region_display_enabled_wanted, displayBox);
        QObject::connect(&student, &StudentTab::region_display_enabled_wanted, displayBox);
        QObject::connect(&teacher, &TeacherTab::pad_redirection_changed, [this](bool pano, bool crop) {
            host.calls << QStringLiteral("teacher pad %1 %2").arg(pano).arg(crop);
        });
        QObject::connect(&student, &StudentTab::pad_crop_changed,
                         [this](bool crop) { host.calls << QStringLiteral("student pad %1").arg(crop); });
        QObject::connect(&student, &StudentTab::board_controls_disable_wanted, [this] { host.calls << "no board"; });
        QObject::connect(&student, &StudentTab::autocalibrate_failed, [this] { host.calls << "calibration failed"; });
        QObject::connect(&student, &StudentTab::regions_read, &regions, &StudentRegions::student_regions_read);
        QObject::connect(&student, &StudentTab::people_number_read, &regions, &StudentRegions::people_number_read);
        QObject::connect(&student, &StudentTab::calibration_height_reported, &regions,
                         &StudentRegions::show_calibration_height);
        QObject::connect(&regions, &StudentRegions::calibration_height_chosen, &student,
                         &StudentTab::send_calibration_height);
        for (Slot pano : {Slot::TeacherPano, Slot::StudentPano}) {
            cameras.set_destination(pano, panoAddress(pano == Slot::TeacherPano ? 't' : 's'));
            cameras[pano].udp_flag = cameras[pano].connected = true;
            cameras[pano].device_model = QStringLiteral("J57");
        }
        // The lectern posts of an M19 Apply find the director fields filled, and go to loopback.
        cameras[Slot::TeacherFeature].field_text = QStringLiteral("127.0.0.2");
        ui->lectern_director_ip_Edit->setText(QStringLiteral("10.0.0.20"));
        // The points of a fresh installation: a point still at 0 reads as not drawn.
        student.on_student_default_Button_clicked();
        ui->lectern_director_port_Edit->setText(QStringLiteral("7000"));
        for (QPushButton *b : {ui->teacher_apply_Button, ui->student_apply_Button})
            b->setText(QStringLiteral("Apply"));
    }
    Slot pano(QChar side) const { return side == QLatin1Char('t') ? Slot::TeacherPano : Slot::StudentPano; }
    // Words: detach=t|s, tracks=t|s, answer=ok|cancel, model.t=<feature model>, lectern (the M19
    // lectern mode), gone=t|s (the pano goes during the next wait), layout=<n>, calibration (the
    // teacher's calibration view on).
    void setUp(const QString &setup)
    {
        for (const QString &word : setup.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString key = word.section(QLatin1Char('='), 0, 0), value = word.section(QLatin1Char('='), 1);
            if (key == QLatin1String("detach"))
                cameras[pano(value.at(0))].udp_flag = false;
            else if (key == QLatin1String("tracks"))
                (value == QLatin1String("t") ? teacherStatus : studentStatus) = 1;
            else if (key == QLatin1String("answer"))
                boxes.answerNext(value == QLatin1String("ok") ? QMessageBox::Ok : QMessageBox::Cancel);
            else if (key == QLatin1String("model.t"))
                cameras[Slot::TeacherFeature].device_model = value;
            else if (key == QLatin1String("lectern"))
                ui->lectern_mode_radioButton->setChecked(true);
            else if (key == QLatin1String("layout"))
                choices.camera_layout = value.toInt();
            else if (key == QLatin1String("calibration"))
                ui->teacher_show_Calibration_checkBox->setChecked(true);
            else if (key == QLatin1String("gone"))
                QTimer::singleShot(0, [this, v = value.at(0)] { cameras[pano(v)].udp_flag = false; });
        }
    }
    // "<button>" clicked, "<combo>=<entry>", or "stop all" (what the close handler asks).
    void step(const QString &step)
    {
        if (step == QLatin1String("stop all")) {
            teacher.stop_tracking();
            student.stop_tracking();
        } else if (step.contains(QLatin1Char('='))) {
            QComboBox *combo = formHost.window.findChild<QComboBox *>(step.section('=', 0, 0));
            combo->setCurrentIndex(step.section('=', 1).toInt());
        } else {
            formHost.window.findChild<QAbstractButton *>(step)->click();
        }
    }
};
// The form bodies the camera took for an action, from request index `from` on.
QList<QByteArray> bodies(const SimHttpService &camera, const QByteArray &action, int from = 0)
{
    QList<QByteArray> list;
    const QVector<SimHttpRequest> seen = camera.requests();
    for (int i = from; i < seen.size(); ++i)
        if (seen.at(i).action == action && seen.at(i).authorized)
            list << seen.at(i).body;
    return list;
}

bool waitForPost(SimHttpService &camera, const QByteArray &action, int from)
{
    return bool(camera.waitForRequest(
        [&](const SimHttpRequest &r) { return r.action == action && r.status != 0 && r.status != 401; }, kAnswerMs,
        from));
}
} // namespace

class tst_Sides : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimCamera> panos[2];
    std::unique_ptr<SimHttpService> camera; // the teacher feature camera's HTTP interface

    // What each pano received since the last call, "t <text>" or "s <VISCA hex>".
    QStringList sent()
    {
        QStringList got;
        for (int i = 0; i < 2; ++i)
            for (const QString &m : simwire::receivedUpToMarkers(*panos[i], kReplyMs))
                got << QStringLiteral("%1 %2").arg(i ? 's' : 't').arg(m);
        return got;
    }

    // An expected entry ending in "..." stands for any text it begins.
    static void compareSent(const QStringList &got, const QStringList &want)
    {
        QCOMPARE(got.size(), want.size());
        for (int i = 0; i < got.size(); ++i) {
            if (want[i].endsWith(QLatin1String("...")))
                QVERIFY2(got[i].startsWith(want[i].chopped(3)), qPrintable(got[i]));
            else
                QCOMPARE(got[i], want[i]);
        }
    }

private slots:
    void initTestCase()
    {
        panos[0] = std::make_unique<SimCamera>(panoAddress('t'));
        panos[1] = std::make_unique<SimCamera>(panoAddress('s'));
        QVERIFY(panos[0]->start() && panos[1]->start());
        timescale::setFactor(0.05); // the Obtain's 1.3 s of waits take 65 ms
    }

    void init()
    {
        for (auto &p : panos) {
            p->resetState();
            p->clearRecords();
        }
        camera.reset(new SimHttpService(kCamera));
        QVERIFY2(camera->start(), qPrintable(camera->lastError()));
    }
    void cleanup() { camera.reset(); }

    void commands_data()
    {
        QTest::addColumn<QString>("setup"); // see Rig::setUp
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("calls"); // what the Host was asked, in order
        QTest::addColumn<QString>("after");     // "<teacher status><student status> <teacher config> <student config>"
        auto row = [](const char *name, const QString &setup, const QString &steps, const QStringList &sent,
                      const QStringList &boxes, const QStringList &calls, const char *after = "22 0 0") {
            QTest::newRow(name) << setup << steps.split(QLatin1String(", ")) << sent << boxes << calls
                                << QString::fromLatin1(after);
        };
        const QStringList none;
        row("teacher start", "", "teacher_startTrack_Button", {"t " + kT + "start"}, none, {"tab 0 0", "tab 2 0"},
            "12 0 0");
        row("teacher stop, M19 regions shown", "model.t=M19 tracks=t", "teacher_stopTrack_Button",
            {"t " + kT + "stop"}, none, {"tab 0 1", "tab 2 1"});
        row("student start and stop", "", "student_startTrack_Button, student_stopTrack_Button",
            {"s " + kS + "start", "s " + kS + "stop"}, none, {"tab 1 0", "tab 1 1"});
        row("start without pano", "detach=t", "teacher_startTrack_Button", none, {kConnect}, none);
        row("stop all", "tracks=t tracks=s", "stop all", {"t " + kT + "stop", "s " + kS + "stop"}, none,
            {"tab 0 1", "tab 2 1", "tab 1 1"});
        row("stop all, teacher pano gone", "tracks=t tracks=s detach=t", "stop all", {"s " + kS + "stop"}, none,
            {"tab 1 1"}, "12 0 0");
        // Entry 0 is configuration 1; the list shows the other entry when the switch fails.
        row("teacher switch", "", "teacher_config_comboBox=1", {"t " + kT + "switchtoconfig2"}, none, none,
            "22 1 0");
        row("switch while tracking, ok", "tracks=s answer=ok", "student_config_comboBox=1",
            {"s " + kS + "stop", "s " + kS + "switchtoconfig2"}, {kStopQuestion}, {"tab 1 1"}, "22 0 1");
        row("switch while tracking, cancel", "tracks=t answer=cancel", "teacher_config_comboBox=1", none,
            {kStopQuestion}, none, "12 0 0");
        row("switch, pano gone during the stop's wait", "tracks=t answer=ok gone=t", "teacher_config_comboBox=1",
            {"t " + kT + "stop"}, {kStopQuestion}, {"tab 0 1", "tab 2 1"});
        // The focus command goes to the pano, on the crop address when the feature is an M19; the
        // commands of the other models and the focus inquiry of each pano model are rows of
        // tst_visca_commands.
        row("teacher auto focus, M19", "model.t=M19", "teacher_pano_auto_mode_Button", {"t 8A 01 04 38 02 FF"}, none,
            none);
        row("focus without pano is silent", "detach=s", "student_pano_auto_mode_Button", none, none, none);
        // Obtain: the block, then the pano's focus inquiry after the block's wait.
        const QString tObtain = "t teacher_parameter\nget_tracking_config_file";
        const QString sObtain = "s student_parameter\nget_tracking_config_file";
        row("teacher obtain", "", "teacher_obtain_Button", {tObtain, "t 81 09 04 38 FF"}, none,
            {"arm teacher obtain", "redraw"});
        row("obtain, pano gone during the wait", "gone=s", "student_obtain_Button", {sObtain}, none,
            {"arm student obtain"});
        row("obtain without pano", "detach=t", "teacher_obtain_Button", none, {kConnect}, none);
        row("teacher apply", "", "teacher_apply_Button", {"t teacher_parameter\nset_tracking_config_file\n..."},
            none, {"collect", "arm teacher apply"});
        row("student apply", "", "student_apply_Button", {"s student_parameter\nset_tracking_config_file\n..."},
            none, {"arm student apply"});
        row("M19 lectern apply, pano gone during the post's wait", "model.t=M19 lectern gone=t",
            "teacher_apply_Button", none, {kConnect}, {"collect"});
        row("calibration height", "", "student_calibration_comboBox=1",
            {"s student_parameter\nset_tracking_config_file\npano_calibrate_height=90"}, none, none);
    }

    void commands()
    {
        QFETCH(QString, setup);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, sent);
        Rig rig;
        rig.ui->teacher_show_region_checkBox->setChecked(setup.contains(QLatin1String("M19")));
        rig.setUp(setup);
        for (const QString &s : steps)
            rig.step(s);
        compareSent(this->sent(), sent);
        QTEST(rig.boxes.texts(), "boxes");
        QStringList calls = rig.host.calls;
        if (setup.contains(QLatin1String("M19")) && steps.first().contains(QLatin1String("Track"))) {
            // With the regions shown the region controls follow; an M19 opens the lectern director.
            QCOMPARE(calls.takeLast(), QStringLiteral("region widgets 1"));
            QVERIFY(rig.ui->groupBox_36->isEnabled());
        }
        QTEST(calls, "calls");
        QTEST(QStringLiteral("%1%2 %3 %4")
                  .arg(rig.teacherStatus)
                  .arg(rig.studentStatus)
                  .arg(rig.ui->teacher_config_comboBox->currentIndex())
                  .arg(rig.ui->student_config_comboBox->currentIndex()),
              "after");
        // An Apply sent resets the mark.
        for (QPushButton *b : {rig.ui->teacher_apply_Button, rig.ui->student_apply_Button})
            QCOMPARE(b->text(), QStringLiteral("Apply"));
    }

    // A reply read into the tab: its values come back out with the next Apply in the tab's own
    // formats, the label rounded to the slider's nearest step (a truncated 3.1 showed 3.0 and the
    // next Apply sent it); a confirmation carries no region, so the installer's regions and
    // enables are not read over; the configuration entry and the calibration height are shown,
    // not sent straight back by the boxes' own slots. Reading sends nothing. How each key is read
    // and written is a row of tst_teacher_parameters or tst_student_parameters.
    void replies_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("check"); // "<line in the next Apply>" or "<object>.<property>=<value>"
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("setup");
        auto row = [](const char *name, const char *reply, const char *check, const QStringList &calls = {},
                      const char *setup = "") { QTest::newRow(name) << reply << check << calls << setup; };
        row("distance 3.1 stays 3.1", "teacher_parameter\npano_distance=3.1", "\npano_distance=3.1");
        row("offset rounded to the slider", "teacher_parameter\npano_pan_offset=37\npano_tilt_offset=-120",
            "\npano_pan_offset=+35\npano_tilt_offset=-120");
        row("student values",
            "student_parameter\npano_sensitivity=6\npano_object_size=1.5\npano_height=3.0\npano_pan_offset=-12",
            "\npano_sensitivity=6\npano_object_size=1.5\npano_height=3.0\npano_pan_offset=-10");
        row("teacher config switch, quiet", "teacher_parameter\nconfig_switch=2",
            "teacher_config_comboBox.currentIndex=1");
        row("mode handler", "teacher_parameter\ntracking_mode=0", "other_mode_radioButton.checked=true",
            {"teacher pad 0 0", "teacher pad 0 0"}); // the list refilled
        row("teacher regions", "teacher_parameter\npano_shield_enable=0100", "", {"regions"});
        row("teacher confirmation keeps the installer's regions", "teacher_parameter\nset_teacher_config_file", "");
        row("teacher versions free the tabs", "teacher_parameter\nfeature_version=F9 x\npano_version=P7",
            "teacher_version_feature_info_label.text=F9 x", {"tabs 1"});
        row("manual focus, two cameras", "teacher_parameter\nmanual_focus=0", "teacher_manual_focus_checkBox.enabled=false",
            {}, "layout=0");
        row("teacher speed while calibrating", "teacher_parameter\nptzspeed_level=8", "teacher_ptzspeed_level.text=10",
            {}, "calibration");
        row("calibration height not sent back", "student_parameter\npano_calibrate_height=90",
            "student_calibration_comboBox.currentIndex=1");
    }

    void replies()
    {
        QFETCH(QString, reply);
        QFETCH(QString, check);
        QFETCH(QString, setup);
        Rig rig;
        rig.setUp(setup);
        rig.host.calls.clear();
        const bool teacher = reply.startsWith(QLatin1String("teacher"));
        if (teacher)
            rig.teacher.read_teacher_section(reply);
        else
            rig.student.read_student_section(reply);
        const QString text = teacher ? rig.teacher.teacher_apply_text() : rig.student.student_apply_text();
        if (check.startsWith(QLatin1Char('\n'))) {
            QVERIFY2(text.contains(check), qPrintable(check + " in\n" + text));
        } else if (!check.isEmpty()) {
            QObject *o = rig.formHost.window.findChild<QObject *>(check.section('.', 0, 0));
            const QString property = check.section('.', 1).section('=', 0, 0);
            QCOMPARE(o->property(qPrintable(property)).toString(), check.section('=', 1));
        }
        QTEST(rig.host.calls, "calls");
        QVERIFY(rig.boxes.shown.isEmpty());
        QCOMPARE(sent(), QStringList());
    }

    // The login reaches the lectern page; the password never reaches the log. device_model
    // clears the teacher customer flag, a reply without it leaves the flag (the student's rule
    // is a row of tst_student_parameters).
    void loginAndModel()
    {
        Rig rig;
        LogCapture log;
        rig.teacher.set_customer_model_flag(true);
        rig.teacher.read_teacher_section(QStringLiteral("teacher_parameter\nusername=installer\npassword=s3cr#t/@x"));
        QVERIFY(rig.teacher.customer_model_flag());
        QCOMPARE(rig.lectern.getUrl(QStringLiteral("x")).password(), QStringLiteral("s3cr#t/@x"));
        QCOMPARE(log.count(QStringLiteral("s3cr#t")), 0);
        QVERIFY(log.contains(QStringLiteral("Web Username: \"installer\"")));
        rig.teacher.read_teacher_section(QStringLiteral("teacher_parameter\ndevice_model=J57"));
        QVERIFY(!rig.teacher.customer_model_flag());
    }

    // An empty close-up distance goes as the panorama distance, not as "feature_distance=" with
    // nothing behind it. The feature camera's address goes without its note, or as the recorder
    // maps it.
    void emptyFeatureDistanceIsFilledFirst()
    {
        Rig rig;
        rig.teacher_values.pano_distance.text = QStringLiteral("9.0");
        rig.teacher_values.feature_distance.text.clear();
        rig.cameras[Slot::TeacherFeature].field_text = QStringLiteral("10.1.2.3/front");
        QVERIFY(rig.teacher.teacher_apply_text().contains("\nfeature_camera_ip=10.1.2.3\npano_sensitivity="));
        QVERIFY(rig.teacher.teacher_apply_text().contains("\nfeature_distance=9.0\npano_distance=9.0\n"));
        QCOMPARE(rig.ui->teacher_fea_distance_label->text(), QStringLiteral("9.0"));
        rig.ports.edit().recorder_port_map_enabled = true;
        rig.portFields.student_ip = QStringLiteral("172.16.0.9");
        QVERIFY(rig.student.student_apply_text().contains("\nfeature_camera_ip=172.16.0.9\n"));
    }

    // An Apply's confirmation carries no point: the installer's points and boxes stay, and the
    // next Apply sends the same block.
    void confirmationKeepsThePoints()
    {
        Rig rig;
        rig.student.read_student_section(
            QStringLiteral("student_parameter\ndevice_model=XO1\nforward_left_x=132\nforward_left_y=265\n"
                           "pano_shield_enable=0110\npano_pan_second_shield_scale=639"));
        rig.student.points().student_area_points[0] = QPoint(120, 220);
        rig.ui->student_shield_four_checkBox->setChecked(true);
        const QString before = rig.student.student_apply_text();
        rig.student.read_student_section(QStringLiteral("student_parameter\nset_student_config_file"));
        QCOMPARE(rig.student.points().student_area_points[0], QPoint(120, 220));
        QVERIFY(rig.ui->student_shield_four_checkBox->isChecked());
        QCOMPARE(rig.student.student_apply_text(), before);
        QVERIFY(rig.ui->student_eptz_radioButton->isEnabled());
    }

    // Every control marks its tab; the sliders' and the continue time's value changes not while
    // the settings load, the delays and the height field always.
    void marks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("whileLoading");
        QTest::newRow("hold time") << "teacher_hold_time_label" << true;
        QTest::newRow("height") << "student_camera_height_lineEdit" << true;
        QTest::newRow("sensitivity") << "teacher_sensitivity_Slider" << false;
        QTest::newRow("continue time") << "student_feature_continue_time_label" << false;
    }

    void marks()
    {
        QFETCH(QString, control);
        QFETCH(bool, whileLoading);
        Rig rig;
        QObject *o = rig.formHost.window.findChild<QObject *>(control);
        QPushButton *apply = control.startsWith(QLatin1String("teacher")) ? rig.ui->teacher_apply_Button
                                                                           : rig.ui->student_apply_Button;
        auto change = [o](int step) {
            const int low = o->property("minimum").toInt();
            if (auto *edit = qobject_cast<QLineEdit *>(o))
                edit->setText(QString::number(step));
            else
                o->setProperty("value", o->property("value").toInt() == low ? low + 1 : low);
        };
        rig.loading = true;
        change(1);
        QCOMPARE(apply->text(), whileLoading ? QStringLiteral("Apply(*)") : QStringLiteral("Apply"));
        rig.loading = false;
        apply->setText(QStringLiteral("Apply"));
        change(2);
        QCOMPARE(apply->text(), QStringLiteral("Apply(*)"));
    }

    // A mode radio shows its page and its preset list (the lectern radio keeps the list); the
    // "Pano Crop" entry points the pads by the feature model; the set-up's student refill keeps
    // the entry the settings file chose.
    void modesAndPresets()
    {
        Rig rig;
        Ui::MainWindow *ui = rig.ui;
        const auto entries = [](QComboBox *c, const QVector<const char *> &want) {
            QStringList got, wanted;
            for (int i = 0; i < c->count(); ++i)
                got << c->itemText(i);
            for (const char *entry : want)
                wanted << QString::fromLatin1(entry);
            return got == wanted;
        };
        const struct {
            QRadioButton *radio;
            int mode;
        } modes[] = {{ui->other_mode_radioButton, tracking_modes::Other},
                     {ui->binocular_mode_radioButton, tracking_modes::Follow},
                     {ui->mixed_mode_radioButton, tracking_modes::Follow},
                     {ui->board_pano_mode_radioButton, tracking_modes::BoardPano},
                     {ui->follow_mode_radioButton, tracking_modes::Follow}};
        for (const auto &m : modes) {
            ui->mode_stackedWidget->setCurrentIndex(1);
            m.radio->click();
            QCOMPARE(ui->mode_stackedWidget->currentIndex(), 0);
            QVERIFY(entries(ui->teacher_preset_list, tracking_modes::teacher_preset_entries(m.mode)));
        }
        ui->lectern_mode_radioButton->setChecked(true);
        rig.teacher.on_lectern_mode_radioButton_clicked(false);
        rig.teacher.on_other_mode_radioButton_clicked(false);
        QCOMPARE(ui->mode_stackedWidget->currentIndex(), 1);
        QVERIFY(entries(ui->teacher_preset_list, tracking_modes::teacher_preset_entries(tracking_modes::Follow)));

        // The set-up's refill: the three-presets mode's own list, any other mode's list as it is.
        ui->teacher_preset_list->clear();
        ui->other_mode_radioButton->setChecked(true);
        rig.teacher.fill_mode_preset_list();
        QVERIFY(entries(ui->teacher_preset_list, tracking_modes::teacher_preset_entries(tracking_modes::Other)));
        ui->teacher_preset_list->clear();
        ui->follow_mode_radioButton->setChecked(true);
        rig.teacher.fill_mode_preset_list();
        QCOMPARE(ui->teacher_preset_list->count(), 0);
        rig.teacher.on_follow_mode_radioButton_clicked(true);

        rig.student.fill_pano_preset_list();
        ui->student_preset_list->setCurrentIndex(1);
        rig.student.fill_pano_preset_list();
        QCOMPARE(ui->student_preset_list->currentIndex(), 1);
        QVERIFY(entries(ui->student_preset_list, tracking_modes::student_preset_entries()));
        ui->student_preset_list->setCurrentIndex(0);
        rig.host.calls.clear();
        // The routes of the other models are rows of tst_visca_commands.
        for (const char *model : {"M19", "J57"}) {
            rig.cameras[Slot::TeacherFeature].device_model = rig.cameras[Slot::StudentFeature].device_model = model;
            ui->teacher_preset_list->setCurrentIndex(5);
            ui->teacher_preset_list->setCurrentIndex(1);
            ui->student_preset_list->setCurrentIndex(1);
            ui->student_preset_list->setCurrentIndex(0);
        }
        QCOMPARE(rig.host.calls, (QStringList{"teacher pad 1 1", "teacher pad 0 0", "student pad 1", "student pad 0",
                                              "teacher pad 1 0", "teacher pad 0 0", "student pad 0", "student pad 0"}));
    }

    // Default puts every value back (the Apply after a reply and Default reads as on a fresh tab),
    // marks the tab, picks the binocular mode's list, and posts nothing: the lectern spin boxes
    // change without their signals.
    void defaultPostsNothing()
    {
        Rig fresh, rig;
        fresh.teacher.on_teacher_default_Button_clicked();
        fresh.student.on_student_default_Button_clicked();
        rig.teacher.read_teacher_section(QStringLiteral("teacher_parameter\npano_sensitivity=5\ntracking_mode=0\n"
                                                        "pano_pan_offset=100\nboard_face_enable=1\nauto_tilt=1"));
        rig.student.read_student_section(
            QStringLiteral("student_parameter\npano_object_size=2.0\neptz_mode=1\ntime_delay=9\nface_detect=1"));
        QSignalSpy retention(rig.ui->target_retention_time_label_spinBox, qOverload<int>(&QSpinBox::valueChanged));
        QSignalSpy hold(rig.ui->lectern_director_hold_time_label, qOverload<int>(&QSpinBox::valueChanged));
        rig.ui->teacher_default_Button->click();
        rig.ui->student_default_Button->click();
        QCOMPARE(rig.teacher.teacher_apply_text(), fresh.teacher.teacher_apply_text());
        QCOMPARE(rig.student.student_apply_text(), fresh.student.student_apply_text());
        QCOMPARE(retention.count() + hold.count(), 0);
        QVERIFY(rig.ui->binocular_mode_radioButton->isChecked());
        QCOMPARE(rig.ui->teacher_apply_Button->text(), QStringLiteral("Apply(*)"));
        QCOMPARE(rig.ui->student_apply_Button->text(), QStringLiteral("Apply(*)"));
        QCOMPARE(sent(), QStringList());
    }

    // Obtain and Apply only while the side does not track.
    void trackCheck()
    {
        for (int status : {1, 2}) {
            for (bool enable : {true, false}) {
                Rig rig;
                rig.teacherStatus = rig.studentStatus = status;
                rig.teacher.teacher_track_check(enable);
                rig.student.student_track_check(enable);
                for (QWidget *w : {rig.ui->teacher_obtain_Button, rig.ui->teacher_apply_Button,
                                   rig.ui->student_obtain_Button, rig.ui->student_apply_Button})
                    QCOMPARE(w->isEnabled(), enable && status == 2);
                QCOMPARE(rig.ui->teacher_show_region_checkBox->isEnabled(), enable);
                QCOMPARE(rig.ui->student_show_region_checkBox->isEnabled(), enable);
            }
        }
    }

    // A close-up camera's model shows the controls that model has, on its own side's tab only;
    // a pano's focus reply checks the tab's focus button. Of the teacher's calibration pages only
    // the first is offered (the tab takes the others away), so its second page's switch finds none.
    void modelControls_data()
    {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("shown");
        QTest::newRow("teacher J57") << "t" << "J57" << "persontrack";
        QTest::newRow("teacher R6") << "t" << "R6" << "teacher pages";
        QTest::newRow("teacher M19") << "t" << "M19" << "lectern";
        QTest::newRow("teacher M5") << "t" << "M5" << "hand";
        QTest::newRow("teacher J22") << "t" << "J22" << "";
        QTest::newRow("student J57") << "s" << "J57" << "student calibration page";
        QTest::newRow("student R6") << "s" << "R6" << "student pages";
        QTest::newRow("student M19") << "s" << "M19" << "";
    }
    void modelControls()
    {
        QFETCH(QString, side);
        QFETCH(QString, model);
        QFETCH(QString, shown);
        Rig rig;
        Ui::MainWindow *ui = rig.ui;
        for (QWidget *w : std::initializer_list<QWidget *>{ui->label_persontrack,
                                                           ui->teacher_feature_persontrack_comboBox,
                                                           ui->lectern_mode_radioButton,
                                                           ui->teacher_board_hand_enable_checkBox})
            w->hide();
        for (QTabWidget *pages : {ui->tabWidget_3, ui->tabWidget_2}) {
            pages->setEnabled(false);
            pages->setTabEnabled(1, false);
        }
        const bool teacher = side == QLatin1String("t");
        const camera_slot::Side s = teacher ? camera_slot::Side::Teacher : camera_slot::Side::Student;
        rig.teacher.feature_model_known(s, model);
        rig.student.feature_model_known(s, model);
        QStringList on;
        if (!ui->label_persontrack->isHidden() && !ui->teacher_feature_persontrack_comboBox->isHidden())
            on << "persontrack";
        if (!ui->lectern_mode_radioButton->isHidden())
            on << "lectern";
        if (!ui->teacher_board_hand_enable_checkBox->isHidden())
            on << "hand";
        if (ui->tabWidget_3->isTabEnabled(1))
            on << "calibration page";
        if (ui->tabWidget_3->isEnabled())
            on << "teacher pages";
        if (ui->tabWidget_2->isTabEnabled(1))
            on << "student calibration page";
        if (ui->tabWidget_2->isEnabled())
            on << "student pages";
        QCOMPARE(on.join(QLatin1Char(' ')), shown);

        const QList<QAbstractButton *> focusButtons{
            ui->teacher_pano_auto_mode_Button, ui->teacher_pano_manual_mode_Button,
            ui->student_pano_auto_mode_Button, ui->student_pano_manual_mode_Button};
        for (QAbstractButton *b : focusButtons) {
            b->setAutoExclusive(false);
            b->setChecked(false);
        }
        for (bool manual : {true, false}) {
            for (QAbstractButton *b : focusButtons)
                b->setChecked(false);
            rig.teacher.focus_mode_reported(s, manual);
            rig.student.focus_mode_reported(s, manual);
            QCOMPARE((manual ? ui->teacher_pano_manual_mode_Button : ui->teacher_pano_auto_mode_Button)->isChecked(),
                     teacher);
            QCOMPARE((manual ? ui->student_pano_manual_mode_Button : ui->student_pano_auto_mode_Button)->isChecked(),
                     !teacher);
        }
    }

    // What the pads, the calibration and the regions store on a side's camera marks that side's
    // Apply only; the snapshot region shows the teacher tab applied; the effect list follows the
    // region controls.
    void sideMarks()
    {
        Rig rig;
        using camera_slot::Side;
        for (Side side : {Side::Board, Side::Student}) {
            rig.teacher.mark_side_changed(side);
            rig.student.mark_side_changed(side == Side::Student ? Side::Teacher : Side::Board);
        }
        QCOMPARE(rig.ui->teacher_apply_Button->text(), QStringLiteral("Apply"));
        QCOMPARE(rig.ui->student_apply_Button->text(), QStringLiteral("Apply"));
        rig.teacher.mark_side_changed(Side::Teacher);
        rig.student.mark_side_changed(Side::Student);
        QCOMPARE(rig.ui->teacher_apply_Button->text(), QStringLiteral("Apply(*)"));
        QCOMPARE(rig.ui->student_apply_Button->text(), QStringLiteral("Apply(*)"));
        rig.teacher.show_side_applied(Side::Student);
        QCOMPARE(rig.ui->teacher_apply_Button->text(), QStringLiteral("Apply(*)"));
        rig.teacher.show_side_applied(Side::Teacher);
        QCOMPARE(rig.ui->teacher_apply_Button->text(), QStringLiteral("Apply"));
        for (bool enable : {false, true}) {
            rig.teacher.enable_board_effect(enable);
            QCOMPARE(rig.ui->teacher_board_effect_list->isEnabled(), enable);
        }
    }

    // The calibration cross slows its side's pad to level 1, and its end brings back the level
    // last applied or obtained; the other side's level stays.
    void padSlowed()
    {
        Rig rig;
        rig.ui->teacher_ptzspeed_level->setText(QStringLiteral("6"));
        rig.ui->student_ptzspeed_level->setText(QStringLiteral("4"));
        rig.teacher.teacher_apply_text(); // the level applied: 6
        rig.teacher.pad_slowed(camera_slot::Side::Teacher, true);
        rig.student.pad_slowed(camera_slot::Side::Teacher, true);
        QCOMPARE(rig.ui->teacher_ptzspeed_level->text(), QStringLiteral("1"));
        QCOMPARE(rig.teacher_values.ptzspeed_level, QStringLiteral("1"));
        QCOMPARE(rig.ui->student_ptzspeed_level->text(), QStringLiteral("4"));
        rig.teacher.pad_slowed(camera_slot::Side::Teacher, false);
        QCOMPARE(rig.ui->teacher_ptzspeed_level->text(), QStringLiteral("6"));
        rig.student.pad_slowed(camera_slot::Side::Student, true);
        rig.student.pad_slowed(camera_slot::Side::Student, false);
        QCOMPARE(rig.ui->student_ptzspeed_level->text(), QStringLiteral("10"));
    }

    // A failed auto-calibration pass goes to the dialog; a passed one reads the points back
    // quietly.
    void autoCalibration()
    {
        Rig rig;
        rig.student.resolve_student_autocalibrate_status(QStringLiteral("fail:3"));
        rig.student.resolve_student_autocalibrate_status(QStringLiteral("success"));
        QCOMPARE(rig.host.calls, (QStringList{"calibration failed", "arm student obtain silent"}));
        compareSent(sent(), {"s student_parameter\nget_tracking_config_file", "s 81 09 04 38 FF"});
    }

    // Obtain fills the tab with what the camera holds, Apply changes what the camera holds, and
    // the next Obtain shows it again.
    void roundTrip()
    {
        Rig rig;
        QObject::connect(&rig.link, &ControlLink::textReply, [&rig](const QByteArray &reply) {
            const QString text = parameter_block::reply_text(reply);
            if (text.startsWith(QLatin1String("teacher_parameter")))
                rig.teacher.read_teacher_section(text);
            else
                rig.student.read_student_section(text);
        });
        panos[0]->setValue(QStringLiteral("teacher_parameter"), QStringLiteral("pano_sensitivity"), "3");
        panos[1]->setValue(QStringLiteral("student_parameter"), QStringLiteral("pano_object_size"), "1.5");
        rig.teacher.teacher_obtain(false);
        rig.student.student_obtain(false);
        QTRY_COMPARE_WITH_TIMEOUT(rig.ui->teacher_sensitivity_label->text(), QStringLiteral("3"), kReplyMs);
        QTRY_COMPARE_WITH_TIMEOUT(rig.ui->student_objectsize_label->text(), QStringLiteral("1.5"), kReplyMs);
        rig.ui->teacher_sensitivity_Slider->setValue(1);
        rig.ui->student_objectsize_Slider->setValue(16);
        rig.ui->teacher_apply_Button->click();
        rig.ui->student_apply_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(panos[0]->value("teacher_parameter", "pano_sensitivity"), QStringLiteral("1"),
                                  kReplyMs);
        QTRY_COMPARE_WITH_TIMEOUT(panos[1]->value("student_parameter", "pano_object_size"), QStringLiteral("2.0"),
                                  kReplyMs);
        rig.ui->teacher_sensitivity_Slider->setValue(4);
        rig.teacher.teacher_obtain(false);
        QTRY_COMPARE_WITH_TIMEOUT(rig.ui->teacher_sensitivity_Slider->value(), 1, kReplyMs);
        QVERIFY(rig.boxes.shown.isEmpty());
    }
    // A camera that answers the Obtain's block later than usual: the focus inquiry still follows
    // the answer, on the wire and in the log, as with a quick camera.
    void obtainInquiryFollowsALateAnswer()
    {
        Rig rig;
        int answers = 0;
        bool inquiredBeforeAnswer = false;
        const auto inquired = [this] {
            const QVector<SimMessage> seen = panos[0]->received();
            return std::any_of(seen.cbegin(), seen.cend(),
                               [](const SimMessage &m) { return m.payload.toHex(' ').toUpper() == "81 09 04 38 FF"; });
        };
        QObject::connect(&rig.link, &ControlLink::textReply, [&](const QByteArray &reply) {
            ++answers;
            inquiredBeforeAnswer = inquiredBeforeAnswer || inquired();
            rig.teacher.read_teacher_section(parameter_block::reply_text(reply));
        });
        panos[0]->setFault(SimFault::Slow, 1000);
        timescale::setFactor(1.0); // the block's usual 500 ms against an answer 1000 ms late
        rig.teacher.teacher_obtain(false);
        timescale::setFactor(0.05);
        QTRY_VERIFY_WITH_TIMEOUT(inquired(), kReplyMs);
        QCOMPARE(answers, 1);
        QVERIFY(!inquiredBeforeAnswer);
    }

    // The lectern radio shows the lectern page and reads the camera's settings into it; reading
    // posts nothing back, not even a value the page cannot hold.
    void radioReadsTheCamera()
    {
        const char *held[][2] = {{"return_preset_time", "100"}, {"preset", "1"},        {"body_mode", "4"},
                                 {"body_thresh", "abc"},        {"auto_zoom", "0"},     {"auto_tilt", "1"},
                                 {"server_enable", "0"},        {"server_addr", "10.1.2.3"},
                                 {"server_port", "5000"},       {"times", "45"}};
        for (const auto &h : held)
            camera->setValue(QStringLiteral("tracking.") + h[0], QString::fromLatin1(h[1]));
        Rig rig;
        Ui::MainWindow *ui = rig.ui;
        ui->auto_zoom_enable_checkBox->setChecked(true);
        ui->lectern_mode_radioButton->click();
        QCOMPARE(ui->mode_stackedWidget->currentIndex(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(ui->lectern_director_hold_time_label->value(), 45, kAnswerMs);
        QTRY_COMPARE_WITH_TIMEOUT(ui->target_retention_time_label_spinBox->value(), 60, kAnswerMs);
        QCOMPARE(ui->tracking_start_postion_comboBox->currentIndex(), 1);
        QVERIFY(ui->custom_body_action_radioButton->isChecked());
        QVERIFY(!ui->auto_zoom_enable_checkBox->isChecked());
        QVERIFY(ui->auto_tilt_enable_checkBox->isChecked());
        QVERIFY(ui->teacher_director_off_radioButton->isChecked());
        QCOMPARE(ui->lectern_director_ip_Edit->text(), QStringLiteral("10.1.2.3"));
        QCOMPARE(ui->lectern_director_port_Edit->text(), QStringLiteral("5000"));
        QTest::qWait(kSilenceMs);
        QVERIFY(bodies(*camera, "postfulltrack").isEmpty());
        QCOMPARE(camera->value(QStringLiteral("tracking.return_preset_time")), QStringLiteral("100"));
        QCOMPARE(camera->value(QStringLiteral("tracking.body_thresh")), QStringLiteral("abc"));
        // The radio read as off: a click on off sends nothing.
        const int from = camera->requestCount();
        ui->teacher_director_off_radioButton->click();
        QTest::qWait(kSilenceMs);
        QCOMPARE(camera->requestCount(), from);
        // Unchecked, the radio shows the page and asks nothing.
        rig.teacher.on_lectern_mode_radioButton_clicked(false);
        QTest::qWait(kSilenceMs);
        QCOMPARE(camera->requestCount(), from);
    }

    // Each lectern control posts its one setting to "postfulltrack" (the values of each are rows
    // of tst_lectern, the request's headers of tst_http_manager). The custom size sends its
    // threshold and no body mode, and later threshold changes follow it, but not before.
    void controlsPost()
    {
        Rig rig;
        Ui::MainWindow *ui = rig.ui;
        ui->tracking_start_postion_comboBox->setCurrentIndex(1);
        ui->tracking_start_postion_comboBox->setCurrentIndex(0);
        ui->full_body_action_radioButton->setChecked(true);
        ui->body_thresh_time_spinBox->setValue(150);
        ui->custom_body_action_radioButton->click();
        ui->body_thresh_time_spinBox->setValue(222);
        QTRY_COMPARE_WITH_TIMEOUT(bodies(*camera, "postfulltrack").size(), 4, kAnswerMs);
        QTest::qWait(50);
        // Posts in a row travel on separate connections: the camera may take them in any order.
        QList<QByteArray> got = bodies(*camera, "postfulltrack");
        std::sort(got.begin(), got.end());
        QCOMPARE(got, (QList<QByteArray>{"tracking.body_thresh=150", "tracking.body_thresh=222", "tracking.preset=-1",
                                         "tracking.preset=1"}));
        QVERIFY(ui->body_thresh_time_spinBox->isEnabled());
    }

    // The director server: a value with "&" reaches the camera whole, a repeated click sends
    // nothing, off and on again send twice. An empty port is refused before anything is sent and
    // the radio's state stays, so the next click, once the field is filled, sends.
    void directorServer()
    {
        Rig rig;
        Ui::MainWindow *ui = rig.ui;
        rig.teacher.set_lectern_director_enabled(true); // as an M19's stopped tracking leaves it
        ui->lectern_director_ip_Edit->setText(QStringLiteral(" lectern&tracking.server_enable=0 "));
        ui->lectern_director_port_Edit->setText(QStringLiteral("   "));
        ui->lectern_director_hold_time_label->setValue(77);
        ui->teacher_director_off_radioButton->setChecked(true);
        ui->teacher_director_on_radioButton->click();
        QCOMPARE(rig.boxes.texts(), QStringList{"The director port and address cannot be empty!"});
        QCOMPARE(rig.boxes.shown.first().title, QStringLiteral("Warning"));
        QTest::qWait(kSilenceMs);
        QCOMPARE(camera->requestCount(), 0);

        ui->lectern_director_port_Edit->setText(QStringLiteral("9999"));
        ui->teacher_director_on_radioButton->click();
        QVERIFY(waitForPost(*camera, "postfulltrack2", 0));
        QCOMPARE(bodies(*camera, "postfulltrack2"),
                 QList<QByteArray>{"tracking.server_enable=1&tracking.server_addr=lectern%26tracking.server_enable%3D0"
                                   "&tracking.server_port=9999&tracking.times=77"});
        QCOMPARE(camera->value(QStringLiteral("tracking.server_addr")),
                 QStringLiteral("lectern&tracking.server_enable=0"));

        int from = camera->requestCount();
        ui->teacher_director_on_radioButton->click();
        QTest::qWait(kSilenceMs);
        QCOMPARE(camera->requestCount(), from);
        ui->teacher_director_off_radioButton->click();
        ui->teacher_director_on_radioButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(bodies(*camera, "postfulltrack2", from).size(), 2, kAnswerMs);
        const QList<QByteArray> posted = bodies(*camera, "postfulltrack2", from);
        QVERIFY(posted.at(0).startsWith("tracking.server_enable=0&"));
        QVERIFY(posted.at(1).startsWith("tracking.server_enable=1&"));
        QCOMPARE(rig.boxes.shown.size(), 1);
    }

    // A camera that refuses the login: the answers are errors, logged; nothing changes, no box.
    // The camera's own login with "@", "/", "#" and "?" in its password reaches it whole, and
    // the password is in no log line.
    void logins_data()
    {
        QTest::addColumn<QString>("password"); // the tab's; the camera's is "Pw@cam/1#?x"
        QTest::newRow("refused") << "wrong";
        QTest::newRow("password with @") << "Pw@cam/1#?x";
    }

    void logins()
    {
        QFETCH(QString, password);
        camera->setLogin(QStringLiteral("installer"), QStringLiteral("Pw@cam/1#?x"));
        camera->setValue(QStringLiteral("tracking.return_preset_time"), QStringLiteral("12"));
        LogCapture log;
        Rig rig;
        rig.lectern.set_web_username(QStringLiteral("installer"));
        rig.lectern.set_web_password(password);
        const bool right = password != QLatin1String("wrong");
        rig.teacher.on_lectern_mode_radioButton_clicked(true);
        rig.ui->auto_zoom_enable_checkBox->click();
        if (right) {
            QTRY_COMPARE_WITH_TIMEOUT(rig.ui->target_retention_time_label_spinBox->value(), 12, kAnswerMs);
            QVERIFY(waitForPost(*camera, "postfulltrack", 0));
            QCOMPARE(camera->value(QStringLiteral("tracking.auto_zoom")), QStringLiteral("1"));
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(log.count(QStringLiteral("HTTP  Error:")), 3, kAnswerMs);
            QCOMPARE(rig.ui->target_retention_time_label_spinBox->value(), 6);
        }
        bool authorized = false;
        for (const SimHttpRequest &r : camera->requests())
            authorized = authorized || r.authorized;
        QCOMPARE(authorized, right);
        QVERIFY(rig.boxes.shown.isEmpty());
        QVERIFY(log.count(QStringLiteral(",userName: \"installer\"")) >= 3);
        for (const QString &line : log.lines())
            QVERIFY2(!line.contains(password) && !line.contains(QLatin1String("Pw%40cam")), qPrintable(line));
    }

    // The teacher Apply of an M19 in lectern mode posts the director server and then the feature
    // tracking area (times 4) to the feature camera, before the block goes to the pano (the
    // block's snapshot region is a row of tst_teacher_parameters).
    void teacherApplyPostsTheArea()
    {
        SimCamera &pano = *panos[0];
        Rig rig;
        rig.cameras[Slot::TeacherFeature].device_model = QStringLiteral("M19");
        rig.ui->lectern_mode_radioButton->setChecked(true);
        rig.ui->lectern_director_ip_Edit->setText(QStringLiteral("10.0.0.20"));
        rig.ui->lectern_director_port_Edit->setText(QStringLiteral("7000"));
        rig.ui->teacher_apply_Button->click();
        QVERIFY(waitForPost(*camera, "effect_area", 0));
        QVERIFY(pano.waitForMessage([](const SimMessage &m) { return m.isText(); }, kAnswerMs));
        QStringList order;
        for (const SimHttpRequest &r : camera->requests())
            if (r.authorized)
                order << QString::fromLatin1(r.action);
        QCOMPARE(order, (QStringList{"postfulltrack2", "effect_area"}));
        const char *area[][2] = {{"left_up_x", "40"}, {"left_up_y", "80"}, {"right_down_x", "1200"},
                                 {"right_down_y", "800"}};
        for (const auto &a : area)
            QCOMPARE(camera->value(QStringLiteral("tracking.area.") + a[0]), QString::fromLatin1(a[1]));
        QVERIFY(pano.received().last().text().contains(QLatin1String("\ntracking_mode=5\n")));
    }
};

QTEST_MAIN(tst_Sides)
#include "tst_sides.moc"
