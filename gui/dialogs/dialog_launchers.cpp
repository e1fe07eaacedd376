#include "dialogs/dialog_launchers.h"

#include "core/wait.h"
#include "dialogs/camera_install_pos.h"
#include "dialogs/osdmenu.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "seams/message_box.h"
#include "settings/settings_path.h"

#include <QDebug>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kPanoMenuPauseMs = 100; // the pano camera's menu opens its own picture after a pause

// Clears a flag when the scope ends, however it ends.
struct Running {
    bool &flag;
    explicit Running(bool &f) : flag(f) { flag = true; }
    ~Running() { flag = false; }
};
} // namespace

DialogLaunchers::DialogLaunchers(const Widgets &widgets, Host &host, QObject *parent)
    : QObject(parent)
    , ui(widgets)
    , m_host(host)
{
    using L = DialogLaunchers;
    connect(ui.teacher_show_osd_menu_pushButton, &QPushButton::clicked, this, &L::on_teacher_show_osd_menu_pushButton_clicked);
    connect(ui.student_show_osd_menu_pushButton, &QPushButton::clicked, this, &L::on_student_show_osd_menu_pushButton_clicked);
    connect(ui.board_show_osd_menu_pushButton, &QPushButton::clicked, this, &L::on_board_show_osd_menu_pushButton_clicked);
    connect(ui.student_camera_install_pos_pushButton, &QPushButton::clicked, this,
            &L::on_student_camera_install_pos_pushButton_clicked);
    connect(ui.manual_director_button, &QPushButton::clicked, this, &L::on_manual_director_button_clicked);
}

// ---------------------------------------------------------------------------
// The camera menu.

void DialogLaunchers::on_teacher_show_osd_menu_pushButton_clicked()
{
    if (m_host.teacher_menu_navigation())
        open_side_menu(Side::Teacher);
}

void DialogLaunchers::on_student_show_osd_menu_pushButton_clicked() { open_side_menu(Side::Student); }

// The tab's menu object, when its camera is connected.
void DialogLaunchers::open_side_menu(Side side)
{
    const bool teacher = side == Side::Teacher;
    const int object = m_host.menu_object(side);
    const CameraSlots &cameras = m_host.camera_slots();
    if (object == 0 && cameras[teacher ? Slot::TeacherFeature : Slot::StudentFeature].udp_flag)
        open_camera_menu(side, false);
    else if (object == 1 && cameras[teacher ? Slot::TeacherPano : Slot::StudentPano].udp_flag)
        open_camera_menu(side, true);
}

void DialogLaunchers::on_board_show_osd_menu_pushButton_clicked()
{
    if (m_host.camera_slots()[Slot::BoardFeature].udp_flag)
        open_camera_menu(Side::Board, false);
}

void DialogLaunchers::open_camera_menu(Side side, bool pano)
{
    if (m_dialog_open)
        return;
    const Running running(m_dialog_open);
    m_host.camera_menu_opened(side);
    auto *dialog = new OSDMenu(nullptr);
    connect(dialog, &QObject::destroyed, this, [this, side] { m_host.camera_menu_closed(side); });
    connect(dialog, &OSDMenu::osd_control, this, [this](int key) { m_host.camera_menu_key(key); });
    if (!pano) {
        m_host.feed_camera_menu(dialog);
    } else {
        wait_ms(kPanoMenuPauseMs);
        // The dialog shows first and opens its own picture of the pano camera while it runs,
        // so that the installer sees it and can leave it meanwhile.
        const Slot slot = side == Side::Teacher ? Slot::TeacherPano : Slot::StudentPano;
        const QString address = camera_slot::parse_address_field(m_host.camera_field(slot)).address;
        const QString port = m_host.camera_ports().rtsp_port(side);
        QTimer::singleShot(0, dialog, [dialog, address, port] { dialog->open_rtsp_link(address, port); });
    }
    dialog->exec();
    delete dialog;
}

// ---------------------------------------------------------------------------
// The installation position.

void DialogLaunchers::on_student_camera_install_pos_pushButton_clicked()
{
    if (m_dialog_open)
        return;
    const Running running(m_dialog_open);
    const QStringList measures = m_host.install_position();
    camera_install_pos dialog(m_host.main_window(), measures.value(0), measures.value(1), measures.value(2),
                              m_host.chinese_interface());
    connect(&dialog, &camera_install_pos::ret_install_pos, this,
            [this](const QString &height, const QString &length, const QString &objectHeight) {
                m_host.set_camera_install_pos(height, length, objectHeight);
            });
    dialog.exec();
}

// ---------------------------------------------------------------------------
// The manual director console.

void DialogLaunchers::on_manual_director_button_clicked(bool checked)
{
    qDebug().noquote() << QStringLiteral("on_manual_director_button_clicked:") + (checked ? "true" : "false");
    if (m_dialog_open)
        return;
    const Running running(m_dialog_open);
    QWidget *window = m_host.main_window();
    const QMessageBox::StandardButton answer =
        msgbox::information(window, tr("Information"), tr("Enter the manual director,other operations will be interrupted!"),
                            QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        qDebug() << "MainWindow::------QMessageBox::Cancel-------";
    if (answer != QMessageBox::Ok)
        return;
    if (!checked)
        window->setVisible(!window->isVisible());
    m_host.close_enlarged_dialogs();
    ui.manual_director_button->setEnabled(false);
    {
        QSettings ini(manual_director_file_path(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("DIRECTOR_CONF/teacher_ip"), m_host.camera_field(Slot::TeacherPano));
        ini.setValue(QStringLiteral("DIRECTOR_CONF/student_ip"), m_host.camera_field(Slot::StudentPano));
    }
    m_status_received = false;
    auto *console = new manual_direct(m_host, window);
    m_console = console;
    connect(console, &manual_direct::send_status, this, &DialogLaunchers::receiveData);
    m_host.control_link().set_manual_direct_running(true);
    m_host.release_cameras_for_console();
    qDebug() << "MainWindow::------QMessageBox::Ok-------";
    console->exec();

    m_host.control_link().set_manual_direct_running(false);
    ui.manual_director_button->setEnabled(true);
    // However the console went, the window the installer cannot see comes back; only the
    // program's end leaves it closed.
    if (!m_status_received && !window->isVisible())
        window->showNormal();
    delete console;
}

void DialogLaunchers::receiveData(const QString &status)
{
    qDebug().noquote() << "MainWindow::receiveData[" + status + "]";
    QWidget *window = m_host.main_window();
    if (status == QLatin1String("WindowMinimized")) {
        window->showMinimized();
    } else if (status == QLatin1String("showNormal")) {
        m_status_received = true;
        m_host.control_link().set_manual_direct_running(false);
        window->showNormal();
        m_host.close_for_director();
    } else if (status == QLatin1String("hideDirect")) {
        m_status_received = true;
        m_host.control_link().set_manual_direct_running(false);
        window->showNormal();
    }
}

void DialogLaunchers::console_reply(const QString &message)
{
    if (m_console)
        m_console->getMsg(message);
}
