// libFuzzer target: the teacher regions of a camera answer, back onto the region scene.
#include "fuzz/region_readback_entry.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {
void discard(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The readers' debug lines are formatted and discarded.
    qInstallMessageHandler(discard);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString failure = check_region_readback_input(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "region_readback: %s\n", qUtf8Printable(failure));
        std::abort();
    }
    return 0;
}
