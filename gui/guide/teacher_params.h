#pragma once

#include "model/guide_data_update_manage.h"
#include "guide/stored_options.h"
#include "model/section_values.h"
#include "protocol/wizard_reply.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

class QCheckBox;
class TrackingTest;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class TeacherRegionStep;
class TrackingModeStep;
class WizardLink;

#define TEACHER_PARAMS_WIDGETS(X) \
    X(QSlider, teacher_board_detect_Slider) \
    X(QLabel, teacher_board_detect_label) \
    X(QCheckBox, teacher_board_enable_checkBox) \
    X(QSlider, teacher_board_hold_Slider) \
    X(QLabel, teacher_board_hold_label) \
    X(QPushButton, teacher_camera_config_pushButton) \
    X(QCheckBox, teacher_manual_focus_checkBox) \
    X(QSlider, teacher_ptzspeed_level_Slider) \
    X(QLabel, teacher_ptzspeed_level_label) \
    X(QCheckBox, teacher_starting_up_checkBox) \
    X(QSlider, teacher_target_lost_timeout_Slider) \
    X(QLabel, teacher_target_lost_timeout_label) \
    X(QCheckBox, teacher_vertical_movement_checkBox) \
    X(QComboBox, multi_objective_action_comboBox) \
    X(QComboBox, target_lost_action_comboBox)

class TeacherParamsSignals : public QObject
{
    Q_OBJECT

signals:
    // A teacher block or the get request went to the teacher pano camera: its echoes are
    // awaited (teacher_apply_pending, teacher_get_pending).
    void teacher_request_sent();
    // The speed slider moved: the pads drive at pan_speed() and tilt_speed().
    void pad_speeds_changed(int pan, int tilt);
};

// The teacher side's parameters in the wizard: the advanced options page, the teacher block
// built from it, the mode step and the region step at the moment of sending, the changed flag
// and the saves that send the block only while the tracking test is not running, the get
// request, and a teacher reply's keys shown on the page.
//
// It owns the page's controls the settings file keeps as well: the file reads and writes them
// through StoredOptions, as a TeacherSection.
class TeacherParams : public TeacherParamsSignals, public StoredOptions<TeacherSection>
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        TEACHER_PARAMS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // addresses: the wizard's copies of its address fields and its layout, kept current by the
    // wizard; tracking: whether the teacher tracking test runs.
    TeacherParams(const Widgets &widgets, WizardLink &link, const TrackingModeStep &mode, TeacherRegionStep &regions,
                  const Guide_Data_Update_Manage &addresses, const TrackingTest &tracking, QWidget *window);

    // The page's values as the block sends them.
    TeacherSection section() const;
    // teacher_params_changed.
    bool params_changed() const { return teacher_params_changed; }
    void mark_changed() { teacher_params_changed = true; }
    void clear_changed() { teacher_params_changed = false; }
    // The PTZ pad's speed levels (1 to 10), from the speed slider.
    int pan_speed() const { return m_pan_speed; }
    int tilt_speed() const { return m_tilt_speed; }

    void teacher_apply();
    // The board block (the blackboard cameras of the layout) through the teacher pano camera.
    void board_apply();
    void saveTeacherParams();
    // sign_teacher_params_complete and the page's controls: wait 200 ms, then save.
    void slot_save_teacher_params();
    void on_teacher_camera_config_pushButton_clicked();
    // A teacher reply's keys onto the page (the mode goes to the mode step).
    void show_reply(const wizard_reply::TeacherKeys &keys);
    // The get request's button (teacher_camera_config_pushButton), with the region step's
    // controls (set_teacher_region_enabled).
    void set_get_request_enabled(bool on);
    // While teacher tracking runs the options that change it are locked (setGuideEnabledStatus).
    void set_options_enabled(bool on);

    // The settings file's keys of the page: the lost and multi-object actions, the lost timeout
    // (its position and its label's number), start-up tracking, focus, vertical movement and the
    // board detection and hold times. Showing them sends nothing and marks nothing changed.
    void store_options(TeacherSection &section) const override;
    void show_options(const TeacherSection &section) override;

private:
    void wire_labels();
    void wire_saves();

    const Widgets ui;
    WizardLink &m_link;
    const TrackingModeStep &m_mode;
    TeacherRegionStep &m_regions;
    const Guide_Data_Update_Manage &m_addresses;
    const TrackingTest &m_tracking;
    // A reply or the stored options are being put on the page: its lists and boxes change one
    // by one, and a save among them would send the camera a block of half its own values and
    // half the page's.
    bool m_showing_reply = false;
    QWidget *m_window;
    bool teacher_params_changed = false;
    int m_pan_speed = 10;
    int m_tilt_speed = 10;
};
