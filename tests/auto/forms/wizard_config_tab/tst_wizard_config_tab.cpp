// Contract of the Wizard Config page of the main window form: an empty, transparent page that
// stands for the wizard; choosing it is handled through the tab widget's currentChanged(int).
#include "support/resources.h"
#include "form_contract.h"
#include "ui_mainwindow.h"

#include <QtTest>

class tst_WizardConfig : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { corvane_init_resources(); }

    void page_data()
    {
        // The page as setupUi leaves it, and again after a language switch re-texts the form.
        QTest::addColumn<bool>("retranslated");
        QTest::newRow("after setupUi") << false;
        QTest::newRow("after retranslateUi") << true;
    }

    void page()
    {
        QFETCH(bool, retranslated);
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        if (retranslated)
            ui.retranslateUi(&window);
        FORM_CHECK(formcontract::checkObject(&window, QStringLiteral("tab_3"), "QWidget"));
        FORM_CHECK(formcontract::checkSignal(&window, QStringLiteral("tabWidget"), "currentChanged(int)"));
        QCOMPARE(ui.tab_3->children().size(), 0);
        QVERIFY(!ui.tab_3->layout());
        QCOMPARE(ui.tab_3->styleSheet(), QStringLiteral("background: transparent;border:0px"));
        const int index = ui.tabWidget->indexOf(ui.tab_3);
        QCOMPARE(index, 5);
        QCOMPARE(ui.tabWidget->tabText(index), QStringLiteral("Wizard Config"));
        QCOMPARE(ui.tabWidget->widget(index + 1), static_cast<QWidget *>(ui.tab_16));
        QCOMPARE(ui.tabWidget->widget(index + 2), static_cast<QWidget *>(ui.tab_15));
    }
};

QTEST_MAIN(tst_WizardConfig)
#include "tst_wizard_config_tab.moc"
