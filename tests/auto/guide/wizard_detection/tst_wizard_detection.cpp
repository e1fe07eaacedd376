// The wizard's AI detection on the teacher region step, on its form without the wizard: a
// simulated teacher pano's 1920 by 1080 RTSP picture on port 554, the program's one detector with
// a generated model whose detections are known (written into the working folder before the
// program starts, as the detector reads it before main), the regions placed on a real region
// scene in the step's view, and through the wizard's own region editing a second run that keeps
// what it does not find again; without a model, or with nothing found, the installer is told
// and the regions stay. With CORVANE_SHOT_DIR set it saves the region, preset and student area
// pages, and the region step after the second run.
#include "core/reachability.h"
#include "core/time_scale.h"
#include "detection/yolo.h"
#include "generated_model.h"
#include "guide/teacher_region_step.h"
#include "guide/wizard_command_keys.h"
#include "guide/wizard_detection.h"
#include "guide/wizard_previews.h"
#include "held_load.h"
#include "regions/customgraphicsscene.h"
#include "regions/rectfmanage.h"
#include "shared_scene.h"
#include "video/vlcwidget.h"
#include "wizard_rig.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGraphicsItem>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

using camera_slot::Side;
using camera_slot::Slot;
using generated_model::cell;
using Preview = WizardPreviews::Preview;

namespace {
constexpr int kPictureMs = 20000; // the first picture of a fresh RTSP session, with VLC's start
const char kRestarted[] = "CORVANE_WIZARD_DETECTION_MODEL";

// Two blackboards and a screen (class 1 a blackboard, class 0 a screen).
QStringList boardsAndAScreen()
{
    return {cell(0, 2, 10, 10, 3, {-5, 4}), cell(0, 2, 10, 40, 3, {-5, 3}), cell(0, 1, 30, 26, 3, {2, -5})};
}

bool writeModel(const QStringList &cells)
{
    QFile names("coco.names");
    return names.open(QIODevice::WriteOnly) && names.write("screen\nblackboard\n") > 0
           && (names.close(), generated_model::make(2, 3, cells));
}

// The region editing played on a real scene in the step's view: every name drawn where it is
// placed, as the wizard's region editing draws it.
struct SceneRig : WizardRig {
    CustomGraphicsScene scene;
    const QStringList boards{"BoardRegionLeft", "BoardRegionRight", "BoardRegionCenter"};
    const QStringList shields{"ShieldRegionOne", "ShieldRegionTwo", "ShieldRegionThree", "ShieldRegionFour"};
    SceneRig()
    {
        scene.setSceneRect(0, 0, 480, 270);
        ui->graphicsView->setScene(&scene);
        ui->graphicsView->resize(480, 270);
    }
    void clear_region_scene() override
    {
        WizardRig::clear_region_scene();
        scene.clearGraphicsRectList();
    }
    void place_region(Kind kind, int index, const QRect &r) override
    {
        WizardRig::place_region(kind, index, r);
        const QString name = (kind == Kind::Board ? boards : shields).at(index);
        scene.delGraphicsRectItem(name);
        scene.addGraphicsRectItem(name, r.x(), r.y(), r.width(), r.height(), kind == Kind::Board ? 1 : 2);
    }
    void place_tracking_region(const QRect &r) override
    {
        WizardRig::place_tracking_region(r);
        scene.delGraphicsRectItem("TrackingRegion");
        scene.addGraphicsRectItem("TrackingRegion", r.x(), r.y(), r.width(), r.height(), 0);
    }
};

struct Rig : SceneRig {
    // With own regions the wizard's region editing itself, on the window's scene, in place of
    // the recorder.
    SharedScene windowScene;
    std::unique_ptr<TeacherRegionStep> step;
    WizardRegions &regions;
    WizardCommandKeys keys{CORVANE_FORM_WIDGETS(WizardCommandKeys, WIZARD_COMMAND_KEYS_WIDGETS, ui), link, regions, &window};
    WizardPreviews previews{CORVANE_FORM_WIDGETS(WizardPreviews, WIZARD_PREVIEWS_WIDGETS, ui), link, keys, regions, &window};
    std::unique_ptr<WizardDetection> detection;
    int owed = 0;
    explicit Rig(YOLO &detector, bool ownRegions = false)
        : step(ownRegions ? std::make_unique<TeacherRegionStep>(
                                CORVANE_FORM_WIDGETS(TeacherRegionStep, TEACHER_REGION_STEP_WIDGETS, ui), windowScene,
                                link, *ui->teacher_show_region_checkBox)
                          : nullptr)
        , regions(step ? static_cast<WizardRegions &>(*step) : *this)
    {
        use(detector);
        QObject::connect(&previews, &WizardPreviews::pad_enabled_wanted, &keys, &WizardCommandKeys::set_pad_enabled);
        QObject::connect(&previews, &WizardPreviews::presets_enabled_wanted, &keys, &WizardCommandKeys::set_presets_enabled);
        link.set_layout(1);
        previews.set_layout(1);
        ui->teacher_region_pano_ip_lineEdit->setText(WizardCameras::address(Slot::TeacherPano));
        ui->stackedWidget->setCurrentIndex(3);
        window.resize(994, 727);
        window.show();
    }
    // The region step entered: its pano preview connected and its regions shown.
    bool showRegions()
    {
        ui->teacher_region_pano_connect_Button->click();
        ui->teacher_show_region_checkBox->setEnabled(true);
        ui->teacher_show_region_checkBox->click();
        ui->teacher_ai_detection_pushButton->setEnabled(true);
        return QTest::qWaitFor([&] { return !previews.teacher_region_picture().isNull(); }, kPictureMs);
    }
    QStringList placed() const
    {
        return regionCalls.filter(QRegularExpression("^(collect|clear|board|shield|keep|tracking)"));
    }
    // The next runs with this detector.
    void use(YOLO &detector)
    {
        detection = std::make_unique<WizardDetection>(CORVANE_FORM_WIDGETS(WizardDetection, WIZARD_DETECTION_WIDGETS, ui),
                                                      link, keys, previews, regions, detector, &window);
        QObject::connect(detection.get(), &WizardDetection::params_changed, [this] { ++owed; });
    }
    // A region item of the window's scene as drawn ("x y w h"), "" when there is none.
    QString drawn(const QString &name) const
    {
        for (const RectFManage *r : windowScene.region_scene.graphicsRectList())
            if (r->regionName == name)
                return QString::asprintf("%g %g %g %g", r->item->sceneBoundingRect().x(), r->item->sceneBoundingRect().y(),
                                         r->item->sceneBoundingRect().width(), r->item->sceneBoundingRect().height());
        return QString();
    }
};

// A detector built in a folder of its own, with the model of these cells (none without).
std::unique_ptr<YOLO> detectorOf(const QString &folder, const QStringList &cells)
{
    const QString home = QDir::currentPath();
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder))
        return nullptr;
    const bool written = cells.isEmpty() || writeModel(cells);
    auto detector = std::make_unique<YOLO>();
    detector->has_model(); // its read, beside this thread, ends in the folder before going back
    QDir::setCurrent(home);
    return written ? std::move(detector) : nullptr;
}
} // namespace

class tst_WizardDetection : public QObject
{
    Q_OBJECT

    WizardCameras cameras;
    RtspServerProcess server;

    void shoot(QWidget &window, const char *name)
    {
        const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (!dir.isEmpty())
            QVERIFY(window.grab().save(QDir(dir).filePath(QString::fromLatin1(name))));
    }

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.02);
        reachability::setCheck([](const QString &) { return true; });
        QVERIFY(cameras.start());
        QVERIFY2(WizardCameras::startPictures(server), qPrintable(server.errorString()));
        QVERIFY2(yolo_model.has_model(), qPrintable(yolo_model.load_state()));
    }

    // The program's detector on the preview's picture: two boards, one shield, the tracking
    // region around the last board and the screen, 8 units wider and higher; the third board and
    // the other shields forgotten. Board 0 is the anchor 121 by 99 of 416 centred on cell
    // (10, 10) of the 52-cell grid: 108, 89, 558 by 257 frame pixels, / 4 and + 2.
    void detectsOnThePreviewPicture()
    {
        Rig rig(yolo_model);
        QVERIFY(rig.showRegions());
        QCOMPARE(rig.previews.teacher_region_picture().size(), QSize(1920, 1080));
        rig.regionCalls.clear();
        rig.ui->teacher_ai_detection_pushButton->click();
        QVERIFY(!rig.ui->teacher_ai_detection_pushButton->isChecked());
        QCOMPARE(rig.placed().join(" | "), QString("collect | clear | board 0: 27 22 141 66 | board 1: 304 22 141 66 | "
                                                   "keep board 2 | shield 0: 201 108 88 101 | keep shield 1 | "
                                                   "keep shield 2 | keep shield 3 | tracking: 201 22 252 195"));
        QCOMPARE(rig.owed, 1);
        QVERIFY(rig.boxes.shown.isEmpty());
        QCOMPARE(rig.scene.graphicsRectList().size(), 4);
        shoot(rig.window, "wizard-region-detected.png");
        if (!qEnvironmentVariableIsEmpty("CORVANE_SHOT_DIR")) {
            rig.ui->stackedWidget->setCurrentIndex(4);
            rig.ui->teacher_preset_pano_ip_lineEdit->setText(WizardCameras::address(Slot::TeacherPano));
            rig.ui->teacher_preset_feature_ip_lineEdit->setText(WizardCameras::address(Slot::TeacherFeature));
            rig.ui->teacher_perset_feature_connect_Button->click();
            rig.ui->teacher_perset_pano_connect_Button->click();
            QVERIFY(QTest::qWaitFor([&] { return !rig.previews.player(Preview::TeacherPresetPano)->getImage().isNull(); }, kPictureMs));
            QTest::qWait(500);
            shoot(rig.window, "wizard-preset.png");
            rig.ui->stackedWidget->setCurrentIndex(8);
            rig.ui->student_region_pano_ip_lineEdit->setText(WizardCameras::address(Slot::StudentPano));
            rig.ui->student_region_pano_connect_Button->click();
            QVERIFY(QTest::qWaitFor([&] { return !rig.previews.player(Preview::StudentRegionPano)->getImage().isNull(); }, kPictureMs));
            QTest::qWait(500);
            shoot(rig.window, "wizard-student-area.png");
        }
    }

    // Through the wizard's own region editing on the window's scene. A second run finds the left
    // board alone: the right board, moved by the installer since, and the shield keep their
    // regions and boxes and are drawn where they were, so the scene shows what the teacher block
    // sends; the left board and the tracking region are placed anew.
    void aSecondRunKeepsWhatItDoesNotFind()
    {
        const std::unique_ptr<YOLO> leftBoardOnly = detectorOf("left board only", boardsAndAScreen().mid(0, 1));
        QVERIFY(leftBoardOnly && leftBoardOnly->has_model());
        Rig rig(yolo_model, true);
        QVERIFY(rig.showRegions());
        rig.ui->teacher_ai_detection_pushButton->click();
        // Each region the run placed is drawn under its own name, the tracking region last.
        for (const char *name : {"BoardRegionLeft", "BoardRegionRight", "ShieldRegionOne", "TrackingRegion"})
            QVERIFY2(!rig.drawn(QLatin1String(name)).isEmpty(), name);
        for (RectFManage *r : rig.windowScene.region_scene.graphicsRectList())
            if (r->regionName == QLatin1String("BoardRegionRight"))
                r->item->moveBy(0, 40);
        const QString right = rig.drawn("BoardRegionRight");
        const QString shield = rig.drawn("ShieldRegionOne");

        rig.use(*leftBoardOnly);
        rig.ui->teacher_ai_detection_pushButton->click();
        QCOMPARE(rig.owed, 2);
        QVERIFY(rig.boxes.shown.isEmpty());
        QCOMPARE(rig.drawn("BoardRegionRight"), right);
        QCOMPARE(rig.drawn("ShieldRegionOne"), shield);
        QVERIFY(!rig.drawn("BoardRegionLeft").isEmpty());
        QCOMPARE(rig.drawn("BoardRegionCenter"), QString());
        QVERIFY(rig.ui->teacher_board_two_checkBox->isChecked() && rig.ui->teacher_shield_one_checkBox->isChecked());
        QCOMPARE(rig.step->display().tracking, (region_geometry::RegionRect{27, 22, 149, 74}));
        // What the teacher block sends: the kept regions, taken from the scene where it shows them.
        const teacher_region_keys::ApplyRegions sent = rig.step->collected_apply_regions();
        QVERIFY(sent.board_checked[1] && sent.shield_checked[0] && !sent.board_checked[2]);
        shoot(rig.window, "wizard-region-detected-again.png");
    }

    // Pressed while the model is still being read: the window goes on (a timer's turn comes
    // during the detection), the detection waits for the read and places what the model read
    // afterwards finds, as it does with the model read first.
    void detectsOnceTheModelIsRead()
    {
        HeldLoad held;
        YOLO detector(held.hold()); // this folder's model, as the program's detector reads it
        auto release = qScopeGuard([&] { held.release(); });
        Rig rig(detector);
        QVERIFY(rig.showRegions());
        rig.regionCalls.clear();
        bool heldDuringDetection = false;
        QTimer::singleShot(0, &rig.window, [&] {
            heldDuringDetection = rig.detection->detecting() && !detector.loaded();
            held.release();
        });
        rig.ui->teacher_ai_detection_pushButton->click();
        QVERIFY(heldDuringDetection);
        QCOMPARE(rig.placed().join(" | "), QString("collect | clear | board 0: 27 22 141 66 | board 1: 304 22 141 66 | "
                                                   "keep board 2 | shield 0: 201 108 88 101 | keep shield 1 | "
                                                   "keep shield 2 | keep shield 3 | tracking: 201 22 252 195"));
        QCOMPARE(rig.owed, 1);
        QVERIFY(rig.boxes.shown.isEmpty());
    }

    // No model, or nothing found: said so, and the installer's regions stay.
    void regionsStay_data()
    {
        QTest::addColumn<bool>("model");
        QTest::addColumn<QString>("message");
        QTest::newRow("no model") << false << "No detection model was found";
        QTest::newRow("nothing found") << true << "No blackboard or screen was found";
    }
    void regionsStay()
    {
        QFETCH(bool, model);
        const QStringList belowEveryThreshold{cell(0, 2, 10, 10, -6, {-5, 4})};
        const std::unique_ptr<YOLO> detector = detectorOf(QTest::currentDataTag(), model ? belowEveryThreshold : QStringList());
        QVERIFY(detector);
        Rig rig(*detector);
        QVERIFY(rig.showRegions());
        rig.place_region(WizardRegions::Kind::Board, 0, QRect(20, 20, 100, 60));
        rig.regionCalls.clear();
        rig.ui->teacher_ai_detection_pushButton->click();
        QCOMPARE(rig.boxes.shown.size(), 1);
        QFETCH(QString, message);
        QVERIFY2(rig.boxes.shown[0].text.startsWith(message), qPrintable(rig.boxes.shown[0].text));
        QVERIFY(rig.placed().isEmpty());
        QCOMPARE(rig.scene.graphicsRectList().size(), 1);
        QCOMPARE(rig.owed, 0);
    }

    // Without the shown regions or the pano the button only unchecks itself.
    void needsTheShownRegions()
    {
        Rig rig(yolo_model);
        rig.ui->teacher_ai_detection_pushButton->setEnabled(true);
        rig.ui->teacher_ai_detection_pushButton->click();
        QVERIFY(rig.regionCalls.isEmpty() && rig.boxes.shown.isEmpty());
        QVERIFY(!rig.ui->teacher_ai_detection_pushButton->isChecked());
    }
};

// The program's detector reads its model before main: the first start writes the model into the
// working folder and starts the test again.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty(kRestarted)) {
        {
            QCoreApplication writer(argc, argv);
            if (!writeModel(boardsAndAScreen())) {
                fprintf(stderr, "the model could not be written\n");
                return 1;
            }
        }
        qputenv(kRestarted, "1");
        execv("/proc/self/exe", argv);
        perror("execv");
        return 1;
    }
    QApplication app(argc, argv);
    tst_WizardDetection test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wizard_detection.moc"
