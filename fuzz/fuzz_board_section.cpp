// libFuzzer target: the board sections of the teacher and board pano cameras' answers.
#include "fuzz/board_section_entry.h"

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
    const QString failure = check_board_section_input(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "board_section: %s\n", qUtf8Printable(failure));
        std::abort();
    }
    return 0;
}
