// Contract of the Student tab of the main window form: the objects, classes and signals the
// window's slots connect to by name, the ranges, items and start states they rely on, the
// stacking of previews, markers and overlays, and what the window's set-up changes on the tab.
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

template <class T>
T *widget(QObject *root, const char *name)
{
    return qobject_cast<T *>(unique(root, QString::fromLatin1(name)));
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
    FullWindow()
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"));
        window.reset(new MainWindow);
    }
    ~FullWindow()
    {
        if (window)
            delete window->guide_config; // the window never deletes its wizard
    }
};

// Records what the text and int overloads connected by name deliver.
class SlotProbe : public QMainWindow
{
    Q_OBJECT
public:
    QStringList calls;
public slots:
    void on_student_preset_list_currentIndexChanged(const QString &t) { calls << "preset:" + t; }
    void on_student_calibration_comboBox_currentIndexChanged(const QString &t) { calls << "calibration:" + t; }
    void on_student_feature_continue_time_label_valueChanged(const QString &t) { calls << "continue:" + t; }
    void on_director_time_pano_delay_label_valueChanged(const QString &t) { calls << "delay:" + t; }
    void on_student_pos_calibration_region_checkBox_stateChanged(int s) { calls << "state:" + QString::number(s); }
    void on_student_pos_calibration_region_checkBox_clicked(bool c) { calls << "clicked:" + QString::number(c); }
};

const char *const kArrows[] = {"leftup", "up", "rightup", "left", "right", "leftdown", "down", "rightdown"};

} // namespace

class tst_StudentTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<FormWindow> form;
    std::unique_ptr<FullWindow> validatorWindow; // one window for all validator rows

private slots:
    void initTestCase() { form.reset(new FormWindow); }
    void cleanupTestCase()
    {
        validatorWindow.reset();
        form.reset();
    }

    // ---- objects, classes and where they lie ----
    void objects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("owner");
        auto row = [](const char *n, const char *c, const char *o) { QTest::newRow(n) << QString(n) << QString(c) << QString(o); };
        // Previews, overlays, markers, corner numbers.
        row("tab_student", "QWidget", "tabWidget");
        row("student_labVideo_feature", "QLabel", "tab_student");
        row("student_labVideo_pano", "QLabel", "tab_student");
        row("student_feature_region_widget", "QWidget", "tab_student");
        row("student_pano_region_widget", "QWidget", "tab_student");
        row("student_tip_label", "QLabel", "student_pano_region_widget");
        row("student_feature_calibration_label", "QLabel", "tab_student");
        row("student_pano_calibration_label", "QLabel", "tab_student");
        row("student_region_one_hint_label", "QLabel", "tab_student");
        row("student_region_two_hint_label", "QLabel", "tab_student");
        row("student_region_three_hint_label", "QLabel", "tab_student");
        row("student_region_four_hint_label", "QLabel", "tab_student");
        row("student_feature_image_max_toolButton", "QToolButton", "tab_student");
        row("line_2", "QFrame", "tab_student");
        row("line_4", "QFrame", "tab_student");
        // Address rows, pad, zoom, presets, buttons.
        row("student_feature_ip_label", "QLabel", "tab_student");
        row("student_feature_IP_Edit", "QLineEdit", "tab_student");
        row("student_feature_connect_Button", "QPushButton", "tab_student");
        row("student_pano_ip_label", "QLabel", "tab_student");
        row("student_pano_IP_Edit", "QLineEdit", "tab_student");
        row("student_pano_connect_Button", "QPushButton", "tab_student");
        row("student_ptz_reset_Button", "QPushButton", "tab_student");
        row("student_zoomin_Button", "QPushButton", "tab_student");
        row("student_zoom_lineEdit", "QLineEdit", "tab_student");
        row("student_zoomout_Button", "QPushButton", "tab_student");
        row("label_86", "QLabel", "tab_student");
        row("student_preset_list", "QComboBox", "tab_student");
        row("student_setPano_one_Button", "QPushButton", "tab_student");
        row("student_callPano_one_Button", "QPushButton", "tab_student");
        row("student_obtain_Button", "QPushButton", "tab_student");
        row("student_apply_Button", "QPushButton", "tab_student");
        row("student_default_Button", "QPushButton", "tab_student");
        row("student_startTrack_Button", "QPushButton", "tab_student");
        row("student_stopTrack_Button", "QPushButton", "tab_student");
        row("student_show_param_pushButton", "QPushButton", "tab_student");
        // Basic Settings.
        row("groupBox_12", "QGroupBox", "tab_student");
        row("student_basic_settings_widge", "QWidget", "groupBox_12");
        row("label_9", "QLabel", "groupBox_12");
        row("label_21", "QLabel", "groupBox_12");
        row("student_sensitivity_Slider", "QSlider", "groupBox_12");
        row("student_sensitivity_label", "QLabel", "groupBox_12");
        row("label_22", "QLabel", "groupBox_12");
        for (const char *n : {"label_10", "label_44", "student_objectsize_label", "label_46", "label_12", "label_43",
                              "student_panOffset_label", "label_33", "label_13", "label_32", "student_tiltOffset_label",
                              "label_34", "label_11", "label_25"})
            row(n, "QLabel", "student_basic_settings_widge");
        for (const char *n : {"student_objectsize_Slider", "student_panOffset_Slider", "student_tiltOffset_Slider"})
            row(n, "QSlider", "student_basic_settings_widge");
        row("student_camera_height_lineEdit", "QLineEdit", "student_basic_settings_widge");
        // Region Settings.
        row("groupBox_11", "QGroupBox", "tab_student");
        row("student_show_region_checkBox", "QCheckBox", "groupBox_11");
        row("student_track_region_radioButton", "QRadioButton", "groupBox_11");
        row("student_track_region_checkBox", "QCheckBox", "groupBox_11");
        row("student_designated_region_radioButton", "QRadioButton", "groupBox_11");
        row("student_designated_region_checkBox", "QCheckBox", "groupBox_11");
        row("people_number_lineEdit", "QLineEdit", "groupBox_11");
        row("student_shield_region_radioButton", "QRadioButton", "groupBox_11");
        for (const char *n : {"student_shield_one_checkBox", "student_shield_two_checkBox", "student_shield_three_checkBox",
                              "student_shield_four_checkBox", "student_shield_five_checkBox", "student_shield_six_checkBox",
                              "student_shield_seven_checkBox", "student_shield_eight_checkBox"})
            row(n, "QCheckBox", "groupBox_11");
        row("student_pos_calibration_region_radioButton", "QRadioButton", "groupBox_11");
        row("student_pos_calibration_region_checkBox", "QCheckBox", "groupBox_11");
        row("student_calibrate_area_toolButton", "QToolButton", "groupBox_11");
        row("student_calibration_comboBox", "QComboBox", "groupBox_11");
        // Settings column.
        row("tabWidget_2", "QTabWidget", "tab_student");
        row("tab_2", "QWidget", "tabWidget_2");
        row("tab_19", "QWidget", "tabWidget_2");
        row("tab_22", "QWidget", "tabWidget_2");
        row("student_show_Calibration_checkBox", "QCheckBox", "tab_2");
        row("layoutWidget2", "QWidget", "tab_2");
        row("student_showCalibration_Reset_Button", "QPushButton", "layoutWidget2");
        row("student_showCalibration_Button", "QPushButton", "layoutWidget2");
        row("student_auto_calibration_pushButton", "QPushButton", "layoutWidget2");
        row("student_pano_manual_mode_Button", "QRadioButton", "tab_19");
        row("student_pano_auto_mode_Button", "QRadioButton", "tab_19");
        row("student_ptz_pano_detect_checkBox", "QCheckBox", "tab_22");
        row("groupBox_13", "QGroupBox", "tab_student");
        row("student_switch_menu_object_comboBox", "QComboBox", "groupBox_13");
        row("student_show_osd_menu_pushButton", "QPushButton", "groupBox_13");
        row("groupBox_14", "QGroupBox", "tab_student");
        row("student_eptz_radioButton", "QRadioButton", "groupBox_14");
        row("student_cutout_radioButton", "QRadioButton", "groupBox_14");
        row("tab_student_settings", "QTabWidget", "tab_student");
        row("tab_teacher_target_lost_action_2", "QWidget", "tab_student_settings");
        row("tab_21", "QWidget", "tab_student_settings");
        row("student_none_action_radioButton", "QRadioButton", "tab_teacher_target_lost_action_2");
        row("student_pano_one_action_radioButton", "QRadioButton", "tab_teacher_target_lost_action_2");
        row("layoutWidget1", "QWidget", "tab_teacher_target_lost_action_2");
        row("label_57", "QLabel", "layoutWidget1");
        row("student_target_lost_timeout_Slider", "QSlider", "layoutWidget1");
        row("student_target_lost_timeout_label", "QLabel", "layoutWidget1");
        row("label_104", "QLabel", "tab_21");
        row("student_ptzspeed_level", "QLineEdit", "tab_21");
        row("tabWidget_4", "QTabWidget", "tab_student");
        row("tab_12", "QWidget", "tabWidget_4");
        row("tab_13", "QWidget", "tabWidget_4");
        row("tab_17", "QWidget", "tabWidget_4");
        row("student_small_pano_radioButton", "QRadioButton", "tab_12");
        row("student_return_pano_action_radioButton", "QRadioButton", "tab_12");
        row("label_84", "QLabel", "tab_13");
        row("student_feature_continue_time_label", "QSpinBox", "tab_13");
        row("label_pano_delay", "QLabel", "tab_17");
        row("director_time_pano_delay_label", "QSpinBox", "tab_17");
        row("groupBox_19", "QGroupBox", "tab_student");
        row("student_starting_up_checkBox", "QCheckBox", "groupBox_19");
        row("student_pano_switch_checkBox", "QCheckBox", "groupBox_19");
        row("student_face_detect_checkBox", "QCheckBox", "groupBox_19");
        row("groupBox_17", "QGroupBox", "tab_student");
        row("student_param_export_pushButton", "QPushButton", "groupBox_17");
        row("line_10", "QFrame", "groupBox_17");
        row("student_filepath_lineEdit", "QLineEdit", "groupBox_17");
        row("student_open_file_pushButton", "QPushButton", "groupBox_17");
        row("student_param_import_pushButton", "QPushButton", "groupBox_17");
        row("groupBox_18", "QGroupBox", "tab_student");
        row("label_14", "QLabel", "groupBox_18");
        row("label_17", "QLabel", "groupBox_18");
        row("student_version_feature_info_label", "QLabel", "groupBox_18");
        row("student_version_pano_info_label", "QLabel", "groupBox_18");
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

    void padButtons()
    {
        const QList<QPoint> cells = {{571, 50}, {647, 50}, {723, 50}, {571, 84}, {723, 84}, {571, 118}, {647, 118}, {723, 118}};
        for (int i = 0; i < 8; ++i) {
            const QString name = QStringLiteral("student_ptz_%1_Button").arg(kArrows[i]);
            auto *b = qobject_cast<QPushButton *>(unique(&form->window, name));
            QVERIFY2(b, qPrintable(name));
            QCOMPARE(ownerName(b), QStringLiteral("tab_student"));
            QCOMPARE(b->geometry(), QRect(cells[i], QSize(70, 30)));
            QCOMPARE(b->minimumSize(), QSize(70, 30));
            QCOMPARE(b->maximumSize(), QSize(70, 30));
            // Holding an arrow must give one pressed() and one released(), never repeats.
            QVERIFY(!b->autoRepeat());
        }
        QVERIFY(!form->ui.student_zoomin_Button->autoRepeat());
        QVERIFY(!form->ui.student_zoomout_Button->autoRepeat());
    }

    // ---- signals the window's slots connect to by name ----
    void signalsByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("signal");
        auto row = [](const QString &n, const char *s) {
            QTest::newRow(qPrintable(n + " " + s)) << n << QByteArray(s);
        };
        for (const char *a : kArrows) {
            row(QStringLiteral("student_ptz_%1_Button").arg(a), "pressed()");
            row(QStringLiteral("student_ptz_%1_Button").arg(a), "released()");
        }
        for (const char *n : {"student_zoomin_Button", "student_zoomout_Button"}) {
            row(n, "pressed()");
            row(n, "released()");
        }
        for (const char *n : {"student_feature_image_max_toolButton", "student_feature_connect_Button", "student_pano_connect_Button",
                              "student_ptz_reset_Button", "student_setPano_one_Button", "student_callPano_one_Button",
                              "student_obtain_Button", "student_apply_Button", "student_default_Button", "student_startTrack_Button",
                              "student_stopTrack_Button", "student_show_param_pushButton", "student_calibrate_area_toolButton",
                              "student_showCalibration_Reset_Button", "student_showCalibration_Button",
                              "student_auto_calibration_pushButton", "student_show_osd_menu_pushButton", "student_eptz_radioButton",
                              "student_cutout_radioButton", "student_none_action_radioButton", "student_pano_one_action_radioButton",
                              "student_small_pano_radioButton", "student_return_pano_action_radioButton",
                              "student_starting_up_checkBox", "student_pano_switch_checkBox", "student_face_detect_checkBox",
                              "student_param_export_pushButton", "student_open_file_pushButton", "student_param_import_pushButton"})
            row(n, "clicked()");
        for (const char *n : {"student_show_region_checkBox", "student_track_region_radioButton", "student_track_region_checkBox",
                              "student_designated_region_radioButton", "student_designated_region_checkBox",
                              "student_shield_region_radioButton", "student_shield_one_checkBox", "student_shield_two_checkBox",
                              "student_shield_three_checkBox", "student_shield_four_checkBox",
                              "student_pos_calibration_region_radioButton", "student_pos_calibration_region_checkBox",
                              "student_show_Calibration_checkBox", "student_pano_manual_mode_Button", "student_pano_auto_mode_Button"})
            row(n, "clicked(bool)");
        row("student_pos_calibration_region_checkBox", "stateChanged(int)");
        row("student_feature_IP_Edit", "returnPressed()");
        row("student_pano_IP_Edit", "returnPressed()");
        row("student_camera_height_lineEdit", "textChanged(QString)");
        row("student_ptzspeed_level", "textChanged(QString)");
        for (const char *n : {"student_sensitivity_Slider", "student_objectsize_Slider", "student_panOffset_Slider",
                              "student_tiltOffset_Slider", "student_target_lost_timeout_Slider"}) {
            row(n, "sliderPressed()");
            row(n, "sliderMoved(int)");
            row(n, "valueChanged(int)");
        }
        row("student_preset_list", "currentIndexChanged(QString)");
        row("student_calibration_comboBox", "currentIndexChanged(QString)");
        row("student_feature_continue_time_label", "valueChanged(QString)");
        row("director_time_pano_delay_label", "valueChanged(QString)");
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

    // The text overloads reach slots named after the controls, with the shown text.
    void textOverloadsReachSlots()
    {
        SlotProbe probe;
        Ui::MainWindow ui;
        ui.setupUi(&probe);
        QVERIFY(probe.calls.isEmpty()); // nothing fires while the form is built
        ui.student_preset_list->setCurrentIndex(1);
        ui.student_calibration_comboBox->setCurrentIndex(1);
        ui.student_feature_continue_time_label->setValue(120);
        ui.director_time_pano_delay_label->setValue(7);
        ui.student_pos_calibration_region_checkBox->setEnabled(true);
        ui.student_pos_calibration_region_checkBox->click();
        QCOMPARE(probe.calls, QStringList({"preset:Num 60 : Pano Crop", "calibration:90cm", "continue:120", "delay:7",
                                           "state:2", "clicked:1"}));
    }

    // ---- ranges, items, defaults ----
    void sliders_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("valueLabel");
        QTest::addColumn<QString>("labelText");
        QTest::newRow("sensitivity") << "student_sensitivity_Slider" << 0 << 8 << 1 << 4 << "student_sensitivity_label" << "0";
        QTest::newRow("feature size") << "student_objectsize_Slider" << 1 << 16 << 1 << 1 << "student_objectsize_label" << "0.5";
        QTest::newRow("pan offset") << "student_panOffset_Slider" << 0 << 80 << 1 << 40 << "student_panOffset_label" << "0";
        QTest::newRow("tilt offset") << "student_tiltOffset_Slider" << 0 << 80 << 1 << 40 << "student_tiltOffset_label" << "0";
        QTest::newRow("lost timeout") << "student_target_lost_timeout_Slider" << 0 << 15 << 1 << 0
                                      << "student_target_lost_timeout_label" << "15";
    }

    void sliders()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, step);
        QFETCH(int, value);
        QFETCH(QString, valueLabel);
        QFETCH(QString, labelText);
        auto *s = qobject_cast<QSlider *>(unique(&form->window, name));
        QVERIFY(s);
        QCOMPARE(s->orientation(), Qt::Horizontal);
        QCOMPARE(s->minimum(), minimum);
        QCOMPARE(s->maximum(), maximum);
        QCOMPARE(s->singleStep(), step);
        QCOMPARE(s->value(), value);
        QVERIFY(s->hasTracking());
        // The value label is the form's text, not the slider's value.
        auto *l = qobject_cast<QLabel *>(unique(&form->window, valueLabel));
        QVERIFY(l);
        QCOMPARE(l->text(), labelText);
    }

    void lostTimeoutSliderDetails()
    {
        QCOMPARE(form->ui.student_target_lost_timeout_Slider->pageStep(), 10);
        QCOMPARE(form->ui.student_target_lost_timeout_Slider->minimumWidth(), 70);
        QCOMPARE(form->ui.student_target_lost_timeout_Slider->maximumWidth(), 70);
    }

    void spinBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::newRow("continue time") << "student_feature_continue_time_label" << 15 << 2700 << 15;
        QTest::newRow("pano delay") << "director_time_pano_delay_label" << 1 << 2700 << 2;
    }

    void spinBoxes()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        FormWindow fresh;
        auto *s = qobject_cast<QSpinBox *>(unique(&fresh.window, name));
        QVERIFY(s);
        QCOMPARE(s->minimum(), minimum);
        QCOMPARE(s->maximum(), maximum);
        QCOMPARE(s->singleStep(), 1);
        QCOMPARE(s->value(), value);
        QCOMPARE(s->suffix(), QString());
        QCOMPARE(s->prefix(), QString());
        QCOMPARE(s->text(), QString::number(value)); // the text overload sends this text
        s->setValue(minimum);
        s->stepBy(-1);
        QCOMPARE(s->value(), minimum);
        s->setValue(maximum + 1);
        QCOMPARE(s->value(), maximum);
    }

    void combos_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("presets") << "student_preset_list" << QStringList{"Num 0 : Pano", "Num 60 : Pano Crop"};
        QTest::newRow("calibration height") << "student_calibration_comboBox" << QStringList{"0cm", "90cm"};
        QTest::newRow("menu camera") << "student_switch_menu_object_comboBox" << QStringList{"Feature", "Pano"};
    }

    void combos()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        auto *c = qobject_cast<QComboBox *>(unique(&form->window, name));
        QVERIFY(c);
        QStringList shown;
        for (int i = 0; i < c->count(); ++i) {
            shown << c->itemText(i);
            QVERIFY(!c->itemData(i).isValid());
        }
        QCOMPARE(shown, items);
        QCOMPARE(c->currentIndex(), 0);
    }

    void buttonStates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        auto row = [](const char *n, bool e, bool c) { QTest::newRow(n) << QString(n) << e << c; };
        row("student_show_region_checkBox", true, false);
        row("student_track_region_radioButton", false, false);
        row("student_track_region_checkBox", false, false);
        row("student_designated_region_radioButton", false, false);
        row("student_designated_region_checkBox", false, false);
        row("student_shield_region_radioButton", false, true);
        row("student_shield_one_checkBox", false, true);
        row("student_shield_two_checkBox", false, false);
        row("student_shield_three_checkBox", false, false);
        row("student_shield_four_checkBox", false, false);
        row("student_shield_five_checkBox", false, false);
        row("student_shield_six_checkBox", false, false);
        row("student_shield_seven_checkBox", false, false);
        row("student_shield_eight_checkBox", false, false);
        row("student_pos_calibration_region_radioButton", false, false);
        row("student_pos_calibration_region_checkBox", false, false);
        row("student_calibrate_area_toolButton", false, false);
        row("student_show_Calibration_checkBox", true, false);
        row("student_showCalibration_Reset_Button", false, false);
        row("student_showCalibration_Button", false, false);
        row("student_auto_calibration_pushButton", false, false);
        row("student_pano_manual_mode_Button", true, false);
        row("student_pano_auto_mode_Button", true, false);
        row("student_ptz_pano_detect_checkBox", true, false);
        row("student_eptz_radioButton", true, false);
        row("student_cutout_radioButton", true, true);
        row("student_none_action_radioButton", true, false);
        row("student_pano_one_action_radioButton", true, true);
        row("student_small_pano_radioButton", true, true);
        row("student_return_pano_action_radioButton", true, false);
        row("student_starting_up_checkBox", true, true);
        row("student_pano_switch_checkBox", true, true);
        row("student_face_detect_checkBox", true, false);
        row("student_feature_connect_Button", true, false);
        row("student_obtain_Button", true, false);
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
        QVERIFY(!ui.student_zoom_lineEdit->isEnabled());
        QVERIFY(!ui.people_number_lineEdit->isEnabled());
        QVERIFY(!ui.student_calibration_comboBox->isEnabled());
        QCOMPARE(ui.people_number_lineEdit->maxLength(), 2);
        QCOMPARE(ui.student_ptzspeed_level->maxLength(), 10);
        QVERIFY(!ui.student_ptzspeed_level->validator()); // the window's set-up adds it
        QVERIFY(!ui.student_camera_height_lineEdit->validator());
        QVERIFY(ui.student_feature_IP_Edit->isEnabled());
        QVERIFY(ui.student_pano_IP_Edit->isEnabled());
        QVERIFY(ui.student_ptz_pano_detect_checkBox->hasMouseTracking());
        QVERIFY(ui.student_face_detect_checkBox->hasMouseTracking());
        QVERIFY(!ui.groupBox_11->hasMouseTracking());
    }

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        auto row = [](const char *n, const QString &t) { QTest::newRow(n) << QString(n) << t; };
        row("student_tip_label", "Panorama cropping has been suspended");
        row("student_region_one_hint_label", "1");
        row("student_region_two_hint_label", "2");
        row("student_region_three_hint_label", "3");
        row("student_region_four_hint_label", "4");
        row("student_feature_ip_label", "Feature IP");
        row("student_pano_ip_label", "Pano IP");
        row("student_feature_connect_Button", "Connect");
        row("student_pano_connect_Button", "Connect");
        row("student_ptz_leftup_Button", QStringLiteral("\u2196"));
        row("student_ptz_up_Button", QStringLiteral("\u2191"));
        row("student_ptz_rightup_Button", QStringLiteral("\u2197"));
        row("student_ptz_left_Button", QStringLiteral("\u2190"));
        row("student_ptz_reset_Button", "Home");
        row("student_ptz_right_Button", QStringLiteral("\u2192"));
        row("student_ptz_leftdown_Button", QStringLiteral("\u2199"));
        row("student_ptz_down_Button", QStringLiteral("\u2193"));
        row("student_ptz_rightdown_Button", QStringLiteral("\u2198"));
        row("student_zoomin_Button", "Zoom in");
        row("student_zoom_lineEdit", "1.0x");
        row("student_zoomout_Button", "Zoom out");
        row("label_86", "Preset List");
        row("student_setPano_one_Button", "Set Preset");
        row("student_callPano_one_Button", "Call Preset");
        row("student_obtain_Button", "Obtain");
        row("student_apply_Button", "Apply");
        row("student_default_Button", "Default");
        row("student_startTrack_Button", "Start Track");
        row("student_stopTrack_Button", "Stop Track");
        row("student_show_param_pushButton", ">\ne\nx\np\na\nn\nd\n>");
        row("label_9", "Sensitivity: ");
        row("label_10", "Feature size: ");
        row("label_12", "Pan offset: ");
        row("label_13", "Tilt offset: ");
        row("label_11", "Camera Height: ");
        row("label_43", "L ");
        row("student_camera_height_lineEdit", "2.2");
        row("student_show_region_checkBox", "Show");
        row("student_track_region_radioButton", "Stu Area");
        row("student_designated_region_radioButton", "Seating Area");
        row("people_number_lineEdit", "0");
        row("student_shield_region_radioButton", "Shield");
        row("student_pos_calibration_region_radioButton", "Calibrate Area");
        row("student_pos_calibration_region_checkBox", "Status");
        row("student_show_Calibration_checkBox", "Show calibration cross");
        row("student_auto_calibration_pushButton", "Auto Calibration");
        row("student_show_osd_menu_pushButton", "Menu");
        row("student_pano_one_action_radioButton", "Pano 0(Preset 0)");
        row("label_57", "Timeout: ");
        row("student_ptzspeed_level", "10");
        row("label_84", "Continue Time(S)");
        row("label_pano_delay", "PanoDelay");
        row("student_filepath_lineEdit", "");
        row("student_version_feature_info_label", "SOC");
        row("student_version_pano_info_label", "SOC");
        row("student_labVideo_feature", "");
        row("student_labVideo_pano", "");
    }

    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QObject *o = unique(&form->window, name);
        QVERIFY(o);
        QCOMPARE(o->property("text").toString(), text);
    }

    void groupTitlesAndPages()
    {
        const Ui::MainWindow &ui = form->ui;
        QCOMPARE(ui.groupBox_11->title(), QStringLiteral("Region Settings"));
        QCOMPARE(ui.groupBox_12->title(), QStringLiteral("Basic Settings"));
        QCOMPARE(ui.groupBox_13->title(), QStringLiteral("Menu Mode"));
        QCOMPARE(ui.groupBox_14->title(), QStringLiteral("PTZ Mode"));
        QCOMPARE(ui.groupBox_19->title(), QStringLiteral("Track Settings"));
        QCOMPARE(ui.groupBox_17->title(), QStringLiteral("Param Backup"));
        QCOMPARE(ui.groupBox_18->title(), QStringLiteral("Version Info"));
        struct Page { QTabWidget *tabs; QWidget *page; const char *title; };
        const QList<Page> pages = {
            {ui.tabWidget_2, ui.tab_2, "Pano Lens Pos Calibration"}, {ui.tabWidget_2, ui.tab_19, "Pano Focus Mode"},
            {ui.tabWidget_2, ui.tab_22, "Pano Config"},
            {ui.tab_student_settings, ui.tab_teacher_target_lost_action_2, "Target Lost Action"},
            {ui.tab_student_settings, ui.tab_21, "PTZ Speed"},
            {ui.tabWidget_4, ui.tab_12, "Multi Objective Action"}, {ui.tabWidget_4, ui.tab_13, "Feature Continue Time"},
            {ui.tabWidget_4, ui.tab_17, "Feature To Pano Delay"}};
        QCOMPARE(ui.tabWidget_2->count(), 3);
        QCOMPARE(ui.tab_student_settings->count(), 2);
        QCOMPARE(ui.tabWidget_4->count(), 3);
        int previous = -1;
        QTabWidget *previousTabs = nullptr;
        for (const Page &p : pages) {
            const int index = p.tabs->indexOf(p.page);
            QCOMPARE(index, p.tabs == previousTabs ? previous + 1 : 0);
            QCOMPARE(p.tabs->tabText(index), QString::fromUtf8(p.title));
            previous = index;
            previousTabs = p.tabs;
        }
        QCOMPARE(ui.tabWidget_2->currentIndex(), 0);
        QCOMPARE(ui.tab_student_settings->currentIndex(), 0);
        QCOMPARE(ui.tabWidget_4->currentIndex(), 2);
        QCOMPARE(form->ui.tabWidget->indexOf(ui.tab_student), 1);
        QCOMPARE(form->ui.tabWidget->tabText(1), QStringLiteral("Student"));
    }

    void layouts()
    {
        const Ui::MainWindow &ui = form->ui;
        QCOMPARE(ui.layoutWidget2->layout(), static_cast<QLayout *>(ui.verticalLayout_13));
        QCOMPARE(ui.verticalLayout_13->spacing(), 0);
        QCOMPARE(ui.verticalLayout_13->contentsMargins(), QMargins());
        QCOMPARE(ui.verticalLayout_13->count(), 2);
        QCOMPARE(ui.verticalLayout_13->itemAt(0)->layout(), static_cast<QLayout *>(ui.horizontalLayout_34));
        QCOMPARE(ui.verticalLayout_13->itemAt(1)->widget(), static_cast<QWidget *>(ui.student_auto_calibration_pushButton));
        QCOMPARE(ui.horizontalLayout_34->spacing(), 6);
        QCOMPARE(ui.horizontalLayout_34->itemAt(0)->widget(), static_cast<QWidget *>(ui.student_showCalibration_Reset_Button));
        QCOMPARE(ui.horizontalLayout_34->itemAt(1)->widget(), static_cast<QWidget *>(ui.student_showCalibration_Button));
        QCOMPARE(ui.layoutWidget2->geometry(), QRect(40, 20, 170, 51));

        QCOMPARE(ui.layoutWidget1->layout(), static_cast<QLayout *>(ui.horizontalLayout_3));
        QCOMPARE(ui.horizontalLayout_3->spacing(), 6);
        QCOMPARE(ui.horizontalLayout_3->contentsMargins(), QMargins());
        QCOMPARE(ui.horizontalLayout_3->count(), 4);
        QCOMPARE(ui.horizontalLayout_3->itemAt(0)->widget(), static_cast<QWidget *>(ui.label_57));
        QCOMPARE(ui.horizontalLayout_3->itemAt(1)->widget(), static_cast<QWidget *>(ui.student_target_lost_timeout_Slider));
        QCOMPARE(ui.horizontalLayout_3->itemAt(2)->widget(), static_cast<QWidget *>(ui.student_target_lost_timeout_label));
        QSpacerItem *spacer = ui.horizontalLayout_3->itemAt(3)->spacerItem();
        QVERIFY(spacer);
        QVERIFY(spacer->expandingDirections() & Qt::Horizontal);
        QCOMPARE(ui.label_57->layoutDirection(), Qt::RightToLeft);
    }

    // The overlays must coincide with their previews: regions are drawn in preview coordinates.
    void previewGeometry()
    {
        const Ui::MainWindow &ui = form->ui;
        QCOMPARE(ui.student_labVideo_feature->geometry(), QRect(12, 12, 480, 270));
        QCOMPARE(ui.student_feature_region_widget->geometry(), ui.student_labVideo_feature->geometry());
        QCOMPARE(ui.student_labVideo_pano->geometry(), QRect(12, 304, 480, 270));
        QCOMPARE(ui.student_pano_region_widget->geometry(), ui.student_labVideo_pano->geometry());
        QCOMPARE(ui.student_labVideo_feature->minimumSize(), QSize(480, 270));
        QCOMPARE(ui.student_labVideo_feature->maximumSize(), QSize(480, 270));
        QCOMPARE(ui.student_labVideo_pano->minimumSize(), QSize(480, 270));
        QCOMPARE(ui.student_labVideo_pano->maximumSize(), QSize(480, 270));
        QCOMPARE(ui.student_labVideo_pano->alignment(), Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
        // The markers sit at the centres of the previews.
        QCOMPARE(ui.student_feature_calibration_label->geometry().center(), ui.student_labVideo_feature->geometry().center());
        QCOMPARE(ui.student_pano_calibration_label->geometry().center(), ui.student_labVideo_pano->geometry().center());
        QCOMPARE(ui.student_tip_label->geometry(), QRect(1, 237, 477, 31));
    }

    // Bottom to top: preview, marker, overlay; the corner numbers above the pano overlay.
    void stackingOrder_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        auto row = [](const char *l, const char *u) { QTest::newRow(qPrintable(QString("%1 < %2").arg(l, u))) << QString(l) << QString(u); };
        row("student_labVideo_pano", "student_labVideo_feature");
        row("student_labVideo_feature", "student_feature_calibration_label");
        row("student_feature_calibration_label", "student_feature_region_widget");
        row("student_labVideo_pano", "student_pano_calibration_label");
        row("student_pano_calibration_label", "student_pano_region_widget");
        for (const char *hint : {"student_region_one_hint_label", "student_region_two_hint_label",
                                 "student_region_three_hint_label", "student_region_four_hint_label"})
            row("student_pano_region_widget", hint);
        row("student_show_param_pushButton", "tabWidget_2");
        row("student_feature_image_max_toolButton", "student_feature_region_widget");
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

    // The whole page lies left of the divider at 899 wide; the settings column shows only at 1164.
    void settingsColumnOnlyWhenWide()
    {
        FullWindow h;
        MainWindow *w = h.window.get();
        w->ui->tabWidget->setCurrentWidget(w->ui->tab_student);
        w->setFixedSize(1164, 757);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        for (QWidget *block : {static_cast<QWidget *>(w->ui->tabWidget_2), static_cast<QWidget *>(w->ui->groupBox_13),
                               static_cast<QWidget *>(w->ui->groupBox_14), static_cast<QWidget *>(w->ui->tab_student_settings),
                               static_cast<QWidget *>(w->ui->tabWidget_4), static_cast<QWidget *>(w->ui->groupBox_19),
                               static_cast<QWidget *>(w->ui->groupBox_17), static_cast<QWidget *>(w->ui->groupBox_18)}) {
            const QRect r(block->mapTo(w, QPoint(0, 0)), block->size());
            QVERIFY2(r.left() >= 899 && r.right() < 1164, qPrintable(block->objectName()));
            QCOMPARE(block->x(), 900);
            QCOMPARE(block->width(), 231);
        }
        const QRect divider(w->ui->student_show_param_pushButton->mapTo(w, QPoint(0, 0)), w->ui->student_show_param_pushButton->size());
        QVERIFY(divider.right() < 899);
        QCOMPARE(w->ui->student_show_param_pushButton->geometry(), QRect(871, -1, 16, 717));
    }

    // ---- what retranslateUi puts back ----
    void retranslateRestoresFormTexts()
    {
        FormWindow f;
        Ui::MainWindow &ui = f.ui;
        const QString featureIp = ui.student_feature_IP_Edit->text();
        const QString panoIp = ui.student_pano_IP_Edit->text();
        QVERIFY(!featureIp.isEmpty() && !panoIp.isEmpty());
        ui.student_feature_IP_Edit->setText("10.0.0.1");
        ui.student_pano_IP_Edit->setText("10.0.0.2");
        ui.student_zoom_lineEdit->setText("3.5x");
        ui.student_camera_height_lineEdit->setText("3.1");
        ui.people_number_lineEdit->setText("12");
        ui.student_sensitivity_label->setText("7");
        ui.student_objectsize_label->setText("1.3");
        ui.student_target_lost_timeout_label->setText("3");
        ui.student_version_feature_info_label->setText("V1.2");
        ui.student_ptzspeed_level->setText("4");
        ui.student_sensitivity_Slider->setValue(7);
        ui.student_preset_list->setCurrentIndex(1);
        ui.tabWidget_4->setCurrentIndex(0);
        ui.retranslateUi(&f.window);
        QCOMPARE(ui.student_feature_IP_Edit->text(), featureIp);
        QCOMPARE(ui.student_pano_IP_Edit->text(), panoIp);
        QCOMPARE(ui.student_zoom_lineEdit->text(), QStringLiteral("1.0x"));
        QCOMPARE(ui.student_camera_height_lineEdit->text(), QStringLiteral("2.2"));
        QCOMPARE(ui.people_number_lineEdit->text(), QStringLiteral("0"));
        QCOMPARE(ui.student_sensitivity_label->text(), QStringLiteral("0"));
        QCOMPARE(ui.student_objectsize_label->text(), QStringLiteral("0.5"));
        QCOMPARE(ui.student_target_lost_timeout_label->text(), QStringLiteral("15"));
        QCOMPARE(ui.student_version_feature_info_label->text(), QStringLiteral("SOC"));
        QCOMPARE(ui.student_ptzspeed_level->text(), QStringLiteral("10"));
        // Positions, choices and pages stay.
        QCOMPARE(ui.student_sensitivity_Slider->value(), 7);
        QCOMPARE(ui.student_preset_list->currentIndex(), 1);
        QCOMPARE(ui.student_preset_list->currentText(), QStringLiteral("Num 60 : Pano Crop"));
        QCOMPARE(ui.tabWidget_4->currentIndex(), 0);
        // Empty texts leave the pictures in place.
        for (QLabel *l : {ui.label_44, ui.label_46, ui.student_feature_calibration_label, ui.student_pano_calibration_label}) {
            QVERIFY2(!l->pixmap(Qt::ReturnByValue).isNull(), qPrintable(l->objectName()));
        }
        QVERIFY(!ui.student_feature_image_max_toolButton->icon().isNull());
        QVERIFY(!ui.student_calibrate_area_toolButton->icon().isNull());
    }

    // Once enabled, the four region kinds are one exclusive set.
    void regionKindsExclusive()
    {
        FormWindow f;
        Ui::MainWindow &ui = f.ui;
        const QList<QRadioButton *> kinds = {ui.student_track_region_radioButton, ui.student_designated_region_radioButton,
                                             ui.student_shield_region_radioButton, ui.student_pos_calibration_region_radioButton};
        for (QRadioButton *r : kinds)
            r->setEnabled(true);
        ui.student_designated_region_radioButton->click();
        QVERIFY(ui.student_designated_region_radioButton->isChecked());
        QVERIFY(!ui.student_shield_region_radioButton->isChecked());
        ui.student_pos_calibration_region_radioButton->click();
        QCOMPARE(int(std::count_if(kinds.begin(), kinds.end(), [](QRadioButton *r) { return r->isChecked(); })), 1);
        // The other pairs of the column are exclusive within their own parents.
        ui.student_eptz_radioButton->click();
        QVERIFY(!ui.student_cutout_radioButton->isChecked());
        ui.student_none_action_radioButton->click();
        QVERIFY(!ui.student_pano_one_action_radioButton->isChecked());
        ui.student_return_pano_action_radioButton->click();
        QVERIFY(!ui.student_small_pano_radioButton->isChecked());
        ui.student_pano_manual_mode_Button->click();
        ui.student_pano_auto_mode_Button->click();
        QVERIFY(!ui.student_pano_manual_mode_Button->isChecked());
        // ... and independent of each other.
        QVERIFY(ui.student_pos_calibration_region_radioButton->isChecked());
        QVERIFY(ui.student_eptz_radioButton->isChecked());
    }

    void peopleCountTakesTwoCharacters()
    {
        FormWindow f;
        f.ui.people_number_lineEdit->setText("123");
        QCOMPARE(f.ui.people_number_lineEdit->text(), QStringLiteral("12"));
    }

    // ---- the window's set-up ----
    void setUpHidesAndRemoves()
    {
        FullWindow h;
        Ui::MainWindow *ui = h.window->ui;
        for (QWidget *hidden : std::initializer_list<QWidget *>{
                 ui->student_tip_label, ui->student_zoom_lineEdit, ui->student_feature_image_max_toolButton,
                 ui->student_auto_calibration_pushButton, ui->student_feature_calibration_label,
                 ui->student_pano_calibration_label, ui->student_region_one_hint_label, ui->student_region_two_hint_label,
                 ui->student_region_three_hint_label, ui->student_region_four_hint_label, ui->student_shield_five_checkBox,
                 ui->student_shield_six_checkBox, ui->student_shield_seven_checkBox, ui->student_shield_eight_checkBox})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        for (QWidget *shown : std::initializer_list<QWidget *>{
                 ui->groupBox_11, ui->groupBox_12, ui->student_startTrack_Button, ui->student_stopTrack_Button,
                 ui->student_shield_four_checkBox, ui->student_showCalibration_Button, ui->groupBox_17, ui->groupBox_18,
                 ui->student_labVideo_pano, ui->student_pano_region_widget})
            QVERIFY2(!shown->isHidden(), qPrintable(shown->objectName()));
        // The focus-mode page is gone, the configuration page stays but is disabled.
        QCOMPARE(ui->tabWidget_2->count(), 2);
        QCOMPARE(ui->tabWidget_2->widget(0), ui->tab_2);
        QCOMPARE(ui->tabWidget_2->widget(1), ui->tab_22);
        QCOMPARE(ui->tabWidget_2->indexOf(ui->tab_19), -1);
        QVERIFY(!ui->tab_22->isEnabled());
        QVERIFY(ui->tab_2->isEnabled());
        QVERIFY(ui->student_pano_auto_mode_Button->isChecked());
        QVERIFY(!ui->student_pano_manual_mode_Button->isChecked());
        // A language switch re-texts the remaining pages by object, not by position.
        ui->tabWidget_2->setTabText(1, "x");
        ui->retranslateUi(h.window.get());
        QCOMPARE(ui->tabWidget_2->tabText(0), QStringLiteral("Pano Lens Pos Calibration"));
        QCOMPARE(ui->tabWidget_2->tabText(1), QStringLiteral("Pano Config"));
    }

    void speedLevelValidator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("ten") << "10" << true;
        QTest::newRow("one digit") << "7" << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("eleven") << "11" << false;
        QTest::newRow("hundred") << "100" << false;
        QTest::newRow("two digits") << "99" << false;
        QTest::newRow("letter") << "a" << false;
        QTest::newRow("negative") << "-1" << false;
        QTest::newRow("ten and blank") << "10 " << false;
    }

    void speedLevelValidator()
    {
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        if (!validatorWindow)
            validatorWindow.reset(new FullWindow);
        FullWindow *h = validatorWindow.get();
        const QValidator *v = h->window->ui->student_ptzspeed_level->validator();
        QVERIFY(v);
        int pos = 0;
        QString t = text;
        QCOMPARE(v->validate(t, pos) == QValidator::Acceptable, acceptable);
        // Typing goes through the validator as well.
        QLineEdit *edit = h->window->ui->student_ptzspeed_level;
        edit->clear();
        QTest::keyClicks(edit, text);
        QCOMPARE(edit->text() == text, acceptable);
    }
};

QTEST_MAIN(tst_StudentTab)
#include "tst_student_tab.moc"
