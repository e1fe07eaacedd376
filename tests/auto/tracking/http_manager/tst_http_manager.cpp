// HttpManager against the simulator's HTTP parameter interface: what goes on the wire for a GET,
// a form POST and a JSON POST, which signal each answer comes back as, refused logins, missing
// cameras, silent, trickling, oversized and compressing ones, and that no log line or error text
// carries the password.
#include "core/time_scale.h"
#include "log_capture.h"
#include "net/httpmanager.h"
#include "protocol/lectern_request.h"
#include "sim_http.h"
#include "test_env.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(SimHttpFault)

namespace {
constexpr int kAnswerMs = 5000; // loopback answers come within milliseconds; this only bounds a failure
const QString kAddress = QStringLiteral("127.0.0.2");

struct Spies {
    explicit Spies(HttpManager &http)
        : text(&http, &HttpManager::requestStringFinished)
        , json(&http, &HttpManager::requestJsonFinished)
        , error(&http, &HttpManager::requestError)
    {
    }
    int total() const { return text.count() + json.count() + error.count(); }
    QSignalSpy text, json, error;
};
} // namespace

class tst_HttpManager : public QObject
{
    Q_OBJECT

private slots:
    // The first request goes without the login; the camera's challenge brings it.
    void requests_data()
    {
        QTest::addColumn<QString>("kind"); // get, form, json
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("cameraRuns");
        QTest::addColumn<QString>("answer"); // the signal: text, json or error
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("body");
        const QByteArray form = lectern_request::server_body("1", "a&b", "9999", "120").toUtf8();
        QTest::newRow("GET") << "get" << "getfulltrack" << "" << true << "text" << QByteArray() << QByteArray();
        QTest::newRow("form POST") << "form" << "postfulltrack2" << "" << true << "text"
                                   << QByteArray("application/x-www-form-urlencoded") << form;
        QTest::newRow("JSON POST") << "json" << "get_path" << "" << true << "json" << QByteArray("application/json")
                                   << QByteArray("{\n    \"path\": \"/data/track.conf\"\n}\n");
        QTest::newRow("refused login") << "get" << "getfulltrack" << "wrong" << true << "error" << QByteArray()
                                       << QByteArray();
        QTest::newRow("no camera") << "get" << "getfulltrack" << "" << false << "error" << QByteArray() << QByteArray();
    }

    void requests()
    {
        QFETCH(QString, kind);
        QFETCH(QString, action);
        QFETCH(QString, password);
        QFETCH(bool, cameraRuns);
        QFETCH(QString, answer);
        QFETCH(QByteArray, body);
        SimHttpService camera(kAddress);
        if (cameraRuns)
            QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        HttpManager http;
        Spies spies(http);
        const QUrl url = lectern_request::camera_url(kAddress, QString(), password, action);
        if (kind == QLatin1String("get"))
            http.sendGetRequest(url);
        else if (kind == QLatin1String("form"))
            http.sendPostRequest(url, QString::fromUtf8(body));
        else
            http.sendJsonPostRequest(url, lectern_request::track_conf_request());
        QTRY_COMPARE_WITH_TIMEOUT(spies.total(), 1, kAnswerMs);
        QTest::qWait(100);
        QCOMPARE(spies.total(), 1);
        QCOMPARE(spies.text.count(), int(answer == QLatin1String("text")));
        QCOMPARE(spies.json.count(), int(answer == QLatin1String("json")));
        if (answer == QLatin1String("error")) {
            QVERIFY(!spies.error.first().first().toString().isEmpty());
            return;
        }
        const SimHttpRequest last = camera.requests().last();
        QCOMPARE(last.method, QByteArray(kind == QLatin1String("get") ? "GET" : "POST"));
        QCOMPARE(last.target, "/cgi-bin/param.cgi?" + action.toLatin1());
        QVERIFY(last.authorized);
        QCOMPARE(last.header("Host"), QByteArray("127.0.0.2"));
        // A compressed answer would be inflated before its size could be checked.
        QCOMPARE(last.header("Accept-Encoding"), QByteArray("identity"));
        QTEST(last.header("Content-Type"), "type");
        QCOMPARE(last.body, body);
        if (kind == QLatin1String("get"))
            QVERIFY(spies.text.first().first().toString().contains(QLatin1String("tracking.body_thresh=141\n")));
        if (kind == QLatin1String("form"))
            QCOMPARE(camera.value(QStringLiteral("tracking.server_addr")), QStringLiteral("a&b"));
        if (kind == QLatin1String("json"))
            QVERIFY(spies.json.first().first().toJsonObject().value(QStringLiteral("data")).isObject());
    }

    // A camera that never answers, trickles its answer or sends far too much ends as an error:
    // the whole request has 10 s (here scaled down to 200 ms), the answer at most 64 KiB.
    void faults_data()
    {
        QTest::addColumn<SimHttpFault>("fault");
        QTest::addColumn<int>("bytes"); // of an oversized answer
        QTest::addColumn<QString>("error"); // empty: the answer comes as text
        const QString late = QStringLiteral("no whole answer within 200 ms");
        const QString large = QStringLiteral("answer larger than 65536 bytes");
        QTest::newRow("silent") << SimHttpFault::Silent << 0 << late;
        QTest::newRow("trickled") << SimHttpFault::Trickled << 0 << late;
        QTest::newRow("oversized") << SimHttpFault::Oversized << (1 << 20) << large;
        QTest::newRow("oversized, no length") << SimHttpFault::OversizedUnannounced << (1 << 20) << large;
        QTest::newRow("largest, no length") << SimHttpFault::OversizedUnannounced << 65536 << QString();
        QTest::newRow("largest") << SimHttpFault::Oversized << 65536 << QString();
    }

    void faults()
    {
        QFETCH(SimHttpFault, fault);
        QFETCH(int, bytes);
        QFETCH(QString, error);
        timescale::setFactor(0.02);
        SimHttpService camera(kAddress);
        QVERIFY(camera.start());
        camera.setFault(fault);
        camera.setTrickleIntervalMs(20); // a byte well within any per-byte time-out
        camera.setOversizeBytes(bytes);
        HttpManager http;
        Spies spies(http);
        QElapsedTimer clock;
        clock.start();
        http.sendGetRequest(lectern_request::camera_url(kAddress, {}, {}, QStringLiteral("getfulltrack")));
        QTRY_COMPARE_WITH_TIMEOUT(spies.total(), 1, kAnswerMs);
        timescale::setFactor(1);
        if (error.isEmpty()) {
            QCOMPARE(spies.text.count(), 1);
            QCOMPARE(spies.text.first().first().toString().size(), bytes);
            return;
        }
        QCOMPARE(spies.error.count(), 1);
        QCOMPARE(spies.error.first().first().toString(), error);
        QVERIFY(clock.elapsed() >= (error.startsWith(QLatin1String("no")) ? 150 : 0));
    }

    // A camera that compresses its answer although none was asked for: the answer ends as an
    // error, and the reply never holds the inflated bytes (64 MiB from about 400 KiB on the wire).
    void compressedAnswer_data()
    {
        QTest::addColumn<SimHttpFault>("fault");
        QTest::addColumn<QString>("encoding");
        QTest::newRow("gzip") << SimHttpFault::Gzipped << "gzip";
        QTest::newRow("deflate") << SimHttpFault::Deflated << "deflate";
    }
    void compressedAnswer()
    {
        QFETCH(SimHttpFault, fault);
        QFETCH(QString, encoding);
        constexpr int kInflated = 64 << 20;
        // Sockets, buffers and the answer's bytes on the wire; far below what inflating would take.
        constexpr qint64 kPeakGrowthKiB = 8 * 1024;
        SimHttpService camera(kAddress);
        QVERIFY(camera.start());
        camera.setFault(fault);
        camera.setOversizeBytes(kInflated);
        HttpManager http;
        Spies spies(http);
        const qint64 before = testenv::resetPeakMemoryKiB();
        QVERIFY(before > 0);
        http.sendGetRequest(lectern_request::camera_url(kAddress, {}, {}, QStringLiteral("getfulltrack")));
        QTRY_COMPARE_WITH_TIMEOUT(spies.total(), 1, 2 * kAnswerMs);
        const qint64 growth = testenv::memoryKiB("VmHWM") - before;
        qInfo("peak memory growth %lld KiB for an answer that inflates to %d MiB", growth, kInflated >> 20);
        QCOMPARE(spies.error.count(), 1);
        QCOMPARE(spies.error.first().first().toString(),
                 QStringLiteral("answer in an encoding not asked for: %1").arg(encoding));
        QVERIFY2(growth < kPeakGrowthKiB, qPrintable(QString::number(growth)));
    }

    // The password reaches the camera as it is and never shows in a log line or an error text.
    void passwordStaysOutOfTheLog_data()
    {
        QTest::addColumn<QString>("cameraPassword");
        QTest::addColumn<QString>("action");
        QTest::newRow("accepted") << "S3cret@/#?x" << "getfulltrack";
        QTest::newRow("refused") << "other" << "getfulltrack";
        QTest::newRow("not found") << "S3cret@/#?x" << "nosuchaction";
    }

    void passwordStaysOutOfTheLog()
    {
        QFETCH(QString, cameraPassword);
        QFETCH(QString, action);
        const QString password = QStringLiteral("S3cret@/#?x");
        SimHttpService camera(kAddress);
        camera.setLogin(QStringLiteral("admin"), cameraPassword);
        QVERIFY(camera.start());
        LogCapture log;
        HttpManager http;
        Spies spies(http);
        const QUrl url = lectern_request::camera_url(kAddress, QStringLiteral("admin"), password, action);
        http.sendGetRequest(url);
        http.sendPostRequest(url, QStringLiteral("tracking.preset=1"));
        QTRY_COMPARE_WITH_TIMEOUT(spies.total(), 2, kAnswerMs);
        bool sawLogin = false;
        for (const SimHttpRequest &r : camera.requests()) {
            if (r.hasLogin) {
                sawLogin = true;
                QCOMPARE(r.password, password);
            }
        }
        QVERIFY(sawLogin);
        QCOMPARE(log.count(QStringLiteral("Sending GET request to:")), 1);
        QCOMPARE(log.count(QStringLiteral("Sending POST request to:")), 1);
        QStringList texts = log.lines();
        for (const QList<QVariant> &e : spies.error)
            texts << e.first().toString();
        for (const QString &line : texts)
            QVERIFY2(!line.contains(QLatin1String("S3cret")), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(tst_HttpManager)
#include "tst_http_manager.moc"
