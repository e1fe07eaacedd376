// The detector on real ONNX models made by make_model.py: every output value is a known logit,
// so the boxes the detector must report follow from the decoding alone.
#include "detection/yolo.h"
#include "generated_model.h"
#include "log_capture.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(cv::Mat)

namespace {
using generated_model::cell;

float squash(double logit) { return float(1.0 / (1.0 + std::exp(-logit))); }

void write_names(int count)
{
    QFile names("coco.names");
    QVERIFY(names.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int i = 0; i < count; ++i)
        names.write(QByteArray("class") + QByteArray::number(i) + '\n');
}

} // namespace

class TstYolo : public QObject
{
    Q_OBJECT
private slots:
    void detect_data();
    void detect();
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
        << "outputs of 56784,14196,3549 floats, expected 64896,16224,4056 for 3 classes in coco.names";
    QTest::newRow("fewer names than classes") << 1 << 2 << 3 << 3 << frame << one << none
        << "expected 48672,12168,3042 for 1 classes";
    QTest::newRow("two outputs") << 2 << 2 << 2 << 3 << frame << none << none
        << "outputs of 56784,14196 floats, expected 56784,14196,3549";
    QTest::newRow("no class list") << 0 << 2 << 3 << 3 << frame << one << none << "for 0 classes";
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
    if (!yolo.has_model())
        QCOMPARE(yolo.no_model_message(), QString("No detection model was found at %1. Copy the model there and restart "
                                                  "the program to use the AI detection.")
                                              .arg(QDir::toNativeSeparators(QDir::current().absoluteFilePath("Zerorod.onnx"))));
    frame = frame.clone(); // the rows share the picture's pixels
    const std::vector<DetRes> found = yolo.detect(frame);
    QVERIFY2(capture.contains(log), qPrintable(capture.lines().join('\n')));
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

QTEST_GUILESS_MAIN(TstYolo)
#include "tst_yolo.moc"
