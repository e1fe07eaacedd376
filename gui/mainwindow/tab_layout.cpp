#include "mainwindow/tab_layout.h"

#include "core/wait.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "regions/customgraphicsview.h"
#include "support/value_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

#include <initializer_list>

namespace {

constexpr int kNarrowWidth = 899;   // the window as it starts, the parameter panels folded
constexpr int kWideWidth = 1164;    // a parameter panel unfolded
constexpr int kWindowHeight = 757;
constexpr int kNoticeMs = 1000;     // a status notice stays this long

void set_enabled(std::initializer_list<QWidget *> widgets, bool enable)
{
    for (QWidget *w : widgets)
        w->setEnabled(enable);
}

} // namespace

TabLayout::TabLayout(const Widgets &widgets, const CameraSlots &camera_slots, WindowChoices &choices,
                     ControlLink &link, Host &host)
    : ui(widgets)
    , m_slots(camera_slots)
    , m_link(link)
    , m_host(host)
{
    value_widgets::keep_index(this, ui.choose_camera_comboBox, choices.camera_layout);
    tell_link_main_tabs();
    connect(ui.choose_camera_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TabLayout::on_choose_camera_comboBox_currentIndexChanged);
    connect(ui.tabWidget, &QTabWidget::currentChanged, this, &TabLayout::on_tabWidget_currentChanged);
    connect(ui.teacher_show_param_pushButton, &QPushButton::clicked, this,
            &TabLayout::on_teacher_show_param_pushButton_clicked);
    connect(ui.student_show_param_pushButton, &QPushButton::clicked, this,
            &TabLayout::on_student_show_param_pushButton_clicked);
    connect(ui.board_show_param_pushButton, &QPushButton::clicked, this,
            &TabLayout::on_board_show_param_pushButton_clicked);
    connect(ui.director_show_param_pushButton, &QPushButton::clicked, this,
            &TabLayout::on_director_show_param_pushButton_clicked);
    connect(ui.upgrade_show_param_pushButton, &QPushButton::clicked, this,
            &TabLayout::on_upgrade_show_param_pushButton_clicked);
}

void TabLayout::set_widget_status(int camera, bool enable)
{
    switch (camera) {
    case 0: {
        set_enabled({ui.graphicsView, ui.teacher_feature_IP_Edit, ui.teacher_pano_IP_Edit, ui.teacher_ptz_up_Button,
                     ui.teacher_ptz_down_Button, ui.teacher_ptz_left_Button, ui.teacher_ptz_right_Button,
                     ui.teacher_ptz_leftup_Button, ui.teacher_ptz_leftdown_Button, ui.teacher_ptz_rightup_Button,
                     ui.teacher_ptz_rightdown_Button, ui.teacher_ptz_reset_Button},
                    enable);
        // The M5 pano camera cannot zoom while its calibration cross is shown.
        const bool zoomLocked = m_slots[camera_slot::Slot::TeacherPano].device_model == QLatin1String("M5")
                                && ui.teacher_show_Calibration_checkBox->isChecked();
        set_enabled({ui.teacher_zoomin_Button, ui.teacher_zoomout_Button}, enable && !zoomLocked);
        set_enabled({ui.teacher_setPano_Button, ui.teacher_callPano_Button, ui.teacher_delBoardPano_Button,
                     ui.teacher_delPlatform_Button, ui.teacher_sensitivity_Slider, ui.teacher_sensitivity_label,
                     ui.teacher_fea_distance_Slider, ui.teacher_fea_distance_label, ui.teacher_distance_Slider,
                     ui.teacher_distance_label, ui.teacher_panOffset_Slider, ui.teacher_panOffset_label,
                     ui.teacher_tiltOffset_Slider, ui.teacher_tiltOffset_label},
                    enable);
        set_enabled({ui.teacher_showCalibration_Button, ui.teacher_showCalibration_Reset_Button,
                     ui.teacher_auto_calibration_pushButton},
                    enable && ui.teacher_show_Calibration_checkBox->isChecked());
        set_enabled({ui.teacher_feature_persontrack_comboBox, ui.teacher_navigate_ptz_mode_radioButton,
                     ui.teacher_navigate_osd_mode_radioButton, ui.teacher_switch_menu_object_comboBox,
                     ui.teacher_show_osd_menu_pushButton, ui.teacher_none_action_radioButton,
                     ui.teacher_pano_action_radioButton, ui.teacher_platform_action_radioButton,
                     ui.teacher_student_pano_action_radioButton, ui.teacher_target_lost_delay_label,
                     ui.teacher_hold_time_label, ui.label_99, ui.label_56, ui.label_93, ui.teacher_ptzspeed_level,
                     ui.teacher_board_enable_checkBox, ui.teacher_board_face_enable_checkBox,
                     ui.teacher_board_hand_enable_checkBox, ui.teacher_board_detect_Slider,
                     ui.teacher_board_detect_label, ui.teacher_board_hold_Slider, ui.teacher_board_hold_label,
                     ui.teacher_board_lose_Slider, ui.teacher_board_lose_label},
                    enable);
        set_enabled({ui.teacher_board_space_Slider, ui.teacher_board_space_label}, false);
        set_enabled({ui.teacher_starting_up_checkBox, ui.teacher_manual_focus_checkBox,
                     ui.teacher_vertical_movement_checkBox, ui.teacher_feature_tracking_checkBox,
                     ui.teacher_param_export_pushButton, ui.teacher_param_import_pushButton,
                     ui.teacher_filepath_lineEdit, ui.teacher_open_file_pushButton, ui.teacher_obtain_Button,
                     ui.teacher_apply_Button, ui.teacher_default_Button, ui.teacher_startTrack_Button,
                     ui.teacher_feature_location_radioButton, ui.teacher_return_pano_action_radioButton,
                     ui.binocular_mode_radioButton, ui.follow_mode_radioButton, ui.mixed_mode_radioButton,
                     ui.board_pano_mode_radioButton, ui.other_mode_radioButton, ui.lectern_mode_radioButton,
                     ui.teacher_board_effect_list},
                    enable);
        if (m_host.teacher_customer_model())
            set_enabled({ui.teacher_show_Calibration_checkBox, ui.teacher_showCalibration_Button,
                         ui.teacher_showCalibration_Reset_Button},
                        false);
        break;
    }
    case 1: {
        set_enabled({ui.student_feature_IP_Edit, ui.student_pano_IP_Edit, ui.student_ptz_up_Button,
                     ui.student_ptz_down_Button, ui.student_ptz_left_Button, ui.student_ptz_right_Button,
                     ui.student_ptz_leftup_Button, ui.student_ptz_leftdown_Button, ui.student_ptz_rightup_Button,
                     ui.student_ptz_rightdown_Button, ui.student_ptz_reset_Button},
                    enable);
        const QString &panoModel = m_slots[camera_slot::Slot::StudentPano].device_model;
        const bool zoomLocked = (panoModel == QLatin1String("M19") || panoModel == QLatin1String("M5"))
                                && ui.student_show_Calibration_checkBox->isChecked();
        set_enabled({ui.student_zoomin_Button, ui.student_zoomout_Button}, enable && !zoomLocked);
        set_enabled({ui.student_setPano_one_Button, ui.student_callPano_one_Button, ui.student_sensitivity_Slider,
                     ui.student_sensitivity_label, ui.student_objectsize_Slider, ui.student_objectsize_label,
                     ui.student_panOffset_Slider, ui.student_panOffset_label, ui.student_tiltOffset_Slider,
                     ui.student_tiltOffset_label, ui.student_feature_continue_time_label, ui.label_104,
                     ui.student_ptzspeed_level},
                    enable);
        set_enabled({ui.student_showCalibration_Button, ui.student_showCalibration_Reset_Button,
                     ui.student_auto_calibration_pushButton},
                    enable && ui.student_show_Calibration_checkBox->isChecked());
        set_enabled({ui.student_camera_height_lineEdit, ui.student_eptz_radioButton, ui.student_cutout_radioButton,
                     ui.student_switch_menu_object_comboBox, ui.student_show_osd_menu_pushButton,
                     ui.student_none_action_radioButton, ui.student_pano_one_action_radioButton,
                     ui.student_target_lost_timeout_Slider, ui.student_target_lost_timeout_label,
                     ui.student_small_pano_radioButton, ui.student_return_pano_action_radioButton,
                     ui.student_ptz_pano_detect_checkBox, ui.student_starting_up_checkBox,
                     ui.student_face_detect_checkBox, ui.student_pano_switch_checkBox,
                     ui.student_param_export_pushButton, ui.student_param_import_pushButton,
                     ui.student_filepath_lineEdit, ui.student_open_file_pushButton, ui.student_obtain_Button,
                     ui.student_apply_Button, ui.student_default_Button, ui.student_startTrack_Button},
                    enable);
        if (m_host.student_customer_model())
            set_enabled({ui.student_show_Calibration_checkBox, ui.student_showCalibration_Button,
                         ui.student_showCalibration_Reset_Button, ui.student_auto_calibration_pushButton},
                        false);
        break;
    }
    case 2:
        set_enabled({ui.board_feature_IP_Edit, ui.board_pano_IP_Edit, ui.board_ptz_up_Button, ui.board_ptz_down_Button,
                     ui.board_ptz_left_Button, ui.board_ptz_right_Button, ui.board_ptz_leftup_Button,
                     ui.board_ptz_leftdown_Button, ui.board_ptz_rightup_Button, ui.board_ptz_rightdown_Button,
                     ui.board_ptz_reset_Button, ui.board_zoomin_Button, ui.board_zoomout_Button,
                     ui.board_setBoard_one_Button, ui.board_callBoard_one_Button, ui.board_sensitivity_Slider,
                     ui.board_sensitivity_label, ui.board_target_lost_timeout_Slider,
                     ui.board_target_lost_timeout_label, ui.board_enable_checkBox, ui.board_ptz_leftup_Button_2,
                     ui.board_ptz_up_Button_2, ui.board_ptz_rightup_Button_2, ui.board_ptz_left_Button_2,
                     ui.board_ptz_reset_Button_2, ui.board_ptz_right_Button_2, ui.board_ptz_leftdown_Button_2,
                     ui.board_ptz_down_Button_2, ui.board_ptz_rightdown_Button_2, ui.board_zoomin_Button_2,
                     ui.board_zoomout_Button_2, ui.board_setBoard_two_Button_2, ui.board_callBoard_two_Button_2,
                     ui.board_setBoardPano_Button_2, ui.board_callBoardPano_Button_2, ui.board_enable_checkBox_2,
                     ui.board_show_osd_menu_pushButton, ui.board_multi_object_pano_one_radioButton,
                     ui.board_lose_object_pano_one_radioButton, ui.board_multi_object_pano_two_radioButton,
                     ui.board_lose_object_pano_two_radioButton, ui.board_setBoard_two_Button,
                     ui.board_callBoard_two_Button, ui.board_setBoardPano_Button, ui.board_callBoardPano_Button,
                     ui.board_param_export_pushButton, ui.board_param_import_pushButton, ui.board_filepath_lineEdit,
                     ui.board_open_file_pushButton, ui.board_obtain_Button, ui.board_apply_Button,
                     ui.board_default_Button, ui.board_startTrack_Button},
                    enable);
        break;
    default:
        break;
    }
}

void TabLayout::disable_board_widgets()
{
    set_widget_status(2, false);
    set_enabled({ui.board_feature_connect_Button, ui.board_pano_connect_Button, ui.board_show_region_checkBox,
                 ui.board_stopTrack_Button, ui.groupBox_23, ui.groupBox_24, ui.groupBox_25, ui.groupBox_26,
                 ui.director_strategy_external_radioButton, ui.director_interior_board_blackboard_checkBox,
                 ui.director_interior_board_blackboard_lineEdit},
                false);
    if (m_host.teacher_customer_model())
        set_enabled({ui.teacher_board_region_radioButton, ui.teacher_board_one_checkBox, ui.teacher_board_two_checkBox,
                     ui.teacher_board_three_checkBox, ui.teacher_showCalibration_Button,
                     ui.teacher_showCalibration_Reset_Button, ui.teacher_auto_calibration_pushButton},
                    false);
    if (m_host.student_customer_model())
        set_enabled({ui.student_showCalibration_Button, ui.student_showCalibration_Reset_Button,
                     ui.student_auto_calibration_pushButton},
                    false);
}

void TabLayout::set_customer_disable()
{
    if (m_host.teacher_customer_model() || m_host.student_customer_model())
        disable_board_widgets();
}

void TabLayout::update_tab_enabled(bool enable)
{
    const int count = ui.tabWidget->count();
    const int current = ui.tabWidget->currentIndex();
    qDebug() << "tabCount:" << count - 1 << ",localCurrentIndex:" << current;
    // The current tab stays usable: a connection or request runs on it.
    for (int i = 0; i < count; ++i) {
        if (i != current)
            ui.tabWidget->setTabEnabled(i, enable);
    }
}

void TabLayout::set_student_pan_offset_enabled(bool enable)
{
    set_enabled({ui.label_12, ui.label_43, ui.student_panOffset_Slider, ui.student_panOffset_label, ui.label_33},
                enable);
}

void TabLayout::set_student_tilt_offset_enabled(bool enable)
{
    set_enabled({ui.label_13, ui.label_32, ui.student_tiltOffset_Slider, ui.student_tiltOffset_label, ui.label_34},
                enable);
}

void TabLayout::widgetChanged(int layout)
{
    qDebug() << "MainWindow::widgetChanged:" << layout;
    if (layout < 0 || layout > 3)
        return;

    // With two cameras each side has one camera serving as close-up and panorama: the
    // distance and offset rows, manual focus and the lost-target delay have nothing to act on,
    // and the calibration pages only make sense on an R6 close-up camera.
    const bool two = layout == 0;
    ui.teacher_basic_settings_widget->setEnabled(!two);
    const CameraSlotRecord &teacherFeature = m_slots[camera_slot::Slot::TeacherFeature];
    const CameraSlotRecord &studentFeature = m_slots[camera_slot::Slot::StudentFeature];
    ui.tabWidget_3->setEnabled(!two || (teacherFeature.device_model == QLatin1String("R6") && teacherFeature.udp_flag));
    set_student_pan_offset_enabled(!two);
    set_student_tilt_offset_enabled(!two);
    ui.tabWidget_2->setEnabled(!two || (studentFeature.device_model == QLatin1String("R6") && studentFeature.udp_flag));
    ui.teacher_manual_focus_checkBox->setEnabled(!two);
    ui.teacher_target_list_action_delay_widget->setEnabled(!two);
    if (two) {
        // Unticked as by a click, so the calibration cross goes off on the camera too.
        for (camera_slot::Side side : {camera_slot::Side::Teacher, camera_slot::Side::Student}) {
            QCheckBox *box = side == camera_slot::Side::Teacher ? ui.teacher_show_Calibration_checkBox
                                                                : ui.student_show_Calibration_checkBox;
            if (box->isChecked()) {
                box->setChecked(false);
                m_host.calibration_cross_off(side);
            }
        }
    }

    const int count = ui.tabWidget->count();
    if (layout <= 1) {
        if (count == eight_tab && ui.tabWidget->indexOf(ui.tab_board) >= 0)
            ui.tabWidget->removeTab(ui.tabWidget->indexOf(ui.tab_board));
    } else if (count == seven_tab && ui.tabWidget->indexOf(ui.tab_board) < 0) {
        ui.tabWidget->insertTab(2, ui.tab_board, tr("Board"));
    }
    // An inserted tab moves the current index without a signal.
    tell_link_main_tabs();
}

void TabLayout::tell_link_main_tabs()
{
    const int count = ui.tabWidget->count();
    m_link.set_main_tabs(count, count == eight_tab && ui.tabWidget->currentIndex() == 2);
}

void TabLayout::set_board_view_status(bool two_boards)
{
    qDebug() << "MainWindow::set_board_view_status bool=" << (two_boards ? "true" : "false");
    ui.board_setBoard_two_Button->setVisible(!two_boards);
    ui.board_callBoard_two_Button->setVisible(!two_boards);
    ui.board_feature_ip_label->setText(two_boards ? tr("Board 1") : tr("Board IP"));
    ui.board_enable_checkBox->setText(two_boards ? tr("Enable 1") : tr("Enable"));
    ui.board_2_connect_widget->setVisible(two_boards);
    ui.board_2_ptz_widget->setVisible(two_boards);
    ui.board_2_preset_widget->setVisible(two_boards);
    ui.board_enable_checkBox_2->setVisible(two_boards);
    ui.board_enable_checkBox_2->setChecked(two_boards);
    // The interior director sends one blackboard code for one board camera, and a code per
    // board for two.
    ui.director_interior_board_blackboard_checkBox->setVisible(!two_boards);
    ui.director_interior_board_blackboard_lineEdit->setVisible(!two_boards);
    ui.director_interior_board_blackboard_checkBox->setChecked(!two_boards);
    for (QWidget *w : {static_cast<QWidget *>(ui.director_interior_board_blackboard_checkBox_2),
                       static_cast<QWidget *>(ui.director_interior_board_blackboard_lineEdit_2),
                       static_cast<QWidget *>(ui.director_interior_board_blackboard_checkBox_3),
                       static_cast<QWidget *>(ui.director_interior_board_blackboard_lineEdit_3)})
        w->setVisible(two_boards);
    ui.director_interior_board_blackboard_checkBox_2->setChecked(two_boards);
    ui.director_interior_board_blackboard_checkBox_3->setChecked(two_boards);
    if (!two_boards)
        m_host.release_board_cameras();
}

void TabLayout::on_choose_camera_comboBox_currentIndexChanged(int index)
{
    qDebug() << "on_choose_camera_comboBox_currentIndexChanged:" << index;
    config_number_camera = index;
    widgetChanged(index);
    if (index >= 0 && index < 3)
        set_board_view_status(false);
    else if (index == 3)
        set_board_view_status(true);
    if (index == 2 || index == 3)
        m_host.release_board_cameras();
}

void TabLayout::on_tabWidget_currentChanged(int index)
{
    // First: what this tab change leads to may already send.
    tell_link_main_tabs();
    const int count = ui.tabWidget->count();
    qDebug() << " MainWindow::tabWidget index =" << index << ",count=" << count;
    const bool wizardTab = (count == seven_tab && index == 4) || (count == eight_tab && index == 5);
    const bool narrowTab = (count == seven_tab && (index == 5 || index == 6)) || (count == eight_tab && index == 6);
    if (wizardTab) {
        m_host.set_window_size(kNarrowWidth, kWindowHeight);
        wizard_entry_requested = true;
        m_host.close_for_wizard();
    } else if (narrowTab) {
        // These pages have no parameter panel to unfold.
        m_host.set_window_size(kNarrowWidth, kWindowHeight);
    } else {
        qDebug() << " MainWindow::on_tabWidget_currentChanged";
    }
}

void TabLayout::remove_unused_tabs(bool remove)
{
    // The director interval page is never offered; the Teacher tab's snapshot, detection,
    // clearing, preset deleting, feature tracking and board pano controls are (unless removed).
    ui.tab_driector_settings->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui.teacher_snapshot_region_radioButton, ui.teacher_ai_detection_pushButton,
             ui.clear_snapshot_region_pushButton, ui.del_track_region_pushButton, ui.teacher_delBoardPano_Button,
             ui.teacher_delPlatform_Button, ui.teacher_feature_tracking_checkBox, ui.board_pano_mode_radioButton})
        w->setVisible(!remove);
}

void TabLayout::toggle_param_panel()
{
    const int w = m_host.window_width();
    QString strip;
    if (w >= 894 && w <= kNarrowWidth) {
        m_host.set_window_size(kWideWidth, kWindowHeight);
        strip = tr("<\nf\no\nl\nd\n<");
    } else if (w == kWideWidth) {
        m_host.set_window_size(kNarrowWidth, kWindowHeight);
        strip = tr(">\ne\nx\np\na\nn\nd\n>");
    } else {
        return;
    }
    ui.teacher_show_param_pushButton->setText(strip);
    ui.student_show_param_pushButton->setText(strip);
    ui.board_show_param_pushButton->setText(strip);
    ui.director_show_param_pushButton->setText(strip);
}

void TabLayout::flash_status_label(bool teacher, const QString &text)
{
    QLabel *label = teacher ? ui.teacher_tip_label : ui.student_tip_label;
    label->show();
    label->setText(text);
    wait_ms(kNoticeMs);
    label->hide();
}

void TabLayout::on_teacher_show_param_pushButton_clicked() { toggle_param_panel(); }
void TabLayout::on_student_show_param_pushButton_clicked() { toggle_param_panel(); }
void TabLayout::on_board_show_param_pushButton_clicked() { toggle_param_panel(); }
void TabLayout::on_director_show_param_pushButton_clicked() { toggle_param_panel(); }
void TabLayout::on_upgrade_show_param_pushButton_clicked() { toggle_param_panel(); }
