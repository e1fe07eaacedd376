#include "protocol/teacher_region_keys.h"
#include "test_env.h"

#include <QFile>
#include <QtTest>

using namespace teacher_region_keys;
using region_geometry::RegionRect;

namespace {
QString golden(const QString &name)
{
    QFile file(testenv::sourceDir() + QStringLiteral("/tests/auto/graphics/teacher_region_keys/golden/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing golden file %1>").arg(name);
    return QString::fromUtf8(file.readAll());
}

QVector<int> values(const RegionRect &r) { return {r.x, r.y, r.w, r.h}; }
} // namespace

class tst_TeacherRegionKeys : public QObject
{
    Q_OBJECT

private slots:
    void replyValue_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("isNull");
        QTest::newRow("middle line") << "teacher_parameter\npano_pan_scale=20\npano_tilt_scale=80" << "pano_pan_scale"
                                     << "20" << false;
        QTest::newRow("last line without a line feed") << "teacher_parameter\npano_tilt_scale=80"
                                                       << "pano_tilt_scale" << "80" << false;
        QTest::newRow("absent") << "teacher_parameter\npano_tilt_scale=80" << "pano_pan_scale" << QString() << true;
        QTest::newRow("only inside another key") << "teacher_parameter\nxpano_pan_scale=7" << "pano_pan_scale"
                                                 << QString() << true;
        QTest::newRow("later line at a line start") << "xpano_pan_scale=7\npano_pan_scale=9" << "pano_pan_scale"
                                                    << "9" << false;
        QTest::newRow("first of two wins") << "pano_pan_scale=1\npano_pan_scale=2" << "pano_pan_scale" << "1"
                                           << false;
        QTest::newRow("empty value at the end") << "teacher_parameter\npano_pan_scale=" << "pano_pan_scale" << ""
                                                << false;
        QTest::newRow("empty value mid") << "pano_pan_scale=\nx=1" << "pano_pan_scale" << "" << false;
        QTest::newRow("no equals sign") << "pano_pan_scale\n" << "pano_pan_scale" << QString() << true;
        QTest::newRow("empty reply") << "" << "pano_pan_scale" << QString() << true;
    }
    void replyValue()
    {
        QFETCH(QString, reply);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(bool, isNull);
        const QString got = reply_value(reply, key);
        QCOMPARE(got.isNull(), isNull);
        if (!isNull)
            QCOMPARE(got, value);
    }

    void storeKeys()
    {
        TeacherRegionCoord c;
        c.board[2] = {1, 2, 3, 4};
        c.tracking.h = 77;
        const QString reply = QStringLiteral(
            "teacher_parameter\nget_tracking_config_file\n"
            "boardsnapshot_pan_scale=100\nboardsnapshot_tilt_scale=40\nboardsnapshot_pan_increment=200\n"
            "boardsnapshot_tilt_increment=120\n"
            "fea_pan_scale=8\nfea_tilt_scale=9\nfea_pan_increment=10\nfea_tilt_increment=11\n"
            "fea_pan_position=-300\nfea_tilt_position=12\n"
            "pano_pan_scale=20\npano_tilt_scale=80\npano_pan_increment=610\n"
            "pano_shield_enable=1010\n"
            "pano_pan_first_shield_scale=40\npano_tilt_first_shield_scale=40\n"
            "pano_pan_first_shield_increment=abc\npano_tilt_first_shield_increment=\n"
            "pano_pan_fourth_shield_scale=600\npano_tilt_fourth_shield_scale=300\n"
            "pano_pan_fourth_shield_increment=20\npano_tilt_fourth_shield_increment=40\n"
            "teacher_board_enable=11\n"
            "board_pan_first_scale=10\nboard_tilt_first_scale=20\nboard_pan_first_increment=30\n"
            "board_tilt_first_increment=40\n"
            "board_pan_second_scale=50\nboard_tilt_second_scale=60\nboard_pan_second_increment=70\n"
            "board_tilt_second_increment=80\n");
        store_teacher_region_keys(reply, c);
        QCOMPARE(values(c.snapshot), (QVector<int>{100, 40, 200, 120}));
        QCOMPARE(values(c.feature), (QVector<int>{8, 9, 10, 11}));
        QCOMPARE(c.fea_pan_position, -300);
        QCOMPARE(c.fea_tilt_position, 12);
        // The missing height key leaves the height as it was.
        QCOMPARE(values(c.tracking), (QVector<int>{20, 80, 610, 77}));
        QCOMPARE(c.pano_shield_enable, QStringLiteral("1010"));
        // Non-numeric and empty values store 0.
        QCOMPARE(values(c.shield[0]), (QVector<int>{40, 40, 0, 0}));
        QCOMPARE(values(c.shield[1]), (QVector<int>{0, 0, 0, 0}));
        QCOMPARE(values(c.shield[3]), (QVector<int>{600, 300, 20, 40}));
        QCOMPARE(c.pano_board_enable, QStringLiteral("11"));
        QCOMPARE(values(c.board[0]), (QVector<int>{10, 20, 30, 40}));
        QCOMPARE(values(c.board[1]), (QVector<int>{50, 60, 70, 80}));
        QCOMPARE(values(c.board[2]), (QVector<int>{1, 2, 3, 4}));
    }

    void enableStringsStayNullWithoutKeys()
    {
        TeacherRegionCoord c;
        store_teacher_region_keys(QStringLiteral("teacher_parameter\npano_pan_scale=5\n"), c);
        QVERIFY(c.pano_shield_enable.isNull());
        QVERIFY(c.pano_board_enable.isNull());
        store_teacher_region_keys(QStringLiteral("teacher_parameter\npano_shield_enable=\n"), c);
        QVERIFY(!c.pano_shield_enable.isNull());
        QVERIFY(c.pano_shield_enable.isEmpty());
    }

    void enableChar_data()
    {
        QTest::addColumn<QString>("enable");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("result"); // 1 on, 0 off, -1 says nothing
        QTest::newRow("on") << "1010" << 0 << 1;
        QTest::newRow("off") << "1010" << 1 << 0;
        QTest::newRow("last on") << "0001" << 3 << 1;
        QTest::newRow("other character") << "1x10" << 1 << -1;
        QTest::newRow("blank") << "1 10" << 1 << -1;
        QTest::newRow("missing fourth of three") << "101" << 3 << -1;
        QTest::newRow("missing second of one") << "1" << 1 << -1;
        QTest::newRow("empty") << "" << 0 << -1;
        QTest::newRow("null") << QString() << 0 << -1;
        QTest::newRow("negative index") << "1111" << -1 << -1;
    }
    void enableChar()
    {
        QFETCH(QString, enable);
        QFETCH(int, index);
        QFETCH(int, result);
        const std::optional<bool> got = enable_char(enable, index);
        QCOMPARE(got.has_value() ? int(*got) : -1, result);
    }

    void enableTexts()
    {
        const bool shields[4] = {true, false, true, false};
        QCOMPARE(shield_enable_text(shields), QStringLiteral("1010"));
        const bool none[4] = {false, false, false, false};
        QCOMPARE(shield_enable_text(none), QStringLiteral("0000"));
        const bool boards[3] = {false, true, true};
        QCOMPARE(board_enable_text(boards), QStringLiteral("011"));
    }

    // Before any reply: the default tracking region and zeros for everything else.
    void applyBeforeAnyReply()
    {
        ApplyRegions g;
        // Stored rectangles of unknown regions are not sent.
        g.shield[0] = {10, 10, 50, 50};
        g.board[1] = {20, 20, 60, 60};
        g.snapshot = {30, 30, 40, 40};
        QCOMPARE(apply_region_section(g), golden(QStringLiteral("apply_before_reply.txt")));
    }

    void applyKnownRegions()
    {
        ApplyRegions g;
        g.snapshot_known = true;
        g.snapshot = {75, 30, 150, 90};
        g.tracking_known = true;
        g.tracking = {15, 60, 457, 60};
        g.shield_known[0] = g.shield_known[1] = g.shield_known[2] = g.shield_known[3] = true;
        g.shield[0] = {30, 30, 45, 45};
        g.shield[1] = {0, 0, 0, 0};
        g.shield[2] = {300, 100, 178, 60};
        g.shield[3] = {3, 3, 3, 3};
        g.shield_checked[0] = g.shield_checked[2] = true;
        g.board_known[0] = g.board_known[1] = true; // an older camera: no third board
        g.board[0] = {7, 37, 100, 76};
        g.board[1] = {280, 37, 100, 76};
        g.board[2] = {150, 40, 90, 60};
        g.board_checked[0] = g.board_checked[1] = true;
        QCOMPARE(apply_region_section(g), golden(QStringLiteral("apply_known_regions.txt")));

        // The same items in the same order as pairs.
        const QVector<Item> items = apply_region_items(g);
        QCOMPARE(items.size(), 4 + 4 + 1 + 16 + 1 + 12);
        QCOMPARE(items.first().first, QStringLiteral("boardsnapshot_pan_scale"));
        QCOMPARE(items.at(8), Item(QStringLiteral("pano_shield_enable"), QStringLiteral("1010")));
        QCOMPARE(items.at(25), Item(QStringLiteral("teacher_board_enable"), QStringLiteral("110")));
        QCOMPARE(items.last().first, QStringLiteral("board_tilt_third_increment"));
    }
};

QTEST_APPLESS_MAIN(tst_TeacherRegionKeys)
#include "tst_teacher_region_keys.moc"
