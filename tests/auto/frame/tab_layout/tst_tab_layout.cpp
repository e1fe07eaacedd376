// The tab layout and the controls it decides about, with the feature objects that own them (the
// window's features on the bare form, without the window): the Board tab and the board view by
// camera layout, the controls each layout and each camera group allow, the customer model, the
// tab bar, the fold and expand strips and the status notice.
#include "core/time_scale.h"
#include "form_host.h"
#include "mainwindow/window_features.h"
#include "recording_presenter.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using camera_slot::Slot;

namespace {

// The window's share: a wizard request is counted.
struct Window : WindowFeatures::Shell {
    int wizard = 0;
    bool window_visible() const override { return true; }
    void close_for_wizard() override { ++wizard; }
    void take_system_language(int) override {}
    void create_translator(int) override {}
    void send_stream(PicturePreviews::Stream, QImage &) override {}
    void autocalibrate_failed() override {}
    void student_points_read_back() override {}
    void console_reply(const QString &) override {}
    bool console_listens() const override { return false; }
    QString interface_language() const override { return QStringLiteral("English"); }
    void feed_camera_menu(OSDMenu *) override {}
    void attach_console(manual_direct *) override {}
    void close_for_director() override {}
};

struct Layout {
    RecordingPresenter boxes;
    FormHost shell;
    Window host;
    std::unique_ptr<WindowFeatures> features;
    Ui::MainWindow *ui = shell.ui;
    TabLayout *tabs = nullptr;
    CameraSlots *cameras = nullptr;
    std::unique_ptr<QSignalSpy> releases;
    Layout()
    {
        shell.window.setFixedSize(899, 757);
        features = std::make_unique<WindowFeatures>(ui, &shell.window, host);
        tabs = &features->layout();
        cameras = &features->slot_records();
        releases = std::make_unique<QSignalSpy>(tabs, &TabLayout::board_cameras_released);
    }
    void customer(bool teacher, bool student)
    {
        features->teacher_section().customer_model = teacher;
        features->student_section().customer_model = student;
    }
    // Through the combo box, as the installer chooses, even when the layout is the current one.
    void choose(int layout)
    {
        ui->choose_camera_comboBox->setCurrentIndex(-1);
        ui->choose_camera_comboBox->setCurrentIndex(layout);
    }
    // "1" for each enabled widget, "0" for each disabled one.
    QString enabled(const QStringList &names) const
    {
        QString bits;
        for (const QString &name : names)
            bits += shell.window.findChild<QWidget *>(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return bits;
    }
};

const QStringList kGroupControls[] = {
    {"teacher_showCalibration_Button", "teacher_showCalibration_Reset_Button", "teacher_auto_calibration_pushButton",
     "teacher_zoomin_Button", "teacher_zoomout_Button", "teacher_show_Calibration_checkBox", "graphicsView",
     "teacher_apply_Button", "lectern_mode_radioButton", "teacher_board_space_Slider"},
    {"student_showCalibration_Button", "student_showCalibration_Reset_Button", "student_auto_calibration_pushButton",
     "student_zoomin_Button", "student_zoomout_Button", "student_show_Calibration_checkBox", "student_feature_IP_Edit",
     "student_apply_Button", "label_104", "student_pano_switch_checkBox"},
    {"board_feature_IP_Edit", "board_zoomout_Button_2", "board_enable_checkBox_2", "board_startTrack_Button"},
};

} // namespace

class tst_TabLayout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { timescale::setFactor(1.0); }

    // The Board tab is in for five and six cameras only, at its place, however often a layout
    // is chosen; six cameras show the second board camera and a blackboard code per board; the
    // board cameras let go when the view goes to one board camera and when five or six cameras
    // are chosen.
    void layouts_data()
    {
        QTest::addColumn<QList<int>>("layouts");
        QTest::newRow("6 cameras three times") << QList<int>{3, 3, 3};
        QTest::newRow("round the layouts") << QList<int>{3, 1, 1, 2, 0, 3, 3, 0, 2};
    }
    void layouts()
    {
        QFETCH(QList<int>, layouts);
        Layout l;
        for (int layout : layouts) {
            const int releasesBefore = l.releases->count();
            l.choose(layout);
            const bool board = layout >= 2, two = layout == 3;
            QCOMPARE(l.tabs->camera_layout(), layout);
            QCOMPARE(l.ui->tabWidget->count(), board ? 8 : 7);
            QCOMPARE(l.ui->tabWidget->indexOf(l.ui->tab_board), board ? 2 : -1);
            QCOMPARE(l.ui->tabWidget->tabText(2), board ? QStringLiteral("Board") : QStringLiteral("Director"));
            QCOMPARE(l.releases->count() - releasesBefore, layout == 2 ? 2 : 1);
            QCOMPARE(l.ui->board_2_connect_widget->isHidden(), !two);
            QCOMPARE(l.ui->board_setBoard_two_Button->isHidden(), two);
            QCOMPARE(l.ui->board_enable_checkBox_2->isChecked(), two);
            QCOMPARE(l.ui->board_feature_ip_label->text(),
                     two ? QStringLiteral("Board 1") : QStringLiteral("Board IP"));
            QCOMPARE(l.ui->board_enable_checkBox->text(), two ? QStringLiteral("Enable 1") : QStringLiteral("Enable"));
            QCOMPARE(l.ui->director_interior_board_blackboard_checkBox->isChecked(), !two);
            QCOMPARE(l.ui->director_interior_board_blackboard_lineEdit_3->isHidden(), !two);
        }
    }

    // Two cameras: one camera per side, so the distance and offset rows, manual focus and the
    // lost-target delay go off, the calibration pages stay only for a connected R6 and the
    // calibration crosses go off. A layout out of range leaves the two-camera state before it.
    void layoutControls_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<QString>("enabled"); // 9 rows, then the two calibration pages
        QTest::newRow("2 cameras") << 0 << "" << false << "000000000" "00";
        QTest::newRow("2 cameras, R6 connected") << 0 << "R6" << true << "000000000" "11";
        QTest::newRow("2 cameras, J57 connected") << 0 << "J57" << true << "000000000" "00";
        QTest::newRow("6 cameras") << 3 << "J57" << true << "111111111" "11";
        QTest::newRow("layout 4") << 4 << "" << false << "000000000" "00";
    }
    void layoutControls()
    {
        QFETCH(int, layout);
        QFETCH(QString, model);
        QFETCH(bool, connected);
        QFETCH(QString, enabled);
        Layout l;
        l.tabs->widgetChanged(layout == 0 ? 1 : 0); // the opposite state first: every control must be set
        for (Slot s : {Slot::TeacherFeature, Slot::StudentFeature}) {
            (*l.cameras)[s].device_model = model;
            (*l.cameras)[s].udp_flag = connected;
        }
        l.ui->teacher_show_Calibration_checkBox->setChecked(true);
        l.ui->student_show_Calibration_checkBox->setChecked(true);
        const int tabs = l.ui->tabWidget->count();
        // Unticked as by a click: without their pano cameras the crosses go off in the tab only.
        for (int i = 0; layout == 0 && i < 2; ++i)
            QTest::ignoreMessage(QtDebugMsg, "MainWindow::calibration cross off without its camera");
        l.tabs->widgetChanged(layout);
        QCOMPARE(l.enabled({"teacher_basic_settings_widget", "teacher_manual_focus_checkBox",
                            "teacher_target_list_action_delay_widget", "label_12", "student_panOffset_Slider",
                            "label_33", "label_13", "student_tiltOffset_Slider", "label_34", "tabWidget_3",
                            "tabWidget_2"}),
                 enabled);
        QCOMPARE(l.ui->teacher_show_Calibration_checkBox->isChecked(), layout != 0);
        QCOMPARE(l.ui->student_show_Calibration_checkBox->isChecked(), layout != 0);
        if (layout > 3 || layout < 0)
            QCOMPARE(l.ui->tabWidget->count(), tabs);
    }

    // A camera group's controls (kGroupControls): the calibration buttons follow the cross, a
    // pano camera that cannot zoom under its cross keeps its zoom keys off, the customer model
    // keeps the calibration off, the board space slider is never offered. Groups other than
    // 0 to 2 change nothing.
    void groupControls_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("enable");
        QTest::addColumn<bool>("cross");
        QTest::addColumn<bool>("customer");
        QTest::addColumn<QString>("panoModel");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("teacher, no cross") << 0 << true << false << false << "" << "0001111110";
        QTest::newRow("teacher, cross") << 0 << true << true << false << "" << "1111111110";
        QTest::newRow("teacher, M5 under its cross") << 0 << true << true << false << "M5" << "1110011110";
        QTest::newRow("teacher, customer") << 0 << true << true << true << "" << "0011101110";
        QTest::newRow("student, cross") << 1 << true << true << false << "" << "1111111111";
        QTest::newRow("student, M19 under its cross") << 1 << true << true << false << "M19" << "1110011111";
        QTest::newRow("student, customer") << 1 << true << true << true << "" << "0001101111";
        QTest::newRow("board on") << 2 << true << false << false << "" << "1111";
        QTest::newRow("board off") << 2 << false << false << false << "" << "0000";
    }
    void groupControls()
    {
        QFETCH(int, group);
        QFETCH(bool, enable);
        QFETCH(bool, cross);
        QFETCH(bool, customer);
        QFETCH(QString, panoModel);
        QFETCH(QString, enabled);
        Layout l;
        l.tabs->set_widget_status(group, !enable);
        if (group < 2) {
            QCheckBox *box =
                group == 0 ? l.ui->teacher_show_Calibration_checkBox : l.ui->student_show_Calibration_checkBox;
            box->setChecked(cross);
            box->setEnabled(true);
            l.customer(group == 0 && customer, group == 1 && customer);
            (*l.cameras)[group == 0 ? Slot::TeacherPano : Slot::StudentPano].device_model = panoModel;
        }
        l.tabs->set_widget_status(group, enable);
        QCOMPARE(l.enabled(kGroupControls[group]), enabled);
        const QString before = l.enabled(kGroupControls[0] + kGroupControls[1] + kGroupControls[2]);
        l.tabs->set_widget_status(3, !enable);
        l.tabs->set_widget_status(-1, !enable);
        QCOMPARE(l.enabled(kGroupControls[0] + kGroupControls[1] + kGroupControls[2]), before);
    }

    // The customer model has no board cameras: the board controls go off, and each side's
    // board region and calibration controls with its own flag; without a flag nothing changes.
    void customerModel_data()
    {
        QTest::addColumn<bool>("teacher");
        QTest::addColumn<bool>("student");
        QTest::addColumn<QString>("enabled"); // five board controls, teacher board region, student calibration
        QTest::newRow("teacher") << true << false << "00000" "01";
        QTest::newRow("student") << false << true << "00000" "10";
        QTest::newRow("neither") << false << false << "11111" "11";
    }
    void customerModel()
    {
        QFETCH(bool, teacher);
        QFETCH(bool, student);
        QFETCH(QString, enabled);
        Layout l;
        const QStringList controls = {"board_feature_connect_Button", "board_show_region_checkBox", "groupBox_26",
                                      "director_strategy_external_radioButton", "board_obtain_Button",
                                      "teacher_board_region_radioButton", "student_showCalibration_Reset_Button"};
        for (const QString &name : controls)
            l.shell.window.findChild<QWidget *>(name)->setEnabled(true);
        l.customer(teacher, student);
        l.tabs->set_customer_disable();
        QCOMPARE(l.enabled(controls), enabled);
    }

    // The Wizard Config tab closes the window toward the wizard, pages without a parameter
    // panel fold it, the others keep its width. A strip unfolds the narrow window and folds the
    // wide one, and the four panel strips say which (the Upgrade strip keeps its own text);
    // other widths are left alone.
    void windowWidth_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("choice"); // a tab index, or the strip pressed
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("wizard");
        QTest::addColumn<QString>("strips");
        const QString fold = QStringLiteral("<\nf\no\nl\nd\n<");
        const QString expand = QStringLiteral(">\ne\nx\np\na\nn\nd\n>");
        QTest::newRow("8 tabs: Wizard Config") << 2 << 1164 << "5" << 899 << true << expand;
        QTest::newRow("8 tabs: Options keeps the width") << 2 << 1164 << "7" << 1164 << false << expand;
        QTest::newRow("7 tabs: Upgrade keeps the width") << 1 << 1164 << "3" << 1164 << false << expand;
        QTest::newRow("teacher strip unfolds") << 2 << 899 << "teacher" << 1164 << false << fold;
        QTest::newRow("894 wide unfolds") << 2 << 894 << "director" << 1164 << false << fold;
        QTest::newRow("upgrade strip folds") << 2 << 1164 << "upgrade" << 899 << false << expand;
    }
    void windowWidth()
    {
        QFETCH(int, layout);
        QFETCH(int, width);
        QFETCH(QString, choice);
        QFETCH(int, after);
        QFETCH(bool, wizard);
        QFETCH(QString, strips);
        Layout l;
        l.choose(layout);
        const QString upgradeText = l.ui->upgrade_show_param_pushButton->text();
        l.shell.window.setFixedSize(width, 757);
        bool tab = false;
        const int index = choice.toInt(&tab);
        if (tab)
            l.ui->tabWidget->setCurrentIndex(index);
        else
            l.shell.window.findChild<QPushButton *>(choice + QStringLiteral("_show_param_pushButton"))->click();
        QCOMPARE(l.shell.window.size(), QSize(after, 757));
        QCOMPARE(l.host.wizard, wizard ? 1 : 0);
        QCOMPARE(l.tabs->take_wizard_request(), wizard);
        for (QPushButton *b : {l.ui->teacher_show_param_pushButton, l.ui->student_show_param_pushButton,
                               l.ui->board_show_param_pushButton, l.ui->director_show_param_pushButton})
            QCOMPARE(b->text(), strips);
        QCOMPARE(l.ui->upgrade_show_param_pushButton->text(), upgradeText);
    }

    void statusNotice()
    {
        Layout l;
        timescale::setFactor(0.01);
        bool shownDuring = false;
        QTimer::singleShot(0, [&] { shownDuring = !l.ui->student_tip_label->isHidden(); });
        l.tabs->flash_status_label(false, QStringLiteral("Panorama cropping has been suspended"));
        QVERIFY(shownDuring);
        QVERIFY(l.ui->student_tip_label->isHidden());
        QCOMPARE(l.ui->student_tip_label->text(), QStringLiteral("Panorama cropping has been suspended"));
        QCOMPARE(l.ui->teacher_tip_label->text(), QString());
    }
};

QTEST_MAIN(tst_TabLayout)
#include "tst_tab_layout.moc"
