// What only the window's wiring does between its control link and its features: the link its
// rule picks from the address fields, the slots' flags, the current tab and the manual director
// console; where a text answer goes (the console, the wizard, the parser); the reset of every
// tab; and cameras that misbehave while the events go on. The features run on the real form
// without the window; cameras are simulated on loopback.
#include "camera_slot_setup.h"
#include "core/log_fold.h"
#include "core/log_handler.h"
#include "core/time_scale.h"
#include "event_turns.h"
#include "features_shell.h"
#include "flooding_camera.h"
#include "form_host.h"
#include "log_capture.h"
#include "mainwindow/window_features.h"
#include "recording_presenter.h"
#include "sim_camera.h"
#include "sim_wire.h"
#include "test_env.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

#include <map>
#include <optional>

using camslot::Slot;

namespace {
constexpr int kReplyMs = 3000; // loopback answers within milliseconds; this only bounds a failure
constexpr int kSettleMs = 50;  // long enough for bytes already sent on loopback to be read
constexpr qint64 kMaxGapMs = 1000; // the wiring blocks for seconds nowhere
// Bounds the handling of a flood of 200000 answers. Instrumented, where the sanitizers' slow
// unwinder traces every allocation (scripts/test.sh), it takes more than ten times as long.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kFloodMs = 100 * kReplyMs;
#else
constexpr int kFloodMs = 20 * kReplyMs;
#endif
const QHostAddress kTool(QStringLiteral("127.0.0.1"));
const QString kHome = QStringLiteral("81 01 06 04 FF");
const QStringList kSlotNames{"tf", "tp", "sf", "sp", "bf", "bp"};

// A UOT frame as a camera writes it: marker, port, length, payload.
QByteArray uot(quint32 port, const QByteArray &payload)
{
    QByteArray header("UOT\0", 4);
    for (quint32 v : {port, quint32(payload.size())})
        for (int i = 0; i < 4; ++i)
            header.append(char((v >> (8 * i)) & 0xFF));
    return header + payload;
}

// The transport of the next message with data a camera receives: "tcp", "udp" or "none".
QString nextTransport(const SimCamera &camera, int from = 0)
{
    const auto m = camera.waitForMessage([](const SimMessage &m) { return m.event == SimEvent::Data; }, kReplyMs, from);
    return !m ? "none" : m->transport == SimTransport::Tcp ? "tcp" : "udp";
}

} // namespace

class tst_ReplyRouting : public QObject
{
    Q_OBJECT

    RecordingPresenter boxes;
    std::unique_ptr<FormHost> host;
    FeaturesShell shell;
    std::unique_ptr<WindowFeatures> f;
    Ui::MainWindow *ui = nullptr;
    std::map<int, std::unique_ptr<SimCamera>> cameras;

    // The camera at 127.0.0.n, started on first use.
    SimCamera &camera(int n)
    {
        std::unique_ptr<SimCamera> &c = cameras[n];
        if (!c) {
            c = std::make_unique<SimCamera>(QStringLiteral("127.0.0.%1").arg(n));
            if (!c->start())
                QTest::qFail(qPrintable(c->lastError()), __FILE__, __LINE__);
        }
        return *c;
    }
    QStringList consoleMessages() const { return shell.console; }
    // The tool has sent to the camera (an empty datagram to a port nobody serves), so that its
    // datagrams on the reply socket count as answers.
    void sentTo(int n)
    {
        QHostAddress address(camera(n).address());
        f->link().sendMsg_Net(&address, 9, QString(), false);
    }
    // The console takes the answers from now on.
    void consoleRuns()
    {
        f->set_manual_direct_ip(false, QString(), false);
        shell.console.clear();
    }
    camslot::Cameras cams() const { return camslot::of(*f, &host->window); }

private slots:
    void initTestCase() { timescale::setFactor(0.1); }

    void init()
    {
        host = std::make_unique<FormHost>();
        ui = host->ui;
        shell.visible = true;
        shell.console.clear();
        f = std::make_unique<WindowFeatures>(ui, &host->window, shell);
        f->link().closeUdpServer(); // as the first connect does: answers to datagrams come back
        boxes.clear();
    }
    void cleanup()
    {
        f.reset();
        host.reset();
        cameras.clear();
    }

    // ---- where a text answer goes ----

    void route_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("tcp");
        for (const QString route : {"console", "wizard", "parser"}) {
            QTest::newRow(qPrintable(route + ", datagram")) << route << false;
            QTest::newRow(qPrintable(route + ", TCP frame")) << route << true;
        }
    }
    void route()
    {
        QFETCH(QString, route);
        QFETCH(bool, tcp);
        QVERIFY(camslot::attach(cams(), Slot::TeacherPano, camera(2).address(), tcp));
        if (route == QLatin1String("console"))
            consoleRuns();
        shell.visible = route != QLatin1String("wizard");
        LogCapture log;
        const QByteArray answer = "teacher_parameter\nteacher_crop_status=start";
        sentTo(2);
        if (tcp)
            QCOMPARE(camera(2).pushFrameToLinks(6791, answer), 1);
        else
            QVERIFY(camera(2).pushDatagram(false, answer, kTool, 7791));

        if (route == QLatin1String("console"))
            QTRY_COMPARE_WITH_TIMEOUT(consoleMessages(), QStringList{QString::fromLatin1(answer)}, kReplyMs);
        else if (route == QLatin1String("wizard"))
            QTRY_VERIFY_WITH_TIMEOUT(log.contains("reply not handled[" + QString::fromLatin1(answer)), kReplyMs);
        else
            QTRY_VERIFY_WITH_TIMEOUT(f->pano().teacher_crop_start_status, kReplyMs);
        QTest::qWait(kSettleMs);
        QCOMPARE(f->pano().teacher_crop_start_status, route == QLatin1String("parser"));
        QCOMPARE(log.count(QStringLiteral("MainWindow::resolver_param[")), int(route == QLatin1String("parser")));
        QCOMPARE(shell.console.size(), int(route == QLatin1String("console")));
    }

    // The console gets each answer as its text, or as the picture whose director code it is; a
    // tracking status answer sets the side's status.
    void consoleMessage_data()
    {
        QTest::addColumn<QString>("type"); // "hex" or "ascii"
        QTest::addColumn<QStringList>("codes"); // teacher feature, teacher pano, student pano, student feature
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("status"); // teacher and student

        const QStringList codes{"FF 22 22", "FF 22 33", "ff 44 44", "FF 44 55"};
        const QStringList pano{"", "PANO ON", "", ""}, none{"", "", "", ""};
        const QByteArray tStart = "teacher_parameter\nteacher_tracking_status=start";
        const QByteArray sBoth = "student_parameter\nstudent_tracking_status=start stop";
        const QByteArray zero("student_parameter\nstudent_tracking_status=start\0stop", 51);
        auto row = [](const char *name, const char *type, const QStringList &codes, const QByteArray &reply,
                      const QString &message, const char *status) {
            QTest::newRow(name) << type << codes << reply << message << status;
        };
        row("hex code, teacher feature", "hex", codes, QByteArray("\xFF\x22\x22", 3), "teacher feature", "22");
        row("hex code, other case", "hex", codes, QByteArray("\xFF\x44\x44", 3), "student pano", "22");
        row("hex, no code", "hex", codes, QByteArray("\xFF\x44\x56", 3), QString::fromLatin1("\xFF\x44\x56", 3), "22");
        row("ascii code without its blanks", "ascii", pano, "pano on", "teacher pano", "22");
        row("empty code fields never match, not even an empty answer", "hex", none, QByteArray(), "", "22");
        row("teacher tracking started", "hex", codes, tStart, tStart, "12");
        row("student start and stop: stopped", "hex", codes, sBoth, sBoth, "22");
        row("text ends at a zero byte", "ascii", none, zero, zero.left(47), "21");
    }
    void consoleMessage()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, codes);
        QFETCH(QByteArray, reply);
        (type == QLatin1String("hex") ? ui->director_command_type_hex_radioButton
                                      : ui->director_command_type_ascii_radioButton)
            ->setChecked(true);
        const QList<QLineEdit *> fields{
            ui->director_interior_teacher_feature_lineEdit, ui->director_interior_teacher_pano_lineEdit,
            ui->director_interior_student_pano_lineEdit, ui->director_interior_student_feature_lineEdit};
        for (int i = 0; i < 4; ++i)
            fields[i]->setText(codes[i]);
        f->pano().teacher_cur_track_status = f->pano().student_cur_track_status = 2;
        consoleRuns();
        f->replies().dispatch_reply(reply);
        for (QLineEdit *field : fields)
            field->clear();
        QCOMPARE(shell.console.size(), 1);
        QTEST(consoleMessages().first(), "message");
        QTEST(QString::number(f->pano().teacher_cur_track_status * 10 + f->pano().student_cur_track_status),
              "status");
    }

    // ---- which link a command takes ----

    // setup: "<slot>:n" a slot connected to 127.0.0.n (the teacher feature with its link, the
    // teacher pano with its link unless "repoint" has it connect the link afterwards), "apply" a
    // teacher Apply waits, "tab2" the Board tab is shown, "edited" the target's address field
    // is typed over while its camera stays connected.
    void linkRule_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("transport");
        QTest::newRow("a feature command while an apply waits: the feature's link") << "tf:16 apply" << "tf" << "tcp";
        QTest::newRow("Board tab: a board camera by UDP, also the teacher pano") << "tp:17 bp:17 tab2" << "tp" << "udp";
        QTest::newRow("Teacher tab: the same camera by its link") << "tp:17 bp:17" << "tp" << "tcp";
        QTest::newRow("the pano takes the link from another camera") << "tf:18 tp:19 repoint" << "tf" << "udp";
        QTest::newRow("the pano's commands take the link") << "tf:18 tp:19 repoint" << "tp" << "tcp";
        QTest::newRow("one camera serves both: the feature keeps the link") << "tf:18 tp:18 repoint" << "tf" << "tcp";
        QTest::newRow("a connected camera's field typed over: UDP") << "tf:16 edited" << "tf" << "udp";
    }
    void linkRule()
    {
        QFETCH(QString, setup);
        QFETCH(QString, target);
        const bool repoint = setup.contains(QLatin1String("repoint"));
        QMap<QString, int> address;
        for (const QString &word : setup.split(QLatin1Char(' '))) {
            const int slot = kSlotNames.indexOf(word.section(QLatin1Char(':'), 0, 0));
            if (slot < 0)
                continue;
            address[word.left(2)] = word.section(QLatin1Char(':'), 1).toInt();
            const bool tcp = Slot(slot) == Slot::TeacherFeature || (Slot(slot) == Slot::TeacherPano && !repoint);
            QVERIFY(camslot::attach(cams(), Slot(slot), camera(address[word.left(2)]).address(), tcp));
        }
        if (repoint) {
            f->link().connect_teacher_pano_tcp(camera(address["tp"]).address(), 6793);
            const CameraSlotRecord &pano = f->slot_records()[camera_slot::Slot::TeacherPano];
            QVERIFY(pano.tcp_flag && pano.keepalive_timer->isActive());
        }
        if (setup.contains(QLatin1String("apply")))
            f->requests().arm(request_poller::Kind::TeacherApply);
        ui->tabWidget->setCurrentIndex(setup.contains(QLatin1String("tab2")) ? 2 : 0);
        if (setup.contains(QLatin1String("edited")))
            host->window.findChild<QLineEdit *>(camera_slot::name(camera_slot::Slot(kSlotNames.indexOf(target))) + "_IP_Edit")
                ->setText(QStringLiteral("127.0.0.99"));
        SimCamera &c = camera(address[target]);
        const int from = c.receivedCount();
        f->link().sendMsg_Net(camslot::destination(cams(), Slot(kSlotNames.indexOf(target))), 1259, kHome, true);
        QTEST(nextTransport(c, from), "transport");
    }

    // Under the recorder's port mapping a command to a mapped port goes over the link with the
    // camera's own port in its frame header, by the port fields as the settings file left them
    // or as typed since.
    void mappedPortInFrameHeader_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("typed"); // into the teacher VISCA port field after the load
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("header");
        const QString mapped = "[PORT_CONF]\nRecorder_Port_Map_Enabled=true\nT_Visca_Port=21259\nT_TCP_Port=6793\n";
        QTest::newRow("mapping loaded") << mapped << QString() << 21259 << 1259;
        QTest::newRow("mapped port typed, not applied") << mapped << "23259" << 23259 << 1259;
        QTest::newRow("no mapping") << "[PORT_CONF]\nT_Visca_Port=21259\n" << QString() << 21259 << 21259;
    }
    void mappedPortInFrameHeader()
    {
        QFETCH(QString, ini);
        QFETCH(QString, typed);
        QFETCH(int, port);
        testenv::writeConfigIniRaw(ini.toUtf8());
        f->settings().load_config();
        testenv::removeConfigIni();
        if (!typed.isEmpty())
            ui->visca_port_Edit->setText(typed);
        SimCamera &c = camera(31);
        QVERIFY(camslot::attach(cams(), Slot::TeacherFeature, c.address(), true));
        f->link().sendMsg_Net(camslot::destination(cams(), Slot::TeacherFeature), port, kHome, true);
        const auto m = c.waitForMessage([](const SimMessage &m) { return m.event == SimEvent::Data; }, kReplyMs);
        QVERIFY(m && m->transport == SimTransport::Tcp);
        QTEST(int(m->framePort), "header");
    }

    // A destination of no slot (a caller's own address object, even a copy of the address of a
    // slot whose own object takes its link, as in linkRule) goes by UDP to its own address; a
    // text command binds the reply socket first, and its answer reaches the parser.
    void unmatchedDestinationGoesByUdp()
    {
        SimCamera &pano = camera(14), &other = camera(15);
        QVERIFY(camslot::attach(cams(), Slot::TeacherPano, pano.address(), true));
        f->link().reply_socket()->close();
        LogCapture log;
        QHostAddress elsewhere(other.address()), panoCopy(pano.address());
        const int from = pano.receivedCount();
        f->link().sendMsg_Net(&elsewhere, 6791, QStringLiteral("teacher_parameter\nget_director_config_file"), false);
        f->link().sendMsg_Net(&panoCopy, 1259, kHome, true);
        QCOMPARE(nextTransport(other), "udp");
        QCOMPARE(nextTransport(pano, from), "udp");
        QCOMPARE(f->link().reply_socket()->state(), QAbstractSocket::BoundState);
        QCOMPARE(int(f->link().reply_socket()->localPort()), 7791);
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("resolver_param[teacher_parameter")), kReplyMs);
    }

    // The console's cameras take the side's link when the console says it is up, else UDP, until
    // the console lets them go; the console fills both address fields of a side.
    void manualDirectLinks()
    {
        SimCamera &teacher = camera(29), &student = camera(30);
        f->link().side_socket(1)->connectToHost(QHostAddress(teacher.address()), 6793);
        QTRY_COMPARE_WITH_TIMEOUT(f->link().side_socket(1)->state(), QAbstractSocket::ConnectedState, kReplyMs);
        QElapsedTimer clock;
        clock.start();
        f->set_manual_direct_ip(true, teacher.address(), true);
        QVERIFY(clock.elapsed() >= timescale::scaled(1000) - 5);
        f->set_manual_direct_ip(false, student.address(), false);
        QHostAddress t(teacher.address()), s(student.address());
        f->link().sendMsg_Net(&t, 6791, QStringLiteral("teacher_parameter\nget_tracking_status"), false);
        f->link().sendMsg_Net(&s, 6791, QStringLiteral("student_parameter\nget_tracking_status"), false);
        QCOMPARE(nextTransport(teacher) + nextTransport(student), "tcpudp");
        QTRY_COMPARE_WITH_TIMEOUT(shell.console.size(), 2, kReplyMs);

        // A camera the console let go: its link shuts, and its late answers are not taken.
        f->link().release_manual_direct_camera(true);
        f->link().release_manual_direct_camera(false);
        QTRY_COMPARE_WITH_TIMEOUT(teacher.tcpLinkCount(), 0, kReplyMs);
        QVERIFY(student.pushDatagram(false, "student_parameter\nstudent_tracking_status=start", kTool, 7791));
        QTest::qWait(kSettleMs);
        QCOMPARE(shell.console.size(), 2);

        f->connections().set_side_addresses(camera_slot::Side::Teacher, QStringLiteral("10.1.1.1"));
        f->connections().set_side_addresses(camera_slot::Side::Student, QStringLiteral("10.1.1.2"));
        QCOMPARE(QStringList({ui->teacher_feature_IP_Edit->text(), ui->teacher_pano_IP_Edit->text(),
                              ui->student_feature_IP_Edit->text(), ui->student_pano_IP_Edit->text()}),
                 QStringList({"10.1.1.1", "10.1.1.1", "10.1.1.2", "10.1.1.2"}));
    }

    // A bad token sends nothing at all and shows the box (the tokens: tst_visca_commands).
    void badHexTextShowsABox()
    {
        QVERIFY(camslot::attach(cams(), Slot::TeacherFeature, camera(13).address()));
        f->link().sendMsg_Net(camslot::destination(cams(), Slot::TeacherFeature), 1259,
                              QStringLiteral("81 01 06 01 HK VN 03 01 FF"), true);
        QCOMPARE(boxes.texts(), QStringList{"Command format error"});
        QCOMPARE(boxes.shown[0].title, QStringLiteral("information"));
        QCOMPARE(boxes.shown[0].parent, &host->window);
        QTest::qWait(kSettleMs);
        QCOMPARE(camera(13).receivedCount(), 0);
    }

    // ---- replies read until their socket is empty, one reader per link ----

    // Bytes of the two links in turns, each frame cut across reads, and datagrams between them:
    // every answer once, whole, in its link's order.
    void interleavedLinks()
    {
        QVERIFY(camslot::attach(cams(), Slot::TeacherPano, camera(5).address(), true));
        QVERIFY(camslot::attach(cams(), Slot::StudentPano, camera(6).address(), true));
        consoleRuns();
        sentTo(3);
        const QByteArray t = uot(6791, "teacher one") + uot(6791, "teacher two");
        const QByteArray s = uot(6791, "student one") + uot(6791, "student two");
        for (int i = 0; i < t.size(); i += 7) {
            camera(5).pushToLinks(t.mid(i, 7));
            QTest::qWait(2);
            camera(6).pushToLinks(s.mid(i, 7));
            if (i < 21)
                QVERIFY(camera(3).pushDatagram(false, "datagram " + QByteArray::number(i / 7), kTool, 7791));
            QTest::qWait(2);
        }
        QTRY_COMPARE_WITH_TIMEOUT(shell.console.size(), 7, kReplyMs);
        QTest::qWait(kSettleMs);
        const QStringList got = consoleMessages();
        QCOMPARE(got.size(), 7);
        QCOMPARE(got.filter("datagram"), (QStringList{"datagram 0", "datagram 1", "datagram 2"}));
        for (const QString side : {"teacher", "student"})
            QVERIFY(got.indexOf(side + " one") >= 0 && got.indexOf(side + " one") < got.indexOf(side + " two"));
    }

    // The crop tip waits while its answer is handled; frames arriving meanwhile (one whole, one
    // in two pieces, with no new signal of the socket) are each handled once, after it.
    void framesArrivingWhileOneIsHandled()
    {
        SimCamera &c = camera(7);
        QVERIFY(camslot::attach(cams(), Slot::TeacherPano, c.address(), true));
        f->pano().teacher_crop_status_quiet = false;
        LogCapture log;
        const QByteArray more = uot(6791, "teacher_parameter\ndirector_parameter\nmark=second")
                                + uot(6791, "teacher_parameter\ndirector_parameter\nmark=third");
        QLabel *tip = ui->teacher_tip_label;
        int shown = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (tip->isHidden() || shown++)
                return;
            c.pushToLinks(more.left(more.size() - 10));
            QTimer::singleShot(10, [&c, more] { c.pushToLinks(more.right(10)); });
        });
        watch.start(1);
        c.pushFrameToLinks(6791, "teacher_parameter\nteacher_crop_status=start");
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("mark=third]")) && tip->isHidden(), kReplyMs);
        QTest::qWait(kSettleMs);
        QVERIFY(shown > 0);
        // Each once, after the crop answer's handling ended.
        const QStringList lines = log.lines().filter(QRegularExpression("resolver_param|crop status="));
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].contains("crop_status") && lines[1].startsWith("[0]teacher crop status"));
        QVERIFY(lines[2].endsWith("mark=second]") && lines[3].endsWith("mark=third]"));
        QCOMPARE(f->link().buffered(1), 0);
    }

    // The reset of every tab leaves a connected camera's address (later applies send that field
    // to the camera as its own address), and the form's re-texting its Disconnect.
    void resetKeepsConnectedCameras_data()
    {
        QTest::addColumn<int>("camera");
        for (int i = 0; i < 6; ++i)
            QTest::newRow(qPrintable(kSlotNames[i])) << i;
    }
    void resetKeepsConnectedCameras()
    {
        QFETCH(int, camera);
        QLineEdit *fields[] = {ui->teacher_feature_IP_Edit, ui->teacher_pano_IP_Edit, ui->student_feature_IP_Edit,
                               ui->student_pano_IP_Edit,    ui->board_feature_IP_Edit, ui->board_pano_IP_Edit};
        QPushButton *buttons[] = {ui->teacher_feature_connect_Button, ui->teacher_pano_connect_Button,
                                  ui->student_feature_connect_Button, ui->student_pano_connect_Button,
                                  ui->board_feature_connect_Button,   ui->board_pano_connect_Button};
        for (int i = 0; i < 6; ++i)
            fields[i]->setText(QStringLiteral("127.0.0.%1").arg(i + 2));
        QVERIFY(camslot::attach(cams(), Slot(camera), QStringLiteral("127.0.0.%1").arg(camera + 2)));
        f->set_all_defaults(); // every other field takes its default
        for (int i = 0; i < 6; ++i)
            QCOMPARE(fields[i]->text() == QStringLiteral("127.0.0.%1").arg(i + 2), i == camera);
        ui->retranslateUi(&host->window);
        f->retranslate_code_texts();
        for (int i = 0; i < 6; ++i)
            QCOMPARE(buttons[i]->text(), i == camera ? QStringLiteral("Disconnect") : QStringLiteral("Connect"));
        camslot::detach(cams(), Slot(camera));
    }

    // Code that unticks a calibration cross box runs the cross's handler: the two-camera layout
    // switches an M5 pano camera's cross off; the student pano's disconnect puts the tab back
    // and sends nothing to the camera that went.
    void crossUntickedByCode_data()
    {
        QTest::addColumn<int>("slot"); // the pano camera's
        QTest::addColumn<bool>("disconnect"); // else the two-camera layout
        QTest::addColumn<QStringList>("received");
        const QStringList off{"8A 01 04 47 00 00 00 00 FF"};
        QTest::newRow("teacher, two-camera layout") << int(Slot::TeacherPano) << false << off;
        QTest::newRow("student, two-camera layout") << int(Slot::StudentPano) << false << off;
        QTest::newRow("student pano disconnected") << int(Slot::StudentPano) << true << QStringList();
    }
    void crossUntickedByCode()
    {
        QFETCH(int, slot);
        QFETCH(bool, disconnect);
        QFETCH(QStringList, received);
        SimCamera &pano = camera(slot + 2);
        QVERIFY(camslot::attach(cams(), Slot(slot), pano.address()));
        f->slot_records()[camera_slot::Slot(slot)].device_model = QStringLiteral("M5");
        const bool teacher = slot == int(Slot::TeacherPano);
        QCheckBox *box = teacher ? ui->teacher_show_Calibration_checkBox : ui->student_show_Calibration_checkBox;
        box->click();
        QCOMPARE(simwire::receivedUpToMarkers(pano), QStringList{"8A 01 04 47 04 00 00 00 FF"});
        if (disconnect)
            ui->student_pano_connect_Button->click();
        else
            f->layout().widgetChanged(0);
        QCOMPARE(simwire::receivedUpToMarkers(pano), received);
        QVERIFY(!box->isChecked());
        QCOMPARE((teacher ? ui->teacher_ptzspeed_level : ui->student_ptzspeed_level)->text(), QStringLiteral("10"));
        QVERIFY(boxes.texts().isEmpty());
    }

    // ---- cameras that misbehave ----

    void misbehavingCamera_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<bool>("answered");  // the answer to the first request arrives
        QTest::addColumn<bool>("reconnect"); // the link is opened again before the next request
        // What the frame reader makes of each kind of bad bytes is a row of tst_uot_reader; here the
        // window goes on and reads the link again.
        QTest::newRow("silent, TCP") << int(SimFault::Silent) << true << false << false;
        QTest::newRow("slow, TCP") << int(SimFault::Slow) << true << true << false;
        QTest::newRow("garbage before the answer, TCP") << int(SimFault::GarbageBefore) << true << true << false;
        QTest::newRow("garbage before the answer, UDP") << int(SimFault::GarbageBefore) << false << true << false;
        QTest::newRow("absurd frame length, TCP") << int(SimFault::AbsurdLength) << true << false << false;
        QTest::newRow("frame for a foreign port first, TCP") << int(SimFault::ForeignPort) << true << true << false;
        // The rest of a truncated frame never comes: the link is of no more use.
        QTest::newRow("truncated frame, TCP") << int(SimFault::Truncated) << true << false << true;
        // The next request goes by UDP.
        QTest::newRow("closes its link, TCP") << int(SimFault::CloseTcp) << true << false << false;
    }
    void misbehavingCamera()
    {
        QFETCH(int, fault);
        QFETCH(bool, tcp);
        QFETCH(bool, answered);
        QFETCH(bool, reconnect);
        SimCamera &c = camera(8);
        c.setTrackingStatus(QStringLiteral("teacher_parameter"), QStringLiteral("stop"));
        c.setFault(SimFault(fault), 200);
        QVERIFY(camslot::attach(cams(), Slot::TeacherPano, c.address(), tcp));
        // The console's teacher camera: its commands take the teacher link when it is up.
        f->set_manual_direct_ip(true, c.address(), tcp);
        shell.console.clear();
        // The longest time between two of the window's events.
        qint64 longestGap = 0;
        QElapsedTimer clock;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { longestGap = qMax(longestGap, clock.restart()); });
        clock.start();
        ticker.start(5);
        const QString expected = QStringLiteral("teacher_parameter\nteacher_tracking_status=stop");
        QHostAddress destination(c.address());
        auto ask = [&] {
            shell.console.clear();
            f->link().sendMsg_Net(&destination, 6791, QStringLiteral("teacher_parameter\nget_tracking_status"), false);
        };

        ask();
        const int from = c.receivedCount();
        if (answered)
            QTRY_VERIFY_WITH_TIMEOUT(consoleMessages().contains(expected), kReplyMs);
        else
            QTest::qWait(300); // whatever came instead was routed without a stall
        QCOMPARE(consoleMessages().contains(expected), answered);

        // Once the camera behaves, its answers are read again.
        c.setFault(SimFault::None);
        QVERIFY(!reconnect || camslot::attach(cams(), Slot::TeacherPano, c.address(), true));
        ask();
        QVERIFY(c.waitForMessage([](const SimMessage &m) { return m.isText(); }, kReplyMs, from));
        QTRY_VERIFY_WITH_TIMEOUT(consoleMessages().contains(expected), kReplyMs);
        QCOMPARE(consoleMessages().count(expected), 1);
        QVERIFY2(qMax(longestGap, clock.elapsed()) < kMaxGapMs, qPrintable(QString::number(longestGap)));
        QCOMPARE(f->link().buffered(1), 0);
    }

    // A camera that floods its link with one zoom answer (3.8 MB): the program's log keeps the
    // first answers whole, leaves out what the rest would write and says in lines how many; every
    // answer is still handled, and the window's events go on meanwhile.
    void floodedLogFolds()
    {
        constexpr int kFrames = 200000;
        SimCamera &c = camera(10);
        QVERIFY(camslot::attach(cams(), Slot::TeacherFeature, c.address(), true));
        ui->tabWidget->setCurrentWidget(ui->tab_teacher);
        QFile::remove(QStringLiteral("Corvane.log"));
        const QtMessageHandler testLog = qInstallMessageHandler(nullptr);
        installLogHandler(QStringLiteral("Corvane.log")); // the program's own, every line it writes
        EventTurns turns;
        // A J57 shows its zoom: 16384 is 12.0x, the last answer's 13034 is 5.2x.
        c.pushFrameToLinks(1259, QByteArray::fromHex("9050000000004A57FF"));
        const QByteArray zoom = QByteArray::fromHex("905004000000FF");
        c.pushToLinks(uot(1259, zoom).repeated(kFrames) + uot(1259, QByteArray::fromHex("905003020E0AFF")));
        QTRY_COMPARE_WITH_TIMEOUT(ui->teacher_zoom_lineEdit->text(), QStringLiteral("5.2x"), kFloodMs);
        QTRY_COMPARE_WITH_TIMEOUT(f->link().buffered(1), 0, kReplyMs);
        turns.stop();
        uninstallLogHandler();
        qInstallMessageHandler(testLog);

        QFile file(QStringLiteral("Corvane.log"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        qInfo("%d log lines, %lld bytes; events at most %lld ms apart", int(lines.size()), file.size(), turns.longestGap);
        // The first answers are logged whole, each with what handling it writes.
        const QStringList frames =
            lines.filter(QStringLiteral("[VISCA] Resolver NewVersion {\"\\x90P\\x04\\x00\\x00\\x00\\xFF\"}"));
        QCOMPARE(frames.size(), log_fold::kRepeatsLogged);
        QCOMPARE(lines.filter(QStringLiteral("visca length: 7 ,byteArray.toHex= \"905004000000ff\"")).size(),
                 log_fold::kRepeatsLogged);
        // The rest are told of in lines that add up to them.
        qint64 leftOut = 0;
        const QRegularExpression note(QStringLiteral("UOT reader \\[teacher\\]: (\\d+) more replies identical to the "
                                                     "last one logged were left out of the log$"));
        for (const QString &line : lines) {
            const QRegularExpressionMatch m = note.match(line);
            if (m.hasMatch())
                leftOut += m.captured(1).toLongLong();
        }
        QCOMPARE(leftOut, qint64(kFrames - log_fold::kRepeatsLogged));
        QVERIFY2(lines.size() < 2000, qPrintable(QString::number(lines.size())));
    }

    // A camera that sends its tracking status as fast as it can, reading nothing: the window's
    // memory stays bounded (the link drops the oldest answers it cannot hand on, and says so, and
    // lets the link fail once the requests the answers ask for pile up), its events go on, and
    // the answer after the flood is taken as ever.
    void floodedLinkStaysBounded()
    {
        constexpr int kFloodLastsMs = 1000;
        const QString address = QStringLiteral("127.0.0.40");
        FloodingCamera c;
        QVERIFY(c.listen(address));
        QVERIFY(camslot::attach(cams(), Slot::TeacherPano, address, true));
        ui->tabWidget->setCurrentWidget(ui->tab_teacher);
        f->pano().teacher_cur_track_status = 0;
        std::optional<LogCapture> log;
        log.emplace();
        FloodWatch watch(c);
        QVERIFY(watch.valid());
        c.flood(uot(6791, "teacher_parameter\nteacher_tracking_status=start"),
                uot(6791, "teacher_parameter\nteacher_tracking_status=stop"), kFloodLastsMs);
        QTRY_VERIFY_WITH_TIMEOUT(watch.exceeded()
                                     || (watch.elapsedMs() > kFloodLastsMs && f->pano().teacher_cur_track_status == 2),
                                 kFloodLastsMs + kFloodMs); // what the link held handled as the flood above
        watch.stop();
        const qint64 elapsed = watch.elapsedMs();
        const qint64 peak = watch.peakGrowthKiB();
        const qint64 dropped = f->link().dropped(1);
        QTRY_VERIFY_WITH_TIMEOUT(log->contains(QStringLiteral("frames dropped")) || !dropped, kReplyMs);
        log.reset();
        qInfo("%lld MB sent in %lld ms, %lld frames dropped, %lld bytes waiting to go out; memory growth at most "
              "%lld KiB; events at most %lld ms apart",
              c.sent() >> 20, elapsed, dropped, f->link().side_socket(1)->bytesToWrite(), peak, watch.turns.longestGap);
        QVERIFY2(peak < watch.limitKiB(), qPrintable(QString::number(peak)));
        QCOMPARE(f->pano().teacher_cur_track_status, 2);
        QVERIFY(dropped > 0);
        // Each status asked for the configuration; past a bound of what the camera did not take,
        // the requests went by UDP.
        QVERIFY(f->link().link_failed(1));
        QVERIFY(f->link().side_socket(1)->bytesToWrite() < 2 * 1024 * 1024);
    }

    // A flood of bytes does not flood the log: the route's lines keep the first 512 bytes.
    void longAnswerLogLines()
    {
        shell.visible = false;
        LogCapture log;
        sentTo(9);
        QVERIFY(camera(9).pushDatagram(false, QByteArray(2000, 'x'), kTool, 7791));
        const QString capped = QString(512, 'x') + "...(2000 bytes)]";
        QTRY_VERIFY_WITH_TIMEOUT(log.contains("reply not handled[" + capped), kReplyMs);
        QVERIFY(log.contains("byteArray[" + capped + "isVisible[false]"));
    }
};

QTEST_MAIN(tst_ReplyRouting)
#include "tst_reply_routing.moc"
