// The installation position dialog: what its fields take as they are typed, the texts it
// starts with, the picture of the language, and the measures its Apply hands on.
#include "dialogs/camera_install_pos.h"
#include "support/resources.h"
#include "ui_camera_install_pos.h"

#include <QTranslator>

#include <QtTest>

class tst_CameraInstallPos : public QObject
{
    Q_OBJECT

private slots:
    // Digits with at most one point; an unfinished number (a point at its end) may stand.
    void fieldsTakeLengths_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("held");
        QTest::newRow("two decimals") << "2.25" << "2.25";
        QTest::newRow("second point") << "2.2.5" << "2.25";
        QTest::newRow("letters") << "3a.b1" << "3.1";
        QTest::newRow("sign and comma") << "-1,5" << "15";
        QTest::newRow("point first") << ".5" << "5";
        QTest::newRow("unfinished") << "6." << "6.";
    }
    void fieldsTakeLengths()
    {
        QFETCH(QString, typed);
        QFETCH(QString, held);
        camera_install_pos dialog(nullptr, QString(), QString(), QString(), false);
        QSignalSpy applied(&dialog, &camera_install_pos::ret_install_pos);
        for (QLineEdit *field : {dialog.form()->student_camera_height_lineEdit, dialog.form()->student_camera_length_lineEdit,
                                 dialog.form()->student_object_height_lineEdit}) {
            QTest::keyClicks(field, typed);
            QCOMPARE(field->text(), held);
        }
        dialog.form()->Apply_pushButton->click();
        QCOMPARE(applied.count(), 1);
        QCOMPARE(applied.first(), (QList<QVariant>{held, held, held}));
    }

    // It starts with the window's texts and shows the picture of the interface language; Apply
    // hands on what the fields hold, each time, and Default the standard measures.
    void applyAndDefault_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("Chinese") << true;
        QTest::newRow("another language") << false;
    }
    void applyAndDefault()
    {
        QFETCH(bool, chinese);
        camera_install_pos dialog(nullptr, QStringLiteral("3.1"), QStringLiteral("7"), QStringLiteral("0.5"), chinese);
        dialog.show();
        QCOMPARE(dialog.size(), QSize(529, 396));
        QCOMPARE(dialog.form()->Chinese_label->isVisible(), chinese);
        QCOMPARE(dialog.form()->English_label->isVisible(), !chinese);
        QSignalSpy applied(&dialog, &camera_install_pos::ret_install_pos);
        dialog.form()->Apply_pushButton->click();
        dialog.form()->Default_pushButton->click();
        QCOMPARE(applied.count(), 1);
        dialog.form()->Apply_pushButton->click();
        QCOMPARE(applied.count(), 2);
        QCOMPARE(applied.at(0), (QList<QVariant>{"3.1", "7", "0.5"}));
        QCOMPARE(applied.at(1), (QList<QVariant>{"2.2", "6.0", "0.0"}));
        QVERIFY(dialog.isVisible());
    }

    // With CORVANE_SHOT_DIR set: the dialog in English and, with the Chinese catalogue, in Chinese.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (dir.isEmpty())
            QSKIP("CORVANE_SHOT_DIR not set");
        corvane_init_resources();
        for (const bool chinese : {false, true}) {
            QTranslator catalogue;
            if (chinese) {
                QVERIFY(catalogue.load(QStringLiteral(":/trans/zh.qm")));
                QCoreApplication::installTranslator(&catalogue);
            }
            camera_install_pos dialog(nullptr, QStringLiteral("2.2"), QStringLiteral("6.0"), QStringLiteral("0.0"), chinese);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QVERIFY(dialog.grab().save(dir + (chinese ? QStringLiteral("/camera-install-pos-zh.png")
                                                      : QStringLiteral("/camera-install-pos-en.png"))));
        }
    }
};

QTEST_MAIN(tst_CameraInstallPos)
#include "tst_camera_install_pos.moc"
