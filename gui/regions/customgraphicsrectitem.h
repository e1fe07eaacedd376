#pragma once

#include "regions/rectfmanage.h"

#include <QGraphicsRectItem>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

class DotsignalGraphicsRectItem;

// The rectangle of the item that was last hovered, resized or created: item coordinates after
// placing handles, scene coordinates after a hover leave. A move of any region item is bounded
// with it, so a drag keeps the hovered rectangle 5 units inside the scene.
extern QRectF gHandleRect;

// One named region on the region scene (tracking, snapshot, shield or blackboard). It reacts to
// the mouse only while its region name is the scene's current region name: the installer edits
// one region at a time. Eight handles mark its corners and edge centres; the pointer within 9
// units of an edge resizes that edge, anywhere else it drags the whole rectangle.
class CustomGraphicsRectItem : public QObject, public QGraphicsRectItem
{
    Q_OBJECT
    Q_PROPERTY(QPointF previousPosition READ previousPosition WRITE setPreviousPosition NOTIFY previousPositionChanged)

public:
    // Pen types: 0 tracking (green), 1 blackboard (blue), 2 shield (red, dashed), 3 snapshot
    // (yellow).
    explicit CustomGraphicsRectItem(int type, QObject *parent = nullptr);
    explicit CustomGraphicsRectItem(QObject *parent);
    ~CustomGraphicsRectItem() override;

    // Edge bits of m_cornerFlags.
    enum CornerFlag : unsigned int { Top = 1, Bottom = 2, Left = 4, Right = 8 };

    void setPenByType(int type);

    // The rectangle is taken only when it lies strictly inside the region scene where the item
    // stands; otherwise the item keeps its rectangle. Returns whether it was taken.
    bool setRect(const QRectF &rect);
    void setRect(qreal x, qreal y, qreal w, qreal h);

    // The scene's way of giving the item its region: with record set, the name and rectangle
    // are recorded as the item's region (even when the rectangle is refused); the rectangle is
    // applied as by setRect.
    void setRegionRect(bool record, const QString &regionName, qreal x, qreal y, qreal w, qreal h);

    QPointF previousPosition() const { return m_previousPosition; }
    void setPreviousPosition(const QPointF &position);

    void placeHandles();
    void showHandles();
    void hideHandles();
    void resizeLeftEdge(const QPointF &p);
    void resizeRightEdge(const QPointF &p);
    void resizeTopEdge(const QPointF &p);
    void resizeBottomEdge(const QPointF &p);

    bool get_current_rect();
    void rotateTowards(const QPointF &p);
    void setAuxiliaryName(const QString &name) { m_auxiliaryName = name; }
    QString auxiliaryName() const { return m_auxiliaryName; }

    unsigned int cornerFlags() const { return m_cornerFlags; }
    const QList<DotsignalGraphicsRectItem *> &handles() const { return m_handles; }
    QRectF sceneRectAtLeave() const { return m_sceneRect; }

    RectFManage mRectFManage;
    QList<RectFManage> mRectFManageList;

signals:
    void rectChanged(CustomGraphicsRectItem *item);
    void previousPositionChanged();
    void clicked(CustomGraphicsRectItem *item);
    void signalMove(QGraphicsItem *item, double dx, double dy);

protected:
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    void init();
    bool isCurrentRegion() const;
    void applyResized(const QRectF &rect);
    void setResizeCursor(qreal angle);

    unsigned int m_cornerFlags = 0;
    QPointF m_previousPosition;
    bool m_leftMouseButtonPressed = false;
    QList<DotsignalGraphicsRectItem *> m_handles;
    QRectF m_sceneRect;
    QString m_auxiliaryName;
};
