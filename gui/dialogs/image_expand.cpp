#include "dialogs/image_expand.h"
#include "ui_image_expand.h"

#include "support/resources.h"

#include <QPixmap>

namespace {
// The picture is scaled into a copy: the same picture goes on to the calibration dialog after
// this one, at the size the decoder made it.
QPixmap enlarged(const QImage &image)
{
    return QPixmap::fromImage(image.scaled(Image_Expand::kPictureWidth, Image_Expand::kPictureHeight,
                                           Qt::IgnoreAspectRatio, Qt::FastTransformation));
}
} // namespace

Image_Expand::Image_Expand(QWidget *parent)
    : QDialog(parent)
    , ui((corvane_init_resources(), new Ui::Image_Expand))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

Image_Expand::~Image_Expand()
{
    delete ui;
}

void Image_Expand::display_image(QImage &image)
{
    ui->image_expand_label->setPixmap(enlarged(image));
}

void Image_Expand::display_pano_image(QImage &image)
{
    ui->image_expand_pano_label->setPixmap(enlarged(image));
}
