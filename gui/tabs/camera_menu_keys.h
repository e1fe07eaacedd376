#pragma once

#include "cameras/free_preview.h"
#include "cameras/menu_camera.h"
#include "maintenance/upgrade_pages.h"
#include "model/camera_slot.h"
#include "model/section_values.h"
#include "support/form_widgets.h"
#include "support/open_page.h"

#include <QCoreApplication>
#include <QObject>

class CameraPorts;
class CameraSlots;
class ControlLink;
class QComboBox;
class QHostAddress;
class QPushButton;
class QRadioButton;

#define CAMERA_MENU_KEYS_WIDGETS(X)                                                                                    \
    X(QPushButton, osd_back_Button)                                                                                    \
    X(QPushButton, osd_down_Button)                                                                                    \
    X(QPushButton, osd_left_Button)                                                                                    \
    X(QPushButton, osd_menu_Button)                                                                                    \
    X(QPushButton, osd_ok_Button)                                                                                      \
    X(QPushButton, osd_right_Button)                                                                                   \
    X(QPushButton, osd_up_Button)                                                                                      \
    X(QComboBox, student_switch_menu_object_comboBox)                                                                  \
    X(QRadioButton, teacher_navigate_ptz_mode_radioButton)                                                             \
    X(QRadioButton, teacher_navigate_osd_mode_radioButton)                                                             \
    X(QPushButton, teacher_show_osd_menu_pushButton)                                                                   \
    X(QPushButton, student_show_osd_menu_pushButton)                                                                   \
    X(QPushButton, board_show_osd_menu_pushButton)                                                                     \
    X(QComboBox, teacher_switch_menu_object_comboBox)                                                                  \
    X(QComboBox, upgrade_preview_comboBox)

// What the menu keys tell.
class CameraMenuKeysSignals : public QObject
{
    Q_OBJECT

signals:
    // The camera menu dialog of the side (teacher, student or board) closed: its pictures go back
    // to the previews.
    void camera_menu_closed(camera_slot::Side side);
    // A tab's camera menu button chose the camera whose menu dialog opens: the side's close-up
    // camera, or its pano camera (which the dialog plays itself).
    void camera_menu_wanted(camera_slot::Side side, bool pano);
};

// The camera's on-screen menu keys: those of the camera menu dialog, sent to the camera chosen
// on the tab that is showing, and the seven buttons of the Upgrade tab's Preview page, which
// are menu keys in menu mode and a small pan/tilt/zoom pad in PTZ mode (at the teacher level's
// speed).
class CameraMenuKeys : public CameraMenuKeysSignals, public MenuCamera
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        CAMERA_MENU_KEYS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // page, upgrade_pages: the tab (and the Upgrade tab's page) that shows chooses the camera;
    // preview: the Preview page's camera; teacher: the level the Preview page's arrows drive with.
    CameraMenuKeys(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports, ControlLink &link,
                   const OpenPage &page, const UpgradePages &upgrade_pages, const FreePreview &preview,
                   const TeacherSection &teacher);

    // A key code of osd_keys::Key to the camera the showing page chooses; nothing when that
    // camera is not connected.
    void dispose_osd_command(int key);
    // The camera menu dialog of a side closed: the camera's menu closes too.
    void set_teacher_osd_menu_show_flag();
    void set_student_osd_menu_show_flag();
    void set_board_osd_menu_show_flag();
    // The side's one of the three above.
    void menu_dialog_closed(camera_slot::Side side);
    // The Preview keys' names for the mode chosen, over the form's texts.
    void retranslate();
    // The camera menu controls of a camera group (0 teacher, 1 student, 2 board) usable or not.
    void enable_group_controls(int camera, bool enable);
    // MenuCamera
    int menu_camera(camera_slot::Side side) const override;

    void on_teacher_show_osd_menu_pushButton_clicked();
    void on_student_show_osd_menu_pushButton_clicked();
    void on_board_show_osd_menu_pushButton_clicked();
    void on_upgrade_preview_comboBox_activated(int index);
    void on_osd_menu_Button_pressed();
    void on_osd_menu_Button_released();
    void on_osd_back_Button_pressed();
    void on_osd_back_Button_released();
    void on_osd_ok_Button_pressed();
    void on_osd_ok_Button_released();
    void on_osd_up_Button_pressed();
    void on_osd_up_Button_released();
    void on_osd_down_Button_pressed();
    void on_osd_down_Button_released();
    void on_osd_left_Button_pressed();
    void on_osd_left_Button_released();
    void on_osd_right_Button_pressed();
    void on_osd_right_Button_released();

private:
    void want_side_menu(camera_slot::Side side);
    void preview_button(int button, bool pressed);
    void send(QHostAddress *destination, int port, const QString &command);

    const Widgets ui;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    const OpenPage &m_page;
    const UpgradePages &m_upgrade_pages;
    const FreePreview &m_preview;
    const TeacherSection &m_teacher;
    // The Preview page's MENU key was pressed in menu mode; the other menu keys wait for it.
    bool rtsp_preview_osd_menu_open = false;
};
