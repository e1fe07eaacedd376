#pragma once

#include "guide/address_check.h"
#include "model/camera_slot.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;
class WizardLink;
struct GuideState;

#define CAMERA_SETTINGS_STEP_WIDGETS(X) \
    X(QComboBox, teacher_choose_camera_comboBox) \
    X(QLabel, teacher_feature_label) \
    X(QLabel, student_feature_label) \
    X(QWidget, teacher_pano_ip_widget) \
    X(QWidget, student_pano_ip_widget) \
    X(QWidget, teacher_board_ip_widget) \
    X(QWidget, teacher_director_ip_widget) \
    X(QLineEdit, teacher_feature_ip_lineEdit) \
    X(QLineEdit, teacher_pano_ip_lineEdit) \
    X(QLineEdit, student_feature_ip_lineEdit) \
    X(QLineEdit, student_pano_ip_lineEdit) \
    X(QLineEdit, teacher_board_ip_lineEdit) \
    X(QLineEdit, teacher_board_2_ip_lineEdit) \
    X(QGroupBox, teacher_manual_focus_groupBox) \
    X(QGroupBox, teacher_lost_action_time_groupBox) \
    X(QGroupBox, teacher_ptz_speed_level_groupBox)

class CameraSettingsStepSignals : public QObject
{
    Q_OBJECT

signals:
    // The camera layout was applied (current_number_camera): the step list leaves out the
    // calibration steps of the two-camera layout, the link matches its sends by it.
    void layout_chosen(int layout);
    // The address field that names the side's pano picture was edited: the side's region
    // overlays go off, as they may no longer fit the camera.
    void pano_address_edited(camera_slot::Side side);
};

// The first step: the camera layout and the six camera addresses. The layout decides which
// address rows, camera choices of the preset and tracking test steps and interior director rows
// there are; the address fields have their validators and tell the link what they hold; the
// address check of Next looks at the syntax, then whether the camera answers (the bounded
// reachability check, the window handling its events meanwhile). It also keeps the three boxes
// of the advanced options step that depend on the layout and on whether teacher tracking runs.
class CameraSettingsStep : public CameraSettingsStepSignals, public AddressCheck
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        CAMERA_SETTINGS_STEP_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // state: current_number_camera, isFirstClick, teacher_run_state.
    CameraSettingsStep(const Widgets &widgets, GuideState &state, WizardLink &link, QWidget *window);

    void on_teacher_choose_camera_comboBox_currentIndexChanged(int index);
    // The combo set to the layout and the layout applied, also when the index did not change.
    void apply_layout(int layout);

    bool checkAddress(const QString &text) override;
    bool verifyHostOnLine(const QString &address) override;
    static bool check(const QString &text);

    // teacher_manual_focus_groupBox and teacher_lost_action_time_groupBox: enabled only while
    // teacher tracking is stopped and the layout has pano cameras.
    void update_teacher_option_boxes();
    // teacher_ptz_speed_level_groupBox: enabled only while teacher tracking is stopped.
    void update_teacher_speed_box();
    // The six address fields, in the hand-over record's order (teacher feature, teacher pano,
    // student feature, student pano, board 1, board 2).
    QStringList addresses() const;
    void set_addresses(const QStringList &addresses);
    // The layout chosen (current_number_camera's entry of the list).
    int layout() const;

private:
    void init_input_validators();
    void address_edited(camera_slot::Slot camera, const QString &text);
    QLineEdit *field(camera_slot::Slot camera) const;

    Widgets w;
    GuideState &m_state;
    WizardLink &m_link;
    QWidget *m_window;
};
