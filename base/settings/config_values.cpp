#include "settings/config_values.h"

#include "protocol/reply_values.h"

#include <QStringList>


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

} // namespace config
