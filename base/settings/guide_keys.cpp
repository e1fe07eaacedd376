#include "settings/guide_keys.h"

#include "settings/config_values.h"

#include <QSettings>

namespace guide_keys {
namespace {

QString full_key(const Key &k)
{
    return QString::fromLatin1(k.group->name) + QLatin1Char('/') + QString::fromLatin1(k.key);
}

const config::KeyRow &row_of(const Key &k)
{
    const config::KeyRow *row = config::find_row(*k.group, k.key);
    Q_ASSERT(row);
    return *row;
}

enum class Absent { ReadEmpty, Skipped };

void read_into(QSettings &settings, const std::vector<Key> &keys, config::Stored &stored, Absent absent)
{
    for (const Key &k : keys) {
        const QString key = full_key(k);
        if (absent == Absent::ReadEmpty || settings.contains(key))
            config::read_key(row_of(k), config::text_of(settings.value(key)), stored);
    }
}

std::vector<Key> teacher(std::initializer_list<const char *> keys)
{
    std::vector<Key> out;
    for (const char *key : keys)
        out.push_back({&config::teacher_group(), key});
    return out;
}

} // namespace

const std::vector<Key> &read_keys()
{
    static const std::vector<Key> keys = [] {
        const config::GroupTable *t = &config::teacher_group();
        const config::GroupTable *s = &config::student_group();
        const config::GroupTable *b = &config::board_group();
        return std::vector<Key>{
            {t, "Tracking_Number_Camera"}, {t, "Tracking_Mode"}, {t, "Feature_IP"},
            {s, "Feature_IP"}, {t, "Pano_IP"}, {s, "Pano_IP"},
            {s, "Continue_Time"}, {s, "Face_Detect"}, {b, "Feature_IP"},
            {b, "Pano_IP"}, {t, "Target_Lost_Action"}, {t, "Target_Lost_Timeout_Index"},
            {t, "Target_Lost_Timeout"}, {t, "Multi_Objective_Action"}, {t, "Starting_Up_Track"},
            {t, "Manual_Focus"}, {t, "Vertical_Movement"}, {t, "Board_Detect_Enable"},
            {t, "Board_Detect_Time_Index"}, {t, "Board_Detect_Time"}, {t, "Board_Hold_Time_Index"},
            {t, "Board_Hold_Time"},
        };
    }();
    return keys;
}

const std::vector<Key> &written_keys()
{
    static const std::vector<Key> keys = [] {
        std::vector<Key> out = teacher({"Feature_IP", "Pano_IP", "Tracking_Mode", "Target_Lost_Action",
                                        "Target_Lost_Timeout_Index", "Target_Lost_Timeout", "Multi_Objective_Action",
                                        "Starting_Up_Track", "Manual_Focus", "Vertical_Movement", "Board_Detect_Enable",
                                        "Board_Detect_Time", "Board_Detect_Time_Index", "Board_Hold_Time",
                                        "Board_Hold_Time_Index", "Tracking_Guide_State", "Tracking_Number_Camera"});
        const config::GroupTable *s = &config::student_group();
        const config::GroupTable *b = &config::board_group();
        for (const Key &k : std::initializer_list<Key>{{s, "Feature_IP"}, {s, "Pano_IP"}, {s, "Continue_Time"},
                                                       {s, "Face_Detect"}, {b, "Feature_IP"}, {b, "Pano_IP"}})
            out.push_back(k);
        return out;
    }();
    return keys;
}

const std::vector<Key> &option_keys()
{
    static const std::vector<Key> keys = [] {
        std::vector<Key> out;
        for (const Key &k : written_keys()) {
            const QLatin1String key(k.key);
            if (key != QLatin1String("Feature_IP") && key != QLatin1String("Pano_IP")
                && key != QLatin1String("Tracking_Guide_State") && key != QLatin1String("Tracking_Number_Camera"))
                out.push_back(k);
        }
        return out;
    }();
    return keys;
}

void read_keys_into(QSettings &settings, const std::vector<Key> &keys, config::Stored &stored)
{
    read_into(settings, keys, stored, Absent::ReadEmpty);
}

void read_held_keys_into(QSettings &settings, const std::vector<Key> &keys, config::Stored &stored)
{
    read_into(settings, keys, stored, Absent::Skipped);
}

QString read(QSettings &settings, config::Stored &stored)
{
    const QString state = config::text_of(settings.value(QLatin1String(kGuideStateKey)));
    read_keys_into(settings, read_keys(), stored);
    return state;
}

void write(QSettings &settings, const config::Stored &stored)
{
    for (const Key &k : written_keys())
        settings.setValue(full_key(k), config::written_value(row_of(k), stored));
}

} // namespace guide_keys
