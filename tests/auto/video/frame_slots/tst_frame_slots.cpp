// The main window's picture slots fed by real decoders from the RTSP test server, connected
// as the camera connections connect them: each picture reaches its preview label, the
// enlarged dialog only while it is open, the camera menu dialog only while it serves that
// camera, and each one-shot capture exactly one picture when armed and none otherwise.
#include "core/time_scale.h"
#include "guide/guideconfig.h"
#include "dialogs/image_expand.h"
#include "log_capture.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "rtsp/rtsp_server_process.h"
#include "smpte_bars.h"
#include "test_env.h"
#include "ui_image_expand.h"
#include "ui_mainwindow.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"
#include "video/standard_image.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <initializer_list>
#include <memory>

namespace {
constexpr quint16 kPort = 8554;
constexpr int kPictureTimeoutMs = 10000; // pictures come at 25 a second; bound for a busy machine
const QSize kLabelSize(480, 270);
const QSize kPreviewSize(775, 506);

using PictureSlot = void (MainWindow::*)(QImage);

enum Source { TeacherFeature, TeacherPano, StudentFeature, StudentPano, BoardFeature, BoardPano, Preview };

PictureSlot slotOf(Source source)
{
    static const PictureSlot pictureSlots[] = {&MainWindow::teacher_feature_SetImage, &MainWindow::teacher_pano_SetImage,
                                        &MainWindow::student_feature_SetImage, &MainWindow::student_pano_SetImage,
                                        &MainWindow::board_feature_SetImage,   &MainWindow::board_pano_SetImage,
                                        &MainWindow::rtsp_SetImage};
    return pictureSlots[source];
}

QLabel *labelOf(MainWindow *w, Source source)
{
    QLabel *labels[] = {w->ui->teacher_labVideo_feature, w->ui->teacher_labVideo_pano, w->ui->student_labVideo_feature,
                        w->ui->student_labVideo_pano,    w->ui->board_labVideo_feature, w->ui->board_labVideo_pano,
                        w->ui->labVideo};
    return labels[source];
}

// Close-up and board cameras on "/1", panorama cameras on "/2", as the connections build them.
int pathOf(Source source)
{
    return source == TeacherPano || source == StudentPano || source == BoardPano ? 2 : 1;
}

QImage shownIn(const QLabel *label) { return label->pixmap(Qt::ReturnByValue).toImage(); }

// One camera's live picture into one picture slot of the window, built and torn down with
// rtsp_stream as the connections do. Two counters bracket the slot's own queued connection:
// the decoder posts each picture to "arrived", the slot and "delivered" in that order and
// they run in that order, so whenever both counters agree the slot has had exactly that many
// pictures. The waits below return only at such a moment, and a test changes the window's
// state and reads its counters there without handling events in between.
class LiveCamera : public QObject
{
public:
    ~LiveCamera() override { stop(); }

    bool start(MainWindow *window, Source source, const QString &url)
    {
        const QSize size = source == Preview ? kPreviewSize : kLabelSize;
        rtsp_stream::create(window, url, size.width(), size.height(), decoder, thread);
        connect(decoder, &QFFmpeg::GetImage, this, [this] { ++arrived; }, Qt::QueuedConnection);
        connect(decoder, &QFFmpeg::GetImage, window, slotOf(source), Qt::QueuedConnection);
        connect(decoder, &QFFmpeg::GetImage, this, [this] { ++delivered; }, Qt::QueuedConnection);
        return rtsp_stream::start(decoder, thread);
    }

    void stop()
    {
        if (decoder || thread)
            rtsp_stream::stop(decoder, thread, {});
    }

    bool settled() const { return arrived == delivered; }

    // Pumps events until count more pictures than now reached the slot, and returns at a
    // settled moment.
    bool waitForMore(int count) { return waitForPictures({this}, count); }

    static bool waitForPictures(std::initializer_list<LiveCamera *> cameras, int count)
    {
        QList<int> targets;
        for (LiveCamera *c : cameras)
            targets << c->delivered + count;
        QDeadlineTimer deadline(kPictureTimeoutMs);
        for (;;) {
            bool done = true;
            int i = 0;
            for (LiveCamera *c : cameras)
                done = done && c->delivered >= targets[i++] && c->settled();
            if (done)
                return true;
            if (deadline.hasExpired())
                return false;
            QTest::qWait(1);
        }
    }

    QFFmpeg *decoder = nullptr;
    RtspThread *thread = nullptr;
    int arrived = 0;
    int delivered = 0;
};

// Counts the pictures of every stream signal of the window.
struct StreamSignals : QObject {
    enum { TeacherFeature, TeacherPano, StudentFeature, StudentPano, Feature, Pano, Count };
    int count[Count] = {};
    QImage last[Count];

    explicit StreamSignals(MainWindow *w)
    {
        const std::pair<void (MainWindow::*)(QImage &), int> all[] = {
            {&MainWindow::teacher_send_stream_to_feature, TeacherFeature},
            {&MainWindow::teacher_send_stream_to_pano, TeacherPano},
            {&MainWindow::student_send_stream_to_feature, StudentFeature},
            {&MainWindow::student_send_stream_to_pano, StudentPano},
            {&MainWindow::send_stream_to_feature, Feature},
            {&MainWindow::send_stream_to_pano, Pano}};
        for (const auto &s : all) {
            const int index = s.second;
            connect(w, s.first, this, [this, index](QImage &image) {
                ++count[index];
                last[index] = image;
            });
        }
    }
    int total() const
    {
        int n = 0;
        for (int c : count)
            n += c;
        return n;
    }
};

struct Window {
    RecordingPresenter boxes;
    std::unique_ptr<MainWindow> w{new MainWindow};
    ~Window() { delete w->guide_config; } // the window never deletes its wizard
    MainWindow *operator->() const { return w.get(); }
    operator MainWindow *() const { return w.get(); }
};

void verifyBars(const QImage &image, QSize size)
{
    QCOMPARE(image.size(), size);
    QString why;
    QVERIFY2(looksLikeSmpteBars(image, &why), qPrintable(why));
}
} // namespace

class tst_FrameSlots : public QObject
{
    Q_OBJECT

    RtspServerProcess server;

private slots:
    void initTestCase()
    {
        RtspServerProcess::Options options;
        options.port = kPort;
        options.size = QSize(640, 360);
        options.fps = 50; // the cases wait for a few pictures each
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
    }

    void init()
    {
        testenv::removeConfigIni();
        QFile::remove(standard_image::fileName());
    }

    void cleanup()
    {
        timescale::setFactor(1.0);
        QTRY_COMPARE_WITH_TIMEOUT(rtsp_stream::pendingCount(), 0, 5000);
        QCOMPARE(QFFmpeg::instances(), 0);
    }

    void eachSlotShowsItsPictureUnscaled_data()
    {
        QTest::addColumn<int>("source");
        QTest::newRow("teacher close-up") << int(TeacherFeature);
        QTest::newRow("teacher pano") << int(TeacherPano);
        QTest::newRow("student close-up") << int(StudentFeature);
        QTest::newRow("student pano") << int(StudentPano);
        QTest::newRow("board close-up") << int(BoardFeature);
        QTest::newRow("board pano") << int(BoardPano);
        QTest::newRow("free preview") << int(Preview);
    }

    void eachSlotShowsItsPictureUnscaled()
    {
        QFETCH(int, source);
        Window w;
        w->rtsp_preview_connected = source == Preview;
        StreamSignals streams(w);
        QLabel *label = labelOf(w, Source(source));
        LiveCamera camera;
        QVERIFY(camera.start(w, Source(source), server.url(pathOf(Source(source)))));
        QVERIFY(camera.waitForMore(3));
        verifyBars(shownIn(label), source == Preview ? kPreviewSize : kLabelSize);
        // The other labels stay empty; with no dialog open no picture goes further.
        for (int other = TeacherFeature; other <= Preview; ++other)
            if (other != source)
                QVERIFY2(shownIn(labelOf(w, Source(other))).isNull(), qPrintable(labelOf(w, Source(other))->objectName()));
        QCOMPARE(streams.total(), 0);
    }

    void previewLabelOnlyWhilePreviewConnected()
    {
        Window w;
        w->rtsp_preview_connected = false;
        LiveCamera camera;
        QVERIFY(camera.start(w, Preview, server.url(1)));
        QVERIFY(camera.waitForMore(3));
        QVERIFY(shownIn(w->ui->labVideo).isNull());
        w->rtsp_preview_connected = true;
        QVERIFY(camera.waitForMore(2));
        verifyBars(shownIn(w->ui->labVideo), kPreviewSize);
    }

    // The enlarged dialog of a pair, opened by its image-max button, takes every picture of
    // both cameras while it is open and none before or after; the other pair's signals stay
    // silent.
    void enlargedDialogOnlyWhileOpen_data()
    {
        QTest::addColumn<bool>("teacher");
        QTest::newRow("teacher pair") << true;
        QTest::newRow("student pair") << false;
    }

    void enlargedDialogOnlyWhileOpen()
    {
        QFETCH(bool, teacher);
        Window w;
        StreamSignals streams(w);
        Image_Expand *dialog = teacher ? w->teacher_image_expand : w->student_image_expand;
        const int featureSignal = teacher ? StreamSignals::TeacherFeature : StreamSignals::StudentFeature;
        const int panoSignal = teacher ? StreamSignals::TeacherPano : StreamSignals::StudentPano;
        LiveCamera feature, pano;
        QVERIFY(feature.start(w, teacher ? TeacherFeature : StudentFeature, server.url(1)));
        QVERIFY(pano.start(w, teacher ? TeacherPano : StudentPano, server.url(2)));
        QVERIFY(LiveCamera::waitForPictures({&feature, &pano}, 2));
        QCOMPARE(streams.total(), 0);
        QVERIFY(shownIn(dialog->form()->image_expand_label).isNull());

        (teacher ? w->udp_teacher_feature_flag : w->udp_student_feature_flag) = true;
        (teacher ? w->udp_teacher_pano_flag : w->udp_student_pano_flag) = true;
        (teacher ? w->ui->teacher_feature_image_max_toolButton : w->ui->student_feature_image_max_toolButton)->click();
        QVERIFY(dialog->isVisible());
        const int featureAtOpen = feature.delivered;
        const int panoAtOpen = pano.delivered;
        QVERIFY(LiveCamera::waitForPictures({&feature, &pano}, 3));
        // Every picture since the opening, each once.
        QCOMPARE(streams.count[featureSignal], feature.delivered - featureAtOpen);
        QCOMPARE(streams.count[panoSignal], pano.delivered - panoAtOpen);
        QCOMPARE(streams.total(), streams.count[featureSignal] + streams.count[panoSignal]);
        verifyBars(streams.last[featureSignal], kLabelSize);
        verifyBars(shownIn(dialog->form()->image_expand_label), QSize(960, 540));
        verifyBars(shownIn(dialog->form()->image_expand_pano_label), QSize(960, 540));
        // The labels of the main window keep showing the pictures meanwhile.
        verifyBars(shownIn(labelOf(w, teacher ? TeacherFeature : StudentFeature)), kLabelSize);

        saveShot(dialog, teacher ? "teacher" : "student");

        // The other pair's button closes this dialog first (and, its cameras not being
        // connected, then says so).
        (teacher ? w->ui->student_feature_image_max_toolButton : w->ui->teacher_feature_image_max_toolButton)->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(w.boxes.texts(), QStringList{QStringLiteral("Please connect the camera")});
        const int sentAtClose = streams.total();
        const qint64 shownAtClose = dialog->form()->image_expand_label->pixmap(Qt::ReturnByValue).cacheKey();
        QVERIFY(LiveCamera::waitForPictures({&feature, &pano}, 3));
        QCOMPARE(streams.total(), sentAtClose);
        QCOMPARE(dialog->form()->image_expand_label->pixmap(Qt::ReturnByValue).cacheKey(), shownAtClose);
    }

    // While a camera menu dialog is open every preview label stands still and only the
    // picture that dialog serves goes on, to send_stream_to_feature or send_stream_to_pano.
    void cameraMenuDialogGetsOnlyItsPicture_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("menuGroup"); // 0 teacher, 1 student, 2 board
        QTest::addColumn<bool>("menuMode"); // the teacher pad drives the camera menu
        QTest::addColumn<int>("menuObject"); // 0 close-up, 1 pano
        QTest::addColumn<int>("expected");   // the signal that carries the pictures, -1 none

        const int feature = StreamSignals::Feature, pano = StreamSignals::Pano;
        QTest::newRow("teacher close-up served") << int(TeacherFeature) << 0 << true << 0 << feature;
        QTest::newRow("teacher close-up, pano selected") << int(TeacherFeature) << 0 << true << 1 << -1;
        QTest::newRow("teacher close-up, pad not in menu mode") << int(TeacherFeature) << 0 << false << 0 << -1;
        QTest::newRow("teacher pano served") << int(TeacherPano) << 0 << true << 1 << pano;
        QTest::newRow("teacher pano, close-up selected") << int(TeacherPano) << 0 << true << 0 << -1;
        QTest::newRow("student close-up served") << int(StudentFeature) << 1 << false << 0 << feature;
        QTest::newRow("student close-up, pano selected") << int(StudentFeature) << 1 << false << 1 << -1;
        QTest::newRow("student pano served") << int(StudentPano) << 1 << false << 1 << pano;
        QTest::newRow("board close-up served") << int(BoardFeature) << 2 << false << 0 << feature;
        QTest::newRow("board pano served") << int(BoardPano) << 2 << false << 0 << pano;
        QTest::newRow("teacher close-up, student menu open") << int(TeacherFeature) << 1 << true << 0 << -1;
        QTest::newRow("board close-up, teacher menu open") << int(BoardFeature) << 0 << true << 0 << -1;
    }

    void cameraMenuDialogGetsOnlyItsPicture()
    {
        QFETCH(int, source);
        QFETCH(int, menuGroup);
        QFETCH(bool, menuMode);
        QFETCH(int, menuObject);
        QFETCH(int, expected);
        Window w;
        StreamSignals streams(w);
        QLabel *label = labelOf(w, Source(source));
        LiveCamera camera;
        QVERIFY(camera.start(w, Source(source), server.url(pathOf(Source(source)))));
        QVERIFY(camera.waitForMore(2));
        const qint64 shownBefore = label->pixmap(Qt::ReturnByValue).cacheKey();
        QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());

        // As the camera menu openers leave the window.
        w->ui->teacher_navigate_osd_mode_radioButton->setChecked(menuMode);
        w->ui->teacher_switch_menu_object_comboBox->setCurrentIndex(menuObject);
        w->ui->student_switch_menu_object_comboBox->setCurrentIndex(menuObject);
        w->teacher_osd_menu_open = menuGroup == 0;
        w->student_osd_menu_open = menuGroup == 1;
        w->board_osd_menu_open = menuGroup == 2;
        w->main_preview_active = false;
        const int atOpen = camera.delivered;
        QVERIFY(camera.waitForMore(3));
        QCOMPARE(label->pixmap(Qt::ReturnByValue).cacheKey(), shownBefore);
        if (expected < 0) {
            QCOMPARE(streams.total(), 0);
        } else {
            QCOMPARE(streams.count[expected], camera.delivered - atOpen);
            QCOMPARE(streams.total(), streams.count[expected]);
            verifyBars(streams.last[expected], kLabelSize);
        }

        // The dialog closed: the label shows pictures again and nothing goes on.
        w->teacher_osd_menu_open = w->student_osd_menu_open = w->board_osd_menu_open = false;
        w->main_preview_active = true;
        const int sent = streams.total();
        QVERIFY(camera.waitForMore(2));
        QVERIFY(label->pixmap(Qt::ReturnByValue).cacheKey() != shownBefore);
        QCOMPARE(streams.total(), sent);
    }

    void enlargedDialogKeepsItsPicturesWhileCameraMenuOpen()
    {
        Window w;
        StreamSignals streams(w);
        LiveCamera camera;
        QVERIFY(camera.start(w, TeacherFeature, server.url(1)));
        w->teacher_image_expand_open = true;
        w->teacher_osd_menu_open = true;
        w->main_preview_active = false;
        w->ui->teacher_navigate_osd_mode_radioButton->setChecked(true);
        w->ui->teacher_switch_menu_object_comboBox->setCurrentIndex(0);
        QVERIFY(camera.waitForMore(3));
        QCOMPARE(streams.count[StreamSignals::TeacherFeature], camera.delivered);
        QCOMPARE(streams.count[StreamSignals::Feature], camera.delivered);
        QVERIFY(shownIn(w->ui->teacher_labVideo_feature).isNull());
        verifyBars(shownIn(w->teacher_image_expand->form()->image_expand_label), QSize(960, 540));
    }

    // Each capture keeps the first picture after it was armed and no other: the kept picture
    // stays the same one while further pictures arrive, and nothing is kept unarmed or while
    // a camera menu dialog holds the previews.
    void captureKeepsExactlyOnePicture_data()
    {
        QTest::addColumn<int>("capture");
        QTest::addColumn<bool>("menuOpen");
        for (bool menuOpen : {false, true}) {
            const char *suffix = menuOpen ? ", camera menu open" : "";
            QTest::addRow("teacher close-up calibration%s", suffix) << 0 << menuOpen;
            QTest::addRow("teacher pano calibration%s", suffix) << 1 << menuOpen;
            QTest::addRow("student close-up calibration%s", suffix) << 2 << menuOpen;
            QTest::addRow("student pano calibration%s", suffix) << 3 << menuOpen;
            QTest::addRow("compensation moved picture%s", suffix) << 4 << menuOpen;
        }
    }

    void captureKeepsExactlyOnePicture()
    {
        QFETCH(int, capture);
        QFETCH(bool, menuOpen);
        Window w;
        const Source sources[] = {TeacherFeature, TeacherPano, StudentFeature, StudentPano, TeacherFeature};
        bool *flags[] = {&w->teacher_feature_calibration_capture, &w->teacher_pano_calibration_capture,
                         &w->student_feature_calibration_capture, &w->student_pano_calibration_capture,
                         &w->teacher_moved_capture};
        QImage *kept[] = {&w->teacher_feature_calibration_image, &w->teacher_pano_calibration_image,
                          &w->student_feature_calibration_image, &w->student_pano_calibration_image,
                          &w->teacher_moved_frame};
        LiveCamera camera;
        QVERIFY(camera.start(w, sources[capture], server.url(pathOf(sources[capture]))));
        QVERIFY(camera.waitForMore(3));
        QVERIFY(kept[capture]->isNull());

        w->main_preview_active = !menuOpen;
        *flags[capture] = true;
        QVERIFY(camera.waitForMore(3));
        if (menuOpen) {
            QVERIFY(kept[capture]->isNull());
            QVERIFY(*flags[capture]); // still armed for when the previews run again
            return;
        }
        QVERIFY(!*flags[capture]);
        verifyBars(*kept[capture], kLabelSize);
        const qint64 key = kept[capture]->cacheKey();
        QVERIFY(camera.waitForMore(3));
        QCOMPARE(kept[capture]->cacheKey(), key);
        if (capture == 4) {
            // The matrix looks at the kept picture's own pixels.
            const cv::Mat &m = w->teacher_moved_image;
            QCOMPARE(m.type(), CV_8UC3);
            QCOMPARE(m.rows, 270);
            QCOMPARE(m.cols, 480);
            QCOMPARE(size_t(m.step), size_t(w->teacher_moved_frame.bytesPerLine()));
            QCOMPARE(static_cast<const void *>(m.data), static_cast<const void *>(w->teacher_moved_frame.constBits()));
        }
    }

    void detectorGetsOnePicture()
    {
        Window w;
        LogCapture logs;
        LiveCamera camera;
        QVERIFY(camera.start(w, TeacherPano, server.url(2)));
        QVERIFY(camera.waitForMore(3));
        QCOMPARE(logs.count(QStringLiteral("MainWindow::QImage2cvMat:")), 0);
        w->teacher_image_to_cv_mat_flag = true;
        QVERIFY(camera.waitForMore(6));
        QVERIFY(!w->teacher_image_to_cv_mat_flag);
        QCOMPARE(logs.count(QStringLiteral("MainWindow::QImage2cvMat:")), 1);
        QCOMPARE(logs.count(QStringLiteral("MainWindow::teacher_pano_SetImage init opencv data conversion!")), 1);
        QCOMPARE(logs.count(QStringLiteral("//image.height(): 270 //image.width(): 480")), 1);
    }

    // The standard picture is written after its wait, over any earlier file, as the picture's
    // own bytes; the compensation reads it back from there.
    void standardPictureWritten()
    {
        timescale::setFactor(0.01); // the 2-second wait before the write
        Window w;
        LogCapture logs;
        QVERIFY(standard_image::write(cv::Mat(7, 5, CV_8UC3, cv::Scalar(1, 2, 3)), standard_image::fileName()));
        LiveCamera camera;
        QVERIFY(camera.start(w, TeacherFeature, server.url(1)));
        QVERIFY(camera.waitForMore(2));
        w->teacher_standard_capture = true;
        QVERIFY(camera.waitForMore(3));
        QTRY_VERIFY_WITH_TIMEOUT(w->teacher_standard_image_saved, 5000);
        QVERIFY(!w->teacher_standard_capture);
        QCOMPARE(logs.lines().count(QStringLiteral("save standard image")), 1);
        verifyBars(w->teacher_standard_image, kLabelSize);

        const cv::Mat back = cv::imread(standard_image::fileName().toStdString(), cv::IMREAD_COLOR);
        QCOMPARE(back.rows, 270);
        QCOMPARE(back.cols, 480);
        const cv::Mat written = MainWindow::qimage_to_mat_view(w->teacher_standard_image);
        QCOMPARE(cv::norm(back, written, cv::NORM_INF), 0.0);

        // No second write for the pictures that follow.
        QVERIFY(camera.waitForMore(3));
        QCOMPARE(logs.lines().count(QStringLiteral("save standard image")), 1);
    }

    void failedStandardPictureLeavesNoEarlierFile_data()
    {
        QTest::addColumn<bool>("folderInTheWay");
        QTest::newRow("picture that cannot be written") << false;
        QTest::newRow("a folder of that name") << true;
    }

    void failedStandardPictureLeavesNoEarlierFile()
    {
        QFETCH(bool, folderInTheWay);
        timescale::setFactor(0.01);
        Window w;
        LogCapture logs;
        w->teacher_standard_image_saved = true; // as after an earlier compensation
        w->teacher_standard_capture = true;
        if (folderInTheWay) {
            QVERIFY(QDir().mkdir(standard_image::fileName()));
            LiveCamera camera;
            QVERIFY(camera.start(w, TeacherFeature, server.url(1)));
            QVERIFY(camera.waitForMore(3));
            QTRY_COMPARE_WITH_TIMEOUT(logs.lines().count(QStringLiteral("save standard image")), 1, 5000);
            QVERIFY(QFileInfo(standard_image::fileName()).isDir());
            QVERIFY(QDir().rmdir(standard_image::fileName()));
        } else {
            QVERIFY(standard_image::write(cv::Mat(7, 5, CV_8UC3, cv::Scalar(1, 2, 3)), standard_image::fileName()));
            // A picture the decoder never makes, but a slot must not turn into an old file.
            w->teacher_feature_SetImage(QImage());
            QVERIFY(!QFile::exists(standard_image::fileName()));
        }
        QVERIFY(!w->teacher_standard_capture);
        QVERIFY(!w->teacher_standard_image_saved);
        QCOMPARE(logs.count(QStringLiteral("MainWindow::save standard image failed:")), 1);
    }

private:
    // With CORVANE_SHOT_DIR set (a run under Xvfb), keeps what the dialog and the screen show.
    void saveShot(QWidget *dialog, const char *name)
    {
        const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (dir.isEmpty())
            return;
        QVERIFY(QDir().mkpath(dir));
        QTest::qWait(200); // let the window system map and paint the dialog
        QVERIFY(dialog->grab().save(QDir(dir).filePath(QStringLiteral("image_expand_%1.png").arg(name))));
        if (QScreen *screen = QGuiApplication::primaryScreen())
            QVERIFY(screen->grabWindow(0).save(QDir(dir).filePath(QStringLiteral("screen_%1.png").arg(name))));
    }
};

QTEST_MAIN(tst_FrameSlots)
#include "tst_frame_slots.moc"
