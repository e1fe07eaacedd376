#include "guide/wizard_previews.h"

#include "core/reachability.h"
#include "core/wait.h"
#include "guide/tracking_test.h"
#include "guide/wizard_regions.h"
#include "model/wizard_preview_url.h"
#include "net/wizard_link.h"
#include "protocol/wizard_commands.h"
#include "seams/message_box.h"
#include "video/vlcwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>

using camera_slot::Side;
using camera_slot::Slot;
using Pad = WizardCommandKeys::Pad;
using Form = wizard_preview_url::Form;

namespace {
// The wizard's pages of the steps with previews.
constexpr int kTeacherCalibrationPage = 1;
constexpr int kTeacherRegionPage = 3;
constexpr int kTeacherPresetPage = 4;
constexpr int kTeacherTrackTestPage = 6;
constexpr int kStudentCalibrationPage = 7;
constexpr int kStudentRegionPage = 8;
constexpr int kStudentPresetPage = 9;
constexpr int kStudentTrackTestPage = 11;
constexpr int kBoardBlockDelayMs = 200;    // the board camera's link settles before its block
constexpr int kCropThenStatusMs = 50;      // the crop status answer comes before the tracking status
constexpr int kReconnectPauseMs = 2000;    // the camera lets go of the previous stream first
constexpr int kBetweenConnectsMs = 300;    // a step's second preview connects once the first has begun
// The preset and tracking-test stacks' pages.
constexpr int kFollowPage = 0;
constexpr int kBoardPage = 1;
constexpr int kThreePresetsPage = 2;
constexpr int kBoardPanoPage = 3;
constexpr int kNoPad = -1;

int side_index(Side side) { return side == Side::Student ? 1 : 0; }
} // namespace

struct WizardPreviews::Member {
    Preview id;
    Side side;
    Slot slot;
    Step step;
    int page;
    VlcWidget *player;
    QPushButton *button;
    QLineEdit *field;
    const char *path;
    bool destination_first; // made before the check
    bool background;        // the calibration cross shows over the picture
    int pad;                // the step's pad, kNoPad for a pano
    const char *url_log;
    bool pano() const { return slot == Slot::TeacherPano || slot == Slot::StudentPano; }
};

WizardPreviews::WizardPreviews(const Widgets &widgets, WizardLink &link, TrackingTest &tracking,
                               WizardRegions &regions, QWidget *window)
    : ui(widgets), m_link(link), m_tracking(tracking), m_regions(regions), m_window(window)
{
    using P = Preview;
    using S = Step;
    const char *feature_log = "GuideConfig::perset_feature_connect url:";
    const char *pano_log = "GuideConfig::perset_pano_connect url:";
    m_members = {
        {P::TeacherCalibrationFeature, Side::Teacher, Slot::TeacherFeature, S::TeacherCalibration, kTeacherCalibrationPage,
         ui.teacher_calibration_feature_vlc_0, ui.teacher_calibration_feature_connect_Button,
         ui.teacher_calibration_feature_ip_lineEdit, "/1", true, true, int(Pad::TeacherCalibration),
         "GuideConfig::teacher_calibration_feature-> rtspUrl:"},
        {P::TeacherCalibrationPano, Side::Teacher, Slot::TeacherPano, S::TeacherCalibration, kTeacherCalibrationPage,
         ui.teacher_calibration_pano_vlc_1, ui.teacher_calibration_pano_connect_Button,
         ui.teacher_calibration_pano_ip_lineEdit, "/2", true, true, kNoPad,
         "GuideConfig::teacher_calibration_pano-> rtspUrl:"},
        {P::TeacherRegionPano, Side::Teacher, Slot::TeacherPano, S::TeacherRegion, kTeacherRegionPage,
         ui.teacher_track_region_vlc_2, ui.teacher_region_pano_connect_Button, ui.teacher_region_pano_ip_lineEdit, "/2",
         false, false, kNoPad, "GuideConfig::rtspUrl 2 :"},
        {P::TeacherPresetFeature, Side::Teacher, Slot::TeacherFeature, S::TeacherPreset, kTeacherPresetPage,
         ui.teacher_preset_feature_vlc_3, ui.teacher_perset_feature_connect_Button, ui.teacher_preset_feature_ip_lineEdit,
         "/1", false, false, int(Pad::TeacherPreset), feature_log},
        {P::TeacherPresetPano, Side::Teacher, Slot::TeacherPano, S::TeacherPreset, kTeacherPresetPage,
         ui.teacher_preset_pano_vlc_4, ui.teacher_perset_pano_connect_Button, ui.teacher_preset_pano_ip_lineEdit, "/2",
         false, false, kNoPad, pano_log},
        {P::TeacherTrackTestFeature, Side::Teacher, Slot::TeacherFeature, S::TeacherTrackTest, kTeacherTrackTestPage,
         ui.teacher_track_test_feature_vlc_5, ui.teacher_track_test_feature_connect_Button,
         ui.teacher_track_test_feature_ip_lineEdit, "/1", false, false, int(Pad::TeacherTrackTest), feature_log},
        {P::TeacherTrackTestPano, Side::Teacher, Slot::TeacherPano, S::TeacherTrackTest, kTeacherTrackTestPage,
         ui.teacher_track_test_pano_vlc_6, ui.teacher_track_test_pano_connect_Button,
         ui.teacher_track_test_pano_ip_lineEdit, "/2", false, false, kNoPad, pano_log},
        {P::StudentCalibrationFeature, Side::Student, Slot::StudentFeature, S::StudentCalibration, kStudentCalibrationPage,
         ui.student_calibration_feature_vlc_7, ui.student_calibration_feature_connect_Button,
         ui.student_calibration_feature_ip_lineEdit, "/1", false, true, int(Pad::StudentCalibration),
         "GuideConfig::student_calibration_feature-> rtspUrl:"},
        {P::StudentCalibrationPano, Side::Student, Slot::StudentPano, S::StudentCalibration, kStudentCalibrationPage,
         ui.student_calibration_pano_vlc_8, ui.student_calibration_pano_connect_Button,
         ui.student_calibration_pano_ip_lineEdit, "/2", false, true, kNoPad, pano_log},
        {P::StudentRegionPano, Side::Student, Slot::StudentPano, S::StudentRegion, kStudentRegionPage,
         ui.student_track_region_vlc_9, ui.student_region_pano_connect_Button, ui.student_region_pano_ip_lineEdit, "/2",
         false, false, kNoPad, "GuideConfig::rtspUrl 2 :"},
        {P::StudentPresetFeature, Side::Student, Slot::StudentFeature, S::StudentPreset, kStudentPresetPage,
         ui.student_preset_feature_vlc_10, ui.student_perset_feature_connect_Button,
         ui.student_preset_feature_ip_lineEdit, "/1", false, false, int(Pad::StudentPreset), feature_log},
        {P::StudentPresetPano, Side::Student, Slot::StudentPano, S::StudentPreset, kStudentPresetPage,
         ui.student_preset_pano_vlc_11, ui.student_perset_pano_connect_Button, ui.student_preset_pano_ip_lineEdit, "/2",
         false, false, kNoPad, pano_log},
        {P::StudentTrackTestFeature, Side::Student, Slot::StudentFeature, S::StudentTrackTest, kStudentTrackTestPage,
         ui.student_track_test_feature_vlc_12, ui.student_track_test_feature_connect_Button,
         ui.student_track_test_feature_ip_lineEdit, "/1", false, false, int(Pad::StudentTrackTest), feature_log},
        {P::StudentTrackTestPano, Side::Student, Slot::StudentPano, S::StudentTrackTest, kStudentTrackTestPage,
         ui.student_track_test_pano_vlc_13, ui.student_track_test_pano_connect_Button,
         ui.student_track_test_pano_ip_lineEdit, "/2", true, false, kNoPad, pano_log},
    };
    for (const Member &m : m_members) {
        m.player->setCallback(true);
        connect(m.player, &VlcWidget::receivePlayError, this, &WizardPreviews::play_error);
        connect(m.player, &VlcWidget::receivePlayStart, this, [] { qDebug().noquote() << "GuideConfig:: 播放成功!"; });
        connect(m.button, &QPushButton::clicked, this, [this, id = m.id] { clicked(id); });
    }
    connect(ui.teacher_preset_comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { run([this, index] { combo_changed(true, index); }); });
    connect(ui.teacher_track_test_comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { run([this, index] { combo_changed(false, index); }); });
    connect(ui.teacher_calibration_checkBox, &QCheckBox::stateChanged, this,
            [this](int state) { calibration_cross(Side::Teacher, state); });
    connect(ui.student_calibration_checkBox, &QCheckBox::stateChanged, this,
            [this](int state) { calibration_cross(Side::Student, state); });
}

// The players stop with the form, their owner.
WizardPreviews::~WizardPreviews() = default;

const WizardPreviews::Member &WizardPreviews::member(Preview preview) const { return m_members.at(int(preview)); }
VlcWidget *WizardPreviews::player(Preview preview) const { return member(preview).player; }
QImage WizardPreviews::teacher_region_picture() const { return ui.teacher_track_region_vlc_2->getImage(); }
bool WizardPreviews::is_on(Preview preview) const { return member(preview).button->text() != tr("Connect"); }
bool WizardPreviews::step_closed(Step step) const { return m_step_closed[int(step)]; }

bool WizardPreviews::side_on(Side side) const
{
    for (const Member &m : m_members)
        if (m.side == side && is_on(m.id))
            return true;
    return false;
}

void WizardPreviews::set_page(int page) { m_page = page; }
void WizardPreviews::set_layout(int layout)
{
    m_layout = layout;
    QStringList cameras{tr("Feature IP")};
    if (layout == 2 || layout == 3)
        cameras << tr("Board 1");
    if (layout == 3)
        cameras << tr("Board 2");
    // Refilled quietly: the steps' entries show what the new choice means.
    for (QComboBox *combo : {ui.teacher_preset_comboBox, ui.teacher_track_test_comboBox}) {
        const QSignalBlocker quiet(combo);
        combo->clear();
        combo->addItems(cameras);
    }
}

std::optional<WizardPreviews::Step> WizardPreviews::step_of_page(int page) const
{
    for (const Member &m : m_members)
        if (m.page == page)
            return m.step;
    return std::nullopt;
}

void WizardPreviews::enter_step(Step step, const QString &feature, const QString &pano)
{
    QList<const Member *> previews;
    for (const Member &m : m_members)
        if (m.step == step)
            previews << &m;
    for (const Member *m : previews)
        m->field->setText(m->pano() ? pano : feature);
    const bool preset = step == Step::TeacherPreset;
    if (preset || step == Step::TeacherTrackTest) {
        QComboBox *combo = preset ? ui.teacher_preset_comboBox : ui.teacher_track_test_comboBox;
        QStackedWidget *stack = preset ? ui.teacher_preset_stackedWidget : ui.teacher_track_test_stackedWidget;
        combo->setEnabled(m_layout == 2 || m_layout == 3);
        const int index = combo->currentIndex();
        if (index > 0) {
            const bool first = m_layout == 2 || index == 1;
            emit board_keys_shown_wanted(!preset, first, m_layout == 2 || !first);
            previews.first()->field->setText(first ? m_board1_address : m_board2_address);
            stack->setCurrentIndex(kBoardPage);
        } else {
            show_preset_pages();
        }
    }
    const Side side = previews.first()->side;
    if (side == Side::Teacher)
        close_teacher_previews();
    else
        close_student_previews();
    if (step_closed(step))
        return;
    for (const Member *m : previews) {
        if (m != previews.first())
            wait_ms(kBetweenConnectsMs);
        toggle(m->id);
    }
}

void WizardPreviews::set_rtsp_ports(const QString &teacher, const QString &student)
{
    m_rtsp_port[0] = teacher;
    m_rtsp_port[1] = student;
}

void WizardPreviews::set_stored_addresses(const QString &teacher_feature, const QString &board1, const QString &board2)
{
    m_teacher_feature_address = teacher_feature;
    m_board1_address = board1;
    m_board2_address = board2;
}

void WizardPreviews::set_tracking_mode(const QString &mode) { m_tracking_mode = mode; }
void WizardPreviews::set_board_apply_owed(bool owed) { m_board_apply_owed = owed; }

void WizardPreviews::reset()
{
    for (bool &closed : m_step_closed)
        closed = false;
}

// A connect or disconnect handles events while it waits (the check, the player, the link, the
// boxes); whatever asks for a preview meanwhile runs after it, in order, never inside it.
void WizardPreviews::run(std::function<void()> work)
{
    if (m_busy) {
        m_waiting << std::move(work);
        return;
    }
    m_busy = true;
    work();
    while (!m_waiting.isEmpty())
        m_waiting.takeFirst()();
    m_busy = false;
}

// An installer's click while a connect runs is dropped: the button shows what it will be.
void WizardPreviews::clicked(Preview preview)
{
    if (m_busy) {
        qDebug() << "GuideConfig: a preview connect runs, the click is dropped";
        return;
    }
    toggle(preview);
}

void WizardPreviews::toggle(Preview preview)
{
    run([this, preview] {
        const Member &m = member(preview);
        if (m.button->text() == tr("Connect"))
            connect_preview(m);
        else
            disconnect_preview(m);
    });
}

void WizardPreviews::connect_preview(const Member &m)
{
    const QString text = m.field->text();
    const QString address = camera_slot::parse_address_field(text).address;
    if (m.id == Preview::TeacherPresetPano || m.id == Preview::StudentPresetPano)
        m.button->setText(tr("Disconnect"));
    if (m.id == Preview::TeacherCalibrationPano) {
        if (m_tracking.tracking_shown(Side::Teacher))
            m_tracking.stop_tracking_test(Side::Teacher); // while its pano is still there
        m_link.delete_destination(Slot::TeacherPano);
        m_link.set_connected(Slot::TeacherPano, false);
    }
    if (m.destination_first) {
        if (m.id == Preview::StudentTrackTestPano)
            qDebug().noquote() << "student track test dest:" << address;
        m_link.set_destination(m.slot, address);
    }
    if (!reachability::isReachable(address)) {
        check_failed(m);
        return;
    }
    if (!m.destination_first)
        m_link.set_destination(m.slot, address);
    Form form = m.pano() && m.id != Preview::TeacherCalibrationPano ? Form::Pano : Form::Plain;
    if ((m.id == Preview::TeacherPresetFeature && ui.teacher_preset_comboBox->currentIndex() != 0)
        || (m.id == Preview::TeacherTrackTestFeature && ui.teacher_track_test_comboBox->currentIndex() != 0))
        form = Form::BoardCamera;
    const QString url = wizard_preview_url::url(text, m_rtsp_port[side_index(m.side)], QLatin1String(m.path), form, m_layout);
    qDebug().noquote() << m.url_log << url << ",tmpIp:" << address;
    m.button->setText(tr("Disconnect"));
    m.player->setUrl(url);
    m.player->setBgState(m.background);
    m.player->open();
    m_link.set_connected(m.slot, true);
    start_link(m.slot, address);
    after_connect(m);
}

void WizardPreviews::check_failed(const Member &m)
{
    m.button->setText(tr("Connect"));
    m_step_closed[int(m.step)] = true;
    if (m.pad != kNoPad && m.side == Side::Teacher && m.id != Preview::TeacherTrackTestFeature)
        emit pad_enabled_wanted(Pad(m.pad), false);
    if (m.id == Preview::TeacherRegionPano) {
        emit teacher_crop_lock_wanted(true);
        emit crop_status_forgotten(Side::Teacher);
    }
    if (m.id == Preview::StudentRegionPano)
        m_tracking.drop_region_showing(Side::Student);
    // A running test of the side stops while its pano is still there.
    if (m.pano() && m_link.connected(m.slot) && m_tracking.tracking_shown(m.side))
        m_tracking.stop_tracking_test(m.side);
    msgbox::warning(m_window, tr("Warning"), tr("Connection timeout"));
    // The camera whose check failed lets go, of whichever side it is.
    m_link.connection_timeout(m.slot);
}

void WizardPreviews::start_link(Slot slot, const QString &address)
{
    switch (slot) {
    case Slot::TeacherFeature: m_link.startTeacherFeatureTcp(address); break;
    case Slot::TeacherPano: m_link.startTeacherPanoTcp(address); break;
    case Slot::StudentFeature: m_link.startStudnetFeatureTcp(address); break;
    default: m_link.startStudentPanoTcp(address); break;
    }
}

void WizardPreviews::stop_link(Slot slot)
{
    switch (slot) {
    case Slot::TeacherFeature: m_link.stopTeacherFeatureTcp(); break;
    case Slot::TeacherPano: m_link.stopTeacherPanoTcp(); break;
    case Slot::StudentFeature: m_link.stopStudentFeatureTcp(); break;
    default: m_link.stopStudentPanoTcp(); break;
    }
}

void WizardPreviews::ask_tracking_status(Side side)
{
    const Slot pano = side == Side::Student ? Slot::StudentPano : Slot::TeacherPano;
    m_link.sendMsg_Net(m_link.destination(pano), WizardLink::kTrackingPort,
                       wizard_commands::tracking_status_request(side), false);
}

void WizardPreviews::board_block_after(int ms)
{
    wait_ms(ms);
    emit board_block_wanted();
}

void WizardPreviews::after_connect(const Member &m)
{
    m_step_closed[int(m.step)] = false;
    const bool tracking = m.side == Side::Student && m_tracking.tracking_shown(Side::Student);
    switch (m.id) {
    case Preview::TeacherCalibrationFeature:
    case Preview::TeacherPresetFeature:
    case Preview::TeacherTrackTestFeature:
        emit pad_enabled_wanted(Pad(m.pad), true);
        break;
    case Preview::StudentCalibrationFeature:
    case Preview::StudentPresetFeature:
    case Preview::StudentTrackTestFeature:
        // While the student tracking test runs the pad stays locked and the step keeps its mark.
        if (tracking)
            m_step_closed[int(m.step)] = true;
        else
            emit pad_enabled_wanted(Pad(m.pad), true);
        break;
    case Preview::TeacherCalibrationPano:
    case Preview::StudentCalibrationPano:
    case Preview::StudentTrackTestPano:
        if (m.id == Preview::StudentTrackTestPano) {
            ui.groupBox_12->setEnabled(true);
            emit tracking_controls_enabled_wanted(Side::Student, true);
        }
        ask_tracking_status(m.side);
        emit params_changed(m.side);
        emit params_complete(m.side);
        break;
    case Preview::TeacherRegionPano:
        emit crop_status_asked(Side::Teacher);
        emit teacher_crop_lock_wanted(false);
        m_link.sendMsg_Net(m_link.destination(Slot::TeacherPano), WizardLink::kTrackingPort,
                           wizard_commands::crop_status_request(Side::Teacher), false);
        ask_tracking_status(Side::Teacher);
        emit params_complete(Side::Teacher);
        break;
    case Preview::StudentRegionPano:
        emit crop_status_asked(Side::Student);
        m_link.sendMsg_Net(m_link.destination(Slot::StudentPano), WizardLink::kTrackingPort,
                           wizard_commands::crop_status_request(Side::Student), false);
        wait_ms(kCropThenStatusMs);
        ask_tracking_status(Side::Student);
        emit params_complete(Side::Student);
        break;
    case Preview::TeacherPresetPano:
        if (!m_tracking.tracking_shown(Side::Teacher))
            emit presets_enabled_wanted(Side::Teacher, true);
        ask_tracking_status(Side::Teacher);
        if (ui.teacher_preset_comboBox->currentIndex() == 0) {
            emit params_complete(Side::Teacher);
        } else if (m_board_apply_owed) {
            m_board_apply_owed = false;
            board_block_after(kBoardBlockDelayMs);
            qDebug() << "isFirstClick:";
        }
        break;
    case Preview::StudentPresetPano:
        if (!tracking) {
            ui.student_preset_groupBox->setEnabled(true);
            emit presets_enabled_wanted(Side::Student, true);
        }
        ask_tracking_status(Side::Student);
        emit params_complete(Side::Student);
        break;
    case Preview::TeacherTrackTestPano:
        emit tracking_controls_enabled_wanted(Side::Teacher, true);
        ask_tracking_status(Side::Teacher);
        if (ui.teacher_track_test_comboBox->currentIndex() == 0) {
            emit params_changed(Side::Teacher);
            emit params_complete(Side::Teacher);
        } else {
            board_block_after(kBoardBlockDelayMs);
        }
        break;
    }
}

void WizardPreviews::disconnect_preview(const Member &m)
{
    before_disconnect(m);
    m.player->close();
    m.button->setText(tr("Connect"));
    m_link.set_connected(m.slot, false);
    m_step_closed[int(m.step)] = true;
    if (m.id != Preview::StudentTrackTestFeature)
        stop_link(m.slot);
    after_disconnect(m);
    qDebug().noquote() << "delete" << camera_slot::name(m.slot).replace(QLatin1Char('_'), QLatin1Char(' ')) << "dest";
    m_link.delete_destination(m.slot);
}

// A tracking test stops while its pano camera is still connected: its stop goes out and the
// side's pages unlock.
void WizardPreviews::before_disconnect(const Member &m)
{
    if (m.id == Preview::TeacherTrackTestPano || m.id == Preview::StudentTrackTestPano) {
        emit tracking_overlay_reset_wanted(m.side);
        if (m_tracking.tracking_shown(m.side))
            m_tracking.stop_tracking_test(m.side);
    }
}

void WizardPreviews::after_disconnect(const Member &m)
{
    if (m.pad != kNoPad)
        emit pad_enabled_wanted(Pad(m.pad), false);
    switch (m.id) {
    case Preview::TeacherRegionPano:
        emit crop_status_forgotten(Side::Teacher);
        emit teacher_crop_lock_wanted(true);
        m_regions.clear_region_scene();
        m_tracking.drop_region_showing(Side::Teacher);
        break;
    case Preview::TeacherPresetPano:
        emit presets_enabled_wanted(Side::Teacher, false);
        break;
    case Preview::TeacherTrackTestPano:
        emit tracking_controls_enabled_wanted(Side::Teacher, false);
        break;
    case Preview::StudentCalibrationFeature:
        ui.student_calibration_checkBox->setChecked(false);
        calibration_cross(Side::Student, Qt::Unchecked);
        break;
    case Preview::StudentRegionPano:
        emit crop_status_forgotten(Side::Student);
        m_tracking.drop_region_showing(Side::Student);
        break;
    case Preview::StudentPresetPano:
        ui.student_preset_groupBox->setEnabled(false);
        emit presets_enabled_wanted(Side::Student, false);
        break;
    case Preview::StudentTrackTestPano:
        ui.groupBox_12->setEnabled(false);
        emit tracking_controls_enabled_wanted(Side::Student, false);
        break;
    default:
        break;
    }
}

void WizardPreviews::close_teacher_previews()
{
    run([this] { close_side(Side::Teacher); });
}

void WizardPreviews::close_student_previews()
{
    run([this] { close_side(Side::Student); });
}

// Every preview of the side off, its link down and its destinations and connected marks gone:
// a command after this warns that the camera is not connected instead of going nowhere.
void WizardPreviews::close_side(Side side)
{
    if (m_tracking.tracking_shown(side))
        m_tracking.stop_tracking_test(side);
    for (const Member &m : m_members) {
        if (m.side != side)
            continue;
        m.player->close();
        m.button->setText(tr("Connect"));
    }
    const Slot feature = side == Side::Student ? Slot::StudentFeature : Slot::TeacherFeature;
    const Slot pano = side == Side::Student ? Slot::StudentPano : Slot::TeacherPano;
    if (side == Side::Teacher) {
        m_link.abort_camera_link();
    } else {
        m_link.stopStudentPanoTcp();
        m_link.stopStudentFeatureTcp();
    }
    for (Slot slot : {feature, pano}) {
        m_link.delete_destination(slot);
        m_link.set_connected(slot, false);
    }
}

void WizardPreviews::show_preset_pages()
{
    const int index = ui.teacher_preset_comboBox->currentIndex();
    int page = kFollowPage;
    if (index == 1 || index == 2)
        page = kBoardPage;
    else if (m_tracking_mode == QLatin1String("0"))
        page = kThreePresetsPage;
    else if (m_tracking_mode == QLatin1String("4"))
        page = kBoardPanoPage;
    ui.teacher_preset_stackedWidget->setCurrentIndex(page);
    ui.teacher_track_test_stackedWidget->setCurrentIndex(page);
}

void WizardPreviews::combo_changed(bool preset_combo, int index)
{
    qDebug() << (preset_combo ? "enter teacher_preset_currentIndexChanged:"
                              : "enter teacher_track_test_comboBox_currentIndexChanged:")
             << index;
    QStackedWidget *stack = preset_combo ? ui.teacher_preset_stackedWidget : ui.teacher_track_test_stackedWidget;
    QComboBox *other = preset_combo ? ui.teacher_track_test_comboBox : ui.teacher_preset_comboBox;
    QLineEdit *field = preset_combo ? ui.teacher_preset_feature_ip_lineEdit : ui.teacher_track_test_feature_ip_lineEdit;
    if (index == 1 || index == 2) {
        stack->setCurrentIndex(kBoardPage);
        other->setCurrentIndex(index);
        if (index == 2)
            emit board_keys_shown_wanted(!preset_combo, false, true);
        else if (m_layout == 2 || m_layout == 3)
            emit board_keys_shown_wanted(!preset_combo, true, m_layout == 2);
        field->setText(index == 1 ? m_board1_address : m_board2_address);
        if (preset_combo && m_board_apply_owed) {
            m_board_apply_owed = false;
            emit board_block_wanted();
            qDebug() << "isFirstClick:";
        }
    } else {
        stack->setCurrentIndex(m_tracking_mode == QLatin1String("0")   ? kThreePresetsPage
                               : m_tracking_mode == QLatin1String("4") ? kBoardPanoPage
                                                                       : kFollowPage);
        field->setText(m_teacher_feature_address);
        other->setCurrentIndex(0);
    }
    if (preset_combo)
        emit preset_camera_chosen(index);
    const int page = preset_combo ? kTeacherPresetPage : kTeacherTrackTestPage;
    if (m_page != page)
        return;
    const Member &m = member(preset_combo ? Preview::TeacherPresetFeature : Preview::TeacherTrackTestFeature);
    const char *name = preset_combo ? "teacher_perset_feature_connect_Button" : "teacher_track_test_feature_connect_Button";
    if (m.button->text() == tr("Connect")) {
        connect_preview(m);
        qDebug() << name << ": connect!";
    } else {
        disconnect_preview(m);
        wait_ms(kReconnectPauseMs);
        connect_preview(m);
        qDebug() << name << ": disconnect!";
    }
}

void WizardPreviews::calibration_cross(Side side, int state)
{
    const QImage cross = state == Qt::Checked ? QImage(QStringLiteral(":/label.png")) : QImage();
    const Preview feature = side == Side::Student ? Preview::StudentCalibrationFeature : Preview::TeacherCalibrationFeature;
    const Preview pano = side == Side::Student ? Preview::StudentCalibrationPano : Preview::TeacherCalibrationPano;
    player(feature)->setBgImage(cross);
    player(pano)->setBgImage(cross);
}

void WizardPreviews::play_error()
{
    qDebug().noquote() << "GuideConfig:: 播放失败!";
    msgbox::warning(nullptr, tr("RTSP Connection Error"),
                    tr("RTSP authentication failed. Please check if authentication is enabled on the web or other "
                       "exceptions!"));
}
