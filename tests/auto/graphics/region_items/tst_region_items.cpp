// Region items and the region scene, driven with synthetic mouse events on the main window's
// region view (offscreen).
#define QTEST_QPA_MOUSE_HANDLING

#include "regions/customgraphicsrectitem.h"
#include "regions/customgraphicsscene.h"
#include "regions/customgraphicsview.h"
#include "regions/dotsignalgraphicsrectitem.h"
#include "regions/selectionrect.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QPen>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>


namespace {
using ItemPtr = QPointer<CustomGraphicsRectItem>;

// A point of the scene where no test puts an item: the pointer goes there to leave items.
const QPointF kEmptySpot(440, 250);

CustomGraphicsRectItem *regionItem(QGraphicsItem *item) { return dynamic_cast<CustomGraphicsRectItem *>(item); }
} // namespace

class tst_RegionItems : public QObject
{
    Q_OBJECT

    std::unique_ptr<RecordingPresenter> boxes;
    std::unique_ptr<MainWindow> window;
    CustomGraphicsScene *scene = nullptr;
    QGraphicsView *view = nullptr;

    QPoint at(const QPointF &scenePoint) const { return view->mapFromScene(scenePoint); }
    void press(const QPointF &p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::mousePress(view->viewport(), b, m, at(p));
    }
    void move(const QPointF &p) { QTest::mouseMove(view->viewport(), at(p)); }
    void release(const QPointF &p, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(view->viewport(), b, Qt::NoModifier, at(p));
    }
    // One move from the press to the release: every move is a step of its own, which an edge
    // resize or a drawing takes when it is allowed.
    void drag(const QPointF &from, const QPointF &to)
    {
        press(from);
        move(to);
        release(to);
    }
    // The pointer enters the item from an empty spot and comes to rest at p.
    void hover(const QPointF &p)
    {
        move(kEmptySpot);
        move(p);
    }

    CustomGraphicsRectItem *addRegion(const QString &name, const QRectF &r, int type)
    {
        scene->setTrackingRegionName(name);
        scene->addGraphicsRectItem(name, r.x(), r.y(), r.width(), r.height(), type);
        return regionItem(scene->graphicsRectList().last()->item);
    }

    QRectF sceneRectOf(CustomGraphicsRectItem *item) const { return item->rect().translated(item->pos()); }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QGraphicsItem *>();
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        boxes.reset(new RecordingPresenter);
        window.reset(new MainWindow);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        scene = window->region_editor->scene();
        view = window->ui->graphicsView;
        QCOMPARE(view->viewport()->size(), QSize(480, 270));
        QCOMPARE(at(QPointF(100, 50)), QPoint(100, 50));
    }

    void cleanupTestCase()
    {
        if (window)
            delete window->guide_config;
        window.reset();
        QCOMPARE(gGraphicsScene, static_cast<CustomGraphicsScene *>(nullptr));
    }

    void init()
    {
        move(kEmptySpot);
        window->clear_region_scene();
        scene->setCurrentAction(CustomGraphicsScene::DefaultType);
        scene->setTrackingRegionName(QString());
        scene->setItemType(2);
        QVERIFY(scene->items().isEmpty());
        QVERIFY(scene->graphicsRectList().isEmpty());
    }

    // ---- items ----

    void itemKindsAndPens_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("style");
        QTest::newRow("tracking") << 0 << QColor(Qt::green) << int(Qt::SolidLine);
        QTest::newRow("blackboard") << 1 << QColor(Qt::blue) << int(Qt::SolidLine);
        QTest::newRow("shield") << 2 << QColor(Qt::red) << int(Qt::DashLine);
        QTest::newRow("snapshot") << 3 << QColor(Qt::yellow) << int(Qt::SolidLine);
    }
    void itemKindsAndPens()
    {
        QFETCH(int, type);
        QFETCH(QColor, color);
        QFETCH(int, style);
        CustomGraphicsRectItem item(type);
        QCOMPARE(item.type(), 3);
        QCOMPARE(item.pen().color(), color);
        QCOMPARE(int(item.pen().style()), style);
        QCOMPARE(item.pen().widthF(), 2.0);
        QCOMPARE(item.pen().capStyle(), Qt::SquareCap);
        QCOMPARE(item.pen().joinStyle(), Qt::BevelJoin);
        QCOMPARE(item.brush().color(), QColor(Qt::transparent));
        QVERIFY(item.flags() & QGraphicsItem::ItemIsSelectable);
        QVERIFY(item.flags() & QGraphicsItem::ItemSendsGeometryChanges);
        QVERIFY(!(item.flags() & QGraphicsItem::ItemIsMovable));
        QVERIFY(item.acceptHoverEvents());
        // A fresh item shows its eight handles piled at its origin.
        QCOMPARE(item.handles().size(), 8);
        for (DotsignalGraphicsRectItem *handle : item.handles()) {
            QVERIFY(handle->isVisible());
            QCOMPARE(handle->pos(), QPointF(0, 0));
            QCOMPARE(handle->rect(), QRectF(-3, -3, 6, 6));
            QCOMPARE(handle->parentItem(), static_cast<QGraphicsItem *>(&item));
        }
    }

    void otherTypeKeepsDefaultPen()
    {
        CustomGraphicsRectItem item(7);
        QCOMPARE(item.pen(), QPen());
        QCOMPARE(item.brush().color(), QColor(Qt::transparent));
        SelectionRect band;
        QCOMPARE(band.type(), 65537);
        QCOMPARE(band.pen().color(), QColor(Qt::red));
        QCOMPARE(band.pen().style(), Qt::DashLine);
    }

    void rectStaysInsideRegionSpace_data()
    {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<bool>("taken");
        QTest::newRow("on the left edge") << QRectF(0, 10, 50, 50) << false;
        QTest::newRow("right edge on 480") << QRectF(10, 10, 470, 50) << false;
        QTest::newRow("bottom on 270") << QRectF(10, 10, 50, 260) << false;
        QTest::newRow("largest") << QRectF(1, 1, 478, 268) << true;
        QTest::newRow("ordinary") << QRectF(20, 30, 40, 50) << true;
    }
    void rectStaysInsideRegionSpace()
    {
        QFETCH(QRectF, rect);
        QFETCH(bool, taken);
        CustomGraphicsRectItem item(0);
        const QRectF before(5, 5, 10, 10);
        QVERIFY(item.setRect(before));
        QCOMPARE(item.setRect(rect), taken);
        QCOMPARE(item.rect(), taken ? rect : before);
        // Recording keeps the given rectangle as the region's even when it is refused.
        item.setRegionRect(true, QStringLiteral("TrackingRegion"), rect.x(), rect.y(), rect.width(), rect.height());
        QCOMPARE(item.mRectFManage.rect, rect);
        QCOMPARE(item.mRectFManage.regionName, QStringLiteral("TrackingRegion"));
        QCOMPARE(item.mRectFManageList.size(), 1);
    }

    // ---- drawing ----

    void drawing_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRectF>("expected"); // null: the item stays empty
        QTest::newRow("click draws 20 by 20") << QPointF(100, 100) << QPointF(100, 100) << QRectF(100, 100, 20, 20);
        QTest::newRow("narrow drag widens to 20") << QPointF(100, 100) << QPointF(105, 150) << QRectF(100, 100, 20, 50);
        QTest::newRow("up and left") << QPointF(200, 150) << QPointF(140, 110) << QRectF(140, 110, 60, 40);
        QTest::newRow("ordinary") << QPointF(30, 40) << QPointF(230, 140) << QRectF(30, 40, 200, 100);
        QTest::newRow("starts on the left edge") << QPointF(0, 100) << QPointF(60, 150) << QRectF();
        QTest::newRow("ends beyond 480") << QPointF(400, 100) << QPointF(490, 150) << QRectF();
        QTest::newRow("ends beyond 270") << QPointF(100, 200) << QPointF(150, 280) << QRectF();
    }
    void drawing()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QRectF, expected);
        scene->setTrackingRegionName(QStringLiteral("ShieldRegionTwo"));
        scene->setItemType(2);
        scene->setCurrentAction(CustomGraphicsScene::RectType);
        QSignalSpy actions(scene, &CustomGraphicsScene::currentActionChanged);
        QSignalSpy created(scene, &CustomGraphicsScene::signalNewSelectItem);

        drag(from, to);

        QCOMPARE(created.size(), 1);
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.first().first().toInt(), 0);
        QCOMPARE(scene->currentAction(), 0);
        QCOMPARE(scene->currentItem(), static_cast<QGraphicsItem *>(nullptr));
        const QList<RectFManage *> records = scene->graphicsRectList();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first()->regionName, QStringLiteral("ShieldRegionTwo"));
        QCOMPARE(records.first()->rect, QRectF(0, 0, 0, 0));
        CustomGraphicsRectItem *item = regionItem(records.first()->item);
        QVERIFY(item);
        QCOMPARE(item->scene(), static_cast<QGraphicsScene *>(scene));
        QCOMPARE(item->mRectFManage.regionName, QStringLiteral("ShieldRegionTwo"));
        QCOMPARE(item->pen().style(), Qt::DashLine);
        QCOMPARE(item->rect(), expected.isNull() ? QRectF() : expected);
    }

    void drawingFollowsThePointer()
    {
        scene->setTrackingRegionName(QStringLiteral("TrackingRegion"));
        scene->setCurrentAction(CustomGraphicsScene::RectType);
        press(QPointF(200, 150));
        move(QPointF(150, 100));
        CustomGraphicsRectItem *item = regionItem(scene->currentItem());
        QVERIFY(item);
        QCOMPARE(item->rect(), QRectF(150, 100, 50, 50));
        // Beyond the region space the rubber rectangle keeps its last good shape.
        move(QPointF(150, 275));
        QCOMPARE(item->rect(), QRectF(150, 100, 50, 50));
        release(QPointF(250, 200));
        QCOMPARE(item->rect(), QRectF(200, 150, 50, 50));
    }

    void setCurrentActionAlwaysEmits()
    {
        QSignalSpy actions(scene, &CustomGraphicsScene::currentActionChanged);
        scene->setCurrentAction(0);
        scene->setCurrentAction(0);
        QCOMPARE(actions.size(), 2);
    }

    // ---- hover band and cursors ----

    void hoverBand_data()
    {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<bool>("resizeCursor");
        const QRectF r(100, 100, 100, 50);
        QTest::newRow("8 below the top") << r << QPointF(150, 108) << 1u << true;
        QTest::newRow("9 below the top") << r << QPointF(150, 109) << 0u << false;
        QTest::newRow("8 above the bottom") << r << QPointF(150, 142) << 2u << true;
        QTest::newRow("9 above the bottom") << r << QPointF(150, 141) << 0u << false;
        QTest::newRow("8 right of the left edge") << r << QPointF(108, 125) << 4u << true;
        QTest::newRow("9 right of the left edge") << r << QPointF(109, 125) << 0u << false;
        QTest::newRow("8 left of the right edge") << r << QPointF(192, 125) << 8u << true;
        QTest::newRow("top-left") << r << QPointF(108, 108) << 5u << true;
        QTest::newRow("bottom-right") << r << QPointF(192, 142) << 10u << true;
        QTest::newRow("bottom-left") << r << QPointF(108, 142) << 6u << true;
        QTest::newRow("top-right") << r << QPointF(192, 108) << 9u << true;
        QTest::newRow("middle") << r << QPointF(150, 125) << 0u << false;
        // Shorter than 18: inside, the pointer is near both the top and the bottom.
        QTest::newRow("short: top and bottom") << QRectF(100, 100, 100, 15) << QPointF(150, 107) << 3u << false;
        QTest::newRow("short corner: 7") << QRectF(100, 100, 100, 15) << QPointF(105, 107) << 7u << false;
    }
    void hoverBand()
    {
        QFETCH(QRectF, rect);
        QFETCH(QPointF, pointer);
        QFETCH(uint, flags);
        QFETCH(bool, resizeCursor);
        CustomGraphicsRectItem *item = addRegion(QStringLiteral("TrackingRegion"), rect, 0);
        hover(pointer);
        QCOMPARE(item->cornerFlags(), flags);
        QVERIFY(item->hasCursor());
        QCOMPARE(item->cursor().shape(), resizeCursor ? Qt::BitmapCursor : Qt::CrossCursor);
        if (resizeCursor) {
            QCOMPARE(item->cursor().pixmap().width(), 24);
            QCOMPARE(item->cursor().hotSpot(), QPoint(item->cursor().pixmap().width() / 2, item->cursor().pixmap().height() / 2));
        }
        // Entering placed the handles around the rectangle and showed them.
        const QList<DotsignalGraphicsRectItem *> &h = item->handles();
        QCOMPARE(h[0]->pos(), QPointF(rect.center().x(), rect.top()));
        QCOMPARE(h[7]->pos(), rect.bottomRight());
        QVERIFY(h[2]->isVisible() && h[5]->isVisible());
        // Leaving hides them, clears the flags and puts back the arrow.
        move(kEmptySpot);
        QCOMPARE(item->cornerFlags(), 0u);
        for (DotsignalGraphicsRectItem *handle : h)
            QVERIFY(!handle->isVisible());
        QCOMPARE(item->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(gHandleRect, rect);
    }

    // ---- resizing ----

    void resize_data()
    {
        QTest::addColumn<QPointF>("grab");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRectF>("expected");
        const QRectF unchanged(100, 100, 100, 50);
        QTest::newRow("right edge out") << QPointF(198, 125) << QPointF(260, 125) << QRectF(100, 100, 160, 50);
        QTest::newRow("right edge to 9 from the left") << QPointF(198, 125) << QPointF(109, 125) << unchanged;
        QTest::newRow("right edge to 10 from the left") << QPointF(198, 125) << QPointF(110, 125) << QRectF(100, 100, 10, 50);
        QTest::newRow("left edge to 9 from the right") << QPointF(102, 125) << QPointF(191, 125) << unchanged;
        QTest::newRow("left edge to 10 from the right") << QPointF(102, 125) << QPointF(190, 125) << QRectF(190, 100, 10, 50);
        QTest::newRow("left edge across the right") << QPointF(102, 125) << QPointF(230, 125) << unchanged;
        QTest::newRow("bottom to 10 below the top") << QPointF(150, 148) << QPointF(150, 110) << unchanged;
        QTest::newRow("bottom to 11 below the top") << QPointF(150, 148) << QPointF(150, 111) << QRectF(100, 100, 100, 11);
        QTest::newRow("top to 10 above the bottom") << QPointF(150, 102) << QPointF(150, 140) << unchanged;
        QTest::newRow("top to 11 above the bottom") << QPointF(150, 102) << QPointF(150, 139) << QRectF(100, 139, 100, 11);
        QTest::newRow("top up") << QPointF(150, 102) << QPointF(150, 60) << QRectF(100, 60, 100, 90);
        QTest::newRow("bottom-right corner") << QPointF(198, 148) << QPointF(250, 200) << QRectF(100, 100, 150, 100);
        QTest::newRow("top-left corner") << QPointF(102, 102) << QPointF(50, 80) << QRectF(50, 80, 150, 70);
        QTest::newRow("right edge onto 480") << QPointF(198, 125) << QPointF(380, 125) << QRectF(100, 100, 280, 50);
        QTest::newRow("right edge past 480") << QPointF(198, 125) << QPointF(480, 125) << unchanged;
        QTest::newRow("bottom edge past 270") << QPointF(150, 148) << QPointF(150, 275) << unchanged;
    }
    void resize()
    {
        QFETCH(QPointF, grab);
        QFETCH(QPointF, to);
        QFETCH(QRectF, expected);
        CustomGraphicsRectItem *item = addRegion(QStringLiteral("TrackingRegion"), QRectF(100, 100, 100, 50), 0);
        hover(grab);
        QVERIFY(item->cornerFlags() != 0);
        drag(grab, to);
        QCOMPARE(item->pos(), QPointF(0, 0));
        QCOMPARE(item->rect(), expected);
        // The handles follow the rectangle.
        QCOMPARE(item->handles()[7]->pos(), expected.bottomRight());
    }

    // A dragged item is bounded where it stands in the scene, not where it started.
    void resizeAfterDragStaysInside()
    {
        CustomGraphicsRectItem *item = addRegion(QStringLiteral("TrackingRegion"), QRectF(100, 100, 100, 50), 0);
        hover(QPointF(150, 125));
        drag(QPointF(150, 125), QPointF(350, 125));
        QCOMPARE(sceneRectOf(item), QRectF(300, 100, 100, 50));
        hover(QPointF(398, 125));
        QCOMPARE(item->cornerFlags(), 8u);
        drag(QPointF(398, 125), QPointF(485, 125));
        QCOMPARE(sceneRectOf(item), QRectF(300, 100, 100, 50));
        hover(QPointF(398, 125));
        drag(QPointF(398, 125), QPointF(470, 125));
        QCOMPARE(sceneRectOf(item), QRectF(300, 100, 170, 50));
    }

    // ---- dragging ----

    void dragKeptInside_data()
    {
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("inside") << QPointF(200, 150) << QRectF(150, 125, 100, 50);
        QTest::newRow("far right: 5 from the edge") << QPointF(470, 125) << QRectF(375, 100, 100, 50);
        QTest::newRow("far left") << QPointF(10, 125) << QRectF(5, 100, 100, 50);
        QTest::newRow("far down") << QPointF(150, 268) << QRectF(100, 215, 100, 50);
        QTest::newRow("far up") << QPointF(150, 2) << QRectF(100, 5, 100, 50);
    }
    void dragKeptInside()
    {
        QFETCH(QPointF, to);
        QFETCH(QRectF, expected);
        CustomGraphicsRectItem *item = addRegion(QStringLiteral("TrackingRegion"), QRectF(100, 100, 100, 50), 0);
        QSignalSpy moved(item, &CustomGraphicsRectItem::signalMove);
        hover(QPointF(150, 125));
        QCOMPARE(item->cornerFlags(), 0u);
        press(QPointF(150, 125));
        QVERIFY(item->isSelected());
        move(to);
        QCOMPARE(item->cursor().shape(), Qt::ClosedHandCursor);
        release(to);
        QCOMPARE(item->rect(), QRectF(100, 100, 100, 50));
        QCOMPARE(sceneRectOf(item), expected);
        QVERIFY(!moved.isEmpty());
    }

    // ---- only the current region ----

    void onlyTheCurrentRegionReacts()
    {
        CustomGraphicsRectItem *shield = addRegion(QStringLiteral("ShieldRegionOne"), QRectF(250, 100, 100, 50), 2);
        CustomGraphicsRectItem *tracking = addRegion(QStringLiteral("TrackingRegion"), QRectF(50, 100, 100, 50), 0);
        QCOMPARE(scene->getTrackingRegionName(), QStringLiteral("TrackingRegion"));

        // Hovering the shield places no handles and sets no flags.
        hover(QPointF(348, 125));
        QCOMPARE(shield->cornerFlags(), 0u);
        for (DotsignalGraphicsRectItem *handle : shield->handles())
            QCOMPARE(handle->pos(), QPointF(0, 0));
        QVERIFY(!shield->hasCursor() || shield->cursor().shape() != Qt::BitmapCursor);
        // Neither a click, a drag nor a pull at its edge changes it.
        drag(QPointF(348, 125), QPointF(420, 125));
        drag(QPointF(300, 125), QPointF(300, 200));
        QVERIFY(!shield->isSelected());
        QCOMPARE(sceneRectOf(shield), QRectF(250, 100, 100, 50));

        // The tracking region does react.
        hover(QPointF(100, 125));
        drag(QPointF(100, 125), QPointF(120, 135));
        QVERIFY(tracking->isSelected());
        QCOMPARE(sceneRectOf(tracking), QRectF(70, 110, 100, 50));

        // Switching the current name switches which one reacts.
        scene->setTrackingRegionName(QStringLiteral("ShieldRegionOne"));
        hover(QPointF(300, 125));
        drag(QPointF(300, 125), QPointF(300, 145));
        QCOMPARE(sceneRectOf(shield), QRectF(250, 120, 100, 50));
        hover(QPointF(120, 135));
        drag(QPointF(120, 135), QPointF(150, 135));
        QCOMPARE(sceneRectOf(tracking), QRectF(70, 110, 100, 50));
    }

    // ---- selection ----

    void rubberBandSelects()
    {
        CustomGraphicsRectItem *a = addRegion(QStringLiteral("ShieldRegionOne"), QRectF(50, 50, 60, 40), 2);
        CustomGraphicsRectItem *b = addRegion(QStringLiteral("ShieldRegionTwo"), QRectF(300, 150, 60, 40), 2);
        scene->setCurrentAction(CustomGraphicsScene::RectType);
        QSignalSpy actions(scene, &CustomGraphicsScene::currentActionChanged);
        QSignalSpy selected(scene, &CustomGraphicsScene::signalSelectItem);
        press(QPointF(40, 40), Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(scene->currentAction(), int(CustomGraphicsScene::SelectionType));
        QCOMPARE(scene->currentItem()->type(), 65537);
        move(QPointF(80, 70));
        move(QPointF(120, 100));
        QCOMPARE(static_cast<SelectionRect *>(scene->currentItem())->rect(), QRectF(40, 40, 80, 60));
        release(QPointF(120, 100));
        QVERIFY(a->isSelected());
        QVERIFY(!b->isSelected());
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().first().value<QGraphicsItem *>(), static_cast<QGraphicsItem *>(a));
        // Back to drawing, and the band is gone.
        QCOMPARE(scene->currentAction(), int(CustomGraphicsScene::RectType));
        QCOMPARE(actions.size(), 2);
        QCOMPARE(scene->currentItem(), static_cast<QGraphicsItem *>(nullptr));
        for (QGraphicsItem *item : scene->items())
            QVERIFY(item->type() != 65537);
    }

    void rightReleaseNamesSelectedRegions()
    {
        CustomGraphicsRectItem *a = addRegion(QStringLiteral("BoardRegionLeft"), QRectF(50, 50, 60, 40), 1);
        addRegion(QStringLiteral("BoardRegionRight"), QRectF(300, 50, 60, 40), 1);
        // Another region is being edited, so the press does not touch the selection.
        scene->setTrackingRegionName(QStringLiteral("TrackingRegion"));
        QSignalSpy names(scene, &CustomGraphicsScene::signalSelectItemStr);
        press(QPointF(80, 70), Qt::RightButton);
        release(QPointF(80, 70), Qt::RightButton);
        QVERIFY(names.isEmpty());
        a->setSelected(true);
        press(QPointF(80, 70), Qt::RightButton);
        release(QPointF(80, 70), Qt::RightButton);
        QCOMPARE(names.size(), 1);
        QCOMPARE(names.first().first().toString(), QStringLiteral("BoardRegionLeft"));
    }

    // A right click on a region that is not being edited must not leave that region holding
    // the mouse: the next drag still moves the current region.
    void rightClickLetsGoOfTheMouse()
    {
        addRegion(QStringLiteral("ShieldRegionOne"), QRectF(250, 100, 100, 50), 2);
        CustomGraphicsRectItem *tracking = addRegion(QStringLiteral("TrackingRegion"), QRectF(50, 100, 100, 50), 0);
        press(QPointF(300, 125), Qt::RightButton);
        release(QPointF(300, 125), Qt::RightButton);
        QCOMPARE(scene->mouseGrabberItem(), static_cast<QGraphicsItem *>(nullptr));
        hover(QPointF(100, 125));
        drag(QPointF(100, 125), QPointF(120, 125));
        QCOMPARE(sceneRectOf(tracking), QRectF(70, 100, 100, 50));
    }

    // ---- removing regions ----

    void deleteByNameTakesEveryRecordOfTheName()
    {
        const ItemPtr a = addRegion(QStringLiteral("ShieldRegionOne"), QRectF(20, 20, 30, 30), 2);
        const ItemPtr b1 = addRegion(QStringLiteral("ShieldRegionTwo"), QRectF(60, 20, 30, 30), 2);
        const ItemPtr b2 = addRegion(QStringLiteral("ShieldRegionTwo"), QRectF(100, 20, 30, 30), 2);
        const ItemPtr c = addRegion(QStringLiteral("ShieldRegionThree"), QRectF(140, 20, 30, 30), 2);
        scene->delGraphicsRectItem(QStringLiteral("ShieldRegionTwo"));
        QVERIFY(b1.isNull());
        QVERIFY(b2.isNull());
        QVERIFY(!a.isNull() && !c.isNull());
        QCOMPARE(scene->graphicsRectList().size(), 2);
        QCOMPARE(scene->items().size(), 2 * 9);
        scene->delGraphicsRectItem(QStringLiteral("NoSuchRegion"));
        QCOMPARE(scene->graphicsRectList().size(), 2);
    }

    void removingTheLastAddedItemResetsTheCurrentItem()
    {
        const ItemPtr a = addRegion(QStringLiteral("TrackingRegion"), QRectF(20, 20, 30, 30), 0);
        QCOMPARE(scene->currentItem(), static_cast<QGraphicsItem *>(a.data()));
        QCOMPARE(gCurrentRectItem, a.data());
        scene->delGraphicsRectItem(QStringLiteral("TrackingRegion"));
        QVERIFY(a.isNull());
        QCOMPARE(scene->currentItem(), static_cast<QGraphicsItem *>(nullptr));
        QCOMPARE(gCurrentRectItem, static_cast<CustomGraphicsRectItem *>(nullptr));
        // Another drawing after that starts cleanly.
        scene->setCurrentAction(CustomGraphicsScene::RectType);
        drag(QPointF(50, 50), QPointF(90, 90));
        QCOMPARE(scene->graphicsRectList().size(), 1);
    }

    void clearingDestroysItemsAndRecords()
    {
        const ItemPtr a = addRegion(QStringLiteral("TrackingRegion"), QRectF(20, 20, 30, 30), 0);
        const ItemPtr b = addRegion(QStringLiteral("SnapshotRegion"), QRectF(60, 20, 30, 30), 3);
        const ItemPtr c = addRegion(QStringLiteral("BoardRegionCenter"), QRectF(100, 20, 30, 30), 1);
        window->clear_region_scene();
        QVERIFY(a.isNull() && b.isNull() && c.isNull());
        QVERIFY(scene->items().isEmpty());
        QVERIFY(scene->graphicsRectList().isEmpty());
        QCOMPARE(scene->currentItem(), static_cast<QGraphicsItem *>(nullptr));
        QCOMPARE(gCurrentRectItem, static_cast<CustomGraphicsRectItem *>(nullptr));

        // The list alone, as the wizard clears it.
        addRegion(QStringLiteral("TrackingRegion"), QRectF(20, 20, 30, 30), 0);
        addRegion(QStringLiteral("ShieldRegionOne"), QRectF(60, 20, 30, 30), 2);
        addRegion(QStringLiteral("ShieldRegionTwo"), QRectF(100, 20, 30, 30), 2);
        scene->clearGraphicsRectList();
        QVERIFY(scene->items().isEmpty());
        QVERIFY(scene->graphicsRectList().isEmpty());
    }

    // The scene is cleared while the installer is still drawing: the rest of the drag finds
    // no item and draws nothing.
    void clearingWhileDrawing()
    {
        scene->setTrackingRegionName(QStringLiteral("TrackingRegion"));
        scene->setCurrentAction(CustomGraphicsScene::RectType);
        press(QPointF(50, 50));
        const ItemPtr drawn = regionItem(scene->currentItem());
        QVERIFY(drawn);
        move(QPointF(80, 80));
        window->clear_region_scene();
        QVERIFY(drawn.isNull());
        QCOMPARE(scene->currentItem(), static_cast<QGraphicsItem *>(nullptr));
        move(QPointF(120, 120));
        release(QPointF(120, 120));
        QVERIFY(scene->graphicsRectList().isEmpty());
        QVERIFY(scene->items().isEmpty());
        QCOMPARE(scene->currentAction(), 0);
    }

    void clearingDuringRubberBand()
    {
        addRegion(QStringLiteral("TrackingRegion"), QRectF(20, 20, 30, 30), 0);
        press(QPointF(10, 10), Qt::LeftButton, Qt::ShiftModifier);
        move(QPointF(60, 60));
        window->clear_region_scene();
        QVERIFY(scene->items().isEmpty());
        move(QPointF(70, 70));
        release(QPointF(70, 70));
        QCOMPARE(scene->currentAction(), 0);
        QVERIFY(scene->items().isEmpty());
    }

    void removingTheItemBeingDragged()
    {
        const ItemPtr a = addRegion(QStringLiteral("TrackingRegion"), QRectF(100, 100, 100, 50), 0);
        hover(QPointF(150, 125));
        press(QPointF(150, 125));
        move(QPointF(170, 130));
        scene->delGraphicsRectItem(QStringLiteral("TrackingRegion"));
        QVERIFY(a.isNull());
        move(QPointF(190, 140));
        release(QPointF(190, 140));
        move(kEmptySpot);
        QVERIFY(scene->items().isEmpty());
    }

    void itemDestroyedElsewhereLeavesNoRecord()
    {
        CustomGraphicsRectItem *a = addRegion(QStringLiteral("TrackingRegion"), QRectF(100, 100, 100, 50), 0);
        addRegion(QStringLiteral("SnapshotRegion"), QRectF(300, 100, 50, 50), 3);
        delete a;
        QCOMPARE(scene->graphicsRectList().size(), 1);
        QCOMPARE(scene->graphicsRectList().first()->regionName, QStringLiteral("SnapshotRegion"));
        scene->delGraphicsRectItem(QStringLiteral("TrackingRegion"));
        window->clear_region_scene();
        QVERIFY(scene->items().isEmpty());
    }

    void hiddenRegionsStayListed()
    {
        const ItemPtr a = addRegion(QStringLiteral("ShieldRegionOne"), QRectF(20, 20, 30, 30), 2);
        const ItemPtr b = addRegion(QStringLiteral("ShieldRegionTwo"), QRectF(60, 20, 30, 30), 2);
        scene->hideGraphicsRectItem(QStringLiteral("ShieldRegionOne"));
        QVERIFY(!a->isVisible());
        QVERIFY(b->isVisible());
        QCOMPARE(scene->graphicsRectList().size(), 2);
        scene->showGraphicsRectItem(QStringLiteral("ShieldRegionOne"));
        QVERIFY(a->isVisible());
        scene->setAllItemsVisible(false);
        QVERIFY(!a->isVisible() && !b->isVisible());
        scene->setAllItemsVisible(true);
        QVERIFY(a->isVisible() && b->isVisible());
    }

    // A scene destroyed with regions, a drawing and a rubber band destroys each item once.
    void sceneDestroyedWithItems()
    {
        CustomGraphicsScene *previous = gGraphicsScene;
        auto *other = new CustomGraphicsScene;
        QCOMPARE(gGraphicsScene, other);
        other->setTrackingRegionName(QStringLiteral("TrackingRegion"));
        other->addGraphicsRectItem(QStringLiteral("TrackingRegion"), 10, 10, 50, 50, 0);
        other->addGraphicsRectItem(QStringLiteral("TrackingRegion"), 0, 10, 50, 50, 0); // refused: empty item
        const ItemPtr last = regionItem(other->currentItem());
        QVERIFY(last);
        auto *stray = new SelectionRect;
        other->addItem(stray);
        delete other;
        QVERIFY(last.isNull());
        QCOMPARE(gGraphicsScene, static_cast<CustomGraphicsScene *>(nullptr));
        QCOMPARE(gCurrentRectItem, static_cast<CustomGraphicsRectItem *>(nullptr));
        gGraphicsScene = previous;
    }
};

QTEST_MAIN(tst_RegionItems)
#include "tst_region_items.moc"
