#pragma once

#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QString>
#include <memory>

// Owns a main window built for a test together with the wizard it creates, which the window
// itself never deletes.
struct WindowHolder {
    std::unique_ptr<MainWindow> window;

    WindowHolder() = default;
    // Builds the window from this config.ini text; an empty text builds a fresh installation.
    explicit WindowHolder(const QString &iniText) { build(iniText); }
    ~WindowHolder() { release(); }
    WindowHolder(const WindowHolder &) = delete;
    WindowHolder &operator=(const WindowHolder &) = delete;

    void build(const QString &iniText)
    {
        release();
        if (iniText.isEmpty())
            testenv::removeConfigIni();
        else
            testenv::writeConfigIni(iniText);
        window.reset(new MainWindow);
    }
    void release()
    {
        if (window)
            delete window->guide_config;
        window.reset();
    }
    MainWindow *operator->() const { return window.get(); }
    Ui::MainWindow *ui() const { return window->ui; }
};
