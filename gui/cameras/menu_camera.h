#pragma once

#include "model/camera_slot.h"

// The camera whose pictures the camera menu dialog of a side shows, as the menu controls of the
// side's tab choose it: the camera menu keys keep them, the pictures ask.
class MenuCamera
{
public:
    virtual ~MenuCamera() = default;
    // 0 the close-up camera, 1 the pano camera; -1 none (the teacher side navigates by PTZ).
    virtual int menu_camera(camera_slot::Side side) const = 0;
};
