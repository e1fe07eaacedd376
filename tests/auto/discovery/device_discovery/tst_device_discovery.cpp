// The device search across two network namespaces joined by a veth pair: the search goes out on
// the group, a simulated camera's answer by multicast and one sent straight back both become
// records, a network configuration comes back confirmed and changes the next answer, a reboot is
// sent; a flood on the search port and a host with many addresses stay bounded.
#include "discovery/device_discovery.h"
#include "discovery/discovery_messages.h"

#include "log_capture.h"
#include "netns_peer.h"
#include "sim_discovery.h"

#include <QSignalSpy>
#include <QSocketNotifier>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

namespace {
constexpr int kWaitMs = 5000;
const QString kCamera2 = QStringLiteral("10.250.0.2");
const QString kCamera3 = QStringLiteral("10.250.0.3");

int local_index(const DeviceDiscovery &discovery)
{
    const auto &list = discovery.local_ip_list();
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).address == QLatin1String(NetnsPeer::kLocalAddress))
            return i;
    }
    return -1;
}
} // namespace

Q_DECLARE_METATYPE(SimReplyRoute)

class tst_DeviceDiscovery : public QObject
{
    Q_OBJECT

    std::unique_ptr<NetnsPeer> m_peer;
    SimDiscoveryService *m_camera = nullptr; // lives in the peer's thread

    // A camera on address in the peer namespace, answering by route.
    bool start_camera(const QString &address, SimReplyRoute route, const SimDeviceIdentity &identity = {})
    {
        bool started = false;
        m_peer->run([&] {
            m_camera = new SimDiscoveryService(address, route);
            SimDeviceIdentity me = identity;
            me.ip = address;
            m_camera->setIdentity(me);
            started = m_camera->start();
            if (!started)
                qWarning() << m_camera->lastError();
        });
        return started;
    }

private slots:
    void initTestCase()
    {
        m_peer = std::make_unique<NetnsPeer>(QStringList{kCamera3});
        QVERIFY2(m_peer->error().isEmpty(), qPrintable(m_peer->error()));
    }

    void cleanup()
    {
        m_peer->run([this] { delete m_camera; });
        m_camera = nullptr;
    }

    void cleanupTestCase() { m_peer.reset(); }

    void search_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<SimReplyRoute>("route");
        QTest::newRow("answer to the group") << kCamera2 << SimReplyRoute::Multicast;
        QTest::newRow("answer straight back") << kCamera3 << SimReplyRoute::Unicast;
    }

    void search()
    {
        QFETCH(QString, address);
        QFETCH(SimReplyRoute, route);
        QVERIFY(start_camera(address, route));
        DeviceDiscovery discovery;
        const int index = local_index(discovery);
        QVERIFY(index >= 0);
        QCOMPARE(discovery.search(index), DeviceDiscovery::SearchOutcome::Sent);
        QCOMPARE(discovery.bound_index(), index);

        QTRY_COMPARE_WITH_TIMEOUT(int(discovery.device_list().size()), 1, kWaitMs);
        const Dev_info device = discovery.device_list().front();
        QCOMPARE(device.ip, address);
        QCOMPARE(device.device_id, SimDeviceIdentity().deviceId);
        QCOMPARE(device.uptime, QStringLiteral("01:02:05"));
        QCOMPARE(device.mac, QStringLiteral("D4:E0:8E:01:02:03"));
        const auto received = m_camera->received();
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.first().payload, discovery::search_message(discovery.client_id()));
        QCOMPARE(received.first().from.toString(), QLatin1String(NetnsPeer::kLocalAddress));

        // A second search with the same choice only sends; the list starts again.
        QSignalSpy changed(&discovery, &DeviceDiscovery::device_list_changed);
        QCOMPARE(discovery.search(index), DeviceDiscovery::SearchOutcome::Sent);
        QVERIFY(discovery.device_list().empty());
        QTRY_COMPARE_WITH_TIMEOUT(int(discovery.device_list().size()), 1, kWaitMs);
        QCOMPARE(changed.count(), 2);
    }

    // The dispatcher may report a socket readable with nothing left to read (another turn of
    // the event loop took it); the next answer must still be read.
    void search_after_a_wake_with_nothing_to_read_data() { search_data(); }
    void search_after_a_wake_with_nothing_to_read()
    {
        QFETCH(QString, address);
        QFETCH(SimReplyRoute, route);
        QVERIFY(start_camera(address, route));
        DeviceDiscovery discovery;
        const int index = local_index(discovery);
        QCOMPARE(discovery.search(index), DeviceDiscovery::SearchOutcome::Sent);
        QTRY_COMPARE_WITH_TIMEOUT(int(discovery.device_list().size()), 1, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(discovery.parses_in_flight(), 0, kWaitMs);

        int wakes = 0;
        for (QUdpSocket *socket : discovery.findChildren<QUdpSocket *>()) {
            QVERIFY(!socket->hasPendingDatagrams());
            for (QSocketNotifier *notifier : socket->findChildren<QSocketNotifier *>()) {
                if (notifier->type() != QSocketNotifier::Read || !notifier->isEnabled())
                    continue;
                QEvent wake(QEvent::SockAct);
                QCoreApplication::sendEvent(notifier, &wake);
                ++wakes;
            }
        }
        QCOMPARE(wakes, 3);
        QCOMPARE(discovery.search(index), DeviceDiscovery::SearchOutcome::Sent);
        QTRY_COMPARE_WITH_TIMEOUT(int(discovery.device_list().size()), 1, kWaitMs);
    }

    void configure_and_reboot()
    {
        QVERIFY(start_camera(kCamera2, SimReplyRoute::Multicast));
        DeviceDiscovery discovery;
        const int index = local_index(discovery);
        QCOMPARE(discovery.search(index), DeviceDiscovery::SearchOutcome::Sent);
        QTRY_COMPARE_WITH_TIMEOUT(int(discovery.device_list().size()), 1, kWaitMs);
        const QString device_id = discovery.device_list().front().device_id;

        const netconfig::NetworkConfig config{0, QStringLiteral("10.250.0.2"), QStringLiteral("255.255.0.0"),
                                              QStringLiteral("10.250.9.1"), QStringLiteral("10.250.9.2"),
                                              QStringLiteral("d4:e0:8e:0a:0b:0c").split(QLatin1Char(':'))};
        QCOMPARE(netconfig::check(config), netconfig::Check::Ok);
        QSignalSpy success(&discovery, &DeviceDiscovery::set_success);
        QVERIFY(discovery.send_network_config(index, config, device_id));
        QVERIFY(success.wait(kWaitMs));
        QCOMPARE(m_camera->configs(), QVector<QByteArray>{discovery::config_message(config, device_id, discovery.client_id())});
        // "Set Success" searches again; the camera answers with its new settings.
        QTRY_COMPARE_WITH_TIMEOUT(int(discovery.device_list().size()), 1, kWaitMs);
        const Dev_info device = discovery.device_list().front();
        QCOMPARE(device.netmask, config.netmask);
        QCOMPARE(device.gateway, config.gateway);
        QCOMPARE(device.fdns, config.fdns);
        QCOMPARE(device.mac, QStringLiteral("d4:e0:8e:0a:0b:0c"));

        QVERIFY(discovery.send_reboot(index, device_id));
        QTRY_COMPARE_WITH_TIMEOUT(m_camera->reboots(), 1, kWaitMs);
        QCOMPARE(success.count(), 1);
    }

    void flood_is_bounded()
    {
        DeviceDiscovery discovery;
        const int index = local_index(discovery);
        QCOMPARE(discovery.search(index), DeviceDiscovery::SearchOutcome::Sent);
        LogCapture log;
        QUdpSocket sender;
        constexpr int kDatagrams = 200;
        for (int i = 0; i < kDatagrams; ++i)
            sender.writeDatagram(QByteArray("REPLY OK flood ") + QByteArray::number(i),
                                 QHostAddress(QLatin1String(NetnsPeer::kLocalAddress)), quint16(discovery.port()));
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("DeviceDiscovery: dropped")), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(discovery.parses_in_flight(), 0, kWaitMs);
        QVERIFY2(discovery.peak_parses_in_flight() <= DeviceDiscovery::kMaxParsesInFlight,
                 qPrintable(QString::number(discovery.peak_parses_in_flight())));
    }

    void local_addresses_are_bounded()
    {
        QString add = QStringLiteral("ip link add cvmany type veth peer name cvmany2");
        for (int i = 1; i <= 40; ++i)
            add += QStringLiteral(" && ip addr add 10.251.0.%1/32 dev cvmany").arg(i);
        QVERIFY2(m_peer->shell(add), qPrintable(m_peer->error()));
        LogCapture log;
        DeviceDiscovery discovery;
        m_peer->shell(QStringLiteral("ip link del cvmany"));
        QCOMPARE(discovery.local_ip_list().size(), DeviceDiscovery::kMaxLocalAddresses);
        QVERIFY(log.contains(QStringLiteral("local addresses are listed")));
    }
};

QTEST_GUILESS_MAIN(tst_DeviceDiscovery)
#include "tst_device_discovery.moc"
