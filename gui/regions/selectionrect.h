#pragma once

#include <QGraphicsRectItem>
#include <QObject>

// The rubber band of the region scene's selection mode: a red dashed rectangle, not a region.
class SelectionRect : public QObject, public QGraphicsRectItem
{
    Q_OBJECT
public:
    enum { Type = UserType + 1 };

    explicit SelectionRect(QObject *parent = nullptr);

    int type() const override { return Type; }
};
