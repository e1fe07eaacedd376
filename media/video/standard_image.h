#pragma once

#include <QString>

namespace cv {
class Mat;
}

// The standard picture of the reversal compensation: the close-up frame slot writes it to a
// file, and the compensation reads it back after each step to see whether the picture moved.
namespace standard_image {

// "standardImg.png", in the working directory.
QString fileName();

// Writes picture to path as PNG. An earlier file at path is removed first, so that a write
// that fails never leaves an earlier capture behind to be read as this one. False, with the
// reason in error, when the earlier file cannot be removed, the picture is empty or the
// encoder does not write the file.
bool write(const cv::Mat &picture, const QString &path, QString *error = nullptr);

// The picture in path as write gave it, three-channel (a grey picture's channels alike); empty
// when there is none to read.
cv::Mat read(const QString &path);

} // namespace standard_image
