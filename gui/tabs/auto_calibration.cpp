#include "tabs/auto_calibration.h"

#include "core/time_scale.h"
#include "core/wait.h"
#include "detection/picture_conversion.h"
#include "detection/yolo.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/calibration_commands.h"
#include "protocol/ptz_commands.h"
#include "protocol/tracking_command.h"
#include "protocol/visca_text.h"
#include "seams/message_box.h"

#include <QDateTime>
#include <QDebug>
#include <QPushButton>
#include <QTimer>


using camera_slot::Side;
using camera_slot::Slot;
namespace ac = auto_calibration;

namespace {
constexpr int kStepMs = 5000;          // the longest wait for the position answer
constexpr int kHomeSettleMs = 1500;    // after home and after the start position
constexpr int kCaptureMs = 2000;       // for a picture of each camera
constexpr int kAimSettleMs = 3000;     // for the camera to reach the new position
constexpr int kTeacherRetryPauseMs = 300;
constexpr int kStudentRetryPauseMs = 500;

QString now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss:zzz"));
}
} // namespace

// One side's run and the retry state that outlives it.
struct AutoCalibration::Run {
    Side side = Side::Teacher;
    bool running = false;
    // The inquiry went out and the run waits for the answer or the step timer.
    bool waiting_position = false;
    // Every start and every stop makes a new run: a wait that comes back to another run ends.
    int generation = 0;
    bool retry = false;
    int step = 0;
    bool last_try = false;
    // Where the close-up camera stands: the start position this attempt sent it to, replaced by
    // the camera's own answer to the attempt's inquiry when it comes in time. A camera that does
    // not answer (no R6) or answers late stands where it was sent; the last position reported
    // before would be another attempt's, or none.
    ac::Position position;
    QTimer *timer = nullptr;
};

struct AutoCalibration::Registration {
    bool ok = false;
    float x_out = 0;
    float y_out = 0;
};

AutoCalibration::AutoCalibration(const Widgets &widgets, const CameraSlots &camera_slots, const CameraPorts &ports,
                                 ControlLink &link, PictureCaptures &captures, const CalibrationView &calibration,
                                 const TeacherSection &teacher, const StudentSection &student, QWidget *window)
    : ui(widgets)
    , m_slots(camera_slots)
    , m_ports(ports)
    , m_link(link)
    , m_captures(captures)
    , m_calibration(calibration)
    , m_teacher(teacher)
    , m_student(student)
    , m_window(window)
    , teacher_run(std::make_unique<Run>())
    , student_run(std::make_unique<Run>())
{
    for (Run *r : {teacher_run.get(), student_run.get()}) {
        r->side = r == teacher_run.get() ? Side::Teacher : Side::Student;
        r->timer = new QTimer(this);
        r->timer->setSingleShot(true);
        const Side side = r->side;
        connect(r->timer, &QTimer::timeout, this, [this, side] { finish(side); });
    }
    connect(ui.teacher_auto_calibration_pushButton, &QPushButton::clicked, this,
            &AutoCalibration::on_teacher_auto_calibration_pushButton_clicked);
    connect(ui.student_auto_calibration_pushButton, &QPushButton::clicked, this,
            &AutoCalibration::on_student_auto_calibration_pushButton_clicked);
    // The buttons show once an R6 close-up camera offers them.
    ui.teacher_auto_calibration_pushButton->hide();
    ui.student_auto_calibration_pushButton->hide();
}

AutoCalibration::~AutoCalibration() = default;

AutoCalibration::Run &AutoCalibration::run(Side side) { return side == Side::Student ? *student_run : *teacher_run; }

void AutoCalibration::on_teacher_auto_calibration_pushButton_clicked() { start(Side::Teacher); }

void AutoCalibration::on_student_auto_calibration_pushButton_clicked() { start(Side::Student); }

void AutoCalibration::start(Side side)
{
    const bool student = side == Side::Student;
    if (!m_slots[student ? Slot::StudentFeature : Slot::TeacherFeature].udp_flag
        || !m_slots[student ? Slot::StudentPano : Slot::TeacherPano].udp_flag) {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    Run &r = run(side);
    if (r.running)
        return;
    r.running = true;
    ++r.generation;
    begin_attempt(side);
}

void AutoCalibration::begin_attempt(Side side)
{
    Run &r = run(side);
    const int generation = r.generation;
    const bool student = side == Side::Student;
    int tilt = 0;
    if (!r.retry) {
        r.step = 0;
        r.last_try = false;
        send_visca(side, ptz_commands::home(false));
        if (!wait_in_run(side, generation, kHomeSettleMs))
            return;
        tilt = student ? ac::kStudentStartTilt : ac::kTeacherStartTilt;
    } else if (r.step == 0) {
        r.step = 1;
        tilt = ac::kFirstRetryTilt;
    } else {
        r.step = 0;
        r.last_try = true;
        tilt = ac::kSecondRetryTilt;
    }
    r.position = ac::Position{0, tilt};
    send_visca(side, visca_text::visca_absolute_position(0, tilt));
    if (!wait_in_run(side, generation, r.retry ? (student ? kStudentRetryPauseMs : kTeacherRetryPauseMs) : kHomeSettleMs))
        return;
    r.waiting_position = true;
    send_visca(side, ac::pan_tilt_inquiry());
    r.timer->start(timescale::scaled(kStepMs));
}

void AutoCalibration::pan_tilt_reported(Side side, int pan, int tilt)
{
    if (side == Side::Board)
        return;
    Run &r = run(side);
    qDebug() << "AutoCalibration::pan_tilt_reported" << int(side) << pan << tilt << "waiting" << r.waiting_position;
    if (!r.waiting_position)
        return;
    r.position = ac::Position{pan, tilt};
    // The run goes on from the event loop, not inside the reply handler, whose socket would not
    // report its next replies during the run's waits.
    r.timer->start(0);
}

void AutoCalibration::finish(Side side)
{
    Run &r = run(side);
    const bool student = side == Side::Student;
    if (student)
        qDebug() << "YOLO::student_slot_flag = " << (r.waiting_position ? "true" : "false");
    if (!r.waiting_position)
        return;
    r.waiting_position = false;
    r.timer->stop();
    const int generation = r.generation;
    if (!still_running(side, generation))
        return;

    // Pictures of this run only: a picture kept by an earlier run shows where the camera stood then.
    m_captures.arm(PictureCaptures::calibration(side, true));
    m_captures.arm(PictureCaptures::calibration(side, false));
    if (!wait_in_run(side, generation, kCaptureMs))
        return;
    const QImage pano = m_captures.captured(PictureCaptures::calibration(side, true));
    const QImage feature = m_captures.captured(PictureCaptures::calibration(side, false));
    if (pano.isNull() || feature.isNull()) {
        qDebug() << (student ? "YOLO:: leave" : " YOLO:: leave");
        end_run(side);
        return;
    }
    const ac::Position from = r.position;

    const std::optional<Registration> result = register_pictures(side, generation, pano, feature);
    if (!result)
        return;
    qDebug() << (student ? "YOLO::common_auto_calibration  b= " : "YOLO::teacher_auto_calibration_pushButton  b= ")
             << result->ok;
    if (!result->ok) {
        r.retry = true;
        if (r.last_try) {
            end_run(side);
            msgbox::warning(m_window, tr("Warning"), tr("Automatic calibration failed"));
            return;
        }
        begin_attempt(side);
        return;
    }

    const float fov = ac::camera_view_angle(student, m_slots[student ? Slot::StudentFeature : Slot::TeacherFeature].device_model);
    const ac::Position to = ac::target_position(fov, result->x_out, result->y_out, from);
    const QString command = visca_text::visca_absolute_position(to.pan, to.tilt);
    qDebug() << " YOLO:: visca_pt_default : " << command;
    send_visca(side, command);
    if (!wait_in_run(side, generation, kAimSettleMs))
        return;
    const Slot pano_slot = student ? Slot::StudentPano : Slot::TeacherPano;
    m_link.sendMsg_Net(m_slots[pano_slot].destination, m_ports.udp_port(side),
                       tracking_command::command_text(student ? QStringLiteral("student_parameter")
                                                              : QStringLiteral("teacher_parameter"),
                                                      QLatin1String(calibration_commands::kSetCalibrate)),
                       false);
    if (student)
        qDebug() << " student saved successfully!";
    else
        qDebug() << " MainWindow:::teacher saved successfully! " << now();
    end_run(side);
}

std::optional<AutoCalibration::Registration> AutoCalibration::register_pictures(Side side, int generation,
                                                                                const QImage &pano,
                                                                                const QImage &feature)
{
    // The two SIFT passes take a good part of a second on full-size pictures: they run beside
    // the window, which goes on handling the cameras and the installer meanwhile.
    auto result = std::make_shared<Registration>();
    run_beside_gui([result, pano, feature] {
        cv::Mat overall = qimage_to_mat(pano);
        cv::Mat closeup = qimage_to_mat(feature);
        // Its own object: the registration writes its results into it.
        YOLO registration{YOLO::RegistrationOnly{}};
        std::vector<float> out;
        try {
            result->ok = registration.image_registration(overall, closeup, out);
        } catch (const cv::Exception &e) {
            qWarning() << "AutoCalibration: the registration failed:" << e.what();
            result->ok = false;
        }
        result->x_out = registration.x_out;
        result->y_out = registration.y_out;
        if (!result->ok)
            qDebug() << "YOLO::yolo_model.image_registration failure" << int(registration.registration_failure());
        qDebug() << "YOLO::yolo_model.image_registration b = " << (result->ok ? "true" : "false");
    });
    // The run only goes on when nothing ended it meanwhile.
    if (!still_running(side, generation))
        return std::nullopt;
    return *result;
}

bool AutoCalibration::wait_in_run(Side side, int generation, int ms)
{
    wait_ms(ms);
    return still_running(side, generation);
}

bool AutoCalibration::still_running(Side side, int generation)
{
    Run &r = run(side);
    if (r.generation != generation || !r.running) {
        qDebug() << "AutoCalibration: the run was ended meanwhile and goes no further";
        return false;
    }
    const bool student = side == Side::Student;
    if (m_slots[student ? Slot::StudentFeature : Slot::TeacherFeature].udp_flag
        && m_slots[student ? Slot::StudentPano : Slot::TeacherPano].udp_flag)
        return true;
    qDebug() << "AutoCalibration: a camera of the side was disconnected, the run ends";
    end_run(side);
    return false;
}

void AutoCalibration::end_run(Side side)
{
    Run &r = run(side);
    r.running = false;
    r.waiting_position = false;
    r.timer->stop();
    ++r.generation;
    r.retry = false;
    r.last_try = false;
}

void AutoCalibration::enable_group_controls(int camera, bool enable)
{
    if (camera == 0) {
        ui.teacher_auto_calibration_pushButton->setEnabled(enable && m_calibration.calibration_shown(Side::Teacher));
    } else if (camera == 1) {
        ui.student_auto_calibration_pushButton->setEnabled(enable && m_calibration.calibration_shown(Side::Student));
        if (m_student.customer_model)
            ui.student_auto_calibration_pushButton->setEnabled(false);
    }
}

void AutoCalibration::feature_camera_released(Side side)
{
    if (side == Side::Teacher)
        ui.teacher_auto_calibration_pushButton->hide();
    else if (side == Side::Student)
        ui.student_auto_calibration_pushButton->hide();
}

void AutoCalibration::feature_model_known(Side side, const QString &model)
{
    if (model == QLatin1String("R6"))
        (side == Side::Teacher ? ui.teacher_auto_calibration_pushButton : ui.student_auto_calibration_pushButton)->show();
}

void AutoCalibration::enable_button(Side side, bool enable)
{
    (side == Side::Teacher ? ui.teacher_auto_calibration_pushButton : ui.student_auto_calibration_pushButton)
        ->setEnabled(enable);
}

void AutoCalibration::disable_board_controls()
{
    if (m_teacher.customer_model)
        ui.teacher_auto_calibration_pushButton->setEnabled(false);
    if (m_student.customer_model)
        ui.student_auto_calibration_pushButton->setEnabled(false);
}

void AutoCalibration::stop()
{
    end_run(Side::Teacher);
    end_run(Side::Student);
}

void AutoCalibration::send_visca(Side side, const QString &text)
{
    const Slot feature = side == Side::Student ? Slot::StudentFeature : Slot::TeacherFeature;
    m_link.sendMsg_Net(m_slots[feature].destination, m_ports.visca_port(side), text, true);
}
