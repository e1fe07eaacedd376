// Contract of the Board tab of the main window form: the objects, classes and signals the
// window's slots connect to by name, the containers the window shows or hides together, the
// ranges, items and start states the slots rely on, the stacking of preview and overlay, and
// what the window's set-up changes on the tab.
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QtTest>

#include <memory>

namespace {

// The one object of that name in the window's tree, or null when there is none or several
// (connect-by-name would pick an arbitrary one of several).
QObject *unique(QObject *root, const QString &name)
{
    const QList<QObject *> found = root->findChildren<QObject *>(name);
    return found.size() == 1 ? found.first() : nullptr;
}

// The widget a page or control lies on, seen through a tab widget's internal stack.
QString ownerName(QObject *o)
{
    QObject *p = o->parent();
    if (p && p->objectName() == QLatin1String("qt_tabwidget_stackedwidget"))
        p = p->parent();
    return p ? p->objectName() : QString();
}

struct FormWindow {
    QMainWindow window;
    Ui::MainWindow ui;
    FormWindow() { ui.setupUi(&window); }
};

struct FullWindow {
    std::unique_ptr<MainWindow> window;
    explicit FullWindow(int layout = 3)
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=%1\n").arg(layout));
        window.reset(new MainWindow);
    }
    ~FullWindow()
    {
        if (window)
            delete window->guide_config; // the window never deletes its wizard
    }
};

// Records what the overloads connected by name deliver.
class SlotProbe : public QMainWindow
{
    Q_OBJECT
public:
    QStringList calls;
public slots:
    void on_board_lost_pano_delay_label_valueChanged(const QString &t) { calls << "delay:" + t; }
    void on_board_enable_checkBox_stateChanged(int s) { calls << "state:" + QString::number(s); }
    void on_board_enable_checkBox_clicked(bool c) { calls << "clicked:" + QString::number(c); }
    void on_board_enable_checkBox_2_clicked() { calls << "clicked2"; }
};

const char *const kArrows[] = {"leftup", "up", "rightup", "left", "right", "leftdown", "down", "rightdown"};
const char *const kShields[] = {"one", "two", "three", "four", "five", "six", "seven", "eight"};

} // namespace

class tst_BoardTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<FormWindow> form;

private slots:
    void initTestCase() { form.reset(new FormWindow); }
    void cleanupTestCase() { form.reset(); }

    // ---- objects, classes and where they lie ----
    void objects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("owner");
        auto row = [](const QString &n, const char *c, const char *o) { QTest::newRow(qPrintable(n)) << n << QString(c) << QString(o); };
        row("tab_board", "QWidget", "tabWidget");
        // Upper half: first board camera.
        row("board_labVideo_feature", "QLabel", "tab_board");
        row("board_feature_ip_label", "QLabel", "tab_board");
        row("board_feature_IP_Edit", "QLineEdit", "tab_board");
        row("board_feature_connect_Button", "QPushButton", "tab_board");
        for (const char *a : kArrows)
            row(QStringLiteral("board_ptz_%1_Button").arg(a), "QPushButton", "tab_board");
        row("board_ptz_reset_Button", "QPushButton", "tab_board");
        row("board_zoomin_Button", "QPushButton", "tab_board");
        row("board_zoomout_Button", "QPushButton", "tab_board");
        row("layoutWidget3", "QWidget", "tab_board");
        for (const char *n : {"board_setBoard_one_Button", "board_callBoard_one_Button", "board_setBoard_two_Button",
                              "board_callBoard_two_Button", "board_setBoardPano_Button", "board_callBoardPano_Button"})
            row(n, "QPushButton", "layoutWidget3");
        row("line_13", "QFrame", "tab_board");
        row("line_14", "QFrame", "tab_board");
        row("board_startTrack_Button", "QPushButton", "tab_board");
        row("board_stopTrack_Button", "QPushButton", "tab_board");
        row("board_show_param_pushButton", "QPushButton", "tab_board");
        // Lower half: second board camera in its three containers.
        row("board_labVideo_pano", "QLabel", "tab_board");
        row("board_pano_region_widget", "QWidget", "tab_board");
        row("board_2_connect_widget", "QWidget", "tab_board");
        row("board_pano_ip_label", "QLabel", "board_2_connect_widget");
        row("board_pano_IP_Edit", "QLineEdit", "board_2_connect_widget");
        row("board_pano_connect_Button", "QPushButton", "board_2_connect_widget");
        row("board_2_ptz_widget", "QWidget", "tab_board");
        for (const char *a : kArrows)
            row(QStringLiteral("board_ptz_%1_Button_2").arg(a), "QPushButton", "board_2_ptz_widget");
        row("board_ptz_reset_Button_2", "QPushButton", "board_2_ptz_widget");
        row("board_zoomin_Button_2", "QPushButton", "board_2_ptz_widget");
        row("board_zoomout_Button_2", "QPushButton", "board_2_ptz_widget");
        row("board_2_preset_widget", "QWidget", "tab_board");
        for (const char *n : {"board_setBoard_two_Button_2", "board_callBoard_two_Button_2", "board_setBoardPano_Button_2",
                              "board_callBoardPano_Button_2"})
            row(n, "QPushButton", "board_2_preset_widget");
        row("layoutWidget4", "QWidget", "tab_board");
        row("board_obtain_Button", "QPushButton", "layoutWidget4");
        row("board_apply_Button", "QPushButton", "layoutWidget4");
        row("board_default_Button", "QPushButton", "layoutWidget4");
        // Region Settings with the clipped Basic Settings group.
        row("groupBox_30", "QGroupBox", "tab_board");
        row("board_show_region_checkBox", "QCheckBox", "groupBox_30");
        row("line_15", "QFrame", "groupBox_30");
        row("board_track_region_radioButton", "QRadioButton", "groupBox_30");
        row("board_shield_region_radioButton", "QRadioButton", "groupBox_30");
        for (const char *s : kShields)
            row(QStringLiteral("board_shield_%1_checkBox").arg(s), "QCheckBox", "groupBox_30");
        row("groupBox_29", "QGroupBox", "groupBox_30");
        for (const char *n : {"label_18", "label_61", "board_sensitivity_label", "label_60", "label_58",
                              "board_target_lost_timeout_label", "label_59"})
            row(n, "QLabel", "groupBox_29");
        row("board_sensitivity_Slider", "QSlider", "groupBox_29");
        row("board_target_lost_timeout_Slider", "QSlider", "groupBox_29");
        // Settings column.
        row("groupBox_31", "QGroupBox", "tab_board");
        row("board_enable_checkBox", "QCheckBox", "groupBox_31");
        row("board_enable_checkBox_2", "QCheckBox", "groupBox_31");
        row("tab_board_settings", "QTabWidget", "tab_board");
        row("tab_teacher_target_lost_action_5", "QWidget", "tab_board_settings");
        row("label_board_pano_delay", "QLabel", "tab_teacher_target_lost_action_5");
        row("board_lost_pano_delay_label", "QSpinBox", "tab_teacher_target_lost_action_5");
        row("groupBox_32", "QGroupBox", "tab_board");
        row("board_show_osd_menu_pushButton", "QPushButton", "groupBox_32");
        row("groupBox_8", "QGroupBox", "tab_board");
        row("board_lose_object_pano_one_radioButton", "QRadioButton", "groupBox_8");
        row("board_lose_object_pano_two_radioButton", "QRadioButton", "groupBox_8");
        row("groupBox_4", "QGroupBox", "tab_board");
        row("board_multi_object_pano_one_radioButton", "QRadioButton", "groupBox_4");
        row("board_multi_object_pano_two_radioButton", "QRadioButton", "groupBox_4");
        row("groupBox_34", "QGroupBox", "tab_board");
        row("board_param_export_pushButton", "QPushButton", "groupBox_34");
        row("line_17", "QFrame", "groupBox_34");
        row("board_filepath_lineEdit", "QLineEdit", "groupBox_34");
        row("board_open_file_pushButton", "QPushButton", "groupBox_34");
        row("board_param_import_pushButton", "QPushButton", "groupBox_34");
        row("groupBox_33", "QGroupBox", "tab_board");
        row("label_16", "QLabel", "groupBox_33");
        row("label_19", "QLabel", "groupBox_33");
        row("board_version_feature_info_label", "QLabel", "groupBox_33");
        row("board_version_pano_info_label", "QLabel", "groupBox_33");
    }

    void objects()
    {
        QFETCH(QString, name);
        QFETCH(QString, cls);
        QFETCH(QString, owner);
        QObject *o = unique(&form->window, name);
        QVERIFY2(o, qPrintable(name + " missing or not unique"));
        QCOMPARE(QString::fromLatin1(o->metaObject()->className()), cls);
        QCOMPARE(ownerName(o), owner);
    }

    void pads_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("first camera") << "" << QList<int>{571, 647, 723} << QList<int>{50, 84, 118};
        QTest::newRow("second camera") << "_2" << QList<int>{1, 77, 153} << QList<int>{1, 37, 73};
    }

    void pads()
    {
        QFETCH(QString, suffix);
        QFETCH(QList<int>, columns);
        QFETCH(QList<int>, rows);
        const char *const grid[3][3] = {{"leftup", "up", "rightup"}, {"left", "reset", "right"}, {"leftdown", "down", "rightdown"}};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c) {
                const QString name = QStringLiteral("board_ptz_%1_Button%2").arg(grid[r][c], suffix);
                auto *b = qobject_cast<QPushButton *>(unique(&form->window, name));
                QVERIFY2(b, qPrintable(name));
                QCOMPARE(b->geometry(), QRect(columns[c], rows[r], 70, 30));
                QCOMPARE(b->minimumSize(), QSize(70, 30));
                QCOMPARE(b->maximumSize(), QSize(70, 30));
                // Holding a button must give one pressed() and one released(), never repeats.
                QVERIFY(!b->autoRepeat());
            }
        }
        for (const char *zoom : {"board_zoomin_Button", "board_zoomout_Button"}) {
            auto *b = qobject_cast<QPushButton *>(unique(&form->window, QString::fromLatin1(zoom) + suffix));
            QVERIFY(b);
            QVERIFY(!b->autoRepeat());
        }
    }

    // ---- signals the window's slots connect to by name ----
    void signalsByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("signal");
        auto row = [](const QString &n, const char *s) { QTest::newRow(qPrintable(n + " " + s)) << n << QByteArray(s); };
        for (const char *suffix : {"", "_2"}) {
            for (const char *a : kArrows) {
                row(QStringLiteral("board_ptz_%1_Button%2").arg(a, suffix), "pressed()");
                row(QStringLiteral("board_ptz_%1_Button%2").arg(a, suffix), "released()");
            }
            for (const char *z : {"board_zoomin_Button", "board_zoomout_Button"}) {
                row(QString::fromLatin1(z) + suffix, "pressed()");
                row(QString::fromLatin1(z) + suffix, "released()");
            }
            row(QStringLiteral("board_ptz_reset_Button") + suffix, "clicked()");
        }
        for (const char *n : {"board_feature_connect_Button", "board_pano_connect_Button", "board_startTrack_Button",
                              "board_stopTrack_Button", "board_show_param_pushButton", "board_setBoard_one_Button",
                              "board_callBoard_one_Button", "board_setBoard_two_Button", "board_callBoard_two_Button",
                              "board_setBoardPano_Button", "board_callBoardPano_Button", "board_setBoard_two_Button_2",
                              "board_callBoard_two_Button_2", "board_setBoardPano_Button_2", "board_callBoardPano_Button_2",
                              "board_obtain_Button", "board_apply_Button", "board_default_Button", "board_enable_checkBox_2",
                              "board_show_osd_menu_pushButton", "board_lose_object_pano_one_radioButton",
                              "board_lose_object_pano_two_radioButton", "board_multi_object_pano_one_radioButton",
                              "board_multi_object_pano_two_radioButton", "board_param_export_pushButton",
                              "board_open_file_pushButton", "board_param_import_pushButton"})
            row(n, "clicked()");
        for (const char *n : {"board_show_region_checkBox", "board_track_region_radioButton", "board_shield_region_radioButton",
                              "board_enable_checkBox"})
            row(n, "clicked(bool)");
        for (const char *s : kShields)
            row(QStringLiteral("board_shield_%1_checkBox").arg(s), "clicked(bool)");
        row("board_enable_checkBox", "stateChanged(int)");
        for (const char *n : {"board_sensitivity_Slider", "board_target_lost_timeout_Slider"}) {
            row(n, "sliderPressed()");
            row(n, "sliderMoved(int)");
            row(n, "valueChanged(int)");
        }
        row("board_lost_pano_delay_label", "valueChanged(QString)");
    }

    void signalsByName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, signal);
        QObject *o = unique(&form->window, name);
        QVERIFY2(o, qPrintable(name + " missing or not unique"));
        const QByteArray normalized = QMetaObject::normalizedSignature(signal.constData());
        const int index = o->metaObject()->indexOfSignal(normalized.constData());
        QVERIFY2(index >= 0, qPrintable(QStringLiteral("%1 (%2) has no signal %3")
                                            .arg(name, QString::fromLatin1(o->metaObject()->className()),
                                                 QString::fromLatin1(signal))));
        QCOMPARE(o->metaObject()->method(index).methodType(), QMetaMethod::Signal);
    }

    // The delay reaches its slot as text; "Enable" reaches both of its slots on one click.
    void overloadsReachSlots()
    {
        SlotProbe probe;
        Ui::MainWindow ui;
        ui.setupUi(&probe);
        QVERIFY(probe.calls.isEmpty()); // nothing fires while the form is built
        ui.board_lost_pano_delay_label->setValue(45);
        ui.board_enable_checkBox->click();
        ui.board_enable_checkBox_2->click();
        QCOMPARE(probe.calls, QStringList({"delay:45", "state:2", "clicked:1", "clicked2"}));
        // Two-state only: a second click unchecks.
        ui.board_enable_checkBox->click();
        QCOMPARE(ui.board_enable_checkBox->checkState(), Qt::Unchecked);
    }

    // ---- ranges, items, defaults ----
    void sliders_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("valueLabel");
        QTest::addColumn<QString>("labelText");
        QTest::newRow("sensitivity") << "board_sensitivity_Slider" << 0 << 4 << 2 << "board_sensitivity_label" << "0";
        QTest::newRow("lost timeout") << "board_target_lost_timeout_Slider" << 0 << 15 << 3 << "board_target_lost_timeout_label"
                                      << "15";
    }

    void sliders()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(QString, valueLabel);
        QFETCH(QString, labelText);
        auto *s = qobject_cast<QSlider *>(unique(&form->window, name));
        QVERIFY(s);
        QCOMPARE(s->orientation(), Qt::Horizontal);
        QCOMPARE(s->minimum(), minimum);
        QCOMPARE(s->maximum(), maximum);
        QCOMPARE(s->singleStep(), 1);
        QCOMPARE(s->value(), value);
        QVERIFY(s->hasTracking());
        // The value label is the form's text, not the slider's value.
        auto *l = qobject_cast<QLabel *>(unique(&form->window, valueLabel));
        QVERIFY(l);
        QCOMPARE(l->text(), labelText);
        QCOMPARE(form->ui.board_target_lost_timeout_Slider->pageStep(), 10);
    }

    void lostDelaySpinBox()
    {
        FormWindow f;
        QSpinBox *s = f.ui.board_lost_pano_delay_label;
        QCOMPARE(s->minimum(), 0);
        QCOMPARE(s->maximum(), 2700);
        QCOMPARE(s->singleStep(), 1);
        QCOMPARE(s->value(), 30);
        QCOMPARE(s->suffix(), QString());
        QCOMPARE(s->prefix(), QString());
        QCOMPARE(s->text(), QStringLiteral("30"));
        s->setValue(0);
        s->stepBy(-1);
        QCOMPARE(s->value(), 0);
        s->setValue(5000);
        QCOMPARE(s->value(), 2700);
    }

    void buttonStates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        auto row = [](const QString &n, bool e, bool c) { QTest::newRow(qPrintable(n)) << n << e << c; };
        row("board_show_region_checkBox", true, false);
        row("board_track_region_radioButton", false, true);
        row("board_shield_region_radioButton", false, false);
        for (int i = 0; i < 8; ++i)
            row(QStringLiteral("board_shield_%1_checkBox").arg(kShields[i]), false, i == 0);
        row("board_enable_checkBox", true, false);
        row("board_enable_checkBox_2", true, false);
        row("board_lose_object_pano_one_radioButton", true, true);
        row("board_lose_object_pano_two_radioButton", true, false);
        // The Multi Board Action group is disabled with all it holds.
        row("board_multi_object_pano_one_radioButton", false, true);
        row("board_multi_object_pano_two_radioButton", false, false);
        row("board_feature_connect_Button", true, false);
        row("board_pano_connect_Button", true, false);
        row("board_obtain_Button", true, false);
    }

    void buttonStates()
    {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        auto *b = qobject_cast<QAbstractButton *>(unique(&form->window, name));
        QVERIFY(b);
        QCOMPARE(b->isEnabled(), enabled);
        QCOMPARE(b->isChecked(), checked);
        if (auto *box = qobject_cast<QCheckBox *>(b))
            QVERIFY(!box->isTristate());
    }

    void otherStates()
    {
        const Ui::MainWindow &ui = form->ui;
        QVERIFY(!ui.groupBox_4->isEnabled());
        QVERIFY(ui.groupBox_8->isEnabled());
        QVERIFY(ui.board_feature_IP_Edit->isEnabled());
        QVERIFY(ui.board_pano_IP_Edit->isEnabled());
        QVERIFY(!ui.board_feature_IP_Edit->text().isEmpty());
        QVERIFY(!ui.board_pano_IP_Edit->text().isEmpty());
        QVERIFY(ui.board_feature_IP_Edit->text() != ui.board_pano_IP_Edit->text());
        QVERIFY(!ui.groupBox_30->hasMouseTracking());
        QCOMPARE(ui.groupBox_4->whatsThis(), QString());
        QCOMPARE(ui.tab_board_settings->count(), 1);
        QCOMPARE(ui.tab_board_settings->currentIndex(), 0);
        QCOMPARE(ui.tab_board_settings->tabText(0), QStringLiteral("Target Lost Action"));
        QCOMPARE(ui.tab_board_settings->widget(0), ui.tab_teacher_target_lost_action_5);
        QCOMPARE(ui.tabWidget->indexOf(ui.tab_board), 2);
        QCOMPARE(ui.tabWidget->tabText(2), QStringLiteral("Board"));
    }

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        auto row = [](const char *n, const QString &t) { QTest::newRow(n) << QString(n) << t; };
        row("board_feature_ip_label", "Board IP");
        row("board_pano_ip_label", "Board 2");
        row("board_feature_connect_Button", "Connect");
        row("board_pano_connect_Button", "Connect");
        row("board_ptz_leftup_Button", QStringLiteral("\u2196"));
        row("board_ptz_up_Button_2", QStringLiteral("\u2191"));
        row("board_ptz_rightup_Button", QStringLiteral("\u2197"));
        row("board_ptz_left_Button_2", QStringLiteral("\u2190"));
        row("board_ptz_right_Button", QStringLiteral("\u2192"));
        row("board_ptz_leftdown_Button_2", QStringLiteral("\u2199"));
        row("board_ptz_down_Button", QStringLiteral("\u2193"));
        row("board_ptz_rightdown_Button_2", QStringLiteral("\u2198"));
        row("board_ptz_reset_Button", "Home");
        row("board_ptz_reset_Button_2", "Home");
        row("board_zoomin_Button", "Zoom in");
        row("board_zoomout_Button_2", "Zoom out");
        row("board_setBoard_one_Button", "Set Board 0(Preset 0)");
        row("board_callBoard_one_Button", "Call Board 0(Preset 0)");
        row("board_setBoard_two_Button", "Set Board 1(Preset 1)");
        row("board_callBoard_two_Button", "Call Board 1(Preset 1)");
        row("board_setBoardPano_Button", "Set Pano (Preset 2)");
        row("board_callBoardPano_Button", "Call Pano (Preset 2)");
        row("board_setBoard_two_Button_2", "Set Board 1(Preset 1)");
        row("board_callBoardPano_Button_2", "Call Pano (Preset 2)");
        row("board_obtain_Button", "Obtain");
        row("board_apply_Button", "Apply");
        row("board_default_Button", "Default");
        row("board_startTrack_Button", "Start Track");
        row("board_stopTrack_Button", "Stop Track");
        row("board_show_param_pushButton", ">\ne\nx\np\na\nn\nd\n>");
        row("board_show_region_checkBox", "Show");
        row("board_track_region_radioButton", "Track");
        row("board_shield_region_radioButton", "Shield");
        row("board_shield_one_checkBox", "1");
        row("board_shield_eight_checkBox", "8");
        row("label_18", "Sensitivity: ");
        row("label_58", "Lost timeout: ");
        row("board_enable_checkBox", "Enable");
        row("board_enable_checkBox_2", "Enable 2");
        row("label_board_pano_delay", "BoardLostDelay");
        row("board_show_osd_menu_pushButton", "Menu");
        row("board_lose_object_pano_one_radioButton", "Board 0(Preset 0)");
        row("board_multi_object_pano_two_radioButton", "Board 1(Preset 1)");
        row("board_filepath_lineEdit", "");
        row("label_16", "Board Info:");
        row("label_19", "Detect Info:");
        row("board_version_feature_info_label", "SOC");
        row("board_version_pano_info_label", "SOC");
        row("board_labVideo_feature", "");
        row("board_labVideo_pano", "");
    }

    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QObject *o = unique(&form->window, name);
        QVERIFY(o);
        QCOMPARE(o->property("text").toString(), text);
    }

    void groupTitles()
    {
        const Ui::MainWindow &ui = form->ui;
        QCOMPARE(ui.groupBox_30->title(), QStringLiteral("Region Settings"));
        QCOMPARE(ui.groupBox_29->title(), QStringLiteral("Basic Settings"));
        QCOMPARE(ui.groupBox_31->title(), QStringLiteral("Blackboard Enable"));
        QCOMPARE(ui.groupBox_32->title(), QStringLiteral("Navigate Key Action"));
        QCOMPARE(ui.groupBox_8->title(), QStringLiteral("Lost Board Action"));
        QCOMPARE(ui.groupBox_4->title(), QStringLiteral("Multi Board Action"));
        QCOMPARE(ui.groupBox_34->title(), QStringLiteral("Param Backup"));
        QCOMPARE(ui.groupBox_33->title(), QStringLiteral("Version Info"));
    }

    void layouts()
    {
        const Ui::MainWindow &ui = form->ui;
        QCOMPARE(ui.layoutWidget3->layout(), static_cast<QLayout *>(ui.gridLayout_4));
        QCOMPARE(ui.gridLayout_4->horizontalSpacing(), 0);
        QCOMPARE(ui.gridLayout_4->verticalSpacing(), 0);
        QCOMPARE(ui.gridLayout_4->contentsMargins(), QMargins());
        const QList<QPair<QWidget *, QPoint>> first = {
            {ui.board_setBoard_one_Button, {0, 0}}, {ui.board_callBoard_one_Button, {0, 1}},
            {ui.board_setBoard_two_Button, {1, 0}}, {ui.board_callBoard_two_Button, {1, 1}},
            {ui.board_setBoardPano_Button, {2, 0}}, {ui.board_callBoardPano_Button, {2, 1}}};
        for (const auto &cell : first) {
            QCOMPARE(ui.gridLayout_4->itemAtPosition(cell.second.x(), cell.second.y())->widget(), cell.first);
            QCOMPARE(cell.first->minimumSize(), QSize(135, 36));
            QCOMPARE(cell.first->maximumHeight(), 36);
        }
        QCOMPARE(ui.board_2_preset_widget->layout(), static_cast<QLayout *>(ui.gridLayout_2));
        QCOMPARE(ui.gridLayout_2->horizontalSpacing(), 6);
        QCOMPARE(ui.gridLayout_2->verticalSpacing(), 1);
        QCOMPARE(ui.gridLayout_2->contentsMargins(), QMargins());
        const QList<QPair<QWidget *, QPoint>> second = {
            {ui.board_setBoard_two_Button_2, {0, 0}}, {ui.board_callBoard_two_Button_2, {0, 1}},
            {ui.board_setBoardPano_Button_2, {1, 0}}, {ui.board_callBoardPano_Button_2, {1, 1}}};
        for (const auto &cell : second) {
            QCOMPARE(ui.gridLayout_2->itemAtPosition(cell.second.x(), cell.second.y())->widget(), cell.first);
            QCOMPARE(cell.first->minimumSize(), QSize(135, 38));
            QCOMPARE(cell.first->maximumHeight(), 38);
        }
        QCOMPARE(ui.layoutWidget4->layout(), static_cast<QLayout *>(ui.horizontalLayout_32));
        QCOMPARE(ui.horizontalLayout_32->spacing(), 6);
        QCOMPARE(ui.horizontalLayout_32->contentsMargins(), QMargins());
        QCOMPARE(ui.horizontalLayout_32->count(), 3);
        QCOMPARE(ui.horizontalLayout_32->itemAt(0)->widget(), static_cast<QWidget *>(ui.board_obtain_Button));
        QCOMPARE(ui.horizontalLayout_32->itemAt(1)->widget(), static_cast<QWidget *>(ui.board_apply_Button));
        QCOMPARE(ui.horizontalLayout_32->itemAt(2)->widget(), static_cast<QWidget *>(ui.board_default_Button));
    }

    // The overlay must coincide with the second preview: board areas are drawn in its coordinates.
    void previewGeometry()
    {
        const Ui::MainWindow &ui = form->ui;
        QCOMPARE(ui.board_labVideo_feature->geometry(), QRect(12, 12, 480, 270));
        QCOMPARE(ui.board_labVideo_pano->geometry(), QRect(12, 304, 480, 270));
        QCOMPARE(ui.board_pano_region_widget->geometry(), ui.board_labVideo_pano->geometry());
        for (QLabel *l : {ui.board_labVideo_feature, ui.board_labVideo_pano}) {
            QCOMPARE(l->minimumSize(), QSize(480, 270));
            QCOMPARE(l->maximumSize(), QSize(480, 270));
            QCOMPARE(l->alignment(), Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
        }
        QCOMPARE(ui.board_2_connect_widget->geometry(), QRect(520, 304, 331, 34));
        QCOMPARE(ui.board_2_ptz_widget->geometry(), QRect(571, 342, 224, 140));
        QCOMPARE(ui.board_2_preset_widget->geometry(), QRect(520, 487, 321, 81));
    }

    void stackingOrder_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        auto row = [](const QString &l, const QString &u) { QTest::newRow(qPrintable(l + " < " + u)) << l << u; };
        row("board_labVideo_pano", "board_pano_region_widget");
        // Basic Settings is created after the shield boxes and lies over the middle of the row.
        for (const char *s : kShields)
            row(QStringLiteral("board_shield_%1_checkBox").arg(s), "groupBox_29");
        row("board_show_param_pushButton", "tab_board_settings");
    }

    void stackingOrder()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QObject *l = unique(&form->window, lower);
        QObject *u = unique(&form->window, upper);
        QVERIFY(l && u);
        QCOMPARE(l->parent(), u->parent());
        const QObjectList siblings = l->parent()->children();
        QVERIFY(siblings.indexOf(l) < siblings.indexOf(u));
    }

    // groupBox_29 sticks out of its parent's top edge and is cut off there.
    void basicSettingsClipped()
    {
        const Ui::MainWindow &ui = form->ui;
        QCOMPARE(ui.groupBox_29->geometry(), QRect(130, -10, 301, 61));
        QVERIFY(!ui.groupBox_30->rect().contains(ui.groupBox_29->geometry()));
        const QRect lostRow = ui.board_target_lost_timeout_Slider->geometry().translated(ui.groupBox_29->pos());
        QVERIFY(lostRow.bottom() >= ui.groupBox_30->height()); // the lost-timeout row runs past the bottom edge
    }

    // ---- what retranslateUi puts back ----
    void retranslateRestoresFormTexts()
    {
        FormWindow f;
        Ui::MainWindow &ui = f.ui;
        const QString first = ui.board_feature_IP_Edit->text();
        const QString second = ui.board_pano_IP_Edit->text();
        ui.board_feature_IP_Edit->setText("10.0.0.1");
        ui.board_pano_IP_Edit->setText("10.0.0.2");
        ui.board_sensitivity_label->setText("3");
        ui.board_target_lost_timeout_label->setText("9");
        ui.board_version_feature_info_label->setText("V2");
        ui.board_feature_ip_label->setText("Board 1");
        ui.board_enable_checkBox->setText("Enable 1");
        ui.board_sensitivity_Slider->setValue(4);
        ui.board_lost_pano_delay_label->setValue(99);
        ui.board_lose_object_pano_two_radioButton->setChecked(true);
        ui.retranslateUi(&f.window);
        QCOMPARE(ui.board_feature_IP_Edit->text(), first);
        QCOMPARE(ui.board_pano_IP_Edit->text(), second);
        QCOMPARE(ui.board_sensitivity_label->text(), QStringLiteral("0"));
        QCOMPARE(ui.board_target_lost_timeout_label->text(), QStringLiteral("15"));
        QCOMPARE(ui.board_version_feature_info_label->text(), QStringLiteral("SOC"));
        QCOMPARE(ui.board_feature_ip_label->text(), QStringLiteral("Board IP"));
        QCOMPARE(ui.board_enable_checkBox->text(), QStringLiteral("Enable"));
        QCOMPARE(ui.board_sensitivity_Slider->value(), 4);
        QCOMPARE(ui.board_lost_pano_delay_label->value(), 99);
        QVERIFY(ui.board_lose_object_pano_two_radioButton->isChecked());
    }

    void radioSetsExclusive()
    {
        FormWindow f;
        Ui::MainWindow &ui = f.ui;
        ui.board_track_region_radioButton->setEnabled(true);
        ui.board_shield_region_radioButton->setEnabled(true);
        ui.board_shield_region_radioButton->click();
        QVERIFY(!ui.board_track_region_radioButton->isChecked());
        ui.board_lose_object_pano_two_radioButton->click();
        QVERIFY(!ui.board_lose_object_pano_one_radioButton->isChecked());
        ui.groupBox_4->setEnabled(true);
        ui.board_multi_object_pano_two_radioButton->click();
        QVERIFY(!ui.board_multi_object_pano_one_radioButton->isChecked());
        // Each pair keeps its own choice.
        QVERIFY(ui.board_shield_region_radioButton->isChecked());
        QVERIFY(ui.board_lose_object_pano_two_radioButton->isChecked());
    }

    // ---- the window's set-up ----
    void setUpHides()
    {
        FullWindow h;
        Ui::MainWindow *ui = h.window->ui;
        for (QWidget *hidden : std::initializer_list<QWidget *>{ui->groupBox_30, ui->groupBox_29, ui->board_startTrack_Button,
                                                                ui->board_stopTrack_Button, ui->groupBox_32, ui->groupBox_33,
                                                                ui->groupBox_34, ui->groupBox_8, ui->groupBox_4})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        for (QWidget *shown : std::initializer_list<QWidget *>{
                 ui->board_labVideo_feature, ui->board_labVideo_pano, ui->board_pano_region_widget, ui->groupBox_31,
                 ui->tab_board_settings, ui->layoutWidget3, ui->layoutWidget4, ui->board_2_connect_widget,
                 ui->board_2_ptz_widget, ui->board_2_preset_widget, ui->board_show_param_pushButton, ui->line_13})
            QVERIFY2(!shown->isHidden(), qPrintable(shown->objectName()));
        // The hidden groups keep the form's states for their slots.
        QVERIFY(ui->board_track_region_radioButton->isChecked());
        QVERIFY(ui->board_shield_one_checkBox->isChecked());
        QVERIFY(ui->board_lose_object_pano_one_radioButton->isChecked());
    }

    // The settings column lies right of the divider: out of view at 899 wide, in view at 1164.
    void settingsColumnOnlyWhenWide()
    {
        FullWindow h;
        MainWindow *w = h.window.get();
        QCOMPARE(w->ui->tabWidget->indexOf(w->ui->tab_board), 2);
        w->ui->tabWidget->setCurrentWidget(w->ui->tab_board);
        w->setFixedSize(1164, 757);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        for (QWidget *block : std::initializer_list<QWidget *>{w->ui->groupBox_31, w->ui->tab_board_settings, w->ui->groupBox_32,
                                                               w->ui->groupBox_8, w->ui->groupBox_4, w->ui->groupBox_34,
                                                               w->ui->groupBox_33}) {
            const QRect r(block->mapTo(w, QPoint(0, 0)), block->size());
            QVERIFY2(r.left() >= 899 && r.right() < 1164, qPrintable(block->objectName()));
            QCOMPARE(block->x(), 900);
            QCOMPARE(block->width(), 231);
        }
        const QRect divider(w->ui->board_show_param_pushButton->mapTo(w, QPoint(0, 0)), w->ui->board_show_param_pushButton->size());
        QVERIFY(divider.right() < 899);
        QCOMPARE(w->ui->board_show_param_pushButton->geometry(), QRect(871, -1, 16, 717));
    }
};

QTEST_MAIN(tst_BoardTab)
#include "tst_board_tab.moc"
