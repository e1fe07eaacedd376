// The first-run wizard's reading of a reply: which case it is (crop and tracking statuses,
// echoes, the three blocks), with the crop state each side keeps, and the keys of the teacher,
// student and director blocks at the edges of their values.
#include "protocol/wizard_reply.h"

#include <QtTest>

using namespace wizard_reply;
namespace dp = director_parameters;

Q_DECLARE_METATYPE(wizard_reply::Kind)

namespace {

QString partsText(const QVector<StatusPart> &parts)
{
    QStringList out;
    for (const StatusPart &p : parts)
        out << QStringLiteral("%1:%2%3%4")
                   .arg(p.side == Side::Teacher ? "teacher" : "student")
                   .arg(p.start ? "start " : "")
                   .arg(p.stop ? "stop " : "")
                   .arg(p.error ? "error " : "")
                   .trimmed();
    return out.join(QLatin1Char(','));
}

QString cropText(const CropState &s)
{
    return QStringLiteral("%1%2%3").arg(s.started ? "started" : "").arg(s.stopped ? "stopped" : "").arg(s.query ? "+query" : "");
}

QString flags(const DirectorSection &s)
{
    QString out;
    for (const CodeSwitch &c : s.teacher)
        out += c.on ? '1' : '0';
    out += ' ';
    for (const CodeSwitch &c : s.student)
        out += c.on ? '1' : '0';
    out += ' ';
    for (const CodeSwitch &c : s.board)
        out += c.on ? '1' : '0';
    out += ' ';
    for (const CodeSwitch &c : s.interior)
        out += c.on ? '1' : '0';
    out += ' ';
    for (const CodeSwitch &c : s.blackboard)
        out += c.on ? '1' : '0';
    return out;
}

} // namespace

class tst_WizardReply : public QObject
{
    Q_OBJECT

private slots:
    void classification_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("teacherPending");
        QTest::addColumn<bool>("studentPending");
        QTest::addColumn<QString>("cropBefore"); // teacher (or student for student crops)
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("echoes");
        QTest::addColumn<QString>("crop"); // changed, announced
        QTest::addColumn<QString>("cropAfter");
        QTest::addColumn<QString>("status");
        const QStringList none;
        QTest::newRow("crop start answering the connect's question")
            << QByteArray("teacher_parameter\nteacher_crop_status=start") << false << false << "query"
            << Kind::TeacherCrop << none << "changed" << "started" << "";
        QTest::newRow("the same again changes nothing")
            << QByteArray("teacher_parameter\nteacher_crop_status=start") << false << false << "started"
            << Kind::TeacherCrop << none << "" << "started" << "";
        QTest::newRow("crop stop after start is announced")
            << QByteArray("teacher_parameter\nteacher_crop_status=stop") << false << false << "started"
            << Kind::TeacherCrop << none << "changed announced" << "stopped" << "";
        // It used to be taken as a teacher block as well: regions restored from an empty record.
        QTest::newRow("a repeated crop stop ends the reading")
            << QByteArray("teacher_parameter\nteacher_crop_status=stop") << true << false << "stopped"
            << Kind::TeacherCrop << none << "" << "stopped" << "";
        QTest::newRow("a repeated student crop stop ends the reading")
            << QByteArray("student_parameter\nstudent_crop_status=stop") << false << true << "stopped"
            << Kind::StudentCrop << none << "" << "stopped" << "";
        QTest::newRow("student crop start without a question")
            << QByteArray("student_parameter\nstudent_crop_status=start") << false << false << ""
            << Kind::StudentCrop << none << "changed announced" << "started" << "";
        QTest::newRow("teacher block answering a get")
            << QByteArray("teacher_parameter\nget_tracking_config_file\nauto_tracking=1") << true << false << ""
            << Kind::TeacherBlock << QStringList{"get teacher tracking config success!"} << "" << "" << "";
        QTest::newRow("echo of an apply, no request pending: no log")
            << QByteArray("teacher_parameter\nset_teacher_config_file") << false << false << ""
            << Kind::TeacherBlock << none << "" << "" << "";
        QTest::newRow("a teacher director block is read as director keys")
            << QByteArray("teacher_parameter\ndirector_parameter\nget_director_config_file") << true << false << ""
            << Kind::DirectorBlock << QStringList{"get director config success!"} << "" << "" << "";
        QTest::newRow("student echo of an apply")
            << QByteArray("student_parameter\nset_student_config_file") << false << true << ""
            << Kind::StudentBlock << QStringList{"set student tracking config success!"} << "" << "" << "";
        QTest::newRow("teacher tracking started")
            << QByteArray("teacher_parameter\nteacher_tracking_status=start") << false << false << ""
            << Kind::TrackingStatus << none << "" << "" << "teacher:start";
        QTest::newRow("start and stop run both")
            << QByteArray("teacher_parameter\nteacher_tracking_status=start stop") << false << false << ""
            << Kind::TrackingStatus << none << "" << "" << "teacher:start stop";
        QTest::newRow("an error ends before the student's status")
            << QByteArray("teacher_parameter\nstudent_parameter\nteacher_tracking_status=error\nstudent_tracking_status=stop")
            << false << false << "" << Kind::TrackingStatus << none << "" << "" << "teacher:stop error";
        QTest::newRow("student stopped")
            << QByteArray("student_parameter\nstudent_tracking_status=stop") << false << false << ""
            << Kind::TrackingStatus << none << "" << "" << "student:stop";
        QTest::newRow("board status changes nothing")
            << QByteArray("board_parameter\nboard_tracking_status=start") << false << false << ""
            << Kind::Unmatched << none << "" << "" << "";
        QTest::newRow("a zero byte ends the reply")
            << QByteArray("board_parameter\0teacher_parameter", 33) << false << false << "" << Kind::Unmatched << none
            << "" << "" << "";
    }

    void classification()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, teacherPending);
        QFETCH(bool, studentPending);
        QFETCH(QString, cropBefore);
        CropState before;
        before.started = cropBefore.contains("started");
        before.stopped = cropBefore.contains("stopped");
        before.query = cropBefore.contains("query");
        CropState teacher = before;
        CropState student = before;
        const Classification c = classify(working_text(reply), {teacherPending, studentPending}, teacher, student);
        QTEST(c.kind, "kind");
        QTEST(c.echo_logs, "echoes");
        QStringList crop;
        if (c.crop_changed)
            crop << "changed";
        if (c.crop_announced)
            crop << "announced";
        QTEST(crop.join(' '), "crop");
        QTEST(cropText(c.kind == Kind::StudentCrop ? student : teacher), "cropAfter");
        QTEST(partsText(c.status), "status");
    }

    // Choices by their listed values only, "11" read whole for the teacher and by its first
    // character for the student; checks by "1"/"0"; the board switch unchecks on anything else.
    void teacherKeys_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("read");
        QTest::newRow("every key") << QByteArray("teacher_parameter\nlosing_object_strategy=11\nmulti_object_strategy=2\n"
                                                 "tracking_mode=3\ntime_to_pano_delay=12\nboard_detect_time=4\n"
                                                 "board_continue_time=9\nboard_detect_enable=1\nauto_tracking=1\n"
                                                 "manual_focus=0\nauto_tilt=1\nptzspeed_level=6")
                                   << "3 1 '3' 12/12 4/4 9/9 6/6 1 1 0 1";
        QTest::newRow("values no list holds") << QByteArray("losing_object_strategy=12\nmulti_object_strategy=0\n"
                                                            "board_detect_enable=x\nauto_tracking=x\nmanual_focus=")
                                              << "- - null - - - - 0 - - -";
        QTest::newRow("a NUL right after the last key") << QByteArray("tracking_mode=\0" "4", 16)
                                                        << "- - '' - - - - - - - -";
        QTest::newRow("no number and a carriage return")
            << QByteArray("time_to_pano_delay=abc\r\nptzspeed_level=7\r\nauto_tilt=1\r\n") << "- - null abc\r/0 - - 7\r/7 - - - 1";
    }

    void teacherKeys()
    {
        QFETCH(QByteArray, reply);
        const TeacherKeys k = read_teacher_keys(working_text(reply));
        const auto n = [](const std::optional<int> &v) { return v ? QString::number(*v) : QStringLiteral("-"); };
        const auto b = [](const std::optional<bool> &v) { return v ? QString::number(int(*v)) : QStringLiteral("-"); };
        const auto s = [](const std::optional<SliderValue> &v) {
            return v ? v->text + '/' + QString::number(v->number) : QStringLiteral("-");
        };
        const QString mode = k.tracking_mode.isNull() ? QStringLiteral("null") : '\'' + k.tracking_mode + '\'';
        QTEST(QStringList({n(k.losing_object_strategy), n(k.multi_object_strategy), mode, s(k.time_to_pano_delay),
                           s(k.board_detect_time), s(k.board_continue_time), s(k.ptzspeed_level),
                           b(k.board_detect_enable), b(k.auto_tracking), b(k.manual_focus), b(k.auto_tilt)})
                  .join(' '),
              "read");
    }

    // The regions as received: a tracking y of 0 stays 0 (the main window keeps it as 5).
    void teacherRegionsAsReceived()
    {
        teacher_region_keys::TeacherRegionCoord coord;
        coord.tracking = {1, 7, 1, 1};
        store_teacher_regions(working_text("pano_tilt_scale=0\npano_pan_scale=x\nteacher_board_enable=1"), coord);
        QCOMPARE(coord.tracking, (region_geometry::RegionRect{0, 0, 1, 1}));
        QCOMPARE(coord.pano_board_enable, QStringLiteral("1"));
        QVERIFY(coord.pano_shield_enable.isNull());
    }

    void studentKeys()
    {
        const QString text = working_text("student_parameter\nlosing_object_strategy=11\ntime_delay=7\n"
                                          "multi_object_strategy=2\nfeature_continue_max_time=x\nauto_tracking=1\n"
                                          "face_detect=0\npano_switch=2");
        const StudentKeys k = read_student_keys(text);
        QCOMPARE(k.losing_object_strategy, std::optional<int>(1));
        QCOMPARE(k.time_delay, std::optional<SliderValue>(SliderValue{QStringLiteral("7"), 7}));
        QCOMPARE(k.multi_object_strategy, std::optional<int>(1));
        QCOMPARE(k.feature_continue_max_time, std::optional<int>(0));
        QCOMPARE(k.auto_tracking, std::optional<bool>(true));
        QCOMPARE(k.face_detect, std::optional<bool>(false));
        QCOMPARE(k.pano_switch, std::optional<bool>());
        const StudentRegionCoord coord = read_student_regions(
            working_text("forward_left_x=640\nbackward_left_y=x\npano_shield_enable=10\n"
                         "pano_pan_fourth_shield_scale=1\npano_tilt_fourth_shield_scale=2\n"
                         "pano_pan_fourth_shield_increment=3\npano_tilt_fourth_shield_increment=359"));
        QCOMPARE(coord.corners[0], std::optional<int>(640));
        QCOMPARE(coord.corners[7], std::optional<int>(0));
        QCOMPARE(coord.corners[1], std::optional<int>());
        QCOMPARE(coord.pano_shield_enable, QStringLiteral("10"));
        QCOMPARE(coord.value(3, 3), std::optional<int>(359));
        QVERIFY(coord.carries_shield(3) && !coord.carries_shield(0));
        // The echo of a set carries nothing.
        const StudentRegionCoord echo = read_student_regions(working_text("student_parameter\nset_student_config_file"));
        QVERIFY(echo.pano_shield_enable.isNull() && !echo.corners[0] && !echo.carries_shield(1));
        QVERIFY(!carries_teacher_regions(working_text("teacher_parameter\nset_teacher_config_file\nauto_tracking=1")));
        QVERIFY(carries_teacher_regions(working_text("teacher_parameter\nteacher_board_enable=")));
    }

    // The groups: events only with their enable string, the interior codes only with theirs;
    // a short flag list unchecks the boxes it says nothing of.
    void directorKeys_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("firstCode"); // teacher, student, board, interior, board 1
        QTest::newRow("teacher pano camera, 10101")
            << QByteArray("teacher_parameter\ndirector_parameter\nget_director_config_file\n"
                          "extern_director_teacher_enable=10101\nteacher_walk_up_platform=T1\n"
                          "extern_director_student_enable=0000\nstudent_stand_up=S1\ninner_director_enable=01010\n"
                          "inner_teacher_feature=I1\nblackboard_director_enable=01\nblackboard1_feature=B1\n"
                          "extern_director_blackboard_enable=01\nblackboard_have_object_tracked=E1")
            << "10101 1111 01 01010 01" << "T1 - E1 I1 B1";
        QTest::newRow("short flag lists")
            << QByteArray("teacher_parameter\ndirector_parameter\nextern_director_teacher_enable=1\n"
                          "inner_director_enable=\nblackboard_director_enable=1")
            << "10000 1111 11 00000 10" << "- - - - -";
        QTest::newRow("teacher events without their enable string")
            << QByteArray("teacher_parameter\ndirector_parameter\nteacher_walk_up_platform=T1\ninner_teacher_feature=I1")
            << "11111 1111 11 11111 11" << "- - - - -";
        QTest::newRow("student pano camera")
            << QByteArray("student_parameter\ndirector_parameter\nextern_director_teacher_enable=00000\n"
                          "extern_director_student_enable=0110\nstudent_stand_up=S1\ninner_director_enable=00000")
            << "11111 0110 11 11111 11" << "- S1 - - -";
    }

    void directorKeys()
    {
        QFETCH(QByteArray, reply);
        DirectorSection s = dp::default_settings();
        const DirectorSection before = s;
        for (const dp::ReadItem &item : read_director_keys(working_text(reply)))
            dp::take(s, item);
        QTEST(flags(s), "flags");
        const auto code = [](const CodeSwitch &now, const CodeSwitch &was) {
            return now.code == was.code ? QStringLiteral("-") : now.code;
        };
        QTEST(QStringList({code(s.teacher[0], before.teacher[0]), code(s.student[0], before.student[0]),
                           code(s.board[0], before.board[0]), code(s.interior[0], before.interior[0]),
                           code(s.blackboard[0], before.blackboard[0])})
                  .join(' '),
              "firstCode");
    }

    // A short flag list unchecks the boxes past its end, whatever the memory there holds.
    void shortFlagListReadsNothingPastItsEnd()
    {
        static const QChar ones[] = {'1', '1', '1', '1', '1'};
        DirectorSection s = dp::default_settings();
        dp::take(s, {dp::Field::TeacherEnable, QString::fromRawData(ones, 2)});
        dp::take(s, {dp::Field::StudentEnable, QString::fromRawData(ones, 0)});
        QCOMPARE(flags(s), QStringLiteral("11000 0000 11 11111 11"));
    }

    // The common keys; the command type only for "0" and "1".
    void directorCommonKeys()
    {
        DirectorSection s = dp::default_settings();
        const QString text = working_text("student_parameter\ndirector_parameter\ncommunicate_mode=2\ncommand_mode=2\n"
                                          "director_broadcast_ip=10.0.0.9\ndirector_broadcast_port=\nswitch_auto=A\n"
                                          "switch_manual=M\ndirector_command_times=1\ndirector_strategy=0\n"
                                          "pano_port=1\nmin_switch_time=9");
        const QVector<dp::ReadItem> items = read_director_keys(text);
        QCOMPARE(items.size(), 8);
        for (const dp::ReadItem &item : items)
            dp::take(s, item);
        QCOMPARE(s.communicate_mode, 2);
        QCOMPARE(s.command_mode, 0);
        QCOMPARE(s.broadcast_ip, QStringLiteral("10.0.0.9"));
        QCOMPARE(s.broadcast_port, QString(""));
        QCOMPARE(s.switch_auto + s.switch_manual, QStringLiteral("AM"));
        QCOMPARE(s.command_times, 1);
        QCOMPARE(s.strategy, 0);
    }
};

QTEST_GUILESS_MAIN(tst_WizardReply)
#include "tst_wizard_reply.moc"
