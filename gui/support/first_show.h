#pragma once

#include <functional>

class QWidget;

// Work that only a visible widget needs, done once, right before the widget is first shown (its
// first show event comes before its first paint), or at once when it is already visible. A page
// the installer has not opened then costs nothing at start: laying out text in a font that lacks
// some of its characters has Qt try every fallback font of the system, several milliseconds each
// time.
void on_first_show(QWidget *widget, std::function<void()> work);
