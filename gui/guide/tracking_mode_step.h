#pragma once

#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

class QAbstractButton;
class QButtonGroup;
class QToolButton;
class WizardLink;

#define TRACKING_MODE_STEP_WIDGETS(X) \
    X(QToolButton, teacher_binocular_mode_toolButton) \
    X(QToolButton, teacher_board_pano_mode_toolButton) \
    X(QToolButton, teacher_follow_mode_toolButton) \
    X(QToolButton, teacher_mixed_mode_toolButton) \
    X(QToolButton, teacher_three_mode_toolButton)

class TrackingModeStepSignals : public QObject
{
    Q_OBJECT

signals:
    // A mode button was clicked with the teacher pano camera connected (the mode may be the one
    // already in effect): the teacher parameters changed and are to be saved
    // (sign_teacher_params_complete).
    void mode_clicked();
};

// The "Track Mode" step: the five mode buttons in one exclusive group, the mode in effect
// (`currentMode`, "0" to "4", empty until one is chosen or restored) and the restore of a stored
// or received mode.
class TrackingModeStep : public TrackingModeStepSignals
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        TRACKING_MODE_STEP_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    TrackingModeStep(const Widgets &widgets, const WizardLink &link, QWidget *window);

    // The mode in effect: what the preset steps, the settings file and the teacher block use.
    QString current_mode() const { return currentMode; }
    // As a number for the teacher block: -1 while none is in effect.
    int mode_code() const;

    void trackModeSwitch(QAbstractButton *button);
    // "0" to "4" checks that mode's button and makes it the mode in effect; anything else
    // (another digit, a NUL of a reply's last line, nothing) changes nothing. Sends nothing.
    void restore_tracking_mode_radio(const QString &mode);
    // While teacher tracking runs no mode can be chosen (setGuideEnabledStatus).
    void set_buttons_enabled(bool on);

private:
    // The mode's button checked and no other; none while no mode is in effect.
    void check_current_mode();

    const Widgets ui;
    const WizardLink &m_link;
    QWidget *m_window;
    QButtonGroup *m_group;
    QString currentMode;
};
