// Every pad, zoom, Home, preset, tracking and menu key button sends its exact bytes to the
// right simulated camera, for each camera model and flag combination, across the four camera
// layouts; a button whose camera is not connected warns and sends nothing.
#include "core/time_scale.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include <memory>

using camera_slot::Slot;

namespace {
// Slots on 127.0.0.2 to .7 in slot order; the free preview's camera on .8.
QString addressOf(int camera) { return QStringLiteral("127.0.0.%1").arg(camera + 2); }
constexpr int kPreview = 6;
constexpr int kCameraCount = 7;
constexpr int kNone = -1;
constexpr int kQuietMs = 60; // nothing more arrives within this after the expected commands

struct Sent {
    int camera; // slot index, kPreview
    int port;
    QString text; // VISCA text as sent ("81 01 06 04 FF") or a text block
};
using SentList = QList<Sent>;
} // namespace
Q_DECLARE_METATYPE(SentList)

namespace {
struct Window {
    RecordingPresenter boxes;
    std::unique_ptr<MainWindow> w;
    Window(int layout)
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=%1\n").arg(layout));
        w.reset(new MainWindow);
        w->show();
    }
    ~Window()
    {
        for (QHostAddress **d : {&w->teacher_feature_destination, &w->teacher_pano_destination,
                                 &w->student_feature_destination, &w->student_pano_destination,
                                 &w->board_feature_destination, &w->board_pano_destination, &w->camera_connections->rtsp_preview_destination_ref()}) {
            delete *d;
            *d = nullptr;
        }
        delete w->guide_config;
    }
    MainWindow *operator->() const { return w.get(); }
};

// The slot as a connect over UDP leaves it (no picture: the commands do not need one).
void attach(MainWindow *w, int camera)
{
    const QString a = addressOf(camera);
    auto set = [&](bool &flag, bool &connected, QHostAddress *&destination, QLineEdit *edit) {
        flag = connected = true;
        destination = new QHostAddress(a);
        edit->setText(a);
    };
    Ui::MainWindow *ui = w->ui;
    switch (camera) {
    case 0: set(w->udp_teacher_feature_flag, w->teacher_feature_connected, w->teacher_feature_destination, ui->teacher_feature_IP_Edit); break;
    case 1: set(w->udp_teacher_pano_flag, w->teacher_pano_connected, w->teacher_pano_destination, ui->teacher_pano_IP_Edit); break;
    case 2: set(w->udp_student_feature_flag, w->student_feature_connected, w->student_feature_destination, ui->student_feature_IP_Edit); break;
    case 3: set(w->udp_student_pano_flag, w->student_pano_connected, w->student_pano_destination, ui->student_pano_IP_Edit); break;
    case 4: set(w->udp_board_feature_flag, w->board_feature_connected, w->board_feature_destination, ui->board_feature_IP_Edit); break;
    case 5: set(w->udp_board_pano_flag, w->board_pano_connected, w->board_pano_destination, ui->board_pano_IP_Edit); break;
    case kPreview:
        w->rtsp_preview_connected = true;
        w->rtsp_preview_destination = new QHostAddress(a);
        break;
    }
}

void attachAll(MainWindow *w)
{
    for (int c = 0; c < kCameraCount; ++c)
        attach(w, c);
}

QString asText(const SimMessage &m)
{
    return m.isVisca() ? QString::fromLatin1(m.payload.toHex(' ').toUpper()) : m.text();
}

// Emits the signal of a form button, as the installer's press, release or click does; the
// slot is reached through the connection by name.
void emitButton(MainWindow *w, const QString &name, const QString &signal)
{
    auto *button = w->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    if (signal == QLatin1String("pressed"))
        emit button->pressed();
    else if (signal == QLatin1String("released"))
        emit button->released();
    else
        emit button->clicked();
}
} // namespace

class tst_CameraCommands : public QObject
{
    Q_OBJECT

    SimCameraHost host;

    // Waits for the expected commands on every camera, then a moment more for strays.
    void verifySent(const SentList &expected)
    {
        QElapsedTimer clock;
        clock.start();
        QMap<int, QStringList> want;
        for (const Sent &s : expected)
            want[s.camera] << s.text;
        auto got = [this](int c) {
            QStringList out;
            for (const SimMessage &m : host.camera(c)->received())
                if (m.isVisca() || m.isText())
                    out << asText(m);
            return out;
        };
        while (clock.elapsed() < 5000) {
            bool all = true;
            for (auto it = want.cbegin(); it != want.cend(); ++it)
                all = all && got(it.key()).size() >= it.value().size();
            if (all)
                break;
            QTest::qWait(5);
        }
        QTest::qWait(kQuietMs);
        for (int c = 0; c < kCameraCount; ++c)
            QCOMPARE(got(c), want.value(c));
        // Ports: VISCA to 1259, text blocks to 6791.
        for (const Sent &s : expected) {
            for (const SimMessage &m : host.camera(s.camera)->received()) {
                if (asText(m) == s.text)
                    QCOMPARE(int(m.localPort), s.port);
            }
        }
    }

    void clearRecords()
    {
        for (SimCamera *c : host.cameras())
            c->clearRecords();
    }

private slots:
    void initTestCase()
    {
        for (int c = 0; c < kCameraCount; ++c)
            QVERIFY(host.addCamera(addressOf(c), QStringLiteral("J57")));
        QVERIFY(host.startAll());
        timescale::setFactor(0.01); // Home's 9-second settle takes 90 ms
    }

    void init()
    {
        for (SimCamera *c : host.cameras())
            c->setFault(SimFault::None);
        clearRecords();
    }

    void pads_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("setup"); // model and flags, see pads()
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<SentList>("expected");

        const char *dirs[][2] = {{"up", "03 01"},       {"down", "03 02"},     {"left", "01 03"},
                                 {"right", "02 03"},    {"leftup", "01 01"},   {"leftdown", "01 02"},
                                 {"rightup", "02 01"},  {"rightdown", "02 02"}};
        struct Config {
            const char *pad;   // button prefix: teacher, student, board, board_2
            const char *setup; // model|flags
            int target;        // camera the pad drives
            int feature;       // camera the zoom refresh goes to (kNone: none)
            const char *addr;  // "81" or "8A"
            const char *refresh; // zoom refresh after a zoom release, "" none
            int speed;         // pan and tilt speed as sent
        };
        const Config configs[] = {
            {"teacher", "|", 0, 0, "81", "", 10},
            {"teacher", "R6|", 0, 0, "81", "81 09 04 47 FF", 10},
            {"teacher", "J57|to_pano", 1, 0, "81", "81 09 04 47 FF", 10},
            {"teacher", "M19|to_pano,prefix", 1, 0, "8A", "", 10},
            {"teacher", "M5|prefix", 0, 0, "8A", "", 10},
            {"teacher", "J22|level7", 0, 0, "81", "81 09 04 47 FF", 7},
            // The digital zoom answer (0: the camera stands below its optical end) asks the zoom.
            {"teacher", "J22|optical_max", 0, 0, "81", "81 19 04 57 FF;81 09 04 47 FF", 10},
            {"student", "J57|preset1", 3, 2, "81", "81 09 04 47 FF", 10},
            {"student", "J57|", 2, 2, "81", "81 09 04 47 FF", 10},
            {"student", "M19|preset1,prefix", 2, 2, "8A", "", 10},
            {"student", "R6|level3", 2, 2, "81", "81 09 04 47 FF", 3},
            {"board", "|", 4, kNone, "81", "", 10},
            {"board", "|level5", 4, kNone, "81", "", 5},
            {"board_2", "|", 5, kNone, "81", "", 10},
        };
        int row = 0;
        auto add = [&](const Config &c, const QString &button, const char *signal, const SentList &expected) {
            const int layout = row++ % 4;
            QTest::addRow("%s %s %s %s, layout %d", c.pad, c.setup, qPrintable(button), signal, layout)
                << layout << QString::fromLatin1(c.setup) << button << QString::fromLatin1(signal) << expected;
        };
        for (const Config &c : configs) {
            const QString pad = QString::fromLatin1(c.pad);
            const bool second = pad == QLatin1String("board_2");
            const QString base = second ? QStringLiteral("board") : pad;
            const QString suffix = second ? QStringLiteral("_2") : QString();
            const QString a = QString::fromLatin1(c.addr);
            const QString speed = QStringLiteral("%1").arg(c.speed, 2, 16, QLatin1Char('0')).toUpper();
            for (const auto &d : dirs) {
                const QString name = base + "_ptz_" + d[0] + "_Button" + suffix;
                add(c, name, "pressed",
                    {{c.target, 1259, a + " 01 06 01 " + speed + " " + speed + " " + d[1] + " FF"}});
                add(c, name, "released", {{c.target, 1259, a + " 01 06 01 03 03 03 03 FF"}});
            }
            const bool board = c.feature == kNone;
            SentList home{{c.target, 1259, a + " 01 06 04 FF"}};
            if (!board)
                home << Sent{c.feature, 1259, "81 09 04 47 FF"};
            add(c, base + "_ptz_reset_Button" + suffix, "clicked", home);
            const bool crop = a == QLatin1String("8A");
            add(c, base + "_zoomin_Button" + suffix, "pressed",
                {{c.target, 1259, crop ? "8A 01 04 07 23 FF" : "81 01 04 07 26 FF"}});
            add(c, base + "_zoomout_Button" + suffix, "pressed",
                {{c.target, 1259, crop ? "8A 01 04 07 32 FF" : "81 01 04 07 36 FF"}});
            for (const char *z : {"_zoomin_Button", "_zoomout_Button"}) {
                SentList release{{c.target, 1259, a + " 01 04 07 00 FF"}};
                for (const QString &r : QString::fromLatin1(c.refresh).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                    release << Sent{c.feature, 1259, r};
                add(c, base + z + suffix, "released", release);
            }
        }
    }

    void pads()
    {
        QFETCH(int, layout);
        QFETCH(QString, setup);
        QFETCH(QString, button);
        QFETCH(QString, signal);
        QFETCH(SentList, expected);
        Window w(layout);
        attachAll(w.w.get());
        const QString model = setup.section(QLatin1Char('|'), 0, 0);
        const QStringList flags = setup.section(QLatin1Char('|'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
        const bool student = button.startsWith(QLatin1String("student"));
        if (student) {
            w->student_feature_device_model = model;
            w->student_model_r6_flag = model == QLatin1String("R6");
            w->student_model_j57_flag = model == QLatin1String("J57");
            w->student_model_j22_flag = model == QLatin1String("J22");
            w->student_ptz_pano_prefix = flags.contains(QStringLiteral("prefix"));
            w->ui->student_preset_list->setCurrentIndex(flags.contains(QStringLiteral("preset1")) ? 1 : 0);
            w->student_zoom_optical_max_value_flag = flags.contains(QStringLiteral("optical_max"));
            if (flags.contains(QStringLiteral("level3")))
                w->ui->student_ptzspeed_level->setText(QStringLiteral("3"));
        } else {
            w->teacher_feature_device_model = model;
            w->teacher_model_r6_flag = model == QLatin1String("R6");
            w->teacher_model_j57_flag = model == QLatin1String("J57");
            w->teacher_model_j22_flag = model == QLatin1String("J22");
            w->teacher_ptz_to_pano = flags.contains(QStringLiteral("to_pano"));
            w->teacher_ptz_pano_prefix = flags.contains(QStringLiteral("prefix"));
            w->teacher_zoom_optical_max_value_flag = flags.contains(QStringLiteral("optical_max"));
            for (const char *level : {"level7", "level5"})
                if (flags.contains(QLatin1String(level)))
                    w->ui->teacher_ptzspeed_level->setText(QString(QLatin1Char(level[5])));
        }
        // The student level never drives the teacher or board pads.
        if (!student)
            w->ui->student_ptzspeed_level->setText(QStringLiteral("2"));
        // The pad's own tab, when the layout has it.
        QWidget *tab = student ? w->ui->tab_student : button.startsWith(QLatin1String("board")) ? w->ui->tab_board : w->ui->tab_teacher;
        if (w->ui->tabWidget->indexOf(tab) >= 0)
            w->ui->tabWidget->setCurrentWidget(tab);
        emitButton(w.w.get(), button, signal);
        verifySent(expected);
        QCOMPARE(w.boxes.texts(), QStringList());
    }

    // Home writes "1.0x" and forgets the optical end at once; the zoom is asked after the wait.
    void homeResetsZoomField()
    {
        host.camera(0)->setZoom(16384);
        Window w(3);
        attachAll(w.w.get());
        w->teacher_model_j22_flag = true;
        w->teacher_zoom_optical_max_value_flag = true;
        w->ui->teacher_zoom_lineEdit->setText(QStringLiteral("20.0x"));
        QString duringWait;
        bool maxDuringWait = true;
        QTimer::singleShot(20, this, [&] {
            duringWait = w->ui->teacher_zoom_lineEdit->text();
            maxDuringWait = w->teacher_zoom_optical_max_value_flag;
        });
        emitButton(w.w.get(), QStringLiteral("teacher_ptz_reset_Button"), QStringLiteral("clicked"));
        QCOMPARE(duringWait, QStringLiteral("1.0x"));
        QVERIFY(!maxDuringWait);
        // The camera's answer to the zoom inquiry after the wait: a J22 at its optical end.
        QTRY_COMPARE(w->ui->teacher_zoom_lineEdit->text(), QStringLiteral("20.0x"));
        QVERIFY(w->teacher_zoom_optical_max_value_flag);
        host.camera(0)->setZoom(100);
    }

    void padsWithoutCamera_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<int>("connected"); // the one camera attached (kNone: none)
        for (const char *signal : {"pressed", "released"}) {
            QTest::addRow("teacher up %s, only the pano", signal) << "teacher_ptz_up_Button" << signal << 1;
            QTest::addRow("student zoomin %s, only the pano", signal) << "student_zoomin_Button" << signal << 3;
            QTest::addRow("board left %s, only the second board", signal) << "board_ptz_left_Button" << signal << 5;
            QTest::addRow("board_2 right %s, only the first board", signal) << "board_ptz_right_Button_2" << signal << 4;
        }
        QTest::newRow("teacher home") << "teacher_ptz_reset_Button" << "clicked" << kNone;
        QTest::newRow("board_2 home") << "board_ptz_reset_Button_2" << "clicked" << kNone;
    }

    void padsWithoutCamera()
    {
        QFETCH(QString, button);
        QFETCH(QString, signal);
        QFETCH(int, connected);
        Window w(3);
        if (connected != kNone)
            attach(w.w.get(), connected);
        emitButton(w.w.get(), button, signal);
        QCOMPARE(w.boxes.texts(), QStringList{"Please connect the camera"});
        QCOMPARE(w.boxes.shown.first().title, QStringLiteral("Warning"));
        verifySent({});
    }

    // The camera never answers the drive command: its release still sends the stop.
    void releaseStopsASilentCamera()
    {
        for (int camera : {0, 2, 4, 5}) {
            host.camera(camera)->setFault(SimFault::Silent);
            Window w(3);
            attachAll(w.w.get());
            const QString pad = camera == 0 ? "teacher" : camera == 2 ? "student" : "board";
            const QString name = pad + "_ptz_leftdown_Button" + (camera == 5 ? "_2" : "");
            emitButton(w.w.get(), name, QStringLiteral("pressed"));
            emitButton(w.w.get(), name, QStringLiteral("released"));
            verifySent({{camera, 1259, "81 01 06 01 0A 0A 01 02 FF"}, {camera, 1259, "81 01 06 01 03 03 03 03 FF"}});
            host.camera(camera)->setFault(SimFault::None);
            clearRecords();
        }
    }

    void presets_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("setup"); // mode|index|teacher model|student model
        QTest::addColumn<QString>("button");
        QTest::addColumn<SentList>("expected");
        QTest::addColumn<QString>("marked"); // the Apply button marked, "" none

        const QString t = QStringLiteral("teacher_parameter\nset_tracking_config_command\ncommand=");
        const QString s = QStringLiteral("student_parameter\nset_tracking_config_command\ncommand=");
        const QString b = QStringLiteral("teacher_parameter\nboard_parameter\nset_tracking_config_command\ncommand=");
        int row = 0;
        auto add = [&](const char *setup, const char *button, const SentList &expected, const char *marked) {
            const int layout = row++ % 4;
            QTest::addRow("%s %s, layout %d", setup, button, layout)
                << layout << QString::fromLatin1(setup) << QString::fromLatin1(button) << expected << QString::fromLatin1(marked);
        };
        // Teacher list by mode: the word of each index.
        const struct {
            const char *mode;
            const char *words[6];
        } modes[] = {{"board_pano", {"platform", "preset2", "preset3", "board", nullptr, nullptr}},
                     {"other", {"pano", "platform", "preset3", "preset2", "board", nullptr}},
                     {"follow", {"pano", "platform", "preset2", "preset3", "board", nullptr}}};
        for (const auto &m : modes) {
            for (int i = 0; i < 5; ++i) {
                if (!m.words[i])
                    continue;
                const QByteArray setup = QByteArray(m.mode) + "|" + QByteArray::number(i) + "||";
                add(setup.constData(), "teacher_setPano_Button", {{1, 6791, t + "set" + m.words[i]}}, "teacher");
                add(setup.constData(), "teacher_callPano_Button", {{1, 6791, t + "call" + m.words[i]}}, "teacher");
            }
        }
        // The panorama crop: index 5 (4 in the board-pano list) by the feature camera's model.
        add("follow|5|M19|", "teacher_callPano_Button", {{1, 1259, "8A 01 04 3F 02 3C FF"}}, "teacher");
        add("board_pano|4|M19|", "teacher_callPano_Button", {{1, 1259, "8A 01 04 3F 02 3C FF"}}, "");
        add("other|5|R6|", "teacher_setPano_Button", {{1, 1259, "8A 01 04 3F 01 3C FF"}}, "teacher");
        add("follow|5|J57|", "teacher_setPano_Button", {{1, 1259, "81 01 04 3F 01 00 FF"}}, "teacher");
        add("board_pano|4|J57|", "teacher_setPano_Button", {{1, 1259, "81 01 04 3F 01 00 FF"}}, "");
        add("follow|5||", "teacher_setPano_Button", {{1, 6791, t + "setsecondpano"}}, "teacher");
        add("board_pano|4|J22|", "teacher_callPano_Button", {{1, 6791, t + "callsecondpano"}}, "teacher");
        add("follow|-1||", "teacher_setPano_Button", {}, "");
        // Student: index 0 the pano, 1 the crop; Call never marks.
        add("follow|0||", "student_setPano_one_Button", {{3, 6791, s + "setpano"}}, "student");
        add("follow|0||", "student_callPano_one_Button", {{3, 6791, s + "callpano"}}, "");
        add("follow|1||J57", "student_callPano_one_Button", {{3, 1259, "81 01 04 3F 02 00 FF"}}, "");
        add("follow|1||M5", "student_setPano_one_Button", {{3, 1259, "8A 01 04 3F 01 3C FF"}}, "student");
        add("follow|1||J22", "student_setPano_one_Button", {{3, 6791, s + "setsecondpano"}}, "student");
        add("follow|-1||", "student_setPano_one_Button", {}, "");
        add("follow|0||", "teacher_delBoardPano_Button", {{1, 6791, t + "cancelboard"}}, "");
        add("follow|0||", "teacher_delPlatform_Button", {{1, 6791, t + "cancelplatform"}}, "");
        // Board presets go through the teacher pano camera.
        const char *board[][3] = {{"board_setBoard_one_Button", "setpano", "board"},
                                  {"board_callBoard_one_Button", "callpano", ""},
                                  {"board_setBoard_two_Button", "setplatform", "board"},
                                  {"board_callBoard_two_Button", "callplatform", ""},
                                  {"board_setBoardPano_Button", "setpreset2", "board"},
                                  {"board_callBoardPano_Button", "callpreset2", ""},
                                  {"board_setBoard_two_Button_2", "setboard1platform", "board"},
                                  {"board_callBoard_two_Button_2", "callboard1platform", ""},
                                  {"board_setBoardPano_Button_2", "setboard1preset2", "board"},
                                  {"board_callBoardPano_Button_2", "callboard1preset2", ""}};
        for (const auto &r : board)
            add("follow|0||", r[0], {{1, 6791, b + r[1]}}, r[2]);
        add("follow|0||", "board_startTrack_Button",
            {{5, 6791, "board_parameter\nset_tracking_config_command\ncommand=start"}}, "");
        add("follow|0||", "board_stopTrack_Button",
            {{5, 6791, "board_parameter\nset_tracking_config_command\ncommand=stop"}}, "");
        add("follow|0||", "director_test_button",
            {{1, 6791, "teacher_parameter\ndirector_parameter\nset_director_config_command\ncommand=testcmd"},
             {3, 6791, "student_parameter\ndirector_parameter\nset_director_config_command\ncommand=testcmd"}},
            "");
    }

    void presets()
    {
        QFETCH(int, layout);
        QFETCH(QString, setup);
        QFETCH(QString, button);
        QFETCH(SentList, expected);
        QFETCH(QString, marked);
        Window w(layout);
        attachAll(w.w.get());
        const QStringList parts = setup.split(QLatin1Char('|'));
        QRadioButton *mode = parts[0] == QLatin1String("board_pano") ? w->ui->board_pano_mode_radioButton
                             : parts[0] == QLatin1String("other")    ? w->ui->other_mode_radioButton
                                                                     : w->ui->follow_mode_radioButton;
        mode->setChecked(true);
        // The list as the mode radio buttons fill it: six entries (five in the board-pano mode).
        while (w->ui->teacher_preset_list->count() < 6)
            w->ui->teacher_preset_list->addItem(QStringLiteral("Num 60 : Pano Crop"));
        w->ui->teacher_preset_list->setCurrentIndex(button.startsWith(QLatin1String("teacher")) ? parts[1].toInt() : 0);
        w->ui->student_preset_list->setCurrentIndex(button.startsWith(QLatin1String("student")) ? parts[1].toInt() : 0);
        w->teacher_feature_device_model = parts[2];
        w->student_feature_device_model = parts[3];
        QPushButton *apply[] = {w->ui->teacher_apply_Button, w->ui->student_apply_Button, w->ui->board_apply_Button};
        for (QPushButton *a : apply)
            a->setText(QStringLiteral("Apply"));
        emitButton(w.w.get(), button, QStringLiteral("clicked"));
        verifySent(expected);
        QCOMPARE(w.boxes.texts(), QStringList());
        const char *names[] = {"teacher", "student", "board"};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(apply[i]->text(), QLatin1String(names[i]) == marked ? QStringLiteral("Apply(*)") : QStringLiteral("Apply"));
        if (button == QLatin1String("board_startTrack_Button")) {
            QCOMPARE(w->board_cur_track_status, 1);
            QVERIFY(!w->ui->board_obtain_Button->isEnabled());
        }
        if (button == QLatin1String("board_stopTrack_Button")) {
            QCOMPARE(w->board_cur_track_status, 2);
            QVERIFY(w->ui->board_obtain_Button->isEnabled());
        }
    }

    void presetsWithoutCamera_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<SentList>("expected");
        const QString need = QStringLiteral("Please connect the teacher pano camera");
        QTest::newRow("teacher set") << "teacher_setPano_Button" << QStringList{"Please connect the camera"} << SentList{};
        QTest::newRow("student call") << "student_callPano_one_Button" << QStringList{"Please connect the camera"} << SentList{};
        QTest::newRow("board set, board cameras there") << "board_setBoard_one_Button" << QStringList{need} << SentList{};
        QTest::newRow("board_2 call, board cameras there") << "board_callBoardPano_Button_2" << QStringList{need} << SentList{};
        QTest::newRow("board start") << "board_startTrack_Button" << QStringList{"Please connect the camera"} << SentList{};
        QTest::newRow("director test, student pano only")
            << "director_test_button" << QStringList{need}
            << SentList{{3, 6791, "student_parameter\ndirector_parameter\nset_director_config_command\ncommand=testcmd"}};
    }

    void presetsWithoutCamera()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, warnings);
        QFETCH(SentList, expected);
        Window w(3);
        attach(w.w.get(), 4);
        if (button == QLatin1String("director_test_button"))
            attach(w.w.get(), 3);
        else if (!button.startsWith(QLatin1String("board_start")))
            attach(w.w.get(), 5);
        w->ui->board_apply_Button->setText(QStringLiteral("Apply"));
        const int status = w->board_cur_track_status;
        emitButton(w.w.get(), button, QStringLiteral("clicked"));
        QCOMPARE(w.boxes.texts(), warnings);
        verifySent(expected);
        QCOMPARE(w->ui->board_apply_Button->text(), QStringLiteral("Apply"));
        QCOMPARE(w->board_cur_track_status, status);
    }

    void directorTestWithoutPanos()
    {
        Window w(1);
        emitButton(w.w.get(), QStringLiteral("director_test_button"), QStringLiteral("clicked"));
        QCOMPARE(w.boxes.texts(),
                 (QStringList{"Please connect the teacher pano camera", "Please connect the student pano camera"}));
        verifySent({});
    }

    void menuKeys_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("page"); // teacher, student, board, preview, director, upgrade
        QTest::addColumn<int>("menuObject");
        QTest::addColumn<int>("key");
        QTest::addColumn<SentList>("expected");
        const char *keys[] = {nullptr,
                              "81 01 06 06 05 FF",
                              "81 01 06 01 10 10 03 01 FF",
                              "81 01 06 01 10 10 03 02 FF",
                              "81 01 06 01 10 10 01 03 FF",
                              "81 01 06 01 10 10 02 03 FF",
                              "81 01 06 06 04 FF",
                              "81 01 06 06 10 FF",
                              "81 01 06 06 06 FF",
                              "81 01 06 01 03 03 03 03 FF"};
        int turn = 0;
        for (int layout = 0; layout < 4; ++layout) {
            auto row = [&](const char *page, int object, int camera) {
                // The keys take turns over the rows; each key's text is checked alone elsewhere.
                const int key = turn++ % 9 + 1;
                const SentList expected = camera == kNone ? SentList{} : SentList{{camera, 1259, QString::fromLatin1(keys[key])}};
                QTest::addRow("layout %d %s %d key %d", layout, page, object, key)
                    << layout << QString::fromLatin1(page) << object << key << expected;
            };
            row("teacher", 0, 0);
            row("teacher", 1, 1);
            row("student", 0, 2);
            row("student", 1, 3);
            if (layout >= 2)
                row("board", 0, 4); // the Board tab, at index 2 in both layouts that have it
            row("preview", 0, kPreview);
            row("upgrade", 0, kNone); // the Upgrade tab on another page than Preview
            row("director", 0, kNone);
        }
    }

    void menuKeys()
    {
        QFETCH(int, layout);
        QFETCH(QString, page);
        QFETCH(int, menuObject);
        QFETCH(int, key);
        QFETCH(SentList, expected);
        Window w(layout);
        attachAll(w.w.get());
        Ui::MainWindow *ui = w->ui;
        w->ui->teacher_switch_menu_object_comboBox->setCurrentIndex(menuObject);
        w->ui->student_switch_menu_object_comboBox->setCurrentIndex(menuObject);
        QWidget *tab = page == QLatin1String("teacher")    ? ui->tab_teacher
                       : page == QLatin1String("student")  ? ui->tab_student
                       : page == QLatin1String("board")    ? ui->tab_board
                       : page == QLatin1String("director") ? ui->tab_host
                                                           : ui->tab_6;
        ui->tabWidget->setCurrentWidget(tab);
        QCOMPARE(ui->tabWidget->currentWidget(), tab);
        ui->upgrade_tabWidget->setCurrentWidget(page == QLatin1String("preview") ? ui->tab_11 : ui->tab_8);
        w->dispose_osd_command(key);
        verifySent(expected);
    }

    void menuKeysNeedTheChosenCamera()
    {
        Window w(3);
        attach(w.w.get(), 0); // the teacher feature only
        w->ui->teacher_switch_menu_object_comboBox->setCurrentIndex(1);
        w->dispose_osd_command(2);
        w->ui->tabWidget->setCurrentWidget(w->ui->tab_board);
        w->dispose_osd_command(2);
        verifySent({});
    }

    // Closing a camera menu dialog sends "menu closed" to the camera chosen on the current tab
    // and gives the previews back.
    void menuDialogClosed()
    {
        Window w(2);
        attachAll(w.w.get());
        w->ui->teacher_switch_menu_object_comboBox->setCurrentIndex(1);
        w->ui->teacher_navigate_osd_mode_radioButton->setChecked(true);
        w->teacher_osd_menu_open = true;
        w->main_preview_active = false;
        w->set_teacher_osd_menu_show_flag();
        verifySent({{1, 1259, "81 01 06 06 06 FF"}});
        QVERIFY(!w->teacher_osd_menu_open);
        QVERIFY(w->main_preview_active);
        QVERIFY(w->ui->teacher_navigate_ptz_mode_radioButton->isChecked());
        clearRecords();
        w->ui->tabWidget->setCurrentWidget(w->ui->tab_board);
        w->student_osd_menu_open = w->board_osd_menu_open = true;
        w->set_board_osd_menu_show_flag();
        w->set_student_osd_menu_show_flag();
        verifySent({{4, 1259, "81 01 06 06 06 FF"}, {4, 1259, "81 01 06 06 06 FF"}});
        QVERIFY(!w->student_osd_menu_open);
        QVERIFY(!w->board_osd_menu_open);
    }

    void previewButtons_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("mode"); // upgrade_preview_comboBox: 0 PTZ, 1 menu
        QTest::addColumn<bool>("connected");
        QTest::addColumn<QStringList>("presses"); // "<button> pressed|released" in order
        QTest::addColumn<SentList>("expected");
        const QString stop = QStringLiteral("81 01 06 01 03 03 03 03 FF");
        for (int layout = 0; layout < 4; ++layout) {
            QTest::addRow("layout %d ptz arrows", layout)
                << layout << 0 << true
                << QStringList{"osd_up_Button pressed", "osd_up_Button released", "osd_left_Button pressed",
                               "osd_left_Button released"}
                << SentList{{kPreview, 1259, "81 01 06 01 0A 0A 03 01 FF"}, {kPreview, 1259, stop},
                            {kPreview, 1259, "81 01 06 01 0A 0A 01 03 FF"}, {kPreview, 1259, stop}};
            QTest::addRow("layout %d ptz zoom and home", layout)
                << layout << 0 << true
                << QStringList{"osd_back_Button pressed", "osd_back_Button released", "osd_menu_Button pressed",
                               "osd_menu_Button released", "osd_ok_Button pressed", "osd_ok_Button released"}
                << SentList{{kPreview, 1259, "81 01 04 07 26 FF"}, {kPreview, 1259, "81 01 04 07 00 FF"},
                            {kPreview, 1259, "81 01 04 07 36 FF"}, {kPreview, 1259, "81 01 04 07 00 FF"},
                            {kPreview, 1259, "81 01 06 04 FF"}};
            QTest::addRow("layout %d ptz without a camera", layout)
                << layout << 0 << false
                << QStringList{"osd_up_Button pressed", "osd_up_Button released", "osd_ok_Button pressed"} << SentList{};
            QTest::addRow("layout %d menu keys wait for MENU", layout)
                << layout << 1 << true
                << QStringList{"osd_ok_Button pressed", "osd_up_Button pressed", "osd_menu_Button pressed",
                               "osd_menu_Button released", "osd_ok_Button pressed", "osd_right_Button pressed",
                               "osd_right_Button released", "osd_back_Button pressed"}
                << SentList{{kPreview, 1259, "81 01 06 06 10 FF"}, {kPreview, 1259, "81 01 06 06 05 FF"},
                            {kPreview, 1259, "81 01 06 01 10 10 02 03 FF"}, {kPreview, 1259, "81 01 06 06 04 FF"}};
        }
    }

    void previewButtons()
    {
        QFETCH(int, layout);
        QFETCH(int, mode);
        QFETCH(bool, connected);
        QFETCH(QStringList, presses);
        QFETCH(SentList, expected);
        Window w(layout);
        if (connected)
            attach(w.w.get(), kPreview);
        attach(w.w.get(), 0);
        w->ui->tabWidget->setCurrentWidget(w->ui->tab_6);
        w->ui->upgrade_tabWidget->setCurrentWidget(w->ui->tab_11);
        w->ui->upgrade_preview_comboBox->setCurrentIndex(mode);
        emit w->ui->upgrade_preview_comboBox->activated(mode);
        QCOMPARE(w->ui->osd_back_Button->text(), mode == 0 ? QStringLiteral("Zoom in") : QStringLiteral("BACK"));
        QCOMPARE(w->ui->osd_menu_Button->text(), mode == 0 ? QStringLiteral("Zoom out") : QStringLiteral("MENU"));
        for (const QString &p : presses)
            emitButton(w.w.get(), p.section(QLatin1Char(' '), 0, 0), p.section(QLatin1Char(' '), 1, 1));
        verifySent(expected);
    }
};

QTEST_MAIN(tst_CameraCommands)
#include "tst_camera_commands.moc"
