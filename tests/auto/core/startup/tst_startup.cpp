// The entry function: one instance at a time, the window or the wizard by the stored start
// state, and a log file that no message reaches once the entry has returned.
#include "app_entry.h"
#include "detection/yolo.h"
#include "folder_faults.h"
#include "generated_model.h"
#include "guide/guideconfig.h"
#include "held_load.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "video/vlcwidget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <optional>

// The program's one detector, defined here in place of its own (media/detection/yolo_model.cpp,
// which the link then leaves out), so that its read can be held: built before main() as there,
// its model unread until modelReadBesideTheStart lets it go.
HeldLoad detectorRead;
YOLO yolo_model(detectorRead.hold());

namespace {
QString lockPath() { return QDir::temp().absoluteFilePath(QStringLiteral("Corvane.lock")); }

QString readLog()
{
    QFile f(QStringLiteral("Corvane.log"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { detectorRead.release(); }

    // The start shows its window while the detector still reads its model, and the model read
    // afterwards serves: the log says so once it is read.
    void modelReadBesideTheStart()
    {
        QVERIFY2(!yolo_model.loaded(), "the detector's read was let go before");
        QFile names(QStringLiteral("coco.names"));
        QVERIFY(names.open(QIODevice::WriteOnly) && names.write("screen\nboard\n") > 0);
        names.close();
        QVERIFY(generated_model::make(2, 3, {}));
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        QFile::remove(QStringLiteral("Corvane.log"));
        bool shownUnread = false;
        bool readAfterwards = false;
        QObject rowContext;
        QTimer::singleShot(0, &rowContext, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                shownUnread = shownUnread || (qobject_cast<MainWindow *>(w) && w->isVisible());
            shownUnread = shownUnread && !yolo_model.loaded();
            detectorRead.release();
            readAfterwards = QTest::qWaitFor([] { return yolo_model.loaded(); });
            qApp->quit();
        });
        QCOMPARE(run_application(*qApp), 0);
        QVERIFY(shownUnread);
        QVERIFY(readAfterwards);
        QVERIFY(yolo_model.has_model());
        const QString log = readLog();
        QVERIFY2(log.contains(QStringLiteral("YOLO: model ./Zerorod.onnx being read beside the start")), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("YOLO: model ./Zerorod.onnx loaded, 2 class names from coco.names")),
                 qPrintable(log));
    }

    void startStates_data()
    {
        QTest::addColumn<bool>("otherInstance"); // holds the lock
        QTest::addColumn<QString>("ini");
        QTest::addColumn<bool>("mainShown");
        QTest::addColumn<bool>("wizardShown");
        QTest::addColumn<QString>("tempFault"); // the temporary folder: read-only or full
        const QString one = QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n");
        QTest::newRow("state 1") << false << one << true << false << "";
        QTest::newRow("no file") << false << QString() << false << true << "";
        // Any other value is read as 0, so that the program never runs with no window.
        QTest::newRow("unknown state") << false << "[TEACHER_CONF]\nTracking_Guide_State=7\n" << false << true << "";
        QTest::newRow("second instance") << true << one << false << false << "";
        // No lock can be made: said with the system's reason, and no copy claimed to run.
        QTest::newRow("read-only temporary folder") << false << one << false << false << "read-only";
        QTest::newRow("full temporary folder") << false << one << false << false << "full";
        QTest::newRow("ended copy's lock, read-only folder") << false << one << false << false << "stale";
    }

    void startStates()
    {
        QFETCH(bool, otherInstance);
        QFETCH(QString, ini);
        QFETCH(bool, mainShown);
        QFETCH(bool, wizardShown);
        QFETCH(QString, tempFault);
        QFile::remove(QStringLiteral("Corvane.log"));
        const QByteArray tmp = qgetenv("TMPDIR");
        const QString faulty = QDir::temp().absoluteFilePath(QStringLiteral("faulty"));
        std::optional<ReadOnlyFolder> readOnly;
        std::optional<TinyFolder> tiny;
        if (!tempFault.isEmpty()) {
            QVERIFY(QDir().mkpath(faulty));
            QFile stale(faulty + QStringLiteral("/Corvane.lock")); // a process id no system hands out
            QVERIFY(tempFault != QLatin1String("stale") || (stale.open(QIODevice::WriteOnly) && stale.write("99999999\nx\n")));
            stale.close();
            const bool full = tempFault == QLatin1String("full");
            if (full ? !tiny.emplace(faulty, 8).ok() : !readOnly.emplace(faulty).ok())
                QSKIP(qPrintable(full ? tiny->why() : readOnly->why()));
            if (full)
                tiny->fillUp();
            qputenv("TMPDIR", QFile::encodeName(faulty));
        }
        const bool failed = otherInstance || !tempFault.isEmpty();
        if (ini.isEmpty())
            testenv::removeConfigIni();
        else
            testenv::writeConfigIni(ini);
        QLockFile first(lockPath());
        QVERIFY(!otherInstance || first.tryLock(0));
        RecordingPresenter boxes;
        bool lockHeld = false;
        bool sawMain = false;
        bool sawWizard = false;
        // A row whose entry refuses to start runs no event loop: its look must go with the row
        // rather than fire in a later one's loop, over this row's variables.
        QObject rowContext;
        if (!otherInstance) {
            QTimer::singleShot(0, &rowContext, [&] {
                lockHeld = QFile::exists(lockPath());
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    sawMain = sawMain || (qobject_cast<MainWindow *>(w) && w->isVisible());
                    sawWizard = sawWizard || (qobject_cast<GuideConfig *>(w) && w->isVisible());
                }
                qApp->quit();
            });
        }
        const int exitCode = run_application(*qApp);
        const QString badLock = lockPath();
        qputenv("TMPDIR", tmp);
        QCOMPARE(exitCode, failed ? 1 : 0);
        QCOMPARE(lockHeld, !failed);
        QCOMPARE(sawMain, mainShown);
        QCOMPARE(sawWizard, wizardShown);
        // Released when the entry returns; another holder's lock is left alone.
        QCOMPARE(QFile::exists(lockPath()), otherInstance);
        const QString log = readLog();
        QVERIFY(log.contains(QStringLiteral("main start!!!")));
        QVERIFY(log.contains(QStringLiteral("QString path=")));
        QVERIFY(log.contains(QStringLiteral("bool isLock= false")));
        QCOMPARE(log.contains(QStringLiteral("program entry!!!")), !failed); // no window for a second one
        QCOMPARE(log.contains(QStringLiteral("MainWindow::startState:")), !failed);
        if (!tempFault.isEmpty()) {
            QCOMPARE(boxes.shown.size(), 1);
            const QString reason = tiny ? "No space left on device" : "(Read-only file system|Permission denied)";
            QVERIFY2(QRegularExpression(QStringLiteral("^The lock file %1 cannot be created: %2.\nThe temporary folder "
                                                       "must exist, be writable and have free space.$")
                                            .arg(QRegularExpression::escape(badLock), reason))
                         .match(boxes.shown.first().text)
                         .hasMatch(),
                     qPrintable(boxes.shown.first().text));
            QVERIFY(log.contains(QStringLiteral("cannot be created:")));
        } else if (otherInstance) {
            QCOMPARE(boxes.shown.size(), 1);
            QCOMPARE(boxes.shown.first().icon, QMessageBox::Warning);
            QCOMPARE(boxes.shown.first().title, QString());
            QCOMPARE(boxes.shown.first().text, QStringLiteral("The application is already running.\n"
                                                              "Allowed to run only one instance of the application."));
        } else {
            QVERIFY(boxes.shown.isEmpty());
        }
        // Messages after the entry returned no longer reach the file.
        qDebug() << "after the entry";
        QCOMPARE(readLog(), log);
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<GuideConfig *>(w))
                delete w;
        }
    }

    // No lock can be taken in the temporary folder: said plainly, no window, exit code 1, and no
    // lock in the working folder. A folder or a FIFO with the lock's name is no copy that runs.
    void lockRefused_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("text"); // %1: the temporary folder
        QTest::newRow("folder named Corvane.lock")
            << "folder" << "The lock file %1/Corvane.lock cannot be created: a folder or something else that is not a "
                           "file has that name.\nRemove or rename it.";
        QTest::newRow("FIFO named Corvane.lock")
            << "fifo" << "The lock file %1/Corvane.lock cannot be created: a folder or something else that is not a "
                         "file has that name.\nRemove or rename it.";
        QTest::newRow("missing temporary folder")
            << "missing" << "The temporary folder %1 does not exist, so the lock file that keeps a second copy of the "
                            "tool from starting cannot be created.\nCreate the folder, or set the temporary folder to "
                            "one that exists.";
    }

    void lockRefused()
    {
        QFETCH(QString, fault);
        QFETCH(QString, text);
        QFile::remove(QStringLiteral("Corvane.log"));
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        const QByteArray tmp = qgetenv("TMPDIR");
        const QString temp = QDir::temp().absoluteFilePath(QStringLiteral("refused"));
        QDir(temp).removeRecursively();
        std::optional<FifoInPlace> pipe;
        if (fault == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(temp + QStringLiteral("/Corvane.lock")));
        else if (fault == QLatin1String("fifo"))
            QVERIFY(QDir().mkpath(temp) && pipe.emplace(temp + QStringLiteral("/Corvane.lock")).ok());
        qputenv("TMPDIR", QFile::encodeName(temp));
        RecordingPresenter boxes;
        QTimer guard; // ends a start that went on to the window
        connect(&guard, &QTimer::timeout, qApp, &QCoreApplication::quit);
        guard.start(0);
        const int exitCode = run_application(*qApp);
        qputenv("TMPDIR", tmp);
        QCOMPARE(exitCode, 1);
        QCOMPARE(boxes.texts(), QStringList{text.arg(temp)});
        QCOMPARE(boxes.shown.first().icon, QMessageBox::Warning);
        QVERIFY(!QFile::exists(QStringLiteral("Corvane.lock")));
        QCOMPARE(pipe ? pipe->reads() : 0, 0);
        const QString log = readLog();
        QVERIFY(!log.contains(QStringLiteral("program entry!!!")));
        QVERIFY(log.contains(fault == QLatin1String("missing") ? "does not exist" : "something that is no file"));
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<GuideConfig *>(w))
                delete w;
        }
        pipe.reset();
        QDir(temp).removeRecursively();
    }

    // Libraries that only a later action needs are not loaded by the time the window shows: FFmpeg
    // (the first connect's open loads it), libVLC (the first preview's start), OpenCV's image file
    // module (GDAL, GDCM ...; picture files go through Qt) and the network bearer plugins with
    // D-Bus (the lectern page's first request makes the HTTP client). The detector's modules are,
    // as it is built before main().
    void onlyWhatTheStartNeeds_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("FFmpeg's formats") << "/libavformat.so" << false;
        QTest::newRow("FFmpeg's codecs") << "/libavcodec.so" << false;
        QTest::newRow("libVLC") << "/libvlc.so" << false;
        QTest::newRow("libVLC's core") << "/libvlccore.so" << false;
        QTest::newRow("OpenCV's image files") << "/libopencv_imgcodecs.so" << false;
        QTest::newRow("GDAL") << "/libgdal.so" << false;
        QTest::newRow("network bearer plugins") << "/bearer/" << false;
        QTest::newRow("D-Bus") << "/libQt5DBus.so" << false;
        QTest::newRow("the detector's network module") << "/libopencv_dnn.so" << true;
    }
    void onlyWhatTheStartNeeds()
    {
        QFETCH(QString, library);
        QFETCH(bool, loaded);
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        QString mapped;
        QObject rowContext;
        QTimer::singleShot(0, &rowContext, [&] {
            mapped = testenv::mappedFiles();
            qApp->quit();
        });
        QCOMPARE(run_application(*qApp), 0);
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<GuideConfig *>(w))
                delete w;
        }
        QVERIFY(mapped.contains(QStringLiteral("/libQt5Widgets.so")));
        QCOMPARE(mapped.contains(library), loaded);
    }

    // A start into the main window builds no wizard: its form and its fourteen preview players
    // are made when the installer first goes to it. A start that shows the wizard builds it.
    void wizardBuiltWhenFirstNeeded_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<int>("wizards");
        QTest::addColumn<int>("players");
        QTest::newRow("wizard done") << "[TEACHER_CONF]\nTracking_Guide_State=1\n" << 0 << 0;
        QTest::newRow("wizard not done") << "[TEACHER_CONF]\nTracking_Guide_State=0\n" << 1 << 14;
    }
    void wizardBuiltWhenFirstNeeded()
    {
        QFETCH(QString, ini);
        QFETCH(int, wizards);
        QFETCH(int, players);
        testenv::writeConfigIni(ini);
        int wizardsBuilt = -1;
        int playersBuilt = -1;
        QObject rowContext;
        QTimer::singleShot(0, &rowContext, [&] {
            wizardsBuilt = playersBuilt = 0;
            for (QWidget *w : QApplication::topLevelWidgets()) {
                wizardsBuilt += qobject_cast<GuideConfig *>(w) ? 1 : 0;
                playersBuilt += w->findChildren<VlcWidget *>().size();
            }
            qApp->quit();
        });
        QCOMPARE(run_application(*qApp), 0);
        QCOMPARE(wizardsBuilt, wizards);
        QCOMPARE(playersBuilt, players);
    }

    // Work that only an opened page needs waits until the page is first shown: laying out the
    // Upgrade tab's Search page and the recorder password's dots each look through every
    // fallback font of the system for a character the form's fonts lack.
    void hiddenPagesWaitToBeShown_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("unfold");
        QTest::addColumn<QString>("work");
        QTest::newRow("Search page laid out") << "tab_6" << "" << "layout";
        QTest::newRow("device list headers") << "tab_6" << "" << "headers";
        QTest::newRow("password dots") << "tab_16" << "recorder_show_param_pushButton" << "dots";
    }
    void hiddenPagesWaitToBeShown()
    {
        QFETCH(QString, page);
        QFETCH(QString, unfold);
        QFETCH(QString, work);
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        bool doneAtStart = true;
        bool doneOnceShown = false;
        int searchIndex = -1;
        QObject rowContext;
        QTimer::singleShot(0, &rowContext, [&] {
            MainWindow *window = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                window = window ? window : qobject_cast<MainWindow *>(w);
            auto *tabs = window ? window->findChild<QTabWidget *>(QStringLiteral("tabWidget")) : nullptr;
            auto *count = window ? window->findChild<QLabel *>(QStringLiteral("label_62")) : nullptr;
            auto *password = window ? window->findChild<QLineEdit *>(QStringLiteral("recorder_password_Edit")) : nullptr;
            auto *upgradeTabs = window ? window->findChild<QTabWidget *>(QStringLiteral("upgrade_tabWidget")) : nullptr;
            auto *list = window ? window->findChild<QTreeWidget *>(QStringLiteral("searchTreeWidget")) : nullptr;
            if (!tabs || !count || !password || !upgradeTabs || !list) {
                qApp->quit();
                return;
            }
            // The page's layout gives the device count the width of its text; the device list's
            // columns are as wide as their headers; a password field shows dots.
            auto done = [&] {
                if (work == QLatin1String("layout"))
                    return count->width() >= count->sizeHint().width();
                if (work == QLatin1String("dots"))
                    return password->echoMode() == QLineEdit::Password;
                const QHeaderView *header = list->header();
                for (int column = 0; column < header->count(); ++column) {
                    if (header->sectionSize(column) < header->sectionSizeHint(column))
                        return false;
                }
                return true;
            };
            doneAtStart = done();
            searchIndex = upgradeTabs->currentIndex();
            tabs->setCurrentWidget(window->findChild<QWidget *>(page));
            if (!unfold.isEmpty())
                window->findChild<QPushButton *>(unfold)->click();
            QCoreApplication::processEvents();
            doneOnceShown = done();
            qApp->quit();
        });
        QCOMPARE(run_application(*qApp), 0);
        QCOMPARE(searchIndex, 0);
        QVERIFY(!doneAtStart);
        QVERIFY(doneOnceShown);
    }
};

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
