#pragma once

#include "cameras/picture_captures.h"
#include "protocol/calibration_commands.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

#include <opencv2/core/mat.hpp>

class CameraPorts;
class CameraSlots;
class ControlLink;
class QPushButton;

#define REVERSAL_COMPENSATION_WIDGETS(X) \
    X(QPushButton, teacher_tilt_compensation_pushButton) \
    X(QPushButton, teacher_pan_compensation_pushButton)

// The reversal compensation of the teacher close-up camera, tilt or pan: the camera is driven
// to stand just after a change of direction, a standard picture is taken, and it steps on in
// small steps until its picture moves against the standard one (at most 51 steps); the number
// of steps is written to the camera. One run at a time, waiting with events handled.
class ReversalCompensation : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        REVERSAL_COMPENSATION_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // captures: the close-up pictures come from the picture slots' one-shot captures.
    ReversalCompensation(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports,
                         ControlLink &link, PictureCaptures &captures, QWidget *window);

    void on_teacher_tilt_compensation_pushButton_clicked();
    void on_teacher_pan_compensation_pushButton_clicked();
    bool running() const { return m_running; }
    // The window closes or hands over to the wizard, its cameras still connected: a run under
    // way takes the close-up camera out of its measuring mode at once, then sends nothing more
    // and shows no box.
    void stop();

private:
    void run(calibration_commands::Axis axis);
    void measure(calibration_commands::Axis axis);
    void send(const QString &text);
    void set_measuring_mode(bool on);
    // Waits with events handled; false when the close-up camera was let go meanwhile.
    bool pause(int ms);
    // False, with a log line and the warning, when the close-up camera was let go; false
    // without either once the run was stopped.
    bool still_connected();
    // The measuring mode is left and the installer told; nothing is written.
    void give_up(const QString &why, const QString &message);

    const Widgets ui;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    PictureCaptures &m_captures;
    QWidget *m_window;
    bool m_running = false;
    bool m_stopped = false;
    // The close-up camera was put into its measuring mode and not yet taken out of it.
    bool m_measuring = false;
};
