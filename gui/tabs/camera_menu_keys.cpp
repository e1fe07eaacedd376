#include "tabs/camera_menu_keys.h"

#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/osd_keys.h"
#include "protocol/ptz_commands.h"

#include <QComboBox>
#include <QDebug>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using camera_slot::Side;
using camera_slot::Slot;
using osd_keys::PreviewButton;

CameraMenuKeys::CameraMenuKeys(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports,
                               ControlLink &link, const OpenPage &page, const UpgradePages &upgrade_pages,
                               const FreePreview &preview, const TeacherSection &teacher)
    : ui(widgets)
    , m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_page(page)
    , m_upgrade_pages(upgrade_pages)
    , m_preview(preview)
    , m_teacher(teacher)
{
    connect(ui.upgrade_preview_comboBox, qOverload<int>(&QComboBox::activated), this,
            &CameraMenuKeys::on_upgrade_preview_comboBox_activated);
    connect(ui.osd_menu_Button, &QPushButton::pressed, this, &CameraMenuKeys::on_osd_menu_Button_pressed);
    connect(ui.osd_menu_Button, &QPushButton::released, this, &CameraMenuKeys::on_osd_menu_Button_released);
    connect(ui.osd_back_Button, &QPushButton::pressed, this, &CameraMenuKeys::on_osd_back_Button_pressed);
    connect(ui.osd_back_Button, &QPushButton::released, this, &CameraMenuKeys::on_osd_back_Button_released);
    connect(ui.osd_ok_Button, &QPushButton::pressed, this, &CameraMenuKeys::on_osd_ok_Button_pressed);
    connect(ui.osd_ok_Button, &QPushButton::released, this, &CameraMenuKeys::on_osd_ok_Button_released);
    connect(ui.osd_up_Button, &QPushButton::pressed, this, &CameraMenuKeys::on_osd_up_Button_pressed);
    connect(ui.osd_up_Button, &QPushButton::released, this, &CameraMenuKeys::on_osd_up_Button_released);
    connect(ui.osd_down_Button, &QPushButton::pressed, this, &CameraMenuKeys::on_osd_down_Button_pressed);
    connect(ui.osd_down_Button, &QPushButton::released, this, &CameraMenuKeys::on_osd_down_Button_released);
    connect(ui.osd_left_Button, &QPushButton::pressed, this, &CameraMenuKeys::on_osd_left_Button_pressed);
    connect(ui.osd_left_Button, &QPushButton::released, this, &CameraMenuKeys::on_osd_left_Button_released);
    connect(ui.osd_right_Button, &QPushButton::pressed, this, &CameraMenuKeys::on_osd_right_Button_pressed);
    connect(ui.osd_right_Button, &QPushButton::released, this, &CameraMenuKeys::on_osd_right_Button_released);
    connect(ui.teacher_show_osd_menu_pushButton, &QPushButton::clicked, this,
            &CameraMenuKeys::on_teacher_show_osd_menu_pushButton_clicked);
    connect(ui.student_show_osd_menu_pushButton, &QPushButton::clicked, this,
            &CameraMenuKeys::on_student_show_osd_menu_pushButton_clicked);
    connect(ui.board_show_osd_menu_pushButton, &QPushButton::clicked, this,
            &CameraMenuKeys::on_board_show_osd_menu_pushButton_clicked);
}

// ---------------------------------------------------------------------------
// The camera menu dialog's buttons: the tab's menu object, when its camera is connected.

void CameraMenuKeys::on_teacher_show_osd_menu_pushButton_clicked() { want_side_menu(Side::Teacher); }

void CameraMenuKeys::on_student_show_osd_menu_pushButton_clicked() { want_side_menu(Side::Student); }

void CameraMenuKeys::on_board_show_osd_menu_pushButton_clicked()
{
    if (m_slots[Slot::BoardFeature].udp_flag)
        emit camera_menu_wanted(Side::Board, false);
}

// The teacher tab offers its menu only while its navigation keys drive the camera's menu.
void CameraMenuKeys::want_side_menu(Side side)
{
    const bool teacher = side == Side::Teacher;
    const int object = menu_camera(side);
    if (object == 0 && m_slots[teacher ? Slot::TeacherFeature : Slot::StudentFeature].udp_flag)
        emit camera_menu_wanted(side, false);
    else if (object == 1 && m_slots[teacher ? Slot::TeacherPano : Slot::StudentPano].udp_flag)
        emit camera_menu_wanted(side, true);
}

void CameraMenuKeys::menu_dialog_closed(Side side)
{
    if (side == Side::Teacher)
        set_teacher_osd_menu_show_flag();
    else if (side == Side::Student)
        set_student_osd_menu_show_flag();
    else
        set_board_osd_menu_show_flag();
}

void CameraMenuKeys::send(QHostAddress *destination, int port, const QString &command)
{
    m_link.sendMsg_Net(destination, port, command, true);
}

void CameraMenuKeys::dispose_osd_command(int key)
{
    const QString command = osd_keys::command_for_key(key);
    const OpenPage::Page page = m_page.open_page();
    osd_keys::Route route;
    if (page == OpenPage::Page::Teacher)
        route.page = osd_keys::Page::Teacher;
    else if (page == OpenPage::Page::Student)
        route.page = osd_keys::Page::Student;
    else if (page == OpenPage::Page::Board)
        route.page = osd_keys::Page::Board;
    else if (page == OpenPage::Page::Upgrade && m_upgrade_pages.preview_page_open())
        route.page = osd_keys::Page::UpgradePreview;
    route.teacher_menu_object = ui.teacher_switch_menu_object_comboBox->currentIndex();
    route.student_menu_object = ui.student_switch_menu_object_comboBox->currentIndex();
    route.teacher_feature = m_slots[Slot::TeacherFeature].udp_flag;
    route.teacher_pano = m_slots[Slot::TeacherPano].udp_flag;
    route.student_feature = m_slots[Slot::StudentFeature].udp_flag;
    route.student_pano = m_slots[Slot::StudentPano].udp_flag;
    route.board_feature = m_slots[Slot::BoardFeature].udp_flag;
    route.preview = m_preview.preview_connected();

    const int teacherPort = m_ports.visca_port(Side::Teacher);
    const int studentPort = m_ports.visca_port(Side::Student);
    switch (osd_keys::target(route)) {
    case osd_keys::Target::None:
        return;
    case osd_keys::Target::TeacherFeature:
        send(m_slots[Slot::TeacherFeature].destination, teacherPort, command);
        return;
    case osd_keys::Target::TeacherPano:
        send(m_slots[Slot::TeacherPano].destination, teacherPort, command);
        return;
    case osd_keys::Target::StudentFeature:
        send(m_slots[Slot::StudentFeature].destination, studentPort, command);
        return;
    case osd_keys::Target::StudentPano:
        send(m_slots[Slot::StudentPano].destination, studentPort, command);
        return;
    case osd_keys::Target::BoardFeature:
        send(m_slots[Slot::BoardFeature].destination, teacherPort, command);
        return;
    case osd_keys::Target::Preview:
        send(m_preview.preview_destination(), teacherPort, command);
        return;
    }
}

void CameraMenuKeys::set_teacher_osd_menu_show_flag()
{
    dispose_osd_command(osd_keys::MenuClosed);
    emit camera_menu_closed(Side::Teacher);
    ui.teacher_navigate_ptz_mode_radioButton->setChecked(true);
}

void CameraMenuKeys::set_student_osd_menu_show_flag()
{
    dispose_osd_command(osd_keys::MenuClosed);
    emit camera_menu_closed(Side::Student);
}

void CameraMenuKeys::set_board_osd_menu_show_flag()
{
    dispose_osd_command(osd_keys::MenuClosed);
    emit camera_menu_closed(Side::Board);
}

void CameraMenuKeys::enable_group_controls(int camera, bool enable)
{
    QList<QWidget *> controls;
    if (camera == 0)
        controls = {ui.teacher_navigate_ptz_mode_radioButton, ui.teacher_navigate_osd_mode_radioButton,
                    ui.teacher_switch_menu_object_comboBox, ui.teacher_show_osd_menu_pushButton};
    else if (camera == 1)
        controls = {ui.student_switch_menu_object_comboBox, ui.student_show_osd_menu_pushButton};
    else if (camera == 2)
        controls = {ui.board_show_osd_menu_pushButton};
    for (QWidget *w : controls)
        w->setEnabled(enable);
}

int CameraMenuKeys::menu_camera(Side side) const
{
    if (side == Side::Student)
        return ui.student_switch_menu_object_comboBox->currentIndex();
    if (side == Side::Teacher && ui.teacher_navigate_osd_mode_radioButton->isChecked())
        return ui.teacher_switch_menu_object_comboBox->currentIndex();
    return -1;
}

void CameraMenuKeys::retranslate()
{
    on_upgrade_preview_comboBox_activated(ui.upgrade_preview_comboBox->currentIndex());
}

void CameraMenuKeys::on_upgrade_preview_comboBox_activated(int index)
{
    // The two lower corner keys zoom in PTZ mode and are the menu's BACK and MENU keys in OSD mode.
    if (index == 0) {
        ui.osd_back_Button->setText(tr("Zoom in"));
        ui.osd_menu_Button->setText(tr("Zoom out"));
    } else {
        ui.osd_back_Button->setText(tr("BACK"));
        ui.osd_menu_Button->setText(tr("MENU"));
    }
}

void CameraMenuKeys::preview_button(int buttonIndex, bool pressed)
{
    const auto button = PreviewButton(buttonIndex);
    const bool ptzMode = ui.upgrade_preview_comboBox->currentIndex() == 0;
    if (!ptzMode) {
        if (!pressed)
            return;
        if (button == PreviewButton::Menu) {
            dispose_osd_command(osd_keys::Menu);
            rtsp_preview_osd_menu_open = true;
        } else if (rtsp_preview_osd_menu_open) {
            dispose_osd_command(osd_keys::menu_key(button));
        }
        return;
    }
    if (!m_preview.preview_connected())
        return;
    const int speed = ptz_commands::speed_level(m_teacher.ptzspeed_level);
    const QString command = pressed ? osd_keys::ptz_pressed(button, speed, speed) : osd_keys::ptz_released(button);
    if (!command.isEmpty())
        send(m_preview.preview_destination(), m_ports.visca_port(Side::Teacher), command);
}

void CameraMenuKeys::on_osd_menu_Button_pressed() { preview_button(int(PreviewButton::Menu), true); }
void CameraMenuKeys::on_osd_menu_Button_released() { preview_button(int(PreviewButton::Menu), false); }
void CameraMenuKeys::on_osd_back_Button_pressed() { preview_button(int(PreviewButton::Back), true); }
void CameraMenuKeys::on_osd_back_Button_released() { preview_button(int(PreviewButton::Back), false); }
void CameraMenuKeys::on_osd_ok_Button_pressed() { preview_button(int(PreviewButton::Ok), true); }
void CameraMenuKeys::on_osd_ok_Button_released() { preview_button(int(PreviewButton::Ok), false); }
void CameraMenuKeys::on_osd_up_Button_pressed() { preview_button(int(PreviewButton::Up), true); }
void CameraMenuKeys::on_osd_up_Button_released() { preview_button(int(PreviewButton::Up), false); }
void CameraMenuKeys::on_osd_down_Button_pressed() { preview_button(int(PreviewButton::Down), true); }
void CameraMenuKeys::on_osd_down_Button_released() { preview_button(int(PreviewButton::Down), false); }
void CameraMenuKeys::on_osd_left_Button_pressed() { preview_button(int(PreviewButton::Left), true); }
void CameraMenuKeys::on_osd_left_Button_released() { preview_button(int(PreviewButton::Left), false); }
void CameraMenuKeys::on_osd_right_Button_pressed() { preview_button(int(PreviewButton::Right), true); }
void CameraMenuKeys::on_osd_right_Button_released() { preview_button(int(PreviewButton::Right), false); }
