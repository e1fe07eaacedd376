#include "protocol/visca_reply.h"

#include <QtTest>

class tst_ViscaReply : public QObject
{
    Q_OBJECT

private slots:
    void modelCode_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("normalized");
        QTest::newRow("J57") << QByteArray::fromHex("905000000000" "4a57" "ff") << "J57" << "J57";
        QTest::newRow("R6") << QByteArray::fromHex("905000000000" "5206" "ff") << "R6" << "R6";
        QTest::newRow("M19") << QByteArray::fromHex("905000000000" "4d19" "ff") << "M19" << "M19";
        QTest::newRow("M5") << QByteArray::fromHex("905000000000" "4d05" "ff") << "M5" << "M5";
        QTest::newRow("J22") << QByteArray::fromHex("905000000000" "4a22" "ff") << "J22" << "J22";
        QTest::newRow("R17 is an R6") << QByteArray::fromHex("905000000000" "5217" "ff") << "R17" << "R6";
        QTest::newRow("number 0") << QByteArray::fromHex("905000000000" "4a00" "ff") << "J0" << "J0";
        QTest::newRow("hex number, no leading zero") << QByteArray::fromHex("905000000000" "4a0a" "ff") << "Ja" << "Ja";
        QTest::newRow("no letter") << QByteArray::fromHex("905000000000" "0057" "ff") << "" << "";
        QTest::newRow("8 bytes") << QByteArray::fromHex("9050000000004a57") << "" << "";
        QTest::newRow("10 bytes") << QByteArray::fromHex("905000000000004a57ff") << "" << "";
        QTest::newRow("empty") << QByteArray() << "" << "";
    }

    void modelCode()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, code);
        QFETCH(QString, normalized);
        QCOMPARE(visca_reply::model_code(reply), code);
        QCOMPARE(visca_reply::normalized_model(visca_reply::model_code(reply)), normalized);
    }

    void valueField_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::newRow("zoom 16384") << QByteArray::fromHex("9050 04000000 ff") << 2 << 16384;
        QTest::newRow("zoom 100") << QByteArray::fromHex("905000000604ff") << 2 << 100;
        QTest::newRow("high nibbles ignored after the first byte") << QByteArray::fromHex("9050 01f2f3f4 ff") << 2 << 4096 + 0x234;
        QTest::newRow("first byte taken whole") << QByteArray::fromHex("9050 10000000 ff") << 2 << 16 * 4096;
        QTest::newRow("second field") << QByteArray::fromHex("9050 00000000 000f0b08 ff") << 6 << 0x0FB8;
        QTest::newRow("short reply reads 0s") << QByteArray::fromHex("9050 01") << 2 << 4096;
        QTest::newRow("beyond the reply") << QByteArray::fromHex("9050ff") << 6 << 0;
    }

    void valueField()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, offset);
        QFETCH(int, value);
        QCOMPARE(visca_reply::value_field(reply, offset), value);
    }

    void hexText()
    {
        QCOMPARE(visca_reply::hex_text(QByteArray::fromHex("905002FF")), visca_reply::focus_auto_text());
        QCOMPARE(visca_reply::hex_text(QByteArray::fromHex("905003ff")), visca_reply::focus_manual_text());
        QCOMPARE(visca_reply::hex_text(QByteArray()), QString());
    }

    void lengths()
    {
        QList<int> carrying;
        for (int n = 0; n < 20; ++n)
            if (visca_reply::carries_values(n))
                carrying << n;
        QCOMPARE(carrying, (QList<int>{7, 9, 11, 15}));
    }
};

QTEST_APPLESS_MAIN(tst_ViscaReply)
#include "tst_visca_reply.moc"
