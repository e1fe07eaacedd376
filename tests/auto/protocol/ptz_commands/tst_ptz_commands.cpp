#include "protocol/ptz_commands.h"
#include "protocol/visca_text.h"

#include <QtTest>

using ptz_commands::Direction;
Q_DECLARE_METATYPE(ptz_commands::Direction)

class tst_PtzCommands : public QObject
{
    Q_OBJECT

private slots:
    void fillSpeed_data()
    {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("v");
        QTest::addColumn<QString>("expected");
        QTest::newRow("10 and 10") << 10 << 10 << "81 01 06 01 0A 0A 03 01 FF";
        QTest::newRow("7 and 7") << 7 << 7 << "81 01 06 01 07 07 03 01 FF";
        QTest::newRow("1 and 2") << 1 << 2 << "81 01 06 01 01 02 03 01 FF";
        QTest::newRow("15") << 15 << 15 << "81 01 06 01 0F 0F 03 01 FF";
        QTest::newRow("127") << 127 << 127 << "81 01 06 01 7F 7F 03 01 FF";
        QTest::newRow("only 8 bits are written") << 0x123 << 256 << "81 01 06 01 23 00 03 01 FF";
    }

    void fillSpeed()
    {
        QFETCH(int, h);
        QFETCH(int, v);
        QFETCH(QString, expected);
        const QString text = ptz_commands::fill_speed(QStringLiteral("81 01 06 01 HK VN 03 01 FF"), h, v);
        QCOMPARE(text, expected);
        QVERIFY(visca_text::hex_text_to_bytes(text).ok);
    }

    void roleCommand()
    {
        QCOMPARE(ptz_commands::fill_speed(QStringLiteral("81 0C 0C VN FF"), 0, 5), QStringLiteral("81 0C 0C 05 FF"));
        QCOMPARE(ptz_commands::fill_speed(QStringLiteral("81 0C 0C VN FF"), 0, 0), QStringLiteral("81 0C 0C 00 FF"));
        QCOMPARE(ptz_commands::fill_speed(ptz_commands::role_template(), 0, 2), QStringLiteral("81 0C 0C 02 FF"));
    }

    void speedLevel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("level");
        QTest::newRow("empty") << "" << 10;
        QTest::newRow("0") << "0" << 10;
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("10") << "10" << 10;
        QTest::newRow("not a number") << "x" << 10;
        QTest::newRow("from a reply") << "15" << 15;
    }

    void speedLevel()
    {
        QFETCH(QString, text);
        QFETCH(int, level);
        QCOMPARE(ptz_commands::speed_level(text), level);
    }

    void drive_data()
    {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<bool>("crop");
        QTest::addColumn<QByteArray>("bytes");
        const struct {
            Direction d;
            const char *name;
            const char *tail;
        } rows[] = {{Direction::Up, "up", "0301"},         {Direction::Down, "down", "0302"},
                    {Direction::Left, "left", "0103"},     {Direction::Right, "right", "0203"},
                    {Direction::LeftUp, "leftup", "0101"}, {Direction::LeftDown, "leftdown", "0102"},
                    {Direction::RightUp, "rightup", "0201"}, {Direction::RightDown, "rightdown", "0202"}};
        for (const auto &r : rows) {
            for (bool crop : {false, true}) {
                QTest::addRow("%s %s", r.name, crop ? "8A" : "81")
                    << r.d << crop
                    << QByteArray::fromHex(QByteArray(crop ? "8a" : "81") + "0106010a0a" + r.tail + "ff");
            }
        }
    }

    void drive()
    {
        QFETCH(Direction, direction);
        QFETCH(bool, crop);
        QFETCH(QByteArray, bytes);
        const visca_text::ParseResult r = visca_text::hex_text_to_bytes(ptz_commands::drive(direction, crop, 10, 10));
        QVERIFY(r.ok);
        QCOMPARE(r.bytes, bytes);
    }

    void fixedCommands_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("stop 81") << ptz_commands::stop(false) << "81 01 06 01 03 03 03 03 FF";
        QTest::newRow("stop 8A") << ptz_commands::stop(true) << "8A 01 06 01 03 03 03 03 FF";
        QTest::newRow("home 81") << ptz_commands::home(false) << "81 01 06 04 FF";
        QTest::newRow("home 8A") << ptz_commands::home(true) << "8A 01 06 04 FF";
        QTest::newRow("zoom in 81") << ptz_commands::zoom_in(false) << "81 01 04 07 26 FF";
        QTest::newRow("zoom out 81") << ptz_commands::zoom_out(false) << "81 01 04 07 36 FF";
        QTest::newRow("zoom in 8A") << ptz_commands::zoom_in(true) << "8A 01 04 07 23 FF";
        QTest::newRow("zoom out 8A") << ptz_commands::zoom_out(true) << "8A 01 04 07 32 FF";
        QTest::newRow("zoom stop 81") << ptz_commands::zoom_stop(false) << "81 01 04 07 00 FF";
        QTest::newRow("zoom stop 8A") << ptz_commands::zoom_stop(true) << "8A 01 04 07 00 FF";
        QTest::newRow("model inquiry") << ptz_commands::model_inquiry() << "81 09 11 49 FF";
    }

    void fixedCommands()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
        QVERIFY(visca_text::hex_text_to_bytes(text).ok);
    }

    void zoomRefresh_data()
    {
        QTest::addColumn<bool>("r6OrJ57");
        QTest::addColumn<bool>("j22");
        QTest::addColumn<bool>("opticalMax");
        QTest::addColumn<QString>("inquiry");
        QTest::newRow("R6 or J57") << true << false << false << "81 09 04 47 FF";
        QTest::newRow("R6 or J57 wins over J22 at its end") << true << true << true << "81 09 04 47 FF";
        QTest::newRow("J22 below its optical end") << false << true << false << "81 09 04 47 FF";
        QTest::newRow("J22 at its optical end") << false << true << true << "81 19 04 57 FF";
        QTest::newRow("other model") << false << false << true << "";
    }

    void zoomRefresh()
    {
        QFETCH(bool, r6OrJ57);
        QFETCH(bool, j22);
        QFETCH(bool, opticalMax);
        QFETCH(QString, inquiry);
        QCOMPARE(ptz_commands::zoom_refresh(r6OrJ57, j22, opticalMax), inquiry);
    }

    void padRoutes_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("presetIndex");
        QTest::addColumn<bool>("prefix");
        QTest::addColumn<bool>("toPano");
        QTest::addColumn<bool>("crop");
        QTest::newRow("J57, pano crop chosen") << "J57" << 1 << false << true << false;
        QTest::newRow("J57, pano chosen") << "J57" << 0 << false << false << false;
        QTest::newRow("M19, pano crop chosen") << "M19" << 1 << true << false << true;
        QTest::newRow("no model") << "" << 1 << false << false << false;
        QTest::newRow("j57 is not J57") << "j57" << 1 << false << false << false;
    }

    void padRoutes()
    {
        QFETCH(QString, model);
        QFETCH(int, presetIndex);
        QFETCH(bool, prefix);
        QFETCH(bool, toPano);
        QFETCH(bool, crop);
        const ptz_commands::PadRoute route = ptz_commands::student_pad_route(model, presetIndex, prefix);
        QCOMPARE(route.to_pano, toPano);
        QCOMPARE(route.crop, crop);
        const ptz_commands::PadRoute teacher = ptz_commands::teacher_pad_route(toPano, prefix);
        QCOMPARE(teacher.to_pano, toPano);
        QCOMPARE(teacher.crop, prefix);
    }
};

QTEST_APPLESS_MAIN(tst_PtzCommands)
#include "tst_ptz_commands.moc"
