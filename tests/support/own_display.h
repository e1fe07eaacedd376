#pragma once

#include <QImage>
#include <QProcess>

class QWidget;

// An X server of the test's own for the whole process: a display number nobody holds, Xvfb at
// 96 dpi, set as the process's display with Qt's X11 platform. Make it before the application
// object; it stops the server when it goes.
class OwnDisplay
{
public:
    OwnDisplay();
    ~OwnDisplay();
    OwnDisplay(const OwnDisplay &) = delete;
    OwnDisplay &operator=(const OwnDisplay &) = delete;

    // The server's socket appeared within the wait.
    bool ready() const { return m_ready; }

    // What the server's screen shows where the widget is: what reached the X server, not what
    // the widget would paint.
    static QImage screenOf(QWidget *widget);
    // The colours of a grid of the picture's pixels, every 7th in each direction: a blank or
    // unpainted area has one or two.
    static int distinctColours(const QImage &image);

private:
    QProcess m_server;
    bool m_ready = false;
};
