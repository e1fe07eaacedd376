// libFuzzer entry of a target whose check needs nothing else: CMake compiles this file once per
// target, with CORVANE_FUZZ_NAME naming the target and CORVANE_FUZZ_CHECK its check function
// (fuzz/<name>_entry.h).
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

QString CORVANE_FUZZ_CHECK(const uint8_t *data, size_t size);

namespace {
void discard(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The readers' debug and warning lines are formatted and discarded.
    qInstallMessageHandler(discard);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString failure = CORVANE_FUZZ_CHECK(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", CORVANE_FUZZ_NAME, qUtf8Printable(failure));
        std::abort();
    }
    return 0;
}
