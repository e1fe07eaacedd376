// The language switch of the Options tab: each entry installs its catalogue as the one
// catalogue of the interface (the start-up one included), with Qt's catalogue of the language
// beneath it, re-texts the window, sets the interface font and resets the parameter tabs, while
// the texts the installer typed stay; the message boxes' buttons read in the language.
#include "app_entry.h"
#include "core/installed_catalogue.h"
#include "guide/guideconfig.h"
#include "seams/message_box.h"
#include "support/resources.h"
#include "layout_faults.h"
#include "window_holder.h"
#include "recording_presenter.h"
#include "test_env.h"

#include <QAbstractButton>
#include <QStackedWidget>
#include <QDir>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <iterator>
#include <memory>

namespace {

using layout_faults::kLanguages;

// The form's pixel geometry expects 96 dpi, as under Xvfb "-dpi 96"; the offscreen platform
// would lay fonts out at 100. Set before the application reads it.
const bool kFontDpi = qputenv("QT_FONT_DPI", "96");

const QRegularExpression kHan(QStringLiteral("[\\x{4E00}-\\x{9FFF}]"));

struct LanguageWindow : WindowHolder {
    explicit LanguageWindow(const QString &ini = QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"))
        : WindowHolder(ini)
    {
    }
    // As the installer picks an entry: through the combo's signal.
    void choose(int index) const { emit widget<QComboBox>("language_select_comboBox")->activated(index); }
    // The catalogue that answers now translates as the one of this code would.
    bool speaks(const QString &code) const
    {
        QTranslator reference;
        return installed_catalogue::current() && reference.load(QStringLiteral(":/trans/%1.qm").arg(code))
               && installed_catalogue::current()->translate("MainWindow", "Apply")
                      == reference.translate("MainWindow", "Apply");
    }
};

// The line edits of the window's own form (not those inside spin and combo boxes, and not
// those of the dialogs the window owns).
QList<QLineEdit *> formLineEdits(MainWindow *window)
{
    QList<QLineEdit *> edits;
    for (QLineEdit *e : window->findChildren<QLineEdit *>()) {
        QWidget *parent = e->parentWidget();
        if (e->window() != window || qobject_cast<QAbstractSpinBox *>(parent) || qobject_cast<QComboBox *>(parent))
            continue;
        edits << e;
    }
    std::sort(edits.begin(), edits.end(),
              [](QLineEdit *a, QLineEdit *b) { return a->objectName() < b->objectName(); });
    return edits;
}

// Every visible text of the window's own widgets: "object: text".
QStringList windowTexts(MainWindow *window)
{
    QStringList texts;
    texts << QStringLiteral("window title: ") + window->windowTitle();
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window)
            continue;
        const QString name = w->objectName() + QStringLiteral(": ");
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            texts << name + b->text();
        else if (auto *l = qobject_cast<QLabel *>(w))
            texts << name + l->text();
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            texts << name + e->text();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            texts << name + g->title();
        else if (auto *c = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < c->count(); ++i)
                texts << name + c->itemText(i);
        } else if (auto *t = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                texts << name + t->tabText(i);
        } else if (auto *tree = qobject_cast<QTreeWidget *>(w)) {
            for (int i = 0; i < tree->columnCount(); ++i)
                texts << name + tree->headerItem()->text(i);
        } else if (auto *edit = qobject_cast<QTextEdit *>(w)) {
            texts << name + edit->toPlainText(); // the markup names a font family in Chinese
        }
        if (!w->toolTip().isEmpty())
            texts << name + w->toolTip();
    }
    return texts;
}

// A start-up catalogue that answers every text, so that any text it still reaches shows.
class LeakingCatalogue : public QTranslator
{
public:
    QString translate(const char *, const char *, const char *, int) const override
    {
        return QStringLiteral("LEAK");
    }
    bool isEmpty() const override { return false; }
};

// Builds each box the program asks for as the real presenter does, without running it, and
// answers Cancel. Made after the window it is asked from, so that the box goes first.
struct BoxBuilder : msgbox::Presenter {
    BoxBuilder() { msgbox::setPresenter(this); }
    ~BoxBuilder() override { msgbox::setPresenter(nullptr); }
    QMessageBox::StandardButton present(const msgbox::Request &request) override
    {
        box = msgbox::build(request);
        return QMessageBox::Cancel;
    }
    std::unique_ptr<QMessageBox> box;
};

// The overlaps the window draws on purpose.
const QVector<layout_faults::Overlap> kDrawnOverlaps = {
    {"", "oem_logo_label", "an empty label kept for a vendor logo: it paints nothing"},
    {"teacher_labVideo_pano", "teacher_pano_region_widget", "the region view is drawn over the picture"},
};

// The folded window shows the top tab widget and its pages only up to its edge: what lies
// beyond is the folded parameter panel.
bool foldedAway(const QWidget *w)
{
    const QWidget *parent = w->parentWidget();
    return w->objectName() == QLatin1String("tabWidget")
           || (parent && parent->parentWidget() && parent->parentWidget()->objectName() == QLatin1String("tabWidget"));
}

// What a page of the window shows wrongly; `folded`: the window is narrow.
QMap<QString, QString> layoutFaults(QWidget *root, bool folded = false)
{
    layout_faults::Rules rules;
    rules.drawnOverlaps = kDrawnOverlaps;
    rules.folded = folded;
    rules.foldedAway = foldedAway;
    return layout_faults::find(root, rules);
}


} // namespace

class tst_LanguageSwitch : public QObject
{
    Q_OBJECT

    // A row per entry.
    void languages()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        for (int i = 0; i < int(std::size(kLanguages)); ++i)
            QTest::newRow(kLanguages[i][0]) << i << QString::fromLatin1(kLanguages[i][1]);
    }

    // What one page of the top tab widget shows wrongly in one language, keyed by the window's
    // state and the widget: as a fresh start on a system in that language shows it (the form's
    // own fonts) and after the language switch (the interface font); folded and unfolded (where
    // the page is shown so), with its panel (Show More) closed and open, and with every page of
    // its inner tab widgets and stacks.
    QMap<QString, QString> pageFaults(int index, const QString &code, const QString &pageName)
    {
        QLocale::setDefault(QLocale(code));
        QObject owner;
        install_system_catalogue(&owner);
        LanguageWindow w(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"));
        w->show();
        if (!QTest::qWaitForWindowExposed(w.window.get()))
            return {{QStringLiteral("window"), QStringLiteral("not shown")}};
        QMap<QString, QString> faults;
        pageStateFaults(w, code + QStringLiteral("-start"), pageName, QStringLiteral("start, "), &faults);
        w.choose(index);
        pageStateFaults(w, code, pageName, QString(), &faults);
        return faults;
    }

    void pageStateFaults(LanguageWindow &w, const QString &shotName, const QString &pageName, const QString &when,
                         QMap<QString, QString> *faults)
    {
        const QString shots = qEnvironmentVariable("CORVANE_SHOT_DIR");
        auto *tabs = w.widget<QTabWidget>("tabWidget");
        QWidget *page = w.widget(qPrintable(pageName));
        // The recorder parameters that "Show More" unfolds.
        QList<QWidget *> panel;
        for (const char *name : {"port_set_groupBox", "widget_username", "widget_password"}) {
            if (QWidget *part = page->findChild<QWidget *>(QLatin1String(name)))
                panel << part;
        }
        // Inner tab widgets and stacked widgets (not a tab widget's own stack): pass n shows their
        // page n, or their last.
        QList<QWidget *> stacks;
        int passes = 1;
        for (QWidget *s : page->findChildren<QWidget *>()) {
            if (qobject_cast<QTabWidget *>(s) || (qobject_cast<QStackedWidget *>(s) && !s->objectName().startsWith(QLatin1String("qt_")))) {
                stacks << s;
                passes = std::max(passes, s->property("count").toInt());
            }
        }
        for (const bool wide : {false, true}) {
            // The fold is the Teacher tab's; the page keeps or narrows the width it finds.
            tabs->setCurrentWidget(w.widget("tab_teacher"));
            if ((w->width() == 1164) != wide)
                w.widget<QPushButton>("teacher_show_param_pushButton")->click();
            tabs->setCurrentWidget(page);
            if ((w->width() == 1164) != wide)
                continue;
            for (const bool open : {false, true}) {
                if (open && panel.isEmpty())
                    break;
                for (QWidget *part : qAsConst(panel))
                    part->setVisible(open);
                for (int pass = 0; pass < passes; ++pass) {
                    for (QWidget *s : qAsConst(stacks))
                        s->setProperty("currentIndex", std::min(pass, s->property("count").toInt() - 1));
                    // The layouts of pages shown for the first time settle on posted events.
                    QCoreApplication::sendPostedEvents();
                    QCoreApplication::processEvents();
                    const QString prefix = when + QLatin1String(wide ? "unfolded" : "folded") + QLatin1String(open ? ", open: " : ": ");
                    // The window's own children (outside the tab widget) and the page shown.
                    const QMap<QString, QString> found = layoutFaults(w->centralWidget(), !wide);
                    for (auto it = found.cbegin(); it != found.cend(); ++it)
                        faults->insert(prefix + it.key(), it.value());
                    // As connected cameras show them: the connect buttons offer the disconnect.
                    const QString disconnect = QCoreApplication::translate("MainWindow", "Disconnect");
                    for (QPushButton *b : page->findChildren<QPushButton *>(QRegularExpression(QStringLiteral("_connect_Button$")))) {
                        if (!b->isVisibleTo(w.window.get()))
                            continue;
                        b->setText(disconnect);
                        const QMap<QString, QString> connected = layoutFaults(b, !wide);
                        if (connected.contains(b->objectName()))
                            faults->insert(prefix + b->objectName() + QStringLiteral(" connected"), connected.value(b->objectName()));
                        b->setText(QCoreApplication::translate("MainWindow", "Connect"));
                    }
                    if (!shots.isEmpty()) {
                        QDir().mkpath(shots);
                        QTest::qWait(200); // let the window system paint the page
                        const QString file = QDir(shots).filePath(QStringLiteral("%1-%2%3-%4-%5.png")
                                                                      .arg(pageName, QLatin1String(wide ? "unfolded" : "folded"),
                                                                           QLatin1String(open ? "-open" : ""))
                                                                      .arg(pass).arg(shotName));
                        if (!w->grab().save(file))
                            faults->insert(QStringLiteral("shot"), file);
                    }
                }
            }
        }
    }

private slots:
    void initTestCase()
    {
        corvane_init_resources();
        layout_faults::useDesktopFont();
    }

    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        installed_catalogue::install(nullptr);
        installed_catalogue::set_qt_folder(QString());
    }

    // Each entry, chosen after another one: its catalogue is the one installed, the form reads in it,
    // the combo follows, and every widget has the interface font. An index outside the eight entries
    // behaves as English and leaves the combo on entry 1.
    void eachLanguage_data()
    {
        languages();
        for (int index : {-1, 8, 1000})
            QTest::newRow(qPrintable(QStringLiteral("index %1").arg(index))) << index << QStringLiteral("en");
    }
    void eachLanguage()
    {
        QFETCH(int, index);
        QFETCH(QString, code);
        LanguageWindow w;
        w.choose(index == 3 ? 2 : 3);
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("Switch SystemLocal: %1").arg(index)));
        w.choose(index);

        QCOMPARE(w.widget<QComboBox>("language_select_comboBox")->currentIndex(), index >= 0 && index < 8 ? index : 1);
        QVERIFY(w.speaks(code));

        // The window reads as a fresh form under the same catalogue alone.
        QTranslator reference;
        QVERIFY(reference.load(QStringLiteral(":/trans/%1.qm").arg(code)));
        auto tr = [&reference](const char *source) {
            const QString t = reference.translate("MainWindow", source);
            return t.isEmpty() ? QString::fromUtf8(source) : t;
        };
        QCOMPARE(w.widget<QPushButton>("apply_port_Button")->text(), tr("Apply"));
        QCOMPARE(w.widget<QTabWidget>("tabWidget")->tabText(w.widget<QTabWidget>("tabWidget")->indexOf(w.widget<QWidget>("tab_host"))), tr("Director"));
        QCOMPARE(w->windowTitle(), tr("Corvane V3.0.1"));

        // The font rule, on every widget at any depth.
        const int size = code == QLatin1String("th") ? 11 : 10;
        QStringList wrong;
        for (QWidget *widget : w->findChildren<QWidget *>()) {
            if (widget->font().family() != QStringLiteral("微软雅黑") || widget->font().pointSize() != size)
                wrong << QStringLiteral("%1 (%2) %3 %4").arg(widget->objectName(), QLatin1String(widget->metaObject()->className()), widget->font().family()).arg(widget->font().pointSize());
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 10).join(QLatin1Char(' '))));
        // The recorder parameters are folded again.
        QVERIFY(w.widget<QGroupBox>("port_set_groupBox")->isHidden());
        QVERIFY(w.widget<QWidget>("widget_username")->isHidden());
        QVERIFY(w.widget<QWidget>("widget_password")->isHidden());
    }

    // Started on a Chinese system, switched to English: nothing Chinese is left in the window
    // but the language entry "中文" itself.
    void chineseStartThenEnglish()
    {
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        QObject owner;
        QTranslator *startup = install_system_catalogue(&owner);
        QCOMPARE(installed_catalogue::current(), startup);
        LanguageWindow w;
        QCOMPARE(w.widget<QComboBox>("language_select_comboBox")->currentIndex(), 0);
        QVERIFY(w.widget<QTabWidget>("tabWidget")->tabText(0).contains(kHan));
        // A pending port change shows its mark in the new language too.
        w.widget<QLineEdit>("rtsp_port_Edit")->setText(QStringLiteral("20555"));

        w.choose(1);
        QVERIFY(w.speaks(QStringLiteral("en")) && installed_catalogue::current() != startup);
        QStringList chinese;
        for (const QString &text : windowTexts(w.window.get())) {
            // The language entries name each language in its own script ("日本語" included).
            if (text.contains(kHan) && !text.startsWith(QLatin1String("language_select_comboBox: ")))
                chinese << text;
        }
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
        QCOMPARE(w.widget<QPushButton>("apply_port_Button")->text(), QStringLiteral("Apply(*)"));
        QCOMPARE(w.widget<QTabWidget>("tabWidget")->tabText(0), QStringLiteral("Teacher"));
    }

    // Whatever the start-up catalogue holds, after a switch only the chosen one answers.
    void startupCatalogueIsRemoved()
    {
        LanguageWindow w;
        LeakingCatalogue startup;
        installed_catalogue::install(&startup);
        QCOMPARE(QCoreApplication::translate("MainWindow", "A text no catalogue holds"), QStringLiteral("LEAK"));
        w.choose(2);
        QCOMPARE(QCoreApplication::translate("MainWindow", "A text no catalogue holds"),
                 QStringLiteral("A text no catalogue holds"));
        QStringList leaked = windowTexts(w.window.get()).filter(QStringLiteral("LEAK"));
        QVERIFY2(leaked.isEmpty(), qPrintable(leaked.join(QLatin1Char('\n'))));
        // A second switch replaces the window's own catalogue in place: still one installed.
        w.choose(1);
        QVERIFY(w.speaks(QStringLiteral("en")));
        QCOMPARE(w.widget<QTabWidget>("tabWidget")->tabText(0), QStringLiteral("Teacher"));
    }

    // What the installer typed stays across a switch, and nothing is marked changed by it: the
    // switch leaves every line edit exactly as the tabs' defaults alone leave it.
    void typedValuesSurvive_data() { languages(); }
    void typedValuesSurvive()
    {
        QFETCH(int, index);
        LanguageWindow switched;
        LanguageWindow reference;
        QHash<QLineEdit *, QString> typed;
        for (LanguageWindow *w : {&switched, &reference}) {
            int n = 0;
            for (QLineEdit *e : formLineEdits(w->window.get())) {
                const QSignalBlocker quiet(e);
                e->setText(QStringLiteral("%1 typed").arg(++n));
                typed.insert(e, e->text()); // as the field's length limit lets it in
            }
            w->widget<QPushButton>("apply_port_Button")->setText(QStringLiteral("Apply"));
        }
        QVERIFY(formLineEdits(switched.window.get()).size() > 70);

        switched.choose(index);
        reference->set_all_defaults();

        const QList<QLineEdit *> after = formLineEdits(switched.window.get());
        const QList<QLineEdit *> expected = formLineEdits(reference.window.get());
        QCOMPARE(after.size(), expected.size());
        for (int i = 0; i < after.size(); ++i) {
            QCOMPARE(after.at(i)->objectName(), expected.at(i)->objectName());
            QCOMPARE(after.at(i)->text(), expected.at(i)->text());
        }
        // The ones the installer typed most: ports, login, people count, lectern server.
        for (const char *name : {"rtsp_port_Edit", "student_tcp_port_Edit", "upgrade_port_Edit", "recorder_host_ip_Edit",
                                 "recorder_username_Edit", "recorder_password_Edit", "recorder_teacher_ip_Edit",
                                 "people_number_lineEdit", "lectern_director_ip_Edit", "lectern_director_port_Edit",
                                 "upgrade_ip_lineEdit", "director_camera_Port_Edit"}) {
            QLineEdit *e = switched.widget<QLineEdit>(name);
            QCOMPARE(e->text(), typed.value(e));
        }
        // Nothing is marked changed by the switch.
        QCOMPARE(switched.widget<QPushButton>("apply_port_Button")->text(),
                 QCoreApplication::translate("MainWindow", "Apply"));
    }

    // A question box reads in the language on its buttons: the wizard's as a start on a system in
    // that language shows it, the window's after the switch to it. Qt's catalogue of the language
    // comes with the tool's where Qt ships one (Qt's own texts, a line edit's menu, read in it
    // too); where it ships none, or the system lacks Qt's catalogues, a log line says so and the
    // tool's catalogue carries the buttons. The box lays out in the language's direction; the
    // windows stay left to right in every language.
    void boxButtonsReadInTheLanguage_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<bool>("qtShips");   // Qt's catalogues (Debian's qttranslations5-l10n) have it
        QTest::addColumn<bool>("systemQt"); // the system has Qt's catalogues
        for (int i = 0; i < int(std::size(kLanguages)); ++i) {
            const QString code = QString::fromLatin1(kLanguages[i][1]);
            if (code == QLatin1String("en"))
                continue; // its buttons read as they do with no catalogue
            const bool ships = code != QLatin1String("th") && code != QLatin1String("id");
            QTest::addRow("%s, wizard at start", kLanguages[i][0]) << i << code << true << ships << true;
            QTest::addRow("%s, window after switch", kLanguages[i][0]) << i << code << false << ships << true;
        }
        QTest::newRow("Chinese, no Qt catalogues on the system") << 0 << QStringLiteral("zh") << false << true << false;
        QTest::newRow("Arabic, no Qt catalogues on the system") << 6 << QStringLiteral("ar") << true << true << false;
    }
    void boxButtonsReadInTheLanguage()
    {
        QFETCH(int, index);
        QFETCH(QString, code);
        QFETCH(bool, atStart);
        QFETCH(bool, qtShips);
        QFETCH(bool, systemQt);
        const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
        QTranslator qt;
        QCOMPARE(qt.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder), qtShips);
        QTemporaryDir noQt;
        if (!systemQt)
            installed_catalogue::set_qt_folder(noQt.path());
        const QString name = QLocale::languageToString(QLocale(code).language());
        if (qtShips && systemQt)
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Qt catalogue: .*/qtbase_%1").arg(code)));
        else
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^No Qt catalogue for %1 in ").arg(name)));

        QObject owner;
        if (atStart) {
            QLocale::setDefault(QLocale(code));
            install_system_catalogue(&owner);
        }
        LanguageWindow w(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=%1\n").arg(atStart ? 0 : 1));
        if (!atStart)
            w.choose(index);
        BoxBuilder boxes;
        GuideConfig *wizard = topLevel<GuideConfig>();
        QWidget *asking = atStart ? static_cast<QWidget *>(wizard) : w.window.get();
        QVERIFY(asking && (!atStart || wizard->isVisible()));
        asking->close(); // the exit question, answered Cancel
        QVERIFY(boxes.box && asking->isVisible() == atStart);

        // Qt's texts of the language where the system has them, else the tool's.
        QTranslator tool;
        QVERIFY(tool.load(QStringLiteral(":/trans/%1.qm").arg(code)));
        const QTranslator &reference = qtShips && systemQt ? qt : tool;
        for (const auto &[button, source] : {std::pair{QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "Cancel"}}) {
            const QString text = boxes.box->button(button)->text();
            QCOMPARE(text, reference.translate("QPlatformTheme", source));
            QCOMPARE(text, tool.translate("QPlatformTheme", source));
        }
        QVERIFY(boxes.box->button(QMessageBox::Cancel)->text() != QLatin1String("Cancel"));
        const std::unique_ptr<QMenu> menu(w.widget<QLineEdit>("rtsp_port_Edit")->createStandardContextMenu());
        QCOMPARE(menu->actions().first()->text().section(QLatin1Char('\t'), 0, 0),
                 qtShips && systemQt ? qt.translate("QLineEdit", "&Undo") : QStringLiteral("&Undo"));
        QCOMPARE(installed_catalogue::qt_catalogue() != nullptr, qtShips && systemQt);

        QCOMPARE(boxes.box->layoutDirection(), QLocale(code).textDirection());
        QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
        QCOMPARE(w->layoutDirection(), Qt::LeftToRight);
        if (wizard)
            QCOMPARE(wizard->layoutDirection(), Qt::LeftToRight);
    }

    // The question box in every language, on a system in that language: its buttons hold their
    // texts whole. With CORVANE_SHOT_DIR set the box is saved there (box-<language>.png).
    void boxesFitTheirButtons_data() { languages(); }
    void boxesFitTheirButtons()
    {
        QFETCH(QString, code);
        QLocale::setDefault(QLocale(code));
        QObject owner;
        install_system_catalogue(&owner);
        LanguageWindow w;
        BoxBuilder boxes;
        w->close();
        QVERIFY(boxes.box);
        QMessageBox &box = *boxes.box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        // The check looks at what a form names.
        for (QAbstractButton *b : box.buttons())
            b->setObjectName(QStringLiteral("button ") + b->text());
        const QMap<QString, QString> faults = layout_faults::find(&box);
        for (auto it = faults.cbegin(); it != faults.cend(); ++it)
            qInfo().noquote() << "FAULT" << code << it.key() + QStringLiteral(": ") + it.value();
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, listed above").arg(faults.size())));
        const QString shots = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            QTest::qWait(200); // let the window system paint the box
            QVERIFY(box.grab().save(QDir(shots).filePath(QStringLiteral("box-%1.png").arg(code))));
        }
    }

    // Every page of the top tab widget in every language (but the Wizard Config page, which
    // hands over to the wizard): nothing is cut, covered or over a group's title, every text fits
    // the part of its widget that shows, and every tab label and header text shows whole. With
    // CORVANE_SHOT_DIR set (a run under Xvfb) each state of each page is saved there.
    void pagesFitTheirTexts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("page");
        const char *const pages[] = {"tab_teacher", "tab_student", "tab_board", "tab_host", "tab_6", "tab_16", "tab_15"};
        for (int i = 0; i < int(std::size(kLanguages)); ++i) {
            for (const char *page : pages)
                QTest::addRow("%s %s", kLanguages[i][0], page) << i << QString::fromLatin1(kLanguages[i][1]) << QString::fromLatin1(page);
        }
    }
    void pagesFitTheirTexts()
    {
        QFETCH(int, index);
        QFETCH(QString, code);
        QFETCH(QString, page);
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); // the window's chatter
        const QMap<QString, QString> faults = pageFaults(index, code, page);
        QLoggingCategory::setFilterRules(QString());
        for (auto it = faults.cbegin(); it != faults.cend(); ++it)
            qInfo().noquote() << "FAULT" << code << page << it.key() + QStringLiteral(": ") + it.value();
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, listed above").arg(faults.size())));
    }
};

QTEST_MAIN(tst_LanguageSwitch)
#include "tst_language_switch.moc"
