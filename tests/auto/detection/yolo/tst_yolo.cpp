// The detector on real ONNX models made by make_model.py: every output value is a known logit,
// so the boxes the detector must report follow from the decoding alone.
#include "detection/yolo.h"
#include "generated_model.h"
#include "held_load.h"
#include "log_capture.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QtTest>

#include <atomic>
#include <cmath>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(cv::Mat)

namespace {
using generated_model::cell;

float squash(double logit) { return float(1.0 / (1.0 + std::exp(-logit))); }

QString nan_x(QString cell) { return cell.replace("\"0\":0", "\"0\":NaN"); }

void write_names(int count)
{
    QFile names("coco.names");
    QVERIFY(names.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int i = 0; i < count; ++i)
        names.write(QByteArray("class") + QByteArray::number(i) + '\n');
}

// found against "class:x,y,w,h:logit" in confidence order, each drawn into the frame.
void compare_found(const std::vector<DetRes> &found, const QStringList &expected, const cv::Mat &frame)
{
    QCOMPARE(int(found.size()), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        const QStringList want = expected[int(i)].split(':');
        const cv::Rect &box = found[i].boxes;
        QCOMPARE(found[i].classIds, want[0].toInt());
        QCOMPARE(QString("%1,%2,%3,%4").arg(box.x).arg(box.y).arg(box.width).arg(box.height), want[1]);
        QVERIFY(std::fabs(found[i].confidences - squash(want[2].toDouble())) < 1e-5f);
        // Drawn into the picture: the red left (or right) edge.
        const int y = std::max(box.y, 0) + 30;
        QCOMPARE(frame.at<cv::Vec3b>(y, box.x >= 0 ? box.x : box.x + box.width), cv::Vec3b(0, 0, 255));
    }
}

} // namespace

class TstYolo : public QObject
{
    Q_OBJECT
private slots:
    void detect_data();
    void detect();
    void outputOrder_data();
    void outputOrder();
    void told_data();
    void told();
    void readBesideTheCaller_data();
    void readBesideTheCaller();
};

void TstYolo::detect_data()
{
    QTest::addColumn<int>("names");    // lines of coco.names
    QTest::addColumn<int>("classes");  // classes of the model
    QTest::addColumn<int>("outputs");
    QTest::addColumn<int>("channels"); // of the model's input; 0 no model file, -1 a broken one
    QTest::addColumn<cv::Mat>("frame");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("expected"); // "class:x,y,w,h:logit" in confidence order
    QTest::addColumn<QString>("log");
    const cv::Mat frame(416, 832, CV_8UC3, cv::Scalar(40, 40, 40)); // ratio_w 2, ratio_h 1
    const QStringList one{cell(2, 2, 12, 12, 3, {3, 3})}, none;
    QTest::newRow("three levels") << 2 << 2 << 3 << 3 << frame
        << QStringList{cell(0, 0, 10, 20, 2, {-5, 3}), cell(1, 2, 5, 7, 2, {2, -5}), cell(2, 1, 12, 12, 2, {1, -5})}
        << QStringList{"1:276,50,104,68:3", "0:15,-30,450,237:2", "0:235,262,1130,275:1"} << "indices.size(): 3";
    QTest::newRow("objectness 0.31 reports the class score") << 2 << 2 << 3 << 3 << frame
        << QStringList{cell(0, 0, 10, 20, std::log(0.31 / 0.69), {2.1972246, -5})}
        << QStringList{"0:276,50,104,68:2.1972246"} << "indices.size(): 1";
    QTest::newRow("objectness 0.29 gated") << 2 << 2 << 3 << 3 << frame
        << QStringList{cell(0, 0, 10, 20, std::log(0.29 / 0.71), {3, 3})} << none << "indices.size(): 0";
    QTest::newRow("class score 0.29 gated") << 2 << 2 << 3 << 3 << frame
        << QStringList{cell(0, 0, 10, 20, 3, {std::log(0.29 / 0.71), -5})} << none << "indices.size(): 0";
    QTest::newRow("equal scores keep the lower class") << 2 << 2 << 3 << 3 << frame
        << QStringList{cell(1, 0, 3, 4, 3, {2, 2})} << QStringList{"0:-12,-29,312,170:2"} << "indices.size(): 1";
    QTest::newRow("overlap suppressed") << 2 << 2 << 3 << 3 << frame
        << QStringList{cell(0, 0, 10, 20, 3, {-5, 2}), cell(0, 0, 10, 21, 3, {-5, 3})}
        << QStringList{"1:292,50,104,68:3"} << "indices.size(): 1";
    QTest::newRow("more names than classes") << 3 << 2 << 3 << 3 << frame << one << none
        << "output \"out0\" of shape 1x21x52x52 holds 21 values a cell, expected 24: 3 anchors x (3 classes + 5); "
           "output \"out1\" of shape 1x21x26x26 holds 21";
    QTest::newRow("fewer names than classes") << 1 << 2 << 3 << 3 << frame << one << none
        << "output \"out2\" of shape 1x21x13x13 holds 21 values a cell, expected 18: 3 anchors x (1 classes + 5) in "
           "coco.names";
    QTest::newRow("two outputs") << 2 << 2 << 2 << 3 << frame << none << none
        << "2 outputs (\"out0\" of shape 1x21x52x52, \"out1\" of shape 1x21x26x26), expected one for each grid "
           "52x52, 26x26, 13x13";
    QTest::newRow("no class list") << 0 << 2 << 3 << 3 << frame << one << none << "(0 classes + 5)";
    // A NaN squashes to NaN: its box would sit at INT_MIN.
    QTest::newRow("a NaN offset is dropped") << 2 << 2 << 3 << 3 << frame
        << QStringList{nan_x(cell(0, 0, 10, 20, 3, {-5, 3})), cell(1, 2, 5, 7, 2, {2, -5})}
        << QStringList{"0:15,-30,450,237:2"} << "indices.size(): 1";
    QTest::newRow("no model") << 2 << 2 << 3 << 0 << frame << none << none << "YOLO::detect no model: ./Zerorod.onnx";
    QTest::newRow("broken model") << 2 << 2 << 3 << -1 << frame << none << none << "YOLO::detect no model";
    QTest::newRow("forward fails") << 2 << 2 << 3 << 4 << frame << one << none << "YOLO::detect forward failed";
    QTest::newRow("empty picture") << 2 << 2 << 3 << 3 << cv::Mat() << one << none << "unusable picture";
    for (int type : {CV_8UC1, CV_8UC4, CV_32FC3})
        QTest::addRow("picture of type %d", type) << 2 << 2 << 3 << 3 << cv::Mat(270, 480, type, cv::Scalar(9))
                                                  << one << none << "unusable picture";
}

void TstYolo::detect()
{
    QFETCH(int, names);
    QFETCH(int, classes);
    QFETCH(int, outputs);
    QFETCH(int, channels);
    QFETCH(cv::Mat, frame);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, expected);
    QFETCH(QString, log);
    write_names(names);
    QFile::remove("Zerorod.onnx");
    if (channels > 0)
        QVERIFY(generated_model::make(classes, outputs, cells, channels));
    QFile broken("Zerorod.onnx");
    if (channels < 0)
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a model") > 0 && broken.flush());
    LogCapture capture;
    YOLO yolo;
    QCOMPARE(yolo.has_model(), channels > 0);
    QCOMPARE(capture.count("Net use default") + capture.count("model loaded."), channels > 0 ? 2 : 1);
    const QString state = yolo.load_state();
    const QString loaded = QString("YOLO: model ./Zerorod.onnx loaded, %1 class names from coco.names").arg(names);
    QVERIFY2(channels > 0 ? state == loaded
                          : state.startsWith("YOLO: model ./Zerorod.onnx not loaded: ") && !state.endsWith(": "),
             qPrintable(state));
    frame = frame.clone(); // the rows share the picture's pixels
    const std::vector<DetRes> found = yolo.detect(frame);
    QVERIFY2(capture.contains(log), qPrintable(capture.lines().join('\n')));
    compare_found(found, expected, frame);
}

void TstYolo::outputOrder_data()
{
    QTest::addColumn<QString>("outputNames"); // by level: stride 8, 16, 32
    QTest::newRow("stride 32 listed first") << "grid52,grid26,grid13";
    QTest::newRow("stride 16 listed first") << "p8,p16,p32";
}

void TstYolo::outputOrder()
{
    QFETCH(QString, outputNames);
    write_names(2);
    QVERIFY(generated_model::make(
        2, 3, {cell(0, 0, 10, 20, 2, {-5, 3}), cell(1, 2, 5, 7, 2, {2, -5}), cell(2, 1, 12, 12, 2, {1, -5})}, 3,
        outputNames));
    YOLO yolo;
    cv::Mat frame(416, 832, CV_8UC3, cv::Scalar(40, 40, 40));
    compare_found(yolo.detect(frame), {"1:276,50,104,68:3", "0:15,-30,450,237:2", "0:235,262,1130,275:1"}, frame);
}

// What the installer is told, at the press (the start-up's problems) or after the detection.
void TstYolo::told_data()
{
    QTest::addColumn<QString>("model");     // the classes of a generated model, or what lies there instead
    QTest::addColumn<QByteArray>("names");  // coco.names; "|" a pipe
    QTest::addColumn<QString>("state");     // in the log's line
    QTest::addColumn<QString>("told");      // the start of the text; %1 the model, %2 the class list
    const QByteArray two = "screen\nboard\n";
    const QString notLoaded = "The detection model %1 could not be loaded: ";
    QTest::newRow("no model file") << "none" << two << "not loaded: the file does not exist"
                                   << "No detection model was found at %1. Copy the model there and restart";
    QTest::newRow("garbage") << "garbage" << two << "not loaded: Failed to parse ONNX model"
                             << notLoaded + "Failed to parse ONNX model: ./Zerorod.onnx. Replace it and restart";
    QTest::newRow("truncated") << "truncated" << two << "not loaded: Failed" << notLoaded + "Failed to parse";
    QTest::newRow("empty file") << "empty" << two << "the file is empty" << notLoaded + "the file is empty.";
    QTest::newRow("a folder") << "folder" << two << "it is not a file" << notLoaded + "it is not a file.";
    QTest::newRow("class list of 64 KiB") << "2" << two + QByteArray(65536 - two.size() - 1, 'x') + '\n'
                                          << "loaded, 3 class names" << "The detection model %1 does not fit";
    QTest::newRow("class list a byte longer") << "2" << two + QByteArray(65536 - two.size(), 'x') + '\n'
        << "class list coco.names not read: it holds 65537 bytes"
        << "The class list %2 could not be read: it holds 65537 bytes, more than the 65536 of a class list.";
    QTest::newRow("class list a pipe") << "2" << QByteArray("|") << "class list coco.names not read: it is not a file"
                                       << "The class list %2 could not be read: it is not a file.";
    QTest::newRow("names do not fit") << "3" << two << "loaded, 2 class names"
        << "The detection model %1 does not fit the class list %2: output \"out0\" of shape 1x24x52x52 holds 24 "
           "values a cell, expected 21: 3 anchors x (2 classes + 5); output \"out1\"";
    QTest::newRow("the network cannot run") << "4 channels" << two << "loaded, 2 class names"
                                            << "The detection model %1 could not be run: ";
    QTest::newRow("all fit: nothing") << "2" << two << "loaded, 2 class names" << "";
}

void TstYolo::told()
{
    QFETCH(QString, model);
    QFETCH(QByteArray, names);
    QFETCH(QString, told);
    QDir().rmdir("Zerorod.onnx");
    QFile::remove("Zerorod.onnx");
    QFile::remove("coco.names");
    const int classes = model.section(' ', 0, 0).toInt();
    if (classes > 0 || model == "truncated")
        QVERIFY(generated_model::make(qMax(classes, 2), 3, {}, model.endsWith("channels") ? 4 : 3));
    QFile file("Zerorod.onnx");
    if (model == "truncated")
        QVERIFY(file.resize(file.size() / 2));
    if (model == "garbage" || model == "empty")
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(model == "empty" ? "" : "not a model") >= 0);
    file.close();
    if (model == "folder")
        QVERIFY(QDir().mkdir("Zerorod.onnx"));
    // A pipe's reader waits in its open for a writer: one comes while the detector is being built.
    std::atomic<bool> built{false}, written{false};
    std::thread writer;
    if (names == "|") {
        QCOMPARE(mkfifo("coco.names", 0600), 0);
        writer = std::thread([&] {
            for (int i = 0; i < 200 && !built; ++i, QThread::msleep(10)) {
                const int fd = ::open("coco.names", O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    written = ::write(fd, "x\n", 2) == 2;
                    ::close(fd);
                    return;
                }
            }
        });
    } else {
        QFile list("coco.names");
        QVERIFY(list.open(QIODevice::WriteOnly) && list.write(names) == names.size());
    }
    YOLO yolo;
    QFETCH(QString, state);
    const QString read = yolo.load_state(); // once the read has ended
    built = true;
    if (writer.joinable())
        writer.join();
    QVERIFY(!written);
    QVERIFY2(read.contains(state), qPrintable(read));
    QString said = yolo.unusable_message();
    if (said.isEmpty()) {
        cv::Mat frame(270, 480, CV_8UC3, cv::Scalar(9, 9, 9));
        yolo.detect(frame);
        said = yolo.detect_failure_message();
    }
    const auto path = [](const char *name) { return QDir::toNativeSeparators(QDir::current().absoluteFilePath(name)); };
    told.replace("%1", path("Zerorod.onnx")).replace("%2", path("coco.names"));
    QVERIFY2(told.isEmpty() ? said.isEmpty() : said.startsWith(told), qPrintable(said));
}

// The detector reads its model on a thread of its own: a detection asked for meanwhile waits for
// the read and then gives what it gives once the model is read, boxes or the installer's message.
void TstYolo::readBesideTheCaller_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QString>("told"); // the start of the message
    QTest::newRow("detections") << "cells" << 3 << "";
    QTest::newRow("no model file") << "none" << 0 << "No detection model was found at ";
    QTest::newRow("broken model") << "garbage" << 0 << "The detection model ";
}

void TstYolo::readBesideTheCaller()
{
    QFETCH(QString, model);
    write_names(2);
    QFile::remove("Zerorod.onnx");
    if (model == "cells")
        QVERIFY(generated_model::make(
            2, 3, {cell(0, 0, 10, 20, 2, {-5, 3}), cell(1, 2, 5, 7, 2, {2, -5}), cell(2, 1, 12, 12, 2, {1, -5})}));
    QFile garbage("Zerorod.onnx");
    if (model == "garbage")
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("not a model") > 0 && garbage.flush());
    LogCapture capture;
    HeldLoad held;
    YOLO yolo(held.hold());
    QVERIFY(!yolo.loaded());
    const cv::Mat picture(416, 832, CV_8UC3, cv::Scalar(40, 40, 40));
    cv::Mat early = picture.clone();
    std::vector<DetRes> found;
    std::thread asker([&] { found = yolo.detect(early); });
    auto end = qScopeGuard([&] {
        held.release();
        asker.join();
    });
    QTRY_VERIFY(capture.contains("YOLO::detect waits for the model to be read: ./Zerorod.onnx"));
    QVERIFY(!yolo.loaded());
    end.dismiss();
    held.release();
    asker.join();
    const DetectFailure failure = yolo.detect_failure();
    const QString said = yolo.detect_failure_message();
    cv::Mat late = picture.clone();
    const std::vector<DetRes> again = yolo.detect(late);
    const auto text = [](const std::vector<DetRes> &boxes) {
        QStringList t;
        for (const DetRes &d : boxes)
            t << QString("%1:%2,%3,%4,%5:%6").arg(d.classIds).arg(d.boxes.x).arg(d.boxes.y).arg(d.boxes.width)
                     .arg(d.boxes.height).arg(d.confidences);
        return t;
    };
    QTEST(int(found.size()), "boxes");
    QCOMPARE(text(found), text(again));
    QCOMPARE(cv::norm(early, late, cv::NORM_INF), 0.0); // drawn alike
    QCOMPARE(failure, yolo.detect_failure());
    QCOMPARE(said, yolo.detect_failure_message());
    QFETCH(QString, told);
    QVERIFY2(told.isEmpty() ? said.isEmpty() : said.startsWith(told), qPrintable(said));
    QCOMPARE(said, yolo.unusable_message());
}

QTEST_GUILESS_MAIN(TstYolo)
#include "tst_yolo.moc"
