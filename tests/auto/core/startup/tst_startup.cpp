// The entry function: one instance at a time, the window or the wizard by the stored start
// state, and a log file that no message reaches once the entry has returned.
#include "app_entry.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "test_env.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTimer>
#include <QtTest>

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
    void startStates_data()
    {
        QTest::addColumn<bool>("otherInstance"); // holds the lock
        QTest::addColumn<QString>("ini");
        QTest::addColumn<bool>("mainShown");
        QTest::addColumn<bool>("wizardShown");
        QTest::newRow("state 1") << false << "[TEACHER_CONF]\nTracking_Guide_State=1\n" << true << false;
        QTest::newRow("no file") << false << QString() << false << true;
        // Any other value is read as 0, so that the program never runs with no window.
        QTest::newRow("unknown state") << false << "[TEACHER_CONF]\nTracking_Guide_State=7\n" << false << true;
        QTest::newRow("second instance") << true << "[TEACHER_CONF]\nTracking_Guide_State=1\n" << false << false;
    }

    void startStates()
    {
        QFETCH(bool, otherInstance);
        QFETCH(QString, ini);
        QFETCH(bool, mainShown);
        QFETCH(bool, wizardShown);
        QFile::remove(QStringLiteral("Corvane.log"));
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
        if (!otherInstance) {
            QTimer::singleShot(0, qApp, [&] {
                lockHeld = QFile::exists(lockPath());
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    sawMain = sawMain || (qobject_cast<MainWindow *>(w) && w->isVisible());
                    sawWizard = sawWizard || (qobject_cast<GuideConfig *>(w) && w->isVisible());
                }
                qApp->quit();
            });
        }
        QCOMPARE(run_application(*qApp), otherInstance ? 1 : 0);
        QCOMPARE(lockHeld, !otherInstance);
        QCOMPARE(sawMain, mainShown);
        QCOMPARE(sawWizard, wizardShown);
        // Released when the entry returns; another holder's lock is left alone.
        QCOMPARE(QFile::exists(lockPath()), otherInstance);
        const QString log = readLog();
        QVERIFY(log.contains(QStringLiteral("main start!!!")));
        QVERIFY(log.contains(QStringLiteral("QString path=")));
        QVERIFY(log.contains(QStringLiteral("bool isLock= false")));
        QCOMPARE(log.contains(QStringLiteral("program entry!!!")), !otherInstance); // no window for a second one
        QCOMPARE(log.contains(QStringLiteral("MainWindow::startState:")), !otherInstance);
        if (otherInstance) {
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
};

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
