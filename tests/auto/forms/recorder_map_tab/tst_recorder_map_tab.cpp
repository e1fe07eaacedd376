// Contract of the Recorder Map Config page of the main window form: the port-forwarding edits
// that the settings file, the port getters and Apply read by name, their defaults and states,
// the signals that mark the page changed, and the folded start state after the set-up.
#include "support/resources.h"
#include "form_contract.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "window_holder.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QHostAddress>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// The edits whose text changes mark the page as changed, and their form texts.
const QList<QPair<const char *, const char *>> kChangeMarkingEdits = {
    {"rtsp_port_Edit", "20554"},           {"visca_port_Edit", "21259"},
    {"udp_port_Edit", "26791"},            {"tcp_port_Edit", "26793"},
    {"backup_port_Edit", "25555"},         {"student_rtsp_port_Edit", "10554"},
    {"student_visca_port_Edit", "11259"},  {"student_udp_port_Edit", "16791"},
    {"student_tcp_port_Edit", "16793"},    {"student_backup_port_Edit", "15555"},
    {"upgrade_port_Edit", "8005"},         {"recorder_username_Edit", "username"},
    {"recorder_password_Edit", "wobentri"}, {"recorder_host_ip_Edit", nullptr},
    {"recorder_teacher_ip_Edit", nullptr}, {"recorder_student_ip_Edit", nullptr},
};
} // namespace

class tst_RecorderMap : public QObject
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
        const QList<QPair<const char *, const char *>> rows = {
            {"verticalLayoutWidget", "QWidget"}, {"verticalLayout_3", "QVBoxLayout"},
            {"horizontalWidget_3", "QWidget"}, {"horizontalLayout_31", "QHBoxLayout"}, {"label_42", "QLabel"},
            {"port_map_checkBox", "QCheckBox"}, {"horizontalLayout_38", "QHBoxLayout"},
            {"port_label_12", "QLabel"}, {"recorder_host_ip_Edit", "QLineEdit"},
            {"widget_username", "QWidget"}, {"horizontalLayout_40", "QHBoxLayout"},
            {"port_label_14", "QLabel"}, {"recorder_username_Edit", "QLineEdit"},
            {"widget_password", "QWidget"}, {"horizontalLayout_39", "QHBoxLayout"},
            {"port_label_13", "QLabel"}, {"recorder_password_Edit", "QLineEdit"},
            {"port_set_groupBox", "QGroupBox"}, {"backup_groupBox_11", "QGroupBox"},
            {"horizontalLayout_63", "QHBoxLayout"}, {"port_label_24", "QLabel"}, {"label_90", "QLabel"},
            {"label_91", "QLabel"}, {"backup_groupBox_10", "QGroupBox"},
            {"horizontalLayout_62", "QHBoxLayout"}, {"port_label_23", "QLabel"},
            {"recorder_teacher_ip_Edit", "QLineEdit"}, {"recorder_student_ip_Edit", "QLineEdit"},
            {"rtsp_groupBox_3", "QGroupBox"}, {"horizontalLayout_58", "QHBoxLayout"},
            {"port_label_5", "QLabel"}, {"label_49", "QLabel"}, {"label_87", "QLabel"}, {"label_88", "QLabel"},
            {"rtsp_groupBox_2", "QGroupBox"}, {"horizontalLayout_51", "QHBoxLayout"},
            {"port_label_4", "QLabel"}, {"def_rtsp_port_Edit", "QLineEdit"}, {"rtsp_port_Edit", "QLineEdit"},
            {"student_rtsp_port_Edit", "QLineEdit"}, {"visca_groupBox_2", "QGroupBox"},
            {"horizontalLayout_52", "QHBoxLayout"}, {"port_label_15", "QLabel"},
            {"def_visca_port_Edit", "QLineEdit"}, {"visca_port_Edit", "QLineEdit"},
            {"student_visca_port_Edit", "QLineEdit"}, {"udp_groupBox_2", "QGroupBox"},
            {"horizontalLayout_53", "QHBoxLayout"}, {"port_label_16", "QLabel"},
            {"def_udp_port_Edit", "QLineEdit"}, {"udp_port_Edit", "QLineEdit"},
            {"student_udp_port_Edit", "QLineEdit"}, {"tcp_groupBox_2", "QGroupBox"},
            {"horizontalLayout_54", "QHBoxLayout"}, {"port_label_17", "QLabel"},
            {"def_tcp_port_Edit", "QLineEdit"}, {"tcp_port_Edit", "QLineEdit"},
            {"student_tcp_port_Edit", "QLineEdit"}, {"backup_groupBox_8", "QGroupBox"},
            {"horizontalLayout_55", "QHBoxLayout"}, {"port_label_18", "QLabel"},
            {"def_backup_port_Edit", "QLineEdit"}, {"backup_port_Edit", "QLineEdit"},
            {"student_backup_port_Edit", "QLineEdit"}, {"backup_groupBox_9", "QGroupBox"},
            {"horizontalLayout_61", "QHBoxLayout"}, {"port_label_22", "QLabel"},
            {"upgrade_port_Edit", "QLineEdit"}, {"backup_port_Edit_10", "QLineEdit"},
            {"backup_port_Edit_11", "QLineEdit"}, {"widget_2", "QWidget"},
            {"horizontalLayout_56", "QHBoxLayout"}, {"default_port_Button", "QPushButton"},
            {"apply_port_Button", "QPushButton"}, {"recorder_show_param_pushButton", "QPushButton"},
        };
        for (const auto &r : rows)
            QTest::newRow(r.first) << QString::fromLatin1(r.first) << QByteArray(r.second);
    }

    void objects()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, className);
        FORM_CHECK(formcontract::checkObject(bare, name, className));
        QObject *up = formcontract::objectsNamed(bare, name).value(0);
        while (up && up != form->tab_16)
            up = up->parent();
        QVERIFY2(up == form->tab_16, qPrintable(name + QStringLiteral(" is not on tab_16")));
    }

    void signalsForSlots_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QByteArray>("signature");
        for (const auto &e : kChangeMarkingEdits)
            QTest::newRow(e.first) << QString::fromLatin1(e.first) << QByteArray("textChanged(QString)");
        QTest::newRow("port_map_checkBox") << "port_map_checkBox" << QByteArray("stateChanged(int)");
        QTest::newRow("default_port_Button") << "default_port_Button" << QByteArray("clicked()");
        QTest::newRow("apply_port_Button") << "apply_port_Button" << QByteArray("clicked()");
        QTest::newRow("recorder_show_param_pushButton") << "recorder_show_param_pushButton" << QByteArray("clicked()");
        QTest::newRow("tabWidget") << "tabWidget" << QByteArray("currentChanged(int)");
    }

    void signalsForSlots()
    {
        QFETCH(QString, object);
        QFETCH(QByteArray, signature);
        FORM_CHECK(formcontract::checkSignal(bare, object, signature));
    }

    void edits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text"); // a null text: a dotted IPv4 address of the implementer's choice
        QTest::addColumn<bool>("enabled");
        for (const auto &e : kChangeMarkingEdits) {
            const bool enabled = qstrcmp(e.first, "upgrade_port_Edit") != 0;
            QTest::newRow(e.first) << QString::fromLatin1(e.first) << QString::fromLatin1(e.second) << enabled;
        }
        // The ports the cameras themselves serve, shown for comparison.
        QTest::newRow("def_rtsp_port_Edit") << "def_rtsp_port_Edit" << "554" << false;
        QTest::newRow("def_visca_port_Edit") << "def_visca_port_Edit" << "1259" << false;
        QTest::newRow("def_udp_port_Edit") << "def_udp_port_Edit" << "6791" << false;
        QTest::newRow("def_tcp_port_Edit") << "def_tcp_port_Edit" << "6793" << false;
        QTest::newRow("def_backup_port_Edit") << "def_backup_port_Edit" << "5555" << false;
        QTest::newRow("backup_port_Edit_10") << "backup_port_Edit_10" << "" << false;
        QTest::newRow("backup_port_Edit_11") << "backup_port_Edit_11" << "" << false;
    }

    void edits()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        auto *edit = bare->findChild<QLineEdit *>(name);
        QVERIFY(edit);
        if (text.isNull()) {
            QCOMPARE(edit->text().count(QLatin1Char('.')), 3);
            QCOMPARE(QHostAddress(edit->text()).protocol(), QAbstractSocket::IPv4Protocol);
        } else {
            QCOMPARE(edit->text(), text);
        }
        QCOMPARE(edit->isEnabled(), enabled);
        // The edits take any text: no validator, no mask, no length limit.
        QVERIFY(!edit->validator());
        QCOMPARE(edit->inputMask(), QString());
        QCOMPARE(edit->maxLength(), 32767);
        QCOMPARE(edit->echoMode(), QLineEdit::Normal); // the set-up masks the password
    }

    void switchAndLabels()
    {
        QVERIFY(!form->port_map_checkBox->isChecked());
        QCOMPARE(form->port_map_checkBox->text(), QString());
        QVERIFY(form->port_map_checkBox->styleSheet().contains(QLatin1String("url(:/turn_on.png)")));
        QVERIFY(form->port_map_checkBox->styleSheet().contains(QLatin1String("url(:/turn_off.png)")));
        QVERIFY(!QPixmap(QStringLiteral(":/turn_on.png")).isNull());
        QVERIFY(!QPixmap(QStringLiteral(":/turn_off.png")).isNull());
        QVERIFY(!form->label_49->isEnabled());
        QCOMPARE(form->label_49->text(), QStringLiteral("Communication port"));
        QCOMPARE(form->label_87->text(), QStringLiteral("TeacherMapped port"));
        QCOMPARE(form->label_88->text(), QStringLiteral("StudentMapped port"));
        QCOMPARE(form->port_set_groupBox->title(), QStringLiteral("IP/Port Settings"));
        QCOMPARE(form->recorder_show_param_pushButton->text(), QStringLiteral("Show More"));
        QCOMPARE(form->apply_port_Button->text(), QStringLiteral("Apply"));
    }

    void rowsTopToBottom()
    {
        // The port table reads top to bottom in this order, whatever order the rows are made in.
        const QStringList expected = {"backup_groupBox_11", "backup_groupBox_10", "rtsp_groupBox_3",
                                      "rtsp_groupBox_2", "visca_groupBox_2", "udp_groupBox_2", "tcp_groupBox_2",
                                      "backup_groupBox_8", "backup_groupBox_9"};
        QList<QGroupBox *> rows = form->port_set_groupBox->findChildren<QGroupBox *>(QString(), Qt::FindDirectChildrenOnly);
        std::sort(rows.begin(), rows.end(), [](QGroupBox *a, QGroupBox *b) { return a->y() < b->y(); });
        QStringList names;
        for (QGroupBox *row : rows) {
            names << row->objectName();
            QCOMPARE(row->title(), QString());
            QVERIFY(row->layout());
        }
        QCOMPARE(names, expected);
        // Each row lays its cells out left to right: teacher column before student column.
        QVERIFY(form->rtsp_port_Edit->parentWidget() == form->rtsp_groupBox_2);
        QHBoxLayout *rtsp = form->horizontalLayout_51;
        QVERIFY(rtsp->indexOf(form->def_rtsp_port_Edit) < rtsp->indexOf(form->rtsp_port_Edit));
        QVERIFY(rtsp->indexOf(form->rtsp_port_Edit) < rtsp->indexOf(form->student_rtsp_port_Edit));
        QHBoxLayout *addresses = form->horizontalLayout_62;
        QVERIFY(addresses->indexOf(form->recorder_teacher_ip_Edit) < addresses->indexOf(form->recorder_student_ip_Edit));
    }

    void showMoreTogglesTheRightWidgets()
    {
        // Show More acts on the group and the two login rows by name; the host address stays.
        QCOMPARE(form->widget_username->findChild<QLineEdit *>(), form->recorder_username_Edit);
        QCOMPARE(form->widget_password->findChild<QLineEdit *>(), form->recorder_password_Edit);
        QVERIFY(form->recorder_host_ip_Edit->parentWidget() == form->verticalLayoutWidget);
    }

    void retranslateRestoresFormTexts()
    {
        // A language switch puts every edit back to its form text and fires its change signal.
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        QList<QPair<QLineEdit *, QString>> before;
        QList<QSignalSpy *> spies;
        for (const auto &e : kChangeMarkingEdits) {
            auto *edit = window.findChild<QLineEdit *>(QString::fromLatin1(e.first));
            before << qMakePair(edit, edit->text());
            edit->setText(QStringLiteral("x"));
            spies << new QSignalSpy(edit, &QLineEdit::textChanged);
        }
        ui.apply_port_Button->setText(QStringLiteral("Apply(*)"));
        ui.recorder_show_param_pushButton->setText(QStringLiteral("Hide More"));
        ui.retranslateUi(&window);
        for (int i = 0; i < before.size(); ++i) {
            QCOMPARE(before[i].first->text(), before[i].second);
            QCOMPARE(spies[i]->count(), 1);
        }
        qDeleteAll(spies);
        QCOMPARE(ui.apply_port_Button->text(), QStringLiteral("Apply"));
        QCOMPARE(ui.recorder_show_param_pushButton->text(), QStringLiteral("Show More"));
    }

    void disabledEditStillSignals()
    {
        // Loading or defaulting the ports sets the disabled search port too, and that marks Apply.
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        QSignalSpy spy(ui.upgrade_port_Edit, &QLineEdit::textChanged);
        ui.upgrade_port_Edit->setText(QStringLiteral("8006"));
        QCOMPARE(spy.count(), 1);
    }

    // ---- the start state the window's set-up leaves

    void setUpFoldsThePage()
    {
        MainWindow *w = holder.window.get();
        QVERIFY(w->ui->port_set_groupBox->isHidden());
        QVERIFY(w->ui->widget_username->isHidden());
        QVERIFY(w->ui->widget_password->isHidden());
        QVERIFY(!w->ui->recorder_host_ip_Edit->isHidden());
        QVERIFY(!w->ui->port_map_checkBox->isHidden());
        QVERIFY(!w->ui->recorder_show_param_pushButton->isHidden());
        QCOMPARE(w->ui->recorder_show_param_pushButton->text(), QStringLiteral("Show More"));
        QCOMPARE(w->ui->recorder_password_Edit->echoMode(), QLineEdit::Password);
        QCOMPARE(w->ui->recorder_password_Edit->text(), QStringLiteral("wobentri"));
        QVERIFY(!form->port_set_groupBox->isHidden()); // the form itself shows everything
    }
};

QTEST_MAIN(tst_RecorderMap)
#include "tst_recorder_map_tab.moc"
