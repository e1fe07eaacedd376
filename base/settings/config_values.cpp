#include "settings/config_values.h"

#include "protocol/reply_values.h"

#include <QStringList>

#include <cmath>

namespace config {

QString text_of(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool flag_set(const QString &text) { return reply_values::number(text) != 0; }

bool flag_set_if_one(const QString &text) { return text == QLatin1String("1"); }

std::optional<bool> flag_one_or_zero(const QString &text)
{
    switch (reply_values::number(text)) {
    case 1:
        return true;
    case 0:
        return false;
    default:
        return std::nullopt;
    }
}

QString flag_text(bool checked) { return checked ? QStringLiteral("1") : QStringLiteral("0"); }

std::optional<bool> customer_model(const QString &text)
{
    if (text == QLatin1String("KLOR"))
        return true;
    if (text == QLatin1String("Other"))
        return false;
    return std::nullopt;
}

QString customer_model_text(bool flag) { return flag ? QStringLiteral("KLOR") : QStringLiteral("Other"); }

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

} // namespace config
