#pragma once

class QString;
class QWidget;

// The interface font of a language: the widget's own font with the family "微软雅黑", 11 points
// for Thai (its script needs the larger size to stay legible) and 10 points otherwise, set on
// every widget inside root.
void apply_interface_font(QWidget *root, const QString &language);
