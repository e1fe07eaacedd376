#include "video/rtsp_log_alert.h"

#include <QtTest>

class tst_RtspLogAlert : public QObject
{
    Q_OBJECT

private slots:
    void alertFor_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("logLine"); // empty: no alert

        const QString auth = QStringLiteral("QFFmpeg ff_log_callback: 401 Unauthorized detected.");
        const QString client = QStringLiteral("QFFmpeg ff_log_callback: 4XX Client Error detected.");
        const QString server = QStringLiteral("QFFmpeg ff_log_callback: 5XX Server Error detected.");

        QTest::newRow("describe 401") << QStringLiteral("method DESCRIBE failed: 401 Unauthorized\n") << auth;
        QTest::newRow("401 and client error") << QStringLiteral("401 Unauthorized (4XX Client Error)") << auth;
        QTest::newRow("4xx") << QStringLiteral("Server returned 4XX Client Error, but not one of 40{0,1,3,4}")
                             << client;
        QTest::newRow("client error") << QStringLiteral("HTTP Client Error") << client;
        QTest::newRow("client before server") << QStringLiteral("Client Error then Server Error") << client;
        QTest::newRow("5xx") << QStringLiteral("Server returned 5XX Server Error reply") << server;
        QTest::newRow("server error") << QStringLiteral("Server Error") << server;
        QTest::newRow("404") << QStringLiteral("method DESCRIBE failed: 404 Not Found") << QString();
        QTest::newRow("refused") << QStringLiteral("Connection to tcp://127.0.0.1:1 failed: Connection refused")
                                 << QString();
        QTest::newRow("case differs") << QStringLiteral("401 unauthorized, client error") << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void alertFor()
    {
        QFETCH(QString, message);
        QFETCH(QString, logLine);
        RtspLogAlert alert;
        const bool matched = rtspLogAlertFor(message, &alert);
        QCOMPARE(matched, !logLine.isEmpty());
        if (!matched)
            return;
        QCOMPARE(alert.logLine, logLine);
        // Each class has its own instruction for the installer.
        if (logLine.contains(QLatin1String("401")))
            QCOMPARE(alert.warningText, QStringLiteral("RTSP authentication failed. Please go to the web page and disable RTSP authentication."));
        else if (logLine.contains(QLatin1String("4XX")))
            QCOMPARE(alert.warningText, QStringLiteral("RTSP client error occurred. Please check the URL format and network connectivity."));
        else
            QCOMPARE(alert.warningText, QStringLiteral("RTSP server error occurred. Please check if the streaming service is available."));
    }
};

QTEST_APPLESS_MAIN(tst_RtspLogAlert)
#include "tst_rtsp_log_alert.moc"
