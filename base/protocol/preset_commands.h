#pragma once

#include <QString>

// The preset, blackboard-tracking and director-test commands: `parameter block`s with the
// command "set_tracking_config_command" (or "set_director_config_command") and one "command="
// line, and the VISCA preset memory commands of the panorama crop.
namespace preset_commands {

QString teacher_command(const QString &word);
QString student_command(const QString &word);
// Board presets travel through the teacher pano camera.
QString board_preset_command(const QString &word);
// Blackboard tracking goes to the board pano camera itself.
QString board_tracking_command(const QString &word);
QString director_test(bool teacher);

// A teacher list position stored (set) or called: "set" or "call" before the position's word.
QString teacher_position_command(const QString &word, bool set);
// The student pano position: "setpano" or "callpano".
QString student_pano_command(bool set);
// The teacher pano camera forgets its stored board pano or platform position.
QString cancel_board_pano();
QString cancel_platform();

// The Board tab's presets: Board 0, Board 1 and the pano of the first blackboard camera, Board 1
// and the pano of the second.
enum class BoardPosition { Board0, Board1, Pano, SecondBoard1, SecondPano };
QString board_position_command(BoardPosition position, bool set);
// Blackboard tracking started or stopped.
QString board_tracking(bool start);

// The teacher preset list's entries depend on the tracking mode chosen on the teacher tab.
enum class TeacherListMode { BoardPano, Other, Follow };

struct TeacherPosition {
    enum Kind { None, Word, PanoramaCrop } kind = None;
    QString word;              // "pano", "platform", "preset2", "preset3", "board" (Kind Word)
    bool mark_after_visca = true; // the crop's VISCA forms mark the Apply button (not at index 4 of the board-pano list)
};
TeacherPosition teacher_position(int index, TeacherListMode mode);

// The panorama crop of a side, by the model of the side's feature camera: M19, R6 and M5 store
// and recall preset 60 on the crop address, J57 preset 0 on its own address (both VISCA, to the
// side's VISCA port); any other model gets the block word "setsecondpano" / "callsecondpano".
struct CropCommand {
    bool visca = false;
    QString text; // the VISCA command text, or the block's word
};
CropCommand panorama_crop(const QString &feature_model, bool set);

} // namespace preset_commands
