// Region editing of the main window: the teacher and blackboard regions on the region scene over
// the teacher panorama preview, their controls, and their exchange with the camera's replies and
// applies.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "core/time_scale.h"
#include "regions/customgraphicsrectitem.h"
#include "regions/customgraphicsscene.h"
#include "regions/customgraphicsview.h"
#include "model/region_geometry.h"

#include <QCheckBox>
#include <QDebug>
#include <QGraphicsItem>
#include <QRadioButton>
#include <QThread>

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

// Pen types of the region items.
constexpr int kTrackingPen = 0;
constexpr int kBoardPen = 1;
constexpr int kShieldPen = 2;
constexpr int kSnapshotPen = 3;

// Where a stored tracking region cannot be drawn, this one is put on the scene instead.
constexpr RegionRect kDefaultSceneTracking = {15, 60, 450, 120};

// The VISCA texts sent to the panorama camera as the region display is turned on and off.
const QString kRegionDisplayOnVisca = QStringLiteral("81 01 04 57 02 FF");
const QString kRegionDisplayOffVisca = QStringLiteral("81 01 04 57 01 FF");

// The last region found by name (find_shield_rect, find_board_rect).
int found_region_x = 0, found_region_y = 0;
int found_region_w = 0, found_region_h = 0;

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

QString teacher_command_block(const QString &verb)
{
    return QStringList{QStringLiteral("teacher_parameter"), QStringLiteral("set_tracking_config_command"),
                       QStringLiteral("command=") + verb}
        .join(QLatin1Char('\n'));
}

QString region_text(const char *format, const RegionRect &r)
{
    return QString::asprintf(format, r.x, r.y, r.w, r.h);
}
} // namespace

// ---------------------------------------------------------------------------
// Selection slots: they only log.

void MainWindow::selectItemRectStr(QString name)
{
    qDebug() << QStringLiteral("MainWindow::selectItemRectStr：") << name;
}

void MainWindow::checkSelection()
{
    qDebug() << "MainWindow::checkSelection";
}

void MainWindow::selectNewItem(QGraphicsItem *item)
{
    if (item && item->type() == QGraphicsRectItem::Type)
        qDebug() << "MainWindow::selectNewItem:" << 4;
}

void MainWindow::checkActionStates()
{
    const int action = region_scene ? region_scene->currentAction() : 0;
    Q_UNUSED(action)
    qDebug() << "MainWindow::checkActionStates";
}

void MainWindow::selectItem(QGraphicsItem *) {}

// ---------------------------------------------------------------------------
// Putting regions on the scene.

void MainWindow::setShieldRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height)
{
    qDebug() << "[MainWindow::setShieldRegionRect] " << "left:" << left << ",top:" << top << ",width:" << width
             << ",height:" << height;
    region_scene->addGraphicsRectItem(name, left, top, width, height, kShieldPen);
}

void MainWindow::setBoardRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height)
{
    qDebug() << "[MainWindow::setBoardRegionRect] " << "left:" << left << ",top:" << top << ",width:" << width
             << ",height:" << height;
    region_scene->addGraphicsRectItem(name, left, top, width, height, kBoardPen);
}

void MainWindow::setTrackRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height)
{
    qDebug() << "[MainWindow::setTrackRegionRect] " << "left:" << left << ",top:" << top << ",width:" << width
             << ",height:" << height;
    region_scene->addGraphicsRectItem(name, left, top, width, height, kTrackingPen);
}

void MainWindow::setSnapshotRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height)
{
    qDebug() << "[MainWindow::setSnapshotRegionRect] " << "left:" << left << ",top:" << top << ",width:" << width
             << ",height:" << height;
    region_scene->addGraphicsRectItem(name, left, top, width, height, kSnapshotPen);
}

void MainWindow::start_shield_region_draw()
{
    region_scene->setItemType(kShieldPen);
    region_scene->setCurrentAction(CustomGraphicsScene::RectType);
}

void MainWindow::start_board_region_draw()
{
    region_scene->setItemType(kBoardPen);
    region_scene->setCurrentAction(CustomGraphicsScene::RectType);
}

void MainWindow::setShieldRegion(const QString &name)
{
    collect_region_rects();
    const int i = index_of(kShieldNames, kShieldCount, name);
    if (i < 0)
        return;
    const RegionRect r = teacher_region_rects.shield[i];
    qDebug() << QStringLiteral("setShieldRegion %1:").arg(i + 1) << r.x << r.y << r.w << r.h;
    if (!put_back_region(region_scene, name, r, kShieldPen))
        start_shield_region_draw();
}

void MainWindow::setBoardRegion(const QString &name)
{
    collect_region_rects();
    const int i = index_of(kBoardNames, kBoardCount, name);
    if (i < 0)
        return;
    const RegionRect r = teacher_region_rects.board[i];
    qDebug() << QStringLiteral("setBoardRegion %1:").arg(i + 1) << r.x << r.y << r.w << r.h;
    if (!put_back_region(region_scene, name, r, kBoardPen))
        start_board_region_draw();
}

void MainWindow::clear_region_scene()
{
    // The scene destroys every item together with its record, so no record is left naming an
    // item that has gone.
    region_scene->clearAllItems();
}

void MainWindow::region_item_center(RectFManage *record)
{
    if (!record || !record->item)
        return;
    region_item_rect = region_geometry::item_scene_rect(record->item->boundingRect(), record->item->scenePos());
}

// ---------------------------------------------------------------------------
// Region names: with remove, every item of the name goes; otherwise the name becomes the
// scene's current region (the one that reacts to the mouse and names the next drawing).

namespace {
void use_region_name(CustomGraphicsScene *scene, const QString &name, bool remove)
{
    if (remove)
        scene->delGraphicsRectItem(name);
    else
        scene->setTrackingRegionName(name);
}
} // namespace

void MainWindow::update_tracking_region_item(bool remove) { use_region_name(region_scene, kTrackingRegion, remove); }
void MainWindow::update_board_left_region_item(bool remove) { use_region_name(region_scene, kBoardNames[0], remove); }
void MainWindow::update_board_right_region_item(bool remove) { use_region_name(region_scene, kBoardNames[1], remove); }
void MainWindow::update_board_center_region_item(bool remove) { use_region_name(region_scene, kBoardNames[2], remove); }
void MainWindow::update_shield_one_region_item(bool remove) { use_region_name(region_scene, kShieldNames[0], remove); }
void MainWindow::update_shield_two_region_item(bool remove) { use_region_name(region_scene, kShieldNames[1], remove); }
void MainWindow::update_shield_three_region_item(bool remove) { use_region_name(region_scene, kShieldNames[2], remove); }
void MainWindow::update_shield_four_region_item(bool remove) { use_region_name(region_scene, kShieldNames[3], remove); }

// ---------------------------------------------------------------------------
// From a teacher reply to the scene.

void MainWindow::resolve_teacher_region_reply(const QString &reply)
{
    teacher_region_keys::store_teacher_region_keys(reply, teacher_region_coord);
    parse_teacher_region_coord();
}

namespace {
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

void MainWindow::parse_teacher_region_coord()
{
    using region_geometry::camera_to_scene;
    const teacher_region_keys::TeacherRegionCoord &c = teacher_region_coord;
    teacher_region_keys::TeacherRegionRects &r = teacher_region_rects;
    QCheckBox *const shieldBoxes[kShieldCount] = {ui->teacher_shield_one_checkBox, ui->teacher_shield_two_checkBox,
                                                  ui->teacher_shield_three_checkBox, ui->teacher_shield_four_checkBox};
    QCheckBox *const boardBoxes[kBoardCount] = {ui->teacher_board_one_checkBox, ui->teacher_board_two_checkBox,
                                                ui->teacher_board_three_checkBox};

    qDebug() << "teacher_restore_region[1] start_x:" << c.feature.x << c.feature.y << c.feature.w << c.feature.h;
    r.feature = camera_to_scene(c.feature);
    qDebug() << "teacher_restore_region[2] start_x:" << r.feature.x << r.feature.y << r.feature.w << r.feature.h;

    r.snapshot = camera_to_scene(c.snapshot);
    qDebug().noquote() << region_text("MainWindow::SnapshotRegion[0] start_x: %d, start_y: %d, delta_x: %d, delta_y: %d",
                                      r.snapshot);
    teacher_draw_snapshot_finish = true;

    qDebug().noquote() << region_text("MainWindow::TrackRegion[0] start_x: %d, start_y: %d, delta_x: %d, delta_y: %d",
                                      c.tracking);
    r.tracking = camera_to_scene(c.tracking);
    qDebug().noquote() << region_text("MainWindow::TrackRegion[1] start_x: %d, start_y: %d, delta_x: %d, delta_y: %d",
                                      r.tracking);
    teacher_draw_track_finish = true;

    const bool show = ui->teacher_show_region_checkBox->isChecked();

    if (c.pano_shield_enable.isNull()) {
        qDebug() << "MainWindow::teacher_region_coord.pano_shield_enable.isNull()";
    } else {
        for (int i = 0; i < kShieldCount; ++i)
            apply_enable(shieldBoxes[i], teacher_show_shield_region[i], c.pano_shield_enable, i, show);
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
            apply_enable(boardBoxes[i], teacher_show_board_region[i], c.pano_board_enable, i, show);
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
        apply_enable(boardBoxes[2], teacher_show_board_region[2], c.pano_board_enable, 2, show);
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

void MainWindow::display_pending_teacher_regions()
{
    if (!teacher_region_redraw_pending)
        return;
    teacher_region_redraw_pending = false;
    teacher_display_region();
}

void MainWindow::teacher_display_region()
{
    using region_geometry::region_in_bounds;
    if (!ui->teacher_show_region_checkBox->isChecked())
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
        ui->teacher_snapshot_region_radioButton->setChecked(true);
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
    ui->teacher_track_region_radioButton->setChecked(true);
}

// ---------------------------------------------------------------------------
// From the scene to the stored regions and the apply.

void MainWindow::collect_region_rects()
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

teacher_region_keys::ApplyRegions MainWindow::teacher_apply_regions() const
{
    teacher_region_keys::ApplyRegions g;
    const teacher_region_keys::TeacherRegionRects &r = teacher_region_rects;
    g.snapshot = r.snapshot;
    g.tracking = r.tracking;
    g.snapshot_known = teacher_draw_snapshot_finish;
    g.tracking_known = teacher_draw_track_finish;
    const QCheckBox *const shieldBoxes[kShieldCount] = {ui->teacher_shield_one_checkBox, ui->teacher_shield_two_checkBox,
                                                        ui->teacher_shield_three_checkBox,
                                                        ui->teacher_shield_four_checkBox};
    const QCheckBox *const boardBoxes[kBoardCount] = {ui->teacher_board_one_checkBox, ui->teacher_board_two_checkBox,
                                                      ui->teacher_board_three_checkBox};
    for (int i = 0; i < kShieldCount; ++i) {
        g.shield[i] = r.shield[i];
        g.shield_known[i] = teacher_draw_shield_finish[i];
        g.shield_checked[i] = shieldBoxes[i]->isChecked();
    }
    for (int i = 0; i < kBoardCount; ++i) {
        g.board[i] = r.board[i];
        g.board_known[i] = teacher_draw_board_finish[i];
        g.board_checked[i] = boardBoxes[i]->isChecked();
    }
    return g;
}

namespace {
bool find_region_rect(CustomGraphicsScene *scene, MainWindow *w, const QString &name, const char *found)
{
    found_region_x = found_region_y = found_region_w = found_region_h = 0;
    const QList<RectFManage *> records = scene->graphicsRectList();
    qDebug() << "teacherRegion.count:" << records.size() << ",regionName:" << name;
    for (RectFManage *record : records) {
        qDebug() << "item->regionName:" << record->regionName;
        if (record->regionName != name)
            continue;
        w->region_item_center(record);
        const RegionRect r = region_geometry::collected_rect(w->region_item_rect);
        found_region_x = r.x;
        found_region_y = r.y;
        found_region_w = r.w;
        found_region_h = r.h;
        qDebug() << found << QRect(r.x, r.y, r.w, r.h);
        return true;
    }
    return false;
}
} // namespace

bool MainWindow::find_shield_rect(const QString &name)
{
    return find_region_rect(region_scene, this, name, "contains shield_rect=");
}

bool MainWindow::find_board_rect(const QString &name)
{
    return find_region_rect(region_scene, this, name, "contains board_rect=");
}

void MainWindow::set_ptzspeed_level_enabled(bool enable)
{
    ui->teacher_ptzspeed_level->setEnabled(enable);
    ui->label_93->setEnabled(enable);
}

bool MainWindow::near_track_edge(int value)
{
    // The pointer counts as on an edge within the hover band of the region items.
    constexpr int kMargin = 9;
    const RegionRect &t = teacher_region_rects.tracking;
    return qAbs(value - t.x) < kMargin || qAbs(value - (t.x + t.w)) < kMargin;
}

bool MainWindow::region_in_bounds(int x, int y, int w, int h)
{
    return region_geometry::region_in_bounds(x, y, w, h);
}

void MainWindow::set_teacher_region_widgets(bool enable)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{
             ui->teacher_track_region_radioButton, ui->teacher_shield_region_radioButton,
             ui->teacher_board_region_radioButton, ui->teacher_snapshot_region_radioButton,
             ui->teacher_ai_detection_pushButton, ui->del_track_region_pushButton,
             ui->clear_snapshot_region_pushButton, ui->teacher_board_effect_list})
        widget->setEnabled(enable);
    QWidget *const shieldBoxes[] = {ui->teacher_shield_one_checkBox, ui->teacher_shield_two_checkBox,
                                    ui->teacher_shield_three_checkBox, ui->teacher_shield_four_checkBox};
    QWidget *const boardBoxes[] = {ui->teacher_board_one_checkBox, ui->teacher_board_two_checkBox,
                                   ui->teacher_board_three_checkBox};
    if (!enable) {
        for (QWidget *box : shieldBoxes)
            box->setEnabled(false);
        for (QWidget *box : boardBoxes)
            box->setEnabled(false);
        return;
    }
    if (ui->teacher_shield_region_radioButton->isChecked()) {
        for (QWidget *box : shieldBoxes)
            box->setEnabled(true);
    } else if (ui->teacher_board_region_radioButton->isChecked()) {
        for (QWidget *box : boardBoxes)
            box->setEnabled(true);
    }
}

// ---------------------------------------------------------------------------
// Sending to the teacher panorama camera: region commands as text on its text port, the region
// display switch as VISCA bytes on its VISCA port.

void MainWindow::send_teacher_pano_text(const QString &text)
{
    sendMsg_Net(teacher_pano_destination, teacher_udp_port, text, false);
}

void MainWindow::send_teacher_pano_visca(const QString &hexText)
{
    sendMsg_Net(teacher_pano_destination, teacher_visca_port, hexText, true);
}

// ---------------------------------------------------------------------------
// The region controls of the teacher tab.

void MainWindow::on_teacher_track_region_radioButton_clicked(bool checked)
{
    qDebug() << "on_teacher_track_region_radioButton_clicked checked:" << (checked ? "true" : "false");
    if (!checked || !udp_teacher_pano_flag)
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
    for (QCheckBox *box : {ui->teacher_shield_one_checkBox, ui->teacher_shield_two_checkBox,
                           ui->teacher_shield_three_checkBox, ui->teacher_shield_four_checkBox,
                           ui->teacher_board_one_checkBox, ui->teacher_board_two_checkBox,
                           ui->teacher_board_three_checkBox})
        box->setEnabled(false);
}

void MainWindow::on_teacher_shield_region_radioButton_clicked(bool checked)
{
    ui->teacher_board_region_radioButton->setChecked(false);
    ui->teacher_track_region_radioButton->setChecked(false);
    ui->teacher_snapshot_region_radioButton->setChecked(false);
    if (!checked || !udp_teacher_pano_flag)
        return;

    QCheckBox *const shieldBoxes[kShieldCount] = {ui->teacher_shield_one_checkBox, ui->teacher_shield_two_checkBox,
                                                  ui->teacher_shield_three_checkBox, ui->teacher_shield_four_checkBox};
    for (QCheckBox *box : shieldBoxes)
        box->setEnabled(true);
    for (QCheckBox *box : {ui->teacher_board_one_checkBox, ui->teacher_board_two_checkBox,
                           ui->teacher_board_three_checkBox})
        box->setEnabled(false);
    teacher_snapshot_region_mode = false;
    teacher_current_shield = -1;
    teacher_region_kind = 2;
    teacher_track_region_mode = false;
    teacher_shield_region_mode = true;
    teacher_board_region_mode = false;

    for (int i = 0; i < kShieldCount; ++i) {
        teacher_show_shield_region[i] = shieldBoxes[i]->isChecked();
        if (teacher_show_shield_region[i])
            teacher_current_shield = i;
    }
    teacher_show_track_region = true;

    for (int i = 0; i < kShieldCount; ++i) {
        if (shieldBoxes[i]->isChecked()) {
            use_region_name(region_scene, kShieldNames[i], false);
            setShieldRegion(kShieldNames[i]);
            break;
        }
    }
}

namespace {
void shield_box_clicked(MainWindow *w, int index, bool checked)
{
    if (checked) {
        w->teacher_show_shield_region[index] = true;
        w->teacher_current_shield = index;
        use_region_name(w->region_scene, kShieldNames[index], false);
        w->setShieldRegion(kShieldNames[index]);
    } else {
        w->teacher_current_shield = -1;
        w->teacher_show_shield_region[index] = false;
        w->region_scene->hideGraphicsRectItem(kShieldNames[index]);
        w->region_scene->setTrackingRegionName(QString());
        w->region_scene->setCurrentAction(CustomGraphicsScene::DefaultType);
    }
    w->ui->teacher_apply_Button->setText(MainWindow::tr("Apply(*)"));
}

void board_box_clicked(MainWindow *w, int index, bool checked)
{
    if (checked) {
        w->teacher_current_board = index;
        w->teacher_show_board_region[index] = true;
        use_region_name(w->region_scene, kBoardNames[index], false);
        w->setBoardRegion(kBoardNames[index]);
    } else {
        w->teacher_current_board = -1;
        w->teacher_show_board_region[index] = false;
        w->region_scene->hideGraphicsRectItem(kBoardNames[index]);
        w->region_scene->setCurrentAction(CustomGraphicsScene::DefaultType);
    }
    w->ui->teacher_apply_Button->setText(MainWindow::tr("Apply(*)"));
}
} // namespace

void MainWindow::on_teacher_shield_one_checkBox_clicked(bool checked) { shield_box_clicked(this, 0, checked); }
void MainWindow::on_teacher_shield_two_checkBox_clicked(bool checked) { shield_box_clicked(this, 1, checked); }
void MainWindow::on_teacher_shield_three_checkBox_clicked(bool checked) { shield_box_clicked(this, 2, checked); }
void MainWindow::on_teacher_shield_four_checkBox_clicked(bool checked) { shield_box_clicked(this, 3, checked); }

void MainWindow::on_teacher_board_region_radioButton_clicked(bool checked)
{
    ui->teacher_shield_region_radioButton->setChecked(false);
    ui->teacher_track_region_radioButton->setChecked(false);
    ui->teacher_snapshot_region_radioButton->setChecked(false);
    QCheckBox *const boardBoxes[kBoardCount] = {ui->teacher_board_one_checkBox, ui->teacher_board_two_checkBox,
                                                ui->teacher_board_three_checkBox};
    if (checked) {
        if (!udp_teacher_pano_flag)
            return;
        teacher_snapshot_region_mode = false;
        teacher_track_region_mode = false;
        teacher_shield_region_mode = false;
        teacher_board_region_mode = true;
        teacher_region_kind = 3;
        teacher_show_track_region = true;
        teacher_current_board = -1;
        for (QCheckBox *box : boardBoxes)
            box->setEnabled(true);
        for (QCheckBox *box : {ui->teacher_shield_one_checkBox, ui->teacher_shield_two_checkBox,
                               ui->teacher_shield_three_checkBox, ui->teacher_shield_four_checkBox})
            box->setEnabled(false);
        for (int i = kBoardCount - 1; i >= 0; --i) {
            teacher_show_board_region[i] = boardBoxes[i]->isChecked();
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

void MainWindow::on_teacher_board_one_checkBox_clicked(bool checked) { board_box_clicked(this, 0, checked); }
void MainWindow::on_teacher_board_two_checkBox_clicked(bool checked) { board_box_clicked(this, 1, checked); }
void MainWindow::on_teacher_board_three_checkBox_clicked(bool checked) { board_box_clicked(this, 2, checked); }

void MainWindow::on_teacher_snapshot_region_radioButton_clicked(bool checked)
{
    if (!checked || !udp_teacher_pano_flag)
        return;
    region_scene->setTrackingRegionName(kSnapshotRegion);
    collect_region_rects();
    const RegionRect s = teacher_region_rects.snapshot;
    qDebug() << "teacherSnapshotRegion:" << s.x << s.y << s.w << s.h;
    // The snapshot region is drawn anew only when nothing of it is stored.
    if (s.x <= 0 && s.y <= 0 && s.w <= 0 && s.h <= 0) {
        region_scene->setItemType(kSnapshotPen);
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
    for (QCheckBox *box : {ui->teacher_shield_one_checkBox, ui->teacher_shield_two_checkBox,
                           ui->teacher_shield_three_checkBox, ui->teacher_shield_four_checkBox,
                           ui->teacher_board_one_checkBox, ui->teacher_board_two_checkBox,
                           ui->teacher_board_three_checkBox})
        box->setEnabled(false);
    ui->teacher_apply_Button->setText(tr("Apply"));
}

void MainWindow::on_clear_snapshot_region_pushButton_clicked(bool)
{
    if (!udp_teacher_pano_flag)
        return;
    region_scene->delGraphicsRectItem(kSnapshotRegion);
    teacher_region_rects.snapshot = RegionRect{};
    send_teacher_pano_text(teacher_command_block(QStringLiteral("cancelsnapshotarea")));
    if (ui->teacher_snapshot_region_radioButton->isChecked()) {
        ui->teacher_track_region_radioButton->setChecked(true);
        on_teacher_track_region_radioButton_clicked(true);
    }
}

void MainWindow::on_teacher_show_region_checkBox_clicked(bool checked)
{
    if (!udp_teacher_pano_flag)
        return;
    QCheckBox *const shieldBoxes[kShieldCount] = {ui->teacher_shield_one_checkBox, ui->teacher_shield_two_checkBox,
                                                  ui->teacher_shield_three_checkBox, ui->teacher_shield_four_checkBox};
    QCheckBox *const boardBoxes[kBoardCount] = {ui->teacher_board_one_checkBox, ui->teacher_board_two_checkBox,
                                                ui->teacher_board_three_checkBox};
    const bool plainModel = teacher_feature_device_model != QLatin1String("M19")
                            && teacher_feature_device_model != QLatin1String("M5");

    if (checked) {
        ui->teacher_track_region_radioButton->setChecked(true);
        ui->graphicsView->setMouseTracking(true);
        ui->graphicsView->viewport()->installEventFilter(this);
        if (ui->teacher_startTrack_Button->isEnabled())
            set_teacher_region_widgets(true);
        teacher_show_track_region = true;
        teacher_show_snapshot_region = true;

        teacher_track_region_mode = teacher_shield_region_mode = false;
        teacher_board_region_mode = teacher_snapshot_region_mode = false;
        if (ui->teacher_track_region_radioButton->isChecked()) {
            teacher_track_region_mode = true;
            teacher_region_kind = 1;
        } else if (ui->teacher_shield_region_radioButton->isChecked()) {
            teacher_shield_region_mode = true;
            teacher_current_shield = -1;
            teacher_region_kind = 2;
        } else if (ui->teacher_board_region_radioButton->isChecked()) {
            teacher_board_region_mode = true;
            teacher_region_kind = 3;
            teacher_current_board = -1;
        } else if (ui->teacher_snapshot_region_radioButton->isChecked()) {
            teacher_snapshot_region_mode = true;
            teacher_region_kind = 0;
        }

        for (int i = 0; i < kShieldCount; ++i) {
            teacher_show_shield_region[i] = shieldBoxes[i]->isChecked();
            if (teacher_show_shield_region[i])
                teacher_current_shield = i;
        }
        // Taken in the order two, three, one: one wins over three over two.
        for (int i : {1, 2, 0}) {
            teacher_show_board_region[i] = boardBoxes[i]->isChecked();
            if (teacher_show_board_region[i])
                teacher_current_board = i;
        }

        if (plainModel) {
            send_teacher_pano_visca(kRegionDisplayOnVisca);
            wait_ms(500);
        } else {
            qDebug() << "teacher_cur_track_status:" << teacher_cur_track_status;
            if (teacher_cur_track_status == 2) {
                ui->teacher_zoomin_Button->setEnabled(true);
                ui->teacher_zoomout_Button->setEnabled(true);
            }
            if (ui->teacher_show_Calibration_checkBox->isChecked()
                && teacher_feature_device_model == QLatin1String("M5"))
                ui->teacher_show_Calibration_checkBox->setChecked(false);
            send_teacher_pano_visca(kRegionDisplayOffVisca);
            wait_ms(500);
        }

        collect_region_rects();
        wait_ms(300);
        teacher_display_region();
    } else {
        region_scene->setCurrentAction(CustomGraphicsScene::DefaultType);
        set_teacher_region_widgets(false);
        teacher_track_region_mode = teacher_shield_region_mode = false;
        teacher_board_region_mode = teacher_snapshot_region_mode = false;
        teacher_show_track_region = teacher_show_snapshot_region = false;
        teacher_crop_start_status = teacher_crop_stop_status = false;
        for (bool &flag : teacher_show_shield_region)
            flag = false;
        for (bool &flag : teacher_show_board_region)
            flag = false;
        teacher_image_to_cv_mat_flag = false;
        clear_region_scene();
        send_teacher_pano_visca(kRegionDisplayOffVisca);
        wait_ms(500);
    }

    if (teacher_customer_model_flag) {
        ui->teacher_board_region_radioButton->setEnabled(false);
        for (QCheckBox *box : boardBoxes)
            box->setEnabled(false);
    }
    if (!teacher_pano_offline) {
        send_teacher_pano_text(QStringList{QStringLiteral("teacher_parameter"), QStringLiteral("command=get_crop_status")}
                                   .join(QLatin1Char('\n')));
    }
}

void MainWindow::on_del_track_region_pushButton_clicked()
{
    if (!udp_teacher_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    clear_region_scene();
    teacher_region_redraw_pending = true;
    // The camera needs a moment after the scene is cleared; this is a plain pause of the GUI
    // thread, not an event-pumping wait.
    QThread::msleep(timescale::scaled(500));
    send_teacher_pano_text(teacher_command_block(QStringLiteral("canceltrackingarea")));
    qDebug() << "MainWindow::------on_del_track_region_pushButton_clicked-------";
}
