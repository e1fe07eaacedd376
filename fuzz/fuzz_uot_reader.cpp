// libFuzzer target: the UOT frame reader of a TCP control link.
#include "fuzz/uot_reader_entry.h"
#include "protocol/protocol_log.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {
void discard(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Log lines are formatted and discarded.
    qInstallMessageHandler(discard);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The debug lines of every header and frame would dominate the run time: they are formatted
    // for one input in 32 only, picked by its size (logging does not change the reading).
    // The category object itself is not const; only its accessor returns it so.
    const_cast<QLoggingCategory &>(lcProtocol()).setEnabled(QtDebugMsg, size % 32 == 0);
    const QString failure = check_uot_reader_input(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "uot_reader: %s\n", qUtf8Printable(failure));
        std::abort();
    }
    return 0;
}
