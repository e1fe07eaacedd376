// The point keys of the student block: conversion to camera units with its clamps, the naming
// of the area corners, the designated points of both formats, the shield lines and the
// calibration group; and the storing of a reply's point keys.
#include "protocol/teacher_region_keys.h"
#include "protocol/student_point_keys.h"

#include <QtTest>

using namespace student_point_keys;

Q_DECLARE_METATYPE(QVector<QPoint>)

namespace {
QString lines(const QVector<Item> &items)
{
    QStringList out;
    for (const Item &i : items)
        out << i.key + QLatin1Char('=') + i.value;
    return out.join(QLatin1Char('\n'));
}

std::array<QPoint, 4> corners(const QVector<QPoint> &p) { return {p[0], p[1], p[2], p[3]}; }

const std::array<QPoint, 4> kDefaultCorners = {QPoint(100, 200), QPoint(380, 200), QPoint(310, 60), QPoint(170, 60)};
} // namespace

class tst_StudentPointKeys : public QObject
{
    Q_OBJECT

private slots:
    void conversion_data()
    {
        QTest::addColumn<int>("label");
        QTest::addColumn<int>("camera");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("100") << 100 << 133;
        QTest::newRow("479") << 479 << 638;
        QTest::newRow("480") << 480 << 640;
        QTest::newRow("270") << 270 << 360;
        QTest::newRow("-3") << -3 << -4;
    }

    void conversion()
    {
        QFETCH(int, label);
        QFETCH(int, camera);
        QCOMPARE(to_camera(label), camera);
    }

    // With the default corners: forward left 133,266, forward right 506,266, backward right
    // 226,80, backward left 413,80.
    void defaultCorners()
    {
        QCOMPARE(lines(corner_items(kDefaultCorners)),
                 QStringLiteral("forward_left_x=133\nforward_left_y=266\nforward_right_x=506\nforward_right_y=266\n"
                                "backward_right_x=226\nbackward_right_y=80\nbackward_left_x=413\nbackward_left_y=80"));
    }

    void cornerOrder_data()
    {
        QTest::addColumn<QVector<QPoint>>("points");
        QTest::addColumn<int>("fl");
        QTest::addColumn<int>("fr");
        QTest::addColumn<int>("br");
        QTest::addColumn<int>("bl");
        QTest::newRow("defaults") << QVector<QPoint>{{100, 200}, {380, 200}, {310, 60}, {170, 60}} << 0 << 1 << 3 << 2;
        QTest::newRow("any order")
            << QVector<QPoint>{{310, 60}, {380, 200}, {170, 60}, {100, 200}} << 3 << 1 << 2 << 0;
        // Two corners with the same greatest y: the lower index is the first front corner.
        QTest::newRow("tie at the front")
            << QVector<QPoint>{{300, 250}, {50, 250}, {40, 100}, {200, 100}} << 1 << 0 << 2 << 3;
        // The front corner with the greater x is forward right whichever comes first.
        QTest::newRow("right one first")
            << QVector<QPoint>{{400, 260}, {20, 250}, {300, 50}, {150, 40}} << 1 << 0 << 3 << 2;
        // Equal x in front: the first found (greatest y) is forward right.
        QTest::newRow("equal x in front")
            << QVector<QPoint>{{200, 100}, {200, 250}, {200, 240}, {100, 10}} << 2 << 1 << 3 << 0;
        // A first corner above the picture enters its scan at 0.
        QTest::newRow("negative first y")
            << QVector<QPoint>{{10, -5}, {20, 30}, {30, 20}, {40, 10}} << 1 << 2 << 0 << 3;
    }

    void cornerOrder()
    {
        QFETCH(QVector<QPoint>, points);
        QFETCH(int, fl);
        QFETCH(int, fr);
        QFETCH(int, br);
        QFETCH(int, bl);
        const CornerOrder o = order_corners(corners(points));
        QCOMPARE(o.forward_left, fl);
        QCOMPARE(o.forward_right, fr);
        QCOMPARE(o.backward_right, br);
        QCOMPARE(o.backward_left, bl);
    }

    // x at most 639 and y at most 359: a label x of 480 goes as 639, y 270 as 359, x 479 as 638.
    void cornerClamps()
    {
        const std::array<QPoint, 4> p = {QPoint(480, 270), QPoint(479, 269), QPoint(0, 0), QPoint(1, 1)};
        QCOMPARE(lines(corner_items(p)),
                 QStringLiteral("forward_left_x=638\nforward_left_y=358\nforward_right_x=639\nforward_right_y=359\n"
                                "backward_right_x=0\nbackward_right_y=0\nbackward_left_x=1\nbackward_left_y=1"));
    }

    void designated_data()
    {
        QTest::addColumn<bool>("oldFormat");
        QTest::addColumn<QString>("expected");
        const QString four = QStringLiteral(
            "pano_designated_first_x=92\npano_designated_first_y=312\npano_designated_second_x=508\n"
            "pano_designated_second_y=312\npano_designated_third_x=468\npano_designated_third_y=156\n"
            "pano_designated_fourth_x=368\npano_designated_fourth_y=156");
        QTest::newRow("old format: four") << true << four;
        QTest::newRow("new format: six")
            << false
            << four + QStringLiteral("\npano_designated_fifth_x=256\npano_designated_fifth_y=156\n"
                                     "pano_designated_six_x=639\npano_designated_six_y=359");
    }

    void designated()
    {
        QFETCH(bool, oldFormat);
        QFETCH(QString, expected);
        const std::array<QPoint, 6> p = {QPoint(69, 234),  QPoint(381, 234), QPoint(351, 117),
                                         QPoint(276, 117), QPoint(192, 117), QPoint(500, 300)};
        QCOMPARE(lines(designated_items(p, oldFormat)), expected);
    }

    // Shields never drawn send their fixed lines, whatever their points hold.
    void shieldsNotDrawn()
    {
        std::array<std::array<QPoint, 4>, 4> q{};
        q[0] = {QPoint(0, 60), QPoint(0, 268), QPoint(0, 268), QPoint(280, 267)};
        QCOMPARE(lines(shield_items(q, {false, false, false, false})),
                 QStringLiteral("pano_pan_first_shield_scale=0\npano_tilt_first_shield_scale=330\n"
                                "pano_pan_first_shield_increment=30\npano_tilt_first_shield_increment=359\n"
                                "pano_pan_second_shield_scale=610\npano_tilt_second_shield_scale=359\n"
                                "pano_pan_second_shield_increment=639\npano_tilt_second_shield_increment=330\n"
                                "pano_pan_third_shield_scale=639\npano_tilt_third_shield_scale=30\n"
                                "pano_pan_third_shield_increment=610\npano_tilt_third_shield_increment=0\n"
                                "pano_pan_fourth_shield_scale=30\npano_tilt_fourth_shield_scale=0\n"
                                "pano_pan_fourth_shield_increment=0\npano_tilt_fourth_shield_increment=30"));
    }

    void shieldsDrawn_data()
    {
        QTest::addColumn<int>("shield");
        QTest::addColumn<QVector<QPoint>>("polygon");
        QTest::addColumn<QString>("values");
        // Along the bottom edge (the two middle points on one corner).
        QTest::newRow("first, bottom edge")
            << 0 << QVector<QPoint>{{0, 60}, {0, 268}, {0, 268}, {280, 267}} << "0,80,373,359";
        // A degenerate first shield whose end converts to exactly 640 sends 639.
        QTest::newRow("first, end at 480") << 0 << QVector<QPoint>{{0, 270}, {0, 268}, {0, 268}, {480, 270}}
                                           << "0,359,639,359";
        QTest::newRow("first, to the right edge")
            << 0 << QVector<QPoint>{{0, 60}, {0, 268}, {480, 270}, {478, 150}} << "0,80,639,200";
        QTest::newRow("second, top edge")
            << 1 << QVector<QPoint>{{480, 150}, {480, 0}, {480, 0}, {300, 0}} << "639,200,400,0";
        QTest::newRow("second, to the left edge")
            << 1 << QVector<QPoint>{{480, 150}, {480, 0}, {0, 0}, {0, 270}} << "639,200,0,359";
        QTest::newRow("third, top edge") << 2 << QVector<QPoint>{{480, 20}, {480, 0}, {480, 0}, {457, 0}}
                                         << "639,26,609,0";
        QTest::newRow("fourth, left edge")
            << 3 << QVector<QPoint>{{22, 0}, {0, 0}, {0, 0}, {0, 22}} << "29,0,0,29";
        QTest::newRow("fourth, to the bottom edge")
            << 3 << QVector<QPoint>{{480, 0}, {0, 0}, {0, 270}, {150, 270}} << "639,0,200,359";
    }

    void shieldsDrawn()
    {
        QFETCH(int, shield);
        QFETCH(QVector<QPoint>, polygon);
        QFETCH(QString, values);
        std::array<std::array<QPoint, 4>, 4> q{};
        q[size_t(shield)] = {polygon[0], polygon[1], polygon[2], polygon[3]};
        std::array<bool, 4> drawn{};
        drawn[size_t(shield)] = true;
        const QVector<Item> items = shield_items(q, drawn);
        QCOMPARE(items.size(), 16);
        QStringList got;
        for (int j = 0; j < 4; ++j) {
            QCOMPARE(items[shield * 4 + j].key, QString::fromLatin1(teacher_region_keys::key_list(teacher_region_keys::kShieldKeys[shield])[size_t(j)]));
            got << items[shield * 4 + j].value;
        }
        QCOMPARE(got.join(QLatin1Char(',')), values);
    }

    // Points 1 to 4 of each set, times 8; points 5 and 6 are never written.
    void calibrationGroup()
    {
        const std::array<QPoint, 6> pano = {QPoint(10, 20), QPoint(30, 40), QPoint(50, 60),
                                            QPoint(70, 80), QPoint(90, 90), QPoint(99, 99)};
        const std::array<QPoint, 6> feature = {QPoint(1, 2), QPoint(3, 4), QPoint(5, 6),
                                               QPoint(7, 8), QPoint(9, 9), QPoint(9, 9)};
        QCOMPARE(lines(calibration_items(pano, feature)),
                 QStringLiteral("pano_calibrate_enable=1111\n"
                                "pano_calibrate_first_x=80\npano_calibrate_first_y=160\n"
                                "pano_calibrate_second_x=240\npano_calibrate_second_y=320\n"
                                "pano_calibrate_third_x=400\npano_calibrate_third_y=480\n"
                                "pano_calibrate_fourth_x=560\npano_calibrate_fourth_y=640\n"
                                "feature_calibrate_first_x=8\nfeature_calibrate_first_y=16\n"
                                "feature_calibrate_second_x=24\nfeature_calibrate_second_y=32\n"
                                "feature_calibrate_third_x=40\nfeature_calibrate_third_y=48\n"
                                "feature_calibrate_fourth_x=56\nfeature_calibrate_fourth_y=64"));
    }

    // A reply's point keys are stored as received (camera units, calibration times 8), all six
    // designated points even for the old format; a missing key leaves its value; a value that
    // is no number is 0.
    void storeReply()
    {
        StudentRegionPoints p;
        p.student_area_points[3] = QPoint(7, 7);
        StudentRegionCoord c;
        c.shield_values[15] = 99;
        const QString reply = QStringLiteral(
            "student_parameter\nget_tracking_config_file\nbackward_left_y=80\nforward_left_x=133\n"
            "forward_left_y=266\nforward_right_x=506\nforward_right_y=abc\npano_designated_six_x=152\n"
            "pano_designated_six_y=156\npano_calibrate_sixth_x=800\nfeature_calibrate_first_y=16\n"
            "pano_pan_second_shield_scale=639\npano_tilt_second_shield_scale=200\n"
            "pano_pan_shield_scale=5");
        store_reply_points(reply, p, c);
        QCOMPARE(p.student_area_points[0], QPoint(133, 266));
        QCOMPARE(p.student_area_points[1], QPoint(506, 0));
        QCOMPARE(p.student_area_points[2], QPoint(0, 0));
        QCOMPARE(p.student_area_points[3], QPoint(7, 80));
        QCOMPARE(p.student_designated_points[5], QPoint(152, 156));
        QCOMPARE(p.pano_calibrate_points[5], QPoint(800, 0));
        QCOMPARE(p.feature_calibrate_points[0], QPoint(0, 16));
        QCOMPARE(c.shield_value(1, 0), 639);
        QCOMPARE(c.shield_value(1, 1), 200);
        QCOMPARE(c.shield_value(0, 0), 0);
        QCOMPARE(c.shield_values[15], 99);
    }
};

QTEST_APPLESS_MAIN(tst_StudentPointKeys)
#include "tst_student_point_keys.moc"
