// The four sections' values both ways through config.ini's key tables: what each kind of key
// writes for a value at its edges, what it reads back, and what a text it does not know leaves;
// and a whole stored record written and read again. The replies' side is the protocol tests'.
#include "settings/config_tables.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {
using Change = std::function<void(config::Stored &)>;
using Look = std::function<QString(const config::Stored &)>;

QString sliderText(const SliderText &s) { return s.text + QLatin1Char('@') + QString::number(s.position); }
} // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Look)

class tst_SectionValues : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    int files = 0;

    // A new file each time: QSettings keeps what it read of a path for the process.
    QSettings file(const QByteArray &text)
    {
        const QString path = folder.filePath(QStringLiteral("config%1.ini").arg(++files));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text);
        f.close();
        return QSettings(path, QSettings::IniFormat);
    }

private slots:
    // One key of each kind: the value written for the member, and the member read from a text.
    void keys_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<Change>("change");  // the member before the write
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");   // the stored text read into a fresh record
        QTest::addColumn<Look>("look");
        QTest::addColumn<QString>("value");  // the member afterwards
        using S = config::Stored;
        QTest::newRow("text with comma") << "TEACHER_CONF" << "Param_Save_Path"
            << Change([](S &s) { s.teacher.param_save_path = QStringLiteral("C:/a, b"); }) << "C:/a, b"
            << "D:/x" << Look([](const S &s) { return s.teacher.param_save_path; }) << "D:/x";
        QTest::newRow("label text beside its position") << "TEACHER_CONF" << "Pan_Offset"
            << Change([](S &s) { s.teacher.pano_pan_offset = {QStringLiteral("37"), 47}; }) << "37"
            << "-12" << Look([](const S &s) { return sliderText(s.teacher.pano_pan_offset); }) << "-12@0";
        QTest::newRow("slider position") << "TEACHER_CONF" << "Pan_Offset_Index"
            << Change([](S &s) { s.teacher.pano_pan_offset = {QStringLiteral("+35"), 47}; }) << "47"
            << "99" << Look([](const S &s) { return sliderText(s.teacher.pano_pan_offset); }) << "@99";
        QTest::newRow("distance beyond the slider") << "TEACHER_CONF" << "Pano_Distance"
            << Change([](S &s) { s.teacher.pano_distance = {QStringLiteral("7.5"), 46}; }) << "7.5"
            << "25" << Look([](const S &s) { return sliderText(s.teacher.pano_distance); }) << "25@221";
        QTest::newRow("size") << "STUDENT_CONF" << "Object_Size"
            << Change([](S &s) { s.student.pano_object_size = {QStringLiteral("1.0"), 6}; }) << "1.0"
            << "2.0" << Look([](const S &s) { return sliderText(s.student.pano_object_size); }) << "2.0@16";
        QTest::newRow("spin box, negative") << "STUDENT_CONF" << "Continue_Time"
            << Change([](S &s) { s.student.feature_continue_max_time = -5; }) << "-5"
            << "12x" << Look([](const S &s) { return QString::number(s.student.feature_continue_max_time); }) << "0";
        QTest::newRow("list entry none") << "TEACHER_CONF" << "Set_Preset"
            << Change([](S &s) { s.teacher.preset_index = -1; }) << "-1"
            << "3" << Look([](const S &s) { return QString::number(s.teacher.preset_index); }) << "3";
        QTest::newRow("choice 11") << "TEACHER_CONF" << "Target_Lost_Action"
            << Change([](S &s) { s.teacher.losing_object_strategy = 3; }) << "11"
            << "11" << Look([](const S &s) { return QString::number(s.teacher.losing_object_strategy); }) << "3";
        QTest::newRow("choice none checked, unknown code") << "DIRECTOR_CONF" << "Protocol"
            << Change([](S &s) { s.director.communicate_mode = -1; }) << ""
            << "3" << Look([](const S &s) { return QString::number(s.director.communicate_mode); }) << "-1";
        QTest::newRow("eptz codes the other way round") << "STUDENT_CONF" << "EPTZ_Model"
            << Change([](S &s) { s.student.eptz_mode = 1; }) << "1"
            << "1" << Look([](const S &s) { return QString::number(s.student.eptz_mode); }) << "-1";
        QTest::newRow("flag by any number") << "TEACHER_CONF" << "Starting_Up_Track"
            << Change([](S &s) { s.teacher.auto_tracking = true; }) << "1"
            << "2" << Look([](const S &s) { return QString::number(s.teacher.auto_tracking); }) << "1";
        QTest::newRow("flag only by one") << "TEACHER_CONF" << "Board_Detect_Enable"
            << Change([](S &s) { s.teacher.board_detect_enable = false; }) << "0"
            << "2" << Look([](const S &s) { return QString::number(s.teacher.board_detect_enable); }) << "0";
        QTest::newRow("flag one or zero, other left") << "BOARD_CONF" << "Board_enable"
            << Change([](S &s) { s.board.feature_enable = false; }) << "0"
            << "2" << Look([](const S &s) { return QString::number(s.board.feature_enable); }) << "1";
        QTest::newRow("customer model, lower case left") << "STUDENT_CONF" << "Customer_Model"
            << Change([](S &s) { s.student.customer_model = true; }) << "KLOR"
            << "klor" << Look([](const S &s) { return QString::number(s.student.customer_model); }) << "0";
        QTest::newRow("director code of Board 2") << "DIRECTOR_CONF" << "Interior_Blackboard_Code_2"
            << Change([](S &s) { s.director.blackboard[1].code = QStringLiteral("FF 55 56"); }) << "FF 55 56"
            << "AA" << Look([](const S &s) { return s.director.blackboard[1].code; }) << "AA";
        QTest::newRow("point y beyond int") << "STUDENT_CONF" << "STUDENT_DESIGNATED_SIX_Y"
            << Change([](S &s) { s.student_points[9] = QPoint(1, 2147483647); }) << "2147483647"
            << "2147483648" << Look([](const S &s) { return QString::number(s.student_points[9].y()); }) << "0";
        QTest::newRow("address field of the board pano") << "BOARD_CONF" << "Pano_IP"
            << Change([](S &s) { s.address_fields[5] = QStringLiteral("10.0.0.7/x"); }) << "10.0.0.7/x"
            << "" << Look([](const S &s) { return s.address_fields[5]; }) << "";
    }

    void keys()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(Change, change);
        QFETCH(QString, read);
        QFETCH(Look, look);
        const config::GroupTable *table = nullptr;
        for (const config::GroupTable *g : config::tab_groups())
            table = group == QLatin1String(g->name) ? g : table;
        QVERIFY(table);
        config::Stored stored;
        change(stored);
        QSettings out = file(QByteArray());
        config::write_group(out, *table, stored);
        QTEST(out.value(group + QLatin1Char('/') + key).toString(), "written");

        config::Stored fresh;
        fresh.board.feature_enable = true;
        QSettings in = file(QStringLiteral("[%1]\n%2=%3\n").arg(group, key, read).toUtf8());
        config::read_group(in, *table, fresh);
        QTEST(look(fresh), "value");
    }

    // A record written whole comes back whole: every key the loader reads keeps its member.
    void wholeRecordRoundTrip()
    {
        config::Stored s;
        s.teacher.pano_sensitivity = {QStringLiteral("3"), 3};
        s.teacher.tracking_mode = 5;
        s.teacher.time_lost_delay = 1;
        s.teacher.customer_model = true;
        s.student.preset_index = 1;
        s.student.time_delay = {QStringLiteral("9"), 9};
        s.student.multi_object_strategy = 1;
        s.board.losing_object_strategy = 1;
        s.director.strategy = 0;
        s.director.teacher[2] = {false, QStringLiteral("code, with comma")};
        s.director.min_switch_time = {QStringLiteral("7"), 7};
        for (int i = 0; i < StudentRegionPoints::kStoredPointCount; ++i)
            s.student_points[size_t(i)] = QPoint(i, -i);
        s.address_fields[0] = QStringLiteral("10.1.1.1");
        s.choices.decoder_index = 3;
        QSettings out = file(QByteArray());
        for (const config::GroupTable *g : config::tab_groups())
            config::write_group(out, *g, s);
        out.sync();
        config::Stored back;
        QSettings in(out.fileName(), QSettings::IniFormat);
        for (const config::GroupTable *g : config::tab_groups())
            config::read_group(in, *g, back);
        QCOMPARE(back.teacher.pano_sensitivity, s.teacher.pano_sensitivity);
        QCOMPARE(back.teacher.tracking_mode, 5);
        QCOMPARE(back.teacher.time_lost_delay, 1);
        QVERIFY(back.teacher.customer_model);
        QCOMPARE(back.student.preset_index, 1);
        QCOMPARE(back.student.time_delay, s.student.time_delay);
        QCOMPARE(back.student.multi_object_strategy, 1);
        QCOMPARE(back.board.losing_object_strategy, 1);
        QCOMPARE(back.director.strategy, 0);
        QVERIFY(back.director.teacher[2] == s.director.teacher[2]);
        QCOMPARE(back.director.min_switch_time, s.director.min_switch_time);
        QCOMPARE(back.student_points, s.student_points);
        QCOMPARE(back.address_fields[0], s.address_fields[0]);
        QCOMPARE(back.choices.decoder_index, 3);
        // Written for the camera, never read: the record's own stays.
        QCOMPARE(back.director.pano_port, QString());
    }
};

QTEST_APPLESS_MAIN(tst_SectionValues)
#include "tst_section_values.moc"
