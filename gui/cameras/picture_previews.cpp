#include "cameras/picture_previews.h"

#include "core/wait.h"
#include "detection/picture_conversion.h"
#include "model/camera_slots.h"
#include "seams/message_box.h"
#include "video/qffmpeg.h"
#include "video/standard_image.h"

#include <QDebug>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

#include <opencv2/core.hpp>

#include <utility>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kStandardImageSettleMs = 2000; // the standard picture is written after this wait
const QPoint kImageExpandPosition(0, 90);    // below the main window's title and tab bar

// The compensation's matrices are read as three bytes a pixel; the decoders deliver RGB888,
// and a picture of any other format is converted rather than misread.
QImage asRgb888(const QImage &image)
{
    return image.format() == QImage::Format_RGB888 || image.isNull() ? image
                                                                     : image.convertToFormat(QImage::Format_RGB888);
}
} // namespace

PicturePreviews::PicturePreviews(const Widgets &widgets, const CameraSlots &camera_slots, const FreePreview &preview,
                                 const MenuCamera &menu, QWidget *window)
    : ui(widgets)
    , m_slots(camera_slots)
    , m_preview(preview)
    , m_menu(menu)
    , m_window(window)
{
    connect(ui.teacher_feature_image_max_toolButton, &QToolButton::clicked, this,
            &PicturePreviews::on_teacher_feature_image_max_toolButton_clicked);
    connect(ui.student_feature_image_max_toolButton, &QToolButton::clicked, this,
            &PicturePreviews::on_student_feature_image_max_toolButton_clicked);
    // The image-max buttons show once an R6 close-up camera offers them.
    ui.teacher_feature_image_max_toolButton->hide();
    ui.student_feature_image_max_toolButton->hide();
}

bool *PicturePreviews::capture_flag(Capture capture)
{
    switch (capture) {
    case Capture::TeacherFeatureCalibration:
        return &teacher_feature_calibration_capture;
    case Capture::TeacherPanoCalibration:
        return &teacher_pano_calibration_capture;
    case Capture::StudentFeatureCalibration:
        return &student_feature_calibration_capture;
    case Capture::StudentPanoCalibration:
        return &student_pano_calibration_capture;
    case Capture::Standard:
        return &teacher_standard_capture;
    case Capture::Moved:
        break;
    }
    return &teacher_moved_capture;
}

void PicturePreviews::arm(Capture capture)
{
    *capture_flag(capture) = true;
    // A calibration compares only pictures that came after its request.
    for (auto [kind, image] : {std::pair{Capture::TeacherFeatureCalibration, &teacher_feature_calibration_image},
                               std::pair{Capture::TeacherPanoCalibration, &teacher_pano_calibration_image},
                               std::pair{Capture::StudentFeatureCalibration, &student_feature_calibration_image},
                               std::pair{Capture::StudentPanoCalibration, &student_pano_calibration_image}}) {
        if (kind == capture)
            *image = QImage();
    }
}

bool PicturePreviews::armed(Capture capture) const
{
    return *const_cast<PicturePreviews *>(this)->capture_flag(capture);
}

QImage PicturePreviews::captured(Capture capture) const
{
    switch (capture) {
    case Capture::TeacherFeatureCalibration:
        return teacher_feature_calibration_image;
    case Capture::TeacherPanoCalibration:
        return teacher_pano_calibration_image;
    case Capture::StudentFeatureCalibration:
        return student_feature_calibration_image;
    case Capture::StudentPanoCalibration:
        return student_pano_calibration_image;
    case Capture::Standard:
        return teacher_standard_image;
    case Capture::Moved:
        break;
    }
    return teacher_moved_frame;
}

void PicturePreviews::attach_enlarged_dialogs(QWidget *teacher, QWidget *student)
{
    enlarged_dialogs[0] = teacher;
    enlarged_dialogs[1] = student;
}

void PicturePreviews::close_enlarged_dialog(Side side)
{
    (side == Side::Teacher ? teacher_image_expand_open : student_image_expand_open) = false;
    QWidget *dialog = enlarged_dialogs[side != Side::Teacher];
    if (dialog && dialog->isVisible())
        dialog->close();
}

void PicturePreviews::take_decoder(Slot slot, QFFmpeg *decoder)
{
    using ImageSlot = void (PicturePreviews::*)(QImage);
    static const ImageSlot kImageSlots[] = {
        &PicturePreviews::teacher_feature_SetImage, &PicturePreviews::teacher_pano_SetImage,
        &PicturePreviews::student_feature_SetImage, &PicturePreviews::student_pano_SetImage,
        &PicturePreviews::board_feature_SetImage,   &PicturePreviews::board_pano_SetImage};
    connect(decoder, &QFFmpeg::GetImage, this, kImageSlots[int(slot)]);
}

void PicturePreviews::take_preview_decoder(QFFmpeg *decoder)
{
    connect(decoder, &QFFmpeg::GetImage, this, &PicturePreviews::rtsp_SetImage);
}

void PicturePreviews::clear_picture(Slot slot)
{
    QLabel *const labels[] = {ui.teacher_labVideo_feature, ui.teacher_labVideo_pano, ui.student_labVideo_feature,
                              ui.student_labVideo_pano,    ui.board_labVideo_feature, ui.board_labVideo_pano};
    labels[int(slot)]->clear();
}

void PicturePreviews::preview_started() { ui.labVideo->resize(ui.widget_preview->size()); }

void PicturePreviews::preview_stopped() { ui.labVideo->clear(); }

void PicturePreviews::feature_model_known(camera_slot::Side side, const QString &model)
{
    if (model == QLatin1String("R6"))
        (side == camera_slot::Side::Teacher ? ui.teacher_feature_image_max_toolButton
                                            : ui.student_feature_image_max_toolButton)
            ->show();
}

void PicturePreviews::feature_camera_released(Side side)
{
    close_enlarged_dialog(side);
    if (side == Side::Teacher)
        ui.teacher_feature_image_max_toolButton->hide();
    else if (side == Side::Student)
        ui.student_feature_image_max_toolButton->hide();
}

void PicturePreviews::pano_camera_released(Side side)
{
    if (side == Side::Teacher)
        forget_detector_picture();
    close_enlarged_dialog(side);
}

void PicturePreviews::menu_dialog_opened(Side side)
{
    (side == Side::Teacher   ? teacher_osd_menu_open
     : side == Side::Student ? student_osd_menu_open
                             : board_osd_menu_open) = true;
    main_preview_active = false;
}

void PicturePreviews::menu_dialog_closed(Side side)
{
    (side == Side::Teacher   ? teacher_osd_menu_open
     : side == Side::Student ? student_osd_menu_open
                             : board_osd_menu_open) = false;
    main_preview_active = true;
}

void PicturePreviews::teacher_feature_SetImage(QImage image)
{
    if (teacher_image_expand_open) {
        QImage copy = image;
        emit stream_picture(Stream::TeacherFeature, copy);
    }
    if (!teacher_osd_menu_open && main_preview_active) {
        ui.teacher_labVideo_feature->setPixmap(QPixmap::fromImage(image));
        if (teacher_feature_calibration_capture) {
            teacher_feature_calibration_image = image;
            teacher_feature_calibration_capture = false;
            qDebug() << "teacher_feature_SetImage";
        }
        if (teacher_standard_capture) {
            teacher_standard_capture = false;
            teacher_standard_image_saved = false;
            teacher_standard_image = image;
            // The matrix looks at this slot's own handle of the picture, which no later
            // capture can replace during the wait below.
            const QImage standard = asRgb888(image);
            const cv::Mat view = qimage_to_mat_view(standard);
            wait_ms(kStandardImageSettleMs);
            qDebug() << "save standard image";
            const QString path = QDir::current().filePath(standard_image::fileName());
            QString why;
            teacher_standard_image_saved = standard_image::write(view, path, &why);
            if (!teacher_standard_image_saved)
                qWarning().noquote() << "MainWindow::save standard image failed:" << why;
        }
        if (teacher_moved_capture) {
            teacher_moved_capture = false;
            qDebug() << "MainWindow:: 1 0-SetImage:" << image;
            teacher_moved_frame = asRgb888(image);
            teacher_moved_image = qimage_to_mat_view(teacher_moved_frame);
            qDebug() << "move image";
        }
        return;
    }
    if (m_menu.menu_camera(Side::Teacher) == 0 && teacher_osd_menu_open) {
        QImage copy = image;
        emit stream_picture(Stream::MenuFeature, copy);
    }
}

void PicturePreviews::teacher_pano_SetImage(QImage image)
{
    if (teacher_image_expand_open) {
        QImage copy = image;
        emit stream_picture(Stream::TeacherPano, copy);
    }
    if (!teacher_osd_menu_open && main_preview_active) {
        ui.teacher_labVideo_pano->setPixmap(QPixmap::fromImage(image));
        if (teacher_image_to_cv_mat_flag) {
            // Cleared first: the detection runs once, whatever happens while it runs.
            teacher_image_to_cv_mat_flag = false;
            emit detector_picture_taken(image);
            qDebug() << "MainWindow::teacher_pano_SetImage init opencv data conversion!";
        }
        if (teacher_pano_calibration_capture) {
            teacher_pano_calibration_image = image;
            teacher_pano_calibration_capture = false;
        }
        return;
    }
    if (m_menu.menu_camera(Side::Teacher) == 1 && teacher_osd_menu_open) {
        QImage copy = image;
        emit stream_picture(Stream::MenuPano, copy);
    }
}

void PicturePreviews::student_feature_SetImage(QImage image)
{
    if (student_image_expand_open) {
        QImage copy = image;
        emit stream_picture(Stream::StudentFeature, copy);
    }
    if (!student_osd_menu_open && main_preview_active) {
        ui.student_labVideo_feature->setPixmap(QPixmap::fromImage(image));
        if (student_feature_calibration_capture) {
            student_feature_calibration_image = image;
            student_feature_calibration_capture = false;
        }
        return;
    }
    if (m_menu.menu_camera(Side::Student) == 0 && student_osd_menu_open) {
        QImage copy = image;
        emit stream_picture(Stream::MenuFeature, copy);
    }
}

void PicturePreviews::student_pano_SetImage(QImage image)
{
    if (student_image_expand_open) {
        QImage copy = image;
        emit stream_picture(Stream::StudentPano, copy);
    }
    if (!student_osd_menu_open && main_preview_active) {
        ui.student_labVideo_pano->setPixmap(QPixmap::fromImage(image));
        if (student_pano_calibration_capture) {
            student_pano_calibration_image = image;
            student_pano_calibration_capture = false;
        }
        return;
    }
    if (m_menu.menu_camera(Side::Student) == 1 && student_osd_menu_open) {
        QImage copy = image;
        emit stream_picture(Stream::MenuPano, copy);
    }
}

void PicturePreviews::board_feature_SetImage(QImage image)
{
    if (board_osd_menu_open) {
        QImage copy = image;
        emit stream_picture(Stream::MenuFeature, copy);
    } else if (main_preview_active) {
        ui.board_labVideo_feature->setPixmap(QPixmap::fromImage(image));
    }
}

void PicturePreviews::board_pano_SetImage(QImage image)
{
    if (board_osd_menu_open) {
        QImage copy = image;
        emit stream_picture(Stream::MenuPano, copy);
    } else if (main_preview_active) {
        ui.board_labVideo_pano->setPixmap(QPixmap::fromImage(image));
    }
}

void PicturePreviews::rtsp_SetImage(QImage image)
{
    if (m_preview.preview_connected() && image.height() >= 1)
        ui.labVideo->setPixmap(QPixmap::fromImage(image));
}

void PicturePreviews::on_teacher_feature_image_max_toolButton_clicked() { open_enlarged_dialog(Side::Teacher); }
void PicturePreviews::on_student_feature_image_max_toolButton_clicked() { open_enlarged_dialog(Side::Student); }

// One pair's dialog at a time: the button closes the other pair's first.
void PicturePreviews::open_enlarged_dialog(Side side)
{
    const bool teacher = side == Side::Teacher;
    QWidget *other = enlarged_dialogs[teacher];
    if (other->isVisible()) {
        other->close();
        (teacher ? student_image_expand_open : teacher_image_expand_open) = false;
    }
    QWidget *dialog = enlarged_dialogs[!teacher];
    if (dialog->isVisible()) {
        qDebug() << (teacher ? "MainWindow:: teacher connected!" : "MainWindow:: student connected!");
        return;
    }
    const bool pairConnected = teacher ? m_slots[Slot::TeacherFeature].udp_flag && m_slots[Slot::TeacherPano].udp_flag
                                       : m_slots[Slot::StudentFeature].udp_flag && m_slots[Slot::StudentPano].udp_flag;
    if (pairConnected) {
        (teacher ? teacher_image_expand_open : student_image_expand_open) = true;
        qDebug() << (teacher ? "MainWindow::on_teacher_feature_image_max_toolButton_clicked"
                             : "MainWindow::on_student_feature_image_max_toolButton_clicked");
        dialog->move(kImageExpandPosition);
        dialog->show();
    } else {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
    }
}
