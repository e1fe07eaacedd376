#pragma once

#include "guide/borrowed_region_scene.h"
#include "regions/customgraphicsscene.h"

// The main window's region scene as the wizard borrows it; it must outlive the wizard.
struct SharedScene : BorrowedRegionScene {
    CustomGraphicsScene region_scene;
    CustomGraphicsScene *scene() const override { return const_cast<CustomGraphicsScene *>(&region_scene); }
    void clear_region_scene() override { region_scene.clearAllItems(); }
};
