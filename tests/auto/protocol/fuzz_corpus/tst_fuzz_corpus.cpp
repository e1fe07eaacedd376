// Replays the committed fuzz corpus through the fuzz targets' own checks.
#include "fuzz/board_section_entry.h"
#include "fuzz/director_section_entry.h"
#include "fuzz/discovery_reply_entry.h"
#include "fuzz/lectern_reply_entry.h"
#include "fuzz/parameter_block_entry.h"
#include "fuzz/region_readback_entry.h"
#include "fuzz/student_section_entry.h"
#include "fuzz/teacher_section_entry.h"
#include "fuzz/transfer_packet_entry.h"
#include "fuzz/uot_reader_entry.h"
#include "fuzz/visca_reply_entry.h"

#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
void discard(QtMsgType, const QMessageLogContext &, const QString &) {}

using Check = QString (*)(const uint8_t *, size_t);
const struct {
    const char *name;
    Check check;
} kTargets[] = {
    {"uot_reader", check_uot_reader_input},
    {"parameter_block", check_parameter_block_input},
    {"lectern_reply", check_lectern_reply_input},
    {"visca_reply", check_visca_reply_input},
    {"teacher_section", check_teacher_section_input},
    {"student_section", check_student_section_input},
    {"board_section", check_board_section_input},
    {"director_section", check_director_section_input},
    {"region_readback", check_region_readback_input},
    {"discovery_reply", check_discovery_reply_input},
    {"transfer_packet", check_transfer_packet_input},
};
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
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("path");
        for (int t = 0; t < int(sizeof kTargets / sizeof kTargets[0]); ++t) {
            const char *target = kTargets[t].name;
            const QDir dir(testenv::sourceDir() + QStringLiteral("/fuzz/corpus/") + QLatin1String(target));
            const QStringList names = dir.entryList(QDir::Files, QDir::Name);
            // An empty or missing corpus would make the replay pass on nothing.
            QVERIFY2(names.size() >= 10, target);
            for (const QString &name : names)
                QTest::addRow("%s/%s", target, qPrintable(name)) << t << dir.filePath(name);
        }
    }

    void replay()
    {
        QFETCH(int, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QCOMPARE(data.size(), file.size());
        const auto *bytes = reinterpret_cast<const uint8_t *>(data.constData());
        const size_t size = static_cast<size_t>(data.size());
        const QString failure = kTargets[target].check(bytes, size);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_APPLESS_MAIN(tst_FuzzCorpus)
#include "tst_fuzz_corpus.moc"
