#include "protocol/camera_slot.h"

#include <QtTest>

using camera_slot::Slot;
Q_DECLARE_METATYPE(camera_slot::Slot)

class tst_CameraSlot : public QObject
{
    Q_OBJECT

private slots:
    void urls_data()
    {
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("address");
        QTest::newRow("teacher feature") << Slot::TeacherFeature << "127.0.0.2" << "rtsp://127.0.0.2:554/1" << "127.0.0.2";
        QTest::newRow("teacher pano") << Slot::TeacherPano << "127.0.0.3" << "rtsp://127.0.0.3:554/2" << "127.0.0.3";
        QTest::newRow("student feature") << Slot::StudentFeature << "127.0.0.4" << "rtsp://127.0.0.4:8554/1" << "127.0.0.4";
        QTest::newRow("student pano") << Slot::StudentPano << "127.0.0.5" << "rtsp://127.0.0.5:8554/2" << "127.0.0.5";
        QTest::newRow("board feature") << Slot::BoardFeature << "127.0.0.6" << "rtsp://127.0.0.6:554/1" << "127.0.0.6";
        QTest::newRow("board pano is /1") << Slot::BoardPano << "127.0.0.7" << "rtsp://127.0.0.7:554/1" << "127.0.0.7";
        QTest::newRow("teacher path") << Slot::TeacherFeature << "127.0.0.2/live/main" << "rtsp://127.0.0.2/live/main"
                                      << "127.0.0.2";
        QTest::newRow("teacher pano path") << Slot::TeacherPano << "127.0.0.3:8554/x" << "rtsp://127.0.0.3:8554/x"
                                           << "127.0.0.3:8554";
        QTest::newRow("board path gets /1") << Slot::BoardFeature << "127.0.0.6/live" << "rtsp://127.0.0.6/live/1"
                                            << "127.0.0.6";
        QTest::newRow("board pano path gets /1") << Slot::BoardPano << "127.0.0.7/live" << "rtsp://127.0.0.7/live/1"
                                                 << "127.0.0.7";
        QTest::newRow("trailing slash is no path") << Slot::TeacherFeature << "127.0.0.2/" << "rtsp://127.0.0.2:554/1"
                                                   << "127.0.0.2";
        QTest::newRow("empty second section") << Slot::TeacherPano << "127.0.0.3//x" << "rtsp://127.0.0.3:554/2"
                                              << "127.0.0.3";
    }

    void urls()
    {
        QFETCH(Slot, slot);
        QFETCH(QString, field);
        QFETCH(QString, url);
        QFETCH(QString, address);
        const QString port = camera_slot::side(slot) == camera_slot::Side::Student ? QStringLiteral("8554")
                                                                                     : QStringLiteral("554");
        QCOMPARE(camera_slot::rtsp_url(slot, field, port), url);
        QCOMPARE(camera_slot::parse_address_field(field).address, address);
    }

    void preview()
    {
        QCOMPARE(camera_slot::preview_rtsp_url("127.0.0.9", "8554"), QStringLiteral("rtsp://127.0.0.9:8554/1"));
    }

    void facts_data()
    {
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("pano");
        QTest::addColumn<int>("afterDecoder");
        QTest::addColumn<int>("afterThread");
        QTest::newRow("tf") << Slot::TeacherFeature << 2 << "teacher_feature" << "Teacher Feature CameraIp: " << false << 500 << 100;
        QTest::newRow("tp") << Slot::TeacherPano << 5 << "teacher_pano" << "Teacher Pano CameraIp: " << true << 0 << 0;
        QTest::newRow("sf") << Slot::StudentFeature << 0 << "student_feature" << "Student Feature CameraIp: " << false << 600 << 100;
        QTest::newRow("sp") << Slot::StudentPano << 4 << "student_pano" << "Student Pano CameraIp: " << true << 600 << 100;
        QTest::newRow("bf") << Slot::BoardFeature << 1 << "board_feature" << "Board Feature CameraIp: " << false << 500 << 0;
        QTest::newRow("bp") << Slot::BoardPano << -1 << "board_pano" << "Board Pano CameraIp: " << false << 500 << 0;
    }

    void facts()
    {
        QFETCH(Slot, slot);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, label);
        QFETCH(bool, pano);
        QFETCH(int, afterDecoder);
        QFETCH(int, afterThread);
        QCOMPARE(camera_slot::role_number(slot), role);
        QCOMPARE(camera_slot::name(slot), name);
        QCOMPARE(camera_slot::log_label(slot), label);
        QCOMPARE(camera_slot::is_side_pano(slot), pano);
        const camera_slot::DisconnectWaits w = camera_slot::disconnect_waits(slot);
        QCOMPARE(w.after_decoder_stop_ms, afterDecoder);
        QCOMPARE(w.after_thread_stop_ms, afterThread);
        QCOMPARE(w.events_once_after, slot == Slot::TeacherPano);
    }
};

QTEST_APPLESS_MAIN(tst_CameraSlot)
#include "tst_camera_slot.moc"
