// The board blocks (the Apply to the teacher pano camera, the relayed answer, the board pano
// camera's block and its preview points) and the director block (golden texts per strategy and
// layout, line breaks in codes, an answer read by its routing lines).
#include "protocol/board_parameters.h"
#include "protocol/director_parameters.h"
#include "test_env.h"

#include <QFile>
#include <QtTest>

#include <limits>

using board_parameters::BoardRegionCoord;
using board_parameters::ShieldSwitch;
using director_parameters::Field;

Q_DECLARE_METATYPE(director_parameters::Field)

namespace {
// The director tab as Default leaves it, with the addresses, pano port and baud rate of the form:
// the golden interior block.
DirectorSection interiorSettings()
{
    DirectorSection s = director_parameters::default_settings();
    s.teacher_pano_ip = QStringLiteral("192.168.1.101");
    s.student_pano_ip = QStringLiteral("192.168.1.164");
    s.blackboard_camera_ip = QStringLiteral("192.168.1.166");
    s.pano_port = QStringLiteral("5678");
    s.uart_baud = QStringLiteral("9600");
    return s;
}

// External strategy over TCP with ASCII codes, some events and views switched off.
DirectorSection externalSettings()
{
    DirectorSection s = interiorSettings();
    s.communicate_mode = s.command_mode = 1;
    s.command_times = 2;
    s.strategy = 0;
    s.broadcast_ip = QStringLiteral("10.1.2.3");
    s.broadcast_port = QStringLiteral("12777");
    s.switch_auto = QStringLiteral("AUTO");
    s.switch_manual = QStringLiteral("MANUAL");
    for (size_t i = 0; i < 5; ++i)
        s.teacher[i] = {i % 2 == 0, QStringLiteral("T%1 go=now").arg(i + 1)};
    s.keep_interval = 2;
    s.moving_interval = 3;
    s.multi_interval = 4;
    for (size_t i = 0; i < 4; ++i)
        s.student[i] = {i == 1 || i == 2, QStringLiteral("S%1").arg(i + 1)};
    s.board[0] = {false, QStringLiteral("B in use")};
    s.board[1] = {true, QStringLiteral("B idle")};
    for (size_t i = 0; i < 5; ++i)
        s.interior[i].on = i != 0 && i != 2;
    s.blackboard[1].on = false;
    s.min_switch_time = {QStringLiteral("7"), 7};
    return s;
}

QString golden(const QString &name)
{
    QFile file(testenv::sourceDir() + QStringLiteral("/tests/auto/protocol/board_director/golden/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}
} // namespace

class tst_BoardDirector : public QObject
{
    Q_OBJECT

private slots:
    // Eight lines, each ended by a line feed; an address goes without the note behind its "/".
    void boardApplyBlock_data()
    {
        QTest::addColumn<QString>("featureIp");
        QTest::addColumn<QString>("feature1Ip");
        QTest::addColumn<bool>("enable1");
        QTest::addColumn<QString>("expected");
        const QString head = QStringLiteral("teacher_parameter\nboard_parameter\nset_tracking_config_file\n");
        QTest::newRow("two cameras at the default addresses")
            << QString(board_parameters::kDefaultFeatureAddress) << QString(board_parameters::kDefaultPanoAddress)
            << true
            << head + "board_feature_ip=192.168.1.165\nboard_feature1_ip=192.168.1.166\nboard_feature_enable=1\n"
                      "board_feature1_enable=1\nboard_lost_to_pano_delay=30\n";
        QTest::newRow("notes behind '/' and an empty address")
            << "10.0.0.5/board left" << "/x" << false
            << head + "board_feature_ip=10.0.0.5\nboard_feature1_ip=\nboard_feature_enable=1\nboard_feature1_enable=0\n"
                      "board_lost_to_pano_delay=30\n";
        QTest::newRow("line feed typed into an address stays inside its line")
            << "10.0.0.5\nboard_feature_enable=0" << "10.0.0.6" << true
            << head + "board_feature_ip=10.0.0.5board_feature_enable=0\nboard_feature1_ip=10.0.0.6\n"
                      "board_feature_enable=1\nboard_feature1_enable=1\nboard_lost_to_pano_delay=30\n";
    }

    void boardApplyBlock()
    {
        QFETCH(QString, featureIp);
        QFETCH(QString, feature1Ip);
        QFETCH(bool, enable1);
        BoardSection section;
        section.feature1_enable = enable1;
        QTEST(board_parameters::apply_block(section, featureIp, feature1Ip), "expected");
        const QString board = QStringLiteral("board_parameter\n");
        QCOMPARE(board_parameters::obtain_block(), "teacher_parameter\n" + board + "get_tracking_config_file");
        QCOMPARE(board_parameters::tracking_request_block(), board + "get_tracking_config_file");
        QCOMPARE(board_parameters::director_request_block(), board + "get_director_config_file");
    }

    // One character decides a box: "1" checks, anything else unchecks; a delay without a number is 0.
    void boardRelayAnswer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QVector<int>>("read"); // enable, enable 1, delay; -1: absent
        QTest::newRow("all keys") << "teacher_parameter\nboard_parameter\nget_tracking_config_file\nboard_feature_enable=0\n"
                                     "board_feature1_enable=1\nboard_lost_to_pano_delay=45"
                                  << QVector<int>{0, 1, 45};
        QTest::newRow("'10' is '1', 'x' unchecks") << "board_feature_enable=10\nboard_feature1_enable=x"
                                                   << QVector<int>{1, 0, -1};
        QTest::newRow("empty values") << "board_feature_enable=\nboard_feature1_enable=\nboard_lost_to_pano_delay=soon"
                                      << QVector<int>{0, 0, 0};
    }

    void boardRelayAnswer()
    {
        QFETCH(QString, answer);
        const auto r = board_parameters::read_relay_answer(answer);
        QTEST((QVector<int>{r.feature_enable ? int(*r.feature_enable) : -1,
                            r.feature1_enable ? int(*r.feature1_enable) : -1, r.lost_to_pano_delay.value_or(-1)}),
              "read");
    }

    // The board pano camera's own block; what an answer lacks or cannot say leaves the tab
    // alone, and numbers that are not whole give 0.
    void boardPanoBlock_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("read");
        QTest::newRow("every kind of key")
            << "board_parameter\nget_tracking_config_file\npano_sensitivity=3\ntime_delay=12\nmulti_object_strategy=1\n"
               "losing_object_strategy=0\npano_pan_scale=100\npano_tilt_scale=51\npano_pan_increment=200\n"
               "pano_tilt_increment=99\npano_shield_enable=1010\npano_pan_second_shield_scale=5\n"
               "pano_tilt_fourth_shield_increment=16\nfeature_version=V2.1.0 build 7\npano_version=V2.1.1"
            << "3|12|1|0|V2.1.0 build 7|V2.1.1|100,51,200,99|1010|-7,-7,-7,-7|5,-7,-7,-7|-7,-7,-7,16";
        QTest::newRow("odd values")
            << "board_parameter\nmulti_object_strategy=2\npano_tilt_increment=9x\npano_sensitivity=\n"
               "pano_pan_scale=99999999999\npano_shield_enable="
            << "|null|-1|-1|null|null|0,-7,-7,0||-7,-7,-7,-7|-7,-7,-7,-7|-7,-7,-7,-7";
    }

    void boardPanoBlock()
    {
        QFETCH(QString, answer);
        BoardRegionCoord coord;
        coord.track = {-7, -7, -7, -7};
        coord.pano_shield_enable = QStringLiteral("keep");
        for (auto &s : coord.shields)
            s = {-7, -7, -7, -7};
        const auto r = board_parameters::read_pano_block(answer, &coord);
        auto text = [](const QString &t) { return t.isNull() ? QStringLiteral("null") : t; };
        auto area = [](const BoardRegionCoord::Area &a) {
            return QStringLiteral("%1,%2,%3,%4").arg(a.left).arg(a.top).arg(a.width).arg(a.height);
        };
        QStringList read{text(r.sensitivity), text(r.time_delay), QString::number(r.multi_object_strategy.value_or(-1)),
                         QString::number(r.losing_object_strategy.value_or(-1)), text(r.feature_version),
                         text(r.pano_version), area(coord.track), coord.pano_shield_enable};
        for (int i : {0, 1, 3})
            read << area(coord.shields[i]);
        QTEST(read.join(QLatin1Char('|')), "read");
    }

    // Camera values halved onto the preview at 20, 340; absurd values stop at the int's bounds.
    void boardWindowArea_data()
    {
        QTest::addColumn<QVector<int>>("area");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QPoint>("bottomRight");
        const int max = std::numeric_limits<int>::max();
        QTest::newRow("(100, 51, 200, 99)") << QVector<int>{100, 51, 200, 99} << QPoint(95, 377) << QPoint(245, 450);
        QTest::newRow("odd values: halve first") << QVector<int>{1, 3, 3, 5} << QPoint(20, 341) << QPoint(21, 344);
        QTest::newRow("negative values truncate toward zero") << QVector<int>{-3, -5, -1, 7} << QPoint(19, 337)
                                                              << QPoint(19, 341);
        QTest::newRow("huge values stop at the int's bounds") << QVector<int>{max, max, max, std::numeric_limits<int>::min()}
                                                              << QPoint(1610612754, 1610613074) << QPoint(max, 338);
    }

    void boardWindowArea()
    {
        QFETCH(QVector<int>, area);
        const auto w = board_parameters::window_area({area[0], area[1], area[2], area[3]});
        QTEST(w.top_left, "topLeft");
        QTEST(w.bottom_right, "bottomRight");
    }

    // A missing or unexpected character leaves the shield box as it is.
    void boardShieldSwitch()
    {
        using board_parameters::shield_switch;
        QCOMPARE(shield_switch(QStringLiteral("1000"), 0), ShieldSwitch::On);
        QCOMPARE(shield_switch(QStringLiteral("1000"), 1), ShieldSwitch::Off);
        QCOMPARE(shield_switch(QStringLiteral("10"), 2), ShieldSwitch::Unchanged);
        QCOMPARE(shield_switch(QStringLiteral("1x11"), 1), ShieldSwitch::Unchanged);
        QCOMPARE(shield_switch(QString(), 0), ShieldSwitch::Unchanged);
    }

    // In the six-camera layout the two blackboard cameras take the blackboard view's place.
    void directorBlock_data()
    {
        QTest::addColumn<bool>("external");
        QTest::addColumn<bool>("six");
        QTest::addColumn<QString>("expected");
        const QString interiorSix = golden(QStringLiteral("interior.txt")).replace(
            QStringLiteral("inner_director_enable=11111\nblackboard_director_enable=00"),
            QStringLiteral("inner_director_enable=11110\nblackboard_director_enable=11"));
        const QString externalSix = golden(QStringLiteral("external.txt")).replace(
            QStringLiteral("inner_director_enable=01011\nblackboard_director_enable=00"),
            QStringLiteral("inner_director_enable=01010\nblackboard_director_enable=10"));
        QTest::newRow("interior, four cameras") << false << false << golden(QStringLiteral("interior.txt"));
        QTest::newRow("interior, six cameras") << false << true << interiorSix;
        QTest::newRow("external, four cameras") << true << false << golden(QStringLiteral("external.txt"));
        QTest::newRow("external, six cameras") << true << true << externalSix;
    }

    void directorBlock()
    {
        QFETCH(bool, external);
        QFETCH(bool, six);
        QFETCH(QString, expected);
        const QString block = director_parameters::set_block(external ? externalSettings() : interiorSettings(), six);
        QCOMPARE(block, expected);
        QCOMPARE(director_parameters::routed(QStringLiteral("student_parameter"), block),
                 QStringLiteral("student_parameter\n") + expected);
        QCOMPARE(director_parameters::obtain_block(QStringLiteral("teacher_parameter")),
                 QStringLiteral("teacher_parameter\nget_director_config_file"));
    }

    // A code holding a line break (a hand-edited settings file) stays on its own line; the other
    // characters removed from values are pinned in tst_parameter_block.
    void directorLineBreakInCode()
    {
        DirectorSection s = interiorSettings();
        s.interior[0].code = QStringLiteral("FF 01\nmin_switch_time=0");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("value of \"inner_teacher_feature\"")));
        const QStringList lines = director_parameters::set_block(s, false).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 42);
        QCOMPARE(lines.at(34), QStringLiteral("inner_teacher_feature=FF 01min_switch_time=0"));
        QCOMPARE(lines.last(), QStringLiteral("min_switch_time=3"));
    }

    // The routing lines decide which groups are read: every answer the common keys, the teacher
    // pano's its events, interior views and board events, the student pano's its events, the
    // board pano's the board events. One-character keys never read past an empty value.
    void directorAnswer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("items");
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("value"); // null: the field is not read
        const QString external = golden(QStringLiteral("external.txt"));
        QTest::newRow("teacher pano") << "teacher_parameter\n" + external << 32 << Field::Blackboard2Feature << "FF 55 55";
        QTest::newRow("teacher pano: events") << "teacher_parameter\n" + external << 32 << Field::TeacherEnable << "10101";
        QTest::newRow("teacher pano: no student events") << "teacher_parameter\n" + external << 32 << Field::StudentStandUp
                                                         << QString();
        QTest::newRow("student pano") << "student_parameter\n" + external << 18 << Field::StudentStandUp << "S1";
        QTest::newRow("board pano") << "board_parameter\n" + external << 16 << Field::BlackboardHaveObjectTracked
                                    << "B in use";
        QTest::newRow("no routing line: common keys only") << external << 13 << Field::SwitchAuto << "AUTO";
        QTest::newRow("student keys without their section") << "director_parameter\nstudent_stand_up=s1\npano_port=1" << 1
                                                            << Field::StudentStandUp << QString();
        QTest::newRow("one character") << "director_strategy=10" << 1 << Field::Strategy << "1";
        QTest::newRow("empty value: nothing past the end") << "director_strategy=" << 1 << Field::Strategy << "";
        QTest::newRow("empty value before the next line") << "director_strategy=\npano_port=1" << 2 << Field::Strategy << "";
    }

    void directorAnswer()
    {
        QFETCH(QString, answer);
        QFETCH(Field, field);
        QFETCH(QString, value);
        const auto read = director_parameters::read_answer(answer);
        QTEST(read.size(), "items");
        QString found;
        for (const auto &item : read) {
            if (item.field == field)
                found = item.value;
        }
        QCOMPARE(found.isNull(), value.isNull());
        QCOMPARE(found, value);
    }

    void directorValues()
    {
        const char *flags[] = {"101", "1x1y1", "", "0000011"};
        const char *boxes[] = {"10100", "10101", "00000", "00000"};
        for (int f = 0; f < 4; ++f) {
            QString got;
            for (int i = 0; i < 5; ++i)
                got += director_parameters::flag_at(QLatin1String(flags[f]), i) ? QLatin1Char('1') : QLatin1Char('0');
            QCOMPARE(got, QLatin1String(boxes[f]));
        }
        QCOMPARE(director_parameters::number_value(QStringLiteral("-3")), -3);
        QCOMPARE(director_parameters::number_value(QStringLiteral("5s")), 0);
        QCOMPARE(director_parameters::number_value(QStringLiteral("4294967296")), 0);
    }
};

QTEST_APPLESS_MAIN(tst_BoardDirector)
#include "tst_board_director.moc"
