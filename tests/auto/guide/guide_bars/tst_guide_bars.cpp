// The wizard's bottom bar and arrow pad: each button gives its own signal, once, and nothing
// else; the pad's direction buttons give a press and a release (the release as soon as the
// pointer leaves), Home one click, and a disabled pad nothing.
#include "guide/arrowkeyviews.h"
#include "guide/buttomview.h"
#include "support/resources.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

using BarSignal = void (ButtomView::*)();
using PadSignal = void (ArrowKeyViews::*)();

const std::pair<const char *, BarSignal> kBarSignals[] = {
    {"exit", &ButtomView::exit_clicked},
    {"previous_step", &ButtomView::previous_step_clicked},
    {"apply", &ButtomView::apply_clicked},
    {"next_step", &ButtomView::next_step_clicked},
};

struct PadButton {
    const char *name;
    PadSignal pressed;  // nullptr: the button reports no press
    PadSignal released; // nullptr: no release
    PadSignal clicked;  // nullptr: no click
};
const PadButton kPadButtons[] = {
    {"ptz_left_up", &ArrowKeyViews::ptz_left_up_pressed, &ArrowKeyViews::ptz_left_up_released, nullptr},
    {"ptz_up", &ArrowKeyViews::ptz_up_pressed, &ArrowKeyViews::ptz_up_released, nullptr},
    {"ptz_right_up", &ArrowKeyViews::ptz_right_up_pressed, &ArrowKeyViews::ptz_right_up_released, nullptr},
    {"ptz_left", &ArrowKeyViews::ptz_left_pressed, &ArrowKeyViews::ptz_left_released, nullptr},
    {"ptz_reset", nullptr, nullptr, &ArrowKeyViews::ptz_reset_click},
    {"ptz_right", &ArrowKeyViews::ptz_right_pressed, &ArrowKeyViews::ptz_right_released, nullptr},
    {"ptz_left_down", &ArrowKeyViews::ptz_left_down_pressed, &ArrowKeyViews::ptz_left_down_released, nullptr},
    {"ptz_down", &ArrowKeyViews::ptz_down_pressed, &ArrowKeyViews::ptz_down_released, nullptr},
    {"ptz_right_down", &ArrowKeyViews::ptz_right_down_pressed, &ArrowKeyViews::ptz_right_down_released, nullptr},
    {"zoom_in", &ArrowKeyViews::zoom_in_pressed, &ArrowKeyViews::zoom_in_released, nullptr},
    {"zoom_out", &ArrowKeyViews::zoom_out_pressed, &ArrowKeyViews::zoom_out_released, nullptr},
};

// A spy on every signal of the pad, by its signal.
struct PadSpies {
    std::vector<std::pair<PadSignal, std::unique_ptr<QSignalSpy>>> spies;
    explicit PadSpies(ArrowKeyViews *pad)
    {
        for (const PadButton &b : kPadButtons) {
            for (PadSignal s : {b.pressed, b.released, b.clicked}) {
                if (s)
                    spies.emplace_back(s, std::make_unique<QSignalSpy>(pad, s));
            }
        }
    }
    // The counts of every signal that fired: all but `one` (and `two`) must stay silent.
    QString othersThan(PadSignal one, PadSignal two = nullptr) const
    {
        QStringList fired;
        for (const auto &s : spies) {
            if (s.first != one && s.first != two && !s.second->isEmpty())
                fired << QString::number(s.second->size());
        }
        return fired.join(QLatin1Char(','));
    }
    int count(PadSignal signal) const
    {
        for (const auto &s : spies) {
            if (s.first == signal)
                return s.second->size();
        }
        return -1;
    }
};

void moveHeld(QWidget *w, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

} // namespace

class tst_GuideBars : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { corvane_init_resources(); }

    // A click on a button gives that button's signal once and no other; a new bar offers Back
    // and Next only.
    void barSignals_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("shown");
        for (int i = 0; i < int(std::size(kBarSignals)); ++i)
            QTest::newRow(kBarSignals[i].first) << i << (i == 1 || i == 3);
    }
    void barSignals()
    {
        QFETCH(int, button);
        QFETCH(bool, shown);
        QWidget page;
        auto *bar = new ButtomView(&page);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const auto &s : kBarSignals)
            spies.push_back(std::make_unique<QSignalSpy>(bar, s.second));
        auto *b = bar->findChild<QPushButton *>(QLatin1String(kBarSignals[button].first));
        QVERIFY(b);
        QCOMPARE(b->isVisible(), shown);
        b->setVisible(true); // the wizard shows Apply on its last page
        QTest::mouseClick(b, Qt::LeftButton);
        for (int i = 0; i < int(spies.size()); ++i)
            QCOMPARE(spies[i]->size(), i == button ? 1 : 0);
    }

    // The finish text stays once the wizard hides Apply again; Back and Next take the
    // catalogue's words when the wizard re-texts them.
    void barTexts()
    {
        ButtomView bar(nullptr);
        const QString apply = bar.applyText();
        bar.setGuideFinishVisible(false);
        QCOMPARE(bar.applyText(), apply);
        bar.setGuideFinishVisible(true);
        QCOMPARE(bar.applyText(), QStringLiteral("Guide Finish"));
        bar.setGuideFinishVisible(false);
        QCOMPARE(bar.applyText(), QStringLiteral("Guide Finish"));
        QVERIFY(bar.findChild<QPushButton *>(QStringLiteral("apply"))->isHidden());

        QTranslator spanish;
        QVERIFY(spanish.load(QStringLiteral(":/trans/es.qm")));
        QCoreApplication::installTranslator(&spanish);
        bar.retranslateNextStep();
        bar.retranslatePreviousStep();
        QCoreApplication::removeTranslator(&spanish);
        QCOMPARE(bar.findChild<QPushButton *>(QStringLiteral("next_step"))->text(), spanish.translate("ButtomView", "Next"));
        QCOMPARE(bar.findChild<QPushButton *>(QStringLiteral("previous_step"))->text(), spanish.translate("ButtomView", "Back"));
        QVERIFY(bar.findChild<QPushButton *>(QStringLiteral("next_step"))->text() != QLatin1String("Next"));
    }

    // Holding a button gives its press, letting go its release, and nothing else; the pointer
    // leaving the held button releases it at once and coming back presses it again, so the
    // camera never keeps moving under a pointer that left. Home gives one click and no press or
    // release. A disabled pad gives nothing.
    void padSignals_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("enabled");
        for (int i = 0; i < int(std::size(kPadButtons)); ++i) {
            QTest::addRow("%s", kPadButtons[i].name) << i << true;
            QTest::addRow("%s, disabled", kPadButtons[i].name) << i << false;
        }
    }
    void padSignals()
    {
        QFETCH(int, button);
        QFETCH(bool, enabled);
        const PadButton &expect = kPadButtons[button];
        QWidget page;
        auto *pad = new ArrowKeyViews(&page);
        auto *other = new ArrowKeyViews(&page); // a second pad of the same wizard stays silent
        other->move(0, 200);
        pad->setEnabled(enabled);
        page.resize(300, 400);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        PadSpies spies(pad);
        PadSpies otherSpies(other);
        auto *b = pad->findChild<QPushButton *>(QLatin1String(expect.name));
        QVERIFY(b);
        const QPoint inside = b->rect().center();

        QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, inside);
        moveHeld(b, QPoint(-50, -50));
        moveHeld(b, inside);
        QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, inside);

        const int on = enabled ? 1 : 0;
        if (expect.pressed) {
            QCOMPARE(spies.count(expect.pressed), 2 * on);
            QCOMPARE(spies.count(expect.released), 2 * on);
        } else {
            QCOMPARE(spies.count(expect.clicked), on);
        }
        QCOMPARE(spies.othersThan(expect.pressed ? expect.pressed : expect.clicked, expect.released), QString());
        QCOMPARE(otherSpies.othersThan(nullptr), QString());
    }

    // A language change re-texts the zoom buttons only.
    void padTexts()
    {
        ArrowKeyViews pad(nullptr);
        QTranslator spanish;
        QVERIFY(spanish.load(QStringLiteral(":/trans/es.qm")));
        QCoreApplication::installTranslator(&spanish);
        pad.setZoomInText();
        pad.setZoomOutText();
        QCoreApplication::removeTranslator(&spanish);
        QCOMPARE(pad.findChild<QPushButton *>(QStringLiteral("zoom_in"))->text(), spanish.translate("ArrowKeyViews", "Zoom in"));
        QCOMPARE(pad.findChild<QPushButton *>(QStringLiteral("zoom_out"))->text(), spanish.translate("ArrowKeyViews", "Zoom out"));
        QVERIFY(pad.findChild<QPushButton *>(QStringLiteral("zoom_in"))->text() != QLatin1String("Zoom in"));
        QCOMPARE(pad.findChild<QPushButton *>(QStringLiteral("ptz_reset"))->text(), QStringLiteral("Home"));
    }
};

QTEST_MAIN(tst_GuideBars)
#include "tst_guide_bars.moc"
