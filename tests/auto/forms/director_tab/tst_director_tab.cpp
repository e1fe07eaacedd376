// Contract of the Director tab of the main window form with the code that reaches its controls
// by object name: the objects and their classes, the signals the window's slots are connected
// to by name, the defaults and states the director configuration relies on, and the
// right-hand column that only the widened window shows.
#include "support/resources.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "window_holder.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QTabBar>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

// The form alone on a plain main window: the states as the form leaves them, before the
// window's set-up and settings change them, and no slot of the window connected.
struct FormOnly {
    QMainWindow host;
    Ui::MainWindow ui;
    FormOnly()
    {
        corvane_init_resources();
        ui.setupUi(&host);
    }
};

// The six-camera installation, wizard done.
struct SixCameraWindow : WindowHolder {
    SixCameraWindow() : WindowHolder(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n")) {}
};

QObject *uniqueChild(QObject *root, const QString &name)
{
    const QList<QObject *> found = root->findChildren<QObject *>(name);
    return found.size() == 1 ? found.first() : nullptr;
}

// Qt's own inner parts of a widget: "qt_" names and the children of composite widgets.
bool isQtInnerPart(QObject *o, QObject *page)
{
    if (o->objectName().startsWith(QLatin1String("qt_")))
        return true;
    for (QObject *a = o->parent(); a && a != page; a = a->parent()) {
        if (qobject_cast<QTabBar *>(a) || qobject_cast<QAbstractSpinBox *>(a) || qobject_cast<QComboBox *>(a)
            || qobject_cast<QAbstractScrollArea *>(a))
            return true;
    }
    return false;
}

// The named objects of the form below a page.
QStringList namedObjectsBelow(QObject *page)
{
    QStringList names;
    for (QObject *o : page->findChildren<QObject *>()) {
        if (!o->objectName().isEmpty() && !isQtInnerPart(o, page))
            names << o->objectName();
    }
    names.sort();
    return names;
}

const char *const kRadios[] = {
    "director_protocol_udp_radioButton",          "director_protocol_tcp_radioButton",
    "director_protocol_serial_radioButton",       "director_command_type_hex_radioButton",
    "director_command_type_ascii_radioButton",    "director_code_send_mode_single_radioButton",
    "director_code_send_mode_triple_radioButton", "director_code_send_mode_continuously_radioButton",
    "director_strategy_external_radioButton",     "director_strategy_interior_radioButton",
};

const char *const kExternalRows[] = {
    "teacher_on_the_platform", "teacher_still",         "teacher_moving",
    "teacher_under_the_platform", "teacher_multi_objective", "student_stood_up",
    "student_feature_in_place", "student_sat_down",     "student_multi_objective",
    "board_have_action",        "board_none_action",
};

const char *const kInteriorRows[][2] = {
    {"director_interior_teacher_pano_checkBox", "director_interior_teacher_pano_lineEdit"},
    {"director_interior_teacher_feature_checkBox", "director_interior_teacher_feature_lineEdit"},
    {"director_interior_student_pano_checkBox", "director_interior_student_pano_lineEdit"},
    {"director_interior_student_feature_checkBox", "director_interior_student_feature_lineEdit"},
    {"director_interior_board_blackboard_checkBox", "director_interior_board_blackboard_lineEdit"},
    {"director_interior_board_blackboard_checkBox_2", "director_interior_board_blackboard_lineEdit_2"},
    {"director_interior_board_blackboard_checkBox_3", "director_interior_board_blackboard_lineEdit_3"},
};

// Object names the form gives to containers that have no name of their own elsewhere.
const char *const kImplementationNames[] = {"layoutWidget7", "verticalLayout_7", "horizontalLayout_44"};

struct ObjectRow {
    QString name;
    QString className;
    QString parentName; // empty: checked by a test of its own
};

QVector<ObjectRow> directorObjects()
{
    QVector<ObjectRow> rows;
    auto row = [&rows](const QString &name, const char *cls, const char *parent) {
        rows.append({name, QString::fromLatin1(cls), QString::fromLatin1(parent)});
    };
    row("groupBox_21", "QGroupBox", "tab_host");
    row("groupBox_22", "QGroupBox", "groupBox_21");
    row("label_35", "QLabel", "groupBox_22");
    row("director_teacher_IP_Edit", "QLineEdit", "groupBox_22");
    row("label_37", "QLabel", "groupBox_22");
    row("director_student_IP_Edit", "QLineEdit", "groupBox_22");
    row("label_36", "QLabel", "groupBox_22");
    row("director_camera_Port_Edit", "QLineEdit", "groupBox_22");
    row("label_41", "QLabel", "groupBox_22");
    row("label_38", "QLabel", "groupBox_22");
    row("director_camera_Baudrate_Edit", "QLineEdit", "groupBox_22");
    row("groupBox_23", "QGroupBox", "groupBox_21");
    row("director_protocol_udp_radioButton", "QRadioButton", "groupBox_23");
    row("director_protocol_tcp_radioButton", "QRadioButton", "groupBox_23");
    row("director_protocol_serial_radioButton", "QRadioButton", "groupBox_23");
    row("line_11", "QFrame", "groupBox_21");
    row("groupBox_24", "QGroupBox", "groupBox_21");
    row("director_command_type_hex_radioButton", "QRadioButton", "groupBox_24");
    row("director_command_type_ascii_radioButton", "QRadioButton", "groupBox_24");
    row("groupBox_20", "QGroupBox", "groupBox_21");
    row("label_23", "QLabel", "groupBox_20");
    row("label_24", "QLabel", "groupBox_20");
    row("director_server_IP_Edit", "QLineEdit", "");
    row("director_server_Port_Edit", "QLineEdit", "");
    row("groupBox_25", "QGroupBox", "tab_host");
    row("label_39", "QLabel", "groupBox_25");
    row("director_switch_auto_lineEdit", "QLineEdit", "groupBox_25");
    row("label_40", "QLabel", "groupBox_25");
    row("director_switch_manual_lineEdit", "QLineEdit", "groupBox_25");
    row("groupBox_26", "QGroupBox", "tab_host");
    row("director_code_send_mode_single_radioButton", "QRadioButton", "groupBox_26");
    row("director_code_send_mode_triple_radioButton", "QRadioButton", "groupBox_26");
    row("director_code_send_mode_continuously_radioButton", "QRadioButton", "groupBox_26");
    row("groupBox_27", "QGroupBox", "tab_host");
    row("director_strategy_external_radioButton", "QRadioButton", "groupBox_27");
    row("director_strategy_interior_radioButton", "QRadioButton", "groupBox_27");
    row("groupBox_5", "QGroupBox", "groupBox_27");
    row("groupBox_6", "QGroupBox", "groupBox_27");
    row("groupBox_28", "QGroupBox", "groupBox_27");
    for (int i = 0; i < 11; ++i) {
        const char *group = i < 5 ? "groupBox_5" : i < 9 ? "groupBox_6" : "groupBox_28";
        const QString key = QString::fromLatin1(kExternalRows[i]);
        row(QStringLiteral("director_external_%1_checkBox").arg(key), "QCheckBox", group);
        row(QStringLiteral("director_external_%1_lineEdit").arg(key), "QLineEdit", group);
    }
    row("line_12", "QFrame", "groupBox_27");
    row("groupBox_35", "QGroupBox", "groupBox_27");
    for (const auto &r : kInteriorRows) {
        row(QLatin1String(r[0]), "QCheckBox", "groupBox_35");
        row(QLatin1String(r[1]), "QLineEdit", "groupBox_35");
    }
    row("label_48", "QLabel", "groupBox_35");
    row("director_interior_min_switch_time_Slider", "QSlider", "groupBox_35");
    row("director_interior_min_switch_time_label", "QLabel", "groupBox_35");
    row("label_53", "QLabel", "groupBox_35");
    row("label_52", "QLabel", "groupBox_35");
    row("director_test_button", "QPushButton", "groupBox_27");
    row("manual_director_button", "QPushButton", "groupBox_27");
    row("director_obtain_Button", "QPushButton", "tab_host");
    row("director_apply_Button", "QPushButton", "tab_host");
    row("director_default_Button", "QPushButton", "tab_host");
    row("director_show_param_pushButton", "QPushButton", "tab_host");
    row("tab_driector_settings", "QTabWidget", "tab_host");
    row("tab_teacher_target_lost_action_4", "QWidget", "");
    row("label_85", "QLabel", "tab_teacher_target_lost_action_4");
    row("director_keep_interval_label", "QSpinBox", "tab_teacher_target_lost_action_4");
    row("label_97", "QLabel", "tab_teacher_target_lost_action_4");
    row("director_moving_interval_label", "QSpinBox", "tab_teacher_target_lost_action_4");
    row("label_98", "QLabel", "tab_teacher_target_lost_action_4");
    row("director_multi_interval_label", "QSpinBox", "tab_teacher_target_lost_action_4");
    row("teacher_target_list_action_delay_widget_2", "QWidget", "tab_teacher_target_lost_action_4");
    row("label_47", "QLabel", "tab_host");
    row("director_board_IP_Edit", "QLineEdit", "tab_host");
    return rows;
}

} // namespace

// Records the order in which the slots of the two-slot radio buttons run. The clicked(bool)
// slots are declared before the clicked() slots, as MainWindow must declare them.
class BoolFirstProbe : public QMainWindow
{
    Q_OBJECT
public:
    QStringList calls;
public slots:
    void on_director_strategy_external_radioButton_clicked(bool on) { calls << QStringLiteral("external(%1)").arg(on); }
    void on_director_strategy_external_radioButton_clicked() { calls << QStringLiteral("external()"); }
    void on_director_strategy_interior_radioButton_clicked(bool on) { calls << QStringLiteral("interior(%1)").arg(on); }
    void on_director_strategy_interior_radioButton_clicked() { calls << QStringLiteral("interior()"); }
    void on_director_command_type_hex_radioButton_clicked(bool on) { calls << QStringLiteral("hex(%1)").arg(on); }
    void on_director_command_type_hex_radioButton_clicked() { calls << QStringLiteral("hex()"); }
    void on_director_command_type_ascii_radioButton_clicked(bool on) { calls << QStringLiteral("ascii(%1)").arg(on); }
    void on_director_command_type_ascii_radioButton_clicked() { calls << QStringLiteral("ascii()"); }
};

// The same slots declared the other way round: the declaration decides the order.
class PlainFirstProbe : public QMainWindow
{
    Q_OBJECT
public:
    QStringList calls;
public slots:
    void on_director_strategy_external_radioButton_clicked() { calls << QStringLiteral("external()"); }
    void on_director_strategy_external_radioButton_clicked(bool on) { calls << QStringLiteral("external(%1)").arg(on); }
};

class tst_DirectorTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { corvane_init_resources(); }

    // Every object of the page once in the whole window, with its class and parent.
    void objects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("parentName");
        for (const ObjectRow &r : directorObjects())
            QTest::newRow(qPrintable(r.name)) << r.name << r.className << r.parentName;
    }

    void objects()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, parentName);
        FormOnly f;
        QCOMPARE(f.host.findChildren<QObject *>(name).size(), 1);
        QObject *o = uniqueChild(&f.host, name);
        QCOMPARE(QString::fromLatin1(o->metaObject()->className()), className);
        QVERIFY(o->parent());
        if (!parentName.isEmpty())
            QCOMPARE(o->parent()->objectName(), parentName);
        QVERIFY(f.ui.tab_host->isAncestorOf(qobject_cast<QWidget *>(o)));
    }

    // The page holds the objects above and nothing else.
    void noOtherObjects()
    {
        FormOnly f;
        QStringList expected;
        for (const ObjectRow &r : directorObjects())
            expected << r.name;
        expected.sort();
        QStringList actual;
        for (const QString &n : namedObjectsBelow(f.ui.tab_host)) {
            bool implementationName = false;
            for (const char *impl : kImplementationNames)
                implementationName |= n == QLatin1String(impl);
            if (!implementationName)
                actual << n;
        }
        for (const QString &n : actual)
            QVERIFY2(expected.contains(n), qPrintable(QStringLiteral("not in the table: ") + n));
        for (const QString &n : expected)
            QVERIFY2(actual.contains(n), qPrintable(QStringLiteral("missing: ") + n));
        QCOMPARE(actual, expected);
    }

    void innerTabAndServerLayout()
    {
        FormOnly f;
        QTabWidget *tabs = f.ui.tab_driector_settings;
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->widget(0), f.ui.tab_teacher_target_lost_action_4);
        QCOMPARE(tabs->tabText(0), QStringLiteral("DirectorInterval Setings"));
        QCOMPARE(tabs->currentIndex(), 0);

        // The address edit above the port edit, in one vertical layout in a container of
        // the Director Server box.
        QWidget *container = f.ui.director_server_IP_Edit->parentWidget();
        QCOMPARE(f.ui.director_server_Port_Edit->parentWidget(), container);
        QCOMPARE(container->parentWidget(), static_cast<QWidget *>(f.ui.groupBox_20));
        auto *column = qobject_cast<QVBoxLayout *>(container->layout());
        QVERIFY(column);
        QCOMPARE(column->indexOf(f.ui.director_server_IP_Edit), 0);
        QCOMPARE(column->indexOf(f.ui.director_server_Port_Edit), 1);
        QCOMPARE(column->spacing(), 6);
        QCOMPARE(column->contentsMargins(), QMargins());
        QCOMPARE(container->geometry(), QRect(100, 30, 110, 52));

        QLayout *empty = f.ui.teacher_target_list_action_delay_widget_2->layout();
        QVERIFY(qobject_cast<QHBoxLayout *>(empty));
        QCOMPARE(empty->count(), 0);
        QCOMPARE(empty->spacing(), 0);
        QCOMPARE(empty->contentsMargins(), QMargins());
    }

    // For every slot connected by name: the object exists and its class has that signal with
    // that overload, so a misspelt name or a wrong class fails here.
    void signalsForSlots_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("signal");
        auto row = [](const QString &name, const char *signal) {
            QTest::newRow(qPrintable(name + QLatin1Char(' ') + QLatin1String(signal))) << name << QString::fromLatin1(signal);
        };
        for (const char *b : {"director_obtain_Button", "director_apply_Button", "director_default_Button",
                              "director_show_param_pushButton", "director_test_button"})
            row(QLatin1String(b), "clicked()");
        for (const char *r : {"director_strategy_external_radioButton", "director_strategy_interior_radioButton",
                              "director_command_type_hex_radioButton", "director_command_type_ascii_radioButton"}) {
            row(QLatin1String(r), "clicked(bool)");
            row(QLatin1String(r), "clicked()");
        }
        for (const char *r : {"director_protocol_udp_radioButton", "director_protocol_tcp_radioButton",
                              "director_protocol_serial_radioButton", "director_code_send_mode_single_radioButton",
                              "director_code_send_mode_triple_radioButton",
                              "director_code_send_mode_continuously_radioButton"})
            row(QLatin1String(r), "clicked()");
        for (const char *key : kExternalRows) {
            row(QStringLiteral("director_external_%1_checkBox").arg(QLatin1String(key)), "clicked()");
            row(QStringLiteral("director_external_%1_lineEdit").arg(QLatin1String(key)), "textChanged(QString)");
        }
        for (int i = 0; i < 7; ++i) {
            if (i < 5)
                row(QLatin1String(kInteriorRows[i][0]), "clicked()");
            row(QLatin1String(kInteriorRows[i][1]), "textChanged(QString)");
        }
        for (const char *e : {"director_server_IP_Edit", "director_server_Port_Edit", "director_switch_auto_lineEdit",
                              "director_switch_manual_lineEdit"})
            row(QLatin1String(e), "textChanged(QString)");
        row(QStringLiteral("director_interior_min_switch_time_Slider"), "sliderMoved(int)");
        row(QStringLiteral("director_interior_min_switch_time_Slider"), "valueChanged(int)");
        row(QStringLiteral("manual_director_button"), "clicked(bool)");
    }

    void signalsForSlots()
    {
        QFETCH(QString, name);
        QFETCH(QString, signal);
        FormOnly f;
        QObject *o = uniqueChild(&f.host, name);
        QVERIFY2(o, qPrintable(name));
        QVERIFY(f.ui.tab_host->isAncestorOf(qobject_cast<QWidget *>(o)));
        const QByteArray normalized = QMetaObject::normalizedSignature(signal.toLatin1().constData());
        QCOMPARE(normalized, signal.toLatin1()); // the table is written in Qt's normal form
        const int index = o->metaObject()->indexOfSignal(normalized.constData());
        QVERIFY2(index >= 0, qPrintable(QStringLiteral("%1 has no signal %2").arg(name, signal)));
        QCOMPARE(o->metaObject()->method(index).methodType(), QMetaMethod::Signal);
    }

    // Texts, ranges, check and enabled states as the form leaves them.
    void defaults_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");
        auto row = [](const QString &name, const char *property, const QVariant &value) {
            QTest::newRow(qPrintable(name + QLatin1Char('.') + QLatin1String(property))) << name << QByteArray(property) << value;
        };
        const QString expand = QStringLiteral(">\ne\nx\np\na\nn\nd\n>");
        // Communication settings.
        row("director_teacher_IP_Edit", "text", QString());
        row("director_teacher_IP_Edit", "enabled", false);
        row("director_student_IP_Edit", "text", QString());
        row("director_student_IP_Edit", "enabled", false);
        row("director_camera_Port_Edit", "text", QStringLiteral("8791"));
        row("director_camera_Port_Edit", "enabled", false);
        row("director_camera_Baudrate_Edit", "text", QStringLiteral("9600"));
        row("director_camera_Baudrate_Edit", "enabled", false);
        row("label_41", "text", QStringLiteral("Using UART"));
        row("label_23", "text", QStringLiteral("IP Address "));
        row("director_server_IP_Edit", "enabled", true);
        row("director_server_Port_Edit", "text", QStringLiteral("9999"));
        row("director_server_Port_Edit", "enabled", true);
        row("groupBox_21", "title", QStringLiteral("Communication Settings"));
        row("groupBox_20", "title", QStringLiteral("Director Server"));
        row("groupBox_28", "title", QStringLiteral(" Blackboard"));
        row("groupBox_35", "title", QStringLiteral("Director Code(Only Teacher Camera)"));
        // Radio groups: UDP, HEX, Single and the interior strategy are chosen.
        const bool radioChecked[] = {true, false, false, true, false, true, false, false, false, true};
        const char *radioText[] = {"UDP", "TCP", "Serial", "HEX", "ASCII", "Single", "Triple",
                                   "Continuously", "External Director", "Interior Director"};
        for (int i = 0; i < 10; ++i) {
            row(QLatin1String(kRadios[i]), "checked", radioChecked[i]);
            row(QLatin1String(kRadios[i]), "text", QString::fromLatin1(radioText[i]));
        }
        row("director_switch_auto_lineEdit", "text", QStringLiteral("FF 00 00 00 00 01"));
        row("director_switch_manual_lineEdit", "text", QStringLiteral("FF 00 00 00 00 02"));
        row("director_switch_auto_lineEdit", "enabled", true);
        // External rows: checked but disabled.
        const char *externalText[] = {"On the platform", "Teacher still", "Teacher moving", "Under the platform",
                                      "Multi objective", "Student stood up", "Feature in place", "Student sat down",
                                      "Multi objective", "Have action", "None action"};
        const char *externalCode[] = {"FF 01 00 00 00 11", "FF 01 00 00 00 12", "FF 01 00 00 00 13",
                                      "FF 01 00 00 00 14", "FF 01 00 00 00 15", "FF 02 00 00 00 21",
                                      "FF 02 00 00 00 22", "FF 02 00 00 00 23", "FF 02 00 00 00 24",
                                      "FF 03 00 00 00 31", "FF 03 00 00 00 32"};
        for (int i = 0; i < 11; ++i) {
            const QString check = QStringLiteral("director_external_%1_checkBox").arg(QLatin1String(kExternalRows[i]));
            const QString edit = QStringLiteral("director_external_%1_lineEdit").arg(QLatin1String(kExternalRows[i]));
            row(check, "text", QString::fromLatin1(externalText[i]));
            row(check, "checked", true);
            row(check, "enabled", false);
            row(edit, "text", QString::fromLatin1(externalCode[i]));
            row(edit, "enabled", false);
        }
        // Interior rows: checked and enabled; Board1 and Board2 differ from Blackboard.
        const char *interiorText[] = {"Teacher pano", "Teacher feature", "Student pano", "Student feature",
                                      "Blackboard", "Board1", "Board2"};
        const char *interiorCode[] = {"FF 11 11", "FF 22 22", "FF 33 33", "FF 44 44", "FF 55 55", "FF 55 56", "FF 55 57"};
        for (int i = 0; i < 7; ++i) {
            row(QLatin1String(kInteriorRows[i][0]), "text", QString::fromLatin1(interiorText[i]));
            row(QLatin1String(kInteriorRows[i][0]), "checked", true);
            row(QLatin1String(kInteriorRows[i][0]), "enabled", true);
            row(QLatin1String(kInteriorRows[i][1]), "text", QString::fromLatin1(interiorCode[i]));
            row(QLatin1String(kInteriorRows[i][1]), "enabled", true);
        }
        row("director_interior_min_switch_time_Slider", "minimum", 0);
        row("director_interior_min_switch_time_Slider", "maximum", 10);
        row("director_interior_min_switch_time_Slider", "singleStep", 1);
        row("director_interior_min_switch_time_Slider", "value", 3);
        row("director_interior_min_switch_time_Slider", "orientation", int(Qt::Horizontal));
        row("director_interior_min_switch_time_label", "text", QStringLiteral("3"));
        row("label_48", "text", QStringLiteral("Min Switch Time"));
        row("label_53", "text", QStringLiteral("S"));
        row("label_52", "text", QStringLiteral("(Except for the student pano)"));
        row("director_test_button", "text", QStringLiteral("DirTest"));
        row("manual_director_button", "text", QStringLiteral("Manual Director"));
        row("manual_director_button", "checkable", false);
        row("director_obtain_Button", "text", QStringLiteral("Obtain"));
        row("director_apply_Button", "text", QStringLiteral("Apply"));
        row("director_default_Button", "text", QStringLiteral("Default"));
        row("director_show_param_pushButton", "text", expand);
        // Right-hand column.
        for (const char *spin : {"director_keep_interval_label", "director_moving_interval_label",
                                 "director_multi_interval_label"}) {
            row(QLatin1String(spin), "minimum", 1);
            row(QLatin1String(spin), "maximum", 255);
            row(QLatin1String(spin), "singleStep", 1);
            row(QLatin1String(spin), "value", 1);
            row(QLatin1String(spin), "suffix", QString());
            row(QLatin1String(spin), "alignment", int(Qt::AlignCenter));
        }
        row("label_85", "text", QStringLiteral("KeepInterval"));
        row("label_97", "text", QStringLiteral("MovingInterval"));
        row("label_98", "text", QStringLiteral("MultiInterval"));
        row("label_47", "wordWrap", true);
        row("label_47", "frameShape", int(QFrame::NoFrame));
        row("label_47", "textFormat", int(Qt::AutoText));
        row("director_board_IP_Edit", "text", QString());
        row("director_board_IP_Edit", "enabled", false);
        // Family names are kept even where the machine lacks the font.
        row("label_47", "fontFamily", QStringLiteral("Tahoma"));
        row("label_47", "pointSize", 9);
        row("label_35", "fontFamily", QStringLiteral("微软雅黑"));
        row("label_35", "pointSize", 9);
    }

    void defaults()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);
        FormOnly f;
        QObject *o = uniqueChild(&f.host, name);
        QVERIFY2(o, qPrintable(name));
        QVariant actual;
        if (property == "fontFamily")
            actual = qobject_cast<QWidget *>(o)->font().family();
        else if (property == "pointSize")
            actual = qobject_cast<QWidget *>(o)->font().pointSize();
        else
            actual = o->property(property.constData());
        QVERIFY2(actual.isValid(), property.constData());
        if (expected.type() == QVariant::Int && actual.type() != QVariant::Int)
            actual = actual.toInt(); // enums and flags
        QCOMPARE(actual, expected);
    }

    void explanationNote()
    {
        FormOnly f;
        const QString note = f.ui.label_47->text();
        QVERIFY(note.startsWith(QStringLiteral("外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机")));
        QVERIFY(note.contains(QStringLiteral("例：教师静止ff 01 00 00 00 12，")));
        QVERIFY(note.endsWith(QStringLiteral("例：学生特写ff 33 33，导播视频输出直接切换学生特写。")));
        QCOMPARE(note.count(QLatin1Char('\n')), 4);
        QVERIFY(note.contains(QStringLiteral("跟踪状态。\n\n内部导播")));
    }

    // Each radio group excludes within its own box only; the strategy pair are the only radio
    // buttons among the children of the strategy box.
    void radioGroups_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QList<bool>>("checkedAfter");
        // Order of kRadios: udp tcp serial hex ascii single triple continuously external interior.
        QTest::newRow("tcp") << 1 << QList<bool>{false, true, false, true, false, true, false, false, false, true};
        QTest::newRow("serial") << 2 << QList<bool>{false, false, true, true, false, true, false, false, false, true};
        QTest::newRow("ascii") << 4 << QList<bool>{true, false, false, false, true, true, false, false, false, true};
        QTest::newRow("continuously") << 7 << QList<bool>{true, false, false, true, false, false, false, true, false, true};
        QTest::newRow("external") << 8 << QList<bool>{true, false, false, true, false, true, false, false, true, false};
        QTest::newRow("interior again") << 9 << QList<bool>{true, false, false, true, false, true, false, false, false, true};
    }

    void radioGroups()
    {
        QFETCH(int, clicked);
        QFETCH(QList<bool>, checkedAfter);
        FormOnly f;
        auto radio = [&](int i) { return f.host.findChild<QRadioButton *>(QLatin1String(kRadios[i])); };
        radio(clicked)->click();
        for (int i = 0; i < 10; ++i)
            QVERIFY2(radio(i)->isChecked() == checkedAfter[i], kRadios[i]);
        const QList<QRadioButton *> strategyRadios =
            f.ui.groupBox_27->findChildren<QRadioButton *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(strategyRadios.size(), 2);
    }

    // A click on an already checked strategy button still emits both signals with true.
    void clickOnCheckedStrategyEmitsBoth()
    {
        FormOnly f;
        QRadioButton *interior = f.ui.director_strategy_interior_radioButton;
        QVERIFY(interior->isChecked());
        QSignalSpy withBool(interior, QOverload<bool>::of(&QAbstractButton::clicked));
        interior->click();
        QCOMPARE(withBool.count(), 1);
        QCOMPARE(withBool.first().first().toBool(), true);
        QVERIFY(interior->isChecked());
    }

    // One click runs both slots of a two-slot button, in the order MainWindow declares them.
    void twoSlotOrderFollowsDeclaration_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("external") << "director_strategy_external_radioButton" << QStringList{"external(1)", "external()"};
        QTest::newRow("interior, already checked") << "director_strategy_interior_radioButton" << QStringList{"interior(1)", "interior()"};
        QTest::newRow("hex, already checked") << "director_command_type_hex_radioButton" << QStringList{"hex(1)", "hex()"};
        QTest::newRow("ascii") << "director_command_type_ascii_radioButton" << QStringList{"ascii(1)", "ascii()"};
    }

    void twoSlotOrderFollowsDeclaration()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, calls);
        BoolFirstProbe probe;
        Ui::MainWindow ui;
        ui.setupUi(&probe); // connects the probe's slots by name
        QVERIFY(probe.calls.isEmpty()); // setting up the form runs no slot
        probe.findChild<QAbstractButton *>(button)->click();
        QCOMPARE(probe.calls, calls);
    }

    void reversedDeclarationReversesOrder()
    {
        PlainFirstProbe probe;
        Ui::MainWindow ui;
        ui.setupUi(&probe);
        ui.director_strategy_external_radioButton->click();
        QCOMPARE(probe.calls, (QStringList{"external()", "external(1)"}));
    }

    void intervalsStayInRange_data()
    {
        QTest::addColumn<QString>("spin");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("expected");
        for (const char *s : {"director_keep_interval_label", "director_moving_interval_label", "director_multi_interval_label"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 0").arg(QLatin1String(s)))) << QString::fromLatin1(s) << 0 << 1;
            QTest::newRow(qPrintable(QStringLiteral("%1 255").arg(QLatin1String(s)))) << QString::fromLatin1(s) << 255 << 255;
            QTest::newRow(qPrintable(QStringLiteral("%1 256").arg(QLatin1String(s)))) << QString::fromLatin1(s) << 256 << 255;
        }
    }

    void intervalsStayInRange()
    {
        QFETCH(QString, spin);
        QFETCH(int, set);
        QFETCH(int, expected);
        FormOnly f;
        auto *box = f.host.findChild<QSpinBox *>(spin);
        box->setValue(set);
        QCOMPARE(box->value(), expected);
        // Typed input: 0 is not accepted either.
        box->setValue(7);
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("0"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(box->value() >= 1);
    }

    // The retranslation puts every text back, code edits and the server port included, and
    // each edit whose text changes reports it; states, slider and spin boxes stay as they are.
    void retranslationRestoresTexts()
    {
        FormOnly f;
        QLineEdit *changed[] = {f.ui.director_server_Port_Edit, f.ui.director_external_teacher_still_lineEdit,
                                f.ui.director_interior_board_blackboard_lineEdit_3, f.ui.director_switch_auto_lineEdit};
        QList<std::shared_ptr<QSignalSpy>> changedSpies;
        for (QLineEdit *e : changed) {
            e->setText(QStringLiteral("AB CD"));
            changedSpies << std::make_shared<QSignalSpy>(e, &QLineEdit::textChanged);
        }
        QSignalSpy untouched(f.ui.director_interior_teacher_pano_lineEdit, &QLineEdit::textChanged);
        f.ui.director_apply_Button->setText(QStringLiteral("Apply(*)"));
        f.ui.director_strategy_external_radioButton->setChecked(true);
        f.ui.director_interior_teacher_pano_checkBox->setChecked(false);
        f.ui.director_external_teacher_still_lineEdit->setEnabled(true);
        f.ui.director_interior_min_switch_time_Slider->setValue(8);
        f.ui.director_interior_min_switch_time_label->setText(QStringLiteral("8"));
        f.ui.director_multi_interval_label->setValue(42);

        f.ui.retranslateUi(&f.host);

        QCOMPARE(f.ui.director_server_Port_Edit->text(), QStringLiteral("9999"));
        QCOMPARE(f.ui.director_external_teacher_still_lineEdit->text(), QStringLiteral("FF 01 00 00 00 12"));
        QCOMPARE(f.ui.director_interior_board_blackboard_lineEdit_3->text(), QStringLiteral("FF 55 57"));
        QCOMPARE(f.ui.director_switch_auto_lineEdit->text(), QStringLiteral("FF 00 00 00 00 01"));
        for (const auto &spy : changedSpies)
            QCOMPARE(spy->count(), 1);
        QCOMPARE(untouched.count(), 0);
        QCOMPARE(f.ui.director_apply_Button->text(), QStringLiteral("Apply"));
        QCOMPARE(f.ui.director_interior_min_switch_time_label->text(), QStringLiteral("3"));
        QVERIFY(f.ui.director_strategy_external_radioButton->isChecked());
        QVERIFY(!f.ui.director_interior_teacher_pano_checkBox->isChecked());
        QVERIFY(f.ui.director_external_teacher_still_lineEdit->isEnabled());
        QCOMPARE(f.ui.director_interior_min_switch_time_Slider->value(), 8);
        QCOMPARE(f.ui.director_multi_interval_label->value(), 42);
        QCOMPARE(f.ui.tab_driector_settings->tabText(0), QStringLiteral("DirectorInterval Setings"));
    }

    // The narrow window shows the page left of the expand strip and the strip; the right-hand
    // column lies beyond and shows only in the wide window.
    void rightColumnOnlyInWideWindow()
    {
        SixCameraWindow h;
        MainWindow *w = h.window.get();
        w->ui->tabWidget->setCurrentWidget(w->ui->tab_host);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->width(), 899);

        auto inWindow = [w](QWidget *widget) {
            const QRect r(widget->mapTo(w, QPoint(0, 0)), widget->size());
            return w->rect().intersects(r);
        };
        QWidget *strip = w->ui->director_show_param_pushButton;
        QVERIFY(inWindow(strip));
        QVERIFY(w->ui->tab_driector_settings->x() >= strip->geometry().right());
        QWidget *column[] = {w->ui->label_85, w->ui->director_keep_interval_label, w->ui->label_98,
                             w->ui->director_multi_interval_label, w->ui->label_47};
        for (QWidget *c : column)
            QVERIFY2(!inWindow(c), qPrintable(c->objectName()));
        for (QWidget *child : w->ui->tab_host->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child == strip || child == w->ui->tab_driector_settings || child == w->ui->label_47
                || child == w->ui->director_board_IP_Edit)
                continue;
            QVERIFY2(child->geometry().right() < strip->x(), qPrintable(child->objectName()));
        }

        w->setFixedSize(1164, 757);
        for (QWidget *c : column)
            QVERIFY2(inWindow(c), qPrintable(c->objectName()));
        const QRect noteInWindow(w->ui->label_47->mapTo(w, QPoint(0, 0)), w->ui->label_47->size());
        QVERIFY(w->rect().contains(noteInWindow));
    }

    // The window's set-up hides the board camera address; the rest of the page keeps the
    // form's visibility.
    void afterSetUp()
    {
        SixCameraWindow h;
        MainWindow *w = h.window.get();
        QVERIFY(w->ui->director_board_IP_Edit->isHidden());
        QVERIFY(!w->ui->label_47->isHidden());
        QVERIFY(!w->ui->director_show_param_pushButton->isHidden());
        QVERIFY(!w->ui->groupBox_27->isHidden());
        QCOMPARE(w->ui->tabWidget->tabText(w->ui->tabWidget->indexOf(w->ui->tab_host)), QStringLiteral("Director"));
    }
};

QTEST_MAIN(tst_DirectorTab)
#include "tst_director_tab.moc"
