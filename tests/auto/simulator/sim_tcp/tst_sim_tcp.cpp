#include "../sim_test_util.h"

#include "sim_camera.h"

#include <QtTest>

using namespace simtest;

// The TCP control port of a simulated camera, driven with a plain TCP socket and hand-written
// control frames: answers come in UOT frames naming the port they answer for, frames split or
// packed any way are read once each, keep-alives get no answer, and a bad header ends the link.
class tst_SimTcp : public QObject
{
    Q_OBJECT

private:
    static constexpr const char *kAddress = "127.0.0.4";

    SimCamera *m_camera = nullptr;
    QTcpSocket *m_link = nullptr;
    QByteArray m_buffer;
    QUdpSocket m_textReplies;

    UotFrame nextFrame()
    {
        UotFrame frame;
        if (!waitUotFrame(*m_link, &m_buffer, &frame))
            QTest::qFail("no whole UOT frame arrived", __FILE__, __LINE__);
        return frame;
    }

    bool linkStaysQuiet(int ms = kSilenceMs)
    {
        QTest::qWait(ms);
        m_buffer.append(m_link->readAll());
        return m_buffer.isEmpty();
    }

private slots:
    void init()
    {
        m_camera = new SimCamera(QLatin1String(kAddress), QStringLiteral("M19"));
        QVERIFY2(m_camera->start(), qPrintable(m_camera->lastError()));
        m_link = new QTcpSocket;
        QVERIFY(connectTcp(*m_link, QLatin1String(kAddress), 6793));
        QVERIFY(m_camera->waitForMessage([](const SimMessage &m) { return m.event == SimEvent::TcpConnected; }, kReplyMs));
        m_buffer.clear();
        QVERIFY(bindReplySocket(m_textReplies));
    }

    void cleanup()
    {
        delete m_link;
        m_link = nullptr;
        delete m_camera;
        m_camera = nullptr;
        m_textReplies.close();
    }

    void textAnswerIsOneUotFrameForPort6791()
    {
        const QByteArray request = lines({"teacher_parameter", "get_tracking_status"});
        m_link->write(controlFrame(6791, request));
        QVERIFY(QTest::qWaitFor([&] { m_buffer.append(m_link->readAll()); return m_buffer.size() >= 12; }, kReplyMs));
        const QByteArray expectedPayload = lines({"teacher_parameter", "teacher_tracking_status=stop"});
        // The header byte by byte: "UOT", a zero byte, 6791 and the length, little-endian.
        QCOMPARE(m_buffer.left(12).toHex(' '),
                 (QByteArray("UOT\0", 4) + hex("87 1A 00 00") + le32(quint32(expectedPayload.size()))).toHex(' '));
        const UotFrame frame = nextFrame();
        QCOMPARE(frame.port, 6791u);
        QCOMPARE(frame.payload, expectedPayload);
        QVERIFY(linkStaysQuiet());
        // An answer to a TCP request goes back over the link, not to the UDP reply port.
        QVERIFY(!m_textReplies.hasPendingDatagrams());

        const auto in = m_camera->waitForMessage([](const SimMessage &m) { return m.isText(); }, kReplyMs);
        QVERIFY(in);
        QCOMPARE(in->transport, SimTransport::Tcp);
        QCOMPARE(in->framePort, 6791u);
        QCOMPARE(in->localPort, quint16(6793));
        QCOMPARE(in->peerPort, m_link->localPort());
        QCOMPARE(in->payload, request);
    }

    void viscaAnswerIsAUotFrameForPort1259()
    {
        m_link->write(controlFrame(1259, hex("81 09 11 49 FF")));
        const UotFrame frame = nextFrame();
        QCOMPARE(frame.port, 1259u);
        QCOMPARE(frame.payload.toHex(' '), hex("90 50 00 00 00 00 4D 19 FF").toHex(' '));
    }

    void homeOverTcpAsTheToolFramesIt()
    {
        m_link->write(hex("EB 04 00 00 05 00 00 00 81 01 06 04 FF"));
        const UotFrame ack = nextFrame();
        const UotFrame completion = nextFrame();
        QCOMPARE(ack.port, 1259u);
        QCOMPARE(ack.payload, hex("90 41 FF"));
        QCOMPARE(completion.port, 1259u);
        QCOMPARE(completion.payload, hex("90 51 FF"));
        const auto in = m_camera->waitForMessage([](const SimMessage &m) { return m.isVisca(); }, kReplyMs);
        QVERIFY(in);
        QCOMPARE(in->framePort, 1259u);
        QCOMPARE(in->payload, hex("81 01 06 04 FF"));
    }

    void keepAliveIsRecordedButNotAnswered()
    {
        m_link->write(hex("87 1A 00 00 00 00 00 00"));
        const auto in = m_camera->waitForMessage([](const SimMessage &m) { return m.channel == SimChannel::KeepAlive; },
                                                 kReplyMs);
        QVERIFY(in);
        QCOMPARE(in->framePort, 6791u);
        QVERIFY(in->payload.isEmpty());
        QVERIFY(linkStaysQuiet());
        QCOMPARE(m_link->state(), QAbstractSocket::ConnectedState);
        // The stream is still in step after it.
        m_link->write(controlFrame(1259, hex("81 09 04 38 FF")));
        QCOMPARE(nextFrame().payload, hex("90 50 02 FF"));
    }

    void aFrameSplitOverWritesIsReadOnce_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::newRow("1 byte") << 1;
        QTest::newRow("3 bytes") << 3;
        QTest::newRow("7 bytes, header split") << 7;
        QTest::newRow("9 bytes, payload split") << 9;
    }

    void aFrameSplitOverWritesIsReadOnce()
    {
        QFETCH(int, chunk);
        const QByteArray frame = controlFrame(6791, lines({"student_parameter", "command=get_crop_status"}));
        for (int i = 0; i < frame.size(); i += chunk) {
            m_link->write(frame.mid(i, chunk));
            QVERIFY(m_link->waitForBytesWritten(kReplyMs));
            QTest::qWait(2); // lets the camera read each piece on its own
        }
        QCOMPARE(nextFrame().payload, lines({"student_parameter", "student_crop_status=stop"}));
        QVERIFY(linkStaysQuiet(100));
        const QVector<SimMessage> in = m_camera->received();
        QCOMPARE(std::count_if(in.begin(), in.end(), [](const SimMessage &m) { return m.isText(); }), 1);
    }

    void severalFramesInOneWriteAreAnsweredInOrder()
    {
        const QByteArray stream = controlFrame(6791, lines({"teacher_parameter", "get_tracking_status"}))
            + controlFrame(1259, hex("81 09 11 49 FF")) + controlFrame(6791, QByteArray())
            + controlFrame(6791, lines({"teacher_parameter", "command=get_crop_status"}));
        m_link->write(stream);
        const UotFrame first = nextFrame();
        const UotFrame second = nextFrame();
        const UotFrame third = nextFrame();
        QCOMPARE(first.port, 6791u);
        QCOMPARE(first.payload, lines({"teacher_parameter", "teacher_tracking_status=stop"}));
        QCOMPARE(second.port, 1259u);
        QCOMPARE(second.payload.size(), 9);
        QCOMPARE(third.port, 6791u);
        QCOMPARE(third.payload, lines({"teacher_parameter", "teacher_crop_status=stop"}));
        QVERIFY(linkStaysQuiet(100));
    }

    void setThenGetOverTcp()
    {
        m_link->write(controlFrame(6791, lines({"teacher_parameter", "set_tracking_config_file", "pano_tilt_offset=+15", ""})));
        QCOMPARE(nextFrame().payload, lines({"teacher_parameter", "set_teacher_config_file"}));
        m_link->write(controlFrame(6791, lines({"teacher_parameter", "get_tracking_config_file"})));
        const UotFrame frame = nextFrame();
        QCOMPARE(frame.length, quint32(frame.payload.size()));
        QCOMPARE(replyValue(frame.payload, QStringLiteral("pano_tilt_offset")), QStringLiteral("+15"));
    }

    void anAbsurdLengthDropsTheLink()
    {
        m_link->write(le32(6791) + le32(0xFFFFFFF8u) + QByteArray("teacher_parameter"));
        QVERIFY(QTest::qWaitFor([&] { return m_link->state() == QAbstractSocket::UnconnectedState; }, kReplyMs));
        const auto bad = m_camera->waitForMessage([](const SimMessage &m) { return m.event == SimEvent::BadFrame; }, kReplyMs);
        QVERIFY(bad);
        QCOMPARE(bad->framePort, 6791u);
        QCOMPARE(bad->payload, le32(6791) + le32(0xFFFFFFF8u));
        QVERIFY(m_camera->waitForMessage([](const SimMessage &m) { return m.event == SimEvent::TcpClosed; }, kReplyMs));
        QCOMPARE(m_camera->tcpLinkCount(), 0);
        // The camera itself goes on: a new link is served.
        QTcpSocket again;
        QVERIFY(connectTcp(again, QLatin1String(kAddress), 6793));
        again.write(controlFrame(1259, hex("81 09 04 38 FF")));
        QByteArray buffer;
        UotFrame frame;
        QVERIFY(waitUotFrame(again, &buffer, &frame));
        QCOMPARE(frame.payload, hex("90 50 02 FF"));
    }

    void theLargestSaneLengthIsWaitedFor()
    {
        // 1 MiB is still a length a camera waits for; it answers nothing until all of it came.
        m_link->write(le32(6791) + le32(1u << 20) + QByteArray(1000, 'x'));
        QVERIFY(linkStaysQuiet(100));
        QCOMPARE(m_link->state(), QAbstractSocket::ConnectedState);
        QVERIFY(!m_camera->waitForMessage([](const SimMessage &m) { return m.event == SimEvent::BadFrame; }, 10));
    }

    void aFrameForAnotherPortIsSkipped()
    {
        m_link->write(controlFrame(5555, hex("81 09 11 49 FF")) + controlFrame(1259, hex("81 09 04 38 FF")));
        const UotFrame frame = nextFrame();
        QCOMPARE(frame.port, 1259u);
        QCOMPARE(frame.payload, hex("90 50 02 FF"));
        QVERIFY(linkStaysQuiet(100));
        const auto other = m_camera->waitForMessage([](const SimMessage &m) { return m.framePort == 5555; }, kReplyMs);
        QVERIFY(other);
        QCOMPARE(other->channel, SimChannel::Other);
    }

    void mappedPortsStillAnswerForTheCamerasOwnPorts()
    {
        delete m_link;
        m_link = nullptr;
        m_camera->stop();
        SimPorts ports;
        ports.text = 16791;
        ports.visca = 11259;
        ports.tcp = 16793;
        QVERIFY(m_camera->setPorts(ports));
        QVERIFY(m_camera->start());
        m_link = new QTcpSocket;
        QVERIFY(connectTcp(*m_link, QLatin1String(kAddress), 16793));
        m_link->write(controlFrame(1259, hex("81 09 04 38 FF")) + controlFrame(6791, lines({"student_parameter", "get_tracking_status"})));
        const UotFrame visca = nextFrame();
        const UotFrame text = nextFrame();
        QCOMPARE(visca.port, 1259u);
        QCOMPARE(text.port, 6791u);
        QCOMPARE(text.payload, lines({"student_parameter", "student_tracking_status=stop"}));
    }

    void eachLinkGetsItsOwnAnswers()
    {
        QTcpSocket second;
        QVERIFY(connectTcp(second, QLatin1String(kAddress), 6793));
        QVERIFY(QTest::qWaitFor([&] { return m_camera->tcpLinkCount() == 2; }, kReplyMs));
        second.write(controlFrame(1259, hex("81 09 11 49 FF")));
        m_link->write(controlFrame(6791, lines({"board_parameter", "get_tracking_status"})));
        QByteArray secondBuffer;
        UotFrame toSecond;
        QVERIFY(waitUotFrame(second, &secondBuffer, &toSecond));
        const UotFrame toFirst = nextFrame();
        QCOMPARE(toSecond.port, 1259u);
        QCOMPARE(toFirst.port, 6791u);
        QCOMPARE(toFirst.payload, lines({"board_parameter", "board_tracking_status=stop"}));
        QVERIFY(linkStaysQuiet(100));
        QVERIFY(secondBuffer.isEmpty());
    }

    void pushesReachEveryLink()
    {
        QTcpSocket second;
        QVERIFY(connectTcp(second, QLatin1String(kAddress), 6793));
        QVERIFY(QTest::qWaitFor([&] { return m_camera->tcpLinkCount() == 2; }, kReplyMs));
        const QByteArray status = lines({"teacher_parameter", "teacher_tracking_status=start"});
        QCOMPARE(m_camera->pushFrameToLinks(6791, status), 2);
        QCOMPARE(m_camera->pushToLinks(hex("55 4F 54")), 2); // a marker cut short, as it is
        QByteArray secondBuffer;
        UotFrame toSecond;
        QVERIFY(waitUotFrame(second, &secondBuffer, &toSecond));
        const UotFrame toFirst = nextFrame();
        QCOMPARE(toFirst.payload, status);
        QCOMPARE(toSecond.payload, status);
        QVERIFY(QTest::qWaitFor([&] { secondBuffer.append(second.readAll()); return secondBuffer.size() == 3; }, kReplyMs));
        QCOMPARE(secondBuffer, QByteArray("UOT"));
        const QVector<SimMessage> sent = m_camera->sent();
        QCOMPARE(sent.size(), 4);
        QCOMPARE(sent.first().framePort, 6791u);
        QCOMPARE(sent.last().framePort, 0u);
    }

    void aResponderDecidesTheAnswers()
    {
        QVector<SimMessage> seen;
        m_camera->setResponder([&seen](const SimMessage &request, const QVector<QByteArray> &answers) {
            seen << request;
            if (request.isVisca())
                return QVector<QByteArray>(); // the head stays quiet
            return QVector<QByteArray>{answers.value(0) + "\nextra=1", QByteArray("second")};
        });
        m_link->write(controlFrame(1259, hex("81 09 11 49 FF")) + controlFrame(6791, lines({"board_parameter", "get_tracking_status"})));
        const UotFrame first = nextFrame();
        const UotFrame second = nextFrame();
        QCOMPARE(first.payload, lines({"board_parameter", "board_tracking_status=stop", "extra=1"}));
        QCOMPARE(second.payload, QByteArray("second"));
        QVERIFY(linkStaysQuiet(100));
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen.at(0).payload, hex("81 09 11 49 FF"));
        QCOMPARE(seen.at(1).framePort, 6791u);

        m_camera->setResponder(SimCamera::Responder());
        m_link->write(controlFrame(1259, hex("81 09 04 38 FF")));
        QCOMPARE(nextFrame().payload, hex("90 50 02 FF"));
        QCOMPARE(seen.size(), 2);
    }

    void closingsAreRecorded()
    {
        const int before = m_camera->receivedCount();
        m_link->disconnectFromHost();
        QVERIFY(m_camera->waitForMessage([](const SimMessage &m) { return m.event == SimEvent::TcpClosed; }, kReplyMs, before));
        QCOMPARE(m_camera->tcpLinkCount(), 0);
    }

    void droppedLinksAreSeenByThePeer()
    {
        m_camera->dropTcpLinks();
        QVERIFY(QTest::qWaitFor([&] { return m_link->state() == QAbstractSocket::UnconnectedState; }, kReplyMs));
        QCOMPARE(m_camera->tcpLinkCount(), 0);
        QVERIFY(m_camera->isRunning());
    }
};

QTEST_GUILESS_MAIN(tst_SimTcp)
#include "tst_sim_tcp.moc"
