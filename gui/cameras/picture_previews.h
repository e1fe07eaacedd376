#pragma once

#include "cameras/free_preview.h"
#include "cameras/menu_camera.h"
#include "cameras/picture_captures.h"
#include "regions/detector_picture.h"
#include "model/camera_slot.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QImage>
#include <QObject>

#include <opencv2/core/mat.hpp>

class CameraSlots;
class QFFmpeg;
class QLabel;
class QToolButton;

#define PICTURE_PREVIEWS_WIDGETS(X) \
    X(QLabel, board_labVideo_feature) \
    X(QLabel, board_labVideo_pano) \
    X(QLabel, labVideo) \
    X(QLabel, student_labVideo_feature) \
    X(QLabel, student_labVideo_pano) \
    X(QToolButton, student_feature_image_max_toolButton) \
    X(QLabel, teacher_labVideo_feature) \
    X(QLabel, teacher_labVideo_pano) \
    X(QToolButton, teacher_feature_image_max_toolButton) \
    X(QWidget, widget_preview)

// What the pictures hand on beyond the labels.
class PicturePreviewsSignals : public QObject
{
    Q_OBJECT

public:
    // The dialogs' picture streams, in the order the window's signals carry them.
    enum class Stream { TeacherFeature, TeacherPano, StudentFeature, StudentPano, MenuFeature, MenuPano };

signals:
    // The teacher pano's picture that the detector asked for.
    void detector_picture_taken(const QImage &image);
    // A picture for the enlarged dialog or the camera menu dialog that takes the stream.
    void stream_picture(Stream stream, QImage &image);
};

// The main window's live pictures: the seven picture slots, fed by the decoders of the camera
// connections, which show each picture in its preview label and hand it on to the enlarged
// dialogs, the camera menu dialog and the one-shot captures; and the two image-max buttons.
class PicturePreviews : public PicturePreviewsSignals, public PictureCaptures, public DetectorPicture
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        PICTURE_PREVIEWS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // preview: the free preview's pictures show while it runs; menu: the camera each side's camera
    // menu dialog shows.
    PicturePreviews(const Widgets &widgets, const CameraSlots &camera_slots, const FreePreview &preview,
                    const MenuCamera &menu, QWidget *window);
    // The enlarged dialogs of the teacher and student pairs, which the image-max buttons open.
    void attach_enlarged_dialogs(QWidget *teacher, QWidget *student);

    // The side's camera let go: its enlarged dialog closes and takes no more pictures.
    void close_enlarged_dialog(camera_slot::Side side);
    // A decoder's pictures go to the slot's picture slot, or the free preview's.
    void take_decoder(camera_slot::Slot slot, QFFmpeg *decoder);
    void take_preview_decoder(QFFmpeg *decoder);
    // A slot let go: its label shows no picture.
    void clear_picture(camera_slot::Slot slot);
    // The free preview runs in the whole page, or let go.
    void preview_started();
    void preview_stopped();
    // The side's feature camera let go: its enlarged dialog closes and its button goes.
    void feature_camera_released(camera_slot::Side side);
    // An R6 close-up camera offers the side's button.
    void feature_model_known(camera_slot::Side side, const QString &model);
    // The side's pano camera let go: the detector's picture is no longer wanted.
    void pano_camera_released(camera_slot::Side side);
    // The calibration dialog takes the student pictures while it is open.
    void set_student_image_expand_open(bool open) { student_image_expand_open = open; }
    // PictureCaptures
    void arm(Capture capture) override;
    bool armed(Capture capture) const override;
    QImage captured(Capture capture) const override;
    const cv::Mat &moved_image() const override { return teacher_moved_image; }
    bool standard_image_saved() const override { return teacher_standard_image_saved; }
    // A camera menu dialog of the side opened or closed: while one is open the preview labels
    // stand still and only its camera's picture goes on, to the dialog.
    void menu_dialog_opened(camera_slot::Side side);
    // DetectorPicture: the detector's one picture of the teacher pano.
    void request_detector_picture() override { teacher_image_to_cv_mat_flag = true; }
    bool detector_picture_requested() const override { return teacher_image_to_cv_mat_flag; }
    void forget_detector_picture() override { teacher_image_to_cv_mat_flag = false; }
    void menu_dialog_closed(camera_slot::Side side);

    // One picture slot per source, fed by its decoder's GetImage (queued).
    void teacher_feature_SetImage(QImage image);
    void teacher_pano_SetImage(QImage image);
    void student_feature_SetImage(QImage image);
    void student_pano_SetImage(QImage image);
    void board_feature_SetImage(QImage image);
    void board_pano_SetImage(QImage image);
    void rtsp_SetImage(QImage image);
    void on_teacher_feature_image_max_toolButton_clicked();
    void on_student_feature_image_max_toolButton_clicked();

private:
    bool *capture_flag(Capture capture);
    void open_enlarged_dialog(camera_slot::Side side);

    const Widgets ui;
    const CameraSlots &m_slots;
    const FreePreview &m_preview;
    const MenuCamera &m_menu;
    QWidget *enlarged_dialogs[2] = {nullptr, nullptr}; // teacher, student
    QWidget *m_window;
    // The enlarged dialog of the pair was opened by its button and takes pictures.
    // The detector asked for the teacher pano's next picture.
    bool teacher_image_to_cv_mat_flag = false;
    bool teacher_image_expand_open = false;
    bool student_image_expand_open = false;
    // A camera menu dialog is open for that group: only its picture goes on, to the dialog.
    bool teacher_osd_menu_open = false;
    bool student_osd_menu_open = false;
    bool board_osd_menu_open = false;
    // The preview labels show pictures; false while a camera menu dialog is open.
    bool main_preview_active = true;
    // One-shot captures: each flag keeps the next picture of its camera and is then cleared.
    bool teacher_feature_calibration_capture = false;
    bool teacher_pano_calibration_capture = false;
    bool student_feature_calibration_capture = false;
    bool student_pano_calibration_capture = false;
    QImage teacher_feature_calibration_image;
    QImage teacher_pano_calibration_image;
    QImage student_feature_calibration_image;
    QImage student_pano_calibration_image;
    bool teacher_standard_capture = false;
    bool teacher_moved_capture = false;
    QImage teacher_standard_image;
    QImage teacher_moved_frame;
    cv::Mat teacher_moved_image; // over teacher_moved_frame's pixels
    // The last standard capture reached its file; false from the capture until the write
    // succeeded, so the compensation does not compare against a picture that is not there.
    bool teacher_standard_image_saved = false;
};
