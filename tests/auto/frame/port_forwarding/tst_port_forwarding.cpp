// The Apply of the Recorder Map Config tab: the ports it takes into use with and without port
// mapping, "camera.ini" and the forwarding script in the test's own "portforward" folder, the
// checks that refuse an input without changing anything, and Cancel keeping the change pending.
#include "camera_slot_setup.h"
#include "core/port_forward_script.h"
#include "core/time_scale.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString kQuestion = QStringLiteral("Port modification, other operations will be interrupted!");
const QString kStarted = QStringLiteral("Port forwarding script opened successfully");

struct WindowHolder {
    std::unique_ptr<MainWindow> window;
    WindowHolder()
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        window.reset(new MainWindow);
        // The load marks the port settings changed; each test starts from a settled tab.
        window->port_settings_changed = false;
        window->ui->apply_port_Button->setText(QStringLiteral("Apply"));
    }
    ~WindowHolder()
    {
        if (window)
            delete window->guide_config; // the window never deletes its wizard
    }
    MainWindow *operator->() const { return window.get(); }
    Ui::MainWindow *ui() const { return window->ui; }
};

// Everything the Apply may change, to show that a refused input changed none of it.
struct Taken {
    bool mapping;
    int tv, tt, tu, tb, sv, st, su, sb, mcast;
    QString tr, sr, host, teacherIp, studentIp, user, password;
    QStringList addressFields;
    bool operator==(const Taken &o) const
    {
        return mapping == o.mapping && tv == o.tv && tt == o.tt && tu == o.tu && tb == o.tb && sv == o.sv
               && st == o.st && su == o.su && sb == o.sb && mcast == o.mcast && tr == o.tr && sr == o.sr
               && host == o.host && teacherIp == o.teacherIp && studentIp == o.studentIp && user == o.user
               && password == o.password && addressFields == o.addressFields;
    }
};

Taken taken(const WindowHolder &w)
{
    Ui::MainWindow *ui = w.ui();
    return {w->recorder_port_map_enabled, w->teacher_visca_port, w->teacher_tcp_port, w->teacher_udp_port,
            w->teacher_backup_port, w->student_visca_port, w->student_tcp_port, w->student_udp_port,
            w->student_backup_port, w->mcast_port, w->teacher_rtsp_port, w->student_rtsp_port,
            w->recorder_host_ip, w->recorder_teacher_ip, w->recorder_student_ip, w->recorder_username,
            w->recorder_password,
            {ui->teacher_feature_IP_Edit->text(), ui->teacher_pano_IP_Edit->text(), ui->student_feature_IP_Edit->text(),
             ui->student_pano_IP_Edit->text(), ui->board_feature_IP_Edit->text(), ui->board_pano_IP_Edit->text()}};
}

// Values that no Apply would choose, so that every member the Apply sets shows it.
void scramble(WindowHolder &w)
{
    w->teacher_visca_port = w->teacher_tcp_port = w->teacher_udp_port = w->teacher_backup_port = 1;
    w->student_visca_port = w->student_tcp_port = w->student_udp_port = w->student_backup_port = 2;
    w->teacher_rtsp_port = w->student_rtsp_port = QStringLiteral("3");
    w->mcast_port = 4;
}

QLineEdit *field(const WindowHolder &w, const QString &name) { return w->findChild<QLineEdit *>(name); }

} // namespace

class tst_PortForwarding : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString folder;

    // A harmless script: it notes its working directory and arguments beside itself.
    void writeScript()
    {
        QFile script(folder + QStringLiteral("/start_config.sh"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("pwd > started.tmp\necho \"$0 $#\" >> started.tmp\nmv started.tmp started.txt\n");
    }

private slots:
    void initTestCase() { timescale::setFactor(0.001); }

    void init()
    {
        dir.reset(new QTemporaryDir);
        QVERIFY(dir->isValid());
        folder = dir->filePath(QStringLiteral("portforward"));
        QVERIFY(QDir().mkpath(folder));
        portforward_script::setFolder(folder);
        portforward_script::setStarter({});
    }

    void cleanup()
    {
        portforward_script::setFolder(QString());
        portforward_script::setStarter({});
    }

    void unchangedOnlyRelabels()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        w.ui()->apply_port_Button->setText(QStringLiteral("Apply(*)"));
        const Taken before = taken(w);
        w.ui()->apply_port_Button->click();
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(w.ui()->apply_port_Button->text(), QStringLiteral("Apply"));
        QVERIFY(taken(w) == before);
    }

    // Cancel takes nothing into use and leaves the change pending: the next Apply asks again.
    void cancelKeepsTheChangePending()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        scramble(w);
        w.ui()->upgrade_port_Edit->setText(QStringLiteral("8006"));
        QVERIFY(w->port_settings_changed);
        const Taken before = taken(w);
        boxes.answerNext(QMessageBox::Cancel);
        QTest::ignoreMessage(QtDebugMsg, "MainWindow::QMessageBox::Cancel");
        w.ui()->apply_port_Button->click();
        QCOMPARE(boxes.texts(), QStringList{kQuestion});
        QCOMPARE(boxes.shown.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(boxes.shown.first().icon, QMessageBox::Information);
        QVERIFY(w->port_settings_changed);
        QCOMPARE(w.ui()->apply_port_Button->text(), QStringLiteral("Apply(*)"));
        QVERIFY(taken(w) == before);

        boxes.answerNext(QMessageBox::Ok);
        w.ui()->apply_port_Button->click();
        QCOMPARE(boxes.texts(), (QStringList{kQuestion, kQuestion}));
        QCOMPARE(w->mcast_port, 8006);
        QVERIFY(!w->port_settings_changed);
        QCOMPARE(w.ui()->apply_port_Button->text(), QStringLiteral("Apply"));
    }

    // Without mapping the cameras' own ports are in use, whatever the mapped fields hold;
    // nothing is written and nothing is started.
    void mappingOff()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        writeScript();
        scramble(w);
        w->recorder_port_map_enabled = true; // as a previous Apply with mapping left it
        w.ui()->visca_port_Edit->setText(QStringLiteral("not a port")); // not used without mapping
        const QStringList addresses = taken(w).addressFields;
        w.ui()->apply_port_Button->click();

        QCOMPARE(boxes.texts(), QStringList{kQuestion});
        QVERIFY(!w->recorder_port_map_enabled);
        QCOMPARE(w->teacher_visca_port, 1259);
        QCOMPARE(w->student_visca_port, 1259);
        QCOMPARE(w->teacher_tcp_port, 6793);
        QCOMPARE(w->student_tcp_port, 6793);
        QCOMPARE(w->teacher_udp_port, 6791);
        QCOMPARE(w->student_udp_port, 6791);
        QCOMPARE(w->teacher_rtsp_port, QStringLiteral("554"));
        QCOMPARE(w->student_rtsp_port, QStringLiteral("554"));
        QCOMPARE(w->teacher_backup_port, 5555);
        QCOMPARE(w->student_backup_port, 5555);
        QCOMPARE(w->mcast_port, 8005);
        QCOMPARE(taken(w).addressFields, addresses);
        QVERIFY(!QFile::exists(folder + QStringLiteral("/camera.ini")));
        QTest::qWait(50);
        QVERIFY(!QFile::exists(folder + QStringLiteral("/started.txt")));
        QVERIFY(!w->port_settings_changed);
        QCOMPARE(w.ui()->apply_port_Button->text(), QStringLiteral("Apply"));
    }

    // Every connected camera and the free preview are disconnected before the ports change.
    void connectedCamerasAreDisconnected_data()
    {
        QTest::addColumn<bool>("mapping");
        QTest::newRow("mapping off") << false;
        QTest::newRow("mapping on") << true;
    }
    void connectedCamerasAreDisconnected()
    {
        QFETCH(bool, mapping);
        RecordingPresenter boxes;
        WindowHolder w;
        writeScript();
        portforward_script::setStarter([](const portforward_script::Launch &, qint64 *) { return true; });
        Ui::MainWindow *ui = w.ui();
        const camslot::Slot cameras[] = {camslot::Slot::TeacherFeature, camslot::Slot::TeacherPano,
                                       camslot::Slot::StudentFeature, camslot::Slot::StudentPano,
                                       camslot::Slot::BoardFeature,   camslot::Slot::BoardPano};
        for (int i = 0; i < 6; ++i)
            QVERIFY(camslot::attach(*w.window, cameras[i], QStringLiteral("127.0.0.%1").arg(i + 2)));
        w->rtsp_preview_connected = true;
        ui->rtsp_connect_Button->setText(QStringLiteral("Disconnect"));
        ui->port_map_checkBox->setChecked(mapping);
        ui->rtsp_port_Edit->setText(QStringLiteral("20555")); // a change to apply in either mode
        ui->apply_port_Button->click();

        QCOMPARE(boxes.texts().first(), kQuestion);
        const bool *flags[] = {&w->udp_teacher_feature_flag, &w->udp_teacher_pano_flag, &w->udp_student_feature_flag,
                               &w->udp_student_pano_flag,    &w->udp_board_feature_flag, &w->udp_board_pano_flag};
        for (int i = 0; i < 6; ++i)
            QVERIFY2(!*flags[i], qPrintable(QString::number(i)));
        for (QPushButton *b : {ui->teacher_feature_connect_Button, ui->teacher_pano_connect_Button,
                               ui->student_feature_connect_Button, ui->student_pano_connect_Button,
                               ui->board_feature_connect_Button, ui->board_pano_connect_Button,
                               ui->rtsp_connect_Button})
            QCOMPARE(b->text(), QStringLiteral("Connect"));
        QVERIFY(!w->rtsp_preview_connected);
        QVERIFY(!w->port_settings_changed);
    }

    // With mapping: the mapped ports and the host's address are in use, "camera.ini" holds the
    // mapping and the script runs in its folder.
    void mappingOn()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        writeScript();
        scramble(w);
        Ui::MainWindow *ui = w.ui();
        ui->port_map_checkBox->setChecked(true);
        ui->board_feature_IP_Edit->setText(QStringLiteral("192.168.1.165"));
        ui->board_pano_IP_Edit->setText(QStringLiteral("192.168.1.166"));
        ui->recorder_host_ip_Edit->setText(QStringLiteral("10.20.30.40"));
        ui->recorder_teacher_ip_Edit->setText(QStringLiteral("10.20.30.41"));
        ui->recorder_student_ip_Edit->setText(QStringLiteral("10.20.30.42"));
        ui->recorder_username_Edit->setText(QStringLiteral("admin"));
        ui->recorder_password_Edit->setText(QString());
        ui->rtsp_port_Edit->setText(QStringLiteral("30554"));
        ui->visca_port_Edit->setText(QString()); // the camera's own port
        ui->udp_port_Edit->setText(QStringLiteral("30791"));
        ui->tcp_port_Edit->setText(QStringLiteral("30793"));
        ui->backup_port_Edit->setText(QStringLiteral("35555"));
        ui->student_rtsp_port_Edit->setText(QStringLiteral("40554"));
        ui->student_visca_port_Edit->setText(QStringLiteral("41259"));
        ui->student_udp_port_Edit->setText(QStringLiteral("40791"));
        ui->student_tcp_port_Edit->setText(QString());
        ui->student_backup_port_Edit->setText(QStringLiteral("45555"));
        ui->apply_port_Button->click();

        QCOMPARE(boxes.shown.size(), 2);
        QCOMPARE(boxes.shown.at(1).text, kStarted);
        QCOMPARE(boxes.shown.at(1).title, QStringLiteral("Information"));
        QCOMPARE(boxes.shown.at(1).buttons, QMessageBox::StandardButtons(QMessageBox::NoButton));
        QVERIFY(w->recorder_port_map_enabled);
        QCOMPARE(w->teacher_rtsp_port, QStringLiteral("30554"));
        QCOMPARE(w->teacher_visca_port, 1259);
        QCOMPARE(w->teacher_udp_port, 30791);
        QCOMPARE(w->teacher_tcp_port, 30793);
        QCOMPARE(w->teacher_backup_port, 35555);
        QCOMPARE(w->student_rtsp_port, QStringLiteral("40554"));
        QCOMPARE(w->student_visca_port, 41259);
        QCOMPARE(w->student_udp_port, 40791);
        QCOMPARE(w->student_tcp_port, 6793);
        QCOMPARE(w->student_backup_port, 45555);
        QCOMPARE(w->mcast_port, 8005);
        QCOMPARE(w->T_UDP_Port, QStringLiteral("30791"));
        QCOMPARE(w->S_TCP_Port, QStringLiteral("6793"));
        QCOMPARE(w->recorder_host_ip, QStringLiteral("10.20.30.40"));
        QCOMPARE(w->recorder_teacher_ip, QStringLiteral("10.20.30.41"));
        QCOMPARE(w->recorder_student_ip, QStringLiteral("10.20.30.42"));
        QCOMPARE(w->recorder_username, QStringLiteral("admin"));
        QCOMPARE(w->recorder_password, QString());
        // The teacher and student cameras are reached at the host; the board cameras are not.
        QCOMPARE(taken(w).addressFields,
                 (QStringList{"10.20.30.40", "10.20.30.40", "10.20.30.40", "10.20.30.40", "192.168.1.165",
                              "192.168.1.166"}));
        QVERIFY(!w->port_settings_changed);
        QCOMPARE(ui->apply_port_Button->text(), QStringLiteral("Apply"));

        // "camera.ini", key by key, as the tool finds it on the disk.
        const QString copy = dir->filePath(QStringLiteral("copy.ini"));
        QVERIFY(QFile::copy(folder + QStringLiteral("/camera.ini"), copy));
        QSettings ini(copy, QSettings::IniFormat);
        const QList<QPair<QString, QString>> expected = {
            {"User", "admin"},         {"Password", ""},           {"Host", "10.20.30.40"},
            {"StudentIP", "10.20.30.42"}, {"StudentRtsp", "40554"}, {"StudentVisca", "41259"},
            {"StudentUdp", "40791"},   {"StudentTcp", "6793"},     {"StudentBackup", "45555"},
            {"TeacherIP", "10.20.30.41"}, {"TeacherRtsp", "30554"}, {"TeacherVisca", "1259"},
            {"TeacherUdp", "30791"},   {"TeacherTcp", "30793"},    {"TeacherBackup", "35555"},
        };
        QCOMPARE(ini.allKeys().size(), expected.size());
        for (const auto &key : expected)
            QCOMPARE(ini.value(QStringLiteral("RECORDER/") + key.first).toString(), key.second);

        // The script ran through the shell, from its own folder.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder + QStringLiteral("/started.txt")), 5000);
        QFile noted(folder + QStringLiteral("/started.txt"));
        QVERIFY(noted.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLocal8Bit(noted.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(QDir(lines.value(0)).canonicalPath(), QDir(folder).canonicalPath());
        QCOMPARE(lines.value(1), QStringLiteral("./start_config.sh 0"));
    }

    void launch()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        writeScript();
        QList<portforward_script::Launch> launches;
        portforward_script::setStarter([&launches](const portforward_script::Launch &l, qint64 *pid) {
            launches << l;
            *pid = 4242;
            return true;
        });
        w.ui()->port_map_checkBox->setChecked(true);
        QTest::ignoreMessage(QtDebugMsg, "cmd arguments : (\"./start_config.sh\")");
        QTest::ignoreMessage(QtDebugMsg, "Cmd process started with pid 4242");
        w.ui()->apply_port_Button->click();
        QCOMPARE(launches.size(), 1);
        QCOMPARE(launches.first().program, QStringLiteral("/bin/sh"));
        QCOMPARE(launches.first().arguments, QStringList{QStringLiteral("./start_config.sh")});
        QCOMPARE(launches.first().working_directory, folder);
        QCOMPARE(boxes.texts().last(), kStarted);
    }

    // Each refused input: a warning, and nothing changed: the ports in use, the mapping
    // switch in memory, the address fields, no file, no script, and the change still pending.
    void refusedInputChangesNothing_data()
    {
        QTest::addColumn<bool>("mapping");
        QTest::addColumn<QStringList>("changes"); // "field=text"
        QTest::addColumn<QString>("warning");
        const QString login = QStringLiteral("Username and password cannot be empty!");
        const QString address = QStringLiteral("Network information fill in error");
        auto port = [](const char *text) {
            return QStringLiteral("Port fill in error: \"%1\" is not a port from 1 to 65535").arg(QLatin1String(text));
        };
        QTest::newRow("no login") << true << QStringList{"recorder_username_Edit=", "recorder_password_Edit="} << login;
        QTest::newRow("empty host") << true << QStringList{"recorder_host_ip_Edit="} << address;
        QTest::newRow("bad host") << true << QStringList{"recorder_host_ip_Edit=10.0.0.300"} << address;
        QTest::newRow("bad teacher address") << true << QStringList{"recorder_teacher_ip_Edit=teacher"} << address;
        QTest::newRow("bad student address") << true << QStringList{"recorder_student_ip_Edit=1.2.3"} << address;
        QTest::newRow("letters in a port") << true << QStringList{"udp_port_Edit=abc"} << port("abc");
        QTest::newRow("port 0") << true << QStringList{"student_visca_port_Edit=0"} << port("0");
        QTest::newRow("port 65536") << true << QStringList{"tcp_port_Edit=65536"} << port("65536");
        QTest::newRow("leading zero") << true << QStringList{"student_rtsp_port_Edit=010554"} << port("010554");
        QTest::newRow("backup port") << true << QStringList{"backup_port_Edit=25555x"} << port("25555x");
        QTest::newRow("search port, mapped") << true << QStringList{"upgrade_port_Edit=80050"} << port("80050");
        QTest::newRow("search port, unmapped") << false << QStringList{"upgrade_port_Edit=8o05"} << port("8o05");
    }
    void refusedInputChangesNothing()
    {
        QFETCH(bool, mapping);
        QFETCH(QStringList, changes);
        QFETCH(QString, warning);
        RecordingPresenter boxes;
        WindowHolder w;
        writeScript();
        scramble(w);
        w.ui()->port_map_checkBox->setChecked(mapping);
        for (const QString &change : changes) {
            const int eq = change.indexOf(QLatin1Char('='));
            QLineEdit *edit = field(w, change.left(eq));
            QVERIFY2(edit, qPrintable(change));
            edit->setText(change.mid(eq + 1));
        }
        QVERIFY(camslot::attach(*w.window, camslot::Slot::TeacherPano, QStringLiteral("127.0.0.3")));
        const Taken before = taken(w);
        w.ui()->apply_port_Button->click();

        QCOMPARE(boxes.texts(), (QStringList{kQuestion, warning}));
        // The camera stays connected: nothing was taken into use.
        QVERIFY(w->udp_teacher_pano_flag);
        QVERIFY(camslot::destination(*w.window, camslot::Slot::TeacherPano));
        camslot::detach(*w.window, camslot::Slot::TeacherPano);
        QCOMPARE(boxes.shown.at(1).icon, QMessageBox::Warning);
        QVERIFY(taken(w) == before);
        QVERIFY(w->port_settings_changed);
        QCOMPARE(w.ui()->apply_port_Button->text(), QStringLiteral("Apply(*)"));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/camera.ini")));
        QTest::qWait(50);
        QVERIFY(!QFile::exists(folder + QStringLiteral("/started.txt")));
    }

    // The mapping could not reach the host: said so, and the change stays pending so that
    // the next Apply tries again.
    void handOverFailures_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("message");
        QTest::newRow("no script") << 0 << "Port forwarding script not found: %1/start_config.sh";
        QTest::newRow("shell not started") << 1 << "Failed to enable port forwarding script";
        QTest::newRow("camera.ini not written") << 2 << "Failed to save the port forwarding settings to %1/camera.ini";
    }
    void handOverFailures()
    {
        QFETCH(int, failure);
        QFETCH(QString, message);
        RecordingPresenter boxes;
        WindowHolder w;
        int starts = 0;
        portforward_script::setStarter([&starts, failure](const portforward_script::Launch &, qint64 *) {
            ++starts;
            return failure != 1;
        });
        if (failure != 0)
            writeScript();
        if (failure == 2) {
            folder = dir->filePath(QStringLiteral("missing/portforward"));
            portforward_script::setFolder(folder);
        }
        w.ui()->port_map_checkBox->setChecked(true);
        w.ui()->apply_port_Button->click();

        QCOMPARE(boxes.texts().size(), 2);
        QCOMPARE(boxes.texts().last(), message.arg(folder));
        QCOMPARE(starts, failure == 1 ? 1 : 0);
        QVERIFY(!boxes.texts().contains(kStarted));
        // The ports are in use; only the host's side is missing.
        QVERIFY(w->recorder_port_map_enabled);
        QCOMPARE(w->teacher_udp_port, 26791);
        QVERIFY(w->port_settings_changed);
        QCOMPARE(w.ui()->apply_port_Button->text(), QStringLiteral("Apply(*)"));
        QCOMPARE(QFile::exists(folder + QStringLiteral("/camera.ini")), failure != 2);
    }
};

QTEST_MAIN(tst_PortForwarding)
#include "tst_port_forwarding.moc"
