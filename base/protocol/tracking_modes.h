#pragma once

#include <QString>
#include <QVector>

// The teacher tracking modes (value of the teacher key tracking_mode) with the settings page
// and the preset list entries each mode offers, and which PTZ target a preset entry picks.
//
// The entries are the lists' source texts; the window shows them translated in its own
// context ("MainWindow"). The number before the colon is the camera's preset number; the
// position of an entry in the list is what the preset commands use.
namespace tracking_modes {

enum Mode { Other = 0, Follow = 1, Binocular = 2, Mixed = 3, BoardPano = 4, Lectern = 5 };

// The preset list entry that points the PTZ pad at the panorama crop.
extern const char *const kPanoCropEntry;

// Page of the teacher mode stack: 1 (lectern settings) for the lectern mode, else 0 (basic
// tracking settings).
int settings_page(int mode);

// The teacher preset list of a mode, in order. The lectern mode (and any value outside 0..5)
// keeps the list as it is: an empty result.
QVector<const char *> teacher_preset_entries(int mode);

// The student preset list, the same in every mode.
QVector<const char *> student_preset_entries();

// Feature camera models whose PTZ pad reaches the panorama crop by the "8A" address.
bool crop_by_prefix(const QString &featureModel);
// Feature camera models whose teacher PTZ pad drives the pano camera for the panorama crop.
bool crop_on_pano(const QString &featureModel);

} // namespace tracking_modes
