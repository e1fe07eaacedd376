// The main window's send path against cameras on loopback: the bytes of each command on the
// wire, which link it takes, the links' connects and keep-alives, and a link that fails.
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
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

using camslot::Slot;

namespace {
constexpr int kReplyMs = 3000; // loopback answers within milliseconds; this only bounds a failure
constexpr double kTimeScale = 0.1;

// A camera's TCP port that keeps every byte it receives, exactly as it arrived.
class RawCamera
{
public:
    bool listen(const QString &address)
    {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *s = server.nextPendingConnection()) {
                link = s;
                QObject::connect(s, &QTcpSocket::readyRead, [this, s] { received += s->readAll(); });
            }
        });
        return server.listen(QHostAddress(address), 6793);
    }
    // The next n bytes received, waiting for them; empty when they do not come.
    QByteArray take(int n)
    {
        if (!QTest::qWaitFor([&] { return received.size() >= n; }, kReplyMs))
            return QByteArray();
        const QByteArray bytes = received.left(n);
        received.remove(0, n);
        return bytes;
    }
    QTcpServer server;
    QPointer<QTcpSocket> link;
    QByteArray received;
};

// A listening TCP port whose accept queue is full: a connect to it is never answered, as with
// a camera that has hung. Linux drops the SYN of a listener whose queue is full.
class HungPort
{
public:
    ~HungPort()
    {
        for (int fd : fds)
            ::close(fd);
    }
    bool open(const char *address, quint16 port)
    {
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_port = htons(port);
        ::inet_pton(AF_INET, address, &sa.sin_addr);
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        fds << listener;
        const int one = 1;
        ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        if (::bind(listener, reinterpret_cast<sockaddr *>(&sa), sizeof sa) != 0 || ::listen(listener, 0) != 0)
            return false;
        // Fill the queue with connections nobody accepts.
        for (int i = 0; i < 3; ++i) {
            const int client = ::socket(AF_INET, SOCK_STREAM, 0);
            fds << client;
            ::fcntl(client, F_SETFL, O_NONBLOCK);
            ::connect(client, reinterpret_cast<sockaddr *>(&sa), sizeof sa);
        }
        QTest::qWait(50);
        return true;
    }
    QVector<int> fds;
};

QByteArray hexBytes(const char *text) { return QByteArray::fromHex(QByteArray(text)); }

bool isUdp(const SimMessage &m) { return m.event == SimEvent::Data && m.transport == SimTransport::Udp; }
bool isTcp(const SimMessage &m) { return m.event == SimEvent::Data && m.transport == SimTransport::Tcp; }

// The next data message a camera receives from index from on.
std::optional<SimMessage> nextData(const SimCamera &camera, int from)
{
    return camera.waitForMessage([](const SimMessage &m) { return m.event == SimEvent::Data; }, kReplyMs, from);
}

const QByteArray kMarker = "teacher_parameter\ncommand=marker";
} // namespace

class tst_SendPath : public QObject
{
    Q_OBJECT

    std::unique_ptr<RecordingPresenter> boxes;
    std::unique_ptr<MainWindow> window;
    MainWindow *w = nullptr;

    // Sends a marker by UDP to the camera and returns it as received: everything the camera
    // received before it came earlier.
    SimMessage udpMarker(SimCamera &camera)
    {
        const int from = camera.receivedCount();
        QHostAddress address(camera.address());
        w->sendMsg_Net(&address, 6791, QString::fromLatin1(kMarker), false);
        const auto m = camera.waitForMessage([](const SimMessage &m) { return m.payload == kMarker; }, kReplyMs, from);
        return m ? *m : SimMessage();
    }

    // Messages with data the camera received between index from and the marker.
    QVector<SimMessage> receivedBeforeMarker(SimCamera &camera, int from)
    {
        const SimMessage marker = udpMarker(camera);
        QVector<SimMessage> out;
        const QVector<SimMessage> all = camera.received();
        for (int i = from; i < all.size(); ++i) {
            if (all[i].payload == kMarker && isUdp(all[i]))
                break;
            if (all[i].event == SimEvent::Data)
                out << all[i];
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        timescale::setFactor(kTimeScale);
        // Five cameras: the Board tab is there.
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=2\n"));
        boxes.reset(new RecordingPresenter);
        window.reset(new MainWindow);
        w = window.get();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->ui->tabWidget->count(), w->eight_tab);
    }

    void cleanupTestCase()
    {
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
        w->teacher_apply_wait = w->student_apply_wait = false;
        w->recorder_port_map_enabled = false;
        for (QLineEdit *e : {w->ui->visca_port_Edit, w->ui->student_visca_port_Edit, w->ui->udp_port_Edit,
                             w->ui->student_udp_port_Edit})
            e->clear();
        w->ui->tabWidget->setCurrentIndex(0);
        w->control_link->reply_socket()->close();
        boxes->clear();
    }

    // ---- bytes on the wire ----

    void tcpFrameBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("mapped");
        QTest::addColumn<QByteArray>("wire");

        QTest::newRow("VISCA Home") << "81 01 06 04 FF" << true << 1259 << false
                                    << hexBytes("EB04000005000000 81010604FF");
        QTest::newRow("two blanks in a row") << "81  01 06 04  FF" << true << 1259 << false
                                             << hexBytes("EB04000005000000 81010604FF");
        QTest::newRow("lower-case digits") << "81 01 06 04 ff" << true << 1259 << false
                                           << hexBytes("EB04000005000000 81010604FF");
        QTest::newRow("absolute pan/tilt 10, -5") << "pan-tilt" << true << 1259 << false
                                                  << hexBytes("EB0400000F000000 810106021612000009000F0F0B08FF");
        const QByteArray block = "teacher_parameter\nget_tracking_config_file";
        QTest::newRow("text block") << QString::fromLatin1(block) << false << 6791 << false
                                    << QByteArray(hexBytes("871A00002A000000") + block);
        QTest::newRow("mapped teacher VISCA port names 1259") << "81 01 06 04 FF" << true << 21259 << true
                                                              << hexBytes("EB04000005000000 81010604FF");
        QTest::newRow("mapped student VISCA port names 1259") << "81 01 06 04 FF" << true << 22259 << true
                                                              << hexBytes("EB04000005000000 81010604FF");
        QTest::newRow("mapped text port names 6791") << QString::fromLatin1(block) << false << 26791 << true
                                                     << QByteArray(hexBytes("871A00002A000000") + block);
        QTest::newRow("mapping off keeps the port") << "81 01 06 04 FF" << true << 21259 << false
                                                    << hexBytes("0B53000005000000 81010604FF");
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
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.10"), true));
        w->recorder_port_map_enabled = mapped;
        w->ui->visca_port_Edit->setText(QStringLiteral("21259"));
        w->ui->student_visca_port_Edit->setText(QStringLiteral("22259"));
        w->ui->udp_port_Edit->setText(QStringLiteral("26791"));
        w->ui->student_udp_port_Edit->setText(QStringLiteral("27791"));
        if (text == QLatin1String("pan-tilt"))
            text = w->visca_absolute_pan_tilt(10, -5);

        w->sendMsg_Net(w->teacher_pano_destination, port, text, hex);
        QCOMPARE(camera.take(wire.size()).toHex(' '), wire.toHex(' '));
        QVERIFY(w->control_link->tcp_socket_flag());
        QCOMPARE(w->control_link->current_state(), 1);
        QTest::qWait(20);
        QVERIFY2(camera.received.isEmpty(), camera.received.toHex(' ').constData());
    }

    // What a camera reads from the link, and its answers coming back in UOT frames.
    void tcpAsTheCameraReadsIt()
    {
        SimCamera camera(QStringLiteral("127.0.0.11"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::StudentPano, QStringLiteral("127.0.0.11"), true));
        LogCapture log;

        w->sendMsg_Net(w->student_pano_destination, w->student_visca_port, QStringLiteral("81 01 06 04 FF"), true);
        auto home = nextData(camera, 0);
        QVERIFY(home);
        QVERIFY(isTcp(*home));
        QCOMPARE(home->channel, SimChannel::Visca);
        QCOMPARE(home->framePort, quint32(1259));
        QCOMPARE(home->payload, hexBytes("81010604FF"));
        QCOMPARE(w->control_link->current_state(), 2);
        // The two answers (acknowledge, completion) arrive as frames for port 1259.
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("90 51 ff")), kReplyMs);
        QVERIFY(log.contains(QStringLiteral("90 41 ff")));

        const int from = camera.receivedCount();
        w->control_link->student_tcp_keepalive();
        auto keepAlive = nextData(camera, from);
        QVERIFY(keepAlive);
        QCOMPARE(keepAlive->channel, SimChannel::KeepAlive);
        QCOMPARE(keepAlive->framePort, quint32(6791));
        QVERIFY(keepAlive->payload.isEmpty());
    }

    void udpDatagrams_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<bool>("mapped");
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("payload");

        const QByteArray block = "student_parameter\nset_tracking_config_file\npano_sensitivity=3";
        QTest::newRow("text block") << QString::fromLatin1(block) << false << false << 6791 << block;
        QTest::newRow("VISCA") << "81 01 06 04 FF" << true << false << 1259 << hexBytes("81010604FF");
        QTest::newRow("VISCA to a mapped port") << "81 01 06 04 FF" << true << true << 21259 << hexBytes("81010604FF");
        QTest::newRow("text to a mapped port") << QString::fromLatin1(block) << false << true << 26791 << block;
    }
    void udpDatagrams()
    {
        QFETCH(QString, text);
        QFETCH(bool, hex);
        QFETCH(bool, mapped);
        QFETCH(int, port);
        QFETCH(QByteArray, payload);

        SimCamera camera(QStringLiteral("127.0.0.12"), QStringLiteral("J57"));
        if (mapped)
            camera.setPorts(SimPorts{26791, 21259, 26793, 7791});
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::StudentFeature, QStringLiteral("127.0.0.12"), false));
        w->recorder_port_map_enabled = mapped;

        w->sendMsg_Net(w->student_feature_destination, port, text, hex);
        auto m = nextData(camera, 0);
        QVERIFY(m);
        QVERIFY(isUdp(*m));
        QCOMPARE(int(m->localPort), port);
        QCOMPARE(m->payload, payload);
        QVERIFY(!w->control_link->tcp_socket_flag());
        QCOMPARE(w->control_link->current_state(), 0);
        // A text command by UDP has its answer come to the reply socket.
        QCOMPARE(w->control_link->reply_socket()->state() == QAbstractSocket::BoundState, !hex);
        if (!hex)
            QCOMPARE(int(w->control_link->reply_socket()->localPort()), 7791);
    }

    // ---- hex texts that are not commands ----

    void badHexText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("placeholders left in") << "81 01 06 01 HK VN 03 01 FF";
        QTest::newRow("three digits") << "81 123 FF";
        QTest::newRow("prefix 0x") << "0x81 01 FF";
        QTest::newRow("sign") << "81 -1 FF";
        QTest::newRow("tab inside a token") << "81 0\t1 FF";
    }
    void badHexText()
    {
        QFETCH(QString, text);
        SimCamera camera(QStringLiteral("127.0.0.13"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.13"), true));

        w->sendMsg_Net(w->teacher_pano_destination, 1259, text, true);
        QCOMPARE(boxes->shown.size(), 1);
        QCOMPARE(boxes->shown[0].title, QStringLiteral("information"));
        QCOMPARE(boxes->shown[0].text, QStringLiteral("Command format error"));
        // Nothing went out on either link before the marker.
        QCOMPARE(receivedBeforeMarker(camera, 0).size(), 0);
    }

    // ---- which link ----

    // A destination of no slot goes by UDP to its own address, whatever the previous send used.
    void unmatchedDestinationGoesByUdp()
    {
        SimCamera pano(QStringLiteral("127.0.0.14"), QStringLiteral("J57"));
        SimCamera other(QStringLiteral("127.0.0.15"), QStringLiteral("J57"));
        QVERIFY2(pano.start() && other.start(), qPrintable(pano.lastError() + other.lastError()));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.14"), true));
        LogCapture log;

        w->sendMsg_Net(w->teacher_pano_destination, 1259, QStringLiteral("81 09 11 49 FF"), true);
        QVERIFY(nextData(pano, 0));
        const int panoFrom = pano.receivedCount();
        QVERIFY(w->control_link->tcp_socket_flag());
        QVERIFY(w->control_link->reply_socket()->state() != QAbstractSocket::BoundState);

        // A caller's own address object; a copy of the pano's address is not the pano's slot either.
        QHostAddress elsewhere(QStringLiteral("127.0.0.15"));
        QHostAddress panoCopy(QStringLiteral("127.0.0.14"));
        const QString request = QStringLiteral("teacher_parameter\ndirector_parameter\nget_director_config_file");
        w->sendMsg_Net(&elsewhere, 6791, request, false);
        w->sendMsg_Net(&panoCopy, 1259, QStringLiteral("81 09 04 47 FF"), true);
        auto m = nextData(other, 0);
        QVERIFY(m);
        QVERIFY(isUdp(*m));
        QCOMPARE(m->text(), request);
        auto copy = nextData(pano, panoFrom);
        QVERIFY(copy);
        QVERIFY(isUdp(*copy));
        QVERIFY(!w->control_link->tcp_socket_flag());
        // The answer to the text command reaches the parser through the reply socket.
        QCOMPARE(w->control_link->reply_socket()->state(), QAbstractSocket::BoundState);
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("MainWindow::resolver_param[teacher_parameter")), kReplyMs);
        // The pano's link carried nothing of it.
        const QVector<SimMessage> onLink = receivedBeforeMarker(pano, panoFrom);
        for (const SimMessage &s : onLink)
            QVERIFY2(!isTcp(s), qPrintable(s.describe()));
    }

    // A teacher feature command while an apply waits goes over the feature's own link.
    void featureCommandDuringApply()
    {
        SimCamera feature(QStringLiteral("127.0.0.16"), QStringLiteral("J57"));
        QVERIFY2(feature.start(), qPrintable(feature.lastError()));
        QVERIFY(camslot::attach(*w, Slot::TeacherFeature, QStringLiteral("127.0.0.16"), true));
        w->teacher_apply_wait = true;
        w->sendMsg_Net(w->teacher_feature_destination, 1259, QStringLiteral("81 01 06 04 FF"), true);
        auto m = nextData(feature, 0);
        QVERIFY(m);
        QVERIFY(isTcp(*m));
        QCOMPARE(w->control_link->current_state(), 1);
    }

    // On the Board tab a board camera is driven by UDP, also when it is the teacher pano too.
    void boardTabUsesUdp_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("tcp");
        QTest::newRow("Board tab") << 2 << false;
        QTest::newRow("Teacher tab") << 0 << true;
    }
    void boardTabUsesUdp()
    {
        QFETCH(int, tab);
        QFETCH(bool, tcp);
        SimCamera camera(QStringLiteral("127.0.0.17"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.17"), true));
        QVERIFY(camslot::attach(*w, Slot::BoardPano, QStringLiteral("127.0.0.17"), false));
        w->ui->tabWidget->setCurrentIndex(tab);
        w->sendMsg_Net(w->teacher_pano_destination, 1259, QStringLiteral("81 01 06 04 FF"), true);
        auto m = nextData(camera, 0);
        QVERIFY(m);
        QCOMPARE(isTcp(*m), tcp);
    }

    // ---- the teacher pano's link ----

    void repointTeacherLink_data()
    {
        QTest::addColumn<QString>("featureAddress");
        QTest::addColumn<QString>("panoAddress");
        QTest::addColumn<bool>("featureKeepsLink");
        QTest::newRow("feature and pano are two cameras") << "127.0.0.18" << "127.0.0.19" << false;
        QTest::newRow("one camera serves both") << "127.0.0.18" << "127.0.0.18" << true;
    }
    void repointTeacherLink()
    {
        QFETCH(QString, featureAddress);
        QFETCH(QString, panoAddress);
        QFETCH(bool, featureKeepsLink);
        SimCamera feature(featureAddress, QStringLiteral("J57"));
        QVERIFY2(feature.start(), qPrintable(feature.lastError()));
        std::unique_ptr<SimCamera> pano;
        if (panoAddress != featureAddress) {
            pano.reset(new SimCamera(panoAddress, QStringLiteral("J57")));
            QVERIFY2(pano->start(), qPrintable(pano->lastError()));
        }
        SimCamera &panoCamera = pano ? *pano : feature;
        QVERIFY(camslot::attach(*w, Slot::TeacherFeature, featureAddress, true));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, panoAddress, false));

        w->control_link->connect_teacher_pano_tcp(panoAddress, w->teacher_tcp_port);
        QVERIFY(w->teacher_pano_tcp_flag);
        QVERIFY(w->teacher_pano_keepalive_timer->isActive());
        QCOMPARE(w->teacher_feature_tcp_flag, featureKeepsLink);
        QCOMPARE(w->teacher_feature_keepalive_timer->isActive(), featureKeepsLink);

        const int featureFrom = feature.receivedCount();
        w->sendMsg_Net(w->teacher_feature_destination, 1259, QStringLiteral("81 01 06 04 FF"), true);
        auto f = feature.waitForMessage([](const SimMessage &m) { return m.isVisca(); }, kReplyMs, featureFrom);
        QVERIFY(f);
        QCOMPARE(isTcp(*f), featureKeepsLink);

        const int panoFrom = panoCamera.receivedCount();
        w->sendMsg_Net(w->teacher_pano_destination, 1259, QStringLiteral("81 09 11 49 FF"), true);
        auto p = panoCamera.waitForMessage([](const SimMessage &m) { return m.isVisca(); }, kReplyMs, panoFrom);
        QVERIFY(p);
        QVERIFY(isTcp(*p));
    }

    // A pano whose TCP port does not answer: UDP, with the reply socket bound; the feature keeps
    // its link.
    void teacherLinkProbeFails()
    {
        SimCamera feature(QStringLiteral("127.0.0.20"), QStringLiteral("J57"));
        QVERIFY2(feature.start(), qPrintable(feature.lastError()));
        QVERIFY(camslot::attach(*w, Slot::TeacherFeature, QStringLiteral("127.0.0.20"), true));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.21"), false));
        w->teacher_pano_tcp_flag = true; // left from an earlier connect
        w->control_link->connect_teacher_pano_tcp(QStringLiteral("127.0.0.21"), w->teacher_tcp_port);
        QVERIFY(!w->teacher_pano_tcp_flag);
        QVERIFY(w->teacher_feature_tcp_flag);
        QCOMPARE(w->control_link->side_socket(1)->state(), QAbstractSocket::ConnectedState);
        QCOMPARE(w->control_link->reply_socket()->state(), QAbstractSocket::BoundState);
        QCOMPARE(int(w->control_link->reply_socket()->localPort()), 7791);
    }

    // ---- a link that fails ----

    void closedLinkFallsBackToUdp()
    {
        SimCamera camera(QStringLiteral("127.0.0.22"), QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.22"), false));
        w->control_link->connect_teacher_pano_tcp(QStringLiteral("127.0.0.22"), w->teacher_tcp_port);
        QVERIFY(w->teacher_pano_tcp_flag);
        camera.setFault(SimFault::CloseTcp);
        LogCapture log;

        const QString status = QStringLiteral("teacher_parameter\ncommand=get_crop_status");
        w->sendMsg_Net(w->teacher_pano_destination, 6791, status, false);
        auto first = nextData(camera, 0);
        QVERIFY(first);
        QVERIFY(isTcp(*first));
        QTRY_COMPARE_WITH_TIMEOUT(w->control_link->side_socket(1)->state(), QAbstractSocket::UnconnectedState, kReplyMs);
        QTRY_VERIFY_WITH_TIMEOUT(w->control_link->link_failed(1), kReplyMs);
        QVERIFY(log.contains(QStringLiteral("teacher TCP link failed")));
        // The link flag keeps its rules; the commands go by UDP.
        QVERIFY(w->teacher_pano_tcp_flag);
        const int from = camera.receivedCount();
        w->sendMsg_Net(w->teacher_pano_destination, 6791, status, false);
        auto second = nextData(camera, from);
        QVERIFY(second);
        QVERIFY(isUdp(*second));
        QCOMPARE(second->text(), status);
        QCOMPARE(w->control_link->reply_socket()->state(), QAbstractSocket::BoundState);
        // No keep-alive goes anywhere for a failed link, and the timer stays stopped.
        w->teacher_pano_keepalive_timer->start(5);
        QTRY_VERIFY_WITH_TIMEOUT(!w->teacher_pano_keepalive_timer->isActive(), kReplyMs);
        QTest::qWait(20);
        QVERIFY(!w->teacher_pano_keepalive_timer->isActive());
        QCOMPARE(receivedBeforeMarker(camera, from + 1).size(), 0);

        // The next connect gives the link back.
        camera.setFault(SimFault::None);
        w->control_link->connect_teacher_pano_tcp(QStringLiteral("127.0.0.22"), w->teacher_tcp_port);
        QVERIFY(!w->control_link->link_failed(1));
        const int again = camera.receivedCount();
        w->sendMsg_Net(w->teacher_pano_destination, 6791, status, false);
        auto third = nextData(camera, again);
        QVERIFY(third);
        QVERIFY(isTcp(*third));
    }

    // A student link whose camera stopped (ports closed): the socket errors and the commands go
    // by UDP; the teacher side is not touched.
    void vanishedCameraFallsBackToUdp()
    {
        SimCamera student(QStringLiteral("127.0.0.23"), QStringLiteral("J57"));
        SimCamera teacher(QStringLiteral("127.0.0.24"), QStringLiteral("J57"));
        QVERIFY2(student.start() && teacher.start(), qPrintable(student.lastError() + teacher.lastError()));
        QVERIFY(camslot::attach(*w, Slot::StudentPano, QStringLiteral("127.0.0.23"), true));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.24"), true));
        student.dropTcpLinks();
        QTRY_VERIFY_WITH_TIMEOUT(w->control_link->link_failed(2), kReplyMs);
        QVERIFY(!w->control_link->link_failed(1));

        const int from = student.receivedCount();
        w->sendMsg_Net(w->student_pano_destination, 1259, QStringLiteral("81 01 06 04 FF"), true);
        auto m = nextData(student, from);
        QVERIFY(m);
        QVERIFY(isUdp(*m));
        w->sendMsg_Net(w->teacher_pano_destination, 1259, QStringLiteral("81 01 06 04 FF"), true);
        auto t = nextData(teacher, 0);
        QVERIFY(t);
        QVERIFY(isTcp(*t));
    }

    // ---- keep-alives ----

    void keepAlive_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("teacher feature") << int(Slot::TeacherFeature);
        QTest::newRow("teacher pano") << int(Slot::TeacherPano);
        QTest::newRow("student feature") << int(Slot::StudentFeature);
        QTest::newRow("student pano") << int(Slot::StudentPano);
    }
    void keepAlive()
    {
        QFETCH(int, slot);
        RawCamera camera;
        QVERIFY(camera.listen(QStringLiteral("127.0.0.25")));
        QVERIFY(camslot::attach(*w, Slot(slot), QStringLiteral("127.0.0.25"), true));
        QTimer *timer = nullptr;
        void (ControlLink::*keepAlive)() = nullptr;
        switch (Slot(slot)) {
        case Slot::TeacherFeature:
            timer = w->teacher_feature_keepalive_timer;
            keepAlive = &ControlLink::teacher_feature_tcp_keepalive;
            break;
        case Slot::TeacherPano:
            timer = w->teacher_pano_keepalive_timer;
            keepAlive = &ControlLink::teacher_pano_tcp_keepalive;
            break;
        case Slot::StudentFeature:
            timer = w->student_feature_keepalive_timer;
            keepAlive = &ControlLink::student_feature_tcp_keepalive;
            break;
        default:
            timer = w->student_pano_keepalive_timer;
            keepAlive = &ControlLink::student_tcp_keepalive;
            break;
        }
        QVERIFY(timer->isActive());

        // The timer's own time-out sends the 8 header bytes and arms it again for the full time.
        timer->start(5);
        QCOMPARE(camera.take(8).toHex(' '), QByteArray("87 1a 00 00 00 00 00 00"));
        QVERIFY(timer->isActive());
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), timescale::scaled(900000));

        // Without its link the camera is not kept alive, and the timer stays stopped.
        camslot::detach(*w, Slot(slot));
        (w->control_link->*keepAlive)();
        QVERIFY(!timer->isActive());
        QTest::qWait(30);
        QVERIFY(camera.received.isEmpty());
    }

    void stopKeepaliveTimers()
    {
        RawCamera teacher, student;
        QVERIFY(teacher.listen(QStringLiteral("127.0.0.26")) && student.listen(QStringLiteral("127.0.0.27")));
        QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.26"), true));
        QVERIFY(camslot::attach(*w, Slot::StudentFeature, QStringLiteral("127.0.0.27"), true));
        w->control_link->stop_keepalive_timers();
        for (QTimer *t : {w->teacher_pano_keepalive_timer, w->teacher_feature_keepalive_timer,
                          w->student_pano_keepalive_timer, w->student_feature_keepalive_timer})
            QVERIFY(!t->isActive());
        QCOMPARE(w->control_link->side_socket(1)->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(w->control_link->side_socket(2)->state(), QAbstractSocket::UnconnectedState);
    }

    // ---- connects that are not answered ----

    // The window goes on handling its events while a connect waits for a camera that does not
    // answer, and the wait ends.
    void unansweredConnectKeepsWindowPainting_data()
    {
        QTest::addColumn<bool>("teacherLink");
        QTest::newRow("probe") << false;
        QTest::newRow("teacher pano link") << true;
    }
    void unansweredConnectKeepsWindowPainting()
    {
        QFETCH(bool, teacherLink);
        HungPort hung;
        QVERIFY(hung.open("127.0.0.28", 6793));
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(5);
        QElapsedTimer clock;
        clock.start();
        bool connected = true;
        if (teacherLink) {
            QVERIFY(camslot::attach(*w, Slot::TeacherPano, QStringLiteral("127.0.0.28"), false));
            w->control_link->connect_teacher_pano_tcp(QStringLiteral("127.0.0.28"), w->teacher_tcp_port);
            connected = w->teacher_pano_tcp_flag;
        } else {
            connected = w->control_link->probe_tcp_connect(QStringLiteral("127.0.0.28"), 6793);
        }
        const qint64 elapsed = clock.elapsed();
        QVERIFY(!connected);
        // It waited for the (scaled) half second, handling events all along.
        QVERIFY2(elapsed >= timescale::scaled(500) - 5, qPrintable(QString::number(elapsed)));
        QVERIFY2(ticks >= 3, qPrintable(QStringLiteral("%1 ticks in %2 ms").arg(ticks).arg(elapsed)));
    }

    // ---- the manual director console's cameras ----

    void manualDirectLinks()
    {
        SimCamera teacher(QStringLiteral("127.0.0.29"), QStringLiteral("J57"));
        SimCamera student(QStringLiteral("127.0.0.30"), QStringLiteral("J57"));
        QVERIFY2(teacher.start() && student.start(), qPrintable(teacher.lastError() + student.lastError()));
        w->control_link->side_socket(1)->connectToHost(QHostAddress(QStringLiteral("127.0.0.29")), 6793);
        QTRY_COMPARE_WITH_TIMEOUT(w->control_link->side_socket(1)->state(), QAbstractSocket::ConnectedState, kReplyMs);
        QElapsedTimer clock;
        clock.start();
        w->set_manual_direct_ip(true, QStringLiteral("127.0.0.29"), true);
        QVERIFY(clock.elapsed() >= timescale::scaled(1000) - 5);
        w->set_manual_direct_ip(false, QStringLiteral("127.0.0.30"), false);
        QVERIFY(w->manual_direct_run);
        QCOMPARE(w->manual_direct_teacher_ip, QStringLiteral("127.0.0.29"));
        QCOMPARE(w->manual_direct_student_ip, QStringLiteral("127.0.0.30"));

        QHostAddress t(QStringLiteral("127.0.0.29")), s(QStringLiteral("127.0.0.30"));
        w->sendMsg_Net(&t, 6791, QStringLiteral("teacher_parameter\nget_tracking_status"), false);
        w->sendMsg_Net(&s, 6791, QStringLiteral("student_parameter\nget_tracking_status"), false);
        auto tm = nextData(teacher, 0);
        auto sm = nextData(student, 0);
        QVERIFY(tm && sm);
        QVERIFY(isTcp(*tm));
        QVERIFY(isUdp(*sm));

        w->set_teacher_ip_edits(QStringLiteral("10.1.1.1"));
        w->set_student_ip_edits(QStringLiteral("10.1.1.2"));
        QCOMPARE(w->ui->teacher_feature_IP_Edit->text(), QStringLiteral("10.1.1.1"));
        QCOMPARE(w->ui->teacher_pano_IP_Edit->text(), QStringLiteral("10.1.1.1"));
        QCOMPARE(w->ui->student_feature_IP_Edit->text(), QStringLiteral("10.1.1.2"));
        QCOMPARE(w->ui->student_pano_IP_Edit->text(), QStringLiteral("10.1.1.2"));
    }
};

QTEST_MAIN(tst_SendPath)
#include "tst_send_path.moc"
