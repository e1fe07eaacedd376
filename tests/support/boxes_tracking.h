#pragma once

#include "guide/tracking_test.h"

#include <QCheckBox>

// The tracking tests as the wizard's show-tracking boxes say, for the pages built without the
// command keys that keep them.
struct BoxesTracking : TrackingTest {
    const QCheckBox &teacher;
    const QCheckBox &student;
    BoxesTracking(const QCheckBox &teacher_box, const QCheckBox &student_box) : teacher(teacher_box), student(student_box) {}
    bool tracking_shown(camera_slot::Side side) const override
    {
        return (side == camera_slot::Side::Student ? student : teacher).isChecked();
    }
    bool regions_shown(camera_slot::Side) const override { return false; }
    void stop_tracking_test(camera_slot::Side) override {}
    void drop_region_showing(camera_slot::Side) override {}
};
