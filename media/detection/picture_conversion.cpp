#include "detection/picture_conversion.h"

#include <opencv2/imgproc.hpp>

cv::Mat qimage_to_mat_view(const QImage &image)
{
    if (image.isNull() || image.depth() < 24)
        return cv::Mat();
    return cv::Mat(image.height(), image.width(), CV_8UC3, const_cast<uchar *>(image.constBits()),
                   size_t(image.bytesPerLine()));
}

cv::Mat qimage_to_mat(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const cv::Mat view = qimage_to_mat_view(rgb);
    if (view.empty())
        return cv::Mat();
    cv::Mat bgr;
    cv::cvtColor(view, bgr, cv::COLOR_RGB2BGR);
    return bgr;
}
