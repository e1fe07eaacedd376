// The wizard's form where the wizard's code relies on it beyond the names the compiler checks:
// the student overlay's fixed origin and the overlays over their previews, the pages the stacks
// start on, the last page's "Guide Finish" that the bar writes and the wizard compares, and every
// page's fit in the eight languages.
#include "app_entry.h"
#include "core/reachability.h"
#include "recording_presenter.h"
#include "core/installed_catalogue.h"
#include "guide/buttomview.h"
#include "guide/guideconfig.h"
#include "guide/camera_settings_step.h"
#include "guide/director_page.h"
#include "guide/step_flow.h"
#include "guide/student_area_step.h"
#include "guide/student_params.h"
#include "guide/teacher_params.h"
#include "guide/teacher_region_step.h"
#include "guide/tracking_mode_step.h"
#include "guide/wizard_command_keys.h"
#include "guide/wizard_detection.h"
#include "guide/wizard_previews.h"
#include "guide/wizard_replies.h"
#include "shared_scene.h"
#include "layout_faults.h"
#include "support/resources.h"
#include "video/vlcwidget.h"

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QMetaMethod>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

#include <iterator>

namespace {

using layout_faults::kLanguages;

// The form's pixel geometry expects 96 dpi, as under Xvfb "-dpi 96"; the offscreen platform
// would lay fonts out at 100. Set before the application reads it.
const bool kFontDpi = qputenv("QT_FONT_DPI", "96");

template <class T = QWidget>
T *child(const QWidget &wizard, const char *name)
{
    T *found = wizard.findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

// The overlaps the wizard draws on purpose.
const QVector<layout_faults::Overlap> kDrawnOverlaps = {
    {"graphicsView", "teacher_tip_label", "the tip is written over the region view"},
};

// What a preview builds inside itself: its picture, its cover and its floating button bar.
bool previewPart(const QWidget *w)
{
    for (; w && w->parentWidget(); w = w->parentWidget()) {
        if (qobject_cast<const VlcWidget *>(w->parentWidget()))
            return w->objectName() == QLatin1String("renderWidget") || w->objectName() == QLatin1String("coverWidget")
                   || w->objectName() == QLatin1String("flowPanel");
    }
    return false;
}

// The font the wizard gives every widget with the installer's language.
void setLanguageFont(QWidget *wizard, const QString &code)
{
    QFont font = wizard->font();
    font.setFamily(QStringLiteral("微软雅黑"));
    font.setPointSize(code == QLatin1String("th") ? 11 : 10);
    wizard->setFont(font);
    for (QWidget *w : wizard->findChildren<QWidget *>())
        w->setFont(font);
}

} // namespace

class tst_WizardForm : public QObject
{
    Q_OBJECT

    RecordingPresenter boxes;

    // What one page shows wrongly in one language: as a first run shows it (the form's own
    // fonts) and with the language's font, with every page of its inner stacks, and with its
    // connect buttons offering the disconnect.
    QMap<QString, QString> pageFaults(const QString &code, int index)
    {
        QLocale::setDefault(QLocale(code));
        QObject owner;
        install_system_catalogue(&owner);
        SharedScene wizardScene;
        GuideConfig wizard(wizardScene);
        wizard.show();
        if (!QTest::qWaitForWindowExposed(&wizard))
            return {{QStringLiteral("wizard"), QStringLiteral("not shown")}};
        auto *steps = child<QStackedWidget>(wizard, "stackedWidget");
        steps->setCurrentIndex(index);
        QWidget *page = steps->currentWidget();
        QList<QStackedWidget *> stacks = page->findChildren<QStackedWidget *>();
        int passes = 1;
        for (QStackedWidget *s : qAsConst(stacks))
            passes = std::max(passes, s->count());
        layout_faults::Rules rules;
        rules.drawnOverlaps = kDrawnOverlaps;
        rules.ownParts = previewPart;
        const QString shots = qEnvironmentVariable("CORVANE_SHOT_DIR");
        const QString disconnect = QCoreApplication::translate("MainWindow", "Disconnect");
        QMap<QString, QString> faults;
        for (const bool languageFont : {false, true}) {
            if (languageFont)
                setLanguageFont(&wizard, code);
            for (int pass = 0; pass < passes; ++pass) {
                for (QStackedWidget *s : qAsConst(stacks))
                    s->setCurrentIndex(std::min(pass, s->count() - 1));
                QCoreApplication::sendPostedEvents();
                QCoreApplication::processEvents();
                const QString prefix = QStringLiteral("%1, stacks at %2: ").arg(QLatin1String(languageFont ? "language font" : "start")).arg(pass);
                const QMap<QString, QString> found = layout_faults::find(&wizard, rules);
                for (auto it = found.cbegin(); it != found.cend(); ++it)
                    faults.insert(prefix + it.key(), it.value());
                for (QPushButton *b : page->findChildren<QPushButton *>(QRegularExpression(QStringLiteral("_connect_Button$")))) {
                    const QString text = b->text();
                    b->setText(disconnect);
                    const QMap<QString, QString> connected = layout_faults::find(b, rules);
                    if (connected.contains(b->objectName()))
                        faults.insert(prefix + b->objectName() + QStringLiteral(" connected"), connected.value(b->objectName()));
                    b->setText(text);
                }
                if (!shots.isEmpty()) {
                    QDir().mkpath(shots);
                    const QString file = QDir(shots).filePath(QStringLiteral("wizard-page-%1-%2%3-%4.png")
                                                                  .arg(index + 1, 2, 10, QLatin1Char('0'))
                                                                  .arg(code, QLatin1String(languageFont ? "" : "-start"))
                                                                  .arg(pass));
                    if (!wizard.grab().save(file))
                        faults.insert(QStringLiteral("shot"), file);
                }
            }
        }
        return faults;
    }

private slots:
    void initTestCase()
    {
        corvane_init_resources();
        layout_faults::useDesktopFont();
        // A step's entry warns of empty addresses or asks whether a camera answers: answered
        // here, no box shown and no host pinged.
        msgbox::setPresenter(&boxes);
        reachability::setCheck([](const QString &) { return false; });
    }

    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        installed_catalogue::install(nullptr);
    }

    // The wizard maps its own mouse positions into the student overlay by the fixed origin
    // (315, 78), so the student region preview must lie exactly there, however the page is laid
    // out; and every overlay the wizard paints or draws on covers its preview exactly, in the
    // 480 by 270 units of the regions.
    void overlaysOverTheirPreviews_data()
    {
        QTest::addColumn<QString>("overlay");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<int>("page");
        QTest::addColumn<QPoint>("origin"); // in the wizard; (-1, -1) where free
        QTest::newRow("student area") << "student_pano_region_widget" << "student_track_region_vlc_9" << 8 << QPoint(315, 78);
        QTest::newRow("teacher region view") << "graphicsView" << "teacher_track_region_vlc_2" << 3 << QPoint(-1, -1);
        QTest::newRow("teacher test overlay") << "widget_7" << "teacher_track_test_pano_vlc_6" << 6 << QPoint(-1, -1);
        QTest::newRow("student test overlay") << "student_pano_track_region_widget" << "student_track_test_pano_vlc_13" << 11
                                              << QPoint(-1, -1);
    }
    void overlaysOverTheirPreviews()
    {
        QFETCH(QString, overlay);
        QFETCH(QString, preview);
        QFETCH(int, page);
        QFETCH(QPoint, origin);
        SharedScene wizardScene;
        GuideConfig wizard(wizardScene);
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        child<QStackedWidget>(wizard, "stackedWidget")->setCurrentIndex(page);
        QCoreApplication::processEvents();
        auto *pane = child(wizard, qPrintable(overlay));
        auto *picture = child<VlcWidget>(wizard, qPrintable(preview));
        QVERIFY(pane && picture && pane->isVisible());
        QCOMPARE(pane->parentWidget(), picture);
        QCOMPARE(pane->geometry(), QRect(0, 0, 480, 270));
        QCOMPARE(picture->size(), QSize(480, 270));
        if (origin.x() >= 0)
            QCOMPARE(picture->mapTo(&wizard, QPoint()), origin);
    }

    // Page i of the step stack is step i of the step list, and each stack starts on the page
    // the step flow expects before it chooses one by mode, camera or strategy.
    void startPages_data()
    {
        QTest::addColumn<QString>("stack");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("page");
        const char *const steps[] = {"teacher_camera_config_page_1", "teacher_calibration_page_2", "teacher_tracking_mode_page_3",
                                     "teacher_tracking_region_page_4", "teacher_config_preset_page_5", "teacher_advanced_options_page_6",
                                     "teacher_tracking_test_page_7", "student_calibration_page_8", "student_tracking_region_page_9",
                                     "student_config_preset_page_10", "student_advanced_options_page_11", "student_tracking_test_page_12",
                                     "tracking_director_policy_page_13"};
        for (int i = 0; i < int(std::size(steps)); ++i)
            QTest::addRow("step %d", i) << "stackedWidget" << i << steps[i];
        QTest::newRow("presets start") << "teacher_preset_stackedWidget" << -1 << "teacher_three_mode_preset_page";
        QTest::newRow("calls start") << "teacher_track_test_stackedWidget" << -1 << "get_teacher_board_preset_page";
        QTest::newRow("director start") << "director_strategy_stackedWidget" << -1 << "external_director_page";
        QTest::newRow("steps start") << "stackedWidget" << -1 << "teacher_camera_config_page_1";
    }
    void startPages()
    {
        QFETCH(QString, stack);
        QFETCH(int, index);
        QFETCH(QString, page);
        SharedScene wizardScene;
        GuideConfig wizard(wizardScene);
        auto *pages = child<QStackedWidget>(wizard, qPrintable(stack));
        QVERIFY(pages);
        QCOMPARE((index < 0 ? pages->currentWidget() : pages->widget(index))->objectName(), page);
    }

    // The bar writes "Guide Finish" in its own context and the wizard recognises the end by the
    // text in its context: a catalogue that words them apart would never let Apply finish.
    // Each control of the form has one owner among the wizard's objects, and the frame has no
    // slot the form would connect by its name behind the owner's back.
    void oneOwnerPerControl()
    {
        QMap<QString, QStringList> owners;
#define OWNED_BY(list)                                                                                                 \
    {                                                                                                                  \
        const QStringList names{list(NAME_OF)};                                                                        \
        for (const QString &name : names)                                                                              \
            owners[name] << QStringLiteral(#list);                                                                     \
    }
#define NAME_OF(Type, name) QStringLiteral(#name),
        OWNED_BY(STEP_FLOW_WIDGETS)
        OWNED_BY(CAMERA_SETTINGS_STEP_WIDGETS)
        OWNED_BY(TRACKING_MODE_STEP_WIDGETS)
        OWNED_BY(TEACHER_REGION_STEP_WIDGETS)
        OWNED_BY(TEACHER_PARAMS_WIDGETS)
        OWNED_BY(STUDENT_AREA_STEP_WIDGETS)
        OWNED_BY(STUDENT_PARAMS_WIDGETS)
        OWNED_BY(DIRECTOR_PAGE_WIDGETS)
        OWNED_BY(WIZARD_REPLIES_WIDGETS)
        OWNED_BY(WIZARD_COMMAND_KEYS_WIDGETS)
        OWNED_BY(WIZARD_PREVIEWS_WIDGETS)
        OWNED_BY(WIZARD_DETECTION_WIDGETS)
#undef NAME_OF
#undef OWNED_BY
        QStringList shared;
        for (auto it = owners.cbegin(); it != owners.cend(); ++it)
            if (it->size() > 1)
                shared << it.key() + QLatin1String(": ") + it->join(QLatin1Char(' '));
        QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QLatin1String("; "))));
        const QMetaObject &frame = GuideConfig::staticMetaObject;
        for (int i = frame.methodOffset(); i < frame.methodCount(); ++i)
            QVERIFY2(!frame.method(i).name().startsWith("on_"), frame.method(i).methodSignature().constData());
    }

    void guideFinishAlike_data()
    {
        QTest::addColumn<QString>("code");
        for (const auto &language : kLanguages)
            QTest::newRow(language[0]) << QString::fromLatin1(language[1]);
    }
    void guideFinishAlike()
    {
        QFETCH(QString, code);
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(":/trans/%1.qm").arg(code)));
        installed_catalogue::install(&catalogue);
        ButtomView bar(nullptr);
        bar.setGuideFinishVisible(true);
        QVERIFY(!bar.applyText().isEmpty());
        QCOMPARE(bar.applyText(), GuideConfig::finishText());
    }

    // Every page in every language: nothing is cut, covered or over a group's title, every text
    // fits the part of its widget that shows. With CORVANE_SHOT_DIR set (a run under Xvfb) each
    // state of each page is saved there.
    void pagesFitTheirTexts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("index");
        for (const auto &language : kLanguages) {
            for (int index = 0; index < 13; ++index)
                QTest::addRow("%s page %d", language[0], index + 1) << QString::fromLatin1(language[1]) << index;
        }
    }
    void pagesFitTheirTexts()
    {
        QFETCH(QString, code);
        QFETCH(int, index);
        const QMap<QString, QString> faults = pageFaults(code, index);
        for (auto it = faults.cbegin(); it != faults.cend(); ++it)
            qInfo().noquote() << "FAULT" << code << index + 1 << it.key() + QStringLiteral(": ") + it.value();
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, listed above").arg(faults.size())));
    }
};

QTEST_MAIN(tst_WizardForm)
#include "tst_wizard_form.moc"
