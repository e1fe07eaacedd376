// Detection and image registration, milliseconds per picture, beside OpenCV's own cv::dnn
// forward pass of the same model (blob, setInput, forward: the floor under any detector).
//
//   build/bench/detection_bench [--runs 40] [--model FILE.onnx --names FILE]
//
// Without --model the bench makes a model of the detector's shape with make_model.py (two
// classes, a few known detections). Every figure is the median of --runs runs, first with all
// CPUs, then with the process and OpenCV's threads pinned to 2 CPUs.
#include "bench_support.h"
#include "detection/yolo.h"
#include "textured_scene.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <opencv2/core/utility.hpp>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double median_ms(int runs, const std::function<void()> &run)
{
    run(); // warm-up: the first forward pass allocates the network's buffers
    QVector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return bench::median(ms);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"runs", "Runs per figure.", "n", "40"});
    parser.addOption({"model", "An ONNX model of the detector's shape.", "file"});
    parser.addOption({"names", "Its class list.", "file"});
    parser.process(app);
    const int runs = std::max(1, parser.value("runs").toInt());

    QTemporaryDir dir;
    const QString model = parser.isSet("model") ? QFileInfo(parser.value("model")).absoluteFilePath() : QString();
    const QString names = parser.isSet("names") ? QFileInfo(parser.value("names")).absoluteFilePath() : QString();
    QDir::setCurrent(dir.path());
    if (model.isEmpty()) {
        QFile list("coco.names");
        list.open(QIODevice::WriteOnly);
        list.write("screen\nboard\n");
        list.close();
        const QString cells = "[{\"level\":0,\"anchor\":0,\"row\":10,\"col\":20,\"logits\":{\"0\":0,\"1\":0,\"2\":0,"
                              "\"3\":0,\"4\":3,\"6\":3}},{\"level\":2,\"anchor\":1,\"row\":6,\"col\":6,\"logits\":"
                              "{\"0\":0,\"1\":0,\"2\":0,\"3\":0,\"4\":3,\"5\":2}}]";
        if (QProcess::execute("/usr/bin/python3", {CORVANE_MAKE_MODEL, "Zerorod.onnx", "2", "3", cells}) != 0) {
            std::fprintf(stderr, "make_model.py failed\n");
            return 1;
        }
    } else {
        QFile::copy(model, "Zerorod.onnx");
        QFile::copy(names, "coco.names");
    }
    qInstallMessageHandler(bench::quiet);
    YOLO yolo;
    if (!yolo.has_model()) {
        std::fprintf(stderr, "no model\n");
        return 1;
    }
    const int all = cv::getNumberOfCPUs();
    std::printf("| CPUs | picture | cv::dnn forward (floor) ms | detect ms | registration ms |\n|---|---|---|---|---|\n");
    for (int cpus : {all, 2}) {
        bench::pinToCpus(cpus);
        cv::setNumThreads(cpus);
        for (cv::Size size : {cv::Size(1920, 1080), cv::Size(480, 270)}) {
            const cv::Mat frame = textured_scene::view(size.width, size.height, 0, 0, 1);
            const cv::Mat closeup = textured_scene::view(size.width, size.height, 120, 60, 1.5);
            const double floor = median_ms(runs, [&] {
                const cv::Mat blob = cv::dnn::blobFromImage(frame, 1 / 255.0, cv::Size(416, 416), cv::Scalar(), true,
                                                            false, CV_32F);
                yolo.net.setInput(blob);
                std::vector<cv::Mat> outs;
                yolo.net.forward(outs, yolo.net.getUnconnectedOutLayersNames());
            });
            cv::Mat picture = frame.clone(); // detect draws into it; the drawing is part of the cost
            const double detect = median_ms(runs, [&] { yolo.detect(picture); });
            bool registered = true;
            const double registration = median_ms(std::max(1, runs / 4), [&] {
                cv::Mat a = frame.clone(), b = closeup.clone();
                std::vector<float> out;
                registered = yolo.image_registration(a, b, out) && registered;
            });
            std::printf("| %d | %dx%d | %.2f | %.2f | %.1f%s |\n", cpus, size.width, size.height, floor, detect,
                        registration, registered ? "" : " (failed)");
            std::fflush(stdout);
        }
    }
    return 0;
}
