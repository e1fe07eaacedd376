#include "tabs/tracking_side.h"

#include "core/wait.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/parameter_block.h"
#include "protocol/tracking_command.h"
#include "seams/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QPushButton>
#include <QSignalBlocker>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
// Between the stop and the configuration switch, so the camera has ended its tracking first.
constexpr int kStopBeforeSwitchMs = 200;
} // namespace

TrackingSide::TrackingSide(Side side, const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports,
                           ControlLink &link, int &cur_track_status, Host &host, QWidget *window)
    : m_side(side)
    , ui(widgets)
    , m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_status(cur_track_status)
    , m_host(host)
    , m_window(window)
{
}

Slot TrackingSide::pano() const { return teacher() ? Slot::TeacherPano : Slot::StudentPano; }

bool TrackingSide::pano_connected() const { return m_slots[pano()].udp_flag; }

bool TrackingSide::pano_connected_or_warn()
{
    if (pano_connected())
        return true;
    msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
    return false;
}

void TrackingSide::send_tracking_command(const QString &word)
{
    const char *section = teacher() ? parameter_block::kTeacherSection : parameter_block::kStudentSection;
    m_link.sendMsg_Net(m_slots[pano()].destination, m_ports.udp_port(m_side),
                       tracking_command::command_text(QString::fromLatin1(section), word), false);
}

void TrackingSide::set_config_combo(int index)
{
    ui.config_comboBox->setCurrentIndex(tracking_command::other_config_index(index));
}

// A switch that does not happen puts the list back on the other entry.
void TrackingSide::switch_tracking_config(int index)
{
    const QSignalBlocker blocker(ui.config_comboBox);
    if (!pano_connected()) {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
        set_config_combo(index);
        return;
    }
    const QString word = tracking_command::config_word(index);
    if (m_status == 1) {
        const QMessageBox::StandardButton answer = msgbox::warning(
            m_window, tr("Information"), tr("Unable to update tracking configurations, do you want to stop tracking?"),
            QMessageBox::Ok | QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) {
            set_config_combo(index);
            return;
        }
        m_host.tracking(false);
        wait_ms(kStopBeforeSwitchMs);
        // The pano camera may have gone during the wait: its command would go nowhere while
        // the list claimed the switch.
        if (!pano_connected()) {
            set_config_combo(index);
            return;
        }
    }
    send_tracking_command(word);
}

void TrackingSide::send_pano_focus(bool manual)
{
    if (!pano_connected())
        return;
    const Slot feature = teacher() ? Slot::TeacherFeature : Slot::StudentFeature;
    const QString text = tracking_command::pano_focus_text(m_slots[feature].device_model, manual);
    static const char *const kLogPrefix[2][2] = {
        {"Student Auto Mode\xEF\xBC\x9A", "Student Manual Mode\xEF\xBC\x9A"},
        {"Teacher Pano Auto Mode\xEF\xBC\x9A", "Teacher Pano Manual Mode\xEF\xBC\x9A"}};
    qDebug().noquote() << QString::fromUtf8(kLogPrefix[teacher()][manual]) + text;
    m_link.sendMsg_Net(m_slots[pano()].destination, m_ports.visca_port(m_side), text, true);
}

void TrackingSide::set_obtain_apply_enabled(bool enable)
{
    ui.obtain_Button->setEnabled(enable);
    ui.apply_Button->setEnabled(enable);
}

void TrackingSide::track_check(bool enable)
{
    m_host.enable_region_display(enable);
    set_obtain_apply_enabled(enable && m_status != 1);
    qDebug() << (teacher() ? "MainWindow::teacher check:" : "MainWindow::student check :")
             << (enable ? "true" : "false")
             << (teacher() ? ",teacher_cur_track_status:" : ",student_cur_track_status:") << m_status;
}
