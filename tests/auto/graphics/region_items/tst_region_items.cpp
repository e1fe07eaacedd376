// Region items and the region scene on a region view of their own (offscreen), driven with
// synthetic mouse events, and the region arithmetic beneath them.
#define QTEST_QPA_MOUSE_HANDLING

#include "model/region_geometry.h"
#include "regions/customgraphicsrectitem.h"
#include "regions/customgraphicsscene.h"
#include "regions/customgraphicsview.h"
#include "regions/dotsignalgraphicsrectitem.h"
#include "regions/selectionrect.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <limits>
#include <memory>

using namespace region_geometry;

namespace {
using ItemPtr = QPointer<CustomGraphicsRectItem>;

// A point of the scene where no test puts an item: the pointer goes there to leave items.
const QPointF kEmptySpot(440, 250);
const QRectF kRect(100, 100, 100, 50);
const QString kTracking = QStringLiteral("TrackingRegion");

CustomGraphicsRectItem *regionItem(QGraphicsItem *item) { return dynamic_cast<CustomGraphicsRectItem *>(item); }
QRectF sceneRectOf(CustomGraphicsRectItem *item) { return item->rect().translated(item->pos()); }

// How a region and its record go, and what the mouse was doing meanwhile.
enum class Removal { ByName, ClearAll, ClearList, DeleteItem, DestroyScene };
enum class Gesture { None, Drawing, RubberBand, Dragging };
} // namespace
Q_DECLARE_METATYPE(Removal)
Q_DECLARE_METATYPE(Gesture)

class tst_RegionItems : public QObject
{
    Q_OBJECT

    std::unique_ptr<CustomGraphicsView> view;
    CustomGraphicsScene *scene = nullptr;

    void press(const QPointF &p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::mousePress(view->viewport(), b, m, view->mapFromScene(p));
    }
    void move(const QPointF &p) { QTest::mouseMove(view->viewport(), view->mapFromScene(p)); }
    void release(const QPointF &p, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(view->viewport(), b, Qt::NoModifier, view->mapFromScene(p));
    }
    // The pointer enters from an empty spot, then one move from the press to the release: every
    // move is a step of its own, which an edge resize or a drawing takes when it is allowed.
    void drag(const QPointF &from, const QPointF &to)
    {
        hover(from);
        press(from);
        move(to);
        release(to);
    }
    void hover(const QPointF &p)
    {
        move(kEmptySpot);
        move(p);
    }
    CustomGraphicsRectItem *addRegion(const QString &name, const QRectF &r, int type = 0)
    {
        scene->setTrackingRegionName(name);
        scene->addGraphicsRectItem(name, r.x(), r.y(), r.width(), r.height(), type);
        return regionItem(scene->graphicsRectList().last()->item);
    }

private slots:
    void initTestCase()
    {
        view.reset(new CustomGraphicsView);
        scene = new CustomGraphicsScene(view.get());
        scene->setSceneRect(0, 0, 480, 270);
        view->resize(480, 270);
        view->setScene(scene);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QCOMPARE(view->viewport()->size(), QSize(480, 270));
        QCOMPARE(view->mapFromScene(QPointF(100, 50)), QPoint(100, 50));
    }
    void cleanupTestCase()
    {
        view.reset();
        QCOMPARE(gGraphicsScene, static_cast<CustomGraphicsScene *>(nullptr));
    }
    void init()
    {
        move(kEmptySpot);
        scene->clearAllItems();
        scene->setCurrentAction(CustomGraphicsScene::DefaultType);
        scene->setTrackingRegionName(QString());
    }

    void drawing_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRectF>("expected"); // null: the item stays empty
        QTest::newRow("click draws 20 by 20") << QPointF(100, 100) << QPointF(100, 100) << QRectF(100, 100, 20, 20);
        QTest::newRow("narrow drag widens to 20") << QPointF(100, 100) << QPointF(105, 150) << QRectF(100, 100, 20, 50);
        QTest::newRow("starts on the left edge") << QPointF(0, 100) << QPointF(60, 150) << QRectF();
        QTest::newRow("ends beyond 480") << QPointF(400, 100) << QPointF(490, 150) << QRectF();
    }
    void drawing()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QRectF, expected);
        scene->setTrackingRegionName(QStringLiteral("ShieldRegionTwo"));
        scene->setItemType(2);
        QSignalSpy actions(scene, &CustomGraphicsScene::currentActionChanged);
        QSignalSpy created(scene, &CustomGraphicsScene::signalNewSelectItem);
        scene->setCurrentAction(CustomGraphicsScene::RectType);
        press(from);
        move(to);
        release(to);
        QCOMPARE(created.size(), 1);
        QCOMPARE(actions.size(), 2); // armed, and back to the default once drawn
        QCOMPARE(scene->currentItem(), static_cast<QGraphicsItem *>(nullptr));
        QCOMPARE(scene->graphicsRectList().size(), 1);
        QCOMPARE(scene->graphicsRectList().first()->regionName, QStringLiteral("ShieldRegionTwo"));
        CustomGraphicsRectItem *item = regionItem(scene->graphicsRectList().first()->item);
        QCOMPARE(item->pen().style(), Qt::DashLine);
        QCOMPARE(item->rect(), expected.isNull() ? QRectF() : expected);
    }

    // Within 8 units of an edge the pointer resizes (a flag per edge); handles show while it is in.
    void hoverBand()
    {
        CustomGraphicsRectItem *item = addRegion(kTracking, kRect);
        QList<uint> flags;
        for (const QPointF &p : {QPointF(150, 108), QPointF(150, 109), QPointF(192, 142), QPointF(108, 125)}) {
            hover(p);
            flags << item->cornerFlags();
            QCOMPARE(item->cursor().shape(), flags.last() ? Qt::BitmapCursor : Qt::CrossCursor);
        }
        QCOMPARE(flags, (QList<uint>{1, 0, 10, 4}));
        QCOMPARE(item->handles()[7]->pos(), kRect.bottomRight());
        QVERIFY(item->handles()[2]->isVisible());
        move(kEmptySpot);
        QVERIFY(item->cornerFlags() == 0 && !item->handles()[2]->isVisible());
        QCOMPARE(item->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(gHandleRect, kRect);
        // Shorter than 18: inside, the pointer is near both the top and the bottom.
        CustomGraphicsRectItem *thin = addRegion(kTracking, QRectF(100, 200, 100, 15));
        hover(QPointF(105, 207));
        QCOMPARE(thin->cornerFlags(), 7u);
    }

    // An edge pulled, or the middle dragged (kept 5 units inside), to a point.
    void pull_data()
    {
        QTest::addColumn<QPointF>("grab");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRectF>("expected"); // in the scene
        QTest::newRow("right edge out") << QPointF(198, 125) << QPointF(260, 125) << QRectF(100, 100, 160, 50);
        QTest::newRow("right edge: 9 wide") << QPointF(198, 125) << QPointF(109, 125) << kRect;
        QTest::newRow("right edge: 10 wide") << QPointF(198, 125) << QPointF(110, 125) << QRectF(100, 100, 10, 50);
        QTest::newRow("left edge across the right") << QPointF(102, 125) << QPointF(230, 125) << kRect;
        QTest::newRow("right edge grabbed 8 in") << QPointF(192, 125) << QPointF(202, 125) << QRectF(100, 100, 102, 50);
        QTest::newRow("grabbed 9 in: a drag") << QPointF(191, 125) << QPointF(201, 125) << QRectF(110, 100, 100, 50);
        QTest::newRow("top-left corner") << QPointF(102, 102) << QPointF(50, 80) << QRectF(50, 80, 150, 70);
        QTest::newRow("right edge past 480") << QPointF(198, 125) << QPointF(480, 125) << kRect;
        QTest::newRow("middle: far right") << QPointF(150, 125) << QPointF(470, 125) << QRectF(375, 100, 100, 50);
    }
    void pull()
    {
        QFETCH(QPointF, grab);
        QFETCH(QPointF, to);
        CustomGraphicsRectItem *item = addRegion(kTracking, kRect);
        drag(grab, to);
        QTEST(sceneRectOf(item), "expected");
        QCOMPARE(item->handles()[7]->pos(), item->rect().bottomRight()); // the handles follow
    }

    // A dragged item is bounded where it stands in the scene, not where it started.
    void resizeAfterDragStaysInside()
    {
        CustomGraphicsRectItem *item = addRegion(kTracking, kRect);
        drag(QPointF(150, 125), QPointF(350, 125));
        QCOMPARE(sceneRectOf(item), QRectF(300, 100, 100, 50));
        hover(QPointF(398, 125));
        QCOMPARE(item->cornerFlags(), 8u);
        drag(QPointF(398, 125), QPointF(485, 125));
        QCOMPARE(sceneRectOf(item), QRectF(300, 100, 100, 50));
        drag(QPointF(398, 125), QPointF(470, 125));
        QCOMPARE(sceneRectOf(item), QRectF(300, 100, 170, 50));
    }

    void onlyTheCurrentRegionReacts()
    {
        CustomGraphicsRectItem *shield = addRegion(QStringLiteral("ShieldRegionOne"), QRectF(250, 100, 100, 50), 2);
        CustomGraphicsRectItem *tracking = addRegion(kTracking, QRectF(50, 100, 100, 50));
        // No hover, click, drag or pull at its edge changes the shield.
        drag(QPointF(348, 125), QPointF(420, 125));
        QCOMPARE(shield->cornerFlags(), 0u);
        drag(QPointF(300, 125), QPointF(300, 200));
        drag(QPointF(100, 125), QPointF(120, 135));
        QVERIFY(!shield->isSelected());
        QCOMPARE(sceneRectOf(shield), QRectF(250, 100, 100, 50));
        QCOMPARE(sceneRectOf(tracking), QRectF(70, 110, 100, 50));
        // Switching the current name switches which one reacts.
        scene->setTrackingRegionName(QStringLiteral("ShieldRegionOne"));
        drag(QPointF(300, 125), QPointF(300, 145));
        drag(QPointF(120, 135), QPointF(150, 135));
        QCOMPARE(sceneRectOf(shield), QRectF(250, 120, 100, 50));
        QCOMPARE(sceneRectOf(tracking), QRectF(70, 110, 100, 50));
    }

    // A finished rubber band is removed from the scene at once.
    void rubberBandSelects()
    {
        CustomGraphicsRectItem *a = addRegion(QStringLiteral("ShieldRegionOne"), QRectF(50, 50, 60, 40), 2);
        CustomGraphicsRectItem *b = addRegion(QStringLiteral("ShieldRegionTwo"), QRectF(300, 150, 60, 40), 2);
        scene->setCurrentAction(CustomGraphicsScene::RectType);
        QSignalSpy selected(scene, &CustomGraphicsScene::signalSelectItem);
        press(QPointF(40, 40), Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(scene->currentAction(), int(CustomGraphicsScene::SelectionType));
        move(QPointF(80, 70));
        move(QPointF(120, 100));
        QCOMPARE(static_cast<SelectionRect *>(scene->currentItem())->rect(), QRectF(40, 40, 80, 60));
        release(QPointF(120, 100));
        QVERIFY(a->isSelected() && !b->isSelected());
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().first().value<QGraphicsItem *>(), static_cast<QGraphicsItem *>(a));
        QCOMPARE(scene->currentAction(), int(CustomGraphicsScene::RectType));
        QCOMPARE(scene->currentItem(), static_cast<QGraphicsItem *>(nullptr));
        for (QGraphicsItem *item : scene->items())
            QVERIFY(item->type() != 65537);
    }

    // A right click names the selected regions; on a region that is not being edited it must
    // not leave that region holding the mouse: the next drag still moves the current region.
    void rightClickLetsGoOfTheMouse()
    {
        CustomGraphicsRectItem *board = addRegion(QStringLiteral("BoardRegionLeft"), QRectF(250, 100, 100, 50), 1);
        CustomGraphicsRectItem *tracking = addRegion(kTracking, QRectF(50, 100, 100, 50));
        QSignalSpy names(scene, &CustomGraphicsScene::signalSelectItemStr);
        for (bool selected : {false, true}) {
            board->setSelected(selected);
            press(QPointF(300, 125), Qt::RightButton);
            release(QPointF(300, 125), Qt::RightButton);
        }
        QCOMPARE(names.size(), 1);
        QCOMPARE(names.first().first().toString(), QStringLiteral("BoardRegionLeft"));
        QCOMPARE(scene->mouseGrabberItem(), static_cast<QGraphicsItem *>(nullptr));
        drag(QPointF(100, 125), QPointF(120, 125));
        QCOMPARE(sceneRectOf(tracking), QRectF(70, 100, 100, 50));
    }

    // One ownership rule: whichever way a record or its item goes, both go in the same step, the
    // current item and gCurrentRectItem are reset, and a gesture under way finds nothing left
    // (run under ASan for the use-after-free these once were).
    void removal_data()
    {
        QTest::addColumn<Removal>("how");
        QTest::addColumn<Gesture>("gesture");
        QTest::newRow("by name") << Removal::ByName << Gesture::None;
        QTest::newRow("by name while dragging it") << Removal::ByName << Gesture::Dragging;
        QTest::newRow("clear all") << Removal::ClearAll << Gesture::None;
        QTest::newRow("clear all while drawing") << Removal::ClearAll << Gesture::Drawing;
        QTest::newRow("clear all during a rubber band") << Removal::ClearAll << Gesture::RubberBand;
        QTest::newRow("the list alone, as the wizard clears it") << Removal::ClearList << Gesture::None;
        QTest::newRow("items deleted elsewhere") << Removal::DeleteItem << Gesture::None;
        QTest::newRow("scene destroyed") << Removal::DestroyScene << Gesture::None;
    }
    void removal()
    {
        QFETCH(Removal, how);
        QFETCH(Gesture, gesture);
        CustomGraphicsScene *target = scene;
        std::unique_ptr<CustomGraphicsScene> other;
        if (how == Removal::DestroyScene) {
            other.reset(target = new CustomGraphicsScene);
            other->addItem(new SelectionRect); // a rubber band under way
        }
        target->addGraphicsRectItem(QStringLiteral("SnapshotRegion"), 300, 100, 50, 50, 3);
        target->setTrackingRegionName(kTracking);
        target->addGraphicsRectItem(kTracking, 100, 100, 100, 50, 0);
        target->addGraphicsRectItem(kTracking, 0, 10, 50, 50, 0); // refused: an empty item
        // The snapshot region stays when the tracking ones go by name or are deleted.
        const int left = how == Removal::ByName || how == Removal::DeleteItem ? 1 : 0;
        QList<ItemPtr> gone;
        for (RectFManage *record : target->graphicsRectList())
            gone << regionItem(record->item);
        gone = gone.mid(left);
        QCOMPARE(gCurrentRectItem, gone.last().data());
        if (gesture == Gesture::Dragging) {
            hover(QPointF(150, 125));
            press(QPointF(150, 125));
            move(QPointF(170, 130));
        } else if (gesture == Gesture::Drawing) {
            target->setCurrentAction(CustomGraphicsScene::RectType);
            press(QPointF(50, 50));
            gone << regionItem(target->currentItem());
            move(QPointF(80, 80));
        } else if (gesture == Gesture::RubberBand) {
            press(QPointF(10, 10), Qt::LeftButton, Qt::ShiftModifier);
            move(QPointF(60, 60));
        }

        switch (how) {
        case Removal::ByName: target->delGraphicsRectItem(kTracking); break;
        case Removal::ClearAll: target->clearAllItems(); break;
        case Removal::ClearList: target->clearGraphicsRectList(); break;
        case Removal::DeleteItem: qDeleteAll(gone); break;
        case Removal::DestroyScene: other.reset(); break;
        }
        for (const ItemPtr &item : gone)
            QVERIFY(item.isNull());
        QCOMPARE(gCurrentRectItem, static_cast<CustomGraphicsRectItem *>(nullptr));
        if (how == Removal::DestroyScene) {
            QCOMPARE(gGraphicsScene, static_cast<CustomGraphicsScene *>(nullptr));
            gGraphicsScene = scene;
            return;
        }
        QCOMPARE(scene->currentItem(), static_cast<QGraphicsItem *>(nullptr));
        QCOMPARE(scene->graphicsRectList().size(), left);
        move(QPointF(120, 120));
        release(QPointF(120, 120));
        QCOMPARE(scene->currentAction(), 0);
        QCOMPARE(scene->items().size(), 9 * left);
        // Another drawing after that starts cleanly.
        scene->setCurrentAction(CustomGraphicsScene::RectType);
        drag(QPointF(50, 150), QPointF(90, 190));
        QCOMPARE(regionItem(scene->graphicsRectList().last()->item)->rect(), QRectF(50, 150, 40, 40));
    }

    // The arithmetic under the items.
    // Camera to scene halves, then takes 1.5 times, truncating each time; scene to camera adds
    // the third; both saturate on values beyond the int range.
    void conversions_data()
    {
        QTest::addColumn<bool>("toScene");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        const int max = std::numeric_limits<int>::max();
        const int min = std::numeric_limits<int>::min();
        QTest::newRow("camera width") << true << 640 << 480;
        QTest::newRow("camera 102: 76.5 truncated") << true << 102 << 76;
        QTest::newRow("camera -3 truncates toward zero") << true << -3 << -1;
        QTest::newRow("largest camera int") << true << max << 1610612734;
        QTest::newRow("smallest camera int") << true << min << -1610612736;
        QTest::newRow("scene width") << false << 480 << 640;
        QTest::newRow("scene 75 back to 100, not 101") << false << 75 << 100;
        QTest::newRow("scene 457 back to 609, not 610") << false << 457 << 609;
        QTest::newRow("scene -3") << false << -3 << -4;
        QTest::newRow("scene saturates high") << false << max << max;
        QTest::newRow("scene saturates low") << false << min << min;
    }

    void conversions()
    {
        QFETCH(bool, toScene);
        QFETCH(int, from);
        QTEST(toScene ? camera_to_scene(from) : scene_to_camera(from), "to");
    }

    // Values go back and forth with every Obtain and Apply: each camera value comes to rest within
    // two trips and loses at most three units, each scene value within two, losing at most two,
    // instead of creeping down on every trip.
    void roundTripsSettleEverywhere()
    {
        for (const bool fromCamera : {true, false}) {
            for (int start = 0; start <= (fromCamera ? kCameraWidth : kSceneWidth); ++start) {
                int value = start;
                int trips = 0;
                for (; trips < 10; ++trips) {
                    const int next = fromCamera ? scene_to_camera(camera_to_scene(value))
                                                : camera_to_scene(scene_to_camera(value));
                    if (next == value)
                        break;
                    value = next;
                }
                QVERIFY2(trips <= 2, qPrintable(QString::number(start)));
                const int lost = start - value;
                QVERIFY2(lost >= 0 && lost <= (fromCamera ? 3 : 2), qPrintable(QString::number(start)));
            }
        }
    }

    // What a drawn region may cover (its rectangle in the scene) and what a stored one may hold
    // (x, y, width and height in whole units).
    void regionBounds_data()
    {
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("drawn touches the left edge") << true << QRectF(0, 10, 50, 50) << false;
        QTest::newRow("drawn touches the right edge") << true << QRectF(10, 10, 470, 50) << false;
        QTest::newRow("drawn largest inside") << true << QRectF(1, 1, 478, 268) << true;
        QTest::newRow("drawn just inside") << true << QRectF(0.5, 0.5, 479, 269) << true;
        QTest::newRow("drawn empty at the origin") << true << QRectF() << false;
        QTest::newRow("converted default tracking") << false << QRectF(15, 60, 457, 60) << true;
        QTest::newRow("ends beyond 480") << false << QRectF(75, 60, 420, 60) << false;
        QTest::newRow("right edge on 480") << false << QRectF(80, 60, 400, 60) << true;
        QTest::newRow("x of 2") << false << QRectF(2, 60, 100, 60) << false;
        QTest::newRow("width of 2") << false << QRectF(10, 60, 2, 60) << false;
        QTest::newRow("all 3") << false << QRectF(3, 3, 3, 3) << true;
        QTest::newRow("huge width cannot wrap") << false << QRectF(10, 10, std::numeric_limits<int>::max(), 10) << false;
    }
    void regionBounds()
    {
        QFETCH(bool, drawn);
        QFETCH(QRectF, rect);
        QTEST(drawn ? region_space_accepts(rect)
                    : region_in_bounds(int(rect.x()), int(rect.y()), int(rect.width()), int(rect.height())),
              "accepted");
    }

    void itemSceneRect()
    {
        // A rectangle (10, 20, 100, 50) drawn with a 2-unit pen has the bounding rectangle
        // (9, 19, 102, 52); read back it is shifted by one.
        QCOMPARE(item_scene_rect(QRectF(9, 19, 102, 52), QPointF(0, 0)), QRectF(11, 21, 100, 50));
        QCOMPARE(item_scene_rect(QRectF(9, 19, 102, 52), QPointF(30, -5)), QRectF(41, 16, 100, 50));
    }

    void collected_data()
    {
        QTest::addColumn<QRectF>("read");
        QTest::addColumn<QVector<int>>("stored");
        QTest::newRow("inside: one back") << QRectF(11, 21, 100, 50) << QVector<int>{10, 20, 100, 50};
        QTest::newRow("dragged out to x -4") << QRectF(-4, 21, 50, 50) << QVector<int>{3, 20, 46, 50};
        QTest::newRow("width cut at 478") << QRectF(300, 21, 200, 50) << QVector<int>{299, 20, 178, 50};
        QTest::newRow("height cut at 268") << QRectF(11, 200, 50, 100) << QVector<int>{10, 199, 50, 68};
        QTest::newRow("fractions truncate") << QRectF(10.7, 20.2, 99.9, 49.5) << QVector<int>{9, 19, 99, 49};
    }
    void collected()
    {
        QFETCH(QRectF, read);
        const RegionRect r = collected_rect(read);
        QTEST((QVector<int>{r.x, r.y, r.w, r.h}), "stored");
    }
};

QTEST_MAIN(tst_RegionItems)
#include "tst_region_items.moc"
