#pragma once

#include <opencv2/imgproc.hpp>

// A seeded scene of random blobs, seen as a camera would see it: view(width, height, shift_x,
// shift_y, zoom) is the picture whose centre shows the scene point (shift_x, shift_y) off the
// panorama's centre (in pixels of a 1920 by 1080 picture), zoomed by zoom, at any size.
namespace textured_scene {

inline cv::Mat view(int width, int height, double shift_x, double shift_y, double zoom)
{
    constexpr int kMargin = 600; // room for moves around the 1920 by 1080 panorama view
    static const cv::Mat scene = [] {
        cv::Mat s(1080 + 2 * kMargin, 1920 + 2 * kMargin, CV_8UC3, cv::Scalar(128, 128, 128));
        cv::RNG rng(17);
        for (int i = 0; i < 1500; ++i)
            cv::ellipse(s, cv::Point(rng.uniform(0, s.cols), rng.uniform(0, s.rows)),
                        cv::Size(rng.uniform(15, 90), rng.uniform(15, 90)), rng.uniform(0, 180), 0, 360,
                        cv::Scalar(rng.uniform(0, 256), rng.uniform(0, 256), rng.uniform(0, 256)), cv::FILLED);
        cv::GaussianBlur(s, s, cv::Size(5, 5), 0);
        return s;
    }();
    const cv::Mat m = (cv::Mat_<double>(2, 3) << 1 / zoom, 0, kMargin + 960 + shift_x - 960 / zoom, 0, 1 / zoom,
                       kMargin + 540 + shift_y - 540 / zoom);
    cv::Mat full, out;
    cv::warpAffine(scene, full, m, cv::Size(1920, 1080), cv::INTER_LINEAR | cv::WARP_INVERSE_MAP);
    cv::resize(full, out, cv::Size(width, height), 0, 0, cv::INTER_AREA);
    return out;
}

} // namespace textured_scene
