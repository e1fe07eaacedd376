// The student area's mouse handling in wizard units (the preview's origin at 315, 78): corner
// picks at the edge of their reach, shield lines snapped to their edges or reset, and the fill
// from a reply with its defaults and edge values.
#include "wizard/student_area.h"

#include <QtTest>

using namespace student_area;

using Polygon = std::array<QPoint, 4>;
Q_DECLARE_METATYPE(Polygon)

namespace {

QString text(const Polygon &q)
{
    QStringList out;
    for (const QPoint &p : q)
        out << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return out.join(' ');
}

} // namespace

class tst_StudentArea : public QObject
{
    Q_OBJECT

private slots:
    // Corner 0 sits at (100, 200), on the wizard at (415, 278).
    void cornerPick_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<int>("picked");
        QTest::newRow("7 off on both axes") << QPoint(422, 285) << 0;
        QTest::newRow("7 off the other way") << QPoint(408, 271) << 0;
        QTest::newRow("8 off in x") << QPoint(423, 278) << -1;
        QTest::newRow("8 off in y") << QPoint(415, 270) << -1;
        QTest::newRow("corner 2 (310, 60)") << QPoint(625, 138) << 2;
        QTest::newRow("outside the picture") << QPoint(314, 278) << -1;
    }

    void cornerPick()
    {
        QFETCH(QPoint, press);
        QFETCH(int, picked);
        StudentArea a;
        const MouseResult r = corner_press(a, press);
        QCOMPARE(a.dragging ? a.dragged : -1, picked);
        QCOMPARE(r.cursor.has_value(), picked >= 0);
        // The drag follows inside the picture only; the release stores label units.
        corner_move(a, QPoint(900, 100));
        corner_move(a, QPoint(500, 300));
        const MouseResult done = corner_release(a, QPoint(500, 300));
        QCOMPARE(done.changed, picked >= 0);
        if (picked >= 0) {
            QCOMPARE(a.student_track_points[size_t(picked)], QPoint(185, 222));
            QVERIFY(a.placed[size_t(picked)]);
        }
    }

    void shieldLine_data()
    {
        QTest::addColumn<int>("shield");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<QString>("polygon"); // empty: reset
        QTest::newRow("one, left to bottom") << 0 << QPoint(316, 200) << QPoint(700, 340)
                                            << "0,122 0,267 0,267 385,267";
        QTest::newRow("one, left to right") << 0 << QPoint(316, 200) << QPoint(789, 150)
                                           << "0,122 0,267 480,268 479,72";
        QTest::newRow("one, in the middle") << 0 << QPoint(316, 200) << QPoint(600, 200) << "";
        QTest::newRow("two, right to top") << 1 << QPoint(790, 300) << QPoint(500, 80)
                                          << "480,222 480,-2 480,-2 185,-2";
        QTest::newRow("three, right to left") << 2 << QPoint(790, 300) << QPoint(320, 200)
                                             << "480,222 480,-2 0,-2 0,122";
        QTest::newRow("four, top to left") << 3 << QPoint(500, 90) << QPoint(318, 200)
                                          << "185,0 0,-2 0,-2 0,122";
        QTest::newRow("four, top to bottom") << 3 << QPoint(500, 90) << QPoint(600, 336)
                                            << "185,0 0,-2 0,268 285,267";
        QTest::newRow("four, near neither edge") << 3 << QPoint(500, 90) << QPoint(500, 200) << "";
    }

    void shieldLine()
    {
        QFETCH(int, shield);
        QFETCH(QPoint, press);
        QFETCH(QPoint, release);
        StudentArea a;
        a.current_shield = shield;
        shield_press(a, press);
        shield_move(a, release);
        QVERIFY(shield_release(a).changed);
        QFETCH(QString, polygon);
        const size_t k = size_t(shield);
        QCOMPARE(a.polygon_ready[k] ? text(a.student_shield_polygons[k]) : QString(), polygon);
        if (polygon.isEmpty())
            QCOMPARE(a.shield_start[k] + a.shield_end[k], QPoint(0, 0));
    }

    // A finished shield keeps its polygon on a press and release without a move.
    void finishedShieldKeepsItsPolygon()
    {
        StudentArea a;
        a.current_shield = 0;
        shield_press(a, QPoint(316, 200));
        shield_move(a, QPoint(700, 340));
        shield_release(a);
        const Polygon before = a.student_shield_polygons[0];
        shield_press(a, QPoint(400, 100));
        QVERIFY(!shield_release(a).changed);
        QCOMPARE(a.student_shield_polygons[0], before);
        QCOMPARE(a.shield_start[0], QPoint(315, 100));
    }

    // Corners and shields of a reply (camera units): corners that come out 0 take their
    // defaults; the far edges are taken as the picture's (359 gives 270, not 268).
    void reply()
    {
        StudentArea a;
        const QString answer = QStringLiteral(
            "forward_left_x=0\nforward_left_y=0\nforward_right_x=1\nforward_right_y=0\n"
            "backward_right_x=639\nbackward_right_y=359\nbackward_left_x=0\nbackward_left_y=85\n"
            "pano_shield_enable=1101\n"
            "pano_pan_first_shield_scale=0\npano_tilt_first_shield_scale=163\n"
            "pano_pan_first_shield_increment=513\npano_tilt_first_shield_increment=359\n"
            "pano_pan_second_shield_scale=639\npano_tilt_second_shield_scale=359\n"
            "pano_pan_second_shield_increment=0\npano_tilt_second_shield_increment=133\n"
            "pano_pan_third_shield_scale=639\npano_tilt_third_shield_scale=40\n"
            "pano_pan_third_shield_increment=200\npano_tilt_third_shield_increment=7\n"
            "pano_pan_fourth_shield_scale=40\npano_tilt_fourth_shield_scale=359\n"
            "pano_pan_fourth_shield_increment=0\npano_tilt_fourth_shield_increment=359");
        const ShieldBoxes boxes = parse_student_region_coord(wizard_reply::read_student_regions(answer), false, a);
        QCOMPARE(a.student_track_points,
                 (std::array<QPoint, 4>{QPoint(100, 200), QPoint(380, 200), QPoint(478, 268), QPoint(170, 63)}));
        QCOMPARE(text(a.student_shield_polygons[0]), QStringLiteral("0,121 0,267 0,267 384,270"));
        QCOMPARE(text(a.student_shield_polygons[1]), QStringLiteral("480,270 480,-2 0,-2 0,99"));
        // Neither edge: the start moves, the rest stays as it was.
        QCOMPARE(text(a.student_shield_polygons[2]), QStringLiteral("480,30 0,0 0,0 0,0"));
        QCOMPARE(text(a.student_shield_polygons[3]), QStringLiteral("30,268 0,-2 0,-2 0,268"));
        QCOMPARE(a.polygon_ready, (std::array<bool, 4>{true, true, true, true}));
        // The regions not shown: '1' checks the boxes but enables nothing.
        QCOMPARE(boxes[0], std::optional<bool>(true));
        QCOMPARE(boxes[2], std::optional<bool>(false));
        QCOMPARE(a.shield_enabled, (std::array<bool, 4>{false, false, false, false}));
    }

    // The echo of a set holds no key: the area as drawn stays, where reading it as a record
    // converted the corners again and redrew the shields from nothing.
    void echoLeavesTheArea()
    {
        StudentArea a;
        a.current_shield = 1;
        shield_press(a, QPoint(790, 150));
        shield_move(a, QPoint(500, 80));
        shield_release(a);
        const StudentArea drawn = a;
        const ShieldBoxes boxes = parse_student_region_coord(
            wizard_reply::read_student_regions(QStringLiteral("student_parameter\nset_student_config_file")), true, a);
        QCOMPARE(a.student_track_points, drawn.student_track_points);
        QCOMPARE(a.student_shield_polygons, drawn.student_shield_polygons);
        QCOMPARE(a.polygon_ready, drawn.polygon_ready);
        QVERIFY(!boxes[0] && !boxes[1]);
    }
};

QTEST_GUILESS_MAIN(tst_StudentArea)
#include "tst_student_area.moc"
