#include "protocol/parameter_block.h"
#include "protocol/parameter_reply.h"

#include <QtTest>

using namespace parameter_reply;

namespace {
Flags flagsOf(const QString &letters)
{
    Flags f;
    f.teacher_request_pending = letters.contains(QLatin1Char('T'));
    f.student_request_pending = letters.contains(QLatin1Char('S'));
    f.teacher_pano_status_pending = letters.contains(QLatin1Char('t'));
    f.student_pano_status_pending = letters.contains(QLatin1Char('s'));
    return f;
}

QString kindName(Kind k)
{
    switch (k) {
    case Kind::Unmatched: return QStringLiteral("Unmatched");
    case Kind::BoardRelayed: return QStringLiteral("BoardRelayed");
    case Kind::TeacherCropStatus: return QStringLiteral("TeacherCropStatus");
    case Kind::StudentCropStatus: return QStringLiteral("StudentCropStatus");
    case Kind::TeacherSection: return QStringLiteral("TeacherSection");
    case Kind::StudentAutocalibrate: return QStringLiteral("StudentAutocalibrate");
    case Kind::StudentSection: return QStringLiteral("StudentSection");
    case Kind::BoardSection: return QStringLiteral("BoardSection");
    case Kind::DirectorSection: return QStringLiteral("DirectorSection");
    case Kind::TrackingStatus: return QStringLiteral("TrackingStatus");
    }
    return QStringLiteral("?");
}

QString echoName(Echo e)
{
    switch (e) {
    case Echo::TeacherApply: return QStringLiteral("TeacherApply");
    case Echo::TeacherTrackingObtain: return QStringLiteral("TeacherTrackingObtain");
    case Echo::TeacherDirectorObtain: return QStringLiteral("TeacherDirectorObtain");
    case Echo::StudentApply: return QStringLiteral("StudentApply");
    case Echo::StudentTrackingObtain: return QStringLiteral("StudentTrackingObtain");
    case Echo::StudentDirectorObtain: return QStringLiteral("StudentDirectorObtain");
    }
    return QStringLiteral("?");
}

// The whole classification in one line, e.g. "TrackingStatus status:teacher(start,error,mismatch)".
QString describe(const Classification &c)
{
    QStringList out{kindName(c.kind)};
    if (!c.echoes.isEmpty()) {
        QStringList names;
        for (Echo e : c.echoes)
            names << echoName(e);
        out << QStringLiteral("echoes:") + names.join(QLatin1Char(','));
    }
    if (c.kind == Kind::TeacherCropStatus || c.kind == Kind::StudentCropStatus) {
        QStringList words;
        if (c.crop_start)
            words << QStringLiteral("start");
        if (c.crop_stop)
            words << QStringLiteral("stop");
        out << QStringLiteral("crop:") + words.join(QLatin1Char(','));
    }
    if (c.kind == Kind::StudentAutocalibrate)
        out << QStringLiteral("autocal:") + c.autocalibrate_value + (c.autocalibrate_failed ? QStringLiteral(",failed") : QString());
    if (!c.status_parts.isEmpty()) {
        QStringList parts;
        for (const StatusPart &p : c.status_parts) {
            QStringList words;
            if (p.start)
                words << QStringLiteral("start");
            if (p.stop)
                words << QStringLiteral("stop");
            if (p.error)
                words << QStringLiteral("error");
            if (p.type_mismatch)
                words << QStringLiteral("mismatch");
            const char *side = p.side == Side::Teacher ? "teacher" : p.side == Side::Student ? "student" : "board";
            parts << QLatin1String(side) + QLatin1Char('(') + words.join(QLatin1Char(',')) + QLatin1Char(')');
        }
        out << QStringLiteral("status:") + parts.join(QLatin1Char(' '));
    }
    return out.join(QLatin1Char(' '));
}
} // namespace

class tst_ParameterReply : public QObject
{
    Q_OBJECT

private slots:
    void classify_data()
    {
        QTest::addColumn<QString>("text");
        // T, S: a teacher or student request waits for its answer; t, s: that side's pano
        // connect waits for its tracking status.
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("expected");

        // Board answer relayed by the teacher pano camera: read before anything else.
        QTest::newRow("board answer relayed")
            << "teacher_parameter\nboard_parameter\nget_tracking_config_file\nboard_feature_enable=1" << "TS"
            << "BoardRelayed";

        // Crop status.
        QTest::newRow("teacher crop start") << "teacher_parameter\nteacher_crop_status\nstart" << "" << "TeacherCropStatus crop:start";
        QTest::newRow("teacher crop start and stop") << "teacher_parameter\nteacher_crop_status\nstart stop" << "T"
                                                     << "TeacherCropStatus crop:start,stop";
        QTest::newRow("student crop stop") << "student_parameter\nstudent_crop_status\nstop" << "" << "StudentCropStatus crop:stop";
        QTest::newRow("crop word without its section") << "teacher_crop_status\nstart" << "" << "Unmatched";

        // Teacher echoes and section.
        QTest::newRow("teacher apply confirmed") << "teacher_parameter\nset_teacher_config_file" << "T"
                                                 << "TeacherSection echoes:TeacherApply";
        QTest::newRow("teacher apply confirmation while nothing waits") << "teacher_parameter\nset_teacher_config_file" << ""
                                                                        << "TeacherSection";
        QTest::newRow("confirmation word alone") << "set_teacher_config_file" << "T" << "Unmatched echoes:TeacherApply";
        QTest::newRow("teacher obtain answered")
            << "teacher_parameter\nget_tracking_config_file\nsensitivity=2" << "T" << "TeacherSection echoes:TeacherTrackingObtain";
        QTest::newRow("obtain echo needs the section line") << "get_tracking_config_file\nsensitivity=2" << "T" << "Unmatched";
        QTest::newRow("teacher answer holding director_parameter goes to the director table")
            << "teacher_parameter\ndirector_parameter\nget_director_config_file\ndirector_ip=1.2.3.4" << "T"
            << "DirectorSection echoes:TeacherDirectorObtain";

        // Student echoes and section.
        QTest::newRow("student apply confirmed") << "student_parameter\nset_student_config_file" << "S"
                                                 << "StudentSection echoes:StudentApply";
        QTest::newRow("student obtain answered, teacher waiting too")
            << "student_parameter\nget_tracking_config_file\nsensitivity=1" << "TS" << "StudentSection echoes:StudentTrackingObtain";
        QTest::newRow("student director answer")
            << "student_parameter\ndirector_parameter\nget_director_config_file" << "TS"
            << "DirectorSection echoes:StudentDirectorObtain";
        QTest::newRow("both sides confirmed in one answer")
            << "set_teacher_config_file\nset_student_config_file" << "TS" << "Unmatched echoes:TeacherApply,StudentApply";
        QTest::newRow("auto-calibration succeeded")
            << "student_parameter\nstudent_autocalibrate_status=success" << "" << "StudentAutocalibrate autocal:success";
        QTest::newRow("auto-calibration failed, lines in another order")
            << "student_autocalibrate_status=fail_no_target\nstudent_parameter" << "" << "StudentAutocalibrate autocal:fail_no_target,failed";
        QTest::newRow("auto-calibration key only as a suffix")
            << "student_parameter\nold_student_autocalibrate_status=fail" << "" << "StudentSection";

        // Board and director sections.
        QTest::newRow("board section") << "board_parameter\nget_tracking_config_file\nboard_sensitivity=2" << "T"
                                       << "BoardSection";
        QTest::newRow("director section alone") << "director_parameter\ndirector_ip=1.2.3.4" << "" << "DirectorSection";
        QTest::newRow("status answer holding director_parameter")
            << "teacher_parameter\ndirector_parameter\nteacher_tracking_status\nstart" << "" << "DirectorSection";

        // Tracking status.
        QTest::newRow("teacher status start") << "teacher_parameter\nteacher_tracking_status\nstart" << ""
                                              << "TrackingStatus status:teacher(start)";
        QTest::newRow("teacher status start and stop") << "teacher_parameter\nteacher_tracking_status\nstart\nstop" << "t"
                                                       << "TrackingStatus status:teacher(start,stop)";
        QTest::newRow("teacher error while its connect waits")
            << "teacher_parameter\nteacher_tracking_status\nerror" << "t" << "TrackingStatus status:teacher(error,mismatch)";
        QTest::newRow("teacher error at any other time")
            << "teacher_parameter\nteacher_tracking_status\nerror" << "s" << "TrackingStatus status:teacher(error)";
        QTest::newRow("teacher mismatch ends the answer")
            << "teacher_parameter\nteacher_tracking_status\nerror\nstudent_parameter\nstudent_tracking_status" << "ts"
            << "TrackingStatus status:teacher(error,mismatch)";
        QTest::newRow("teacher and student parts")
            << "teacher_parameter\nteacher_tracking_status\nstudent_parameter\nstudent_tracking_status\nstop" << "s"
            << "TrackingStatus status:teacher(stop) student(stop)";
        QTest::newRow("student error while its connect waits")
            << "student_parameter\nstudent_tracking_status\nerror" << "s" << "TrackingStatus status:student(error,mismatch)";
        QTest::newRow("board status stop") << "board_parameter\nboard_tracking_status\nstop" << "" << "TrackingStatus status:board(stop)";
        QTest::newRow("board error is always a mismatch") << "board_parameter\nboard_tracking_status\nerror" << ""
                                                          << "TrackingStatus status:board(error,mismatch)";
        QTest::newRow("status word without its section") << "teacher_tracking_status\nstart" << "t" << "Unmatched";
        QTest::newRow("teacher status with a student section line is read as student section")
            << "teacher_parameter\nteacher_tracking_status\nstart\nstudent_parameter" << "" << "StudentSection";

        QTest::newRow("empty answer") << "" << "TSts" << "Unmatched";
        QTest::newRow("unknown words") << "hello camera" << "TSts" << "Unmatched";
    }

    void classify()
    {
        QFETCH(QString, text);
        QFETCH(QString, flags);
        QFETCH(QString, expected);
        QCOMPARE(describe(parameter_reply::classify(text, flagsOf(flags))), expected);
    }

    // The answer's bytes stop at the first zero byte: words behind it do not count.
    void zeroByteEndsTheAnswer()
    {
        const QByteArray reply("teacher_parameter\nteacher_tracking_status\0start", 47);
        const QString text = parameter_block::reply_text(reply);
        QCOMPARE(describe(parameter_reply::classify(text, flagsOf(QString()))),
                 QStringLiteral("TrackingStatus status:teacher()"));
    }

    void echoHelpers_data()
    {
        QTest::addColumn<int>("echo");
        QTest::addColumn<QString>("logLine");
        QTest::addColumn<bool>("apply");
        QTest::addColumn<bool>("teacher");

        QTest::newRow("teacher apply") << int(Echo::TeacherApply) << "set teacher tracking config success!" << true << true;
        QTest::newRow("teacher obtain") << int(Echo::TeacherTrackingObtain) << "get teacher tracking config success!" << false << true;
        QTest::newRow("teacher director") << int(Echo::TeacherDirectorObtain) << "get director config success!" << false << true;
        QTest::newRow("student apply") << int(Echo::StudentApply) << "set student tracking config success!" << true << false;
        QTest::newRow("student obtain") << int(Echo::StudentTrackingObtain) << "get student tracking config success!" << false << false;
        QTest::newRow("student director") << int(Echo::StudentDirectorObtain) << "get director config success!" << false << false;
    }

    void echoHelpers()
    {
        QFETCH(int, echo);
        QFETCH(QString, logLine);
        QFETCH(bool, apply);
        QFETCH(bool, teacher);
        const Echo e = static_cast<Echo>(echo);
        QCOMPARE(echo_log_line(e), logLine);
        QCOMPARE(echo_answers_apply(e), apply);
        QCOMPARE(echo_is_teacher(e), teacher);
    }
};

QTEST_APPLESS_MAIN(tst_ParameterReply)
#include "tst_parameter_reply.moc"
