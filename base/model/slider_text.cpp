#include "model/slider_text.h"

#include <cmath>

namespace slider_text {

namespace {
double decimal_of(const QString &text)
{
    bool ok = false;
    const double d = text.toDouble(&ok);
    return ok && std::isfinite(d) ? d : 0.0;
}

// The nearest whole position, kept inside int so that a huge stored number cannot overflow;
// the slider clamps it to its own range afterwards.
int nearest_position(double p)
{
    const double rounded = std::round(p);
    if (rounded >= 2147483647.0)
        return 2147483647;
    if (rounded <= -2147483648.0)
        return -2147483647 - 1;
    return int(rounded);
}
} // namespace

QString number_text(int position) { return QString::number(position); }

QString distance_text(int position) { return QString::number((position - 1) * 0.1 + 3.0, 'f', 1); }

int distance_position(const QString &text) { return nearest_position((decimal_of(text) - 3.0) * 10.0 + 1.0); }

QString size_text(int position) { return QString::number((position - 1) * 0.1 + 0.5, 'f', 1); }

int size_position(const QString &text) { return nearest_position((decimal_of(text) - 0.5) * 10.0 + 1.0); }

QString offset_text(int position)
{
    if (position == 40)
        return QStringLiteral("0");
    if (position > 40)
        return QLatin1Char('+') + QString::number(5 * position - 200);
    return QLatin1Char('-') + QString::number(200 - 5 * position);
}

} // namespace slider_text
