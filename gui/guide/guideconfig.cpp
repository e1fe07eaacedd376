#include "guide/guideconfig.h"

#include "ui_guideconfig.h"

#include "guide/camera_settings_step.h"
#include "guide/guide_settings.h"
#include "guide/step_flow.h"
#include "model/guide_state.h"
#include "net/wizard_link.h"
#include "seams/message_box.h"
#include "support/interface_font.h"
#include "support/resources.h"
#include "support/retranslate_keeping.h"

#include <QCloseEvent>
#include <QDebug>
#include <QHostAddress>

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

GuideConfig::GuideConfig(QWidget *parent)
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
    settings_file = std::make_unique<GuideSettings>(CORVANE_FORM_WIDGETS(GuideSettings, GUIDE_SETTINGS_WIDGETS, ui),
                                                    *m_state);

    connect(this, &GuideConfig::closeGuideWidget, this, &QWidget::close);
    connect(step_flow.get(), &StepFlow::addresses_wanted, this, &GuideConfig::initGuideConfig);
    connect(step_flow.get(), &StepFlow::finish_wanted, this, &GuideConfig::finish_guide);
    connect(step_flow.get(), &StepFlow::step_entered, this, &GuideConfig::step_entered);
    connect(step_flow.get(), &StepFlow::sign_teacher_params_complete, this, &GuideConfig::sign_teacher_params_complete);
    connect(step_flow.get(), &StepFlow::student_apply_wanted, this, &GuideConfig::student_apply_wanted);
    connect(camera_settings.get(), &CameraSettingsStep::layout_chosen, step_flow.get(),
            [this](int layout) { step_flow->set_calibration_steps_hidden(layout == 0); });
    connect(m_link.get(), &WizardLink::textReply, this, &GuideConfig::resolver_param);
    connect(m_link.get(), &WizardLink::datagramAnswersExpected, this, &GuideConfig::datagramAnswersExpected);
    connect(m_link.get(), &WizardLink::commandFormatError, this,
            [this] { msgbox::information(this, tr("information"), tr("Command format error")); });

    const QStringList stored = settings_file->readFileConfig();
    if (!stored.isEmpty())
        camera_settings->set_addresses(stored);
    reset_guide_state();
    qDebug() << "GuideConfig::current_state:" << m_state->current_state;
    step_flow->setExitVisible(m_state->current_state);
    ui->teacher_director_ip_widget->hide();

    if (unsigned(m_state->current_number_camera) >= unsigned(kLayoutCount))
        m_state->current_number_camera = 0;
    qDebug() << 6181 << " current_number_camera = " << m_state->current_number_camera;
    camera_settings->apply_layout(m_state->current_number_camera);
}

GuideConfig::~GuideConfig()
{
    // The links close before the steps that drive them go, the steps before their widgets.
    m_link->stop_keepalive_timers();
    settings_file.reset();
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
    s.teacher_track_state = s.student_track_state = false;
    s.teacher_calibration_preview_closed = s.teacher_region_preview_closed = false;
    s.teacher_preset_preview_closed = s.teacher_track_test_preview_closed = false;
    s.student_calibration_preview_closed = s.student_region_preview_closed = false;
    s.student_preset_preview_closed = s.student_track_test_preview_closed = false;
    s.teacher_params_changed = s.student_params_changed = s.director_params_changed = false;
    s.student_run_state = s.teacher_run_state = GuideState::kStopped;
    for (QWidget *label : std::initializer_list<QWidget *>{ui->student_region_one_hint_label, ui->student_region_two_hint_label,
                           ui->student_region_three_hint_label, ui->student_region_four_hint_label,
                           ui->teacher_tip_label, ui->student_tip_label})
        label->hide();
}

void GuideConfig::initGuideConfig()
{
    const QStringList a = camera_settings->addresses();
    GuideState &s = *m_state;
    take_addresses(a, {&s.t_feature_ip_edit, &s.t_pano_ip_edit, &s.s_feature_ip_edit, &s.s_pano_ip_edit,
                       &s.t_board_ip_edit, &s.t_board_ip_edit2});
    qDebug() << "GuideConfig::initGuideConfig:" << a;
}

void GuideConfig::setExitVisible(QString state) { step_flow->setExitVisible(state); }

void GuideConfig::resolver_param(const QByteArray &reply) { emit reply_received(reply); }

void GuideConfig::add_finish_work(FinishWork *work) { m_finish_work.push_back(work); }

void GuideConfig::setGuideEnabledStatus(int type, bool status)
{
    qDebug() << "GuideConfig::setGuideEnabledStatus type:" << type << ", status:" << status;
    if (type != 0 && type != 1)
        return;
    settings_file->set_enabled(type, status);
    if (type == 0) {
        camera_settings->update_teacher_option_boxes();
        camera_settings->update_teacher_speed_box();
    }
    emit guide_enabled_status(type, status);
}

void GuideConfig::receiverData(QVariant data)
{
    // The form's re-texting would put the director codes, server address and port typed in the
    // last run back to the form's texts, which the finish then sends to the cameras.
    retranslate_keeping_line_edits(this, [this] { ui->retranslateUi(this); });
    step_flow->translate_step_tree();
    for (ArrowKeyViews *pad : {ui->teacher_ptz_calibration_view, ui->teacher_ptz_config_preset_view,
                               ui->teacher_ptz_tracking_test_view, ui->student_ptz_calibration_view,
                               ui->student_ptz_config_preset_view, ui->student_ptz_tracking_test_view}) {
        pad->setZoomInText();
        pad->setZoomOutText();
    }
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
    d.camera_number = ui->teacher_choose_camera_comboBox->currentIndex();
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
    settings_file->writeFileConfig(camera_settings->addresses());
    GuideState &s = *m_state;
    s.teacher_params_changed = true;
    s.student_params_changed = true;
    for (FinishWork *work : m_finish_work)
        work->finish_guide_work();
    m_link->set_connected(Slot::TeacherPano, false);
    m_link->set_connected(Slot::StudentPano, false);
    m_link->set_connected(Slot::StudentFeature, false);
    s.teacher_params_changed = s.student_params_changed = s.director_params_changed = false;
    s.teacher_track_state = s.student_track_state = false;
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
