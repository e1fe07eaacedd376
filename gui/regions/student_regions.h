#pragma once

#include "model/camera_slot.h"
#include "model/preview_areas.h"
#include "model/section_values.h"
#include "model/student_region_points.h"
#include "protocol/student_region_coord.h"
#include "support/calibration_view.h"
#include "support/form_widgets.h"
#include "support/open_page.h"
#include "transfer/transfer_files.h"

#include <QCoreApplication>
#include <QObject>
#include <QPoint>

#include <array>

class CameraPorts;
class CameraSlots;
class ControlLink;
class PanoStatus;
class QCheckBox;
class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPainter;
class QRadioButton;
class QToolButton;

#define STUDENT_REGIONS_WIDGETS(X) \
    X(QWidget, board_pano_region_widget) \
    X(QCheckBox, board_shield_eight_checkBox) \
    X(QCheckBox, board_shield_five_checkBox) \
    X(QCheckBox, board_shield_four_checkBox) \
    X(QCheckBox, board_shield_one_checkBox) \
    X(QRadioButton, board_shield_region_radioButton) \
    X(QCheckBox, board_shield_seven_checkBox) \
    X(QCheckBox, board_shield_six_checkBox) \
    X(QCheckBox, board_shield_three_checkBox) \
    X(QCheckBox, board_shield_two_checkBox) \
    X(QCheckBox, board_show_region_checkBox) \
    X(QRadioButton, board_track_region_radioButton) \
    X(QLineEdit, people_number_lineEdit) \
    X(QToolButton, student_calibrate_area_toolButton) \
    X(QComboBox, student_calibration_comboBox) \
    X(QCheckBox, student_designated_region_checkBox) \
    X(QRadioButton, student_designated_region_radioButton) \
    X(QWidget, student_feature_region_widget) \
    X(QWidget, student_pano_region_widget) \
    X(QCheckBox, student_pos_calibration_region_checkBox) \
    X(QRadioButton, student_pos_calibration_region_radioButton) \
    X(QLabel, student_region_four_hint_label) \
    X(QLabel, student_region_one_hint_label) \
    X(QLabel, student_region_three_hint_label) \
    X(QLabel, student_region_two_hint_label) \
    X(QCheckBox, student_shield_four_checkBox) \
    X(QCheckBox, student_shield_one_checkBox) \
    X(QRadioButton, student_shield_region_radioButton) \
    X(QCheckBox, student_shield_three_checkBox) \
    X(QCheckBox, student_shield_two_checkBox) \
    X(QCheckBox, student_show_region_checkBox) \
    X(QCheckBox, student_track_region_checkBox) \
    X(QRadioButton, student_track_region_radioButton)

// What the region controls tell the tabs around them.
class StudentRegionsSignals : public QObject
{
    Q_OBJECT

signals:
    // A region box or a point moved changed what the side's Apply (Student or Board) sends.
    void apply_mark_wanted(camera_slot::Side side);
    // The region display of an M19 or M5 frees the student zoom keys while the pano does not track.
    void zoom_enabled_wanted(camera_slot::Side side, bool enable);
    // The calibration height chosen: the Student tab sends it to the pano camera.
    void calibration_height_chosen(const QString &text);
    // The calibration button: the calibration dialog opens.
    void calibrate_area_clicked();
};

// The regions drawn with the mouse straight on the student and board preview pictures: the
// student area's four corners, the four edge-anchored shields, the designated points and the
// position-calibration points of both student pictures, and the board's tracking and shield
// rectangles. It keeps the drawing state and paints the overlays; the points themselves are the
// student point model and the board preview record, lent by their tabs. The window's event
// filter hands it the paint and mouse events of the three region widgets (filter_event); it
// repaints only when something it shows changed. Its boxes edit the student section's region
// switches (the shields, the designated and tracking areas, the people number).
class StudentRegions : public StudentRegionsSignals
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        STUDENT_REGIONS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // filter is the object installed as the region widgets' event filter (the window), which
    // passes their events on to filter_event; student: the section whose region switches the
    // boxes edit (and its point format); page: the overlays and the mouse act on the tab that
    // shows; calibration: the cross and the region display do not show together.
    StudentRegions(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports, ControlLink &link,
                   PanoStatus &status, StudentSection &student, StudentRegionPoints &points, BoardPreviewAreas &board,
                   const OpenPage &page, CalibrationView &calibration, QObject *filter, QWidget *window);

    // A paint or mouse event of a region widget; other events and widgets are left alone. The
    // widget handles the event as usual afterwards.
    void filter_event(QObject *watched, QEvent *event);
    // The student pictures' overlays are drawn again (after a reply, or the calibration dialog
    // changed the points).
    void repaint_student_regions();
    // A reply's region keys were read: the boxes take the switches the reply carried, every
    // element counts as drawn, and the shields the reply switched follow their boxes while the
    // regions are shown.
    void student_regions_read(const StudentRegionChecks &checks);
    // A reply carried the designated area's people number.
    void people_number_read();
    // A reply carried the calibration height (the list's entry); the list's own slot stays quiet.
    void show_calibration_height(int index);
    // The position calibration's controls, offered for a pair of J57 student cameras.
    void show_calibration_controls(bool shown);
    // The board pano's reply switched its shields ("1"/"0" per shield): the boxes follow, and
    // the shields show while the board regions are shown.
    void board_shields_read(const QString &pano_shield_enable);
    // The region display box of the side usable or not; checked or not without its click (the
    // calibration dialog takes the student pictures meanwhile).
    void enable_region_display(camera_slot::Side side, bool enable);
    void check_region_display(bool checked);
    // The calibration button usable or not (while the dialog opens).
    void enable_calibrate_button(bool enable);

    // The customer model has no board cameras to draw on.
    void disable_board_controls();
    // A student camera's picture runs: its region widget takes the mouse. The student pano camera
    // let go: its regions hide and no widget takes the mouse; likewise the board pano camera.
    void camera_connecting(camera_slot::Slot slot);
    void pano_views_closed(camera_slot::Side side);
    // The student calibration cross shows: the region display box goes off (without its click).
    void region_display_off(camera_slot::Side side);
    void board_pano_released();
    // A role's parameter archive travels: its region widgets take no painting or mouse handling
    // until it has arrived or failed, and then take them as they did before.
    void pause_painting(transfer::Role role);
    void resume_painting(transfer::Role role);

    void on_student_show_region_checkBox_clicked(bool checked);
    void on_student_track_region_radioButton_clicked(bool checked);
    void on_student_shield_region_radioButton_clicked(bool checked);
    void on_student_shield_checkBox_clicked(int shield, bool checked);
    void on_student_designated_region_radioButton_clicked(bool checked);
    void on_student_designated_region_checkBox_clicked(bool checked);
    void on_student_track_region_checkBox_clicked(bool checked);
    void on_student_pos_calibration_region_radioButton_clicked(bool checked);
    void on_student_pos_calibration_region_checkBox_clicked(bool checked);
    void on_student_pos_calibration_region_checkBox_stateChanged(int state);
    void on_board_show_region_checkBox_clicked(bool checked);
    void on_board_track_region_radioButton_clicked(bool checked);
    void on_board_shield_region_radioButton_clicked(bool checked);
    void on_board_shield_checkBox_clicked(int shield, bool checked);

private:
    bool painting_paused(const QWidget *widget) const;

    // A group of points moved by dragging: the corners, the designated points, the calibration
    // points of either picture. The calibration points' drag positions and flags are the point
    // model's, shared with the calibration dialog; the model keeps the positions in picture points.
    enum Group { Corners, Designated, PanoCalibrate, FeatureCalibrate, kGroupCount };
    struct GroupState {
        QPoint *pos = nullptr; // the points' copies while dragged
        bool *done = nullptr;
        bool *visible = nullptr;
        QPoint pos_offset;     // what pos lies off the window frame: the picture origin, or none
        bool pressed = false;
        int dragged = -1;
        void fill(bool *flags, bool on) const { std::fill(flags, flags + 6, on); }
        QPoint window(int i) const { return pos[i] + pos_offset; }
        void set_window(int i, const QPoint &p) { pos[i] = p - pos_offset; }
    };
    QPoint *group_points(Group g);
    int group_count(Group g) const;
    QPoint group_origin(Group g) const;

    // The mouse on the student pictures and the board picture, in window points.
    bool student_mode_allowed(int kind, bool radio, bool feature) const;
    bool board_mode_allowed(int kind, bool radio) const;
    void mouse_event(QWidget *widget, QMouseEvent *event);
    void press_point(Group g, const QPoint &p);
    void move_point(Group g, const QPoint &p);
    void release_point(Group g);
    void press_shield(QWidget *widget, const QPoint &p);
    void move_shield(const QPoint &p);
    void release_shield();
    void board_press(const QPoint &p);
    void board_move(const QPoint &p);
    void board_release();

    void paint_student_zone_overlay();
    void paint_student_feature_points();
    void paint_board_pano_regions();
    void paint_calibration_point(QPainter &painter, const QPoint &p, int number, bool beside);

    // The region-controls switches of the two tabs.
    void set_student_region_controls(bool enable);
    void set_board_region_controls(bool enable);
    void clear_student_modes();
    void set_student_mode(int kind);
    // The shield flags and the shield drawn follow the boxes: the lowest checked one is drawn.
    void student_shields_follow_boxes();
    void board_shields_follow_boxes();
    void points_follow_box(Group g, bool checked, bool done_too);
    void set_boxes_enabled(bool track, bool shields, bool designated, bool calibration);
    QCheckBox *student_shield_box(int i) const;
    QCheckBox *board_shield_box(int i) const;
    bool student_pano_connected() const;
    bool plain_student_model() const;
    void send_student_pano(const QString &text, bool hex);

    const Widgets ui;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    PanoStatus &m_status;
    StudentSection &m_student;
    StudentRegionPoints &m_points;
    BoardPreviewAreas &m_board;
    const OpenPage &m_page;
    CalibrationView &m_calibration;
    QObject *m_filter;
    QWidget *m_window;

    // What the mouse edits on the Student tab: 1 corners, 2 shields, 4 designated points,
    // 5 calibration points; on the Board tab: 1 the tracking rectangle, 2 shields.
    int student_region_kind = 0;
    int board_region_kind = 0;
    bool student_track_mode = false;
    bool student_shield_mode = false;
    bool student_designated_mode = false;
    bool student_calibrate_mode = false;
    bool board_track_mode = false;
    bool board_shield_mode = false;

    std::array<GroupState, kGroupCount> groups{};
    // The corners' and designated points' window copies while dragged, done and visible flags.
    std::array<QPoint, 6> student_track_pos{};
    std::array<bool, 6> student_track_done{};
    std::array<bool, 6> student_track_visible{};
    std::array<QPoint, 6> student_designated_pos{};
    std::array<bool, 6> student_designated_done{};
    std::array<bool, 6> student_designated_visible{};
    // The shield the mouse draws (the lowest checked box), -1 for none; the one being dragged.
    int student_shield_index = -1;
    int dragged_shield = -1;
    bool student_shield_pressed = false;
    std::array<QPoint, preview_areas::kShieldCount> student_shield_start{};
    std::array<QPoint, preview_areas::kShieldCount> student_shield_end{};
    std::array<bool, preview_areas::kShieldCount> student_shield_visible{};

    // The show-region box's click waits for the camera's region display to switch.
    bool show_region_switching = false;

    int board_shield_index = -1;
    bool board_track_pressed = false;
    bool board_shield_pressed = false;
    bool student_painting_paused = false;
    bool board_painting_paused = false;
};
