#pragma once

#include <QString>

#include <opencv2/core.hpp>
#include <opencv2/dnn.hpp>

#include <string>
#include <vector>

struct YoloConfig {
    float conf_threshold;
    float nms_threshold;
    float obj_threshold;
    std::string model_name; // without ".onnx"
};

// One detected object. x and y of the box may be negative when it reaches over the edge.
struct DetRes {
    cv::Rect boxes;
    float confidences;
    int classIds; // index in class_names; class 1 is the blackboard
};
using detRes = DetRes;

// Why the last image_registration returned false.
enum class RegistrationFailure {
    None,
    NoOverall,       // empty panorama picture
    NoCloseup,       // empty close-up picture
    UnusablePicture, // not 8-bit with 1, 3 or 4 channels
    TooSmall,        // half the panorama size is not even one pixel
    NoKeyPoints,
    NoMatches,       // none, or a single close-up feature
    FewMatches,      // fewer than 8 panorama features to match
    FewGoodMatches,  // fewer than 4 pass the ratio test
    NoInlierFlags,   // the fundamental-matrix fit gave no flag per pair (too few pairs)
    FewInliers,
    NoAffine,        // the affine fit found no model
    CentreOutside,   // the carried-back centre lies outside the picture
    OpenCvError,
};

// Why the last detect returned nothing it could stand by.
enum class DetectFailure {
    None,
    NoModel,
    UnusablePicture, // empty, or not 8-bit with 3 channels
    Forward,         // the network could not run on the picture
    Mismatch,        // the network's outputs do not fit the class list
};

// The blackboard and screen detector, with the image registration and the scene-change check
// that the calibration uses. One object, yolo_model, built before main(): a missing model or
// class list must not stop the program, so both are checked when used.
class YOLO
{
public:
    YOLO();
    explicit YOLO(const YoloConfig &config);
    // Without class list and model, for the registration and the scene-change check alone: a
    // worker thread compares pictures on its own object while the window's detector goes on.
    struct RegistrationOnly {};
    explicit YOLO(RegistrationOnly) {}

    bool has_model() const { return !net.empty(); }
    // For the installer, empty when the detector can be used: what stops it (the model missing
    // or not loaded, the class list refused) and where. In the context "MainWindow".
    QString unusable_message() const;
    // For the log: whether the model was loaded, how many class names were read, or why not.
    QString load_state() const;

    // Detections of an 8-bit 3-channel BGR picture, highest confidence first, each drawn into it.
    std::vector<DetRes> detect(cv::Mat &frame);
    DetectFailure detect_failure() const { return last_detect_failure; }
    // For the installer, after a detect that failed: why nothing was found. In the context
    // "MainWindow"; empty for a failure the installer cannot mend.
    QString detect_failure_message() const;
    void drawPred(int classId, float conf, int left, int top, int right, int bottom, cv::Mat &frame);
    void sigmoid(cv::Mat *out, int length);

    // Sets x_out and y_out to how far the panorama centre lies from the close-up picture's
    // centre, in pixels of a 1920 by 1080 picture whatever the pictures' size. Both pictures
    // come back at half the panorama's size.
    bool image_registration(cv::Mat &overall_img, cv::Mat &closeup_img, std::vector<float> &out);
    RegistrationFailure registration_failure() const { return last_failure; }

    // 1 moved more than threshold pixels, 0 not, -1 too few features (or unusable pictures).
    int detectSceneChange(cv::Mat &standard_img, cv::Mat &move_img, int threshold, bool debug);

    float x_out = 0;
    float y_out = 0;
    float anchors[3][6] = {{52, 68, 75, 153, 121, 99},
                           {156, 170, 146, 345, 225, 237},
                           {349, 414, 565, 275, 627, 543}};
    float strides[3] = {8, 16, 32};
    std::string class_file = "coco.names";
    int input_width = 416;
    int input_height = 416;
    float g_center_x = 960;
    float g_center_y = 540;
    float conf_threshold = 0.3f;
    float nms_threshold = 0.3f;
    float obj_threshold = 0.3f;
    char model_name[20] = {};
    std::vector<std::string> class_names;
    cv::dnn::Net net;

private:
    void read_class_names();
    void load_model(const std::string &path);
    bool fail(RegistrationFailure reason);
    std::vector<DetRes> detect_failed(DetectFailure reason, const QString &detail);

    std::string model_path;
    bool model_missing = false;
    QString load_error;
    QString class_error; // why the class list was refused; empty when read (or not there)
    DetectFailure last_detect_failure = DetectFailure::None;
    QString detect_error;
    RegistrationFailure last_failure = RegistrationFailure::None;
};

extern YOLO yolo_model;
