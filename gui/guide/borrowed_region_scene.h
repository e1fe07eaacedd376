#pragma once

class CustomGraphicsScene;

// What the wizard borrows of the main window's one region scene: the scene, shown in the
// wizard's own region view, and the window's clearing of it (which destroys every item with its
// record, so no record is left naming an item that has gone).
class BorrowedRegionScene
{
public:
    virtual ~BorrowedRegionScene() = default;
    virtual CustomGraphicsScene *scene() const = 0;
    virtual void clear_region_scene() = 0;
};
