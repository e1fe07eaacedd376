#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input through the teacher section reader (the teacher key table of a reply, its
// choice keys, numbers and slider positions); an empty result when every check held, else what
// went wrong. Shared by the libFuzzer target and the corpus replay test.
//
// Input: the bytes of a teacher reply. Its lines also serve as the values of a teacher Apply
// block, which must read back.
QString check_teacher_section_input(const uint8_t *data, size_t size);
