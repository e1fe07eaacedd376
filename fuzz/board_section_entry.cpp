#include "fuzz/board_section_entry.h"

#include "fuzz/fuzz_text.h"
#include "protocol/board_parameters.h"
#include "protocol/parameter_block.h"
#include "protocol/teacher_region_keys.h"

#include <limits>

namespace bp = board_parameters;

namespace {

constexpr qint32 kUntouched = -123456789;

qint64 clamp_to_int(qint64 v)
{
    return qBound<qint64>(std::numeric_limits<int>::min(), v, std::numeric_limits<int>::max());
}

QString check_number(const QString &text, const char *key, const QString &value, qint64 got)
{
    const QString failure = fuzz_text::check_read_value(text, key, value, false);
    if (!failure.isEmpty())
        return failure;
    bool ok = false;
    const int want = value.toInt(&ok, 10);
    if (got != (ok ? want : 0))
        return QStringLiteral("%1 \"%2\" read as %3").arg(QLatin1String(key), value).arg(got);
    return QString();
}

QString check_area(const QString &text, const std::array<const char *, 4> &keys, const bp::BoardRegionCoord::Area &a)
{
    const qint32 fields[4] = {a.left, a.top, a.width, a.height};
    for (int i = 0; i < 4; ++i) {
        const char *key = keys[size_t(i)];
        const QString v = parameter_block::value(text, QLatin1String(key));
        const QString failure = v.isNull() ? (fields[i] == kUntouched ? QString() : QStringLiteral("absent key stored"))
                                           : check_number(text, key, v, fields[i]);
        if (!failure.isEmpty())
            return QStringLiteral("area key %1: %2").arg(QLatin1String(key), failure);
    }
    // Its place on the board preview, sums held inside int.
    const bp::WindowArea w = bp::window_area(a);
    const auto scaled = [](qint32 v) { return qint64(bp::preview_scale(v)); };
    const qint64 left = scaled(a.left), top = scaled(a.top);
    for (qint32 v : fields) {
        const qint64 s = scaled(v);
        if ((v >= 0 ? s < 0 : s > 0) || qAbs(s) > qAbs(qint64(v)))
            return QStringLiteral("camera value %1 scaled to %2").arg(v).arg(s);
    }
    if (w.top_left.x() != clamp_to_int(left + bp::kPreviewLeft) || w.top_left.y() != clamp_to_int(top + bp::kPreviewTop)
        || w.bottom_right.x() != clamp_to_int(left + scaled(a.width) + bp::kPreviewLeft)
        || w.bottom_right.y() != clamp_to_int(top + scaled(a.height) + bp::kPreviewTop))
        return QStringLiteral("area %1,%2,%3,%4 placed wrongly").arg(a.left).arg(a.top).arg(a.width).arg(a.height);
    return QString();
}

QString check_round_trip(const QString &text, fuzz_text::Numbers &numbers)
{
    const QStringList p = fuzz_text::pieces(text, 3);
    BoardSection s;
    s.lost_to_pano_delay = int(numbers.next32());
    const quint32 bits = numbers.next32();
    s.feature_enable = bits & 1;
    s.feature1_enable = bits & 2;
    const bp::RelayReading r = bp::read_relay_answer(bp::apply_block(s, p[0], p[1]));
    if (r.feature_enable != s.feature_enable || r.feature1_enable != s.feature1_enable
        || r.lost_to_pano_delay != s.lost_to_pano_delay)
        return QStringLiteral("the board Apply does not read back");
    // The section survives its block.
    BoardSection back;
    back.feature_enable = !s.feature_enable;
    bp::fill(back, r);
    if (back.feature_enable != s.feature_enable || back.feature1_enable != s.feature1_enable
        || back.lost_to_pano_delay != s.lost_to_pano_delay)
        return QStringLiteral("the board section does not survive its block");
    return QString();
}

} // namespace

QString check_board_section_input(const uint8_t *data, size_t size)
{
    const QString text = fuzz_text::latin1(data, size);

    const bp::RelayReading relay = bp::read_relay_answer(text);
    const struct {
        const char *key;
        const std::optional<bool> &read;
    } enables[] = {{"board_feature_enable", relay.feature_enable}, {"board_feature1_enable", relay.feature1_enable}};
    for (const auto &e : enables) {
        const QString one = parameter_block::one_char_value(text, QLatin1String(e.key));
        QString failure = fuzz_text::check_read_value(text, e.key, one, true);
        if (failure.isEmpty() && (one.isNull() ? e.read.has_value() : e.read != (one == QLatin1String("1"))))
            failure = QStringLiteral("%1 \"%2\" misread").arg(QLatin1String(e.key), one);
        if (!failure.isEmpty())
            return failure;
    }
    const QString delay = parameter_block::value(text, QStringLiteral("board_lost_to_pano_delay"));
    if (delay.isNull() ? relay.lost_to_pano_delay.has_value()
                       : !relay.lost_to_pano_delay
                             || !check_number(text, "board_lost_to_pano_delay", delay, *relay.lost_to_pano_delay).isEmpty())
        return QStringLiteral("board_lost_to_pano_delay \"%1\" misread").arg(delay);

    bp::BoardRegionCoord coord;
    coord.track = {kUntouched, kUntouched, kUntouched, kUntouched};
    for (bp::BoardRegionCoord::Area &a : coord.shields)
        a = coord.track;
    const bp::PanoReading pano = bp::read_pano_block(text, &coord);
    QString failure = fuzz_text::check_read_value(text, "pano_sensitivity", pano.sensitivity, true);
    if (failure.isEmpty())
        failure = fuzz_text::check_read_value(text, "time_delay", pano.time_delay, false);
    if (failure.isEmpty())
        failure = fuzz_text::check_read_value(text, "feature_version", pano.feature_version, false);
    if (failure.isEmpty())
        failure = fuzz_text::check_read_value(text, "pano_version", pano.pano_version, false);
    for (const auto &strategy : {std::make_pair("multi_object_strategy", pano.multi_object_strategy),
                                 std::make_pair("losing_object_strategy", pano.losing_object_strategy)}) {
        const QString one = parameter_block::one_char_value(text, QLatin1String(strategy.first));
        const std::optional<int> want = one == QLatin1String("0")   ? std::optional<int>(0)
                                        : one == QLatin1String("1") ? std::optional<int>(1)
                                                                    : std::nullopt;
        if (failure.isEmpty() && strategy.second != want)
            failure = QStringLiteral("%1 \"%2\" misread").arg(QLatin1String(strategy.first), one);
    }
    if (failure.isEmpty())
        failure = check_area(text, teacher_region_keys::key_list(teacher_region_keys::kTrackingKeys), coord.track);
    for (int i = 0; i < bp::kShieldCount && failure.isEmpty(); ++i)
        failure = check_area(text, teacher_region_keys::key_list(teacher_region_keys::kShieldKeys[i]), coord.shields[i]);
    if (!failure.isEmpty())
        return failure;
    const QString enable = parameter_block::value(text, QStringLiteral("pano_shield_enable"));
    if (coord.pano_shield_enable != enable)
        return QStringLiteral("shield enable \"%1\" kept as \"%2\"").arg(enable, coord.pano_shield_enable);
    for (int i = -1; i <= enable.size() + 1; ++i) {
        const bp::ShieldSwitch sw = bp::shield_switch(enable, i);
        const QChar c = i >= 0 && i < enable.size() ? enable.at(i) : QChar();
        const bp::ShieldSwitch want = c == QLatin1Char('1')   ? bp::ShieldSwitch::On
                                      : c == QLatin1Char('0') ? bp::ShieldSwitch::Off
                                                              : bp::ShieldSwitch::Unchanged;
        if (sw != want)
            return QStringLiteral("shield %1 of \"%2\" switched wrongly").arg(i).arg(enable);
    }
    fuzz_text::Numbers numbers(data, size);
    return check_round_trip(text, numbers);
}
