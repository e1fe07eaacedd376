#include "own_display.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QThread>
#include <QWidget>

namespace {
constexpr int kFirstDisplay = 90;    // above the numbers a desktop or a CI runner's server takes
constexpr int kSocketWaits = 100;    // of 50 ms: Xvfb comes up in well under a second
} // namespace

OwnDisplay::OwnDisplay()
{
    // A socket left by a server that did not end cleanly counts as taken too: the wait below
    // would find it before the new server listens.
    int display = kFirstDisplay + int(QCoreApplication::applicationPid() % 100);
    while (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(display))
           || QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)))
        ++display;
    m_server.start(QStringLiteral("Xvfb"), {QStringLiteral(":%1").arg(display), QStringLiteral("-screen"),
                                            QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-dpi"),
                                            QStringLiteral("96"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(display);
    for (int i = 0; i < kSocketWaits && !m_ready; ++i) {
        m_ready = QFile::exists(socket);
        if (!m_ready)
            QThread::msleep(50);
    }
    qputenv("DISPLAY", QStringLiteral(":%1").arg(display).toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
}

OwnDisplay::~OwnDisplay()
{
    m_server.terminate();
    m_server.waitForFinished(3000);
}

QImage OwnDisplay::screenOf(QWidget *widget)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height())
        .toImage();
}

int OwnDisplay::distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    return colours.size();
}
