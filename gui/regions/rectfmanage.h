#pragma once

#include <QRectF>
#include <QString>

class QGraphicsItem;

// One named region rectangle: the region item, its name and the rectangle given when the
// record was made (scene units). The item's current geometry is read from the item itself.
struct RectFManage
{
    QGraphicsItem *item = nullptr;
    QString regionName;
    QRectF rect;
};
