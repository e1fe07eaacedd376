// The main window's openers of its three dialogs, on the whole window against a simulated
// teacher feature camera on 127.0.0.2 and a teacher pano camera on 127.0.0.3, each with its
// pictures: the camera menu's keys reach the chosen camera with the right bytes and its close
// says so to the camera; the pano camera's menu plays its own picture until Escape; the
// installation position reaches the Student tab; the console takes the window's cameras and
// answers, and however it ends the window comes back and no picture is left running; the
// console's catalogue goes with it. On the bare form: the installation dialog starts with the
// Student section's measures and hands its Apply on, and the console's status reaches the window.
#include "core/installed_catalogue.h"
#include "core/reachability.h"
#include "core/time_scale.h"
#include "dialogs/camera_install_pos.h"
#include "dialogs/dialog_launchers.h"
#include "dialogs/manual_direct.h"
#include "dialogs/osdmenu.h"
#include "form_rig.h"
#include "recording_presenter.h"
#include "rtsp/rtsp_server_process.h"
#include "sim_camera.h"
#include "sim_wire.h"
#include "ui_camera_install_pos.h"
#include "ui_manual_direct.h"
#include "ui_osdmenu.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "window_holder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {
constexpr int kWaitMs = 15000; // a first picture or a thread's end on a busy machine
const QString kFeature = QStringLiteral("127.0.0.2");
const QString kPano = QStringLiteral("127.0.0.3");
const QString kIni = QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n");

QStringList viscaFrom(const SimCamera &camera, int from)
{
    return simwire::receivedSince(camera, from, simwire::Kind::Visca);
}

template <class Dialog>
Dialog *shown()
{
    Dialog *dialog = topLevel<Dialog>();
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

// Runs the driver inside the modal run the press starts, as soon as the dialog shows and is
// ready (the press and the dialog may handle events before: the driver must not run inside
// their waits); the dialog is closed afterwards when the driver left it open (a failed check),
// so that the run always ends.
template <class Dialog>
void whileRunning(QAbstractButton *opener, const std::function<void(Dialog *)> &driver,
                  const std::function<bool(Dialog *)> &ready = {})
{
    QTimer look;
    look.setInterval(5);
    QObject::connect(&look, &QTimer::timeout, [&] {
        Dialog *dialog = shown<Dialog>();
        if (!dialog || (ready && !ready(dialog)))
            return;
        look.stop();
        driver(dialog);
        if (shown<Dialog>() == dialog)
            dialog->close();
    });
    look.start();
    opener->click();
    QVERIFY(!look.isActive());
}

// The openers on the bare form, with what they ask of the window recorded.
struct Rig : FormRig, DialogLaunchers::Window {
    WindowChoices choices;
    int directorCloses = 0;
    DialogLaunchers launchers{CORVANE_FORM_WIDGETS(DialogLaunchers, DIALOG_LAUNCHERS_WIDGETS, formHost.ui),
                              cameras,
                              ports,
                              link,
                              teacher_values,
                              student_values,
                              choices,
                              *this,
                              &formHost.window};
    QString interface_language() const override { return QStringLiteral("English"); }
    void feed_camera_menu(OSDMenu *) override {}
    void attach_console(manual_direct *) override {}
    void close_for_director() override { ++directorCloses; }
};
} // namespace

class tst_DialogLaunchers : public QObject
{
    Q_OBJECT

    SimCamera feature{kFeature};
    SimCamera pano{kPano};
    RtspServerProcess featurePictures, panoPictures;
    RecordingPresenter boxes;

    void open(WindowHolder &w)
    {
        w.build(kIni);
        w->show();
        for (const auto &[slot, address] : {std::pair{"teacher_feature", kFeature}, std::pair{"teacher_pano", kPano}}) {
            w.widget<QLineEdit>((QByteArray(slot) + "_IP_Edit").constData())->setText(address);
            w.widget<QPushButton>((QByteArray(slot) + "_connect_Button").constData())->click();
        }
        QTRY_COMPARE_WITH_TIMEOUT(QFFmpeg::instances(), 2, kWaitMs);
        boxes.clear();
    }

private slots:
    void initTestCase()
    {
        for (auto [camera, server] : {std::pair{&feature, &featurePictures}, std::pair{&pano, &panoPictures}}) {
            QVERIFY2(camera->start(), qPrintable(camera->lastError()));
            RtspServerProcess::Options options;
            options.address = camera->address();
            options.port = 554;
            options.size = QSize(320, 180);
            QVERIFY2(server->start(options), qPrintable(server->errorString()));
        }
        reachability::setCheck([](const QString &) { return true; });
        timescale::setFactor(0.25);
    }

    // A bare-form case's rig records its own boxes and, as it goes, leaves none recording.
    void init() { msgbox::setPresenter(&boxes); }

    // The teacher tab's menu of the feature camera shows the window's pictures of it; a held
    // arrow moves the camera's menu until released, OK selects, and the close of the dialog
    // closes the camera's menu and puts the navigation keys back on the pan and tilt.
    void cameraMenuKeys()
    {
        WindowHolder w;
        open(w);
        w.widget<QRadioButton>("teacher_navigate_osd_mode_radioButton")->setChecked(true);
        w.widget<QComboBox>("teacher_switch_menu_object_comboBox")->setCurrentIndex(0);
        const int featureFrom = feature.receivedCount(), panoFrom = pano.receivedCount();
        whileRunning<OSDMenu>(w.widget<QPushButton>("teacher_show_osd_menu_pushButton"), [](OSDMenu *dialog) {
            QTRY_VERIFY_WITH_TIMEOUT(!dialog->form()->osd_labVideo->pixmap(Qt::ReturnByValue).isNull(), kWaitMs);
            QVERIFY(!dialog->rtsp_running());
            QTest::mousePress(dialog->form()->osd_up_Button, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseRelease(dialog->form()->osd_up_Button, Qt::LeftButton, {}, QPoint(5, 5));
            dialog->form()->osd_ok_Button->click();
        });
        QTRY_COMPARE(viscaFrom(feature, featureFrom),
                     (QStringList{"81 01 06 01 10 10 03 01 FF", "81 01 06 01 03 03 03 03 FF", "81 01 06 06 05 FF",
                                  "81 01 06 06 06 FF"}));
        QCOMPARE(viscaFrom(pano, panoFrom), QStringList());
        QVERIFY(w.widget<QRadioButton>("teacher_navigate_ptz_mode_radioButton")->isChecked());
        QCOMPARE(topLevel<OSDMenu>(), nullptr);
    }

    // The pano camera's menu plays a picture of its own, which Escape lets go with the dialog;
    // the keys and the close go to the pano camera.
    void cameraMenuOwnPicture()
    {
        WindowHolder w;
        open(w);
        w.widget<QRadioButton>("teacher_navigate_osd_mode_radioButton")->setChecked(true);
        w.widget<QComboBox>("teacher_switch_menu_object_comboBox")->setCurrentIndex(1);
        const int panoFrom = pano.receivedCount();
        whileRunning<OSDMenu>(
            w.widget<QPushButton>("teacher_show_osd_menu_pushButton"),
            [](OSDMenu *dialog) {
                QCOMPARE(QFFmpeg::instances(), 3);
                QTRY_VERIFY_WITH_TIMEOUT(!dialog->form()->osd_labVideo->pixmap(Qt::ReturnByValue).isNull(), kWaitMs);
                dialog->form()->osd_menu_Button->click();
                QTest::keyClick(dialog, Qt::Key_Escape);
                QCOMPARE(QFFmpeg::instances(), 2);
            },
            [](OSDMenu *dialog) { return dialog->rtsp_running(); });
        QCOMPARE(rtsp_stream::pendingCount(), 0);
        QTRY_COMPARE(viscaFrom(pano, panoFrom), (QStringList{"81 01 06 06 10 FF", "81 01 06 06 06 FF"}));
    }

    // The dialog's Default and Apply fill the Student tab's three measures and mark its Apply.
    void installPosition()
    {
        WindowHolder w(kIni);
        w->show();
        whileRunning<camera_install_pos>(w.widget<QPushButton>("student_camera_install_pos_pushButton"),
                                         [](camera_install_pos *dialog) {
            dialog->findChild<QPushButton *>(QStringLiteral("Default_pushButton"))->click();
            dialog->findChild<QPushButton *>(QStringLiteral("Apply_pushButton"))->click();
        });
        QCOMPARE(w.widget<QLineEdit>("student_camera_height_lineEdit")->text(), QStringLiteral("2.2"));
        QCOMPARE(w.widget<QLineEdit>("student_camera_length_lineEdit")->text(), QStringLiteral("6.0"));
        QCOMPARE(w.widget<QLineEdit>("student_object_height_lineEdit")->text(), QStringLiteral("0.0"));
        QCOMPARE(w.widget<QPushButton>("student_apply_Button")->text(), QStringLiteral("Apply(*)"));
    }

    // The dialog starts with the Student section's measures and the picture of the language
    // entry; a second press while it runs opens nothing; each Apply hands the fields on.
    void installPositionOnTheForm_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("Chinese") << 0 << true;
        QTest::newRow("English") << 1 << false;
        QTest::newRow("Spanish") << 7 << false;
    }
    void installPositionOnTheForm()
    {
        QFETCH(int, language);
        QFETCH(bool, chinese);
        Rig rig;
        rig.choices.language_index = language;
        rig.student_values.pano_height = QStringLiteral("3.1");
        rig.student_values.pano_length = QStringLiteral("7");
        rig.student_values.pano_camera_height = QStringLiteral("0.5");
        rig.formHost.window.show();
        QVERIFY(!rig.ui->student_camera_install_pos_pushButton->isVisible());
        QSignalSpy chosen(&rig.launchers, &DialogLaunchersSignals::install_position_chosen);
        QStringList started;
        bool chineseShown = false;
        whileRunning<camera_install_pos>(rig.ui->student_camera_install_pos_pushButton, [&](camera_install_pos *dialog) {
            Ui::camera_install_pos *f = dialog->form();
            started = QStringList{f->student_camera_height_lineEdit->text(), f->student_camera_length_lineEdit->text(),
                                  f->student_object_height_lineEdit->text()};
            chineseShown = f->Chinese_label->isVisible();
            rig.ui->student_camera_install_pos_pushButton->click();
            const QWidgetList tops = QApplication::topLevelWidgets();
            QCOMPARE(std::count_if(tops.begin(), tops.end(),
                                   [](QWidget *w) { return qobject_cast<camera_install_pos *>(w) != nullptr; }),
                     1L);
            f->Apply_pushButton->click();
            f->student_camera_length_lineEdit->setText(QStringLiteral("8"));
            f->Apply_pushButton->click();
        });
        QCOMPARE(started, (QStringList{"3.1", "7", "0.5"}));
        QCOMPARE(chineseShown, chinese);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.at(0), (QList<QVariant>{"3.1", "7", "0.5"}));
        QCOMPARE(chosen.at(1), (QList<QVariant>{"3.1", "8", "0.5"}));
    }

    // The console's status: "showNormal" gives the window back and closes it on the director road,
    // "hideDirect" only gives it back, both ending the console's run on the link; a minimize
    // follows the console's; anything else changes nothing.
    void consoleStatusOnTheForm_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("directorCloses");
        QTest::newRow("showNormal") << "showNormal" << true << false << false << 1;
        QTest::newRow("hideDirect") << "hideDirect" << true << false << false << 0;
        QTest::newRow("WindowMinimized") << "WindowMinimized" << true << true << true << 0;
        QTest::newRow("another word") << "showMaximized" << false << false << true << 0;
    }
    void consoleStatusOnTheForm()
    {
        QFETCH(QString, status);
        QFETCH(bool, shown);
        QFETCH(bool, minimized);
        QFETCH(bool, running);
        QFETCH(int, directorCloses);
        Rig rig;
        rig.link.set_manual_direct_running(true);
        rig.launchers.receiveData(status);
        QCOMPARE(rig.formHost.window.isVisible(), shown);
        QCOMPARE(rig.formHost.window.isMinimized(), minimized);
        QCOMPARE(rig.link.manual_direct().run, running);
        QCOMPARE(rig.directorCloses, directorCloses);
    }

    // The console hides the window and takes its teacher cameras (let go by the window), plays
    // the pano camera's address and gets its answers through the window; it ends by its Config
    // button, by Escape (both after their question) or hidden without a word; the window then
    // shows again with its button back, and no picture of the console plays on.
    void console_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Config button") << "config";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("hidden without a status") << "hide";
    }
    void console()
    {
        QFETCH(QString, way);
        WindowHolder w;
        open(w);
        pano.setTrackingStatus(QStringLiteral("teacher_parameter"), QStringLiteral("start"));
        // The Director tab is given back once the pano camera's parameters have been read.
        QTRY_VERIFY_WITH_TIMEOUT(w.widget<QPushButton>("manual_director_button")->isEnabled(), kWaitMs);
        whileRunning<manual_direct>(w.widget<QPushButton>("manual_director_button"), [&](manual_direct *console) {
            QTRY_VERIFY(!w->isVisible());
            QVERIFY(!w.widget<QPushButton>("manual_director_button")->isEnabled());
            QTRY_COMPARE_WITH_TIMEOUT(QFFmpeg::instances(), 0, kWaitMs);
            QCOMPARE(w.widget<QPushButton>("teacher_pano_connect_Button")->text(), QStringLiteral("Connect"));
            QCOMPARE(console->form()->teacher_IP_Edit->text(), kPano);
            console->form()->teacher_rtsp_pushButton->click();
            QTRY_VERIFY_WITH_TIMEOUT(console->form()->common_teacher_checkBox->isChecked(), kWaitMs);
            QCOMPARE(QFFmpeg::instances(), 3);
            if (way == QLatin1String("config"))
                console->form()->toolButton->click();
            else if (way == QLatin1String("escape"))
                QTest::keyClick(console, Qt::Key_Escape);
            else
                console->hide();
        });
        pano.setTrackingStatus(QStringLiteral("teacher_parameter"), QStringLiteral("stop"));
        QVERIFY(w->isVisible());
        QVERIFY(w.widget<QPushButton>("manual_director_button")->isEnabled());
        QCOMPARE(topLevel<manual_direct>(), nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(QFFmpeg::instances(), 0, kWaitMs);
        QCOMPARE(rtsp_stream::pendingCount(), 0);
        QStringList expected{"Enter the manual director,other operations will be interrupted!"};
        if (way != QLatin1String("hide")) {
            expected << "Do you want to go into the configuration?";
            QCOMPARE(w.widget<QLineEdit>("teacher_feature_IP_Edit")->text(), kPano);
        }
        QCOMPARE(boxes.texts(), expected);
    }

    // The console speaks the window's language while it runs and takes its catalogue with it:
    // afterwards only the window's own is left, and a switch of the window's language holds.
    void languageAfterConsole()
    {
        WindowHolder w(kIni);
        w->show();
        auto *languages = w.widget<QComboBox>("language_select_comboBox");
        emit languages->activated(0); // Chinese
        const QString chineseTitle = QCoreApplication::translate("manual_direct", "Manual Director");
        QVERIFY(chineseTitle != QLatin1String("Manual Director"));
        QString title;
        whileRunning<manual_direct>(w.widget<QPushButton>("manual_director_button"), [&](manual_direct *console) {
            title = console->windowTitle();
            console->form()->toolButton->click();
        });
        QCOMPARE(title, chineseTitle);
        emit languages->activated(7); // Spanish
        QTranslator spanish;
        QVERIFY(spanish.load(QStringLiteral(":/trans/es.qm")));
        QCOMPARE(QCoreApplication::translate("MainWindow", "Warning"), spanish.translate("MainWindow", "Warning"));
        // Nothing but the window's catalogue is left to translate.
        QTranslator *window = installed_catalogue::current();
        installed_catalogue::install(nullptr);
        QCOMPARE(QCoreApplication::translate("manual_direct", "Manual Director"), QStringLiteral("Manual Director"));
        installed_catalogue::install(window);
    }
};

QTEST_MAIN(tst_DialogLaunchers)
#include "tst_dialog_launchers.moc"
