#include "guide/student_area_step.h"

#include "guide/teacher_region_step.h"
#include "guide/tracking_test.h"
#include "net/wizard_link.h"
#include "seams/message_box.h"

#include <QCheckBox>
#include <QCursor>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStackedWidget>

using namespace student_area;

namespace {

using camera_slot::Slot;

constexpr int kTrackingArea = 1;
constexpr int kShields = 2;
constexpr qreal kPenWidth = 2.0;
// A corner's marker: a square of this side centred on the corner.
constexpr int kMarkerSide = 16;

QPen region_pen(const QColor &colour, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(QBrush(colour), kPenWidth, style, Qt::SquareCap, Qt::BevelJoin);
}

const QColor kShieldColours[kShieldCount] = {Qt::red, QColor(255, 85, 0), Qt::blue, Qt::red};

} // namespace

StudentAreaStep::StudentAreaStep(const Widgets &widgets, const WizardLink &link, TeacherRegionStep &teacher_regions,
                                 const QCheckBox &regions_shown_box, const TrackingTest &tracking,
                                 const QStackedWidget &pages, QWidget *window)
    : ui(widgets), m_link(link), m_teacher_regions(teacher_regions), m_regions_shown_box(regions_shown_box),
      m_tracking(tracking), m_pages(pages), m_window(window)
{
    // The mouse of the wizard itself, and the region step's overlay, which paints only while
    // the regions are shown.
    m_window->installEventFilter(this);
    ui.student_pano_region_widget->installEventFilter(this);
    // The corner hints show only with the area.
    for (int i = 0; i < kShieldCount; ++i)
        hint_label(i)->hide();
    connect(ui.student_track_region_radioButton, &QRadioButton::clicked, this,
            &StudentAreaStep::on_student_track_region_radioButton_clicked);
    connect(ui.student_shield_region_radioButton, &QRadioButton::clicked, this,
            &StudentAreaStep::on_student_shield_region_radioButton_clicked);
    for (int i = 0; i < kShieldCount; ++i)
        connect(shield_box(i), &QCheckBox::clicked, this, [this, i](bool checked) { shield_box_clicked(i, checked); });
    connect(ui.student_show_tracking_region_checkBox, &QCheckBox::stateChanged, this,
            &StudentAreaStep::on_student_show_tracking_region_checkBox_stateChanged);
    connect(ui.teacher_show_tracking_region_checkBox, &QCheckBox::stateChanged, this,
            &StudentAreaStep::on_teacher_show_tracking_region_checkBox_stateChanged);
}

QCheckBox *StudentAreaStep::shield_box(int index) const
{
    QCheckBox *const boxes[kShieldCount] = {ui.student_shield_one_checkBox, ui.student_shield_two_checkBox,
                                            ui.student_shield_three_checkBox, ui.student_shield_four_checkBox};
    return boxes[index];
}

QLabel *StudentAreaStep::hint_label(int index) const
{
    QLabel *const labels[kShieldCount] = {ui.student_region_one_hint_label, ui.student_region_two_hint_label,
                                          ui.student_region_three_hint_label, ui.student_region_four_hint_label};
    return labels[index];
}

wizard_blocks::StudentArea StudentAreaStep::block_area() const
{
    wizard_blocks::StudentArea a;
    a.corners = m_area.student_track_points;
    a.shields = m_area.student_shield_polygons;
    a.shield_ready = m_area.polygon_ready;
    return a;
}

std::array<bool, kShieldCount> StudentAreaStep::shield_boxes() const
{
    std::array<bool, kShieldCount> out{};
    for (int i = 0; i < kShieldCount; ++i)
        out[size_t(i)] = shield_box(i)->isChecked();
    return out;
}

void StudentAreaStep::read_reply(const QString &text)
{
    student_region_coord = wizard_reply::read_student_regions(text);
}

void StudentAreaStep::parse_student_region_coord()
{
    const ShieldBoxes boxes =
        student_area::parse_student_region_coord(student_region_coord, m_regions_shown_box.isChecked(), m_area);
    for (int i = 0; i < kShieldCount; ++i) {
        if (boxes[size_t(i)])
            shield_box(i)->setChecked(*boxes[size_t(i)]);
    }
}

void StudentAreaStep::set_student_region_widgets_enabled(bool on)
{
    ui.student_track_region_radioButton->setEnabled(on);
    ui.student_shield_region_radioButton->setEnabled(on);
    for (int i = 0; i < kShieldCount; ++i)
        hint_label(i)->setVisible(on);
}

void StudentAreaStep::regions_shown_changed(bool on)
{
    if (!on) {
        m_window->update();
        set_student_region_widgets_enabled(false);
        for (int i = 0; i < kShieldCount; ++i)
            shield_box(i)->setEnabled(false);
        m_kind = 0;
        m_area.shield_enabled.fill(false);
        m_area.shown.fill(false);
        return;
    }
    set_student_region_widgets_enabled(true);
    m_area.shown.fill(true);
    if (ui.student_track_region_radioButton->isChecked()) {
        m_kind = kTrackingArea;
    } else if (ui.student_shield_region_radioButton->isChecked()) {
        for (int i = 0; i < kShieldCount; ++i)
            shield_box(i)->setEnabled(true);
        m_kind = kShields;
        m_area.current_shield = -1;
    }
    pick_lowest_checked_shield(false);
}

void StudentAreaStep::reset_track_overlay()
{
    show_track_overlay = false;
    m_teacher_regions.clear_enables();
    m_window->update();
}

void StudentAreaStep::pick_lowest_checked_shield(bool reset)
{
    if (reset)
        m_area.current_shield = -1;
    for (int i = kShieldCount - 1; i >= 0; --i) {
        m_area.shield_enabled[size_t(i)] = shield_box(i)->isChecked();
        if (m_area.shield_enabled[size_t(i)])
            m_area.current_shield = i;
    }
}

void StudentAreaStep::on_student_track_region_radioButton_clicked(bool checked)
{
    if (!checked || !m_link.connected(Slot::StudentPano))
        return;
    m_kind = kTrackingArea;
    m_area.shown.fill(true);
    m_area.placed.fill(true);
    for (int i = 0; i < kShieldCount; ++i)
        shield_box(i)->setEnabled(false);
}

void StudentAreaStep::on_student_shield_region_radioButton_clicked(bool checked)
{
    if (!checked || !m_link.connected(Slot::StudentPano))
        return;
    for (int i = 0; i < kShieldCount; ++i)
        shield_box(i)->setEnabled(true);
    m_kind = kShields;
    pick_lowest_checked_shield(true);
}

void StudentAreaStep::shield_box_clicked(int index, bool checked)
{
    m_area.current_shield = checked ? index : -1;
    m_area.shield_enabled[size_t(index)] = checked;
    emit student_area_changed();
}

void StudentAreaStep::on_student_show_tracking_region_checkBox_stateChanged(int state)
{
    if (!m_link.connected(Slot::StudentPano)) {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    if (state == Qt::Checked) {
        ui.student_pano_track_region_widget->installEventFilter(this);
        m_area.shown.fill(true);
        pick_lowest_checked_shield(true);
    } else {
        ui.student_pano_track_region_widget->removeEventFilter(this);
    }
}

void StudentAreaStep::on_teacher_show_tracking_region_checkBox_stateChanged(int state)
{
    if (!m_link.connected(Slot::TeacherPano))
        return;
    show_track_overlay = state == Qt::Checked;
    if (show_track_overlay)
        ui.widget_7->installEventFilter(this);
    else
        ui.widget_7->removeEventFilter(this);
}

bool StudentAreaStep::editable() const
{
    return m_link.connected(Slot::StudentPano) && !m_tracking.tracking_shown(camera_slot::Side::Student);
}

void StudentAreaStep::mouse(QEvent::Type type, QMouseEvent *event)
{
    const bool left = type == QEvent::MouseButtonRelease ? event->button() == Qt::LeftButton
                                                         : event->buttons() == Qt::LeftButton;
    if (!left || !editable() || (m_kind != kTrackingArea && m_kind != kShields))
        return;
    const QPoint p = event->pos();
    MouseResult r;
    if (m_kind == kTrackingArea) {
        if (type == QEvent::MouseButtonPress)
            r = corner_press(m_area, p);
        else if (type == QEvent::MouseMove)
            r = corner_move(m_area, p);
        else
            r = corner_release(m_area, p);
    } else {
        if (type == QEvent::MouseButtonPress)
            r = shield_press(m_area, p);
        else if (type == QEvent::MouseMove)
            r = shield_move(m_area, p);
        else
            r = shield_release(m_area);
    }
    if (r.cursor)
        QCursor::setPos(m_window->mapToGlobal(*r.cursor));
    if (r.changed)
        emit student_area_changed();
}

bool StudentAreaStep::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (watched == m_window)
            mouse(event->type(), static_cast<QMouseEvent *>(event));
        break;
    case QEvent::Paint:
        if (watched == ui.widget_7 && ui.teacher_show_tracking_region_checkBox->isChecked()
            && m_pages.currentIndex() == kTeacherTrackTestPage)
            paint_teacher_track_overlay();
        else if (watched == ui.student_pano_track_region_widget && ui.student_show_tracking_region_checkBox->isChecked())
            paint_student_regions(ui.student_pano_track_region_widget);
        else if (watched == ui.student_pano_region_widget && m_regions_shown_box.isChecked())
            paint_student_regions(ui.student_pano_region_widget);
        break;
    default:
        break;
    }
    return false;
}

void StudentAreaStep::paint_student_regions(QWidget *target)
{
    QPainter painter(target);
    for (int k = 0; k < kShieldCount; ++k) {
        if (!m_area.shield_enabled[size_t(k)])
            continue;
        painter.setPen(region_pen(kShieldColours[k]));
        painter.setBrush(QBrush(kShieldColours[k], Qt::BDiagPattern));
        if (m_area.polygon_ready[size_t(k)]) {
            const auto &q = m_area.student_shield_polygons[size_t(k)];
            painter.drawPolygon(q.data(), int(q.size()), Qt::OddEvenFill);
        } else {
            painter.drawLine(m_area.shield_start[size_t(k)] - kOrigin, m_area.shield_end[size_t(k)] - kOrigin);
        }
    }
    painter.setPen(region_pen(Qt::green));
    painter.setBrush(QBrush(Qt::green, Qt::BDiagPattern));
    for (int j = 0; j < kCornerCount; ++j) {
        if (!m_area.shown[size_t(j)])
            continue;
        const QPoint c = m_area.placed[size_t(j)] ? m_area.student_track_points[size_t(j)]
                                                  : m_area.drag_points[size_t(j)] - kOrigin;
        painter.drawRect(c.x() - kMarkerSide / 2, c.y() - kMarkerSide / 2, kMarkerSide, kMarkerSide);
    }
}

void StudentAreaStep::paint_teacher_track_overlay()
{
    using region_geometry::RegionRect;
    QPainter painter(ui.widget_7);
    painter.setBrush(Qt::NoBrush);
    const auto draw = [&painter](const RegionRect &r, const QPen &pen) {
        if (r.x < 1 || r.y < 1 || r.w < 1 || r.h < 1)
            return;
        painter.setPen(pen);
        painter.drawRect(r.x, r.y, r.w, r.h);
    };
    const wizard_regions::TeacherDisplayRegion &d = m_teacher_regions.display();
    const wizard_regions::RegionFlags &f = m_teacher_regions.flags();
    if (show_track_overlay)
        draw(d.tracking, region_pen(Qt::green));
    if (f.snapshot_region_shown)
        draw(d.snapshot, region_pen(Qt::yellow));
    for (int i = 0; i < wizard_regions::kShieldCount; ++i) {
        if (f.shield_region_enabled[size_t(i)])
            draw(d.shield[size_t(i)], region_pen(Qt::red, Qt::DashLine));
    }
    for (int i = 0; i < wizard_regions::kBoardCount; ++i) {
        if (f.board_region_enabled[size_t(i)])
            draw(d.board[size_t(i)], region_pen(Qt::blue));
    }
}

void StudentAreaStep::hide_tracking_overlay(camera_slot::Side side)
{
    QCheckBox *box = side == camera_slot::Side::Teacher ? ui.teacher_show_tracking_region_checkBox
                                                        : ui.student_show_tracking_region_checkBox;
    if (box->isChecked())
        box->setChecked(false);
}

void StudentAreaStep::tracking_test_pano_gone(camera_slot::Side side)
{
    hide_tracking_overlay(side);
    if (side == camera_slot::Side::Teacher)
        reset_track_overlay();
}

