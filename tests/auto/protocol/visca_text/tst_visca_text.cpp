#include "protocol/visca_text.h"

#include <QtTest>

#include <climits>

namespace {
QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}
} // namespace

class tst_ViscaText : public QObject
{
    Q_OBJECT

private slots:
    void hexTextToBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("home") << "81 01 06 04 FF" << bytes("81010604FF");
        QTest::newRow("two blanks in a row") << "81  01 06  04 FF" << bytes("81010604FF");
        QTest::newRow("leading and trailing blanks") << " 81 01 06 04 FF  " << bytes("81010604FF");
        QTest::newRow("lower case") << "8a 01 04 07 2f ff" << bytes("8A0104072FFF");
        QTest::newRow("one-digit token") << "81 1 6 4 FF" << bytes("81010604FF");
        QTest::newRow("line end after the last token") << "81 09 04 47 FF\n" << bytes("81090447FF");
        QTest::newRow("empty text") << "" << QByteArray();
        QTest::newRow("blanks only") << "   " << QByteArray();
        QTest::newRow("all-zero byte") << "00" << QByteArray(1, '\0');
    }

    void hexTextToBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        const visca_text::ParseResult r = visca_text::hex_text_to_bytes(text);
        QVERIFY(r.ok);
        QVERIFY(r.bad_token.isEmpty());
        QCOMPARE(r.bytes.toHex(' '), expected.toHex(' '));
    }

    // Each of these must fail ("Command format error") and give no bytes at all.
    void badToken_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("badToken");

        QTest::newRow("placeholders left in") << "81 01 06 01 HK VN 03 01 FF" << "HK";
        QTest::newRow("zoom placeholder left in") << "81 01 04 07 2P FF" << "2P";
        QTest::newRow("three digits are not cut to the low byte") << "81 123 FF" << "123";
        QTest::newRow("four digits") << "81 0104 FF" << "0104";
        QTest::newRow("leading zeros beyond two digits") << "81 001 FF" << "001";
        QTest::newRow("0x prefix") << "0x81 01 FF" << "0x81";
        QTest::newRow("minus sign") << "81 -1 FF" << "-1";
        QTest::newRow("plus sign") << "81 +5 FF" << "+5";
        QTest::newRow("tab inside the text") << "81\t01 FF" << "81\t01";
        QTest::newRow("comma separated") << "81,01,FF" << "81,01,FF";
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("81 \xef\xbc\x91 FF") << QString::fromUtf8("\xef\xbc\x91");
        QTest::newRow("bad last token") << "81 01 06 04 FG" << "FG";
    }

    void badToken()
    {
        QFETCH(QString, text);
        QFETCH(QString, badToken);
        const visca_text::ParseResult r = visca_text::hex_text_to_bytes(text);
        QVERIFY(!r.ok);
        QVERIFY(r.bytes.isEmpty());
        QCOMPARE(r.bad_token, badToken);
    }

    void bytesToHexText_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("expected");

        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("one byte padded") << bytes("0A") << "0A";
        QTest::newRow("upper case, one blank between") << bytes("81090612ff") << "81 09 06 12 FF";
        QTest::newRow("zero bytes kept") << bytes("000000") << "00 00 00";
    }

    void bytesToHexText()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, expected);
        QCOMPARE(visca_text::bytes_to_hex_text(input), expected);
        QCOMPARE(visca_text::bytes_to_hex_text(reinterpret_cast<const unsigned char *>(input.constData()),
                                               input.size()),
                 expected);
    }

    void bytesToHexTextCount()
    {
        const unsigned char data[] = {0x81, 0x01, 0xFF};
        QCOMPARE(visca_text::bytes_to_hex_text(data, 2), QStringLiteral("81 01"));
        QCOMPARE(visca_text::bytes_to_hex_text(data, 0), QString());
        QCOMPARE(visca_text::bytes_to_hex_text(data, -1), QString());
        QCOMPARE(visca_text::bytes_to_hex_text(nullptr, 3), QString());
    }

    // Every byte value survives bytes -> text -> bytes.
    void roundTripEveryByte()
    {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(static_cast<char>(i));
        const QString text = visca_text::bytes_to_hex_text(all);
        QCOMPARE(text.size(), 256 * 3 - 1);
        const visca_text::ParseResult r = visca_text::hex_text_to_bytes(text);
        QVERIFY(r.ok);
        QCOMPARE(r.bytes, all);
    }

    void absolutePosition_data()
    {
        QTest::addColumn<int>("pan");
        QTest::addColumn<int>("tilt");
        QTest::addColumn<QString>("expected");

        QTest::newRow("zero") << 0 << 0 << "81 01 06 02 16 12 00 00 00 00 00 00 00 00 FF";
        QTest::newRow("144 and -72") << 144 << -72 << "81 01 06 02 16 12 00 00 09 00 0F 0F 0B 08 FF";
        QTest::newRow("every nibble") << 0x1234 << 0xABCD << "81 01 06 02 16 12 01 02 03 04 0A 0B 0C 0D FF";
        QTest::newRow("only the low 16 bits") << 0x12345 << -1 << "81 01 06 02 16 12 02 03 04 05 0F 0F 0F 0F FF";
        QTest::newRow("int limits") << INT_MAX << INT_MIN << "81 01 06 02 16 12 0F 0F 0F 0F 00 00 00 00 FF";
    }

    void absolutePosition()
    {
        QFETCH(int, pan);
        QFETCH(int, tilt);
        QFETCH(QString, expected);
        const QString text = visca_text::visca_absolute_position(pan, tilt);
        QCOMPARE(text, expected);
        // What the send path makes of it: the 15 bytes of the command.
        const visca_text::ParseResult r = visca_text::hex_text_to_bytes(text);
        QVERIFY(r.ok);
        QCOMPARE(r.bytes.size(), 15);
    }

    void absolutePanTilt_data()
    {
        QTest::addColumn<int>("panDegrees");
        QTest::addColumn<int>("tiltDegrees");
        QTest::addColumn<QString>("expected");

        QTest::newRow("zero") << 0 << 0 << "81 01 06 02 16 12 00 00 00 00 00 00 00 00 FF";
        // 10 / 0.069444 = 144.0009 -> 144 (0x0090); -5 / 0.069444 = -72.0004 -> -72 (0xFFB8).
        QTest::newRow("10 and -5 degrees") << 10 << -5 << "81 01 06 02 16 12 00 00 09 00 0F 0F 0B 08 FF";
        // 5184 (0x1440) and -2592 (0xF5E0).
        QTest::newRow("360 and -180 degrees") << 360 << -180 << "81 01 06 02 16 12 01 04 04 00 0F 05 0E 00 FF";
        // Far beyond the int range in steps (30923962430, -30923962444): the low 16 bits,
        // 0x383E and 0xC7B4, with no overflow on the way.
        QTest::newRow("int limits") << INT_MAX << INT_MIN << "81 01 06 02 16 12 03 08 03 0E 0C 07 0B 04 FF";
    }

    void absolutePanTilt()
    {
        QFETCH(int, panDegrees);
        QFETCH(int, tiltDegrees);
        QFETCH(QString, expected);
        QCOMPARE(visca_text::visca_absolute_pan_tilt(panDegrees, tiltDegrees), expected);
    }
};

QTEST_APPLESS_MAIN(tst_ViscaText)
#include "tst_visca_text.moc"
