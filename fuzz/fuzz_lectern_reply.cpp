// libFuzzer target: the answers of a lectern-mode camera's HTTP interface.
#include "fuzz/lectern_reply_entry.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString failure = check_lectern_reply_input(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "lectern_reply: %s\n", qUtf8Printable(failure));
        std::abort();
    }
    return 0;
}
