// Whether the close-up picture came back to where it was: corner features of the standard
// picture tracked into the moved picture by pyramidal Lucas-Kanade optical flow.
#include "detection/scene_change.h"
#include "detection/yolo.h"
#include "video/picture_file.h"

#include <QDebug>

#include <opencv2/imgproc.hpp>
#include <opencv2/video/tracking.hpp>

#include <cmath>

namespace {
constexpr int kMaxCorners = 50;
constexpr int kMinTracked = 6; // fewer cannot tell a move from noise
constexpr int kDebugJpegQuality = 95; // OpenCV's own default, as these pictures were always written
} // namespace

int YOLO::detectSceneChange(cv::Mat &standard_img, cv::Mat &move_img, int threshold, bool debug)
{
    return scene_change::detect(standard_img, move_img, threshold, debug);
}

int scene_change::detect(cv::Mat &standard_img, cv::Mat &move_img, int threshold, bool debug)
{
    // The standard picture comes from a file and the moved one from a capture: either may be
    // missing or of another kind, and the compensation then has to retake it, not stop.
    if (standard_img.empty() || move_img.empty() || standard_img.type() != CV_8UC3
        || move_img.type() != CV_8UC3 || standard_img.size() != move_img.size()) {
        qWarning() << "YOLO::detectSceneChange unusable pictures: standard" << standard_img.cols << "x"
                   << standard_img.rows << "type" << standard_img.type() << ", moved" << move_img.cols << "x"
                   << move_img.rows << "type" << move_img.type();
        return -1;
    }
    std::vector<cv::Point2f> old_points, new_points;
    std::vector<uchar> status;
    try {
        cv::Mat standard_gray, move_gray;
        cv::cvtColor(standard_img, standard_gray, cv::COLOR_BGR2GRAY);
        cv::cvtColor(move_img, move_gray, cv::COLOR_BGR2GRAY);
        cv::goodFeaturesToTrack(standard_gray, old_points, kMaxCorners, 0.01, 10.0, cv::noArray(), 3, false, 0.04);
        if (!old_points.empty()) {
            std::vector<float> err;
            cv::calcOpticalFlowPyrLK(standard_gray, move_gray, old_points, new_points, status, err, cv::Size(50, 50),
                                     3, cv::TermCriteria(cv::TermCriteria::COUNT | cv::TermCriteria::EPS, 30, 0.01),
                                     0, 1e-4);
        }
    } catch (const cv::Exception &e) {
        qWarning().noquote() << "YOLO::detectSceneChange OpenCV failed:" << QString::fromStdString(e.what()).trimmed();
        return -1;
    }

    int count = 0;
    int sum_x = 0;
    int sum_y = 0;
    for (std::size_t i = 0; i < status.size(); ++i) {
        if (status[i] == 0) {
            qDebug("unvalid point: %d ", int(i));
            continue;
        }
        ++count;
        sum_x = static_cast<int>(sum_x + std::fabs(new_points[i].x - old_points[i].x));
        sum_y = static_cast<int>(sum_y + std::fabs(new_points[i].y - old_points[i].y));
        if (debug) {
            const cv::Point from(cvRound(old_points[i].x), cvRound(old_points[i].y));
            const cv::Point to(cvRound(new_points[i].x), cvRound(new_points[i].y));
            cv::circle(move_img, from, 2, cv::Scalar(0, 255, 0), 2, 8);
            cv::circle(standard_img, from, 2, cv::Scalar(0, 255, 0), 2, 8);
            cv::circle(move_img, to, 2, cv::Scalar(0, 0, 255), 2);
            cv::line(move_img, from, to, cv::Scalar(255, 0, 0), 1, 8);
        }
    }
    if (count < kMinTracked) {
        qWarning("need to change scene: %d", count);
        return -1;
    }
    const float average_x = float(sum_x) / count;
    const float average_y = float(sum_y) / count;
    if (debug) {
        qDebug("average_move_x = %0.2f, average_move_y = %0.2f", average_x, average_y);
        picture_file::write(standard_img, QStringLiteral("./0standardImg.jpg"), "JPG", kDebugJpegQuality);
        picture_file::write(move_img, QStringLiteral("./0moveImg.jpg"), "JPG", kDebugJpegQuality);
    }
    if (average_x > float(threshold) || average_y > float(threshold))
        return 1;
    return 0;
}
