#include "guide/guideconfig.h"

#include "ui_guideconfig.h"

#include "detection/yolo.h"
#include "guide/camera_settings_step.h"
#include "guide/director_page.h"
#include "guide/guide_settings.h"
#include "guide/step_flow.h"
#include "guide/student_area_step.h"
#include "guide/student_params.h"
#include "guide/teacher_params.h"
#include "guide/teacher_region_step.h"
#include "guide/tracking_mode_step.h"
#include "guide/wizard_command_keys.h"
#include "guide/wizard_detection.h"
#include "guide/wizard_previews.h"
#include "guide/wizard_replies.h"
#include "model/guide_state.h"
#include "net/wizard_link.h"
#include "protocol/camera_address.h"
#include "seams/message_box.h"
#include "support/interface_font.h"
#include "support/resources.h"
#include "support/retranslate_keeping.h"

#include <QCloseEvent>
#include <QDebug>
#include <QHostAddress>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kWidth = 994;
constexpr int kHeight = 727;
constexpr int kLayoutCount = 4; // 2, 4, 5 and 6 cameras

// The six address fields, in the hand-over record's order, into their copies.
void take_addresses(const QStringList &fields, std::initializer_list<QString *> copies)
{
    int i = 0;
    for (QString *copy : copies)
        *copy = fields.value(i++);
}
} // namespace

GuideConfig::GuideConfig(BorrowedRegionScene &regions, QWidget *parent)
    : QWidget(parent)
    , ui((corvane_init_resources(), new Ui::GuideConfig))
    , m_state(std::make_unique<GuideState>())
    , m_link(std::make_unique<WizardLink>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);

    camera_settings = std::make_unique<CameraSettingsStep>(
        CORVANE_FORM_WIDGETS(CameraSettingsStep, CAMERA_SETTINGS_STEP_WIDGETS, ui), *m_state, *m_link, this);
    step_flow = std::make_unique<StepFlow>(CORVANE_FORM_WIDGETS(StepFlow, STEP_FLOW_WIDGETS, ui), *m_state, *m_link,
                                           *camera_settings, this);
    build_data_steps(regions);
    build_command_objects();
    settings_file = std::make_unique<GuideSettings>(*m_state, *teacher_params, *student_params);

    connect(this, &GuideConfig::closeGuideWidget, this, &QWidget::close);
    connect(step_flow.get(), &StepFlow::addresses_wanted, this, &GuideConfig::initGuideConfig);
    connect(step_flow.get(), &StepFlow::finish_wanted, this, &GuideConfig::finish_guide);
    // The data steps' part of an entry (the region fields) before the previews' part.
    connect(step_flow.get(), &StepFlow::step_entered, this, &GuideConfig::data_step_entered);
    connect(step_flow.get(), &StepFlow::step_entered, this, &GuideConfig::step_entered);
    connect(step_flow.get(), &StepFlow::sign_teacher_params_complete, this, &GuideConfig::sign_teacher_params_complete);
    connect(step_flow.get(), &StepFlow::student_apply_wanted, this, &GuideConfig::student_apply_wanted);
    connect(camera_settings.get(), &CameraSettingsStep::layout_chosen, step_flow.get(),
            [this](int layout) { step_flow->set_calibration_steps_hidden(layout == 0); });
    connect_data_steps();
    connect_command_objects();
    connect(m_link.get(), &WizardLink::textReply, this, &GuideConfig::resolver_param);
    connect(m_link.get(), &WizardLink::datagramAnswersExpected, this, &GuideConfig::datagramAnswersExpected);
    connect(m_link.get(), &WizardLink::commandFormatError, this,
            [this] { msgbox::information(this, tr("information"), tr("Command format error")); });

    const QStringList stored = settings_file->readFileConfig();
    if (!stored.isEmpty())
        camera_settings->set_addresses(stored);
    reset_guide_state();
    mode_step->restore_tracking_mode_radio(settings_file->stored_mode());
    qDebug() << "GuideConfig::current_state:" << m_state->current_state;
    step_flow->setExitVisible(m_state->current_state);

    if (unsigned(m_state->current_number_camera) >= unsigned(kLayoutCount))
        m_state->current_number_camera = 0;
    qDebug() << 6181 << " current_number_camera = " << m_state->current_number_camera;
    camera_settings->apply_layout(m_state->current_number_camera);
}

GuideConfig::~GuideConfig()
{
    // The players that still play and their threads stop before the links close, the links
    // before the steps that drive them go, the steps before their widgets.
    if (previews->side_on(Side::Teacher))
        previews->close_teacher_previews();
    if (previews->side_on(Side::Student))
        previews->close_student_previews();
    m_link->stop_keepalive_timers();
    detection.reset();
    previews.reset();
    keys.reset();
    settings_file.reset();
    replies.reset();
    director_page.reset();
    student_params.reset();
    student_area.reset();
    teacher_params.reset();
    teacher_regions.reset();
    mode_step.reset();
    step_flow.reset();
    camera_settings.reset();
    delete ui;
}

void GuideConfig::reset_guide_state()
{
    for (Slot camera : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano}) {
        m_link->delete_destination(camera);
        m_link->set_connected(camera, false);
    }
    GuideState &s = *m_state;
    s.student_step = false;
    s.student_run_state = s.teacher_run_state = GuideState::kStopped;
    keys->reset();
    keys->set_pad_speeds(teacher_params->pan_speed(), teacher_params->tilt_speed());
    previews->reset();
}

void GuideConfig::initGuideConfig()
{
    const QStringList a = camera_settings->addresses();
    GuideState &s = *m_state;
    take_addresses(a, {&s.t_feature_ip_edit, &s.t_pano_ip_edit, &s.s_feature_ip_edit, &s.s_pano_ip_edit,
                       &s.t_board_ip_edit, &s.t_board_ip_edit2});
    update_data_addresses();
    qDebug() << "GuideConfig::initGuideConfig:" << a;
}

void GuideConfig::setExitVisible(QString state) { step_flow->setExitVisible(state); }

void GuideConfig::resolver_param(const QByteArray &reply) { emit reply_received(reply); }

void GuideConfig::setGuideEnabledStatus(int type, bool status)
{
    qDebug() << "GuideConfig::setGuideEnabledStatus type:" << type << ", status:" << status;
    if (type != 0 && type != 1)
        return;
    if (type == 0) {
        teacher_regions->set_view_enabled(status);
        mode_step->set_buttons_enabled(status);
        teacher_params->set_options_enabled(status);
        camera_settings->update_teacher_option_boxes();
        camera_settings->update_teacher_speed_box();
    } else {
        student_params->set_options_enabled(status);
    }
    emit guide_enabled_status(type, status);
}

void GuideConfig::receiverData(QVariant data)
{
    // The form's re-texting would put the director codes, server address and port typed in the
    // last run back to the form's texts, which the finish then sends to the cameras.
    retranslate_keeping_line_edits(this, [this] { ui->retranslateUi(this); });
    step_flow->translate_step_tree();
    keys->retranslate_pads();
    step_flow->show_first_step();

    const Guide_Data_Update_Manage record = GuideSettings::record_of(data);
    camera_settings->set_addresses({record.teacher_feature_ip, record.teacher_pano_ip, record.student_feature_ip,
                                    record.student_pano_ip, record.board_feature_ip, record.board_pano_ip});
    const int layout = unsigned(record.camera_number) < unsigned(kLayoutCount) ? record.camera_number : 0;
    camera_settings->apply_layout(layout);
    settings_file->guide_data().current_language = record.current_language;
    apply_interface_font(this, record.current_language);
    qDebug().nospace() << "GuideConfig::receiverData->home_data.camera_number:" << record.camera_number
                       << ",current_language:" << record.current_language;
}

void GuideConfig::emit_guide_data()
{
    Guide_Data_Update_Manage &d = settings_file->guide_data();
    take_addresses(camera_settings->addresses(), {&d.teacher_feature_ip, &d.teacher_pano_ip, &d.student_feature_ip,
                                                  &d.student_pano_ip, &d.board_feature_ip, &d.board_pano_ip});
    d.camera_number = camera_settings->layout();
    emit transferData(QVariant::fromValue(d));
}

void GuideConfig::closeGuidePage()
{
    emit_guide_data();
    emit setupCompleted();
    m_closing_self = true;
    emit closeGuideWidget();
    m_closing_self = false;
    qDebug() << "MainWindow::closeGuidePage:";
}

void GuideConfig::finish_guide()
{
    // The steps' saves wait with events handled: no move, no second finish and no close meanwhile.
    if (m_finishing)
        return;
    m_finishing = true;
    step_flow->hold(true);
    settings_file->writeFileConfig(camera_settings->addresses(), mode_step->current_mode());
    // Each block once more, as the pages show it, unless that side's tracking test runs.
    teacher_params->mark_changed();
    teacher_params->saveTeacherParams();
    student_params->mark_changed();
    student_params->saveStudentParams();
    director_page->director_apply();
    student_area->hide_tracking_overlay(Side::Student);
    keys->drop_region_showing(Side::Student);
    // The previews let go of their cameras (and their players' threads) before the scene is cleared.
    previews->close_teacher_previews();
    previews->close_student_previews();
    teacher_regions->clear_region_scene();
    keys->drop_region_showing(Side::Teacher);
    set_teacher_region_enabled(false);
    m_link->set_connected(Slot::TeacherPano, false);
    m_link->set_connected(Slot::StudentPano, false);
    m_link->set_connected(Slot::StudentFeature, false);
    teacher_params->clear_changed();
    student_params->clear_changed();
    director_page->clear_changed();
    keys->reset();
    keys->set_pad_speeds(teacher_params->pan_speed(), teacher_params->tilt_speed());
    m_link->stop_keepalive_timers();
    m_link->delete_teacher_destinations();
    m_link->delete_student_destinations();
    closeGuidePage();
    step_flow->hold(false);
    m_finishing = false;
}

void GuideConfig::closeEvent(QCloseEvent *event)
{
    if (m_closing_self) {
        event->accept();
        return;
    }
    // Closed by the window's button: left as by the exit button, or not at all. A close while the
    // wizard is busy (a finish, a step's wait, the question itself) is refused.
    if (m_finishing || step_flow->busy() || !step_flow->ask_exit()) {
        event->ignore();
        return;
    }
    finish_guide();
    event->accept();
}

void GuideConfig::showEvent(QShowEvent *event)
{
    teacher_regions->listen_to_scene(true);
    QWidget::showEvent(event);
}

void GuideConfig::hideEvent(QHideEvent *event)
{
    teacher_regions->listen_to_scene(false);
    QWidget::hideEvent(event);
}

void GuideConfig::build_data_steps(BorrowedRegionScene &regions)
{
    mode_step = std::make_unique<TrackingModeStep>(CORVANE_FORM_WIDGETS(TrackingModeStep, TRACKING_MODE_STEP_WIDGETS, ui),
                                                   *m_link, this);
    teacher_regions = std::make_unique<TeacherRegionStep>(
        CORVANE_FORM_WIDGETS(TeacherRegionStep, TEACHER_REGION_STEP_WIDGETS, ui), regions, *m_link,
        *ui->teacher_show_region_checkBox);
    // The command keys keep the tracking tests the pages ask about.
    keys = std::make_unique<WizardCommandKeys>(CORVANE_FORM_WIDGETS(WizardCommandKeys, WIZARD_COMMAND_KEYS_WIDGETS, ui),
                                               *m_link, *teacher_regions, this);
    teacher_params = std::make_unique<TeacherParams>(CORVANE_FORM_WIDGETS(TeacherParams, TEACHER_PARAMS_WIDGETS, ui),
                                                     *m_link, *mode_step, *teacher_regions, m_data_addresses, *keys,
                                                     this);
    student_area = std::make_unique<StudentAreaStep>(
        CORVANE_FORM_WIDGETS(StudentAreaStep, STUDENT_AREA_STEP_WIDGETS, ui), *m_link, *teacher_regions,
        *ui->student_show_region_checkBox, *keys, *ui->stackedWidget, this);
    student_params = std::make_unique<StudentParams>(CORVANE_FORM_WIDGETS(StudentParams, STUDENT_PARAMS_WIDGETS, ui),
                                                     *m_link, *student_area, m_data_addresses, *keys);
    director_page = std::make_unique<DirectorPage>(CORVANE_FORM_WIDGETS(DirectorPage, DIRECTOR_PAGE_WIDGETS, ui), *m_link,
                                                   m_data_addresses, *ui->stackedWidget, this);
    replies = std::make_unique<WizardReplies>(
        CORVANE_FORM_WIDGETS(WizardReplies, WIZARD_REPLIES_WIDGETS, ui), *m_link,
        WizardReplies::Pages{*mode_step, *teacher_params, *teacher_regions, *student_params, *student_area,
                             *director_page},
        this);
}

void GuideConfig::connect_data_steps()
{
    connect(this, &GuideConfig::reply_received, replies.get(), &WizardReplies::resolver_param);
    // A block read from a reply, a mode clicked, a step entered: the side's save.
    connect(replies.get(), &WizardRepliesSignals::teacher_params_complete, this,
            &GuideConfig::sign_teacher_params_complete);
    connect(replies.get(), &WizardRepliesSignals::student_params_complete, this,
            &GuideConfig::sign_student_params_complete);
    connect(this, &GuideConfig::sign_teacher_params_complete, teacher_params.get(),
            &TeacherParams::slot_save_teacher_params);
    connect(this, &GuideConfig::sign_student_params_complete, student_params.get(),
            &StudentParams::slot_save_student_params);
    connect(mode_step.get(), &TrackingModeStepSignals::mode_clicked, this, [this] {
        teacher_params->mark_changed();
        emit sign_teacher_params_complete();
    });
    connect(teacher_regions.get(), &TeacherRegionStepSignals::regions_changed, teacher_params.get(),
            &TeacherParams::mark_changed);
    connect(student_area.get(), &StudentAreaStepSignals::student_area_changed, student_params.get(),
            &StudentParams::mark_changed);
    connect(step_flow.get(), &StepFlow::student_apply_wanted, student_params.get(), &StudentParams::student_apply);
    connect(replies.get(), &WizardRepliesSignals::tracking_status, this, &GuideConfig::tracking_status);
    connect(camera_settings.get(), &CameraSettingsStep::pano_address_edited, this, &GuideConfig::pano_address_edited);
    connect(camera_settings.get(), &CameraSettingsStep::layout_chosen, director_page.get(), &DirectorPage::set_layout);
    connect(director_page.get(), &DirectorPageSignals::sending, step_flow.get(), &StepFlow::set_page_sending);
    connect(camera_settings.get(), &CameraSettingsStep::layout_chosen, this, &GuideConfig::update_data_addresses);
}

void GuideConfig::update_data_addresses()
{
    const GuideState &s = *m_state;
    Guide_Data_Update_Manage &d = m_data_addresses;
    d.teacher_feature_ip = s.t_feature_ip_edit;
    d.teacher_pano_ip = s.t_pano_ip_edit;
    d.student_feature_ip = s.s_feature_ip_edit;
    d.student_pano_ip = s.s_pano_ip_edit;
    d.board_feature_ip = s.t_board_ip_edit;
    d.board_pano_ip = s.t_board_ip_edit2;
    d.camera_number = s.current_number_camera;
}

void GuideConfig::data_step_entered(int page)
{
    // The region steps' camera: in the two-camera layout the side's only camera, by its address.
    GuideState &s = *m_state;
    const bool two = s.current_number_camera == 0;
    keys->set_student_step(s.student_step);
    previews->set_page(page);
    previews->set_tracking_mode(mode_step->current_mode());
    previews->set_stored_addresses(s.t_feature_ip_edit, s.t_board_ip_edit, s.t_board_ip_edit2);
    // The board block owed since a board address or the layout changed goes with the board's preview.
    if (s.isFirstClick) {
        previews->set_board_apply_owed(true);
        s.isFirstClick = false;
    }
    using Step = WizardPreviews::Step;
    const std::optional<Step> step = previews->step_of_page(page);
    if (!step)
        return;
    const bool teacher = *step < Step::StudentCalibration;
    const QString &feature = teacher ? s.t_feature_ip_edit : s.s_feature_ip_edit;
    const QString &pano = teacher ? s.t_pano_ip_edit : s.s_pano_ip_edit;
    // In the two-camera layout the side's one camera is its pano too, by its address; the
    // calibration steps are not shown in that layout.
    const QString pano_address = two ? camera_address::address_part(feature) : pano;
    if (*step == Step::TeacherRegion)
        qDebug() << "19:20:23" << "GuideConfig::teacherTrackingRegion->tmp_pano_ip:" << pano_address;
    const bool calibration = *step == Step::TeacherCalibration || *step == Step::StudentCalibration;
    previews->enter_step(*step, feature, calibration ? pano : pano_address);
}

void GuideConfig::pano_address_edited(Side side)
{
    keys->drop_region_showing(side);
    if (side == Side::Teacher)
        student_area->hide_tracking_overlay(Side::Teacher);
}

void GuideConfig::set_teacher_region_enabled(bool on)
{
    teacher_regions->set_controls_enabled(on);
    teacher_params->set_get_request_enabled(on);
    detection->set_enabled(on);
    keys->set_auto_track_enabled(on);
}

void GuideConfig::tracking_status(Side side, bool start, bool stop, bool error)
{
    const bool teacher = side == Side::Teacher;
    GuideState &s = *m_state;
    int &run_state = teacher ? s.teacher_run_state : s.student_run_state;
    const int type = teacher ? 0 : 1;
    if (start) {
        const bool asked = keys->track_state(side);
        if (asked) {
            run_state = GuideState::kTracking;
            setGuideEnabledStatus(type, false);
            keys->set_tracking_shown(side, true);
        } else {
            // Tracking the wizard did not start is stopped as the box's untick stops it.
            emit tracking_stop_wanted(side);
        }
        if (teacher)
            qDebug() << "GuideConfig::teacher tracking start ->[teacher_track_state] " << asked;
    }
    if (stop || error) {
        run_state = GuideState::kStopped;
        setGuideEnabledStatus(type, true);
        if (stop)
            keys->set_tracking_shown(side, false);
        if (error)
            emit previews_close_wanted(side);
    }
}

void GuideConfig::build_command_objects()
{
    previews = std::make_unique<WizardPreviews>(CORVANE_FORM_WIDGETS(WizardPreviews, WIZARD_PREVIEWS_WIDGETS, ui), *m_link,
                                                *keys, *teacher_regions, this);
    detection = std::make_unique<WizardDetection>(CORVANE_FORM_WIDGETS(WizardDetection, WIZARD_DETECTION_WIDGETS, ui),
                                                  *m_link, *keys, *previews, *teacher_regions, yolo_model, this);
}

void GuideConfig::lock_side(Side side, bool locked)
{
    (side == Side::Teacher ? m_state->teacher_run_state : m_state->student_run_state) =
        locked ? GuideState::kTracking : GuideState::kStopped;
    setGuideEnabledStatus(side == Side::Teacher ? 0 : 1, !locked);
}

void GuideConfig::connect_command_objects()
{
    WizardCommandKeys *k = keys.get();
    WizardPreviews *p = previews.get();
    auto mark = [this](Side side) {
        if (side == Side::Teacher)
            teacher_params->mark_changed();
        else
            student_params->mark_changed();
    };
    connect(teacher_params.get(), &TeacherParamsSignals::pad_speeds_changed, k, &WizardCommandKeys::set_pad_speeds);
    connect(teacher_regions.get(), &TeacherRegionStepSignals::editing_switched, this, [this](Side side, bool on) {
        if (side == Side::Teacher)
            set_teacher_region_enabled(on);
        else
            student_area->regions_shown_changed(on);
    });
    connect(k, &WizardCommandKeysSignals::pages_locked, this, &GuideConfig::lock_side);
    connect(k, &WizardCommandKeysSignals::params_changed, this, mark);
    connect(detection.get(), &WizardDetectionSignals::params_changed, this, mark);
    connect(p, &WizardPreviewsSignals::pad_enabled_wanted, k, &WizardCommandKeys::set_pad_enabled);
    connect(p, &WizardPreviewsSignals::presets_enabled_wanted, k, &WizardCommandKeys::set_presets_enabled);
    connect(p, &WizardPreviewsSignals::tracking_controls_enabled_wanted, k,
            &WizardCommandKeys::set_tracking_controls_enabled);
    connect(p, &WizardPreviewsSignals::board_keys_shown_wanted, k, &WizardCommandKeys::show_board_keys);
    connect(p, &WizardPreviewsSignals::preset_camera_chosen, k, &WizardCommandKeys::set_preset_camera);
    connect(p, &WizardPreviewsSignals::teacher_crop_lock_wanted, k, &WizardCommandKeys::set_teacher_crop_lock);
    connect(p, &WizardPreviewsSignals::params_changed, this, mark);
    connect(p, &WizardPreviewsSignals::params_complete, this, [this](Side side) {
        if (side == Side::Teacher)
            emit sign_teacher_params_complete();
        else
            emit sign_student_params_complete();
    });
    connect(p, &WizardPreviewsSignals::board_block_wanted, teacher_params.get(), &TeacherParams::board_apply);
    connect(p, &WizardPreviewsSignals::crop_status_asked, replies.get(), &WizardReplies::crop_preview_connected);
    connect(p, &WizardPreviewsSignals::crop_status_forgotten, replies.get(), &WizardReplies::crop_preview_closed);
    connect(p, &WizardPreviewsSignals::tracking_overlay_reset_wanted, student_area.get(),
            &StudentAreaStep::tracking_test_pano_gone);
    connect(camera_settings.get(), &CameraSettingsStep::layout_chosen, p, &WizardPreviews::set_layout);
    connect(this, &GuideConfig::tracking_stop_wanted, k, &WizardCommandKeys::stop_unasked_tracking);
    connect(this, &GuideConfig::previews_close_wanted, p, [p](Side side) {
        if (side == Side::Teacher)
            p->close_teacher_previews();
        else
            p->close_student_previews();
    });
}
