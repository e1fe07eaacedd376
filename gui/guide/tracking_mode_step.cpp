#include "guide/tracking_mode_step.h"

#include "net/wizard_link.h"
#include "seams/message_box.h"

#include <QButtonGroup>
#include <QDebug>
#include <QToolButton>

namespace {

// The modes by code: the button and its untranslated name for the log.
struct Mode {
    QToolButton *TrackingModeStep::Widgets::*button;
    const char *name;
};
const Mode kModes[] = {
    {&TrackingModeStep::Widgets::teacher_three_mode_toolButton, "Three Presets Mode"},
    {&TrackingModeStep::Widgets::teacher_follow_mode_toolButton, "Follow Mode"},
    {&TrackingModeStep::Widgets::teacher_binocular_mode_toolButton, "Binocular Mode"},
    {&TrackingModeStep::Widgets::teacher_mixed_mode_toolButton, "Mixed Mode"},
    {&TrackingModeStep::Widgets::teacher_board_pano_mode_toolButton, "Board Pano Mode"},
};
constexpr int kModeCount = int(std::size(kModes));

} // namespace

TrackingModeStep::TrackingModeStep(const Widgets &widgets, const WizardLink &link, QWidget *window)
    : ui(widgets), m_link(link), m_window(window), m_group(new QButtonGroup(this))
{
    for (const Mode &mode : kModes) {
        (ui.*mode.button)->setCheckable(true);
        m_group->addButton(ui.*mode.button);
    }
    m_group->setExclusive(true);
    connect(m_group, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &TrackingModeStep::trackModeSwitch);
}

int TrackingModeStep::mode_code() const
{
    bool ok = false;
    const int code = currentMode.toInt(&ok);
    return ok ? code : -1;
}

void TrackingModeStep::trackModeSwitch(QAbstractButton *button)
{
    if (!m_link.connected(camera_slot::Slot::TeacherPano)) {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the teacher pano camera"));
        // The group has checked the clicked button already; the mode in effect is still the old
        // one, and what the block and the settings file send must be what the step shows.
        check_current_mode();
        return;
    }
    // By the button itself, not its text: the texts are translated and the wizard is told
    // nothing when the language changes.
    for (int code = 0; code < kModeCount; ++code) {
        if (button == ui.*kModes[code].button) {
            currentMode = QString::number(code);
            qDebug().noquote() << "GuideConfig::mode:" << kModes[code].name;
            break;
        }
    }
    emit mode_clicked();
}

void TrackingModeStep::restore_tracking_mode_radio(const QString &mode)
{
    for (int code = 0; code < kModeCount; ++code) {
        if (mode == QString::number(code)) {
            currentMode = mode;
            check_current_mode();
            return;
        }
    }
}

void TrackingModeStep::check_current_mode()
{
    const int code = mode_code();
    if (code >= 0 && code < kModeCount) {
        (ui.*kModes[code].button)->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; none is in effect yet.
    m_group->setExclusive(false);
    for (QAbstractButton *button : m_group->buttons())
        button->setChecked(false);
    m_group->setExclusive(true);
}

void TrackingModeStep::set_buttons_enabled(bool on)
{
    for (const Mode &mode : kModes)
        (ui.*mode.button)->setEnabled(on);
}
