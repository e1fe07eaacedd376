// The Default action of each tab and the reset of all of them, the Director tab's strategy
// enabling and code validators, the slider labels and the "Apply(*)" marks, which the settings
// load leaves off where the tab's value slots say so.
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QtTest>

#include <memory>

namespace {

struct WindowHolder {
    std::unique_ptr<MainWindow> window;
    explicit WindowHolder(const QString &ini)
    {
        testenv::writeConfigIni(ini);
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

// A stored file far from every default, so that each default must be set.
const char *const kOddSettings =
    "[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=2\nSensitivity=0\nFeature_Distance=20.0\n"
    "Pano_Distance=3.0\nPan_Offset_Index=3\nTilt_Offset_Index=77\nTarget_Lost_Action=0\nMulti_Objective_Action=2\n"
    "Tracking_Mode=0\nTarget_Lost_Timeout=7\nHold_Times=0\nBoard_Detect_Enable=1\nBoard_Detect_Time_Index=9\n"
    "Board_Hold_Time_Index=9\nBoard_Lose_Time_Index=9\nBoard_Space_Time_Index=9\nStarting_Up_Track=0\nManual_Focus=0\n"
    "Vertical_Movement=1\nFeature_Real_Time_Track=0\n"
    "[STUDENT_CONF]\nSensitivity=8\nObject_Size=2.0\nHeight=9\nLength=9\nObject_Height=9\nPan_Offset_Index=1\n"
    "Tilt_Offset_Index=1\nTarget_Lost_Action=0\nTarget_Lost_Timeout_Index=15\nMulti_Objective_Action=2\n"
    "Continue_Time=2000\nStarting_Up_Track=0\nFace_Detect=1\nPano_Switch=0\n"
    "[BOARD_CONF]\nSensitivity=0\nTarget_Lost_Timeout_Index=15\nBoard_enable=0\nMulti_Objective_Action=1\n"
    "Target_Lost_Action=1\nFeature_IP=10.3.3.3\nPano_IP=10.3.3.4\n"
    "[DIRECTOR_CONF]\nProtocol=2\nCommand_Type=1\nSend_Mode=2\nDirector_Strategy=0\nDirector_IP=10.4.4.4\n"
    "Director_Port=1\nInterior_Min_Switch_time=9\n";

} // namespace

class tst_TabDefaults : public QObject
{
    Q_OBJECT

private slots:
    void teacherDefaults()
    {
        WindowHolder w(QString::fromLatin1(kOddSettings));
        Ui::MainWindow *ui = w.ui();
        ui->teacher_board_face_enable_checkBox->setChecked(true);
        ui->teacher_board_effect_list->setCurrentIndex(2);
        ui->teacher_apply_Button->setText(QStringLiteral("Apply"));
        ui->teacher_default_Button->click();
        QCOMPARE(ui->teacher_sensitivity_label->text(), QStringLiteral("2"));
        QCOMPARE(ui->teacher_sensitivity_Slider->value(), 2);
        QCOMPARE(ui->teacher_fea_distance_label->text(), QStringLiteral("7.5"));
        QCOMPARE(ui->teacher_fea_distance_Slider->value(), 46);
        QCOMPARE(ui->teacher_distance_label->text(), QStringLiteral("7.5"));
        QCOMPARE(ui->teacher_distance_Slider->value(), 46);
        QCOMPARE(ui->teacher_ptzspeed_level->text(), QStringLiteral("10"));
        QCOMPARE(ui->teacher_panOffset_label->text(), QStringLiteral("0"));
        QCOMPARE(ui->teacher_panOffset_Slider->value(), 40);
        QCOMPARE(ui->teacher_tiltOffset_label->text(), QStringLiteral("0"));
        QCOMPARE(ui->teacher_tiltOffset_Slider->value(), 40);
        QVERIFY(ui->teacher_pano_action_radioButton->isChecked());
        QVERIFY(ui->teacher_feature_location_radioButton->isChecked());
        QCOMPARE(ui->teacher_target_lost_delay_label->value(), 30);
        QCOMPARE(ui->teacher_hold_time_label->value(), 2);
        QVERIFY(ui->binocular_mode_radioButton->isChecked());
        QVERIFY(!ui->other_mode_radioButton->isChecked());
        QCOMPARE(ui->lectern_director_hold_time_label->value(), 120);
        QCOMPARE(ui->target_retention_time_label_spinBox->value(), 6);
        QVERIFY(!ui->teacher_board_enable_checkBox->isChecked());
        QVERIFY(!ui->teacher_board_face_enable_checkBox->isChecked());
        QCOMPARE(ui->teacher_board_detect_label->text(), QStringLiteral("3"));
        QCOMPARE(ui->teacher_board_hold_Slider->value(), 5);
        QCOMPARE(ui->teacher_board_lose_label->text(), QStringLiteral("3"));
        QCOMPARE(ui->teacher_board_space_Slider->value(), 5);
        QVERIFY(ui->teacher_starting_up_checkBox->isChecked());
        QVERIFY(ui->teacher_manual_focus_checkBox->isChecked());
        QVERIFY(!ui->teacher_vertical_movement_checkBox->isChecked());
        QVERIFY(ui->teacher_feature_tracking_checkBox->isChecked());
        QCOMPARE(ui->teacher_board_effect_list->currentIndex(), 2); // kept
        QCOMPARE(ui->teacher_apply_Button->text(), QStringLiteral("Apply(*)"));
    }

    void studentDefaults_data()
    {
        QTest::addColumn<bool>("oldFormat");
        QTest::newRow("old point format") << true;
        QTest::newRow("new point format") << false;
    }

    void studentDefaults()
    {
        QFETCH(bool, oldFormat);
        WindowHolder w(QString::fromLatin1(kOddSettings));
        Ui::MainWindow *ui = w.ui();
        w->student_use_old_version_flag = oldFormat;
        for (int i = 0; i < StudentRegionPoints::kStoredPointCount; ++i)
            w->student_points.stored_point(i) = QPoint(-1, -1);
        ui->student_ptz_pano_detect_checkBox->setChecked(true);
        ui->people_number_lineEdit->setText(QStringLiteral("7"));
        ui->student_default_Button->click();
        QCOMPARE(ui->student_sensitivity_label->text(), QStringLiteral("4"));
        QCOMPARE(ui->student_sensitivity_Slider->value(), 4);
        QCOMPARE(ui->student_objectsize_label->text(), QStringLiteral("1.0"));
        QCOMPARE(ui->student_objectsize_Slider->value(), 6);
        QCOMPARE(w->student_points.student_area_points[0], QPoint(100, 200));
        QCOMPARE(w->student_points.student_designated_points[3], QPoint(276, 117));
        QCOMPARE(w->student_points.student_designated_points[5], oldFormat ? QPoint(-1, -1) : QPoint(114, 117));
        QCOMPARE(ui->student_camera_height_lineEdit->text(), QStringLiteral("2.2"));
        QCOMPARE(ui->student_camera_length_lineEdit->text(), QStringLiteral("6.0"));
        QCOMPARE(ui->student_object_height_lineEdit->text(), QStringLiteral("0.0"));
        QCOMPARE(ui->student_ptzspeed_level->text(), QStringLiteral("10"));
        QCOMPARE(ui->student_panOffset_label->text(), QStringLiteral("0"));
        QCOMPARE(ui->student_tiltOffset_Slider->value(), 40);
        QVERIFY(ui->student_pano_one_action_radioButton->isChecked());
        QCOMPARE(ui->student_target_lost_timeout_label->text(), QStringLiteral("0"));
        QCOMPARE(ui->student_target_lost_timeout_Slider->value(), 0);
        QVERIFY(ui->student_small_pano_radioButton->isChecked());
        QVERIFY(ui->student_cutout_radioButton->isChecked());
        QCOMPARE(ui->student_feature_continue_time_label->value(), 30);
        QVERIFY(ui->student_starting_up_checkBox->isChecked());
        QVERIFY(!ui->student_face_detect_checkBox->isChecked());
        QVERIFY(!ui->student_ptz_pano_detect_checkBox->isChecked());
        QVERIFY(ui->student_pano_switch_checkBox->isChecked());
        QCOMPARE(ui->director_time_pano_delay_label->value(), 2);
        QCOMPARE(ui->people_number_lineEdit->text(), QStringLiteral("7")); // kept
        QCOMPARE(ui->student_apply_Button->text(), QStringLiteral("Apply(*)"));
    }

    void boardDefaults_data()
    {
        QTest::addColumn<bool>("featureConnected");
        QTest::addColumn<bool>("panoConnected");
        QTest::newRow("nothing connected") << false << false;
        QTest::newRow("board pano connected") << false << true;
        QTest::newRow("both connected") << true << true;
    }

    void boardDefaults()
    {
        QFETCH(bool, featureConnected);
        QFETCH(bool, panoConnected);
        WindowHolder w(QString::fromLatin1(kOddSettings));
        Ui::MainWindow *ui = w.ui();
        w->udp_board_feature_flag = featureConnected;
        w->udp_board_pano_flag = panoConnected;
        ui->board_enable_checkBox_2->setChecked(true);
        ui->board_default_Button->click();
        QCOMPARE(ui->board_sensitivity_label->text(), QStringLiteral("4"));
        QCOMPARE(ui->board_sensitivity_Slider->value(), 4);
        QCOMPARE(ui->board_target_lost_timeout_label->text(), QStringLiteral("3"));
        QCOMPARE(ui->board_target_lost_timeout_Slider->value(), 3);
        QVERIFY(ui->board_enable_checkBox->isChecked());
        QVERIFY(ui->board_enable_checkBox_2->isChecked()); // never touched
        QCOMPARE(ui->board_feature_IP_Edit->text(), featureConnected ? QStringLiteral("10.3.3.3") : QStringLiteral("192.168.1.165"));
        QCOMPARE(ui->board_pano_IP_Edit->text(), panoConnected ? QStringLiteral("10.3.3.4") : QStringLiteral("192.168.1.166"));
        QVERIFY(ui->board_multi_object_pano_one_radioButton->isChecked());
        QVERIFY(ui->board_lose_object_pano_one_radioButton->isChecked());
        QCOMPARE(ui->board_lost_pano_delay_label->value(), 30);
        QCOMPARE(ui->board_apply_Button->text(), QStringLiteral("Apply(*)"));
    }

    void directorDefaults()
    {
        WindowHolder w(QString::fromLatin1(kOddSettings));
        Ui::MainWindow *ui = w.ui();
        // ASCII codes stored: the default keeps the validator.
        QString anyText = QStringLiteral("G-");
        int pos = 0;
        QCOMPARE(ui->director_switch_auto_lineEdit->validator()->validate(anyText, pos), QValidator::Acceptable);
        ui->director_default_Button->click();
        QCOMPARE(ui->director_server_IP_Edit->text(), QStringLiteral("192.168.1.200"));
        QCOMPARE(ui->director_server_Port_Edit->text(), QStringLiteral("9999"));
        QVERIFY(ui->director_protocol_udp_radioButton->isChecked());
        QVERIFY(ui->director_command_type_hex_radioButton->isChecked());
        QVERIFY(ui->director_code_send_mode_single_radioButton->isChecked());
        QVERIFY(ui->director_strategy_interior_radioButton->isChecked());
        QVERIFY(ui->director_interior_teacher_pano_lineEdit->isEnabled());
        QVERIFY(!ui->director_external_teacher_still_lineEdit->isEnabled());
        QCOMPARE(ui->director_switch_auto_lineEdit->text(), QStringLiteral("FF 00 00 00 00 01"));
        QCOMPARE(ui->director_switch_manual_lineEdit->text(), QStringLiteral("FF 00 00 00 00 02"));
        const QList<QPair<QLineEdit *, const char *>> codes = {
            {ui->director_external_teacher_on_the_platform_lineEdit, "FF 01 00 00 00 11"},
            {ui->director_external_teacher_multi_objective_lineEdit, "FF 01 00 00 00 15"},
            {ui->director_external_student_stood_up_lineEdit, "FF 02 00 00 00 21"},
            {ui->director_external_student_multi_objective_lineEdit, "FF 02 00 00 00 24"},
            {ui->director_external_board_none_action_lineEdit, "FF 03 00 00 00 32"},
            {ui->director_interior_teacher_feature_lineEdit, "FF 22 22"},
            {ui->director_interior_teacher_pano_lineEdit, "FF 11 11"},
            {ui->director_interior_student_feature_lineEdit, "FF 44 44"},
            {ui->director_interior_student_pano_lineEdit, "FF 33 33"},
            {ui->director_interior_board_blackboard_lineEdit_3, "FF 55 55"}};
        for (const auto &c : codes)
            QCOMPARE(c.first->text(), QString::fromLatin1(c.second));
        for (QCheckBox *b : w->findChildren<QCheckBox *>()) {
            if (b->objectName().startsWith(QLatin1String("director_external_"))
                || b->objectName().startsWith(QLatin1String("director_interior_")))
                QVERIFY2(b->isChecked(), qPrintable(b->objectName()));
        }
        QCOMPARE(ui->director_keep_interval_label->value(), 1);
        QCOMPARE(ui->director_multi_interval_label->value(), 1);
        QCOMPARE(ui->director_interior_min_switch_time_label->text(), QStringLiteral("3"));
        QCOMPARE(ui->director_interior_min_switch_time_Slider->value(), 3);
        QCOMPARE(ui->director_apply_Button->text(), QStringLiteral("Apply(*)"));
        anyText = QStringLiteral("G-");
        QCOMPARE(ui->director_switch_auto_lineEdit->validator()->validate(anyText, pos), QValidator::Acceptable);
    }

    // Every tab at once, the camera addresses and the strips that fit the window's width.
    void allDefaults_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("strip");
        QTest::newRow("narrow") << 899 << ">\ne\nx\np\na\nn\nd\n>";
        QTest::newRow("almost narrow") << 894 << ">\ne\nx\np\na\nn\nd\n>";
        QTest::newRow("wide") << 1164 << "<\nf\no\nl\nd\n<";
        QTest::newRow("other width keeps the text") << 1000 << "keep";
    }

    void allDefaults()
    {
        QFETCH(int, width);
        QFETCH(QString, strip);
        WindowHolder w(QString::fromLatin1(kOddSettings));
        Ui::MainWindow *ui = w.ui();
        for (QPushButton *b : {ui->teacher_show_param_pushButton, ui->student_show_param_pushButton,
                               ui->board_show_param_pushButton, ui->director_show_param_pushButton})
            b->setText(QStringLiteral("keep"));
        w->setFixedSize(width, 757);
        w->set_all_defaults();
        QCOMPARE(ui->teacher_feature_IP_Edit->text(), QStringLiteral("192.168.1.100"));
        QCOMPARE(ui->teacher_pano_IP_Edit->text(), QStringLiteral("192.168.1.101"));
        QCOMPARE(ui->student_feature_IP_Edit->text(), QStringLiteral("192.168.1.163"));
        QCOMPARE(ui->student_pano_IP_Edit->text(), QStringLiteral("192.168.1.164"));
        QCOMPARE(ui->board_feature_IP_Edit->text(), QStringLiteral("192.168.1.165"));
        QCOMPARE(ui->board_pano_IP_Edit->text(), QStringLiteral("192.168.1.166"));
        QCOMPARE(ui->teacher_distance_label->text(), QStringLiteral("7.5"));
        QCOMPARE(ui->student_sensitivity_label->text(), QStringLiteral("4"));
        QCOMPARE(ui->board_target_lost_timeout_label->text(), QStringLiteral("3"));
        QCOMPARE(ui->director_server_Port_Edit->text(), QStringLiteral("9999"));
        for (QPushButton *b : {ui->teacher_show_param_pushButton, ui->student_show_param_pushButton,
                               ui->board_show_param_pushButton, ui->director_show_param_pushButton})
            QCOMPARE(b->text(), strip);
        QCOMPARE(w->width(), width); // relabelled, not resized
    }

    void directorWidgets_data()
    {
        QTest::addColumn<int>("strategy");
        QTest::addColumn<bool>("enable");
        QTest::addColumn<bool>("customer");
        QTest::addColumn<bool>("external");
        QTest::newRow("external") << 0 << true << false << true;
        QTest::newRow("external off") << 0 << false << false << false;
        QTest::newRow("interior") << 1 << true << false << false;
        QTest::newRow("interior off") << 1 << false << false << true;
        QTest::newRow("interior, customer") << 1 << true << true << false;
    }

    void directorWidgets()
    {
        QFETCH(int, strategy);
        QFETCH(bool, enable);
        QFETCH(bool, customer);
        QFETCH(bool, external);
        WindowHolder w(QString::fromLatin1(kOddSettings));
        Ui::MainWindow *ui = w.ui();
        w->teacher_customer_model_flag = customer;
        w->set_director_widgets(strategy, enable);
        for (QWidget *c : std::initializer_list<QWidget *>{
                 ui->director_external_teacher_on_the_platform_checkBox, ui->director_external_teacher_moving_lineEdit,
                 ui->director_external_student_sat_down_checkBox, ui->director_external_board_have_action_lineEdit})
            QCOMPARE(c->isEnabled(), external);
        for (QWidget *c : std::initializer_list<QWidget *>{
                 ui->director_interior_teacher_pano_checkBox, ui->director_interior_student_feature_lineEdit,
                 ui->director_interior_board_blackboard_lineEdit_2, ui->director_interior_min_switch_time_Slider,
                 ui->director_interior_min_switch_time_label, ui->label_48, ui->label_52, ui->label_53})
            QCOMPARE(c->isEnabled(), !external);
        QCOMPARE(ui->director_interior_board_blackboard_checkBox->isEnabled(), !external && !customer);
        QCOMPARE(ui->director_interior_board_blackboard_lineEdit->isEnabled(), !external && !customer);
    }

    void unknownStrategyChangesNothing()
    {
        WindowHolder w(QString::fromLatin1(kOddSettings));
        const bool before = w.ui()->director_external_teacher_still_lineEdit->isEnabled();
        w->set_director_widgets(2, true);
        QCOMPARE(w.ui()->director_external_teacher_still_lineEdit->isEnabled(), before);
    }

    // The code fields' validators by command type; switching back and forth keeps one each.
    void commandTypeValidators()
    {
        WindowHolder w(QString::fromLatin1(kOddSettings));
        QLineEdit *code = w.ui()->director_interior_board_blackboard_lineEdit_3;
        for (int round = 0; round < 5; ++round) {
            w->set_director_command_validator(1);
            QString text = QStringLiteral("FF 0a");
            int pos = 0;
            QCOMPARE(code->validator()->validate(text, pos), QValidator::Acceptable);
            text = QStringLiteral("FG");
            QCOMPARE(code->validator()->validate(text, pos), QValidator::Invalid);
            w->set_director_command_validator(2);
            text = QStringLiteral("FG-01");
            QCOMPARE(code->validator()->validate(text, pos), QValidator::Acceptable);
        }
        QCOMPARE(code->findChildren<QValidator *>().size(), 1);
    }

    // One click of a two-slot button: the switch, then the mark.
    void twoSlotButtons()
    {
        WindowHolder w(QString::fromLatin1(kOddSettings));
        Ui::MainWindow *ui = w.ui();
        ui->director_apply_Button->setText(QStringLiteral("Apply"));
        ui->director_strategy_interior_radioButton->click();
        QVERIFY(ui->director_interior_teacher_pano_lineEdit->isEnabled());
        QVERIFY(!ui->director_external_teacher_still_lineEdit->isEnabled());
        QCOMPARE(ui->director_apply_Button->text(), QStringLiteral("Apply(*)"));
        ui->director_apply_Button->setText(QStringLiteral("Apply"));
        ui->director_command_type_hex_radioButton->click();
        QString text = QStringLiteral("-");
        int pos = 0;
        QCOMPARE(ui->director_switch_manual_lineEdit->validator()->validate(text, pos), QValidator::Invalid);
        QCOMPARE(ui->director_apply_Button->text(), QStringLiteral("Apply(*)"));
        ui->director_apply_Button->setText(QStringLiteral("Apply"));
        ui->director_strategy_external_radioButton->click();
        QVERIFY(ui->director_external_teacher_still_lineEdit->isEnabled());
        QCOMPARE(ui->director_apply_Button->text(), QStringLiteral("Apply(*)"));
        ui->director_command_type_ascii_radioButton->click();
        QCOMPARE(ui->director_switch_manual_lineEdit->validator()->validate(text, pos), QValidator::Acceptable);
    }

    // Slider labels in each slider's own format, after a drag or a value change.
    void sliderLabels_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        auto row = [](const char *slider, const char *label, int value, const char *text) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(slider)).arg(value)))
                << QString::fromLatin1(slider) << QString::fromLatin1(label) << value << QString::fromLatin1(text);
        };
        row("teacher_sensitivity_Slider", "teacher_sensitivity_label", 3, "3");
        row("teacher_fea_distance_Slider", "teacher_fea_distance_label", 46, "7.5");
        row("teacher_distance_Slider", "teacher_distance_label", 171, "20.0");
        row("teacher_panOffset_Slider", "teacher_panOffset_label", 47, "+35");
        row("teacher_tiltOffset_Slider", "teacher_tiltOffset_label", 16, "-120");
        row("teacher_tiltOffset_Slider", "teacher_tiltOffset_label", 40, "0");
        row("teacher_board_detect_Slider", "teacher_board_detect_label", 12, "12");
        row("teacher_board_hold_Slider", "teacher_board_hold_label", 30, "30");
        row("teacher_board_lose_Slider", "teacher_board_lose_label", 1, "1");
        row("teacher_board_space_Slider", "teacher_board_space_label", 15, "15");
        row("student_sensitivity_Slider", "student_sensitivity_label", 7, "7");
        row("student_objectsize_Slider", "student_objectsize_label", 8, "1.2");
        row("student_panOffset_Slider", "student_panOffset_label", 38, "-10");
        row("student_tiltOffset_Slider", "student_tiltOffset_label", 80, "+200");
        row("student_target_lost_timeout_Slider", "student_target_lost_timeout_label", 11, "11");
        row("board_sensitivity_Slider", "board_sensitivity_label", 3, "3");
        row("board_target_lost_timeout_Slider", "board_target_lost_timeout_label", 14, "14");
        row("director_interior_min_switch_time_Slider", "director_interior_min_switch_time_label", 6, "6");
    }

    void sliderLabels()
    {
        QFETCH(QString, slider);
        QFETCH(QString, label);
        QFETCH(int, value);
        QFETCH(QString, text);
        WindowHolder w(QString::fromLatin1(kOddSettings));
        auto *s = w->findChild<QSlider *>(slider);
        auto *l = w->findChild<QLabel *>(label);
        // A drag moves the label first (sliderMoved), the value change again.
        l->setText(QStringLiteral("x"));
        emit s->sliderMoved(value);
        QCOMPARE(l->text(), text);
        l->setText(QStringLiteral("x"));
        s->setValue(value == s->minimum() ? s->maximum() : s->minimum());
        s->setValue(value);
        QCOMPARE(l->text(), text);
    }

    // Which changes mark their tab, and whether the settings load suppresses the mark.
    void applyMarks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("whileLoading"); // marks also while the settings are loaded
        auto row = [](const char *control, const char *button, bool whileLoading) {
            QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(button) << whileLoading;
        };
        row("teacher_sensitivity_Slider", "teacher_apply_Button", false);
        row("teacher_fea_distance_Slider", "teacher_apply_Button", false);
        row("teacher_panOffset_Slider", "teacher_apply_Button", false);
        row("teacher_board_space_Slider", "teacher_apply_Button", false);
        row("teacher_hold_time_label", "teacher_apply_Button", true);
        row("teacher_target_lost_delay_label", "teacher_apply_Button", true);
        row("student_objectsize_Slider", "student_apply_Button", false);
        row("student_target_lost_timeout_Slider", "student_apply_Button", false);
        row("student_feature_continue_time_label", "student_apply_Button", false);
        row("student_camera_height_lineEdit", "student_apply_Button", true);
        row("board_sensitivity_Slider", "board_apply_Button", false);
        row("board_target_lost_timeout_Slider", "board_apply_Button", false);
        row("director_interior_min_switch_time_Slider", "director_apply_Button", false);
        row("director_server_IP_Edit", "director_apply_Button", false);
        row("director_server_Port_Edit", "director_apply_Button", false);
        row("director_switch_manual_lineEdit", "director_apply_Button", false);
        row("director_external_student_sat_down_lineEdit", "director_apply_Button", false);
        row("director_interior_board_blackboard_lineEdit_2", "director_apply_Button", false);
        row("director_interior_board_blackboard_lineEdit_3", "director_apply_Button", false);
    }

    void applyMarks()
    {
        QFETCH(QString, control);
        QFETCH(QString, button);
        QFETCH(bool, whileLoading);
        WindowHolder w(QString::fromLatin1(kOddSettings));
        auto *apply = w->findChild<QPushButton *>(button);
        QObject *c = w->findChild<QObject *>(control);
        int step = 0;
        auto change = [&] {
            ++step;
            if (auto *s = qobject_cast<QAbstractSlider *>(c))
                s->setValue(s->value() == s->minimum() ? s->minimum() + 1 : s->minimum());
            else if (auto *sp = qobject_cast<QSpinBox *>(c))
                sp->setValue(sp->value() == sp->minimum() ? sp->minimum() + 1 : sp->minimum());
            else if (auto *e = qobject_cast<QLineEdit *>(c))
                e->setText(QStringLiteral("%1").arg(step));
        };
        w->settings_file->loading_config() = true;
        apply->setText(QStringLiteral("Apply"));
        change();
        QCOMPARE(apply->text(), whileLoading ? QStringLiteral("Apply(*)") : QStringLiteral("Apply"));
        w->settings_file->loading_config() = false;
        apply->setText(QStringLiteral("Apply"));
        change();
        QCOMPARE(apply->text(), QStringLiteral("Apply(*)"));
    }

    // A change of the board enable box or delay reads "Apply" while the board pano camera is
    // connected; otherwise it leaves the button.
    void boardEnableState()
    {
        WindowHolder w(QString::fromLatin1(kOddSettings));
        Ui::MainWindow *ui = w.ui();
        ui->board_apply_Button->setText(QStringLiteral("Apply(*)"));
        ui->board_enable_checkBox->toggle();
        ui->board_lost_pano_delay_label->setValue(ui->board_lost_pano_delay_label->value() + 1);
        QCOMPARE(ui->board_apply_Button->text(), QStringLiteral("Apply(*)"));
        w->udp_board_pano_flag = true;
        ui->board_enable_checkBox->toggle();
        QCOMPARE(ui->board_apply_Button->text(), QStringLiteral("Apply"));
        ui->board_apply_Button->setText(QStringLiteral("Apply(*)"));
        ui->board_lost_pano_delay_label->setValue(ui->board_lost_pano_delay_label->value() + 1);
        QCOMPARE(ui->board_apply_Button->text(), QStringLiteral("Apply"));
    }

    // After start-up from a file the value slots have run without marking the tabs; the two
    // teacher delay spin boxes marked theirs as they do always.
    void marksAfterStartUp()
    {
        WindowHolder w(QString::fromLatin1(kOddSettings));
        QCOMPARE(w.ui()->teacher_apply_Button->text(), QStringLiteral("Apply(*)"));
        QCOMPARE(w.ui()->student_apply_Button->text(), QStringLiteral("Apply(*)")); // the height field
        QCOMPARE(w.ui()->board_apply_Button->text(), QStringLiteral("Apply"));
        QCOMPARE(w.ui()->director_apply_Button->text(), QStringLiteral("Apply"));
    }
};

QTEST_MAIN(tst_TabDefaults)
#include "tst_tab_defaults.moc"
