#include "core/log_handler.h"

#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

namespace {
const QRegularExpression kEntry(
    QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d:\\d{3}  \\[0\\]  : (.*)$"));

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Entries are separated by the empty line that follows each one.
QStringList entries(const QString &path)
{
    QString text = QString::fromUtf8(readAll(path));
    QStringList list = text.split(QStringLiteral("\n\n"));
    if (!list.isEmpty() && list.last().isEmpty())
        list.removeLast();
    return list;
}
} // namespace

class tst_LogHandler : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        uninstallLogHandler();
        QFile::remove(QStringLiteral("Corvane.log"));
        QFile::remove(QStringLiteral("other.log"));
    }

    void lineFormat()
    {
        installLogHandler(QStringLiteral("Corvane.log"));
        qDebug() << "main start!!!";
        qWarning() << 806 << " MainWindow:: program entry!!!";
        uninstallLogHandler();
        const QByteArray raw = readAll(QStringLiteral("Corvane.log"));
        QVERIFY(raw.endsWith("\n\n"));
        const QStringList list = entries(QStringLiteral("Corvane.log"));
        QCOMPARE(list.size(), 2);
        // No level word, no source location, two blanks on each side of "[0]".
        QRegularExpressionMatch m = kEntry.match(list.at(0));
        QVERIFY2(m.hasMatch(), qPrintable(list.at(0)));
        QCOMPARE(m.captured(1), QStringLiteral("main start!!!"));
        m = kEntry.match(list.at(1));
        QVERIFY2(m.hasMatch(), qPrintable(list.at(1)));
        QCOMPARE(m.captured(1), QStringLiteral("806  MainWindow:: program entry!!!"));
    }

    void formatWithContext()
    {
        QMessageLogContext context("camera.cpp", 42, "f", "default");
        const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5, 6));
        QCOMPARE(formatLogLine(when, context, QStringLiteral("text")),
                 QStringLiteral("2026-01-02 03:04:05:006  camera.cpp[42]  : text\n"));
    }

    void handlerRemovedStopsWriting()
    {
        installLogHandler(QStringLiteral("Corvane.log"));
        qDebug() << "before";
        uninstallLogHandler();
        qDebug() << "after";
        const QStringList list = entries(QStringLiteral("Corvane.log"));
        QCOMPARE(list.size(), 1);
        QVERIFY(list.at(0).endsWith(QStringLiteral(": before")));
    }

    void installSetsPath()
    {
        installLogHandler(QStringLiteral("other.log"));
        qDebug() << "to the other file";
        uninstallLogHandler();
        QVERIFY(!QFile::exists(QStringLiteral("Corvane.log")));
        QCOMPARE(entries(QStringLiteral("other.log")).size(), 1);
        installLogHandler(QString()); // an empty name keeps the path in force
        qDebug() << "again";
        uninstallLogHandler();
        QCOMPARE(entries(QStringLiteral("other.log")).size(), 2);
        gLogFilePath = QStringLiteral("Corvane.log");
    }

    void threadsNeverInterleave()
    {
        installLogHandler(QStringLiteral("Corvane.log"));
        constexpr int kThreads = 8;
        constexpr int kPerThread = 150;
        const QString filler(400, QLatin1Char('x'));
        QList<QThread *> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads << QThread::create([t, filler] {
                for (int i = 0; i < kPerThread; ++i)
                    qDebug().noquote() << QStringLiteral("T%1 #%2 %3 end").arg(t).arg(i).arg(filler);
            });
        }
        for (QThread *th : threads)
            th->start();
        for (QThread *th : threads) {
            QVERIFY(th->wait(30000));
            delete th;
        }
        uninstallLogHandler();
        const QStringList list = entries(QStringLiteral("Corvane.log"));
        QCOMPARE(list.size(), kThreads * kPerThread);
        QSet<QString> seen;
        const QRegularExpression body(QStringLiteral("^T(\\d+) #(\\d+) x{400} end$"));
        for (const QString &e : list) {
            const QRegularExpressionMatch m = kEntry.match(e);
            QVERIFY2(m.hasMatch(), qPrintable(e.left(80)));
            QVERIFY2(body.match(m.captured(1)).hasMatch(), qPrintable(e.left(80)));
            seen.insert(m.captured(1).left(12));
        }
        QCOMPARE(seen.size(), kThreads * kPerThread);
    }

    void sizeLimit_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("kept");
        QTest::newRow("exactly the limit stays") << kLogFileSizeLimit << true;
        QTest::newRow("one byte more is deleted") << kLogFileSizeLimit + 1 << false;
        QTest::newRow("small file stays") << qint64(10) << true;
    }

    void sizeLimit()
    {
        QFETCH(qint64, size);
        QFETCH(bool, kept);
        {
            QFile f(QStringLiteral("Corvane.log"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(size)); // sparse: costs no disk
        }
        installLogHandler(QStringLiteral("Corvane.log"));
        uninstallLogHandler();
        QCOMPARE(QFile::exists(QStringLiteral("Corvane.log")), kept);
        if (kept)
            QCOMPARE(QFileInfo(QStringLiteral("Corvane.log")).size(), size);
    }

    void removeFileIfTooLargeResults()
    {
        QVERIFY(!removeFileIfTooLarge(QStringLiteral("missing.log"), 10));
        QFile f(QStringLiteral("small.log"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("12345");
        f.close();
        QVERIFY(!removeFileIfTooLarge(QStringLiteral("small.log"), 5));
        QVERIFY(removeFileIfTooLarge(QStringLiteral("small.log"), 4));
        QVERIFY(!QFile::exists(QStringLiteral("small.log")));
    }
};

QTEST_GUILESS_MAIN(tst_LogHandler)
#include "tst_log_handler.moc"
