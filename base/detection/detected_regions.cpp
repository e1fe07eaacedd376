#include "detection/detected_regions.h"

#include "model/region_geometry.h"

#include <QDebug>

#include <algorithm>

namespace detected_regions {

namespace {
constexpr int kSceneDivisor = kFrameWidth / region_geometry::kSceneWidth; // 4
constexpr int kSceneMargin = 2; // the region items' pen grows them by this much
// The seed that covers the whole scene, and the size a region reaching the far edges keeps.
constexpr double kWholeWidth = 478;
constexpr double kWholeHeight = 268;
constexpr double kCutWidth = 240;
constexpr double kCutHeight = 135;
constexpr int kWizardMargin = 8; // the wizard's tracking region takes in the edge of what it surrounds
constexpr int kEdgeInset = 2;    // a region on the scene's edge keeps its pen inside

int scaled(int value, int frame, int picture)
{
    return static_cast<int>(qint64(value) * frame / picture);
}

void log_edges(const char *label, const Edges &e)
{
    qDebug() << label << e.left << "//trackY:" << e.top << "//trackWidth:" << e.right << "//trackHeight:" << e.bottom;
}
} // namespace

Box to_frame(const Box &box, int picture_width, int picture_height)
{
    if (picture_width <= 0 || picture_height <= 0)
        return box;
    return {scaled(box.x, kFrameWidth, picture_width), scaled(box.y, kFrameHeight, picture_height),
            scaled(box.width, kFrameWidth, picture_width), scaled(box.height, kFrameHeight, picture_height)};
}

bool big_enough(const Box &frame_box) { return frame_box.width >= kMinWidth && frame_box.height >= kMinHeight; }

QRectF to_scene(const Box &b)
{
    return QRectF(b.x / kSceneDivisor, b.y / kSceneDivisor, b.width / kSceneDivisor + kSceneMargin,
                  b.height / kSceneDivisor + kSceneMargin);
}

Edges tracking_seed(const QList<QRectF> &boards, const QList<QRectF> &screens)
{
    Edges e;
    for (const QRectF &b : boards) {
        e = {b.x(), b.y(), b.x() + b.width(), b.y() + b.height()};
        qDebug() << "MainWindow::[blackboardRectList]  left:" << b.x() << ",top:" << b.y() << ",width:" << b.width()
                 << ",height:" << b.height();
    }
    log_edges("MainWindow::blackboardRectList 11 trackX:", e);
    for (const QRectF &s : screens) {
        e.left = std::min(e.left, s.x());
        e.top = std::min(e.top, s.y());
        e.right = std::max(e.right, s.x() + s.width());
        e.bottom = std::max(e.bottom, s.y() + s.height());
        qDebug() << "MainWindow:: [screenRectList]  left:" << s.x() << ",top:" << s.y() << ",width:" << s.width()
                 << ",height:" << s.height();
    }
    log_edges("MainWindow::screenRectList 22 trackX:", e);
    log_edges("QImage2cvMat: 2 trackX:", e);
    return e;
}

std::optional<QRectF> tracking_region(const Edges &seed)
{
    double width = std::min(seed.right - seed.left, kWholeWidth);
    double height = std::min(seed.bottom - seed.top, kWholeHeight);
    qDebug() << "MainWindow::TrackRegion-> trackX:" << seed.left << "//trackY:" << seed.top
             << "//trackWidth:" << width << "//trackHeight:" << height;
    if (height == kWholeHeight && width == kWholeWidth) {
        qDebug() << "track region : no processing!";
        return std::nullopt;
    }
    if (!region_geometry::region_in_bounds(int(seed.left), int(seed.top), int(width), int(height)))
        return std::nullopt;
    if (seed.top + height >= kWholeHeight)
        height = kCutHeight;
    if (seed.left + width >= kWholeWidth)
        width = kCutWidth;
    return QRectF(seed.left, seed.top, width, height);
}

std::optional<QRect> wizard_tracking_region(const Edges &seed)
{
    const int whole_width = int(kWholeWidth);
    const int whole_height = int(kWholeHeight);
    int width = std::min(int(seed.right - seed.left), whole_width);
    int height = std::min(int(seed.bottom - seed.top), whole_height);
    int left = int(seed.left);
    int top = int(seed.top);
    qDebug() << "MainWindow::TrackRegion-> trackX:" << left << "//trackY:" << top << "//trackWidth:" << width
             << "//trackHeight:" << height;
    if (width == whole_width && height == whole_height) {
        qDebug() << "track region : no processing!";
        return std::nullopt;
    }
    height = top + height < whole_height ? height + kWizardMargin : int(kCutHeight);
    width = left + width < whole_width ? width + kWizardMargin : int(kCutWidth);
    if (top == 0)
        top = kEdgeInset;
    if (left == 0)
        left = kEdgeInset;
    const QRect region(left, top, width, height);
    if (left < 0 || top < 0 || width <= kEdgeInset || height <= kEdgeInset
        || left + width > region_geometry::kSceneWidth || top + height > region_geometry::kSceneHeight) {
        qDebug() << "QImage2cvMat: the tracking region" << region << "leaves the scene: the default is placed";
        return std::nullopt;
    }
    return region;
}

} // namespace detected_regions
