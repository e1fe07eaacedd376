#pragma once

#include <QPoint>

#include <array>

// The arithmetic of the regions drawn with the mouse on the student and board preview pictures,
// without widgets. Points are in the window's fixed frame of those pictures: a picture of 480 by
// 270 whose top-left pixel is at kPanoOrigin (student and board panorama) or kFeatureOrigin
// (student close-up). The edge bands, clamps and anchors below are given in that frame, which
// keeps the camera's values exactly what installers have always drawn.
namespace preview_areas {

constexpr QPoint kPanoOrigin(20, 340);
constexpr QPoint kFeatureOrigin(20, 48);
constexpr int kShieldCount = 4;

// Inside the picture: 20 <= x < 499 and top <= y < top + 268.
bool in_area(const QPoint &p, const QPoint &origin);

// A press point clamped to x 22..498 and y top+2..top+268, before the point search.
QPoint clamp_press(const QPoint &p, const QPoint &origin);

// A released point: x below 20 becomes 22 and above 500 becomes 498; y below top becomes top+2
// and above top+270 becomes top+268.
QPoint clamp_release(const QPoint &p, const QPoint &origin);

// The first point whose (local) position lies within radius of the press on both axes, -1 for
// none. The search runs in point order, so the lower-numbered of two close points wins.
template <size_t N>
int hit_point(const std::array<QPoint, N> &local, int count, const QPoint &press, const QPoint &origin, int radius)
{
    const QPoint d = press - origin;
    for (int i = 0; i < count && i < int(N); ++i) {
        const QPoint &c = local[size_t(i)];
        if (c.x() - radius <= d.x() && d.x() <= c.x() + radius && c.y() - radius <= d.y() && d.y() <= c.y() + radius)
            return i;
    }
    return -1;
}

// Where a shield starts: shield 0 on the left edge (x 20), shields 1 and 2 on the right edge
// (x 500), shield 3 on the top edge (y 340).
QPoint shield_anchor(int shield, const QPoint &press);

// A shield released at end (window point; moved onto the edge band it was released in): its
// polygon A, B, C, D in local points, A being start (local). False when the end lies in none of
// the shield's edge bands: the shield is dropped.
bool shield_release(int shield, const QPoint &start_local, QPoint &end, std::array<QPoint, 4> &polygon);

} // namespace preview_areas

// The board panorama preview's areas as drawn or read back, in window points of the board
// preview (origin preview_areas::kPanoOrigin).
struct BoardPreviewAreas {
    QPoint board_track_start;
    QPoint board_track_end;
    std::array<QPoint, preview_areas::kShieldCount> board_shield_start{};
    std::array<QPoint, preview_areas::kShieldCount> board_shield_end{};
    bool board_track_flag = false; // the tracking area is known (drawn or read back)
    std::array<bool, preview_areas::kShieldCount> board_shield_drawn{};
    // The tracking area is shown (the board regions are shown with the tracking mode or from
    // the box); the eight shield boxes have flags of their own.
    bool board_track_visible = false;
    // The eight board shield boxes' shown flags; the camera has areas for the first four only.
    std::array<bool, 8> board_shield_visible{};
};
