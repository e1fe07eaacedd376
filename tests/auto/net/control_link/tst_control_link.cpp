// The control link without a window: the bytes of each command on the wire by TCP and by UDP,
// the link its rules choose, a link that fails, the keep-alives, the side's link changing hands
// between the two cameras of a side, and the replies with where they came from. The cameras are
// simulated on loopback in the test's own network namespace.
#include "core/log_fold.h"
#include "core/log_handler.h"
#include "core/time_scale.h"
#include "core/turn_share.h"
#include "flooding_camera.h"
#include "log_capture.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "net/wizard_link.h"
#include "raw_camera.h"
#include "protocol/protocol_log.h"
#include "sim_camera.h"
#include "sim_uot_frame.h"

#include <QLoggingCategory>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#include <QtTest>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kReplyMs = 3000; // loopback answers within milliseconds; this only bounds a failure

QByteArray hexBytes(const char *text) { return QByteArray::fromHex(QByteArray(text)); }

struct Link {
    CameraSlots cams;
    ControlLink link{&cams};
    Link()
    {
        ControlLink::Rules rules;
        rules.text_port = [](Side side) { return side == Side::Student ? 27791 : 6791; };
        link.set_rules(rules);
    }
    // The slot connected to the address (its address field shows it), with the side's link
    // opened to it when tcp.
    QHostAddress *attach(Slot slot, const QString &address, bool tcp)
    {
        CameraSlotRecord &r = cams[slot];
        r.udp_flag = true;
        link.set_slot_field_address(slot, address);
        QHostAddress *destination = cams.set_destination(slot, address);
        if (tcp)
            link.open_side_tcp_link(slot, address, 6793);
        return destination;
    }
    // Both datagram sockets bound, as a VISCA command and a connect that falls back to datagrams
    // bind them: the port a camera's VISCA or text answers go to.
    quint16 bindReplySockets(QHostAddress *destination, bool visca)
    {
        link.sendMsg_Net(destination, 9, QStringLiteral("81 09 04 47 FF"), true); // to a port nobody serves
        link.closeUdpServer();
        return visca ? link.command_socket()->localPort() : 7791;
    }
};

// The frames a link's reader dropped, as its notes in the log count them.
qint64 droppedInLog(const LogCapture &log)
{
    static const QRegularExpression note(QStringLiteral("UOT reader \\[teacher\\]: (\\d+) frames dropped"));
    qint64 dropped = 0;
    for (const QString &line : log.lines()) {
        const QRegularExpressionMatch m = note.match(line);
        if (m.hasMatch())
            dropped += m.captured(1).toLongLong();
    }
    return dropped;
}
} // namespace

class tst_ControlLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.1);
        qRegisterMetaType<ViscaReplyOrigin>();
        // Three lines per frame would make the floods below a test of the console.
        QLoggingCategory::setFilterRules(QStringLiteral("corvane.protocol.debug=false"));
    }

    void tcpFrameBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("mapped");
        QTest::addColumn<QByteArray>("wire");
        const QByteArray block = "teacher_parameter\nget_tracking_config_file";
        // One row per path through the link; every byte of the header is a row of tst_link_choice.
        QTest::newRow("VISCA Home") << "81 01 06 04 FF" << true << 1259 << false
                                    << hexBytes("EB04000005000000 81010604FF");
        QTest::newRow("text block") << QString::fromLatin1(block) << false << 6791 << false
                                    << QByteArray(hexBytes("871A00002A000000") + block);
        QTest::newRow("mapped VISCA port names 1259") << "81 01 06 04 FF" << true << 22259 << true
                                                      << hexBytes("EB04000005000000 81010604FF");
    }
    void tcpFrameBytes()
    {
        QFETCH(QString, text);
        QFETCH(bool, hex);
        QFETCH(int, port);
        QFETCH(bool, mapped);
        QFETCH(QByteArray, wire);
        RawCamera camera;
        QVERIFY(camera.listen(QStringLiteral("127.0.0.10")));
        Link l;
        QHostAddress *destination = l.attach(Slot::TeacherPano, QStringLiteral("127.0.0.10"), true);
        QVERIFY(l.cams[Slot::TeacherPano].tcp_flag);
        l.link.set_mapped_ports({mapped, 21259, 22259, 26791, 27791});

        l.link.sendMsg_Net(destination, port, text, hex);
        QCOMPARE(camera.take(wire.size()).toHex(' '), wire.toHex(' '));
        QVERIFY(l.link.tcp_socket_flag());
        QCOMPARE(l.link.current_state(), 1);
        QTest::qWait(20);
        QVERIFY2(camera.received.isEmpty(), camera.received.toHex(' ').constData());
    }

    // The last command a camera gets before its link is let go (a calibration taking the camera
    // out of its measuring mode as the window closes) still reaches it.
    void lastCommandBeforeRelease()
    {
        RawCamera camera;
        QVERIFY(camera.listen(QStringLiteral("127.0.0.10")));
        Link l;
        QHostAddress *destination = l.attach(Slot::TeacherFeature, QStringLiteral("127.0.0.10"), true);
        QVERIFY(l.cams[Slot::TeacherFeature].tcp_flag);
        l.link.sendMsg_Net(destination, 1259, QStringLiteral("81 03 06 07 01 FF"), true);
        l.link.close_slot_link(Slot::TeacherFeature);
        const QByteArray wire = hexBytes("EB040000060000008103060701FF");
        QCOMPARE(camera.take(wire.size()).toHex(' '), wire.toHex(' '));
    }

    void udpDatagrams_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("payload");
        const QByteArray block = "student_parameter\nset_tracking_config_file\npano_sensitivity=3";
        QTest::newRow("text block") << QString::fromLatin1(block) << false << 6791 << block;
        QTest::newRow("VISCA") << "81 01 06 04 FF" << true << 1259 << hexBytes("81010604FF");
    }
    void udpDatagrams()
    {
        QFETCH(QString, text);
        QFETCH(bool, hex);
        QFETCH(int, port);
        QFETCH(QByteArray, payload);
        SimCamera camera(QStringLiteral("127.0.0.12"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        Link l;
        l.link.sendMsg_Net(l.attach(Slot::StudentFeature, QStringLiteral("127.0.0.12"), false), port, text, hex);
        const auto m = camera.waitForMessage([](const SimMessage &m) { return m.event == SimEvent::Data; }, kReplyMs);
        QVERIFY(m);
        QCOMPARE(m->transport, SimTransport::Udp);
        QCOMPARE(int(m->localPort), port);
        QCOMPARE(m->payload, payload);
        QCOMPARE(l.link.current_state(), 0);
        // A text command by UDP has its answer come to the reply socket, which must listen.
        QCOMPARE(l.link.reply_socket()->state() == QAbstractSocket::BoundState, !hex);
    }

    // A link that fails carries nothing more: the side's commands go by UDP until it connects again.
    void failedLinkFallsBackToUdp_data()
    {
        QTest::addColumn<bool>("cameraGone");
        QTest::newRow("camera closes the link") << false;
        QTest::newRow("camera vanishes") << true;
    }
    void failedLinkFallsBackToUdp()
    {
        QFETCH(bool, cameraGone);
        SimCamera camera(QStringLiteral("127.0.0.14"));
        QVERIFY(camera.start());
        Link l;
        QHostAddress *destination = l.attach(Slot::TeacherPano, QStringLiteral("127.0.0.14"), true);
        if (cameraGone) {
            camera.stop();
            QVERIFY(camera.start());
        } else {
            camera.dropTcpLinks();
        }
        QTRY_VERIFY_WITH_TIMEOUT(l.link.link_failed(1), kReplyMs);
        const int from = camera.receivedCount();
        // Nor is it kept alive, and its keep-alive stays stopped.
        QTimer *keepAlive = l.cams[Slot::TeacherPano].keepalive_timer;
        keepAlive->start(5);
        QTRY_VERIFY_WITH_TIMEOUT(!keepAlive->isActive(), kReplyMs);
        QTest::qWait(20);
        QCOMPARE(camera.receivedCount(), from);
        l.link.sendMsg_Net(destination, 1259, QStringLiteral("81 01 06 04 FF"), true);
        const auto m = camera.waitForMessage([](const SimMessage &m) { return m.event == SimEvent::Data; }, kReplyMs, from);
        QVERIFY(m);
        QCOMPARE(m->transport, SimTransport::Udp);
        QVERIFY(!l.link.link_failed(2));
        // Connecting again takes the link back into use.
        l.link.open_side_tcp_link(Slot::TeacherPano, QStringLiteral("127.0.0.14"), 6793);
        QVERIFY(!l.link.link_failed(1));
    }

    // The keep-alive re-arms for the full time; without its link the camera is not kept alive.
    void keepAlive_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("teacher pano") << int(Slot::TeacherPano) << hexBytes("871A000000000000");
        QTest::newRow("student feature") << int(Slot::StudentFeature) << hexBytes("8F6C000000000000");
    }
    void keepAlive()
    {
        QFETCH(int, slot);
        QFETCH(QByteArray, header);
        RawCamera camera;
        QVERIFY(camera.listen(QStringLiteral("127.0.0.15")));
        Link l;
        l.attach(Slot(slot), QStringLiteral("127.0.0.15"), true);
        QTimer *timer = l.cams[Slot(slot)].keepalive_timer;
        QVERIFY(timer->isActive());
        timer->start(5);
        QCOMPARE(camera.take(8).toHex(' '), header.toHex(' '));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), timescale::scaled(900000));

        l.link.close_slot_link(Slot(slot));
        QVERIFY(!timer->isActive());
        l.link.teacher_pano_tcp_keepalive();
        l.link.student_tcp_keepalive();
        QTest::qWait(20);
        QVERIFY(camera.received.isEmpty());
    }

    // The side has one link: pointing it at the pano takes it from the feature camera (unless both
    // slots name one camera), and a slot keeps its flag only while the link goes to its camera.
    void sideLinkChangesHands()
    {
        RawCamera feature, pano;
        QVERIFY(feature.listen(QStringLiteral("127.0.0.16")));
        QVERIFY(pano.listen(QStringLiteral("127.0.0.17")));
        Link l;
        l.attach(Slot::TeacherFeature, QStringLiteral("127.0.0.16"), true);
        QVERIFY(l.cams[Slot::TeacherFeature].tcp_flag);
        // A pano whose TCP port does not answer takes nothing; its text answers come to the reply
        // socket, bound again.
        l.link.reply_socket()->close();
        l.attach(Slot::TeacherPano, QStringLiteral("127.0.0.21"), false);
        l.link.connect_teacher_pano_tcp(QStringLiteral("127.0.0.21"), 6793);
        QVERIFY(!l.cams[Slot::TeacherPano].tcp_flag && l.cams[Slot::TeacherFeature].tcp_flag);
        QCOMPARE(l.link.reply_socket()->state(), QAbstractSocket::BoundState);
        l.attach(Slot::TeacherPano, QStringLiteral("127.0.0.17"), false);
        l.link.connect_teacher_pano_tcp(QStringLiteral("127.0.0.17"), 6793);
        QVERIFY(l.cams[Slot::TeacherPano].tcp_flag);
        QVERIFY(!l.cams[Slot::TeacherFeature].tcp_flag);
        QVERIFY(!l.cams[Slot::TeacherFeature].keepalive_timer->isActive());

        // The student feature's link goes to the student pano's camera: the pano's flag goes.
        l.attach(Slot::StudentPano, QStringLiteral("127.0.0.16"), true);
        l.attach(Slot::StudentFeature, QStringLiteral("127.0.0.17"), true);
        QVERIFY(l.cams[Slot::StudentFeature].tcp_flag);
        QVERIFY(!l.cams[Slot::StudentPano].tcp_flag);
        // Letting go of the slot that holds it closes the link.
        l.link.close_slot_link(Slot::StudentFeature);
        QCOMPARE(l.link.side_socket(2)->state(), QAbstractSocket::UnconnectedState);
    }

    // A camera whose TCP port never answers (a listener whose accept queue is full drops the
    // connect): the probe gives up on time and the window's events run meanwhile.
    void silentPortKeepsEventsRunning()
    {
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_port = htons(6793);
        ::inet_pton(AF_INET, "127.0.0.18", &sa.sin_addr);
        QVector<int> fds{::socket(AF_INET, SOCK_STREAM, 0)};
        QVERIFY(::bind(fds[0], reinterpret_cast<sockaddr *>(&sa), sizeof sa) == 0 && ::listen(fds[0], 0) == 0);
        for (int i = 0; i < 3; ++i) {
            fds << ::socket(AF_INET, SOCK_STREAM, 0);
            ::fcntl(fds.last(), F_SETFL, O_NONBLOCK);
            ::connect(fds.last(), reinterpret_cast<sockaddr *>(&sa), sizeof sa);
        }
        QTest::qWait(50);
        Link l;
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(5);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!l.link.probe_tcp_connect(QStringLiteral("127.0.0.18"), 6793));
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(ticks > 3);
        for (int fd : fds)
            ::close(fd);
    }

    // A camera that takes nothing of its link (its port accepts no connection it queued) while
    // commands keep going to it: what waits to go out stays bounded, then the link fails as a
    // failed write does and the commands go by UDP.
    void unreadLinkFails()
    {
        constexpr int kCommands = 10000; // 10 MB: far more than loopback's buffers take
        const QString address = QStringLiteral("127.0.0.37");
        FloodingCamera camera; // never asked to flood: it accepts nothing
        QUdpSocket textPort;
        QVERIFY(camera.listen(address) && textPort.bind(QHostAddress(address), 6791));
        Link l;
        QHostAddress *destination = l.attach(Slot::TeacherPano, address, true);
        QVERIFY(l.cams[Slot::TeacherPano].tcp_flag);
        const QString command = QStringLiteral("teacher_parameter\nset_tracking_config_file\n") + QString(1000, 'x');
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false")); // a line per command
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "^MainWindow:: teacher TCP link failed \\(the camera takes nothing")));
        qint64 mostWaiting = 0;
        int commands = 0;
        for (; commands < kCommands && !l.link.link_failed(1); ++commands) {
            l.link.sendMsg_Net(destination, 6791, command, false);
            mostWaiting = qMax(mostWaiting, l.link.side_socket(1)->bytesToWrite());
            QCoreApplication::processEvents(); // the socket hands the system what it takes
        }
        QLoggingCategory::setFilterRules(QStringLiteral("corvane.protocol.debug=false"));
        qInfo("%d commands written, at most %lld bytes waiting to go out", commands, mostWaiting);
        QVERIFY(l.link.link_failed(1));
        QVERIFY2(mostWaiting < 2 * 1024 * 1024, qPrintable(QString::number(mostWaiting)));
        // The command that found the link failed, and the next, went by UDP.
        l.link.sendMsg_Net(destination, 6791, QStringLiteral("teacher_parameter\nget_tracking_status"), false);
        QTRY_VERIFY_WITH_TIMEOUT(textPort.hasPendingDatagrams(), kReplyMs);
    }

    // Replies with their origin: datagrams on the reply socket and the VISCA socket, and UOT
    // frames of the teacher link, one reader per link.
    void replies()
    {
        SimCamera camera(QStringLiteral("127.0.0.19"));
        QVERIFY(camera.start());
        Link l;
        QSignalSpy texts(&l.link, &ControlLink::textReply);
        QSignalSpy viscas(&l.link, &ControlLink::viscaReply);
        QHostAddress *destination = l.attach(Slot::TeacherPano, QStringLiteral("127.0.0.19"), false);
        l.link.sendMsg_Net(destination, 6791, QStringLiteral("teacher_parameter\nget_tracking_status"), false);
        QTRY_COMPARE_WITH_TIMEOUT(texts.size(), 1, kReplyMs);
        QVERIFY(texts.first().at(1).toBool());
        QCOMPARE(texts.first().at(0).toByteArray(), QByteArray("teacher_parameter\nteacher_tracking_status=stop"));
        l.link.sendMsg_Net(destination, 1259, QStringLiteral("81 09 04 38 FF"), true);
        QTRY_COMPARE_WITH_TIMEOUT(viscas.size(), 1, kReplyMs);
        const auto udpOrigin = viscas.first().at(1).value<ViscaReplyOrigin>();
        QVERIFY(udpOrigin.sender.isEqual(QHostAddress(QStringLiteral("127.0.0.19")), QHostAddress::ConvertV4MappedToIPv4));
        QCOMPARE(udpOrigin.tcp_link, 0);

        l.link.open_side_tcp_link(Slot::TeacherPano, QStringLiteral("127.0.0.19"), 6793);
        texts.clear();
        viscas.clear();
        // A text frame cut in two and a VISCA frame in one write.
        const QByteArray text = "teacher_parameter\nteacher_crop_status=start";
        camera.pushToLinks(QByteArray("UOT\0", 4) + hexBytes("871A0000") + QByteArray(1, char(text.size())));
        camera.pushToLinks(QByteArray(3, '\0') + text + QByteArray("UOT\0", 4) + hexBytes("EB04000004000000 905002FF"));
        QTRY_COMPARE_WITH_TIMEOUT(viscas.size(), 1, kReplyMs);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.first().at(0).toByteArray(), text);
        QVERIFY(!texts.first().at(1).toBool());
        QCOMPARE(viscas.first().at(1).value<ViscaReplyOrigin>().tcp_link, 1);
        QCOMPARE(l.link.buffered(1), 0);
    }

    // A flood of small frames: the event loop turns between shares of them, every frame comes
    // once and in order, also those that arrive while a handler waits with events handled
    // (which must not start a second read inside the first), and the dumps stay capped.
    void floodYieldsInOrder_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("teacher link") << int(Slot::TeacherPano);
        QTest::newRow("student link") << int(Slot::StudentFeature);
    }
    void floodYieldsInOrder()
    {
        QFETCH(int, slot);
        constexpr int kFrames = 4000; // 64000 bytes: all in the socket buffers before the first read
        auto frames = [](int from, int to, QByteArray bytes = {}) {
            for (int i = from; i < to; ++i)
                bytes += simuot::frame(simuot::kTextPort, QByteArray::number(i).rightJustified(4, '0'));
            return bytes;
        };
        RawCamera camera;
        QVERIFY(camera.listen(QStringLiteral("127.0.0.24")));
        Link l;
        l.attach(Slot(slot), QStringLiteral("127.0.0.24"), true);
        QTRY_VERIFY_WITH_TIMEOUT(camera.link, kReplyMs);
        int turns = 0, depth = 0, maxDepth = 0, lastTurn = -1, inTurn = 0, mostInATurn = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++turns; });
        ticker.start(0);
        QList<QByteArray> got;
        connect(&l.link, &ControlLink::textReply, [&](const QByteArray &reply) {
            maxDepth = qMax(maxDepth, ++depth);
            got << reply;
            inTurn = turns == lastTurn ? inTurn + 1 : 1;
            lastTurn = turns;
            mostInATurn = qMax(mostInATurn, inTurn);
            if (got.size() == kFrames / 2) {
                camera.link->write(frames(kFrames, kFrames + 10));
                camera.link->flush();
                QTest::qWait(20);
            }
            --depth;
        });
        LogCapture log;
        camera.link->write(frames(0, kFrames));
        QVERIFY(camera.link->waitForBytesWritten(kReplyMs));
        QTRY_COMPARE_WITH_TIMEOUT(got.size(), kFrames + 10, 10 * kReplyMs);
        QTest::qWait(20);
        for (int i = 0; i < got.size(); ++i)
            QCOMPARE(got.at(i), QByteArray::number(i).rightJustified(4, '0'));
        QCOMPARE(got.size(), kFrames + 10);
        QCOMPARE(maxDepth, 1);
        QVERIFY2(mostInATurn <= kFrames / 8, qPrintable(QString::number(mostInATurn)));
        // A dump's bytes in hexadecimal, their count in words.
        for (const QString &dump : log.lines().filter(QStringLiteral("parseReadData:[")))
            QVERIFY2(dump.size() < 2 * kLogDumpLimit || dump.endsWith(QLatin1String(" bytes)]")), qPrintable(dump.right(60)));
    }

    // A flood of frames the reader skips (a port that carries no reply, a length beyond the
    // bound) yields like a flood of replies: no turn of the event loop skips more than a share.
    void skippedFloodYields_data()
    {
        QTest::addColumn<QByteArray>("unit");
        QTest::newRow("empty frames for port 6792") << simuot::header(6792, 0);
        QTest::newRow("headers of length 0x7FFFFFFF") << simuot::header(simuot::kTextPort, 0x7FFFFFFF);
    }
    void skippedFloodYields()
    {
        QFETCH(QByteArray, unit);
        constexpr int kUnits = 200000;     // 2.4 MB
        SimCamera camera(QStringLiteral("127.0.0.30"));
        QVERIFY(camera.start());
        Link l;
        l.attach(Slot::TeacherPano, camera.address(), true);
        QSignalSpy texts(&l.link, &ControlLink::textReply);
        qint64 lastSkipped = 0, mostInATurn = 0, longestGap = 0;
        QElapsedTimer clock;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] {
            mostInATurn = qMax(mostInATurn, l.link.skipped(1) - lastSkipped);
            lastSkipped = l.link.skipped(1);
            longestGap = qMax(longestGap, clock.restart());
        });
        // The program's own log, with every line it writes.
        QFile::remove(QStringLiteral("Corvane.log"));
        const QtMessageHandler testLog = qInstallMessageHandler(nullptr);
        installLogHandler(QStringLiteral("Corvane.log"));
        QLoggingCategory::setFilterRules(QString());
        const QByteArray after = "teacher_parameter\nafter the flood";
        QCOMPARE(camera.pushToLinks(unit.repeated(kUnits) + simuot::frame(simuot::kTextPort, after)), 1);
        clock.start();
        ticker.start(0);
        QTRY_COMPARE_WITH_TIMEOUT(texts.size(), 1, 10 * kReplyMs);
        ticker.stop();
        QCOMPARE(texts.first().at(0).toByteArray(), after);
        QCOMPARE(l.link.skipped(1), qint64(kUnits));
        QCOMPARE(l.link.buffered(1), 0);
        uninstallLogHandler();
        qInstallMessageHandler(testLog);
        QLoggingCategory::setFilterRules(QStringLiteral("corvane.protocol.debug=false"));
        qInfo("at most %lld skipped in one turn of the event loop, turns at most %lld ms apart, log %lld bytes",
              mostInATurn, longestGap, QFileInfo(QStringLiteral("Corvane.log")).size());
        // A turn runs the link's read at most twice: when its socket signals, and when its next
        // share is due.
        QVERIFY2(mostInATurn <= 2 * TurnShare::kItems, qPrintable(QString::number(mostInATurn)));
    }

    // A camera that floods its link with small frames as fast as it can (answers, or frames for
    // a port that carries none): what the link holds stays bounded, the oldest frames past the
    // bound are dropped and the log says how many, the event loop keeps turning, and an answer
    // after the flood is handed on as ever. The window's link, the wizard's and the manual
    // director console's (the window's, opened by the console) read alike.
    void floodHeldBounded_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<quint32>("port");
        QTest::addColumn<QString>("address");
        const quint32 text = simuot::kTextPort;
        QTest::newRow("window link, answers") << "window" << text << "127.0.0.32";
        QTest::newRow("window link, frames for an unknown port") << "window" << 6792u << "127.0.0.33";
        QTest::newRow("wizard link, answers") << "wizard" << text << "127.0.0.34";
        QTest::newRow("wizard link, frames for an unknown port") << "wizard" << 6792u << "127.0.0.35";
        QTest::newRow("console's link, answers") << "console" << text << "127.0.0.36";
    }
    void floodHeldBounded()
    {
        QFETCH(QString, owner);
        QFETCH(quint32, port);
        QFETCH(QString, address);
        constexpr int kFloodMs = 1000; // the bound is reached within tens of milliseconds
        const QByteArray closing = "teacher_parameter\nteacher_tracking_status=stop";
        FloodingCamera camera;
        QVERIFY(camera.listen(address));
        Link window;
        WizardLink wizardLink;
        if (owner == QLatin1String("wizard")) {
            wizardLink.startTeacherPanoTcp(address);
        } else if (owner == QLatin1String("console")) {
            window.link.set_manual_direct_running(true);
            window.link.set_manual_direct_camera(true, address, window.link.open_manual_direct_link(true, address, 6793));
        } else {
            window.attach(Slot::TeacherPano, address, true);
        }
        const ControlLink &link = owner == QLatin1String("wizard") ? wizardLink.control() : window.link;
        QCOMPARE(link.side_socket(1)->state(), QAbstractSocket::ConnectedState);
        qint64 handedOn = 0;
        bool closed = false;
        connect(&link, &ControlLink::textReply, [&](const QByteArray &reply) {
            ++handedOn;
            closed = closed || reply == closing;
        });
        std::optional<LogCapture> log;
        log.emplace();
        FloodWatch watch(camera);
        QVERIFY(watch.valid());
        camera.flood(simuot::frame(port, "teacher_parameter\nteacher_tracking_status=start"),
                     simuot::frame(simuot::kTextPort, closing), kFloodMs);
        QTRY_VERIFY_WITH_TIMEOUT(closed || watch.exceeded(), kFloodMs + 10 * kReplyMs);
        watch.stop();
        const qint64 elapsed = watch.elapsedMs();
        const qint64 peak = watch.peakGrowthKiB();
        // The last note comes at the latest a fold's time after the last frame dropped.
        const bool noted = QTest::qWaitFor([&] { return droppedInLog(*log) == link.dropped(1); }, kReplyMs);
        const qint64 logged = droppedInLog(*log);
        log.reset();
        qInfo("%lld MB sent in %lld ms, %lld frames handed on, %lld dropped; memory growth at most %lld KiB; "
              "events at most %lld ms apart",
              camera.sent() >> 20, elapsed, handedOn, link.dropped(1), peak, watch.turns.longestGap);
        QVERIFY2(peak < watch.limitKiB(), qPrintable(QString::number(peak)));
        QVERIFY(closed);
        QVERIFY(link.dropped(1) > 0);
        QVERIFY2(noted, qPrintable(QStringLiteral("%1 of %2 dropped in the log").arg(logged).arg(link.dropped(1))));
    }

    // A camera that repeats one datagram: every one is handed on, the first few with what
    // handling them logs, and a line says how many more were left out of the log.
    void identicalDatagramsFold_data()
    {
        QTest::addColumn<bool>("visca");
        QTest::newRow("VISCA answers") << true;
        QTest::newRow("text answers") << false;
    }
    void identicalDatagramsFold()
    {
        QFETCH(bool, visca);
        constexpr int kRepeats = 20;
        SimCamera camera(QStringLiteral("127.0.0.31"));
        QVERIFY(camera.start());
        Link l;
        const quint16 port = l.bindReplySockets(l.attach(Slot::TeacherPano, camera.address(), false), visca);
        int handled = 0;
        const auto handle = [&] { qDebug() << "handled" << ++handled; };
        connect(&l.link, &ControlLink::viscaReply, handle);
        connect(&l.link, &ControlLink::textReply, handle);
        LogCapture log;
        for (int i = 0; i < kRepeats; ++i)
            QVERIFY(camera.pushDatagram(visca, visca ? hexBytes("905004000000FF") : QByteArray("teacher_parameter"),
                                        QHostAddress::LocalHost, port));
        QTRY_COMPARE_WITH_TIMEOUT(handled, kRepeats, kReplyMs);
        const QString source = visca ? QStringLiteral("MainWindow::readSocUdpData [127.0.0.31]: ")
                                     : QStringLiteral("MainWindow::readUdpData [127.0.0.31]: ");
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(source), kReplyMs);
        QCOMPARE(log.count(QStringLiteral("handled")), log_fold::kRepeatsLogged);
        qint64 leftOut = 0;
        for (const QString &line : log.lines().filter(source))
            leftOut += line.mid(source.size()).section(QLatin1Char(' '), 0, 0).toLongLong();
        QCOMPARE(leftOut, qint64(kRepeats - log_fold::kRepeatsLogged));
    }

    // A camera that sends datagrams as fast as it can: every one is handed on, a share in each
    // turn of the event loop, so that the window keeps turning.
    void datagramFloodYields_data()
    {
        QTest::addColumn<bool>("visca");
        QTest::newRow("VISCA answers") << true;
        QTest::newRow("text answers") << false;
    }
    void datagramFloodYields()
    {
        QFETCH(bool, visca);
        constexpr int kDatagrams = 150; // what the system's default receive buffer holds
        SimCamera camera(QStringLiteral("127.0.0.37"));
        QVERIFY(camera.start());
        Link l;
        const quint16 port = l.bindReplySockets(l.attach(Slot::TeacherPano, camera.address(), false), visca);
        int handled = 0, lastHandled = 0, mostInATurn = 0;
        connect(&l.link, &ControlLink::viscaReply, [&] { handled += visca; });
        connect(&l.link, &ControlLink::textReply, [&] { handled += !visca; });
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] {
            mostInATurn = qMax(mostInATurn, handled - lastHandled);
            lastHandled = handled;
        });
        for (int i = 0; i < kDatagrams; ++i)
            QVERIFY(camera.pushDatagram(visca, visca ? hexBytes("905004000000FF") : QByteArray("teacher_parameter"),
                                        QHostAddress::LocalHost, port));
        ticker.start(0);
        QTRY_COMPARE_WITH_TIMEOUT(handled, kDatagrams, kReplyMs);
        // A turn runs the read at most twice: when its socket signals, and when its next share is due.
        QVERIFY2(mostInATurn <= 2 * TurnShare::kItems, qPrintable(QString::number(mostInATurn)));
    }

    // A released camera: none of its frames still waiting in a read is handed on (released by a
    // handler), and its late text answers are ignored unless another slot uses its address.
    void releasedCamera_data()
    {
        QTest::addColumn<int>("releaseAt"); // the frame of a read; 0: released before an answer
        QTest::addColumn<bool>("sharedAddress");
        QTest::addColumn<int>("taken");
        QTest::newRow("first frame of a share") << 1 << false << 1;
        QTest::newRow("last frame of a share") << 64 << false << 64;
        QTest::newRow("late answer") << 0 << false << 0;
        QTest::newRow("late answer, address still used") << 0 << true << 1;
    }
    void releasedCamera()
    {
        QFETCH(int, releaseAt);
        QFETCH(bool, sharedAddress);
        QFETCH(int, taken);
        const QString address = QStringLiteral("127.0.0.28");
        RawCamera camera;
        QUdpSocket datagrams;
        QVERIFY(camera.listen(address) && datagrams.bind(QHostAddress(address)));
        Link l;
        l.link.closeUdpServer();
        l.link.sendMsg_Net(l.attach(Slot::StudentPano, address, releaseAt), 16791, QStringLiteral("get"), false);
        if (sharedAddress)
            l.attach(Slot::StudentFeature, address, false);
        int got = 0;
        connect(&l.link, &ControlLink::textReply, [&] {
            if (++got == releaseAt)
                l.link.close_slot_link(Slot::StudentPano);
        });
        if (releaseAt) {
            QTRY_VERIFY_WITH_TIMEOUT(camera.link, kReplyMs);
            camera.link->write(simuot::frame(simuot::kTextPort, "student_parameter").repeated(300));
        } else {
            l.link.close_slot_link(Slot::StudentPano);
            l.cams.clear_destination(Slot::StudentPano);
            datagrams.writeDatagram("student_parameter\nstudent_tracking_status=stop", QHostAddress::LocalHost, 7791);
            // A marker from a connected camera after the late answer: once it is in, so is the answer.
            QUdpSocket marker;
            QVERIFY(marker.bind(QHostAddress(QStringLiteral("127.0.0.29"))));
            l.link.sendMsg_Net(l.attach(Slot::TeacherPano, QStringLiteral("127.0.0.29"), false), 6791,
                               QStringLiteral("get"), false);
            marker.writeDatagram("teacher_parameter\nteacher_tracking_status=stop", QHostAddress::LocalHost, 7791);
            ++taken;
        }
        QTRY_COMPARE_WITH_TIMEOUT(got, taken, kReplyMs);
        QTest::qWait(100);
        QCOMPARE(got, taken);
    }

    // The reply socket and the VISCA socket take answers only from hosts commands went to; any
    // other sender is ignored and logged once, and only so many of them. A stranger's zoom
    // answer must not set a camera's zoom field.
    void replySocketSenders_data()
    {
        QTest::addColumn<bool>("visca");
        QTest::addColumn<int>("foreign");
        QTest::addColumn<int>("logLines");
        QTest::newRow("one foreign host") << false << 1 << 1;
        QTest::newRow("more foreign hosts than are logged") << false << 70 << 65;
        QTest::newRow("VISCA, one foreign host") << true << 1 << 1;
        QTest::newRow("VISCA, more foreign hosts than are logged") << true << 70 << 65;
    }
    void replySocketSenders()
    {
        QFETCH(bool, visca);
        QFETCH(int, foreign);
        SimCamera camera(QStringLiteral("127.0.0.26"));
        QVERIFY(camera.start());
        Link l;
        QHostAddress *destination = l.attach(Slot::TeacherPano, QStringLiteral("127.0.0.26"), false);
        const quint16 port = l.bindReplySockets(destination, visca);
        QVERIFY(port != 0);
        QSignalSpy texts(&l.link, &ControlLink::textReply);
        QSignalSpy viscas(&l.link, &ControlLink::viscaReply);
        QSignalSpy &answers = visca ? viscas : texts;
        LogCapture log;
        for (int i = 1; i <= foreign; ++i) {
            QUdpSocket host;
            QVERIFY(host.bind(QHostAddress(QStringLiteral("127.0.1.%1").arg(i))));
            for (int n = 0; n < 2; ++n)
                host.writeDatagram(visca ? hexBytes("905004000000FF")
                                         : QByteArray("teacher_parameter\nteacher_tracking_status=start"),
                                   QHostAddress::LocalHost, port);
        }
        // The camera's answer comes after the foreign datagrams, on the same socket.
        if (visca)
            l.link.sendMsg_Net(destination, 1259, QStringLiteral("81 09 04 38 FF"), true);
        else
            l.link.sendMsg_Net(destination, 6791, QStringLiteral("teacher_parameter\nget_tracking_status"), false);
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, kReplyMs);
        QTest::qWait(20);
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers.first().at(0).toByteArray(),
                 visca ? hexBytes("905002FF") : QByteArray("teacher_parameter\nteacher_tracking_status=stop"));
        const QString reader = visca ? QStringLiteral("MainWindow::readSocUdpData") : QStringLiteral("MainWindow::readUdpData");
        QTEST(log.count(reader + QStringLiteral(" answer")), "logLines");
        QCOMPARE(log.count(QStringLiteral("[127.0.1.1]")), 1);
    }

    // The wizard's kind of link takes text answers only and binds no reply socket.
    void textRepliesOnly()
    {
        SimCamera camera(QStringLiteral("127.0.0.20"));
        QVERIFY(camera.start());
        CameraSlots cams;
        ControlLink::Options options;
        options.bind_reply_socket = false;
        options.text_replies_only = true;
        ControlLink link(&cams, options);
        QSignalSpy texts(&link, &ControlLink::textReply);
        QSignalSpy viscas(&link, &ControlLink::viscaReply);
        QVERIFY(!link.reply_socket());
        cams[Slot::TeacherPano].udp_flag = true;
        link.open_side_tcp_link(Slot::TeacherPano, QStringLiteral("127.0.0.20"), 6793);
        camera.pushFrameToLinks(1259, hexBytes("905002FF"));
        camera.pushFrameToLinks(6791, "teacher_parameter\nteacher_tracking_status=start");
        QTRY_COMPARE_WITH_TIMEOUT(texts.size(), 1, kReplyMs);
        QCOMPARE(viscas.size(), 0);
    }
};

QTEST_MAIN(tst_ControlLink)
#include "tst_control_link.moc"
