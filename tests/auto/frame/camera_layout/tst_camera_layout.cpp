// Tabs and camera layout: the Board tab in or out by layout, the controls each layout enables,
// the board view for one or two board cameras, per-camera control sets, the tab bar's own
// behaviour, the fold and expand strips and the status notice.
#include "core/time_scale.h"
#include "guide/guideconfig.h"
#include "model/guide_data_update_manage.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

struct WindowHolder {
    std::unique_ptr<MainWindow> window;
    explicit WindowHolder(const QString &ini = QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=2\n"))
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

QList<QWidget *> studentOffsetRows(Ui::MainWindow *ui)
{
    return {ui->label_12, ui->label_43, ui->student_panOffset_Slider, ui->student_panOffset_label, ui->label_33,
            ui->label_13, ui->label_32, ui->student_tiltOffset_Slider, ui->student_tiltOffset_label, ui->label_34};
}

// The enabled state of every named widget of the window.
QMap<QString, bool> enabledStates(MainWindow *w)
{
    QMap<QString, bool> states;
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!c->objectName().isEmpty())
            states[c->objectName()] = c->isEnabled();
    }
    return states;
}

} // namespace

class tst_CameraLayout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { timescale::setFactor(1.0); }

    // Applying a layout again and again leaves the tab count as the layout wants it.
    void layoutKeepsTabCount_data()
    {
        QTest::addColumn<QList<int>>("layouts");
        QTest::newRow("0 three times") << QList<int>{0, 0, 0};
        QTest::newRow("1 three times") << QList<int>{1, 1, 1};
        QTest::newRow("2 three times") << QList<int>{2, 2, 2};
        QTest::newRow("3 three times") << QList<int>{3, 3, 3};
        QTest::newRow("round the layouts") << QList<int>{3, 1, 1, 2, 0, 3, 3, 0, 2};
    }

    void layoutKeepsTabCount()
    {
        QFETCH(QList<int>, layouts);
        WindowHolder w;
        for (int layout : layouts) {
            w.ui()->choose_camera_comboBox->setCurrentIndex(layout);
            w->widgetChanged(layout);
            const bool board = layout >= 2;
            QCOMPARE(w.ui()->tabWidget->count(), board ? 8 : 7);
            QCOMPARE(w.ui()->tabWidget->indexOf(w.ui()->tab_board), board ? 2 : -1);
            if (board)
                QCOMPARE(w.ui()->tabWidget->tabText(2), QStringLiteral("Board"));
            QCOMPARE(w->config_number_camera, layout);
            // The other pages keep their order around the Board page.
            QCOMPARE(w.ui()->tabWidget->widget(board ? 3 : 2), w.ui()->tab_host);
            QCOMPARE(w.ui()->tabWidget->widget(board ? 7 : 6), w.ui()->tab_15);
        }
    }

    void outOfRangeLayoutChangesNothing()
    {
        WindowHolder w;
        const QMap<QString, bool> before = enabledStates(w.window.get());
        w->widgetChanged(4);
        w->widgetChanged(-1);
        QCOMPARE(enabledStates(w.window.get()), before);
        QCOMPARE(w.ui()->tabWidget->count(), 8);
    }

    // What each layout enables: with two cameras each side has one camera only.
    void layoutControls_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("featureModel");
        QTest::addColumn<bool>("featureConnected");
        QTest::addColumn<bool>("rows");        // distance and offset rows, manual focus, lost delay
        QTest::addColumn<bool>("calibration"); // tabWidget_3 and tabWidget_2
        QTest::newRow("2 cameras") << 0 << "" << false << false << false;
        QTest::newRow("2 cameras, R6 connected") << 0 << "R6" << true << false << true;
        QTest::newRow("2 cameras, R6 not connected") << 0 << "R6" << false << false << false;
        QTest::newRow("2 cameras, J57 connected") << 0 << "J57" << true << false << false;
        QTest::newRow("4 cameras") << 1 << "" << false << true << true;
        QTest::newRow("5 cameras") << 2 << "" << false << true << true;
        QTest::newRow("6 cameras") << 3 << "J57" << true << true << true;
    }

    void layoutControls()
    {
        QFETCH(int, layout);
        QFETCH(QString, featureModel);
        QFETCH(bool, featureConnected);
        QFETCH(bool, rows);
        QFETCH(bool, calibration);
        WindowHolder w;
        // Start from the opposite state so that every control must be set.
        w->widgetChanged(layout == 0 ? 1 : 0);
        w->teacher_feature_device_model = w->student_feature_device_model = featureModel;
        w->udp_teacher_feature_flag = w->udp_student_feature_flag = featureConnected;
        w.ui()->choose_camera_comboBox->setCurrentIndex(layout);
        w->widgetChanged(layout);
        QCOMPARE(w.ui()->teacher_basic_settings_widget->isEnabled(), rows);
        QCOMPARE(w.ui()->teacher_manual_focus_checkBox->isEnabled(), rows);
        QCOMPARE(w.ui()->teacher_target_list_action_delay_widget->isEnabled(), rows);
        for (QWidget *row : studentOffsetRows(w.ui()))
            QCOMPARE(row->isEnabled(), rows);
        QCOMPARE(w.ui()->tabWidget_3->isEnabled(), calibration);
        QCOMPARE(w.ui()->tabWidget_2->isEnabled(), calibration);
    }

    // Two cameras: the calibration crosses go off.
    void twoCamerasClearCalibration()
    {
        WindowHolder w;
        w.ui()->teacher_show_Calibration_checkBox->setChecked(true);
        w.ui()->student_show_Calibration_checkBox->setChecked(true);
        w->widgetChanged(1);
        QVERIFY(w.ui()->teacher_show_Calibration_checkBox->isChecked());
        w->widgetChanged(0);
        QVERIFY(!w.ui()->teacher_show_Calibration_checkBox->isChecked());
        QVERIFY(!w.ui()->student_show_Calibration_checkBox->isChecked());
    }

    // One board camera or two.
    void boardView_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<bool>("two");
        QTest::newRow("4 cameras") << 1 << false;
        QTest::newRow("5 cameras") << 2 << false;
        QTest::newRow("6 cameras") << 3 << true;
    }

    void boardView()
    {
        QFETCH(int, layout);
        QFETCH(bool, two);
        WindowHolder w(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=%1\n").arg(3 - layout));
        w.ui()->choose_camera_comboBox->setCurrentIndex(layout);
        Ui::MainWindow *ui = w.ui();
        QCOMPARE(ui->board_setBoard_two_Button->isHidden(), two);
        QCOMPARE(ui->board_callBoard_two_Button->isHidden(), two);
        QCOMPARE(ui->board_feature_ip_label->text(), two ? QStringLiteral("Board 1") : QStringLiteral("Board IP"));
        QCOMPARE(ui->board_enable_checkBox->text(), two ? QStringLiteral("Enable 1") : QStringLiteral("Enable"));
        for (QWidget *c : {ui->board_2_connect_widget, ui->board_2_ptz_widget, ui->board_2_preset_widget})
            QCOMPARE(c->isHidden(), !two);
        QCOMPARE(ui->board_enable_checkBox_2->isHidden(), !two);
        QCOMPARE(ui->board_enable_checkBox_2->isChecked(), two);
        QCOMPARE(ui->director_interior_board_blackboard_checkBox->isHidden(), two);
        QCOMPARE(ui->director_interior_board_blackboard_lineEdit->isHidden(), two);
        QCOMPARE(ui->director_interior_board_blackboard_checkBox->isChecked(), !two);
        for (QCheckBox *b : {ui->director_interior_board_blackboard_checkBox_2, ui->director_interior_board_blackboard_checkBox_3}) {
            QCOMPARE(b->isHidden(), !two);
            QCOMPARE(b->isChecked(), two);
        }
        QCOMPARE(ui->director_interior_board_blackboard_lineEdit_2->isHidden(), !two);
        QCOMPARE(ui->director_interior_board_blackboard_lineEdit_3->isHidden(), !two);
    }

    // The start-up applies the stored layout, board view included.
    void startUpAppliesStoredLayout()
    {
        WindowHolder w(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"));
        QCOMPARE(w.ui()->choose_camera_comboBox->currentIndex(), 3);
        QVERIFY(!w.ui()->board_2_connect_widget->isHidden());
        QCOMPARE(w.ui()->tabWidget->count(), 8);
    }

    // The teacher control set, with the calibration cross and the customer model.
    void teacherControls_data()
    {
        QTest::addColumn<bool>("enable");
        QTest::addColumn<bool>("cross");
        QTest::addColumn<bool>("customer");
        QTest::addColumn<QString>("panoModel");
        QTest::addColumn<bool>("calibrationButtons");
        QTest::addColumn<bool>("zoom");
        QTest::newRow("on, no cross") << true << false << false << "" << false << true;
        QTest::newRow("on, cross") << true << true << false << "" << true << true;
        QTest::newRow("on, cross, M5 cannot zoom") << true << true << false << "M5" << true << false;
        QTest::newRow("on, M5 without cross zooms") << true << false << false << "M5" << false << true;
        QTest::newRow("off, cross") << false << true << false << "" << false << false;
        QTest::newRow("on, cross, customer") << true << true << true << "" << false << true;
    }

    void teacherControls()
    {
        QFETCH(bool, enable);
        QFETCH(bool, cross);
        QFETCH(bool, customer);
        QFETCH(QString, panoModel);
        QFETCH(bool, calibrationButtons);
        QFETCH(bool, zoom);
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        w->set_widget_status(0, !enable);
        ui->teacher_show_Calibration_checkBox->setChecked(cross);
        ui->teacher_show_Calibration_checkBox->setEnabled(true);
        w->teacher_customer_model_flag = customer;
        w->teacher_pano_device_model = panoModel;
        w->set_widget_status(0, enable);
        QCOMPARE(ui->teacher_showCalibration_Button->isEnabled(), calibrationButtons);
        QCOMPARE(ui->teacher_showCalibration_Reset_Button->isEnabled(), calibrationButtons);
        // The customer rule leaves the auto-calibration button to the cross.
        QCOMPARE(ui->teacher_auto_calibration_pushButton->isEnabled(), enable && cross);
        QCOMPARE(ui->teacher_show_Calibration_checkBox->isEnabled(), !customer);
        QCOMPARE(ui->teacher_zoomin_Button->isEnabled(), zoom);
        QCOMPARE(ui->teacher_zoomout_Button->isEnabled(), zoom);
        for (QWidget *c : std::initializer_list<QWidget *>{ui->graphicsView, ui->teacher_ptz_rightdown_Button,
                                                          ui->teacher_sensitivity_Slider, ui->teacher_board_lose_label,
                                                          ui->teacher_apply_Button, ui->lectern_mode_radioButton,
                                                          ui->teacher_board_effect_list, ui->label_93})
            QCOMPARE(c->isEnabled(), enable);
        QVERIFY(!ui->teacher_board_space_Slider->isEnabled());
        QVERIFY(!ui->teacher_board_space_label->isEnabled());
    }

    void studentControls_data()
    {
        QTest::addColumn<bool>("enable");
        QTest::addColumn<bool>("cross");
        QTest::addColumn<bool>("customer");
        QTest::addColumn<QString>("panoModel");
        QTest::addColumn<bool>("calibrationButtons");
        QTest::addColumn<bool>("zoom");
        QTest::newRow("on, cross") << true << true << false << "" << true << true;
        QTest::newRow("on, cross, M19 cannot zoom") << true << true << false << "M19" << true << false;
        QTest::newRow("on, cross, M5 cannot zoom") << true << true << false << "M5" << true << false;
        QTest::newRow("on, no cross") << true << false << false << "M19" << false << true;
        QTest::newRow("on, cross, customer") << true << true << true << "" << false << true;
        QTest::newRow("off") << false << true << false << "" << false << false;
    }

    void studentControls()
    {
        QFETCH(bool, enable);
        QFETCH(bool, cross);
        QFETCH(bool, customer);
        QFETCH(QString, panoModel);
        QFETCH(bool, calibrationButtons);
        QFETCH(bool, zoom);
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        w->set_widget_status(1, !enable);
        ui->student_show_Calibration_checkBox->setChecked(cross);
        ui->student_show_Calibration_checkBox->setEnabled(true);
        w->student_customer_model_flag = customer;
        w->student_pano_device_model = panoModel;
        w->set_widget_status(1, enable);
        QCOMPARE(ui->student_showCalibration_Button->isEnabled(), calibrationButtons);
        QCOMPARE(ui->student_showCalibration_Reset_Button->isEnabled(), calibrationButtons);
        QCOMPARE(ui->student_auto_calibration_pushButton->isEnabled(), calibrationButtons);
        QCOMPARE(ui->student_show_Calibration_checkBox->isEnabled(), !customer);
        QCOMPARE(ui->student_zoomin_Button->isEnabled(), zoom);
        for (QWidget *c : std::initializer_list<QWidget *>{ui->student_feature_IP_Edit, ui->label_104,
                                                          ui->student_startTrack_Button, ui->student_pano_switch_checkBox})
            QCOMPARE(c->isEnabled(), enable);
    }

    void boardControls()
    {
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        w->set_widget_status(2, false);
        for (QWidget *c : std::initializer_list<QWidget *>{ui->board_feature_IP_Edit, ui->board_zoomout_Button_2,
                                                          ui->board_enable_checkBox_2, ui->board_startTrack_Button})
            QVERIFY(!c->isEnabled());
        w->set_widget_status(2, true);
        for (QWidget *c : std::initializer_list<QWidget *>{ui->board_feature_IP_Edit, ui->board_zoomout_Button_2,
                                                          ui->board_enable_checkBox_2, ui->board_startTrack_Button})
            QVERIFY(c->isEnabled());
    }

    void otherCameraChangesNothing()
    {
        WindowHolder w;
        const QMap<QString, bool> before = enabledStates(w.window.get());
        w->set_widget_status(3, false);
        w->set_widget_status(-1, false);
        QCOMPARE(enabledStates(w.window.get()), before);
    }

    // The customer model has no board cameras: set at start from the stored settings.
    void customerModelDisablesBoard_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<bool>("teacher");
        QTest::addColumn<bool>("student");
        QTest::newRow("teacher") << "[TEACHER_CONF]\nCustomer_Model=KLOR\n" << true << false;
        QTest::newRow("student") << "[STUDENT_CONF]\nCustomer_Model=KLOR\n" << false << true;
        QTest::newRow("neither") << "[TEACHER_CONF]\nCustomer_Model=Other\n" << false << false;
    }

    void customerModelDisablesBoard()
    {
        QFETCH(QString, ini);
        QFETCH(bool, teacher);
        QFETCH(bool, student);
        WindowHolder w(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=2\n") + ini);
        Ui::MainWindow *ui = w.ui();
        const bool off = teacher || student;
        for (QWidget *c : std::initializer_list<QWidget *>{ui->board_feature_connect_Button, ui->board_pano_connect_Button,
                                                          ui->board_show_region_checkBox, ui->groupBox_23, ui->groupBox_26,
                                                          ui->director_strategy_external_radioButton,
                                                          ui->director_interior_board_blackboard_lineEdit,
                                                          ui->board_obtain_Button})
            QCOMPARE(c->isEnabled(), !off);
        // The teacher's board region controls and the calibration buttons go off with their
        // side's flag (and are left as they are otherwise).
        if (teacher) {
            QVERIFY(!ui->teacher_board_region_radioButton->isEnabled());
            QVERIFY(!ui->teacher_board_three_checkBox->isEnabled());
            QVERIFY(!ui->teacher_showCalibration_Reset_Button->isEnabled());
        }
        if (student) {
            QVERIFY(!ui->student_showCalibration_Reset_Button->isEnabled());
            QVERIFY(!ui->student_auto_calibration_pushButton->isEnabled());
        }
        // The slot does the same only when a flag is set.
        const QMap<QString, bool> before = enabledStates(w.window.get());
        w->set_customer_disable();
        QCOMPARE(enabledStates(w.window.get()), before);
    }

    void tabsAroundTheCurrentOne()
    {
        WindowHolder w;
        w.ui()->tabWidget->setCurrentIndex(2);
        QTest::ignoreMessage(QtDebugMsg, "tabCount: 7 ,localCurrentIndex: 2");
        w->update_tab_enabled(false);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(w.ui()->tabWidget->isTabEnabled(i), i == 2);
        w.ui()->tabWidget->setCurrentIndex(0);
        w->update_tab_enabled(true);
        // Tab 0 was disabled and is current now: it is left as it is; the others come back.
        QVERIFY(!w.ui()->tabWidget->isTabEnabled(0));
        for (int i = 1; i < 8; ++i)
            QVERIFY(w.ui()->tabWidget->isTabEnabled(i));
    }

    // The tab bar: the Wizard Config tab closes toward the wizard; pages without a parameter
    // panel fold the window.
    void tabChoice_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("wizard");
        QTest::addColumn<int>("width");
        QTest::newRow("8 tabs: Wizard Config") << 2 << 5 << true << 899;
        QTest::newRow("8 tabs: Recorder Map Config") << 2 << 6 << false << 899;
        QTest::newRow("8 tabs: Options keeps the width") << 2 << 7 << false << 1164;
        QTest::newRow("8 tabs: Director keeps the width") << 2 << 3 << false << 1164;
        QTest::newRow("7 tabs: Wizard Config") << 1 << 4 << true << 899;
        QTest::newRow("7 tabs: Recorder Map Config") << 1 << 5 << false << 899;
        QTest::newRow("7 tabs: Options") << 1 << 6 << false << 899;
        QTest::newRow("7 tabs: Upgrade keeps the width") << 1 << 3 << false << 1164;
    }

    void tabChoice()
    {
        QFETCH(int, layout);
        QFETCH(int, index);
        QFETCH(bool, wizard);
        QFETCH(int, width);
        WindowHolder w;
        w.ui()->choose_camera_comboBox->setCurrentIndex(layout);
        w->toggle_param_panel();
        QCOMPARE(w->width(), 1164);
        QSignalSpy closing(w.window.get(), &MainWindow::close_mainwindow);
        w.ui()->tabWidget->setCurrentIndex(index);
        QCOMPARE(closing.count(), wizard ? 1 : 0);
        QCOMPARE(w->wizard_entry_requested, wizard);
        QCOMPARE(w->width(), width);
        QCOMPARE(w->height(), 757);
    }

    void foldAndExpand()
    {
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        const QString upgradeText = ui->upgrade_show_param_pushButton->text();
        QCOMPARE(w->width(), 899);
        ui->teacher_show_param_pushButton->click();
        QCOMPARE(w->size(), QSize(1164, 757));
        for (QPushButton *b : {ui->teacher_show_param_pushButton, ui->student_show_param_pushButton,
                               ui->board_show_param_pushButton, ui->director_show_param_pushButton})
            QCOMPARE(b->text(), QStringLiteral("<\nf\no\nl\nd\n<"));
        ui->upgrade_show_param_pushButton->click();
        QCOMPARE(w->size(), QSize(899, 757));
        QCOMPARE(ui->board_show_param_pushButton->text(), QStringLiteral(">\ne\nx\np\na\nn\nd\n>"));
        QCOMPARE(ui->upgrade_show_param_pushButton->text(), upgradeText);
        // Any other width is left alone.
        w->setFixedSize(1000, 757);
        ui->student_show_param_pushButton->click();
        QCOMPARE(w->width(), 1000);
        QCOMPARE(ui->student_show_param_pushButton->text(), QStringLiteral(">\ne\nx\np\na\nn\nd\n>"));
        w->setFixedSize(894, 757);
        ui->director_show_param_pushButton->click();
        QCOMPARE(w->width(), 1164);
    }

    void statusNotice()
    {
        WindowHolder w;
        timescale::setFactor(0.01);
        bool shownDuring = false;
        QTimer::singleShot(0, [&] { shownDuring = !w.ui()->student_tip_label->isHidden(); });
        w->flash_status_label(false, QStringLiteral("Panorama cropping has been suspended"));
        QVERIFY(shownDuring);
        QVERIFY(w.ui()->student_tip_label->isHidden());
        QCOMPARE(w.ui()->student_tip_label->text(), QStringLiteral("Panorama cropping has been suspended"));
        QVERIFY(w.ui()->teacher_tip_label->isHidden());
        QCOMPARE(w.ui()->teacher_tip_label->text(), QString());
    }

    void unusedTabsAtSetUp()
    {
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        QVERIFY(ui->tab_driector_settings->isHidden());
        for (QWidget *c : std::initializer_list<QWidget *>{
                 ui->teacher_snapshot_region_radioButton, ui->teacher_ai_detection_pushButton,
                 ui->clear_snapshot_region_pushButton, ui->del_track_region_pushButton, ui->teacher_delBoardPano_Button,
                 ui->teacher_delPlatform_Button, ui->teacher_feature_tracking_checkBox, ui->board_pano_mode_radioButton})
            QVERIFY(!c->isHidden());
        QCOMPARE(ui->tabWidget->count(), 8); // no page removed
    }

    // The wizard's record: addresses and layout into the window.
    void guideRecord_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("teacherPano");
        QTest::addColumn<int>("tabs");
        QTest::newRow("2 cameras: one camera per side") << 0 << "10.0.0.1" << 7;
        QTest::newRow("5 cameras") << 2 << "10.0.0.2" << 8;
    }

    void guideRecord()
    {
        QFETCH(int, layout);
        QFETCH(QString, teacherPano);
        QFETCH(int, tabs);
        WindowHolder w;
        w.ui()->tabWidget->setCurrentIndex(3);
        Guide_Data_Update_Manage record;
        record.teacher_feature_ip = QStringLiteral("10.0.0.1");
        record.teacher_pano_ip = QStringLiteral("10.0.0.2");
        record.student_feature_ip = QStringLiteral("10.0.0.3");
        record.student_pano_ip = QStringLiteral("10.0.0.4");
        record.board_feature_ip = QStringLiteral("10.0.0.5");
        record.board_pano_ip = QStringLiteral("10.0.0.6");
        record.camera_number = layout;
        record.current_language = QStringLiteral("Thai");
        emit w->guide_config->transferData(QVariant::fromValue(record));
        QCOMPARE(w.ui()->tabWidget->currentIndex(), 0);
        QCOMPARE(w.ui()->teacher_feature_IP_Edit->text(), QStringLiteral("10.0.0.1"));
        QCOMPARE(w.ui()->teacher_pano_IP_Edit->text(), teacherPano);
        QCOMPARE(w.ui()->student_pano_IP_Edit->text(), layout == 0 ? QStringLiteral("10.0.0.3") : QStringLiteral("10.0.0.4"));
        QCOMPARE(w.ui()->board_pano_IP_Edit->text(), QStringLiteral("10.0.0.6"));
        QCOMPARE(w.ui()->choose_camera_comboBox->currentIndex(), layout);
        QCOMPARE(w.ui()->tabWidget->count(), tabs);
        QCOMPARE(w->language, QStringLiteral("English")); // the record's language is not applied

        // Handing the window's state back fills the record from the form.
        w.ui()->board_feature_IP_Edit->setText(QStringLiteral("10.0.0.9"));
        w->send_guide_data();
        QCOMPARE(w->guide_data.teacher_pano_ip, teacherPano);
        QCOMPARE(w->guide_data.board_feature_ip, QStringLiteral("10.0.0.9"));
        QCOMPARE(w->guide_data.camera_number, layout);
        QCOMPARE(w->guide_data.current_language, QStringLiteral("English"));
    }

    void unreadableRecordGivesDefaults()
    {
        WindowHolder w;
        w->updateGuideData(QVariant(42));
        QCOMPARE(w.ui()->teacher_feature_IP_Edit->text(), QString());
        QCOMPARE(w.ui()->choose_camera_comboBox->currentIndex(), 0);
        QCOMPARE(w.ui()->tabWidget->count(), 7);
    }
};

QTEST_MAIN(tst_CameraLayout)
#include "tst_camera_layout.moc"
