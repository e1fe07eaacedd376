#pragma once

#include <QString>
#include <QVector>

#include <optional>

// Which kind of text answer a camera sent: the order of cases in which the main window's
// parser (`resolver_param`) reads a `parameter block` answer. Pure: the caller passes the
// request flags it holds and does the work of the case (widgets, follow-up requests,
// message boxes); this only decides which work it is.
namespace parameter_reply {

// The request state the classification depends on.
struct Flags
{
    bool teacher_request_pending = false;     // teacher_obtain_wait or teacher_apply_wait
    bool student_request_pending = false;     // student_obtain_wait or student_apply_wait
    bool teacher_pano_status_pending = false; // the teacher pano connect asked for the status
    bool student_pano_status_pending = false;
};

// Confirmations of a pending request, in the order the parser meets them.
enum class Echo {
    TeacherApply,            // "set_teacher_config_file"
    TeacherTrackingObtain,   // "get_tracking_config_file" in a teacher answer
    TeacherDirectorObtain,   // "get_director_config_file" in a teacher answer
    StudentApply,            // "set_student_config_file"
    StudentTrackingObtain,
    StudentDirectorObtain,
};

// The log line of an echo ("set teacher tracking config success!", ...).
QString echo_log_line(Echo echo);

// True for the echoes that answer an Apply (set the apply flag), false for an Obtain.
bool echo_answers_apply(Echo echo);
// True for the teacher echoes (set the teacher flags), false for the student ones.
bool echo_is_teacher(Echo echo);

enum class Kind {
    Unmatched,            // nothing to read (echoes may still have been found)
    BoardRelayed,         // board answer relayed by the teacher pano camera
    TeacherCropStatus,
    StudentCropStatus,
    TeacherSection,       // read the teacher key table, then the director follow-up
    StudentAutocalibrate, // "student_autocalibrate_status=": see autocalibrate_*
    StudentSection,
    BoardSection,
    DirectorSection,
    TrackingStatus,       // see status_parts
};

enum class Side { Teacher, Student, Board };

// One side's part of a tracking status answer, in the order the parts are to be run.
struct StatusPart
{
    Side side = Side::Teacher;
    bool start = false; // the answer holds "start" (run before stop)
    bool stop = false;  // the answer holds "stop" (so it wins when both appear)
    bool error = false; // the answer holds "error"
    // An "error" that means the camera is of the wrong type: for the teacher and student only
    // while that side's connect waits for its status, for the board always. The caller
    // disconnects that pano camera, warns "Connection types do not match", and runs no later
    // part. Otherwise the caller asks for the side's tracking configuration.
    bool type_mismatch = false;
};

struct Classification
{
    Kind kind = Kind::Unmatched;
    QVector<Echo> echoes;
    // Crop status answers: whether "start" and "stop" appear.
    bool crop_start = false;
    bool crop_stop = false;
    // StudentAutocalibrate: the value (up to the line feed) and whether it reports a failure.
    QString autocalibrate_value;
    bool autocalibrate_failed = false;
    // TrackingStatus: the parts to run, in order; ends with the part that has type_mismatch.
    QVector<StatusPart> status_parts;
};

// text: the answer's text (parameter_block::reply_text of its bytes).
Classification classify(const QString &text, const Flags &flags);

// While the manual director console runs, an answer is only looked at for the tracking status of
// a side (teacher or student): its part when the answer holds the side's section and status key.
std::optional<StatusPart> console_status_part(const QString &text, Side side);

} // namespace parameter_reply
