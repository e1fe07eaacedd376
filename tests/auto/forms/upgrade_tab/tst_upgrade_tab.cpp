// Contract of the Upgrade tab of the main window form with the code that reaches its controls
// by object name: the objects, their classes and layouts, the signals the window's slots are
// connected to by name, the items, defaults and states discovery, transfer and preview rely
// on, the device list's header, and the preview pad lying above the picture.
#include "support/resources.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "window_holder.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
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
        if (qobject_cast<QTabBar *>(a) || qobject_cast<QComboBox *>(a) || qobject_cast<QAbstractScrollArea *>(a))
            return true;
    }
    return false;
}

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

// The layout that holds a widget or a layout, searched from the given root.
QLayout *holdingLayout(QObject *root, QObject *item)
{
    for (QLayout *layout : root->findChildren<QLayout *>()) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *it = layout->itemAt(i);
            if ((it->widget() && it->widget() == item) || (it->layout() && it->layout() == item))
                return layout;
        }
    }
    return nullptr;
}

struct ObjectRow {
    QString name;
    QString className;
    QString parentName; // the QObject parent; empty: a page of upgrade_tabWidget
    QString layoutName; // the layout holding it; empty: placed at a fixed position
};

// Object names the form gives to the Config page's six rows, which have no name elsewhere.
const char *const kConfigRowLayouts[] = {"horizontalLayout_14", "horizontalLayout_15", "horizontalLayout_16",
                                         "horizontalLayout_17", "horizontalLayout_18", "horizontalLayout_19"};

QVector<ObjectRow> upgradeObjects()
{
    QVector<ObjectRow> rows;
    auto row = [&rows](const QString &name, const char *cls, const char *parent, const char *layout) {
        rows.append({name, QString::fromLatin1(cls), QString::fromLatin1(parent), QString::fromLatin1(layout)});
    };
    row("layoutWidget_2", "QWidget", "tab_6", "");
    row("verticalLayout_4", "QVBoxLayout", "layoutWidget_2", "");
    row("upgrade_tabWidget", "QTabWidget", "layoutWidget_2", "verticalLayout_4");
    row("horizontalLayout_27", "QHBoxLayout", "verticalLayout_4", "verticalLayout_4");
    row("oem_logo_label_2", "QLabel", "layoutWidget_2", "horizontalLayout_27");
    row("worktype_comboBox", "QComboBox", "layoutWidget_2", "horizontalLayout_27");
    row("upgrade_show_param_pushButton", "QPushButton", "tab_6", "");
    // Search
    row("tab_7", "QWidget", "", "");
    row("horizontalLayout_9", "QHBoxLayout", "tab_7", "");
    row("verticalLayout_5", "QVBoxLayout", "horizontalLayout_9", "horizontalLayout_9");
    row("horizontalLayout_8", "QHBoxLayout", "verticalLayout_5", "verticalLayout_5");
    row("label_62", "QLabel", "tab_7", "horizontalLayout_8");
    row("label_89", "QLabel", "tab_7", "horizontalLayout_8");
    row("local_ip_list_comboBox", "QComboBox", "tab_7", "horizontalLayout_8");
    row("search_Button", "QPushButton", "tab_7", "horizontalLayout_8");
    row("searchTreeWidget", "QTreeWidget", "tab_7", "verticalLayout_5");
    // Upgrade
    row("tab_8", "QWidget", "", "");
    row("horizontalLayout_12", "QHBoxLayout", "tab_8", "");
    row("verticalLayout", "QVBoxLayout", "horizontalLayout_12", "horizontalLayout_12");
    for (const char *l : {"horizontalLayout_5", "horizontalLayout_6", "horizontalLayout_11", "horizontalLayout_4"})
        row(QLatin1String(l), "QHBoxLayout", "verticalLayout", "verticalLayout");
    row("label_63", "QLabel", "tab_8", "horizontalLayout_5");
    row("upgrade_type_comboBox", "QComboBox", "tab_8", "horizontalLayout_5");
    row("upgrade_ip_lineEdit", "QLineEdit", "tab_8", "horizontalLayout_5");
    row("query_Button", "QPushButton", "tab_8", "horizontalLayout_5");
    row("label_64", "QLabel", "tab_8", "horizontalLayout_6");
    row("upgrade_filename_lineEdit", "QLineEdit", "tab_8", "horizontalLayout_6");
    row("open_Button", "QPushButton", "tab_8", "horizontalLayout_6");
    row("progressBar", "QProgressBar", "tab_8", "horizontalLayout_11");
    row("upgrade_Button", "QPushButton", "tab_8", "horizontalLayout_11");
    row("label_65", "QLabel", "tab_8", "horizontalLayout_4");
    row("label_66", "QLabel", "tab_8", "horizontalLayout_4");
    row("label_67", "QLabel", "tab_8", "horizontalLayout_4");
    row("textEdit", "QTextEdit", "tab_8", "verticalLayout");
    // Config
    row("tab_9", "QWidget", "", "");
    row("horizontalLayout_22", "QHBoxLayout", "tab_9", "");
    row("horizontalLayout_21", "QHBoxLayout", "horizontalLayout_22", "horizontalLayout_22");
    row("verticalLayout_2", "QVBoxLayout", "horizontalLayout_21", "horizontalLayout_21");
    const char *labels[] = {"label_68", "label_69", "label_70", "label_71", "label_72", "label_73"};
    const char *fields[] = {"dhcp_comboBox", "ip_address_lineEdit", "netmask_lineEdit", "gateway_lineEdit",
                            "fdns_lineEdit"};
    for (int i = 0; i < 6; ++i) {
        row(QLatin1String(labels[i]), "QLabel", "tab_9", kConfigRowLayouts[i]);
        if (i < 5)
            row(QLatin1String(fields[i]), i == 0 ? "QComboBox" : "QLineEdit", "tab_9", kConfigRowLayouts[i]);
    }
    row("horizontalLayout_13", "QHBoxLayout", kConfigRowLayouts[5], kConfigRowLayouts[5]);
    for (int i = 1; i <= 6; ++i) {
        row(QStringLiteral("mac%1_lineEdit").arg(i), "QLineEdit", "tab_9", "horizontalLayout_13");
        if (i < 6)
            row(QStringLiteral("label_%1").arg(73 + i), "QLabel", "tab_9", "horizontalLayout_13");
    }
    row("horizontalLayout_20", "QHBoxLayout", "verticalLayout_2", "verticalLayout_2");
    row("set_net_pushButton", "QPushButton", "tab_9", "horizontalLayout_20");
    row("reset_net_pushButton", "QPushButton", "tab_9", "horizontalLayout_20");
    // Backup
    row("tab_10", "QWidget", "", "");
    row("layoutWidget5", "QWidget", "tab_10", "");
    row("verticalLayout_8", "QVBoxLayout", "layoutWidget5", "");
    for (const char *l : {"horizontalLayout_7", "horizontalLayout_45", "horizontalLayout_10", "horizontalLayout_24"})
        row(QLatin1String(l), "QHBoxLayout", "verticalLayout_8", "verticalLayout_8");
    row("label_79", "QLabel", "layoutWidget5", "horizontalLayout_7");
    row("backup_ip_lineEdit", "QLineEdit", "layoutWidget5", "horizontalLayout_7");
    row("backup_pushButton", "QPushButton", "layoutWidget5", "horizontalLayout_7");
    row("restore_pushButton", "QPushButton", "layoutWidget5", "horizontalLayout_7");
    row("label_100", "QLabel", "layoutWidget5", "horizontalLayout_45");
    row("backup_file_path_label", "QLabel", "layoutWidget5", "horizontalLayout_45");
    row("label_80", "QLabel", "layoutWidget5", "horizontalLayout_10");
    row("label_81", "QLabel", "layoutWidget5", "horizontalLayout_10");
    row("label_82", "QLabel", "layoutWidget5", "horizontalLayout_24");
    row("label_83", "QLabel", "layoutWidget5", "horizontalLayout_24");
    // Preview
    row("tab_11", "QWidget", "", "");
    row("horizontalLayout_25", "QHBoxLayout", "tab_11", "");
    row("verticalLayout_9", "QVBoxLayout", "horizontalLayout_25", "horizontalLayout_25");
    row("widget_preview", "QWidget", "tab_11", "verticalLayout_9");
    row("labVideo", "QLabel", "widget_preview", "");
    row("layoutWidget_3", "QWidget", "widget_preview", "");
    row("horizontalLayout_23", "QHBoxLayout", "layoutWidget_3", "");
    row("verticalLayout_6", "QVBoxLayout", "horizontalLayout_23", "horizontalLayout_23");
    for (const char *l : {"horizontalLayout_28", "horizontalLayout_29", "horizontalLayout_30"})
        row(QLatin1String(l), "QHBoxLayout", "verticalLayout_6", "verticalLayout_6");
    row("osd_up_Button", "QPushButton", "layoutWidget_3", "horizontalLayout_28");
    for (const char *b : {"osd_left_Button", "osd_ok_Button", "osd_right_Button"})
        row(QLatin1String(b), "QPushButton", "layoutWidget_3", "horizontalLayout_29");
    for (const char *b : {"osd_back_Button", "osd_down_Button", "osd_menu_Button"})
        row(QLatin1String(b), "QPushButton", "layoutWidget_3", "horizontalLayout_30");
    row("horizontalLayout_26", "QHBoxLayout", "verticalLayout_9", "verticalLayout_9");
    row("upgrade_preview_comboBox", "QComboBox", "tab_11", "horizontalLayout_26");
    row("ip_label", "QLabel", "tab_11", "horizontalLayout_26");
    row("txtUrl", "QLineEdit", "tab_11", "horizontalLayout_26");
    row("port_label", "QLabel", "tab_11", "horizontalLayout_26");
    row("txtPort", "QLineEdit", "tab_11", "horizontalLayout_26");
    row("rtsp_connect_Button", "QPushButton", "tab_11", "horizontalLayout_26");
    return rows;
}

QStringList comboItems(QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class tst_UpgradeTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { corvane_init_resources(); }

    // Every object of the page once in the whole window, with its class, parent and layout.
    void objects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QString>("layoutName");
        for (const ObjectRow &r : upgradeObjects())
            QTest::newRow(qPrintable(r.name)) << r.name << r.className << r.parentName << r.layoutName;
    }

    void objects()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, parentName);
        QFETCH(QString, layoutName);
        FormOnly f;
        QCOMPARE(f.host.findChildren<QObject *>(name).size(), 1);
        QObject *o = uniqueChild(&f.host, name);
        QCOMPARE(QString::fromLatin1(o->metaObject()->className()), className);
        QVERIFY(f.ui.tab_6->findChildren<QObject *>(name).contains(o));
        if (parentName.isEmpty()) {
            QVERIFY(f.ui.upgrade_tabWidget->indexOf(qobject_cast<QWidget *>(o)) >= 0);
        } else {
            QCOMPARE(o->parent()->objectName(), parentName);
        }
        QLayout *holder = holdingLayout(f.ui.tab_6, o);
        QCOMPARE(holder ? holder->objectName() : QString(), layoutName);
    }

    // The page holds the objects above and nothing else.
    void noOtherObjects()
    {
        FormOnly f;
        QStringList expected;
        for (const ObjectRow &r : upgradeObjects())
            expected << r.name;
        for (const char *l : kConfigRowLayouts)
            expected << QLatin1String(l);
        expected.sort();
        const QStringList actual = namedObjectsBelow(f.ui.tab_6);
        for (const QString &n : actual)
            QVERIFY2(expected.contains(n), qPrintable(QStringLiteral("not in the table: ") + n));
        for (const QString &n : expected)
            QVERIFY2(actual.contains(n), qPrintable(QStringLiteral("missing: ") + n));
        QCOMPARE(actual, expected);
    }

    // Spacing 6 everywhere; a page's top layout keeps margins of 11, the layouts of the
    // fixed-position containers have none.
    void layoutSpacingAndMargins()
    {
        FormOnly f;
        const QList<QLayout *> layouts = f.ui.tab_6->findChildren<QLayout *>();
        QVERIFY(layouts.size() >= 30);
        for (QLayout *l : layouts) {
            if (isQtInnerPart(l, f.ui.tab_6))
                continue;
            QVERIFY2(l->spacing() == 6, qPrintable(l->objectName()));
        }
        for (QLayout *top : {f.ui.horizontalLayout_9, f.ui.horizontalLayout_12, f.ui.horizontalLayout_22,
                             f.ui.horizontalLayout_25})
            QCOMPARE(top->contentsMargins(), QMargins(11, 11, 11, 11));
        for (QLayout *inner : {static_cast<QLayout *>(f.ui.verticalLayout_4), static_cast<QLayout *>(f.ui.verticalLayout_8),
                               static_cast<QLayout *>(f.ui.horizontalLayout_23)})
            QCOMPARE(inner->contentsMargins(), QMargins());
        QCOMPARE(f.ui.horizontalLayout_13->sizeConstraint(), QLayout::SetMinAndMaxSize);
        QCOMPARE(f.ui.layoutWidget_2->geometry(), QRect(11, 10, 801, 631));
        QCOMPARE(f.ui.layoutWidget5->geometry(), QRect(134, 240, 571, 114));
        QCOMPARE(f.ui.layoutWidget_3->geometry(), QRect(410, 330, 364, 178));
        QCOMPARE(f.ui.upgrade_show_param_pushButton->geometry(), QRect(871, -1, 16, 717));
    }

    // For every slot connected by name: the object exists and its class has that signal with
    // that overload, so a misspelt name or a wrong class fails here.
    void signalsForSlots_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("signal");
        auto row = [](const char *name, const char *signal) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(name), QLatin1String(signal))))
                << QString::fromLatin1(name) << QString::fromLatin1(signal);
        };
        for (const char *b : {"search_Button", "query_Button", "open_Button", "upgrade_Button", "set_net_pushButton",
                              "reset_net_pushButton", "backup_pushButton", "restore_pushButton", "rtsp_connect_Button",
                              "upgrade_show_param_pushButton"})
            row(b, "clicked()");
        row("searchTreeWidget", "doubleClicked(QModelIndex)");
        row("upgrade_type_comboBox", "activated(int)");
        row("worktype_comboBox", "activated(int)");
        row("upgrade_preview_comboBox", "activated(int)");
        row("dhcp_comboBox", "currentIndexChanged(int)");
        for (const char *b : {"osd_up_Button", "osd_down_Button", "osd_left_Button", "osd_right_Button", "osd_ok_Button",
                              "osd_back_Button", "osd_menu_Button"}) {
            row(b, "pressed()");
            row(b, "released()");
        }
        row("searchTreeWidget", "itemClicked(QTreeWidgetItem*,int)"); // connected by the window's set-up
    }

    void signalsForSlots()
    {
        QFETCH(QString, name);
        QFETCH(QString, signal);
        FormOnly f;
        QObject *o = uniqueChild(&f.host, name);
        QVERIFY2(o, qPrintable(name));
        QVERIFY(f.ui.tab_6->isAncestorOf(qobject_cast<QWidget *>(o)));
        const QByteArray normalized = QMetaObject::normalizedSignature(signal.toLatin1().constData());
        QCOMPARE(normalized, signal.toLatin1()); // the table is written in Qt's normal form
        const int index = o->metaObject()->indexOfSignal(normalized.constData());
        QVERIFY2(index >= 0, qPrintable(QStringLiteral("%1 has no signal %2").arg(name, signal)));
        QCOMPARE(o->metaObject()->method(index).methodType(), QMetaMethod::Signal);
    }

    // Texts, items and states as the form leaves them.
    void defaults_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");
        auto row = [](const QString &name, const char *property, const QVariant &value) {
            QTest::newRow(qPrintable(name + QLatin1Char('.') + QLatin1String(property))) << name << QByteArray(property) << value;
        };
        row("upgrade_tabWidget", "tabTitles", QStringList{"Search", "Upgrade", "Config", "Backup", "Preview"});
        row("upgrade_tabWidget", "currentIndex", 3);
        row("upgrade_tabWidget", "enabled", true);
        row("upgrade_tabWidget", "accessibleDescription", QString());
        row("worktype_comboBox", "items", QStringList{"TYPE1", "TYPE2"});
        row("worktype_comboBox", "currentIndex", 0);
        row("worktype_comboBox", "hidden", false);
        row("dhcp_comboBox", "items", QStringList{"Manual", "DHCP"});
        row("dhcp_comboBox", "currentIndex", 0);
        row("upgrade_preview_comboBox", "items", QStringList{"PTZ", "OSD"});
        row("upgrade_preview_comboBox", "currentIndex", 0);
        row("upgrade_type_comboBox", "items", QStringList());
        row("local_ip_list_comboBox", "items", QStringList());
        row("label_62", "text", QStringLiteral("Devices："));
        row("label_89", "text", QStringLiteral("Host net"));
        row("search_Button", "text", QStringLiteral("Search"));
        row("searchTreeWidget", "selectionMode", int(QAbstractItemView::SingleSelection));
        row("searchTreeWidget", "topLevelItemCount", 0);
        row("label_63", "text", QStringLiteral("Type"));
        row("query_Button", "text", QStringLiteral("Query"));
        row("label_64", "text", QStringLiteral("Load File"));
        row("upgrade_filename_lineEdit", "text", QString());
        row("open_Button", "text", QStringLiteral("Open"));
        row("progressBar", "minimum", 0);
        row("progressBar", "maximum", 100);
        row("progressBar", "value", 0);
        row("upgrade_Button", "text", QStringLiteral("Upgrade"));
        row("upgrade_Button", "enabled", true);
        row("label_65", "text", QStringLiteral("Status"));
        row("label_66", "text", QStringLiteral("disconnect"));
        row("label_67", "text", QStringLiteral("disconnect"));
        row("textEdit", "plainText", QString());
        row("textEdit", "verticalScrollBarPolicy", int(Qt::ScrollBarAlwaysOn));
        row("textEdit", "horizontalScrollBarPolicy", int(Qt::ScrollBarAsNeeded));
        const char *configLabels[] = {"Mode", "IP Address", "NetMask", "GateWay", "First DNS", "MAC Address"};
        for (int i = 0; i < 6; ++i)
            row(QStringLiteral("label_%1").arg(68 + i), "text", QString::fromLatin1(configLabels[i]));
        for (const char *e : {"ip_address_lineEdit", "netmask_lineEdit", "gateway_lineEdit", "fdns_lineEdit"}) {
            row(QLatin1String(e), "text", QString());
            row(QLatin1String(e), "enabled", true);
        }
        const char *mac[] = {"D4", "E0", "8E", "", "", ""};
        for (int i = 0; i < 6; ++i) {
            row(QStringLiteral("mac%1_lineEdit").arg(i + 1), "text", QString::fromLatin1(mac[i]));
            row(QStringLiteral("mac%1_lineEdit").arg(i + 1), "enabled", false);
            if (i < 5)
                row(QStringLiteral("label_%1").arg(74 + i), "text", QStringLiteral(":"));
        }
        row("set_net_pushButton", "text", QStringLiteral("Set"));
        row("reset_net_pushButton", "text", QStringLiteral("Reset"));
        row("label_79", "text", QStringLiteral("IP Address"));
        row("backup_ip_lineEdit", "text", QString());
        row("backup_pushButton", "text", QStringLiteral("Backup"));
        row("restore_pushButton", "text", QStringLiteral("Restore"));
        row("label_100", "text", QStringLiteral("File Path "));
        row("backup_file_path_label", "text", QStringLiteral("none"));
        row("label_80", "text", QStringLiteral("Backup File "));
        row("label_81", "text", QStringLiteral("none"));
        row("label_82", "text", QStringLiteral("Backup Status "));
        row("label_83", "text", QStringLiteral("disconnect"));
        const char *pad[][2] = {{"osd_up_Button", "UP"},         {"osd_left_Button", "LEFT"},
                                {"osd_ok_Button", "OK"},         {"osd_right_Button", "RIGHT"},
                                {"osd_back_Button", "Zoom in"},  {"osd_down_Button", "DOWN"},
                                {"osd_menu_Button", "Zoom out"}};
        for (const auto &p : pad)
            row(QLatin1String(p[0]), "text", QString::fromLatin1(p[1]));
        row("labVideo", "text", QString());
        row("labVideo", "scaledContents", true);
        row("ip_label", "text", QStringLiteral("IP Address"));
        row("port_label", "text", QStringLiteral("Port"));
        row("txtPort", "text", QStringLiteral("554"));
        row("txtUrl", "enabled", true);
        row("rtsp_connect_Button", "text", QStringLiteral("Connect"));
        row("oem_logo_label_2", "text", QString());
        row("upgrade_show_param_pushButton", "text", QStringLiteral(">\ne\nx\np\na\nn\nd\n>"));
        // Family names are kept even where the machine lacks the font.
        row("upgrade_tabWidget", "fontFamily", QStringLiteral("Consolas"));
        row("textEdit", "pointSize", 14);
        row("mac1_lineEdit", "fontFamily", QStringLiteral("宋体"));
        row("label_62", "fontFamily", QStringLiteral("微软雅黑"));
    }

    void defaults()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);
        FormOnly f;
        QObject *o = uniqueChild(&f.host, name);
        QVERIFY2(o, qPrintable(name));
        auto *widget = qobject_cast<QWidget *>(o);
        QVariant actual;
        if (property == "items")
            actual = comboItems(qobject_cast<QComboBox *>(o));
        else if (property == "tabTitles") {
            auto *tabs = qobject_cast<QTabWidget *>(o);
            QStringList titles;
            for (int i = 0; i < tabs->count(); ++i)
                titles << tabs->tabText(i);
            actual = titles;
        } else if (property == "hidden")
            actual = widget->isHidden();
        else if (property == "plainText")
            actual = qobject_cast<QTextEdit *>(o)->toPlainText();
        else if (property == "fontFamily")
            actual = widget->font().family();
        else if (property == "pointSize")
            actual = widget->font().pointSize();
        else
            actual = o->property(property.constData());
        QVERIFY2(actual.isValid(), property.constData());
        if (expected.type() == QVariant::Int && actual.type() != QVariant::Int)
            actual = actual.toInt(); // enums
        QCOMPARE(actual, expected);
    }

    // The upgrade and preview addresses start with one and the same private LAN address.
    void defaultAddresses()
    {
        FormOnly f;
        const QString address = f.ui.upgrade_ip_lineEdit->text();
        QVERIFY(!address.isEmpty());
        QCOMPARE(f.ui.txtUrl->text(), address);
        const QStringList parts = address.split(QLatin1Char('.'));
        QCOMPARE(parts.size(), 4);
        const bool lan = parts[0] == QLatin1String("10") || (parts[0] == QLatin1String("192") && parts[1] == QLatin1String("168"))
                         || (parts[0] == QLatin1String("172") && parts[1].toInt() >= 16 && parts[1].toInt() <= 31);
        QVERIFY2(lan, qPrintable(address));
    }

    // Eleven columns, column 8 the only centred header, column 0 without an alignment of its own.
    void deviceListHeader()
    {
        FormOnly f;
        QTreeWidget *tree = f.ui.searchTreeWidget;
        const QStringList titles{"No",           "IP Address",  "NetMask",   "GateWay", "Uptime", "Version",
                                 "Device Model", "MAC Address", "Device ID", "First DNS", "DHCP"};
        QCOMPARE(tree->columnCount(), titles.size());
        QTreeWidgetItem *header = tree->headerItem();
        for (int column = 0; column < titles.size(); ++column) {
            QCOMPARE(header->text(column), titles[column]);
            const QVariant align = header->data(column, Qt::TextAlignmentRole);
            if (column == 0)
                QVERIFY(!align.isValid());
            else if (column == 8)
                QCOMPARE(align.toInt(), int(Qt::AlignCenter));
            else
                QCOMPARE(align.toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
        }
    }

    // The retranslation sets the form's texts again and renames items without moving indexes;
    // the run-time state (indexes, enabled states, progress) stays.
    void retranslation()
    {
        FormOnly f;
        f.ui.textEdit->setPlainText(QStringLiteral("upgrade log line"));
        for (QLabel *l : {f.ui.label_66, f.ui.label_67, f.ui.label_83})
            l->setText(QStringLiteral("connected"));
        f.ui.backup_file_path_label->setText(QStringLiteral("/tmp/backup.tar"));
        f.ui.label_81->setText(QStringLiteral("backup.tar"));
        f.ui.dhcp_comboBox->setCurrentIndex(1);
        f.ui.upgrade_preview_comboBox->setCurrentIndex(1);
        f.ui.worktype_comboBox->setCurrentIndex(1);
        f.ui.osd_back_Button->setText(QStringLiteral("BACK"));
        f.ui.osd_menu_Button->setText(QStringLiteral("MENU"));
        f.ui.upgrade_ip_lineEdit->setText(QStringLiteral("10.1.2.3"));
        f.ui.txtPort->setText(QStringLiteral("8554"));
        f.ui.mac5_lineEdit->setText(QStringLiteral("AA"));
        f.ui.mac1_lineEdit->setEnabled(true);
        f.ui.upgrade_filename_lineEdit->setText(QStringLiteral("/tmp/fw.pkg"));
        f.ui.backup_ip_lineEdit->setText(QStringLiteral("10.1.2.4"));
        f.ui.progressBar->setValue(50);
        f.ui.upgrade_tabWidget->setCurrentIndex(1);

        f.ui.retranslateUi(&f.host);

        QCOMPARE(f.ui.textEdit->toPlainText(), QString());
        for (QLabel *l : {f.ui.label_66, f.ui.label_67, f.ui.label_83})
            QCOMPARE(l->text(), QStringLiteral("disconnect"));
        QCOMPARE(f.ui.backup_file_path_label->text(), QStringLiteral("none"));
        QCOMPARE(f.ui.label_81->text(), QStringLiteral("none"));
        QCOMPARE(f.ui.dhcp_comboBox->currentIndex(), 1);
        QCOMPARE(f.ui.dhcp_comboBox->currentText(), QStringLiteral("DHCP"));
        QCOMPARE(f.ui.upgrade_preview_comboBox->currentIndex(), 1);
        QCOMPARE(f.ui.worktype_comboBox->currentIndex(), 1);
        QCOMPARE(comboItems(f.ui.worktype_comboBox), (QStringList{"TYPE1", "TYPE2"}));
        QCOMPARE(f.ui.osd_back_Button->text(), QStringLiteral("Zoom in"));
        QCOMPARE(f.ui.osd_menu_Button->text(), QStringLiteral("Zoom out"));
        QCOMPARE(f.ui.upgrade_ip_lineEdit->text(), f.ui.txtUrl->text());
        QCOMPARE(f.ui.txtPort->text(), QStringLiteral("554"));
        QCOMPARE(f.ui.mac5_lineEdit->text(), QString());
        QVERIFY(f.ui.mac1_lineEdit->isEnabled());
        // These two get no text from the form at all.
        QCOMPARE(f.ui.upgrade_filename_lineEdit->text(), QStringLiteral("/tmp/fw.pkg"));
        QCOMPARE(f.ui.backup_ip_lineEdit->text(), QStringLiteral("10.1.2.4"));
        QCOMPARE(f.ui.progressBar->value(), 50);
        QCOMPARE(f.ui.upgrade_tabWidget->currentIndex(), 1);
        QCOMPARE(f.ui.upgrade_tabWidget->tabText(4), QStringLiteral("Preview"));
    }

    // The pad lies above the picture: once the picture fills the preview area, as it does
    // while a camera is shown, the pad keys still receive the mouse.
    void padAbovePicture_data()
    {
        QTest::addColumn<QString>("button");
        for (const char *b : {"osd_up_Button", "osd_left_Button", "osd_ok_Button", "osd_right_Button", "osd_back_Button",
                              "osd_down_Button", "osd_menu_Button"})
            QTest::newRow(b) << QString::fromLatin1(b);
    }

    void padAbovePicture()
    {
        QFETCH(QString, button);
        SixCameraWindow h;
        MainWindow *w = h.window.get();
        w->ui->tabWidget->setCurrentWidget(w->ui->tab_6);
        w->ui->upgrade_tabWidget->setCurrentWidget(w->ui->tab_11);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QWidget *preview = w->ui->widget_preview;
        const QList<QObject *> stack = preview->children();
        QVERIFY(stack.indexOf(w->ui->labVideo) < stack.indexOf(w->ui->layoutWidget_3));

        w->ui->labVideo->resize(preview->size());
        auto *key = w->findChild<QPushButton *>(button);
        const QPoint centre = key->mapTo(preview, key->rect().center());
        QVERIFY(w->ui->labVideo->geometry().contains(centre));
        QCOMPARE(preview->childAt(centre), static_cast<QWidget *>(key));
        QSignalSpy pressed(key, &QAbstractButton::pressed);
        QTest::mousePress(preview->childAt(centre), Qt::LeftButton);
        QCOMPARE(pressed.count(), 1);
        QTest::mouseRelease(key, Qt::LeftButton);
    }

    // The window's set-up: Search page first, the work type entry hidden and following the
    // stored work type (this file has no UPGRADE group: TYPE2, entry 1), the device
    // list's columns and sorting, the pad key texts of the PTZ entry, and an upgrade file
    // dropped on the log or the file field going to the window.
    void afterSetUp()
    {
        SixCameraWindow h;
        MainWindow *w = h.window.get();
        QCOMPARE(w->ui->upgrade_tabWidget->currentIndex(), 0);
        QVERIFY(w->ui->worktype_comboBox->isHidden());
        QCOMPARE(w->ui->worktype_comboBox->currentIndex(), 1);
        QCOMPARE(w->settings_file->upgrade().work_type, 2);
        const int widths[] = {50, 118, 118, 118, 118, 65, 65, 150, 238, 118, 65};
        for (int column = 0; column < 11; ++column)
            QCOMPARE(w->ui->searchTreeWidget->columnWidth(column), widths[column]);
        QVERIFY(w->ui->searchTreeWidget->isSortingEnabled());
        QCOMPARE(w->ui->osd_back_Button->text(), QStringLiteral("Zoom in"));
        QCOMPARE(w->ui->osd_menu_Button->text(), QStringLiteral("Zoom out"));
        QCOMPARE(w->ui->tabWidget->tabText(w->ui->tabWidget->indexOf(w->ui->tab_6)), QStringLiteral("Upgrade"));

        QVERIFY(w->acceptDrops());
        for (QWidget *target : {static_cast<QWidget *>(w->ui->textEdit), static_cast<QWidget *>(w->ui->upgrade_filename_lineEdit)}) {
            // The widget under the pointer and every parent up to the window refuse the drop,
            // so it reaches the window's own handler.
            QWidget *under = target;
            if (auto *area = qobject_cast<QAbstractScrollArea *>(target))
                under = area->viewport();
            QWidget *receiver = under;
            while (receiver && !receiver->isWindow() && !receiver->acceptDrops())
                receiver = receiver->parentWidget();
            QCOMPARE(receiver, static_cast<QWidget *>(w));
        }
    }
};

QTEST_MAIN(tst_UpgradeTab)
#include "tst_upgrade_tab.moc"
