// The window's request poller: the boxes of answered and unanswered obtains and applies, the
// quiet re-obtains, and that no failure is ever reported as a success (late echoes, a request
// whose camera went away, a failed quiet re-obtain). The poll and the waits run 50 times
// faster than in the program.
#include "core/time_scale.h"
#include "guide/guideconfig.h"
#include "log_capture.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QtTest>

#include <memory>

using request_poller::Kind;

namespace {

constexpr double kTimeScale = 0.02; // a 500 ms poll every 10 ms
// Waits for boxes are bounded well beyond the eleven polls of a failure.
constexpr int kBoxWaitMs = 3000;

// A presenter that keeps each box open for a while, running an event loop as a modal box does,
// so that the poll runs again while the box is open.
class ModalPresenter : public msgbox::Presenter
{
public:
    explicit ModalPresenter(int openMs) : m_openMs(openMs) { msgbox::setPresenter(this); }
    ~ModalPresenter() override { msgbox::setPresenter(nullptr); }
    QMessageBox::StandardButton present(const msgbox::Request &request) override
    {
        texts << request.text;
        QTest::qWait(m_openMs);
        return QMessageBox::Ok;
    }
    QStringList texts;

private:
    int m_openMs;
};

struct Window {
    std::unique_ptr<MainWindow> w;
    QHostAddress teacherPano{QStringLiteral("127.0.0.2")};
    QHostAddress studentPano{QStringLiteral("127.0.0.3")};
    Window()
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        w.reset(new MainWindow);
        // Connected pano cameras as far as the parameter code looks.
        w->udp_teacher_pano_flag = true;
        w->teacher_pano_destination = &teacherPano;
        w->udp_student_pano_flag = true;
        w->student_pano_destination = &studentPano;
    }
    ~Window()
    {
        w->teacher_pano_destination = nullptr;
        w->student_pano_destination = nullptr;
        w->udp_teacher_pano_flag = w->udp_student_pano_flag = false;
        delete w->guide_config; // the window never deletes its wizard
    }
    MainWindow *operator->() const { return w.get(); }
};

// Handles events for ms milliseconds (the scaled time of n polls and more).
void pollFor(int polls) { QTest::qWait(int(polls * 500 * kTimeScale) + 20); }

} // namespace

class tst_RequestPollerWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { timescale::setFactor(kTimeScale); }
    void cleanupTestCase() { timescale::setFactor(1.0); }

    void obtainSuccess_data()
    {
        QTest::addColumn<bool>("teacher");
        QTest::addColumn<QString>("text");
        QTest::newRow("teacher") << true << "teacher obtain success";
        QTest::newRow("student") << false << "student obtain success";
    }

    void obtainSuccess()
    {
        QFETCH(bool, teacher);
        QFETCH(QString, text);
        Window w;
        RecordingPresenter boxes;
        (teacher ? w->ui->teacher_obtain_Button : w->ui->student_obtain_Button)->click();
        QVERIFY(teacher ? w->teacher_obtain_wait : w->student_obtain_wait);
        QVERIFY(w->answer_request(teacher ? Kind::TeacherObtain : Kind::StudentObtain));
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{text}, kBoxWaitMs);
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Information"));
        QCOMPARE(boxes.shown[0].icon, QMessageBox::Information);
        QCOMPARE(boxes.shown[0].parent, w.w.get());
        QVERIFY(!w->teacher_obtain_wait && !w->teacher_obtain_ok);
        pollFor(15);
        QCOMPARE(boxes.shown.size(), 1);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("log");
        QTest::newRow("teacher obtain") << "teacher_obtain_Button" << "teacher obtain fail"
                                        << "MainWindow::Teacher Obtain Timeout Notice!!!";
        QTest::newRow("teacher apply") << "teacher_apply_Button" << "teacher apply fail"
                                       << "MainWindow::Teacher Apply Timeout Notice!!!";
        QTest::newRow("student obtain") << "student_obtain_Button" << "student obtain fail" << "i: 11";
        QTest::newRow("student apply") << "student_apply_Button" << "student apply fail" << "l: 11";
    }

    // No answer: one failure box at the eleventh poll, and the request is over.
    void failures()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        QFETCH(QString, log);
        Window w;
        RecordingPresenter boxes;
        LogCapture lines;
        QElapsedTimer clock;
        clock.start();
        w->findChild<QPushButton *>(button)->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{text}, kBoxWaitMs);
        // Not before ten polls have passed.
        QVERIFY2(clock.elapsed() >= qint64(10 * 500 * kTimeScale), qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Warning"));
        QCOMPARE(boxes.shown[0].icon, QMessageBox::Warning);
        QVERIFY(lines.contains(log));
        QVERIFY(!w->teacher_obtain_wait && !w->teacher_apply_wait && !w->student_obtain_wait && !w->student_apply_wait);
        pollFor(15);
        QCOMPARE(boxes.shown.size(), 1);
    }

    // The echo of an obtain that already failed arrives while an apply of the same camera
    // waits: it counts for nothing, and the next obtain waits for its own answer.
    void lateEchoAfterFailure()
    {
        Window w;
        RecordingPresenter boxes;
        w->ui->teacher_obtain_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{QStringLiteral("teacher obtain fail")}, kBoxWaitMs);
        w->ui->teacher_apply_Button->click();
        QVERIFY(!w->answer_request(Kind::TeacherObtain)); // the late echo
        QVERIFY(w->answer_request(Kind::TeacherApply));
        w->ui->teacher_obtain_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts().size(), 3, kBoxWaitMs);
        QCOMPARE(boxes.texts(), (QStringList{QStringLiteral("teacher obtain fail"), QStringLiteral("teacher apply success"),
                                             QStringLiteral("teacher obtain fail")}));
        // Even an answered flag set behind the poller's back does not survive a new request.
        w->teacher_apply_ok = true;
        w->ui->teacher_apply_Button->click();
        pollFor(3);
        QCOMPARE(boxes.texts().size(), 3);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts().size(), 4, kBoxWaitMs);
        QCOMPARE(boxes.texts().last(), QStringLiteral("teacher apply fail"));
    }

    // Two applies in a row, each answered: two success boxes, one each.
    void twoRequestsInARow()
    {
        Window w;
        RecordingPresenter boxes;
        w->ui->student_apply_Button->click();
        w->answer_request(Kind::StudentApply);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts().size(), 1, kBoxWaitMs);
        w->ui->student_apply_Button->click();
        w->answer_request(Kind::StudentApply);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts().size(), 2, kBoxWaitMs);
        QCOMPARE(boxes.texts(), (QStringList{QStringLiteral("student apply success"),
                                             QStringLiteral("student apply success")}));
        QCOMPARE(w->ui->student_apply_Button->text(), QStringLiteral("Apply"));
    }

    // The pano camera goes away while its obtain waits: no box, and neither the old count nor
    // an answer reaches the next obtain.
    void disconnectWhilePending()
    {
        Window w;
        RecordingPresenter boxes;
        w->ui->teacher_obtain_Button->click();
        w->answer_request(Kind::TeacherObtain);
        w->requests.cancel(Kind::TeacherObtain); // what the pano disconnect does
        pollFor(15);
        QVERIFY(boxes.shown.isEmpty());
        w->ui->teacher_obtain_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{QStringLiteral("teacher obtain fail")}, kBoxWaitMs);
    }

    // A lectern-mode M19: after "teacher apply success" the settings are read back without a
    // box. When that quiet re-obtain fails, the failure is shown, and the installer's next
    // obtain gets its success box again.
    void quietReobtainAfterApply()
    {
        Window w;
        RecordingPresenter boxes;
        LogCapture lines;
        w->teacher_feature_device_model = QStringLiteral("M19");
        w->ui->lectern_mode_radioButton->setChecked(true);
        w->ui->teacher_apply_Button->click();
        w->answer_request(Kind::TeacherApply);
        QTRY_VERIFY_WITH_TIMEOUT(w->teacher_obtain_wait, kBoxWaitMs);
        QVERIFY(w->teacher_silent_obtain_flag);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("teacher apply success")});
        w->answer_request(Kind::TeacherObtain);
        QTRY_VERIFY_WITH_TIMEOUT(lines.contains(QStringLiteral("Nothing will be executed!")), kBoxWaitMs);
        pollFor(3);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("teacher apply success")});

        // Again, and this time the camera stays silent.
        w->ui->teacher_apply_Button->click();
        w->answer_request(Kind::TeacherApply);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts().size(), 3, kBoxWaitMs);
        QCOMPARE(boxes.texts().last(), QStringLiteral("teacher obtain fail"));
        QVERIFY(!w->teacher_silent_obtain_flag);
        w->ui->binocular_mode_radioButton->setChecked(true);
        w->ui->teacher_obtain_Button->click();
        w->answer_request(Kind::TeacherObtain);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts().size(), 4, kBoxWaitMs);
        QCOMPARE(boxes.texts().last(), QStringLiteral("teacher obtain success"));
    }

    // A quiet re-obtain that never went out (the camera went away meanwhile) leaves nothing
    // quiet behind.
    void quietReobtainNeverSent()
    {
        Window w;
        RecordingPresenter boxes;
        w->udp_teacher_pano_flag = false;
        w->teacher_obtain(true);
        QVERIFY(!w->teacher_silent_obtain_flag);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Please connect the camera")});
        w->udp_teacher_pano_flag = true;
        w->ui->teacher_obtain_Button->click();
        w->answer_request(Kind::TeacherObtain);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts().size(), 2, kBoxWaitMs);
        QCOMPARE(boxes.texts().last(), QStringLiteral("teacher obtain success"));
    }

    // After a successful auto-calibration pass the points are read back and the calibration
    // dialog told once, without a box.
    void autocalibrationObtain()
    {
        Window w;
        RecordingPresenter boxes;
        QSignalSpy success(w.w.get(), &MainWindow::autocalibrate_update_success);
        w->resolve_student_autocalibrate_status(QStringLiteral("success"));
        QVERIFY(w->student_obtain_wait);
        QVERIFY(w->student_silent_obtain_flag);
        w->answer_request(Kind::StudentObtain);
        QTRY_COMPARE_WITH_TIMEOUT(success.count(), 1, kBoxWaitMs);
        pollFor(15);
        QCOMPARE(success.count(), 1);
        QVERIFY(boxes.shown.isEmpty());

        // A failed one says so, and the next obtain has its box.
        w->resolve_student_autocalibrate_status(QStringLiteral("done"));
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{QStringLiteral("student obtain fail")}, kBoxWaitMs);
        QCOMPARE(success.count(), 1);
        w->ui->student_obtain_Button->click();
        w->answer_request(Kind::StudentObtain);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts().size(), 2, kBoxWaitMs);
        QCOMPARE(boxes.texts().last(), QStringLiteral("student obtain success"));
    }

    // While a box is open the poll goes on: other requests end in boxes of their own, and no
    // outcome is shown twice.
    void boxesStayOpen()
    {
        Window w;
        ModalPresenter boxes(150);
        w->requests.arm(Kind::TeacherObtain);
        w->requests.arm(Kind::TeacherApply);
        w->requests.arm(Kind::StudentApply);
        w->answer_request(Kind::TeacherObtain);
        w->answer_request(Kind::TeacherApply);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts.size(), 3, kBoxWaitMs);
        pollFor(20);
        QCOMPARE(boxes.texts.size(), 3);
        QCOMPARE(boxes.texts.count(QStringLiteral("teacher obtain success")), 1);
        QCOMPARE(boxes.texts.count(QStringLiteral("teacher apply success")), 1);
        QCOMPARE(boxes.texts.count(QStringLiteral("student apply fail")), 1);
    }
};

QTEST_MAIN(tst_RequestPollerWindow)
#include "tst_request_poller_window.moc"
