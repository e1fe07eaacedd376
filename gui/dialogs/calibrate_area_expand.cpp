#include "dialogs/calibrate_area_expand.h"
#include "ui_calibrate_area_expand.h"

#include "seams/message_box.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDebug>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr int kShownPoints = 4;
// The pictures start at y 200, but a point's picture position is its dialog position less 199,
// and the hit test for a press uses the same 199.
constexpr int kPictureTop = 199;
constexpr int kPanoLeft = 640;
constexpr int kHitRange = 5;      // a press takes a point within 5 pixels across
constexpr int kHitAbove = 5;      // and within 194..204 below the picture's top line
constexpr int kPressMinLeft = 2;  // a press is kept 2 pixels off the picture's left edge
constexpr int kPressMinTop = 200; // and off the top line

const QColor kPointColours[kShownPoints] = {Qt::red, Qt::yellow, QColor(255, 165, 0), Qt::green};

// The default points, picture coordinates and drag positions (dialog coordinates), for both
// pictures alike.
const QPoint kDefaultPoints[kShownPoints] = {{415, 228}, {402, 128}, {215, 135}, {200, 230}};
const QPoint kDefaultEndPos[kShownPoints] = {{415, 426}, {402, 336}, {215, 335}, {200, 430}};

QPixmap stretched(const QImage &image)
{
    return QPixmap::fromImage(image.scaled(Calibrate_Area_Expand::kPictureWidth,
                                           Calibrate_Area_Expand::kPictureHeight, Qt::IgnoreAspectRatio,
                                           Qt::FastTransformation));
}

// The window keeps a drag position in its picture's points, the dialog in its own, where the
// picture lies left pixels across and its points start kPictureTop down.
QPoint drag_to_dialog(const QPoint &picture_point, int left)
{
    return calibrate_scale::to_dialog(picture_point) + QPoint(left, kPictureTop);
}

QPoint drag_to_window(const QPoint &dialog_point, int left)
{
    return calibrate_scale::to_window(dialog_point - QPoint(left, kPictureTop));
}

QPoint rounded(const QPointF &pos) { return QPoint(qRound(pos.x()), qRound(pos.y())); }
} // namespace

Calibrate_Area_Expand::Calibrate_Area_Expand(Host &host, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
    , ui(new Ui::Calibrate_Area_Expand)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    qDebug() << "Calibrate_Area_Expand::Calibrate_Area_Expand:";
    connect(ui->start_auto_calibrate_Button, &QPushButton::clicked, this,
            &Calibrate_Area_Expand::on_start_auto_calibrate_Button_clicked);
    connect(ui->end_auto_calibrate_Button, &QPushButton::clicked, this,
            &Calibrate_Area_Expand::on_end_auto_calibrate_Button_clicked);
    connect(ui->student_calibrate_default_Button, &QPushButton::clicked, this,
            &Calibrate_Area_Expand::on_student_calibrate_default_Button_clicked);
}

Calibrate_Area_Expand::~Calibrate_Area_Expand()
{
    delete ui;
}

bool Calibrate_Area_Expand::d_feature_detection_coordinates(const QPoint &pos)
{
    return pos.x() >= 0 && pos.x() <= 638 && pos.y() >= 199 && pos.y() <= 556;
}

bool Calibrate_Area_Expand::d_pano_detection_coordinates(const QPoint &pos)
{
    return pos.x() >= 640 && pos.x() <= 1278 && pos.y() >= 199 && pos.y() <= 556;
}

Calibrate_Area_Expand::Picture Calibrate_Area_Expand::feature_picture()
{
    return {feature_pressed,
            feature_cur_index,
            d_student_feature_calibrate_start_pos,
            d_student_feature_calibrate_rect,
            d_student_feature_calibrate_placed,
            d_student_feature_calibrate_enable,
            d_student_feature_calibrate_end_pos,
            0,
            ui->student_feature_calibrate_widget};
}

Calibrate_Area_Expand::Picture Calibrate_Area_Expand::pano_picture()
{
    return {pano_pressed,
            pano_cur_index,
            d_student_calibrate_start_pos,
            d_student_calibrate_rect,
            d_student_calibrate_placed,
            d_student_calibrate_enable,
            d_student_calibrate_end_pos,
            kPanoLeft,
            ui->student_pano_calibrate_widget};
}

// ---------------------------------------------------------------------------
// Loading, pictures and painting

void Calibrate_Area_Expand::update_config()
{
    qDebug() << "Calibrate_Area_Expand::update_config !!!";
    set_overlays_watched(true);
    const StudentRegionPoints &w = m_host.student_points();
    for (size_t i = 0; i < kShownPoints; ++i) {
        d_student_calibrate_rect[i] = calibrate_scale::to_dialog(w.pano_calibrate_points[i]);
        d_student_calibrate_placed[i] = w.pano_calibrate_done[i];
        d_student_calibrate_enable[i] = w.pano_calibrate_visible[i];
        d_student_calibrate_end_pos[i] = drag_to_dialog(w.pano_calibrate_pos[i], kPanoLeft);
        d_student_feature_calibrate_rect[i] = calibrate_scale::to_dialog(w.feature_calibrate_points[i]);
        d_student_feature_calibrate_placed[i] = w.feature_calibrate_done[i];
        d_student_feature_calibrate_enable[i] = w.feature_calibrate_visible[i];
        d_student_feature_calibrate_end_pos[i] = drag_to_dialog(w.feature_calibrate_pos[i], 0);
        qDebug() << "Calibrate_Area_Expand:: default_ student_calibrate_rect:" << w.pano_calibrate_points[i];
        qDebug() << "Calibrate_Area_Expand::d_student_calibrate_rect:" << d_student_calibrate_rect[i];
        qDebug() << "Calibrate_Area_Expand::d_student_calibrate_end_pos:" << d_student_calibrate_end_pos[i];
        qDebug() << "Calibrate_Area_Expand::d_student_feature_calibrate_rect:" << d_student_feature_calibrate_rect[i];
        qDebug() << "Calibrate_Area_Expand::d_student_feature_calibrate_end_pos:"
                 << d_student_feature_calibrate_end_pos[i];
    }
    repaint_points();
}

void Calibrate_Area_Expand::display_image(QImage &image)
{
    ui->image_expand_label->setPixmap(stretched(image));
}

void Calibrate_Area_Expand::display_pano_image(QImage &image)
{
    ui->image_expand_pano_label->setPixmap(stretched(image));
}

bool Calibrate_Area_Expand::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        if (watched == ui->student_feature_calibrate_widget)
            student_feature_calibrate_region();
        else if (watched == ui->student_pano_calibrate_widget)
            student_pano_calibrate_region();
    }
    return QDialog::eventFilter(watched, event);
}

void Calibrate_Area_Expand::student_feature_calibrate_region()
{
    paint_points(ui->student_feature_calibrate_widget, d_student_feature_calibrate_rect,
                 d_student_feature_calibrate_placed, d_student_feature_calibrate_enable,
                 d_student_feature_calibrate_end_pos, 0, false);
}

void Calibrate_Area_Expand::student_pano_calibrate_region()
{
    paint_points(ui->student_pano_calibrate_widget, d_student_calibrate_rect, d_student_calibrate_placed,
                 d_student_calibrate_enable, d_student_calibrate_end_pos, kPanoLeft, true);
}

// A placed point is a small square at its picture position with its number above; a point being
// dragged is the square at its drag position, without number. A shown point takes its own
// colour; a hidden feature point keeps the pen of the point before it.
void Calibrate_Area_Expand::paint_points(QWidget *overlay, const Points &rect, const Flags &placed,
                                         const Flags &enable, const Points &end_pos, int left, bool skip_hidden)
{
    QPainter painter(overlay);
    for (size_t i = 0; i < kShownPoints; ++i) {
        if (enable[i])
            painter.setPen(QPen(kPointColours[i], 2, Qt::SolidLine));
        else if (skip_hidden)
            continue;
        const QPoint at = placed[i] ? rect[i] : end_pos[i] - QPoint(left, kPictureTop);
        painter.drawRect(at.x() - 3, at.y() - 3, 5, 5);
        if (placed[i])
            painter.drawText(QPoint(at.x() - 3, at.y() - 6), QString::number(i + 1));
    }
}

void Calibrate_Area_Expand::repaint_points()
{
    ui->student_feature_calibrate_widget->update();
    ui->student_pano_calibrate_widget->update();
}

void Calibrate_Area_Expand::set_overlays_watched(bool watched)
{
    for (QWidget *overlay : {ui->student_feature_calibrate_widget, ui->student_pano_calibrate_widget}) {
        if (watched)
            overlay->installEventFilter(this);
        else
            overlay->removeEventFilter(this);
    }
}

// ---------------------------------------------------------------------------
// Dragging

void Calibrate_Area_Expand::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    const QPoint pos = rounded(event->localPos());
    if (d_feature_detection_coordinates(pos)) {
        qDebug() << "Calibrate_Area_Expand::mousePressEvent";
        press(feature_picture(), pos);
    } else if (d_pano_detection_coordinates(pos)) {
        press(pano_picture(), pos);
    }
}

void Calibrate_Area_Expand::press(Picture p, const QPoint &pos)
{
    p.pressed = 1;
    p.start_pos = QPoint(qMax(pos.x(), p.left + kPressMinLeft), qMax(pos.y(), kPressMinTop));
    if (p.left == 0)
        qDebug() << "d_student_feature_calibrate_start_pos :" << p.start_pos;
    p.cur_index = -1;
    const int x = p.start_pos.x(), y = p.start_pos.y();
    for (int i = 0; i < kShownPoints; ++i) {
        const QPoint &point = p.rect[size_t(i)];
        qDebug() << "curIndex:" << i << " x_value:" << point.x() << ",y_value:" << point.y() + kPictureTop
                 << ",d_student_feature_calibrate_start_pos:" << p.start_pos;
        const int px = point.x() + p.left, py = point.y() + kPictureTop;
        if (x >= px - kHitRange && x <= px + kHitRange && y >= py - kHitAbove && y <= py + kHitAbove) {
            p.cur_index = i;
            break;
        }
    }
    if (p.cur_index < 0) {
        p.pressed = 0;
        return;
    }
    p.end_pos[size_t(p.cur_index)] = p.start_pos;
    QCursor::setPos(mapToGlobal(p.start_pos));
    qDebug() << "mousePressEvent-student_feature_calibrate_start_pos x : " << x
             << "student_feature_calibrate_start_pos y: " << y;
}

void Calibrate_Area_Expand::mouseMoveEvent(QMouseEvent *event)
{
    qDebug() << "Calibrate_Area_Expand::mouseMoveEvent";
    if (event->buttons() != Qt::LeftButton)
        return;
    const QPoint pos = rounded(event->localPos());
    const bool feature = d_feature_detection_coordinates(pos);
    if (!feature && !d_pano_detection_coordinates(pos))
        return;
    const Picture p = feature ? feature_picture() : pano_picture();
    if (p.pressed != 1)
        return;
    p.end_pos[size_t(p.cur_index)] = pos;
    p.placed[size_t(p.cur_index)] = false;
    qDebug() << (feature ? "mouseMoveEvent--student_calibrate_end_pos x: "
                         : "mouseMoveEvent--d_student_calibrate_end_pos x: ")
             << pos.x() << "student_calibrate_end_pos y: " << pos.y();
    p.overlay->update();
}

// A release ends the drag wherever it happens: the point is put down at its last drag position,
// which always lies in its picture. (Left armed outside the pictures, the point would stay
// half-dragged and the next drag in the other picture would move it too.)
void Calibrate_Area_Expand::mouseReleaseEvent(QMouseEvent *event)
{
    qDebug() << "Calibrate_Area_Expand::mouseReleaseEvent";
    if (event->button() != Qt::LeftButton)
        return;
    for (const Picture &p : {feature_picture(), pano_picture()}) {
        if (p.pressed == 1)
            put_down(p);
    }
}

void Calibrate_Area_Expand::put_down(Picture p)
{
    p.pressed = 0;
    const size_t i = size_t(p.cur_index);
    p.rect[i] = p.end_pos[i] - QPoint(p.left, kPictureTop);
    p.placed[i] = true;
    qDebug().noquote() << QStringLiteral("mouseReleaseEvent-%1-student_calibrate end x: ").arg(i) << p.rect[i].x()
                       << "student_calibrate end y: " << p.rect[i].y();
    p.overlay->update();
}

// ---------------------------------------------------------------------------
// Buttons and the camera's own calibration

void Calibrate_Area_Expand::on_student_calibrate_default_Button_clicked()
{
    for (size_t i = 0; i < kShownPoints; ++i) {
        d_student_feature_calibrate_rect[i] = d_student_calibrate_rect[i] = kDefaultPoints[i];
        d_student_feature_calibrate_end_pos[i] = d_student_calibrate_end_pos[i] = kDefaultEndPos[i];
    }
    repaint_points();
}

void Calibrate_Area_Expand::on_start_auto_calibrate_Button_clicked()
{
    if (msgbox::information(this, tr("Information"), tr("Do you want to start automatic calibration?"),
                            QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return;
    // While the camera calibrates, its own points are what counts: none is drawn.
    set_overlays_watched(false);
    repaint_points();
    m_host.begin_auto_calibrate();
    set_calibrating(true);
}

void Calibrate_Area_Expand::on_end_auto_calibrate_Button_clicked()
{
    set_overlays_watched(true);
    repaint_points();
    m_host.end_auto_calibrate();
    set_calibrating(false);
}

// While the camera calibrates only Stop is offered.
void Calibrate_Area_Expand::set_calibrating(bool running)
{
    m_calibrating = running;
    ui->end_auto_calibrate_Button->setEnabled(running);
    ui->student_calibrate_default_Button->setEnabled(!running);
    ui->start_auto_calibrate_Button->setEnabled(!running);
}

// An outcome arriving while no run of this dialog is active (none started, or the dialog stopped
// it) is stale: it gets no box and the camera no second stop.
void Calibrate_Area_Expand::update_fail()
{
    if (!m_calibrating)
        return;
    msgbox::warning(this, tr("Warning"), tr("Auto-Calibration Failed. Please try again."));
    on_end_auto_calibrate_Button_clicked();
}

void Calibrate_Area_Expand::update_success()
{
    if (!m_calibrating)
        return;
    msgbox::information(this, tr("Information"), tr("Auto-Calibration Successful."));
    on_end_auto_calibrate_Button_clicked();
    update_config();
}

// ---------------------------------------------------------------------------
// Closing

void Calibrate_Area_Expand::sync_calibrate_points()
{
    StudentRegionPoints &w = m_host.student_points();
    for (size_t i = 0; i < kShownPoints; ++i) {
        w.pano_calibrate_points[i] = calibrate_scale::to_window(d_student_calibrate_rect[i]);
        w.pano_calibrate_pos[i] = drag_to_window(d_student_calibrate_end_pos[i], kPanoLeft);
        w.feature_calibrate_points[i] = calibrate_scale::to_window(d_student_feature_calibrate_rect[i]);
        w.feature_calibrate_pos[i] = drag_to_window(d_student_feature_calibrate_end_pos[i], 0);
    }
    m_host.calibrate_points_synced();
}

void Calibrate_Area_Expand::closeEvent(QCloseEvent *event)
{
    sync_calibrate_points();
    // Only a run still going is stopped; a close never asks anything of the installer (the
    // window also closes the dialog on its way elsewhere, with the camera perhaps gone).
    if (m_calibrating && m_host.auto_calibrate_reachable())
        m_host.end_auto_calibrate();
    else if (m_calibrating)
        qDebug() << "Calibrate_Area_Expand::closeEvent: the pano camera is gone, no stop sent";
    set_overlays_watched(false);
    // The next opening starts in manual editing.
    set_calibrating(false);
    event->accept();
}

void Calibrate_Area_Expand::reject()
{
    close();
}
