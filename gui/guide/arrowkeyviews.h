#pragma once

#include <QWidget>

namespace Ui {
class ArrowKeyViews;
}

// The wizard's pan/tilt/zoom pad: eight direction buttons around Home, and zoom in and out. It
// knows no camera; it only turns presses, releases and clicks into signals, which the wizard
// turns into commands for the close-up camera of the side being shown.
class ArrowKeyViews : public QWidget
{
    Q_OBJECT
public:
    explicit ArrowKeyViews(QWidget *parent);
    ~ArrowKeyViews() override;

    void setZoomInText();
    void setZoomOutText();

signals:
    void ptz_left_up_pressed();
    void ptz_left_up_released();
    void ptz_up_pressed();
    void ptz_up_released();
    void ptz_right_up_pressed();
    void ptz_right_up_released();
    void ptz_left_pressed();
    void ptz_left_released();
    void ptz_reset_click();
    void ptz_right_pressed();
    void ptz_right_released();
    void ptz_left_down_pressed();
    void ptz_left_down_released();
    void ptz_down_pressed();
    void ptz_down_released();
    void ptz_right_down_pressed();
    void ptz_right_down_released();
    void zoom_in_pressed();
    void zoom_in_released();
    void zoom_out_pressed();
    void zoom_out_released();

private:
    Ui::ArrowKeyViews *ui;
};
