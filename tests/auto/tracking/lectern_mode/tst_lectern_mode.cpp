#include <algorithm>
// The lectern page of the teacher tab against the simulator's HTTP interface of the teacher
// feature camera: what the lectern radio reads, what each control posts, the director server,
// a refused login, values with "&", a password with "@", and that Default posts nothing.
#include "camera_slot_setup.h"
#include "guide/guideconfig.h"
#include "net/httpmanager.h"
#include "log_capture.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "sim_camera.h"
#include "sim_http.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(std::function<void(Ui::MainWindow *)>)

namespace {

constexpr int kAnswerMs = 5000; // loopback answers come within milliseconds; this only bounds a failure
constexpr int kSilenceMs = 300; // how long a test waits to be sure nothing is sent
const QString kCamera = QStringLiteral("127.0.0.2");

struct WindowHolder {
    std::unique_ptr<MainWindow> window;
    WindowHolder()
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=1\n"));
        window.reset(new MainWindow);
        window->ui->teacher_feature_IP_Edit->setText(kCamera);
        // The director group is read-only until a tracking stop on an M19 opens it.
        window->ui->groupBox_36->setEnabled(true);
    }
    ~WindowHolder()
    {
        delete window->http_manager; // the window keeps its HTTP client for the process's life
        delete window->guide_config;
    }
    MainWindow *operator->() const { return window.get(); }
    Ui::MainWindow *ui() const { return window->ui; }
};

// The form bodies the camera took for an action, from request index `from` on.
QList<QByteArray> bodies(const SimHttpService &camera, const QByteArray &action, int from = 0)
{
    QList<QByteArray> list;
    const QVector<SimHttpRequest> seen = camera.requests();
    for (int i = from; i < seen.size(); ++i) {
        if (seen.at(i).action == action && seen.at(i).authorized)
            list << seen.at(i).body;
    }
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

private slots:
    void init()
    {
        camera.reset(new SimHttpService(kCamera));
        QVERIFY2(camera->start(), qPrintable(camera->lastError()));
    }
    void cleanup() { camera.reset(); }

    // The lectern radio shows the lectern page and reads the camera's settings into it.
    void lecternRadioReadsTheCamera()
    {
        camera->setValue(QStringLiteral("tracking.return_preset_time"), QStringLiteral("17"));
        camera->setValue(QStringLiteral("tracking.preset"), QStringLiteral("1"));
        camera->setValue(QStringLiteral("tracking.body_mode"), QStringLiteral("4"));
        camera->setValue(QStringLiteral("tracking.body_thresh"), QStringLiteral("200"));
        camera->setValue(QStringLiteral("tracking.auto_zoom"), QStringLiteral("0"));
        camera->setValue(QStringLiteral("tracking.auto_tilt"), QStringLiteral("1"));
        camera->setValue(QStringLiteral("tracking.server_enable"), QStringLiteral("0"));
        camera->setValue(QStringLiteral("tracking.server_addr"), QStringLiteral("10.1.2.3"));
        camera->setValue(QStringLiteral("tracking.server_port"), QStringLiteral("5000"));
        camera->setValue(QStringLiteral("tracking.times"), QStringLiteral("45"));
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        ui->auto_zoom_enable_checkBox->setChecked(true);
        const int before = camera->requestCount();

        ui->lectern_mode_radioButton->click();
        QCOMPARE(ui->mode_stackedWidget->currentIndex(), 1);
        QVERIFY(waitForPost(*camera, "get_path", before));
        QVERIFY(camera->waitForRequest(
            [](const SimHttpRequest &r) { return r.action == "getfulltrack" && r.status == 200; }, kAnswerMs, before));
        QTRY_COMPARE_WITH_TIMEOUT(ui->lectern_director_hold_time_label->value(), 45, kAnswerMs);
        QTRY_COMPARE_WITH_TIMEOUT(ui->target_retention_time_label_spinBox->value(), 17, kAnswerMs);
        QCOMPARE(ui->tracking_start_postion_comboBox->currentIndex(), 1);
        QVERIFY(ui->custom_body_action_radioButton->isChecked());
        QCOMPARE(ui->body_thresh_time_spinBox->value(), 200);
        QVERIFY(!ui->auto_zoom_enable_checkBox->isChecked());
        QVERIFY(ui->auto_tilt_enable_checkBox->isChecked());
        QVERIFY(ui->teacher_director_off_radioButton->isChecked());
        QVERIFY(w->teacher_director_off_last);
        QVERIFY(!w->teacher_director_on_last);
        QCOMPARE(ui->lectern_director_ip_Edit->text(), QStringLiteral("10.1.2.3"));
        QCOMPARE(ui->lectern_director_port_Edit->text(), QStringLiteral("5000"));

        // Reading posts nothing back.
        QTest::qWait(kSilenceMs);
        QVERIFY(bodies(*camera, "postfulltrack", before).isEmpty());

        // With CORVANE_SHOT_DIR set, the page as read is saved there.
        const QString shots = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (!shots.isEmpty()) {
            w->show();
            ui->tabWidget->setCurrentIndex(0);
            QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
            QVERIFY(w->grab().save(shots + QStringLiteral("/lectern_page_read.png")));
        }
    }

    // A value the page cannot hold is shown as near as it can be, and the camera keeps its own.
    void readingNeverOverwritesTheCamera()
    {
        camera->setValue(QStringLiteral("tracking.return_preset_time"), QStringLiteral("100"));
        camera->setValue(QStringLiteral("tracking.body_thresh"), QStringLiteral("abc"));
        camera->setValue(QStringLiteral("tracking.body_mode"), QStringLiteral("4"));
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        const int before = camera->requestCount();
        w->on_lectern_mode_radioButton_clicked(true);
        QTRY_COMPARE_WITH_TIMEOUT(ui->target_retention_time_label_spinBox->value(), 60, kAnswerMs);
        QTRY_VERIFY_WITH_TIMEOUT(ui->custom_body_action_radioButton->isChecked(), kAnswerMs);
        QTest::qWait(kSilenceMs);
        QVERIFY(bodies(*camera, "postfulltrack", before).isEmpty());
        QCOMPARE(camera->value(QStringLiteral("tracking.return_preset_time")), QStringLiteral("100"));
        QCOMPARE(camera->value(QStringLiteral("tracking.body_thresh")), QStringLiteral("abc"));
    }

    void lecternRadioUncheckedSendsNothing()
    {
        WindowHolder w;
        const int before = camera->requestCount();
        w->on_lectern_mode_radioButton_clicked(false);
        QCOMPARE(w.ui()->mode_stackedWidget->currentIndex(), 1);
        QTest::qWait(kSilenceMs);
        QCOMPARE(camera->requestCount(), before);
    }

    // Each lectern control posts its one setting to "postfulltrack".
    void controlsPost_data()
    {
        QTest::addColumn<std::function<void(Ui::MainWindow *)>>("act");
        QTest::addColumn<QList<QByteArray>>("posted");
        QTest::addColumn<int>("thresh");       // spin box value afterwards, -1: not checked
        QTest::addColumn<int>("threshEnabled"); // -1: not checked
        using Act = std::function<void(Ui::MainWindow *)>;
        QTest::newRow("auto zoom on") << Act([](Ui::MainWindow *ui) {
            ui->auto_zoom_enable_checkBox->setChecked(false);
            ui->auto_zoom_enable_checkBox->click();
        }) << QList<QByteArray>{"tracking.auto_zoom=1"} << -1 << -1;
        QTest::newRow("auto zoom off") << Act([](Ui::MainWindow *ui) {
            ui->auto_zoom_enable_checkBox->setChecked(true);
            ui->auto_zoom_enable_checkBox->click();
        }) << QList<QByteArray>{"tracking.auto_zoom=0"} << -1 << -1;
        QTest::newRow("auto tilt on") << Act([](Ui::MainWindow *ui) {
            ui->auto_tilt_enable_checkBox->setChecked(false);
            ui->auto_tilt_enable_checkBox->click();
        }) << QList<QByteArray>{"tracking.auto_tilt=1"} << -1 << -1;
        QTest::newRow("retention time") << Act([](Ui::MainWindow *ui) {
            ui->target_retention_time_label_spinBox->setValue(25);
        }) << QList<QByteArray>{"tracking.return_preset_time=25"} << -1 << -1;
        QTest::newRow("start position") << Act([](Ui::MainWindow *ui) {
            ui->tracking_start_postion_comboBox->setCurrentIndex(1);
            ui->tracking_start_postion_comboBox->setCurrentIndex(0);
        }) << QList<QByteArray>{"tracking.preset=1", "tracking.preset=-1"} << -1 << -1;
        QTest::newRow("full body") << Act([](Ui::MainWindow *ui) {
            ui->close_body_action_radioButton->setChecked(true);
            ui->full_body_action_radioButton->click();
        }) << QList<QByteArray>{"tracking.body_mode=0"} << 80 << 0;
        QTest::newRow("half body") << Act([](Ui::MainWindow *ui) { ui->half_body_action_radioButton->click(); })
                                   << QList<QByteArray>{"tracking.body_mode=1"} << 141 << 0;
        QTest::newRow("close up") << Act([](Ui::MainWindow *ui) { ui->close_body_action_radioButton->click(); })
                                  << QList<QByteArray>{"tracking.body_mode=2"} << 290 << 0;
        // The custom size sends its threshold and no body mode; later changes follow it.
        QTest::newRow("custom") << Act([](Ui::MainWindow *ui) {
            ui->body_thresh_time_spinBox->setValue(150);
            ui->custom_body_action_radioButton->click();
            ui->body_thresh_time_spinBox->setValue(222);
        }) << QList<QByteArray>{"tracking.body_thresh=150", "tracking.body_thresh=222"} << 222 << 1;
        QTest::newRow("threshold without custom") << Act([](Ui::MainWindow *ui) {
            ui->full_body_action_radioButton->setChecked(true);
            ui->body_thresh_time_spinBox->setValue(123);
        }) << QList<QByteArray>{} << 123 << -1;
    }
    void controlsPost()
    {
        QFETCH(std::function<void(Ui::MainWindow *)>, act);
        QFETCH(QList<QByteArray>, posted);
        QFETCH(int, thresh);
        QFETCH(int, threshEnabled);
        WindowHolder w;
        const int before = camera->requestCount();
        act(w.ui());
        if (!posted.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(bodies(*camera, "postfulltrack", before).size(), posted.size(), kAnswerMs);
        QTest::qWait(posted.isEmpty() ? kSilenceMs : 50);
        // Two posts in a row travel on separate connections, so the camera may take them in
        // either order.
        QList<QByteArray> got = bodies(*camera, "postfulltrack", before);
        QList<QByteArray> want = posted;
        std::sort(got.begin(), got.end());
        std::sort(want.begin(), want.end());
        QCOMPARE(got, want);
        for (const SimHttpRequest &r : camera->requests().mid(before)) {
            if (r.authorized)
                QCOMPARE(r.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
        }
        if (thresh >= 0)
            QCOMPARE(w.ui()->body_thresh_time_spinBox->value(), thresh);
        if (threshEnabled >= 0)
            QCOMPARE(w.ui()->body_thresh_time_spinBox->isEnabled(), bool(threshEnabled));
    }

    // The director server: a value with "&" reaches the camera whole, a repeated click sends
    // nothing, and switching off and back on sends twice.
    void directorServer()
    {
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        ui->lectern_director_ip_Edit->setText(QStringLiteral(" lectern&tracking.server_enable=0 "));
        ui->lectern_director_port_Edit->setText(QStringLiteral("9999"));
        ui->lectern_director_hold_time_label->setValue(77);
        ui->teacher_director_off_radioButton->setChecked(true);
        int from = camera->requestCount();

        ui->teacher_director_on_radioButton->click();
        QVERIFY(waitForPost(*camera, "postfulltrack2", from));
        QCOMPARE(camera->value(QStringLiteral("tracking.server_enable")), QStringLiteral("1"));
        QCOMPARE(camera->value(QStringLiteral("tracking.server_addr")), QStringLiteral("lectern&tracking.server_enable=0"));
        QCOMPARE(camera->value(QStringLiteral("tracking.server_port")), QStringLiteral("9999"));
        QCOMPARE(camera->value(QStringLiteral("tracking.times")), QStringLiteral("77"));
        QCOMPARE(bodies(*camera, "postfulltrack2", from),
                 QList<QByteArray>{"tracking.server_enable=1&tracking.server_addr=lectern%26tracking.server_enable%3D0"
                                   "&tracking.server_port=9999&tracking.times=77"});
        QVERIFY(w->teacher_director_on_last);

        from = camera->requestCount();
        ui->teacher_director_on_radioButton->click();
        QTest::qWait(kSilenceMs);
        QCOMPARE(camera->requestCount(), from);

        ui->teacher_director_off_radioButton->click();
        ui->teacher_director_on_radioButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(bodies(*camera, "postfulltrack2", from).size(), 2, kAnswerMs);
        const QList<QByteArray> posted = bodies(*camera, "postfulltrack2", from);
        QVERIFY(posted.at(0).startsWith("tracking.server_enable=0&"));
        QVERIFY(posted.at(1).startsWith("tracking.server_enable=1&"));
    }

    // An empty port or address is refused before anything is sent; once filled, the next click
    // on the radio already chosen sends.
    void directorFieldsEmpty()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        ui->lectern_director_ip_Edit->setText(QStringLiteral("10.0.0.8"));
        ui->lectern_director_port_Edit->setText(QStringLiteral("   "));
        ui->teacher_director_off_radioButton->setChecked(true);
        const int from = camera->requestCount();
        ui->teacher_director_on_radioButton->click();
        QCOMPARE(boxes.texts(), QStringList{"The director port and address cannot be empty!"});
        QCOMPARE(boxes.shown.first().title, QStringLiteral("Warning"));
        QTest::qWait(kSilenceMs);
        QCOMPARE(camera->requestCount(), from);

        ui->lectern_director_port_Edit->setText(QStringLiteral("9000"));
        ui->teacher_director_on_radioButton->click();
        QVERIFY(waitForPost(*camera, "postfulltrack2", from));
        QCOMPARE(camera->value(QStringLiteral("tracking.server_port")), QStringLiteral("9000"));
        QCOMPARE(boxes.shown.size(), 1);

        // The teacher Apply reaches it by name as well.
        const int again = camera->requestCount();
        QVERIFY(QMetaObject::invokeMethod(w.window.get(), "post_tracking_server"));
        QVERIFY(waitForPost(*camera, "postfulltrack2", again));
    }

    // A camera that refuses the login: the answer is an error, logged; nothing changes and no
    // box is shown.
    void refusedLogin()
    {
        camera->setLogin(QStringLiteral("admin"), QStringLiteral("right"));
        camera->setValue(QStringLiteral("tracking.return_preset_time"), QStringLiteral("33"));
        RecordingPresenter boxes;
        LogCapture log;
        WindowHolder w;
        w->web_username = QStringLiteral("admin");
        w->web_password = QStringLiteral("wrong");
        w->on_lectern_mode_radioButton_clicked(true);
        w.ui()->auto_tilt_enable_checkBox->click();
        QTRY_COMPARE_WITH_TIMEOUT(log.count(QStringLiteral("HTTP  Error:")), 3, kAnswerMs);
        QCOMPARE(w.ui()->target_retention_time_label_spinBox->value(), 6);
        QVERIFY(boxes.shown.isEmpty());
        for (const SimHttpRequest &r : camera->requests())
            QVERIFY(!r.authorized);
        QCOMPARE(camera->value(QStringLiteral("tracking.auto_tilt")), QStringLiteral("0"));
        QCOMPARE(log.count(QStringLiteral("wrong")), 0);
    }

    // The camera's own login, "@", "/", "#" and "?" in its password: the requests reach the
    // camera's address with the login as it is, and the password is in no log line.
    void passwordWithAt()
    {
        const QString password = QStringLiteral("Pw@cam/1#?x");
        camera->setLogin(QStringLiteral("installer"), password);
        camera->setValue(QStringLiteral("tracking.return_preset_time"), QStringLiteral("12"));
        LogCapture log;
        WindowHolder w;
        w->web_username = QStringLiteral("installer");
        w->web_password = password;
        const int from = camera->requestCount();
        w->on_lectern_mode_radioButton_clicked(true);
        QTRY_COMPARE_WITH_TIMEOUT(w.ui()->target_retention_time_label_spinBox->value(), 12, kAnswerMs);
        w.ui()->auto_zoom_enable_checkBox->setChecked(false);
        w.ui()->auto_zoom_enable_checkBox->click();
        QVERIFY(waitForPost(*camera, "postfulltrack", from));
        QCOMPARE(camera->value(QStringLiteral("tracking.auto_zoom")), QStringLiteral("1"));
        bool authorized = false;
        for (const SimHttpRequest &r : camera->requests().mid(from)) {
            QCOMPARE(r.header("Host"), QByteArray("127.0.0.2"));
            QVERIFY(r.path == "/cgi-bin/param.cgi");
            authorized = authorized || r.authorized;
        }
        QVERIFY(authorized);
        QVERIFY(log.count(QStringLiteral("getUrl()")) >= 3);
        QVERIFY(log.count(QStringLiteral(",userName:")) >= 3);
        for (const QString &line : log.lines()) {
            QVERIFY2(!line.contains(QLatin1String("Pw@cam")), qPrintable(line));
            QVERIFY2(!line.contains(QLatin1String("Pw%40cam")), qPrintable(line));
        }
    }

    // Default and the reset of every tab set the lectern spin box without posting it.
    void defaultPostsNothing()
    {
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        ui->target_retention_time_label_spinBox->setValue(30);
        QVERIFY(waitForPost(*camera, "postfulltrack", 0));
        const int from = camera->requestCount();
        ui->teacher_default_Button->click();
        QCOMPARE(ui->target_retention_time_label_spinBox->value(), 6);
        ui->target_retention_time_label_spinBox->setValue(40);
        QVERIFY(waitForPost(*camera, "postfulltrack", from));
        const int afterSet = camera->requestCount();
        w->set_all_defaults();
        QCOMPARE(ui->target_retention_time_label_spinBox->value(), 6);
        QCOMPARE(ui->lectern_director_hold_time_label->value(), 120);
        QTest::qWait(kSilenceMs);
        QCOMPARE(camera->requestCount(), afterSet);
        QCOMPARE(bodies(*camera, "postfulltrack", from), QList<QByteArray>{"tracking.return_preset_time=40"});
    }

    void effectArea()
    {
        WindowHolder w;
        w->post_effect_area(40, 80, 1200, 640);
        QVERIFY(waitForPost(*camera, "effect_area", 0));
        QCOMPARE(camera->value(QStringLiteral("tracking.area.left_up_x")), QStringLiteral("40"));
        QCOMPARE(camera->value(QStringLiteral("tracking.area.left_up_y")), QStringLiteral("80"));
        QCOMPARE(camera->value(QStringLiteral("tracking.area.right_down_x")), QStringLiteral("1200"));
        QCOMPARE(camera->value(QStringLiteral("tracking.area.right_down_y")), QStringLiteral("640"));
    }

    // The teacher Apply of an M19 in lectern mode posts the director server and then the
    // feature tracking area (times 4) to the feature camera, before the block goes to the pano.
    void teacherApplyPostsTheArea()
    {
        SimCamera pano(QStringLiteral("127.0.0.3"), QStringLiteral("M19"));
        QVERIFY2(pano.start(), qPrintable(pano.lastError()));
        RecordingPresenter boxes;
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        QVERIFY(camslot::attach(*w.window, camslot::Slot::TeacherPano, QStringLiteral("127.0.0.3")));
        w->teacher_feature_device_model = QStringLiteral("M19");
        ui->lectern_mode_radioButton->setChecked(true);
        ui->lectern_director_ip_Edit->setText(QStringLiteral("10.0.0.20"));
        ui->lectern_director_port_Edit->setText(QStringLiteral("7000"));
        w->region_editor->region_rects().feature = {10, 20, 300, 200};
        const int from = camera->requestCount();

        ui->teacher_apply_Button->click();
        QVERIFY(waitForPost(*camera, "effect_area", from));
        QVERIFY(pano.waitForMessage(
            [](const SimMessage &m) { return m.isText() && m.text().contains(QLatin1String("set_tracking_config_file")); },
            kAnswerMs));
        QStringList order;
        for (const SimHttpRequest &r : camera->requests().mid(from)) {
            if (r.authorized)
                order << QString::fromLatin1(r.action);
        }
        QCOMPARE(order, (QStringList{"postfulltrack2", "effect_area"}));
        QCOMPARE(camera->value(QStringLiteral("tracking.server_addr")), QStringLiteral("10.0.0.20"));
        QCOMPARE(camera->value(QStringLiteral("tracking.area.left_up_x")), QStringLiteral("40"));
        QCOMPARE(camera->value(QStringLiteral("tracking.area.left_up_y")), QStringLiteral("80"));
        QCOMPARE(camera->value(QStringLiteral("tracking.area.right_down_x")), QStringLiteral("1200"));
        QCOMPARE(camera->value(QStringLiteral("tracking.area.right_down_y")), QStringLiteral("800"));
        camslot::detachAll(*w.window);
    }

    // Text answers written into the page, as the camera may spell them.
    void textAnswer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");     // start position entry
        QTest::addColumn<QString>("body");  // checked person size radio
        QTest::addColumn<bool>("autoZoom");
        QTest::newRow("blanks and quotes") << "tracking.preset = '-1'\ntracking.auto_zoom=\"0\"" << 0
                                           << "half_body_action_radioButton" << false;
        QTest::newRow("preset 1") << "tracking.preset=1\ntracking.body_mode=2\n" << 1
                                  << "close_body_action_radioButton" << true;
        QTest::newRow("body mode 3 changes nothing") << "tracking.body_mode=3" << 1 << "half_body_action_radioButton"
                                                     << true;
        QTest::newRow("body mode 4 is custom") << "tracking.body_mode=4" << 1 << "custom_body_action_radioButton"
                                               << true;
        QTest::newRow("unknown and garbage") << "what.ever=1\n<html>" << 1 << "half_body_action_radioButton" << true;
        QTest::newRow("CRLF") << "tracking.preset=-1\r\ntracking.body_mode=0\r\n" << 0
                              << "full_body_action_radioButton" << true;
    }
    void textAnswer()
    {
        QFETCH(QString, text);
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        {
            const QSignalBlocker quiet(ui->tracking_start_postion_comboBox);
            ui->tracking_start_postion_comboBox->setCurrentIndex(1);
        }
        ui->half_body_action_radioButton->setChecked(true);
        ui->auto_zoom_enable_checkBox->setChecked(true);
        LogCapture log;
        w->onRequestStringFinished(text);
        QTEST(ui->tracking_start_postion_comboBox->currentIndex(), "start");
        QFETCH(QString, body);
        QVERIFY(w->findChild<QRadioButton *>(body)->isChecked());
        QTEST(ui->auto_zoom_enable_checkBox->isChecked(), "autoZoom");
        QVERIFY(log.contains(QStringLiteral("HTTP  String Response:")));
        QTest::qWait(50);
        QCOMPARE(camera->requestCount(), 0);
    }

private:
    std::unique_ptr<SimHttpService> camera;
};

QTEST_MAIN(tst_LecternMode)
#include "tst_lectern_mode.moc"
