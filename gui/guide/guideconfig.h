#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class GuideConfig;
}
class CameraSettingsStep;
class GuideSettings;
class QCloseEvent;
class QHostAddress;
class StepFlow;
class WizardLink;
struct GuideState;

// The first-run wizard: the shell around its form. It builds the form, the state the steps share
// (GuideState), the wizard's camera link (WizardLink) and the steps as feature objects (the step
// flow, the camera settings step, the settings file), and keeps the wizard-wide work: the start
// from the settings file, the hand-over with the main window, the finish and the reset. Each
// control of the form has one owner among the steps; the steps talk through signals and the
// narrow interfaces below.
class GuideConfig : public QWidget
{
    Q_OBJECT
public:
    // Work a step does when the wizard finishes, before the links are torn down (the parameter
    // saves, the director block, the overlays, the previews, the region scene), in the order
    // the steps were added.
    class FinishWork
    {
    public:
        virtual ~FinishWork() = default;
        virtual void finish_guide_work() = 0;
    };

    explicit GuideConfig(QWidget *parent = nullptr);
    ~GuideConfig() override;

    // The main window hands its addresses, layout and language over (entering the wizard again).
    void receiverData(QVariant data);
    // The address copies taken from the camera settings' fields.
    void initGuideConfig();
    void setExitVisible(QString state);
    // A text reply of a camera for the wizard (its links' frames, the main window's datagrams
    // while the window is hidden): reply_received.
    void resolver_param(const QByteArray &reply);
    void add_finish_work(FinishWork *work);
    // While a side tracks (type 0 teacher, 1 student; status false) the controls that change its
    // tracking are locked, and unlocked when it stops; the caller sets the side's run state
    // first. Each step locks its own: guide_enabled_status tells the steps built on this one.
    void setGuideEnabledStatus(int type, bool status);

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

protected:
    // The window's close button leaves as the exit button does: asked, then finished.
    void closeEvent(QCloseEvent *event) override;

private:
    void reset_guide_state();
    void finish_guide();
    void emit_guide_data();
    void closeGuidePage();

    Ui::GuideConfig *ui;
    std::unique_ptr<GuideState> m_state;
    std::unique_ptr<WizardLink> m_link;
    std::unique_ptr<CameraSettingsStep> camera_settings;
    std::unique_ptr<StepFlow> step_flow;
    std::unique_ptr<GuideSettings> settings_file;
    std::vector<FinishWork *> m_finish_work;
    bool m_finishing = false;
    bool m_closing_self = false; // closeGuideWidget: the hand-over closes the window
};
