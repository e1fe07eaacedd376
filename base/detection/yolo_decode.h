#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <vector>

// The detector's output decoding: from the network's three output arrays to boxes in picture
// pixels. Pure arithmetic, so it is tested and benchmarked without a network.
namespace yolo_decode {

constexpr int kLevels = 3;
constexpr int kAnchorsPerLevel = 3;

struct Layout {
    float anchors[kLevels][2 * kAnchorsPerLevel]; // (width, height) pairs in network-input pixels
    float strides[kLevels];
    int input_width;
    int input_height;
    float conf_threshold;
    float obj_threshold;
};

// One decoded cell that passed both gates, before the non-maximum suppression.
struct Candidate {
    int class_id;
    float confidence; // the best class score alone, not multiplied by the objectness
    int x;            // left, top, width, height in pixels of the picture given to detect
    int y;
    int width;
    int height;
};

int grid_width(const Layout &layout, int level);
int grid_height(const Layout &layout, int level);
// How many floats output `level` must hold: 3 anchors x (classes + 5) channels x grid area.
std::size_t expected_size(const Layout &layout, int level, int class_count);

// Empty when the outputs fit the layout and the class count; otherwise a log text naming the
// sizes found and expected. Decoding outputs that do not fit would read past their end.
QString check_outputs(const Layout &layout, const std::vector<std::size_t> &sizes, int class_count);

// Replaces each of the first length values x by 1 / (1 + e^-x).
void sigmoid(float *data, int length);

// Squashes output `level` in place and appends the cells above both gates. The output must
// have been accepted by check_outputs.
void decode_level(const Layout &layout, int level, float *output, int class_count, float ratio_w,
                  float ratio_h, std::vector<Candidate> &candidates);

} // namespace yolo_decode
