#include "../sim_test_util.h"

#include "sim_camera.h"

#include <QtTest>

using namespace simtest;

// The text port of a simulated camera, driven with plain UDP sockets: what a set stores, what a
// get reports, which port the answers go to, and the status answers.
class tst_SimText : public QObject
{
    Q_OBJECT

private:
    static constexpr const char *kAddress = "127.0.0.2";

    // Sends text to the camera's text port from `sender` and returns the answer that arrives on
    // `replies`; fails the test when none comes.
    QByteArray ask(const QByteArray &text, quint16 port = 6791)
    {
        m_sender.writeDatagram(text, QHostAddress(QLatin1String(kAddress)), port);
        QNetworkDatagram answer;
        if (!waitDatagram(m_replies, &answer)) {
            QTest::qFail(qPrintable(QStringLiteral("no answer to \"%1\"").arg(QString::fromLatin1(text))), __FILE__, __LINE__);
            return QByteArray();
        }
        return answer.data();
    }

    SimCamera *m_camera = nullptr;
    QUdpSocket m_sender;
    QUdpSocket m_replies;

private slots:
    void init()
    {
        m_camera = new SimCamera(QLatin1String(kAddress), QStringLiteral("J57"));
        QVERIFY2(m_camera->start(), qPrintable(m_camera->lastError()));
        QVERIFY(bindReplySocket(m_replies));
        QVERIFY(m_sender.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
    }

    void cleanup()
    {
        delete m_camera;
        m_camera = nullptr;
        m_sender.close();
        m_replies.close();
    }

    void setThenGetRoundTrips_data()
    {
        QTest::addColumn<QByteArray>("setBlock");
        QTest::addColumn<QByteArray>("expectedConfirmation");
        QTest::addColumn<QByteArray>("getBlock");
        QTest::addColumn<QStringList>("expectedHeader");
        QTest::addColumn<QStringList>("expectedItems");
        QTest::addColumn<QStringList>("absentKeys");

        // The teacher apply ends its block with a line feed.
        QTest::newRow("teacher")
            << lines({"teacher_parameter", "set_tracking_config_file", "pano_sensitivity=3", "feature_distance=12.5",
                      "pano_pan_offset=-35", "tracking_mode=4", "pano_shield_enable=1010", "pano_pan_scale=133", ""})
            << lines({"teacher_parameter", "set_teacher_config_file"})
            << lines({"teacher_parameter", "get_tracking_config_file"})
            << QStringList{"teacher_parameter", "get_tracking_config_file"}
            << QStringList{"pano_sensitivity=3", "feature_distance=12.5", "pano_pan_offset=-35", "tracking_mode=4",
                           "pano_shield_enable=1010", "pano_pan_scale=133", "pano_distance=7.5"}
            << QStringList();
        // The student camera takes "pano_pan_speed" and reports it back as "pan_speed".
        QTest::newRow("student")
            << lines({"student_parameter", "set_tracking_config_file", "pano_sensitivity=7", "pano_object_size=1.5",
                      "pano_pan_speed=35", "pano_designated_enable=111111", "pano_designated_fifth_x=250"})
            << lines({"student_parameter", "set_student_config_file"})
            << lines({"student_parameter", "get_tracking_config_file"})
            << QStringList{"student_parameter", "get_tracking_config_file"}
            << QStringList{"pano_sensitivity=7", "pano_object_size=1.5", "pan_speed=35", "pano_designated_enable=111111",
                           "pano_designated_fifth_x=250", "pano_height=2.2"}
            << QStringList{"pano_pan_speed"};
        // The blackboard settings kept by a teacher pano camera, asked for through it.
        QTest::newRow("board through the teacher pano")
            << lines({"teacher_parameter", "board_parameter", "set_tracking_config_file", "board_feature_ip=127.0.0.6",
                      "board_feature1_ip=127.0.0.7", "board_feature_enable=0", "board_feature1_enable=1",
                      "board_lost_to_pano_delay=45", ""})
            << lines({"teacher_parameter", "board_parameter", "set_teacher_config_file"})
            << lines({"teacher_parameter", "board_parameter", "get_tracking_config_file"})
            << QStringList{"teacher_parameter", "board_parameter", "get_tracking_config_file"}
            << QStringList{"board_feature_ip=127.0.0.6", "board_feature1_ip=127.0.0.7", "board_feature_enable=0",
                           "board_feature1_enable=1", "board_lost_to_pano_delay=45"}
            << QStringList{"pano_sensitivity", "pano_pan_scale"};
        // A blackboard pano camera's own block.
        QTest::newRow("board pano's own block")
            << lines({"board_parameter", "set_tracking_config_file", "pano_sensitivity=1", "time_delay=9",
                      "pano_shield_enable=1100"})
            << lines({"board_parameter", "set_board_config_file"})
            << lines({"board_parameter", "get_tracking_config_file"})
            << QStringList{"board_parameter", "get_tracking_config_file"}
            << QStringList{"pano_sensitivity=1", "time_delay=9", "pano_shield_enable=1100", "pano_pan_increment=600"}
            << QStringList{"board_feature_ip", "board_lost_to_pano_delay"};
        // Director blocks travel behind a pano camera's section line; the confirmation is that side's.
        QTest::newRow("director through the teacher pano")
            << lines({"teacher_parameter", "director_parameter", "set_director_config_file", "communicate_mode=1",
                      "inner_teacher_feature=FF 22 23", "min_switch_time=7", "director_broadcast_port=10001"})
            << lines({"teacher_parameter", "director_parameter", "set_teacher_config_file"})
            << lines({"teacher_parameter", "get_director_config_file"})
            << QStringList{"teacher_parameter", "director_parameter", "get_director_config_file"}
            << QStringList{"communicate_mode=1", "inner_teacher_feature=FF 22 23", "min_switch_time=7",
                           "director_broadcast_port=10001", "switch_auto=FF 00 00 00 00 01"}
            << QStringList();
        QTest::newRow("director through the student pano")
            << lines({"student_parameter", "director_parameter", "set_director_config_file", "student_stand_up=0A 0B",
                      "extern_director_student_enable=1010"})
            << lines({"student_parameter", "director_parameter", "set_student_config_file"})
            << lines({"student_parameter", "get_director_config_file"})
            << QStringList{"student_parameter", "director_parameter", "get_director_config_file"}
            << QStringList{"student_stand_up=0A 0B", "extern_director_student_enable=1010"}
            << QStringList();
        QTest::newRow("director of a board pano")
            << lines({"board_parameter", "director_parameter", "set_director_config_file", "blackboard_have_object_tracked=31"})
            << lines({"board_parameter", "director_parameter", "set_board_config_file"})
            << lines({"board_parameter", "get_director_config_file"})
            << QStringList{"board_parameter", "director_parameter", "get_director_config_file"}
            << QStringList{"blackboard_have_object_tracked=31"}
            << QStringList();
    }

    void setThenGetRoundTrips()
    {
        QFETCH(QByteArray, setBlock);
        QFETCH(QByteArray, expectedConfirmation);
        QFETCH(QByteArray, getBlock);
        QFETCH(QStringList, expectedHeader);
        QFETCH(QStringList, expectedItems);
        QFETCH(QStringList, absentKeys);

        QCOMPARE(ask(setBlock), expectedConfirmation);
        const QByteArray reply = ask(getBlock);
        const QStringList replyLines = QString::fromLatin1(reply).split(QLatin1Char('\n'));
        QVERIFY2(replyLines.size() > expectedHeader.size(), reply.constData());
        QCOMPARE(replyLines.mid(0, expectedHeader.size()), expectedHeader);
        for (const QString &item : expectedItems) {
            const QString key = item.section(QLatin1Char('='), 0, 0);
            QCOMPARE(replyValue(reply, key), item.section(QLatin1Char('='), 1));
            QCOMPARE(replyLines.filter(QRegularExpression(QLatin1Char('^') + key + QLatin1Char('='))).size(), 1);
        }
        for (const QString &key : absentKeys)
            QVERIFY2(replyValue(reply, key).isNull(), qPrintable(key));
        // Every item line is key=value; the text ends with the last value, without a line feed.
        for (const QString &line : replyLines.mid(expectedHeader.size()))
            QVERIFY2(line.indexOf(QLatin1Char('=')) > 0, qPrintable(line));
        QVERIFY(!reply.endsWith('\n'));
    }

    void getReportsTheModelWhenNobodySetIt()
    {
        const QByteArray before = ask(lines({"teacher_parameter", "get_tracking_config_file"}));
        QCOMPARE(replyValue(before, QStringLiteral("device_model")), QStringLiteral("J57"));
        ask(lines({"teacher_parameter", "set_tracking_config_file", "device_model=M19-S2"}));
        const QByteArray after = ask(lines({"teacher_parameter", "get_tracking_config_file"}));
        QCOMPARE(replyValue(after, QStringLiteral("device_model")), QStringLiteral("M19-S2"));
    }

    void answersGoToPort7791NotToTheSender()
    {
        m_sender.writeDatagram(lines({"teacher_parameter", "get_tracking_status"}), QHostAddress(QLatin1String(kAddress)), 6791);
        QNetworkDatagram answer;
        QVERIFY(waitDatagram(m_replies, &answer));
        QCOMPARE(answer.senderAddress(), QHostAddress(QLatin1String(kAddress)));
        QCOMPARE(answer.senderPort(), 6791);
        QCOMPARE(answer.destinationPort(), 7791);
        QVERIFY(staysSilent(m_sender));
    }

    void answerPortFollowsThePortSettings()
    {
        m_camera->stop();
        SimPorts ports;
        ports.text = 16791;
        ports.reply = 17791;
        QVERIFY(m_camera->setPorts(ports));
        QVERIFY(m_camera->start());
        QUdpSocket otherReplies;
        QVERIFY(bindReplySocket(otherReplies, 17791));
        m_sender.writeDatagram(lines({"student_parameter", "get_tracking_status"}), QHostAddress(QLatin1String(kAddress)), 16791);
        QNetworkDatagram answer;
        QVERIFY(waitDatagram(otherReplies, &answer));
        QCOMPARE(answer.data(), lines({"student_parameter", "student_tracking_status=stop"}));
        QVERIFY(staysSilent(m_replies));
    }

    void statusAnswers_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("section");
        QTest::addColumn<bool>("crop");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("teacher tracking start") << lines({"teacher_parameter", "get_tracking_status"}) << "teacher_parameter"
                                                << false << "start" << lines({"teacher_parameter", "teacher_tracking_status=start"});
        QTest::newRow("teacher tracking error") << lines({"teacher_parameter", "get_tracking_status"}) << "teacher_parameter"
                                                << false << "error" << lines({"teacher_parameter", "teacher_tracking_status=error"});
        QTest::newRow("student tracking stop") << lines({"student_parameter", "get_tracking_status"}) << "student_parameter"
                                               << false << "stop" << lines({"student_parameter", "student_tracking_status=stop"});
        QTest::newRow("board tracking start") << lines({"board_parameter", "get_tracking_status"}) << "board_parameter" << false
                                              << "start" << lines({"board_parameter", "board_tracking_status=start"});
        QTest::newRow("teacher crop start") << lines({"teacher_parameter", "command=get_crop_status"}) << "teacher_parameter"
                                            << true << "start" << lines({"teacher_parameter", "teacher_crop_status=start"});
        QTest::newRow("student crop stop") << lines({"student_parameter", "command=get_crop_status"}) << "student_parameter"
                                           << true << "stop" << lines({"student_parameter", "student_crop_status=stop"});
    }

    void statusAnswers()
    {
        QFETCH(QByteArray, request);
        QFETCH(QString, section);
        QFETCH(bool, crop);
        QFETCH(QString, status);
        QFETCH(QByteArray, expected);
        if (crop)
            m_camera->setCropStatus(section, status);
        else
            m_camera->setTrackingStatus(section, status);
        QCOMPARE(ask(request), expected);
    }

    void trackingCommandsChangeTheStatusWithoutAnAnswer()
    {
        m_sender.writeDatagram(lines({"teacher_parameter", "set_tracking_config_command", "command=start"}),
                               QHostAddress(QLatin1String(kAddress)), 6791);
        QVERIFY(staysSilent(m_replies));
        QCOMPARE(m_camera->trackingStatus(QStringLiteral("teacher_parameter")), QStringLiteral("start"));
        QCOMPARE(ask(lines({"teacher_parameter", "get_tracking_status"})),
                 lines({"teacher_parameter", "teacher_tracking_status=start"}));
        m_sender.writeDatagram(lines({"teacher_parameter", "set_tracking_config_command", "command=stop"}),
                               QHostAddress(QLatin1String(kAddress)), 6791);
        QCOMPARE(ask(lines({"teacher_parameter", "get_tracking_status"})),
                 lines({"teacher_parameter", "teacher_tracking_status=stop"}));
        // The student side has a status of its own.
        QCOMPARE(ask(lines({"student_parameter", "get_tracking_status"})),
                 lines({"student_parameter", "student_tracking_status=stop"}));
    }

    void configSwitchFollowsTheCommand()
    {
        m_sender.writeDatagram(lines({"student_parameter", "set_tracking_config_command", "command=switchtoconfig2"}),
                               QHostAddress(QLatin1String(kAddress)), 6791);
        QVERIFY(staysSilent(m_replies));
        const QByteArray reply = ask(lines({"student_parameter", "get_tracking_config_file"}));
        QCOMPARE(replyValue(reply, QStringLiteral("config_switch")), QStringLiteral("2"));
    }

    void autocalibrationAnswersItsResult_data()
    {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<QString>("result");
        QTest::newRow("begin, success") << QByteArray("command=begin_autocalibrate") << "success";
        QTest::newRow("again, fail") << QByteArray("command=re_autocalibrate") << "fail";
    }

    void autocalibrationAnswersItsResult()
    {
        QFETCH(QByteArray, verb);
        QFETCH(QString, result);
        m_camera->setAutocalibrateResult(result);
        const QByteArray block = lines({"student_parameter", "set_tracking_config_command"}) + '\n' + verb;
        QCOMPARE(ask(block), lines({"student_parameter"}) + "\nstudent_autocalibrate_status=" + result.toLatin1());
    }

    void textItDoesNotKnowIsRecordedButNotAnswered_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("no section") << QByteArray("hello camera");
        QTest::newRow("unknown command") << lines({"teacher_parameter", "no_such_command"});
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("console picture choice") << lines({"teacher_parameter", "set_tracking_config_command", "manual_direct_flag=3"});
        QTest::newRow("director test code") << lines({"teacher_parameter", "director_parameter", "set_director_config_command",
                                                      "command=testcmd"});
        QTest::newRow("binary") << hex("00 FF 55 4F 54 00 01");
    }

    void textItDoesNotKnowIsRecordedButNotAnswered()
    {
        QFETCH(QByteArray, text);
        const int before = m_camera->receivedCount();
        m_sender.writeDatagram(text, QHostAddress(QLatin1String(kAddress)), 6791);
        const auto arrived = m_camera->waitForMessage([](const SimMessage &m) { return m.isText(); }, kReplyMs, before);
        QVERIFY(arrived);
        QCOMPARE(arrived->payload, text);
        QVERIFY(staysSilent(m_replies));
    }

    void aZeroByteEndsTheText()
    {
        QByteArray block = lines({"teacher_parameter", "set_tracking_config_file", "pano_sensitivity=4"});
        block.append('\0');
        block.append("\npano_distance=19.0");
        QCOMPARE(ask(block), lines({"teacher_parameter", "set_teacher_config_file"}));
        QCOMPARE(m_camera->value(QStringLiteral("teacher_parameter"), QStringLiteral("pano_sensitivity")), QStringLiteral("4"));
        QCOMPARE(m_camera->value(QStringLiteral("teacher_parameter"), QStringLiteral("pano_distance")), QStringLiteral("7.5"));
    }

    void recordHoldsWhatArrivedAndWhatWasSent()
    {
        const QByteArray request = lines({"teacher_parameter", "get_tracking_status"});
        QElapsedTimer clock;
        clock.start();
        const qint64 before = simClockMs();
        ask(request);
        const QVector<SimMessage> received = m_camera->received();
        QCOMPARE(received.size(), 1);
        const SimMessage &in = received.first();
        QCOMPARE(in.direction, SimDirection::Received);
        QCOMPARE(in.event, SimEvent::Data);
        QCOMPARE(in.transport, SimTransport::Udp);
        QCOMPARE(in.channel, SimChannel::Text);
        QCOMPARE(in.localAddress, QHostAddress(QLatin1String(kAddress)));
        QCOMPARE(in.localPort, quint16(6791));
        QCOMPARE(in.peerAddress, QHostAddress(QStringLiteral("127.0.0.1")));
        QCOMPARE(in.peerPort, m_sender.localPort());
        QCOMPARE(in.payload, request);
        QVERIFY(in.timeMs >= before && in.timeMs <= before + clock.elapsed() + 1);

        const QVector<SimMessage> sent = m_camera->sent();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().direction, SimDirection::Sent);
        QCOMPARE(sent.first().peerPort, quint16(7791));
        QCOMPARE(sent.first().localPort, quint16(6791));
        QCOMPARE(sent.first().payload, lines({"teacher_parameter", "teacher_tracking_status=stop"}));
        QVERIFY(sent.first().timeMs >= in.timeMs);
        QVERIFY(in.describe().contains(QLatin1String("get_tracking_status")));

        m_camera->clearRecords();
        QCOMPARE(m_camera->receivedCount(), 0);
        QCOMPARE(m_camera->sentCount(), 0);
    }

    void anUnaskedDatagramComesFromTheTextPort()
    {
        const QByteArray status = lines({"student_parameter", "student_tracking_status=error"});
        QVERIFY(m_camera->pushDatagram(false, status, QHostAddress(QStringLiteral("127.0.0.1")), 7791));
        QNetworkDatagram datagram;
        QVERIFY(waitDatagram(m_replies, &datagram));
        QCOMPARE(datagram.data(), status);
        QCOMPARE(datagram.senderAddress(), QHostAddress(QLatin1String(kAddress)));
        QCOMPARE(datagram.senderPort(), 6791);
        QCOMPARE(m_camera->sentCount(), 1);
        m_camera->stop();
        QVERIFY(!m_camera->pushDatagram(false, status, QHostAddress(QStringLiteral("127.0.0.1")), 7791));
    }

    void resetStateForgetsWhatWasSet()
    {
        ask(lines({"teacher_parameter", "set_tracking_config_file", "pano_sensitivity=0"}));
        m_camera->setTrackingStatus(QStringLiteral("teacher_parameter"), QStringLiteral("start"));
        m_camera->resetState();
        const QByteArray reply = ask(lines({"teacher_parameter", "get_tracking_config_file"}));
        QCOMPARE(replyValue(reply, QStringLiteral("pano_sensitivity")), QStringLiteral("2"));
        QCOMPARE(m_camera->trackingStatus(QStringLiteral("teacher_parameter")), QStringLiteral("stop"));
    }
};

QTEST_GUILESS_MAIN(tst_SimText)
#include "tst_sim_text.moc"
