// The language switch of the Options tab: each entry installs its catalogue as the one
// catalogue of the interface (the start-up one included), re-texts the window, sets the
// interface font and resets the parameter tabs, while the texts the installer typed stay.
#include "app_entry.h"
#include "core/installed_catalogue.h"
#include "support/resources.h"
#include "support/wrapped_tab_labels.h"
#include "window_holder.h"
#include "recording_presenter.h"
#include "test_env.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QStackedWidget>
#include <QHeaderView>
#include <QPainter>
#include <QDir>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <iterator>

namespace {

// The form's pixel geometry expects 96 dpi, as under Xvfb "-dpi 96"; the offscreen platform
// would lay fonts out at 100. Set before the application reads it.
const bool kFontDpi = qputenv("QT_FONT_DPI", "96");

// The entries of the language combo box in their order, and their catalogues.
const char *const kLanguages[][2] = {{"Chinese", "zh"}, {"English", "en"},  {"Japanese", "ja"}, {"Korean", "ko"},
                                     {"Indonesian", "id"}, {"Thai", "th"}, {"Arabic", "ar"},    {"Spanish", "es"}};

const QRegularExpression kHan(QStringLiteral("[\\x{4E00}-\\x{9FFF}]"));

struct LanguageWindow : WindowHolder {
    explicit LanguageWindow(const QString &ini = QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"))
        : WindowHolder(ini)
    {
    }
    // As the installer picks an entry: through the combo's signal.
    void choose(int index) const { emit widget<QComboBox>("language_select_comboBox")->activated(index); }
    // The catalogue that answers now translates as the one of this code would.
    bool speaks(const QString &code) const
    {
        QTranslator reference;
        return installed_catalogue::current() && reference.load(QStringLiteral(":/trans/%1.qm").arg(code))
               && installed_catalogue::current()->translate("MainWindow", "Apply")
                      == reference.translate("MainWindow", "Apply");
    }
};

// The line edits of the window's own form (not those inside spin and combo boxes, and not
// those of the dialogs the window owns).
QList<QLineEdit *> formLineEdits(MainWindow *window)
{
    QList<QLineEdit *> edits;
    for (QLineEdit *e : window->findChildren<QLineEdit *>()) {
        QWidget *parent = e->parentWidget();
        if (e->window() != window || qobject_cast<QAbstractSpinBox *>(parent) || qobject_cast<QComboBox *>(parent))
            continue;
        edits << e;
    }
    std::sort(edits.begin(), edits.end(),
              [](QLineEdit *a, QLineEdit *b) { return a->objectName() < b->objectName(); });
    return edits;
}

// Every visible text of the window's own widgets: "object: text".
QStringList windowTexts(MainWindow *window)
{
    QStringList texts;
    texts << QStringLiteral("window title: ") + window->windowTitle();
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window)
            continue;
        const QString name = w->objectName() + QStringLiteral(": ");
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            texts << name + b->text();
        else if (auto *l = qobject_cast<QLabel *>(w))
            texts << name + l->text();
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            texts << name + e->text();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            texts << name + g->title();
        else if (auto *c = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < c->count(); ++i)
                texts << name + c->itemText(i);
        } else if (auto *t = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                texts << name + t->tabText(i);
        } else if (auto *tree = qobject_cast<QTreeWidget *>(w)) {
            for (int i = 0; i < tree->columnCount(); ++i)
                texts << name + tree->headerItem()->text(i);
        } else if (auto *edit = qobject_cast<QTextEdit *>(w)) {
            texts << name + edit->toPlainText(); // the markup names a font family in Chinese
        }
        if (!w->toolTip().isEmpty())
            texts << name + w->toolTip();
    }
    return texts;
}

// A start-up catalogue that answers every text, so that any text it still reaches shows.
class LeakingCatalogue : public QTranslator
{
public:
    QString translate(const char *, const char *, const char *, int) const override
    {
        return QStringLiteral("LEAK");
    }
    bool isEmpty() const override { return false; }
};

// The overlaps the form draws on purpose, by the lower widget and the one above it ("" for any).
struct Overlap {
    const char *lower;
    const char *upper;
    const char *reason;
};
const Overlap kDrawnOverlaps[] = {
    {"", "oem_logo_label", "an empty label kept for a vendor logo: it paints nothing"},
    {"teacher_labVideo_pano", "teacher_pano_region_widget", "the region view is drawn over the picture"},
};

bool drawnOverlap(const QString &lower, const QString &upper)
{
    for (const Overlap &o : kDrawnOverlaps) {
        if ((!*o.lower || lower == QLatin1String(o.lower)) && (!*o.upper || upper == QLatin1String(o.upper)))
            return true;
    }
    return false;
}

// The widgets the form places: named ones, not the inner parts of spin boxes, combo boxes and
// tab bars (which scroll rather than cut).
bool placedByForm(const QWidget *w)
{
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
        if (!option.text.isEmpty())
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

// The folded window shows the top tab widget and its pages only up to its edge: what lies
// beyond is the folded parameter panel.
bool foldedAway(const QWidget *w)
{
    const QWidget *parent = w->parentWidget();
    return w->objectName() == QLatin1String("tabWidget")
           || (parent && parent->parentWidget() && parent->parentWidget()->objectName() == QLatin1String("tabWidget"));
}

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

// What a page shows wrongly, by widget (and combo item): a widget cut by an ancestor or by the
// window's edge, one that lies under a sibling or over the title of its group, a text wider (or
// taller) than the part of its widget that shows, a tab label or a header text that does not
// show whole. `folded`: the window is narrow, and what lies wholly in the folded panel is not
// shown.
QMap<QString, QString> layoutFaults(QWidget *root, bool folded = false)
{
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
        if (!placedByForm(w))
            continue;
        if (shown != w->rect() && !paintsNothing(w) // a bare container's children answer for it
            && !(folded && foldedAway(w)))
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
                if (!child->isVisibleTo(window) || !placedByForm(child))
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
                if (!above || !above->isVisibleTo(window) || !placedByForm(above) || drawnOverlap(w->objectName(), above->objectName()))
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
            if (!b->text().isEmpty())
                check(b->text(), b->rect().adjusted(indicator, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter);
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

} // namespace

class tst_LanguageSwitch : public QObject
{
    Q_OBJECT

    // A row per entry.
    void languages()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        for (int i = 0; i < int(std::size(kLanguages)); ++i)
            QTest::newRow(kLanguages[i][0]) << i << QString::fromLatin1(kLanguages[i][1]);
    }

    // What one page of the top tab widget shows wrongly in one language, keyed by the window's
    // state and the widget: as a fresh start on a system in that language shows it (the form's
    // own fonts) and after the language switch (the interface font); folded and unfolded (where
    // the page is shown so), with its panel (Show More) closed and open, and with every page of
    // its inner tab widgets and stacks.
    QMap<QString, QString> pageFaults(int index, const QString &code, const QString &pageName)
    {
        QLocale::setDefault(QLocale(code));
        QObject owner;
        install_system_catalogue(&owner);
        LanguageWindow w(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"));
        w->show();
        if (!QTest::qWaitForWindowExposed(w.window.get()))
            return {{QStringLiteral("window"), QStringLiteral("not shown")}};
        QMap<QString, QString> faults;
        pageStateFaults(w, code + QStringLiteral("-start"), pageName, QStringLiteral("start, "), &faults);
        w.choose(index);
        pageStateFaults(w, code, pageName, QString(), &faults);
        return faults;
    }

    void pageStateFaults(LanguageWindow &w, const QString &shotName, const QString &pageName, const QString &when,
                         QMap<QString, QString> *faults)
    {
        const QString shots = qEnvironmentVariable("CORVANE_SHOT_DIR");
        auto *tabs = w.widget<QTabWidget>("tabWidget");
        QWidget *page = w.widget(qPrintable(pageName));
        // The recorder parameters that "Show More" unfolds.
        QList<QWidget *> panel;
        for (const char *name : {"port_set_groupBox", "widget_username", "widget_password"}) {
            if (QWidget *part = page->findChild<QWidget *>(QLatin1String(name)))
                panel << part;
        }
        // Inner tab widgets and stacked widgets (not a tab widget's own stack): pass n shows their
        // page n, or their last.
        QList<QWidget *> stacks;
        int passes = 1;
        for (QWidget *s : page->findChildren<QWidget *>()) {
            if (qobject_cast<QTabWidget *>(s) || (qobject_cast<QStackedWidget *>(s) && !s->objectName().startsWith(QLatin1String("qt_")))) {
                stacks << s;
                passes = std::max(passes, s->property("count").toInt());
            }
        }
        for (const bool wide : {false, true}) {
            // The fold is the Teacher tab's; the page keeps or narrows the width it finds.
            tabs->setCurrentWidget(w.widget("tab_teacher"));
            if ((w->width() == 1164) != wide)
                w.widget<QPushButton>("teacher_show_param_pushButton")->click();
            tabs->setCurrentWidget(page);
            if ((w->width() == 1164) != wide)
                continue;
            for (const bool open : {false, true}) {
                if (open && panel.isEmpty())
                    break;
                for (QWidget *part : qAsConst(panel))
                    part->setVisible(open);
                for (int pass = 0; pass < passes; ++pass) {
                    for (QWidget *s : qAsConst(stacks))
                        s->setProperty("currentIndex", std::min(pass, s->property("count").toInt() - 1));
                    // The layouts of pages shown for the first time settle on posted events.
                    QCoreApplication::sendPostedEvents();
                    QCoreApplication::processEvents();
                    const QString prefix = when + QLatin1String(wide ? "unfolded" : "folded") + QLatin1String(open ? ", open: " : ": ");
                    // The window's own children (outside the tab widget) and the page shown.
                    const QMap<QString, QString> found = layoutFaults(w->centralWidget(), !wide);
                    for (auto it = found.cbegin(); it != found.cend(); ++it)
                        faults->insert(prefix + it.key(), it.value());
                    // As connected cameras show them: the connect buttons offer the disconnect.
                    const QString disconnect = QCoreApplication::translate("MainWindow", "Disconnect");
                    for (QPushButton *b : page->findChildren<QPushButton *>(QRegularExpression(QStringLiteral("_connect_Button$")))) {
                        if (!b->isVisibleTo(w.window.get()))
                            continue;
                        b->setText(disconnect);
                        const QMap<QString, QString> connected = layoutFaults(b, !wide);
                        if (connected.contains(b->objectName()))
                            faults->insert(prefix + b->objectName() + QStringLiteral(" connected"), connected.value(b->objectName()));
                        b->setText(QCoreApplication::translate("MainWindow", "Connect"));
                    }
                    if (!shots.isEmpty()) {
                        QDir().mkpath(shots);
                        QTest::qWait(200); // let the window system paint the page
                        const QString file = QDir(shots).filePath(QStringLiteral("%1-%2%3-%4-%5.png")
                                                                      .arg(pageName, QLatin1String(wide ? "unfolded" : "folded"),
                                                                           QLatin1String(open ? "-open" : ""))
                                                                      .arg(pass).arg(shotName));
                        if (!w->grab().save(file))
                            faults->insert(QStringLiteral("shot"), file);
                    }
                }
            }
        }
    }

private slots:
    void initTestCase()
    {
        corvane_init_resources();
        // The desktop's font, as an X11 session without a theme (and Windows) starts the program
        // with, where the offscreen platform would start it 12 pt.
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    }

    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        installed_catalogue::install(nullptr);
    }

    // Each entry, chosen after another one: its catalogue is the one installed, the form reads in it,
    // the combo follows, and every widget has the interface font. An index outside the eight entries
    // behaves as English and leaves the combo on entry 1.
    void eachLanguage_data()
    {
        languages();
        for (int index : {-1, 8, 1000})
            QTest::newRow(qPrintable(QStringLiteral("index %1").arg(index))) << index << QStringLiteral("en");
    }
    void eachLanguage()
    {
        QFETCH(int, index);
        QFETCH(QString, code);
        LanguageWindow w;
        w.choose(index == 3 ? 2 : 3);
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("Switch SystemLocal: %1").arg(index)));
        w.choose(index);

        QCOMPARE(w.widget<QComboBox>("language_select_comboBox")->currentIndex(), index >= 0 && index < 8 ? index : 1);
        QVERIFY(w.speaks(code));

        // The window reads as a fresh form under the same catalogue alone.
        QTranslator reference;
        QVERIFY(reference.load(QStringLiteral(":/trans/%1.qm").arg(code)));
        auto tr = [&reference](const char *source) {
            const QString t = reference.translate("MainWindow", source);
            return t.isEmpty() ? QString::fromUtf8(source) : t;
        };
        QCOMPARE(w.widget<QPushButton>("apply_port_Button")->text(), tr("Apply"));
        QCOMPARE(w.widget<QTabWidget>("tabWidget")->tabText(w.widget<QTabWidget>("tabWidget")->indexOf(w.widget<QWidget>("tab_host"))), tr("Director"));
        QCOMPARE(w->windowTitle(), tr("Corvane V3.0.1"));

        // The font rule, on every widget at any depth.
        const int size = code == QLatin1String("th") ? 11 : 10;
        QStringList wrong;
        for (QWidget *widget : w->findChildren<QWidget *>()) {
            if (widget->font().family() != QStringLiteral("微软雅黑") || widget->font().pointSize() != size)
                wrong << QStringLiteral("%1 (%2) %3 %4").arg(widget->objectName(), QLatin1String(widget->metaObject()->className()), widget->font().family()).arg(widget->font().pointSize());
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 10).join(QLatin1Char(' '))));
        // The recorder parameters are folded again.
        QVERIFY(w.widget<QGroupBox>("port_set_groupBox")->isHidden());
        QVERIFY(w.widget<QWidget>("widget_username")->isHidden());
        QVERIFY(w.widget<QWidget>("widget_password")->isHidden());
    }

    // Started on a Chinese system, switched to English: nothing Chinese is left in the window
    // but the language entry "中文" itself.
    void chineseStartThenEnglish()
    {
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        QObject owner;
        QTranslator *startup = install_system_catalogue(&owner);
        QCOMPARE(installed_catalogue::current(), startup);
        LanguageWindow w;
        QCOMPARE(w.widget<QComboBox>("language_select_comboBox")->currentIndex(), 0);
        QVERIFY(w.widget<QTabWidget>("tabWidget")->tabText(0).contains(kHan));
        // A pending port change shows its mark in the new language too.
        w.widget<QLineEdit>("rtsp_port_Edit")->setText(QStringLiteral("20555"));

        w.choose(1);
        QVERIFY(w.speaks(QStringLiteral("en")) && installed_catalogue::current() != startup);
        QStringList chinese;
        for (const QString &text : windowTexts(w.window.get())) {
            // The language entries name each language in its own script ("日本語" included).
            if (text.contains(kHan) && !text.startsWith(QLatin1String("language_select_comboBox: ")))
                chinese << text;
        }
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
        QCOMPARE(w.widget<QPushButton>("apply_port_Button")->text(), QStringLiteral("Apply(*)"));
        QCOMPARE(w.widget<QTabWidget>("tabWidget")->tabText(0), QStringLiteral("Teacher"));
    }

    // Whatever the start-up catalogue holds, after a switch only the chosen one answers.
    void startupCatalogueIsRemoved()
    {
        LanguageWindow w;
        LeakingCatalogue startup;
        installed_catalogue::install(&startup);
        QCOMPARE(QCoreApplication::translate("MainWindow", "A text no catalogue holds"), QStringLiteral("LEAK"));
        w.choose(2);
        QCOMPARE(QCoreApplication::translate("MainWindow", "A text no catalogue holds"),
                 QStringLiteral("A text no catalogue holds"));
        QStringList leaked = windowTexts(w.window.get()).filter(QStringLiteral("LEAK"));
        QVERIFY2(leaked.isEmpty(), qPrintable(leaked.join(QLatin1Char('\n'))));
        // A second switch replaces the window's own catalogue in place: still one installed.
        w.choose(1);
        QVERIFY(w.speaks(QStringLiteral("en")));
        QCOMPARE(w.widget<QTabWidget>("tabWidget")->tabText(0), QStringLiteral("Teacher"));
    }

    // What the installer typed stays across a switch, and nothing is marked changed by it: the
    // switch leaves every line edit exactly as the tabs' defaults alone leave it.
    void typedValuesSurvive_data() { languages(); }
    void typedValuesSurvive()
    {
        QFETCH(int, index);
        LanguageWindow switched;
        LanguageWindow reference;
        QHash<QLineEdit *, QString> typed;
        for (LanguageWindow *w : {&switched, &reference}) {
            int n = 0;
            for (QLineEdit *e : formLineEdits(w->window.get())) {
                const QSignalBlocker quiet(e);
                e->setText(QStringLiteral("%1 typed").arg(++n));
                typed.insert(e, e->text()); // as the field's length limit lets it in
            }
            w->widget<QPushButton>("apply_port_Button")->setText(QStringLiteral("Apply"));
        }
        QVERIFY(formLineEdits(switched.window.get()).size() > 70);

        switched.choose(index);
        reference->set_all_defaults();

        const QList<QLineEdit *> after = formLineEdits(switched.window.get());
        const QList<QLineEdit *> expected = formLineEdits(reference.window.get());
        QCOMPARE(after.size(), expected.size());
        for (int i = 0; i < after.size(); ++i) {
            QCOMPARE(after.at(i)->objectName(), expected.at(i)->objectName());
            QCOMPARE(after.at(i)->text(), expected.at(i)->text());
        }
        // The ones the installer typed most: ports, login, people count, lectern server.
        for (const char *name : {"rtsp_port_Edit", "student_tcp_port_Edit", "upgrade_port_Edit", "recorder_host_ip_Edit",
                                 "recorder_username_Edit", "recorder_password_Edit", "recorder_teacher_ip_Edit",
                                 "people_number_lineEdit", "lectern_director_ip_Edit", "lectern_director_port_Edit",
                                 "upgrade_ip_lineEdit", "director_camera_Port_Edit"}) {
            QLineEdit *e = switched.widget<QLineEdit>(name);
            QCOMPARE(e->text(), typed.value(e));
        }
        // Nothing is marked changed by the switch.
        QCOMPARE(switched.widget<QPushButton>("apply_port_Button")->text(),
                 QCoreApplication::translate("MainWindow", "Apply"));
    }

    // Every page of the top tab widget in every language (but the Wizard Config page, which
    // hands over to the wizard): nothing is cut, covered or over a group's title, every text fits
    // the part of its widget that shows, and every tab label and header text shows whole. With
    // CORVANE_SHOT_DIR set (a run under Xvfb) each state of each page is saved there.
    void pagesFitTheirTexts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("page");
        const char *const pages[] = {"tab_teacher", "tab_student", "tab_board", "tab_host", "tab_6", "tab_16", "tab_15"};
        for (int i = 0; i < int(std::size(kLanguages)); ++i) {
            for (const char *page : pages)
                QTest::addRow("%s %s", kLanguages[i][0], page) << i << QString::fromLatin1(kLanguages[i][1]) << QString::fromLatin1(page);
        }
    }
    void pagesFitTheirTexts()
    {
        QFETCH(int, index);
        QFETCH(QString, code);
        QFETCH(QString, page);
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); // the window's chatter
        const QMap<QString, QString> faults = pageFaults(index, code, page);
        QLoggingCategory::setFilterRules(QString());
        for (auto it = faults.cbegin(); it != faults.cend(); ++it)
            qInfo().noquote() << "FAULT" << code << page << it.key() + QStringLiteral(": ") + it.value();
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, listed above").arg(faults.size())));
    }
};

QTEST_MAIN(tst_LanguageSwitch)
#include "tst_language_switch.moc"
