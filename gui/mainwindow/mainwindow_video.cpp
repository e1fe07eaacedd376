// The main window's live pictures: the seven picture slots, fed by the decoders of the camera
// connections, which show each picture in its preview label and hand it on to the enlarged
// dialogs, the camera menu dialog and the one-shot captures; and the two image-max buttons.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "dialogs/image_expand.h"
#include "video/standard_image.h"

#include <QDebug>
#include <QDir>
#include <QPixmap>

#include <opencv2/core.hpp>

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

cv::Mat MainWindow::qimage_to_mat_view(const QImage &image)
{
    if (image.isNull() || image.depth() < 24)
        return cv::Mat();
    return cv::Mat(image.height(), image.width(), CV_8UC3, const_cast<uchar *>(image.constBits()),
                   size_t(image.bytesPerLine()));
}

void MainWindow::teacher_feature_SetImage(QImage image)
{
    if (teacher_image_expand_open) {
        QImage copy = image;
        emit teacher_send_stream_to_feature(copy);
    }
    if (!teacher_osd_menu_open && main_preview_active) {
        ui->teacher_labVideo_feature->setPixmap(QPixmap::fromImage(image));
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
    if (ui->teacher_navigate_osd_mode_radioButton->isChecked()
        && ui->teacher_switch_menu_object_comboBox->currentIndex() == 0 && teacher_osd_menu_open) {
        QImage copy = image;
        emit send_stream_to_feature(copy);
    }
}

void MainWindow::teacher_pano_SetImage(QImage image)
{
    if (teacher_image_expand_open) {
        QImage copy = image;
        emit teacher_send_stream_to_pano(copy);
    }
    if (!teacher_osd_menu_open && main_preview_active) {
        ui->teacher_labVideo_pano->setPixmap(QPixmap::fromImage(image));
        if (teacher_image_to_cv_mat_flag) {
            QImage2cvMat(image);
            teacher_image_to_cv_mat_flag = false;
            qDebug() << "MainWindow::teacher_pano_SetImage init opencv data conversion!";
        }
        if (teacher_pano_calibration_capture) {
            teacher_pano_calibration_image = image;
            teacher_pano_calibration_capture = false;
        }
        return;
    }
    if (ui->teacher_navigate_osd_mode_radioButton->isChecked()
        && ui->teacher_switch_menu_object_comboBox->currentIndex() == 1 && teacher_osd_menu_open) {
        QImage copy = image;
        emit send_stream_to_pano(copy);
    }
}

void MainWindow::student_feature_SetImage(QImage image)
{
    if (student_image_expand_open) {
        QImage copy = image;
        emit student_send_stream_to_feature(copy);
    }
    if (!student_osd_menu_open && main_preview_active) {
        ui->student_labVideo_feature->setPixmap(QPixmap::fromImage(image));
        if (student_feature_calibration_capture) {
            student_feature_calibration_image = image;
            student_feature_calibration_capture = false;
        }
        return;
    }
    if (ui->student_switch_menu_object_comboBox->currentIndex() == 0 && student_osd_menu_open) {
        QImage copy = image;
        emit send_stream_to_feature(copy);
    }
}

void MainWindow::student_pano_SetImage(QImage image)
{
    if (student_image_expand_open) {
        QImage copy = image;
        emit student_send_stream_to_pano(copy);
    }
    if (!student_osd_menu_open && main_preview_active) {
        ui->student_labVideo_pano->setPixmap(QPixmap::fromImage(image));
        if (student_pano_calibration_capture) {
            student_pano_calibration_image = image;
            student_pano_calibration_capture = false;
        }
        return;
    }
    if (ui->student_switch_menu_object_comboBox->currentIndex() == 1 && student_osd_menu_open) {
        QImage copy = image;
        emit send_stream_to_pano(copy);
    }
}

void MainWindow::board_feature_SetImage(QImage image)
{
    if (board_osd_menu_open) {
        QImage copy = image;
        emit send_stream_to_feature(copy);
    } else if (main_preview_active) {
        ui->board_labVideo_feature->setPixmap(QPixmap::fromImage(image));
    }
}

void MainWindow::board_pano_SetImage(QImage image)
{
    if (board_osd_menu_open) {
        QImage copy = image;
        emit send_stream_to_pano(copy);
    } else if (main_preview_active) {
        ui->board_labVideo_pano->setPixmap(QPixmap::fromImage(image));
    }
}

void MainWindow::rtsp_SetImage(QImage image)
{
    if (rtsp_preview_connected && image.height() >= 1)
        ui->labVideo->setPixmap(QPixmap::fromImage(image));
}

void MainWindow::on_teacher_feature_image_max_toolButton_clicked()
{
    if (student_image_expand->isVisible()) {
        student_image_expand->close();
        student_image_expand_open = false;
    }
    if (teacher_image_expand->isVisible()) {
        qDebug() << "MainWindow:: teacher connected!";
        return;
    }
    if (udp_teacher_feature_flag && udp_teacher_pano_flag) {
        teacher_image_expand_open = true;
        qDebug() << "MainWindow::on_teacher_feature_image_max_toolButton_clicked";
        teacher_image_expand->move(kImageExpandPosition);
        teacher_image_expand->show();
    } else {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
    }
}

void MainWindow::on_student_feature_image_max_toolButton_clicked()
{
    if (teacher_image_expand->isVisible()) {
        teacher_image_expand->close();
        teacher_image_expand_open = false;
    }
    if (student_image_expand->isVisible()) {
        qDebug() << "MainWindow:: student connected!";
        return;
    }
    if (udp_student_feature_flag && udp_student_pano_flag) {
        student_image_expand_open = true;
        qDebug() << "MainWindow::on_student_feature_image_max_toolButton_clicked";
        student_image_expand->move(kImageExpandPosition);
        student_image_expand->show();
    } else {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
    }
}
