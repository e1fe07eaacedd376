#pragma once

#include <QString>
#include <QVector>

// The magnification a camera's zoom position stands for, per camera model.
struct ZoomMultipleEntry {
    int index;
    double multiple; // 1.0 to 12.0 in steps of 0.1
    int position;    // VISCA zoom position, 100 to 16384
};

// The 111 rows of the J57's zoom table, built once before main() and never changed.
const QVector<ZoomMultipleEntry> &zoom_multiple_table();

namespace zoom_multiple {

constexpr int kMaxZoomPosition = 16384;   // the optical end of every model's zoom range
constexpr int kMaxDigitalZoomValue = 1500; // digital zoom values above this are not shown

// Magnification of a J57 by the table: the lower row's multiple for a position between two
// rows, the row's own for a position equal to it, 1.0 at or below the first row, 12.0 at or
// above the last. A value that is not a number gives 1.0.
double find_matching_multiple(double position);

// Magnification of an R6 (a 2x zoom): 3840 / (t + 1920) with t = (16384 - v) * 1920 / 16384 in
// integer arithmetic; 1.0 at 0, 2.0 at 16384 (positions outside 0..16384 read as the nearer end).
double r6_ratio(int position);

// Optical magnification of a J22 (1 to 20), in single precision as the camera's own figure:
// v * 19.0 * 6.1035156e-05 + 1.0.
float j22_optical(int position);

// Digital magnification of a J22 standing at its optical end: ((d + 100) / 100) * 20, 20.0 at 0
// and 320.0 at 1500.
double j22_digital(int value);

// One decimal and "x", as the zoom fields show it ("1.0x").
QString magnification_text(double ratio);

} // namespace zoom_multiple
