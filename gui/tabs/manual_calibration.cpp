#include "tabs/manual_calibration.h"

#include "core/wait.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "model/pano_status.h"
#include "net/control_link.h"
#include "protocol/calibration_commands.h"
#include "protocol/parameter_block.h"
#include "protocol/tracking_command.h"
#include "seams/message_box.h"

#include <QCheckBox>
#include <QDebug>
#include <QLabel>
#include <QPushButton>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kCrossSwitchMs = 500; // the pano camera switches its cross before the next command

Slot pano_slot(Side side) { return side == Side::Teacher ? Slot::TeacherPano : Slot::StudentPano; }
int index(Side side) { return side == Side::Teacher ? 0 : 1; }
} // namespace

ManualCalibration::ManualCalibration(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports,
                                     ControlLink &link, const PanoStatus &status, const TeacherSection &teacher,
                                     const StudentSection &student, QWidget *window)
    : ui(widgets)
    , m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_status(status)
    , m_teacher(teacher)
    , m_student(student)
    , m_window(window)
{
    connect(ui.teacher_showCalibration_Button, &QPushButton::clicked, this,
            &ManualCalibration::on_teacher_showCalibration_Button_clicked);
    connect(ui.student_showCalibration_Button, &QPushButton::clicked, this,
            &ManualCalibration::on_student_showCalibration_Button_clicked);
    connect(ui.teacher_showCalibration_Reset_Button, &QPushButton::clicked, this,
            &ManualCalibration::on_teacher_showCalibration_Reset_Button_clicked);
    connect(ui.student_showCalibration_Reset_Button, &QPushButton::clicked, this,
            &ManualCalibration::on_student_showCalibration_Reset_Button_clicked);
    connect(ui.teacher_show_Calibration_checkBox, &QCheckBox::clicked, this,
            &ManualCalibration::on_teacher_show_Calibration_checkBox_clicked);
    connect(ui.student_show_Calibration_checkBox, &QCheckBox::clicked, this,
            &ManualCalibration::on_student_show_Calibration_checkBox_clicked);
    // The calibration markers show only while a calibration view shows them.
    for (Side side : {Side::Teacher, Side::Student}) {
        for (QLabel *label : side_widgets(side).labels)
            label->hide();
    }
}

ManualCalibration::SideWidgets ManualCalibration::side_widgets(Side side) const
{
    if (side == Side::Teacher)
        return {ui.teacher_show_Calibration_checkBox,
                {ui.teacher_showCalibration_Button, ui.teacher_showCalibration_Reset_Button},
                {ui.teacher_feature_calibration_label, ui.teacher_pano_calibration_label}};
    return {ui.student_show_Calibration_checkBox,
            {ui.student_showCalibration_Button, ui.student_showCalibration_Reset_Button},
            {ui.student_feature_calibration_label, ui.student_pano_calibration_label}};
}

bool ManualCalibration::customer_model(Side side) const
{
    return side == Side::Teacher ? m_teacher.customer_model : m_student.customer_model;
}

bool ManualCalibration::calibration_shown(Side side) const { return side_widgets(side).box->isChecked(); }

void ManualCalibration::hide_calibration(Side side)
{
    QCheckBox *box = side_widgets(side).box;
    if (!box->isChecked())
        return;
    box->setChecked(false);
    calibration_cross_off(side);
}

void ManualCalibration::enable_group_controls(int camera, bool enable)
{
    if (camera != 0 && camera != 1)
        return;
    const Side side = camera == 0 ? Side::Teacher : Side::Student;
    const SideWidgets w = side_widgets(side);
    for (QPushButton *b : {w.buttons[0], w.buttons[1]})
        b->setEnabled(enable && w.box->isChecked());
    if (customer_model(side)) {
        w.box->setEnabled(false);
        w.buttons[0]->setEnabled(false);
        w.buttons[1]->setEnabled(false);
    }
}

void ManualCalibration::disable_board_controls()
{
    for (Side side : {Side::Teacher, Side::Student}) {
        if (!customer_model(side))
            continue;
        const SideWidgets w = side_widgets(side);
        w.buttons[0]->setEnabled(false);
        w.buttons[1]->setEnabled(false);
    }
}

void ManualCalibration::pano_views_closed(Side side)
{
    if (side == Side::Student)
        hide_calibration(side);
}

void ManualCalibration::follow_layout(int layout)
{
    // Unticked as by a click, so the calibration cross goes off on the camera too.
    if (layout == 0) {
        for (Side side : {Side::Teacher, Side::Student})
            hide_calibration(side);
    }
}

// ---------------------------------------------------------------------------
// Calibration and Reset

bool ManualCalibration::send_calibration_word(Side side, const char *word)
{
    const CameraSlotRecord &pano = m_slots[pano_slot(side)];
    if (!pano.udp_flag) {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
        return false;
    }
    const QString section = QLatin1String(side == Side::Teacher ? parameter_block::kTeacherSection
                                                                : parameter_block::kStudentSection);
    m_link.sendMsg_Net(pano.destination, m_ports.udp_port(side),
                       tracking_command::command_text(section, QLatin1String(word)), false);
    return true;
}

// A calibration stored on the camera marks the tab's Apply, as its other changes do.
void ManualCalibration::on_teacher_showCalibration_Button_clicked()
{
    if (send_calibration_word(Side::Teacher, calibration_commands::kSetCalibrate))
        emit apply_mark_wanted(Side::Teacher);
}

void ManualCalibration::on_student_showCalibration_Button_clicked()
{
    if (send_calibration_word(Side::Student, calibration_commands::kSetCalibrate))
        emit apply_mark_wanted(Side::Student);
}

void ManualCalibration::on_teacher_showCalibration_Reset_Button_clicked()
{
    send_calibration_word(Side::Teacher, calibration_commands::kCancelCalibrate);
}

void ManualCalibration::on_student_showCalibration_Reset_Button_clicked()
{
    send_calibration_word(Side::Student, calibration_commands::kCancelCalibrate);
}

// ---------------------------------------------------------------------------
// The calibration cross

void ManualCalibration::on_teacher_show_Calibration_checkBox_clicked(bool checked)
{
    show_cross(Side::Teacher, checked);
}

void ManualCalibration::on_student_show_Calibration_checkBox_clicked(bool checked)
{
    show_cross(Side::Student, checked);
}

void ManualCalibration::show_cross(Side side, bool on)
{
    const int i = index(side);
    if (cross_busy[i]) {
        qDebug() << "MainWindow::calibration cross switch under way, then" << (on ? "on" : "off");
        cross_pending[i] = on;
        return;
    }
    cross_busy[i] = true;
    bool state = on;
    for (;;) {
        switch_cross(side, state);
        if (!cross_pending[i])
            break;
        const bool next = *cross_pending[i];
        cross_pending[i].reset();
        if (next == state)
            break;
        state = next;
    }
    cross_busy[i] = false;
}

void ManualCalibration::switch_cross(Side side, bool on)
{
    const SideWidgets w = side_widgets(side);
    const CameraSlotRecord &pano = m_slots[pano_slot(side)];
    if (!pano.udp_flag) {
        if (on) {
            w.box->setChecked(false);
            msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
            return;
        }
        // The pano camera is gone (its disconnect unticks the box) and its cross with it: the
        // tab forgets the cross too, rather than ticking the box again for a camera not there.
        qDebug() << "MainWindow::calibration cross off without its camera";
    }
    qDebug() << (side == Side::Teacher ? "Calibration Teacher CheckBox:" : "MainWindow::Calibration Student CheckBox:")
             << (on ? "true" : "false");

    const int status = side == Side::Teacher ? m_status.teacher_cur_track_status : m_status.student_cur_track_status;
    if (status == 2) {
        for (QPushButton *b : w.buttons)
            b->setEnabled(on);
        emit auto_calibration_enabled_wanted(side, on);
    }
    for (QLabel *label : w.labels)
        label->setVisible(on);
    emit pad_slowed(side, on);
    if (!calibration_commands::draws_cross(side, pano.device_model))
        return;
    if (on) {
        emit zoom_enabled_wanted(side, false);
        emit region_display_off_wanted(side);
    } else if (status == 2) {
        emit zoom_enabled_wanted(side, true);
    }
    if (!pano.udp_flag)
        return;
    m_link.sendMsg_Net(pano.destination, m_ports.visca_port(side), calibration_commands::cross(on), true);
    wait_ms(kCrossSwitchMs);
}
