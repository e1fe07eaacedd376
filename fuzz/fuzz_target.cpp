// libFuzzer entry of every target: CMake compiles this file once per target, with
// CORVANE_FUZZ_NAME naming the target, CORVANE_FUZZ_CHECK its check function (fuzz/<name>_entry.h)
// and, where the target needs one, CORVANE_FUZZ_BEFORE_INPUT a function run before each input.
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

QString CORVANE_FUZZ_CHECK(const uint8_t *data, size_t size);
#ifdef CORVANE_FUZZ_BEFORE_INPUT
void CORVANE_FUZZ_BEFORE_INPUT(size_t size);
#endif

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
#ifdef CORVANE_FUZZ_BEFORE_INPUT
    CORVANE_FUZZ_BEFORE_INPUT(size);
#endif
    const QString failure = CORVANE_FUZZ_CHECK(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", CORVANE_FUZZ_NAME, qUtf8Printable(failure));
        std::abort();
    }
    return 0;
}
