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

// One output of the network as it lists them: its name and its dimensions.
struct OutputShape {
    QString name;
    std::vector<int> dims;
};

// Which output holds each level. A network lists its outputs in an order of its own (OpenCV
// sorts them by name), so each is known by its grid, its last two dimensions.
struct OutputMatch {
    int output[kLevels] = {-1, -1, -1}; // index in the network's list, per level
    QString error;                      // for the log: which outputs do not fit, and why
    bool fits() const { return error.isEmpty(); }
};

// The outputs fit when each level's grid is held by exactly one of them, with 3 anchors x
// (classes + 5) values a cell in front of the grid. Decoding outputs that do not fit would
// read past their end.
OutputMatch match_outputs(const Layout &layout, const std::vector<OutputShape> &outputs, int class_count);

// Replaces each of the first length values x by 1 / (1 + e^-x).
void sigmoid(float *data, int length);

// Squashes output `level` in place and appends the cells above both gates; a cell whose box is
// not a finite number is dropped. The output must be the one match_outputs found for the level.
void decode_level(const Layout &layout, int level, float *output, int class_count, float ratio_w,
                  float ratio_h, std::vector<Candidate> &candidates);

} // namespace yolo_decode
