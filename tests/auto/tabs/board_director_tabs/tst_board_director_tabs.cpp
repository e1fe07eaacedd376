// The Board and Director tabs without the window, against simulated cameras on 127.0.0.2 to .7
// (slot order): what Apply and Obtain send, to whom, with which boxes and armed requests; the
// cameras' answers read into the tabs and the board preview's areas; the defaults, the strategy's
// controls, the code validators, the marks, and the board tracking status memory.
#include "cameras/camera_connections.h"
#include "core/time_scale.h"
#include "form_rig.h"
#include "region_views.h"
#include "protocol/parameter_block.h"
#include "protocol/parameter_reply.h"
#include "protocol/preset_commands.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "sim_wire.h"
#include "tabs/board_tab.h"
#include "tabs/director_tab.h"
#include "test_env.h"

#include <QtTest>

using camera_slot::Slot;

namespace {
constexpr int kReplyMs = 3000; // loopback delivers at once; this only bounds a failure
constexpr int kSettleMs = 200; // long enough for a loop of answers on loopback to show itself
QString addressOf(int camera) { return QStringLiteral("127.0.0.%1").arg(camera + 2); }
QStringList list(const QString &joined) { return joined.split(QLatin1String(", "), Qt::SkipEmptyParts); }

// The director block of Default with the protocol test's addresses (its golden text); in the
// six-camera layout Board 1 and Board 2 take the blackboard view's place.
QString golden(bool six)
{
    QFile file(testenv::sourceDir() + QStringLiteral("/tests/auto/protocol/board_director/golden/interior.txt"));
    QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    return six ? text.replace("inner_director_enable=11111\nblackboard_director_enable=00",
                              "inner_director_enable=11110\nblackboard_director_enable=11")
               : text;
}

// A director answer with every key at other than its default, behind the given routing lines.
QString answer(const char *sections)
{
    return QLatin1String(sections)
           + QLatin1String("\nget_director_config_file\npano_port=5679\nuart_baud=115200\ncommunicate_mode=2\n"
                           "command_mode=1\ndirector_broadcast_ip=10.0.0.9\ndirector_broadcast_port=7000\n"
                           "switch_auto=A 1\nswitch_manual=M 2\ndirector_command_times=1\ndirector_strategy=0\n"
                           "extern_director_teacher_enable=101\nteacher_walk_up_platform=t1\nteacher_keep_stand=t2\n"
                           "teacher_walk_moving=t3\nteacher_walk_down_platform=t4\nteacher_have_object_multi=t5\n"
                           "extern_director_keep_interval=4\nextern_director_moving_interval=5\n"
                           "extern_director_multi_interval=6\nextern_director_student_enable=0101\n"
                           "student_stand_up=s1\nstudent_keep_stand=s2\nstudent_sit_down=s3\n"
                           "student_have_object_multi=s4\nextern_director_blackboard_enable=10\n"
                           "blackboard_have_object_tracked=b1\nblackboard_none_object_tracked=b2\n"
                           "inner_director_enable=10101\nblackboard_director_enable=01\ninner_teacher_feature=i1\n"
                           "inner_teacher_pano=i2\ninner_student_feature=i3\ninner_student_pano=i4\n"
                           "inner_blackboard_feature=i5\nblackboard1_feature=k1\nblackboard2_feature=k2\n"
                           "min_switch_time=9");
}

// The board cameras' address fields and the board preview's region boxes belong to the camera
// connections and the student regions, which take the Board tab's news as the window wires them.
struct Rig : FormRig, CalibrationView {
    QWidget *window = &formHost.window;
    bool loading = false;
    QStringList armed;
    portforward::Fields portFields;
    WindowChoices choices;
    CameraConnections connections{CORVANE_FORM_WIDGETS(CameraConnections, CAMERA_CONNECTIONS_WIDGETS, formHost.ui),
                                  cameras, ports, portFields, link, status, window};
    BoardTab board{CORVANE_FORM_WIDGETS(BoardTab, BOARD_TAB_WIDGETS, formHost.ui), board_values, cameras, ports, link,
                   loading, window};
    RegionViews views{*this, choices, board.preview_areas(), *this};
    StudentRegions &regions = views.regions;
    DirectorTab director{CORVANE_FORM_WIDGETS(DirectorTab, DIRECTOR_TAB_WIDGETS, formHost.ui),
                         director_values,
                         cameras,
                         ports,
                         link,
                         choices,
                         teacher_values,
                         student_values,
                         loading,
                         window};
    void arm_request(request_poller::Kind kind, bool silent)
    {
        armed << QStringList{"teacher obtain", "teacher apply", "student obtain", "student apply"}.at(int(kind))
                     + (silent ? " (silent)" : "");
    }
    bool calibration_shown(camera_slot::Side) const override { return false; }
    void hide_calibration(camera_slot::Side) override {}

    // Words: "attach=1,3" (cameras connected as a connect leaves them), "six", "customer",
    // "loading", "marked" (both Apply buttons read "Apply(*)", else "Apply").
    explicit Rig(const QString &setup)
    {
        const auto arm = [this](request_poller::Kind kind, bool silent) { arm_request(kind, silent); };
        QObject::connect(&board, &BoardTab::request_armed, arm);
        QObject::connect(&director, &DirectorTab::request_armed, arm);
        QObject::connect(&board, &BoardTab::default_addresses_wanted, &connections,
                         &CameraConnections::show_default_addresses);
        QObject::connect(&board, &BoardTab::shields_read, &regions, &StudentRegions::board_shields_read);
        for (const QString &c : setup.section("attach=", 1).section(' ', 0, 0).split(',', Qt::SkipEmptyParts)) {
            cameras.set_destination(Slot(c.toInt()), addressOf(c.toInt()));
            cameras[Slot(c.toInt())].udp_flag = cameras[Slot(c.toInt())].connected = true;
        }
        // The six-camera layout, a student customer model.
        choices.camera_layout = setup.contains("six") ? 3 : 2;
        student_values.customer_model = setup.contains("customer");
        loading = setup.contains("loading");
        for (QPushButton *b : {ui->board_apply_Button, ui->director_apply_Button})
            b->setText(setup.contains("marked") ? "Apply(*)" : "Apply");
    }
    template <class T = QWidget>
    T *widget(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no widget %s", qPrintable(name));
        return w;
    }
    static void click(QAbstractButton *button)
    {
        for (QWidget *w = button; !button->isEnabled(); w = w->parentWidget())
            w->setEnabled(true); // a control the form keeps disabled keeps its slots
        button->click();
    }
    // The 20 code fields as typed: "<text>/<validators>" for each different result.
    QString typed(const QString &keys) const
    {
        QStringList results;
        for (QLineEdit *f : window->findChildren<QLineEdit *>(QRegularExpression("^director_(switch|ext|int)"))) {
            f->setEnabled(true); // the strategy not chosen keeps its fields disabled
            f->clear();
            QTest::keyClicks(f, keys);
            results << QStringLiteral("%1/%2").arg(f->text()).arg(f->findChildren<QValidator *>().size());
        }
        results.removeDuplicates();
        return results.join(' ');
    }
    // "click|check|uncheck|toggle|press <widget>", "set|move <widget> <n>", "type <widget> <text>",
    // "board|answer <text>" (a board pano block, a director answer), "validator <type>",
    // "widgets <strategy> <0|1>".
    void act(const QStringList &steps)
    {
        for (const QString &step : steps) {
            const QString verb = step.section(' ', 0, 0), name = step.section(' ', 1, 1), rest = step.section(' ', 2);
            auto *button = qobject_cast<QAbstractButton *>(window->findChild<QWidget *>(name));
            if (verb == "board")
                board.read_board_section(step.section(' ', 1));
            else if (verb == "answer")
                director.read_director_section(step.section(' ', 1));
            else if (verb == "validator")
                director.set_director_command_validator(name.toInt());
            else if (verb == "widgets")
                director.set_director_widgets(name.toInt(), rest == "1");
            else if (verb == "click")
                click(button);
            else if (verb.endsWith("check") || verb == "toggle")
                button->setChecked(verb == "toggle" ? !button->isChecked() : verb == "check");
            else if (verb == "press")
                emit widget<QAbstractSlider>(name)->sliderPressed();
            else if (verb == "move")
                emit widget<QAbstractSlider>(name)->sliderMoved(rest.toInt());
            else if (verb == "set")
                widget(name)->setProperty("value", rest.toInt()); // a slider or a spin box
            else
                widget(name)->setProperty("text", rest); // a field or a label
        }
    }
    // "name=value" for each expected entry: a push button's or label's text, a check or radio
    // button's 1/0, a slider's or spin box's value, a field's text; "!name" its enabled state.
    // Pseudo names: "armed", "boxes", "sent", "typed <keys>";
    // the board preview's "track", "shield2", "drawn", "visible" and the four
    // "shields" boxes; the director's 18 "dboxes" and "read" (1 where a code field holds other
    // than its default code).
    QStringList states(const QStringList &expected, const QString &sent) const
    {
        const BoardTab::Preview p = board.preview();
        auto area = [](const board_parameters::WindowArea &a) {
            return QStringLiteral("%1,%2 %3,%4").arg(a.top_left.x()).arg(a.top_left.y()).arg(a.bottom_right.x())
                .arg(a.bottom_right.y());
        };
        QString drawn, visible, shields, dboxes, read;
        for (int i = 0; i < board_parameters::kShieldCount; ++i) {
            drawn += QString::number(p.shield_drawn[i]);
            visible += QString::number(p.shield_visible[i]);
            const char *const n[] = {"one", "two", "three", "four"};
            shields += QString::number(widget<QCheckBox>(QStringLiteral("board_shield_%1_checkBox").arg(n[i]))
                                           ->isChecked());
        }
        const DirectorSection d = director.director_settings(),
                              fresh = director_parameters::default_settings();
        auto group = [&](auto codes, auto defaults, int n) {
            for (int i = 0; i < n; ++i)
                dboxes += QString::number(codes[i].on), read += QString::number(codes[i].code != defaults[i].code);
        };
        group(d.teacher, fresh.teacher, 5), group(d.student, fresh.student, 4), group(d.board, fresh.board, 2);
        group(d.interior, fresh.interior, 5), group(d.blackboard, fresh.blackboard, 2);
        const QMap<QString, QString> pseudo{
            {"armed", armed.join(" + ")}, {"boxes", boxes.texts().join(" + ")}, {"sent", sent},
            {"track", p.track_known ? area(p.track) : "none"}, {"shield2", area(p.shields[1])}, {"drawn", drawn},
            {"visible", visible}, {"shields", shields}, {"dboxes", dboxes}, {"read", read}};
        QStringList out;
        for (const QString &e : expected) {
            const QString name = e.section('=', 0, 0);
            QWidget *w = pseudo.contains(name) || name.startsWith("typed") ? nullptr
                                                                            : widget(name.mid(name.startsWith('!')));
            QString v = name.startsWith("typed") ? typed(name.section(' ', 1)) : pseudo.value(name);
            if (name.startsWith('!'))
                v = QString::number(w->isEnabled());
            else if (qobject_cast<QPushButton *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QLabel *>(w))
                v = w->property("text").toString();
            else if (auto *b = qobject_cast<QAbstractButton *>(w))
                v = QString::number(b->isChecked());
            else if (w)
                v = w->property("value").toString(); // a slider or a spin box
            out << name + '=' + v;
        }
        return out;
    }
};
} // namespace

class tst_BoardDirectorTabs : public QObject
{
    Q_OBJECT

    SimCameraHost sims;

    // What the cameras received: "<camera> <text>" + ...
    QString received()
    {
        QStringList got;
        for (int c = 0; c < sims.count(); ++c)
            for (const QString &m : simwire::receivedUpToMarkers(*sims.camera(c), kReplyMs))
                got << QStringLiteral("%1 %2").arg(c).arg(m);
        return got.join(" + ");
    }

private slots:
    void initTestCase()
    {
        for (int c = 0; c < camera_slot::kSlotCount; ++c)
            QVERIFY(sims.addCamera(addressOf(c), QStringLiteral("J57")));
        QVERIFY(sims.startAll());
        timescale::setFactor(0.01);
    }

    void init()
    {
        for (SimCamera *c : sims.cameras())
            c->clearRecords();
    }

    // Widgets, state, commands and boxes after the steps.
    void actions_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        auto row = [](const QString &name, const QString &setup, const QString &steps, const QString &expected) {
            QTest::addRow("%s%s%s", qPrintable(name), setup.isEmpty() ? "" : ", ", qPrintable(setup))
                << setup << list(steps) << list(expected);
        };
        // Board marks: a press or click marks; the enable boxes only with the board pano camera
        // connected, whose state change alone reads "Apply"; slider labels and values, unmarked
        // while the settings file loads.
        const QString marked = "board_apply_Button=Apply(*)", unmarked = "board_apply_Button=Apply";
        row("sensitivity", "", "press board_sensitivity_Slider", marked);
        row("lose object", "", "click board_lose_object_pano_two_radioButton", marked);
        for (const QString b : {"board_enable_checkBox", "board_enable_checkBox_2"})
            row(b, "attach=5", "click " + b, marked), row(b, "", "click " + b, unmarked);
        row("enable state", "marked attach=5", "toggle board_enable_checkBox", unmarked);
        row("delay", "marked attach=5", "set board_lost_pano_delay_label 44", unmarked);
        row("delay", "marked", "set board_lost_pano_delay_label 44", marked);
        row("sensitivity", "", "set board_sensitivity_Slider 3", "board_sensitivity_label=3, " + marked);
        row("sensitivity", "loading", "set board_sensitivity_Slider 3", "board_sensitivity_label=3, " + unmarked);
        row("timeout", "", "move board_target_lost_timeout_Slider 14",
            "board_target_lost_timeout_label=14, " + unmarked);
        // Director marks: every choice and box but Board 1 and Board 2; every text field and the
        // minimum switch time unless the settings file loads.
        FormHost form;
        for (QWidget *w : form.window.findChildren<QAbstractButton *>(QRegularExpression("^director_.*(radio|check)")))
            row(w->objectName(), "", "click " + w->objectName(),
                QStringLiteral("director_apply_Button=Apply") + (w->objectName().back().isDigit() ? "" : "(*)"));
        const QRegularExpression textFields("^director_(switch|ext|int|server)");
        for (QWidget *w : form.window.findChildren<QLineEdit *>(textFields))
            for (const char *setup : {"", "loading"})
                row(w->objectName(), setup, "type " + w->objectName() + " 12",
                    QStringLiteral("director_apply_Button=Apply") + (*setup ? "" : "(*)"));
        for (const char *setup : {"", "loading"})
            row("min switch", setup, "set director_interior_min_switch_time_Slider 6",
                QStringLiteral("director_interior_min_switch_time_label=6, director_apply_Button=Apply")
                    + (*setup ? "" : "(*)"));

        // Each switch of the command type, by an answer, a click or the settings file, replaces
        // every code field's validator: one stays, and it is the last type's.
        auto validators = [&](const char *name, const QString &other, const QString &last, const char *typed) {
            row(name, "", QStringList{other, last, other, last, other, last}.join(", "), typed);
        };
        const QString mode = "answer director_parameter\ncommand_mode=", click = "click director_command_type_%1";
        validators("answer: hex", mode + "1", mode + "0", "typed FG=F/1, typed 0A-B=0AB/1, typed ff 0a=ff 0a/1");
        validators("answer: ASCII", mode + "0", mode + "1", "typed G-x=G-x/1");
        validators("click: hex", click.arg("ascii_radioButton"), click.arg("hex_radioButton"), "typed FG-01=F01/1");
        validators("click: ASCII", click.arg("hex_radioButton"), click.arg("ascii_radioButton"), "typed G-x=G-x/1");
        validators("settings file: hex", "validator 2", "validator 1", "typed FG-01=F01/1");
        validators("settings file: ASCII, kept by Default", "validator 1",
                   "validator 2, click director_default_Button", "typed G-=G-/1, director_apply_Button=Apply(*)");

        // Board Default: a connected camera keeps the address it was reached at. The values
        // Default gives go out in the behaviour recorder's records.
        const QString odd = "type board_feature_IP_Edit 10.3.3.3, type board_pano_IP_Edit 10.3.3.4, "
                            "click board_default_Button";
        row("board defaults", "", odd,
            "board_feature_IP_Edit=192.168.1.165, board_pano_IP_Edit=192.168.1.166, " + marked);
        row("board defaults", "attach=5", odd, "board_feature_IP_Edit=192.168.1.165, board_pano_IP_Edit=10.3.3.4");
        row("board defaults", "attach=4,5", odd, "board_feature_IP_Edit=10.3.3.3, board_pano_IP_Edit=10.3.3.4");

        // The strategy switches between the external events and the interior views; a customer
        // model camera has no single blackboard view.
        auto strategy = [&](const char *name, const QString &setup, const char *steps, int external, int board) {
            row(name, setup, steps,
                QStringLiteral("!director_external_teacher_moving_lineEdit=%1, "
                               "!director_interior_student_feature_lineEdit=%2, "
                               "!director_interior_min_switch_time_Slider=%2, "
                               "!director_interior_board_blackboard_lineEdit=%3")
                    .arg(external).arg(!external).arg(board));
        };
        strategy("external", "", "widgets 1 1, widgets 0 1", true, false);
        strategy("interior", "", "widgets 0 1, widgets 1 1", false, true);
        strategy("interior", "customer", "widgets 1 1", false, false);
        strategy("unknown strategy changes nothing", "", "widgets 0 1, widgets 2 1", true, false);

        // The board pano camera's block: label, then slider, and the preview's areas halved onto
        // it; a shield switch "1" on (shown while the regions are shown), "0" off and hidden, a
        // missing character as it was. How each key is read is a row of tst_board_director.
        row("board block", "", "check board_lose_object_pano_two_radioButton, board board_parameter\n"
            "get_tracking_config_file\npano_sensitivity=3\ntime_delay=12\nmulti_object_strategy=1\n"
            "losing_object_strategy=0\nfeature_version=F 1.2\npano_version=P 3.4",
            "board_sensitivity_label=3, board_sensitivity_Slider=3, board_target_lost_timeout_label=12, "
            "board_target_lost_timeout_Slider=12, board_multi_object_pano_two_radioButton=1, "
            "board_lose_object_pano_one_radioButton=1, board_version_feature_info_label=F 1.2, "
            "board_version_pano_info_label=P 3.4");
        const QString areas = "board board_parameter\npano_pan_scale=100\npano_tilt_scale=51\npano_pan_increment=200\n"
                              "pano_tilt_increment=99\npano_shield_enable=0110\npano_pan_second_shield_scale=40\n"
                              "pano_tilt_second_shield_scale=60\npano_pan_second_shield_increment=100\n"
                              "pano_tilt_second_shield_increment=20";
        row("nothing read", "", "", "track=none, drawn=0000");
        row("areas", "", areas, "track=95,377 245,450, shield2=50,385 125,400, drawn=1111, shields=0110");
        auto shield = [&](const char *name, const char *boxes, const char *visible, bool show, const char *enable,
                          const char *after) {
            QString steps = "check board_show_region_checkBox, board pano_shield_enable=" + QString(visible);
            const char *const n[] = {"one", "two", "three", "four"};
            for (int i = 0; i < 4; ++i)
                steps += QStringLiteral(", %1check board_shield_%2_checkBox").arg(boxes[i] == '1' ? "" : "un", n[i]);
            row(name, "", steps + QStringLiteral(", %1 board_show_region_checkBox, board pano_shield_enable=%2")
                                      .arg(show ? "check" : "uncheck", enable), after);
        };
        shield("'10': first on, second off", "0111", "0101", true, "10", "shields=1011, visible=1001");
        shield("'1111', regions hidden", "0000", "0000", false, "1111", "shields=1111, visible=0000");

        // Director answers by their routing lines (which groups each reads is a row of
        // tst_board_director): the common keys, and the teacher pano's its events, interior views,
        // Board 1/2 and board events, the student pano's its events.
        const QString common = "director_camera_Port_Edit=5679, director_camera_Baudrate_Edit=115200, "
                               "director_protocol_serial_radioButton=1, director_command_type_ascii_radioButton=1, "
                               "director_server_IP_Edit=10.0.0.9, director_server_Port_Edit=7000, "
                               "director_switch_auto_lineEdit=A 1, director_switch_manual_lineEdit=M 2, "
                               "director_code_send_mode_triple_radioButton=1, director_keep_interval_label=4, "
                               "director_moving_interval_label=5, director_multi_interval_label=6, "
                               "director_strategy_external_radioButton=1, !director_external_teacher_still_lineEdit=1, "
                               "!director_interior_teacher_pano_lineEdit=0, director_interior_min_switch_time_label=";
        auto director = [&](const char *sections, const char *boxes, const char *read, const char *min) {
            row(sections, "", "click director_default_Button, answer " + answer(sections),
                common + QStringLiteral("%3, director_interior_min_switch_time_Slider=%3, dboxes=%1, read=%2")
                             .arg(boxes, read, min));
        };
        director("teacher_parameter\ndirector_parameter", "101001111101010101", "111110000111111111", "9");
        director("student_parameter\ndirector_parameter", "111110101111111111", "000001111000000000", "3");

        // What Apply and Obtain hand to the link, and to which camera (the blocks byte for byte are
        // rows of tst_board_director), with their warnings and the requests armed. Obtain on the
        // Board tab does not look at the connection: the request is armed and will fail.
        const QString teacherPano = "Please connect the teacher pano camera",
                      studentPano = "Please connect the student pano camera";
        row("board Apply", "marked attach=1", "type board_feature_IP_Edit 127.0.0.6/left board, "
            "type board_pano_IP_Edit 127.0.0.7, uncheck board_enable_checkBox, check board_enable_checkBox_2, "
            "set board_lost_pano_delay_label 45, click board_apply_Button",
            "sent=1 teacher_parameter\nboard_parameter\nset_tracking_config_file\nboard_feature_ip=127.0.0.6\n"
            "board_feature1_ip=127.0.0.7\nboard_feature_enable=0\nboard_feature1_enable=1\n"
            "board_lost_to_pano_delay=45\n, "
            "boxes=, armed=teacher apply, " + unmarked);
        row("board Apply", "marked attach=3,4,5", "click board_apply_Button",
            "sent=, boxes=" + teacherPano + ", armed=, " + marked);
        row("board Obtain", "marked attach=1", "click board_obtain_Button",
            "sent=1 teacher_parameter\nboard_parameter\nget_tracking_config_file, armed=teacher obtain, " + unmarked);
        row("board Obtain", "marked", "click board_obtain_Button", "sent=, boxes=, armed=teacher obtain, " + unmarked);
        // Default from odd choices gives the golden block once its addresses, pano port and baud
        // rate are typed.
        const QString fields = "click director_strategy_external_radioButton, "
                               "click director_protocol_serial_radioButton, "
                               "uncheck director_interior_board_blackboard_checkBox_3, "
                               "type director_teacher_IP_Edit 192.168.1.101, "
                               "type director_student_IP_Edit 192.168.1.164, "
                               "type director_board_IP_Edit 192.168.1.166, type director_camera_Port_Edit 5678, "
                               "type director_camera_Baudrate_Edit 9600, click director_default_Button, "
                               "click director_apply_Button";
        const QString t = "1 teacher_parameter\n", s = "3 student_parameter\n";
        row("director Apply", "attach=1,3", fields, "sent=" + t + golden(false) + " + " + s + golden(false)
            + ", boxes=, armed=teacher apply + student apply, director_apply_Button=Apply");
        row("director Apply", "six attach=1,3", fields, "sent=" + t + golden(true) + " + " + s + golden(true));
        row("director Apply", "attach=3", fields, "sent=" + s + golden(false) + ", boxes=" + teacherPano
            + ", armed=student apply, director_apply_Button=Apply");
        // Without an address of the tab's own the blackboard camera's is Board 1's (the part
        // before "/"): an empty one would clear what the wizard gave the pano cameras.
        row("director Apply: Board 1's address", "attach=1,3",
            QString(fields).replace("type director_board_IP_Edit 192.168.1.166",
                                    "type board_feature_IP_Edit 192.168.1.166/left board"),
            "sent=" + t + golden(false) + " + " + s + golden(false));
        row("director Apply", "marked", "click director_apply_Button",
            "sent=, boxes=" + teacherPano + " + " + studentPano + ", armed=, director_apply_Button=Apply(*)");
        row("director Obtain", "attach=1,3", "click director_obtain_Button", "sent=1 teacher_parameter\n"
            "get_director_config_file + 3 student_parameter\nget_director_config_file, boxes=, "
            "armed=teacher obtain + student obtain");
        row("director Obtain", "", "click director_obtain_Button",
            "sent=, boxes=" + teacherPano + " + " + studentPano + ", armed=");
    }

    void actions()
    {
        QFETCH(QString, setup);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        Rig rig(setup);
        rig.act(steps);
        QCOMPARE(rig.states(expected, expected.filter("sent=").isEmpty() ? QString() : received()), expected);
        for (const msgbox::Request &box : rig.boxes.shown)
            QVERIFY(box.title == "Warning" && box.parent == rig.window);
        if (expected.filter(QRegularExpression("^boxes=")).isEmpty())
            QCOMPARE(rig.boxes.texts(), QStringList());
    }

    // A teacher pano that answers later than usual: the student block of a director Apply or
    // Obtain still follows the teacher's answer, on the wire and in the log.
    void studentBlockFollowsTeacherAnswer_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("kind");
        QTest::newRow("Apply") << "director_apply_Button" << int(request_poller::Kind::TeacherApply);
        QTest::newRow("Obtain") << "director_obtain_Button" << int(request_poller::Kind::TeacherObtain);
    }
    void studentBlockFollowsTeacherAnswer()
    {
        QFETCH(QString, button);
        QFETCH(int, kind);
        Rig rig("attach=1,3");
        SimCamera *teacher = sims.camera(1), *student = sims.camera(3);
        int answers = 0;
        bool studentFirst = false;
        QObject::connect(&rig.link, &ControlLink::textReply, [&](const QByteArray &reply) {
            if (!parameter_block::reply_text(reply).startsWith(QLatin1String("teacher_parameter")))
                return;
            ++answers;
            studentFirst = studentFirst || student->receivedCount() > 0;
            rig.director.request_echoed(request_poller::Kind(kind));
        });
        teacher->setFault(SimFault::Slow, 1400);
        timescale::setFactor(1.0); // the usual 300 or 800 ms against an answer 1400 ms late
        rig.formHost.window.findChild<QPushButton *>(button)->click();
        timescale::setFactor(0.01);
        teacher->setFault(SimFault::None);
        QTRY_VERIFY_WITH_TIMEOUT(answers == 1 && student->receivedCount() > 0, kReplyMs);
        QVERIFY(!studentFirst);
    }

    // A board pano camera that answers every command with its tracking status, behind the reply
    // parser's reaction to a changed status (a stop for "stop", then a request for the block):
    // the reaction goes out once per change, not for ever, and again after a (dis)connect
    // forgot the status; the installer's commands go out each time.
    void statusAnsweringCameraDoesNotLoop()
    {
        Rig rig("attach=5");
        SimCamera *camera = sims.camera(5);
        camera->setResponder([camera](const SimMessage &request, const QVector<QByteArray> &) {
            const QByteArray status = camera->trackingStatus(QStringLiteral("board_parameter")).toLatin1();
            return request.isText() ? QVector<QByteArray>{"board_parameter\nboard_tracking_status=" + status}
                                    : QVector<QByteArray>{};
        });
        auto send = [&](const QString &text) {
            rig.link.sendMsg_Net(rig.cameras[Slot::BoardPano].destination, 6791, text, false);
        };
        QObject parser;
        connect(&rig.link, &ControlLink::textReply, &parser, [&](const QByteArray &reply) {
            for (const parameter_reply::StatusPart &part :
                 parameter_reply::classify(parameter_block::reply_text(reply), {}).status_parts) {
                if (part.side != parameter_reply::Side::Board || !rig.board.board_tracking_status_changed(part))
                    continue;
                if (part.stop)
                    send(preset_commands::board_tracking(false));
                send(QStringLiteral("board_parameter\nget_tracking_config_file"));
            }
        });
        auto count = [&](const char *text) {
            int n = 0;
            for (const SimMessage &m : camera->received())
                n += m.isText() && m.text().contains(QLatin1String(text));
            return n;
        };
        // After each command (start, or stop; forget first): commands, stops, starts, requests.
        const struct {
            bool start, forget;
            int all, stops, starts, requests;
        } rounds[] = {{false, false, 3, 2, 0, 1}, {true, false, 5, 2, 1, 2}, {false, false, 8, 4, 1, 3},
                      {false, false, 9, 5, 1, 3}, {false, true, 12, 7, 1, 4}};
        for (const auto &r : rounds) {
            if (r.forget)
                rig.board.forget_board_tracking_status();
            send(preset_commands::board_tracking(r.start));
            (void)QTest::qWaitFor([&] { return count("") >= r.all; }, kReplyMs);
            QTest::qWait(kSettleMs);
            QCOMPARE(count(""), r.all);
            QCOMPARE(count("command=stop"), r.stops);
            QCOMPARE(count("command=start"), r.starts);
            QCOMPARE(count("get_tracking_config_file"), r.requests);
        }
        camera->setResponder(nullptr);
    }

    // A two-slot button's switch (its clicked(bool) slot) runs before its mark (clicked()): the
    // controls change while Apply still reads "Apply", and the click then marks it.
    void twoSlotButtonsSwitchFirst_data()
    {
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<QString>("watched");
        QTest::addColumn<int>("event");
        QTest::addColumn<QString>("button");
        const int enabled = QEvent::EnabledChange, added = QEvent::ChildAdded;
        QTest::newRow("external") << "widgets 1 1" << "director_external_teacher_still_lineEdit" << enabled
                                  << "director_strategy_external_radioButton";
        QTest::newRow("interior") << "widgets 0 1" << "director_interior_teacher_pano_lineEdit" << enabled
                                  << "director_strategy_interior_radioButton";
        QTest::newRow("hex") << "validator 2" << "director_switch_auto_lineEdit" << added
                             << "director_command_type_hex_radioButton";
        QTest::newRow("ASCII") << "validator 1" << "director_switch_auto_lineEdit" << added
                               << "director_command_type_ascii_radioButton";
    }
    void twoSlotButtonsSwitchFirst()
    {
        QFETCH(QString, prepare);
        QFETCH(QString, watched);
        QFETCH(int, event);
        QFETCH(QString, button);
        Rig rig("");
        rig.act({prepare});
        QPushButton *apply = rig.ui->director_apply_Button;
        struct Watch : QObject {
            int type;
            QPushButton *apply;
            QStringList seen; // Apply's text whenever the switch changes the watched field
            Watch(int t, QPushButton *a) : type(t), apply(a) {}
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == type)
                    seen << apply->text();
                return false;
            }
        } watch(event, apply);
        rig.widget(watched)->installEventFilter(&watch);
        Rig::click(rig.widget<QAbstractButton>(button));
        QVERIFY(!watch.seen.isEmpty());
        QCOMPARE(watch.seen.first(), QStringLiteral("Apply"));
        QCOMPARE(apply->text(), QStringLiteral("Apply(*)"));
    }

    // The director's broadcast port and the Preview page's RTSP port take a port number only.
    void portFieldsTakePortNumbers()
    {
        Rig rig("");
        for (QLineEdit *edit : {rig.ui->director_server_Port_Edit, rig.ui->txtPort}) {
            edit->setEnabled(true);
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("0554"));
            QCOMPARE(edit->text(), QStringLiteral("0"));
        }
    }
};

QTEST_MAIN(tst_BoardDirectorTabs)
#include "tst_board_director_tabs.moc"
