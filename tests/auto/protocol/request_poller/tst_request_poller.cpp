// The bookkeeping of obtain and apply requests: a poll reports an answered request as a
// success at its next tick and an unanswered one as a failure at its eleventh, and never
// reports a failed or stale request as a success.
#include "protocol/request_poller.h"

#include <QtTest>

using request_poller::Kind;
using request_poller::Outcome;
using request_poller::Requests;
using request_poller::Result;

Q_DECLARE_METATYPE(Kind)

namespace {
// Polls until something ends (at most limit polls); the results of that poll, and how many
// polls it took.
QVector<Result> pollUntilEnded(Requests &r, int limit, int *polls)
{
    for (*polls = 1; *polls <= limit; ++*polls) {
        const QVector<Result> ended = r.tick();
        if (!ended.isEmpty())
            return ended;
    }
    return {};
}

bool idle(const Requests &r, Kind k)
{
    const request_poller::Pair &p = r[k];
    return !p.wait && !p.ok && p.ticks == 0 && !p.silent;
}
} // namespace

class tst_RequestPoller : public QObject
{
    Q_OBJECT

private slots:
    void kinds_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("teacher obtain") << Kind::TeacherObtain;
        QTest::newRow("teacher apply") << Kind::TeacherApply;
        QTest::newRow("student obtain") << Kind::StudentObtain;
        QTest::newRow("student apply") << Kind::StudentApply;
    }

    // An answer that comes before the first poll is reported at that poll.
    void successAtFirstTick_data() { kinds_data(); }
    void successAtFirstTick()
    {
        QFETCH(Kind, kind);
        Requests r;
        r.arm(kind);
        QVERIFY(r.answer(kind));
        const QVector<Result> ended = r.tick();
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0].kind, kind);
        QCOMPARE(ended[0].outcome, Outcome::Succeeded);
        QCOMPARE(ended[0].ticks, 1);
        QVERIFY(idle(r, kind));
        QVERIFY(r.tick().isEmpty());
    }

    // Ten polls pass quietly; the eleventh reports the failure once.
    void failureAtEleventhTick_data() { kinds_data(); }
    void failureAtEleventhTick()
    {
        QFETCH(Kind, kind);
        Requests r;
        r.arm(kind);
        int polls = 0;
        const QVector<Result> ended = pollUntilEnded(r, 20, &polls);
        QCOMPARE(polls, 11);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0].outcome, Outcome::Failed);
        QCOMPARE(ended[0].ticks, 11);
        QVERIFY(idle(r, kind));
        for (int i = 0; i < 15; ++i)
            QVERIFY(r.tick().isEmpty());
    }

    // An answer between the tenth and the eleventh poll comes too late: the count decides first.
    void answerAtTheLimitIsAFailure()
    {
        Requests r;
        r.arm(Kind::TeacherApply);
        for (int i = 0; i < 10; ++i)
            QVERIFY(r.tick().isEmpty());
        QVERIFY(r.answer(Kind::TeacherApply));
        const QVector<Result> ended = r.tick();
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0].outcome, Outcome::Failed);
    }

    // The echo of a request that already failed finds nothing pending and counts for nothing;
    // the next request of that kind waits for its own answer.
    void lateEchoAfterFailure()
    {
        Requests r;
        r.arm(Kind::TeacherObtain);
        int polls = 0;
        QCOMPARE(pollUntilEnded(r, 20, &polls)[0].outcome, Outcome::Failed);
        QVERIFY(!r.answer(Kind::TeacherObtain));
        QVERIFY(!r[Kind::TeacherObtain].ok);
        r.arm(Kind::TeacherObtain);
        QVERIFY(r.tick().isEmpty());
        const QVector<Result> ended = pollUntilEnded(r, 20, &polls);
        QCOMPARE(ended[0].outcome, Outcome::Failed);
        QCOMPARE(polls, 10); // the first of its eleven polls ran above
    }

    // Even an answered flag left over from elsewhere is dropped when a request is armed.
    void armClearsAStaleAnswerAndTheCount()
    {
        Requests r;
        r[Kind::StudentApply].ok = true;
        r[Kind::StudentApply].ticks = 9;
        r.arm(Kind::StudentApply);
        QVERIFY(r.tick().isEmpty());
        QCOMPARE(r[Kind::StudentApply].ticks, 1);
    }

    // Two requests in a row: each is reported once, and the second one's wait starts at its
    // own sending.
    void twoRequestsInARow()
    {
        Requests r;
        r.arm(Kind::TeacherApply);
        QVERIFY(r.answer(Kind::TeacherApply));
        QCOMPARE(r.tick().value(0).outcome, Outcome::Succeeded);
        r.arm(Kind::TeacherApply);
        QVERIFY(r.answer(Kind::TeacherApply));
        QCOMPARE(r.tick().value(0).outcome, Outcome::Succeeded);
        QVERIFY(r.tick().isEmpty());

        // A second request while the first one waits: the count starts afresh.
        r.arm(Kind::StudentObtain);
        for (int i = 0; i < 8; ++i)
            QVERIFY(r.tick().isEmpty());
        r.arm(Kind::StudentObtain);
        int polls = 0;
        QCOMPARE(pollUntilEnded(r, 20, &polls)[0].outcome, Outcome::Failed);
        QCOMPARE(polls, 11);
    }

    // The camera goes away while its request waits: the request ends with no outcome, and
    // neither a late answer nor the old count reaches the next one.
    void cancelWhilePending()
    {
        Requests r;
        r.arm(Kind::TeacherObtain, true);
        for (int i = 0; i < 5; ++i)
            r.tick();
        QVERIFY(r.answer(Kind::TeacherObtain));
        r.cancel(Kind::TeacherObtain);
        QVERIFY(idle(r, Kind::TeacherObtain));
        QVERIFY(r.tick().isEmpty());
        QVERIFY(!r.answer(Kind::TeacherObtain));
        r.arm(Kind::TeacherObtain);
        int polls = 0;
        const QVector<Result> ended = pollUntilEnded(r, 20, &polls);
        QCOMPARE(polls, 11);
        QVERIFY(!ended[0].silent);
    }

    // The silent flag goes with the armed request only: a failed silent request does not hide
    // the success of the next one.
    void silentFlagEndsWithItsRequest()
    {
        Requests r;
        r.arm(Kind::TeacherObtain, true);
        QVERIFY(r[Kind::TeacherObtain].silent);
        int polls = 0;
        const QVector<Result> failed = pollUntilEnded(r, 20, &polls);
        QCOMPARE(failed[0].outcome, Outcome::Failed);
        QVERIFY(failed[0].silent);
        QVERIFY(!r[Kind::TeacherObtain].silent);

        r.arm(Kind::TeacherObtain);
        r.answer(Kind::TeacherObtain);
        const QVector<Result> ok = r.tick();
        QCOMPARE(ok[0].outcome, Outcome::Succeeded);
        QVERIFY(!ok[0].silent);

        // A silent success is reported as silent once.
        r.arm(Kind::StudentObtain, true);
        r.answer(Kind::StudentObtain);
        const QVector<Result> quiet = r.tick();
        QVERIFY(quiet[0].silent);
        QVERIFY(!r[Kind::StudentObtain].silent);

        // The installer's own request replaces a silent one still waiting.
        r.arm(Kind::StudentObtain, true);
        r.arm(Kind::StudentObtain, false);
        r.answer(Kind::StudentObtain);
        QVERIFY(!r.tick()[0].silent);

        // Applies are never silent.
        r.arm(Kind::TeacherApply, true);
        QVERIFY(!r[Kind::TeacherApply].silent);
    }

    // One poll looks at the kinds in their fixed order and leaves the idle ones alone, however
    // their answered flags stand.
    void orderAndIdlePairs()
    {
        Requests r;
        r[Kind::TeacherObtain].ok = true; // not pending: skipped
        r.arm(Kind::StudentApply);
        r.arm(Kind::TeacherApply);
        r.arm(Kind::StudentObtain);
        r.answer(Kind::StudentApply);
        r.answer(Kind::TeacherApply);
        r.answer(Kind::StudentObtain);
        const QVector<Result> ended = r.tick();
        QCOMPARE(ended.size(), 3);
        QCOMPARE(ended[0].kind, Kind::TeacherApply);
        QCOMPARE(ended[1].kind, Kind::StudentObtain);
        QCOMPARE(ended[2].kind, Kind::StudentApply);
        QVERIFY(r[Kind::TeacherObtain].ok);
        QCOMPARE(r[Kind::TeacherObtain].ticks, 0);
        r.clear();
        QVERIFY(idle(r, Kind::TeacherObtain));
    }
};

QTEST_APPLESS_MAIN(tst_RequestPoller)
#include "tst_request_poller.moc"
