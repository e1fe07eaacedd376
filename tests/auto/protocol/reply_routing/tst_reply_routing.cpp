// Replies from cameras on loopback: UDP datagrams and the UOT frames of the two TCP links, cut
// into answers and routed to the manual director console, the wizard or the parser; cameras
// that misbehave leave the window handling its events.
#include "camera_slot_setup.h"
#include "core/time_scale.h"
#include "guide/guideconfig.h"
#include "log_capture.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "sim_camera.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

using camslot::Slot;

namespace {
constexpr int kReplyMs = 3000; // loopback answers within milliseconds; this only bounds a failure
constexpr int kSettleMs = 50;  // long enough for bytes already sent on loopback to be read

QByteArray le32(quint32 v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

// A UOT frame written by hand: marker, port, length, payload.
QByteArray uot(quint32 port, const QByteArray &payload, quint32 length = 0xFFFFFFFFu)
{
    return QByteArray("UOT\0", 4) + le32(port) + le32(length == 0xFFFFFFFFu ? quint32(payload.size()) : length) + payload;
}

// Counts the window's events while a test runs and remembers the longest time without one.
class Heartbeat
{
public:
    Heartbeat()
    {
        QObject::connect(&ticker, &QTimer::timeout, [this] {
            longest = qMax(longest, clock.restart());
            ++ticks;
        });
        clock.start();
        ticker.start(5);
    }
    qint64 longestGapMs() { return qMax(longest, clock.elapsed()); }
    QTimer ticker;
    QElapsedTimer clock;
    qint64 longest = 0;
    int ticks = 0;
};

// The window blocks for seconds nowhere: the longest gap between two of its events stays far
// below that.
constexpr qint64 kMaxGapMs = 1000;
} // namespace

class tst_ReplyRouting : public QObject
{
    Q_OBJECT

    std::unique_ptr<RecordingPresenter> boxes;
    std::unique_ptr<MainWindow> window;
    MainWindow *w = nullptr;
    std::unique_ptr<QSignalSpy> console;

    QStringList consoleMessages() const
    {
        QStringList out;
        for (const QList<QVariant> &args : *console)
            out << args.at(0).toString();
        return out;
    }

    void consoleRuns(bool run)
    {
        w->manual_direct_run = run;
        console->clear();
    }

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.1);
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        boxes.reset(new RecordingPresenter);
        window.reset(new MainWindow);
        w = window.get();
        // A hidden main window hands every text answer to the wizard.
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        console.reset(new QSignalSpy(w, &MainWindow::send));
    }

    void cleanupTestCase()
    {
        console.reset();
        if (window) {
            camslot::detachAll(*w);
            delete window->guide_config;
        }
        window.reset();
    }

    void init()
    {
        camslot::detachAll(*w);
        w->control_link->reset_links();
        w->manual_direct_run = false;
        w->manual_direct_teacher_tcp_flag = w->manual_direct_student_tcp_flag = false;
        w->manual_direct_teacher_ip.clear();
        w->manual_direct_student_ip.clear();
        w->teacher_crop_start_status = w->teacher_crop_stop_status = false;
        w->teacher_crop_status_quiet = true;
        w->ui->director_command_type_hex_radioButton->setChecked(true);
        for (QLineEdit *e : {w->ui->director_interior_teacher_feature_lineEdit, w->ui->director_interior_teacher_pano_lineEdit,
                             w->ui->director_interior_student_pano_lineEdit, w->ui->director_interior_student_feature_lineEdit})
            e->clear();
        if (!w->isVisible()) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        w->control_link->closeUdpServer();
        console->clear();
        boxes->clear();
    }

    // ---- where a text answer goes ----

    void routing_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("tcp");
        for (const char *route : {"console", "wizard", "parser"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, datagram").arg(QLatin1String(route)))) << route << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, TCP frame").arg(QLatin1String(route)))) << route << true;
        }
    }
    void routing()
    {
        QFETCH(QString, route);
        QFETCH(bool, tcp);
        SimCamera camera(QStringLiteral("127.0.0.2"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.2"), tcp));
        consoleRuns(route == QLatin1String("console"));
        if (route == QLatin1String("wizard"))
            w->hide();
        LogCapture log;

        const QByteArray answer = "teacher_parameter\nteacher_crop_status=start";
        if (tcp)
            QCOMPARE(camera.pushFrameToLinks(6791, answer), 1);
        else
            QVERIFY(camera.pushDatagram(false, answer, QHostAddress(QStringLiteral("127.0.0.1")), 7791));

        if (route == QLatin1String("console")) {
            QTRY_COMPARE_WITH_TIMEOUT(console->size(), 1, kReplyMs);
            QCOMPARE(consoleMessages(), QStringList{QString::fromLatin1(answer)});
        } else if (route == QLatin1String("wizard")) {
            QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("reply not handled[") + QString::fromLatin1(answer)), kReplyMs);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(w->teacher_crop_start_status, kReplyMs);
            QVERIFY(!w->teacher_crop_status_quiet);
        }
        QTest::qWait(kSettleMs);
        QCOMPARE(w->teacher_crop_start_status, route == QLatin1String("parser"));
        QCOMPARE(log.count(QStringLiteral("MainWindow::resolver_param[")), route == QLatin1String("parser") ? 1 : 0);
        QCOMPARE(console->size(), route == QLatin1String("console") ? 1 : 0);
    }

    // While the console runs it receives each answer as a text, or the name of the picture
    // whose director code the answer is.
    void consoleMessage_data()
    {
        QTest::addColumn<QString>("type"); // "hex", "ascii" or "" (neither selected)
        QTest::addColumn<QStringList>("codes"); // teacher feature, teacher pano, student pano, student feature
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("teacherStatus");
        QTest::addColumn<int>("studentStatus");

        const QStringList codes{"FF 22 22", "FF 22 33", "ff 44 44", "FF 44 55"};
        QTest::newRow("hex code of the teacher feature") << "hex" << codes << QByteArray("\xFF\x22\x22", 3) << "teacher feature" << 2 << 2;
        QTest::newRow("hex code of the teacher pano") << "hex" << codes << QByteArray("\xFF\x22\x33", 3) << "teacher pano" << 2 << 2;
        QTest::newRow("hex code, other case") << "hex" << codes << QByteArray("\xFF\x44\x44", 3) << "student pano" << 2 << 2;
        QTest::newRow("hex code of the student feature") << "hex" << codes << QByteArray("\xFF\x44\x55", 3) << "student feature" << 2 << 2;
        QTest::newRow("hex, no code") << "hex" << codes << QByteArray("\xFF\x44\x56", 3) << QString::fromLatin1("\xFF\x44\x56", 3) << 2 << 2;
        QTest::newRow("ascii code without its blanks") << "ascii" << QStringList{"", "PANO ON", "", ""}
                                                       << QByteArray("pano on") << "teacher pano" << 2 << 2;
        QTest::newRow("no type: the text itself") << "" << QStringList{"", "PANO ON", "", ""} << QByteArray("PANO ON")
                                                  << "PANO ON" << 2 << 2;
        // Empty code fields name no picture, not even for an empty answer.
        QTest::newRow("empty answer, empty codes") << "hex" << QStringList{"", "", "", ""} << QByteArray() << "" << 2 << 2;
        QTest::newRow("teacher tracking started") << "hex" << codes
            << QByteArray("teacher_parameter\nteacher_tracking_status=start") << "teacher_parameter\nteacher_tracking_status=start" << 1 << 2;
        QTest::newRow("student start and stop: stopped") << "hex" << codes
            << QByteArray("student_parameter\nstudent_tracking_status=start stop") << "student_parameter\nstudent_tracking_status=start stop" << 2 << 2;
        QTest::newRow("text ends at a zero byte") << "ascii" << QStringList{"", "", "", ""}
            << QByteArray("student_parameter\nstudent_tracking_status=start\0stop", 51) << "student_parameter\nstudent_tracking_status=start" << 2 << 1;
    }
    void consoleMessage()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, codes);
        QFETCH(QByteArray, reply);
        QFETCH(QString, message);
        QFETCH(int, teacherStatus);
        QFETCH(int, studentStatus);

        QRadioButton *hex = w->ui->director_command_type_hex_radioButton;
        QRadioButton *ascii = w->ui->director_command_type_ascii_radioButton;
        hex->setAutoExclusive(false);
        ascii->setAutoExclusive(false);
        hex->setChecked(type == QLatin1String("hex"));
        ascii->setChecked(type == QLatin1String("ascii"));
        const QList<QLineEdit *> fields{w->ui->director_interior_teacher_feature_lineEdit, w->ui->director_interior_teacher_pano_lineEdit,
                                        w->ui->director_interior_student_pano_lineEdit, w->ui->director_interior_student_feature_lineEdit};
        for (int i = 0; i < 4; ++i)
            fields[i]->setText(codes[i]);
        w->teacher_cur_track_status = w->student_cur_track_status = 2;
        consoleRuns(true);

        w->dispatch_reply(reply);
        hex->setAutoExclusive(true);
        ascii->setAutoExclusive(true);
        QCOMPARE(consoleMessages(), QStringList{message});
        QCOMPARE(w->teacher_cur_track_status, teacherStatus);
        QCOMPARE(w->student_cur_track_status, studentStatus);
    }

    // Datagrams waiting together are all routed, the older first.
    void datagramsInOrder()
    {
        SimCamera camera(QStringLiteral("127.0.0.3"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        consoleRuns(true);
        const QHostAddress tool(QStringLiteral("127.0.0.1"));
        for (const char *text : {"first", "second", "third"})
            QVERIFY(camera.pushDatagram(false, text, tool, 7791));
        QTRY_COMPARE_WITH_TIMEOUT(console->size(), 3, kReplyMs);
        QCOMPARE(consoleMessages(), (QStringList{"first", "second", "third"}));
    }

    // ---- the frames of a TCP link ----

    void frameStream_data()
    {
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<QStringList>("handled"); // "text:..." to the console, "visca:..." to the VISCA reader

        const QByteArray status = "teacher_parameter\nteacher_tracking_status=start";
        const QByteArray frame = uot(6791, "teacher_parameter=x");
        QTest::newRow("one frame in reads of 5, 10 and 16 bytes")
            << QList<QByteArray>{frame.left(5), frame.mid(5, 10), frame.mid(15)} << QStringList{"text:teacher_parameter=x"};
        QTest::newRow("a frame a byte at a time") << [&] {
            QList<QByteArray> bytes;
            for (char c : uot(6791, "abc"))
                bytes << QByteArray(1, c);
            return bytes;
        }() << QStringList{"text:abc"};
        QTest::newRow("VISCA then text in one read")
            << QList<QByteArray>{uot(1259, QByteArray("\x90\x50\x02\xFF", 4)) + uot(6791, status)}
            << QStringList{"visca:905002ff", "text:" + QString::fromLatin1(status)};
        QTest::newRow("a frame for another port is skipped")
            << QList<QByteArray>{uot(6792, "foreign") + uot(6791, "kept")} << QStringList{"text:kept"};
        QTest::newRow("bytes without a marker before a frame")
            << QList<QByteArray>{QByteArray("garbage bytes here") + uot(6791, "kept")} << QStringList{"text:kept"};
        QTest::newRow("absurd length, then a frame")
            << QList<QByteArray>{uot(6791, "lost", 0xFFFFFFF8u), uot(6791, "kept")} << QStringList{"text:kept"};
        QTest::newRow("length beyond 1 MiB in one read with a frame")
            << QList<QByteArray>{uot(6791, "lost", 0x00100001u) + uot(6791, "kept")} << QStringList{"text:kept"};
        QTest::newRow("empty payload, then a frame")
            << QList<QByteArray>{uot(6791, "") + uot(6791, "kept")} << QStringList{"text:", "text:kept"};
        QTest::newRow("a tail that waits for its last byte")
            << QList<QByteArray>{frame.left(frame.size() - 1), frame.right(1)} << QStringList{"text:teacher_parameter=x"};
    }
    void frameStream()
    {
        QFETCH(QList<QByteArray>, reads);
        QFETCH(QStringList, handled);
        SimCamera camera(QStringLiteral("127.0.0.4"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.4"), true));
        QTRY_COMPARE_WITH_TIMEOUT(camera.tcpLinkCount(), 1, kReplyMs);
        consoleRuns(true);
        LogCapture log;
        QStringList seen;
        QMetaObject::Connection c = connect(w, &MainWindow::send, [&](const QString &m) { seen << "text:" + m; });

        for (const QByteArray &bytes : reads) {
            QCOMPARE(camera.pushToLinks(bytes), 1);
            QTest::qWait(5); // usually a read of its own
        }
        QTest::qWait(kSettleMs);
        disconnect(c);
        // The VISCA answers go to the VISCA reader, which logs each one's hex text first.
        QStringList all;
        for (const QString &line : log.lines()) {
            if (line.startsWith(QLatin1String("visca length:")))
                all << "visca:" + line.section(QLatin1Char('"'), 1, 1);
        }
        all << seen;
        QCOMPARE(all, handled);
        QCOMPARE(w->control_link->buffered(1), 0);
    }

    // Bytes of the two links arriving in turns, each frame cut across reads: every answer once,
    // whole, in its link's order.
    void interleavedLinks()
    {
        SimCamera teacher(QStringLiteral("127.0.0.5"), QStringLiteral("J57"));
        SimCamera student(QStringLiteral("127.0.0.6"), QStringLiteral("J57"));
        QVERIFY2(teacher.start() && student.start(), qPrintable(teacher.lastError() + student.lastError()));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.5"), true));
        QVERIFY(camslot::attach(*w, Slot::StudentPano, QStringLiteral("127.0.0.6"), true));
        QTRY_VERIFY_WITH_TIMEOUT(teacher.tcpLinkCount() == 1 && student.tcpLinkCount() == 1, kReplyMs);
        consoleRuns(true);

        const QByteArray t = uot(6791, "teacher one") + uot(6791, "teacher two");
        const QByteArray s = uot(6791, "student one") + uot(6791, "student two");
        for (int i = 0; i < t.size() || i < s.size(); i += 7) {
            teacher.pushToLinks(t.mid(i, 7));
            QTest::qWait(2);
            student.pushToLinks(s.mid(i, 7));
            QTest::qWait(2);
        }
        QTRY_COMPARE_WITH_TIMEOUT(console->size(), 4, kReplyMs);
        QTest::qWait(kSettleMs);
        const QStringList got = consoleMessages();
        QCOMPARE(got.size(), 4);
        QVERIFY(got.indexOf(QStringLiteral("teacher one")) < got.indexOf(QStringLiteral("teacher two")));
        QVERIFY(got.indexOf(QStringLiteral("student one")) < got.indexOf(QStringLiteral("student two")));
        QVERIFY(got.contains(QStringLiteral("teacher two")));
        QVERIFY(got.contains(QStringLiteral("student two")));
    }

    // An answer that waits while it is handled (the crop notice shows for a second) lets the
    // next frames of the same link be read meanwhile; each is handled once.
    void framesArrivingWhileOneIsHandled()
    {
        SimCamera camera(QStringLiteral("127.0.0.7"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.7"), true));
        QTRY_COMPARE_WITH_TIMEOUT(camera.tcpLinkCount(), 1, kReplyMs);
        w->teacher_crop_status_quiet = false;
        LogCapture log;

        const QByteArray crop = "teacher_parameter\nteacher_crop_status=start";
        const QByteArray second = "teacher_parameter\ndirector_parameter\nmark=second";
        const QByteArray third = "teacher_parameter\ndirector_parameter\nmark=third";
        int tips = 0;
        bool shown = false;
        // When the notice shows (the first answer is being handled, and waits), more frames
        // arrive: one whole, one in two pieces. The socket does not signal again meanwhile.
        QLabel *tip = w->ui->teacher_tip_label;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (tip->isHidden() == !shown)
                return;
            shown = !tip->isHidden();
            if (!shown || ++tips != 1)
                return;
            const QByteArray more = uot(6791, second) + uot(6791, third);
            camera.pushToLinks(more.left(more.size() - 10));
            QTimer::singleShot(10, [&camera, more] { camera.pushToLinks(more.right(10)); });
        });
        watch.start(1);
        camera.pushFrameToLinks(6791, crop);

        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("mark=third]")), kReplyMs);
        QTRY_VERIFY_WITH_TIMEOUT(tip->isHidden(), kReplyMs);
        QTest::qWait(kSettleMs);
        watch.stop();
        QCOMPARE(tips, 1);
        QCOMPARE(log.count(QStringLiteral("MainWindow::resolver_param[") + QString::fromLatin1(crop) + "]"), 1);
        QCOMPARE(log.count(QStringLiteral("MainWindow::resolver_param[") + QString::fromLatin1(second) + "]"), 1);
        QCOMPARE(log.count(QStringLiteral("MainWindow::resolver_param[") + QString::fromLatin1(third) + "]"), 1);
        QCOMPARE(log.count(QStringLiteral("MainWindow::resolver_param[")), 3);
        QVERIFY(w->teacher_crop_start_status);
    }

    // ---- cameras that misbehave ----

    void misbehavingCamera_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<bool>("answered");  // the answer to the first request arrives
        QTest::addColumn<bool>("reconnect"); // the link is opened again before the next request

        QTest::newRow("well, TCP") << int(SimFault::None) << true << true << false;
        QTest::newRow("well, UDP") << int(SimFault::None) << false << true << false;
        QTest::newRow("silent, TCP") << int(SimFault::Silent) << true << false << false;
        QTest::newRow("silent, UDP") << int(SimFault::Silent) << false << false << false;
        QTest::newRow("slow, TCP") << int(SimFault::Slow) << true << true << false;
        QTest::newRow("garbage, TCP") << int(SimFault::Garbage) << true << false << false;
        QTest::newRow("garbage, UDP") << int(SimFault::Garbage) << false << false << false;
        QTest::newRow("garbage before the answer, TCP") << int(SimFault::GarbageBefore) << true << true << false;
        QTest::newRow("garbage before the answer, UDP") << int(SimFault::GarbageBefore) << false << true << false;
        QTest::newRow("absurd frame length, TCP") << int(SimFault::AbsurdLength) << true << false << false;
        QTest::newRow("frame for a foreign port first, TCP") << int(SimFault::ForeignPort) << true << true << false;
        // The rest of a truncated frame never comes: the link is of no more use.
        QTest::newRow("truncated frame, TCP") << int(SimFault::Truncated) << true << false << true;
        QTest::newRow("truncated datagram, UDP") << int(SimFault::Truncated) << false << false << false;
        // The next request goes by UDP.
        QTest::newRow("closes its link, TCP") << int(SimFault::CloseTcp) << true << false << false;
    }
    void misbehavingCamera()
    {
        QFETCH(int, fault);
        QFETCH(bool, tcp);
        QFETCH(bool, answered);
        QFETCH(bool, reconnect);
        const QString address = QStringLiteral("127.0.0.8");
        SimCamera camera(address, QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        camera.setTrackingStatus(QStringLiteral("teacher_parameter"), QStringLiteral("stop"));
        camera.setFault(SimFault(fault), 200);
        if (tcp) {
            w->control_link->side_socket(1)->connectToHost(QHostAddress(address), 6793);
            QTRY_COMPARE_WITH_TIMEOUT(w->control_link->side_socket(1)->state(), QAbstractSocket::ConnectedState, kReplyMs);
        }
        // The console's teacher camera: its commands take the teacher link when it is up.
        w->set_manual_direct_ip(true, address, tcp);
        console->clear();
        Heartbeat heartbeat;
        const QString expected = QStringLiteral("teacher_parameter\nteacher_tracking_status=stop");
        QHostAddress destination(address);
        auto ask = [&] {
            w->sendMsg_Net(&destination, 6791, QStringLiteral("teacher_parameter\nget_tracking_status"), false);
        };

        ask();
        const int from = camera.receivedCount();
        if (answered) {
            QTRY_VERIFY_WITH_TIMEOUT(consoleMessages().contains(expected), kReplyMs);
        } else {
            // Whatever came instead was routed without a stall, and was not the answer.
            QTest::qWait(300);
            QVERIFY2(!consoleMessages().contains(expected), qPrintable(consoleMessages().join(QLatin1Char('|'))));
        }
        QVERIFY2(heartbeat.longestGapMs() < kMaxGapMs, qPrintable(QString::number(heartbeat.longestGapMs())));

        // Once the camera behaves, its answers are read again.
        camera.setFault(SimFault::None);
        if (reconnect) {
            w->control_link->side_socket(1)->abort();
            w->control_link->side_socket(1)->connectToHost(QHostAddress(address), 6793);
            QTRY_COMPARE_WITH_TIMEOUT(w->control_link->side_socket(1)->state(), QAbstractSocket::ConnectedState, kReplyMs);
        }
        console->clear();
        ask();
        QVERIFY(camera.waitForMessage([](const SimMessage &m) { return m.isText(); }, kReplyMs, from));
        QTRY_VERIFY_WITH_TIMEOUT(consoleMessages().contains(expected), kReplyMs);
        QCOMPARE(consoleMessages().count(expected), 1);
        QVERIFY2(heartbeat.longestGapMs() < kMaxGapMs, qPrintable(QString::number(heartbeat.longestGapMs())));
        QCOMPARE(w->control_link->buffered(1), 0);
    }

    // VISCA answers by UDP come back to the sending socket and go to the VISCA reader.
    void viscaAnswersByUdp()
    {
        SimCamera camera(QStringLiteral("127.0.0.9"), QStringLiteral("R6"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::BoardFeature, QStringLiteral("127.0.0.9"), false));
        LogCapture log;
        w->sendMsg_Net(w->board_feature_destination, 1259, QStringLiteral("81 09 11 49 FF"), true);
        // The model answer of an R6: 90 50 00 00 00 00 52 06 FF, read as the model "R6".
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("9050000000005206ff")), kReplyMs);
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("current connect device model : \"R6\"")), kReplyMs);
        QCOMPARE(console->size(), 0);
        QCOMPARE(log.count(QStringLiteral("MainWindow::resolver_param[")), 0);
    }
};

QTEST_MAIN(tst_ReplyRouting)
#include "tst_reply_routing.moc"
