#pragma once

#include "model/camera_slot.h"
#include "model/guide_data_update_manage.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <memory>

namespace Ui {
class GuideConfig;
}
class BorrowedRegionScene;
class CameraSettingsStep;
class DirectorPage;
class GuideSettings;
class QCloseEvent;
class QHideEvent;
class QHostAddress;
class QShowEvent;
class StepFlow;
class StudentAreaStep;
class StudentParams;
class TeacherParams;
class TeacherRegionStep;
class TrackingModeStep;
class WizardLink;
class WizardCommandKeys;
class WizardDetection;
class WizardPreviews;
class WizardReplies;
struct GuideState;

// The first-run wizard: the shell around its form. It builds the form, the state the steps share
// (GuideState), the wizard's camera link (WizardLink) and the steps as feature objects (the step
// flow, the camera settings step, the settings file, the tracking mode, the teacher and student
// parameters, regions and area, the director page and the reply reading), and keeps the
// wizard-wide work: the start from the settings file, the hand-over with the main window, the
// finish and the reset. Each control of the form has one owner among the steps; the steps talk
// through signals and the narrow interfaces below. The teacher regions are items of the main
// window's region scene, which the wizard borrows (regions) and must not outlive.
class GuideConfig : public QWidget
{
    Q_OBJECT
public:
    explicit GuideConfig(BorrowedRegionScene &regions, QWidget *parent = nullptr);
    ~GuideConfig() override;

    // The main window hands its addresses, layout and language over (entering the wizard again).
    void receiverData(QVariant data);
    // The address copies taken from the camera settings' fields.
    void initGuideConfig();
    void setExitVisible(QString state);
    // A text reply of a camera for the wizard (its links' frames, the main window's datagrams
    // while the window is hidden): reply_received.
    void resolver_param(const QByteArray &reply);
    // The wizard's camera link: a preview's connect sets a camera up through it (destination,
    // connected mark, TCP link), as does a test standing in for one.
    WizardLink &camera_link() { return *m_link; }
    // While a side tracks (type 0 teacher, 1 student; status false) the controls that change its
    // tracking are locked, and unlocked when it stops; the caller sets the side's run state
    // first. Each step locks its own: guide_enabled_status tells the steps built on this one.
    void setGuideEnabledStatus(int type, bool status);
    // The teacher region step's controls with the get request, AI detection and auto-track
    // buttons (a preview connecting, the show-regions box, the finish).
    void set_teacher_region_enabled(bool on);

    // What the last page's Apply button says once the director step is reached: the bar sets it
    // in its own translation context, and the wizard knows the end by this text in its own, so
    // every catalogue must word it alike in both.
    static QString finishText() { return tr("Guide Finish"); }

signals:
    void sign_student_params_complete();
    void sign_teacher_params_complete();
    void setupCompleted();
    void closeGuideWidget();
    void transferData(QVariant data);
    // A step was entered and passed the step flow's own checks (StepFlowSignals::step_entered).
    void step_entered(int page);
    // Entering a student step with a student link: the student block goes out now.
    void student_apply_wanted();
    void guide_enabled_status(int type, bool status);
    // A camera text reply, for the reply parser.
    void reply_received(const QByteArray &reply);
    // The wizard's link sent a text command by datagram (or found a TCP port closed): the main
    // window's reply socket takes that camera's answers.
    void datagramAnswersExpected(const QHostAddress &from);
    // A side's tracking status said start where the wizard started no tracking: the side's
    // show-tracking handler is to run with state 0, which stops it.
    void tracking_stop_wanted(camera_slot::Side side);
    // A side's tracking status reported an error: the side's previews are to close (the
    // warning is shown already).
    void previews_close_wanted(camera_slot::Side side);

protected:
    // The window's close button leaves as the exit button does: asked, then finished.
    void closeEvent(QCloseEvent *event) override;
    // The borrowed scene's changes are the wizard's only while it shows.
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void reset_guide_state();
    void finish_guide();
    void emit_guide_data();
    void closeGuidePage();
    void build_data_steps(BorrowedRegionScene &regions);
    void connect_data_steps();
    // The data steps' entry work of a step the step flow let in.
    void data_step_entered(int page);
    // The side's region overlays go off: the address naming its panorama picture changed.
    void pano_address_edited(camera_slot::Side side);
    void tracking_status(camera_slot::Side side, bool start, bool stop, bool error);
    // The record the data steps read: the address copies and the layout.
    void update_data_addresses();
    void build_command_objects();
    void connect_command_objects();
    // The side's tracking locked (true) or unlocked, with its run state.
    void lock_side(camera_slot::Side side, bool locked);

    Ui::GuideConfig *ui;
    std::unique_ptr<GuideState> m_state;
    std::unique_ptr<WizardLink> m_link;
    std::unique_ptr<CameraSettingsStep> camera_settings;
    std::unique_ptr<StepFlow> step_flow;
    std::unique_ptr<TrackingModeStep> mode_step;
    std::unique_ptr<TeacherRegionStep> teacher_regions;
    std::unique_ptr<TeacherParams> teacher_params;
    std::unique_ptr<StudentAreaStep> student_area;
    std::unique_ptr<StudentParams> student_params;
    std::unique_ptr<DirectorPage> director_page;
    std::unique_ptr<WizardReplies> replies;
    std::unique_ptr<GuideSettings> settings_file;
    std::unique_ptr<WizardCommandKeys> keys;
    std::unique_ptr<WizardPreviews> previews;
    std::unique_ptr<WizardDetection> detection;
    // What the data steps send with their blocks: the address copies of initGuideConfig and the
    // layout, as the hand-over record holds them.
    Guide_Data_Update_Manage m_data_addresses;
    bool m_finishing = false;
    bool m_closing_self = false; // closeGuideWidget: the hand-over closes the window
};
