// The window's side of the camera objects: what a connect, a reply or a picture changes of the
// features that still live in the window, and the signals that carry pictures to the dialogs.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs/image_expand.h"
#include "video/qffmpeg.h"

using camera_slot::Side;
using camera_slot::Slot;

void MainWindow::disconnect_for_port_change() { camera_connections->disconnect_for_port_change(); }

void MainWindow::show_pictures(Slot slot, QFFmpeg *decoder)
{
    using ImageSlot = void (PicturePreviews::*)(QImage);
    static const ImageSlot kImageSlots[] = {
        &PicturePreviews::teacher_feature_SetImage, &PicturePreviews::teacher_pano_SetImage,
        &PicturePreviews::student_feature_SetImage, &PicturePreviews::student_pano_SetImage,
        &PicturePreviews::board_feature_SetImage,   &PicturePreviews::board_pano_SetImage};
    connect(decoder, &QFFmpeg::GetImage, picture_previews.get(), kImageSlots[int(slot)]);
}

void MainWindow::show_preview_pictures(QFFmpeg *decoder)
{
    connect(decoder, &QFFmpeg::GetImage, picture_previews.get(), &PicturePreviews::rtsp_SetImage);
}

void MainWindow::pano_connect_begins(Side side)
{
    if (side == Side::Teacher) {
        teacher_pano_status_pending = true;
        teacher_crop_status_quiet = true;
        teacher_pano_offline = false;
    } else {
        student_pano_status_pending = true;
        student_crop_status_quiet = true;
    }
}

void MainWindow::pano_status_requested(Side side)
{
    (side == Side::Teacher ? tracking_status_received : student_tracking_status_received) = false;
}

void MainWindow::feature_camera_released(Side side)
{
    if (side == Side::Teacher) {
        teacher_ptz_to_pano = false;
        teacher_ptz_pano_prefix = false;
    } else {
        student_ptz_pano_prefix = false;
    }
    visca_replies->forget_feature_model(side);
}

void MainWindow::pano_camera_released(Side side)
{
    if (side == Side::Teacher) {
        teacher_pano_status_pending = false;
        // A teacher obtain still waiting ends without an outcome; nothing of it (an answer seen,
        // its count, its quietness) reaches the next one.
        parameter_requests->cancel(request_poller::Kind::TeacherObtain);
        teacher_pano_offline = true;
        teacher_image_to_cv_mat_flag = false;
        set_teacher_region_redraw_pending(false);
        teacher_crop_start_status = teacher_crop_stop_status = false;
        teacher_crop_status_quiet = false;
    } else {
        student_pano_status_pending = false;
        student_crop_start_status = student_crop_stop_status = false;
    }
}

void MainWindow::close_enlarged_dialog(Side side) { picture_previews->close_enlarged_dialog(side); }

void MainWindow::teacher_show_region_clicked(bool checked) { on_teacher_show_region_checkBox_clicked(checked); }

void MainWindow::camera_layout_chosen(int layout) { on_choose_camera_comboBox_currentIndexChanged(layout); }

void MainWindow::teacher_preset_list_changed(const QString &text) { on_teacher_preset_list_currentIndexChanged(text); }

void MainWindow::student_preset_list_changed(const QString &text) { on_student_preset_list_currentIndexChanged(text); }

void MainWindow::teacher_auto_calibration_step() { slot_teacher_auto_calibration(); }

void MainWindow::student_auto_calibration_step() { slot_student_auto_calibration(); }

bool MainWindow::end_pano_status_wait(Side side)
{
    bool &received = side == Side::Teacher ? tracking_status_received : student_tracking_status_received;
    if (received)
        return false;
    received = true;
    return true;
}

void MainWindow::send_stream(PicturePreviews::Stream stream, QImage &image)
{
    switch (stream) {
    case PicturePreviews::Stream::TeacherFeature:
        emit teacher_send_stream_to_feature(image);
        return;
    case PicturePreviews::Stream::TeacherPano:
        emit teacher_send_stream_to_pano(image);
        return;
    case PicturePreviews::Stream::StudentFeature:
        emit student_send_stream_to_feature(image);
        return;
    case PicturePreviews::Stream::StudentPano:
        emit student_send_stream_to_pano(image);
        return;
    case PicturePreviews::Stream::MenuFeature:
        emit send_stream_to_feature(image);
        return;
    case PicturePreviews::Stream::MenuPano:
        emit send_stream_to_pano(image);
        return;
    }
}

bool MainWindow::hand_picture_to_detector(const QImage &image)
{
    if (!teacher_image_to_cv_mat_flag)
        return false;
    QImage2cvMat(image);
    teacher_image_to_cv_mat_flag = false;
    return true;
}

QWidget *MainWindow::enlarged_dialog(Side side)
{
    return side == Side::Teacher ? teacher_image_expand : student_image_expand;
}
