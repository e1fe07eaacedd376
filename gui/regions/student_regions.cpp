#include "regions/student_regions.h"

#include "core/wait.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "model/pano_status.h"
#include "model/region_geometry.h"
#include "net/control_link.h"
#include "protocol/parameter_block.h"
#include "protocol/teacher_region_keys.h"
#include "protocol/board_parameters.h"
#include "protocol/tracking_command.h"
#include "support/value_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

using camera_slot::Side;
using camera_slot::Slot;
using preview_areas::kFeatureOrigin;
using preview_areas::kPanoOrigin;

namespace {
constexpr int kStudentTab = 1;
constexpr int kBoardTab = 2;
constexpr int kStopped = 2;                 // tracking status: regions are drawn only while stopped
constexpr int kRegionDisplaySwitchMs = 500; // the camera switches its own region display meanwhile
constexpr int kCornerRadius = 7;            // how near a press must come to a corner or designated point
constexpr int kCalibrateRadius = 5;         // and to a calibration point

enum Kind { kTrackKind = 1, kShieldKind = 2, kDesignatedKind = 4, kCalibrateKind = 5 };

const QColor kShieldColours[4] = {Qt::red, QColor(255, 85, 0), Qt::blue, Qt::red};
const QColor kNumberColours[4] = {Qt::red, Qt::yellow, QColor(255, 165, 0), Qt::green};

QPen region_pen(const QColor &colour, int width, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(QBrush(colour), width, style, Qt::SquareCap, Qt::BevelJoin);
}
} // namespace

StudentRegions::StudentRegions(const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports,
                               ControlLink &link, PanoStatus &status, StudentSection &student,
                               StudentRegionPoints &points, BoardPreviewAreas &board, const OpenPage &page,
                               CalibrationView &calibration, QObject *filter, QWidget *window)
    : ui(widgets)
    , m_slots(cameras)
    , m_ports(ports)
    , m_link(link)
    , m_status(status)
    , m_student(student)
    , m_points(points)
    , m_board(board)
    , m_page(page)
    , m_calibration(calibration)
    , m_filter(filter)
    , m_window(window)
{
    groups[Corners] = {student_track_pos.data(), student_track_done.data(), student_track_visible.data(), {}};
    groups[Designated] = {student_designated_pos.data(), student_designated_done.data(),
                          student_designated_visible.data(), {}};
    groups[PanoCalibrate] = {m_points.pano_calibrate_pos.data(), m_points.pano_calibrate_done.data(),
                             m_points.pano_calibrate_visible.data(), kPanoOrigin};
    groups[FeatureCalibrate] = {m_points.feature_calibrate_pos.data(), m_points.feature_calibrate_done.data(),
                                m_points.feature_calibrate_visible.data(), kFeatureOrigin};

    // The boxes edit the section's region switches.
    for (int i = 0; i < preview_areas::kShieldCount; ++i)
        value_widgets::keep_checked(this, student_shield_box(i), m_student.shield_enabled[size_t(i)]);
    value_widgets::keep_text(this, ui.people_number_lineEdit, m_student.people_number);
    value_widgets::keep_checked(this, ui.student_designated_region_checkBox, m_student.designated_enabled);
    value_widgets::keep_checked(this, ui.student_track_region_checkBox, m_student.forward_enabled);

    using S = StudentRegions;
    connect(ui.student_calibration_comboBox, qOverload<const QString &>(&QComboBox::currentIndexChanged), this,
            &S::calibration_height_chosen);
    connect(ui.student_pos_calibration_region_checkBox, &QCheckBox::stateChanged, this,
            &S::on_student_pos_calibration_region_checkBox_stateChanged);
    connect(ui.student_calibrate_area_toolButton, &QToolButton::clicked, this, &S::calibrate_area_clicked);
    connect(ui.student_show_region_checkBox, &QCheckBox::clicked, this, &S::on_student_show_region_checkBox_clicked);
    connect(ui.student_track_region_radioButton, &QRadioButton::clicked, this,
            &S::on_student_track_region_radioButton_clicked);
    connect(ui.student_shield_region_radioButton, &QRadioButton::clicked, this,
            &S::on_student_shield_region_radioButton_clicked);
    connect(ui.student_designated_region_radioButton, &QRadioButton::clicked, this,
            &S::on_student_designated_region_radioButton_clicked);
    connect(ui.student_designated_region_checkBox, &QCheckBox::clicked, this,
            &S::on_student_designated_region_checkBox_clicked);
    connect(ui.student_track_region_checkBox, &QCheckBox::clicked, this, &S::on_student_track_region_checkBox_clicked);
    connect(ui.student_pos_calibration_region_radioButton, &QRadioButton::clicked, this,
            &S::on_student_pos_calibration_region_radioButton_clicked);
    connect(ui.student_pos_calibration_region_checkBox, &QCheckBox::clicked, this,
            &S::on_student_pos_calibration_region_checkBox_clicked);
    for (int i = 0; i < preview_areas::kShieldCount; ++i)
        connect(student_shield_box(i), &QCheckBox::clicked, this,
                [this, i](bool checked) { on_student_shield_checkBox_clicked(i, checked); });
    connect(ui.board_show_region_checkBox, &QCheckBox::clicked, this, &S::on_board_show_region_checkBox_clicked);
    connect(ui.board_track_region_radioButton, &QRadioButton::clicked, this,
            &S::on_board_track_region_radioButton_clicked);
    connect(ui.board_shield_region_radioButton, &QRadioButton::clicked, this,
            &S::on_board_shield_region_radioButton_clicked);
    for (int i = 0; i < 8; ++i)
        connect(board_shield_box(i), &QCheckBox::clicked, this,
                [this, i](bool checked) { on_board_shield_checkBox_clicked(i, checked); });
    // The corner numbers show only while the regions are drawn; the position calibration only for a
    // pair of J57 student cameras.
    for (QLabel *hint : {ui.student_region_one_hint_label, ui.student_region_two_hint_label,
                         ui.student_region_three_hint_label, ui.student_region_four_hint_label})
        hint->hide();
    show_calibration_controls(false);
}

// ---------------------------------------------------------------------------
// Events of the region widgets

void StudentRegions::filter_event(QObject *watched, QEvent *event)
{
    QWidget *const widget = qobject_cast<QWidget *>(watched);
    if (!widget
        || (widget != ui.student_pano_region_widget && widget != ui.student_feature_region_widget
            && widget != ui.board_pano_region_widget)
        || painting_paused(widget))
        return;
    switch (event->type()) {
    case QEvent::Paint: {
        const int tab = m_page.open_index();
        const bool shown = ui.student_show_region_checkBox->isChecked();
        if (tab == kStudentTab && widget == ui.student_pano_region_widget && shown)
            paint_student_zone_overlay();
        else if (tab == kStudentTab && widget == ui.student_feature_region_widget && shown
                 && m_slots[Slot::StudentFeature].udp_flag)
            paint_student_feature_points();
        else if (tab == kBoardTab && widget == ui.board_pano_region_widget)
            paint_board_pano_regions();
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        mouse_event(widget, static_cast<QMouseEvent *>(event));
        break;
    default:
        break;
    }
}

bool StudentRegions::painting_paused(const QWidget *widget) const
{
    return widget == ui.board_pano_region_widget ? board_painting_paused : student_painting_paused;
}

void StudentRegions::pause_painting(transfer::Role role)
{
    // The teacher's regions are items of the region scene, which the window does not paint.
    if (role == transfer::Role::Student)
        student_painting_paused = true;
    else if (role == transfer::Role::Board)
        board_painting_paused = true;
}

void StudentRegions::resume_painting(transfer::Role role)
{
    if (role == transfer::Role::Student) {
        student_painting_paused = false;
        repaint_student_regions();
    } else if (role == transfer::Role::Board) {
        board_painting_paused = false;
        ui.board_pano_region_widget->update();
    }
}

void StudentRegions::repaint_student_regions()
{
    ui.student_pano_region_widget->update();
    ui.student_feature_region_widget->update();
}

void StudentRegions::student_regions_read(const StudentRegionChecks &checks)
{
    const auto apply = [](QCheckBox *box, const std::optional<bool> &on) {
        if (on)
            box->setChecked(*on);
    };
    apply(ui.student_pos_calibration_region_checkBox, checks.pos_calibration_region);
    apply(ui.student_designated_region_checkBox, checks.designated_region);
    apply(ui.student_track_region_checkBox, checks.track_region);
    for (int i = 0; i < preview_areas::kShieldCount; ++i)
        apply(student_shield_box(i), checks.shield[size_t(i)]);

    const bool shown = ui.student_show_region_checkBox->isChecked();
    for (int i = 0; i < preview_areas::kShieldCount; ++i) {
        // A shield switched on shows only while the regions are shown; one switched off goes.
        if (const auto &on = checks.shield[size_t(i)]) {
            if (!*on)
                student_shield_visible[size_t(i)] = false;
            else if (shown)
                student_shield_visible[size_t(i)] = true;
        }
        // The polygon read back is the shield's start and end.
        student_shield_start[size_t(i)] = m_points.student_shield_points[size_t(i)][0] + kPanoOrigin;
        student_shield_end[size_t(i)] = m_points.student_shield_points[size_t(i)][3] + kPanoOrigin;
    }
    for (GroupState &g : groups)
        g.fill(g.done, true);
    repaint_student_regions();
}

// ---------------------------------------------------------------------------
// The mouse

QPoint *StudentRegions::group_points(Group g)
{
    switch (g) {
    case Corners:
        return m_points.student_area_points.data();
    case Designated:
        return m_points.student_designated_points.data();
    case PanoCalibrate:
        return m_points.pano_calibrate_points.data();
    default:
        return m_points.feature_calibrate_points.data();
    }
}

QPoint StudentRegions::group_origin(Group g) const { return g == FeatureCalibrate ? kFeatureOrigin : kPanoOrigin; }

int StudentRegions::group_count(Group g) const
{
    if (g == Corners)
        return 4;
    if (g == Designated)
        return m_student.old_point_format ? 4 : 6;
    return 6;
}

bool StudentRegions::student_mode_allowed(int kind, bool radio, bool feature) const
{
    return m_page.open_index() == kStudentTab && radio && m_slots[Slot::StudentPano].udp_flag
           && student_region_kind == kind && m_status.student_cur_track_status == kStopped
           && (!feature || m_slots[Slot::StudentFeature].udp_flag);
}

bool StudentRegions::board_mode_allowed(int kind, bool radio) const
{
    return m_page.open_index() == kBoardTab && radio && m_slots[Slot::BoardPano].udp_flag
           && board_region_kind == kind && m_status.board_cur_track_status == kStopped;
}

void StudentRegions::mouse_event(QWidget *widget, QMouseEvent *event)
{
    const bool board = widget == ui.board_pano_region_widget;
    const bool feature = widget == ui.student_feature_region_widget;
    const QPoint origin = feature ? kFeatureOrigin : kPanoOrigin;
    const QPoint p = event->pos() + origin;
    const QEvent::Type type = event->type();
    const bool left = type == QEvent::MouseButtonRelease ? event->button() == Qt::LeftButton
                                                         : event->buttons() == Qt::LeftButton;
    if (!left)
        return;
    const bool inside = preview_areas::in_area(p, origin);
    if (type != QEvent::MouseButtonRelease && !inside)
        return;

    if (board) {
        if (type == QEvent::MouseButtonPress)
            board_press(p);
        else if (type == QEvent::MouseMove)
            board_move(p);
        else
            board_release();
        return;
    }

    Group group = kGroupCount;
    if (feature) {
        if (student_mode_allowed(kCalibrateKind, student_calibrate_mode, true))
            group = FeatureCalibrate;
    } else if (student_mode_allowed(kShieldKind, student_shield_mode, false)) {
        if (type == QEvent::MouseButtonPress)
            press_shield(widget, p);
        else if (type == QEvent::MouseMove)
            move_shield(p);
        else
            release_shield();
        return;
    } else if (student_mode_allowed(kTrackKind, student_track_mode, false)) {
        group = Corners;
    } else if (student_mode_allowed(kDesignatedKind, student_designated_mode, false)) {
        group = Designated;
    } else if (student_mode_allowed(kCalibrateKind, student_calibrate_mode, false)) {
        group = PanoCalibrate;
    }
    if (group == kGroupCount)
        return;
    // Only a press that took a point, or the drag it started, changes what is shown.
    const bool dragging = groups[group].pressed;
    if (type == QEvent::MouseButtonPress) {
        press_point(group, p);
        if (groups[group].pressed)
            QCursor::setPos(widget->mapToGlobal(groups[group].window(groups[group].dragged) - origin));
    } else if (type == QEvent::MouseMove) {
        move_point(group, p);
    } else {
        release_point(group);
    }
    if (dragging || groups[group].pressed)
        widget->update();
}

void StudentRegions::press_point(Group g, const QPoint &p)
{
    GroupState &s = groups[g];
    const QPoint origin = group_origin(g);
    const int radius = g == Corners || g == Designated ? kCornerRadius : kCalibrateRadius;
    const QPoint clamped = preview_areas::clamp_press(p, origin);
    const QPoint *points = group_points(g);
    std::array<QPoint, 6> local{};
    std::copy(points, points + group_count(g), local.begin());
    s.dragged = preview_areas::hit_point(local, group_count(g), clamped, origin, radius);
    s.pressed = s.dragged >= 0;
    if (!s.pressed)
        return;
    s.set_window(s.dragged, clamped);
    static const char *const kPressLogs[kGroupCount][2] = {
        {"mousePressEvent-student_track_start_pos x : ", "student_track_start_pos y: "},
        {"mousePressEvent-student_designated_start_pos x : ", "student_designated_start_pos y: "},
        {"mousePressEvent-student_calibrate_start_pos x : ", "student_calibrate_start_pos y: "},
        {"mousePressEvent-student_feature_calibrate_start_pos x : ", "student_feature_calibrate_start_pos y: "}};
    qDebug() << kPressLogs[g][0] << clamped.x() << kPressLogs[g][1] << clamped.y();
}

void StudentRegions::move_point(Group g, const QPoint &p)
{
    GroupState &s = groups[g];
    if (!s.pressed)
        return;
    s.set_window(s.dragged, p);
    s.done[s.dragged] = false;
    static const char *const kMoveLogs[kGroupCount][2] = {
        {"mouseMoveEvent--student_track end x: ", "student_track end y: "},
        {"mouseMoveEvent--student_designated_end_pos x: ", "student_designated_end_pos y: "},
        {"mouseMoveEvent--student_calibrate_end_pos x: ", "student_calibrate_end_pos y: "},
        {"mouseMoveEvent--student_calibrate_end_pos x: ", "student_calibrate_end_pos y: "}};
    qDebug() << kMoveLogs[g][0] << p.x() << kMoveLogs[g][1] << p.y();
}

void StudentRegions::release_point(Group g)
{
    GroupState &s = groups[g];
    if (!s.pressed)
        return;
    s.pressed = false;
    const QPoint origin = group_origin(g);
    const int i = s.dragged;
    const QPoint released = preview_areas::clamp_release(s.window(i), origin);
    s.set_window(i, released);
    group_points(g)[i] = released - origin;
    s.done[i] = true;
    static const char *const kReleaseLogs[kGroupCount][2] = {
        {"-student end x: ", "student end y: "},
        {"-student_designated end x: ", "student_designated end y: "},
        {"-student_calibrate end x: ", "student_calibrate end y: "},
        {"-student_calibrate end x: ", "student_calibrate end y: "}};
    qDebug() << QStringLiteral("mouseReleaseEvent-%1%2").arg(s.dragged).arg(QLatin1String(kReleaseLogs[g][0]))
             << released.x() << kReleaseLogs[g][1] << released.y();
    emit apply_mark_wanted(Side::Student);
}

void StudentRegions::press_shield(QWidget *widget, const QPoint &p)
{
    if (student_shield_index < 0 || student_shield_index >= preview_areas::kShieldCount)
        return;
    const size_t k = size_t(student_shield_index);
    dragged_shield = student_shield_index;
    student_shield_pressed = true;
    student_shield_start[k] = student_shield_end[k] = preview_areas::shield_anchor(dragged_shield, p);
    const QPoint global = widget->mapToGlobal(student_shield_start[k] - kPanoOrigin);
    QCursor::setPos(global);
    qDebug() << "QPoint center:" << global;
    qDebug() << "main student_shield_start x 1: " << student_shield_start[k].x() << "student_shield_start y: "
             << student_shield_start[k].y();
    widget->update();
}

void StudentRegions::move_shield(const QPoint &p)
{
    if (!student_shield_pressed)
        return;
    const size_t k = size_t(dragged_shield);
    student_shield_end[k] = p;
    m_points.student_shield_drawn[k] = false;
    qDebug() << "student_shield end x main: " << p.x() << "student_shield end y: " << p.y();
    ui.student_pano_region_widget->update();
}

void StudentRegions::release_shield()
{
    if (!student_shield_pressed)
        return;
    student_shield_pressed = false;
    const size_t k = size_t(dragged_shield);
    if (m_points.student_shield_drawn[k])
        return;
    std::array<QPoint, 4> polygon{};
    if (preview_areas::shield_release(dragged_shield, student_shield_start[k] - kPanoOrigin, student_shield_end[k],
                                      polygon)) {
        m_points.student_shield_points[k] = polygon;
        m_points.student_shield_drawn[k] = true;
        emit apply_mark_wanted(Side::Student);
    } else {
        // Released away from the edge bands: the shield is dropped.
        student_shield_start[k] = student_shield_end[k] = QPoint(0, 0);
        m_points.student_shield_drawn[k] = false;
    }
    ui.student_pano_region_widget->update();
}

void StudentRegions::board_press(const QPoint &p)
{
    if (board_mode_allowed(kTrackKind, board_track_mode)) {
        m_board.board_track_start = m_board.board_track_end = p;
        board_track_pressed = true;
    } else if (board_mode_allowed(kShieldKind, board_shield_mode)) {
        // Boxes 5 to 8 can be ticked, but the camera keeps no area for them: nothing is drawn
        // and the settings are not marked changed.
        if (board_shield_index < 0 || board_shield_index >= preview_areas::kShieldCount) {
            qDebug() << "board shield" << board_shield_index + 1 << "cannot be drawn";
            return;
        }
        board_shield_pressed = true;
        m_board.board_shield_start[size_t(board_shield_index)] = m_board.board_shield_end[size_t(board_shield_index)] =
            p;
    } else {
        return;
    }
    ui.board_pano_region_widget->update();
}

void StudentRegions::board_move(const QPoint &p)
{
    if (board_mode_allowed(kTrackKind, board_track_mode) && board_track_pressed) {
        m_board.board_track_end = p;
        m_board.board_track_flag = true;
    } else if (board_mode_allowed(kShieldKind, board_shield_mode) && board_shield_pressed && board_shield_index >= 0
               && board_shield_index < preview_areas::kShieldCount) {
        m_board.board_shield_end[size_t(board_shield_index)] = p;
        m_board.board_shield_drawn[size_t(board_shield_index)] = true;
    } else {
        return;
    }
    ui.board_pano_region_widget->update();
}

void StudentRegions::board_release()
{
    if (board_mode_allowed(kTrackKind, board_track_mode) && board_track_pressed)
        board_track_pressed = false;
    else if (board_mode_allowed(kShieldKind, board_shield_mode) && board_shield_pressed)
        board_shield_pressed = false;
    else
        return;
    emit apply_mark_wanted(Side::Board);
}

// ---------------------------------------------------------------------------
// Painting, in the widget's own (label) coordinates. Nothing here asks for another paint: a
// change asks for it where it happens.

void StudentRegions::paint_calibration_point(QPainter &painter, const QPoint &p, int number, bool beside)
{
    const QColor colour = kNumberColours[number];
    painter.setPen(region_pen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(p.x() - 3, p.y() - 3), QPoint(p.x() + 2, p.y() + 2)));
    const QPoint text = beside ? QPoint(p.x() + 5, p.y() + 3) : QPoint(p.x() - 3, p.y() - 6);
    painter.drawText(text, QString::number(number + 1));
}

void StudentRegions::paint_student_zone_overlay()
{
    QPainter painter(ui.student_pano_region_widget);
    for (int k = 0; k < preview_areas::kShieldCount; ++k) {
        if (!student_shield_visible[size_t(k)])
            continue;
        painter.setPen(region_pen(kShieldColours[k], 2));
        painter.setBrush(QBrush(kShieldColours[k], Qt::FDiagPattern));
        if (m_points.student_shield_drawn[size_t(k)]) {
            const auto &q = m_points.student_shield_points[size_t(k)];
            painter.drawPolygon(q.data(), int(q.size()), Qt::OddEvenFill);
        } else {
            painter.drawLine(student_shield_start[size_t(k)] - kPanoOrigin,
                             student_shield_end[size_t(k)] - kPanoOrigin);
        }
    }

    const GroupState &corners = groups[Corners];
    painter.setPen(region_pen(Qt::green, 2));
    painter.setBrush(QBrush(Qt::green, Qt::FDiagPattern));
    for (size_t i = 0; i < 4; ++i) {
        if (!corners.visible[i])
            continue;
        const QPoint c = corners.done[i] ? m_points.student_area_points[i] : corners.window(int(i)) - kPanoOrigin;
        painter.drawRect(QRect(QPoint(c.x() - 8, c.y() - 8), QPoint(c.x() + 7, c.y() + 7)));
    }

    const GroupState &calibrate = groups[PanoCalibrate];
    for (size_t i = 0; i < 4; ++i) {
        if (calibrate.visible[i])
            paint_calibration_point(painter,
                                    calibrate.done[i] ? m_points.pano_calibrate_points[i]
                                                      : calibrate.window(int(i)) - kPanoOrigin,
                                    int(i), true);
    }

    const GroupState &designated = groups[Designated];
    const int count = group_count(Designated);
    painter.setPen(region_pen(Qt::yellow, 2));
    painter.setBrush(QBrush(Qt::yellow, Qt::FDiagPattern));
    QVector<QPointF> centres;
    for (int i = 0; i < count; ++i) {
        if (!designated.visible[i])
            continue;
        const QPoint d = designated.done[i] ? m_points.student_designated_points[size_t(i)]
                                            : designated.window(i) - kPanoOrigin;
        const QRect square(QPoint(d.x() - 8, d.y() - 8), QPoint(d.x() + 1, d.y() + 1));
        painter.drawRect(square);
        painter.drawText(QPoint(d.x() - 8, d.y() - 10), QString::number(i + 1));
        centres << QRectF(square).center();
    }
    if (ui.student_designated_region_checkBox->isChecked() && centres.size() > 1) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawPolyline(centres);
        painter.drawLine(centres.last(), centres.first());
    }
}

void StudentRegions::paint_student_feature_points()
{
    QPainter painter(ui.student_feature_region_widget);
    const GroupState &calibrate = groups[FeatureCalibrate];
    for (size_t i = 0; i < 4; ++i) {
        if (calibrate.visible[i])
            paint_calibration_point(painter,
                                    calibrate.done[i] ? m_points.feature_calibrate_points[i]
                                                      : calibrate.window(int(i)) - kFeatureOrigin,
                                    int(i), false);
    }
}

void StudentRegions::paint_board_pano_regions()
{
    QPainter painter(ui.board_pano_region_widget);
    const QPen dashedRed = region_pen(Qt::red, 2, Qt::DashLine);
    const QBrush hatchedRed(Qt::red, Qt::FDiagPattern);
    if (m_board.board_track_visible) {
        // Everything outside the tracking area is hatched, as four strips. Before an area is
        // drawn or read back there is none: the strips hatch the whole preview.
        const bool known = m_board.board_track_flag;
        const QPoint s = known ? m_board.board_track_start - kPanoOrigin : QPoint();
        const QPoint e = known ? m_board.board_track_end - kPanoOrigin : QPoint();
        int x1 = s.x(), y1 = s.y(), x2 = e.x(), y2 = e.y();
        region_geometry::normalize_rect(x1, y1, x2, y2);
        painter.setPen(dashedRed);
        painter.setBrush(hatchedRed);
        painter.drawRect(QRect(QPoint(0, 0), QPoint(479, y1 - 1)));
        painter.drawRect(QRect(QPoint(0, y2), QPoint(479, 339)));
        painter.drawRect(QRect(QPoint(0, 0), QPoint(x1 - 1, 339)));
        painter.drawRect(QRect(QPoint(x2, 0), QPoint(479, 339)));
        if (known) {
            painter.setPen(region_pen(Qt::green, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(s, e - QPoint(1, 1)));
        }
    }
    painter.setPen(dashedRed);
    painter.setBrush(hatchedRed);
    for (size_t i = 0; i < size_t(preview_areas::kShieldCount); ++i) {
        if (m_board.board_shield_visible[i])
            painter.drawRect(QRect(m_board.board_shield_start[i] - kPanoOrigin,
                                   m_board.board_shield_end[i] - kPanoOrigin - QPoint(1, 1)));
    }
}

// ---------------------------------------------------------------------------
// The Student tab's region controls

QCheckBox *StudentRegions::student_shield_box(int i) const
{
    QCheckBox *const boxes[] = {ui.student_shield_one_checkBox, ui.student_shield_two_checkBox,
                                ui.student_shield_three_checkBox, ui.student_shield_four_checkBox};
    return boxes[i];
}

QCheckBox *StudentRegions::board_shield_box(int i) const
{
    QCheckBox *const boxes[] = {ui.board_shield_one_checkBox,   ui.board_shield_two_checkBox,
                                ui.board_shield_three_checkBox, ui.board_shield_four_checkBox,
                                ui.board_shield_five_checkBox,  ui.board_shield_six_checkBox,
                                ui.board_shield_seven_checkBox, ui.board_shield_eight_checkBox};
    return boxes[i];
}

bool StudentRegions::student_pano_connected() const { return m_slots[Slot::StudentPano].udp_flag; }

bool StudentRegions::plain_student_model() const
{
    const QString &model = m_slots[Slot::StudentFeature].device_model;
    return model != QLatin1String("M19") && model != QLatin1String("M5");
}

void StudentRegions::send_student_pano(const QString &text, bool hex)
{
    m_link.sendMsg_Net(m_slots[Slot::StudentPano].destination,
                       hex ? m_ports.visca_port(Side::Student) : m_ports.udp_port(Side::Student), text, hex);
}

void StudentRegions::set_student_region_controls(bool enable)
{
    for (QWidget *w : {static_cast<QWidget *>(ui.student_track_region_radioButton),
                       static_cast<QWidget *>(ui.student_shield_region_radioButton),
                       static_cast<QWidget *>(ui.student_designated_region_radioButton),
                       static_cast<QWidget *>(ui.student_pos_calibration_region_radioButton)})
        w->setEnabled(enable);
    for (QLabel *hint : {ui.student_region_one_hint_label, ui.student_region_two_hint_label,
                         ui.student_region_three_hint_label, ui.student_region_four_hint_label})
        hint->setVisible(enable);
}

void StudentRegions::set_board_region_controls(bool enable)
{
    ui.board_track_region_radioButton->setEnabled(enable);
    ui.board_shield_region_radioButton->setEnabled(enable);
    const bool boxes = enable && ui.board_shield_region_radioButton->isChecked();
    for (int i = 0; i < 8; ++i)
        board_shield_box(i)->setEnabled(boxes);
}

void StudentRegions::clear_student_modes()
{
    student_track_mode = student_shield_mode = student_designated_mode = student_calibrate_mode = false;
}

void StudentRegions::set_boxes_enabled(bool track, bool shields, bool designated, bool calibration)
{
    ui.student_track_region_checkBox->setEnabled(track);
    for (int i = 0; i < preview_areas::kShieldCount; ++i)
        student_shield_box(i)->setEnabled(shields);
    ui.student_designated_region_checkBox->setEnabled(designated);
    ui.people_number_lineEdit->setEnabled(designated);
    ui.student_pos_calibration_region_checkBox->setEnabled(calibration);
    ui.student_calibrate_area_toolButton->setEnabled(calibration);
    ui.student_calibration_comboBox->setEnabled(calibration);
}

void StudentRegions::set_student_mode(int kind)
{
    clear_student_modes();
    student_region_kind = kind;
    switch (kind) {
    case kTrackKind:
        student_track_mode = true;
        set_boxes_enabled(true, false, false, false);
        break;
    case kShieldKind:
        student_shield_mode = true;
        student_shield_index = -1;
        set_boxes_enabled(false, true, false, false);
        break;
    case kDesignatedKind:
        student_designated_mode = true;
        set_boxes_enabled(false, false, true, false);
        break;
    default:
        student_calibrate_mode = true;
        set_boxes_enabled(false, false, false, true);
        break;
    }
}

void StudentRegions::student_shields_follow_boxes()
{
    student_shield_index = -1;
    for (int i = preview_areas::kShieldCount - 1; i >= 0; --i) {
        student_shield_visible[size_t(i)] = student_shield_box(i)->isChecked();
        if (student_shield_visible[size_t(i)])
            student_shield_index = i;
    }
}

void StudentRegions::board_shields_follow_boxes()
{
    board_shield_index = -1;
    for (int i = 7; i >= 0; --i) {
        m_board.board_shield_visible[size_t(i)] = board_shield_box(i)->isChecked();
        if (m_board.board_shield_visible[size_t(i)])
            board_shield_index = i;
    }
}

void StudentRegions::points_follow_box(Group g, bool checked, bool done_too)
{
    GroupState &s = groups[g];
    s.fill(s.visible, checked);
    if (done_too)
        s.fill(s.done, checked);
}

void StudentRegions::disable_board_controls() { ui.board_show_region_checkBox->setEnabled(false); }

void StudentRegions::camera_connecting(camera_slot::Slot slot)
{
    if (slot == camera_slot::Slot::StudentFeature)
        ui.student_feature_region_widget->installEventFilter(m_filter);
    else if (slot == camera_slot::Slot::StudentPano)
        ui.student_pano_region_widget->installEventFilter(m_filter);
}

void StudentRegions::people_number_read()
{
    value_widgets::show_text(ui.people_number_lineEdit, m_student.people_number);
}

void StudentRegions::show_calibration_height(int index)
{
    const QSignalBlocker quiet(ui.student_calibration_comboBox);
    ui.student_calibration_comboBox->setCurrentIndex(index);
}

void StudentRegions::show_calibration_controls(bool shown)
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui.student_pos_calibration_region_radioButton, ui.student_pos_calibration_region_checkBox,
             ui.student_calibrate_area_toolButton, ui.student_calibration_comboBox})
        w->setVisible(shown);
}

// The calibration points are drawn, put down at their positions, while the box is checked: so the
// calibration dialog shows what the installer calibrates.
void StudentRegions::on_student_pos_calibration_region_checkBox_stateChanged(int state)
{
    ui.student_calibrate_area_toolButton->setEnabled(state != 0);
    for (auto *flags : {&m_points.pano_calibrate_done, &m_points.feature_calibrate_done,
                        &m_points.pano_calibrate_visible, &m_points.feature_calibrate_visible})
        flags->fill(state != 0);
}

void StudentRegions::board_shields_read(const QString &pano_shield_enable)
{
    using board_parameters::ShieldSwitch;
    for (int i = 0; i < board_parameters::kShieldCount; ++i) {
        switch (board_parameters::shield_switch(pano_shield_enable, i)) {
        case ShieldSwitch::On:
            board_shield_box(i)->setChecked(true);
            if (ui.board_show_region_checkBox->isChecked())
                m_board.board_shield_visible[size_t(i)] = true;
            break;
        case ShieldSwitch::Off:
            board_shield_box(i)->setChecked(false);
            m_board.board_shield_visible[size_t(i)] = false;
            break;
        case ShieldSwitch::Unchanged:
            break;
        }
    }
    ui.board_pano_region_widget->update();
}

void StudentRegions::enable_region_display(camera_slot::Side side, bool enable)
{
    if (side == Side::Student)
        ui.student_show_region_checkBox->setEnabled(enable);
}

void StudentRegions::check_region_display(bool checked) { ui.student_show_region_checkBox->setChecked(checked); }

void StudentRegions::enable_calibrate_button(bool enable) { ui.student_calibrate_area_toolButton->setEnabled(enable); }

void StudentRegions::region_display_off(camera_slot::Side side)
{
    if (side == camera_slot::Side::Student && ui.student_show_region_checkBox->isChecked())
        ui.student_show_region_checkBox->setChecked(false);
}

void StudentRegions::pano_views_closed(camera_slot::Side side)
{
    if (side != camera_slot::Side::Student)
        return;
    ui.student_show_region_checkBox->setChecked(false);
    ui.student_pano_region_widget->removeEventFilter(m_filter);
    ui.student_feature_region_widget->removeEventFilter(m_filter);
    for (QWidget *box : std::initializer_list<QWidget *>{ui.student_shield_one_checkBox, ui.student_shield_two_checkBox,
                                                       ui.student_shield_three_checkBox, ui.student_shield_four_checkBox})
        box->setEnabled(false);
}

void StudentRegions::board_pano_released()
{
    ui.board_show_region_checkBox->setChecked(false);
    for (QWidget *box : std::initializer_list<QWidget *>{
             ui.board_shield_one_checkBox, ui.board_shield_two_checkBox, ui.board_shield_three_checkBox,
             ui.board_shield_four_checkBox, ui.board_shield_five_checkBox, ui.board_shield_six_checkBox,
             ui.board_shield_seven_checkBox, ui.board_shield_eight_checkBox})
        box->setEnabled(false);
}

void StudentRegions::on_student_show_region_checkBox_clicked(bool checked)
{
    // A click while the camera switches its region display for the last one would interleave its
    // commands with that one's: it is refused and the box keeps the state being switched to.
    if (show_region_switching) {
        qDebug() << "MainWindow::student_show_region_checkBox: still switching, click ignored";
        ui.student_show_region_checkBox->setChecked(!checked);
        return;
    }
    const bool old = m_student.old_point_format;
    qDebug() << "MainWindow::student_show_region_checkBox:" << (checked ? "true" : "false") << ",numPoints:"
             << (old ? 4 : 6);
    if (checked) {
        ui.student_show_region_checkBox->setChecked(true);
        if (!student_pano_connected())
            return;
        ui.student_pano_region_widget->installEventFilter(m_filter);
        ui.student_feature_region_widget->installEventFilter(m_filter);
        set_student_region_controls(true);
        groups[Designated].fill(groups[Designated].visible, true);
        groups[Corners].fill(groups[Corners].visible, true);
        if (ui.student_track_region_radioButton->isChecked())
            set_student_mode(kTrackKind);
        else if (ui.student_shield_region_radioButton->isChecked())
            set_student_mode(kShieldKind);
        else if (ui.student_designated_region_radioButton->isChecked())
            set_student_mode(kDesignatedKind);
        else if (ui.student_pos_calibration_region_radioButton->isChecked())
            set_student_mode(kCalibrateKind);
        student_shields_follow_boxes();
        points_follow_box(Designated, ui.student_designated_region_checkBox->isChecked(), true);
        const bool calibration = ui.student_pos_calibration_region_checkBox->isChecked();
        points_follow_box(PanoCalibrate, calibration, true);
        points_follow_box(FeatureCalibrate, calibration, true);
        points_follow_box(Corners, ui.student_track_region_checkBox->isChecked(), true);
        if (plain_student_model()) {
            send_student_pano(teacher_region_keys::region_display_visca(true), true);
        } else {
            qDebug() << "student_cur_track_status:" << m_status.student_cur_track_status;
            if (m_status.student_cur_track_status == kStopped)
                emit zoom_enabled_wanted(Side::Student, true);
            // The calibration cross goes off on the camera too (a disabled box would ignore a
            // click()).
            m_calibration.hide_calibration(Side::Student);
            send_student_pano(teacher_region_keys::region_display_visca(false), true);
        }
        repaint_student_regions();
    } else if (student_pano_connected()) {
        m_status.student_crop_start_status = m_status.student_crop_stop_status = false;
        set_student_region_controls(false);
        ui.student_track_region_checkBox->setEnabled(false);
        ui.student_designated_region_checkBox->setEnabled(false);
        ui.student_pos_calibration_region_checkBox->setEnabled(false);
        for (int i = 0; i < preview_areas::kShieldCount; ++i)
            student_shield_box(i)->setEnabled(false);
        clear_student_modes();
        // What is shown goes; the shields' drawn state stays, as the Apply sends it.
        for (GroupState &g : groups) {
            g.fill(g.done, false);
            g.fill(g.visible, false);
            g.pressed = false;
        }
        student_shield_visible.fill(false);
        student_shield_pressed = false;
        repaint_student_regions();
        send_student_pano(teacher_region_keys::region_display_visca(false), true);
    } else {
        return;
    }

    show_region_switching = true;
    wait_ms(kRegionDisplaySwitchMs);
    show_region_switching = false;
    // The camera may have gone during the wait.
    if (student_pano_connected() && !plain_student_model())
        send_student_pano(
            tracking_command::crop_status_request(QString::fromLatin1(parameter_block::kStudentSection)), false);
}

void StudentRegions::on_student_track_region_radioButton_clicked(bool checked)
{
    if (!checked || !student_pano_connected())
        return;
    set_student_mode(kTrackKind);
    points_follow_box(Corners, ui.student_track_region_checkBox->isChecked(), true);
    repaint_student_regions();
}

void StudentRegions::on_student_shield_region_radioButton_clicked(bool checked)
{
    if (!checked || !student_pano_connected())
        return;
    set_student_mode(kShieldKind);
    student_shields_follow_boxes();
    repaint_student_regions();
}

void StudentRegions::on_student_shield_checkBox_clicked(int shield, bool checked)
{
    student_shield_index = checked ? shield : -1;
    student_shield_visible[size_t(shield)] = checked;
    emit apply_mark_wanted(Side::Student);
    ui.student_pano_region_widget->update();
}

void StudentRegions::on_student_designated_region_radioButton_clicked(bool checked)
{
    if (!checked || !student_pano_connected())
        return;
    set_student_mode(kDesignatedKind);
    qDebug() << "MainWindow::[designated_region_radioButton]numPoints=" << group_count(Designated);
    points_follow_box(Designated, ui.student_designated_region_checkBox->isChecked(), true);
    repaint_student_regions();
}

void StudentRegions::on_student_designated_region_checkBox_clicked(bool checked)
{
    points_follow_box(Designated, checked, false);
    emit apply_mark_wanted(Side::Student);
    ui.student_pano_region_widget->update();
}

void StudentRegions::on_student_track_region_checkBox_clicked(bool checked)
{
    points_follow_box(Corners, checked, true);
    emit apply_mark_wanted(Side::Student);
    ui.student_pano_region_widget->update();
}

void StudentRegions::on_student_pos_calibration_region_radioButton_clicked(bool checked)
{
    qDebug() << "pos_calibration_region_radioButton " << (checked ? "true" : "false");
    if (!checked || !student_pano_connected())
        return;
    set_student_mode(kCalibrateKind);
    repaint_student_regions();
}

void StudentRegions::on_student_pos_calibration_region_checkBox_clicked(bool checked)
{
    qDebug() << "pos_calibration_region_checkBox " << checked;
    points_follow_box(PanoCalibrate, checked, true);
    points_follow_box(FeatureCalibrate, checked, true);
    emit apply_mark_wanted(Side::Student);
    repaint_student_regions();
}

// ---------------------------------------------------------------------------
// The Board tab's region controls

void StudentRegions::on_board_show_region_checkBox_clicked(bool checked)
{
    if (checked) {
        if (!m_slots[Slot::BoardPano].udp_flag)
            return;
        ui.board_pano_region_widget->installEventFilter(m_filter);
        set_board_region_controls(true);
        board_track_mode = board_shield_mode = false;
        if (ui.board_track_region_radioButton->isChecked()) {
            board_track_mode = true;
            board_region_kind = kTrackKind;
        } else if (ui.board_shield_region_radioButton->isChecked()) {
            board_shield_mode = true;
            board_region_kind = kShieldKind;
        }
        board_shields_follow_boxes();
        m_board.board_track_visible = true;
    } else {
        set_board_region_controls(false);
        board_track_mode = board_shield_mode = false;
        m_board.board_track_visible = false;
        m_board.board_shield_visible.fill(false);
    }
    ui.board_pano_region_widget->update();
}

void StudentRegions::on_board_track_region_radioButton_clicked(bool checked)
{
    if (!checked || !m_slots[Slot::BoardPano].udp_flag)
        return;
    board_track_mode = true;
    board_shield_mode = false;
    board_region_kind = kTrackKind;
    m_board.board_track_visible = true;
    for (int i = 0; i < 8; ++i)
        board_shield_box(i)->setEnabled(false);
    ui.board_pano_region_widget->update();
}

void StudentRegions::on_board_shield_region_radioButton_clicked(bool checked)
{
    if (!checked || !m_slots[Slot::BoardPano].udp_flag)
        return;
    board_shield_mode = true;
    board_track_mode = false;
    board_region_kind = kShieldKind;
    for (int i = 0; i < 8; ++i)
        board_shield_box(i)->setEnabled(true);
    board_shields_follow_boxes();
    ui.board_pano_region_widget->update();
}

void StudentRegions::on_board_shield_checkBox_clicked(int shield, bool checked)
{
    board_shield_index = checked ? shield : -1;
    m_board.board_shield_visible[size_t(shield)] = checked;
    emit apply_mark_wanted(Side::Board);
    ui.board_pano_region_widget->update();
}
