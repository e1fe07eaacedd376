// Registration of the close-up picture against the panorama picture: where the panorama centre
// lies in the close-up picture, from SIFT features and two affine fits.
#include "detection/yolo.h"

#include <QDateTime>
#include <QDebug>

#include <opencv2/calib3d.hpp>
#include <opencv2/features2d.hpp>
#include <opencv2/imgproc.hpp>

#include <cmath>

namespace {

// The calibration turns these pixels into angles for a 1920 by 1080 picture, so the results
// are given in its pixels whatever size the pictures come in.
constexpr float kReferenceWidth = 1920.0f;
constexpr float kReferenceHeight = 1080.0f;
constexpr int kMinMatches = 8;
constexpr std::size_t kMinPairs = 4;
constexpr float kRatio = 0.6f;

QString now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss:zzz"));
}

bool usable(const cv::Mat &picture)
{
    return picture.depth() == CV_8U
           && (picture.channels() == 1 || picture.channels() == 3 || picture.channels() == 4);
}

// The matcher needs two neighbours in the train set for every query and throws otherwise.
bool enough_to_match(const std::vector<cv::KeyPoint> &train)
{
    if (train.size() >= 2)
        return true;
    qWarning() << "YOLO::image_registration a single close-up key point cannot be matched";
    return false;
}

// Nearest matches that are clearly nearer than the second nearest. A query with a single
// neighbour (a picture with one feature) has nothing to compare with and is left out.
std::vector<cv::DMatch> ratio_test(const std::vector<std::vector<cv::DMatch>> &knn)
{
    std::vector<cv::DMatch> good;
    for (const std::vector<cv::DMatch> &m : knn) {
        if (m.size() >= 2 && m[0].distance < kRatio * m[1].distance)
            good.push_back(m[0]);
    }
    return good;
}

// Inlier pairs of the fundamental-matrix fit. Fewer than 7 pairs give no flags at all.
bool fundamental_inliers(const std::vector<cv::Point2f> &a, const std::vector<cv::Point2f> &b,
                         std::vector<cv::Point2f> &a_ok, std::vector<cv::Point2f> &b_ok)
{
    std::vector<uchar> inliers;
    cv::findFundamentalMat(a, b, cv::FM_RANSAC, 3.0, 0.99, inliers);
    if (inliers.size() != a.size())
        return false;
    for (std::size_t i = 0; i < inliers.size(); ++i) {
        if (inliers[i] != 0) {
            a_ok.push_back(a[i]);
            b_ok.push_back(b[i]);
        }
    }
    return true;
}

cv::Mat affine(const std::vector<cv::Point2f> &from, const std::vector<cv::Point2f> &to)
{
    cv::Mat m = cv::estimateAffine2D(from, to, cv::noArray(), cv::RANSAC, 3.0, 2000, 0.99, 10);
    return m.empty() || m.type() != CV_64F ? cv::Mat() : m;
}

} // namespace

bool YOLO::fail(RegistrationFailure reason)
{
    last_failure = reason;
    return false;
}

bool YOLO::image_registration(cv::Mat &overall_img, cv::Mat &closeup_img, std::vector<float> &out)
{
    // A failed call must not leave an earlier call's result behind for the caller to read.
    x_out = 0;
    y_out = 0;
    out.clear();
    if (overall_img.empty()) {
        qDebug() << "YOLO::overall_img is null";
        return fail(RegistrationFailure::NoOverall);
    }
    if (closeup_img.empty()) {
        qDebug() << "YOLO::closeup_img is null";
        return fail(RegistrationFailure::NoCloseup);
    }
    if (!usable(overall_img) || !usable(closeup_img)) {
        qWarning() << "YOLO::image_registration unusable picture types" << overall_img.type()
                   << closeup_img.type();
        return fail(RegistrationFailure::UnusablePicture);
    }
    qDebug().noquote() << "YOLO::StartTime:" << now();
    const float full_width = float(overall_img.cols);
    const float full_height = float(overall_img.rows);
    const int _width = static_cast<int>(full_width * 0.5f);
    const int _height = static_cast<int>(full_height * 0.5f);
    qDebug() << "YOLO:: _width = " << _width << ", _height = " << _height;
    if (_width < 1 || _height < 1) {
        qWarning() << "YOLO::image_registration panorama picture too small:" << overall_img.cols << "x"
                   << overall_img.rows;
        return fail(RegistrationFailure::TooSmall);
    }
    g_center_x = _width * 0.5f;
    g_center_y = _height * 0.5f;
    qDebug() << "YOLO:: g_center_x = " << g_center_x << ", g_center_y = " << g_center_y;

    try {
        cv::resize(overall_img, overall_img, cv::Size(_width, _height), 0, 0, cv::INTER_CUBIC);
        cv::resize(closeup_img, closeup_img, cv::Size(_width, _height), 0, 0, cv::INTER_CUBIC);
        qDebug().noquote() << "YOLO::CenterTime:" << now();

        cv::Ptr<cv::SIFT> sift = cv::SIFT::create(500, 3, 0.04, 10, 1.6);
        std::vector<cv::KeyPoint> keypoints1, keypoints2;
        cv::Mat descriptors1, descriptors2;
        sift->detectAndCompute(overall_img, cv::noArray(), keypoints1, descriptors1);
        sift->detectAndCompute(closeup_img, cv::noArray(), keypoints2, descriptors2);
        if (keypoints1.empty() || keypoints2.empty()) {
            qDebug("YOLO::sift key points empty\n");
            return fail(RegistrationFailure::NoKeyPoints);
        }
        qDebug() << "YOLO::keypoints1.size() =" << keypoints1.size() << "YOLO::keypoints2 =" << keypoints2.size();

        if (!enough_to_match(keypoints2))
            return fail(RegistrationFailure::NoMatches);
        cv::Ptr<cv::DescriptorMatcher> matcher = cv::DescriptorMatcher::create(cv::DescriptorMatcher::FLANNBASED);
        std::vector<std::vector<cv::DMatch>> knn;
        matcher->knnMatch(descriptors1, descriptors2, knn, 2);
        if (knn.empty()) {
            qDebug("YOLO::sift matched points is empty\n");
            return fail(RegistrationFailure::NoMatches);
        }
        if (knn.size() < std::size_t(kMinMatches)) {
            qDebug("YOLO::sift matched points is less than 8\n");
            return fail(RegistrationFailure::FewMatches);
        }
        std::vector<cv::DMatch> good_matches = ratio_test(knn);
        if (good_matches.size() < kMinPairs) {
            qDebug("YOLO::good_matches points is less than 4\n");
            return fail(RegistrationFailure::FewGoodMatches);
        }
        std::vector<cv::Point2f> overall_pts, closeup_pts;
        for (const cv::DMatch &m : good_matches) {
            overall_pts.push_back(keypoints1[m.queryIdx].pt);
            closeup_pts.push_back(keypoints2[m.trainIdx].pt);
        }
        std::vector<cv::Point2f> overall_imgPointsOk, closeup_imgPointsOk;
        if (!fundamental_inliers(overall_pts, closeup_pts, overall_imgPointsOk, closeup_imgPointsOk)) {
            qWarning() << "YOLO::image_registration no inlier flags for" << overall_pts.size() << "pairs";
            return fail(RegistrationFailure::NoInlierFlags);
        }
        qDebug("YOLO::overall_imgPointsOk.size()=%d,closeup_imgPointsOk=%d\n", int(overall_imgPointsOk.size()),
               int(closeup_imgPointsOk.size()));
        if (overall_imgPointsOk.size() < kMinPairs || closeup_imgPointsOk.size() < kMinPairs) {
            qDebug("YOLO::tha last matched points is less than 4\n");
            return fail(RegistrationFailure::FewInliers);
        }

        const cv::Mat m1 = affine(closeup_imgPointsOk, overall_imgPointsOk);
        qDebug() << __LINE__ << " YOLO::";
        if (m1.empty()) {
            qWarning() << "YOLO::image_registration first affine fit found no model";
            return fail(RegistrationFailure::NoAffine);
        }
        const double a = m1.at<double>(0, 0), b = m1.at<double>(0, 1);
        const double c = m1.at<double>(1, 0), d = m1.at<double>(1, 1);
        const cv::Mat shear = (cv::Mat_<double>(2, 3) << a, b, 0, c, d, 0);
        cv::Mat warped;
        cv::warpAffine(closeup_img, warped, shear, closeup_img.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT,
                       cv::Scalar(0));

        std::vector<cv::KeyPoint> keypoints3;
        cv::Mat descriptors3;
        sift->detectAndCompute(warped, cv::noArray(), keypoints3, descriptors3);
        if (keypoints3.empty()) {
            qDebug("YOLO::sift key points empty\n");
            return fail(RegistrationFailure::NoKeyPoints);
        }
        if (!enough_to_match(keypoints3))
            return fail(RegistrationFailure::NoMatches);
        knn.clear();
        matcher->knnMatch(descriptors1, descriptors3, knn, 2);
        good_matches = ratio_test(knn);
        if (good_matches.size() < kMinPairs) {
            qDebug("YOLO::tha good_matches.size() is less than 4\n");
            return fail(RegistrationFailure::FewGoodMatches);
        }
        overall_pts.clear();
        std::vector<cv::Point2f> shear_pts;
        for (const cv::DMatch &m : good_matches) {
            overall_pts.push_back(keypoints1[m.queryIdx].pt);
            shear_pts.push_back(keypoints3[m.trainIdx].pt);
        }
        overall_imgPointsOk.clear();
        std::vector<cv::Point2f> shear_imgPointsOk;
        const bool flagged = fundamental_inliers(overall_pts, shear_pts, overall_imgPointsOk, shear_imgPointsOk);
        qDebug() << __LINE__ << " YOLO::inliers.size() = " << (flagged ? overall_pts.size() : 0);
        if (!flagged) {
            qWarning() << "YOLO::image_registration no inlier flags for" << overall_pts.size() << "pairs";
            return fail(RegistrationFailure::NoInlierFlags);
        }
        qDebug() << __LINE__ << " YOLO::last overall_imgPointsOk.size() = " << overall_imgPointsOk.size();
        qDebug() << __LINE__ << " YOLO::last shear_imgPointsOk.size() = " << shear_imgPointsOk.size();
        if (overall_imgPointsOk.size() < kMinPairs || shear_imgPointsOk.size() < kMinPairs) {
            qDebug("YOLO::tha last matched points is less than 4\n");
            return fail(RegistrationFailure::FewInliers);
        }
        const cv::Mat m2 = affine(shear_imgPointsOk, overall_imgPointsOk);
        if (m2.empty()) {
            qWarning() << "YOLO::image_registration second affine fit found no model";
            return fail(RegistrationFailure::NoAffine);
        }
        const float tx2 = float(m2.at<double>(0, 2));
        const float ty2 = float(m2.at<double>(1, 2));

        const float dx = g_center_x - tx2;
        const float dy = g_center_y - ty2;
        const float ux = float(std::tan(-b) * dy + dx);
        const float uy = float(std::tan(-c) * dx + dy);
        const float scale_inv_shear_center_x = float(ux / a);
        const float scale_inv_shear_center_y = float(uy / d);
        out.push_back(g_center_x - scale_inv_shear_center_x);
        out.push_back(g_center_y - scale_inv_shear_center_y);
        // The centre is in the half-size pictures' pixels and must lie inside them: outside,
        // the offset is an extrapolation of the fit, not something the close-up camera saw.
        if (!(scale_inv_shear_center_x > 0 && scale_inv_shear_center_x < float(_width)
              && scale_inv_shear_center_y > 0 && scale_inv_shear_center_y < float(_height))) {
            qDebug() << __LINE__ << " YOLO::scale_inv_shear_center_x <= 0 || scale_inv_shear_center_y <= 0";
            return fail(RegistrationFailure::CentreOutside);
        }
        x_out = (2 * scale_inv_shear_center_x - 2 * g_center_x) * (kReferenceWidth / full_width);
        y_out = (2 * g_center_y - 2 * scale_inv_shear_center_y) * (kReferenceHeight / full_height);
        qDebug() << __LINE__ << " YOLO::[leave] x_move:" << scale_inv_shear_center_x
                 << ",y_move:" << scale_inv_shear_center_y << ",g_center_x = " << g_center_x
                 << ",g_center_y = " << g_center_y;
        qDebug().noquote() << "YOLO::EndTime:" << now();
    } catch (const cv::Exception &e) {
        qWarning().noquote() << "YOLO::image_registration OpenCV failed:" << QString::fromStdString(e.what()).trimmed();
        x_out = 0;
        y_out = 0;
        return fail(RegistrationFailure::OpenCvError);
    }
    last_failure = RegistrationFailure::None;
    return true;
}
