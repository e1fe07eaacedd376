// The director block: golden texts per camera layout and strategy, byte for byte; line breaks
// in codes; the reading of answers by groups and their conditions.
#include "protocol/director_parameters.h"

#include <QtTest>

using director_parameters::DirectorSettings;
using director_parameters::Field;
using director_parameters::ReadItem;

Q_DECLARE_METATYPE(QVector<Field>)

namespace {

// The tab as Default leaves it, with the addresses and ports of the form.
DirectorSettings default_settings()
{
    DirectorSettings s;
    s.teacher_pano_ip = QStringLiteral("192.168.1.101");
    s.student_pano_ip = QStringLiteral("192.168.1.164");
    s.blackboard_camera_ip = QStringLiteral("192.168.1.166");
    s.pano_port = QStringLiteral("5678");
    s.uart_baud = QStringLiteral("9600");
    s.communicate_mode = 0;
    s.command_mode = 0;
    s.broadcast_ip = QStringLiteral("192.168.1.200");
    s.broadcast_port = QStringLiteral("9999");
    s.switch_auto = QStringLiteral("FF 00 00 00 00 01");
    s.switch_manual = QStringLiteral("FF 00 00 00 00 02");
    s.command_times = 0;
    s.strategy = 1;
    const char *teacher[] = {"FF 01 00 00 00 11", "FF 01 00 00 00 12", "FF 01 00 00 00 13", "FF 01 00 00 00 14",
                             "FF 01 00 00 00 15"};
    for (int i = 0; i < 5; ++i)
        s.teacher[i] = {true, QString::fromLatin1(teacher[i])};
    s.keep_interval = s.moving_interval = s.multi_interval = QStringLiteral("1");
    const char *student[] = {"FF 02 00 00 00 21", "FF 02 00 00 00 22", "FF 02 00 00 00 23", "FF 02 00 00 00 24"};
    for (int i = 0; i < 4; ++i)
        s.student[i] = {true, QString::fromLatin1(student[i])};
    s.board[0] = {true, QStringLiteral("FF 03 00 00 00 31")};
    s.board[1] = {true, QStringLiteral("FF 03 00 00 00 32")};
    const char *interior[] = {"FF 22 22", "FF 11 11", "FF 44 44", "FF 33 33", "FF 55 55"};
    for (int i = 0; i < 5; ++i)
        s.interior[i] = {true, QString::fromLatin1(interior[i])};
    s.blackboard[0] = {true, QStringLiteral("FF 55 55")};
    s.blackboard[1] = {true, QStringLiteral("FF 55 55")};
    s.min_switch_time = QStringLiteral("3");
    return s;
}

// External strategy over TCP with ASCII codes, some events and views switched off.
DirectorSettings external_settings()
{
    DirectorSettings s = default_settings();
    s.communicate_mode = 1;
    s.command_mode = 1;
    s.command_times = 2;
    s.strategy = 0;
    s.broadcast_ip = QStringLiteral("10.1.2.3");
    s.broadcast_port = QStringLiteral("12777");
    s.switch_auto = QStringLiteral("AUTO");
    s.switch_manual = QStringLiteral("MANUAL");
    const bool teacherOn[] = {true, false, true, false, true};
    for (int i = 0; i < 5; ++i)
        s.teacher[i] = {teacherOn[i], QStringLiteral("T%1 go=now").arg(i + 1)};
    s.keep_interval = QStringLiteral("2");
    s.moving_interval = QStringLiteral("3");
    s.multi_interval = QStringLiteral("4");
    const bool studentOn[] = {false, true, true, false};
    for (int i = 0; i < 4; ++i)
        s.student[i] = {studentOn[i], QStringLiteral("S%1").arg(i + 1)};
    s.board[0] = {false, QStringLiteral("B in use")};
    s.board[1] = {true, QStringLiteral("B idle")};
    const bool interiorOn[] = {false, true, false, true, true};
    for (int i = 0; i < 5; ++i)
        s.interior[i].on = interiorOn[i];
    s.blackboard[0].on = true;
    s.blackboard[1].on = false;
    s.min_switch_time = QStringLiteral("7");
    return s;
}

const char *const kInteriorFourCameras =
    "director_parameter\nset_director_config_file\n"
    "teacher_pano_ip=192.168.1.101\nstudent_pano_ip=192.168.1.164\nblackboard_camera_ip=192.168.1.166\n"
    "pano_port=5678\nuart_baud=9600\ncommunicate_mode=0\ncommand_mode=0\ndirector_broadcast_ip=192.168.1.200\n"
    "director_broadcast_port=9999\nswitch_auto=FF 00 00 00 00 01\nswitch_manual=FF 00 00 00 00 02\n"
    "director_command_times=0\ndirector_strategy=1\nextern_director_teacher_enable=11111\n"
    "teacher_walk_up_platform=FF 01 00 00 00 11\nteacher_keep_stand=FF 01 00 00 00 12\n"
    "teacher_walk_moving=FF 01 00 00 00 13\nteacher_walk_down_platform=FF 01 00 00 00 14\n"
    "teacher_have_object_multi=FF 01 00 00 00 15\nextern_director_keep_interval=1\n"
    "extern_director_moving_interval=1\nextern_director_multi_interval=1\nextern_director_student_enable=1111\n"
    "student_stand_up=FF 02 00 00 00 21\nstudent_keep_stand=FF 02 00 00 00 22\nstudent_sit_down=FF 02 00 00 00 23\n"
    "student_have_object_multi=FF 02 00 00 00 24\nextern_director_blackboard_enable=11\n"
    "blackboard_have_object_tracked=FF 03 00 00 00 31\nblackboard_none_object_tracked=FF 03 00 00 00 32\n"
    "inner_director_enable=11111\nblackboard_director_enable=00\ninner_teacher_feature=FF 22 22\n"
    "inner_teacher_pano=FF 11 11\ninner_student_feature=FF 44 44\ninner_student_pano=FF 33 33\n"
    "inner_blackboard_feature=FF 55 55\nblackboard1_feature=FF 55 55\nblackboard2_feature=FF 55 55\n"
    "min_switch_time=3";

const char *const kInteriorSixCameras =
    "director_parameter\nset_director_config_file\n"
    "teacher_pano_ip=192.168.1.101\nstudent_pano_ip=192.168.1.164\nblackboard_camera_ip=192.168.1.166\n"
    "pano_port=5678\nuart_baud=9600\ncommunicate_mode=0\ncommand_mode=0\ndirector_broadcast_ip=192.168.1.200\n"
    "director_broadcast_port=9999\nswitch_auto=FF 00 00 00 00 01\nswitch_manual=FF 00 00 00 00 02\n"
    "director_command_times=0\ndirector_strategy=1\nextern_director_teacher_enable=11111\n"
    "teacher_walk_up_platform=FF 01 00 00 00 11\nteacher_keep_stand=FF 01 00 00 00 12\n"
    "teacher_walk_moving=FF 01 00 00 00 13\nteacher_walk_down_platform=FF 01 00 00 00 14\n"
    "teacher_have_object_multi=FF 01 00 00 00 15\nextern_director_keep_interval=1\n"
    "extern_director_moving_interval=1\nextern_director_multi_interval=1\nextern_director_student_enable=1111\n"
    "student_stand_up=FF 02 00 00 00 21\nstudent_keep_stand=FF 02 00 00 00 22\nstudent_sit_down=FF 02 00 00 00 23\n"
    "student_have_object_multi=FF 02 00 00 00 24\nextern_director_blackboard_enable=11\n"
    "blackboard_have_object_tracked=FF 03 00 00 00 31\nblackboard_none_object_tracked=FF 03 00 00 00 32\n"
    "inner_director_enable=11110\nblackboard_director_enable=11\ninner_teacher_feature=FF 22 22\n"
    "inner_teacher_pano=FF 11 11\ninner_student_feature=FF 44 44\ninner_student_pano=FF 33 33\n"
    "inner_blackboard_feature=FF 55 55\nblackboard1_feature=FF 55 55\nblackboard2_feature=FF 55 55\n"
    "min_switch_time=3";

const char *const kExternalFourCameras =
    "director_parameter\nset_director_config_file\n"
    "teacher_pano_ip=192.168.1.101\nstudent_pano_ip=192.168.1.164\nblackboard_camera_ip=192.168.1.166\n"
    "pano_port=5678\nuart_baud=9600\ncommunicate_mode=1\ncommand_mode=1\ndirector_broadcast_ip=10.1.2.3\n"
    "director_broadcast_port=12777\nswitch_auto=AUTO\nswitch_manual=MANUAL\n"
    "director_command_times=2\ndirector_strategy=0\nextern_director_teacher_enable=10101\n"
    "teacher_walk_up_platform=T1 go=now\nteacher_keep_stand=T2 go=now\n"
    "teacher_walk_moving=T3 go=now\nteacher_walk_down_platform=T4 go=now\n"
    "teacher_have_object_multi=T5 go=now\nextern_director_keep_interval=2\n"
    "extern_director_moving_interval=3\nextern_director_multi_interval=4\nextern_director_student_enable=0110\n"
    "student_stand_up=S1\nstudent_keep_stand=S2\nstudent_sit_down=S3\n"
    "student_have_object_multi=S4\nextern_director_blackboard_enable=01\n"
    "blackboard_have_object_tracked=B in use\nblackboard_none_object_tracked=B idle\n"
    "inner_director_enable=01011\nblackboard_director_enable=00\ninner_teacher_feature=FF 22 22\n"
    "inner_teacher_pano=FF 11 11\ninner_student_feature=FF 44 44\ninner_student_pano=FF 33 33\n"
    "inner_blackboard_feature=FF 55 55\nblackboard1_feature=FF 55 55\nblackboard2_feature=FF 55 55\n"
    "min_switch_time=7";

const char *const kExternalSixCameras =
    "director_parameter\nset_director_config_file\n"
    "teacher_pano_ip=192.168.1.101\nstudent_pano_ip=192.168.1.164\nblackboard_camera_ip=192.168.1.166\n"
    "pano_port=5678\nuart_baud=9600\ncommunicate_mode=1\ncommand_mode=1\ndirector_broadcast_ip=10.1.2.3\n"
    "director_broadcast_port=12777\nswitch_auto=AUTO\nswitch_manual=MANUAL\n"
    "director_command_times=2\ndirector_strategy=0\nextern_director_teacher_enable=10101\n"
    "teacher_walk_up_platform=T1 go=now\nteacher_keep_stand=T2 go=now\n"
    "teacher_walk_moving=T3 go=now\nteacher_walk_down_platform=T4 go=now\n"
    "teacher_have_object_multi=T5 go=now\nextern_director_keep_interval=2\n"
    "extern_director_moving_interval=3\nextern_director_multi_interval=4\nextern_director_student_enable=0110\n"
    "student_stand_up=S1\nstudent_keep_stand=S2\nstudent_sit_down=S3\n"
    "student_have_object_multi=S4\nextern_director_blackboard_enable=01\n"
    "blackboard_have_object_tracked=B in use\nblackboard_none_object_tracked=B idle\n"
    "inner_director_enable=01010\nblackboard_director_enable=10\ninner_teacher_feature=FF 22 22\n"
    "inner_teacher_pano=FF 11 11\ninner_student_feature=FF 44 44\ninner_student_pano=FF 33 33\n"
    "inner_blackboard_feature=FF 55 55\nblackboard1_feature=FF 55 55\nblackboard2_feature=FF 55 55\n"
    "min_switch_time=7";

// An answer of a pano camera holding every key, values other than the defaults.
QString full_answer(const QString &routing)
{
    return routing
        + QStringLiteral("\ndirector_parameter\nget_director_config_file\n"
                         "pano_port=5679\nuart_baud=115200\ncommunicate_mode=2\ncommand_mode=1\n"
                         "director_broadcast_ip=10.0.0.9\ndirector_broadcast_port=7000\nswitch_auto=A\nswitch_manual=M\n"
                         "director_command_times=1\ndirector_strategy=0\nextern_director_teacher_enable=101\n"
                         "teacher_walk_up_platform=t1\nteacher_keep_stand=t2\nteacher_walk_moving=t3\n"
                         "teacher_walk_down_platform=t4\nteacher_have_object_multi=t5\n"
                         "extern_director_keep_interval=4\nextern_director_moving_interval=5\n"
                         "extern_director_multi_interval=6\nextern_director_student_enable=0101\n"
                         "student_stand_up=s1\nstudent_keep_stand=s2\nstudent_sit_down=s3\nstudent_have_object_multi=s4\n"
                         "extern_director_blackboard_enable=10\nblackboard_have_object_tracked=b1\n"
                         "blackboard_none_object_tracked=b2\ninner_director_enable=10101\n"
                         "blackboard_director_enable=01\ninner_teacher_feature=i1\ninner_teacher_pano=i2\n"
                         "inner_student_feature=i3\ninner_student_pano=i4\ninner_blackboard_feature=i5\n"
                         "blackboard1_feature=k1\nblackboard2_feature=k2\nmin_switch_time=9");
}

QVector<Field> fields_of(const QVector<ReadItem> &items)
{
    QVector<Field> out;
    for (const ReadItem &item : items)
        out << item.field;
    return out;
}

const QVector<Field> kCommon = {Field::PanoPort,       Field::UartBaud,      Field::CommunicateMode,
                                Field::CommandMode,    Field::BroadcastIp,   Field::BroadcastPort,
                                Field::SwitchAuto,     Field::KeepInterval,  Field::MovingInterval,
                                Field::MultiInterval,  Field::SwitchManual,  Field::CommandTimes,
                                Field::Strategy};
const QVector<Field> kTeacherEvents = {Field::TeacherEnable,    Field::TeacherWalkUpPlatform,
                                       Field::TeacherKeepStand, Field::TeacherWalkMoving,
                                       Field::TeacherWalkDownPlatform, Field::TeacherHaveObjectMulti};
const QVector<Field> kStudentEvents = {Field::StudentEnable, Field::StudentStandUp, Field::StudentKeepStand,
                                       Field::StudentSitDown, Field::StudentHaveObjectMulti};
const QVector<Field> kBoardEvents = {Field::BlackboardEnable, Field::BlackboardHaveObjectTracked,
                                     Field::BlackboardNoneObjectTracked};
const QVector<Field> kInterior = {Field::InnerEnable,         Field::InnerTeacherFeature, Field::InnerTeacherPano,
                                  Field::InnerStudentFeature, Field::InnerStudentPano,    Field::InnerBlackboardFeature,
                                  Field::MinSwitchTime,       Field::BlackboardDirectorEnable,
                                  Field::Blackboard1Feature,  Field::Blackboard2Feature};

} // namespace

class tst_DirectorParameters : public QObject
{
    Q_OBJECT

private slots:
    void rowsInSendingOrder()
    {
        const auto &rows = director_parameters::rows();
        for (int i = 0; i < director_parameters::kFieldCount; ++i) {
            QCOMPARE(int(rows[i].field), i + 1);
            QCOMPARE(&director_parameters::row(rows[i].field), &rows[i]);
        }
    }

    void goldenBlock_data()
    {
        QTest::addColumn<int>("layout"); // config_number_camera: 0 to 3 for 2, 4, 5 and 6 cameras
        QTest::addColumn<bool>("external");
        QTest::addColumn<QString>("expected");

        for (int layout = 0; layout <= 3; ++layout) {
            const bool six = layout == 3;
            QTest::addRow("interior, layout %d", layout)
                << layout << false << QString::fromLatin1(six ? kInteriorSixCameras : kInteriorFourCameras);
            QTest::addRow("external, layout %d", layout)
                << layout << true << QString::fromLatin1(six ? kExternalSixCameras : kExternalFourCameras);
        }
    }

    void goldenBlock()
    {
        QFETCH(int, layout);
        QFETCH(bool, external);
        QFETCH(QString, expected);
        const DirectorSettings s = external ? external_settings() : default_settings();
        const QString block = director_parameters::set_block(s, layout == 3);
        QCOMPARE(block, expected);
        QCOMPARE(block.split(QLatin1Char('\n')).size(), 42);

        QCOMPARE(director_parameters::routed(QStringLiteral("teacher_parameter"), block),
                 QStringLiteral("teacher_parameter\n") + expected);
        QCOMPARE(director_parameters::routed(QStringLiteral("student_parameter"), block),
                 QStringLiteral("student_parameter\n") + expected);
    }

    // A code holding a line break (a hand-edited settings file) stays on its own line.
    void lineBreakInCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("sent");
        QTest::newRow("line feed") << "FF 01\nmin_switch_time=0" << "FF 01min_switch_time=0";
        QTest::newRow("carriage return and line feed") << "FF\r\n22 22" << "FF22 22";
        QTest::newRow("zero character") << QStringLiteral("FF") + QChar(0) + QStringLiteral(" 22") << "FF 22";
        QTest::newRow("unicode line separator") << QStringLiteral("FF\u2028 22") << "FF 22";
    }

    void lineBreakInCode()
    {
        QFETCH(QString, code);
        QFETCH(QString, sent);
        DirectorSettings s = default_settings();
        s.interior[0].code = code;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("line breaks removed from the value of \"inner_teacher_feature\"")));
        const QString block = director_parameters::set_block(s, false);
        const QStringList lines = block.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 42);
        QCOMPARE(lines.at(34), QStringLiteral("inner_teacher_feature=") + sent);
        QCOMPARE(lines.last(), QStringLiteral("min_switch_time=3"));
        QVERIFY(!block.contains(QChar(0)) && !block.contains(QLatin1Char('\r')));
    }

    void obtainBlock()
    {
        QCOMPARE(director_parameters::obtain_block(QStringLiteral("teacher_parameter")),
                 QStringLiteral("teacher_parameter\nget_director_config_file"));
        QCOMPARE(director_parameters::obtain_block(QStringLiteral("student_parameter")),
                 QStringLiteral("student_parameter\nget_director_config_file"));
    }

    void readGroups_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QVector<Field>>("expected");

        QTest::newRow("teacher pano: common, teacher events, interior views, board events")
            << full_answer(QStringLiteral("teacher_parameter")) << kCommon + kTeacherEvents + kInterior + kBoardEvents;
        QTest::newRow("student pano: common, student events")
            << full_answer(QStringLiteral("student_parameter")) << kCommon + kStudentEvents;
        QTest::newRow("board pano: common, board events")
            << full_answer(QStringLiteral("board_parameter")) << kCommon + kBoardEvents;
        QTest::newRow("no routing line: common only") << full_answer(QString()).mid(1) << kCommon;
        QTest::newRow("teacher and board: board events twice")
            << QStringLiteral("board_parameter\n") + full_answer(QStringLiteral("teacher_parameter"))
            << kCommon + kTeacherEvents + kBoardEvents + kInterior + kBoardEvents;
        QTest::newRow("teacher group partly present")
            << QStringLiteral("teacher_parameter\ndirector_parameter\nget_director_config_file\n"
                              "teacher_keep_stand=x\ninner_teacher_pano=y\ndirector_strategy=1")
            << QVector<Field>{Field::Strategy, Field::TeacherKeepStand, Field::InnerTeacherPano};
        QTest::newRow("group words present, no keys")
            << QStringLiteral("teacher_parameter\nstudent_parameter\nboard_parameter\ndirector_parameter") << QVector<Field>{};
        QTest::newRow("student keys without the student section are not read")
            << QStringLiteral("director_parameter\nstudent_stand_up=s1\nextern_director_student_enable=1111\npano_port=1")
            << QVector<Field>{Field::PanoPort};
    }

    void readGroups()
    {
        QFETCH(QString, answer);
        QFETCH(QVector<Field>, expected);
        QCOMPARE(fields_of(director_parameters::read_answer(answer)), expected);
    }

    void readValues()
    {
        const auto items = director_parameters::read_answer(full_answer(QStringLiteral("teacher_parameter")));
        QHash<int, QString> byField;
        for (const ReadItem &item : items)
            byField.insert(int(item.field), item.value);
        QCOMPARE(byField.value(int(Field::PanoPort)), QStringLiteral("5679"));
        QCOMPARE(byField.value(int(Field::UartBaud)), QStringLiteral("115200"));
        QCOMPARE(byField.value(int(Field::CommunicateMode)), QStringLiteral("2"));
        QCOMPARE(byField.value(int(Field::TeacherEnable)), QStringLiteral("101"));
        QCOMPARE(byField.value(int(Field::MultiInterval)), QStringLiteral("6"));
        QCOMPARE(byField.value(int(Field::MinSwitchTime)), QStringLiteral("9"));
        QCOMPARE(byField.value(int(Field::Blackboard2Feature)), QStringLiteral("k2"));
        QCOMPARE(byField.value(int(Field::BlackboardHaveObjectTracked)), QStringLiteral("b1"));
    }

    void oneCharacterValues_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("strategy");
        QTest::newRow("one digit") << "director_strategy=1" << "1";
        QTest::newRow("only the first character") << "director_strategy=10" << "1";
        QTest::newRow("empty value: nothing past the end") << "director_strategy=" << "";
        QTest::newRow("empty value before the next line") << "director_strategy=\npano_port=1" << "";
    }

    void oneCharacterValues()
    {
        QFETCH(QString, answer);
        QFETCH(QString, strategy);
        const auto items = director_parameters::read_answer(answer);
        QString found;
        for (const ReadItem &item : items) {
            if (item.field == Field::Strategy)
                found = item.value;
        }
        QCOMPARE(found, strategy);
        QVERIFY(!found.isNull());
    }

    void flags_data()
    {
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("boxes"); // five boxes, "1" checked
        QTest::newRow("101: first and third") << "101" << "10100";
        QTest::newRow("all") << "11111" << "11111";
        QTest::newRow("other characters uncheck") << "1x1y1" << "10101";
        QTest::newRow("empty") << "" << "00000";
        QTest::newRow("longer than the boxes") << "0000011" << "00000";
    }

    void flags()
    {
        QFETCH(QString, flags);
        QFETCH(QString, boxes);
        QString got;
        for (int i = 0; i < 5; ++i)
            got += director_parameters::flag_at(flags, i) ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(got, boxes);
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("decimal") << "12" << 12;
        QTest::newRow("negative") << "-3" << -3;
        QTest::newRow("no number") << "soon" << 0;
        QTest::newRow("digits then letters") << "5s" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("hex is no number") << "0x10" << 0;
        QTest::newRow("beyond an int") << "4294967296" << 0;
    }

    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(director_parameters::number_value(text), number);
    }
};

QTEST_APPLESS_MAIN(tst_DirectorParameters)
#include "tst_director_parameters.moc"
