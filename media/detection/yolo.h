#pragma once

#include <QString>
#include <QStringList>

#include <opencv2/core.hpp>
#include <opencv2/dnn.hpp>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
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
//
// The class list and the model are read on a thread of the detector's own, started by its
// construction, so that a start goes on to its window meanwhile (a model of the deployed size
// takes about 50 ms to read, nearly as long as the rest of the start). What needs them waits for
// the read to end: has_model, unusable_message, load_state, detect and drawPred. Those waits are
// for worker threads; the GUI thread asks loaded() first. Destroying the detector waits for the
// read too.
class YOLO
{
public:
    YOLO();
    explicit YOLO(const YoloConfig &config);
    // As YOLO(), with hold run on the reading thread before anything is read: a test keeps the
    // model unread with it while it asks for a detection or shows a window.
    using LoadHold = std::function<void()>;
    explicit YOLO(LoadHold hold);
    // Without class list and model, for the registration and the scene-change check alone: a
    // worker thread compares pictures on its own object while the window's detector goes on.
    struct RegistrationOnly {};
    explicit YOLO(RegistrationOnly);
    ~YOLO();
    YOLO(const YOLO &) = delete;
    YOLO &operator=(const YOLO &) = delete;

    // Whether the class list and the model have been read (or found missing or unusable); does
    // not wait.
    bool loaded() const;
    bool has_model() const;
    // For the installer, empty when the detector can be used: what stops it (the model missing
    // or not loaded, the class list refused) and where. In the context "MainWindow".
    QString unusable_message() const;
    // For the log: whether the model was loaded, how many class names were read, or why not.
    QString load_state() const;
    // Writes load_state() to the log once the read has ended, at once when it has: the entry
    // sets up the log while the model is read. From stop_load_log() until the next
    // log_load_state() the read writes nothing, so that none of its lines reaches a log that is
    // being taken down.
    void log_load_state();
    void stop_load_log();

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
    // Filled by the reading thread: read them after a call that waits for it (has_model ...).
    std::vector<std::string> class_names;
    cv::dnn::Net net;

private:
    // Starts the read of class_file and model_path on the reading thread. Both are in the
    // working folder as it is at the read, which the program never changes.
    void start_load(LoadHold hold);
    void load(const LoadHold &hold);
    void read_class_names(QStringList &warnings);
    void load_model(QStringList &warnings);
    void wait_loaded() const;
    QString state_text() const;
    bool fail(RegistrationFailure reason);
    std::vector<DetRes> detect_failed(DetectFailure reason, const QString &detail);

    std::string model_path;
    bool model_missing = false;
    bool model_read = false; // net holds a network: asked without touching net, which a detection may be running
    QString load_error;
    QString class_error; // why the class list was refused; empty when read (or not there)
    DetectFailure last_detect_failure = DetectFailure::None;
    QString detect_error;
    RegistrationFailure last_failure = RegistrationFailure::None;

    mutable std::mutex m_load_mutex;
    mutable std::condition_variable m_load_done;
    bool m_loaded = false;           // under m_load_mutex
    bool m_load_log = true;          // under m_load_mutex: the read may write its lines
    bool m_state_wanted = false;     // under m_load_mutex: load_state() is owed to the log
    std::thread m_loader;
};

extern YOLO yolo_model;
