#pragma once

#include "form_rig.h"
#include "mainwindow/tab_layout.h"
#include "regions/student_regions.h"

// The student and board region views on a rig's form, acting on the tab its tab bar shows (as the
// tab layout tells it), for the tests of the features that talk to them as the window wires them.
struct RegionViews {
    TabLayout layout;
    StudentRegions regions;
    RegionViews(FormRig &rig, WindowChoices &choices, BoardPreviewAreas &board, CalibrationView &calibration)
        : layout(CORVANE_FORM_WIDGETS(TabLayout, TAB_LAYOUT_WIDGETS, rig.formHost.ui), rig.teacher_values,
                 rig.student_values, choices, rig.link, &rig.formHost.window)
        , regions(CORVANE_FORM_WIDGETS(StudentRegions, STUDENT_REGIONS_WIDGETS, rig.formHost.ui), rig.cameras,
                  rig.ports, rig.link, rig.status, rig.student_values, rig.student_points, board, layout, calibration,
                  &rig.formHost.window, &rig.formHost.window)
    {
    }
};
