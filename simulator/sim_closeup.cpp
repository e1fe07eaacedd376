#include "sim_closeup.h"

#include "sim_camera.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {
// A head turned this far sees nothing of a flat picture; the crop is held at the edge anyway.
constexpr double kMaxAngleDeg = 89.0;

double halfAngleTan(double fovDeg)
{
    return std::tan(qDegreesToRadians(fovDeg) / 2.0);
}

double axisTan(int position)
{
    const double degrees = std::clamp(position * simcloseup::kDegreesPerUnit, -kMaxAngleDeg, kMaxAngleDeg);
    return std::tan(qDegreesToRadians(degrees));
}
} // namespace

bool SimCloseupOptics::isValid() const
{
    auto fovOk = [](double fov) { return fov > 0.0 && fov < 180.0; };
    return picture.width() >= 2 && picture.height() >= 2 && output.width() >= 2 && output.height() >= 2
        && fovOk(panoFovDeg) && fovOk(closeupFovDeg);
}

namespace simcloseup {

double magnification(int zoom)
{
    // The head doubles its picture over the whole zoom range.
    const int z = std::clamp(zoom, 0, kZoomMax);
    return double(2 * kZoomMax) / double(2 * kZoomMax - z);
}

QRect crop(const SimCloseupOptics &optics, int pan, int tilt, int zoom)
{
    if (!optics.isValid())
        return {};
    const double pictureW = optics.picture.width();
    const double pictureH = optics.picture.height();
    // Focal length of the panorama in its own pixels; the close-up's axis meets the picture
    // f·tan(angle) from the centre, and its field of view spans 2·f·tan(fov/2) there.
    const double focal = pictureW / 2.0 / halfAngleTan(optics.panoFovDeg);
    double width = 2.0 * focal * halfAngleTan(optics.closeupFovDeg) / magnification(zoom);
    double height = width * optics.output.height() / optics.output.width();
    const double fit = std::min({1.0, pictureW / width, pictureH / height});
    width *= fit;
    height *= fit;
    const double centreX = pictureW / 2.0 + focal * axisTan(pan);
    const double centreY = pictureH / 2.0 - focal * axisTan(tilt);
    const int w = std::max(2, int(std::lround(width)));
    const int h = std::max(2, int(std::lround(height)));
    const int x = std::clamp(int(std::lround(centreX - width / 2.0)), 0, optics.picture.width() - w);
    const int y = std::clamp(int(std::lround(centreY - height / 2.0)), 0, optics.picture.height() - h);
    return QRect(x, y, w, h);
}

} // namespace simcloseup

SimCloseupPictures::SimCloseupPictures(SimCamera *camera, QObject *parent)
    : QObject(parent)
    , camera(camera)
{
    connect(camera, &SimCamera::headMoved, this, &SimCloseupPictures::follow);
}

bool SimCloseupPictures::start(RtspServerProcess::Options options, const SimCloseupOptics &closeupOptics)
{
    optics = closeupOptics;
    optics.output = options.size;
    current = QRect();
    error.clear();
    if (options.picture.isEmpty() || !optics.isValid()) {
        error = QStringLiteral("a close-up needs a picture, its size and fields of view between 0 and 180 degrees");
        return false;
    }
    if (!pictures.start(options)) {
        error = pictures.errorString();
        return false;
    }
    follow();
    return true;
}

void SimCloseupPictures::stop()
{
    pictures.stop();
}

bool SimCloseupPictures::setCloseupFov(double degrees)
{
    SimCloseupOptics next = optics;
    next.closeupFovDeg = degrees;
    if (!next.isValid())
        return false;
    optics = next;
    follow();
    return true;
}

void SimCloseupPictures::follow()
{
    if (!camera || !pictures.isRunning())
        return;
    const SimPtzState head = camera->ptz();
    const QRect next = simcloseup::crop(optics, head.pan, head.tilt, head.zoom);
    if (next == current)
        return;
    current = next;
    pictures.setCrop(next);
    emit cropChanged(next);
}
