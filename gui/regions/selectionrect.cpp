#include "regions/selectionrect.h"

#include <QBrush>
#include <QPen>

SelectionRect::SelectionRect(QObject *parent)
    : QObject(parent)
    , QGraphicsRectItem()
{
    setBrush(QBrush(Qt::transparent));
    setPen(QPen(QBrush(Qt::red), 2.0, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin));
}
