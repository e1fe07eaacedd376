#include "regions/customgraphicsrectitem.h"

#include "regions/customgraphicsscene.h"
#include "regions/dotsignalgraphicsrectitem.h"
#include "model/region_geometry.h"

#include <QBrush>
#include <QCursor>
#include <QDebug>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPen>
#include <QPixmap>
#include <QtMath>

QRectF gHandleRect;

namespace {
// The pointer counts as near an edge strictly within this many units of it.
constexpr qreal kEdgeBand = 9;
// Smallest width and height an edge resize may leave.
constexpr qreal kMinResizeWidth = 10;
constexpr qreal kMinResizeHeight = 11;
// A dragged rectangle keeps this many units inside every edge of the scene.
constexpr qreal kMoveMargin = 5;
constexpr int kCursorSize = 24;
constexpr int kHandleCount = 8;

enum HandleIndex { TopCentre, BottomCentre, LeftCentre, RightCentre, TopLeft, TopRight, BottomLeft, BottomRight };
} // namespace

CustomGraphicsRectItem::CustomGraphicsRectItem(int type, QObject *parent)
    : QObject(parent)
    , QGraphicsRectItem()
{
    setPenByType(type);
    init();
}

CustomGraphicsRectItem::CustomGraphicsRectItem(QObject *parent)
    : QObject(parent)
    , QGraphicsRectItem()
{
    init();
}

CustomGraphicsRectItem::~CustomGraphicsRectItem() = default;

void CustomGraphicsRectItem::init()
{
    setAcceptHoverEvents(true);
    setFlags(QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemSendsGeometryChanges);
    for (int i = 0; i < kHandleCount; ++i)
        m_handles.append(new DotsignalGraphicsRectItem(this));
    placeHandles();
}

void CustomGraphicsRectItem::setPenByType(int type)
{
    static const struct {
        Qt::GlobalColor color;
        Qt::PenStyle style;
    } kPens[] = {
        {Qt::green, Qt::SolidLine},  // 0 tracking
        {Qt::blue, Qt::SolidLine},   // 1 blackboard
        {Qt::red, Qt::DashLine},     // 2 shield
        {Qt::yellow, Qt::SolidLine}, // 3 snapshot
    };
    if (type >= 0 && type < int(sizeof(kPens) / sizeof(kPens[0]))) {
        QPen pen(QBrush(kPens[type].color), 2.0, kPens[type].style, Qt::SquareCap, Qt::BevelJoin);
        setPen(pen);
    }
    setBrush(QBrush(Qt::transparent, Qt::SolidPattern));
}

bool CustomGraphicsRectItem::setRect(const QRectF &rect)
{
    // Judged where the rectangle would stand in the scene, so that a dragged item cannot be
    // resized out of the region space.
    if (!region_geometry::region_space_accepts(rect.translated(pos())))
        return false;
    QGraphicsRectItem::setRect(rect);
    return true;
}

void CustomGraphicsRectItem::setRect(qreal x, qreal y, qreal w, qreal h)
{
    qDebug() << "old-CustomGraphicsRectItem::setRect( qreal x=" << x << " qreal y=" << y << " qreal w=" << w
             << " qreal h=" << h << ")";
    setRect(QRectF(x, y, w, h));
}

void CustomGraphicsRectItem::setRegionRect(bool record, const QString &regionName, qreal x, qreal y, qreal w, qreal h)
{
    const QRectF rect(x, y, w, h);
    qInfo() << "RegionName:" << regionName << ",RectF:" << rect;
    if (record) {
        mRectFManage.item = this;
        mRectFManage.regionName = regionName;
        mRectFManage.rect = rect;
        mRectFManageList.append(mRectFManage);
    }
    setRect(rect);
}

void CustomGraphicsRectItem::setPreviousPosition(const QPointF &position)
{
    if (m_previousPosition == position)
        return;
    m_previousPosition = position;
    emit previousPositionChanged();
}

bool CustomGraphicsRectItem::isCurrentRegion() const
{
    const QString current = gGraphicsScene ? gGraphicsScene->getTrackingRegionName() : QString();
    return mRectFManage.regionName == current;
}

void CustomGraphicsRectItem::placeHandles()
{
    const QRectF r = rect();
    gHandleRect = r;
    const qreal x = r.x(), y = r.y(), w = r.width(), h = r.height();
    m_handles[TopCentre]->setPos(x + w / 2, y);
    m_handles[BottomCentre]->setPos(x + w / 2, y + h);
    m_handles[LeftCentre]->setPos(x, y + h / 2);
    m_handles[RightCentre]->setPos(x + w, y + h / 2);
    m_handles[TopLeft]->setPos(x, y);
    m_handles[TopRight]->setPos(x + w, y);
    m_handles[BottomLeft]->setPos(x, y + h);
    m_handles[BottomRight]->setPos(x + w, y + h);
}

void CustomGraphicsRectItem::showHandles()
{
    for (DotsignalGraphicsRectItem *handle : qAsConst(m_handles))
        handle->setVisible(true);
}

void CustomGraphicsRectItem::hideHandles()
{
    for (DotsignalGraphicsRectItem *handle : qAsConst(m_handles))
        handle->setVisible(false);
}

void CustomGraphicsRectItem::applyResized(const QRectF &rect)
{
    prepareGeometryChange();
    setRect(rect);
    update();
    placeHandles();
}

void CustomGraphicsRectItem::resizeLeftEdge(const QPointF &p)
{
    const QRectF r = rect();
    const qreal right = r.x() + r.width();
    if (p.x() > right || p.x() - right > -kMinResizeWidth)
        return;
    applyResized(QRectF(p.x(), r.y(), right - p.x(), r.height()));
}

void CustomGraphicsRectItem::resizeRightEdge(const QPointF &p)
{
    const QRectF r = rect();
    if (p.x() < r.x() || p.x() - r.x() < kMinResizeWidth)
        return;
    applyResized(QRectF(r.x(), r.y(), p.x() - r.x(), r.height()));
}

void CustomGraphicsRectItem::resizeBottomEdge(const QPointF &p)
{
    const QRectF r = rect();
    if (p.y() < r.y() || p.y() - r.y() < kMinResizeHeight)
        return;
    applyResized(QRectF(r.x(), r.y(), r.width(), p.y() - r.y()));
}

void CustomGraphicsRectItem::resizeTopEdge(const QPointF &p)
{
    const QRectF r = rect();
    const qreal bottom = r.y() + r.height();
    if (p.y() > bottom || p.y() - bottom > -kMinResizeHeight)
        return;
    applyResized(QRectF(r.x(), p.y(), r.width(), bottom - p.y()));
}

void CustomGraphicsRectItem::setResizeCursor(qreal angle)
{
    const QPixmap arrow(QStringLiteral(":/arrow-up-down.png"));
    QTransform t = transform();
    t.rotate(angle, Qt::ZAxis);
    const QPixmap pixmap = arrow.transformed(t).scaled(kCursorSize, kCursorSize, Qt::KeepAspectRatio,
                                                        Qt::FastTransformation);
    setCursor(QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2));
}

void CustomGraphicsRectItem::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    if (!isCurrentRegion()) {
        event->accept();
        return;
    }
    placeHandles();
    showHandles();
    QGraphicsRectItem::hoverEnterEvent(event);
}

void CustomGraphicsRectItem::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    if (!isCurrentRegion()) {
        event->accept();
        return;
    }
    const QPointF p = event->pos();
    const QRectF r = rect();
    const qreal dTop = p.y() - r.y();
    const qreal dBottom = p.y() - (r.y() + r.height());
    const qreal dLeft = p.x() - r.x();
    const qreal dRight = p.x() - (r.x() + r.width());
    const auto near = [](qreal d) { return -kEdgeBand < d && d < kEdgeBand; };

    m_cornerFlags = near(dTop) ? static_cast<unsigned int>(Top) : 0u;
    if (near(dBottom))
        m_cornerFlags |= Bottom;
    if (near(dRight))
        m_cornerFlags |= Right;
    if (near(dLeft))
        m_cornerFlags |= Left;

    switch (m_cornerFlags) {
    case Top:
    case Bottom:
        setResizeCursor(0);
        break;
    case Left:
    case Right:
        setResizeCursor(90);
        break;
    case Top | Left:
    case Bottom | Right:
        setResizeCursor(135);
        break;
    case Bottom | Left:
    case Top | Right:
        setResizeCursor(45);
        break;
    default:
        setCursor(Qt::CrossCursor);
        break;
    }
    QGraphicsRectItem::hoverMoveEvent(event);
}

void CustomGraphicsRectItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    const QPointF c = boundingRect().center() + scenePos();
    m_sceneRect = QRectF(c.x() - gHandleRect.width() / 2, c.y() - gHandleRect.height() / 2, gHandleRect.width(),
                         gHandleRect.height());
    m_cornerFlags = 0;
    gHandleRect = m_sceneRect;
    hideHandles();
    setCursor(Qt::ArrowCursor);
    QGraphicsRectItem::hoverLeaveEvent(event);
}

void CustomGraphicsRectItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (!isCurrentRegion()) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_leftMouseButtonPressed = true;
        setPreviousPosition(event->scenePos());
        emit clicked(this);
    }
    QGraphicsRectItem::mousePressEvent(event);
}

void CustomGraphicsRectItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (!isCurrentRegion()) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton)
        m_leftMouseButtonPressed = false;
    QGraphicsRectItem::mouseReleaseEvent(event);
}

void CustomGraphicsRectItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (!isCurrentRegion()) {
        event->accept();
        return;
    }
    const QPointF p = event->pos();
    switch (m_cornerFlags) {
    case Top:
        if (p.y() <= 0)
            return;
        resizeTopEdge(p);
        break;
    case Bottom:
        resizeBottomEdge(p);
        break;
    case Left:
        if (p.x() <= 0)
            return;
        resizeLeftEdge(p);
        break;
    case Right:
        resizeRightEdge(p);
        break;
    case Top | Left:
        resizeTopEdge(p);
        resizeLeftEdge(p);
        break;
    case Bottom | Left:
        resizeBottomEdge(p);
        resizeLeftEdge(p);
        break;
    case Top | Right:
        resizeTopEdge(p);
        resizeRightEdge(p);
        break;
    case Bottom | Right:
        resizeBottomEdge(p);
        resizeRightEdge(p);
        break;
    default:
        if (m_leftMouseButtonPressed) {
            setCursor(Qt::ClosedHandCursor);
            const QPointF d = event->scenePos() - m_previousPosition;
            setPos(pos() + d);
            setPreviousPosition(event->scenePos());
            emit signalMove(this, d.x(), d.y());
        }
        break;
    }
    QGraphicsRectItem::mouseMoveEvent(event);
}

QVariant CustomGraphicsRectItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionChange && scene()) {
        QPointF n = value.toPointF();
        const QRectF s = scene()->sceneRect();
        const QRectF &g = gHandleRect;
        // When the two bounds cross, the upper one wins.
        n.setX(qMin(s.x() + s.width() - (g.x() + g.width() + kMoveMargin), qMax(s.x() - (g.x() - kMoveMargin), n.x())));
        n.setY(qMin(s.y() + s.height() - (g.y() + g.height() + kMoveMargin),
                    qMax(s.y() - (g.y() - kMoveMargin), n.y())));
        return n;
    }
    return QGraphicsRectItem::itemChange(change, value);
}

bool CustomGraphicsRectItem::get_current_rect()
{
    const QString current = gGraphicsScene ? gGraphicsScene->getTrackingRegionName() : QString();
    if (rect() == mRectFManage.rect) {
        qDebug() << "get_current_rect mRectFManage.regionName 0:" << mRectFManage.regionName
                 << ",gGraphicsScene->getTrackingRegionName():" << current;
        return true;
    }
    if (!gGraphicsScene)
        return false;
    const QList<RectFManage *> list = gGraphicsScene->graphicsRectList();
    for (const RectFManage *record : list) {
        if (record->regionName == current) {
            qDebug() << "get_current_rect mRectFManage.regionName 1:" << record->regionName
                     << ",gGraphicsScene->getTrackingRegionName():" << current;
            return true;
        }
    }
    return false;
}

void CustomGraphicsRectItem::rotateTowards(const QPointF &p)
{
    const QRectF b = boundingRect();
    const QPointF centre = b.center();
    QPointF corner(0, 0);
    switch (m_cornerFlags) {
    case Top | Left:
        corner = b.topLeft();
        break;
    case Top | Right:
        corner = b.topRight();
        break;
    case Bottom | Left:
        corner = b.bottomLeft();
        break;
    case Bottom | Right:
        corner = b.bottomRight();
        break;
    default:
        break;
    }
    const auto direction = [](const QPointF &v) {
        const qreal length = std::hypot(v.x(), v.y());
        qreal angle = length > 0 ? std::acos(v.x() / length) : 0;
        if (v.y() < 0)
            angle = 2 * M_PI - angle;
        angle = M_PI - angle + M_PI / 2;
        while (angle < 0)
            angle += 2 * M_PI;
        while (angle >= 2 * M_PI)
            angle -= 2 * M_PI;
        return angle;
    };
    const qreal cornerAngle = direction(corner - centre);
    const qreal pointerAngle = direction(p - centre);
    QTransform t = transform();
    t.translate(centre.x(), centre.y());
    t.rotateRadians(cornerAngle - pointerAngle + qDegreesToRadians(rotation()), Qt::ZAxis);
    t.translate(-centre.x(), -centre.y());
    setTransform(t);
}
