#pragma once

#include "model/camera_slot.h"
#include "protocol/wizard_blocks.h"
#include "protocol/wizard_reply.h"
#include "support/form_widgets.h"
#include "wizard/student_area.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

class QCheckBox;
class TrackingTest;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QRadioButton;
class QStackedWidget;
class TeacherRegionStep;
class WizardLink;

#define STUDENT_AREA_STEP_WIDGETS(X) \
    X(QWidget, student_pano_region_widget) \
    X(QWidget, student_pano_track_region_widget) \
    X(QLabel, student_region_four_hint_label) \
    X(QLabel, student_region_one_hint_label) \
    X(QLabel, student_region_three_hint_label) \
    X(QLabel, student_region_two_hint_label) \
    X(QCheckBox, student_shield_four_checkBox) \
    X(QCheckBox, student_shield_one_checkBox) \
    X(QRadioButton, student_shield_region_radioButton) \
    X(QCheckBox, student_shield_three_checkBox) \
    X(QCheckBox, student_shield_two_checkBox) \
    X(QCheckBox, student_show_tracking_region_checkBox) \
    X(QRadioButton, student_track_region_radioButton) \
    X(QCheckBox, teacher_show_tracking_region_checkBox) \
    X(QWidget, widget_7)

class StudentAreaStepSignals : public QObject
{
    Q_OBJECT

signals:
    // The mouse or a shield box changed the student area: the student parameters changed.
    void student_area_changed();
};

// The student area of the wizard: the tracking area's four corners dragged and the four shield
// lines drawn with the mouse over the student panorama preview, at the preview's fixed place in
// the wizard (315, 78); the painters of the student overlays and of the teacher regions over the
// teacher tracking-test preview; the student region radios and boxes; a student reply's corners
// and shields.
class StudentAreaStep : public StudentAreaStepSignals
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        STUDENT_AREA_STEP_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // The teacher tracking-test step's page of the wizard's stacked widget.
    static constexpr int kTeacherTrackTestPage = 6;

    // window: the wizard, whose own mouse positions the area takes (the mouse handlers watch
    // it); regions_shown_box: student_show_region_checkBox and pages: the wizard's
    // stackedWidget, read only; tracking: whether the student tracking test runs.
    StudentAreaStep(const Widgets &widgets, const WizardLink &link, TeacherRegionStep &teacher_regions,
                    const QCheckBox &regions_shown_box, const TrackingTest &tracking,
                    const QStackedWidget &pages, QWidget *window);

    const student_area::StudentArea &area() const { return m_area; }
    // The corners and shields as the student block sends them.
    wizard_blocks::StudentArea block_area() const;
    // The shield boxes, shield one first (the block's "pano_shield_enable").
    std::array<bool, student_area::kShieldCount> shield_boxes() const;

    // A student reply's corner and shield keys (what this reply carried), for
    // parse_student_region_coord.
    void read_reply(const QString &text);
    void parse_student_region_coord();
    void set_student_region_widgets_enabled(bool on);
    // The show-regions box (student_show_region_checkBox) switched with the student pano camera
    // connected: on, the radios are usable, the corners shown and the mode follows the checked
    // radio, the checked shield boxes in use (the lowest current); off, nothing is edited, in use
    // or shown. The camera's region display is the wizard's.
    void regions_shown_changed(bool on);
    void reset_track_overlay();
    // The side's tracking-region overlay box unchecked (its handler runs): the finish, and an
    // edit of the address that names the side's panorama picture.
    void hide_tracking_overlay(camera_slot::Side side);
    // The side's tracking-test pano preview is about to let its camera go: the side's overlay
    // box unchecked while the camera is still there (so its handler runs without a warning),
    // and for the teacher the teacher overlay reset. The other side's overlay stays.
    void tracking_test_pano_gone(camera_slot::Side side);

    void on_student_track_region_radioButton_clicked(bool checked);
    void on_student_shield_region_radioButton_clicked(bool checked);
    void shield_box_clicked(int index, bool checked);
    void on_student_show_tracking_region_checkBox_stateChanged(int state);
    void on_teacher_show_tracking_region_checkBox_stateChanged(int state);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool editable() const;
    void mouse(QEvent::Type type, QMouseEvent *event);
    void paint_student_regions(QWidget *target);
    void paint_teacher_track_overlay();
    // Shield boxes into the in-use flags; the lowest checked becomes the current shield (with
    // none checked: none when reset, else the current one stays).
    void pick_lowest_checked_shield(bool reset);
    QCheckBox *shield_box(int index) const;
    QLabel *hint_label(int index) const;

    const Widgets ui;
    const WizardLink &m_link;
    TeacherRegionStep &m_teacher_regions;
    const QCheckBox &m_regions_shown_box;
    const TrackingTest &m_tracking;
    const QStackedWidget &m_pages;
    QWidget *m_window;
    student_area::StudentArea m_area;
    wizard_reply::StudentRegionCoord student_region_coord;
    // 1 the tracking area, 2 the shields; 0 before a radio chose.
    int m_kind = 0;
    bool show_track_overlay = false;
};
