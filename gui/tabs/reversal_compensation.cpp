#include "tabs/reversal_compensation.h"

#include "core/wait.h"
#include "detection/scene_change.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/ptz_commands.h"
#include "seams/message_box.h"
#include "video/standard_image.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include <memory>

using calibration_commands::Axis;
using camera_slot::Side;
using camera_slot::Slot;
using Capture = PictureCaptures::Capture;

namespace {
// The camera's moves settle within these waits (milliseconds).
constexpr int kModeMs = 500;
constexpr int kHomeMs = 1500;
constexpr int kApproachMs = 1500;
constexpr int kSecondApproachMs = 500;
constexpr int kCaptureMs = 2000;
constexpr int kStepMs = 2500;
constexpr int kResultMs = 500;
// Shifts of more than this many pixels count as a moved picture.
constexpr int kMoveThreshold = 2;

struct SceneCheck {
    bool standard_read = false;
    int result = -1;
};

// Reads the standard picture back and compares the moved one with it on a thread of its own,
// while the window goes on handling its events.
SceneCheck check_scene(const cv::Mat &moved)
{
    const QString path = QDir::current().filePath(standard_image::fileName());
    auto check = std::make_shared<SceneCheck>();
    run_beside_gui([check, moved, path] {
        cv::Mat standard = standard_image::read(path);
        if (standard.empty())
            return;
        check->standard_read = true;
        cv::Mat picture = moved;
        check->result = scene_change::detect(standard, picture, kMoveThreshold, true);
    });
    return *check;
}
} // namespace

ReversalCompensation::ReversalCompensation(const Widgets &widgets, const CameraSlots &cameras,
                                           const CameraPorts &ports, ControlLink &link, PictureCaptures &captures,
                                           QWidget *window)
    : ui(widgets)
    , m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_captures(captures)
    , m_window(window)
{
    connect(ui.teacher_tilt_compensation_pushButton, &QPushButton::clicked, this,
            &ReversalCompensation::on_teacher_tilt_compensation_pushButton_clicked);
    connect(ui.teacher_pan_compensation_pushButton, &QPushButton::clicked, this,
            &ReversalCompensation::on_teacher_pan_compensation_pushButton_clicked);
}

void ReversalCompensation::on_teacher_tilt_compensation_pushButton_clicked() { run(Axis::Tilt); }

void ReversalCompensation::on_teacher_pan_compensation_pushButton_clicked() { run(Axis::Pan); }

void ReversalCompensation::run(Axis axis)
{
    // A second run would interleave its moves and pictures with the first one's.
    if (m_running) {
        qWarning() << "MainWindow:: reversal compensation already running: the new start is refused";
        return;
    }
    if (!m_slots[Slot::TeacherFeature].udp_flag) {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    m_running = true;
    m_stopped = false;
    measure(axis);
    m_running = false;
}

void ReversalCompensation::send(const QString &text)
{
    const CameraSlotRecord &feature = m_slots[Slot::TeacherFeature];
    m_link.sendMsg_Net(feature.destination, m_ports.visca_port(Side::Teacher), text, true);
}

void ReversalCompensation::set_measuring_mode(bool on)
{
    send(calibration_commands::measuring_mode(on));
    m_measuring = on;
}

bool ReversalCompensation::pause(int ms)
{
    wait_ms(ms);
    return still_connected();
}

void ReversalCompensation::stop()
{
    if (m_running && !m_stopped) {
        qDebug() << "MainWindow:: reversal compensation stopped: the window closes";
        // The camera would stay in its measuring mode: this is the last word it gets from the run.
        if (m_measuring && m_slots[Slot::TeacherFeature].udp_flag)
            set_measuring_mode(false);
    }
    m_stopped = true;
}

bool ReversalCompensation::still_connected()
{
    if (m_stopped)
        return false;
    if (m_slots[Slot::TeacherFeature].udp_flag)
        return true;
    qWarning() << "MainWindow:: reversal compensation stopped: the close-up camera was disconnected";
    msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
    return false;
}

void ReversalCompensation::give_up(const QString &why, const QString &message)
{
    if (m_stopped)
        return;
    qWarning().noquote() << "MainWindow:: reversal compensation failed:" << why << "- no compensation written";
    set_measuring_mode(false);
    msgbox::warning(m_window, tr("Warning"), message);
}

void ReversalCompensation::measure(Axis axis)
{
    namespace cc = calibration_commands;
    const bool tilt = axis == Axis::Tilt;
    set_measuring_mode(true);
    if (!pause(kModeMs))
        return;
    qDebug() << (tilt ? "MainWindow:: enter on_teacher_tilt_compensation_pushButton_clicked"
                      : "MainWindow:: enter on_teacher_pan_compensation_pushButton_clicked");
    send(ptz_commands::home(false));
    if (!pause(kHomeMs))
        return;
    send(cc::first_approach(axis));
    if (!pause(kApproachMs))
        return;
    send(cc::second_approach(axis));
    if (!pause(kSecondApproachMs))
        return;

    const QString noPicture =
        tr("The reversal compensation stopped: no usable picture of the close-up camera was taken. "
           "Nothing was written to the camera.");
    // Only pictures of this run count: a capture still armed after its wait took nothing, and
    // an earlier run's picture must not stand in for it.
    m_captures.arm(Capture::Standard);
    if (!pause(kCaptureMs))
        return;
    if (m_captures.armed(Capture::Standard) || !m_captures.standard_image_saved()) {
        give_up(QStringLiteral("no standard picture"), noPicture);
        return;
    }

    int steps = 0;
    int moved = 0;
    for (;;) {
        qDebug() << "MainWindow::Move_Feature";
        send(cc::step(axis));
        if (!pause(kStepMs))
            return;
        m_captures.arm(Capture::Moved);
        ++steps;
        if (!pause(kCaptureMs))
            return;
        const cv::Mat picture = m_captures.armed(Capture::Moved) ? cv::Mat() : m_captures.moved_image().clone();
        if (picture.empty()) {
            give_up(QStringLiteral("no moved picture after step %1").arg(steps), noPicture);
            return;
        }
        const SceneCheck check = check_scene(picture);
        if (!check.standard_read) {
            give_up(QStringLiteral("%1 unreadable").arg(standard_image::fileName()), noPicture);
            return;
        }
        if (!still_connected())
            return;
        moved = check.result;
        qDebug() << "MainWindow::moveRecord localFrameshiftdetect ==" << moved;
        if (moved != 0 || steps >= cc::kMaxSteps)
            break;
        qDebug() << "MainWindow::moveRecord =0=" << steps;
    }
    qDebug() << "MainWindow::moveRecord =1=" << steps;
    if (moved < 0) {
        // Too few features to tell: a count written now would be a guess.
        give_up(QStringLiteral("undecided after %1 steps").arg(steps),
                tr("The reversal compensation could not tell whether the picture moved: the close-up camera's "
                   "picture shows too few details. Nothing was written to the camera."));
        return;
    }
    const QString command = ptz_commands::ptzspeed(cc::result_template(axis), steps, steps);
    qDebug().noquote() << " MainWindow:: cmd ==" << command;
    send(command);
    if (!pause(kResultMs))
        return;
    set_measuring_mode(false);
}
