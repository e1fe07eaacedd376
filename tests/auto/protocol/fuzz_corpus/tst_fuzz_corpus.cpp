#include "fuzz/lectern_reply_entry.h"
#include "fuzz/parameter_block_entry.h"
#include "fuzz/uot_reader_entry.h"

#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
void discard(QtMsgType, const QMessageLogContext &, const QString &) {}

QStringList corpusFiles(const QString &target)
{
    const QDir dir(testenv::sourceDir() + QStringLiteral("/fuzz/corpus/") + target);
    QStringList files;
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

void addRows(const QString &target)
{
    QTest::addColumn<QString>("path");
    for (const QString &path : corpusFiles(target))
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const uint8_t *bytesOf(const QByteArray &data)
{
    return reinterpret_cast<const uint8_t *>(data.constData());
}
} // namespace

class tst_FuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The readers log every frame of thousands of inputs; failures come from QVERIFY.
        qInstallMessageHandler(discard);
        // An empty or missing corpus would make the replay pass on nothing.
        QVERIFY(corpusFiles(QStringLiteral("uot_reader")).size() >= 10);
        QVERIFY(corpusFiles(QStringLiteral("parameter_block")).size() >= 10);
        QVERIFY(corpusFiles(QStringLiteral("lectern_reply")).size() >= 10);
    }

    void cleanupTestCase() { qInstallMessageHandler(nullptr); }

    void uotReader_data() { addRows(QStringLiteral("uot_reader")); }

    void uotReader()
    {
        QFETCH(QString, path);
        const QByteArray data = readFile(path);
        QVERIFY(QFileInfo(path).size() == data.size());
        const QString failure = check_uot_reader_input(bytesOf(data), static_cast<size_t>(data.size()));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void parameterBlock_data() { addRows(QStringLiteral("parameter_block")); }

    void parameterBlock()
    {
        QFETCH(QString, path);
        const QByteArray data = readFile(path);
        QVERIFY(QFileInfo(path).size() == data.size());
        const QString failure = check_parameter_block_input(bytesOf(data), static_cast<size_t>(data.size()));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void lecternReply_data() { addRows(QStringLiteral("lectern_reply")); }

    void lecternReply()
    {
        QFETCH(QString, path);
        const QByteArray data = readFile(path);
        QVERIFY(QFileInfo(path).size() == data.size());
        const QString failure = check_lectern_reply_input(bytesOf(data), static_cast<size_t>(data.size()));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_APPLESS_MAIN(tst_FuzzCorpus)
#include "tst_fuzz_corpus.moc"
