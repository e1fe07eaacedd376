// "camera.ini", the mapping handed to the recording host's forwarding tool: the keys of group
// RECORDER and their values, read back from the disk; other keys of the file stay; a folder
// that cannot take the file is reported.
#include "settings/camera_ini.h"

#include "folder_faults.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

portforward::Fields fields()
{
    portforward::Fields f;
    f.mapping = true;
    f.username = QStringLiteral("admin");
    f.password = QStringLiteral("pa;ss=w#rd \"x\" 密码");
    f.host_ip = QStringLiteral("10.1.1.1");
    f.teacher_ip = QStringLiteral("10.1.1.2");
    f.student_ip = QStringLiteral("10.1.1.3");
    f.teacher_rtsp = QStringLiteral("20554");
    f.teacher_visca = QStringLiteral("21259");
    f.teacher_udp = QStringLiteral("26791");
    f.teacher_tcp = QStringLiteral("26793");
    f.teacher_backup = QStringLiteral("25555");
    f.student_rtsp = QStringLiteral("10554");
    f.student_visca = QStringLiteral("11259");
    f.student_udp = QStringLiteral("16791");
    f.student_tcp = QStringLiteral("16793");
    f.student_backup = QStringLiteral("15555");
    f.search_port = QStringLiteral("8005");
    return f;
}

// The file as a reader that never saw it in this process finds it on the disk (QSettings keeps
// the files it has opened cached per process).
QVariantMap readFromDisk(const QString &path, const QTemporaryDir &scratch)
{
    static int copies = 0;
    const QString copy = scratch.filePath(QStringLiteral("copy%1.ini").arg(++copies));
    if (!QFile::copy(path, copy))
        return {};
    QSettings settings(copy, QSettings::IniFormat);
    QVariantMap values;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

} // namespace

class tst_CameraIni : public QObject
{
    Q_OBJECT

private slots:
    void entriesInOrder()
    {
        const auto entries = camera_ini::recorder_entries(fields());
        QStringList keys;
        for (const auto &e : entries)
            keys << e.first;
        QCOMPARE(keys, (QStringList{"User", "Password", "Host", "StudentIP", "StudentRtsp", "StudentVisca", "StudentUdp",
                                    "StudentTcp", "StudentBackup", "TeacherIP", "TeacherRtsp", "TeacherVisca",
                                    "TeacherUdp", "TeacherTcp", "TeacherBackup"}));
    }

    // Key by key, as the tool reads them from the disk.
    void writtenKeyByKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const portforward::Fields f = fields();
        QTest::newRow("User") << "User" << f.username;
        QTest::newRow("Password") << "Password" << f.password;
        QTest::newRow("Host") << "Host" << f.host_ip;
        QTest::newRow("StudentIP") << "StudentIP" << f.student_ip;
        QTest::newRow("StudentRtsp") << "StudentRtsp" << f.student_rtsp;
        QTest::newRow("StudentVisca") << "StudentVisca" << f.student_visca;
        QTest::newRow("StudentUdp") << "StudentUdp" << f.student_udp;
        QTest::newRow("StudentTcp") << "StudentTcp" << f.student_tcp;
        QTest::newRow("StudentBackup") << "StudentBackup" << f.student_backup;
        QTest::newRow("TeacherIP") << "TeacherIP" << f.teacher_ip;
        QTest::newRow("TeacherRtsp") << "TeacherRtsp" << f.teacher_rtsp;
        QTest::newRow("TeacherVisca") << "TeacherVisca" << f.teacher_visca;
        QTest::newRow("TeacherUdp") << "TeacherUdp" << f.teacher_udp;
        QTest::newRow("TeacherTcp") << "TeacherTcp" << f.teacher_tcp;
        QTest::newRow("TeacherBackup") << "TeacherBackup" << f.teacher_backup;
    }
    void writtenKeyByKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("camera.ini"));
        QString why;
        QVERIFY2(camera_ini::write(path, fields(), &why), qPrintable(why));
        const QVariantMap onDisk = readFromDisk(path, dir);
        QCOMPARE(onDisk.size(), 15);
        QCOMPARE(onDisk.value(QStringLiteral("RECORDER/") + key).toString(), value);
    }

    // An empty mapped field goes out as the camera's own port, the port then in use.
    void emptyMappedFieldIsTheOwnPort()
    {
        portforward::Fields f = fields();
        f.teacher_visca.clear();
        f.student_rtsp.clear();
        f.student_backup.clear();
        const auto entries = camera_ini::recorder_entries(f);
        QHash<QString, QString> values;
        for (const auto &e : entries)
            values.insert(e.first, e.second);
        QCOMPARE(values.value("TeacherVisca"), QStringLiteral("1259"));
        QCOMPARE(values.value("StudentRtsp"), QStringLiteral("554"));
        QCOMPARE(values.value("StudentBackup"), QStringLiteral("5555"));
        QCOMPARE(values.value("TeacherUdp"), QStringLiteral("26791"));
    }

    // The tool may keep keys of its own in the file: they stay, and RECORDER's values change.
    void otherKeysStay()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("camera.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[RECORDER]\nUser=old\nTimeout=30\n\n[TOOL]\nLog=1\n");
        file.close();
        QVERIFY(camera_ini::write(path, fields(), nullptr));
        const QVariantMap onDisk = readFromDisk(path, dir);
        QCOMPARE(onDisk.value("RECORDER/User").toString(), QStringLiteral("admin"));
        QCOMPARE(onDisk.value("RECORDER/Timeout").toString(), QStringLiteral("30"));
        QCOMPARE(onDisk.value("TOOL/Log").toString(), QStringLiteral("1"));
        QCOMPARE(onDisk.size(), 17);
    }

    void missingFolderIsReported()
    {
        QTemporaryDir dir;
        QString why;
        QVERIFY(!camera_ini::write(dir.filePath(QStringLiteral("portforward/camera.ini")), fields(), &why));
        QVERIFY(why.contains(QLatin1String("portforward")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("portforward"))));
    }

    void readOnlyFolderIsReported()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("portforward"));
        QVERIFY(QDir().mkpath(folder));
        ReadOnlyFolder readOnly(folder);
        if (!readOnly.ok())
            QSKIP(qPrintable(readOnly.why()));
        QString why;
        QVERIFY(!camera_ini::write(folder + QStringLiteral("/camera.ini"), fields(), &why));
        QVERIFY(!why.isEmpty());
    }

    void fullDiskIsReported()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("portforward"));
        QVERIFY(QDir().mkpath(folder));
        {
            // Fill the tiny folder until no room is left for the new file.
            TinyFolder tiny(folder, 4);
            if (!tiny.ok())
                QSKIP(qPrintable(tiny.why()));
            QFile filler(folder + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(1024, 'x');
            for (int i = 0; i < 64 && filler.write(block) == block.size() && filler.flush(); ++i) {
            }
            filler.close();
            QVERIFY(!camera_ini::write(folder + QStringLiteral("/camera.ini"), fields(), nullptr));
        }
    }
};

QTEST_APPLESS_MAIN(tst_CameraIni)
#include "tst_camera_ini.moc"
