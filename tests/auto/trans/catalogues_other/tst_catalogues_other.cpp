// The Indonesian, Thai, Arabic, Spanish and English catalogues of the main window: under each
// of them every text of the form reads in the catalogue's language, while the texts that are
// values (addresses, ports, director codes, decoder names, calibration heights, numbers) stay
// exactly as the form has them, since other code reads them back. The English catalogue turns
// only the Chinese source texts into English.
#include "support/resources.h"
#include "ui_mainwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {

// Texts that are values, not words: the same in every catalogue.
const QStringList kValueTexts = {
    QStringLiteral("Corvane"), QStringLiteral("Corvane V3.0.1"),
    // default addresses
    QStringLiteral("192.168.1.100"), QStringLiteral("192.168.1.101"), QStringLiteral("192.168.1.163"),
    QStringLiteral("192.168.1.164"), QStringLiteral("192.168.1.165"), QStringLiteral("192.168.1.166"),
    QStringLiteral("192.168.1.188"), QStringLiteral("192.168.1.200"), QStringLiteral("192.168.1.201"),
    QStringLiteral("192.168.1.202"), QStringLiteral("192.168.1.250"),
    // ports and the baud rate
    QStringLiteral("554"), QStringLiteral("1259"), QStringLiteral("5555"), QStringLiteral("6791"),
    QStringLiteral("6793"), QStringLiteral("8005"), QStringLiteral("8791"), QStringLiteral("9600"),
    QStringLiteral("9999"), QStringLiteral("10554"), QStringLiteral("11259"), QStringLiteral("12777"),
    QStringLiteral("15555"), QStringLiteral("16791"), QStringLiteral("16793"), QStringLiteral("20554"),
    QStringLiteral("21259"), QStringLiteral("25555"), QStringLiteral("26791"), QStringLiteral("26793"),
    // director codes
    QStringLiteral("FF 00 00 00 00 01"), QStringLiteral("FF 00 00 00 00 02"),
    QStringLiteral("FF 01 00 00 00 11"), QStringLiteral("FF 01 00 00 00 12"),
    QStringLiteral("FF 01 00 00 00 13"), QStringLiteral("FF 01 00 00 00 14"),
    QStringLiteral("FF 01 00 00 00 15"), QStringLiteral("FF 02 00 00 00 21"),
    QStringLiteral("FF 02 00 00 00 22"), QStringLiteral("FF 02 00 00 00 23"),
    QStringLiteral("FF 02 00 00 00 24"), QStringLiteral("FF 03 00 00 00 31"),
    QStringLiteral("FF 03 00 00 00 32"), QStringLiteral("FF 11 11"), QStringLiteral("FF 22 22"),
    QStringLiteral("FF 33 33"), QStringLiteral("FF 44 44"), QStringLiteral("FF 55 55"),
    QStringLiteral("FF 55 56"), QStringLiteral("FF 55 57"),
    // login defaults, PTZ speed level and zoom
    QStringLiteral("username"), QStringLiteral("wobentri"), QStringLiteral("10"), QStringLiteral("1.0x"),
    // decoder names (the decoder choice reads the item text) and calibration heights (read back)
    QStringLiteral("NONE"), QStringLiteral("AUTO"), QStringLiteral("QSV"), QStringLiteral("DXVA2"),
    QStringLiteral("D3D11VA"), QStringLiteral("0cm"), QStringLiteral("90cm"),
    // numbers, value labels and MAC bytes
    QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
    QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("15"),
    QStringLiteral("0.5"), QStringLiteral("2.2"), QStringLiteral("3.0"), QStringLiteral("6.0"),
    QStringLiteral("0.0"), QStringLiteral("D4"), QStringLiteral("E0"), QStringLiteral("8E"),
    // arrows and marks
    QStringLiteral("↖"), QStringLiteral("↑"), QStringLiteral("↗"), QStringLiteral("←"), QStringLiteral("→"),
    QStringLiteral("↙"), QStringLiteral("↓"), QStringLiteral("↘"), QStringLiteral("..."), QStringLiteral(":"),
    QStringLiteral("？"), QStringLiteral("d:"), QStringLiteral("h:"),
    // protocol and device names, the version placeholder, the work types, the remote's OK key
    QStringLiteral("SOC"), QStringLiteral("UDP"), QStringLiteral("TCP"), QStringLiteral("HEX"),
    QStringLiteral("ASCII"), QStringLiteral("DHCP"), QStringLiteral("PTZ"), QStringLiteral("OSD"),
    QStringLiteral("EPTZ"), QStringLiteral("TYPE1"), QStringLiteral("TYPE2"), QStringLiteral("OK"),
    QStringLiteral("中文"),
};

// The language combo names each language in that language, in every catalogue.
const QHash<QString, QString> kLanguageNames = {
    {QStringLiteral("English"), QStringLiteral("English")},
    {QStringLiteral("Japanese"), QStringLiteral("日本語")},
    {QStringLiteral("Korean"), QStringLiteral("한국어")},
    {QStringLiteral("Indonesian"), QStringLiteral("Bahasa Indonesia")},
    {QStringLiteral("Thai"), QStringLiteral("ไทย")},
    {QStringLiteral("Arabic"), QStringLiteral("العربية")},
    {QStringLiteral("Spanish"), QStringLiteral("Español")},
};

// Words that the target language writes exactly as the English source.
const QHash<QString, QStringList> kSameWords = {
    {QStringLiteral("id"), {QStringLiteral("Status"), QStringLiteral("Manual"), QStringLiteral("Port"),
                            QStringLiteral("Serial"), QStringLiteral("MENU")}},
    {QStringLiteral("es"), {QStringLiteral("Manual")}},
};

// Texts the window's code sets through tr() in the form's context, beside the form's own.
const QStringList kCodeTexts = {
    QStringLiteral("Corvane V3.0.1"), QStringLiteral("BACK"), QStringLiteral("MENU"),
    QStringLiteral("Num 0 : Pano"), QStringLiteral("Num 1 : Left Board"), QStringLiteral("Num 2 : Center Board"),
    QStringLiteral("Num 3 : Right Board"), QStringLiteral("Num 11 : Board Pano"),
    QStringLiteral("Num 60 : Pano Crop"), QStringLiteral("Zoom in"), QStringLiteral("Zoom out"),
};

// Chinese ideographs; a full-width colon alone ("Devices：") does not make an English text Chinese.
const QRegularExpression kHan(QStringLiteral("[\\x{4E00}-\\x{9FFF}]"));

struct FormText {
    QString where; // object name and property
    QString text;
};

// Every text the form's retranslation sets, in a fixed order.
QList<FormText> formTexts(QMainWindow *window)
{
    QList<FormText> texts;
    texts.append({QStringLiteral("window title"), window->windowTitle()});
    auto widgets = window->findChildren<QWidget *>();
    std::sort(widgets.begin(), widgets.end(),
              [](QWidget *a, QWidget *b) { return a->objectName() < b->objectName(); });
    for (QWidget *w : widgets) {
        const QString name = w->objectName();
        auto add = [&](const QString &what, const QString &text) {
            if (!text.isEmpty())
                texts.append({name + QLatin1Char(' ') + what, text});
        };
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            add(QStringLiteral("text"), b->text());
        else if (auto *l = qobject_cast<QLabel *>(w))
            add(QStringLiteral("text"), l->text());
        else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            if (!qobject_cast<QAbstractSpinBox *>(e->parentWidget())) // a spin box shows its value
                add(QStringLiteral("text"), e->text());
        }
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            add(QStringLiteral("title"), g->title());
        else if (auto *c = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < c->count(); ++i)
                add(QStringLiteral("item %1").arg(i), c->itemText(i));
        } else if (auto *t = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                add(QStringLiteral("tab ") + t->widget(i)->objectName(), t->tabText(i));
        } else if (auto *tree = qobject_cast<QTreeWidget *>(w)) {
            for (int i = 0; i < tree->columnCount(); ++i)
                add(QStringLiteral("header %1").arg(i), tree->headerItem()->text(i));
        } else if (auto *s = qobject_cast<QSpinBox *>(w)) {
            add(QStringLiteral("suffix"), s->suffix());
        }
        add(QStringLiteral("tool tip"), w->toolTip());
        add(QStringLiteral("what's this"), w->whatsThis());
        add(QStringLiteral("accessible description"), w->accessibleDescription());
    }
    return texts;
}

struct Form {
    std::unique_ptr<QMainWindow> window{new QMainWindow};
    Ui::MainWindow ui;
    Form() { ui.setupUi(window.get()); }
};

// How the catalogue of `lang` must render `source`: the expected text, or an empty string when
// any text other than the source will do.
QString expected(const QString &lang, const QString &source, bool *mustDiffer)
{
    *mustDiffer = false;
    if (kValueTexts.contains(source))
        return source;
    if (kLanguageNames.contains(source))
        return kLanguageNames.value(source);
    if (lang == QLatin1String("en")) {
        if (source.contains(kHan)) {
            *mustDiffer = true;
            return QString();
        }
        return source;
    }
    if (kSameWords.value(lang).contains(source))
        return source;
    *mustDiffer = true;
    return QString();
}

QString sourceDir()
{
    return QString::fromLocal8Bit(qgetenv("CORVANE_SOURCE_DIR"));
}

} // namespace

class tst_CataloguesOther : public QObject
{
    Q_OBJECT

    QList<FormText> sourceTexts;

    void catalogues()
    {
        QTest::addColumn<QString>("lang");
        for (const char *lang : {"id", "th", "ar", "es", "en"})
            QTest::newRow(lang) << QString::fromLatin1(lang);
    }

private slots:
    void initTestCase()
    {
        corvane_init_resources();
        Form form;
        sourceTexts = formTexts(form.window.get());
        // The form carries hundreds of texts; an empty list would make every check below vacuous.
        QVERIFY(sourceTexts.size() > 400);
    }

    void formTextsFollowTheCatalogue_data() { catalogues(); }
    void formTextsFollowTheCatalogue()
    {
        QFETCH(QString, lang);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/trans/%1.qm").arg(lang)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        Form form;
        const QList<FormText> translated = formTexts(form.window.get());
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(translated.size(), sourceTexts.size());
        QStringList faults;
        int changed = 0;
        for (int i = 0; i < sourceTexts.size(); ++i) {
            const FormText &source = sourceTexts.at(i);
            const FormText &now = translated.at(i);
            QCOMPARE(now.where, source.where);
            if (source.where.startsWith(QLatin1String("textEdit "))) {
                // the upgrade log's empty document: markup, kept as the form has it
                if (now.text != source.text)
                    faults << source.where + QStringLiteral(": the log document changed");
                continue;
            }
            bool mustDiffer = false;
            const QString want = expected(lang, source.text, &mustDiffer);
            if (mustDiffer) {
                if (now.text == source.text)
                    faults << source.where + QStringLiteral(": untranslated \"%1\"").arg(source.text);
                else if (now.text.trimmed().isEmpty())
                    faults << source.where + QStringLiteral(": empty translation");
                else if (lang == QLatin1String("en") && now.text.contains(kHan))
                    faults << source.where + QStringLiteral(": still Chinese");
                else
                    ++changed;
            } else if (now.text != want) {
                faults << source.where + QStringLiteral(": \"%1\" became \"%2\", expected \"%3\"")
                                             .arg(source.text, now.text, want);
            }
        }
        if (!faults.isEmpty())
            QFAIL(qPrintable(faults.join(QLatin1Char('\n'))));
        // English changes only the Chinese texts: the Reversal compensation tab and its two
        // buttons and the Director tab's explanation.
        if (lang == QLatin1String("en"))
            QCOMPARE(changed, 4);
        else
            QVERIFY2(changed > 300, qPrintable(QString::number(changed)));
    }

    void valueTextsStayExactly_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("text");
        for (const char *lang : {"id", "th", "ar", "es", "en"}) {
            for (const QString &text : kValueTexts)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(lang), text)))
                    << QString::fromLatin1(lang) << text;
        }
    }
    void valueTextsStayExactly()
    {
        QFETCH(QString, lang);
        QFETCH(QString, text);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/trans/%1.qm").arg(lang)));
        // Each value is a message of the catalogue, translated as itself (not merely missing).
        QCOMPARE(translator.translate("MainWindow", text.toUtf8().constData()), text);
    }

    void codeTextsAreTranslated_data() { catalogues(); }
    void codeTextsAreTranslated()
    {
        QFETCH(QString, lang);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/trans/%1.qm").arg(lang)));
        QStringList faults;
        QSet<QString> presetItems;
        for (const QString &source : kCodeTexts) {
            const QString text = translator.translate("MainWindow", source.toUtf8().constData());
            bool mustDiffer = false;
            const QString want = expected(lang, source, &mustDiffer);
            if (text.isEmpty())
                faults << source + QStringLiteral(": missing");
            else if (mustDiffer && text == source)
                faults << source + QStringLiteral(": untranslated");
            else if (!mustDiffer && text != want)
                faults << source + QStringLiteral(": became ") + text;
            if (source.startsWith(QLatin1String("Num ")))
                presetItems.insert(text);
        }
        if (!faults.isEmpty())
            QFAIL(qPrintable(faults.join(QLatin1Char('\n'))));
        // The preset slots compare the chosen item with the translated "Num 60 : Pano Crop", so
        // the six items of the three-presets list must stay apart.
        QCOMPARE(presetItems.size(), 6);
    }

    // The sources in the repository hold no unfinished message and the build compiled them as
    // they stand: each translation of the .ts is what the embedded catalogue returns.
    void sourcesAreFinishedAndCompiled_data() { catalogues(); }
    void sourcesAreFinishedAndCompiled()
    {
        QFETCH(QString, lang);
        if (sourceDir().isEmpty())
            QSKIP("CORVANE_SOURCE_DIR is not set (run the test through CTest)");
        QFile file(sourceDir() + QStringLiteral("/resources/trans/%1.ts").arg(lang));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/trans/%1.qm").arg(lang)));

        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        int messages = 0;
        QStringList faults;
        while (!xml.atEnd() && messages < 100000) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                const QString translation = xml.readElementText();
                if (!type.isEmpty())
                    faults << source.left(40) + QStringLiteral(": marked ") + type;
                else if (translation.isEmpty())
                    faults << source.left(40) + QStringLiteral(": empty");
                else if (translator.translate(context.toUtf8().constData(), source.toUtf8().constData())
                         != translation)
                    faults << source.left(40) + QStringLiteral(": the compiled catalogue differs");
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        if (!faults.isEmpty())
            QFAIL(qPrintable(faults.join(QLatin1Char('\n'))));
        QVERIFY(messages > 400);
    }
};

QTEST_MAIN(tst_CataloguesOther)
#include "tst_catalogues_other.moc"
