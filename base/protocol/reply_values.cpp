#include "protocol/reply_values.h"

namespace reply_values {

int number(const QString &text) { return text.trimmed().toInt(); }

int offset_position(const QString &text)
{
    const int v = number(text);
    return v == 0 ? 40 : v / 5 + 40;
}

std::optional<bool> zero_one(const QString &oneChar)
{
    if (oneChar == QLatin1String("1"))
        return true;
    if (oneChar == QLatin1String("0"))
        return false;
    return std::nullopt;
}

bool one_checks(const QString &oneChar) { return oneChar == QLatin1String("1"); }

} // namespace reply_values
