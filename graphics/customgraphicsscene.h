#pragma once

#include <QGraphicsScene>
#include <QString>

class CustomGraphicsScene;
extern CustomGraphicsScene *gGraphicsScene;

// The region scene (480 by 270 units) laid over the teacher panorama preview.
class CustomGraphicsScene : public QGraphicsScene
{
    Q_OBJECT
public:
    explicit CustomGraphicsScene(QObject *parent = nullptr);

signals:
    void signalNewSelectItem(QGraphicsItem *item);
    void signalSelectItemStr(QString name);
};
