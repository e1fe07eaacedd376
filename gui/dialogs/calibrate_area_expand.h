#pragma once

#include <QDialog>
#include <QImage>

// The enlarged student calibration dialog.
class Calibrate_Area_Expand : public QDialog
{
    Q_OBJECT
public:
    explicit Calibrate_Area_Expand(QWidget *parent = nullptr);

public slots:
    void display_image(QImage &image);
    void display_pano_image(QImage &image);
    void update_config();
    void update_success();
    void update_fail();
};
