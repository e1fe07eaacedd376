// The checks and patterns of typed texts: camera addresses, port numbers, MAC bytes and
// director codes, as a validator applies them while the installer types.
#include "settings/input_rules.h"

#include <QRegularExpressionValidator>
#include <QtTest>

namespace {
QValidator::State validate(const QString &pattern, QString text)
{
    QRegularExpressionValidator validator{QRegularExpression(pattern)};
    int pos = 0;
    return validator.validate(text, pos);
}
} // namespace

Q_DECLARE_METATYPE(QValidator::State)

class tst_InputRules : public QObject
{
    Q_OBJECT

private slots:
    void ipv4_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("log"); // the log line of a refusal
        QTest::newRow("plain") << "192.168.1.100" << true << "";
        QTest::newRow("all zero") << "0.0.0.0" << true << "";
        QTest::newRow("broadcast") << "255.255.255.255" << true << "";
        QTest::newRow("mask length ignored") << "10.1.2.3/24" << true << "";
        QTest::newRow("blanks around") << "  10.1.2.3 " << true << "";
        QTest::newRow("blanks around, port behind") << " 10.1.2.3 /8080" << true << "";
        QTest::newRow("leading slash") << "/10.1.2.3" << true << "";
        QTest::newRow("empty") << "" << false << "MainWindow 输入为空";
        QTest::newRow("only slashes") << "//" << false << "MainWindow 输入为空";
        QTest::newRow("three parts") << "1.2.3" << false << "MainWindow IP 格式无效： \"1.2.3\"";
        QTest::newRow("five parts") << "1.2.3.4.5" << false << "MainWindow IP 格式无效： \"1.2.3.4.5\"";
        QTest::newRow("256") << "256.1.1.1" << false << "MainWindow IP 格式无效： \"256.1.1.1\"";
        QTest::newRow("leading zero") << "01.2.3.4" << false << "MainWindow IP 格式无效： \"01.2.3.4\"";
        QTest::newRow("010") << "10.010.1.1" << false << "MainWindow IP 格式无效： \"10.010.1.1\"";
        QTest::newRow("blank inside") << "10.1. 2.3" << false << "MainWindow IP 格式无效： \"10.1. 2.3\"";
        QTest::newRow("letters") << "a.b.c.d" << false << "MainWindow IP 格式无效： \"a.b.c.d\"";
        QTest::newRow("trailing dot") << "1.2.3.4." << false << "MainWindow IP 格式无效： \"1.2.3.4.\"";
        QTest::newRow("trailing newline inside") << "1.2.3.4\n5" << false << "MainWindow IP 格式无效： \"1.2.3.4\\n5\"";
        QTest::newRow("full-width digits") << QString::fromUtf8("１.2.3.4") << false
                                           << QString::fromUtf8("MainWindow IP 格式无效： \"１.2.3.4\"");
    }

    void ipv4()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, log);
        if (!log.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, log.toUtf8().constData());
        QCOMPARE(input::is_valid_ipv4(text), valid);
    }

    void ports_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QValidator::State>("state");
        QTest::newRow("0") << "0" << QValidator::Acceptable;
        QTest::newRow("554") << "554" << QValidator::Acceptable;
        QTest::newRow("9999") << "9999" << QValidator::Acceptable;
        QTest::newRow("10000") << "10000" << QValidator::Acceptable;
        QTest::newRow("59999") << "59999" << QValidator::Acceptable;
        QTest::newRow("60000") << "60000" << QValidator::Acceptable;
        QTest::newRow("64999") << "64999" << QValidator::Acceptable;
        QTest::newRow("65499") << "65499" << QValidator::Acceptable;
        QTest::newRow("65529") << "65529" << QValidator::Acceptable;
        QTest::newRow("65535") << "65535" << QValidator::Acceptable;
        QTest::newRow("empty while typing") << "" << QValidator::Intermediate;
        QTest::newRow("65536") << "65536" << QValidator::Invalid;
        QTest::newRow("65540") << "65540" << QValidator::Invalid;
        QTest::newRow("70000") << "70000" << QValidator::Invalid;
        QTest::newRow("99999") << "99999" << QValidator::Invalid;
        QTest::newRow("six digits") << "100000" << QValidator::Invalid;
        QTest::newRow("leading zero") << "0554" << QValidator::Invalid;
        QTest::newRow("00") << "00" << QValidator::Invalid;
        QTest::newRow("letters") << "55a" << QValidator::Invalid;
        QTest::newRow("sign") << "-1" << QValidator::Invalid;
        QTest::newRow("blank") << "55 4" << QValidator::Invalid;
    }

    void ports()
    {
        QFETCH(QString, text);
        QFETCH(QValidator::State, state);
        QCOMPARE(validate(input::port_number_pattern(), text), state);
    }

    // Every number 0 to 65535 is a port, and none beyond, whatever its digits.
    void portRangeIsExact()
    {
        const QRegularExpression whole(QStringLiteral("\\A(?:%1)\\z").arg(input::port_number_pattern()));
        for (int n = 0; n <= 70000; ++n)
            QVERIFY2(whole.match(QString::number(n)).hasMatch() == (n <= 65535), qPrintable(QString::number(n)));
    }

    void macBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QValidator::State>("state");
        QTest::newRow("upper") << "D4" << QValidator::Acceptable;
        QTest::newRow("lower") << "af" << QValidator::Acceptable;
        QTest::newRow("digits") << "09" << QValidator::Acceptable;
        QTest::newRow("one digit while typing") << "F" << QValidator::Intermediate;
        QTest::newRow("third character") << "D4E" << QValidator::Invalid;
        QTest::newRow("g") << "0g" << QValidator::Invalid;
        QTest::newRow("G") << "G0" << QValidator::Invalid;
        QTest::newRow("colon") << "D:" << QValidator::Invalid;
    }

    void macBytes()
    {
        QFETCH(QString, text);
        QFETCH(QValidator::State, state);
        QCOMPARE(validate(input::mac_byte_pattern(), text), state);
    }

    void directorCodes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("hex code") << 1 << "FF 01 00 00 00 11" << true;
        QTest::newRow("hex lower case") << 1 << "ff 0a" << true;
        QTest::newRow("hex refuses G") << 1 << "FG" << false;
        QTest::newRow("hex refuses dash") << 1 << "FF-01" << false;
        QTest::newRow("ascii takes anything") << 2 << "switch to camera 1!" << true;
        QTest::newRow("ascii takes dash") << 2 << "FF-01" << true;
    }

    void directorCodes()
    {
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(validate(input::director_code_pattern(type), text) == QValidator::Acceptable, accepted);
    }

    void unknownCommandType() { QVERIFY(input::director_code_pattern(3).isEmpty()); }
};

QTEST_APPLESS_MAIN(tst_InputRules)
#include "tst_input_rules.moc"
