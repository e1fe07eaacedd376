#pragma once

#include "dialogs/manual_direct.h"
#include "model/camera_slot.h"
#include "model/section_values.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

class CameraSlots;
class OSDMenu;
class QPushButton;

#define DIALOG_LAUNCHERS_WIDGETS(X)                                                                                    \
    X(QPushButton, manual_director_button)                                                                             \
    X(QPushButton, student_camera_install_pos_pushButton)

// What the openers change elsewhere, each carried out by the owner.
class DialogLaunchersSignals : public QObject
{
    Q_OBJECT

signals:
    // A camera menu dialog of the side opened or closed, and a key pressed in it.
    void menu_dialog_opened(camera_slot::Side side);
    void menu_dialog_closed(camera_slot::Side side);
    void menu_dialog_key(int key);
    // The installation position dialog's Apply: the camera height, the distance and the object
    // height, for the Student tab.
    void install_position_chosen(const QString &height, const QString &length, const QString &objectHeight);
    // The enlarged picture dialogs close and take no more pictures.
    void enlarged_dialogs_close_wanted();
    // The window's teacher and student cameras let go, one after the other, for the console.
    void console_cameras_release_wanted();
    // The console's address goes into both address fields of the side.
    void side_addresses_wanted(camera_slot::Side side, const QString &text);
};

// The main window's openers of its three dialogs, each run modally while the window waits: the
// camera menu remote of the teacher, student and board tabs (opened for the camera the camera
// menu keys chose), the student tab's installation position, and the manual director console
// with the window's answer to its status. It is the console's host: the console reaches the
// window's link, ports, language and the sides' address fields through it.
class DialogLaunchers : public DialogLaunchersSignals, private manual_direct::Host
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        DIALOG_LAUNCHERS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // What the openers need of the window itself, which the window carries out.
    class Window
    {
    public:
        virtual ~Window() = default;
        // The window's language name ("English" ... "Spanish"), which the console speaks.
        virtual QString interface_language() const = 0;
        // The window's pictures of the menu's feature camera go to the dialog from now on.
        virtual void feed_camera_menu(OSDMenu *dialog) = 0;
        // The window's text answers go to the console from now on, for as long as it lives.
        virtual void attach_console(manual_direct *console) = 0;
        // The window closes for good without a question, its settings saved.
        virtual void close_for_director() = 0;
    };

    // cameras: the address fields as typed; teacher: the level both of the console's pads drive
    // with; student: the installation measures; choices: the language entry (the installation
    // picture's language); window: the dialogs' parent, hidden while the console runs.
    DialogLaunchers(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports, ControlLink &link,
                    const TeacherSection &teacher, const StudentSection &student, const WindowChoices &choices,
                    Window &shell, QWidget *window);

    // The camera menu of the side's feature camera (fed by the window's pictures) or pano camera
    // (with a picture of its own), as the camera menu keys chose it.
    void open_camera_menu(camera_slot::Side side, bool pano);
    void on_student_camera_install_pos_pushButton_clicked();
    void on_manual_director_button_clicked(bool checked);
    // The console's status: "showNormal" ends the program, "hideDirect" brings the window back.
    void receiveData(const QString &status);

private:
    // manual_direct::Host
    ControlLink &control_link() override { return m_link; }
    const CameraPorts &camera_ports() const override { return m_ports; }
    QString interface_language() const override;
    int teacher_pan_speed() const override;
    int teacher_tilt_speed() const override;
    void set_teacher_ip_edits(const QString &text) override;
    void set_student_ip_edits(const QString &text) override;

    const Widgets ui;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    const TeacherSection &m_teacher;
    const StudentSection &m_student;
    const WindowChoices &m_choices;
    Window &m_shell;
    QWidget *m_window;
    // A dialog runs: a second press meanwhile opens nothing.
    bool m_dialog_open = false;
    // The console said how it ended.
    bool m_status_received = false;
};
