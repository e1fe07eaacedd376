// The fit of a form's widgets and texts as drawn: what a page shows wrongly, for the checks of
// every page in every language.
#include "layout_faults.h"

#include "support/wrapped_tab_labels.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextDocument>

namespace layout_faults {
namespace {

bool drawnOverlap(const Rules &rules, const QString &lower, const QString &upper)
{
    for (const Overlap &o : rules.drawnOverlaps) {
        if ((!*o.lower || lower == QLatin1String(o.lower)) && (!*o.upper || upper == QLatin1String(o.upper)))
            return true;
    }
    return false;
}

// The widgets the form places: named ones, not the inner parts of spin boxes, combo boxes and
// tab bars (which scroll rather than cut).
bool placedByForm(const QWidget *w, const Rules &rules)
{
    if (rules.ownParts && rules.ownParts(w))
        return false;
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
        return false;
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox *>(p) || qobject_cast<const QComboBox *>(p) || qobject_cast<const QTabBar *>(p))
            return false;
    }
    return !qobject_cast<const QTabBar *>(w);
}

QRect inWindow(const QWidget *w) { return QRect(w->mapTo(w->window(), QPoint()), w->size()); }

// The part of a widget that shows: its rectangle cut by every ancestor's, in its own
// coordinates; `cutBy` names the nearest ancestor that cuts it.
QRect visibleArea(const QWidget *w, QString *cutBy)
{
    const QRect own = inWindow(w);
    QRect shown = own;
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        const QRect clipped = shown & inWindow(p);
        if (clipped != shown && cutBy->isEmpty())
            *cutBy = p->objectName().isEmpty() ? QLatin1String(p->metaObject()->className()) : p->objectName();
        shown = clipped;
    }
    return shown.translated(-own.topLeft());
}

// The pixels a line of text inks, relative to its baseline origin, as drawn (marks above and
// below the line and glyphs of fallback fonts included, which the font's own metrics miss).
QRect drawnInk(const QFont &font, const QString &text)
{
    static QHash<QString, QRect> known;
    const QString key = font.key() + QLatin1Char('|') + text;
    if (known.contains(key))
        return known.value(key);
    const QFontMetrics fm(font);
    QImage image(fm.horizontalAdvance(text) + 2 * fm.height(), 3 * fm.height(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(fm.height(), fm.height() + fm.ascent(), text);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) > 64)
                ink |= QRect(x, y, 1, 1);
        }
    }
    ink.translate(-fm.height(), -(fm.height() + fm.ascent()));
    known.insert(key, ink);
    return ink;
}

// The ink of one line of text laid out in `box` with `alignment`; a label aligns right-to-left
// text from the right (`direction`). Across, the line's advance (the room its layout takes),
// or with `glyphs` the pixels its glyphs ink (for what touches a neighbour).
QRect textInk(const QFont &font, const QRect &box, int alignment, const QString &text,
              Qt::LayoutDirection direction = Qt::LeftToRight, bool glyphs = false)
{
    const QFontMetrics fm(font);
    const QRect line = QStyle::alignedRect(direction, Qt::Alignment(alignment),
                                           QSize(fm.horizontalAdvance(text), fm.height()), box);
    const QRect ink = drawnInk(font, text).translated(line.left(), line.top() + fm.ascent());
    return glyphs ? ink : QRect(line.left(), ink.top(), line.width(), ink.height());
}

bool isLine(const QWidget *w)
{
    auto *f = qobject_cast<const QFrame *>(w);
    return f && (f->frameShape() == QFrame::HLine || f->frameShape() == QFrame::VLine);
}

bool paintsNothing(const QWidget *w)
{
    const QByteArray kind = w->metaObject()->className();
    return (kind == "QWidget" || kind == "QStackedWidget") && !w->autoFillBackground() && w->styleSheet().isEmpty();
}

QRect groupTitle(const QGroupBox *g);
QRect groupFrame(const QGroupBox *g);

Qt::LayoutDirection textDirection(const QLabel *l)
{
    return l->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
}

// Widgets that paint text without a frame of their own: their ink touching a neighbour's
// reads as one.
bool inksText(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QRadioButton *>(w) || qobject_cast<const QCheckBox *>(w);
}

// What a widget paints, in its parent's coordinates: a text label its text's ink, a radio or
// check box its indicator and text, a separator its line, a bare container what its children
// paint; anything else its whole rectangle. Overlaps of empty margins show nothing.
QRect paintedArea(const QWidget *w)
{
    const QRect g = w->geometry();
    if (auto *l = qobject_cast<const QLabel *>(w)) {
        if (l->pixmap(Qt::ReturnByValue).isNull() && !l->text().isEmpty() && !Qt::mightBeRichText(l->text())
            && !l->text().contains(QLatin1Char('\n')))
            return textInk(l->font(), l->contentsRect(), l->alignment(), l->text(), textDirection(l), true).translated(g.topLeft()) & g;
    } else if (qobject_cast<const QRadioButton *>(w) || qobject_cast<const QCheckBox *>(w)) {
        const bool radio = qobject_cast<const QRadioButton *>(w);
        QStyleOptionButton option;
        option.initFrom(w);
        option.text = static_cast<const QAbstractButton *>(w)->text();
        QStyle *style = w->style();
        const QRect indicator = style->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, w);
        const QRect contents = style->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, w);
        QRect painted = indicator;
        if (!option.text.isEmpty() && !contents.isEmpty())
            painted |= textInk(w->font(), contents, Qt::AlignLeft | Qt::AlignVCenter, option.text, Qt::LeftToRight, true);
        return painted.translated(g.topLeft()) & g;
    } else if (isLine(w)) {
        if (static_cast<const QFrame *>(w)->frameShape() == QFrame::HLine)
            return QRect(g.left(), g.top() + g.height() / 2, g.width(), 1);
        return QRect(g.left() + g.width() / 2, g.top(), 1, g.height());
    } else if (auto *group = qobject_cast<const QGroupBox *>(w)) {
        // The frame line where the style draws it; above it only the title inks.
        const QRect label = groupTitle(group);
        QRect painted = groupFrame(group);
        if (!group->title().isEmpty())
            painted |= textInk(group->font(), label, Qt::AlignCenter, group->title());
        return painted.translated(g.topLeft()) & g;
    } else if (paintsNothing(w)) {
        QRect painted;
        for (QWidget *child : w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child->isVisibleTo(w))
                painted |= paintedArea(child);
        }
        return painted.translated(g.topLeft()) & g;
    }
    return g;
}


QRect groupPart(const QGroupBox *g, QStyle::SubControl part)
{
    QStyleOptionGroupBox option;
    option.initFrom(g);
    option.text = g->title();
    option.lineWidth = 1;
    option.textAlignment = g->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (g->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    return g->style()->subControlRect(QStyle::CC_GroupBox, &option, part, g);
}

QRect groupTitle(const QGroupBox *g) { return groupPart(g, QStyle::SC_GroupBoxLabel); }
// The frame line, where the group's style sheet draws it.
QRect groupFrame(const QGroupBox *g) { return groupPart(g, QStyle::SC_GroupBoxFrame); }

// Tab labels must all show whole: a bar that scrolls or elides hides some of them.
void tabBarFaults(QTabBar *bar, const QRect &shown, QMap<QString, QString> *faults)
{
    const QString where = bar->parentWidget()->objectName() + QStringLiteral(" tabs");
    if (bar->sizeHint().width() > bar->width())
        faults->insert(where, QStringLiteral("need %1 px, have %2").arg(bar->sizeHint().width()).arg(bar->width()));
    const QFontMetrics fm(bar->font());
    for (int i = 0; i < bar->count(); ++i) {
        const QRect tab = bar->tabRect(i);
        // The label's lines as drawn, stacked in the middle of the tab.
        const QStringList lines = wrapped_tabs::lines(bar, i);
        const int height = fm.height() + (lines.size() - 1) * fm.lineSpacing();
        QRect ink;
        for (int l = 0; l < lines.size(); ++l) {
            const QRect line(tab.left(), tab.center().y() - height / 2 + l * fm.lineSpacing(), tab.width(), fm.height());
            ink |= textInk(bar->font(), line, Qt::AlignCenter, lines.at(l));
        }
        if (!shown.contains(tab))
            faults->insert(where + QStringLiteral("#%1").arg(i), bar->tabText(i) + QStringLiteral(" (cut)"));
        else if (ink.top() < tab.top() || ink.bottom() > tab.bottom() || ink.left() < tab.left() || ink.right() > tab.right())
            faults->insert(where + QStringLiteral("#%1").arg(i), lines.join(QLatin1Char('|')) + QStringLiteral(" (ink %1..%2, %3..%4 outside %5..%6, %7..%8)")
                                                               .arg(ink.left()).arg(ink.right()).arg(ink.top()).arg(ink.bottom())
                                                               .arg(tab.left()).arg(tab.right()).arg(tab.top()).arg(tab.bottom()));
    }
}

// Each header section holds its text with the room the sort arrow takes, as Qt sizes a section
// to its contents.
void headerFaults(QHeaderView *header, QMap<QString, QString> *faults)
{
    const QString where = header->parentWidget()->objectName() + QStringLiteral(" header#");
    for (int i = 0; i < header->count(); ++i) {
        const QString text = header->model()->headerData(i, header->orientation()).toString();
        if (header->isSectionHidden(i) || text.isEmpty())
            continue;
        const QRect section(header->sectionViewportPosition(i), 0, header->sectionSize(i), header->height());
        const QRect ink = textInk(header->font(), section, Qt::AlignCenter, text);
        if (header->sectionSize(i) < header->sectionSizeHint(i))
            faults->insert(where + QString::number(i), text + QStringLiteral(" (%1 < %2)").arg(header->sectionSize(i)).arg(header->sectionSizeHint(i)));
        else if (ink.top() < 0 || ink.bottom() >= header->height())
            faults->insert(where + QString::number(i), text + QStringLiteral(" (ink rows %1..%2 outside 0..%3)")
                                                          .arg(ink.top()).arg(ink.bottom()).arg(header->height() - 1));
    }
}

// A switch (an on/off check box drawn as its picture alone) leaves its text to a label beside it:
// "=" when the box shows none of its text and a visible sibling label says the same, else why
// not; empty for a check box that shows its text itself.
QString switchLabel(const QAbstractButton *b)
{
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    const QRect contents = b->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, b);
    if (!contents.isEmpty())
        return QString();
    for (const QObject *o : b->parent()->children()) {
        auto *l = qobject_cast<const QLabel *>(o);
        if (l && l->isVisibleTo(b->window()) && l->text() == b->text())
            return QStringLiteral("=");
    }
    return QStringLiteral("no room for its text and no label beside it says it");
}

} // namespace

QMap<QString, QString> find(QWidget *root, const Rules &rules)
{
    const bool folded = rules.folded;
    QMap<QString, QString> faults;
    QWidget *window = root->window();
    QList<QWidget *> widgets{root};
    widgets << root->findChildren<QWidget *>();
    for (QWidget *w : qAsConst(widgets)) {
        if (!w->isVisibleTo(window))
            continue;
        QString cutBy;
        const QRect shown = visibleArea(w, &cutBy);
        if (folded && shown.isEmpty())
            continue;
        if (auto *bar = qobject_cast<QTabBar *>(w)) {
            tabBarFaults(bar, shown, &faults);
            continue;
        }
        if (auto *header = qobject_cast<QHeaderView *>(w)) {
            headerFaults(header, &faults);
            continue;
        }
        if (!placedByForm(w, rules))
            continue;
        if (shown != w->rect() && !paintsNothing(w) // a bare container's children answer for it
            && !(folded && rules.foldedAway && rules.foldedAway(w)))
            faults.insert(w->objectName(), QStringLiteral("cut by %1: %2x%3 of %4x%5 show")
                                               .arg(cutBy).arg(shown.width()).arg(shown.height())
                                               .arg(w->width()).arg(w->height()));
        // A group's children stay off its title's ink and inside its frame line.
        if (auto *g = qobject_cast<QGroupBox *>(w)) {
            const QRect label = groupTitle(g);
            const QRect title = g->title().isEmpty() ? QRect()
                                : textInk(g->font(), label, Qt::AlignCenter, g->title());
            const QRect frame = groupFrame(g);
            const QRect inside = frame.adjusted(1, 1, -1, -1); // a separator may join the frame line
            for (QWidget *child : g->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                if (!child->isVisibleTo(window) || !placedByForm(child, rules))
                    continue;
                const QRect painted = paintedArea(child);
                if (painted.intersects(title.adjusted(-1, -1, 1, 1))) // touching ink reads as one
                    faults.insert(child->objectName(), QStringLiteral("over the title of %1").arg(g->objectName()));
                else if (!painted.isEmpty() && !(isLine(child) ? frame : inside).contains(painted))
                    faults.insert(child->objectName(), QStringLiteral("over the frame of %1").arg(g->objectName()));
            }
        }
        // Siblings stack in the order of their parent's children: later ones lie above.
        if (QWidget *parent = w->parentWidget(); parent && w != root) {
            const QObjectList siblings = parent->children();
            for (int i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
                auto *above = qobject_cast<QWidget *>(siblings.at(i));
                if (!above || !above->isVisibleTo(window) || !placedByForm(above, rules) || drawnOverlap(rules, w->objectName(), above->objectName()))
                    continue;
                const int gap = inksText(w) || inksText(above) ? 1 : 0;
                if (paintedArea(above).intersects(paintedArea(w).adjusted(-gap, -gap, gap, gap)))
                    faults.insert(w->objectName() + QStringLiteral(" under ") + above->objectName(),
                                  QLatin1String(paintedArea(above).intersects(paintedArea(w)) ? "overlap" : "touch"));
            }
        }

        const QFontMetrics fm(w->font());
        QStyle *style = w->style();
        // A text laid out in `box` by `alignment` must ink only the part of the box that shows.
        auto check = [&](const QString &text, const QRect &box, int alignment = Qt::AlignCenter, int item = -1,
                         Qt::LayoutDirection direction = Qt::LeftToRight) {
            const QRect room = box & shown;
            const QString where = item < 0 ? w->objectName() : w->objectName() + QStringLiteral("#%1").arg(item);
            const QStringList lines = text.split(QLatin1Char('\n'));
            int widest = 0;
            for (const QString &line : lines)
                widest = std::max(widest, fm.horizontalAdvance(line));
            if (widest > room.width()) {
                faults.insert(where, text + QStringLiteral(" (%1 > %2)").arg(widest).arg(room.width()));
            } else if (lines.size() == 1) {
                const QRect ink = textInk(w->font(), box, alignment, text, direction);
                if (!room.contains(ink))
                    faults.insert(where, text + QStringLiteral(" (ink rows %1..%2 outside %3..%4)")
                                                    .arg(ink.top()).arg(ink.bottom()).arg(room.top()).arg(room.bottom()));
            } else {
                int inkHeight = 0; // stacked lines: their glyphs, not the line spacing around them
                for (const QString &line : lines)
                    inkHeight += line.trimmed().isEmpty() ? 0 : drawnInk(w->font(), line).height();
                if (inkHeight > room.height())
                    faults.insert(where, text + QStringLiteral(" (height %1 > %2)").arg(inkHeight).arg(room.height()));
            }
        };
        if (auto *l = qobject_cast<QLabel *>(w)) {
            if (l->text().isEmpty() || Qt::mightBeRichText(l->text())) {
            } else if (!l->wordWrap()) {
                check(l->text(), l->contentsRect(), l->alignment(), -1, textDirection(l));
            } else if (l->heightForWidth(l->contentsRect().width()) <= l->heightForWidth(QWIDGETSIZE_MAX)) {
                check(l->text(), l->contentsRect(), l->alignment(), -1, textDirection(l)); // one line: as an unwrapped label
            } else if (l->heightForWidth(l->contentsRect().width()) > (l->contentsRect() & shown).height()) {
                faults.insert(w->objectName(), l->text() + QStringLiteral(" (wrapped height %1 > %2)")
                                                   .arg(l->heightForWidth(l->contentsRect().width()))
                                                   .arg((l->contentsRect() & shown).height()));
            }
        } else if (qobject_cast<QRadioButton *>(w) || qobject_cast<QCheckBox *>(w)) {
            const bool radio = qobject_cast<QRadioButton *>(w);
            const auto *b = static_cast<QAbstractButton *>(w);
            const int indicator =
                style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, w)
                + style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
            if (b->text().isEmpty()) {
            } else if (const QString beside = switchLabel(b); !beside.isEmpty()) {
                if (!beside.startsWith(QLatin1Char('=')))
                    faults.insert(w->objectName(), b->text() + QStringLiteral(" (%1)").arg(beside));
            } else {
                check(b->text(), b->rect().adjusted(indicator, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter);
            }
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            constexpr int kFrame = 1; // the button's frame line; the text may reach down to it
            // Across, text that runs into the frame reads as cut; a lone glyph (the fold strips'
            // letters, the About mark) may fill a button made as narrow as it.
            const bool glyphs = !b->text().contains(QRegularExpression(QStringLiteral("[^\n]{2}")));
            const int air = glyphs ? 0 : 2;
            if (!b->text().isEmpty())
                check(b->text(), b->rect().adjusted(kFrame + air, kFrame, -kFrame - air, -kFrame));
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            if (!g->title().isEmpty())
                check(g->title(), groupTitle(g));
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
            // Any item may be the one shown.
            for (int i = 0; i < combo->count(); ++i) {
                if (!combo->itemText(i).isEmpty())
                    check(combo->itemText(i), field, Qt::AlignLeft | Qt::AlignVCenter, i);
            }
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            if (!e->text().isEmpty())
                check(e->text(), e->rect().adjusted(2, 2, -2, -2), e->alignment());
        } else if (auto *spin = qobject_cast<QAbstractSpinBox *>(w)) {
            check(spin->text(), spin->rect().adjusted(2, 2, -2, -2), spin->alignment());
        }
    }
    return faults;
}

const char *const kLanguages[8][2] = {{"Chinese", "zh"}, {"English", "en"},  {"Japanese", "ja"}, {"Korean", "ko"},
                                      {"Indonesian", "id"}, {"Thai", "th"}, {"Arabic", "ar"},    {"Spanish", "es"}};

void useDesktopFont()
{
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
}

} // namespace layout_faults
