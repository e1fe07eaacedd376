#include "guide/teacher_region_step.h"

#include "guide/borrowed_region_scene.h"
#include "model/region_geometry.h"
#include "net/wizard_link.h"
#include "regions/customgraphicsscene.h"
#include "regions/customgraphicsview.h"
#include "regions/rectfmanage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QDebug>
#include <QGraphicsItem>
#include <QPushButton>
#include <QRadioButton>

using region_geometry::RegionRect;
using namespace wizard_regions;

namespace {

QString name_of(const char *name) { return QString::fromLatin1(name); }

QString rect_text(const RegionRect &r)
{
    return QStringLiteral("%1 %2 %3 %4").arg(r.x).arg(r.y).arg(r.w).arg(r.h);
}

bool in_bounds(const RegionRect &r) { return region_geometry::region_in_bounds(r.x, r.y, r.w, r.h); }

// The log labels of collect_region_rects, by region as the wizard has always written them.
const char *const kShieldCollectLabels[kShieldCount] = {
    "GuideConfig::SHIELD_REGION_ONE:", "GuideConfig::SHIELD_REGION_TWO:", "GuideConfig::SHIELD_REGION_THREE:",
    "GuideConfig::SHIELD_REGION_FOUR:"};
const char *const kBoardCollectLabels[kBoardCount] = {
    "GuideConfig::BOARD_REGION_LEFT:", "GuideConfig::BOARD_REGION_RIGHT:", "GuideConfig::BOARD_REGION_CENTER:"};

} // namespace

TeacherRegionStep::TeacherRegionStep(const Widgets &widgets, BorrowedRegionScene &scene, const WizardLink &link,
                                     const QCheckBox &regions_shown_box)
    : ui(widgets), m_scene(scene), m_link(link), m_regions_shown_box(regions_shown_box)
{
    // init_region_scene: the borrowed scene in the wizard's own view over the preview.
    CustomGraphicsScene *s = this->scene();
    s->setSceneRect(0, 0, region_geometry::kSceneWidth, region_geometry::kSceneHeight);
    ui.graphicsView->resize(region_geometry::kSceneWidth, region_geometry::kSceneHeight);
    ui.graphicsView->setScene(s);

    connect(ui.teacher_track_region_radioButton, &QRadioButton::clicked, this,
            &TeacherRegionStep::on_teacher_track_region_radioButton_clicked);
    connect(ui.teacher_snapshot_region_radioButton, &QRadioButton::clicked, this,
            &TeacherRegionStep::on_teacher_snapshot_region_radioButton_clicked);
    connect(ui.clear_snapshot_region_pushButton, &QPushButton::clicked, this,
            &TeacherRegionStep::on_clear_snapshot_region_pushButton_clicked);
    connect(ui.teacher_shield_region_radioButton, &QRadioButton::clicked, this,
            &TeacherRegionStep::on_teacher_shield_region_radioButton_clicked);
    connect(ui.teacher_board_region_radioButton, &QRadioButton::clicked, this,
            &TeacherRegionStep::on_teacher_board_region_radioButton_clicked);
    for (int i = 0; i < kShieldCount; ++i)
        connect(shield_box(i), &QCheckBox::clicked, this, [this, i](bool checked) { shield_box_clicked(i, checked); });
    for (int i = 0; i < kBoardCount; ++i)
        connect(board_box(i), &QCheckBox::clicked, this, [this, i](bool checked) { board_box_clicked(i, checked); });
}

CustomGraphicsScene *TeacherRegionStep::scene() const { return m_scene.scene(); }

bool TeacherRegionStep::connected() const { return m_link.connected(camera_slot::Slot::TeacherPano); }

QCheckBox *TeacherRegionStep::shield_box(int index) const
{
    QCheckBox *const boxes[kShieldCount] = {ui.teacher_shield_one_checkBox, ui.teacher_shield_two_checkBox,
                                            ui.teacher_shield_three_checkBox, ui.teacher_shield_four_checkBox};
    return boxes[index];
}

QCheckBox *TeacherRegionStep::board_box(int index) const
{
    QCheckBox *const boxes[kBoardCount] = {ui.teacher_board_one_checkBox, ui.teacher_board_two_checkBox,
                                           ui.teacher_board_three_checkBox};
    return boxes[index];
}

void TeacherRegionStep::regions_shown_changed(bool on)
{
    m_flags.track_region_shown = on;
    m_flags.snapshot_region_shown = false;
    set_controls_enabled(on);
    if (!on) {
        scene()->setCurrentAction(CustomGraphicsScene::DefaultType);
        clear_enables();
        return;
    }
    ui.teacher_track_region_radioButton->setChecked(true);
    for (int i = 0; i < kShieldCount; ++i)
        m_flags.shield_region_enabled[size_t(i)] = shield_box(i)->isChecked();
    for (int i = 0; i < kBoardCount; ++i)
        m_flags.board_region_enabled[size_t(i)] = board_box(i)->isChecked();
}

void TeacherRegionStep::hide_region_items() { scene()->setAllItemsVisible(false); }

void TeacherRegionStep::listen_to_scene(bool on)
{
    disconnect(m_scene_changed);
    disconnect(m_scene_selected);
    if (!on)
        return;
    CustomGraphicsScene *s = scene();
    m_scene_selected = connect(s, &CustomGraphicsScene::signalSelectItemStr, this,
                               [](const QString &name) { qDebug() << "GuideConfig::selectItemRectStr：" << name; });
    m_scene_changed = connect(s, &CustomGraphicsScene::sign_graphics_rect_changed, this,
                              &TeacherRegionStep::regions_changed);
}

void TeacherRegionStep::set_view_enabled(bool on) { ui.graphicsView->setEnabled(on); }

void TeacherRegionStep::set_controls_enabled(bool on)
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui.teacher_snapshot_region_radioButton, ui.teacher_track_region_radioButton,
             ui.teacher_shield_region_radioButton, ui.teacher_board_region_radioButton,
             ui.clear_snapshot_region_pushButton})
        w->setEnabled(on);
    for (int i = 0; i < kShieldCount; ++i)
        shield_box(i)->setEnabled(on);
    for (int i = 0; i < kBoardCount; ++i)
        board_box(i)->setEnabled(on);
}

void TeacherRegionStep::clear_enables()
{
    m_flags.shield_region_enabled = {};
    m_flags.board_region_enabled = {};
}

teacher_region_keys::ApplyRegions TeacherRegionStep::collected_apply_regions()
{
    collect_region_rects();
    std::array<bool, kShieldCount> shields{};
    std::array<bool, kBoardCount> boards{};
    for (int i = 0; i < kShieldCount; ++i)
        shields[size_t(i)] = shield_box(i)->isChecked();
    for (int i = 0; i < kBoardCount; ++i)
        boards[size_t(i)] = board_box(i)->isChecked();
    return apply_regions(teacher_display_region, m_flags, shields, boards);
}

void TeacherRegionStep::prepare(const QString &name, bool remove)
{
    if (remove)
        scene()->delGraphicsRectItem(name);
    else
        scene()->setTrackingRegionName(name);
}

void TeacherRegionStep::add_region(Pen pen, const QString &name, const RegionRect &r)
{
    scene()->addGraphicsRectItem(name, r.x, r.y, r.w, r.h, pen);
}

void TeacherRegionStep::replace_region(Pen pen, const QString &name, const RegionRect &r)
{
    prepare(name, true);
    // The scene records a new item under its current region's name: without this the item
    // would be recorded under the last name drawn, and go when that region is drawn anew.
    prepare(name, false);
    add_region(pen, name, r);
}

void TeacherRegionStep::start_drawing(Pen pen)
{
    scene()->setItemType(pen);
    scene()->setCurrentAction(CustomGraphicsScene::RectType);
}

void TeacherRegionStep::collect_region_rects()
{
    for (const RectFManage *record : scene()->graphicsRectList()) {
        if (!record || !record->item)
            continue;
        const QString &name = record->regionName;
        RegionRect *target = nullptr;
        const char *label = nullptr;
        if (name == name_of(kTrackingName)) {
            target = &teacher_display_region.tracking;
            label = "GuideConfig::TRACKING_REGION:";
        } else if (name == name_of(kSnapshotName)) {
            target = &teacher_display_region.snapshot;
            label = "MainWindow::SNAPSHOT_REGION:";
        }
        for (int i = 0; i < kShieldCount && !target; ++i) {
            if (name == name_of(kShieldNames[i])) {
                target = &teacher_display_region.shield[size_t(i)];
                label = kShieldCollectLabels[i];
            }
        }
        for (int i = 0; i < kBoardCount && !target; ++i) {
            if (name == name_of(kBoardNames[i])) {
                target = &teacher_display_region.board[size_t(i)];
                label = kBoardCollectLabels[i];
            }
        }
        if (!target)
            continue;
        *target = collected(region_geometry::item_scene_rect(record->item->boundingRect(), record->item->scenePos()));
        qDebug().noquote() << label << rect_text(*target) << "GuideConfig::pushButton:" << name;
    }
}

void TeacherRegionStep::put_back(Pen pen, const QString &name, const RegionRect &stored, const char *log_label)
{
    const RegionRect r = redrawn(stored);
    qDebug().noquote() << log_label << rect_text(r);
    if (r.x < 1 || r.y < 1 || r.w < 1 || r.h < 1) {
        // Never drawn: the installer draws it now, under the name the caller prepared.
        start_drawing(pen);
        return;
    }
    scene()->delGraphicsRectItem(name);
    add_region(pen, name, r);
    scene()->setCurrentAction(CustomGraphicsScene::DefaultType);
}

void TeacherRegionStep::setShieldRegion(const QString &name)
{
    collect_region_rects();
    for (int i = 0; i < kShieldCount; ++i) {
        if (name == name_of(kShieldNames[i]))
            put_back(ShieldPen, name, teacher_display_region.shield[size_t(i)],
                     qPrintable(QStringLiteral("setShieldRegion %1:").arg(i + 1)));
    }
}

void TeacherRegionStep::setBoardRegion(const QString &name)
{
    collect_region_rects();
    for (int i = 0; i < kBoardCount; ++i) {
        if (name == name_of(kBoardNames[i]))
            put_back(BoardPen, name, teacher_display_region.board[size_t(i)],
                     qPrintable(QStringLiteral("setBoardRegion %1:").arg(i + 1)));
    }
}

void TeacherRegionStep::show_teacher_regions()
{
    if (!m_regions_shown_box.isChecked())
        return;
    const TeacherDisplayRegion &d = teacher_display_region;
    if (m_flags.snapshot_region_shown) {
        if (in_bounds(d.snapshot)) {
            scene()->setTrackingRegionName(name_of(kSnapshotName));
            add_region(SnapshotPen, name_of(kSnapshotName), d.snapshot);
        } else {
            qDebug() << "MainWindow:: Snapshot Out of draw area!";
        }
        ui.teacher_snapshot_region_radioButton->setChecked(true);
    }
    for (int i = 0; i < kShieldCount; ++i) {
        if (!m_flags.shield_region_enabled[size_t(i)])
            continue;
        const RegionRect &r = d.shield[size_t(i)];
        qDebug().noquote() << QString::asprintf("MainWindow::teacher_display_region->shield %d--- start_x: %d, "
                                                "start_y: %d, width: %d, height: %d",
                                                i, r.x, r.y, r.w, r.h);
        if (in_bounds(r)) {
            prepare(name_of(kShieldNames[i]), false);
            add_region(ShieldPen, name_of(kShieldNames[i]), r);
        }
    }
    for (int i = 0; i < kBoardCount; ++i) {
        if (!m_flags.board_region_enabled[size_t(i)])
            continue;
        const RegionRect &r = d.board[size_t(i)];
        qDebug().noquote() << QString::asprintf("MainWindow::teacher_display_region->board--- start_x: %d, "
                                                "start_y: %d, width: %d, height: %d",
                                                r.x, r.y, r.w, r.h);
        if (in_bounds(r)) {
            prepare(name_of(kBoardNames[i]), false);
            add_region(BoardPen, name_of(kBoardNames[i]), r);
        }
    }
    if (!m_flags.track_region_shown)
        return;
    prepare(name_of(kTrackingName), false);
    if (in_bounds(d.tracking)) {
        add_region(TrackingPen, name_of(kTrackingName), d.tracking);
    } else {
        qDebug() << "GuideConfig:: Out of draw area!";
        add_region(TrackingPen, name_of(kTrackingName), kDefaultTracking);
    }
    qDebug().noquote() << "GuideConfig::teacher_display_region->" << rect_text(d.tracking);
    ui.teacher_track_region_radioButton->setChecked(true);
}

void TeacherRegionStep::teacher_restore_region()
{
    const BoxChanges changes = wizard_regions::teacher_restore_region(
        teacher_region_coord, m_regions_shown_box.isChecked(), teacher_display_region, m_flags);
    for (int i = 0; i < kShieldCount; ++i) {
        if (changes.shield[size_t(i)])
            shield_box(i)->setChecked(*changes.shield[size_t(i)]);
    }
    for (int i = 0; i < kBoardCount; ++i) {
        if (changes.board[size_t(i)])
            board_box(i)->setChecked(*changes.board[size_t(i)]);
    }
    if (m_flags.region_display_pending) {
        m_flags.region_display_pending = false;
        show_teacher_regions();
    }
}

void TeacherRegionStep::clear_region_scene() { m_scene.clear_region_scene(); }

void TeacherRegionStep::disable_boxes()
{
    for (int i = 0; i < kShieldCount; ++i)
        shield_box(i)->setEnabled(false);
    for (int i = 0; i < kBoardCount; ++i)
        board_box(i)->setEnabled(false);
}

void TeacherRegionStep::on_teacher_track_region_radioButton_clicked(bool checked)
{
    qDebug() << "on_teacher_track_region_radioButton_clicked checked:" << (checked ? "true" : "false");
    if (!checked || !connected())
        return;
    collect_region_rects();
    const RegionRect r = redrawn(teacher_display_region.tracking);
    const QString name = name_of(kTrackingName);
    prepare(name, false);
    scene()->delGraphicsRectItem(name);
    // No test here: the scene's own rule decides what a rectangle never drawn gives.
    add_region(TrackingPen, name, r);
    scene()->setCurrentAction(CustomGraphicsScene::DefaultType);
    m_flags.track_region_shown = true;
    disable_boxes();
}

void TeacherRegionStep::on_teacher_snapshot_region_radioButton_clicked(bool checked)
{
    if (!checked || !connected())
        return;
    collect_region_rects();
    const RegionRect r = redrawn(teacher_display_region.snapshot);
    qDebug().noquote() << "teacherSnapshotRegion:" << rect_text(r);
    const QString name = name_of(kSnapshotName);
    scene()->setTrackingRegionName(name);
    if (r.x < 1 && r.y < 1 && r.w < 1 && r.h < 1) {
        start_drawing(SnapshotPen);
    } else {
        scene()->delGraphicsRectItem(name);
        add_region(SnapshotPen, name, r);
        scene()->setCurrentAction(CustomGraphicsScene::DefaultType);
    }
    m_flags.snapshot_region_shown = true;
    m_flags.track_region_shown = true;
    disable_boxes();
}

void TeacherRegionStep::on_clear_snapshot_region_pushButton_clicked()
{
    ui.clear_snapshot_region_pushButton->setChecked(false);
    if (!connected())
        return;
    m_flags.snapshot_region_valid = false;
    scene()->delGraphicsRectItem(name_of(kSnapshotName));
    teacher_display_region.snapshot = {};
    if (ui.teacher_snapshot_region_radioButton->isChecked()) {
        ui.teacher_track_region_radioButton->setChecked(true);
        on_teacher_track_region_radioButton_clicked(true);
    }
}

void TeacherRegionStep::on_teacher_shield_region_radioButton_clicked(bool checked)
{
    ui.teacher_board_region_radioButton->setChecked(false);
    ui.teacher_track_region_radioButton->setChecked(false);
    ui.teacher_snapshot_region_radioButton->setChecked(false);
    if (!checked || !connected())
        return;
    for (int i = 0; i < kShieldCount; ++i) {
        shield_box(i)->setEnabled(true);
        m_flags.shield_region_enabled[size_t(i)] = shield_box(i)->isChecked();
    }
    for (int i = 0; i < kBoardCount; ++i)
        board_box(i)->setEnabled(false);
    m_flags.track_region_shown = true;
    for (int i = 0; i < kShieldCount; ++i) {
        if (m_flags.shield_region_enabled[size_t(i)]) {
            prepare(name_of(kShieldNames[i]), false);
            setShieldRegion(name_of(kShieldNames[i]));
            return;
        }
    }
}

void TeacherRegionStep::on_teacher_board_region_radioButton_clicked(bool checked)
{
    ui.teacher_shield_region_radioButton->setChecked(false);
    ui.teacher_track_region_radioButton->setChecked(false);
    ui.teacher_snapshot_region_radioButton->setChecked(false);
    if (checked) {
        if (!connected())
            return;
        m_flags.track_region_shown = true;
        for (int i = 0; i < kBoardCount; ++i) {
            board_box(i)->setEnabled(true);
            m_flags.board_region_enabled[size_t(i)] = board_box(i)->isChecked();
        }
        for (int i = 0; i < kShieldCount; ++i)
            shield_box(i)->setEnabled(false);
    }
    for (int i = 0; i < kBoardCount; ++i) {
        if (m_flags.board_region_enabled[size_t(i)]) {
            prepare(name_of(kBoardNames[i]), false);
            setBoardRegion(name_of(kBoardNames[i]));
            return;
        }
    }
}

void TeacherRegionStep::shield_box_clicked(int index, bool checked)
{
    const QString name = name_of(kShieldNames[index]);
    m_flags.shield_region_enabled[size_t(index)] = checked;
    if (checked) {
        prepare(name, false);
        setShieldRegion(name);
        return;
    }
    // The item stays, hidden, so that checking the box again puts it back where it was.
    scene()->hideGraphicsRectItem(name);
    scene()->setTrackingRegionName(QString());
    scene()->setCurrentAction(CustomGraphicsScene::DefaultType);
}

void TeacherRegionStep::board_box_clicked(int index, bool checked)
{
    const QString name = name_of(kBoardNames[index]);
    board_box(index)->setChecked(checked);
    m_flags.board_region_enabled[size_t(index)] = checked;
    if (checked) {
        prepare(name, false);
        setBoardRegion(name);
        return;
    }
    scene()->hideGraphicsRectItem(name);
    scene()->setCurrentAction(CustomGraphicsScene::DefaultType);
}

void TeacherRegionStep::set_editing(camera_slot::Side side, bool on)
{
    if (side == camera_slot::Side::Teacher)
        regions_shown_changed(on);
    emit editing_switched(side, on);
}

void TeacherRegionStep::set_teacher_regions_visible(bool visible)
{
    if (visible)
        show_teacher_regions();
    else
        hide_region_items();
}

namespace {
RegionRect rect_of(const QRect &r) { return RegionRect{r.x(), r.y(), r.width(), r.height()}; }
} // namespace

void TeacherRegionStep::place_region(Kind kind, int index, const QRect &scene_rect)
{
    const bool board = kind == Kind::Board;
    const QString name = name_of(board ? kBoardNames[index] : kShieldNames[index]);
    const RegionRect r = rect_of(scene_rect);
    (board ? teacher_display_region.board[size_t(index)] : teacher_display_region.shield[size_t(index)]) = r;
    (board ? m_flags.board_region_enabled[size_t(index)] : m_flags.shield_region_enabled[size_t(index)]) = true;
    replace_region(board ? BoardPen : ShieldPen, name, r);
    (board ? board_box(index) : shield_box(index))->setChecked(true);
}

void TeacherRegionStep::keep_region(Kind kind, int index)
{
    const bool board = kind == Kind::Board;
    if (!(board ? m_flags.board_region_enabled[size_t(index)] : m_flags.shield_region_enabled[size_t(index)]))
        return; // its box is unticked: kept out of sight, as the box's untick keeps it
    // Collected from its item before the scene was cleared: drawn again where the item was.
    const RegionRect r =
        redrawn(board ? teacher_display_region.board[size_t(index)] : teacher_display_region.shield[size_t(index)]);
    if (in_bounds(r))
        replace_region(board ? BoardPen : ShieldPen, name_of(board ? kBoardNames[index] : kShieldNames[index]), r);
}

void TeacherRegionStep::place_tracking_region(const QRect &scene_rect)
{
    const QString name = name_of(kTrackingName);
    teacher_display_region.tracking = rect_of(scene_rect);
    replace_region(TrackingPen, name, teacher_display_region.tracking);
    ui.teacher_track_region_radioButton->setChecked(true);
}
