// The wizard's step flow and camera settings step, driven through the form as an installer does:
// Next, Back and clicks in the step list in each camera layout (the two-camera layout skips the
// calibration steps), the address check of the first step, the layout's rows and camera choices,
// the director port field, and what a wait inside a check, an entry or the director send lets
// through.
#include "core/reachability.h"
#include "core/time_scale.h"
#include "guide/buttomview.h"
#include "guide/guideconfig.h"
#include "shared_scene.h"
#include "model/guide_data_update_manage.h"
#include "net/wizard_link.h"
#include "recording_presenter.h"
#include "support/resources.h"
#include "test_env.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QTranslator>
#include <QValidator>
#include <QtTest>

using camera_slot::Slot;

namespace {

// Six cameras on loopback addresses whose TCP ports are closed: a link to them fails at once.
QString iniFor(int layout)
{
    return QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=0\nTracking_Number_Camera=%1\n"
                          "Feature_IP=127.0.0.71\nPano_IP=127.0.0.72\n[STUDENT_CONF]\nFeature_IP=127.0.0.73\n"
                          "Pano_IP=127.0.0.74\n[BOARD_CONF]\nFeature_IP=127.0.0.75\nPano_IP=127.0.0.76\n")
        .arg(layout);
}

template <class T = QWidget>
T *child(const QWidget &root, const QString &name)
{
    return root.findChild<T *>(name);
}

struct Wizard {
    SharedScene scene;
    GuideConfig window{scene};
    QStackedWidget *steps = child<QStackedWidget>(window, QStringLiteral("stackedWidget"));
    QTreeWidget *tree = child<QTreeWidget>(window, QStringLiteral("treeWidget"));

    Wizard()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the wizard window was not exposed; the steps may not be laid out");
    }
    ButtomView *bar(int page) const { return child<ButtomView>(window, QStringLiteral("bottom_step%1").arg(page + 1)); }
    QPushButton *barButton(int page, const char *name) const { return child<QPushButton>(*bar(page), QLatin1String(name)); }
    // The step item of a page: the parents in order, their steps in page order.
    QTreeWidgetItem *stepItem(int page) const
    {
        int index = 0;
        for (int p = 0; p < tree->topLevelItemCount(); ++p) {
            for (int c = 0; c < tree->topLevelItem(p)->childCount(); ++c, ++index) {
                if (index == page)
                    return tree->topLevelItem(p)->child(c);
            }
        }
        return nullptr;
    }
    void click(QTreeWidgetItem *item)
    {
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }
    // "N" Next, "B" Back (the bar of the page shown), "t<page>" a click on a step, "p<n>" on a
    // parent of the list.
    void act(const QString &action)
    {
        const int page = steps->currentIndex();
        if (action == QLatin1String("N"))
            barButton(page, "next_step")->click();
        else if (action == QLatin1String("B"))
            barButton(page, "previous_step")->click();
        else if (action.startsWith(QLatin1Char('t')))
            click(stepItem(action.mid(1).toInt()));
        else if (action.startsWith(QLatin1Char('p')))
            click(tree->topLevelItem(action.mid(1).toInt()));
    }
};

} // namespace

class tst_StepFlow : public QObject
{
    Q_OBJECT

    RecordingPresenter boxes;
    QStringList pinged;

private slots:
    void initTestCase()
    {
        corvane_init_resources();
        msgbox::setPresenter(&boxes);
    }
    void init()
    {
        boxes.clear();
        boxes.answers.clear();
        pinged.clear();
        reachability::setCheck([this](const QString &host) { return pinged << host, true; });
    }

    void navigation_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("pages"); // the page shown after each action
        QTest::newRow("2 cameras: Next skips the calibration steps")
            << 0 << "N N N N N N N N N N N" << "2 3 4 5 6 8 9 10 11 12 12";
        QTest::newRow("2 cameras: Back skips them too")
            << 0 << "t12 B B B B B B B B B B B" << "12 11 10 9 8 6 5 4 3 2 0 0";
        QTest::newRow("4 cameras: every step")
            << 1 << "N N N N N N N N N N N N N" << "1 2 3 4 5 6 7 8 9 10 11 12 12";
        QTest::newRow("6 cameras: back to the start")
            << 3 << "t12 B B B B B B B B B B B B B" << "12 11 10 9 8 7 6 5 4 3 2 1 0 0";
        QTest::newRow("5 cameras: a click, then on")
            << 2 << "t7 N B B t3 N" << "7 8 7 6 3 4";
        QTest::newRow("2 cameras: a click reaches no hidden step, Next goes on from it")
            << 0 << "t6 N t9 B" << "6 8 9 8";
        QTest::newRow("a parent changes no page") << 1 << "t4 p1 p2" << "4 4 4";
        QTest::newRow("2 cameras: by index from the first step, no check")
            << 0 << "p0 N" << "0 2";
        QTest::newRow("2 cameras: by index over the student calibration")
            << 0 << "t6 p1 N p2 B" << "6 6 8 8 6";
        QTest::newRow("by index: Back on the first step stays") << 2 << "p0 B" << "0 0";
        QTest::newRow("by index: Next on the director step stays") << 2 << "t12 p3 N" << "12 12 12";
    }
    void navigation()
    {
        QFETCH(int, layout);
        QFETCH(QString, actions);
        QFETCH(QString, pages);
        testenv::writeConfigIni(iniFor(layout));
        Wizard w;
        QCOMPARE(w.steps->currentIndex(), 0);
        QStringList seen;
        for (const QString &a : actions.split(QLatin1Char(' ')))
            w.act(a), seen << QString::number(w.steps->currentIndex());
        QCOMPARE(seen.join(QLatin1Char(' ')), pages);
        // The list follows the pages shown (a parent clicked last stays current).
        if (w.tree->currentItem()->parent())
            QCOMPARE(w.tree->currentItem(), w.stepItem(w.steps->currentIndex()));
    }

    // The director step turns the last bar's Next into "Guide Finish"; Back on the first step by
    // index hides that bar's Back.
    void bars_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<bool>("finishShown");
        QTest::addColumn<bool>("firstBackShown");
        QTest::newRow("start") << "" << false << false;
        QTest::newRow("a click on the director step") << "t12" << true << false;
        QTest::newRow("Next from the student test") << "t11 N" << true << false;
        QTest::newRow("Next on the director step by index") << "t12 p3 N" << true << false;
        QTest::newRow("up to the student test") << "t11" << false << false;
    }
    void bars()
    {
        QFETCH(QString, actions);
        QFETCH(bool, finishShown);
        QFETCH(bool, firstBackShown);
        testenv::writeConfigIni(iniFor(1));
        Wizard w;
        for (const QString &a : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            w.act(a);
        QCOMPARE(!w.barButton(12, "apply")->isHidden(), finishShown);
        QCOMPARE(!w.barButton(12, "next_step")->isHidden(), !finishShown);
        QCOMPARE(!w.barButton(0, "previous_step")->isHidden(), firstBackShown);
        QCOMPARE(w.bar(12)->applyText() == GuideConfig::finishText(), finishShown);
    }

    // Next from the camera settings in the two-camera layout: the teacher address, else the
    // student one; a text that is no address is never pinged.
    void addressCheck_data()
    {
        QTest::addColumn<QString>("teacher");
        QTest::addColumn<QString>("student");
        QTest::addColumn<QString>("unreachable");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<QStringList>("pinged");
        const QString empty = QStringLiteral("It is detected that all input boxes are empty!");
        const QString bad = QStringLiteral("Network information error detected!");
        const QString timeout = QStringLiteral("The input IP timeout is detected, and the connection may fail!");
        QTest::newRow("teacher reachable") << "127.0.0.71" << "" << "" << 2 << QStringList() << QStringList{"127.0.0.71"};
        QTest::newRow("a note behind the address")
            << "127.0.0.71/8554" << "" << "" << 2 << QStringList() << QStringList{"127.0.0.71"};
        QTest::newRow("empty teacher, reachable student")
            << "" << "127.0.0.73" << "" << 2 << QStringList{empty} << QStringList{"127.0.0.73"};
        QTest::newRow("a part above 255 is never pinged")
            << "127.0.0.256" << "" << "" << 0 << QStringList{bad, empty} << QStringList();
        QTest::newRow("both unreachable")
            << "127.0.0.71" << "127.0.0.73" << "127.0.0" << 0 << QStringList{timeout, timeout}
            << QStringList{"127.0.0.71", "127.0.0.73"};
        QTest::newRow("a leading zero is an address")
            << "127.0.0.071" << "" << "" << 2 << QStringList() << QStringList{"127.0.0.071"};
    }
    void addressCheck()
    {
        QFETCH(QString, teacher);
        QFETCH(QString, student);
        QFETCH(QString, unreachable);
        QFETCH(int, page);
        QFETCH(QStringList, warnings);
        QFETCH(QStringList, pinged);
        testenv::writeConfigIni(iniFor(0));
        Wizard w;
        child<QLineEdit>(w.window, QStringLiteral("teacher_feature_ip_lineEdit"))->setText(teacher);
        child<QLineEdit>(w.window, QStringLiteral("student_feature_ip_lineEdit"))->setText(student);
        reachability::setCheck([&](const QString &host) {
            this->pinged << host;
            return unreachable.isEmpty() || !host.startsWith(unreachable);
        });
        w.act(QStringLiteral("N"));
        QCOMPARE(w.steps->currentIndex(), page);
        // The track mode step asks once more whether the teacher camera answers.
        QStringList asked = this->pinged;
        if (page == 2)
            asked.removeLast();
        QCOMPARE(asked, pinged);
        QStringList shown = boxes.texts();
        shown.removeAll(QStringLiteral("Please connect the camera"));
        QCOMPARE(shown, warnings);
    }

    // What the layout changes on the other steps: the address rows, the cameras the preset and
    // test steps offer, the interior director rows, the calibration steps of the list.
    void layoutRows_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("rows"); // teacher pano, student pano, board 1, board 2
        QTest::addColumn<QStringList>("cameras");
        QTest::addColumn<QString>("interior"); // rows 1 to 3 shown and checked
        QTest::addColumn<bool>("calibration");
        QTest::newRow("2") << 0 << "0000" << QStringList{"Feature IP"} << "100" << false;
        QTest::newRow("4") << 1 << "1100" << QStringList{"Feature IP"} << "100" << true;
        QTest::newRow("5") << 2 << "1110" << QStringList{"Feature IP", "Board 1"} << "100" << true;
        QTest::newRow("6") << 3 << "1111" << QStringList{"Feature IP", "Board 1", "Board 2"} << "011" << true;
    }
    void layoutRows()
    {
        QFETCH(int, layout);
        QFETCH(QString, rows);
        QFETCH(QStringList, cameras);
        QFETCH(QString, interior);
        QFETCH(bool, calibration);
        testenv::writeConfigIni(iniFor(3 - layout)); // the combo changes the layout, not the file
        Wizard w;
        child<QComboBox>(w.window, QStringLiteral("teacher_choose_camera_comboBox"))->setCurrentIndex(layout);
        QString shown;
        for (const char *row : {"teacher_pano_ip_widget", "student_pano_ip_widget", "teacher_board_ip_widget",
                                "teacher_director_ip_widget"})
            shown += child(w.window, QLatin1String(row))->isHidden() ? QLatin1Char('0') : QLatin1Char('1');
        QCOMPARE(shown, rows);
        for (const char *name : {"teacher_preset_comboBox", "teacher_track_test_comboBox"}) {
            auto *combo = child<QComboBox>(w.window, QLatin1String(name));
            QStringList items;
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            QCOMPARE(items, cameras);
        }
        QString rowsShown;
        for (const char *n : {"", "_2", "_3"}) {
            auto *box = child<QAbstractButton>(w.window, QStringLiteral("director_interior_board_blackboard_checkBox%1").arg(QLatin1String(n)));
            QCOMPARE(!box->parentWidget()->isHidden(), box->isChecked());
            rowsShown += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        }
        QCOMPARE(rowsShown, interior);
        QCOMPARE(!w.stepItem(1)->isHidden(), calibration);
        QCOMPARE(!w.stepItem(7)->isHidden(), calibration);
    }

    // The director server's port takes exactly 1 to 65535.
    void portField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::newRow("1") << "1" << int(QValidator::Acceptable);
        QTest::newRow("65535") << "65535" << int(QValidator::Acceptable);
        QTest::newRow("65500") << "65500" << int(QValidator::Acceptable);
        QTest::newRow("65529") << "65529" << int(QValidator::Acceptable);
        QTest::newRow("65536") << "65536" << int(QValidator::Invalid);
        QTest::newRow("0") << "0" << int(QValidator::Invalid);
        QTest::newRow("a leading zero") << "07" << int(QValidator::Invalid);
        QTest::newRow("a bracket") << "[7" << int(QValidator::Invalid);
    }
    void portField()
    {
        QFETCH(QString, text);
        QFETCH(int, state);
        testenv::writeConfigIni(iniFor(1));
        Wizard w;
        const QValidator *v = child<QLineEdit>(w.window, QStringLiteral("director_server_Port_Edit"))->validator();
        QVERIFY(v);
        int pos = 0;
        QCOMPARE(int(v->validate(text, pos)), state);
    }

    // The reachability check handles events: a second Next, a click in the list, Back or the
    // exit pressed meanwhile are refused, and the check runs once.
    void waitLetsNothingIn_data()
    {
        QTest::addColumn<QString>("during");
        QTest::newRow("Next") << "N";
        QTest::newRow("a click on the teacher test step") << "t6";
        QTest::newRow("a click on the director step") << "t12";
        QTest::newRow("the exit") << "exit";
    }
    void waitLetsNothingIn()
    {
        QFETCH(QString, during);
        testenv::writeConfigIni(iniFor(0));
        Wizard w;
        boxes.answerNext(QMessageBox::Ok);
        int checks = 0;
        int pageDuring = -1;
        reachability::setCheck([&](const QString &) {
            if (++checks == 1) {
                if (during == QLatin1String("exit"))
                    child<QPushButton>(w.window, QStringLiteral("exit_pushButton"))->click();
                else
                    w.act(during);
                pageDuring = w.steps->currentIndex();
            }
            return true;
        });
        QSignalSpy finished(&w.window, &GuideConfig::setupCompleted);
        w.act(QStringLiteral("N"));
        // The check of Next, then the track mode step's own.
        QCOMPARE(checks, 2);
        QCOMPARE(pageDuring, 0);
        QCOMPARE(w.steps->currentIndex(), 2);
        QCOMPARE(finished.count(), 0);
        QVERIFY(!boxes.texts().contains(QStringLiteral("Exiting the wizard configuration,other operations will be interrupted!")));
    }

    // The director block goes to one pano, waits with events handled, then goes to the other:
    // the last Apply, the exit or the close button meanwhile are refused, so the wizard neither
    // finishes under the send nor leaves boxes of its cameras over the main window; once the
    // send is over the finish goes through.
    void directorSendLetsNoFinishIn_data()
    {
        QTest::addColumn<QString>("during");
        QTest::newRow("Guide Finish") << "finish";
        QTest::newRow("the exit") << "exit";
        QTest::newRow("the close button") << "close";
    }
    void directorSendLetsNoFinishIn()
    {
        QFETCH(QString, during);
        timescale::setFactor(0.01);
        const auto realTime = qScopeGuard([] { timescale::setFactor(1); });
        testenv::writeConfigIni(iniFor(1));
        Wizard w;
        WizardLink &link = w.window.camera_link();
        for (const auto &[pano, address] : {std::pair{Slot::TeacherPano, "127.0.0.72"}, {Slot::StudentPano, "127.0.0.74"}}) {
            link.set_destination(pano, QLatin1String(address));
            link.set_connected(pano, true);
        }
        w.act(QStringLiteral("t12"));
        QVERIFY(w.barButton(12, "apply")->isVisible());
        QSignalSpy finished(&w.window, &GuideConfig::setupCompleted);
        boxes.answerNext(QMessageBox::Ok);
        QTimer::singleShot(0, &w.window, [&] {
            if (during == QLatin1String("finish"))
                w.barButton(12, "apply")->click();
            else if (during == QLatin1String("exit"))
                child<QPushButton>(w.window, QStringLiteral("exit_pushButton"))->click();
            else
                w.window.close();
        });
        child<QLineEdit>(w.window, QStringLiteral("director_server_IP_Edit"))->setText(QStringLiteral("127.0.0.9"));
        QCOMPARE(finished.count(), 0);
        QVERIFY(w.window.isVisible());
        QCOMPARE(boxes.texts(), QStringList());
        w.barButton(12, "apply")->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Config is complete. Do you want to go to the home page now?")});
    }

    // A side that tracks locks its options; the teacher's focus and lost-action boxes follow the
    // layout and the run state (stopped here), whatever the lock.
    void trackingLocks_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("status");
        QTest::addColumn<QString>("enabled"); // lost action, continue time, speed box, focus box
        QTest::newRow("teacher tracks, 2 cameras") << 0 << 0 << false << "0110";
        QTest::newRow("teacher tracks, 4 cameras") << 1 << 0 << false << "0111";
        QTest::newRow("teacher stops, 2 cameras") << 0 << 0 << true << "1110";
        QTest::newRow("teacher stops, 4 cameras") << 1 << 0 << true << "1111";
        QTest::newRow("student tracks") << 1 << 1 << false << "1011";
        QTest::newRow("another type") << 1 << 2 << false << "1111";
    }
    void trackingLocks()
    {
        QFETCH(int, layout);
        QFETCH(int, type);
        QFETCH(bool, status);
        QFETCH(QString, enabled);
        testenv::writeConfigIni(iniFor(layout));
        Wizard w;
        w.window.setGuideEnabledStatus(type, status);
        QString shown;
        for (const char *name : {"target_lost_action_comboBox", "student_feature_continue_time_label",
                                 "teacher_ptz_speed_level_groupBox", "teacher_manual_focus_groupBox"})
            shown += child(w.window, QLatin1String(name))->isEnabledTo(&w.window) ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(shown, enabled);
    }

    // Entering the wizard again (receiverData) in another language: the codes and the server the
    // installer typed stay, unchanged for the director block, the record's addresses and layout
    // are taken, and the last Apply, shown before, still finishes.
    void reentry()
    {
        testenv::writeConfigIni(iniFor(3));
        Wizard w;
        w.act(QStringLiteral("t12"));
        auto *code = child<QLineEdit>(w.window, QStringLiteral("director_external_teacher_on_the_platform_lineEdit"));
        auto *server = child<QLineEdit>(w.window, QStringLiteral("director_server_IP_Edit"));
        code->setText(QStringLiteral("AA 01"));
        server->setText(QStringLiteral("127.0.0.9/abc123"));
        QSignalSpy edits(code, &QLineEdit::textChanged);
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(":/trans/zh.qm")));
        QCoreApplication::installTranslator(&catalogue);
        Guide_Data_Update_Manage record;
        record.teacher_feature_ip = QStringLiteral("127.0.0.51");
        record.student_feature_ip = QStringLiteral("127.0.0.53");
        record.camera_number = 0;
        record.current_language = QStringLiteral("Chinese");
        w.window.receiverData(QVariant::fromValue(record));
        QCOMPARE(code->text(), QStringLiteral("AA 01"));
        QCOMPARE(server->text(), QStringLiteral("127.0.0.9/abc123"));
        QCOMPARE(edits.count(), 0);
        QCOMPARE(child<QLineEdit>(w.window, QStringLiteral("teacher_feature_ip_lineEdit"))->text(), record.teacher_feature_ip);
        QCOMPARE(child<QComboBox>(w.window, QStringLiteral("teacher_choose_camera_comboBox"))->currentIndex(), 0);
        QCOMPARE(w.steps->currentIndex(), 0);
        QVERIFY(w.stepItem(1)->isHidden());
        // The director page warns of the missing cameras as its fields change; the question
        // is the Apply's.
        boxes.clear();
        boxes.answerNext(QMessageBox::Cancel);
        w.barButton(12, "apply")->click();
        const QString question =
            QCoreApplication::translate("GuideConfig", "Config is complete. Do you want to go to the home page now?");
        QCoreApplication::removeTranslator(&catalogue);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown.first().text, question);
    }
};

QTEST_MAIN(tst_StepFlow)
#include "tst_step_flow.moc"
