#pragma once

#include "model/camera_slot.h"
#include "model/section_values.h"
#include "protocol/teacher_region_keys.h"
#include "regions/detector_picture.h"
#include "regions/teacher_regions.h"
#include "support/calibration_view.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QSize>

#include <vector>

class CameraPorts;
class CameraSlots;
class ControlLink;
class CustomGraphicsScene;
class CustomGraphicsView;
class QCheckBox;
class QGraphicsItem;
class QPushButton;
class QRadioButton;
class QThread;
struct DetRes;
struct PanoStatus;
struct RectFManage;
class YOLO;

#define REGION_EDITOR_WIDGETS(X) \
    X(QPushButton, clear_snapshot_region_pushButton) \
    X(QPushButton, del_track_region_pushButton) \
    X(CustomGraphicsView, graphicsView) \
    X(QPushButton, teacher_ai_detection_pushButton) \
    X(QCheckBox, teacher_board_one_checkBox) \
    X(QRadioButton, teacher_board_region_radioButton) \
    X(QCheckBox, teacher_board_three_checkBox) \
    X(QCheckBox, teacher_board_two_checkBox) \
    X(QCheckBox, teacher_shield_four_checkBox) \
    X(QCheckBox, teacher_shield_one_checkBox) \
    X(QRadioButton, teacher_shield_region_radioButton) \
    X(QCheckBox, teacher_shield_three_checkBox) \
    X(QCheckBox, teacher_shield_two_checkBox) \
    X(QCheckBox, teacher_show_region_checkBox) \
    X(QRadioButton, teacher_snapshot_region_radioButton) \
    X(QRadioButton, teacher_track_region_radioButton)

// What the region controls change of the Teacher tab's controls around them.
class RegionEditorSignals : public QObject
{
    Q_OBJECT

signals:
    // A region box changed what the Apply sends: the Teacher tab's Apply is marked; the snapshot
    // region chosen shows it applied.
    void apply_mark_wanted(camera_slot::Side side);
    void applied_shown_wanted(camera_slot::Side side);
    // The region display of an M19 or M5 frees the zoom keys while the pano does not track.
    void zoom_enabled_wanted(camera_slot::Side side, bool enable);
    // The snapshot effect list goes with the region controls.
    void board_effect_enabled_wanted(bool enable);
};

// The teacher and blackboard regions on the region scene over the teacher panorama preview: the
// scene itself, the Teacher tab's region controls, a reply's regions put on the scene, the
// scene's regions collected for an Apply, and the region commands to the teacher pano camera.
class RegionEditor : public RegionEditorSignals, public TeacherRegions
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        REGION_EDITOR_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // The pen of each region kind, as the region items take it.
    enum Pen { TrackingPen = 0, BoardPen = 1, ShieldPen = 2, SnapshotPen = 3 };

    // The status: the teacher tracking status the reply parser last took (2: stopped), the crop
    // state that hiding the regions forgets and whether the teacher pano was let go; teacher: the
    // customer model has no blackboards; calibration: the cross goes off for an M5's region
    // display; picture and detector: the detection's teacher pano picture and the blackboard and
    // screen detector.
    RegionEditor(const Widgets &widgets, CameraSlots &cameras, const CameraPorts &ports, ControlLink &link,
                 PanoStatus &status, const TeacherSection &teacher, CalibrationView &calibration,
                 DetectorPicture &picture, YOLO &detector, QWidget *window);
    ~RegionEditor() override;

    // The scene the installer draws on, set on the form's region view.
    CustomGraphicsScene *scene() const { return region_scene; }
    // The regions of the last teacher reply (camera units), into which the teacher section stores.
    teacher_region_keys::TeacherRegionCoord &region_coord() { return teacher_region_coord; }
    // The regions in scene units, from a reply or collected from the scene.
    teacher_region_keys::TeacherRegionRects &region_rects() { return teacher_region_rects; }
    const teacher_region_keys::TeacherRegionRects &region_rects() const { return teacher_region_rects; }
    // Armed by an Obtain (the next parsed reply redraws the regions once), disarmed by a disconnect.
    bool redraw_pending() const { return teacher_region_redraw_pending; }
    void set_redraw_pending(bool pending) { teacher_region_redraw_pending = pending; }

    // Selection on the scene: logged only.
    void checkSelection();
    void selectNewItem(QGraphicsItem *item);
    void selectItemRectStr(QString name);
    void checkActionStates();
    void selectItem(QGraphicsItem *item);

    // A named region item of the kind's pen on the scene.
    void set_region_rect(Pen pen, const QString &name, qreal left, qreal top, qreal width, qreal height);
    void setShieldRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height)
    {
        set_region_rect(ShieldPen, name, left, top, width, height);
    }
    void setBoardRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height)
    {
        set_region_rect(BoardPen, name, left, top, width, height);
    }
    void setTrackRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height)
    {
        set_region_rect(TrackingPen, name, left, top, width, height);
    }
    void setSnapshotRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height)
    {
        set_region_rect(SnapshotPen, name, left, top, width, height);
    }
    void start_shield_region_draw();
    void start_board_region_draw();
    void setShieldRegion(const QString &name);
    void setBoardRegion(const QString &name);
    void clear_region_scene();
    void region_item_center(RectFManage *record);
    void update_tracking_region_item(bool remove);
    void update_board_left_region_item(bool remove);
    void update_board_right_region_item(bool remove);
    void update_board_center_region_item(bool remove);
    void update_shield_one_region_item(bool remove);
    void update_shield_two_region_item(bool remove);
    void update_shield_three_region_item(bool remove);
    void update_shield_four_region_item(bool remove);

    void resolve_teacher_region_reply(const QString &reply);
    void parse_teacher_region_coord();
    void teacher_display_region();
    void display_pending_teacher_regions();
    void collect_region_rects();
    teacher_region_keys::ApplyRegions teacher_apply_regions() const;
    bool find_shield_rect(const QString &name);
    bool find_board_rect(const QString &name);
    bool near_track_edge(int value);
    bool region_in_bounds(int x, int y, int w, int h);
    void set_teacher_region_widgets(bool enable);
    // The region view usable or not (camera group 0); the customer model has no blackboards.
    void enable_group_controls(int camera, bool enable);
    void disable_board_controls();
    // The snapshot, detection and clearing controls that the set-up offers.
    void show_unused_controls(bool shown);
    // The teacher pano camera let go: no redraw waits; its regions hide, the view no longer
    // takes the mouse and the region boxes go off; once its destination is cleared the scene
    // empties.
    void pano_camera_released(camera_slot::Side side);
    void pano_views_closed(camera_slot::Side side);
    // The teacher calibration cross shows: the region display box goes off (without its click).
    void region_display_off(camera_slot::Side side);
    // The teacher side's tracking started or stopped: the region controls of a shown display
    // follow (off while it tracks).
    void side_tracking_switched(camera_slot::Side side, bool start);
    // The region display box is usable while the teacher pano answers its status.
    void enable_region_display(camera_slot::Side side, bool enable);
    // TeacherRegions
    void collect_scene_regions() override { collect_region_rects(); }
    teacher_region_keys::ApplyRegions apply_regions() const override { return teacher_apply_regions(); }
    region_geometry::RegionRect feature_rect() const override { return teacher_region_rects.feature; }
    void redraw_on_next_reply() override;
    void read_reply_regions(const QString &reply) override;
    void pano_destination_cleared(camera_slot::Side side);
    // A text block (teacher text port) or a VISCA text (teacher VISCA port) to the teacher pano.
    void send_teacher_pano_text(const QString &text);
    void send_teacher_pano_visca(const QString &hexText);

    void on_teacher_track_region_radioButton_clicked(bool checked);
    void on_teacher_shield_region_radioButton_clicked(bool checked);
    void on_teacher_shield_one_checkBox_clicked(bool checked);
    void on_teacher_shield_two_checkBox_clicked(bool checked);
    void on_teacher_shield_three_checkBox_clicked(bool checked);
    void on_teacher_shield_four_checkBox_clicked(bool checked);
    void on_teacher_board_region_radioButton_clicked(bool checked);
    void on_teacher_board_one_checkBox_clicked(bool checked);
    void on_teacher_board_two_checkBox_clicked(bool checked);
    void on_teacher_board_three_checkBox_clicked(bool checked);
    void on_teacher_snapshot_region_radioButton_clicked(bool checked);
    void on_clear_snapshot_region_pushButton_clicked(bool checked);
    void on_teacher_show_region_checkBox_clicked(bool checked);
    void on_del_track_region_pushButton_clicked();
    // The AI detection: the button arms it for the teacher pano's next picture, which the picture
    // slot hands to QImage2cvMat; the blackboards and screens found become regions on the scene.
    void on_teacher_ai_detection_pushButton_clicked();
    void QImage2cvMat(QImage image);
    // A detection runs beside the window: pictures and presses meanwhile are ignored.
    bool detecting() const;

private:
    void shield_box_clicked(int index, bool checked);
    void board_box_clicked(int index, bool checked);
    bool find_region_rect(const QString &name, const char *found);
    // One detected blackboard or screen as region `index` of its kind, when it is within bounds.
    void place_detected(Pen pen, int index, const QRectF &rect);
    // The detection's finds in a picture of the size, placed on the scene.
    void place_detections(const std::vector<DetRes> &detRes, QSize image);
    bool teacher_pano_connected() const;
    QCheckBox *shield_box(int index) const;
    QCheckBox *board_box(int index) const;

    const Widgets ui;
    CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    PanoStatus &m_status;
    const TeacherSection &m_teacher;
    CalibrationView &m_calibration;
    DetectorPicture &m_picture;
    YOLO &m_detector;
    QWidget *m_window;
    CustomGraphicsScene *region_scene = nullptr;

    // Region values of the last teacher reply, camera units (640 by 360).
    teacher_region_keys::TeacherRegionCoord teacher_region_coord;
    // The same regions in scene units (480 by 270), from a reply or collected from the scene.
    teacher_region_keys::TeacherRegionRects teacher_region_rects;
    // Known flags: the camera reported the region; only known regions are applied converted.
    bool teacher_draw_snapshot_finish = false;
    bool teacher_draw_track_finish = false;
    bool teacher_draw_shield_finish[teacher_region_keys::kShieldCount] = {false, false, false, false};
    bool teacher_draw_board_finish[teacher_region_keys::kBoardCount] = {false, false, false};
    // Show flags: which regions teacher_display_region puts on the scene.
    bool teacher_show_snapshot_region = false;
    bool teacher_show_track_region = false;
    bool teacher_show_shield_region[teacher_region_keys::kShieldCount] = {false, false, false, false};
    bool teacher_show_board_region[teacher_region_keys::kBoardCount] = {false, false, false};
    bool teacher_region_redraw_pending = false;
    // The tracking cancel waits out its pause.
    bool m_cancel_pending = false;
    // The running detection, if any.
    QThread *m_detection = nullptr;
    bool teacher_track_region_mode = false;
    bool teacher_shield_region_mode = false;
    bool teacher_board_region_mode = false;
    bool teacher_snapshot_region_mode = false;
    int teacher_region_kind = 1; // 0 snapshot, 1 tracking, 2 shield, 3 blackboard
    int teacher_current_shield = -1;
    int teacher_current_board = -1;
    QRectF region_item_rect;
    // The blackboards and screens of the last detection, scene units, in detection order.
    QList<QRectF> blackboardRectList;
    QList<QRectF> screenRectList;
    // The last region found by name (find_shield_rect, find_board_rect).
    int found_region_x = 0, found_region_y = 0;
    int found_region_w = 0, found_region_h = 0;
};
