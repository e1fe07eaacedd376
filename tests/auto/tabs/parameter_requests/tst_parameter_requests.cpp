// The request poller without the window: the box of each answered or unanswered obtain and
// apply, the quiet obtains, a failed quiet re-obtain, and boxes that stay open while the poll
// goes on. Late echoes, stale answers and cancels are rows of the poller's own script in
// tst_parameter_block. The poll runs 50 times faster than in the program.
#include "core/time_scale.h"
#include "log_capture.h"
#include "model/camera_slots.h"
#include "protocol/tracking_modes.h"
#include "recording_presenter.h"
#include "tabs/parameter_requests.h"

#include <QElapsedTimer>
#include <QtTest>

using request_poller::Kind;

namespace {

constexpr double kTimeScale = 0.02; // a 500 ms poll every 10 ms
constexpr int kBoxWaitMs = 3000;    // well beyond the eleven polls of a failure

// Handles events for n polls and a little more.
void pollFor(int polls) { QTest::qWait(int(polls * 500 * kTimeScale) + 20); }

// Keeps each box open a while, running an event loop as a modal box does.
class ModalPresenter : public msgbox::Presenter
{
public:
    ModalPresenter() { msgbox::setPresenter(this); }
    ~ModalPresenter() override { msgbox::setPresenter(nullptr); }
    QMessageBox::StandardButton present(const msgbox::Request &request) override
    {
        texts << request.text;
        QTest::qWait(150);
        return QMessageBox::Ok;
    }
    QStringList texts;
};

// The teacher close-up camera's model and the tracking mode as the requests read them; what they
// ask for beyond their boxes is counted.
struct Tab {
    QWidget window;
    CameraSlots cameras;
    TeacherSection teacher;
    ParameterRequests requests{cameras, teacher, &window};
    int reobtains = 0;
    int readBacks = 0;
    Tab()
    {
        // As the Teacher tab's quiet obtain does once its block went out.
        QObject::connect(&requests, &ParameterRequests::teacher_obtain_wanted, [this](bool silent) {
            ++reobtains;
            requests.arm(Kind::TeacherObtain, silent);
        });
        QObject::connect(&requests, &ParameterRequests::student_points_read_back, [this] { ++readBacks; });
        requests.start_polling();
    }
    void set_model(const QString &model, bool lectern)
    {
        cameras[camera_slot::Slot::TeacherFeature].device_model = model;
        teacher.tracking_mode = lectern ? tracking_modes::Lectern : tracking_modes::Follow;
    }
};

} // namespace

class tst_ParameterRequests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { timescale::setFactor(kTimeScale); }
    void cleanupTestCase() { timescale::setFactor(1.0); }

    // Each request ends once: answered in a box of success (a quiet obtain without one),
    // unanswered in a box of failure at the eleventh poll, with its log line. The bookkeeping
    // of every kind is a script of tst_parameter_block; the box of each kind is in the behaviour
    // recorder's records.
    void outcomes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("log");
        const int to = int(Kind::TeacherObtain), ta = int(Kind::TeacherApply);
        const int so = int(Kind::StudentObtain);
        QTest::newRow("teacher apply") << ta << false << true << "teacher apply success" << "teacher apply success!";
        QTest::newRow("quiet teacher obtain") << to << true << true << "" << "Nothing will be executed!";
        QTest::newRow("quiet student obtain") << so << true << true << "" << "get  success!";
        QTest::newRow("student obtain fails") << so << false << false << "student obtain fail" << "i: 11";
        QTest::newRow("quiet teacher obtain fails") << to << true << false << "teacher obtain fail" << "";
    }
    void outcomes()
    {
        QFETCH(int, kind);
        QFETCH(bool, silent);
        QFETCH(bool, answered);
        QFETCH(QString, box);
        QFETCH(QString, log);
        RecordingPresenter boxes;
        LogCapture lines;
        Tab t;
        QElapsedTimer clock;
        clock.start();
        t.requests.arm(Kind(kind), silent);
        QVERIFY(t.requests.pending(Kind(kind)));
        if (answered)
            QVERIFY(t.requests.answer_request(Kind(kind)));
        QTRY_VERIFY_WITH_TIMEOUT(!t.requests.pending(Kind(kind)), kBoxWaitMs);
        if (!answered) // not before ten polls have passed
            QVERIFY2(clock.elapsed() >= qint64(10 * 500 * kTimeScale), qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(boxes.texts(), box.isEmpty() ? QStringList() : QStringList{box});
        if (!box.isEmpty()) {
            QCOMPARE(boxes.shown[0].title, answered ? QStringLiteral("Information") : QStringLiteral("Warning"));
            QCOMPARE(boxes.shown[0].icon, answered ? QMessageBox::Information : QMessageBox::Warning);
            QCOMPARE(boxes.shown[0].parent, &t.window);
        }
        if (!log.isEmpty())
            QVERIFY(lines.contains(log));
        QCOMPARE(t.readBacks, silent && answered && Kind(kind) == Kind::StudentObtain ? 1 : 0);
        QVERIFY(!t.requests.flags(Kind(kind)).silent);
        pollFor(15);
        QCOMPARE(boxes.shown.size(), box.isEmpty() ? 0 : 1);
    }

    // A lectern-mode M19 changes its own settings with an apply: after the success box they
    // are read back quietly; a quiet re-obtain that fails says so and leaves nothing quiet.
    void lecternReobtain_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("lectern");
        QTest::addColumn<bool>("answered");
        QTest::newRow("M19, lectern, answered") << "M19" << true << true;
        QTest::newRow("M19, lectern, silent") << "M19" << true << false;
        QTest::newRow("M19, other mode") << "M19" << false << true;
        QTest::newRow("J57, lectern") << "J57" << true << true;
    }
    void lecternReobtain()
    {
        QFETCH(QString, model);
        QFETCH(bool, lectern);
        QFETCH(bool, answered);
        RecordingPresenter boxes;
        Tab t;
        t.set_model(model, lectern);
        t.requests.arm(Kind::TeacherApply);
        t.requests.answer_request(Kind::TeacherApply);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{QStringLiteral("teacher apply success")}, kBoxWaitMs);
        const bool again = model == QLatin1String("M19") && lectern;
        QCOMPARE(t.reobtains, again ? 1 : 0);
        QCOMPARE(t.requests.pending(Kind::TeacherObtain), again);
        if (again && answered)
            t.requests.answer_request(Kind::TeacherObtain);
        QTRY_VERIFY_WITH_TIMEOUT(!t.requests.pending(Kind::TeacherObtain), kBoxWaitMs);
        QCOMPARE(boxes.texts().size(), again && !answered ? 2 : 1);
        QVERIFY(!t.requests.flags(Kind::TeacherObtain).silent);
    }

    // Every request of a poll is settled before a box opens: while one is open the poll goes
    // on, and no outcome is shown twice.
    void boxesStayOpen()
    {
        ModalPresenter boxes;
        Tab t;
        t.requests.arm(Kind::TeacherObtain);
        t.requests.arm(Kind::TeacherApply);
        t.requests.arm(Kind::StudentApply);
        t.requests.answer_request(Kind::TeacherObtain);
        t.requests.answer_request(Kind::TeacherApply);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts.size(), 3, kBoxWaitMs);
        pollFor(20);
        boxes.texts.sort();
        QCOMPARE(boxes.texts, (QStringList{"student apply fail", "teacher apply success", "teacher obtain success"}));
    }
};

QTEST_MAIN(tst_ParameterRequests)
#include "tst_parameter_requests.moc"
