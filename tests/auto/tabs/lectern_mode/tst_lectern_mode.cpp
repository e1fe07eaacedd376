// The lectern page without the window, against the simulator's HTTP interface of the teacher
// feature camera: what the lectern radio reads, what each control posts, the director server,
// a refused login, values with "&", a password with "@", and the area a teacher Apply posts.
#include "core/time_scale.h"
#include "form_host.h"
#include "log_capture.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "recording_presenter.h"
#include "sim_camera.h"
#include "sim_http.h"
#include "tabs/lectern_mode.h"
#include "tabs/teacher_tab.h"

#include <QtTest>

#include <algorithm>
#include <functional>

using Act = std::function<void(Ui::MainWindow *)>;
Q_DECLARE_METATYPE(Act)

namespace {
constexpr int kAnswerMs = 5000; // loopback answers come within milliseconds; this only bounds a failure
constexpr int kSilenceMs = 300; // how long a test waits to be sure nothing is sent
const QString kCamera = QStringLiteral("127.0.0.2");

// The Teacher tab around the page, for the Apply of an M19 in lectern mode.
struct Host : TeacherTab::Host {
    void set_tab_widgets_enabled(int, bool) override {}
    void set_tabs_enabled(bool) override {}
    int camera_layout() const override { return 1; }
    void arm_request(request_poller::Kind, bool) override {}
    void collect_scene_regions() override {}
    teacher_region_keys::ApplyRegions apply_regions() const override { return {}; }
    region_geometry::RegionRect teacher_feature_rect() const override { return {10, 20, 300, 200}; }
    void redraw_regions_on_next_reply() override {}
    void read_teacher_regions(const QString &) override {}
    void set_region_widgets_enabled(bool) override {}
    void set_teacher_pad_redirection(bool, bool) override {}
};

struct Rig {
    RecordingPresenter boxes;
    FormHost formHost;
    Ui::MainWindow *ui = formHost.ui;
    CameraSlots cameras;
    CameraPorts ports;
    ControlLink link{&cameras};
    Host host;
    int status = 2;
    bool loading = false;
    LecternMode lectern{CORVANE_FORM_WIDGETS(LecternMode, LECTERN_MODE_WIDGETS, formHost.ui), &formHost.window};
    TeacherTab teacher{CORVANE_FORM_WIDGETS(TeacherTab, TEACHER_TAB_WIDGETS, formHost.ui),
                       cameras, ports, link, lectern, status, loading, host, &formHost.window};
    Rig() { ui->teacher_feature_IP_Edit->setText(kCamera); }
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

class tst_LecternMode : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimHttpService> camera;

private slots:
    void init()
    {
        camera.reset(new SimHttpService(kCamera));
        QVERIFY2(camera->start(), qPrintable(camera->lastError()));
    }
    void cleanup() { camera.reset(); }

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
        rig.lectern.on_lectern_mode_radioButton_clicked(false);
        QTest::qWait(kSilenceMs);
        QCOMPARE(camera->requestCount(), from);
    }

    // Each lectern control posts its one setting to "postfulltrack".
    void controlsPost_data()
    {
        QTest::addColumn<Act>("act");
        QTest::addColumn<QList<QByteArray>>("posted");
        QTest::addColumn<int>("thresh");        // spin box value afterwards, -1: not checked
        QTest::addColumn<int>("threshEnabled"); // -1: not checked
        auto row = [](const char *name, Act act, const QList<QByteArray> &posted, int thresh = -1, int enabled = -1) {
            QTest::newRow(name) << act << posted << thresh << enabled;
        };
        row("auto zoom on", [](Ui::MainWindow *ui) {
            ui->auto_zoom_enable_checkBox->setChecked(false);
            ui->auto_zoom_enable_checkBox->click();
        }, {"tracking.auto_zoom=1"});
        row("retention time", [](Ui::MainWindow *ui) { ui->target_retention_time_label_spinBox->setValue(25); },
            {"tracking.return_preset_time=25"});
        row("start position", [](Ui::MainWindow *ui) {
            ui->tracking_start_postion_comboBox->setCurrentIndex(1);
            ui->tracking_start_postion_comboBox->setCurrentIndex(0);
        }, {"tracking.preset=1", "tracking.preset=-1"});
        row("full body", [](Ui::MainWindow *ui) { ui->full_body_action_radioButton->click(); },
            {"tracking.body_mode=0"}, 80, 0);
        // The custom size sends its threshold and no body mode; later changes follow it.
        row("custom", [](Ui::MainWindow *ui) {
            ui->body_thresh_time_spinBox->setValue(150);
            ui->custom_body_action_radioButton->click();
            ui->body_thresh_time_spinBox->setValue(222);
        }, {"tracking.body_thresh=150", "tracking.body_thresh=222"}, 222, 1);
        row("threshold without custom", [](Ui::MainWindow *ui) {
            ui->full_body_action_radioButton->setChecked(true);
            ui->body_thresh_time_spinBox->setValue(123);
        }, {}, 123);
        // Default sets the lectern spin boxes without posting them.
        row("default", [](Ui::MainWindow *ui) {
            ui->target_retention_time_label_spinBox->setValue(30);
            ui->teacher_default_Button->click();
        }, {"tracking.return_preset_time=30"});
    }

    void controlsPost()
    {
        QFETCH(Act, act);
        QFETCH(QList<QByteArray>, posted);
        QFETCH(int, thresh);
        QFETCH(int, threshEnabled);
        Rig rig;
        act(rig.ui);
        if (!posted.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(bodies(*camera, "postfulltrack").size(), posted.size(), kAnswerMs);
        QTest::qWait(posted.isEmpty() ? kSilenceMs : 50);
        // Two posts in a row travel on separate connections: the camera may take them in any order.
        QList<QByteArray> got = bodies(*camera, "postfulltrack");
        std::sort(got.begin(), got.end());
        std::sort(posted.begin(), posted.end());
        QCOMPARE(got, posted);
        for (const SimHttpRequest &r : camera->requests())
            if (r.authorized)
                QCOMPARE(r.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
        if (thresh >= 0)
            QCOMPARE(rig.ui->body_thresh_time_spinBox->value(), thresh);
        if (threshEnabled >= 0)
            QCOMPARE(rig.ui->body_thresh_time_spinBox->isEnabled(), bool(threshEnabled));
    }

    // The director server: a value with "&" reaches the camera whole, a repeated click sends
    // nothing, off and on again send twice. An empty port is refused before anything is sent and
    // the radio's state stays, so the next click, once the field is filled, sends.
    void directorServer()
    {
        Rig rig;
        Ui::MainWindow *ui = rig.ui;
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
        rig.lectern.on_lectern_mode_radioButton_clicked(true);
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
        for (const SimHttpRequest &r : camera->requests()) {
            QCOMPARE(r.header("Host"), QByteArray("127.0.0.2"));
            authorized = authorized || r.authorized;
        }
        QCOMPARE(authorized, right);
        QVERIFY(rig.boxes.shown.isEmpty());
        QVERIFY(log.count(QStringLiteral(",userName: \"installer\"")) >= 3);
        for (const QString &line : log.lines())
            QVERIFY2(!line.contains(password) && !line.contains(QLatin1String("Pw%40cam")), qPrintable(line));
    }

    // The teacher Apply of an M19 in lectern mode posts the director server and then the feature
    // tracking area (times 4) to the feature camera, before the block goes to the pano.
    void teacherApplyPostsTheArea()
    {
        SimCamera pano(QStringLiteral("127.0.0.3"), QStringLiteral("M19"));
        QVERIFY2(pano.start(), qPrintable(pano.lastError()));
        timescale::setFactor(0.1);
        Rig rig;
        rig.cameras.set_destination(camera_slot::Slot::TeacherPano, QStringLiteral("127.0.0.3"));
        rig.cameras[camera_slot::Slot::TeacherPano].udp_flag = true;
        rig.cameras[camera_slot::Slot::TeacherFeature].device_model = QStringLiteral("M19");
        rig.ui->lectern_mode_radioButton->setChecked(true);
        rig.ui->lectern_director_ip_Edit->setText(QStringLiteral("10.0.0.20"));
        rig.ui->lectern_director_port_Edit->setText(QStringLiteral("7000"));
        rig.ui->teacher_apply_Button->click();
        timescale::setFactor(1.0);
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
        const QString block = pano.received().last().text();
        QVERIFY(block.contains(QLatin1String("\ntracking_mode=5\n")));
        QVERIFY(block.contains(QLatin1String("\nboardsnapshot_pan_scale=40\nboardsnapshot_tilt_scale=80\n")));
    }

    // Text answers written into the page, as the camera may spell them; nothing goes back. The
    // reading rules of each spelling are rows of tst_lectern.
    void textAnswer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");    // start position entry
        QTest::addColumn<QString>("body"); // the person size radio checked afterwards
        QTest::addColumn<bool>("autoZoom");
        QTest::newRow("blanks and quotes") << "tracking.preset = '-1'\ntracking.auto_zoom=\"0\"" << 0 << "half"
                                           << false;
        QTest::newRow("body mode 4 is custom") << "tracking.body_mode=4" << 1 << "custom" << true;
        QTest::newRow("unknown and garbage") << "what.ever=1\n<html>" << 1 << "half" << true;
    }

    void textAnswer()
    {
        QFETCH(QString, text);
        QFETCH(QString, body);
        Rig rig;
        Ui::MainWindow *ui = rig.ui;
        {
            const QSignalBlocker quiet(ui->tracking_start_postion_comboBox);
            ui->tracking_start_postion_comboBox->setCurrentIndex(1);
        }
        ui->half_body_action_radioButton->setChecked(true);
        ui->auto_zoom_enable_checkBox->setChecked(true);
        rig.lectern.onRequestStringFinished(text);
        QTEST(ui->tracking_start_postion_comboBox->currentIndex(), "start");
        QVERIFY(rig.formHost.window.findChild<QRadioButton *>(body + "_body_action_radioButton")->isChecked());
        QTEST(ui->auto_zoom_enable_checkBox->isChecked(), "autoZoom");
        QTest::qWait(50);
        QCOMPARE(camera->requestCount(), 0);
    }
};

QTEST_MAIN(tst_LecternMode)
#include "tst_lectern_mode.moc"
