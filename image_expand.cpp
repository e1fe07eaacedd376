#include "image_expand.h"

Image_Expand::Image_Expand(QWidget *parent)
    : QDialog(parent)
{
}

void Image_Expand::display_image(QImage &) {}
void Image_Expand::display_pano_image(QImage &) {}
