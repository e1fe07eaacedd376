#include "core/time_scale.h"
#include "core/wait.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include <ctime>

// The one test allowed to wait real seconds: it checks the real length of a wait.
class tst_WaitMs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { timescale::setFactor(1.0); }

    void waitsAtLeastAndDeliversEvents()
    {
        bool timerFired = false;
        bool queuedRan = false;
        QTimer::singleShot(300, this, [&] {
            timerFired = true;
            QMetaObject::invokeMethod(this, [&] { queuedRan = true; }, Qt::QueuedConnection);
        });
        const std::clock_t cpuStart = std::clock();
        QElapsedTimer clock;
        clock.start();
        wait_ms(1000);
        const qint64 elapsed = clock.elapsed();
        const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        QVERIFY2(elapsed >= 1000, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < 1500, qPrintable(QString::number(elapsed)));
        QVERIFY(timerFired);
        QVERIFY(queuedRan);
        // A spinning wait would burn about 1000 ms of CPU here.
        QVERIFY2(cpuMs < 250, qPrintable(QStringLiteral("CPU %1 ms").arg(cpuMs)));
    }

    void zeroProcessesPendingEvents()
    {
        bool ran = false;
        QMetaObject::invokeMethod(this, [&] { ran = true; }, Qt::QueuedConnection);
        QElapsedTimer clock;
        clock.start();
        wait_ms(0);
        QVERIFY(ran);
        QVERIFY(clock.elapsed() < 100);
    }

    void nestedWaitsBothComplete()
    {
        QElapsedTimer inner;
        qint64 innerElapsed = -1;
        QTimer::singleShot(50, this, [&] {
            inner.start();
            wait_ms(300);
            innerElapsed = inner.elapsed();
        });
        QElapsedTimer outer;
        outer.start();
        wait_ms(100);
        QVERIFY(innerElapsed >= 300); // the inner wait ran to its end inside the outer one
        QVERIFY(outer.elapsed() >= 100);
    }

    void scaledWait()
    {
        timescale::setFactor(0.01);
        QCOMPARE(timescale::scaled(10000), 100);
        QCOMPARE(timescale::scaled(1), 1);
        QCOMPARE(timescale::scaled(0), 0);
        QElapsedTimer clock;
        clock.start();
        wait_ms(10000);
        QVERIFY(clock.elapsed() >= 100);
        QVERIFY(clock.elapsed() < 1000);
    }
};

QTEST_MAIN(tst_WaitMs)
#include "tst_wait_ms.moc"
