#include "detection/yolo_decode.h"

#include <cmath>

namespace yolo_decode {

namespace {
constexpr int kBoxChannels = 5; // x, y, width, height, objectness before the class scores
} // namespace

int grid_width(const Layout &layout, int level)
{
    return static_cast<int>(layout.input_width / layout.strides[level]);
}

int grid_height(const Layout &layout, int level)
{
    return static_cast<int>(layout.input_height / layout.strides[level]);
}

std::size_t expected_size(const Layout &layout, int level, int class_count)
{
    return std::size_t(kAnchorsPerLevel) * std::size_t(class_count + kBoxChannels)
           * std::size_t(grid_width(layout, level)) * std::size_t(grid_height(layout, level));
}

QString check_outputs(const Layout &layout, const std::vector<std::size_t> &sizes, int class_count)
{
    QStringList expected;
    for (int level = 0; level < kLevels; ++level)
        expected << QString::number(expected_size(layout, level, class_count));
    QStringList found;
    for (std::size_t size : sizes)
        found << QString::number(size);
    if (found == expected)
        return {};
    return QStringLiteral("outputs of %1 floats, expected %2 for %3 classes")
        .arg(found.isEmpty() ? QStringLiteral("none") : found.join(QLatin1Char(',')),
             expected.join(QLatin1Char(',')))
        .arg(class_count);
}

void sigmoid(float *data, int length)
{
    for (int i = 0; i < length; ++i)
        data[i] = static_cast<float>(1.0 / (1 + static_cast<float>(std::exp(-double(data[i])))));
}

void decode_level(const Layout &layout, int level, float *output, int class_count, float ratio_w,
                  float ratio_h, std::vector<Candidate> &candidates)
{
    const int gx = grid_width(layout, level);
    const int gy = grid_height(layout, level);
    const int area = gx * gy;
    const int nout = class_count + kBoxChannels;
    const float stride = layout.strides[level];
    sigmoid(output, kAnchorsPerLevel * nout * area);
    for (int q = 0; q < kAnchorsPerLevel; ++q) {
        const float aw = layout.anchors[level][2 * q];
        const float ah = layout.anchors[level][2 * q + 1];
        const float *anchor = output + std::size_t(q) * nout * area;
        for (int i = 0; i < gy; ++i) {
            for (int j = 0; j < gx; ++j) {
                const int cell = i * gx + j;
                auto v = [&](int channel) { return anchor[std::size_t(channel) * area + cell]; };
                if (!(v(4) > layout.obj_threshold))
                    continue;
                float score = 0.0f;
                int class_id = 0;
                for (int c = 0; c < class_count; ++c) {
                    if (v(kBoxChannels + c) > score) {
                        score = v(kBoxChannels + c);
                        class_id = c;
                    }
                }
                if (!(score > layout.conf_threshold))
                    continue;
                const float cx = (2 * v(0) - 0.5f + j) * stride;
                const float cy = (2 * v(1) - 0.5f + i) * stride;
                const float w = static_cast<float>(std::pow(2.0 * v(2), 2.0)) * aw;
                const float h = static_cast<float>(std::pow(2.0 * v(3), 2.0)) * ah;
                Candidate c;
                c.class_id = class_id;
                c.confidence = score;
                c.x = static_cast<int>((double(cx) - 0.5 * double(w)) * double(ratio_w));
                c.y = static_cast<int>((double(cy) - 0.5 * double(h)) * double(ratio_h));
                c.width = static_cast<int>(w * ratio_w);
                c.height = static_cast<int>(h * ratio_h);
                candidates.push_back(c);
            }
        }
    }
}

} // namespace yolo_decode
