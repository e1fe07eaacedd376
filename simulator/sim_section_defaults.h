#pragma once

#include "sim_parameter_store.h"

#include <QStringList>

// What a camera holds before anyone has set anything: one table per section, in the order the
// camera reports the keys.
namespace simdefaults {

SimParameterStore forSection(const QString &section);

// The board keys a teacher pano camera keeps for the blackboard cameras and reports when the
// board section is asked for through it ("teacher_parameter", "board_parameter").
const QStringList &boardRelayKeys();

// The key under which a camera keeps a value it is sent under another name (the student
// "pano_pan_speed" comes back as "pan_speed"); the key itself otherwise.
QString storedKey(const QString &section, const QString &key);

// The model a camera reports as "device_model" when nobody has set that key.
constexpr const char *kDeviceModelKey = "device_model";

} // namespace simdefaults
