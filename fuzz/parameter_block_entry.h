#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the parameter block grammar and the answer classifier; an empty
// result when every check held, else what went wrong. Shared by the libFuzzer target and the
// corpus replay test.
//
// Input: the bytes of a camera answer. Its lines also serve as items of a block to build.
QString check_parameter_block_input(const uint8_t *data, size_t size);
