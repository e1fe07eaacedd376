// Contract of the Options page and the About button of the main window form: the choices
// whose item index or text other features take as a value, the signals their slots use, and
// the start state after the window's set-up.
#include "support/resources.h"
#include "form_contract.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "window_holder.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QSignalSpy>
#include <QtTest>

#include <array>
#include <memory>

using formcontract::comboItems;

namespace {
} // namespace

class tst_Options : public QObject
{
    Q_OBJECT

    QMainWindow *bare = nullptr;
    Ui::MainWindow *form = nullptr;
    WindowHolder holder;

private slots:
    void initTestCase()
    {
        corvane_init_resources();
        bare = new QMainWindow;
        form = new Ui::MainWindow;
        form->setupUi(bare);
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        holder.window.reset(new MainWindow);
    }

    void cleanupTestCase()
    {
        delete form;
        delete bare;
    }

    void objects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<QString>("page"); // the page or widget it lies on
        const QList<std::array<const char *, 3>> rows = {
            {"choose_camera_groupBox", "QGroupBox", "tab_15"},
            {"horizontalLayoutWidget", "QWidget", "tab_15"},
            {"horizontalLayout_36", "QHBoxLayout", "tab_15"},
            {"label_51", "QLabel", "tab_15"},
            {"choose_camera_comboBox", "QComboBox", "tab_15"},
            {"bottom_tip_label", "QLabel", "tab_15"},
            {"choose_language_groupBox", "QGroupBox", "tab_15"},
            {"horizontalLayoutWidget_2", "QWidget", "tab_15"},
            {"horizontalLayout_37", "QHBoxLayout", "tab_15"},
            {"label_2", "QLabel", "tab_15"},
            {"language_select_comboBox", "QComboBox", "tab_15"},
            {"groupBox_16", "QGroupBox", "tab_15"},
            {"label_94", "QLabel", "tab_15"},
            {"horizontalLayoutWidget_4", "QWidget", "tab_15"},
            {"horizontalLayout_42", "QHBoxLayout", "tab_15"},
            {"label_96", "QLabel", "tab_15"},
            {"teacher_config_comboBox", "QComboBox", "tab_15"},
            {"horizontalLayoutWidget_3", "QWidget", "tab_15"},
            {"horizontalLayout_41", "QHBoxLayout", "tab_15"},
            {"label_95", "QLabel", "tab_15"},
            {"student_config_comboBox", "QComboBox", "tab_15"},
            {"choose_language_groupBox_2", "QGroupBox", "tab_15"},
            {"horizontalLayoutWidget_5", "QWidget", "tab_15"},
            {"horizontalLayout_46", "QHBoxLayout", "tab_15"},
            {"label_92", "QLabel", "tab_15"},
            {"decoder_select_comboBox", "QComboBox", "tab_15"},
            {"layoutWidget6", "QWidget", "tab_15"},
            {"horizontalLayout_35", "QHBoxLayout", "tab_15"},
            {"student_camera_install_pos_pushButton", "QPushButton", "tab_15"},
            {"label_45", "QLabel", "tab_15"},
            {"student_camera_length_lineEdit", "QLineEdit", "tab_15"},
            {"label_55", "QLabel", "tab_15"},
            {"student_object_height_lineEdit", "QLineEdit", "tab_15"},
            {"oem_logo_label", "QLabel", "centralWidget"},
            {"copyright_description_btn", "QPushButton", "centralWidget"},
        };
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString::fromLatin1(r[0]) << QByteArray(r[1]) << QString::fromLatin1(r[2]);
    }

    void objects()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, className);
        QFETCH(QString, page);
        FORM_CHECK(formcontract::checkObject(bare, name, className));
        QObject *up = formcontract::objectsNamed(bare, name).value(0);
        while (up && up->objectName() != page)
            up = up->parent();
        QVERIFY2(up, qPrintable(name + QStringLiteral(" is not on ") + page));
    }

    void signalsForSlots_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QByteArray>("signature");
        const QList<QPair<const char *, const char *>> rows = {
            {"choose_camera_comboBox", "currentIndexChanged(int)"},
            {"language_select_comboBox", "activated(int)"},
            {"teacher_config_comboBox", "currentIndexChanged(int)"},
            {"teacher_config_comboBox", "activated(int)"},
            {"student_config_comboBox", "currentIndexChanged(int)"},
            {"student_config_comboBox", "activated(int)"},
            {"decoder_select_comboBox", "currentTextChanged(QString)"},
            {"student_camera_install_pos_pushButton", "clicked()"},
            {"copyright_description_btn", "clicked()"},
        };
        for (const auto &r : rows)
            QTest::newRow(formcontract::slotNameFor(QString::fromLatin1(r.first), r.second).constData())
                << QString::fromLatin1(r.first) << QByteArray(r.second);
    }

    void signalsForSlots()
    {
        QFETCH(QString, object);
        QFETCH(QByteArray, signature);
        FORM_CHECK(formcontract::checkSignal(bare, object, signature));
    }

    void choices_data()
    {
        // The item index is the stored value (layout 0 to 3, language 0 to 7, configuration 0
        // or 1); the decoder is taken by its text.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("camera layout") << "choose_camera_comboBox"
                                       << QStringList{"2 Cameras", "4 Cameras", "5 Cameras", "6 Cameras"};
        QTest::newRow("language") << "language_select_comboBox"
            << QStringList{QStringLiteral("中文"), "English", "Japanese", "Korean", "Indonesian", "Thai", "Arabic",
                           "Spanish"};
        QTest::newRow("teacher configuration") << "teacher_config_comboBox"
                                               << QStringList{"Tracking Config 1", "Tracking Config 2"};
        QTest::newRow("student configuration") << "student_config_comboBox"
                                               << QStringList{"Tracking Config 1", "Tracking Config 2"};
        QTest::newRow("decoder") << "decoder_select_comboBox"
                                 << QStringList{"NONE", "AUTO", "QSV", "DXVA2", "D3D11VA"};
    }

    void choices()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        auto *combo = bare->findChild<QComboBox *>(name);
        QVERIFY(combo);
        QCOMPARE(comboItems(combo), items);
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(combo->isEnabled());
        QVERIFY(!combo->isEditable());
        QVERIFY(combo->minimumWidth() >= 200);
    }

    void chosenIndexSurvivesRetranslation_data() { choices_data(); }

    void chosenIndexSurvivesRetranslation()
    {
        // A language switch re-texts the items; each combo keeps its choice, and re-texting
        // fires no index or text signal that would re-apply a layout or a decoder.
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        auto *combo = window.findChild<QComboBox *>(name);
        QVERIFY(combo);
        const int last = items.size() - 1;
        combo->setCurrentIndex(last);
        QSignalSpy index(combo, QOverload<int>::of(&QComboBox::currentIndexChanged));
        QSignalSpy text(combo, &QComboBox::currentTextChanged);
        ui.retranslateUi(&window);
        QCOMPARE(combo->currentIndex(), last);
        QCOMPARE(combo->currentText(), items.last());
        QCOMPARE(index.count(), 0);
        QCOMPARE(text.count(), 0);
    }

    void groupsAreUntitled()
    {
        for (QGroupBox *g : {form->choose_camera_groupBox, form->choose_language_groupBox, form->groupBox_16,
                             form->choose_language_groupBox_2})
            QCOMPARE(g->title(), QString());
    }

    void noteText()
    {
        QCOMPARE(form->bottom_tip_label->text(),
                 QStringLiteral("Note: \u2460The number of cameras is different, some non-corresponding functions are "
                                "disabled by default; \u2461The blackboard terminal is only displayed in five/six "
                                "cameras;"));
        QVERIFY(form->bottom_tip_label->wordWrap());
        QCOMPARE(form->label_94->text(), QStringLiteral("Tracking Config Switch"));
    }

    void installationRow()
    {
        // Display fields written by the installation-position dialog, put back by re-texting.
        QCOMPARE(form->student_camera_length_lineEdit->text(), QStringLiteral("6.0"));
        QCOMPARE(form->student_object_height_lineEdit->text(), QStringLiteral("0.0"));
        QVERIFY(!form->student_camera_length_lineEdit->isEnabled());
        QVERIFY(!form->student_object_height_lineEdit->isEnabled());
        QVERIFY(form->student_camera_install_pos_pushButton->isEnabled());
        QCOMPARE(form->student_camera_install_pos_pushButton->text(), QStringLiteral("Input"));

        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        ui.student_camera_length_lineEdit->setText(QStringLiteral("8.5"));
        ui.student_object_height_lineEdit->setText(QStringLiteral("1.2"));
        ui.retranslateUi(&window);
        QCOMPARE(ui.student_camera_length_lineEdit->text(), QStringLiteral("6.0"));
        QCOMPARE(ui.student_object_height_lineEdit->text(), QStringLiteral("0.0"));
    }

    void aboutButtonAndLogo()
    {
        QCOMPARE(form->copyright_description_btn->parentWidget(), form->centralWidget);
        QCOMPARE(form->oem_logo_label->parentWidget(), form->centralWidget);
        QCOMPARE(form->copyright_description_btn->text(), QString(QChar(0xFF1F)));
        QCOMPARE(form->copyright_description_btn->font().family(), QStringLiteral("微软雅黑"));
        QVERIFY(form->copyright_description_btn->font().bold());
        QVERIFY(!form->copyright_description_btn->font().kerning());
        QVERIFY(form->copyright_description_btn->styleSheet().contains(QLatin1String("border: none")));
        QCOMPARE(form->oem_logo_label->text(), QString());
        QVERIFY(form->oem_logo_label->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(form->oem_logo_label->hasScaledContents());
        QCOMPARE(form->oem_logo_label->minimumSize(), QSize(98, 24));
        QCOMPARE(form->oem_logo_label->maximumSize(), QSize(98, 24));
        // Both lie over the tab widget, made after it.
        FORM_CHECK(formcontract::checkStackedBelow(form->tabWidget, form->oem_logo_label));
        FORM_CHECK(formcontract::checkStackedBelow(form->oem_logo_label, form->copyright_description_btn));
    }

    void aboutButtonOnlyInTheWideWindow()
    {
        // The About button lies right of the tab widget: out of the 899-wide window, inside the
        // 1164-wide one.
        MainWindow *w = holder.window.get();
        QCOMPARE(w->width(), 899);
        const QRect button = w->ui->copyright_description_btn->geometry();
        QVERIFY(!QRect(QPoint(0, 0), w->size()).intersects(button));
        QVERIFY(button.left() >= w->ui->tabWidget->geometry().right());
        QVERIFY(button.left() < 1164);
    }

    // ---- the start state the window's set-up leaves

    void setUpHidesInstallationRow_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"student_camera_install_pos_pushButton", "label_45", "label_55",
                              "student_camera_length_lineEdit", "student_object_height_lineEdit"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }

    void setUpHidesInstallationRow()
    {
        QFETCH(QString, name);
        QVERIFY(holder.window->findChild<QWidget *>(name)->isHidden());
        QVERIFY(!bare->findChild<QWidget *>(name)->isHidden());
    }

    void logoStripLetsClicksThrough()
    {
        // The logo strip overlaps the bottom edge of the Teacher tab's track buttons; being
        // empty, it must not swallow their clicks.
        MainWindow *w = holder.window.get();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QWidget *central = w->ui->centralWidget;
        const QRect logo = w->ui->oem_logo_label->geometry();
        QVERIFY(central->childAt(logo.center()) != w->ui->oem_logo_label);
        const QRect stop(w->ui->teacher_stopTrack_Button->mapTo(central, QPoint(0, 0)),
                         w->ui->teacher_stopTrack_Button->size());
        const QRect both = stop & logo;
        QVERIFY(!both.isEmpty());
        QCOMPARE(central->childAt(both.center()), static_cast<QWidget *>(w->ui->teacher_stopTrack_Button));
        // In the form alone the strip would take them.
        QVERIFY(!form->oem_logo_label->testAttribute(Qt::WA_TransparentForMouseEvents));
        w->hide();
    }

    void setUpLeavesTheChoicesShown()
    {
        MainWindow *w = holder.window.get();
        for (QWidget *shown : {static_cast<QWidget *>(w->ui->choose_camera_comboBox),
                               static_cast<QWidget *>(w->ui->language_select_comboBox),
                               static_cast<QWidget *>(w->ui->teacher_config_comboBox),
                               static_cast<QWidget *>(w->ui->student_config_comboBox),
                               static_cast<QWidget *>(w->ui->decoder_select_comboBox),
                               static_cast<QWidget *>(w->ui->copyright_description_btn),
                               static_cast<QWidget *>(w->ui->oem_logo_label)})
            QVERIFY2(!shown->isHidden(), qPrintable(shown->objectName()));
        QCOMPARE(w->ui->tabWidget->tabText(w->ui->tabWidget->indexOf(w->ui->tab_15)), QStringLiteral("Options"));
    }
};

QTEST_MAIN(tst_Options)
#include "tst_options_tab.moc"
