// The pads, presets and camera menu keys without the window, against simulated cameras: every
// pad, zoom, Home, preset, tracking and menu key button sends its exact bytes to the right
// camera and port for each camera model and flag combination; a button whose camera is not
// connected warns and sends nothing; a tab's camera menu button asks for the dialog of its
// chosen camera while that camera is connected. The zoom field and its refresh after a zoom key
// are the VISCA replies', which learn the models from the cameras' model replies.
#include "cameras/visca_replies.h"
#include "core/time_scale.h"
#include "form_rig.h"
#include "mainwindow/tab_layout.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "sim_wire.h"
#include "tabs/camera_menu_keys.h"
#include "tabs/pads.h"

#include <QTimer>
#include <QtTest>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
// Slots on 127.0.0.2 to .7 in slot order; the free preview's camera on .8.
QString addressOf(int camera) { return QStringLiteral("127.0.0.%1").arg(camera + 2); }
constexpr int kPreview = 6;
constexpr int kCameraCount = 7;
constexpr int kReplyMs = 3000; // loopback delivers at once; this only bounds a failure
const QString kConnect = QStringLiteral("Please connect the camera");
const QString kTeacherPano = QStringLiteral("Please connect the teacher pano camera");
const QString kT = QStringLiteral("teacher_parameter\nset_tracking_config_command\ncommand=");
const QString kStop = QStringLiteral("81 01 06 01 03 03 03 03 FF");

// What a camera received: "<camera> <text>", a VISCA text as its VISCA port took it, or a block
// as its text port took it.
QString at(int camera, const QString &text) { return QStringLiteral("%1 %2").arg(camera).arg(text); }

// The free preview, the calibration views and the Upgrade tab's page, as the connections, the
// manual calibration and the device search keep them.
struct Host : FreePreview, CalibrationView, UpgradePages {
    QHostAddress *preview = nullptr;
    bool previewPage = false; // the Upgrade tab shows its Preview page
    bool preview_page_open() const override { return previewPage; }
    bool preview_connected() const override { return preview; }
    QHostAddress *preview_destination() const override { return preview; }
    bool calibration_shown(camera_slot::Side) const override { return false; }
    void hide_calibration(camera_slot::Side) override {}
};

const char *sideName(Side side)
{
    return side == Side::Teacher ? "teacher" : side == Side::Student ? "student" : "board";
}

struct Rig : FormRig {
    QHostAddress previewAddress{addressOf(kPreview)};
    bool toPano = false, teacherCrop = false; // the teacher preset list's redirection
    Host host;
    WindowChoices choices;
    TabLayout layout{CORVANE_FORM_WIDGETS(TabLayout, TAB_LAYOUT_WIDGETS, formHost.ui), teacher_values, student_values,
                     choices, link, &formHost.window};
    Pads pads{CORVANE_FORM_WIDGETS(Pads, PADS_WIDGETS, formHost.ui),
              cameras,
              ports,
              link,
              status,
              teacher_values,
              student_values,
              host,
              &formHost.window};
    CameraMenuKeys keys{CORVANE_FORM_WIDGETS(CameraMenuKeys, CAMERA_MENU_KEYS_WIDGETS, formHost.ui),
                        cameras,
                        ports,
                        link,
                        layout,
                        host,
                        host,
                        teacher_values};
    // What the pads and keys told: the tabs whose Apply they marked, the Board tab's controls,
    // the menu dialogs closed.
    QStringList marked;
    bool boardEnabled = true;
    QStringList menusClosed;
    ViscaReplies replies{CORVANE_FORM_WIDGETS(ViscaReplies, VISCA_REPLIES_WIDGETS, formHost.ui), cameras, ports, link,
                         status, choices, layout, &formHost.window};
    Rig()
    {
        QObject::connect(&pads, &Pads::apply_mark_wanted, [this](Side side) {
            const QString name = QLatin1String(sideName(side)) + QLatin1String("_apply_Button");
            if (!marked.contains(name))
                marked << name;
        });
        QObject::connect(&pads, &Pads::widget_status_wanted, [this](int camera, bool enable) {
            if (camera == 2)
                boardEnabled = enable;
        });
        QObject::connect(&keys, &CameraMenuKeys::camera_menu_closed,
                         [this](Side side) { menusClosed << QLatin1String(sideName(side)); });
        QObject::connect(&pads, &Pads::zoom_homed, &replies, &ViscaReplies::zoom_homed);
        QObject::connect(&pads, &Pads::zoom_stopped, &replies, &ViscaReplies::zoom_stopped);
        // The simulated cameras' own answers are left unread: each row tells the replies the
        // models it sets.
        QObject::disconnect(&link, &ControlLink::viscaReply, &replies, nullptr);
        ui->osd_back_Button->setText(QString());
        ui->osd_menu_Button->setText(QString());
        ui->teacher_navigate_osd_mode_radioButton->setChecked(true);
    }
    // Words of a row's setup (see commands_data); every camera is attached as a connect over
    // UDP leaves it, unless "attach=" names the ones that are.
    void setUp(const QString &setup)
    {
        QStringList attached{"0", "1", "2", "3", "4", "5", "6"};
        QString models[2];         // teacher, student close-up camera
        bool opticalEnd[2] = {};   // a J22 that stands at its optical end
        for (const QString &word : setup.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString key = word.section(QLatin1Char('='), 0, 0), value = word.section(QLatin1Char('='), 1);
            const bool s = key.endsWith(QLatin1String(".s"));
            if (key == QLatin1String("attach")) {
                attached = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
            } else if (key.startsWith(QLatin1String("model"))) {
                cameras[s ? Slot::StudentFeature : Slot::TeacherFeature].device_model = value;
                models[s] = value;
            } else if (key.startsWith(QLatin1String("max"))) {
                opticalEnd[s] = true;
            } else if (key == QLatin1String("to_pano")) {
                toPano = true;
                pads.set_teacher_redirection(toPano, teacherCrop);
            } else if (key.startsWith(QLatin1String("crop"))) {
                if (s) {
                    pads.set_student_crop(true);
                } else {
                    teacherCrop = true;
                    pads.set_teacher_redirection(toPano, teacherCrop);
                }
            } else if (key.startsWith(QLatin1String("preset"))) {
                (s ? student_values.preset_index : teacher_values.preset_index) = value.toInt();
            } else if (key.startsWith(QLatin1String("level"))) {
                (s ? student_values.ptzspeed_level : teacher_values.ptzspeed_level) = value;
            } else if (key == QLatin1String("mode")) { // the tracking mode's radio index
                const QStringList modes{"other", "follow", "binocular", "mixed", "board_pano"};
                teacher_values.tracking_mode = modes.indexOf(value);
            } else if (key == QLatin1String("noboard")) { // as the layouts of one and two cameras show the tabs
                ui->tabWidget->removeTab(ui->tabWidget->indexOf(ui->tab_board));
            } else if (key == QLatin1String("page")) {
                const bool upgrade = value == QLatin1String("preview") || value == QLatin1String("upgrade");
                QWidget *tab = upgrade ? ui->tab_6 : formHost.window.findChild<QWidget *>("tab_" + value);
                ui->tabWidget->setCurrentWidget(tab);
                QCOMPARE(ui->tabWidget->currentWidget(), tab);
                host.previewPage = value == QLatin1String("preview");
            } else if (key == QLatin1String("menu")) {
                ui->teacher_switch_menu_object_comboBox->setCurrentIndex(value.toInt());
                ui->student_switch_menu_object_comboBox->setCurrentIndex(value.toInt());
            } else if (key == QLatin1String("osd")) {
                ui->upgrade_preview_comboBox->setCurrentIndex(value.toInt());
                emit ui->upgrade_preview_comboBox->activated(value.toInt());
            }
        }
        for (const QString &c : attached) {
            if (c.toInt() == kPreview) {
                host.preview = &previewAddress;
            } else {
                cameras.set_destination(Slot(c.toInt()), addressOf(c.toInt()));
                cameras[Slot(c.toInt())].udp_flag = cameras[Slot(c.toInt())].connected = true;
            }
        }
        // The connected close-up cameras tell their models (and a J22 its zoom) to the replies.
        for (int s = 0; s < 2; ++s) {
            const Slot feature = s ? Slot::StudentFeature : Slot::TeacherFeature;
            if (models[s].isEmpty() || !cameras[feature].udp_flag)
                continue;
            const ViscaReplyOrigin origin{QHostAddress(addressOf(int(feature))), 1259, 0};
            replies.check_role_reply(QByteArray::fromHex("905000000000") + modelCode(models[s]) + '\xff', origin);
            if (opticalEnd[s]) // the zoom position 0x4000: the optical end
                replies.check_role_reply(QByteArray::fromHex("905004000000ff"), origin);
        }
    }
    // The two bytes a model reply carries for the model's name.
    static QByteArray modelCode(const QString &model)
    {
        const QByteArray name = model.toLatin1();
        return QByteArray(1, name.at(0)) + QByteArray(1, char(name.mid(1).toInt(nullptr, 16)));
    }
    // "<button> pressed|released|clicked", "key <code>", or "closed <side>" (its menu dialog).
    void step(const QString &step)
    {
        const QString what = step.section(QLatin1Char(' '), 0, 0), how = step.section(QLatin1Char(' '), 1);
        if (what == QLatin1String("key"))
            return keys.dispose_osd_command(how.toInt());
        if (step == QLatin1String("closed teacher"))
            return keys.set_teacher_osd_menu_show_flag();
        if (step == QLatin1String("closed student"))
            return keys.set_student_osd_menu_show_flag();
        if (step == QLatin1String("closed board"))
            return keys.set_board_osd_menu_show_flag();
        auto *button = formHost.window.findChild<QAbstractButton *>(what);
        QVERIFY2(button, qPrintable(what));
        if (how == QLatin1String("pressed"))
            emit button->pressed();
        else if (how == QLatin1String("released"))
            emit button->released();
        else
            emit button->clicked();
    }
    // The effects beside the wire: Apply buttons marked, the board tracking status and controls,
    // menu dialogs closed, the teacher menu's navigation, the Preview keys' corner names.
    QStringList state() const
    {
        QStringList s;
        for (const char *name : {"teacher_apply_Button", "student_apply_Button", "board_apply_Button"})
            if (marked.contains(QLatin1String(name)))
                s << QLatin1String(name);
        if (status.board_cur_track_status != 2 || !boardEnabled)
            s << QStringLiteral("board %1 %2").arg(status.board_cur_track_status).arg(boardEnabled ? "on" : "off");
        for (const QString &side : menusClosed)
            s << "closed " + side;
        if (ui->teacher_navigate_ptz_mode_radioButton->isChecked())
            s << QStringLiteral("ptz navigation");
        if (!ui->osd_back_Button->text().isEmpty())
            s << ui->osd_back_Button->text() + " / " + ui->osd_menu_Button->text();
        return s;
    }
};
} // namespace

class tst_Pads : public QObject
{
    Q_OBJECT

    SimCameraHost sims;

    // What each camera received, in order.
    void verifySent(const QStringList &expected)
    {
        for (int c = 0; c < kCameraCount; ++c) {
            QStringList got, want;
            for (const QString &m : simwire::receivedUpToMarkers(*sims.camera(c), kReplyMs))
                got << at(c, m);
            for (const QString &s : expected)
                if (s.section(QLatin1Char(' '), 0, 0).toInt() == c)
                    want << s;
            QCOMPARE(got, want);
        }
    }

private slots:
    void initTestCase()
    {
        for (int c = 0; c < kCameraCount; ++c)
            QVERIFY(sims.addCamera(addressOf(c), QStringLiteral("J57")));
        QVERIFY(sims.startAll());
        timescale::setFactor(0.001); // Home's 9-second settle takes 9 ms
    }

    void init()
    {
        for (SimCamera *c : sims.cameras()) {
            c->setFault(SimFault::None);
            c->clearRecords();
        }
    }

    void commands_data()
    {
        QTest::addColumn<QString>("setup"); // see Rig::setUp; "silent=<camera>": it never answers
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("sent"); // each camera's in the order it got them
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<QStringList>("state");
        // Steps, warnings and state are lists joined by ", ".
        auto row = [](const QString &setup, const QString &steps, const QStringList &sent, const QString &warnings = {},
                      const QString &state = {}) {
            const QStringList list = steps.split(QLatin1String(", "));
            QTest::addRow("%s: %s%s", qPrintable(setup), qPrintable(list.first()), list.size() > 1 ? " ..." : "")
                << setup << list << sent << warnings.split(QLatin1String(", "), Qt::SkipEmptyParts)
                << state.split(QLatin1String(", "), Qt::SkipEmptyParts);
        };

        // Every pad button: the camera it drives, the address byte, the feature camera's inquiry
        // after a zoom release, and the speed, by model and flags; the other side's level never
        // counts. One row per path: the texts themselves are rows of tst_visca_commands.
        const struct {
            const char *pad, *setup;
            int target;
            const char *address, *refresh;
            int speed;
        } pads[] = {
            {"teacher", "model.t=R6 level.s=2", 0, "81", "81 09 04 47 FF", 10},
            {"teacher", "model.t=J57 to_pano", 1, "81", "81 09 04 47 FF", 10},
            {"teacher", "model.t=M5 crop.t", 0, "8A", "", 10},
            {"teacher", "model.t=J22 max.t level.t=7", 0, "81", "81 19 04 57 FF", 7},
            // "Num 60 : Pano Crop" chosen with a J57 feature camera: the student pano.
            {"student", "model.s=J57 preset.s=1 level.t=2", 3, "81", "81 09 04 47 FF", 10},
            {"student", "model.s=M19 preset.s=1 crop.s", 2, "8A", "", 10},
            {"student", "model.s=R6 level.s=3", 2, "81", "81 09 04 47 FF", 3},
            {"board", "level.s=2", 4, "81", "", 10},
            {"board", "level.t=5 page=board", 4, "81", "", 5},
            {"board_2", "level.s=2", 5, "81", "", 10},
        };
        const char *dirs[][2]
            = {{"up", "03 01"},     {"down", "03 02"},     {"left", "01 03"},    {"right", "02 03"},
               {"leftup", "01 01"}, {"leftdown", "01 02"}, {"rightup", "02 01"}, {"rightdown", "02 02"}};
        for (const auto &p : pads) {
            const bool second = qstrcmp(p.pad, "board_2") == 0;
            const QString base = second ? QStringLiteral("board") : QString::fromLatin1(p.pad);
            const int feature = base == QLatin1String("board") ? -1 : base == QLatin1String("student") ? 2 : 0;
            const QString a = QString::fromLatin1(p.address) + " ";
            const QString speed = QStringLiteral("%1 ").arg(p.speed, 2, 16, QLatin1Char('0')).toUpper().repeated(2);
            QStringList steps, sent;
            auto add = [&](const QString &button, const char *signal, const QString &text,
                           const QStringList &toFeature = {}) {
                steps << base + button + (second ? "_2 " : " ") + signal;
                sent << at(p.target, a + text);
                for (const QString &inquiry : toFeature)
                    sent << at(feature, inquiry);
            };
            for (const auto &d : dirs) {
                add(QStringLiteral("_ptz_%1_Button").arg(d[0]), "pressed", "01 06 01 " + speed + d[1] + " FF");
                add(QStringLiteral("_ptz_%1_Button").arg(d[0]), "released", "01 06 01 03 03 03 03 FF");
            }
            const bool crop = qstrcmp(p.address, "8A") == 0;
            add("_zoomin_Button", "pressed", crop ? "01 04 07 23 FF" : "01 04 07 26 FF");
            add("_zoomout_Button", "pressed", crop ? "01 04 07 32 FF" : "01 04 07 36 FF");
            const QStringList refresh = QString::fromLatin1(p.refresh).split(QLatin1Char(';'), Qt::SkipEmptyParts);
            add("_zoomin_Button", "released", "01 04 07 00 FF", refresh);
            add("_zoomout_Button", "released", "01 04 07 00 FF", refresh);
            add("_ptz_reset_Button", "clicked", "01 06 04 FF",
                feature < 0 ? QStringList() : QStringList{"81 09 04 47 FF"});
            row(QStringLiteral("%1 %2").arg(p.pad, p.setup), steps.join(QLatin1String(", ")), sent);
        }
        // The camera never answers the drive command: its release still sends the stop.
        for (const char *r : {"0 teacher_ptz_leftdown_Button", "2 student_ptz_leftdown_Button",
                              "4 board_ptz_leftdown_Button", "5 board_ptz_leftdown_Button_2"}) {
            const QString b = QString::fromLatin1(r + 2);
            row(QStringLiteral("silent=%1").arg(r[0]), b + " pressed, " + b + " released",
                {at(r[0] - '0', "81 01 06 01 0A 0A 01 02 FF"), at(r[0] - '0', kStop)});
        }
        row("attach=1", "teacher_ptz_up_Button pressed", {}, kConnect);
        row("attach=3", "student_zoomin_Button released", {}, kConnect);
        row("attach=4", "board_ptz_right_Button_2 released", {}, kConnect);
        row("attach=", "teacher_ptz_reset_Button clicked", {}, kConnect);

        // The teacher list's word of each index, by mode; Set and Call both mark the tab.
        const struct {
            const char *mode, *words[5];
        } modes[] = {{"board_pano", {"platform", "preset2", "preset3", "board", nullptr}},
                     {"other", {"pano", "platform", "preset3", "preset2", "board"}},
                     {"follow", {"pano", "platform", "preset2", "preset3", "board"}}};
        for (const auto &m : modes)
            for (int i = 0; i < 5 && m.words[i]; ++i)
                for (const char *verb : {"set", "call"})
                    row(QStringLiteral("mode=%1 preset.t=%2").arg(m.mode).arg(i),
                        QStringLiteral("teacher_%1Pano_Button clicked").arg(verb), {at(1, kT + verb + m.words[i])}, {},
                        "teacher_apply_Button");
        // The panorama crop: index 5 (4 in the board-pano list) by the feature camera's model,
        // and the student's index 1; a student Call never marks. The command of each model is a
        // row of tst_visca_commands.
        const QString s = QStringLiteral("student_parameter\nset_tracking_config_command\ncommand=");
        const QString tSet = "teacher_setPano_Button clicked", tCall = "teacher_callPano_Button clicked";
        const QString sSet = "student_setPano_one_Button clicked", sCall = "student_callPano_one_Button clicked";
        row("mode=follow preset.t=5 model.t=M19", tCall, {at(1, "8A 01 04 3F 02 3C FF")}, {}, "teacher_apply_Button");
        row("mode=board_pano preset.t=4 model.t=M19", tCall, {at(1, "8A 01 04 3F 02 3C FF")});
        row("mode=follow preset.t=5", tSet, {at(1, kT + "setsecondpano")}, {}, "teacher_apply_Button");
        row("mode=follow preset.t=-1", tSet, {});
        row("preset.s=0", sSet, {at(3, s + "setpano")}, {}, "student_apply_Button");
        row("preset.s=0", sCall, {at(3, s + "callpano")});
        row("preset.s=1 model.s=J57", sCall, {at(3, "81 01 04 3F 02 00 FF")});
        row("preset.s=-1", sSet, {});
        row("attach=4,5", tSet, {}, kConnect);
        row("attach=4,5", sCall, {}, kConnect);
        row("", "teacher_delBoardPano_Button clicked", {at(1, kT + "cancelboard")});
        row("", "teacher_delPlatform_Button clicked", {at(1, kT + "cancelplatform")});
        row("attach=4,5", "teacher_delBoardPano_Button clicked", {}, kConnect);
        // Board presets go through the teacher pano camera; a Set marks the Board tab.
        const QString b = QStringLiteral("teacher_parameter\nboard_parameter\nset_tracking_config_command\ncommand=");
        for (const char *r :
             {"board_%1Board_one_Button pano", "board_%1Board_two_Button platform", "board_%1BoardPano_Button preset2",
              "board_%1Board_two_Button_2 board1platform", "board_%1BoardPano_Button_2 board1preset2"}) {
            const QString button = QString::fromLatin1(r).section(' ', 0, 0),
                          word = QString::fromLatin1(r).section(' ', 1);
            row("", button.arg("set") + " clicked", {at(1, b + "set" + word)}, {}, "board_apply_Button");
            row("", button.arg("call") + " clicked", {at(1, b + "call" + word)});
            row("attach=4,5", button.arg("set") + " clicked", {}, kTeacherPano);
        }
        const QString track = QStringLiteral("board_parameter\nset_tracking_config_command\ncommand=");
        row("", "board_startTrack_Button clicked", {at(5, track + "start")}, {}, "board 1 off");
        row("", "board_startTrack_Button clicked, board_stopTrack_Button clicked",
            {at(5, track + "start"), at(5, track + "stop")});
        row("attach=4", "board_startTrack_Button clicked", {}, kConnect);
        const QString d = QStringLiteral("director_parameter\nset_director_config_command\ncommand=testcmd");
        row("", "director_test_button clicked", {at(1, "teacher_parameter\n" + d), at(3, "student_parameter\n" + d)});
        row("attach=3,4", "director_test_button clicked", {at(3, "student_parameter\n" + d)}, kTeacherPano);
        row("attach=", "director_test_button clicked", {}, kTeacherPano + ", Please connect the student pano camera");

        // Menu keys go to the camera chosen on the page showing, found by its object whether or
        // not the Board tab stands before the others; the keys take turns over the rows.
        const QStringList keys
            = QStringLiteral("|81 01 06 06 05 FF|81 01 06 01 10 10 03 01 FF|81 01 06 01 10 10 03 02 FF|"
                             "81 01 06 01 10 10 01 03 FF|81 01 06 01 10 10 02 03 FF|81 01 06 06 04 FF|"
                             "81 01 06 06 10 FF|81 01 06 06 06 FF|81 01 06 01 03 03 03 03 FF")
                  .split(QLatin1Char('|'));
        int turn = 0;
        for (const QString tabs : {"noboard ", ""}) {
            for (const char *r : {"0 teacher", "1 teacher menu=1", "2 student", "3 student menu=1", "6 preview",
                                  "- upgrade", "- host", "4 board"}) {
                if (r[0] == '4' && !tabs.isEmpty())
                    continue;
                const int k = turn++ % 9 + 1;
                row(tabs + "page=" + (r + 2), QStringLiteral("key %1").arg(k),
                    r[0] == '-' ? QStringList() : QStringList{at(r[0] - '0', keys[k])});
            }
        }
        row("attach=0 page=teacher menu=1", "key 2", {});
        row("attach=0 page=board", "key 2", {});
        // A menu dialog closed: "menu closed" to the chosen camera, and the previews back.
        row("page=teacher menu=1", "closed teacher", {at(1, keys[8])}, {}, "closed teacher, ptz navigation");
        row("page=board", "closed board, closed student", {at(4, keys[8]), at(4, keys[8])}, {},
            "closed board, closed student");

        // The Preview page, found without the Board tab: a pad at the teacher level in PTZ mode,
        // menu keys after MENU in menu mode. The keys of the full layout go out in the behaviour
        // recorder's records.
        const QString ptz = "noboard page=preview level.t=7 osd=0";
        row(ptz, "osd_up_Button pressed, osd_up_Button released, osd_back_Button pressed, osd_ok_Button pressed",
            {at(6, "81 01 06 01 07 07 03 01 FF"), at(6, kStop), at(6, "81 01 04 07 26 FF"), at(6, "81 01 06 04 FF")},
            {}, "Zoom in / Zoom out");
        row(ptz + " attach=0", "osd_up_Button pressed, osd_up_Button released, osd_ok_Button pressed", {}, {},
            "Zoom in / Zoom out");
        row("noboard page=preview osd=1",
            "osd_ok_Button pressed, osd_up_Button pressed, osd_menu_Button pressed, osd_menu_Button released, "
            "osd_ok_Button pressed, osd_right_Button pressed, osd_right_Button released, osd_back_Button pressed",
            {at(6, keys[7]), at(6, keys[1]), at(6, keys[5]), at(6, keys[6])}, {}, "BACK / MENU");
    }

    void commands()
    {
        QFETCH(QString, setup);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, sent);
        QFETCH(QStringList, warnings);
        QFETCH(QStringList, state);
        Rig rig;
        rig.setUp(setup);
        const int silent = setup.startsWith(QLatin1String("silent=")) ? setup.mid(7).toInt() : -1;
        if (silent >= 0)
            sims.camera(silent)->setFault(SimFault::Silent);
        for (const QString &step : steps)
            rig.step(step);
        verifySent(sent);
        QCOMPARE(rig.boxes.texts(), warnings);
        for (const msgbox::Request &box : rig.boxes.shown) {
            QCOMPARE(box.title, QStringLiteral("Warning"));
            QCOMPARE(box.parent, &rig.formHost.window);
        }
        QCOMPARE(rig.state(), state);
    }

    // The camera each side's camera menu dialog shows, as the menu controls choose it: the teacher
    // side's only while its pad navigates the menu.
    void menuCamera()
    {
        Rig rig;
        for (bool osd : {true, false}) {
            for (int object : {0, 1}) {
                rig.ui->teacher_navigate_osd_mode_radioButton->setChecked(osd);
                rig.ui->teacher_navigate_ptz_mode_radioButton->setChecked(!osd);
                rig.ui->teacher_switch_menu_object_comboBox->setCurrentIndex(object);
                rig.ui->student_switch_menu_object_comboBox->setCurrentIndex(1 - object);
                QCOMPARE(rig.keys.menu_camera(Side::Teacher), osd ? object : -1);
                QCOMPARE(rig.keys.menu_camera(Side::Student), 1 - object);
                QCOMPARE(rig.keys.menu_camera(Side::Board), -1);
            }
        }
    }

    // A tab's camera menu button asks for the dialog of the camera its menu controls chose, only
    // while that camera is connected: the teacher tab's only while its pad navigates the menu.
    void menuDialogWanted_data()
    {
        QTest::addColumn<QString>("setup"); // see Rig::setUp
        QTest::addColumn<bool>("ptzNavigation");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("wanted"); // "<side> feature|pano", or empty
        const struct {
            const char *setup;
            bool ptz;
            const char *tab, *wanted;
        } rows[] = {
            {"menu=0", false, "teacher", "teacher feature"},
            {"menu=1", false, "teacher", "teacher pano"},
            {"menu=0", true, "teacher", ""},
            {"menu=1", true, "teacher", ""},
            {"menu=0 attach=1", false, "teacher", ""},
            {"menu=1 attach=0", false, "teacher", ""},
            {"menu=0", true, "student", "student feature"},
            {"menu=1", false, "student", "student pano"},
            {"menu=0 attach=3", false, "student", ""},
            {"menu=1 attach=2", false, "student", ""},
            {"menu=1", true, "board", "board feature"},
            {"attach=5", false, "board", ""},
        };
        for (const auto &r : rows)
            QTest::addRow("%s %s%s", r.tab, r.setup, r.ptz ? " ptz" : "")
                << QString::fromLatin1(r.setup) << r.ptz
                << QStringLiteral("%1_show_osd_menu_pushButton").arg(QLatin1String(r.tab))
                << QString::fromLatin1(r.wanted);
    }
    void menuDialogWanted()
    {
        QFETCH(QString, setup);
        QFETCH(bool, ptzNavigation);
        QFETCH(QString, button);
        QFETCH(QString, wanted);
        Rig rig;
        rig.setUp(setup);
        rig.ui->teacher_navigate_ptz_mode_radioButton->setChecked(ptzNavigation);
        rig.ui->teacher_navigate_osd_mode_radioButton->setChecked(!ptzNavigation);
        QStringList got;
        QObject::connect(&rig.keys, &CameraMenuKeys::camera_menu_wanted, [&got](Side side, bool pano) {
            got << QLatin1String(sideName(side)) + (pano ? " pano" : " feature");
        });
        rig.step(button + " clicked");
        QCOMPARE(got, wanted.isEmpty() ? QStringList() : QStringList{wanted});
        verifySent({});
    }

    // Home writes "1.0x" and forgets the optical end at once, and reads the feature camera's
    // address after its wait: a camera disconnected meanwhile is not asked for its zoom.
    void homeReadsTheAddressAfterItsWait()
    {
        for (int run = 0; run < 4; ++run) {
            const bool student = run & 1, leaves = run & 2;
            Rig rig;
            rig.setUp(student ? "model.s=J22 max.s" : "model.t=J22 max.t");
            QLineEdit *zoom = student ? rig.ui->student_zoom_lineEdit : rig.ui->teacher_zoom_lineEdit;
            zoom->setText(QStringLiteral("20.0x"));
            const int feature = student ? 2 : 0;
            QString duringWait;
            QTimer::singleShot(0, [&] {
                duringWait = zoom->text()
                             + (rig.replies.feature_model(student ? Side::Student : Side::Teacher).optical_max
                                    ? " at the optical end"
                                    : "");
                if (leaves)
                    rig.cameras.clear_destination(Slot(feature));
            });
            rig.step(student ? "student_ptz_reset_Button clicked" : "teacher_ptz_reset_Button clicked");
            QCOMPARE(duringWait, QStringLiteral("1.0x"));
            verifySent(QStringList{at(feature, "81 01 06 04 FF")}
                       + (leaves ? QStringList() : QStringList{at(feature, "81 09 04 47 FF")}));
        }
    }
};

QTEST_MAIN(tst_Pads)
#include "tst_pads.moc"
