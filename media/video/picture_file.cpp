#include "video/picture_file.h"

#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <opencv2/core.hpp>

namespace picture_file {
namespace {
bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}
} // namespace

bool write(const cv::Mat &picture, const QString &path, const char *format, int quality, QString *error)
{
    if (picture.empty())
        return fail(error, QStringLiteral("the picture is empty"));
    QImage::Format layout = QImage::Format_Invalid;
    if (picture.type() == CV_8UC3)
        layout = QImage::Format_BGR888;
    else if (picture.type() == CV_8UC1)
        layout = QImage::Format_Grayscale8;
    else
        return fail(error, QStringLiteral("the picture is not 8-bit grey or three-channel"));
    // A view of the matrix's rows as they lie, whatever their stride.
    const QImage view(picture.data, picture.cols, picture.rows, int(picture.step), layout);
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (!writer.write(view))
        return fail(error, writer.errorString());
    return true;
}

cv::Mat read_colour(const QString &path, QString *error)
{
    QImageReader reader(path);
    // A JPEG's orientation mark turns the picture as OpenCV's reader does.
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        fail(error, reader.errorString());
        return cv::Mat();
    }
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    return cv::Mat(bgr.height(), bgr.width(), CV_8UC3, const_cast<uchar *>(bgr.constBits()),
                   std::size_t(bgr.bytesPerLine()))
        .clone();
}

} // namespace picture_file
