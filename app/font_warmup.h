#pragma once

#include <thread>

// Reads the system's font configuration (fontconfig's configuration files and font caches, a
// few milliseconds of the start) on a thread of its own while the application object connects
// to the display, instead of at the first text the main window lays out. Fontconfig loads its
// configuration once per process and safely from any thread; the window later finds it loaded.
// A configuration that cannot be read only leaves the work to the window, which reports it as
// it always did.
class FontConfigWarmUp
{
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

    // Waits until the configuration is read (before any text is laid out, so that the window
    // does not read it a second time alongside).
    void wait();

private:
    std::thread m_thread;
};
