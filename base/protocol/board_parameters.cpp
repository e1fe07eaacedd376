#include "protocol/board_parameters.h"

#include "protocol/teacher_region_keys.h"
#include "protocol/camera_address.h"
#include "protocol/parameter_block.h"

#include <limits>

namespace board_parameters {

namespace {

using namespace parameter_block;

// The board pano camera's area keys, in the order they are looked up: the tracking area, then
// shield areas 1 to 4, each left, top, width, height.

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString key(const char *name)
{
    return QLatin1String(name);
}

// Reads the four keys of an area into it; an absent key leaves its field.
void read_area(const QString &text, const std::array<const char *, 4> &keys, BoardRegionCoord::Area *area)
{
    qint32 *fields[4] = {&area->left, &area->top, &area->width, &area->height};
    for (int i = 0; i < 4; ++i) {
        const QString v = value(text, key(keys[i]));
        if (!v.isNull())
            *fields[i] = number_value(v);
    }
}

std::optional<int> strategy_value(const QString &text, const char *name)
{
    const QString v = one_char_value(text, key(name));
    if (v == QLatin1String("0"))
        return 0;
    if (v == QLatin1String("1"))
        return 1;
    return std::nullopt;
}

int saturated(qint64 v)
{
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(v);
}

} // namespace

QString apply_block(const BoardSection &section, const QString &feature_ip_text, const QString &feature1_ip_text)
{
    const QVector<Item> items = {
        {QStringLiteral("board_feature_ip"), camera_address::address_part(feature_ip_text)},
        {QStringLiteral("board_feature1_ip"), camera_address::address_part(feature1_ip_text)},
        {QStringLiteral("board_feature_enable"), flag(section.feature_enable)},
        {QStringLiteral("board_feature1_enable"), flag(section.feature1_enable)},
        {QStringLiteral("board_lost_to_pano_delay"), QString::number(section.lost_to_pano_delay)},
    };
    // Unlike the other blocks, this one ends with a line feed.
    return build({key(kTeacherSection), key(kBoardSection), key(kSetTrackingConfigFile)}, items)
        + QLatin1Char('\n');
}

QString obtain_block()
{
    return join({key(kTeacherSection), key(kBoardSection), key(kGetTrackingConfigFile)});
}

QString tracking_request_block()
{
    return join({key(kBoardSection), key(kGetTrackingConfigFile)});
}

QString director_request_block()
{
    return join({key(kBoardSection), key(kGetDirectorConfigFile)});
}

RelayReading read_relay_answer(const QString &text)
{
    RelayReading r;
    const QString enable = one_char_value(text, QStringLiteral("board_feature_enable"));
    if (!enable.isNull())
        r.feature_enable = enable == QLatin1String("1");
    const QString enable1 = one_char_value(text, QStringLiteral("board_feature1_enable"));
    if (!enable1.isNull())
        r.feature1_enable = enable1 == QLatin1String("1");
    const QString delay = value(text, QStringLiteral("board_lost_to_pano_delay"));
    if (!delay.isNull())
        r.lost_to_pano_delay = number_value(delay);
    return r;
}

void fill(BoardSection &section, const RelayReading &reading)
{
    if (reading.feature_enable)
        section.feature_enable = *reading.feature_enable;
    if (reading.feature1_enable)
        section.feature1_enable = *reading.feature1_enable;
    if (reading.lost_to_pano_delay)
        section.lost_to_pano_delay = *reading.lost_to_pano_delay;
}

void fill(BoardSection &section, const PanoReading &r)
{
    if (!r.sensitivity.isNull())
        section.pano_sensitivity = {r.sensitivity, number_value(r.sensitivity)};
    if (!r.time_delay.isNull())
        section.time_delay = {r.time_delay, number_value(r.time_delay)};
    if (r.multi_object_strategy)
        section.multi_object_strategy = *r.multi_object_strategy;
    if (r.losing_object_strategy)
        section.losing_object_strategy = *r.losing_object_strategy;
    if (!r.feature_version.isNull())
        section.feature_version = r.feature_version;
    if (!r.pano_version.isNull())
        section.pano_version = r.pano_version;
}

PanoReading read_pano_block(const QString &text, BoardRegionCoord *coord)
{
    PanoReading r;
    r.sensitivity = one_char_value(text, QStringLiteral("pano_sensitivity"));
    r.time_delay = value(text, QStringLiteral("time_delay"));
    r.multi_object_strategy = strategy_value(text, "multi_object_strategy");
    r.losing_object_strategy = strategy_value(text, "losing_object_strategy");
    read_area(text, teacher_region_keys::key_list(teacher_region_keys::kTrackingKeys), &coord->track);
    const QString enable = value(text, QStringLiteral("pano_shield_enable"));
    if (!enable.isNull())
        coord->pano_shield_enable = enable;
    for (int i = 0; i < kShieldCount; ++i)
        read_area(text, teacher_region_keys::key_list(teacher_region_keys::kShieldKeys[i]), &coord->shields[i]);
    r.feature_version = value(text, QStringLiteral("feature_version"));
    r.pano_version = value(text, QStringLiteral("pano_version"));
    return r;
}

int number_value(const QString &value)
{
    bool ok = false;
    const int n = value.toInt(&ok, 10);
    return ok ? n : 0;
}

int preview_scale(qint32 camera_value)
{
    // |camera_value / 2| * 1.5 stays below 2^31: no overflow.
    return int(double(camera_value / 2) * 1.5);
}

WindowArea window_area(const BoardRegionCoord::Area &area)
{
    const qint64 left = preview_scale(area.left);
    const qint64 top = preview_scale(area.top);
    WindowArea w;
    w.top_left = QPoint(saturated(left + kPreviewLeft), saturated(top + kPreviewTop));
    w.bottom_right = QPoint(saturated(left + preview_scale(area.width) + kPreviewLeft),
                            saturated(top + preview_scale(area.height) + kPreviewTop));
    return w;
}

ShieldSwitch shield_switch(const QString &pano_shield_enable, int index)
{
    if (index < 0 || index >= pano_shield_enable.size())
        return ShieldSwitch::Unchanged;
    const QChar c = pano_shield_enable.at(index);
    if (c == QLatin1Char('1'))
        return ShieldSwitch::On;
    if (c == QLatin1Char('0'))
        return ShieldSwitch::Off;
    return ShieldSwitch::Unchanged;
}

} // namespace board_parameters
