#pragma once

#include "model/camera_slot.h"

#include <QImage>

#include <opencv2/core/mat.hpp>

// The one-shot captures of the picture slots: each keeps the next picture of its camera. The
// picture previews keep them; the calibrations and the compensation arm and read them.
class PictureCaptures
{
public:
    enum class Capture {
        TeacherFeatureCalibration,
        TeacherPanoCalibration,
        StudentFeatureCalibration,
        StudentPanoCalibration,
        Standard,
        Moved
    };
    // The calibration picture of the side's close-up (pano false) or pano camera.
    static Capture calibration(camera_slot::Side side, bool pano)
    {
        if (side == camera_slot::Side::Student)
            return pano ? Capture::StudentPanoCalibration : Capture::StudentFeatureCalibration;
        return pano ? Capture::TeacherPanoCalibration : Capture::TeacherFeatureCalibration;
    }

    virtual ~PictureCaptures() = default;
    // The next picture is kept; the one kept before is dropped.
    virtual void arm(Capture capture) = 0;
    // Armed and not yet taken.
    virtual bool armed(Capture capture) const = 0;
    // The picture kept since the arming, null while none came.
    virtual QImage captured(Capture capture) const = 0;
    // The last standard capture reached its file.
    virtual bool standard_image_saved() const = 0;
    // The last moved capture, over its own pixels.
    virtual const cv::Mat &moved_image() const = 0;
};
