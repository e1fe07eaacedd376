#include "dialogs/dialog_launchers.h"

#include "core/wait.h"
#include "dialogs/camera_install_pos.h"
#include "dialogs/osdmenu.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/ptz_commands.h"
#include "seams/message_box.h"
#include "settings/language_table.h"
#include "settings/settings_path.h"

#include <QDebug>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSettings>
#include <QTimer>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kPanoMenuPauseMs = 100; // the pano camera's menu opens its own picture after a pause
} // namespace

DialogLaunchers::DialogLaunchers(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports,
                                 ControlLink &link, const TeacherSection &teacher, const StudentSection &student,
                                 const WindowChoices &choices, Window &shell, QWidget *window)
    : ui(widgets)
    , m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_teacher(teacher)
    , m_student(student)
    , m_choices(choices)
    , m_shell(shell)
    , m_window(window)
{
    using L = DialogLaunchers;
    connect(ui.student_camera_install_pos_pushButton, &QPushButton::clicked, this,
            &L::on_student_camera_install_pos_pushButton_clicked);
    connect(ui.manual_director_button, &QPushButton::clicked, this, &L::on_manual_director_button_clicked);
    // The installation position row is never offered; the Student tab keeps its measures.
    ui.student_camera_install_pos_pushButton->hide();
}

// ---------------------------------------------------------------------------
// The camera menu.

void DialogLaunchers::open_camera_menu(Side side, bool pano)
{
    if (m_dialog_open)
        return;
    const QScopedValueRollback<bool> running(m_dialog_open, true);
    emit menu_dialog_opened(side);
    auto *dialog = new OSDMenu(nullptr);
    connect(dialog, &QObject::destroyed, this, [this, side] { emit menu_dialog_closed(side); });
    connect(dialog, &OSDMenu::osd_control, this, &DialogLaunchers::menu_dialog_key);
    if (!pano) {
        m_shell.feed_camera_menu(dialog);
    } else {
        wait_ms(kPanoMenuPauseMs);
        // The dialog shows first and opens its own picture of the pano camera while it runs,
        // so that the installer sees it and can leave it meanwhile.
        const Slot slot = side == Side::Teacher ? Slot::TeacherPano : Slot::StudentPano;
        const QString address = camera_slot::parse_address_field(m_slots[slot].field_text).address;
        const QString port = m_ports.rtsp_port(side);
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
    const QScopedValueRollback<bool> running(m_dialog_open, true);
    camera_install_pos dialog(m_window, m_student.pano_height, m_student.pano_length, m_student.pano_camera_height,
                              m_choices.language_index == language::kChineseIndex);
    connect(&dialog, &camera_install_pos::ret_install_pos, this, &DialogLaunchers::install_position_chosen);
    dialog.exec();
}

// ---------------------------------------------------------------------------
// The manual director console.

void DialogLaunchers::on_manual_director_button_clicked(bool checked)
{
    qDebug().noquote() << QStringLiteral("on_manual_director_button_clicked:") + (checked ? "true" : "false");
    if (m_dialog_open)
        return;
    const QScopedValueRollback<bool> running(m_dialog_open, true);
    const QMessageBox::StandardButton answer =
        msgbox::information(m_window, tr("Information"),
                            tr("Enter the manual director,other operations will be interrupted!"),
                            QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        qDebug() << "MainWindow::------QMessageBox::Cancel-------";
    if (answer != QMessageBox::Ok)
        return;
    if (!checked)
        m_window->setVisible(!m_window->isVisible());
    emit enlarged_dialogs_close_wanted();
    ui.manual_director_button->setEnabled(false);
    {
        QSettings ini(manual_director_file_path(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("DIRECTOR_CONF/teacher_ip"), m_slots[Slot::TeacherPano].field_text);
        ini.setValue(QStringLiteral("DIRECTOR_CONF/student_ip"), m_slots[Slot::StudentPano].field_text);
    }
    m_status_received = false;
    auto *console = new manual_direct(*this, m_window);
    connect(console, &manual_direct::send_status, this, &DialogLaunchers::receiveData);
    m_shell.attach_console(console);
    m_link.set_manual_direct_running(true);
    emit console_cameras_release_wanted();
    qDebug() << "MainWindow::------QMessageBox::Ok-------";
    console->exec();

    m_link.set_manual_direct_running(false);
    ui.manual_director_button->setEnabled(true);
    // However the console went, the window the installer cannot see comes back; only the
    // program's end leaves it closed.
    if (!m_status_received && !m_window->isVisible())
        m_window->showNormal();
    delete console;
}

void DialogLaunchers::receiveData(const QString &status)
{
    qDebug().noquote() << "MainWindow::receiveData[" + status + "]";
    if (status == QLatin1String("WindowMinimized")) {
        m_window->showMinimized();
    } else if (status == QLatin1String("showNormal")) {
        m_status_received = true;
        m_link.set_manual_direct_running(false);
        m_window->showNormal();
        m_shell.close_for_director();
    } else if (status == QLatin1String("hideDirect")) {
        m_status_received = true;
        m_link.set_manual_direct_running(false);
        m_window->showNormal();
    }
}

// ---------------------------------------------------------------------------
// What the console asks.

QString DialogLaunchers::interface_language() const { return m_shell.interface_language(); }

// Both of the console's pads drive at the teacher level's speed, pan and tilt alike, as the
// window's pads do.
int DialogLaunchers::teacher_pan_speed() const { return ptz_commands::speed_level(m_teacher.ptzspeed_level); }

int DialogLaunchers::teacher_tilt_speed() const { return ptz_commands::speed_level(m_teacher.ptzspeed_level); }

void DialogLaunchers::set_teacher_ip_edits(const QString &text) { emit side_addresses_wanted(Side::Teacher, text); }

void DialogLaunchers::set_student_ip_edits(const QString &text) { emit side_addresses_wanted(Side::Student, text); }
