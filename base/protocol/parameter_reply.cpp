#include "protocol/parameter_reply.h"

#include "protocol/parameter_block.h"

namespace parameter_reply {

namespace {
constexpr char kTeacherCropStatus[] = "teacher_crop_status";
constexpr char kStudentCropStatus[] = "student_crop_status";
constexpr char kTeacherTrackingStatus[] = "teacher_tracking_status";
constexpr char kStudentTrackingStatus[] = "student_tracking_status";
constexpr char kBoardTrackingStatus[] = "board_tracking_status";
constexpr char kSetTeacherConfigFile[] = "set_teacher_config_file";
constexpr char kSetStudentConfigFile[] = "set_student_config_file";
constexpr char kAutocalibrateStatusKey[] = "student_autocalibrate_status";

// The parser's own test of a word: anywhere in the text.
struct Text
{
    const QString &t;
    bool holds(const char *word) const { return t.contains(QLatin1String(word)); }
};

// Echoes of one side, looked for only while that side waits for an answer. The obtain echoes
// count only in an answer that carries the side's section line.
void find_echoes(const Text &t, bool pending, const char *set_word, const char *section,
                 Echo apply, Echo tracking, Echo director, QVector<Echo> *echoes)
{
    if (!pending)
        return;
    if (t.holds(set_word))
        echoes->append(apply);
    if (!t.holds(section))
        return;
    if (t.holds(parameter_block::kGetTrackingConfigFile))
        echoes->append(tracking);
    if (t.holds(parameter_block::kGetDirectorConfigFile))
        echoes->append(director);
}

StatusPart status_part(const Text &t, Side side, bool mismatch_on_error)
{
    StatusPart part;
    part.side = side;
    part.start = t.holds("start");
    part.stop = t.holds("stop");
    part.error = t.holds("error");
    part.type_mismatch = part.error && mismatch_on_error;
    return part;
}
} // namespace

QString echo_log_line(Echo echo)
{
    switch (echo) {
    case Echo::TeacherApply:
        return QStringLiteral("set teacher tracking config success!");
    case Echo::TeacherTrackingObtain:
        return QStringLiteral("get teacher tracking config success!");
    case Echo::StudentApply:
        return QStringLiteral("set student tracking config success!");
    case Echo::StudentTrackingObtain:
        return QStringLiteral("get student tracking config success!");
    case Echo::TeacherDirectorObtain:
    case Echo::StudentDirectorObtain:
        return QStringLiteral("get director config success!");
    }
    return QString();
}

bool echo_answers_apply(Echo echo)
{
    return echo == Echo::TeacherApply || echo == Echo::StudentApply;
}

bool echo_is_teacher(Echo echo)
{
    return echo == Echo::TeacherApply || echo == Echo::TeacherTrackingObtain
        || echo == Echo::TeacherDirectorObtain;
}

Classification classify(const QString &text, const Flags &flags)
{
    using namespace parameter_block;
    const Text t{text};
    Classification c;

    // A board answer relayed by the teacher pano camera.
    if (t.holds(kBoardSection) && t.holds(kTeacherSection) && t.holds(kGetTrackingConfigFile)) {
        c.kind = Kind::BoardRelayed;
        return c;
    }

    // Crop status.
    if (t.holds(kTeacherCropStatus) && t.holds(kTeacherSection)) {
        c.kind = Kind::TeacherCropStatus;
    } else if (t.holds(kStudentSection) && t.holds(kStudentCropStatus)) {
        c.kind = Kind::StudentCropStatus;
    }
    if (c.kind != Kind::Unmatched) {
        c.crop_start = t.holds("start");
        c.crop_stop = t.holds("stop");
        return c;
    }

    // Teacher echoes and section.
    find_echoes(t, flags.teacher_request_pending, kSetTeacherConfigFile, kTeacherSection,
                Echo::TeacherApply, Echo::TeacherTrackingObtain, Echo::TeacherDirectorObtain, &c.echoes);
    if (t.holds(kTeacherSection) && !t.holds(kDirectorSection) && !t.holds(kTeacherTrackingStatus)) {
        c.kind = Kind::TeacherSection;
        return c;
    }

    // Student echoes and section.
    find_echoes(t, flags.student_request_pending, kSetStudentConfigFile, kStudentSection,
                Echo::StudentApply, Echo::StudentTrackingObtain, Echo::StudentDirectorObtain, &c.echoes);
    if (t.holds(kStudentSection) && !t.holds(kDirectorSection) && !t.holds(kStudentTrackingStatus)) {
        // An item like any other: only at the start of a line.
        const QString status = value(text, QLatin1String(kAutocalibrateStatusKey));
        if (!status.isNull()) {
            c.kind = Kind::StudentAutocalibrate;
            c.autocalibrate_value = status;
            c.autocalibrate_failed = status.contains(QLatin1String("fail"));
        } else {
            c.kind = Kind::StudentSection;
        }
        return c;
    }

    // Board section: board answers have no echo of their own (the teacher flags track them).
    if (t.holds(kBoardSection) && !t.holds(kDirectorSection) && !t.holds(kBoardTrackingStatus)) {
        c.kind = Kind::BoardSection;
        return c;
    }

    if (t.holds(kDirectorSection)) {
        c.kind = Kind::DirectorSection;
        return c;
    }

    // Tracking status, teacher then student then board; a type mismatch ends the answer.
    if (t.holds(kTeacherSection) && t.holds(kTeacherTrackingStatus)) {
        c.status_parts.append(status_part(t, Side::Teacher, flags.teacher_pano_status_pending));
    }
    if ((c.status_parts.isEmpty() || !c.status_parts.last().type_mismatch)
        && t.holds(kStudentSection) && t.holds(kStudentTrackingStatus)) {
        c.status_parts.append(status_part(t, Side::Student, flags.student_pano_status_pending));
    }
    if ((c.status_parts.isEmpty() || !c.status_parts.last().type_mismatch)
        && t.holds(kBoardSection) && t.holds(kBoardTrackingStatus)) {
        c.status_parts.append(status_part(t, Side::Board, true));
    }
    if (!c.status_parts.isEmpty())
        c.kind = Kind::TrackingStatus;
    return c;
}

std::optional<StatusPart> console_status_part(const QString &text, Side side)
{
    using namespace parameter_block;
    const Text t{text};
    const bool student = side == Side::Student;
    if (!t.holds(student ? kStudentSection : kTeacherSection)
        || !t.holds(student ? kStudentTrackingStatus : kTeacherTrackingStatus))
        return std::nullopt;
    return status_part(t, side, false);
}

} // namespace parameter_reply
