#pragma once

#include <functional>

class QWidget;

// Re-texts a form (retranslate, its retranslateUi) with every line edit below root keeping its
// text and no change slot of a line edit running: the re-texting would otherwise put each field
// back to its form text (addresses, ports, codes typed by the installer) and mark it changed.
// The line edits inside spin and combo boxes belong to those boxes and are left to them.
void retranslate_keeping_line_edits(QWidget *root, const std::function<void()> &retranslate);
