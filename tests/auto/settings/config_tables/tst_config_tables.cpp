// The key tables of TEACHER_CONF, STUDENT_CONF, BOARD_CONF and DIRECTOR_CONF: the keys and the
// order the writer follows, what the loader reads, and every control they name checked against
// the main window form (name and class), so that a key never silently loses its control.
#include "support/resources.h"
#include "settings/config_tables.h"
#include "ui_mainwindow.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QtTest>

namespace {

const config::GroupTable &groupNamed(const QString &name)
{
    if (name == QLatin1String("TEACHER_CONF"))
        return config::teacher_group();
    if (name == QLatin1String("STUDENT_CONF"))
        return config::student_group();
    if (name == QLatin1String("BOARD_CONF"))
        return config::board_group();
    return config::director_group();
}

QStringList toList(const std::vector<const char *> &keys)
{
    QStringList list;
    for (const char *k : keys)
        list << QString::fromLatin1(k);
    return list;
}

QStringList pointKeys()
{
    return {"STUDENT_FORWARD_LEFT_X_SET", "STUDENT_FORWARD_LEFT_Y_SET", "STUDENT_FORWARD_RIGHT_X_SET",
            "STUDENT_FORWARD_RIGHT_Y_SET", "STUDENT_BACKWARD_RIGHT_X_SET", "STUDENT_BACKWARD_RIGHT_Y_SET",
            "STUDENT_BACKWARD_LEFT_X_SET", "STUDENT_BACKWARD_LEFT_Y_SET", "STUDENT_DESIGNATED_FIRST_X",
            "STUDENT_DESIGNATED_FIRST_Y", "STUDENT_DESIGNATED_SECOND_X", "STUDENT_DESIGNATED_SECOND_Y",
            "STUDENT_DESIGNATED_THIRD_X", "STUDENT_DESIGNATED_THIRD_Y", "STUDENT_DESIGNATED_FOURTH_X",
            "STUDENT_DESIGNATED_FOURTH_Y", "STUDENT_DESIGNATED_FIFTH_X", "STUDENT_DESIGNATED_FIFTH_Y",
            "STUDENT_DESIGNATED_SIX_X", "STUDENT_DESIGNATED_SIX_Y"};
}

QStringList directorPairs(bool enableFirst)
{
    const QStringList stems = {"External_Teacher_On_Platform", "External_Teacher_Still", "External_Teacher_Moving",
                               "External_Teacher_Under_Platform", "External_Teacher_Multi_Object",
                               "External_Student_Stood_Up", "External_Student_Feature_Place",
                               "External_Student_Sat_Down", "External_Student_Multi_Object",
                               "External_Board_Have_Action", "External_Board_None_Action", "Interior_Teacher_Feature",
                               "Interior_Teacher_Pano", "Interior_Student_Feature", "Interior_Student_Pano"};
    QStringList keys;
    for (const QString &s : stems) {
        keys << s + "_Enable" << s + "_Code";
    }
    if (enableFirst)
        keys << "Interior_Blackboard_Enable" << "Interior_Blackboard_Code" << "Interior_Blackboard_Enable_1"
             << "Interior_Blackboard_Code_1" << "Interior_Blackboard_Enable_2" << "Interior_Blackboard_Code_2";
    else
        keys << "Interior_Blackboard_Enable" << "Interior_Blackboard_Enable_1" << "Interior_Blackboard_Enable_2"
             << "Interior_Blackboard_Code" << "Interior_Blackboard_Code_1" << "Interior_Blackboard_Code_2";
    return keys;
}

} // namespace

class tst_ConfigTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { corvane_init_resources(); }

    // The writer's key order of each group, as every file written by the tool has it.
    void saveOrder_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("teacher") << "TEACHER_CONF"
                                 << QStringList{"Feature_IP", "Pano_IP", "Sensitivity", "Feature_Distance", "Pano_Distance",
                                                "Pan_Offset", "Pan_Offset_Index", "Tilt_Offset", "Tilt_Offset_Index",
                                                "Set_Preset", "Student_Set_Preset", "Tracking_Guide_State",
                                                "Tracking_Number_Camera", "Decoder_Current_Index", "Customer_Model",
                                                "Target_Lost_Action", "Multi_Objective_Action", "Tracking_Mode",
                                                "Target_Lost_Timeout", "Hold_Times", "Board_Detect_Enable",
                                                "Board_Detect_Time", "Board_Detect_Time_Index", "Board_Hold_Time",
                                                "Board_Hold_Time_Index", "Board_Lose_Time", "Board_Lose_Time_Index",
                                                "Board_Space_Time", "Board_Space_Time_Index", "Starting_Up_Track",
                                                "Manual_Focus", "Vertical_Movement", "Feature_Real_Time_Track",
                                                "Param_Save_Path"};
        QTest::newRow("student") << "STUDENT_CONF"
                                 << (QStringList{"Feature_IP", "Pano_IP", "Sensitivity", "Object_Size", "Height", "Length",
                                                 "Object_Height", "Pan_Offset", "Pan_Offset_Index", "Tilt_Offset",
                                                 "Tilt_Offset_Index", "Customer_Model", "EPTZ_Model", "Target_Lost_Action",
                                                 "Target_Lost_Timeout", "Target_Lost_Timeout_Index",
                                                 "Multi_Objective_Action", "Continue_Time", "Starting_Up_Track",
                                                 "Face_Detect"}
                                     + pointKeys() + QStringList{"Pano_Switch", "Param_Save_Path"});
        QTest::newRow("board") << "BOARD_CONF"
                               << QStringList{"Feature_IP", "Pano_IP", "Sensitivity", "Target_Lost_Timeout",
                                              "Target_Lost_Timeout_Index", "Board_enable", "Multi_Objective_Action",
                                              "Target_Lost_Action", "Param_Save_Path"};
        QTest::newRow("director") << "DIRECTOR_CONF"
                                  << (QStringList{"Camera_Port", "Camera_Baudrate", "Protocol", "Command_Type",
                                                  "Director_IP", "Director_Port", "Code_Switch_Auto", "Code_Switch_Manual",
                                                  "Send_Mode", "Director_Strategy"}
                                      + directorPairs(true) + QStringList{"Interior_Min_Switch_time"});
    }

    void saveOrder()
    {
        QFETCH(QString, group);
        QFETCH(QStringList, keys);
        const config::GroupTable &table = groupNamed(group);
        QCOMPARE(QString::fromLatin1(table.name), group);
        QCOMPARE(toList(table.save_order), keys);
        // Every key written has a writable row.
        for (const QString &key : keys) {
            const config::KeyRow *row = config::find_row(table, key.toLatin1().constData());
            QVERIFY2(row, qPrintable(key));
            QVERIFY2(row->written, qPrintable(key));
        }
    }

    // The keys the loader reads, in its order; the keys written but never read are not there.
    void readOrder_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("teacher") << "TEACHER_CONF"
                                 << QStringList{"Feature_IP", "Pano_IP", "Sensitivity", "Set_Preset", "Student_Set_Preset",
                                                "Feature_Distance", "Customer_Model", "Pano_Distance", "Pan_Offset",
                                                "Pan_Offset_Index", "Tilt_Offset", "Tilt_Offset_Index",
                                                "Target_Lost_Action", "Board_Detect_Enable", "Board_Detect_Time",
                                                "Board_Detect_Time_Index", "Board_Hold_Time", "Board_Hold_Time_Index",
                                                "Board_Lose_Time", "Board_Lose_Time_Index", "Board_Space_Time",
                                                "Board_Space_Time_Index", "Multi_Objective_Action", "Tracking_Mode",
                                                "Decoder_Current_Index", "Target_Lost_Timeout", "Hold_Times",
                                                "Starting_Up_Track", "Manual_Focus", "Vertical_Movement",
                                                "Feature_Real_Time_Track", "Param_Save_Path"};
        QTest::newRow("student") << "STUDENT_CONF"
                                 << (QStringList{"Feature_IP", "Pano_IP", "Sensitivity", "Object_Size", "Customer_Model",
                                                 "Height", "Length", "Object_Height", "Pan_Offset", "Pan_Offset_Index",
                                                 "Tilt_Offset", "Tilt_Offset_Index", "Target_Lost_Action",
                                                 "Target_Lost_Timeout", "Target_Lost_Timeout_Index",
                                                 "Multi_Objective_Action", "Continue_Time", "Starting_Up_Track",
                                                 "Face_Detect", "Pano_Switch"}
                                     + pointKeys());
        QTest::newRow("board") << "BOARD_CONF"
                               << QStringList{"Feature_IP", "Pano_IP", "Sensitivity", "Target_Lost_Timeout",
                                              "Target_Lost_Timeout_Index", "Board_enable", "Multi_Objective_Action",
                                              "Target_Lost_Action"};
        QTest::newRow("director") << "DIRECTOR_CONF"
                                  << (QStringList{"Protocol", "Command_Type", "Director_IP", "Director_Port",
                                                  "Code_Switch_Auto", "Code_Switch_Manual", "Send_Mode",
                                                  "Director_Strategy"}
                                      + directorPairs(false) + QStringList{"Interior_Min_Switch_time"});
    }

    void readOrder()
    {
        QFETCH(QString, group);
        QFETCH(QStringList, keys);
        QStringList read;
        for (const config::KeyRow &row : groupNamed(group).rows) {
            if (row.read)
                read << QString::fromLatin1(row.key);
        }
        QCOMPARE(read, keys);
    }

    // The keys read from elsewhere when they are missing: the student preset choice and the
    // board's lost-target choice, which older files keep under other names.
    void fallbacks()
    {
        QCOMPARE(QString::fromLatin1(config::find_row(config::teacher_group(), "Student_Set_Preset")->fallback),
                 QStringLiteral("STUDENT_CONF/Student_Set_Preset"));
        QCOMPARE(QString::fromLatin1(config::find_row(config::board_group(), "Target_Lost_Action")->fallback),
                 QStringLiteral("BOARD_CONF/Lose_Objective_Action"));
        int withFallback = 0;
        for (const char *g : {"TEACHER_CONF", "STUDENT_CONF", "BOARD_CONF", "DIRECTOR_CONF"}) {
            for (const config::KeyRow &row : groupNamed(QLatin1String(g)).rows)
                withFallback += row.fallback ? 1 : 0;
        }
        QCOMPARE(withFallback, 2);
    }

    // The twenty point keys name each of the ten stored points once, x before y.
    void pointRows()
    {
        QSet<int> xs, ys;
        int i = 0;
        for (const config::KeyRow &row : config::student_group().rows) {
            if (row.kind != config::Kind::Point)
                continue;
            QCOMPARE(QString::fromLatin1(row.key), pointKeys().at(i));
            QCOMPARE(row.point, i / 2);
            QCOMPARE(row.x_axis, i % 2 == 0);
            (row.x_axis ? xs : ys).insert(row.point);
            ++i;
        }
        QCOMPARE(i, 20);
        QCOMPARE(xs.size(), 10);
        QCOMPARE(ys.size(), 10);
    }

    // Each control a row names exists once in the form with a class its kind can handle.
    void controlsExistInForm_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        for (const char *g : {"TEACHER_CONF", "STUDENT_CONF", "BOARD_CONF", "DIRECTOR_CONF"}) {
            for (const config::KeyRow &row : groupNamed(QLatin1String(g)).rows)
                QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(QLatin1String(g), QLatin1String(row.key))))
                    << QString::fromLatin1(g) << QString::fromLatin1(row.key);
        }
    }

    void controlsExistInForm()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QMainWindow host;
        Ui::MainWindow form;
        form.setupUi(&host);
        const config::KeyRow *row = config::find_row(groupNamed(group), key.toLatin1().constData());
        QVERIFY(row);
        auto only = [&host](const char *name) -> QObject * {
            const QList<QObject *> found = host.findChildren<QObject *>(QString::fromLatin1(name));
            return found.size() == 1 ? found.first() : nullptr;
        };
        using config::Kind;
        switch (row->kind) {
        case Kind::Text: {
            QObject *o = only(row->control);
            QVERIFY(qobject_cast<QLineEdit *>(o) || qobject_cast<QLabel *>(o));
            break;
        }
        case Kind::TextThenValue:
        case Kind::Distance:
        case Kind::Size:
            QVERIFY(qobject_cast<QLabel *>(only(row->control)));
            QVERIFY(qobject_cast<QAbstractSlider *>(only(row->slider)));
            break;
        case Kind::Value: {
            QObject *o = only(row->control);
            QVERIFY(qobject_cast<QAbstractSlider *>(o) || qobject_cast<QSpinBox *>(o));
            break;
        }
        case Kind::Index:
            QVERIFY(qobject_cast<QComboBox *>(only(row->control)));
            break;
        case Kind::Flag:
        case Kind::FlagIfOne:
        case Kind::FlagOneOrZero:
            QVERIFY(qobject_cast<QCheckBox *>(only(row->control)));
            break;
        case Kind::Choice: {
            QVERIFY(row->choices.size() >= 2);
            QSet<QString> codes;
            QObject *parent = nullptr;
            for (const config::ChoiceCode &c : row->choices) {
                auto *button = qobject_cast<QRadioButton *>(only(c.button));
                QVERIFY2(button, c.button);
                codes.insert(QString::fromLatin1(c.code));
                // One exclusive group: checking one code's button unchecks the others.
                if (!parent)
                    parent = button->parent();
                QCOMPARE(button->parent(), parent);
            }
            QCOMPARE(codes.size(), int(row->choices.size()));
            break;
        }
        case Kind::CustomerModel:
        case Kind::Point:
        case Kind::Constant:
            QVERIFY(!row->control);
            break;
        }
    }

    void keysUniqueInGroup()
    {
        for (const char *g : {"TEACHER_CONF", "STUDENT_CONF", "BOARD_CONF", "DIRECTOR_CONF"}) {
            QSet<QString> keys;
            for (const config::KeyRow &row : groupNamed(QLatin1String(g)).rows)
                keys.insert(QString::fromLatin1(row.key));
            QCOMPARE(keys.size(), int(groupNamed(QLatin1String(g)).rows.size()));
        }
        QVERIFY(!config::find_row(config::teacher_group(), "No_Such_Key"));
    }
};

QTEST_MAIN(tst_ConfigTables)
#include "tst_config_tables.moc"
