// The student reply's points back into the panel: camera units to label space with the
// defaults for zeros, the calibration points divided by 8, the shield polygons from their edge
// points, and the check boxes and point format from the enable strings.
#include "protocol/student_region_coord.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::optional<bool>)

namespace {
using Opt = std::optional<bool>;
const Opt kUnset;
} // namespace

class tst_StudentRegionCoord : public QObject
{
    Q_OBJECT

private slots:
    void enables_data()
    {
        QTest::addColumn<QString>("calibrate");
        QTest::addColumn<QString>("designated");
        QTest::addColumn<QString>("forward");
        QTest::addColumn<bool>("oldBefore");
        QTest::addColumn<Opt>("calibrationBox");
        QTest::addColumn<Opt>("designatedBox");
        QTest::addColumn<Opt>("forwardBox");
        QTest::addColumn<bool>("oldAfter");
        const QString null;
        QTest::newRow("all missing keep everything")
            << null << null << null << false << kUnset << kUnset << kUnset << false;
        QTest::newRow("old format on") << "1111" << "11110" << "1" << false << Opt(true) << Opt(true) << Opt(true) << true;
        QTest::newRow("new format on") << "111111" << "111111" << "0" << true << Opt(true) << Opt(true) << Opt(false)
                                       << false;
        QTest::newRow("old format off") << "0000" << "00000" << "" << false << Opt(false) << Opt(false) << Opt(false)
                                        << true;
        QTest::newRow("new format off") << "" << "000000" << "11" << true << Opt(false) << Opt(false) << Opt(false)
                                        << false;
        QTest::newRow("short designated string") << "111" << "1111" << "1" << true << Opt(false) << Opt(false)
                                                  << Opt(true) << false;
        QTest::newRow("empty designated string") << "1111" << "" << "1" << true << Opt(true) << Opt(false)
                                                 << Opt(true) << false;
    }

    void enables()
    {
        QFETCH(QString, calibrate);
        QFETCH(QString, designated);
        QFETCH(QString, forward);
        QFETCH(bool, oldBefore);
        QFETCH(Opt, calibrationBox);
        QFETCH(Opt, designatedBox);
        QFETCH(Opt, forwardBox);
        QFETCH(bool, oldAfter);
        StudentRegionCoord c;
        c.pano_calibrate_enable = calibrate;
        c.pano_designated_enable = designated;
        c.pano_student_forward_enable = forward;
        StudentRegionPoints p;
        const StudentRegionChecks checks = parse_student_region_coord(c, p, oldBefore);
        QCOMPARE(checks.pos_calibration_region, calibrationBox);
        QCOMPARE(checks.designated_region, designatedBox);
        QCOMPARE(checks.track_region, forwardBox);
        QCOMPARE(checks.old_format, oldAfter);
    }

    // Character i of the shield string drives shield box i; a short string or another
    // character leaves the rest alone, a missing string all four.
    void shieldEnables_data()
    {
        QTest::addColumn<QString>("enable");
        QTest::addColumn<Opt>("one");
        QTest::addColumn<Opt>("two");
        QTest::addColumn<Opt>("three");
        QTest::addColumn<Opt>("four");
        QTest::newRow("missing") << QString() << kUnset << kUnset << kUnset << kUnset;
        QTest::newRow("1010") << "1010" << Opt(true) << Opt(false) << Opt(true) << Opt(false);
        QTest::newRow("short 01") << "01" << Opt(false) << Opt(true) << kUnset << kUnset;
        QTest::newRow("empty") << "" << kUnset << kUnset << kUnset << kUnset;
        QTest::newRow("odd characters") << "1x0?" << Opt(true) << kUnset << Opt(false) << kUnset;
        QTest::newRow("longer") << "011110" << Opt(false) << Opt(true) << Opt(true) << Opt(true);
    }

    void shieldEnables()
    {
        QFETCH(QString, enable);
        QFETCH(Opt, one);
        QFETCH(Opt, two);
        QFETCH(Opt, three);
        QFETCH(Opt, four);
        StudentRegionCoord c;
        c.pano_shield_enable = enable;
        StudentRegionPoints p;
        const StudentRegionChecks checks = parse_student_region_coord(c, p, true);
        QCOMPARE(checks.shield[0], one);
        QCOMPARE(checks.shield[1], two);
        QCOMPARE(checks.shield[2], three);
        QCOMPARE(checks.shield[3], four);
    }

    // trunc(trunc(v / 2) * 1.5); a coordinate that comes out 0 takes its default, so a camera
    // that sends all zeros shows the default trapezoid.
    void areaAndDesignatedPoints()
    {
        StudentRegionPoints p;
        p.student_area_points = {QPoint(133, 266), QPoint(506, 1), QPoint(0, 0), QPoint(413, 80)};
        p.student_designated_points = {QPoint(92, 312), QPoint(508, 312), QPoint(468, 156),
                                       QPoint(368, 156), QPoint(256, 156), QPoint(152, 0)};
        StudentRegionCoord c;
        parse_student_region_coord(c, p, true);
        QCOMPARE(p.student_area_points[0], QPoint(99, 199));
        QCOMPARE(p.student_area_points[1], QPoint(379, 200)); // 1 comes out 0
        QCOMPARE(p.student_area_points[2], QPoint(310, 60));
        QCOMPARE(p.student_area_points[3], QPoint(309, 60));
        QCOMPARE(p.student_designated_points[0], QPoint(69, 234));
        QCOMPARE(p.student_designated_points[3], QPoint(276, 117));
        // The old format leaves points 5 and 6 as the reply stored them.
        QCOMPARE(p.student_designated_points[4], QPoint(256, 156));
        QCOMPARE(p.student_designated_points[5], QPoint(152, 0));

        // The new format, decided by this very reply, converts them too.
        c.pano_designated_enable = QStringLiteral("111111");
        p.student_designated_points[4] = QPoint(256, 156);
        p.student_designated_points[5] = QPoint(152, 0);
        parse_student_region_coord(c, p, true);
        QCOMPARE(p.student_designated_points[4], QPoint(192, 117));
        QCOMPARE(p.student_designated_points[5], QPoint(114, 117));
    }

    void allZeros()
    {
        StudentRegionPoints p;
        StudentRegionCoord c;
        parse_student_region_coord(c, p, false);
        QCOMPARE(p.student_area_points[0], QPoint(100, 200));
        QCOMPARE(p.student_area_points[1], QPoint(380, 200));
        QCOMPARE(p.student_area_points[2], QPoint(310, 60));
        QCOMPARE(p.student_area_points[3], QPoint(170, 60));
        QCOMPARE(p.student_designated_points[5], QPoint(114, 117));
        QCOMPARE(p.pano_calibrate_points[4], QPoint(160, 50));
        QCOMPARE(p.feature_calibrate_points[5], QPoint(150, 40));
    }

    // Calibration points are divided by 8 (toward zero); 0 takes the point's default.
    void calibrationPoints()
    {
        StudentRegionPoints p;
        p.pano_calibrate_points = {QPoint(80, 160), QPoint(7, 800), QPoint(-16, 9), QPoint(0, 0), QPoint(15, 17),
                                   QPoint(8, 8)};
        p.feature_calibrate_points[0] = QPoint(24, 32);
        StudentRegionCoord c;
        parse_student_region_coord(c, p, true);
        QCOMPARE(p.pano_calibrate_points[0], QPoint(10, 20));
        QCOMPARE(p.pano_calibrate_points[1], QPoint(380, 100));
        QCOMPARE(p.pano_calibrate_points[2], QPoint(-2, 1));
        QCOMPARE(p.pano_calibrate_points[3], QPoint(170, 60));
        QCOMPARE(p.pano_calibrate_points[4], QPoint(1, 2));
        QCOMPARE(p.pano_calibrate_points[5], QPoint(1, 1));
        QCOMPARE(p.feature_calibrate_points[0], QPoint(3, 4));
    }

    // Only what a reply carried is converted: a reply that confirms an Apply carries no point,
    // and the installer's points, shields and boxes stay as they are.
    void onlyWhatTheReplyCarried()
    {
        StudentRegionPoints p;
        p.student_area_points = {QPoint(90, 210), QPoint(380, 200), QPoint(310, 60), QPoint(0, 60)};
        p.student_designated_points[0] = QPoint(70, 230);
        p.pano_calibrate_points[0] = QPoint(12, 34);
        p.student_shield_points[0] = {QPoint(0, 60), QPoint(0, 268), QPoint(0, 268), QPoint(280, 267)};
        p.student_shield_drawn[0] = true;
        StudentRegionCoord c;
        c.pano_shield_enable = QStringLiteral("0000"); // from an earlier reply
        c.pano_designated_enable = QStringLiteral("111111");
        c.shield_values = {0, 100, 300, 200, 639, 100, 0, 200, 639, 30, 610, 0, 30, 0, 0, 30};
        const StudentRegionChecks checks = parse_student_region_coord(c, p, true, StudentReplyKeys{});
        QCOMPARE(p.student_area_points[0], QPoint(90, 210));
        QCOMPARE(p.student_area_points[3], QPoint(170, 60)); // a 0 still takes its default
        QCOMPARE(p.student_designated_points[0], QPoint(70, 230));
        QCOMPARE(p.pano_calibrate_points[0], QPoint(12, 34));
        QVERIFY(p.student_shield_drawn[0]);
        QCOMPARE(p.student_shield_points[0][3], QPoint(280, 267));
        for (const auto &box : checks.shield)
            QVERIFY(!box);
        QVERIFY(!checks.designated_region);
        QVERIFY(checks.old_format);

        // A reply with only the x of corner 1 and shield two converts just those.
        StudentReplyKeys keys;
        keys.area[0] = {true, false};
        keys.shield[1] = true;
        p.student_area_points[0] = QPoint(200, 210);
        parse_student_region_coord(c, p, true, keys);
        QCOMPARE(p.student_area_points[0], QPoint(150, 210));
        QCOMPARE(p.student_area_points[1], QPoint(380, 200));
        QVERIFY(p.student_shield_drawn[0]);
        QVERIFY(p.student_shield_drawn[1]);
        QCOMPARE(p.student_shield_points[1][0], QPoint(480, 75));
    }

    void shields_data()
    {
        QTest::addColumn<int>("shield");
        QTest::addColumn<QVector<int>>("values");
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<QVector<int>>("polygon"); // A, B, C, D as x, y pairs
        QTest::newRow("first, bottom edge") << 0 << QVector<int>{0, 80, 373, 359} << true
                                            << QVector<int>{0, 60, 0, 268, 0, 268, 279, 270};
        QTest::newRow("first, right edge") << 0 << QVector<int>{0, 359, 639, 200} << true
                                           << QVector<int>{0, 270, 0, 268, 480, 270, 480, 150};
        // 639 / 200 as shield 2's start gives A = (480, 150).
        QTest::newRow("second, top edge") << 1 << QVector<int>{639, 200, 400, 0} << true
                                          << QVector<int>{480, 150, 480, 0, 480, 0, 300, 0};
        QTest::newRow("second, left edge") << 1 << QVector<int>{639, 200, 0, 359} << true
                                           << QVector<int>{480, 150, 480, 0, 0, 0, 0, 268};
        QTest::newRow("third, top edge") << 2 << QVector<int>{639, 30, 610, 0} << true
                                         << QVector<int>{480, 22, 480, 0, 480, 0, 457, 0};
        QTest::newRow("fourth, left edge") << 3 << QVector<int>{30, 0, 0, 30} << true
                                           << QVector<int>{22, 0, 0, 0, 0, 0, 0, 22};
        QTest::newRow("fourth, bottom edge") << 3 << QVector<int>{639, 0, 200, 359} << true
                                             << QVector<int>{480, 0, 0, 0, 0, 270, 150, 270};
        // The fixed line of a second shield never drawn fits neither of its cases: it stays
        // not drawn, so the next Apply sends the same fixed line.
        QTest::newRow("second, fixed line") << 1 << QVector<int>{610, 359, 639, 330} << false
                                            << QVector<int>{1, 1, 2, 2, 3, 3, 4, 4};
        QTest::newRow("first, in the middle") << 0 << QVector<int>{0, 100, 300, 200} << false
                                              << QVector<int>{1, 1, 2, 2, 3, 3, 4, 4};
    }

    void shields()
    {
        QFETCH(int, shield);
        QFETCH(QVector<int>, values);
        QFETCH(bool, drawn);
        QFETCH(QVector<int>, polygon);
        StudentRegionPoints p;
        for (auto &q : p.student_shield_points)
            q = {QPoint(1, 1), QPoint(2, 2), QPoint(3, 3), QPoint(4, 4)};
        p.student_shield_drawn[size_t(shield)] = !drawn;
        StudentRegionCoord c;
        // The other shields hold lines that fit a case (their fixed lines, or for the second
        // shield a drawn one).
        c.shield_values = {0, 330, 30, 359, 639, 100, 0, 200, 639, 30, 610, 0, 30, 0, 0, 30};
        for (int j = 0; j < 4; ++j)
            c.shield_values[size_t(shield * 4 + j)] = values[j];
        parse_student_region_coord(c, p, true);
        QCOMPARE(p.student_shield_drawn[size_t(shield)], drawn);
        const auto &q = p.student_shield_points[size_t(shield)];
        for (int i = 0; i < 4; ++i)
            QCOMPARE(q[size_t(i)], QPoint(polygon[2 * i], polygon[2 * i + 1]));
        for (int k = 0; k < 4; ++k) {
            if (k != shield)
                QVERIFY(p.student_shield_drawn[size_t(k)]);
        }
    }
};

QTEST_APPLESS_MAIN(tst_StudentRegionCoord)
#include "tst_student_region_coord.moc"
