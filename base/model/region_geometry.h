#pragma once

#include <QPointF>
#include <QRectF>

// Geometry of the teacher regions, without widgets.
//
// Two spaces describe the same panorama picture: the region scene, 480 by 270 units, on which
// the installer draws; and the camera's region space, 640 by 360 integers, in which the camera
// stores its regions. Both have their origin at the top left, x to the right and y downwards.
namespace region_geometry {

constexpr int kSceneWidth = 480;
constexpr int kSceneHeight = 270;
constexpr int kCameraWidth = 640;
constexpr int kCameraHeight = 360;

// One region as integers: start x, start y, width, height.
struct RegionRect
{
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    bool operator==(const RegionRect &o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
    bool operator!=(const RegionRect &o) const { return !(*this == o); }
};

// Camera to scene: halve with integer division (toward zero), times 1.5, truncated toward zero.
// 101 gives 75, 102 gives 76, 610 gives 457. The cameras have always received and sent values
// made by exactly this rule, so it stays as it is even though a round trip may lose a unit or two.
int camera_to_scene(int v);
RegionRect camera_to_scene(const RegionRect &r);

// Scene to camera: s / 1.5 added to itself, truncated toward zero. 3 gives 4, 100 gives 133.
// A value whose camera image lies beyond the int range saturates instead of overflowing.
int scene_to_camera(int s);
RegionRect scene_to_camera(const RegionRect &r);

// The rectangle an item may take: strictly inside the region scene on all four sides
// (x > 0, y > 0, x + w < 480, y + h < 270). A rectangle touching an edge is refused.
bool region_space_accepts(const QRectF &r);

// The bounds test used before a stored region is drawn: x, w, y and h each above 2, the right
// edge at most 480 and the bottom at most 270.
bool region_in_bounds(int x, int y, int w, int h);

// Two corners of a rectangle put in order: (x1, y1) becomes the top-left and (x2, y2) the
// bottom-right corner, whichever way the rectangle was drawn.
void normalize_rect(int &x1, int &y1, int &x2, int &y2);

// The rectangle of a region item in scene units, read from its bounding rectangle (item
// coordinates, grown by half the 2-unit pen on every side) and its scene position: shifted by
// +1 in x and y, with the item's own width and height.
QRectF item_scene_rect(const QRectF &boundingRect, const QPointF &scenePos);

// The integers stored for a region read back from the scene (from item_scene_rect): x and y
// become 3 when at most 3 and drop by 1 otherwise; the width stops at 478 - x when the region
// reaches 478, and a negative x is taken off the width; the height likewise against 268.
RegionRect collected_rect(const QRectF &r);

} // namespace region_geometry
