#pragma once

#include "dialogs/manual_direct.h"
#include "model/camera_slot.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class CameraSlots;
class OSDMenu;
class QPushButton;

#define DIALOG_LAUNCHERS_WIDGETS(X)                                                                                    \
    X(QPushButton, board_show_osd_menu_pushButton)                                                                     \
    X(QPushButton, manual_director_button)                                                                             \
    X(QPushButton, student_camera_install_pos_pushButton)                                                              \
    X(QPushButton, student_show_osd_menu_pushButton)                                                                   \
    X(QPushButton, teacher_show_osd_menu_pushButton)

// The main window's openers of its three dialogs, each run modally while the window waits: the
// camera menu remote of the teacher, student and board tabs, the student tab's installation
// position, and the manual director console with the window's answer to its status.
class DialogLaunchers : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        DIALOG_LAUNCHERS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // What the openers need of the window, besides what the console needs.
    class Host : public manual_direct::Host
    {
    public:
        // The window itself: the dialogs' parent, hidden while the console runs.
        virtual QWidget *main_window() = 0;
        virtual const CameraSlots &camera_slots() const = 0;
        // The address field's text of a camera slot.
        virtual QString camera_field(camera_slot::Slot slot) const = 0;
        // The teacher tab's navigation keys drive the camera's menu (not the pan and tilt).
        virtual bool teacher_menu_navigation() const = 0;
        // The tab's menu object: 0 its feature camera, 1 its pano camera.
        virtual int menu_object(camera_slot::Side side) const = 0;
        // A camera menu dialog of the side opened or closed; a key of it.
        virtual void camera_menu_opened(camera_slot::Side side) = 0;
        virtual void camera_menu_closed(camera_slot::Side side) = 0;
        virtual void camera_menu_key(int key) = 0;
        // The window's pictures of the menu's feature camera go to the dialog from now on.
        virtual void feed_camera_menu(OSDMenu *dialog) = 0;
        // The student tab's three installation measures, and where the dialog's Apply puts them.
        virtual QStringList install_position() const = 0;
        virtual void set_camera_install_pos(const QString &height, const QString &length,
                                            const QString &objectHeight) = 0;
        // The interface language is the first entry (Chinese) of the language list.
        virtual bool chinese_interface() const = 0;
        // The enlarged picture dialogs close and take no more pictures.
        virtual void close_enlarged_dialogs() = 0;
        // The window's teacher and student cameras let go, one after the other, for the console.
        virtual void release_cameras_for_console() = 0;
        // The window closes for good without a question, its settings saved.
        virtual void close_for_director() = 0;
    };

    DialogLaunchers(const Widgets &widgets, Host &host, QObject *parent = nullptr);

    void on_teacher_show_osd_menu_pushButton_clicked();
    void on_student_show_osd_menu_pushButton_clicked();
    void on_board_show_osd_menu_pushButton_clicked();
    void on_student_camera_install_pos_pushButton_clicked();
    void on_manual_director_button_clicked(bool checked);
    // The console's status: "showNormal" ends the program, "hideDirect" brings the window back.
    void receiveData(const QString &status);

    // The route of the camera answers while the console runs (the window's send signal).
    void console_reply(const QString &message);
    bool console_listens() const { return !m_console.isNull(); }

private:
    void open_side_menu(camera_slot::Side side);
    void open_camera_menu(camera_slot::Side side, bool pano);

    const Widgets ui;
    Host &m_host;
    QPointer<manual_direct> m_console;
    // A dialog runs: a second press meanwhile opens nothing.
    bool m_dialog_open = false;
    // The console said how it ended.
    bool m_status_received = false;
};
