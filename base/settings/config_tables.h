#pragma once

#include "model/camera_slot.h"
#include "model/section_values.h"
#include "model/student_region_points.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <vector>

class QSettings;

// The key tables of the four groups of "config.ini" that mirror a tab of the main window:
// TEACHER_CONF, STUDENT_CONF, BOARD_CONF and DIRECTOR_CONF. Each row names a key, how its value
// is read and written, and the member of the stored values it keeps. The rows stand in the order
// in which the loader reads them; the writer follows each group's save order. Nothing here
// touches a widget: the owners of the values show them.
namespace config {

// What the four groups keep, as values.
struct Stored {
    TeacherSection teacher;
    StudentSection student;
    BoardSection board;
    DirectorSection director;
    // The camera address fields as typed, in slot order.
    std::array<QString, camera_slot::kSlotCount> address_fields;
    // The student area's corners, then the designated points (StudentRegionPoints::stored_point).
    std::array<QPoint, StudentRegionPoints::kStoredPointCount> student_points{};
    WindowChoices choices;
};

enum class Kind {
    Text,          // a text as stored
    TextThenValue, // a slider's label text, then its position the text's number
    Distance,      // a slider's label text, then the distance position it gives
    Size,          // a slider's label text, then the object size position it gives
    Value,         // a slider's position, stored as its number
    Number,        // a spin box's value, stored as its number
    Index,         // a list's entry, stored as an integer
    Flag,          // a switch, set by any number but 0
    FlagIfOne,     // a switch, set only by the text "1"
    FlagOneOrZero, // a switch, set by 1, cleared by 0, left alone by any other number
    Choice,        // a radio group, one code per button
    CustomerModel, // the tab's customer model flag ("KLOR" / "Other")
    Point,         // x or y of one of the ten stored student points
    Constant,      // written as a fixed text, never read by the loader
};

struct ChoiceCode {
    const char *code;
    int value; // the radio group's index for the code; the writer asks the codes in order
};

struct KeyRow {
    const char *key;
    Kind kind;
    // The member the key keeps, reached from the stored values (by kind: text; the slider
    // kinds; the number kinds and Choice; the switch kinds and CustomerModel).
    QString *(*text)(Stored &) = nullptr;
    SliderText *(*slider)(Stored &) = nullptr;
    int *(*number)(Stored &) = nullptr;
    bool *(*flag)(Stored &) = nullptr;
    std::vector<ChoiceCode> choices = {};
    bool read = true;    // the loader reads the key
    bool written = true; // the writer writes the key
    // "GROUP/key" read instead when the key itself is absent from the file.
    const char *fallback = nullptr;
    int point = -1;      // Point: 0 to 9 (corners, then designated points)
    bool x_axis = true;  // Point: x, else y
    const char *constant = nullptr; // Constant: the text written
};

struct GroupTable {
    const char *name;
    std::vector<KeyRow> rows;      // in the loader's order
    std::vector<const char *> save_order;
};

const GroupTable &teacher_group();
const GroupTable &student_group();
const GroupTable &board_group();
const GroupTable &director_group();
// The four in the order of loading.
const std::vector<const GroupTable *> &tab_groups();

// The row of a key, or nullptr.
const KeyRow *find_row(const GroupTable &group, const char *key);

// One stored text into its member by the row's rule. A Choice text that names no button, a
// FlagOneOrZero text other than 0 or 1 and a customer model name other than "KLOR" or "Other"
// leave the member as it was; false for them.
bool read_key(const KeyRow &row, const QString &text, Stored &stored);
// The value the writer stores for the row. A Choice whose member names no button is empty.
QVariant written_value(const KeyRow &row, const Stored &stored);

// Every row of the group the loader reads (an absent key reads as empty, or from its fallback),
// and every row the writer writes, in its save order. read_group gives the keys whose text was
// taken (a choice the text named, ...).
QStringList read_group(QSettings &settings, const GroupTable &group, Stored &stored);
void write_group(QSettings &settings, const GroupTable &group, const Stored &stored);

} // namespace config
