#pragma once

#include "regions/rectfmanage.h"

#include <QGraphicsScene>
#include <QList>
#include <QPointF>
#include <QString>

class CustomGraphicsScene;
class CustomGraphicsRectItem;

// The one region scene, set by its constructor and reset when it is destroyed; region items
// read the current region name through it.
extern CustomGraphicsScene *gGraphicsScene;
// The region item most recently created by the scene; reset when that item goes.
extern CustomGraphicsRectItem *gCurrentRectItem;

// The region scene (480 by 270 units) laid over the teacher panorama preview. It keeps one
// record per region rectangle, draws new rectangles with the mouse, runs a rubber-band
// selection and removes, hides and shows regions by name.
//
// Ownership: every region item the scene creates stands in the scene and has exactly one record
// in the list. The scene owns both; when a record goes, its item is taken out of the scene and
// destroyed with it, and any pointer to that item (the current item, gCurrentRectItem) is reset
// at the same moment. Callers use the records of graphicsRectList() at once and keep none.
class CustomGraphicsScene : public QGraphicsScene
{
    Q_OBJECT
    Q_PROPERTY(int currentAction READ currentAction WRITE setCurrentAction NOTIFY currentActionChanged)
    Q_PROPERTY(QPointF previousPosition READ previousPosition WRITE setPreviousPosition NOTIFY previousPositionChanged)

public:
    // Actions: clicks go to the items, a press and drag draws a new region rectangle, a
    // Shift-press and drag selects with a rubber band.
    enum ActionTypes { DefaultType = 0, RectType = 2, SelectionType = 4 };

    explicit CustomGraphicsScene(QObject *parent = nullptr);
    ~CustomGraphicsScene() override;

    int currentAction() const { return m_currentAction; }
    void setCurrentAction(int action);
    void setItemType(int type) { m_itemType = type; }
    int itemType() const { return m_itemType; }
    void setTrackingRegionName(const QString &name) { m_trackingRegionName = name; }
    QString getTrackingRegionName() const { return m_trackingRegionName; }
    QPointF previousPosition() const { return m_previousPosition; }
    void setPreviousPosition(const QPointF &position);

    QList<RectFManage *> graphicsRectList() const { return m_graphicsRectList; }
    QGraphicsItem *currentItem() const { return m_currentItem; }

    void setAllItemsVisible(bool visible);
    void hideGraphicsRectItem(const QString &name);
    void showGraphicsRectItem(const QString &name);
    QGraphicsItem *newGraphicsRectItem(qreal x, qreal y, qreal w, qreal h);
    void addGraphicsRectItem(const QString &regionName, qreal x, qreal y, qreal w, qreal h, int type);
    void addUnnamedGraphicsRectItem(qreal x, qreal y, qreal w, qreal h, int type);
    void delGraphicsRectItem(const QString &regionName);
    void delShieldRegionOneItems(const QString &name);
    void clearGraphicsRectList();
    // Destroys every item of the scene, listed or not (a rubber band in progress), and empties
    // the list.
    void clearAllItems();
    void graphics_rect_changed();

signals:
    void sign_graphics_rect_changed();
    void previousPositionChanged();
    void currentActionChanged(int action);
    void signalSelectItem(QGraphicsItem *item);
    void signalNewSelectItem(QGraphicsItem *item);
    void signalSelectItemStr(QString name);

public slots:
    void deselectItems();
    void slotMove(QGraphicsItem *signalOwner, double dx, double dy);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    // Takes the record's item out of the scene, resets every pointer to it and destroys the
    // item and the record.
    void destroyRecord(RectFManage *record);
    void forgetItem(QGraphicsItem *item);
    CustomGraphicsRectItem *currentRegionItem() const;
    static QRectF dragRect(const QPointF &from, const QPointF &to, qreal w, qreal h);

    QGraphicsItem *m_currentItem = nullptr;
    int m_currentAction = DefaultType;
    int m_previousAction = DefaultType;
    int m_itemType = 2;
    QString m_trackingRegionName;
    QPointF m_previousPosition;
    bool m_leftMouseButtonPressed = false;
    QList<RectFManage *> m_graphicsRectList;
    bool m_everCreated = false;
};
