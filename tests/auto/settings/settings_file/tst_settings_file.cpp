// The settings file object on the bare form: what a load leaves in the settings no control holds
// (the ports in use, the customer models, the student points, the upgrade choices), that a save
// writes them back as they were read, and that the wizard's keys a file lacks leave the window's
// values for its next Apply. How one stored text is read (port decisions, customer
// model names) is pinned in tst_settings_codecs; the rows here show the load hands it on.
#include "camera_slot_setup.h"
#include "features_shell.h"
#include "folder_faults.h"
#include "form_host.h"
#include "mainwindow/settings_file.h"
#include "mainwindow/window_features.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "recording_presenter.h"
#include "settings/settings_path.h"
#include "settings/unreadable_config.h"
#include "sim_camera.h"
#include "test_env.h"

#include <QDir>
#include <QPoint>
#include <QSettings>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

namespace {
using Change = std::function<QByteArray(const QByteArray &)>;

QByteArray cutAt(const QByteArray &bytes, int at) { return bytes.left(at); }

// The offset after the n-th line end from an offset on.
int afterLines(const QByteArray &bytes, int from, int n)
{
    for (int i = 0; i < n; ++i)
        from = bytes.indexOf('\n', from) + 1;
    return from;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// How often a load asked for a fresh installation's defaults.
struct Recorder {
    int defaults_runs = 0;
};

// The values a load fills, as the features hold them.
struct Values {
    TeacherSection teacher;
    StudentSection student;
    BoardSection board;
    DirectorSection director;
    CameraSlots cameras;
    StudentRegionPoints points;
    portforward::Fields port_fields;
    WindowChoices choices;
};

struct Rig {
    FormHost host;
    CameraPorts ports;
    Values values;
    Recorder recorder;
    SettingsFile file{&host.window,
                      ports,
                      {values.teacher, values.student, values.board, values.director, values.cameras, values.points,
                       values.port_fields, values.choices}};
    Rig()
    {
        QObject::connect(&file, &SettingsFile::defaults_wanted, [this] { ++recorder.defaults_runs; });
    }

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
            {"teacher customer", QString::number(values.teacher.customer_model)},
            {"student customer", QString::number(values.student.customer_model)},
            {"point 0", QStringLiteral("%1,%2").arg(values.points.stored_point(0).x()).arg(values.points.stored_point(0).y())},
            {"point 9", QStringLiteral("%1,%2").arg(values.points.stored_point(9).x()).arg(values.points.stored_point(9).y())},
            {"upgradeModel", QString::number(u.upgradeModel)},
            {"upgrade_mode", u.upgrade_mode},
            {"work_type", QString::number(u.work_type)},
            {"upgrade type", u.type_text},
            {"upgrade address", u.ip_address},
            {"upgrade file", u.file_field},
        };
        return all.value(name, QStringLiteral("<none>"));
    }
};

// A whole file as the tool saves it from the bare form.
QByteArray savedFile()
{
    testenv::removeConfigIni();
    Rig rig;
    rig.file.load_config();
    return rig.file.save_config() ? bytesOf(settings_file_path()) : QByteArray();
}

// The keys of the saved file whose lines the first bytes do not hold whole, in the file's order;
// the language key, which a save leaves out for an unknown language, is not counted.
QStringList keysNotWhole(const QByteArray &saved, int bytes)
{
    QStringList keys;
    QString group;
    int start = 0;
    for (const QByteArray &line : saved.split('\n')) {
        const int end = start + line.size() + 1;
        if (line.startsWith('['))
            group = QString::fromLatin1(line.mid(1, line.size() - 2));
        else if (line.contains('=') && end > bytes && group != QLatin1String("LANGUAGE_CONF"))
            keys << group + QLatin1Char('/') + QString::fromLatin1(line.left(line.indexOf('=')));
        start = end;
    }
    return keys;
}

void removeAsides()
{
    const QDir folder = QFileInfo(settings_file_path()).dir();
    for (const QString &name : folder.entryList({QStringLiteral("config.ini.unreadable-*")}, QDir::AllEntries | QDir::System)) {
        QFileInfo entry(folder.filePath(name));
        if (entry.isDir())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

// The window's features on the form with its two pano cameras simulated: what their next
// Applies send of the keys the wizard stores.
struct Window {
    FormHost host;
    FeaturesShell shell;
    std::unique_ptr<WindowFeatures> features = std::make_unique<WindowFeatures>(host.ui, &host.window, shell);
    SimCamera teacher{QStringLiteral("127.0.0.61")};
    SimCamera student{QStringLiteral("127.0.0.62")};
    Window()
    {
        if (!teacher.start() || !student.start())
            qWarning() << "the simulated cameras did not start:" << teacher.lastError() << student.lastError();
        const camslot::Cameras cameras = camslot::of(*features, &host.window);
        camslot::attach(cameras, camslot::Slot::TeacherPano, teacher.address());
        camslot::attach(cameras, camslot::Slot::StudentPano, student.address());
    }
    // Both Applies, and the items the wizard's keys give as the cameras took them.
    QStringList applied()
    {
        const auto blocks = [](const SimCamera &camera) {
            int n = 0;
            for (const SimMessage &m : camera.received())
                n += m.isText() && m.text().contains(QLatin1String("set_tracking_config_file")) ? 1 : 0;
            return n;
        };
        const int teacherBlocks = blocks(teacher), studentBlocks = blocks(student);
        host.ui->teacher_apply_Button->click();
        host.ui->student_apply_Button->click();
        if (!QTest::qWaitFor([&] { return blocks(teacher) > teacherBlocks && blocks(student) > studentBlocks; }, 3000))
            return {QStringLiteral("no block came")};
        QStringList items;
        for (const char *key : {"time_to_pano_delay", "board_detect_time", "board_continue_time", "auto_tracking"})
            items << QStringLiteral("teacher %1=%2").arg(key, teacher.value("teacher_parameter", key));
        items << "student feature_continue_max_time=" + student.value("student_parameter", "feature_continue_max_time");
        return items;
    }
};

} // namespace

Q_DECLARE_METATYPE(Change)

class tst_SettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testenv::removeConfigIni();
        removeAsides();
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
        // The page's fields as the type list, the address and the file field show them.
        row("type as the list shows it", "[UPGRADE]\nmode=Full\ntype=SOC&ARM\n", "upgrade type", "SOC&ARM");
        row("unknown type: the list's default", "[UPGRADE]\nmode=Simple\ntype=XYZ\n", "upgrade type", "AUTO");
        row("Full has no AUTO", "[UPGRADE]\nmode=Full\ntype=AUTO\n", "upgrade type", "SOC");
        row("no mode, no list, no type", "[UPGRADE]\ntype=MTD\n", "upgrade type", "");
        row("address as stored", "[UPGRADE]\nipaddr=10.20.6.61\n", "upgrade address", "10.20.6.61");
        row("file as stored", "[UPGRADE]\npath=D:/firmware/R6 v2.pkg\n", "upgrade file", "D:/firmware/R6 v2.pkg");
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
        rig.values.points.stored_point(9) = QPoint(77, 77); // a load sets every point, stored or not
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

    // A file cut off at some byte is set aside as an unreadable one is, and the box and the log
    // name the keys it lost. Files that merely lack keys load as before: the wizard's, an
    // earlier version's, a short one written by hand, one whose last line has no line end.
    void cutShort_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("cutAt"); // the saved file's bytes the changed one keeps; 0: not cut
        QTest::addColumn<bool>("movable");
        const QByteArray saved = savedFile();
        QVERIFY(saved.size() > 3000);
        const int thirdLineEnd = afterLines(saved, saved.indexOf("[DIRECTOR_CONF]"), 3);
        const int lastLine = saved.lastIndexOf('\n', saved.size() - 2) + 1;
        auto cut = [](int at) { return Change([at](const QByteArray &b) { return cutAt(b, at); }); };
        QTest::newRow("cut at 2,000 bytes") << cut(2000) << 2000 << true;
        const int withinLine = afterLines(saved, 0, 2) + 4; // in the second key of the first group
        QTest::newRow("cut within a line of the first group") << cut(withinLine) << withinLine << true;
        QTest::newRow("cut at a line end after the first group") << cut(thirdLineEnd) << thirdLineEnd << true;
        QTest::newRow("last line missing") << cut(lastLine) << lastLine << true;
        QTest::newRow("cut short, cannot be moved") << cut(2000) << 2000 << false;
        QTest::newRow("whole file") << Change([](const QByteArray &b) { return b; }) << 0 << true;
        QTest::newRow("no line end after the last line") << Change([](const QByteArray &b) { return b.chopped(1); }) << 0 << true;
        QTest::newRow("earlier version without a key") << Change([](const QByteArray &b) {
            QByteArray changed = b;
            const int at = changed.indexOf("\nPano_Switch=") + 1;
            return changed.remove(at, changed.indexOf('\n', at) + 1 - at);
        }) << 0 << true;
        QTest::newRow("first group only, lines ended") << cut(afterLines(saved, 0, 3)) << 0 << true;
        QTest::newRow("one key of the first group by hand")
            << Change([](const QByteArray &) { return QByteArray("[BOARD_CONF]\nBoard_enable=2\n"); }) << 0 << true;
        QTest::newRow("the wizard's keys") << Change([](const QByteArray &) {
            return QByteArray("[BOARD_CONF]\nFace_Detect=0\nFeature_IP=10.0.0.6\nPano_IP=10.0.0.7\n"
                              "[STUDENT_CONF]\nContinue_Time=30\nFeature_IP=10.0.0.4\nPano_IP=10.0.0.5\n"
                              "[TEACHER_CONF]\nFeature_IP=10.0.0.2\nPano_IP=10.0.0.3\nTracking_Guide_State=1\n"
                              "Tracking_Mode=2\nTracking_Number_Camera=3\n");
        }) << 0 << true;
    }

    void cutShort()
    {
        QFETCH(Change, change);
        QFETCH(int, cutAt);
        QFETCH(bool, movable);
        const QByteArray saved = savedFile();
        const QByteArray bytes = change(saved);
        testenv::writeConfigIniRaw(bytes);
        const QString path = settings_file_path();
        std::optional<ReadOnlyFolder> readOnly;
        if (!movable && !readOnly.emplace(QFileInfo(path).absolutePath()).ok())
            QSKIP(qPrintable(readOnly->why()));
        const QStringList lost = cutAt ? keysNotWhole(saved, cutAt) : QStringList();
        const QString named = QStringLiteral("(%1 in all: %2").arg(lost.size()).arg(lost.value(0));
        if (cutAt)
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("is cut short, %1 keys that every save writes "
                                                                               "are missing \\(%2[,)]")
                                                                    .arg(lost.size())
                                                                    .arg(lost.value(0))));
        RecordingPresenter boxes;
        Rig rig;
        rig.file.load_config();
        QCOMPARE(rig.recorder.defaults_runs, cutAt ? 1 : 0);
        QCOMPARE(boxes.shown.size(), cutAt ? 1 : 0);
        if (!cutAt)
            return;
        QVERIFY2(boxes.shown.first().text.contains(QStringLiteral("is cut short")) && boxes.shown.first().text.contains(named),
                 qPrintable(boxes.shown.first().text));
        const QStringList asides = QFileInfo(path).dir().entryList({QStringLiteral("config.ini.unreadable-*")});
        QCOMPARE(asides.size(), int(movable));
        QCOMPARE(bytesOf(movable ? QFileInfo(path).dir().filePath(asides.value(0)) : path), bytes);
        if (!movable) {
            QVERIFY(boxes.shown.first().text.contains(QStringLiteral("cannot be moved aside")));
            QVERIFY(rig.file.keeps_unreadable_file());
            QVERIFY(!rig.file.stored_value(QStringLiteral("BOARD_CONF/Feature_IP")).isValid());
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("save_config failed"));
            QVERIFY(!rig.file.save_config());
            QCOMPARE(bytesOf(path), bytes);
        }
    }

    // Every cut after the first group is told, up to the last line's value, with the keys on
    // the lines it did not leave whole: the writer's order is the one the check expects.
    void everyCut()
    {
        const QByteArray saved = savedFile();
        const int from = saved.indexOf("\n\n") + 1;
        const int to = saved.lastIndexOf('=');
        for (int at = from; at <= to; ++at) {
            testenv::writeConfigIniRaw(saved.left(at));
            QCOMPARE(unreadable_config::examine(settings_file_path()).cut_off, keysNotWhole(saved, at));
        }
    }

    // What is no regular file (a FIFO would keep the open waiting for a writer) is unreadable:
    // moved aside, or kept and never read again when it cannot be moved.
    void notAFile_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<bool>("movable");
        QTest::newRow("FIFO") << true << true;
        QTest::newRow("FIFO that cannot be moved") << true << false;
        QTest::newRow("folder") << false << true;
    }

    void notAFile()
    {
        QFETCH(bool, fifo);
        QFETCH(bool, movable);
        const QString path = settings_file_path();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        std::optional<FifoInPlace> pipe;
        if (fifo)
            QVERIFY2(pipe.emplace(path).ok(), qPrintable(pipe->why()));
        else
            QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        std::optional<ReadOnlyFolder> readOnly;
        if (!movable && !readOnly.emplace(QFileInfo(path).absolutePath()).ok())
            QSKIP(qPrintable(readOnly->why()));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(movable ? "cannot be read, it was moved to" : "cannot be moved"));
        RecordingPresenter boxes;
        Rig rig;
        rig.file.load_config();
        QCOMPARE(rig.recorder.defaults_runs, 1);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(QFileInfo(path).exists(), !movable);
        QCOMPARE(QFileInfo(path).dir().entryList({QStringLiteral("config.ini.unreadable-*")}, QDir::AllEntries | QDir::System).size(),
                 int(movable));
        if (!movable) {
            // The system's reason, not the file class's words about a file it will not copy.
            QVERIFY2(QRegularExpression("cannot be moved aside: (Read-only file system|Permission denied)\\.")
                         .match(boxes.shown.first().text)
                         .hasMatch(),
                     qPrintable(boxes.shown.first().text));
            QVERIFY(!rig.file.stored_value(QStringLiteral("TEACHER_CONF/Tracking_Guide_State")).isValid());
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("save_config failed"));
            QVERIFY(!rig.file.save_config());
        }
        QCOMPARE(pipe ? pipe->reads() : 0, 0);
        readOnly.reset();
        removeAsides();
    }

    // The wizard finished but the file lacks its keys: its write failed (an unwritable folder
    // with an earlier file left, or none at all) or the file is gone. A key the file does not
    // hold leaves the window's value, and the next Apply sends it; a key it holds is taken.
    void wizardKeysTheFileLacks_data()
    {
        QTest::addColumn<QString>("left");      // the file the wizard left; empty: none
        QTest::addColumn<QStringList>("taken"); // block items the file's keys give
        QTest::newRow("no file") << QString() << QStringList();
        QTest::newRow("an earlier file, one of the keys")
            << QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTarget_Lost_Timeout=9\n")
            << QStringList{"teacher time_to_pano_delay=9"};
    }
    void wizardKeysTheFileLacks()
    {
        QFETCH(QString, left);
        QFETCH(QStringList, taken);
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTarget_Lost_Timeout=7\n"
                                               "Starting_Up_Track=1\nBoard_Detect_Time=4\nBoard_Detect_Time_Index=3\n"
                                               "Board_Hold_Time=6\nBoard_Hold_Time_Index=5\n"
                                               "[STUDENT_CONF]\nContinue_Time=40\n"));
        RecordingPresenter boxes;
        Window w;
        w.features->settings().load_config();
        const QStringList before = w.applied();
        QVERIFY(!before.contains(QStringLiteral("teacher time_to_pano_delay=0")));
        if (left.isEmpty())
            testenv::removeConfigIni();
        else
            testenv::writeConfigIni(left);
        w.features->settings().take_wizard_keys();
        QStringList expected = before;
        for (const QString &item : taken)
            expected.replaceInStrings(QRegularExpression("^" + item.section('=', 0, 0) + "=.*"), item);
        QCOMPARE(w.applied(), expected);
        QVERIFY(boxes.shown.isEmpty());
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
        QCOMPARE(rig.value("upgrade type"), QStringLiteral("AUTO"));
        QCOMPARE(rig.value("upgrade address"), QStringLiteral("192.168.1.188"));
        QCOMPARE(rig.value("teacher_udp_port"), QStringLiteral("6791"));
    }
};

QTEST_MAIN(tst_SettingsFile)
#include "tst_settings_file.moc"
