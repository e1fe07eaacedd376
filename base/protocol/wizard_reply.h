#pragma once

#include "protocol/director_parameters.h"
#include "protocol/teacher_region_keys.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

// The first-run wizard's reading of a camera's text reply, without widgets: which case of its
// parser (`resolver_param`) a reply is, and the keys it takes of a teacher, student or director
// block. Words are found anywhere in the reply; keys only at the start of a line (the first such
// line wins), as parameter_block::value finds them.
namespace wizard_reply {

// The reply's bytes before the first zero byte, read as UTF-8.
QString working_text(const QByteArray &reply);

// One side's panorama crop as its status replies left it: neither started nor stopped at
// first. `query`: the next change answers the question asked as the side's region preview
// connected, and is not announced.
struct CropState {
    bool started = false;
    bool stopped = false;
    bool query = false;
};

// The requests whose echoes are logged: a teacher get or apply (board and director blocks
// included), a student apply (director blocks included).
struct Pending {
    bool teacher = false;
    bool student = false;
};

enum class Kind {
    Unmatched,     // nothing to read (echoes may still have been logged)
    TeacherCrop,   // a teacher crop status; crop_* say what it changed
    StudentCrop,
    TeacherBlock,  // read the teacher keys, restore the regions, then the director follow-up
    StudentBlock,  // read the student keys and region keys, then the director follow-up
    DirectorBlock, // read the director keys
    TrackingStatus, // run the status parts in order
};

enum class Side { Teacher, Student };

// One side's tracking status: the branches to run, start before stop; an error ends the reply.
struct StatusPart {
    Side side = Side::Teacher;
    bool start = false;
    bool stop = false;
    bool error = false;
};

struct Classification {
    Kind kind = Kind::Unmatched;
    QStringList echo_logs;
    // Crop statuses: whether the state changed, to which, and whether to say so.
    bool crop_changed = false;
    bool crop_started = false;
    bool crop_announced = false;
    QVector<StatusPart> status;
};

// The case of a reply. A crop status of a side ("teacher_crop_status" with
// "teacher_parameter", likewise for the student) ends the reading whether or not it changes
// the side's crop state, which it updates.
Classification classify(const QString &text, const Pending &pending, CropState &teacher, CropState &student);

// A slider's value as a reply gives it: the label shows the text, the slider takes the number
// (0 for a text that is no decimal number).
struct SliderValue {
    QString text;
    int number = 0;
    bool operator==(const SliderValue &o) const { return text == o.text && number == o.number; }
};

// The teacher keys the wizard reads; each is empty when the reply does not hold the key or holds
// a value the key does not know.
struct TeacherKeys {
    std::optional<int> losing_object_strategy; // index of the lost-target list: "0" "1" "2" "11"
    std::optional<int> multi_object_strategy;  // "1" "2"
    QString tracking_mode;                     // its one character, null when absent
    std::optional<SliderValue> time_to_pano_delay;
    std::optional<SliderValue> board_detect_time;
    std::optional<SliderValue> board_continue_time;
    std::optional<SliderValue> ptzspeed_level;
    std::optional<bool> board_detect_enable; // "1" checks, anything else unchecks
    std::optional<bool> auto_tracking;       // "1" checks, "0" unchecks
    std::optional<bool> manual_focus;
    std::optional<bool> auto_tilt;
};
TeacherKeys read_teacher_keys(const QString &text);

// The region keys of a teacher reply into the wizard's record, as received (no value is moved
// into the drawable band): numbers as decimal integers, 0 when no number; the two enable strings
// whole. A key the reply does not hold leaves its field.
void store_teacher_regions(const QString &text, teacher_region_keys::TeacherRegionCoord &coord);

struct StudentKeys {
    std::optional<int> losing_object_strategy; // its first character: "0" "1"
    std::optional<int> multi_object_strategy;  // "1" "2"
    std::optional<SliderValue> time_delay;
    std::optional<int> feature_continue_max_time;
    std::optional<bool> auto_tracking; // "1" checks, "0" unchecks
    std::optional<bool> face_detect;
    std::optional<bool> pano_switch;
};
StudentKeys read_student_keys(const QString &text);

// `student_region_coord` of the wizard, as one reply carried it (camera units, decimal
// integers, 0 for no number; empty or null where the reply did not hold the key): the eight
// corner coordinates (forward left x and y, forward right, backward right, backward left), the
// shield enable string and the sixteen shield values, per shield start x, start y, end x, end y.
// A reply's regions act only on what it carried: the echo of a set holds no key, and reading it
// as an empty record used to move the corners, redraw the shields from stale values and put the
// boxes back as the camera had them before the set.
struct StudentRegionCoord {
    std::array<std::optional<int>, 8> corners{};
    QString pano_shield_enable;
    std::array<std::optional<int>, 16> shield_values{};
    std::optional<int> value(int shield, int part) const { return shield_values[size_t(shield * 4 + part)]; }
    // All four of the shield's values.
    bool carries_shield(int shield) const;
};
StudentRegionCoord read_student_regions(const QString &text);

// Whether a teacher reply holds any of the region keys or the two enable strings.
bool carries_teacher_regions(const QString &text);

// The director keys in the wizard's groups and order: the common keys always; the teacher
// events with "teacher_parameter" and the student events with "student_parameter" in the reply,
// each only when its enable string is there; the blackboard events with "board_parameter"; then
// with "teacher_parameter" the interior views (their five codes only with their enable string),
// the two blackboard cameras, and the blackboard events again. Flag lists go as received; a
// short one unchecks the boxes it has no character for (director_parameters::take).
QVector<director_parameters::ReadItem> read_director_keys(const QString &text);

} // namespace wizard_reply
