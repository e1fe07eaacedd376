#pragma once

#include "model/camera_slot.h"
#include "model/region_geometry.h"
#include "protocol/teacher_region_keys.h"

#include <QString>

// The teacher regions on the region scene as the Teacher tab's Apply and Obtain reach them: the
// region editor keeps them.
class TeacherRegions
{
public:
    virtual ~TeacherRegions() = default;
    // The scene's regions, collected before an Apply, as the block carries them.
    virtual void collect_scene_regions() = 0;
    virtual teacher_region_keys::ApplyRegions apply_regions() const = 0;
    // The close-up (feature) tracking area, scene units.
    virtual region_geometry::RegionRect feature_rect() const = 0;
    // An Obtain clears the scene; the answer's regions are drawn afresh.
    virtual void redraw_on_next_reply() = 0;
    // A reply's region keys and enable strings into the scene and the region boxes.
    virtual void read_reply_regions(const QString &reply) = 0;
};
