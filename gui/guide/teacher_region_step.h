#pragma once

#include "guide/wizard_regions.h"
#include "model/camera_slot.h"
#include "support/form_widgets.h"
#include "wizard/teacher_display_region.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

class BorrowedRegionScene;
class CustomGraphicsScene;
class CustomGraphicsView;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class WizardLink;

#define TEACHER_REGION_STEP_WIDGETS(X) \
    X(QPushButton, clear_snapshot_region_pushButton) \
    X(CustomGraphicsView, graphicsView) \
    X(QCheckBox, teacher_board_one_checkBox) \
    X(QRadioButton, teacher_board_region_radioButton) \
    X(QCheckBox, teacher_board_three_checkBox) \
    X(QCheckBox, teacher_board_two_checkBox) \
    X(QCheckBox, teacher_shield_four_checkBox) \
    X(QCheckBox, teacher_shield_one_checkBox) \
    X(QRadioButton, teacher_shield_region_radioButton) \
    X(QCheckBox, teacher_shield_three_checkBox) \
    X(QCheckBox, teacher_shield_two_checkBox) \
    X(QRadioButton, teacher_snapshot_region_radioButton) \
    X(QRadioButton, teacher_track_region_radioButton)

class TeacherRegionStepSignals : public QObject
{
    Q_OBJECT

signals:
    // A region item was moved, resized or drawn: the teacher parameters changed.
    void regions_changed();
    // A show-region box switched: the student area's editing follows the student one, the
    // wizard's region keys (get request, detection, auto-track) the teacher one.
    void editing_switched(camera_slot::Side side, bool on);
};

// The teacher tracking-region step of the wizard: its regions as named items of the main
// window's region scene, shown in the wizard's region view over the teacher panorama preview;
// the rectangles it keeps per region (`teacher_display_region`, scene units) and their flags;
// the fill from a teacher reply; the radio buttons, check boxes and the clear-snapshot button.
class TeacherRegionStep : public TeacherRegionStepSignals, public WizardRegions
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        TEACHER_REGION_STEP_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    enum Pen { TrackingPen = 0, BoardPen = 1, ShieldPen = 2, SnapshotPen = 3 };

    // regions_shown_box: teacher_show_region_checkBox, read only (its slot is the PTZ and crop
    // commands'). init_region_scene: the scene takes the region space and the wizard's view.
    TeacherRegionStep(const Widgets &widgets, BorrowedRegionScene &scene, const WizardLink &link,
                      const QCheckBox &regions_shown_box);

    // The reply's region keys are stored into this record (camera units).
    teacher_region_keys::TeacherRegionCoord &region_coord() { return teacher_region_coord; }
    const wizard_regions::TeacherDisplayRegion &display() const { return teacher_display_region; }
    const wizard_regions::RegionFlags &flags() const { return m_flags; }

    // The get request: the reply to it shows the regions.
    void show_on_next_reply() { m_flags.region_display_pending = true; }
    // The show-regions box (teacher_show_region_checkBox) switched with the teacher pano camera
    // connected: on, the tracking radio is checked, the tracking region is to be shown (not the
    // snapshot) and the shields and boards whose boxes are checked are in use; off, nothing is
    // shown or in use and the scene draws nothing. The box's own work (the camera's region
    // display, its wait) is the wizard's, which then runs show_teacher_regions or
    // hide_region_items.
    void regions_shown_changed(bool on);
    void hide_region_items();
    // The step's radios, region boxes and clear-snapshot button (set_teacher_region_enabled).
    void set_controls_enabled(bool on);
    // The region view, locked while teacher tracking runs (setGuideEnabledStatus).
    void set_view_enabled(bool on);
    // The borrowed scene's changes count as the step's (regions_changed) only while the wizard
    // runs: the main window edits the same scene while the wizard is hidden.
    void listen_to_scene(bool on);
    // reset_track_overlay's share: no shield or board region is in use.
    void clear_enables();

    // What the teacher block sends, with the scene's regions collected first.
    teacher_region_keys::ApplyRegions collected_apply_regions();

    void collect_region_rects() override;
    void setShieldRegion(const QString &name);
    void setBoardRegion(const QString &name);
    void show_teacher_regions() override;
    void teacher_restore_region();
    void clear_region_scene() override;

    // WizardRegions: the show-region boxes' editing (the student side's is the student area's,
    // which the wizard passes on) and the detection's results.
    void set_editing(camera_slot::Side side, bool on) override;
    void set_teacher_regions_visible(bool visible) override;
    void place_region(Kind kind, int index, const QRect &scene_rect) override;
    void keep_region(Kind kind, int index) override;
    void place_tracking_region(const QRect &scene_rect) override;

    void on_teacher_track_region_radioButton_clicked(bool checked);
    void on_teacher_snapshot_region_radioButton_clicked(bool checked);
    void on_clear_snapshot_region_pushButton_clicked();
    void on_teacher_shield_region_radioButton_clicked(bool checked);
    void on_teacher_board_region_radioButton_clicked(bool checked);
    void shield_box_clicked(int index, bool checked);
    void board_box_clicked(int index, bool checked);

private:
    CustomGraphicsScene *scene() const;
    bool connected() const;
    // The name becomes the next drawing's (remove false), or its items go (remove true).
    void prepare(const QString &name, bool remove);
    void add_region(Pen pen, const QString &name, const region_geometry::RegionRect &r);
    // The items of the name go, and one is drawn anew under the name.
    void replace_region(Pen pen, const QString &name, const region_geometry::RegionRect &r);
    void start_drawing(Pen pen);
    // The region is redrawn where it was collected, or drawn anew when it never was.
    void put_back(Pen pen, const QString &name, const region_geometry::RegionRect &stored, const char *log_label);
    void disable_boxes();
    QCheckBox *shield_box(int index) const;
    QCheckBox *board_box(int index) const;

    const Widgets ui;
    BorrowedRegionScene &m_scene;
    const WizardLink &m_link;
    const QCheckBox &m_regions_shown_box;
    teacher_region_keys::TeacherRegionCoord teacher_region_coord;
    wizard_regions::TeacherDisplayRegion teacher_display_region;
    wizard_regions::RegionFlags m_flags;
    QMetaObject::Connection m_scene_changed;
    QMetaObject::Connection m_scene_selected;
};
