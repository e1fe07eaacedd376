#include "model/region_geometry.h"

#include <QtTest>

#include <limits>

using namespace region_geometry;

class tst_RegionGeometry : public QObject
{
    Q_OBJECT

private slots:
    void cameraToScene_data()
    {
        QTest::addColumn<int>("camera");
        QTest::addColumn<int>("scene");
        QTest::newRow("width") << 640 << 480;
        QTest::newRow("height") << 360 << 270;
        QTest::newRow("101 halves to 50") << 101 << 75;
        QTest::newRow("102: 76.5 truncated") << 102 << 76;
        QTest::newRow("610: 457.5 truncated") << 610 << 457;
        QTest::newRow("20") << 20 << 15;
        QTest::newRow("80") << 80 << 60;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("one halves to zero") << 1 << 0;
        QTest::newRow("three") << 3 << 1;
        QTest::newRow("negative truncates toward zero") << -3 << -1;
        QTest::newRow("largest int") << std::numeric_limits<int>::max() << 1610612734;
        QTest::newRow("smallest int") << std::numeric_limits<int>::min() << -1610612736;
    }
    void cameraToScene()
    {
        QFETCH(int, camera);
        QFETCH(int, scene);
        QCOMPARE(camera_to_scene(camera), scene);
    }

    void sceneToCamera_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<int>("camera");
        QTest::newRow("width") << 480 << 640;
        QTest::newRow("height") << 270 << 360;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("three") << 3 << 4;
        QTest::newRow("hundred") << 100 << 133;
        QTest::newRow("75 back to 100, not 101") << 75 << 100;
        QTest::newRow("76 back to 101, not 102") << 76 << 101;
        QTest::newRow("457 back to 609, not 610") << 457 << 609;
        QTest::newRow("178, a width cut at 478") << 178 << 237;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("negative") << -3 << -4;
        QTest::newRow("saturates high") << std::numeric_limits<int>::max() << std::numeric_limits<int>::max();
        QTest::newRow("saturates low") << std::numeric_limits<int>::min() << std::numeric_limits<int>::min();
    }
    void sceneToCamera()
    {
        QFETCH(int, scene);
        QFETCH(int, camera);
        QCOMPARE(scene_to_camera(scene), camera);
    }

    void rectConversion()
    {
        const RegionRect camera{20, 80, 610, 80};
        QCOMPARE(camera_to_scene(camera), (RegionRect{15, 60, 457, 60}));
        QCOMPARE(scene_to_camera(RegionRect{15, 60, 457, 60}), (RegionRect{20, 80, 609, 80}));
    }

    // A value sent back and forth may lose a unit or two on the first trips, but it must come
    // to rest instead of creeping down on every Obtain and Apply.
    void roundTripsSettle_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("maxTrips");
        QTest::addColumn<int>("maxDrift");
        QTest::newRow("610") << 610 << 2 << 2;
        QTest::newRow("101") << 101 << 2 << 1;
        QTest::newRow("102") << 102 << 2 << 2;
        QTest::newRow("width 640") << 640 << 1 << 0;
        QTest::newRow("height 360") << 360 << 1 << 0;
        QTest::newRow("odd 639") << 639 << 2 << 3;
        QTest::newRow("one") << 1 << 1 << 1;
        QTest::newRow("seven") << 7 << 2 << 3;
    }
    void roundTripsSettle()
    {
        QFETCH(int, start);
        QFETCH(int, maxTrips);
        QFETCH(int, maxDrift);
        int value = start;
        int trips = 0;
        constexpr int kTripLimit = 10;
        for (; trips < kTripLimit; ++trips) {
            const int next = scene_to_camera(camera_to_scene(value));
            if (next == value)
                break;
            QVERIFY2(next < value, "a round trip never grows a value");
            value = next;
        }
        QVERIFY2(trips <= maxTrips, qPrintable(QStringLiteral("%1 settled after %2 trips").arg(start).arg(trips)));
        QVERIFY(start - value <= maxDrift);
        // Once at rest it stays at rest, in both spaces.
        QCOMPARE(scene_to_camera(camera_to_scene(value)), value);
        const int scene = camera_to_scene(value);
        QCOMPARE(camera_to_scene(scene_to_camera(scene)), scene);
    }

    // Every value of the camera space comes to rest within two trips and loses at most three;
    // every scene value within two trips, losing at most two.
    void roundTripsSettleEverywhere()
    {
        for (int start = 0; start <= kCameraWidth; ++start) {
            int value = start;
            int trips = 0;
            while (trips < 10) {
                const int next = scene_to_camera(camera_to_scene(value));
                if (next == value)
                    break;
                value = next;
                ++trips;
            }
            QVERIFY2(trips <= 2, qPrintable(QString::number(start)));
            QVERIFY2(start - value >= 0 && start - value <= 3, qPrintable(QString::number(start)));
        }
        // Scene values drawn by the installer likewise, apply after obtain.
        for (int start = 0; start <= kSceneWidth; ++start) {
            int value = start;
            int trips = 0;
            while (trips < 10) {
                const int next = camera_to_scene(scene_to_camera(value));
                if (next == value)
                    break;
                value = next;
                ++trips;
            }
            QVERIFY2(trips <= 2, qPrintable(QString::number(start)));
            QVERIFY2(start - value >= 0 && start - value <= 2, qPrintable(QString::number(start)));
        }
    }

    void regionSpace_data()
    {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("touches the left edge") << QRectF(0, 10, 50, 50) << false;
        QTest::newRow("touches the right edge") << QRectF(10, 10, 470, 50) << false;
        QTest::newRow("touches the top edge") << QRectF(10, 0, 50, 50) << false;
        QTest::newRow("touches the bottom edge") << QRectF(10, 10, 50, 260) << false;
        QTest::newRow("largest inside") << QRectF(1, 1, 478, 268) << true;
        QTest::newRow("just inside") << QRectF(0.5, 0.5, 479, 269) << true;
        QTest::newRow("empty at the origin") << QRectF() << false;
        QTest::newRow("beyond") << QRectF(400, 10, 100, 50) << false;
    }
    void regionSpace()
    {
        QFETCH(QRectF, rect);
        QFETCH(bool, accepted);
        QCOMPARE(region_space_accepts(rect), accepted);
    }

    void inBounds_data()
    {
        QTest::addColumn<QVector<int>>("rect");
        QTest::addColumn<bool>("inside");
        QTest::newRow("converted default tracking") << QVector<int>{15, 60, 457, 60} << true;
        QTest::newRow("ends beyond 480") << QVector<int>{75, 60, 420, 60} << false;
        QTest::newRow("right edge on 480") << QVector<int>{80, 60, 400, 60} << true;
        QTest::newRow("bottom edge on 270") << QVector<int>{80, 70, 400, 200} << true;
        QTest::newRow("x of 2") << QVector<int>{2, 60, 100, 60} << false;
        QTest::newRow("width of 2") << QVector<int>{10, 60, 2, 60} << false;
        QTest::newRow("all 3") << QVector<int>{3, 3, 3, 3} << true;
        QTest::newRow("huge width cannot wrap") << QVector<int>{10, 10, std::numeric_limits<int>::max(), 10} << false;
    }
    void inBounds()
    {
        QFETCH(QVector<int>, rect);
        QFETCH(bool, inside);
        QCOMPARE(region_in_bounds(rect[0], rect[1], rect[2], rect[3]), inside);
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
        QTest::newRow("dragged out to y -10") << QRectF(11, -10, 50, 40) << QVector<int>{10, 3, 50, 30};
        QTest::newRow("x of 3 stays 3") << QRectF(3, 3, 10, 11) << QVector<int>{3, 3, 10, 11};
        QTest::newRow("fractions truncate") << QRectF(10.7, 20.2, 99.9, 49.5) << QVector<int>{9, 19, 99, 49};
    }
    void collected()
    {
        QFETCH(QRectF, read);
        QFETCH(QVector<int>, stored);
        const RegionRect r = collected_rect(read);
        QCOMPARE((QVector<int>{r.x, r.y, r.w, r.h}), stored);
    }
};

QTEST_APPLESS_MAIN(tst_RegionGeometry)
#include "tst_region_geometry.moc"
