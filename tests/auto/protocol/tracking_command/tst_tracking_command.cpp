// Texts that start, stop and switch a pano camera's tracking, and its focus mode commands.
#include "protocol/tracking_command.h"

#include <QtTest>

using namespace tracking_command;

class tst_TrackingCommand : public QObject
{
    Q_OBJECT

private slots:
    void commandText_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("teacher start") << "teacher_parameter" << "start"
                                       << QByteArray("teacher_parameter\nset_tracking_config_command\ncommand=start");
        QTest::newRow("teacher stop") << "teacher_parameter" << "stop"
                                      << QByteArray("teacher_parameter\nset_tracking_config_command\ncommand=stop");
        QTest::newRow("student start") << "student_parameter" << "start"
                                       << QByteArray("student_parameter\nset_tracking_config_command\ncommand=start");
        QTest::newRow("student config 2")
            << "student_parameter" << "switchtoconfig2"
            << QByteArray("student_parameter\nset_tracking_config_command\ncommand=switchtoconfig2");
    }
    void commandText()
    {
        QFETCH(QString, section);
        QFETCH(QString, word);
        QFETCH(QByteArray, text);
        QCOMPARE(command_text(section, word).toLatin1(), text);
    }

    void configWord_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("other");
        QTest::newRow("config 1") << 0 << "switchtoconfig1" << 1;
        QTest::newRow("config 2") << 1 << "switchtoconfig2" << 0;
        QTest::newRow("no entry") << -1 << "switchtoconfig2" << 1;
    }
    void configWord()
    {
        QFETCH(int, index);
        QFETCH(QString, word);
        QFETCH(int, other);
        QCOMPARE(config_word(index), word);
        QCOMPARE(other_config_index(index), other);
    }

    void panoFocus_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("manual");
        QTest::addColumn<QString>("text");
        QTest::newRow("M19 auto") << "M19" << false << "8A 01 04 38 02 FF";
        QTest::newRow("M19 manual") << "M19" << true << "8A 01 04 38 03 FF";
        QTest::newRow("J57 auto") << "J57" << false << "81 01 04 38 02 FF";
        QTest::newRow("R6 manual") << "R6" << true << "81 01 04 38 03 FF";
        QTest::newRow("no feature camera") << "" << false << "81 01 04 38 02 FF";
        QTest::newRow("lower case m19") << "m19" << true << "81 01 04 38 03 FF";
        QTest::newRow("M190") << "M190" << false << "81 01 04 38 02 FF";
    }
    void panoFocus()
    {
        QFETCH(QString, model);
        QFETCH(bool, manual);
        QFETCH(QString, text);
        QCOMPARE(pano_focus_text(model, manual), text);
    }

    // What a pano is asked after its connect, byte for byte.
    void panoInquiries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("J57 focus") << focus_inquiry("J57") << "81 09 04 38 FF";
        QTest::newRow("M19 focus: its crop picture") << focus_inquiry("M19") << "8A 09 04 38 FF";
        QTest::newRow("R6: no focus inquiry") << focus_inquiry("R6") << "";
        QTest::newRow("lower case j57: none") << focus_inquiry("j57") << "";
        QTest::newRow("teacher crop status") << crop_status_request("teacher_parameter")
                                             << "teacher_parameter\ncommand=get_crop_status";
        QTest::newRow("student crop status") << crop_status_request("student_parameter")
                                             << "student_parameter\ncommand=get_crop_status";
        QTest::newRow("teacher tracking status") << tracking_status_request("teacher_parameter")
                                                 << "teacher_parameter\nget_tracking_status";
        QTest::newRow("student tracking status") << tracking_status_request("student_parameter")
                                                 << "student_parameter\nget_tracking_status";
    }
    void panoInquiries()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text.toLatin1(), expected.toLatin1());
    }
};

QTEST_APPLESS_MAIN(tst_TrackingCommand)
#include "tst_tracking_command.moc"
