#include "detection/yolo.h"

#include <fstream>
#include <iostream>

YOLO::YOLO()
{
    std::cout << "Net use default" << std::endl;
    std::ifstream names(class_file);
    std::string line;
    while (std::getline(names, line))
        class_names.push_back(line);
    // Built before main(): a missing or broken model must not end the process, so the log,
    // the lock and the windows still come up without the detector.
    try {
        net = cv::dnn::readNetFromONNX("./Zerorod.onnx");
        std::cout << "model loaded.\n";
    } catch (const cv::Exception &e) {
        std::cout << "model not loaded: " << e.what() << std::endl;
    }
}
