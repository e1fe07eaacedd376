#include "protocol/protocol_log.h"

Q_LOGGING_CATEGORY(lcProtocol, "corvane.protocol")

namespace {
QByteArray too_long_note(int size)
{
    return "...(" + QByteArray::number(size) + " bytes)";
}
} // namespace

QByteArray log_bytes(const char *data, int size, int limit)
{
    if (size <= limit)
        return QByteArray(data, size);
    return QByteArray(data, limit) + too_long_note(size);
}

QByteArray log_hex(const QByteArray &bytes, int limit, char separator)
{
    if (bytes.size() <= limit)
        return bytes.toHex(separator);
    return QByteArray::fromRawData(bytes.constData(), limit).toHex(separator) + too_long_note(bytes.size());
}
