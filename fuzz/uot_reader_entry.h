#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the UOT frame reader; an empty result when every check held, else
// what went wrong. Shared by the libFuzzer target and the corpus replay test.
//
// Input: byte 0 bounds the read sizes, byte 1 seeds them, chooses whether the consumer feeds
// the next read while it handles a frame and gives the bound of a second reader that holds few
// bytes; the rest is the byte stream of one link.
QString check_uot_reader_input(const uint8_t *data, size_t size);

// Run by the libFuzzer target before each input: the debug lines of every header and frame would
// dominate the run time, so they are formatted for one input in 32 only, picked by its size
// (logging does not change the reading).
void before_uot_reader_input(size_t size);
