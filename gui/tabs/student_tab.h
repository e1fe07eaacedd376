#pragma once

#include "model/camera_slot.h"
#include "model/section_values.h"
#include "model/student_region_points.h"
#include "protocol/request_poller.h"
#include "protocol/student_region_coord.h"
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
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;

#define STUDENT_TAB_WIDGETS(X) \
    X(QSpinBox, director_time_pano_delay_label) \
    X(QPushButton, student_apply_Button) \
    X(QLineEdit, student_camera_height_lineEdit) \
    X(QLineEdit, student_camera_length_lineEdit) \
    X(QComboBox, student_config_comboBox) \
    X(QRadioButton, student_cutout_radioButton) \
    X(QPushButton, student_default_Button) \
    X(QRadioButton, student_eptz_radioButton) \
    X(QCheckBox, student_face_detect_checkBox) \
    X(QSpinBox, student_feature_continue_time_label) \
    X(QRadioButton, student_none_action_radioButton) \
    X(QLineEdit, student_object_height_lineEdit) \
    X(QSlider, student_objectsize_Slider) \
    X(QLabel, student_objectsize_label) \
    X(QPushButton, student_obtain_Button) \
    X(QSlider, student_panOffset_Slider) \
    X(QLabel, student_panOffset_label) \
    X(QRadioButton, student_pano_auto_mode_Button) \
    X(QRadioButton, student_pano_manual_mode_Button) \
    X(QRadioButton, student_pano_one_action_radioButton) \
    X(QCheckBox, student_pano_switch_checkBox) \
    X(QComboBox, student_preset_list) \
    X(QCheckBox, student_ptz_pano_detect_checkBox) \
    X(QLineEdit, student_ptzspeed_level) \
    X(QRadioButton, student_return_pano_action_radioButton) \
    X(QSlider, student_sensitivity_Slider) \
    X(QLabel, student_sensitivity_label) \
    X(QRadioButton, student_small_pano_radioButton) \
    X(QPushButton, student_startTrack_Button) \
    X(QCheckBox, student_starting_up_checkBox) \
    X(QPushButton, student_stopTrack_Button) \
    X(QSlider, student_target_lost_timeout_Slider) \
    X(QLabel, student_target_lost_timeout_label) \
    X(QSlider, student_tiltOffset_Slider) \
    X(QLabel, student_tiltOffset_label) \
    X(QLabel, student_version_feature_info_label) \
    X(QLabel, student_version_pano_info_label) \
    X(QLabel, label_104) \
    X(QLabel, label_12) \
    X(QLabel, label_13) \
    X(QLabel, label_32) \
    X(QLabel, label_33) \
    X(QLabel, label_34) \
    X(QLabel, label_43) \
    X(QTabWidget, tabWidget_2) \
    X(QWidget, tab_19)

// What the Student tab tells the features around it.
class StudentTabSignals : public QObject
{
    Q_OBJECT

signals:
    // Locks (false) or opens the controls of camera group 0 teacher, 1 student or 2 board; every
    // tab but the current one.
    void widget_status_wanted(int camera, bool enable);
    void tabs_enabled_wanted(bool enable);
    // An Obtain or Apply waits for its answer; a silent one ends without a success box.
    void request_armed(request_poller::Kind kind, bool silent);
    // The side's region display box usable or not.
    void region_display_enabled_wanted(camera_slot::Side side, bool enable);
    // The preset list points the student pad at the pano's crop picture.
    void pad_crop_changed(bool crop);
    // A reply named a customer model: the board cameras go.
    void board_controls_disable_wanted();
    // A reply's region keys were read into the section and the points; a reply carried the
    // people number, the calibration height (the list's entry).
    void regions_read(const StudentRegionChecks &checks);
    void people_number_read();
    void calibration_height_reported(int index);
    // The pano camera's own calibration pass failed.
    void autocalibrate_failed();
};

// The Student tab: Apply and Obtain of the student parameter block, the calibration height, the
// student key table of a reply with its points, the "Apply(*)" marks and slider labels of its
// controls, Default, the tracking start and stop with the configuration switch and the pano
// focus buttons, and the student preset list. The region boxes are StudentRegions'.
class StudentTab : public StudentTabSignals, private TrackingSide::Host
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        STUDENT_TAB_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // values: the student section the tab shows and edits; teacher: its customer model takes the
    // board cameras away too; points: the student area, designated, shield and calibration
    // points; port_fields: the recording host's address for the student camera, while its ports
    // are mapped; calibration: while the view shows, the level field keeps its own speed;
    // cur_track_status is shared with the status replies; loading_config is the settings load's.
    StudentTab(const Widgets &widgets, StudentSection &values, const TeacherSection &teacher,
               StudentRegionPoints &points, const CameraSlots &cameras, const CameraPorts &ports,
               const portforward::Fields &port_fields, ControlLink &link, const CalibrationView &calibration,
               int &cur_track_status, const bool &loading_config, QWidget *window);

    // The Obtain; a silent one (after an auto-calibration pass) ends without a success box.
    void student_obtain(bool silent);
    QString student_apply_text();
    void read_student_section(const QString &text);
    // The settings file read a group into the section: the tab shows what it holds of it (the
    // teacher group keeps the student preset).
    void show_stored_preset();
    void show_stored();
    // The tab's values count as applied (a fresh installation's defaults).
    void show_applied();
    // The tab's controls usable or not (camera group 1).
    void enable_group_controls(int camera, bool enable);
    // The two-camera layout has one camera per side: the offsets have nothing to act on.
    void follow_layout(int layout);
    // What the side's cameras letting go takes from the tab: the feature camera's calibration
    // page, the pano camera's versions.
    void feature_camera_released(camera_slot::Side side);
    // The close-up camera named its model: the controls that model has show.
    void feature_model_known(camera_slot::Side side, const QString &model);
    // The pano camera on the tab told its focus mode.
    void focus_mode_reported(camera_slot::Side side, bool manual);
    // The preset list's PTZ target follows the model now known.
    void preset_target_known();
    // Something stored on the side's camera beside the tab's controls (a preset, a calibration, a
    // region) is not applied as the tab stands: the student side's marks the Apply.
    void mark_side_changed(camera_slot::Side side);
    // The calibration cross slows the side's pad to level 1 while it shows; then the level last
    // applied or obtained comes back.
    void pad_slowed(camera_slot::Side side, bool slow);
    // A pair of J57 student cameras: the Apply carries the calibration group.
    void calibration_offered(bool offered) { calibration_offered_now = offered; }
    // The calibration height chosen: the pano camera takes it at once.
    void send_calibration_height(const QString &text);
    void pano_camera_released(camera_slot::Side side);
    // Obtain and Apply wait for the side's pano reply (the student side's only).
    void side_track_check(camera_slot::Side side, bool enable);
    // A failed pass goes to the calibration dialog; a passed one reads the points back.
    void resolve_student_autocalibrate_status(const QString &value);
    // The student point keys one reply carried, converted in place, into the section.
    void apply_student_region_keys(const StudentReplyKeys &carried);
    // The installation position dialog's measures: the camera height, the distance and the
    // object height, to be applied.
    void set_camera_install_pos(const QString &height, const QString &length, const QString &objectHeight);
    void student_track_check(bool enable);
    void set_student_obtain_apply_enabled(bool enable);
    void set_student_config_combo(int index);
    void fill_pano_preset_list();
    // Stops the camera's tracking when it tracks and its pano camera is still connected.
    void stop_tracking();
    // The pano camera's own position calibration: started and stopped from the calibration
    // dialog; without the pano camera the installer is warned.
    void begin_auto_calibrate();
    void end_auto_calibrate();
    void run_auto_calibrate(bool begin) { begin ? begin_auto_calibrate() : end_auto_calibrate(); }
    bool customer_model_flag() const { return m_values.customer_model; }
    // The PTZ speed level last applied or obtained (the calibration cross goes back to it).
    int ptzspeed_saved() const { return student_ptzspeed_saved_level; }
    void set_customer_model_flag(bool flag) { m_values.customer_model = flag; }
    // The student area, designated, shield and calibration points of the panel.
    StudentRegionPoints &points() { return m_points; }
    // The camera speaks the older region format (four designated points).
    bool old_point_format() const { return m_values.old_point_format; }

    void on_student_apply_Button_clicked();
    void on_student_obtain_Button_clicked();
    void on_student_sensitivity_Slider_sliderPressed();
    void on_student_objectsize_Slider_sliderPressed();
    void on_student_panOffset_Slider_sliderPressed();
    void on_student_tiltOffset_Slider_sliderPressed();
    void on_student_target_lost_timeout_Slider_sliderPressed();
    void on_student_none_action_radioButton_clicked();
    void on_student_pano_one_action_radioButton_clicked();
    void on_student_cutout_radioButton_clicked();
    void on_student_eptz_radioButton_clicked();
    void on_student_small_pano_radioButton_clicked();
    void on_student_return_pano_action_radioButton_clicked();
    void on_student_starting_up_checkBox_clicked();
    void on_student_face_detect_checkBox_clicked();
    void on_student_pano_switch_checkBox_clicked();
    void on_student_startTrack_Button_clicked();
    void on_student_stopTrack_Button_clicked();
    void on_student_config_comboBox_currentIndexChanged(int index);
    void on_student_config_comboBox_activated(int index);
    void on_student_pano_auto_mode_Button_clicked(bool checked);
    void on_student_pano_manual_mode_Button_clicked(bool checked);
    void on_student_preset_list_currentIndexChanged(const QString &text);
    void on_student_default_Button_clicked();
    void on_student_sensitivity_Slider_sliderMoved(int value);
    void on_student_sensitivity_Slider_valueChanged(int value);
    void on_student_objectsize_Slider_sliderMoved(int value);
    void on_student_objectsize_Slider_valueChanged(int value);
    void on_student_panOffset_Slider_sliderMoved(int value);
    void on_student_panOffset_Slider_valueChanged(int value);
    void on_student_tiltOffset_Slider_sliderMoved(int value);
    void on_student_tiltOffset_Slider_valueChanged(int value);
    void on_student_target_lost_timeout_Slider_sliderMoved(int value);
    void on_student_target_lost_timeout_Slider_valueChanged(int value);
    void on_student_feature_continue_time_label_valueChanged(const QString &text);
    void on_student_camera_height_lineEdit_textChanged(const QString &text);

private:
    int m_sections_read = 0; // replies read, for an Obtain that waits for its own
    void tracking(bool start) override;
    void enable_region_display(bool enable) override;
    void student_tracking(bool start);
    void auto_calibrate(const char *word);
    // False (and the installer warned) when the pano camera is not connected.
    bool pano_ready_or_warn();
    void send_block(const QString &text);
    void mark_changed();
    // The section follows its widgets.
    void keep_values();
    void slider_moved(SliderText &value, QLabel *label, const QString &text);
    void slider_value_changed(SliderText &value, QLabel *label, int position, const QString &text);

    const Widgets ui;
    StudentSection &m_values;
    const TeacherSection &m_teacher;
    StudentRegionPoints &m_points;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    const portforward::Fields &m_port_fields;
    ControlLink &m_link;
    const CalibrationView &m_calibration;
    const bool &m_loading_config;
    QWidget *m_window;
    TrackingSide m_side;
    // The enable strings and shield values of the last student reply.
    StudentRegionCoord student_region_coord;
    int student_ptzspeed_saved_level = 10;
    bool calibration_offered_now = false;
};
