// The decoder without a stream: frame pool, instance count, the FFmpeg log callback's warning
// box, and opens that fail.
#include "seams/message_box.h"
#include "log_capture.h"
#include "recording_presenter.h"
#include "video/decoder_choice.h"
#include "video/qffmpeg.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <memory>
#include <thread>

extern "C" {
#include <libavutil/log.h>
}

namespace {
// Records the thread each box is presented on besides what RecordingPresenter records.
class ThreadRecordingPresenter : public RecordingPresenter
{
public:
    QMessageBox::StandardButton present(const msgbox::Request &request) override
    {
        threads.append(QThread::currentThread());
        return RecordingPresenter::present(request);
    }
    QList<QThread *> threads;
};

void logAtLevel(int level, const char *message) { av_log(nullptr, level, "%s", message); }
} // namespace

class tst_QFFmpeg : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        gDecoderType = QStringLiteral("NONE");
        gHwAccelEnabled = false;
    }

    void framePoolKeepsAtMostTenAndEmptiesWithLastDecoder()
    {
        QCOMPARE(QFFmpeg::instances(), 0);
        QList<AVFrame *> frames;
        for (int i = 0; i < 12; ++i) {
            AVFrame *frame = QFFmpeg::acquireFrame();
            QVERIFY(frame);
            frames.append(frame);
        }
        for (AVFrame *frame : qAsConst(frames))
            QFFmpeg::releaseFrame(frame);
        QCOMPARE(QFFmpeg::framePoolSize(), QFFmpeg::kFramePoolLimit);
        QFFmpeg::releaseFrame(nullptr);
        QCOMPARE(QFFmpeg::framePoolSize(), QFFmpeg::kFramePoolLimit);

        // A frame taken from the pool is one of those given back, clean for reuse.
        AVFrame *reused = QFFmpeg::acquireFrame();
        QVERIFY(frames.contains(reused));
        QCOMPARE(reused->buf[0], nullptr);
        QCOMPARE(QFFmpeg::framePoolSize(), QFFmpeg::kFramePoolLimit - 1);
        QFFmpeg::releaseFrame(reused);

        {
            QFFmpeg a;
            QFFmpeg b;
            QCOMPARE(QFFmpeg::instances(), 2);
        }
        QCOMPARE(QFFmpeg::instances(), 0);
        QCOMPARE(QFFmpeg::framePoolSize(), 0);
    }

    void logCallbackShowsAlertOnGuiThread_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("fromWorker");
        QTest::addColumn<QString>("expectedText"); // empty: no box

        const QString auth = QStringLiteral("RTSP authentication failed. Please go to the web page and disable RTSP authentication.");
        const QString server = QStringLiteral("RTSP server error occurred. Please check if the streaming service is available.");
        QTest::newRow("401 on gui thread") << int(AV_LOG_ERROR) << QStringLiteral("method DESCRIBE failed: 401 Unauthorized") << false << auth;
        QTest::newRow("401 from worker") << int(AV_LOG_ERROR) << QStringLiteral("method DESCRIBE failed: 401 Unauthorized") << true << auth;
        QTest::newRow("5xx fatal from worker") << int(AV_LOG_FATAL) << QStringLiteral("5XX Server Error reply") << true << server;
        QTest::newRow("warning level ignored") << int(AV_LOG_WARNING) << QStringLiteral("401 Unauthorized") << false << QString();
        QTest::newRow("debug level ignored") << int(AV_LOG_DEBUG) << QStringLiteral("Server Error") << true << QString();
        QTest::newRow("other error ignored") << int(AV_LOG_ERROR) << QStringLiteral("method DESCRIBE failed: 404 Not Found") << false << QString();
    }

    void logCallbackShowsAlertOnGuiThread()
    {
        QFETCH(int, level);
        QFETCH(QString, message);
        QFETCH(bool, fromWorker);
        QFETCH(QString, expectedText);

        ThreadRecordingPresenter presenter;
        QFFmpeg decoder; // installs the callback
        const QByteArray bytes = message.toUtf8();
        if (fromWorker) {
            std::thread worker([&] { logAtLevel(level, bytes.constData()); });
            worker.join();
            // Never shown on the worker; it waits in the GUI thread's queue.
            QVERIFY(presenter.shown.isEmpty());
        } else {
            logAtLevel(level, bytes.constData());
        }
        QCoreApplication::processEvents();

        if (expectedText.isEmpty()) {
            QVERIFY(presenter.shown.isEmpty());
            return;
        }
        QCOMPARE(presenter.shown.size(), 1);
        const msgbox::Request &box = presenter.shown.first();
        QCOMPARE(box.text, expectedText);
        QCOMPARE(box.title, QStringLiteral("RTSP Connection Error"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.parent, nullptr);
        QCOMPARE(presenter.threads.first(), QCoreApplication::instance()->thread());
    }

    void oneBoxPerError()
    {
        ThreadRecordingPresenter presenter;
        QFFmpeg decoder;
        std::thread worker([] {
            for (int i = 0; i < 3; ++i)
                logAtLevel(AV_LOG_ERROR, "Server returned 4XX Client Error");
        });
        worker.join();
        QCoreApplication::processEvents();
        QCOMPARE(presenter.shown.size(), 3);
    }

    void failedInitIsCleanAndDestroyable_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("refused port") << QStringLiteral("rtsp://127.0.0.1:1/1");
        QTest::newRow("other loopback refused") << QStringLiteral("rtsp://127.0.0.2:554/2");
        QTest::newRow("no host") << QStringLiteral("rtsp://");
        QTest::newRow("empty") << QString();
        QTest::newRow("unknown scheme") << QStringLiteral("nosuchscheme://127.0.0.1/1");
    }

    void failedInitIsCleanAndDestroyable()
    {
        QFETCH(QString, url);
        LogCapture logs;
        RecordingPresenter presenter;
        {
            QFFmpeg decoder;
            decoder.url = url;
            QElapsedTimer clock;
            clock.start();
            QVERIFY(!decoder.Init());
            QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
            QVERIFY(logs.contains(QStringLiteral("QFFmpeg::Init failed:avformat_open_input failed")));

            // Stop on a decoder that never opened does the simple clean-up and does not wait.
            clock.restart();
            decoder.Stop();
            decoder.Stop();
            QVERIFY(clock.elapsed() < 100);
            QCOMPARE(logs.count(QStringLiteral("QFFmpeg::QFFmpeg was not properly initialized, performing simple cleanup")), 2);
            QVERIFY(!logs.contains(QStringLiteral("Waiting for Play loop")));
        }
        QCOMPARE(QFFmpeg::instances(), 0);
        QVERIFY(logs.contains(QStringLiteral("QFFmpeg::QFFmpeg destructor completed successfully")));
        // A codec context that never opened is neither flushed nor freed twice.
        QVERIFY(!logs.contains(QStringLiteral("QFFmpeg::Successfully freed codec context")));
        QVERIFY(presenter.shown.isEmpty());
    }

    void neverInitialisedDecoderIsDestroyable()
    {
        LogCapture logs;
        {
            QFFmpeg decoder;
        }
        QCOMPARE(QFFmpeg::instances(), 0);
        QVERIFY(logs.contains(QStringLiteral("QFFmpeg::Stopping playback before cleanup")));
        QVERIFY(logs.contains(QStringLiteral("Successfully closed format context")));
    }
};

QTEST_MAIN(tst_QFFmpeg)
#include "tst_qffmpeg.moc"
