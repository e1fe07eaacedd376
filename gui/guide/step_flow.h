#pragma once

#include "model/camera_slot.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <array>

class AddressCheck;
class ButtomView;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class WizardLink;
struct GuideState;

#define STEP_FLOW_WIDGETS(X) \
    X(QTreeWidget, treeWidget) \
    X(QStackedWidget, stackedWidget) \
    X(QPushButton, exit_pushButton) \
    X(ButtomView, bottom_step1) \
    X(ButtomView, bottom_step2) \
    X(ButtomView, bottom_step3) \
    X(ButtomView, bottom_step4) \
    X(ButtomView, bottom_step5) \
    X(ButtomView, bottom_step6) \
    X(ButtomView, bottom_step7) \
    X(ButtomView, bottom_step8) \
    X(ButtomView, bottom_step9) \
    X(ButtomView, bottom_step10) \
    X(ButtomView, bottom_step11) \
    X(ButtomView, bottom_step12) \
    X(ButtomView, bottom_step13)

// What the step flow tells the other steps.
class StepFlowSignals : public QObject
{
    Q_OBJECT

signals:
    // initGuideConfig: the address copies are taken from the camera settings' fields now.
    void addresses_wanted();
    // The step's own entry work passed its checks: the features of the page (previews, presets,
    // the tracking mode) do theirs now. Not given when the entry stopped at a warning.
    void step_entered(int page);
    // Entering the track mode or preset step with a teacher link (not after a click in the list).
    void sign_teacher_params_complete();
    // Entering the student calibration or preset step with a student link: the student block is
    // sent (student_apply) before the previews connect.
    void student_apply_wanted();
    // The installer answered OK to finishing (the last step's Apply) or to leaving the wizard.
    void finish_wanted();
};

// The wizard's step flow: the step list (treeWidget) and the step stack (stackedWidget), one
// bottom bar per step and the exit button. Next, Back and a click in the list move between the
// steps (the two-camera layout skips the calibration steps), each page change tells the link
// and starts the step's entry work, the last step's Apply and the exit button ask whether to
// finish. Page i of the stack is step i of the list.
//
// The address check of Next, the entry work and a page's send handle events while they wait:
// Next, Back, a click in the list, Apply and the exit button do nothing meanwhile, and a page
// shown during an entry has its own entry run right after it.
class StepFlow : public StepFlowSignals
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        STEP_FLOW_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    static constexpr int kStepCount = 13;
    static constexpr int kCameraSettings = 0;
    static constexpr int kDirectorStrategy = 12;

    // state: the layout, the address copies, tree_item_clicked; check: the camera settings' check
    // of an address.
    StepFlow(const Widgets &widgets, GuideState &state, WizardLink &link, AddressCheck &check, QWidget *window);

    void next_step_clicked();
    void previous_step_clicked();
    void treeWidgetItemClicked(QTreeWidgetItem *item, int column);
    // Any bar's Apply: on the last step, once it says "Guide Finish", asks whether to finish.
    void apply_clicked();
    void on_exit_pushButton_clicked();
    // "Exiting the wizard configuration,other operations will be interrupted!": true on OK.
    bool ask_exit();
    // The warning "输入为空!".
    void warn_input_empty();

    // The bars' exit buttons by the stored wizard state ("0": a first run).
    void setExitVisible(const QString &state);
    // The two "Calibration Pano" steps are left out of the two-camera layout.
    void set_calibration_steps_hidden(bool hidden);
    // The list's, the bars' texts again in the language in use.
    void translate_step_tree();
    // The first step shown, "Camera Settings" current in the list.
    void show_first_step();
    // While the wizard finishes, no move and no second finish.
    void hold(bool held) { m_held = held; }
    // A page sends and waits (the director block): no move and no finish meanwhile.
    void set_page_sending(bool sending) { m_page_sending = sending; }
    // A move, an address check, an entry or a page's send is under way.
    bool busy() const { return m_checking || m_entering || m_held || m_page_sending; }

private:
    void init_step_tree();
    void enter_step(int page);
    // Whether the entry goes on; false after the warning of empty addresses.
    bool addresses_given(const QString &first, const QString &second);
    bool side_linked(camera_slot::Side side) const;
    void warn_connect_camera();
    void on_stackedWidget_currentChanged(int index);
    // The step's item current (and selected), then its page shown.
    void go_to(int page);
    void show_guide_finish();
    bool refused(const char *what) const;
    // The step list's item of a page, nullptr for none.
    QTreeWidgetItem *step_item(int page) const;
    int layout() const;

    Widgets w;
    GuideState &m_state;
    WizardLink &m_link;
    AddressCheck &m_check;
    QWidget *m_window;
    // The four numbered parents: device manager, teacher, student, director.
    std::array<QTreeWidgetItem *, 4> m_parents{};
    std::array<QTreeWidgetItem *, kStepCount> step_items{};
    std::array<ButtomView *, kStepCount> bottom_bars{};
    bool m_checking = false;
    bool m_entering = false;
    bool m_held = false;
    bool m_page_sending = false;
    bool m_finish_shown = false; // the last bar's Apply says "Guide Finish"
    int m_pending_entry = -1;
};
