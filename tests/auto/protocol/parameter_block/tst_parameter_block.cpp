// The grammar of text blocks (building them, looking keys up in answers), the classification
// of a text answer into the parser's cases, and the bookkeeping of the requests it answers.
#include "protocol/parameter_block.h"
#include "protocol/parameter_reply.h"
#include "protocol/request_poller.h"

#include <QRegularExpression>
#include <QtTest>

using parameter_block::Item;
using namespace parameter_reply;
Q_DECLARE_METATYPE(QVector<Item>)

namespace {
// A null QString marks "key absent" in the tables below.
const QString kAbsent;
const QStringList kKinds{"TO", "TA", "SO", "SA"};

// The whole classification in one line, e.g. "TrackingStatus status:teacher(start,error,mismatch)".
QString describe(const Classification &c)
{
    const char *const kinds[] = {"Unmatched",  "BoardRelayed",         "TeacherCropStatus", "StudentCropStatus",
                                 "TeacherSection", "StudentAutocalibrate", "StudentSection", "BoardSection",
                                 "DirectorSection", "TrackingStatus"};
    const char *const echoes[] = {"TeacherApply", "TeacherTrackingObtain", "TeacherDirectorObtain",
                                  "StudentApply", "StudentTrackingObtain", "StudentDirectorObtain"};
    QStringList out{QLatin1String(kinds[int(c.kind)])};
    QStringList names;
    for (Echo e : c.echoes)
        names << QLatin1String(echoes[int(e)]);
    if (!names.isEmpty())
        out << QStringLiteral("echoes:") + names.join(QLatin1Char(','));
    if (c.crop_start || c.crop_stop)
        out << QStringLiteral("crop:%1%2").arg(c.crop_start ? "start," : "", c.crop_stop ? "stop" : "");
    if (c.kind == Kind::StudentAutocalibrate)
        out << QStringLiteral("autocal:") + c.autocalibrate_value + (c.autocalibrate_failed ? ",failed" : "");
    for (const StatusPart &p : c.status_parts) {
        const char *side = p.side == Side::Teacher ? "teacher" : p.side == Side::Student ? "student" : "board";
        out << QStringLiteral("%1(%2%3%4%5)").arg(QLatin1String(side), p.start ? "start," : "", p.stop ? "stop," : "",
                                                   p.error ? "error," : "", p.type_mismatch ? "mismatch" : "");
    }
    return out.join(QLatin1Char(' '));
}
} // namespace

class tst_ParameterBlock : public QObject
{
    Q_OBJECT

private slots:
    // No line feed at the end; a value cannot start a line of its own, and a key that would
    // break the grammar names no item.
    void build_data()
    {
        QTest::addColumn<QStringList>("head");
        QTest::addColumn<QVector<Item>>("items");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("warning");

        const QStringList head{"teacher_parameter", "set_tracking_config_file"};
        QTest::newRow("obtain request") << QStringList{"teacher_parameter", "get_tracking_config_file"}
                                        << QVector<Item>{} << "teacher_parameter\nget_tracking_config_file" << "";
        QTest::newRow("items, an empty value and one with '='")
            << head << QVector<Item>{{"sensitivity", "2"}, {"code", ""}, {"note", "a=b"}}
            << "teacher_parameter\nset_tracking_config_file\nsensitivity=2\ncode=\nnote=a=b" << "";
        QTest::newRow("line feed in a value cannot start a line of its own")
            << head << QVector<Item>{{"director_ip", "10.0.0.1\ntracking_mode=5"}, {"sensitivity", "2"}}
            << "teacher_parameter\nset_tracking_config_file\ndirector_ip=10.0.0.1tracking_mode=5\nsensitivity=2"
            << "line breaks removed from the value of \"director_ip\"";
        QTest::newRow("carriage return, NUL and unicode separators removed")
            << QStringList{"teacher_parameter"}
            << QVector<Item>{{"name", QString::fromUtf16(u"a\r\nb") + QChar(0) + QString::fromUtf16(u"c\u2028d\u0085e\u2029f")}}
            << "teacher_parameter\nname=abcdef" << "line breaks removed from the value of \"name\"";
        QTest::newRow("key with '=' left out") << QStringList{"teacher_parameter"} << QVector<Item>{{"a=b", "1"}, {"c", "2"}}
                                               << "teacher_parameter\nc=2" << "item with unusable key \"a=b\" left out";
        QTest::newRow("empty key left out") << QStringList{"teacher_parameter"} << QVector<Item>{{"", "1"}}
                                            << "teacher_parameter" << "item with unusable key \"\" left out";
    }

    void build()
    {
        QFETCH(QStringList, head);
        QFETCH(QVector<Item>, items);
        QFETCH(QString, warning);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^parameter block: " + warning + '$'));
        QTEST(parameter_block::build(head, items), "expected");
    }

    // Keys only at the start of a line, the first line winning; a one-character value never
    // reads past the end; a zero character ends the text.
    void lookup_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");        // kAbsent when the key is absent
        QTest::addColumn<QString>("oneCharValue"); // kAbsent when the key is absent

        const QString reply = QStringLiteral(
            "teacher_parameter\nget_tracking_config_file\nsensitivity=3\ntracking_mode=1\ndirector_ip=192.168.1.9\nend=1");
        QTest::newRow("first item") << reply << "sensitivity" << "3" << "3";
        QTest::newRow("one-character value at the very end") << reply << "end" << "1" << "1";
        QTest::newRow("section line is not an item") << reply << "teacher_parameter" << kAbsent << kAbsent;
        QTest::newRow("suffix key: the longer key comes first") << "pano_pan_speed=7\npan_speed=2" << "pan_speed" << "2"
                                                                << "2";
        QTest::newRow("suffix key: the longer key alone") << "teacher_parameter\npano_pan_speed=7" << "pan_speed"
                                                          << kAbsent << kAbsent;
        QTest::newRow("key inside another item's value") << "note=pan_speed=9\npan_speed=4" << "pan_speed" << "4" << "4";
        QTest::newRow("empty value at the very end: nothing read past it") << "a=1\nflag=" << "flag" << "" << "";
        QTest::newRow("empty value before a line feed") << "flag=\na=1" << "flag" << "" << "";
        QTest::newRow("key without its '=' at the end") << "a=1\nflag" << "flag" << kAbsent << kAbsent;
        QTest::newRow("first of two lines wins") << "mode=1\nmode=2" << "mode" << "1" << "1";
        QTest::newRow("carriage return stays in the value") << "mode=1\r\nnext=2" << "mode" << "1\r" << "1";
        QTest::newRow("NUL ends the value") << QStringLiteral("name=abc") + QChar(0) + QStringLiteral("def") << "name"
                                            << "abc" << "a";
        QTest::newRow("NUL ends the text: later keys absent") << QStringLiteral("a=1") + QChar(0) + QStringLiteral("\nb=2")
                                                              << "b" << kAbsent << kAbsent;
        QTest::newRow("NUL right after '='") << QStringLiteral("flag=") + QChar(0) + QStringLiteral("1") << "flag" << ""
                                             << "";
    }

    void lookup()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, oneCharValue);
        const QString v = parameter_block::value(text, key);
        QCOMPARE(v.isNull(), value.isNull());
        QCOMPARE(v, value);
        const QString c = parameter_block::one_char_value(text, key);
        QCOMPARE(c.isNull(), oneCharValue.isNull());
        QCOMPARE(c, oneCharValue);
        QCOMPARE(parameter_block::has_key(text, key), !value.isNull());
    }

    void replyText()
    {
        QCOMPARE(parameter_block::reply_text(QByteArray("teacher_parameter\0\nstart", 24)),
                 QStringLiteral("teacher_parameter"));
        QCOMPARE(parameter_block::reply_text(QByteArray("a=1\0\0\0", 6)), QStringLiteral("a=1"));
        QCOMPARE(parameter_block::reply_text("n=\xe9\xff"), QString::fromLatin1("n=\xe9\xff"));
    }

    void classify_data()
    {
        QTest::addColumn<QString>("text");
        // T, S: a teacher or student request waits for its answer; t, s: that side's pano
        // connect waits for its tracking status.
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("expected");

        QTest::newRow("board answer relayed, read before anything else")
            << "teacher_parameter\nboard_parameter\nget_tracking_config_file\nboard_feature_enable=1" << "TS"
            << "BoardRelayed";
        QTest::newRow("crop start and stop in one answer") << "teacher_parameter\nteacher_crop_status\nstart stop" << "T"
                                                           << "TeacherCropStatus crop:start,stop";
        QTest::newRow("crop word without its section") << "teacher_crop_status\nstart" << "" << "Unmatched";
        QTest::newRow("teacher apply confirmed") << "teacher_parameter\nset_teacher_config_file" << "T"
                                                 << "TeacherSection echoes:TeacherApply";
        QTest::newRow("obtain echo needs the section line") << "get_tracking_config_file\nsensitivity=2" << "T"
                                                            << "Unmatched";
        QTest::newRow("teacher answer holding director_parameter")
            << "teacher_parameter\ndirector_parameter\nget_director_config_file\ndirector_ip=1.2.3.4" << "T"
            << "DirectorSection echoes:TeacherDirectorObtain";
        QTest::newRow("student obtain answered, teacher waiting too")
            << "student_parameter\nget_tracking_config_file\nsensitivity=1" << "TS"
            << "StudentSection echoes:StudentTrackingObtain";
        QTest::newRow("both sides confirmed in one answer") << "set_teacher_config_file\nset_student_config_file" << "TS"
                                                            << "Unmatched echoes:TeacherApply,StudentApply";
        QTest::newRow("auto-calibration failed, lines in another order")
            << "student_autocalibrate_status=fail_no_target\nstudent_parameter" << ""
            << "StudentAutocalibrate autocal:fail_no_target,failed";
        QTest::newRow("auto-calibration key only as a suffix")
            << "student_parameter\nold_student_autocalibrate_status=fail" << "" << "StudentSection";
        QTest::newRow("teacher status start and stop") << "teacher_parameter\nteacher_tracking_status\nstart\nstop" << "t"
                                                       << "TrackingStatus teacher(start,stop,)";
        QTest::newRow("teacher error while its connect waits") << "teacher_parameter\nteacher_tracking_status\nerror"
                                                               << "t" << "TrackingStatus teacher(error,mismatch)";
        QTest::newRow("teacher error at any other time") << "teacher_parameter\nteacher_tracking_status\nerror" << "s"
                                                         << "TrackingStatus teacher(error,)";
        QTest::newRow("teacher mismatch ends the answer")
            << "teacher_parameter\nteacher_tracking_status\nerror\nstudent_parameter\nstudent_tracking_status" << "ts"
            << "TrackingStatus teacher(error,mismatch)";
        QTest::newRow("teacher and student parts")
            << "teacher_parameter\nteacher_tracking_status\nstudent_parameter\nstudent_tracking_status\nstop" << "s"
            << "TrackingStatus teacher(stop,) student(stop,)";
        QTest::newRow("board error is always a mismatch") << "board_parameter\nboard_tracking_status\nerror" << ""
                                                          << "TrackingStatus board(error,mismatch)";
        QTest::newRow("unknown words") << "hello camera" << "TSts" << "Unmatched";
    }

    void classify()
    {
        QFETCH(QString, text);
        QFETCH(QString, flags);
        Flags f;
        f.teacher_request_pending = flags.contains(QLatin1Char('T'));
        f.student_request_pending = flags.contains(QLatin1Char('S'));
        f.teacher_pano_status_pending = flags.contains(QLatin1Char('t'));
        f.student_pano_status_pending = flags.contains(QLatin1Char('s'));
        QTEST(describe(parameter_reply::classify(text, f)), "expected");
    }

    // The bookkeeping of obtain and apply requests: an answered request succeeds at its next poll,
    // an unanswered one fails at its eleventh, and a failed, stale or cancelled request is never
    // reported as a success. Each row is a script of steps on the four kinds TO, TA, SO, SA
    // (teacher or student, obtain or apply):
    //   arm:K / arms:K   arm a request (arms: silent)      ans:K / ans!:K   an echo that counts / does not
    //   cancel:K         its camera went away               stale:K          an answered flag and 9 ticks
    //                                                                        left over on an idle kind
    //   tick             a poll that ends nothing           tick*N           N such polls
    //   tick=R,...       a poll that ends these requests, in order: K then + or - (success or
    //                    failure), then s when it was silent
    void requestPoller_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("answer before the first poll") << "arm:TA ans:TA tick=TA+ tick";
        QTest::newRow("ten quiet polls, failure at the eleventh, once") << "arm:SO tick*10 tick=SO- tick*15";
        QTest::newRow("an answer at the limit comes too late") << "arm:TA tick*10 ans:TA tick=TA-";
        QTest::newRow("a late echo after a failure counts for nothing")
            << "arm:TO tick*10 tick=TO- ans!:TO arm:TO tick*10 tick=TO-";
        QTest::newRow("arming clears a stale answer and the count") << "stale:SA arm:SA tick*10 tick=SA-";
        QTest::newRow("a request armed again waits afresh") << "arm:SO tick*8 arm:SO tick*10 tick=SO-";
        QTest::newRow("cancel while pending: no outcome, no late answer, no old count")
            << "arms:TO tick*5 ans:TO cancel:TO tick ans!:TO arm:TO tick*10 tick=TO-";
        QTest::newRow("a failed silent request does not hide the next success")
            << "arms:TO tick*10 tick=TO-s arm:TO ans:TO tick=TO+";
        QTest::newRow("the installer's request replaces a silent one") << "arms:SO ans:SO tick=SO+s arms:SO arm:SO ans:SO tick=SO+";
        QTest::newRow("applies are never silent") << "arms:TA ans:TA tick=TA+";
        QTest::newRow("one poll in the fixed order, idle kinds left alone")
            << "stale:TO arm:SA arm:TA arm:SO ans:SA ans:TA ans:SO tick=TA+,SO+,SA+ tick";
    }

    void requestPoller()
    {
        QFETCH(QString, steps);
        request_poller::Requests r;
        for (const QString &step : steps.split(QLatin1Char(' '))) {
            const QString verb = step.section(QRegularExpression(QStringLiteral("[:=*]")), 0, 0);
            const QString arg = step.mid(verb.size() + 1);
            const auto kind = request_poller::Kind(kKinds.indexOf(arg));
            if (verb == QLatin1String("arm") || verb == QLatin1String("arms")) {
                r.arm(kind, verb == QLatin1String("arms"));
            } else if (verb == QLatin1String("ans") || verb == QLatin1String("ans!")) {
                QVERIFY2(r.answer(kind) == (verb == QLatin1String("ans")), qPrintable(step));
            } else if (verb == QLatin1String("cancel")) {
                r.cancel(kind);
            } else if (verb == QLatin1String("stale")) {
                r[kind].ok = true;
                r[kind].ticks = 9;
            } else {
                const int polls = step.contains(QLatin1Char('*')) ? arg.toInt() : 1;
                for (int i = 0; i < polls; ++i) {
                    QStringList ended;
                    for (const request_poller::Result &e : r.tick()) {
                        const char *outcome = e.outcome == request_poller::Outcome::Succeeded ? "+" : "-";
                        ended << kKinds.at(int(e.kind)) + outcome + (e.silent ? "s" : "");
                        // Idle again before the caller shows anything.
                        const request_poller::Pair &p = r[e.kind];
                        QVERIFY(!p.wait && !p.ok && p.ticks == 0 && !p.silent);
                    }
                    QCOMPARE(ended.join(QLatin1Char(',')), step.contains(QLatin1Char('=')) ? arg : QString());
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(tst_ParameterBlock)
#include "tst_parameter_block.moc"
