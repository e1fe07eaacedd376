#include "protocol/camera_address.h"

namespace camera_address {

QString remove_spaces(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (!c.isSpace())
            out.append(c);
    }
    return out;
}

QString address_part(const QString &text)
{
    const int slash = text.indexOf(QLatin1Char('/'));
    return slash < 0 ? text : text.left(slash);
}

} // namespace camera_address
