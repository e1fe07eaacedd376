#pragma once

#include "model/student_region_points.h"

#include <QDialog>
#include <QImage>
#include <QPoint>

#include <array>

QT_BEGIN_NAMESPACE
namespace Ui {
class Calibrate_Area_Expand;
}
QT_END_NAMESPACE

// The student pair's position calibration, enlarged: the close-up (feature) picture on the left
// and the panorama picture on the right, each stretched to 640 by 360, with the four numbered
// calibration points of each picture drawn over it. The installer drags the points, puts them
// back to their defaults, or lets the pano camera calibrate itself. The dialog works at 640 by
// 360 and the window at 480 by 270: the points come in when the dialog is loaded and go back
// when it closes; the dialog itself sends no point to a camera.
class Calibrate_Area_Expand : public QDialog
{
    Q_OBJECT
public:
    // What the dialog needs of the window.
    class Host
    {
    public:
        virtual ~Host() = default;
        // The window's calibration points (480 by 270).
        virtual StudentRegionPoints &student_points() = 0;
        virtual void begin_auto_calibrate() = 0;
        virtual void end_auto_calibrate() = 0;
        // The pano camera can be told to stop (it is connected).
        virtual bool auto_calibrate_reachable() const = 0;
        // The points are back: the window's own pictures take over again.
        virtual void calibrate_points_synced() = 0;
    };

    Calibrate_Area_Expand(Host &host, QWidget *parent);
    ~Calibrate_Area_Expand() override;

    static constexpr int kPictureWidth = 640;
    static constexpr int kPictureHeight = 360;
    static constexpr int kPointCount = 6; // the camera keeps six; the dialog shows the first four

    // The mouse areas of the two pictures, in dialog coordinates.
    static bool d_feature_detection_coordinates(const QPoint &pos);
    static bool d_pano_detection_coordinates(const QPoint &pos);

public slots:
    void update_success();
    void update_fail();
    void display_image(QImage &image);
    void display_pano_image(QImage &image);
    void update_config();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Escape closes the dialog as its close button does, so the points go back to the window.
    void reject() override;

private:
    using Points = std::array<QPoint, kPointCount>;
    using Flags = std::array<bool, kPointCount>;
    // One picture's drag state and points, so that both pictures share the mouse handlers.
    struct Picture {
        int &pressed;
        int &cur_index;
        QPoint &start_pos;
        Points &rect;
        Flags &placed;
        Flags &enable;
        Points &end_pos;
        int left; // the picture's left edge in dialog coordinates
        QWidget *overlay;
    };
    Picture feature_picture();
    Picture pano_picture();
    void press(Picture p, const QPoint &pos);
    // The drag ends: the point is put down at its last drag position.
    void put_down(Picture p);

    void student_feature_calibrate_region();
    void student_pano_calibrate_region();
    void paint_points(QWidget *overlay, const Points &rect, const Flags &placed, const Flags &enable,
                      const Points &end_pos, int left, bool skip_hidden);
    void on_start_auto_calibrate_Button_clicked();
    void on_end_auto_calibrate_Button_clicked();
    void on_student_calibrate_default_Button_clicked();
    void set_calibrating(bool running);
    // The points go back to the window at its scale.
    void sync_calibrate_points();
    void set_overlays_watched(bool watched);
    void repaint_points();

    Host &m_host;
    int feature_pressed = 0;
    int feature_cur_index = -1;
    int pano_pressed = 0;
    int pano_cur_index = -1;
    Points d_student_feature_calibrate_rect{};
    Flags d_student_feature_calibrate_placed{};
    Flags d_student_feature_calibrate_enable{};
    QPoint d_student_calibrate_start_pos;
    QPoint d_student_feature_calibrate_start_pos;
    Points d_student_feature_calibrate_end_pos{};
    Points d_student_calibrate_rect{};
    Flags d_student_calibrate_placed{};
    Flags d_student_calibrate_enable{};
    Points d_student_calibrate_end_pos{};
    // A camera-side run started here is under way (between Ok on the start question and Stop,
    // its outcome or the close).
    bool m_calibrating = false;
    Ui::Calibrate_Area_Expand *ui = nullptr;
};
