// The discovery's datagrams: the reading of cameras' answers (whole, with keys missing, values
// too long, garbage, a zero byte inside), the uptime text, the messages the tool sends, and the
// Set button's checks of the network form.
#include "discovery/discovery_messages.h"
#include "discovery/network_config.h"
#include "settings/input_rules.h"

#include "log_capture.h"

#include <QtTest>

namespace {
const QByteArray kClient = "00112233445566778899aabbccddeeff";
const QByteArray kDevice = "0123456789abcdef0123456789abcdef";

QByteArray answer(const QByteArray &eol = "\r\n")
{
    return "REPLY OK SEARCH" + eol + "VERSION:V3.1.0" + eol + "DEVICE_MODEL:K38.T20" + eol + "Client ID:" + kClient + eol
           + "Device ID:" + kDevice + eol + "Uptime=3725" + eol + "DHCP=1" + eol + "IP=10.250.0.2" + eol
           + "MASK=255.255.255.0" + eol + "GATEWAY=10.250.0.254" + eol + "MAC=D4:E0:8E:01:02:03" + eol + "FDNS=8.8.8.8";
}

QByteArray without(QByteArray bytes, const QByteArray &line)
{
    return bytes.replace(line + "\r\n", "");
}

netconfig::NetworkConfig form(int dhcp, const QString &ip, const QString &mask, const QString &gateway, const QString &fdns,
                              const QString &mac)
{
    return {dhcp, ip, mask, gateway, fdns, mac.split(QLatin1Char(':'))};
}
} // namespace

Q_DECLARE_METATYPE(netconfig::Check)
Q_DECLARE_METATYPE(netconfig::NetworkConfig)

class tst_DiscoveryMessages : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<int>("kind");
        // "ip|netmask|gateway|mac|fdns|version|model|device_id|uptime|dhcp"
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("logged");

        const QString whole = QStringLiteral("10.250.0.2|255.255.255.0|10.250.0.254|D4:E0:8E:01:02:03|8.8.8.8|V3.1.0|K38.T20|")
                              + kDevice + QStringLiteral("|01:02:05|true");
        QTest::newRow("whole answer") << answer() << 1 << whole << QString();
        QTest::newRow("lines ended by LF alone") << answer("\n") << 1 << whole << QString();
        QTest::newRow("without uptime") << without(answer(), "Uptime=3725") << 1
                                        << QString(whole).replace(QLatin1String("01:02:05"), QLatin1String("00:00:00")) << QString();
        QTest::newRow("keys missing: empty, not the next line")
            << without(without(answer(), "IP=10.250.0.2"), "VERSION:V3.1.0") << 1
            << QStringLiteral("|255.255.255.0|10.250.0.254|D4:E0:8E:01:02:03|8.8.8.8||K38.T20|") + kDevice
                   + QStringLiteral("|01:02:05|true")
            << QStringLiteral("answer without VERSION:, IP=");
        QTest::newRow("overlong value cut") << QByteArray(answer()).replace("V3.1.0", QByteArray(300, 'v')) << 1
                                            << QString(whole).replace(QLatin1String("V3.1.0"), QString(64, QLatin1Char('v')))
                                            << QStringLiteral("cut to their length: VERSION:");
        QTest::newRow("uptime no number") << QByteArray(answer()).replace("3725", "12x") << 1
                                          << QString(whole).replace(QLatin1String("01:02:05"), QLatin1String("00:00:00"))
                                          << QStringLiteral("no count of seconds");
        QTest::newRow("a day and a second") << QByteArray(answer()).replace("3725", "86401") << 1
                                            << QString(whole).replace(QLatin1String("01:02:05"), QLatin1String("1Day 00:00:01"))
                                            << QString();
        QTest::newRow("zero byte ends the text") << QByteArray(answer()).replace("\r\nFDNS", QByteArray("\0\r\nFDNS", 7)) << 1
                                                 << QString(whole).replace(QLatin1String("8.8.8.8"), QString()) << QString();
        QTest::newRow("garbage") << QByteArray("\xff\xfe\x00\x01garbage", 11) << 0 << QStringLiteral("|||||||||false")
                                 << QString();
        QTest::newRow("prefix alone, nothing else") << QByteArray("REPLY OK ") << 1
                                                    << QStringLiteral("||||||||00:00:00|false") << QStringLiteral("answer without VERSION:");
        QTest::newRow("shorter than a prefix") << QByteArray("REPLY") << 0 << QStringLiteral("|||||||||false") << QString();
        QTest::newRow("confirmation") << "SUCCEED *\r\nClient ID:" + kClient + "\r\nDevice ID:" + kDevice << 3
                                      << QStringLiteral("|||||||") + kDevice + QStringLiteral("||false") << QString();
        QTest::newRow("refusal") << "FAILED * \r\nClient ID:" + kClient << 4 << QStringLiteral("|||||||||false") << QString();
    }

    void parse()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(int, kind);
        QFETCH(QString, fields);
        QFETCH(QString, logged);
        LogCapture log;
        const QString text = discovery::datagram_text(datagram);
        QCOMPARE(int(discovery::reply_kind(text)), kind);
        const Dev_info info = discovery::parse_reply(text, discovery::reply_kind(text));
        const QStringList got{info.ip, info.netmask, info.gateway, info.mac, info.fdns, info.version, info.device_model,
                              info.device_id, info.uptime, info.dhcp ? QStringLiteral("true") : QStringLiteral("false")};
        QCOMPARE(got.join(QLatin1Char('|')), fields);
        if (kind == 1 || kind == 3)
            QCOMPARE(info.client_id.toLatin1(), datagram.contains("Client ID:") ? kClient : QByteArray());
        if (!logged.isEmpty())
            QVERIFY2(log.contains(logged), qPrintable(log.lines().join(QLatin1Char('\n'))));
    }

    void uptime_text_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << QStringLiteral("00:00:00");
        QTest::newRow("59") << 59 << QStringLiteral("00:00:59");
        QTest::newRow("a day less a second") << 86399 << QStringLiteral("23:59:59");
        QTest::newRow("a day") << 86400 << QStringLiteral("1Day 00:00:00");
        QTest::newRow("a day, an hour, a minute, a second") << 90061 << QStringLiteral("1Day 01:01:01");
    }

    void uptime_text()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(discovery::uptime_text(seconds / 86400, seconds % 86400 / 3600, seconds % 3600 / 60, seconds % 60), text);
    }

    void messages()
    {
        const QString client = discovery::make_search_client_id();
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(client).hasMatch());
        const QByteArray search = discovery::search_message(client);
        QCOMPARE(search.size(), 60);
        QCOMPARE(search, "SEARCH * UPGRADE\r\nClient ID:" + client.toLatin1());
        QCOMPARE(discovery::config_message(form(1, "10.1.1.20", "255.255.255.0", "10.1.1.1", "", "d4:E0:8e:01:02:03"),
                                           QString::fromLatin1(kDevice), QString::fromLatin1(kClient)),
                 "CONFIGNET\nDevice ID:" + kDevice + "\nClient ID:" + kClient
                     + "\ndhcp=1\nipaddr=10.1.1.20\nnetmask=255.255.255.0\ngateway=10.1.1.1\nfdns=\nmacaddr=d4:E0:8e:01:02:03");
        QCOMPARE(discovery::reboot_message(QString::fromLatin1(kDevice), QString::fromLatin1(kClient)),
                 "CAMERA_REBOOT\nDevice ID:" + kDevice + "\nClient ID:" + kClient);
    }

    void network_check_data()
    {
        QTest::addColumn<netconfig::NetworkConfig>("config");
        QTest::addColumn<netconfig::Check>("check");
        using netconfig::Check;
        QTest::newRow("manual, good") << form(0, "10.1.1.20", "255.255.255.0", "10.1.1.1", "10.1.1.2", "D4:E0:8E:01:02:03")
                                      << Check::Ok;
        QTest::newRow("gateway in another subnet")
            << form(0, "10.1.1.20", "255.255.255.0", "10.1.2.1", "10.1.1.2", "D4:E0:8E:01:02:03") << Check::Invalid;
        QTest::newRow("mask of all ones") << form(0, "10.1.1.20", "255.255.255.255", "10.1.1.20", "10.1.1.2", "D4:E0:8E:01:02:03")
                                          << Check::Invalid;
        QTest::newRow("manual without DNS server") << form(0, "10.1.1.20", "255.255.255.0", "10.1.1.1", "", "D4:E0:8E:01:02:03")
                                                   << Check::Invalid;
        QTest::newRow("DHCP: addresses not checked") << form(1, "x", "y", "z", "", "d4:e0:8e:01:02:03") << Check::Ok;
        QTest::newRow("DHCP: MAC still checked") << form(1, "x", "y", "z", "", "D4:E0:8E:01:02:G3") << Check::Invalid;
        QTest::newRow("a MAC part empty") << form(0, "10.1.1.20", "255.255.255.0", "10.1.1.1", "10.1.1.2", "D4:E0:8E:01::03")
                                          << Check::Incomplete;
        QTest::newRow("address empty") << form(1, "", "y", "z", "", "D4:E0:8E:01:02:03") << Check::Incomplete;
        QTest::newRow("five MAC parts") << form(1, "x", "y", "z", "", "D4:E0:8E:01:02") << Check::Incomplete;
    }

    void network_check()
    {
        QFETCH(netconfig::NetworkConfig, config);
        QFETCH(netconfig::Check, check);
        QCOMPARE(netconfig::check(config), check);
    }

    void address_checks()
    {
        for (const char *mask : {"255.255.255.0", "255.255.254.0", "255.0.0.0", "0.0.0.0"})
            QVERIFY2(input::is_valid_netmask(QLatin1String(mask)), mask);
        for (const char *mask : {"255.255.255.255", "255.0.255.0", "255.255.253.0", "255.255.255.0 "})
            QVERIFY2(!input::is_valid_netmask(QLatin1String(mask)), mask);
        QVERIFY(input::is_valid_mac(QStringLiteral("d4:E0:8e:01:02:03")));
        QVERIFY(!input::is_valid_mac(QStringLiteral("d4:E0:8e:01:02:03:04")));
        QVERIFY(!input::is_valid_mac(QStringLiteral("d4-E0-8e-01-02-03")));
    }

    void form_from_device()
    {
        Dev_info device;
        device.ip = QStringLiteral("10.1.1.20");
        device.gateway = QStringLiteral("10.1.1.1");
        device.mac = QStringLiteral("D4:E0:8E:0"); // an answer cut short
        const netconfig::NetworkConfig config = netconfig::from_device(device);
        QCOMPARE(config.fdns, device.gateway);
        QCOMPARE(config.mac, (QStringList{"D4", "E0", "8E", "0", "", ""}));
        QCOMPARE(netconfig::check(config), netconfig::Check::Incomplete);
    }
};

QTEST_GUILESS_MAIN(tst_DiscoveryMessages)
#include "tst_discovery_messages.moc"
