// The bookkeeping of obtain and apply requests: an answered request succeeds at its next poll,
// an unanswered one fails at its eleventh, and a failed, stale or cancelled request is never
// reported as a success. Each row is a script of steps on the four kinds TO, TA, SO, SA
// (teacher or student, obtain or apply):
//   arm:K / arms:K   arm a request (arms: silent)      ans:K / ans!:K   an echo that counts / does not
//   cancel:K         its camera went away               stale:K          an answered flag and 9 ticks
//                                                                        left over on an idle kind
//   tick             a poll that ends nothing           tick*N           N such polls
//   tick=R,...       a poll that ends these requests, in order: K then + or - (success or
//                    failure), then s when it was silent
#include "protocol/request_poller.h"

#include <QtTest>

using request_poller::Kind;
using request_poller::Outcome;

namespace {
const QStringList kKinds{"TO", "TA", "SO", "SA"};
} // namespace

class tst_RequestPoller : public QObject
{
    Q_OBJECT

private slots:
    void script_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("answer before the first poll") << "arm:TA ans:TA tick=TA+ tick";
        QTest::newRow("ten quiet polls, failure at the eleventh, once") << "arm:SO tick*10 tick=SO- tick*15";
        QTest::newRow("an answer at the limit comes too late") << "arm:TA tick*10 ans:TA tick=TA-";
        QTest::newRow("a late echo after a failure counts for nothing")
            << "arm:TO tick*10 tick=TO- ans!:TO arm:TO tick*10 tick=TO-";
        QTest::newRow("arming clears a stale answer and the count") << "stale:SA arm:SA tick*10 tick=SA-";
        QTest::newRow("a request armed again waits afresh") << "arm:SO tick*8 arm:SO tick*10 tick=SO-";
        QTest::newRow("cancel while pending: no outcome, no late answer, no old count")
            << "arms:TO tick*5 ans:TO cancel:TO tick ans!:TO arm:TO tick*10 tick=TO-";
        QTest::newRow("a failed silent request does not hide the next success")
            << "arms:TO tick*10 tick=TO-s arm:TO ans:TO tick=TO+";
        QTest::newRow("the installer's request replaces a silent one") << "arms:SO ans:SO tick=SO+s arms:SO arm:SO ans:SO tick=SO+";
        QTest::newRow("applies are never silent") << "arms:TA ans:TA tick=TA+";
        QTest::newRow("one poll in the fixed order, idle kinds left alone")
            << "stale:TO arm:SA arm:TA arm:SO ans:SA ans:TA ans:SO tick=TA+,SO+,SA+ tick";
    }

    void script()
    {
        QFETCH(QString, steps);
        request_poller::Requests r;
        for (const QString &step : steps.split(QLatin1Char(' '))) {
            const QString verb = step.section(QRegularExpression(QStringLiteral("[:=*]")), 0, 0);
            const QString arg = step.mid(verb.size() + 1);
            const Kind kind = Kind(kKinds.indexOf(arg));
            if (verb == QLatin1String("arm") || verb == QLatin1String("arms")) {
                r.arm(kind, verb == QLatin1String("arms"));
            } else if (verb == QLatin1String("ans") || verb == QLatin1String("ans!")) {
                QVERIFY2(r.answer(kind) == (verb == QLatin1String("ans")), qPrintable(step));
            } else if (verb == QLatin1String("cancel")) {
                r.cancel(kind);
            } else if (verb == QLatin1String("stale")) {
                r[kind].ok = true;
                r[kind].ticks = 9;
            } else {
                const int polls = step.contains(QLatin1Char('*')) ? arg.toInt() : 1;
                for (int i = 0; i < polls; ++i) {
                    QStringList ended;
                    for (const request_poller::Result &e : r.tick()) {
                        const char *outcome = e.outcome == Outcome::Succeeded ? "+" : "-";
                        ended << kKinds.at(int(e.kind)) + outcome + (e.silent ? "s" : "");
                        // Idle again before the caller shows anything.
                        const request_poller::Pair &p = r[e.kind];
                        QVERIFY(!p.wait && !p.ok && p.ticks == 0 && !p.silent);
                    }
                    QCOMPARE(ended.join(QLatin1Char(',')), step.contains(QLatin1Char('=')) ? arg : QString());
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(tst_RequestPoller)
#include "tst_request_poller.moc"
