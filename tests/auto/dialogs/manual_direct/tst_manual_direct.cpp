// The manual director console against a simulated teacher camera on 127.0.0.2 and a student
// camera on 127.0.0.3, each with its pictures on "/3", "/4" and "/5", through a real control
// link: what each camera receives when the sides connect, the five pictures, the calls and pads
// by mode, the picture choice, the camera answers, the reachability check, and every way out
// (each ends every picture's thread). Faults mended here: a close or Escape during a connect,
// Escape without the leaving, commands to a camera the console let go, and a Track switch
// that swallowed a press after a disconnect.
#include "core/reachability.h"
#include "core/time_scale.h"
#include "dialogs/manual_direct.h"
#include "event_turns.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/parameter_block.h"
#include "recording_presenter.h"
#include "rtsp/rtsp_server_process.h"
#include "settings/settings_path.h"
#include "sim_camera.h"
#include "sim_wire.h"
#include "ui_manual_direct.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"

#include <QSettings>
#include <QtTest>

#include <memory>
#include <set>

namespace {
constexpr int kWaitMs = 15000; // a picture's first frame or a thread's end on a busy machine
const QString kTeacher = QStringLiteral("127.0.0.2");
const QString kStudent = QStringLiteral("127.0.0.3");
const QString kNotConnected = QStringLiteral("Please connect the camera");

QStringList textsFrom(const SimCamera &camera, int from)
{
    return simwire::receivedSince(camera, from, simwire::Kind::Text);
}
QStringList viscaFrom(const SimCamera &camera, int from)
{
    return simwire::receivedSince(camera, from, simwire::Kind::Visca);
}

// The window's share: its link, ports and pad speeds, and what the console hands back.
struct Host : manual_direct::Host {
    CameraSlots cameras;
    ControlLink link{&cameras};
    CameraPorts ports;
    QString teacherFields, studentFields;
    ControlLink &control_link() override { return link; }
    const CameraPorts &camera_ports() const override { return ports; }
    QString interface_language() const override { return QStringLiteral("English"); }
    int teacher_pan_speed() const override { return 10; }
    int teacher_tilt_speed() const override { return 9; }
    void set_teacher_ip_edits(const QString &text) override { teacherFields = text; }
    void set_student_ip_edits(const QString &text) override { studentFields = text; }
};

// A console on its host, with the window's route of the answers while it runs.
struct Console {
    Host host;
    std::unique_ptr<manual_direct> dialog;
    Ui::manual_direct *ui = nullptr;
    QStringList statuses;
    Console()
    {
        QSettings ini(manual_director_file_path(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("DIRECTOR_CONF/teacher_ip"), kTeacher);
        ini.setValue(QStringLiteral("DIRECTOR_CONF/student_ip"), kStudent);
        ini.sync();
        host.link.set_manual_direct_running(true);
        dialog = std::make_unique<manual_direct>(host);
        ui = dialog->form();
        QObject::connect(&host.link, &ControlLink::textReply, dialog.get(),
                         [this](const QByteArray &reply) { dialog->getMsg(parameter_block::reply_text(reply)); });
        QObject::connect(dialog.get(), &manual_direct::send_status, dialog.get(),
                         [this](const QString &status) { statuses << status; });
        dialog->show();
    }
    ~Console()
    {
        // Left as the installer leaves it, unless a row did.
        if (dialog->isVisible())
            dialog->close();
    }
    void connectSide(bool teacher) { (teacher ? ui->teacher_rtsp_pushButton : ui->rtsp_connect_Button)->click(); }
};

QString command(const char *section, const char *verb)
{
    return QStringLiteral("%1\nset_tracking_config_command\ncommand=%2").arg(QLatin1String(section), QLatin1String(verb));
}

bool hasPicture(const QLabel *label) { return !label->pixmap(Qt::ReturnByValue).isNull(); }
} // namespace

class tst_ManualDirect : public QObject
{
    Q_OBJECT

    SimCamera teacher{kTeacher};
    SimCamera student{kStudent};
    RtspServerProcess teacherPictures, studentPictures;
    RecordingPresenter boxes;
    std::set<QString> unreachable;
    std::unique_ptr<Console> pressConsole; // both sides connected, for the presses' rows

    void verifyEverythingLetGo()
    {
        QTRY_COMPARE_WITH_TIMEOUT(QFFmpeg::instances(), 0, kWaitMs);
        QCOMPARE(rtsp_stream::pendingCount(), 0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(teacher.start(), qPrintable(teacher.lastError()));
        QVERIFY2(student.start(), qPrintable(student.lastError()));
        for (auto *server : {&teacherPictures, &studentPictures}) {
            RtspServerProcess::Options options;
            options.address = server == &teacherPictures ? kTeacher : kStudent;
            options.port = 554;
            options.size = QSize(320, 180);
            if (server == &studentPictures)
                options.pattern = QStringLiteral("pinwheel"); // tells the student's pictures apart
            QVERIFY2(server->start(options), qPrintable(server->errorString()));
        }
        reachability::setCheck([this](const QString &host) { return !unreachable.count(host); });
        timescale::setFactor(0.2);
    }

    void cleanupTestCase()
    {
        if (pressConsole) {
            pressConsole->dialog->close();
            pressConsole.reset();
        }
        verifyEverythingLetGo();
    }

    void init()
    {
        boxes.clear();
        boxes.answers.clear();
        unreachable.clear();
        teacher.setTrackingStatus(QStringLiteral("teacher_parameter"), QStringLiteral("stop"));
    }

    // Both sides connect: each camera is asked for its status over its side's link, the teacher
    // camera opens its director output and leaves the picture to the cameras; four small
    // pictures of "/3" and "/4" play, and the director picture of the student camera's "/5".
    // Each way out saves the addresses, says "directorclose" twice to the teacher camera, lets
    // every picture and link go, hands the addresses to the window and says how it ended.
    void session_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("status");
        const QString config = QStringLiteral("Do you want to go into the configuration?");
        QTest::newRow("Config button") << "config" << config << "hideDirect";
        QTest::newRow("Escape") << "escape" << config << "hideDirect";
        QTest::newRow("close button") << "close" << "Do you really want to exit?"
                                      << "showNormal";
    }
    void session()
    {
        QFETCH(QString, way);
        QFETCH(QString, question);
        QFETCH(QString, status);
        const int teacherFrom = teacher.receivedCount(), studentFrom = student.receivedCount();
        Console c;
        EventTurns turns; // the window keeps turning while the sides connect
        c.connectSide(true);
        c.connectSide(false);
        QVERIFY2(turns.longestGap < 500, qPrintable(QString::number(turns.longestGap)));
        QCOMPARE(c.ui->rtsp_connect_Button->text(), QStringLiteral("Disconnect"));
        QVERIFY(!c.ui->student_IP_Edit->isEnabled());
        QStringList urls;
        for (const QFFmpeg *decoder : c.dialog->findChildren<QFFmpeg *>())
            urls << QStringLiteral("%1 %2x%3").arg(decoder->url).arg(decoder->imageWidth).arg(decoder->imageHeight);
        urls.sort();
        QCOMPARE(urls, (QStringList{"rtsp://127.0.0.2:554/3 240x135", "rtsp://127.0.0.2:554/4 240x135",
                                    "rtsp://127.0.0.3:554/3 240x135", "rtsp://127.0.0.3:554/4 240x135",
                                    "rtsp://127.0.0.3:554/5 960x540"}));
        for (const QLabel *label : {c.ui->teacher_labVideo_feature, c.ui->teacher_labVideo_pano,
                                    c.ui->student_labVideo_feature, c.ui->student_labVideo_pano, c.ui->cur_labVideoStream})
            QTRY_VERIFY_WITH_TIMEOUT(hasPicture(label), kWaitMs);
        QCOMPARE(teacher.tcpLinkCount(), 1);
        QCOMPARE(student.tcpLinkCount(), 1);
        // The status answer asks for the configuration, whose mode (the camera's "2") moves the
        // mode list, which says it back; the order depends on when the answers come.
        const QString obtain = QStringLiteral("teacher_parameter\nget_tracking_config_file");
        const QString automatic = QStringLiteral("teacher_parameter\nset_tracking_config_command\nmanual_direct_flag=0");
        QStringList expected{"teacher_parameter\nget_tracking_status", obtain,
                             "teacher_parameter\nset_tracking_config_file\ntracking_mode=2\n",
                             command("teacher_parameter", "directoropen"), automatic, automatic};
        QTRY_COMPARE(textsFrom(teacher, teacherFrom).size(), expected.size());
        QStringList sent = textsFrom(teacher, teacherFrom);
        expected.sort();
        sent.sort();
        QCOMPARE(sent, expected);
        QCOMPARE(textsFrom(student, studentFrom), QStringList{"student_parameter\nget_tracking_status"});

        boxes.clear();
        if (way == QLatin1String("config"))
            c.ui->toolButton->click();
        else if (way == QLatin1String("escape"))
            QTest::keyClick(c.dialog.get(), Qt::Key_Escape);
        else
            c.dialog->close();
        QCOMPARE(boxes.texts(), QStringList{question});
        QCOMPARE(c.statuses, QStringList{status});
        QVERIFY(!c.dialog->isVisible());
        verifyEverythingLetGo();
        QTRY_COMPARE(teacher.tcpLinkCount(), 0);
        QTRY_COMPARE(student.tcpLinkCount(), 0);
        const QString close = command("teacher_parameter", "directorclose");
        QTRY_COMPARE(textsFrom(teacher, teacherFrom).count(close), 2);
        QCOMPARE(c.host.teacherFields, kTeacher);
        QCOMPARE(c.host.studentFields, kStudent);
        QSettings ini(manual_director_file_path(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("DIRECTOR_CONF/student_ip")).toString(), kStudent);
    }

    // The cameras' answers: a status moves the Track switch without sending (the teacher's then
    // asks for the configuration), an error unlocks the side and warns; a configuration's mode
    // moves the list, which says it back, and its pano version shows or hides the mode row.
    void answers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("tracking");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QStringList>("boxTexts");
        QTest::addColumn<bool>("modeRow");
        const QString obtain = QStringLiteral("teacher_parameter\nget_tracking_config_file");
        QTest::newRow("start") << "teacher_parameter\nteacher_tracking_status=start" << true << QStringList{obtain}
                               << QStringList() << false;
        QTest::newRow("start and stop") << "teacher_parameter\nteacher_tracking_status=start stop" << false
                                        << QStringList{obtain} << QStringList() << false;
        QTest::newRow("error") << "teacher_parameter\nteacher_tracking_status=error" << false << QStringList()
                               << QStringList{"Connection types do not match"} << false;
        QTest::newRow("mode and SOC 9") << "teacher_parameter\ntracking_mode=3\npano_version=SOC 9.1" << false
                                        << QStringList{"teacher_parameter\nset_tracking_config_file\ntracking_mode=3\n"}
                                        << QStringList() << true;
        QTest::newRow("other version") << "teacher_parameter\npano_version=V2.0 SOC 9" << false << QStringList()
                                       << QStringList() << false;
    }
    void answers()
    {
        QFETCH(QString, answer);
        QFETCH(bool, tracking);
        QFETCH(QStringList, sent);
        QFETCH(QStringList, boxTexts);
        QFETCH(bool, modeRow);
        Console c;
        c.connectSide(true);
        QTest::qWait(100);
        const int from = teacher.receivedCount();
        boxes.clear();
        c.dialog->getMsg(answer);
        QCOMPARE(c.ui->common_teacher_checkBox->isChecked(), tracking);
        QCOMPARE(c.ui->teacher_callleftBoard_Button->isEnabled(), !tracking);
        QTRY_COMPARE(textsFrom(teacher, from), sent);
        QCOMPARE(boxes.texts(), boxTexts);
        QCOMPARE(c.ui->tracking_mode_widget->isVisibleTo(c.dialog.get()), modeRow);
        // The switch moved for the answer; the installer's next press of it is his own.
        c.ui->common_teacher_checkBox->click();
        QTRY_COMPARE(textsFrom(teacher, from).mid(sent.size()),
                     QStringList{command("teacher_parameter", tracking ? "stop" : "start")});
    }

    // After the teacher side let go, nothing goes to its camera but its own "directorclose":
    // the console's own picture choice (the student side connecting) sends nothing to it, each
    // press of the installer's warns, and so does every press of the Track switch.
    void nothingToALetGoCamera()
    {
        Console c;
        c.connectSide(true);
        c.connectSide(true);
        QCOMPARE(c.ui->teacher_rtsp_pushButton->text(), QStringLiteral("Connect"));
        QTest::qWait(100);
        const int from = teacher.receivedCount();
        boxes.clear();
        c.connectSide(false);
        c.ui->teacher_callPano_Button->click();
        QTest::mouseClick(c.ui->common_ptz_up_Button, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(c.ui->teacher_labVideo_feature, Qt::LeftButton);
        for (int press = 0; press < 2; ++press)
            c.ui->common_teacher_checkBox->click();
        QVERIFY(!c.ui->common_teacher_checkBox->isChecked());
        QTest::qWait(200);
        QCOMPARE(textsFrom(teacher, from), QStringList());
        QCOMPARE(viscaFrom(teacher, from), QStringList());
        QCOMPARE(boxes.texts(), (QStringList{kNotConnected, kNotConnected, "Switched to manual director state",
                                             kNotConnected, kNotConnected, kNotConnected}));
        c.ui->toolButton->click();
        verifyEverythingLetGo();
    }

    // A close or Escape while a connect waits is refused; the connect ends as usual and the
    // console leaves afterwards.
    void noCloseDuringConnect_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close button") << false;
        QTest::newRow("Escape") << true;
    }
    void noCloseDuringConnect()
    {
        QFETCH(bool, escape);
        Console c;
        bool tried = false;
        reachability::setCheck([&](const QString &) {
            if (!tried) {
                tried = true;
                escape ? QTest::keyClick(c.dialog.get(), Qt::Key_Escape) : void(c.dialog->close());
            }
            return true;
        });
        c.connectSide(true);
        reachability::setCheck([this](const QString &host) { return !unreachable.count(host); });
        QVERIFY(tried);
        QCOMPARE(boxes.texts(), QStringList());
        QVERIFY(c.dialog->isVisible());
        QCOMPARE(c.ui->teacher_rtsp_pushButton->text(), QStringLiteral("Disconnect"));
        QCOMPARE(c.statuses, QStringList());
        c.dialog->close();
        QCOMPARE(c.statuses, QStringList{"showNormal"});
        verifyEverythingLetGo();
    }

    // A camera that stops answering the ping lets its side go at the next check; the other
    // side plays on.
    void unreachableCamera()
    {
        Console c;
        c.connectSide(true);
        c.connectSide(false);
        unreachable.insert(kStudent);
        QTRY_COMPARE_WITH_TIMEOUT(c.ui->rtsp_connect_Button->text(), QStringLiteral("Connect"), kWaitMs);
        QCOMPARE(c.ui->teacher_rtsp_pushButton->text(), QStringLiteral("Disconnect"));
        QTRY_COMPARE_WITH_TIMEOUT(QFFmpeg::instances(), 2, kWaitMs);
        QVERIFY(c.ui->student_IP_Edit->isEnabled());
        c.dialog->close();
        verifyEverythingLetGo();
    }

    // The calls by the mode the teacher camera reported, the pads at the window's teacher
    // speeds, and a picture chosen by hand while the cameras direct (the box, then the flag
    // twice: the switch's own, then the press's).
    void presses_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("toTeacher");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("visca");
        const QStringList none;
        auto call = [](const char *verb) { return QStringList{command("teacher_parameter", verb)}; };
        QTest::newRow("Left, no mode") << "0" << "teacher_callleftBoard_Button" << true << call("callplatform") << none;
        QTest::newRow("Left, follow") << "1" << "teacher_callleftBoard_Button" << true << call("callpreset2") << none;
        QTest::newRow("Right, no mode") << "0" << "teacher_callrightBoard_Button" << true << call("callpreset2") << none;
        QTest::newRow("Right, mixed") << "3" << "teacher_callrightBoard_Button" << true << call("callpreset3") << none;
        QTest::newRow("Mid, no mode") << "0" << "teacher_callcenterBoard_Button" << true << call("callpreset3") << none;
        QTest::newRow("Paltform, follow") << "1" << "teacher_callPaltform_Button" << true << call("callplatform") << none;
        QTest::newRow("Pano, follow") << "1" << "teacher_callPano_Button" << true << call("callpano") << none;
        QTest::newRow("Board Pano, board pano") << "4" << "teacher_callBoardPano_Button" << true << call("callboard") << none;
        QTest::newRow("student Pano") << "1" << "student_preset1_Button" << false
                                      << QStringList{command("student_parameter", "callpano")} << none;
        QTest::newRow("teacher up") << "1" << "common_ptz_up_Button" << true << none
                                    << QStringList{"81 01 06 01 0A 09 03 01 FF", "81 01 06 01 03 03 03 03 FF"};
        QTest::newRow("student left down") << "1" << "student_ptz_leftdown_Button" << false << none
                                           << QStringList{"81 01 06 01 0A 09 01 02 FF", "81 01 06 01 03 03 03 03 FF"};
        QTest::newRow("teacher zoom in") << "1" << "common_zoomin_Button" << true << none
                                         << QStringList{"81 01 04 07 26 FF", "81 01 04 07 00 FF"};
        QTest::newRow("student zoom out") << "1" << "student_zoomout_Button" << false << none
                                          << QStringList{"81 01 04 07 36 FF", "81 01 04 07 00 FF"};
        QTest::newRow("student Home") << "1" << "student_ptz_reset_Button" << false << none
                                      << QStringList{"81 01 06 04 FF"};
        const QString pano = QStringLiteral("teacher_parameter\nset_tracking_config_command\nmanual_direct_flag=2");
        QTest::newRow("teacher pano picture") << "1" << "teacher_labVideo_pano" << true << QStringList{pano, pano} << none;
    }
    void presses()
    {
        QFETCH(QString, mode);
        QFETCH(QString, press);
        QFETCH(bool, toTeacher);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, visca);
        std::unique_ptr<Console> &c = pressConsole;
        if (!c) {
            c = std::make_unique<Console>();
            c->connectSide(true);
            c->connectSide(false);
        }
        c->dialog->getMsg(QStringLiteral("teacher_parameter\nget_tracking_config_file\ntracking_mode=") + mode);
        c->ui->label_direct_auto_checkBox->setChecked(true);
        SimCamera &camera = toTeacher ? teacher : student;
        QTest::qWait(50); // what the switch and the mode list sent has arrived
        const int from = camera.receivedCount();
        boxes.clear();
        QWidget *widget = c->dialog->findChild<QWidget *>(press);
        QVERIFY(widget && widget->isEnabled());
        if (qobject_cast<QLabel *>(widget))
            QTest::mouseClick(widget, Qt::LeftButton);
        else
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(textsFrom(camera, from), texts);
        QTRY_COMPARE(viscaFrom(camera, from), visca);
        QCOMPARE(boxes.texts(), qobject_cast<QLabel *>(widget) ? QStringList{"Switched to manual director state"}
                                                               : QStringList());
    }

    // With CORVANE_SHOT_DIR set: the console with both sides connected, its five pictures
    // playing and the teacher's pano picture chosen by hand.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (dir.isEmpty())
            QSKIP("CORVANE_SHOT_DIR not set");
        if (!pressConsole) {
            pressConsole = std::make_unique<Console>();
            pressConsole->connectSide(true);
            pressConsole->connectSide(false);
        }
        Ui::manual_direct *ui = pressConsole->ui;
        for (const QLabel *label : {ui->teacher_labVideo_feature, ui->teacher_labVideo_pano, ui->student_labVideo_feature,
                                    ui->student_labVideo_pano, ui->cur_labVideoStream})
            QTRY_VERIFY_WITH_TIMEOUT(hasPicture(label), kWaitMs);
        QTest::qWait(500); // a few pictures more, past the first key frame
        QVERIFY(pressConsole->dialog->grab().save(dir + QStringLiteral("/manual-director.png")));
    }
};

QTEST_MAIN(tst_ManualDirect)
#include "tst_manual_direct.moc"
