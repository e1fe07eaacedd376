// The form-contract checks must fail on the faults they are there to catch: a misspelt or
// doubled name, a wrong class, a signal overload the class lacks, a wrong stacking.
#include "form_contract.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

class tst_FormContract : public QObject
{
    Q_OBJECT

    QWidget root;

private slots:
    void initTestCase()
    {
        auto *page = new QWidget(&root);
        page->setObjectName(QStringLiteral("page"));
        auto *combo = new QComboBox(page);
        combo->setObjectName(QStringLiteral("choice_comboBox"));
        combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
        auto *spin = new QSpinBox(page);
        spin->setObjectName(QStringLiteral("hold_time_label"));
        auto *button = new QPushButton(page);
        button->setObjectName(QStringLiteral("go_Button"));
        auto *twice = new QLabel(page);
        twice->setObjectName(QStringLiteral("label_1"));
        auto *again = new QLabel(&root);
        again->setObjectName(QStringLiteral("label_1"));
        auto *tabs = new QTabWidget(page);
        tabs->setObjectName(QStringLiteral("tabs"));
        auto *first = new QWidget;
        first->setObjectName(QStringLiteral("tab_a"));
        tabs->addTab(first, QStringLiteral("A"));
        auto *second = new QWidget;
        second->setObjectName(QStringLiteral("tab_b"));
        tabs->addTab(second, QStringLiteral("B"));
    }

    void checkObject_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<bool>("holds");
        QTest::newRow("right") << "choice_comboBox" << QByteArray("QComboBox") << true;
        QTest::newRow("spin box named as a label") << "hold_time_label" << QByteArray("QSpinBox") << true;
        QTest::newRow("misspelt") << "choise_comboBox" << QByteArray("QComboBox") << false;
        QTest::newRow("wrong class") << "hold_time_label" << QByteArray("QLabel") << false;
        QTest::newRow("base class is not enough") << "go_Button" << QByteArray("QAbstractButton") << false;
        QTest::newRow("twice") << "label_1" << QByteArray("QLabel") << false;
    }

    void checkObject()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, className);
        QFETCH(bool, holds);
        const QString why = formcontract::checkObject(&root, name, className);
        QCOMPARE(why.isEmpty(), holds);
    }

    void checkSignal_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("signature");
        QTest::addColumn<bool>("holds");
        QTest::newRow("int overload") << "choice_comboBox" << QByteArray("currentIndexChanged(int)") << true;
        QTest::newRow("text overload") << "choice_comboBox" << QByteArray("currentIndexChanged(QString)") << true;
        QTest::newRow("no such overload") << "choice_comboBox" << QByteArray("currentIndexChanged(QStringList)") << false;
        QTest::newRow("spin text overload") << "hold_time_label" << QByteArray("valueChanged(QString)") << true;
        QTest::newRow("clicked()") << "go_Button" << QByteArray("clicked()") << true;
        QTest::newRow("clicked(bool)") << "go_Button" << QByteArray("clicked(bool)") << true;
        QTest::newRow("a slot is no signal") << "go_Button" << QByteArray("click()") << false;
        QTest::newRow("signal of another class") << "go_Button" << QByteArray("activated(int)") << false;
        QTest::newRow("not normalised") << "choice_comboBox" << QByteArray("currentIndexChanged(const QString &)") << false;
        QTest::newRow("misspelt object") << "go_button" << QByteArray("clicked()") << false;
        QTest::newRow("doubled object") << "label_1" << QByteArray("linkActivated(QString)") << false;
    }

    void checkSignal()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, signature);
        QFETCH(bool, holds);
        const QString why = formcontract::checkSignal(&root, name, signature);
        QCOMPARE(why.isEmpty(), holds);
        if (!holds)
            QVERIFY(why.contains(name) || why.contains(QString::fromLatin1(signature)));
    }

    void slotName()
    {
        QCOMPARE(formcontract::slotNameFor(QStringLiteral("go_Button"), "clicked(bool)"), QByteArray("on_go_Button_clicked"));
        QCOMPARE(formcontract::slotNameFor(QStringLiteral("choice_comboBox"), "currentIndexChanged(QString)"),
                 QByteArray("on_choice_comboBox_currentIndexChanged"));
    }

    void duplicates()
    {
        QCOMPARE(formcontract::duplicateNames(&root), QStringList{"label_1"});
    }

    void stacking()
    {
        QWidget parent;
        auto *below = new QLabel(&parent);
        below->setObjectName(QStringLiteral("below"));
        auto *above = new QLabel(&parent);
        above->setObjectName(QStringLiteral("above"));
        QCOMPARE(formcontract::stackingOrder(&parent), (QStringList{"below", "above"}));
        QVERIFY(formcontract::checkStackedBelow(below, above).isEmpty());
        QVERIFY(!formcontract::checkStackedBelow(above, below).isEmpty());
        below->raise();
        QCOMPARE(formcontract::stackingOrder(&parent), (QStringList{"above", "below"}));
        QVERIFY(!formcontract::checkStackedBelow(below, above).isEmpty());
        QWidget elsewhere;
        auto *stranger = new QLabel(&elsewhere);
        QVERIFY(!formcontract::checkStackedBelow(below, stranger).isEmpty());
    }

    void listings()
    {
        auto *tabs = root.findChild<QTabWidget *>(QStringLiteral("tabs"));
        QCOMPARE(formcontract::tabPages(tabs), (QStringList{"tab_a", "tab_b"}));
        QCOMPARE(formcontract::tabTitles(tabs), (QStringList{"A", "B"}));
        QCOMPARE(formcontract::comboItems(root.findChild<QComboBox *>(QStringLiteral("choice_comboBox"))),
                 (QStringList{"a", "b"}));
    }
};

QTEST_MAIN(tst_FormContract)
#include "tst_form_contract.moc"
