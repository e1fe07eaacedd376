#pragma once

#include "protocol/wizard_reply.h"

#include <QPoint>
#include <QString>

#include <array>
#include <optional>

// The student area of the first-run wizard, without widgets: the four corners of the student
// tracking area and the four shield regions, edited with the mouse over the student panorama
// preview and read from a camera reply.
//
// Three units: wizard units (the wizard window's own mouse positions), label units (480 by 270,
// the overlay widgets; a wizard position (x, y) is the label position (x - 315, y - 78), the
// preview's fixed place in the wizard) and camera units (640 by 360).
namespace student_area {

constexpr QPoint kOrigin(315, 78);
constexpr int kCornerCount = 4;
constexpr int kShieldCount = 4;

// The corners the camera gets when a reply leaves a coordinate 0: forward left, forward right,
// backward right, backward left (label units).
extern const QPoint kDefaultCorners[kCornerCount];

struct StudentArea {
    // Corners 0..3 (forward left, forward right, backward right, backward left) as stored and sent.
    std::array<QPoint, kCornerCount> student_track_points{};
    // While a corner is dragged it is drawn at its drag point (wizard units); once placed, at
    // its stored point.
    std::array<QPoint, kCornerCount> drag_points{};
    std::array<bool, kCornerCount> placed{};
    std::array<bool, kCornerCount> shown{};
    int dragged = -1;
    bool dragging = false;
    // The shield line being drawn (wizard units), the finished polygons (start, two corners,
    // end; label units) and which are finished, in use and drawn by the mouse.
    std::array<QPoint, kShieldCount> shield_start{};
    std::array<QPoint, kShieldCount> shield_end{};
    std::array<std::array<QPoint, 4>, kShieldCount> student_shield_polygons{};
    std::array<bool, kShieldCount> polygon_ready{};
    std::array<bool, kShieldCount> shield_enabled{};
    int current_shield = -1;
    bool drawing = false;

    StudentArea();
};

// The edit area in wizard units: x 315..793, y 78..345.
bool in_edit_area(const QPoint &p);

// What a mouse event did: whether the student parameters changed, and where the cursor is to be
// put (wizard units).
struct MouseResult {
    bool changed = false;
    std::optional<QPoint> cursor;
};

// Corner dragging. A press picks the first corner within 7 units of the press (clamped to the
// area) on both axes; a move inside the area drags it; the release stores it.
MouseResult corner_press(StudentArea &area, const QPoint &p);
MouseResult corner_move(StudentArea &area, const QPoint &p);
MouseResult corner_release(StudentArea &area, const QPoint &p);

// Shield lines of the current shield: the press starts on its fixed edge (shield one the left,
// two and three the right, four the top), a move inside the area draws, the release ends on one
// of the two edges the shield may end on and finishes its polygon, or resets the shield.
MouseResult shield_press(StudentArea &area, const QPoint &p);
MouseResult shield_move(StudentArea &area, const QPoint &p);
MouseResult shield_release(StudentArea &area);

// What a reply's shield enable string does to the shield boxes: a state to set, or none.
using ShieldBoxes = std::array<std::optional<bool>, kShieldCount>;

// parse_student_region_coord of the wizard, with what one student reply carried (camera units).
// Character k of the enable string checks box k ('1', enabling the shield only while the
// regions are shown) or unchecks it and disables the shield ('0'); any other character, or
// none, changes nothing. Each corner coordinate carried becomes label units, a 0 taking its
// default; each shield carried whole follows its start and end on the picture's edges and is
// finished. What the reply did not carry stays as it is.
ShieldBoxes parse_student_region_coord(const wizard_reply::StudentRegionCoord &coord, bool regions_shown,
                                       StudentArea &area);

} // namespace student_area
