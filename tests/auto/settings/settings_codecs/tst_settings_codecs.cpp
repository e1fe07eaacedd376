// What the settings file's texts mean when read back (numbers, flags, slider labels), the rules
// of typed addresses, ports and codes, and the recorder port mapping's checks and decisions.
#include "model/slider_text.h"
#include "protocol/reply_values.h"
#include "settings/config_values.h"
#include "settings/input_rules.h"
#include "settings/port_forward.h"
#include "settings/port_settings.h"

#include <QRegularExpression>
#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<bool>)
Q_DECLARE_METATYPE(portforward::Fault)

namespace {
bool matchesWhole(const QString &pattern, const QString &text)
{
    return QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(pattern)).match(text).hasMatch();
}
} // namespace

class tst_SettingsCodecs : public QObject
{
    Q_OBJECT

private slots:
    void storedValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("anyNumber");
        QTest::addColumn<bool>("onlyOne");
        QTest::addColumn<std::optional<bool>>("oneOrZero");
        const std::optional<bool> unset;
        QTest::newRow("1") << "1" << 1 << true << true << std::optional<bool>(true);
        QTest::newRow("0") << "0" << 0 << false << false << std::optional<bool>(false);
        QTest::newRow("2") << "2" << 2 << true << false << unset;
        QTest::newRow("01") << "01" << 1 << true << false << std::optional<bool>(true);
        QTest::newRow("absent") << "" << 0 << false << false << std::optional<bool>(false);
        QTest::newRow("trailing letters") << "12x" << 0 << false << false << std::optional<bool>(false);
        QTest::newRow("beyond int") << "99999999999" << 0 << false << false << std::optional<bool>(false);
    }

    void storedValues()
    {
        QFETCH(QString, text);
        QTEST(reply_values::number(text), "number");
        QTEST(config::flag_set(text), "anyNumber");
        QTEST(config::flag_set_if_one(text), "onlyOne");
        QTEST(config::flag_one_or_zero(text), "oneOrZero");
    }

    // The file keeps a slider's label; the position comes back rounded to the nearest step
    // (3.1 is position 2, not 1), and absurd values stop at the int's bounds.
    void sliderPositions_data()
    {
        QTest::addColumn<bool>("distance");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("distance 3.1") << true << "3.1" << 2;
        QTest::newRow("distance 3.16 rounds up") << true << "3.16" << 3;
        QTest::newRow("distance beyond the slider") << true << "25" << 221;
        QTest::newRow("distance no number") << true << "abc" << -29;
        QTest::newRow("distance huge") << true << "1e300" << 2147483647;
        QTest::newRow("distance not finite") << true << "inf" << -29;
        QTest::newRow("size 1.2") << false << "1.2" << 8;
        QTest::newRow("size no number") << false << "x" << -4;
    }

    void sliderPositions()
    {
        QFETCH(bool, distance);
        QFETCH(QString, text);
        QTEST(distance ? slider_text::distance_position(text) : slider_text::size_position(text), "position");
    }

    // Every position comes back from its own label, or a slider would move at every start.
    void labelsRoundTrip()
    {
        for (int p = 1; p <= 171; ++p)
            QCOMPARE(slider_text::distance_position(slider_text::distance_text(p)), p);
        for (int p = 1; p <= 16; ++p)
            QCOMPARE(slider_text::size_position(slider_text::size_text(p)), p);
        QCOMPARE(slider_text::distance_text(46), QStringLiteral("7.5"));
        QCOMPARE(slider_text::size_text(16), QStringLiteral("2.0"));
    }

    void storedTexts()
    {
        // An unquoted "a,b" comes back from the INI reader as a list.
        QCOMPARE(config::text_of(QVariant(QStringList{"C:/a", "b"})), QStringLiteral("C:/a,b"));
        QCOMPARE(config::text_of(QVariant(7)), QStringLiteral("7"));
        QCOMPARE(config::customer_model(QStringLiteral("KLOR")), std::optional<bool>(true));
        QCOMPARE(config::customer_model(QStringLiteral("Other")), std::optional<bool>(false));
        QVERIFY(!config::customer_model(QStringLiteral("klor")));
        QVERIFY(!config::customer_model(QStringLiteral(" KLOR")));
    }

    void ipv4_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "192.168.1.100" << true;
        QTest::newRow("mask length ignored") << "10.1.2.3/24" << true;
        QTest::newRow("blanks around, port behind") << " 10.1.2.3 /8080" << true;
        QTest::newRow("only slashes") << "//" << false;
        QTest::newRow("leading zero") << "10.010.1.1" << false;
        QTest::newRow("blank inside") << "10.1. 2.3" << false;
        QTest::newRow("full-width digit") << QString::fromUtf8("１.2.3.4") << false;
    }

    void ipv4()
    {
        QFETCH(QString, text);
        QTEST(input::is_valid_ipv4(text), "valid");
    }

    // The typing patterns: ports 0 to 65535 without leading zeros, MAC bytes, director codes
    // in hex or any text.
    void typedPatterns()
    {
        const QRegularExpression port(QStringLiteral("\\A(?:%1)\\z").arg(input::port_number_pattern()));
        for (int n = 0; n <= 70000; ++n)
            QVERIFY2(port.match(QString::number(n)).hasMatch() == (n <= 65535), qPrintable(QString::number(n)));
        for (const char *bad : {"0554", "00", "55a", "-1", "55 4"})
            QVERIFY2(!matchesWhole(input::port_number_pattern(), QLatin1String(bad)), bad);
        QVERIFY(matchesWhole(input::mac_byte_pattern(), QStringLiteral("aF")));
        QVERIFY(!matchesWhole(input::mac_byte_pattern(), QStringLiteral("D4E")));
        QVERIFY(!matchesWhole(input::mac_byte_pattern(), QStringLiteral("0g")));
        QVERIFY(matchesWhole(input::director_code_pattern(1), QStringLiteral("ff 0A 00")));
        QVERIFY(!matchesWhole(input::director_code_pattern(1), QStringLiteral("FF-01")));
        QVERIFY(matchesWhole(input::director_code_pattern(2), QStringLiteral("switch to camera 1!")));
        QVERIFY(input::director_code_pattern(3).isEmpty());
    }

    // Apply's port rule: 1 to 65535 in plain decimal digits, nothing else.
    void forwardedPorts()
    {
        for (const char *good : {"1", "554", "65535"})
            QVERIFY2(portforward::is_port(QLatin1String(good)), good);
        for (const char *bad : {"0", "65536", "0554", "", "554a", " 554", "+554", "554\n", "18446744073709551617"})
            QVERIFY2(!portforward::is_port(QLatin1String(bad)), bad);
        QVERIFY(!portforward::is_port(QString::fromUtf8("٥٥٤")));
    }

    // With mapping every used field is checked, in the order login, addresses, ports, search
    // port; an empty mapped port is the camera's own and passes; nothing else is checked
    // without mapping.
    void mappingChecks_data()
    {
        QTest::addColumn<bool>("mapping");
        QTest::addColumn<QStringList>("changes"); // field=value
        QTest::addColumn<portforward::Fault>("fault");
        QTest::addColumn<QString>("text");
        using portforward::Fault;
        QTest::newRow("defaults") << true << QStringList{} << Fault::None << "";
        QTest::newRow("login before address") << true << QStringList{"username=", "password=", "host="} << Fault::Login
                                              << "";
        QTest::newRow("host before teacher") << true << QStringList{"host=x", "teacher=y"} << Fault::Address << "x";
        QTest::newRow("address before port") << true << QStringList{"student=y", "teacher_udp=0"} << Fault::Address << "y";
        QTest::newRow("teacher before student port") << true << QStringList{"student_tcp=x", "teacher_tcp=06793"}
                                                     << Fault::Port << "06793";
        QTest::newRow("search port empty") << true << QStringList{"search="} << Fault::Port << "";
        QTest::newRow("empty mapped ports are the own ones") << true << QStringList{"teacher_rtsp=", "student_backup="}
                                                             << Fault::None << "";
        QTest::newRow("unmapped: only the search port") << false << QStringList{"teacher_udp=abc", "host=x"} << Fault::None
                                                        << "";
        QTest::newRow("unmapped, bad search port") << false << QStringList{"search=80050"} << Fault::Port << "80050";
    }

    void mappingChecks()
    {
        QFETCH(bool, mapping);
        QFETCH(QStringList, changes);
        QFETCH(portforward::Fault, fault);
        QFETCH(QString, text);
        using F = portforward::Fields;
        const QHash<QString, QString F::*> fields = {
            {"username", &F::username},         {"password", &F::password},       {"host", &F::host_ip},
            {"teacher", &F::teacher_ip},        {"student", &F::student_ip},      {"teacher_rtsp", &F::teacher_rtsp},
            {"teacher_udp", &F::teacher_udp},   {"teacher_tcp", &F::teacher_tcp}, {"student_tcp", &F::student_tcp},
            {"student_backup", &F::student_backup}, {"search", &F::search_port}};
        F f{mapping, "username", "wobentri", "192.168.1.200", "192.168.1.201", "192.168.1.202",
            "20554", "21259", "26791", "26793", "25555", "10554", "11259", "16791", "16793", "15555", "8005"};
        for (const QString &change : changes)
            f.*fields.value(change.section(QLatin1Char('='), 0, 0)) = change.section(QLatin1Char('='), 1);
        const portforward::Check check = portforward::check(f);
        QCOMPARE(check.fault, fault);
        QCOMPARE(check.text, text);
    }

    // A stored port text fills its field; the port the program uses is the mapped one only
    // with mapping on, else the camera's own. A text that is no port counts as none stored.
    void portDecisions_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("mapping");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("member");
        QTest::newRow("mapped, absent") << "T_Visca_Port" << "" << true << "21259" << "21259";
        QTest::newRow("unmapped, stored") << "T_Visca_Port" << "30000" << false << "30000" << "1259";
        QTest::newRow("mapped, not a number") << "T_UDP_Port" << "abc" << true << "26791" << "26791";
        QTest::newRow("mapped, beyond 16 bits") << "T_UDP_Port" << "65536" << true << "26791" << "26791";
        QTest::newRow("unmapped, zero") << "S_RTSP_Port" << "0" << false << "10554" << "554";
        QTest::newRow("mapped, highest") << "S_RTSP_Port" << "65535" << true << "65535" << "65535";
        QTest::newRow("student tcp unmapped") << "S_TCP_Port" << "" << false << "16793" << "6793";
    }

    void portDecisions()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(bool, mapping);
        const auto &rows = ports::port_rows();
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const ports::PortRow &r) { return key == r.key; });
        QVERIFY(row != rows.end());
        const ports::PortDecision d = ports::decide_port(*row, stored, mapping);
        QTEST(d.field_text, "field");
        QTEST(d.member_text, "member");
        QCOMPARE(ports::mapped_or_own(true, QString(), QStringLiteral("554")), QStringLiteral("554"));
        QCOMPARE(ports::mapped_or_own(false, QStringLiteral("20554"), QStringLiteral("554")), QStringLiteral("554"));
    }
};

QTEST_APPLESS_MAIN(tst_SettingsCodecs)
#include "tst_settings_codecs.moc"
