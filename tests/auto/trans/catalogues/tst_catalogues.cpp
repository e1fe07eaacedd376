// The eight catalogues of the window (resources/trans/*.ts, compiled into the resources): each
// loads for its language, translates every text the forms show, and has nothing unfinished or
// empty; a translation keeps the placeholders of its source, a text that is a value (the
// program parses it or a camera receives it) stays as it is, and the entries of a preset list,
// which the preset slots find by their translated text, stay apart.
#include "dialogs/image_expand.h"
#include "guide/guideconfig.h"
#include "shared_scene.h"
#include "protocol/tracking_modes.h"
#include "settings/language_table.h"
#include "support/resources.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QLocale>
#include <QMainWindow>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <iterator>

namespace {

// The catalogue resource the start installs for a system language.
QString catalogue_for_language(QLocale::Language language)
{
    return language::catalogue_for_index(language::index_for_locale(language));
}

const QLocale::Language kLanguages[] = {QLocale::Chinese,    QLocale::English, QLocale::Japanese, QLocale::Korean,
                                        QLocale::Indonesian, QLocale::Thai,    QLocale::Arabic,   QLocale::Spanish};

using Text = QPair<QString, QString>; // context, source

// Records every text the forms ask to have translated, in the forms' own contexts.
class RecordingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString name = QString::fromUtf8(context);
        if (name == QLatin1String("MainWindow") || name == QLatin1String("Image_Expand") || name == QLatin1String("GuideConfig")
            || name == QLatin1String("ButtomView") || name == QLatin1String("ArrowKeyViews"))
            asked.insert({name, QString::fromUtf8(source)});
        return QString();
    }
    mutable QSet<Text> asked;
};

bool isValueText(const QString &text)
{
    // Numbers, ports, addresses, zoom factors, calibration heights, director codes (the wizard's
    // interior ones in lower case), MAC bytes, decoder types, the recorder login defaults, the
    // language names already in their own language, and the markup of the empty upgrade log.
    static const QRegularExpression value(
        QStringLiteral("^([0-9]+(\\.[0-9]+)*(x|cm)?|FF( [0-9A-F]{2})+|80( [0-9a-f]{2})+|[0-9A-F]{2}|NONE|AUTO|QSV|DXVA2|D3D11VA|"
                       "username|wobentri|中文|English|<!DOCTYPE HTML.*)$"),
        QRegularExpression::DotMatchesEverythingOption);
    return value.match(text).hasMatch();
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[0-9]+"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}
} // namespace

// Every text the program's sources and forms mark for translation, as the extraction finds it.
QList<Text> extractedTexts(QString *error)
{
    const QString lupdate = QStandardPaths::findExecutable(QStringLiteral("lupdate"));
    QTemporaryDir folder;
    if (lupdate.isEmpty() || !folder.isValid()) {
        *error = QStringLiteral("no lupdate or no temporary folder");
        return {};
    }
    const QString ts = folder.filePath(QStringLiteral("all.ts"));
    QProcess run;
    run.setWorkingDirectory(testenv::sourceDir());
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                        QStringLiteral("-extensions"), QStringLiteral("cpp,h,ui"), QStringLiteral("app"),
                        QStringLiteral("base"), QStringLiteral("media"), QStringLiteral("gui"), QStringLiteral("-ts"), ts});
    if (!run.waitForFinished(120000) || run.exitCode() != 0) {
        *error = QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(run.readAll());
        return {};
    }
    QFile file(ts);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("lupdate wrote no ") + ts;
        return {};
    }
    QList<Text> texts;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            texts << Text{context, xml.readElementText()};
    }
    if (xml.hasError())
        *error = xml.errorString();
    return texts;
}

class tst_Catalogues : public QObject
{
    Q_OBJECT

    QSet<Text> formTexts;
    QList<Text> sourceTexts;
    QString extractionError;

private slots:
    void initTestCase()
    {
        corvane_init_resources();
        RecordingTranslator recorder;
        QVERIFY(QCoreApplication::installTranslator(&recorder));
        {
            QMainWindow window;
            Ui::MainWindow form;
            form.setupUi(&window);
            Image_Expand dialog;
            SharedScene wizardScene;
            GuideConfig wizard(wizardScene); // with its bars and pads
        }
        QCoreApplication::removeTranslator(&recorder);
        formTexts = recorder.asked;
        QVERIFY(formTexts.size() > 400);
        sourceTexts = extractedTexts(&extractionError);
    }

    // Each language has a catalogue of its own; any other gets the English one.
    void catalogueChoice()
    {
        QSet<QString> resources;
        for (QLocale::Language language : kLanguages)
            resources.insert(catalogue_for_language(language));
        QCOMPARE(resources.size(), int(std::size(kLanguages)));
        QCOMPARE(catalogue_for_language(QLocale::German), catalogue_for_language(QLocale::English));
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("resource");
        for (QLocale::Language language : kLanguages)
            QTest::newRow(qPrintable(QLocale::languageToString(language))) << catalogue_for_language(language);
    }

    void catalogue()
    {
        QFETCH(QString, resource);
        QTranslator translator;
        QVERIFY(translator.load(resource));
        const QString code = QFileInfo(resource).completeBaseName();
        QFile file(testenv::sourceDir() + QStringLiteral("/resources/trans/%1.ts").arg(code));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        static const QRegularExpression han(QStringLiteral("[\\x{4E00}-\\x{9FFF}]"));

        QStringList faults;
        int messages = 0;
        QXmlStreamReader xml(&file);
        QString context, source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
                const QString translation = xml.readElementText();
                const QString where = context + QStringLiteral(": ") + source.left(40) + QStringLiteral(": ");
                if (unfinished || translation.isEmpty())
                    faults << where + QStringLiteral("unfinished or empty");
                else if (isValueText(source) && translation != source)
                    faults << where + QStringLiteral("value became ") + translation;
                else if (placeholders(translation) != placeholders(source))
                    faults << where + QStringLiteral("placeholders differ in ") + translation;
                else if (code != QLatin1String("zh") && !isValueText(source) && source.contains(han)
                         && translation == source)
                    faults << where + QStringLiteral("left in Chinese");
                else if (translator.translate(context.toUtf8().constData(), source.toUtf8().constData()) != translation)
                    faults << where + QStringLiteral("the compiled catalogue differs");
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 400);

        for (const Text &text : qAsConst(formTexts)) {
            if (translator.translate(text.first.toUtf8().constData(), text.second.toUtf8().constData()).isEmpty())
                faults << text.first + QStringLiteral(": ") + text.second.left(40) + QStringLiteral(": missing");
        }

        QList<QVector<const char *>> presetLists{tracking_modes::student_preset_entries()};
        for (int mode = tracking_modes::Other; mode <= tracking_modes::Lectern; ++mode)
            presetLists << tracking_modes::teacher_preset_entries(mode);
        for (const QVector<const char *> &list : qAsConst(presetLists)) {
            QSet<QString> shown;
            for (const char *entry : list)
                shown.insert(translator.translate("MainWindow", entry));
            if (shown.size() != list.size())
                faults << QStringLiteral("preset entries share a text: ") + QStringList(shown.values()).join(" | ");
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Every text of the sources and forms, as the extraction finds it, has a translation in
    // each compiled catalogue but the English one, whose source texts are its texts.
    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("resource");
        for (QLocale::Language language : kLanguages) {
            if (language != QLocale::English)
                QTest::newRow(qPrintable(QLocale::languageToString(language))) << catalogue_for_language(language);
        }
    }
    void everyTextTranslated()
    {
        QFETCH(QString, resource);
        QVERIFY2(extractionError.isEmpty(), qPrintable(extractionError));
        QVERIFY(sourceTexts.size() > 400);
        QTranslator translator;
        QVERIFY(translator.load(resource));
        const QString code = QFileInfo(resource).completeBaseName();
        QStringList missing;
        for (const Text &text : qAsConst(sourceTexts)) {
            if (translator.translate(text.first.toUtf8().constData(), text.second.toUtf8().constData()).isEmpty())
                missing << QStringLiteral("%1: no translation in %2 of \"%3\"").arg(text.first, code, QString(text.second).replace(QLatin1Char('\n'), QLatin1String("\\n")));
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(tst_Catalogues)
#include "tst_catalogues.moc"
