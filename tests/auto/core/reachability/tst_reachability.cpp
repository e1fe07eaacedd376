// The reachability seam: the system ping, judged by its exit status, bounded in time, the window
// painting while it waits; and the check a test puts in its place.
#include "core/reachability.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class tst_Reachability : public QObject
{
    Q_OBJECT

    QTemporaryDir bin;
    QByteArray path;

    // A "ping" of our own first on the PATH: it records its arguments and does what it is told.
    void fakePing(const QByteArray &body)
    {
        const QString file = bin.filePath(QStringLiteral("ping"));
        QFile script(file);
        QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\necho \"$@\" > \"" + bin.filePath(QStringLiteral("args")).toUtf8() + "\"\n" + body + "\n");
        script.close();
        QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        qputenv("PATH", bin.path().toUtf8() + ":" + path);
    }

    QString args() const
    {
        QFile f(bin.filePath(QStringLiteral("args")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(bin.isValid());
        path = qgetenv("PATH");
    }

    void cleanup()
    {
        qputenv("PATH", path);
        reachability::setCheck({});
    }

    void exitStatus_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("reachable");
        QTest::newRow("answered") << QByteArray("exit 0") << true;
        QTest::newRow("no answer") << QByteArray("exit 1") << false;
        QTest::newRow("error") << QByteArray("exit 2") << false;
        // Whatever it prints: the text is not read (no "TTL=" test).
        QTest::newRow("TTL= printed, failed") << QByteArray("echo 'bytes=32 time<1ms TTL=64'; exit 1") << false;
        QTest::newRow("killed") << QByteArray("kill -9 $$") << false;
    }

    void exitStatus()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, reachable);
        fakePing(body);
        QCOMPARE(reachability::isReachable(QStringLiteral("127.0.0.2")), reachable);
        QCOMPARE(args(), QStringLiteral("-c 1 -W 4 -- 127.0.0.2"));
    }

    // A ping that hangs is given up after its bound; the event loop runs all the while.
    void boundedAndPainting()
    {
        fakePing("sleep 30");
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&ticks] { ++ticks; });
        tick.start(50);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!reachability::isReachable(QStringLiteral("127.0.0.2")));
        const qint64 took = clock.elapsed();
        QVERIFY2(took < 9000, qPrintable(QString::number(took)));
        QVERIFY2(ticks >= took / 50 / 2, qPrintable(QStringLiteral("%1 ticks in %2 ms").arg(ticks).arg(took)));
    }

    void theRealPing()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("ping")).isEmpty())
            QSKIP("no ping installed");
        QVERIFY(reachability::systemPing(QStringLiteral("127.0.0.1")));
    }

    void aTestsCheck()
    {
        QStringList asked;
        reachability::setCheck([&asked](const QString &h) {
            asked << h;
            return h == QLatin1String("127.0.0.5");
        });
        QVERIFY(reachability::isReachable(QStringLiteral("127.0.0.5")));
        QVERIFY(!reachability::isReachable(QStringLiteral("127.0.0.6")));
        QCOMPARE(asked, (QStringList{"127.0.0.5", "127.0.0.6"}));
    }
};

QTEST_MAIN(tst_Reachability)
#include "tst_reachability.moc"
