#pragma once

#include <QDialog>
#include <QImage>

// The enlarged picture of one camera pair.
class Image_Expand : public QDialog
{
    Q_OBJECT
public:
    explicit Image_Expand(QWidget *parent = nullptr);

public slots:
    void display_image(QImage &image);
    void display_pano_image(QImage &image);
};
