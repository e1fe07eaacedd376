// The live pictures without the window, fed picture by picture: what each label shows, what goes
// on to the enlarged dialogs, the camera menu dialog, the detector and the one-shot captures, and
// the standard picture's file, and the writer of that file alone. The decoders' own pictures are
// rows of tst_qffmpeg; the window hands them to these slots in the behaviour recorder.
#include "cameras/picture_previews.h"
#include "core/time_scale.h"
#include "detection/picture_conversion.h"
#include "form_host.h"
#include "log_capture.h"
#include "model/camera_slots.h"
#include "recording_presenter.h"
#include "video/standard_image.h"

#include <QDialog>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <numeric>

using camera_slot::Side;
using camera_slot::Slot;
using Stream = PicturePreviews::Stream;
using Capture = PicturePreviews::Capture;

namespace {
enum Source { TeacherFeature, TeacherPano, StudentFeature, StudentPano, BoardFeature, BoardPano, Preview };
using PictureSlot = void (PicturePreviews::*)(QImage);
const PictureSlot kSlots[] = {&PicturePreviews::teacher_feature_SetImage,
                              &PicturePreviews::teacher_pano_SetImage,
                              &PicturePreviews::student_feature_SetImage,
                              &PicturePreviews::student_pano_SetImage,
                              &PicturePreviews::board_feature_SetImage,
                              &PicturePreviews::board_pano_SetImage,
                              &PicturePreviews::rtsp_SetImage};
const QSize kLabelSize(480, 270);

QImage picture(int shade)
{
    QImage image(kLabelSize, QImage::Format_RGB888);
    image.fill(QColor(shade, 255 - shade, shade / 2));
    return image;
}
QImage shownIn(const QLabel *label) { return label->pixmap(Qt::ReturnByValue).toImage(); }
// Every byte differs from its neighbours, so that a shifted or swapped read shows.
cv::Mat patterned(int rows, int cols, int type)
{
    cv::Mat picture(rows, cols, type);
    cv::randu(picture, cv::Scalar::all(0), cv::Scalar::all(256));
    return picture;
}

std::string localPath(const QString &path) { return QFile::encodeName(path).toStdString(); }

// The free preview and the cameras the menu dialogs show, as the connections and the menu keys
// keep them; the streams and the detector's pictures are counted.
struct Fixture : FreePreview, MenuCamera {
    RecordingPresenter boxes;
    FormHost formHost;
    Ui::MainWindow *ui = formHost.ui;
    CameraSlots records;
    QDialog dialogs[2]; // teacher, student
    int streams[6] = {};
    QImage lastStreamed[6];
    int detectorPictures = 0;
    bool previewConnected = false;
    int menuCameras[2] = {-1, 0}; // teacher, student
    PicturePreviews previews{CORVANE_FORM_WIDGETS(PicturePreviews, PICTURE_PREVIEWS_WIDGETS, formHost.ui), records,
                             *this, *this, &formHost.window};
    Fixture()
    {
        previews.attach_enlarged_dialogs(&dialogs[0], &dialogs[1]);
        QObject::connect(&previews, &PicturePreviews::detector_picture_taken, [this] { ++detectorPictures; });
        QObject::connect(&previews, &PicturePreviews::stream_picture, [this](Stream stream, QImage &image) {
            ++streams[int(stream)];
            lastStreamed[int(stream)] = image;
        });
    }

    int menu_camera(Side side) const override { return menuCameras[side != Side::Teacher]; }
    bool preview_connected() const override { return previewConnected; }
    QHostAddress *preview_destination() const override { return nullptr; }

    QLabel *label(Source source) const
    {
        QLabel *labels[] = {ui->teacher_labVideo_feature,
                            ui->teacher_labVideo_pano,
                            ui->student_labVideo_feature,
                            ui->student_labVideo_pano,
                            ui->board_labVideo_feature,
                            ui->board_labVideo_pano,
                            ui->labVideo};
        return labels[source];
    }
    void feed(Source source, const QImage &image) { (previews.*kSlots[source])(image); }
    int streamed() const { return std::accumulate(std::begin(streams), std::end(streams), 0); }
};
} // namespace

class tst_PicturePreviews : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        timescale::setFactor(0.01); // the standard picture's 2-second wait
        QFile::remove(standard_image::fileName());
    }
    void cleanup() { timescale::setFactor(1.0); }

    // A picture reaches its own label alone, as it came (not scaled to the label), and goes no
    // further while no dialog is open; the free preview's label takes pictures only while the
    // preview is connected, and never an empty one.
    void eachSlotShowsItsPicture_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<bool>("previewConnected");
        const char *names[] = {"teacher close-up", "teacher pano", "student close-up", "student pano",
                               "board close-up",   "board pano",   "free preview"};
        for (int s = TeacherFeature; s <= Preview; ++s)
            QTest::newRow(names[s]) << s << true;
        QTest::newRow("free preview not connected") << int(Preview) << false;
    }
    void eachSlotShowsItsPicture()
    {
        QFETCH(int, source);
        QFETCH(bool, previewConnected);
        Fixture f;
        f.previewConnected = previewConnected;
        const QImage image = picture(1).copy(0, 0, 320, 180);
        f.feed(Source(source), image);
        if (source == Preview)
            f.feed(Preview, QImage());
        const QImage shown = shownIn(f.label(Source(source)));
        QCOMPARE(shown.isNull(), !previewConnected);
        QVERIFY(shown.isNull() || shown.convertToFormat(image.format()) == image);
        for (int other = TeacherFeature; other <= Preview; ++other)
            QVERIFY(other == source || shownIn(f.label(Source(other))).isNull());
        QCOMPARE(f.streamed(), 0);
    }

    // The enlarged dialog of a pair, opened by its image-max button with both cameras connected,
    // takes every picture of the pair while it is open and none before or after.
    void enlargedDialogOnlyWhileOpen_data()
    {
        QTest::addColumn<bool>("teacher");
        QTest::newRow("teacher pair") << true;
        QTest::newRow("student pair") << false;
    }
    void enlargedDialogOnlyWhileOpen()
    {
        QFETCH(bool, teacher);
        Fixture f;
        const Source feature = teacher ? TeacherFeature : StudentFeature, pano = teacher ? TeacherPano : StudentPano;
        QToolButton *mine =
            teacher ? f.ui->teacher_feature_image_max_toolButton : f.ui->student_feature_image_max_toolButton;
        QToolButton *other =
            teacher ? f.ui->student_feature_image_max_toolButton : f.ui->teacher_feature_image_max_toolButton;
        QDialog &dialog = f.dialogs[!teacher];
        mine->click();
        QCOMPARE(f.boxes.texts(), QStringList{"Please connect the camera"}); // the pair is not connected
        f.records[Slot(feature)].udp_flag = f.records[Slot(pano)].udp_flag = true;
        f.feed(feature, picture(1));
        QCOMPARE(f.streamed(), 0);
        mine->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.pos(), QPoint(0, 90));
        dialog.move(300, 300); // a second press leaves the open dialog where it is
        mine->click();
        QCOMPARE(dialog.pos(), QPoint(300, 300));
        for (int i = 0; i < 3; ++i) {
            f.feed(feature, picture(10 + i));
            f.feed(pano, picture(20 + i));
        }
        const int featureStream = teacher ? int(Stream::TeacherFeature) : int(Stream::StudentFeature);
        QCOMPARE(f.streams[featureStream], 3);
        QCOMPARE(f.streams[featureStream + 1], 3);
        QCOMPARE(f.streamed(), 6);
        QCOMPARE(f.lastStreamed[featureStream].pixel(0, 0), picture(12).pixel(0, 0));
        QCOMPARE(shownIn(f.label(feature)).pixel(0, 0), picture(12).pixel(0, 0)); // the labels go on
        // The other pair's button closes this dialog first, then finds its own pair not connected.
        other->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.boxes.texts().size(), 2);
        f.feed(feature, picture(30));
        QCOMPARE(f.streamed(), 6);
    }

    // While a camera menu dialog is open the labels stand still and only the picture that
    // dialog serves goes on, to its feature or pano stream; an open enlarged dialog keeps its own.
    void cameraMenuDialogGetsOnlyItsPicture_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("menuGroup");  // 0 teacher, 1 student, 2 board
        QTest::addColumn<bool>("menuMode");  // the teacher pad drives the camera menu
        QTest::addColumn<int>("menuObject"); // 0 close-up, 1 pano
        QTest::addColumn<int>("expected");   // the stream that carries the picture, -1 none
        QTest::addColumn<bool>("enlarged");  // the teacher pair's enlarged dialog is open
        const int feature = int(Stream::MenuFeature), pano = int(Stream::MenuPano);
        QTest::newRow("teacher close-up served") << int(TeacherFeature) << 0 << true << 0 << feature << false;
        QTest::newRow("teacher close-up and its enlarged dialog")
            << int(TeacherFeature) << 0 << true << 0 << feature << true;
        QTest::newRow("teacher close-up, pad not in menu mode")
            << int(TeacherFeature) << 0 << false << 0 << -1 << false;
        QTest::newRow("teacher pano served") << int(TeacherPano) << 0 << true << 1 << pano << false;
        QTest::newRow("student close-up served") << int(StudentFeature) << 1 << false << 0 << feature << false;
        QTest::newRow("board close-up served") << int(BoardFeature) << 2 << false << 0 << feature << false;
        QTest::newRow("teacher close-up, student menu open") << int(TeacherFeature) << 1 << true << 0 << -1 << false;
    }
    void cameraMenuDialogGetsOnlyItsPicture()
    {
        QFETCH(int, source);
        QFETCH(int, menuGroup);
        QFETCH(bool, menuMode);
        QFETCH(int, menuObject);
        QFETCH(int, expected);
        QFETCH(bool, enlarged);
        Fixture f;
        f.menuCameras[0] = menuMode ? menuObject : -1;
        f.menuCameras[1] = menuObject;
        f.previews.menu_dialog_opened(Side(menuGroup));
        if (enlarged) {
            f.records[Slot::TeacherFeature].udp_flag = f.records[Slot::TeacherPano].udp_flag = true;
            f.previews.on_teacher_feature_image_max_toolButton_clicked();
        }
        f.feed(Source(source), picture(5));
        QVERIFY(shownIn(f.label(Source(source))).isNull());
        QCOMPARE(f.streamed(), int(expected >= 0) + int(enlarged));
        QVERIFY(expected < 0 || f.streams[expected] == 1);
        QCOMPARE(f.streams[int(Stream::TeacherFeature)], int(enlarged));
        // The dialog closed: the label shows pictures again and nothing goes on.
        f.previews.menu_dialog_closed(Side(menuGroup));
        f.previews.close_enlarged_dialog(Side::Teacher); // as the camera's disconnect does
        f.feed(Source(source), picture(6));
        QVERIFY(!shownIn(f.label(Source(source))).isNull());
        QCOMPARE(f.streamed(), int(expected >= 0) + int(enlarged));
    }

    // Each capture keeps the first picture after it was armed and no other; nothing is kept
    // while a camera menu dialog holds the previews, and the capture stays armed meanwhile.
    void captureKeepsExactlyOnePicture_data()
    {
        QTest::addColumn<int>("capture");
        QTest::addColumn<int>("source");
        QTest::addColumn<bool>("menuOpen");
        for (bool menuOpen : {false, true}) {
            const char *suffix = menuOpen ? ", camera menu open" : "";
            QTest::addRow("teacher close-up calibration%s", suffix)
                << int(Capture::TeacherFeatureCalibration) << int(TeacherFeature) << menuOpen;
            QTest::addRow("teacher pano calibration%s", suffix)
                << int(Capture::TeacherPanoCalibration) << int(TeacherPano) << menuOpen;
            QTest::addRow("student close-up calibration%s", suffix)
                << int(Capture::StudentFeatureCalibration) << int(StudentFeature) << menuOpen;
            QTest::addRow("student pano calibration%s", suffix)
                << int(Capture::StudentPanoCalibration) << int(StudentPano) << menuOpen;
            QTest::addRow("compensation moved picture%s", suffix)
                << int(Capture::Moved) << int(TeacherFeature) << menuOpen;
        }
    }
    void captureKeepsExactlyOnePicture()
    {
        QFETCH(int, capture);
        QFETCH(int, source);
        QFETCH(bool, menuOpen);
        Fixture f;
        const Capture which = Capture(capture);
        f.feed(Source(source), picture(1));
        QVERIFY(f.previews.captured(which).isNull());
        if (menuOpen)
            f.previews.menu_dialog_opened(Side::Board);
        f.previews.arm(which);
        const QImage first = picture(2);
        f.feed(Source(source), first);
        f.feed(Source(source), picture(3));
        QCOMPARE(f.previews.armed(which), menuOpen);
        QCOMPARE(f.previews.captured(which).cacheKey(), menuOpen ? QImage().cacheKey() : first.cacheKey());
        if (which == Capture::Moved && !menuOpen) {
            // The matrix looks at the kept picture's own pixels.
            const cv::Mat &m = f.previews.moved_image();
            QCOMPARE(m.type(), CV_8UC3);
            QCOMPARE(m.cols, kLabelSize.width());
            QCOMPARE(size_t(m.step), size_t(first.bytesPerLine()));
            QCOMPARE(static_cast<const void *>(m.data),
                     static_cast<const void *>(f.previews.captured(which).constBits()));
        }
    }

    // The detector takes one picture when it asked; the matrix view needs three bytes a pixel.
    void detectorAndMatrixView()
    {
        Fixture f;
        LogCapture logs;
        f.feed(TeacherPano, picture(1));
        f.previews.request_detector_picture();
        for (int i = 0; i < 3; ++i)
            f.feed(TeacherPano, picture(2));
        QCOMPARE(f.detectorPictures, 1);
        QCOMPARE(logs.count(QStringLiteral("MainWindow::teacher_pano_SetImage init opencv data conversion!")), 1);
        QVERIFY(qimage_to_mat_view(QImage(8, 8, QImage::Format_Grayscale8)).empty());
        QVERIFY(qimage_to_mat_view(QImage()).empty());
    }

    // The standard picture is written after its wait, over any earlier file, as the picture's own
    // bytes; a picture that cannot be written leaves no earlier file, and a folder in the way
    // stays; either failure is logged and the picture counts as not saved.
    void standardPicture_data()
    {
        QTest::addColumn<bool>("writable"); // the refusals of the writer are rows of tst_standard_image
        QTest::newRow("written") << true;
        QTest::newRow("picture that cannot be written") << false;
    }
    void standardPicture()
    {
        QFETCH(bool, writable);
        Fixture f;
        LogCapture logs;
        QVERIFY(standard_image::write(cv::Mat(7, 5, CV_8UC3, cv::Scalar(1, 2, 3)), standard_image::fileName()));
        f.previews.arm(Capture::Standard);
        const QImage image = writable ? picture(40) : QImage();
        f.feed(TeacherFeature, image);
        f.feed(TeacherFeature, picture(41));
        QVERIFY(!f.previews.armed(Capture::Standard));
        QCOMPARE(logs.lines().count(QStringLiteral("save standard image")), 1);
        QCOMPARE(f.previews.standard_image_saved(), writable);
        QCOMPARE(logs.count(QStringLiteral("MainWindow::save standard image failed:")), writable ? 0 : 1);
        if (!writable) {
            QVERIFY(!QFile::exists(standard_image::fileName()));
            return;
        }
        const cv::Mat back = cv::imread(standard_image::fileName().toStdString(), cv::IMREAD_COLOR);
        QCOMPARE(cv::norm(back, qimage_to_mat_view(image), cv::NORM_INF), 0.0);
    }
    // The compensation compares the moved picture with the standard picture read back from its
    // file: the two must hold the same bytes in the same channel order. The file holds what
    // OpenCV's own codec wrote and reads back: the frame's red, green, blue bytes taken as blue,
    // green, red, so that a viewer shows red and blue swapped, as the file always was.
    void standardPictureColours_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red") << QColor(255, 0, 0);
        QTest::newRow("green") << QColor(0, 255, 0);
        QTest::newRow("blue") << QColor(0, 0, 255);
        QTest::newRow("mixed") << QColor(200, 100, 30);
    }
    void standardPictureColours()
    {
        QFETCH(QColor, colour);
        Fixture f;
        QImage image(kLabelSize, QImage::Format_RGB888);
        image.fill(colour);
        image.setPixelColor(3, 2, Qt::white); // a flipped or shifted read shows
        for (Capture c : {Capture::Standard, Capture::Moved}) {
            f.previews.arm(c);
            f.feed(TeacherFeature, image);
        }
        QVERIFY(f.previews.standard_image_saved());
        const QString file = QDir::current().filePath(standard_image::fileName());
        const cv::Mat moved = f.previews.moved_image();
        const cv::Mat standard = standard_image::read(file);
        QVERIFY(standard.type() == CV_8UC3 && standard.size == moved.size);
        QCOMPARE(cv::norm(standard, moved, cv::NORM_INF), 0.0);
        QCOMPARE(cv::norm(cv::imread(localPath(file), cv::IMREAD_COLOR), moved, cv::NORM_INF), 0.0);
        const QImage shown(file);
        QCOMPARE(shown.pixelColor(0, 0), QColor(colour.blue(), colour.green(), colour.red()));
        QCOMPARE(shown.pixelColor(3, 2), QColor(Qt::white));
    }

    // What OpenCV's codec wrote, the reader reads as OpenCV reads it: three channels in the
    // same order, grey and alpha pictures included; a file that holds no picture reads as none.
    void standardImageRead_data()
    {
        QTest::addColumn<int>("type"); // -1: a file that is no picture, -2: no file
        QTest::newRow("colour") << int(CV_8UC3);
        QTest::newRow("grey") << int(CV_8UC1);
        QTest::newRow("with alpha") << int(CV_8UC4);
        QTest::newRow("not a picture") << -1;
        QTest::newRow("no file") << -2;
    }
    void standardImageRead()
    {
        QFETCH(int, type);
        QTemporaryDir dir;
        const QString path = dir.filePath(standard_image::fileName());
        if (type >= 0) {
            QVERIFY(cv::imwrite(localPath(path), patterned(27, 48, type)));
        } else if (type == -1) {
            QFile garbage(path);
            QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("\x89PNG not really") > 0);
        }
        const cv::Mat read = standard_image::read(path);
        const cv::Mat expected = cv::imread(localPath(path), cv::IMREAD_COLOR);
        QCOMPARE(read.empty(), type < 0);
        QCOMPARE(expected.empty(), type < 0);
        if (type >= 0) {
            QVERIFY(read.type() == CV_8UC3 && read.size == expected.size);
            QCOMPARE(cv::norm(read, expected, cv::NORM_INF), 0.0);
        }
    }

    // The writer alone: whatever was there before is gone, the picture written whole or no file.
    void standardImageWrite_data()
    {
        QTest::addColumn<int>("type"); // -1: an empty picture
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("refusal"); // empty: written
        const QString file = standard_image::fileName();
        QTest::newRow("colour") << int(CV_8UC3) << file << QString();
        QTest::newRow("grey") << int(CV_8UC1) << file << QString();
        QTest::newRow("empty picture") << -1 << file << "the picture is empty";
        QTest::newRow("float picture") << int(CV_32FC3) << file << "not 8-bit";
        QTest::newRow("four channels") << int(CV_8UC4) << file << "not 8-bit";
        QTest::newRow("missing folder") << int(CV_8UC3) << "no/such/folder/" + file << "was not written";
        QTest::newRow("a folder in the way") << int(CV_8UC3) << "taken" << "is a folder";
    }

    void standardImageWrite()
    {
        QFETCH(int, type);
        QFETCH(QString, relative);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString path = dir.filePath(relative);
        const bool folder = refusal == QLatin1String("is a folder");
        if (folder)
            QVERIFY(QDir().mkpath(path));
        else if (QFileInfo(path).dir().exists())
            QVERIFY(cv::imwrite(localPath(path), patterned(7, 5, CV_8UC3))); // a stale file is easy to tell
        const cv::Mat picture = type < 0 ? cv::Mat() : patterned(270, 480, type);
        QString why;
        QCOMPARE(standard_image::write(picture, path, &why), refusal.isEmpty());
        QVERIFY2(why.contains(refusal), qPrintable(why));
        QCOMPARE(QFileInfo(path).isDir(), folder); // a folder in the way is left as it is
        if (!refusal.isEmpty()) {
            QVERIFY(!QFileInfo(path).isFile());
            return;
        }
        const cv::Mat back = cv::imread(localPath(path), cv::IMREAD_UNCHANGED);
        QVERIFY(back.size == picture.size && back.type() == picture.type());
        QCOMPARE(cv::norm(back, picture, cv::NORM_INF), 0.0);
    }
};

QTEST_MAIN(tst_PicturePreviews)
#include "tst_picture_previews.moc"
