// The language switch of the Options tab: each entry installs its catalogue as the one
// catalogue of the interface (the start-up one included), re-texts the window, sets the
// interface font and resets the parameter tabs, while the texts the installer typed stay.
#include "app_entry.h"
#include "core/installed_catalogue.h"
#include "support/resources.h"
#include "window_holder.h"
#include "recording_presenter.h"
#include "test_env.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QDir>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <iterator>

namespace {

// The entries of the language combo box in their order, and their catalogues.
const char *const kLanguages[][2] = {{"Chinese", "zh"}, {"English", "en"},  {"Japanese", "ja"}, {"Korean", "ko"},
                                     {"Indonesian", "id"}, {"Thai", "th"}, {"Arabic", "ar"},    {"Spanish", "es"}};

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

// The texts on a page that their widgets cut off: wider (or taller) than the room the widget
// leaves for its text, by widget (and combo item). Tab bars scroll rather than cut, and are
// left out.
QMap<QString, QString> cutOffTexts(QWidget *page)
{
    QMap<QString, QString> cut;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(page) || w->width() <= 0)
            continue;
        const QFontMetrics fm(w->font());
        QStyle *style = w->style();
        auto check = [&](const QString &text, int room, int height, int item = -1) {
            const QString where = item < 0 ? w->objectName() : w->objectName() + QStringLiteral("#%1").arg(item);
            // The ink of the text: its glyphs, not the line spacing around them.
            int widest = 0;
            int inkHeight = 0;
            const QStringList lines = text.split(QLatin1Char('\n'));
            for (const QString &line : lines) {
                widest = std::max(widest, fm.horizontalAdvance(line));
                inkHeight += line.trimmed().isEmpty() ? 0 : fm.tightBoundingRect(line).height();
            }
            if (widest > room)
                cut.insert(where, text + QStringLiteral(" (%1 > %2)").arg(widest).arg(room));
            else if (inkHeight > height)
                cut.insert(where, text + QStringLiteral(" (height %1 > %2)").arg(inkHeight).arg(height));
        };
        if (auto *l = qobject_cast<QLabel *>(w)) {
            if (!l->wordWrap() && !l->text().isEmpty() && !Qt::mightBeRichText(l->text()))
                check(l->text(), l->contentsRect().width(), l->contentsRect().height());
        } else if (qobject_cast<QRadioButton *>(w) || qobject_cast<QCheckBox *>(w)) {
            const bool radio = qobject_cast<QRadioButton *>(w);
            const auto *b = static_cast<QAbstractButton *>(w);
            const int indicator =
                style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, w)
                + style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
            if (!b->text().isEmpty())
                check(b->text(), b->width() - indicator, b->height());
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            constexpr int kFrame = 1; // the button's frame line; the text may reach up to it
            if (!b->text().isEmpty())
                check(b->text(), b->width() - 2 * kFrame, b->height() - 2 * kFrame);
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            if (!g->title().isEmpty())
                check(g->title(), g->width() - 20, g->height());
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
            // Any item may be the one shown.
            for (int i = 0; i < combo->count(); ++i) {
                if (!combo->itemText(i).isEmpty())
                    check(combo->itemText(i), field.width(), field.height(), i);
            }
        }
    }
    return cut;
}

} // namespace

class tst_LanguageSwitch : public QObject
{
    Q_OBJECT

    // A row per entry, but the one left out.
    void languages(int leftOut = -1)
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        for (int i = 0; i < int(std::size(kLanguages)); ++i) {
            if (i != leftOut)
                QTest::newRow(kLanguages[i][0]) << i << QString::fromLatin1(kLanguages[i][1]);
        }
    }

    // What the Teacher and Director tabs cut off in one language, the window unfolded.
    QMap<QString, QString> tabTexts(int index, const QString &code)
    {
        LanguageWindow w;
        w.choose(index);
        w.widget<QPushButton>("teacher_show_param_pushButton")->click(); // unfolded: the whole tab shows
        if (w->width() != 1164)
            return {{QStringLiteral("window"), QStringLiteral("not unfolded")}};
        w->show();
        if (!QTest::qWaitForWindowExposed(w.window.get()))
            return {{QStringLiteral("window"), QStringLiteral("not shown")}};
        const QString shots = qEnvironmentVariable("CORVANE_SHOT_DIR");
        QMap<QString, QString> cut;
        for (QWidget *page : {static_cast<QWidget *>(w.widget<QWidget>("tab_teacher")), static_cast<QWidget *>(w.widget<QWidget>("tab_host"))}) {
            w.widget<QTabWidget>("tabWidget")->setCurrentWidget(page);
            QTest::qWait(50);
            cut.unite(cutOffTexts(page));
            // As connected cameras show them: the connect buttons offer the disconnect.
            const QString disconnect = QCoreApplication::translate("MainWindow", "Disconnect");
            const QList<QPushButton *> connectButtons = page->findChildren<QPushButton *>(
                QRegularExpression(QStringLiteral("_connect_Button$")));
            for (QPushButton *b : connectButtons)
                b->setText(disconnect);
            const QMap<QString, QString> connected = cutOffTexts(page);
            for (QPushButton *b : connectButtons) {
                if (connected.contains(b->objectName()))
                    cut.insert(b->objectName() + QStringLiteral(" connected"), connected.value(b->objectName()));
                b->setText(QCoreApplication::translate("MainWindow", "Connect"));
            }
            if (!shots.isEmpty()) {
                QDir().mkpath(shots);
                QTest::qWait(200); // let the window system paint the page
                const QString file = QDir(shots).filePath(QStringLiteral("%1_%2.png").arg(page->objectName(), code));
                if (!w->grab().save(file))
                    cut.insert(QStringLiteral("shot"), file);
            }
        }
        return cut;
    }

private slots:
    void initTestCase() { corvane_init_resources(); }

    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        installed_catalogue::install(nullptr);
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

    // The Teacher and Director tabs in every language, unfolded: no text is cut off that the
    // form's own English texts do not already overflow at the interface font. With
    // CORVANE_SHOT_DIR set (a run under Xvfb) the tabs are saved there.
    void tabsFitTheirTexts_data() { languages(1); } // English is the measure
    void tabsFitTheirTexts()
    {
        QFETCH(int, index);
        QFETCH(QString, code);
        const QMap<QString, QString> source = tabTexts(1, QStringLiteral("en"));
        const QMap<QString, QString> cut = tabTexts(index, code);
        QStringList faults;
        for (auto it = cut.cbegin(); it != cut.cend(); ++it) {
            if (!source.contains(it.key()))
                faults << it.key() + QStringLiteral(": ") + it.value();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(tst_LanguageSwitch)
#include "tst_language_switch.moc"
