// Reading rules of the values config.ini keeps, and the slider label formats whose inverse the
// loader computes.
#include "settings/config_values.h"

#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<bool>)

class tst_ConfigValues : public QObject
{
    Q_OBJECT

private slots:
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("plain") << "15" << 15;
        QTest::newRow("negative") << "-120" << -120;
        QTest::newRow("signed") << "+35" << 35;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("decimal") << "5.0" << 0;
        QTest::newRow("trailing letters") << "12x" << 0;
        QTest::newRow("beyond int") << "99999999999" << 0;
        QTest::newRow("hex is no number") << "0x10" << 0;
        QTest::newRow("leading zero") << "007" << 7;
    }

    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(config::number_of(text), number);
    }

    void flags_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("anyNumber");
        QTest::addColumn<bool>("onlyOne");
        QTest::addColumn<std::optional<bool>>("oneOrZero");
        QTest::newRow("1") << "1" << true << true << std::optional<bool>(true);
        QTest::newRow("0") << "0" << false << false << std::optional<bool>(false);
        QTest::newRow("2") << "2" << true << false << std::optional<bool>();
        QTest::newRow("-1") << "-1" << true << false << std::optional<bool>();
        QTest::newRow("absent") << "" << false << false << std::optional<bool>(false);
        QTest::newRow("yes") << "yes" << false << false << std::optional<bool>(false);
        QTest::newRow("true") << "true" << false << false << std::optional<bool>(false);
        QTest::newRow("01") << "01" << true << false << std::optional<bool>(true);
    }

    void flags()
    {
        QFETCH(QString, text);
        QFETCH(bool, anyNumber);
        QFETCH(bool, onlyOne);
        QFETCH(std::optional<bool>, oneOrZero);
        QCOMPARE(config::flag_set(text), anyNumber);
        QCOMPARE(config::flag_set_if_one(text), onlyOne);
        QCOMPARE(config::flag_one_or_zero(text), oneOrZero);
    }

    void flagTexts()
    {
        QCOMPARE(config::flag_text(true), QStringLiteral("1"));
        QCOMPARE(config::flag_text(false), QStringLiteral("0"));
    }

    void customerModel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<bool>>("flag");
        QTest::newRow("KLOR") << "KLOR" << std::optional<bool>(true);
        QTest::newRow("Other") << "Other" << std::optional<bool>(false);
        QTest::newRow("lower case") << "klor" << std::optional<bool>();
        QTest::newRow("other lower case") << "other" << std::optional<bool>();
        QTest::newRow("absent") << "" << std::optional<bool>();
        QTest::newRow("blank around") << " KLOR" << std::optional<bool>();
    }

    void customerModel()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<bool>, flag);
        QCOMPARE(config::customer_model(text), flag);
        if (flag)
            QCOMPARE(config::customer_model_text(*flag), text);
    }

    void distancePositions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("3.0") << "3.0" << 1;
        QTest::newRow("3.1") << "3.1" << 2;
        QTest::newRow("3.5") << "3.5" << 6;
        QTest::newRow("7.5") << "7.5" << 46;
        QTest::newRow("20.0") << "20.0" << 171;
        QTest::newRow("25 beyond the slider") << "25" << 221;
        QTest::newRow("3.14 rounds down") << "3.14" << 2;
        QTest::newRow("3.16 rounds up") << "3.16" << 3;
        QTest::newRow("no number") << "abc" << -29;
        QTest::newRow("absent") << "" << -29;
        QTest::newRow("huge") << "1e300" << 2147483647;
        QTest::newRow("not finite") << "inf" << -29;
    }

    void distancePositions()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QCOMPARE(config::distance_position(text), position);
    }

    void sizePositions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("0.5") << "0.5" << 1;
        QTest::newRow("1.0") << "1.0" << 6;
        QTest::newRow("1.2") << "1.2" << 8;
        QTest::newRow("2.0") << "2.0" << 16;
        QTest::newRow("3 beyond the slider") << "3" << 26;
        QTest::newRow("no number") << "x" << -4;
    }

    void sizePositions()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QCOMPARE(config::size_position(text), position);
    }

    // Every position of the sliders comes back from its own label text: the file keeps only
    // the label, so a rounding slip would move a slider at every start.
    void labelsRoundTrip()
    {
        for (int p = 1; p <= 171; ++p)
            QCOMPARE(config::distance_position(config::distance_text(p)), p);
        for (int p = 1; p <= 16; ++p)
            QCOMPARE(config::size_position(config::size_text(p)), p);
        QCOMPARE(config::distance_text(1), QStringLiteral("3.0"));
        QCOMPARE(config::distance_text(46), QStringLiteral("7.5"));
        QCOMPARE(config::distance_text(171), QStringLiteral("20.0"));
        QCOMPARE(config::size_text(6), QStringLiteral("1.0"));
        QCOMPARE(config::size_text(16), QStringLiteral("2.0"));
    }

    void offsets_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("centre") << 40 << "0";
        QTest::newRow("one step right") << 41 << "+5";
        QTest::newRow("one step left") << 39 << "-5";
        QTest::newRow("47") << 47 << "+35";
        QTest::newRow("16") << 16 << "-120";
        QTest::newRow("lowest") << 0 << "-200";
        QTest::newRow("highest") << 80 << "+200";
    }

    void offsets()
    {
        QFETCH(int, position);
        QFETCH(QString, text);
        QCOMPARE(config::offset_text(position), text);
    }

    void valueTexts()
    {
        QCOMPARE(config::text_of(QVariant(QStringLiteral("FF 01 00"))), QStringLiteral("FF 01 00"));
        // An unquoted "a,b" comes back from the INI reader as a list.
        QCOMPARE(config::text_of(QVariant(QStringList{QStringLiteral("C:/a"), QStringLiteral("b")})),
                 QStringLiteral("C:/a,b"));
        QCOMPARE(config::text_of(QVariant()), QString());
        QCOMPARE(config::text_of(QVariant(7)), QStringLiteral("7"));
    }
};

QTEST_APPLESS_MAIN(tst_ConfigValues)
#include "tst_config_values.moc"
