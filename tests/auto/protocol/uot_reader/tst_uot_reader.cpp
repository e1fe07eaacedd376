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

// Cuts the stream into reads of the given sizes; the rest is one last read.
QList<QByteArray> cut(const QByteArray &stream, const QVector<int> &sizes)
{
    QList<QByteArray> reads;
    int at = 0;
    for (int size : sizes) {
        reads.append(stream.mid(at, size));
        at += size;
    }
    if (at < stream.size())
        reads.append(stream.mid(at));
    return reads;
}

const QRegularExpression kNoWarning;
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

    void wholeAndSplitReads_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QVector<int>>("reads");
        QTest::addColumn<QVector<int>>("framesAfterRead"); // frames handed on, counted after each read
        QTest::addColumn<QByteArrayList>("expected");

        const QByteArray block("teacher_parameter\nget_tracking_config_file\npan_speed=5");
        QTest::newRow("20-byte read holding one 8-byte frame")
            << text("abcdefgh") << QVector<int>{20} << QVector<int>{1} << QByteArrayList{"6791:abcdefgh"};
        QTest::newRow("30 bytes as 5, 10 and 15")
            << text("0123456789abcdefgh") << QVector<int>{5, 10, 15} << QVector<int>{0, 0, 1}
            << QByteArrayList{"6791:0123456789abcdefgh"};
        QTest::newRow("cut inside the length field")
            << text(block) << QVector<int>{10, 40} << QVector<int>{0, 0, 1} << QByteArrayList{"6791:" + block};
        QTest::newRow("cut right after the header")
            << text(block) << QVector<int>{12} << QVector<int>{0, 1} << QByteArrayList{"6791:" + block};
        QTest::newRow("empty payload")
            << text(QByteArray()) << QVector<int>{12} << QVector<int>{1} << QByteArrayList{"6791:"};
        QTest::newRow("VISCA then text in one read")
            << visca("\x90\x50\x02\xff") + text(block) << QVector<int>{} << QVector<int>{2}
            << QByteArrayList{QByteArray("1259:\x90\x50\x02\xff"), "6791:" + block};
        QTest::newRow("three frames, reads cutting through each")
            << text("one") + visca("\x90\x41\xff") + text("three") << QVector<int>{7, 11, 3, 9}
            << QVector<int>{0, 1, 1, 2, 3}
            << QByteArrayList{"6791:one", QByteArray("1259:\x90\x41\xff"), "6791:three"};
        QTest::newRow("zero bytes inside a payload are kept")
            << text(QByteArray("a\0b\0", 4)) << QVector<int>{} << QVector<int>{1}
            << QByteArrayList{QByteArray("6791:a\0b\0", 9)};
    }

    void wholeAndSplitReads()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QVector<int>, reads);
        QFETCH(QVector<int>, framesAfterRead);
        QFETCH(QByteArrayList, expected);

        UotReader reader(QStringLiteral("teacher"));
        QByteArrayList got;
        const QList<QByteArray> pieces = cut(stream, reads);
        QCOMPARE(pieces.size(), framesAfterRead.size());
        for (int i = 0; i < pieces.size(); ++i) {
            reader.feed(pieces.at(i), [&](const UotReader::Frame &f) { got.append(shown(f)); });
            QCOMPARE(got.size(), framesAfterRead.at(i));
        }
        QCOMPARE(got, expected);
        QCOMPARE(reader.buffered(), 0);
    }

    // Two reads cut at every possible place, and one byte per read: the same frames each time.
    void everyCutPoint()
    {
        const QByteArray stream = visca("\x90\x50\x03\xff") + text("student_parameter\nstart") + text("");
        const QByteArrayList expected{QByteArray("1259:\x90\x50\x03\xff"), "6791:student_parameter\nstart",
                                      "6791:"};
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

    // The pull form hands the same frames and leaves an unfinished one waiting.
    void takeFrame()
    {
        UotReader reader;
        reader.append(text("a") + visca("b") + text("unfinished").left(15));
        UotReader::Frame f;
        QVERIFY(reader.take_frame(&f));
        QCOMPARE(shown(f), QByteArray("6791:a"));
        QVERIFY(reader.take_frame(&f));
        QCOMPARE(shown(f), QByteArray("1259:b"));
        QVERIFY(!reader.take_frame(&f));
        QCOMPARE(reader.buffered(), 15);
        reader.append(text("unfinished").mid(15));
        QVERIFY(reader.take_frame(&f));
        QCOMPARE(shown(f), QByteArray("6791:unfinished"));
        QVERIFY(!reader.take_frame(&f));
    }

    void damagedStream_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QVector<int>>("reads");
        QTest::addColumn<QByteArrayList>("expected");
        QTest::addColumn<int>("leftOver");
        QTest::addColumn<QStringList>("warnings"); // one pattern per expected warning

        const QString skipped = QStringLiteral("UOT reader \\[teacher\\]: frame for unknown port %1 skipped \\(%2 bytes\\)");
        const QString resync = QStringLiteral("UOT reader \\[teacher\\]: %1 .*skipped %2 bytes to the next frame marker");
        const QString dropped = QStringLiteral("UOT reader \\[teacher\\]: %1 .*no frame marker follows, dropped %2 bytes");

        QTest::newRow("foreign port skipped by its length")
            << frame(7000, "not for us") + text("after") << QVector<int>{} << QByteArrayList{"6791:after"} << 0
            << QStringList{skipped.arg(7000).arg(10)};
        QTest::newRow("foreign port frame spread over reads")
            << text("before") + frame(0, "0123456789") + text("after") << QVector<int>{20, 10}
            << QByteArrayList{"6791:before", "6791:after"} << 0 << QStringList{skipped.arg(0).arg(10)};
        QTest::newRow("foreign port holding a marker in its payload")
            << frame(80, QByteArray("UOT\0\x87\x1a\0\0\1\0\0\0x", 13)) + visca("v") << QVector<int>{}
            << QByteArrayList{"1259:v"} << 0 << QStringList{skipped.arg(80).arg(13)};
        QTest::newRow("bad marker")
            << header("UOX", 6791, 3) + "abc" + text("good") << QVector<int>{} << QByteArrayList{"6791:good"} << 0
            << QStringList{resync.arg("bad frame marker").arg(15)};
        QTest::newRow("lower-case marker")
            << header("uot", 6791, 0) + text("good") << QVector<int>{} << QByteArrayList{"6791:good"} << 0
            << QStringList{resync.arg("bad frame marker").arg(12)};
        QTest::newRow("marker without its zero byte")
            << QByteArray("UOTX") + text("good") << QVector<int>{} << QByteArrayList{"6791:good"} << 0
            << QStringList{resync.arg("bad frame marker").arg(4)};
        QTest::newRow("garbage before a frame")
            << QByteArray("hello, camera!") + text("good") << QVector<int>{} << QByteArrayList{"6791:good"} << 0
            << QStringList{resync.arg("bad frame marker").arg(14)};
        QTest::newRow("absurd length followed by a frame")
            << header("UOT", 6791, 0xFFFFFFFFu) + text("good") << QVector<int>{} << QByteArrayList{"6791:good"} << 0
            << QStringList{resync.arg("frame length beyond the bound").arg(12)};
        QTest::newRow("one byte beyond the bound")
            << header("UOT", 1259, UotReader::kMaxPayloadSize + 1) + "xyz" + visca("v") << QVector<int>{}
            << QByteArrayList{"1259:v"} << 0 << QStringList{resync.arg("frame length beyond the bound").arg(15)};
        QTest::newRow("absurd length alone empties the buffer")
            << header("UOT", 6791, 0x80000000u) + "rest of a broken stream" << QVector<int>{} << QByteArrayList{}
            << 0 << QStringList{dropped.arg("frame length beyond the bound").arg(35)};
        QTest::newRow("garbage without a marker empties the buffer")
            << QByteArray(100, 'g') << QVector<int>{} << QByteArrayList{} << 0
            << QStringList{dropped.arg("bad frame marker").arg(100)};
        QTest::newRow("marker cut by the read boundary while resynchronising")
            << QByteArray(20, 'g') + text("good") << QVector<int>{22} << QByteArrayList{"6791:good"} << 0
            << QStringList{dropped.arg("bad frame marker").arg(20)};
        QTest::newRow("truncated tail waits")
            << text("0123456789").left(19) << QVector<int>{} << QByteArrayList{} << 19 << QStringList{};
        QTest::newRow("truncated tail waits behind whole frames")
            << text("first") + visca("\x90\x41") + text("0123456789").left(13) << QVector<int>{}
            << QByteArrayList{"6791:first", QByteArray("1259:\x90\x41")} << 13 << QStringList{};
        QTest::newRow("fewer bytes than a header wait")
            << QByteArray("UOT\0\x87", 5) << QVector<int>{} << QByteArrayList{} << 5 << QStringList{};
    }

    void damagedStream()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QVector<int>, reads);
        QFETCH(QByteArrayList, expected);
        QFETCH(int, leftOver);
        QFETCH(QStringList, warnings);

        for (const QString &w : warnings)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QLatin1Char('^') + w + QLatin1Char('$')));

        UotReader reader(QStringLiteral("teacher"));
        QByteArrayList got;
        for (const QByteArray &piece : cut(stream, reads))
            reader.feed(piece, [&](const UotReader::Frame &f) { got.append(shown(f)); });
        QCOMPARE(got, expected);
        QCOMPARE(reader.buffered(), leftOver);
    }

    // A payload of exactly the bound is a frame like any other.
    void payloadOfTheBound()
    {
        const QByteArray payload(int(UotReader::kMaxPayloadSize), 'p');
        const QByteArray stream = text(payload) + visca("v");
        UotReader reader;
        QList<UotReader::Frame> got;
        for (int at = 0; at < stream.size(); at += 65536)
            reader.feed(stream.mid(at, 65536), [&](const UotReader::Frame &f) { got.append(f); });
        QCOMPARE(got.size(), 2);
        QCOMPARE(got.at(0).port, UotReader::kTextPort);
        QCOMPARE(got.at(0).payload.size(), payload.size());
        QVERIFY(got.at(0).payload == payload);
        QCOMPARE(shown(got.at(1)), QByteArray("1259:v"));
        QCOMPARE(reader.buffered(), 0);
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
            "^UOT reader \\[student\\]: frame length beyond the bound \\(port 6791, length 4294967295\\), no frame marker follows.*")));
        reader.feed(header("UOT", 6791, 0xFFFFFFFFu) + garbage, keep);
        QCOMPARE(reader.buffered(), 0);
        for (int i = 0; i < 16; ++i) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                "^UOT reader \\[student\\]: bad frame marker .*dropped 524288 bytes$")));
            reader.feed(garbage, keep);
            QCOMPARE(reader.buffered(), 0);
        }
        reader.feed(text("student_parameter\nstop"), keep);
        QCOMPARE(got, QByteArrayList{"6791:student_parameter\nstop"});
    }

    // Each link has its own buffer: reads of the two links may alternate in any way.
    void twoLinksInterleaving()
    {
        const QByteArray teacherStream = text("teacher_parameter\nstart") + visca("\x90\x50\x02\xff");
        const QByteArray studentStream = visca("\x90\x50\x03\xff") + text("student_parameter\nstop");
        UotReader teacher(QStringLiteral("teacher"));
        UotReader student(QStringLiteral("student"));
        QByteArrayList gotTeacher;
        QByteArrayList gotStudent;
        for (int at = 0; at < qMax(teacherStream.size(), studentStream.size()); at += 7) {
            teacher.feed(teacherStream.mid(at, 7), [&](const UotReader::Frame &f) { gotTeacher.append(shown(f)); });
            student.feed(studentStream.mid(at, 7), [&](const UotReader::Frame &f) { gotStudent.append(shown(f)); });
        }
        QCOMPARE(gotTeacher, (QByteArrayList{"6791:teacher_parameter\nstart", QByteArray("1259:\x90\x50\x02\xff")}));
        QCOMPARE(gotStudent, (QByteArrayList{QByteArray("1259:\x90\x50\x03\xff"), "6791:student_parameter\nstop"}));
        QCOMPARE(teacher.buffered(), 0);
        QCOMPARE(student.buffered(), 0);
    }

    // While a frame is being handled the consumer processes events, and more bytes of the same
    // link are read and fed: every frame is handled once, in stream order, nothing is cut.
    void frameArrivesWhileHandling_data()
    {
        QTest::addColumn<QByteArray>("firstRead");
        QTest::addColumn<QByteArray>("readDuringHandling");
        QTest::addColumn<QByteArrayList>("expected");

        QTest::newRow("rest of the second frame")
            << text("first") + text("second").left(9) << text("second").mid(9) + text("third")
            << QByteArrayList{"6791:first", "6791:second", "6791:third"};
        QTest::newRow("whole frame while another waits in the buffer")
            << text("first") + visca("second") << text("third")
            << QByteArrayList{"6791:first", "1259:second", "6791:third"};
        QTest::newRow("garbage while handling")
            << text("first") + text("second") << QByteArray("garbage bytes!") + text("third")
            << QByteArrayList{"6791:first", "6791:second", "6791:third"};
    }

    void frameArrivesWhileHandling()
    {
        QFETCH(QByteArray, firstRead);
        QFETCH(QByteArray, readDuringHandling);
        QFETCH(QByteArrayList, expected);

        if (QByteArray(QTest::currentDataTag()) == "garbage while handling")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^UOT reader \\[teacher\\]: bad frame marker")));
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
        QVERIFY(fedDuringHandling);
        QCOMPARE(got, expected);
        QCOMPARE(reader.buffered(), 0);
    }

    void clearForgetsAnUnfinishedFrame()
    {
        UotReader reader;
        QByteArrayList got;
        auto keep = [&](const UotReader::Frame &f) { got.append(shown(f)); };
        reader.feed(text("from the old link").left(20), keep);
        QCOMPARE(reader.buffered(), 20);
        reader.clear();
        QCOMPARE(reader.buffered(), 0);
        reader.feed(text("new link"), keep);
        QCOMPARE(got, QByteArrayList{"6791:new link"});
    }

    // The reader's own log lines for a frame in three reads.
    void logLinesOfASplitFrame()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("corvane.protocol.debug=true"));
        const QByteArray stream = text("0123456789abcdefgh");
        UotReader reader;
        int handed = 0;
        auto count = [&](const UotReader::Frame &) { ++handed; };
        QTest::ignoreMessage(QtDebugMsg, "the byte length is less than 8");
        reader.feed(stream.left(5), count);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^get_Data->header:UOT, port:6791,length:18,total_length:15$")));
        QTest::ignoreMessage(QtDebugMsg, "the byteArray length is not equal to receivedata");
        reader.feed(stream.mid(5, 10), count);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^\\[TRACK\\] Resolver NewVersion \\{.0123456789abcdefgh.\\}$")));
        reader.feed(stream.mid(15), count);
        QCOMPARE(handed, 1);
        QLoggingCategory::setFilterRules(QStringLiteral("corvane.protocol.debug=false"));
    }
};

QTEST_APPLESS_MAIN(tst_UotReader)
#include "tst_uot_reader.moc"
