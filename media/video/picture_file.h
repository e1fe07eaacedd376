#pragma once

#include <QString>

namespace cv {
class Mat;
}

// OpenCV pictures written to and read from image files through Qt's image formats, in the
// channel order OpenCV's own codecs use: the matrix holds blue, green, red, and the file's red is
// the matrix's third channel. Qt reads and writes PNG itself and loads a plugin for JPEG only
// when one is written, so no image codec library is loaded with the program.
namespace picture_file {

// Quality of a format's own default.
constexpr int kDefaultQuality = -1;

// Writes an 8-bit grey or three-channel picture to path in format ("PNG", "JPG"). False, with
// the reason in error, when the picture is of another kind or the file was not written.
bool write(const cv::Mat &picture, const QString &path, const char *format, int quality = kDefaultQuality,
           QString *error = nullptr);

// The picture in path as an 8-bit three-channel matrix, grey and alpha pictures included; empty,
// with the reason in error, when the file cannot be read as a picture.
cv::Mat read_colour(const QString &path, QString *error = nullptr);

} // namespace picture_file
