// The device search across two network namespaces joined by a veth pair: the search goes out on
// the group, a simulated camera's answer by multicast and one sent straight back both become
// records, a network configuration comes back confirmed and changes the next answer, a reboot is
// sent; a whole site answering at once is listed, and a flood on the search port, the list and a
// host with many addresses stay bounded.
#include "discovery/device_discovery.h"
#include "discovery/discovery_messages.h"

#include "log_capture.h"
#include "netns_peer.h"
#include "sim_discovery.h"

#include <QSignalSpy>
#include <QSocketNotifier>
#include <QUdpSocket>
#include <QtTest>

#include <algorithm>
#include <functional>
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

bool sorted_by_address(const DeviceDiscovery &discovery)
{
    return std::is_sorted(discovery.device_list().begin(), discovery.device_list().end(),
                          [](const Dev_info &a, const Dev_info &b) { return a.ip < b.ip; });
}
} // namespace

Q_DECLARE_METATYPE(SimReplyRoute)

class tst_DeviceDiscovery : public QObject
{
    Q_OBJECT

    std::unique_ptr<NetnsPeer> m_peer;
    SimDiscoveryService *m_camera = nullptr; // lives in the peer's thread
    QList<SimDiscoveryService *> m_site;     // a site's cameras, in the peer's thread too

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

    // Holds this thread, as a window busy with something else, until the peer's cameras have
    // answered: the answers wait unread.
    void hold_until_answered(const std::function<bool()> &answered)
    {
        m_peer->run([&] { QTest::qWaitFor(answered, kWaitMs); });
    }

private slots:
    void initTestCase()
    {
        m_peer = std::make_unique<NetnsPeer>(QStringList{kCamera3});
        QVERIFY2(m_peer->error().isEmpty(), qPrintable(m_peer->error()));
    }

    void cleanup()
    {
        m_peer->run([this] {
            delete m_camera;
            qDeleteAll(m_site);
        });
        m_camera = nullptr;
        m_site.clear();
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

    // A large site's cameras all answer one search at once, each from a socket of its own, to the
    // group or straight back: every answer is listed, however many are still being parsed when
    // it comes or wait unread while the window is busy, and no more parse threads run at once
    // than the bound.
    void every_camera_of_a_site_is_listed_data()
    {
        QTest::addColumn<int>("cameras");
        QTest::addColumn<bool>("halfStraightBack");
        QTest::addColumn<bool>("busy");
        QTest::newRow("70 cameras") << 70 << true << false;
        QTest::newRow("300 cameras") << 300 << true << false;
        QTest::newRow("300 cameras to the group while the window is busy") << 300 << false << true;
    }
    void every_camera_of_a_site_is_listed()
    {
        QFETCH(int, cameras);
        QFETCH(bool, halfStraightBack);
        QFETCH(bool, busy);
        bool started = true;
        m_peer->run([&] {
            for (int i = 0; i < cameras && started; ++i) {
                const bool straightBack = halfStraightBack && i % 2;
                auto *camera = new SimDiscoveryService(kCamera2, straightBack ? SimReplyRoute::Unicast : SimReplyRoute::Multicast);
                SimDeviceIdentity me;
                me.ip = QStringLiteral("10.250.%1.%2").arg(1 + i / 200).arg(1 + i % 200);
                me.deviceId = QStringLiteral("%1").arg(i, 32, 16, QLatin1Char('0'));
                camera->setIdentity(me);
                started = camera->start();
                m_site << camera;
            }
        });
        QVERIFY(started);
        DeviceDiscovery discovery;
        QCOMPARE(discovery.search(local_index(discovery)), DeviceDiscovery::SearchOutcome::Sent);
        if (busy)
            hold_until_answered([this] {
                return std::all_of(m_site.cbegin(), m_site.cend(), [](auto *c) { return !c->received().isEmpty(); });
            });
        QTRY_COMPARE_WITH_TIMEOUT(int(discovery.device_list().size()), cameras, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(discovery.parses_in_flight(), 0, kWaitMs);
        QVERIFY(discovery.peak_parses_in_flight() <= DeviceDiscovery::kMaxParsesInFlight);
        QSet<QString> ids;
        for (const Dev_info &device : discovery.device_list())
            ids.insert(device.device_id);
        QCOMPARE(ids.size(), cameras);
        QVERIFY(sorted_by_address(discovery));
    }

    // The list holds the first kMaxListedDevices cameras that answer; the answers of more are
    // counted, in one log line as the list fills and one with their count at the next search.
    void list_is_bounded_data()
    {
        QTest::addColumn<int>("beyond");
        QTest::newRow("a full list") << 0;
        QTest::newRow("50 cameras beyond") << 50;
    }
    void list_is_bounded()
    {
        QFETCH(int, beyond);
        const int cameras = DeviceDiscovery::kMaxListedDevices + beyond;
        bool started = false;
        m_peer->run([&] {
            m_camera = new SimDiscoveryService(kCamera2);
            m_camera->setFleet(cameras);
            started = m_camera->start();
        });
        QVERIFY(started);
        LogCapture log;
        DeviceDiscovery discovery;
        const int index = local_index(discovery);
        QCOMPARE(discovery.search(index), DeviceDiscovery::SearchOutcome::Sent);
        hold_until_answered([&] { return m_camera->fleetAnswersSent() == cameras; });
        QTRY_COMPARE_WITH_TIMEOUT(int(discovery.device_list().size()) + discovery.left_out(), cameras, kWaitMs);
        QCOMPARE(int(discovery.device_list().size()), DeviceDiscovery::kMaxListedDevices);
        QCOMPARE(discovery.left_out(), beyond);
        QCOMPARE(log.count(QStringLiteral("the answers of more are counted")), int(beyond > 0));
        QVERIFY(sorted_by_address(discovery));

        m_peer->run([&] { m_camera->setFleet(1); });
        QCOMPARE(discovery.search(index), DeviceDiscovery::SearchOutcome::Sent);
        QCOMPARE(discovery.left_out(), 0);
        QCOMPARE(log.count(QStringLiteral("left out %1 answers").arg(beyond)), int(beyond > 0));
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

    // A flood on the search port starts no more parse threads at once than the bound; what comes
    // meanwhile waits and is parsed, none dropped.
    void flood_is_bounded()
    {
        DeviceDiscovery discovery;
        const int index = local_index(discovery);
        QCOMPARE(discovery.search(index), DeviceDiscovery::SearchOutcome::Sent);
        // The search itself comes back on the group, looped back by the send socket.
        QTRY_COMPARE_WITH_TIMEOUT(discovery.datagrams_parsed(), qint64(1), kWaitMs);
        LogCapture log;
        QUdpSocket sender;
        constexpr int kDatagrams = 200;
        for (int i = 0; i < kDatagrams; ++i)
            sender.writeDatagram(QByteArray("REPLY OK flood ") + QByteArray::number(i),
                                 QHostAddress(QLatin1String(NetnsPeer::kLocalAddress)), quint16(discovery.port()));
        QTRY_COMPARE_WITH_TIMEOUT(discovery.datagrams_parsed(), qint64(1 + kDatagrams), kWaitMs);
        QCOMPARE(discovery.datagrams_waiting(), 0);
        QVERIFY2(discovery.peak_parses_in_flight() <= DeviceDiscovery::kMaxParsesInFlight,
                 qPrintable(QString::number(discovery.peak_parses_in_flight())));
        QVERIFY(!log.contains(QStringLiteral("DeviceDiscovery: dropped")));
    }

    // Beyond its bound the queue drops datagrams and counts them: one line as it fills, one with
    // the count once it has emptied or a new search cleared it.
    void waiting_datagrams_are_bounded_data()
    {
        QTest::addColumn<int>("beyond");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("full, none beyond") << 0 << false;
        QTest::newRow("5 beyond, parsed") << 5 << false;
        QTest::newRow("a flood beyond, a new search") << 3000 << true;
    }
    void waiting_datagrams_are_bounded()
    {
        QFETCH(int, beyond);
        QFETCH(bool, cleared);
        LogCapture log;
        int taken = 0;
        {
            WaitingDatagrams waiting;
            for (int i = 0; i < WaitingDatagrams::kMaxWaiting + beyond; ++i)
                QCOMPARE(waiting.push(QByteArray::number(i)), i < WaitingDatagrams::kMaxWaiting);
            QCOMPARE(log.count(QStringLiteral("datagrams wait to be parsed")), int(beyond > 0));
            QCOMPARE(waiting.take(), QByteArray("0"));
            QVERIFY(!log.contains(QStringLiteral("DeviceDiscovery: dropped")));
            if (cleared) {
                waiting.clear();
                QVERIFY(log.contains(QStringLiteral("leaves %1 datagrams").arg(WaitingDatagrams::kMaxWaiting - 1)));
            }
            while (!waiting.isEmpty())
                taken = waiting.take().toInt();
        }
        QCOMPARE(taken, cleared ? 0 : WaitingDatagrams::kMaxWaiting - 1);
        QCOMPARE(log.count(QStringLiteral("dropped %1 datagrams").arg(beyond)), int(beyond > 0));
        QCOMPARE(log.count(QStringLiteral("DeviceDiscovery: dropped")), int(beyond > 0));
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
