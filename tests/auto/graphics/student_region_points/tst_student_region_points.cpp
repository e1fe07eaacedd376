// The student panel's points: the numbering the settings file uses and the tab's defaults.
#include "model/student_region_points.h"

#include <QtTest>

class tst_StudentRegionPoints : public QObject
{
    Q_OBJECT

private slots:
    // Stored points 0 to 3 are the corners, 4 to 9 the designated points 1 to 6.
    void storedNumbering()
    {
        StudentRegionPoints p;
        for (int i = 0; i < StudentRegionPoints::kStoredPointCount; ++i)
            p.stored_point(i) = QPoint(i, -i);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(p.student_area_points[size_t(i)], QPoint(i, -i));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(p.student_designated_points[size_t(i)], QPoint(i + 4, -i - 4));
        const StudentRegionPoints &constRef = p;
        QCOMPARE(constRef.stored_point(9), QPoint(9, -9));
    }

    void startsAtZero()
    {
        StudentRegionPoints p;
        for (int i = 0; i < StudentRegionPoints::kStoredPointCount; ++i)
            QCOMPARE(p.stored_point(i), QPoint(0, 0));
        for (bool drawn : p.student_shield_drawn)
            QVERIFY(!drawn);
    }

    void defaults_data()
    {
        QTest::addColumn<bool>("oldFormat");
        QTest::addColumn<QPoint>("fifth");
        QTest::addColumn<QPoint>("sixth");
        QTest::newRow("old format keeps 5 and 6") << true << QPoint(7, 8) << QPoint(9, 10);
        QTest::newRow("new format sets 5 and 6") << false << QPoint(192, 117) << QPoint(114, 117);
    }

    void defaults()
    {
        QFETCH(bool, oldFormat);
        QFETCH(QPoint, fifth);
        QFETCH(QPoint, sixth);
        StudentRegionPoints p;
        p.student_designated_points[4] = QPoint(7, 8);
        p.student_designated_points[5] = QPoint(9, 10);
        p.student_shield_points[1][2] = QPoint(5, 5);
        p.student_shield_drawn[1] = true;
        p.pano_calibrate_points[0] = QPoint(3, 3);
        p.set_defaults(oldFormat);
        QCOMPARE(p.student_area_points[0], QPoint(100, 200));
        QCOMPARE(p.student_area_points[1], QPoint(380, 200));
        QCOMPARE(p.student_area_points[2], QPoint(310, 60));
        QCOMPARE(p.student_area_points[3], QPoint(170, 60));
        QCOMPARE(p.student_designated_points[0], QPoint(69, 234));
        QCOMPARE(p.student_designated_points[1], QPoint(381, 234));
        QCOMPARE(p.student_designated_points[2], QPoint(351, 117));
        QCOMPARE(p.student_designated_points[3], QPoint(276, 117));
        QCOMPARE(p.student_designated_points[4], fifth);
        QCOMPARE(p.student_designated_points[5], sixth);
        // Shields and calibration points keep their values.
        QCOMPARE(p.student_shield_points[1][2], QPoint(5, 5));
        QVERIFY(p.student_shield_drawn[1]);
        QCOMPARE(p.pano_calibrate_points[0], QPoint(3, 3));
    }
};

QTEST_APPLESS_MAIN(tst_StudentRegionPoints)
#include "tst_student_region_points.moc"
