#include "regions/customgraphicsscene.h"

#include "regions/customgraphicsrectitem.h"
#include "regions/selectionrect.h"

#include <QDebug>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QtMath>

CustomGraphicsScene *gGraphicsScene = nullptr;
CustomGraphicsRectItem *gCurrentRectItem = nullptr;

namespace {
// A click without a drag, or a drag shorter than this, still draws a region of this size.
constexpr qreal kMinDrawnSize = 20;
} // namespace

CustomGraphicsScene::CustomGraphicsScene(QObject *parent)
    : QGraphicsScene(parent)
{
    gGraphicsScene = this;
}

CustomGraphicsScene::~CustomGraphicsScene()
{
    // Items and records go while this scene is still whole: the records' clean-up must not run
    // from the base class destructor.
    clearAllItems();
    if (gGraphicsScene == this)
        gGraphicsScene = nullptr;
}

void CustomGraphicsScene::setCurrentAction(int action)
{
    m_currentAction = action;
    emit currentActionChanged(action);
}

void CustomGraphicsScene::setPreviousPosition(const QPointF &position)
{
    if (m_previousPosition == position)
        return;
    m_previousPosition = position;
    emit previousPositionChanged();
}

void CustomGraphicsScene::setAllItemsVisible(bool visible)
{
    for (RectFManage *record : qAsConst(m_graphicsRectList))
        record->item->setVisible(visible);
}

void CustomGraphicsScene::hideGraphicsRectItem(const QString &name)
{
    for (RectFManage *record : qAsConst(m_graphicsRectList)) {
        if (record->regionName == name)
            record->item->hide();
    }
}

void CustomGraphicsScene::showGraphicsRectItem(const QString &name)
{
    for (RectFManage *record : qAsConst(m_graphicsRectList)) {
        if (record->regionName == name)
            record->item->show();
    }
}

QGraphicsItem *CustomGraphicsScene::newGraphicsRectItem(qreal x, qreal y, qreal w, qreal h)
{
    qDebug() << "getTrackingRegionName()" << m_trackingRegionName;
    auto *item = new CustomGraphicsRectItem(m_itemType);
    gCurrentRectItem = item;
    m_everCreated = true;
    QGraphicsItem *graphicsItem = item;
    m_graphicsRectList.append(new RectFManage{graphicsItem, m_trackingRegionName, QRectF(x, y, w, h)});
    // Should anyone destroy a region item behind the scene's back, its record and every pointer
    // to it go with it (the item has already left the scene by then).
    connect(item, &QObject::destroyed, this, [this, graphicsItem] {
        forgetItem(graphicsItem);
        for (int i = m_graphicsRectList.size() - 1; i >= 0; --i) {
            if (m_graphicsRectList.at(i)->item == graphicsItem)
                delete m_graphicsRectList.takeAt(i);
        }
    });
    qDebug() << "childItems:" << m_graphicsRectList.size();
    return item;
}

void CustomGraphicsScene::addGraphicsRectItem(const QString &regionName, qreal x, qreal y, qreal w, qreal h, int type)
{
    QGraphicsItem *item = newGraphicsRectItem(x, y, w, h);
    auto *region = dynamic_cast<CustomGraphicsRectItem *>(item);
    gCurrentRectItem = region;
    m_currentItem = region;
    addItem(item);
    if (region) {
        region->setRegionRect(true, regionName, x, y, w, h);
        region->setPenByType(type);
    }
}

void CustomGraphicsScene::addUnnamedGraphicsRectItem(qreal x, qreal y, qreal w, qreal h, int type)
{
    QGraphicsItem *item = newGraphicsRectItem(x, y, w, h);
    auto *region = dynamic_cast<CustomGraphicsRectItem *>(item);
    gCurrentRectItem = region;
    m_currentItem = region;
    addItem(item);
    if (region) {
        region->setRect(x, y, w, h);
        region->setPenByType(type);
    }
}

void CustomGraphicsScene::forgetItem(QGraphicsItem *item)
{
    if (m_currentItem == item)
        m_currentItem = nullptr;
    if (gCurrentRectItem && static_cast<QGraphicsItem *>(gCurrentRectItem) == item)
        gCurrentRectItem = nullptr;
}

void CustomGraphicsScene::destroyRecord(RectFManage *record)
{
    m_graphicsRectList.removeOne(record);
    QGraphicsItem *item = record->item;
    delete record;
    if (!item)
        return;
    forgetItem(item);
    if (item->scene() == this)
        removeItem(item);
    delete item;
}

void CustomGraphicsScene::delGraphicsRectItem(const QString &regionName)
{
    qDebug() << "CustomGraphicsScene::childItems.count = " << m_graphicsRectList.size();
    const QList<RectFManage *> records = m_graphicsRectList;
    for (RectFManage *record : records) {
        qDebug() << QStringLiteral("DELETE：") << record->regionName;
        if (record->regionName == regionName) {
            destroyRecord(record);
            qDebug() << "CustomGraphicsScene::delGraphicsRectItem->regionName = " << regionName;
        }
    }
    update();
}

void CustomGraphicsScene::delShieldRegionOneItems(const QString &name)
{
    if (m_everCreated && name == QLatin1String("ShieldRegionOne"))
        delGraphicsRectItem(name);
}

void CustomGraphicsScene::clearGraphicsRectList()
{
    const QList<RectFManage *> records = m_graphicsRectList;
    for (RectFManage *record : records) {
        const QString name = record->regionName;
        destroyRecord(record);
        qDebug() << "CustomGraphicsScene::clearGraphicsRectList->regionName = " << name;
    }
}

void CustomGraphicsScene::clearAllItems()
{
    clearGraphicsRectList();
    // What is left has no record: a rubber band, or an item someone else added.
    const QList<QGraphicsItem *> rest = items();
    for (QGraphicsItem *item : rest) {
        if (item->parentItem())
            continue; // goes with its parent
        forgetItem(item);
        removeItem(item);
        delete item;
    }
}

void CustomGraphicsScene::graphics_rect_changed()
{
    qDebug() << "CustomGraphicsScene::graphics_rect_changed";
}

void CustomGraphicsScene::deselectItems()
{
    const QList<QGraphicsItem *> selected = selectedItems();
    for (QGraphicsItem *item : selected)
        item->setSelected(false);
}

void CustomGraphicsScene::slotMove(QGraphicsItem *signalOwner, double dx, double dy)
{
    const QList<QGraphicsItem *> selected = selectedItems();
    for (QGraphicsItem *item : selected) {
        if (item != signalOwner)
            item->moveBy(dx, dy);
    }
}

CustomGraphicsRectItem *CustomGraphicsScene::currentRegionItem() const
{
    return dynamic_cast<CustomGraphicsRectItem *>(m_currentItem);
}

QRectF CustomGraphicsScene::dragRect(const QPointF &from, const QPointF &to, qreal w, qreal h)
{
    const QPointF d = to - from;
    const qreal x = d.x() > 0 ? from.x() : to.x();
    const qreal y = d.y() > 0 ? from.y() : to.y();
    return QRectF(x, y, w, h);
}

void CustomGraphicsScene::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_A && (event->modifiers() & Qt::ControlModifier)) {
        const QList<QGraphicsItem *> all = items();
        for (QGraphicsItem *item : all)
            item->setSelected(true);
        const QList<QGraphicsItem *> selected = selectedItems();
        if (selected.size() == 1)
            emit signalSelectItem(selected.first());
    }
    QGraphicsScene::keyPressEvent(event);
}

void CustomGraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    qDebug() << "CustomGraphicsScene::mousePressEvent: m_currentAction:" << m_currentAction;
    if (event->button() == Qt::LeftButton) {
        m_leftMouseButtonPressed = true;
        setPreviousPosition(event->scenePos());
        if (event->modifiers() & Qt::ShiftModifier) {
            m_previousAction = m_currentAction;
            m_currentAction = SelectionType;
            emit currentActionChanged(SelectionType);
        }
    }
    const bool drawingButton =
        m_leftMouseButtonPressed && event->button() != Qt::RightButton && event->button() != Qt::MiddleButton;

    switch (m_currentAction) {
    case RectType:
        if (drawingButton) {
            deselectItems();
            QGraphicsItem *item = newGraphicsRectItem(0, 0, 0, 0);
            auto *region = dynamic_cast<CustomGraphicsRectItem *>(item);
            m_currentItem = region;
            addItem(item);
            if (region) {
                connect(region, &CustomGraphicsRectItem::clicked, this,
                        [this](CustomGraphicsRectItem *clicked) { emit signalSelectItem(clicked); });
                connect(region, &CustomGraphicsRectItem::signalMove, this, &CustomGraphicsScene::slotMove);
            }
            emit signalNewSelectItem(item);
        }
        break;
    case SelectionType:
        if (drawingButton) {
            deselectItems();
            // A rubber band left over from a press whose release never came is not kept.
            if (m_currentItem && m_currentItem->type() == SelectionRect::Type) {
                QGraphicsItem *stale = m_currentItem;
                m_currentItem = nullptr;
                removeItem(stale);
                delete stale;
            }
            auto *band = new SelectionRect;
            m_currentItem = band;
            addItem(band);
        }
        break;
    default:
        QGraphicsScene::mousePressEvent(event);
        break;
    }
}

void CustomGraphicsScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    const QPointF p = event->scenePos();
    const QPointF d = p - m_previousPosition;
    if (m_currentAction == RectType && m_leftMouseButtonPressed) {
        if (CustomGraphicsRectItem *region = currentRegionItem()) {
            const QRectF r = dragRect(m_previousPosition, p, qAbs(d.x()), qAbs(d.y()));
            region->setRegionRect(false, m_trackingRegionName, r.x(), r.y(), r.width(), r.height());
        }
    } else if (m_currentAction == SelectionType && m_leftMouseButtonPressed) {
        qDebug() << "SelectionType:: m_leftMouseButtonPressed";
        if (m_currentItem && m_currentItem->type() == SelectionRect::Type)
            static_cast<SelectionRect *>(m_currentItem)->setRect(dragRect(m_previousPosition, p, qAbs(d.x()), qAbs(d.y())));
    } else {
        QGraphicsScene::mouseMoveEvent(event);
    }
    update();
}

void CustomGraphicsScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    qDebug() << "CustomGraphicsScene:: mouseReleaseEvent: event->pos = %d ,event->scenePos = %d" << event->pos()
             << event->scenePos();
    if (event->button() == Qt::RightButton) {
        qDebug() << "event->button() == Qt::RightButton";
        const QList<QGraphicsItem *> selected = selectedItems();
        for (QGraphicsItem *item : selected) {
            // Names are taken first: a receiver may change the list.
            QStringList names;
            for (const RectFManage *record : qAsConst(m_graphicsRectList)) {
                if (record->item == item)
                    names.append(record->regionName);
            }
            for (const QString &name : qAsConst(names)) {
                emit signalSelectItemStr(name);
                qDebug() << "CustomGraphicsScene:: Qt::RightButton" << " itemRegion->regionName = " << name;
            }
        }
        // An item that took the right press lets go of the mouse.
        QGraphicsScene::mouseReleaseEvent(event);
    } else if (event->button() == Qt::LeftButton) {
        m_leftMouseButtonPressed = false;
        switch (m_currentAction) {
        case RectType: {
            const QPointF d = event->scenePos() - m_previousPosition;
            const qreal w = qAbs(d.x()) < kMinDrawnSize ? kMinDrawnSize : qAbs(d.x());
            const qreal h = qAbs(d.y()) < kMinDrawnSize ? kMinDrawnSize : qAbs(d.y());
            const QRectF r = dragRect(m_previousPosition, event->scenePos(), w, h);
            if (CustomGraphicsRectItem *region = currentRegionItem())
                region->setRegionRect(true, m_trackingRegionName, r.x(), r.y(), r.width(), r.height());
            m_currentItem = nullptr;
            m_currentAction = DefaultType;
            emit currentActionChanged(DefaultType);
            break;
        }
        case SelectionType: {
            if (m_currentItem && m_currentItem->type() == SelectionRect::Type) {
                QGraphicsItem *band = m_currentItem;
                m_currentItem = nullptr;
                const QList<QGraphicsItem *> hit =
                    items(static_cast<SelectionRect *>(band)->rect(), Qt::IntersectsItemShape);
                for (QGraphicsItem *item : hit) {
                    if (item != band)
                        item->setSelected(true);
                }
                removeItem(band);
                delete band;
            }
            const QList<QGraphicsItem *> selected = selectedItems();
            if (selected.size() == 1)
                emit signalSelectItem(selected.first());
            m_currentAction = m_previousAction;
            emit currentActionChanged(m_previousAction);
            m_currentItem = nullptr;
            qDebug() << "mouseReleaseEvent -- SelectionType";
            break;
        }
        default:
            emit sign_graphics_rect_changed();
            QGraphicsScene::mouseReleaseEvent(event);
            break;
        }
    }
    update();
}

void CustomGraphicsScene::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_currentAction == RectType || m_currentAction == SelectionType)
        return;
    QGraphicsScene::mouseDoubleClickEvent(event);
}
