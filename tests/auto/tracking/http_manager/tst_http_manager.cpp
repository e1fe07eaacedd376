// HttpManager against the simulator's HTTP parameter interface: what goes on the wire for a GET,
// a form POST and a JSON POST, which signal each answer comes back as, refused logins, missing
// cameras and silent ones, and that no log line or error text carries the password.
#include "core/time_scale.h"
#include "net/httpmanager.h"
#include "log_capture.h"
#include "protocol/lectern_request.h"
#include "sim_http.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int kAnswerMs = 5000; // loopback answers come within milliseconds; this only bounds a failure
const QString kAddress = QStringLiteral("127.0.0.2");

QUrl url(const QString &action, const QString &user = QString(), const QString &password = QString())
{
    return lectern_request::camera_url(kAddress, user, password, action);
}

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
    void getAnswersText()
    {
        SimHttpService camera(kAddress);
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        HttpManager http;
        Spies spies(http);
        http.sendGetRequest(url(QStringLiteral("getfulltrack")));
        QTRY_COMPARE_WITH_TIMEOUT(spies.total(), 1, kAnswerMs);
        QCOMPARE(spies.text.count(), 1);
        const QString text = spies.text.first().first().toString();
        QVERIFY2(text.contains(QLatin1String("tracking.body_thresh=141\n")), qPrintable(text));

        // The first request goes without the login; the camera's challenge brings it.
        const QVector<SimHttpRequest> seen = camera.requests();
        QVERIFY(!seen.isEmpty());
        const SimHttpRequest &last = seen.last();
        QCOMPARE(last.method, QByteArray("GET"));
        QCOMPARE(last.target, QByteArray("/cgi-bin/param.cgi?getfulltrack"));
        QVERIFY(last.authorized);
        QCOMPARE(last.user, QStringLiteral("qetul"));
        QCOMPARE(last.header("Host"), QByteArray("127.0.0.2"));
    }

    void formPostGoesAsGiven()
    {
        SimHttpService camera(kAddress);
        QVERIFY(camera.start());
        HttpManager http;
        Spies spies(http);
        const QString body = lectern_request::server_body(QStringLiteral("1"), QStringLiteral("a&b"),
                                                          QStringLiteral("9999"), QStringLiteral("120"));
        http.sendPostRequest(url(QStringLiteral("postfulltrack2")), body);
        QTRY_COMPARE_WITH_TIMEOUT(spies.total(), 1, kAnswerMs);
        QCOMPARE(spies.text.count(), 1);
        QCOMPARE(spies.text.first().first().toString(), QStringLiteral("OK"));
        const SimHttpRequest last = camera.requests().last();
        QCOMPARE(last.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(last.body, body.toUtf8());
        QCOMPARE(camera.value(QStringLiteral("tracking.server_addr")), QStringLiteral("a&b"));
        QCOMPARE(camera.value(QStringLiteral("tracking.server_port")), QStringLiteral("9999"));
    }

    void jsonPostAnswersJson()
    {
        SimHttpService camera(kAddress);
        QVERIFY(camera.start());
        camera.setValue(QStringLiteral("tracking.server_addr"), QStringLiteral("10.9.9.9"));
        HttpManager http;
        Spies spies(http);
        http.sendJsonPostRequest(url(QStringLiteral("get_path")), lectern_request::track_conf_request());
        QTRY_COMPARE_WITH_TIMEOUT(spies.total(), 1, kAnswerMs);
        QCOMPARE(spies.json.count(), 1);
        const QJsonObject answer = spies.json.first().first().toJsonObject();
        QCOMPARE(answer.value(QStringLiteral("data")).toObject().value(QStringLiteral("tracking.server_addr")).toString(),
                 QStringLiteral("10.9.9.9"));
        const SimHttpRequest last = camera.requests().last();
        QCOMPARE(last.header("Content-Type"), QByteArray("application/json"));
        QCOMPARE(last.body, QByteArray("{\n    \"path\": \"/data/track.conf\"\n}\n"));
    }

    void failuresComeAsErrors_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("cameraRuns");
        QTest::newRow("refused login") << "getfulltrack" << "wrong" << true;
        QTest::newRow("unknown action") << "getall" << "" << true;
        QTest::newRow("no camera") << "getfulltrack" << "" << false;
    }
    void failuresComeAsErrors()
    {
        QFETCH(QString, action);
        QFETCH(QString, password);
        QFETCH(bool, cameraRuns);
        SimHttpService camera(kAddress);
        if (cameraRuns)
            QVERIFY(camera.start());
        HttpManager http;
        Spies spies(http);
        http.sendGetRequest(url(action, QString(), password));
        QTRY_COMPARE_WITH_TIMEOUT(spies.total(), 1, kAnswerMs);
        QCOMPARE(spies.error.count(), 1);
        QVERIFY(!spies.error.first().first().toString().isEmpty());
        QTest::qWait(100);
        QCOMPARE(spies.total(), 1);
    }

    // A camera that takes the request and never answers ends as an error after the transfer
    // time limit (10 s, here scaled down).
    void silentCameraTimesOut()
    {
        timescale::setFactor(0.02);
        SimHttpService camera(kAddress);
        QVERIFY(camera.start());
        camera.setFault(SimHttpFault::Silent);
        HttpManager http;
        Spies spies(http);
        QElapsedTimer clock;
        clock.start();
        http.sendGetRequest(url(QStringLiteral("getfulltrack")));
        QTRY_COMPARE_WITH_TIMEOUT(spies.error.count(), 1, kAnswerMs);
        QVERIFY(clock.elapsed() >= 150);
        QCOMPARE(spies.total(), 1);
        timescale::setFactor(1);
    }

    // The password reaches the camera as it is and never shows in a log line or an error text.
    void passwordStaysOutOfTheLog_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("cameraPassword");
        QTest::addColumn<QString>("action");
        QTest::newRow("accepted") << "S3cret@/#?x" << "S3cret@/#?x" << "getfulltrack";
        QTest::newRow("refused") << "S3cret@/#?x" << "other" << "getfulltrack";
        QTest::newRow("not found") << "S3cret@/#?x" << "S3cret@/#?x" << "nosuchaction";
    }
    void passwordStaysOutOfTheLog()
    {
        QFETCH(QString, password);
        QFETCH(QString, cameraPassword);
        QFETCH(QString, action);
        SimHttpService camera(kAddress);
        camera.setLogin(QStringLiteral("admin"), cameraPassword);
        QVERIFY(camera.start());
        LogCapture log;
        HttpManager http;
        Spies spies(http);
        http.sendGetRequest(url(action, QStringLiteral("admin"), password));
        http.sendPostRequest(url(action, QStringLiteral("admin"), password), QStringLiteral("tracking.preset=1"));
        QTRY_COMPARE_WITH_TIMEOUT(spies.total(), 2, kAnswerMs);
        bool sawLogin = false;
        for (const SimHttpRequest &r : camera.requests()) {
            if (r.hasLogin) {
                sawLogin = true;
                QCOMPARE(r.user, QStringLiteral("admin"));
                QCOMPARE(r.password, password);
            }
        }
        QVERIFY(sawLogin);
        QStringList texts = log.lines();
        for (const QList<QVariant> &e : spies.error)
            texts << e.first().toString();
        QVERIFY(log.count(QStringLiteral("Sending GET request to:")) == 1);
        QVERIFY(log.count(QStringLiteral("Sending POST request to:")) == 1);
        for (const QString &line : texts) {
            QVERIFY2(!line.contains(QLatin1String("S3cret")), qPrintable(line));
            QVERIFY2(!line.contains(QLatin1String("S3cret%40")), qPrintable(line));
        }
    }
};

QTEST_GUILESS_MAIN(tst_HttpManager)
#include "tst_http_manager.moc"
