#pragma once

#include "guide/tracking_test.h"
#include "model/camera_slot.h"
#include "protocol/wizard_commands.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

class ArrowKeyViews;
class QCheckBox;
class QPushButton;
class WizardLink;
class WizardRegions;

#define WIZARD_COMMAND_KEYS_WIDGETS(X)                                                                                 \
    X(QPushButton, student_pano_preset)                                                                                \
    X(QPushButton, get_student_pano_preset)                                                                            \
    X(QPushButton, student_pano_crop_preset)                                                                           \
    X(QPushButton, get_student_pano_crop_preset)                                                                       \
    X(QPushButton, teacher_follow_mode_pano_preset)                                                                    \
    X(QPushButton, teacher_follow_mode_platform_preset)                                                                \
    X(QPushButton, teacher_follow_mode_left_preset)                                                                    \
    X(QPushButton, teacher_follow_mode_right_preset)                                                                   \
    X(QPushButton, teacher_follow_mode_board_pano_preset)                                                              \
    X(QPushButton, teacher_follow_mode_pano_crop_preset)                                                               \
    X(QPushButton, board_pano_preset)                                                                                  \
    X(QPushButton, board_left_preset)                                                                                  \
    X(QPushButton, board_right_preset)                                                                                 \
    X(QPushButton, teacher_board_pano_mode_platform_preset)                                                            \
    X(QPushButton, teacher_board_pano_mode_preset)                                                                     \
    X(QPushButton, teacher_board_pano_mode_pano_crop_preset)                                                           \
    X(QPushButton, teacher_three_mode_pano_preset)                                                                     \
    X(QPushButton, teacher_three_mode_left_preset)                                                                     \
    X(QPushButton, teacher_three_mode_center_preset)                                                                   \
    X(QPushButton, teacher_three_mode_right_preset)                                                                    \
    X(QPushButton, teacher_three_mode_board_pano_preset)                                                               \
    X(QPushButton, teacher_three_mode_pano_crop_preset)                                                                \
    X(QPushButton, get_teacher_follow_mode_pano_preset)                                                                \
    X(QPushButton, get_teacher_follow_mode_platform_preset)                                                            \
    X(QPushButton, get_teacher_follow_mode_left_preset)                                                                \
    X(QPushButton, get_teacher_follow_mode_right_preset)                                                               \
    X(QPushButton, get_teacher_follow_mode_board_pano_preset)                                                          \
    X(QPushButton, get_teacher_follow_mode_pano_crop_preset)                                                           \
    X(QPushButton, get_board_pano_preset)                                                                              \
    X(QPushButton, get_board_left_preset)                                                                              \
    X(QPushButton, get_board_right_preset)                                                                             \
    X(QPushButton, get_teacher_board_pano_mode_platform_preset)                                                        \
    X(QPushButton, get_teacher_board_pano_mode_preset)                                                                 \
    X(QPushButton, get_teacher_board_pano_mode_pano_crop_preset)                                                       \
    X(QPushButton, get_teacher_three_mode_pano_preset)                                                                 \
    X(QPushButton, get_teacher_three_mode_left_preset)                                                                 \
    X(QPushButton, get_teacher_three_mode_center_preset)                                                               \
    X(QPushButton, get_teacher_three_mode_right_preset)                                                                \
    X(QPushButton, get_teacher_three_mode_board_pano_preset)                                                           \
    X(QPushButton, get_teacher_three_mode_pano_crop_preset)                                                            \
    X(ArrowKeyViews, teacher_ptz_calibration_view)                                                                     \
    X(ArrowKeyViews, teacher_ptz_config_preset_view)                                                                   \
    X(ArrowKeyViews, teacher_ptz_tracking_test_view)                                                                   \
    X(ArrowKeyViews, student_ptz_calibration_view)                                                                     \
    X(ArrowKeyViews, student_ptz_config_preset_view)                                                                   \
    X(ArrowKeyViews, student_ptz_tracking_test_view)                                                                   \
    X(QPushButton, teacher_calibration_reset_Button)                                                                   \
    X(QPushButton, teacher_show_calibration_Button)                                                                    \
    X(QPushButton, student_calibration_reset_Button)                                                                   \
    X(QPushButton, student_show_calibration_Button)                                                                    \
    X(QCheckBox, teacher_show_region_checkBox)                                                                         \
    X(QCheckBox, student_show_region_checkBox)                                                                         \
    X(QCheckBox, teacher_show_tracking_checkBox)                                                                       \
    X(QCheckBox, student_show_tracking_checkBox)                                                                       \
    X(QPushButton, teacher_auto_board_pano_Button)                                                                     \
    X(QPushButton, teacher_auto_platform_Button)                                                                       \
    X(QPushButton, teacher_auto_track_region_pushButton)

// What the wizard's commands tell the wizard around them.
class WizardCommandKeysSignals : public QObject
{
    Q_OBJECT

signals:
    // A preset stored or a calibration confirmed: the side's parameter block is owed.
    void params_changed(camera_slot::Side side);
    // The side's tracking runs (locked) or stopped (unlocked): setGuideEnabledStatus(side, !locked).
    void pages_locked(camera_slot::Side side, bool locked);
};

// The wizard's direct camera commands: the preset buttons of the preset and tracking-test steps,
// the six pan/tilt/zoom pads, the calibration buttons, the show-region boxes (the pano crop
// while regions are edited), the show-tracking boxes (the tracking test) and the teacher's auto
// buttons. Each press sends one command and waits for no answer. A pad drives the close-up
// camera of the side the step shows; a tracking start or stop goes to its own side's pano.
class WizardCommandKeys : public WizardCommandKeysSignals, public TrackingTest
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        WIZARD_COMMAND_KEYS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    enum class Pad { TeacherCalibration, TeacherPreset, TeacherTrackTest, StudentCalibration, StudentPreset, StudentTrackTest };
    enum RunState { Running = 1, Stopped = 2 };

    WizardCommandKeys(const Widgets &widgets, WizardLink &link, WizardRegions &regions, QWidget *window);

    // What the wizard tells as it changes.
    void set_student_step(bool student_step);     // the step shown is a student one
    void set_pad_speeds(int pan, int tilt);       // the teacher options' speed levels
    void set_preset_camera(int index);            // teacher_preset_comboBox: 0 feature, 1 board 1, 2 board 2
    void set_teacher_crop_lock(bool locked);      // the region pano let go: no crop status asked
    void set_pad_enabled(Pad pad, bool enabled);  // a pad works while its step's close-up preview runs
    void set_presets_enabled(camera_slot::Side side, bool enabled);
    // The side's show-tracking box and preset call keys usable while its tracking-test pano
    // preview runs; the set keys of its preset step while its preset pano preview runs.
    void set_tracking_controls_enabled(camera_slot::Side side, bool enabled);
    // The board page's left and right keys (its call keys on the tracking-test step).
    void show_board_keys(bool call_keys, bool left, bool right);
    // The wizard's reset: run states stopped, tracking not started, no crop lock, levels 10.
    void reset();
    // The teacher region step's auto-track key (set_teacher_region_enabled).
    void set_auto_track_enabled(bool on);
    // The pads' zoom keys in the language just chosen.
    void retranslate_pads();

    int pan_speed() const { return m_pan_speed; }
    int tilt_speed() const { return m_tilt_speed; }
    int run_state(camera_slot::Side side) const;
    bool track_state(camera_slot::Side side) const;

    // TrackingTest
    bool tracking_shown(camera_slot::Side side) const override;
    bool regions_shown(camera_slot::Side side) const override;
    void stop_tracking_test(camera_slot::Side side) override;
    void drop_region_showing(camera_slot::Side side) override;

    // A tracking status answer ticks or unticks the side's box, as a click would: the start or
    // stop goes out again (or the warning comes without the pano camera).
    void set_tracking_shown(camera_slot::Side side, bool shown);

    // A tracking status said start where the wizard started none: the side's box unticked and
    // its handler run with 0, as an untick by the installer runs it (the stop, the run state
    // stopped, the pages unlocked; without the pano camera only the warning). Once: unticking a
    // ticked box runs the handler already.
    void stop_unasked_tracking(camera_slot::Side side);

    // startTrack: the side's block to the side's own pano camera.
    void startTrack(camera_slot::Side side, bool start);

private:
    void wire_presets();
    void wire_pads();
    void pad_pressed(wizard_commands::PadKey key);
    void pad_released(wizard_commands::PadKey key);
    bool pano_connected(camera_slot::Side side, const char *warning);
    void send_text(camera_slot::Side side, const QString &block);
    void send_visca_to_pano(camera_slot::Side side, const QString &text);
    void preset(camera_slot::Side side, wizard_commands::Preset preset, bool set, const char *warning);
    void board_preset(wizard_commands::BoardButton button, bool set);
    void calibration(camera_slot::Side side, bool set);
    void show_region_clicked(camera_slot::Side side, bool checked);
    void apply_region_showing(camera_slot::Side side, bool checked);
    void show_tracking_changed(camera_slot::Side side, int state);
    void forget(wizard_commands::Forget what);
    void auto_track_region();
    ArrowKeyViews *pad(Pad pad) const;

    Widgets ui;
    WizardLink &m_link;
    WizardRegions &m_regions;
    QWidget *m_window;
    bool m_student_step = false;
    int m_pan_speed = 10;
    int m_tilt_speed = 10;
    int m_preset_camera = 0;
    bool m_teacher_crop_lock = false;
    bool m_regions_shown[2] = {false, false};
    bool m_region_busy[2] = {false, false};  // the side's crop wait runs
    bool m_region_again[2] = {false, false}; // the box was clicked during it
    bool m_forgetting = false;               // the tracking area's forget wait runs
    int m_run_state[2] = {Stopped, Stopped};
    bool m_track_state[2] = {false, false};
};
