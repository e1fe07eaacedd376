// The settings file object on the bare form: what a load leaves in the settings no control holds
// (the ports in use, the customer models, the student points, the upgrade choices), and that a
// save writes them back as they were read. How one stored text is read (port decisions, customer
// model names) is pinned in tst_settings_codecs; the rows here show the load hands it on.
#include "folder_faults.h"
#include "form_host.h"
#include "mainwindow/settings_file.h"
#include "model/camera_ports.h"
#include "recording_presenter.h"
#include "settings/settings_path.h"
#include "settings/unreadable_config.h"
#include "test_env.h"

#include <QDir>
#include <QPoint>
#include <QSettings>
#include <QtTest>

#include <optional>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Recorder : SettingsFile::Host {
    bool customer[2] = {false, false};
    QPoint points[10];
    int defaults_runs = 0;
    void take_system_language(int) override {}
    void create_translator(int) override {}
    bool customer_model(bool teacher) const override { return customer[teacher ? 0 : 1]; }
    void set_customer_model(bool teacher, bool flag) override { customer[teacher ? 0 : 1] = flag; }
    QPoint &stored_student_point(int index) override { return points[index]; }
    void set_director_command_validator(int) override {}
    void set_director_widgets(int, bool) override {}
    void set_all_defaults() override { ++defaults_runs; }
};

struct Rig {
    FormHost host;
    CameraPorts ports;
    Recorder recorder;
    SettingsFile file{CORVANE_FORM_WIDGETS(SettingsFile, SETTINGS_FILE_WIDGETS, host.ui), &host.window, ports, recorder};

    // What the load left outside the form's controls, by name.
    QString value(const QString &name)
    {
        const CameraPorts::Values &v = ports.values();
        const SettingsFile::Upgrade &u = file.upgrade();
        const QMap<QString, QString> all = {
            {"teacher_udp_port", QString::number(v.teacher_udp_port)},
            {"student_rtsp_port", v.student_rtsp_port},
            {"T_Backup_Port", v.T_Backup_Port},
            {"recorder_password", v.recorder_password},
            {"teacher customer", QString::number(recorder.customer[0])},
            {"student customer", QString::number(recorder.customer[1])},
            {"point 0", QStringLiteral("%1,%2").arg(recorder.points[0].x()).arg(recorder.points[0].y())},
            {"point 9", QStringLiteral("%1,%2").arg(recorder.points[9].x()).arg(recorder.points[9].y())},
            {"upgradeModel", QString::number(u.upgradeModel)},
            {"upgrade_mode", u.upgrade_mode},
            {"work_type", QString::number(u.work_type)},
        };
        return all.value(name, QStringLiteral("<none>"));
    }
};

} // namespace

class tst_SettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testenv::removeConfigIni();
        const QDir folder = QFileInfo(settings_file_path()).dir();
        for (const QString &name : folder.entryList({QStringLiteral("config.ini.unreadable-*")}, QDir::Files))
            QFile::remove(folder.filePath(name));
    }

    void reading_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("log");
        auto row = [](const char *name, const char *ini, const char *member, const char *expected, const char *log = "") {
            QTest::newRow(name) << QString::fromUtf8(ini) << QString::fromLatin1(member) << QString::fromUtf8(expected)
                                << QString::fromUtf8(log);
        };
        row("mapped port not a number", "[PORT_CONF]\nRecorder_Port_Map_Enabled=true\nT_UDP_Port=abc\n", "teacher_udp_port",
            "26791", "config.ini: PORT_CONF/T_UDP_Port abc is no port from 1 to 65535, the default 26791 is used");
        row("mapped port beyond 16 bits", "[PORT_CONF]\nRecorder_Port_Map_Enabled=true\nT_UDP_Port=92327\n",
            "teacher_udp_port", "26791",
            "config.ini: PORT_CONF/T_UDP_Port 92327 is no port from 1 to 65535, the default 26791 is used");
        row("mapped rtsp", "[PORT_CONF]\nRecorder_Port_Map_Enabled=true\nS_RTSP_Port=40554\n", "student_rtsp_port", "40554");
        row("stored port text kept", "[PORT_CONF]\nT_Backup_Port=\n", "T_Backup_Port", "");
        row("recorder as stored", "[PORT_CONF]\nT_UDP_Port=30003\n", "recorder_password", "");
        row("teacher KLOR", "[TEACHER_CONF]\nCustomer_Model=KLOR\n", "teacher customer", "1");
        row("student KLOR", "[STUDENT_CONF]\nCustomer_Model=KLOR\n", "student customer", "1");
        row("points absent", "[STUDENT_CONF]\nCustomer_Model=Other\n", "point 9", "0,0");
        row("point out of the preview", "[STUDENT_CONF]\nSTUDENT_FORWARD_LEFT_X_SET=-40\nSTUDENT_FORWARD_LEFT_Y_SET=9000\n", "point 0", "-40,9000");
        row("sixth point spelled SIXTH is not read", "[STUDENT_CONF]\nSTUDENT_DESIGNATED_SIXTH_X=5\nSTUDENT_DESIGNATED_SIX_Y=6\n", "point 9", "0,6");
        row("upgrade Simple XYZ", "[UPGRADE]\nmode=Simple\ntype=XYZ\n", "upgradeModel", "5");
        row("upgrade Full MTD", "[UPGRADE]\nmode=Full\ntype=MTD\n", "upgradeModel", "4");
        row("upgrade Full kept", "[UPGRADE]\nmode=Full\ntype=MTD\n", "upgrade_mode", "Full");
        row("model type true: work type 1", "[UPGRADE]\nmodel_type=true\n", "work_type", "1");
        row("empty file: work type 2", "", "work_type", "2");
    }

    void reading()
    {
        QFETCH(QString, ini);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QFETCH(QString, log);
        if (!log.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, qPrintable(log));
        testenv::writeConfigIniRaw(ini.toUtf8());
        Rig rig;
        rig.recorder.points[9] = QPoint(77, 77); // a load sets every point, stored or not
        rig.file.load_config();
        QCOMPARE(rig.value(name), expected);
        QCOMPARE(rig.recorder.defaults_runs, 0);
    }

    // The settings no control holds go back to the file as they were read.
    void savedAsRead()
    {
        const QByteArray ini = "[PORT_CONF]\nRecorder_Port_Map_Enabled=true\nT_UDP_Port=30003\nRecorder_Password=\"s3cret, x\"\n"
                               "[TEACHER_CONF]\nCustomer_Model=KLOR\n"
                               "[STUDENT_CONF]\nSTUDENT_FORWARD_LEFT_X_SET=-40\nSTUDENT_DESIGNATED_SIX_Y=2147483647\n"
                               "[UPGRADE]\nmode=Full\ntype=SOC&ARM\nverify=false\nauto_backup=true\nmodel_type=false\n";
        testenv::writeConfigIniRaw(ini);
        Rig rig;
        rig.file.load_config();
        QVERIFY(rig.file.save_config());
        QSettings saved(settings_file_path(), QSettings::IniFormat);
        const QList<QPair<const char *, const char *>> expected = {
            {"PORT_CONF/Recorder_Port_Map_Enabled", "true"}, {"PORT_CONF/T_UDP_Port", "30003"},
            {"PORT_CONF/Recorder_Password", "s3cret, x"},    {"TEACHER_CONF/Customer_Model", "KLOR"},
            {"STUDENT_CONF/Customer_Model", "Other"},             {"STUDENT_CONF/STUDENT_FORWARD_LEFT_X_SET", "-40"},
            {"STUDENT_CONF/STUDENT_DESIGNATED_SIX_Y", "2147483647"},
            {"UPGRADE/mode", "Full"},                        {"UPGRADE/type", "SOC&ARM"},
            {"UPGRADE/verify", "false"},                     {"UPGRADE/auto_backup", "true"},
            {"UPGRADE/model_type", "false"}};
        for (const auto &e : expected)
            QCOMPARE(saved.value(QLatin1String(e.first)).toString(), QString::fromUtf8(e.second));
    }

    // A file the tool cannot take is moved aside (or, when it cannot be moved, kept whole and
    // never saved over), the installer is told, and the first-run defaults are used.
    void unreadable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("movable");
        QTest::addColumn<bool>("earlierAsides"); // of this second and the next two
        QTest::newRow("a line that does not read") << QByteArray("[PORT_CONF]\nT_UDP_Port\n") << true << false;
        QTest::newRow("binary") << QByteArray("\x7f" "ELF\x02\x01\x00\x00\xff\xfe\n\x00\x01", 13) << true << false;
        QTest::newRow("no key of the seven groups") << QByteArray("[OTHER]\nT_UDP_Port=30003\n") << true << false;
        QTest::newRow("cannot be moved") << QByteArray("[OTHER]\nT_UDP_Port=30003\n") << false << false;
        QTest::newRow("earlier ones set aside in the same second")
            << QByteArray("[OTHER]\nT_UDP_Port=30003\n") << true << true;
        QTest::newRow("larger than any settings file")
            << QByteArray("[PORT_CONF]\nT_UDP_Port=30003\n;" + QByteArray(2 << 20, 'x') + "\n") << true << false;
    }

    void unreadable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, movable);
        QFETCH(bool, earlierAsides);
        testenv::writeConfigIniRaw(bytes);
        const QString path = settings_file_path();
        const QDir folder = QFileInfo(path).dir();
        QStringList earlier;
        for (int s = 0; earlierAsides && s < 3; ++s) {
            earlier << QFileInfo(unreadable_config::aside_path(path, QDateTime::currentDateTime().addSecs(s))).fileName();
            QFile file(folder.filePath(earlier.last()));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("earlier") == 7);
        }
        std::optional<ReadOnlyFolder> readOnly;
        if (!movable && !readOnly.emplace(folder.path()).ok())
            QSKIP(qPrintable(readOnly->why()));
        RecordingPresenter boxes;
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(movable ? "cannot be read, it was moved to" : "cannot be moved"));
        Rig rig;
        rig.file.load_config();
        QCOMPARE(rig.recorder.defaults_runs, 1);
        QCOMPARE(rig.value("teacher_udp_port"), QStringLiteral("6791"));
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown.first().title, QStringLiteral("Warning"));
        QStringList asides = folder.entryList({QStringLiteral("config.ini.unreadable-*")}, QDir::Files);
        for (const QString &name : earlier)
            QVERIFY(asides.removeOne(name) && bytesOf(folder.filePath(name)) == "earlier");
        QCOMPARE(asides.size(), int(movable));
        const QString aside = folder.filePath(asides.value(0));
        QVERIFY(!movable || QRegularExpression(earlierAsides ? "unreadable-\\d{8}-\\d{6}-2$" : "unreadable-\\d{8}-\\d{6}$").match(aside).hasMatch());
        if (!movable) {
            QVERIFY(boxes.shown.first().text.contains(QStringLiteral("cannot be moved aside")));
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("save_config failed"));
            QVERIFY(!rig.file.save_config());
            readOnly.reset();
            QVERIFY(!rig.file.save_config()); // not even once it could be replaced
        }
        QCOMPARE(bytesOf(movable ? aside : path), bytes);
        if (movable) {
            QCOMPARE(boxes.shown.first().text, QStringLiteral("The settings file %1 cannot be read. It was moved to %2, "
                                                              "and the tool starts from the default settings.")
                                                   .arg(path, aside));
            QVERIFY(rig.file.save_config());
        }
    }

    // No file: the window's defaults run once, the upgrade group starts as a fresh installation.
    void missingFile()
    {
        QTest::ignoreMessage(QtDebugMsg, "不存在配置文件");
        Rig rig;
        rig.file.load_config();
        QCOMPARE(rig.recorder.defaults_runs, 1);
        QCOMPARE(rig.file.upgrade().upgrade_mode, QStringLiteral("Simple"));
        QVERIFY(rig.file.upgrade().upgrade_verify);
        QCOMPARE(rig.file.upgrade().upgradeModel, 5);
        QCOMPARE(rig.value("teacher_udp_port"), QStringLiteral("6791"));
    }
};

QTEST_MAIN(tst_SettingsFile)
#include "tst_settings_file.moc"
