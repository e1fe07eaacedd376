#pragma once

#include "model/camera_slot.h"
#include "model/section_values.h"
#include "protocol/request_poller.h"
#include "regions/teacher_regions.h"
#include "settings/port_forward.h"
#include "support/calibration_view.h"
#include "support/form_widgets.h"
#include "tabs/tracking_side.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

class CameraPorts;
class CameraSlots;
class ControlLink;
class LecternMode;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QTabWidget;

#define TEACHER_TAB_WIDGETS(X) \
    X(QRadioButton, binocular_mode_radioButton) \
    X(QRadioButton, board_pano_mode_radioButton) \
    X(QRadioButton, follow_mode_radioButton) \
    X(QGroupBox, groupBox_36) \
    X(QRadioButton, lectern_mode_radioButton) \
    X(QRadioButton, mixed_mode_radioButton) \
    X(QStackedWidget, mode_stackedWidget) \
    X(QRadioButton, other_mode_radioButton) \
    X(QPushButton, teacher_apply_Button) \
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
    X(QSlider, teacher_board_space_Slider) \
    X(QLabel, teacher_board_space_label) \
    X(QComboBox, teacher_config_comboBox) \
    X(QPushButton, teacher_default_Button) \
    X(QSlider, teacher_distance_Slider) \
    X(QLabel, teacher_distance_label) \
    X(QSlider, teacher_fea_distance_Slider) \
    X(QLabel, teacher_fea_distance_label) \
    X(QRadioButton, teacher_feature_location_radioButton) \
    X(QComboBox, teacher_feature_persontrack_comboBox) \
    X(QCheckBox, teacher_feature_tracking_checkBox) \
    X(QSpinBox, teacher_hold_time_label) \
    X(QCheckBox, teacher_manual_focus_checkBox) \
    X(QRadioButton, teacher_none_action_radioButton) \
    X(QPushButton, teacher_obtain_Button) \
    X(QSlider, teacher_panOffset_Slider) \
    X(QLabel, teacher_panOffset_label) \
    X(QRadioButton, teacher_pano_action_radioButton) \
    X(QRadioButton, teacher_pano_auto_mode_Button) \
    X(QRadioButton, teacher_pano_manual_mode_Button) \
    X(QRadioButton, teacher_platform_action_radioButton) \
    X(QComboBox, teacher_preset_list) \
    X(QLineEdit, teacher_ptzspeed_level) \
    X(QRadioButton, teacher_return_pano_action_radioButton) \
    X(QSlider, teacher_sensitivity_Slider) \
    X(QLabel, teacher_sensitivity_label) \
    X(QPushButton, teacher_startTrack_Button) \
    X(QCheckBox, teacher_starting_up_checkBox) \
    X(QPushButton, teacher_stopTrack_Button) \
    X(QRadioButton, teacher_student_pano_action_radioButton) \
    X(QSpinBox, teacher_target_lost_delay_label) \
    X(QSlider, teacher_tiltOffset_Slider) \
    X(QLabel, teacher_tiltOffset_label) \
    X(QLabel, teacher_version_feature_info_label) \
    X(QLabel, teacher_version_pano_info_label) \
    X(QCheckBox, teacher_vertical_movement_checkBox) \
    X(QLabel, label_56) \
    X(QLabel, label_93) \
    X(QLabel, label_99) \
    X(QWidget, teacher_basic_settings_widget) \
    X(QWidget, teacher_target_list_action_delay_widget) \
    X(QTabWidget, tabWidget_3) \
    X(QLabel, label_persontrack) \
    X(QWidget, tab_5) \
    X(QWidget, tab_18)

// What the Teacher tab tells the features around it.
class TeacherTabSignals : public QObject
{
    Q_OBJECT

signals:
    // Locks (false) or opens the controls of camera group 0 teacher, 1 student or 2 board; every
    // tab but the current one.
    void widget_status_wanted(int camera, bool enable);
    void tabs_enabled_wanted(bool enable);
    // An Obtain or Apply waits for its answer; a silent one ends without a success box.
    void request_armed(request_poller::Kind kind, bool silent);
    // The side's tracking started or stopped.
    void tracking_switched(camera_slot::Side side, bool start);
    // The side's region display box usable or not.
    void region_display_enabled_wanted(camera_slot::Side side, bool enable);
    // The preset list points the teacher pad at the pano camera and at its crop picture.
    void pad_redirection_changed(bool to_pano, bool crop);
};

// The Teacher tab: Apply and Obtain of the teacher parameter block, the teacher key table of a
// reply, the "Apply(*)" marks and slider labels of its controls, Default, the tracking start and
// stop with the configuration switch and the pano focus buttons, and the tracking mode radios
// with their settings page (the lectern page is LecternMode's) and preset list.
class TeacherTab : public TeacherTabSignals, private TrackingSide::Host
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        TEACHER_TAB_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // values: the teacher section the tab shows and edits; port_fields: the recording host's
    // address for the teacher camera, while its ports are mapped; choices: the camera layout;
    // regions: the scene's regions an Apply carries and an Obtain redraws; calibration: while the
    // view shows, the level field keeps its own speed; cur_track_status is shared with the status
    // replies; loading_config is the settings load's.
    TeacherTab(const Widgets &widgets, TeacherSection &values, const CameraSlots &cameras, const CameraPorts &ports,
               const portforward::Fields &port_fields, const WindowChoices &choices, ControlLink &link,
               LecternMode &lectern, TeacherRegions &regions, const CalibrationView &calibration,
               int &cur_track_status, const bool &loading_config, QWidget *window);

    // The Obtain; a silent one (the re-obtain after an apply) ends without a success box.
    void teacher_obtain(bool silent);
    // The Apply block as the tab now stands, the scene's regions as last collected.
    QString teacher_apply_text();
    void read_teacher_section(const QString &text);
    // The settings file read the teacher group into the section: the tab shows it.
    void show_stored();
    // The tab's values count as applied (a fresh installation's defaults).
    void show_applied();
    // The tab's controls usable or not (camera group 0); the board space slider never is.
    void enable_group_controls(int camera, bool enable);
    // The two-camera layout has one camera per side: the second camera's controls go off.
    void follow_layout(int layout);
    // The feature tracking and board pano controls that the set-up offers.
    void show_unused_controls(bool shown);
    // What the side's cameras letting go takes from the tab: the feature camera's model
    // controls, the pano camera's versions; with both cameras gone, the lectern mode.
    void feature_camera_released(camera_slot::Side side);
    // The close-up camera named its model: the controls that model has show.
    void feature_model_known(camera_slot::Side side, const QString &model);
    // The pano camera on the tab told its focus mode.
    void focus_mode_reported(camera_slot::Side side, bool manual);
    // The preset list's PTZ target follows the model now known.
    void preset_target_known();
    // Something stored on the side's camera beside the tab's controls (a preset, a calibration, a
    // region) is not applied as the tab stands: the teacher side's marks the Apply.
    void mark_side_changed(camera_slot::Side side);
    // The side's Apply shows the tab applied (the snapshot region chosen).
    void show_side_applied(camera_slot::Side side);
    // The snapshot effect list goes with the region controls.
    void enable_board_effect(bool enable);
    // The calibration cross slows the side's pad to level 1 while it shows; then the level last
    // applied or obtained comes back.
    void pad_slowed(camera_slot::Side side, bool slow);
    void pano_camera_released(camera_slot::Side side);
    void teacher_cameras_gone();
    // Obtain and Apply wait for the side's pano reply (the teacher side's only).
    void side_track_check(camera_slot::Side side, bool enable);
    void teacher_track_check(bool enable);
    void set_teacher_obtain_apply_enabled(bool enable);
    void set_teacher_config_combo(int index);
    // The three-presets mode has its own preset list (centre board and board pano, no platform):
    // the list the settings file chose the stored mode's entry in.
    void fill_mode_preset_list();
    // Stops the camera's tracking when it tracks and its pano camera is still connected.
    // An M19 camera's lectern director settings follow its tracking.
    void set_lectern_director_enabled(bool enable);
    void stop_tracking();
    bool customer_model_flag() const { return m_values.customer_model; }
    // The PTZ speed level last applied or obtained (the calibration cross goes back to it).
    int ptzspeed_saved() const { return teacher_ptzspeed_value; }
    void set_customer_model_flag(bool flag) { m_values.customer_model = flag; }

    void on_teacher_apply_Button_clicked();
    void on_teacher_obtain_Button_clicked();
    void on_teacher_none_action_radioButton_clicked();
    void on_teacher_pano_action_radioButton_clicked();
    void on_teacher_platform_action_radioButton_clicked();
    void on_teacher_student_pano_action_radioButton_clicked();
    void on_teacher_starting_up_checkBox_clicked();
    void on_teacher_manual_focus_checkBox_clicked();
    void on_teacher_vertical_movement_checkBox_clicked();
    void on_teacher_feature_tracking_checkBox_clicked();
    void on_teacher_board_enable_checkBox_clicked();
    void on_teacher_board_face_enable_checkBox_clicked();
    void on_teacher_board_hand_enable_checkBox_clicked();
    void on_teacher_sensitivity_Slider_sliderPressed();
    void on_teacher_fea_distance_Slider_sliderPressed();
    void on_teacher_distance_Slider_sliderPressed();
    void on_teacher_panOffset_Slider_sliderPressed();
    void on_teacher_tiltOffset_Slider_sliderPressed();
    void on_teacher_board_detect_Slider_sliderPressed();
    void on_teacher_board_hold_Slider_sliderPressed();
    void on_teacher_board_lose_Slider_sliderPressed();
    void on_teacher_board_space_Slider_sliderPressed();
    void on_teacher_board_effect_list_currentIndexChanged(int index);
    void on_teacher_startTrack_Button_clicked();
    void on_teacher_stopTrack_Button_clicked();
    void on_teacher_config_comboBox_currentIndexChanged(int index);
    void on_teacher_config_comboBox_activated(int index);
    void on_teacher_pano_auto_mode_Button_clicked(bool checked);
    void on_teacher_pano_manual_mode_Button_clicked(bool checked);
    void on_lectern_mode_radioButton_clicked(bool checked);
    void on_other_mode_radioButton_clicked(bool checked);
    void on_follow_mode_radioButton_clicked(bool checked);
    void on_binocular_mode_radioButton_clicked(bool checked);
    void on_mixed_mode_radioButton_clicked(bool checked);
    void on_board_pano_mode_radioButton_clicked(bool checked);
    void on_teacher_preset_list_currentIndexChanged(const QString &text);
    void on_teacher_default_Button_clicked();
    void on_teacher_sensitivity_Slider_sliderMoved(int value);
    void on_teacher_sensitivity_Slider_valueChanged(int value);
    void on_teacher_fea_distance_Slider_sliderMoved(int value);
    void on_teacher_fea_distance_Slider_valueChanged(int value);
    void on_teacher_distance_Slider_sliderMoved(int value);
    void on_teacher_distance_Slider_valueChanged(int value);
    void on_teacher_panOffset_Slider_sliderMoved(int value);
    void on_teacher_panOffset_Slider_valueChanged(int value);
    void on_teacher_tiltOffset_Slider_sliderMoved(int value);
    void on_teacher_tiltOffset_Slider_valueChanged(int value);
    void on_teacher_board_detect_Slider_sliderMoved(int value);
    void on_teacher_board_detect_Slider_valueChanged(int value);
    void on_teacher_board_hold_Slider_sliderMoved(int value);
    void on_teacher_board_hold_Slider_valueChanged(int value);
    void on_teacher_board_lose_Slider_sliderMoved(int value);
    void on_teacher_board_lose_Slider_valueChanged(int value);
    void on_teacher_board_space_Slider_sliderMoved(int value);
    void on_teacher_board_space_Slider_valueChanged(int value);
    void on_teacher_hold_time_label_valueChanged(int value);
    void on_teacher_target_lost_delay_label_valueChanged(int value);

private:
    int m_sections_read = 0; // replies read, for an Obtain that waits for its own
    void tracking(bool start) override;
    void enable_region_display(bool enable) override;
    // One side's start or stop: while the teacher camera tracks, the teacher and board tabs are
    // locked.
    void teacher_tracking(bool start);
    void show_teacher_mode(int mode);
    void post_lectern_effect_area();
    bool lectern_model() const;
    void mark_changed();
    // The section follows its widgets.
    void keep_values();
    void slider_moved(SliderText &value, QLabel *label, const QString &text);
    void slider_value_changed(SliderText &value, QLabel *label, int position, const QString &text);

    const Widgets ui;
    TeacherSection &m_values;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    const portforward::Fields &m_port_fields;
    const WindowChoices &m_choices;
    ControlLink &m_link;
    LecternMode &m_lectern;
    TeacherRegions &m_regions;
    const CalibrationView &m_calibration;
    const bool &m_loading_config;
    QWidget *m_window;
    TrackingSide m_side;
    int teacher_ptzspeed_value = 10;
};
