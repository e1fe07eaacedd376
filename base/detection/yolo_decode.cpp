#include "detection/yolo_decode.h"

#include <cmath>

namespace yolo_decode {

namespace {
constexpr int kBoxChannels = 5; // x, y, width, height, objectness before the class scores

QString grid_text(int rows, int columns) { return QStringLiteral("%1x%2").arg(rows).arg(columns); }

QString output_text(const OutputShape &output)
{
    QStringList dims;
    for (int d : output.dims)
        dims << QString::number(d);
    return QStringLiteral("\"%1\" of shape %2")
        .arg(output.name, dims.isEmpty() ? QStringLiteral("()") : dims.join(QLatin1Char('x')));
}

} // namespace

int grid_width(const Layout &layout, int level)
{
    return static_cast<int>(layout.input_width / layout.strides[level]);
}

int grid_height(const Layout &layout, int level)
{
    return static_cast<int>(layout.input_height / layout.strides[level]);
}

OutputMatch match_outputs(const Layout &layout, const std::vector<OutputShape> &outputs, int class_count)
{
    OutputMatch match;
    QStringList grids;
    for (int level = 0; level < kLevels; ++level)
        grids << grid_text(grid_height(layout, level), grid_width(layout, level));
    QStringList problems;
    if (outputs.size() != std::size_t(kLevels)) {
        QStringList listed;
        for (const OutputShape &output : outputs)
            listed << output_text(output);
        match.error = QStringLiteral("%1 outputs (%2), expected one for each grid %3")
                          .arg(outputs.size())
                          .arg(listed.isEmpty() ? QStringLiteral("none") : listed.join(QStringLiteral(", ")),
                               grids.join(QStringLiteral(", ")));
        return match;
    }
    const long long per_cell = static_cast<long long>(kAnchorsPerLevel) * (class_count + kBoxChannels);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const std::vector<int> &dims = outputs[i].dims;
        const int n = int(dims.size());
        int level = -1;
        for (int l = 0; n >= 2 && l < kLevels; ++l)
            if (dims[n - 2] == grid_height(layout, l) && dims[n - 1] == grid_width(layout, l))
                level = l;
        if (level < 0) {
            problems << QStringLiteral("output %1 has none of the grids %2")
                            .arg(output_text(outputs[i]), grids.join(QStringLiteral(", ")));
            continue;
        }
        if (match.output[level] >= 0) {
            problems << QStringLiteral("outputs %1 and %2 both have the grid %3")
                            .arg(output_text(outputs[match.output[level]]), output_text(outputs[i]),
                                 grids[level]);
            continue;
        }
        match.output[level] = int(i);
        long long values = 1;
        for (int d = 0; d < n - 2; ++d)
            values *= dims[d];
        if (values != per_cell)
            problems << QStringLiteral("output %1 holds %2 values a cell, expected %3: %4 anchors x (%5 classes + %6)")
                            .arg(output_text(outputs[i]))
                            .arg(values)
                            .arg(per_cell)
                            .arg(kAnchorsPerLevel)
                            .arg(class_count)
                            .arg(kBoxChannels);
    }
    match.error = problems.join(QStringLiteral("; "));
    return match;
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
                // A NaN squashes to NaN, and a NaN box would become a box at INT_MIN.
                if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(w) || !std::isfinite(h))
                    continue;
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
