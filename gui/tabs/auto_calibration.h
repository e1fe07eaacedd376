#pragma once

#include "cameras/picture_captures.h"
#include "model/camera_slot.h"
#include "model/section_values.h"
#include "protocol/auto_calibration.h"
#include "support/calibration_view.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QImage>
#include <QObject>

#include <memory>
#include <optional>

class CameraPorts;
class CameraSlots;
class ControlLink;
class QPushButton;

#define AUTO_CALIBRATION_WIDGETS(X) \
    X(QPushButton, student_auto_calibration_pushButton) \
    X(QPushButton, teacher_auto_calibration_pushButton)

// The "Auto Calibration" buttons of the Teacher and Student tabs: the side's close-up camera is
// sent to a start position, asked where it stands, one picture of each camera of the pair is
// compared with the image registration (on a worker thread, the window going on meanwhile), the
// close-up camera is sent to where the panorama centre lies, and the pano camera is told to
// store the calibration. A failed comparison is tried again from two other start positions
// before the installer is warned. The two sides run independently.
class AutoCalibration : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        AUTO_CALIBRATION_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // captures: the pictures compared; calibration: a button is usable while its side's view
    // shows; teacher and student: a customer model has no calibration.
    AutoCalibration(const Widgets &widgets, const CameraSlots &camera_slots, const CameraPorts &ports,
                    ControlLink &link, PictureCaptures &captures, const CalibrationView &calibration,
                    const TeacherSection &teacher, const StudentSection &student, QWidget *window);
    ~AutoCalibration() override;

    void on_teacher_auto_calibration_pushButton_clicked();
    void on_student_auto_calibration_pushButton_clicked();
    // The side's close-up camera answered its pan/tilt position inquiry.
    void pan_tilt_reported(camera_slot::Side side, int pan, int tilt);
    // The window closes: no run goes on and nothing more is sent.
    void stop();
    // A side's button (0 teacher, 1 student) follows its calibration view while the group is
    // usable; a customer model has none.
    void enable_group_controls(int camera, bool enable);
    void disable_board_controls();
    // The side's feature camera let go: its button goes until a model offers it again.
    void feature_camera_released(camera_slot::Side side);
    // An R6 close-up camera offers the side's button.
    void feature_model_known(camera_slot::Side side, const QString &model);
    // The side's calibration view went on or off while the side's pano does not track.
    void enable_button(camera_slot::Side side, bool enable);

private:
    struct Run;
    struct Registration;

    Run &run(camera_slot::Side side);
    void start(camera_slot::Side side);
    // Moves the close-up camera to the attempt's start position and asks its position.
    void begin_attempt(camera_slot::Side side);
    // The position came or the step timer ran out: compare the pictures and aim the camera.
    void finish(camera_slot::Side side);
    // Waits with events running; false when the run was ended or a camera of the side let go.
    bool wait_in_run(camera_slot::Side side, int generation, int ms);
    bool still_running(camera_slot::Side side, int generation);
    std::optional<Registration> register_pictures(camera_slot::Side side, int generation, const QImage &pano,
                                                  const QImage &feature);
    // The run ends; the next press is a first attempt again.
    void end_run(camera_slot::Side side);
    void send_visca(camera_slot::Side side, const QString &text);

    const Widgets ui;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    PictureCaptures &m_captures;
    const CalibrationView &m_calibration;
    const TeacherSection &m_teacher;
    const StudentSection &m_student;
    QWidget *m_window;
    std::unique_ptr<Run> teacher_run;
    std::unique_ptr<Run> student_run;
};
