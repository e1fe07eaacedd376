#include "regions/dotsignalgraphicsrectitem.h"

#include <QBrush>
#include <QDebug>
#include <QGraphicsSceneMouseEvent>

namespace {
const QRectF kHandleRect(-3, -3, 6, 6);
}

DotsignalGraphicsRectItem::DotsignalGraphicsRectItem(QGraphicsItem *parentItem)
    : QObject()
    , QGraphicsRectItem(parentItem)
{
    setAcceptHoverEvents(true);
    setBrush(QBrush(Qt::white, Qt::SolidPattern));
    setRect(kHandleRect);
}

DotsignalGraphicsRectItem::DotsignalGraphicsRectItem(QPointF pos, QGraphicsItem *parentItem)
    : QObject()
    , QGraphicsRectItem(parentItem)
{
    setAcceptHoverEvents(true);
    setBrush(QBrush(Qt::transparent, Qt::SolidPattern));
    setRect(kHandleRect);
    setPos(pos);
    setPreviousPosition(pos);
}

void DotsignalGraphicsRectItem::setPreviousPosition(const QPointF &position)
{
    if (m_previousPosition == position)
        return;
    m_previousPosition = position;
    emit previousPositionChanged();
}

void DotsignalGraphicsRectItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_flags & Movable) {
        setPreviousPosition(event->scenePos());
        return;
    }
    QGraphicsRectItem::mousePressEvent(event);
}

void DotsignalGraphicsRectItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_flags & Movable) {
        const QPointF d = event->scenePos() - m_previousPosition;
        setPos(pos() + d);
        setPreviousPosition(event->scenePos());
        emit signalMove(this, d.x(), d.y());
        return;
    }
    QGraphicsRectItem::mouseMoveEvent(event);
}

void DotsignalGraphicsRectItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    qDebug() << "DotsignalGraphicsRectItem:: mouseReleaseEvent:" << event->pos();
    emit signalMouseRelease();
    QGraphicsRectItem::mouseReleaseEvent(event);
}

void DotsignalGraphicsRectItem::hoverEnterEvent(QGraphicsSceneHoverEvent *) {}

void DotsignalGraphicsRectItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *) {}
