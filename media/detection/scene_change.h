#pragma once

namespace cv {
class Mat;
}

namespace scene_change {

// YOLO::detectSceneChange without the detector: it reads no field of it, so a caller on a
// worker thread needs no detector object. 1 moved more than threshold pixels, 0 not, -1 too
// few features (or unusable pictures).
int detect(cv::Mat &standard_img, cv::Mat &move_img, int threshold, bool debug);

} // namespace scene_change
