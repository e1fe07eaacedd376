#include "dialogs/calibrate_area_expand.h"

Calibrate_Area_Expand::Calibrate_Area_Expand(QWidget *parent)
    : QDialog(parent)
{
}

void Calibrate_Area_Expand::display_image(QImage &) {}
void Calibrate_Area_Expand::display_pano_image(QImage &) {}
void Calibrate_Area_Expand::update_config() {}
void Calibrate_Area_Expand::update_success() {}
void Calibrate_Area_Expand::update_fail() {}
