// A simulated installation with pictures, connected through the camera buttons: the pano
// connects' chains fill the Director tab from the cameras, the board Obtain and a status that
// the board pano camera pushes fill the Board tab.
//
// With CORVANE_SHOT_DIR set, the two tabs are saved there as pictures (run under Xvfb with
// QT_QPA_PLATFORM=xcb to see them as the installer does).
#include "core/reachability.h"
#include "core/time_scale.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "rtsp/rtsp_server_process.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "test_env.h"
#include "ui_mainwindow.h"
#include "video/rtsp_stream.h"

#include <QDir>
#include <QHostAddress>
#include <QtTest>

#include <memory>

using camera_slot::Slot;

namespace {

constexpr double kTimeScale = 0.1;      // the connects' waits of 1.3 to 2 s take a tenth
constexpr int kPictureTimeoutMs = 15000; // the first picture of a fresh RTSP server
constexpr int kReplyMs = 5000;

QString addressOf(Slot slot)
{
    return QStringLiteral("127.0.0.%1").arg(int(slot) + 2);
}

using Items = QList<QPair<const char *, const char *>>;

// What the cameras hold: one director configuration in both pano cameras (interior strategy,
// ASCII codes), the blackboard settings the teacher pano camera keeps, and the board pano
// camera's own block and director codes.
const Items kDirector = {
    {"pano_port", "5678"},
    {"uart_baud", "9600"},
    {"communicate_mode", "1"},
    {"command_mode", "1"},
    {"director_broadcast_ip", "127.0.0.10"},
    {"director_broadcast_port", "12777"},
    {"switch_auto", "AUTO ON"},
    {"switch_manual", "AUTO OFF"},
    {"director_command_times", "1"},
    {"director_strategy", "1"},
    {"extern_director_teacher_enable", "11011"},
    {"teacher_walk_up_platform", "TEACHER UP"},
    {"teacher_keep_stand", "TEACHER STILL"},
    {"extern_director_keep_interval", "3"},
    {"extern_director_student_enable", "1101"},
    {"student_stand_up", "STUDENT UP"},
    {"student_sit_down", "STUDENT DOWN"},
    {"inner_director_enable", "11010"},
    {"blackboard_director_enable", "11"},
    {"inner_teacher_feature", "CAM T-CLOSE"},
    {"inner_teacher_pano", "CAM T-WIDE"},
    {"inner_student_feature", "CAM S-CLOSE"},
    {"inner_student_pano", "CAM S-WIDE"},
    {"blackboard1_feature", "CAM BOARD-1"},
    {"blackboard2_feature", "CAM BOARD-2"},
    {"min_switch_time", "5"},
};
const Items kBoardRelay = {
    {"board_feature_enable", "1"},
    {"board_feature1_enable", "1"},
    {"board_lost_to_pano_delay", "45"},
};
const Items kBoardPano = {
    {"pano_sensitivity", "3"},
    {"time_delay", "7"},
    {"multi_object_strategy", "1"},
    {"losing_object_strategy", "1"},
    {"pano_pan_scale", "100"},
    {"pano_tilt_scale", "51"},
    {"pano_pan_increment", "200"},
    {"pano_tilt_increment", "99"},
    {"pano_shield_enable", "1100"},
    {"pano_pan_first_shield_scale", "20"},
    {"pano_tilt_first_shield_scale", "20"},
    {"pano_pan_first_shield_increment", "60"},
    {"pano_tilt_first_shield_increment", "40"},
    {"feature_version", "BOARD-F 1.4"},
    {"pano_version", "BOARD-P 2.2"},
};
const Items kBoardPanoDirector = {
    {"extern_director_blackboard_enable", "10"},
    {"blackboard_have_object_tracked", "BOARD WRITING"},
    {"blackboard_none_object_tracked", "BOARD IDLE"},
};

void hold(SimCamera *camera, const char *section, const Items &items)
{
    for (const auto &item : items)
        camera->setValue(QLatin1String(section), QLatin1String(item.first), QLatin1String(item.second));
}

void saveShot(QWidget *window, const QString &name)
{
    const QString dir = QString::fromLocal8Bit(qgetenv("CORVANE_SHOT_DIR"));
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QVERIFY(window->grab().save(dir + QLatin1Char('/') + name));
}

} // namespace

class tst_BoardDirectorInstallation : public QObject
{
    Q_OBJECT

    SimCameraHost host;
    std::vector<std::unique_ptr<RtspServerProcess>> servers;
    RecordingPresenter boxes;
    std::unique_ptr<MainWindow> window;

    SimCamera *camera(Slot slot) const { return host.cameraAt(addressOf(slot)); }

    void connectSlot(Slot slot, QWidget *tab, QLineEdit *edit, QPushButton *button)
    {
        window->ui->tabWidget->setCurrentWidget(tab);
        edit->setText(addressOf(slot));
        button->click();
    }

private slots:
    void initTestCase()
    {
        timescale::setFactor(kTimeScale);
        const Slot used[] = {Slot::TeacherPano, Slot::StudentPano, Slot::BoardFeature, Slot::BoardPano};
        for (Slot slot : used) {
            QVERIFY(host.addCamera(addressOf(slot), QStringLiteral("J57")));
            auto server = std::make_unique<RtspServerProcess>();
            RtspServerProcess::Options options;
            options.address = addressOf(slot);
            options.port = 554;
            options.size = QSize(480, 270);
            options.pattern = slot == Slot::BoardPano || slot == Slot::TeacherPano ? QStringLiteral("ball")
                                                                                 : QStringLiteral("smpte");
            QVERIFY2(server->start(options), qPrintable(server->errorString()));
            servers.push_back(std::move(server));
        }
        hold(camera(Slot::TeacherPano), "director_parameter", kDirector);
        hold(camera(Slot::StudentPano), "director_parameter", kDirector);
        hold(camera(Slot::TeacherPano), "board_parameter", kBoardRelay);
        hold(camera(Slot::BoardPano), "board_parameter", kBoardPano);
        // An installation configured alike: the board pano camera's common director keys, which
        // its answer also sets in the tab, are those of the pano cameras.
        hold(camera(Slot::BoardPano), "director_parameter", kDirector);
        hold(camera(Slot::BoardPano), "director_parameter", kBoardPanoDirector);
        QVERIFY(host.startAll());
        reachability::setCheck([](const QString &) { return true; });

        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"));
        window.reset(new MainWindow);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanupTestCase()
    {
        if (window) {
            for (QPushButton *b : {window->ui->teacher_pano_connect_Button, window->ui->student_pano_connect_Button,
                                   window->ui->board_feature_connect_Button, window->ui->board_pano_connect_Button}) {
                if (b->text() == QLatin1String("Disconnect"))
                    b->click();
            }
            QTRY_COMPARE_WITH_TIMEOUT(rtsp_stream::pendingCount(), 0, 5000);
            delete window->guide_config; // the window never deletes its wizard
        }
        window.reset();
        timescale::setFactor(1.0);
    }

    // Connecting the two pano cameras asks each for its status, its block and its director
    // block: the Director tab then shows what the cameras hold.
    void directorTabFromTheCameras()
    {
        MainWindow *w = window.get();
        Ui::MainWindow *ui = w->ui;
        w->on_director_default_Button_clicked();
        auto askedForDirector = [&](Slot slot) {
            for (const SimMessage &m : camera(slot)->received())
                if (m.isText() && m.text().endsWith(QLatin1String("\nget_director_config_file")))
                    return true;
            return false;
        };
        // A pano connect keeps the other tabs locked until the camera's block has been read.
        connectSlot(Slot::TeacherPano, ui->tab_teacher, ui->teacher_pano_IP_Edit, ui->teacher_pano_connect_Button);
        QTRY_VERIFY_WITH_TIMEOUT(askedForDirector(Slot::TeacherPano), kReplyMs);
        QTRY_VERIFY_WITH_TIMEOUT(ui->tabWidget->isTabEnabled(ui->tabWidget->indexOf(ui->tab_student)), kReplyMs);
        connectSlot(Slot::StudentPano, ui->tab_student, ui->student_pano_IP_Edit, ui->student_pano_connect_Button);
        QTRY_VERIFY_WITH_TIMEOUT(askedForDirector(Slot::StudentPano), kReplyMs);
        QTRY_VERIFY_WITH_TIMEOUT(ui->tabWidget->isTabEnabled(ui->tabWidget->indexOf(ui->tab_board)), kReplyMs);
        QTRY_COMPARE_WITH_TIMEOUT(ui->director_interior_board_blackboard_lineEdit_3->text(), QStringLiteral("CAM BOARD-2"),
                                  kReplyMs);
        QVERIFY(ui->director_strategy_interior_radioButton->isChecked());
        QVERIFY(ui->director_command_type_ascii_radioButton->isChecked());
        QVERIFY(ui->director_protocol_tcp_radioButton->isChecked());
        QVERIFY(ui->director_code_send_mode_triple_radioButton->isChecked());
        QCOMPARE(ui->director_server_IP_Edit->text(), QStringLiteral("127.0.0.10"));
        QCOMPARE(ui->director_server_Port_Edit->text(), QStringLiteral("12777"));
        QCOMPARE(ui->director_switch_auto_lineEdit->text(), QStringLiteral("AUTO ON"));
        QCOMPARE(ui->director_external_teacher_still_lineEdit->text(), QStringLiteral("TEACHER STILL"));
        QVERIFY(!ui->director_external_teacher_moving_checkBox->isChecked());
        QCOMPARE(ui->director_external_student_sat_down_lineEdit->text(), QStringLiteral("STUDENT DOWN"));
        QVERIFY(!ui->director_external_student_sat_down_checkBox->isChecked());
        QCOMPARE(ui->director_interior_teacher_pano_lineEdit->text(), QStringLiteral("CAM T-WIDE"));
        QVERIFY(!ui->director_interior_student_feature_checkBox->isChecked());
        QVERIFY(ui->director_interior_board_blackboard_checkBox_2->isChecked());
        QCOMPARE(ui->director_interior_min_switch_time_label->text(), QStringLiteral("5"));
        QCOMPARE(ui->director_keep_interval_label->value(), 3);
        // The pano connects put the cameras' addresses into the tab.
        QCOMPARE(ui->director_teacher_IP_Edit->text(), addressOf(Slot::TeacherPano));
        QCOMPARE(ui->director_student_IP_Edit->text(), addressOf(Slot::StudentPano));
        QTRY_VERIFY_WITH_TIMEOUT(!ui->teacher_labVideo_pano->pixmap(Qt::ReturnByValue).isNull(), kPictureTimeoutMs);
    }

    // The board cameras: Obtain reads the teacher pano camera's blackboard settings; a status
    // pushed by the board pano camera brings its block and its blackboard codes.
    void boardTabFromTheCameras()
    {
        MainWindow *w = window.get();
        Ui::MainWindow *ui = w->ui;
        connectSlot(Slot::BoardFeature, ui->tab_board, ui->board_feature_IP_Edit, ui->board_feature_connect_Button);
        connectSlot(Slot::BoardPano, ui->tab_board, ui->board_pano_IP_Edit, ui->board_pano_connect_Button);
        QTRY_VERIFY_WITH_TIMEOUT(w->udp_board_pano_flag, kReplyMs);
        ui->board_enable_checkBox->setChecked(false);
        ui->board_enable_checkBox_2->setChecked(false);
        boxes.clear();
        ui->board_obtain_Button->click();
        QTRY_VERIFY_WITH_TIMEOUT(boxes.texts().contains(QStringLiteral("teacher obtain success")), kReplyMs);
        QVERIFY(ui->board_enable_checkBox->isChecked());
        QVERIFY(ui->board_enable_checkBox_2->isChecked());
        QCOMPARE(ui->board_lost_pano_delay_label->value(), 45);

        QVERIFY(camera(Slot::BoardPano)->pushDatagram(false, "board_parameter\nboard_tracking_status=stop",
                                                       QHostAddress(QStringLiteral("127.0.0.1")), 7791));
        QTRY_COMPARE_WITH_TIMEOUT(ui->director_external_board_none_action_lineEdit->text(), QStringLiteral("BOARD IDLE"),
                                  kReplyMs);
        QVERIFY(!ui->director_external_board_none_action_checkBox->isChecked());
        QVERIFY(ui->director_protocol_tcp_radioButton->isChecked());
        QCOMPARE(ui->director_server_IP_Edit->text(), QStringLiteral("127.0.0.10"));
        QCOMPARE(ui->board_sensitivity_label->text(), QStringLiteral("3"));
        QCOMPARE(ui->board_target_lost_timeout_Slider->value(), 7);
        QVERIFY(ui->board_multi_object_pano_two_radioButton->isChecked());
        QVERIFY(ui->board_lose_object_pano_two_radioButton->isChecked());
        QCOMPARE(ui->board_version_pano_info_label->text(), QStringLiteral("BOARD-P 2.2"));
        QCOMPARE(w->board_track_start, QPoint(95, 377));
        QCOMPARE(w->board_track_end, QPoint(245, 450));
        QCOMPARE(w->board_shield_start[0], QPoint(35, 355));
        QCOMPARE(w->board_shield_end[0], QPoint(80, 385));
        QVERIFY(ui->board_shield_one_checkBox->isChecked() && ui->board_shield_two_checkBox->isChecked());
        QVERIFY(!ui->board_shield_three_checkBox->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(!ui->board_labVideo_feature->pixmap(Qt::ReturnByValue).isNull(), kPictureTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!ui->board_labVideo_pano->pixmap(Qt::ReturnByValue).isNull(), kPictureTimeoutMs);
    }

    // The two tabs with the parameter panel unfolded.
    void shots()
    {
        MainWindow *w = window.get();
        Ui::MainWindow *ui = w->ui;
        ui->tabWidget->setCurrentWidget(ui->tab_board);
        if (w->width() != 1164)
            w->tab_layout->toggle_param_panel();
        QTest::qWait(300); // a few pictures after the resize
        saveShot(w, QStringLiteral("board_tab.png"));
        ui->tabWidget->setCurrentWidget(ui->tab_host);
        QTest::qWait(100);
        saveShot(w, QStringLiteral("director_tab.png"));
        QCOMPARE(w->width(), 1164);
    }
};

QTEST_MAIN(tst_BoardDirectorInstallation)
#include "tst_board_director_installation.moc"
