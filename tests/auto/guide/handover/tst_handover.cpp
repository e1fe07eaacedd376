// The wizard and the main window in one run, as the installer meets them: a first run without a
// settings file (the wizard, then the main window with what it stored), a second start in a
// child process, the Wizard Config road to the real wizard and back, the wizard's text replies
// that come to the hidden window's reply socket, the wizard's close button, and a start state
// that nothing writes.
#include "app_entry.h"
#include "core/reachability.h"
#include "guide/guideconfig.h"
#include "shared_scene.h"
#include "recording_presenter.h"
#include "settings/settings_path.h"
#include "sim_camera.h"
#include "sim_message.h"
#include "window_holder.h"

#include <QComboBox>
#include <QDir>
#include <QCheckBox>
#include <QLineEdit>
#include <QHostAddress>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

namespace {
constexpr int kWaitMs = 15000; // bounds a run of the event loop on a busy machine
const QString kFinish = QStringLiteral("Config is complete. Do you want to go to the home page now?");
const QString kExitWizard = QStringLiteral("Exiting the wizard configuration,other operations will be interrupted!");

template <class T = QWidget>
T *child(QWidget *root, const char *name)
{
    return root->findChild<T *>(QLatin1String(name));
}

// With CORVANE_SHOT_DIR set (a run under Xvfb) the window is saved there as it shows.
void shot(QWidget *window, const char *name)
{
    const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
    if (dir.isEmpty())
        return;
    QCoreApplication::processEvents();
    window->grab().save(QDir(dir).filePath(QLatin1String(name)));
}

QString stored(const QString &key)
{
    return QSettings(settings_file_path(), QSettings::IniFormat).value(key).toString();
}

// Runs the application with the work queued into its event loop; the work quits it (a guard
// ends a run the work did not end). False when the guard had to.
bool runWith(const std::function<void()> &work)
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, &QCoreApplication::quit);
    guard.start(kWaitMs);
    QTimer::singleShot(0, qApp, work);
    run_application(*qApp);
    return guard.isActive();
}

// The director step by a click in the wizard's list, then its Apply.
void finishByApply(GuideConfig *wizard)
{
    auto *tree = child<QTreeWidget>(wizard, "treeWidget");
    QTreeWidgetItem *director = tree->topLevelItem(3)->child(0);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(director).center());
    child<QPushButton>(child(wizard, "bottom_step13"), "apply")->click();
}
} // namespace

class tst_Handover : public QObject
{
    Q_OBJECT

    RecordingPresenter boxes;

private slots:
    void init()
    {
        msgbox::setPresenter(&boxes);
        boxes.clear();
        boxes.answers.clear();
        reachability::setCheck([](const QString &) { return true; });
    }

    // No settings file: the wizard shows alone. The installer picks four cameras, types their
    // addresses, sets options of the advanced steps and finishes; the main window comes up with
    // the addresses and the layout, the file says the wizard is done, and the window's own save
    // keeps what the wizard stored.
    void firstRun()
    {
        testenv::removeConfigIni();
        bool wizardAlone = false;
        QStringList windowFields;
        int windowLayout = -1;
        bool mainShown = false;
        bool wizardHidden = false;
        QVERIFY(runWith([&] {
            auto *main = topLevel<MainWindow>();
            auto *wizard = topLevel<GuideConfig>();
            wizardAlone = wizard->isVisible() && !main->isVisible();
            shot(wizard, "wizard-first-run-start.png");
            child<QComboBox>(wizard, "teacher_choose_camera_comboBox")->setCurrentIndex(1);
            const char *fields[] = {"teacher_feature_ip_lineEdit", "teacher_pano_ip_lineEdit", "student_feature_ip_lineEdit",
                                    "student_pano_ip_lineEdit"};
            for (int i = 0; i < 4; ++i)
                child<QLineEdit>(wizard, fields[i])->setText(QStringLiteral("127.0.0.%1").arg(81 + i));
            child<QComboBox>(wizard, "target_lost_action_comboBox")->setCurrentIndex(3); // "Student pano"
            child<QComboBox>(wizard, "multi_objective_action_comboBox")->setCurrentIndex(1);
            child<QCheckBox>(wizard, "teacher_starting_up_checkBox")->setChecked(true);
            child<QCheckBox>(wizard, "student_face_detect_checkBox")->setChecked(true);
            auto *lost = child<QSlider>(wizard, "teacher_target_lost_timeout_Slider");
            lost->setValue(lost->maximum());
            shot(wizard, "wizard-first-run-cameras.png");
            boxes.answerNext(QMessageBox::Ok);
            finishByApply(wizard);
            mainShown = main->isVisible();
            shot(main, "wizard-first-run-main-window.png");
            wizardHidden = !wizard->isVisible();
            for (const char *f : {"teacher_feature_IP_Edit", "teacher_pano_IP_Edit", "student_feature_IP_Edit",
                                  "student_pano_IP_Edit"})
                windowFields << child<QLineEdit>(main, f)->text();
            windowLayout = child<QComboBox>(main, "choose_camera_comboBox")->currentIndex();
            QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Tracking_Guide_State")), QStringLiteral("1"));
            // The window rewrites the whole file from its values, as its exit does.
            main->save_config();
            qApp->quit();
        }));
        QVERIFY(wizardAlone);
        // The finish sends the director block from the director step, which asks for the teacher
        // pano camera none was connected.
        QCOMPARE(boxes.texts(), (QStringList{kFinish, QStringLiteral("Please connect the teacher pano camera")}));
        QVERIFY(mainShown);
        QVERIFY(wizardHidden);
        QCOMPARE(windowFields, (QStringList{"127.0.0.81", "127.0.0.82", "127.0.0.83", "127.0.0.84"}));
        QCOMPARE(windowLayout, 1);
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Tracking_Guide_State")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Tracking_Number_Camera")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Tracking_Mode")), QStringLiteral("2"));
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Target_Lost_Action")), QStringLiteral("11"));
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Multi_Objective_Action")), QStringLiteral("2"));
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Starting_Up_Track")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("STUDENT_CONF/Face_Detect")), QStringLiteral("1"));
        QVERIFY(stored(QStringLiteral("TEACHER_CONF/Target_Lost_Timeout_Index")).toInt() > 0);

        // The second start, in a process of its own: the main window at once.
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CORVANE_HANDOVER_CHILD"), QStringLiteral("1"));
        second.setProcessEnvironment(env);
        second.start(QCoreApplication::applicationFilePath(), {QStringLiteral("secondStart")});
        QVERIFY(second.waitForFinished(kWaitMs));
        const QByteArray out = second.readAllStandardOutput();
        QVERIFY2(second.exitCode() == 0 && out.contains("PASS   : tst_Handover::secondStart()"), out.constData());
    }
    // The child of firstRun.
    void secondStart()
    {
        if (qEnvironmentVariableIsEmpty("CORVANE_HANDOVER_CHILD"))
            QSKIP("started by firstRun");
        bool mainAlone = false;
        QVERIFY(runWith([&] {
            // The wizard is not even built until the installer asks for it.
            mainAlone = topLevel<MainWindow>()->isVisible() && !topLevel<GuideConfig>();
            qApp->quit();
        }));
        QVERIFY(mainAlone);
    }

    // Wizard Config, OK: the window hides and the wizard shows on its first step with its exit
    // panel; a camera's text answer to the wizard's datagram reaches the wizard through the hidden
    // window's reply socket; the wizard's exit brings the window back.
    void wizardRoad()
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=0\n"
                                               "Feature_IP=127.0.0.91\n"));
        SimCamera camera(QStringLiteral("127.0.0.91"));
        SimPorts ports;
        ports.tcp = 16793; // no TCP link: the wizard's command goes by datagram
        QVERIFY(camera.setPorts(ports));
        QVERIFY(camera.start());
        bool wizardOnFirstStep = false;
        bool mainHidden = false;
        int replies = 0;
        bool mainBack = false;
        QVERIFY(runWith([&] {
            auto *main = topLevel<MainWindow>();
            boxes.answerNext(QMessageBox::Ok);
            child<QTabWidget>(main, "tabWidget")->setCurrentIndex(4); // Wizard Config of seven tabs
            mainHidden = !main->isVisible();
            // Built by the road itself.
            auto *wizard = topLevel<GuideConfig>();
            QVERIFY(wizard);
            QSignalSpy received(wizard, &GuideConfig::reply_received);
            wizardOnFirstStep = wizard->isVisible() && child<QStackedWidget>(wizard, "stackedWidget")->currentIndex() == 0
                                && child(wizard, "exit_pushButton")->isVisible();
            // The track mode step of two cameras asks the teacher camera for its status.
            child<QPushButton>(child(wizard, "bottom_step1"), "next_step")->click();
            QTRY_VERIFY_WITH_TIMEOUT(received.count() > 0, kWaitMs);
            replies = received.count();
            boxes.answerNext(QMessageBox::Ok);
            child<QPushButton>(wizard, "exit_pushButton")->click();
            mainBack = main->isVisible() && !wizard->isVisible();
            qApp->quit();
        }));
        QVERIFY(mainHidden);
        QVERIFY(wizardOnFirstStep);
        QVERIFY(replies > 0);
        QVERIFY(mainBack);
        QCOMPARE(boxes.texts(), (QStringList{QStringLiteral("Enter the wizard configuration,other operations will be "
                                                            "interrupted!"),
                                             kExitWizard}));
    }

    // The wizard's close button with the main window hidden: asked as the exit is; Cancel keeps
    // the wizard, OK finishes it and the window takes over.
    void wizardCloseButton_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("mainShown");
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false;
        QTest::newRow("OK") << int(QMessageBox::Ok) << true;
    }
    void wizardCloseButton()
    {
        QFETCH(int, answer);
        QFETCH(bool, mainShown);
        testenv::removeConfigIni();
        bool shown = false;
        bool wizardOpen = false;
        QVERIFY(runWith([&] {
            auto *wizard = topLevel<GuideConfig>();
            boxes.answerNext(QMessageBox::StandardButton(answer));
            wizard->close();
            shown = topLevel<MainWindow>()->isVisible();
            wizardOpen = wizard->isVisible();
            qApp->quit();
        }));
        QCOMPARE(boxes.texts(), QStringList{kExitWizard});
        QCOMPARE(shown, mainShown);
        QCOMPARE(wizardOpen, !mainShown);
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Tracking_Guide_State")), QLatin1String(mainShown ? "1" : ""));
    }

    // The track mode step of two cameras opens the teacher link to the camera the first step
    // names and asks its status: over the link when its TCP port takes it, else by datagram,
    // whose answer the main window's reply socket is told to take.
    void trackModeLink_data()
    {
        QTest::addColumn<bool>("tcpOpen");
        QTest::newRow("over the link") << true;
        QTest::newRow("TCP port closed: by datagram") << false;
    }
    void trackModeLink()
    {
        QFETCH(bool, tcpOpen);
        const QString address = QStringLiteral("127.0.0.95");
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Number_Camera=0\nFeature_IP=%1/x\n").arg(address));
        SimCamera camera(address);
        SimPorts ports;
        if (!tcpOpen)
            ports.tcp = 16793;
        QVERIFY(camera.setPorts(ports));
        QVERIFY(camera.start());
        SharedScene wizardScene;
        GuideConfig wizard(wizardScene);
        QSignalSpy replies(&wizard, &GuideConfig::reply_received);
        QList<QHostAddress> datagrams;
        connect(&wizard, &GuideConfig::datagramAnswersExpected, this, [&](const QHostAddress &from) { datagrams << from; });
        QSignalSpy teacherBlock(&wizard, &GuideConfig::sign_teacher_params_complete);
        // Each teacher block read raises the save as well.
        const auto blocksRead = [&replies] {
            int n = 0;
            for (const QList<QVariant> &reply : replies)
                n += reply.first().toByteArray().contains("get_tracking_config_file") ? 1 : 0;
            return n;
        };
        child<QPushButton>(child(&wizard, "bottom_step1"), "next_step")->click();
        QCOMPARE(child<QStackedWidget>(&wizard, "stackedWidget")->currentIndex(), 2);
        // The entry's own, once; the camera's answers raise it again as they are read.
        QCOMPARE(teacherBlock.count(), 1 + blocksRead());
        const auto status = [](const SimMessage &m) {
            return m.event == SimEvent::Data && m.payload.contains("get_tracking_status");
        };
        const auto m = camera.waitForMessage(status, kWaitMs);
        QVERIFY(m);
        QCOMPARE(m->transport, tcpOpen ? SimTransport::Tcp : SimTransport::Udp);
        if (tcpOpen) {
            QTRY_VERIFY_WITH_TIMEOUT(!replies.isEmpty(), kWaitMs);
            QVERIFY(replies.first().first().toByteArray().contains("teacher_tracking_status"));
            QVERIFY(datagrams.isEmpty());
        } else {
            QVERIFY(!datagrams.isEmpty());
            QCOMPARE(datagrams.first(), QHostAddress(address));
        }
    }

    // A start state that nothing writes counts as an unfinished wizard.
    void startState_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("start");
        QTest::newRow("missing") << "" << "0";
        QTest::newRow("0") << "0" << "0";
        QTest::newRow("1") << "1" << "1";
        QTest::newRow("2") << "2" << "0";
        QTest::newRow("text") << "done" << "0";
    }
    void startState()
    {
        QFETCH(QString, state);
        QFETCH(QString, start);
        WindowHolder w(QStringLiteral("[TEACHER_CONF]\nTracking_Number_Camera=1\n")
                       + (state.isEmpty() ? QString() : QStringLiteral("Tracking_Guide_State=%1\n").arg(state)));
        QCOMPARE(w->getStartState(), start);
        const GuideConfig *wizard = topLevel<GuideConfig>();
        QCOMPARE(wizard && wizard->isVisible(), start == QLatin1String("0"));
    }
};

QTEST_MAIN(tst_Handover)
#include "tst_handover.moc"
