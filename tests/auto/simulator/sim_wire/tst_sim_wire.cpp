#include "../sim_test_util.h"

#include "sim_control_frame.h"
#include "sim_parameter_block.h"
#include "sim_uot_frame.h"

#include <QtTest>

using namespace simtest;

// The simulator's readers and writers on their own: the control frame reader at the edges of
// its length bound, the UOT writer against hand-written bytes, the block reader's grammar.
class tst_SimWire : public QObject
{
    Q_OBJECT

private slots:
    void controlFrameReader_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("leftOver");
        QTest::addColumn<bool>("oversized");

        const QByteArray home = hex("81 01 06 04 FF");
        QTest::newRow("empty") << QByteArray() << 0 << 0 << false;
        QTest::newRow("half a header") << hex("EB 04 00 00") << 0 << 4 << false;
        QTest::newRow("header only") << hex("EB 04 00 00 05 00 00 00") << 0 << 8 << false;
        QTest::newRow("one frame") << controlFrame(1259, home) << 1 << 0 << false;
        QTest::newRow("keep-alive") << hex("87 1A 00 00 00 00 00 00") << 1 << 0 << false;
        QTest::newRow("two frames and a tail") << controlFrame(1259, home) + controlFrame(6791, "x") + hex("87 1A")
                                               << 2 << 2 << false;
        QTest::newRow("1 MiB announced, not all here") << le32(6791) + le32(1u << 20) + QByteArray(16, 'a') << 0 << 24
                                                       << false;
        QTest::newRow("1 MiB and one byte") << le32(6791) + le32((1u << 20) + 1) << 0 << 8 << true;
        QTest::newRow("length that wraps a 32-bit sum") << le32(6791) + le32(0xFFFFFFF8u) + home << 0 << 13 << true;
        QTest::newRow("all ones") << le32(0xFFFFFFFFu) + le32(0xFFFFFFFFu) << 0 << 8 << true;
        QTest::newRow("good frame, then an absurd one") << controlFrame(1259, home) + le32(1259) + le32(0x80000000u) << 1
                                                        << 8 << true;
    }

    void controlFrameReader()
    {
        QFETCH(QByteArray, stream);
        QFETCH(int, frames);
        QFETCH(int, leftOver);
        QFETCH(bool, oversized);
        SimControlFrameReader reader;
        reader.append(stream);
        int taken = 0;
        SimControlFrame frame;
        SimControlFrameReader::Status status;
        for (int guard = 0; guard < 16; ++guard) {
            status = reader.next(&frame);
            if (status != SimControlFrameReader::Status::Frame)
                break;
            ++taken;
        }
        QCOMPARE(taken, frames);
        QCOMPARE(status == SimControlFrameReader::Status::Oversized, oversized);
        QCOMPARE(reader.buffered(), leftOver);
        if (oversized)
            QCOMPARE(frame.payload.size(), 8); // the offending header, for the record
    }

    void controlFrameReaderAcrossAppends()
    {
        const QByteArray stream = controlFrame(6791, "teacher_parameter\nget_tracking_status") + controlFrame(1259, hex("81 09 11 49 FF"));
        SimControlFrameReader reader;
        QVector<SimControlFrame> frames;
        for (char byte : stream) {
            reader.append(QByteArray(1, byte));
            SimControlFrame frame;
            while (reader.next(&frame) == SimControlFrameReader::Status::Frame)
                frames << frame;
        }
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames.at(0).port, 6791u);
        QCOMPARE(frames.at(0).payload, QByteArray("teacher_parameter\nget_tracking_status"));
        QCOMPARE(frames.at(1).port, 1259u);
        QCOMPARE(frames.at(1).payload, hex("81 09 11 49 FF"));
        QCOMPARE(reader.buffered(), 0);
    }

    void uotFrameBytes_data()
    {
        QTest::addColumn<quint32>("port");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("text") << 6791u << QByteArray("ab") << (QByteArray("UOT\0", 4) + hex("87 1A 00 00 02 00 00 00") + "ab");
        QTest::newRow("visca") << 1259u << hex("90 41 FF") << (QByteArray("UOT\0", 4) + hex("EB 04 00 00 03 00 00 00 90 41 FF"));
        QTest::newRow("empty") << 6791u << QByteArray() << (QByteArray("UOT\0", 4) + hex("87 1A 00 00 00 00 00 00"));
    }

    void uotFrameBytes()
    {
        QFETCH(quint32, port);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, expected);
        QCOMPARE(simuot::frame(port, payload).toHex(' '), expected.toHex(' '));
        QCOMPARE(simuot::header(port, 0xFFFFFFF8u).mid(8).toHex(' '), QByteArray("f8 ff ff ff"));
    }

    void parameterBlock_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("sections");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("strays");

        QTest::newRow("get") << QByteArray("teacher_parameter\nget_tracking_config_file") << QStringList{"teacher_parameter"}
                             << "get_tracking_config_file" << QStringList() << QStringList();
        QTest::newRow("set with a final line feed")
            << QByteArray("student_parameter\nset_tracking_config_file\npano_height=2.2\npano_pan_offset=-10\n")
            << QStringList{"student_parameter"} << "set_tracking_config_file"
            << QStringList{"pano_height=2.2", "pano_pan_offset=-10"} << QStringList();
        QTest::newRow("routed board") << QByteArray("teacher_parameter\nboard_parameter\nset_tracking_config_command\ncommand=setpano")
                                      << QStringList{"teacher_parameter", "board_parameter"} << "set_tracking_config_command"
                                      << QStringList{"command=setpano"} << QStringList();
        QTest::newRow("bare command") << QByteArray("teacher_parameter\ncommand=get_crop_status")
                                      << QStringList{"teacher_parameter"} << "" << QStringList{"command=get_crop_status"}
                                      << QStringList();
        QTest::newRow("CR LF") << QByteArray("board_parameter\r\nget_tracking_status\r\n") << QStringList{"board_parameter"}
                               << "get_tracking_status" << QStringList() << QStringList();
        QTest::newRow("empty value and a value with =") << QByteArray("teacher_parameter\nset_tracking_config_file\nboard_feature_ip=\nx=a=b")
                                                        << QStringList{"teacher_parameter"} << "set_tracking_config_file"
                                                        << QStringList{"board_feature_ip=", "x=a=b"} << QStringList();
        QTest::newRow("stray lines") << QByteArray("teacher_parameter\nset_tracking_config_file\nnonsense\n=3\nk=v")
                                     << QStringList{"teacher_parameter"} << "set_tracking_config_file" << QStringList{"k=v"}
                                     << QStringList{"nonsense", "=3"};
        QTest::newRow("cut at a zero byte") << QByteArray("teacher_parameter\nget_tracking_status\0\nk=v", 42)
                                            << QStringList{"teacher_parameter"} << "get_tracking_status" << QStringList()
                                            << QStringList();
        QTest::newRow("no section") << QByteArray("get_tracking_status\nteacher_parameter") << QStringList() << ""
                                    << QStringList() << QStringList();
        QTest::newRow("section names are whole lines") << QByteArray(" teacher_parameter\nget_tracking_status")
                                                       << QStringList() << "" << QStringList() << QStringList();
    }

    void parameterBlock()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, sections);
        QFETCH(QString, command);
        QFETCH(QStringList, items);
        QFETCH(QStringList, strays);
        const SimParameterBlock block = SimParameterBlock::parse(text);
        QCOMPARE(block.sectionLines, sections);
        QCOMPARE(block.isValid(), !sections.isEmpty());
        QCOMPARE(block.command, command);
        QCOMPARE(simblock::itemLines(block.items), items);
        QCOMPARE(block.strays, strays);
    }
};

QTEST_GUILESS_MAIN(tst_SimWire)
#include "tst_sim_wire.moc"
