#pragma once

#include "model/camera_slot.h"
#include "protocol/preset_commands.h"
#include "protocol/ptz_commands.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

class CameraPorts;
class CameraSlots;
class ControlLink;
struct PanoStatus;
class QComboBox;
class QHostAddress;
class QLineEdit;
class QPushButton;
class QRadioButton;

#define PADS_WIDGETS(X)                                                                                                \
    X(QPushButton, board_apply_Button)                                                                                 \
    X(QPushButton, board_callBoardPano_Button)                                                                         \
    X(QPushButton, board_callBoardPano_Button_2)                                                                       \
    X(QPushButton, board_callBoard_one_Button)                                                                         \
    X(QPushButton, board_callBoard_two_Button)                                                                         \
    X(QPushButton, board_callBoard_two_Button_2)                                                                       \
    X(QRadioButton, board_pano_mode_radioButton)                                                                       \
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
    X(QRadioButton, other_mode_radioButton)                                                                            \
    X(QPushButton, student_apply_Button)                                                                               \
    X(QPushButton, student_callPano_one_Button)                                                                        \
    X(QComboBox, student_preset_list)                                                                                  \
    X(QPushButton, student_ptz_down_Button)                                                                            \
    X(QPushButton, student_ptz_left_Button)                                                                            \
    X(QPushButton, student_ptz_leftdown_Button)                                                                        \
    X(QPushButton, student_ptz_leftup_Button)                                                                          \
    X(QPushButton, student_ptz_reset_Button)                                                                           \
    X(QPushButton, student_ptz_right_Button)                                                                           \
    X(QPushButton, student_ptz_rightdown_Button)                                                                       \
    X(QPushButton, student_ptz_rightup_Button)                                                                         \
    X(QPushButton, student_ptz_up_Button)                                                                              \
    X(QLineEdit, student_ptzspeed_level)                                                                               \
    X(QPushButton, student_setPano_one_Button)                                                                         \
    X(QPushButton, student_zoomin_Button)                                                                              \
    X(QPushButton, student_zoomout_Button)                                                                             \
    X(QPushButton, teacher_apply_Button)                                                                               \
    X(QPushButton, teacher_callPano_Button)                                                                            \
    X(QPushButton, teacher_delBoardPano_Button)                                                                        \
    X(QPushButton, teacher_delPlatform_Button)                                                                         \
    X(QComboBox, teacher_preset_list)                                                                                  \
    X(QPushButton, teacher_ptz_down_Button)                                                                            \
    X(QPushButton, teacher_ptz_left_Button)                                                                            \
    X(QPushButton, teacher_ptz_leftdown_Button)                                                                        \
    X(QPushButton, teacher_ptz_leftup_Button)                                                                          \
    X(QPushButton, teacher_ptz_reset_Button)                                                                           \
    X(QPushButton, teacher_ptz_right_Button)                                                                           \
    X(QPushButton, teacher_ptz_rightdown_Button)                                                                       \
    X(QPushButton, teacher_ptz_rightup_Button)                                                                         \
    X(QPushButton, teacher_ptz_up_Button)                                                                              \
    X(QLineEdit, teacher_ptzspeed_level)                                                                               \
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
};

// The pan/tilt/zoom pads of the Teacher, Student and Board tabs (two on the Board tab): a
// direction or zoom button drives the camera while held, its release stops it; Home turns the
// camera to its home position. With them the PTZ speed levels, the preset Set and Call buttons
// of the three tabs, the dropping of a stored board pano or platform position, the blackboard
// tracking start and stop, and the director test. One command per press, release or click.
class Pads : public PadsSignals
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        PADS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    struct Speeds {
        int pan = 10;
        int tilt = 10;
    };
    // What the pads and presets need of the features around them.
    class Host
    {
    public:
        virtual ~Host() = default;
        // The Board tab's controls stay off while the blackboard camera tracks.
        virtual void set_board_widgets_enabled(bool enable) = 0;
        // The side's calibration view is shown: a pano camera that draws its cross cannot zoom.
        virtual bool calibration_shown(camera_slot::Side side) const = 0;
    };

    // The board tracking buttons set the status the board status answers compare with.
    Pads(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports, ControlLink &link,
         PanoStatus &status, Host &host, QWidget *window);

    // The level fields take "10", one digit, or nothing while typing.
    void install_speed_validators();
    // The command with its speed placeholders filled (the connections' role command uses it too).
    QString ptzspeed(const QString &command_template, int hindex, int vindex);
    // Which camera of a side the pads drive and with which address byte, as the preset lists
    // choose it: the teacher pano camera, its crop picture ("8A"), the student pano's crop picture.
    void set_teacher_redirection(bool to_pano, bool crop);
    void set_student_crop(bool crop);
    // The side's feature camera let go: its pad drives the feature camera again.
    void forget_redirection(camera_slot::Side side);
    // The teacher level's speeds, which the board pads and the Preview page's arrows drive with.
    Speeds teacher_speeds() const { return {teacher_pan_speed, teacher_tilt_speed}; }

    // The pads and presets of a camera group (0 teacher, 1 student, 2 board) usable or not.
    void enable_group_controls(int camera, bool enable);
    // The customer model has no board cameras.
    void disable_board_controls();
    // One board camera or two: the first camera's second preset pair is its own only with one.
    void show_board_view(bool two_boards);
    // The preset deleting keys that the set-up offers.
    void show_unused_controls(bool shown);

    void on_teacher_ptzspeed_level_textChanged(const QString &text);
    void on_student_ptzspeed_level_textChanged(const QString &text);
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
    Host &m_host;
    QWidget *m_window;
    // Pad redirection and the crop address byte, set by the preset lists.
    bool teacher_ptz_to_pano = false;
    bool teacher_ptz_pano_prefix = false;
    bool student_ptz_pano_prefix = false;
    int teacher_pan_speed = 10;
    int teacher_tilt_speed = 10;
    int student_pan_speed = 10;
    int student_tilt_speed = 10;
};
