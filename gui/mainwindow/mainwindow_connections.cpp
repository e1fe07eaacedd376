// The six camera slots and the free preview: connect and disconnect, the checks before a
// connect, the picture, the side's TCP control link, the inquiries after it and the pano
// cameras' status request; also the ways a slot is let go (its button, Return in its address
// field, a failed picture, the manual director console taking the cameras over).
//
// A connect waits several times while events are handled (ping, the model answer, the pano's
// focus and role steps). Whatever asks for a disconnect meanwhile (Return, a failed picture,
// stop_connect, a reply) only marks it; the connect notices it after its wait and then runs
// the disconnect itself, so it never goes on with a destination, a picture or a timer that
// has been taken away under it.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "core/reachability.h"
#include "dialogs/image_expand.h"
#include "protocol/camera_address.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTcpSocket>
#include <QTimer>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kPictureWidth = 480;     // the preview labels' size
constexpr int kPictureHeight = 270;
constexpr int kPreviewWidth = 775;     // the Preview page's label
constexpr int kPreviewHeight = 506;
constexpr int kModelAnswerWaitMs = 1500; // the model answer has come by then
constexpr int kFocusAnswerWaitMs = 1300;
constexpr int kRoleSwitchWaitMs = 2000;  // a J57 takes its new role
constexpr int kPreviewStopWaitMs = 300;
constexpr int kStopConnectGapMs = 100;

const Slot kAllSlots[] = {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature,
                          Slot::StudentPano,    Slot::BoardFeature, Slot::BoardPano};
} // namespace

// ---------------------------------------------------------------------------
// Slot tables

MainWindow::CameraSlotRefs MainWindow::slot_refs(Slot slot)
{
    switch (slot) {
    case Slot::TeacherFeature:
        return {udp_teacher_feature_flag, teacher_feature_connected, teacher_feature_destination,
                teacher_feature_ffmpeg, teacher_feature_rtsp_thread, &teacher_feature_device_model,
                ui->teacher_feature_IP_Edit, ui->teacher_feature_connect_Button, ui->teacher_labVideo_feature};
    case Slot::TeacherPano:
        return {udp_teacher_pano_flag, teacher_pano_connected, teacher_pano_destination, teacher_pano_ffmpeg,
                teacher_pano_rtsp_thread, &teacher_pano_device_model, ui->teacher_pano_IP_Edit,
                ui->teacher_pano_connect_Button, ui->teacher_labVideo_pano};
    case Slot::StudentFeature:
        return {udp_student_feature_flag, student_feature_connected, student_feature_destination,
                student_feature_ffmpeg, student_feature_rtsp_thread, &student_feature_device_model,
                ui->student_feature_IP_Edit, ui->student_feature_connect_Button, ui->student_labVideo_feature};
    case Slot::StudentPano:
        return {udp_student_pano_flag, student_pano_connected, student_pano_destination, student_pano_ffmpeg,
                student_pano_rtsp_thread, &student_pano_device_model, ui->student_pano_IP_Edit,
                ui->student_pano_connect_Button, ui->student_labVideo_pano};
    case Slot::BoardFeature:
        return {udp_board_feature_flag, board_feature_connected, board_feature_destination, board_feature_ffmpeg,
                board_feature_rtsp_thread, &board_feature_device_model, ui->board_feature_IP_Edit,
                ui->board_feature_connect_Button, ui->board_labVideo_feature};
    case Slot::BoardPano:
        break;
    }
    return {udp_board_pano_flag, board_pano_connected, board_pano_destination, board_pano_ffmpeg,
            board_pano_rtsp_thread, nullptr, ui->board_pano_IP_Edit, ui->board_pano_connect_Button,
            ui->board_labVideo_pano};
}

MainWindow::CameraSlotRun &MainWindow::slot_run(Slot slot)
{
    return camera_slot_runs[int(slot)];
}

int MainWindow::side_visca_port(Side side) const
{
    return side == Side::Student ? student_visca_port : teacher_visca_port;
}

int MainWindow::side_udp_port(Side side) const
{
    return side == Side::Student ? student_udp_port : teacher_udp_port;
}

QTimer *MainWindow::response_timer(Side side) const
{
    return side == Side::Student ? student_response_timeout_timer : response_timeout_timer;
}

void MainWindow::send_visca(Slot slot, const QString &text)
{
    sendMsg_Net(slot_refs(slot).destination, side_visca_port(camera_slot::side(slot)), text, true);
}

bool MainWindow::any_camera_connected_except(Slot slot) const
{
    const bool flags[] = {udp_teacher_feature_flag, udp_teacher_pano_flag, udp_student_feature_flag,
                          udp_student_pano_flag,    udp_board_feature_flag, udp_board_pano_flag};
    for (Slot other : kAllSlots) {
        if (other != slot && flags[int(other)])
            return true;
    }
    return false;
}

bool MainWindow::ping_host(const QString &ip)
{
    const bool reachable = reachability::isReachable(ip);
    qDebug() << "MainWindow::ping_host" << ip << (reachable ? "reachable" : "unreachable");
    return reachable;
}

// ---------------------------------------------------------------------------
// The toggles

void MainWindow::on_teacher_feature_connect_Button_clicked() { toggle_camera_slot(Slot::TeacherFeature); }
void MainWindow::on_teacher_pano_connect_Button_clicked() { toggle_camera_slot(Slot::TeacherPano); }
void MainWindow::on_student_feature_connect_Button_clicked() { toggle_camera_slot(Slot::StudentFeature); }
void MainWindow::on_student_pano_connect_Button_clicked() { toggle_camera_slot(Slot::StudentPano); }
void MainWindow::on_board_feature_connect_Button_clicked() { toggle_camera_slot(Slot::BoardFeature); }
void MainWindow::on_board_pano_connect_Button_clicked() { toggle_camera_slot(Slot::BoardPano); }

void MainWindow::toggle_camera_slot(Slot slot)
{
    CameraSlotRun &run = slot_run(slot);
    if (run.connecting) {
        // Taken up by the connect when its current step ends.
        qDebug().noquote() << "MainWindow::" + camera_slot::name(slot) + " connect under way, disconnect when it ends";
        run.disconnect_requested = true;
        return;
    }
    if (run.disconnecting)
        return;

    CameraSlotRefs refs = slot_refs(slot);
    refs.button->setEnabled(false);
    update_tab_enabled(false);
    // Obtain and Apply wait for the pano's parameter reply (or its time-out).
    if (slot == Slot::TeacherPano)
        teacher_track_check(false);
    else if (slot == Slot::StudentPano)
        student_track_check(false);
    if (slot == Slot::BoardFeature)
        mark_apply(ui->board_apply_Button);

    if (refs.flag)
        disconnect_camera_slot(slot);
    else
        connect_camera_slot(slot);
}

void MainWindow::on_teacher_feature_IP_Edit_returnPressed() { return_pressed(Slot::TeacherFeature); }
void MainWindow::on_teacher_pano_IP_Edit_returnPressed() { return_pressed(Slot::TeacherPano); }
void MainWindow::on_student_feature_IP_Edit_returnPressed() { return_pressed(Slot::StudentFeature); }
void MainWindow::on_student_pano_IP_Edit_returnPressed() { return_pressed(Slot::StudentPano); }

void MainWindow::return_pressed(Slot slot)
{
    QPushButton *button = slot_refs(slot).button;
    button->setFocus(Qt::OtherFocusReason);
    button->setDefault(true);
    toggle_camera_slot(slot);
}

void MainWindow::teacher_feature_frame_failed() { camera_frame_failed(Slot::TeacherFeature); }
void MainWindow::teacher_pano_frame_failed() { camera_frame_failed(Slot::TeacherPano); }
void MainWindow::student_feature_frame_failed() { camera_frame_failed(Slot::StudentFeature); }
void MainWindow::student_pano_frame_failed() { camera_frame_failed(Slot::StudentPano); }
void MainWindow::board_feature_frame_failed() { camera_frame_failed(Slot::BoardFeature); }

void MainWindow::camera_frame_failed(Slot slot)
{
    CameraSlotRun &run = slot_run(slot);
    if (run.connecting) {
        // The stream died before the connect finished: it ends the connect.
        qDebug().noquote() << "FrameFailed  " + camera_slot::name(slot) + "_frame_failed (while connecting)";
        run.disconnect_requested = true;
        return;
    }
    if (!slot_refs(slot).flag || run.disconnecting)
        return;
    qDebug().noquote() << "FrameFailed  " + camera_slot::name(slot) + "_frame_failed";
    toggle_camera_slot(slot);
}

void MainWindow::stop_connect()
{
    if (stop_connect_running)
        return; // the timer fired again during this run's waits
    stop_connect_running = true;
    for (Slot slot : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano}) {
        if (slot_refs(slot).flag || slot_run(slot).connecting) {
            toggle_camera_slot(slot);
            wait_ms(kStopConnectGapMs);
        }
    }
    stop_connect_timer->stop();
    stop_connect_running = false;
}

void MainWindow::disconnect_board_cameras()
{
    for (Slot slot : {Slot::BoardFeature, Slot::BoardPano}) {
        if (slot_refs(slot).flag || slot_run(slot).connecting)
            toggle_camera_slot(slot);
    }
}

void MainWindow::disconnect_for_port_change()
{
    // Every link was made on the old ports. A connect still under way is ended as well (the
    // toggle marks it), so that none goes on with them.
    using Toggle = void (MainWindow::*)();
    const struct {
        camera_slot::Slot slot;
        Toggle toggle;
    } cameras[] = {
        {camera_slot::Slot::TeacherFeature, &MainWindow::on_teacher_feature_connect_Button_clicked},
        {camera_slot::Slot::TeacherPano, &MainWindow::on_teacher_pano_connect_Button_clicked},
        {camera_slot::Slot::StudentFeature, &MainWindow::on_student_feature_connect_Button_clicked},
        {camera_slot::Slot::StudentPano, &MainWindow::on_student_pano_connect_Button_clicked},
        {camera_slot::Slot::BoardFeature, &MainWindow::on_board_feature_connect_Button_clicked},
        {camera_slot::Slot::BoardPano, &MainWindow::on_board_pano_connect_Button_clicked},
    };
    for (const auto &camera : cameras) {
        if (slot_refs(camera.slot).flag || slot_run(camera.slot).connecting)
            (this->*camera.toggle)();
    }
    if (rtsp_preview_connected)
        on_rtsp_connect_Button_clicked();
}

// ---------------------------------------------------------------------------
// Connect

bool MainWindow::connect_interrupted(Slot slot)
{
    CameraSlotRun &run = slot_run(slot);
    if (!run.disconnect_requested)
        return false;
    qDebug().noquote() << "MainWindow::" + camera_slot::name(slot) + " connect ended by a disconnect request";
    run.disconnect_requested = false;
    run.connecting = false;
    disconnect_camera_slot(slot);
    return true;
}

void MainWindow::connect_camera_slot(Slot slot)
{
    CameraSlotRun &run = slot_run(slot);
    run.connecting = true;
    run.disconnect_requested = false;
    const Side side = camera_slot::side(slot);
    CameraSlotRefs refs = slot_refs(slot);

    auto giveUp = [&](const QString &text) {
        msgbox::warning(this, tr("Warning"), text);
        run.connecting = false;
        run.disconnect_requested = false;
        refs.button->setEnabled(true);
        update_tab_enabled(true);
    };

    if (refs.edit->text().isEmpty()) {
        giveUp(tr("Network information fill in error"));
        return;
    }
    refs.edit->setText(camera_address::remove_spaces(refs.edit->text()));
    const QString fieldText = refs.edit->text();
    qDebug().noquote() << camera_slot::log_label(slot) + fieldText;
    const QString address = camera_slot::parse_address_field(fieldText).address;
    if (!is_valid_ipv4(address)) {
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
        refs.button->setEnabled(true);
        update_tab_enabled(true);
        return;
    }

    // The picture.
    refs.destination = new QHostAddress(address);
    const QString rtspPort = side == Side::Student ? student_rtsp_port : teacher_rtsp_port;
    rtsp_stream::create(this, camera_slot::rtsp_url(slot, fieldText, rtspPort), kPictureWidth, kPictureHeight,
                        refs.ffmpeg, refs.rtsp_thread);
    // The board pano has no failure slot: its picture stops without a disconnect.
    using Handler = void (MainWindow::*)();
    static const Handler kFailedSlots[] = {&MainWindow::teacher_feature_frame_failed, &MainWindow::teacher_pano_frame_failed,
                                           &MainWindow::student_feature_frame_failed, &MainWindow::student_pano_frame_failed,
                                           &MainWindow::board_feature_frame_failed, nullptr};
    using ImageSlot = void (MainWindow::*)(QImage);
    static const ImageSlot kImageSlots[] = {&MainWindow::teacher_feature_SetImage, &MainWindow::teacher_pano_SetImage,
                                            &MainWindow::student_feature_SetImage, &MainWindow::student_pano_SetImage,
                                            &MainWindow::board_feature_SetImage,   &MainWindow::board_pano_SetImage};
    if (const Handler failed = kFailedSlots[int(slot)])
        connect(refs.ffmpeg, &QFFmpeg::FrameFailed, this, failed);
    connect(refs.ffmpeg, &QFFmpeg::GetImage, this, kImageSlots[int(slot)]);
    if (!rtsp_stream::start(refs.ffmpeg, refs.rtsp_thread)) {
        msgbox::warning(this, tr("Warning"), tr("Connection failure"));
        run.connecting = false;
        run.disconnect_requested = false;
        disconnect_camera_slot(slot);
        return;
    }

    auto setConnected = [&] {
        refs.flag = true;
        refs.connected = true;
        refs.button->setText(tr("Disconnect"));
        ui->language_select_comboBox->setEnabled(false);
    };

    switch (slot) {
    case Slot::TeacherFeature:
    case Slot::StudentFeature: {
        if (slot == Slot::StudentFeature)
            ui->student_feature_region_widget->installEventFilter(this);
        control_link->open_side_tcp_link(slot, address, side == Side::Teacher ? teacher_tcp_port : student_tcp_port);
        setConnected();
        if (slot == Slot::TeacherFeature)
            teacher_feature_queue_enabled = true;
        if (connect_interrupted(slot))
            return;
        send_visca(slot, QStringLiteral("81 09 11 49 FF"));
        wait_ms(kModelAnswerWaitMs);
        if (connect_interrupted(slot))
            return;
        send_visca(slot, ptz_commands::zoom_position_inquiry());
        refs.button->setEnabled(true);
        update_tab_enabled(true);
        if (slot == Slot::TeacherFeature)
            qDebug() << "MainWindow::teacher_feature_device_model:" << teacher_feature_device_model;
        else
            qDebug() << "MainWindow::student_feature_device_model" << student_feature_device_model;
        if (*refs.device_model == QLatin1String("J57"))
            send_visca(slot, ptzspeed(QStringLiteral("81 0C 0C VN FF"), 0, camera_slot::role_number(slot)));
        break;
    }
    case Slot::TeacherPano:
    case Slot::StudentPano: {
        if (slot == Slot::TeacherPano) {
            teacher_pano_status_pending = true;
            teacher_crop_status_quiet = true;
            setConnected();
            teacher_pano_offline = false;
            teacher_pano_rtsp_flag = true;
            teacher_pano_queue_enabled = true;
            control_link->connect_teacher_pano_tcp(address, teacher_tcp_port);
            control_link->release_tcp_flags_not_on_link(Side::Teacher, teacher_tcp_port);
        } else {
            ui->student_pano_region_widget->installEventFilter(this);
            student_pano_status_pending = true;
            student_crop_status_quiet = true;
            student_pano_offline = false;
            setConnected();
            control_link->open_side_tcp_link(slot, address, student_tcp_port);
        }
        if (connect_interrupted(slot))
            return;
        run_pano_sequence(slot, fieldText);
        return; // run_pano_sequence ends the connect
    }
    case Slot::BoardFeature:
        control_link->closeUdpServer();
        send_visca(slot, QStringLiteral("81 09 11 49 FF"));
        wait_ms(kModelAnswerWaitMs);
        if (connect_interrupted(slot))
            return;
        setConnected();
        refs.button->setEnabled(true);
        update_tab_enabled(true);
        qDebug() << "MainWindow::board_feature_device_model " << board_feature_device_model;
        if (board_feature_device_model == QLatin1String("J57"))
            send_visca(slot, ptzspeed(QStringLiteral("81 0C 0C VN FF"), 0, camera_slot::role_number(slot)));
        break;
    case Slot::BoardPano:
        control_link->closeUdpServer();
        forget_board_tracking_status();
        setConnected();
        refs.button->setEnabled(true);
        update_tab_enabled(true);
        break;
    }

    run.connecting = false;
    if (run.disconnect_requested) {
        run.disconnect_requested = false;
        disconnect_camera_slot(slot);
    }
}

void MainWindow::run_pano_sequence(Slot slot, const QString &fieldText)
{
    const bool teacher = slot == Slot::TeacherPano;
    const Side side = camera_slot::side(slot);
    CameraSlotRun &run = slot_run(slot);
    CameraSlotRefs refs = slot_refs(slot);
    const QString &model = *refs.device_model;

    send_visca(slot, QStringLiteral("81 09 11 49 FF"));
    wait_ms(kModelAnswerWaitMs);
    if (connect_interrupted(slot))
        return;
    qDebug().noquote() << (teacher ? "MainWindow::teacher_pano_device_model" : "MainWindow::student_pano_device_model ")
                       << model;
    if (model == QLatin1String("J57"))
        send_visca(slot, QStringLiteral("81 09 04 38 FF"));
    else if (model == QLatin1String("M19"))
        send_visca(slot, QStringLiteral("8A 09 04 38 FF"));
    wait_ms(kFocusAnswerWaitMs);
    if (connect_interrupted(slot))
        return;
    if (model == QLatin1String("J57")) {
        const QString role = ptzspeed(QStringLiteral("81 0C 0C VN FF"), 0, camera_slot::role_number(slot));
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

    const QString target = teacher ? QStringLiteral("teacher_parameter") : QStringLiteral("student_parameter");
    const int textPort = side_udp_port(side);
    sendMsg_Net(refs.destination, textPort, target + QStringLiteral("\ncommand=get_crop_status"), false);
    (teacher ? tracking_status_received : student_tracking_status_received) = false;
    const QString statusRequest = target + QStringLiteral("\nget_tracking_status");
    if (!teacher)
        qDebug().noquote() << QStringLiteral("Student Pano Parameter：") << statusRequest;
    sendMsg_Net(refs.destination, textPort, statusRequest, false);

    QLineEdit *directorField = teacher ? ui->director_teacher_IP_Edit : ui->director_student_IP_Edit;
    if (recorder_port_map_enabled)
        directorField->setText(teacher ? ui->recorder_teacher_ip_Edit->text() : ui->recorder_student_ip_Edit->text());
    else
        directorField->setText(camera_slot::parse_address_field(fieldText).address);

    // The tabs stay locked until the side's parameter reply, or until this timer gives up.
    response_timer(side)->start();
    refs.button->setEnabled(true);

    run.connecting = false;
    if (run.disconnect_requested) {
        run.disconnect_requested = false;
        disconnect_camera_slot(slot);
    }
}

// ---------------------------------------------------------------------------
// Disconnect

void MainWindow::disconnect_camera_slot(Slot slot)
{
    CameraSlotRun &run = slot_run(slot);
    run.disconnecting = true;
    const Side side = camera_slot::side(slot);
    CameraSlotRefs refs = slot_refs(slot);

    if (slot == Slot::BoardPano) {
        ui->director_board_IP_Edit->clear();
        ui->board_show_region_checkBox->setChecked(false);
        for (QWidget *box : std::initializer_list<QWidget *>{
                 ui->board_shield_one_checkBox, ui->board_shield_two_checkBox, ui->board_shield_three_checkBox,
                 ui->board_shield_four_checkBox, ui->board_shield_five_checkBox, ui->board_shield_six_checkBox,
                 ui->board_shield_seven_checkBox, ui->board_shield_eight_checkBox})
            box->setEnabled(false);
    }

    refs.flag = false;
    if (refs.ffmpeg || refs.rtsp_thread) {
        const camera_slot::DisconnectWaits waits = camera_slot::disconnect_waits(slot);
        rtsp_stream::stop(refs.ffmpeg, refs.rtsp_thread, {waits.after_decoder_stop_ms, waits.after_thread_stop_ms});
        if (waits.events_once_after)
            QCoreApplication::processEvents();
    }
    refs.connected = false;
    if (refs.device_model)
        refs.device_model->clear();
    refs.button->setText(tr("Connect"));
    refs.label->clear();
    if (!any_camera_connected_except(slot))
        ui->language_select_comboBox->setEnabled(true);

    control_link->close_slot_link(slot);

    switch (slot) {
    case Slot::TeacherFeature:
        teacher_ptz_to_pano = false;
        teacher_ptz_pano_prefix = false;
        teacher_feature_queue_enabled = false;
        teacher_model_j22_flag = teacher_model_r6_flag = teacher_model_j57_flag = false;
        teacher_zoom_optical_max_value_flag = false;
        teacher_image_expand_open = false;
        if (teacher_image_expand->isVisible())
            teacher_image_expand->close();
        for (QWidget *w : std::initializer_list<QWidget *>{
                 ui->teacher_zoom_lineEdit, ui->label_persontrack, ui->teacher_feature_persontrack_comboBox,
                 ui->teacher_board_hand_enable_checkBox, ui->teacher_auto_calibration_pushButton,
                 ui->teacher_feature_image_max_toolButton})
            w->hide();
        ui->tabWidget_3->setTabEnabled(1, false);
        break;
    case Slot::TeacherPano:
        response_timeout_timer->stop();
        ui->teacher_version_feature_info_label->clear();
        ui->teacher_version_pano_info_label->clear();
        teacher_pano_status_pending = false;
        // A teacher obtain still waiting ends without an outcome; nothing of it (an answer seen,
        // its count, its quietness) reaches the next one.
        requests.cancel(request_poller::Kind::TeacherObtain);
        ui->director_teacher_IP_Edit->clear();
        teacher_pano_offline = true;
        teacher_pano_rtsp_flag = false;
        teacher_pano_queue_enabled = false;
        teacher_image_to_cv_mat_flag = false;
        set_teacher_region_redraw_pending(false);
        teacher_image_expand_open = false;
        if (teacher_image_expand->isVisible())
            teacher_image_expand->close();
        ui->teacher_show_region_checkBox->setChecked(false);
        on_teacher_show_region_checkBox_clicked(false);
        ui->graphicsView->removeEventFilter(this);
        ui->graphicsView->viewport()->removeEventFilter(this);
        for (QWidget *box : std::initializer_list<QWidget *>{
                 ui->teacher_shield_one_checkBox, ui->teacher_shield_two_checkBox, ui->teacher_shield_three_checkBox,
                 ui->teacher_shield_four_checkBox, ui->teacher_board_one_checkBox, ui->teacher_board_two_checkBox,
                 ui->teacher_board_three_checkBox})
            box->setEnabled(false);
        teacher_crop_start_status = teacher_crop_stop_status = false;
        teacher_crop_status_quiet = false;
        set_widget_status(0, true);
        set_widget_status(2, true);
        break;
    case Slot::StudentFeature:
        student_ptz_pano_prefix = false;
        student_model_j22_flag = student_model_r6_flag = student_model_j57_flag = false;
        student_zoom_optical_max_value_flag = false;
        student_image_expand_open = false;
        if (student_image_expand->isVisible())
            student_image_expand->close();
        for (QWidget *w : std::initializer_list<QWidget *>{ui->student_zoom_lineEdit,
                                                           ui->student_feature_image_max_toolButton,
                                                           ui->student_auto_calibration_pushButton})
            w->hide();
        ui->tabWidget_2->setTabEnabled(1, false);
        break;
    case Slot::StudentPano:
        student_response_timeout_timer->stop();
        ui->student_version_feature_info_label->clear();
        ui->student_version_pano_info_label->clear();
        ui->director_student_IP_Edit->clear();
        student_pano_status_pending = false;
        student_pano_offline = true;
        student_image_expand_open = false;
        if (student_image_expand->isVisible())
            student_image_expand->close();
        ui->student_show_Calibration_checkBox->setChecked(false);
        ui->student_show_region_checkBox->setChecked(false);
        ui->student_pano_region_widget->removeEventFilter(this);
        ui->student_feature_region_widget->removeEventFilter(this);
        for (QWidget *box : std::initializer_list<QWidget *>{
                 ui->student_shield_one_checkBox, ui->student_shield_two_checkBox, ui->student_shield_three_checkBox,
                 ui->student_shield_four_checkBox})
            box->setEnabled(false);
        student_crop_start_status = student_crop_stop_status = false;
        set_widget_status(1, true);
        set_student_calibration_widgets_visible(false);
        break;
    case Slot::BoardFeature:
        break;
    case Slot::BoardPano:
        set_widget_status(2, true);
        forget_board_tracking_status();
        break;
    }

    delete refs.destination;
    refs.destination = nullptr;

    if (slot == Slot::TeacherPano) {
        clear_region_scene();
        set_teacher_region_widgets(false);
    }
    if ((slot == Slot::TeacherFeature && !udp_teacher_pano_flag)
        || (slot == Slot::TeacherPano && !udp_teacher_feature_flag)) {
        ui->lectern_mode_radioButton->hide();
        ui->teacher_board_effect_list->hide();
        ui->mode_stackedWidget->setCurrentIndex(0);
    }

    refs.button->setEnabled(true);
    update_tab_enabled(true);
    run.disconnecting = false;
}

// ---------------------------------------------------------------------------
// The free preview of the Upgrade tab

void MainWindow::rtsp_preview_frame_failed()
{
    if (!rtsp_preview_connected || rtsp_preview_busy)
        return;
    qDebug() << "FrameFailed  rtsp_preview_frame_failed";
    on_rtsp_connect_Button_clicked();
}

void MainWindow::on_rtsp_connect_Button_clicked()
{
    if (rtsp_preview_busy)
        return; // a connect or disconnect of the preview is under way
    rtsp_preview_busy = true;
    ui->rtsp_connect_Button->setEnabled(false);

    auto tearDown = [this] {
        rtsp_stream::stop(rtsp_preview_ffmpeg, rtsp_preview_rtsp_thread, {kPreviewStopWaitMs, 0});
        delete rtsp_preview_destination;
        rtsp_preview_destination = nullptr;
        rtsp_preview_connected = false;
        ui->labVideo->clear();
        ui->rtsp_connect_Button->setText(tr("Connect"));
        ui->rtsp_connect_Button->setEnabled(true);
    };

    if (rtsp_preview_connected) {
        tearDown();
        rtsp_preview_busy = false;
        return;
    }
    auto giveUp = [this](const QString &text) {
        msgbox::warning(this, tr("Warning"), text);
        ui->rtsp_connect_Button->setEnabled(true);
        rtsp_preview_busy = false;
    };
    if (ui->txtUrl->text().isEmpty() || ui->txtPort->text().isEmpty()) {
        giveUp(tr("Network information fill in error"));
        return;
    }
    ui->txtUrl->setText(camera_address::remove_spaces(ui->txtUrl->text()));
    ui->txtPort->setText(camera_address::remove_spaces(ui->txtPort->text()));
    const QString address = ui->txtUrl->text();
    const QString port = ui->txtPort->text();
    qDebug().noquote() << "RTSP Preview CameraIp: " + address + ",cameraPort:" + port;
    if (!is_valid_ipv4(address)) {
        giveUp(tr("Network information fill in error"));
        return;
    }
    if (!ping_host(address)) {
        giveUp(tr("Connection timeout"));
        return;
    }
    rtsp_preview_destination = new QHostAddress(address);
    rtsp_stream::create(this, camera_slot::preview_rtsp_url(address, port), kPreviewWidth, kPreviewHeight,
                        rtsp_preview_ffmpeg, rtsp_preview_rtsp_thread);
    connect(rtsp_preview_ffmpeg, &QFFmpeg::FrameFailed, this, &MainWindow::rtsp_preview_frame_failed);
    connect(rtsp_preview_ffmpeg, &QFFmpeg::GetImage, this, &MainWindow::rtsp_SetImage);
    if (!rtsp_stream::start(rtsp_preview_ffmpeg, rtsp_preview_rtsp_thread)) {
        msgbox::warning(this, tr("Warning"), tr("Connection failure"));
        tearDown();
        rtsp_preview_busy = false;
        return;
    }
    control_link->closeUdpServer();
    control_link->clear_tcp_socket_flag();
    rtsp_preview_connected = true;
    ui->rtsp_connect_Button->setText(tr("Disconnect"));
    ui->rtsp_connect_Button->setEnabled(true);
    ui->labVideo->resize(ui->widget_preview->size());
    rtsp_preview_busy = false;
}
