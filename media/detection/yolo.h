#pragma once

#include <opencv2/dnn.hpp>
#include <string>
#include <vector>

// The blackboard and screen detector. One object, yolo_model, built before main().
class YOLO
{
public:
    YOLO();

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
};

extern YOLO yolo_model;
