// libFuzzer target: the parameter block grammar, key lookup and answer classifier.
#include "fuzz/parameter_block_entry.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {
void discard(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Warnings of unusable items are formatted and discarded.
    qInstallMessageHandler(discard);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString failure = check_parameter_block_input(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "parameter_block: %s\n", qUtf8Printable(failure));
        std::abort();
    }
    return 0;
}
