#include "protocol/parameter_block.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QtTest>

using parameter_block::Item;
Q_DECLARE_METATYPE(QVector<Item>)

namespace {
// A null QString marks "key absent" in the tables below.
const QString kAbsent;
} // namespace

class tst_ParameterBlock : public QObject
{
    Q_OBJECT

private slots:
    void build_data()
    {
        QTest::addColumn<QStringList>("head");
        QTest::addColumn<QVector<Item>>("items");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("warnings"); // patterns of the expected warnings

        QTest::newRow("obtain request")
            << QStringList{"teacher_parameter", "get_tracking_config_file"} << QVector<Item>{}
            << "teacher_parameter\nget_tracking_config_file" << QStringList{};
        QTest::newRow("status request, no command line")
            << QStringList{"student_parameter", "get_tracking_status"} << QVector<Item>{}
            << "student_parameter\nget_tracking_status" << QStringList{};
        QTest::newRow("apply with items, no line feed at the end")
            << QStringList{"teacher_parameter", "set_tracking_config_file"}
            << QVector<Item>{{"sensitivity", "2"}, {"pan_speed", "10"}, {"director_ip", "192.168.1.9"}}
            << "teacher_parameter\nset_tracking_config_file\nsensitivity=2\npan_speed=10\ndirector_ip=192.168.1.9"
            << QStringList{};
        QTest::newRow("board section behind a routing line")
            << QStringList{"teacher_parameter", "board_parameter", "get_tracking_config_file"} << QVector<Item>{}
            << "teacher_parameter\nboard_parameter\nget_tracking_config_file" << QStringList{};
        QTest::newRow("empty value kept")
            << QStringList{"director_parameter", "set_director_config_file"} << QVector<Item>{{"code", ""}}
            << "director_parameter\nset_director_config_file\ncode=" << QStringList{};
        QTest::newRow("value with '=' inside kept")
            << QStringList{"teacher_parameter"} << QVector<Item>{{"note", "a=b"}} << "teacher_parameter\nnote=a=b"
            << QStringList{};
        QTest::newRow("line feed in a value cannot start a line of its own")
            << QStringList{"teacher_parameter", "set_tracking_config_file"}
            << QVector<Item>{{"director_ip", "10.0.0.1\ntracking_mode=5"}, {"sensitivity", "2"}}
            << "teacher_parameter\nset_tracking_config_file\ndirector_ip=10.0.0.1tracking_mode=5\nsensitivity=2"
            << QStringList{"line breaks removed from the value of \"director_ip\""};
        QTest::newRow("carriage return, NUL and unicode separators removed")
            << QStringList{"teacher_parameter"}
            << QVector<Item>{{"name", QString::fromUtf16(u"a\r\nb") + QChar(0) + QString::fromUtf16(u"c\u2028d\u0085e\u2029f")}}
            << "teacher_parameter\nname=abcdef"
            << QStringList{"line breaks removed from the value of \"name\""};
        QTest::newRow("key with '=' left out")
            << QStringList{"teacher_parameter"} << QVector<Item>{{"a=b", "1"}, {"c", "2"}} << "teacher_parameter\nc=2"
            << QStringList{"item with unusable key \"a=b\" left out"};
        QTest::newRow("key with a line feed left out")
            << QStringList{"teacher_parameter"} << QVector<Item>{{"x\ny", "1"}} << "teacher_parameter"
            << QStringList{"item with unusable key \"x.ny\" left out"};
        QTest::newRow("empty key left out")
            << QStringList{"teacher_parameter"} << QVector<Item>{{"", "1"}} << "teacher_parameter"
            << QStringList{"item with unusable key \"\" left out"};
    }

    void build()
    {
        QFETCH(QStringList, head);
        QFETCH(QVector<Item>, items);
        QFETCH(QString, expected);
        QFETCH(QStringList, warnings);
        for (const QString &w : warnings)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^parameter block: ") + w + QLatin1Char('$')));
        const QString block = parameter_block::build(head, items);
        QCOMPARE(block, expected);
        QVERIFY(!block.endsWith(QLatin1Char('\n')));
    }

    void commandLine()
    {
        QCOMPARE(parameter_block::command_line(QStringLiteral("callpreset2")), QStringLiteral("command=callpreset2"));
        QCOMPARE(parameter_block::build({QLatin1String(parameter_block::kStudentSection),
                                         QLatin1String(parameter_block::kSetTrackingConfigCommand),
                                         parameter_block::command_line(QStringLiteral("begin_autocalibrate"))}),
                 QStringLiteral("student_parameter\nset_tracking_config_command\ncommand=begin_autocalibrate"));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");        // kAbsent when the key is absent
        QTest::addColumn<QString>("oneCharValue"); // kAbsent when the key is absent

        const QString reply = QStringLiteral(
            "teacher_parameter\nget_tracking_config_file\nsensitivity=3\ntracking_mode=1\ndirector_ip=192.168.1.9\nend=1");
        QTest::newRow("first item") << reply << "sensitivity" << "3" << "3";
        QTest::newRow("key given with its '='") << reply << "tracking_mode=" << "1" << "1";
        QTest::newRow("text value") << reply << "director_ip" << "192.168.1.9" << "1";
        QTest::newRow("one-character value at the very end") << reply << "end" << "1" << "1";
        QTest::newRow("absent key") << reply << "pan_speed" << kAbsent << kAbsent;
        QTest::newRow("section line is not an item") << reply << "teacher_parameter" << kAbsent << kAbsent;

        QTest::newRow("items in another order")
            << "end=1\ndirector_ip=192.168.1.9\ntracking_mode=1\nsensitivity=3\nteacher_parameter" << "sensitivity"
            << "3" << "3";
        QTest::newRow("suffix key: the longer key comes first")
            << "pano_pan_speed=7\npan_speed=2" << "pan_speed" << "2" << "2";
        QTest::newRow("suffix key: the longer key alone")
            << "teacher_parameter\npano_pan_speed=7" << "pan_speed" << kAbsent << kAbsent;
        QTest::newRow("suffix key: the longer key read by its own name")
            << "pan_speed=2\npano_pan_speed=7" << "pano_pan_speed" << "7" << "7";
        QTest::newRow("key inside another item's value")
            << "note=pan_speed=9\npan_speed=4" << "pan_speed" << "4" << "4";
        QTest::newRow("multi-digit value, one-character read") << "distance=171" << "distance" << "171" << "1";
        QTest::newRow("value at the end without line feed") << "a=1\nname=classroom 3" << "name" << "classroom 3" << "c";
        QTest::newRow("empty value at the very end: nothing read past it") << "a=1\nflag=" << "flag" << "" << "";
        QTest::newRow("empty value before a line feed") << "flag=\na=1" << "flag" << "" << "";
        QTest::newRow("empty text") << "" << "flag" << kAbsent << kAbsent;
        QTest::newRow("key without its '=' at the end") << "a=1\nflag" << "flag" << kAbsent << kAbsent;
        QTest::newRow("first of two lines wins") << "mode=1\nmode=2" << "mode" << "1" << "1";
        QTest::newRow("carriage return stays in the value") << "mode=1\r\nnext=2" << "next" << "2" << "2";
        QTest::newRow("key is case-sensitive") << "Mode=1" << "mode" << kAbsent << kAbsent;
        QTest::newRow("NUL ends the value")
            << QStringLiteral("name=abc") + QChar(0) + QStringLiteral("def") << "name" << "abc" << "a";
        QTest::newRow("NUL ends the text: later keys absent")
            << QStringLiteral("a=1") + QChar(0) + QStringLiteral("\nb=2") << "b" << kAbsent << kAbsent;
        QTest::newRow("NUL right after '='")
            << QStringLiteral("flag=") + QChar(0) + QStringLiteral("1") << "flag" << "" << "";
        QTest::newRow("key cut by a NUL")
            << QStringLiteral("fl") + QChar(0) + QStringLiteral("ag=1") << "flag" << kAbsent << kAbsent;
        QTest::newRow("latin-1 value") << QString::fromLatin1("name=caf\xe9") << "name" << QString::fromLatin1("caf\xe9")
                                       << "c";
    }

    void lookup()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, oneCharValue);

        const QString v = parameter_block::value(text, key);
        QCOMPARE(v.isNull(), value.isNull());
        QCOMPARE(v, value);
        const QString c = parameter_block::one_char_value(text, key);
        QCOMPARE(c.isNull(), oneCharValue.isNull());
        QCOMPARE(c, oneCharValue);
        QCOMPARE(parameter_block::has_key(text, key), !value.isNull());
    }

    void replyText_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("expected");

        QTest::newRow("plain") << QByteArray("teacher_parameter\nstart") << "teacher_parameter\nstart";
        QTest::newRow("cut at the first zero byte") << QByteArray("teacher_parameter\0\nstart", 24) << "teacher_parameter";
        QTest::newRow("zero byte first") << QByteArray("\0abc", 4) << "";
        QTest::newRow("trailing zero padding") << QByteArray("a=1\0\0\0", 6) << "a=1";
        QTest::newRow("high bytes read as Latin-1") << QByteArray("n=\xe9\xff") << QString::fromLatin1("n=\xe9\xff");
        QTest::newRow("empty") << QByteArray() << "";
    }

    void replyText()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, expected);
        QCOMPARE(parameter_block::reply_text(reply), expected);
    }

    // What a block says comes back from it, whatever the order of its items.
    void roundTrip()
    {
        const QVector<Item> items{{"pano_pan_speed", "7"}, {"pan_speed", "2"}, {"director_ip", "10.1.2.3"},
                                  {"shield_enable", "0101"}, {"flag", "1"}, {"empty", ""}};
        QVector<Item> reversed(items.rbegin(), items.rend());
        for (const QVector<Item> &order : {items, reversed}) {
            const QString block = parameter_block::build({"teacher_parameter", "get_tracking_config_file"}, order);
            const QString reply = parameter_block::reply_text(block.toLatin1());
            for (const Item &item : items) {
                QCOMPARE(parameter_block::value(reply, item.key), item.value);
                QCOMPARE(parameter_block::one_char_value(reply, item.key), item.value.left(1));
            }
        }
    }
};

QTEST_APPLESS_MAIN(tst_ParameterBlock)
#include "tst_parameter_block.moc"
