#pragma once

#include <QStringList>

class QObject;
class QTabBar;
class QTabWidget;

// Tab labels that break onto further lines when a tab widget is too narrow to show all its tabs
// with one-line labels: the narrow settings columns hold three tabs in 231 pixels, which no
// language names in one line each. A bar whose labels fit keeps them on one line.
namespace wrapped_tabs {

// Gives the bar of each tab widget the wrapping labels (one style, owned by `owner`) and turns
// their eliding off.
void install(const QList<QTabWidget *> &tabWidgets, QObject *owner);

// The label of a tab as it is drawn, one entry per line: the whole text unless the bar wraps it.
QStringList lines(const QTabBar *bar, int index);

} // namespace wrapped_tabs
