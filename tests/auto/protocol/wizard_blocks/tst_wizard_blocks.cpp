// The first-run wizard's four blocks, byte for byte against golden texts: the teacher block in
// every mode (and with none chosen yet) with unknown and known regions, the student block with
// its sorted corners and finished and unfinished shields, the board and director blocks in each
// camera layout.
#include "protocol/director_parameters.h"
#include "protocol/wizard_blocks.h"
#include "test_env.h"

#include <QFile>
#include <QtTest>

using region_geometry::RegionRect;

namespace {

QString golden(const QString &name)
{
    QFile file(testenv::sourceDir() + QStringLiteral("/tests/auto/protocol/wizard_blocks/golden/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}

Guide_Data_Update_Manage addresses(int layout)
{
    Guide_Data_Update_Manage a;
    a.teacher_feature_ip = QStringLiteral("192.168.1.20/tf");
    a.teacher_pano_ip = QStringLiteral("192.168.1.21");
    a.student_feature_ip = QStringLiteral("192.168.1.30");
    a.student_pano_ip = QStringLiteral("192.168.1.31/sp");
    a.board_feature_ip = QStringLiteral("192.168.1.165/b1");
    a.board_pano_ip = QStringLiteral("192.168.1.166");
    a.camera_number = layout;
    return a;
}

// The advanced options page with a value of every kind changed from the form's.
TeacherSection teacherOptions(int mode)
{
    TeacherSection s;
    s.losing_object_strategy = 3;
    // "1" just before the mode: a block that repeats the item before it shows here.
    s.multi_object_strategy = 0;
    s.tracking_mode = mode;
    s.time_to_pano_delay = 5;
    s.ptzspeed_level = QStringLiteral("7");
    s.board_detect_enable = true;
    s.board_detect_time = {QStringLiteral("3"), 3};
    s.board_continue_time = {QStringLiteral("8"), 8};
    s.auto_tracking = true;
    s.auto_tilt = true;
    return s;
}

} // namespace

class tst_WizardBlocks : public QObject
{
    Q_OBJECT

private slots:
    // 60 items, each line ended; without a mode chosen or restored the binocular mode goes.
    void teacherBlockPerMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("sent");
        QTest::newRow("no mode yet") << -1 << "2";
        QTest::newRow("three presets") << 0 << "0";
        QTest::newRow("follow") << 1 << "1";
        QTest::newRow("binocular") << 2 << "2";
        QTest::newRow("mixed") << 3 << "3";
        QTest::newRow("board pano") << 4 << "4";
    }

    void teacherBlockPerMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, sent);
        const teacher_region_keys::ApplyRegions unknown;
        const QString block = wizard_blocks::teacher_block(teacherOptions(mode), addresses(1).teacher_feature_ip, unknown);
        QCOMPARE(block, golden(QStringLiteral("teacher-unknown-regions.txt")).replace(QStringLiteral("@MODE@"), sent));
    }

    // Known regions go converted (3 gives 4, 479 gives 638, 480 gives 640), the others as zeros
    // whatever they hold; the enable strings are the boxes.
    void teacherBlockRegions()
    {
        TeacherSection s;
        s.losing_object_strategy = 0;
        s.multi_object_strategy = 1;
        s.tracking_mode = 4;
        s.time_to_pano_delay = 2;
        s.ptzspeed_level = QStringLiteral("10");
        s.board_detect_time = s.board_continue_time = {QStringLiteral("8"), 3};
        s.manual_focus = true;
        teacher_region_keys::ApplyRegions r;
        r.snapshot = {3, 4, 100, 50};
        r.snapshot_known = true;
        r.tracking = {15, 60, 450, 120};
        r.tracking_known = true;
        r.shield[0] = {0, 1, 3, 479};
        r.shield[1] = {480, 0, 0, 0};
        r.shield[2] = {5, 5, 5, 5};
        r.shield_known[0] = r.shield_known[1] = true;
        r.shield_checked[0] = r.shield_checked[2] = true;
        r.board[0] = {10, 20, 30, 40};
        r.board[1] = {100, 100, 100, 100};
        r.board[2] = {478, 268, 2, 2};
        r.board_known[0] = r.board_known[2] = true;
        r.board_checked[1] = r.board_checked[2] = true;
        QCOMPARE(wizard_blocks::teacher_block(s, QStringLiteral("10.0.0.7"), r), golden(QStringLiteral("teacher-regions.txt")));
    }

    // 45 items, none after the last line: the corners sorted by position (the lower two forward,
    // the left of the upper two backward right), a shield ending on an edge of its own, one
    // ending on the far edge, two not finished.
    void studentBlock()
    {
        StudentSection s;
        s.losing_object_strategy = 1;
        s.time_delay = {QStringLiteral("9"), 9};
        s.multi_object_strategy = 0;
        s.feature_continue_max_time = 120;
        s.face_detect = true;
        s.shield_enabled = {true, false, false, true};
        wizard_blocks::StudentArea area;
        area.corners = {QPoint(100, 200), QPoint(380, 200), QPoint(310, 60), QPoint(170, 60)};
        area.shields[0] = {QPoint(0, 122), QPoint(0, 267), QPoint(0, 267), QPoint(385, 267)};
        area.shields[2] = {QPoint(480, 100), QPoint(480, -2), QPoint(0, -2), QPoint(0, 50)};
        area.shield_ready = {true, false, true, false};
        QCOMPARE(wizard_blocks::student_block(s, QStringLiteral("192.168.1.30"), area), golden(QStringLiteral("student.txt")));
    }

    // Four items, each line ended; board 1 takes part with five and six cameras, board 2 with six.
    void boardBlock_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("enables");
        QTest::newRow("2 cameras") << 0 << "board_feature1_enable=0\nboard_feature_enable=0\n";
        QTest::newRow("4 cameras") << 1 << "board_feature1_enable=0\nboard_feature_enable=0\n";
        QTest::newRow("5 cameras") << 2 << "board_feature1_enable=0\nboard_feature_enable=1\n";
        QTest::newRow("6 cameras") << 3 << "board_feature1_enable=1\nboard_feature_enable=1\n";
    }

    void boardBlock()
    {
        QFETCH(int, layout);
        QFETCH(QString, enables);
        QCOMPARE(wizard_blocks::board_block(addresses(layout)),
                 "teacher_parameter\nboard_parameter\nset_tracking_config_file\nboard_feature_ip=192.168.1.165\n"
                 "board_feature1_ip=192.168.1.166\n"
                     + enables);
    }

    // 37 items ending with the minimum switch time: the feature fields stand for the pano
    // cameras with two cameras; with six the two board boxes replace the single board view's.
    void directorBlock_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("teacher");
        QTest::addColumn<QString>("student");
        QTest::addColumn<QString>("inner5");
        QTest::addColumn<QString>("boards");
        QTest::newRow("2 cameras") << 0 << "192.168.1.20/tf" << "192.168.1.30" << "1" << "00";
        QTest::newRow("4 cameras") << 1 << "192.168.1.21" << "192.168.1.31/sp" << "1" << "00";
        QTest::newRow("5 cameras") << 2 << "192.168.1.21" << "192.168.1.31/sp" << "1" << "00";
        QTest::newRow("6 cameras") << 3 << "192.168.1.21" << "192.168.1.31/sp" << "0" << "11";
    }

    void directorBlock()
    {
        QFETCH(int, layout);
        DirectorSection s = director_parameters::default_settings();
        s.communicate_mode = 1;
        s.command_times = 2;
        s.teacher[1].on = false;
        s.student[3].on = false;
        // What the main window alone keeps: not in the wizard's block.
        s.keep_interval = 9;
        s.min_switch_time = {QStringLiteral("8"), 8};
        QFETCH(QString, teacher);
        QFETCH(QString, student);
        QFETCH(QString, inner5);
        QFETCH(QString, boards);
        const QString expected = golden(QStringLiteral("director.txt"))
                       .replace(QStringLiteral("@TEACHER@"), teacher)
                       .replace(QStringLiteral("@STUDENT@"), student)
                       .replace(QStringLiteral("@INNER5@"), inner5)
                       .replace(QStringLiteral("@BOARDS@"), boards);
        QCOMPARE(wizard_blocks::director_block(s, addresses(layout)), expected);
    }
};

QTEST_GUILESS_MAIN(tst_WizardBlocks)
#include "tst_wizard_blocks.moc"
