#include "detection/yolo.h"

#include "detection/yolo_decode.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <opencv2/imgproc.hpp>

#include <cstdio>
#include <cstring>
#include <sstream>

namespace {
constexpr const char kDefaultModel[] = "./Zerorod.onnx";
// A class list names a few classes (80 names take well under 1 KiB); a larger file is not one,
// and it is read before main(), where a huge one would cost memory and time before any window.
constexpr qint64 kMaxClassListBytes = 64 * 1024;

QString native_path(const std::string &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(QString::fromStdString(path))));
}
} // namespace

YOLO::YOLO()
{
    qDebug("Net use default");
    read_class_names();
    load_model(kDefaultModel);
    if (has_model())
        qDebug("model loaded.");
}

YOLO::YOLO(const YoloConfig &config)
{
    qDebug("Net use %s", config.model_name.c_str());
    conf_threshold = config.conf_threshold;
    nms_threshold = config.nms_threshold;
    obj_threshold = config.obj_threshold;
    std::strncpy(model_name, config.model_name.c_str(), sizeof model_name - 1);
    read_class_names();
    load_model(config.model_name + ".onnx");
}

void YOLO::read_class_names()
{
    const QString path = QString::fromStdString(class_file);
    const QFileInfo info(path);
    if (!info.exists())
        return; // no class list: nothing is detected, as with an empty one
    // Only a plain file: opening a pipe would wait for a writer before main().
    if (!info.isFile())
        class_error = QStringLiteral("it is not a file");
    else if (info.size() > kMaxClassListBytes)
        class_error = QStringLiteral("it holds %1 bytes, more than the %2 of a class list")
                          .arg(info.size())
                          .arg(kMaxClassListBytes);
    QFile file(path);
    QByteArray text;
    if (class_error.isEmpty() && file.open(QIODevice::ReadOnly)) {
        // The size can change between the look and the read: the read itself is bounded too.
        text = file.read(kMaxClassListBytes + 1);
        if (text.size() > kMaxClassListBytes)
            class_error = QStringLiteral("it holds more than the %1 bytes of a class list").arg(kMaxClassListBytes);
    }
    if (!class_error.isEmpty()) {
        qWarning().noquote() << "YOLO:: class list not read:" << path << class_error;
        return;
    }
    std::istringstream lines(text.toStdString());
    std::string line;
    while (std::getline(lines, line))
        class_names.push_back(line);
}

void YOLO::load_model(const std::string &path)
{
    model_path = path;
    // Built before main(): a missing or broken model must not end the process, so the log,
    // the lock and the windows still come up without the detector.
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists()) {
        model_missing = true;
        load_error = QStringLiteral("the file does not exist");
    } else if (!info.isFile()) {
        load_error = QStringLiteral("it is not a file"); // a pipe would wait for a writer before main()
    } else if (info.size() == 0) {
        load_error = QStringLiteral("the file is empty");
    } else {
        try {
            net = cv::dnn::readNetFromONNX(path);
        } catch (const cv::Exception &e) {
            net = cv::dnn::Net();
            load_error = QString::fromStdString(e.err).trimmed();
        }
        if (net.empty() && load_error.isEmpty())
            load_error = QStringLiteral("the file holds no network");
    }
    if (!load_error.isEmpty())
        qWarning().noquote() << "YOLO:: model not loaded:" << QString::fromStdString(path) << load_error;
}

QString YOLO::load_state() const
{
    const QString model = QString::fromStdString(model_path);
    const QString list = QString::fromStdString(class_file);
    const QString classes = class_error.isEmpty()
                                ? QStringLiteral("%1 class names from %2").arg(class_names.size()).arg(list)
                                : QStringLiteral("class list %1 not read: %2").arg(list, class_error);
    if (!has_model())
        return QStringLiteral("YOLO: model %1 not loaded: %2; %3").arg(model, load_error, classes);
    return QStringLiteral("YOLO: model %1 loaded, %2").arg(model, classes);
}

QString YOLO::unusable_message() const
{
    const QString model = native_path(model_path);
    if (model_missing)
        return QCoreApplication::translate("MainWindow",
                                           "No detection model was found at %1. Copy the model there "
                                           "and restart the program to use the AI detection.")
            .arg(model);
    if (!has_model())
        return QCoreApplication::translate("MainWindow",
                                           "The detection model %1 could not be loaded: %2. Replace it "
                                           "and restart the program to use the AI detection.")
            .arg(model, load_error);
    if (!class_error.isEmpty())
        return QCoreApplication::translate("MainWindow",
                                           "The class list %1 could not be read: %2. Replace it "
                                           "and restart the program to use the AI detection.")
            .arg(native_path(class_file), class_error);
    return {};
}

QString YOLO::detect_failure_message() const
{
    switch (last_detect_failure) {
    case DetectFailure::NoModel:
        return unusable_message();
    case DetectFailure::Forward:
        return QCoreApplication::translate("MainWindow",
                                           "The detection model %1 could not be run: %2. The regions "
                                           "were left as they were.")
            .arg(native_path(model_path), detect_error);
    case DetectFailure::Mismatch:
        return QCoreApplication::translate("MainWindow",
                                           "The detection model %1 does not fit the class list %2: %3. "
                                           "The regions were left as they were.")
            .arg(native_path(model_path), native_path(class_file), detect_error);
    case DetectFailure::None:
    case DetectFailure::UnusablePicture:
        break;
    }
    return {};
}

std::vector<DetRes> YOLO::detect_failed(DetectFailure reason, const QString &detail)
{
    last_detect_failure = reason;
    detect_error = detail;
    return {};
}

void YOLO::sigmoid(cv::Mat *out, int length)
{
    yolo_decode::sigmoid(reinterpret_cast<float *>(out->data), length);
}

std::vector<DetRes> YOLO::detect(cv::Mat &frame)
{
    last_detect_failure = DetectFailure::None;
    detect_error.clear();
    if (!has_model()) {
        qWarning().noquote() << "YOLO::detect no model:" << QString::fromStdString(model_path);
        return detect_failed(DetectFailure::NoModel, load_error);
    }
    if (frame.empty() || frame.type() != CV_8UC3) {
        qWarning() << "YOLO::detect unusable picture: empty or not 8-bit 3-channel, type"
                   << frame.type() << "size" << frame.cols << "x" << frame.rows;
        return detect_failed(DetectFailure::UnusablePicture, QString());
    }
    std::vector<cv::Mat> outs;
    std::vector<cv::String> names;
    try {
        const cv::Mat blob = cv::dnn::blobFromImage(frame, 1 / 255.0, cv::Size(input_width, input_height),
                                                    cv::Scalar(0, 0, 0), true, false, CV_32F);
        net.setInput(blob, "", 1.0, cv::Scalar());
        names = net.getUnconnectedOutLayersNames();
        net.forward(outs, names);
    } catch (const cv::Exception &e) {
        qWarning().noquote() << "YOLO::detect forward failed:" << QString::fromStdString(e.what()).trimmed();
        return detect_failed(DetectFailure::Forward, QString::fromStdString(e.err).trimmed());
    }

    yolo_decode::Layout layout;
    std::memcpy(layout.anchors, anchors, sizeof anchors);
    std::memcpy(layout.strides, strides, sizeof strides);
    layout.input_width = input_width;
    layout.input_height = input_height;
    layout.conf_threshold = conf_threshold;
    layout.obj_threshold = obj_threshold;
    const int class_count = static_cast<int>(class_names.size());

    // Each level is found by its grid: the network lists its outputs in an order of its own.
    std::vector<yolo_decode::OutputShape> shapes;
    bool all_float = true;
    for (std::size_t i = 0; i < outs.size(); ++i) {
        const cv::Mat &out = outs[i];
        shapes.push_back({i < names.size() ? QString::fromStdString(names[i]) : QString::number(i),
                          std::vector<int>(out.size.p, out.size.p + out.dims)});
        all_float = all_float && out.depth() == CV_32F && out.channels() == 1 && out.isContinuous();
    }
    const yolo_decode::OutputMatch match = yolo_decode::match_outputs(layout, shapes, class_count);
    QString mismatch = match.error;
    if (match.fits() && !all_float)
        mismatch = QStringLiteral("outputs that are not continuous 32-bit floats");
    if (!mismatch.isEmpty()) {
        qWarning().noquote() << "YOLO::detect model does not fit the class list:" << mismatch
                             << "in" << QString::fromStdString(class_file);
        return detect_failed(DetectFailure::Mismatch, mismatch);
    }

    std::vector<DetRes> result;
    const float ratio_h = float(frame.rows) / input_height;
    const float ratio_w = float(frame.cols) / input_width;
    std::vector<yolo_decode::Candidate> candidates;
    for (int level = 0; level < yolo_decode::kLevels; ++level)
        yolo_decode::decode_level(layout, level, outs[match.output[level]].ptr<float>(), class_count, ratio_w,
                                  ratio_h, candidates);

    std::vector<cv::Rect> boxes;
    std::vector<float> confidences;
    for (const yolo_decode::Candidate &c : candidates) {
        boxes.emplace_back(c.x, c.y, c.width, c.height);
        confidences.push_back(c.confidence);
    }
    std::vector<int> indices;
    cv::dnn::NMSBoxes(boxes, confidences, conf_threshold, nms_threshold, indices, 1.0f, 0);
    qDebug() << "indices.size():" << indices.size();
    for (int idx : indices) {
        const cv::Rect &box = boxes[idx];
        result.push_back(DetRes{box, confidences[idx], candidates[idx].class_id});
        qDebug() << "YOLO::classIds[idx]:" << candidates[idx].class_id << "-->confidences[idx]:"
                 << confidences[idx] << "-->box.x:" << box.x << "-->box.y:" << box.y
                 << "-->box.x + box.width:" << box.x + box.width
                 << "-->box.y + box.height:" << box.y + box.height;
        drawPred(candidates[idx].class_id, confidences[idx], box.x, box.y, box.x + box.width,
                 box.y + box.height, frame);
    }
    return result;
}

void YOLO::drawPred(int classId, float conf, int left, int top, int right, int bottom, cv::Mat &frame)
{
    cv::rectangle(frame, cv::Point(left, top), cv::Point(right, bottom), cv::Scalar(0, 0, 255), 3, 8);
    char score[32];
    std::snprintf(score, sizeof score, "%.2f", conf);
    const std::string name = classId >= 0 && classId < int(class_names.size()) ? class_names[classId]
                                                                                 : std::string();
    const std::string label = name + ":" + score;
    int baseline = 0;
    const cv::Size size = cv::getTextSize(label, cv::FONT_HERSHEY_SIMPLEX, 0.5, 1, &baseline);
    top = std::max(top, size.height);
    cv::putText(frame, label, cv::Point(left, top), cv::FONT_HERSHEY_SIMPLEX, 0.75, cv::Scalar(0, 255, 0), 1, 8,
                false);
}
