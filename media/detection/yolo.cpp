#include "detection/yolo.h"

#include "detection/yolo_decode.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>

#include <opencv2/imgproc.hpp>

#include <cstdio>
#include <cstring>
#include <fstream>

namespace {
constexpr const char kDefaultModel[] = "./Zerorod.onnx";
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
    std::ifstream names(class_file);
    std::string line;
    while (std::getline(names, line))
        class_names.push_back(line);
}

void YOLO::load_model(const std::string &path)
{
    model_path = path;
    // Built before main(): a missing or broken model must not end the process, so the log,
    // the lock and the windows still come up without the detector.
    try {
        net = cv::dnn::readNetFromONNX(path);
    } catch (const cv::Exception &e) {
        net = cv::dnn::Net();
        load_error = QString::fromStdString(e.what()).trimmed();
        qWarning().noquote() << "YOLO:: model not loaded:" << QString::fromStdString(path) << load_error;
    }
    if (net.empty() && load_error.isEmpty())
        load_error = QStringLiteral("the file holds no network");
}

QString YOLO::load_state() const
{
    const QString model = QString::fromStdString(model_path);
    if (!has_model())
        return QStringLiteral("YOLO: model %1 not loaded: %2").arg(model, load_error);
    return QStringLiteral("YOLO: model %1 loaded, %2 class names from %3")
        .arg(model)
        .arg(class_names.size())
        .arg(QString::fromStdString(class_file));
}

QString YOLO::no_model_message() const
{
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(QString::fromStdString(model_path)));
    return QCoreApplication::translate("MainWindow",
                                       "No detection model was found at %1. Copy the model there "
                                       "and restart the program to use the AI detection.")
        .arg(QDir::toNativeSeparators(path));
}

void YOLO::sigmoid(cv::Mat *out, int length)
{
    yolo_decode::sigmoid(reinterpret_cast<float *>(out->data), length);
}

std::vector<DetRes> YOLO::detect(cv::Mat &frame)
{
    std::vector<DetRes> result;
    if (!has_model()) {
        qWarning().noquote() << "YOLO::detect no model:" << QString::fromStdString(model_path);
        return result;
    }
    if (frame.empty() || frame.type() != CV_8UC3) {
        qWarning() << "YOLO::detect unusable picture: empty or not 8-bit 3-channel, type"
                   << frame.type() << "size" << frame.cols << "x" << frame.rows;
        return result;
    }
    std::vector<cv::Mat> outs;
    try {
        const cv::Mat blob = cv::dnn::blobFromImage(frame, 1 / 255.0, cv::Size(input_width, input_height),
                                                    cv::Scalar(0, 0, 0), true, false, CV_32F);
        net.setInput(blob, "", 1.0, cv::Scalar());
        net.forward(outs, net.getUnconnectedOutLayersNames());
    } catch (const cv::Exception &e) {
        qWarning().noquote() << "YOLO::detect forward failed:" << QString::fromStdString(e.what()).trimmed();
        return result;
    }

    yolo_decode::Layout layout;
    std::memcpy(layout.anchors, anchors, sizeof anchors);
    std::memcpy(layout.strides, strides, sizeof strides);
    layout.input_width = input_width;
    layout.input_height = input_height;
    layout.conf_threshold = conf_threshold;
    layout.obj_threshold = obj_threshold;
    const int class_count = static_cast<int>(class_names.size());

    // A class list that does not match the model would make the decoding read past the outputs.
    std::vector<std::size_t> sizes;
    bool all_float = true;
    for (const cv::Mat &out : outs) {
        sizes.push_back(out.total() * out.channels());
        all_float = all_float && out.depth() == CV_32F && out.isContinuous();
    }
    QString mismatch = yolo_decode::check_outputs(layout, sizes, class_count);
    if (mismatch.isEmpty() && !all_float)
        mismatch = QStringLiteral("outputs that are not continuous 32-bit floats");
    if (!mismatch.isEmpty()) {
        qWarning().noquote() << "YOLO::detect model does not fit the class list:" << mismatch
                             << "in" << QString::fromStdString(class_file);
        return result;
    }

    const float ratio_h = float(frame.rows) / input_height;
    const float ratio_w = float(frame.cols) / input_width;
    std::vector<yolo_decode::Candidate> candidates;
    for (int level = 0; level < yolo_decode::kLevels; ++level)
        yolo_decode::decode_level(layout, level, outs[level].ptr<float>(), class_count, ratio_w, ratio_h,
                                  candidates);

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
