#include "smpte_bars.h"

#include <QColor>
#include <cstdlib>

namespace {
// GStreamer draws full-intensity bars: white, yellow, cyan, green, magenta, red, blue.
const QRgb kBars[7] = {qRgb(255, 255, 255), qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(0, 255, 0),
                       qRgb(255, 0, 255),   qRgb(255, 0, 0),   qRgb(0, 0, 255)};
constexpr int kTolerance = 48; // compression and scaling move a bar's centre this little
} // namespace

bool looksLikeSmpteBars(const QImage &image, QString *why)
{
    if (image.isNull() || image.width() < 14 || image.height() < 8) {
        if (why)
            *why = QStringLiteral("picture too small");
        return false;
    }
    const int y = image.height() / 3; // well inside the upper bars (two thirds of the height)
    for (int bar = 0; bar < 7; ++bar) {
        const int x = (2 * bar + 1) * image.width() / 14;
        const QRgb got = image.pixel(x, y);
        const QRgb want = kBars[bar];
        if (std::abs(qRed(got) - qRed(want)) > kTolerance || std::abs(qGreen(got) - qGreen(want)) > kTolerance
            || std::abs(qBlue(got) - qBlue(want)) > kTolerance) {
            if (why)
                *why = QStringLiteral("bar %1 at (%2,%3) is %4,%5,%6, expected %7,%8,%9")
                           .arg(bar).arg(x).arg(y)
                           .arg(qRed(got)).arg(qGreen(got)).arg(qBlue(got))
                           .arg(qRed(want)).arg(qGreen(want)).arg(qBlue(want));
            return false;
        }
    }
    return true;
}
