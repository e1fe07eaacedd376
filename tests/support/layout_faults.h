#pragma once

#include <QMap>
#include <QString>
#include <QVector>

#include <functional>

class QWidget;

// What a form shows wrongly as drawn, by widget (and combo item): a widget cut by an ancestor or
// by the window's edge, one that lies under a sibling or over the title of its group, a text wider
// (or taller) than the part of its widget that shows, a tab label or a header text that does not
// show whole, a switch whose text shows neither in it nor in a label beside it.
namespace layout_faults {

// An overlap a form draws on purpose, by the lower widget and the one above it ("" for any).
struct Overlap {
    const char *lower;
    const char *upper;
    const char *reason;
};

struct Rules {
    QVector<Overlap> drawnOverlaps;
    // The window is narrow: what lies wholly outside it is not shown, and what `foldedAway`
    // names may be cut by the fold.
    bool folded = false;
    std::function<bool(const QWidget *)> foldedAway;
    // The parts a custom widget builds inside itself, which its own tests answer for.
    std::function<bool(const QWidget *)> ownParts;
};

QMap<QString, QString> find(QWidget *root, const Rules &rules = {});

// The eight interface languages in the order of the language switch: name and catalogue code.
extern const char *const kLanguages[8][2];

// The desktop's font, as an X11 session without a theme (and Windows) starts the program with,
// where the offscreen platform would start it 12 pt. The forms' pixel geometry also expects
// 96 dpi: a test sets QT_FONT_DPI to 96 before its application starts.
void useDesktopFont();

} // namespace layout_faults
