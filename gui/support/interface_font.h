#pragma once

#include <QString>

class QWidget;

// The interface font of a language (family "微软雅黑", 11 pt for Thai, 10 pt otherwise) on every
// widget below root, at any depth (root's own font is the base it starts from).
void apply_interface_font(QWidget *root, const QString &language);
