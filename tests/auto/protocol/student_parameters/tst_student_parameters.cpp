// The student parameter block without widgets: the Apply text byte for byte in the old and the
// new point format, with and without the calibration group; the calibration height; the
// device-model rule.
#include "protocol/student_parameters.h"

#include <QtTest>

using namespace student_parameters;

namespace {

ApplyValues freshValues()
{
    ApplyValues v;
    v.feature_camera_ip = QStringLiteral("192.168.1.163");
    v.pano_sensitivity = QStringLiteral("4");
    v.pano_object_size = QStringLiteral("1.0");
    v.pano_height = QStringLiteral("2.2");
    v.pano_pan_offset = QStringLiteral("0");
    v.pano_tilt_offset = QStringLiteral("0");
    v.time_delay = QStringLiteral("0");
    v.ptzspeed_level = QStringLiteral("10");
    v.feature_continue_max_time = QStringLiteral("30");
    v.time_to_pano_delay = QStringLiteral("2");
    v.auto_tracking = true;
    v.pano_switch = true;
    v.people_number = QStringLiteral("0");
    return v;
}

const char kFreshHead[] = "student_parameter\n"
                          "set_tracking_config_file\n"
                          "feature_camera_ip=192.168.1.163\n"
                          "pano_sensitivity=4\n"
                          "pano_object_size=1.0\n"
                          "pano_height=2.2\n"
                          "pano_pan_offset=0\n"
                          "pano_tilt_offset=0\n"
                          "losing_object_strategy=1\n"
                          "eptz_mode=0\n"
                          "time_delay=0\n"
                          "multi_object_strategy=1\n"
                          "ptzspeed_level=10\n"
                          "pano_pan_speed=20\n"
                          "response_time=0.0\n"
                          "feature_continue_max_time=30\n"
                          "time_to_pano_delay=2\n"
                          "pano_camera_format=0\n"
                          "pano_max_angle=84\n"
                          "pano_pan_correction=-5\n"
                          "pano_tilt_correction=3.6\n"
                          "auto_tracking=1\n"
                          "face_detect=0\n"
                          "pano_switch=1\n";

const char kDefaultPoints[] = "forward_left_x=133\n"
                              "forward_left_y=266\n"
                              "forward_right_x=506\n"
                              "forward_right_y=266\n"
                              "backward_right_x=226\n"
                              "backward_right_y=80\n"
                              "backward_left_x=413\n"
                              "backward_left_y=80\n"
                              "pano_designated_first_x=92\n"
                              "pano_designated_first_y=312\n"
                              "pano_designated_second_x=508\n"
                              "pano_designated_second_y=312\n"
                              "pano_designated_third_x=468\n"
                              "pano_designated_third_y=156\n"
                              "pano_designated_fourth_x=368\n"
                              "pano_designated_fourth_y=156\n";

const char kFixedShields[] = "pano_pan_first_shield_scale=0\n"
                             "pano_tilt_first_shield_scale=330\n"
                             "pano_pan_first_shield_increment=30\n"
                             "pano_tilt_first_shield_increment=359\n"
                             "pano_pan_second_shield_scale=610\n"
                             "pano_tilt_second_shield_scale=359\n"
                             "pano_pan_second_shield_increment=639\n"
                             "pano_tilt_second_shield_increment=330\n"
                             "pano_pan_third_shield_scale=639\n"
                             "pano_tilt_third_shield_scale=30\n"
                             "pano_pan_third_shield_increment=610\n"
                             "pano_tilt_third_shield_increment=0\n"
                             "pano_pan_fourth_shield_scale=30\n"
                             "pano_tilt_fourth_shield_scale=0\n"
                             "pano_pan_fourth_shield_increment=0\n"
                             "pano_tilt_fourth_shield_increment=30";

StudentRegionPoints defaultPoints(bool oldFormat)
{
    StudentRegionPoints p;
    p.set_defaults(oldFormat);
    return p;
}

} // namespace

class tst_StudentParameters : public QObject
{
    Q_OBJECT

private slots:
    // The old point format: five-character designated enable, four designated points; the
    // block ends with the last shield value and no line feed.
    void applyBlockOldFormat()
    {
        const QString text = apply_block(freshValues(), defaultPoints(true));
        QCOMPARE(text, QString::fromLatin1(kFreshHead)
                           + QStringLiteral("pano_shield_enable=0000\n"
                                            "pano_designated_number_of_people=0\n"
                                            "pano_designated_enable=00000\n"
                                            "pano_student_forward_enable=0\n")
                           + QString::fromLatin1(kDefaultPoints) + QString::fromLatin1(kFixedShields));
        QVERIFY(!text.endsWith(QLatin1Char('\n')));
    }

    // The new point format with the calibration group, the tab's choices turned the other way
    // and drawn shields.
    void applyBlockNewFormatWithCalibration()
    {
        ApplyValues v = freshValues();
        v.none_action = true;
        v.eptz = true;
        v.return_pano = true;
        v.pano_pan_speed = QStringLiteral("35");
        v.response_time = QStringLiteral("1.5");
        v.face_detect = true;
        v.auto_tracking = false;
        v.pano_switch = false;
        v.shield_checked = {true, false, false, true};
        v.people_number = QStringLiteral("3");
        v.designated_checked = true;
        v.forward_checked = true;
        v.calibration_shown = true;
        v.old_format = false;
        StudentRegionPoints p = defaultPoints(false);
        p.pano_calibrate_points = {QPoint(10, 20), QPoint(30, 40), QPoint(50, 60), QPoint(70, 80), QPoint(9, 9),
                                   QPoint(9, 9)};
        p.feature_calibrate_points = {QPoint(1, 2), QPoint(3, 4), QPoint(5, 6), QPoint(7, 8), QPoint(9, 9),
                                      QPoint(9, 9)};
        p.student_shield_points[0] = {QPoint(0, 60), QPoint(0, 268), QPoint(0, 268), QPoint(280, 267)};
        p.student_shield_drawn[0] = true;
        p.student_shield_points[1] = {QPoint(480, 150), QPoint(480, 0), QPoint(0, 0), QPoint(0, 200)};
        p.student_shield_drawn[1] = true;

        QCOMPARE(apply_block(v, p),
                 QStringLiteral("student_parameter\n"
                                "set_tracking_config_file\n"
                                "feature_camera_ip=192.168.1.163\n"
                                "pano_sensitivity=4\n"
                                "pano_object_size=1.0\n"
                                "pano_height=2.2\n"
                                "pano_pan_offset=0\n"
                                "pano_tilt_offset=0\n"
                                "losing_object_strategy=0\n"
                                "eptz_mode=1\n"
                                "time_delay=0\n"
                                "multi_object_strategy=2\n"
                                "ptzspeed_level=10\n"
                                "pano_pan_speed=35\n"
                                "response_time=1.5\n"
                                "feature_continue_max_time=30\n"
                                "time_to_pano_delay=2\n"
                                "pano_camera_format=0\n"
                                "pano_max_angle=84\n"
                                "pano_pan_correction=-5\n"
                                "pano_tilt_correction=3.6\n"
                                "auto_tracking=0\n"
                                "face_detect=1\n"
                                "pano_switch=0\n"
                                "pano_shield_enable=1001\n"
                                "pano_designated_number_of_people=3\n"
                                "pano_designated_enable=111111\n"
                                "pano_student_forward_enable=1\n"
                                "pano_calibrate_enable=1111\n"
                                "pano_calibrate_first_x=80\n"
                                "pano_calibrate_first_y=160\n"
                                "pano_calibrate_second_x=240\n"
                                "pano_calibrate_second_y=320\n"
                                "pano_calibrate_third_x=400\n"
                                "pano_calibrate_third_y=480\n"
                                "pano_calibrate_fourth_x=560\n"
                                "pano_calibrate_fourth_y=640\n"
                                "feature_calibrate_first_x=8\n"
                                "feature_calibrate_first_y=16\n"
                                "feature_calibrate_second_x=24\n"
                                "feature_calibrate_second_y=32\n"
                                "feature_calibrate_third_x=40\n"
                                "feature_calibrate_third_y=48\n"
                                "feature_calibrate_fourth_x=56\n"
                                "feature_calibrate_fourth_y=64\n")
                     + QString::fromLatin1(kDefaultPoints)
                     + QStringLiteral("pano_designated_fifth_x=256\n"
                                      "pano_designated_fifth_y=156\n"
                                      "pano_designated_six_x=152\n"
                                      "pano_designated_six_y=156\n"
                                      "pano_pan_first_shield_scale=0\n"
                                      "pano_tilt_first_shield_scale=80\n"
                                      "pano_pan_first_shield_increment=373\n"
                                      "pano_tilt_first_shield_increment=359\n"
                                      "pano_pan_second_shield_scale=639\n"
                                      "pano_tilt_second_shield_scale=200\n"
                                      "pano_pan_second_shield_increment=0\n"
                                      "pano_tilt_second_shield_increment=266\n"
                                      "pano_pan_third_shield_scale=639\n"
                                      "pano_tilt_third_shield_scale=30\n"
                                      "pano_pan_third_shield_increment=610\n"
                                      "pano_tilt_third_shield_increment=0\n"
                                      "pano_pan_fourth_shield_scale=30\n"
                                      "pano_tilt_fourth_shield_scale=0\n"
                                      "pano_pan_fourth_shield_increment=0\n"
                                      "pano_tilt_fourth_shield_increment=30"));
    }

    void designatedEnable_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("oldFormat");
        QTest::addColumn<QString>("text");
        QTest::newRow("old on") << true << true << "11110";
        QTest::newRow("old off") << false << true << "00000";
        QTest::newRow("new on") << true << false << "111111";
        QTest::newRow("new off") << false << false << "000000";
    }

    void designatedEnable()
    {
        QFETCH(bool, checked);
        QFETCH(bool, oldFormat);
        QFETCH(QString, text);
        QCOMPARE(designated_enable(checked, oldFormat), text);
    }

    void requests()
    {
        QCOMPARE(obtain_block(), QStringLiteral("student_parameter\nget_tracking_config_file"));
        QCOMPARE(director_obtain_block(), QStringLiteral("student_parameter\nget_director_config_file"));
        QCOMPARE(calibration_height_block(QStringLiteral("90cm")),
                 QStringLiteral("student_parameter\nset_tracking_config_file\npano_calibrate_height=90"));
        QCOMPARE(calibration_height_block(QStringLiteral("0cm")),
                 QStringLiteral("student_parameter\nset_tracking_config_file\npano_calibrate_height=0"));
        QCOMPARE(calibration_height_block(QString()),
                 QStringLiteral("student_parameter\nset_tracking_config_file\npano_calibrate_height=0"));
        QCOMPARE(calibration_height_index(QStringLiteral("90")), 1);
        QCOMPARE(calibration_height_index(QStringLiteral("0")), 0);
        QCOMPARE(calibration_height_index(QStringLiteral("190")), 1);
    }

    void deviceModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("eptz");
        QTest::addColumn<bool>("keep");
        QTest::newRow("missing") << QString() << false << false;
        QTest::newRow("O model") << "KO10" << true << false;
        QTest::newRow("O and S2") << "OS2" << true << true;
        QTest::newRow("S2 without O") << "S2" << false << false;
        QTest::newRow("lower case o") << "os2" << false << false;
    }

    void deviceModel()
    {
        QFETCH(QString, model);
        QFETCH(bool, eptz);
        QFETCH(bool, keep);
        const DeviceModelStep step = device_model_step(model);
        QCOMPARE(step.eptz_buttons_enabled, eptz);
        QCOMPARE(step.keep_customer_flag, keep);
    }
};

QTEST_APPLESS_MAIN(tst_StudentParameters)
#include "tst_student_parameters.moc"
