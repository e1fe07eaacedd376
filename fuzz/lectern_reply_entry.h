#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the lectern answer readers; an empty result when every check held,
// else what went wrong. Shared by the libFuzzer target and the corpus replay test.
//
// Input: the body of an HTTP answer of a lectern-mode camera.
QString check_lectern_reply_input(const uint8_t *data, size_t size);
