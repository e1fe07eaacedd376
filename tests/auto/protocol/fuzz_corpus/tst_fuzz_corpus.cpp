// Replays the committed fuzz corpus through the fuzz targets' own checks.
#include "fuzz/lectern_reply_entry.h"
#include "fuzz/parameter_block_entry.h"
#include "fuzz/uot_reader_entry.h"

#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
void discard(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

class tst_FuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    // The readers log every frame of thousands of inputs; failures come from the checks.
    void initTestCase() { qInstallMessageHandler(discard); }
    void cleanupTestCase() { qInstallMessageHandler(nullptr); }

    void replay_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        for (const char *target : {"uot_reader", "parameter_block", "lectern_reply"}) {
            const QDir dir(testenv::sourceDir() + QStringLiteral("/fuzz/corpus/") + QLatin1String(target));
            const QStringList names = dir.entryList(QDir::Files, QDir::Name);
            // An empty or missing corpus would make the replay pass on nothing.
            QVERIFY2(names.size() >= 10, target);
            for (const QString &name : names)
                QTest::addRow("%s/%s", target, qPrintable(name)) << QString::fromLatin1(target) << dir.filePath(name);
        }
    }

    void replay()
    {
        QFETCH(QString, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QCOMPARE(data.size(), file.size());
        const auto *bytes = reinterpret_cast<const uint8_t *>(data.constData());
        const size_t size = static_cast<size_t>(data.size());
        const QString failure = target == QLatin1String("uot_reader")        ? check_uot_reader_input(bytes, size)
                                : target == QLatin1String("parameter_block") ? check_parameter_block_input(bytes, size)
                                                                              : check_lectern_reply_input(bytes, size);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_APPLESS_MAIN(tst_FuzzCorpus)
#include "tst_fuzz_corpus.moc"
