#pragma once

#include "rtsp/rtsp_server_process.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class SimCamera;

// How a simulated close-up camera sees into the panorama camera's picture: both are pinhole
// cameras at the same place, the panorama fixed, the close-up turned by its pan and tilt
// positions and narrowed by its zoom.
struct SimCloseupOptics {
    QSize picture;               // the panorama's picture, pixels
    QSize output{1920, 1080};    // the close-up stream: the crop keeps its shape
    double panoFovDeg = 90.0;    // horizontal field of view of the panorama's picture
    double closeupFovDeg = 21.2; // horizontal field of view of the close-up at its widest

    bool isValid() const;
};

namespace simcloseup {

// Degrees of head movement per pan or tilt position unit.
constexpr double kDegreesPerUnit = 0.069444;
// The close-up's zoom positions run from 0 (widest) to 16384, where the picture is twice as
// large as at 0.
constexpr int kZoomMax = 16384;

// Magnification at a zoom position (1 at 0, 2 at kZoomMax; outside that range held at its ends).
double magnification(int zoom);

// The part of the panorama's picture the close-up shows at these positions (pan right and tilt
// up positive, position units; zoom 0 to kZoomMax): centred where its optical axis meets the
// picture, as wide as its field of view covers there, in the output's shape, and held inside the
// picture at its edges (made smaller only when it would not fit at all). Null for invalid optics.
QRect crop(const SimCloseupOptics &optics, int pan, int tilt, int zoom);

} // namespace simcloseup

// The pictures of a simulated close-up camera: an RTSP server serving a still panorama picture,
// cropped to what the camera's head looks at and moved each time the head moves. Lives in the
// thread that creates it; the camera may live in another.
class SimCloseupPictures : public QObject
{
    Q_OBJECT

public:
    explicit SimCloseupPictures(SimCamera *camera, QObject *parent = nullptr);

    // Starts the server on options (whose picture must be set; output size taken from
    // options.size) and serves the crop of the head's current position. False with
    // errorString() when the optics or the picture are unusable or the server does not start.
    bool start(RtspServerProcess::Options options, const SimCloseupOptics &optics);
    void stop();
    // A close-up of another model: its field of view at the widest zoom, in degrees. The part
    // served follows at once. False, changing nothing, before start() or outside 0 to 180.
    bool setCloseupFov(double degrees);

    RtspServerProcess &server() { return pictures; }
    QString errorString() const { return error; }
    // The crop last sent to the server.
    QRect crop() const { return current; }

signals:
    void cropChanged(const QRect &crop);

private:
    void follow();

    QPointer<SimCamera> camera;
    RtspServerProcess pictures;
    SimCloseupOptics optics;
    QRect current;
    QString error;
};
