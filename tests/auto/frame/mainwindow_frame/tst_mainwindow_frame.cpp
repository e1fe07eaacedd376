#include "regions/customgraphicsscene.h"
#include "regions/customgraphicsview.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "window_holder.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QNetworkProxy>
#include <QScrollBar>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

namespace {
} // namespace

class tst_MainWindowFrame : public QObject
{
    Q_OBJECT

private slots:
    void init() { testenv::removeConfigIni(); }

    void frame()
    {
        RecordingPresenter boxes;
        // Five cameras: the layout keeps the Board page.
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Number_Camera=2\n"));
        WindowHolder h;
        h.window.reset(new MainWindow);
        MainWindow *w = h.window.get();
        QCOMPARE(gMainWindow, w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Corvane V3.0.1"));
        QCOMPARE(w->size(), QSize(899, 757));
        QCOMPARE(w->minimumSize(), QSize(899, 757));
        QCOMPARE(w->maximumSize(), QSize(899, 757));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

        // Titles follow the page objects.
        const QList<QPair<QWidget *, QString>> pages = {
            {w->ui->tab_teacher, "Teacher"}, {w->ui->tab_student, "Student"},
            {w->ui->tab_board, "Board"},     {w->ui->tab_host, "Director"},
            {w->ui->tab_6, "Upgrade"},       {w->ui->tab_3, "Wizard Config"},
            {w->ui->tab_16, "Recorder Map Config"}, {w->ui->tab_15, "Options"}};
        QCOMPARE(w->ui->tabWidget->count(), pages.size());
        for (int i = 0; i < pages.size(); ++i) {
            QCOMPARE(w->ui->tabWidget->widget(i), pages[i].first);
            QCOMPARE(w->ui->tabWidget->tabText(i), pages[i].second);
        }
        QCOMPARE(w->ui->tabWidget->currentIndex(), 0);
        QCOMPARE(w->ui->tabWidget->geometry(), QRect(6, 6, 1141, 746));

        // The region view over the teacher panorama preview.
        auto *view = qobject_cast<CustomGraphicsView *>(w->ui->graphicsView);
        QVERIFY(view);
        QCOMPARE(view->parentWidget(), w->ui->teacher_pano_region_widget);
        QCOMPARE(view->scene(), static_cast<QGraphicsScene *>(w->region_editor->scene()));
        QCOMPARE(w->region_editor->scene()->sceneRect(), QRectF(0, 0, 480, 270));
        QCOMPARE(gGraphicsScene, w->region_editor->scene());
        QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(boxes.shown.isEmpty());
    }

    void timersAndSockets()
    {
        WindowHolder h;
        h.window.reset(new MainWindow);
        MainWindow *w = h.window.get();
        struct T { QTimer *timer; int interval; bool single; bool active; };
        const QList<T> timers = {
            {w->response_timeout_timer, 10000, true, false},
            {w->teacher_auto_calibration_timer, 5000, true, false},
            {w->student_auto_calibration_timer, 5000, true, false},
            {w->teacher_pano_keepalive_timer, 900000, true, false},
            {w->teacher_feature_keepalive_timer, 900000, true, false},
            {w->student_pano_keepalive_timer, 900000, true, false},
            {w->student_feature_keepalive_timer, 900000, true, false},
            {w->camera_connections->stop_connect_timer(), 500, false, false},
            {w->para_response_timer, 500, false, true},
        };
        for (const T &t : timers) {
            QVERIFY(t.timer);
            QCOMPARE(t.timer->interval(), t.interval);
            QCOMPARE(t.timer->isSingleShot(), t.single);
            QCOMPARE(t.timer->isActive(), t.active);
        }
        // Nothing is bound or connected by the set-up; port 7791 is bound by the camera links.
        for (QAbstractSocket *s : std::initializer_list<QAbstractSocket *>{
                 w->control_link->command_socket(), w->control_link->reply_socket(), w->control_link->side_socket(1),
                 w->control_link->side_socket(2), w->discovery_socket, w->unicast_socket, w->search_socket}) {
            QVERIFY(s);
            QCOMPARE(s->state(), QAbstractSocket::UnconnectedState);
        }
        QCOMPARE(w->control_link->command_socket()->proxy().type(), QNetworkProxy::NoProxy);
        QCOMPARE(w->control_link->side_socket(1)->proxy().type(), QNetworkProxy::NoProxy);
        QVERIFY(!w->udp_teacher_feature_flag && !w->udp_board_pano_flag && !w->control_link->tcp_socket_flag());
        QCOMPARE(w->teacher_cur_track_status, 2);
        QCOMPARE(w->T_RTSP_Port, QStringLiteral("554"));
        QCOMPARE(w->Mcast_Port, QStringLiteral("8005"));
        QCOMPARE(w->teacher_udp_port, 6791);
        QCOMPARE(w->teacher_tcp_port, 6793);
        QCOMPARE(w->teacher_visca_port, 1259);
        QCOMPARE(w->discovery_card_index, -1);
    }

    void boardTabByLayout_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<int>("tabs");
        QTest::addColumn<int>("layout");
        QTest::newRow("layout 0") << "[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=0\n" << 7 << 0;
        QTest::newRow("layout 1") << "[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=1\n" << 7 << 1;
        QTest::newRow("layout 2") << "[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=2\n" << 8 << 2;
        QTest::newRow("layout 3") << "[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n" << 8 << 3;
        QTest::newRow("layout 7 falls back") << "[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=7\n" << 7 << 0;
        QTest::newRow("layout -1 falls back") << "[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=-1\n" << 7 << 0;
        // The stored layout applies while the wizard runs, too.
        QTest::newRow("wizard state, layout 0") << "[TEACHER_CONF]\nTracking_Guide_State=0\n" << 7 << 0;
        QTest::newRow("wizard state, layout 2") << "[TEACHER_CONF]\nTracking_Guide_State=0\nTracking_Number_Camera=2\n" << 8 << 2;
    }

    void boardTabByLayout()
    {
        QFETCH(QString, ini);
        QFETCH(int, tabs);
        QFETCH(int, layout);
        testenv::writeConfigIni(ini);
        if (ini.contains(QStringLiteral("=7")) || ini.contains(QStringLiteral("=-1")))
            QTest::ignoreMessage(QtDebugMsg, "84  Obtain configuration exception!");
        WindowHolder h;
        h.window.reset(new MainWindow);
        MainWindow *w = h.window.get();
        QCOMPARE(w->ui->tabWidget->count(), tabs);
        QCOMPARE(w->config_number_camera, layout);
        const int boardIndex = w->ui->tabWidget->indexOf(w->ui->tab_board);
        QCOMPARE(boardIndex, tabs == 8 ? 2 : -1);
        if (tabs == 8)
            QCOMPARE(w->ui->tabWidget->tabText(2), QStringLiteral("Board"));
    }

    void missingStateLogged()
    {
        QTest::ignoreMessage(QtDebugMsg, "79  Obtain configuration exception!");
        WindowHolder h;
        h.window.reset(new MainWindow);
        QCOMPARE(h.window->getStartState(), QStringLiteral("0"));
        QVERIFY(h.window->guide_config->isVisible());
    }

    void eventFilterPassesEvents()
    {
        WindowHolder h;
        h.window.reset(new MainWindow);
        QPaintEvent paint(QRect(0, 0, 10, 10));
        QObject *asObject = h.window.get();
        QVERIFY(!asObject->eventFilter(h.window->ui->tab_teacher, &paint));
    }
};

QTEST_MAIN(tst_MainWindowFrame)
#include "tst_mainwindow_frame.moc"
