#pragma once

#include <QList>
#include <QRect>
#include <QRectF>

#include <optional>

// From the detector's boxes to rectangles of the 480 by 270 region scene. The rules (a size
// filter, a division by 4, the tracking region around what was found) are made for a 1920 by
// 1080 frame, so a box is first brought to that frame from the picture it was found in: a 480 by
// 270 preview picture proposes the same regions as a full-size one.
namespace detected_regions {

constexpr int kFrameWidth = 1920;
constexpr int kFrameHeight = 1080;
// Anything smaller is no blackboard or screen worth a region: one eighth of the frame each way.
constexpr int kMinWidth = 240;
constexpr int kMinHeight = 135;
// The detector's class of a blackboard; every other class is a screen.
constexpr int kBoardClass = 1;

// Left, top, width and height in pixels; left and top may be negative over the picture's edge.
struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A box of a picture of the given size, in pixels of a 1920 by 1080 frame. A picture without a
// size leaves the box as it is.
Box to_frame(const Box &box, int picture_width, int picture_height);
// At least 240 by 135 frame pixels.
bool big_enough(const Box &frame_box);
// (x / 4, y / 4, width / 4 + 2, height / 4 + 2), each division dropping the fraction toward zero.
QRectF to_scene(const Box &frame_box);

// Left, top, right and bottom of the tracking region while it is worked out.
struct Edges {
    double left = 1;
    double top = 1;
    double right = 478;
    double bottom = 268;
};
// The last board (or the whole scene without one), widened by every screen. Logged as it goes.
Edges tracking_seed(const QList<QRectF> &boards, const QList<QRectF> &screens);
// The tracking region of the seed, cut to 240 by 135 where it reaches the right or bottom edge;
// nothing when the seed covers the whole scene or fails the bounds test (the default follows).
std::optional<QRectF> tracking_region(const Edges &seed);

// The first-run wizard's tracking region around the seed: 8 units wider and higher, cut to 240 by
// 135 where it reaches the right or bottom edge, a left or top of 0 moved to 2. Nothing when the
// seed covers the whole scene, or when the region so made does not lie inside the scene (the
// default follows): what is tested is the region placed, not a board or screen it came from.
std::optional<QRect> wizard_tracking_region(const Edges &seed);

} // namespace detected_regions
