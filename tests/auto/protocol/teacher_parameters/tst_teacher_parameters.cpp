// The teacher block both ways: the Apply text byte for byte (golden texts), the radio groups'
// values, and the reading rules of a teacher reply and its regions.
#include "protocol/reply_values.h"
#include "protocol/teacher_parameters.h"
#include "model/slider_text.h"
#include "test_env.h"

#include <QFile>
#include <QJsonObject>
#include <QtTest>

using namespace teacher_parameters;
using namespace teacher_region_keys;

namespace {
QString golden(const QString &name)
{
    QFile file(testenv::sourceDir() + QStringLiteral("/tests/auto/protocol/teacher_parameters/golden/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}

QVector<int> values(const RegionRect &r)
{
    return {r.x, r.y, r.w, r.h};
}

TeacherSection freshValues()
{
    TeacherSection v;
    v.pano_sensitivity = {QStringLiteral("2"), 2};
    v.feature_distance = v.pano_distance = {QStringLiteral("7.5"), 46};
    v.pano_pan_offset = v.pano_tilt_offset = {QStringLiteral("0"), 40};
    v.losing_object_strategy = 1;
    v.multi_object_strategy = 0;
    v.tracking_mode = 2;
    v.time_to_pano_delay = 30;
    v.time_lost_delay = 2;
    v.ptzspeed_level = QStringLiteral("10");
    v.board_detect_time = v.board_lose_time = {QStringLiteral("3"), 3};
    v.board_continue_time = v.board_face_interval_time = {QStringLiteral("5"), 5};
    v.auto_tracking = v.manual_focus = v.feature_realtime_track = true;
    return v;
}

const ApplyTarget kTarget{QStringLiteral("192.168.1.100"), false};

} // namespace

class tst_TeacherParameters : public QObject
{
    Q_OBJECT

private slots:
    // Before any reply no region is known: the tracking region goes as 20, 80, 610, 80 and every
    // other region as zeros, whatever rectangles are stored.
    void applyBlockBeforeAnyReply()
    {
        ApplyRegions g;
        g.shield[0] = {10, 10, 50, 50};
        g.board[1] = {20, 20, 60, 60};
        g.snapshot = {30, 30, 40, 40};
        QCOMPARE(apply_block(freshValues(), kTarget, g), golden(QStringLiteral("apply_before_reply.txt")));
    }

    // Known regions go converted to camera units; the enable strings follow the boxes; an older
    // camera without a third board gets zeros for it.
    void applyBlockKnownRegions()
    {
        ApplyRegions g;
        g.snapshot_known = g.tracking_known = true;
        g.snapshot = {75, 30, 150, 90};
        g.tracking = {15, 60, 457, 60};
        g.shield_known[0] = g.shield_known[1] = g.shield_known[2] = g.shield_known[3] = true;
        g.shield[0] = {30, 30, 45, 45};
        g.shield[2] = {300, 100, 178, 60};
        g.shield[3] = {3, 3, 3, 3};
        g.shield_checked[0] = g.shield_checked[2] = true;
        g.board_known[0] = g.board_known[1] = true;
        g.board[0] = {7, 37, 100, 76};
        g.board[1] = {280, 37, 100, 76};
        g.board[2] = {150, 40, 90, 60};
        g.board_checked[0] = g.board_checked[1] = true;
        QCOMPARE(apply_block(freshValues(), kTarget, g), golden(QStringLiteral("apply_known_regions.txt")));
    }

    // A feature camera of model M19 gets boardsnap_mode after whole_tracking, and in lectern
    // mode its feature area as the snapshot region while none is known.
    void applyBlockM19()
    {
        TeacherSection v = freshValues();
        v.boardsnap_entry = 3;
        const ApplyTarget m19{QStringLiteral("192.168.1.100"), true};
        const QString text = apply_block(v, m19, ApplyRegions{}, lectern_area({10, 20, 30, 40}));
        QCOMPARE(text.count(QLatin1Char('\n')), 2 + 66);
        QVERIFY(text.contains(QLatin1String("whole_tracking=0\nboardsnap_mode=4\nboardsnapshot_pan_scale=40\n"
                                            "boardsnapshot_tilt_scale=80\nboardsnapshot_pan_increment=120\n"
                                            "boardsnapshot_tilt_increment=160\npano_pan_scale=20\n")));
        ApplyRegions g;
        g.snapshot_known = true;
        g.snapshot = {75, 75, 75, 75};
        QVERIFY(apply_block(v, m19, g, lectern_area({10, 20, 30, 40}))
                    .contains(QLatin1String("boardsnapshot_pan_scale=100\nboardsnapshot_tilt_scale=100\n")));
        const QJsonObject o = lectern_area_object({75, 60, 300, 150});
        QCOMPARE(o.size(), 4);
        QCOMPARE(o.value(QStringLiteral("tracking.area.left_up_x")).toInt(), 300);
        QCOMPARE(o.value(QStringLiteral("tracking.area.right_down_y")).toInt(), 600);
    }

    // The radio groups both ways: the value an index is sent as (a group with no button checked
    // goes empty), and the entry a reply's value selects (-1: a value the key does not know
    // leaves the widget alone). Rows from a reply alone have no index to send.
    void choices_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("index"); // -2: the row reads a reply only
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("read");
        QTest::newRow("losing student pano") << "losing" << 3 << "11" << 3;
        QTest::newRow("losing nothing checked") << "losing" << -1 << "" << -1;
        QTest::newRow("losing 1 with more") << "losing" << -2 << "12" << -1;
        QTest::newRow("multi location") << "multi" << 0 << "1" << 0;
        QTest::newRow("mode lectern") << "mode" << 5 << "5" << 5;
        QTest::newRow("mode beyond") << "mode" << 6 << "" << -1;
        QTest::newRow("snap nobody") << "snap" << 3 << "4" << 3;
        QTest::newRow("snap no entry") << "snap" << -1 << "0" << 0;
        QTest::newRow("snap 3") << "snap" << -2 << "3" << -1;
    }

    void choices()
    {
        QFETCH(QString, group);
        QFETCH(int, index);
        QFETCH(QString, value);
        const bool losing = group == QLatin1String("losing");
        const bool multi = group == QLatin1String("multi");
        const bool mode = group == QLatin1String("mode");
        if (index != -2) {
            const QString sent = losing ? losing_strategy_value(index)
                                 : multi ? multi_strategy_value(index)
                                 : mode  ? tracking_mode_value(index)
                                         : boardsnap_value(index);
            QCOMPARE(sent, value);
            QVERIFY(!sent.isNull());
        }
        const std::optional<int> got = losing ? losing_strategy_index(value)
                                       : multi ? multi_strategy_index(value)
                                       : mode  ? tracking_mode_index(value)
                                               : boardsnap_entry(value);
        QTEST(got.value_or(-1), "read");
    }

    void replyValues()
    {
        QCOMPARE(obtain_block(), QStringLiteral("teacher_parameter\nget_tracking_config_file"));
        QCOMPARE(director_obtain_block(), QStringLiteral("teacher_parameter\nget_director_config_file"));
        QCOMPARE(config_switch_index(QString()), 1);
        QCOMPARE(reply_values::zero_one(QStringLiteral("0")), std::optional<bool>(false));
        QVERIFY(!reply_values::zero_one(QStringLiteral("2")));
        QVERIFY(!reply_values::one_checks(QStringLiteral("2")));
        QCOMPARE(reply_values::number(QStringLiteral("x")), 0);
        // Offsets: 40 for 0, else value / 5 (toward zero) + 40; the label shows the slider's format.
        QCOMPARE(slider_text::offset_text(reply_values::offset_position(QStringLiteral("37"))), QStringLiteral("+35"));
        QCOMPARE(slider_text::offset_text(reply_values::offset_position(QStringLiteral("-12"))), QStringLiteral("-10"));
        QCOMPARE(reply_values::offset_position(QStringLiteral(" 15 ")), 43);
        QCOMPARE(reply_values::offset_position(QStringLiteral("abc")), 40);
    }

    // The keys the tab reads: a choice or switch by its one character, any other key whole; a
    // missing key null, an empty one empty.
    void readReply()
    {
        const Reply r = read_reply(QStringLiteral("teacher_parameter\nget_tracking_config_file\npano_sensitivity=12\n"
                                                  "pano_distance=7.5\nfeature_distance=\ntracking_mode=45\n"
                                                  "losing_object_strategy=11\nboard_hand_enable=1x\nusername=a b\n"
                                                  "password=p=w\ndevice_model=M19"));
        QCOMPARE(r.pano_sensitivity, QStringLiteral("1"));
        QCOMPARE(r.pano_distance, QStringLiteral("7.5"));
        QVERIFY(r.feature_distance.isEmpty() && !r.feature_distance.isNull());
        QCOMPARE(r.tracking_mode + r.losing_object_strategy + r.board_hand_enable, QStringLiteral("4111"));
        QCOMPARE(r.username + r.password + r.device_model, QStringLiteral("a bp=wM19"));
        QVERIFY(r.pano_version.isNull() && r.manual_focus.isNull() && r.board_detect_time.isNull());
        QVERIFY(is_lectern_model(QStringLiteral("M19")));
        QVERIFY(!is_lectern_model(QStringLiteral("m19")) && !is_lectern_model(QStringLiteral("M190")));
    }

    // A reply into the section: each key by its rule, a key the reply lacks or a value its key
    // does not know leaving the member, the calibration view keeping the level.
    void fillSection_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("calibrating");
        QTest::addColumn<QString>("section"); // offset, mode, delay, level, customer, person track
        const QString head = QStringLiteral("teacher_parameter\nget_tracking_config_file\n");
        QTest::newRow("nothing") << head << false << "0@40 2 30 10 1 1";
        QTest::newRow("offset as received") << head + "pano_pan_offset=37" << false << "37@47 2 30 10 1 1";
        QTest::newRow("mode 9 unknown, 4 taken") << head + "tracking_mode=9" << false << "0@40 2 30 10 1 1";
        QTest::newRow("board pano mode") << head + "tracking_mode=4" << false << "0@40 4 30 10 1 1";
        QTest::newRow("delay not a number") << head + "time_to_pano_delay=5.0" << false << "0@40 2 0 10 1 1";
        QTest::newRow("level") << head + "ptzspeed_level=3" << false << "0@40 2 30 3 1 1";
        QTest::newRow("level while calibrating") << head + "ptzspeed_level=3" << true << "0@40 2 30 10 1 1";
        QTest::newRow("model named") << head + "device_model=J57" << false << "0@40 2 30 10 0 1";
        QTest::newRow("person track closed") << head + "feature_persontrack_mode=0" << false << "0@40 2 30 10 1 0";
    }

    void fillSection()
    {
        QFETCH(QString, reply);
        QFETCH(bool, calibrating);
        TeacherSection s = freshValues();
        s.customer_model = true;
        s.feature_persontrack = 1;
        fill(s, read_reply(reply), calibrating);
        QTEST(QStringLiteral("%1@%2 %3 %4 %5 %6 %7")
                  .arg(s.pano_pan_offset.text)
                  .arg(s.pano_pan_offset.position)
                  .arg(s.tracking_mode)
                  .arg(s.time_to_pano_delay)
                  .arg(s.ptzspeed_level)
                  .arg(int(s.customer_model))
                  .arg(s.feature_persontrack),
              "section");
    }

    // Only a reply carrying a region key reads regions: a confirmation must not put old regions
    // and enable strings back over the installer's edits.
    void carriesRegionKeys_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("carries");
        QTest::newRow("confirmation") << "teacher_parameter\nset_teacher_config_file" << false;
        QTest::newRow("values only") << "teacher_parameter\npano_sensitivity=2\ndevice_model=J57" << false;
        QTest::newRow("shield enable") << "teacher_parameter\npano_shield_enable=0000" << true;
        QTest::newRow("feature area") << "fea_pan_increment=1" << true;
        QTest::newRow("key inside another") << "teacher_parameter\nxpano_pan_scale=20" << false;
    }

    void carriesRegionKeys()
    {
        QFETCH(QString, reply);
        QTEST(carries_region_keys(reply), "carries");
    }

    // A missing key leaves its value; an empty or non-numeric one stores 0; the tracking
    // region's y of 0 is kept as 5; the enable strings stay null until a reply carries them.
    void storeRegions()
    {
        TeacherRegionCoord c;
        c.board[0] = {7, 7, 7, 7};
        c.board[2] = {1, 2, 3, 4};
        c.shield[0] = {9, 9, 9, 9};
        c.tracking.h = 77;
        store_regions(QStringLiteral("teacher_parameter\nget_tracking_config_file\nboardsnapshot_pan_scale=100\n"
                                     "boardsnapshot_tilt_scale=0\nfea_pan_scale=8\nfea_pan_position=-300\n"
                                     "pano_pan_scale=20\npano_tilt_scale=0\npano_pan_increment=610\n"
                                     "pano_pan_first_shield_scale=40\npano_pan_first_shield_increment=abc\n"
                                     "pano_tilt_first_shield_increment=\nboard_pan_second_scale=50\n"
                                     "xboard_pan_first_scale=9"),
                      c);
        QCOMPARE(values(c.snapshot), (QVector<int>{100, 0, 0, 0}));
        QCOMPARE(c.feature.x, 8);
        QCOMPARE(c.fea_pan_position, -300);
        QCOMPARE(values(c.tracking), (QVector<int>{20, 5, 610, 77}));
        QCOMPARE(values(c.shield[0]), (QVector<int>{40, 9, 0, 0}));
        QCOMPARE(values(c.board[0]), (QVector<int>{7, 7, 7, 7}));
        QCOMPARE(values(c.board[1]), (QVector<int>{50, 0, 0, 0}));
        QCOMPARE(values(c.board[2]), (QVector<int>{1, 2, 3, 4}));
        QVERIFY(c.pano_shield_enable.isNull() && c.pano_board_enable.isNull());
        c.tracking.y = 0;
        store_regions(QStringLiteral("teacher_parameter\npano_shield_enable=\nteacher_board_enable=11"), c);
        QVERIFY(!c.pano_shield_enable.isNull() && c.pano_shield_enable.isEmpty());
        QCOMPARE(c.pano_board_enable, QStringLiteral("11"));
        QCOMPARE(c.tracking.y, 0);
    }

    // One character of an enable string: a missing or other character says nothing.
    void enableChar_data()
    {
        QTest::addColumn<QString>("enable");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("result"); // 1 on, 0 off, -1 says nothing
        QTest::newRow("on") << "1010" << 0 << 1;
        QTest::newRow("off") << "1010" << 1 << 0;
        QTest::newRow("other character") << "1x10" << 1 << -1;
        QTest::newRow("1x: missing third") << "1x" << 2 << -1;
        QTest::newRow("null") << QString() << 0 << -1;
        QTest::newRow("negative index") << "1111" << -1 << -1;
    }

    void enableChar()
    {
        QFETCH(QString, enable);
        QFETCH(int, index);
        const std::optional<bool> got = enable_char(enable, index);
        QTEST(got.has_value() ? int(*got) : -1, "result");
    }
};

QTEST_APPLESS_MAIN(tst_TeacherParameters)
#include "tst_teacher_parameters.moc"
