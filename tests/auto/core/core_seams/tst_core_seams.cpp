// The seams under the window: the log file, the reachability check and the wait that keeps
// the event loop running. This program may wait real seconds: it measures the length of a wait.
#include "core/log_fold.h"
#include "core/log_handler.h"
#include "core/reachability.h"
#include "core/time_scale.h"
#include "core/wait.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <ctime>

namespace {
const QString kLog = QStringLiteral("Corvane.log");
// No level word, no source location, two blanks on each side of "[0]".
const QRegularExpression kEntry(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d:\\d{3}  "
                                               "\\[0\\]  : (.*)$"));

// The texts of the entries, each checked against the entry format; an entry ends with an empty line.
QStringList entryTexts()
{
    QFile f(kLog);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(f.readAll());
    if (!text.endsWith(QLatin1String("\n\n")))
        return {QStringLiteral("<no empty line after the last entry>")};
    QStringList texts;
    for (const QString &entry : text.chopped(2).split(QStringLiteral("\n\n"))) {
        const QRegularExpressionMatch m = kEntry.match(entry);
        texts << (m.hasMatch() ? m.captured(1) : QStringLiteral("<bad entry> ") + entry.left(80));
    }
    return texts;
}
} // namespace

class tst_CoreSeams : public QObject
{
    Q_OBJECT

    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");

    // A "ping" of our own first on the PATH: it records its arguments and does what it is told.
    void fakePing(const QByteArray &body)
    {
        QFile script(bin.filePath(QStringLiteral("ping")));
        QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray args = bin.filePath(QStringLiteral("args")).toUtf8();
        script.write("#!/bin/sh\necho \"$@\" > \"" + args + "\"\n" + body + "\n");
        script.close();
        QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        qputenv("PATH", bin.path().toUtf8() + ":" + path);
    }

private slots:
    void cleanup()
    {
        uninstallLogHandler();
        QFile::remove(kLog);
        qputenv("PATH", path);
        timescale::setFactor(1.0);
    }

    // Messages after the entry function returns must not reach the log path and mutex, which
    // static destruction takes away.
    void handlerRemovedStopsWriting()
    {
        installLogHandler(kLog);
        qDebug() << "main start!!!";
        qWarning() << 806 << " MainWindow:: program entry!!!";
        uninstallLogHandler();
        qDebug() << "after";
        QCOMPARE(entryTexts(), (QStringList{"main start!!!", "806  MainWindow:: program entry!!!"}));
    }

    void threadsNeverInterleave()
    {
        installLogHandler(kLog);
        const QString filler(400, QLatin1Char('x'));
        QList<QThread *> threads;
        for (int t = 0; t < 4; ++t) {
            threads << QThread::create([t, filler] {
                for (int i = 0; i < 100; ++i)
                    qDebug().noquote() << QStringLiteral("T%1 #%2 %3 end").arg(t).arg(i).arg(filler);
            });
            threads.last()->start();
        }
        for (QThread *th : threads) {
            QVERIFY(th->wait(30000));
            delete th;
        }
        uninstallLogHandler();
        const QStringList texts = entryTexts();
        QCOMPARE(texts.size(), 400);
        const QRegularExpression body(QStringLiteral("^T\\d #\\d+ x{400} end$"));
        for (const QString &text : texts)
            QVERIFY2(body.match(text).hasMatch(), qPrintable(text.left(80)));
        QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), 400);
    }

    // The lines of a reply left out of the log are left out, but not those of anything that
    // runs while its handling waits, nor those of other threads; after a wait the handling's own
    // lines come back.
    void quietLeavesOutOnlyTheHandling()
    {
        installLogHandler(kLog);
        qDebug() << "before";
        {
            const log_fold::Quiet quiet;
            qDebug() << "left out";
            std::unique_ptr<QThread> other(QThread::create([] { qDebug() << "another thread"; }));
            other->start();
            QVERIFY(other->wait(30000));
            {
                const log_fold::Quiet nested(false);
                qDebug() << "left out too";
            }
            QTimer::singleShot(0, [] { qDebug() << "a timer meanwhile"; });
            wait_ms(10);
            qDebug() << "after the wait";
        }
        qDebug() << "after";
        uninstallLogHandler();
        QCOMPARE(entryTexts(),
                 (QStringList{"before", "another thread", "a timer meanwhile", "after the wait", "after"}));
    }

    // The log is begun afresh with the size check's line once it has grown beyond the limit
    // (a file exactly at it is appended to), and begun again when it was removed meanwhile.
    void logFileWhileRunning_data()
    {
        QTest::addColumn<qint64>("startSize"); // sparse: no half-gigabyte write
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("at the limit, then beyond it")
            << kLogFileSizeLimit << false
            << QStringList{"File \"Corvane.log\" deleted due to size exceeding 524288000 bytes.", "second"};
        QTest::newRow("removed meanwhile") << qint64(0) << true << QStringList{"second"};
    }
    void logFileWhileRunning()
    {
        QFETCH(qint64, startSize);
        QFETCH(bool, removed);
        {
            QFile file(kLog);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(startSize));
        }
        installLogHandler(kLog);
        qDebug() << "first";
        const qint64 entry = formatLogLine(QDateTime::currentDateTime(), QMessageLogContext(), "first").size() + 1;
        QCOMPARE(QFileInfo(kLog).size(), startSize + entry);
        if (removed)
            QVERIFY(QFile::remove(kLog));
        qDebug() << "second";
        uninstallLogHandler();
        QVERIFY(QFileInfo(kLog).size() < 4096);
        QTEST(entryTexts(), "entries");
    }

    // Judged by the exit status alone, whatever the ping prints; one that hangs is given up after
    // its bound, and the window keeps painting meanwhile.
    void pingExitStatus_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("reachable");
        QTest::newRow("answered") << QByteArray("exit 0") << true;
        QTest::newRow("no answer") << QByteArray("exit 1") << false;
        QTest::newRow("TTL= printed, failed") << QByteArray("echo 'bytes=32 time<1ms TTL=64'; exit 1") << false;
        QTest::newRow("killed") << QByteArray("kill -9 $$") << false;
        QTest::newRow("hangs") << QByteArray("sleep 30") << false;
    }

    void pingExitStatus()
    {
        QFETCH(QByteArray, body);
        fakePing(body);
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&ticks] { ++ticks; });
        tick.start(50);
        QElapsedTimer clock;
        clock.start();
        QTEST(reachability::isReachable(QStringLiteral("127.0.0.2")), "reachable");
        const qint64 took = clock.elapsed();
        QVERIFY2(took < 9000, qPrintable(QString::number(took)));
        QVERIFY2(ticks >= took / 50 / 2, qPrintable(QStringLiteral("%1 ticks in %2 ms").arg(ticks).arg(took)));
        QFile args(bin.filePath(QStringLiteral("args")));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll().trimmed(), QByteArray("-c 1 -W 4 -- 127.0.0.2"));
    }

    // The wait lasts its time, runs timers and queued calls, and sleeps instead of spinning.
    void waitRunsEventsWithoutSpinning()
    {
        bool queuedRan = false;
        QTimer::singleShot(300, this, [&] {
            QMetaObject::invokeMethod(this, [&] { queuedRan = true; }, Qt::QueuedConnection);
        });
        const std::clock_t cpuStart = std::clock();
        QElapsedTimer clock;
        clock.start();
        wait_ms(1000);
        const qint64 elapsed = clock.elapsed();
        const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        QVERIFY2(elapsed >= 1000 && elapsed < 1500, qPrintable(QString::number(elapsed)));
        QVERIFY(queuedRan);
        QVERIFY2(cpuMs < 250, qPrintable(QStringLiteral("CPU %1 ms").arg(cpuMs)));
    }

    // A wait inside a wait runs to its end; scaled waits keep their order in milliseconds.
    void nestedAndScaledWaits()
    {
        timescale::setFactor(0.01);
        qint64 innerElapsed = -1;
        QTimer::singleShot(10, this, [&] {
            QElapsedTimer inner;
            inner.start();
            wait_ms(20000);
            innerElapsed = inner.elapsed();
        });
        QElapsedTimer outer;
        outer.start();
        wait_ms(10000);
        QVERIFY(innerElapsed >= 200);
        QVERIFY(outer.elapsed() >= 100 && outer.elapsed() < 1000);
    }
};

QTEST_GUILESS_MAIN(tst_CoreSeams)
#include "tst_core_seams.moc"
