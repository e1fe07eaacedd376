#pragma once

#include <QDialog>
#include <QImage>

QT_BEGIN_NAMESPACE
namespace Ui {
class Image_Expand;
}
QT_END_NAMESPACE

// The enlarged pictures of one camera pair: the close-up picture on the left, the panorama
// picture on the right, each stretched to 960 by 540 with a cross-hair at its centre. The main
// window feeds it while its image-max button has opened it.
class Image_Expand : public QDialog
{
    Q_OBJECT
public:
    explicit Image_Expand(QWidget *parent = nullptr);
    ~Image_Expand() override;

    Ui::Image_Expand *form() const { return ui; }

    static constexpr int kPictureWidth = 960;
    static constexpr int kPictureHeight = 540;

public slots:
    void display_image(QImage &image);
    void display_pano_image(QImage &image);

private:
    Ui::Image_Expand *ui = nullptr;
};
