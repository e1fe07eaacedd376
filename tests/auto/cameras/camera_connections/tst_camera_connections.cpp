// The camera connections and the VISCA replies without the window, against simulated cameras on
// 127.0.0.2 to 127.0.0.7 and one RTSP server for all of them: what a connect and a disconnect
// leave (record, decoder and thread, tab locks), what each camera receives in which order, the
// warnings, each pano's own wait for its status, a connect asked to let go while it waits, and
// the free preview; the model kept for the camera that answered (by the datagram's sender or the
// TCP link it came on) and what a model switches, the zoom shown per model, a J22's digital zoom,
// the R6's pan/tilt position, the focus mode and the replies that change nothing.
#include "cameras/camera_connections.h"
#include "cameras/visca_replies.h"
#include "core/reachability.h"
#include "core/time_scale.h"
#include "event_turns.h"
#include "form_rig.h"
#include "log_capture.h"
#include "mainwindow/tab_layout.h"
#include "protocol/protocol_log.h"
#include "protocol/ptz_commands.h"
#include "rtsp/rtsp_server_process.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "support/apply_mark.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QPointer>
#include <QRegularExpression>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include <utility>

using camera_slot::Side;
using camera_slot::Slot;
Q_DECLARE_METATYPE(camera_slot::Slot)

namespace {
// The camera connections and the VISCA replies on the real form without the window, with real
// camera slots, ports and control link, and the tab layout the replies ask for the page. The
// window's share is played by this rig: it records what the objects tell and counts each slot's
// pictures; as the reply parser does, a pano's status answer ends its status wait.
struct CameraObjects : FormRig {
    using Side = camera_slot::Side;
    using Slot = camera_slot::Slot;

    QObject context;
    QStringList calls;
    QStringList modelsKnown; // "<side> <model>" as the replies told them
    int pictures[camera_slot::kSlotCount + 1] = {}; // the six slots, then the free preview
    bool tabsEnabled = true;
    int layoutChosen = -1;
    portforward::Fields portFields;
    CameraConnections conn{CORVANE_FORM_WIDGETS(CameraConnections, CAMERA_CONNECTIONS_WIDGETS, formHost.ui),
                           cameras,
                           ports,
                           portFields,
                           link,
                           status,
                           &formHost.window};
    WindowChoices choices;
    TabLayout layout{CORVANE_FORM_WIDGETS(TabLayout, TAB_LAYOUT_WIDGETS, formHost.ui),
                     teacher_values,
                     student_values,
                     choices,
                     link,
                     &formHost.window};
    ViscaReplies replies{CORVANE_FORM_WIDGETS(ViscaReplies, VISCA_REPLIES_WIDGETS, formHost.ui),
                         cameras,
                         ports,
                         link,
                         status,
                         choices,
                         layout,
                         &formHost.window};

    CameraObjects()
    {
        // What the connections tell the features, recorded; the language list, the board Apply's
        // mark and the student calibration view as their owners keep them.
        using C = CameraConnections;
        QObject::connect(&conn, &C::tabs_enabled_wanted, &context, [this](bool enable) { tabsEnabled = enable; });
        QObject::connect(&conn, &C::widget_status_wanted, &context, [this](int camera, bool enable) {
            calls << QStringLiteral("status %1 %2").arg(camera).arg(enable);
        });
        QObject::connect(&conn, &C::track_check_wanted, &context, [this](Side side, bool enable) {
            calls << QStringLiteral("%1 check %2").arg(side == Side::Teacher ? "teacher" : "student").arg(enable);
        });
        QObject::connect(&conn, &C::student_calibration_widgets_wanted, &context,
                         [this](bool v) { calls << QStringLiteral("calibration %1").arg(v); });
        QObject::connect(&conn, &C::board_tracking_forgotten, &context,
                         [this] { calls << QStringLiteral("forget board status"); });
        QObject::connect(&conn, &C::decoder_created, &context, [this](Slot slot, QFFmpeg *decoder) {
            QObject::connect(decoder, &QFFmpeg::GetImage, &context, [this, slot] { ++pictures[int(slot)]; });
        });
        QObject::connect(&conn, &C::preview_decoder_created, &context, [this](QFFmpeg *decoder) {
            QObject::connect(decoder, &QFFmpeg::GetImage, &context, [this] { ++pictures[camera_slot::kSlotCount]; });
        });
        QObject::connect(&conn, &C::feature_camera_released, &replies, &ViscaReplies::feature_camera_released);
        // What the replies tell: recorded, the layout chosen by the tab layout, the focus mode
        // checked on the tab's buttons as the tabs do.
        using V = ViscaReplies;
        QObject::connect(&replies, &V::student_calibration_offered, &context,
                         [this](bool v) { calls << QStringLiteral("calibration %1").arg(v); });
        QObject::connect(&replies, &V::feature_model_known, &context, [this](Side side, const QString &model) {
            modelsKnown << QStringLiteral("%1 %2").arg(int(side)).arg(model);
        });
        QObject::connect(&replies, &V::layout_suggested, &context, [this](int chosen) {
            layoutChosen = chosen;
            layout.choose_layout(chosen);
        });
        QObject::connect(&replies, &V::preset_target_known, &context, [this] {
            if (cameras[Slot::TeacherFeature].udp_flag)
                calls << QStringLiteral("teacher presets");
            if (cameras[Slot::StudentFeature].udp_flag)
                calls << QStringLiteral("student presets");
        });
        QObject::connect(&replies, &V::pan_tilt_reported, &context, [this](Side side, int pan, int tilt) {
            calls << QStringLiteral("position %1: %2 %3").arg(int(side)).arg(pan).arg(tilt);
        });
        QObject::connect(&replies, &V::track_check_wanted, &context, [this](Side side, bool enable) {
            calls << QStringLiteral("%1 check %2").arg(side == Side::Teacher ? "teacher" : "student").arg(enable);
        });
        QObject::connect(&replies, &V::tabs_enabled_wanted, &context, [this](bool enable) { tabsEnabled = enable; });
        QObject::connect(&replies, &V::focus_mode_reported, &context, [this](Side side, bool manual) {
            const bool teacher = side == Side::Teacher;
            QAbstractButton *const buttons[2][2] = {
                {ui->student_pano_auto_mode_Button, ui->student_pano_manual_mode_Button},
                {ui->teacher_pano_auto_mode_Button, ui->teacher_pano_manual_mode_Button}};
            buttons[teacher][manual]->setChecked(true);
        });
        QObject::connect(&conn, &C::pano_camera_released, &context,
                         [this](Side side) { calls << QStringLiteral("pano %1 released").arg(int(side)); });
        QObject::connect(&conn, &C::pano_views_closed, &context, [this](Side side) {
            if (side == Side::Student && ui->student_show_Calibration_checkBox->isChecked())
                calls << QStringLiteral("cross off %1").arg(int(side));
        });
        QObject::connect(&conn, &C::cameras_connected_changed, &context,
                         [this](bool any) { ui->language_select_comboBox->setEnabled(!any); });
        QObject::connect(&conn, &C::board_camera_toggled, &context, [this] { mark_apply(ui->board_apply_Button); });
        // A slot's own commands take the side's link while the link goes to its camera: the
        // connections tell the link the address fields.
        QObject::connect(&link, &ControlLink::textReply, &context, [this](const QByteArray &reply) {
            for (Slot pano : {Slot::TeacherPano, Slot::StudentPano}) {
                if (reply.contains(pano == Slot::TeacherPano ? "teacher_tracking_status" : "student_tracking_status")) {
                    status.status_received(camera_slot::side(pano)) = true;
                    cameras[pano].response_timer->stop();
                }
            }
        });
    }
    ~CameraObjects()
    {
        for (int s = 0; s < camera_slot::kSlotCount; ++s)
            if (cameras[Slot(s)].udp_flag)
                conn.toggle_camera_slot(Slot(s));
        if (conn.preview_decoder())
            conn.on_rtsp_connect_Button_clicked();
    }
    // Slot s on 127.0.0.(s + 2), as a connect leaves its record.
    void attach(Slot slot)
    {
        cameras[slot].udp_flag = true;
        cameras.set_destination(slot, QStringLiteral("127.0.0.%1").arg(int(slot) + 2));
    }
};

// Shortens the connect's waits of 1.3 to 2 s and the 10 s status wait. The 500 ms port probe
// keeps 125 ms: at 0.1 its 50 ms ran out one run in two under AddressSanitizer.
constexpr double kTimeScale = 0.25;
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
        const CameraSlotRecord &r = cameras[slot];
        QVERIFY(!r.udp_flag && !r.connected && !r.destination);
        QVERIFY(!conn.decoder(slot) && !conn.decoding_thread(slot));
        QCOMPARE(button(slot)->text(), QStringLiteral("Connect"));
        QVERIFY(button(slot)->isEnabled() && tabsEnabled);
        QVERIFY(!cameras[Slot::TeacherPano].response_timer->isActive());
        QVERIFY(!cameras[Slot::StudentPano].response_timer->isActive());
    }
};
QByteArray field(int value)
{
    QByteArray b;
    for (int shift : {12, 8, 4, 0})
        b.append(char((value >> shift) & 0xF));
    return b;
}
QByteArray reply(const QByteArray &body) { return QByteArray::fromHex("9050") + body + QByteArray::fromHex("ff"); }
QByteArray modelReply(const char *code) { return reply(QByteArray::fromHex(QByteArray("00000000") + code)); }
ViscaReplyOrigin fromSlot(Slot slot) { return {QHostAddress(addressOf(slot)), 1259, 0}; }

struct ReplyFixture : CameraObjects {
    explicit ReplyFixture(int layout = 3)
    {
        ui->choose_camera_comboBox->setCurrentIndex(layout);
        // Hidden until a model offers them, as the window's set-up leaves them.
        for (QWidget *w : std::initializer_list<QWidget *>{ui->teacher_zoom_lineEdit, ui->student_zoom_lineEdit})
            w->hide();
    }
    QStringList models() const
    {
        QStringList out;
        for (int s = 0; s < 5; ++s)
            out << cameras[Slot(s)].device_model;
        return out;
    }
    QString flags()
    {
        QStringList on;
        for (Side side : {Side::Teacher, Side::Student}) {
            const ViscaReplies::FeatureModel m = replies.feature_model(side);
            const QString name = side == Side::Teacher ? QStringLiteral("teacher_") : QStringLiteral("student_");
            for (const auto &flag :
                 {std::make_pair("j22", m.j22), std::make_pair("j57", m.j57), std::make_pair("r6", m.r6)})
                if (flag.second)
                    on << name + QLatin1String(flag.first);
        }
        return on.join(QLatin1Char(' '));
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

    // The bytes each model's connect sends are in the behaviour recorder's wire records, which
    // connect the same models to every slot; each slot's picture address is a row of
    // tst_link_choice. The slot lets go by its button, or without a message when its stream dies.
    void connectAndDisconnect_data()
    {
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("streamDies");
        QTest::newRow("teacher feature") << Slot::TeacherFeature << " 127.0.0. 2" << "rtsp://127.0.0.2:554/1" << false;
        QTest::newRow("a path: the picture from the whole field")
            << Slot::TeacherFeature << "127.0.0.2/1" << "rtsp://127.0.0.2/1" << false;
        QTest::newRow("teacher pano") << Slot::TeacherPano << "127.0.0.3" << "rtsp://127.0.0.3:554/2" << false;
        QTest::newRow("student feature, its stream dies")
            << Slot::StudentFeature << "127.0.0.4" << "rtsp://127.0.0.4:554/1" << true;
        QTest::newRow("student pano, its cross taken off")
            << Slot::StudentPano << "127.0.0.5" << "rtsp://127.0.0.5:554/2" << false;
        QTest::newRow("board pano") << Slot::BoardPano << "127.0.0.7" << "rtsp://127.0.0.7:554/1" << false;
    }
    void connectAndDisconnect()
    {
        QFETCH(Slot, slot);
        QFETCH(QString, field);
        QFETCH(QString, url);
        QFETCH(bool, streamDies);
        QStringList pinged;
        reachability::setCheck([&pinged](const QString &h) { return pinged << h, true; });
        Fixture f;
        f.press(slot, field);
        QCOMPARE(f.boxes.texts(), QStringList());
        QCOMPARE(pinged, QStringList{addressOf(slot)}); // pinged and controlled at the address alone
        QCOMPARE(f.edit(slot)->text(), QString(field).remove(QLatin1Char(' ')));
        const CameraSlotRecord &r = f.cameras[slot];
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

        // The decoding thread has ended once the disconnect returns to the event loop.
        QPointer<RtspThread> thread = f.conn.decoding_thread(slot);
        const RtspServerProcess::Options options = server.options();
        f.ui->student_show_Calibration_checkBox->setChecked(true);
        if (streamDies)
            server.kill();
        else
            f.button(slot)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!r.udp_flag, kWaitMs);
        f.verifyLetGo(slot);
        QCOMPARE(f.calls.filter("cross off"), slot == Slot::StudentPano ? QStringList{"cross off 1"} : QStringList());
        QTRY_VERIFY(thread.isNull());
        QVERIFY(r.device_model.isEmpty());
        QVERIFY(f.ui->language_select_comboBox->isEnabled());
        QCOMPARE(f.boxes.texts(), QStringList());
        QVERIFY2(server.isRunning() || server.start(options), qPrintable(server.errorString()));
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

    // The teacher feature's picture opens on a port that accepts and stays silent (or refuses
    // the login): the window's events go on during the open (a 10 ms timer turns), and what
    // runs inside it is guarded. A let-go ends the open at once, far before the 5 s watchdog; the
    // student pano's whole connect nests inside the open and returns first.
    void openKeepsWindowTurning_data()
    {
        QTest::addColumn<QString>("during");
        QTest::addColumn<QStringList>("boxes");
        for (const char *during : {"return", "stop_connect", "disconnect all", "nested connect, then return"})
            QTest::newRow(during) << QString::fromLatin1(during) << QStringList();
        QTest::newRow("a pano's response timer box, then return")
            << "box" << QStringList{"tracking configuration get failed, please try disconnecting and reconnecting"};
        QTest::newRow("login refused")
            << "" << QStringList{"RTSP authentication failed. Please go to the web page and disable RTSP authentication.",
                                 "Connection failure"};
    }
    void openKeepsWindowTurning()
    {
        QFETCH(QString, during);
        QFETCH(QStringList, boxes);
        Fixture f;
        QTcpServer rtsp;
        QVERIFY(rtsp.listen(QHostAddress(addressOf(Slot::TeacherFeature))));
        f.ports.edit().teacher_rtsp_port = QString::number(rtsp.serverPort());
        if (during.isEmpty()) {
            connect(&rtsp, &QTcpServer::newConnection, this, [&rtsp] {
                QTcpSocket *s = rtsp.nextPendingConnection();
                connect(s, &QTcpSocket::readyRead, s, [s] {
                    const QString seq = QRegularExpression(QStringLiteral("CSeq: *(\\d+)")).match(s->readAll()).captured(1);
                    s->write(QStringLiteral("RTSP/1.0 401 Unauthorized\r\nCSeq: %1\r\n\r\n").arg(seq).toLatin1());
                });
            });
        }
        qint64 askedAt = -1;
        bool openingWhenAsked = false, nestedRunning = false; // a QVERIFY in a handler would only leave it
        std::function<void()> act;
        QElapsedTimer clock;
        clock.start();
        EventTurns turns;
        turns.onTurn = [&](int n) {
            if (n != 20 || during.isEmpty())
                return;
            openingWhenAsked = f.conn.decoder(Slot::TeacherFeature)->opening();
            QTimer::singleShot(0, this, act); // the tick goes on turning meanwhile
        };
        act = [&] {
            if (during.startsWith(QLatin1String("nested"))) {
                f.press(Slot::StudentPano, addressOf(Slot::StudentPano));
                nestedRunning = f.cameras[Slot::StudentPano].udp_flag && f.conn.decoding_thread(Slot::StudentPano)->isRunning();
            }
            askedAt = clock.elapsed();
            if (during == QLatin1String("stop_connect"))
                f.conn.stop_connect();
            else if (during == QLatin1String("disconnect all"))
                f.conn.disconnect_all();
            else if (during == QLatin1String("box")) {
                f.status.pano_connect_begins(Side::Student);
                f.cameras[Slot::StudentPano].response_timer->start(1);
                QTimer::singleShot(100, f.edit(Slot::TeacherFeature), &QLineEdit::returnPressed);
            } else
                emit f.edit(Slot::TeacherFeature)->returnPressed();
        };
        LogCapture logs;
        f.press(Slot::TeacherFeature, addressOf(Slot::TeacherFeature));
        turns.stop();
        f.verifyLetGo(Slot::TeacherFeature);
        QVERIFY(logs.contains(QStringLiteral("RtspThread is not running, skip stop operation")));
        QCOMPARE(f.boxes.texts(), boxes);
        QVERIFY2(turns.longestGap < 500, qPrintable(QString::number(turns.longestGap)));
        QVERIFY(!commandsReceived(camera(Slot::TeacherFeature)).contains(ptz_commands::model_inquiry()));
        if (during.isEmpty())
            return;
        QVERIFY2(clock.elapsed() - askedAt < 2000, qPrintable(QString::number(clock.elapsed() - askedAt)));
        QVERIFY(openingWhenAsked);
        QCOMPARE(nestedRunning, during.startsWith(QLatin1String("nested")));
        QCOMPARE(f.cameras[Slot::StudentPano].udp_flag, during.startsWith(QLatin1String("nested")));
    }

    // A connect pressed while every camera lets go (a close's waits) is refused: the teacher
    // feature, earlier in the order than the student feature being let go, would stay connected.
    void noConnectWhileAllLetGo()
    {
        Fixture f;
        f.press(Slot::StudentFeature, addressOf(Slot::StudentFeature));
        QTimer::singleShot(0, this, [&f] { f.press(Slot::TeacherFeature, addressOf(Slot::TeacherFeature)); });
        f.conn.disconnect_all();
        f.verifyLetGo(Slot::StudentFeature);
        f.verifyLetGo(Slot::TeacherFeature);
        f.press(Slot::TeacherFeature, addressOf(Slot::TeacherFeature));
        QVERIFY(f.cameras[Slot::TeacherFeature].udp_flag);
    }

    // The console's takeover: teacher feature, teacher pano, student feature, student pano,
    // one after the other; the board stays. The timer does not tick again while the cameras
    // let go (a tick meanwhile would toggle a camera still letting go).
    void stopConnectOrder()
    {
        Fixture f;
        for (Slot slot :
             {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano, Slot::BoardFeature})
            f.press(slot, addressOf(slot));
        QStringList order;
        QTimer *timer = f.conn.stop_connect_timer();
        for (Slot slot : {Slot::StudentPano, Slot::TeacherPano, Slot::StudentFeature, Slot::TeacherFeature})
            connect(f.conn.decoder(slot), &QObject::destroyed, this, [&order, slot, timer] {
                order << camera_slot::name(slot) + (timer->isActive() ? QStringLiteral(" (timer ticking)") : QString());
            });
        timer->start();
        QTRY_VERIFY_WITH_TIMEOUT(order.size() == 4, kWaitMs);
        QCOMPARE(order, (QStringList{"teacher_feature", "teacher_pano", "student_feature", "student_pano"}));
        QTRY_VERIFY(!f.conn.stop_connect_timer()->isActive());
        QVERIFY(f.cameras[Slot::BoardFeature].udp_flag);
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
    // Every slot connected: a model reply is kept for its sender alone, whatever the tab; the
    // camera holding a side's link answers on it; behind the recording host the mapped VISCA
    // port tells the sides; only a reply of no known origin goes by the tab. Only the teacher
    // feature camera's own M19 offers the lectern mode.
    void modelGoesToItsCamera_data()
    {
        QTest::addColumn<QString>("origin"); // a slot's sender, "link", "mapped" or "none"
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("models");
        QTest::addColumn<bool>("lectern");
        QTest::newRow("teacher pano, teacher tab") << "1" << 0 << QStringList{"", "M19", "", "", ""} << false;
        QTest::newRow("teacher feature, student tab") << "0" << 1 << QStringList{"M19", "", "", "", ""} << true;
        QTest::newRow("board feature, teacher tab") << "4" << 0 << QStringList{"", "", "", "", "M19"} << false;
        QTest::newRow("the teacher pano's link") << "link" << 1 << QStringList{"", "M19", "", "", ""} << false;
        QTest::newRow("mapped student port") << "mapped" << 0 << QStringList{"", "", "M19", "", ""} << false;
        QTest::newRow("no origin, teacher tab") << "none" << 0 << QStringList{"M19", "M19", "", "", ""} << true;
        QTest::newRow("no origin, board tab") << "none" << 2 << QStringList{"", "", "", "", "M19"} << true;
    }
    void modelGoesToItsCamera()
    {
        QFETCH(QString, origin);
        QFETCH(int, tab);
        QFETCH(QStringList, models);
        QFETCH(bool, lectern);
        ReplyFixture f;
        for (int s = 0; s < camera_slot::kSlotCount; ++s)
            f.attach(Slot(s));
        f.ui->tabWidget->setCurrentIndex(tab);
        ViscaReplyOrigin o;
        if (origin == QLatin1String("link")) {
            o.tcp_link = 1;
            f.cameras[Slot::TeacherPano].tcp_flag = true;
        } else if (origin == QLatin1String("mapped")) {
            f.ports.edit().teacher_visca_port = 21259;
            f.ports.edit().student_visca_port = 31259;
            f.cameras.set_destination(Slot::TeacherFeature, QStringLiteral("127.0.0.20"));
            f.cameras.set_destination(Slot::StudentFeature, QStringLiteral("127.0.0.20"));
            o = {QHostAddress(QStringLiteral("127.0.0.20")), 31259, 0};
        } else if (origin != QLatin1String("none")) {
            o = fromSlot(Slot(origin.toInt()));
        }
        f.replies.check_role_reply(modelReply("4d19"), o);
        QCOMPARE(f.models(), models);
        QCOMPARE(f.modelsKnown.contains(QStringLiteral("0 M19")), lectern);
    }

    void modelSwitches_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<Slot>("from");
        QTest::addColumn<int>("layoutBefore");
        QTest::addColumn<int>("layoutChosen"); // -1: the layout stays
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QStringList>("calls");
        const QStringList teacher{"teacher presets"}, student{"calibration 0", "student presets"};
        QTest::newRow("J57 teacher feature, layout 0")
            << QByteArray("4a57") << Slot::TeacherFeature << 0 << 2 << "teacher_j57" << teacher;
        QTest::newRow("J57 student feature, layout 1")
            << QByteArray("4a57") << Slot::StudentFeature << 1 << 2 << "student_j57" << student;
        QTest::newRow("R6 teacher feature, layout 0")
            << QByteArray("5206") << Slot::TeacherFeature << 0 << 1 << "teacher_r6" << teacher;
        QTest::newRow("M19 teacher feature, layout 0")
            << QByteArray("4d19") << Slot::TeacherFeature << 0 << 1 << "" << teacher;
        QTest::newRow("J22 teacher feature")
            << QByteArray("4a22") << Slot::TeacherFeature << 0 << -1 << "teacher_j22" << QStringList{};
        QTest::newRow("M5 board feature, layout 2")
            << QByteArray("4d05") << Slot::BoardFeature << 2 << -1 << "" << QStringList{};
        QTest::newRow("unknown model") << QByteArray("4b01") << Slot::TeacherFeature << 0 << -1 << "" << QStringList{};
    }
    void modelSwitches()
    {
        QFETCH(QByteArray, model);
        QFETCH(Slot, from);
        QFETCH(int, layoutBefore);
        QFETCH(int, layoutChosen);
        QFETCH(QString, flags);
        QFETCH(QStringList, calls);
        ReplyFixture f(layoutBefore);
        f.attach(from);
        f.replies.check_role_reply(modelReply(model.constData()), fromSlot(from));
        QCOMPARE(f.ui->choose_camera_comboBox->currentIndex(), layoutChosen < 0 ? layoutBefore : layoutChosen);
        QCOMPARE(f.layoutChosen, layoutChosen);
        QCOMPARE(f.flags(), flags);
        QCOMPARE(f.calls, calls);
        QCOMPARE(!f.ui->teacher_zoom_lineEdit->isHidden(), flags.startsWith(QLatin1String("teacher")));
        QCOMPARE(!f.ui->student_zoom_lineEdit->isHidden(), flags.startsWith(QLatin1String("student")));
        f.replies.forget_feature_model(camera_slot::side(from)); // as its disconnect does
        QCOMPARE(f.flags(), QString());
    }

    // The zoom field of the feature camera's side after its model and the replies, on the
    // side's own tab or another one; a J22's digital zoom of 0 asks for the position again. One
    // row per path: the ratio of each position is a row of tst_visca_commands.
    void zoom_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<bool>("ownTab");
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<QString>("shown"); // the field held "7.0x"
        QTest::addColumn<bool>("opticalMax");
        using L = QList<QByteArray>;
        const QByteArray end = reply(field(16384));
        auto digital = [](int d) { return reply(field(16384) + field(d)); };
        const Slot t = Slot::TeacherFeature, s = Slot::StudentFeature;
        QTest::newRow("J57 100") << QByteArray("4a57") << t << true << L{reply(field(100))} << "1.0x" << false;
        QTest::newRow("J57 on another tab") << QByteArray("4a57") << t << false << L{end} << "7.0x" << false;
        QTest::newRow("R6 above the range: clamped")
            << QByteArray("5206") << t << true << L{reply(field(40000))} << "2.0x" << false;
        QTest::newRow("J22 end, any tab") << QByteArray("4a22") << s << false << L{end} << "20.0x" << true;
        QTest::newRow("J22 above the range")
            << QByteArray("4a22") << t << true << L{reply(field(16385))} << "7.0x" << false;
        QTest::newRow("M19: not shown") << QByteArray("4d19") << t << true << L{end} << "7.0x" << false;
        QTest::newRow("J22 digital 0 asks again")
            << QByteArray("4a22") << t << true << L{end, digital(0)} << "20.0x" << false;
        QTest::newRow("J22 digital 1501: not shown")
            << QByteArray("4a22") << t << true << L{end, digital(1501)} << "20.0x" << true;
    }
    void zoom()
    {
        QFETCH(QByteArray, model);
        QFETCH(Slot, slot);
        QFETCH(bool, ownTab);
        QFETCH(QList<QByteArray>, replies);
        QFETCH(QString, shown);
        QFETCH(bool, opticalMax);
        const bool teacher = slot == Slot::TeacherFeature;
        ReplyFixture f;
        f.attach(slot);
        f.replies.check_role_reply(modelReply(model.constData()), fromSlot(slot));
        QLineEdit *zoom = teacher ? f.ui->teacher_zoom_lineEdit : f.ui->student_zoom_lineEdit;
        zoom->setText(QStringLiteral("7.0x"));
        f.ui->tabWidget->setCurrentWidget(!ownTab ? f.ui->tab_host : teacher ? f.ui->tab_teacher : f.ui->tab_student);
        camera(Slot::TeacherFeature)->clearRecords();
        for (const QByteArray &r : replies)
            f.replies.check_role_reply(r);
        QCOMPARE(zoom->text(), shown);
        QCOMPARE(f.replies.feature_model(camera_slot::side(slot)).optical_max, opticalMax);
        const bool asksAgain = replies.last() == reply(field(16384) + field(0));
        const auto asked = camera(Slot::TeacherFeature)
                               ->waitForMessage([](const SimMessage &m) { return m.isVisca(); }, asksAgain ? 3000 : 50);
        QCOMPARE(asked ? asked->payload.toHex(' ').toUpper() : QByteArray(),
                 asksAgain ? QByteArray("81 09 04 47 FF") : QByteArray());
    }

    // An 11-byte reply is the pan/tilt position (left and down negative) of the R6 close-up
    // camera that sent it, and goes to that side only; another model's (a J22's digital zoom, or
    // whatever else it means) and a pano's go nowhere.
    void panTilt_data()
    {
        QTest::addColumn<Slot>("from");
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("student R6") << Slot::StudentFeature << QByteArray("5206") << QStringList{"position 1: 144 -72"};
        QTest::newRow("teacher R6") << Slot::TeacherFeature << QByteArray("5206") << QStringList{"position 0: 144 -72"};
        QTest::newRow("teacher J57: no position") << Slot::TeacherFeature << QByteArray("4a57") << QStringList{};
        QTest::newRow("student J4: no position") << Slot::StudentFeature << QByteArray("4a04") << QStringList{};
        QTest::newRow("student pano") << Slot::StudentPano << QByteArray("4a57") << QStringList{};
        QTest::newRow("teacher J22: digital zoom") << Slot::TeacherFeature << QByteArray("4a22") << QStringList{};
    }

    void panTilt()
    {
        QFETCH(Slot, from);
        QFETCH(QByteArray, model);
        QFETCH(QStringList, calls);
        ReplyFixture f;
        f.attach(from);
        f.replies.check_role_reply(modelReply(model.constData()), fromSlot(from));
        f.calls.clear();
        f.replies.check_role_reply(reply(field(0x0090) + field(0xFFB8)), fromSlot(from));
        QCOMPARE(f.calls, calls);
    }

    // Focus replies check the mode of the tab's pano; replies of other lengths, short or garbled,
    // change nothing.
    void focusAndOthers_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("checked");
        QTest::newRow("auto on teacher") << 0 << QByteArray::fromHex("905002ff") << "teacher_pano_auto_mode_Button";
        QTest::newRow("manual on teacher") << 0 << QByteArray::fromHex("905003ff") << "teacher_pano_manual_mode_Button";
        QTest::newRow("manual on student") << 1 << QByteArray::fromHex("905003ff") << "student_pano_manual_mode_Button";
        QTest::newRow("manual on director: nothing") << 3 << QByteArray::fromHex("905003ff") << "";
        QTest::newRow("8 bytes") << 0 << QByteArray::fromHex("9050000000004a57") << "";
        QTest::newRow("15 bytes") << 0 << reply(field(1) + field(2) + field(3)) << "";
        QTest::newRow("syntax error") << 0 << QByteArray::fromHex("906002ff") << "";
        QTest::newRow("64 KiB datagram, its log line capped") << 0 << QByteArray(65507, '\x90') << "";
    }
    // The address fields as others put them: a fresh installation's defaults leave a connected
    // camera's address; the console puts one address into a side's two fields; the recorder
    // mapping puts its host into the teacher and student fields; the wizard's six come in slot
    // order. Each field tells its slot record.
    void addresses()
    {
        Fixture f;
        const auto fields = [&f] {
            QStringList texts;
            for (Slot slot : kAll) // a record that differs from its field shows as "field/record"
                texts << f.edit(slot)->text()
                             + (f.cameras[slot].field_text == f.edit(slot)->text() ? QString()
                                                                                  : "/" + f.cameras[slot].field_text);
            return texts.join(QLatin1Char(' '));
        };
        for (Slot slot : kAll)
            f.edit(slot)->setText(QStringLiteral("x"));
        f.cameras[Slot::TeacherPano].udp_flag = f.cameras[Slot::BoardFeature].udp_flag = true;
        for (Side side : {Side::Teacher, Side::Student, Side::Board})
            f.conn.show_default_addresses(side);
        f.cameras[Slot::TeacherPano].udp_flag = f.cameras[Slot::BoardFeature].udp_flag = false;
        QCOMPARE(fields(), QStringLiteral("192.168.1.100 x 192.168.1.163 192.168.1.164 x 192.168.1.166"));
        f.conn.set_side_addresses(Side::Student, QStringLiteral("10.0.0.5"));
        QCOMPARE(fields(), QStringLiteral("192.168.1.100 x 10.0.0.5 10.0.0.5 x 192.168.1.166"));
        f.conn.set_mapped_addresses(QStringLiteral("10.9.9.9"));
        QCOMPARE(fields(), QStringLiteral("10.9.9.9 10.9.9.9 10.9.9.9 10.9.9.9 x 192.168.1.166"));
        f.conn.show_addresses({"1.1.1.1", "1.1.1.2", "1.1.1.3", "1.1.1.4", "1.1.1.5", "1.1.1.6"});
        QCOMPARE(fields(), QStringLiteral("1.1.1.1 1.1.1.2 1.1.1.3 1.1.1.4 1.1.1.5 1.1.1.6"));
    }

    void focusAndOthers()
    {
        QFETCH(int, tab);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, checked);
        ReplyFixture f;
        f.attach(Slot::TeacherFeature);
        const QList<QAbstractButton *> buttons{
            f.ui->teacher_pano_auto_mode_Button, f.ui->teacher_pano_manual_mode_Button,
            f.ui->student_pano_auto_mode_Button, f.ui->student_pano_manual_mode_Button};
        for (QAbstractButton *b : buttons) {
            b->setAutoExclusive(false);
            b->setChecked(false);
        }
        f.ui->tabWidget->setCurrentIndex(tab);
        LogCapture log;
        f.replies.check_role_reply(bytes, fromSlot(Slot::TeacherFeature));
        for (const QString &line : log.lines())
            QVERIFY2(line.size() < 3 * kLogDumpLimit, qPrintable(line.left(80)));
        for (QAbstractButton *b : buttons)
            QCOMPARE(b->isChecked(), checked == b->objectName());
        QCOMPARE(f.models(), (QStringList{"", "", "", "", ""}));
        QCOMPARE(f.layoutChosen, -1);
    }
};

QTEST_MAIN(tst_CameraConnections)
#include "tst_camera_connections.moc"
