#include "protocol/student_point_keys.h"

#include "model/region_geometry.h"
#include "protocol/reply_values.h"
#include "protocol/teacher_region_keys.h"

#include <QDebug>

#include <algorithm>

namespace student_point_keys {

namespace {
constexpr int kMaxX = 639;
constexpr int kMaxY = 359;

Item item(const char *key, int value) { return {QLatin1String(key), QString::number(value)}; }

void log_point(const char *label, const QPoint &p)
{
    qDebug().noquote() << QString::fromUtf8(label) << p.x() << ",Start_y:" << p.y();
}

// A point's two item lines in camera units, clamped to the picture.
void add_point(QVector<Item> &items, const char *const keys[2], const QPoint &p)
{
    items.append(item(keys[0], std::min(to_camera(p.x()), kMaxX)));
    items.append(item(keys[1], std::min(to_camera(p.y()), kMaxY)));
}

// Only an exact image of the picture's far edge is pulled back onto it.
int edge_x(int label)
{
    const int v = to_camera(label);
    return v == 640 ? kMaxX : v;
}
int edge_y(int label)
{
    const int v = to_camera(label);
    return v == 360 ? kMaxY : v;
}

bool store_int(const QString &reply, const char *key, int &field)
{
    const QString v = parameter_block::value(reply, QLatin1String(key));
    if (v.isNull())
        return false;
    field = reply_values::number(v);
    return true;
}

std::array<bool, 2> store_point(const QString &reply, const char *const keys[2], QPoint &p)
{
    int x = p.x();
    int y = p.y();
    const std::array<bool, 2> stored = {store_int(reply, keys[0], x), store_int(reply, keys[1], y)};
    p = QPoint(x, y);
    return stored;
}
} // namespace

const char *const kCornerKeys[4][2] = {{"forward_left_x", "forward_left_y"},
                                       {"forward_right_x", "forward_right_y"},
                                       {"backward_right_x", "backward_right_y"},
                                       {"backward_left_x", "backward_left_y"}};
// The sixth designated point's keys say "six", not "sixth".
const char *const kDesignatedKeys[6][2] = {{"pano_designated_first_x", "pano_designated_first_y"},
                                           {"pano_designated_second_x", "pano_designated_second_y"},
                                           {"pano_designated_third_x", "pano_designated_third_y"},
                                           {"pano_designated_fourth_x", "pano_designated_fourth_y"},
                                           {"pano_designated_fifth_x", "pano_designated_fifth_y"},
                                           {"pano_designated_six_x", "pano_designated_six_y"}};
const char *const kPanoCalibrateKeys[6][2] = {{"pano_calibrate_first_x", "pano_calibrate_first_y"},
                                              {"pano_calibrate_second_x", "pano_calibrate_second_y"},
                                              {"pano_calibrate_third_x", "pano_calibrate_third_y"},
                                              {"pano_calibrate_fourth_x", "pano_calibrate_fourth_y"},
                                              {"pano_calibrate_fifth_x", "pano_calibrate_fifth_y"},
                                              {"pano_calibrate_sixth_x", "pano_calibrate_sixth_y"}};
const char *const kFeatureCalibrateKeys[6][2] = {{"feature_calibrate_first_x", "feature_calibrate_first_y"},
                                                 {"feature_calibrate_second_x", "feature_calibrate_second_y"},
                                                 {"feature_calibrate_third_x", "feature_calibrate_third_y"},
                                                 {"feature_calibrate_fourth_x", "feature_calibrate_fourth_y"},
                                                 {"feature_calibrate_fifth_x", "feature_calibrate_fifth_y"},
                                                 {"feature_calibrate_sixth_x", "feature_calibrate_sixth_y"}};

int to_camera(int label) { return region_geometry::scene_to_camera(label); }

CornerOrder order_corners(const std::array<QPoint, 4> &p)
{
    // Each scan keeps its first candidate unless a later one is strictly better.
    int a = 0;
    int best = std::max(p[0].y(), 0);
    for (int i = 1; i < 4; ++i) {
        if (p[size_t(i)].y() > best) {
            best = p[size_t(i)].y();
            a = i;
        }
    }
    int b = 0;
    best = 0;
    for (int i = 0; i < 4; ++i) {
        if (i != a && p[size_t(i)].y() > best) {
            best = p[size_t(i)].y();
            b = i;
        }
    }
    int c = 0;
    best = 1000;
    for (int i = 0; i < 4; ++i) {
        if (i != a && i != b && p[size_t(i)].x() < best) {
            best = p[size_t(i)].x();
            c = i;
        }
    }
    int d = 0;
    for (int i = 0; i < 4; ++i) {
        if (i != a && i != b && i != c)
            d = i;
    }
    CornerOrder order;
    if (p[size_t(a)].x() < p[size_t(b)].x()) {
        order.forward_left = a;
        order.forward_right = b;
    } else {
        order.forward_left = b;
        order.forward_right = a;
    }
    order.backward_right = c;
    order.backward_left = d;
    return order;
}

QVector<Item> corner_items(const std::array<QPoint, 4> &corners)
{
    const CornerOrder o = order_corners(corners);
    const int which[4] = {o.forward_left, o.forward_right, o.backward_right, o.backward_left};
    const char *const labels[4] = {"区域一左前排 Start_x:", "区域二右前排 Start_x:", "区域三右后排 Start_x:",
                                   "区域四左后排 Start_x:"};
    QVector<Item> items;
    for (int i = 0; i < 4; ++i) {
        const QPoint &p = corners[size_t(which[i])];
        log_point(labels[i], p);
        add_point(items, kCornerKeys[i], p);
    }
    return items;
}

QVector<Item> designated_items(const std::array<QPoint, 6> &points, bool old_format)
{
    const char *const labels[6] = {"第一点 Start_x:", "第二点 Start_x:", "第三点 Start_x:",
                                   "第四点 Start_x:", "第五点 Start_x:", "第六点 Start_x:"};
    QVector<Item> items;
    const int count = old_format ? 4 : 6;
    for (int i = 0; i < count; ++i) {
        log_point(labels[i], points[size_t(i)]);
        add_point(items, kDesignatedKeys[i], points[size_t(i)]);
    }
    return items;
}

QVector<Item> shield_items(const std::array<std::array<QPoint, 4>, 4> &shields, const std::array<bool, 4> &drawn)
{
    // The line of a shield never drawn: a small corner patch each.
    static const int kNotDrawn[4][4] = {{0, 330, 30, 359}, {610, 359, 639, 330}, {639, 30, 610, 0}, {30, 0, 0, 30}};
    QVector<Item> items;
    for (int k = 0; k < 4; ++k) {
        int v[4] = {kNotDrawn[k][0], kNotDrawn[k][1], kNotDrawn[k][2], kNotDrawn[k][3]};
        if (drawn[size_t(k)]) {
            const std::array<QPoint, 4> &q = shields[size_t(k)];
            // A shield along one edge only has its two middle points on the same corner.
            const bool degenerate = q[1] == q[2];
            switch (k) {
            case 0:
                v[0] = 0;
                v[1] = edge_y(q[0].y());
                v[2] = degenerate ? edge_x(q[3].x()) : kMaxX;
                v[3] = degenerate ? kMaxY : edge_y(q[3].y());
                break;
            case 1:
            case 2:
                v[0] = kMaxX;
                v[1] = edge_y(q[0].y());
                v[2] = degenerate ? edge_x(q[3].x()) : 0;
                v[3] = degenerate ? 0 : edge_y(q[3].y());
                break;
            default:
                v[0] = edge_x(q[0].x());
                v[1] = 0;
                v[2] = degenerate ? 0 : edge_x(q[3].x());
                v[3] = degenerate ? edge_y(q[3].y()) : kMaxY;
                break;
            }
        }
        for (int j = 0; j < 4; ++j)
            items.append(item(teacher_region_keys::key_list(teacher_region_keys::kShieldKeys[k])[size_t(j)], v[j]));
    }
    return items;
}

QVector<Item> calibration_items(const std::array<QPoint, 6> &pano, const std::array<QPoint, 6> &feature)
{
    const char *const panoLabels[4] = {"校准全景第一点 Start_x:", "校准全景第二点 Start_x:", "校准全景第三点 Start_x:",
                                       "校准全景第四点 Start_x:"};
    const char *const featureLabels[4] = {"校准特写第一点 Start_x:", "校准特写第二点 Start_x:",
                                          "校准特写第三点 Start_x:", "校准特写第四点 Start_x:"};
    QVector<Item> items;
    items.append({QStringLiteral("pano_calibrate_enable"), QStringLiteral("1111")});
    for (int i = 0; i < 4; ++i) {
        log_point(panoLabels[i], pano[size_t(i)]);
        items.append(item(kPanoCalibrateKeys[i][0], pano[size_t(i)].x() * 8));
        items.append(item(kPanoCalibrateKeys[i][1], pano[size_t(i)].y() * 8));
    }
    for (int i = 0; i < 4; ++i) {
        log_point(featureLabels[i], feature[size_t(i)]);
        items.append(item(kFeatureCalibrateKeys[i][0], feature[size_t(i)].x() * 8));
        items.append(item(kFeatureCalibrateKeys[i][1], feature[size_t(i)].y() * 8));
    }
    return items;
}

StudentReplyKeys store_reply_points(const QString &reply, StudentRegionPoints &points, StudentRegionCoord &coord)
{
    StudentReplyKeys keys;
    for (int i = 0; i < 4; ++i)
        keys.area[size_t(i)] = store_point(reply, kCornerKeys[i], points.student_area_points[size_t(i)]);
    for (int i = 0; i < 6; ++i)
        keys.designated[size_t(i)] = store_point(reply, kDesignatedKeys[i], points.student_designated_points[size_t(i)]);
    for (int i = 0; i < 6; ++i)
        keys.pano_calibrate[size_t(i)] =
            store_point(reply, kPanoCalibrateKeys[i], points.pano_calibrate_points[size_t(i)]);
    for (int i = 0; i < 6; ++i)
        keys.feature_calibrate[size_t(i)] =
            store_point(reply, kFeatureCalibrateKeys[i], points.feature_calibrate_points[size_t(i)]);
    for (int k = 0; k < 4; ++k) {
        for (int j = 0; j < 4; ++j) {
            if (store_int(reply, teacher_region_keys::key_list(teacher_region_keys::kShieldKeys[k])[size_t(j)], coord.shield_values[size_t(k * 4 + j)]))
                keys.shield[size_t(k)] = true;
        }
    }
    return keys;
}

} // namespace student_point_keys
