// The Options tab without the window: the decoder choice, the About box, the validators, and
// the Recorder Map Config Apply with its change mark, "camera.ini" and the forwarding script in
// the test's own "portforward" folder.
#include "core/port_forward_script.h"
#include "core/time_scale.h"
#include "folder_faults.h"
#include "form_host.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "recording_presenter.h"
#include "tabs/options_tab.h"
#include "video/decoder_choice.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace {

const QString kQuestion = QStringLiteral("Port modification, other operations will be interrupted!");
const QString kStarted = QStringLiteral("Port forwarding script opened successfully");

// What the Apply tells the camera connections: recorded, and the address fields set as they do.
struct Connections {
    int disconnects = 0;
    int ports_seen_by_disconnect = 0; // the udp port in use when the cameras let go
};

struct Tab {
    FormHost host;
    CameraPorts ports;
    CameraSlots cameras;
    ControlLink link{&cameras};
    portforward::Fields fields;
    WindowChoices choices;
    Connections connections;
    OptionsTab tab;
    Ui::MainWindow *ui = host.ui;
    Tab()
        : tab(CORVANE_FORM_WIDGETS(OptionsTab, OPTIONS_TAB_WIDGETS, host.ui), ports, fields, choices, link,
              &host.window)
    {
        QObject::connect(&tab, &OptionsTab::port_change_disconnect_wanted, [this] {
            ++connections.disconnects;
            connections.ports_seen_by_disconnect = ports.udp_port(camera_slot::Side::Teacher);
        });
        QObject::connect(&tab, &OptionsTab::camera_addresses_mapped, [this](const QString &address) {
            for (QLineEdit *edit : {ui->student_feature_IP_Edit, ui->student_pano_IP_Edit, ui->teacher_feature_IP_Edit,
                                    ui->teacher_pano_IP_Edit})
                edit->setText(address);
        });
    }
    // Values that no Apply would choose, so that every port the Apply sets shows it.
    void scramble()
    {
        CameraPorts::Values &v = ports.edit();
        v.teacher_visca_port = v.teacher_tcp_port = v.teacher_udp_port = v.teacher_backup_port = 1;
        v.student_visca_port = v.student_tcp_port = v.student_udp_port = v.student_backup_port = 2;
        v.teacher_rtsp_port = v.student_rtsp_port = QStringLiteral("3");
        v.mcast_port = 4;
    }
    // Each "field=text" typed into its field.
    void type(const QStringList &changes)
    {
        for (const QString &change : changes)
            if (auto *edit = host.window.findChild<QLineEdit *>(change.section(QLatin1Char('='), 0, 0)))
                edit->setText(change.section(QLatin1Char('='), 1));
    }
    QStringList taken() const
    {
        const CameraPorts::Values &v = ports.values();
        QStringList t;
        for (int p : {v.teacher_visca_port, v.teacher_tcp_port, v.teacher_udp_port, v.teacher_backup_port,
                      v.student_visca_port, v.student_tcp_port, v.student_udp_port, v.student_backup_port,
                      v.mcast_port})
            t << QString::number(p);
        t << v.teacher_rtsp_port << v.student_rtsp_port << v.recorder_host_ip << v.recorder_teacher_ip
          << v.recorder_student_ip << v.recorder_username << v.recorder_password
          << QString::number(v.recorder_port_map_enabled) << ui->teacher_feature_IP_Edit->text()
          << ui->teacher_pano_IP_Edit->text() << ui->student_feature_IP_Edit->text()
          << ui->student_pano_IP_Edit->text();
        return t;
    }
};

} // namespace

class tst_OptionsTab : public QObject
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
        gDecoderType = QStringLiteral("NONE");
        gHwAccelEnabled = false;
    }

    // The choice reaches the decoders; the typing rules are checked in tst_settings_codecs, here
    // only that the tab wires them to its fields. The port getters' decisions are rows of
    // tst_settings_codecs too; the Apply rows below take their fields into use.
    void wiring()
    {
        RecordingPresenter boxes;
        Tab t;
        t.ui->decoder_select_comboBox->setCurrentIndex(4);
        QCOMPARE(gDecoderType, QStringLiteral("D3D11VA"));
        QVERIFY(gHwAccelEnabled);
        t.ui->decoder_select_comboBox->setCurrentIndex(0);
        QCOMPARE(gDecoderType, QStringLiteral("NONE"));
        QVERIFY(!gHwAccelEnabled);
        t.ui->copyright_description_btn->click();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown.first().title, QStringLiteral("About Corvane"));
        QCOMPARE(boxes.shown.first().parent, &t.host.window);
        QVERIFY(boxes.shown.first().text.contains(QLatin1String(qVersion())));
    }

    // An Apply with nothing changed only relabels. Otherwise the question first: Cancel takes
    // nothing into use and leaves the change pending, so the next Apply asks again; a refused
    // input warns and changes nothing (the ports in use, the mapping switch in memory, the
    // address fields, no file, no script, the cameras connected, the change still pending).
    // Without mapping the cameras' own ports are taken into use whatever the mapped fields hold,
    // nothing is written and nothing is started; the cameras let go before the ports change.
    void apply_data()
    {
        QTest::addColumn<bool>("mapping");
        QTest::addColumn<QStringList>("changes"); // "field=text"
        QTest::addColumn<QStringList>("boxes");   // after the question; "cancel": its answer
        QTest::addColumn<QStringList>("ports");   // the ports in use afterwards; empty: unchanged
        const QString login = QStringLiteral("Username and password cannot be empty!");
        const QString address = QStringLiteral("Network information fill in error");
        auto port = [](const char *text) {
            return QStringLiteral("Port fill in error: \"%1\" is not a port from 1 to 65535").arg(QLatin1String(text));
        };
        const QStringList none,
            own{"1259", "6793", "6791", "5555", "1259", "6793", "6791", "5555", "8005", "554", "554"};
        QTest::newRow("unchanged") << false << QStringList{"-"} << none << none;
        QTest::newRow("cancel") << false << QStringList{"upgrade_port_Edit=8006"} << QStringList{"cancel"} << none;
        // One row per check; the order of the checks and every port rule are rows of tst_settings_codecs.
        QTest::newRow("no login") << true << QStringList{"recorder_username_Edit=", "recorder_password_Edit="}
                                  << QStringList{login} << none;
        QTest::newRow("bad teacher address") << true << QStringList{"recorder_teacher_ip_Edit=teacher"}
                                             << QStringList{address} << none;
        QTest::newRow("letters in a port") << true << QStringList{"udp_port_Edit=abc"} << QStringList{port("abc")}
                                           << none;
        QTest::newRow("leading zero") << true << QStringList{"student_rtsp_port_Edit=010554"}
                                      << QStringList{port("010554")} << none;
        QTest::newRow("search port, unmapped") << false << QStringList{"upgrade_port_Edit=8o05"}
                                               << QStringList{port("8o05")} << none;
        // As a previous Apply with mapping left it; the mapped fields are not looked at.
        QTest::newRow("mapping off") << false << QStringList{"visca_port_Edit=not a port"} << none << own;
    }
    void apply()
    {
        QFETCH(bool, mapping);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, ports);
        RecordingPresenter shown;
        Tab t;
        writeScript();
        t.scramble();
        t.ports.edit().recorder_port_map_enabled = !ports.isEmpty();
        t.ui->port_map_checkBox->setChecked(mapping);
        t.type(changes);
        const bool unchanged = changes == QStringList{"-"}, cancel = boxes == QStringList{"cancel"};
        if (unchanged)
            t.ui->apply_port_Button->setText(QStringLiteral("Apply(*)"));
        if (cancel)
            shown.answerNext(QMessageBox::Cancel);
        const QStringList before = t.taken();
        t.ui->apply_port_Button->click();

        QCOMPARE(shown.texts(), unchanged ? QStringList() : QStringList{kQuestion} + boxes.mid(cancel));
        if (!unchanged)
            QCOMPARE(shown.shown.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        for (const msgbox::Request &box : shown.shown.mid(1))
            QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(t.connections.disconnects, int(!ports.isEmpty()));
        if (ports.isEmpty()) {
            QCOMPARE(t.taken(), before);
        } else {
            QCOMPARE(t.connections.ports_seen_by_disconnect, 1);
            QCOMPARE(t.taken().mid(0, 11), ports);
            QVERIFY(!t.ports.port_map_enabled());
            QCOMPARE(t.taken().mid(17), before.mid(17));
        }
        const bool pending = !unchanged && ports.isEmpty();
        QCOMPARE(t.tab.port_settings_changed(), pending);
        QCOMPARE(t.ui->apply_port_Button->text(), pending ? QStringLiteral("Apply(*)") : QStringLiteral("Apply"));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/camera.ini")));
        QTest::qWait(50);
        QVERIFY(!QFile::exists(folder + QStringLiteral("/started.txt")));
        if (cancel) {
            t.ui->apply_port_Button->click();
            QCOMPARE(shown.texts(), (QStringList{kQuestion, kQuestion}));
            QCOMPARE(t.ports.values().mcast_port, 8006);
        }
    }

    // With mapping: the mapped ports and the host's address are in use, "camera.ini" holds the
    // mapping and the script runs through the shell from its own folder.
    void mappingOn()
    {
        RecordingPresenter boxes;
        Tab t;
        writeScript();
        t.scramble();
        t.type({"recorder_host_ip_Edit=10.20.30.40", "recorder_teacher_ip_Edit=10.20.30.41",
                "recorder_student_ip_Edit=10.20.30.42", "recorder_username_Edit=admin", "recorder_password_Edit=",
                "rtsp_port_Edit=30554", "visca_port_Edit=", "udp_port_Edit=30791", "tcp_port_Edit=30793",
                "backup_port_Edit=35555", "student_rtsp_port_Edit=40554", "student_visca_port_Edit=41259",
                "student_udp_port_Edit=40791", "student_tcp_port_Edit=", "student_backup_port_Edit=45555"});
        t.ui->port_map_checkBox->setChecked(true);
        t.ui->apply_port_Button->click();

        QCOMPARE(boxes.texts(), (QStringList{kQuestion, kStarted}));
        QCOMPARE(boxes.shown.at(1).buttons, QMessageBox::StandardButtons(QMessageBox::NoButton));
        QCOMPARE(t.connections.disconnects, 1);
        QCOMPARE(t.taken(),
                 (QStringList{"1259", "30793", "30791", "35555", "41259", "6793", "40791", "45555", "8005", "30554",
                              "40554", "10.20.30.40", "10.20.30.41", "10.20.30.42", "admin", "", "1", "10.20.30.40",
                              "10.20.30.40", "10.20.30.40", "10.20.30.40"}));
        QVERIFY(!t.tab.port_settings_changed());

        // "camera.ini", key by key, as the forwarding tool finds it on the disk.
        const QString copy = dir->filePath(QStringLiteral("copy.ini"));
        QVERIFY(QFile::copy(folder + QStringLiteral("/camera.ini"), copy));
        QSettings ini(copy, QSettings::IniFormat);
        // Every key and its order are rows of tst_settings_writer; here what this Apply chose.
        QCOMPARE(ini.allKeys().size(), 15);
        for (const char *key : {"Host=10.20.30.40", "TeacherVisca=1259", "StudentTcp=6793", "StudentUdp=40791"})
            QCOMPARE(ini.value(QStringLiteral("RECORDER/") + QString::fromLatin1(key).section('=', 0, 0)).toString(),
                     QString::fromLatin1(key).section('=', 1));

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder + QStringLiteral("/started.txt")), 5000);
        QFile noted(folder + QStringLiteral("/started.txt"));
        QVERIFY(noted.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLocal8Bit(noted.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(QDir(lines.value(0)).canonicalPath(), QDir(folder).canonicalPath());
        QCOMPARE(lines.value(1), QStringLiteral("./start_config.sh 0"));
    }

    // The mapping could not reach the host: said so, and the change stays pending so that the
    // next Apply tries again. A missing script or a "camera.ini" that cannot be written changes
    // nothing.
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
        Tab t;
        QList<portforward_script::Launch> launches;
        portforward_script::setStarter([&launches, failure](const portforward_script::Launch &l, qint64 *) {
            launches << l;
            return failure != 1;
        });
        if (failure != 0)
            writeScript();
        std::optional<ReadOnlyFolder> readOnly;
        if (failure == 2 && !readOnly.emplace(folder).ok())
            QSKIP(qPrintable(readOnly->why()));
        t.scramble();
        const QStringList before = t.taken();
        t.ui->port_map_checkBox->setChecked(true);
        t.ui->apply_port_Button->click();

        QCOMPARE(boxes.texts().size(), 2);
        QCOMPARE(boxes.texts().last(), message.arg(folder));
        QCOMPARE(launches.size(), failure == 1 ? 1 : 0);
        if (failure == 1) {
            QCOMPARE(launches.first().program, QStringLiteral("/bin/sh"));
            QCOMPARE(launches.first().arguments, QStringList{QStringLiteral("./start_config.sh")});
            QCOMPARE(launches.first().working_directory, folder);
        }
        if (failure != 1) {
            // Nothing changed: the cameras stay connected on the ports, addresses and switch.
            QCOMPARE(t.connections.disconnects, 0);
            QCOMPARE(t.taken(), before);
        } else {
            QVERIFY(t.ports.port_map_enabled());
            QCOMPARE(t.ports.values().teacher_udp_port, 26791);
        }
        QVERIFY(t.tab.port_settings_changed());
        QCOMPARE(t.ui->apply_port_Button->text(), QStringLiteral("Apply(*)"));
        QCOMPARE(QFile::exists(folder + QStringLiteral("/camera.ini")), failure == 1);
    }
};

QTEST_MAIN(tst_OptionsTab)
#include "tst_options_tab.moc"
