// The files the tool writes: config.ini, rewritten whole so that a write that fails leaves the
// old file byte for byte and a reader in the same process sees the new one at once; and
// camera.ini, the recording host's mapping, updated in place and its failures reported.
#include "folder_faults.h"
#include "settings/camera_ini.h"
#include "settings/settings_writer.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Both files carry the recorder's password: owner-only after a save, even where the old file
// was readable by everyone.
constexpr QFile::Permissions kEveryoneReads = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
bool ownerOnly(const QString &path)
{
    return (QFile::permissions(path) & QFile::Permissions(0x7077)) == (QFile::ReadOwner | QFile::WriteOwner);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

portforward::Fields mapping()
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
    return f;
}
} // namespace

class tst_SettingsWriter : public QObject
{
    Q_OBJECT

private slots:
    void replacesEveryKey()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("config.ini"));
        QVERIFY(writeBytes(path, "[OLD]\nkept=no\n[PORT_CONF]\nT_RTSP_Port=20554\nstale=1\n"));
        QVERIFY(QFile::setPermissions(path, kEveryoneReads));
        auto fill = [](QSettings &s) { s.setValue(QStringLiteral("PORT_CONF/T_RTSP_Port"), 30554); };
        QVERIFY(rewrite_settings_file(path, fill));
        QSettings read(path, QSettings::IniFormat);
        QCOMPARE(read.allKeys(), QStringList{QStringLiteral("PORT_CONF/T_RTSP_Port")});
        QCOMPARE(read.value(QStringLiteral("PORT_CONF/T_RTSP_Port")).toString(), QStringLiteral("30554"));
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("config.ini")});
        QVERIFY(ownerOnly(path));
        // A missing folder is made.
        QVERIFY(rewrite_settings_file(dir.filePath(QStringLiteral("a/b/config.ini")), fill));
        QVERIFY(ownerOnly(dir.filePath(QStringLiteral("a/b/config.ini"))));
        QVERIFY(bytesOf(dir.filePath(QStringLiteral("a/b/config.ini"))).contains("T_RTSP_Port=30554"));
    }

    // A save that cannot finish leaves the old config.ini whole and nothing beside it. A full
    // disk is the case the settings class's own atomic save got wrong: it truncated a small file
    // to nothing and reported success. camera.ini reports each failure.
    void failedWrites_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("keys");
        QTest::newRow("read-only folder") << "config.ini" << "read-only" << 1;
        QTest::newRow("full disk, a settings file's size") << "config.ini" << "full" << 150;
        QTest::newRow("full disk, larger than the write buffer") << "config.ini" << "full" << 800;
        QTest::newRow("killed mid-save") << "config.ini" << "killed" << 1;
        QTest::newRow("camera.ini, missing folder") << "camera.ini" << "missing" << 0;
        QTest::newRow("camera.ini, read-only folder") << "camera.ini" << "read-only" << 0;
        QTest::newRow("camera.ini, full disk") << "camera.ini" << "full" << 0;
    }

    void failedWrites()
    {
        QFETCH(QString, file);
        QFETCH(QString, fault);
        QFETCH(int, keys);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("appdata"));
        const QString path = folder + QLatin1Char('/') + file;
        const QByteArray old = "[TEACHER_CONF]\nFeature_IP=192.168.1.100\nTracking_Guide_State=1\n";
        std::unique_ptr<TinyFolder> tiny;
        std::unique_ptr<ReadOnlyFolder> readOnly;
        if (fault != QLatin1String("missing")) {
            QVERIFY(QDir().mkpath(folder));
            if (fault == QLatin1String("full"))
                tiny = std::make_unique<TinyFolder>(folder, 8);
            if (tiny && !tiny->ok())
                QSKIP(qPrintable(QStringLiteral("no small file system here: %1").arg(tiny->why())));
            QVERIFY(writeBytes(path, old));
        }
        if (tiny && file == QLatin1String("camera.ini"))
            tiny->fillUp(); // no room left for the new file
        if (fault == QLatin1String("read-only")) {
            readOnly = std::make_unique<ReadOnlyFolder>(folder);
            if (!readOnly->ok())
                QSKIP(qPrintable(QStringLiteral("cannot make a folder read-only here: %1").arg(readOnly->why())));
        }
        auto fill = [keys](QSettings &s) {
            for (int i = 0; i < keys; ++i)
                s.setValue(QStringLiteral("G/key%1").arg(i), QStringLiteral("a value of some length"));
        };
        if (file == QLatin1String("camera.ini")) {
            QString why;
            QVERIFY(!camera_ini::write(path, mapping(), &why));
            QVERIFY(!why.isEmpty());
        } else if (fault == QLatin1String("killed")) {
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                rewrite_settings_file(path, [&](QSettings &s) {
                    fill(s);
                    _exit(3); // the end comes half way through the save
                });
                _exit(0);
            }
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 3);
        } else {
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("save_config failed")));
            QVERIFY(!rewrite_settings_file(path, fill));
        }
        QCOMPARE(bytesOf(path), fault == QLatin1String("missing") ? QByteArray() : old);
        // A killed process cannot tidy up; what counts there is the old file.
        if (file == QLatin1String("config.ini") && fault != QLatin1String("killed"))
            QCOMPARE(filesIn(folder), QStringList{QStringLiteral("config.ini")});
    }

    // A file system that keeps no permissions (vfat, SMB): config.ini is saved all the same (a
    // warning says it is not owner-only); camera.ini, which would get the password as the mount
    // allows, is refused and kept.
    void permissionsRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("saved");
        QTest::newRow("config.ini saved") << "config.ini" << true;
        QTest::newRow("camera.ini refused") << "camera.ini" << false;
    }
    void permissionsRefused()
    {
        QFETCH(QString, file);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        QVERIFY(writeBytes(path, "[G]\nold=1\n"));
        const pid_t child = fork();
        if (child == 0) {
            _exit(!deny_permission_changes() ? 2
                  : file == QLatin1String("camera.ini")
                      ? !camera_ini::write(path, mapping(), nullptr)
                      : !rewrite_settings_file(path, [](QSettings &s) { s.setValue(QStringLiteral("G/new"), 2); }));
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(status, saved ? 0 : 1 << 8); // the save's outcome as exit status
        QCOMPARE(bytesOf(path) != "[G]\nold=1\n", saved);
    }

    // The settings class caches files per process and rereads one only when its size or time
    // stamp changed: a rewrite of the same size within one clock tick must still be seen.
    void sameSizeRewriteIsSeen()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("config.ini"));
        for (int round = 0; round < 20; ++round) {
            const QString value = QString::number(round % 10);
            QVERIFY(rewrite_settings_file(path, [&](QSettings &s) { s.setValue(QStringLiteral("G/k"), value); }));
            QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("G/k")).toString(), value);
        }
    }

    // Group RECORDER in its order, as a reader that never saw the file finds it on the disk; an
    // empty mapped field goes as the camera's own port; keys of the host's tool stay.
    void cameraIni()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("camera.ini"));
        QVERIFY(writeBytes(path, "[RECORDER]\nUser=old\nTimeout=30\n\n[TOOL]\nLog=1\n"));
        QVERIFY(QFile::setPermissions(path, kEveryoneReads));
        portforward::Fields f = mapping();
        f.teacher_visca.clear();
        f.student_rtsp.clear();
        QString why;
        QVERIFY2(camera_ini::write(path, f, &why), qPrintable(why));
        QVERIFY(QFile::copy(path, dir.filePath(QStringLiteral("copy.ini"))));
        QSettings disk(dir.filePath(QStringLiteral("copy.ini")), QSettings::IniFormat);
        QStringList written;
        for (const auto &entry : camera_ini::recorder_entries(f))
            written << entry.first + QLatin1Char('=') + disk.value(QStringLiteral("RECORDER/") + entry.first).toString();
        QCOMPARE(written, (QStringList{"User=admin", "Password=" + f.password, "Host=10.1.1.1", "StudentIP=10.1.1.3",
                                       "StudentRtsp=554", "StudentVisca=11259", "StudentUdp=16791", "StudentTcp=16793",
                                       "StudentBackup=15555", "TeacherIP=10.1.1.2", "TeacherRtsp=20554",
                                       "TeacherVisca=1259", "TeacherUdp=26791", "TeacherTcp=26793",
                                       "TeacherBackup=25555"}));
        QCOMPARE(disk.value(QStringLiteral("RECORDER/Timeout")).toString(), QStringLiteral("30"));
        QCOMPARE(disk.value(QStringLiteral("TOOL/Log")).toString(), QStringLiteral("1"));
        QCOMPARE(disk.allKeys().size(), 17);
        QVERIFY(ownerOnly(path));
        QVERIFY(camera_ini::write(dir.filePath(QStringLiteral("new.ini")), f, &why));
        QVERIFY(ownerOnly(dir.filePath(QStringLiteral("new.ini"))));
    }
};

QTEST_GUILESS_MAIN(tst_SettingsWriter)
#include "tst_settings_writer.moc"
