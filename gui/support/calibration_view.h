#pragma once

#include "model/camera_slot.h"

// The calibration view of a side: its check box on the side's tab and the cross it draws over
// the pano camera's picture. ManualCalibration keeps it; the features whose controls follow it
// (the zoom keys, the calibration buttons, the speed level, the region displays) ask it.
class CalibrationView
{
public:
    virtual ~CalibrationView() = default;
    // The side's box is ticked.
    virtual bool calibration_shown(camera_slot::Side side) const = 0;
    // Unticks the box, as a click would: the cross goes off on the camera too while it is there.
    virtual void hide_calibration(camera_slot::Side side) = 0;
};
