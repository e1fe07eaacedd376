#include "protocol/visca_reply.h"

namespace visca_reply {

QString hex_text(const QByteArray &reply)
{
    return QString::fromLatin1(reply.toHex());
}

int value_field(const QByteArray &reply, int offset)
{
    auto byteAt = [&reply](int i) -> int {
        return i >= 0 && i < reply.size() ? static_cast<unsigned char>(reply.at(i)) : 0;
    };
    return byteAt(offset) * 4096 + (byteAt(offset + 1) & 15) * 256 + (byteAt(offset + 2) & 15) * 16
           + (byteAt(offset + 3) & 15);
}

QString model_code(const QByteArray &reply)
{
    if (reply.size() != 9)
        return QString();
    const auto letter = static_cast<unsigned char>(reply.at(6));
    if (letter == 0)
        return QString();
    const auto number = static_cast<unsigned char>(reply.at(7));
    return QString(QChar(letter)) + QString::number(number, 16);
}

QString normalized_model(const QString &code)
{
    return code == QLatin1String("R17") ? QStringLiteral("R6") : code;
}

bool carries_values(int length)
{
    return length == 7 || length == 9 || length == 11 || length == 15;
}

} // namespace visca_reply
