#include "protocol/protocol_log.h"

Q_LOGGING_CATEGORY(lcProtocol, "corvane.protocol")

QByteArray log_bytes(const char *data, int size, int limit)
{
    if (size <= limit)
        return QByteArray(data, size);
    return QByteArray(data, limit) + "...(" + QByteArray::number(size) + " bytes)";
}
