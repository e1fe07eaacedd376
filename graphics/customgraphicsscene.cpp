#include "graphics/customgraphicsscene.h"

CustomGraphicsScene *gGraphicsScene = nullptr;

CustomGraphicsScene::CustomGraphicsScene(QObject *parent)
    : QGraphicsScene(parent)
{
    gGraphicsScene = this;
}
