// Answers of a lectern-mode camera's HTTP interface: JSON or text, the key=value pairs of a text
// answer, what each key changes, and the director server of a JSON answer.
#include "protocol/lectern_reply.h"

#include <QtTest>

using namespace lectern_reply;

Q_DECLARE_METATYPE(lectern_reply::Target)

namespace {
QString joined(const QVector<Pair> &pairs)
{
    QStringList parts;
    for (const Pair &p : pairs)
        parts << p.key + QLatin1Char('=') + p.value;
    return parts.join(QLatin1Char('|'));
}
} // namespace

class tst_LecternReply : public QObject
{
    Q_OBJECT

private slots:
    void classify_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("json");
        QTest::addColumn<QStringList>("objectKeys");
        QTest::addColumn<QString>("text");
        QTest::newRow("object") << QByteArray(R"({"data": {"tracking.times": "120"}})") << true
                                << QStringList{"data"} << QString();
        QTest::newRow("empty object") << QByteArray("{}") << true << QStringList{} << QString();
        QTest::newRow("array: an empty object") << QByteArray(R"([{"data": {}}, 2])") << true << QStringList{}
                                                << QString();
        QTest::newRow("key=value text") << QByteArray("tracking.preset=-1\ntracking.auto_zoom=1\n") << false
                                        << QStringList{} << "tracking.preset=-1\ntracking.auto_zoom=1\n";
        QTest::newRow("empty body") << QByteArray() << false << QStringList{} << "";
        QTest::newRow("broken JSON") << QByteArray(R"({"data": {"tracking.times": )") << false << QStringList{}
                                     << R"({"data": {"tracking.times": )";
        QTest::newRow("text up to a zero byte") << QByteArray("tracking.body_mode=2\0tracking.body_mode=0", 41)
                                                << false << QStringList{} << "tracking.body_mode=2";
        QTest::newRow("UTF-8 text") << QByteArray("region.preset=\xE8\xAE\xB2") << false << QStringList{}
                                    << QString::fromUtf8("region.preset=\xE8\xAE\xB2");
        QTest::newRow("HTML error page") << QByteArray("<html><body>401 Unauthorized</body></html>") << false
                                         << QStringList{} << "<html><body>401 Unauthorized</body></html>";
    }
    void classify()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, json);
        QFETCH(QStringList, objectKeys);
        const Body answer = lectern_reply::classify(body);
        QCOMPARE(answer.json, json);
        QCOMPARE(answer.object.keys(), objectKeys);
        if (!json)
            QTEST(answer.text, "text");
    }

    void keyValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pairs");
        QTest::newRow("lines") << "tracking.preset=-1\ntracking.body_thresh=141\n"
                               << "tracking.preset=-1|tracking.body_thresh=141";
        QTest::newRow("blanks and single quotes") << "tracking.preset = '-1'" << "tracking.preset=-1";
        QTest::newRow("double quotes") << "tracking.body_thresh=\"200\"" << "tracking.body_thresh=200";
        QTest::newRow("tab before the value") << "tracking.auto_zoom=\t0" << "tracking.auto_zoom=0";
        QTest::newRow("CRLF line ends") << "tracking.preset=-1\r\ntracking.auto_tilt=1\r\n"
                                        << "tracking.preset=-1|tracking.auto_tilt=1";
        QTest::newRow("last line without line feed") << "a=1\nregion.preset=3" << "a=1|region.preset=3";
        QTest::newRow("value with blanks") << "common.track_mode=auto track" << "common.track_mode=auto track";
        // A value stops at a quote.
        QTest::newRow("quote inside") << "a=x'y" << "a=x";
        QTest::newRow("no pairs") << "<html>Not Found</html>" << "";
        QTest::newRow("empty") << "" << "";
        // An empty value gives no pair and does not take the next line.
        QTest::newRow("empty value") << "region.preset=\ntracking.preset=-1" << "tracking.preset=-1";
        QTest::newRow("empty quoted value") << "a=''\nb=2" << "b=2";
        QTest::newRow("empty value, CRLF") << "a=\r\nb=2\r\n" << "b=2";
        QTest::newRow("value of blanks") << "a= \x0b \nb=2" << "b=2";
        QTest::newRow("several on one line") << "a=1 b=2" << "a=1 b=2";
        QTest::newRow("dotted key parts") << "tracking.area.left_up_x=12" << "tracking.area.left_up_x=12";
    }
    void keyValues()
    {
        QFETCH(QString, text);
        QTEST(joined(key_values(text)), "pairs");
    }

    void targetOf_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<Target>("target");
        for (const char *key : {"common.track_mode", "common.track", "common.debug_mode", "common.osd_mode",
                                "tracking.body", "tracking.stop_direction", "tracking.area.enable",
                                "tracking.area.left_up_x", "tracking.area.left_up_y", "tracking.area.right_down_x",
                                "tracking.area.right_down_y", "autoframe.zoom_thresh", "region.preset"})
            QTest::newRow(key) << key << Target::LogOnly;
        QTest::newRow("retention") << "tracking.return_preset_time" << Target::RetentionTime;
        QTest::newRow("preset") << "tracking.preset" << Target::StartPosition;
        QTest::newRow("body mode") << "tracking.body_mode" << Target::BodyMode;
        QTest::newRow("body thresh") << "tracking.body_thresh" << Target::BodyThresh;
        QTest::newRow("auto zoom") << "tracking.auto_zoom" << Target::AutoZoom;
        QTest::newRow("auto tilt") << "tracking.auto_tilt" << Target::AutoTilt;
        QTest::newRow("case differs") << "Tracking.preset" << Target::Unknown;
        QTest::newRow("longer key") << "tracking.presets" << Target::Unknown;
        QTest::newRow("director server") << "tracking.server_addr" << Target::Unknown;
        QTest::newRow("empty") << "" << Target::Unknown;
    }
    void targetOf()
    {
        QFETCH(QString, key);
        QTEST(target_of(key), "target");
    }

    void conversions()
    {
        QCOMPARE(start_position_index(QStringLiteral("-1")), 0);
        QCOMPARE(start_position_index(QStringLiteral("1")), 1);
        QCOMPARE(start_position_index(QStringLiteral("0")), 1);
        QCOMPARE(start_position_index(QString()), 1);

        const QVector<QPair<QString, int>> modes = {{"0", 0}, {"1", 1}, {"2", 2}, {"3", -1}, {"4", 3},
                                                    {"5", -1}, {"04", -1}, {"", -1}, {"full", -1}};
        for (const auto &m : modes)
            QVERIFY2(body_mode_choice(m.first) == m.second, qPrintable(m.first));

        QVERIFY(!switch_on(QStringLiteral("0")));
        QVERIFY(switch_on(QStringLiteral("1")));
        QVERIFY(switch_on(QStringLiteral("2")));
        QVERIFY(switch_on(QString()));

        QCOMPARE(number(QStringLiteral("141")), 141);
        QCOMPARE(number(QStringLiteral("-7")), -7);
        QCOMPARE(number(QStringLiteral(" 12 ")), 12);
        QCOMPARE(number(QStringLiteral("abc")), 0);
        QCOMPARE(number(QStringLiteral("12abc")), 0);
        QCOMPARE(number(QStringLiteral("99999999999")), 0);
    }

    void directorServer_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("times");
        QTest::newRow("on") << QByteArray(R"({"data": {"tracking.server_enable": "1", "tracking.server_addr": "10.1.1.9",
                                             "tracking.server_port": "9999", "tracking.times": "45"}})")
                            << true << true << "10.1.1.9" << "9999" << 45;
        QTest::newRow("off") << QByteArray(R"({"data": {"tracking.server_enable": "0", "tracking.server_addr": "",
                                              "tracking.server_port": "", "tracking.times": "x"}})")
                             << true << false << "" << "" << 0;
        QTest::newRow("numbers instead of strings")
            << QByteArray(R"({"data": {"tracking.server_enable": 0, "tracking.server_port": 8080, "tracking.times": 30}})")
            << true << false << "" << "8080" << 30;
        // Any enable value but "0" counts as on, a missing one among them.
        QTest::newRow("enable missing") << QByteArray(R"({"data": {"tracking.server_addr": "h"}})") << true << true
                                        << "h" << "" << 0;
        QTest::newRow("empty data") << QByteArray(R"({"data": {}})") << false << false << "" << "" << 0;
        QTest::newRow("no data") << QByteArray(R"({"result": "ok"})") << false << false << "" << "" << 0;
        QTest::newRow("data is an array") << QByteArray(R"({"data": [1, 2]})") << false << false << "" << "" << 0;
        QTest::newRow("data is a text") << QByteArray(R"({"data": "tracking.times=3"})") << false << false << ""
                                        << "" << 0;
    }
    void directorServer()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, present);
        const Body body = lectern_reply::classify(json);
        QVERIFY(body.json);
        const std::optional<DirectorServer> server = director_server(body.object);
        QCOMPARE(server.has_value(), present);
        if (!present)
            return;
        QTEST(server->on(), "on");
        QTEST(server->address, "address");
        QTEST(server->port, "port");
        QTEST(server->timesNumber(), "times");
    }
};

QTEST_APPLESS_MAIN(tst_LecternReply)
#include "tst_lectern_reply.moc"
