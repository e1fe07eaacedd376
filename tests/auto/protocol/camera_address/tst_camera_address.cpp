#include "protocol/camera_address.h"

#include <QtTest>

class tst_CameraAddress : public QObject
{
    Q_OBJECT

private slots:
    void removeSpaces_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");

        QTest::newRow("plain") << "192.168.1.20" << "192.168.1.20";
        QTest::newRow("blanks around and inside") << " 192.168. 1.20 " << "192.168.1.20";
        QTest::newRow("tab, line feed, carriage return") << "\t192.168.1.20\r\n" << "192.168.1.20";
        QTest::newRow("vertical tab and form feed") << "192\v.168\f.1.20" << "192.168.1.20";
        QTest::newRow("NEL U+0085") << QString::fromUtf16(u"192.168.1.20\u0085") << "192.168.1.20";
        QTest::newRow("no-break space U+00A0") << QString::fromUtf16(u"\u00A0192.168.1.20") << "192.168.1.20";
        QTest::newRow("ideographic space U+3000") << QString::fromUtf16(u"192.168.1.20\u3000") << "192.168.1.20";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("only spaces") << " \t\n" << "";
        QTest::newRow("note after a slash keeps its letters") << "10.0.0.5 / room 2" << "10.0.0.5/room2";
    }

    void removeSpaces()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(camera_address::remove_spaces(input), expected);
    }

    void addressPart_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");

        QTest::newRow("no slash") << "192.168.1.20" << "192.168.1.20";
        QTest::newRow("note after slash") << "192.168.1.20/teacher" << "192.168.1.20";
        QTest::newRow("several slashes") << "10.0.0.1/a/b" << "10.0.0.1";
        QTest::newRow("slash first") << "/10.0.0.1" << "";
        QTest::newRow("trailing slash") << "10.0.0.1/" << "10.0.0.1";
        QTest::newRow("empty") << "" << "";
    }

    void addressPart()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(camera_address::address_part(input), expected);
    }
};

QTEST_APPLESS_MAIN(tst_CameraAddress)
#include "tst_camera_address.moc"
