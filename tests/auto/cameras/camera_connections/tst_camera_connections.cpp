// The camera connections without the window, with the VISCA replies beside them, against
// simulated cameras on 127.0.0.2 to 127.0.0.7 and one RTSP server for all of them: what a
// connect and a disconnect leave (record, decoder and thread, tab locks), what each camera
// receives in which order, the warnings, each pano's own wait for its status, a connect asked
// to let go while it waits, and the free preview.
#include "camera_objects.h"
#include "core/reachability.h"
#include "core/time_scale.h"
#include "rtsp/rtsp_server_process.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QPointer>
#include <QtTest>

using camera_slot::Side;
using camera_slot::Slot;
Q_DECLARE_METATYPE(camera_slot::Slot)

namespace {
constexpr double kTimeScale = 0.1; // the connect's waits of 1.3 to 2 s and the 10 s status wait
constexpr int kWaitMs = 15000;     // bounds a picture or an answer on a busy machine
const char *const kUnreachable = "127.0.0.9";
const Slot kAll[] = {Slot::TeacherFeature, Slot::TeacherPano,  Slot::StudentFeature,
                     Slot::StudentPano,    Slot::BoardFeature, Slot::BoardPano};

QString addressOf(Slot slot) { return QStringLiteral("127.0.0.%1").arg(int(slot) + 2); }

QStringList commandsReceived(const SimCamera *camera)
{
    QStringList out;
    for (const SimMessage &m : camera->received()) {
        if (m.isVisca())
            out << QString::fromLatin1(m.payload.toHex(' ').toUpper());
        else if (m.isText())
            out << m.text();
    }
    return out;
}

struct Fixture : CameraObjects {
    QLineEdit *edit(Slot slot) { return formHost.window.findChild<QLineEdit *>(camera_slot::name(slot) + "_IP_Edit"); }
    QPushButton *button(Slot slot)
    {
        return formHost.window.findChild<QPushButton *>(camera_slot::name(slot) + "_connect_Button");
    }
    void press(Slot slot, const QString &address)
    {
        edit(slot)->setText(address);
        button(slot)->click();
    }
    // Nothing of the slot left: no record state, picture, thread or wait; the button offers a connect.
    void verifyLetGo(Slot slot)
    {
        const CameraSlotRecord &r = records[slot];
        QVERIFY(!r.udp_flag && !r.connected && !r.destination);
        QVERIFY(!conn.decoder(slot) && !conn.decoding_thread(slot));
        QCOMPARE(button(slot)->text(), QStringLiteral("Connect"));
        QVERIFY(button(slot)->isEnabled() && tabsEnabled);
        QVERIFY(!records[Slot::TeacherPano].response_timer->isActive());
        QVERIFY(!records[Slot::StudentPano].response_timer->isActive());
    }
};
} // namespace

class tst_CameraConnections : public QObject
{
    Q_OBJECT

    SimCameraHost host;
    RtspServerProcess server; // on every address: the pano slots take "/2", the others "/1"

    SimCamera *camera(Slot slot) const { return host.cameraAt(addressOf(slot)); }

private slots:
    void initTestCase()
    {
        const char *models[] = {"J57", "J57", "R6", "M19", "J57", "J57"};
        for (Slot slot : kAll)
            QVERIFY(host.addCamera(addressOf(slot), QString::fromLatin1(models[int(slot)])));
        QVERIFY(host.startAll());
        RtspServerProcess::Options options;
        options.address = QStringLiteral("0.0.0.0");
        options.port = 554;
        options.size = QSize(320, 180);
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
    }

    void init()
    {
        timescale::setFactor(kTimeScale);
        reachability::setCheck([](const QString &h) { return h != QLatin1String(kUnreachable); });
        for (SimCamera *c : host.cameras()) {
            c->setFault(SimFault::None);
            c->clearRecords();
        }
    }

    void cleanup()
    {
        timescale::setFactor(1.0);
        QTRY_COMPARE_WITH_TIMEOUT(rtsp_stream::pendingCount(), 0, 5000);
        QCOMPARE(QFFmpeg::instances(), 0);
    }

    void connectAndDisconnect_data()
    {
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QStringList>("commands");
        const QStringList featureJ57{"81 09 11 49 FF", "81 09 04 47 FF", "81 0C 0C 02 FF"};
        QTest::newRow("teacher feature, J57") << Slot::TeacherFeature << " 127.0.0. 2"
                                              << "rtsp://127.0.0.2:554/1" << featureJ57;
        QTest::newRow("a path: the picture from the whole field") << Slot::TeacherFeature << "127.0.0.2/1"
                                                                  << "rtsp://127.0.0.2/1" << featureJ57;
        QTest::newRow("teacher pano, J57")
            << Slot::TeacherPano << "127.0.0.3"
            << "rtsp://127.0.0.3:554/2"
            << QStringList{"81 09 11 49 FF", "81 09 04 38 FF", "81 0C 0C 05 FF",
                           "teacher_parameter\ncommand=get_crop_status", "teacher_parameter\nget_tracking_status"};
        QTest::newRow("student feature, R6: no role")
            << Slot::StudentFeature << "127.0.0.4"
            << "rtsp://127.0.0.4:554/1" << QStringList{"81 09 11 49 FF", "81 09 04 47 FF"};
        QTest::newRow("student pano, M19: the crop's focus, no role")
            << Slot::StudentPano << "127.0.0.5"
            << "rtsp://127.0.0.5:554/2"
            << QStringList{"81 09 11 49 FF", "8A 09 04 38 FF", "student_parameter\ncommand=get_crop_status",
                           "student_parameter\nget_tracking_status"};
        QTest::newRow("board feature, J57")
            << Slot::BoardFeature << "127.0.0.6"
            << "rtsp://127.0.0.6:554/1" << QStringList{"81 09 11 49 FF", "81 0C 0C 01 FF"};
        QTest::newRow("board pano: no inquiry") << Slot::BoardPano << "127.0.0.7"
                                                << "rtsp://127.0.0.7:554/1" << QStringList{};
    }
    void connectAndDisconnect()
    {
        QFETCH(Slot, slot);
        QFETCH(QString, field);
        QFETCH(QString, url);
        QFETCH(QStringList, commands);
        QStringList pinged;
        reachability::setCheck([&pinged](const QString &h) { return pinged << h, true; });
        Fixture f;
        f.press(slot, field);
        QCOMPARE(f.boxes.texts(), QStringList());
        QCOMPARE(pinged, QStringList{addressOf(slot)}); // pinged and controlled at the address alone
        QCOMPARE(f.edit(slot)->text(), QString(field).remove(QLatin1Char(' ')));
        const CameraSlotRecord &r = f.records[slot];
        QVERIFY(r.udp_flag && r.connected);
        QCOMPARE(r.destination->toString(), addressOf(slot));
        QCOMPARE(f.conn.decoder(slot)->url, url);
        QVERIFY(f.conn.decoding_thread(slot)->isRunning());
        QCOMPARE(f.button(slot)->text(), QStringLiteral("Disconnect"));
        QVERIFY(!f.ui->language_select_comboBox->isEnabled());
        // A pano's tabs wait for its parameter reply or its status timer.
        QCOMPARE(f.tabsEnabled, !camera_slot::is_side_pano(slot));
        QCOMPARE(r.response_timer && r.response_timer->isActive(), camera_slot::is_side_pano(slot));
        QTRY_VERIFY_WITH_TIMEOUT(f.pictures[int(slot)] > 0, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(commandsReceived(camera(slot)).size() >= commands.size(), kWaitMs);
        QCOMPARE(commandsReceived(camera(slot)).mid(0, commands.size()), commands);

        // The decoding thread has ended once the disconnect returns to the event loop.
        QPointer<RtspThread> thread = f.conn.decoding_thread(slot);
        f.button(slot)->click();
        f.verifyLetGo(slot);
        QTRY_VERIFY(thread.isNull());
        QVERIFY(r.device_model.isEmpty());
        QVERIFY(f.ui->language_select_comboBox->isEnabled());
        QCOMPARE(f.boxes.texts(), QStringList());
    }

    // Each camera's model stays its own, and the pano's connect re-points the teacher link: the R6
    // feature camera keeps its model and flags, and its commands go by UDP.
    void teacherPairModelsAndLink()
    {
        camera(Slot::TeacherFeature)->setModel(QStringLiteral("R6"));
        Fixture f;
        f.press(Slot::TeacherFeature, addressOf(Slot::TeacherFeature));
        QVERIFY(f.records[Slot::TeacherFeature].tcp_flag);
        f.press(Slot::TeacherPano, addressOf(Slot::TeacherPano));
        camera(Slot::TeacherFeature)->setModel(QStringLiteral("J57"));
        QCOMPARE(f.records[Slot::TeacherPano].device_model, QStringLiteral("J57"));
        QCOMPARE(f.records[Slot::TeacherFeature].device_model, QStringLiteral("R6"));
        QVERIFY(f.replies.feature_model(Side::Teacher).r6 && !f.replies.feature_model(Side::Teacher).j57);
        QVERIFY(f.records[Slot::TeacherPano].tcp_flag && !f.records[Slot::TeacherFeature].tcp_flag);
        QVERIFY(!f.records[Slot::TeacherFeature].keepalive_timer->isActive());
        const int from = camera(Slot::TeacherFeature)->receivedCount();
        f.link.sendMsg_Net(f.records[Slot::TeacherFeature].destination, 1259, ptz_commands::stop(false), true);
        const auto got = camera(Slot::TeacherFeature)
                             ->waitForMessage([](const SimMessage &m) { return m.isVisca(); }, kWaitMs, from);
        QVERIFY(got && got->transport == SimTransport::Udp);
    }

    // A warning, nothing left behind; the board feature's button marks the board Apply anyway.
    void failures_data()
    {
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("message");
        const QString fillIn = QStringLiteral("Network information fill in error");
        QTest::newRow("empty, board feature") << Slot::BoardFeature << "" << fillIn;
        QTest::newRow("not an address, teacher pano") << Slot::TeacherPano << "127.0.0.300" << fillIn;
        QTest::newRow("no answer to ping, student pano") << Slot::StudentPano << kUnreachable << "Connection timeout";
        QTest::newRow("no such picture, teacher pano") << Slot::TeacherPano << "127.0.0.8/9"
                                                       << "Connection failure";
        QTest::newRow("board path: \"/1\" added names no picture") << Slot::BoardFeature << "127.0.0.6/1"
                                                                   << "Connection failure";
    }
    void failures()
    {
        QFETCH(Slot, slot);
        QFETCH(QString, address);
        QFETCH(QString, message);
        Fixture f;
        f.ui->board_apply_Button->setText(QStringLiteral("Apply"));
        f.press(slot, address);
        QCOMPARE(f.boxes.texts(), QStringList{message});
        QCOMPARE(f.boxes.shown.first().title, QStringLiteral("Warning"));
        QCOMPARE(f.boxes.shown.first().parent, &f.formHost.window);
        f.verifyLetGo(slot);
        QCOMPARE(f.ui->board_apply_Button->text() == QLatin1String("Apply(*)"), slot == Slot::BoardFeature);
    }

    // A pano that never answers its status request is owed the warning after its (scaled) 10
    // seconds, each pano on its own: the other pano's disconnect does not silence it.
    void silentPanoWarnsOnItsOwn_data()
    {
        QTest::addColumn<Slot>("silent");
        QTest::addColumn<Slot>("other");
        QTest::addColumn<QString>("warning");
        const QString plain =
            QStringLiteral("tracking configuration get failed, please try disconnecting and reconnecting");
        QTest::newRow("student pano silent") << Slot::StudentPano << Slot::TeacherPano << plain;
        QTest::newRow("teacher pano silent") << Slot::TeacherPano << Slot::StudentPano << plain;
        QTest::newRow("a J57 feature camera")
            << Slot::TeacherPano << Slot::TeacherFeature
            << "Failed to get config, please reconnect or click Get button to get config!";
    }
    void silentPanoWarnsOnItsOwn()
    {
        QFETCH(Slot, silent);
        QFETCH(Slot, other);
        QFETCH(QString, warning);
        camera(silent)->setFault(SimFault::Silent);
        Fixture f;
        f.ui->tabWidget->setCurrentWidget(silent == Slot::StudentPano ? f.ui->tab_student : f.ui->tab_teacher);
        const bool otherStays = !camera_slot::is_side_pano(other);
        if (otherStays)
            f.press(other, addressOf(other));
        f.press(silent, addressOf(silent));
        if (!otherStays) {
            f.press(other, addressOf(other));
            f.button(other)->click(); // the other pano goes again
        }
        QTRY_VERIFY_WITH_TIMEOUT(!f.boxes.texts().isEmpty(), kWaitMs);
        QTest::qWait(100);
        QCOMPARE(f.boxes.texts(), QStringList{warning});
        QVERIFY(f.tabsEnabled); // the time-out gives the tabs back
        QVERIFY(f.calls.contains(silent == Slot::StudentPano ? "student check 1" : "teacher check 1"));
    }

    // Asked to let go while it waits (Return in the address field, stop_connect, the stream
    // failing): the connect ends at once with the slot let go and nothing asked after.
    void interruptedConnect_data()
    {
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<QString>("how");
        for (Slot slot : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentPano, Slot::BoardFeature}) {
            for (const char *how : {"return", "stop_connect", "frame failed"}) {
                // stop_connect leaves the board cameras; the board address fields take no Return.
                if (slot == Slot::BoardFeature && QLatin1String(how) != QLatin1String("frame failed"))
                    continue;
                QTest::addRow("%s, %s", qPrintable(camera_slot::name(slot)), how) << slot << QString::fromLatin1(how);
            }
        }
    }
    void interruptedConnect()
    {
        QFETCH(Slot, slot);
        QFETCH(QString, how);
        Fixture f;
        bool fired = false;
        // Once the model inquiry is out the connect is in its waits.
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (fired || commandsReceived(camera(slot)).isEmpty())
                return;
            fired = true;
            if (how == QLatin1String("return"))
                emit f.edit(slot)->returnPressed();
            else if (how == QLatin1String("stop_connect"))
                f.conn.stop_connect();
            else
                emit f.conn.decoder(slot)->FrameFailed();
        });
        poll.start();
        f.press(slot, addressOf(slot));
        poll.stop();
        QVERIFY(fired);
        f.verifyLetGo(slot);
        QCOMPARE(f.boxes.texts(), QStringList());
        QTest::qWait(100);
        QVERIFY(commandsReceived(camera(slot)).filter(QStringLiteral("get_tracking_status")).isEmpty());
    }

    // The stream dies while connected: the slot lets go without a message.
    void streamDiesWhileConnected()
    {
        Fixture f;
        f.press(Slot::StudentFeature, addressOf(Slot::StudentFeature));
        QTRY_VERIFY_WITH_TIMEOUT(f.pictures[int(Slot::StudentFeature)] > 0, kWaitMs);
        const RtspServerProcess::Options options = server.options();
        server.kill();
        QTRY_VERIFY_WITH_TIMEOUT(!f.records[Slot::StudentFeature].udp_flag, kWaitMs);
        f.verifyLetGo(Slot::StudentFeature);
        QCOMPARE(f.boxes.texts(), QStringList());
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
    }

    // The console's takeover: teacher feature, teacher pano, student feature, student pano,
    // one after the other; the board stays.
    void stopConnectOrder()
    {
        Fixture f;
        for (Slot slot :
             {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano, Slot::BoardFeature})
            f.press(slot, addressOf(slot));
        QStringList order;
        for (Slot slot : {Slot::StudentPano, Slot::TeacherPano, Slot::StudentFeature, Slot::TeacherFeature})
            connect(f.conn.decoder(slot), &QObject::destroyed, this,
                    [&order, slot] { order << camera_slot::name(slot); });
        f.conn.stop_connect_timer()->start();
        QTRY_VERIFY_WITH_TIMEOUT(order.size() == 4, kWaitMs);
        QCOMPARE(order, (QStringList{"teacher_feature", "teacher_pano", "student_feature", "student_pano"}));
        QTRY_VERIFY(!f.conn.stop_connect_timer()->isActive());
        QVERIFY(f.records[Slot::BoardFeature].udp_flag);
    }

    // The free preview: its picture, a second press while it opens is ignored, and the port
    // change lets it go with every camera.
    void freePreview()
    {
        Fixture f;
        f.ui->txtUrl->setText(QStringLiteral("127.0.0.2"));
        f.ui->txtPort->setText(QStringLiteral("554"));
        int pressesDuringPing = 0;
        reachability::setCheck([&](const QString &) {
            ++pressesDuringPing;
            f.conn.on_rtsp_connect_Button_clicked();
            return true;
        });
        f.ui->rtsp_connect_Button->click();
        init();
        QCOMPARE(pressesDuringPing, 1);
        QCOMPARE(f.conn.preview_decoder()->url, QStringLiteral("rtsp://127.0.0.2:554/1"));
        QCOMPARE(f.ui->rtsp_connect_Button->text(), QStringLiteral("Disconnect"));
        QVERIFY(f.conn.preview_connected());
        QTRY_VERIFY_WITH_TIMEOUT(f.pictures[camera_slot::kSlotCount] > 0, kWaitMs);
        f.press(Slot::TeacherFeature, addressOf(Slot::TeacherFeature));
        f.conn.disconnect_for_port_change();
        f.verifyLetGo(Slot::TeacherFeature);
        QVERIFY(!f.conn.preview_decoder());
        QVERIFY(!f.conn.preview_destination());
        QCOMPARE(f.ui->rtsp_connect_Button->text(), QStringLiteral("Connect"));
        QCOMPARE(f.boxes.texts(), QStringList());
    }
};

QTEST_MAIN(tst_CameraConnections)
#include "tst_camera_connections.moc"
