#include "regions/region_editor.h"

#include "core/wait.h"
#include "detection/detected_regions.h"
#include "detection/picture_conversion.h"
#include "detection/yolo.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "model/pano_status.h"
#include "model/region_geometry.h"
#include "net/control_link.h"
#include "protocol/parameter_block.h"
#include "protocol/teacher_parameters.h"
#include "protocol/tracking_command.h"
#include "regions/customgraphicsrectitem.h"
#include "regions/customgraphicsscene.h"
#include "regions/customgraphicsview.h"
#include "seams/message_box.h"

#include <QCheckBox>
#include <QDebug>
#include <QGraphicsItem>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>

#include <memory>
#include <optional>

using camera_slot::Side;
using camera_slot::Slot;
using region_geometry::RegionRect;
using teacher_region_keys::kBoardCount;
using teacher_region_keys::kShieldCount;

namespace {
const QString kTrackingRegion = QStringLiteral("TrackingRegion");
const QString kSnapshotRegion = QStringLiteral("SnapshotRegion");
const QString kShieldNames[kShieldCount] = {QStringLiteral("ShieldRegionOne"), QStringLiteral("ShieldRegionTwo"),
                                            QStringLiteral("ShieldRegionThree"), QStringLiteral("ShieldRegionFour")};
// Board one is the left region, two the right one and three the centre one.
const QString kBoardNames[kBoardCount] = {QStringLiteral("BoardRegionLeft"), QStringLiteral("BoardRegionRight"),
                                          QStringLiteral("BoardRegionCenter")};

// Where a stored tracking region cannot be drawn, this one is put on the scene instead.
constexpr RegionRect kDefaultSceneTracking = {15, 60, 450, 120};

// The camera takes a moment to switch its own region drawing before it answers anything else.
constexpr int kRegionDisplaySwitchMs = 500;
// The scene's items settle before their rectangles are read back.
constexpr int kCollectSettleMs = 300;
// The camera needs a moment after the scene is cleared before it forgets the tracking area.
constexpr int kCancelTrackingPauseMs = 500;

// Puts a region the camera already has back on the scene, ready to be edited. A region the
// camera does not have yet (any side below 1) is left to the installer to draw: false.
bool put_back_region(CustomGraphicsScene *scene, const QString &name, const RegionRect &r, int pen)
{
    if (r.x < 1 || r.y < 1 || r.w < 1 || r.h < 1)
        return false;
    scene->delGraphicsRectItem(name);
    scene->addGraphicsRectItem(name, r.x, r.y, r.w, r.h, pen);
    scene->setCurrentAction(CustomGraphicsScene::DefaultType);
    return true;
}

int index_of(const QString *names, int count, const QString &name)
{
    for (int i = 0; i < count; ++i) {
        if (names[i] == name)
            return i;
    }
    return -1;
}

QString teacher_command_block(const char *verb)
{
    return tracking_command::command_text(QString::fromLatin1(parameter_block::kTeacherSection),
                                          QString::fromLatin1(verb));
}

QString region_text(const char *format, const RegionRect &r)
{
    return QString::asprintf(format, r.x, r.y, r.w, r.h);
}

// Region names: with remove, every item of the name goes; otherwise the name becomes the
// scene's current region (the one that reacts to the mouse and names the next drawing).
void use_region_name(CustomGraphicsScene *scene, const QString &name, bool remove)
{
    if (remove)
        scene->delGraphicsRectItem(name);
    else
        scene->setTrackingRegionName(name);
}

// One character of an enable string drives a check box and, while regions are shown, the
// region's show flag. A character that is neither '0' nor '1', or that the string lacks,
// changes nothing.
void apply_enable(QCheckBox *box, bool &showFlag, const QString &enable, int index, bool show)
{
    const std::optional<bool> on = teacher_region_keys::enable_char(enable, index);
    if (!on)
        return;
    if (*on) {
        box->setChecked(true);
        if (show)
            showFlag = true;
    } else {
        box->setChecked(false);
        showFlag = false;
    }
}
} // namespace

RegionEditor::~RegionEditor()
{
    // Only when the window goes: the detector must not outlive its one running pass.
    if (m_detection) {
        m_detection->wait();
        delete m_detection;
    }
}

RegionEditor::RegionEditor(const Widgets &widgets, CameraSlots &cameras, const CameraPorts &ports, ControlLink &link,
                           PanoStatus &status, const TeacherSection &teacher, CalibrationView &calibration,
                           DetectorPicture &picture, YOLO &detector, QWidget *window)
    : ui(widgets)
    , m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_status(status)
    , m_teacher(teacher)
    , m_calibration(calibration)
    , m_picture(picture)
    , m_detector(detector)
    , m_window(window)
{
    region_scene = new CustomGraphicsScene(this);
    region_scene->setSceneRect(0, 0, 480, 270);
    ui.graphicsView->resize(480, 270);
    ui.graphicsView->setScene(region_scene);
    connect(region_scene, &QGraphicsScene::selectionChanged, this, &RegionEditor::checkSelection);
    connect(region_scene, &CustomGraphicsScene::signalNewSelectItem, this, &RegionEditor::selectNewItem);
    connect(region_scene, &CustomGraphicsScene::signalSelectItemStr, this, &RegionEditor::selectItemRectStr);

    connect(ui.teacher_track_region_radioButton, &QRadioButton::clicked, this,
            &RegionEditor::on_teacher_track_region_radioButton_clicked);
    connect(ui.teacher_shield_region_radioButton, &QRadioButton::clicked, this,
            &RegionEditor::on_teacher_shield_region_radioButton_clicked);
    connect(ui.teacher_shield_one_checkBox, &QCheckBox::clicked, this,
            &RegionEditor::on_teacher_shield_one_checkBox_clicked);
    connect(ui.teacher_shield_two_checkBox, &QCheckBox::clicked, this,
            &RegionEditor::on_teacher_shield_two_checkBox_clicked);
    connect(ui.teacher_shield_three_checkBox, &QCheckBox::clicked, this,
            &RegionEditor::on_teacher_shield_three_checkBox_clicked);
    connect(ui.teacher_shield_four_checkBox, &QCheckBox::clicked, this,
            &RegionEditor::on_teacher_shield_four_checkBox_clicked);
    connect(ui.teacher_board_region_radioButton, &QRadioButton::clicked, this,
            &RegionEditor::on_teacher_board_region_radioButton_clicked);
    connect(ui.teacher_board_one_checkBox, &QCheckBox::clicked, this,
            &RegionEditor::on_teacher_board_one_checkBox_clicked);
    connect(ui.teacher_board_two_checkBox, &QCheckBox::clicked, this,
            &RegionEditor::on_teacher_board_two_checkBox_clicked);
    connect(ui.teacher_board_three_checkBox, &QCheckBox::clicked, this,
            &RegionEditor::on_teacher_board_three_checkBox_clicked);
    connect(ui.teacher_snapshot_region_radioButton, &QRadioButton::clicked, this,
            &RegionEditor::on_teacher_snapshot_region_radioButton_clicked);
    connect(ui.clear_snapshot_region_pushButton, &QPushButton::clicked, this,
            &RegionEditor::on_clear_snapshot_region_pushButton_clicked);
    connect(ui.teacher_show_region_checkBox, &QCheckBox::clicked, this,
            &RegionEditor::on_teacher_show_region_checkBox_clicked);
    connect(ui.del_track_region_pushButton, &QPushButton::clicked, this,
            &RegionEditor::on_del_track_region_pushButton_clicked);
    connect(ui.teacher_ai_detection_pushButton, &QPushButton::clicked, this,
            &RegionEditor::on_teacher_ai_detection_pushButton_clicked);
}

QCheckBox *RegionEditor::shield_box(int index) const
{
    QCheckBox *const boxes[kShieldCount] = {ui.teacher_shield_one_checkBox, ui.teacher_shield_two_checkBox,
                                            ui.teacher_shield_three_checkBox, ui.teacher_shield_four_checkBox};
    return boxes[index];
}

QCheckBox *RegionEditor::board_box(int index) const
{
    QCheckBox *const boxes[kBoardCount] = {ui.teacher_board_one_checkBox, ui.teacher_board_two_checkBox,
                                           ui.teacher_board_three_checkBox};
    return boxes[index];
}

bool RegionEditor::teacher_pano_connected() const { return m_slots[Slot::TeacherPano].udp_flag; }

// ---------------------------------------------------------------------------
// Selection slots: they only log.

void RegionEditor::selectItemRectStr(QString name)
{
    qDebug() << QStringLiteral("MainWindow::selectItemRectStr：") << name;
}

void RegionEditor::checkSelection()
{
    qDebug() << "MainWindow::checkSelection";
}

void RegionEditor::selectNewItem(QGraphicsItem *item)
{
    if (item && item->type() == QGraphicsRectItem::Type)
        qDebug() << "MainWindow::selectNewItem:" << 4;
}

void RegionEditor::checkActionStates()
{
    const int action = region_scene ? region_scene->currentAction() : 0;
    Q_UNUSED(action)
    qDebug() << "MainWindow::checkActionStates";
}

void RegionEditor::selectItem(QGraphicsItem *) {}

// ---------------------------------------------------------------------------
// Putting regions on the scene.

void RegionEditor::set_region_rect(Pen pen, const QString &name, qreal left, qreal top, qreal width, qreal height)
{
    // The log names the setter of the kind, as the four setters of old did.
    static const char *const kSetterLabels[] = {
        "[MainWindow::setTrackRegionRect] ", "[MainWindow::setBoardRegionRect] ", "[MainWindow::setShieldRegionRect] ",
        "[MainWindow::setSnapshotRegionRect] "};
    qDebug() << kSetterLabels[pen] << "left:" << left << ",top:" << top << ",width:" << width << ",height:" << height;
    region_scene->addGraphicsRectItem(name, left, top, width, height, pen);
}

void RegionEditor::start_shield_region_draw()
{
    region_scene->setItemType(ShieldPen);
    region_scene->setCurrentAction(CustomGraphicsScene::RectType);
}

void RegionEditor::start_board_region_draw()
{
    region_scene->setItemType(BoardPen);
    region_scene->setCurrentAction(CustomGraphicsScene::RectType);
}

void RegionEditor::setShieldRegion(const QString &name)
{
    collect_region_rects();
    const int i = index_of(kShieldNames, kShieldCount, name);
    if (i < 0)
        return;
    const RegionRect r = teacher_region_rects.shield[i];
    qDebug() << QStringLiteral("setShieldRegion %1:").arg(i + 1) << r.x << r.y << r.w << r.h;
    if (!put_back_region(region_scene, name, r, ShieldPen))
        start_shield_region_draw();
}

void RegionEditor::setBoardRegion(const QString &name)
{
    collect_region_rects();
    const int i = index_of(kBoardNames, kBoardCount, name);
    if (i < 0)
        return;
    const RegionRect r = teacher_region_rects.board[i];
    qDebug() << QStringLiteral("setBoardRegion %1:").arg(i + 1) << r.x << r.y << r.w << r.h;
    if (!put_back_region(region_scene, name, r, BoardPen))
        start_board_region_draw();
}

void RegionEditor::clear_region_scene()
{
    // The scene destroys every item together with its record, so no record is left naming an
    // item that has gone.
    region_scene->clearAllItems();
}

void RegionEditor::region_item_center(RectFManage *record)
{
    if (!record || !record->item)
        return;
    region_item_rect = region_geometry::item_scene_rect(record->item->boundingRect(), record->item->scenePos());
}

void RegionEditor::update_tracking_region_item(bool remove)
{
    use_region_name(region_scene, kTrackingRegion, remove);
}

void RegionEditor::update_board_left_region_item(bool remove)
{
    use_region_name(region_scene, kBoardNames[0], remove);
}

void RegionEditor::update_board_right_region_item(bool remove)
{
    use_region_name(region_scene, kBoardNames[1], remove);
}

void RegionEditor::update_board_center_region_item(bool remove)
{
    use_region_name(region_scene, kBoardNames[2], remove);
}

void RegionEditor::update_shield_one_region_item(bool remove)
{
    use_region_name(region_scene, kShieldNames[0], remove);
}

void RegionEditor::update_shield_two_region_item(bool remove)
{
    use_region_name(region_scene, kShieldNames[1], remove);
}

void RegionEditor::update_shield_three_region_item(bool remove)
{
    use_region_name(region_scene, kShieldNames[2], remove);
}

void RegionEditor::update_shield_four_region_item(bool remove)
{
    use_region_name(region_scene, kShieldNames[3], remove);
}

// ---------------------------------------------------------------------------
// From a teacher reply to the scene.

void RegionEditor::resolve_teacher_region_reply(const QString &reply)
{
    teacher_region_keys::store_teacher_region_keys(reply, teacher_region_coord);
    parse_teacher_region_coord();
}

void RegionEditor::parse_teacher_region_coord()
{
    using region_geometry::camera_to_scene;
    const teacher_region_keys::TeacherRegionCoord &c = teacher_region_coord;
    teacher_region_keys::TeacherRegionRects &r = teacher_region_rects;

    qDebug() << "teacher_restore_region[1] start_x:" << c.feature.x << c.feature.y << c.feature.w << c.feature.h;
    r.feature = camera_to_scene(c.feature);
    qDebug() << "teacher_restore_region[2] start_x:" << r.feature.x << r.feature.y << r.feature.w << r.feature.h;

    r.snapshot = camera_to_scene(c.snapshot);
    qDebug().noquote() << region_text(
        "MainWindow::SnapshotRegion[0] start_x: %d, start_y: %d, delta_x: %d, delta_y: %d", r.snapshot);
    teacher_draw_snapshot_finish = true;

    qDebug().noquote() << region_text("MainWindow::TrackRegion[0] start_x: %d, start_y: %d, delta_x: %d, delta_y: %d",
                                      c.tracking);
    r.tracking = camera_to_scene(c.tracking);
    qDebug().noquote() << region_text("MainWindow::TrackRegion[1] start_x: %d, start_y: %d, delta_x: %d, delta_y: %d",
                                      r.tracking);
    teacher_draw_track_finish = true;

    const bool show = ui.teacher_show_region_checkBox->isChecked();

    if (c.pano_shield_enable.isNull()) {
        qDebug() << "MainWindow::teacher_region_coord.pano_shield_enable.isNull()";
    } else {
        for (int i = 0; i < kShieldCount; ++i)
            apply_enable(shield_box(i), teacher_show_shield_region[i], c.pano_shield_enable, i, show);
    }

    for (int i = 0; i < kShieldCount; ++i) {
        r.shield[i] = camera_to_scene(c.shield[i]);
        qDebug().noquote() << QString::asprintf(
            "MainWindow::Shield[%d] start_x: %d, start_y: %d, delta_x: %d, delta_y: %d", i + 1, r.shield[i].x,
            r.shield[i].y, r.shield[i].w, r.shield[i].h);
        teacher_draw_shield_finish[i] = true;
    }

    qDebug() << "MainWindow::pano_board_enable: " << c.pano_board_enable;
    if (c.pano_board_enable.isNull()) {
        qDebug() << "teacher_region_coord.pano_board_enable.isNull()";
    } else {
        for (int i = 0; i < 2; ++i)
            apply_enable(board_box(i), teacher_show_board_region[i], c.pano_board_enable, i, show);
    }

    for (int i = 0; i < 2; ++i) {
        r.board[i] = camera_to_scene(c.board[i]);
        qDebug().noquote() << QString::asprintf(
            "MainWindow::BoardRegion[%d] start_x: %d, start_y: %d, delta_x: %d, delta_y: %d", i, r.board[i].x,
            r.board[i].y, r.board[i].w, r.board[i].h);
        teacher_draw_board_finish[i] = true;
    }

    // Older cameras report two blackboards only; their third region stays as it was.
    qDebug() << "pano_board_enable:length:" << c.pano_board_enable.size();
    if (!c.pano_board_enable.isEmpty() && c.pano_board_enable.size() > 2) {
        apply_enable(board_box(2), teacher_show_board_region[2], c.pano_board_enable, 2, show);
        r.board[2] = camera_to_scene(c.board[2]);
        qDebug().noquote() << region_text(
            "MainWindow::BoardRegion[3] start_x: %d, start_y: %d, delta_x: %d, delta_y: %d", r.board[2]);
        teacher_draw_board_finish[2] = true;
    }

    if (teacher_region_redraw_pending) {
        teacher_region_redraw_pending = false;
        teacher_display_region();
    }
}

void RegionEditor::display_pending_teacher_regions()
{
    if (!teacher_region_redraw_pending)
        return;
    teacher_region_redraw_pending = false;
    teacher_display_region();
}

void RegionEditor::teacher_display_region()
{
    using region_geometry::region_in_bounds;
    if (!ui.teacher_show_region_checkBox->isChecked())
        return;
    const teacher_region_keys::TeacherRegionRects &r = teacher_region_rects;

    if (teacher_show_snapshot_region) {
        const RegionRect s = r.snapshot;
        qDebug() << "snapshotRegion:" << s.x << s.y << s.w << s.h;
        if (region_in_bounds(s.x, s.y, s.w, s.h)) {
            region_scene->setTrackingRegionName(kSnapshotRegion);
            setSnapshotRegionRect(kSnapshotRegion, s.x, s.y, s.w, s.h);
        } else {
            qDebug() << "MainWindow:: Snapshot Out of draw area!";
            // A snapshot region pressed against the top or left edge is moved clear of it.
            const int x = s.x <= 5 ? 10 : s.x;
            const int y = s.y <= 5 ? 15 : s.y;
            qDebug() << "------x: " << x << QStringLiteral(",---y：") << y;
            if (s.w >= 1 && s.h >= 1) {
                region_scene->setTrackingRegionName(kSnapshotRegion);
                setSnapshotRegionRect(kSnapshotRegion, x, y, s.w, s.h);
            }
        }
        ui.teacher_snapshot_region_radioButton->setChecked(true);
    }

    for (int i = 0; i < kShieldCount; ++i) {
        if (!teacher_show_shield_region[i])
            continue;
        const RegionRect s = r.shield[i];
        qDebug().noquote() << QString::asprintf(
            "MainWindow::teacher_display_region->shield %d--- start_x: %d, start_y: %d, width: %d, height: %d", i, s.x,
            s.y, s.w, s.h);
        if (!region_in_bounds(s.x, s.y, s.w, s.h))
            continue;
        use_region_name(region_scene, kShieldNames[i], false);
        setShieldRegionRect(kShieldNames[i], s.x, s.y, s.w, s.h);
    }

    for (int i = 0; i < kBoardCount; ++i) {
        if (!teacher_show_board_region[i])
            continue;
        const RegionRect b = r.board[i];
        qDebug().noquote() << QString::asprintf(
            "MainWindow::teacher_display_region->board-%d-- start_x: %d, start_y: %d, width: %d, height: %d", i + 1,
            b.x, b.y, b.w, b.h);
        if (!region_in_bounds(b.x, b.y, b.w, b.h))
            continue;
        use_region_name(region_scene, kBoardNames[i], false);
        setBoardRegionRect(kBoardNames[i], b.x, b.y, b.w, b.h);
    }

    if (!teacher_show_track_region)
        return;
    const RegionRect t = r.tracking;
    update_tracking_region_item(false);
    if (region_in_bounds(t.x, t.y, t.w, t.h)) {
        setTrackRegionRect(kTrackingRegion, t.x, t.y, t.w, t.h);
    } else {
        qDebug() << "MainWindow:: Out of draw area!";
        const RegionRect d = kDefaultSceneTracking;
        setTrackRegionRect(kTrackingRegion, d.x, d.y, d.w, d.h);
    }
    qDebug() << "TrackRegion: " << t.x << t.y << t.w << t.h;
    ui.teacher_track_region_radioButton->setChecked(true);
}

// ---------------------------------------------------------------------------
// From the scene to the stored regions and the apply.

void RegionEditor::collect_region_rects()
{
    struct Target {
        const QString *name;
        RegionRect *rect;
        const char *label;
        bool twoLines;
    };
    teacher_region_keys::TeacherRegionRects &r = teacher_region_rects;
    // In the order the names are compared.
    const Target targets[] = {
        {&kTrackingRegion, &r.tracking, "MainWindowRECT::TRACKING_REGION", true},
        {&kShieldNames[0], &r.shield[0], "MainWindowRECT::SHIELD_REGION_ONE", true},
        {&kShieldNames[1], &r.shield[1], "MainWindowRECT::SHIELD_REGION_TWO", true},
        {&kShieldNames[2], &r.shield[2], "MainWindowRECT::SHIELD_REGION_THREE", true},
        {&kShieldNames[3], &r.shield[3], "MainWindowRECT::SHIELD_REGION_FOUR", true},
        {&kBoardNames[0], &r.board[0], "MainWindowRECT::BOARD_REGION_LEFT", false},
        {&kBoardNames[1], &r.board[1], "MainWindowRECT::BOARD_REGION_RIGHT", false},
        {&kBoardNames[2], &r.board[2], "MainWindowRECT::BOARD_REGION_CENTER", false},
        {&kSnapshotRegion, &r.snapshot, "MainWindowRECT::SNAPSHOT_REGION", false},
    };

    const QList<RectFManage *> records = region_scene->graphicsRectList();
    qDebug() << "itemTotal:" << records.size();
    for (int index = 0; index < records.size(); ++index) {
        RectFManage *record = records.at(index);
        qDebug() << "MainWindow::index: " << index << ",regionName:" << record->regionName
                 << ",BoundsPosition:" << record->rect;
        for (const Target &target : targets) {
            if (record->regionName != *target.name)
                continue;
            region_item_center(record);
            const QRectF &b = region_item_rect;
            if (target.twoLines) {
                qDebug() << (QByteArray(target.label) + "[0]:").constData() << b.topLeft();
                qDebug() << (QByteArray(target.label) + "[1]:").constData() << b.bottomRight();
            } else {
                qDebug() << (QByteArray(target.label) + ":").constData() << b.topLeft() << b.bottomRight();
            }
            *target.rect = region_geometry::collected_rect(b);
            break;
        }
    }
}

teacher_region_keys::ApplyRegions RegionEditor::teacher_apply_regions() const
{
    teacher_region_keys::ApplyRegions g;
    const teacher_region_keys::TeacherRegionRects &r = teacher_region_rects;
    g.snapshot = r.snapshot;
    g.tracking = r.tracking;
    g.snapshot_known = teacher_draw_snapshot_finish;
    g.tracking_known = teacher_draw_track_finish;
    for (int i = 0; i < kShieldCount; ++i) {
        g.shield[i] = r.shield[i];
        g.shield_known[i] = teacher_draw_shield_finish[i];
        g.shield_checked[i] = shield_box(i)->isChecked();
    }
    for (int i = 0; i < kBoardCount; ++i) {
        g.board[i] = r.board[i];
        g.board_known[i] = teacher_draw_board_finish[i];
        g.board_checked[i] = board_box(i)->isChecked();
    }
    return g;
}

bool RegionEditor::find_region_rect(const QString &name, const char *found)
{
    found_region_x = found_region_y = found_region_w = found_region_h = 0;
    const QList<RectFManage *> records = region_scene->graphicsRectList();
    qDebug() << "teacherRegion.count:" << records.size() << ",regionName:" << name;
    for (RectFManage *record : records) {
        qDebug() << "item->regionName:" << record->regionName;
        if (record->regionName != name)
            continue;
        region_item_center(record);
        const RegionRect r = region_geometry::collected_rect(region_item_rect);
        found_region_x = r.x;
        found_region_y = r.y;
        found_region_w = r.w;
        found_region_h = r.h;
        qDebug() << found << QRect(r.x, r.y, r.w, r.h);
        return true;
    }
    return false;
}

bool RegionEditor::find_shield_rect(const QString &name) { return find_region_rect(name, "contains shield_rect="); }

bool RegionEditor::find_board_rect(const QString &name) { return find_region_rect(name, "contains board_rect="); }

bool RegionEditor::near_track_edge(int value)
{
    // The pointer counts as on an edge within the hover band of the region items.
    constexpr int kMargin = 9;
    const RegionRect &t = teacher_region_rects.tracking;
    return qAbs(value - t.x) < kMargin || qAbs(value - (t.x + t.w)) < kMargin;
}

bool RegionEditor::region_in_bounds(int x, int y, int w, int h)
{
    return region_geometry::region_in_bounds(x, y, w, h);
}

void RegionEditor::enable_group_controls(int camera, bool enable)
{
    if (camera == 0)
        ui.graphicsView->setEnabled(enable);
}

void RegionEditor::disable_board_controls()
{
    if (!m_teacher.customer_model)
        return;
    for (QWidget *w : std::initializer_list<QWidget *>{ui.teacher_board_region_radioButton, ui.teacher_board_one_checkBox,
                                                       ui.teacher_board_two_checkBox, ui.teacher_board_three_checkBox})
        w->setEnabled(false);
}

void RegionEditor::pano_camera_released(camera_slot::Side side)
{
    if (side == camera_slot::Side::Teacher)
        set_redraw_pending(false);
}

void RegionEditor::region_display_off(camera_slot::Side side)
{
    if (side == camera_slot::Side::Teacher && ui.teacher_show_region_checkBox->isChecked())
        ui.teacher_show_region_checkBox->setChecked(false);
}

void RegionEditor::side_tracking_switched(camera_slot::Side side, bool start)
{
    if (side == camera_slot::Side::Teacher && ui.teacher_show_region_checkBox->isChecked())
        set_teacher_region_widgets(!start);
}

void RegionEditor::enable_region_display(camera_slot::Side side, bool enable)
{
    if (side == camera_slot::Side::Teacher)
        ui.teacher_show_region_checkBox->setEnabled(enable);
}

void RegionEditor::redraw_on_next_reply()
{
    set_redraw_pending(true);
    clear_region_scene();
}

void RegionEditor::read_reply_regions(const QString &reply)
{
    teacher_parameters::store_regions(reply, teacher_region_coord);
    parse_teacher_region_coord();
}

void RegionEditor::pano_views_closed(camera_slot::Side side)
{
    if (side != camera_slot::Side::Teacher)
        return;
    ui.teacher_show_region_checkBox->setChecked(false);
    on_teacher_show_region_checkBox_clicked(false);
    ui.graphicsView->removeEventFilter(m_window);
    ui.graphicsView->viewport()->removeEventFilter(m_window);
    for (QWidget *box : std::initializer_list<QWidget *>{
             ui.teacher_shield_one_checkBox, ui.teacher_shield_two_checkBox, ui.teacher_shield_three_checkBox,
             ui.teacher_shield_four_checkBox, ui.teacher_board_one_checkBox, ui.teacher_board_two_checkBox,
             ui.teacher_board_three_checkBox})
        box->setEnabled(false);
}

void RegionEditor::pano_destination_cleared(camera_slot::Side side)
{
    if (side != camera_slot::Side::Teacher)
        return;
    clear_region_scene();
    set_teacher_region_widgets(false);
}

void RegionEditor::show_unused_controls(bool shown)
{
    for (QWidget *w : std::initializer_list<QWidget *>{ui.teacher_snapshot_region_radioButton,
                                                       ui.teacher_ai_detection_pushButton,
                                                       ui.clear_snapshot_region_pushButton, ui.del_track_region_pushButton})
        w->setVisible(shown);
}

void RegionEditor::set_teacher_region_widgets(bool enable)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{
             ui.teacher_track_region_radioButton, ui.teacher_shield_region_radioButton,
             ui.teacher_board_region_radioButton, ui.teacher_snapshot_region_radioButton,
             ui.teacher_ai_detection_pushButton, ui.del_track_region_pushButton, ui.clear_snapshot_region_pushButton})
        widget->setEnabled(enable);
    emit board_effect_enabled_wanted(enable);
    if (!enable) {
        for (int i = 0; i < kShieldCount; ++i)
            shield_box(i)->setEnabled(false);
        for (int i = 0; i < kBoardCount; ++i)
            board_box(i)->setEnabled(false);
        return;
    }
    if (ui.teacher_shield_region_radioButton->isChecked()) {
        for (int i = 0; i < kShieldCount; ++i)
            shield_box(i)->setEnabled(true);
    } else if (ui.teacher_board_region_radioButton->isChecked()) {
        for (int i = 0; i < kBoardCount; ++i)
            board_box(i)->setEnabled(true);
    }
}

// ---------------------------------------------------------------------------
// Sending to the teacher panorama camera: region commands as text on its text port, the region
// display switch as VISCA bytes on its VISCA port.

void RegionEditor::send_teacher_pano_text(const QString &text)
{
    m_link.sendMsg_Net(m_slots[Slot::TeacherPano].destination, m_ports.udp_port(Side::Teacher), text, false);
}

void RegionEditor::send_teacher_pano_visca(const QString &hexText)
{
    m_link.sendMsg_Net(m_slots[Slot::TeacherPano].destination, m_ports.visca_port(Side::Teacher), hexText, true);
}

// ---------------------------------------------------------------------------
// The region controls of the teacher tab.

void RegionEditor::on_teacher_track_region_radioButton_clicked(bool checked)
{
    qDebug() << "on_teacher_track_region_radioButton_clicked checked:" << (checked ? "true" : "false");
    if (!checked || !teacher_pano_connected())
        return;
    collect_region_rects();
    const RegionRect t = teacher_region_rects.tracking;
    qDebug() << "teacherTrackRegion:" << t.x << t.y << t.w << t.h;
    update_tracking_region_item(false);
    region_scene->delGraphicsRectItem(kTrackingRegion);
    setTrackRegionRect(kTrackingRegion, t.x, t.y, t.w, t.h);
    region_scene->setCurrentAction(CustomGraphicsScene::DefaultType);

    teacher_snapshot_region_mode = false;
    teacher_track_region_mode = true;
    teacher_shield_region_mode = false;
    teacher_board_region_mode = false;
    teacher_region_kind = 1;
    teacher_show_track_region = true;
    for (int i = 0; i < kShieldCount; ++i)
        shield_box(i)->setEnabled(false);
    for (int i = 0; i < kBoardCount; ++i)
        board_box(i)->setEnabled(false);
}

void RegionEditor::on_teacher_shield_region_radioButton_clicked(bool checked)
{
    ui.teacher_board_region_radioButton->setChecked(false);
    ui.teacher_track_region_radioButton->setChecked(false);
    ui.teacher_snapshot_region_radioButton->setChecked(false);
    if (!checked || !teacher_pano_connected())
        return;

    for (int i = 0; i < kShieldCount; ++i)
        shield_box(i)->setEnabled(true);
    for (int i = 0; i < kBoardCount; ++i)
        board_box(i)->setEnabled(false);
    teacher_snapshot_region_mode = false;
    teacher_current_shield = -1;
    teacher_region_kind = 2;
    teacher_track_region_mode = false;
    teacher_shield_region_mode = true;
    teacher_board_region_mode = false;

    for (int i = 0; i < kShieldCount; ++i) {
        teacher_show_shield_region[i] = shield_box(i)->isChecked();
        if (teacher_show_shield_region[i])
            teacher_current_shield = i;
    }
    teacher_show_track_region = true;

    for (int i = 0; i < kShieldCount; ++i) {
        if (shield_box(i)->isChecked()) {
            use_region_name(region_scene, kShieldNames[i], false);
            setShieldRegion(kShieldNames[i]);
            break;
        }
    }
}

void RegionEditor::shield_box_clicked(int index, bool checked)
{
    if (checked) {
        teacher_show_shield_region[index] = true;
        teacher_current_shield = index;
        use_region_name(region_scene, kShieldNames[index], false);
        setShieldRegion(kShieldNames[index]);
    } else {
        teacher_current_shield = -1;
        teacher_show_shield_region[index] = false;
        region_scene->hideGraphicsRectItem(kShieldNames[index]);
        region_scene->setTrackingRegionName(QString());
        region_scene->setCurrentAction(CustomGraphicsScene::DefaultType);
    }
    emit apply_mark_wanted(Side::Teacher);
}

void RegionEditor::board_box_clicked(int index, bool checked)
{
    if (checked) {
        teacher_current_board = index;
        teacher_show_board_region[index] = true;
        use_region_name(region_scene, kBoardNames[index], false);
        setBoardRegion(kBoardNames[index]);
    } else {
        teacher_current_board = -1;
        teacher_show_board_region[index] = false;
        region_scene->hideGraphicsRectItem(kBoardNames[index]);
        region_scene->setCurrentAction(CustomGraphicsScene::DefaultType);
    }
    emit apply_mark_wanted(Side::Teacher);
}

void RegionEditor::on_teacher_shield_one_checkBox_clicked(bool checked) { shield_box_clicked(0, checked); }
void RegionEditor::on_teacher_shield_two_checkBox_clicked(bool checked) { shield_box_clicked(1, checked); }
void RegionEditor::on_teacher_shield_three_checkBox_clicked(bool checked) { shield_box_clicked(2, checked); }
void RegionEditor::on_teacher_shield_four_checkBox_clicked(bool checked) { shield_box_clicked(3, checked); }

void RegionEditor::on_teacher_board_region_radioButton_clicked(bool checked)
{
    ui.teacher_shield_region_radioButton->setChecked(false);
    ui.teacher_track_region_radioButton->setChecked(false);
    ui.teacher_snapshot_region_radioButton->setChecked(false);
    if (checked) {
        if (!teacher_pano_connected())
            return;
        teacher_snapshot_region_mode = false;
        teacher_track_region_mode = false;
        teacher_shield_region_mode = false;
        teacher_board_region_mode = true;
        teacher_region_kind = 3;
        teacher_show_track_region = true;
        teacher_current_board = -1;
        for (int i = 0; i < kBoardCount; ++i)
            board_box(i)->setEnabled(true);
        for (int i = 0; i < kShieldCount; ++i)
            shield_box(i)->setEnabled(false);
        for (int i = kBoardCount - 1; i >= 0; --i) {
            teacher_show_board_region[i] = board_box(i)->isChecked();
            if (teacher_show_board_region[i])
                teacher_current_board = i;
        }
    }
    for (int i = 0; i < kBoardCount; ++i) {
        if (teacher_show_board_region[i]) {
            use_region_name(region_scene, kBoardNames[i], false);
            setBoardRegion(kBoardNames[i]);
            break;
        }
    }
}

void RegionEditor::on_teacher_board_one_checkBox_clicked(bool checked) { board_box_clicked(0, checked); }
void RegionEditor::on_teacher_board_two_checkBox_clicked(bool checked) { board_box_clicked(1, checked); }
void RegionEditor::on_teacher_board_three_checkBox_clicked(bool checked) { board_box_clicked(2, checked); }

void RegionEditor::on_teacher_snapshot_region_radioButton_clicked(bool checked)
{
    if (!checked || !teacher_pano_connected())
        return;
    region_scene->setTrackingRegionName(kSnapshotRegion);
    collect_region_rects();
    const RegionRect s = teacher_region_rects.snapshot;
    qDebug() << "teacherSnapshotRegion:" << s.x << s.y << s.w << s.h;
    // The snapshot region is drawn anew only when nothing of it is stored.
    if (s.x <= 0 && s.y <= 0 && s.w <= 0 && s.h <= 0) {
        region_scene->setItemType(SnapshotPen);
        region_scene->setCurrentAction(CustomGraphicsScene::RectType);
    } else {
        region_scene->delGraphicsRectItem(kSnapshotRegion);
        setSnapshotRegionRect(kSnapshotRegion, s.x, s.y, s.w, s.h);
        region_scene->setCurrentAction(CustomGraphicsScene::DefaultType);
    }
    teacher_track_region_mode = false;
    teacher_shield_region_mode = false;
    teacher_board_region_mode = false;
    teacher_region_kind = 0;
    teacher_snapshot_region_mode = true;
    teacher_show_snapshot_region = true;
    teacher_show_track_region = true;
    for (int i = 0; i < kShieldCount; ++i)
        shield_box(i)->setEnabled(false);
    for (int i = 0; i < kBoardCount; ++i)
        board_box(i)->setEnabled(false);
    emit applied_shown_wanted(Side::Teacher);
}

void RegionEditor::on_clear_snapshot_region_pushButton_clicked(bool)
{
    if (!teacher_pano_connected())
        return;
    region_scene->delGraphicsRectItem(kSnapshotRegion);
    teacher_region_rects.snapshot = RegionRect{};
    send_teacher_pano_text(teacher_command_block(tracking_command::kCancelSnapshotArea));
    if (ui.teacher_snapshot_region_radioButton->isChecked()) {
        ui.teacher_track_region_radioButton->setChecked(true);
        on_teacher_track_region_radioButton_clicked(true);
    }
}

void RegionEditor::on_teacher_show_region_checkBox_clicked(bool checked)
{
    if (!teacher_pano_connected())
        return;
    const QString &featureModel = m_slots[Slot::TeacherFeature].device_model;
    const bool plainModel = featureModel != QLatin1String("M19") && featureModel != QLatin1String("M5");

    if (checked) {
        ui.teacher_track_region_radioButton->setChecked(true);
        ui.graphicsView->setMouseTracking(true);
        // The window filters the view's events, as it always has; the connection drops it again.
        ui.graphicsView->viewport()->installEventFilter(m_window);
        // Open while the Teacher tab's controls are (the view follows the same status).
        if (ui.graphicsView->isEnabled())
            set_teacher_region_widgets(true);
        teacher_show_track_region = true;
        teacher_show_snapshot_region = true;

        teacher_track_region_mode = teacher_shield_region_mode = false;
        teacher_board_region_mode = teacher_snapshot_region_mode = false;
        if (ui.teacher_track_region_radioButton->isChecked()) {
            teacher_track_region_mode = true;
            teacher_region_kind = 1;
        } else if (ui.teacher_shield_region_radioButton->isChecked()) {
            teacher_shield_region_mode = true;
            teacher_current_shield = -1;
            teacher_region_kind = 2;
        } else if (ui.teacher_board_region_radioButton->isChecked()) {
            teacher_board_region_mode = true;
            teacher_region_kind = 3;
            teacher_current_board = -1;
        } else if (ui.teacher_snapshot_region_radioButton->isChecked()) {
            teacher_snapshot_region_mode = true;
            teacher_region_kind = 0;
        }

        for (int i = 0; i < kShieldCount; ++i) {
            teacher_show_shield_region[i] = shield_box(i)->isChecked();
            if (teacher_show_shield_region[i])
                teacher_current_shield = i;
        }
        // Taken in the order two, three, one: one wins over three over two.
        for (int i : {1, 2, 0}) {
            teacher_show_board_region[i] = board_box(i)->isChecked();
            if (teacher_show_board_region[i])
                teacher_current_board = i;
        }

        if (plainModel) {
            send_teacher_pano_visca(teacher_region_keys::region_display_visca(true));
            wait_ms(kRegionDisplaySwitchMs);
        } else {
            const int trackStatus = m_status.teacher_cur_track_status;
            qDebug() << "teacher_cur_track_status:" << trackStatus;
            if (trackStatus == 2)
                emit zoom_enabled_wanted(Side::Teacher, true);
            // The cross goes off first.
            if (featureModel == QLatin1String("M5"))
                m_calibration.hide_calibration(Side::Teacher);
            send_teacher_pano_visca(teacher_region_keys::region_display_visca(false));
            wait_ms(kRegionDisplaySwitchMs);
        }

        collect_region_rects();
        wait_ms(kCollectSettleMs);
        teacher_display_region();
    } else {
        region_scene->setCurrentAction(CustomGraphicsScene::DefaultType);
        set_teacher_region_widgets(false);
        teacher_track_region_mode = teacher_shield_region_mode = false;
        teacher_board_region_mode = teacher_snapshot_region_mode = false;
        teacher_show_track_region = teacher_show_snapshot_region = false;
        m_status.teacher_crop_start_status = m_status.teacher_crop_stop_status = false;
        for (bool &flag : teacher_show_shield_region)
            flag = false;
        for (bool &flag : teacher_show_board_region)
            flag = false;
        m_picture.forget_detector_picture();
        clear_region_scene();
        send_teacher_pano_visca(teacher_region_keys::region_display_visca(false));
        wait_ms(kRegionDisplaySwitchMs);
    }

    if (m_teacher.customer_model) {
        ui.teacher_board_region_radioButton->setEnabled(false);
        for (int i = 0; i < kBoardCount; ++i)
            board_box(i)->setEnabled(false);
    }
    if (!m_status.teacher_pano_offline)
        send_teacher_pano_text(
            tracking_command::crop_status_request(QString::fromLatin1(parameter_block::kTeacherSection)));
}

void RegionEditor::on_del_track_region_pushButton_clicked()
{
    if (!teacher_pano_connected()) {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    // The pause below handles events: a second press meanwhile is ignored.
    if (m_cancel_pending)
        return;
    clear_region_scene();
    teacher_region_redraw_pending = true;
    // The camera needs a moment after the scene is cleared; the window goes on meanwhile.
    const QHostAddress *pano = m_slots[Slot::TeacherPano].destination;
    m_cancel_pending = true;
    wait_ms(kCancelTrackingPauseMs);
    m_cancel_pending = false;
    // A pano let go during the pause gets nothing.
    if (!teacher_pano_connected() || m_slots[Slot::TeacherPano].destination != pano)
        return;
    send_teacher_pano_text(teacher_command_block(tracking_command::kCancelTrackingArea));
    qDebug() << "MainWindow::------on_del_track_region_pushButton_clicked-------";
}

// ---------------------------------------------------------------------------
// The AI detection.

void RegionEditor::on_teacher_ai_detection_pushButton_clicked()
{
    ui.teacher_ai_detection_pushButton->setChecked(false);
    const bool armed = m_picture.detector_picture_requested();
    const bool streaming = m_slots[Slot::TeacherPano].connected;
    const bool shown = ui.teacher_show_region_checkBox->isChecked();
    qDebug() << "on_teacher_ai_detection_clicked: teacher_image_to_cv_mat_flag = " << (armed ? "true" : "false")
             << ",teacher_pano_rtsp_flag=" << (streaming ? "true" : "false")
             << ",teacher_show_region_checkBox=" << (shown ? "true" : "false");
    if (!armed && streaming && shown && !m_detection) {
        // While the start still reads the model this thread does not wait for it: the detection
        // does, on its worker, and says then what keeps it from running.
        const QString unusable = m_detector.loaded() ? m_detector.unusable_message() : QString();
        if (!unusable.isEmpty()) {
            // Without a model or class list nothing can be found: the installer is told, and the
            // regions stay.
            msgbox::warning(m_window, tr("Warning"), unusable);
        } else {
            // The scene is emptied once the detection has found what to put there: a detection
            // that fails leaves the installer's regions.
            m_picture.request_detector_picture();
            qDebug() << "init ai detec";
        }
    }
    qDebug() << "on_teacher_ai_detection_pushButton_clicked";
}

void RegionEditor::QImage2cvMat(QImage image)
{
    using namespace detected_regions;
    qDebug() << "MainWindow::QImage2cvMat:" << image;
    // The detector serves one picture at a time.
    if (m_detection) {
        qDebug() << "QImage2cvMat: a detection runs, the picture is dropped";
        return;
    }
    screenRectList.clear();
    blackboardRectList.clear();
    qDebug() << "QImage2cvMat format:" << image.format() << "//image.height():" << image.height()
             << "//image.width():" << image.width();

    // The detector reads three bytes a pixel: a picture of another format is converted rather
    // than refused (by the conversion, which also gives the worker pixels of its own).
    const QImage picture = image;
    // A model's forward pass takes a good part of a second: it runs beside the window, which places
    // the regions when it ends.
    // Empty when the detection failed.
    auto found = std::make_shared<std::optional<std::vector<DetRes>>>();
    YOLO &detector = m_detector;
    m_detection = QThread::create([picture, found, &detector] {
        cv::Mat frame = qimage_to_mat(picture);
        try {
            std::vector<DetRes> detections = detector.detect(frame);
            if (detector.detect_failure() == DetectFailure::None)
                *found = std::move(detections);
        } catch (const cv::Exception &e) {
            qWarning() << "RegionEditor: the detection failed:" << e.what();
        }
    });
    const QSize size = image.size();
    const QHostAddress *pano = m_slots[Slot::TeacherPano].destination;
    connect(m_detection, &QThread::finished, this, [this, found, size, pano, &detector] {
        m_detection->wait(); // it has finished: returns at once
        delete m_detection;
        m_detection = nullptr;
        // A pano let go (the window's closing lets every camera go) keeps its scene as it is.
        if (!teacher_pano_connected() || m_slots[Slot::TeacherPano].destination != pano) {
            qDebug() << "QImage2cvMat: the teacher pano was let go during the detection, nothing placed";
            return;
        }
        if (!*found) {
            // Nothing was looked for: no default tracking region replaces the installer's regions.
            qWarning() << "QImage2cvMat: the detection failed, the regions stay";
            const QString why = detector.detect_failure_message();
            if (!why.isEmpty())
                msgbox::warning(m_window, tr("Warning"), why);
            return;
        }
        clear_region_scene();
        place_detections(**found, size);
    });
    m_detection->start();
}

bool RegionEditor::detecting() const { return m_detection != nullptr; }

void RegionEditor::place_detections(const std::vector<DetRes> &detRes, QSize image)
{
    using namespace detected_regions;
    qDebug().noquote() << QStringLiteral("MainWindow::detRes.size：") << int(detRes.size());

    QRectF lastBoard, lastScreen;
    for (const DetRes &d : detRes) {
        qDebug() << "MainWindow::detRes[ii].boxes.width:" << d.boxes.width
                 << ",detRes[ii].boxes.height:" << d.boxes.height;
        const Box box = to_frame({d.boxes.x, d.boxes.y, d.boxes.width, d.boxes.height}, image.width(),
                                 image.height());
        if (!big_enough(box))
            continue;
        const QRectF rect = to_scene(box);
        if (d.classIds == kBoardClass)
            blackboardRectList << (lastBoard = rect);
        else
            screenRectList << (lastScreen = rect);
        // In pixels of the 1920 by 1080 frame the rules are made for.
        qDebug() << "MainWindow:: >>>>>> -->classIds:" << d.classIds << "-->confidences:" << d.confidences
                 << "-->xx:" << box.x << "-->yy:" << box.y << "-->width:" << box.width << "-->height:" << box.height;
    }
    const Edges seed = tracking_seed(blackboardRectList, screenRectList);

    for (int i = 0; i < blackboardRectList.size(); ++i) {
        if (i < kBoardCount)
            place_detected(BoardPen, i, blackboardRectList.at(i));
        qDebug() << "QImage2cvMat:blackboardRectList.length:" << blackboardRectList.size();
    }
    for (int i = 0; i < screenRectList.size(); ++i) {
        const QRectF &s = screenRectList.at(i);
        qDebug() << "QImage2cvMat-----: start_x:" << int(s.x()) << "//start_y:" << int(s.y())
                 << "//end_x:" << int(s.width()) << "//end_y:" << int(s.height());
        if (i < kShieldCount)
            place_detected(ShieldPen, i, s);
        qDebug() << "QImage2cvMat:screenRectList.length:" << screenRectList.size();
    }

    std::optional<QRectF> tracking;
    if (!blackboardRectList.isEmpty() || !screenRectList.isEmpty())
        tracking = tracking_region(seed);
    if (tracking) {
        update_tracking_region_item(false);
        setTrackRegionRect(kTrackingRegion, tracking->x(), tracking->y(), tracking->width(), tracking->height());
    } else {
        qDebug().noquote() << "QImage2cvMat:screenRectF:" << lastScreen << QStringLiteral("--blackboardRectF：")
                           << lastBoard;
        region_scene->delGraphicsRectItem(kTrackingRegion);
        update_tracking_region_item(false);
        const RegionRect d = kDefaultSceneTracking;
        setTrackRegionRect(kTrackingRegion, d.x, d.y, d.w, d.h);
    }
    ui.teacher_track_region_radioButton->setChecked(true);
}

void RegionEditor::place_detected(Pen pen, int index, const QRectF &rect)
{
    const bool board = pen == BoardPen;
    const RegionRect r{int(rect.x()), int(rect.y()), int(rect.width()), int(rect.height())};
    const QString label = board ? QStringLiteral("black board %1 : ").arg(index + 1)
                                : QStringLiteral("shield region %1 : ").arg(index + 1);
    if (region_geometry::region_in_bounds(r.x, r.y, r.w, r.h)) {
        qDebug().noquote() << label << __LINE__;
        const QString &name = board ? kBoardNames[index] : kShieldNames[index];
        (board ? teacher_region_rects.board[index] : teacher_region_rects.shield[index]) = r;
        (board ? teacher_show_board_region[index] : teacher_show_shield_region[index]) = true;
        region_scene->delGraphicsRectItem(name);
        use_region_name(region_scene, name, false);
        set_region_rect(pen, name, r.x, r.y, r.w, r.h);
        (board ? board_box(index) : shield_box(index))->setChecked(true);
    }
    // The board's line keeps its " : ", the shield's goes straight on to the values.
    qDebug().noquote() << (board ? label : QStringLiteral("shield region %1").arg(index + 1)) << "start_x=" << r.x
                       << ",start_y=" << r.y << ",end_x=" << r.w << ",end_y=" << r.h;
}
