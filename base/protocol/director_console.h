#pragma once

#include <QString>

#include <optional>

// What the manual director console says to its two cameras beyond the tracking commands and the
// pads: the picture its director output shows, the teacher tracking mode, the preset calls with
// their verbs, and the streams it plays; and what it reads of a teacher configuration answer.
namespace director_console {

// The director output's picture: the cameras' own choice, or one of the four small pictures.
enum Picture { Automatic = 0, TeacherFeature = 1, TeacherPano = 2, StudentFeature = 3, StudentPano = 4 };

// The addresses a console starts with when its settings file holds none.
constexpr char kDefaultTeacherAddress[] = "192.168.1.163";
constexpr char kDefaultStudentAddress[] = "192.168.1.164";

constexpr char kDirectorOpen[] = "directoropen";
constexpr char kDirectorClose[] = "directorclose";

// "teacher_parameter", "set_tracking_config_command", "manual_direct_flag=" + picture; always to
// the teacher camera.
QString picture_block(int picture);

// "teacher_parameter", "set_tracking_config_file", "tracking_mode=" + mode, and a line feed at
// the end.
QString mode_block(const QString &mode);

// The mode list's entries (Follow, Binocular, Mixed, Board Pano) and the mode characters they
// stand for: "1" to "4"; an index outside the list gives an empty text, a character outside
// "1" to "4" no entry.
QString mode_for_index(int index);
std::optional<int> index_for_mode(const QString &mode);
// The board pano mode, in which the teacher's Pano call is locked.
constexpr char kBoardPanoMode[] = "4";
// The mode text of a camera that runs without a tracking mode: its calls take other presets.
constexpr char kNoMode[] = "0";

// The teacher camera's calls.
enum class TeacherCall { Pano, Platform, Left, Right, Mid, BoardPano };
// The verb of a call; Platform, Left and Right take other presets while the mode text is "0".
QString teacher_verb(TeacherCall call, const QString &mode_text);
// The student camera's call: its pano.
QString student_verb();

// What a teacher configuration answer (a teacher answer that is no tracking status) tells the
// console: the tracking mode's character and the pano camera's version, each when present.
struct TeacherConfiguration {
    std::optional<QString> tracking_mode; // one character, empty when the line ends at "="
    std::optional<QString> pano_version;  // up to the line's end
};
std::optional<TeacherConfiguration> teacher_configuration(const QString &text);
// The mode row shows for the pano camera versions whose first five characters hold "SOC 9" or
// "SOC 1".
bool mode_row_shown(const QString &pano_version);

// The console's three streams of one camera, given its address field and RTSP port: the
// feature picture "/3" (or, when the field is a path, "rtsp://" + the whole field), the pano
// picture "/4" and the director picture "/5", both at the address before the field's "/".
enum class Stream { Feature, Pano, Director };
QString stream_url(Stream stream, const QString &field_text, const QString &rtsp_port);

} // namespace director_console
