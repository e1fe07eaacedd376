#pragma once

#include <QProcess>

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

private:
    QProcess m_server;
    bool m_ready = false;
};
