#include "cameras/camera_connections.h"

#include "core/reachability.h"
#include "core/time_scale.h"
#include "core/wait.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "model/pano_status.h"
#include "net/control_link.h"
#include "protocol/board_parameters.h"
#include "protocol/camera_address.h"
#include "protocol/parameter_block.h"
#include "protocol/ptz_commands.h"
#include "protocol/tracking_command.h"
#include "regions/customgraphicsview.h"
#include "seams/message_box.h"
#include "settings/input_rules.h"
#include "support/apply_mark.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kPictureWidth = 480; // the preview labels' size
constexpr int kPictureHeight = 270;
constexpr int kPreviewWidth = 775; // the Preview page's label
constexpr int kPreviewHeight = 506;
constexpr int kModelAnswerWaitMs = 1500; // the model answer has come by then
constexpr int kFocusAnswerWaitMs = 1300;
constexpr int kRoleSwitchWaitMs = 2000; // a J57 takes its new role
constexpr int kPreviewStopWaitMs = 300;
constexpr int kStopConnectGapMs = 100;
constexpr int kStopConnectMs = 500; // the console's takeover tries again at this pace

const Slot kAllSlots[] = {Slot::TeacherFeature, Slot::TeacherPano,  Slot::StudentFeature,
                          Slot::StudentPano,    Slot::BoardFeature, Slot::BoardPano};
// The camera addresses of a fresh installation (those the form shows), in slot order.
const char *const kDefaultAddresses[] = {"192.168.1.100", "192.168.1.101",
                                         "192.168.1.163", "192.168.1.164",
                                         board_parameters::kDefaultFeatureAddress,
                                         board_parameters::kDefaultPanoAddress};
} // namespace

CameraConnections::CameraConnections(const Widgets &widgets, CameraSlots &camera_slots, CameraPorts &ports,
                                     const portforward::Fields &port_fields, ControlLink &link, PanoStatus &status,
                                     QWidget *window)
    : ui(widgets)
    , m_slots(camera_slots)
    , m_ports(ports)
    , m_link(link)
    , m_port_fields(port_fields)
    , m_status(status)
    , m_window(window)
{
    const struct {
        QLineEdit *edit;
        QPushButton *button;
    } parts[] = {
        {ui.teacher_feature_IP_Edit, ui.teacher_feature_connect_Button},
        {ui.teacher_pano_IP_Edit, ui.teacher_pano_connect_Button},
        {ui.student_feature_IP_Edit, ui.student_feature_connect_Button},
        {ui.student_pano_IP_Edit, ui.student_pano_connect_Button},
        {ui.board_feature_IP_Edit, ui.board_feature_connect_Button},
        {ui.board_pano_IP_Edit, ui.board_pano_connect_Button},
    };
    for (Slot slot : kAllSlots) {
        SlotEntry &entry = slot_entries[int(slot)];
        entry.edit = parts[int(slot)].edit;
        entry.button = parts[int(slot)].button;
        // A command matches its slot by the address the field shows at the time it is sent.
        m_slots[slot].field_text = entry.edit->text();
        m_link.set_slot_field_address(slot, camera_address::address_part(entry.edit->text()));
        connect(entry.edit, &QLineEdit::textChanged, this, [this, slot](const QString &text) {
            m_slots[slot].field_text = text;
            m_link.set_slot_field_address(slot, camera_address::address_part(text));
        });
    }

    m_stop_connect_timer = new QTimer(this);
    m_stop_connect_timer->setInterval(timescale::scaled(kStopConnectMs));
    connect(m_stop_connect_timer, &QTimer::timeout, this, &CameraConnections::stop_connect);

    connect(ui.teacher_feature_connect_Button, &QPushButton::clicked, this,
            &CameraConnections::on_teacher_feature_connect_Button_clicked);
    connect(ui.teacher_pano_connect_Button, &QPushButton::clicked, this,
            &CameraConnections::on_teacher_pano_connect_Button_clicked);
    connect(ui.student_feature_connect_Button, &QPushButton::clicked, this,
            &CameraConnections::on_student_feature_connect_Button_clicked);
    connect(ui.student_pano_connect_Button, &QPushButton::clicked, this,
            &CameraConnections::on_student_pano_connect_Button_clicked);
    connect(ui.board_feature_connect_Button, &QPushButton::clicked, this,
            &CameraConnections::on_board_feature_connect_Button_clicked);
    connect(ui.board_pano_connect_Button, &QPushButton::clicked, this,
            &CameraConnections::on_board_pano_connect_Button_clicked);
    connect(ui.teacher_feature_IP_Edit, &QLineEdit::returnPressed, this,
            &CameraConnections::on_teacher_feature_IP_Edit_returnPressed);
    connect(ui.teacher_pano_IP_Edit, &QLineEdit::returnPressed, this,
            &CameraConnections::on_teacher_pano_IP_Edit_returnPressed);
    connect(ui.student_feature_IP_Edit, &QLineEdit::returnPressed, this,
            &CameraConnections::on_student_feature_IP_Edit_returnPressed);
    connect(ui.student_pano_IP_Edit, &QLineEdit::returnPressed, this,
            &CameraConnections::on_student_pano_IP_Edit_returnPressed);
    connect(ui.rtsp_connect_Button, &QPushButton::clicked, this, &CameraConnections::on_rtsp_connect_Button_clicked);
    // A command the link could not put into a frame.
    connect(&m_link, &ControlLink::commandFormatError, this,
            [this] { msgbox::information(m_window, tr("information"), tr("Command format error")); });
    ui.txtPort->setValidator(
        new QRegularExpressionValidator(QRegularExpression(input::port_number_pattern()), m_window));
    // The installer starts by connecting the teacher close-up camera.
    ui.teacher_feature_connect_Button->setFocus();
    ui.teacher_feature_connect_Button->setDefault(true);
}

CameraConnections::~CameraConnections() { delete rtsp_preview_destination; }

void CameraConnections::enable_group_controls(int camera, bool enable)
{
    for (Slot slot : kAllSlots) {
        if (int(camera_slot::side(slot)) == camera)
            slot_entries[int(slot)].edit->setEnabled(enable);
    }
}

void CameraConnections::disable_board_controls()
{
    ui.board_feature_connect_Button->setEnabled(false);
    ui.board_pano_connect_Button->setEnabled(false);
}

void CameraConnections::show_default_addresses(Side side)
{
    // A connected camera keeps the address it was reached at: later applies send that field to
    // the camera as its own address.
    for (Slot slot : kAllSlots) {
        if (camera_slot::side(slot) == side && !m_slots[slot].udp_flag)
            slot_entries[int(slot)].edit->setText(QString::fromLatin1(kDefaultAddresses[int(slot)]));
    }
}

void CameraConnections::set_side_addresses(Side side, const QString &text)
{
    for (Slot slot : kAllSlots) {
        if (camera_slot::side(slot) == side)
            slot_entries[int(slot)].edit->setText(text);
    }
}

void CameraConnections::set_mapped_addresses(const QString &host)
{
    for (Slot slot : {Slot::StudentFeature, Slot::StudentPano, Slot::TeacherFeature, Slot::TeacherPano})
        slot_entries[int(slot)].edit->setText(host);
}

void CameraConnections::show_addresses(const std::array<QString, camera_slot::kSlotCount> &fields)
{
    for (Slot slot : {Slot::TeacherFeature, Slot::StudentFeature, Slot::TeacherPano, Slot::StudentPano,
                      Slot::BoardFeature, Slot::BoardPano})
        slot_entries[int(slot)].edit->setText(fields[size_t(slot)]);
}

void CameraConnections::show_stored_addresses(Side side)
{
    for (Slot slot : kAllSlots) {
        if (camera_slot::side(slot) == side)
            slot_entries[int(slot)].edit->setText(m_slots[slot].field_text);
    }
}

// ---------------------------------------------------------------------------
// Slot tables

void CameraConnections::send_visca(Slot slot, const QString &text)
{
    m_link.sendMsg_Net(m_slots[slot].destination, m_ports.visca_port(camera_slot::side(slot)), text, true);
}

bool CameraConnections::any_camera_connected_except(Slot slot) const { return m_slots.any_connected_except(slot); }

bool CameraConnections::ping_host(const QString &ip)
{
    const bool reachable = reachability::isReachable(ip);
    qDebug() << "MainWindow::ping_host" << ip << (reachable ? "reachable" : "unreachable");
    return reachable;
}

void CameraConnections::retranslate()
{
    // A connected camera's button offers the disconnect.
    for (Slot slot : kAllSlots) {
        if (m_slots[slot].udp_flag)
            slot_entries[int(slot)].button->setText(tr("Disconnect"));
    }
    if (rtsp_preview_connected)
        ui.rtsp_connect_Button->setText(tr("Disconnect"));
}

// ---------------------------------------------------------------------------
// The toggles

void CameraConnections::on_teacher_feature_connect_Button_clicked() { toggle_camera_slot(Slot::TeacherFeature); }
void CameraConnections::on_teacher_pano_connect_Button_clicked() { toggle_camera_slot(Slot::TeacherPano); }
void CameraConnections::on_student_feature_connect_Button_clicked() { toggle_camera_slot(Slot::StudentFeature); }
void CameraConnections::on_student_pano_connect_Button_clicked() { toggle_camera_slot(Slot::StudentPano); }
void CameraConnections::on_board_feature_connect_Button_clicked() { toggle_camera_slot(Slot::BoardFeature); }
void CameraConnections::on_board_pano_connect_Button_clicked() { toggle_camera_slot(Slot::BoardPano); }

void CameraConnections::toggle_pano(Side side)
{
    toggle_camera_slot(side == Side::Teacher   ? Slot::TeacherPano
                       : side == Side::Student ? Slot::StudentPano
                                               : Slot::BoardPano);
}

void CameraConnections::toggle_camera_slot(Slot slot)
{
    CameraSlotRun &run = slot_entries[int(slot)].run;
    if (run.connecting) {
        // Taken up by the connect when its current step ends; an open under way gives up at once.
        qDebug().noquote() << "MainWindow::" + camera_slot::name(slot) + " connect under way, disconnect when it ends";
        run.disconnect_requested = true;
        if (QFFmpeg *decoder = slot_entries[int(slot)].ffmpeg)
            decoder->cancelOpen();
        return;
    }
    if (run.disconnecting)
        return;
    if (releasing_all && !m_slots[slot].udp_flag) {
        // A connect pressed during the waits of a close or a port change would outlive them.
        qDebug().noquote() << "MainWindow::" + camera_slot::name(slot) + " connect refused while every camera lets go";
        return;
    }

    slot_entries[int(slot)].button->setEnabled(false);
    emit tabs_enabled_wanted(false);
    // Obtain and Apply wait for the pano's parameter reply (or its time-out).
    if (slot == Slot::TeacherPano || slot == Slot::StudentPano)
        emit track_check_wanted(camera_slot::side(slot), false);
    if (slot == Slot::BoardFeature)
        emit board_camera_toggled();

    if (m_slots[slot].udp_flag)
        disconnect_camera_slot(slot);
    else
        connect_camera_slot(slot);
}

void CameraConnections::on_teacher_feature_IP_Edit_returnPressed() { return_pressed(Slot::TeacherFeature); }
void CameraConnections::on_teacher_pano_IP_Edit_returnPressed() { return_pressed(Slot::TeacherPano); }
void CameraConnections::on_student_feature_IP_Edit_returnPressed() { return_pressed(Slot::StudentFeature); }
void CameraConnections::on_student_pano_IP_Edit_returnPressed() { return_pressed(Slot::StudentPano); }

void CameraConnections::return_pressed(Slot slot)
{
    QPushButton *button = slot_entries[int(slot)].button;
    button->setFocus(Qt::OtherFocusReason);
    button->setDefault(true);
    toggle_camera_slot(slot);
}

void CameraConnections::teacher_feature_frame_failed() { camera_frame_failed(Slot::TeacherFeature); }
void CameraConnections::teacher_pano_frame_failed() { camera_frame_failed(Slot::TeacherPano); }
void CameraConnections::student_feature_frame_failed() { camera_frame_failed(Slot::StudentFeature); }
void CameraConnections::student_pano_frame_failed() { camera_frame_failed(Slot::StudentPano); }
void CameraConnections::board_feature_frame_failed() { camera_frame_failed(Slot::BoardFeature); }

void CameraConnections::camera_frame_failed(Slot slot)
{
    CameraSlotRun &run = slot_entries[int(slot)].run;
    if (run.connecting) {
        // The stream died before the connect finished: it ends the connect.
        qDebug().noquote() << "FrameFailed  " + camera_slot::name(slot) + "_frame_failed (while connecting)";
        run.disconnect_requested = true;
        return;
    }
    if (!m_slots[slot].udp_flag || run.disconnecting)
        return;
    qDebug().noquote() << "FrameFailed  " + camera_slot::name(slot) + "_frame_failed";
    toggle_camera_slot(slot);
}

void CameraConnections::stop_connect()
{
    // One run lets every camera go: the timer is not to fire again during its waits, and a call
    // that comes meanwhile leaves the run to it.
    m_stop_connect_timer->stop();
    if (stop_connect_running)
        return;
    stop_connect_running = true;
    for (Slot slot : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano}) {
        if (m_slots[slot].udp_flag || slot_entries[int(slot)].run.connecting) {
            toggle_camera_slot(slot);
            wait_ms(kStopConnectGapMs);
        }
    }
    stop_connect_running = false;
}

void CameraConnections::disconnect_board_cameras()
{
    for (Slot slot : {Slot::BoardFeature, Slot::BoardPano}) {
        if (m_slots[slot].udp_flag || slot_entries[int(slot)].run.connecting)
            toggle_camera_slot(slot);
    }
}

void CameraConnections::disconnect_all()
{
    const bool outer = !releasing_all;
    releasing_all = true;
    for (Slot slot : kAllSlots) {
        if (m_slots[slot].udp_flag || slot_entries[int(slot)].run.connecting)
            toggle_camera_slot(slot);
    }
    if (rtsp_preview_connected) {
        on_rtsp_connect_Button_clicked();
    } else if (rtsp_preview_busy) {
        // The preview's connect is under way: it gives up when its current step ends.
        rtsp_preview_cancelled = true;
        if (rtsp_preview_ffmpeg)
            rtsp_preview_ffmpeg->cancelOpen();
    }
    if (outer)
        releasing_all = false;
}

void CameraConnections::disconnect_for_port_change()
{
    // Every link was made on the old ports. A connect still under way is ended as well (the
    // toggle marks it), so that none goes on with them.
    disconnect_all();
}

// ---------------------------------------------------------------------------
// Connect

bool CameraConnections::connect_interrupted(Slot slot)
{
    CameraSlotRun &run = slot_entries[int(slot)].run;
    if (!run.disconnect_requested)
        return false;
    qDebug().noquote() << "MainWindow::" + camera_slot::name(slot) + " connect ended by a disconnect request";
    run.disconnect_requested = false;
    run.connecting = false;
    disconnect_camera_slot(slot);
    return true;
}

void CameraConnections::connect_camera_slot(Slot slot)
{
    SlotEntry &entry = slot_entries[int(slot)];
    CameraSlotRun &run = entry.run;
    CameraSlotRecord &record = m_slots[slot];
    run.connecting = true;
    run.disconnect_requested = false;
    const Side side = camera_slot::side(slot);

    auto giveUp = [&](const QString &text) {
        msgbox::warning(m_window, tr("Warning"), text);
        run.connecting = false;
        run.disconnect_requested = false;
        entry.button->setEnabled(true);
        emit tabs_enabled_wanted(true);
    };

    if (entry.edit->text().isEmpty()) {
        giveUp(tr("Network information fill in error"));
        return;
    }
    entry.edit->setText(camera_address::remove_spaces(entry.edit->text()));
    const QString fieldText = entry.edit->text();
    qDebug().noquote() << camera_slot::log_label(slot) + fieldText;
    const QString address = camera_slot::parse_address_field(fieldText).address;
    if (!input::is_valid_ipv4(address)) {
        giveUp(tr("Network information fill in error"));
        return;
    }
    if (!ping_host(address)) {
        giveUp(tr("Connection timeout"));
        return;
    }
    if (run.disconnect_requested) {
        // Asked to let go while the camera was pinged: nothing has been built yet.
        run.connecting = false;
        run.disconnect_requested = false;
        entry.button->setEnabled(true);
        emit tabs_enabled_wanted(true);
        return;
    }

    // The picture.
    m_slots.set_destination(slot, address);
    rtsp_stream::create(this, camera_slot::rtsp_url(slot, fieldText, m_ports.rtsp_port(side)), kPictureWidth,
                        kPictureHeight, entry.ffmpeg, entry.rtsp_thread);
    // The board pano has no failure slot: its picture stops without a disconnect.
    using Handler = void (CameraConnections::*)();
    static const Handler kFailedSlots[] = {
        &CameraConnections::teacher_feature_frame_failed, &CameraConnections::teacher_pano_frame_failed,
        &CameraConnections::student_feature_frame_failed, &CameraConnections::student_pano_frame_failed,
        &CameraConnections::board_feature_frame_failed,   nullptr};
    if (const Handler failed = kFailedSlots[int(slot)])
        connect(entry.ffmpeg, &QFFmpeg::FrameFailed, this, failed);
    emit decoder_created(slot, entry.ffmpeg);
    const bool opened = rtsp_stream::start(entry.ffmpeg, entry.rtsp_thread);
    // Let go during the open: no failure to report, whether the open ended or not.
    if (connect_interrupted(slot))
        return;
    if (!opened) {
        msgbox::warning(m_window, tr("Warning"), tr("Connection failure"));
        run.connecting = false;
        run.disconnect_requested = false;
        disconnect_camera_slot(slot);
        return;
    }

    auto setConnected = [&] {
        record.udp_flag = true;
        record.connected = true;
        entry.button->setText(tr("Disconnect"));
        emit cameras_connected_changed(true);
    };

    switch (slot) {
    case Slot::TeacherFeature:
    case Slot::StudentFeature: {
        if (slot == Slot::StudentFeature)
            emit camera_connecting(slot);
        m_link.open_side_tcp_link(slot, address, m_ports.tcp_port(side));
        setConnected();
        if (slot == Slot::TeacherFeature)
            teacher_feature_queue_enabled = true;
        if (connect_interrupted(slot))
            return;
        send_visca(slot, ptz_commands::model_inquiry());
        wait_ms(kModelAnswerWaitMs);
        if (connect_interrupted(slot))
            return;
        send_visca(slot, ptz_commands::zoom_position_inquiry());
        entry.button->setEnabled(true);
        emit tabs_enabled_wanted(true);
        if (slot == Slot::TeacherFeature)
            qDebug() << "MainWindow::teacher_feature_device_model:" << record.device_model;
        else
            qDebug() << "MainWindow::student_feature_device_model" << record.device_model;
        if (record.device_model == QLatin1String("J57"))
            send_visca(slot, ptz_commands::ptzspeed(ptz_commands::role_template(), 0, camera_slot::role_number(slot)));
        break;
    }
    case Slot::TeacherPano:
    case Slot::StudentPano: {
        m_status.pano_connect_begins(side);
        if (slot == Slot::TeacherPano) {
            m_status.teacher_pano_offline = false;
            setConnected();
            teacher_pano_rtsp_flag = true;
            teacher_pano_queue_enabled = true;
            m_link.connect_teacher_pano_tcp(address, m_ports.tcp_port(side));
            m_link.release_tcp_flags_not_on_link(Side::Teacher, m_ports.tcp_port(side));
        } else {
            emit camera_connecting(slot);
            student_pano_offline = false;
            setConnected();
            m_link.open_side_tcp_link(slot, address, m_ports.tcp_port(side));
        }
        if (connect_interrupted(slot))
            return;
        run_pano_sequence(slot, fieldText);
        return; // run_pano_sequence ends the connect
    }
    case Slot::BoardFeature:
        m_link.closeUdpServer();
        send_visca(slot, ptz_commands::model_inquiry());
        wait_ms(kModelAnswerWaitMs);
        if (connect_interrupted(slot))
            return;
        setConnected();
        entry.button->setEnabled(true);
        emit tabs_enabled_wanted(true);
        qDebug() << "MainWindow::board_feature_device_model " << record.device_model;
        if (record.device_model == QLatin1String("J57"))
            send_visca(slot, ptz_commands::ptzspeed(ptz_commands::role_template(), 0, camera_slot::role_number(slot)));
        break;
    case Slot::BoardPano:
        m_link.closeUdpServer();
        emit board_tracking_forgotten();
        setConnected();
        entry.button->setEnabled(true);
        emit tabs_enabled_wanted(true);
        break;
    }

    run.connecting = false;
    if (run.disconnect_requested) {
        run.disconnect_requested = false;
        disconnect_camera_slot(slot);
    }
}

void CameraConnections::run_pano_sequence(Slot slot, const QString &fieldText)
{
    const bool teacher = slot == Slot::TeacherPano;
    const Side side = camera_slot::side(slot);
    SlotEntry &entry = slot_entries[int(slot)];
    CameraSlotRun &run = entry.run;
    CameraSlotRecord &record = m_slots[slot];
    const QString &model = record.device_model;

    send_visca(slot, ptz_commands::model_inquiry());
    wait_ms(kModelAnswerWaitMs);
    if (connect_interrupted(slot))
        return;
    qDebug().noquote() << (teacher ? "MainWindow::teacher_pano_device_model" : "MainWindow::student_pano_device_model ")
                       << model;
    const QString focusInquiry = tracking_command::focus_inquiry(model);
    if (!focusInquiry.isEmpty())
        send_visca(slot, focusInquiry);
    wait_ms(kFocusAnswerWaitMs);
    if (connect_interrupted(slot))
        return;
    if (model == QLatin1String("J57")) {
        const QString role = ptz_commands::ptzspeed(ptz_commands::role_template(), 0, camera_slot::role_number(slot));
        send_visca(slot, role);
        qDebug().noquote() << (teacher ? "MainWindow::teacherPano [Enter]  teacher_pano_role_switch_flag:"
                                       : "MainWindow::studentPano [Enter]  student_pano_role_switch_flag:")
                           << false << ",cmd:" << role;
        wait_ms(kRoleSwitchWaitMs);
        if (connect_interrupted(slot))
            return;
    }
    qDebug().noquote() << (teacher ? "MainWindow::teacherPano [Leave] role teacher_pano_role_switch_flag:"
                                   : "MainWindow::studentPano [Leave] role student_pano_role_switch_flag:")
                       << false;

    const QString target = QLatin1String(teacher ? parameter_block::kTeacherSection : parameter_block::kStudentSection);
    const int textPort = m_ports.udp_port(side);
    m_link.sendMsg_Net(record.destination, textPort, tracking_command::crop_status_request(target), false);
    // Its answer is awaited anew.
    m_status.status_received(side) = false;
    const QString statusRequest = tracking_command::tracking_status_request(target);
    if (!teacher)
        qDebug().noquote() << QStringLiteral("Student Pano Parameter：") << statusRequest;
    m_link.sendMsg_Net(record.destination, textPort, statusRequest, false);

    emit pano_address_known(side, m_ports.port_map_enabled()
                                      ? (teacher ? m_port_fields.teacher_ip : m_port_fields.student_ip)
                                      : camera_slot::parse_address_field(fieldText).address);

    // The tabs stay locked until the side's parameter reply, or until this timer gives up.
    record.response_timer->start();
    entry.button->setEnabled(true);

    run.connecting = false;
    if (run.disconnect_requested) {
        run.disconnect_requested = false;
        disconnect_camera_slot(slot);
    }
}

// ---------------------------------------------------------------------------
// Disconnect

void CameraConnections::disconnect_camera_slot(Slot slot)
{
    SlotEntry &entry = slot_entries[int(slot)];
    CameraSlotRun &run = entry.run;
    CameraSlotRecord &record = m_slots[slot];
    run.disconnecting = true;

    if (slot == Slot::BoardPano)
        emit board_pano_released();

    record.udp_flag = false;
    if (entry.ffmpeg || entry.rtsp_thread) {
        const camera_slot::DisconnectWaits waits = camera_slot::disconnect_waits(slot);
        rtsp_stream::stop(entry.ffmpeg, entry.rtsp_thread, {waits.after_decoder_stop_ms, waits.after_thread_stop_ms});
        if (waits.events_once_after)
            QCoreApplication::processEvents();
    }
    record.connected = false;
    // The board pano's model is never kept.
    if (slot != Slot::BoardPano)
        record.device_model.clear();
    entry.button->setText(tr("Connect"));
    emit picture_cleared(slot);
    if (!any_camera_connected_except(slot))
        emit cameras_connected_changed(false);

    m_link.close_slot_link(slot);

    switch (slot) {
    case Slot::TeacherFeature:
    case Slot::StudentFeature:
        if (slot == Slot::TeacherFeature)
            teacher_feature_queue_enabled = false;
        emit feature_camera_released(camera_slot::side(slot));
        break;
    case Slot::TeacherPano:
        record.response_timer->stop();
        // A teacher obtain still waiting ends without an outcome; nothing of it (an answer seen,
        // its count, its quietness) reaches the next one.
        m_status.teacher_pano_offline = true;
        emit pano_camera_released(Side::Teacher);
        m_status.pano_camera_released(Side::Teacher);
        teacher_pano_rtsp_flag = false;
        teacher_pano_queue_enabled = false;
        emit pano_views_closed(Side::Teacher);
        emit widget_status_wanted(0, true);
        emit widget_status_wanted(2, true);
        break;
    case Slot::StudentPano:
        record.response_timer->stop();
        emit pano_camera_released(Side::Student);
        m_status.pano_camera_released(Side::Student);
        student_pano_offline = true;
        emit pano_views_closed(Side::Student);
        emit widget_status_wanted(1, true);
        emit student_calibration_widgets_wanted(false);
        break;
    case Slot::BoardFeature:
        break;
    case Slot::BoardPano:
        emit widget_status_wanted(2, true);
        emit board_tracking_forgotten();
        break;
    }

    m_slots.clear_destination(slot);

    if (slot == Slot::TeacherPano)
        emit pano_destination_cleared(Side::Teacher);
    if ((slot == Slot::TeacherFeature && !m_slots[Slot::TeacherPano].udp_flag)
        || (slot == Slot::TeacherPano && !m_slots[Slot::TeacherFeature].udp_flag))
        emit teacher_cameras_gone();

    entry.button->setEnabled(true);
    emit tabs_enabled_wanted(true);
    run.disconnecting = false;
}

// ---------------------------------------------------------------------------
// The free preview of the Upgrade tab

void CameraConnections::rtsp_preview_frame_failed()
{
    if (!rtsp_preview_connected || rtsp_preview_busy)
        return;
    qDebug() << "FrameFailed  rtsp_preview_frame_failed";
    on_rtsp_connect_Button_clicked();
}

void CameraConnections::on_rtsp_connect_Button_clicked()
{
    if (rtsp_preview_busy)
        return; // a connect or disconnect of the preview is under way
    if (releasing_all && !rtsp_preview_connected)
        return; // as a camera's connect during a close's waits
    rtsp_preview_busy = true;
    rtsp_preview_cancelled = false;
    ui.rtsp_connect_Button->setEnabled(false);

    auto tearDown = [this] {
        rtsp_stream::stop(rtsp_preview_ffmpeg, rtsp_preview_rtsp_thread, {kPreviewStopWaitMs, 0});
        delete rtsp_preview_destination;
        rtsp_preview_destination = nullptr;
        rtsp_preview_connected = false;
        emit preview_stopped();
        ui.rtsp_connect_Button->setText(tr("Connect"));
        ui.rtsp_connect_Button->setEnabled(true);
    };

    if (rtsp_preview_connected) {
        tearDown();
        rtsp_preview_busy = false;
        return;
    }
    auto giveUp = [this](const QString &text) {
        msgbox::warning(m_window, tr("Warning"), text);
        ui.rtsp_connect_Button->setEnabled(true);
        rtsp_preview_busy = false;
    };
    if (ui.txtUrl->text().isEmpty() || ui.txtPort->text().isEmpty()) {
        giveUp(tr("Network information fill in error"));
        return;
    }
    ui.txtUrl->setText(camera_address::remove_spaces(ui.txtUrl->text()));
    ui.txtPort->setText(camera_address::remove_spaces(ui.txtPort->text()));
    const QString address = ui.txtUrl->text();
    const QString port = ui.txtPort->text();
    qDebug().noquote() << "RTSP Preview CameraIp: " + address + ",cameraPort:" + port;
    if (!input::is_valid_ipv4(address)) {
        giveUp(tr("Network information fill in error"));
        return;
    }
    if (!ping_host(address)) {
        giveUp(tr("Connection timeout"));
        return;
    }
    if (rtsp_preview_cancelled) {
        ui.rtsp_connect_Button->setEnabled(true);
        rtsp_preview_busy = false;
        return;
    }
    rtsp_preview_destination = new QHostAddress(address);
    rtsp_stream::create(this, camera_slot::preview_rtsp_url(address, port), kPreviewWidth, kPreviewHeight,
                        rtsp_preview_ffmpeg, rtsp_preview_rtsp_thread);
    connect(rtsp_preview_ffmpeg, &QFFmpeg::FrameFailed, this, &CameraConnections::rtsp_preview_frame_failed);
    emit preview_decoder_created(rtsp_preview_ffmpeg);
    const bool opened = rtsp_stream::start(rtsp_preview_ffmpeg, rtsp_preview_rtsp_thread);
    if (!opened || rtsp_preview_cancelled) {
        if (!rtsp_preview_cancelled)
            msgbox::warning(m_window, tr("Warning"), tr("Connection failure"));
        tearDown();
        rtsp_preview_busy = false;
        return;
    }
    m_link.closeUdpServer();
    m_link.clear_tcp_socket_flag();
    rtsp_preview_connected = true;
    ui.rtsp_connect_Button->setText(tr("Disconnect"));
    ui.rtsp_connect_Button->setEnabled(true);
    emit preview_started();
    rtsp_preview_busy = false;
}

// ---------------------------------------------------------------------------
// What other pages read or hand over

void CameraConnections::show_preview_address(const QString &address)
{
    ui.txtUrl->setText(address);
    ui.txtPort->setText(m_ports.values().teacher_rtsp_port);
}

namespace {
Slot pano_slot(transfer::Role role)
{
    switch (role) {
    case transfer::Role::Student: return Slot::StudentPano;
    case transfer::Role::Board: return Slot::BoardPano;
    default: return Slot::TeacherPano;
    }
}
} // namespace

bool CameraConnections::pano_connected(transfer::Role role) const
{
    return role != transfer::Role::None && m_slots[pano_slot(role)].udp_flag;
}

QString CameraConnections::pano_address_field(transfer::Role role) const
{
    return slot_entries[int(pano_slot(role))].edit->text();
}
