#include "model/region_geometry.h"

#include <cmath>
#include <limits>
#include <utility>

namespace region_geometry {

namespace {
// Truncation toward zero of a double that may lie outside the int range (camera values are
// whatever a reply carried).
int truncate_saturating(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(std::trunc(v));
}
} // namespace

int camera_to_scene(int v)
{
    const int half = v / 2;
    return truncate_saturating(half * 1.5);
}

RegionRect camera_to_scene(const RegionRect &r)
{
    return {camera_to_scene(r.x), camera_to_scene(r.y), camera_to_scene(r.w), camera_to_scene(r.h)};
}

int scene_to_camera(int s)
{
    const double q = s / 1.5;
    return truncate_saturating(q + q);
}

RegionRect scene_to_camera(const RegionRect &r)
{
    return {scene_to_camera(r.x), scene_to_camera(r.y), scene_to_camera(r.w), scene_to_camera(r.h)};
}

bool region_space_accepts(const QRectF &r)
{
    return r.x() > 0 && r.y() > 0 && r.x() + r.width() < kSceneWidth && r.y() + r.height() < kSceneHeight;
}

bool region_in_bounds(int x, int y, int w, int h)
{
    // Written as subtractions so that huge values from a reply cannot overflow the sums.
    return x > 2 && w > 2 && y > 2 && h > 2 && w <= kSceneWidth - x && h <= kSceneHeight - y;
}

void normalize_rect(int &x1, int &y1, int &x2, int &y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
}

QRectF item_scene_rect(const QRectF &b, const QPointF &s)
{
    const QPointF c = b.center() + s;
    return QRectF(c.x() - b.width() / 2 + 2, c.y() - b.height() / 2 + 2, b.width() - 2, b.height() - 2);
}

RegionRect collected_rect(const QRectF &r)
{
    // 478 and 268: the camera keeps a two-unit margin inside the right and bottom edges.
    constexpr double kRightLimit = 478.0;
    constexpr double kBottomLimit = 268.0;
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    RegionRect out;
    out.x = x <= 3.0 ? 3 : truncate_saturating(x - 1.0);
    out.y = y <= 3.0 ? 3 : truncate_saturating(y - 1.0);
    if (x + w >= kRightLimit)
        out.w = truncate_saturating(kRightLimit - x);
    else if (x < 0)
        out.w = truncate_saturating(w + x);
    else
        out.w = truncate_saturating(w);
    if (y + h >= kBottomLimit)
        out.h = truncate_saturating(kBottomLimit - y);
    else if (y < 0)
        out.h = truncate_saturating(h + y);
    else
        out.h = truncate_saturating(h);
    return out;
}

} // namespace region_geometry
