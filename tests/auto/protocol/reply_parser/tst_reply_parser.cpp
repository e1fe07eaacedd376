// The reply parser without the window: answers fed as bytes, the requests they confirm, the
// status they leave, what they ask of the tabs and the connections, and the requests a status
// answer chains, seen as the datagrams the control link sends.
#include "core/time_scale.h"
#include "log_capture.h"
#include "mainwindow/reply_parser.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "model/pano_status.h"
#include "net/control_link.h"
#include "protocol/board_parameters.h"
#include "protocol/request_poller.h"
#include "recording_presenter.h"

#include <QTimer>
#include <QtTest>

using camera_slot::Side;
using camera_slot::Slot;
using request_poller::Kind;

namespace {
const QString kSides = QStringLiteral("tsb");
const QString kKinds[] = {"teacher obtain", "teacher apply", "student obtain", "student apply"};

QString onOff(bool on) { return QLatin1String(on ? "on" : "off"); }
Slot panoOf(Side side)
{
    return side == Side::Board ? Slot::BoardPano : side == Side::Student ? Slot::StudentPano : Slot::TeacherPano;
}

// The requests, the board status memory and the route as the parser reaches them; what it tells
// is recorded.
struct Host : RequestAnswers, BoardStatusMemory, ReplyRoute {
    request_poller::Requests requests;
    QStringList calls;
    bool boardChanged = true;
    bool pending(Kind kind) const override { return requests[kind].wait; }
    bool answer_request(Kind kind) override { return requests.answer(kind); }
    bool board_tracking_status_changed(const parameter_reply::StatusPart &) override { return boardChanged; }
    bool window_visible() const override { return true; }
    bool console_listens() const override { return false; }
    void console_reply(const QString &) override {}
    void listen(ReplyParser &parser)
    {
        using P = ReplyParser;
        const auto record = [this](const char *call) { return [this, call] { calls << QLatin1String(call); }; };
        QObject::connect(&parser, &P::teacher_section_read, record("teacher section"));
        QObject::connect(&parser, &P::student_section_read, record("student section"));
        QObject::connect(&parser, &P::board_section_read, record("board section"));
        QObject::connect(&parser, &P::director_section_read, record("director section"));
        QObject::connect(&parser, &P::student_autocalibrate_reported,
                         [this](const QString &value) { calls << "autocalibrate " + value; });
        QObject::connect(&parser, &P::board_relayed_keys_read, [this](const board_parameters::RelayReading &r) {
            auto v = [](const auto &value) { return value ? QString::number(*value) : QStringLiteral("-"); };
            calls << QStringLiteral("board keys %1 %2 %3")
                         .arg(v(r.feature_enable), v(r.feature1_enable), v(r.lost_to_pano_delay));
        });
        QObject::connect(&parser, &P::board_tracking_stop_wanted, record("board stop"));
        QObject::connect(&parser, &P::pano_release_wanted,
                         [this](Side side) { calls << QStringLiteral("toggle ") + kSides[int(side)]; });
        QObject::connect(&parser, &P::widget_status_wanted, [this](int camera, bool enable) {
            calls << QStringLiteral("tab %1 %2").arg(camera).arg(onOff(enable));
        });
        QObject::connect(&parser, &P::status_notice_wanted, [this](bool teacher, const QString &text) {
            calls << (teacher ? "tip t " : "tip s ") + text;
        });
        QObject::connect(&parser, &P::lectern_director_enabled_wanted,
                         [this](bool enable) { calls << "lectern " + onOff(enable); });
    }
};

// The parser with the three panos connected at 127.0.0.2 (teacher), .3 (student) and .4 (board);
// the student text port differs from the teacher's, which the board pano shares.
struct Parser {
    RecordingPresenter boxes;
    QWidget window;
    CameraSlots cameras;
    CameraPorts ports;
    ControlLink link{&cameras};
    PanoStatus status;
    Host host;
    DirectorSection director;
    ReplyParser parser{cameras, ports, link, status, director, host, host, host, &window};
    Parser()
    {
        host.listen(parser);
        ports.edit().student_udp_port = 6792;
        for (Slot pano : {Slot::TeacherPano, Slot::StudentPano, Slot::BoardPano}) {
            cameras[pano].udp_flag = true;
            cameras.set_destination(pano, QStringLiteral("127.0.0.%1").arg(int(camera_slot::side(pano)) + 2));
        }
    }
    // The status flags by name: pending, received, cropstart, cropstop, quiet, chain.
    bool &flag(const QString &name, Side side)
    {
        if (name == QLatin1String("pending"))
            return status.pano_status_pending(side);
        if (name == QLatin1String("received"))
            return status.status_received(side);
        if (name == QLatin1String("cropstart"))
            return status.crop_start_status(side);
        if (name == QLatin1String("cropstop"))
            return status.crop_stop_status(side);
        if (name == QLatin1String("quiet"))
            return status.crop_status_quiet(side);
        return status.obtain_chain_flag(side);
    }
    // Setup words: a flag and its side ("pending.t", "chain.b"), "obtain.s" and "apply.t" (the
    // request waits), "offline.t" (the pano is not connected), "M19", "unchanged" (board status).
    void setUp(const QString &words)
    {
        for (const QString &word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString key = word.section(QLatin1Char('.'), 0, 0);
            const Side side = Side(kSides.indexOf(word.section(QLatin1Char('.'), 1)));
            if (key == QLatin1String("obtain") || key == QLatin1String("apply"))
                host.requests.arm(Kind((side == Side::Student ? 2 : 0) + (key == QLatin1String("apply"))));
            else if (key == QLatin1String("offline"))
                cameras[panoOf(side)].udp_flag = false;
            else if (key == QLatin1String("M19"))
                cameras[Slot::TeacherFeature].device_model = key;
            else if (key == QLatin1String("unchanged"))
                host.boardChanged = false;
            else
                flag(key, side) = true;
        }
    }
    // What the answer left beside the defaults: tracking status and flags, confirmed requests, boxes.
    QString state()
    {
        QStringList s;
        for (int i = 0; i < 3; ++i) {
            if (status.cur_track_status(Side(i)) != 2)
                s << QStringLiteral("track %1%2").arg(kSides[i]).arg(status.cur_track_status(Side(i)));
            for (const QString name : {"pending", "received", "cropstart", "cropstop", "quiet", "chain"})
                if ((i < 2 || name == QLatin1String("chain")) && flag(name, Side(i)))
                    s << name + ' ' + kSides[i];
        }
        for (int k = 0; k < request_poller::kKindCount; ++k)
            if (host.requests[Kind(k)].ok)
                s << "ok " + kKinds[k];
        for (const msgbox::Request &box : boxes.shown)
            s << QStringLiteral("box %1: %2%3").arg(box.title, box.text, box.parent == &window ? "" : " (parent?)");
        return s.join(QLatin1String(", "));
    }
};

// The datagrams the control link sent, as "<pano> <port> <text>".
QStringList sent(const LogCapture &log)
{
    const QString mark = QStringLiteral("udp connection succeeded, params[");
    QStringList out;
    for (const QString &line : log.lines()) {
        if (!line.contains(mark))
            continue;
        const QString rest = line.section(mark, 1);
        const QString address = rest.section(QLatin1String("],destination["), 1).section(QLatin1Char(']'), 0, 0);
        const QString port = rest.section(QLatin1String("port["), 1).chopped(1);
        out << QStringLiteral("%1 %2 %3")
                   .arg(kSides[address.right(1).toInt() - 2])
                   .arg(port, rest.section(QLatin1String("],destination["), 0, 0));
    }
    return out;
}
} // namespace

class tst_ReplyParser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { timescale::setFactor(0.05); }

    void answers_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("state");

        const QByteArray tStatus = "teacher_parameter\nteacher_tracking_status=";
        const QByteArray sStatus = "student_parameter\nstudent_tracking_status=";
        const QByteArray bStatus = "board_parameter\nboard_tracking_status=";
        const QStringList tConfig{"t 6791 teacher_parameter\nget_tracking_config_file"};
        const QStringList sConfig{"s 6792 student_parameter\nget_tracking_config_file"};
        const QStringList bConfig{"b 6791 board_parameter\nget_tracking_config_file"};
        const QStringList tLocked{"tab 0 off", "tab 2 off"}, tFree{"tab 0 on", "tab 2 on"};
        const QString mismatch = QStringLiteral("box Warning: Connection types do not match");
        const QString on = QStringLiteral("Panorama cropping has been enabled");
        const QString off = QStringLiteral("Panorama cropping has been suspended");
        const QByteArray relayed = "teacher_parameter\nboard_parameter\nget_tracking_config_file\n";
        auto row = [](const char *name, const QString &setup, const QByteArray &reply, const QStringList &calls,
                      const QStringList &sent, const QString &state) {
            QTest::newRow(name) << setup << reply << calls << sent << state;
        };

        // Tracking status: the tabs lock while a side tracks; its configuration is asked next.
        row("teacher start", "", tStatus + "start", tLocked, tConfig, "track t1, received t, chain t");
        row("teacher start and stop, lectern model: stopped", "M19", tStatus + "start,stop",
            tLocked + QStringList{"lectern off"} + tFree + QStringList{"lectern on"}, tConfig, "received t, chain t");
        row("teacher error at another time", "", tStatus + "error", {}, tConfig, "received t, chain t");
        row("teacher error after a connect: wrong type", "pending.t", tStatus + "error",
            tFree + QStringList{"toggle t"}, {}, "received t, " + mismatch);
        row("a disconnected pano of the wrong type is not toggled", "pending.t offline.t", tStatus + "error", tFree,
            {}, "received t, " + mismatch);
        row("student start", "", sStatus + "start", {"tab 1 off"}, sConfig, "track s1, received s, chain s");
        row("student error after a connect", "pending.s", sStatus + "error", {"tab 1 on", "toggle s"}, {},
            "received s, " + mismatch);
        row("teacher and student in one answer", "", tStatus + "start\n" + sStatus + "start",
            tLocked + QStringList{"tab 1 off"}, tConfig + sConfig,
            "track t1, received t, chain t, track s1, received s, chain s");
        // The words count anywhere in the answer: the student's "start" starts the teacher part too.
        row("a teacher mismatch ends the answer", "pending.t", tStatus + "error\n" + sStatus + "start",
            tLocked + tFree + QStringList{"toggle t"}, {}, "received t, " + mismatch);
        row("board start", "", bStatus + "start", {"tab 2 off"}, bConfig, "track b1, chain b");
        row("board stop", "", bStatus + "stop", {"tab 2 on", "board stop"}, bConfig, "chain b");
        row("board stop as reported before: no stop, no request", "unchanged", bStatus + "stop", {"tab 2 on"}, {}, "");
        row("board error: always the wrong type", "", bStatus + "error", {"tab 2 on", "toggle b"}, {}, mismatch);

        // Crop status: a tip on a change only, none for the first answer after a connect.
        const QByteArray tCrop = "teacher_parameter\nteacher_crop_status=";
        row("teacher crop start", "", tCrop + "start", {"tip t " + on}, {}, "cropstart t");
        row("crop start after a connect: no tip", "quiet.t", tCrop + "start", {}, {}, "cropstart t");
        row("crop start again: nothing", "cropstart.t", tCrop + "start", {}, {}, "cropstart t");
        row("crop stop", "cropstart.t", tCrop + "stop", {"tip t " + off}, {}, "cropstop t");
        row("crop start and stop in one answer: two steps, stop wins", "", tCrop + "start stop",
            {"tip t " + on, "tip t " + off}, {}, "cropstop t");
        row("student crop stop after a connect", "quiet.s cropstart.s",
            "student_parameter\nstudent_crop_status=stop", {}, {}, "cropstop s");

        // Echoes confirm only a request that waits; a confirmation is read as its side's section.
        const QByteArray tConfirmation = "teacher_parameter\nset_teacher_config_file";
        row("teacher apply confirmed", "apply.t", tConfirmation, {"teacher section"}, {}, "ok teacher apply");
        row("a confirmation nobody waits for", "", tConfirmation, {"teacher section"}, {}, "");
        row("an apply's confirmation while only the obtain waits", "obtain.t", tConfirmation, {"teacher section"}, {},
            "");
        row("teacher obtain answered", "obtain.t", "teacher_parameter\nget_tracking_config_file\npano_sensitivity=2",
            {"teacher section"}, {}, "ok teacher obtain");
        row("the teacher pano's director answer", "obtain.t",
            "teacher_parameter\ndirector_parameter\nget_director_config_file", {"director section"}, {},
            "ok teacher obtain");
        row("student apply confirmed", "apply.s", "student_parameter\nset_student_config_file", {"student section"}, {},
            "ok student apply");
        row("a student answer does not answer the teacher", "obtain.t", "student_parameter\nget_tracking_config_file",
            {"student section"}, {}, "");
        row("board answer relayed by the teacher pano", "obtain.t",
            relayed + "board_feature_enable=1\nboard_feature1_enable=0\nboard_lost_to_pano_delay=7",
            {"board keys 1 0 7"}, {}, "ok teacher obtain");
        row("unasked board answer: keys read, nothing confirmed", "", relayed + "board_feature_enable=x",
            {"board keys 0 - -"}, {}, "");
        row("relayed board answer while an apply waits", "apply.t", relayed, {"board keys - - -"}, {}, "");

        // Sections and the chain: a status answer's configuration asks once for the director's.
        const QString tDirector = QStringLiteral("t 6791 teacher_parameter\nget_director_config_file");
        row("teacher section ends the chain", "chain.t", "teacher_parameter\nget_tracking_config_file",
            {"teacher section"}, {tDirector}, "");
        row("student section ends the chain", "chain.s", "student_parameter\nget_tracking_config_file",
            {"student section"}, {"s 6792 student_parameter\nget_director_config_file"}, "");
        row("board section ends the chain", "chain.b", "board_parameter\nget_tracking_config_file", {"board section"},
            {"b 6791 board_parameter\nget_director_config_file"}, "");
        row("the chain of a disconnected pano waits", "chain.t offline.t", "teacher_parameter\npano_sensitivity=2",
            {"teacher section"}, {}, "chain t");
        row("auto-calibration", "", "student_parameter\nstudent_autocalibrate_status=fail:no target\nx=1",
            {"autocalibrate fail:no target"}, {}, "");
        row("no case", "obtain.t obtain.s chain.t", "hello camera", {}, {}, "chain t");
        row("empty answer", "obtain.t", QByteArray(), {}, {}, "");
    }
    void answers()
    {
        QFETCH(QString, setup);
        QFETCH(QByteArray, reply);
        Parser p;
        p.setUp(setup);
        for (Slot pano : {Slot::TeacherPano, Slot::StudentPano})
            p.cameras[pano].response_timer->start();
        LogCapture log;
        p.parser.resolver_param(reply);
        QTEST(p.host.calls, "calls");
        QTEST(sent(log), "sent");
        QTEST(p.state(), "state");
        // A status answer ends only its own pano's wait.
        for (Side side : {Side::Teacher, Side::Student})
            QCOMPARE(p.cameras[panoOf(side)].response_timer->isActive(), !p.status.status_received(side));
    }

    // A connect arms the status wait and quiets the first crop answer; letting the pano go forgets both.
    void connectAndRelease()
    {
        Parser p;
        p.status.pano_connect_begins(Side::Teacher);
        p.status.pano_connect_begins(Side::Student);
        QCOMPARE(p.state(), QStringLiteral("pending t, quiet t, pending s, quiet s"));
        p.parser.resolver_param("student_parameter\nstudent_crop_status=start");
        p.status.pano_camera_released(Side::Teacher);
        p.status.pano_camera_released(Side::Student);
        QCOMPARE(p.state(), QString());
        QVERIFY(p.status.end_pano_status_wait(Side::Teacher));
        QVERIFY(!p.status.end_pano_status_wait(Side::Teacher));
        QCOMPARE(p.host.calls, QStringList());
    }

    // The log line of a long answer keeps its first 512 bytes.
    void longAnswerLogLine()
    {
        Parser p;
        LogCapture log;
        p.parser.resolver_param(QByteArray(2000, 'x'));
        QVERIFY(log.contains("MainWindow::resolver_param[" + QString(512, 'x') + "...(2000 bytes)]"));
    }
};

QTEST_MAIN(tst_ReplyParser)
#include "tst_reply_parser.moc"
