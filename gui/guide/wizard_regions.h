#pragma once

#include "model/camera_slot.h"

#include <QRect>

// What the wizard's commands, previews and detection ask of its region editing (the teacher
// regions on the borrowed region scene, the student area on the student pano preview). The
// region editing keeps it.
class WizardRegions
{
public:
    virtual ~WizardRegions() = default;

    // The side's show-region box was ticked (on) or unticked (off): the region controls, the
    // drawing modes and the enabled regions follow the boxes. Called before the crop command.
    virtual void set_editing(camera_slot::Side side, bool on) = 0;
    // After the crop's wait: the teacher regions drawn from their stored rectangles (on), or every
    // region item hidden, kept in the scene (off).
    virtual void set_teacher_regions_visible(bool visible) = 0;
    // clear_region_scene, and show_teacher_regions.
    virtual void clear_region_scene() = 0;
    virtual void show_teacher_regions() = 0;
    // collect_region_rects: the stored rectangles taken from the items, where the installer left
    // them.
    virtual void collect_region_rects() = 0;

    // The detection's results, in scene units (480 by 270). A board (0 left, 1 right, 2 center)
    // or shield (0..3) placed: its rectangle stored, enabled, its item drawn anew, its box ticked.
    enum class Kind { Board, Shield };
    virtual void place_region(Kind kind, int index, const QRect &scene_rect) = 0;
    // A board or shield the detection did not place again: its rectangle, its use and its box
    // stay; in use, it is drawn again where it was (the scene was cleared for the run), so the
    // scene shows what the teacher block sends.
    virtual void keep_region(Kind kind, int index) = 0;
    // The tracking region drawn anew at the rectangle, its radio button checked.
    virtual void place_tracking_region(const QRect &scene_rect) = 0;
};
