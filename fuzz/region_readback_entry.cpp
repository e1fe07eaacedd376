#include "fuzz/region_readback_entry.h"

#include "fuzz/fuzz_text.h"
#include "model/region_geometry.h"
#include "protocol/parameter_block.h"
#include "protocol/teacher_parameters.h"
#include "protocol/teacher_region_keys.h"

#include <QJsonObject>

#include <limits>

namespace rk = teacher_region_keys;
using region_geometry::RegionRect;

namespace {

constexpr int kUntouched = -123456789;
constexpr RegionRect kUntouchedRect = {kUntouched, kUntouched, kUntouched, kUntouched};

RegionRect &rect_of(rk::TeacherRegionCoord &c, int region)
{
    if (region == 0)
        return c.snapshot;
    if (region == 1)
        return c.feature;
    if (region == 2)
        return c.tracking;
    if (region < 3 + rk::kShieldCount)
        return c.shield[region - 3];
    return c.board[region - 3 - rk::kShieldCount];
}

const rk::RegionKeys &keys_of(int region)
{
    if (region == 0)
        return rk::kSnapshotKeys;
    if (region == 1)
        return rk::kFeatureKeys;
    if (region == 2)
        return rk::kTrackingKeys;
    if (region < 3 + rk::kShieldCount)
        return rk::kShieldKeys[region - 3];
    return rk::kBoardKeys[region - 3 - rk::kShieldCount];
}

constexpr int kRegionCount = 3 + rk::kShieldCount + rk::kBoardCount;

QString check_scene_rect(const RegionRect &camera)
{
    const RegionRect s = region_geometry::camera_to_scene(camera);
    const int c[4] = {camera.x, camera.y, camera.w, camera.h};
    const int v[4] = {s.x, s.y, s.w, s.h};
    for (int i = 0; i < 4; ++i) {
        // Three quarters of the value, rounded toward zero, less at most one and a half.
        const qint64 want = qint64(c[i]) * 3 / 4;
        if ((c[i] >= 0 ? v[i] < 0 : v[i] > 0) || qAbs(want - v[i]) > 2)
            return QStringLiteral("camera value %1 gives the scene value %2").arg(c[i]).arg(v[i]);
    }
    if (region_geometry::region_in_bounds(s.x, s.y, s.w, s.h)
        && !(s.x > 2 && s.y > 2 && s.w > 2 && s.h > 2 && qint64(s.x) + s.w <= 480 && qint64(s.y) + s.h <= 270))
        return QStringLiteral("scene rectangle %1,%2,%3,%4 passes the bounds test").arg(s.x).arg(s.y).arg(s.w).arg(s.h);
    return QString();
}

QString check_enable(const QString &enable)
{
    for (int i = -1; i <= enable.size() + 1; ++i) {
        const std::optional<bool> on = rk::enable_char(enable, i);
        const QChar c = i >= 0 && i < enable.size() ? enable.at(i) : QChar();
        if (on != (c == QLatin1Char('1')   ? std::optional<bool>(true)
                   : c == QLatin1Char('0') ? std::optional<bool>(false)
                                           : std::nullopt))
            return QStringLiteral("character %1 of \"%2\" misread").arg(i).arg(enable);
    }
    return QString();
}

// Scene rectangles an installer could draw, and at times any integers (a region read from one
// camera and sent to the next), go out with a teacher Apply and read back.
QString check_round_trip(fuzz_text::Numbers &numbers)
{
    const quint32 bits = numbers.next32();
    const bool wild = (bits & 0xF0000000u) == 0;
    const auto value = [&numbers, wild](int limit) { return wild ? numbers.next_int() : numbers.below(limit + 1); };
    const auto rect = [&value]() { return RegionRect{value(480), value(270), value(480), value(270)}; };
    rk::ApplyRegions g;
    g.snapshot = rect();
    g.tracking = rect();
    g.snapshot_known = bits & 1;
    g.tracking_known = bits & 2;
    for (int i = 0; i < rk::kShieldCount; ++i) {
        g.shield[i] = rect();
        g.shield_known[i] = bits & (4u << i);
        g.shield_checked[i] = bits & (256u << i);
    }
    for (int i = 0; i < rk::kBoardCount; ++i) {
        g.board[i] = rect();
        g.board_known[i] = bits & (64u << i);
        g.board_checked[i] = bits & (4096u << i);
    }
    const QString section = rk::apply_region_section(g);
    rk::TeacherRegionCoord back;
    rk::store_teacher_region_keys(section, back);

    const auto expect = [](bool known, const RegionRect &scene, const RegionRect &otherwise) {
        return known ? region_geometry::scene_to_camera(scene) : otherwise;
    };
    const RegionRect wantSnapshot = expect(g.snapshot_known, g.snapshot, RegionRect{});
    const RegionRect wantTracking = expect(g.tracking_known, g.tracking, rk::kDefaultCameraTracking);
    bool same = back.snapshot == wantSnapshot && back.tracking == wantTracking;
    for (int i = 0; i < rk::kShieldCount; ++i) {
        same = same && back.shield[i] == expect(g.shield_known[i], g.shield[i], RegionRect{});
        same = same && rk::enable_char(back.pano_shield_enable, i) == g.shield_checked[i];
    }
    for (int i = 0; i < rk::kBoardCount; ++i) {
        same = same && back.board[i] == expect(g.board_known[i], g.board[i], RegionRect{});
        same = same && rk::enable_char(back.pano_board_enable, i) == g.board_checked[i];
    }
    if (!same)
        return QStringLiteral("a teacher Apply's regions do not read back");
    // A region drawn inside the scene comes back onto the scene within two units.
    if (g.tracking_known && !wild) {
        const RegionRect s = region_geometry::camera_to_scene(back.tracking);
        const int sent[4] = {g.tracking.x, g.tracking.y, g.tracking.w, g.tracking.h};
        const int read[4] = {s.x, s.y, s.w, s.h};
        for (int i = 0; i < 4; ++i) {
            if (read[i] > sent[i] || read[i] < sent[i] - 2)
                return QStringLiteral("scene value %1 came back as %2").arg(sent[i]).arg(read[i]);
        }
    }
    return QString();
}

} // namespace

QString check_region_readback_input(const uint8_t *data, size_t size)
{
    const QString text = fuzz_text::latin1(data, size);
    rk::TeacherRegionCoord coord;
    for (int region = 0; region < kRegionCount; ++region)
        rect_of(coord, region) = kUntouchedRect;
    coord.fea_pan_position = coord.fea_tilt_position = kUntouched;
    teacher_parameters::store_regions(text, coord);

    for (int region = 0; region < kRegionCount; ++region) {
        const std::array<const char *, 4> keys = rk::key_list(keys_of(region));
        const RegionRect &r = rect_of(coord, region);
        const int fields[4] = {r.x, r.y, r.w, r.h};
        for (int i = 0; i < 4; ++i) {
            const QString v = parameter_block::value(text, QLatin1String(keys[size_t(i)]));
            QString failure = fuzz_text::check_read_value(text, keys[size_t(i)], v, false);
            int want = v.isNull() ? kUntouched : v.trimmed().toInt();
            // A tracking region at the very top is kept just inside the scene's drawable band.
            if (region == 2 && i == 1 && !v.isNull() && want == 0)
                want = 5;
            if (failure.isEmpty() && fields[i] != want)
                failure = QStringLiteral("%1 \"%2\" stored as %3").arg(QLatin1String(keys[size_t(i)]), v).arg(fields[i]);
            if (!failure.isEmpty())
                return failure;
        }
        const QString failure = check_scene_rect(r);
        if (!failure.isEmpty())
            return failure;
    }
    // The feature region of a lectern-mode camera goes to its HTTP interface in four times the
    // scene's units, held inside int.
    const RegionRect feature = region_geometry::camera_to_scene(coord.feature);
    const RegionRect area = teacher_parameters::lectern_area(feature);
    const QJsonObject object = teacher_parameters::lectern_area_object(feature);
    const int scene[4] = {feature.x, feature.y, feature.w, feature.h};
    const int sent[4] = {area.x, area.y, area.w, area.h};
    const char *const names[4] = {"tracking.area.left_up_x", "tracking.area.left_up_y", "tracking.area.right_down_x",
                                  "tracking.area.right_down_y"};
    for (int i = 0; i < 4; ++i) {
        const qint64 want = qBound<qint64>(std::numeric_limits<int>::min(), qint64(scene[i]) * 4,
                                           std::numeric_limits<int>::max());
        if (sent[i] != want || object.value(QLatin1String(names[i])).toInt() != want)
            return QStringLiteral("feature value %1 goes to the lectern area as %2").arg(scene[i]).arg(sent[i]);
    }

    const struct {
        const char *key;
        const QString &kept;
    } enables[] = {{rk::kShieldEnableKey, coord.pano_shield_enable}, {rk::kBoardEnableKey, coord.pano_board_enable}};
    for (const auto &e : enables) {
        QString failure = fuzz_text::check_read_value(text, e.key, e.kept, false);
        if (failure.isEmpty())
            failure = check_enable(e.kept);
        if (!failure.isEmpty())
            return failure;
    }
    fuzz_text::Numbers numbers(data, size);
    return check_round_trip(numbers);
}
