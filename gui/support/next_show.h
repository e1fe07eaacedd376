#pragma once

#include <functional>

class QWidget;

// Work that only a visible widget needs, done once: at once when the widget is visible, else
// right before it is next shown (its show event comes before it paints). A page the installer
// has not opened then costs nothing at start: laying out text in a font that lacks some of its
// characters has Qt try every fallback font of the system, several milliseconds each time.
void on_next_show(QWidget *widget, std::function<void()> work);
