// A simulated camera held against the camera protocol as simulator/README.md writes it down,
// driven with plain sockets and hand-written bytes (not the simulator's own framing code), so
// that a fault in its framing or its answers shows here before it misleads the tool's tests.
#include "sim_camera.h"

#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

namespace {
constexpr int kReplyMs = 2000;  // loopback answers come within milliseconds; this only bounds a failure
constexpr int kSilenceMs = 150; // how long a test listens to be sure nothing more comes
const QString kAddress = QStringLiteral("127.0.0.2");

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray le32(quint32 v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

// What the tool writes: port and length, then the payload.
QByteArray control(quint32 port, const QByteArray &payload)
{
    return le32(port) + le32(quint32(payload.size())) + payload;
}

// What a camera writes back on its TCP link.
QByteArray uot(quint32 port, const QByteArray &payload)
{
    return QByteArray("UOT\0", 4) + control(port, payload);
}

// Reads until at least `size` bytes came, then listens a little longer for anything beyond them.
QByteArray readAtLeast(const std::function<QByteArray()> &read, int size)
{
    QByteArray got;
    // A short answer shows in the caller's comparison.
    (void)QTest::qWaitFor([&] {
        got += read();
        return got.size() >= size;
    }, kReplyMs);
    QTest::qWait(kSilenceMs);
    return got + read();
}
} // namespace

class tst_SimCamera : public QObject
{
    Q_OBJECT

private slots:
    // Control frames as the tool writes them, whole or cut, answered in UOT frames. A frame of up
    // to 1 MiB is waited for; a longer one ends the link instead of holding the camera's memory
    // and its stream.
    void tcpFraming_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("chunk"); // bytes per write; 0: the whole request at once
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<bool>("open"); // the link stays open

        const QByteArray home = hex("EB 04 00 00 05 00 00 00 81 01 06 04 FF");
        const QByteArray homeAnswers = hex("55 4F 54 00 EB 04 00 00 03 00 00 00 90 41 FF"
                                           "55 4F 54 00 EB 04 00 00 03 00 00 00 90 51 FF");
        const QByteArray focus = control(1259, hex("81 09 04 38 FF"));
        QTest::newRow("Home as the tool frames it") << home << 0 << homeAnswers << true;
        QTest::newRow("text request, header cut") << control(6791, "teacher_parameter\nget_tracking_status") << 7
                                                  << uot(6791, "teacher_parameter\nteacher_tracking_status=stop") << true;
        QTest::newRow("keep-alive unanswered, the stream stays in step")
            << hex("87 1A 00 00 00 00 00 00") + focus << 0 << uot(1259, hex("90 50 02 FF")) << true;
        QTest::newRow("two requests in one write, answered in order")
            << control(6791, "board_parameter\nget_tracking_status") + focus << 0
            << uot(6791, "board_parameter\nboard_tracking_status=stop") + uot(1259, hex("90 50 02 FF")) << true;
        const QByteArray body(1000, 'x');
        QTest::newRow("1 MiB is waited for") << le32(6791) + le32(1u << 20) + body << 0 << QByteArray() << true;
        QTest::newRow("1 MiB and one byte ends the link")
            << le32(6791) + le32((1u << 20) + 1) + body << 0 << QByteArray() << false;
        QTest::newRow("a length that wraps a 32-bit sum")
            << le32(6791) + le32(0xFFFFFFF8u) + body << 0 << QByteArray() << false;
    }

    void tcpFraming()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, chunk);
        QFETCH(QByteArray, expected);
        QFETCH(bool, open);
        SimCamera camera(kAddress, QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QTcpSocket link;
        link.connectToHost(QHostAddress(kAddress), 6793);
        QVERIFY(QTest::qWaitFor([&] { return link.state() == QAbstractSocket::ConnectedState; }, kReplyMs));
        const int step = chunk > 0 ? chunk : request.size();
        for (int at = 0; at < request.size(); at += step) {
            link.write(request.mid(at, step));
            QVERIFY(link.waitForBytesWritten(kReplyMs));
            QTest::qWait(2); // the camera reads each piece on its own
        }
        const QByteArray got = readAtLeast([&] { return link.readAll(); }, expected.size());
        QCOMPARE(got.toHex(' '), expected.toHex(' '));
        QTRY_COMPARE_WITH_TIMEOUT(link.state() == QAbstractSocket::ConnectedState, open, kReplyMs);
    }

    // Text over UDP: the answer goes from the text port to the sender's address at port 7791,
    // never back to the sending socket.
    void udpText_data()
    {
        QTest::addColumn<QByteArray>("before"); // a block sent first, its answer left aside
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("answer"); // empty: none
        const QByteArray relay("teacher_parameter\nboard_parameter\n");
        const QByteArray relayKeys("board_feature_ip=127.0.0.6\nboard_feature1_ip=\nboard_feature_enable=0\n"
                                   "board_feature1_enable=1\nboard_lost_to_pano_delay=45");
        QTest::newRow("a set comes back in the next get, no line feed at the end")
            << relay + "set_tracking_config_file\n" + relayKeys + "\n" << relay + "get_tracking_config_file"
            << relay + "get_tracking_config_file\n" + relayKeys;
        QTest::newRow("tracking status") << QByteArray() << QByteArray("teacher_parameter\nget_tracking_status")
                                         << QByteArray("teacher_parameter\nteacher_tracking_status=stop");
        QTest::newRow("set confirmed with the word of its first section line")
            << QByteArray() << QByteArray("teacher_parameter\nboard_parameter\nset_tracking_config_file\nboard_feature_enable=1\n")
            << QByteArray("teacher_parameter\nboard_parameter\nset_teacher_config_file");
        QTest::newRow("text ends at a zero byte") << QByteArray() << QByteArray("board_parameter\nget_tracking_status\0\nx", 38)
                                                  << QByteArray("board_parameter\nboard_tracking_status=stop");
        QTest::newRow("tracking command: no answer")
            << QByteArray() << QByteArray("teacher_parameter\nset_tracking_config_command\ncommand=start") << QByteArray();
    }

    void udpText()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, answer);
        SimCamera camera(kAddress, QStringLiteral("J57"));
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QUdpSocket sender;
        QUdpSocket replies;
        QVERIFY(sender.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        QVERIFY(replies.bind(QHostAddress(QStringLiteral("127.0.0.1")), 7791));
        if (!before.isEmpty()) {
            sender.writeDatagram(before, QHostAddress(kAddress), 6791);
            QVERIFY(QTest::qWaitFor([&] { return replies.hasPendingDatagrams(); }, kReplyMs));
            replies.receiveDatagram();
        }
        sender.writeDatagram(request, QHostAddress(kAddress), 6791);
        if (answer.isEmpty()) {
            QTest::qWait(kSilenceMs);
            QVERIFY(!replies.hasPendingDatagrams());
        } else {
            QVERIFY(QTest::qWaitFor([&] { return replies.hasPendingDatagrams(); }, kReplyMs));
            const QNetworkDatagram datagram = replies.receiveDatagram();
            QCOMPARE(datagram.data(), answer);
            QCOMPARE(datagram.senderAddress(), QHostAddress(kAddress));
            QCOMPARE(datagram.senderPort(), 6791);
        }
        QVERIFY(!sender.hasPendingDatagrams());
    }

    // VISCA over UDP: replies go to the sending socket; value fields are one hex digit per byte.
    void viscaReplies_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArrayList>("commands");
        QTest::addColumn<QByteArray>("replies"); // every reply, one after the other

        const QByteArray done = hex("90 41 FF 90 51 FF");
        QTest::newRow("J57 model") << "J57" << QByteArrayList{"81 09 11 49 FF"} << hex("90 50 00 00 00 00 4A 57 FF");
        QTest::newRow("zoom direct, then the zoom field")
            << "J57" << QByteArrayList{"81 01 04 47 01 02 03 04 FF", "81 09 04 47 FF"}
            << done + hex("90 50 01 02 03 04 FF");
        QTest::newRow("pan 144 and tilt -72 as signed 16-bit fields")
            << "R6" << QByteArrayList{"81 01 06 02 16 12 00 00 09 00 0F 0F 0B 08 FF", "81 09 06 12 FF"}
            << done + hex("90 50 00 00 09 00 0F 0F 0B 08 FF");
        QTest::newRow("a J4 has no position inquiry") << "J4" << QByteArrayList{"81 09 06 12 FF"} << hex("90 60 02 FF");
        QTest::newRow("the crop picture's own focus mode")
            << "M19" << QByteArrayList{"8A 01 04 38 03 FF", "8A 09 04 38 FF", "81 09 04 38 FF"}
            << done + hex("90 50 03 FF 90 50 02 FF");
        QTest::newRow("bad argument") << "J57" << QByteArrayList{"81 01 04 07 45 FF"} << hex("90 60 02 FF");
        QTest::newRow("another address: nothing") << "J57" << QByteArrayList{"82 09 11 49 FF"} << QByteArray();
    }

    void viscaReplies()
    {
        QFETCH(QString, model);
        QFETCH(QByteArrayList, commands);
        QFETCH(QByteArray, replies);
        SimCamera camera(kAddress, model);
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        QUdpSocket client;
        QVERIFY(client.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        auto read = [&] {
            QByteArray got;
            while (client.hasPendingDatagrams()) {
                const QNetworkDatagram datagram = client.receiveDatagram();
                if (datagram.senderPort() == 1259)
                    got += datagram.data();
            }
            return got;
        };
        for (const QByteArray &command : commands)
            client.writeDatagram(hex(command.constData()), QHostAddress(kAddress), 1259);
        const QByteArray got = readAtLeast(read, replies.size());
        QCOMPARE(got.toHex(' '), replies.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(tst_SimCamera)
#include "tst_sim_camera.moc"
