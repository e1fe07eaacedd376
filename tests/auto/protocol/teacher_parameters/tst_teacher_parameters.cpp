// The teacher parameter block without widgets: the Apply text byte for byte, the values of its
// radio groups, and the reading rules of the teacher reply.
#include "protocol/reply_values.h"
#include "protocol/teacher_parameters.h"
#include "settings/config_values.h"

#include <QJsonDocument>
#include <QtTest>

using namespace teacher_parameters;
using region_geometry::RegionRect;

namespace {

ApplyValues freshValues()
{
    ApplyValues v;
    v.feature_camera_ip = QStringLiteral("192.168.1.100");
    v.pano_sensitivity = QStringLiteral("2");
    v.feature_distance = QStringLiteral("7.5");
    v.pano_distance = QStringLiteral("7.5");
    v.pano_pan_offset = QStringLiteral("0");
    v.pano_tilt_offset = QStringLiteral("0");
    v.losing_object_strategy = 1;
    v.multi_object_strategy = 0;
    v.tracking_mode = 2;
    v.time_to_pano_delay = QStringLiteral("30");
    v.time_lost_delay = QStringLiteral("2");
    v.ptzspeed_level = QStringLiteral("10");
    v.board_detect_time = QStringLiteral("3");
    v.board_continue_time = QStringLiteral("5");
    v.board_lose_time = QStringLiteral("3");
    v.board_face_interval_time = QStringLiteral("5");
    v.auto_tracking = true;
    v.manual_focus = true;
    v.feature_realtime_track = true;
    return v;
}

const char kFreshHead[] = "teacher_parameter\n"
                          "set_tracking_config_file\n"
                          "feature_camera_ip=192.168.1.100\n"
                          "pano_sensitivity=2\n"
                          "feature_distance=7.5\n"
                          "pano_distance=7.5\n"
                          "pano_pan_offset=0\n"
                          "pano_tilt_offset=0\n"
                          "losing_object_strategy=1\n"
                          "multi_object_strategy=1\n"
                          "tracking_mode=2\n"
                          "time_to_pano_delay=30\n"
                          "time_lost_delay=2\n"
                          "target_no_action_hold_time=300\n"
                          "ptzspeed_level=10\n"
                          "board_detect_enable=0\n"
                          "board_face_enable=0\n"
                          "board_hand_enable=0\n"
                          "board_detect_time=3\n"
                          "board_continue_time=5\n"
                          "board_lose_time=3\n"
                          "board_face_interval_time=5\n"
                          "auto_tracking=1\n"
                          "feature_persontrack_mode=0\n"
                          "auto_zoom=1\n"
                          "manual_focus=1\n"
                          "auto_tilt=0\n"
                          "feature_realtime_track=1\n"
                          "whole_tracking=0\n";

const char kUnknownRegions[] = "boardsnapshot_pan_scale=0\n"
                               "boardsnapshot_tilt_scale=0\n"
                               "boardsnapshot_pan_increment=0\n"
                               "boardsnapshot_tilt_increment=0\n"
                               "pano_pan_scale=20\n"
                               "pano_tilt_scale=80\n"
                               "pano_pan_increment=610\n"
                               "pano_tilt_increment=80\n"
                               "pano_shield_enable=0000\n"
                               "pano_pan_first_shield_scale=0\n"
                               "pano_tilt_first_shield_scale=0\n"
                               "pano_pan_first_shield_increment=0\n"
                               "pano_tilt_first_shield_increment=0\n"
                               "pano_pan_second_shield_scale=0\n"
                               "pano_tilt_second_shield_scale=0\n"
                               "pano_pan_second_shield_increment=0\n"
                               "pano_tilt_second_shield_increment=0\n"
                               "pano_pan_third_shield_scale=0\n"
                               "pano_tilt_third_shield_scale=0\n"
                               "pano_pan_third_shield_increment=0\n"
                               "pano_tilt_third_shield_increment=0\n"
                               "pano_pan_fourth_shield_scale=0\n"
                               "pano_tilt_fourth_shield_scale=0\n"
                               "pano_pan_fourth_shield_increment=0\n"
                               "pano_tilt_fourth_shield_increment=0\n"
                               "teacher_board_enable=000\n"
                               "board_pan_first_scale=0\n"
                               "board_tilt_first_scale=0\n"
                               "board_pan_first_increment=0\n"
                               "board_tilt_first_increment=0\n"
                               "board_pan_second_scale=0\n"
                               "board_tilt_second_scale=0\n"
                               "board_pan_second_increment=0\n"
                               "board_tilt_second_increment=0\n"
                               "board_pan_third_scale=0\n"
                               "board_tilt_third_scale=0\n"
                               "board_pan_third_increment=0\n"
                               "board_tilt_third_increment=0\n";

int lineCount(const QString &text) { return text.count(QLatin1Char('\n')); }

} // namespace

class tst_TeacherParameters : public QObject
{
    Q_OBJECT

private slots:
    // A fresh start: no region known, so the tracking region goes as 20, 80, 610, 80 and every
    // other region as zeros; 65 key lines after the two head lines, a line feed after each.
    void applyBlockFreshStart()
    {
        const QString text = apply_block(freshValues(), teacher_region_keys::ApplyRegions{});
        QCOMPARE(text, QString::fromLatin1(kFreshHead) + QString::fromLatin1(kUnknownRegions));
        QCOMPARE(lineCount(text), 2 + 65);
    }

    // Known regions go converted to camera units; the two enable strings follow the boxes.
    void applyBlockKnownRegions()
    {
        teacher_region_keys::ApplyRegions g;
        g.tracking_known = true;
        g.tracking = {100, 60, 300, 90}; // 133, 80, 400, 120
        g.snapshot_known = true;
        g.snapshot = {3, 3, 477, 267};   // 4, 4, 636, 356
        g.shield_known[0] = g.shield_known[2] = true;
        g.shield[0] = {75, 75, 45, 30};  // 100, 100, 60, 40
        g.shield[2] = {1, 2, 3, 4};      // 1, 2, 4, 5
        g.shield_checked[0] = g.shield_checked[2] = true;
        g.board_known[1] = true;
        g.board[1] = {150, 15, 90, 45};  // 200, 20, 120, 60
        g.board_checked[1] = true;
        const QString text = apply_block(freshValues(), g);
        const QString regions = text.mid(int(qstrlen(kFreshHead)));
        QCOMPARE(regions, QStringLiteral("boardsnapshot_pan_scale=4\n"
                                         "boardsnapshot_tilt_scale=4\n"
                                         "boardsnapshot_pan_increment=636\n"
                                         "boardsnapshot_tilt_increment=356\n"
                                         "pano_pan_scale=133\n"
                                         "pano_tilt_scale=80\n"
                                         "pano_pan_increment=400\n"
                                         "pano_tilt_increment=120\n"
                                         "pano_shield_enable=1010\n"
                                         "pano_pan_first_shield_scale=100\n"
                                         "pano_tilt_first_shield_scale=100\n"
                                         "pano_pan_first_shield_increment=60\n"
                                         "pano_tilt_first_shield_increment=40\n"
                                         "pano_pan_second_shield_scale=0\n"
                                         "pano_tilt_second_shield_scale=0\n"
                                         "pano_pan_second_shield_increment=0\n"
                                         "pano_tilt_second_shield_increment=0\n"
                                         "pano_pan_third_shield_scale=1\n"
                                         "pano_tilt_third_shield_scale=2\n"
                                         "pano_pan_third_shield_increment=4\n"
                                         "pano_tilt_third_shield_increment=5\n"
                                         "pano_pan_fourth_shield_scale=0\n"
                                         "pano_tilt_fourth_shield_scale=0\n"
                                         "pano_pan_fourth_shield_increment=0\n"
                                         "pano_tilt_fourth_shield_increment=0\n"
                                         "teacher_board_enable=010\n"
                                         "board_pan_first_scale=0\n"
                                         "board_tilt_first_scale=0\n"
                                         "board_pan_first_increment=0\n"
                                         "board_tilt_first_increment=0\n"
                                         "board_pan_second_scale=200\n"
                                         "board_tilt_second_scale=20\n"
                                         "board_pan_second_increment=120\n"
                                         "board_tilt_second_increment=60\n"
                                         "board_pan_third_scale=0\n"
                                         "board_tilt_third_scale=0\n"
                                         "board_pan_third_increment=0\n"
                                         "board_tilt_third_increment=0\n"));
    }

    // A feature camera of model M19 gets boardsnap_mode after whole_tracking (66 key lines), and
    // in lectern mode its feature area as the snapshot region while none is known.
    void applyBlockM19()
    {
        ApplyValues v = freshValues();
        v.boardsnap_entry = 3;
        const QString text = apply_block(v, teacher_region_keys::ApplyRegions{}, lectern_area({10, 20, 30, 40}));
        QCOMPARE(lineCount(text), 2 + 66);
        QVERIFY(text.contains(QLatin1String("whole_tracking=0\nboardsnap_mode=4\nboardsnapshot_pan_scale=40\n"
                                            "boardsnapshot_tilt_scale=80\nboardsnapshot_pan_increment=120\n"
                                            "boardsnapshot_tilt_increment=160\npano_pan_scale=20\n")));

        // A known snapshot region wins over the feature area.
        teacher_region_keys::ApplyRegions g;
        g.snapshot_known = true;
        g.snapshot = {75, 75, 75, 75};
        const QString known = apply_block(v, g, lectern_area({10, 20, 30, 40}));
        QVERIFY(known.contains(QLatin1String("boardsnapshot_pan_scale=100\nboardsnapshot_tilt_scale=100\n")));
    }

    // Values that would break the block's lines stay on their own line.
    void applyBlockValueWithLineBreak()
    {
        ApplyValues v = freshValues();
        v.feature_camera_ip = QStringLiteral("10.0.0.5\npano_sensitivity=4");
        const QString text = apply_block(v, teacher_region_keys::ApplyRegions{});
        QCOMPARE(lineCount(text), 2 + 65);
        QVERIFY(text.contains(QLatin1String("\nfeature_camera_ip=10.0.0.5pano_sensitivity=4\npano_sensitivity=2\n")));
    }

    void radioValues_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("value");
        QTest::newRow("losing none") << "losing" << 0 << "0";
        QTest::newRow("losing pano") << "losing" << 1 << "1";
        QTest::newRow("losing platform") << "losing" << 2 << "2";
        QTest::newRow("losing student pano") << "losing" << 3 << "11";
        QTest::newRow("losing nothing checked") << "losing" << -1 << "";
        QTest::newRow("multi location") << "multi" << 0 << "1";
        QTest::newRow("multi return") << "multi" << 1 << "2";
        QTest::newRow("multi nothing") << "multi" << -1 << "";
        QTest::newRow("mode other") << "mode" << 0 << "0";
        QTest::newRow("mode lectern") << "mode" << 5 << "5";
        QTest::newRow("mode nothing") << "mode" << -1 << "";
        QTest::newRow("mode beyond") << "mode" << 6 << "";
        QTest::newRow("snap none") << "snap" << 0 << "0";
        QTest::newRow("snap alpha") << "snap" << 2 << "2";
        QTest::newRow("snap nobody") << "snap" << 3 << "4";
        QTest::newRow("snap no entry") << "snap" << -1 << "0";
    }

    void radioValues()
    {
        QFETCH(QString, group);
        QFETCH(int, index);
        QFETCH(QString, value);
        QString got;
        if (group == QLatin1String("losing"))
            got = losing_strategy_value(index);
        else if (group == QLatin1String("multi"))
            got = multi_strategy_value(index);
        else if (group == QLatin1String("mode"))
            got = tracking_mode_value(index);
        else
            got = boardsnap_value(index);
        QCOMPARE(got, value);
        QVERIFY(!got.isNull());
    }

    void requests()
    {
        QCOMPARE(obtain_block(), QStringLiteral("teacher_parameter\nget_tracking_config_file"));
        QCOMPARE(director_obtain_block(), QStringLiteral("teacher_parameter\nget_director_config_file"));
        QCOMPARE(focus_inquiry(QStringLiteral("J57")), QStringLiteral("81 09 04 38 FF"));
        QCOMPARE(focus_inquiry(QStringLiteral("M19")), QStringLiteral("8A 09 04 38 FF"));
        QVERIFY(focus_inquiry(QStringLiteral("R6")).isEmpty());
        QVERIFY(focus_inquiry(QString()).isEmpty());
        QVERIFY(focus_inquiry(QStringLiteral("j57")).isEmpty());
    }

    void lecternArea()
    {
        const QJsonObject o = lectern_area_object({75, 60, 300, 150});
        QCOMPARE(o.value(QStringLiteral("tracking.area.left_up_x")).toInt(), 300);
        QCOMPARE(o.value(QStringLiteral("tracking.area.left_up_y")).toInt(), 240);
        QCOMPARE(o.value(QStringLiteral("tracking.area.right_down_x")).toInt(), 1200);
        QCOMPARE(o.value(QStringLiteral("tracking.area.right_down_y")).toInt(), 600);
        QCOMPARE(o.size(), 4);
    }

    // The reply's choice keys: each known value selects its entry, any other leaves the widget.
    void replyChoices_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("index"); // -1: nothing changes
        QTest::newRow("losing 0") << "losing" << "0" << 0;
        QTest::newRow("losing 11") << "losing" << "11" << 3;
        QTest::newRow("losing 1 with more") << "losing" << "12" << -1;
        QTest::newRow("losing empty") << "losing" << "" << -1;
        QTest::newRow("multi 2") << "multi" << "2" << 1;
        QTest::newRow("multi 3") << "multi" << "3" << -1;
        QTest::newRow("mode 4") << "mode" << "4" << 4;
        QTest::newRow("mode 6") << "mode" << "6" << -1;
        QTest::newRow("boardsnap 4") << "snap" << "4" << 3;
        QTest::newRow("boardsnap 3") << "snap" << "3" << -1;
        QTest::newRow("boardsnap 2") << "snap" << "2" << 2;
    }

    void replyChoices()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, index);
        std::optional<int> got;
        if (key == QLatin1String("losing"))
            got = losing_strategy_index(value);
        else if (key == QLatin1String("multi"))
            got = multi_strategy_index(value);
        else if (key == QLatin1String("mode"))
            got = tracking_mode_index(value);
        else
            got = boardsnap_entry(value);
        QCOMPARE(got.value_or(-1), index);
    }

    void replySwitches()
    {
        QCOMPARE(config_switch_index(QStringLiteral("1")), 0);
        QCOMPARE(config_switch_index(QStringLiteral("2")), 1);
        QCOMPARE(config_switch_index(QStringLiteral("")), 1);
        QCOMPARE(persontrack_index(QStringLiteral("0")), 0);
        QCOMPARE(persontrack_index(QStringLiteral("1")), 1);
        QCOMPARE(persontrack_index(QStringLiteral("x")), 1);
    }

    // Offsets: 40 for 0, else the value / 5 (toward zero) + 40; the label then shows the
    // slider's own format ("37" becomes "+35").
    void offsetPositions_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::newRow("0") << "0" << 40 << "0";
        QTest::newRow("37") << "37" << 47 << "+35";
        QTest::newRow("-35") << "-35" << 33 << "-35";
        QTest::newRow("-12") << "-12" << 38 << "-10";
        QTest::newRow("+200") << "+200" << 80 << "+200";
        QTest::newRow("not a number") << "abc" << 40 << "0";
        QTest::newRow("blanks") << " 15 " << 43 << "+15";
    }

    void offsetPositions()
    {
        QFETCH(QString, value);
        QFETCH(int, position);
        QFETCH(QString, label);
        QCOMPARE(reply_values::offset_position(value), position);
        QCOMPARE(config::offset_text(position), label);
    }

    // Distances: 7.5 is position 46, 20.0 is 171; a value between positions goes to the nearest
    // one (3.1 is 2, not 1), so a label read back shows what the camera holds.
    void distancePositions_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("position");
        QTest::newRow("7.5") << "7.5" << 46;
        QTest::newRow("20.0") << "20.0" << 171;
        QTest::newRow("3.0") << "3.0" << 1;
        QTest::newRow("3.1") << "3.1" << 2;
        QTest::newRow("12.3") << "12.3" << 94;
    }

    void distancePositions()
    {
        QFETCH(QString, value);
        QFETCH(int, position);
        QCOMPARE(config::distance_position(value), position);
        QCOMPARE(config::distance_text(position), value);
    }

    void flags()
    {
        QCOMPARE(reply_values::zero_one(QStringLiteral("1")), std::optional<bool>(true));
        QCOMPARE(reply_values::zero_one(QStringLiteral("0")), std::optional<bool>(false));
        QVERIFY(!reply_values::zero_one(QStringLiteral("2")));
        QVERIFY(!reply_values::zero_one(QString()));
        QVERIFY(reply_values::one_checks(QStringLiteral("1")));
        QVERIFY(!reply_values::one_checks(QStringLiteral("2")));
        QCOMPARE(reply_values::number(QStringLiteral("12")), 12);
        QCOMPARE(reply_values::number(QStringLiteral("x")), 0);
    }

    void carriesRegionKeys_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("carries");
        QTest::newRow("confirmation") << "teacher_parameter\nset_teacher_config_file" << false;
        QTest::newRow("values only") << "teacher_parameter\npano_sensitivity=2\ndevice_model=J57" << false;
        QTest::newRow("shield enable") << "teacher_parameter\npano_shield_enable=0000" << true;
        QTest::newRow("board three height") << "teacher_parameter\nboard_tilt_third_increment=5" << true;
        QTest::newRow("feature area") << "fea_pan_increment=1" << true;
        QTest::newRow("key inside another") << "teacher_parameter\nxpano_pan_scale=20" << false;
    }

    void carriesRegionKeys()
    {
        QFETCH(QString, reply);
        QFETCH(bool, carries);
        QCOMPARE(carries_region_keys(reply), carries);
    }

    // A tracking region whose y comes as 0 is kept as 5; only that value, and only when the
    // key is there.
    void storeRegions()
    {
        teacher_region_keys::TeacherRegionCoord c;
        store_regions(QStringLiteral("teacher_parameter\npano_pan_scale=20\npano_tilt_scale=0\npano_pan_increment=600\n"
                                     "pano_tilt_increment=0\nboardsnapshot_tilt_scale=0"),
                      c);
        QCOMPARE(c.tracking, (RegionRect{20, 5, 600, 0}));
        QCOMPARE(c.snapshot.y, 0);

        c.tracking.y = 0;
        store_regions(QStringLiteral("teacher_parameter\npano_pan_scale=21"), c);
        QCOMPARE(c.tracking.y, 0);
        store_regions(QStringLiteral("pano_tilt_scale=7"), c);
        QCOMPARE(c.tracking.y, 7);
    }
};

QTEST_APPLESS_MAIN(tst_TeacherParameters)
#include "tst_teacher_parameters.moc"
