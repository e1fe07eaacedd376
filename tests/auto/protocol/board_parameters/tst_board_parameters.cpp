// The board blocks: the Apply block to the teacher pano camera byte for byte, the requests,
// the teacher pano camera's answer, the board pano camera's block with its area keys, and the
// window points of the board preview.
#include "protocol/board_parameters.h"

#include <QtTest>

#include <limits>

using board_parameters::BoardRegionCoord;
using board_parameters::RelaySettings;
using board_parameters::ShieldSwitch;

Q_DECLARE_METATYPE(board_parameters::ShieldSwitch)

namespace {

QString lines(std::initializer_list<const char *> parts)
{
    QStringList out;
    for (const char *p : parts)
        out << QString::fromLatin1(p);
    return out.join(QLatin1Char('\n'));
}

// A block as a board pano camera answers it (the simulator's fresh camera, with other values).
const char *const kPanoBlock =
    "board_parameter\nget_tracking_config_file\npano_sensitivity=3\ntime_delay=12\nmulti_object_strategy=1\n"
    "losing_object_strategy=0\npano_pan_scale=100\npano_tilt_scale=51\npano_pan_increment=200\npano_tilt_increment=99\n"
    "pano_shield_enable=1010\n"
    "pano_pan_first_shield_scale=1\npano_tilt_first_shield_scale=2\npano_pan_first_shield_increment=3\n"
    "pano_tilt_first_shield_increment=4\n"
    "pano_pan_second_shield_scale=5\npano_tilt_second_shield_scale=6\npano_pan_second_shield_increment=7\n"
    "pano_tilt_second_shield_increment=8\n"
    "pano_pan_third_shield_scale=9\npano_tilt_third_shield_scale=10\npano_pan_third_shield_increment=11\n"
    "pano_tilt_third_shield_increment=12\n"
    "pano_pan_fourth_shield_scale=13\npano_tilt_fourth_shield_scale=14\npano_pan_fourth_shield_increment=15\n"
    "pano_tilt_fourth_shield_increment=16\nfeature_version=V2.1.0 build 7\npano_version=V2.1.1";

BoardRegionCoord filled(qint32 v)
{
    BoardRegionCoord c;
    c.track = {v, v, v, v};
    c.pano_shield_enable = QStringLiteral("keep");
    for (auto &s : c.shields)
        s = {v, v, v, v};
    return c;
}

} // namespace

class tst_BoardParameters : public QObject
{
    Q_OBJECT

private slots:
    void applyBlock_data()
    {
        QTest::addColumn<QString>("featureIp");
        QTest::addColumn<QString>("feature1Ip");
        QTest::addColumn<bool>("enable");
        QTest::addColumn<bool>("enable1");
        QTest::addColumn<QString>("delay");
        QTest::addColumn<QString>("expected");

        QTest::newRow("two cameras")
            << "192.168.1.165" << "192.168.1.166" << true << true << "30"
            << "teacher_parameter\nboard_parameter\nset_tracking_config_file\nboard_feature_ip=192.168.1.165\n"
               "board_feature1_ip=192.168.1.166\nboard_feature_enable=1\nboard_feature1_enable=1\n"
               "board_lost_to_pano_delay=30\n";
        QTest::newRow("address with a note behind '/' sends the address alone")
            << "10.0.0.5/board left" << "10.0.0.6/" << true << false << "5"
            << "teacher_parameter\nboard_parameter\nset_tracking_config_file\nboard_feature_ip=10.0.0.5\n"
               "board_feature1_ip=10.0.0.6\nboard_feature_enable=1\nboard_feature1_enable=0\n"
               "board_lost_to_pano_delay=5\n";
        QTest::newRow("empty address: the line with nothing behind '='")
            << "" << "/x" << false << false << "120"
            << "teacher_parameter\nboard_parameter\nset_tracking_config_file\nboard_feature_ip=\n"
               "board_feature1_ip=\nboard_feature_enable=0\nboard_feature1_enable=0\nboard_lost_to_pano_delay=120\n";
        QTest::newRow("line feed typed into an address stays inside its line")
            << "10.0.0.5\nboard_feature_enable=0" << "10.0.0.6" << true << true << "30"
            << "teacher_parameter\nboard_parameter\nset_tracking_config_file\n"
               "board_feature_ip=10.0.0.5board_feature_enable=0\nboard_feature1_ip=10.0.0.6\nboard_feature_enable=1\n"
               "board_feature1_enable=1\nboard_lost_to_pano_delay=30\n";
    }

    void applyBlock()
    {
        QFETCH(QString, featureIp);
        QFETCH(QString, feature1Ip);
        QFETCH(bool, enable);
        QFETCH(bool, enable1);
        QFETCH(QString, delay);
        QFETCH(QString, expected);
        if (featureIp.contains(QLatin1Char('\n')))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("line breaks removed")));
        const RelaySettings s{featureIp, feature1Ip, enable, enable1, delay};
        const QString block = board_parameters::apply_block(s);
        QCOMPARE(block, expected);
        // Eight lines, each ended by a line feed.
        QCOMPARE(block.count(QLatin1Char('\n')), 8);
    }

    void requests()
    {
        QCOMPARE(board_parameters::obtain_block(), lines({"teacher_parameter", "board_parameter", "get_tracking_config_file"}));
        QCOMPARE(board_parameters::tracking_request_block(), lines({"board_parameter", "get_tracking_config_file"}));
        QCOMPARE(board_parameters::director_request_block(), lines({"board_parameter", "get_director_config_file"}));
    }

    void relayAnswer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("enable");  // -1 absent, 0 unchecked, 1 checked
        QTest::addColumn<int>("enable1");
        QTest::addColumn<int>("delay"); // -1 absent

        QTest::newRow("all keys")
            << lines({"teacher_parameter", "board_parameter", "get_tracking_config_file", "board_feature_ip=10.0.0.5",
                      "board_feature_enable=0", "board_feature1_enable=1", "board_lost_to_pano_delay=45"})
            << 0 << 1 << 45;
        QTest::newRow("'1' checks, any other character unchecks")
            << lines({"teacher_parameter", "board_parameter", "get_tracking_config_file", "board_feature_enable=1",
                      "board_feature1_enable=x", "board_lost_to_pano_delay=30"})
            << 1 << 0 << 30;
        QTest::newRow("one character only: '10' is '1'")
            << lines({"board_feature_enable=10", "board_feature1_enable=01"}) << 1 << 0 << -1;
        QTest::newRow("empty values uncheck, no number gives 0")
            << lines({"board_feature_enable=", "board_feature1_enable=", "board_lost_to_pano_delay=soon"}) << 0 << 0 << 0;
        QTest::newRow("keys absent") << lines({"teacher_parameter", "board_parameter", "get_tracking_config_file"})
                                     << -1 << -1 << -1;
        QTest::newRow("delay runs to the end of the text") << QStringLiteral("board_lost_to_pano_delay=600") << -1 << -1
                                                           << 600;
    }

    void relayAnswer()
    {
        QFETCH(QString, answer);
        QFETCH(int, enable);
        QFETCH(int, enable1);
        QFETCH(int, delay);
        const auto r = board_parameters::read_relay_answer(answer);
        QCOMPARE(r.feature_enable.has_value() ? int(*r.feature_enable) : -1, enable);
        QCOMPARE(r.feature1_enable.has_value() ? int(*r.feature1_enable) : -1, enable1);
        QCOMPARE(r.lost_to_pano_delay.value_or(-1), delay);
    }

    void panoBlock()
    {
        BoardRegionCoord coord = filled(-7);
        const auto r = board_parameters::read_pano_block(QString::fromLatin1(kPanoBlock), &coord);
        QCOMPARE(r.sensitivity, QStringLiteral("3"));
        QCOMPARE(r.time_delay, QStringLiteral("12"));
        QCOMPARE(r.multi_object_strategy.value_or(-1), 1);
        QCOMPARE(r.losing_object_strategy.value_or(-1), 0);
        QCOMPARE(r.feature_version, QStringLiteral("V2.1.0 build 7"));
        QCOMPARE(r.pano_version, QStringLiteral("V2.1.1"));
        QCOMPARE(coord.track.left, 100);
        QCOMPARE(coord.track.top, 51);
        QCOMPARE(coord.track.width, 200);
        QCOMPARE(coord.track.height, 99);
        QCOMPARE(coord.pano_shield_enable, QStringLiteral("1010"));
        int expected = 1;
        for (const auto &s : coord.shields) {
            QCOMPARE(s.left, expected++);
            QCOMPARE(s.top, expected++);
            QCOMPARE(s.width, expected++);
            QCOMPARE(s.height, expected++);
        }
    }

    // The same block with its lines in reverse order reads the same.
    void panoBlockInAnyOrder()
    {
        QStringList reversed = QString::fromLatin1(kPanoBlock).split(QLatin1Char('\n'));
        std::reverse(reversed.begin(), reversed.end());
        BoardRegionCoord a = filled(0), b = filled(0);
        const auto ra = board_parameters::read_pano_block(QString::fromLatin1(kPanoBlock), &a);
        const auto rb = board_parameters::read_pano_block(reversed.join(QLatin1Char('\n')), &b);
        QCOMPARE(rb.sensitivity, ra.sensitivity);
        QCOMPARE(rb.time_delay, ra.time_delay);
        QCOMPARE(rb.pano_version, ra.pano_version);
        QCOMPARE(b.track.height, a.track.height);
        QCOMPARE(b.shields[3].height, a.shields[3].height);
        QCOMPARE(b.pano_shield_enable, a.pano_shield_enable);
    }

    void panoBlockMissingKeys_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("sensitivity"); // null: absent
        QTest::addColumn<int>("multi");           // -1: nothing changes
        QTest::addColumn<int>("trackLeft");
        QTest::addColumn<int>("trackHeight");
        QTest::addColumn<int>("shield2Width");
        QTest::addColumn<QString>("shieldEnable");

        QTest::newRow("nothing but the section") << lines({"board_parameter", "get_tracking_config_file"}) << QString()
                                                 << -1 << -7 << -7 << -7 << "keep";
        QTest::newRow("area left only")
            << lines({"board_parameter", "pano_pan_scale=40"}) << QString() << -1 << 40 << -7 << -7 << "keep";
        QTest::newRow("strategy '2' changes nothing, a number with letters gives 0")
            << lines({"board_parameter", "multi_object_strategy=2", "pano_tilt_increment=9x", "pano_sensitivity=",
                      "pano_pan_second_shield_increment=-30"})
            << "" << -1 << -7 << 0 << -30 << "keep";
        QTest::newRow("empty shield enable replaces the old one")
            << lines({"board_parameter", "pano_shield_enable="}) << QString() << -1 << -7 << -7 << -7 << "";
        QTest::newRow("number beyond an int gives 0")
            << lines({"board_parameter", "pano_pan_scale=99999999999"}) << QString() << -1 << 0 << -7 << -7 << "keep";
    }

    void panoBlockMissingKeys()
    {
        QFETCH(QString, answer);
        QFETCH(QString, sensitivity);
        QFETCH(int, multi);
        QFETCH(int, trackLeft);
        QFETCH(int, trackHeight);
        QFETCH(int, shield2Width);
        QFETCH(QString, shieldEnable);
        BoardRegionCoord coord = filled(-7);
        const auto r = board_parameters::read_pano_block(answer, &coord);
        QCOMPARE(r.sensitivity.isNull(), sensitivity.isNull());
        QCOMPARE(r.sensitivity, sensitivity);
        QCOMPARE(r.multi_object_strategy.value_or(-1), multi);
        QVERIFY(!r.losing_object_strategy.has_value());
        QCOMPARE(coord.track.left, trackLeft);
        QCOMPARE(coord.track.top, -7);
        QCOMPARE(coord.track.height, trackHeight);
        QCOMPARE(coord.shields[1].width, shield2Width);
        QCOMPARE(coord.shields[0].left, -7);
        QCOMPARE(coord.pano_shield_enable, shieldEnable);
        QVERIFY(r.feature_version.isNull());
    }

    void windowArea_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QPoint>("bottomRight");

        QTest::newRow("(100, 51, 200, 99)") << 100 << 51 << 200 << 99 << QPoint(95, 377) << QPoint(245, 450);
        QTest::newRow("origin") << 0 << 0 << 0 << 0 << QPoint(20, 340) << QPoint(20, 340);
        QTest::newRow("whole picture") << 0 << 0 << 640 << 360 << QPoint(20, 340) << QPoint(500, 610);
        QTest::newRow("odd values: halve first") << 1 << 3 << 3 << 5 << QPoint(20, 341) << QPoint(21, 344);
        QTest::newRow("negative values truncate toward zero") << -3 << -5 << -1 << 7 << QPoint(19, 337)
                                                              << QPoint(19, 341);
        QTest::newRow("huge values stop at the int's bounds")
            << std::numeric_limits<int>::max() << std::numeric_limits<int>::max() << std::numeric_limits<int>::max()
            << std::numeric_limits<int>::min() << QPoint(1610612754, 1610613074)
            << QPoint(std::numeric_limits<int>::max(), 338);
    }

    void windowArea()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QPoint, topLeft);
        QFETCH(QPoint, bottomRight);
        const auto w = board_parameters::window_area({left, top, width, height});
        QCOMPARE(w.top_left, topLeft);
        QCOMPARE(w.bottom_right, bottomRight);
    }

    void shieldSwitch_data()
    {
        QTest::addColumn<QString>("enable");
        QTest::addColumn<int>("index");
        QTest::addColumn<ShieldSwitch>("expected");

        QTest::newRow("'1' on") << "1000" << 0 << ShieldSwitch::On;
        QTest::newRow("'0' off") << "1000" << 1 << ShieldSwitch::Off;
        QTest::newRow("'10': third is missing") << "10" << 2 << ShieldSwitch::Unchanged;
        QTest::newRow("'10': fourth is missing") << "10" << 3 << ShieldSwitch::Unchanged;
        QTest::newRow("other character") << "1x11" << 1 << ShieldSwitch::Unchanged;
        QTest::newRow("empty text") << "" << 0 << ShieldSwitch::Unchanged;
        QTest::newRow("null text") << QString() << 0 << ShieldSwitch::Unchanged;
        QTest::newRow("negative index") << "1111" << -1 << ShieldSwitch::Unchanged;
    }

    void shieldSwitch()
    {
        QFETCH(QString, enable);
        QFETCH(int, index);
        QFETCH(ShieldSwitch, expected);
        QCOMPARE(board_parameters::shield_switch(enable, index), expected);
    }
};

QTEST_APPLESS_MAIN(tst_BoardParameters)
#include "tst_board_parameters.moc"
