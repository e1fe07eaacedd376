// The GUI thread's share of live pictures: CPU milliseconds per picture that the main window's
// form spends in its frame slots (PicturePreviews) putting each decoded 480x270 picture into its
// camera label, with the window hidden (the label takes the picture, nothing is painted) and
// shown (each picture of a visible label is also painted). The pictures come from QFFmpeg
// decoders on H.264 clips served by the RTSP test server on loopback, as in the window.
//
//   QT_QPA_PLATFORM=offscreen build/bench/video_paint_bench [--seconds 10] [--runs 3] [--cpus 2]
//                                                           [--size 1920x1080] [--counts 1,6]
//                                                           [--port 18564] [--keep-clips DIR]
//
// Stream i goes to camera slot i (teacher feature, teacher pano, student feature, ...); the
// form shows its first tab, the teacher's, so with six streams two of the six labels are seen.
#include "bench_support.h"
#include "cameras/picture_previews.h"
#include "model/camera_slots.h"
#include "rtsp/rtsp_server_process.h"
#include "ui_mainwindow.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QVector>

#include <algorithm>
#include <cstdio>
#include <memory>

#include <sched.h>
#include <time.h>
#include <unistd.h>

namespace {

using bench::cpuMs;
using bench::median;
using bench::pumpFor;

constexpr int kFps = 25;
constexpr int kWarmupMs = 2000;
constexpr int kOutWidth = 480; // the camera labels
constexpr int kOutHeight = 270;




// What the frame slots reach beyond the labels: nothing is open, armed or previewed here.
struct NoDialogs : FreePreview, MenuCamera {
    int menu_camera(camera_slot::Side) const override { return -1; }
    bool preview_connected() const override { return false; }
    QHostAddress *preview_destination() const override { return nullptr; }
};

struct Figures {
    double guiMsPerPicture = 0;     // GUI thread CPU
    double processMsPerPicture = 0; // decoding threads included
    double picturesPerSecond = 0;
};

Figures run(const QStringList &urls, int seconds, bool shown)
{
    using ImageSlot = void (PicturePreviews::*)(QImage);
    static const ImageSlot kImageSlots[] = {
        &PicturePreviews::teacher_feature_SetImage, &PicturePreviews::teacher_pano_SetImage,
        &PicturePreviews::student_feature_SetImage, &PicturePreviews::student_pano_SetImage,
        &PicturePreviews::board_feature_SetImage,   &PicturePreviews::board_pano_SetImage};

    QMainWindow window;
    Ui::MainWindow ui;
    ui.setupUi(&window);
    CameraSlots records;
    NoDialogs host;
    PicturePreviews previews(CORVANE_FORM_WIDGETS(PicturePreviews, PICTURE_PREVIEWS_WIDGETS, &ui), records, host, host,
                             &window);
    if (shown)
        window.show();

    QObject owner;
    QVector<QFFmpeg *> decoders(urls.size(), nullptr);
    QVector<RtspThread *> threads(urls.size(), nullptr);
    int pictures = 0;
    for (int i = 0; i < urls.size(); ++i) {
        rtsp_stream::create(&owner, urls[i], kOutWidth, kOutHeight, decoders[i], threads[i]);
        QObject::connect(decoders[i], &QFFmpeg::GetImage, &previews, kImageSlots[i % 6]);
        QObject::connect(decoders[i], &QFFmpeg::GetImage, &owner, [&pictures] { ++pictures; });
        if (!rtsp_stream::start(decoders[i], threads[i]))
            std::fprintf(stderr, "cannot open %s\n", qPrintable(urls[i]));
    }
    pumpFor(kWarmupMs);
    const int picturesBefore = pictures;
    const double guiBefore = cpuMs(CLOCK_THREAD_CPUTIME_ID);
    const double processBefore = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
    pumpFor(seconds * 1000);
    const double gui = cpuMs(CLOCK_THREAD_CPUTIME_ID) - guiBefore;
    const double process = cpuMs(CLOCK_PROCESS_CPUTIME_ID) - processBefore;
    const int counted = pictures - picturesBefore;
    for (int i = 0; i < urls.size(); ++i)
        rtsp_stream::stop(decoders[i], threads[i], {});
    pumpFor(500);

    Figures f;
    if (counted > 0) {
        f.guiMsPerPicture = gui / counted;
        f.processMsPerPicture = process / counted;
    }
    f.picturesPerSecond = counted / double(seconds);
    return f;
}


} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("GUI thread CPU per live picture in the window's labels"));
    parser.addHelpOption();
    QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("measured seconds per run"),
                                     QStringLiteral("n"), QStringLiteral("10"));
    QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("runs of every figure (median)"),
                                  QStringLiteral("n"), QStringLiteral("3"));
    QCommandLineOption cpusOption(QStringLiteral("cpus"), QStringLiteral("CPUs this process may use (0: all)"),
                                  QStringLiteral("n"), QStringLiteral("2"));
    QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("stream size"), QStringLiteral("WxH"),
                                  QStringLiteral("1920x1080"));
    QCommandLineOption countsOption(QStringLiteral("counts"), QStringLiteral("simultaneous streams (at most 6)"),
                                    QStringLiteral("list"), QStringLiteral("1,6"));
    QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("RTSP port"), QStringLiteral("port"),
                                  QStringLiteral("18564"));
    QCommandLineOption clipsOption(QStringLiteral("keep-clips"), QStringLiteral("make and keep the clip in DIR"),
                                   QStringLiteral("dir"));
    parser.addOptions({secondsOption, runsOption, cpusOption, sizeOption, countsOption, portOption, clipsOption});
    parser.process(app);
    const int seconds = std::max(2, parser.value(secondsOption).toInt());
    const int runs = std::max(1, parser.value(runsOption).toInt());
    const int cpus = parser.value(cpusOption).toInt();
    const QSize size = bench::parseSize(parser.value(sizeOption));
    qInstallMessageHandler(bench::quiet);

    QTemporaryDir temporary;
    const QString clipDir = parser.isSet(clipsOption) ? parser.value(clipsOption) : temporary.path();
    QDir().mkpath(clipDir);
    // Every client gets its own pipeline and starts the clip from its beginning.
    const int clipSeconds = kWarmupMs / 1000 + seconds + 20;
    const QString clip = QStringLiteral("%1/clip_%2x%3_%4s.mp4").arg(clipDir).arg(size.width()).arg(size.height()).arg(clipSeconds);
    QString error;
    if (!QFile::exists(clip) && !RtspServerProcess::makeClip(clip, size, kFps, clipSeconds, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    RtspServerProcess server;
    RtspServerProcess::Options options;
    options.port = quint16(parser.value(portOption).toUInt());
    options.clip = clip;
    if (!server.start(options)) {
        std::fprintf(stderr, "%s\n", qPrintable(server.errorString()));
        return 1;
    }
    if (cpus > 0)
        bench::pinToCpus(cpus);

    std::printf("%dx%d H.264 at %d fps into the form's camera labels (%s platform), %d s after %d s warm-up, "
                "median of %d runs, on %s CPU(s):\n\n"
                "| streams | window | pictures/s | GUI thread CPU ms/picture (runs) | process CPU ms/picture |\n"
                "|---|---|---|---|---|\n",
                size.width(), size.height(), kFps, qPrintable(QGuiApplication::platformName()), seconds,
                kWarmupMs / 1000, runs, cpus > 0 ? qPrintable(QString::number(cpus)) : "all");
    std::fflush(stdout);
    for (const QString &countText : parser.value(countsOption).split(',')) {
        const int count = std::clamp(countText.toInt(), 1, 6);
        QStringList urls;
        for (int i = 0; i < count; ++i)
            urls << server.url(1 + i % 5);
        QVector<double> gui[2], process[2], rate[2];
        for (int r = 0; r < runs; ++r) {
            for (int shown = 0; shown < 2; ++shown) {
                const Figures f = run(urls, seconds, shown == 1);
                gui[shown] << f.guiMsPerPicture;
                process[shown] << f.processMsPerPicture;
                rate[shown] << f.picturesPerSecond;
            }
        }
        for (int shown = 0; shown < 2; ++shown) {
            QStringList each;
            for (double v : gui[shown])
                each << QString::number(v, 'f', 3);
            std::printf("| %d | %s | %.1f | %.3f (%s) | %.2f |\n", count,
                        shown ? "shown, teacher tab" : "hidden", median(rate[shown]), median(gui[shown]),
                        qPrintable(each.join(QStringLiteral(", "))), median(process[shown]));
            std::fflush(stdout);
        }
    }
    server.stop();
    return 0;
}
