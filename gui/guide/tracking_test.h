#pragma once

#include "model/camera_slot.h"

// A side's tracking test (its show-tracking box): what the previews ask of it before a pano
// camera goes. WizardCommandKeys keeps it.
class TrackingTest
{
public:
    virtual ~TrackingTest() = default;
    // The side's show-tracking box is ticked.
    virtual bool tracking_shown(camera_slot::Side side) const = 0;
    // Unticks the box while its pano camera is still there, so its stop goes out and the
    // side's pages unlock.
    virtual void stop_tracking_test(camera_slot::Side side) = 0;
    // The side's show-region box unticked and its editing left, without any command (the
    // camera is gone).
    virtual void drop_region_showing(camera_slot::Side side) = 0;
};
