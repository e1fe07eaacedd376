#include "protocol/zoom_multiple.h"

#include <QtTest>

#include <limits>

class tst_ZoomMultiple : public QObject
{
    Q_OBJECT

private slots:
    void table()
    {
        const QVector<ZoomMultipleEntry> &rows = zoom_multiple_table();
        QCOMPARE(rows.size(), 111);
        for (int i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].index, i);
            QVERIFY(qAbs(rows[i].multiple - (1.0 + 0.1 * i)) < 1e-9);
            if (i > 0)
                QVERIFY2(rows[i].position > rows[i - 1].position, qPrintable(QString::number(i)));
        }
        QCOMPARE(rows.first().position, 100);
        QCOMPARE(rows[1].position, 130);
        QCOMPARE(rows[55].position, 14110);
        QCOMPARE(rows.last().position, 16384);
    }

    void j57_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0, below the table") << 0.0 << "1.0x";
        QTest::newRow("100, the first row") << 100.0 << "1.0x";
        QTest::newRow("129") << 129.0 << "1.0x";
        QTest::newRow("130, the second row") << 130.0 << "1.1x";
        QTest::newRow("131, lower row") << 131.0 << "1.1x";
        QTest::newRow("2052, lower row") << 2052.0 << "1.1x";
        QTest::newRow("2053") << 2053.0 << "1.2x";
        QTest::newRow("16368") << 16368.0 << "11.9x";
        QTest::newRow("16383") << 16383.0 << "11.9x";
        QTest::newRow("16384") << 16384.0 << "12.0x";
        QTest::newRow("above the table") << 40000.0 << "12.0x";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "1.0x";
    }

    void j57()
    {
        QFETCH(double, position);
        QFETCH(QString, shown);
        QCOMPARE(zoom_multiple::magnification_text(zoom_multiple::find_matching_multiple(position)), shown);
    }

    void everyRowReadsBack()
    {
        for (const ZoomMultipleEntry &row : zoom_multiple_table())
            QCOMPARE(zoom_multiple::magnification_text(zoom_multiple::find_matching_multiple(row.position)),
                     zoom_multiple::magnification_text(row.multiple));
    }

    void r6_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << 0 << "1.0x";
        QTest::newRow("8192, t 960") << 8192 << "1.3x";   // 3840 / 2880
        QTest::newRow("12288, t 480") << 12288 << "1.6x"; // 3840 / 2400
        QTest::newRow("16384") << 16384 << "2.0x";
        QTest::newRow("16383, t truncated to 0") << 16383 << "2.0x";
        QTest::newRow("above the range reads as the end") << 40000 << "2.0x";
        QTest::newRow("negative reads as 0") << -5 << "1.0x";
    }

    void r6()
    {
        QFETCH(int, position);
        QFETCH(QString, shown);
        const double ratio = zoom_multiple::r6_ratio(position);
        QVERIFY(std::isfinite(ratio));
        QCOMPARE(zoom_multiple::magnification_text(ratio), shown);
    }

    void r6IntegerT()
    {
        // t = (16384 - 1) * 1920 / 16384 = 1919 in integer arithmetic.
        QCOMPARE(zoom_multiple::r6_ratio(1), 3840.0 / (1919 + 1920));
    }

    void j22_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("opticalEnd");
        QTest::newRow("0") << 0 << "1.0x" << false;
        QTest::newRow("8192") << 8192 << "10.5x" << false;
        QTest::newRow("16383") << 16383 << "20.0x" << false;
        QTest::newRow("16384") << 16384 << "20.0x" << true;
    }

    void j22()
    {
        QFETCH(int, position);
        QFETCH(QString, shown);
        QFETCH(bool, opticalEnd);
        const float optical = zoom_multiple::j22_optical(position);
        QCOMPARE(zoom_multiple::magnification_text(optical), shown);
        QCOMPARE(optical == 20.0f, opticalEnd);
    }

    void j22Digital_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << 0 << "20.0x";
        QTest::newRow("50") << 50 << "30.0x";
        QTest::newRow("1500") << 1500 << "320.0x";
    }

    void j22Digital()
    {
        QFETCH(int, value);
        QFETCH(QString, shown);
        QCOMPARE(zoom_multiple::magnification_text(zoom_multiple::j22_digital(value)), shown);
    }
};

QTEST_APPLESS_MAIN(tst_ZoomMultiple)
#include "tst_zoom_multiple.moc"
