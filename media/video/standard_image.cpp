#include "video/standard_image.h"

#include "video/picture_file.h"

#include <QFile>
#include <QFileInfo>

#include <opencv2/core.hpp>

namespace standard_image {
namespace {
// zlib level 1, as OpenCV writes its PNG files: the picture is read back within seconds, and is
// written on the GUI thread.
constexpr int kPngQuality = 80;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}
} // namespace

QString fileName()
{
    return QStringLiteral("standardImg.png");
}

bool write(const cv::Mat &picture, const QString &path, QString *error)
{
    const QFileInfo earlier(path);
    if (earlier.exists() || earlier.isSymLink()) {
        if (earlier.isDir())
            return fail(error, QStringLiteral("%1 is a folder").arg(path));
        if (!QFile::remove(path))
            return fail(error, QStringLiteral("cannot remove the earlier %1").arg(path));
    }
    if (picture.empty())
        return fail(error, QStringLiteral("the picture is empty"));
    if (picture.depth() != CV_8U || (picture.channels() != 1 && picture.channels() != 3))
        return fail(error, QStringLiteral("the picture is not 8-bit grey or three-channel"));

    QString why;
    const bool written = picture_file::write(picture, path, "PNG", kPngQuality, &why);
    if (!written || !QFileInfo(path).isFile() || QFileInfo(path).size() == 0) {
        QFile::remove(path); // a partly written file is no standard picture either
        return fail(error, why.isEmpty() ? QStringLiteral("%1 was not written").arg(path)
                                         : QStringLiteral("%1 was not written: %2").arg(path, why));
    }
    return true;
}

cv::Mat read(const QString &path)
{
    return picture_file::read_colour(path);
}

} // namespace standard_image
