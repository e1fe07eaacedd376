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
#include <system_error>

namespace {
constexpr const char kDefaultModel[] = "./Zerorod.onnx";
// A class list names a few classes (80 names take well under 1 KiB); a larger file is not one,
// and a huge one would cost memory and time for nothing.
constexpr qint64 kMaxClassListBytes = 64 * 1024;

QString native_path(const std::string &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(QString::fromStdString(path))));
}
} // namespace

YOLO::YOLO()
    : YOLO(LoadHold())
{
}

YOLO::YOLO(LoadHold hold)
{
    qDebug("Net use default");
    model_path = kDefaultModel;
    start_load(std::move(hold));
}

YOLO::YOLO(const YoloConfig &config)
{
    qDebug("Net use %s", config.model_name.c_str());
    conf_threshold = config.conf_threshold;
    nms_threshold = config.nms_threshold;
    obj_threshold = config.obj_threshold;
    std::strncpy(model_name, config.model_name.c_str(), sizeof model_name - 1);
    model_path = config.model_name + ".onnx";
    start_load(LoadHold());
}

YOLO::YOLO(RegistrationOnly)
    : m_loaded(true)
{
}

YOLO::~YOLO()
{
    // The read cannot be cut short; the object it fills must outlive it.
    if (m_loader.joinable())
        m_loader.join();
}

void YOLO::start_load(LoadHold hold)
{
    try {
        m_loader = std::thread([this, hold = std::move(hold)] { load(hold); });
    } catch (const std::system_error &e) {
        // No thread to be had: read here, as a start without the detector's thread still starts.
        qWarning() << "YOLO:: no thread to read the model beside the start:" << e.what();
        load(LoadHold());
    }
}

void YOLO::load(const LoadHold &hold)
{
    if (hold)
        hold();
    QStringList warnings;
    read_class_names(warnings);
    load_model(warnings);
    // The lines go out with the end of the read, under the lock that stop_load_log takes: a log
    // being taken down meanwhile waits for them, and gets none afterwards.
    std::lock_guard<std::mutex> lock(m_load_mutex);
    if (m_load_log) {
        for (const QString &warning : warnings)
            qWarning().noquote() << warning;
        if (model_read)
            qDebug("model loaded.");
        if (m_state_wanted)
            qDebug().noquote() << state_text();
    }
    m_state_wanted = false;
    m_loaded = true;
    m_load_done.notify_all();
}

bool YOLO::loaded() const
{
    std::lock_guard<std::mutex> lock(m_load_mutex);
    return m_loaded;
}

void YOLO::wait_loaded() const
{
    std::unique_lock<std::mutex> lock(m_load_mutex);
    m_load_done.wait(lock, [this] { return m_loaded; });
}

bool YOLO::has_model() const
{
    wait_loaded();
    return model_read;
}

void YOLO::log_load_state()
{
    std::lock_guard<std::mutex> lock(m_load_mutex);
    m_load_log = true;
    m_state_wanted = !m_loaded;
    if (m_loaded)
        qDebug().noquote() << state_text();
    else
        qDebug().noquote() << "YOLO: model" << QString::fromStdString(model_path) << "being read beside the start";
}

void YOLO::stop_load_log()
{
    std::lock_guard<std::mutex> lock(m_load_mutex);
    m_load_log = false;
    m_state_wanted = false;
}

void YOLO::read_class_names(QStringList &warnings)
{
    const QString path = QString::fromStdString(class_file);
    const QFileInfo info(path);
    if (!info.exists())
        return; // no class list: nothing is detected, as with an empty one
    // Only a plain file: opening a pipe would wait for a writer for ever.
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
        warnings << QStringLiteral("YOLO:: class list not read: %1 %2").arg(path, class_error);
        return;
    }
    std::istringstream lines(text.toStdString());
    std::string line;
    while (std::getline(lines, line))
        class_names.push_back(line);
}

void YOLO::load_model(QStringList &warnings)
{
    // A missing or broken model must not end the process, so the log, the lock and the windows
    // still come up without the detector.
    const QFileInfo info(QString::fromStdString(model_path));
    if (!info.exists()) {
        model_missing = true;
        load_error = QStringLiteral("the file does not exist");
    } else if (!info.isFile()) {
        load_error = QStringLiteral("it is not a file"); // a pipe would wait for a writer for ever
    } else if (info.size() == 0) {
        load_error = QStringLiteral("the file is empty");
    } else {
        try {
            net = cv::dnn::readNetFromONNX(model_path);
        } catch (const cv::Exception &e) {
            net = cv::dnn::Net();
            load_error = QString::fromStdString(e.err).trimmed();
        } catch (const std::exception &e) {
            net = cv::dnn::Net(); // out of memory on a huge file, a parser's own exception
            load_error = QString::fromLocal8Bit(e.what()).trimmed();
        }
        if (net.empty() && load_error.isEmpty())
            load_error = QStringLiteral("the file holds no network");
    }
    model_read = !net.empty();
    if (!load_error.isEmpty())
        warnings << QStringLiteral("YOLO:: model not loaded: %1 %2").arg(QString::fromStdString(model_path), load_error);
}

QString YOLO::load_state() const
{
    wait_loaded();
    return state_text();
}

QString YOLO::state_text() const
{
    const QString model = QString::fromStdString(model_path);
    const QString list = QString::fromStdString(class_file);
    const QString classes = class_error.isEmpty()
                                ? QStringLiteral("%1 class names from %2").arg(class_names.size()).arg(list)
                                : QStringLiteral("class list %1 not read: %2").arg(list, class_error);
    if (!model_read)
        return QStringLiteral("YOLO: model %1 not loaded: %2; %3").arg(model, load_error, classes);
    return QStringLiteral("YOLO: model %1 loaded, %2").arg(model, classes);
}

QString YOLO::unusable_message() const
{
    wait_loaded();
    const QString model = native_path(model_path);
    if (model_missing)
        return QCoreApplication::translate("MainWindow",
                                           "No detection model was found at %1. Copy the model there "
                                           "and restart the program to use the AI detection.")
            .arg(model);
    if (!model_read)
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
    // Asked for before the start's read of the model has ended: this (worker) thread waits for it.
    if (!loaded())
        qDebug().noquote() << "YOLO::detect waits for the model to be read:" << QString::fromStdString(model_path);
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
    wait_loaded(); // the class names
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
