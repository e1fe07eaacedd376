#include "video/read_error_text.h"

#include <QtTest>

#include <cerrno>

extern "C" {
#include <libavutil/error.h>
}

class tst_ReadErrorText : public QObject
{
    Q_OBJECT

private slots:
    void classText_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const QString unknown =
            QStringLiteral("QFFmpeg: Unknown read error - possible device disconnection or network failure");
        QTest::newRow("eof") << AVERROR_EOF << QStringLiteral("QFFmpeg: Stream ended (EOF detected)");
        QTest::newRow("eio") << AVERROR(EIO)
                             << QStringLiteral("QFFmpeg: I/O error - possible device disconnection or network failure");
        QTest::newRow("econnreset") << AVERROR(ECONNRESET)
                                    << QStringLiteral("QFFmpeg: Connection reset by peer - network disconnection detected");
        QTest::newRow("econnaborted") << AVERROR(ECONNABORTED)
                                      << QStringLiteral("QFFmpeg: Connection aborted - network interruption detected");
        QTest::newRow("etimedout") << AVERROR(ETIMEDOUT)
                                   << QStringLiteral("QFFmpeg: Connection timeout - network or device issue");
        QTest::newRow("enotconn") << AVERROR(ENOTCONN)
                                  << QStringLiteral("QFFmpeg: Socket not connected - device or network disconnection");
        QTest::newRow("enetdown") << AVERROR(ENETDOWN)
                                  << QStringLiteral("QFFmpeg: Network is down - network disconnection detected");
        QTest::newRow("enetunreach") << AVERROR(ENETUNREACH)
                                     << QStringLiteral("QFFmpeg: Network unreachable - network connectivity issue");
        QTest::newRow("ehostunreach") << AVERROR(EHOSTUNREACH)
                                      << QStringLiteral("QFFmpeg: Host unreachable - device or network issue");
        // The watchdog's abort reaches the reader as AVERROR_EXIT.
        QTest::newRow("watchdog exit") << AVERROR_EXIT << unknown;
        QTest::newRow("invaliddata") << AVERROR_INVALIDDATA << unknown;
        QTest::newRow("econnrefused") << AVERROR(ECONNREFUSED) << unknown;
        QTest::newRow("positive errno") << EIO << unknown;
        QTest::newRow("zero") << 0 << unknown;
    }

    void classText()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(readErrorClassText(code), text);
    }
};

QTEST_APPLESS_MAIN(tst_ReadErrorText)
#include "tst_read_error_text.moc"
