// The whole window as the installer sees it: faults of the form found on screenshots and mended
// (a click the empty logo strip took, captions drawn away from their fields, a spin box that
// pushed its row out, overlays and keys under the pictures), the stacking and creation order
// the pages rely on, the region overlays painted through the window's event filter, and the
// camera layout the window starts with.
#include "guide/guideconfig.h"
#include "window_holder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsView>
#include <QPointer>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <QtTest>

namespace {

QWidget *named(QWidget *root, const QString &name) { return root->findChild<QWidget *>(name); }

QTabWidget *tabs(QWidget *root, const char *name) { return root->findChild<QTabWidget *>(QLatin1String(name)); }

// The wizards that exist: a window makes its own.
QList<GuideConfig *> wizards()
{
    QList<GuideConfig *> found;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *guide = qobject_cast<GuideConfig *>(top))
            found << guide;
    return found;
}

// The rectangle of a widget in the window's coordinates.
QRect inWindow(QWidget *w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// The first and last columns of a label's rendered text (pixels unlike the top-left one).
QPair<int, int> inkColumns(QLabel *label)
{
    const QImage image = label->grab().toImage();
    int first = image.width(), last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) != image.pixel(0, 0)) {
                first = qMin(first, x);
                last = x;
            }
        }
    }
    return {first, last};
}

} // namespace

class tst_WindowForm : public QObject
{
    Q_OBJECT

    // Six cameras, the parameter panels unfolded: every page and pad is in view.
    WindowHolder holder;
    MainWindow *w = nullptr;

private slots:
    void initTestCase()
    {
        holder.build(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"));
        w = holder.window.get();
        holder.widget<QPushButton>("teacher_show_param_pushButton")->click();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        // While a camera is shown the preview picture fills the Preview page.
        named(w, "labVideo")->resize(named(w, "widget_preview")->size());
    }

    // The widget under a point gets the click: an overlay, not the picture below it; the
    // button, not the empty logo strip that lies over its bottom edge.
    void mouseReachesTheRightWidget_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("over"); // "a" the centre of a, "a&b" the centre of their overlap
        QTest::addColumn<QString>("receiver");
        QTest::newRow("logo strip lets Stop Track have its clicks")
            << "tab_teacher" << "teacher_stopTrack_Button&oem_logo_label" << "teacher_stopTrack_Button";
        QTest::newRow("teacher pano picture: region view")
            << "tab_teacher" << "teacher_labVideo_pano" << "graphicsView";
        QTest::newRow("teacher feature picture: overlay")
            << "tab_teacher" << "teacher_labVideo_feature" << "teacher_fea_region_widget";
        QTest::newRow("student feature picture: overlay")
            << "tab_student" << "student_labVideo_feature" << "student_feature_region_widget";
        QTest::newRow("student pano picture: overlay")
            << "tab_student" << "student_labVideo_pano" << "student_pano_region_widget";
        QTest::newRow("board pano picture: overlay")
            << "tab_board" << "board_labVideo_pano" << "board_pano_region_widget";
        for (const char *key : {"osd_ok_Button", "osd_menu_Button"})
            QTest::newRow(qPrintable(QStringLiteral("preview key %1 over the picture").arg(QLatin1String(key))))
                << "tab_6" << key << key;
    }
    void mouseReachesTheRightWidget()
    {
        QFETCH(QString, page);
        QFETCH(QString, over);
        QFETCH(QString, receiver);
        tabs(w, "tabWidget")->setCurrentWidget(named(w, page));
        tabs(w, "upgrade_tabWidget")->setCurrentWidget(named(w, "tab_11"));
        QRect area = inWindow(named(w, over.section(QLatin1Char('&'), 0, 0)));
        if (over.contains(QLatin1Char('&')))
            area &= inWindow(named(w, over.section(QLatin1Char('&'), 1)));
        QVERIFY(!area.isEmpty());
        QWidget *expected = named(w, receiver);
        QWidget *found = w->childAt(area.center());
        QVERIFY2(found == expected || expected->isAncestorOf(found), qPrintable(found ? found->objectName() : "none"));
    }

    // Painted bottom to top as the form's z-order lists them: picture, marker, overlay; the
    // corner numbers over the student overlay; the logo and the About button over the tabs (the
    // mouse rows above hold the overlays and keys without a marker).
    void stackingOrder_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        const char *const pairs[][2] = {
            {"teacher_labVideo_feature", "teacher_feature_calibration_label"},
            {"teacher_feature_calibration_label", "teacher_fea_region_widget"},
            {"teacher_labVideo_pano", "teacher_pano_calibration_label"},
            {"teacher_pano_calibration_label", "teacher_pano_region_widget"},
            {"student_labVideo_feature", "student_feature_calibration_label"},
            {"student_feature_calibration_label", "student_feature_region_widget"},
            {"student_pano_calibration_label", "student_pano_region_widget"},
            {"student_pano_region_widget", "student_region_four_hint_label"},
            {"tabWidget", "oem_logo_label"},
            {"oem_logo_label", "copyright_description_btn"},
        };
        for (const auto &p : pairs)
            QTest::newRow(qPrintable(QStringLiteral("%1 < %2").arg(QLatin1String(p[0]), QLatin1String(p[1]))))
                << p[0] << p[1];
    }
    void stackingOrder()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QWidget *l = named(w, lower);
        QWidget *u = named(w, upper);
        QCOMPARE(l->parentWidget(), u->parentWidget());
        const QObjectList siblings = l->parentWidget()->children();
        QVERIFY(siblings.indexOf(l) < siblings.indexOf(u));
    }

    // The Teacher page keeps the order its blocks were made in (the keyboard focus follows it):
    // the markers first, then the pictures, the feature overlay last.
    // The window hands a region widget's paint to the preview regions: the student area's corners
    // show over the student pano picture.
    void studentOverlayPaintedThroughTheWindow()
    {
        tabs(w, "tabWidget")->setCurrentWidget(named(w, "tab_student"));
        QWidget *overlay = named(w, "student_pano_region_widget");
        overlay->installEventFilter(w); // as a student camera's connection does
        holder.widget<QCheckBox>("student_show_region_checkBox")->setChecked(true);
        auto *corners = holder.widget<QCheckBox>("student_track_region_checkBox");
        corners->setEnabled(true);
        corners->setChecked(false);
        corners->click();
        const QImage painted = overlay->grab().toImage();
        int green = 0;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                green += painted.pixelColor(x, y) == QColor(Qt::green);
        QVERIFY(green > 0);
    }

    void teacherCreationOrder()
    {
        QStringList chain;
        QWidget *page = named(w, "tab_teacher");
        QWidget *next = page->nextInFocusChain();
        for (int guard = 0; next != page && guard < 5000; ++guard, next = next->nextInFocusChain()) {
            if (next->parentWidget() == page)
                chain << next->objectName();
        }
        QCOMPARE(chain.mid(0, 4), (QStringList{"teacher_feature_calibration_label", "teacher_pano_calibration_label",
                                               "teacher_labVideo_feature", "teacher_labVideo_pano"}));
        QCOMPARE(chain.last(), QStringLiteral("teacher_fea_region_widget"));
    }

    // The right-to-left captions of the Target Lost Action page end at their spin boxes (a
    // plain label aligns by its text's direction), and each spin box stays within 71 by 21 so
    // that its row fits.
    void captionsBesideTheirFields_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("field");
        QTest::newRow("Hold Times") << "label_99" << "teacher_hold_time_label";
        QTest::newRow("Timeout") << "label_56" << "teacher_target_lost_delay_label";
    }
    void captionsBesideTheirFields()
    {
        QFETCH(QString, caption);
        QFETCH(QString, field);
        tabs(w, "tabWidget")->setCurrentWidget(named(w, "tab_teacher"));
        tabs(w, "tab_teacher_settings")->setCurrentWidget(named(w, "tab_teacher_target_lost_action"));
        auto *label = w->findChild<QLabel *>(caption);
        QWidget *box = named(w, field);
        const QPair<int, int> ink = inkColumns(label);
        QVERIFY2(ink.second >= 0, "no text drawn");
        QVERIFY2(label->width() - 1 - ink.second < ink.first, qPrintable(QStringLiteral("ink %1..%2 of %3")
                                                                             .arg(ink.first)
                                                                             .arg(ink.second)
                                                                             .arg(label->width())));
        QVERIFY(qAbs(inWindow(box).left() - inWindow(label).right() - 1) <= 1);
        QVERIFY(box->width() <= 71 && box->height() <= 21);
        QVERIFY(box->parentWidget()->rect().contains(box->geometry()));
    }

    // The wizard shows the window's region scene in its own view and edits its items: the
    // window deletes it before its features, which own the scene.
    void wizardGoesBeforeTheRegionScene()
    {
        const QList<GuideConfig *> before = wizards();
        WindowHolder h(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=0\n"));
        GuideConfig *wizard = nullptr;
        for (GuideConfig *guide : wizards())
            wizard = before.contains(guide) ? wizard : guide;
        QVERIFY(wizard);
        QPointer<QGraphicsScene> scene = h.widget<QGraphicsView>("graphicsView")->scene();
        QVERIFY(scene);
        QCOMPARE(wizard->findChild<QGraphicsView *>(QStringLiteral("graphicsView"))->scene(), scene.data());
        bool sceneThere = false;
        connect(wizard, &QObject::destroyed, this, [&] { sceneThere = !scene.isNull(); });
        h.window.reset();
        QVERIFY(sceneThere);
    }

    // The stored layout applies at start, while the wizard runs too; one out of range is the
    // two-camera layout. The customer model starts without its board controls.
    void startLayout_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("log");
        QTest::addColumn<bool>("board");
        const QString ready = QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=");
        QTest::newRow("2 cameras") << ready + "0\n" << 0 << "" << true;
        QTest::newRow("6 cameras") << ready + "3\n" << 3 << "" << true;
        QTest::newRow("7 falls back") << ready + "7\n" << 0 << "84  Obtain configuration exception!" << true;
        QTest::newRow("wizard, 5 cameras") << "[TEACHER_CONF]\nTracking_Guide_State=0\nTracking_Number_Camera=2\n" << 2
                                           << "" << true;
        QTest::newRow("no state: wizard") << "" << 0 << "79  Obtain configuration exception!" << true;
        QTest::newRow("customer model") << ready + "2\nCustomer_Model=KLOR\n" << 2 << "" << false;
    }
    void startLayout()
    {
        QFETCH(QString, ini);
        QFETCH(int, layout);
        QFETCH(QString, log);
        QFETCH(bool, board);
        if (!log.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, qPrintable(log));
        const QList<GuideConfig *> before = wizards();
        WindowHolder h(ini);
        GuideConfig *wizard = nullptr;
        for (GuideConfig *guide : wizards())
            wizard = before.contains(guide) ? wizard : guide;
        // The tabs each layout shows are the tab layout's own rows.
        QCOMPARE(h.widget<QComboBox>("choose_camera_comboBox")->currentIndex(), layout);
        // The wizard is built at start only when it shows.
        const bool wizardShown = !ini.contains(QLatin1String("State=1"));
        QCOMPARE(wizard != nullptr, wizardShown);
        QVERIFY(!wizard || wizard->isVisible());
        QCOMPARE(h.widget("board_feature_connect_Button")->isEnabled(), board);
    }
};

QTEST_MAIN(tst_WindowForm)
#include "tst_window_form.moc"
