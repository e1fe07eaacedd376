#include "../sim_test_util.h"

#include "sim_camera.h"

#include <QtTest>

using namespace simtest;

// The VISCA port of a simulated camera, driven with a plain UDP socket: the replies to the
// inquiries per model and state, the acknowledgements of commands, and where replies go.
class tst_SimVisca : public QObject
{
    Q_OBJECT

private:
    static constexpr const char *kAddress = "127.0.0.3";

    // Sends the bytes to the VISCA port and collects the replies that come back to the sending
    // socket until `count` have arrived.
    QVector<QByteArray> send(const QByteArray &bytes, int count)
    {
        m_client.writeDatagram(bytes, QHostAddress(QLatin1String(kAddress)), 1259);
        QVector<QByteArray> replies;
        // A missing reply shows in the caller's comparison of what came.
        (void)QTest::qWaitFor(
            [&] {
                while (m_client.hasPendingDatagrams()) {
                    const QNetworkDatagram datagram = m_client.receiveDatagram();
                    if (datagram.senderAddress() != QHostAddress(QLatin1String(kAddress)) || datagram.senderPort() != 1259)
                        QTest::qFail("a VISCA reply from elsewhere than the camera's VISCA port", __FILE__, __LINE__);
                    replies << datagram.data();
                }
                return replies.size() >= count;
            },
            kReplyMs);
        return replies;
    }

    QByteArray inquire(const char *text)
    {
        const QVector<QByteArray> replies = send(hex(text), 1);
        return replies.isEmpty() ? QByteArray() : replies.first();
    }

    SimCamera *m_camera = nullptr;
    QUdpSocket m_client;
    QUdpSocket m_textReplies;

private slots:
    void init()
    {
        m_camera = new SimCamera(QLatin1String(kAddress), QStringLiteral("R6"));
        QVERIFY2(m_camera->start(), qPrintable(m_camera->lastError()));
        QVERIFY(m_client.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        QVERIFY(bindReplySocket(m_textReplies));
    }

    void cleanup()
    {
        delete m_camera;
        m_camera = nullptr;
        m_client.close();
        m_textReplies.close();
    }

    void modelReplyPerModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("R6") << "R6" << hex("90 50 00 00 00 00 52 06 FF");
        QTest::newRow("M5") << "M5" << hex("90 50 00 00 00 00 4D 05 FF");
        QTest::newRow("M19") << "M19" << hex("90 50 00 00 00 00 4D 19 FF");
        QTest::newRow("J57") << "J57" << hex("90 50 00 00 00 00 4A 57 FF");
        QTest::newRow("J22") << "J22" << hex("90 50 00 00 00 00 4A 22 FF");
        QTest::newRow("R17") << "R17" << hex("90 50 00 00 00 00 52 17 FF");
        QTest::newRow("J5a") << "J5a" << hex("90 50 00 00 00 00 4A 5A FF");
    }

    void modelReplyPerModel()
    {
        QFETCH(QString, model);
        QFETCH(QByteArray, expected);
        QVERIFY(m_camera->setModel(model));
        const QByteArray reply = inquire("81 09 11 49 FF");
        QCOMPARE(reply.toHex(' '), expected.toHex(' '));
        // Read back as the tool does: byte 6 as a letter, byte 7 as lower-case hex without zeros.
        QCOMPARE(QString(QLatin1Char(reply.at(6))) + QString::number(quint8(reply.at(7)), 16), model);
        // VISCA replies go to the sending socket only, never to the text reply port.
        QVERIFY(staysSilent(m_textReplies, 50));
    }

    void modelCodesTheReplyCannotCarryAreRefused_data()
    {
        QTest::addColumn<QString>("model");
        QTest::newRow("empty") << "";
        QTest::newRow("no number") << "R";
        QTest::newRow("leading zero") << "R06";
        QTest::newRow("upper-case hex") << "J5A";
        QTest::newRow("three digits") << "M190";
        QTest::newRow("digit first") << "1J5";
    }

    void modelCodesTheReplyCannotCarryAreRefused()
    {
        QFETCH(QString, model);
        QVERIFY(!m_camera->setModel(model));
        QCOMPARE(m_camera->model(), QStringLiteral("R6"));
    }

    void zoomPositionReply_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("0") << 0 << hex("90 50 00 00 00 00 FF");
        QTest::newRow("100") << 100 << hex("90 50 00 00 06 04 FF");
        QTest::newRow("0x1234") << 0x1234 << hex("90 50 01 02 03 04 FF");
        QTest::newRow("16384") << 16384 << hex("90 50 04 00 00 00 FF");
    }

    void zoomPositionReply()
    {
        QFETCH(int, position);
        QFETCH(QByteArray, expected);
        m_camera->setZoom(position);
        QCOMPARE(inquire("81 09 04 47 FF").toHex(' '), expected.toHex(' '));
    }

    void zoomStartsAtTheModelsLowestPosition_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("J57 starts at 1.0x of its table") << "J57" << hex("90 50 00 00 06 04 FF");
        QTest::newRow("J22 starts at 0") << "J22" << hex("90 50 00 00 00 00 FF");
    }

    void zoomStartsAtTheModelsLowestPosition()
    {
        QFETCH(QString, model);
        QFETCH(QByteArray, expected);
        SimCamera other(QStringLiteral("127.0.0.4"), model);
        QVERIFY(other.start());
        m_client.writeDatagram(hex("81 09 04 47 FF"), QHostAddress(QStringLiteral("127.0.0.4")), 1259);
        QNetworkDatagram reply;
        QVERIFY(waitDatagram(m_client, &reply));
        QCOMPARE(reply.data().toHex(' '), expected.toHex(' '));
    }

    void zoomDirectThenInquiry()
    {
        const QVector<QByteArray> replies = send(hex("81 01 04 47 03 0F 0A 01 FF"), 2);
        QCOMPARE(replies, (QVector<QByteArray>{hex("90 41 FF"), hex("90 51 FF")}));
        QCOMPARE(inquire("81 09 04 47 FF").toHex(' '), hex("90 50 03 0F 0A 01 FF").toHex(' '));
    }

    void focusModeReplies()
    {
        QCOMPARE(inquire("81 09 04 38 FF"), hex("90 50 02 FF"));
        m_camera->setFocusManual(true);
        QCOMPARE(inquire("81 09 04 38 FF"), hex("90 50 03 FF"));
        // The "8A" address asks the panorama crop picture, which keeps a focus mode of its own.
        QCOMPARE(inquire("8A 09 04 38 FF"), hex("90 50 02 FF"));
        QCOMPARE(send(hex("8A 01 04 38 03 FF"), 2).size(), 2);
        QCOMPARE(inquire("8A 09 04 38 FF"), hex("90 50 03 FF"));
        QCOMPARE(send(hex("81 01 04 38 02 FF"), 2).size(), 2);
        QCOMPARE(inquire("81 09 04 38 FF"), hex("90 50 02 FF"));
    }

    void absolutePositionThenPanTiltInquiry()
    {
        // Pan 144 (0x0090) and tilt -72 (0xFFB8), as the tool builds them for 10 and -5 degrees.
        const QVector<QByteArray> replies = send(hex("81 01 06 02 16 12 00 00 09 00 0F 0F 0B 08 FF"), 2);
        QCOMPARE(replies, (QVector<QByteArray>{hex("90 41 FF"), hex("90 51 FF")}));
        QCOMPARE(m_camera->ptz().pan, 144);
        QCOMPARE(m_camera->ptz().tilt, -72);
        const QByteArray reply = inquire("81 09 06 12 FF");
        QCOMPARE(reply.size(), 11);
        QCOMPARE(reply.toHex(' '), hex("90 50 00 00 09 00 0F 0F 0B 08 FF").toHex(' '));
        QCOMPARE(send(hex("81 01 06 04 FF"), 2).size(), 2); // home
        QCOMPARE(inquire("81 09 06 12 FF").toHex(' '), hex("90 50 00 00 00 00 00 00 00 00 FF").toHex(' '));
    }

    void digitalZoomReply()
    {
        m_camera->setZoom(16384);
        m_camera->setDigitalZoom(750);
        QCOMPARE(inquire("81 19 04 57 FF").toHex(' '), hex("90 50 04 00 00 00 00 02 0E 0E FF").toHex(' '));
    }

    void commandsAreAcknowledgedAndCompleted_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("up at speed 10") << hex("81 01 06 01 0A 0A 03 01 FF");
        QTest::newRow("crop picture right") << hex("8A 01 06 01 0A 0A 02 03 FF");
        QTest::newRow("stop") << hex("81 01 06 01 03 03 03 03 FF");
        QTest::newRow("home") << hex("81 01 06 04 FF");
        QTest::newRow("zoom in at 6") << hex("81 01 04 07 26 FF");
        QTest::newRow("zoom out at 2 on the crop") << hex("8A 01 04 07 32 FF");
        QTest::newRow("zoom stop") << hex("81 01 04 07 00 FF");
        QTest::newRow("menu key ok") << hex("81 01 06 06 05 FF");
        QTest::newRow("menu") << hex("81 01 06 06 10 FF");
        QTest::newRow("menu closed") << hex("81 01 06 06 06 FF");
        QTest::newRow("store preset 60 of the crop") << hex("8A 01 04 3F 01 3C FF");
        QTest::newRow("recall preset 0") << hex("81 01 04 3F 02 00 FF");
    }

    void commandsAreAcknowledgedAndCompleted()
    {
        QFETCH(QByteArray, command);
        const QVector<QByteArray> replies = send(command, 2);
        QCOMPARE(replies, (QVector<QByteArray>{hex("90 41 FF"), hex("90 51 FF")}));
    }

    void driveCommandsChangeTheHead()
    {
        send(hex("81 01 06 01 07 05 01 02 FF"), 2);
        SimPtzState head = m_camera->ptz();
        QCOMPARE(head.panSpeed, 7);
        QCOMPARE(head.tiltSpeed, 5);
        QCOMPARE(head.panDirection, 1);
        QCOMPARE(head.tiltDirection, 2);
        send(hex("81 01 04 07 26 FF"), 2);
        QCOMPARE(m_camera->ptz().zoomDrive, 2);
        QCOMPARE(m_camera->ptz().zoomSpeed, 6);
        send(hex("81 01 06 06 10 FF"), 2);
        QCOMPARE(m_camera->state().lastMenuKey, 0x10);
        // The crop picture's head is its own.
        QCOMPARE(m_camera->ptz(true).panDirection, 3);
    }

    void presetStoresAndRecallsThePosition()
    {
        m_camera->setPanTilt(300, -20);
        m_camera->setZoom(5000);
        send(hex("81 01 04 3F 01 05 FF"), 2);
        m_camera->setPanTilt(0, 0);
        m_camera->setZoom(0);
        send(hex("81 01 04 3F 02 05 FF"), 2);
        QCOMPARE(m_camera->ptz().pan, 300);
        QCOMPARE(m_camera->ptz().tilt, -20);
        QCOMPARE(m_camera->ptz().zoom, 5000);
        // Recalling a preset that was never stored leaves the head where it is.
        send(hex("81 01 04 3F 02 09 FF"), 2);
        QCOMPARE(m_camera->ptz().pan, 300);
    }

    void roleCommandAnswersItsRole_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("role");
        QTest::newRow("student feature") << hex("81 0C 0C 00 FF") << hex("90 50 00 FF") << 0;
        QTest::newRow("board") << hex("81 0C 0C 01 FF") << hex("90 50 01 FF") << 1;
        QTest::newRow("teacher feature") << hex("81 0C 0C 02 FF") << hex("90 50 02 FF") << 2;
        QTest::newRow("student pano") << hex("81 0C 0C 04 FF") << hex("90 50 04 FF") << 4;
        QTest::newRow("teacher pano") << hex("81 0C 0C 05 FF") << hex("90 50 05 FF") << 5;
        QTest::newRow("no such role") << hex("81 0C 0C 03 FF") << hex("90 60 02 FF") << -1;
    }

    void roleCommandAnswersItsRole()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, expected);
        QFETCH(int, role);
        QCOMPARE(send(command, 1), QVector<QByteArray>{expected});
        QCOMPARE(m_camera->state().role, role);
    }

    void badCommandsGetASyntaxError_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("unknown") << hex("81 01 7E 01 FF");
        QTest::newRow("drive direction 4") << hex("81 01 06 01 0A 0A 04 01 FF");
        QTest::newRow("zoom byte 45") << hex("81 01 04 07 45 FF");
        QTest::newRow("zoom speed 9") << hex("81 01 04 07 29 FF");
        QTest::newRow("absolute position digit above 0F") << hex("81 01 06 02 16 12 00 00 19 00 0F 0F 0B 08 FF");
        QTest::newRow("inquiry too long") << hex("81 09 11 49 00 FF");
        QTest::newRow("focus mode 04") << hex("81 01 04 38 04 FF");
    }

    void badCommandsGetASyntaxError()
    {
        QFETCH(QByteArray, command);
        const SimPtzState before = m_camera->ptz();
        QCOMPARE(send(command, 1), QVector<QByteArray>{hex("90 60 02 FF")});
        QVERIFY(staysSilent(m_client, 50));
        QCOMPARE(m_camera->ptz().pan, before.pan);
        QCOMPARE(m_camera->ptz().zoomDrive, before.zoomDrive);
    }

    void bytesForAnotherAddressOrUnterminatedAreNotAnswered_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("address 82") << hex("82 09 11 49 FF");
        QTest::newRow("no FF") << hex("81 09 11 49");
        QTest::newRow("one byte") << hex("FF");
        QTest::newRow("text") << QByteArray("teacher_parameter\nget_tracking_status");
    }

    void bytesForAnotherAddressOrUnterminatedAreNotAnswered()
    {
        QFETCH(QByteArray, bytes);
        const int before = m_camera->receivedCount();
        m_client.writeDatagram(bytes, QHostAddress(QLatin1String(kAddress)), 1259);
        const auto arrived = m_camera->waitForMessage([](const SimMessage &m) { return m.isVisca(); }, kReplyMs, before);
        QVERIFY(arrived);
        QCOMPARE(arrived->payload, bytes);
        QCOMPARE(arrived->localPort, quint16(1259));
        QVERIFY(staysSilent(m_client));
        QVERIFY(staysSilent(m_textReplies, 10));
    }

    void repliesGoToEachSendingSocket()
    {
        QUdpSocket second;
        QVERIFY(second.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        second.writeDatagram(hex("81 09 11 49 FF"), QHostAddress(QLatin1String(kAddress)), 1259);
        m_client.writeDatagram(hex("81 09 04 47 FF"), QHostAddress(QLatin1String(kAddress)), 1259);
        QNetworkDatagram toSecond;
        QNetworkDatagram toFirst;
        QVERIFY(waitDatagram(second, &toSecond));
        QVERIFY(waitDatagram(m_client, &toFirst));
        QCOMPARE(toSecond.data().size(), 9);
        QCOMPARE(toFirst.data().size(), 7);
    }
};

QTEST_GUILESS_MAIN(tst_SimVisca)
#include "tst_sim_visca.moc"
