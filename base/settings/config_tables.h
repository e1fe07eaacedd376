#pragma once

#include <vector>

// The key tables of the four groups of "config.ini" that mirror a tab of the main window:
// TEACHER_CONF, STUDENT_CONF, BOARD_CONF and DIRECTOR_CONF. Each row names a key, how its value
// is read and written, and the controls (by object name in the main window form) it belongs
// to. The rows stand in the order in which the loader reads them; the writer follows each
// group's save order. The window applies the rows; nothing here touches a widget.
namespace config {

enum class Kind {
    Text,          // a line edit's or label's text
    TextThenValue, // the label gets the text, then the slider its number
    Distance,      // the label gets the text, the distance slider the position derived from it
    Size,          // the label gets the text, the object size slider the position derived from it
    Value,         // a slider's or spin box's value (a spin box is written as its text)
    Index,         // a combo box's current index, written as an integer
    Flag,          // a check box, set by any number but 0
    FlagIfOne,     // a check box, set only by the text "1"
    FlagOneOrZero, // a check box, set by 1, cleared by 0, left alone by any other number
    Choice,        // a group of radio buttons, one code each
    CustomerModel, // the tab's customer model flag ("KLOR" / "Other")
    Point,         // x or y of one of the ten stored student points
    Constant,      // written as a fixed text, never read by the loader
};

struct ChoiceCode {
    const char *code;
    const char *button; // radio button checked for the code; the writer asks them in order
};

struct KeyRow {
    const char *key;
    Kind kind;
    const char *control = nullptr; // the control; for the label-and-slider kinds the label
    const char *slider = nullptr;  // the slider of the label-and-slider kinds
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

// The row of a key, or nullptr.
const KeyRow *find_row(const GroupTable &group, const char *key);

} // namespace config
