#pragma once

#include "settings/config_tables.h"

#include <QString>

#include <vector>

class QSettings;

// The keys of "config.ini" the first-run wizard reads and writes. Each is a row of the window's
// key tables (config_tables), so the wizard and the window read and write every key alike; the
// wizard keeps the values in the same records (the teacher and student sections, the address
// fields, the camera layout).
namespace guide_keys {

struct Key {
    const config::GroupTable *group;
    const char *key;
};

// The wizard's own run state besides the window's rows: TEACHER_CONF/Tracking_Guide_State.
constexpr char kGuideStateKey[] = "TEACHER_CONF/Tracking_Guide_State";

// readFileConfig's keys, in its order (the wizard state is read apart, first).
const std::vector<Key> &read_keys();
// writeFileConfig's keys, group by group: the teacher group (the wizard state "1" and the layout
// among them), the student group, the board group.
const std::vector<Key> &written_keys();
// What the wizard decides of the tabs (written_keys but the six addresses, the wizard state and
// the layout, which the hand-over record carries): the window takes these over when the wizard
// completes.
const std::vector<Key> &option_keys();

// The keys into the values, each by its row's rule; an absent key reads as empty text (0 for a
// number). Returns the wizard state as stored (empty when absent).
QString read(QSettings &settings, config::Stored &stored);
// Only the given keys, by their rows' rules.
void read_keys_into(QSettings &settings, const std::vector<Key> &keys, config::Stored &stored);
// Only the given keys the file holds: a key it does not hold (no file, a write that failed)
// leaves its value as it was.
void read_held_keys_into(QSettings &settings, const std::vector<Key> &keys, config::Stored &stored);
// written_keys from the values; every other key of the file keeps its value.
void write(QSettings &settings, const config::Stored &stored);

} // namespace guide_keys
