#pragma once

#include "model/camera_slot.h"
#include "model/section_values.h"
#include "support/form_widgets.h"
#include "support/open_page.h"

#include <QCoreApplication>
#include <QObject>

#include <utility>

class ControlLink;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

#define TAB_LAYOUT_WIDGETS(X) \
    X(QPushButton, board_show_param_pushButton) \
    X(QComboBox, choose_camera_comboBox) \
    X(QPushButton, director_show_param_pushButton) \
    X(QPushButton, student_show_param_pushButton) \
    X(QLabel, student_tip_label) \
    X(QTabWidget, tabWidget) \
    X(QWidget, tab_6) \
    X(QWidget, tab_board) \
    X(QWidget, tab_driector_settings) \
    X(QWidget, tab_student) \
    X(QWidget, tab_teacher) \
    X(QPushButton, teacher_show_param_pushButton) \
    X(QLabel, teacher_tip_label) \
    X(QPushButton, upgrade_show_param_pushButton)

// What the tab layout tells the features that own the controls it decides about: each switches
// its own widgets.
class TabLayoutSignals : public QObject
{
    Q_OBJECT

signals:
    // The controls of one camera group (0 teacher, 1 student, 2 board) usable or not.
    void widget_status_changed(int camera, bool enable);
    // The customer model has no board cameras: every board control goes off (the group's
    // status first), and each side's board region and calibration controls with its own flag.
    void board_widgets_disabled();
    // A camera layout (0 to 3) was chosen: the controls it leaves nothing to act on go off.
    void layout_widgets_changed(int layout);
    // One board camera or two: the Board tab's second camera and the director's board codes.
    void board_view_changed(bool two_boards);
    // The controls the set-up offers or leaves out.
    void unused_controls_shown(bool shown);
    // The Wizard Config tab was chosen: the window closes and the wizard takes over.
    void wizard_requested();
    // The board cameras that are connected let go.
    void board_cameras_released();
};

// Which tabs exist and which controls can be used: the camera layout, the cameras' connection
// state and the customer model decide it; the features that own the controls switch them
// (TabLayoutSignals). Also the tab bar's own behaviour, the window width per tab and the fold
// and expand strips of the parameter panels, and which tab shows (OpenPage).
class TabLayout : public TabLayoutSignals, public OpenPage
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        TAB_LAYOUT_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // The tab count with and without the Board tab.
    static constexpr int eight_tab = 8;
    static constexpr int seven_tab = 7;

    // choices: the layout list's entry, as the settings file stores it; window: the window whose
    // width follows the tabs.
    TabLayout(const Widgets &widgets, const TeacherSection &teacher, const StudentSection &student,
              WindowChoices &choices, ControlLink &link, QWidget *window);

    // The layout chosen: 0 to 3 for two, four, five and six cameras.
    int camera_layout() const { return config_number_camera; }
    void set_camera_layout(int layout) { config_number_camera = layout; }
    // Whether the Wizard Config tab asked for the close under way; the request is forgotten as
    // it is read, whatever the close then does.
    bool take_wizard_request() { return std::exchange(wizard_entry_requested, false); }

    // The controls of one camera group (0 teacher, 1 student, 2 board) usable or not.
    void set_widget_status(int camera, bool enable);
    void disable_board_widgets();
    void set_customer_disable();
    // Every tab but the current one, on which a connection or request runs.
    void update_tab_enabled(bool enable);
    void widgetChanged(int layout);
    void set_board_view_status(bool two_boards);
    void remove_unused_tabs(bool remove);
    void toggle_param_panel();
    // The strips say what a click on them would do at the window's present width (the defaults
    // of a fresh installation).
    void show_strip_texts();
    // Shows a notice on a side's status strip for a second.
    void flash_status_label(bool teacher, const QString &text);

    // The layout list takes the entry, and the layout choice runs for it even when the entry
    // stays the same.
    void choose_layout(int layout);
    // The Teacher tab shows (the window goes back to it); the Board tab is there or not, as the
    // wizard's camera layout has it; the layout list shows the layout and its controls follow.
    void show_first_tab();
    void show_board_tab(bool with_board);
    void show_layout(int layout);
    // OpenPage
    Page open_page() const override;
    int open_index() const override;

    void on_choose_camera_comboBox_currentIndexChanged(int index);
    void on_tabWidget_currentChanged(int index);
    void on_teacher_show_param_pushButton_clicked();
    void on_student_show_param_pushButton_clicked();
    void on_board_show_param_pushButton_clicked();
    void on_director_show_param_pushButton_clicked();
    void on_upgrade_show_param_pushButton_clicked();

private:
    // The link drives the board cameras by UDP while the Board tab is the current one.
    void tell_link_main_tabs();
    bool customer_model() const { return m_teacher.customer_model || m_student.customer_model; }

    const Widgets ui;
    const TeacherSection &m_teacher;
    const StudentSection &m_student;
    ControlLink &m_link;
    QWidget *m_window;
    int config_number_camera = 0;
    bool wizard_entry_requested = false;
};
