#include "tabs/pads.h"

#include "core/wait.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "model/pano_status.h"
#include "net/control_link.h"
#include "protocol/calibration_commands.h"
#include "protocol/tracking_modes.h"
#include "seams/message_box.h"

#include <QDebug>
#include <QPushButton>

#include <initializer_list>

using camera_slot::Side;
using camera_slot::Slot;
using preset_commands::BoardPosition;
using ptz_commands::Direction;

namespace {
constexpr int kHomeSettleMs = 9000; // the camera reaches home before its zoom is asked
} // namespace

Pads::Pads(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports, ControlLink &link,
           PanoStatus &status, const TeacherSection &teacher, const StudentSection &student,
           const CalibrationView &calibration, QWidget *window)
    : ui(widgets)
    , m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_status(status)
    , m_teacher(teacher)
    , m_student(student)
    , m_calibration(calibration)
    , m_window(window)
{
    connect(ui.teacher_ptz_up_Button, &QPushButton::pressed, this, &Pads::on_teacher_ptz_up_Button_pressed);
    connect(ui.teacher_ptz_up_Button, &QPushButton::released, this, &Pads::on_teacher_ptz_up_Button_released);
    connect(ui.teacher_ptz_down_Button, &QPushButton::pressed, this, &Pads::on_teacher_ptz_down_Button_pressed);
    connect(ui.teacher_ptz_down_Button, &QPushButton::released, this, &Pads::on_teacher_ptz_down_Button_released);
    connect(ui.teacher_ptz_left_Button, &QPushButton::pressed, this, &Pads::on_teacher_ptz_left_Button_pressed);
    connect(ui.teacher_ptz_left_Button, &QPushButton::released, this, &Pads::on_teacher_ptz_left_Button_released);
    connect(ui.teacher_ptz_right_Button, &QPushButton::pressed, this, &Pads::on_teacher_ptz_right_Button_pressed);
    connect(ui.teacher_ptz_right_Button, &QPushButton::released, this, &Pads::on_teacher_ptz_right_Button_released);
    connect(ui.teacher_ptz_leftup_Button, &QPushButton::pressed, this, &Pads::on_teacher_ptz_leftup_Button_pressed);
    connect(ui.teacher_ptz_leftup_Button, &QPushButton::released, this, &Pads::on_teacher_ptz_leftup_Button_released);
    connect(ui.teacher_ptz_leftdown_Button, &QPushButton::pressed, this, &Pads::on_teacher_ptz_leftdown_Button_pressed);
    connect(ui.teacher_ptz_leftdown_Button, &QPushButton::released, this,
            &Pads::on_teacher_ptz_leftdown_Button_released);
    connect(ui.teacher_ptz_rightup_Button, &QPushButton::pressed, this, &Pads::on_teacher_ptz_rightup_Button_pressed);
    connect(ui.teacher_ptz_rightup_Button, &QPushButton::released, this, &Pads::on_teacher_ptz_rightup_Button_released);
    connect(ui.teacher_ptz_rightdown_Button, &QPushButton::pressed, this,
            &Pads::on_teacher_ptz_rightdown_Button_pressed);
    connect(ui.teacher_ptz_rightdown_Button, &QPushButton::released, this,
            &Pads::on_teacher_ptz_rightdown_Button_released);
    connect(ui.teacher_ptz_reset_Button, &QPushButton::clicked, this, &Pads::on_teacher_ptz_reset_Button_clicked);
    connect(ui.teacher_zoomin_Button, &QPushButton::pressed, this, &Pads::on_teacher_zoomin_Button_pressed);
    connect(ui.teacher_zoomin_Button, &QPushButton::released, this, &Pads::on_teacher_zoomin_Button_released);
    connect(ui.teacher_zoomout_Button, &QPushButton::pressed, this, &Pads::on_teacher_zoomout_Button_pressed);
    connect(ui.teacher_zoomout_Button, &QPushButton::released, this, &Pads::on_teacher_zoomout_Button_released);
    connect(ui.student_ptz_up_Button, &QPushButton::pressed, this, &Pads::on_student_ptz_up_Button_pressed);
    connect(ui.student_ptz_up_Button, &QPushButton::released, this, &Pads::on_student_ptz_up_Button_released);
    connect(ui.student_ptz_down_Button, &QPushButton::pressed, this, &Pads::on_student_ptz_down_Button_pressed);
    connect(ui.student_ptz_down_Button, &QPushButton::released, this, &Pads::on_student_ptz_down_Button_released);
    connect(ui.student_ptz_left_Button, &QPushButton::pressed, this, &Pads::on_student_ptz_left_Button_pressed);
    connect(ui.student_ptz_left_Button, &QPushButton::released, this, &Pads::on_student_ptz_left_Button_released);
    connect(ui.student_ptz_right_Button, &QPushButton::pressed, this, &Pads::on_student_ptz_right_Button_pressed);
    connect(ui.student_ptz_right_Button, &QPushButton::released, this, &Pads::on_student_ptz_right_Button_released);
    connect(ui.student_ptz_leftup_Button, &QPushButton::pressed, this, &Pads::on_student_ptz_leftup_Button_pressed);
    connect(ui.student_ptz_leftup_Button, &QPushButton::released, this, &Pads::on_student_ptz_leftup_Button_released);
    connect(ui.student_ptz_leftdown_Button, &QPushButton::pressed, this, &Pads::on_student_ptz_leftdown_Button_pressed);
    connect(ui.student_ptz_leftdown_Button, &QPushButton::released, this,
            &Pads::on_student_ptz_leftdown_Button_released);
    connect(ui.student_ptz_rightup_Button, &QPushButton::pressed, this, &Pads::on_student_ptz_rightup_Button_pressed);
    connect(ui.student_ptz_rightup_Button, &QPushButton::released, this, &Pads::on_student_ptz_rightup_Button_released);
    connect(ui.student_ptz_rightdown_Button, &QPushButton::pressed, this,
            &Pads::on_student_ptz_rightdown_Button_pressed);
    connect(ui.student_ptz_rightdown_Button, &QPushButton::released, this,
            &Pads::on_student_ptz_rightdown_Button_released);
    connect(ui.student_ptz_reset_Button, &QPushButton::clicked, this, &Pads::on_student_ptz_reset_Button_clicked);
    connect(ui.student_zoomin_Button, &QPushButton::pressed, this, &Pads::on_student_zoomin_Button_pressed);
    connect(ui.student_zoomin_Button, &QPushButton::released, this, &Pads::on_student_zoomin_Button_released);
    connect(ui.student_zoomout_Button, &QPushButton::pressed, this, &Pads::on_student_zoomout_Button_pressed);
    connect(ui.student_zoomout_Button, &QPushButton::released, this, &Pads::on_student_zoomout_Button_released);
    connect(ui.board_ptz_up_Button, &QPushButton::pressed, this, &Pads::on_board_ptz_up_Button_pressed);
    connect(ui.board_ptz_up_Button, &QPushButton::released, this, &Pads::on_board_ptz_up_Button_released);
    connect(ui.board_ptz_down_Button, &QPushButton::pressed, this, &Pads::on_board_ptz_down_Button_pressed);
    connect(ui.board_ptz_down_Button, &QPushButton::released, this, &Pads::on_board_ptz_down_Button_released);
    connect(ui.board_ptz_left_Button, &QPushButton::pressed, this, &Pads::on_board_ptz_left_Button_pressed);
    connect(ui.board_ptz_left_Button, &QPushButton::released, this, &Pads::on_board_ptz_left_Button_released);
    connect(ui.board_ptz_right_Button, &QPushButton::pressed, this, &Pads::on_board_ptz_right_Button_pressed);
    connect(ui.board_ptz_right_Button, &QPushButton::released, this, &Pads::on_board_ptz_right_Button_released);
    connect(ui.board_ptz_leftup_Button, &QPushButton::pressed, this, &Pads::on_board_ptz_leftup_Button_pressed);
    connect(ui.board_ptz_leftup_Button, &QPushButton::released, this, &Pads::on_board_ptz_leftup_Button_released);
    connect(ui.board_ptz_leftdown_Button, &QPushButton::pressed, this, &Pads::on_board_ptz_leftdown_Button_pressed);
    connect(ui.board_ptz_leftdown_Button, &QPushButton::released, this, &Pads::on_board_ptz_leftdown_Button_released);
    connect(ui.board_ptz_rightup_Button, &QPushButton::pressed, this, &Pads::on_board_ptz_rightup_Button_pressed);
    connect(ui.board_ptz_rightup_Button, &QPushButton::released, this, &Pads::on_board_ptz_rightup_Button_released);
    connect(ui.board_ptz_rightdown_Button, &QPushButton::pressed, this, &Pads::on_board_ptz_rightdown_Button_pressed);
    connect(ui.board_ptz_rightdown_Button, &QPushButton::released, this, &Pads::on_board_ptz_rightdown_Button_released);
    connect(ui.board_ptz_reset_Button, &QPushButton::clicked, this, &Pads::on_board_ptz_reset_Button_clicked);
    connect(ui.board_zoomin_Button, &QPushButton::pressed, this, &Pads::on_board_zoomin_Button_pressed);
    connect(ui.board_zoomin_Button, &QPushButton::released, this, &Pads::on_board_zoomin_Button_released);
    connect(ui.board_zoomout_Button, &QPushButton::pressed, this, &Pads::on_board_zoomout_Button_pressed);
    connect(ui.board_zoomout_Button, &QPushButton::released, this, &Pads::on_board_zoomout_Button_released);
    connect(ui.board_ptz_up_Button_2, &QPushButton::pressed, this, &Pads::on_board_ptz_up_Button_2_pressed);
    connect(ui.board_ptz_up_Button_2, &QPushButton::released, this, &Pads::on_board_ptz_up_Button_2_released);
    connect(ui.board_ptz_down_Button_2, &QPushButton::pressed, this, &Pads::on_board_ptz_down_Button_2_pressed);
    connect(ui.board_ptz_down_Button_2, &QPushButton::released, this, &Pads::on_board_ptz_down_Button_2_released);
    connect(ui.board_ptz_left_Button_2, &QPushButton::pressed, this, &Pads::on_board_ptz_left_Button_2_pressed);
    connect(ui.board_ptz_left_Button_2, &QPushButton::released, this, &Pads::on_board_ptz_left_Button_2_released);
    connect(ui.board_ptz_right_Button_2, &QPushButton::pressed, this, &Pads::on_board_ptz_right_Button_2_pressed);
    connect(ui.board_ptz_right_Button_2, &QPushButton::released, this, &Pads::on_board_ptz_right_Button_2_released);
    connect(ui.board_ptz_leftup_Button_2, &QPushButton::pressed, this, &Pads::on_board_ptz_leftup_Button_2_pressed);
    connect(ui.board_ptz_leftup_Button_2, &QPushButton::released, this, &Pads::on_board_ptz_leftup_Button_2_released);
    connect(ui.board_ptz_leftdown_Button_2, &QPushButton::pressed, this, &Pads::on_board_ptz_leftdown_Button_2_pressed);
    connect(ui.board_ptz_leftdown_Button_2, &QPushButton::released, this,
            &Pads::on_board_ptz_leftdown_Button_2_released);
    connect(ui.board_ptz_rightup_Button_2, &QPushButton::pressed, this, &Pads::on_board_ptz_rightup_Button_2_pressed);
    connect(ui.board_ptz_rightup_Button_2, &QPushButton::released, this, &Pads::on_board_ptz_rightup_Button_2_released);
    connect(ui.board_ptz_rightdown_Button_2, &QPushButton::pressed, this,
            &Pads::on_board_ptz_rightdown_Button_2_pressed);
    connect(ui.board_ptz_rightdown_Button_2, &QPushButton::released, this,
            &Pads::on_board_ptz_rightdown_Button_2_released);
    connect(ui.board_ptz_reset_Button_2, &QPushButton::clicked, this, &Pads::on_board_ptz_reset_Button_2_clicked);
    connect(ui.board_zoomin_Button_2, &QPushButton::pressed, this, &Pads::on_board_zoomin_Button_2_pressed);
    connect(ui.board_zoomin_Button_2, &QPushButton::released, this, &Pads::on_board_zoomin_Button_2_released);
    connect(ui.board_zoomout_Button_2, &QPushButton::pressed, this, &Pads::on_board_zoomout_Button_2_pressed);
    connect(ui.board_zoomout_Button_2, &QPushButton::released, this, &Pads::on_board_zoomout_Button_2_released);
    connect(ui.teacher_setPano_Button, &QPushButton::clicked, this, &Pads::on_teacher_setPano_Button_clicked);
    connect(ui.teacher_callPano_Button, &QPushButton::clicked, this, &Pads::on_teacher_callPano_Button_clicked);
    connect(ui.student_setPano_one_Button, &QPushButton::clicked, this, &Pads::on_student_setPano_one_Button_clicked);
    connect(ui.student_callPano_one_Button, &QPushButton::clicked, this, &Pads::on_student_callPano_one_Button_clicked);
    connect(ui.teacher_delBoardPano_Button, &QPushButton::clicked, this, &Pads::on_teacher_delBoardPano_Button_clicked);
    connect(ui.teacher_delPlatform_Button, &QPushButton::clicked, this, &Pads::on_teacher_delPlatform_Button_clicked);
    connect(ui.board_setBoard_one_Button, &QPushButton::clicked, this, &Pads::on_board_setBoard_one_Button_clicked);
    connect(ui.board_callBoard_one_Button, &QPushButton::clicked, this, &Pads::on_board_callBoard_one_Button_clicked);
    connect(ui.board_setBoard_two_Button, &QPushButton::clicked, this, &Pads::on_board_setBoard_two_Button_clicked);
    connect(ui.board_callBoard_two_Button, &QPushButton::clicked, this, &Pads::on_board_callBoard_two_Button_clicked);
    connect(ui.board_setBoardPano_Button, &QPushButton::clicked, this, &Pads::on_board_setBoardPano_Button_clicked);
    connect(ui.board_callBoardPano_Button, &QPushButton::clicked, this, &Pads::on_board_callBoardPano_Button_clicked);
    connect(ui.board_setBoard_two_Button_2, &QPushButton::clicked, this, &Pads::on_board_setBoard_two_Button_2_clicked);
    connect(ui.board_callBoard_two_Button_2, &QPushButton::clicked, this,
            &Pads::on_board_callBoard_two_Button_2_clicked);
    connect(ui.board_setBoardPano_Button_2, &QPushButton::clicked, this, &Pads::on_board_setBoardPano_Button_2_clicked);
    connect(ui.board_callBoardPano_Button_2, &QPushButton::clicked, this,
            &Pads::on_board_callBoardPano_Button_2_clicked);
    connect(ui.board_startTrack_Button, &QPushButton::clicked, this, &Pads::on_board_startTrack_Button_clicked);
    connect(ui.board_stopTrack_Button, &QPushButton::clicked, this, &Pads::on_board_stopTrack_Button_clicked);
    connect(ui.director_test_button, &QPushButton::clicked, this, &Pads::on_director_test_button_clicked);
    // The blackboard tracking is not started or stopped by hand.
    ui.board_startTrack_Button->hide();
    ui.board_stopTrack_Button->hide();
}

void Pads::enable_group_controls(int camera, bool enable)
{
    const auto set = [enable](std::initializer_list<QWidget *> widgets) {
        for (QWidget *w : widgets)
            w->setEnabled(enable);
    };
    switch (camera) {
    case 0: {
        set({ui.teacher_ptz_up_Button, ui.teacher_ptz_down_Button, ui.teacher_ptz_left_Button,
             ui.teacher_ptz_right_Button, ui.teacher_ptz_leftup_Button, ui.teacher_ptz_leftdown_Button,
             ui.teacher_ptz_rightup_Button, ui.teacher_ptz_rightdown_Button, ui.teacher_ptz_reset_Button});
        set_zoom_enabled(Side::Teacher, enable && !zoom_locked(Side::Teacher));
        set({ui.teacher_setPano_Button, ui.teacher_callPano_Button, ui.teacher_delBoardPano_Button,
             ui.teacher_delPlatform_Button});
        break;
    }
    case 1: {
        set({ui.student_ptz_up_Button, ui.student_ptz_down_Button, ui.student_ptz_left_Button,
             ui.student_ptz_right_Button, ui.student_ptz_leftup_Button, ui.student_ptz_leftdown_Button,
             ui.student_ptz_rightup_Button, ui.student_ptz_rightdown_Button, ui.student_ptz_reset_Button});
        set_zoom_enabled(Side::Student, enable && !zoom_locked(Side::Student));
        set({ui.student_setPano_one_Button, ui.student_callPano_one_Button});
        break;
    }
    case 2:
        set({ui.board_ptz_up_Button, ui.board_ptz_down_Button, ui.board_ptz_left_Button, ui.board_ptz_right_Button,
             ui.board_ptz_leftup_Button, ui.board_ptz_leftdown_Button, ui.board_ptz_rightup_Button,
             ui.board_ptz_rightdown_Button, ui.board_ptz_reset_Button, ui.board_zoomin_Button, ui.board_zoomout_Button,
             ui.board_setBoard_one_Button, ui.board_callBoard_one_Button, ui.board_ptz_leftup_Button_2,
             ui.board_ptz_up_Button_2, ui.board_ptz_rightup_Button_2, ui.board_ptz_left_Button_2,
             ui.board_ptz_reset_Button_2, ui.board_ptz_right_Button_2, ui.board_ptz_leftdown_Button_2,
             ui.board_ptz_down_Button_2, ui.board_ptz_rightdown_Button_2, ui.board_zoomin_Button_2,
             ui.board_zoomout_Button_2, ui.board_setBoard_two_Button_2, ui.board_callBoard_two_Button_2,
             ui.board_setBoardPano_Button_2, ui.board_callBoardPano_Button_2, ui.board_setBoard_two_Button,
             ui.board_callBoard_two_Button, ui.board_setBoardPano_Button, ui.board_callBoardPano_Button,
             ui.board_startTrack_Button});
        break;
    default:
        break;
    }
}

// A pano camera that draws its calibration cross cannot zoom while it shows.
bool Pads::zoom_locked(Side side) const
{
    const Slot pano = side == Side::Teacher ? Slot::TeacherPano : Slot::StudentPano;
    return calibration_commands::draws_cross(side, m_slots[pano].device_model) && m_calibration.calibration_shown(side);
}

void Pads::disable_board_controls() { ui.board_stopTrack_Button->setEnabled(false); }

void Pads::show_board_view(bool two_boards)
{
    ui.board_setBoard_two_Button->setVisible(!two_boards);
    ui.board_callBoard_two_Button->setVisible(!two_boards);
}

void Pads::show_unused_controls(bool shown)
{
    ui.teacher_delBoardPano_Button->setVisible(shown);
    ui.teacher_delPlatform_Button->setVisible(shown);
}

void Pads::set_zoom_enabled(Side side, bool enable)
{
    const bool teacher = side == Side::Teacher;
    for (QPushButton *b : {teacher ? ui.teacher_zoomin_Button : ui.student_zoomin_Button,
                           teacher ? ui.teacher_zoomout_Button : ui.student_zoomout_Button})
        b->setEnabled(enable);
}

// ---------------------------------------------------------------------------
// Pads

void Pads::set_teacher_redirection(bool to_pano, bool crop)
{
    teacher_ptz_pano_prefix = crop;
    teacher_ptz_to_pano = to_pano;
}

void Pads::set_student_crop(bool crop) { student_ptz_pano_prefix = crop; }

void Pads::forget_redirection(Side side)
{
    if (side == Side::Teacher) {
        teacher_ptz_to_pano = false;
        teacher_ptz_pano_prefix = false;
    } else {
        student_ptz_pano_prefix = false;
    }
}

// Which camera a pad drives, chosen anew for every command: a change of preset entry between
// press and release sends the stop to the newly chosen camera.
Pads::PadTarget Pads::pad_target(Pad pad) const
{
    PadTarget target;
    // Pan and tilt take the level's speed alike; the board pads take the teacher level.
    const int teacherSpeed = ptz_commands::speed_level(m_teacher.ptzspeed_level);
    switch (pad) {
    case Pad::Teacher: {
        const ptz_commands::PadRoute route = ptz_commands::teacher_pad_route(teacher_ptz_to_pano, teacher_ptz_pano_prefix);
        target.connected = m_slots[Slot::TeacherFeature].udp_flag;
        target.destination = m_slots[route.to_pano ? Slot::TeacherPano : Slot::TeacherFeature].destination;
        target.port = m_ports.visca_port(Side::Teacher);
        target.pan_speed = target.tilt_speed = teacherSpeed;
        target.crop = route.crop;
        break;
    }
    case Pad::Student: {
        const ptz_commands::PadRoute route = ptz_commands::student_pad_route(m_slots[Slot::StudentFeature].device_model,
                                                                             m_student.preset_index,
                                                                             student_ptz_pano_prefix);
        target.connected = m_slots[Slot::StudentFeature].udp_flag;
        target.destination = m_slots[route.to_pano ? Slot::StudentPano : Slot::StudentFeature].destination;
        target.port = m_ports.visca_port(Side::Student);
        target.pan_speed = target.tilt_speed = ptz_commands::speed_level(m_student.ptzspeed_level);
        target.crop = route.crop;
        break;
    }
    case Pad::Board:
    case Pad::Board2: {
        const Slot slot = pad == Pad::Board ? Slot::BoardFeature : Slot::BoardPano;
        target.connected = m_slots[slot].udp_flag;
        target.destination = m_slots[slot].destination;
        target.port = m_ports.visca_port(Side::Teacher);
        target.pan_speed = target.tilt_speed = teacherSpeed;
        break;
    }
    }
    return target;
}

bool Pads::pad_connected(const PadTarget &target)
{
    if (!target.connected)
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
    return target.connected;
}

void Pads::pad_press(Pad pad, Direction direction)
{
    const PadTarget target = pad_target(pad);
    if (!pad_connected(target))
        return;
    m_link.sendMsg_Net(
        target.destination, target.port,
        ptz_commands::ptzspeed(ptz_commands::direction_template(direction, target.crop), target.pan_speed,
                               target.tilt_speed),
        true);
}

void Pads::pad_release(Pad pad)
{
    const PadTarget target = pad_target(pad);
    if (!pad_connected(target))
        return;
    m_link.sendMsg_Net(target.destination, target.port, ptz_commands::stop(target.crop), true);
}

void Pads::pad_zoom(Pad pad, bool in)
{
    const PadTarget target = pad_target(pad);
    if (!pad_connected(target))
        return;
    m_link.sendMsg_Net(target.destination, target.port,
                       in ? ptz_commands::zoom_in(target.crop) : ptz_commands::zoom_out(target.crop), true);
}

void Pads::pad_zoom_release(Pad pad, bool in)
{
    const PadTarget target = pad_target(pad);
    if (!pad_connected(target))
        return;
    if (pad == Pad::Board || pad == Pad::Board2) {
        m_link.sendMsg_Net(target.destination, target.port, ptz_commands::zoom_stop(false), true);
        return;
    }
    m_link.sendMsg_Net(target.destination, target.port, ptz_commands::zoom_stop(target.crop), true);
    emit zoom_stopped(pad == Pad::Teacher ? Side::Teacher : Side::Student, in);
}

void Pads::pad_home(Pad pad)
{
    const PadTarget target = pad_target(pad);
    if (!pad_connected(target))
        return;
    if (pad == Pad::Board || pad == Pad::Board2) {
        m_link.sendMsg_Net(target.destination, target.port, ptz_commands::home(false), true);
        return;
    }
    const bool teacher = pad == Pad::Teacher;
    m_link.sendMsg_Net(target.destination, target.port, ptz_commands::home(target.crop), true);
    emit zoom_homed(teacher ? Side::Teacher : Side::Student);
    wait_ms(kHomeSettleMs);
    // Read after the wait: a camera disconnected meanwhile has no destination, and nothing goes.
    m_link.sendMsg_Net(m_slots[teacher ? Slot::TeacherFeature : Slot::StudentFeature].destination,
                       m_ports.visca_port(teacher ? Side::Teacher : Side::Student),
                       ptz_commands::zoom_position_inquiry(), true);
}

void Pads::on_teacher_ptz_up_Button_pressed() { pad_press(Pad::Teacher, Direction::Up); }
void Pads::on_teacher_ptz_up_Button_released() { pad_release(Pad::Teacher); }
void Pads::on_teacher_ptz_down_Button_pressed() { pad_press(Pad::Teacher, Direction::Down); }
void Pads::on_teacher_ptz_down_Button_released() { pad_release(Pad::Teacher); }
void Pads::on_teacher_ptz_left_Button_pressed() { pad_press(Pad::Teacher, Direction::Left); }
void Pads::on_teacher_ptz_left_Button_released() { pad_release(Pad::Teacher); }
void Pads::on_teacher_ptz_right_Button_pressed() { pad_press(Pad::Teacher, Direction::Right); }
void Pads::on_teacher_ptz_right_Button_released() { pad_release(Pad::Teacher); }
void Pads::on_teacher_ptz_leftup_Button_pressed() { pad_press(Pad::Teacher, Direction::LeftUp); }
void Pads::on_teacher_ptz_leftup_Button_released() { pad_release(Pad::Teacher); }
void Pads::on_teacher_ptz_leftdown_Button_pressed() { pad_press(Pad::Teacher, Direction::LeftDown); }
void Pads::on_teacher_ptz_leftdown_Button_released() { pad_release(Pad::Teacher); }
void Pads::on_teacher_ptz_rightup_Button_pressed() { pad_press(Pad::Teacher, Direction::RightUp); }
void Pads::on_teacher_ptz_rightup_Button_released() { pad_release(Pad::Teacher); }
void Pads::on_teacher_ptz_rightdown_Button_pressed() { pad_press(Pad::Teacher, Direction::RightDown); }
void Pads::on_teacher_ptz_rightdown_Button_released() { pad_release(Pad::Teacher); }
void Pads::on_teacher_ptz_reset_Button_clicked() { pad_home(Pad::Teacher); }
void Pads::on_teacher_zoomin_Button_pressed() { pad_zoom(Pad::Teacher, true); }
void Pads::on_teacher_zoomin_Button_released() { pad_zoom_release(Pad::Teacher, true); }
void Pads::on_teacher_zoomout_Button_pressed() { pad_zoom(Pad::Teacher, false); }
void Pads::on_teacher_zoomout_Button_released() { pad_zoom_release(Pad::Teacher, false); }
void Pads::on_student_ptz_up_Button_pressed() { pad_press(Pad::Student, Direction::Up); }
void Pads::on_student_ptz_up_Button_released() { pad_release(Pad::Student); }
void Pads::on_student_ptz_down_Button_pressed() { pad_press(Pad::Student, Direction::Down); }
void Pads::on_student_ptz_down_Button_released() { pad_release(Pad::Student); }
void Pads::on_student_ptz_left_Button_pressed() { pad_press(Pad::Student, Direction::Left); }
void Pads::on_student_ptz_left_Button_released() { pad_release(Pad::Student); }
void Pads::on_student_ptz_right_Button_pressed() { pad_press(Pad::Student, Direction::Right); }
void Pads::on_student_ptz_right_Button_released() { pad_release(Pad::Student); }
void Pads::on_student_ptz_leftup_Button_pressed() { pad_press(Pad::Student, Direction::LeftUp); }
void Pads::on_student_ptz_leftup_Button_released() { pad_release(Pad::Student); }
void Pads::on_student_ptz_leftdown_Button_pressed() { pad_press(Pad::Student, Direction::LeftDown); }
void Pads::on_student_ptz_leftdown_Button_released() { pad_release(Pad::Student); }
void Pads::on_student_ptz_rightup_Button_pressed() { pad_press(Pad::Student, Direction::RightUp); }
void Pads::on_student_ptz_rightup_Button_released() { pad_release(Pad::Student); }
void Pads::on_student_ptz_rightdown_Button_pressed() { pad_press(Pad::Student, Direction::RightDown); }
void Pads::on_student_ptz_rightdown_Button_released() { pad_release(Pad::Student); }
void Pads::on_student_ptz_reset_Button_clicked() { pad_home(Pad::Student); }
void Pads::on_student_zoomin_Button_pressed() { pad_zoom(Pad::Student, true); }
void Pads::on_student_zoomin_Button_released() { pad_zoom_release(Pad::Student, true); }
void Pads::on_student_zoomout_Button_pressed() { pad_zoom(Pad::Student, false); }
void Pads::on_student_zoomout_Button_released() { pad_zoom_release(Pad::Student, false); }
void Pads::on_board_ptz_up_Button_pressed() { pad_press(Pad::Board, Direction::Up); }
void Pads::on_board_ptz_up_Button_released() { pad_release(Pad::Board); }
void Pads::on_board_ptz_down_Button_pressed() { pad_press(Pad::Board, Direction::Down); }
void Pads::on_board_ptz_down_Button_released() { pad_release(Pad::Board); }
void Pads::on_board_ptz_left_Button_pressed() { pad_press(Pad::Board, Direction::Left); }
void Pads::on_board_ptz_left_Button_released() { pad_release(Pad::Board); }
void Pads::on_board_ptz_right_Button_pressed() { pad_press(Pad::Board, Direction::Right); }
void Pads::on_board_ptz_right_Button_released() { pad_release(Pad::Board); }
void Pads::on_board_ptz_leftup_Button_pressed() { pad_press(Pad::Board, Direction::LeftUp); }
void Pads::on_board_ptz_leftup_Button_released() { pad_release(Pad::Board); }
void Pads::on_board_ptz_leftdown_Button_pressed() { pad_press(Pad::Board, Direction::LeftDown); }
void Pads::on_board_ptz_leftdown_Button_released() { pad_release(Pad::Board); }
void Pads::on_board_ptz_rightup_Button_pressed() { pad_press(Pad::Board, Direction::RightUp); }
void Pads::on_board_ptz_rightup_Button_released() { pad_release(Pad::Board); }
void Pads::on_board_ptz_rightdown_Button_pressed() { pad_press(Pad::Board, Direction::RightDown); }
void Pads::on_board_ptz_rightdown_Button_released() { pad_release(Pad::Board); }
void Pads::on_board_ptz_reset_Button_clicked() { pad_home(Pad::Board); }
void Pads::on_board_zoomin_Button_pressed() { pad_zoom(Pad::Board, true); }
void Pads::on_board_zoomin_Button_released() { pad_zoom_release(Pad::Board, true); }
void Pads::on_board_zoomout_Button_pressed() { pad_zoom(Pad::Board, false); }
void Pads::on_board_zoomout_Button_released() { pad_zoom_release(Pad::Board, false); }
void Pads::on_board_ptz_up_Button_2_pressed() { pad_press(Pad::Board2, Direction::Up); }
void Pads::on_board_ptz_up_Button_2_released() { pad_release(Pad::Board2); }
void Pads::on_board_ptz_down_Button_2_pressed() { pad_press(Pad::Board2, Direction::Down); }
void Pads::on_board_ptz_down_Button_2_released() { pad_release(Pad::Board2); }
void Pads::on_board_ptz_left_Button_2_pressed() { pad_press(Pad::Board2, Direction::Left); }
void Pads::on_board_ptz_left_Button_2_released() { pad_release(Pad::Board2); }
void Pads::on_board_ptz_right_Button_2_pressed() { pad_press(Pad::Board2, Direction::Right); }
void Pads::on_board_ptz_right_Button_2_released() { pad_release(Pad::Board2); }
void Pads::on_board_ptz_leftup_Button_2_pressed() { pad_press(Pad::Board2, Direction::LeftUp); }
void Pads::on_board_ptz_leftup_Button_2_released() { pad_release(Pad::Board2); }
void Pads::on_board_ptz_leftdown_Button_2_pressed() { pad_press(Pad::Board2, Direction::LeftDown); }
void Pads::on_board_ptz_leftdown_Button_2_released() { pad_release(Pad::Board2); }
void Pads::on_board_ptz_rightup_Button_2_pressed() { pad_press(Pad::Board2, Direction::RightUp); }
void Pads::on_board_ptz_rightup_Button_2_released() { pad_release(Pad::Board2); }
void Pads::on_board_ptz_rightdown_Button_2_pressed() { pad_press(Pad::Board2, Direction::RightDown); }
void Pads::on_board_ptz_rightdown_Button_2_released() { pad_release(Pad::Board2); }
void Pads::on_board_ptz_reset_Button_2_clicked() { pad_home(Pad::Board2); }
void Pads::on_board_zoomin_Button_2_pressed() { pad_zoom(Pad::Board2, true); }
void Pads::on_board_zoomin_Button_2_released() { pad_zoom_release(Pad::Board2, true); }
void Pads::on_board_zoomout_Button_2_pressed() { pad_zoom(Pad::Board2, false); }
void Pads::on_board_zoomout_Button_2_released() { pad_zoom_release(Pad::Board2, false); }

// ---------------------------------------------------------------------------
// Presets, board tracking, director test

bool Pads::camera_connected(Slot slot, const QString &text)
{
    if (!m_slots[slot].udp_flag)
        msgbox::warning(m_window, tr("Warning"), text);
    return m_slots[slot].udp_flag;
}

void Pads::send(Slot slot, int port, const QString &text, bool hex)
{
    m_link.sendMsg_Net(m_slots[slot].destination, port, text, hex);
}

void Pads::teacher_preset(bool set)
{
    if (!camera_connected(Slot::TeacherPano, tr("Please connect the camera")))
        return;
    const preset_commands::TeacherListMode mode = m_teacher.tracking_mode == tracking_modes::BoardPano
        ? preset_commands::TeacherListMode::BoardPano
        : m_teacher.tracking_mode == tracking_modes::Other ? preset_commands::TeacherListMode::Other
                                                : preset_commands::TeacherListMode::Follow;
    const preset_commands::TeacherPosition position
        = preset_commands::teacher_position(m_teacher.preset_index, mode);
    const int udpPort = m_ports.udp_port(Side::Teacher);
    bool mark = true;
    switch (position.kind) {
    case preset_commands::TeacherPosition::None:
        return;
    case preset_commands::TeacherPosition::Word:
        send(Slot::TeacherPano, udpPort, preset_commands::teacher_position_command(position.word, set), false);
        break;
    case preset_commands::TeacherPosition::PanoramaCrop: {
        const preset_commands::CropCommand crop
            = preset_commands::panorama_crop(m_slots[Slot::TeacherFeature].device_model, set);
        if (crop.visca) {
            send(Slot::TeacherPano, m_ports.visca_port(Side::Teacher), crop.text, true);
            mark = position.mark_after_visca;
        } else {
            send(Slot::TeacherPano, udpPort, preset_commands::teacher_command(crop.text), false);
        }
        break;
    }
    }
    if (mark)
        emit apply_mark_wanted(Side::Teacher);
}

void Pads::student_preset(bool set)
{
    if (!camera_connected(Slot::StudentPano, tr("Please connect the camera")))
        return;
    const int index = m_student.preset_index;
    const int udpPort = m_ports.udp_port(Side::Student);
    if (index == 0) {
        send(Slot::StudentPano, udpPort, preset_commands::student_pano_command(set), false);
    } else if (index == 1) {
        const preset_commands::CropCommand crop
            = preset_commands::panorama_crop(m_slots[Slot::StudentFeature].device_model, set);
        if (crop.visca)
            send(Slot::StudentPano, m_ports.visca_port(Side::Student), crop.text, true);
        else
            send(Slot::StudentPano, udpPort, preset_commands::student_command(crop.text), false);
    } else {
        return;
    }
    if (set)
        emit apply_mark_wanted(Side::Student);
}

void Pads::board_preset(BoardPosition position, bool set)
{
    if (!camera_connected(Slot::TeacherPano, tr("Please connect the teacher pano camera")))
        return;
    send(Slot::TeacherPano, m_ports.udp_port(Side::Teacher), preset_commands::board_position_command(position, set),
         false);
    if (set)
        emit apply_mark_wanted(Side::Board);
}

void Pads::board_tracking(bool start)
{
    if (!camera_connected(Slot::BoardPano, tr("Please connect the camera")))
        return;
    send(Slot::BoardPano, m_ports.udp_port(Side::Teacher), preset_commands::board_tracking(start), false);
    emit widget_status_wanted(2, !start);
    m_status.board_cur_track_status = start ? 1 : 2;
}

void Pads::on_teacher_setPano_Button_clicked() { teacher_preset(true); }
void Pads::on_teacher_callPano_Button_clicked() { teacher_preset(false); }
void Pads::on_student_setPano_one_Button_clicked() { student_preset(true); }
void Pads::on_student_callPano_one_Button_clicked() { student_preset(false); }

void Pads::on_teacher_delBoardPano_Button_clicked()
{
    if (camera_connected(Slot::TeacherPano, tr("Please connect the camera")))
        send(Slot::TeacherPano, m_ports.udp_port(Side::Teacher), preset_commands::cancel_board_pano(), false);
}

void Pads::on_teacher_delPlatform_Button_clicked()
{
    if (camera_connected(Slot::TeacherPano, tr("Please connect the camera")))
        send(Slot::TeacherPano, m_ports.udp_port(Side::Teacher), preset_commands::cancel_platform(), false);
}

void Pads::on_board_setBoard_one_Button_clicked() { board_preset(BoardPosition::Board0, true); }
void Pads::on_board_callBoard_one_Button_clicked() { board_preset(BoardPosition::Board0, false); }
void Pads::on_board_setBoard_two_Button_clicked() { board_preset(BoardPosition::Board1, true); }
void Pads::on_board_callBoard_two_Button_clicked() { board_preset(BoardPosition::Board1, false); }
void Pads::on_board_setBoardPano_Button_clicked() { board_preset(BoardPosition::Pano, true); }
void Pads::on_board_callBoardPano_Button_clicked() { board_preset(BoardPosition::Pano, false); }
void Pads::on_board_setBoard_two_Button_2_clicked() { board_preset(BoardPosition::SecondBoard1, true); }
void Pads::on_board_callBoard_two_Button_2_clicked() { board_preset(BoardPosition::SecondBoard1, false); }
void Pads::on_board_setBoardPano_Button_2_clicked() { board_preset(BoardPosition::SecondPano, true); }
void Pads::on_board_callBoardPano_Button_2_clicked() { board_preset(BoardPosition::SecondPano, false); }
void Pads::on_board_startTrack_Button_clicked() { board_tracking(true); }
void Pads::on_board_stopTrack_Button_clicked() { board_tracking(false); }

void Pads::on_director_test_button_clicked()
{
    if (camera_connected(Slot::TeacherPano, tr("Please connect the teacher pano camera")))
        send(Slot::TeacherPano, m_ports.udp_port(Side::Teacher), preset_commands::director_test(true), false);
    if (camera_connected(Slot::StudentPano, tr("Please connect the student pano camera")))
        send(Slot::StudentPano, m_ports.udp_port(Side::Student), preset_commands::director_test(false), false);
}
