// The AI detection on the form without the window: the button, the teacher pano's picture slot
// and the region editor, with a real ONNX model per case whose detections are known.
#include "cameras/picture_previews.h"
#include "detection/detected_regions.h"
#include "detection/yolo.h"
#include "form_rig.h"
#include "generated_model.h"
#include "held_load.h"
#include "log_capture.h"
#include "regions/region_editor.h"
#include "scene_regions.h"

#include <QFile>
#include <QPainter>
#include <QScopeGuard>
#include <QtTest>

#include <memory>

using generated_model::cell;

namespace {
// Both on the form, as the window wires them: the picture slot hands its picture to the editor.
struct Rig : FormRig, FreePreview, MenuCamera, CalibrationView {
    std::unique_ptr<YOLO> yolo; // built once the case's model is written
    int detections = 0;
    PicturePreviews previews{CORVANE_FORM_WIDGETS(PicturePreviews, PICTURE_PREVIEWS_WIDGETS, ui), cameras, *this,
                             *this, &formHost.window};
    std::unique_ptr<RegionEditor> editor; // on the case's detector
    const QList<QCheckBox *> regionBoxes =
        formHost.window.findChildren<QCheckBox *>(QRegularExpression("teacher_(shield|board)_[a-z]+_checkBox"));
    // A model of `classes` classes taking pictures of `channels` channels, read once hold ends.
    Rig(bool model, const QStringList &cells, int classes = 2, int channels = 3, YOLO::LoadHold hold = {})
    {
        QFile::remove("Zerorod.onnx");
        QFile names("coco.names"); // class 0 a screen, class 1 a blackboard
        if (!names.open(QIODevice::WriteOnly) || names.write("screen\nblackboard\n") < 0
            || (names.close(), model && !generated_model::make(classes, 3, cells, channels)))
            qFatal("no model written");
        const bool held = bool(hold);
        yolo.reset(new YOLO(std::move(hold)));
        if (!held)
            yolo->has_model(); // read before the press, as the program's is long before
        editor = std::make_unique<RegionEditor>(CORVANE_FORM_WIDGETS(RegionEditor, REGION_EDITOR_WIDGETS, ui), cameras,
                                                ports, link, status, teacher_values, *this, previews, *yolo,
                                                &formHost.window);
        QObject::connect(&previews, &PicturePreviews::detector_picture_taken, [this](const QImage &image) {
            ++detections;
            editor->QImage2cvMat(image);
        });
        // The pano's picture runs.
        cameras[camera_slot::Slot::TeacherPano].udp_flag = cameras[camera_slot::Slot::TeacherPano].connected = true;
        ui->teacher_show_region_checkBox->setChecked(true);
        ui->teacher_ai_detection_pushButton->setEnabled(true);
        ui->tabWidget->setCurrentWidget(ui->tab_teacher);
        for (QCheckBox *box : regionBoxes)
            box->setChecked(false);
    }
    int menu_camera(camera_slot::Side) const override { return -1; }
    bool preview_connected() const override { return false; }
    QHostAddress *preview_destination() const override { return nullptr; }
    bool calibration_shown(camera_slot::Side) const override { return false; }
    void hide_calibration(camera_slot::Side) override {}
    QString checkedBoxes() const
    {
        QStringList names;
        for (QCheckBox *box : regionBoxes)
            if (box->isChecked())
                names << box->objectName().section('_', 1, 2);
        names.sort();
        return names.join(' ');
    }
};

// A classroom as the pano sees it: green blackboards and white screens where the regions say.
QImage classroom(QSize size, QImage::Format format, const QString &regions)
{
    QImage picture(size, format);
    picture.fill(QColor(196, 180, 150));
    QPainter painter(&picture);
    painter.scale(size.width() / 480.0, size.height() / 270.0);
    for (const QString &region : regions.split(", ")) {
        const QStringList v = region.split(' '); // name x y w h
        if (!v[0].startsWith("Tracking"))
            painter.fillRect(QRectF(v[1].toDouble(), v[2].toDouble(), v[3].toDouble() - 2, v[4].toDouble() - 2),
                             v[0].startsWith("Board") ? QColor(30, 80, 50) : QColor(Qt::white));
    }
    return picture;
}
} // namespace

class tst_DetectedRegions : public QObject
{
    Q_OBJECT

private slots:
    // A box of a picture of either size: at least 240 by 135 pixels of a 1920 by 1080 frame, then / 4, + 2.
    void boxToScene_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QString>("scene"); // empty: dropped
        const QSize full(1920, 1080), small(480, 270);
        QTest::newRow("1920, the edge passes") << full << QRect(400, 200, 240, 135) << "100 50 62 35";
        QTest::newRow("1920, 239 wide dropped") << full << QRect(400, 200, 239, 500) << "";
        QTest::newRow("1920, 134 high dropped") << full << QRect(400, 200, 500, 134) << "";
        QTest::newRow("480, the edge passes") << small << QRect(100, 50, 60, 34) << "100 50 62 36";
        QTest::newRow("480, 59 wide dropped") << small << QRect(100, 50, 59, 100) << "";
        QTest::newRow("480, over the left edge") << small << QRect(-2, 50, 200, 100) << "-2 50 202 102";
        QTest::newRow("1920, over the left edge") << full << QRect(-8, 200, 800, 400) << "-2 50 202 102";
    }
    void boxToScene()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, box);
        using namespace detected_regions;
        const Box b = to_frame({box.x(), box.y(), box.width(), box.height()}, picture.width(), picture.height());
        const QRectF r = to_scene(b);
        QTEST(big_enough(b) ? QString::asprintf("%g %g %g %g", r.x(), r.y(), r.width(), r.height()) : "", "scene");
    }

    // The wizard's tracking region around what was found: 8 units of margin, cut at the far
    // edges, moved off a left or top of 0, and the default (nothing) when the region itself would
    // leave the scene, whatever the boards and screens it surrounds.
    void wizardTrackingRegion_data()
    {
        QTest::addColumn<QRectF>("seed"); // left, top, right, bottom
        QTest::addColumn<QString>("region");
        QTest::newRow("one board") << QRectF(QPointF(100, 50), QPointF(162, 85)) << "100 50 70 43";
        QTest::newRow("the whole scene") << QRectF(QPointF(0, 0), QPointF(478, 268)) << "";
        QTest::newRow("screens only, 477 by 267") << QRectF(QPointF(1, 1), QPointF(478, 268)) << "1 1 240 135";
        QTest::newRow("screens only, 477 wide, top 0") << QRectF(QPointF(1, 0), QPointF(478, 268)) << "1 2 240 135";
        QTest::newRow("a board on the left edge") << QRectF(QPointF(0, 50), QPointF(100, 100)) << "2 50 108 58";
        QTest::newRow("over the left edge") << QRectF(QPointF(-2, 50), QPointF(200, 152)) << "";
        QTest::newRow("wider than the scene keeps") << QRectF(QPointF(10, 10), QPointF(475, 110)) << "";
        QTest::newRow("bottom reached") << QRectF(QPointF(20, 10), QPointF(120, 268)) << "20 10 108 135";
        QTest::newRow("bottom reached, cut below the scene") << QRectF(QPointF(20, 200), QPointF(120, 268)) << "";
    }
    void wizardTrackingRegion()
    {
        QFETCH(QRectF, seed);
        const detected_regions::Edges edges{seed.left(), seed.top(), seed.right(), seed.bottom()};
        const std::optional<QRect> r = detected_regions::wizard_tracking_region(edges);
        QTEST(r ? QString::asprintf("%d %d %d %d", r->x(), r->y(), r->width(), r->height()) : QString(), "region");
    }

    // The button arms the detection only while the pano's picture runs and the regions are shown,
    // and never without a model: it says so instead. The regions stay until the detection's
    // replace them.
    void button_data()
    {
        QTest::addColumn<bool>("model");
        QTest::addColumn<bool>("streaming");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("armedBefore");
        QTest::addColumn<bool>("armed");
        QTest::newRow("armed") << true << true << true << false << true;
        QTest::newRow("no picture") << true << false << true << false << false;
        QTest::newRow("regions hidden") << true << true << false << false << false;
        QTest::newRow("already armed: only logged") << true << true << true << true << true;
        QTest::newRow("no model: told, nothing armed") << false << true << true << false << false;
    }
    void button()
    {
        QFETCH(bool, model);
        QFETCH(bool, shown);
        QFETCH(bool, armedBefore);
        QFETCH(bool, armed);
        Rig rig(model, {});
        QFETCH(bool, streaming);
        rig.cameras[camera_slot::Slot::TeacherPano].connected = streaming;
        rig.ui->teacher_show_region_checkBox->setChecked(shown);
        if (armedBefore)
            rig.previews.request_detector_picture();
        rig.editor->update_board_left_region_item(false);
        rig.editor->setBoardRegionRect("BoardRegionLeft", 10, 10, 100, 50);
        rig.ui->teacher_ai_detection_pushButton->setCheckable(true);
        rig.ui->teacher_ai_detection_pushButton->click();
        QVERIFY(!rig.ui->teacher_ai_detection_pushButton->isChecked());
        QCOMPARE(rig.previews.detector_picture_requested(), armed);
        QCOMPARE(scene_regions(rig.editor->scene()), QString("BoardRegionLeft 10 10 100 50"));
        QCOMPARE(rig.boxes.texts(), model ? QStringList() : QStringList{rig.yolo->unusable_message()});
        QCOMPARE(rig.boxes.shown.value(0).title, model ? QString() : QString("Warning"));
    }

    // The first picture after the press, and only that one, is detected: boards and screens
    // become regions (by confidence), the tracking region surrounds them.
    void frames_data()
    {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("regions");
        QTest::addColumn<QString>("checked");
        const QStringList board{cell(1, 2, 8, 12, 3, {-5, 3})};
        const QString screen = cell(0, 1, 30, 26, 3, {2, -5});
        const int rgb = QImage::Format_RGB888;
        const QString oneBoard = "BoardRegionLeft 100 11 261 155, TrackingRegion 100 11 261 155";
        QTest::newRow("a board, 1920 by 1080") << board << QSize(1920, 1080) << rgb << oneBoard << "board_one";
        QTest::newRow("a board, 480 by 270") << board << QSize(480, 270) << rgb << oneBoard << "board_one";
        // The smallest, most confident board is dropped.
        QTest::newRow("boards and a screen")
            << QStringList{cell(0, 2, 10, 10, 3, {-5, 4}), cell(0, 2, 10, 40, 3, {-5, 3}), screen,
                           cell(0, 0, 45, 45, 3, {-5, 5}, -0.2)}
            << QSize(480, 270) << rgb
            << "BoardRegionLeft 27 22 141 66, BoardRegionRight 304 22 141 66, ShieldRegionOne 201 108 88 101, "
               "TrackingRegion 201 22 244 187"
            << "board_one board_two shield_one";
        QTest::newRow("a screen only: the default tracking") << QStringList{screen} << QSize(480, 270)
            << int(QImage::Format_RGB32) << "ShieldRegionOne 201 108 88 101, TrackingRegion 15 60 450 120"
            << "shield_one";
        QTest::newRow("nothing: the default tracking") << QStringList{} << QSize(1920, 1080) << rgb
                                                       << "TrackingRegion 15 60 450 120" << "";
    }
    void frames()
    {
        QFETCH(QStringList, cells);
        QFETCH(QSize, picture);
        QFETCH(int, format);
        QFETCH(QString, regions);
        Rig rig(true, cells);
        rig.ui->teacher_ai_detection_pushButton->click();
        const QImage image = classroom(picture, QImage::Format(format), regions);
        rig.previews.teacher_pano_SetImage(image);
        QTRY_COMPARE(scene_regions(rig.editor->scene()), regions);
        QTEST(rig.checkedBoxes(), "checked");
        QVERIFY(rig.ui->teacher_track_region_radioButton->isChecked());
        const QString shots = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (!shots.isEmpty() && QTest::currentDataTag() == QString("boards and a screen")) {
            rig.formHost.window.resize(1164, 860);
            rig.formHost.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&rig.formHost.window));
            const QImage shot = rig.ui->tab_teacher->grab().toImage();
            QVERIFY(shot.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
                        .save(shots + "/detected-regions.png"));
        }
        rig.editor->clear_region_scene();
        rig.previews.teacher_pano_SetImage(image);
        QCOMPARE(rig.detections, 1);
        QCOMPARE(scene_regions(rig.editor->scene()), QString());
    }
    // Pressed while the model is still being read: the press arms the detection without waiting,
    // the detection waits for the read on its worker, then places what the model finds or says
    // what keeps it from running, as it does with the model read before the press.
    void modelReadAfterThePress_data()
    {
        QTest::addColumn<bool>("model");
        QTest::addColumn<QString>("regions");
        QTest::newRow("a board") << true << "BoardRegionLeft 100 11 261 155, TrackingRegion 100 11 261 155";
        QTest::newRow("no model: told") << false << "BoardRegionLeft 10 10 100 50";
    }
    void modelReadAfterThePress()
    {
        QFETCH(bool, model);
        HeldLoad held;
        Rig rig(model, {cell(1, 2, 8, 12, 3, {-5, 3})}, 2, 3, held.hold());
        auto release = qScopeGuard([&] { held.release(); });
        LogCapture capture;
        rig.editor->update_board_left_region_item(false);
        rig.editor->setBoardRegionRect("BoardRegionLeft", 10, 10, 100, 50);
        rig.ui->teacher_ai_detection_pushButton->click();
        QVERIFY(!rig.yolo->loaded());
        QVERIFY(rig.previews.detector_picture_requested());
        rig.previews.teacher_pano_SetImage(classroom(QSize(480, 270), QImage::Format_RGB888, "Board 100 11 261 155"));
        QTRY_VERIFY(capture.contains("YOLO::detect waits for the model to be read"));
        QVERIFY(rig.boxes.shown.isEmpty());
        held.release();
        QTRY_VERIFY(!rig.editor->detecting());
        QFETCH(QString, regions);
        QCOMPARE(scene_regions(rig.editor->scene()), regions);
        QCOMPARE(rig.boxes.texts(), model ? QStringList() : QStringList{rig.yolo->unusable_message()});
    }
    // A detection that fails says why and leaves the installer's regions as they were.
    void failedDetection_data()
    {
        QTest::addColumn<int>("classes");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("told");
        QTest::newRow("the model does not fit the class list") << 3 << 3 << "does not fit the class list";
        QTest::newRow("the model cannot run") << 2 << 4 << "could not be run";
    }
    void failedDetection()
    {
        QFETCH(int, classes);
        QFETCH(int, channels);
        Rig rig(true, {cell(1, 2, 8, 12, 3, {-5, 3})}, classes, channels);
        rig.editor->update_board_left_region_item(false);
        rig.editor->setBoardRegionRect("BoardRegionLeft", 10, 10, 100, 50);
        rig.ui->teacher_ai_detection_pushButton->click();
        rig.previews.teacher_pano_SetImage(classroom(QSize(480, 270), QImage::Format_RGB888, "Board 100 11 261 155"));
        QTRY_VERIFY(!rig.editor->detecting());
        QCOMPARE(scene_regions(rig.editor->scene()), QString("BoardRegionLeft 10 10 100 50"));
        QCOMPARE(rig.boxes.texts().size(), 1);
        QFETCH(QString, told);
        QVERIFY2(rig.boxes.texts()[0].contains(told), qPrintable(rig.boxes.texts()[0]));
    }
    // The pano let go while the detector works: its scene stays as it was.
    void panoLetGoDuringDetection()
    {
        Rig rig(true, {cell(1, 2, 8, 12, 3, {-5, 3})});
        rig.ui->teacher_ai_detection_pushButton->click();
        rig.previews.teacher_pano_SetImage(classroom(QSize(480, 270), QImage::Format_RGB888, "Board 100 11 261 155"));
        QVERIFY(rig.editor->detecting());
        rig.cameras[camera_slot::Slot::TeacherPano].udp_flag = false;
        QTRY_VERIFY(!rig.editor->detecting());
        QCOMPARE(scene_regions(rig.editor->scene()), QString());
    }
};

QTEST_MAIN(tst_DetectedRegions)
#include "tst_detected_regions.moc"
