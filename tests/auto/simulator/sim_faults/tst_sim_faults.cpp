#include "../sim_test_util.h"

#include "sim_camera.h"
#include "sim_fault.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace simtest;

// The fault modes of a simulated camera, each switched on at run time and seen from the wire:
// what arrives, in which shape, and that the camera still records what it was sent.
class tst_SimFaults : public QObject
{
    Q_OBJECT

private:
    static constexpr const char *kAddress = "127.0.0.5";
    const QByteArray kRequest = lines({"teacher_parameter", "get_tracking_status"});
    const QByteArray kAnswer = lines({"teacher_parameter", "teacher_tracking_status=stop"});

    SimCamera *m_camera = nullptr;
    QTcpSocket *m_link = nullptr;
    QUdpSocket m_sender;
    QUdpSocket m_replies;

    // Everything the link delivers within ms.
    QByteArray linkBytes(int ms = kSilenceMs)
    {
        QByteArray bytes;
        QTest::qWait(ms);
        bytes.append(m_link->readAll());
        return bytes;
    }

    void sendText() { m_sender.writeDatagram(kRequest, QHostAddress(QLatin1String(kAddress)), 6791); }

private slots:
    void init()
    {
        m_camera = new SimCamera(QLatin1String(kAddress), QStringLiteral("J22"));
        m_camera->setGarbageSeed(42);
        QVERIFY2(m_camera->start(), qPrintable(m_camera->lastError()));
        m_link = new QTcpSocket;
        QVERIFY(connectTcp(*m_link, QLatin1String(kAddress), 6793));
        QVERIFY(bindReplySocket(m_replies));
        QVERIFY(m_sender.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
    }

    void cleanup()
    {
        delete m_link;
        m_link = nullptr;
        delete m_camera;
        m_camera = nullptr;
        m_sender.close();
        m_replies.close();
    }

    void namesRoundTrip()
    {
        const QStringList names = simfault::names();
        QCOMPARE(names.size(), 9);
        for (const QString &name : names) {
            SimFault fault = SimFault::None;
            QVERIFY(simfault::fromName(name, &fault));
            QCOMPARE(simfault::name(fault), name);
        }
        SimFault untouched = SimFault::Slow;
        QVERIFY(!simfault::fromName(QStringLiteral("Silent"), &untouched));
        QCOMPARE(untouched, SimFault::Slow);
    }

    void silentRecordsButAnswersNothing()
    {
        m_camera->setFault(SimFault::Silent);
        sendText();
        m_sender.writeDatagram(hex("81 09 11 49 FF"), QHostAddress(QLatin1String(kAddress)), 1259);
        m_link->write(controlFrame(6791, kRequest) + controlFrame(1259, hex("81 09 11 49 FF")));
        QVERIFY(QTest::qWaitFor([&] { return m_camera->receivedCount() >= 5; }, kReplyMs)); // link, 2 datagrams, 2 frames
        QVERIFY(staysSilent(m_replies));
        QVERIFY(!m_sender.hasPendingDatagrams());
        QVERIFY(linkBytes(10).isEmpty());
        QCOMPARE(m_camera->sentCount(), 0);
        // Switched off again, the camera answers the next request.
        m_camera->setFault(SimFault::None);
        sendText();
        QNetworkDatagram answer;
        QVERIFY(waitDatagram(m_replies, &answer));
        QCOMPARE(answer.data(), kAnswer);
    }

    void slowAnswersAfterTheDelay_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::newRow("udp") << false;
        QTest::newRow("tcp") << true;
    }

    void slowAnswersAfterTheDelay()
    {
        QFETCH(bool, tcp);
        constexpr int kDelayMs = 250;
        m_camera->setFault(SimFault::Slow, kDelayMs);
        QCOMPARE(m_camera->faultDelayMs(), kDelayMs);
        QElapsedTimer clock;
        clock.start();
        QByteArray payload;
        if (tcp) {
            m_link->write(controlFrame(6791, kRequest));
            QByteArray buffer;
            UotFrame frame;
            QVERIFY(waitUotFrame(*m_link, &buffer, &frame));
            payload = frame.payload;
        } else {
            sendText();
            QNetworkDatagram answer;
            QVERIFY(waitDatagram(m_replies, &answer));
            payload = answer.data();
        }
        QVERIFY2(clock.elapsed() >= kDelayMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(payload, kAnswer);
    }

    void aStopForgetsSlowAnswers()
    {
        m_camera->setFault(SimFault::Slow, 150);
        sendText();
        QVERIFY(m_camera->waitForMessage([](const SimMessage &m) { return m.isText(); }, kReplyMs));
        m_camera->stop();
        QVERIFY(m_camera->start());
        QVERIFY(staysSilent(m_replies, 400));
        QCOMPARE(m_camera->sentCount(), 0);
    }

    void garbageReplacesTheAnswer()
    {
        m_camera->setFault(SimFault::Garbage);
        sendText();
        QNetworkDatagram datagram;
        QVERIFY(waitDatagram(m_replies, &datagram));
        const QByteArray udpGarbage = datagram.data();
        QVERIFY(udpGarbage != kAnswer);
        QVERIFY(udpGarbage.size() >= 8 && udpGarbage.size() <= 40);
        QVERIFY(!udpGarbage.contains("UOT"));
        QVERIFY(staysSilent(m_replies, 100));

        m_link->write(controlFrame(6791, kRequest));
        QByteArray tcpGarbage;
        QVERIFY(QTest::qWaitFor([&] { tcpGarbage.append(m_link->readAll()); return !tcpGarbage.isEmpty(); }, kReplyMs));
        tcpGarbage.append(linkBytes(100));
        QVERIFY(tcpGarbage.size() >= 8 && tcpGarbage.size() <= 40);
        QVERIFY(!tcpGarbage.contains("UOT"));

        // A VISCA command's two replies become two pieces of garbage.
        m_sender.writeDatagram(hex("81 01 06 04 FF"), QHostAddress(QLatin1String(kAddress)), 1259);
        QVERIFY(QTest::qWaitFor([&] { return m_camera->sentCount() == 4; }, kReplyMs));
    }

    void garbageIsTheSameForTheSameSeed()
    {
        m_camera->setFault(SimFault::Garbage);
        QByteArray first;
        QByteArray second;
        for (QByteArray *out : {&first, &second}) {
            m_camera->setGarbageSeed(7);
            sendText();
            QNetworkDatagram datagram;
            QVERIFY(waitDatagram(m_replies, &datagram));
            *out = datagram.data();
        }
        QCOMPARE(first, second);
    }

    void garbageBeforeTheProperFrame()
    {
        m_camera->setFault(SimFault::GarbageBefore);
        m_link->write(controlFrame(1259, hex("81 09 04 47 FF")));
        QByteArray stream;
        QVERIFY(QTest::qWaitFor([&] { stream.append(m_link->readAll()); return stream.size() >= 8 + 12 + 7; }, kReplyMs));
        stream.append(linkBytes(100));
        const int marker = stream.indexOf(QByteArray("UOT\0", 4));
        QVERIFY2(marker >= 8, stream.toHex(' ').constData());
        QByteArray rest = stream.mid(marker);
        UotFrame frame;
        QVERIFY(takeUotFrame(&rest, &frame));
        QCOMPARE(frame.port, 1259u);
        QCOMPARE(frame.payload, hex("90 50 00 00 00 00 FF"));
        QVERIFY(rest.isEmpty());

        // Over UDP: a garbage datagram, then the answer.
        sendText();
        QNetworkDatagram first;
        QNetworkDatagram second;
        QVERIFY(waitDatagram(m_replies, &first));
        QVERIFY(waitDatagram(m_replies, &second));
        QVERIFY(first.data() != kAnswer);
        QCOMPARE(second.data(), kAnswer);
    }

    void truncatedFrameStopsHalfway()
    {
        m_camera->setFault(SimFault::Truncated);
        m_link->write(controlFrame(6791, kRequest));
        const QByteArray bytes = linkBytes();
        QCOMPARE(bytes.size(), 12 + kAnswer.size() / 2);
        QCOMPARE(bytes.left(4), QByteArray("UOT\0", 4));
        QCOMPARE(readLe32(bytes, 4), 6791u);
        QCOMPARE(readLe32(bytes, 8), quint32(kAnswer.size())); // the header promises the whole answer
        QCOMPARE(bytes.mid(12), kAnswer.left(kAnswer.size() / 2));
        QCOMPARE(m_link->state(), QAbstractSocket::ConnectedState);

        // A VISCA command: its first reply cut, the second never sent.
        m_link->write(controlFrame(1259, hex("81 01 06 04 FF")));
        const QByteArray visca = linkBytes();
        QCOMPARE(visca.size(), 12 + 1);

        // Over UDP the datagram is cut.
        sendText();
        QNetworkDatagram datagram;
        QVERIFY(waitDatagram(m_replies, &datagram));
        QCOMPARE(datagram.data(), kAnswer.left(kAnswer.size() / 2));
    }

    void absurdLengthInTheHeader()
    {
        m_camera->setFault(SimFault::AbsurdLength);
        m_link->write(controlFrame(6791, kRequest));
        const QByteArray bytes = linkBytes();
        QCOMPARE(bytes.size(), 12 + kAnswer.size());
        QCOMPARE(bytes.left(8), QByteArray("UOT\0", 4) + le32(6791));
        QCOMPARE(readLe32(bytes, 8), 0xFFFFFFF8u);
        QCOMPARE(bytes.mid(12), kAnswer);
        // UDP has no length field: the answer goes as it is.
        sendText();
        QNetworkDatagram datagram;
        QVERIFY(waitDatagram(m_replies, &datagram));
        QCOMPARE(datagram.data(), kAnswer);
    }

    void foreignPortFrameComesFirst()
    {
        m_camera->setFault(SimFault::ForeignPort);
        m_link->write(controlFrame(1259, hex("81 09 04 38 FF")));
        QByteArray buffer;
        UotFrame foreign;
        UotFrame proper;
        QVERIFY(waitUotFrame(*m_link, &buffer, &foreign));
        QVERIFY(waitUotFrame(*m_link, &buffer, &proper));
        QCOMPARE(foreign.port, 6792u);
        QCOMPARE(foreign.payload, hex("90 50 02 FF"));
        QCOMPARE(proper.port, 1259u);
        QCOMPARE(proper.payload, hex("90 50 02 FF"));
        buffer.append(linkBytes(100));
        QVERIFY(buffer.isEmpty());
    }

    void closeTcpEndsTheLinkInsteadOfAnswering()
    {
        m_camera->setFault(SimFault::CloseTcp);
        m_link->write(controlFrame(6791, kRequest));
        QVERIFY(QTest::qWaitFor([&] { return m_link->state() == QAbstractSocket::UnconnectedState; }, kReplyMs));
        QVERIFY(m_link->readAll().isEmpty());
        const auto in = m_camera->waitForMessage([](const SimMessage &m) { return m.isText(); }, kReplyMs);
        QVERIFY(in);
        QCOMPARE(in->payload, kRequest);
        QVERIFY(m_camera->waitForMessage([](const SimMessage &m) { return m.event == SimEvent::TcpClosed; }, kReplyMs));
        QCOMPARE(m_camera->tcpLinkCount(), 0);
        // UDP is served as usual.
        sendText();
        QNetworkDatagram datagram;
        QVERIFY(waitDatagram(m_replies, &datagram));
        QCOMPARE(datagram.data(), kAnswer);
        // A new link is accepted and closed at its first frame; a link that sends nothing stays.
        QTcpSocket again;
        QVERIFY(connectTcp(again, QLatin1String(kAddress), 6793));
        QTest::qWait(100);
        QCOMPARE(again.state(), QAbstractSocket::ConnectedState);
        again.write(hex("87 1A 00 00 00 00 00 00"));
        QVERIFY(QTest::qWaitFor([&] { return again.state() == QAbstractSocket::UnconnectedState; }, kReplyMs));
    }

    void faultsChangeWhileALinkIsOpen()
    {
        QByteArray buffer;
        UotFrame frame;
        m_link->write(controlFrame(1259, hex("81 09 11 49 FF")));
        QVERIFY(waitUotFrame(*m_link, &buffer, &frame));
        QCOMPARE(frame.payload.size(), 9);
        m_camera->setFault(SimFault::Silent);
        m_link->write(controlFrame(1259, hex("81 09 11 49 FF")));
        QVERIFY(linkBytes().isEmpty());
        m_camera->setFault(SimFault::None);
        m_link->write(controlFrame(1259, hex("81 09 11 49 FF")));
        QVERIFY(waitUotFrame(*m_link, &buffer, &frame));
        QCOMPARE(frame.payload.toHex(' '), hex("90 50 00 00 00 00 4A 22 FF").toHex(' '));
    }
};

QTEST_GUILESS_MAIN(tst_SimFaults)
#include "tst_sim_faults.moc"
