// The simulator's HTTP parameter interface, driven by hand-written requests on a plain socket
// (not the tool's HTTP client): the login check, the actions and their answers, what it keeps,
// and the requests it refuses.
#include "sim_http.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QtTest>

namespace {

constexpr int kAnswerMs = 3000;  // loopback answers come within milliseconds; this only bounds a failure
constexpr int kSilenceMs = 300;  // how long a test listens to be sure nothing comes
const QString kAddress = QStringLiteral("127.0.0.2");

QByteArray basic(const QByteArray &user, const QByteArray &password)
{
    return "Authorization: Basic " + (user + ':' + password).toBase64() + "\r\n";
}

const QByteArray kLogin = basic("qetul", "qetul");

QByteArray get(const QByteArray &target, const QByteArray &login = kLogin)
{
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.2\r\n" + login + "\r\n";
}

QByteArray post(const QByteArray &target, const QByteArray &type, const QByteArray &body,
                const QByteArray &login = kLogin)
{
    return "POST " + target + " HTTP/1.1\r\nHost: 127.0.0.2\r\nContent-Type: " + type
           + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + login + "\r\n" + body;
}

struct Response {
    int status = 0;
    QByteArray head;
    QByteArray body;
};

// Sends the bytes (in pieces, with the service's thread handling events in between) and reads
// until the service closes the connection.
Response exchange(quint16 port, const QList<QByteArray> &pieces, int waitMs = kAnswerMs)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(kAddress), port);
    QElapsedTimer clock;
    clock.start();
    while (socket.state() != QAbstractSocket::ConnectedState && clock.elapsed() < kAnswerMs)
        QTest::qWait(5);
    for (const QByteArray &piece : pieces) {
        socket.write(piece);
        QTest::qWait(20);
    }
    QByteArray all;
    while (socket.state() != QAbstractSocket::UnconnectedState && clock.elapsed() < waitMs) {
        QTest::qWait(5);
        all += socket.readAll();
    }
    all += socket.readAll();
    Response r;
    const int end = all.indexOf("\r\n\r\n");
    if (end < 0)
        return r;
    r.head = all.left(end);
    r.body = all.mid(end + 4);
    const QList<QByteArray> first = r.head.split('\n').first().split(' ');
    if (first.size() >= 2)
        r.status = first.at(1).toInt();
    return r;
}

} // namespace

class tst_SimHttp : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("bodyHas");
        const QByteArray cgi = "/cgi-bin/param.cgi?";
        QTest::newRow("settings") << get(cgi + "getfulltrack") << 200 << QByteArray("\ntracking.preset=-1\n");
        QTest::newRow("no login") << get(cgi + "getfulltrack", QByteArray()) << 401 << QByteArray("Unauthorized");
        QTest::newRow("wrong password") << get(cgi + "getfulltrack", basic("qetul", "qetu")) << 401 << QByteArray();
        QTest::newRow("wrong user") << get(cgi + "getfulltrack", basic("admin", "qetul")) << 401 << QByteArray();
        QTest::newRow("not Basic") << get(cgi + "getfulltrack", "Authorization: Digest x\r\n") << 401 << QByteArray();
        QTest::newRow("other path") << get("/cgi-bin/other.cgi?getfulltrack") << 404 << QByteArray();
        QTest::newRow("unknown action") << get(cgi + "getall") << 404 << QByteArray();
        QTest::newRow("no action") << get("/cgi-bin/param.cgi") << 404 << QByteArray();
        QTest::newRow("POST to a GET action") << post(cgi + "getfulltrack", "text/plain", "") << 405 << QByteArray();
        QTest::newRow("GET of a POST action") << get(cgi + "postfulltrack") << 405 << QByteArray();
        QTest::newRow("form as JSON") << post(cgi + "postfulltrack", "application/json", "tracking.preset=1") << 400
                                      << QByteArray();
        QTest::newRow("JSON as form") << post(cgi + "get_path", "application/x-www-form-urlencoded", "path=x") << 400
                                      << QByteArray();
        QTest::newRow("pair without =") << post(cgi + "postfulltrack", "application/x-www-form-urlencoded", "tracking")
                                        << 400 << QByteArray();
        QTest::newRow("broken JSON") << post(cgi + "get_path", "application/json", "{\"path\":") << 400 << QByteArray();
        QTest::newRow("other file") << post(cgi + "get_path", "application/json", R"({"path": "/etc/passwd"})") << 404
                                    << QByteArray("no such file");
        QTest::newRow("track.conf") << post(cgi + "get_path", "application/json", R"({"path": "/data/track.conf"})")
                                    << 200 << QByteArray("\"tracking.server_port\": \"9999\"");
        QTest::newRow("POST without length")
            << QByteArray("POST /cgi-bin/param.cgi?postfulltrack HTTP/1.1\r\nHost: x\r\n" + kLogin + "\r\n") << 411
            << QByteArray();
        QTest::newRow("body too long")
            << QByteArray("POST /cgi-bin/param.cgi?postfulltrack HTTP/1.1\r\nContent-Length: 2000000\r\n" + kLogin
                          + "\r\n")
            << 413 << QByteArray();
        QTest::newRow("bad length") << QByteArray("POST /cgi-bin/param.cgi?postfulltrack HTTP/1.1\r\nContent-Length: -4\r\n\r\n")
                                    << 400 << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\x02 hello\r\n\r\n") << 400 << QByteArray();
        QTest::newRow("header line without colon") << QByteArray("GET / HTTP/1.1\r\nnonsense\r\n\r\n") << 400
                                                   << QByteArray();
        QTest::newRow("header block too large")
            << QByteArray("GET / HTTP/1.1\r\nX-Filler: " + QByteArray(20000, 'a') + "\r\n\r\n") << 431 << QByteArray();
    }
    void answers()
    {
        QFETCH(QByteArray, request);
        SimHttpService http(kAddress);
        QVERIFY2(http.start(), qPrintable(http.lastError()));
        QCOMPARE(http.port(), quint16(80));
        const Response r = exchange(http.port(), {request});
        QTEST(r.status, "status");
        QFETCH(QByteArray, bodyHas);
        QVERIFY2(r.body.contains(bodyHas), r.body.constData());
        QVERIFY2(r.head.contains("Connection: close"), r.head.constData());
        const QByteArray length = "Content-Length: " + QByteArray::number(r.body.size());
        QVERIFY2(r.head.contains(length), r.head.constData());
        if (r.status == 401)
            QVERIFY2(r.head.contains("WWW-Authenticate: Basic realm="), r.head.constData());
        QCOMPARE(http.requestCount(), 1);
        QCOMPARE(http.requests().first().status, r.status);
    }

    // The text answer holds the lectern settings, the director server aside.
    void settingsText()
    {
        SimHttpService http(kAddress);
        QVERIFY(http.start());
        http.setValue(QStringLiteral("tracking.body_mode"), QStringLiteral("4"));
        const Response r = exchange(http.port(), {get("/cgi-bin/param.cgi?getfulltrack")});
        QCOMPARE(r.status, 200);
        QVERIFY(r.body.startsWith("common.track_mode=1\n"));
        QVERIFY(r.body.contains("\ntracking.body_mode=4\n"));
        QVERIFY(!r.body.contains("tracking.server_"));
        QVERIFY(!r.body.contains("tracking.times"));
    }

    void formIsDecodedAndKept()
    {
        SimHttpService http(kAddress);
        QVERIFY(http.start());
        const QByteArray body = "tracking.server_addr=a%26b+c%3Dd&tracking.times=7&tracking.server_port=%E8%AE%B2";
        const Response r =
            exchange(http.port(), {post("/cgi-bin/param.cgi?postfulltrack2", "application/x-www-form-urlencoded", body)});
        QCOMPARE(r.status, 200);
        QCOMPARE(r.body, QByteArray("OK"));
        QCOMPARE(http.value(QStringLiteral("tracking.server_addr")), QStringLiteral("a&b c=d"));
        QCOMPARE(http.value(QStringLiteral("tracking.times")), QStringLiteral("7"));
        QCOMPARE(http.value(QStringLiteral("tracking.server_port")), QString::fromUtf8("\xE8\xAE\xB2"));
        QCOMPARE(http.requests().first().body, body);
        QCOMPARE(http.requests().first().action, QByteArray("postfulltrack2"));

        // What was posted comes back in get_path's answer.
        const Response read = exchange(http.port(), {post("/cgi-bin/param.cgi?get_path", "application/json",
                                                           R"({"path": "/data/track.conf"})")});
        const QJsonObject data = QJsonDocument::fromJson(read.body).object().value(QStringLiteral("data")).toObject();
        QCOMPARE(data.value(QStringLiteral("tracking.server_addr")).toString(), QStringLiteral("a&b c=d"));
    }

    void effectAreaIsKept()
    {
        SimHttpService http(kAddress);
        QVERIFY(http.start());
        const Response r = exchange(http.port(), {post("/cgi-bin/param.cgi?effect_area", "application/json",
                                                        R"({"tracking.area.left_up_x": 40, "tracking.area.right_down_y": 1080})")});
        QCOMPARE(r.status, 200);
        QCOMPARE(http.value(QStringLiteral("tracking.area.left_up_x")), QStringLiteral("40"));
        QCOMPARE(http.value(QStringLiteral("tracking.area.right_down_y")), QStringLiteral("1080"));
    }

    // A request that arrives in pieces is answered once it is whole.
    void requestInPieces()
    {
        SimHttpService http(kAddress);
        QVERIFY(http.start());
        const QByteArray whole =
            post("/cgi-bin/param.cgi?postfulltrack", "application/x-www-form-urlencoded", "tracking.preset=1");
        const int cut = whole.indexOf("\r\n\r\n");
        const Response r = exchange(http.port(), {whole.left(10), whole.mid(10, cut - 8), whole.mid(cut + 2)});
        QCOMPARE(r.status, 200);
        QCOMPARE(http.value(QStringLiteral("tracking.preset")), QStringLiteral("1"));
    }

    // A password may hold any character but the first ":" of the login.
    void loginWithOddCharacters()
    {
        SimHttpService http(kAddress);
        http.setLogin(QStringLiteral("admin"), QStringLiteral("p@ss:w/rd#?"));
        QVERIFY(http.start());
        QCOMPARE(exchange(http.port(), {get("/cgi-bin/param.cgi?getfulltrack", basic("admin", "p@ss:w/rd#?"))}).status,
                 200);
        QCOMPARE(exchange(http.port(), {get("/cgi-bin/param.cgi?getfulltrack", basic("admin", "p@ss"))}).status, 401);
        const QVector<SimHttpRequest> seen = http.requests();
        QCOMPARE(seen.size(), 2);
        QVERIFY(seen.at(0).authorized);
        QCOMPARE(seen.at(0).password, QStringLiteral("p@ss:w/rd#?"));
        QVERIFY(seen.at(1).hasLogin && !seen.at(1).authorized);
    }

    void silentTakesButNeverAnswers()
    {
        SimHttpService http(kAddress);
        QVERIFY(http.start());
        http.setFault(SimHttpFault::Silent);
        const Response r = exchange(http.port(), {get("/cgi-bin/param.cgi?getfulltrack")}, kSilenceMs);
        QCOMPARE(r.status, 0);
        QCOMPARE(http.requestCount(), 1);
        QCOMPARE(http.requests().first().status, 0);
        const auto waited = http.waitForRequest([](const SimHttpRequest &q) { return q.status != 0; }, kSilenceMs);
        QVERIFY(!waited);
    }

    void stopAndStart()
    {
        SimHttpService http(kAddress);
        QVERIFY(http.start());
        http.setValue(QStringLiteral("tracking.auto_tilt"), QStringLiteral("1"));
        http.stop();
        QVERIFY(!http.isRunning());
        QTcpSocket probe;
        probe.connectToHost(QHostAddress(kAddress), 80);
        QVERIFY(!probe.waitForConnected(kSilenceMs));
        QVERIFY(http.start());
        QCOMPARE(http.value(QStringLiteral("tracking.auto_tilt")), QStringLiteral("1"));
        QCOMPARE(exchange(http.port(), {get("/cgi-bin/param.cgi?getfulltrack")}).status, 200);

        SimHttpService outside(QStringLiteral("10.0.0.1"));
        QVERIFY(!outside.start());
        QVERIFY(outside.lastError().contains(QLatin1String("loopback")));
    }
};

QTEST_GUILESS_MAIN(tst_SimHttp)
#include "tst_sim_http.moc"
