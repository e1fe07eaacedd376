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
    void init()
    {
        QFile::remove(QStringLiteral("Corvane.log"));
        testenv::removeConfigIni();
    }

    void secondInstanceRefused()
    {
        QLockFile first(lockPath());
        QVERIFY(first.tryLock(0));
        RecordingPresenter boxes;
        QCOMPARE(run_application(*qApp), 1);
        QCOMPARE(boxes.shown.size(), 1);
        const msgbox::Request &box = boxes.shown.first();
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.title, QString());
        QCOMPARE(box.text, QStringLiteral("The application is already running.\n"
                                          "Allowed to run only one instance of the application."));
        // It wrote its own start entries before giving up, and created no window.
        const QString log = readLog();
        QVERIFY(log.contains(QStringLiteral("main start!!!")));
        QVERIFY(log.contains(QStringLiteral("QString path=")));
        QVERIFY(log.contains(QStringLiteral("bool isLock= false")));
        QVERIFY(!log.contains(QStringLiteral("program entry!!!")));
        QVERIFY(QFile::exists(lockPath())); // the first holder's lock is untouched
    }

    void startStates_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<bool>("mainShown");
        QTest::addColumn<bool>("wizardShown");
        QTest::newRow("state 1") << "[TEACHER_CONF]\nTracking_Guide_State=1\n" << true << false;
        QTest::newRow("state 0") << "[TEACHER_CONF]\nTracking_Guide_State=0\n" << false << true;
        QTest::newRow("no file") << QString() << false << true;
        QTest::newRow("unknown state") << "[TEACHER_CONF]\nTracking_Guide_State=7\n" << false << true;
    }

    void startStates()
    {
        QFETCH(QString, ini);
        QFETCH(bool, mainShown);
        QFETCH(bool, wizardShown);
        if (!ini.isEmpty())
            testenv::writeConfigIni(ini);
        RecordingPresenter boxes;
        bool lockHeld = false;
        bool sawMain = false;
        bool sawWizard = false;
        QTimer::singleShot(0, qApp, [&] {
            lockHeld = QFile::exists(lockPath());
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (qobject_cast<MainWindow *>(w))
                    sawMain = w->isVisible();
                if (qobject_cast<GuideConfig *>(w))
                    sawWizard = sawWizard || w->isVisible();
            }
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (qobject_cast<GuideConfig *>(w))
                    w->hide();
            }
            qApp->quit();
        });
        QCOMPARE(run_application(*qApp), 0);
        QVERIFY(lockHeld);
        QCOMPARE(sawMain, mainShown);
        QCOMPARE(sawWizard, wizardShown);
        QVERIFY(!QFile::exists(lockPath())); // released when the entry returns
        QVERIFY(boxes.shown.isEmpty());
        const QString log = readLog();
        QVERIFY(log.contains(QStringLiteral("main start!!!")));
        QVERIFY(log.contains(QStringLiteral("bool isLock= false")));
        QVERIFY(log.contains(QStringLiteral("MainWindow::startState:")));
        // Messages after the entry returned no longer reach the file.
        const int size = log.size();
        qDebug() << "after the entry";
        QCOMPARE(readLog().size(), size);
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<GuideConfig *>(w))
                delete w;
        }
    }

    void catalogueChoice_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("resource");
        QTest::newRow("Chinese") << int(QLocale::Chinese) << ":/trans/zh.qm";
        QTest::newRow("English") << int(QLocale::English) << ":/trans/en.qm";
        QTest::newRow("Japanese") << int(QLocale::Japanese) << ":/trans/ja.qm";
        QTest::newRow("Korean") << int(QLocale::Korean) << ":/trans/ko.qm";
        QTest::newRow("Indonesian") << int(QLocale::Indonesian) << ":/trans/id.qm";
        QTest::newRow("Thai") << int(QLocale::Thai) << ":/trans/th.qm";
        QTest::newRow("Arabic") << int(QLocale::Arabic) << ":/trans/ar.qm";
        QTest::newRow("Spanish") << int(QLocale::Spanish) << ":/trans/es.qm";
        QTest::newRow("German falls back") << int(QLocale::German) << ":/trans/en.qm";
    }

    void catalogueChoice()
    {
        QFETCH(int, language);
        QFETCH(QString, resource);
        QCOMPARE(catalogue_for_language(language), resource);
        QVERIFY2(QFile::exists(resource), "catalogue compiled into the resources");
    }
};

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
