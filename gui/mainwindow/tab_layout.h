#pragma once

#include "model/camera_slot.h"
#include "model/section_values.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

#include <utility>

class CameraSlots;
class ControlLink;
class CustomGraphicsView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QWidget;

#define TAB_LAYOUT_WIDGETS(X) \
    X(QRadioButton, binocular_mode_radioButton) \
    X(QWidget, board_2_connect_widget) \
    X(QWidget, board_2_preset_widget) \
    X(QWidget, board_2_ptz_widget) \
    X(QPushButton, board_apply_Button) \
    X(QPushButton, board_callBoardPano_Button) \
    X(QPushButton, board_callBoardPano_Button_2) \
    X(QPushButton, board_callBoard_one_Button) \
    X(QPushButton, board_callBoard_two_Button) \
    X(QPushButton, board_callBoard_two_Button_2) \
    X(QPushButton, board_default_Button) \
    X(QCheckBox, board_enable_checkBox) \
    X(QCheckBox, board_enable_checkBox_2) \
    X(QLineEdit, board_feature_IP_Edit) \
    X(QPushButton, board_feature_connect_Button) \
    X(QLabel, board_feature_ip_label) \
    X(QLineEdit, board_filepath_lineEdit) \
    X(QRadioButton, board_lose_object_pano_one_radioButton) \
    X(QRadioButton, board_lose_object_pano_two_radioButton) \
    X(QRadioButton, board_multi_object_pano_one_radioButton) \
    X(QRadioButton, board_multi_object_pano_two_radioButton) \
    X(QPushButton, board_obtain_Button) \
    X(QPushButton, board_open_file_pushButton) \
    X(QLineEdit, board_pano_IP_Edit) \
    X(QPushButton, board_pano_connect_Button) \
    X(QRadioButton, board_pano_mode_radioButton) \
    X(QPushButton, board_param_export_pushButton) \
    X(QPushButton, board_param_import_pushButton) \
    X(QPushButton, board_ptz_down_Button) \
    X(QPushButton, board_ptz_down_Button_2) \
    X(QPushButton, board_ptz_left_Button) \
    X(QPushButton, board_ptz_left_Button_2) \
    X(QPushButton, board_ptz_leftdown_Button) \
    X(QPushButton, board_ptz_leftdown_Button_2) \
    X(QPushButton, board_ptz_leftup_Button) \
    X(QPushButton, board_ptz_leftup_Button_2) \
    X(QPushButton, board_ptz_reset_Button) \
    X(QPushButton, board_ptz_reset_Button_2) \
    X(QPushButton, board_ptz_right_Button) \
    X(QPushButton, board_ptz_right_Button_2) \
    X(QPushButton, board_ptz_rightdown_Button) \
    X(QPushButton, board_ptz_rightdown_Button_2) \
    X(QPushButton, board_ptz_rightup_Button) \
    X(QPushButton, board_ptz_rightup_Button_2) \
    X(QPushButton, board_ptz_up_Button) \
    X(QPushButton, board_ptz_up_Button_2) \
    X(QSlider, board_sensitivity_Slider) \
    X(QLabel, board_sensitivity_label) \
    X(QPushButton, board_setBoardPano_Button) \
    X(QPushButton, board_setBoardPano_Button_2) \
    X(QPushButton, board_setBoard_one_Button) \
    X(QPushButton, board_setBoard_two_Button) \
    X(QPushButton, board_setBoard_two_Button_2) \
    X(QPushButton, board_show_osd_menu_pushButton) \
    X(QPushButton, board_show_param_pushButton) \
    X(QCheckBox, board_show_region_checkBox) \
    X(QPushButton, board_startTrack_Button) \
    X(QPushButton, board_stopTrack_Button) \
    X(QSlider, board_target_lost_timeout_Slider) \
    X(QLabel, board_target_lost_timeout_label) \
    X(QPushButton, board_zoomin_Button) \
    X(QPushButton, board_zoomin_Button_2) \
    X(QPushButton, board_zoomout_Button) \
    X(QPushButton, board_zoomout_Button_2) \
    X(QComboBox, choose_camera_comboBox) \
    X(QPushButton, clear_snapshot_region_pushButton) \
    X(QPushButton, del_track_region_pushButton) \
    X(QCheckBox, director_interior_board_blackboard_checkBox) \
    X(QCheckBox, director_interior_board_blackboard_checkBox_2) \
    X(QCheckBox, director_interior_board_blackboard_checkBox_3) \
    X(QLineEdit, director_interior_board_blackboard_lineEdit) \
    X(QLineEdit, director_interior_board_blackboard_lineEdit_2) \
    X(QLineEdit, director_interior_board_blackboard_lineEdit_3) \
    X(QPushButton, director_show_param_pushButton) \
    X(QRadioButton, director_strategy_external_radioButton) \
    X(QRadioButton, follow_mode_radioButton) \
    X(CustomGraphicsView, graphicsView) \
    X(QGroupBox, groupBox_23) \
    X(QGroupBox, groupBox_24) \
    X(QGroupBox, groupBox_25) \
    X(QGroupBox, groupBox_26) \
    X(QLabel, label_104) \
    X(QLabel, label_12) \
    X(QLabel, label_13) \
    X(QLabel, label_32) \
    X(QLabel, label_33) \
    X(QLabel, label_34) \
    X(QLabel, label_43) \
    X(QLabel, label_56) \
    X(QLabel, label_93) \
    X(QLabel, label_99) \
    X(QRadioButton, lectern_mode_radioButton) \
    X(QRadioButton, mixed_mode_radioButton) \
    X(QRadioButton, other_mode_radioButton) \
    X(QPushButton, student_apply_Button) \
    X(QPushButton, student_auto_calibration_pushButton) \
    X(QPushButton, student_callPano_one_Button) \
    X(QLineEdit, student_camera_height_lineEdit) \
    X(QRadioButton, student_cutout_radioButton) \
    X(QPushButton, student_default_Button) \
    X(QRadioButton, student_eptz_radioButton) \
    X(QCheckBox, student_face_detect_checkBox) \
    X(QLineEdit, student_feature_IP_Edit) \
    X(QSpinBox, student_feature_continue_time_label) \
    X(QLineEdit, student_filepath_lineEdit) \
    X(QRadioButton, student_none_action_radioButton) \
    X(QSlider, student_objectsize_Slider) \
    X(QLabel, student_objectsize_label) \
    X(QPushButton, student_obtain_Button) \
    X(QPushButton, student_open_file_pushButton) \
    X(QSlider, student_panOffset_Slider) \
    X(QLabel, student_panOffset_label) \
    X(QLineEdit, student_pano_IP_Edit) \
    X(QRadioButton, student_pano_one_action_radioButton) \
    X(QCheckBox, student_pano_switch_checkBox) \
    X(QPushButton, student_param_export_pushButton) \
    X(QPushButton, student_param_import_pushButton) \
    X(QPushButton, student_ptz_down_Button) \
    X(QPushButton, student_ptz_left_Button) \
    X(QPushButton, student_ptz_leftdown_Button) \
    X(QPushButton, student_ptz_leftup_Button) \
    X(QCheckBox, student_ptz_pano_detect_checkBox) \
    X(QPushButton, student_ptz_reset_Button) \
    X(QPushButton, student_ptz_right_Button) \
    X(QPushButton, student_ptz_rightdown_Button) \
    X(QPushButton, student_ptz_rightup_Button) \
    X(QPushButton, student_ptz_up_Button) \
    X(QLineEdit, student_ptzspeed_level) \
    X(QRadioButton, student_return_pano_action_radioButton) \
    X(QSlider, student_sensitivity_Slider) \
    X(QLabel, student_sensitivity_label) \
    X(QPushButton, student_setPano_one_Button) \
    X(QPushButton, student_showCalibration_Button) \
    X(QPushButton, student_showCalibration_Reset_Button) \
    X(QCheckBox, student_show_Calibration_checkBox) \
    X(QPushButton, student_show_osd_menu_pushButton) \
    X(QPushButton, student_show_param_pushButton) \
    X(QRadioButton, student_small_pano_radioButton) \
    X(QPushButton, student_startTrack_Button) \
    X(QCheckBox, student_starting_up_checkBox) \
    X(QComboBox, student_switch_menu_object_comboBox) \
    X(QSlider, student_target_lost_timeout_Slider) \
    X(QLabel, student_target_lost_timeout_label) \
    X(QSlider, student_tiltOffset_Slider) \
    X(QLabel, student_tiltOffset_label) \
    X(QLabel, student_tip_label) \
    X(QPushButton, student_zoomin_Button) \
    X(QPushButton, student_zoomout_Button) \
    X(QTabWidget, tabWidget) \
    X(QTabWidget, tabWidget_2) \
    X(QTabWidget, tabWidget_3) \
    X(QWidget, tab_board) \
    X(QTabWidget, tab_driector_settings) \
    X(QPushButton, teacher_ai_detection_pushButton) \
    X(QPushButton, teacher_apply_Button) \
    X(QPushButton, teacher_auto_calibration_pushButton) \
    X(QWidget, teacher_basic_settings_widget) \
    X(QSlider, teacher_board_detect_Slider) \
    X(QLabel, teacher_board_detect_label) \
    X(QComboBox, teacher_board_effect_list) \
    X(QCheckBox, teacher_board_enable_checkBox) \
    X(QCheckBox, teacher_board_face_enable_checkBox) \
    X(QCheckBox, teacher_board_hand_enable_checkBox) \
    X(QSlider, teacher_board_hold_Slider) \
    X(QLabel, teacher_board_hold_label) \
    X(QSlider, teacher_board_lose_Slider) \
    X(QLabel, teacher_board_lose_label) \
    X(QCheckBox, teacher_board_one_checkBox) \
    X(QRadioButton, teacher_board_region_radioButton) \
    X(QSlider, teacher_board_space_Slider) \
    X(QLabel, teacher_board_space_label) \
    X(QCheckBox, teacher_board_three_checkBox) \
    X(QCheckBox, teacher_board_two_checkBox) \
    X(QPushButton, teacher_callPano_Button) \
    X(QPushButton, teacher_default_Button) \
    X(QPushButton, teacher_delBoardPano_Button) \
    X(QPushButton, teacher_delPlatform_Button) \
    X(QSlider, teacher_distance_Slider) \
    X(QLabel, teacher_distance_label) \
    X(QSlider, teacher_fea_distance_Slider) \
    X(QLabel, teacher_fea_distance_label) \
    X(QLineEdit, teacher_feature_IP_Edit) \
    X(QRadioButton, teacher_feature_location_radioButton) \
    X(QComboBox, teacher_feature_persontrack_comboBox) \
    X(QCheckBox, teacher_feature_tracking_checkBox) \
    X(QLineEdit, teacher_filepath_lineEdit) \
    X(QSpinBox, teacher_hold_time_label) \
    X(QCheckBox, teacher_manual_focus_checkBox) \
    X(QRadioButton, teacher_navigate_osd_mode_radioButton) \
    X(QRadioButton, teacher_navigate_ptz_mode_radioButton) \
    X(QRadioButton, teacher_none_action_radioButton) \
    X(QPushButton, teacher_obtain_Button) \
    X(QPushButton, teacher_open_file_pushButton) \
    X(QSlider, teacher_panOffset_Slider) \
    X(QLabel, teacher_panOffset_label) \
    X(QLineEdit, teacher_pano_IP_Edit) \
    X(QRadioButton, teacher_pano_action_radioButton) \
    X(QPushButton, teacher_param_export_pushButton) \
    X(QPushButton, teacher_param_import_pushButton) \
    X(QRadioButton, teacher_platform_action_radioButton) \
    X(QPushButton, teacher_ptz_down_Button) \
    X(QPushButton, teacher_ptz_left_Button) \
    X(QPushButton, teacher_ptz_leftdown_Button) \
    X(QPushButton, teacher_ptz_leftup_Button) \
    X(QPushButton, teacher_ptz_reset_Button) \
    X(QPushButton, teacher_ptz_right_Button) \
    X(QPushButton, teacher_ptz_rightdown_Button) \
    X(QPushButton, teacher_ptz_rightup_Button) \
    X(QPushButton, teacher_ptz_up_Button) \
    X(QLineEdit, teacher_ptzspeed_level) \
    X(QRadioButton, teacher_return_pano_action_radioButton) \
    X(QSlider, teacher_sensitivity_Slider) \
    X(QLabel, teacher_sensitivity_label) \
    X(QPushButton, teacher_setPano_Button) \
    X(QPushButton, teacher_showCalibration_Button) \
    X(QPushButton, teacher_showCalibration_Reset_Button) \
    X(QCheckBox, teacher_show_Calibration_checkBox) \
    X(QPushButton, teacher_show_osd_menu_pushButton) \
    X(QPushButton, teacher_show_param_pushButton) \
    X(QRadioButton, teacher_snapshot_region_radioButton) \
    X(QPushButton, teacher_startTrack_Button) \
    X(QCheckBox, teacher_starting_up_checkBox) \
    X(QRadioButton, teacher_student_pano_action_radioButton) \
    X(QComboBox, teacher_switch_menu_object_comboBox) \
    X(QWidget, teacher_target_list_action_delay_widget) \
    X(QSpinBox, teacher_target_lost_delay_label) \
    X(QSlider, teacher_tiltOffset_Slider) \
    X(QLabel, teacher_tiltOffset_label) \
    X(QLabel, teacher_tip_label) \
    X(QCheckBox, teacher_vertical_movement_checkBox) \
    X(QPushButton, teacher_zoomin_Button) \
    X(QPushButton, teacher_zoomout_Button) \
    X(QPushButton, upgrade_show_param_pushButton)

// Which tabs exist and which controls can be used: the camera layout, the cameras' connection
// state and the customer model decide it. Also the tab bar's own behaviour, the window width
// per tab and the fold and expand strips of the parameter panels.
class TabLayout : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        TAB_LAYOUT_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // What the layout needs of the window and of the camera connections.
    class Host
    {
    public:
        virtual ~Host() = default;
        virtual void set_window_size(int width, int height) = 0;
        virtual int window_width() const = 0;
        // The Wizard Config tab was chosen: the window closes and the wizard takes over.
        virtual void close_for_wizard() = 0;
        // Disconnects the board feature and board pano cameras that are connected.
        virtual void release_board_cameras() = 0;
        // The customer model of a side, as the settings file gave it: it has no board cameras.
        virtual bool teacher_customer_model() const = 0;
        virtual bool student_customer_model() const = 0;
        // The side's calibration cross goes off on its pano camera, as an untick of its box does.
        virtual void calibration_cross_off(camera_slot::Side side) = 0;
    };

    // The tab count with and without the Board tab.
    static constexpr int eight_tab = 8;
    static constexpr int seven_tab = 7;

    // choices: the layout list's entry, as the settings file stores it.
    TabLayout(const Widgets &widgets, const CameraSlots &camera_slots, WindowChoices &choices, ControlLink &link,
              Host &host);

    // The layout chosen: 0 to 3 for two, four, five and six cameras.
    int camera_layout() const { return config_number_camera; }
    void set_camera_layout(int layout) { config_number_camera = layout; }
    // Whether the Wizard Config tab asked for the close under way; the request is forgotten as
    // it is read, whatever the close then does.
    bool take_wizard_request() { return std::exchange(wizard_entry_requested, false); }

    // The controls of one camera group (0 teacher, 1 student, 2 board) usable or not.
    void set_widget_status(int camera, bool enable);
    void disable_board_widgets();
    void set_customer_disable();
    // Every tab but the current one, on which a connection or request runs.
    void update_tab_enabled(bool enable);
    void set_student_pan_offset_enabled(bool enable);
    void set_student_tilt_offset_enabled(bool enable);
    void widgetChanged(int layout);
    void set_board_view_status(bool two_boards);
    void remove_unused_tabs(bool remove);
    void toggle_param_panel();
    // Shows a notice on a side's status strip for a second.
    void flash_status_label(bool teacher, const QString &text);

    void on_choose_camera_comboBox_currentIndexChanged(int index);
    void on_tabWidget_currentChanged(int index);
    void on_teacher_show_param_pushButton_clicked();
    void on_student_show_param_pushButton_clicked();
    void on_board_show_param_pushButton_clicked();
    void on_director_show_param_pushButton_clicked();
    void on_upgrade_show_param_pushButton_clicked();

private:
    // The link drives the board cameras by UDP while the Board tab is the current one.
    void tell_link_main_tabs();

    const Widgets ui;
    const CameraSlots &m_slots;
    ControlLink &m_link;
    Host &m_host;
    int config_number_camera = 0;
    bool wizard_entry_requested = false;
};
