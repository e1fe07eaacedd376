#pragma once

#include <QImage>

#include <opencv2/core/mat.hpp>

// A decoded picture as the detector, the registration and the scene check read it.

// An 8-bit three-channel matrix over the picture's own pixels, no copy and no conversion: the
// picture must outlive it. Empty for a picture of fewer than three bytes per pixel, whose lines
// the matrix would read past.
cv::Mat qimage_to_mat_view(const QImage &image);

// An 8-bit BGR matrix with its own pixels, from a picture of any format (converted to RGB888
// first); empty for a null picture. The picture itself is left as it is.
cv::Mat qimage_to_mat(const QImage &image);
