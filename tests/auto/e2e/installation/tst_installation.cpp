// A whole classroom installation, end to end, as an installer goes through it: a first run's
// wizard, then the main window, against six simulated cameras with live pictures on port 554 of
// 127.0.0.2 to 127.0.0.7 in the six-camera layout, a configuration archive served by the teacher
// pano camera, and two cameras in a second network namespace behind a veth pair for the device
// search. The cases run in order on one window: the wizard, connect, round trips, director,
// archive, search, close.
#include "app_entry.h"
#include "camera_pictures.h"
#include "core/reachability.h"
#include "core/time_scale.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "netns_peer.h"
#include "recording_desktop.h"
#include "recording_presenter.h"
#include "settings/settings_path.h"
#include "scene_regions.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "sim_discovery.h"
#include "sim_transfer.h"
#include "test_env.h"
#include "video/qffmpeg.h"
#include "video/vlcwidget.h"
#include "window_holder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {
// The tool's own waits (a connect's probes, the request poller's ticks) at a quarter: long
// against loopback, and the run stays short.
constexpr double kTimeScale = 0.25;
constexpr int kStepMs = 20000; // bounds one step on a loaded machine: a picture, a request's box
// A region or point read into the 3/4 scale of the picture on screen and sent back loses up to
// one scene unit to truncation each way: up to two of the camera's units.
constexpr int kRegionRoundingUnits = 2;
constexpr int kDragUnits = 30; // a region dragged on the picture: well beyond the rounding
constexpr int kDragSteps = 6;
// The cameras have answered what a step's entry asked once none answers for this long: loopback
// answers come within milliseconds, one after the other.
constexpr int kQuietMs = 200;
constexpr int kBoxClickX = 6; // inside a check box's or radio button's indicator, at its left
const QRegularExpression kRegionKey(QStringLiteral("_(scale|increment|x|y)$")); // a corner, an edge, a point

struct Camera {
    const char *side, *kind, *address, *model;
    QByteArray slot() const { return QByteArray(side) + '_' + kind; }
};
const Camera kCameras[] = {{"teacher", "feature", "127.0.0.2", "J57"}, {"teacher", "pano", "127.0.0.3", "J57"},
                           {"student", "feature", "127.0.0.4", "R6"},  {"student", "pano", "127.0.0.5", "J57"},
                           {"board", "feature", "127.0.0.6", "J57"},   {"board", "pano", "127.0.0.7", "J57"}};
constexpr int kCameraCount = int(std::size(kCameras));
const char *const kSideGroups[] = {"TEACHER_CONF", "STUDENT_CONF", "BOARD_CONF"}; // of the settings file
constexpr int kTeacherPano = 1;
constexpr int kStudentPano = 3;
constexpr int kBoard1 = 4;

const QByteArray kParameterPages[] = {"tab_teacher", "tab_student", "tab_board", "tab_host"};
// What the installer shows or hides of a picture: no setting, it starts off.
const QStringList kViewSwitches{QStringLiteral("teacher_show_region_checkBox")};
const QString kSearchCameras[] = {QStringLiteral("10.250.0.2"), QStringLiteral("10.250.0.3")};
const QByteArray kArchive = testenv::patternBytes(3 * 2048 + 100, 25); // a few data packets
// The recording host as the wizard gives it, and where the Director tab moves it later.
const QString kRecordingHost = QStringLiteral("192.168.10.20");
const QString kRecordingPort = QStringLiteral("5060");
const QString kMovedRecordingHost = QStringLiteral("192.168.10.21");
const QString kMovedRecordingPort = QStringLiteral("5061");

// The tab widget whose page w is, or nullptr.
QTabWidget *pageOwner(QWidget *w)
{
    QWidget *stack = w->parentWidget();
    return stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
}

// Every value an installer can see or change on a page as it stands, by object name.
QMap<QString, QString> showing(const QWidget *page, const QStringList &skipped)
{
    QMap<QString, QString> values;
    for (const QWidget *w : page->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || skipped.contains(name) || !w->isVisible())
            continue;
        if (const auto *slider = qobject_cast<const QSlider *>(w))
            values[name] = QString::number(slider->value());
        else if (const auto *spin = qobject_cast<const QSpinBox *>(w))
            values[name] = QString::number(spin->value());
        else if (const auto *list = qobject_cast<const QComboBox *>(w))
            values[name] = QString::number(list->currentIndex());
        else if (const auto *edit = qobject_cast<const QLineEdit *>(w))
            values[name] = edit->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w); button && button->isCheckable())
            values[name] = button->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
        else if (const auto *label = qobject_cast<const QLabel *>(w); label && name.endsWith(QLatin1String("_label")))
            values[name] = label->text();
    }
    return values;
}

// What a tab shows, the pages of the tab widgets on it one after the other, as they are left.
QMap<QString, QString> shown(QWidget *page, const QStringList &skipped)
{
    QMap<QString, QString> values = showing(page, skipped);
    for (QTabWidget *tabs : page->findChildren<QTabWidget *>()) {
        if (!tabs->isVisible())
            continue;
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabEnabled(i))
                continue;
            tabs->setCurrentIndex(i);
            values.insert(showing(tabs->widget(i), skipped));
        }
        tabs->setCurrentIndex(current);
    }
    return values;
}

// Two texts of scene_regions that name the same regions within a scene unit of each other:
// the scene is the camera's region space at 3/4, and each way truncates.
bool sameRegions(const QString &a, const QString &b)
{
    const QStringList ra = a.split(QLatin1String(", ")), rb = b.split(QLatin1String(", "));
    if (ra.size() != rb.size())
        return false;
    for (int i = 0; i < ra.size(); ++i) {
        const QStringList fa = ra[i].split(QLatin1Char(' ')), fb = rb[i].split(QLatin1Char(' '));
        if (fa.size() != fb.size() || fa.value(0) != fb.value(0))
            return false;
        for (int f = 1; f < fa.size(); ++f)
            if (qAbs(fa[f].toDouble() - fb[f].toDouble()) > 1.0)
                return false;
    }
    return true;
}

const QString kRegions = QStringLiteral("regions");

QStringList differing(const QMap<QString, QString> &a, const QMap<QString, QString> &b)
{
    QStringList names;
    for (auto it = a.begin(); it != a.end(); ++it) {
        const QString other = b.value(it.key());
        if (other != it.value() && !(it.key() == kRegions && sameRegions(it.value(), other)))
            names << QStringLiteral("%1: %2 / %3").arg(it.key(), it.value(), other);
    }
    return names;
}

// One thing an installer changes on a tab, and where the camera keeps it.
struct Edit {
    QByteArray widget;
    Qt::Key key; // Qt::Key_unknown: a click; Qt::Key_A: typed text
    QString text;
    int camera;
    QString section, cameraKey;
};

} // namespace

Q_DECLARE_METATYPE(QList<Edit>)

class tst_Installation : public QObject
{
    Q_OBJECT

    SimCameraHost host;
    CameraPictures pictures;
    std::unique_ptr<SimTransferService> archive;
    std::unique_ptr<NetnsPeer> peer;
    QList<SimDiscoveryService *> searchCameras; // live in the peer's thread
    RecordingPresenter boxes;
    RecordingDesktop desktop;
    std::unique_ptr<MainWindow> window;

    // ---- Setting up: a first run's wizard, up to the main window ----

    GuideConfig *wizard() const { return topLevel<GuideConfig>(); }

    template <class T = QWidget>
    T *step(const QByteArray &name) const
    {
        return wizard() ? wizard()->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    }

    int page() const { return step<QStackedWidget>("stackedWidget")->currentIndex(); }

    // A click or typed text on a wizard control the installer can reach: shown and enabled.
    bool click(const QByteArray &name, const QString &text = QString())
    {
        QWidget *w = step(name);
        if (!w || !w->isVisible() || !w->isEnabled())
            return false;
        if (qobject_cast<QLineEdit *>(w)) {
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(w, text);
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            // Down to the entry of that text, or one entry down.
            for (int i = 0; i < list->count() && (i == 0 || list->currentText() != text); ++i)
                QTest::keyClick(w, Qt::Key_Down);
            return text.isEmpty() || list->currentText() == text;
        } else if (qobject_cast<QAbstractSpinBox *>(w)) {
            QTest::keyClick(w, Qt::Key_Up);
        } else if (qobject_cast<QCheckBox *>(w)) {
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(kBoxClickX, w->height() / 2));
        } else {
            QTest::mouseClick(w, Qt::LeftButton);
        }
        return true;
    }

    // What an installer waits for before acting on a step: the page filled with the answers to
    // what entering it asked, which would otherwise overwrite what is typed.
    void settle()
    {
        QSignalSpy replies(wizard(), &GuideConfig::reply_received);
        for (int waited = 0; waited < kStepMs; waited += kQuietMs) {
            const int before = replies.count();
            QTest::qWait(kQuietMs);
            if (replies.count() == before)
                return;
        }
    }

    // The shown step's bar's button: "next_step", or "apply" ("Guide Finish" on the director step).
    bool pressBar(const char *button)
    {
        QWidget *bar = step(QByteArray("bottom_step") + QByteArray::number(page() + 1));
        auto *b = bar ? bar->findChild<QPushButton *>(QLatin1String(button)) : nullptr;
        if (!b || !b->isVisible() || !b->isEnabled())
            return false;
        QTest::mouseClick(b, Qt::LeftButton);
        return true;
    }

    // With CORVANE_SHOT_DIR set (a run under Xvfb) the window as it shows, numbered in the order
    // of the walk, for the installer's guide (docs/INSTALLATION.md).
    int shots = 0;
    void shot(QWidget *w, const char *name)
    {
        const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (dir.isEmpty() || !w)
            return;
        // The step's pictures, as the installer waits for them; a shot without them still shows
        // the step, and says so.
        const bool pictures = QTest::qWaitFor(
            [w] {
                const QList<VlcWidget *> players = w->findChildren<VlcWidget *>();
                return std::all_of(players.begin(), players.end(),
                                   [](const VlcWidget *p) { return !p->isVisible() || !p->getImage().isNull(); });
            },
            kStepMs);
        if (!pictures)
            qWarning("shot %s: a shown picture did not arrive", name);
        QTest::qWait(300); // a picture or two more
        const QString file = QStringLiteral("%1-%2.png").arg(++shots, 2, 10, QLatin1Char('0')).arg(QLatin1String(name));
        QVERIFY(w->grab().save(QDir(dir).filePath(file)));
    }

    // What the installer does on each wizard step before Next: the six cameras, the mode, the
    // regions and the student area shown, the options of both sides, the recording host and a
    // code.
    struct WizardStep {
        const char *name;
        QList<QPair<QByteArray, QString>> work; // controls clicked (or typed into, with a text)
        const char *preview = nullptr;          // whose picture shows before the work
    };
    QList<WizardStep> wizardSteps() const
    {
        QList<QPair<QByteArray, QString>> cameras{{"teacher_choose_camera_comboBox", QStringLiteral("6 Cameras")}};
        const char *fields[] = {"teacher_feature_ip_lineEdit", "teacher_pano_ip_lineEdit", "student_feature_ip_lineEdit",
                                "student_pano_ip_lineEdit", "teacher_board_ip_lineEdit", "teacher_board_2_ip_lineEdit"};
        for (int i = 0; i < kCameraCount; ++i)
            cameras.append({fields[i], QLatin1String(kCameras[i].address)});
        return {{"camera-settings", cameras},
                {"teacher-calibration", {}},
                {"teacher-track-mode", {{"teacher_three_mode_toolButton", {}}}},
                {"teacher-regions", {{"teacher_show_region_checkBox", {}}}, "teacher_track_region_vlc_2"},
                {"teacher-presets", {}},
                {"teacher-options",
                 {{"target_lost_action_comboBox", {}}, {"multi_objective_action_comboBox", {}},
                  {"teacher_starting_up_checkBox", {}}}},
                {"teacher-track-test", {}},
                {"student-calibration", {}},
                {"student-area", {{"student_show_region_checkBox", {}}}, "student_track_region_vlc_9"},
                {"student-presets", {}},
                {"student-options", {{"student_feature_continue_time_label", {}}, {"student_face_detect_checkBox", {}}}},
                {"student-track-test", {}},
                {"director",
                 {{"director_server_IP_Edit", kRecordingHost}, {"director_server_Port_Edit", kRecordingPort},
                  {"director_switch_auto_lineEdit", QStringLiteral("FF 00 00 00 00 05")}}}};
    }

    // ---- What the installer does in the main window ----


    SimCamera *camera(int i) const { return host.camera(i); }

    template <class T = QWidget>
    T *ui(const QByteArray &name) const
    {
        return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    }

    // The page shown as an installer shows it: a click on its enabled tab.
    bool openTab(const QByteArray &page, const QByteArray &tabWidget = "tabWidget")
    {
        auto *tabs = ui<QTabWidget>(tabWidget);
        QWidget *w = ui(page);
        if (!tabs || !w)
            return false;
        auto *bar = tabs->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly);
        const int index = tabs->indexOf(w);
        if (!bar || index < 0 || !tabs->isTabEnabled(index))
            return false;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        return tabs->currentIndex() == index;
    }

    // A click or a key on a widget the installer can reach: shown and enabled.
    // A widget on a page of a tab widget that another page covers is reached through its tab.
    bool use(const QByteArray &name, Qt::Key key = Qt::Key_unknown, const QString &text = QString())
    {
        QWidget *w = ui(name);
        for (QWidget *a = w; a && a != window.get(); a = a->parentWidget()) {
            QTabWidget *tabs = pageOwner(a);
            if (tabs && tabs->currentWidget() != a && tabs->objectName() != QLatin1String("tabWidget")
                && !openTab(a->objectName().toLatin1(), tabs->objectName().toLatin1()))
                return false;
        }
        if (!w || !w->isVisible() || !w->isEnabled())
            return false;
        if (auto *view = qobject_cast<QGraphicsView *>(w))
            return dragTrackingRegion(view, key == Qt::Key_Down ? QPoint(0, kDragUnits) : QPoint(kDragUnits, 0));
        if (key == Qt::Key_A) {
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(w, text);
        } else if (key == Qt::Key_unknown && (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w))) {
            // On its box: a wide box's middle may lie beyond its text, where a click does nothing.
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(kBoxClickX, w->height() / 2));
        } else if (key == Qt::Key_unknown) {
            QTest::mouseClick(w, Qt::LeftButton);
        } else {
            QTest::keyClick(w, key);
        }
        return true;
    }

    // The tracking region chosen by its button, then dragged by its middle on the picture.
    bool dragTrackingRegion(QGraphicsView *view, const QPoint &by)
    {
        if (!use("teacher_track_region_radioButton"))
            return false;
        QGraphicsItem *item = nullptr;
        for (RectFManage *record : window->region_scene()->graphicsRectList())
            if (record->regionName == QLatin1String("TrackingRegion"))
                item = record->item;
        if (!item)
            return false;
        QWidget *viewport = view->viewport();
        const QPoint from = view->mapFromScene(item->sceneBoundingRect().center());
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        for (int step = 1; step <= kDragSteps; ++step) {
            const QPoint at = from + by * step / kDragSteps;
            QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(viewport, &move);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, from + by);
        return true;
    }

    QPixmap picture(const Camera &c) const
    {
        const QLabel *label = ui<QLabel>(QByteArray(c.side) + "_labVideo_" + c.kind);
        return label ? label->pixmap(Qt::ReturnByValue) : QPixmap();
    }
    bool hasPicture(const Camera &c) const { return !picture(c).isNull(); }

    // A connect or a request keeps the other tabs locked until it is done.
    bool tabsFree() const
    {
        auto *tabs = ui<QTabWidget>("tabWidget");
        return tabs && tabs->isTabEnabled(tabs->indexOf(ui("tab_15")));
    }

    bool waitForBoxes(int count) { return QTest::qWaitFor([&] { return boxes.shown.size() >= count; }, kStepMs); }

    // The camera's Connect with the address the installation gave it, until its picture shows
    // and a pano camera's blocks are read up to the director block; what failed, or nothing.
    QString connectCamera(int index)
    {
        const Camera &c = kCameras[index];
        if (!openTab(QByteArray("tab_") + c.side))
            return QStringLiteral("no tab for %1").arg(QLatin1String(c.address));
        if (ui<QLineEdit>(c.slot() + "_IP_Edit")->text() != QLatin1String(c.address))
            return QStringLiteral("%1 holds %2").arg(QLatin1String(c.slot()), ui<QLineEdit>(c.slot() + "_IP_Edit")->text());
        const int before = camera(index)->receivedCount();
        if (!use(c.slot() + "_connect_Button"))
            return QStringLiteral("%1 cannot be pressed").arg(QLatin1String(c.slot()));
        const bool sidePano = index == kTeacherPano || index == kStudentPano;
        const auto directorAsked = [&] {
            return camera(index)->waitForMessage(
                [](const SimMessage &m) {
                    return m.isText() && m.text().contains(QLatin1String("get_director_config_file"));
                },
                0, before);
        };
        if (!QTest::qWaitFor([&] { return hasPicture(c) && tabsFree() && (!sidePano || directorAsked()); }, kStepMs))
            return QStringLiteral("%1 did not come up").arg(QLatin1String(c.address));
        if (ui<QAbstractButton>(c.slot() + "_connect_Button")->text() != QLatin1String("Disconnect"))
            return QStringLiteral("%1 not connected").arg(QLatin1String(c.address));
        return QString();
    }

    // What of the director block both pano cameras hold that does not match, or nothing.
    QString directorOnBothPanos(const QString &host, const QString &port) const
    {
        const QString want[][2] = {{QStringLiteral("director_broadcast_ip"), host},
                                   {QStringLiteral("director_broadcast_port"), port},
                                   {QStringLiteral("teacher_pano_ip"), QLatin1String(kCameras[kTeacherPano].address)},
                                   {QStringLiteral("student_pano_ip"), QLatin1String(kCameras[kStudentPano].address)},
                                   {QStringLiteral("blackboard_camera_ip"), QLatin1String(kCameras[kBoard1].address)}};
        QStringList wrong;
        for (int i : {kTeacherPano, kStudentPano})
            for (const auto &[key, value] : want)
                if (const QString held = camera(i)->value(QStringLiteral("director_parameter"), key); held != value)
                    wrong << QStringLiteral("%1 %2=%3").arg(QLatin1String(kCameras[i].address), key, held);
        return wrong.join(QLatin1String(", "));
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); // the window takes the system's
        install_system_catalogue(qApp); // as the program's start does: the English texts of its keys
        for (const Camera &c : kCameras)
            QVERIFY(host.addCamera(QLatin1String(c.address), QLatin1String(c.model)));
        RtspServerProcess::Options options; // small and slow: six of them beside the tool
        options.size = QSize(320, 180);
        options.fps = 10;
        options.bitrateKbit = 256;
        QVERIFY2(pictures.start(host, options), qPrintable(pictures.error()));
        QVERIFY(host.startAll());
        archive = std::make_unique<SimTransferService>(QLatin1String(kCameras[kTeacherPano].address));
        QVERIFY2(archive->start(), qPrintable(archive->lastError()));
        archive->setFullArchive(kArchive);

        peer = std::make_unique<NetnsPeer>(QStringList{kSearchCameras[1]});
        QVERIFY2(peer->error().isEmpty(), qPrintable(peer->error()));
        for (const QString &address : kSearchCameras) {
            bool started = false;
            peer->run([&] {
                auto *search = new SimDiscoveryService(address, SimReplyRoute::Multicast);
                SimDeviceIdentity me;
                me.ip = address;
                me.deviceId = QString(32, address.back());
                search->setIdentity(me);
                started = search->start();
                searchCameras << search;
            });
            QVERIFY(started);
        }

        // Only the simulated installation answers a ping.
        reachability::setCheck([](const QString &address) {
            for (const Camera &c : kCameras)
                if (address == QLatin1String(c.address))
                    return true;
            return false;
        });
        timescale::setFactor(kTimeScale);
    }

    void cleanupTestCase()
    {
        window.reset();
        if (peer)
            peer->run([this] { qDeleteAll(searchCameras); });
        peer.reset();
        timescale::setFactor(1.0);
        reachability::setCheck({});
    }

    // No settings file: the wizard shows alone. The installer walks every step of the six-camera
    // layout in order and finishes; the main window comes up with the six cameras.
    void wizardWalk()
    {
        testenv::removeConfigIni();
        window.reset(new MainWindow);
        QVERIFY(wizard() && QTest::qWaitForWindowExposed(wizard()));
        QVERIFY(!window->isVisible());
        boxes.clear();
        const QList<WizardStep> steps = wizardSteps();
        for (int i = 0; i < steps.size(); ++i) {
            QCOMPARE(page(), i);
            if (steps[i].preview)
                QTRY_VERIFY2_WITH_TIMEOUT(!step<VlcWidget>(steps[i].preview)->getImage().isNull(), steps[i].preview, kStepMs);
            settle();
            for (const auto &[control, text] : steps[i].work)
                QVERIFY2(click(control, text), control.constData());
            shot(wizard(), steps[i].name);
            const bool last = i + 1 == steps.size();
            if (last)
                boxes.answerNext(QMessageBox::Ok); // "Config is complete. ..."
            QVERIFY(pressBar(last ? "apply" : "next_step"));
        }
        QVERIFY(!wizard()->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(ui<QComboBox>("choose_camera_comboBox")->currentIndex(), 3);
        QVERIFY(ui("tab_board") && ui<QTabWidget>("tabWidget")->indexOf(ui("tab_board")) >= 0);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Config is complete. Do you want to go to the home page now?")});
        // The mode, a student option, and the director block with the recording host on both
        // pano cameras.
        QCOMPARE(camera(kTeacherPano)->value(QStringLiteral("teacher_parameter"), QStringLiteral("tracking_mode")),
                 QStringLiteral("0"));
        QCOMPARE(camera(kStudentPano)->value(QStringLiteral("student_parameter"), QStringLiteral("feature_continue_max_time")),
                 QString::number(step<QSpinBox>("student_feature_continue_time_label")->value()));
        const QString failure = directorOnBothPanos(kRecordingHost, kRecordingPort);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        boxes.clear();
    }

    // Each camera's Connect with the address the installation gave it: its picture shows, and
    // a pano camera's blocks are read up to the director block.
    void camerasConnect_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < kCameraCount; ++i)
            QTest::newRow(kCameras[i].slot().constData()) << i;
    }
    void camerasConnect()
    {
        QFETCH(int, index);
        QVERIFY(window);
        const QString failure = connectCamera(index);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // Together, live: each picture goes on changing while all six play.
    void allPicturesShow()
    {
        QVERIFY(window);
        QVector<qint64> shownFirst;
        for (const Camera &c : kCameras) {
            QVERIFY2(hasPicture(c), c.address);
            shownFirst << picture(c).cacheKey();
        }
        for (int i = 0; i < kCameraCount; ++i)
            QTRY_VERIFY2_WITH_TIMEOUT(picture(kCameras[i]).cacheKey() != shownFirst[i], kCameras[i].address, kStepMs);
        QCOMPARE(QFFmpeg::instances(), kCameraCount);
        const QStringList warnings = boxes.texts();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1String(" | "))));
    }

    // A tab's values go to the cameras with Apply; Default changes the tab; Obtain brings back
    // what the tab showed before, read from the cameras alone.
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("side");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("answers"); // boxes of one Obtain or Apply: one per pano asked
        QTest::addColumn<QList<Edit>>("edits");
        QTest::addColumn<QStringList>("skipped"); // shown, but neither sent nor read back
        QTest::addColumn<QStringList>("set");     // key=value an Apply sets from the installation, not the tab
        const QString teacher = QStringLiteral("teacher_parameter");
        const QString student = QStringLiteral("student_parameter");
        const QString board = QStringLiteral("board_parameter");
        const QString director = QStringLiteral("director_parameter");
        QTest::newRow("teacher") << QByteArray("teacher") << QByteArray("tab_teacher") << 1
                                 << QList<Edit>{{"teacher_sensitivity_Slider", Qt::Key_Right, {}, kTeacherPano, teacher,
                                                 "pano_sensitivity"},
                                                {"teacher_fea_distance_Slider", Qt::Key_Right, {}, kTeacherPano, teacher,
                                                 "feature_distance"},
                                                {"teacher_hold_time_label", Qt::Key_Down, {}, kTeacherPano, teacher,
                                                 "time_lost_delay"},
                                                {"teacher_platform_action_radioButton", Qt::Key_unknown, {}, kTeacherPano,
                                                 teacher, "losing_object_strategy"},
                                                {"teacher_starting_up_checkBox", Qt::Key_unknown, {}, kTeacherPano, teacher,
                                                 "auto_tracking"},
                                                {"teacher_vertical_movement_checkBox", Qt::Key_unknown, {}, kTeacherPano,
                                                 teacher, "auto_tilt"},
                                                {"graphicsView", Qt::Key_Down, {}, kTeacherPano, teacher,
                                                 "pano_tilt_scale"}}
                                 << QStringList() << QStringList();
        QTest::newRow("student") << QByteArray("student") << QByteArray("tab_student") << 1
                                 << QList<Edit>{{"student_sensitivity_Slider", Qt::Key_Right, {}, kStudentPano, student,
                                                 "pano_sensitivity"},
                                                {"student_objectsize_Slider", Qt::Key_Right, {}, kStudentPano, student,
                                                 "pano_object_size"},
                                                {"student_face_detect_checkBox", Qt::Key_unknown, {}, kStudentPano, student,
                                                 "face_detect"},
                                                {"student_pano_switch_checkBox", Qt::Key_unknown, {}, kStudentPano, student,
                                                 "pano_switch"}}
                                 << QStringList() << QStringList();
        // The board pano camera's own block is only read at its connect; the Board tab sends and
        // asks the teacher pano camera for what it keeps of the blackboard cameras.
        QTest::newRow("board") << QByteArray("board") << QByteArray("tab_board") << 1
                               << QList<Edit>{{"board_lost_pano_delay_label", Qt::Key_Up, {}, kTeacherPano, board,
                                               "board_lost_to_pano_delay"},
                                              {"board_enable_checkBox_2", Qt::Key_unknown, {}, kTeacherPano, board,
                                               "board_feature1_enable"}}
                               << QStringList{"board_sensitivity_Slider", "board_sensitivity_label",
                                              "board_target_lost_timeout_Slider", "board_target_lost_timeout_label",
                                              "board_multi_object_pano_one_radioButton",
                                              "board_multi_object_pano_two_radioButton",
                                              "board_lose_object_pano_one_radioButton",
                                              "board_lose_object_pano_two_radioButton"}
                               << QStringList{QStringLiteral("board_feature_ip=") + QLatin1String(kCameras[4].address),
                                              QStringLiteral("board_feature1_ip=") + QLatin1String(kCameras[5].address)};
        QTest::newRow("director") << QByteArray("director") << QByteArray("tab_host") << 2
                                  << QList<Edit>{{"director_server_IP_Edit", Qt::Key_A, kMovedRecordingHost, kStudentPano,
                                                  director, "director_broadcast_ip"},
                                                 {"director_server_Port_Edit", Qt::Key_A, kMovedRecordingPort, kTeacherPano,
                                                  director, "director_broadcast_port"},
                                                 {"director_switch_auto_lineEdit", Qt::Key_A,
                                                  QStringLiteral("FF 00 00 00 00 07"), kTeacherPano, director,
                                                  "switch_auto"},
                                                 {"director_protocol_tcp_radioButton", Qt::Key_unknown, {}, kStudentPano,
                                                  director, "communicate_mode"},
                                                 {"director_code_send_mode_triple_radioButton", Qt::Key_unknown, {},
                                                  kTeacherPano, director, "director_command_times"}}
                                  << QStringList()
                                  // Board 1 and Board 2 take the single blackboard view's place.
                                  << QStringList{QStringLiteral("inner_director_enable=11110")};
    }
    void roundTrip()
    {
        QFETCH(QByteArray, side);
        QFETCH(QByteArray, page);
        QFETCH(int, answers);
        QFETCH(QList<Edit>, edits);
        QFETCH(QStringList, skipped);
        QFETCH(QStringList, set);
        QVERIFY(window);
        QVERIFY(openTab(page));
        QWidget *tab = ui(page);
        const auto request = [&](const QByteArray &button, const char *outcome) {
            boxes.clear();
            if (!use(side + button))
                return QStringLiteral("%1 cannot be pressed").arg(QLatin1String(side + button));
            if (!waitForBoxes(answers) || !QTest::qWaitFor([&] { return tabsFree(); }, kStepMs))
                return QStringLiteral("no answer to %1: %2").arg(QLatin1String(button), boxes.texts().join(QLatin1String(" | ")));
            QTest::qWait(50); // nothing more comes of it
            for (const msgbox::Request &box : boxes.shown)
                if (!box.text.endsWith(QLatin1String(outcome)))
                    return QStringLiteral("%1: %2").arg(QLatin1String(button), boxes.texts().join(QLatin1String(" | ")));
            return QString();
        };

        // The teacher regions show on the teacher pano picture.
        auto *showRegions = ui<QAbstractButton>(side + "_show_region_checkBox");
        if (side == "teacher" && !showRegions->isChecked())
            QVERIFY(use(side + "_show_region_checkBox"));
        QString failure = request("_obtain_Button", "obtain success");
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QStringList kept;
        QMap<QString, SimParameterStore> held; // by camera and section
        for (const Edit &e : edits) {
            kept << camera(e.camera)->value(e.section, QString(e.cameraKey));
            held[QString::number(e.camera) + e.section] = camera(e.camera)->section(e.section);
            QVERIFY2(use(e.widget, e.key, e.text), e.widget.constData());
        }
        const auto withRegions = [&] {
            QMap<QString, QString> values = shown(tab, skipped);
            values[kRegions] = scene_regions(window->region_scene());
            return values;
        };
        const QMap<QString, QString> edited = withRegions();
        failure = request("_apply_Button", "apply success");
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        for (int i = 0; i < edits.size(); ++i) {
            const Edit &e = edits[i];
            const QString now = camera(e.camera)->value(e.section, e.cameraKey);
            QVERIFY2(now != kept[i], qPrintable(QStringLiteral("%1 still %2").arg(e.cameraKey, now)));
            if (!e.text.isEmpty())
                QCOMPARE(now, e.text);
        }
        // What the installer left alone goes back to the camera as the camera gave it.
        for (auto it = held.begin(); it != held.end(); ++it) {
            const Edit &any = *std::find_if(edits.begin(), edits.end(), [&](const Edit &e) {
                return QString::number(e.camera) + e.section == it.key();
            });
            const SimParameterStore now = camera(any.camera)->section(any.section);
            QStringList changed;
            for (const QString &key : it.value().keys()) {
                const QString before = it.value().value(key), after = now.value(key);
                bool whole = false;
                const int moved = qAbs(after.toInt(&whole) - before.toInt());
                const bool edited =
                    std::any_of(edits.begin(), edits.end(), [&](const Edit &e) { return e.cameraKey == key; });
                if (after == before || edited || (whole && moved <= kRegionRoundingUnits && kRegionKey.match(key).hasMatch()))
                    continue;
                if (!set.contains(key + QLatin1Char('=') + after))
                    changed << QStringLiteral("%1: %2 -> %3").arg(key, before, after);
            }
            QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1String("; "))));
        }

        QVERIFY(use(side + "_default_Button"));
        const QStringList defaulted = differing(edited, withRegions());
        QVERIFY2(!defaulted.isEmpty(), "Default changed nothing: the Obtain would show nothing");
        failure = request("_obtain_Button", "obtain success");
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QStringList lost = differing(edited, withRegions());
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1String("; "))));
        shot(window.get(), side + "-tab");
    }

    // Both pano cameras hold the recording host's address and port, the address each is reached
    // at and the Board 1 camera's, from the one director block the Director tab sent.
    void directorReachesBothPanos()
    {
        QVERIFY(window);
        const QString failure = directorOnBothPanos(kMovedRecordingHost, kMovedRecordingPort);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // The teacher pano camera's whole configuration into a file, and that file back.
    void backupAndRestore()
    {
        QVERIFY(window);
        QVERIFY(openTab("tab_6"));
        ui<QTabWidget>("upgrade_tabWidget")->setCurrentIndex(3);
        QVERIFY(use("backup_ip_lineEdit", Qt::Key_A, QLatin1String(kCameras[kTeacherPano].address)));
        const QString file = QDir::current().filePath(QStringLiteral("classroom.tar.gz"));
        boxes.clear();
        desktop.files << file;
        QVERIFY(use("backup_pushButton"));
        QVERIFY(waitForBoxes(1));
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Backup Success")});
        QCOMPARE(testenv::readFile(file), kArchive);

        boxes.clear();
        archive->clearRecords();
        desktop.files << file;
        QVERIFY(use("restore_pushButton"));
        QVERIFY(waitForBoxes(1));
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Restore Success")});
        QCOMPARE(ui<QLabel>("label_83")->text(), QStringLiteral("Restore Success"));
        QVERIFY(!archive->records().isEmpty());
        const SimTransferRecord restored = archive->records().last();
        QCOMPARE(restored.letter, 'R');
        QCOMPARE(restored.text, QByteArray("data.tar.gz"));
        QCOMPARE(restored.file, testenv::readFile(file));
        shot(window.get(), "upgrade-backup");
    }

    // The search from the address that reaches the second namespace lists both cameras there.
    void searchListFills()
    {
        QVERIFY(window);
        QVERIFY(openTab("tab_6"));
        ui<QTabWidget>("upgrade_tabWidget")->setCurrentIndex(0);
        auto *hostNet = ui<QComboBox>("local_ip_list_comboBox");
        const int local = hostNet->findText(QLatin1Char(':') + QLatin1String(NetnsPeer::kLocalAddress), Qt::MatchEndsWith);
        QVERIFY(local >= 0);
        hostNet->setCurrentIndex(local);
        QVERIFY(use("search_Button"));
        auto *list = ui<QTreeWidget>("searchTreeWidget");
        QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItemCount(), 2, kStepMs);
        for (const QString &address : kSearchCameras)
            QVERIFY2(!list->findItems(address, Qt::MatchExactly, 1).isEmpty(), qPrintable(address));
        QCOMPARE(ui<QLabel>("label_62")->text(), QStringLiteral("Devices: 2"));
        shot(window.get(), "upgrade-search");
    }

    // Closing asks; OK writes the settings whole and lets every camera go. The next start, with
    // the cameras connected again, shows the tabs as they were left.
    void closingAsksAndSaves()
    {
        QVERIFY(window);
        QMap<QString, QString> left;
        for (const QByteArray &page : kParameterPages) {
            QVERIFY(openTab(page));
            left.insert(shown(ui(page), kViewSwitches));
        }
        // Recorder Map Config with its port table unfolded, and Options.
        QVERIFY(openTab("tab_16"));
        QVERIFY(use("recorder_show_param_pushButton"));
        shot(window.get(), "recorder-map-tab");
        QVERIFY(use("recorder_show_param_pushButton"));
        QVERIFY(openTab("tab_15"));
        shot(window.get(), "options-tab");
        QVERIFY(openTab("tab_teacher"));
        const QString sensitivity = ui<QLabel>("teacher_sensitivity_label")->text();
        boxes.clear();
        boxes.answerNext(QMessageBox::Ok);
        window->close();
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Do you really want to exit?")});
        QCOMPARE(boxes.shown.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(!window->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(QFFmpeg::instances(), 0, kStepMs);
        for (int i = 0; i < kCameraCount; ++i)
            QTRY_COMPARE_WITH_TIMEOUT(camera(i)->tcpLinkCount(), 0, kStepMs);

        QSettings saved(settings_file_path(), QSettings::IniFormat);
        QCOMPARE(saved.value(QStringLiteral("TEACHER_CONF/Tracking_Guide_State")).toString(), QStringLiteral("1"));
        QCOMPARE(saved.value(QStringLiteral("TEACHER_CONF/Tracking_Number_Camera")).toString(), QStringLiteral("3"));
        for (int side = 0; side < 3; ++side) {
            QCOMPARE(saved.value(QLatin1String(kSideGroups[side]) + QLatin1String("/Feature_IP")).toString(),
                     QLatin1String(kCameras[2 * side].address));
            QCOMPARE(saved.value(QLatin1String(kSideGroups[side]) + QLatin1String("/Pano_IP")).toString(),
                     QLatin1String(kCameras[2 * side + 1].address));
        }
        QCOMPARE(saved.value(QStringLiteral("TEACHER_CONF/Sensitivity")).toString(), sensitivity);
        QCOMPARE(saved.value(QStringLiteral("DIRECTOR_CONF/Director_IP")).toString(), kMovedRecordingHost);
        QCOMPARE(saved.value(QStringLiteral("DIRECTOR_CONF/Director_Port")).toString(), kMovedRecordingPort);
        QCOMPARE(saved.value(QStringLiteral("UPGRADE/model_type")).toString(), QStringLiteral("true"));

        window.reset();
        window.reset(new MainWindow);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        for (int i = 0; i < kCameraCount; ++i) {
            const QString failure = connectCamera(i);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
        // What the teacher pano camera keeps of the blackboard cameras comes with the Board
        // tab's Obtain only.
        QVERIFY(openTab("tab_board"));
        boxes.clear();
        QVERIFY(use("board_obtain_Button"));
        QVERIFY(waitForBoxes(1));
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("teacher obtain success")});
        QMap<QString, QString> restarted;
        for (const QByteArray &page : kParameterPages) {
            QVERIFY(openTab(page));
            restarted.insert(shown(ui(page), kViewSwitches));
        }
        const QStringList lost = differing(left, restarted);
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1String("; "))));
        boxes.answerNext(QMessageBox::Ok);
        window->close();
        window.reset();
    }
};

QTEST_MAIN(tst_Installation)
#include "tst_installation.moc"
