#include "../sim_test_util.h"

#include "sim_camera.h"
#include "sim_camera_host.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

using namespace simtest;

// Several cameras at once in the host's worker thread, a camera that goes away and comes back,
// and the bounded waits on a camera's record.
class tst_SimHost : public QObject
{
    Q_OBJECT

private slots:
    void sixCamerasAnswerEachForItself()
    {
        const QStringList models{"R6", "M5", "M19", "J57", "J22", "J57"};
        SimCameraHost host;
        for (int i = 0; i < models.size(); ++i)
            QVERIFY(host.addCamera(QStringLiteral("127.0.0.%1").arg(i + 2), models.at(i)));
        QVERIFY(host.startAll());
        QCOMPARE(host.count(), 6);

        QUdpSocket client;
        QVERIFY(client.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        QUdpSocket replies;
        QVERIFY(bindReplySocket(replies));
        // Each camera takes a value of its own.
        for (int i = 0; i < models.size(); ++i) {
            const QHostAddress address(QStringLiteral("127.0.0.%1").arg(i + 2));
            client.writeDatagram(lines({"student_parameter", "set_tracking_config_file"}) + "\npano_sensitivity=" + QByteArray::number(i),
                                 address, 6791);
            QNetworkDatagram confirmation;
            QVERIFY(waitDatagram(replies, &confirmation));
            QCOMPARE(confirmation.senderAddress(), address);
        }
        for (int i = 0; i < models.size(); ++i) {
            const QHostAddress address(QStringLiteral("127.0.0.%1").arg(i + 2));
            client.writeDatagram(hex("81 09 11 49 FF"), address, 1259);
            QNetworkDatagram model;
            QVERIFY(waitDatagram(client, &model));
            QCOMPARE(model.senderAddress(), address);
            QCOMPARE(QString(QLatin1Char(model.data().at(6))) + QString::number(quint8(model.data().at(7)), 16), models.at(i));

            client.writeDatagram(lines({"student_parameter", "get_tracking_config_file"}), address, 6791);
            QNetworkDatagram values;
            QVERIFY(waitDatagram(replies, &values));
            QCOMPARE(values.senderAddress(), address);
            QCOMPARE(replyValue(values.data(), QStringLiteral("pano_sensitivity")), QString::number(i));
        }
        // Each record holds only what was sent to that camera.
        for (SimCamera *camera : host.cameras()) {
            const QVector<SimMessage> in = camera->received();
            QCOMPARE(in.size(), 3);
            for (const SimMessage &message : in)
                QCOMPARE(message.localAddress, QHostAddress(camera->address()));
        }
        QCOMPARE(host.cameraAt(QStringLiteral("127.0.0.5"))->model(), QStringLiteral("J57"));
        QVERIFY(!host.addCamera(QStringLiteral("127.0.0.5"), QStringLiteral("R6")));
    }

    void sixTcpLinksAtOnce()
    {
        SimCameraHost host;
        QVector<QTcpSocket *> links;
        for (int i = 0; i < 6; ++i)
            host.addCamera(QStringLiteral("127.0.0.%1").arg(i + 2), QStringLiteral("J57"));
        QVERIFY(host.startAll());
        for (int i = 0; i < 6; ++i) {
            links << new QTcpSocket(this);
            QVERIFY(connectTcp(*links.last(), QStringLiteral("127.0.0.%1").arg(i + 2), 6793));
            host.camera(i)->setZoom(1000 * (i + 1));
        }
        for (QTcpSocket *link : links)
            link->write(controlFrame(1259, hex("81 09 04 47 FF")));
        for (int i = 0; i < 6; ++i) {
            QByteArray buffer;
            UotFrame frame;
            QVERIFY(waitUotFrame(*links.at(i), &buffer, &frame));
            const QByteArray &p = frame.payload;
            QCOMPARE(p.size(), 7);
            QCOMPARE((p.at(2) << 12) | (p.at(3) << 8) | (p.at(4) << 4) | p.at(5), 1000 * (i + 1));
        }
        qDeleteAll(links);
    }

    void aHostCameraAnswersWhileTheTestThreadBlocks()
    {
        SimCameraHost host;
        SimCamera *camera = host.addCamera(QStringLiteral("127.0.0.2"), QStringLiteral("R6"));
        QVERIFY(camera->start());
        QVERIFY(camera->thread() == host.workerThread());
        // Blocking calls only: this thread handles no events, as the tool's connect waits do.
        QTcpSocket link;
        link.connectToHost(QHostAddress(QStringLiteral("127.0.0.2")), 6793);
        QVERIFY(link.waitForConnected(1500));
        link.write(controlFrame(1259, hex("81 09 06 12 FF")));
        QVERIFY(link.waitForBytesWritten(1500));
        QByteArray buffer;
        QElapsedTimer clock;
        clock.start();
        while (buffer.size() < 12 + 11 && clock.elapsed() < 1500) {
            if (link.waitForReadyRead(100))
                buffer.append(link.readAll());
        }
        UotFrame frame;
        QVERIFY(takeUotFrame(&buffer, &frame));
        QCOMPARE(frame.payload.size(), 11);
        // A wait of this thread on the other thread's camera sees its record.
        QVERIFY(camera->waitForMessage([](const SimMessage &m) { return m.isVisca(); }, kReplyMs));
    }

    void aCameraVanishesAndComesBack_data()
    {
        QTest::addColumn<bool>("inWorker");
        QTest::newRow("in the test's thread") << false;
        QTest::newRow("in the host's thread") << true;
    }

    void aCameraVanishesAndComesBack()
    {
        QFETCH(bool, inWorker);
        SimCameraHost host;
        SimCamera local(QStringLiteral("127.0.0.3"), QStringLiteral("M19"));
        SimCamera *camera = inWorker ? host.addCamera(QStringLiteral("127.0.0.3"), QStringLiteral("M19")) : &local;
        QVERIFY(camera->start());
        QUdpSocket client;
        QVERIFY(client.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        QUdpSocket replies;
        QVERIFY(bindReplySocket(replies));
        client.writeDatagram(lines({"teacher_parameter", "set_tracking_config_file", "tracking_mode=5"}),
                             QHostAddress(QStringLiteral("127.0.0.3")), 6791);
        QNetworkDatagram answer;
        QVERIFY(waitDatagram(replies, &answer));

        QTcpSocket link;
        QVERIFY(connectTcp(link, QStringLiteral("127.0.0.3"), 6793));
        QVERIFY(QTest::qWaitFor([&] { return camera->tcpLinkCount() == 1; }, kReplyMs));

        // Mid-operation the camera goes: its link breaks, its ports stop answering.
        camera->stop();
        QVERIFY(!camera->isRunning());
        QVERIFY(QTest::qWaitFor([&] { return link.state() == QAbstractSocket::UnconnectedState; }, kReplyMs));
        client.writeDatagram(lines({"teacher_parameter", "get_tracking_status"}), QHostAddress(QStringLiteral("127.0.0.3")), 6791);
        QVERIFY(staysSilent(replies));
        QTcpSocket refused;
        refused.connectToHost(QHostAddress(QStringLiteral("127.0.0.3")), 6793);
        QVERIFY(QTest::qWaitFor([&] { return refused.state() == QAbstractSocket::UnconnectedState; }, kReplyMs));
        QCOMPARE(refused.error(), QAbstractSocket::ConnectionRefusedError);

        // It comes back with what it held.
        QVERIFY2(camera->start(), qPrintable(camera->lastError()));
        client.writeDatagram(lines({"teacher_parameter", "get_tracking_config_file"}), QHostAddress(QStringLiteral("127.0.0.3")), 6791);
        QVERIFY(waitDatagram(replies, &answer));
        QCOMPARE(replyValue(answer.data(), QStringLiteral("tracking_mode")), QStringLiteral("5"));
        QTcpSocket again;
        QVERIFY(connectTcp(again, QStringLiteral("127.0.0.3"), 6793));
        again.write(controlFrame(1259, hex("8A 09 04 38 FF")));
        QByteArray buffer;
        UotFrame frame;
        QVERIFY(waitUotFrame(again, &buffer, &frame));
        QCOMPARE(frame.payload, hex("90 50 02 FF"));
    }

    void aSecondCameraOnTheSameAddressDoesNotStart()
    {
        SimCamera first(QStringLiteral("127.0.0.6"), QStringLiteral("J57"));
        QVERIFY(first.start());
        SimCamera second(QStringLiteral("127.0.0.6"), QStringLiteral("R6"));
        QVERIFY(!second.start());
        QVERIFY(!second.isRunning());
        QVERIFY2(second.lastError().contains(QLatin1String("6791")), qPrintable(second.lastError()));
        // The same ports on another address are free.
        QVERIFY(second.setAddress(QStringLiteral("127.0.0.7")));
        QVERIFY2(second.start(), qPrintable(second.lastError()));
        QVERIFY(!second.setAddress(QStringLiteral("127.0.0.8"))); // not while running
        QVERIFY(!second.setPorts(SimPorts()));
        // The first still answers from its own address.
        QUdpSocket client;
        QVERIFY(client.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        client.writeDatagram(hex("81 09 11 49 FF"), QHostAddress(QStringLiteral("127.0.0.6")), 1259);
        QNetworkDatagram model;
        QVERIFY(waitDatagram(client, &model));
        QCOMPARE(model.data().mid(6, 2), hex("4A 57"));
    }

    void onlyLoopbackAddressesAreServed_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("no address") << "not-an-address";
        QTest::newRow("IPv6 loopback") << "::1";
        QTest::newRow("private network") << "10.0.0.2";
        QTest::newRow("any") << "0.0.0.0";
        QTest::newRow("multicast") << "239.255.255.250";
    }

    void onlyLoopbackAddressesAreServed()
    {
        QFETCH(QString, address);
        SimCamera camera(address, QStringLiteral("J57"));
        QVERIFY(!camera.start());
        QVERIFY(!camera.isRunning());
        QVERIFY(camera.lastError().contains(QLatin1String("loopback")));
        QVERIFY(!camera.setAddress(address));
        QVERIFY(camera.setAddress(QStringLiteral("127.1.2.3")));
    }

    void waitsAreBounded()
    {
        SimCamera camera(QStringLiteral("127.0.0.2"), QStringLiteral("J57"));
        QVERIFY(camera.start());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!camera.waitForMessage([](const SimMessage &) { return true; }, 150));
        const qint64 waited = clock.elapsed();
        QVERIFY2(waited >= 150 && waited < 1000, qPrintable(QString::number(waited)));
        // A message that arrives during the wait ends it early.
        QUdpSocket client;
        QTimer::singleShot(50, &client, [&client] {
            client.writeDatagram(QByteArray("teacher_parameter"), QHostAddress(QStringLiteral("127.0.0.2")), 6791);
        });
        clock.restart();
        const auto message = camera.waitForMessage([](const SimMessage &m) { return m.isText(); }, 5000);
        QVERIFY(message);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(message->payload, QByteArray("teacher_parameter"));
        // A wait from index `from` on skips what came before.
        QVERIFY(!camera.waitForMessage([](const SimMessage &m) { return m.isText(); }, 50, camera.receivedCount()));
        QVERIFY(camera.waitForSent([](const SimMessage &) { return true; }, 10) == std::nullopt);
    }

    void signalsReachAnotherThreadsReceivers()
    {
        SimCameraHost host;
        SimCamera *camera = host.addCamera(QStringLiteral("127.0.0.4"), QStringLiteral("J22"));
        QVERIFY(camera->start());
        QSignalSpy received(camera, &SimCamera::messageReceived);
        QSignalSpy sent(camera, &SimCamera::messageSent);
        QUdpSocket client;
        QVERIFY(client.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        client.writeDatagram(hex("81 09 04 47 FF"), QHostAddress(QStringLiteral("127.0.0.4")), 1259);
        QVERIFY(QTest::qWaitFor([&] { return received.size() == 1 && sent.size() == 1; }, kReplyMs));
        const SimMessage in = received.first().first().value<SimMessage>();
        const SimMessage out = sent.first().first().value<SimMessage>();
        QCOMPARE(in.payload, hex("81 09 04 47 FF"));
        QCOMPARE(out.payload, hex("90 50 00 00 00 00 FF"));
        QCOMPARE(out.peerPort, client.localPort());
    }
};

QTEST_GUILESS_MAIN(tst_SimHost)
#include "tst_sim_host.moc"
