// Contract of the Teacher tab of the main window form with the code that drives it: the objects
// and classes later features use, the signals their slots are connected to by name, ranges,
// items, defaults and states, the stacking of previews, markers and overlays, and the start
// state that the window's set-up leaves.
#include "support/resources.h"
#include "form_contract.h"
#include "regions/customgraphicsview.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "window_holder.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QAbstractButton>
#include <QHostAddress>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using formcontract::comboItems;
using formcontract::tabPages;
using formcontract::tabTitles;

namespace {

struct NameClass {
    const char *name;
    const char *className;
};

// Every object of the page, by the names the window's code and the slots use.
const NameClass kObjects[] = {
    {"tab_teacher", "QWidget"},
    {"teacher_feature_calibration_label", "QLabel"}, {"teacher_pano_calibration_label", "QLabel"},
    {"teacher_labVideo_feature", "QLabel"}, {"teacher_labVideo_pano", "QLabel"}, {"line", "QFrame"},
    {"line_3", "QFrame"}, {"teacher_obtain_Button", "QPushButton"},
    {"teacher_apply_Button", "QPushButton"}, {"teacher_default_Button", "QPushButton"},
    {"teacher_feature_ip_label", "QLabel"}, {"teacher_feature_IP_Edit", "QLineEdit"},
    {"teacher_feature_connect_Button", "QPushButton"}, {"teacher_pano_ip_label", "QLabel"},
    {"teacher_pano_IP_Edit", "QLineEdit"}, {"teacher_pano_connect_Button", "QPushButton"},
    {"teacher_startTrack_Button", "QPushButton"}, {"teacher_stopTrack_Button", "QPushButton"},
    {"teacher_setPano_Button", "QPushButton"}, {"teacher_callPano_Button", "QPushButton"},
    {"teacher_zoomin_Button", "QPushButton"}, {"teacher_zoomout_Button", "QPushButton"},
    {"teacher_ptz_leftdown_Button", "QPushButton"}, {"teacher_ptz_down_Button", "QPushButton"},
    {"teacher_ptz_rightdown_Button", "QPushButton"}, {"teacher_ptz_left_Button", "QPushButton"},
    {"teacher_ptz_reset_Button", "QPushButton"}, {"teacher_ptz_right_Button", "QPushButton"},
    {"teacher_ptz_leftup_Button", "QPushButton"}, {"teacher_ptz_up_Button", "QPushButton"},
    {"teacher_ptz_rightup_Button", "QPushButton"}, {"teacher_show_param_pushButton", "QPushButton"},
    {"groupBox_2", "QGroupBox"}, {"teacher_show_region_checkBox", "QCheckBox"},
    {"teacher_track_region_radioButton", "QRadioButton"},
    {"teacher_snapshot_region_radioButton", "QRadioButton"},
    {"teacher_board_region_radioButton", "QRadioButton"},
    {"teacher_shield_region_radioButton", "QRadioButton"}, {"teacher_board_one_checkBox", "QCheckBox"},
    {"teacher_board_two_checkBox", "QCheckBox"}, {"teacher_board_three_checkBox", "QCheckBox"},
    {"teacher_shield_one_checkBox", "QCheckBox"}, {"teacher_shield_two_checkBox", "QCheckBox"},
    {"teacher_shield_three_checkBox", "QCheckBox"}, {"teacher_shield_four_checkBox", "QCheckBox"},
    {"region_widget", "QWidget"}, {"horizontalLayout_43", "QHBoxLayout"},
    {"teacher_board_effect_list", "QComboBox"}, {"teacher_ai_detection_pushButton", "QPushButton"},
    {"clear_snapshot_region_pushButton", "QPushButton"},
    {"del_track_region_pushButton", "QPushButton"}, {"groupBox_7", "QGroupBox"},
    {"teacher_navigate_ptz_mode_radioButton", "QRadioButton"},
    {"teacher_navigate_osd_mode_radioButton", "QRadioButton"}, {"line_6", "QFrame"},
    {"teacher_switch_menu_object_comboBox", "QComboBox"},
    {"teacher_show_osd_menu_pushButton", "QPushButton"}, {"groupBox_9", "QGroupBox"},
    {"teacher_param_export_pushButton", "QPushButton"}, {"line_7", "QFrame"},
    {"teacher_filepath_lineEdit", "QLineEdit"}, {"teacher_open_file_pushButton", "QPushButton"},
    {"teacher_param_import_pushButton", "QPushButton"}, {"groupBox_10", "QGroupBox"},
    {"label_8", "QLabel"}, {"teacher_version_feature_info_label", "QLabel"}, {"label_15", "QLabel"},
    {"teacher_version_pano_info_label", "QLabel"}, {"teacher_pano_region_widget", "QWidget"},
    {"graphicsView", "CustomGraphicsView"}, {"teacher_tip_label", "QLabel"},
    {"tab_teacher_settings", "QTabWidget"}, {"tab_teacher_target_lost_action", "QWidget"},
    {"teacher_none_action_radioButton", "QRadioButton"},
    {"teacher_student_pano_action_radioButton", "QRadioButton"},
    {"teacher_pano_action_radioButton", "QRadioButton"},
    {"teacher_platform_action_radioButton", "QRadioButton"}, {"label_99", "QLabel"},
    {"teacher_hold_time_label", "QSpinBox"}, {"teacher_target_list_action_delay_widget", "QWidget"},
    {"horizontalLayout_2", "QHBoxLayout"}, {"label_56", "QLabel"},
    {"teacher_target_lost_delay_label", "QSpinBox"}, {"tab_teacher_multi_objective_action", "QWidget"},
    {"teacher_feature_location_radioButton", "QRadioButton"},
    {"teacher_return_pano_action_radioButton", "QRadioButton"}, {"tab", "QWidget"},
    {"label_93", "QLabel"}, {"teacher_ptzspeed_level", "QLineEdit"}, {"label_54", "QLabel"},
    {"tabWidget_3", "QTabWidget"}, {"tab_4", "QWidget"},
    {"teacher_show_Calibration_checkBox", "QCheckBox"}, {"layoutWidget", "QWidget"},
    {"verticalLayout_11", "QVBoxLayout"}, {"horizontalLayout_33", "QHBoxLayout"},
    {"teacher_showCalibration_Reset_Button", "QPushButton"},
    {"teacher_showCalibration_Button", "QPushButton"},
    {"teacher_auto_calibration_pushButton", "QPushButton"}, {"tab_18", "QWidget"},
    {"teacher_pano_manual_mode_Button", "QRadioButton"},
    {"teacher_pano_auto_mode_Button", "QRadioButton"}, {"tab_5", "QWidget"},
    {"teacher_tilt_compensation_pushButton", "QPushButton"},
    {"teacher_pan_compensation_pushButton", "QPushButton"}, {"tab_teacher_settings_2", "QTabWidget"},
    {"tab_teacher_target_lost_action_3", "QWidget"}, {"teacher_starting_up_checkBox", "QCheckBox"},
    {"teacher_manual_focus_checkBox", "QCheckBox"},
    {"teacher_vertical_movement_checkBox", "QCheckBox"},
    {"teacher_feature_tracking_checkBox", "QCheckBox"}, {"line_8", "QFrame"},
    {"label_persontrack", "QLabel"}, {"teacher_feature_persontrack_comboBox", "QComboBox"},
    {"tab_teacher_multi_objective_action_3", "QWidget"},
    {"teacher_board_enable_checkBox", "QCheckBox"},
    {"teacher_board_face_enable_checkBox", "QCheckBox"},
    {"teacher_board_hand_enable_checkBox", "QCheckBox"}, {"label_186", "QLabel"},
    {"teacher_board_detect_Slider", "QSlider"}, {"teacher_board_detect_label", "QLabel"},
    {"label_188", "QLabel"}, {"teacher_board_hold_Slider", "QSlider"},
    {"teacher_board_hold_label", "QLabel"}, {"label_190", "QLabel"},
    {"teacher_board_lose_Slider", "QSlider"}, {"teacher_board_lose_label", "QLabel"},
    {"label_191", "QLabel"}, {"teacher_board_space_Slider", "QSlider"},
    {"teacher_board_space_label", "QLabel"}, {"label_185", "QLabel"}, {"label_187", "QLabel"},
    {"label_189", "QLabel"}, {"label_192", "QLabel"}, {"tab_14", "QWidget"},
    {"other_mode_radioButton", "QRadioButton"}, {"follow_mode_radioButton", "QRadioButton"},
    {"binocular_mode_radioButton", "QRadioButton"}, {"mixed_mode_radioButton", "QRadioButton"},
    {"board_pano_mode_radioButton", "QRadioButton"}, {"lectern_mode_radioButton", "QRadioButton"},
    {"teacher_preset_list", "QComboBox"}, {"label_50", "QLabel"},
    {"teacher_zoom_lineEdit", "QLineEdit"}, {"teacher_delBoardPano_Button", "QPushButton"},
    {"teacher_delPlatform_Button", "QPushButton"},
    {"teacher_feature_image_max_toolButton", "QToolButton"}, {"mode_stackedWidget", "QStackedWidget"},
    {"page", "QWidget"}, {"groupBox_3", "QGroupBox"}, {"label", "QLabel"}, {"label_7", "QLabel"},
    {"teacher_sensitivity_Slider", "QSlider"}, {"teacher_sensitivity_label", "QLabel"},
    {"label_20", "QLabel"}, {"teacher_basic_settings_widget", "QWidget"}, {"label_3", "QLabel"},
    {"teacher_fea_distance_Slider", "QSlider"}, {"teacher_fea_distance_label", "QLabel"},
    {"label_26", "QLabel"}, {"label_4", "QLabel"}, {"teacher_distance_Slider", "QSlider"},
    {"teacher_distance_label", "QLabel"}, {"label_27", "QLabel"}, {"label_5", "QLabel"},
    {"label_28", "QLabel"}, {"teacher_panOffset_Slider", "QSlider"},
    {"teacher_panOffset_label", "QLabel"}, {"label_29", "QLabel"}, {"label_6", "QLabel"},
    {"label_31", "QLabel"}, {"teacher_tiltOffset_Slider", "QSlider"},
    {"teacher_tiltOffset_label", "QLabel"}, {"label_30", "QLabel"}, {"page_2", "QWidget"},
    {"tab_student_settings_2", "QTabWidget"}, {"tab_teacher_target_lost_action_6", "QWidget"},
    {"label_107", "QLabel"}, {"tracking_start_postion_comboBox", "QComboBox"},
    {"groupBox", "QGroupBox"}, {"auto_zoom_enable_checkBox", "QCheckBox"},
    {"auto_tilt_enable_checkBox", "QCheckBox"}, {"label_105", "QLabel"},
    {"target_retention_time_label_spinBox", "QSpinBox"}, {"label_101", "QLabel"},
    {"groupBox_37", "QGroupBox"}, {"full_body_action_radioButton", "QRadioButton"},
    {"half_body_action_radioButton", "QRadioButton"},
    {"close_body_action_radioButton", "QRadioButton"},
    {"custom_body_action_radioButton", "QRadioButton"}, {"body_thresh_time_spinBox", "QSpinBox"},
    {"tab_20", "QWidget"}, {"groupBox_36", "QGroupBox"}, {"label_106", "QLabel"},
    {"teacher_director_on_radioButton", "QRadioButton"},
    {"teacher_director_off_radioButton", "QRadioButton"}, {"label_102", "QLabel"},
    {"label_103", "QLabel"}, {"layoutWidget2_2", "QWidget"}, {"verticalLayout_15", "QVBoxLayout"},
    {"lectern_director_port_Edit", "QLineEdit"}, {"lectern_director_ip_Edit", "QLineEdit"},
    {"label_108", "QLabel"}, {"lectern_director_hold_time_label", "QSpinBox"},
    {"teacher_fea_region_widget", "QWidget"},
};

struct Connection {
    const char *object;
    const char *signature;
};

// The signals the window's slots are connected to by name.
const Connection kConnections[] = {
    // previews, camera links and PTZ pad
    {"teacher_feature_image_max_toolButton", "clicked()"},
    {"teacher_feature_IP_Edit", "returnPressed()"}, {"teacher_feature_connect_Button", "clicked()"},
    {"teacher_pano_IP_Edit", "returnPressed()"}, {"teacher_pano_connect_Button", "clicked()"},
    {"teacher_ptz_leftup_Button", "pressed()"}, {"teacher_ptz_leftup_Button", "released()"},
    {"teacher_ptz_up_Button", "pressed()"}, {"teacher_ptz_up_Button", "released()"},
    {"teacher_ptz_rightup_Button", "pressed()"}, {"teacher_ptz_rightup_Button", "released()"},
    {"teacher_ptz_left_Button", "pressed()"}, {"teacher_ptz_left_Button", "released()"},
    {"teacher_ptz_reset_Button", "clicked()"},
    {"teacher_ptz_right_Button", "pressed()"}, {"teacher_ptz_right_Button", "released()"},
    {"teacher_ptz_leftdown_Button", "pressed()"}, {"teacher_ptz_leftdown_Button", "released()"},
    {"teacher_ptz_down_Button", "pressed()"}, {"teacher_ptz_down_Button", "released()"},
    {"teacher_ptz_rightdown_Button", "pressed()"}, {"teacher_ptz_rightdown_Button", "released()"},
    {"teacher_zoomin_Button", "pressed()"}, {"teacher_zoomin_Button", "released()"},
    {"teacher_zoomout_Button", "pressed()"}, {"teacher_zoomout_Button", "released()"},
    {"teacher_preset_list", "currentIndexChanged(QString)"},
    {"teacher_setPano_Button", "clicked()"}, {"teacher_callPano_Button", "clicked()"},
    {"teacher_delBoardPano_Button", "clicked()"}, {"teacher_delPlatform_Button", "clicked()"},
    {"teacher_obtain_Button", "clicked()"}, {"teacher_apply_Button", "clicked()"},
    {"teacher_default_Button", "clicked()"}, {"teacher_startTrack_Button", "clicked()"},
    {"teacher_stopTrack_Button", "clicked()"}, {"teacher_show_param_pushButton", "clicked()"},
    // region, menu key and backup groups
    {"teacher_show_region_checkBox", "clicked(bool)"},
    {"teacher_track_region_radioButton", "clicked(bool)"},
    {"teacher_snapshot_region_radioButton", "clicked(bool)"},
    {"teacher_board_region_radioButton", "clicked(bool)"},
    {"teacher_shield_region_radioButton", "clicked(bool)"},
    {"teacher_board_one_checkBox", "clicked(bool)"}, {"teacher_board_two_checkBox", "clicked(bool)"},
    {"teacher_board_three_checkBox", "clicked(bool)"}, {"teacher_shield_one_checkBox", "clicked(bool)"},
    {"teacher_shield_two_checkBox", "clicked(bool)"}, {"teacher_shield_three_checkBox", "clicked(bool)"},
    {"teacher_shield_four_checkBox", "clicked(bool)"},
    {"teacher_board_effect_list", "currentIndexChanged(int)"},
    {"teacher_ai_detection_pushButton", "clicked()"},
    {"clear_snapshot_region_pushButton", "clicked(bool)"}, {"del_track_region_pushButton", "clicked()"},
    {"teacher_show_osd_menu_pushButton", "clicked()"},
    {"teacher_param_export_pushButton", "clicked()"}, {"teacher_open_file_pushButton", "clicked()"},
    {"teacher_param_import_pushButton", "clicked()"},
    // settings tab widgets
    {"teacher_show_Calibration_checkBox", "clicked(bool)"},
    {"teacher_showCalibration_Reset_Button", "clicked()"}, {"teacher_showCalibration_Button", "clicked()"},
    {"teacher_auto_calibration_pushButton", "clicked()"},
    {"teacher_pano_manual_mode_Button", "clicked(bool)"}, {"teacher_pano_auto_mode_Button", "clicked(bool)"},
    {"teacher_tilt_compensation_pushButton", "clicked()"}, {"teacher_pan_compensation_pushButton", "clicked()"},
    {"teacher_none_action_radioButton", "clicked()"}, {"teacher_student_pano_action_radioButton", "clicked()"},
    {"teacher_pano_action_radioButton", "clicked()"}, {"teacher_platform_action_radioButton", "clicked()"},
    {"teacher_hold_time_label", "valueChanged(int)"}, {"teacher_target_lost_delay_label", "valueChanged(int)"},
    {"teacher_ptzspeed_level", "textChanged(QString)"},
    {"teacher_starting_up_checkBox", "clicked()"}, {"teacher_manual_focus_checkBox", "clicked()"},
    {"teacher_vertical_movement_checkBox", "clicked()"}, {"teacher_feature_tracking_checkBox", "clicked()"},
    {"teacher_board_enable_checkBox", "clicked()"}, {"teacher_board_face_enable_checkBox", "clicked()"},
    {"teacher_board_hand_enable_checkBox", "clicked()"},
    {"teacher_board_detect_Slider", "sliderMoved(int)"}, {"teacher_board_detect_Slider", "sliderPressed()"},
    {"teacher_board_detect_Slider", "valueChanged(int)"},
    {"teacher_board_hold_Slider", "sliderMoved(int)"}, {"teacher_board_hold_Slider", "sliderPressed()"},
    {"teacher_board_hold_Slider", "valueChanged(int)"},
    {"teacher_board_lose_Slider", "sliderMoved(int)"}, {"teacher_board_lose_Slider", "sliderPressed()"},
    {"teacher_board_lose_Slider", "valueChanged(int)"},
    {"teacher_board_space_Slider", "sliderMoved(int)"}, {"teacher_board_space_Slider", "sliderPressed()"},
    {"teacher_board_space_Slider", "valueChanged(int)"},
    {"other_mode_radioButton", "clicked(bool)"}, {"follow_mode_radioButton", "clicked(bool)"},
    {"binocular_mode_radioButton", "clicked(bool)"}, {"mixed_mode_radioButton", "clicked(bool)"},
    {"board_pano_mode_radioButton", "clicked(bool)"}, {"lectern_mode_radioButton", "clicked(bool)"},
    // mode stack
    {"teacher_sensitivity_Slider", "sliderMoved(int)"}, {"teacher_sensitivity_Slider", "sliderPressed()"},
    {"teacher_sensitivity_Slider", "valueChanged(int)"},
    {"teacher_fea_distance_Slider", "sliderMoved(int)"}, {"teacher_fea_distance_Slider", "sliderPressed()"},
    {"teacher_fea_distance_Slider", "valueChanged(int)"},
    {"teacher_distance_Slider", "sliderMoved(int)"}, {"teacher_distance_Slider", "sliderPressed()"},
    {"teacher_distance_Slider", "valueChanged(int)"},
    {"teacher_panOffset_Slider", "sliderMoved(int)"}, {"teacher_panOffset_Slider", "sliderPressed()"},
    {"teacher_panOffset_Slider", "valueChanged(int)"},
    {"teacher_tiltOffset_Slider", "sliderMoved(int)"}, {"teacher_tiltOffset_Slider", "sliderPressed()"},
    {"teacher_tiltOffset_Slider", "valueChanged(int)"},
    {"tracking_start_postion_comboBox", "currentIndexChanged(int)"},
    {"auto_zoom_enable_checkBox", "clicked(bool)"}, {"auto_tilt_enable_checkBox", "clicked(bool)"},
    {"target_retention_time_label_spinBox", "valueChanged(QString)"},
    {"full_body_action_radioButton", "clicked(bool)"}, {"half_body_action_radioButton", "clicked(bool)"},
    {"close_body_action_radioButton", "clicked(bool)"}, {"custom_body_action_radioButton", "clicked(bool)"},
    {"body_thresh_time_spinBox", "valueChanged(QString)"},
    {"teacher_director_on_radioButton", "clicked(bool)"}, {"teacher_director_off_radioButton", "clicked(bool)"},
    {"lectern_director_port_Edit", "textChanged(QString)"}, {"lectern_director_ip_Edit", "textChanged(QString)"},
};

template<typename T>
T *named(QObject *root, const char *name)
{
    return root->findChild<T *>(QString::fromLatin1(name));
}


} // namespace

class tst_Teacher : public QObject
{
    Q_OBJECT

    // The form as setupUi leaves it, and the window after its own set-up.
    QMainWindow *bare = nullptr;
    Ui::MainWindow *form = nullptr;
    WindowHolder holder;

private slots:
    void initTestCase()
    {
        corvane_init_resources();
        bare = new QMainWindow;
        form = new Ui::MainWindow;
        form->setupUi(bare);
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        holder.window.reset(new MainWindow);
    }

    void cleanupTestCase()
    {
        delete form;
        delete bare;
    }

    void objects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("className");
        for (const NameClass &o : kObjects)
            QTest::newRow(o.name) << QString::fromLatin1(o.name) << QByteArray(o.className);
    }

    void objects()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, className);
        FORM_CHECK(formcontract::checkObject(bare, name, className));
        // Every one of them lies on the Teacher page.
        QObject *obj = formcontract::objectsNamed(bare, name).value(0);
        QObject *up = obj;
        while (up && up != form->tab_teacher)
            up = up->parent();
        QVERIFY2(up == form->tab_teacher, qPrintable(name + QStringLiteral(" is not on tab_teacher")));
    }

    void signalsForSlots_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QByteArray>("signature");
        for (const Connection &c : kConnections)
            QTest::newRow(formcontract::slotNameFor(QString::fromLatin1(c.object), c.signature)
                          + QByteArray(c.signature).mid(QByteArray(c.signature).indexOf('(')))
                << QString::fromLatin1(c.object) << QByteArray(c.signature);
    }

    void signalsForSlots()
    {
        QFETCH(QString, object);
        QFETCH(QByteArray, signature);
        FORM_CHECK(formcontract::checkSignal(bare, object, signature));
    }

    void namesUniqueInForm()
    {
        // A duplicate name would leave one of its controls without its slot.
        const QStringList duplicates = formcontract::duplicateNames(bare);
        QVERIFY2(duplicates.isEmpty(), qPrintable(duplicates.join(QStringLiteral(", "))));
    }

    void containment_data()
    {
        QTest::addColumn<QString>("child");
        QTest::addColumn<QString>("parent");
        const QList<QPair<const char *, const char *>> rows = {
            {"graphicsView", "teacher_pano_region_widget"},
            {"teacher_tip_label", "teacher_pano_region_widget"},
            {"teacher_pano_region_widget", "tab_teacher"},
            {"teacher_fea_region_widget", "tab_teacher"},
            {"region_widget", "groupBox_2"},
            {"teacher_board_effect_list", "region_widget"},
            {"teacher_basic_settings_widget", "groupBox_3"},
            {"teacher_sensitivity_Slider", "groupBox_3"},
            {"teacher_fea_distance_Slider", "teacher_basic_settings_widget"},
            {"teacher_distance_Slider", "teacher_basic_settings_widget"},
            {"teacher_panOffset_Slider", "teacher_basic_settings_widget"},
            {"teacher_tiltOffset_Slider", "teacher_basic_settings_widget"},
            {"groupBox_3", "page"},
            {"tab_student_settings_2", "page_2"},
            {"groupBox", "tab_teacher_target_lost_action_6"},
            {"groupBox_37", "tab_teacher_target_lost_action_6"},
            {"groupBox_36", "tab_20"},
            {"lectern_director_port_Edit", "layoutWidget2_2"},
            {"lectern_director_ip_Edit", "layoutWidget2_2"},
            {"teacher_target_lost_delay_label", "teacher_target_list_action_delay_widget"},
        };
        for (const auto &r : rows)
            QTest::newRow(r.first) << QString::fromLatin1(r.first) << QString::fromLatin1(r.second);
    }

    void containment()
    {
        QFETCH(QString, child);
        QFETCH(QString, parent);
        auto *w = bare->findChild<QWidget *>(child);
        QVERIFY(w);
        QCOMPARE(w->parentWidget()->objectName(), parent);
    }

    void ranges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::newRow("teacher_hold_time_label") << "teacher_hold_time_label" << 0 << 2 << 2;
        QTest::newRow("teacher_target_lost_delay_label") << "teacher_target_lost_delay_label" << 0 << 300 << 2;
        QTest::newRow("teacher_board_detect_Slider") << "teacher_board_detect_Slider" << 0 << 15 << 3;
        QTest::newRow("teacher_board_hold_Slider") << "teacher_board_hold_Slider" << 0 << 30 << 3;
        QTest::newRow("teacher_board_lose_Slider") << "teacher_board_lose_Slider" << 0 << 15 << 3;
        QTest::newRow("teacher_board_space_Slider") << "teacher_board_space_Slider" << 0 << 15 << 3;
        QTest::newRow("teacher_sensitivity_Slider") << "teacher_sensitivity_Slider" << 0 << 4 << 2;
        QTest::newRow("teacher_fea_distance_Slider") << "teacher_fea_distance_Slider" << 1 << 171 << 6;
        QTest::newRow("teacher_distance_Slider") << "teacher_distance_Slider" << 1 << 171 << 6;
        QTest::newRow("teacher_panOffset_Slider") << "teacher_panOffset_Slider" << 0 << 80 << 40;
        QTest::newRow("teacher_tiltOffset_Slider") << "teacher_tiltOffset_Slider" << 0 << 80 << 40;
        QTest::newRow("target_retention_time_label_spinBox") << "target_retention_time_label_spinBox" << 0 << 60 << 6;
        QTest::newRow("body_thresh_time_spinBox") << "body_thresh_time_spinBox" << 80 << 290 << 80;
        QTest::newRow("lectern_director_hold_time_label") << "lectern_director_hold_time_label" << 3 << 300 << 120;
    }

    void ranges()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QObject *obj = bare->findChild<QObject *>(name);
        QVERIFY(obj);
        if (auto *slider = qobject_cast<QSlider *>(obj)) {
            QCOMPARE(slider->minimum(), minimum);
            QCOMPARE(slider->maximum(), maximum);
            QCOMPARE(slider->value(), value);
            QCOMPARE(slider->sliderPosition(), value);
            QCOMPARE(slider->orientation(), Qt::Horizontal);
            QCOMPARE(slider->singleStep(), 1);
            QCOMPARE(slider->pageStep(), 10);
            QVERIFY(slider->hasTracking()); // valueChanged while dragging
        } else {
            auto *spin = qobject_cast<QSpinBox *>(obj);
            QVERIFY(spin);
            QCOMPARE(spin->minimum(), minimum);
            QCOMPARE(spin->maximum(), maximum);
            QCOMPARE(spin->value(), value);
            QCOMPARE(spin->suffix(), QString());
            QCOMPARE(spin->alignment(), Qt::AlignCenter);
        }
    }

    void combos_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("teacher_preset_list") << "teacher_preset_list"
            << QStringList{"Num 0 : Pano", "Num 1 : Paltform", "Num 2 : Left Board", "Num 3 : Right Board",
                           "Num 60 : Pano Crop"};
        QTest::newRow("teacher_board_effect_list") << "teacher_board_effect_list"
            << QStringList{"None", "Float", "Alpha", "Nobody"};
        QTest::newRow("teacher_switch_menu_object_comboBox") << "teacher_switch_menu_object_comboBox"
            << QStringList{"Feature", "Pano"};
        QTest::newRow("teacher_feature_persontrack_comboBox") << "teacher_feature_persontrack_comboBox"
            << QStringList{"Close", "Persontrack"};
        QTest::newRow("tracking_start_postion_comboBox") << "tracking_start_postion_comboBox"
            << QStringList{"Current Location", "Preset 1"};
    }

    void combos()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        auto *combo = bare->findChild<QComboBox *>(name);
        QVERIFY(combo);
        QCOMPARE(comboItems(combo), items);
        QCOMPARE(combo->currentIndex(), 0);
        // Items carry no data of their own: code reads the index or the text.
        for (int i = 0; i < combo->count(); ++i)
            QVERIFY(!combo->itemData(i).isValid());
    }

    void checkStates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("checked");
        const QStringList on = {"teacher_track_region_radioButton", "teacher_board_one_checkBox",
                                "teacher_shield_one_checkBox", "teacher_navigate_ptz_mode_radioButton",
                                "teacher_pano_action_radioButton", "teacher_feature_location_radioButton",
                                "teacher_starting_up_checkBox", "teacher_director_on_radioButton"};
        const QStringList off = {"teacher_show_region_checkBox", "teacher_snapshot_region_radioButton",
            "teacher_board_region_radioButton", "teacher_shield_region_radioButton", "teacher_board_two_checkBox",
            "teacher_board_three_checkBox", "teacher_shield_two_checkBox", "teacher_shield_three_checkBox",
            "teacher_shield_four_checkBox", "teacher_ai_detection_pushButton",
            "teacher_navigate_osd_mode_radioButton", "teacher_show_Calibration_checkBox",
            "teacher_pano_manual_mode_Button", "teacher_pano_auto_mode_Button", "teacher_none_action_radioButton",
            "teacher_student_pano_action_radioButton", "teacher_platform_action_radioButton",
            "teacher_return_pano_action_radioButton", "teacher_manual_focus_checkBox",
            "teacher_vertical_movement_checkBox", "teacher_feature_tracking_checkBox",
            "teacher_board_enable_checkBox", "teacher_board_face_enable_checkBox",
            "teacher_board_hand_enable_checkBox", "other_mode_radioButton", "follow_mode_radioButton",
            "binocular_mode_radioButton", "mixed_mode_radioButton", "board_pano_mode_radioButton",
            "lectern_mode_radioButton", "auto_zoom_enable_checkBox", "auto_tilt_enable_checkBox",
            "full_body_action_radioButton", "half_body_action_radioButton", "close_body_action_radioButton",
            "custom_body_action_radioButton", "teacher_director_off_radioButton"};
        for (const QString &n : on)
            QTest::newRow(qPrintable(n)) << n << true;
        for (const QString &n : off)
            QTest::newRow(qPrintable(n)) << n << false;
    }

    void checkStates()
    {
        QFETCH(QString, name);
        QFETCH(bool, checked);
        auto *button = bare->findChild<QAbstractButton *>(name);
        QVERIFY(button);
        QCOMPARE(button->isChecked(), checked);
    }

    void exclusiveGroups_data()
    {
        QTest::addColumn<QStringList>("members");
        QTest::newRow("region kind") << QStringList{"teacher_track_region_radioButton",
            "teacher_snapshot_region_radioButton", "teacher_board_region_radioButton",
            "teacher_shield_region_radioButton"};
        QTest::newRow("navigate key") << QStringList{"teacher_navigate_ptz_mode_radioButton",
                                                     "teacher_navigate_osd_mode_radioButton"};
        QTest::newRow("focus mode") << QStringList{"teacher_pano_manual_mode_Button", "teacher_pano_auto_mode_Button"};
        QTest::newRow("target lost") << QStringList{"teacher_none_action_radioButton",
            "teacher_student_pano_action_radioButton", "teacher_pano_action_radioButton",
            "teacher_platform_action_radioButton"};
        QTest::newRow("multi objective") << QStringList{"teacher_feature_location_radioButton",
                                                        "teacher_return_pano_action_radioButton"};
        QTest::newRow("tracking mode") << QStringList{"other_mode_radioButton", "follow_mode_radioButton",
            "binocular_mode_radioButton", "mixed_mode_radioButton", "board_pano_mode_radioButton",
            "lectern_mode_radioButton"};
        QTest::newRow("person size") << QStringList{"full_body_action_radioButton", "half_body_action_radioButton",
            "close_body_action_radioButton", "custom_body_action_radioButton"};
        QTest::newRow("director server") << QStringList{"teacher_director_on_radioButton",
                                                        "teacher_director_off_radioButton"};
    }

    void exclusiveGroups()
    {
        QFETCH(QStringList, members);
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        for (const QString &chosen : members) {
            auto *button = window.findChild<QAbstractButton *>(chosen);
            QVERIFY(button);
            button->setChecked(true);
            for (const QString &other : members)
                QCOMPARE(window.findChild<QAbstractButton *>(other)->isChecked(), other == chosen);
        }
    }

    void enabledStates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        const QStringList disabled = {"teacher_zoom_lineEdit", "teacher_track_region_radioButton",
            "teacher_snapshot_region_radioButton", "teacher_board_region_radioButton",
            "teacher_shield_region_radioButton", "teacher_board_one_checkBox", "teacher_board_two_checkBox",
            "teacher_board_three_checkBox", "teacher_shield_one_checkBox", "teacher_shield_two_checkBox",
            "teacher_shield_three_checkBox", "teacher_shield_four_checkBox", "teacher_ai_detection_pushButton",
            "clear_snapshot_region_pushButton", "del_track_region_pushButton",
            "teacher_showCalibration_Reset_Button", "teacher_showCalibration_Button",
            "teacher_auto_calibration_pushButton"};
        const QStringList enabled = {"teacher_feature_IP_Edit", "teacher_pano_IP_Edit",
            "teacher_feature_connect_Button", "teacher_show_region_checkBox", "teacher_board_effect_list",
            "teacher_show_Calibration_checkBox", "groupBox_36", "lectern_director_port_Edit",
            "lectern_director_ip_Edit", "teacher_basic_settings_widget", "teacher_ptzspeed_level"};
        for (const QString &n : disabled)
            QTest::newRow(qPrintable(n)) << n << false;
        for (const QString &n : enabled)
            QTest::newRow(qPrintable(n)) << n << true;
    }

    void enabledStates()
    {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        auto *w = bare->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->isEnabled(), enabled);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        // Texts that code reads back or that carry meaning in their spelling.
        QTest::newRow("divider") << "teacher_show_param_pushButton" << ">\ne\nx\np\na\nn\nd\n>";
        QTest::newRow("board radio keeps its blanks") << "teacher_board_region_radioButton" << "Board  ";
        QTest::newRow("zoom field") << "teacher_zoom_lineEdit" << "1.0x";
        QTest::newRow("ptz speed") << "teacher_ptzspeed_level" << "10";
        QTest::newRow("director port") << "lectern_director_port_Edit" << "12777";
        QTest::newRow("file path") << "teacher_filepath_lineEdit" << "";
        QTest::newRow("feature version") << "teacher_version_feature_info_label" << "SOC";
        QTest::newRow("pano version") << "teacher_version_pano_info_label" << "SOC";
        QTest::newRow("board detect value") << "teacher_board_detect_label" << "3";
        QTest::newRow("board hold value") << "teacher_board_hold_label" << "5";
        QTest::newRow("board lose value") << "teacher_board_lose_label" << "3";
        QTest::newRow("board space value") << "teacher_board_space_label" << "5";
        QTest::newRow("sensitivity value") << "teacher_sensitivity_label" << "0";
        QTest::newRow("fea distance value") << "teacher_fea_distance_label" << "3.0";
        QTest::newRow("pano distance value") << "teacher_distance_label" << "3.0";
        QTest::newRow("pan offset value") << "teacher_panOffset_label" << "0";
        QTest::newRow("tilt offset value") << "teacher_tiltOffset_label" << "0";
        QTest::newRow("hint strip") << "teacher_tip_label" << "";
        QTest::newRow("feature preview") << "teacher_labVideo_feature" << "";
        QTest::newRow("pano preview") << "teacher_labVideo_pano" << "";
        QTest::newRow("home") << "teacher_ptz_reset_Button" << "Home";
        QTest::newRow("up-left arrow") << "teacher_ptz_leftup_Button" << QString(QChar(0x2196));
        QTest::newRow("down-right arrow") << "teacher_ptz_rightdown_Button" << QString(QChar(0x2198));
        QTest::newRow("tracking start") << "label_107" << "Tracking Start Postion";
    }

    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QObject *obj = bare->findChild<QObject *>(name);
        QVERIFY(obj);
        QCOMPARE(obj->property("text").toString(), text);
    }

    void addressFieldsHoldAddresses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("feature") << "teacher_feature_IP_Edit";
        QTest::newRow("pano") << "teacher_pano_IP_Edit";
        QTest::newRow("director server") << "lectern_director_ip_Edit";
    }

    void addressFieldsHoldAddresses()
    {
        QFETCH(QString, name);
        auto *edit = bare->findChild<QLineEdit *>(name);
        QVERIFY(edit);
        // A dotted IPv4 address of four parts, as the camera links and the settings file take it.
        const QString text = edit->text();
        QCOMPARE(text.count(QLatin1Char('.')), 3);
        QCOMPARE(QHostAddress(text).protocol(), QAbstractSocket::IPv4Protocol);
    }

    void regionToolTips()
    {
        // Each region kind explains itself; the texts start with a line break.
        for (QAbstractButton *b : {static_cast<QAbstractButton *>(form->teacher_track_region_radioButton),
                                   static_cast<QAbstractButton *>(form->teacher_snapshot_region_radioButton),
                                   static_cast<QAbstractButton *>(form->teacher_board_region_radioButton),
                                   static_cast<QAbstractButton *>(form->teacher_shield_region_radioButton)}) {
            QVERIFY2(b->toolTip().startsWith(QStringLiteral("\n1")), qPrintable(b->objectName()));
        }
        QVERIFY(form->teacher_track_region_radioButton->toolTip().contains(
            QStringLiteral("tracking area, \nand the size")));
        QVERIFY(form->teacher_snapshot_region_radioButton->toolTip().endsWith(
            QStringLiteral("[Clear Snapshot Area] button on the right and apply")));
    }

    void startPages()
    {
        QCOMPARE(tabPages(form->tab_teacher_settings),
                 (QStringList{"tab_teacher_target_lost_action", "tab_teacher_multi_objective_action", "tab"}));
        QCOMPARE(tabTitles(form->tab_teacher_settings),
                 (QStringList{"Target Lost Action", "Multi Objective Action", "PTZ Speed"}));
        QCOMPARE(form->tab_teacher_settings->currentIndex(), 0);
        QCOMPARE(tabPages(form->tabWidget_3), (QStringList{"tab_4", "tab_18", "tab_5"}));
        QCOMPARE(tabTitles(form->tabWidget_3),
                 (QStringList{"Pano Lens Pos Calibration", "Pano Focus Mode", QStringLiteral("换向补偿")}));
        QCOMPARE(form->tabWidget_3->currentIndex(), 0);
        QCOMPARE(tabPages(form->tab_teacher_settings_2),
                 (QStringList{"tab_teacher_target_lost_action_3", "tab_teacher_multi_objective_action_3", "tab_14"}));
        QCOMPARE(tabTitles(form->tab_teacher_settings_2),
                 (QStringList{"Track Settings", "Teacher Board Settings", "Tracking_mode"}));
        QCOMPARE(form->tab_teacher_settings_2->currentIndex(), 2);
        QCOMPARE(form->mode_stackedWidget->count(), 2);
        QCOMPARE(form->mode_stackedWidget->widget(0), form->page);
        QCOMPARE(form->mode_stackedWidget->widget(1), form->page_2);
        QCOMPARE(form->mode_stackedWidget->currentIndex(), 0);
        QCOMPARE(tabPages(form->tab_student_settings_2),
                 (QStringList{"tab_teacher_target_lost_action_6", "tab_20"}));
        QCOMPARE(tabTitles(form->tab_student_settings_2),
                 (QStringList{"Lectern Mode Configs", "Director Server Configs"}));
        QCOMPARE(form->tab_student_settings_2->currentIndex(), 0);
    }

    void stackingOrder()
    {
        // Bottom to top. The markers are made before the previews (so they come first in the
        // focus chain) but are painted over them; each overlay is painted over its marker.
        const QStringList expected = {"teacher_labVideo_feature", "line", "line_3", "teacher_obtain_Button",
            "teacher_apply_Button", "teacher_default_Button", "teacher_feature_ip_label", "teacher_feature_IP_Edit",
            "teacher_feature_connect_Button", "teacher_pano_ip_label", "teacher_pano_IP_Edit",
            "teacher_pano_connect_Button", "teacher_startTrack_Button", "teacher_stopTrack_Button",
            "teacher_setPano_Button", "teacher_callPano_Button", "teacher_zoomin_Button", "teacher_zoomout_Button",
            "teacher_ptz_leftdown_Button", "teacher_ptz_down_Button", "teacher_ptz_rightdown_Button",
            "teacher_ptz_left_Button", "teacher_ptz_reset_Button", "teacher_ptz_right_Button",
            "teacher_ptz_leftup_Button", "teacher_ptz_up_Button", "teacher_ptz_rightup_Button",
            "teacher_labVideo_pano", "teacher_feature_calibration_label", "teacher_pano_calibration_label",
            "teacher_show_param_pushButton", "groupBox_2", "groupBox_7", "groupBox_9", "groupBox_10",
            "teacher_pano_region_widget", "tab_teacher_settings", "tabWidget_3", "tab_teacher_settings_2",
            "teacher_preset_list", "label_50", "teacher_zoom_lineEdit", "teacher_delBoardPano_Button",
            "teacher_delPlatform_Button", "teacher_feature_image_max_toolButton", "mode_stackedWidget",
            "teacher_fea_region_widget"};
        QCOMPARE(formcontract::stackingOrder(form->tab_teacher), expected);
        FORM_CHECK(formcontract::checkStackedBelow(form->teacher_labVideo_feature, form->teacher_feature_calibration_label));
        FORM_CHECK(formcontract::checkStackedBelow(form->teacher_feature_calibration_label, form->teacher_fea_region_widget));
        FORM_CHECK(formcontract::checkStackedBelow(form->teacher_labVideo_pano, form->teacher_pano_calibration_label));
        FORM_CHECK(formcontract::checkStackedBelow(form->teacher_pano_calibration_label, form->teacher_pano_region_widget));
        FORM_CHECK(formcontract::checkStackedBelow(form->graphicsView, form->teacher_tip_label));
    }

    void creationOrder()
    {
        // The keyboard focus chain follows the order of creation: the markers first, the
        // feature overlay last.
        QStringList chain;
        QWidget *w = form->tab_teacher->nextInFocusChain();
        for (int guard = 0; w != form->tab_teacher && guard < 2000; ++guard, w = w->nextInFocusChain()) {
            if (w->parentWidget() == form->tab_teacher)
                chain << w->objectName();
        }
        QCOMPARE(chain.value(0), QStringLiteral("teacher_feature_calibration_label"));
        QCOMPARE(chain.value(1), QStringLiteral("teacher_pano_calibration_label"));
        QCOMPARE(chain.value(2), QStringLiteral("teacher_labVideo_feature"));
        QCOMPARE(chain.value(3), QStringLiteral("teacher_labVideo_pano"));
        QCOMPARE(chain.last(), QStringLiteral("teacher_fea_region_widget"));
        QVERIFY(chain.indexOf("teacher_ptz_leftdown_Button") < chain.indexOf("teacher_ptz_leftup_Button"));
        QVERIFY(chain.indexOf("teacher_preset_list") < chain.indexOf("label_50"));
    }

    void overlaysReceiveTheMouse()
    {
        // Whatever lies under the pointer on each preview is its overlay: the region view on
        // the pano picture, the plain overlay on the feature picture.
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint panoCentre = ui.teacher_labVideo_pano->geometry().center();
        QVERIFY(ui.teacher_pano_calibration_label->geometry().contains(panoCentre));
        QCOMPARE(ui.tab_teacher->childAt(panoCentre), ui.graphicsView->viewport());
        const QPoint featureCentre = ui.teacher_labVideo_feature->geometry().center();
        QVERIFY(ui.teacher_feature_calibration_label->geometry().contains(featureCentre));
        QCOMPARE(ui.tab_teacher->childAt(featureCentre), ui.teacher_fea_region_widget);
        // The hint strip along the pano picture's bottom edge lies over the view.
        const QPoint strip = ui.teacher_tip_label->geometry().center() + ui.teacher_pano_region_widget->pos();
        QCOMPARE(ui.tab_teacher->childAt(strip), ui.teacher_tip_label);
        // Nothing covers the enlarge button at the feature preview's corner.
        const QPoint corner = ui.teacher_feature_image_max_toolButton->geometry().center();
        QCOMPARE(ui.tab_teacher->childAt(corner), ui.teacher_feature_image_max_toolButton);
    }

    void padButtons_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"teacher_ptz_leftup_Button", "teacher_ptz_up_Button", "teacher_ptz_rightup_Button",
                              "teacher_ptz_left_Button", "teacher_ptz_reset_Button", "teacher_ptz_right_Button",
                              "teacher_ptz_leftdown_Button", "teacher_ptz_down_Button",
                              "teacher_ptz_rightdown_Button", "teacher_zoomin_Button", "teacher_zoomout_Button"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }

    void padButtons()
    {
        // Holding a drive button sends one press and one release: the camera moves until the
        // release, so a repeating button would flood it with commands.
        QFETCH(QString, name);
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *button = window.findChild<QPushButton *>(name);
        QVERIFY(button);
        QVERIFY(!button->autoRepeat());
        QVERIFY(!button->isCheckable());
        QSignalSpy pressed(button, &QAbstractButton::pressed);
        QSignalSpy released(button, &QAbstractButton::released);
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(released.count(), 1);
        QCOMPARE(clicked.count(), 1);
    }

    void aiDetectionToggles()
    {
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        QVERIFY(ui.teacher_ai_detection_pushButton->isCheckable());
        ui.teacher_ai_detection_pushButton->setEnabled(true);
        ui.teacher_ai_detection_pushButton->click();
        QVERIFY(ui.teacher_ai_detection_pushButton->isChecked());
        ui.teacher_ai_detection_pushButton->click();
        QVERIFY(!ui.teacher_ai_detection_pushButton->isChecked());
    }

    void fieldLimits()
    {
        QCOMPARE(form->teacher_ptzspeed_level->maxLength(), 10);
        QVERIFY(!form->teacher_ptzspeed_level->validator()); // the set-up installs it
        QCOMPARE(form->teacher_zoom_lineEdit->alignment(), Qt::AlignCenter);
        QCOMPARE(form->teacher_labVideo_feature->size(), QSize(480, 270));
        QCOMPARE(form->teacher_labVideo_feature->minimumSize(), QSize(480, 270));
        QCOMPARE(form->teacher_labVideo_feature->maximumSize(), QSize(480, 270));
        QCOMPARE(form->graphicsView->geometry(), QRect(0, 0, 480, 270));
        QCOMPARE(form->graphicsView->styleSheet(), QStringLiteral("background: transparent;border:0px"));
        QVERIFY(!form->teacher_feature_calibration_label->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!form->teacher_pano_calibration_label->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!form->teacher_feature_image_max_toolButton->icon().isNull());
    }

    void retranslateRestoresFormTexts()
    {
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        ui.teacher_feature_IP_Edit->setText(QStringLiteral("10.0.0.9"));
        ui.teacher_pano_IP_Edit->setText(QStringLiteral("10.0.0.8"));
        ui.teacher_zoom_lineEdit->setText(QStringLiteral("7.5x"));
        ui.teacher_ptzspeed_level->setText(QStringLiteral("4"));
        ui.lectern_director_port_Edit->setText(QStringLiteral("1"));
        ui.teacher_board_hold_label->setText(QStringLiteral("17"));
        ui.teacher_fea_distance_label->setText(QStringLiteral("9.9"));
        ui.teacher_preset_list->setCurrentIndex(3);
        ui.teacher_board_hold_Slider->setValue(17);
        ui.teacher_hold_time_label->setValue(1);
        ui.tab_teacher_settings_2->setCurrentIndex(0);
        ui.teacher_shield_two_checkBox->setChecked(true);

        ui.retranslateUi(&window);

        QCOMPARE(ui.teacher_feature_IP_Edit->text(), form->teacher_feature_IP_Edit->text());
        QCOMPARE(ui.teacher_pano_IP_Edit->text(), form->teacher_pano_IP_Edit->text());
        QCOMPARE(ui.teacher_zoom_lineEdit->text(), QStringLiteral("1.0x"));
        QCOMPARE(ui.teacher_ptzspeed_level->text(), QStringLiteral("10"));
        QCOMPARE(ui.lectern_director_port_Edit->text(), QStringLiteral("12777"));
        QCOMPARE(ui.teacher_board_hold_label->text(), QStringLiteral("5"));
        QCOMPARE(ui.teacher_fea_distance_label->text(), QStringLiteral("3.0"));
        // Choices, values and pages stay.
        QCOMPARE(ui.teacher_preset_list->currentIndex(), 3);
        QCOMPARE(ui.teacher_preset_list->currentText(), QStringLiteral("Num 3 : Right Board"));
        QCOMPARE(ui.teacher_board_hold_Slider->value(), 17);
        QCOMPARE(ui.teacher_hold_time_label->value(), 1);
        QCOMPARE(ui.tab_teacher_settings_2->currentIndex(), 0);
        QVERIFY(ui.teacher_shield_two_checkBox->isChecked());
    }

    // ---- the start state the window's set-up leaves

    void setUpHides_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"teacher_board_hand_enable_checkBox", "teacher_tip_label", "label_persontrack",
                              "teacher_feature_persontrack_comboBox", "teacher_zoom_lineEdit",
                              "teacher_board_effect_list", "lectern_mode_radioButton",
                              "teacher_feature_image_max_toolButton", "teacher_auto_calibration_pushButton",
                              "teacher_feature_calibration_label", "teacher_pano_calibration_label", "label_54",
                              "label_190", "teacher_board_lose_Slider", "teacher_board_lose_label", "label_189",
                              "label_191", "teacher_board_space_Slider", "teacher_board_space_label", "label_192"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }

    void setUpHides()
    {
        QFETCH(QString, name);
        QWidget *w = holder.window->findChild<QWidget *>(name);
        QVERIFY(w);
        QVERIFY(w->isHidden());
        QVERIFY(!bare->findChild<QWidget *>(name)->isHidden()); // the form shows it
    }

    void setUpState()
    {
        MainWindow *w = holder.window.get();
        // Only the lens calibration page stays in tabWidget_3.
        QCOMPARE(tabPages(w->ui->tabWidget_3), QStringList{"tab_4"});
        QCOMPARE(tabTitles(w->ui->tabWidget_3), QStringList{"Pano Lens Pos Calibration"});
        QVERIFY(w->ui->teacher_pano_auto_mode_Button->isChecked());
        QVERIFY(!w->ui->teacher_pano_manual_mode_Button->isChecked());
        QVERIFY(!w->ui->groupBox_36->isEnabled());
        QVERIFY(!w->ui->teacher_director_on_radioButton->isEnabled());
        QVERIFY(w->ui->teacher_feature_connect_Button->isDefault());
        QCOMPARE(w->focusWidget(), static_cast<QWidget *>(w->ui->teacher_feature_connect_Button));
        // No tracking mode is chosen before the settings are read, so the form's preset list stays.
        QVERIFY(!w->ui->other_mode_radioButton->isChecked());
        QCOMPARE(comboItems(w->ui->teacher_preset_list), comboItems(form->teacher_preset_list));
        // The stack and the lectern page are as the form left them.
        QCOMPARE(w->ui->mode_stackedWidget->currentIndex(), 0);
        QCOMPARE(w->ui->tab_teacher_settings_2->currentIndex(), 2);
    }

    void ptzSpeedValidator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::newRow("10") << "10" << int(QValidator::Acceptable);
        QTest::newRow("0") << "0" << int(QValidator::Acceptable);
        QTest::newRow("9") << "9" << int(QValidator::Acceptable);
        QTest::newRow("empty") << "" << int(QValidator::Acceptable);
        QTest::newRow("11") << "11" << int(QValidator::Invalid);
        QTest::newRow("100") << "100" << int(QValidator::Invalid);
        QTest::newRow("05") << "05" << int(QValidator::Invalid);
        QTest::newRow("-1") << "-1" << int(QValidator::Invalid);
        QTest::newRow("letter") << "a" << int(QValidator::Invalid);
        QTest::newRow("blank") << " " << int(QValidator::Invalid);
    }

    void ptzSpeedValidator()
    {
        QFETCH(QString, text);
        QFETCH(int, state);
        const QValidator *validator = holder.window->ui->teacher_ptzspeed_level->validator();
        QVERIFY(validator);
        int pos = text.size();
        QCOMPARE(int(validator->validate(text, pos)), state);
    }
};

QTEST_MAIN(tst_Teacher)
#include "tst_teacher_tab.moc"
