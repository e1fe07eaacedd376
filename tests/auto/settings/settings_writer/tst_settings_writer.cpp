// Rewriting the settings file: the new content replaces the old whole, a write that fails
// leaves the old file byte for byte, and a reader in the same process sees what was written at
// once, even when the new file has the old one's size and time stamp.
#include "folder_faults.h"
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
        const bool ok = rewrite_settings_file(path, [](QSettings &s) {
            s.beginGroup(QStringLiteral("PORT_CONF"));
            s.setValue(QStringLiteral("T_RTSP_Port"), QStringLiteral("30554"));
            s.endGroup();
        });
        QVERIFY(ok);
        QSettings read(path, QSettings::IniFormat);
        QCOMPARE(read.allKeys(), QStringList{QStringLiteral("PORT_CONF/T_RTSP_Port")});
        QCOMPARE(read.value(QStringLiteral("PORT_CONF/T_RTSP_Port")).toString(), QStringLiteral("30554"));
        // Nothing is left beside the file.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("config.ini")});
    }

    void createsFolderAndFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a/b/config.ini"));
        QVERIFY(rewrite_settings_file(path, [](QSettings &s) { s.setValue(QStringLiteral("G/k"), 1); }));
        QVERIFY(bytesOf(path).contains("k=1"));
    }

    // The old file stays byte for byte when the folder cannot be written; the failure is
    // logged and returned.
    void failedWriteKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("appdata"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/config.ini");
        const QByteArray old = "[TEACHER_CONF]\nFeature_IP=192.168.1.100\nTracking_Guide_State=1\n";
        QVERIFY(writeBytes(path, old));
        {
            ReadOnlyFolder readOnly(folder);
            if (!readOnly.ok())
                QSKIP(qPrintable(QStringLiteral("cannot make a folder read-only here: %1").arg(readOnly.why())));
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("save_config failed")));
            const bool ok = rewrite_settings_file(path, [](QSettings &s) {
                s.setValue(QStringLiteral("TEACHER_CONF/Feature_IP"), QStringLiteral("10.0.0.1"));
            });
            QVERIFY(!ok);
            QCOMPARE(bytesOf(path), old);
        }
        QCOMPARE(bytesOf(path), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("config.ini")});
    }

    // A full disk: the new file does not fit. The old one stays whole (a save that removed it
    // first would lose it here, and so would a small file whose write the settings class
    // buffers and whose failure it does not report).
    void fullDiskKeepsOldFile_data()
    {
        QTest::addColumn<int>("keys");
        QTest::newRow("a settings file's size") << 150;
        QTest::newRow("larger than the write buffer") << 800;
    }

    void fullDiskKeepsOldFile()
    {
        QFETCH(int, keys);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("appdata"));
        QVERIFY(QDir().mkpath(folder));
        TinyFolder tiny(folder, 8);
        if (!tiny.ok())
            QSKIP(qPrintable(QStringLiteral("no small file system here: %1").arg(tiny.why())));
        const QString path = folder + QStringLiteral("/config.ini");
        const QByteArray old = "[TEACHER_CONF]\nFeature_IP=192.168.1.100\n";
        QVERIFY(writeBytes(path, old));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("save_config failed")));
        const bool ok = rewrite_settings_file(path, [keys](QSettings &s) {
            for (int i = 0; i < keys; ++i)
                s.setValue(QStringLiteral("G/key%1").arg(i), QStringLiteral("a value of some length"));
        });
        QVERIFY(!ok);
        QCOMPARE(bytesOf(path), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("config.ini")});
    }

    // A process that ends in the middle of a save leaves the old file whole.
    void interruptedSaveKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("config.ini"));
        const QByteArray old = "[PORT_CONF]\nT_RTSP_Port=20554\n";
        QVERIFY(writeBytes(path, old));
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            rewrite_settings_file(path, [](QSettings &s) {
                s.setValue(QStringLiteral("PORT_CONF/T_RTSP_Port"), QStringLiteral("1"));
                _exit(3); // the end comes half way through the save
            });
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 3);
        QCOMPARE(bytesOf(path), old);
    }

    // The settings class caches files per process and rereads one only when its size or
    // time stamp changed: a rewrite of the same size within the same clock tick must still
    // reach the next reader.
    void sameSizeRewriteIsSeen()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("config.ini"));
        for (int round = 0; round < 20; ++round) {
            const QString value = QString::number(round % 10);
            QVERIFY(rewrite_settings_file(path, [&](QSettings &s) { s.setValue(QStringLiteral("G/k"), value); }));
            QSettings read(path, QSettings::IniFormat);
            QCOMPARE(read.value(QStringLiteral("G/k")).toString(), value);
        }
    }
};

QTEST_GUILESS_MAIN(tst_SettingsWriter)
#include "tst_settings_writer.moc"
