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
class QSlider;
class QSpinBox;
class StudentAreaStep;
class WizardLink;

#define STUDENT_PARAMS_WIDGETS(X) \
    X(QCheckBox, student_face_detect_checkBox) \
    X(QSpinBox, student_feature_continue_time_label) \
    X(QComboBox, student_multi_objective_action_comboBox) \
    X(QCheckBox, student_pano_switch_checkBox) \
    X(QCheckBox, student_starting_up_checkBox) \
    X(QComboBox, student_target_lost_action_comboBox) \
    X(QSlider, student_target_lost_timeout_Slider) \
    X(QLabel, student_target_lost_timeout_label)

class StudentParamsSignals : public QObject
{
    Q_OBJECT

signals:
    // A student block went to the student pano camera (student_apply_pending).
    void student_request_sent();
};

// The student side's parameters in the wizard: the advanced options page, the student block
// built from it and the student area at the moment of sending, the changed flag and the saves
// that send the block only while the tracking test is not running, and a student reply's keys
// shown on the page.
// It owns the page's controls the settings file keeps as well (StoredOptions).
class StudentParams : public StudentParamsSignals, public StoredOptions<StudentSection>
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        STUDENT_PARAMS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // tracking: whether the student tracking test runs.
    StudentParams(const Widgets &widgets, WizardLink &link, const StudentAreaStep &area,
                  const Guide_Data_Update_Manage &addresses, const TrackingTest &tracking);

    StudentSection section() const;
    bool params_changed() const { return student_params_changed; }
    void mark_changed() { student_params_changed = true; }
    void clear_changed() { student_params_changed = false; }

    void student_apply();
    void saveStudentParams();
    // sign_student_params_complete and the page's controls: wait 200 ms, then save.
    void slot_save_student_params();
    void show_reply(const wizard_reply::StudentKeys &keys);
    // While student tracking runs the options that change it are locked (setGuideEnabledStatus).
    void set_options_enabled(bool on);

    // The settings file's keys of the page: the continue time and face detection. Showing them
    // sends nothing and marks nothing changed.
    void store_options(StudentSection &section) const override;
    void show_options(const StudentSection &section) override;

private:
    const Widgets ui;
    WizardLink &m_link;
    const StudentAreaStep &m_area;
    const Guide_Data_Update_Manage &m_addresses;
    const TrackingTest &m_tracking;
    // A reply is being put on the page: its lists and boxes change one by one, and a save
    // among them would send the camera a block of half its own values and half the page's.
    bool m_showing_reply = false;
    bool student_params_changed = false;
};
