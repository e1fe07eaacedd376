// Detection and image registration, milliseconds per picture, beside OpenCV's own cv::dnn
// forward pass of the same model (blob, setInput, forward: the floor under any detector).
//
//   build/bench/detection_bench [--runs 40] [--model FILE.onnx --names FILE]
//
// Without --model the bench runs two models it makes: "sized", a network of a deployed
// detector's size with random weights (make_bench_model.py: about 9 M weights, 6.7 GFLOP a
// picture, the detector's three outputs), and "test", the tests' model (make_model.py: a pool and
// a 1x1 convolution per level), whose forward pass is next to nothing, so detect minus its floor
// is the decoding's own cost. The forward pass and detect run in turns; every figure is the
// median of --runs runs, first with all CPUs, then with every thread of the process (OpenCV's
// workers included) pinned to 2 CPUs; the bench prints how many threads could still run beyond
// them (none when the rows say what they measure).
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
#include <memory>

namespace {

double elapsed_ms(const std::function<void()> &run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return timer.nsecsElapsed() / 1e6;
}

double median_ms(int runs, const std::function<void()> &run)
{
    run(); // warm-up: the first forward pass allocates the network's buffers
    QVector<double> ms;
    for (int i = 0; i < runs; ++i)
        ms.push_back(elapsed_ms(run));
    return bench::median(ms);
}

struct Paired {
    double a;
    double b;
    double b_minus_a; // the median of the runs' differences
};

// a and b taken in turns, so that the machine's other work weighs on both alike.
Paired paired_ms(int runs, const std::function<void()> &a, const std::function<void()> &b)
{
    a(); // warm-up
    b();
    QVector<double> as, bs, diffs;
    for (int i = 0; i < runs; ++i) {
        as.push_back(elapsed_ms(a));
        bs.push_back(elapsed_ms(b));
        diffs.push_back(bs.back() - as.back());
    }
    return {bench::median(as), bench::median(bs), bench::median(diffs)};
}

struct Model {
    QString name;
    QString about; // its size, and what building the detector on it cost
    std::unique_ptr<YOLO> yolo;
};

// Writes the class list and runs the script (with its arguments) into folder, then builds the
// detector there, as it reads "./Zerorod.onnx" and "coco.names" from the working folder.
bool make_model(const QString &folder, const QStringList &script, Model &model)
{
    QDir().mkpath(folder);
    QDir::setCurrent(folder);
    QFile list("coco.names");
    if (!list.open(QIODevice::WriteOnly) || list.write("screen\nboard\n") < 0)
        return false;
    list.close();
    QProcess python;
    python.start("/usr/bin/python3", script);
    if (!python.waitForFinished(120000) || python.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(script[0]), python.readAllStandardError().constData());
        return false;
    }
    const QByteArray said = python.readAllStandardOutput().trimmed();
    if (!said.isEmpty())
        model.about = QString::fromUtf8(said) + "; ";
    // What the start's reading thread costs: the class list read and the model loaded.
    QElapsedTimer built;
    built.start();
    model.yolo.reset(new YOLO);
    const bool read = model.yolo->has_model();
    model.about += QString::asprintf("the class list and the model read in %.0f ms", built.nsecsElapsed() / 1e6);
    return read;
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
    std::vector<Model> models;
    if (parser.isSet("model")) {
        const QString model = QFileInfo(parser.value("model")).absoluteFilePath();
        const QString names = QFileInfo(parser.value("names")).absoluteFilePath();
        QDir::setCurrent(dir.path());
        QFile::copy(model, "Zerorod.onnx");
        QFile::copy(names, "coco.names");
        models.push_back({QFileInfo(model).fileName(), QString(), std::make_unique<YOLO>()});
    } else {
        const QString cells = "[{\"level\":0,\"anchor\":0,\"row\":10,\"col\":20,\"logits\":{\"0\":0,\"1\":0,\"2\":0,"
                              "\"3\":0,\"4\":3,\"6\":3}},{\"level\":2,\"anchor\":1,\"row\":6,\"col\":6,\"logits\":"
                              "{\"0\":0,\"1\":0,\"2\":0,\"3\":0,\"4\":3,\"5\":2}}]";
        models.resize(2);
        models[0].name = "sized";
        models[1].name = "test";
        if (!make_model(dir.path() + "/sized", {CORVANE_MAKE_BENCH_MODEL, "Zerorod.onnx", "2"}, models[0])
            || !make_model(dir.path() + "/test", {CORVANE_MAKE_MODEL, "Zerorod.onnx", "2", "3", cells}, models[1]))
            return 1;
    }
    qInstallMessageHandler(bench::quiet);
    for (const Model &model : models) {
        if (!model.yolo->has_model()) {
            std::fprintf(stderr, "%s: no model\n", qPrintable(model.name));
            return 1;
        }
        std::printf("model %s: %s\n", qPrintable(model.name), qPrintable(model.about));
    }
    const int all = cv::getNumberOfCPUs();
    const cv::Size sizes[] = {cv::Size(1920, 1080), cv::Size(480, 270)};

    std::printf("\n| model | CPUs | picture | cv::dnn forward (floor) ms | detect ms | detect - floor ms (median of pairs) | boxes |\n"
                "|---|---|---|---|---|---|---|\n");
    QStringList pinned; // how many threads ran on more CPUs than their rows say
    for (int cpus : {all, 2}) {
        bench::pinToCpus(cpus);
        cv::setNumThreads(cpus);
        for (const Model &model : models) {
            YOLO &yolo = *model.yolo;
            for (cv::Size size : sizes) {
                const cv::Mat frame = textured_scene::view(size.width, size.height, 0, 0, 1);
                cv::Mat picture = frame.clone(); // detect draws into it; the drawing is part of the cost
                std::size_t boxes = 0;
                const auto forward = [&] {
                    const cv::Mat blob = cv::dnn::blobFromImage(frame, 1 / 255.0, cv::Size(416, 416), cv::Scalar(),
                                                                true, false, CV_32F);
                    yolo.net.setInput(blob);
                    std::vector<cv::Mat> outs;
                    yolo.net.forward(outs, yolo.net.getUnconnectedOutLayersNames());
                };
                const Paired ms = paired_ms(runs, forward, [&] { boxes = yolo.detect(picture).size(); });
                std::printf("| %s | %d | %dx%d | %.2f | %.2f | %.2f | %zu%s |\n", qPrintable(model.name), cpus,
                            size.width, size.height, ms.a, ms.b, ms.b_minus_a, boxes,
                            yolo.detect_failure() == DetectFailure::None ? "" : " (failed)");
                std::fflush(stdout);
            }
        }
        // Checked once the rows have run, so that threads started meanwhile count too.
        pinned << QString::asprintf("%d CPUs: %d threads, %d of them able to run beyond CPU %d", cpus,
                                    int(bench::processThreads().size()), bench::threadsBeyond(cpus), cpus - 1);
    }
    std::printf("\n%s\n", qPrintable(pinned.join("; ")));

    std::printf("\n| CPUs | picture | registration ms |\n|---|---|---|\n");
    YOLO registration{YOLO::RegistrationOnly{}};
    for (int cpus : {all, 2}) {
        bench::pinToCpus(cpus);
        cv::setNumThreads(cpus);
        for (cv::Size size : sizes) {
            const cv::Mat frame = textured_scene::view(size.width, size.height, 0, 0, 1);
            const cv::Mat closeup = textured_scene::view(size.width, size.height, 120, 60, 1.5);
            bool registered = true;
            const double ms = median_ms(std::max(1, runs / 4), [&] {
                cv::Mat a = frame.clone(), b = closeup.clone();
                std::vector<float> out;
                registered = registration.image_registration(a, b, out) && registered;
            });
            std::printf("| %d | %dx%d | %.1f%s |\n", cpus, size.width, size.height, ms, registered ? "" : " (failed)");
            std::fflush(stdout);
        }
    }
    return 0;
}
