// The reader of a camera's TCP link: "UOT\0", port and length (little-endian), payload. Frames
// come whole whatever the cut of the reads; a foreign port is skipped by its length; any other
// bad header resynchronises on the next marker or empties the buffer, with a warning; a length
// beyond 1 MiB is never waited for.
#include "core/log_fold.h"
#include "log_capture.h"
#include "protocol/protocol_log.h"
#include "protocol/uot_reader.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

namespace {
QByteArray header(const QByteArray &magic, quint32 port, quint32 length)
{
    QByteArray h = magic.left(4);
    h.append(QByteArray(4 - h.size(), '\0'));
    char field[4];
    qToLittleEndian<quint32>(port, field);
    h.append(field, 4);
    qToLittleEndian<quint32>(length, field);
    h.append(field, 4);
    return h;
}

QByteArray frame(quint32 port, const QByteArray &payload)
{
    return header(QByteArray("UOT\0", 4), port, static_cast<quint32>(payload.size())) + payload;
}

QByteArray text(const QByteArray &payload)
{
    return frame(6791, payload);
}

QByteArray visca(const QByteArray &payload)
{
    return frame(1259, payload);
}

// A frame as the tests compare it: "port:payload".
QByteArray shown(const UotReader::Frame &f)
{
    return QByteArray::number(f.port) + ':' + f.payload;
}
} // namespace

class tst_UotReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // One debug line per header and frame; the warnings stay on and are checked.
        QLoggingCategory::setFilterRules(QStringLiteral("corvane.protocol.debug=false"));
    }

    void stream_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QVector<int>>("reads"); // sizes of the reads; the rest is one last read
        QTest::addColumn<QByteArrayList>("expected");
        QTest::addColumn<int>("leftOver");
        QTest::addColumn<QStringList>("warnings"); // one pattern per expected warning
        QTest::addColumn<int>("held");             // the bound on the bytes held; 0 none
        QTest::addColumn<int>("dropped");          // frames and stretches dropped beyond it

        const QString skipped = QStringLiteral("UOT reader \\[teacher\\]: frame for unknown port %1 skipped "
                                               "\\(%2 bytes\\)");
        const QString resync = QStringLiteral("UOT reader \\[teacher\\]: %1 .*skipped %2 bytes to the next "
                                              "frame marker");
        const QString dropped = QStringLiteral("UOT reader \\[teacher\\]: %1 .*no frame marker follows, "
                                               "dropped %2 bytes");
        const QString badMarker = QStringLiteral("bad frame marker");
        const QString beyond = QStringLiteral("frame length beyond the bound");
        QTest::newRow("VISCA then text, zero bytes kept") << visca("\x90\x50\x02\xff") + text(QByteArray("a\0b", 3))
                                                          << QVector<int>{}
                                                          << QByteArrayList{QByteArray("1259:\x90\x50\x02\xff"),
                                                                            QByteArray("6791:a\0b", 8)}
                                                          << 0 << QStringList{} << 0 << 0;
        QTest::newRow("foreign port skipped by its length, spread over reads")
            << text("before") + frame(0, "0123456789") + text("after") << QVector<int>{20, 10}
            << QByteArrayList{"6791:before", "6791:after"} << 0 << QStringList{skipped.arg(0).arg(10)} << 0 << 0;
        QTest::newRow("foreign port holding a marker in its payload")
            << frame(80, QByteArray("UOT\0\x87\x1a\0\0\1\0\0\0x", 13)) + visca("v") << QVector<int>{}
            << QByteArrayList{"1259:v"} << 0 << QStringList{skipped.arg(80).arg(13)} << 0 << 0;
        QTest::newRow("bad marker") << header("UOX", 6791, 3) + "abc" + text("good") << QVector<int>{}
                                    << QByteArrayList{"6791:good"} << 0 << QStringList{resync.arg(badMarker).arg(15)}
                                    << 0 << 0;
        QTest::newRow("absurd length followed by a frame") << header("UOT", 6791, 0xFFFFFFFFu) + text("good")
                                                           << QVector<int>{} << QByteArrayList{"6791:good"} << 0
                                                           << QStringList{resync.arg(beyond).arg(12)} << 0 << 0;
        QTest::newRow("one byte beyond the bound")
            << header("UOT", 1259, UotReader::kMaxPayloadSize + 1) + "xyz" + visca("v") << QVector<int>{}
            << QByteArrayList{"1259:v"} << 0 << QStringList{resync.arg(beyond).arg(15)} << 0 << 0;
        QTest::newRow("absurd length alone empties the buffer")
            << header("UOT", 6791, 0x80000000u) + "rest of a broken stream" << QVector<int>{} << QByteArrayList{} << 0
            << QStringList{dropped.arg(beyond).arg(35)} << 0 << 0;
        QTest::newRow("marker cut by the read boundary while resynchronising")
            << QByteArray(20, 'g') + text("good") << QVector<int>{22} << QByteArrayList{"6791:good"} << 0
            << QStringList{dropped.arg(badMarker).arg(20)} << 0 << 0;
        const QByteArray bound(int(UotReader::kMaxPayloadSize), 'p');
        QTest::newRow("a payload of exactly the bound, in 64 KiB reads")
            << text(bound) + visca("v") << QVector<int>(16, 65536) << QByteArrayList{"6791:" + bound, "1259:v"} << 0
            << QStringList{} << 0 << 0;
        QTest::newRow("truncated tail waits behind whole frames")
            << text("first") + text("0123456789").left(13) << QVector<int>{} << QByteArrayList{"6791:first"} << 13
            << QStringList{} << 0 << 0;
        // Held beyond a bound: the oldest whole units go as a read comes, none logged one by one.
        const QByteArray four = text("1") + text("2") + text("3") + text("4"); // 13 bytes each
        QTest::newRow("bound reached exactly, nothing dropped")
            << four << QVector<int>{} << QByteArrayList{"6791:1", "6791:2", "6791:3", "6791:4"} << 0 << QStringList{}
            << 52 << 0;
        QTest::newRow("past the bound the oldest frames are dropped")
            << four << QVector<int>{} << QByteArrayList{"6791:3", "6791:4"} << 0 << QStringList{} << 30 << 2;
        QTest::newRow("a frame cut by the read waits for its rest past the bound")
            << four << QVector<int>{45} << QByteArrayList{"6791:3", "6791:4"} << 0 << QStringList{} << 30 << 2;
        QTest::newRow("frames for another port and damaged stretches dropped as units")
            << frame(6792, "xx") + header("UOX", 6791, 3) + "abc" + text("good") << QVector<int>{}
            << QByteArrayList{"6791:good"} << 0 << QStringList{} << 20 << 2;
    }

    void stream()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QVector<int>, reads);
        QFETCH(QStringList, warnings);
        QFETCH(int, held);
        QFETCH(int, dropped);
        for (const QString &w : warnings)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QLatin1Char('^') + w + QLatin1Char('$')));
        UotReader reader(QStringLiteral("teacher"));
        reader.set_max_held(held);
        QByteArrayList got;
        int handed = 0; // bytes of the frames handed out
        int at = 0;
        for (int i = 0; i <= reads.size(); ++i) {
            const int size = i < reads.size() ? reads.at(i) : stream.size() - at;
            reader.feed(stream.mid(at, size), [&](const UotReader::Frame &f) {
                got.append(shown(f));
                handed += UotReader::kHeaderSize + f.payload.size();
            });
            at += size;
        }
        QTEST(got, "expected");
        QTEST(reader.buffered(), "leftOver");
        // Each warning tells of one skipped frame or stretch, which a link's read budget counts.
        QCOMPARE(reader.skipped(), qint64(warnings.size()));
        QCOMPARE(reader.dropped(), qint64(dropped));
        // One line tells of the units dropped since the last, and of their bytes: what was neither
        // handed out nor is still waiting (no row both skips and drops).
        const QString note = QStringLiteral("UOT reader [teacher]: %1 frames dropped (%2 bytes): more than %3 bytes "
                                            "waited to be handed on");
        if (dropped)
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(note.arg(dropped).arg(stream.size() - handed - reader.buffered()).arg(held)));
        reader.write_notes();
        QVERIFY(!reader.notes_pending());
    }

    // Two reads cut at every possible place, and one byte per read: the same frames each time.
    void everyCutPoint()
    {
        const QByteArray stream = visca("\x90\x50\x03\xff") + text("student_parameter\nstart") + text("");
        const QByteArrayList expected{QByteArray("1259:\x90\x50\x03\xff"), "6791:student_parameter\nstart", "6791:"};
        for (int at = 0; at <= stream.size(); ++at) {
            UotReader reader;
            QByteArrayList got;
            auto keep = [&](const UotReader::Frame &f) { got.append(shown(f)); };
            reader.feed(stream.left(at), keep);
            reader.feed(stream.mid(at), keep);
            QVERIFY2(got == expected, qPrintable(QStringLiteral("cut at %1").arg(at)));
            QCOMPARE(reader.buffered(), 0);
        }
        UotReader reader;
        QByteArrayList got;
        for (char byte : stream)
            reader.feed(QByteArray(1, byte), [&](const UotReader::Frame &f) { got.append(shown(f)); });
        QCOMPARE(got, expected);
    }

    // A header announcing 4 GiB is not waited for: the megabytes behind it are dropped read by
    // read, the buffer never grows, and the next good frame comes through.
    void absurdLengthNeitherGrowsNorStalls()
    {
        UotReader reader(QStringLiteral("student"));
        QByteArrayList got;
        auto keep = [&](const UotReader::Frame &f) { got.append(shown(f)); };
        const QByteArray garbage(512 * 1024, '\x5a');
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "^UOT reader \\[student\\]: frame length beyond the bound "
                                               "\\(port 6791, length 4294967295\\)")));
        reader.feed(header("UOT", 6791, 0xFFFFFFFFu) + garbage, keep);
        QCOMPARE(reader.buffered(), 0);
        // The same garbage read after read is one run: its first stretches are logged.
        for (int i = 0; i < 16; ++i) {
            if (i < log_fold::kRepeatsLogged)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("dropped 524288 bytes$")));
            reader.feed(garbage, keep);
            QCOMPARE(reader.buffered(), 0);
        }
        QTest::ignoreMessage(QtInfoMsg, "UOT reader [student]: 11 more replies identical to the last one logged were "
                                        "left out of the log");
        reader.feed(text("student_parameter\nstop"), keep);
        QCOMPARE(got, QByteArrayList{"6791:student_parameter\nstop"});
    }

    // A long payload shows its first bytes only, as every dump of the program does.
    void payloadDumpCapped_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("line");
        QTest::newRow("VISCA") << 1259 << "[VISCA] Resolver NewVersion {";
        QTest::newRow("text") << 6791 << "[TRACK] Resolver NewVersion {";
    }
    void payloadDumpCapped()
    {
        QFETCH(int, port);
        QFETCH(QString, line);
        QLoggingCategory::setFilterRules(QString());
        LogCapture capture;
        UotReader reader;
        reader.feed(frame(quint32(port), QByteArray(20000, 'x')), [](const UotReader::Frame &) {});
        QLoggingCategory::setFilterRules(QStringLiteral("corvane.protocol.debug=false"));
        QCOMPARE(capture.lines().filter(line),
                 QStringList{line + '"' + QString(kLogDumpLimit, 'x') + "...(20000 bytes)\"}"});
    }

    // A run of identical frames logs its first few in full and marks the rest left out; the
    // frame that ends the run comes after one line that says how many were left out.
    void identicalFramesFold_data()
    {
        QTest::addColumn<QByteArray>("unit");
        QTest::addColumn<int>("frames"); // frames in the unit: 1, or 0 for one skipped
        QTest::addColumn<QString>("line"); // logged once per unit while it is logged
        QTest::newRow("VISCA zoom answer") << visca("\x90\x50\x04\x00\x00\x00\xff") << 1
                                           << "[VISCA] Resolver NewVersion {";
        QTest::newRow("frame for an unknown port") << frame(6792, "") << 0 << "frame for unknown port 6792";
        QTest::newRow("absurd length") << header("UOT", 6791, 0x7FFFFFFFu) << 0 << "frame length beyond the bound";
    }
    void identicalFramesFold()
    {
        QFETCH(QByteArray, unit);
        QFETCH(int, frames);
        QFETCH(QString, line);
        constexpr int kRun = 20;
        QLoggingCategory::setFilterRules(QString());
        LogCapture capture;
        UotReader reader(QStringLiteral("teacher"));
        QVector<bool> leftOut;
        reader.feed(unit.repeated(kRun) + text("different"), [&](const UotReader::Frame &f) { leftOut << f.left_out; });
        QLoggingCategory::setFilterRules(QStringLiteral("corvane.protocol.debug=false"));
        const QStringList log = capture.lines();

        QVector<bool> expected(kRun * frames, true);
        for (int i = 0; i < qMin(kRun * frames, log_fold::kRepeatsLogged); ++i)
            expected[i] = false;
        expected << false;
        QCOMPARE(leftOut, expected);
        QCOMPARE(log.filter(line).size(), log_fold::kRepeatsLogged);
        const QString note = QStringLiteral("UOT reader [teacher]: %1 more replies identical to the last one logged "
                                            "were left out of the log").arg(kRun - log_fold::kRepeatsLogged);
        QCOMPARE(log.filter(QStringLiteral("left out of the log")), QStringList{note});
        // The note comes before the lines of the frame that ends the run.
        QVERIFY(log.indexOf(note) >= 0);
        const QRegularExpression ender(QStringLiteral(".*Resolver NewVersion \\{\"different\"\\}"));
        QVERIFY(log.indexOf(note) < log.indexOf(ender));
    }

    // While a frame is being handled the consumer processes events, and more bytes of the same
    // link are read and fed: every frame is handled once, in stream order, nothing is cut.
    void frameArrivesWhileHandling_data()
    {
        QTest::addColumn<QByteArray>("firstRead");
        QTest::addColumn<QByteArray>("readDuringHandling");
        QTest::newRow("rest of the second frame") << text("first") + text("second").left(9)
                                                  << text("second").mid(9) + text("third");
        QTest::newRow("whole frame while another waits in the buffer") << text("first") + text("second") << text("third");
    }

    void frameArrivesWhileHandling()
    {
        QFETCH(QByteArray, firstRead);
        QFETCH(QByteArray, readDuringHandling);
        UotReader reader(QStringLiteral("teacher"));
        QByteArrayList got;
        bool fedDuringHandling = false;
        std::function<void(const UotReader::Frame &)> handle = [&](const UotReader::Frame &f) {
            got.append(shown(f));
            if (!fedDuringHandling) {
                fedDuringHandling = true;
                reader.feed(readDuringHandling, handle);
            }
        };
        reader.feed(firstRead, handle);
        QCOMPARE(got, (QByteArrayList{"6791:first", "6791:second", "6791:third"}));
        QCOMPARE(reader.buffered(), 0);
    }
};

QTEST_APPLESS_MAIN(tst_UotReader)
#include "tst_uot_reader.moc"
