#include "model/region_geometry.h"

#include <QtTest>

#include <limits>

using namespace region_geometry;

class tst_RegionGeometry : public QObject
{
    Q_OBJECT

private slots:
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
        QTest::newRow("camera 101 halves to 50") << true << 101 << 75;
        QTest::newRow("camera 102: 76.5 truncated") << true << 102 << 76;
        QTest::newRow("camera 610: 457.5 truncated") << true << 610 << 457;
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

    void regionSpace_data()
    {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("touches the left edge") << QRectF(0, 10, 50, 50) << false;
        QTest::newRow("touches the right edge") << QRectF(10, 10, 470, 50) << false;
        QTest::newRow("largest inside") << QRectF(1, 1, 478, 268) << true;
        QTest::newRow("just inside") << QRectF(0.5, 0.5, 479, 269) << true;
        QTest::newRow("empty at the origin") << QRectF() << false;
    }
    void regionSpace()
    {
        QFETCH(QRectF, rect);
        QTEST(region_space_accepts(rect), "accepted");
    }

    void inBounds_data()
    {
        QTest::addColumn<QVector<int>>("rect");
        QTest::addColumn<bool>("inside");
        QTest::newRow("converted default tracking") << QVector<int>{15, 60, 457, 60} << true;
        QTest::newRow("ends beyond 480") << QVector<int>{75, 60, 420, 60} << false;
        QTest::newRow("right edge on 480") << QVector<int>{80, 60, 400, 60} << true;
        QTest::newRow("x of 2") << QVector<int>{2, 60, 100, 60} << false;
        QTest::newRow("width of 2") << QVector<int>{10, 60, 2, 60} << false;
        QTest::newRow("all 3") << QVector<int>{3, 3, 3, 3} << true;
        QTest::newRow("huge width cannot wrap") << QVector<int>{10, 10, std::numeric_limits<int>::max(), 10} << false;
    }
    void inBounds()
    {
        QFETCH(QVector<int>, rect);
        QTEST(region_in_bounds(rect[0], rect[1], rect[2], rect[3]), "inside");
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

QTEST_APPLESS_MAIN(tst_RegionGeometry)
#include "tst_region_geometry.moc"
