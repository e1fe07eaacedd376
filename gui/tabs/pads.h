#pragma once

#include "model/camera_slot.h"
#include "model/section_values.h"
#include "protocol/preset_commands.h"
#include "protocol/ptz_commands.h"
#include "support/calibration_view.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

class CameraPorts;
class CameraSlots;
class ControlLink;
struct PanoStatus;
class QHostAddress;
class QPushButton;

#define PADS_WIDGETS(X)                                                                                                \
    X(QPushButton, board_callBoardPano_Button)                                                                         \
    X(QPushButton, board_callBoardPano_Button_2)                                                                       \
    X(QPushButton, board_callBoard_one_Button)                                                                         \
    X(QPushButton, board_callBoard_two_Button)                                                                         \
    X(QPushButton, board_callBoard_two_Button_2)                                                                       \
    X(QPushButton, board_ptz_down_Button)                                                                              \
    X(QPushButton, board_ptz_down_Button_2)                                                                            \
    X(QPushButton, board_ptz_left_Button)                                                                              \
    X(QPushButton, board_ptz_left_Button_2)                                                                            \
    X(QPushButton, board_ptz_leftdown_Button)                                                                          \
    X(QPushButton, board_ptz_leftdown_Button_2)                                                                        \
    X(QPushButton, board_ptz_leftup_Button)                                                                            \
    X(QPushButton, board_ptz_leftup_Button_2)                                                                          \
    X(QPushButton, board_ptz_reset_Button)                                                                             \
    X(QPushButton, board_ptz_reset_Button_2)                                                                           \
    X(QPushButton, board_ptz_right_Button)                                                                             \
    X(QPushButton, board_ptz_right_Button_2)                                                                           \
    X(QPushButton, board_ptz_rightdown_Button)                                                                         \
    X(QPushButton, board_ptz_rightdown_Button_2)                                                                       \
    X(QPushButton, board_ptz_rightup_Button)                                                                           \
    X(QPushButton, board_ptz_rightup_Button_2)                                                                         \
    X(QPushButton, board_ptz_up_Button)                                                                                \
    X(QPushButton, board_ptz_up_Button_2)                                                                              \
    X(QPushButton, board_setBoardPano_Button)                                                                          \
    X(QPushButton, board_setBoardPano_Button_2)                                                                        \
    X(QPushButton, board_setBoard_one_Button)                                                                          \
    X(QPushButton, board_setBoard_two_Button)                                                                          \
    X(QPushButton, board_setBoard_two_Button_2)                                                                        \
    X(QPushButton, board_startTrack_Button)                                                                            \
    X(QPushButton, board_stopTrack_Button)                                                                             \
    X(QPushButton, board_zoomin_Button)                                                                                \
    X(QPushButton, board_zoomin_Button_2)                                                                              \
    X(QPushButton, board_zoomout_Button)                                                                               \
    X(QPushButton, board_zoomout_Button_2)                                                                             \
    X(QPushButton, director_test_button)                                                                               \
    X(QPushButton, student_callPano_one_Button)                                                                        \
    X(QPushButton, student_ptz_down_Button)                                                                            \
    X(QPushButton, student_ptz_left_Button)                                                                            \
    X(QPushButton, student_ptz_leftdown_Button)                                                                        \
    X(QPushButton, student_ptz_leftup_Button)                                                                          \
    X(QPushButton, student_ptz_reset_Button)                                                                           \
    X(QPushButton, student_ptz_right_Button)                                                                           \
    X(QPushButton, student_ptz_rightdown_Button)                                                                       \
    X(QPushButton, student_ptz_rightup_Button)                                                                         \
    X(QPushButton, student_ptz_up_Button)                                                                              \
    X(QPushButton, student_setPano_one_Button)                                                                         \
    X(QPushButton, student_zoomin_Button)                                                                              \
    X(QPushButton, student_zoomout_Button)                                                                             \
    X(QPushButton, teacher_callPano_Button)                                                                            \
    X(QPushButton, teacher_delBoardPano_Button)                                                                        \
    X(QPushButton, teacher_delPlatform_Button)                                                                         \
    X(QPushButton, teacher_ptz_down_Button)                                                                            \
    X(QPushButton, teacher_ptz_left_Button)                                                                            \
    X(QPushButton, teacher_ptz_leftdown_Button)                                                                        \
    X(QPushButton, teacher_ptz_leftup_Button)                                                                          \
    X(QPushButton, teacher_ptz_reset_Button)                                                                           \
    X(QPushButton, teacher_ptz_right_Button)                                                                           \
    X(QPushButton, teacher_ptz_rightdown_Button)                                                                       \
    X(QPushButton, teacher_ptz_rightup_Button)                                                                         \
    X(QPushButton, teacher_ptz_up_Button)                                                                              \
    X(QPushButton, teacher_setPano_Button)                                                                             \
    X(QPushButton, teacher_zoomin_Button)                                                                              \
    X(QPushButton, teacher_zoomout_Button)

// What the pads tell the features around them.
class PadsSignals : public QObject
{
    Q_OBJECT

signals:
    // Home took the side's camera (Teacher or Student) to its wide end.
    void zoom_homed(camera_slot::Side side);
    // A zoom key of the side's pad was let go, after the stop went out.
    void zoom_stopped(camera_slot::Side side, bool in);
    // A preset stored on (or called from) the side's camera: the side's tab (Teacher, Student or
    // Board) is not applied as it stands.
    void apply_mark_wanted(camera_slot::Side side);
    // The board tracking started or stopped: the Board tab's controls follow (camera group 2).
    void widget_status_wanted(int camera, bool enable);
};

// The pan/tilt/zoom pads of the Teacher, Student and Board tabs (two on the Board tab): a
// direction or zoom button drives the camera while held, its release stops it; Home turns the
// camera to its home position. With them the PTZ speed levels, the preset Set and Call buttons
// of the three tabs, the dropping of a stored board pano or platform position, the blackboard
// tracking start and stop, and the director test. One command per press, release or click. The
// speed levels and preset entries are the tabs' (read from their sections).
class Pads : public PadsSignals
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        PADS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // The board tracking buttons set the status the board status answers compare with; teacher
    // and student: the speed levels, preset entries and tracking mode; calibration: a pano camera
    // that draws its cross cannot zoom while the side's view shows.
    Pads(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports, ControlLink &link,
         PanoStatus &status, const TeacherSection &teacher, const StudentSection &student,
         const CalibrationView &calibration, QWidget *window);
    // Which camera of a side the pads drive and with which address byte, as the preset lists
    // choose it: the teacher pano camera, its crop picture ("8A"), the student pano's crop picture.
    void set_teacher_redirection(bool to_pano, bool crop);
    void set_student_crop(bool crop);
    // The side's feature camera let go: its pad drives the feature camera again.
    void forget_redirection(camera_slot::Side side);

    // The pads and presets of a camera group (0 teacher, 1 student, 2 board) usable or not.
    void enable_group_controls(int camera, bool enable);
    // The customer model has no board cameras.
    void disable_board_controls();
    // One board camera or two: the first camera's second preset pair is its own only with one.
    void show_board_view(bool two_boards);
    // The preset deleting keys that the set-up offers.
    void show_unused_controls(bool shown);
    // The side's zoom keys usable or not, as the calibration cross and the region display leave
    // them.
    void set_zoom_enabled(camera_slot::Side side, bool enable);

    void on_teacher_ptz_up_Button_pressed();
    void on_teacher_ptz_up_Button_released();
    void on_teacher_ptz_down_Button_pressed();
    void on_teacher_ptz_down_Button_released();
    void on_teacher_ptz_left_Button_pressed();
    void on_teacher_ptz_left_Button_released();
    void on_teacher_ptz_right_Button_pressed();
    void on_teacher_ptz_right_Button_released();
    void on_teacher_ptz_leftup_Button_pressed();
    void on_teacher_ptz_leftup_Button_released();
    void on_teacher_ptz_leftdown_Button_pressed();
    void on_teacher_ptz_leftdown_Button_released();
    void on_teacher_ptz_rightup_Button_pressed();
    void on_teacher_ptz_rightup_Button_released();
    void on_teacher_ptz_rightdown_Button_pressed();
    void on_teacher_ptz_rightdown_Button_released();
    void on_teacher_ptz_reset_Button_clicked();
    void on_teacher_zoomin_Button_pressed();
    void on_teacher_zoomin_Button_released();
    void on_teacher_zoomout_Button_pressed();
    void on_teacher_zoomout_Button_released();
    void on_student_ptz_up_Button_pressed();
    void on_student_ptz_up_Button_released();
    void on_student_ptz_down_Button_pressed();
    void on_student_ptz_down_Button_released();
    void on_student_ptz_left_Button_pressed();
    void on_student_ptz_left_Button_released();
    void on_student_ptz_right_Button_pressed();
    void on_student_ptz_right_Button_released();
    void on_student_ptz_leftup_Button_pressed();
    void on_student_ptz_leftup_Button_released();
    void on_student_ptz_leftdown_Button_pressed();
    void on_student_ptz_leftdown_Button_released();
    void on_student_ptz_rightup_Button_pressed();
    void on_student_ptz_rightup_Button_released();
    void on_student_ptz_rightdown_Button_pressed();
    void on_student_ptz_rightdown_Button_released();
    void on_student_ptz_reset_Button_clicked();
    void on_student_zoomin_Button_pressed();
    void on_student_zoomin_Button_released();
    void on_student_zoomout_Button_pressed();
    void on_student_zoomout_Button_released();
    void on_board_ptz_up_Button_pressed();
    void on_board_ptz_up_Button_released();
    void on_board_ptz_down_Button_pressed();
    void on_board_ptz_down_Button_released();
    void on_board_ptz_left_Button_pressed();
    void on_board_ptz_left_Button_released();
    void on_board_ptz_right_Button_pressed();
    void on_board_ptz_right_Button_released();
    void on_board_ptz_leftup_Button_pressed();
    void on_board_ptz_leftup_Button_released();
    void on_board_ptz_leftdown_Button_pressed();
    void on_board_ptz_leftdown_Button_released();
    void on_board_ptz_rightup_Button_pressed();
    void on_board_ptz_rightup_Button_released();
    void on_board_ptz_rightdown_Button_pressed();
    void on_board_ptz_rightdown_Button_released();
    void on_board_ptz_reset_Button_clicked();
    void on_board_zoomin_Button_pressed();
    void on_board_zoomin_Button_released();
    void on_board_zoomout_Button_pressed();
    void on_board_zoomout_Button_released();
    void on_board_ptz_up_Button_2_pressed();
    void on_board_ptz_up_Button_2_released();
    void on_board_ptz_down_Button_2_pressed();
    void on_board_ptz_down_Button_2_released();
    void on_board_ptz_left_Button_2_pressed();
    void on_board_ptz_left_Button_2_released();
    void on_board_ptz_right_Button_2_pressed();
    void on_board_ptz_right_Button_2_released();
    void on_board_ptz_leftup_Button_2_pressed();
    void on_board_ptz_leftup_Button_2_released();
    void on_board_ptz_leftdown_Button_2_pressed();
    void on_board_ptz_leftdown_Button_2_released();
    void on_board_ptz_rightup_Button_2_pressed();
    void on_board_ptz_rightup_Button_2_released();
    void on_board_ptz_rightdown_Button_2_pressed();
    void on_board_ptz_rightdown_Button_2_released();
    void on_board_ptz_reset_Button_2_clicked();
    void on_board_zoomin_Button_2_pressed();
    void on_board_zoomin_Button_2_released();
    void on_board_zoomout_Button_2_pressed();
    void on_board_zoomout_Button_2_released();
    void on_teacher_setPano_Button_clicked();
    void on_teacher_callPano_Button_clicked();
    void on_student_setPano_one_Button_clicked();
    void on_student_callPano_one_Button_clicked();
    void on_teacher_delBoardPano_Button_clicked();
    void on_teacher_delPlatform_Button_clicked();
    void on_board_setBoard_one_Button_clicked();
    void on_board_callBoard_one_Button_clicked();
    void on_board_setBoard_two_Button_clicked();
    void on_board_callBoard_two_Button_clicked();
    void on_board_setBoardPano_Button_clicked();
    void on_board_callBoardPano_Button_clicked();
    void on_board_setBoard_two_Button_2_clicked();
    void on_board_callBoard_two_Button_2_clicked();
    void on_board_setBoardPano_Button_2_clicked();
    void on_board_callBoardPano_Button_2_clicked();
    void on_board_startTrack_Button_clicked();
    void on_board_stopTrack_Button_clicked();
    void on_director_test_button_clicked();

private:
    enum class Pad { Teacher, Student, Board, Board2 };
    struct PadTarget {
        bool connected = false;
        QHostAddress *destination = nullptr;
        int port = 0;
        int pan_speed = 10;
        int tilt_speed = 10;
        bool crop = false;
    };
    PadTarget pad_target(Pad pad) const;
    bool zoom_locked(camera_slot::Side side) const;
    // False (and the installer warned) when the pad's camera is not connected.
    bool pad_connected(const PadTarget &target);
    void pad_press(Pad pad, ptz_commands::Direction direction);
    void pad_release(Pad pad);
    void pad_home(Pad pad);
    void pad_zoom(Pad pad, bool in);
    void pad_zoom_release(Pad pad, bool in);

    void teacher_preset(bool set);
    void student_preset(bool set);
    void board_preset(preset_commands::BoardPosition position, bool set);
    void board_tracking(bool start);
    // False (and the installer warned with text) when the slot's camera is not connected.
    bool camera_connected(camera_slot::Slot slot, const QString &text);
    void send(camera_slot::Slot slot, int port, const QString &text, bool hex);

    const Widgets ui;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    PanoStatus &m_status;
    const TeacherSection &m_teacher;
    const StudentSection &m_student;
    const CalibrationView &m_calibration;
    QWidget *m_window;
    // Pad redirection and the crop address byte, set by the preset lists.
    bool teacher_ptz_to_pano = false;
    bool teacher_ptz_pano_prefix = false;
    bool student_ptz_pano_prefix = false;
};
