#pragma once

#include <QImage>

// The last picture of the teacher region step's pano preview, for the detection. WizardPreviews
// keeps it.
class RegionPicture
{
public:
    virtual ~RegionPicture() = default;
    // A null image before the first picture.
    virtual QImage teacher_region_picture() const = 0;
};
