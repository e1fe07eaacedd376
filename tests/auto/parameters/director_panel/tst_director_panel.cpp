// The Director tab in the window: director answers read into the tab by groups, the code
// validators a command type leaves behind, the tab's values as the block sends them, the change
// marks, and Apply and Obtain without the pano cameras.
#include "core/time_scale.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "protocol/director_parameters.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QtTest>

#include <memory>

namespace {

struct WindowHolder {
    std::unique_ptr<MainWindow> window;
    explicit WindowHolder(const QString &extraIni = QString())
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=2\n")
                                + extraIni);
        window.reset(new MainWindow);
    }
    // A settings file written byte for byte, as a text editor leaves it.
    explicit WindowHolder(const QByteArray &rawIni)
    {
        testenv::writeConfigIniRaw(rawIni);
        window.reset(new MainWindow);
    }
    ~WindowHolder()
    {
        if (window)
            delete window->guide_config; // the window never deletes its wizard
    }
    MainWindow *operator->() const { return window.get(); }
    Ui::MainWindow *ui() const { return window->ui; }
};

// Every key of the director block, values other than the defaults, behind the given lines.
QString answer(const QString &sections)
{
    return sections
        + QStringLiteral("\nget_director_config_file\n"
                         "pano_port=5679\nuart_baud=115200\ncommunicate_mode=2\ncommand_mode=1\n"
                         "director_broadcast_ip=10.0.0.9\ndirector_broadcast_port=7000\nswitch_auto=A 1\n"
                         "switch_manual=M 2\ndirector_command_times=1\ndirector_strategy=0\n"
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

struct Code {
    const char *box;
    const char *edit;
};

// The code fields in the block's order of groups: teacher events, student events, board
// events, interior views, Board 1 and Board 2.
const Code kCodes[] = {
    {"director_external_teacher_on_the_platform_checkBox", "director_external_teacher_on_the_platform_lineEdit"},
    {"director_external_teacher_still_checkBox", "director_external_teacher_still_lineEdit"},
    {"director_external_teacher_moving_checkBox", "director_external_teacher_moving_lineEdit"},
    {"director_external_teacher_under_the_platform_checkBox", "director_external_teacher_under_the_platform_lineEdit"},
    {"director_external_teacher_multi_objective_checkBox", "director_external_teacher_multi_objective_lineEdit"},
    {"director_external_student_stood_up_checkBox", "director_external_student_stood_up_lineEdit"},
    {"director_external_student_feature_in_place_checkBox", "director_external_student_feature_in_place_lineEdit"},
    {"director_external_student_sat_down_checkBox", "director_external_student_sat_down_lineEdit"},
    {"director_external_student_multi_objective_checkBox", "director_external_student_multi_objective_lineEdit"},
    {"director_external_board_have_action_checkBox", "director_external_board_have_action_lineEdit"},
    {"director_external_board_none_action_checkBox", "director_external_board_none_action_lineEdit"},
    {"director_interior_teacher_feature_checkBox", "director_interior_teacher_feature_lineEdit"},
    {"director_interior_teacher_pano_checkBox", "director_interior_teacher_pano_lineEdit"},
    {"director_interior_student_feature_checkBox", "director_interior_student_feature_lineEdit"},
    {"director_interior_student_pano_checkBox", "director_interior_student_pano_lineEdit"},
    {"director_interior_board_blackboard_checkBox", "director_interior_board_blackboard_lineEdit"},
    {"director_interior_board_blackboard_checkBox_2", "director_interior_board_blackboard_lineEdit_2"},
    {"director_interior_board_blackboard_checkBox_3", "director_interior_board_blackboard_lineEdit_3"},
};

// "1"/"0" per box and the codes, joined by "|", in kCodes' order.
QString boxes(MainWindow *w)
{
    QString s;
    for (const Code &c : kCodes)
        s += w->findChild<QCheckBox *>(QLatin1String(c.box))->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

QString codes(MainWindow *w)
{
    QStringList out;
    for (const Code &c : kCodes)
        out << w->findChild<QLineEdit *>(QLatin1String(c.edit))->text();
    return out.join(QLatin1Char('|'));
}

// Boxes and codes after Default.
const QString kDefaultBoxes = QStringLiteral("111111111111111111");
const QString kDefaultCodes = QStringLiteral(
    "FF 01 00 00 00 11|FF 01 00 00 00 12|FF 01 00 00 00 13|FF 01 00 00 00 14|FF 01 00 00 00 15|"
    "FF 02 00 00 00 21|FF 02 00 00 00 22|FF 02 00 00 00 23|FF 02 00 00 00 24|FF 03 00 00 00 31|"
    "FF 03 00 00 00 32|FF 22 22|FF 11 11|FF 44 44|FF 33 33|FF 55 55|FF 55 55|FF 55 55");

} // namespace

class tst_DirectorPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { timescale::setFactor(0.01); }

    void answerByGroups_data()
    {
        QTest::addColumn<QString>("sections");
        QTest::addColumn<QString>("boxesAfter");
        QTest::addColumn<QString>("codesAfter");

        // Teacher: teacher events, interior views and Board 1/2, board events.
        QTest::newRow("teacher pano") << "teacher_parameter\ndirector_parameter" << "101001111101010101"
                                      << "t1|t2|t3|t4|t5|FF 02 00 00 00 21|FF 02 00 00 00 22|FF 02 00 00 00 23|"
                                         "FF 02 00 00 00 24|b1|b2|i1|i2|i3|i4|i5|k1|k2";
        QTest::newRow("student pano") << "student_parameter\ndirector_parameter" << "111110101111111111"
                                      << "FF 01 00 00 00 11|FF 01 00 00 00 12|FF 01 00 00 00 13|FF 01 00 00 00 14|"
                                         "FF 01 00 00 00 15|s1|s2|s3|s4|FF 03 00 00 00 31|FF 03 00 00 00 32|"
                                         "FF 22 22|FF 11 11|FF 44 44|FF 33 33|FF 55 55|FF 55 55|FF 55 55";
        QTest::newRow("board pano: common keys and board events only")
            << "board_parameter\ndirector_parameter" << "111111111101111111"
            << "FF 01 00 00 00 11|FF 01 00 00 00 12|FF 01 00 00 00 13|FF 01 00 00 00 14|FF 01 00 00 00 15|"
               "FF 02 00 00 00 21|FF 02 00 00 00 22|FF 02 00 00 00 23|FF 02 00 00 00 24|b1|b2|"
               "FF 22 22|FF 11 11|FF 44 44|FF 33 33|FF 55 55|FF 55 55|FF 55 55";
        QTest::newRow("director section alone: common keys only") << "director_parameter" << kDefaultBoxes
                                                                  << kDefaultCodes;
    }

    void answerByGroups()
    {
        QFETCH(QString, sections);
        QFETCH(QString, boxesAfter);
        QFETCH(QString, codesAfter);
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        ui->director_default_Button->click();
        ui->director_keep_interval_label->setValue(1);
        ui->director_interior_min_switch_time_Slider->setValue(3);
        const bool teacher = sections.contains(QLatin1String("teacher_parameter"));

        w->read_director_section(answer(sections));

        QCOMPARE(boxes(w.window.get()), boxesAfter);
        QCOMPARE(codes(w.window.get()), codesAfter);
        // The common keys, whatever the sections.
        QCOMPARE(ui->director_camera_Port_Edit->text(), QStringLiteral("5679"));
        QCOMPARE(ui->director_camera_Baudrate_Edit->text(), QStringLiteral("115200"));
        QVERIFY(ui->director_protocol_serial_radioButton->isChecked());
        QVERIFY(ui->director_command_type_ascii_radioButton->isChecked());
        QCOMPARE(ui->director_server_IP_Edit->text(), QStringLiteral("10.0.0.9"));
        QCOMPARE(ui->director_server_Port_Edit->text(), QStringLiteral("7000"));
        QCOMPARE(ui->director_switch_auto_lineEdit->text(), QStringLiteral("A 1"));
        QCOMPARE(ui->director_switch_manual_lineEdit->text(), QStringLiteral("M 2"));
        QVERIFY(ui->director_code_send_mode_triple_radioButton->isChecked());
        QCOMPARE(ui->director_keep_interval_label->value(), 4);
        QCOMPARE(ui->director_moving_interval_label->value(), 5);
        QCOMPARE(ui->director_multi_interval_label->value(), 6);
        // External strategy: its controls on, the interior ones off.
        QVERIFY(ui->director_strategy_external_radioButton->isChecked());
        QVERIFY(ui->director_external_teacher_still_lineEdit->isEnabled());
        QVERIFY(!ui->director_interior_teacher_pano_lineEdit->isEnabled());
        QVERIFY(!ui->director_interior_min_switch_time_Slider->isEnabled());
        // The minimum switch time is an interior key of the teacher's answer.
        QCOMPARE(ui->director_interior_min_switch_time_label->text(), teacher ? QStringLiteral("9") : QStringLiteral("3"));
        QCOMPARE(ui->director_interior_min_switch_time_Slider->value(), teacher ? 9 : 3);
    }

    // A partial answer changes what it holds and nothing else; unknown choices change nothing.
    void partialAnswer()
    {
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        ui->director_default_Button->click();
        ui->director_protocol_tcp_radioButton->setChecked(true);
        w->read_director_section(QStringLiteral("teacher_parameter\ndirector_parameter\nget_director_config_file\n"
                                                "communicate_mode=7\ndirector_strategy=x\ncommand_mode=\n"
                                                "director_command_times=9\nteacher_keep_stand=ZZ\n"
                                                "inner_director_enable=0\nblackboard_director_enable=1"));
        QVERIFY(ui->director_protocol_tcp_radioButton->isChecked());
        QVERIFY(ui->director_strategy_interior_radioButton->isChecked());
        QVERIFY(ui->director_interior_teacher_pano_lineEdit->isEnabled());
        QVERIFY(ui->director_command_type_hex_radioButton->isChecked());
        QVERIFY(ui->director_code_send_mode_single_radioButton->isChecked());
        // The short flag strings switch the boxes they do not reach off.
        QCOMPARE(boxes(w.window.get()), QStringLiteral("111111111110000010"));
        QCOMPARE(ui->director_external_teacher_still_lineEdit->text(), QStringLiteral("ZZ"));
        QCOMPARE(ui->director_external_teacher_moving_lineEdit->text(), QStringLiteral("FF 01 00 00 00 13"));
    }

    // After command_mode "0" a code field refuses what is not hex or a blank; after "1" it takes
    // any text. Each reply replaces the field's validator; none pile up.
    void commandModeValidators_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("hex: G refused") << "0" << "FG" << "F";
        QTest::newRow("hex: '-' refused") << "0" << "0A-B" << "0AB";
        QTest::newRow("hex: digits, a-f and blanks") << "0" << "ff 0A" << "ff 0A";
        QTest::newRow("ASCII: anything") << "1" << "G-=x" << "G-=x";
    }

    void commandModeValidators()
    {
        QFETCH(QString, mode);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        WindowHolder w;
        // The other mode first, then the one of the row, a few times over.
        const QString other = mode == QLatin1String("0") ? QStringLiteral("1") : QStringLiteral("0");
        for (int i = 0; i < 3; ++i) {
            w->read_director_section(QStringLiteral("director_parameter\ncommand_mode=") + other);
            w->read_director_section(QStringLiteral("director_parameter\ncommand_mode=") + mode);
        }
        for (const Code &c : kCodes) {
            auto *edit = w->findChild<QLineEdit *>(QLatin1String(c.edit));
            edit->setEnabled(true); // the strategy not chosen keeps its fields disabled
            edit->clear();
            QTest::keyClicks(edit, typed);
            QCOMPARE(edit->text(), kept);
            QCOMPARE(edit->findChildren<QValidator *>().size(), 1);
        }
        for (const char *name : {"director_switch_auto_lineEdit", "director_switch_manual_lineEdit"}) {
            auto *edit = w->findChild<QLineEdit *>(QLatin1String(name));
            edit->clear();
            QTest::keyClicks(edit, typed);
            QCOMPARE(edit->text(), kept);
            QCOMPARE(edit->findChildren<QValidator *>().size(), 1);
        }
    }

    // What Apply sends is the tab as it stands.
    void settingsFromTheTab_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("four cameras") << 1;
        QTest::newRow("six cameras") << 3;
    }

    void settingsFromTheTab()
    {
        QFETCH(int, layout);
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        w->tab_layout->set_camera_layout(layout);
        ui->director_default_Button->click();
        ui->director_teacher_IP_Edit->setText(QStringLiteral("10.0.0.1"));
        ui->director_student_IP_Edit->setText(QStringLiteral("10.0.0.2"));
        ui->director_board_IP_Edit->setText(QStringLiteral("10.0.0.3"));
        ui->director_camera_Port_Edit->setText(QStringLiteral("5678"));
        ui->director_camera_Baudrate_Edit->setText(QStringLiteral("9600"));
        ui->director_protocol_tcp_radioButton->setChecked(true);
        ui->director_code_send_mode_continuously_radioButton->setChecked(true);
        ui->director_external_student_sat_down_checkBox->setChecked(false);
        ui->director_interior_board_blackboard_checkBox_3->setChecked(false);
        ui->director_multi_interval_label->setValue(8);
        ui->director_interior_min_switch_time_Slider->setValue(5);

        const QString block =
            director_parameters::set_block(w->director_settings(), w->tab_layout->camera_layout() == 3);
        const QStringList lines = block.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 42);
        const QStringList expected = {
            "director_parameter", "set_director_config_file", "teacher_pano_ip=10.0.0.1", "student_pano_ip=10.0.0.2",
            "blackboard_camera_ip=10.0.0.3", "pano_port=5678", "uart_baud=9600", "communicate_mode=1",
            "command_mode=0", "director_broadcast_ip=192.168.1.200", "director_broadcast_port=9999",
            "switch_auto=FF 00 00 00 00 01", "switch_manual=FF 00 00 00 00 02", "director_command_times=2",
            "director_strategy=1", "extern_director_teacher_enable=11111", "teacher_walk_up_platform=FF 01 00 00 00 11",
            "teacher_keep_stand=FF 01 00 00 00 12", "teacher_walk_moving=FF 01 00 00 00 13",
            "teacher_walk_down_platform=FF 01 00 00 00 14", "teacher_have_object_multi=FF 01 00 00 00 15",
            "extern_director_keep_interval=1", "extern_director_moving_interval=1", "extern_director_multi_interval=8",
            "extern_director_student_enable=1101", "student_stand_up=FF 02 00 00 00 21",
            "student_keep_stand=FF 02 00 00 00 22", "student_sit_down=FF 02 00 00 00 23",
            "student_have_object_multi=FF 02 00 00 00 24", "extern_director_blackboard_enable=11",
            "blackboard_have_object_tracked=FF 03 00 00 00 31", "blackboard_none_object_tracked=FF 03 00 00 00 32",
            layout == 3 ? "inner_director_enable=11110" : "inner_director_enable=11111",
            layout == 3 ? "blackboard_director_enable=10" : "blackboard_director_enable=00",
            "inner_teacher_feature=FF 22 22", "inner_teacher_pano=FF 11 11", "inner_student_feature=FF 44 44",
            "inner_student_pano=FF 33 33", "inner_blackboard_feature=FF 55 55", "blackboard1_feature=FF 55 55",
            "blackboard2_feature=FF 55 55", "min_switch_time=5"};
        QCOMPARE(lines, expected);
    }

    // A hand-edited settings file with a line break inside a code: the block keeps one line
    // per item.
    void lineBreakFromTheSettingsFile()
    {
        // The quoted value holds an escaped line feed.
        WindowHolder w(QByteArray("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=2\n"
                                  "[DIRECTOR_CONF]\nInterior_Teacher_Pano_Code=\"FF 11\\nmin_switch_time=0\"\n"));
        const QString stored = w.ui()->director_interior_teacher_pano_lineEdit->text();
        QCOMPARE(stored, QStringLiteral("FF 11\nmin_switch_time=0"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("line breaks removed")));
        const QString block = director_parameters::set_block(w->director_settings(), false);
        const QStringList lines = block.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 42);
        QCOMPARE(lines.at(35), QStringLiteral("inner_teacher_pano=FF 11min_switch_time=0"));
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^min_switch_time="))).size(), 1);
    }

    void marks_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *name :
             {"director_protocol_udp_radioButton", "director_protocol_tcp_radioButton",
              "director_protocol_serial_radioButton", "director_command_type_hex_radioButton",
              "director_command_type_ascii_radioButton", "director_code_send_mode_single_radioButton",
              "director_code_send_mode_triple_radioButton", "director_code_send_mode_continuously_radioButton",
              "director_strategy_external_radioButton", "director_strategy_interior_radioButton"})
            QTest::newRow(name) << QString::fromLatin1(name);
        for (int i = 0; i < 16; ++i)
            QTest::newRow(kCodes[i].box) << QString::fromLatin1(kCodes[i].box);
    }

    // The 26 buttons whose click marks the tab, reached through the form's own signals.
    void marks()
    {
        QFETCH(QString, control);
        WindowHolder w;
        w.ui()->director_apply_Button->setText(QStringLiteral("Apply"));
        auto *button = w->findChild<QAbstractButton *>(control);
        QVERIFY(button);
        for (QWidget *p = button; p; p = p->parentWidget())
            p->setEnabled(true);
        button->click();
        QCOMPARE(w.ui()->director_apply_Button->text(), QStringLiteral("Apply(*)"));
    }

    // Board 1 and Board 2 have no mark of their own.
    void sixCameraBoxesDoNotMark()
    {
        WindowHolder w;
        w.ui()->director_apply_Button->setText(QStringLiteral("Apply"));
        for (QAbstractButton *b : {static_cast<QAbstractButton *>(w.ui()->director_interior_board_blackboard_checkBox_2),
                                   static_cast<QAbstractButton *>(w.ui()->director_interior_board_blackboard_checkBox_3)}) {
            b->setEnabled(true);
            b->click();
        }
        QCOMPARE(w.ui()->director_apply_Button->text(), QStringLiteral("Apply"));
    }

    void noPanoCamera_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Apply") << "director_apply_Button";
        QTest::newRow("Obtain") << "director_obtain_Button";
    }

    // Each side that is not connected gets its warning, the teacher's first; nothing is armed.
    void noPanoCamera()
    {
        QFETCH(QString, button);
        WindowHolder w;
        RecordingPresenter shown;
        w.ui()->director_apply_Button->setText(QStringLiteral("Apply(*)"));
        w->findChild<QPushButton *>(button)->click();
        QCOMPARE(shown.texts(), (QStringList{QStringLiteral("Please connect the teacher pano camera"),
                                             QStringLiteral("Please connect the student pano camera")}));
        for (const msgbox::Request &r : shown.shown) {
            QCOMPARE(r.title, QStringLiteral("Warning"));
            QCOMPARE(r.icon, QMessageBox::Warning);
        }
        QVERIFY(!w->teacher_apply_wait && !w->student_apply_wait);
        QVERIFY(!w->teacher_obtain_wait && !w->student_obtain_wait);
        QCOMPARE(w.ui()->director_apply_Button->text(), QStringLiteral("Apply(*)"));
    }
};

QTEST_MAIN(tst_DirectorPanel)
#include "tst_director_panel.moc"
