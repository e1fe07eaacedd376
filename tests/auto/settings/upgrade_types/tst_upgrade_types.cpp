// The upgrade types by mode and the entry and code a stored type selects.
#include "settings/upgrade_types.h"

#include <QtTest>

class tst_UpgradeTypes : public QObject
{
    Q_OBJECT

private slots:
    void items()
    {
        QCOMPARE(upgrade::type_items(QStringLiteral("Simple")), (QStringList{"SOC", "ARM", "MTD", "AUTO"}));
        QCOMPARE(upgrade::type_items(QStringLiteral("Full")), (QStringList{"SOC", "ARM", "SOC&ARM", "MTD"}));
        QVERIFY(upgrade::type_items(QString()).isEmpty());
        QVERIFY(upgrade::type_items(QStringLiteral("simple")).isEmpty());
    }

    void choices_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("index"); // -1: nothing selected
        QTest::addColumn<int>("code");
        QTest::newRow("Full SOC") << "Full" << "SOC" << 0 << 1;
        QTest::newRow("Full ARM") << "Full" << "ARM" << 1 << 2;
        QTest::newRow("Full SOC&ARM") << "Full" << "SOC&ARM" << 2 << 3;
        QTest::newRow("Full MTD") << "Full" << "MTD" << 3 << 4;
        QTest::newRow("Full AUTO is unknown there") << "Full" << "AUTO" << 0 << 1;
        QTest::newRow("Full empty") << "Full" << "" << 0 << 1;
        QTest::newRow("Simple SOC") << "Simple" << "SOC" << 0 << 1;
        QTest::newRow("Simple ARM") << "Simple" << "ARM" << 1 << 2;
        QTest::newRow("Simple MTD") << "Simple" << "MTD" << 2 << 4;
        QTest::newRow("Simple AUTO") << "Simple" << "AUTO" << 3 << 5;
        QTest::newRow("Simple XYZ") << "Simple" << "XYZ" << 3 << 5;
        QTest::newRow("Simple SOC&ARM") << "Simple" << "SOC&ARM" << 3 << 5;
        QTest::newRow("Simple lower case") << "Simple" << "soc" << 3 << 5;
        QTest::newRow("no mode") << "" << "SOC" << -1 << -1;
        QTest::newRow("other mode") << "Expert" << "ARM" << -1 << -1;
    }

    void choices()
    {
        QFETCH(QString, mode);
        QFETCH(QString, type);
        QFETCH(int, index);
        QFETCH(int, code);
        const auto choice = upgrade::type_choice(mode, type);
        QCOMPARE(choice.has_value(), index >= 0);
        if (!choice)
            return;
        QCOMPARE(choice->index, index);
        QCOMPARE(choice->code, code);
        // The entry selected is the type's own entry whenever the mode lists the type.
        const QStringList items = upgrade::type_items(mode);
        if (items.contains(type))
            QCOMPARE(items.at(choice->index), type);
    }

    void workType()
    {
        QCOMPARE(upgrade::work_type_for(true), 1);
        QCOMPARE(upgrade::work_type_for(false), 2);
    }
};

QTEST_APPLESS_MAIN(tst_UpgradeTypes)
#include "tst_upgrade_types.moc"
