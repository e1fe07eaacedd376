#pragma once

#include "model/camera_slot.h"

// A side's tracking test (its show-tracking box) and its region showing (its show-region box):
// what the previews and the detection ask of them. WizardCommandKeys keeps both.
class TrackingTest
{
public:
    virtual ~TrackingTest() = default;
    // The side's show-tracking box is ticked.
    virtual bool tracking_shown(camera_slot::Side side) const = 0;
    // Unticks the box while its pano camera is still there, so its stop goes out and the
    // side's pages unlock.
    virtual void stop_tracking_test(camera_slot::Side side) = 0;
    // The side's show-region box is ticked with its pano camera there.
    virtual bool regions_shown(camera_slot::Side side) const = 0;
    // The side's show-region box unticked and its editing left, without any command (the
    // camera is gone).
    virtual void drop_region_showing(camera_slot::Side side) = 0;
};
