// The eight interface languages: system language to entry, entry to name and catalogue.
#include "settings/language_table.h"

#include <QtTest>

class tst_LanguageTable : public QObject
{
    Q_OBJECT

private slots:
    void table_data()
    {
        QTest::addColumn<int>("locale");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("Chinese") << int(QLocale::Chinese) << 0 << "Chinese" << ":/trans/zh.qm";
        QTest::newRow("English") << int(QLocale::English) << 1 << "English" << ":/trans/en.qm";
        QTest::newRow("Japanese") << int(QLocale::Japanese) << 2 << "Japanese" << ":/trans/ja.qm";
        QTest::newRow("Korean") << int(QLocale::Korean) << 3 << "Korean" << ":/trans/ko.qm";
        QTest::newRow("Indonesian") << int(QLocale::Indonesian) << 4 << "Indonesian" << ":/trans/id.qm";
        QTest::newRow("Thai") << int(QLocale::Thai) << 5 << "Thai" << ":/trans/th.qm";
        QTest::newRow("Arabic") << int(QLocale::Arabic) << 6 << "Arabic" << ":/trans/ar.qm";
        QTest::newRow("Spanish") << int(QLocale::Spanish) << 7 << "Spanish" << ":/trans/es.qm";
        QTest::newRow("German falls back") << int(QLocale::German) << 1 << "English" << ":/trans/en.qm";
        QTest::newRow("C falls back") << int(QLocale::C) << 1 << "English" << ":/trans/en.qm";
    }

    void table()
    {
        QFETCH(int, locale);
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, catalogue);
        QCOMPARE(language::index_for_locale(QLocale::Language(locale)), index);
        QCOMPARE(language::name_for_index(index).value_or(QString()), name);
        QCOMPARE(language::index_for_name(name).value_or(-1), index);
        QCOMPARE(language::catalogue_for_index(index), catalogue);
    }

    void outsideTheTable()
    {
        QVERIFY(!language::name_for_index(-1));
        QVERIFY(!language::name_for_index(8));
        QVERIFY(!language::index_for_name(QStringLiteral("english")));
        QVERIFY(!language::index_for_name(QString()));
        QCOMPARE(language::catalogue_for_index(8), QStringLiteral(":/trans/en.qm"));
        QCOMPARE(language::catalogue_for_index(-3), QStringLiteral(":/trans/en.qm"));
    }
};

QTEST_APPLESS_MAIN(tst_LanguageTable)
#include "tst_language_table.moc"
