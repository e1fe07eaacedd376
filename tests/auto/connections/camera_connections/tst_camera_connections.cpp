// The six camera slots connected to simulated cameras on 127.0.0.2 to 127.0.0.7, each with
// its own RTSP pictures: what each connect and disconnect leaves (flags, destination, picture,
// decoding thread, tab locks), what each camera receives and in which order, the warnings of
// the failures, each pano's own 10-second wait for its tracking status, and a connect asked
// to let go while it waits.
#include "core/reachability.h"
#include "core/time_scale.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "rtsp/rtsp_server_process.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "test_env.h"
#include "ui_mainwindow.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <memory>

using camera_slot::Slot;
Q_DECLARE_METATYPE(camera_slot::Slot)

namespace {
constexpr double kTimeScale = 0.1; // the connect's waits of 1.3 to 2 s take a tenth
constexpr int kPictureTimeoutMs = 15000;
const char *const kUnreachable = "127.0.0.9";
const char *const kNoPictures = "127.0.0.8"; // answers ping and control, serves no RTSP

QString addressOf(Slot slot) { return QStringLiteral("127.0.0.%1").arg(int(slot) + 2); }

struct Window {
    RecordingPresenter boxes;
    std::unique_ptr<MainWindow> w;
    Window()
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"));
        w.reset(new MainWindow);
        w->show();
    }
    ~Window()
    {
        delete w->guide_config; // the window never deletes its wizard
    }
    MainWindow *operator->() const { return w.get(); }
};

struct SlotView {
    bool flag, connected;
    QHostAddress *destination;
    QFFmpeg *ffmpeg;
    RtspThread *thread;
    QLineEdit *edit;
    QPushButton *button;
    QLabel *label;
    QWidget *tab;
};

SlotView view(MainWindow *w, Slot slot)
{
    Ui::MainWindow *ui = w->ui;
    switch (slot) {
    case Slot::TeacherFeature:
        return {w->udp_teacher_feature_flag, w->teacher_feature_connected, w->teacher_feature_destination,
                w->teacher_feature_ffmpeg, w->teacher_feature_rtsp_thread, ui->teacher_feature_IP_Edit,
                ui->teacher_feature_connect_Button, ui->teacher_labVideo_feature, ui->tab_teacher};
    case Slot::TeacherPano:
        return {w->udp_teacher_pano_flag, w->teacher_pano_connected, w->teacher_pano_destination, w->teacher_pano_ffmpeg,
                w->teacher_pano_rtsp_thread, ui->teacher_pano_IP_Edit, ui->teacher_pano_connect_Button,
                ui->teacher_labVideo_pano, ui->tab_teacher};
    case Slot::StudentFeature:
        return {w->udp_student_feature_flag, w->student_feature_connected, w->student_feature_destination,
                w->student_feature_ffmpeg, w->student_feature_rtsp_thread, ui->student_feature_IP_Edit,
                ui->student_feature_connect_Button, ui->student_labVideo_feature, ui->tab_student};
    case Slot::StudentPano:
        return {w->udp_student_pano_flag, w->student_pano_connected, w->student_pano_destination, w->student_pano_ffmpeg,
                w->student_pano_rtsp_thread, ui->student_pano_IP_Edit, ui->student_pano_connect_Button,
                ui->student_labVideo_pano, ui->tab_student};
    case Slot::BoardFeature:
        return {w->udp_board_feature_flag, w->board_feature_connected, w->board_feature_destination,
                w->board_feature_ffmpeg, w->board_feature_rtsp_thread, ui->board_feature_IP_Edit,
                ui->board_feature_connect_Button, ui->board_labVideo_feature, ui->tab_board};
    case Slot::BoardPano:
        break;
    }
    return {w->udp_board_pano_flag, w->board_pano_connected, w->board_pano_destination, w->board_pano_ffmpeg,
            w->board_pano_rtsp_thread, ui->board_pano_IP_Edit, ui->board_pano_connect_Button, ui->board_labVideo_pano,
            ui->tab_board};
}

// The other main tabs can be chosen.
bool otherTabsEnabled(MainWindow *w)
{
    QTabWidget *tabs = w->ui->tabWidget;
    for (int i = 0; i < tabs->count(); ++i)
        if (i != tabs->currentIndex() && !tabs->isTabEnabled(i))
            return false;
    return true;
}

bool otherTabsDisabled(MainWindow *w)
{
    QTabWidget *tabs = w->ui->tabWidget;
    for (int i = 0; i < tabs->count(); ++i)
        if (i != tabs->currentIndex() && tabs->isTabEnabled(i))
            return false;
    return true;
}

// What a camera received as commands (VISCA as hex text, text blocks as they are), in order.
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

void connectSlot(MainWindow *w, Slot slot, const QString &address)
{
    const SlotView v = view(w, slot);
    w->ui->tabWidget->setCurrentWidget(v.tab);
    v.edit->setText(address);
    v.button->click();
}
} // namespace

class tst_CameraConnections : public QObject
{
    Q_OBJECT

    SimCameraHost host;
    std::unique_ptr<RtspServerProcess> servers[camera_slot::kSlotCount];

    SimCamera *camera(Slot slot) const { return host.cameraAt(addressOf(slot)); }

private slots:
    void initTestCase()
    {
        const char *models[] = {"J57", "J57", "R6", "M19", "J57", "J57"};
        for (int i = 0; i < camera_slot::kSlotCount; ++i) {
            QVERIFY(host.addCamera(addressOf(Slot(i)), QString::fromLatin1(models[i])));
            servers[i].reset(new RtspServerProcess);
            RtspServerProcess::Options options;
            options.address = addressOf(Slot(i));
            options.port = 554;
            options.size = QSize(320, 180);
            options.pattern = i % 2 ? QStringLiteral("ball") : QStringLiteral("smpte");
            QVERIFY2(servers[i]->start(options), qPrintable(servers[i]->errorString()));
        }
        QVERIFY(host.addCamera(QString::fromLatin1(kNoPictures), QStringLiteral("J57")));
        QVERIFY(host.startAll());
        reachability::setCheck([](const QString &h) { return h != QLatin1String(kUnreachable); });
    }

    void init()
    {
        timescale::setFactor(kTimeScale);
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
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("teacher feature, J57")
            << Slot::TeacherFeature << QStringList{"81 09 11 49 FF", "81 09 04 47 FF", "81 0C 0C 02 FF"};
        QTest::newRow("teacher pano, J57")
            << Slot::TeacherPano
            << QStringList{"81 09 11 49 FF", "81 09 04 38 FF", "81 0C 0C 05 FF", "teacher_parameter\ncommand=get_crop_status",
                           "teacher_parameter\nget_tracking_status"};
        QTest::newRow("student feature, R6: no role")
            << Slot::StudentFeature << QStringList{"81 09 11 49 FF", "81 09 04 47 FF"};
        QTest::newRow("student pano, M19: the crop's focus, no role")
            << Slot::StudentPano
            << QStringList{"81 09 11 49 FF", "8A 09 04 38 FF", "student_parameter\ncommand=get_crop_status",
                           "student_parameter\nget_tracking_status"};
        QTest::newRow("board feature, J57") << Slot::BoardFeature << QStringList{"81 09 11 49 FF", "81 0C 0C 01 FF"};
        QTest::newRow("board pano: no inquiry") << Slot::BoardPano << QStringList{};
    }

    void connectAndDisconnect()
    {
        QFETCH(Slot, slot);
        QFETCH(QStringList, commands);
        Window w;
        connectSlot(w.w.get(), slot, QStringLiteral(" 127.0.0. ") + QString::number(int(slot) + 2));

        SlotView v = view(w.w.get(), slot);
        QCOMPARE(w.boxes.texts(), QStringList());
        QCOMPARE(v.edit->text(), addressOf(slot)); // written back without the blanks
        QVERIFY(v.flag);
        QVERIFY(v.connected);
        QVERIFY(v.destination);
        QCOMPARE(v.destination->toString(), addressOf(slot));
        QVERIFY(v.ffmpeg);
        QVERIFY(v.thread && v.thread->isRunning());
        QCOMPARE(v.button->text(), QStringLiteral("Disconnect"));
        QVERIFY(v.button->isEnabled());
        QVERIFY(!w->ui->language_select_comboBox->isEnabled());
        if (camera_slot::is_side_pano(slot)) {
            // The tabs wait for the side's parameter reply or the 10-second timer.
            QVERIFY(otherTabsDisabled(w.w.get()));
            QVERIFY(slot == Slot::TeacherPano ? w->response_timeout_timer->isActive()
                                              : w->student_response_timeout_timer->isActive());
        } else {
            QVERIFY(otherTabsEnabled(w.w.get()));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!v.label->pixmap(Qt::ReturnByValue).isNull(), kPictureTimeoutMs);

        // The camera reads its link in its own thread.
        QTRY_VERIFY_WITH_TIMEOUT(commandsReceived(camera(slot)).size() >= commands.size(), 5000);
        const QStringList received = commandsReceived(camera(slot));
        QVERIFY2(received.mid(0, commands.size()) == commands, qPrintable(received.join(" | ")));

        QPointer<RtspThread> thread = v.thread;
        QPointer<QFFmpeg> decoder = v.ffmpeg;
        v.button->click();
        v = view(w.w.get(), slot);
        QVERIFY(!v.flag);
        QVERIFY(!v.connected);
        QVERIFY(!v.destination);
        QVERIFY(!v.ffmpeg);
        QVERIFY(!v.thread);
        QTRY_VERIFY(thread.isNull());
        QVERIFY(decoder.isNull());
        QCOMPARE(v.button->text(), QStringLiteral("Connect"));
        QVERIFY(v.button->isEnabled());
        QVERIFY(v.label->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(otherTabsEnabled(w.w.get()));
        QVERIFY(w->ui->language_select_comboBox->isEnabled());
        QVERIFY(!w->response_timeout_timer->isActive());
        QVERIFY(!w->student_response_timeout_timer->isActive());
        if (slot != Slot::BoardPano) {
            QString *model = slot == Slot::TeacherFeature   ? &w->teacher_feature_device_model
                             : slot == Slot::TeacherPano    ? &w->teacher_pano_device_model
                             : slot == Slot::StudentFeature ? &w->student_feature_device_model
                             : slot == Slot::StudentPano    ? &w->student_pano_device_model
                                                            : &w->board_feature_device_model;
            QVERIFY(model->isEmpty());
        }
        QCOMPARE(w.boxes.texts(), QStringList());
    }

    // Each camera's model stays its own: connecting the J57 teacher pano leaves the R6 teacher
    // feature an R6 with its zoom, role and controls.
    void modelsStayWithTheirCamera()
    {
        camera(Slot::TeacherFeature)->setModel(QStringLiteral("R6"));
        Window w;
        connectSlot(w.w.get(), Slot::TeacherFeature, addressOf(Slot::TeacherFeature));
        QCOMPARE(w->teacher_feature_device_model, QStringLiteral("R6"));
        QVERIFY(w->teacher_model_r6_flag);
        connectSlot(w.w.get(), Slot::TeacherPano, addressOf(Slot::TeacherPano));
        QCOMPARE(w->teacher_pano_device_model, QStringLiteral("J57"));
        QCOMPARE(w->teacher_feature_device_model, QStringLiteral("R6"));
        QVERIFY(w->teacher_model_r6_flag);
        QVERIFY(!w->teacher_model_j57_flag);
        w->ui->teacher_pano_connect_Button->click();
        w->ui->teacher_feature_connect_Button->click();
        camera(Slot::TeacherFeature)->setModel(QStringLiteral("J57"));
    }

    // The pano's connect re-points the teacher link; the feature camera then sends by UDP and
    // never over a socket connected to the pano.
    void featureSendsByUdpOnceThePanoHasTheLink()
    {
        Window w;
        connectSlot(w.w.get(), Slot::TeacherFeature, addressOf(Slot::TeacherFeature));
        QVERIFY(w->teacher_feature_tcp_flag);
        connectSlot(w.w.get(), Slot::TeacherPano, addressOf(Slot::TeacherPano));
        QVERIFY(w->teacher_pano_tcp_flag);
        QVERIFY(!w->teacher_feature_tcp_flag);
        QVERIFY(!w->teacher_feature_keepalive_timer->isActive());
        camera(Slot::TeacherFeature)->clearRecords();
        camera(Slot::TeacherPano)->clearRecords();
        w->ui->tabWidget->setCurrentWidget(w->ui->tab_teacher);
        w->ui->teacher_ptz_up_Button->pressed();
        const auto got = camera(Slot::TeacherFeature)->waitForMessage([](const SimMessage &m) { return m.isVisca(); }, 3000);
        QVERIFY(got);
        QCOMPARE(got->transport, SimTransport::Udp);
        QVERIFY(commandsReceived(camera(Slot::TeacherPano)).filter(QStringLiteral("81 01 06 01")).isEmpty());
        w->ui->teacher_pano_connect_Button->click();
        w->ui->teacher_feature_connect_Button->click();
    }

    void failures_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << "Network information fill in error";
        QTest::newRow("blanks only") << "   " << "Network information fill in error";
        QTest::newRow("not an address") << "127.0.0.300" << "Network information fill in error";
        QTest::newRow("no answer to ping") << kUnreachable << "Connection timeout";
        QTest::newRow("no pictures") << kNoPictures << "Connection failure";
    }

    void failures()
    {
        QFETCH(QString, address);
        QFETCH(QString, message);
        for (Slot slot : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentPano, Slot::BoardFeature, Slot::BoardPano}) {
            Window w;
            connectSlot(w.w.get(), slot, address);
            const SlotView v = view(w.w.get(), slot);
            QCOMPARE(w.boxes.texts(), QStringList{message});
            QCOMPARE(w.boxes.shown.first().title, QStringLiteral("Warning"));
            QVERIFY(!v.flag);
            QVERIFY(!v.connected);
            QVERIFY(!v.destination);
            QVERIFY(!v.ffmpeg);
            QVERIFY(!v.thread);
            QVERIFY(v.button->isEnabled());
            QCOMPARE(v.button->text(), QStringLiteral("Connect"));
            QVERIFY(otherTabsEnabled(w.w.get()));
            QVERIFY(!w->response_timeout_timer->isActive());
            QVERIFY(!w->student_response_timeout_timer->isActive());
        }
    }

    // A pano that never answers its status request is owed the warning after the (scaled)
    // 10 seconds, for each pano on its own: the other pano's disconnect does not silence it.
    void silentPanoWarnsOnItsOwn_data()
    {
        QTest::addColumn<Slot>("silent");
        QTest::addColumn<Slot>("other");
        QTest::newRow("student pano silent, teacher pano comes and goes") << Slot::StudentPano << Slot::TeacherPano;
        QTest::newRow("teacher pano silent, student pano comes and goes") << Slot::TeacherPano << Slot::StudentPano;
    }

    void silentPanoWarnsOnItsOwn()
    {
        QFETCH(Slot, silent);
        QFETCH(Slot, other);
        camera(silent)->setFault(SimFault::Silent);
        Window w;
        connectSlot(w.w.get(), silent, addressOf(silent));
        QVERIFY(view(w.w.get(), silent).flag);
        connectSlot(w.w.get(), other, addressOf(other));
        view(w.w.get(), other).button->click(); // the other pano goes again
        QVERIFY(!view(w.w.get(), other).flag);
        w->ui->tabWidget->setCurrentWidget(view(w.w.get(), silent).tab);
        const QString expected = QStringLiteral("tracking configuration get failed, please try disconnecting and reconnecting");
        QTRY_VERIFY_WITH_TIMEOUT(w.boxes.texts().contains(expected), 10000);
        QCOMPARE(w.boxes.texts().count(expected), 1);
        QVERIFY(otherTabsEnabled(w.w.get())); // the timeout gives the tabs back
        view(w.w.get(), silent).button->click();
    }

    // A J57 feature camera makes the model-specific warning.
    void silentPanoWithJ57Feature()
    {
        camera(Slot::TeacherPano)->setFault(SimFault::Silent);
        Window w;
        connectSlot(w.w.get(), Slot::TeacherFeature, addressOf(Slot::TeacherFeature));
        QCOMPARE(w->teacher_feature_device_model, QStringLiteral("J57"));
        connectSlot(w.w.get(), Slot::TeacherPano, addressOf(Slot::TeacherPano));
        QTRY_VERIFY_WITH_TIMEOUT(!w.boxes.texts().isEmpty(), 10000);
        QCOMPARE(w.boxes.texts(),
                 QStringList{"Failed to get config, please reconnect or click Get button to get config!"});
        w->ui->teacher_pano_connect_Button->click();
        w->ui->teacher_feature_connect_Button->click();
    }

    // Asked to let go while it waits (Return in the address field, stop_connect, the stream
    // failing): the connect ends at once with the slot disconnected and nothing left behind.
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
        Window w;
        MainWindow *mw = w.w.get();
        bool fired = false;
        // Once the model inquiry is out the connect is in its waits.
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (fired || commandsReceived(camera(slot)).isEmpty())
                return;
            fired = true;
            if (how == QLatin1String("return"))
                emit view(mw, slot).edit->returnPressed();
            else if (how == QLatin1String("stop_connect"))
                mw->stop_connect();
            else
                QMetaObject::invokeMethod(view(mw, slot).ffmpeg, "FrameFailed");
        });
        poll.start();
        connectSlot(mw, slot, addressOf(slot));
        poll.stop();
        QVERIFY(fired);
        const SlotView v = view(mw, slot);
        QVERIFY(!v.flag);
        QVERIFY(!v.connected);
        QVERIFY(!v.destination);
        QVERIFY(!v.ffmpeg);
        QVERIFY(!v.thread);
        QVERIFY(v.button->isEnabled());
        QCOMPARE(v.button->text(), QStringLiteral("Connect"));
        QVERIFY(otherTabsEnabled(mw));
        QVERIFY(!w->response_timeout_timer->isActive());
        QVERIFY(!w->student_response_timeout_timer->isActive());
        QCOMPARE(w.boxes.texts(), QStringList());
        // Nothing is asked after the model inquiry: no status request goes out.
        QTest::qWait(100);
        QVERIFY(commandsReceived(camera(slot)).filter(QStringLiteral("get_tracking_status")).isEmpty());
    }

    // The stream dies while connected: the slot disconnects without a message.
    void streamDiesWhileConnected()
    {
        Window w;
        connectSlot(w.w.get(), Slot::StudentFeature, addressOf(Slot::StudentFeature));
        QTRY_VERIFY_WITH_TIMEOUT(!w->ui->student_labVideo_feature->pixmap(Qt::ReturnByValue).isNull(), kPictureTimeoutMs);
        RtspServerProcess &server = *servers[int(Slot::StudentFeature)];
        const RtspServerProcess::Options options = server.options();
        server.kill();
        QTRY_VERIFY_WITH_TIMEOUT(!w->udp_student_feature_flag, 15000);
        QVERIFY(!w->student_feature_ffmpeg);
        QVERIFY(!w->student_feature_destination);
        QCOMPARE(w.boxes.texts(), QStringList());
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
    }

    // The manual director console takes the teacher and student cameras, 100 ms apart, in the
    // order teacher feature, teacher pano, student feature, student pano; the board stays.
    void stopConnectOrder()
    {
        Window w;
        MainWindow *mw = w.w.get();
        for (Slot slot : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano,
                          Slot::BoardFeature}) {
            connectSlot(mw, slot, addressOf(slot));
            QVERIFY(view(mw, slot).flag);
            mw->update_tab_enabled(true); // as the pano's parameter reply does
        }
        QStringList order;
        for (Slot slot : {Slot::StudentPano, Slot::TeacherPano, Slot::StudentFeature, Slot::TeacherFeature}) {
            connect(view(mw, slot).ffmpeg, &QObject::destroyed, this,
                    [&order, slot] { order << camera_slot::name(slot); });
        }
        mw->stop_connect_timer->start();
        QTRY_VERIFY_WITH_TIMEOUT(order.size() == 4, 10000);
        QCOMPARE(order, (QStringList{"teacher_feature", "teacher_pano", "student_feature", "student_pano"}));
        QTRY_VERIFY(!mw->stop_connect_timer->isActive());
        QVERIFY(mw->udp_board_feature_flag);
        mw->ui->tabWidget->setCurrentWidget(mw->ui->tab_board);
        mw->ui->board_feature_connect_Button->click();
        QVERIFY(!mw->udp_board_feature_flag);
    }

    // A path in the address field: the camera is pinged and controlled at the address alone,
    // the picture comes from "rtsp://" and the whole field.
    void pathField()
    {
        QStringList pinged;
        reachability::setCheck([&pinged](const QString &h) {
            pinged << h;
            return h != QLatin1String(kUnreachable);
        });
        Window w;
        connectSlot(w.w.get(), Slot::TeacherFeature, QStringLiteral("127.0.0.2/1"));
        QCOMPARE(w.boxes.texts(), QStringList());
        QCOMPARE(pinged, QStringList{"127.0.0.2"});
        QVERIFY(w->udp_teacher_feature_flag);
        QCOMPARE(w->teacher_feature_destination->toString(), QStringLiteral("127.0.0.2"));
        QCOMPARE(w->teacher_feature_ffmpeg->url, QStringLiteral("rtsp://127.0.0.2/1"));
        QTRY_VERIFY_WITH_TIMEOUT(!w->ui->teacher_labVideo_feature->pixmap(Qt::ReturnByValue).isNull(), kPictureTimeoutMs);
        w->ui->teacher_feature_connect_Button->click();

        // The board slots add "/1": "rtsp://127.0.0.6/1/1" is no stream of the camera.
        pinged.clear();
        connectSlot(w.w.get(), Slot::BoardFeature, QStringLiteral("127.0.0.6/1"));
        QCOMPARE(pinged, QStringList{"127.0.0.6"});
        QCOMPARE(w.boxes.texts(), QStringList{"Connection failure"});
        QVERIFY(!w->udp_board_feature_flag);
        QVERIFY(!w->board_feature_destination);
        reachability::setCheck([](const QString &h) { return h != QLatin1String(kUnreachable); });
    }

    // Both teacher cameras connected: each preview shows its own camera's live picture (the
    // feature camera a colour-bar pattern, the pano camera a moving ball).
    void teacherTabWithBothCameras()
    {
        Window w;
        MainWindow *mw = w.w.get();
        connectSlot(mw, Slot::TeacherFeature, addressOf(Slot::TeacherFeature));
        connectSlot(mw, Slot::TeacherPano, addressOf(Slot::TeacherPano));
        QVERIFY(mw->udp_teacher_feature_flag && mw->udp_teacher_pano_flag);
        QCOMPARE(mw->ui->teacher_feature_connect_Button->text(), QStringLiteral("Disconnect"));
        QCOMPARE(mw->ui->teacher_pano_connect_Button->text(), QStringLiteral("Disconnect"));
        QTRY_VERIFY_WITH_TIMEOUT(!mw->ui->teacher_labVideo_feature->pixmap(Qt::ReturnByValue).isNull(), kPictureTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!mw->ui->teacher_labVideo_pano->pixmap(Qt::ReturnByValue).isNull(), kPictureTimeoutMs);
        const QImage feature = mw->ui->teacher_labVideo_feature->pixmap(Qt::ReturnByValue).toImage();
        const QImage pano = mw->ui->teacher_labVideo_pano->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(feature.size(), QSize(480, 270));
        QCOMPARE(pano.size(), QSize(480, 270));
        // Colour bars: the top-left bar is light grey; the ball pattern's ground is black.
        const QColor bar = feature.pixelColor(20, 20);
        QVERIFY2(bar.red() > 150 && bar.green() > 150 && bar.blue() > 150, qPrintable(bar.name()));
        const QColor ground = pano.pixelColor(5, 5);
        QVERIFY2(ground.red() < 60 && ground.green() < 60 && ground.blue() < 60, qPrintable(ground.name()));

        // With CORVANE_SHOT_DIR set (a run under Xvfb), keeps what the window shows.
        const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (!dir.isEmpty()) {
            QVERIFY(QDir().mkpath(dir));
            QTest::qWait(500); // a few more pictures, and the window painted
            QVERIFY(mw->grab().save(QDir(dir).filePath(QStringLiteral("teacher_tab_connected.png"))));
            if (QScreen *screen = QGuiApplication::primaryScreen())
                QVERIFY(screen->grabWindow(0).save(QDir(dir).filePath(QStringLiteral("screen_teacher_tab_connected.png"))));
        }
        mw->ui->teacher_pano_connect_Button->click();
        mw->ui->teacher_feature_connect_Button->click();
    }

    // Pressing the board feature's button marks the board Apply button, connect or not.
    void boardFeatureMarksApply()
    {
        Window w;
        w->ui->board_apply_Button->setText(QStringLiteral("Apply"));
        connectSlot(w.w.get(), Slot::BoardFeature, QString());
        QCOMPARE(w->ui->board_apply_Button->text(), QStringLiteral("Apply(*)"));
    }
};

QTEST_MAIN(tst_CameraConnections)
#include "tst_camera_connections.moc"
