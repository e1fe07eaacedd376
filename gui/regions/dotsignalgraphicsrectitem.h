#pragma once

#include <QGraphicsRectItem>
#include <QObject>
#include <QPointF>

// A 6 by 6 handle marking a corner or an edge centre of a region item; a child item of that
// region item, which owns and deletes it. With bit 1 of its flags set it could be dragged by
// itself; the flags stay 0, so handles are markers and resizing is done by the region item.
class DotsignalGraphicsRectItem : public QObject, public QGraphicsRectItem
{
    Q_OBJECT
    Q_PROPERTY(QPointF previousPosition READ previousPosition WRITE setPreviousPosition NOTIFY previousPositionChanged)

public:
    explicit DotsignalGraphicsRectItem(QGraphicsItem *parentItem = nullptr);
    DotsignalGraphicsRectItem(QPointF pos, QGraphicsItem *parentItem = nullptr);

    enum Flags : unsigned int { Movable = 1 };

    void setDotFlags(unsigned int flags) { m_flags = flags; }
    unsigned int dotFlags() const { return m_flags; }
    QPointF previousPosition() const { return m_previousPosition; }
    void setPreviousPosition(const QPointF &position);

signals:
    void previousPositionChanged();
    void signalMouseRelease();
    void signalMove(QGraphicsItem *item, double dx, double dy);

protected:
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    unsigned int m_flags = 0;
    QPointF m_previousPosition;
};
