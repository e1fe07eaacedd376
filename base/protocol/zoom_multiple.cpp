#include "protocol/zoom_multiple.h"

#include <QtGlobal>

#include <cmath>

namespace {

constexpr int kZoomPositions[] = {
    100,   130,   2053,  2888,  3639,  4306,  4910,  5461,  5965,  6422,  6853,  7247,  7614,  7956,
    8276,  8575,  8859,  9127,  9379,  9620,  9846,  10061, 10266, 10461, 10650, 10828, 11001, 11164,
    11322, 11474, 11621, 11763, 11899, 12031, 12157, 12277, 12398, 12514, 12624, 12729, 12834, 12939,
    13034, 13133, 13223, 13317, 13401, 13491, 13575, 13653, 13737, 13811, 13890, 13963, 14037, 14110,
    14178, 14247, 14310, 14378, 14441, 14504, 14567, 14625, 14688, 14746, 14803, 14856, 14914, 14966,
    15019, 15071, 15124, 15176, 15223, 15271, 15323, 15371, 15418, 15460, 15507, 15554, 15596, 15644,
    15686, 15728, 15770, 15812, 15854, 15890, 15932, 15969, 16011, 16048, 16085, 16127, 16132, 16153,
    16169, 16190, 16205, 16226, 16242, 16258, 16279, 16295, 16316, 16331, 16352, 16368, 16384,
};
static_assert(sizeof(kZoomPositions) / sizeof(kZoomPositions[0]) == 111, "one position per 0.1x from 1.0x to 12.0x");

QVector<ZoomMultipleEntry> buildTable()
{
    QVector<ZoomMultipleEntry> rows;
    rows.reserve(111);
    for (int i = 0; i < 111; ++i)
        rows.append({i, 1.0 + 0.1 * i, kZoomPositions[i]});
    return rows;
}

// Built before main(), as every reply handler may read it.
const QVector<ZoomMultipleEntry> gZoomMultipleTable = buildTable();

} // namespace

const QVector<ZoomMultipleEntry> &zoom_multiple_table()
{
    return gZoomMultipleTable;
}

namespace zoom_multiple {

double find_matching_multiple(double position)
{
    const QVector<ZoomMultipleEntry> &rows = zoom_multiple_table();
    if (std::isnan(position))
        return 1.0;
    if (position <= rows.first().position)
        return rows.first().multiple;
    for (int i = 0; i + 1 < rows.size(); ++i) {
        if (position > rows[i].position && position < rows[i + 1].position)
            return rows[i].multiple;
        if (position == rows[i + 1].position)
            return rows[i + 1].multiple;
    }
    return rows.last().multiple;
}

double r6_ratio(int position)
{
    // A reply beyond the zoom range would make the divisor zero or negative: it reads as the end.
    position = qBound(0, position, kMaxZoomPosition);
    const int t = (kMaxZoomPosition - position) * 1920 / kMaxZoomPosition;
    return 3840.0 / (t + 1920);
}

float j22_optical(int position)
{
    return float(position) * 19.0f * 6.1035156e-05f + 1.0f;
}

double j22_digital(int value)
{
    return ((value + 100) / 100.0) * 20.0;
}

QString magnification_text(double ratio)
{
    return QString::number(ratio, 'f', 1) + QLatin1Char('x');
}

} // namespace zoom_multiple
