// Closing the whole window: the exit and Wizard Config questions with their answers, the manual
// director console's exit, a settings file that cannot be written, a close during the closing,
// and a new start after an exit. The teacher camera is simulated on 127.0.0.2, with its picture
// and the free preview's.
#include "app_entry.h"
#include "core/reachability.h"
#include "core/time_scale.h"
#include "dialogs/manual_direct.h"
#include "folder_faults.h"
#include "guide/guideconfig.h"
#include "recording_presenter.h"
#include "rtsp/rtsp_server_process.h"
#include "settings/settings_path.h"
#include "sim_camera.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "window_holder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QtTest>

#include <optional>

namespace {
constexpr int kWaitMs = 15000; // bounds a thread's end or an event loop's on a busy machine
const QString kCamera = QStringLiteral("127.0.0.2");
// No wizard state: the wizard shows at start, so a "1" in the file is the save's own.
const QString kIni = QStringLiteral("[TEACHER_CONF]\nTracking_Number_Camera=3\nFeature_IP=10.0.0.1\n");
const QString kExit = QStringLiteral("Do you really want to exit?");
const QString kWizard = QStringLiteral("Enter the wizard configuration,other operations will be interrupted!");
const QString kUnsaved = QStringLiteral("The settings could not be written to %1. The previous file is kept, without "
                                        "the changes made since.\nLeave anyway (OK) or stay with the cameras "
                                        "connected (Cancel)?");
const QString kKept = QStringLiteral("The settings were not written: %1 could not be read at start, or was cut short, "
                                     "and could not be moved aside; it is kept as it was found, so that nothing in it "
                                     "is lost. Move or remove it to save the settings.\nLeave anyway (OK) or stay with "
                                     "the cameras connected (Cancel)?");

QByteArray fileBytes()
{
    QFile f(settings_file_path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_Closing : public QObject
{
    Q_OBJECT

    SimCamera camera{kCamera};
    RtspServerProcess server;

    // As the wizard's completion leaves the window, with the teacher feature camera and the free
    // preview connected, on the Student tab.
    void open(WindowHolder &w)
    {
        w.build(kIni);
        w->show();
        topLevel<GuideConfig>()->hide();
        w.widget<QLineEdit>("teacher_feature_IP_Edit")->setText(kCamera);
        w.widget<QPushButton>("teacher_feature_connect_Button")->click();
        w.widget<QLineEdit>("txtUrl")->setText(kCamera);
        w.widget<QLineEdit>("txtPort")->setText(QStringLiteral("554"));
        w.widget<QPushButton>("rtsp_connect_Button")->click();
        w.widget<QTabWidget>("tabWidget")->setCurrentIndex(1);
        verifyConnected(w, true);
    }
    // Buttons, pictures (a decoder goes only once its thread has ended) and the control link.
    void verifyConnected(WindowHolder &w, bool connected)
    {
        const QString button = connected ? QStringLiteral("Disconnect") : QStringLiteral("Connect");
        QCOMPARE(w.widget<QPushButton>("teacher_feature_connect_Button")->text(), button);
        QCOMPARE(w.widget<QPushButton>("rtsp_connect_Button")->text(), button);
        QTRY_COMPARE_WITH_TIMEOUT(QFFmpeg::instances(), connected ? 2 : 0, kWaitMs);
        QCOMPARE(rtsp_stream::pendingCount(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(camera.tcpLinkCount(), connected ? 1 : 0, kWaitMs);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
        RtspServerProcess::Options options;
        options.address = kCamera;
        options.port = 554;
        options.size = QSize(320, 180);
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
        reachability::setCheck([](const QString &) { return true; });
        // The connect's waits; its 500 ms port probe keeps 125 ms, which AddressSanitizer needs.
        timescale::setFactor(0.25);
    }

    // Cancel keeps the window, its connections and the file, on its tab (the Teacher tab after
    // Wizard Config). OK writes the file whole, the wizard done, and lets every camera, picture
    // and link go (Wizard Config then shows the wizard). A write that fails is asked about
    // before anything lets go, and the old file stays whatever the answer.
    void roads_data()
    {
        QTest::addColumn<bool>("wizardTab");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QList<int>>("answers"); // the question's, then the failed write's
        const int ok = QMessageBox::Ok;
        const int cancel = QMessageBox::Cancel;
        QTest::newRow("close button, Cancel") << false << true << QList<int>{cancel};
        QTest::newRow("close button, OK") << false << true << QList<int>{ok};
        QTest::newRow("Wizard Config, Cancel") << true << true << QList<int>{cancel};
        QTest::newRow("Wizard Config, OK") << true << true << QList<int>{ok};
        QTest::newRow("not written, stay") << false << false << QList<int>{ok, cancel};
        QTest::newRow("not written, leave anyway") << false << false << QList<int>{ok, ok};
        QTest::newRow("Wizard Config, not written, stay") << true << false << QList<int>{ok, cancel};
    }
    void roads()
    {
        QFETCH(bool, wizardTab);
        QFETCH(bool, writable);
        QFETCH(QList<int>, answers);
        RecordingPresenter boxes;
        WindowHolder w;
        open(w);
        const QByteArray before = fileBytes();
        std::optional<ReadOnlyFolder> readOnly;
        if (!writable) {
            readOnly.emplace(QFileInfo(settings_file_path()).absolutePath());
            if (!readOnly->ok())
                QSKIP(qPrintable(QStringLiteral("cannot make the folder read-only here: %1").arg(readOnly->why())));
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("save_config failed")));
        }
        boxes.clear();
        for (int answer : answers)
            boxes.answerNext(QMessageBox::StandardButton(answer));
        if (wizardTab)
            w.widget<QTabWidget>("tabWidget")->setCurrentIndex(5);
        else
            w->close();

        QStringList texts{wizardTab ? kWizard : kExit};
        if (!writable)
            texts << kUnsaved.arg(QDir::toNativeSeparators(settings_file_path()));
        QCOMPARE(boxes.texts(), texts);
        QCOMPARE(boxes.shown.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(boxes.shown.last().defaultButton, writable ? QMessageBox::NoButton : QMessageBox::Cancel);
        const bool closes = answers.last() == QMessageBox::Ok;
        QCOMPARE(w->isVisible(), !closes);
        QCOMPARE(topLevel<GuideConfig>()->isVisible(), closes && wizardTab);
        verifyConnected(w, !closes);
        if (!closes)
            QCOMPARE(w.widget<QTabWidget>("tabWidget")->currentIndex(), wizardTab ? 0 : 1);
        if (closes && writable) {
            QSettings saved(settings_file_path(), QSettings::IniFormat);
            QCOMPARE(saved.value(QStringLiteral("TEACHER_CONF/Tracking_Guide_State")).toString(), QStringLiteral("1"));
            QCOMPARE(saved.value(QStringLiteral("TEACHER_CONF/Feature_IP")).toString(), kCamera);
        } else {
            QCOMPARE(fileBytes(), before);
        }
    }

    // A reversal compensation under way when the window closes or hands over to the wizard ends
    // there: the close-up camera leaves its measuring mode before it lets go, and no box tells
    // of the disconnect.
    void compensationStopped_data()
    {
        QTest::addColumn<bool>("wizardTab");
        QTest::newRow("close button, OK") << false;
        QTest::newRow("Wizard Config, OK") << true;
    }
    void compensationStopped()
    {
        QFETCH(bool, wizardTab);
        RecordingPresenter boxes;
        WindowHolder w;
        open(w);
        boxes.clear();
        boxes.answerNext(QMessageBox::Ok);
        camera.clearRecords();
        // In the run's first wait, right after it put the camera into its measuring mode.
        QTimer::singleShot(0, w.window.get(), [&w, wizardTab] {
            wizardTab ? w.widget<QTabWidget>("tabWidget")->setCurrentIndex(5) : void(w->close());
        });
        w.widget<QPushButton>("teacher_tilt_compensation_pushButton")->click();
        QCOMPARE(boxes.texts(), QStringList{wizardTab ? kWizard : kExit});
        verifyConnected(w, false);
        QByteArrayList modes;
        for (const SimMessage &m : camera.received())
            if (m.isVisca() && m.payload.startsWith(QByteArray::fromHex("81030607")))
                modes << m.payload.toHex(' ').toUpper();
        QCOMPARE(modes, (QByteArrayList{"81 03 06 07 02 FF", "81 03 06 07 01 FF"}));
    }

    // A file that could not be read at start and could not be moved aside is kept and never
    // written over: the close says so rather than that a write failed, and asks the same
    // question. A FIFO kept in place is never read again (no read of one comes back).
    void keptUnreadableFile_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<int>("answer"); // to the question after the exit's
        QTest::newRow("unreadable file kept, stay") << false << int(QMessageBox::Cancel);
        QTest::newRow("unreadable file kept, leave anyway") << false << int(QMessageBox::Ok);
        QTest::newRow("FIFO kept, stay") << true << int(QMessageBox::Cancel);
    }
    void keptUnreadableFile()
    {
        QFETCH(bool, fifo);
        QFETCH(int, answer);
        testenv::removeConfigIni();
        const QString path = settings_file_path();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        std::optional<FifoInPlace> pipe;
        if (fifo)
            QVERIFY(pipe.emplace(path).ok());
        else
            testenv::writeConfigIniRaw("[OTHER]\nT_UDP_Port=30003\n");
        const QByteArray before = fifo ? QByteArray() : fileBytes();
        ReadOnlyFolder readOnly(QFileInfo(path).absolutePath());
        if (!readOnly.ok())
            QSKIP(qPrintable(readOnly.why()));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("cannot be moved")));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("save_config failed")));
        RecordingPresenter boxes;
        WindowHolder w;
        w.open();
        w->show();
        boxes.answerNext(QMessageBox::Ok); // the exit question
        boxes.answerNext(QMessageBox::StandardButton(answer));
        w->close();
        QCOMPARE(boxes.texts().mid(1), (QStringList{kExit, kKept.arg(QDir::toNativeSeparators(path))}));
        QCOMPARE(w->isVisible(), answer != QMessageBox::Ok);
        QCOMPARE(pipe ? pipe->reads() : 0, 0);
        if (!fifo)
            QCOMPARE(fileBytes(), before);
    }

    // The manual director console's exit: the console asks, lets its cameras go and tells the
    // window, which closes without a question of its own, the settings written and every camera
    // and picture let go (the console took the window's cameras when it opened).
    void directorRoad()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        open(w);
        boxes.clear();
        QTimer look;
        connect(&look, &QTimer::timeout, this, [&look] {
            auto *console = topLevel<manual_direct>();
            if (!console || !console->isVisible() || QFFmpeg::instances() > 1)
                return; // the window's teacher camera is still letting go; the free preview plays on
            look.stop();
            console->close();
        });
        look.start(10);
        w.widget<QPushButton>("manual_director_button")->click();
        QVERIFY(!look.isActive());
        QCOMPARE(boxes.texts(), (QStringList{"Enter the manual director,other operations will be interrupted!", kExit}));
        QVERIFY(!w->isVisible());
        QCOMPARE(topLevel<manual_direct>(), nullptr);
        verifyConnected(w, false);
        QSettings saved(settings_file_path(), QSettings::IniFormat);
        QCOMPARE(saved.value(QStringLiteral("TEACHER_CONF/Tracking_Guide_State")).toString(), QStringLiteral("1"));
    }

    // A close that comes while the cameras let go (their waits handle events) is refused, and
    // the Wizard Config request that brought it does not steer the next close.
    void closeDuringClosing()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        open(w);
        boxes.clear();
        QTimer::singleShot(0, w.window.get(), [&w] { w.widget<QTabWidget>("tabWidget")->setCurrentIndex(5); });
        w->close();
        verifyConnected(w, false);
        w->show();
        boxes.answerNext(QMessageBox::Cancel);
        w->close();
        QCOMPARE(boxes.texts(), (QStringList{kExit, kExit}));
    }

    // An exit while a camera's picture opens on a silent port: the close cancels the open, the
    // connect lets go, and only then the event loop ends and the window goes; far before the
    // open's 5 s watchdog.
    void exitWhileOpening()
    {
        testenv::writeConfigIni(kIni);
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress(QStringLiteral("127.0.0.3")), 554));
        RecordingPresenter boxes;
        QTimer::singleShot(0, qApp, [] {
            auto *w = topLevel<MainWindow>();
            w->show();
            topLevel<GuideConfig>()->hide();
            QTimer::singleShot(200, w, &QWidget::close);
            w->findChild<QLineEdit *>(QStringLiteral("teacher_feature_IP_Edit"))->setText(QStringLiteral("127.0.0.3"));
            w->findChild<QPushButton *>(QStringLiteral("teacher_feature_connect_Button"))->click();
        });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(run_application(*qApp), 0);
        QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(boxes.texts(), QStringList{kExit});
        QCOMPARE(QFFmpeg::instances(), 0);
        QCOMPARE(rtsp_stream::pendingCount(), 0);
    }

    // After an exit the lock is gone and the next start comes up at once, in the main window.
    void newStartAfterExit()
    {
        testenv::writeConfigIni(kIni);
        RecordingPresenter boxes;
        QTimer guard; // ends a start that the close did not end
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, &QCoreApplication::quit);
        guard.start(kWaitMs);
        QTimer::singleShot(0, qApp, [] {
            topLevel<MainWindow>()->show(); // as the wizard's completion shows it
            topLevel<GuideConfig>()->hide();
            topLevel<MainWindow>()->close();
        });
        QCOMPARE(run_application(*qApp), 0);
        QVERIFY(guard.isActive());
        QCOMPARE(boxes.texts(), QStringList{kExit});
        bool mainShown = false;
        QTimer::singleShot(0, qApp, [&] {
            const GuideConfig *wizard = topLevel<GuideConfig>();
            mainShown = topLevel<MainWindow>()->isVisible() && (!wizard || !wizard->isVisible());
            qApp->quit();
        });
        QCOMPARE(run_application(*qApp), 0);
        QVERIFY(mainShown);
    }
};

QTEST_MAIN(tst_Closing)
#include "tst_closing.moc"
