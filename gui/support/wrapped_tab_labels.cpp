#include "support/wrapped_tab_labels.h"

#include <QApplication>
#include <QHash>
#include <QProxyStyle>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>
#include <QTextLayout>

#include <algorithm>

namespace {

// The text broken where its script allows (between words, between CJK characters) into lines
// no wider than `width`; a word wider than that keeps its own line.
QStringList wrap(const QFont &font, const QString &text, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

// As the bar measures a label.
int textWidth(const QFontMetrics &fm, const QString &text) { return fm.size(Qt::TextShowMnemonic, text).width(); }

int widest(const QFontMetrics &fm, const QStringList &lines)
{
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, textWidth(fm, line));
    return width;
}

// How a bar shows its labels: the padding of its tabs and each label's lines.
struct BarLabels {
    int hspace = 0;
    int vspace = 0;
    QList<QStringList> labels;
};

// The narrowest the text breaks into at most `lines` lines.
QStringList narrowest(const QFont &font, const QFontMetrics &fm, const QString &text, int lines)
{
    QStringList best{text};
    for (;;) {
        const QStringList narrower = wrap(font, text, widest(fm, best) - 1);
        if (narrower.size() > lines || widest(fm, narrower) >= widest(fm, best))
            return best;
        best = narrower;
    }
}

// What a bar's labels follow from.
struct LabelsKey {
    QFont font;
    int dpi = 0;
    int available = 0; // the tab widget's width
    int hspace = 0;    // the style's padding of a tab
    int vspace = 0;
    QStringList texts;
    bool operator==(const LabelsKey &o) const
    {
        return available == o.available && dpi == o.dpi && hspace == o.hspace && vspace == o.vspace
               && texts == o.texts && font == o.font;
    }
};

// A bar whose tabs fit with one-line labels keeps them. Otherwise its tabs take half the
// padding, and every label breaks into as few lines as make the tabs fit the tab widget: the bar
// grows by as little as it can.
BarLabels workOutLabels(const QFontMetrics &fm, const LabelsKey &key)
{
    BarLabels shown;
    shown.hspace = key.hspace;
    shown.vspace = key.vspace;
    int words = 1;
    int total = 0;
    for (const QString &text : key.texts) {
        shown.labels << QStringList(text);
        words = std::max(words, int(wrap(key.font, text, 1).size()));
        total += textWidth(fm, text) + shown.hspace;
    }
    if (total <= key.available)
        return shown;
    shown.hspace /= 2;
    shown.vspace /= 2;
    for (int lines = 1; lines <= words; ++lines) {
        total = 0;
        for (int i = 0; i < key.texts.size(); ++i) {
            shown.labels[i] = narrowest(key.font, fm, key.texts.at(i), lines);
            total += widest(fm, shown.labels.at(i)) + shown.hspace;
        }
        if (total <= key.available)
            break;
    }
    return shown;
}

class WrappingTabStyle : public QProxyStyle
{
public:
    // Over the style the rest of the window has (the program sets one), not the desktop's.
    WrappingTabStyle() : QProxyStyle(QApplication::style()->objectName()) {}

    // The bar asks for its padding and for each tab's size many times in one layout, with
    // nothing changed between: the labels are worked out again only when what they follow from
    // (the texts, the font, the room, the padding) changed since the bar's last answer.
    BarLabels barLabels(const QTabBar *bar) const
    {
        QStyleOptionTab option;
        option.initFrom(bar);
        option.shape = bar->shape();
        LabelsKey key;
        key.font = bar->font();
        key.dpi = bar->logicalDpiY();
        key.available = bar->parentWidget() ? bar->parentWidget()->width() : bar->width();
        key.hspace = QProxyStyle::pixelMetric(PM_TabBarTabHSpace, &option, bar);
        key.vspace = QProxyStyle::pixelMetric(PM_TabBarTabVSpace, &option, bar);
        for (int i = 0; i < bar->count(); ++i)
            key.texts << bar->tabText(i);
        auto known = m_known.find(bar);
        if (known != m_known.end() && known->key == key)
            return known->labels;
        const BarLabels shown = workOutLabels(bar->fontMetrics(), key);
        m_known.insert(bar, {key, shown});
        return shown;
    }

    void forget(const QTabBar *bar) { m_known.remove(bar); }

    QStringList labelLines(const QTabBar *bar, const QString &text) const
    {
        for (int i = 0; i < bar->count(); ++i) {
            if (bar->tabText(i) == text)
                return barLabels(bar).labels.at(i);
        }
        return {text};
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (const auto *bar = qobject_cast<const QTabBar *>(widget); bar && metric == PM_TabBarTabHSpace)
            return barLabels(bar).hspace;
        if (const auto *bar = qobject_cast<const QTabBar *>(widget); bar && metric == PM_TabBarTabVSpace)
            return barLabels(bar).vspace;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option);
        const auto *bar = qobject_cast<const QTabBar *>(widget);
        if (type != CT_TabBarTab || !tab || !bar || tab->text.isEmpty())
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        // The bar measured the label as one line.
        const QFontMetrics fm = bar->fontMetrics();
        const QStringList lines = labelLines(bar, tab->text);
        const QSize contents = size + QSize(widest(fm, lines) - textWidth(fm, tab->text),
                                            (lines.size() - 1) * fm.lineSpacing());
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option);
        const auto *bar = qobject_cast<const QTabBar *>(widget);
        if (element != CE_TabBarTabLabel || !tab || !bar) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionTab wrapped(*tab);
        wrapped.text = labelLines(bar, tab->text).join(QLatin1Char('\n'));
        QProxyStyle::drawControl(element, &wrapped, painter, widget);
    }

private:
    struct Known {
        LabelsKey key;
        BarLabels labels;
    };
    mutable QHash<const QTabBar *, Known> m_known;
};

} // namespace

namespace wrapped_tabs {

void install(const QList<QTabWidget *> &tabWidgets, QObject *owner)
{
    auto *style = new WrappingTabStyle;
    style->setParent(owner);
    for (QTabWidget *tabs : tabWidgets) {
        // An elided label would reach the style already cut.
        tabs->setElideMode(Qt::ElideNone);
        if (QTabBar *bar = tabs->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly)) {
            bar->setStyle(style);
            QObject::connect(bar, &QObject::destroyed, style, [style, bar] { style->forget(bar); });
        }
    }
}

QStringList lines(const QTabBar *bar, int index)
{
    if (const auto *style = dynamic_cast<const WrappingTabStyle *>(bar->style()))
        return style->labelLines(bar, bar->tabText(index));
    return {bar->tabText(index)};
}

} // namespace wrapped_tabs
