#include "protocol/protocol_log.h"

Q_LOGGING_CATEGORY(lcProtocol, "corvane.protocol")
