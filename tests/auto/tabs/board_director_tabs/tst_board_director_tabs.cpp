// The Board and Director tabs without the window, against simulated cameras on 127.0.0.2 to .7
// (slot order): what Apply and Obtain send, to whom, with which boxes and armed requests; the
// cameras' answers read into the tabs and the board preview's areas; the defaults, the strategy's
// controls, the code validators, the marks, and the board tracking status memory.
#include "core/time_scale.h"
#include "form_host.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/parameter_block.h"
#include "protocol/parameter_reply.h"
#include "protocol/preset_commands.h"
#include "recording_presenter.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "tabs/board_tab.h"
#include "tabs/director_tab.h"
#include "test_env.h"

#include <QUdpSocket>
#include <QtTest>

using camera_slot::Slot;

namespace {
constexpr int kReplyMs = 3000; // loopback delivers at once; this only bounds a failure
constexpr int kSettleMs = 200; // long enough for a loop of answers on loopback to show itself
const QByteArray kMarker = "marker";
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

struct Rig : BoardTab::Host, DirectorTab::Host {
    RecordingPresenter boxes;
    FormHost formHost;
    QWidget *window = &formHost.window;
    CameraSlots cameras;
    CameraPorts ports;
    ControlLink link{&cameras};
    bool loading = false, six = false, customer = false;
    QStringList armed;
    BoardTab board{CORVANE_FORM_WIDGETS(BoardTab, BOARD_TAB_WIDGETS, formHost.ui), cameras, ports, link, *this,
                   loading, window};
    DirectorTab director{CORVANE_FORM_WIDGETS(DirectorTab, DIRECTOR_TAB_WIDGETS, formHost.ui), cameras, ports, link,
                         *this, loading, window};
    void arm_request(request_poller::Kind kind, bool silent) override
    {
        armed << QStringList{"teacher obtain", "teacher apply", "student obtain", "student apply"}.at(int(kind))
                     + (silent ? " (silent)" : "");
    }
    int camera_layout() const override { return six ? 3 : 2; }
    bool customer_model(bool teacher) const override { return customer && !teacher; }
    // The Director Apply button's text whenever the watched event reaches the watched widget.
    struct Watch : QObject {
        int type = 0;
        QStringList seen;
        QPushButton *apply = nullptr;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == type)
                seen << apply->text();
            return false;
        }
    } watch;

    // Words: "attach=1,3" (cameras connected as a connect leaves them), "six", "customer",
    // "loading", "marked" (both Apply buttons read "Apply(*)", else "Apply").
    explicit Rig(const QString &setup)
    {
        for (const QString &c : setup.section("attach=", 1).section(' ', 0, 0).split(',', Qt::SkipEmptyParts)) {
            cameras.set_destination(Slot(c.toInt()), addressOf(c.toInt()));
            cameras[Slot(c.toInt())].udp_flag = cameras[Slot(c.toInt())].connected = true;
        }
        watch.apply = formHost.ui->director_apply_Button;
        six = setup.contains("six"), customer = setup.contains("customer"), loading = setup.contains("loading");
        for (QPushButton *b : {formHost.ui->board_apply_Button, formHost.ui->director_apply_Button})
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
    // "widgets <strategy> <0|1>", "watch <widget> <event type>".
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
            else if (verb == "watch")
                watch.type = rest.toInt(), widget(name)->installEventFilter(&watch);
            else if (verb == "click")
                click(button);
            else if (verb.endsWith("check") || verb == "toggle")
                button->setChecked(verb == "toggle" ? !button->isChecked() : verb == "check");
            else if (verb == "press")
                emit widget<QAbstractSlider>(name)->sliderPressed();
            else if (verb == "move")
                emit widget<QAbstractSlider>(name)->sliderMoved(rest.toInt());
            else if (auto *spin = qobject_cast<QSpinBox *>(widget(name)))
                spin->setValue(rest.toInt());
            else if (auto *slider = qobject_cast<QAbstractSlider *>(widget(name)))
                slider->setValue(rest.toInt());
            else if (auto *edit = qobject_cast<QLineEdit *>(widget(name)))
                edit->setText(rest);
            else
                widget<QLabel>(name)->setText(rest);
        }
    }
    // "name=value" for each expected entry: a push button's or label's text, a check or radio
    // button's 1/0, a slider's or spin box's value, a field's text; "!name" its enabled state.
    // Pseudo names: "armed", "boxes", "sent", "seen" (what the watch saw), "typed <keys>";
    // the board preview's "track", "shield1", "shield2", "drawn", "visible" and the four
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
        const director_parameters::DirectorSettings d = director.director_settings(),
                                                    fresh = director_parameters::default_settings();
        auto group = [&](auto codes, auto defaults, int n) {
            for (int i = 0; i < n; ++i)
                dboxes += QString::number(codes[i].on), read += QString::number(codes[i].code != defaults[i].code);
        };
        group(d.teacher, fresh.teacher, 5), group(d.student, fresh.student, 4), group(d.board, fresh.board, 2);
        group(d.interior, fresh.interior, 5), group(d.blackboard, fresh.blackboard, 2);
        const QMap<QString, QString> pseudo{
            {"armed", armed.join(" + ")}, {"boxes", boxes.texts().join(" + ")}, {"sent", sent},
            {"seen", watch.seen.join(" + ")}, {"track", p.track_known ? area(p.track) : "none"},
            {"shield1", area(p.shields[0])}, {"shield2", area(p.shields[1])}, {"drawn", drawn},
            {"visible", visible}, {"shields", shields}, {"dboxes", dboxes}, {"read", read}};
        QStringList out;
        for (const QString &e : expected) {
            const QString name = e.section('=', 0, 0);
            QWidget *w = pseudo.contains(name) || name.startsWith("typed") ? nullptr
                                                                            : widget(name.mid(name.startsWith('!')));
            QString v = name.startsWith("typed") ? typed(name.section(' ', 1)) : pseudo.value(name);
            if (name.startsWith('!'))
                v = QString::number(w->isEnabled());
            else if (auto *b = qobject_cast<QPushButton *>(w))
                v = b->text();
            else if (auto *b = qobject_cast<QAbstractButton *>(w))
                v = QString::number(b->isChecked());
            else if (auto *s = qobject_cast<QAbstractSlider *>(w))
                v = QString::number(s->value());
            else if (auto *s = qobject_cast<QSpinBox *>(w))
                v = QString::number(s->value());
            else if (auto *f = qobject_cast<QLineEdit *>(w))
                v = f->text();
            else if (auto *l = qobject_cast<QLabel *>(w))
                v = l->text();
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
    QUdpSocket markers;

    // The text commands the cameras received up to a marker sent to every text port afterwards
    // (loopback queues each datagram at its receiver as it is sent): "<camera> <text>" + ...
    QString received()
    {
        QStringList got;
        for (int c = 0; c < sims.count(); ++c)
            markers.writeDatagram(kMarker, QHostAddress(addressOf(c)), 6791);
        for (int c = 0; c < sims.count(); ++c) {
            (void)sims.camera(c)->waitForMessage([](const SimMessage &m) { return m.payload == kMarker; }, kReplyMs);
            for (const SimMessage &m : sims.camera(c)->received()) {
                if (m.payload == kMarker)
                    break;
                if (m.isText())
                    got << QStringLiteral("%1 %2").arg(c).arg(m.text());
            }
            sims.camera(c)->clearRecords();
        }
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
        for (const char *s : {"sensitivity", "target_lost_timeout"})
            row(s, "", QStringLiteral("press board_%1_Slider").arg(s), marked);
        for (const char *r : {"multi_object_pano_one", "multi_object_pano_two", "lose_object_pano_one",
                              "lose_object_pano_two"})
            row(r, "", QStringLiteral("click board_%1_radioButton").arg(r), marked);
        for (const QString b : {"board_enable_checkBox", "board_enable_checkBox_2"})
            row(b, "attach=5", "click " + b, marked), row(b, "", "click " + b, unmarked);
        row("enable state", "marked attach=5", "toggle board_enable_checkBox", unmarked);
        row("enable state", "marked", "toggle board_enable_checkBox", marked);
        row("delay", "marked attach=5", "set board_lost_pano_delay_label 44", unmarked);
        row("delay", "marked", "set board_lost_pano_delay_label 44", marked);
        row("sensitivity", "", "set board_sensitivity_Slider 3", "board_sensitivity_label=3, " + marked);
        row("sensitivity", "loading", "set board_sensitivity_Slider 3", "board_sensitivity_label=3, " + unmarked);
        const QString timeout = "board_target_lost_timeout_label=14, " + unmarked;
        row("timeout", "", "move board_target_lost_timeout_Slider 14", timeout);
        row("timeout", "loading", "set board_target_lost_timeout_Slider 14", timeout);
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
        // A two-slot button's switch (its clicked(bool) slot) comes before its mark (clicked()).
        const QString enabled = QString::number(QEvent::EnabledChange), added = QString::number(QEvent::ChildAdded);
        const QString order = "seen=Apply, director_apply_Button=Apply(*)";
        row("external, in order", "", "widgets 1 1, watch director_external_teacher_still_lineEdit " + enabled
            + ", click director_strategy_external_radioButton", order);
        row("interior, in order", "", "widgets 0 1, watch director_interior_teacher_pano_lineEdit " + enabled
            + ", click director_strategy_interior_radioButton", order);
        row("hex, in order", "", "validator 2, watch director_switch_auto_lineEdit " + added
            + ", click director_command_type_hex_radioButton", order);
        row("ASCII, in order", "", "validator 1, watch director_switch_auto_lineEdit " + added
            + ", click director_command_type_ascii_radioButton", order);

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
                   "validator 2, click director_default_Button", "typed G-=G-/1");

        // Board Default: a connected camera keeps the address it was reached at; the second
        // enable box is never touched.
        const QString odd = "type board_feature_IP_Edit 10.3.3.3, type board_pano_IP_Edit 10.3.3.4, "
                            "check board_enable_checkBox_2, uncheck board_enable_checkBox, "
                            "check board_lose_object_pano_two_radioButton, click board_default_Button";
        const QString defaults = "board_sensitivity_label=4, board_sensitivity_Slider=4, "
                                 "board_target_lost_timeout_label=3, board_target_lost_timeout_Slider=3, "
                                 "board_enable_checkBox=1, board_enable_checkBox_2=1, "
                                 "board_multi_object_pano_one_radioButton=1, board_lose_object_pano_one_radioButton=1, "
                                 "board_lost_pano_delay_label=30, " + marked + ", board_feature_IP_Edit=";
        row("board defaults", "", odd, defaults + "192.168.1.165, board_pano_IP_Edit=192.168.1.166");
        row("board defaults", "attach=5", odd, defaults + "192.168.1.165, board_pano_IP_Edit=10.3.3.4");
        row("board defaults", "attach=4,5", odd, defaults + "10.3.3.3, board_pano_IP_Edit=10.3.3.4");
        // Director Default's values go out in the golden blocks below.
        row("director defaults", "", "click director_strategy_external_radioButton, click director_default_Button",
            "!director_interior_teacher_pano_lineEdit=1, !director_external_teacher_still_lineEdit=0, "
            "director_interior_min_switch_time_label=3, director_apply_Button=Apply(*)");

        // The strategy's controls; a customer model camera has no single blackboard view.
        auto strategy = [&](const char *name, const QString &setup, const char *steps, int external, int board) {
            row(name, setup, steps,
                QStringLiteral("!director_external_teacher_moving_lineEdit=%1, "
                               "!director_external_board_have_action_checkBox=%1, "
                               "!director_interior_student_feature_lineEdit=%2, "
                               "!director_interior_min_switch_time_Slider=%2, "
                               "!director_interior_board_blackboard_checkBox_2=%2, !label_48=%2, !label_52=%2, "
                               "!label_53=%2, !director_interior_board_blackboard_lineEdit=%3, "
                               "!director_interior_board_blackboard_checkBox=%3")
                    .arg(external).arg(!external).arg(board));
        };
        strategy("external", "", "widgets 1 1, widgets 0 1", true, false);
        strategy("external off", "", "widgets 0 0", false, true);
        strategy("interior", "", "widgets 0 1, widgets 1 1", false, true);
        strategy("interior off", "", "widgets 1 0", true, false);
        strategy("interior", "customer", "widgets 1 1", false, false);
        strategy("unknown strategy changes nothing", "", "widgets 0 1, widgets 2 1", true, false);

        // The board pano camera's block: label, then slider; a key the block lacks keeps its
        // widget; an unknown choice changes nothing.
        row("board block", "", "check board_lose_object_pano_two_radioButton, board board_parameter\n"
            "get_tracking_config_file\npano_sensitivity=3\ntime_delay=12\nmulti_object_strategy=1\n"
            "losing_object_strategy=0\nfeature_version=F 1.2\npano_version=P 3.4",
            "board_sensitivity_label=3, board_sensitivity_Slider=3, board_target_lost_timeout_label=12, "
            "board_target_lost_timeout_Slider=12, board_multi_object_pano_two_radioButton=1, "
            "board_lose_object_pano_one_radioButton=1, board_version_feature_info_label=F 1.2, "
            "board_version_pano_info_label=P 3.4");
        row("board block lacking keys", "",
            "set board_sensitivity_Slider 1, check board_lose_object_pano_two_radioButton, "
            "check board_multi_object_pano_one_radioButton, type board_version_feature_info_label old, "
            "board board_parameter\npano_version=P 9\nmulti_object_strategy=7",
            "board_sensitivity_label=1, board_lose_object_pano_two_radioButton=1, "
            "board_multi_object_pano_one_radioButton=1, board_version_feature_info_label=old, "
            "board_version_pano_info_label=P 9");
        // The board preview: camera areas halved onto it at (20, 340), absurd values stopping at
        // the int's bounds; a block without area keys draws from what is stored.
        const QString areas = "board board_parameter\npano_pan_scale=100\npano_tilt_scale=51\npano_pan_increment=200\n"
                              "pano_tilt_increment=99\npano_shield_enable=0110\npano_pan_second_shield_scale=40\n"
                              "pano_tilt_second_shield_scale=60\npano_pan_second_shield_increment=100\n"
                              "pano_tilt_second_shield_increment=20";
        const QString drawn = "track=95,377 245,450, shield2=50,385 125,400, shield1=20,340 20,340, drawn=1111";
        row("nothing read", "", "", "track=none, drawn=0000");
        row("areas", "", areas, drawn + ", shields=0110");
        row("areas kept", "", areas + ", board board_parameter\npano_version=P 9", drawn);
        row("absurd areas", "", "board board_parameter\npano_pan_scale=2147483647\npano_tilt_scale=2147483647\n"
            "pano_pan_increment=2147483647\npano_tilt_increment=-2147483648",
            "track=1610612754,1610613074 2147483647,338");
        // A shield switch: "1" on (shown while the regions are shown), "0" off and hidden,
        // anything else, or no character, as it was.
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
        shield("'1111', regions shown", "0000", "0000", true, "1111", "shields=1111, visible=1111");
        shield("'0000' whatever the show box", "1111", "1111", false, "0000", "shields=0000, visible=0000");
        shield("other characters", "1010", "1000", true, "x?1-", "shields=1010, visible=1010");
        shield("empty value", "1100", "0100", true, "", "shields=1100, visible=0100");

        // Director answers by their routing lines: the common keys always; the teacher pano's
        // its events, interior views, Board 1/2 and board events; the student pano's its events;
        // the board pano's the board events.
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
        director("board_parameter\ndirector_parameter", "111111111101111111", "000000000110000000", "3");
        director("director_parameter", "111111111111111111", "000000000000000000", "3");
        row("partial answer", "", "click director_default_Button, check director_protocol_tcp_radioButton, "
            "answer teacher_parameter\ndirector_parameter\ncommunicate_mode=7\ndirector_strategy=x\ncommand_mode=\n"
            "director_command_times=9\nteacher_keep_stand=ZZ\ninner_director_enable=0\nblackboard_director_enable=1",
            "director_protocol_tcp_radioButton=1, director_strategy_interior_radioButton=1, "
            "!director_interior_teacher_pano_lineEdit=1, director_command_type_hex_radioButton=1, "
            "director_code_send_mode_single_radioButton=1, dboxes=111111111110000010, read=010000000000000000, "
            "director_external_teacher_still_lineEdit=ZZ");

        // What Apply and Obtain send, byte for byte and to which camera, with their warnings and
        // the requests armed. Obtain on the Board tab does not look at the connection: the
        // request is armed and will fail.
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
        // Default from odd choices, with the golden block's addresses, pano port and baud rate.
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
        row("director Apply", "marked", "click director_apply_Button",
            "sent=, boxes=" + teacherPano + " + " + studentPano + ", armed=, director_apply_Button=Apply(*)");
        // A code with a line break (a hand-edited settings file) keeps one line per item.
        row("director Apply, line break in a code", "attach=1",
            QString(fields).replace("click director_apply_Button",
                                    "type director_interior_teacher_pano_lineEdit FF 11\nmin_switch_time=0, "
                                    "click director_apply_Button"),
            "sent=" + t + golden(false).replace("=FF 11 11", "=FF 11min_switch_time=0") + ", boxes=" + studentPano);
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
        if (steps.filter(QRegularExpression("^type .*\n")).size())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("line breaks removed"));
        rig.act(steps);
        QCOMPARE(rig.states(expected, expected.filter("sent=").isEmpty() ? QString() : received()), expected);
        for (const msgbox::Request &box : rig.boxes.shown)
            QVERIFY(box.title == "Warning" && box.parent == rig.window);
        if (expected.filter(QRegularExpression("^boxes=")).isEmpty())
            QCOMPARE(rig.boxes.texts(), QStringList());
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
};

QTEST_MAIN(tst_BoardDirectorTabs)
#include "tst_board_director_tabs.moc"
