#pragma once

#include "guide/guideconfig.h"

#include <QTreeWidget>
#include <QtTest>

// A named child of a wizard (or of one of its parts).
template <class T = QWidget>
T *child(QWidget &root, const QString &name)
{
    return root.findChild<T *>(name);
}

// A click on a step of the wizard's list: parent row, then the step's row below it.
inline void clickStep(GuideConfig &wizard, int parent, int row)
{
    auto *tree = child<QTreeWidget>(wizard, QStringLiteral("treeWidget"));
    QTreeWidgetItem *item = tree->topLevelItem(parent)->child(row);
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}
