#include "guide/wizard_command_keys.h"

#include "core/wait.h"
#include "guide/arrowkeyviews.h"
#include "guide/wizard_regions.h"
#include "net/wizard_link.h"
#include "seams/message_box.h"

#include <QCheckBox>
#include <QDebug>
#include <QPushButton>

using camera_slot::Side;
using camera_slot::Slot;
using namespace wizard_commands;

namespace {
constexpr int kCropSettleMs = 500; // the camera switches its crop before it answers the status
constexpr int kForgetSettleMs = 500; // the camera drops its tracking area before the regions are drawn anew
constexpr char kConnectCamera[] = QT_TRANSLATE_NOOP("GuideConfig", "Please connect the camera");
constexpr char kConnectTeacherPano[] = QT_TRANSLATE_NOOP("GuideConfig", "Please connect the teacher pano camera");

int index(Side side) { return side == Side::Student ? 1 : 0; }
Slot pano(Side side) { return side == Side::Student ? Slot::StudentPano : Slot::TeacherPano; }
} // namespace

WizardCommandKeys::WizardCommandKeys(const Widgets &widgets, WizardLink &link, WizardRegions &regions, QWidget *window)
    : ui(widgets), m_link(link), m_regions(regions), m_window(window)
{
    wire_presets();
    wire_pads();
    connect(ui.teacher_calibration_reset_Button, &QPushButton::clicked, this, [this] { calibration(Side::Teacher, false); });
    connect(ui.teacher_show_calibration_Button, &QPushButton::clicked, this, [this] { calibration(Side::Teacher, true); });
    connect(ui.student_calibration_reset_Button, &QPushButton::clicked, this, [this] { calibration(Side::Student, false); });
    connect(ui.student_show_calibration_Button, &QPushButton::clicked, this, [this] { calibration(Side::Student, true); });
    connect(ui.teacher_show_region_checkBox, &QCheckBox::clicked, this,
            [this](bool checked) { show_region_clicked(Side::Teacher, checked); });
    connect(ui.student_show_region_checkBox, &QCheckBox::clicked, this,
            [this](bool checked) { show_region_clicked(Side::Student, checked); });
    connect(ui.teacher_show_tracking_checkBox, &QCheckBox::stateChanged, this,
            [this](int state) { show_tracking_changed(Side::Teacher, state); });
    connect(ui.student_show_tracking_checkBox, &QCheckBox::stateChanged, this,
            [this](int state) { show_tracking_changed(Side::Student, state); });
    connect(ui.teacher_auto_board_pano_Button, &QPushButton::clicked, this, [this] { forget(Forget::BoardPano); });
    connect(ui.teacher_auto_platform_Button, &QPushButton::clicked, this, [this] { forget(Forget::Platform); });
    connect(ui.teacher_auto_track_region_pushButton, &QPushButton::clicked, this, &WizardCommandKeys::auto_track_region);
}

void WizardCommandKeys::wire_presets()
{
    // Button, side, preset, set, the warning, and whether a press owes the teacher block.
    struct Row {
        QPushButton *button;
        Preset preset;
        bool set;
        const char *warning;
        bool owes_block;
    };
    const Row teacher[] = {
        {ui.teacher_follow_mode_pano_preset, Preset::Pano, true, kConnectTeacherPano, true},
        {ui.teacher_three_mode_pano_preset, Preset::Pano, true, kConnectTeacherPano, true},
        {ui.get_teacher_follow_mode_pano_preset, Preset::Pano, false, kConnectTeacherPano, false},
        {ui.get_teacher_three_mode_pano_preset, Preset::Pano, false, kConnectTeacherPano, false},
        {ui.teacher_follow_mode_platform_preset, Preset::Platform, true, kConnectTeacherPano, true},
        {ui.teacher_board_pano_mode_platform_preset, Preset::Platform, true, kConnectTeacherPano, false},
        {ui.get_teacher_follow_mode_platform_preset, Preset::Platform, false, kConnectTeacherPano, false},
        {ui.get_teacher_board_pano_mode_platform_preset, Preset::Platform, false, kConnectTeacherPano, false},
        {ui.teacher_three_mode_left_preset, Preset::Platform, true, kConnectTeacherPano, true},
        {ui.get_teacher_three_mode_left_preset, Preset::Platform, false, kConnectTeacherPano, false},
        {ui.teacher_follow_mode_left_preset, Preset::Preset2, true, kConnectTeacherPano, true},
        {ui.get_teacher_follow_mode_left_preset, Preset::Preset2, false, kConnectTeacherPano, false},
        {ui.teacher_three_mode_right_preset, Preset::Preset2, true, kConnectTeacherPano, false},
        {ui.get_teacher_three_mode_right_preset, Preset::Preset2, false, kConnectTeacherPano, false},
        {ui.teacher_follow_mode_right_preset, Preset::Preset3, true, kConnectTeacherPano, true},
        {ui.get_teacher_follow_mode_right_preset, Preset::Preset3, false, kConnectTeacherPano, false},
        {ui.teacher_three_mode_center_preset, Preset::Preset3, true, kConnectTeacherPano, false},
        {ui.get_teacher_three_mode_center_preset, Preset::Preset3, false, kConnectTeacherPano, false},
        {ui.teacher_follow_mode_board_pano_preset, Preset::Board, true, kConnectCamera, true},
        {ui.teacher_three_mode_board_pano_preset, Preset::Board, true, kConnectCamera, false},
        {ui.teacher_board_pano_mode_preset, Preset::Board, true, kConnectCamera, false},
        {ui.get_teacher_follow_mode_board_pano_preset, Preset::Board, false, kConnectCamera, false},
        {ui.get_teacher_three_mode_board_pano_preset, Preset::Board, false, kConnectCamera, false},
        {ui.get_teacher_board_pano_mode_preset, Preset::Board, false, kConnectCamera, false},
        {ui.teacher_follow_mode_pano_crop_preset, Preset::SecondPano, true, kConnectTeacherPano, true},
        {ui.teacher_three_mode_pano_crop_preset, Preset::SecondPano, true, kConnectTeacherPano, false},
        {ui.teacher_board_pano_mode_pano_crop_preset, Preset::SecondPano, true, kConnectTeacherPano, false},
        {ui.get_teacher_follow_mode_pano_crop_preset, Preset::SecondPano, false, kConnectTeacherPano, false},
        {ui.get_teacher_three_mode_pano_crop_preset, Preset::SecondPano, false, kConnectTeacherPano, false},
        {ui.get_teacher_board_pano_mode_pano_crop_preset, Preset::SecondPano, false, kConnectTeacherPano, false},
    };
    for (const Row &row : teacher)
        connect(row.button, &QPushButton::clicked, this, [this, row] {
            if (row.owes_block)
                emit params_changed(Side::Teacher);
            preset(Side::Teacher, row.preset, row.set, row.warning);
        });
    const Row student[] = {
        {ui.student_pano_preset, Preset::Pano, true, kConnectCamera, false},
        {ui.get_student_pano_preset, Preset::Pano, false, kConnectCamera, false},
        {ui.student_pano_crop_preset, Preset::SecondPano, true, kConnectCamera, false},
        {ui.get_student_pano_crop_preset, Preset::SecondPano, false, kConnectCamera, false},
    };
    for (const Row &row : student)
        connect(row.button, &QPushButton::clicked, this, [this, row] {
            preset(Side::Student, row.preset, row.set, row.warning);
        });
    const struct {
        QPushButton *button;
        BoardButton board;
        bool set;
    } board[] = {
        {ui.board_left_preset, BoardButton::Left, true},   {ui.get_board_left_preset, BoardButton::Left, false},
        {ui.board_right_preset, BoardButton::Right, true}, {ui.get_board_right_preset, BoardButton::Right, false},
        {ui.board_pano_preset, BoardButton::Pano, true},   {ui.get_board_pano_preset, BoardButton::Pano, false},
    };
    for (const auto &row : board)
        connect(row.button, &QPushButton::clicked, this, [this, b = row.board, set = row.set] {
            if (set)
                emit params_changed(Side::Teacher);
            board_preset(b, set);
        });
}

void WizardCommandKeys::wire_pads()
{
    using A = ArrowKeyViews;
    const struct {
        void (A::*pressed)();
        void (A::*released)();
        PadKey key;
    } holds[] = {
        {&A::ptz_left_up_pressed, &A::ptz_left_up_released, PadKey::LeftUp},
        {&A::ptz_up_pressed, &A::ptz_up_released, PadKey::Up},
        {&A::ptz_right_up_pressed, &A::ptz_right_up_released, PadKey::RightUp},
        {&A::ptz_left_pressed, &A::ptz_left_released, PadKey::Left},
        {&A::ptz_right_pressed, &A::ptz_right_released, PadKey::Right},
        {&A::ptz_left_down_pressed, &A::ptz_left_down_released, PadKey::LeftDown},
        {&A::ptz_down_pressed, &A::ptz_down_released, PadKey::Down},
        {&A::ptz_right_down_pressed, &A::ptz_right_down_released, PadKey::RightDown},
        {&A::zoom_in_pressed, &A::zoom_in_released, PadKey::ZoomIn},
        {&A::zoom_out_pressed, &A::zoom_out_released, PadKey::ZoomOut},
    };
    for (ArrowKeyViews *p : {ui.teacher_ptz_calibration_view, ui.teacher_ptz_config_preset_view,
                             ui.teacher_ptz_tracking_test_view, ui.student_ptz_calibration_view,
                             ui.student_ptz_config_preset_view, ui.student_ptz_tracking_test_view}) {
        for (const auto &hold : holds) {
            connect(p, hold.pressed, this, [this, key = hold.key] { pad_pressed(key); });
            connect(p, hold.released, this, [this, key = hold.key] { pad_released(key); });
        }
        connect(p, &A::ptz_reset_click, this, [this] { pad_pressed(PadKey::Home); });
    }
}

void WizardCommandKeys::set_student_step(bool student_step) { m_student_step = student_step; }

void WizardCommandKeys::set_pad_speeds(int pan, int tilt)
{
    m_pan_speed = pan;
    m_tilt_speed = tilt;
}

void WizardCommandKeys::set_preset_camera(int index) { m_preset_camera = index; }

void WizardCommandKeys::set_teacher_crop_lock(bool locked) { m_teacher_crop_lock = locked; }

ArrowKeyViews *WizardCommandKeys::pad(Pad which) const
{
    switch (which) {
    case Pad::TeacherCalibration: return ui.teacher_ptz_calibration_view;
    case Pad::TeacherPreset: return ui.teacher_ptz_config_preset_view;
    case Pad::TeacherTrackTest: return ui.teacher_ptz_tracking_test_view;
    case Pad::StudentCalibration: return ui.student_ptz_calibration_view;
    case Pad::StudentPreset: return ui.student_ptz_config_preset_view;
    case Pad::StudentTrackTest: break;
    }
    return ui.student_ptz_tracking_test_view;
}

void WizardCommandKeys::set_pad_enabled(Pad which, bool enabled) { pad(which)->setEnabled(enabled); }

void WizardCommandKeys::set_presets_enabled(Side side, bool enabled)
{
    const QList<QPushButton *> student{ui.student_pano_preset, ui.student_pano_crop_preset};
    if (side == Side::Student) {
        for (QPushButton *b : student)
            b->setEnabled(enabled);
        return;
    }
    const QList<QPushButton *> teacher{
        ui.teacher_follow_mode_pano_preset,       ui.teacher_follow_mode_platform_preset,
        ui.teacher_follow_mode_left_preset,       ui.teacher_follow_mode_right_preset,
        ui.teacher_follow_mode_board_pano_preset, ui.teacher_follow_mode_pano_crop_preset,
        ui.board_pano_preset,                     ui.board_left_preset,
        ui.board_right_preset,                    ui.teacher_board_pano_mode_platform_preset,
        ui.teacher_board_pano_mode_preset,        ui.teacher_board_pano_mode_pano_crop_preset,
        ui.teacher_three_mode_pano_preset,        ui.teacher_three_mode_left_preset,
        ui.teacher_three_mode_center_preset,      ui.teacher_three_mode_right_preset,
        ui.teacher_three_mode_board_pano_preset,  ui.teacher_three_mode_pano_crop_preset};
    for (QPushButton *b : teacher)
        b->setEnabled(enabled);
}

void WizardCommandKeys::set_tracking_controls_enabled(Side side, bool enabled)
{
    (side == Side::Student ? ui.student_show_tracking_checkBox : ui.teacher_show_tracking_checkBox)->setEnabled(enabled);
    const QList<QPushButton *> student{ui.get_student_pano_preset, ui.get_student_pano_crop_preset};
    const QList<QPushButton *> teacher{
        ui.get_teacher_follow_mode_pano_preset,         ui.get_teacher_follow_mode_platform_preset,
        ui.get_teacher_follow_mode_left_preset,         ui.get_teacher_follow_mode_right_preset,
        ui.get_teacher_follow_mode_board_pano_preset,   ui.get_teacher_follow_mode_pano_crop_preset,
        ui.get_board_pano_preset,                       ui.get_board_left_preset,
        ui.get_board_right_preset,                      ui.get_teacher_board_pano_mode_platform_preset,
        ui.get_teacher_board_pano_mode_preset,          ui.get_teacher_board_pano_mode_pano_crop_preset,
        ui.get_teacher_three_mode_pano_preset,          ui.get_teacher_three_mode_left_preset,
        ui.get_teacher_three_mode_center_preset,        ui.get_teacher_three_mode_right_preset,
        ui.get_teacher_three_mode_board_pano_preset,    ui.get_teacher_three_mode_pano_crop_preset};
    for (QPushButton *b : side == Side::Student ? student : teacher)
        b->setEnabled(enabled);
}

void WizardCommandKeys::show_board_keys(bool call_keys, bool left, bool right)
{
    (call_keys ? ui.get_board_left_preset : ui.board_left_preset)->setVisible(left);
    (call_keys ? ui.get_board_right_preset : ui.board_right_preset)->setVisible(right);
}

void WizardCommandKeys::reset()
{
    m_pan_speed = m_tilt_speed = 10;
    m_teacher_crop_lock = false;
    m_regions_shown[0] = m_regions_shown[1] = false;
    m_run_state[0] = m_run_state[1] = Stopped;
    m_track_state[0] = m_track_state[1] = false;
}

void WizardCommandKeys::set_auto_track_enabled(bool on) { ui.teacher_auto_track_region_pushButton->setEnabled(on); }

void WizardCommandKeys::retranslate_pads()
{
    for (Pad which : {Pad::TeacherCalibration, Pad::TeacherPreset, Pad::TeacherTrackTest, Pad::StudentCalibration,
                      Pad::StudentPreset, Pad::StudentTrackTest}) {
        pad(which)->setZoomInText();
        pad(which)->setZoomOutText();
    }
}

int WizardCommandKeys::run_state(Side side) const { return m_run_state[index(side)]; }
bool WizardCommandKeys::track_state(Side side) const { return m_track_state[index(side)]; }
bool WizardCommandKeys::regions_shown(Side side) const { return m_regions_shown[index(side)]; }

bool WizardCommandKeys::tracking_shown(Side side) const
{
    return (side == Side::Student ? ui.student_show_tracking_checkBox : ui.teacher_show_tracking_checkBox)->isChecked();
}

void WizardCommandKeys::set_tracking_shown(Side side, bool shown)
{
    (side == Side::Student ? ui.student_show_tracking_checkBox : ui.teacher_show_tracking_checkBox)->setChecked(shown);
}

void WizardCommandKeys::stop_tracking_test(Side side)
{
    // The box's own slot sends the stop and unlocks the pages.
    set_tracking_shown(side, false);
}

void WizardCommandKeys::drop_region_showing(Side side)
{
    (side == Side::Student ? ui.student_show_region_checkBox : ui.teacher_show_region_checkBox)->setChecked(false);
    m_regions_shown[index(side)] = false;
    m_regions.set_editing(side, false);
}

bool WizardCommandKeys::pano_connected(Side side, const char *warning)
{
    if (m_link.connected(pano(side)))
        return true;
    msgbox::warning(m_window, tr("Warning"), tr(warning));
    return false;
}

void WizardCommandKeys::send_text(Side side, const QString &block)
{
    m_link.sendMsg_Net(m_link.destination(pano(side)), WizardLink::kTrackingPort, block, false);
}

void WizardCommandKeys::send_visca_to_pano(Side side, const QString &text)
{
    m_link.sendMsg_Net(m_link.destination(pano(side)), WizardLink::kViscaPort, text, true);
}

void WizardCommandKeys::preset(Side side, Preset which, bool set, const char *warning)
{
    qDebug().noquote() << "GuideConfig::preset" << preset_word(which, set) << (side == Side::Student ? "student" : "teacher");
    if (!pano_connected(side, warning))
        return;
    send_text(side, preset_block(side, which, set));
    if (side == Side::Student && set)
        emit params_changed(Side::Student);
}

void WizardCommandKeys::board_preset(BoardButton button, bool set)
{
    qDebug().noquote() << "GuideConfig::board preset" << board_word(button, m_preset_camera, set);
    if (!pano_connected(Side::Teacher, kConnectTeacherPano))
        return;
    send_text(Side::Teacher, board_block(button, m_preset_camera, set));
}

void WizardCommandKeys::pad_pressed(PadKey key)
{
    const QString text = pad_press(key, m_pan_speed, m_tilt_speed);
    qDebug().noquote() << "GuideConfig::on_ptz pressed" << text;
    const Slot feature = m_student_step ? Slot::StudentFeature : Slot::TeacherFeature;
    m_link.sendMsg_Net(m_link.destination(feature), WizardLink::kViscaPort, text, true);
}

void WizardCommandKeys::pad_released(PadKey key)
{
    const QString text = pad_release(key);
    qDebug().noquote() << "GuideConfig::on_ptz released" << text;
    const Slot feature = m_student_step ? Slot::StudentFeature : Slot::TeacherFeature;
    m_link.sendMsg_Net(m_link.destination(feature), WizardLink::kViscaPort, text, true);
}

void WizardCommandKeys::calibration(Side side, bool set)
{
    if (!pano_connected(side, kConnectCamera))
        return;
    const QString block = wizard_commands::calibration(side, set);
    qDebug().noquote() << (set ? "GuideConfig::camera_lens_verify:" : "GuideConfig::camera_lens_reset:") << block;
    send_text(side, block);
    if (set && side == Side::Teacher)
        emit params_changed(Side::Teacher);
}

// The crop's wait handles events: a click on the box meanwhile is applied once the wait is over,
// so the camera ends with the crop the box shows.
void WizardCommandKeys::show_region_clicked(Side side, bool checked)
{
    const int i = index(side);
    if (m_region_busy[i]) {
        m_region_again[i] = true;
        return;
    }
    m_region_busy[i] = true;
    bool applied = checked;
    apply_region_showing(side, checked);
    QCheckBox *box = side == Side::Student ? ui.student_show_region_checkBox : ui.teacher_show_region_checkBox;
    while (m_region_again[i]) {
        m_region_again[i] = false;
        if (box->isChecked() != applied)
            apply_region_showing(side, applied = box->isChecked());
    }
    m_region_busy[i] = false;
}

void WizardCommandKeys::apply_region_showing(Side side, bool checked)
{
    if (side == Side::Teacher)
        qDebug() << "GuideConfig::checkBox_stateChanged:" << (checked ? "true" : "false");
    if (!m_link.connected(pano(side)))
        return;
    // Shown once drawn: a detection waits until the regions are there.
    m_regions_shown[index(side)] = false;
    m_regions.set_editing(side, checked);
    send_visca_to_pano(side, crop(checked));
    wait_ms(kCropSettleMs);
    if (!m_link.connected(pano(side)))
        return; // the pano went during the wait: its previews left the regions
    m_regions_shown[index(side)] = checked;
    if (side == Side::Teacher)
        m_regions.set_teacher_regions_visible(checked);
    if (!(side == Side::Teacher && m_teacher_crop_lock))
        send_text(side, crop_status_request(side));
}

void WizardCommandKeys::show_tracking_changed(Side side, int state)
{
    if (!pano_connected(side, kConnectCamera))
        return;
    const bool start = state == Qt::Checked;
    startTrack(side, start);
    m_run_state[index(side)] = start ? Running : Stopped;
    if (start)
        m_track_state[index(side)] = true;
    emit pages_locked(side, start);
}

void WizardCommandKeys::stop_unasked_tracking(Side side)
{
    QCheckBox *box = side == Side::Student ? ui.student_show_tracking_checkBox : ui.teacher_show_tracking_checkBox;
    if (box->isChecked())
        box->setChecked(false);
    else
        show_tracking_changed(side, Qt::Unchecked);
}

void WizardCommandKeys::startTrack(Side side, bool start)
{
    qDebug() << (side == Side::Student ? "GuideConfig::startTrack-> student_panoDest"
                                       : "GuideConfig::startTrack-> teacher_panoDest");
    m_link.sendMsg_Net(m_link.destination(tracking_camera(side)), WizardLink::kTrackingPort, tracking(side, start), false);
}

void WizardCommandKeys::forget(Forget what)
{
    if (!pano_connected(Side::Teacher, kConnectCamera))
        return;
    send_text(Side::Teacher, wizard_commands::forget(what));
}

void WizardCommandKeys::auto_track_region()
{
    ui.teacher_auto_track_region_pushButton->setChecked(false);
    if (m_forgetting)
        return; // a press during the wait: the area is being forgotten already
    if (!pano_connected(Side::Teacher, kConnectCamera))
        return;
    send_text(Side::Teacher, wizard_commands::forget(Forget::TrackingArea));
    m_forgetting = true;
    wait_ms(kForgetSettleMs);
    m_forgetting = false;
    m_regions.clear_region_scene();
    m_regions.show_teacher_regions();
    emit params_changed(Side::Teacher);
}
