// The Chinese, Japanese and Korean catalogues of the main window: each loads from the
// resources, turns every text of the form into its language, and leaves the texts that are
// values (decoder types, ports, addresses, codes, numbers) exactly as they are, since the
// program and the cameras read those back.
#include "support/resources.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {

const char kContext[] = "MainWindow";

// Texts that are values rather than words: the program compares or parses them, a camera or the
// recorder receives them, or they name a product, protocol or standard. Every catalogue keeps them.
const QStringList &valueTexts()
{
    static const QStringList texts = {
        // decoder types: the chosen item's text is the decoder type
        QStringLiteral("NONE"), QStringLiteral("AUTO"), QStringLiteral("QSV"), QStringLiteral("DXVA2"),
        QStringLiteral("D3D11VA"),
        // calibration heights, read back as numbers
        QStringLiteral("0cm"), QStringLiteral("90cm"),
        // upgrade types
        QStringLiteral("SOC"), QStringLiteral("ARM"), QStringLiteral("SOC&ARM"), QStringLiteral("MTD"),
        // recorder login defaults
        QStringLiteral("username"), QStringLiteral("wobentri"),
        // product name and version
        QStringLiteral("Corvane"), QStringLiteral("Corvane V3.0.1"),
        // protocols, formats and standards
        QStringLiteral("UDP"), QStringLiteral("TCP"), QStringLiteral("HEX"), QStringLiteral("ASCII"),
        QStringLiteral("DHCP"), QStringLiteral("PTZ"), QStringLiteral("OSD"), QStringLiteral("EPTZ"),
        // symbols: the pad's arrows, the enlarge buttons, the MAC separator, the About button,
        // the installation-position formula's distance and height
        QStringLiteral("↖"), QStringLiteral("↑"), QStringLiteral("↗"), QStringLiteral("←"), QStringLiteral("→"),
        QStringLiteral("↙"), QStringLiteral("↓"), QStringLiteral("↘"), QStringLiteral("..."), QStringLiteral(":"),
        QStringLiteral("？"), QStringLiteral("d:"), QStringLiteral("h:"),
        // the language combo's own entries that are already in their language
        QStringLiteral("中文"), QStringLiteral("English"),
    };
    return texts;
}

bool isValueText(const QString &text)
{
    if (valueTexts().contains(text))
        return true;
    static const QRegularExpression patterns[] = {
        QRegularExpression(QStringLiteral("^[0-9]+(\\.[0-9]+)?x?$")),    // numbers, ports, zoom "1.0x"
        QRegularExpression(QStringLiteral("^[0-9]+(\\.[0-9]+){3}$")),    // IPv4 addresses
        QRegularExpression(QStringLiteral("^FF( [0-9A-F]{2})+$")),       // director codes
        QRegularExpression(QStringLiteral("^[0-9A-F]{2}$")),             // MAC address bytes
        QRegularExpression(QStringLiteral("^<!DOCTYPE HTML")),           // the empty upgrade log
    };
    for (const QRegularExpression &re : patterns) {
        if (re.match(text).hasMatch())
            return true;
    }
    return false;
}

// Each language of the combo names itself, whatever the catalogue.
QString endonym(const QString &source)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("Japanese"), QStringLiteral("日本語")},
        {QStringLiteral("Korean"), QStringLiteral("한국어")},
        {QStringLiteral("Indonesian"), QStringLiteral("Bahasa Indonesia")},
        {QStringLiteral("Thai"), QStringLiteral("ไทย")},
        {QStringLiteral("Arabic"), QStringLiteral("العربية")},
        {QStringLiteral("Spanish"), QStringLiteral("Español")},
    };
    return names.value(source);
}

bool hasScript(const QString &text, QChar::Script script)
{
    for (uint ucs4 : text.toUcs4()) {
        if (QChar::script(ucs4) == script)
            return true;
    }
    return false;
}

// Whether a translated word is written in the catalogue's language: Chinese in Han characters,
// Japanese in kana or kanji, Korean in Hangul. A few short forms stay in Latin letters
// ("m" for metres, "GW" for the gateway, "Ver." and "No." in the device list's headers).
bool writtenIn(const QString &lang, const QString &text)
{
    if (lang == QLatin1String("zh"))
        return hasScript(text, QChar::Script_Han);
    if (lang == QLatin1String("ja"))
        return hasScript(text, QChar::Script_Han) || hasScript(text, QChar::Script_Hiragana)
               || hasScript(text, QChar::Script_Katakana)
               || QStringList{QStringLiteral("m"), QStringLiteral("GW"), QStringLiteral("Ver."), QStringLiteral("No.")}
                      .contains(text);
    return hasScript(text, QChar::Script_Hangul) || text == QLatin1String("m");
}

// Every user-visible text of the form, keyed by where it sits.
QMap<QString, QString> collectFormTexts(QWidget *root)
{
    QMap<QString, QString> texts;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        const QString name = w->objectName();
        // Qt's own helpers (the tab bars' scroll buttons, the spin boxes' editors) carry Qt's texts.
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || qobject_cast<QTabBar *>(w->parentWidget()))
            continue;
        auto put = [&](const QString &what, const QString &text) { texts.insert(name + QLatin1Char('.') + what, text); };
        put(QStringLiteral("windowTitle"), w->windowTitle());
        put(QStringLiteral("toolTip"), w->toolTip());
        put(QStringLiteral("whatsThis"), w->whatsThis());
        put(QStringLiteral("accessibleName"), w->accessibleName());
        put(QStringLiteral("accessibleDescription"), w->accessibleDescription());
        if (auto *label = qobject_cast<QLabel *>(w))
            put(QStringLiteral("text"), label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            put(QStringLiteral("text"), button->text());
        if (auto *group = qobject_cast<QGroupBox *>(w))
            put(QStringLiteral("title"), group->title());
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            put(QStringLiteral("text"), edit->text());
            put(QStringLiteral("placeholderText"), edit->placeholderText());
        }
        if (auto *combo = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                put(QStringLiteral("item%1").arg(i), combo->itemText(i));
        }
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                put(QStringLiteral("tab:") + tabs->widget(i)->objectName(), tabs->tabText(i));
        }
        if (auto *tree = qobject_cast<QTreeWidget *>(w)) {
            for (int c = 0; c < tree->columnCount(); ++c)
                put(QStringLiteral("header%1").arg(c), tree->headerItem()->text(c));
        }
        if (auto *textEdit = qobject_cast<QTextEdit *>(w))
            put(QStringLiteral("html"), textEdit->toHtml());
    }
    return texts;
}

struct Form {
    std::unique_ptr<QMainWindow> window{new QMainWindow};
    std::unique_ptr<Ui::MainWindow> ui{new Ui::MainWindow};
    Form() { ui->setupUi(window.get()); }
};

// (source, translation) of every message of a catalogue source file, with its "unfinished" mark.
struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = true;
};

QList<Message> readCatalogueSource(const QString &path, QString *error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    Message current;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            current = Message();
            current.context = context;
        } else if (xml.name() == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            current.finished = type.isEmpty();
            current.translation = xml.readElementText();
            messages.append(current);
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}

} // namespace

class tst_CataloguesCjk : public QObject
{
    Q_OBJECT

    QMap<QString, QString> sourceTexts;

    static void addLanguages()
    {
        QTest::addColumn<QString>("lang");
        for (const char *lang : {"zh", "ja", "ko"})
            QTest::newRow(lang) << QString::fromLatin1(lang);
    }

private slots:
    void initTestCase()
    {
        corvane_init_resources();
        Form plain;
        sourceTexts = collectFormTexts(plain.window.get());
        QVERIFY(sourceTexts.size() > 1000);
    }

    // The form's texts under the catalogue: words change, values stay, Chinese source texts stay
    // in the Chinese catalogue, and the language names are each in their own language.
    void formTexts_data() { addLanguages(); }
    void formTexts()
    {
        QFETCH(QString, lang);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/trans/%1.qm").arg(lang)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QMap<QString, QString> translated = [] {
            Form form;
            return collectFormTexts(form.window.get());
        }();
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(translated.keys(), sourceTexts.keys());
        QStringList faults;
        int words = 0;
        for (auto it = sourceTexts.cbegin(); it != sourceTexts.cend(); ++it) {
            const QString &source = it.value();
            const QString &text = translated.value(it.key());
            if (source.isEmpty()) {
                if (!text.isEmpty())
                    faults << it.key() + QStringLiteral(": empty text became ") + text;
                continue;
            }
            QString expected;
            if (isValueText(source))
                expected = source;
            else if (!endonym(source).isEmpty())
                expected = endonym(source);
            else if (lang == QLatin1String("zh") && hasScript(source, QChar::Script_Han))
                expected = source;
            if (!expected.isNull()) {
                if (text != expected)
                    faults << QStringLiteral("%1: \"%2\" shows as \"%3\", expected \"%4\"").arg(it.key(), source, text, expected);
                continue;
            }
            ++words;
            if (text == source)
                faults << QStringLiteral("%1: \"%2\" is not translated").arg(it.key(), source);
            else if (!writtenIn(lang, text))
                faults << QStringLiteral("%1: \"%2\" became \"%3\", not in the catalogue's language").arg(it.key(), source, text);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        // The form has some 430 places that show words; far fewer means the walk missed pages.
        QVERIFY2(words > 400, qPrintable(QString::number(words)));
    }

    // Texts the window sets from its code rather than from the form.
    void codeTexts_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("source");
        for (const char *lang : {"zh", "ja", "ko"}) {
            for (const char *source : {"BACK", "MENU", "Num 1 : Left Board", "Num 2 : Center Board", "Num 11 : Board Pano"})
                QTest::addRow("%s %s", lang, source) << QString::fromLatin1(lang) << QString::fromUtf8(source);
        }
    }
    void codeTexts()
    {
        QFETCH(QString, lang);
        QFETCH(QString, source);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/trans/%1.qm").arg(lang)));
        const QString text = translator.translate(kContext, source.toUtf8().constData());
        QVERIFY2(!text.isEmpty() && text != source, qPrintable(text));
        QVERIFY2(writtenIn(lang, text), qPrintable(text));
    }

    // The values the issue names stay exactly as they are, and are present in the catalogue
    // (a missing entry would fall back to the source only by luck).
    void valuesKept_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("value");
        const char *values[] = {"NONE", "AUTO", "QSV", "DXVA2", "D3D11VA", "0cm", "90cm", "8791", "9600", "9999",
                                "12777", "554", "8005", "1.0x", "10", "SOC", "username", "wobentri",
                                "FF 01 00 00 00 11", "FF 33 33", "192.168.1.200", "中文", "English"};
        for (const char *lang : {"zh", "ja", "ko"}) {
            for (const char *value : values)
                QTest::addRow("%s %s", lang, value) << QString::fromLatin1(lang) << QString::fromUtf8(value);
        }
    }
    void valuesKept()
    {
        QFETCH(QString, lang);
        QFETCH(QString, value);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/trans/%1.qm").arg(lang)));
        QCOMPARE(translator.translate(kContext, value.toUtf8().constData()), value);
    }

    // The catalogue sources in the repository: nothing unfinished or empty, every value kept,
    // and the compiled catalogue gives exactly what the source file says.
    void catalogueSource_data() { addLanguages(); }
    void catalogueSource()
    {
        QFETCH(QString, lang);
        QString error;
        const QList<Message> messages =
            readCatalogueSource(testenv::sourceDir() + QStringLiteral("/resources/trans/%1.ts").arg(lang), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(messages.size() >= 411);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/trans/%1.qm").arg(lang)));
        QStringList faults;
        for (const Message &m : messages) {
            if (!m.finished)
                faults << QStringLiteral("unfinished: ") + m.source;
            if (m.translation.isEmpty())
                faults << QStringLiteral("empty: ") + m.source;
            if (isValueText(m.source) && m.translation != m.source)
                faults << QStringLiteral("value changed: %1 -> %2").arg(m.source, m.translation);
            // Each message in its own context: the catalogues also hold the dialogs' texts.
            const QString compiled =
                translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData());
            if (compiled != m.translation)
                faults << QStringLiteral("compiled catalogue differs: %1 -> %2").arg(m.source, compiled);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(tst_CataloguesCjk)
#include "tst_catalogues_cjk.moc"
