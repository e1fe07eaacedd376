#pragma once

#include "model/camera_slot.h"
#include "model/section_values.h"
#include "support/calibration_view.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

#include <optional>

class CameraPorts;
class CameraSlots;
class ControlLink;
struct PanoStatus;
class QCheckBox;
class QLabel;
class QPushButton;

#define MANUAL_CALIBRATION_WIDGETS(X) \
    X(QPushButton, teacher_showCalibration_Button) \
    X(QPushButton, teacher_showCalibration_Reset_Button) \
    X(QCheckBox, teacher_show_Calibration_checkBox) \
    X(QLabel, teacher_feature_calibration_label) \
    X(QLabel, teacher_pano_calibration_label) \
    X(QPushButton, student_showCalibration_Button) \
    X(QPushButton, student_showCalibration_Reset_Button) \
    X(QCheckBox, student_show_Calibration_checkBox) \
    X(QLabel, student_feature_calibration_label) \
    X(QLabel, student_pano_calibration_label)

// What the calibration view changes of the controls around it, which their owners switch.
class ManualCalibrationSignals : public QObject
{
    Q_OBJECT

signals:
    // A calibration stored on the side's pano camera: the side's tab is not applied as it stands.
    void apply_mark_wanted(camera_slot::Side side);
    // The side's pad slows to level 1 while the cross shows, and goes back to the level last
    // applied or obtained.
    void pad_slowed(camera_slot::Side side, bool slow);
    // The side's zoom keys and Auto Calibration button usable or not.
    void zoom_enabled_wanted(camera_slot::Side side, bool enable);
    void auto_calibration_enabled_wanted(camera_slot::Side side, bool enable);
    // The cross and the camera's region display do not show together: the region display goes.
    void region_display_off_wanted(camera_slot::Side side);
};

// Calibration by hand on the Teacher and Student tabs: the calibration cross over the pano
// camera's picture (with the pad slowed to level 1 while it shows), and the pano camera told to
// store ("Calibration") or forget ("Reset") the calibration the installer aimed.
//
// Whoever unticks a cross box from code (the two-camera layout, the region display of an M5,
// the student pano's disconnect) does it through hide_calibration, so the cross goes off too.
class ManualCalibration : public ManualCalibrationSignals, public CalibrationView
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        MANUAL_CALIBRATION_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // teacher and student: a customer model has no calibration.
    ManualCalibration(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports, ControlLink &link,
                      const PanoStatus &status, const TeacherSection &teacher, const StudentSection &student,
                      QWidget *window);

    void on_teacher_showCalibration_Button_clicked();
    void on_student_showCalibration_Button_clicked();
    void on_teacher_showCalibration_Reset_Button_clicked();
    void on_student_showCalibration_Reset_Button_clicked();
    void on_teacher_show_Calibration_checkBox_clicked(bool checked);
    void on_student_show_Calibration_checkBox_clicked(bool checked);
    // The side's box was unticked by the window, not the installer: the cross goes off as well.
    void calibration_cross_off(camera_slot::Side side) { show_cross(side, false); }
    // CalibrationView
    bool calibration_shown(camera_slot::Side side) const override;
    void hide_calibration(camera_slot::Side side) override;

    // The calibration controls of a camera group (0 teacher, 1 student) usable or not; they
    // follow the view, and a customer model has none.
    void enable_group_controls(int camera, bool enable);
    void disable_board_controls();
    // The two-camera layout has no separate pano camera to calibrate against: the views go off.
    void follow_layout(int layout);
    // The student pano camera let go: its view goes off (the tab forgets the cross).
    void pano_views_closed(camera_slot::Side side);

private:
    struct SideWidgets {
        QCheckBox *box;
        QPushButton *buttons[2]; // Calibration, Reset
        QLabel *labels[2];
    };
    bool customer_model(camera_slot::Side side) const;
    SideWidgets side_widgets(camera_slot::Side side) const;
    // False, with the warning shown, when the side's pano camera is not connected.
    bool send_calibration_word(camera_slot::Side side, const char *word);
    void show_cross(camera_slot::Side side, bool on);
    void switch_cross(camera_slot::Side side, bool on);

    const Widgets ui;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    const PanoStatus &m_status;
    const TeacherSection &m_teacher;
    const StudentSection &m_student;
    QWidget *m_window;
    // A cross switch waits with events handled; a click on the box meanwhile is kept and
    // carried out once that switch is done, so the camera ends as the box says. Teacher, student.
    bool cross_busy[2] = {false, false};
    std::optional<bool> cross_pending[2];
};
