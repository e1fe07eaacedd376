#pragma once

#include "regions/customgraphicsrectitem.h"
#include "regions/customgraphicsscene.h"

#include <QStringList>

// The visible regions of the region scene as "name x y w h" (scene units), sorted, joined by ", ".
inline QString scene_regions(const CustomGraphicsScene *scene)
{
    QStringList out;
    for (RectFManage *record : scene->graphicsRectList()) {
        auto *item = static_cast<CustomGraphicsRectItem *>(record->item);
        const QRectF r = item->rect().translated(item->pos());
        if (item->isVisible())
            out << record->regionName + QString::asprintf(" %g %g %g %g", r.x(), r.y(), r.width(), r.height());
    }
    out.sort();
    return out.join(QLatin1String(", "));
}
