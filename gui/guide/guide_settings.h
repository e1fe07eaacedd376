#pragma once

#include "model/guide_data_update_manage.h"
#include "settings/config_tables.h"
#include "support/form_widgets.h"

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;
struct GuideState;

// The controls of the advanced options steps whose values the wizard keeps in "config.ini".
#define GUIDE_SETTINGS_WIDGETS(X) \
    X(QSpinBox, student_feature_continue_time_label) \
    X(QCheckBox, student_face_detect_checkBox) \
    X(QComboBox, target_lost_action_comboBox) \
    X(QSlider, teacher_target_lost_timeout_Slider) \
    X(QLabel, teacher_target_lost_timeout_label) \
    X(QComboBox, multi_objective_action_comboBox) \
    X(QCheckBox, teacher_starting_up_checkBox) \
    X(QCheckBox, teacher_manual_focus_checkBox) \
    X(QCheckBox, teacher_vertical_movement_checkBox) \
    X(QCheckBox, teacher_board_enable_checkBox) \
    X(QSlider, teacher_board_detect_Slider) \
    X(QLabel, teacher_board_detect_label) \
    X(QSlider, teacher_board_hold_Slider) \
    X(QLabel, teacher_board_hold_label)

// The wizard's share of "config.ini" (readFileConfig, writeFileConfig) and of the hand-over
// record. The keys are read and written by the main window's key rows (guide_keys), so both
// sides store every value alike; the values pass through the same records the window keeps.
class GuideSettings
{
public:
    struct Widgets {
        GUIDE_SETTINGS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // state: current_state, current_number_camera and currentMode are read into it.
    GuideSettings(const Widgets &widgets, GuideState &state);

    // Reads the file into the state and the controls; the six stored addresses are returned
    // (record order) for the camera settings' fields, none when there is no file.
    QStringList readFileConfig();
    // Stores the addresses (record order), the layout, the mode and the controls, with the wizard
    // state "1"; every other key of the file keeps its value. False when it could not be written.
    bool writeFileConfig(const QStringList &addresses);

    // The record of the hand-over: the six addresses and the layout; the language is the one the
    // main window last gave.
    Guide_Data_Update_Manage &guide_data() { return m_guide_data; }
    static Guide_Data_Update_Manage record_of(const QVariant &data);

    // While a side tracks (type 0 teacher, 1 student) its options here cannot be changed.
    void set_enabled(int type, bool status);

private:
    // The values as the controls show them, and back.
    void gather(config::Stored &stored) const;
    void show(const config::Stored &stored);

    Widgets w;
    GuideState &m_state;
    Guide_Data_Update_Manage m_guide_data;
};
