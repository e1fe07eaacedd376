#pragma once

#include "mainwindow/mainwindow.h"
#include "test_env.h"

#include <QApplication>
#include <QString>
#include <memory>

// A main window built for a test from a config.ini text, and its widgets by object name, as an
// installer finds them.
struct WindowHolder {
    std::unique_ptr<MainWindow> window;

    WindowHolder() = default;
    // Builds the window from this config.ini text; an empty text builds a fresh installation.
    explicit WindowHolder(const QString &iniText) { build(iniText); }
    WindowHolder(const WindowHolder &) = delete;
    WindowHolder &operator=(const WindowHolder &) = delete;

    void build(const QString &iniText)
    {
        window.reset();
        if (iniText.isEmpty())
            testenv::removeConfigIni();
        else
            testenv::writeConfigIni(iniText);
        window.reset(new MainWindow);
    }
    // Builds the window from the config.ini as it stands.
    void open()
    {
        window.reset();
        window.reset(new MainWindow);
    }
    MainWindow *operator->() const { return window.get(); }
    template <class T = QWidget>
    T *widget(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
};

// The program's top-level window of that class (the wizard, a dialog), or nullptr.
template <class T>
T *topLevel()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w))
            return t;
    return nullptr;
}
