#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the region read-back of a teacher reply (its region keys and enable
// strings, their conversion to the region scene and the bounds test before drawing); an empty
// result when every check held, else what went wrong. Shared by the libFuzzer target and the
// corpus replay test.
//
// Input: the bytes of a teacher reply. Its bytes also give the scene rectangles of a teacher
// Apply, whose region section must read back.
QString check_region_readback_input(const uint8_t *data, size_t size);
