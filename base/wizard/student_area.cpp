#include "wizard/student_area.h"

#include "model/region_geometry.h"
#include "protocol/teacher_region_keys.h"

#include <QDebug>

#include <algorithm>
#include <cstdlib>

namespace student_area {

const QPoint kDefaultCorners[kCornerCount] = {{100, 200}, {380, 200}, {310, 60}, {170, 60}};

namespace {

using region_geometry::camera_to_scene;

// The edit area and the clamp of a corner press, in wizard units.
constexpr int kLeft = 315;
constexpr int kTop = 78;
constexpr int kRight = 793;
constexpr int kBottom = 345;
constexpr int kClampRight = 794;
// A corner is picked within this many units of its marker on both axes.
constexpr int kPickRadius = 7;

// Where the shields start: shield one on the left edge, two and three on the right (one unit past
// the picture, as the installers have always drawn them), four on the top.
constexpr int kStartLeft = 315;
constexpr int kStartRight = 795;
constexpr int kStartTop = 78;

// The bands a shield line may end in, and where its end is put on the edge (wizard units).
constexpr int kNearTopFrom = 76, kNearTopTo = 86, kTopEdge = 76;
constexpr int kNearBottomFrom = 335, kNearBottomTo = 345, kBottomEdge = 345;
constexpr int kNearLeftFrom = 315, kNearLeftTo = 325, kLeftEdge = 315;
constexpr int kNearRightFrom = 784, kNearRightTo = 794, kRightEdge = 794;
constexpr int kWidthFrom = 315, kWidthTo = 795;
constexpr int kHeightFrom = 76, kHeightTo = 346;

bool within(int v, int from, int to) { return from <= v && v <= to; }

// The polygons' fixed corners (label units): shield one along the left and bottom edges, two and
// three along the right and top, four along the top and left.
enum class Polygon { LeftToBottom, LeftToRight, RightToTop, RightToLeft, TopToLeft, TopToBottom };

std::array<QPoint, 4> polygon(Polygon kind, const QPoint &s, const QPoint &e)
{
    switch (kind) {
    case Polygon::LeftToBottom: return {s, QPoint(0, 267), QPoint(0, 267), e};
    case Polygon::LeftToRight: return {s, QPoint(0, 267), QPoint(480, 268), e};
    case Polygon::RightToTop: return {s, QPoint(480, -2), QPoint(480, -2), e};
    case Polygon::RightToLeft: return {s, QPoint(480, -2), QPoint(0, -2), e};
    case Polygon::TopToLeft: return {s, QPoint(0, -2), QPoint(0, -2), e};
    case Polygon::TopToBottom: return {s, QPoint(0, -2), QPoint(0, 268), e};
    }
    return {};
}

// The edge a released line ends on for the shield, with its end put onto it; none: the line
// ends near neither of the shield's edges.
std::optional<Polygon> release_edge(int shield, QPoint &e)
{
    const bool near_top = within(e.y(), kNearTopFrom, kNearTopTo);
    const bool near_bottom = within(e.y(), kNearBottomFrom, kNearBottomTo);
    const bool near_left = within(e.x(), kNearLeftFrom, kNearLeftTo);
    const bool near_right = within(e.x(), kNearRightFrom, kNearRightTo);
    const bool in_width = within(e.x(), kWidthFrom, kWidthTo);
    const bool in_height = within(e.y(), kHeightFrom, kHeightTo);
    switch (shield) {
    case 0:
        if (in_width && near_bottom) {
            e.setY(kBottomEdge);
            return Polygon::LeftToBottom;
        }
        if (near_right && in_height) {
            e.setX(kRightEdge);
            return Polygon::LeftToRight;
        }
        return std::nullopt;
    case 1:
    case 2:
        qDebug().noquote() << QString::asprintf("case %d x: %d, y: %d", shield, e.x(), e.y());
        if (in_width && near_top) {
            e.setY(kTopEdge);
            return Polygon::RightToTop;
        }
        if (in_width && near_left && in_height) {
            e.setX(kLeftEdge);
            return Polygon::RightToLeft;
        }
        return std::nullopt;
    default:
        if (near_left && in_height) {
            e.setX(kLeftEdge);
            return Polygon::TopToLeft;
        }
        if (in_width && near_bottom) {
            e.setY(kBottomEdge);
            return Polygon::TopToBottom;
        }
        return std::nullopt;
    }
}

bool valid_shield(int k) { return k >= 0 && k < kShieldCount; }

} // namespace

StudentArea::StudentArea()
{
    std::copy(std::begin(kDefaultCorners), std::end(kDefaultCorners), student_track_points.begin());
}

bool in_edit_area(const QPoint &p) { return within(p.x(), kLeft, kRight) && within(p.y(), kTop, kBottom); }

MouseResult corner_press(StudentArea &a, const QPoint &p)
{
    MouseResult r;
    if (!in_edit_area(p))
        return r;
    const QPoint clamped(std::clamp(p.x(), kLeft, kClampRight), std::clamp(p.y(), kTop, kBottom));
    a.dragging = false;
    for (int j = 0; j < kCornerCount; ++j) {
        const QPoint marker = a.student_track_points[size_t(j)] + kOrigin;
        if (std::abs(clamped.x() - marker.x()) <= kPickRadius && std::abs(clamped.y() - marker.y()) <= kPickRadius) {
            a.dragging = true;
            a.dragged = j;
            a.drag_points[size_t(j)] = clamped;
            qDebug() << "student_track_index" << j;
            r.cursor = clamped;
            break;
        }
    }
    return r;
}

MouseResult corner_move(StudentArea &a, const QPoint &p)
{
    if (a.dragging && a.dragged >= 0 && in_edit_area(p)) {
        a.drag_points[size_t(a.dragged)] = p;
        a.placed[size_t(a.dragged)] = false;
    }
    return {};
}

MouseResult corner_release(StudentArea &a, const QPoint &p)
{
    MouseResult r;
    if (!a.dragging)
        return r;
    a.dragging = false;
    if (a.dragged < 0)
        return r;
    const size_t j = size_t(a.dragged);
    a.student_track_points[j] = p - kOrigin;
    a.placed[j] = true;
    if (j == 0)
        qDebug().noquote() << QString::asprintf("x: %d, y: %d", p.x(), p.y()) << "student end x: "
                           << a.student_track_points[j].x() << "student end y: " << a.student_track_points[j].y();
    r.changed = true;
    return r;
}

MouseResult shield_press(StudentArea &a, const QPoint &p)
{
    MouseResult r;
    const bool inside = in_edit_area(p);
    qDebug() << "detection_coordinates(event->pos()):" << inside;
    if (!inside)
        return r;
    a.drawing = true;
    if (!valid_shield(a.current_shield))
        return r;
    const size_t k = size_t(a.current_shield);
    QPoint start = p;
    if (k == 0)
        start.setX(kStartLeft);
    else if (k == 3)
        start.setY(kStartTop);
    else
        start.setX(kStartRight);
    a.shield_start[k] = a.shield_end[k] = start;
    qDebug() << "QPoint center:" << start;
    r.cursor = start;
    return r;
}

MouseResult shield_move(StudentArea &a, const QPoint &p)
{
    if (a.drawing && valid_shield(a.current_shield) && in_edit_area(p)) {
        a.shield_end[size_t(a.current_shield)] = p;
        a.polygon_ready[size_t(a.current_shield)] = false;
    }
    return {};
}

MouseResult shield_release(StudentArea &a)
{
    MouseResult r;
    if (!a.drawing)
        return r;
    a.drawing = false;
    if (!valid_shield(a.current_shield) || a.polygon_ready[size_t(a.current_shield)])
        return r;
    const size_t k = size_t(a.current_shield);
    QPoint end = a.shield_end[k];
    if (const std::optional<Polygon> kind = release_edge(int(k), end)) {
        a.shield_end[k] = end;
        a.student_shield_polygons[k] = polygon(*kind, a.shield_start[k] - kOrigin, end - kOrigin);
        a.polygon_ready[k] = true;
    } else {
        a.shield_start[k] = a.shield_end[k] = QPoint(0, 0);
        a.polygon_ready[k] = false;
    }
    r.changed = true;
    return r;
}

namespace {

// The picture's right and bottom edge in camera and label units.
constexpr int kCameraRight = 639;
constexpr int kCameraBottom = 359;
constexpr int kLabelRight = 480;
constexpr int kLabelBottom = 270;

int or_default(int v, int fallback) { return v == 0 ? fallback : v; }

// A shield's polygon from a reply's start and end: the start, then, by the end's edge, the
// corners and the end. An end on neither of the shield's edges keeps the earlier corners and end.
void reply_polygon(int k, int sx, int sy, int ex, int ey, std::array<QPoint, 4> &q)
{
    const auto c = [](int v) { return camera_to_scene(v); };
    const auto set = [&q](Polygon kind, const QPoint &s, const QPoint &e) { q = polygon(kind, s, e); };
    switch (k) {
    case 0: {
        const QPoint s(sx, sy == kCameraBottom ? kLabelBottom : c(sy));
        q[0] = s;
        if (ey == kCameraBottom)
            set(Polygon::LeftToBottom, s, QPoint(c(ex), kLabelBottom));
        else if (ex == kCameraRight)
            set(Polygon::LeftToRight, s, QPoint(kLabelRight, c(ey)));
        break;
    }
    case 1:
    case 2: {
        const QPoint s(sx == kCameraRight ? kLabelRight : c(sx), sy == kCameraBottom ? kLabelBottom : c(sy));
        q[0] = s;
        if (ey == 0)
            set(Polygon::RightToTop, s, QPoint(c(ex), 0));
        else if (ex == 0)
            set(Polygon::RightToLeft, s, QPoint(0, c(ey)));
        break;
    }
    default: {
        const QPoint s(sx == kCameraRight ? kLabelRight : c(sx), c(sy));
        q[0] = s;
        if (ex == 0)
            set(Polygon::TopToLeft, s, QPoint(0, c(ey)));
        else if (ey == kCameraBottom)
            set(Polygon::TopToBottom, s, QPoint(c(ex), kLabelBottom));
        break;
    }
    }
}

} // namespace

ShieldBoxes parse_student_region_coord(const wizard_reply::StudentRegionCoord &coord, bool regions_shown,
                                       StudentArea &a)
{
    ShieldBoxes boxes;
    qDebug() << "GuideConfig::pano_shield_enable: " << coord.pano_shield_enable;
    if (coord.pano_shield_enable.isNull()) {
        qDebug() << "GuideConfig::student_region_coord.pano_shield_enable.isNull()";
    } else {
        for (int k = 0; k < kShieldCount; ++k) {
            const std::optional<bool> on = teacher_region_keys::enable_char(coord.pano_shield_enable, k);
            if (!on)
                continue;
            boxes[size_t(k)] = *on;
            if (!*on || regions_shown)
                a.shield_enabled[size_t(k)] = *on;
        }
    }
    for (int i = 0; i < kCornerCount; ++i) {
        QPoint &p = a.student_track_points[size_t(i)];
        if (const std::optional<int> x = coord.corners[size_t(i * 2)])
            p.setX(or_default(camera_to_scene(*x), kDefaultCorners[i].x()));
        if (const std::optional<int> y = coord.corners[size_t(i * 2 + 1)])
            p.setY(or_default(camera_to_scene(*y), kDefaultCorners[i].y()));
    }
    qDebug() << "GuideConfig::屏蔽区1 start_x:" << coord.value(0, 0).value_or(0) << ",start_y:"
             << coord.value(0, 1).value_or(0);
    qDebug() << "GuideConfig::屏蔽区1 delta_x:" << coord.value(0, 2).value_or(0) << ",delta_y:"
             << coord.value(0, 3).value_or(0);
    for (int k = 0; k < kShieldCount; ++k) {
        if (!coord.carries_shield(k))
            continue;
        reply_polygon(k, *coord.value(k, 0), *coord.value(k, 1), *coord.value(k, 2), *coord.value(k, 3),
                      a.student_shield_polygons[size_t(k)]);
        a.polygon_ready[size_t(k)] = true;
    }
    return boxes;
}

} // namespace student_area
