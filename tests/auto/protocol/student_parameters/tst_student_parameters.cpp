// The student block both ways: the Apply text byte for byte in the old and the new point format,
// the point keys with their conversions and clamps, and a reply's points, shields and enable
// strings read back into the panel.
#include "protocol/student_parameters.h"
#include "protocol/student_point_keys.h"
#include "protocol/student_region_coord.h"
#include "test_env.h"

#include <QFile>
#include <QtTest>

using namespace student_parameters;
using namespace student_point_keys;

Q_DECLARE_METATYPE(std::optional<bool>)

namespace {
using Opt = std::optional<bool>;

QString golden(const QString &name)
{
    QFile file(testenv::sourceDir() + QStringLiteral("/tests/auto/protocol/student_parameters/golden/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}

QString lines(const QVector<Item> &items)
{
    QStringList out;
    for (const Item &i : items)
        out << i.key + QLatin1Char('=') + i.value;
    return out.join(QLatin1Char('\n'));
}

std::array<QPoint, 4> quad(const QVector<int> &v)
{
    return {QPoint(v[0], v[1]), QPoint(v[2], v[3]), QPoint(v[4], v[5]), QPoint(v[6], v[7])};
}

StudentSection freshValues()
{
    StudentSection v;
    v.pano_sensitivity = {QStringLiteral("4"), 4};
    v.pano_object_size = {QStringLiteral("1.0"), 6};
    v.pano_height = QStringLiteral("2.2");
    v.pano_pan_offset = {QStringLiteral("0"), 40};
    v.pano_tilt_offset = {QStringLiteral("0"), 40};
    v.losing_object_strategy = 1;
    v.eptz_mode = 0;
    v.time_delay = {QStringLiteral("0"), 0};
    v.multi_object_strategy = 0;
    v.ptzspeed_level = QStringLiteral("10");
    v.feature_continue_max_time = 30;
    v.time_to_pano_delay = 2;
    v.auto_tracking = true;
    v.pano_switch = true;
    v.people_number = QStringLiteral("0");
    return v;
}

const ApplyTarget kTarget{QStringLiteral("192.168.1.163"), false};

} // namespace

class tst_StudentParameters : public QObject
{
    Q_OBJECT

private slots:
    // The old point format: five-character designated enable, four designated points, every
    // shield's fixed line; the block ends with the last shield value and no line feed.
    void applyBlockOldFormat()
    {
        StudentRegionPoints p;
        p.set_defaults(true);
        QCOMPARE(apply_block(freshValues(), kTarget, p), golden(QStringLiteral("apply_old_format.txt")));
    }

    // The new point format with the calibration group (times 8, points 5 and 6 never sent), the
    // tab's choices turned the other way and two drawn shields.
    void applyBlockNewFormatWithCalibration()
    {
        StudentSection v = freshValues();
        v.losing_object_strategy = 0;
        v.eptz_mode = v.multi_object_strategy = 1;
        v.face_detect = true;
        v.auto_tracking = v.pano_switch = false;
        v.pan_speed = QStringLiteral("35");
        v.response_time = QStringLiteral("1.5");
        v.shield_enabled = {true, false, false, true};
        v.people_number = QStringLiteral("3");
        v.designated_enabled = v.forward_enabled = true;
        v.old_point_format = false;
        const ApplyTarget calibration{QStringLiteral("192.168.1.163"), true};
        StudentRegionPoints p;
        p.set_defaults(false);
        p.pano_calibrate_points = {QPoint(10, 20), QPoint(30, 40), QPoint(50, 60),
                                   QPoint(70, 80), QPoint(9, 9),   QPoint(9, 9)};
        p.feature_calibrate_points = {QPoint(1, 2), QPoint(3, 4), QPoint(5, 6),
                                      QPoint(7, 8), QPoint(9, 9), QPoint(9, 9)};
        p.student_shield_points[0] = {QPoint(0, 60), QPoint(0, 268), QPoint(0, 268), QPoint(280, 267)};
        p.student_shield_points[1] = {QPoint(480, 150), QPoint(480, 0), QPoint(0, 0), QPoint(0, 200)};
        p.student_shield_drawn[0] = p.student_shield_drawn[1] = true;
        QCOMPARE(apply_block(v, calibration, p), golden(QStringLiteral("apply_new_format.txt")));
    }

    // The calibration height as a block of its own; the eptz buttons only for "O" models, the
    // customer flag kept only by an "O" model that is also "S2".
    void requestsAndModel()
    {
        QCOMPARE(obtain_block(), QStringLiteral("student_parameter\nget_tracking_config_file"));
        QCOMPARE(director_obtain_block(), QStringLiteral("student_parameter\nget_director_config_file"));
        QCOMPARE(calibration_height_block(QStringLiteral("90cm")),
                 QStringLiteral("student_parameter\nset_tracking_config_file\npano_calibrate_height=90"));
        QCOMPARE(calibration_height_block(QString()),
                 QStringLiteral("student_parameter\nset_tracking_config_file\npano_calibrate_height=0"));
        QCOMPARE(calibration_height_index(QStringLiteral("90")), 1);
        QCOMPARE(calibration_height_index(QStringLiteral("0")), 0);
        QVERIFY(device_model_step(QStringLiteral("KO10")).eptz_buttons_enabled);
        QVERIFY(!device_model_step(QStringLiteral("KO10")).keep_customer_flag);
        QVERIFY(device_model_step(QStringLiteral("OS2")).keep_customer_flag);
        QVERIFY(!device_model_step(QStringLiteral("os2")).eptz_buttons_enabled);
        QVERIFY(!device_model_step(QString()).eptz_buttons_enabled);
    }

    // The keys the tab reads besides the points; an Apply's confirmation is told apart. The
    // enable strings go into the coordinates with the points, marked as carried.
    void readReply()
    {
        const Reply r = read_reply(QStringLiteral("student_parameter\nset_student_config_file\npano_sensitivity=72\n"
                                                  "eptz_mode=1x\npan_speed=30\npano_calibrate_height=90\n"
                                                  "pano_designated_number_of_people=2"));
        QCOMPARE(r.pano_sensitivity + r.eptz_mode + r.pan_speed + r.pano_calibrate_height, QStringLiteral("713090"));
        QCOMPARE(r.pano_designated_number_of_people, QStringLiteral("2"));
        QVERIFY(r.apply_confirmation && r.device_model.isNull() && r.response_time.isNull());
        QVERIFY(!read_reply(QStringLiteral("student_parameter\nget_tracking_config_file")).apply_confirmation);
        StudentRegionPoints p;
        StudentRegionCoord c;
        const StudentReplyKeys k = store_reply_regions(
            QStringLiteral("pano_shield_enable=0110\npano_calibrate_enable=\nforward_left_x=90"), p, c);
        QVERIFY(k.shield_enable && k.calibrate_enable && !k.designated_enable && !k.forward_enable && k.area[0][0]);
        QCOMPARE(c.pano_shield_enable, QStringLiteral("0110"));
        QVERIFY(c.pano_calibrate_enable.isEmpty() && !c.pano_calibrate_enable.isNull());
        QVERIFY(c.pano_designated_enable.isNull());
        QVERIFY(autocalibrate_failed(QStringLiteral("fail:3")) && !autocalibrate_failed(QStringLiteral("success")));
    }

    // The installer draws the corners in any order; the two lowest are the forward row, and of
    // the other two the one with the smaller x is backward right (the camera's view is mirrored).
    void cornerOrder_data()
    {
        QTest::addColumn<QVector<int>>("points");
        QTest::addColumn<QVector<int>>("order"); // forward left, forward right, backward right, backward left
        QTest::newRow("defaults") << QVector<int>{100, 200, 380, 200, 310, 60, 170, 60} << QVector<int>{0, 1, 3, 2};
        QTest::newRow("any order") << QVector<int>{310, 60, 380, 200, 170, 60, 100, 200} << QVector<int>{3, 1, 2, 0};
        QTest::newRow("tie at the front: the lower index first")
            << QVector<int>{300, 250, 50, 250, 40, 100, 200, 100} << QVector<int>{1, 0, 2, 3};
        QTest::newRow("equal x in front: the first found is forward right")
            << QVector<int>{200, 100, 200, 250, 200, 240, 100, 10} << QVector<int>{2, 1, 3, 0};
    }

    void cornerOrder()
    {
        QFETCH(QVector<int>, points);
        const CornerOrder o = order_corners(quad(points));
        QTEST((QVector<int>{o.forward_left, o.forward_right, o.backward_right, o.backward_left}), "order");
    }

    // Label space to camera units, x at most 639 and y at most 359.
    void cornerClamps()
    {
        QCOMPARE(to_camera(100), 133);
        QCOMPARE(to_camera(-3), -4);
        QCOMPARE(lines(corner_items(quad({480, 270, 479, 269, 0, 0, 1, 1}))),
                 QStringLiteral("forward_left_x=638\nforward_left_y=358\nforward_right_x=639\nforward_right_y=359\n"
                                "backward_right_x=0\nbackward_right_y=0\nbackward_left_x=1\nbackward_left_y=1"));
    }

    // A drawn shield goes as the edge it lies on and its extent; a reply's values give the
    // polygon back on the same edges. Values that fit none of a shield's cases leave it not drawn,
    // so the next Apply sends its fixed line again.
    void shields_data()
    {
        QTest::addColumn<int>("shield");
        QTest::addColumn<QVector<int>>("drawn");  // the installer's polygon; empty: none drawn
        QTest::addColumn<QVector<int>>("values"); // start x, start y, end x, end y on the wire
        QTest::addColumn<QVector<int>>("read");   // the polygon a reply gives; empty: not drawn
        QTest::newRow("first, bottom edge") << 0 << QVector<int>{0, 60, 0, 268, 0, 268, 280, 267}
                                            << QVector<int>{0, 80, 373, 359} << QVector<int>{0, 60, 0, 268, 0, 268, 279, 270};
        QTest::newRow("first, an end at 480 goes as 639") << 0 << QVector<int>{0, 270, 0, 268, 0, 268, 480, 270}
                                                          << QVector<int>{0, 359, 639, 359} << QVector<int>{0, 270, 0, 268, 0, 268, 478, 270};
        QTest::newRow("first, to the right edge") << 0 << QVector<int>{0, 60, 0, 268, 480, 270, 478, 150}
                                                  << QVector<int>{0, 80, 639, 200} << QVector<int>{0, 60, 0, 268, 480, 270, 480, 150};
        QTest::newRow("second, top edge") << 1 << QVector<int>{480, 150, 480, 0, 480, 0, 300, 0}
                                          << QVector<int>{639, 200, 400, 0} << QVector<int>{480, 150, 480, 0, 480, 0, 300, 0};
        QTest::newRow("second, to the left edge") << 1 << QVector<int>{480, 150, 480, 0, 0, 0, 0, 270}
                                                  << QVector<int>{639, 200, 0, 359} << QVector<int>{480, 150, 480, 0, 0, 0, 0, 268};
        QTest::newRow("third, top edge") << 2 << QVector<int>{480, 20, 480, 0, 480, 0, 457, 0}
                                         << QVector<int>{639, 26, 609, 0} << QVector<int>{480, 19, 480, 0, 480, 0, 456, 0};
        QTest::newRow("fourth, left edge") << 3 << QVector<int>{22, 0, 0, 0, 0, 0, 0, 22} << QVector<int>{29, 0, 0, 29}
                                           << QVector<int>{21, 0, 0, 0, 0, 0, 0, 21};
        QTest::newRow("fourth, to the bottom edge") << 3 << QVector<int>{480, 0, 0, 0, 0, 270, 150, 270}
                                                    << QVector<int>{639, 0, 200, 359} << QVector<int>{480, 0, 0, 0, 0, 270, 150, 270};
        QTest::newRow("second, its fixed line") << 1 << QVector<int>{} << QVector<int>{610, 359, 639, 330} << QVector<int>{};
        QTest::newRow("first, in the middle") << 0 << QVector<int>{} << QVector<int>{0, 100, 300, 200} << QVector<int>{};
    }

    void shields()
    {
        QFETCH(int, shield);
        QFETCH(QVector<int>, drawn);
        QFETCH(QVector<int>, values);
        QFETCH(QVector<int>, read);
        const size_t k = size_t(shield);
        if (!drawn.isEmpty()) {
            std::array<std::array<QPoint, 4>, 4> polygons{};
            polygons[k] = quad(drawn);
            std::array<bool, 4> isDrawn{};
            isDrawn[k] = true;
            const QVector<Item> items = shield_items(polygons, isDrawn);
            QCOMPARE(items.size(), 16);
            QCOMPARE((QVector<int>{items[shield * 4].value.toInt(), items[shield * 4 + 1].value.toInt(),
                                   items[shield * 4 + 2].value.toInt(), items[shield * 4 + 3].value.toInt()}),
                     values);
        }
        StudentRegionPoints p;
        p.student_shield_points[k] = quad({1, 1, 2, 2, 3, 3, 4, 4});
        p.student_shield_drawn[k] = read.isEmpty();
        StudentRegionCoord c;
        for (int j = 0; j < 4; ++j)
            c.shield_values[k * 4 + size_t(j)] = values[j];
        parse_student_region_coord(c, p, true);
        QCOMPARE(p.student_shield_drawn[k], !read.isEmpty());
        QCOMPARE(p.student_shield_points[k], quad(read.isEmpty() ? QVector<int>{1, 1, 2, 2, 3, 3, 4, 4} : read));
    }

    // A reply's points are stored as received (a value that is no number is 0, a missing key
    // leaves its point), then taken back to label space: trunc(trunc(v / 2) * 1.5), the
    // calibration points divided by 8 toward zero, a 0 taking the point's default, and points
    // 5 and 6 only in the new format, which the reply itself decides.
    void pointsFromAReply_data()
    {
        QTest::addColumn<QString>("designatedEnable");
        QTest::addColumn<QVector<int>>("designated56");
        QTest::newRow("old format") << QString() << QVector<int>{256, 156, 152, 0};
        QTest::newRow("new format") << "111111" << QVector<int>{192, 117, 114, 117};
    }

    void pointsFromAReply()
    {
        StudentRegionPoints p;
        p.student_area_points[3] = QPoint(7, 7);
        StudentRegionCoord c;
        c.shield_values[15] = 99;
        QFETCH(QString, designatedEnable);
        const QString enable = designatedEnable.isNull() ? QString() : "pano_designated_enable=" + designatedEnable;
        StudentReplyKeys keys = store_reply_points(
            "student_parameter\nget_tracking_config_file\n" + enable
                + "\nforward_left_x=133\nforward_left_y=266\nforward_right_x=506\nforward_right_y=abc\n"
                  "backward_left_x=413\npano_designated_fourth_x=368\npano_designated_fourth_y=156\n"
                  "pano_designated_fifth_x=256\npano_designated_fifth_y=156\npano_designated_six_x=152\n"
                  "pano_calibrate_first_x=80\npano_calibrate_first_y=160\npano_calibrate_second_x=7\n"
                  "pano_calibrate_second_y=800\npano_calibrate_third_x=-16\npano_calibrate_third_y=9\n"
                  "pano_pan_second_shield_scale=639\npano_pan_shield_scale=5",
            p, c);
        QCOMPARE(c.shield_value(1, 0), 639);
        QCOMPARE(c.shield_values[15], 99);
        // The enable strings are the caller's to read.
        c.pano_designated_enable = designatedEnable;
        keys.designated_enable = !designatedEnable.isNull();
        parse_student_region_coord(c, p, true, keys);
        QCOMPARE(p.student_area_points, (std::array<QPoint, 4>{QPoint(99, 199), QPoint(379, 200), QPoint(310, 60),
                                                               QPoint(309, 7)}));
        QCOMPARE(p.student_designated_points[3], QPoint(276, 117));
        QTEST((QVector<int>{p.student_designated_points[4].x(), p.student_designated_points[4].y(),
                            p.student_designated_points[5].x(), p.student_designated_points[5].y()}),
              "designated56");
        QCOMPARE(p.pano_calibrate_points[0], QPoint(10, 20));
        QCOMPARE(p.pano_calibrate_points[1], QPoint(380, 100));
        QCOMPARE(p.pano_calibrate_points[2], QPoint(-2, 1));
    }

    // Only what a reply carried is converted: a reply that confirms an Apply carries no point,
    // and the installer's points, shields and boxes stay as they are.
    void onlyWhatTheReplyCarried()
    {
        StudentRegionPoints p;
        p.student_area_points = {QPoint(90, 210), QPoint(380, 200), QPoint(310, 60), QPoint(0, 60)};
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
        QCOMPARE(p.pano_calibrate_points[0], QPoint(12, 34));
        QVERIFY(p.student_shield_drawn[0]);
        QCOMPARE(p.student_shield_points[0][3], QPoint(280, 267));
        QVERIFY(!checks.shield[0] && !checks.designated_region);
        QVERIFY(checks.old_format);

        // A reply with only the x of corner 1 and shield two converts just those.
        StudentReplyKeys keys;
        keys.area[0] = {true, false};
        keys.shield[1] = true;
        p.student_area_points[0] = QPoint(200, 210);
        parse_student_region_coord(c, p, true, keys);
        QCOMPARE(p.student_area_points[0], QPoint(150, 210));
        QVERIFY(p.student_shield_drawn[0] && p.student_shield_drawn[1]);
        QCOMPARE(p.student_shield_points[1][0], QPoint(480, 75));
    }

    // The enable strings set the boxes and the point format; a missing string, a missing
    // character or another character changes nothing.
    void enables_data()
    {
        QTest::addColumn<QString>("calibrate");
        QTest::addColumn<QString>("designated");
        QTest::addColumn<QString>("forward");
        QTest::addColumn<QString>("shield");
        QTest::addColumn<QVector<Opt>>("boxes"); // calibration, designated, forward, shields 1 to 4
        QTest::addColumn<bool>("oldAfter");      // the format was new before
        const QString null;
        const Opt on(true), off(false), unset;
        QTest::newRow("all missing") << null << null << null << null
                                     << QVector<Opt>{unset, unset, unset, unset, unset, unset, unset} << false;
        QTest::newRow("old format on") << "1111" << "11110" << "1" << "1010"
                                       << QVector<Opt>{on, on, on, on, off, on, off} << true;
        QTest::newRow("new format, short strings") << "111" << "111111" << "0" << "01"
                                                   << QVector<Opt>{off, on, off, off, on, unset, unset} << false;
        QTest::newRow("empty designated, odd shield characters") << "1111" << "" << "11" << "1x0?"
                                                                 << QVector<Opt>{on, off, off, on, unset, off, unset} << false;
    }

    void enables()
    {
        QFETCH(QString, calibrate);
        QFETCH(QString, designated);
        QFETCH(QString, forward);
        QFETCH(QString, shield);
        StudentRegionCoord c;
        c.pano_calibrate_enable = calibrate;
        c.pano_designated_enable = designated;
        c.pano_student_forward_enable = forward;
        c.pano_shield_enable = shield;
        StudentRegionPoints p;
        const StudentRegionChecks k = parse_student_region_coord(c, p, false);
        QTEST((QVector<Opt>{k.pos_calibration_region, k.designated_region, k.track_region, k.shield[0], k.shield[1],
                               k.shield[2], k.shield[3]}), "boxes");
        QTEST(k.old_format, "oldAfter");
    }
};

QTEST_APPLESS_MAIN(tst_StudentParameters)
#include "tst_student_parameters.moc"
